<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--%1 goes with --outlook FILE.csv.</source>
        <translation>--%1 va con --outlook FILE.csv.</translation>
    </message>
    <message>
        <source>--units takes us or si, not &quot;%1&quot;.</source>
        <translation>--units admite us o si, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--threshold takes %1, %2 or another rate above 0 in %3, not &quot;%4&quot;.</source>
        <translation>--threshold admite %1, %2 u otra tasa mayor que 0 en %3, no &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--concrete takes air+N, air-N or N in %1, not &quot;%2&quot;.</source>
        <translation>--concrete admite air+N, air-N o N en %1, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--days admite un número de días de 1 a %1, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--%1 goes with --watch.</source>
        <translation>--%1 va con --watch.</translation>
    </message>
    <message>
        <source>--outlook, --watch and --outlook-pour go one at a time.</source>
        <translation>--outlook, --watch y --outlook-pour van de uno en uno.</translation>
    </message>
    <message>
        <source>--outlook-pour takes a planned pour&apos;s number, not &quot;%1&quot;.</source>
        <translation>--outlook-pour admite el número de un colado planificado, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Usage: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
                 [--concrete air+N|N] [--every-reading]]
       brackmere --watch [--days N] [--json] [--notify]
       brackmere --outlook-pour ID
       brackmere --help | --version
</source>
        <translation>Uso: brackmere [--outlook ARCHIVO.csv|- [--units us|si] [--threshold TASA]
                 [--concrete air+N|N] [--every-reading]]
       brackmere --watch [--days N] [--json] [--notify]
       brackmere --outlook-pour ID
       brackmere --help | --version
</translation>
    </message>
    <message>
        <source>
Without options, opens the calculator window.

  --outlook FILE.csv  Reads readings from FILE.csv, or from standard input for -,
                      and writes each row&apos;s nomograph rate, equation rate and
                      message as CSV to standard output as it is computed, without
                      opening a window. Columns are found by the names in a header
                      within the first 20 lines (lines before it, such as a meter&apos;s
                      device lines, are passed over); without one they stand in the
                      order time, air temperature, relative humidity, wind, concrete
                      temperature (the last is optional). Units come from the header
                      or a units row under it. The text may be UTF-8, UTF-16 or
                      Windows-1252. Readings closer together than an hour (a meter&apos;s
                      log) are averaged to clock hours; the Readings column counts
                      them. Standard input and other files that are not regular
                      files are read up to %1.
  --units us|si       The units of the results, of the options below, and of values
                      whose source names no unit: us (°F, mph, lb/ft²/hr, the
                      default) or si (°C, km/h, kg/m²/hr).
  --threshold RATE    The threshold in force, as in the window: the default %2
                      (%3 in si), %4 (%5 in si) or another rate (an alternate rate).
  --concrete air+N|N  A missing concrete temperature: the air temperature plus N
                      (air+0, the default; air-2 too), or N.
  --every-reading     One row per reading rather than the means of each clock hour.
  --watch             Checks the planned pours of the coming days against their
                      sites&apos; forecasts (each site fetched once; the kept forecast,
                      with its age, when the server cannot be reached) and writes a
                      line per pour: at risk, borderline or clear, with its hours
                      and the worst rate.
  --days N            The coming days the watch looks at, 1 to 15 (3 by default).
  --json              The watch&apos;s findings as JSON.
  --notify            A desktop notification for each pour whose state changed since
                      the last check; clicking it opens the outlook at the pour. A
                      configured mail command mails the changes too.
  --outlook-pour ID   Opens the window with the outlook at planned pour ID.
  --version           Prints the version.
  -h, --help          Prints this help.

Exit status: %6 when at least one row was computed, %7 when the file was read but no
row could be computed, %8 when the arguments or the input cannot be used. The watch:
%6 when every pour is clear, %7 when any is at risk or borderline, %8 when a pour could
not be checked (network, server, records), with the reason.
</source>
        <translation>
Sin opciones, abre la ventana de la calculadora.

  --outlook ARCHIVO.csv  Lee lecturas de ARCHIVO.csv, o de la entrada estándar con -,
                      y escribe para cada fila la tasa del nomograma, la tasa de la
                      ecuación y el mensaje como CSV en la salida estándar a medida
                      que se calculan, sin abrir ventana. Las columnas se hallan por
                      los nombres de un encabezado en las primeras 20 líneas (las
                      líneas anteriores, como las de un medidor, se pasan por alto);
                      sin él van en el orden hora, temperatura del aire, humedad
                      relativa, viento, temperatura del concreto (esta es opcional).
                      Las unidades vienen del encabezado o de una fila de unidades
                      debajo. El texto puede ser UTF-8, UTF-16 o Windows-1252. Las
                      lecturas con menos de una hora entre sí (el registro de un
                      medidor) se promedian por horas de reloj; la columna Lecturas
                      las cuenta. La entrada estándar y los archivos que no son
                      archivos regulares se leen hasta %1.
  --units us|si       Las unidades de los resultados, de las opciones siguientes y de
                      los valores cuya fuente no nombra unidad: us (°F, mph, lb/ft²/hr,
                      por defecto) o si (°C, km/h, kg/m²/hr).
  --threshold TASA    El umbral vigente, como en la ventana: por defecto %2
                      (%3 en si), %4 (%5 en si) u otra tasa (una tasa alternativa).
  --concrete air+N|N  Una temperatura del concreto que falta: la temperatura del aire
                      más N (air+0, por defecto; también air-2), o N.
  --every-reading     Una fila por lectura en lugar de las medias de cada hora de reloj.
  --watch             Comprueba los colados planificados de los próximos días con los
                      pronósticos de sus obras (cada obra se consulta una vez; el
                      pronóstico guardado, con su antigüedad, si no se alcanza el
                      servidor) y escribe una línea por colado: en riesgo, dudoso o
                      despejado, con sus horas y la peor tasa.
  --days N            Los próximos días que mira la vigilancia, de 1 a 15 (3 por defecto).
  --json              Los resultados de la vigilancia en JSON.
  --notify            Una notificación de escritorio por cada colado cuyo estado cambió
                      desde la última comprobación; al pulsarla se abre el pronóstico
                      en el colado. Un comando de correo configurado envía también
                      los cambios.
  --outlook-pour ID   Abre la ventana con el pronóstico en el colado planificado ID.
  --version           Muestra la versión.
  -h, --help          Muestra esta ayuda.

Estado de salida: %6 si se calculó al menos una fila, %7 si se leyó el archivo pero no
se pudo calcular ninguna fila, %8 si los argumentos o la entrada no se pueden usar. La
vigilancia: %6 si todos los colados están despejados, %7 si alguno está en riesgo o
dudoso, %8 si no se pudo comprobar un colado (red, servidor, registros), con el motivo.
</translation>
    </message>
</context>
<context>
    <name>CopyUp</name>
    <message>
        <source>The records file &quot;%1&quot; was not found.</source>
        <translation>No se encontró el archivo de registros &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; could not be opened: %2</source>
        <translation>No se pudo abrir el archivo de registros &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The records of &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudieron leer los registros de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nothing was copied to %1: %2</source>
        <translation>No se copió nada a %1: %2</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was copied.</source>
        <translation>Se canceló la copia; no se copió nada.</translation>
    </message>
    <message>
        <source>Of %1 %2 in the file, %3 copied to the server and %4 there already.</source>
        <translation>De %1 %2 del archivo, %3 copiados al servidor y %4 ya estaban.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Air Temperature</source>
        <translation>Temperatura del aire</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Humedad relativa</translation>
    </message>
    <message>
        <source>Concrete Temperature</source>
        <translation>Temp. del concreto</translation>
    </message>
    <message>
        <source>Wind Velocity</source>
        <translation>Velocidad del viento</translation>
    </message>
    <message>
        <source>air temperature</source>
        <translation>temperatura del aire</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>humedad relativa</translation>
    </message>
    <message>
        <source>concrete temperature</source>
        <translation>temperatura del concreto</translation>
    </message>
    <message>
        <source>wind velocity</source>
        <translation>velocidad del viento</translation>
    </message>
    <message>
        <source>US Customary (°F, mph, lb/ft²/hr)</source>
        <translation>Unidades de EE. UU. (°F, mph, lb/ft²/hr)</translation>
    </message>
    <message>
        <source>SI (°C, km/h, kg/m²/hr)</source>
        <translation>SI (°C, km/h, kg/m²/hr)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Low-bleed (silica fume, HRWR)</source>
        <translation>Baja exudación (humo de sílice, superplastificante)</translation>
    </message>
    <message>
        <source>Low-bleed</source>
        <translation>Baja exudación</translation>
    </message>
    <message>
        <source>Latex-modified overlay</source>
        <translation>Sobrecapa modificada con látex</translation>
    </message>
    <message>
        <source>Latex-modified</source>
        <translation>Modificada con látex</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Measures may be needed.</source>
        <translation>Pueden ser necesarias medidas.</translation>
    </message>
    <message>
        <source>Measures shall be taken.</source>
        <translation>Deben tomarse medidas.</translation>
    </message>
    <message>
        <source>Cure the concrete as usual as soon as finishing allows, because every slab needs curing whatever the rate.</source>
        <translation>Cure el concreto como siempre en cuanto el acabado lo permita, porque toda losa necesita curado sea cual sea la tasa.</translation>
    </message>
    <message>
        <source>Read the conditions again when the weather changes, because sun, wind or drier air can raise the rate within the hour.</source>
        <translation>Vuelva a medir las condiciones cuando cambie el tiempo, porque el sol, el viento o un aire más seco pueden elevar la tasa en menos de una hora.</translation>
    </message>
    <message>
        <source>Dampen the subgrade and the forms before placing, so that they do not draw water out of the concrete.</source>
        <translation>Humedezca la subrasante y los encofrados antes de colocar, para que no absorban agua del concreto.</translation>
    </message>
    <message>
        <source>Put up windbreaks and sunshades, because wind and sun on the slab drive evaporation.</source>
        <translation>Coloque cortavientos y protecciones contra el sol, porque el viento y el sol sobre la losa impulsan la evaporación.</translation>
    </message>
    <message>
        <source>Keep a fog spray running above the surface until curing starts, so that the air over the slab stays moist without water being worked into the surface.</source>
        <translation>Mantenga una nebulización sobre la superficie hasta que empiece el curado, para que el aire sobre la losa siga húmedo sin que se incorpore agua a la superficie.</translation>
    </message>
    <message>
        <source>Apply an evaporation retarder after screeding when the surface dries before finishing, to hold its water in.</source>
        <translation>Aplique un retardador de evaporación después del enrasado si la superficie se seca antes del acabado, para retener su agua.</translation>
    </message>
    <message>
        <source>Cover the surface with wet burlap or plastic sheeting during delays, so that it does not dry while it waits.</source>
        <translation>Cubra la superficie con arpillera húmeda o lámina de plástico durante las esperas, para que no se seque mientras tanto.</translation>
    </message>
    <message>
        <source>Start curing sooner, as soon as finishing allows, because the surface loses water faster than it bleeds.</source>
        <translation>Empiece el curado antes, en cuanto el acabado lo permita, porque la superficie pierde agua más rápido de lo que exuda.</translation>
    </message>
    <message>
        <source>Schedule the pour for a cooler part of the day, such as early morning or evening, when the rate is lower.</source>
        <translation>Programe el colado en una hora más fresca del día, como temprano por la mañana o al atardecer, cuando la tasa es menor.</translation>
    </message>
    <message>
        <source>Cool the concrete with chilled mixing water, ice or shaded aggregates, because cooler concrete evaporates less.</source>
        <translation>Enfríe el concreto con agua de amasado fría, hielo o agregados a la sombra, porque un concreto más frío evapora menos.</translation>
    </message>
    <message>
        <source>Apply an evaporation retarder after screeding, to hold the water in the surface until finishing.</source>
        <translation>Aplique un retardador de evaporación después del enrasado, para retener el agua en la superficie hasta el acabado.</translation>
    </message>
    <message>
        <source>No measures against evaporation are needed at this rate.</source>
        <translation>Con esta tasa no se necesitan medidas contra la evaporación.</translation>
    </message>
    <message>
        <source>Measures may be needed: have these ready and take them when the surface dries before bleeding stops.</source>
        <translation>Pueden ser necesarias medidas: téngalas preparadas y aplíquelas si la superficie se seca antes de que termine la exudación.</translation>
    </message>
    <message>
        <source>The rate is above the threshold in force: take these measures, in this order.</source>
        <translation>La tasa supera el umbral vigente: tome estas medidas, en este orden.</translation>
    </message>
    <message>
        <source>Enter four readings inside their ranges to see the measures for their rate.</source>
        <translation>Introduzca las cuatro lecturas dentro de sus intervalos para ver las medidas según su tasa.</translation>
    </message>
    <message>
        <source>Cool the concrete to %1 or below</source>
        <translation>Enfríe el concreto a %1 o menos</translation>
    </message>
    <message>
        <source>No concrete temperature from %1 to %2 brings the rate down to the threshold: take the other measures</source>
        <translation>Ninguna temperatura del concreto de %1 a %2 baja la tasa hasta el umbral: tome las demás medidas</translation>
    </message>
    <message>
        <source>Relative Humidty</source>
        <translation>Humedad relativa</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>The text is empty.</source>
        <translation>El texto está vacío.</translation>
    </message>
    <message>
        <source>The header on line %1 names no %2 column.</source>
        <translation>El encabezado de la línea %1 no nombra ninguna columna %2.</translation>
    </message>
    <message>
        <source>No data lines follow the header on line %1.</source>
        <translation>Ninguna línea de datos sigue al encabezado de la línea %1.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data, not text.</source>
        <translation>La línea %1 contiene datos binarios, no texto.</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>no hay bus de sesión (%1)</translation>
    </message>
    <message>
        <source>no notification service (%1) is on the session bus</source>
        <translation>ningún servicio de notificaciones (%1) está en el bus de sesión</translation>
    </message>
    <message>
        <source>Open in the Outlook</source>
        <translation>Abrir en el pronóstico</translation>
    </message>
    <message>
        <source>the notification service refused it: %1</source>
        <translation>el servicio de notificaciones la rechazó: %1</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>no unit given for %1</source>
        <translation>no se da unidad para %1</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot; for %2</source>
        <translation>unidad desconocida &quot;%1&quot; para %2</translation>
    </message>
    <message>
        <source>unreadable time &quot;%1&quot; at hour %2</source>
        <translation>hora ilegible &quot;%1&quot; en la hora %2</translation>
    </message>
    <message>
        <source>the forecast has no hours</source>
        <translation>el pronóstico no tiene horas</translation>
    </message>
    <message>
        <source>the series have different lengths (time: %1, %2: %3)</source>
        <translation>las series tienen longitudes distintas (time: %1, %2: %3)</translation>
    </message>
    <message>
        <source>the value of %1 at %2 is not a number</source>
        <translation>el valor de %1 en %2 no es un número</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>no es JSON (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>the server reported an error: %1</source>
        <translation>el servidor informó de un error: %1</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sin motivo indicado</translation>
    </message>
    <message>
        <source>the series time is missing</source>
        <translation>falta la serie time</translation>
    </message>
    <message>
        <source>the answer holds none of the series %1, %2, %3</source>
        <translation>la respuesta no contiene ninguna de las series %1, %2, %3</translation>
    </message>
    <message>
        <source>no latitude or longitude</source>
        <translation>sin latitud ni longitud</translation>
    </message>
</context>
<context>
    <name>ForecastClient</name>
    <message>
        <source> It said: %1</source>
        <translation> Dijo: %1</translation>
    </message>
    <message>
        <source>The forecast server at %1 answered with HTTP status %2%3.</source>
        <translation>El servidor de pronósticos en %1 respondió con el estado HTTP %2%3.</translation>
    </message>
    <message>
        <source>The forecast server at %1 timed out: no complete answer within %2.</source>
        <translation>El servidor de pronósticos en %1 no respondió a tiempo: ninguna respuesta completa en %2.</translation>
    </message>
    <message>
        <source>The forecast server address must start with http:// or https://.</source>
        <translation>La dirección del servidor de pronósticos debe empezar por http:// o https://.</translation>
    </message>
    <message>
        <source>The forecast server at %1 could not be reached: %2.</source>
        <translation>No se pudo alcanzar el servidor de pronósticos en %1: %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent the request on elsewhere; only its own addresses are followed.</source>
        <translation>El servidor de pronósticos en %1 remitió la petición a otro lugar; solo se siguen sus propias direcciones.</translation>
    </message>
    <message>
        <source>The forecast server at %1 broke off the answer: %2.</source>
        <translation>El servidor de pronósticos en %1 interrumpió la respuesta: %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 could not deliver the forecast: %2.</source>
        <translation>El servidor de pronósticos en %1 no pudo entregar el pronóstico: %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent an answer of %2, more than the %3 a forecast may be: it was refused and not kept.</source>
        <translation>El servidor de pronósticos en %1 envió una respuesta de %2, más de los %3 que puede tener un pronóstico: se rechazó y no se guardó.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent more than the %2 a forecast may be: the answer was refused and not kept.</source>
        <translation>El servidor de pronósticos en %1 envió más de los %2 que puede tener un pronóstico: la respuesta se rechazó y no se guardó.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent an answer that cannot be used: %2.</source>
        <translation>El servidor de pronósticos en %1 envió una respuesta que no se puede usar: %2.</translation>
    </message>
</context>
<context>
    <name>Geocoding</name>
    <message>
        <source>the answer is not a JSON object</source>
        <translation>la respuesta no es un objeto JSON</translation>
    </message>
    <message>
        <source>it said: %1</source>
        <translation>dijo: %1</translation>
    </message>
    <message>
        <source>match %1 has no name or no usable coordinates</source>
        <translation>el resultado %1 no tiene nombre o coordenadas utilizables</translation>
    </message>
    <message>
        <source>The geocoding service at %1 answered with HTTP status %2.</source>
        <translation>El servicio de geocodificación en %1 respondió con el estado HTTP %2.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 timed out: no answer within %2 s.</source>
        <translation>El servicio de geocodificación en %1 no respondió a tiempo: ninguna respuesta en %2 s.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 could not be reached: %2.</source>
        <translation>No se pudo alcanzar el servicio de geocodificación en %1: %2.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 sent an answer that cannot be used: %2.</source>
        <translation>El servicio de geocodificación en %1 envió una respuesta que no se puede usar: %2.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Brackmere Help</source>
        <translation>Ayuda de Brackmere</translation>
    </message>
    <message>
        <source>Brackmere Help - %1</source>
        <translation>Ayuda de Brackmere - %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>No se encontró el archivo de ayuda</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be opened: it is missing, unreadable or not a compiled help file. Brackmere expects its help as brackmere.chm in the program&apos;s folder; installing the program again restores it.</source>
        <translation>No se pudo abrir el archivo de ayuda &quot;%1&quot;: falta, no se puede leer o no es un archivo de ayuda compilado. Brackmere espera su ayuda como brackmere.chm en la carpeta del programa; al instalar el programa de nuevo se restaura.</translation>
    </message>
    <message>
        <source>Help topic not found</source>
        <translation>No se encontró el tema de ayuda</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; was not found in the help file &quot;%2&quot;. &lt;a href=&quot;%3&quot;&gt;Show the introduction&lt;/a&gt;.</source>
        <translation>El tema &quot;%1&quot; no está en el archivo de ayuda &quot;%2&quot;. &lt;a href=&quot;%3&quot;&gt;Mostrar la introducción&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>InputRow</name>
    <message>
        <source>&lt;-- Valid Input Range --&gt;</source>
        <translation>&lt;-- Intervalo válido --&gt;</translation>
    </message>
    <message>
        <source>%1 scroll bar</source>
        <translation>barra de desplazamiento de %1</translation>
    </message>
    <message>
        <source>Sets the %1 from %2 to %3 %4 in steps of 1 %4</source>
        <translation>Ajusta la %1 de %2 a %3 %4 en pasos de 1 %4</translation>
    </message>
</context>
<context>
    <name>OutlookChart</name>
    <message>
        <source>Italics: assumed values. Concrete: %1 (the rule).</source>
        <translation>Cursiva: valores supuestos. Concreto: %1 (la regla).</translation>
    </message>
    <message>
        <source>Italics: assumed values. </source>
        <translation>Cursiva: valores supuestos. </translation>
    </message>
    <message>
        <source>%1Wind: the 10 m forecast as given.</source>
        <translation>%1Viento: el pronóstico a 10 m tal como viene.</translation>
    </message>
    <message>
        <source>%1Wind: the 10 m forecast × %2, brought to about 0.5 m above the surface.</source>
        <translation>%1Viento: el pronóstico a 10 m × %2, llevado a unos 0,5 m sobre la superficie.</translation>
    </message>
    <message>
        <source>Equation rate</source>
        <translation>Tasa de la ecuación</translation>
    </message>
    <message>
        <source>±%1 % (measured rates)</source>
        <translation>±%1 % (tasas medidas)</translation>
    </message>
    <message>
        <source>Nomograph rate</source>
        <translation>Tasa del nomograma</translation>
    </message>
    <message>
        <source>%1 and %2 %3</source>
        <translation>%1 y %2 %3</translation>
    </message>
    <message>
        <source>Threshold in force</source>
        <translation>Umbral vigente</translation>
    </message>
    <message>
        <source>Above the threshold</source>
        <translation>Sobre el umbral</translation>
    </message>
    <message>
        <source>Longest safe window</source>
        <translation>Ventana segura más larga</translation>
    </message>
    <message>
        <source>Next window of at least %1 h</source>
        <translation>Próxima ventana de al menos %1 h</translation>
    </message>
    <message>
        <source>No hours to show.</source>
        <translation>No hay horas que mostrar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Air %2, RH %3, concrete %4, wind %5</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Aire %2, HR %3, concreto %4, viento %5</translation>
    </message>
    <message>
        <source>&lt;br&gt;Equation %1 %2</source>
        <translation>&lt;br&gt;Ecuación %1 %2</translation>
    </message>
    <message>
        <source>&lt;br&gt;Borderline: the ±%1 % band reaches across the threshold in force</source>
        <translation>&lt;br&gt;Dudosa: la banda de ±%1 % cruza el umbral vigente</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;Italics: assumed&lt;/i&gt;</source>
        <translation>&lt;br&gt;&lt;i&gt;Cursiva: supuesto&lt;/i&gt;</translation>
    </message>
</context>
<context>
    <name>OutlookHours</name>
    <message>
        <source>, 1 borderline hour</source>
        <translation>, 1 hora dudosa</translation>
    </message>
    <message>
        <source>, %1 borderline hours</source>
        <translation>, %1 horas dudosas</translation>
    </message>
    <message>
        <source>No time.</source>
        <translation>Sin hora.</translation>
    </message>
    <message>
        <source>Every hour of this forecast has passed: fetch a new one to find a window.</source>
        <translation>Todas las horas de este pronóstico han pasado: obtenga uno nuevo para hallar una ventana.</translation>
    </message>
    <message>
        <source>is not OK</source>
        <translation>no es OK</translation>
    </message>
    <message>
        <source>is above the threshold in force</source>
        <translation>está sobre el umbral vigente</translation>
    </message>
    <message>
        <source>No hour without measures ahead: every hour still to come %1 or cannot be computed.</source>
        <translation>Ninguna hora sin medidas por delante: cada hora por venir %1 o no se puede calcular.</translation>
    </message>
    <message>
        <source>No hour without measures: every hour %1 or cannot be computed.</source>
        <translation>Ninguna hora sin medidas: cada hora %1 o no se puede calcular.</translation>
    </message>
    <message>
        <source>Longest safe window: %1.</source>
        <translation>Ventana segura más larga: %1.</translation>
    </message>
    <message>
        <source> Next window of at least %1 h: %2.</source>
        <translation> Próxima ventana de al menos %1 h: %2.</translation>
    </message>
    <message>
        <source> No window of at least %1 h.</source>
        <translation> Ninguna ventana de al menos %1 h.</translation>
    </message>
    <message>
        <source>Forecast hour %1: no forecast value of %2.</source>
        <translation>Hora del pronóstico %1: sin valor pronosticado de %2.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
</context>
<context>
    <name>OutlookPage</name>
    <message>
        <source>Pour-Day Outlook</source>
        <translation>Pronóstico del día de colado</translation>
    </message>
</context>
<context>
    <name>OutlookTable</name>
    <message>
        <source>Left out of the means: %1</source>
        <translation>Excluidas de las medias: %1</translation>
    </message>
    <message>
        <source>Measured rates differ from the equation&apos;s by up to ±%1 %: %2 to %3 %4 here, on both sides of the threshold in force, %5 %4.</source>
        <translation>Las tasas medidas difieren de las de la ecuación hasta ±%1 %: aquí de %2 a %3 %4, a ambos lados del umbral vigente, %5 %4.</translation>
    </message>
    <message>
        <source>Above the threshold in force: the concrete temperature that brings the equation&apos;s rate down to it, the other readings held. Blank where none in range does.</source>
        <translation>Sobre el umbral vigente: la temperatura del concreto que baja la tasa de la ecuación hasta él, con las demás lecturas fijas. En blanco si ninguna dentro del rango lo logra.</translation>
    </message>
    <message>
        <source>Measured evaporation differs from the equation&apos;s rate by up to ±%1 %. An hour whose band reaches across the threshold in force is borderline.</source>
        <translation>La evaporación medida difiere de la tasa de la ecuación hasta ±%1 %. Una hora cuya banda cruza el umbral vigente es dudosa.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Air (%1)</source>
        <translation>Aire (%1)</translation>
    </message>
    <message>
        <source>RH (%)</source>
        <translation>HR (%)</translation>
    </message>
    <message>
        <source>Wind (%1)</source>
        <translation>Viento (%1)</translation>
    </message>
    <message>
        <source>Concrete (%1)</source>
        <translation>Concreto (%1)</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Nomograph (%1)</source>
        <translation>Nomograma (%1)</translation>
    </message>
    <message>
        <source>Equation (%1)</source>
        <translation>Ecuación (%1)</translation>
    </message>
    <message>
        <source>Concrete at most (%1)</source>
        <translation>Concreto como máx. (%1)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>PlannedPours</name>
    <message>
        <source>Pour %1 at %2, %3 to %4 %5</source>
        <translation>Colado %1 en %2, %3 a %4 %5</translation>
    </message>
</context>
<context>
    <name>PlannedPoursPanel</name>
    <message>
        <source>not checked yet</source>
        <translation>aún sin comprobar</translation>
    </message>
    <message>
        <source>%1 (checked %2)</source>
        <translation>%1 (comprobado %2)</translation>
    </message>
    <message>
        <source>Planned Pours</source>
        <translation>Colados planificados</translation>
    </message>
    <message>
        <source>Plan a Pour…</source>
        <translation>Planificar un colado…</translation>
    </message>
    <message>
        <source>Delete Pour</source>
        <translation>Eliminar colado</translation>
    </message>
    <message>
        <source>The planned pours could not be read from %1: %2</source>
        <translation>No se pudieron leer los colados planificados de %1: %2</translation>
    </message>
    <message>
        <source>No pour is planned.</source>
        <translation>No hay ningún colado planificado.</translation>
    </message>
    <message>
        <source>Next: %1: %2</source>
        <translation>Siguiente: %1: %2</translation>
    </message>
    <message>
        <source>Planned pour %1 is not among the coming pours in %2.</source>
        <translation>El colado planificado %1 no está entre los próximos colados de %2.</translation>
    </message>
    <message>
        <source>Pours are planned in the records, and %1 is not open.</source>
        <translation>Los colados se planifican en los registros, y %1 no está abierto.</translation>
    </message>
    <message>
        <source>The pour was not planned in %1: %2</source>
        <translation>El colado no se planificó en %1: %2</translation>
    </message>
    <message>
        <source>Choose the pour to delete in the list.</source>
        <translation>Elija en la lista el colado que desea eliminar.</translation>
    </message>
    <message>
        <source>The pour was not deleted from %1: %2</source>
        <translation>El colado no se eliminó de %1: %2</translation>
    </message>
</context>
<context>
    <name>PourChart</name>
    <message>
        <source>Equation rate (%1), ±%2 % band; threshold in force %3 %1</source>
        <translation>Tasa de la ecuación (%1), banda de ±%2 %; umbral vigente %3 %1</translation>
    </message>
</context>
<context>
    <name>PourCheck</name>
    <message>
        <source>its end is not after its start</source>
        <translation>su fin no es posterior a su inicio</translation>
    </message>
    <message>
        <source>the forecast hour %1 cannot be computed: %2</source>
        <translation>la hora del pronóstico %1 no se puede calcular: %2</translation>
    </message>
    <message>
        <source>the forecast covers %1 of its %2 hours</source>
        <translation>el pronóstico cubre %1 de sus %2 horas</translation>
    </message>
</context>
<context>
    <name>PourDocument</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>RH</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Concreto</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tasa</translation>
    </message>
    <message>
        <source>±%1 % band</source>
        <translation>Banda ±%1 %</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Planificada</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Tomada</translation>
    </message>
    <message>
        <source>SHA-256 of the report&apos;s content: %1</source>
        <translation>SHA-256 del contenido del informe: %1</translation>
    </message>
    <message>
        <source>Pour Report: </source>
        <translation>Informe de colado: </translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Obra: </translation>
    </message>
    <message>
        <source>Pour or element: </source>
        <translation>Colado o elemento: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Prepared by: </source>
        <translation>Preparado por: </translation>
    </message>
    <message>
        <source>Mix: </source>
        <translation>Mezcla: </translation>
    </message>
    <message>
        <source>Threshold in force: %1 %2</source>
        <translation>Umbral vigente: %1 %2</translation>
    </message>
    <message>
        <source>Sun on the slab: %1 (recorded; it changes no rate)</source>
        <translation>Sol sobre la losa: %1 (registrado; no cambia ninguna tasa)</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>%1 %2 borderline hours (the ±%3 % band crosses the threshold).</source>
        <translation>%1 %2 horas dudosas (la banda de ±%3 % cruza el umbral).</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Other measures: </source>
        <translation>Otras medidas: </translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Ninguna.</translation>
    </message>
    <message>
        <source>Signature: ________________________________    Date: ________________</source>
        <translation>Firma: ________________________________    Fecha: ________________</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
</context>
<context>
    <name>PrintDestinations</name>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Brackmere.pdf</source>
        <translation>Brackmere.pdf</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Print Failed</source>
        <translation>Impresión fallida</translation>
    </message>
    <message>
        <source>The page was not printed. %1

Save it as a PDF file instead?</source>
        <translation>La página no se imprimió. %1

¿Guardarla como archivo PDF?</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1
%2</source>
        <translation>No se pudo escribir el archivo PDF:
%1
%2</translation>
    </message>
    <message>
        <source>The page was saved as a PDF file:
%1</source>
        <translation>La página se guardó como archivo PDF:
%1</translation>
    </message>
    <message>
        <source>Saved as PDF</source>
        <translation>Guardado como PDF</translation>
    </message>
    <message>
        <source>The document was not printed. %1

Save it as a PDF file instead?</source>
        <translation>El documento no se imprimió. %1

¿Guardarlo como archivo PDF?</translation>
    </message>
    <message>
        <source>The document was saved as a PDF file:
%1</source>
        <translation>El documento se guardó como archivo PDF:
%1</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>The print job could not be started.</source>
        <translation>No se pudo iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>No se pudo empezar la página siguiente.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>No se pudo terminar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>La impresora informó de un error; puede que la página no se haya impreso.</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>No hay impresora predeterminada.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; cannot be used.</source>
        <translation>No se puede usar la impresora predeterminada &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No file name was given for the PDF file.</source>
        <translation>No se indicó un nombre para el archivo PDF.</translation>
    </message>
    <message>
        <source>The PDF file was not written.</source>
        <translation>No se escribió el archivo PDF.</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>The records could not be exported to &quot;%1&quot;.
%2</source>
        <translation>No se pudieron exportar los registros a &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV: comas entre campos, punto decimal (*.csv)</translation>
    </message>
    <message>
        <source>Saved Records.csv</source>
        <translation>Registros guardados.csv</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saved Records.pdf</source>
        <translation>Registros guardados.pdf</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta &quot;%1&quot; no existe.</translation>
    </message>
</context>
<context>
    <name>RecordsFilter</name>
    <message>
        <source>All sites, all dates</source>
        <translation>Todas las obras, todas las fechas</translation>
    </message>
    <message>
        <source>All sites</source>
        <translation>Todas las obras</translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Obra: </translation>
    </message>
    <message>
        <source>all dates</source>
        <translation>todas las fechas</translation>
    </message>
    <message>
        <source>site </source>
        <translation>obra </translation>
    </message>
    <message>
        <source>Reading records: %1 read so far</source>
        <translation>Leyendo registros: %1 leídos hasta ahora</translation>
    </message>
</context>
<context>
    <name>RecordsImportDialog</name>
    <message>
        <source>Import Records</source>
        <translation>Importar registros</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Archivos CSV: comas entre campos, punto decimal (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Importing the records of &quot;%1&quot; into %2…</source>
        <translation>Importando los registros de &quot;%1&quot; en %2…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SiteSearch</name>
    <message>
        <source>Find Site</source>
        <translation>Buscar obra</translation>
    </message>
    <message>
        <source>Place name or postcode</source>
        <translation>Lugar o código postal</translation>
    </message>
    <message>
        <source>Type at least 2 letters or digits of the place&apos;s name or postcode.</source>
        <translation>Escriba al menos 2 letras o cifras del nombre o código postal del lugar.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; was found.</source>
        <translation>No se encontró ningún lugar llamado &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Air Temp</source>
        <translation>Temp. aire</translation>
    </message>
    <message>
        <source>Relative Humidty</source>
        <translation>Humedad relativa</translation>
    </message>
    <message>
        <source>Conc Temp</source>
        <translation>Temp. concr.</translation>
    </message>
    <message>
        <source>Wind Velocity</source>
        <translation>Velocidad del viento</translation>
    </message>
    <message>
        <source>Evap Rate</source>
        <translation>Tasa evap.</translation>
    </message>
    <message>
        <source>Printed </source>
        <translation>Impreso </translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Obra: </translation>
    </message>
    <message>
        <source>Mix: </source>
        <translation>Mezcla: </translation>
    </message>
    <message>
        <source>Evaporation Rate Report:</source>
        <translation>Informe de la tasa de evaporación:</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>  Air Temperature = </source>
        <translation>  Temperatura del aire = </translation>
    </message>
    <message>
        <source>  Relative Humidty = </source>
        <translation>  Humedad relativa = </translation>
    </message>
    <message>
        <source>  Concrete Temperature = </source>
        <translation>  Temperatura del concreto = </translation>
    </message>
    <message>
        <source>  Wind Velocity = </source>
        <translation>  Velocidad del viento = </translation>
    </message>
    <message>
        <source>Evaporation Rate By Nomograph = </source>
        <translation>Tasa de evaporación por nomograma = </translation>
    </message>
    <message>
        <source>Evaporation Rate By Equation = </source>
        <translation>Tasa de evaporación por ecuación = </translation>
    </message>
    <message>
        <source>Variation Scenario 1 (User Inputed Rate of </source>
        <translation>Escenario de variación 1 (tasa introducida de </translation>
    </message>
    <message>
        <source>Variation Scenario 2 (Measures May Be Needed Threshold):</source>
        <translation>Escenario de variación 2 (umbral de medidas posibles):</translation>
    </message>
    <message>
        <source>Variation Scenario 3 (Measures Required Threshold):</source>
        <translation>Escenario de variación 3 (umbral de medidas obligatorias):</translation>
    </message>
    <message>
        <source>No solution calculated yet!</source>
        <translation>¡Aún no hay solución calculada!</translation>
    </message>
    <message>
        <source>No Print</source>
        <translation>Sin impresión</translation>
    </message>
    <message>
        <source>Print Sent</source>
        <translation>Impresión enviada</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>UnitCaptions</name>
    <message>
        <source>Rate of Evaporation (%1)</source>
        <translation>Tasa de evaporación (%1)</translation>
    </message>
    <message>
        <source>Evap (%1)</source>
        <translation>Evap. (%1)</translation>
    </message>
    <message>
        <source>Use default rate of %1 %2</source>
        <translation>Por defecto, %1 %2</translation>
    </message>
    <message>
        <source>Variation Scenarios to Get Evaporation Rate of %1 %2</source>
        <translation>Escenarios de variación para una tasa de evaporación de %1 %2</translation>
    </message>
</context>
<context>
    <name>Watch</name>
    <message>
        <source> No forecast is kept for the site.</source>
        <translation> No hay pronóstico guardado para la obra.</translation>
    </message>
</context>
<context>
    <name>WatchMail</name>
    <message>
        <source>The forecast changed the outlook of %1 planned pour%2 at %3:

</source>
        <translation>El pronóstico cambió la perspectiva de %1 colado(s) planificado(s)%2 en %3:

</translation>
    </message>
    <message>
        <source>
Checked %1 UTC by the Brackmere watch.
</source>
        <translation>
Comprobado %1 UTC por la vigilancia de Brackmere.
</translation>
    </message>
    <message>
        <source>Planned pours at %1: the outlook changed</source>
        <translation>Colados planificados en %1: la perspectiva cambió</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; could not be started: %2</source>
        <translation>No se pudo iniciar el comando de correo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; did not finish within %2 s.</source>
        <translation>El comando de correo &quot;%1&quot; no terminó en %2 s.</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; failed (exit status %2): %3</source>
        <translation>El comando de correo &quot;%1&quot; falló (estado de salida %2): %3</translation>
    </message>
</context>
<context>
    <name>WatchReport</name>
    <message>
        <source>not checked: %1</source>
        <translation>sin comprobar: %1</translation>
    </message>
    <message>
        <source>the worst %1 at %2</source>
        <translation>la peor %1 a las %2</translation>
    </message>
    <message>
        <source>at risk: %1 of %2 h above %3, %4</source>
        <translation>en riesgo: %1 de %2 h sobre %3, %4</translation>
    </message>
    <message>
        <source>borderline: %1 of %2 h within the equation&apos;s ±%3 % of %4, %5</source>
        <translation>dudoso: %1 de %2 h dentro del ±%3 % de la ecuación de %4, %5</translation>
    </message>
    <message>
        <source>clear: all %1 h at or below %2, %3</source>
        <translation>despejado: las %1 h a %2 o menos, %3</translation>
    </message>
    <message>
        <source>The forecast was kept from %1 UTC, %2 h old: %3</source>
        <translation>El pronóstico se guardó a las %1 UTC, hace %2 h: %3</translation>
    </message>
    <message>
        <source>No pour is planned in the coming %1 days.
</source>
        <translation>No hay ningún colado planificado en los próximos %1 días.
</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>field</source>
        <translation>campo</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Air temperature</source>
        <translation>Temperatura del aire</translation>
    </message>
    <message>
        <source>Air temperature, whole units</source>
        <translation>Temperatura del aire, unidades enteras</translation>
    </message>
    <message>
        <source>valid range</source>
        <translation>rango válido</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Humedad relativa</translation>
    </message>
    <message>
        <source>Relative humidity, whole units</source>
        <translation>Humedad relativa, unidades enteras</translation>
    </message>
    <message>
        <source>Concrete temperature</source>
        <translation>Temperatura del concreto</translation>
    </message>
    <message>
        <source>Concrete temperature, whole units</source>
        <translation>Temperatura del concreto, unidades enteras</translation>
    </message>
    <message>
        <source>Wind velocity</source>
        <translation>Velocidad del viento</translation>
    </message>
    <message>
        <source>Wind velocity, whole units</source>
        <translation>Velocidad del viento, unidades enteras</translation>
    </message>
    <message>
        <source>Rate of evaporation</source>
        <translation>Tasa de evaporación</translation>
    </message>
    <message>
        <source>By nomograph</source>
        <translation>Por nomograma</translation>
    </message>
    <message>
        <source>Rate by nomograph</source>
        <translation>Tasa por nomograma</translation>
    </message>
    <message>
        <source>By ACI equation</source>
        <translation>Por la ecuación del ACI</translation>
    </message>
    <message>
        <source>Rate by ACI equation</source>
        <translation>Tasa por la ecuación del ACI</translation>
    </message>
    <message>
        <source>Threshold for precautions</source>
        <translation>Umbral para precauciones</translation>
    </message>
    <message>
        <source>Default rate of</source>
        <translation>Tasa por defecto de</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Alternate rate</source>
        <translation>Tasa alternativa</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Nomograph</source>
        <translation>Nomograma</translation>
    </message>
    <message>
        <source>Nomograph chart</source>
        <translation>Gráfico del nomograma</translation>
    </message>
    <message>
        <source>Variation scenarios</source>
        <translation>Escenarios de variación</translation>
    </message>
    <message>
        <source>Each row varies one reading, the others held, until the ACI equation gives the rate on the right.</source>
        <translation>Cada fila varía una lectura, con las demás fijas, hasta que la ecuación del ACI da la tasa de la derecha.</translation>
    </message>
    <message>
        <source>Successful variation</source>
        <translation>Variación lograda</translation>
    </message>
    <message>
        <source>Fixed input value</source>
        <translation>Valor de entrada fijo</translation>
    </message>
    <message>
        <source>Illegal math or outside valid limits</source>
        <translation>Cálculo imposible o fuera de los límites válidos</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Obra</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Save reading</source>
        <translation>Guardar lectura</translation>
    </message>
    <message>
        <source>No readings logged</source>
        <translation>Ninguna lectura registrada</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>About the thresholds</source>
        <translation>Sobre los umbrales</translation>
    </message>
    <message>
        <source>Above 0.2 lb/ft²/hr (1.0 kg/m²/hr) measures shall be taken to prevent excessive moisture loss from unhardened concrete; above 0.1 lb/ft²/hr (0.5 kg/m²/hr) measures may be needed. Otherwise plastic cracking is likely. The architect or engineer may set a lower rate: mixtures with low water-cement ratios or with pozzolans may need one.</source>
        <translation>Por encima de 0,2 lb/ft²/hr (1,0 kg/m²/hr) deben tomarse medidas para evitar una pérdida excesiva de humedad del concreto fresco; por encima de 0,1 lb/ft²/hr (0,5 kg/m²/hr) pueden ser necesarias medidas. De lo contrario es probable la fisuración plástica. El arquitecto o el ingeniero pueden fijar una tasa menor: las mezclas con baja relación agua/cemento o con puzolanas pueden necesitarla.</translation>
    </message>
    <message>
        <source>How to measure</source>
        <translation>Cómo medir</translation>
    </message>
    <message>
        <source>Wind velocity: the average horizontal wind speed about 20 in (510 mm) above the surface. Air temperature and humidity: about 4 to 6 ft (1.2 to 1.8 m) above the surface, on its windward side, out of the sun.</source>
        <translation>Velocidad del viento: la velocidad horizontal media del viento a unas 20 in (510 mm) sobre la superficie. Temperatura del aire y humedad: a unos 4 a 6 ft (1,2 a 1,8 m) sobre la superficie, del lado de barlovento, a la sombra.</translation>
    </message>
</context>
<context>
    <name>capture</name>
    <message>
        <source>The window could not be captured, so nothing was printed.</source>
        <translation>No se pudo capturar la ventana, así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Impresión fallida</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application Title</source>
        <translation>Título de la aplicación</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Concrete Curing Evaporation Rate Calculator </source>
        <translation>Calculadora de la tasa de evaporación para el curado del concreto </translation>
    </message>
    <message>
        <source>Telephone: 555-0142</source>
        <translation>Teléfono: 555-0142</translation>
    </message>
    <message>
        <source>Warning: Brackmere is an aid to engineering judgement, not a substitute for it. Check its results against the project requirements and the conditions on site before acting on them.</source>
        <translation>Advertencia: Brackmere ayuda al criterio técnico, no lo sustituye. Compare sus resultados con los requisitos del proyecto y las condiciones de la obra antes de actuar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>When (UTC)</source>
        <translation>Cuándo (UTC)</translation>
    </message>
    <message>
        <source>(not named)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>History of Record %1</source>
        <translation>Historial del registro %1</translation>
    </message>
    <message>
        <source>Deleted Records</source>
        <translation>Registros borrados</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Recuperar esta versión</translation>
    </message>
    <message>
        <source>Restore Record</source>
        <translation>Recuperar registro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The history could not be read from %1: %2</source>
        <translation>No se pudo leer el historial de %1: %2</translation>
    </message>
    <message>
        <source>No deleted records.</source>
        <translation>No hay registros borrados.</translation>
    </message>
    <message>
        <source>Records deleted and not brought back since, each as it was deleted, the latest first.</source>
        <translation>Registros borrados y no recuperados, cada uno como estaba al borrarse, lo más reciente primero.</translation>
    </message>
    <message>
        <source>Record %1 has not been changed since it was saved.</source>
        <translation>El registro %1 no ha cambiado desde que se guardó.</translation>
    </message>
    <message>
        <source>Record %1 as it is now, then as it was before each change, delete or restore, the latest first.</source>
        <translation>El registro %1 tal como está ahora y luego como estaba antes de cada cambio, borrado o recuperación, lo más reciente primero.</translation>
    </message>
    <message>
        <source>Bring back record %1 (%2)?</source>
        <translation>¿Recuperar el registro %1 (%2)?</translation>
    </message>
    <message>
        <source>Put record %1 back as it was before it was %2?</source>
        <translation>¿Devolver el registro %1 a como estaba antes de ser %2?</translation>
    </message>
    <message>
        <source>The record could not be restored in &quot;%1&quot;.
%2</source>
        <translation>No se pudo recuperar el registro en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>Record %1 is back as record %2: its number was taken meanwhile.</source>
        <translation>El registro %1 vuelve como registro %2: su número se ocupó entretanto.</translation>
    </message>
    <message>
        <source>%1 by %2, %3 UTC</source>
        <translation>%1 por %2, %3 UTC</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Only necessary if erased by other forms or after resizing window.</source>
        <translation>Solo es necesario si otras ventanas lo borraron o tras cambiar el tamaño de la ventana.</translation>
    </message>
    <message>
        <source>When the evaporation rate exceeds 0.2 lb/ft²/hr (1.0 kg/m²/hr), measures shall be taken to prevent excessive moisture loss from the surface of unhardened concrete; when the rate exceeds 0.1 lb/ft²/hr (0.5 kg/m²/hr) such measures may be needed.  When excessive moisture loss is not prevented, plastic cracking is likely to occur.</source>
        <translation>Cuando la tasa de evaporación supera 0,2 lb/ft²/hr (1,0 kg/m²/hr), deben tomarse medidas para evitar una pérdida excesiva de humedad en la superficie del concreto fresco; cuando supera 0,1 lb/ft²/hr (0,5 kg/m²/hr), tales medidas pueden ser necesarias.  Si no se evita la pérdida excesiva de humedad, es probable la fisuración plástica.</translation>
    </message>
    <message>
        <source>Display Valid Input Ranges</source>
        <translation>Mostrar los intervalos válidos</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>View Saved Data Records</source>
        <translation>Ver registros</translation>
    </message>
    <message>
        <source>By Nomograph</source>
        <translation>Por nomograma</translation>
    </message>
    <message>
        <source>By ACI Eqn.</source>
        <translation>Por ecuación ACI</translation>
    </message>
    <message>
        <source>Threshold Evaporartion Rate for Required Precautions</source>
        <translation>Tasa de evaporación umbral para precauciones obligatorias</translation>
    </message>
    <message>
        <source>Use alternate rate of</source>
        <translation>Usar otra tasa de</translation>
    </message>
    <message>
        <source>Mix:</source>
        <translation>Mezcla:</translation>
    </message>
    <message>
        <source>The default value may be revised by the architect/engineer.  Concrete mixtures with lower water cement ratios or containing conventional or ultra-fine pozzolan or cementious materials may require lower allowable evaporation rates.</source>
        <translation>El arquitecto o ingeniero puede revisar el valor por defecto.  Las mezclas con menor relación agua/cemento o con puzolanas o materiales cementantes convencionales o ultrafinos pueden requerir tasas de evaporación admisibles menores.</translation>
    </message>
    <message>
        <source>If the rate of evaporation approaches the default value of 0.2 lb/ft²/hr (1 kg/m²/hr), precautions against plastic-shrinkage cracking are necessary.</source>
        <translation>Si la tasa de evaporación se acerca al valor por defecto de 0,2 lb/ft²/hr (1 kg/m²/hr), son necesarias precauciones contra la fisuración por retracción plástica.</translation>
    </message>
    <message>
        <source>Variation Legend</source>
        <translation>Leyenda de variaciones</translation>
    </message>
    <message>
        <source>- Successful Variation</source>
        <translation>- Variación lograda</translation>
    </message>
    <message>
        <source>- Fixed Input Value</source>
        <translation>- Valor de entrada fijo</translation>
    </message>
    <message>
        <source>- Illegal Math or Outside Valid Limits</source>
        <translation>- Cálculo imposible o fuera de límites</translation>
    </message>
    <message>
        <source>Redraw Nomograph Solution</source>
        <translation>Redibujar la solución</translation>
    </message>
    <message>
        <source>Wind speed is the average horizontal air or wind speed in mph (km/h) and should be measured at a level approximately 20 in. (510 mm) higher than the evaporating surface. Air temperature and relative humidity should be measured at a level approximately 4 to 6 ft (1.2 to 1.8 m) higher than the evaporating surface on its windward side shielded from the sun’s rays (PCA Journal 1957).</source>
        <translation>La velocidad del viento es la velocidad horizontal media del aire en mph (km/h) y debe medirse unos 20 in (510 mm) por encima de la superficie que evapora. La temperatura del aire y la humedad relativa deben medirse unos 4 a 6 ft (1,2 a 1,8 m) por encima de esa superficie, en el lado de barlovento y a la sombra (PCA Journal 1957).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Pour-Day &amp;Outlook…</source>
        <translation>Pron&amp;óstico del día de colado…</translation>
    </message>
    <message>
        <source>Records &amp;Location…</source>
        <translation>&amp;Ubicación de registros…</translation>
    </message>
    <message>
        <source>&amp;Copy Local Records to Server…</source>
        <translation>&amp;Copiar registros locales al servidor…</translation>
    </message>
    <message>
        <source>&amp;Import Records…</source>
        <translation>I&amp;mportar registros…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Form</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Text Report</source>
        <translation>&amp;Informe de texto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>U&amp;nidades</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <source>&amp;Measures…</source>
        <translation>&amp;Medidas…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Brackmere - Concrete Curing Evaporation Rate Calculator </source>
        <translation>Brackmere - Calculadora de la tasa de evaporación para el curado del concreto </translation>
    </message>
    <message>
        <source>Capture form and send to default printer.</source>
        <translation>Capturar la ventana y enviarla a la impresora predeterminada.</translation>
    </message>
    <message>
        <source>No solution path: enter four readings inside their ranges.</source>
        <translation>Sin trayectoria de solución: introduzca cuatro lecturas dentro de sus intervalos.</translation>
    </message>
    <message>
        <source>Solution path through %1 to the rate %2 %3</source>
        <translation>Trayectoria de solución por %1 hasta la tasa %2 %3</translation>
    </message>
    <message>
        <source>%1 when varying %2</source>
        <translation>%1 al variar la %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sin valor</translation>
    </message>
    <message>
        <source>fixed input</source>
        <translation>entrada fija</translation>
    </message>
    <message>
        <source>successful variation</source>
        <translation>variación lograda</translation>
    </message>
    <message>
        <source>illegal math or outside valid limits</source>
        <translation>cálculo imposible o fuera de límites</translation>
    </message>
    <message>
        <source>%1 for the rate %2 %3: %4</source>
        <translation>%1 para la tasa %2 %3: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Records Location</source>
        <translation>Ubicación de registros</translation>
    </message>
    <message>
        <source>The choice is saved. On this computer the environment variable %1 still decides where records live.</source>
        <translation>La elección está guardada. En este equipo la variable de entorno %1 sigue decidiendo dónde están los registros.</translation>
    </message>
    <message>
        <source>
The records stay where they were: %1.</source>
        <translation>
Los registros siguen donde estaban: %1.</translation>
    </message>
    <message>
        <source>Records are now kept in %1.</source>
        <translation>Los registros se guardan ahora en %1.</translation>
    </message>
    <message>
        <source>Copy Local Records to Server</source>
        <translation>Copiar registros locales al servidor</translation>
    </message>
    <message>
        <source>Records files (*.mdb);;All files (*)</source>
        <translation>Archivos de registros (*.mdb);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Copying the records to %1…</source>
        <translation>Copiando los registros a %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; lies on a network file system (%2). When several computers save to it at once, its locking cannot be trusted there and the file can be damaged.

To keep one log for a team, keep the records on a records server instead: File, Records Location.</source>
        <translation>El archivo de registros &quot;%1&quot; está en un sistema de archivos de red (%2). Si varios equipos guardan en él a la vez, su bloqueo no es fiable allí y el archivo puede dañarse.

Para llevar un registro único de equipo, guarde los registros en un servidor de registros: Archivo, Ubicación de registros.</translation>
    </message>
    <message>
        <source>Records on a Network File System</source>
        <translation>Registros en un sistema de archivos de red</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Rate by nomograph</source>
        <translation>Tasa por nomograma</translation>
    </message>
    <message>
        <source>Rate by ACI equation</source>
        <translation>Tasa por ecuación ACI</translation>
    </message>
    <message>
        <source>Precaution message</source>
        <translation>Mensaje de precaución</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>Imprimir la ventana</translation>
    </message>
    <message>
        <source>Nomograph</source>
        <translation>Nomograma</translation>
    </message>
    <message>
        <source>Print sent to default printer.</source>
        <translation>Impresión enviada a la impresora predeterminada.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Error #%1 %2<byte value="xd"/>Try to continue?</source>
        <translation>Error n.º %1 %2<byte value="xd"/>¿Intentar continuar?</translation>
    </message>
    <message>
        <source>Error encountered.</source>
        <translation>Se produjo un error.</translation>
    </message>
    <message>
        <source>Alternate rate (%1)</source>
        <translation>Tasa alternativa (%1)</translation>
    </message>
    <message>
        <source>Pour &amp;Report…</source>
        <translation>&amp;Informe de colado…</translation>
    </message>
    <message>
        <source>Next planned pour: %1: %2</source>
        <translation>Próximo colado planificado: %1: %2</translation>
    </message>
</context>
<context>
    <name>frmMeasures</name>
    <message>
        <source>Measures</source>
        <translation>Medidas</translation>
    </message>
</context>
<context>
    <name>frmOutlook</name>
    <message>
        <source>Pour-Day Outlook</source>
        <translation>Pronóstico del día de colado</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Pronóstico</translation>
    </message>
    <message>
        <source>Site name</source>
        <translation>Nombre de la obra</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>How many days the forecast covers, 1 to 16. Hours past a model&apos;s horizon may come without values.</source>
        <translation>Cuántos días cubre el pronóstico, de 1 a 16. Las horas más allá del horizonte de un modelo pueden venir sin valores.</translation>
    </message>
    <message>
        <source>Fetch Forecast</source>
        <translation>Obtener pronóstico</translation>
    </message>
    <message>
        <source>Server…</source>
        <translation>Servidor…</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Obra</translation>
    </message>
    <message>
        <source>Latitude (°N)</source>
        <translation>Latitud (°N)</translation>
    </message>
    <message>
        <source>Longitude (°E)</source>
        <translation>Longitud (°E)</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>Importar CSV…</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>Pegar filas</translation>
    </message>
    <message>
        <source>Add Hour</source>
        <translation>Añadir hora</translation>
    </message>
    <message>
        <source>Delete Hours</source>
        <translation>Eliminar horas</translation>
    </message>
    <message>
        <source>Every reading</source>
        <translation>Cada lectura</translation>
    </message>
    <message>
        <source>A meter&apos;s readings one row each, rather than the means of each clock hour; an imported file is read again.</source>
        <translation>Las lecturas de un medidor en una fila cada una, en lugar de las medias de cada hora de reloj; un archivo importado se vuelve a leer.</translation>
    </message>
    <message>
        <source>Recorded and printed with the hours; it changes no rate. Direct sun can double what shade gives, but no published model of its effect yet agrees well enough with measured evaporation.</source>
        <translation>Se registra e imprime con las horas; no cambia ninguna tasa. El sol directo puede duplicar lo que da la sombra, pero ningún modelo publicado de su efecto concuerda aún lo bastante con la evaporación medida.</translation>
    </message>
    <message>
        <source>Sun on the slab</source>
        <translation>Sol sobre la losa</translation>
    </message>
    <message>
        <source>Where the source has no value</source>
        <translation>Donde la fuente no tiene valor</translation>
    </message>
    <message>
        <source>Concrete = air +</source>
        <translation>Concreto = aire +</translation>
    </message>
    <message>
        <source>Concrete =</source>
        <translation>Concreto =</translation>
    </message>
    <message>
        <source>Forecast wind is given 10 m above ground; the nomograph wants it about 0.5 m above the slab. 0.65 is the 1/7 power law; 1 leaves it.</source>
        <translation>El viento pronosticado se da a 10 m sobre el suelo; el nomograma lo quiere a unos 0,5 m sobre la losa. 0,65 es la ley de potencia 1/7; 1 lo deja igual.</translation>
    </message>
    <message>
        <source>Wind height factor</source>
        <translation>Factor de altura del viento</translation>
    </message>
    <message>
        <source>Safe window</source>
        <translation>Ventana segura</translation>
    </message>
    <message>
        <source>The next window looked for is at least this long.</source>
        <translation>La próxima ventana buscada dura al menos esto.</translation>
    </message>
    <message>
        <source>Below the threshold</source>
        <translation>Bajo el umbral</translation>
    </message>
    <message>
        <source>Hours not above the threshold in force are safe.</source>
        <translation>Las horas que no superan el umbral vigente son seguras.</translation>
    </message>
    <message>
        <source>“OK” only</source>
        <translation>Solo “OK”</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>Al menos</translation>
    </message>
    <message>
        <source>Show Hour in Calculator</source>
        <translation>Mostrar hora en la calculadora</translation>
    </message>
    <message>
        <source>Save Hours as Records</source>
        <translation>Guardar horas como registros</translation>
    </message>
    <message>
        <source>Measures…</source>
        <translation>Medidas…</translation>
    </message>
    <message>
        <source>What a crew does against plastic cracking for the selected hour&apos;s class.</source>
        <translation>Lo que hace una cuadrilla contra la fisuración plástica para la clase de la hora elegida.</translation>
    </message>
    <message>
        <source>Pour Report…</source>
        <translation>Informe de colado…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo Delete Hours</source>
        <translation>&amp;Deshacer eliminar horas</translation>
    </message>
    <message>
        <source>The forecast could not be kept for use without the network in &quot;%1&quot;.</source>
        <translation>No se pudo guardar el pronóstico para usarlo sin red en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>
The hours shown are unchanged.</source>
        <translation>
Las horas mostradas no han cambiado.</translation>
    </message>
    <message>
        <source>No hours yet: fetch a forecast, import a CSV file or paste rows.</source>
        <translation>Aún no hay horas: obtenga un pronóstico, importe un archivo CSV o pegue filas.</translation>
    </message>
    <message>
        <source>Only hours whose rate is at or below %1 %2, the message “OK”, are safe.</source>
        <translation>Solo las horas cuya tasa es de %1 %2 o menos, el mensaje “OK”, son seguras.</translation>
    </message>
    <message>
        <source>Measures: %1</source>
        <translation>Medidas: %1</translation>
    </message>
    <message>
        <source>A pour report of these hours, to print or save as PDF.</source>
        <translation>Un informe de colado de estas horas, para imprimir o guardar como PDF.</translation>
    </message>
    <message>
        <source>The pour report is not available in this window.</source>
        <translation>El informe de colado no está disponible en esta ventana.</translation>
    </message>
    <message>
        <source>Replace the %1 hours shown, typed or edited here, with %2? They are not kept anywhere else.</source>
        <translation>¿Reemplazar las %1 horas mostradas, escritas o editadas aquí, por %2? No se guardan en ningún otro lugar.</translation>
    </message>
    <message>
        <source>Forecast hours, edited</source>
        <translation>Horas del pronóstico, editadas</translation>
    </message>
    <message>
        <source>, edited</source>
        <translation>, editadas</translation>
    </message>
    <message>
        <source>The outlook was sent to the default printer.</source>
        <translation>El pronóstico se envió a la impresora predeterminada.</translation>
    </message>
    <message>
        <source>Select the hours to save first.</source>
        <translation>Seleccione primero las horas que desea guardar.</translation>
    </message>
    <message>
        <source>; sun on the slab: </source>
        <translation>; sol sobre la losa: </translation>
    </message>
    <message>
        <source>Pour-day outlook: </source>
        <translation>Pronóstico del día de colado: </translation>
    </message>
    <message>
        <source>None of the selected hours could be computed, so none was saved.</source>
        <translation>Ninguna de las horas elegidas se pudo calcular, así que no se guardó ninguna.</translation>
    </message>
    <message>
        <source>The hours could not be saved in &quot;%1&quot;; none was saved.
%2</source>
        <translation>No se pudieron guardar las horas en &quot;%1&quot;; no se guardó ninguna.
%2</translation>
    </message>
    <message>
        <source>%1 hours saved as records.</source>
        <translation>%1 horas guardadas como registros.</translation>
    </message>
    <message>
        <source> %1 selected hours could not be computed and were not saved.</source>
        <translation> %1 horas elegidas no se pudieron calcular y no se guardaron.</translation>
    </message>
    <message>
        <source>The API key is not sent to %1: over plain http anyone on the way could read it. Use the server&apos;s https:// address, or leave the key empty.</source>
        <translation>La clave de API no se envía a %1: por http sin cifrar cualquiera en el camino podría leerla. Use la dirección https:// del servidor o deje la clave vacía.</translation>
    </message>
    <message>
        <source>Units of the File</source>
        <translation>Unidades del archivo</translation>
    </message>
    <message>
        <source>Temperatures are in</source>
        <translation>Las temperaturas están en</translation>
    </message>
    <message>
        <source>Wind velocities are in</source>
        <translation>Las velocidades del viento están en</translation>
    </message>
    <message>
        <source>Import Hours from a CSV File</source>
        <translation>Importar horas de un archivo CSV</translation>
    </message>
    <message>
        <source>CSV files and logs (*.csv *.txt *.dat);;All files (*)</source>
        <translation>Archivos CSV y registros (*.csv *.txt *.dat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is %2; the outlook reads files of up to %3.</source>
        <translation>El archivo &quot;%1&quot; ocupa %2; el pronóstico lee archivos de hasta %3.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Leyendo %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be imported.
%2</source>
        <translation>No se pudo importar el archivo &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>the hours of %1</source>
        <translation>las horas de %1</translation>
    </message>
    <message>
        <source>From %1 (%2): </source>
        <translation>De %1 (%2): </translation>
    </message>
    <message>
        <source>%1 hours, the means of %2 readings</source>
        <translation>%1 horas, las medias de %2 lecturas</translation>
    </message>
    <message>
        <source>, %1 with a value that could not be read (marked)</source>
        <translation>, %1 con un valor que no se pudo leer (marcadas)</translation>
    </message>
    <message>
        <source>, 1 unreadable reading left out of the means</source>
        <translation>, 1 lectura ilegible excluida de las medias</translation>
    </message>
    <message>
        <source>, %1 unreadable readings left out of the means</source>
        <translation>, %1 lecturas ilegibles excluidas de las medias</translation>
    </message>
    <message>
        <source>The pasted rows could not be read.
%1</source>
        <translation>No se pudieron leer las filas pegadas.
%1</translation>
    </message>
    <message>
        <source>Typed or pasted hours</source>
        <translation>Horas escritas o pegadas</translation>
    </message>
    <message>
        <source>Type the site&apos;s latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees, for instance 47.3769 and 8.5417.</source>
        <translation>Escriba la latitud (-90 a 90 °N) y la longitud (-180 a 180 °E) de la obra en grados, por ejemplo 47.3769 y 8.5417.</translation>
    </message>
    <message>
        <source>the forecast for %1</source>
        <translation>el pronóstico de %1</translation>
    </message>
    <message>
        <source>Fetching the forecast for %1 from %2…</source>
        <translation>Obteniendo el pronóstico de %1 desde %2…</translation>
    </message>
    <message>
        <source>Forecast for %1 (%2), %3 hours in the site&apos;s time (%4)</source>
        <translation>Pronóstico de %1 (%2), %3 horas en la hora local de la obra (%4)</translation>
    </message>
    <message>
        <source>, %1 without a forecast value (marked)</source>
        <translation>, %1 sin valor pronosticado (marcadas)</translation>
    </message>
    <message>
        <source>, from %1, fetched %2</source>
        <translation>, de %1, obtenido %2</translation>
    </message>
    <message>
        <source> (kept from then: the server was not asked again)</source>
        <translation> (guardado de entonces: no se volvió a consultar el servidor)</translation>
    </message>
    <message>
        <source>the forecast kept for %1</source>
        <translation>el pronóstico guardado para %1</translation>
    </message>
    <message>
        <source>Forecast Server</source>
        <translation>Servidor de pronósticos</translation>
    </message>
    <message>
        <source> It is sent only over https, or over http to this computer: over plain http anyone on the way could read it.</source>
        <translation> Solo se envía por https, o por http a este equipo: por http sin cifrar cualquiera en el camino podría leerla.</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>URL base</translation>
    </message>
    <message>
        <source>Geocoding service (Find Site)</source>
        <translation>Servicio de geocodificación (Buscar obra)</translation>
    </message>
    <message>
        <source>API key (optional)</source>
        <translation>Clave de API (opcional)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address (http:// or https://).</source>
        <translation>&quot;%1&quot; no es una dirección web (http:// o https://).</translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation> No se cambió nada.</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Soleado</translation>
    </message>
    <message>
        <source>Shaded</source>
        <translation>A la sombra</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>frmPlanPour</name>
    <message>
        <source>Plan a Pour</source>
        <translation>Planificar un colado</translation>
    </message>
    <message>
        <source>Pour</source>
        <translation>Colado</translation>
    </message>
    <message>
        <source>Concrete = air +</source>
        <translation>Concreto = aire +</translation>
    </message>
    <message>
        <source>Concrete =</source>
        <translation>Concreto =</translation>
    </message>
    <message>
        <source>Find a site</source>
        <translation>Buscar una obra</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Obra</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Where the forecast has no value</source>
        <translation>Donde el pronóstico no tiene valor</translation>
    </message>
    <message>
        <source>this computer&apos;s (%1): find the site to use its own</source>
        <translation>la de este equipo (%1): busque la obra para usar la suya</translation>
    </message>
    <message>
        <source>Name the site, or find it by name or postcode.</source>
        <translation>Nombre la obra o búsquela por nombre o código postal.</translation>
    </message>
    <message>
        <source>Type the site&apos;s latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees.</source>
        <translation>Escriba la latitud (-90 a 90 °N) y la longitud (-180 a 180 °E) de la obra en grados.</translation>
    </message>
    <message>
        <source>The pour&apos;s end must come after its start.</source>
        <translation>El fin del colado debe ser posterior a su inicio.</translation>
    </message>
    <message>
        <source>The threshold must be a rate above 0 in %1, not &quot;%2&quot;.</source>
        <translation>El umbral debe ser una tasa mayor que 0 en %1, no &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>frmPourReport</name>
    <message>
        <source>Pour Report</source>
        <translation>Informe de colado</translation>
    </message>
    <message>
        <source>%1; threshold in force %2 %3</source>
        <translation>%1; umbral vigente %2 %3</translation>
    </message>
    <message>
        <source>%1 hours. %2 %3 borderline hours.</source>
        <translation>%1 horas. %2 %3 horas dudosas.</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Planificada</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Tomada</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Obra:</translation>
    </message>
    <message>
        <source>&amp;Pour or element:</source>
        <translation>&amp;Colado o elemento:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Prepared &amp;by:</source>
        <translation>&amp;Preparado por:</translation>
    </message>
    <message>
        <source>Mix:</source>
        <translation>Mezcla:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Horas:</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>Guardar como P&amp;DF…</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>&amp;Measures planned and taken:</source>
        <translation>&amp;Medidas planificadas y tomadas:</translation>
    </message>
    <message>
        <source>&amp;Other measures:</source>
        <translation>O&amp;tras medidas:</translation>
    </message>
    <message>
        <source>&amp;Remarks:</source>
        <translation>Obse&amp;rvaciones:</translation>
    </message>
    <message>
        <source>The report was saved as &quot;%1&quot;</source>
        <translation>El informe se guardó como &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The report was sent to the default printer</source>
        <translation>El informe se envió a la impresora predeterminada</translation>
    </message>
    <message>
        <source>%1, but it could not be kept in %2:
%3</source>
        <translation>%1, pero no se pudo guardar en %2:
%3</translation>
    </message>
    <message>
        <source>%1 and kept beside the records as report %2.
Its digest (SHA-256): %3</source>
        <translation>%1 y se guardó junto a los registros como informe %2.
Su resumen (SHA-256): %3</translation>
    </message>
</context>
<context>
    <name>frmRecordsLocation</name>
    <message>
        <source>Records Location</source>
        <translation>Ubicación de registros</translation>
    </message>
    <message>
        <source>On this computer the environment variable %1 sets where records live: &quot;%2&quot;. The choice below is kept for when it is not set.</source>
        <translation>En este equipo la variable de entorno %1 fija dónde están los registros: &quot;%2&quot;. La elección de abajo se guarda para cuando no esté definida.</translation>
    </message>
    <message>
        <source>This computer&apos;s records file: &quot;%1&quot;</source>
        <translation>El archivo de registros de este equipo: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>A records server (PostgreSQL), for a team&apos;s one log:</source>
        <translation>Un servidor de registros (PostgreSQL), para el registro único de un equipo:</translation>
    </message>
    <message>
        <source>No password is kept here: the server&apos;s password comes from libpq&apos;s password file (~/.pgpass) or PGPASSWORD, or is asked for once each time the program starts.</source>
        <translation>Aquí no se guarda ninguna contraseña: la del servidor viene del archivo de contraseñas de libpq (~/.pgpass) o de PGPASSWORD, o se pide una vez cada vez que se inicia el programa.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <source>Type the server&apos;s address as postgresql://user@host:5432/database.</source>
        <translation>Escriba la dirección del servidor como postgresql://user@host:5432/database.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Selected Threshold Evap. Rate</source>
        <translation>Tasa de evap. umbral elegida</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Calculated Evaporation Rate</source>
        <translation>Tasa de evaporación calculada</translation>
    </message>
    <message>
        <source>Calculation Response</source>
        <translation>Resultado del cálculo</translation>
    </message>
    <message>
        <source>Record Date</source>
        <translation>Fecha del registro</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Hora del registro</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Obra</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The record time &quot;%1&quot; cannot be read. Type it as %2.</source>
        <translation>No se puede leer la hora &quot;%1&quot;. Escríbala como %2.</translation>
    </message>
    <message>
        <source>The record date &quot;%1&quot; cannot be read. Type it as %2.</source>
        <translation>No se puede leer la fecha &quot;%1&quot;. Escríbala como %2.</translation>
    </message>
    <message>
        <source>The record could not be saved in &quot;%1&quot;.
%2</source>
        <translation>No se pudo guardar el registro en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>Record added.</source>
        <translation>Registro añadido.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
</context>
<context>
    <name>frmSavedReports</name>
    <message>
        <source>Pour Reports</source>
        <translation>Informes de colado</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Saved at (UTC)</source>
        <translation>Guardado (UTC)</translation>
    </message>
    <message>
        <source>Saved by</source>
        <translation>Guardado por</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Obra</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Digest (SHA-256)</source>
        <translation>Resumen (SHA-256)</translation>
    </message>
    <message>
        <source>The pour reports in %1 could not be read: %2</source>
        <translation>No se pudieron leer los informes de colado de %1: %2</translation>
    </message>
    <message>
        <source>Pour reports kept in %1: %2.</source>
        <translation>Informes de colado guardados en %1: %2.</translation>
    </message>
    <message>
        <source>The digest printed at the foot of a copy</source>
        <translation>El resumen impreso al pie de una copia</translation>
    </message>
    <message>
        <source>Check a copy&apos;s &amp;digest:</source>
        <translation>Comprobar el &amp;resumen de una copia:</translation>
    </message>
    <message>
        <source>No saved pour report has this digest: the copy differs from every saved report.</source>
        <translation>Ningún informe de colado guardado tiene este resumen: la copia difiere de todos los informes guardados.</translation>
    </message>
    <message>
        <source>The copy matches report %1, &quot;%2&quot;, saved %3 by %4.</source>
        <translation>La copia coincide con el informe %1, &quot;%2&quot;, guardado %3 por %4.</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Saved Records</source>
        <translation>Registros guardados</translation>
    </message>
    <message>
        <source>These records are from the records server: &quot;%1&quot;</source>
        <translation>Estos registros son del servidor de registros: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>These records are from the Access database: &quot;%1&quot;</source>
        <translation>Estos registros son de la base de datos Access: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>These records are from the Access database:</source>
        <translation>Estos registros son de la base de datos Access:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Include column headers</source>
        <translation>Incluir encabezados</translation>
    </message>
    <message>
        <source>Include Access RecID</source>
        <translation>Incluir RecID de Access</translation>
    </message>
    <message>
        <source>Include column with the auto record number generated within Access.</source>
        <translation>Incluir la columna con el número de registro automático generado en Access.</translation>
    </message>
    <message>
        <source>Copy All Data to Clipboard</source>
        <translation>Copiar todos los datos al portapapeles</translation>
    </message>
    <message>
        <source>Edit privileges are active for the main purpose of editing the Misc. Note.</source>
        <translation>La edición está activa sobre todo para editar la nota.</translation>
    </message>
    <message>
        <source>Results are not updated if input variables are changed here.</source>
        <translation>Los resultados no se actualizan si aquí se cambian las entradas.</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Borrar registro</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Borrar todos</translation>
    </message>
    <message>
        <source>Return Record Inputs to Calculator</source>
        <translation>Devolver las entradas a la calculadora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Write the records shown, every column, to a CSV file.</source>
        <translation>Escribe los registros mostrados, con todas las columnas, en un archivo CSV.</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportar PDF…</translation>
    </message>
    <message>
        <source>Write the records shown as a report in a PDF file.</source>
        <translation>Escribe los registros mostrados como informe en un archivo PDF.</translation>
    </message>
    <message>
        <source>Import Records…</source>
        <translation>Importar registros…</translation>
    </message>
    <message>
        <source>Add the records of a CSV file written by Export CSV or by the field edition&apos;s log; records already here are not added again.</source>
        <translation>Añade los registros de un archivo CSV escrito por Exportar CSV o por el registro de la edición de campo; los que ya están aquí no se añaden otra vez.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>Show every version of the selected record, who changed it and when.</source>
        <translation>Muestra cada versión del registro elegido, quién lo cambió y cuándo.</translation>
    </message>
    <message>
        <source>Show Deleted…</source>
        <translation>Ver borrados…</translation>
    </message>
    <message>
        <source>List the deleted records, to bring one back.</source>
        <translation>Lista los registros borrados, para recuperar uno.</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Obra:</translation>
    </message>
    <message>
        <source>All sites</source>
        <translation>Todas las obras</translation>
    </message>
    <message>
        <source>Dates from</source>
        <translation>Fechas desde</translation>
    </message>
    <message>
        <source>Show only the records dated from the first day to the last, both included.</source>
        <translation>Muestra solo los registros fechados del primer al último día, ambos incluidos.</translation>
    </message>
    <message>
        <source>Show &amp;in:</source>
        <translation>Mostrar &amp;en:</translation>
    </message>
    <message>
        <source>Readings and rates in one unit system, converted for showing, sorting, copying and exporting only, or each record as it was saved.</source>
        <translation>Lecturas y tasas en un solo sistema de unidades, convertidas solo para mostrar, ordenar, copiar y exportar, o cada registro tal como se guardó.</translation>
    </message>
    <message>
        <source>The records could not be read</source>
        <translation>No se pudieron leer los registros</translation>
    </message>
    <message>
        <source>Measures may be needed.  </source>
        <translation>Pueden ser necesarias medidas.  </translation>
    </message>
    <message>
        <source>The change to the record could not be saved</source>
        <translation>No se pudo guardar el cambio del registro</translation>
    </message>
    <message>
        <source>Delete record: </source>
        <translation>Borrar el registro: </translation>
    </message>
    <message>
        <source>The record could not be deleted</source>
        <translation>No se pudo borrar el registro</translation>
    </message>
    <message>
        <source>Delete all records?</source>
        <translation>¿Borrar todos los registros?</translation>
    </message>
    <message>
        <source>Delete the %1 shown (%2)?</source>
        <translation>¿Borrar los %1 mostrados (%2)?</translation>
    </message>
    <message>
        <source>Delete all %1 shown?</source>
        <translation>¿Borrar los %1 mostrados?</translation>
    </message>
    <message>
        <source>The records could not be deleted</source>
        <translation>No se pudieron borrar los registros</translation>
    </message>
    <message>
        <source>Pour Report…</source>
        <translation>Informe de colado…</translation>
    </message>
    <message>
        <source>Make a pour report of the selected records.</source>
        <translation>Hacer un informe de colado de los registros elegidos.</translation>
    </message>
    <message>
        <source>Pour Reports…</source>
        <translation>Informes de colado…</translation>
    </message>
    <message>
        <source>List the pour reports kept beside the records, and check a copy&apos;s digest.</source>
        <translation>Listar los informes de colado guardados junto a los registros y comprobar el resumen de una copia.</translation>
    </message>
</context>
</TS>
