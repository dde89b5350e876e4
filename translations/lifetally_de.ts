<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ActivityChecks</name>
    <message>
        <source>Starting date is earlier than date of birth</source>
        <translation>Der Beginn liegt vor dem Geburtsdatum.</translation>
    </message>
    <message>
        <source>Starting date is in the future</source>
        <translation>Der Beginn liegt in der Zukunft.</translation>
    </message>
    <message>
        <source>Description cannot be blank</source>
        <translation>Die Beschreibung darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Starting date is not valid</source>
        <translation>Der Beginn ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>Ending date is not valid</source>
        <translation>Das Ende ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>Number of hours incorrect for days</source>
        <translation>Zu viele Stunden für einen Tag.</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for weeks</source>
        <translation>Zu viele Stunden/Minuten für eine Woche.</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for months</source>
        <translation>Zu viele Stunden/Minuten für einen Monat.</translation>
    </message>
    <message>
        <source>Starting date is after the ending date</source>
        <translation>Der Beginn liegt nach dem Ende.</translation>
    </message>
    <message>
        <source>Value cannot be set to 0</source>
        <translation>Der Wert darf nicht 0 sein.</translation>
    </message>
</context>
<context>
    <name>ActivityWords</name>
    <message>
        <source>Day</source>
        <extracomment>How often an activity&apos;s amount comes back: per day, week, month or year, or once.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Hr</source>
        <extracomment>Hours in the table&apos;s time column, short; %Ln is 1 here.</extracomment>
        <translation>
            <numerusform>%Ln Std.</numerusform>
            <numerusform>%Ln Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Hrs</source>
        <extracomment>Hours in the table&apos;s time column, short (&quot;8 Hrs&quot;).</extracomment>
        <translation>
            <numerusform>%Ln Std.</numerusform>
            <numerusform>%Ln Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Min</source>
        <extracomment>Minutes in the table&apos;s time column, short; %Ln is 1 here.</extracomment>
        <translation>
            <numerusform>%Ln Min.</numerusform>
            <numerusform>%Ln Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Mins</source>
        <extracomment>Minutes in the table&apos;s time column, short (&quot;30 Mins&quot;).</extracomment>
        <translation>
            <numerusform>%Ln Min.</numerusform>
            <numerusform>%Ln Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Hr %2 Min</source>
        <extracomment>No time at all in the table&apos;s time column (&quot;0 Hr 0 Min&quot;): zero hours, zero minutes.</extracomment>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <extracomment>A time in the table: its hours (&quot;2 Hrs&quot;), then its minutes (&quot;30 Mins&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Now</source>
        <comment>end date</comment>
        <extracomment>The end date of an activity that goes on until today.</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Once only</source>
        <extracomment>The money dialog&apos;s fifth period: the amount is spent once, not again.</extracomment>
        <translation>Nur einmal</translation>
    </message>
    <message>
        <source>%1 a day</source>
        <extracomment>An activity&apos;s rate: its amount (&quot;8 Hrs&quot;, &quot;$12.50&quot;, &quot;3&quot;) each day.</extracomment>
        <translation>%1 pro Tag</translation>
    </message>
    <message>
        <source>%1 a week</source>
        <translation>%1 pro Woche</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <translation>%1 pro Monat</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>%1 pro Jahr</translation>
    </message>
    <message>
        <source>%1 once</source>
        <extracomment>An activity&apos;s rate: its amount, spent or done once.</extracomment>
        <translation>%1 einmal</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>An activity&apos;s rate with a period word the program does not know (a hand-edited file).</extracomment>
        <translation>%1 pro %2</translation>
    </message>
    <message>
        <source>Activity</source>
        <extracomment>Column heading of the hours table: the activity&apos;s name.</extracomment>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading: the time spent on the activity each period.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Per</source>
        <extracomment>Column heading, short: the period (&quot;Day&quot;, &quot;Week&quot;) the amount is spent per.</extracomment>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Total Hrs</source>
        <extracomment>Column heading, short: the row&apos;s total in hours.</extracomment>
        <translation>Std. gesamt</translation>
    </message>
    <message>
        <source>Hours spent for %1</source>
        <extracomment>The hours chart&apos;s title; %1 is the user&apos;s name.</extracomment>
        <translation>Von %1 aufgewendete Stunden</translation>
    </message>
    <message>
        <source>Hours</source>
        <extracomment>A table&apos;s name at the head of a message (&quot;Hours, row 3, ...&quot;).</extracomment>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>Column heading: the money spent each period.</extracomment>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Total Amt</source>
        <extracomment>Column heading, short: the row&apos;s total amount of money.</extracomment>
        <translation>Betrag gesamt</translation>
    </message>
    <message>
        <source>Money spent for %1</source>
        <translation>Von %1 ausgegebenes Geld</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>Column heading: how many times each period.</extracomment>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Total Freq</source>
        <extracomment>Column heading, short: how many times in all.</extracomment>
        <translation>Anzahl gesamt</translation>
    </message>
    <message>
        <source>Frequency of activities for %1</source>
        <translation>Häufigkeit der Tätigkeiten von %1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Popup calendar</source>
        <extracomment>The button beside a date field that opens a calendar to pick the date from.</extracomment>
        <translation>Kalender öffnen</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Which of the two arrow buttons, for screen readers.</extracomment>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message numerus="yes">
        <source>%Ln more, %1</source>
        <extracomment>One pie mark for the smallest slices, whose own marks found no room: how many there are and their share together, for example &quot;7 more, 3.5 %&quot;.</extracomment>
        <translation>
            <numerusform>%Ln weitere, %1</numerusform>
            <numerusform>%Ln weitere, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The chart&apos;s slice for the rest of the hours lived or of the lifetime income, beside the activities.</extracomment>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>What a screen reader says of one point of a chart: %1 is the activity, %2 its value and %3 its share, for example &quot;Reading: 1,234 (5.2 %)&quot;.</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write the report as a PDF to FILE (&apos;-&apos;: standard output) and quit, showing no window.</source>
        <translation>Schreibt den Bericht als PDF in DATEI (&apos;-&apos;: Standardausgabe) und beendet sich, ohne ein Fenster zu zeigen.</translation>
    </message>
    <message>
        <source>Write the three tables as CSV to FILE (&apos;-&apos;: standard output) and quit, showing no window.</source>
        <translation>Schreibt die drei Tabellen als CSV in DATEI (&apos;-&apos;: Standardausgabe) und beendet sich, ohne ein Fenster zu zeigen.</translation>
    </message>
    <message>
        <source>Write a table&apos;s chart to FILE (.png or .svg, which chooses the format; not &apos;-&apos;) and quit, showing no window.</source>
        <translation>Schreibt das Diagramm einer Tabelle in DATEI (.png oder .svg, die Endung wählt das Format; nicht &apos;-&apos;) und beendet sich, ohne ein Fenster zu zeigen.</translation>
    </message>
    <message>
        <source>Write what the activities will add up to by an age as CSV to FILE (&apos;-&apos;: standard output) and quit, showing no window.</source>
        <translation>Schreibt als CSV in DATEI, was die Tätigkeiten bis zu einem Alter ergeben werden (&apos;-&apos;: Standardausgabe), und beendet sich, ohne ein Fenster zu zeigen.</translation>
    </message>
    <message>
        <source>Write the activities on a timeline from birth to an age to FILE (.png or .svg, which chooses the format; not &apos;-&apos;) and quit, showing no window.</source>
        <translation>Schreibt die Tätigkeiten auf einer Zeitleiste von der Geburt bis zu einem Alter in DATEI (.png oder .svg, die Endung wählt das Format; nicht &apos;-&apos;) und beendet sich, ohne ein Fenster zu zeigen.</translation>
    </message>
    <message>
        <source>The option &apos;%1&apos; is given more than once.</source>
        <translation>Die Option &apos;%1&apos; ist mehrfach angegeben.</translation>
    </message>
    <message>
        <source>The file name after &apos;--%1&apos; is empty.</source>
        <translation>Der Dateiname nach &apos;--%1&apos; ist leer.</translation>
    </message>
    <message>
        <source>&apos;--table&apos; and &apos;--bar&apos; go with &apos;--export-chart&apos;.</source>
        <translation>&apos;--table&apos; und &apos;--bar&apos; gehören zu &apos;--export-chart&apos;.</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; does not write to standard output (&apos;-&apos;): the chart&apos;s format comes from its file name&apos;s ending, .png or .svg.</source>
        <translation>&apos;--%1&apos; schreibt nicht in die Standardausgabe (&apos;-&apos;): Das Format des Diagramms ergibt sich aus der Endung des Dateinamens, .png oder .svg.</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; does not write to standard output (&apos;-&apos;): the timeline&apos;s format comes from its file name&apos;s ending, .png or .svg.</source>
        <translation>&apos;--%1&apos; schreibt nicht in die Standardausgabe (&apos;-&apos;): Das Format der Zeitleiste ergibt sich aus der Endung des Dateinamens, .png oder .svg.</translation>
    </message>
    <message>
        <source>Unknown table &apos;%1&apos;: hours, money or frequency.</source>
        <translation>Unbekannte Tabelle &apos;%1&apos;: hours, money oder frequency.</translation>
    </message>
    <message>
        <source>&apos;--age&apos; goes with &apos;--export-look-ahead&apos; or &apos;--export-timeline&apos;.</source>
        <translation>&apos;--age&apos; gehört zu &apos;--export-look-ahead&apos; oder &apos;--export-timeline&apos;.</translation>
    </message>
    <message>
        <source>The age after &apos;--age&apos; must be a whole number from %1 to %2.</source>
        <translation>Das Alter nach &apos;--age&apos; muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>How much of your life has gone into each of your activities.</source>
        <translation>Wie viel Ihres Lebens in jede Ihrer Tätigkeiten geflossen ist.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --settings and the exports in --help; their texts call it so too.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Keep the data in FILE instead of the usual lifetally.ini.</source>
        <translation>Speichert die Daten in DATEI statt in der üblichen lifetally.ini.</translation>
    </message>
    <message>
        <source>The table --export-chart draws: hours (the default), money or frequency.</source>
        <translation>Die Tabelle, die --export-chart zeichnet: hours (Vorgabe), money oder frequency.</translation>
    </message>
    <message>
        <source>TABLE</source>
        <extracomment>The value of --table in --help; the values themselves stay English.</extracomment>
        <translation>TABELLE</translation>
    </message>
    <message>
        <source>Draw --export-chart as bars, not as a pie.</source>
        <translation>Zeichnet --export-chart als Balken statt als Kreis.</translation>
    </message>
    <message>
        <source>The age --export-look-ahead looks ahead to and --export-timeline runs to (%1 unless given).</source>
        <translation>Das Alter, bis zu dem --export-look-ahead vorausblickt und --export-timeline reicht (ohne Angabe %1).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of --age in --help: a number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: lifetally [options]</source>
        <translation>Aufruf: lifetally [Optionen]</translation>
    </message>
    <message>
        <source>More in the manual page (man lifetally) and at %1</source>
        <translation>Mehr dazu in der Handbuchseite (man lifetally) und unter %1</translation>
    </message>
    <message>
        <source>The settings file name is empty.</source>
        <translation>Der Name der Einstellungsdatei ist leer.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not valid UTF-8, so Lifetally could not name that file exactly; rename it.</source>
        <translation>&apos;%1&apos; ist kein gültiges UTF-8, daher kann Lifetally diese Datei nicht genau benennen; benennen Sie sie bitte um.</translation>
    </message>
    <message>
        <source>Try &apos;lifetally --help&apos; for more information.</source>
        <translation>Weitere Informationen mit &apos;lifetally --help&apos;.</translation>
    </message>
    <message>
        <source>the window needs a graphical session, and none was found (no DISPLAY or WAYLAND_DISPLAY); the --export-* options work without one.</source>
        <translation>das Fenster braucht eine grafische Sitzung, es wurde aber keine gefunden (weder DISPLAY noch WAYLAND_DISPLAY); die Optionen --export-* funktionieren auch ohne.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Where a value stands, then what is wrong with it: &quot;Your birthdate: &apos;&apos; is not a valid date&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your birthdate</source>
        <translation>Ihr Geburtsdatum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>„%1“ ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Zahl.</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>Lifetally from %1 - %2</source>
        <extracomment>The credit line of the Intro page, the charts and the report: %1 is the maker&apos;s name, %2 its web address.</extracomment>
        <translation>Lifetally von %1 – %2</translation>
    </message>
</context>
<context>
    <name>DateSpan</name>
    <message numerus="yes">
        <source>%Ln years</source>
        <translation>
            <numerusform>%Ln Jahr</numerusform>
            <numerusform>%Ln Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln months</source>
        <translation>
            <numerusform>%Ln Monat</numerusform>
            <numerusform>%Ln Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DateWording</name>
    <message numerus="yes">
        <source>%Ln wks</source>
        <translation>
            <numerusform>%Ln Wo.</numerusform>
            <numerusform>%Ln Wo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mons</source>
        <translation>
            <numerusform>%Ln Mon.</numerusform>
            <numerusform>%Ln Mon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln yrs</source>
        <translation>
            <numerusform>%Ln J.</numerusform>
            <numerusform>%Ln J.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Years, then months: &quot;3 yrs 2 mons&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Nächste Woche</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>ahead</comment>
        <extracomment>A time ahead, under a future date: &quot;6 wks&quot;, &quot;3 yrs 1 mon&quot;.</extracomment>
        <translation>in %1</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A time ago: &quot;3 wks ago&quot;, &quot;3 yrs 2 mons ago&quot;.</extracomment>
        <translation>vor %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>You were %1 old</source>
        <extracomment>The age at a date: &quot;You were 10 yrs 3 mons old&quot;.</extracomment>
        <translation>Sie waren %1 alt</translation>
    </message>
    <message>
        <source>You are %1 old</source>
        <translation>Sie sind %1 alt</translation>
    </message>
    <message>
        <source>You will be %1 old</source>
        <translation>Sie werden %1 alt sein</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Nothing was made to write</source>
        <translation>Es wurde nichts zum Schreiben erzeugt</translation>
    </message>
    <message>
        <source>It is the settings file, which an export never writes</source>
        <translation>Das ist die Einstellungsdatei, die ein Export nie überschreibt</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>Das ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>Das ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>It is not a plain file</source>
        <translation>Das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1. Its old content could not be put back</source>
        <extracomment>The system&apos;s reason a write failed, then that the file could not be mended.</extracomment>
        <translation>%1. Der alte Inhalt konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <translation>Die Datei ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>Its name (%1) is not valid UTF-8</source>
        <translation>Der Dateiname (%1) ist kein gültiges UTF-8</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>A list&apos;s last two items, as in &quot;.png or .svg&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>The chart file name must end in %1.</source>
        <translation>Der Dateiname des Diagramms muss auf %1 enden.</translation>
    </message>
    <message>
        <source>The timeline file name must end in %1.</source>
        <translation>Der Dateiname der Zeitleiste muss auf %1 enden.</translation>
    </message>
    <message>
        <source>The file name must end in %1.</source>
        <translation>Der Dateiname muss auf %1 enden.</translation>
    </message>
</context>
<context>
    <name>LookAhead</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A number of hours, then the same time in years and days: &quot;107,456 (12 years 94 days)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Ages go up to %1: choose an age from %2 to %1.</source>
        <translation>Alter bis %1 sind möglich: Wählen Sie ein Alter von %2 bis %1.</translation>
    </message>
    <message>
        <source>Ages go up to %1: no age up to %1 lies ahead.</source>
        <translation>Alter bis %1 sind möglich: Bis %1 liegt kein Alter mehr vor Ihnen.</translation>
    </message>
    <message>
        <source>You reached the age of %1 on %2: choose an age from %3 to %4.</source>
        <extracomment>%1 is an age, %2 the date of that birthday.</extracomment>
        <translation>Sie haben am %2 das Alter von %1 erreicht: Wählen Sie ein Alter von %3 bis %4.</translation>
    </message>
    <message>
        <source>You reached the age of %1 on %2: no age up to %3 lies ahead.</source>
        <translation>Sie haben am %2 das Alter von %1 erreicht: Bis %3 liegt kein Alter mehr vor Ihnen.</translation>
    </message>
    <message>
        <source>By age %1, on %2, you will have lived %3 hours.</source>
        <extracomment>%1 is an age, %2 the date of that birthday, %3 a number of hours.</extracomment>
        <translation>Im Alter von %1, am %2, werden Sie %3 Stunden gelebt haben.</translation>
    </message>
    <message>
        <source>Activity</source>
        <extracomment>The look ahead&apos;s column headings; %1 is the age looked ahead to.</extracomment>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>Bisher</translation>
    </message>
    <message>
        <source>By age %1</source>
        <translation>Bis Alter %1</translation>
    </message>
    <message>
        <source>Still to come</source>
        <translation>Noch ausstehend</translation>
    </message>
    <message>
        <source>Share of life by %1</source>
        <translation>Lebensanteil bis %1</translation>
    </message>
    <message>
        <source>Hours by age %1 for %2</source>
        <extracomment>The chart&apos;s title: %1 is the age looked ahead to, %2 the user&apos;s name.</extracomment>
        <translation>Stunden von %2 bis zum Alter von %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 years</source>
        <extracomment>%1 is the number of years, written by the program.</extracomment>
        <translation>
            <numerusform>%1 Jahr</numerusform>
            <numerusform>%1 Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days</source>
        <extracomment>%1 is the number of days, written by the program.</extracomment>
        <translation>
            <numerusform>%1 Tag</numerusform>
            <numerusform>%1 Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Years, then days: &quot;12 years 94 days&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Error</source>
        <extracomment>The title of the box that reports something the user must put right.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>The title of a Yes/No question box.</extracomment>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>Outputs</name>
    <message>
        <source>Lifetally %1 (build %2)</source>
        <extracomment>%1 is a version number such as 1.1, %2 a build&apos;s mark.</extracomment>
        <translation>Lifetally %1 (Build %2)</translation>
    </message>
    <message>
        <source>It is the library of %1, and this program is %2.</source>
        <extracomment>Why the charts and printing library was refused: %1 and %2 read &quot;Lifetally 1.1 (build ...)&quot;.</extracomment>
        <translation>Die Bibliothek gehört zu %1, dieses Programm ist aber %2.</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <extracomment>%1 is the library&apos;s file, %2 the reason.</extracomment>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The print job has already been started.</source>
        <translation>Der Druckauftrag wurde bereits gestartet.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The print job has not been started.</source>
        <translation>Der Druckauftrag wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>At the foot of each page of the report: &quot;Page 2 of 5&quot;.</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Lifetally  - version 1.0</source>
        <extracomment>The printed report&apos;s first line, as it has always read: two blanks before the dash.</extracomment>
        <translation>Lifetally  - Version 1.0</translation>
    </message>
    <message>
        <source>Printed : %1  %2</source>
        <extracomment>The report&apos;s heading: %1 is the date and %2 the time it was printed.</extracomment>
        <translation>Gedruckt: %1  %2</translation>
    </message>
    <message>
        <source>Lifetally report</source>
        <extracomment>The title a saved report&apos;s PDF carries.</extracomment>
        <translation>Lifetally-Bericht</translation>
    </message>
    <message>
        <source>Preview report</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>Error printing report ... quitting</source>
        <extracomment>The report&apos;s own error message, as it has always read.</extracomment>
        <translation>Fehler beim Drucken des Berichts ... Abbruch</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The money table has no rows to chart.</source>
        <translation>Die Tabelle „Geld“ hat keine Zeilen für ein Diagramm.</translation>
    </message>
    <message>
        <source>The frequency table has no rows to chart.</source>
        <translation>Die Tabelle „Häufigkeit“ hat keine Zeilen für ein Diagramm.</translation>
    </message>
    <message>
        <source>The hours table has no rows to chart.</source>
        <translation>Die Tabelle „Stunden“ hat keine Zeilen für ein Diagramm.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Lifetally could not read %1 when it started. Overwrite it?</source>
        <translation>Lifetally konnte %1 beim Start nicht lesen. Die Datei überschreiben?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Lifetally read it. Overwrite it?</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit Lifetally die Datei gelesen hat. Die Datei überschreiben?</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>It is not a settings file</source>
        <translation>Das ist keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>It holds no Lifetally settings</source>
        <translation>Die Datei enthält keine Einstellungen von Lifetally</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; does not read in the formats the file records (%3)</source>
        <extracomment>A value of the file, where it stands, and the locale the file says it was written in.</extracomment>
        <translation>%1: „%2“ lässt sich in den Formaten, die die Datei angibt (%3), nicht lesen</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The name field&apos;s text at a first start; once saved it is the user&apos;s data.</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Unable to write to standard output</source>
        <translation>In die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to write to standard output: %1</source>
        <translation>In die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>A file&apos;s path, then the reason, often the system&apos;s.</extracomment>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>It would be larger than %1 MiB, more than Lifetally reads</source>
        <translation>Die Datei würde größer als %1 MiB, mehr als Lifetally liest</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Maximum number of rows reached</source>
        <translation>Die Höchstzahl an Zeilen ist erreicht.</translation>
    </message>
    <message>
        <source>Nothing to edit</source>
        <translation>Nichts zu bearbeiten.</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Nichts zu löschen.</translation>
    </message>
    <message>
        <source>Really delete %1?</source>
        <extracomment>%1 is the activity&apos;s name as the user typed it.</extracomment>
        <translation>„%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Really clear out the table?</source>
        <translation>Die Tabelle wirklich leeren?</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Step 2: Number of hours spent on various activities</source>
        <translation>Schritt 2: Stunden für verschiedene Tätigkeiten</translation>
    </message>
    <message>
        <source>Hours spent on activities</source>
        <translation>Für Tätigkeiten aufgewendete Stunden</translation>
    </message>
    <message>
        <source>Note that the percentage is based on the number of hours you have been alive.  Percentages may not add up to 100 due to overlap.</source>
        <translation>Die Prozentsätze beziehen sich auf Ihre bisher gelebten Stunden. Wegen Überschneidungen ergeben sie nicht unbedingt 100.</translation>
    </message>
    <message>
        <source>Graph results of &amp;hours</source>
        <translation>&amp;Stunden als Diagramm</translation>
    </message>
    <message>
        <source>Step 3: Money spent on various activities</source>
        <translation>Schritt 3: Geld für verschiedene Tätigkeiten</translation>
    </message>
    <message>
        <source>Money spent on activities</source>
        <translation>Für Tätigkeiten ausgegebenes Geld</translation>
    </message>
    <message>
        <source>Note that the percentage is based on your lifetime income.</source>
        <translation>Die Prozentsätze beziehen sich auf Ihr Lebenseinkommen.</translation>
    </message>
    <message>
        <source>Graph results of &amp;money</source>
        <translation>&amp;Geld als Diagramm</translation>
    </message>
    <message>
        <source>Step 4: Frequency of various activities</source>
        <translation>Schritt 4: Häufigkeit verschiedener Tätigkeiten</translation>
    </message>
    <message>
        <source>Frequency of activities</source>
        <translation>Häufigkeit der Tätigkeiten</translation>
    </message>
    <message>
        <source>Graph results of &amp;frequency</source>
        <translation>&amp;Häufigkeit als Diagramm</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Age %1</source>
        <extracomment>The first age under the timeline&apos;s axis: &quot;Age 10&quot;; the later ones are numbers.</extracomment>
        <translation>Alter %1</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Above the timeline&apos;s axis, where today is.</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>So far</source>
        <extracomment>The timeline&apos;s key: the solid part of a band, up to today.</extracomment>
        <translation>Bisher</translation>
    </message>
    <message>
        <source>If it goes on</source>
        <extracomment>The timeline&apos;s key: the lighter part of a band, from today to the chosen age.</extracomment>
        <translation>Wenn es so weitergeht</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hrs</source>
        <extracomment>A timeline total in hours, short: &quot;116,376 hrs&quot;.</extracomment>
        <translation>
            <numerusform>%Ln Std.</numerusform>
            <numerusform>%Ln Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln times</source>
        <extracomment>A timeline total of how often something was done: &quot;3 times&quot;.</extracomment>
        <translation>
            <numerusform>%Ln-mal</numerusform>
            <numerusform>%Ln-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>on %1</source>
        <extracomment>When a one-off activity happened, for a screen reader: %1 is its date.</extracomment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>from %1 to today, and on to age %2 on %3 if it goes on</source>
        <extracomment>When an activity that has not ended runs, for a screen reader: %1 is its start, %2 the age the timeline goes to and %3 that birthday.</extracomment>
        <translation>vom %1 bis heute und, wenn es so weitergeht, bis zum Alter von %2 am %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>When an activity ran, for a screen reader: from its start date to its end date.</extracomment>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>The life of %1 to age %2</source>
        <extracomment>The timeline&apos;s title: %1 is the user&apos;s name, %2 the age it runs to.</extracomment>
        <translation>Das Leben von %1 bis zum Alter von %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A timeline row&apos;s label: %1 is the activity, %2 its rate (&quot;8 Hrs a day&quot;).</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 so far, %2 by %3</source>
        <extracomment>A row&apos;s total so far and by the age the timeline runs to (%3).</extracomment>
        <translation>%1 bisher, %2 bis Alter %3</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 bisher</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>What a screen reader says of a timeline row: its label, when it runs and its total.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message>
        <source>activity</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>period</source>
        <translation>Zeiteinheit</translation>
    </message>
    <message>
        <source>starting date</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>ending date</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>total</source>
        <translation>Gesamtwert</translation>
    </message>
    <message>
        <source>%1, row %2, %3</source>
        <extracomment>Where a value of a table stands: &quot;Hours, row 3, ending date&quot;.</extracomment>
        <translation>%1, Zeile %2, %3</translation>
    </message>
    <message>
        <source>Age: %1 Hours: %2</source>
        <extracomment>The results page and the report: &quot;Age: 36 years 9 months 8 days Hours: 322,381&quot;.</extracomment>
        <translation>Alter: %1 Stunden: %2</translation>
    </message>
    <message>
        <source>Lifetime income: %1</source>
        <translation>Lebenseinkommen: %1</translation>
    </message>
</context>
<context>
    <name>lt::BioPage</name>
    <message>
        <source>Step 1: Personal Biographical Information</source>
        <translation>Schritt 1: Angaben zur Person</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>Your birthdate:</source>
        <translation>Ihr Geburtsdatum:</translation>
    </message>
    <message>
        <source>Estimate your lifetime income up to now:</source>
        <translation>Ihr geschätztes Lebenseinkommen bis heute:</translation>
    </message>
</context>
<context>
    <name>lt::IntroPage</name>
    <message>
        <source>How much time and money have you spent in your lifetime?</source>
        <translation>Wie viel Zeit und Geld haben Sie in Ihrem Leben aufgewendet?</translation>
    </message>
    <message>
        <source>This program will help you find that out.</source>
        <translation>Dieses Programm hilft Ihnen, es herauszufinden.</translation>
    </message>
    <message>
        <source>As for man, his days are as grass: as a flower of the field,</source>
        <extracomment>Psalm 103:15, first line; use the verse as the language&apos;s usual Bible gives it.</extracomment>
        <translation>Ein Mensch ist in seinem Leben wie Gras,</translation>
    </message>
    <message>
        <source>so he flourisheth.  Psalm 103:15</source>
        <extracomment>Psalm 103:15, second line, with the verse&apos;s reference.</extracomment>
        <translation>er blüht wie eine Blume auf dem Felde.  Psalm 103,15</translation>
    </message>
</context>
<context>
    <name>lt::MaskedNumberField</name>
    <message>
        <source>%1 is not a valid value. It must be between %2 and %3.</source>
        <extracomment>%1 is what was typed, %2 and %3 the smallest and the largest value allowed.</extracomment>
        <translation>%1 ist kein gültiger Wert. Er muss zwischen %2 und %3 liegen.</translation>
    </message>
</context>
<context>
    <name>lt::ResultsPage</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>P&amp;rint report</source>
        <translation>Bericht &amp;drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view report</source>
        <translation>Berichts&amp;vorschau</translation>
    </message>
    <message>
        <source>Save report as P&amp;DF...</source>
        <translation>Bericht als &amp;PDF speichern …</translation>
    </message>
    <message>
        <source>Export tables as &amp;CSV...</source>
        <translation>Tabellen als &amp;CSV exportieren …</translation>
    </message>
    <message>
        <source>Print the report (%1)</source>
        <extracomment>%1 is the key that prints, as the desktop writes it (Ctrl+P).</extracomment>
        <translation>Den Bericht drucken (%1)</translation>
    </message>
    <message>
        <source>&amp;Look ahead...</source>
        <translation>&amp;Ausblick …</translation>
    </message>
    <message>
        <source>T&amp;imeline</source>
        <translation>Zeit&amp;leiste</translation>
    </message>
</context>
<context>
    <name>lt::TablePage</name>
    <message>
        <source>Double click to edit</source>
        <translation>Zum Bearbeiten doppelklicken</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Sort the table</source>
        <translation>Die Tabelle sortieren</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add a row (%1)</source>
        <extracomment>%1 is the key that does the same, as the desktop writes it (Ins).</extracomment>
        <translation>Eine Zeile hinzufügen (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit the selected row (%1)</source>
        <translation>Die ausgewählte Zeile bearbeiten (%1)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the selected row (%1)</source>
        <translation>Die ausgewählte Zeile löschen (%1)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Lee&amp;ren</translation>
    </message>
    <message>
        <source>Clear the table</source>
        <translation>Die Tabelle leeren</translation>
    </message>
</context>
<context>
    <name>lt::TfrmAbout</name>
    <message>
        <source>About Lifetally</source>
        <translation>Über Lifetally</translation>
    </message>
    <message>
        <source>Lifetally version %1</source>
        <translation>Lifetally Version %1</translation>
    </message>
    <message>
        <source>Compliments of:</source>
        <translation>Mit freundlicher Empfehlung von:</translation>
    </message>
    <message>
        <source>Look for more programs from %1 and news of Lifetally on our home page:</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Weitere Programme von %1 und Neuigkeiten zu Lifetally finden Sie auf unserer Website:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Tallyhouse &amp;home page</source>
        <extracomment>Tallyhouse is the maker&apos;s name.</extracomment>
        <translation>&amp;Website von Tallyhouse</translation>
    </message>
    <message>
        <source>Open the %1 home page in your web browser</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Die Website von %1 im Webbrowser öffnen</translation>
    </message>
    <message>
        <source>Visit the %1 home page at %2 for more programs and the latest news</source>
        <extracomment>%1 is the maker&apos;s name, %2 its web address.</extracomment>
        <translation>Weitere Programme und die neuesten Nachrichten auf der Website von %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t open web browser for home page %1</source>
        <extracomment>%1 is the web address.</extracomment>
        <translation>Der Webbrowser konnte für die Website %1 nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>lt::TfrmGraph</name>
    <message>
        <source>Activity Graph</source>
        <translation>Diagramm der Tätigkeiten</translation>
    </message>
    <message>
        <source>Click or press Space to start or stop the pie</source>
        <translation>Klicken oder Leertaste drücken, um den Kreis zu drehen oder anzuhalten</translation>
    </message>
    <message>
        <source>P&amp;ie</source>
        <extracomment>Show the chart as a pie.</extracomment>
        <translation>&amp;Kreis</translation>
    </message>
    <message>
        <source>&amp;Bar</source>
        <extracomment>Show the chart as horizontal bars.</extracomment>
        <translation>&amp;Balken</translation>
    </message>
    <message>
        <source>&amp;Reduce # visible points</source>
        <extracomment>Removes the chart&apos;s last point, down to three.</extracomment>
        <translation>&amp;Weniger Punkte zeigen</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>Bild &amp;speichern …</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print the chart (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+P&quot;.</extracomment>
        <translation>Das Diagramm drucken (%1)</translation>
    </message>
    <message>
        <source>Save the chart as a PNG or SVG image (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+S&quot;.</extracomment>
        <translation>Das Diagramm als PNG- oder SVG-Bild speichern (%1)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>Das Diagramm konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>SVG-Bild</translation>
    </message>
</context>
<context>
    <name>lt::TfrmLookAhead</name>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Stunden</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <translation>&amp;Geld</translation>
    </message>
    <message>
        <source>&amp;Frequency</source>
        <translation>&amp;Häufigkeit</translation>
    </message>
    <message>
        <source>Hours by age %1</source>
        <extracomment>%1 is the age looked ahead to.</extracomment>
        <translation>Stunden bis zum Alter von %1</translation>
    </message>
    <message>
        <source>Money by age %1</source>
        <translation>Geld bis zum Alter von %1</translation>
    </message>
    <message>
        <source>Frequency by age %1</source>
        <translation>Häufigkeit bis zum Alter von %1</translation>
    </message>
    <message>
        <source>Look ahead</source>
        <translation>Ausblick</translation>
    </message>
    <message>
        <source>&amp;To age:</source>
        <translation>&amp;Bis zum Alter:</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>Als CSV &amp;exportieren …</translation>
    </message>
    <message>
        <source>T&amp;imeline</source>
        <translation>Zeit&amp;leiste</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the window.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Export look ahead as CSV</source>
        <translation>Ausblick als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
</context>
<context>
    <name>lt::TfrmMain</name>
    <message>
        <source>&lt;&lt;&amp;Prev</source>
        <extracomment>The wizard&apos;s button back to the previous page.</extracomment>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <extracomment>The wizard&apos;s button on to the next page.</extracomment>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Saves everything and ends the program.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sort by activity</source>
        <translation>Nach Tätigkeit sortieren</translation>
    </message>
    <message>
        <source>Sort by start date</source>
        <translation>Nach Beginn sortieren</translation>
    </message>
    <message>
        <source>Sort by total</source>
        <translation>Nach Gesamtwert sortieren</translation>
    </message>
    <message>
        <source>Your birthdate is mandatory to proceed to the next step.</source>
        <translation>Für den nächsten Schritt ist Ihr Geburtsdatum erforderlich.</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-Dateien</translation>
    </message>
    <message>
        <source>Export tables as CSV</source>
        <translation>Tabellen als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
</context>
<context>
    <name>lt::TfrmMoney</name>
    <message>
        <source>Activity </source>
        <extracomment>The title of the dialog that edits a row of the money or the frequency table.</extracomment>
        <translation>Tätigkeit </translation>
    </message>
    <message>
        <source>Amount of money spent per:</source>
        <translation>Ausgegebenes Geld pro:</translation>
    </message>
    <message>
        <source>Frequency performed per:</source>
        <translation>Häufigkeit pro:</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>Above the amount field: an amount of money, or a number of times.</extracomment>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>lt::TfrmPickDate</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Change the displayed month</source>
        <translation>Den angezeigten Monat wechseln</translation>
    </message>
    <message>
        <source>Change the displayed year</source>
        <translation>Das angezeigte Jahr wechseln</translation>
    </message>
    <message>
        <source>Date of &amp;birth</source>
        <translation>&amp;Geburtsdatum</translation>
    </message>
    <message>
        <source>Go to your birthdate</source>
        <translation>Zu Ihrem Geburtsdatum springen</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Zum heutigen Tag springen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select date</source>
        <translation>Datum übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Life line</source>
        <extracomment>The slider from the date of birth to today.</extracomment>
        <translation>Lebenslinie</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Mid-life</source>
        <translation>Lebensmitte</translation>
    </message>
    <message>
        <source>Present</source>
        <extracomment>The right end of the life line: today.</extracomment>
        <translation>Gegenwart</translation>
    </message>
</context>
<context>
    <name>lt::TfrmTime</name>
    <message>
        <source>Activity time</source>
        <translation>Zeitaufwand für eine Tätigkeit</translation>
    </message>
    <message>
        <source>Amount of time spent per:</source>
        <translation>Aufgewendete Zeit pro:</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <comment>per day</comment>
        <translation>&amp;Tag</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <comment>per week</comment>
        <translation>&amp;Woche</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <comment>per month</comment>
        <translation>&amp;Monat</translation>
    </message>
    <message>
        <source>Hours</source>
        <extracomment>Above the field for the hours of the time spent.</extracomment>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>Above the field for the minutes of the time spent.</extracomment>
        <translation>Minuten</translation>
    </message>
</context>
<context>
    <name>lt::TfrmTimeline</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>Bild &amp;speichern …</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print the timeline (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+P&quot;.</extracomment>
        <translation>Die Zeitleiste drucken (%1)</translation>
    </message>
    <message>
        <source>Save the timeline as a PNG or SVG image (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+S&quot;.</extracomment>
        <translation>Die Zeitleiste als PNG- oder SVG-Bild speichern (%1)</translation>
    </message>
    <message>
        <source>The timeline could not be printed.</source>
        <translation>Die Zeitleiste konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>SVG-Bild</translation>
    </message>
</context>
<context>
    <name>lt::TimelineCanvas</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
</context>
<context>
    <name>lt::form::ActivityForm</name>
    <message>
        <source>Description of activity</source>
        <translation>Beschreibung der Tätigkeit</translation>
    </message>
    <message>
        <source>Starting date of activity:</source>
        <translation>Beginn der Tätigkeit:</translation>
    </message>
    <message>
        <source>&amp;Indefinite</source>
        <translation>&amp;Fortlaufend</translation>
    </message>
    <message>
        <source>&amp;Specific date</source>
        <translation>Bestimmtes &amp;Datum</translation>
    </message>
    <message>
        <source>Ending date of activity:</source>
        <translation>Ende der Tätigkeit:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Ending date of activity</source>
        <extracomment>Names the ending-date panel for screen readers, and the field in a message about a text that is no date.</extracomment>
        <translation>Ende der Tätigkeit</translation>
    </message>
    <message>
        <source>Starting date of activity</source>
        <extracomment>Names the field in a message about a text that is no date.</extracomment>
        <translation>Beginn der Tätigkeit</translation>
    </message>
</context>
</TS>
