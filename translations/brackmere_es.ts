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
        <source>Usage: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
                 [--concrete air+N|N] [--every-reading]]
       brackmere --help | --version
</source>
        <translation>Uso: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
                [--concrete air+N|N] [--every-reading]]
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
  --version           Prints the version.
  -h, --help          Prints this help.

Exit status: %6 when at least one row was computed, %7 when the file was read but no
row could be computed, %8 when the arguments or the input cannot be used.
</source>
        <translation>
Sin opciones, abre la ventana de la calculadora.

  --outlook FILE.csv  Lee lecturas de FILE.csv, o de la entrada estándar con -, y
                      escribe la tasa por nomograma, la tasa por ecuación y el
                      mensaje de cada fila como CSV en la salida estándar a medida
                      que se calculan, sin abrir ventana. Las columnas se buscan
                      por los nombres de un encabezado en las primeras 20 líneas
                      (las líneas anteriores, como las del aparato de un medidor,
                      se saltan); sin él van en el orden hora, temperatura del
                      aire, humedad relativa, viento, temperatura del concreto (la
                      última es opcional). Las unidades salen del encabezado o de
                      una fila de unidades debajo. El texto puede ser UTF-8, UTF-16
                      o Windows-1252. Las lecturas a menos de una hora entre sí (el
                      registro de un medidor) se promedian por horas de reloj; la
                      columna Readings las cuenta. La entrada estándar y los
                      archivos que no son regulares se leen hasta %1.
  --units us|si       Las unidades de los resultados, de las opciones siguientes y
                      de los valores cuya fuente no nombra unidad: us (°F, mph,
                      lb/ft²/hr, por defecto) o si (°C, km/h, kg/m²/hr).
  --threshold RATE    El umbral vigente, como en la ventana: el de defecto %2
                      (%3 en si), %4 (%5 en si) u otra tasa (una tasa alternativa).
  --concrete air+N|N  Una temperatura del concreto que falta: la del aire más N
                      (air+0, por defecto; también air-2), o N.
  --every-reading     Una fila por lectura en vez de las medias de cada hora.
  --version           Muestra la versión.
  -h, --help          Muestra esta ayuda.

Estado de salida: %6 si se calculó al menos una fila, %7 si se leyó el archivo pero
no se pudo calcular ninguna fila, %8 si no se pueden usar los argumentos o la entrada.
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
</context>
<context>
    <name>frmMeasures</name>
    <message>
        <source>Measures</source>
        <translation>Medidas</translation>
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
</context>
</TS>
