<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ActivityChecks</name>
    <message>
        <source>Starting date is earlier than date of birth</source>
        <translation>La fecha de inicio es anterior a la fecha de nacimiento</translation>
    </message>
    <message>
        <source>Starting date is in the future</source>
        <translation>La fecha de inicio está en el futuro</translation>
    </message>
    <message>
        <source>Description cannot be blank</source>
        <translation>La descripción no puede estar vacía</translation>
    </message>
    <message>
        <source>Starting date is not valid</source>
        <translation>La fecha de inicio no es válida</translation>
    </message>
    <message>
        <source>Ending date is not valid</source>
        <translation>La fecha de fin no es válida</translation>
    </message>
    <message>
        <source>Number of hours incorrect for days</source>
        <translation>Número de horas incorrecto para un día</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for weeks</source>
        <translation>Número de horas o minutos incorrecto para una semana</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for months</source>
        <translation>Número de horas o minutos incorrecto para un mes</translation>
    </message>
    <message>
        <source>Starting date is after the ending date</source>
        <translation>La fecha de inicio es posterior a la fecha de fin</translation>
    </message>
    <message>
        <source>Value cannot be set to 0</source>
        <translation>El valor no puede ser 0</translation>
    </message>
</context>
<context>
    <name>ActivityWords</name>
    <message>
        <source>Day</source>
        <extracomment>How often an activity&apos;s amount comes back: per day, week, month or year, or once.</extracomment>
        <translation>Día</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
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
        <translation>En curso</translation>
    </message>
    <message>
        <source>Once only</source>
        <extracomment>The money dialog&apos;s fifth period: the amount is spent once, not again.</extracomment>
        <translation>Una sola vez</translation>
    </message>
    <message>
        <source>%1 a day</source>
        <extracomment>An activity&apos;s rate: its amount (&quot;8 Hrs&quot;, &quot;$12.50&quot;, &quot;3&quot;) each day.</extracomment>
        <translation>%1 al día</translation>
    </message>
    <message>
        <source>%1 a week</source>
        <translation>%1 a la semana</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <translation>%1 al mes</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>%1 al año</translation>
    </message>
    <message>
        <source>%1 once</source>
        <extracomment>An activity&apos;s rate: its amount, spent or done once.</extracomment>
        <translation>%1 en una sola vez</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>An activity&apos;s rate with a period word the program does not know (a hand-edited file).</extracomment>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>Activity</source>
        <extracomment>Column heading of the hours table: the activity&apos;s name.</extracomment>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading: the time spent on the activity each period.</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Per</source>
        <extracomment>Column heading, short: the period (&quot;Day&quot;, &quot;Week&quot;) the amount is spent per.</extracomment>
        <translation>Por</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Inicio</translation>
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
        <translation>Horas dedicadas por %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <extracomment>A table&apos;s name at the head of a message (&quot;Hours, row 3, ...&quot;).</extracomment>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>Column heading: the money spent each period.</extracomment>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Total Amt</source>
        <extracomment>Column heading, short: the row&apos;s total amount of money.</extracomment>
        <translation>Total (importe)</translation>
    </message>
    <message>
        <source>Money spent for %1</source>
        <translation>Dinero gastado por %1</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>Column heading: how many times each period.</extracomment>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Total Freq</source>
        <extracomment>Column heading, short: how many times in all.</extracomment>
        <translation>Total (veces)</translation>
    </message>
    <message>
        <source>Frequency of activities for %1</source>
        <translation>Frecuencia de las actividades de %1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Popup calendar</source>
        <extracomment>The button beside a date field that opens a calendar to pick the date from.</extracomment>
        <translation>Abrir el calendario</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Which of the two arrow buttons, for screen readers.</extracomment>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message numerus="yes">
        <source>%Ln more, %1</source>
        <extracomment>One pie mark for the smallest slices, whose own marks found no room: how many there are and their share together, for example &quot;7 more, 3.5 %&quot;.</extracomment>
        <translation>
            <numerusform>%Ln más, %1</numerusform>
            <numerusform>%Ln más, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The chart&apos;s slice for the rest of the hours lived or of the lifetime income, beside the activities.</extracomment>
        <translation>Otros</translation>
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
        <translation>Escribe el informe como PDF en ARCHIVO (- para la salida estándar) y sale sin mostrar ninguna ventana.</translation>
    </message>
    <message>
        <source>Write the three tables as CSV to FILE (&apos;-&apos;: standard output) and quit, showing no window.</source>
        <translation>Escribe las tres tablas como CSV en ARCHIVO (- para la salida estándar) y sale sin mostrar ninguna ventana.</translation>
    </message>
    <message>
        <source>Write a table&apos;s chart to FILE (.png or .svg, which chooses the format; not &apos;-&apos;) and quit, showing no window.</source>
        <translation>Escribe el gráfico de una tabla en ARCHIVO (.png o .svg, que elige el formato, no la salida estándar) y sale sin mostrar ninguna ventana.</translation>
    </message>
    <message>
        <source>Write what the activities will add up to by an age as CSV to FILE (&apos;-&apos;: standard output) and quit, showing no window.</source>
        <translation>Escribe como CSV en ARCHIVO lo que sumarán las actividades a una edad dada (- para la salida estándar) y sale sin mostrar ninguna ventana.</translation>
    </message>
    <message>
        <source>Write the activities on a timeline from birth to an age to FILE (.png or .svg, which chooses the format; not &apos;-&apos;) and quit, showing no window.</source>
        <translation>Escribe en ARCHIVO la línea de tiempo de las actividades, desde el nacimiento hasta una edad dada (.png o .svg, que elige el formato, no la salida estándar), y sale sin mostrar ninguna ventana.</translation>
    </message>
    <message>
        <source>The option &apos;%1&apos; is given more than once.</source>
        <translation>La opción «%1» se indica más de una vez.</translation>
    </message>
    <message>
        <source>The file name after &apos;--%1&apos; is empty.</source>
        <translation>El nombre de archivo tras «--%1» está vacío.</translation>
    </message>
    <message>
        <source>&apos;--table&apos; and &apos;--bar&apos; go with &apos;--export-chart&apos;.</source>
        <translation>«--table» y «--bar» se usan con «--export-chart».</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; does not write to standard output (&apos;-&apos;): the chart&apos;s format comes from its file name&apos;s ending, .png or .svg.</source>
        <translation>«--%1» no escribe en la salida estándar («-»): el formato del gráfico lo da la extensión del nombre de archivo, .png o .svg.</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; does not write to standard output (&apos;-&apos;): the timeline&apos;s format comes from its file name&apos;s ending, .png or .svg.</source>
        <translation>«--%1» no escribe en la salida estándar («-»): el formato de la línea de tiempo lo da la extensión del nombre de archivo, .png o .svg.</translation>
    </message>
    <message>
        <source>Unknown table &apos;%1&apos;: hours, money or frequency.</source>
        <translation>Tabla desconocida «%1»: hours, money o frequency.</translation>
    </message>
    <message>
        <source>&apos;--age&apos; goes with &apos;--export-look-ahead&apos; or &apos;--export-timeline&apos;.</source>
        <translation>«--age» se usa con «--export-look-ahead» o «--export-timeline».</translation>
    </message>
    <message>
        <source>The age after &apos;--age&apos; must be a whole number from %1 to %2.</source>
        <translation>La edad tras «--age» debe ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>How much of your life has gone into each of your activities.</source>
        <translation>Cuánto de su vida ha dedicado a cada una de sus actividades.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --settings and the exports in --help; their texts call it so too.</extracomment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Keep the data in FILE instead of the usual lifetally.ini.</source>
        <translation>Guarda los datos en ARCHIVO en lugar del lifetally.ini habitual.</translation>
    </message>
    <message>
        <source>The table --export-chart draws: hours (the default), money or frequency.</source>
        <translation>La tabla que dibuja --export-chart: hours (la predeterminada), money o frequency.</translation>
    </message>
    <message>
        <source>TABLE</source>
        <extracomment>The value of --table in --help; the values themselves stay English.</extracomment>
        <translation>TABLA</translation>
    </message>
    <message>
        <source>Draw --export-chart as bars, not as a pie.</source>
        <translation>Dibuja --export-chart como barras y no como gráfico circular.</translation>
    </message>
    <message>
        <source>The age --export-look-ahead looks ahead to and --export-timeline runs to (%1 unless given).</source>
        <translation>La edad que alcanzan --export-look-ahead y --export-timeline (%1 si no se indica).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of --age in --help: a number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Usage: lifetally [options]</source>
        <translation>Uso: lifetally [opciones]</translation>
    </message>
    <message>
        <source>More in the manual page (man lifetally) and at %1</source>
        <translation>Más información en la página de manual (man lifetally) y en %1</translation>
    </message>
    <message>
        <source>The settings file name is empty.</source>
        <translation>El nombre del archivo de configuración está vacío.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not valid UTF-8, so Lifetally could not name that file exactly; rename it.</source>
        <translation>«%1» no es UTF-8 válido, así que Lifetally no podría nombrar ese archivo con exactitud; cámbiele el nombre.</translation>
    </message>
    <message>
        <source>Try &apos;lifetally --help&apos; for more information.</source>
        <translation>Pruebe «lifetally --help» para obtener más información.</translation>
    </message>
    <message>
        <source>the window needs a graphical session, and none was found (no DISPLAY or WAYLAND_DISPLAY); the --export-* options work without one.</source>
        <translation>la ventana necesita una sesión gráfica y no se encontró ninguna (ni DISPLAY ni WAYLAND_DISPLAY); las opciones --export-* funcionan sin ella.</translation>
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
        <translation>Su fecha de nacimiento</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>«%1» no es una fecha válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» no es un número decimal válido</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>Lifetally from %1 - %2</source>
        <extracomment>The credit line of the Intro page, the charts and the report: %1 is the maker&apos;s name, %2 its web address.</extracomment>
        <translation>Lifetally, de %1 - %2</translation>
    </message>
</context>
<context>
    <name>DateSpan</name>
    <message numerus="yes">
        <source>%Ln years</source>
        <translation>
            <numerusform>%Ln año</numerusform>
            <numerusform>%Ln años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln months</source>
        <translation>
            <numerusform>%Ln mes</numerusform>
            <numerusform>%Ln meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln día</numerusform>
            <numerusform>%Ln días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DateWording</name>
    <message numerus="yes">
        <source>%Ln wks</source>
        <translation>
            <numerusform>%Ln semana</numerusform>
            <numerusform>%Ln semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mons</source>
        <translation>
            <numerusform>%Ln mes</numerusform>
            <numerusform>%Ln meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln yrs</source>
        <translation>
            <numerusform>%Ln año</numerusform>
            <numerusform>%Ln años</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Years, then months: &quot;3 yrs 2 mons&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>La semana que viene</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>ahead</comment>
        <extracomment>A time ahead, under a future date: &quot;6 wks&quot;, &quot;3 yrs 1 mon&quot;.</extracomment>
        <translation>Dentro de %1</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>La semana pasada</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A time ago: &quot;3 wks ago&quot;, &quot;3 yrs 2 mons ago&quot;.</extracomment>
        <translation>Hace %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln día</numerusform>
            <numerusform>%Ln días</numerusform>
        </translation>
    </message>
    <message>
        <source>You were %1 old</source>
        <extracomment>The age at a date: &quot;You were 10 yrs 3 mons old&quot;.</extracomment>
        <translation>Tenía %1</translation>
    </message>
    <message>
        <source>You are %1 old</source>
        <translation>Tiene %1</translation>
    </message>
    <message>
        <source>You will be %1 old</source>
        <translation>Tendrá %1</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Nothing was made to write</source>
        <translation>No había nada que escribir</translation>
    </message>
    <message>
        <source>It is the settings file, which an export never writes</source>
        <translation>Es el archivo de configuración, que una exportación nunca escribe</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>Es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>Es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>It is not a plain file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>%1. Its old content could not be put back</source>
        <extracomment>The system&apos;s reason a write failed, then that the file could not be mended.</extracomment>
        <translation>%1. No se pudo restaurar su contenido anterior</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <translation>Ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>Its name (%1) is not valid UTF-8</source>
        <translation>Su nombre (%1) no es UTF-8 válido</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>A list&apos;s last two items, as in &quot;.png or .svg&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>The chart file name must end in %1.</source>
        <translation>El nombre del archivo del gráfico debe terminar en %1.</translation>
    </message>
    <message>
        <source>The timeline file name must end in %1.</source>
        <translation>El nombre del archivo de la línea de tiempo debe terminar en %1.</translation>
    </message>
    <message>
        <source>The file name must end in %1.</source>
        <translation>El nombre del archivo debe terminar en %1.</translation>
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
        <translation>Las edades llegan hasta los %1 años: elija una edad de %2 a %1 años.</translation>
    </message>
    <message>
        <source>Ages go up to %1: no age up to %1 lies ahead.</source>
        <translation>Las edades llegan hasta los %1 años: ninguna edad hasta los %1 años está aún por llegar.</translation>
    </message>
    <message>
        <source>You reached the age of %1 on %2: choose an age from %3 to %4.</source>
        <extracomment>%1 is an age, %2 the date of that birthday.</extracomment>
        <translation>Cumplió %1 años el %2: elija una edad de %3 a %4 años.</translation>
    </message>
    <message>
        <source>You reached the age of %1 on %2: no age up to %3 lies ahead.</source>
        <translation>Cumplió %1 años el %2: ninguna edad hasta los %3 años está aún por llegar.</translation>
    </message>
    <message>
        <source>By age %1, on %2, you will have lived %3 hours.</source>
        <extracomment>%1 is an age, %2 the date of that birthday, %3 a number of hours.</extracomment>
        <translation>A los %1 años, el %2, habrá vivido %3 horas.</translation>
    </message>
    <message>
        <source>Activity</source>
        <extracomment>The look ahead&apos;s column headings; %1 is the age looked ahead to.</extracomment>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>Hasta ahora</translation>
    </message>
    <message>
        <source>By age %1</source>
        <translation>A los %1 años</translation>
    </message>
    <message>
        <source>Still to come</source>
        <translation>Por venir</translation>
    </message>
    <message>
        <source>Share of life by %1</source>
        <translation>Parte de la vida a los %1 años</translation>
    </message>
    <message>
        <source>Hours by age %1 for %2</source>
        <extracomment>The chart&apos;s title: %1 is the age looked ahead to, %2 the user&apos;s name.</extracomment>
        <translation>Horas de %2 a los %1 años</translation>
    </message>
    <message numerus="yes">
        <source>%1 years</source>
        <extracomment>%1 is the number of years, written by the program.</extracomment>
        <translation>
            <numerusform>%1 año</numerusform>
            <numerusform>%1 años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days</source>
        <extracomment>%1 is the number of days, written by the program.</extracomment>
        <translation>
            <numerusform>%1 día</numerusform>
            <numerusform>%1 días</numerusform>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>The title of a Yes/No question box.</extracomment>
        <translation>Confirmación</translation>
    </message>
</context>
<context>
    <name>Outputs</name>
    <message>
        <source>Lifetally %1 (build %2)</source>
        <extracomment>%1 is a version number such as 1.1, %2 a build&apos;s mark.</extracomment>
        <translation>Lifetally %1 (compilación %2)</translation>
    </message>
    <message>
        <source>It is the library of %1, and this program is %2.</source>
        <extracomment>Why the charts and printing library was refused: %1 and %2 read &quot;Lifetally 1.1 (build ...)&quot;.</extracomment>
        <translation>Es la biblioteca de %1 y este programa es %2.</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>No existe el archivo.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <extracomment>%1 is the library&apos;s file, %2 the reason.</extracomment>
        <translation>No se puede cargar %1: %2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The print job has already been started.</source>
        <translation>La impresión ya se ha iniciado.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>No se pudo iniciar la impresión.</translation>
    </message>
    <message>
        <source>The print job has not been started.</source>
        <translation>La impresión no se ha iniciado.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>La impresora no pudo empezar una página nueva.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>At the foot of each page of the report: &quot;Page 2 of 5&quot;.</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora notificó un error.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>No se pudo terminar la impresión.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Lifetally  - version 1.0</source>
        <extracomment>The printed report&apos;s first line, as it has always read: two blanks before the dash.</extracomment>
        <translation>Lifetally  - versión 1.0</translation>
    </message>
    <message>
        <source>Printed : %1  %2</source>
        <extracomment>The report&apos;s heading: %1 is the date and %2 the time it was printed.</extracomment>
        <translation>Impreso el %1 a las %2</translation>
    </message>
    <message>
        <source>Lifetally report</source>
        <extracomment>The title a saved report&apos;s PDF carries.</extracomment>
        <translation>Informe de Lifetally</translation>
    </message>
    <message>
        <source>Preview report</source>
        <translation>Vista previa del informe</translation>
    </message>
    <message>
        <source>Error printing report ... quitting</source>
        <extracomment>The report&apos;s own error message, as it has always read.</extracomment>
        <translation>Error al imprimir el informe… se cancela</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The money table has no rows to chart.</source>
        <translation>La tabla de dinero no tiene filas que representar.</translation>
    </message>
    <message>
        <source>The frequency table has no rows to chart.</source>
        <translation>La tabla de frecuencia no tiene filas que representar.</translation>
    </message>
    <message>
        <source>The hours table has no rows to chart.</source>
        <translation>La tabla de horas no tiene filas que representar.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Lifetally could not read %1 when it started. Overwrite it?</source>
        <translation>Lifetally no pudo leer %1 al iniciarse. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Lifetally read it. Overwrite it?</source>
        <translation>Otro programa ha modificado %1 desde que Lifetally lo leyó. ¿Desea sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>It is not a settings file</source>
        <translation>No es un archivo de configuración</translation>
    </message>
    <message>
        <source>It holds no Lifetally settings</source>
        <translation>No contiene ninguna configuración de Lifetally</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; does not read in the formats the file records (%3)</source>
        <extracomment>A value of the file, where it stands, and the locale the file says it was written in.</extracomment>
        <translation>%1: «%2» no se puede leer en los formatos que indica el archivo (%3)</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The name field&apos;s text at a first start; once saved it is the user&apos;s data.</extracomment>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Unable to write to standard output</source>
        <translation>No se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>Unable to write to standard output: %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>A file&apos;s path, then the reason, often the system&apos;s.</extracomment>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>It would be larger than %1 MiB, more than Lifetally reads</source>
        <translation>Ocuparía más de %1 MiB, más de lo que Lifetally lee</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Maximum number of rows reached</source>
        <translation>Se ha alcanzado el número máximo de filas</translation>
    </message>
    <message>
        <source>Nothing to edit</source>
        <translation>No hay nada que editar</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>No hay nada que eliminar</translation>
    </message>
    <message>
        <source>Really delete %1?</source>
        <extracomment>%1 is the activity&apos;s name as the user typed it.</extracomment>
        <translation>¿Seguro que desea eliminar %1?</translation>
    </message>
    <message>
        <source>Really clear out the table?</source>
        <translation>¿Seguro que desea vaciar la tabla?</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Step 2: Number of hours spent on various activities</source>
        <translation>Paso 2: horas dedicadas a distintas actividades</translation>
    </message>
    <message>
        <source>Hours spent on activities</source>
        <translation>Horas dedicadas a las actividades</translation>
    </message>
    <message>
        <source>Note that the percentage is based on the number of hours you have been alive.  Percentages may not add up to 100 due to overlap.</source>
        <translation>El porcentaje se calcula sobre el número de horas que ha vivido.  Los porcentajes pueden no sumar 100 si las actividades se solapan.</translation>
    </message>
    <message>
        <source>Graph results of &amp;hours</source>
        <translation>Gráfico de &amp;horas</translation>
    </message>
    <message>
        <source>Step 3: Money spent on various activities</source>
        <translation>Paso 3: dinero gastado en distintas actividades</translation>
    </message>
    <message>
        <source>Money spent on activities</source>
        <translation>Dinero gastado en las actividades</translation>
    </message>
    <message>
        <source>Note that the percentage is based on your lifetime income.</source>
        <translation>El porcentaje se calcula sobre sus ingresos acumulados.</translation>
    </message>
    <message>
        <source>Graph results of &amp;money</source>
        <translation>Gráfico de &amp;dinero</translation>
    </message>
    <message>
        <source>Step 4: Frequency of various activities</source>
        <translation>Paso 4: frecuencia de distintas actividades</translation>
    </message>
    <message>
        <source>Frequency of activities</source>
        <translation>Frecuencia de las actividades</translation>
    </message>
    <message>
        <source>Graph results of &amp;frequency</source>
        <translation>Gráfico de &amp;frecuencia</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Age %1</source>
        <extracomment>The first age under the timeline&apos;s axis: &quot;Age 10&quot;; the later ones are numbers.</extracomment>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Above the timeline&apos;s axis, where today is.</extracomment>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>So far</source>
        <extracomment>The timeline&apos;s key: the solid part of a band, up to today.</extracomment>
        <translation>Hasta ahora</translation>
    </message>
    <message>
        <source>If it goes on</source>
        <extracomment>The timeline&apos;s key: the lighter part of a band, from today to the chosen age.</extracomment>
        <translation>Si la actividad continúa</translation>
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
            <numerusform>%Ln vez</numerusform>
            <numerusform>%Ln veces</numerusform>
        </translation>
    </message>
    <message>
        <source>on %1</source>
        <extracomment>When a one-off activity happened, for a screen reader: %1 is its date.</extracomment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>from %1 to today, and on to age %2 on %3 if it goes on</source>
        <extracomment>When an activity that has not ended runs, for a screen reader: %1 is its start, %2 the age the timeline goes to and %3 that birthday.</extracomment>
        <translation>del %1 a hoy, y hasta los %2 años, el %3, si la actividad continúa</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>When an activity ran, for a screen reader: from its start date to its end date.</extracomment>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>The life of %1 to age %2</source>
        <extracomment>The timeline&apos;s title: %1 is the user&apos;s name, %2 the age it runs to.</extracomment>
        <translation>La vida de %1 hasta los %2 años</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A timeline row&apos;s label: %1 is the activity, %2 its rate (&quot;8 Hrs a day&quot;).</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 so far, %2 by %3</source>
        <extracomment>A row&apos;s total so far and by the age the timeline runs to (%3).</extracomment>
        <translation>%1 hasta ahora, %2 a los %3 años</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 hasta ahora</translation>
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
        <translation>actividad</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>amount</source>
        <translation>importe</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>period</source>
        <translation>periodo</translation>
    </message>
    <message>
        <source>starting date</source>
        <translation>fecha de inicio</translation>
    </message>
    <message>
        <source>ending date</source>
        <translation>fecha de fin</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>%1, row %2, %3</source>
        <extracomment>Where a value of a table stands: &quot;Hours, row 3, ending date&quot;.</extracomment>
        <translation>%1, fila %2, %3</translation>
    </message>
    <message>
        <source>Age: %1 Hours: %2</source>
        <extracomment>The results page and the report: &quot;Age: 36 years 9 months 8 days Hours: 322,381&quot;.</extracomment>
        <translation>Edad: %1 Horas: %2</translation>
    </message>
    <message>
        <source>Lifetime income: %1</source>
        <translation>Ingresos acumulados: %1</translation>
    </message>
</context>
<context>
    <name>lt::BioPage</name>
    <message>
        <source>Step 1: Personal Biographical Information</source>
        <translation>Paso 1: datos personales</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Su nombre:</translation>
    </message>
    <message>
        <source>Your birthdate:</source>
        <translation>Su fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Estimate your lifetime income up to now:</source>
        <translation>Estime sus ingresos acumulados hasta hoy:</translation>
    </message>
</context>
<context>
    <name>lt::IntroPage</name>
    <message>
        <source>How much time and money have you spent in your lifetime?</source>
        <translation>¿Cuánto tiempo y dinero ha gastado a lo largo de su vida?</translation>
    </message>
    <message>
        <source>This program will help you find that out.</source>
        <translation>Este programa le ayudará a averiguarlo.</translation>
    </message>
    <message>
        <source>As for man, his days are as grass: as a flower of the field,</source>
        <extracomment>Psalm 103:15, first line; use the verse as the language&apos;s usual Bible gives it.</extracomment>
        <translation>El hombre, como la hierba son sus días;</translation>
    </message>
    <message>
        <source>so he flourisheth.  Psalm 103:15</source>
        <extracomment>Psalm 103:15, second line, with the verse&apos;s reference.</extracomment>
        <translation>florece como la flor del campo.  Salmo 103:15</translation>
    </message>
</context>
<context>
    <name>lt::MaskedNumberField</name>
    <message>
        <source>%1 is not a valid value. It must be between %2 and %3.</source>
        <extracomment>%1 is what was typed, %2 and %3 the smallest and the largest value allowed.</extracomment>
        <translation>%1 no es un valor válido. Debe estar entre %2 y %3.</translation>
    </message>
</context>
<context>
    <name>lt::ResultsPage</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>P&amp;rint report</source>
        <translation>&amp;Imprimir informe</translation>
    </message>
    <message>
        <source>Pre&amp;view report</source>
        <translation>&amp;Vista previa del informe</translation>
    </message>
    <message>
        <source>Save report as P&amp;DF...</source>
        <translation>Guardar informe como &amp;PDF…</translation>
    </message>
    <message>
        <source>Export tables as &amp;CSV...</source>
        <translation>Exportar tablas como &amp;CSV…</translation>
    </message>
    <message>
        <source>Print the report (%1)</source>
        <extracomment>%1 is the key that prints, as the desktop writes it (Ctrl+P).</extracomment>
        <translation>Imprimir el informe (%1)</translation>
    </message>
    <message>
        <source>&amp;Look ahead...</source>
        <translation>Pro&amp;yección…</translation>
    </message>
    <message>
        <source>T&amp;imeline</source>
        <translation>Línea de &amp;tiempo</translation>
    </message>
</context>
<context>
    <name>lt::TablePage</name>
    <message>
        <source>Double click to edit</source>
        <translation>Haga doble clic para editar</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>Sort the table</source>
        <translation>Ordenar la tabla</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Add a row (%1)</source>
        <extracomment>%1 is the key that does the same, as the desktop writes it (Ins).</extracomment>
        <translation>Añadir una fila (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Edit the selected row (%1)</source>
        <translation>Editar la fila seleccionada (%1)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete the selected row (%1)</source>
        <translation>Eliminar la fila seleccionada (%1)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Clear the table</source>
        <translation>Vaciar la tabla</translation>
    </message>
</context>
<context>
    <name>lt::TfrmAbout</name>
    <message>
        <source>About Lifetally</source>
        <translation>Acerca de Lifetally</translation>
    </message>
    <message>
        <source>Lifetally version %1</source>
        <translation>Lifetally versión %1</translation>
    </message>
    <message>
        <source>Compliments of:</source>
        <translation>Cortesía de:</translation>
    </message>
    <message>
        <source>Look for more programs from %1 and news of Lifetally on our home page:</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Encuentre más programas de %1 y novedades de Lifetally en nuestra página de inicio:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Tallyhouse &amp;home page</source>
        <extracomment>Tallyhouse is the maker&apos;s name.</extracomment>
        <translation>Sitio &amp;web de Tallyhouse</translation>
    </message>
    <message>
        <source>Open the %1 home page in your web browser</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Abrir la página de inicio de %1 en su navegador</translation>
    </message>
    <message>
        <source>Visit the %1 home page at %2 for more programs and the latest news</source>
        <extracomment>%1 is the maker&apos;s name, %2 its web address.</extracomment>
        <translation>Visite la página de inicio de %1 en %2 para ver más programas y las últimas novedades</translation>
    </message>
    <message>
        <source>Couldn&apos;t open web browser for home page %1</source>
        <extracomment>%1 is the web address.</extracomment>
        <translation>No se pudo abrir el navegador para la página de inicio %1</translation>
    </message>
</context>
<context>
    <name>lt::TfrmGraph</name>
    <message>
        <source>Activity Graph</source>
        <translation>Gráfico de actividades</translation>
    </message>
    <message>
        <source>Click or press Space to start or stop the pie</source>
        <translation>Haga clic o pulse Espacio para hacer girar o detener el gráfico</translation>
    </message>
    <message>
        <source>P&amp;ie</source>
        <extracomment>Show the chart as a pie.</extracomment>
        <translation>&amp;Circular</translation>
    </message>
    <message>
        <source>&amp;Bar</source>
        <extracomment>Show the chart as horizontal bars.</extracomment>
        <translation>&amp;Barras</translation>
    </message>
    <message>
        <source>&amp;Reduce # visible points</source>
        <extracomment>Removes the chart&apos;s last point, down to three.</extracomment>
        <translation>&amp;Reducir puntos visibles</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Print the chart (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+P&quot;.</extracomment>
        <translation>Imprimir el gráfico (%1)</translation>
    </message>
    <message>
        <source>Save the chart as a PNG or SVG image (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+S&quot;.</extracomment>
        <translation>Guardar el gráfico como imagen PNG o SVG (%1)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>No se pudo imprimir el gráfico.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>Imagen SVG</translation>
    </message>
</context>
<context>
    <name>lt::TfrmLookAhead</name>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Horas</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <translation>&amp;Dinero</translation>
    </message>
    <message>
        <source>&amp;Frequency</source>
        <translation>&amp;Frecuencia</translation>
    </message>
    <message>
        <source>Hours by age %1</source>
        <extracomment>%1 is the age looked ahead to.</extracomment>
        <translation>Horas a los %1 años</translation>
    </message>
    <message>
        <source>Money by age %1</source>
        <translation>Dinero a los %1 años</translation>
    </message>
    <message>
        <source>Frequency by age %1</source>
        <translation>Frecuencia a los %1 años</translation>
    </message>
    <message>
        <source>Look ahead</source>
        <translation>Proyección</translation>
    </message>
    <message>
        <source>&amp;To age:</source>
        <translation>Hasta la &amp;edad de:</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>E&amp;xportar como CSV…</translation>
    </message>
    <message>
        <source>T&amp;imeline</source>
        <translation>Línea de &amp;tiempo</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Export look ahead as CSV</source>
        <translation>Exportar la proyección como CSV</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
</context>
<context>
    <name>lt::TfrmMain</name>
    <message>
        <source>&lt;&lt;&amp;Prev</source>
        <extracomment>The wizard&apos;s button back to the previous page.</extracomment>
        <translation>&lt;&lt; A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <extracomment>The wizard&apos;s button on to the next page.</extracomment>
        <translation>&amp;Siguiente &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Saves everything and ends the program.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Sort by activity</source>
        <translation>Ordenar por actividad</translation>
    </message>
    <message>
        <source>Sort by start date</source>
        <translation>Ordenar por fecha de inicio</translation>
    </message>
    <message>
        <source>Sort by total</source>
        <translation>Ordenar por total</translation>
    </message>
    <message>
        <source>Your birthdate is mandatory to proceed to the next step.</source>
        <translation>Indique su fecha de nacimiento para pasar al paso siguiente.</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
    <message>
        <source>Export tables as CSV</source>
        <translation>Exportar tablas como CSV</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
</context>
<context>
    <name>lt::TfrmMoney</name>
    <message>
        <source>Activity </source>
        <extracomment>The title of the dialog that edits a row of the money or the frequency table.</extracomment>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Amount of money spent per:</source>
        <translation>Dinero gastado por:</translation>
    </message>
    <message>
        <source>Frequency performed per:</source>
        <translation>Frecuencia por:</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>Above the amount field: an amount of money, or a number of times.</extracomment>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Veces</translation>
    </message>
</context>
<context>
    <name>lt::TfrmPickDate</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Change the displayed month</source>
        <translation>Cambiar el mes mostrado</translation>
    </message>
    <message>
        <source>Change the displayed year</source>
        <translation>Cambiar el año mostrado</translation>
    </message>
    <message>
        <source>Date of &amp;birth</source>
        <translation>Fecha de &amp;nacimiento</translation>
    </message>
    <message>
        <source>Go to your birthdate</source>
        <translation>Ir a su fecha de nacimiento</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Ir a hoy</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Select date</source>
        <translation>Seleccionar la fecha</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Life line</source>
        <extracomment>The slider from the date of birth to today.</extracomment>
        <translation>Línea de vida</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Mid-life</source>
        <translation>Mitad de la vida</translation>
    </message>
    <message>
        <source>Present</source>
        <extracomment>The right end of the life line: today.</extracomment>
        <translation>Presente</translation>
    </message>
</context>
<context>
    <name>lt::TfrmTime</name>
    <message>
        <source>Activity time</source>
        <translation>Tiempo de la actividad</translation>
    </message>
    <message>
        <source>Amount of time spent per:</source>
        <translation>Tiempo dedicado por:</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <comment>per day</comment>
        <translation>&amp;Día</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <comment>per week</comment>
        <translation>&amp;Semana</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <comment>per month</comment>
        <translation>&amp;Mes</translation>
    </message>
    <message>
        <source>Hours</source>
        <extracomment>Above the field for the hours of the time spent.</extracomment>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>Above the field for the minutes of the time spent.</extracomment>
        <translation>Minutos</translation>
    </message>
</context>
<context>
    <name>lt::TfrmTimeline</name>
    <message>
        <source>Timeline</source>
        <translation>Línea de tiempo</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Print the timeline (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+P&quot;.</extracomment>
        <translation>Imprimir la línea de tiempo (%1)</translation>
    </message>
    <message>
        <source>Save the timeline as a PNG or SVG image (%1)</source>
        <extracomment>%1 is the shortcut, &quot;Ctrl+S&quot;.</extracomment>
        <translation>Guardar la línea de tiempo como imagen PNG o SVG (%1)</translation>
    </message>
    <message>
        <source>The timeline could not be printed.</source>
        <translation>No se pudo imprimir la línea de tiempo.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG image</source>
        <translation>Imagen SVG</translation>
    </message>
</context>
<context>
    <name>lt::TimelineCanvas</name>
    <message>
        <source>Timeline</source>
        <translation>Línea de tiempo</translation>
    </message>
</context>
<context>
    <name>lt::form::ActivityForm</name>
    <message>
        <source>Description of activity</source>
        <translation>Descripción de la actividad</translation>
    </message>
    <message>
        <source>Starting date of activity:</source>
        <translation>Fecha de inicio de la actividad:</translation>
    </message>
    <message>
        <source>&amp;Indefinite</source>
        <translation>&amp;Indefinida</translation>
    </message>
    <message>
        <source>&amp;Specific date</source>
        <translation>&amp;Fecha concreta</translation>
    </message>
    <message>
        <source>Ending date of activity:</source>
        <translation>Fecha de fin de la actividad:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Ending date of activity</source>
        <extracomment>Names the ending-date panel for screen readers, and the field in a message about a text that is no date.</extracomment>
        <translation>Fecha de fin de la actividad</translation>
    </message>
    <message>
        <source>Starting date of activity</source>
        <extracomment>Names the field in a message about a text that is no date.</extracomment>
        <translation>Fecha de inicio de la actividad</translation>
    </message>
</context>
</TS>
