<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>--%1 goes with --outlook FILE.csv.</source>
        <translation>--%1 s&apos;emploie avec --outlook FILE.csv.</translation>
    </message>
    <message>
        <source>--units takes us or si, not &quot;%1&quot;.</source>
        <translation>--units accepte us ou si, pas « %1 ».</translation>
    </message>
    <message>
        <source>--threshold takes %1, %2 or another rate above 0 in %3, not &quot;%4&quot;.</source>
        <translation>--threshold accepte %1, %2 ou un autre taux supérieur à 0 en %3, pas « %4 ».</translation>
    </message>
    <message>
        <source>--concrete takes air+N, air-N or N in %1, not &quot;%2&quot;.</source>
        <translation>--concrete accepte air+N, air-N ou N en %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>Usage: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
                 [--concrete air+N|N] [--every-reading]]
       brackmere --help | --version
</source>
        <translation>Usage : brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
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
Sans option, ouvre la fenêtre du calculateur.

  --outlook FILE.csv  Lit des relevés dans FILE.csv, ou sur l&apos;entrée standard avec -,
                      et écrit pour chaque ligne le taux par abaque, le taux par
                      équation et le message en CSV sur la sortie standard au fur
                      et à mesure, sans ouvrir de fenêtre. Les colonnes sont
                      trouvées par les noms d&apos;un en-tête dans les 20 premières
                      lignes (les lignes avant lui, comme celles de l&apos;appareil d&apos;un
                      instrument, sont ignorées) ; sans en-tête elles sont dans
                      l&apos;ordre heure, température de l&apos;air, humidité relative, vent,
                      température du béton (la dernière est facultative). Les
                      unités viennent de l&apos;en-tête ou d&apos;une ligne d&apos;unités dessous.
                      Le texte peut être en UTF-8, UTF-16 ou Windows-1252. Les
                      relevés à moins d&apos;une heure d&apos;écart (le journal d&apos;un
                      instrument) sont moyennés par heure ; la colonne Readings les
                      compte. L&apos;entrée standard et les fichiers non réguliers sont
                      lus jusqu&apos;à %1.
  --units us|si       Les unités des résultats, des options ci-dessous et des
                      valeurs dont la source ne nomme pas d&apos;unité : us (°F, mph,
                      lb/ft²/hr, par défaut) ou si (°C, km/h, kg/m²/hr).
  --threshold RATE    Le seuil en vigueur, comme dans la fenêtre : celui par défaut
                      %2 (%3 en si), %4 (%5 en si) ou un autre taux.
  --concrete air+N|N  Une température du béton manquante : celle de l&apos;air plus N
                      (air+0, par défaut ; air-2 aussi), ou N.
  --every-reading     Une ligne par relevé plutôt que les moyennes de chaque heure.
  --version           Affiche la version.
  -h, --help          Affiche cette aide.

Code de sortie : %6 si au moins une ligne a été calculée, %7 si le fichier a été lu
mais aucune ligne n&apos;a pu être calculée, %8 si les arguments ou l&apos;entrée sont inutilisables.
</translation>
    </message>
</context>
<context>
    <name>CopyUp</name>
    <message>
        <source>The records file &quot;%1&quot; was not found.</source>
        <translation>Le fichier d&apos;enregistrements « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; could not be opened: %2</source>
        <translation>Le fichier d&apos;enregistrements « %1 » n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>The records of &quot;%1&quot; could not be read: %2</source>
        <translation>Les enregistrements de « %1 » n&apos;ont pas pu être lus : %2</translation>
    </message>
    <message>
        <source>Nothing was copied to %1: %2</source>
        <translation>Rien n&apos;a été copié vers %1 : %2</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was copied.</source>
        <translation>La copie a été annulée ; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>Of %1 %2 in the file, %3 copied to the server and %4 there already.</source>
        <translation>Sur %1 %2 du fichier, %3 copiés sur le serveur et %4 déjà présents.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Air Temperature</source>
        <translation>Température de l&apos;air</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Humidité relative</translation>
    </message>
    <message>
        <source>Concrete Temperature</source>
        <translation>Température du béton</translation>
    </message>
    <message>
        <source>Wind Velocity</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <source>air temperature</source>
        <translation>température de l&apos;air</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>humidité relative</translation>
    </message>
    <message>
        <source>concrete temperature</source>
        <translation>température du béton</translation>
    </message>
    <message>
        <source>wind velocity</source>
        <translation>vitesse du vent</translation>
    </message>
    <message>
        <source>US Customary (°F, mph, lb/ft²/hr)</source>
        <translation>Unités américaines (°F, mph, lb/ft²/hr)</translation>
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
        <translation>Faible ressuage (fumée de silice, superplastifiant)</translation>
    </message>
    <message>
        <source>Low-bleed</source>
        <translation>Faible ressuage</translation>
    </message>
    <message>
        <source>Latex-modified overlay</source>
        <translation>Chape modifiée au latex</translation>
    </message>
    <message>
        <source>Latex-modified</source>
        <translation>Modifiée au latex</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Measures may be needed.</source>
        <translation>Des mesures peuvent être nécessaires.</translation>
    </message>
    <message>
        <source>Measures shall be taken.</source>
        <translation>Des mesures doivent être prises.</translation>
    </message>
    <message>
        <source>Cure the concrete as usual as soon as finishing allows, because every slab needs curing whatever the rate.</source>
        <translation>Effectuez la cure du béton comme d&apos;habitude dès que la finition le permet, car toute dalle doit être protégée quel que soit le taux.</translation>
    </message>
    <message>
        <source>Read the conditions again when the weather changes, because sun, wind or drier air can raise the rate within the hour.</source>
        <translation>Relevez à nouveau les conditions quand le temps change, car le soleil, le vent ou un air plus sec peuvent augmenter le taux en moins d&apos;une heure.</translation>
    </message>
    <message>
        <source>Dampen the subgrade and the forms before placing, so that they do not draw water out of the concrete.</source>
        <translation>Humidifiez le support et les coffrages avant la mise en place, pour qu&apos;ils n&apos;absorbent pas l&apos;eau du béton.</translation>
    </message>
    <message>
        <source>Put up windbreaks and sunshades, because wind and sun on the slab drive evaporation.</source>
        <translation>Installez des brise-vent et des pare-soleil, car le vent et le soleil sur la dalle accélèrent l&apos;évaporation.</translation>
    </message>
    <message>
        <source>Keep a fog spray running above the surface until curing starts, so that the air over the slab stays moist without water being worked into the surface.</source>
        <translation>Maintenez une brumisation au-dessus de la surface jusqu&apos;au début de la cure, pour que l&apos;air au-dessus de la dalle reste humide sans que de l&apos;eau soit incorporée à la surface.</translation>
    </message>
    <message>
        <source>Apply an evaporation retarder after screeding when the surface dries before finishing, to hold its water in.</source>
        <translation>Appliquez un produit retardateur d&apos;évaporation après le réglage si la surface sèche avant la finition, pour y retenir l&apos;eau.</translation>
    </message>
    <message>
        <source>Cover the surface with wet burlap or plastic sheeting during delays, so that it does not dry while it waits.</source>
        <translation>Couvrez la surface de toile de jute humide ou d&apos;un film plastique pendant les attentes, pour qu&apos;elle ne sèche pas entre-temps.</translation>
    </message>
    <message>
        <source>Start curing sooner, as soon as finishing allows, because the surface loses water faster than it bleeds.</source>
        <translation>Commencez la cure plus tôt, dès que la finition le permet, car la surface perd l&apos;eau plus vite qu&apos;elle ne ressue.</translation>
    </message>
    <message>
        <source>Schedule the pour for a cooler part of the day, such as early morning or evening, when the rate is lower.</source>
        <translation>Prévoyez le bétonnage à un moment plus frais de la journée, tôt le matin ou le soir, quand le taux est plus faible.</translation>
    </message>
    <message>
        <source>Cool the concrete with chilled mixing water, ice or shaded aggregates, because cooler concrete evaporates less.</source>
        <translation>Refroidissez le béton avec de l&apos;eau de gâchage refroidie, de la glace ou des granulats à l&apos;ombre, car un béton plus frais s&apos;évapore moins.</translation>
    </message>
    <message>
        <source>Apply an evaporation retarder after screeding, to hold the water in the surface until finishing.</source>
        <translation>Appliquez un produit retardateur d&apos;évaporation après le réglage, pour retenir l&apos;eau dans la surface jusqu&apos;à la finition.</translation>
    </message>
    <message>
        <source>No measures against evaporation are needed at this rate.</source>
        <translation>À ce taux, aucune mesure contre l&apos;évaporation n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>Measures may be needed: have these ready and take them when the surface dries before bleeding stops.</source>
        <translation>Des mesures peuvent être nécessaires : préparez-les et appliquez-les si la surface sèche avant la fin du ressuage.</translation>
    </message>
    <message>
        <source>The rate is above the threshold in force: take these measures, in this order.</source>
        <translation>Le taux dépasse le seuil en vigueur : prenez ces mesures, dans cet ordre.</translation>
    </message>
    <message>
        <source>Enter four readings inside their ranges to see the measures for their rate.</source>
        <translation>Saisissez les quatre relevés dans leurs plages pour voir les mesures correspondant à leur taux.</translation>
    </message>
    <message>
        <source>Cool the concrete to %1 or below</source>
        <translation>Refroidissez le béton à %1 ou moins</translation>
    </message>
    <message>
        <source>No concrete temperature from %1 to %2 brings the rate down to the threshold: take the other measures</source>
        <translation>Aucune température du béton de %1 à %2 ne ramène le taux au seuil : prenez les autres mesures</translation>
    </message>
    <message>
        <source>Relative Humidty</source>
        <translation>Humidité relative</translation>
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
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Brackmere Help</source>
        <translation>Aide de Brackmere</translation>
    </message>
    <message>
        <source>Brackmere Help - %1</source>
        <translation>Aide de Brackmere - %1</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be opened: it is missing, unreadable or not a compiled help file. Brackmere expects its help as brackmere.chm in the program&apos;s folder; installing the program again restores it.</source>
        <translation>Le fichier d&apos;aide « %1 » n&apos;a pas pu être ouvert : il manque, est illisible ou n&apos;est pas un fichier d&apos;aide compilé. Brackmere attend son aide sous le nom brackmere.chm dans le dossier du programme ; réinstaller le programme la rétablit.</translation>
    </message>
    <message>
        <source>Help topic not found</source>
        <translation>Rubrique d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; was not found in the help file &quot;%2&quot;. &lt;a href=&quot;%3&quot;&gt;Show the introduction&lt;/a&gt;.</source>
        <translation>La rubrique « %1 » est absente du fichier d&apos;aide « %2 ». &lt;a href=&quot;%3&quot;&gt;Afficher l&apos;introduction&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>InputRow</name>
    <message>
        <source>&lt;-- Valid Input Range --&gt;</source>
        <translation>&lt;-- Plage valide --&gt;</translation>
    </message>
    <message>
        <source>%1 scroll bar</source>
        <translation>barre de défilement de %1</translation>
    </message>
    <message>
        <source>Sets the %1 from %2 to %3 %4 in steps of 1 %4</source>
        <translation>Règle la %1 de %2 à %3 %4 par pas de 1 %4</translation>
    </message>
</context>
<context>
    <name>PrintDestinations</name>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
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
        <translation>Échec de l&apos;impression</translation>
    </message>
    <message>
        <source>The page was not printed. %1

Save it as a PDF file instead?</source>
        <translation>La page n&apos;a pas été imprimée. %1

L&apos;enregistrer plutôt en fichier PDF ?</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1
%2</source>
        <translation>Le fichier PDF n&apos;a pas pu être écrit :
%1
%2</translation>
    </message>
    <message>
        <source>The page was saved as a PDF file:
%1</source>
        <translation>La page a été enregistrée en fichier PDF :
%1</translation>
    </message>
    <message>
        <source>Saved as PDF</source>
        <translation>Enregistré en PDF</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>The print job could not be started.</source>
        <translation>L&apos;impression n&apos;a pas pu être lancée.</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>La page suivante n&apos;a pas pu être commencée.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>L&apos;impression n&apos;a pas pu être terminée.</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>L&apos;imprimante a signalé une erreur ; la page n&apos;a peut-être pas été imprimée.</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Il n&apos;y a pas d&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; cannot be used.</source>
        <translation>L&apos;imprimante par défaut « %1 » est inutilisable.</translation>
    </message>
    <message>
        <source>No file name was given for the PDF file.</source>
        <translation>Aucun nom n&apos;a été donné au fichier PDF.</translation>
    </message>
    <message>
        <source>The PDF file was not written.</source>
        <translation>Le fichier PDF n&apos;a pas été écrit.</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>Export CSV</source>
        <translation>Exporter CSV</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter PDF</translation>
    </message>
    <message>
        <source>The records could not be exported to &quot;%1&quot;.
%2</source>
        <translation>Les enregistrements n&apos;ont pas pu être exportés vers « %1 ».
%2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV : virgules entre champs, point décimal (*.csv)</translation>
    </message>
    <message>
        <source>Saved Records.csv</source>
        <translation>Enregistrements.csv</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saved Records.pdf</source>
        <translation>Enregistrements.pdf</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier « %1 » n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>RecordsFilter</name>
    <message>
        <source>All sites, all dates</source>
        <translation>Tous les chantiers, toutes les dates</translation>
    </message>
    <message>
        <source>All sites</source>
        <translation>Tous les chantiers</translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Chantier : </translation>
    </message>
    <message>
        <source>all dates</source>
        <translation>toutes les dates</translation>
    </message>
    <message>
        <source>site </source>
        <translation>chantier </translation>
    </message>
    <message>
        <source>Reading records: %1 read so far</source>
        <translation>Lecture des enregistrements : %1 lus jusqu&apos;ici</translation>
    </message>
</context>
<context>
    <name>RecordsImportDialog</name>
    <message>
        <source>Import Records</source>
        <translation>Importer des enregistrements</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Fichiers CSV : virgules entre champs, point décimal (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>Importing the records of &quot;%1&quot; into %2…</source>
        <translation>Import des enregistrements de « %1 » dans %2…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Air Temp</source>
        <translation>Temp. air</translation>
    </message>
    <message>
        <source>Relative Humidty</source>
        <translation>Humidité relative</translation>
    </message>
    <message>
        <source>Conc Temp</source>
        <translation>Temp. béton</translation>
    </message>
    <message>
        <source>Wind Velocity</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <source>Evap Rate</source>
        <translation>Taux évap.</translation>
    </message>
    <message>
        <source>Printed </source>
        <translation>Imprimé le </translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Chantier : </translation>
    </message>
    <message>
        <source>Mix: </source>
        <translation>Mélange : </translation>
    </message>
    <message>
        <source>Evaporation Rate Report:</source>
        <translation>Rapport du taux d&apos;évaporation :</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>  Air Temperature = </source>
        <translation>  Température de l&apos;air = </translation>
    </message>
    <message>
        <source>  Relative Humidty = </source>
        <translation>  Humidité relative = </translation>
    </message>
    <message>
        <source>  Concrete Temperature = </source>
        <translation>  Température du béton = </translation>
    </message>
    <message>
        <source>  Wind Velocity = </source>
        <translation>  Vitesse du vent = </translation>
    </message>
    <message>
        <source>Evaporation Rate By Nomograph = </source>
        <translation>Taux d&apos;évaporation par abaque = </translation>
    </message>
    <message>
        <source>Evaporation Rate By Equation = </source>
        <translation>Taux d&apos;évaporation par équation = </translation>
    </message>
    <message>
        <source>Variation Scenario 1 (User Inputed Rate of </source>
        <translation>Scénario de variation 1 (taux saisi de </translation>
    </message>
    <message>
        <source>Variation Scenario 2 (Measures May Be Needed Threshold):</source>
        <translation>Scénario de variation 2 (seuil des mesures possibles) :</translation>
    </message>
    <message>
        <source>Variation Scenario 3 (Measures Required Threshold):</source>
        <translation>Scénario de variation 3 (seuil des mesures obligatoires) :</translation>
    </message>
    <message>
        <source>No solution calculated yet!</source>
        <translation>Aucune solution calculée pour l&apos;instant !</translation>
    </message>
    <message>
        <source>No Print</source>
        <translation>Pas d&apos;impression</translation>
    </message>
    <message>
        <source>Print Sent</source>
        <translation>Impression envoyée</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>UnitCaptions</name>
    <message>
        <source>Rate of Evaporation (%1)</source>
        <translation>Taux d&apos;évaporation (%1)</translation>
    </message>
    <message>
        <source>Evap (%1)</source>
        <translation>Évap. (%1)</translation>
    </message>
    <message>
        <source>Use default rate of %1 %2</source>
        <translation>Par défaut, %1 %2</translation>
    </message>
    <message>
        <source>Variation Scenarios to Get Evaporation Rate of %1 %2</source>
        <translation>Scénarios de variation pour un taux d&apos;évaporation de %1 %2</translation>
    </message>
</context>
<context>
    <name>capture</name>
    <message>
        <source>The window could not be captured, so nothing was printed.</source>
        <translation>La fenêtre n&apos;a pas pu être capturée : rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Échec de l&apos;impression</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application Title</source>
        <translation>Titre de l&apos;application</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Concrete Curing Evaporation Rate Calculator </source>
        <translation>Calcul du taux d&apos;évaporation pour la cure du béton </translation>
    </message>
    <message>
        <source>Telephone: 555-0142</source>
        <translation>Téléphone : 555-0142</translation>
    </message>
    <message>
        <source>Warning: Brackmere is an aid to engineering judgement, not a substitute for it. Check its results against the project requirements and the conditions on site before acting on them.</source>
        <translation>Avertissement : Brackmere aide le jugement de l&apos;ingénieur, il ne le remplace pas. Vérifiez ses résultats au regard des exigences du projet et des conditions du chantier avant d&apos;agir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
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
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>When (UTC)</source>
        <translation>Quand (UTC)</translation>
    </message>
    <message>
        <source>(not named)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>History of Record %1</source>
        <translation>Historique de l&apos;enregistrement %1</translation>
    </message>
    <message>
        <source>Deleted Records</source>
        <translation>Enregistrements supprimés</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Rétablir cette version</translation>
    </message>
    <message>
        <source>Restore Record</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The history could not be read from %1: %2</source>
        <translation>L&apos;historique n&apos;a pas pu être lu depuis %1 : %2</translation>
    </message>
    <message>
        <source>No deleted records.</source>
        <translation>Aucun enregistrement supprimé.</translation>
    </message>
    <message>
        <source>Records deleted and not brought back since, each as it was deleted, the latest first.</source>
        <translation>Enregistrements supprimés et non rétablis depuis, chacun tel qu&apos;il était à sa suppression, le plus récent d&apos;abord.</translation>
    </message>
    <message>
        <source>Record %1 has not been changed since it was saved.</source>
        <translation>L&apos;enregistrement %1 n&apos;a pas changé depuis son enregistrement.</translation>
    </message>
    <message>
        <source>Record %1 as it is now, then as it was before each change, delete or restore, the latest first.</source>
        <translation>L&apos;enregistrement %1 tel qu&apos;il est, puis tel qu&apos;il était avant chaque modification, suppression ou rétablissement, le plus récent d&apos;abord.</translation>
    </message>
    <message>
        <source>Bring back record %1 (%2)?</source>
        <translation>Rétablir l&apos;enregistrement %1 (%2) ?</translation>
    </message>
    <message>
        <source>Put record %1 back as it was before it was %2?</source>
        <translation>Remettre l&apos;enregistrement %1 tel qu&apos;il était avant d&apos;être %2 ?</translation>
    </message>
    <message>
        <source>The record could not be restored in &quot;%1&quot;.
%2</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être rétabli dans « %1 ».
%2</translation>
    </message>
    <message>
        <source>Record %1 is back as record %2: its number was taken meanwhile.</source>
        <translation>L&apos;enregistrement %1 revient comme enregistrement %2 : son numéro a été pris entre-temps.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Only necessary if erased by other forms or after resizing window.</source>
        <translation>Nécessaire seulement si d&apos;autres fenêtres l&apos;ont effacé ou après redimensionnement.</translation>
    </message>
    <message>
        <source>When the evaporation rate exceeds 0.2 lb/ft²/hr (1.0 kg/m²/hr), measures shall be taken to prevent excessive moisture loss from the surface of unhardened concrete; when the rate exceeds 0.1 lb/ft²/hr (0.5 kg/m²/hr) such measures may be needed.  When excessive moisture loss is not prevented, plastic cracking is likely to occur.</source>
        <translation>Lorsque le taux d&apos;évaporation dépasse 0,2 lb/ft²/hr (1,0 kg/m²/hr), des mesures doivent être prises pour éviter une perte d&apos;humidité excessive à la surface du béton frais ; lorsqu&apos;il dépasse 0,1 lb/ft²/hr (0,5 kg/m²/hr), de telles mesures peuvent être nécessaires.  Sans elles, une fissuration plastique est probable.</translation>
    </message>
    <message>
        <source>Display Valid Input Ranges</source>
        <translation>Afficher les plages valides</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Garder les données</translation>
    </message>
    <message>
        <source>View Saved Data Records</source>
        <translation>Voir les relevés</translation>
    </message>
    <message>
        <source>By Nomograph</source>
        <translation>Par abaque</translation>
    </message>
    <message>
        <source>By ACI Eqn.</source>
        <translation>Par équation ACI</translation>
    </message>
    <message>
        <source>Threshold Evaporartion Rate for Required Precautions</source>
        <translation>Taux d&apos;évaporation seuil des précautions requises</translation>
    </message>
    <message>
        <source>Use alternate rate of</source>
        <translation>Autre taux de</translation>
    </message>
    <message>
        <source>Mix:</source>
        <translation>Mélange :</translation>
    </message>
    <message>
        <source>The default value may be revised by the architect/engineer.  Concrete mixtures with lower water cement ratios or containing conventional or ultra-fine pozzolan or cementious materials may require lower allowable evaporation rates.</source>
        <translation>L&apos;architecte ou l&apos;ingénieur peut réviser la valeur par défaut.  Les bétons à plus faible rapport eau/ciment ou contenant des pouzzolanes ou des liants classiques ou ultrafins peuvent exiger des taux d&apos;évaporation admissibles plus faibles.</translation>
    </message>
    <message>
        <source>If the rate of evaporation approaches the default value of 0.2 lb/ft²/hr (1 kg/m²/hr), precautions against plastic-shrinkage cracking are necessary.</source>
        <translation>Si le taux d&apos;évaporation approche la valeur par défaut de 0,2 lb/ft²/hr (1 kg/m²/hr), des précautions contre la fissuration due au retrait plastique sont nécessaires.</translation>
    </message>
    <message>
        <source>Variation Legend</source>
        <translation>Légende des variations</translation>
    </message>
    <message>
        <source>- Successful Variation</source>
        <translation>- Variation réussie</translation>
    </message>
    <message>
        <source>- Fixed Input Value</source>
        <translation>- Valeur d&apos;entrée fixe</translation>
    </message>
    <message>
        <source>- Illegal Math or Outside Valid Limits</source>
        <translation>- Calcul impossible ou hors limites</translation>
    </message>
    <message>
        <source>Redraw Nomograph Solution</source>
        <translation>Retracer la solution</translation>
    </message>
    <message>
        <source>Wind speed is the average horizontal air or wind speed in mph (km/h) and should be measured at a level approximately 20 in. (510 mm) higher than the evaporating surface. Air temperature and relative humidity should be measured at a level approximately 4 to 6 ft (1.2 to 1.8 m) higher than the evaporating surface on its windward side shielded from the sun’s rays (PCA Journal 1957).</source>
        <translation>La vitesse du vent est la vitesse horizontale moyenne de l&apos;air en mph (km/h), mesurée à environ 20 in (510 mm) au-dessus de la surface qui s&apos;évapore. La température de l&apos;air et l&apos;humidité relative se mesurent à environ 4 à 6 ft (1,2 à 1,8 m) au-dessus de cette surface, côté vent, à l&apos;abri du soleil (PCA Journal 1957).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Pour-Day &amp;Outlook…</source>
        <translation>Prévisions du j&amp;our de coulage…</translation>
    </message>
    <message>
        <source>Records &amp;Location…</source>
        <translation>&amp;Emplacement des enregistrements…</translation>
    </message>
    <message>
        <source>&amp;Copy Local Records to Server…</source>
        <translation>&amp;Copier les enregistrements locaux sur le serveur…</translation>
    </message>
    <message>
        <source>&amp;Import Records…</source>
        <translation>Im&amp;porter des enregistrements…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Form</source>
        <translation>&amp;Fenêtre</translation>
    </message>
    <message>
        <source>&amp;Text Report</source>
        <translation>&amp;Rapport texte</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>&amp;Measures…</source>
        <translation>&amp;Mesures…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Brackmere - Concrete Curing Evaporation Rate Calculator </source>
        <translation>Brackmere - Calcul du taux d&apos;évaporation pour la cure du béton </translation>
    </message>
    <message>
        <source>Capture form and send to default printer.</source>
        <translation>Capturer la fenêtre et l&apos;envoyer à l&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>No solution path: enter four readings inside their ranges.</source>
        <translation>Pas de tracé de solution : saisissez quatre relevés dans leurs plages.</translation>
    </message>
    <message>
        <source>Solution path through %1 to the rate %2 %3</source>
        <translation>Tracé de solution par %1 jusqu&apos;au taux %2 %3</translation>
    </message>
    <message>
        <source>%1 when varying %2</source>
        <translation>%1 en faisant varier la %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sans valeur</translation>
    </message>
    <message>
        <source>fixed input</source>
        <translation>entrée fixe</translation>
    </message>
    <message>
        <source>successful variation</source>
        <translation>variation réussie</translation>
    </message>
    <message>
        <source>illegal math or outside valid limits</source>
        <translation>calcul impossible ou hors limites</translation>
    </message>
    <message>
        <source>%1 for the rate %2 %3: %4</source>
        <translation>%1 pour le taux %2 %3 : %4</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Records Location</source>
        <translation>Emplacement des enregistrements</translation>
    </message>
    <message>
        <source>The choice is saved. On this computer the environment variable %1 still decides where records live.</source>
        <translation>Le choix est enregistré. Sur cet ordinateur, la variable d&apos;environnement %1 décide toujours de l&apos;emplacement des enregistrements.</translation>
    </message>
    <message>
        <source>
The records stay where they were: %1.</source>
        <translation>
Les enregistrements restent où ils étaient : %1.</translation>
    </message>
    <message>
        <source>Records are now kept in %1.</source>
        <translation>Les enregistrements sont désormais conservés dans %1.</translation>
    </message>
    <message>
        <source>Copy Local Records to Server</source>
        <translation>Copier les enregistrements locaux sur le serveur</translation>
    </message>
    <message>
        <source>Records files (*.mdb);;All files (*)</source>
        <translation>Fichiers d&apos;enregistrements (*.mdb);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Copying the records to %1…</source>
        <translation>Copie des enregistrements vers %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; lies on a network file system (%2). When several computers save to it at once, its locking cannot be trusted there and the file can be damaged.

To keep one log for a team, keep the records on a records server instead: File, Records Location.</source>
        <translation>Le fichier d&apos;enregistrements « %1 » se trouve sur un système de fichiers réseau (%2). Quand plusieurs ordinateurs y enregistrent en même temps, son verrouillage n&apos;y est pas fiable et le fichier peut être endommagé.

Pour tenir un journal commun d&apos;équipe, conservez plutôt les enregistrements sur un serveur : Fichier, Emplacement des enregistrements.</translation>
    </message>
    <message>
        <source>Records on a Network File System</source>
        <translation>Enregistrements sur un système de fichiers réseau</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Rate by nomograph</source>
        <translation>Taux par abaque</translation>
    </message>
    <message>
        <source>Rate by ACI equation</source>
        <translation>Taux par équation ACI</translation>
    </message>
    <message>
        <source>Precaution message</source>
        <translation>Message de précaution</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>Imprimer la fenêtre</translation>
    </message>
    <message>
        <source>Nomograph</source>
        <translation>Abaque</translation>
    </message>
    <message>
        <source>Print sent to default printer.</source>
        <translation>Impression envoyée à l&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Error #%1 %2<byte value="xd"/>Try to continue?</source>
        <translation>Erreur n° %1 %2<byte value="xd"/>Essayer de continuer ?</translation>
    </message>
    <message>
        <source>Error encountered.</source>
        <translation>Une erreur est survenue.</translation>
    </message>
    <message>
        <source>Alternate rate (%1)</source>
        <translation>Autre taux (%1)</translation>
    </message>
</context>
<context>
    <name>frmMeasures</name>
    <message>
        <source>Measures</source>
        <translation>Mesures</translation>
    </message>
</context>
<context>
    <name>frmRecordsLocation</name>
    <message>
        <source>Records Location</source>
        <translation>Emplacement des enregistrements</translation>
    </message>
    <message>
        <source>On this computer the environment variable %1 sets where records live: &quot;%2&quot;. The choice below is kept for when it is not set.</source>
        <translation>Sur cet ordinateur, la variable d&apos;environnement %1 fixe l&apos;emplacement des enregistrements : « %2 ». Le choix ci-dessous est conservé pour quand elle n&apos;est pas définie.</translation>
    </message>
    <message>
        <source>This computer&apos;s records file: &quot;%1&quot;</source>
        <translation>Le fichier d&apos;enregistrements de cet ordinateur : « %1 »</translation>
    </message>
    <message>
        <source>A records server (PostgreSQL), for a team&apos;s one log:</source>
        <translation>Un serveur d&apos;enregistrements (PostgreSQL), pour le journal commun d&apos;une équipe :</translation>
    </message>
    <message>
        <source>No password is kept here: the server&apos;s password comes from libpq&apos;s password file (~/.pgpass) or PGPASSWORD, or is asked for once each time the program starts.</source>
        <translation>Aucun mot de passe n&apos;est conservé ici : celui du serveur vient du fichier de mots de passe de libpq (~/.pgpass) ou de PGPASSWORD, ou est demandé une fois à chaque démarrage du programme.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Type the server&apos;s address as postgresql://user@host:5432/database.</source>
        <translation>Saisissez l&apos;adresse du serveur sous la forme postgresql://user@host:5432/database.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Selected Threshold Evap. Rate</source>
        <translation>Taux d&apos;évap. seuil choisi</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Calculated Evaporation Rate</source>
        <translation>Taux d&apos;évaporation calculé</translation>
    </message>
    <message>
        <source>Calculation Response</source>
        <translation>Réponse du calcul</translation>
    </message>
    <message>
        <source>Record Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The record time &quot;%1&quot; cannot be read. Type it as %2.</source>
        <translation>L&apos;heure « %1 » est illisible. Saisissez-la sous la forme %2.</translation>
    </message>
    <message>
        <source>The record date &quot;%1&quot; cannot be read. Type it as %2.</source>
        <translation>La date « %1 » est illisible. Saisissez-la sous la forme %2.</translation>
    </message>
    <message>
        <source>The record could not be saved in &quot;%1&quot;.
%2</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être enregistré dans « %1 ».
%2</translation>
    </message>
    <message>
        <source>Record added.</source>
        <translation>Enregistrement ajouté.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Saved Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>These records are from the records server: &quot;%1&quot;</source>
        <translation>Ces enregistrements viennent du serveur : « %1 »</translation>
    </message>
    <message>
        <source>These records are from the Access database: &quot;%1&quot;</source>
        <translation>Ces enregistrements viennent de la base Access : « %1 »</translation>
    </message>
    <message>
        <source>These records are from the Access database:</source>
        <translation>Ces enregistrements viennent de la base Access :</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Include column headers</source>
        <translation>Inclure les en-têtes</translation>
    </message>
    <message>
        <source>Include Access RecID</source>
        <translation>Inclure le RecID Access</translation>
    </message>
    <message>
        <source>Include column with the auto record number generated within Access.</source>
        <translation>Inclure la colonne du numéro d&apos;enregistrement automatique généré dans Access.</translation>
    </message>
    <message>
        <source>Copy All Data to Clipboard</source>
        <translation>Copier toutes les données</translation>
    </message>
    <message>
        <source>Edit privileges are active for the main purpose of editing the Misc. Note.</source>
        <translation>La modification est active surtout pour modifier la note.</translation>
    </message>
    <message>
        <source>Results are not updated if input variables are changed here.</source>
        <translation>Les résultats ne sont pas mis à jour si les entrées sont modifiées ici.</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Return Record Inputs to Calculator</source>
        <translation>Renvoyer les entrées au calculateur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter CSV…</translation>
    </message>
    <message>
        <source>Write the records shown, every column, to a CSV file.</source>
        <translation>Écrit les enregistrements affichés, toutes colonnes, dans un fichier CSV.</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter PDF…</translation>
    </message>
    <message>
        <source>Write the records shown as a report in a PDF file.</source>
        <translation>Écrit les enregistrements affichés en rapport dans un fichier PDF.</translation>
    </message>
    <message>
        <source>Import Records…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Add the records of a CSV file written by Export CSV or by the field edition&apos;s log; records already here are not added again.</source>
        <translation>Ajoute les enregistrements d&apos;un fichier CSV écrit par Exporter CSV ou par le journal de l&apos;édition de chantier ; ceux déjà présents ne sont pas ajoutés à nouveau.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>Show every version of the selected record, who changed it and when.</source>
        <translation>Affiche chaque version de l&apos;enregistrement choisi, qui l&apos;a modifié et quand.</translation>
    </message>
    <message>
        <source>Show Deleted…</source>
        <translation>Voir les supprimés…</translation>
    </message>
    <message>
        <source>List the deleted records, to bring one back.</source>
        <translation>Liste les enregistrements supprimés, pour en rétablir un.</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Chantier :</translation>
    </message>
    <message>
        <source>All sites</source>
        <translation>Tous les chantiers</translation>
    </message>
    <message>
        <source>Dates from</source>
        <translation>Dates du</translation>
    </message>
    <message>
        <source>Show only the records dated from the first day to the last, both included.</source>
        <translation>N&apos;affiche que les enregistrements datés du premier au dernier jour, inclus.</translation>
    </message>
    <message>
        <source>Show &amp;in:</source>
        <translation>Afficher &amp;en :</translation>
    </message>
    <message>
        <source>Readings and rates in one unit system, converted for showing, sorting, copying and exporting only, or each record as it was saved.</source>
        <translation>Relevés et taux dans un seul système d&apos;unités, convertis seulement pour l&apos;affichage, le tri, la copie et l&apos;export, ou chaque enregistrement tel qu&apos;il a été enregistré.</translation>
    </message>
    <message>
        <source>The records could not be read</source>
        <translation>Les enregistrements n&apos;ont pas pu être lus</translation>
    </message>
    <message>
        <source>Measures may be needed.  </source>
        <translation>Des mesures peuvent être nécessaires.  </translation>
    </message>
    <message>
        <source>The change to the record could not be saved</source>
        <translation>La modification de l&apos;enregistrement n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>Delete record: </source>
        <translation>Supprimer l&apos;enregistrement : </translation>
    </message>
    <message>
        <source>The record could not be deleted</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>Delete all records?</source>
        <translation>Supprimer tous les enregistrements ?</translation>
    </message>
    <message>
        <source>Delete the %1 shown (%2)?</source>
        <translation>Supprimer les %1 affichés (%2) ?</translation>
    </message>
    <message>
        <source>Delete all %1 shown?</source>
        <translation>Supprimer les %1 affichés ?</translation>
    </message>
    <message>
        <source>The records could not be deleted</source>
        <translation>Les enregistrements n&apos;ont pas pu être supprimés</translation>
    </message>
</context>
</TS>
