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
        <source>--days takes a number of days from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--days prend un nombre de jours de 1 à %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>--%1 goes with --watch.</source>
        <translation>--%1 va avec --watch.</translation>
    </message>
    <message>
        <source>--outlook, --watch and --outlook-pour go one at a time.</source>
        <translation>--outlook, --watch et --outlook-pour s&apos;emploient un à la fois.</translation>
    </message>
    <message>
        <source>--outlook-pour takes a planned pour&apos;s number, not &quot;%1&quot;.</source>
        <translation>--outlook-pour prend le numéro d&apos;un coulage planifié, pas « %1 ».</translation>
    </message>
    <message>
        <source>Usage: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]
                 [--concrete air+N|N] [--every-reading]]
       brackmere --watch [--days N] [--json] [--notify]
       brackmere --outlook-pour ID
       brackmere --help | --version
</source>
        <translation>Usage : brackmere [--outlook FICHIER.csv|- [--units us|si] [--threshold TAUX]
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
Sans option, ouvre la fenêtre du calculateur.

  --outlook FICHIER.csv  Lit des relevés dans FICHIER.csv, ou sur l&apos;entrée standard
                      avec -, et écrit pour chaque ligne le taux de l&apos;abaque, le taux
                      de l&apos;équation et le message en CSV sur la sortie standard au fil
                      du calcul, sans ouvrir de fenêtre. Les colonnes sont trouvées par
                      les noms d&apos;un en-tête dans les 20 premières lignes (les lignes
                      avant lui, comme celles d&apos;un appareil de mesure, sont ignorées) ;
                      sans en-tête elles suivent l&apos;ordre heure, température de l&apos;air,
                      humidité relative, vent, température du béton (facultative). Les
                      unités viennent de l&apos;en-tête ou d&apos;une ligne d&apos;unités en dessous.
                      Le texte peut être en UTF-8, UTF-16 ou Windows-1252. Les relevés
                      espacés de moins d&apos;une heure (le journal d&apos;un appareil) sont
                      moyennés par heure d&apos;horloge ; la colonne Relevés les compte.
                      L&apos;entrée standard et les fichiers non ordinaires sont lus
                      jusqu&apos;à %1.
  --units us|si       Les unités des résultats, des options ci-dessous et des valeurs
                      dont la source ne nomme pas d&apos;unité : us (°F, mph, lb/ft²/hr, par
                      défaut) ou si (°C, km/h, kg/m²/hr).
  --threshold TAUX    Le seuil en vigueur, comme dans la fenêtre : par défaut %2
                      (%3 en si), %4 (%5 en si) ou un autre taux (un taux alternatif).
  --concrete air+N|N  Une température du béton manquante : la température de l&apos;air
                      plus N (air+0, par défaut ; air-2 aussi), ou N.
  --every-reading     Une ligne par relevé plutôt que les moyennes de chaque heure.
  --watch             Compare les coulages planifiés des prochains jours aux prévisions
                      de leurs chantiers (chaque chantier interrogé une fois ; la
                      prévision conservée, avec son âge, si le serveur est injoignable)
                      et écrit une ligne par coulage : à risque, limite ou dégagé, avec
                      ses heures et le pire taux.
  --days N            Les prochains jours surveillés, de 1 à 15 (3 par défaut).
  --json              Les résultats de la surveillance en JSON.
  --notify            Une notification de bureau pour chaque coulage dont l&apos;état a
                      changé depuis le dernier contrôle ; un clic ouvre les prévisions
                      au coulage. Une commande de courrier configurée envoie aussi les
                      changements.
  --outlook-pour ID   Ouvre la fenêtre avec les prévisions au coulage planifié ID.
  --version           Affiche la version.
  -h, --help          Affiche cette aide.

Code de sortie : %6 si au moins une ligne a été calculée, %7 si le fichier a été lu mais
aucune ligne n&apos;a pu être calculée, %8 si les arguments ou l&apos;entrée sont inutilisables.
La surveillance : %6 si tous les coulages sont dégagés, %7 si l&apos;un est à risque ou
limite, %8 si un coulage n&apos;a pu être contrôlé (réseau, serveur, enregistrements), avec
la raison.
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
    <name>CsvImport</name>
    <message>
        <source>The text is empty.</source>
        <translation>Le texte est vide.</translation>
    </message>
    <message>
        <source>The header on line %1 names no %2 column.</source>
        <translation>L&apos;en-tête de la ligne %1 ne nomme aucune colonne %2.</translation>
    </message>
    <message>
        <source>No data lines follow the header on line %1.</source>
        <translation>Aucune ligne de données ne suit l&apos;en-tête de la ligne %1.</translation>
    </message>
    <message>
        <source>Line %1 holds binary data, not text.</source>
        <translation>La ligne %1 contient des données binaires, pas du texte.</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>il n&apos;y a pas de bus de session (%1)</translation>
    </message>
    <message>
        <source>no notification service (%1) is on the session bus</source>
        <translation>aucun service de notification (%1) n&apos;est sur le bus de session</translation>
    </message>
    <message>
        <source>Open in the Outlook</source>
        <translation>Ouvrir dans les prévisions</translation>
    </message>
    <message>
        <source>the notification service refused it: %1</source>
        <translation>le service de notification l&apos;a refusée : %1</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>no unit given for %1</source>
        <translation>aucune unité donnée pour %1</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot; for %2</source>
        <translation>unité inconnue « %1 » pour %2</translation>
    </message>
    <message>
        <source>unreadable time &quot;%1&quot; at hour %2</source>
        <translation>heure illisible « %1 » à l&apos;heure %2</translation>
    </message>
    <message>
        <source>the forecast has no hours</source>
        <translation>la prévision n&apos;a pas d&apos;heures</translation>
    </message>
    <message>
        <source>the series have different lengths (time: %1, %2: %3)</source>
        <translation>les séries ont des longueurs différentes (time : %1, %2 : %3)</translation>
    </message>
    <message>
        <source>the value of %1 at %2 is not a number</source>
        <translation>la valeur de %1 à %2 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>pas du JSON (%1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>the server reported an error: %1</source>
        <translation>le serveur a signalé une erreur : %1</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>aucune raison donnée</translation>
    </message>
    <message>
        <source>the series time is missing</source>
        <translation>la série time manque</translation>
    </message>
    <message>
        <source>the answer holds none of the series %1, %2, %3</source>
        <translation>la réponse ne contient aucune des séries %1, %2, %3</translation>
    </message>
    <message>
        <source>no latitude or longitude</source>
        <translation>pas de latitude ni de longitude</translation>
    </message>
</context>
<context>
    <name>ForecastClient</name>
    <message>
        <source> It said: %1</source>
        <translation> Il a dit : %1</translation>
    </message>
    <message>
        <source>The forecast server at %1 answered with HTTP status %2%3.</source>
        <translation>Le serveur de prévisions à %1 a répondu avec le statut HTTP %2%3.</translation>
    </message>
    <message>
        <source>The forecast server at %1 timed out: no complete answer within %2.</source>
        <translation>Le serveur de prévisions à %1 n&apos;a pas répondu à temps : aucune réponse complète en %2.</translation>
    </message>
    <message>
        <source>The forecast server address must start with http:// or https://.</source>
        <translation>L&apos;adresse du serveur de prévisions doit commencer par http:// ou https://.</translation>
    </message>
    <message>
        <source>The forecast server at %1 could not be reached: %2.</source>
        <translation>Le serveur de prévisions à %1 n&apos;a pas pu être joint : %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent the request on elsewhere; only its own addresses are followed.</source>
        <translation>Le serveur de prévisions à %1 a renvoyé la requête ailleurs ; seules ses propres adresses sont suivies.</translation>
    </message>
    <message>
        <source>The forecast server at %1 broke off the answer: %2.</source>
        <translation>Le serveur de prévisions à %1 a interrompu la réponse : %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 could not deliver the forecast: %2.</source>
        <translation>Le serveur de prévisions à %1 n&apos;a pas pu fournir la prévision : %2.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent an answer of %2, more than the %3 a forecast may be: it was refused and not kept.</source>
        <translation>Le serveur de prévisions à %1 a envoyé une réponse de %2, plus que les %3 permis pour une prévision : elle a été refusée et non conservée.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent more than the %2 a forecast may be: the answer was refused and not kept.</source>
        <translation>Le serveur de prévisions à %1 a envoyé plus que les %2 permis pour une prévision : la réponse a été refusée et non conservée.</translation>
    </message>
    <message>
        <source>The forecast server at %1 sent an answer that cannot be used: %2.</source>
        <translation>Le serveur de prévisions à %1 a envoyé une réponse inutilisable : %2.</translation>
    </message>
</context>
<context>
    <name>Geocoding</name>
    <message>
        <source>the answer is not a JSON object</source>
        <translation>la réponse n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>it said: %1</source>
        <translation>il a dit : %1</translation>
    </message>
    <message>
        <source>match %1 has no name or no usable coordinates</source>
        <translation>le résultat %1 n&apos;a pas de nom ou de coordonnées utilisables</translation>
    </message>
    <message>
        <source>The geocoding service at %1 answered with HTTP status %2.</source>
        <translation>Le service de géocodage à %1 a répondu avec le statut HTTP %2.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 timed out: no answer within %2 s.</source>
        <translation>Le service de géocodage à %1 n&apos;a pas répondu à temps : aucune réponse en %2 s.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 could not be reached: %2.</source>
        <translation>Le service de géocodage à %1 n&apos;a pas pu être joint : %2.</translation>
    </message>
    <message>
        <source>The geocoding service at %1 sent an answer that cannot be used: %2.</source>
        <translation>Le service de géocodage à %1 a envoyé une réponse inutilisable : %2.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>elle est trop grande</translation>
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
    <name>OutlookChart</name>
    <message>
        <source>Italics: assumed values. Concrete: %1 (the rule).</source>
        <translation>Italique : valeurs supposées. Béton : %1 (la règle).</translation>
    </message>
    <message>
        <source>Italics: assumed values. </source>
        <translation>Italique : valeurs supposées. </translation>
    </message>
    <message>
        <source>%1Wind: the 10 m forecast as given.</source>
        <translation>%1Vent : la prévision à 10 m telle quelle.</translation>
    </message>
    <message>
        <source>%1Wind: the 10 m forecast × %2, brought to about 0.5 m above the surface.</source>
        <translation>%1Vent : la prévision à 10 m × %2, ramenée à environ 0,5 m au-dessus de la surface.</translation>
    </message>
    <message>
        <source>Equation rate</source>
        <translation>Taux de l&apos;équation</translation>
    </message>
    <message>
        <source>±%1 % (measured rates)</source>
        <translation>±%1 % (taux mesurés)</translation>
    </message>
    <message>
        <source>Nomograph rate</source>
        <translation>Taux de l&apos;abaque</translation>
    </message>
    <message>
        <source>%1 and %2 %3</source>
        <translation>%1 et %2 %3</translation>
    </message>
    <message>
        <source>Threshold in force</source>
        <translation>Seuil en vigueur</translation>
    </message>
    <message>
        <source>Above the threshold</source>
        <translation>Au-dessus du seuil</translation>
    </message>
    <message>
        <source>Longest safe window</source>
        <translation>Plus longue fenêtre sûre</translation>
    </message>
    <message>
        <source>Next window of at least %1 h</source>
        <translation>Prochaine fenêtre d&apos;au moins %1 h</translation>
    </message>
    <message>
        <source>No hours to show.</source>
        <translation>Aucune heure à afficher.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Air %2, RH %3, concrete %4, wind %5</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Air %2, HR %3, béton %4, vent %5</translation>
    </message>
    <message>
        <source>&lt;br&gt;Equation %1 %2</source>
        <translation>&lt;br&gt;Équation %1 %2</translation>
    </message>
    <message>
        <source>&lt;br&gt;Borderline: the ±%1 % band reaches across the threshold in force</source>
        <translation>&lt;br&gt;Limite : la bande de ±%1 % traverse le seuil en vigueur</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;i&gt;Italics: assumed&lt;/i&gt;</source>
        <translation>&lt;br&gt;&lt;i&gt;Italique : supposé&lt;/i&gt;</translation>
    </message>
</context>
<context>
    <name>OutlookHours</name>
    <message>
        <source>, 1 borderline hour</source>
        <translation>, 1 heure limite</translation>
    </message>
    <message>
        <source>, %1 borderline hours</source>
        <translation>, %1 heures limites</translation>
    </message>
    <message>
        <source>No time.</source>
        <translation>Pas d&apos;heure.</translation>
    </message>
    <message>
        <source>Every hour of this forecast has passed: fetch a new one to find a window.</source>
        <translation>Toutes les heures de cette prévision sont passées : obtenez-en une nouvelle pour trouver une fenêtre.</translation>
    </message>
    <message>
        <source>is not OK</source>
        <translation>n&apos;est pas OK</translation>
    </message>
    <message>
        <source>is above the threshold in force</source>
        <translation>est au-dessus du seuil en vigueur</translation>
    </message>
    <message>
        <source>No hour without measures ahead: every hour still to come %1 or cannot be computed.</source>
        <translation>Aucune heure sans mesures à venir : chaque heure à venir %1 ou ne peut être calculée.</translation>
    </message>
    <message>
        <source>No hour without measures: every hour %1 or cannot be computed.</source>
        <translation>Aucune heure sans mesures : chaque heure %1 ou ne peut être calculée.</translation>
    </message>
    <message>
        <source>Longest safe window: %1.</source>
        <translation>Plus longue fenêtre sûre : %1.</translation>
    </message>
    <message>
        <source> Next window of at least %1 h: %2.</source>
        <translation> Prochaine fenêtre d&apos;au moins %1 h : %2.</translation>
    </message>
    <message>
        <source> No window of at least %1 h.</source>
        <translation> Aucune fenêtre d&apos;au moins %1 h.</translation>
    </message>
    <message>
        <source>Forecast hour %1: no forecast value of %2.</source>
        <translation>Heure de prévision %1 : pas de valeur prévue pour %2.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
</context>
<context>
    <name>OutlookPage</name>
    <message>
        <source>Pour-Day Outlook</source>
        <translation>Prévisions du jour de coulage</translation>
    </message>
</context>
<context>
    <name>OutlookTable</name>
    <message>
        <source>Left out of the means: %1</source>
        <translation>Exclus des moyennes : %1</translation>
    </message>
    <message>
        <source>Measured rates differ from the equation&apos;s by up to ±%1 %: %2 to %3 %4 here, on both sides of the threshold in force, %5 %4.</source>
        <translation>Les taux mesurés diffèrent de ceux de l&apos;équation jusqu&apos;à ±%1 % : ici de %2 à %3 %4, de part et d&apos;autre du seuil en vigueur, %5 %4.</translation>
    </message>
    <message>
        <source>Above the threshold in force: the concrete temperature that brings the equation&apos;s rate down to it, the other readings held. Blank where none in range does.</source>
        <translation>Au-dessus du seuil en vigueur : la température du béton qui ramène le taux de l&apos;équation au seuil, les autres relevés fixés. Vide si aucune dans la plage n&apos;y parvient.</translation>
    </message>
    <message>
        <source>Measured evaporation differs from the equation&apos;s rate by up to ±%1 %. An hour whose band reaches across the threshold in force is borderline.</source>
        <translation>L&apos;évaporation mesurée diffère du taux de l&apos;équation jusqu&apos;à ±%1 %. Une heure dont la bande traverse le seuil en vigueur est limite.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Air (%1)</source>
        <translation>Air (%1)</translation>
    </message>
    <message>
        <source>RH (%)</source>
        <translation>HR (%)</translation>
    </message>
    <message>
        <source>Wind (%1)</source>
        <translation>Vent (%1)</translation>
    </message>
    <message>
        <source>Concrete (%1)</source>
        <translation>Béton (%1)</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <source>Nomograph (%1)</source>
        <translation>Abaque (%1)</translation>
    </message>
    <message>
        <source>Equation (%1)</source>
        <translation>Équation (%1)</translation>
    </message>
    <message>
        <source>Concrete at most (%1)</source>
        <translation>Béton au plus (%1)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>PlannedPours</name>
    <message>
        <source>Pour %1 at %2, %3 to %4 %5</source>
        <translation>Coulage %1 à %2, %3 à %4 %5</translation>
    </message>
</context>
<context>
    <name>PlannedPoursPanel</name>
    <message>
        <source>not checked yet</source>
        <translation>pas encore contrôlé</translation>
    </message>
    <message>
        <source>%1 (checked %2)</source>
        <translation>%1 (contrôlé %2)</translation>
    </message>
    <message>
        <source>Planned Pours</source>
        <translation>Coulages planifiés</translation>
    </message>
    <message>
        <source>Plan a Pour…</source>
        <translation>Planifier un coulage…</translation>
    </message>
    <message>
        <source>Delete Pour</source>
        <translation>Supprimer le coulage</translation>
    </message>
    <message>
        <source>The planned pours could not be read from %1: %2</source>
        <translation>Les coulages planifiés n&apos;ont pas pu être lus dans %1 : %2</translation>
    </message>
    <message>
        <source>No pour is planned.</source>
        <translation>Aucun coulage n&apos;est planifié.</translation>
    </message>
    <message>
        <source>Next: %1: %2</source>
        <translation>Suivant : %1 : %2</translation>
    </message>
    <message>
        <source>Planned pour %1 is not among the coming pours in %2.</source>
        <translation>Le coulage planifié %1 n&apos;est pas parmi les prochains coulages de %2.</translation>
    </message>
    <message>
        <source>Pours are planned in the records, and %1 is not open.</source>
        <translation>Les coulages se planifient dans les enregistrements, et %1 n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The pour was not planned in %1: %2</source>
        <translation>Le coulage n&apos;a pas été planifié dans %1 : %2</translation>
    </message>
    <message>
        <source>Choose the pour to delete in the list.</source>
        <translation>Choisissez dans la liste le coulage à supprimer.</translation>
    </message>
    <message>
        <source>The pour was not deleted from %1: %2</source>
        <translation>Le coulage n&apos;a pas été supprimé de %1 : %2</translation>
    </message>
</context>
<context>
    <name>PourChart</name>
    <message>
        <source>Equation rate (%1), ±%2 % band; threshold in force %3 %1</source>
        <translation>Taux de l&apos;équation (%1), bande de ±%2 % ; seuil en vigueur %3 %1</translation>
    </message>
</context>
<context>
    <name>PourCheck</name>
    <message>
        <source>its end is not after its start</source>
        <translation>sa fin n&apos;est pas après son début</translation>
    </message>
    <message>
        <source>the forecast hour %1 cannot be computed: %2</source>
        <translation>l&apos;heure de prévision %1 ne peut être calculée : %2</translation>
    </message>
    <message>
        <source>the forecast covers %1 of its %2 hours</source>
        <translation>la prévision couvre %1 de ses %2 heures</translation>
    </message>
</context>
<context>
    <name>PourDocument</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>RH</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Béton</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>±%1 % band</source>
        <translation>Bande ±%1 %</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Prévue</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Prise</translation>
    </message>
    <message>
        <source>SHA-256 of the report&apos;s content: %1</source>
        <translation>SHA-256 du contenu du rapport : %1</translation>
    </message>
    <message>
        <source>Pour Report: </source>
        <translation>Rapport de coulage : </translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Chantier : </translation>
    </message>
    <message>
        <source>Pour or element: </source>
        <translation>Coulage ou élément : </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Prepared by: </source>
        <translation>Préparé par : </translation>
    </message>
    <message>
        <source>Mix: </source>
        <translation>Mélange : </translation>
    </message>
    <message>
        <source>Threshold in force: %1 %2</source>
        <translation>Seuil en vigueur : %1 %2</translation>
    </message>
    <message>
        <source>Sun on the slab: %1 (recorded; it changes no rate)</source>
        <translation>Soleil sur la dalle : %1 (noté ; il ne change aucun taux)</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>%1 %2 borderline hours (the ±%3 % band crosses the threshold).</source>
        <translation>%1 %2 heures limites (la bande de ±%3 % traverse le seuil).</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Other measures: </source>
        <translation>Autres mesures : </translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Aucune.</translation>
    </message>
    <message>
        <source>Signature: ________________________________    Date: ________________</source>
        <translation>Signature : ________________________________    Date : ________________</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nom : </translation>
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
    <message>
        <source>The document was not printed. %1

Save it as a PDF file instead?</source>
        <translation>Le document n&apos;a pas été imprimé. %1

L&apos;enregistrer plutôt en fichier PDF ?</translation>
    </message>
    <message>
        <source>The document was saved as a PDF file:
%1</source>
        <translation>Le document a été enregistré en fichier PDF :
%1</translation>
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
    <name>SiteSearch</name>
    <message>
        <source>Find Site</source>
        <translation>Trouver le chantier</translation>
    </message>
    <message>
        <source>Place name or postcode</source>
        <translation>Lieu ou code postal</translation>
    </message>
    <message>
        <source>Type at least 2 letters or digits of the place&apos;s name or postcode.</source>
        <translation>Tapez au moins 2 lettres ou chiffres du nom ou du code postal du lieu.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; was found.</source>
        <translation>Aucun lieu nommé « %1 » n&apos;a été trouvé.</translation>
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
    <name>Watch</name>
    <message>
        <source> No forecast is kept for the site.</source>
        <translation> Aucune prévision n&apos;est conservée pour le chantier.</translation>
    </message>
</context>
<context>
    <name>WatchMail</name>
    <message>
        <source>The forecast changed the outlook of %1 planned pour%2 at %3:

</source>
        <translation>La prévision a changé les perspectives de %1 coulage(s) planifié(s)%2 à %3 :

</translation>
    </message>
    <message>
        <source>
Checked %1 UTC by the Brackmere watch.
</source>
        <translation>
Contrôlé %1 UTC par la surveillance de Brackmere.
</translation>
    </message>
    <message>
        <source>Planned pours at %1: the outlook changed</source>
        <translation>Coulages planifiés à %1 : les perspectives ont changé</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; could not be started: %2</source>
        <translation>La commande de courrier « %1 » n&apos;a pas pu être lancée : %2</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; did not finish within %2 s.</source>
        <translation>La commande de courrier « %1 » ne s&apos;est pas terminée en %2 s.</translation>
    </message>
    <message>
        <source>The mail command &quot;%1&quot; failed (exit status %2): %3</source>
        <translation>La commande de courrier « %1 » a échoué (code de sortie %2) : %3</translation>
    </message>
</context>
<context>
    <name>WatchReport</name>
    <message>
        <source>not checked: %1</source>
        <translation>non contrôlé : %1</translation>
    </message>
    <message>
        <source>the worst %1 at %2</source>
        <translation>le pire %1 à %2</translation>
    </message>
    <message>
        <source>at risk: %1 of %2 h above %3, %4</source>
        <translation>à risque : %1 sur %2 h au-dessus de %3, %4</translation>
    </message>
    <message>
        <source>borderline: %1 of %2 h within the equation&apos;s ±%3 % of %4, %5</source>
        <translation>limite : %1 sur %2 h dans les ±%3 % de l&apos;équation autour de %4, %5</translation>
    </message>
    <message>
        <source>clear: all %1 h at or below %2, %3</source>
        <translation>dégagé : les %1 h à %2 ou moins, %3</translation>
    </message>
    <message>
        <source>The forecast was kept from %1 UTC, %2 h old: %3</source>
        <translation>La prévision a été conservée à %1 UTC, il y a %2 h : %3</translation>
    </message>
    <message>
        <source>No pour is planned in the coming %1 days.
</source>
        <translation>Aucun coulage n&apos;est planifié dans les %1 prochains jours.
</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>field</source>
        <translation>chantier</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <source>Air temperature</source>
        <translation>Température de l&apos;air</translation>
    </message>
    <message>
        <source>Air temperature, whole units</source>
        <translation>Température de l&apos;air, unités entières</translation>
    </message>
    <message>
        <source>valid range</source>
        <translation>plage valide</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Humidité relative</translation>
    </message>
    <message>
        <source>Relative humidity, whole units</source>
        <translation>Humidité relative, unités entières</translation>
    </message>
    <message>
        <source>Concrete temperature</source>
        <translation>Température du béton</translation>
    </message>
    <message>
        <source>Concrete temperature, whole units</source>
        <translation>Température du béton, unités entières</translation>
    </message>
    <message>
        <source>Wind velocity</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <source>Wind velocity, whole units</source>
        <translation>Vitesse du vent, unités entières</translation>
    </message>
    <message>
        <source>Rate of evaporation</source>
        <translation>Taux d&apos;évaporation</translation>
    </message>
    <message>
        <source>By nomograph</source>
        <translation>Par l&apos;abaque</translation>
    </message>
    <message>
        <source>Rate by nomograph</source>
        <translation>Taux par l&apos;abaque</translation>
    </message>
    <message>
        <source>By ACI equation</source>
        <translation>Par l&apos;équation de l&apos;ACI</translation>
    </message>
    <message>
        <source>Rate by ACI equation</source>
        <translation>Taux par l&apos;équation de l&apos;ACI</translation>
    </message>
    <message>
        <source>Threshold for precautions</source>
        <translation>Seuil des précautions</translation>
    </message>
    <message>
        <source>Default rate of</source>
        <translation>Taux par défaut de</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Alternate rate</source>
        <translation>Autre taux</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Nomograph</source>
        <translation>Abaque</translation>
    </message>
    <message>
        <source>Nomograph chart</source>
        <translation>Graphique de l&apos;abaque</translation>
    </message>
    <message>
        <source>Variation scenarios</source>
        <translation>Scénarios de variation</translation>
    </message>
    <message>
        <source>Each row varies one reading, the others held, until the ACI equation gives the rate on the right.</source>
        <translation>Chaque ligne fait varier un relevé, les autres fixés, jusqu&apos;à ce que l&apos;équation de l&apos;ACI donne le taux de droite.</translation>
    </message>
    <message>
        <source>Successful variation</source>
        <translation>Variation réussie</translation>
    </message>
    <message>
        <source>Fixed input value</source>
        <translation>Valeur d&apos;entrée fixe</translation>
    </message>
    <message>
        <source>Illegal math or outside valid limits</source>
        <translation>Calcul impossible ou hors des limites valides</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
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
        <source>Save reading</source>
        <translation>Enregistrer le relevé</translation>
    </message>
    <message>
        <source>No readings logged</source>
        <translation>Aucun relevé au journal</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>About the thresholds</source>
        <translation>À propos des seuils</translation>
    </message>
    <message>
        <source>Above 0.2 lb/ft²/hr (1.0 kg/m²/hr) measures shall be taken to prevent excessive moisture loss from unhardened concrete; above 0.1 lb/ft²/hr (0.5 kg/m²/hr) measures may be needed. Otherwise plastic cracking is likely. The architect or engineer may set a lower rate: mixtures with low water-cement ratios or with pozzolans may need one.</source>
        <translation>Au-dessus de 0,2 lb/ft²/hr (1,0 kg/m²/hr), des mesures doivent être prises pour éviter une perte d&apos;humidité excessive du béton frais ; au-dessus de 0,1 lb/ft²/hr (0,5 kg/m²/hr), des mesures peuvent être nécessaires. Sinon la fissuration plastique est probable. L&apos;architecte ou l&apos;ingénieur peut fixer un taux plus bas : les mélanges à faible rapport eau/ciment ou avec pouzzolanes peuvent en demander un.</translation>
    </message>
    <message>
        <source>How to measure</source>
        <translation>Comment mesurer</translation>
    </message>
    <message>
        <source>Wind velocity: the average horizontal wind speed about 20 in (510 mm) above the surface. Air temperature and humidity: about 4 to 6 ft (1.2 to 1.8 m) above the surface, on its windward side, out of the sun.</source>
        <translation>Vitesse du vent : la vitesse horizontale moyenne du vent à environ 20 in (510 mm) au-dessus de la surface. Température de l&apos;air et humidité : à environ 4 à 6 ft (1,2 à 1,8 m) au-dessus de la surface, du côté du vent, à l&apos;ombre.</translation>
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
    <message>
        <source>%1 by %2, %3 UTC</source>
        <translation>%1 par %2, %3 UTC</translation>
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
    <message>
        <source>Pour &amp;Report…</source>
        <translation>&amp;Rapport de coulage…</translation>
    </message>
    <message>
        <source>Next planned pour: %1: %2</source>
        <translation>Prochain coulage planifié : %1 : %2</translation>
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
    <name>frmOutlook</name>
    <message>
        <source>Pour-Day Outlook</source>
        <translation>Prévisions du jour de coulage</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prévision</translation>
    </message>
    <message>
        <source>Site name</source>
        <translation>Nom du chantier</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>How many days the forecast covers, 1 to 16. Hours past a model&apos;s horizon may come without values.</source>
        <translation>Combien de jours couvre la prévision, de 1 à 16. Les heures au-delà de l&apos;horizon d&apos;un modèle peuvent venir sans valeurs.</translation>
    </message>
    <message>
        <source>Fetch Forecast</source>
        <translation>Obtenir la prévision</translation>
    </message>
    <message>
        <source>Server…</source>
        <translation>Serveur…</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>Latitude (°N)</source>
        <translation>Latitude (°N)</translation>
    </message>
    <message>
        <source>Longitude (°E)</source>
        <translation>Longitude (°E)</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>Importer un CSV…</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>Coller des lignes</translation>
    </message>
    <message>
        <source>Add Hour</source>
        <translation>Ajouter une heure</translation>
    </message>
    <message>
        <source>Delete Hours</source>
        <translation>Supprimer les heures</translation>
    </message>
    <message>
        <source>Every reading</source>
        <translation>Chaque relevé</translation>
    </message>
    <message>
        <source>A meter&apos;s readings one row each, rather than the means of each clock hour; an imported file is read again.</source>
        <translation>Les relevés d&apos;un appareil une ligne chacun, plutôt que les moyennes de chaque heure ; un fichier importé est relu.</translation>
    </message>
    <message>
        <source>Recorded and printed with the hours; it changes no rate. Direct sun can double what shade gives, but no published model of its effect yet agrees well enough with measured evaporation.</source>
        <translation>Noté et imprimé avec les heures ; il ne change aucun taux. Le soleil direct peut doubler ce que donne l&apos;ombre, mais aucun modèle publié de son effet ne concorde encore assez avec l&apos;évaporation mesurée.</translation>
    </message>
    <message>
        <source>Sun on the slab</source>
        <translation>Soleil sur la dalle</translation>
    </message>
    <message>
        <source>Where the source has no value</source>
        <translation>Là où la source n&apos;a pas de valeur</translation>
    </message>
    <message>
        <source>Concrete = air +</source>
        <translation>Béton = air +</translation>
    </message>
    <message>
        <source>Concrete =</source>
        <translation>Béton =</translation>
    </message>
    <message>
        <source>Forecast wind is given 10 m above ground; the nomograph wants it about 0.5 m above the slab. 0.65 is the 1/7 power law; 1 leaves it.</source>
        <translation>Le vent prévu est donné à 10 m du sol ; l&apos;abaque le veut à environ 0,5 m au-dessus de la dalle. 0,65 est la loi de puissance 1/7 ; 1 le laisse tel quel.</translation>
    </message>
    <message>
        <source>Wind height factor</source>
        <translation>Facteur de hauteur du vent</translation>
    </message>
    <message>
        <source>Safe window</source>
        <translation>Fenêtre sûre</translation>
    </message>
    <message>
        <source>The next window looked for is at least this long.</source>
        <translation>La prochaine fenêtre cherchée dure au moins cela.</translation>
    </message>
    <message>
        <source>Below the threshold</source>
        <translation>Sous le seuil</translation>
    </message>
    <message>
        <source>Hours not above the threshold in force are safe.</source>
        <translation>Les heures qui ne dépassent pas le seuil en vigueur sont sûres.</translation>
    </message>
    <message>
        <source>“OK” only</source>
        <translation>« OK » seulement</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>Au moins</translation>
    </message>
    <message>
        <source>Show Hour in Calculator</source>
        <translation>Afficher l&apos;heure dans le calculateur</translation>
    </message>
    <message>
        <source>Save Hours as Records</source>
        <translation>Enregistrer les heures</translation>
    </message>
    <message>
        <source>Measures…</source>
        <translation>Mesures…</translation>
    </message>
    <message>
        <source>What a crew does against plastic cracking for the selected hour&apos;s class.</source>
        <translation>Ce que fait une équipe contre la fissuration plastique pour la classe de l&apos;heure choisie.</translation>
    </message>
    <message>
        <source>Pour Report…</source>
        <translation>Rapport de coulage…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo Delete Hours</source>
        <translation>&amp;Annuler la suppression des heures</translation>
    </message>
    <message>
        <source>The forecast could not be kept for use without the network in &quot;%1&quot;.</source>
        <translation>La prévision n&apos;a pas pu être conservée pour un usage sans réseau dans « %1 ».</translation>
    </message>
    <message>
        <source>
The hours shown are unchanged.</source>
        <translation>
Les heures affichées sont inchangées.</translation>
    </message>
    <message>
        <source>No hours yet: fetch a forecast, import a CSV file or paste rows.</source>
        <translation>Pas encore d&apos;heures : obtenez une prévision, importez un fichier CSV ou collez des lignes.</translation>
    </message>
    <message>
        <source>Only hours whose rate is at or below %1 %2, the message “OK”, are safe.</source>
        <translation>Seules les heures dont le taux est au plus %1 %2, le message « OK », sont sûres.</translation>
    </message>
    <message>
        <source>Measures: %1</source>
        <translation>Mesures : %1</translation>
    </message>
    <message>
        <source>A pour report of these hours, to print or save as PDF.</source>
        <translation>Un rapport de coulage de ces heures, à imprimer ou enregistrer en PDF.</translation>
    </message>
    <message>
        <source>The pour report is not available in this window.</source>
        <translation>Le rapport de coulage n&apos;est pas disponible dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Replace the %1 hours shown, typed or edited here, with %2? They are not kept anywhere else.</source>
        <translation>Remplacer les %1 heures affichées, tapées ou modifiées ici, par %2 ? Elles ne sont conservées nulle part ailleurs.</translation>
    </message>
    <message>
        <source>Forecast hours, edited</source>
        <translation>Heures de prévision, modifiées</translation>
    </message>
    <message>
        <source>, edited</source>
        <translation>, modifiées</translation>
    </message>
    <message>
        <source>The outlook was sent to the default printer.</source>
        <translation>Les prévisions ont été envoyées à l&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>Select the hours to save first.</source>
        <translation>Sélectionnez d&apos;abord les heures à enregistrer.</translation>
    </message>
    <message>
        <source>; sun on the slab: </source>
        <translation> ; soleil sur la dalle : </translation>
    </message>
    <message>
        <source>Pour-day outlook: </source>
        <translation>Prévisions du jour de coulage : </translation>
    </message>
    <message>
        <source>None of the selected hours could be computed, so none was saved.</source>
        <translation>Aucune des heures choisies n&apos;a pu être calculée, donc aucune n&apos;a été enregistrée.</translation>
    </message>
    <message>
        <source>The hours could not be saved in &quot;%1&quot;; none was saved.
%2</source>
        <translation>Les heures n&apos;ont pas pu être enregistrées dans « %1 » ; aucune n&apos;a été enregistrée.
%2</translation>
    </message>
    <message>
        <source>%1 hours saved as records.</source>
        <translation>%1 heures enregistrées.</translation>
    </message>
    <message>
        <source> %1 selected hours could not be computed and were not saved.</source>
        <translation> %1 heures choisies n&apos;ont pas pu être calculées et n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>The API key is not sent to %1: over plain http anyone on the way could read it. Use the server&apos;s https:// address, or leave the key empty.</source>
        <translation>La clé d&apos;API n&apos;est pas envoyée à %1 : en http simple, n&apos;importe qui sur le trajet pourrait la lire. Utilisez l&apos;adresse https:// du serveur, ou laissez la clé vide.</translation>
    </message>
    <message>
        <source>Units of the File</source>
        <translation>Unités du fichier</translation>
    </message>
    <message>
        <source>Temperatures are in</source>
        <translation>Les températures sont en</translation>
    </message>
    <message>
        <source>Wind velocities are in</source>
        <translation>Les vitesses du vent sont en</translation>
    </message>
    <message>
        <source>Import Hours from a CSV File</source>
        <translation>Importer des heures d&apos;un fichier CSV</translation>
    </message>
    <message>
        <source>CSV files and logs (*.csv *.txt *.dat);;All files (*)</source>
        <translation>Fichiers CSV et journaux (*.csv *.txt *.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is %2; the outlook reads files of up to %3.</source>
        <translation>Le fichier « %1 » fait %2 ; les prévisions lisent des fichiers jusqu&apos;à %3.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be imported.
%2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être importé.
%2</translation>
    </message>
    <message>
        <source>the hours of %1</source>
        <translation>les heures de %1</translation>
    </message>
    <message>
        <source>From %1 (%2): </source>
        <translation>De %1 (%2) : </translation>
    </message>
    <message>
        <source>%1 hours, the means of %2 readings</source>
        <translation>%1 heures, les moyennes de %2 relevés</translation>
    </message>
    <message>
        <source>, %1 with a value that could not be read (marked)</source>
        <translation>, %1 avec une valeur illisible (marquées)</translation>
    </message>
    <message>
        <source>, 1 unreadable reading left out of the means</source>
        <translation>, 1 relevé illisible exclu des moyennes</translation>
    </message>
    <message>
        <source>, %1 unreadable readings left out of the means</source>
        <translation>, %1 relevés illisibles exclus des moyennes</translation>
    </message>
    <message>
        <source>The pasted rows could not be read.
%1</source>
        <translation>Les lignes collées n&apos;ont pas pu être lues.
%1</translation>
    </message>
    <message>
        <source>Typed or pasted hours</source>
        <translation>Heures tapées ou collées</translation>
    </message>
    <message>
        <source>Type the site&apos;s latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees, for instance 47.3769 and 8.5417.</source>
        <translation>Tapez la latitude (-90 à 90 °N) et la longitude (-180 à 180 °E) du chantier en degrés, par exemple 47.3769 et 8.5417.</translation>
    </message>
    <message>
        <source>the forecast for %1</source>
        <translation>la prévision pour %1</translation>
    </message>
    <message>
        <source>Fetching the forecast for %1 from %2…</source>
        <translation>Obtention de la prévision pour %1 depuis %2…</translation>
    </message>
    <message>
        <source>Forecast for %1 (%2), %3 hours in the site&apos;s time (%4)</source>
        <translation>Prévision pour %1 (%2), %3 heures à l&apos;heure du chantier (%4)</translation>
    </message>
    <message>
        <source>, %1 without a forecast value (marked)</source>
        <translation>, %1 sans valeur prévue (marquées)</translation>
    </message>
    <message>
        <source>, from %1, fetched %2</source>
        <translation>, de %1, obtenue %2</translation>
    </message>
    <message>
        <source> (kept from then: the server was not asked again)</source>
        <translation> (conservée depuis : le serveur n&apos;a pas été réinterrogé)</translation>
    </message>
    <message>
        <source>the forecast kept for %1</source>
        <translation>la prévision conservée pour %1</translation>
    </message>
    <message>
        <source>Forecast Server</source>
        <translation>Serveur de prévisions</translation>
    </message>
    <message>
        <source> It is sent only over https, or over http to this computer: over plain http anyone on the way could read it.</source>
        <translation> Elle n&apos;est envoyée qu&apos;en https, ou en http vers cet ordinateur : en http simple, n&apos;importe qui sur le trajet pourrait la lire.</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>URL de base</translation>
    </message>
    <message>
        <source>Geocoding service (Find Site)</source>
        <translation>Service de géocodage (Trouver le chantier)</translation>
    </message>
    <message>
        <source>API key (optional)</source>
        <translation>Clé d&apos;API (facultative)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address (http:// or https://).</source>
        <translation>« %1 » n&apos;est pas une adresse web (http:// ou https://).</translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation> Rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Ensoleillé</translation>
    </message>
    <message>
        <source>Shaded</source>
        <translation>À l&apos;ombre</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>frmPlanPour</name>
    <message>
        <source>Plan a Pour</source>
        <translation>Planifier un coulage</translation>
    </message>
    <message>
        <source>Pour</source>
        <translation>Coulage</translation>
    </message>
    <message>
        <source>Concrete = air +</source>
        <translation>Béton = air +</translation>
    </message>
    <message>
        <source>Concrete =</source>
        <translation>Béton =</translation>
    </message>
    <message>
        <source>Find a site</source>
        <translation>Trouver un chantier</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Where the forecast has no value</source>
        <translation>Là où la prévision n&apos;a pas de valeur</translation>
    </message>
    <message>
        <source>this computer&apos;s (%1): find the site to use its own</source>
        <translation>celui de cet ordinateur (%1) : trouvez le chantier pour utiliser le sien</translation>
    </message>
    <message>
        <source>Name the site, or find it by name or postcode.</source>
        <translation>Nommez le chantier, ou trouvez-le par nom ou code postal.</translation>
    </message>
    <message>
        <source>Type the site&apos;s latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees.</source>
        <translation>Tapez la latitude (-90 à 90 °N) et la longitude (-180 à 180 °E) du chantier en degrés.</translation>
    </message>
    <message>
        <source>The pour&apos;s end must come after its start.</source>
        <translation>La fin du coulage doit venir après son début.</translation>
    </message>
    <message>
        <source>The threshold must be a rate above 0 in %1, not &quot;%2&quot;.</source>
        <translation>Le seuil doit être un taux supérieur à 0 en %1, pas « %2 ».</translation>
    </message>
</context>
<context>
    <name>frmPourReport</name>
    <message>
        <source>Pour Report</source>
        <translation>Rapport de coulage</translation>
    </message>
    <message>
        <source>%1; threshold in force %2 %3</source>
        <translation>%1 ; seuil en vigueur %2 %3</translation>
    </message>
    <message>
        <source>%1 hours. %2 %3 borderline hours.</source>
        <translation>%1 heures. %2 %3 heures limites.</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Prévue</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Prise</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Chantier :</translation>
    </message>
    <message>
        <source>&amp;Pour or element:</source>
        <translation>Co&amp;ulage ou élément :</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>Prepared &amp;by:</source>
        <translation>&amp;Préparé par :</translation>
    </message>
    <message>
        <source>Mix:</source>
        <translation>Mélange :</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Heures :</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Measures planned and taken:</source>
        <translation>&amp;Mesures prévues et prises :</translation>
    </message>
    <message>
        <source>&amp;Other measures:</source>
        <translation>A&amp;utres mesures :</translation>
    </message>
    <message>
        <source>&amp;Remarks:</source>
        <translation>&amp;Remarques :</translation>
    </message>
    <message>
        <source>The report was saved as &quot;%1&quot;</source>
        <translation>Le rapport a été enregistré sous « %1 »</translation>
    </message>
    <message>
        <source>The report was sent to the default printer</source>
        <translation>Le rapport a été envoyé à l&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>%1, but it could not be kept in %2:
%3</source>
        <translation>%1, mais il n&apos;a pas pu être conservé dans %2 :
%3</translation>
    </message>
    <message>
        <source>%1 and kept beside the records as report %2.
Its digest (SHA-256): %3</source>
        <translation>%1 et conservé avec les enregistrements comme rapport %2.
Son empreinte (SHA-256) : %3</translation>
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
    <name>frmSavedReports</name>
    <message>
        <source>Pour Reports</source>
        <translation>Rapports de coulage</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Saved at (UTC)</source>
        <translation>Conservé le (UTC)</translation>
    </message>
    <message>
        <source>Saved by</source>
        <translation>Conservé par</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Digest (SHA-256)</source>
        <translation>Empreinte (SHA-256)</translation>
    </message>
    <message>
        <source>The pour reports in %1 could not be read: %2</source>
        <translation>Les rapports de coulage de %1 n&apos;ont pas pu être lus : %2</translation>
    </message>
    <message>
        <source>Pour reports kept in %1: %2.</source>
        <translation>Rapports de coulage conservés dans %1 : %2.</translation>
    </message>
    <message>
        <source>The digest printed at the foot of a copy</source>
        <translation>L&apos;empreinte imprimée au pied d&apos;une copie</translation>
    </message>
    <message>
        <source>Check a copy&apos;s &amp;digest:</source>
        <translation>Vérifier l&apos;&amp;empreinte d&apos;une copie :</translation>
    </message>
    <message>
        <source>No saved pour report has this digest: the copy differs from every saved report.</source>
        <translation>Aucun rapport de coulage conservé n&apos;a cette empreinte : la copie diffère de chaque rapport conservé.</translation>
    </message>
    <message>
        <source>The copy matches report %1, &quot;%2&quot;, saved %3 by %4.</source>
        <translation>La copie correspond au rapport %1, « %2 », conservé le %3 par %4.</translation>
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
    <message>
        <source>Pour Report…</source>
        <translation>Rapport de coulage…</translation>
    </message>
    <message>
        <source>Make a pour report of the selected records.</source>
        <translation>Faire un rapport de coulage des enregistrements choisis.</translation>
    </message>
    <message>
        <source>Pour Reports…</source>
        <translation>Rapports de coulage…</translation>
    </message>
    <message>
        <source>List the pour reports kept beside the records, and check a copy&apos;s digest.</source>
        <translation>Lister les rapports de coulage conservés avec les enregistrements, et vérifier l&apos;empreinte d&apos;une copie.</translation>
    </message>
</context>
</TS>
