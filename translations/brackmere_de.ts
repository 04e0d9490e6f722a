<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--%1 goes with --outlook FILE.csv.</source>
        <translation>--%1 gehört zu --outlook FILE.csv.</translation>
    </message>
    <message>
        <source>--units takes us or si, not &quot;%1&quot;.</source>
        <translation>--units erwartet us oder si, nicht „%1“.</translation>
    </message>
    <message>
        <source>--threshold takes %1, %2 or another rate above 0 in %3, not &quot;%4&quot;.</source>
        <translation>--threshold erwartet %1, %2 oder eine andere Rate über 0 in %3, nicht „%4“.</translation>
    </message>
    <message>
        <source>--concrete takes air+N, air-N or N in %1, not &quot;%2&quot;.</source>
        <translation>--concrete erwartet air+N, air-N oder N in %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--days erwartet eine Zahl von Tagen von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--%1 goes with --watch.</source>
        <translation>--%1 gehört zu --watch.</translation>
    </message>
    <message>
        <source>--outlook, --watch and --outlook-pour go one at a time.</source>
        <translation>--outlook, --watch und --outlook-pour nur einzeln.</translation>
    </message>
    <message>
        <source>--outlook-pour takes a planned pour&apos;s number, not &quot;%1&quot;.</source>
        <translation>--outlook-pour erwartet die Nummer einer geplanten Betonage, nicht „%1“.</translation>
    </message>
    <message>
        <source>Usage: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
                 [--concrete air+N|N] [--every-reading]]
       brackmere --watch [--days N] [--json] [--notify]
       brackmere --outlook-pour ID
       brackmere --help | --version
</source>
        <translation>Aufruf: brackmere [--outlook DATEI.csv|- [--units us|si] [--threshold RATE]
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
Ohne Optionen öffnet sich das Rechnerfenster.

  --outlook DATEI.csv Liest Messwerte aus DATEI.csv, oder mit - von der Standardeingabe,
                      und schreibt für jede Zeile die Rate aus dem Nomogramm, die Rate
                      der Gleichung und die Meldung als CSV auf die Standardausgabe,
                      sobald sie berechnet sind, ohne ein Fenster zu öffnen. Spalten
                      werden an den Namen einer Kopfzeile in den ersten 20 Zeilen
                      erkannt (Zeilen davor, etwa die eines Messgeräts, werden
                      übergangen); ohne Kopfzeile gilt die Reihenfolge Zeit,
                      Lufttemperatur, relative Luftfeuchte, Wind, Betontemperatur (die
                      letzte ist optional). Einheiten kommen aus der Kopfzeile oder
                      einer Einheitenzeile darunter. Der Text darf UTF-8, UTF-16 oder
                      Windows-1252 sein. Messwerte, die weniger als eine Stunde
                      auseinander liegen (das Protokoll eines Messgeräts), werden zu
                      Uhrstunden gemittelt; die Spalte Messwerte zählt sie. Die
                      Standardeingabe und andere nicht reguläre Dateien werden bis
                      %1 gelesen.
  --units us|si       Die Einheiten der Ergebnisse, der Optionen unten und der Werte,
                      deren Quelle keine Einheit nennt: us (°F, mph, lb/ft²/hr, die
                      Vorgabe) oder si (°C, km/h, kg/m²/hr).
  --threshold RATE    Der geltende Grenzwert, wie im Fenster: die Vorgabe %2
                      (%3 in si), %4 (%5 in si) oder eine andere Rate (eine
                      alternative Rate).
  --concrete air+N|N  Eine fehlende Betontemperatur: die Lufttemperatur plus N
                      (air+0, die Vorgabe; auch air-2), oder N.
  --every-reading     Eine Zeile je Messwert statt der Mittel jeder Uhrstunde.
  --watch             Prüft die geplanten Betonagen der kommenden Tage gegen die
                      Vorhersagen ihrer Baustellen (jede Baustelle einmal abgerufen;
                      die gespeicherte Vorhersage mit ihrem Alter, wenn der Server
                      nicht erreichbar ist) und schreibt eine Zeile je Betonage:
                      gefährdet, grenzwertig oder unbedenklich, mit ihren Stunden und
                      der schlechtesten Rate.
  --days N            Die kommenden Tage, die die Überwachung prüft, 1 bis 15 (Vorgabe 3).
  --json              Die Ergebnisse der Überwachung als JSON.
  --notify            Eine Desktop-Benachrichtigung für jede Betonage, deren Zustand sich
                      seit der letzten Prüfung geändert hat; ein Klick öffnet den
                      Ausblick bei der Betonage. Ein eingerichteter Mailbefehl
                      verschickt die Änderungen ebenfalls.
  --outlook-pour ID   Öffnet das Fenster mit dem Ausblick bei der geplanten Betonage ID.
  --version           Gibt die Version aus.
  -h, --help          Gibt diese Hilfe aus.

Rückgabewert: %6, wenn mindestens eine Zeile berechnet wurde, %7, wenn die Datei gelesen,
aber keine Zeile berechnet werden konnte, %8, wenn die Argumente oder die Eingabe nicht
verwendbar sind. Die Überwachung: %6, wenn jede Betonage unbedenklich ist, %7, wenn eine
gefährdet oder grenzwertig ist, %8, wenn eine Betonage nicht geprüft werden konnte
(Netz, Server, Datensätze), mit dem Grund.
</translation>
    </message>
</context>
<context>
    <name>CopyUp</name>
    <message>
        <source>The records file &quot;%1&quot; was not found.</source>
        <translation>Die Datensatzdatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; could not be opened: %2</source>
        <translation>Die Datensatzdatei „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The records of &quot;%1&quot; could not be read: %2</source>
        <translation>Die Datensätze von „%1“ konnten nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Nothing was copied to %1: %2</source>
        <translation>Nichts wurde nach %1 kopiert: %2</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was copied.</source>
        <translation>Das Kopieren wurde abgebrochen; nichts wurde kopiert.</translation>
    </message>
    <message>
        <source>Of %1 %2 in the file, %3 copied to the server and %4 there already.</source>
        <translation>Von %1 %2 der Datei wurden %3 auf den Server kopiert, %4 waren schon dort.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Air Temperature</source>
        <translation>Lufttemperatur</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <source>Concrete Temperature</source>
        <translation>Betontemperatur</translation>
    </message>
    <message>
        <source>Wind Velocity</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>air temperature</source>
        <translation>Lufttemperatur</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>relative Luftfeuchte</translation>
    </message>
    <message>
        <source>concrete temperature</source>
        <translation>Betontemperatur</translation>
    </message>
    <message>
        <source>wind velocity</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>US Customary (°F, mph, lb/ft²/hr)</source>
        <translation>US-Einheiten (°F, mph, lb/ft²/hr)</translation>
    </message>
    <message>
        <source>SI (°C, km/h, kg/m²/hr)</source>
        <translation>SI (°C, km/h, kg/m²/hr)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Low-bleed (silica fume, HRWR)</source>
        <translation>Wenig Bluten (Silikastaub, Fließmittel)</translation>
    </message>
    <message>
        <source>Low-bleed</source>
        <translation>Wenig Bluten</translation>
    </message>
    <message>
        <source>Latex-modified overlay</source>
        <translation>Latexmodifizierte Deckschicht</translation>
    </message>
    <message>
        <source>Latex-modified</source>
        <translation>Latexmodifiziert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigener Wert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>In Ordnung</translation>
    </message>
    <message>
        <source>Measures may be needed.</source>
        <translation>Maßnahmen können nötig sein.</translation>
    </message>
    <message>
        <source>Measures shall be taken.</source>
        <translation>Maßnahmen sind zu ergreifen.</translation>
    </message>
    <message>
        <source>Cure the concrete as usual as soon as finishing allows, because every slab needs curing whatever the rate.</source>
        <translation>Den Beton wie üblich nachbehandeln, sobald das Glätten es erlaubt, denn jede Platte braucht Nachbehandlung, gleich bei welcher Rate.</translation>
    </message>
    <message>
        <source>Read the conditions again when the weather changes, because sun, wind or drier air can raise the rate within the hour.</source>
        <translation>Die Bedingungen neu messen, wenn das Wetter umschlägt, denn Sonne, Wind oder trockenere Luft können die Rate innerhalb einer Stunde erhöhen.</translation>
    </message>
    <message>
        <source>Dampen the subgrade and the forms before placing, so that they do not draw water out of the concrete.</source>
        <translation>Untergrund und Schalung vor dem Einbau anfeuchten, damit sie dem Beton kein Wasser entziehen.</translation>
    </message>
    <message>
        <source>Put up windbreaks and sunshades, because wind and sun on the slab drive evaporation.</source>
        <translation>Windschutz und Sonnenschutz aufstellen, denn Wind und Sonne auf der Platte treiben die Verdunstung an.</translation>
    </message>
    <message>
        <source>Keep a fog spray running above the surface until curing starts, so that the air over the slab stays moist without water being worked into the surface.</source>
        <translation>Bis zum Beginn der Nachbehandlung Sprühnebel über der Oberfläche halten, damit die Luft über der Platte feucht bleibt, ohne dass Wasser in die Oberfläche eingearbeitet wird.</translation>
    </message>
    <message>
        <source>Apply an evaporation retarder after screeding when the surface dries before finishing, to hold its water in.</source>
        <translation>Nach dem Abziehen einen Verdunstungsverzögerer auftragen, wenn die Oberfläche vor dem Glätten abtrocknet, um ihr Wasser zu halten.</translation>
    </message>
    <message>
        <source>Cover the surface with wet burlap or plastic sheeting during delays, so that it does not dry while it waits.</source>
        <translation>Die Oberfläche bei Wartezeiten mit nassen Jutetüchern oder Folie abdecken, damit sie in der Zwischenzeit nicht austrocknet.</translation>
    </message>
    <message>
        <source>Start curing sooner, as soon as finishing allows, because the surface loses water faster than it bleeds.</source>
        <translation>Früher mit der Nachbehandlung beginnen, sobald das Glätten es erlaubt, denn die Oberfläche verliert schneller Wasser, als Blutwasser nachkommt.</translation>
    </message>
    <message>
        <source>Schedule the pour for a cooler part of the day, such as early morning or evening, when the rate is lower.</source>
        <translation>Die Betonage in eine kühlere Tageszeit legen, etwa früh morgens oder abends, wenn die Rate niedriger ist.</translation>
    </message>
    <message>
        <source>Cool the concrete with chilled mixing water, ice or shaded aggregates, because cooler concrete evaporates less.</source>
        <translation>Den Beton mit gekühltem Zugabewasser, Eis oder beschatteter Gesteinskörnung kühlen, denn kühlerer Beton verdunstet weniger.</translation>
    </message>
    <message>
        <source>Apply an evaporation retarder after screeding, to hold the water in the surface until finishing.</source>
        <translation>Nach dem Abziehen einen Verdunstungsverzögerer auftragen, um das Wasser bis zum Glätten in der Oberfläche zu halten.</translation>
    </message>
    <message>
        <source>No measures against evaporation are needed at this rate.</source>
        <translation>Bei dieser Rate sind keine Maßnahmen gegen Verdunstung nötig.</translation>
    </message>
    <message>
        <source>Measures may be needed: have these ready and take them when the surface dries before bleeding stops.</source>
        <translation>Maßnahmen können nötig sein: diese bereithalten und ergreifen, wenn die Oberfläche abtrocknet, bevor das Bluten endet.</translation>
    </message>
    <message>
        <source>The rate is above the threshold in force: take these measures, in this order.</source>
        <translation>Die Rate liegt über dem geltenden Grenzwert: diese Maßnahmen in dieser Reihenfolge ergreifen.</translation>
    </message>
    <message>
        <source>Enter four readings inside their ranges to see the measures for their rate.</source>
        <translation>Alle vier Messwerte innerhalb ihrer Bereiche eingeben, um die Maßnahmen für ihre Rate zu sehen.</translation>
    </message>
    <message>
        <source>Cool the concrete to %1 or below</source>
        <translation>Den Beton auf %1 oder darunter kühlen</translation>
    </message>
    <message>
        <source>No concrete temperature from %1 to %2 brings the rate down to the threshold: take the other measures</source>
        <translation>Keine Betontemperatur von %1 bis %2 senkt die Rate auf den Grenzwert: die übrigen Maßnahmen ergreifen</translation>
    </message>
    <message>
        <source>Relative Humidty</source>
        <translation>Rel. Luftfeuchte</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>The text is empty.</source>
        <translation>Der Text ist leer.</translation>
    </message>
    <message>
        <source>The header on line %1 names no %2 column.</source>
        <translation>Die Kopfzeile in Zeile %1 nennt keine Spalte %2.</translation>
    </message>
    <message>
        <source>No data lines follow the header on line %1.</source>
        <translation>Auf die Kopfzeile in Zeile %1 folgen keine Datenzeilen.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data, not text.</source>
        <translation>Zeile %1 enthält Binärdaten, keinen Text.</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>es gibt keinen Sitzungsbus (%1)</translation>
    </message>
    <message>
        <source>no notification service (%1) is on the session bus</source>
        <translation>kein Benachrichtigungsdienst (%1) ist am Sitzungsbus</translation>
    </message>
    <message>
        <source>Open in the Outlook</source>
        <translation>Im Ausblick öffnen</translation>
    </message>
    <message>
        <source>the notification service refused it: %1</source>
        <translation>der Benachrichtigungsdienst lehnte sie ab: %1</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>no unit given for %1</source>
        <translation>keine Einheit für %1 angegeben</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot; for %2</source>
        <translation>unbekannte Einheit „%1“ für %2</translation>
    </message>
    <message>
        <source>unreadable time &quot;%1&quot; at hour %2</source>
        <translation>unlesbare Zeit „%1“ bei Stunde %2</translation>
    </message>
    <message>
        <source>the forecast has no hours</source>
        <translation>die Vorhersage hat keine Stunden</translation>
    </message>
    <message>
        <source>the series have different lengths (time: %1, %2: %3)</source>
        <translation>die Reihen sind verschieden lang (time: %1, %2: %3)</translation>
    </message>
    <message>
        <source>the value of %1 at %2 is not a number</source>
        <translation>der Wert von %1 bei %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>the server reported an error: %1</source>
        <translation>der Server meldete einen Fehler: %1</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>the series time is missing</source>
        <translation>die Reihe time fehlt</translation>
    </message>
    <message>
        <source>the answer holds none of the series %1, %2, %3</source>
        <translation>die Antwort enthält keine der Reihen %1, %2, %3</translation>
    </message>
    <message>
        <source>no latitude or longitude</source>
        <translation>keine Breite oder Länge</translation>
    </message>
</context>
<context>
    <name>ForecastClient</name>
    <message>
        <source> It said: %1</source>
        <translation> Er meldete: %1</translation>
    </message>
    <message>
        <source>The forecast server at %1 answered with HTTP status %2%3.</source>
        <translation>Der Vorhersageserver unter %1 antwortete mit HTTP-Status %2%3.</translation>
    </message>
    <message>
        <source>The forecast server at %1 timed out: no complete answer within %2.</source>
        <translation>Der Vorhersageserver unter %1 antwortete nicht rechtzeitig: keine vollständige Antwort innerhalb von %2.</translation>
    </message>
    <message>
        <source>The forecast server address must start with http:// or https://.</source>
        <translation>Die Adresse des Vorhersageservers muss mit http:// oder https:// beginnen.</translation>
    </message>
    <message>
        <source>The forecast server at %1 could not be reached: %2.</source>
        <translation>Der Vorhersageserver unter %1 war nicht erreichbar: %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent the request on elsewhere; only its own addresses are followed.</source>
        <translation>Der Vorhersageserver unter %1 leitete die Anfrage weiter; nur seine eigenen Adressen werden verfolgt.</translation>
    </message>
    <message>
        <source>The forecast server at %1 broke off the answer: %2.</source>
        <translation>Der Vorhersageserver unter %1 brach die Antwort ab: %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 could not deliver the forecast: %2.</source>
        <translation>Der Vorhersageserver unter %1 konnte die Vorhersage nicht liefern: %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent an answer of %2, more than the %3 a forecast may be: it was refused and not kept.</source>
        <translation>Der Vorhersageserver unter %1 sandte eine Antwort von %2, mehr als die %3, die eine Vorhersage haben darf: sie wurde abgelehnt und nicht gespeichert.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent more than the %2 a forecast may be: the answer was refused and not kept.</source>
        <translation>Der Vorhersageserver unter %1 sandte mehr als die %2, die eine Vorhersage haben darf: die Antwort wurde abgelehnt und nicht gespeichert.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent an answer that cannot be used: %2.</source>
        <translation>Der Vorhersageserver unter %1 sandte eine unbrauchbare Antwort: %2.</translation>
    </message>
</context>
<context>
    <name>Geocoding</name>
    <message>
        <source>the answer is not a JSON object</source>
        <translation>die Antwort ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>it said: %1</source>
        <translation>er meldete: %1</translation>
    </message>
    <message>
        <source>match %1 has no name or no usable coordinates</source>
        <translation>Treffer %1 hat keinen Namen oder keine brauchbaren Koordinaten</translation>
    </message>
    <message>
        <source>The geocoding service at %1 answered with HTTP status %2.</source>
        <translation>Der Geocodierungsdienst unter %1 antwortete mit HTTP-Status %2.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 timed out: no answer within %2 s.</source>
        <translation>Der Geocodierungsdienst unter %1 antwortete nicht rechtzeitig: keine Antwort innerhalb von %2 s.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 could not be reached: %2.</source>
        <translation>Der Geocodierungsdienst unter %1 war nicht erreichbar: %2.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 sent an answer that cannot be used: %2.</source>
        <translation>Der Geocodierungsdienst unter %1 sandte eine unbrauchbare Antwort: %2.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie ist zu groß</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Brackmere Help</source>
        <translation>Brackmere-Hilfe</translation>
    </message>
    <message>
        <source>Brackmere Help - %1</source>
        <translation>Brackmere-Hilfe - %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be opened: it is missing, unreadable or not a compiled help file. Brackmere expects its help as brackmere.chm in the program&apos;s folder; installing the program again restores it.</source>
        <translation>Die Hilfedatei „%1“ konnte nicht geöffnet werden: sie fehlt, ist unlesbar oder keine kompilierte Hilfedatei. Brackmere erwartet seine Hilfe als brackmere.chm im Programmordner; eine Neuinstallation stellt sie wieder her.</translation>
    </message>
    <message>
        <source>Help topic not found</source>
        <translation>Hilfethema nicht gefunden</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; was not found in the help file &quot;%2&quot;. &lt;a href=&quot;%3&quot;&gt;Show the introduction&lt;/a&gt;.</source>
        <translation>Das Thema „%1“ fehlt in der Hilfedatei „%2“. &lt;a href=&quot;%3&quot;&gt;Einführung anzeigen&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>InputRow</name>
    <message>
        <source>&lt;-- Valid Input Range --&gt;</source>
        <translation>&lt;-- Gültiger Bereich --&gt;</translation>
    </message>
    <message>
        <source>%1 scroll bar</source>
        <translation>Schieberegler %1</translation>
    </message>
    <message>
        <source>Sets the %1 from %2 to %3 %4 in steps of 1 %4</source>
        <translation>Stellt die %1 von %2 bis %3 %4 in Schritten von 1 %4 ein</translation>
    </message>
</context>
<context>
    <name>OutlookChart</name>
    <message>
        <source>Italics: assumed values. Concrete: %1 (the rule).</source>
        <translation>Kursiv: angenommene Werte. Beton: %1 (die Regel).</translation>
    </message>
    <message>
        <source>Italics: assumed values. </source>
        <translation>Kursiv: angenommene Werte. </translation>
    </message>
    <message>
        <source>%1Wind: the 10 m forecast as given.</source>
        <translation>%1Wind: die 10-m-Vorhersage, wie angegeben.</translation>
    </message>
    <message>
        <source>%1Wind: the 10 m forecast × %2, brought to about 0.5 m above the surface.</source>
        <translation>%1Wind: die 10-m-Vorhersage × %2, umgerechnet auf etwa 0,5 m über der Oberfläche.</translation>
    </message>
    <message>
        <source>Equation rate</source>
        <translation>Rate der Gleichung</translation>
    </message>
    <message>
        <source>±%1 % (measured rates)</source>
        <translation>±%1 % (gemessene Raten)</translation>
    </message>
    <message>
        <source>Nomograph rate</source>
        <translation>Rate aus dem Nomogramm</translation>
    </message>
    <message>
        <source>%1 and %2 %3</source>
        <translation>%1 und %2 %3</translation>
    </message>
    <message>
        <source>Threshold in force</source>
        <translation>Geltender Grenzwert</translation>
    </message>
    <message>
        <source>Above the threshold</source>
        <translation>Über dem Grenzwert</translation>
    </message>
    <message>
        <source>Longest safe window</source>
        <translation>Längstes sicheres Zeitfenster</translation>
    </message>
    <message>
        <source>Next window of at least %1 h</source>
        <translation>Nächstes Zeitfenster von mindestens %1 h</translation>
    </message>
    <message>
        <source>No hours to show.</source>
        <translation>Keine Stunden anzuzeigen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Air %2, RH %3, concrete %4, wind %5</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Luft %2, rF %3, Beton %4, Wind %5</translation>
    </message>
    <message>
        <source>&lt;br&gt;Equation %1 %2</source>
        <translation>&lt;br&gt;Gleichung %1 %2</translation>
    </message>
    <message>
        <source>&lt;br&gt;Borderline: the ±%1 % band reaches across the threshold in force</source>
        <translation>&lt;br&gt;Grenzwertig: das Band von ±%1 % reicht über den geltenden Grenzwert</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;Italics: assumed&lt;/i&gt;</source>
        <translation>&lt;br&gt;&lt;i&gt;Kursiv: angenommen&lt;/i&gt;</translation>
    </message>
</context>
<context>
    <name>OutlookHours</name>
    <message>
        <source>, 1 borderline hour</source>
        <translation>, 1 grenzwertige Stunde</translation>
    </message>
    <message>
        <source>, %1 borderline hours</source>
        <translation>, %1 grenzwertige Stunden</translation>
    </message>
    <message>
        <source>No time.</source>
        <translation>Keine Zeit.</translation>
    </message>
    <message>
        <source>Every hour of this forecast has passed: fetch a new one to find a window.</source>
        <translation>Alle Stunden dieser Vorhersage sind vorbei: rufen Sie eine neue ab, um ein Zeitfenster zu finden.</translation>
    </message>
    <message>
        <source>is not OK</source>
        <translation>ist nicht OK</translation>
    </message>
    <message>
        <source>is above the threshold in force</source>
        <translation>liegt über dem geltenden Grenzwert</translation>
    </message>
    <message>
        <source>No hour without measures ahead: every hour still to come %1 or cannot be computed.</source>
        <translation>Keine Stunde ohne Maßnahmen voraus: jede kommende Stunde %1 oder ist nicht berechenbar.</translation>
    </message>
    <message>
        <source>No hour without measures: every hour %1 or cannot be computed.</source>
        <translation>Keine Stunde ohne Maßnahmen: jede Stunde %1 oder ist nicht berechenbar.</translation>
    </message>
    <message>
        <source>Longest safe window: %1.</source>
        <translation>Längstes sicheres Zeitfenster: %1.</translation>
    </message>
    <message>
        <source> Next window of at least %1 h: %2.</source>
        <translation> Nächstes Zeitfenster von mindestens %1 h: %2.</translation>
    </message>
    <message>
        <source> No window of at least %1 h.</source>
        <translation> Kein Zeitfenster von mindestens %1 h.</translation>
    </message>
    <message>
        <source>Forecast hour %1: no forecast value of %2.</source>
        <translation>Vorhersagestunde %1: kein Vorhersagewert für %2.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>OutlookPage</name>
    <message>
        <source>Pour-Day Outlook</source>
        <translation>Ausblick Betoniertag</translation>
    </message>
</context>
<context>
    <name>OutlookTable</name>
    <message>
        <source>Left out of the means: %1</source>
        <translation>Nicht in den Mitteln: %1</translation>
    </message>
    <message>
        <source>Measured rates differ from the equation&apos;s by up to ±%1 %: %2 to %3 %4 here, on both sides of the threshold in force, %5 %4.</source>
        <translation>Gemessene Raten weichen bis zu ±%1 % von der Gleichung ab: hier %2 bis %3 %4, auf beiden Seiten des geltenden Grenzwerts, %5 %4.</translation>
    </message>
    <message>
        <source>Above the threshold in force: the concrete temperature that brings the equation&apos;s rate down to it, the other readings held. Blank where none in range does.</source>
        <translation>Über dem geltenden Grenzwert: die Betontemperatur, die die Rate der Gleichung darauf senkt, bei festen übrigen Messwerten. Leer, wenn keine im Bereich das schafft.</translation>
    </message>
    <message>
        <source>Measured evaporation differs from the equation&apos;s rate by up to ±%1 %. An hour whose band reaches across the threshold in force is borderline.</source>
        <translation>Gemessene Verdunstung weicht bis zu ±%1 % von der Rate der Gleichung ab. Eine Stunde, deren Band über den geltenden Grenzwert reicht, ist grenzwertig.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Air (%1)</source>
        <translation>Luft (%1)</translation>
    </message>
    <message>
        <source>RH (%)</source>
        <translation>rF (%)</translation>
    </message>
    <message>
        <source>Wind (%1)</source>
        <translation>Wind (%1)</translation>
    </message>
    <message>
        <source>Concrete (%1)</source>
        <translation>Beton (%1)</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Nomograph (%1)</source>
        <translation>Nomogramm (%1)</translation>
    </message>
    <message>
        <source>Equation (%1)</source>
        <translation>Gleichung (%1)</translation>
    </message>
    <message>
        <source>Concrete at most (%1)</source>
        <translation>Beton höchstens (%1)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>PlannedPours</name>
    <message>
        <source>Pour %1 at %2, %3 to %4 %5</source>
        <translation>Betonage %1 in %2, %3 bis %4 %5</translation>
    </message>
</context>
<context>
    <name>PlannedPoursPanel</name>
    <message>
        <source>not checked yet</source>
        <translation>noch nicht geprüft</translation>
    </message>
    <message>
        <source>%1 (checked %2)</source>
        <translation>%1 (geprüft %2)</translation>
    </message>
    <message>
        <source>Planned Pours</source>
        <translation>Geplante Betonagen</translation>
    </message>
    <message>
        <source>Plan a Pour…</source>
        <translation>Betonage planen…</translation>
    </message>
    <message>
        <source>Delete Pour</source>
        <translation>Betonage löschen</translation>
    </message>
    <message>
        <source>The planned pours could not be read from %1: %2</source>
        <translation>Die geplanten Betonagen konnten nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>No pour is planned.</source>
        <translation>Keine Betonage geplant.</translation>
    </message>
    <message>
        <source>Next: %1: %2</source>
        <translation>Nächste: %1: %2</translation>
    </message>
    <message>
        <source>Planned pour %1 is not among the coming pours in %2.</source>
        <translation>Die geplante Betonage %1 ist nicht unter den kommenden Betonagen in %2.</translation>
    </message>
    <message>
        <source>Pours are planned in the records, and %1 is not open.</source>
        <translation>Betonagen werden in den Datensätzen geplant, und %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The pour was not planned in %1: %2</source>
        <translation>Die Betonage wurde nicht in %1 geplant: %2</translation>
    </message>
    <message>
        <source>Choose the pour to delete in the list.</source>
        <translation>Wählen Sie die zu löschende Betonage in der Liste.</translation>
    </message>
    <message>
        <source>The pour was not deleted from %1: %2</source>
        <translation>Die Betonage wurde nicht aus %1 gelöscht: %2</translation>
    </message>
</context>
<context>
    <name>PourChart</name>
    <message>
        <source>Equation rate (%1), ±%2 % band; threshold in force %3 %1</source>
        <translation>Rate der Gleichung (%1), Band ±%2 %; geltender Grenzwert %3 %1</translation>
    </message>
</context>
<context>
    <name>PourCheck</name>
    <message>
        <source>its end is not after its start</source>
        <translation>ihr Ende liegt nicht nach ihrem Beginn</translation>
    </message>
    <message>
        <source>the forecast hour %1 cannot be computed: %2</source>
        <translation>die Vorhersagestunde %1 ist nicht berechenbar: %2</translation>
    </message>
    <message>
        <source>the forecast covers %1 of its %2 hours</source>
        <translation>die Vorhersage deckt %1 ihrer %2 Stunden ab</translation>
    </message>
</context>
<context>
    <name>PourDocument</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>RH</source>
        <translation>rF</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Beton</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>±%1 % band</source>
        <translation>Band ±%1 %</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Maßnahme</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Ergriffen</translation>
    </message>
    <message>
        <source>SHA-256 of the report&apos;s content: %1</source>
        <translation>SHA-256 des Berichtsinhalts: %1</translation>
    </message>
    <message>
        <source>Pour Report: </source>
        <translation>Betonierbericht: </translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Baustelle: </translation>
    </message>
    <message>
        <source>Pour or element: </source>
        <translation>Betonage oder Bauteil: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Prepared by: </source>
        <translation>Erstellt von: </translation>
    </message>
    <message>
        <source>Mix: </source>
        <translation>Mischung: </translation>
    </message>
    <message>
        <source>Threshold in force: %1 %2</source>
        <translation>Geltender Grenzwert: %1 %2</translation>
    </message>
    <message>
        <source>Sun on the slab: %1 (recorded; it changes no rate)</source>
        <translation>Sonne auf der Platte: %1 (vermerkt; sie ändert keine Rate)</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>%1 %2 borderline hours (the ±%3 % band crosses the threshold).</source>
        <translation>%1 %2 grenzwertige Stunden (das Band von ±%3 % reicht über den Grenzwert).</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Maßnahmen</translation>
    </message>
    <message>
        <source>Other measures: </source>
        <translation>Weitere Maßnahmen: </translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Keine.</translation>
    </message>
    <message>
        <source>Signature: ________________________________    Date: ________________</source>
        <translation>Unterschrift: ________________________________    Datum: ________________</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
</context>
<context>
    <name>PrintDestinations</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
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
        <translation>Druck fehlgeschlagen</translation>
    </message>
    <message>
        <source>The page was not printed. %1

Save it as a PDF file instead?</source>
        <translation>Die Seite wurde nicht gedruckt. %1

Stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1
%2</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden:
%1
%2</translation>
    </message>
    <message>
        <source>The page was saved as a PDF file:
%1</source>
        <translation>Die Seite wurde als PDF-Datei gespeichert:
%1</translation>
    </message>
    <message>
        <source>Saved as PDF</source>
        <translation>Als PDF gespeichert</translation>
    </message>
    <message>
        <source>The document was not printed. %1

Save it as a PDF file instead?</source>
        <translation>Das Dokument wurde nicht gedruckt. %1

Stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The document was saved as a PDF file:
%1</source>
        <translation>Das Dokument wurde als PDF-Datei gespeichert:
%1</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>The print job could not be started.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>Die nächste Seite konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Der Drucker meldete einen Fehler; die Seite wurde womöglich nicht gedruckt.</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Es gibt keinen Standarddrucker.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; cannot be used.</source>
        <translation>Der Standarddrucker „%1“ kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>No file name was given for the PDF file.</source>
        <translation>Für die PDF-Datei wurde kein Name angegeben.</translation>
    </message>
    <message>
        <source>The PDF file was not written.</source>
        <translation>Die PDF-Datei wurde nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>The records could not be exported to &quot;%1&quot;.
%2</source>
        <translation>Die Datensätze konnten nicht nach „%1“ exportiert werden.
%2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien: Komma zwischen Feldern, Dezimalpunkt (*.csv)</translation>
    </message>
    <message>
        <source>Saved Records.csv</source>
        <translation>Gespeicherte Datensätze.csv</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Saved Records.pdf</source>
        <translation>Gespeicherte Datensätze.pdf</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
</context>
<context>
    <name>RecordsFilter</name>
    <message>
        <source>All sites, all dates</source>
        <translation>Alle Baustellen, alle Daten</translation>
    </message>
    <message>
        <source>All sites</source>
        <translation>Alle Baustellen</translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Baustelle: </translation>
    </message>
    <message>
        <source>all dates</source>
        <translation>alle Daten</translation>
    </message>
    <message>
        <source>site </source>
        <translation>Baustelle </translation>
    </message>
    <message>
        <source>Reading records: %1 read so far</source>
        <translation>Datensätze werden gelesen: bisher %1</translation>
    </message>
</context>
<context>
    <name>RecordsImportDialog</name>
    <message>
        <source>Import Records</source>
        <translation>Datensätze importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>CSV-Dateien: Komma zwischen Feldern, Dezimalpunkt (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Importing the records of &quot;%1&quot; into %2…</source>
        <translation>Datensätze aus „%1“ werden in %2 importiert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SiteSearch</name>
    <message>
        <source>Find Site</source>
        <translation>Baustelle suchen</translation>
    </message>
    <message>
        <source>Place name or postcode</source>
        <translation>Ort oder Postleitzahl</translation>
    </message>
    <message>
        <source>Type at least 2 letters or digits of the place&apos;s name or postcode.</source>
        <translation>Geben Sie mindestens 2 Buchstaben oder Ziffern des Ortsnamens oder der Postleitzahl ein.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; was found.</source>
        <translation>Kein Ort namens „%1“ gefunden.</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Air Temp</source>
        <translation>Lufttemp.</translation>
    </message>
    <message>
        <source>Relative Humidty</source>
        <translation>Rel. Luftfeuchte</translation>
    </message>
    <message>
        <source>Conc Temp</source>
        <translation>Betontemp.</translation>
    </message>
    <message>
        <source>Wind Velocity</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Evap Rate</source>
        <translation>Verd.-Rate</translation>
    </message>
    <message>
        <source>Printed </source>
        <translation>Gedruckt </translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Baustelle: </translation>
    </message>
    <message>
        <source>Mix: </source>
        <translation>Mischung: </translation>
    </message>
    <message>
        <source>Evaporation Rate Report:</source>
        <translation>Bericht der Verdunstungsrate:</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>  Air Temperature = </source>
        <translation>  Lufttemperatur = </translation>
    </message>
    <message>
        <source>  Relative Humidty = </source>
        <translation>  Relative Luftfeuchte = </translation>
    </message>
    <message>
        <source>  Concrete Temperature = </source>
        <translation>  Betontemperatur = </translation>
    </message>
    <message>
        <source>  Wind Velocity = </source>
        <translation>  Windgeschwindigkeit = </translation>
    </message>
    <message>
        <source>Evaporation Rate By Nomograph = </source>
        <translation>Verdunstungsrate nach Nomogramm = </translation>
    </message>
    <message>
        <source>Evaporation Rate By Equation = </source>
        <translation>Verdunstungsrate nach Gleichung = </translation>
    </message>
    <message>
        <source>Variation Scenario 1 (User Inputed Rate of </source>
        <translation>Variationsszenario 1 (eingegebene Rate von </translation>
    </message>
    <message>
        <source>Variation Scenario 2 (Measures May Be Needed Threshold):</source>
        <translation>Variationsszenario 2 (Grenzwert: Maßnahmen können nötig sein):</translation>
    </message>
    <message>
        <source>Variation Scenario 3 (Measures Required Threshold):</source>
        <translation>Variationsszenario 3 (Grenzwert: Maßnahmen erforderlich):</translation>
    </message>
    <message>
        <source>No solution calculated yet!</source>
        <translation>Noch keine Lösung berechnet!</translation>
    </message>
    <message>
        <source>No Print</source>
        <translation>Kein Druck</translation>
    </message>
    <message>
        <source>Print Sent</source>
        <translation>Druck gesendet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>UnitCaptions</name>
    <message>
        <source>Rate of Evaporation (%1)</source>
        <translation>Verdunstungsrate (%1)</translation>
    </message>
    <message>
        <source>Evap (%1)</source>
        <translation>Verd. (%1)</translation>
    </message>
    <message>
        <source>Use default rate of %1 %2</source>
        <translation>Standard: %1 %2</translation>
    </message>
    <message>
        <source>Variation Scenarios to Get Evaporation Rate of %1 %2</source>
        <translation>Variationsszenarien für eine Verdunstungsrate von %1 %2</translation>
    </message>
</context>
<context>
    <name>Watch</name>
    <message>
        <source> No forecast is kept for the site.</source>
        <translation> Für die Baustelle ist keine Vorhersage gespeichert.</translation>
    </message>
</context>
<context>
    <name>WatchMail</name>
    <message>
        <source>The forecast changed the outlook of %1 planned pour%2 at %3:

</source>
        <translation>Die Vorhersage hat den Ausblick von %1 geplanten Betonage(n)%2 in %3 geändert:

</translation>
    </message>
    <message>
        <source>
Checked %1 UTC by the Brackmere watch.
</source>
        <translation>
Geprüft %1 UTC von der Brackmere-Überwachung.
</translation>
    </message>
    <message>
        <source>Planned pours at %1: the outlook changed</source>
        <translation>Geplante Betonagen in %1: der Ausblick hat sich geändert</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; could not be started: %2</source>
        <translation>Der Mailbefehl „%1“ konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; did not finish within %2 s.</source>
        <translation>Der Mailbefehl „%1“ wurde nicht innerhalb von %2 s fertig.</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; failed (exit status %2): %3</source>
        <translation>Der Mailbefehl „%1“ schlug fehl (Rückgabewert %2): %3</translation>
    </message>
</context>
<context>
    <name>WatchReport</name>
    <message>
        <source>not checked: %1</source>
        <translation>nicht geprüft: %1</translation>
    </message>
    <message>
        <source>the worst %1 at %2</source>
        <translation>die schlechteste %1 um %2</translation>
    </message>
    <message>
        <source>at risk: %1 of %2 h above %3, %4</source>
        <translation>gefährdet: %1 von %2 h über %3, %4</translation>
    </message>
    <message>
        <source>borderline: %1 of %2 h within the equation&apos;s ±%3 % of %4, %5</source>
        <translation>grenzwertig: %1 von %2 h innerhalb der ±%3 % der Gleichung um %4, %5</translation>
    </message>
    <message>
        <source>clear: all %1 h at or below %2, %3</source>
        <translation>unbedenklich: alle %1 h bei höchstens %2, %3</translation>
    </message>
    <message>
        <source>The forecast was kept from %1 UTC, %2 h old: %3</source>
        <translation>Die Vorhersage wurde %1 UTC gespeichert, %2 h alt: %3</translation>
    </message>
    <message>
        <source>No pour is planned in the coming %1 days.
</source>
        <translation>In den kommenden %1 Tagen ist keine Betonage geplant.
</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>field</source>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Air temperature</source>
        <translation>Lufttemperatur</translation>
    </message>
    <message>
        <source>Air temperature, whole units</source>
        <translation>Lufttemperatur, ganze Einheiten</translation>
    </message>
    <message>
        <source>valid range</source>
        <translation>gültiger Bereich</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <source>Relative humidity, whole units</source>
        <translation>Relative Luftfeuchte, ganze Einheiten</translation>
    </message>
    <message>
        <source>Concrete temperature</source>
        <translation>Betontemperatur</translation>
    </message>
    <message>
        <source>Concrete temperature, whole units</source>
        <translation>Betontemperatur, ganze Einheiten</translation>
    </message>
    <message>
        <source>Wind velocity</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Wind velocity, whole units</source>
        <translation>Windgeschwindigkeit, ganze Einheiten</translation>
    </message>
    <message>
        <source>Rate of evaporation</source>
        <translation>Verdunstungsrate</translation>
    </message>
    <message>
        <source>By nomograph</source>
        <translation>Nach Nomogramm</translation>
    </message>
    <message>
        <source>Rate by nomograph</source>
        <translation>Rate nach Nomogramm</translation>
    </message>
    <message>
        <source>By ACI equation</source>
        <translation>Nach ACI-Gleichung</translation>
    </message>
    <message>
        <source>Rate by ACI equation</source>
        <translation>Rate nach ACI-Gleichung</translation>
    </message>
    <message>
        <source>Threshold for precautions</source>
        <translation>Grenzwert für Vorkehrungen</translation>
    </message>
    <message>
        <source>Default rate of</source>
        <translation>Standardrate von</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Alternate rate</source>
        <translation>Alternative Rate</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Maßnahmen</translation>
    </message>
    <message>
        <source>Nomograph</source>
        <translation>Nomogramm</translation>
    </message>
    <message>
        <source>Nomograph chart</source>
        <translation>Nomogramm-Diagramm</translation>
    </message>
    <message>
        <source>Variation scenarios</source>
        <translation>Variationsszenarien</translation>
    </message>
    <message>
        <source>Each row varies one reading, the others held, until the ACI equation gives the rate on the right.</source>
        <translation>Jede Zeile variiert einen Messwert bei festen übrigen, bis die ACI-Gleichung die Rate rechts ergibt.</translation>
    </message>
    <message>
        <source>Successful variation</source>
        <translation>Erfolgreiche Variation</translation>
    </message>
    <message>
        <source>Fixed input value</source>
        <translation>Fester Eingabewert</translation>
    </message>
    <message>
        <source>Illegal math or outside valid limits</source>
        <translation>Unzulässige Rechnung oder außerhalb der gültigen Grenzen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Save reading</source>
        <translation>Messwert speichern</translation>
    </message>
    <message>
        <source>No readings logged</source>
        <translation>Keine Messwerte protokolliert</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>About the thresholds</source>
        <translation>Zu den Grenzwerten</translation>
    </message>
    <message>
        <source>Above 0.2 lb/ft²/hr (1.0 kg/m²/hr) measures shall be taken to prevent excessive moisture loss from unhardened concrete; above 0.1 lb/ft²/hr (0.5 kg/m²/hr) measures may be needed. Otherwise plastic cracking is likely. The architect or engineer may set a lower rate: mixtures with low water-cement ratios or with pozzolans may need one.</source>
        <translation>Über 0,2 lb/ft²/hr (1,0 kg/m²/hr) sind Maßnahmen zu ergreifen, um übermäßigen Feuchteverlust des frischen Betons zu verhindern; über 0,1 lb/ft²/hr (0,5 kg/m²/hr) können Maßnahmen nötig sein. Sonst sind plastische Risse wahrscheinlich. Architekt oder Ingenieur können eine niedrigere Rate festlegen: Mischungen mit niedrigem Wasserzementwert oder mit Puzzolanen können eine brauchen.</translation>
    </message>
    <message>
        <source>How to measure</source>
        <translation>Wie messen</translation>
    </message>
    <message>
        <source>Wind velocity: the average horizontal wind speed about 20 in (510 mm) above the surface. Air temperature and humidity: about 4 to 6 ft (1.2 to 1.8 m) above the surface, on its windward side, out of the sun.</source>
        <translation>Windgeschwindigkeit: die mittlere waagerechte Windgeschwindigkeit etwa 20 in (510 mm) über der Oberfläche. Lufttemperatur und Luftfeuchte: etwa 4 bis 6 ft (1,2 bis 1,8 m) über der Oberfläche, auf der Luvseite, im Schatten.</translation>
    </message>
</context>
<context>
    <name>capture</name>
    <message>
        <source>The window could not be captured, so nothing was printed.</source>
        <translation>Das Fenster konnte nicht erfasst werden; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Druck fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application Title</source>
        <translation>Anwendungstitel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Concrete Curing Evaporation Rate Calculator </source>
        <translation>Rechner der Verdunstungsrate für die Betonnachbehandlung </translation>
    </message>
    <message>
        <source>Telephone: 555-0142</source>
        <translation>Telefon: 555-0142</translation>
    </message>
    <message>
        <source>Warning: Brackmere is an aid to engineering judgement, not a substitute for it. Check its results against the project requirements and the conditions on site before acting on them.</source>
        <translation>Warnung: Brackmere unterstützt die ingenieurmäßige Beurteilung, ersetzt sie aber nicht. Ergebnisse vor dem Handeln mit den Projektanforderungen und den Bedingungen auf der Baustelle abgleichen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>In Ordnung</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>When (UTC)</source>
        <translation>Wann (UTC)</translation>
    </message>
    <message>
        <source>(not named)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>History of Record %1</source>
        <translation>Verlauf von Datensatz %1</translation>
    </message>
    <message>
        <source>Deleted Records</source>
        <translation>Gelöschte Datensätze</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Diese Version wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Record</source>
        <translation>Datensatz zurückholen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The history could not be read from %1: %2</source>
        <translation>Der Verlauf konnte nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>No deleted records.</source>
        <translation>Keine gelöschten Datensätze.</translation>
    </message>
    <message>
        <source>Records deleted and not brought back since, each as it was deleted, the latest first.</source>
        <translation>Gelöschte und seither nicht zurückgeholte Datensätze, jeder wie beim Löschen, die neuesten zuerst.</translation>
    </message>
    <message>
        <source>Record %1 has not been changed since it was saved.</source>
        <translation>Datensatz %1 wurde seit dem Speichern nicht geändert.</translation>
    </message>
    <message>
        <source>Record %1 as it is now, then as it was before each change, delete or restore, the latest first.</source>
        <translation>Datensatz %1, wie er jetzt ist, dann wie er vor jeder Änderung, Löschung oder Wiederherstellung war, das Neueste zuerst.</translation>
    </message>
    <message>
        <source>Bring back record %1 (%2)?</source>
        <translation>Datensatz %1 (%2) zurückholen?</translation>
    </message>
    <message>
        <source>Put record %1 back as it was before it was %2?</source>
        <translation>Datensatz %1 wiederherstellen, wie er vor „%2“ war?</translation>
    </message>
    <message>
        <source>The record could not be restored in &quot;%1&quot;.
%2</source>
        <translation>Der Datensatz konnte in „%1“ nicht wiederhergestellt werden.
%2</translation>
    </message>
    <message>
        <source>Record %1 is back as record %2: its number was taken meanwhile.</source>
        <translation>Datensatz %1 ist als Datensatz %2 zurück: seine Nummer wurde inzwischen vergeben.</translation>
    </message>
    <message>
        <source>%1 by %2, %3 UTC</source>
        <translation>%1 von %2, %3 UTC</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Only necessary if erased by other forms or after resizing window.</source>
        <translation>Nur nötig, wenn andere Fenster sie gelöscht haben oder nach einer Größenänderung.</translation>
    </message>
    <message>
        <source>When the evaporation rate exceeds 0.2 lb/ft²/hr (1.0 kg/m²/hr), measures shall be taken to prevent excessive moisture loss from the surface of unhardened concrete; when the rate exceeds 0.1 lb/ft²/hr (0.5 kg/m²/hr) such measures may be needed.  When excessive moisture loss is not prevented, plastic cracking is likely to occur.</source>
        <translation>Übersteigt die Verdunstungsrate 0,2 lb/ft²/hr (1,0 kg/m²/hr), sind Maßnahmen gegen übermäßigen Feuchteverlust an der Oberfläche des frischen Betons zu ergreifen; übersteigt sie 0,1 lb/ft²/hr (0,5 kg/m²/hr), können solche Maßnahmen nötig sein.  Wird übermäßiger Feuchteverlust nicht verhindert, sind plastische Schwindrisse wahrscheinlich.</translation>
    </message>
    <message>
        <source>Display Valid Input Ranges</source>
        <translation>Gültige Bereiche anzeigen</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten sichern</translation>
    </message>
    <message>
        <source>View Saved Data Records</source>
        <translation>Daten ansehen</translation>
    </message>
    <message>
        <source>By Nomograph</source>
        <translation>Nomogramm</translation>
    </message>
    <message>
        <source>By ACI Eqn.</source>
        <translation>Nach ACI-Gl.</translation>
    </message>
    <message>
        <source>Threshold Evaporartion Rate for Required Precautions</source>
        <translation>Grenzwert der Verdunstungsrate für Schutzmaßnahmen</translation>
    </message>
    <message>
        <source>Use alternate rate of</source>
        <translation>Anderer Wert von</translation>
    </message>
    <message>
        <source>Mix:</source>
        <translation>Mischung:</translation>
    </message>
    <message>
        <source>The default value may be revised by the architect/engineer.  Concrete mixtures with lower water cement ratios or containing conventional or ultra-fine pozzolan or cementious materials may require lower allowable evaporation rates.</source>
        <translation>Der Standardwert kann vom Architekten oder Ingenieur geändert werden.  Mischungen mit niedrigerem w/z-Wert oder mit herkömmlichen oder ultrafeinen Puzzolanen oder Bindemitteln können niedrigere zulässige Verdunstungsraten erfordern.</translation>
    </message>
    <message>
        <source>If the rate of evaporation approaches the default value of 0.2 lb/ft²/hr (1 kg/m²/hr), precautions against plastic-shrinkage cracking are necessary.</source>
        <translation>Nähert sich die Verdunstungsrate dem Standardwert von 0,2 lb/ft²/hr (1 kg/m²/hr), sind Vorkehrungen gegen plastische Schwindrisse nötig.</translation>
    </message>
    <message>
        <source>Variation Legend</source>
        <translation>Legende der Variationen</translation>
    </message>
    <message>
        <source>- Successful Variation</source>
        <translation>- Erfolgreiche Variation</translation>
    </message>
    <message>
        <source>- Fixed Input Value</source>
        <translation>- Fester Eingabewert</translation>
    </message>
    <message>
        <source>- Illegal Math or Outside Valid Limits</source>
        <translation>- Nicht berechenbar oder außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Redraw Nomograph Solution</source>
        <translation>Lösung neu zeichnen</translation>
    </message>
    <message>
        <source>Wind speed is the average horizontal air or wind speed in mph (km/h) and should be measured at a level approximately 20 in. (510 mm) higher than the evaporating surface. Air temperature and relative humidity should be measured at a level approximately 4 to 6 ft (1.2 to 1.8 m) higher than the evaporating surface on its windward side shielded from the sun’s rays (PCA Journal 1957).</source>
        <translation>Die Windgeschwindigkeit ist die mittlere waagerechte Luftgeschwindigkeit in mph (km/h), gemessen etwa 20 in (510 mm) über der verdunstenden Oberfläche. Lufttemperatur und relative Luftfeuchte werden etwa 4 bis 6 ft (1,2 bis 1,8 m) über dieser Oberfläche auf der Windseite und vor Sonne geschützt gemessen (PCA Journal 1957).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Pour-Day &amp;Outlook…</source>
        <translation>&amp;Ausblick Betoniertag…</translation>
    </message>
    <message>
        <source>Records &amp;Location…</source>
        <translation>Speicher&amp;ort der Datensätze…</translation>
    </message>
    <message>
        <source>&amp;Copy Local Records to Server…</source>
        <translation>Lokale Datensätze auf Server &amp;kopieren…</translation>
    </message>
    <message>
        <source>&amp;Import Records…</source>
        <translation>Datensätze &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>&amp;Form</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Text Report</source>
        <translation>&amp;Textbericht</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;Measures…</source>
        <translation>&amp;Maßnahmen…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Brackmere - Concrete Curing Evaporation Rate Calculator </source>
        <translation>Brackmere - Rechner der Verdunstungsrate für die Betonnachbehandlung </translation>
    </message>
    <message>
        <source>Capture form and send to default printer.</source>
        <translation>Fenster erfassen und an den Standarddrucker senden.</translation>
    </message>
    <message>
        <source>No solution path: enter four readings inside their ranges.</source>
        <translation>Kein Lösungsweg: vier Messwerte innerhalb ihrer Bereiche eingeben.</translation>
    </message>
    <message>
        <source>Solution path through %1 to the rate %2 %3</source>
        <translation>Lösungsweg über %1 bis zur Rate %2 %3</translation>
    </message>
    <message>
        <source>%1 when varying %2</source>
        <translation>%1 bei Variation: %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>fixed input</source>
        <translation>fester Eingabewert</translation>
    </message>
    <message>
        <source>successful variation</source>
        <translation>erfolgreiche Variation</translation>
    </message>
    <message>
        <source>illegal math or outside valid limits</source>
        <translation>nicht berechenbar oder außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>%1 for the rate %2 %3: %4</source>
        <translation>%1 für die Rate %2 %3: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Records Location</source>
        <translation>Speicherort der Datensätze</translation>
    </message>
    <message>
        <source>The choice is saved. On this computer the environment variable %1 still decides where records live.</source>
        <translation>Die Wahl ist gespeichert. Auf diesem Rechner bestimmt weiterhin die Umgebungsvariable %1, wo die Datensätze liegen.</translation>
    </message>
    <message>
        <source>
The records stay where they were: %1.</source>
        <translation>
Die Datensätze bleiben, wo sie waren: %1.</translation>
    </message>
    <message>
        <source>Records are now kept in %1.</source>
        <translation>Die Datensätze liegen jetzt in %1.</translation>
    </message>
    <message>
        <source>Copy Local Records to Server</source>
        <translation>Lokale Datensätze auf Server kopieren</translation>
    </message>
    <message>
        <source>Records files (*.mdb);;All files (*)</source>
        <translation>Datensatzdateien (*.mdb);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Copying the records to %1…</source>
        <translation>Datensätze werden nach %1 kopiert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; lies on a network file system (%2). When several computers save to it at once, its locking cannot be trusted there and the file can be damaged.

To keep one log for a team, keep the records on a records server instead: File, Records Location.</source>
        <translation>Die Datensatzdatei „%1“ liegt auf einem Netzwerkdateisystem (%2). Speichern mehrere Rechner gleichzeitig hinein, ist die Sperre dort unzuverlässig und die Datei kann beschädigt werden.

Für ein gemeinsames Protokoll eines Teams die Datensätze besser auf einem Datensatz-Server führen: Datei, Speicherort der Datensätze.</translation>
    </message>
    <message>
        <source>Records on a Network File System</source>
        <translation>Datensätze auf einem Netzwerkdateisystem</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mischung</translation>
    </message>
    <message>
        <source>Rate by nomograph</source>
        <translation>Rate nach Nomogramm</translation>
    </message>
    <message>
        <source>Rate by ACI equation</source>
        <translation>Rate nach ACI-Gleichung</translation>
    </message>
    <message>
        <source>Precaution message</source>
        <translation>Hinweis zu Schutzmaßnahmen</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>Fenster drucken</translation>
    </message>
    <message>
        <source>Nomograph</source>
        <translation>Nomogramm</translation>
    </message>
    <message>
        <source>Print sent to default printer.</source>
        <translation>Druck an den Standarddrucker gesendet.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Erledigt.</translation>
    </message>
    <message>
        <source>Error #%1 %2<byte value="xd"/>Try to continue?</source>
        <translation>Fehler Nr. %1 %2<byte value="xd"/>Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Error encountered.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Alternate rate (%1)</source>
        <translation>Anderer Grenzwert (%1)</translation>
    </message>
    <message>
        <source>Pour &amp;Report…</source>
        <translation>Betonier&amp;bericht…</translation>
    </message>
    <message>
        <source>Next planned pour: %1: %2</source>
        <translation>Nächste geplante Betonage: %1: %2</translation>
    </message>
</context>
<context>
    <name>frmMeasures</name>
    <message>
        <source>Measures</source>
        <translation>Maßnahmen</translation>
    </message>
</context>
<context>
    <name>frmOutlook</name>
    <message>
        <source>Pour-Day Outlook</source>
        <translation>Ausblick Betoniertag</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Vorhersage</translation>
    </message>
    <message>
        <source>Site name</source>
        <translation>Name der Baustelle</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>How many days the forecast covers, 1 to 16. Hours past a model&apos;s horizon may come without values.</source>
        <translation>Wie viele Tage die Vorhersage umfasst, 1 bis 16. Stunden jenseits des Horizonts eines Modells können ohne Werte kommen.</translation>
    </message>
    <message>
        <source>Fetch Forecast</source>
        <translation>Vorhersage abrufen</translation>
    </message>
    <message>
        <source>Server…</source>
        <translation>Server…</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Latitude (°N)</source>
        <translation>Breite (°N)</translation>
    </message>
    <message>
        <source>Longitude (°E)</source>
        <translation>Länge (°E)</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>CSV importieren…</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>Zeilen einfügen</translation>
    </message>
    <message>
        <source>Add Hour</source>
        <translation>Stunde hinzufügen</translation>
    </message>
    <message>
        <source>Delete Hours</source>
        <translation>Stunden löschen</translation>
    </message>
    <message>
        <source>Every reading</source>
        <translation>Jeder Messwert</translation>
    </message>
    <message>
        <source>A meter&apos;s readings one row each, rather than the means of each clock hour; an imported file is read again.</source>
        <translation>Die Messwerte eines Messgeräts je eine Zeile statt der Mittel jeder Uhrstunde; eine importierte Datei wird neu gelesen.</translation>
    </message>
    <message>
        <source>Recorded and printed with the hours; it changes no rate. Direct sun can double what shade gives, but no published model of its effect yet agrees well enough with measured evaporation.</source>
        <translation>Mit den Stunden vermerkt und gedruckt; es ändert keine Rate. Direkte Sonne kann das Doppelte des Schattenwerts ergeben, aber noch kein veröffentlichtes Modell ihrer Wirkung stimmt gut genug mit gemessener Verdunstung überein.</translation>
    </message>
    <message>
        <source>Sun on the slab</source>
        <translation>Sonne auf der Platte</translation>
    </message>
    <message>
        <source>Where the source has no value</source>
        <translation>Wo die Quelle keinen Wert hat</translation>
    </message>
    <message>
        <source>Concrete = air +</source>
        <translation>Beton = Luft +</translation>
    </message>
    <message>
        <source>Concrete =</source>
        <translation>Beton =</translation>
    </message>
    <message>
        <source>Forecast wind is given 10 m above ground; the nomograph wants it about 0.5 m above the slab. 0.65 is the 1/7 power law; 1 leaves it.</source>
        <translation>Der Vorhersagewind gilt 10 m über Grund; das Nomogramm will ihn etwa 0,5 m über der Platte. 0,65 ist das 1/7-Potenzgesetz; 1 lässt ihn unverändert.</translation>
    </message>
    <message>
        <source>Wind height factor</source>
        <translation>Höhenfaktor Wind</translation>
    </message>
    <message>
        <source>Safe window</source>
        <translation>Sicheres Zeitfenster</translation>
    </message>
    <message>
        <source>The next window looked for is at least this long.</source>
        <translation>Das nächste gesuchte Zeitfenster ist mindestens so lang.</translation>
    </message>
    <message>
        <source>Below the threshold</source>
        <translation>Unter dem Grenzwert</translation>
    </message>
    <message>
        <source>Hours not above the threshold in force are safe.</source>
        <translation>Stunden, die den geltenden Grenzwert nicht überschreiten, sind sicher.</translation>
    </message>
    <message>
        <source>“OK” only</source>
        <translation>Nur „OK“</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>Mindestens</translation>
    </message>
    <message>
        <source>Show Hour in Calculator</source>
        <translation>Stunde im Rechner zeigen</translation>
    </message>
    <message>
        <source>Save Hours as Records</source>
        <translation>Stunden als Datensätze speichern</translation>
    </message>
    <message>
        <source>Measures…</source>
        <translation>Maßnahmen…</translation>
    </message>
    <message>
        <source>What a crew does against plastic cracking for the selected hour&apos;s class.</source>
        <translation>Was eine Kolonne gegen plastische Risse bei der Klasse der gewählten Stunde tut.</translation>
    </message>
    <message>
        <source>Pour Report…</source>
        <translation>Betonierbericht…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo Delete Hours</source>
        <translation>&amp;Löschen der Stunden rückgängig</translation>
    </message>
    <message>
        <source>The forecast could not be kept for use without the network in &quot;%1&quot;.</source>
        <translation>Die Vorhersage konnte nicht für die Nutzung ohne Netz in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>
The hours shown are unchanged.</source>
        <translation>
Die angezeigten Stunden sind unverändert.</translation>
    </message>
    <message>
        <source>No hours yet: fetch a forecast, import a CSV file or paste rows.</source>
        <translation>Noch keine Stunden: rufen Sie eine Vorhersage ab, importieren Sie eine CSV-Datei oder fügen Sie Zeilen ein.</translation>
    </message>
    <message>
        <source>Only hours whose rate is at or below %1 %2, the message “OK”, are safe.</source>
        <translation>Nur Stunden mit einer Rate von höchstens %1 %2, die Meldung „OK“, sind sicher.</translation>
    </message>
    <message>
        <source>Measures: %1</source>
        <translation>Maßnahmen: %1</translation>
    </message>
    <message>
        <source>A pour report of these hours, to print or save as PDF.</source>
        <translation>Ein Betonierbericht dieser Stunden, zum Drucken oder als PDF.</translation>
    </message>
    <message>
        <source>The pour report is not available in this window.</source>
        <translation>Der Betonierbericht ist in diesem Fenster nicht verfügbar.</translation>
    </message>
    <message>
        <source>Replace the %1 hours shown, typed or edited here, with %2? They are not kept anywhere else.</source>
        <translation>Die %1 angezeigten, hier eingegebenen oder bearbeiteten Stunden durch %2 ersetzen? Sie sind nirgends sonst gespeichert.</translation>
    </message>
    <message>
        <source>Forecast hours, edited</source>
        <translation>Vorhersagestunden, bearbeitet</translation>
    </message>
    <message>
        <source>, edited</source>
        <translation>, bearbeitet</translation>
    </message>
    <message>
        <source>The outlook was sent to the default printer.</source>
        <translation>Der Ausblick wurde an den Standarddrucker gesendet.</translation>
    </message>
    <message>
        <source>Select the hours to save first.</source>
        <translation>Wählen Sie zuerst die zu speichernden Stunden.</translation>
    </message>
    <message>
        <source>; sun on the slab: </source>
        <translation>; Sonne auf der Platte: </translation>
    </message>
    <message>
        <source>Pour-day outlook: </source>
        <translation>Ausblick Betoniertag: </translation>
    </message>
    <message>
        <source>None of the selected hours could be computed, so none was saved.</source>
        <translation>Keine der gewählten Stunden war berechenbar, daher wurde keine gespeichert.</translation>
    </message>
    <message>
        <source>The hours could not be saved in &quot;%1&quot;; none was saved.
%2</source>
        <translation>Die Stunden konnten nicht in „%1“ gespeichert werden; keine wurde gespeichert.
%2</translation>
    </message>
    <message>
        <source>%1 hours saved as records.</source>
        <translation>%1 Stunden als Datensätze gespeichert.</translation>
    </message>
    <message>
        <source> %1 selected hours could not be computed and were not saved.</source>
        <translation> %1 gewählte Stunden waren nicht berechenbar und wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The API key is not sent to %1: over plain http anyone on the way could read it. Use the server&apos;s https:// address, or leave the key empty.</source>
        <translation>Der API-Schlüssel wird nicht an %1 gesendet: über unverschlüsseltes http könnte ihn jeder auf dem Weg lesen. Verwenden Sie die https://-Adresse des Servers oder lassen Sie den Schlüssel leer.</translation>
    </message>
    <message>
        <source>Units of the File</source>
        <translation>Einheiten der Datei</translation>
    </message>
    <message>
        <source>Temperatures are in</source>
        <translation>Temperaturen sind in</translation>
    </message>
    <message>
        <source>Wind velocities are in</source>
        <translation>Windgeschwindigkeiten sind in</translation>
    </message>
    <message>
        <source>Import Hours from a CSV File</source>
        <translation>Stunden aus einer CSV-Datei importieren</translation>
    </message>
    <message>
        <source>CSV files and logs (*.csv *.txt *.dat);;All files (*)</source>
        <translation>CSV-Dateien und Protokolle (*.csv *.txt *.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is %2; the outlook reads files of up to %3.</source>
        <translation>Die Datei „%1“ ist %2 groß; der Ausblick liest Dateien bis %3.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be imported.
%2</source>
        <translation>Die Datei „%1“ konnte nicht importiert werden.
%2</translation>
    </message>
    <message>
        <source>the hours of %1</source>
        <translation>die Stunden aus %1</translation>
    </message>
    <message>
        <source>From %1 (%2): </source>
        <translation>Aus %1 (%2): </translation>
    </message>
    <message>
        <source>%1 hours, the means of %2 readings</source>
        <translation>%1 Stunden, die Mittel aus %2 Messwerten</translation>
    </message>
    <message>
        <source>, %1 with a value that could not be read (marked)</source>
        <translation>, %1 mit einem unlesbaren Wert (markiert)</translation>
    </message>
    <message>
        <source>, 1 unreadable reading left out of the means</source>
        <translation>, 1 unlesbarer Messwert nicht in den Mitteln</translation>
    </message>
    <message>
        <source>, %1 unreadable readings left out of the means</source>
        <translation>, %1 unlesbare Messwerte nicht in den Mitteln</translation>
    </message>
    <message>
        <source>The pasted rows could not be read.
%1</source>
        <translation>Die eingefügten Zeilen konnten nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <source>Typed or pasted hours</source>
        <translation>Eingegebene oder eingefügte Stunden</translation>
    </message>
    <message>
        <source>Type the site&apos;s latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees, for instance 47.3769 and 8.5417.</source>
        <translation>Geben Sie Breite (-90 bis 90 °N) und Länge (-180 bis 180 °E) der Baustelle in Grad ein, zum Beispiel 47.3769 und 8.5417.</translation>
    </message>
    <message>
        <source>the forecast for %1</source>
        <translation>die Vorhersage für %1</translation>
    </message>
    <message>
        <source>Fetching the forecast for %1 from %2…</source>
        <translation>Vorhersage für %1 wird von %2 abgerufen…</translation>
    </message>
    <message>
        <source>Forecast for %1 (%2), %3 hours in the site&apos;s time (%4)</source>
        <translation>Vorhersage für %1 (%2), %3 Stunden in Ortszeit der Baustelle (%4)</translation>
    </message>
    <message>
        <source>, %1 without a forecast value (marked)</source>
        <translation>, %1 ohne Vorhersagewert (markiert)</translation>
    </message>
    <message>
        <source>, from %1, fetched %2</source>
        <translation>, von %1, abgerufen %2</translation>
    </message>
    <message>
        <source> (kept from then: the server was not asked again)</source>
        <translation> (von damals gespeichert: der Server wurde nicht erneut gefragt)</translation>
    </message>
    <message>
        <source>the forecast kept for %1</source>
        <translation>die gespeicherte Vorhersage für %1</translation>
    </message>
    <message>
        <source>Forecast Server</source>
        <translation>Vorhersageserver</translation>
    </message>
    <message>
        <source> It is sent only over https, or over http to this computer: over plain http anyone on the way could read it.</source>
        <translation> Er wird nur über https gesendet, oder über http an diesen Computer: über unverschlüsseltes http könnte ihn jeder auf dem Weg lesen.</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>Basis-URL</translation>
    </message>
    <message>
        <source>Geocoding service (Find Site)</source>
        <translation>Geocodierungsdienst (Baustelle suchen)</translation>
    </message>
    <message>
        <source>API key (optional)</source>
        <translation>API-Schlüssel (optional)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address (http:// or https://).</source>
        <translation>„%1“ ist keine Webadresse (http:// oder https://).</translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation> Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Sonnig</translation>
    </message>
    <message>
        <source>Shaded</source>
        <translation>Schattig</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>frmPlanPour</name>
    <message>
        <source>Plan a Pour</source>
        <translation>Betonage planen</translation>
    </message>
    <message>
        <source>Pour</source>
        <translation>Betonage</translation>
    </message>
    <message>
        <source>Concrete = air +</source>
        <translation>Beton = Luft +</translation>
    </message>
    <message>
        <source>Concrete =</source>
        <translation>Beton =</translation>
    </message>
    <message>
        <source>Find a site</source>
        <translation>Baustelle suchen</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Where the forecast has no value</source>
        <translation>Wo die Vorhersage keinen Wert hat</translation>
    </message>
    <message>
        <source>this computer&apos;s (%1): find the site to use its own</source>
        <translation>die dieses Computers (%1): suchen Sie die Baustelle, um ihre eigene zu verwenden</translation>
    </message>
    <message>
        <source>Name the site, or find it by name or postcode.</source>
        <translation>Benennen Sie die Baustelle oder suchen Sie sie nach Name oder Postleitzahl.</translation>
    </message>
    <message>
        <source>Type the site&apos;s latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees.</source>
        <translation>Geben Sie Breite (-90 bis 90 °N) und Länge (-180 bis 180 °E) der Baustelle in Grad ein.</translation>
    </message>
    <message>
        <source>The pour&apos;s end must come after its start.</source>
        <translation>Das Ende der Betonage muss nach ihrem Beginn liegen.</translation>
    </message>
    <message>
        <source>The threshold must be a rate above 0 in %1, not &quot;%2&quot;.</source>
        <translation>Der Grenzwert muss eine Rate über 0 in %1 sein, nicht „%2“.</translation>
    </message>
</context>
<context>
    <name>frmPourReport</name>
    <message>
        <source>Pour Report</source>
        <translation>Betonierbericht</translation>
    </message>
    <message>
        <source>%1; threshold in force %2 %3</source>
        <translation>%1; geltender Grenzwert %2 %3</translation>
    </message>
    <message>
        <source>%1 hours. %2 %3 borderline hours.</source>
        <translation>%1 Stunden. %2 %3 grenzwertige Stunden.</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Maßnahme</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Ergriffen</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Baustelle:</translation>
    </message>
    <message>
        <source>&amp;Pour or element:</source>
        <translation>Betonage oder Bau&amp;teil:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>Prepared &amp;by:</source>
        <translation>&amp;Erstellt von:</translation>
    </message>
    <message>
        <source>Mix:</source>
        <translation>Mischung:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Stunden:</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>Als P&amp;DF speichern…</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Measures planned and taken:</source>
        <translation>&amp;Maßnahmen geplant und ergriffen:</translation>
    </message>
    <message>
        <source>&amp;Other measures:</source>
        <translation>&amp;Weitere Maßnahmen:</translation>
    </message>
    <message>
        <source>&amp;Remarks:</source>
        <translation>Be&amp;merkungen:</translation>
    </message>
    <message>
        <source>The report was saved as &quot;%1&quot;</source>
        <translation>Der Bericht wurde als „%1“ gespeichert</translation>
    </message>
    <message>
        <source>The report was sent to the default printer</source>
        <translation>Der Bericht wurde an den Standarddrucker gesendet</translation>
    </message>
    <message>
        <source>%1, but it could not be kept in %2:
%3</source>
        <translation>%1, konnte aber nicht in %2 aufbewahrt werden:
%3</translation>
    </message>
    <message>
        <source>%1 and kept beside the records as report %2.
Its digest (SHA-256): %3</source>
        <translation>%1 und bei den Datensätzen als Bericht %2 aufbewahrt.
Sein Hashwert (SHA-256): %3</translation>
    </message>
</context>
<context>
    <name>frmRecordsLocation</name>
    <message>
        <source>Records Location</source>
        <translation>Speicherort der Datensätze</translation>
    </message>
    <message>
        <source>On this computer the environment variable %1 sets where records live: &quot;%2&quot;. The choice below is kept for when it is not set.</source>
        <translation>Auf diesem Rechner legt die Umgebungsvariable %1 fest, wo die Datensätze liegen: „%2“. Die Wahl unten gilt, wenn sie nicht gesetzt ist.</translation>
    </message>
    <message>
        <source>This computer&apos;s records file: &quot;%1&quot;</source>
        <translation>Die Datensatzdatei dieses Rechners: „%1“</translation>
    </message>
    <message>
        <source>A records server (PostgreSQL), for a team&apos;s one log:</source>
        <translation>Ein Datensatz-Server (PostgreSQL) für das gemeinsame Protokoll eines Teams:</translation>
    </message>
    <message>
        <source>No password is kept here: the server&apos;s password comes from libpq&apos;s password file (~/.pgpass) or PGPASSWORD, or is asked for once each time the program starts.</source>
        <translation>Hier wird kein Passwort gespeichert: das Passwort des Servers kommt aus der Passwortdatei von libpq (~/.pgpass) oder PGPASSWORD oder wird bei jedem Programmstart einmal abgefragt.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Type the server&apos;s address as postgresql://user@host:5432/database.</source>
        <translation>Die Serveradresse als postgresql://user@host:5432/database eingeben.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Selected Threshold Evap. Rate</source>
        <translation>Gewählter Grenzwert Verd.-Rate</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mischung</translation>
    </message>
    <message>
        <source>Calculated Evaporation Rate</source>
        <translation>Berechnete Verdunstungsrate</translation>
    </message>
    <message>
        <source>Calculation Response</source>
        <translation>Ergebnis der Berechnung</translation>
    </message>
    <message>
        <source>Record Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The record time &quot;%1&quot; cannot be read. Type it as %2.</source>
        <translation>Die Uhrzeit „%1“ ist nicht lesbar. Bitte als %2 eingeben.</translation>
    </message>
    <message>
        <source>The record date &quot;%1&quot; cannot be read. Type it as %2.</source>
        <translation>Das Datum „%1“ ist nicht lesbar. Bitte als %2 eingeben.</translation>
    </message>
    <message>
        <source>The record could not be saved in &quot;%1&quot;.
%2</source>
        <translation>Der Datensatz konnte in „%1“ nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Record added.</source>
        <translation>Datensatz hinzugefügt.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>frmSavedReports</name>
    <message>
        <source>Pour Reports</source>
        <translation>Betonierberichte</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Saved at (UTC)</source>
        <translation>Gespeichert (UTC)</translation>
    </message>
    <message>
        <source>Saved by</source>
        <translation>Gespeichert von</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Digest (SHA-256)</source>
        <translation>Hashwert (SHA-256)</translation>
    </message>
    <message>
        <source>The pour reports in %1 could not be read: %2</source>
        <translation>Die Betonierberichte in %1 konnten nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Pour reports kept in %1: %2.</source>
        <translation>In %1 aufbewahrte Betonierberichte: %2.</translation>
    </message>
    <message>
        <source>The digest printed at the foot of a copy</source>
        <translation>Der Hashwert am Fuß einer Kopie</translation>
    </message>
    <message>
        <source>Check a copy&apos;s &amp;digest:</source>
        <translation>&amp;Hashwert einer Kopie prüfen:</translation>
    </message>
    <message>
        <source>No saved pour report has this digest: the copy differs from every saved report.</source>
        <translation>Kein aufbewahrter Betonierbericht hat diesen Hashwert: die Kopie weicht von jedem aufbewahrten Bericht ab.</translation>
    </message>
    <message>
        <source>The copy matches report %1, &quot;%2&quot;, saved %3 by %4.</source>
        <translation>Die Kopie stimmt mit Bericht %1, „%2“, überein, gespeichert %3 von %4.</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Saved Records</source>
        <translation>Gespeicherte Datensätze</translation>
    </message>
    <message>
        <source>These records are from the records server: &quot;%1&quot;</source>
        <translation>Diese Datensätze stammen vom Datensatz-Server: „%1“</translation>
    </message>
    <message>
        <source>These records are from the Access database: &quot;%1&quot;</source>
        <translation>Diese Datensätze stammen aus der Access-Datenbank: „%1“</translation>
    </message>
    <message>
        <source>These records are from the Access database:</source>
        <translation>Diese Datensätze stammen aus der Access-Datenbank:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Include column headers</source>
        <translation>Spaltenköpfe einschließen</translation>
    </message>
    <message>
        <source>Include Access RecID</source>
        <translation>Access-RecID einschließen</translation>
    </message>
    <message>
        <source>Include column with the auto record number generated within Access.</source>
        <translation>Die Spalte mit der in Access erzeugten automatischen Datensatznummer einschließen.</translation>
    </message>
    <message>
        <source>Copy All Data to Clipboard</source>
        <translation>Alle Daten in die Zwischenablage</translation>
    </message>
    <message>
        <source>Edit privileges are active for the main purpose of editing the Misc. Note.</source>
        <translation>Bearbeiten ist vor allem für die Notiz freigeschaltet.</translation>
    </message>
    <message>
        <source>Results are not updated if input variables are changed here.</source>
        <translation>Ergebnisse werden nicht aktualisiert, wenn hier Eingaben geändert werden.</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Return Record Inputs to Calculator</source>
        <translation>Eingaben an den Rechner übergeben</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Write the records shown, every column, to a CSV file.</source>
        <translation>Schreibt die angezeigten Datensätze mit allen Spalten in eine CSV-Datei.</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Write the records shown as a report in a PDF file.</source>
        <translation>Schreibt die angezeigten Datensätze als Bericht in eine PDF-Datei.</translation>
    </message>
    <message>
        <source>Import Records…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Add the records of a CSV file written by Export CSV or by the field edition&apos;s log; records already here are not added again.</source>
        <translation>Fügt die Datensätze einer CSV-Datei hinzu, die CSV exportieren oder das Protokoll der Baustellenausgabe geschrieben hat; vorhandene werden nicht erneut hinzugefügt.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message>
        <source>Show every version of the selected record, who changed it and when.</source>
        <translation>Zeigt jede Version des gewählten Datensatzes, wer ihn wann geändert hat.</translation>
    </message>
    <message>
        <source>Show Deleted…</source>
        <translation>Gelöschte zeigen…</translation>
    </message>
    <message>
        <source>List the deleted records, to bring one back.</source>
        <translation>Listet die gelöschten Datensätze, um einen zurückzuholen.</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Baustelle:</translation>
    </message>
    <message>
        <source>All sites</source>
        <translation>Alle Baustellen</translation>
    </message>
    <message>
        <source>Dates from</source>
        <translation>Daten von</translation>
    </message>
    <message>
        <source>Show only the records dated from the first day to the last, both included.</source>
        <translation>Zeigt nur die Datensätze vom ersten bis zum letzten Tag, beide eingeschlossen.</translation>
    </message>
    <message>
        <source>Show &amp;in:</source>
        <translation>Anzeigen &amp;in:</translation>
    </message>
    <message>
        <source>Readings and rates in one unit system, converted for showing, sorting, copying and exporting only, or each record as it was saved.</source>
        <translation>Messwerte und Raten in einem Einheitensystem, nur zum Anzeigen, Sortieren, Kopieren und Exportieren umgerechnet, oder jeder Datensatz wie gespeichert.</translation>
    </message>
    <message>
        <source>The records could not be read</source>
        <translation>Die Datensätze konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Measures may be needed.  </source>
        <translation>Maßnahmen können nötig sein.  </translation>
    </message>
    <message>
        <source>The change to the record could not be saved</source>
        <translation>Die Änderung des Datensatzes konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Delete record: </source>
        <translation>Datensatz löschen: </translation>
    </message>
    <message>
        <source>The record could not be deleted</source>
        <translation>Der Datensatz konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete all records?</source>
        <translation>Alle Datensätze löschen?</translation>
    </message>
    <message>
        <source>Delete the %1 shown (%2)?</source>
        <translation>Die %1 angezeigten löschen (%2)?</translation>
    </message>
    <message>
        <source>Delete all %1 shown?</source>
        <translation>Alle %1 angezeigten löschen?</translation>
    </message>
    <message>
        <source>The records could not be deleted</source>
        <translation>Die Datensätze konnten nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Pour Report…</source>
        <translation>Betonierbericht…</translation>
    </message>
    <message>
        <source>Make a pour report of the selected records.</source>
        <translation>Einen Betonierbericht aus den gewählten Datensätzen erstellen.</translation>
    </message>
    <message>
        <source>Pour Reports…</source>
        <translation>Betonierberichte…</translation>
    </message>
    <message>
        <source>List the pour reports kept beside the records, and check a copy&apos;s digest.</source>
        <translation>Die bei den Datensätzen aufbewahrten Betonierberichte auflisten und den Hashwert einer Kopie prüfen.</translation>
    </message>
</context>
</TS>
