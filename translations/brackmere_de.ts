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
        <source>Usage: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
                 [--concrete air+N|N] [--every-reading]]
       brackmere --help | --version
</source>
        <translation>Aufruf: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
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
Ohne Optionen öffnet sich das Rechnerfenster.

  --outlook FILE.csv  Liest Messwerte aus FILE.csv oder mit - von der Standardeingabe
                      und schreibt für jede Zeile die Rate nach Nomogramm, die Rate
                      nach Gleichung und die Meldung als CSV laufend auf die
                      Standardausgabe, ohne ein Fenster zu öffnen. Spalten werden
                      über die Namen einer Kopfzeile in den ersten 20 Zeilen
                      gefunden (Zeilen davor, etwa die Gerätezeilen eines
                      Messgeräts, werden übersprungen); ohne Kopfzeile stehen sie in
                      der Reihenfolge Zeit, Lufttemperatur, relative Luftfeuchte,
                      Wind, Betontemperatur (die letzte ist optional). Einheiten
                      kommen aus der Kopfzeile oder einer Einheitenzeile darunter.
                      Der Text darf UTF-8, UTF-16 oder Windows-1252 sein. Messwerte
                      in weniger als einer Stunde Abstand (das Protokoll eines
                      Messgeräts) werden zu Uhrzeitstunden gemittelt; die Spalte
                      Readings zählt sie. Standardeingabe und andere nicht reguläre
                      Dateien werden bis %1 gelesen.
  --units us|si       Die Einheiten der Ergebnisse, der Optionen unten und der
                      Werte, deren Quelle keine Einheit nennt: us (°F, mph,
                      lb/ft²/hr, Standard) oder si (°C, km/h, kg/m²/hr).
  --threshold RATE    Der geltende Grenzwert wie im Fenster: der Standardwert %2
                      (%3 in si), %4 (%5 in si) oder eine andere Rate.
  --concrete air+N|N  Eine fehlende Betontemperatur: die Lufttemperatur plus N
                      (air+0, Standard; auch air-2) oder N.
  --every-reading     Eine Zeile je Messwert statt der Mittel jeder Uhrzeitstunde.
  --version           Gibt die Version aus.
  -h, --help          Gibt diese Hilfe aus.

Exit-Status: %6, wenn mindestens eine Zeile berechnet wurde, %7, wenn die Datei gelesen,
aber keine Zeile berechnet werden konnte, %8, wenn Argumente oder Eingabe unbrauchbar sind.
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
</context>
<context>
    <name>frmMeasures</name>
    <message>
        <source>Measures</source>
        <translation>Maßnahmen</translation>
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
</context>
</TS>
