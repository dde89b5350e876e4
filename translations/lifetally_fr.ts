<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ActivityChecks</name>
    <message>
        <source>Starting date is earlier than date of birth</source>
        <translation>La date de début précède la date de naissance</translation>
    </message>
    <message>
        <source>Starting date is in the future</source>
        <translation>La date de début est dans le futur</translation>
    </message>
    <message>
        <source>Description cannot be blank</source>
        <translation>La description ne peut pas être vide</translation>
    </message>
    <message>
        <source>Starting date is not valid</source>
        <translation>La date de début n’est pas valide</translation>
    </message>
    <message>
        <source>Ending date is not valid</source>
        <translation>La date de fin n’est pas valide</translation>
    </message>
    <message>
        <source>Number of hours incorrect for days</source>
        <translation>Nombre d’heures incorrect pour une journée</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for weeks</source>
        <translation>Nombre d’heures ou de minutes incorrect pour une semaine</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for months</source>
        <translation>Nombre d’heures ou de minutes incorrect pour un mois</translation>
    </message>
    <message>
        <source>Starting date is after the ending date</source>
        <translation>La date de début est postérieure à la date de fin</translation>
    </message>
    <message>
        <source>Value cannot be set to 0</source>
        <translation>La valeur ne peut pas être 0</translation>
    </message>
</context>
<context>
    <name>ActivityWords</name>
    <message>
        <source>Day</source>
        <extracomment>How often an activity&apos;s amount comes back: per day, week, month or year, or once.</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Hr</source>
        <extracomment>Hours in the table&apos;s time column, short; %Ln is 1 here.</extracomment>
        <translation>
            <numerusform>%Ln h</numerusform>
            <numerusform>%Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Hrs</source>
        <extracomment>Hours in the table&apos;s time column, short (&quot;8 Hrs&quot;).</extracomment>
        <translation>
            <numerusform>%Ln h</numerusform>
            <numerusform>%Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Min</source>
        <extracomment>Minutes in the table&apos;s time column, short; %Ln is 1 here.</extracomment>
        <translation>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Mins</source>
        <extracomment>Minutes in the table&apos;s time column, short (&quot;30 Mins&quot;).</extracomment>
        <translation>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Hr %2 Min</source>
        <extracomment>No time at all in the table&apos;s time column (&quot;0 Hr 0 Min&quot;): zero hours, zero minutes.</extracomment>
        <translation>%1 h %2 min</translation>
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
        <translation>En cours</translation>
    </message>
    <message>
        <source>Once only</source>
        <extracomment>The money dialog&apos;s fifth period: the amount is spent once, not again.</extracomment>
        <translation>Une seule fois</translation>
    </message>
    <message>
        <source>%1 a day</source>
        <extracomment>An activity&apos;s rate: its amount (&quot;8 Hrs&quot;, &quot;$12.50&quot;, &quot;3&quot;) each day.</extracomment>
        <translation>%1 par jour</translation>
    </message>
    <message>
        <source>%1 a week</source>
        <translation>%1 par semaine</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <translation>%1 par mois</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>%1 par an</translation>
    </message>
    <message>
        <source>%1 once</source>
        <extracomment>An activity&apos;s rate: its amount, spent or done once.</extracomment>
        <translation>%1 en une fois</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>An activity&apos;s rate with a period word the program does not know (a hand-edited file).</extracomment>
        <translation>%1 par %2</translation>
    </message>
    <message>
        <source>Activity</source>
        <extracomment>Column heading of the hours table: the activity&apos;s name.</extracomment>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading: the time spent on the activity each period.</extracomment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Per</source>
        <extracomment>Column heading, short: the period (&quot;Day&quot;, &quot;Week&quot;) the amount is spent per.</extracomment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Total Hrs</source>
        <extracomment>Column heading, short: the row&apos;s total in hours.</extracomment>
        <translation>Total (h)</translation>
    </message>
    <message>
        <source>Hours spent for %1</source>
        <extracomment>The hours chart&apos;s title; %1 is the user&apos;s name.</extracomment>
        <translation>Heures passées par %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <extracomment>A table&apos;s name at the head of a message (&quot;Hours, row 3, ...&quot;).</extracomment>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>Column heading: the money spent each period.</extracomment>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Total Amt</source>
        <extracomment>Column heading, short: the row&apos;s total amount of money.</extracomment>
        <translation>Total (montant)</translation>
    </message>
    <message>
        <source>Money spent for %1</source>
        <translation>Argent dépensé par %1</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>Column heading: how many times each period.</extracomment>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Total Freq</source>
        <extracomment>Column heading, short: how many times in all.</extracomment>
        <translation>Total (fois)</translation>
    </message>
    <message>
        <source>Frequency of activities for %1</source>
        <translation>Fréquence des activités de %1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Popup calendar</source>
        <extracomment>The button beside a date field that opens a calendar to pick the date from.</extracomment>
        <translation>Ouvrir le calendrier</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Which of the two arrow buttons, for screen readers.</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message numerus="yes">
        <source>%Ln more, %1</source>
        <extracomment>One pie mark for the smallest slices, whose own marks found no room: how many there are and their share together, for example &quot;7 more, 3.5 %&quot;.</extracomment>
        <translation>
            <numerusform>%Ln autre, %1</numerusform>
            <numerusform>%Ln autres, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The chart&apos;s slice for the rest of the hours lived or of the lifetime income, beside the activities.</extracomment>
        <translation>Autres</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>What a screen reader says of one point of a chart: %1 is the activity, %2 its value and %3 its share, for example &quot;Reading: 1,234 (5.2 %)&quot;.</extracomment>
        <translation>%1&#xa0;: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write the report as a PDF to FILE (&apos;-&apos;: standard output) and quit, showing no window.</source>
        <translation>Écrire le rapport en PDF dans FICHIER (- pour la sortie standard) et quitter, sans afficher de fenêtre.</translation>
    </message>
    <message>
        <source>Write the three tables as CSV to FILE (&apos;-&apos;: standard output) and quit, showing no window.</source>
        <translation>Écrire les trois tableaux en CSV dans FICHIER (- pour la sortie standard) et quitter, sans afficher de fenêtre.</translation>
    </message>
    <message>
        <source>Write a table&apos;s chart to FILE (.png or .svg, which chooses the format; not &apos;-&apos;) and quit, showing no window.</source>
        <translation>Écrire le graphique d’un tableau dans FICHIER (.png ou .svg, qui choisit le format, pas la sortie standard) et quitter, sans afficher de fenêtre.</translation>
    </message>
    <message>
        <source>Write what the activities will add up to by an age as CSV to FILE (&apos;-&apos;: standard output) and quit, showing no window.</source>
        <translation>Écrire en CSV dans FICHIER ce que les activités totaliseront à un âge donné (- pour la sortie standard) et quitter, sans afficher de fenêtre.</translation>
    </message>
    <message>
        <source>Write the activities on a timeline from birth to an age to FILE (.png or .svg, which chooses the format; not &apos;-&apos;) and quit, showing no window.</source>
        <translation>Écrire dans FICHIER la chronologie des activités, de la naissance à un âge donné (.png ou .svg, qui choisit le format, pas la sortie standard), et quitter, sans afficher de fenêtre.</translation>
    </message>
    <message>
        <source>The option &apos;%1&apos; is given more than once.</source>
        <translation>L’option «&#xa0;%1&#xa0;» est donnée plus d’une fois.</translation>
    </message>
    <message>
        <source>The file name after &apos;--%1&apos; is empty.</source>
        <translation>Le nom de fichier après «&#xa0;--%1&#xa0;» est vide.</translation>
    </message>
    <message>
        <source>&apos;--table&apos; and &apos;--bar&apos; go with &apos;--export-chart&apos;.</source>
        <translation>«&#xa0;--table&#xa0;» et «&#xa0;--bar&#xa0;» s’utilisent avec «&#xa0;--export-chart&#xa0;».</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; does not write to standard output (&apos;-&apos;): the chart&apos;s format comes from its file name&apos;s ending, .png or .svg.</source>
        <translation>«&#xa0;--%1&#xa0;» n’écrit pas sur la sortie standard («&#xa0;-&#xa0;»)&#xa0;: le format du graphique vient de l’extension du nom de fichier, .png ou .svg.</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; does not write to standard output (&apos;-&apos;): the timeline&apos;s format comes from its file name&apos;s ending, .png or .svg.</source>
        <translation>«&#xa0;--%1&#xa0;» n’écrit pas sur la sortie standard («&#xa0;-&#xa0;»)&#xa0;: le format de la chronologie vient de l’extension du nom de fichier, .png ou .svg.</translation>
    </message>
    <message>
        <source>Unknown table &apos;%1&apos;: hours, money or frequency.</source>
        <translation>Tableau inconnu «&#xa0;%1&#xa0;»&#xa0;: hours, money ou frequency.</translation>
    </message>
    <message>
        <source>&apos;--age&apos; goes with &apos;--export-look-ahead&apos; or &apos;--export-timeline&apos;.</source>
        <translation>«&#xa0;--age&#xa0;» s’utilise avec «&#xa0;--export-look-ahead&#xa0;» ou «&#xa0;--export-timeline&#xa0;».</translation>
    </message>
    <message>
        <source>The age after &apos;--age&apos; must be a whole number from %1 to %2.</source>
        <translation>L’âge après «&#xa0;--age&#xa0;» doit être un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>How much of your life has gone into each of your activities.</source>
        <translation>La part de votre vie consacrée à chacune de vos activités.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --settings and the exports in --help; their texts call it so too.</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Keep the data in FILE instead of the usual lifetally.ini.</source>
        <translation>Conserver les données dans FICHIER au lieu du lifetally.ini habituel.</translation>
    </message>
    <message>
        <source>The table --export-chart draws: hours (the default), money or frequency.</source>
        <translation>Le tableau que dessine --export-chart&#xa0;: hours (par défaut), money ou frequency.</translation>
    </message>
    <message>
        <source>TABLE</source>
        <extracomment>The value of --table in --help; the values themselves stay English.</extracomment>
        <translation>TABLEAU</translation>
    </message>
    <message>
        <source>Draw --export-chart as bars, not as a pie.</source>
        <translation>Dessiner --export-chart en barres plutôt qu’en secteurs.</translation>
    </message>
    <message>
        <source>The age --export-look-ahead looks ahead to and --export-timeline runs to (%1 unless given).</source>
        <translation>L’âge visé par --export-look-ahead et --export-timeline (%1 par défaut).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of --age in --help: a number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Usage: lifetally [options]</source>
        <translation>Utilisation&#xa0;: lifetally [options]</translation>
    </message>
    <message>
        <source>More in the manual page (man lifetally) and at %1</source>
        <translation>Plus d’informations dans la page de manuel (man lifetally) et sur %1</translation>
    </message>
    <message>
        <source>The settings file name is empty.</source>
        <translation>Le nom du fichier de paramètres est vide.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not valid UTF-8, so Lifetally could not name that file exactly; rename it.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas de l’UTF-8 valide&#xa0;: Lifetally ne pourrait pas nommer ce fichier exactement&#xa0;; renommez-le.</translation>
    </message>
    <message>
        <source>Try &apos;lifetally --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;lifetally --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>the window needs a graphical session, and none was found (no DISPLAY or WAYLAND_DISPLAY); the --export-* options work without one.</source>
        <translation>la fenêtre a besoin d’une session graphique, et aucune n’a été trouvée (ni DISPLAY ni WAYLAND_DISPLAY)&#xa0;; les options --export-* fonctionnent sans.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Where a value stands, then what is wrong with it: &quot;Your birthdate: &apos;&apos; is not a valid date&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your birthdate</source>
        <translation>Votre date de naissance</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre décimal valide</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>Lifetally from %1 - %2</source>
        <extracomment>The credit line of the Intro page, the charts and the report: %1 is the maker&apos;s name, %2 its web address.</extracomment>
        <translation>Lifetally, par %1 - %2</translation>
    </message>
</context>
<context>
    <name>DateSpan</name>
    <message numerus="yes">
        <source>%Ln years</source>
        <translation>
            <numerusform>%Ln an</numerusform>
            <numerusform>%Ln ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln months</source>
        <translation>
            <numerusform>%Ln mois</numerusform>
            <numerusform>%Ln mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln jour</numerusform>
            <numerusform>%Ln jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DateWording</name>
    <message numerus="yes">
        <source>%Ln wks</source>
        <translation>
            <numerusform>%Ln semaine</numerusform>
            <numerusform>%Ln semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mons</source>
        <translation>
            <numerusform>%Ln mois</numerusform>
            <numerusform>%Ln mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln yrs</source>
        <translation>
            <numerusform>%Ln an</numerusform>
            <numerusform>%Ln ans</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Years, then months: &quot;3 yrs 2 mons&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>La semaine prochaine</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>ahead</comment>
        <extracomment>A time ahead, under a future date: &quot;6 wks&quot;, &quot;3 yrs 1 mon&quot;.</extracomment>
        <translation>Dans %1</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>La semaine dernière</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A time ago: &quot;3 wks ago&quot;, &quot;3 yrs 2 mons ago&quot;.</extracomment>
        <translation>Il y a %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln jour</numerusform>
            <numerusform>%Ln jours</numerusform>
        </translation>
    </message>
    <message>
        <source>You were %1 old</source>
        <extracomment>The age at a date: &quot;You were 10 yrs 3 mons old&quot;.</extracomment>
        <translation>Vous aviez %1</translation>
    </message>
    <message>
        <source>You are %1 old</source>
        <translation>Vous avez %1</translation>
    </message>
    <message>
        <source>You will be %1 old</source>
        <translation>Vous aurez %1</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Nothing was made to write</source>
        <translation>Il n’y avait rien à écrire</translation>
    </message>
    <message>
        <source>It is the settings file, which an export never writes</source>
        <translation>C’est le fichier de paramètres, qu’une exportation n’écrit jamais</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>C’est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>C’est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>It is not a plain file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1. Its old content could not be put back</source>
        <extracomment>The system&apos;s reason a write failed, then that the file could not be mended.</extracomment>
        <translation>%1. Son ancien contenu n’a pas pu être rétabli</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <translation>Il dépasse %1 Mio</translation>
    </message>
    <message>
        <source>Its name (%1) is not valid UTF-8</source>
        <translation>Son nom (%1) n’est pas de l’UTF-8 valide</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>A list&apos;s last two items, as in &quot;.png or .svg&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>The chart file name must end in %1.</source>
        <translation>Le nom du fichier du graphique doit se terminer par %1.</translation>
    </message>
    <message>
        <source>The timeline file name must end in %1.</source>
        <translation>Le nom du fichier de la chronologie doit se terminer par %1.</translation>
    </message>
    <message>
        <source>The file name must end in %1.</source>
        <translation>Le nom du fichier doit se terminer par %1.</translation>
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
        <translation>Les âges vont jusqu’à %1 ans&#xa0;: choisissez un âge de %2 à %1 ans.</translation>
    </message>
    <message>
        <source>Ages go up to %1: no age up to %1 lies ahead.</source>
        <translation>Les âges vont jusqu’à %1 ans&#xa0;: aucun âge jusqu’à %1 ans n’est encore à venir.</translation>
    </message>
    <message>
        <source>You reached the age of %1 on %2: choose an age from %3 to %4.</source>
        <extracomment>%1 is an age, %2 the date of that birthday.</extracomment>
        <translation>Vous avez eu %1 ans le %2&#xa0;: choisissez un âge de %3 à %4 ans.</translation>
    </message>
    <message>
        <source>You reached the age of %1 on %2: no age up to %3 lies ahead.</source>
        <translation>Vous avez eu %1 ans le %2&#xa0;: aucun âge jusqu’à %3 ans n’est encore à venir.</translation>
    </message>
    <message>
        <source>By age %1, on %2, you will have lived %3 hours.</source>
        <extracomment>%1 is an age, %2 the date of that birthday, %3 a number of hours.</extracomment>
        <translation>À %1 ans, le %2, vous aurez vécu %3 heures.</translation>
    </message>
    <message>
        <source>Activity</source>
        <extracomment>The look ahead&apos;s column headings; %1 is the age looked ahead to.</extracomment>
        <translation>Activité</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>Jusqu’ici</translation>
    </message>
    <message>
        <source>By age %1</source>
        <translation>À %1 ans</translation>
    </message>
    <message>
        <source>Still to come</source>
        <translation>À venir</translation>
    </message>
    <message>
        <source>Share of life by %1</source>
        <translation>Part de la vie à %1 ans</translation>
    </message>
    <message>
        <source>Hours by age %1 for %2</source>
        <extracomment>The chart&apos;s title: %1 is the age looked ahead to, %2 the user&apos;s name.</extracomment>
        <translation>Heures de %2 à %1 ans</translation>
    </message>
    <message numerus="yes">
        <source>%1 years</source>
        <extracomment>%1 is the number of years, written by the program.</extracomment>
        <translation>
            <numerusform>%1 an</numerusform>
            <numerusform>%1 ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days</source>
        <extracomment>%1 is the number of days, written by the program.</extracomment>
        <translation>
            <numerusform>%1 jour</numerusform>
            <numerusform>%1 jours</numerusform>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>The title of a Yes/No question box.</extracomment>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>Outputs</name>
    <message>
        <source>Lifetally %1 (build %2)</source>
        <extracomment>%1 is a version number such as 1.1, %2 a build&apos;s mark.</extracomment>
        <translation>Lifetally %1 (compilation %2)</translation>
    </message>
    <message>
        <source>It is the library of %1, and this program is %2.</source>
        <extracomment>Why the charts and printing library was refused: %1 and %2 read &quot;Lifetally 1.1 (build ...)&quot;.</extracomment>
        <translation>C’est la bibliothèque de %1, et ce programme est %2.</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <extracomment>%1 is the library&apos;s file, %2 the reason.</extracomment>
        <translation>Impossible de charger %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The print job has already been started.</source>
        <translation>L’impression a déjà commencé.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>L’impression n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The print job has not been started.</source>
        <translation>L’impression n’a pas commencé.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>L’imprimante n’a pas pu commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>At the foot of each page of the report: &quot;Page 2 of 5&quot;.</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>L’imprimante a signalé une erreur.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>L’impression n’a pas pu se terminer.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Lifetally  - version 1.0</source>
        <extracomment>The printed report&apos;s first line, as it has always read: two blanks before the dash.</extracomment>
        <translation>Lifetally  - version 1.0</translation>
    </message>
    <message>
        <source>Printed : %1  %2</source>
        <extracomment>The report&apos;s heading: %1 is the date and %2 the time it was printed.</extracomment>
        <translation>Imprimé le %1 à %2</translation>
    </message>
    <message>
        <source>Lifetally report</source>
        <extracomment>The title a saved report&apos;s PDF carries.</extracomment>
        <translation>Rapport Lifetally</translation>
    </message>
    <message>
        <source>Preview report</source>
        <translation>Aperçu du rapport</translation>
    </message>
    <message>
        <source>Error printing report ... quitting</source>
        <extracomment>The report&apos;s own error message, as it has always read.</extracomment>
        <translation>Erreur d’impression du rapport… abandon</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The money table has no rows to chart.</source>
        <translation>Le tableau de l’argent n’a aucune ligne à représenter.</translation>
    </message>
    <message>
        <source>The frequency table has no rows to chart.</source>
        <translation>Le tableau de la fréquence n’a aucune ligne à représenter.</translation>
    </message>
    <message>
        <source>The hours table has no rows to chart.</source>
        <translation>Le tableau des heures n’a aucune ligne à représenter.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Lifetally could not read %1 when it started. Overwrite it?</source>
        <translation>Lifetally n’a pas pu lire %1 au démarrage. Voulez-vous l’écraser&#xa0;?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Lifetally read it. Overwrite it?</source>
        <translation>%1 a été modifié par un autre programme depuis que Lifetally l’a lu. Voulez-vous l’écraser&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>It is not a settings file</source>
        <translation>Ce n’est pas un fichier de paramètres</translation>
    </message>
    <message>
        <source>It holds no Lifetally settings</source>
        <translation>Il ne contient aucun paramètre de Lifetally</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; does not read in the formats the file records (%3)</source>
        <extracomment>A value of the file, where it stands, and the locale the file says it was written in.</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» ne se lit pas dans les formats que le fichier indique (%3)</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The name field&apos;s text at a first start; once saved it is the user&apos;s data.</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Unable to write to standard output</source>
        <translation>Impossible d’écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>Unable to write to standard output: %1</source>
        <translation>Impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>A file&apos;s path, then the reason, often the system&apos;s.</extracomment>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>It would be larger than %1 MiB, more than Lifetally reads</source>
        <translation>Il dépasserait %1 Mio, plus que ce que Lifetally lit</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Maximum number of rows reached</source>
        <translation>Nombre maximal de lignes atteint</translation>
    </message>
    <message>
        <source>Nothing to edit</source>
        <translation>Rien à modifier</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Rien à supprimer</translation>
    </message>
    <message>
        <source>Really delete %1?</source>
        <extracomment>%1 is the activity&apos;s name as the user typed it.</extracomment>
        <translation>Supprimer vraiment %1&#xa0;?</translation>
    </message>
    <message>
        <source>Really clear out the table?</source>
        <translation>Vider vraiment le tableau&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Step 2: Number of hours spent on various activities</source>
        <translation>Étape 2&#xa0;: heures consacrées à diverses activités</translation>
    </message>
    <message>
        <source>Hours spent on activities</source>
        <translation>Heures consacrées aux activités</translation>
    </message>
    <message>
        <source>Note that the percentage is based on the number of hours you have been alive.  Percentages may not add up to 100 due to overlap.</source>
        <translation>Le pourcentage est calculé sur le nombre d’heures que vous avez vécues.  La somme des pourcentages peut dépasser 100 si des activités se chevauchent.</translation>
    </message>
    <message>
        <source>Graph results of &amp;hours</source>
        <translation>Graphique des &amp;heures</translation>
    </message>
    <message>
        <source>Step 3: Money spent on various activities</source>
        <translation>Étape 3&#xa0;: argent dépensé pour diverses activités</translation>
    </message>
    <message>
        <source>Money spent on activities</source>
        <translation>Argent dépensé pour les activités</translation>
    </message>
    <message>
        <source>Note that the percentage is based on your lifetime income.</source>
        <translation>Le pourcentage est calculé sur vos revenus cumulés.</translation>
    </message>
    <message>
        <source>Graph results of &amp;money</source>
        <translation>Graphique de l’ar&amp;gent</translation>
    </message>
    <message>
        <source>Step 4: Frequency of various activities</source>
        <translation>Étape 4&#xa0;: fréquence de diverses activités</translation>
    </message>
    <message>
        <source>Frequency of activities</source>
        <translation>Fréquence des activités</translation>
    </message>
    <message>
        <source>Graph results of &amp;frequency</source>
        <translation>Graphique de la &amp;fréquence</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Age %1</source>
        <extracomment>The first age under the timeline&apos;s axis: &quot;Age 10&quot;; the later ones are numbers.</extracomment>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Above the timeline&apos;s axis, where today is.</extracomment>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>So far</source>
        <extracomment>The timeline&apos;s key: the solid part of a band, up to today.</extracomment>
        <translation>Jusqu’ici</translation>
    </message>
    <message>
        <source>If it goes on</source>
        <extracomment>The timeline&apos;s key: the lighter part of a band, from today to the chosen age.</extracomment>
        <translation>Si l’activité continue</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hrs</source>
        <extracomment>A timeline total in hours, short: &quot;116,376 hrs&quot;.</extracomment>
        <translation>
            <numerusform>%Ln h</numerusform>
            <numerusform>%Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln times</source>
        <extracomment>A timeline total of how often something was done: &quot;3 times&quot;.</extracomment>
        <translation>
            <numerusform>%Ln fois</numerusform>
            <numerusform>%Ln fois</numerusform>
        </translation>
    </message>
    <message>
        <source>on %1</source>
        <extracomment>When a one-off activity happened, for a screen reader: %1 is its date.</extracomment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>from %1 to today, and on to age %2 on %3 if it goes on</source>
        <extracomment>When an activity that has not ended runs, for a screen reader: %1 is its start, %2 the age the timeline goes to and %3 that birthday.</extracomment>
        <translation>du %1 à aujourd’hui, puis jusqu’à %2 ans, le %3, si l’activité continue</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>When an activity ran, for a screen reader: from its start date to its end date.</extracomment>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>The life of %1 to age %2</source>
        <extracomment>The timeline&apos;s title: %1 is the user&apos;s name, %2 the age it runs to.</extracomment>
        <translation>La vie de %1 jusqu’à %2 ans</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A timeline row&apos;s label: %1 is the activity, %2 its rate (&quot;8 Hrs a day&quot;).</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 so far, %2 by %3</source>
        <extracomment>A row&apos;s total so far and by the age the timeline runs to (%3).</extracomment>
        <translation>%1 jusqu’ici, %2 à %3 ans</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 jusqu’ici</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>What a screen reader says of a timeline row: its label, when it runs and its total.</extracomment>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message>
        <source>activity</source>
        <translation>activité</translation>
    </message>
    <message>
        <source>time</source>
        <translation>durée</translation>
    </message>
    <message>
        <source>amount</source>
        <translation>montant</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>period</source>
        <translation>période</translation>
    </message>
    <message>
        <source>starting date</source>
        <translation>date de début</translation>
    </message>
    <message>
        <source>ending date</source>
        <translation>date de fin</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>%1, row %2, %3</source>
        <extracomment>Where a value of a table stands: &quot;Hours, row 3, ending date&quot;.</extracomment>
        <translation>%1, ligne %2, %3</translation>
    </message>
    <message>
        <source>Age: %1 Hours: %2</source>
        <extracomment>The results page and the report: &quot;Age: 36 years 9 months 8 days Hours: 322,381&quot;.</extracomment>
        <translation>Âge&#xa0;: %1 Heures&#xa0;: %2</translation>
    </message>
    <message>
        <source>Lifetime income: %1</source>
        <translation>Revenus cumulés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>lt::BioPage</name>
    <message>
        <source>Step 1: Personal Biographical Information</source>
        <translation>Étape 1&#xa0;: informations personnelles</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Your birthdate:</source>
        <translation>Votre date de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Estimate your lifetime income up to now:</source>
        <translation>Estimez vos revenus cumulés jusqu’à ce jour&#xa0;:</translation>
    </message>
</context>
<context>
    <name>lt::IntroPage</name>
    <message>
        <source>How much time and money have you spent in your lifetime?</source>
        <translation>Combien de temps et d’argent avez-vous dépensés au cours de votre vie&#xa0;?</translation>
    </message>
    <message>
        <source>This program will help you find that out.</source>
        <translation>Ce programme vous aide à le découvrir.</translation>
    </message>
    <message>
        <source>As for man, his days are as grass: as a flower of the field,</source>
        <extracomment>Psalm 103:15, first line; use the verse as the language&apos;s usual Bible gives it.</extracomment>
        <translation>L’homme&#xa0;! ses jours sont comme l’herbe,</translation>
    </message>
    <message>
        <source>so he flourisheth.  Psalm 103:15</source>
        <extracomment>Psalm 103:15, second line, with the verse&apos;s reference.</extracomment>
        <translation>il fleurit comme la fleur des champs.  Psaume 103,15</translation>
    </message>
</context>
<context>
    <name>lt::MaskedNumberField</name>
    <message>
        <source>%1 is not a valid value. It must be between %2 and %3.</source>
        <extracomment>%1 is what was typed, %2 and %3 the smallest and the largest value allowed.</extracomment>
        <translation>%1 n’est pas une valeur valide. Elle doit être comprise entre %2 et %3.</translation>
    </message>
</context>
<context>
    <name>lt::ResultsPage</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>P&amp;rint report</source>
        <translation>Imp&amp;rimer le rapport</translation>
    </message>
    <message>
        <source>Pre&amp;view report</source>
        <translation>&amp;Aperçu du rapport</translation>
    </message>
    <message>
        <source>Save report as P&amp;DF...</source>
        <translation>Enregistrer le rapport en P&amp;DF…</translation>
    </message>
    <message>
        <source>Export tables as &amp;CSV...</source>
        <translation>Exporter les tableaux en &amp;CSV…</translation>
    </message>
    <message>
        <source>Print the report (%1)</source>
        <extracomment>%1 is the key that prints, as the desktop writes it (Ctrl+P).</extracomment>
        <translation>Imprimer le rapport (%1)</translation>
    </message>
    <message>
        <source>&amp;Look ahead...</source>
        <translation>Pro&amp;jection…</translation>
    </message>
    <message>
        <source>T&amp;imeline</source>
        <translation>Chro&amp;nologie</translation>
    </message>
</context>
<context>
    <name>lt::TablePage</name>
    <message>
        <source>Double click to edit</source>
        <translation>Double-cliquez pour modifier</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>Sort the table</source>
        <translation>Trier le tableau</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add a row (%1)</source>
        <extracomment>%1 is the key that does the same, as the desktop writes it (Ins).</extracomment>
        <translation>Ajouter une ligne (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Edit the selected row (%1)</source>
        <translation>Modifier la ligne sélectionnée (%1)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Delete the selected row (%1)</source>
        <translation>Supprimer la ligne sélectionnée (%1)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Clear the table</source>
        <translation>Vider le tableau</translation>
    </message>
</context>
<context>
    <name>lt::TfrmAbout</name>
    <message>
        <source>About Lifetally</source>
        <translation>À propos de Lifetally</translation>
    </message>
    <message>
        <source>Lifetally version %1</source>
        <translation>Lifetally version %1</translation>
    </message>
    <message>
        <source>Compliments of:</source>
        <translation>Offert par&#xa0;:</translation>
    </message>
    <message>
        <source>Look for more programs from %1 and news of Lifetally on our home page:</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Retrouvez d’autres programmes de %1 et les nouvelles de Lifetally sur notre page d’accueil&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Tallyhouse &amp;home page</source>
        <extracomment>Tallyhouse is the maker&apos;s name.</extracomment>
        <translation>&amp;Site web de Tallyhouse</translation>
    </message>
    <message>
        <source>Open the %1 home page in your web browser</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Ouvrir la page d’accueil de %1 dans votre navigateur</translation>
    </message>
    <message>
        <source>Visit the %1 home page at %2 for more programs and the latest news</source>
        <extracomment>%1 is the maker&apos;s name, %2 its web address.</extracomment>
        <translation>Visitez la page d’accueil de %1 à l’adresse %2 pour d’autres programmes et les dernières nouvelles</translation>
    </message>
    <message>
        <source>Couldn&apos;t open web browser for home page %1</source>
        <extracomment>%1 is the web address.</extracomment>
        <translation>Impossible d’ouvrir le navigateur pour la page d’accueil %1</translation>
    </message>
</context>
<context>
    <name>lt::TfrmGraph</name>
    <message>
        <source>Activity Graph</source>
        <translation>Graphique des activités</translation>
    </message>
    <message>
        <source>Click or press Space to start or stop the pie</source>
        <translation>Cliquez ou appuyez sur Espace pour faire tourner ou arrêter le graphique</translation>
    </message>
    <message>
        <source>P&amp;ie</source>
        <extracomment>Show the chart as a pie.</extracomment>
        <translation>&amp;Secteurs</translation>
    </message>
    <message>
        <source>&amp;Bar</source>
        <extracomment>Show the chart as horizontal bars.</extracomment>
        <translation>&amp;Barres</translation>
    </message>
    <message>
        <source>&amp;Reduce # visible points</source>
        <extracomment>Removes the chart&apos;s last point, down to three.</extracomment>
        <translation>&amp;Réduire les points visibles</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>&amp;Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print the chart (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+P&quot;.</extracomment>
        <translation>Imprimer le graphique (%1)</translation>
    </message>
    <message>
        <source>Save the chart as a PNG or SVG image (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+S&quot;.</extracomment>
        <translation>Enregistrer le graphique comme image PNG ou SVG (%1)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>Le graphique n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>Image SVG</translation>
    </message>
</context>
<context>
    <name>lt::TfrmLookAhead</name>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Heures</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <translation>&amp;Argent</translation>
    </message>
    <message>
        <source>&amp;Frequency</source>
        <translation>&amp;Fréquence</translation>
    </message>
    <message>
        <source>Hours by age %1</source>
        <extracomment>%1 is the age looked ahead to.</extracomment>
        <translation>Heures à %1 ans</translation>
    </message>
    <message>
        <source>Money by age %1</source>
        <translation>Argent à %1 ans</translation>
    </message>
    <message>
        <source>Frequency by age %1</source>
        <translation>Fréquence à %1 ans</translation>
    </message>
    <message>
        <source>Look ahead</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>&amp;To age:</source>
        <translation>&amp;Jusqu’à l’âge de&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>T&amp;imeline</source>
        <translation>Chro&amp;nologie</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Export look ahead as CSV</source>
        <translation>Exporter la projection en CSV</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
</context>
<context>
    <name>lt::TfrmMain</name>
    <message>
        <source>&lt;&lt;&amp;Prev</source>
        <extracomment>The wizard&apos;s button back to the previous page.</extracomment>
        <translation>&lt;&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <extracomment>The wizard&apos;s button on to the next page.</extracomment>
        <translation>&amp;Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Saves everything and ends the program.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sort by activity</source>
        <translation>Trier par activité</translation>
    </message>
    <message>
        <source>Sort by start date</source>
        <translation>Trier par date de début</translation>
    </message>
    <message>
        <source>Sort by total</source>
        <translation>Trier par total</translation>
    </message>
    <message>
        <source>Your birthdate is mandatory to proceed to the next step.</source>
        <translation>Votre date de naissance est nécessaire pour passer à l’étape suivante.</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>Export tables as CSV</source>
        <translation>Exporter les tableaux en CSV</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
</context>
<context>
    <name>lt::TfrmMoney</name>
    <message>
        <source>Activity </source>
        <extracomment>The title of the dialog that edits a row of the money or the frequency table.</extracomment>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Amount of money spent per:</source>
        <translation>Somme dépensée par&#xa0;:</translation>
    </message>
    <message>
        <source>Frequency performed per:</source>
        <translation>Nombre de fois par&#xa0;:</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>Above the amount field: an amount of money, or a number of times.</extracomment>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>lt::TfrmPickDate</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Change the displayed month</source>
        <translation>Changer le mois affiché</translation>
    </message>
    <message>
        <source>Change the displayed year</source>
        <translation>Changer l’année affichée</translation>
    </message>
    <message>
        <source>Date of &amp;birth</source>
        <translation>&amp;Date de naissance</translation>
    </message>
    <message>
        <source>Go to your birthdate</source>
        <translation>Aller à votre date de naissance</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd’hui</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Aller à aujourd’hui</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select date</source>
        <translation>Choisir cette date</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Life line</source>
        <extracomment>The slider from the date of birth to today.</extracomment>
        <translation>Ligne de vie</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Mid-life</source>
        <translation>Mi-vie</translation>
    </message>
    <message>
        <source>Present</source>
        <extracomment>The right end of the life line: today.</extracomment>
        <translation>Présent</translation>
    </message>
</context>
<context>
    <name>lt::TfrmTime</name>
    <message>
        <source>Activity time</source>
        <translation>Durée de l’activité</translation>
    </message>
    <message>
        <source>Amount of time spent per:</source>
        <translation>Temps passé par&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <comment>per day</comment>
        <translation>&amp;Jour</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <comment>per week</comment>
        <translation>&amp;Semaine</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <comment>per month</comment>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <source>Hours</source>
        <extracomment>Above the field for the hours of the time spent.</extracomment>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>Above the field for the minutes of the time spent.</extracomment>
        <translation>Minutes</translation>
    </message>
</context>
<context>
    <name>lt::TfrmTimeline</name>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>&amp;Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print the timeline (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+P&quot;.</extracomment>
        <translation>Imprimer la chronologie (%1)</translation>
    </message>
    <message>
        <source>Save the timeline as a PNG or SVG image (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+S&quot;.</extracomment>
        <translation>Enregistrer la chronologie comme image PNG ou SVG (%1)</translation>
    </message>
    <message>
        <source>The timeline could not be printed.</source>
        <translation>La chronologie n’a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>Image SVG</translation>
    </message>
</context>
<context>
    <name>lt::TimelineCanvas</name>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
</context>
<context>
    <name>lt::form::ActivityForm</name>
    <message>
        <source>Description of activity</source>
        <translation>Description de l’activité</translation>
    </message>
    <message>
        <source>Starting date of activity:</source>
        <translation>Date de début de l’activité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Indefinite</source>
        <translation>&amp;Indéterminée</translation>
    </message>
    <message>
        <source>&amp;Specific date</source>
        <translation>Date &amp;précise</translation>
    </message>
    <message>
        <source>Ending date of activity:</source>
        <translation>Date de fin de l’activité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Ending date of activity</source>
        <extracomment>Names the ending-date panel for screen readers, and the field in a message about a text that is no date.</extracomment>
        <translation>Date de fin de l’activité</translation>
    </message>
    <message>
        <source>Starting date of activity</source>
        <extracomment>Names the field in a message about a text that is no date.</extracomment>
        <translation>Date de début de l’activité</translation>
    </message>
</context>
</TS>
