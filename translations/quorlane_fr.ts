<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Advanced</name>
    <message>
        <location filename="../ui/forms/advanced.ui" line="19"/>
        <source>Advanced Settings (Manual)</source>
        <translation>Réglages avancés (manuels)</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="37"/>
        <source>Restore the  default settings and return to main screen.</source>
        <translation>Rétablir les réglages par défaut et revenir à la fenêtre principale.</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="40"/>
        <source>Return to Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="59"/>
        <source>Apply My Settings</source>
        <translation>Appliquer mes réglages</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="81"/>
        <source>Change Font Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="100"/>
        <source>If picture dimensions are large, use large font size accordingly.</source>
        <translation>Pour de grandes images, choisissez une police assez grande.</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="103"/>
        <source>Change Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="122"/>
        <source>Change transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="141"/>
        <source>opaque</source>
        <translation>opaque</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="160"/>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="202"/>
        <source>Try maximizing font size if you </source>
        <translation>Agrandissez la police si le </translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="222"/>
        <source>can&apos;t see Text in preview</source>
        <translation>texte manque dans l&apos;aperçu</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="240"/>
        <source>Adjust font size automatically</source>
        <translation>Taille de police automatique</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../cli/batchcommand.cpp" line="32"/>
        <source>Write into DIR, made with its parents when missing (default: the window&apos;s output folder).</source>
        <translation>Écrire dans DIR, créé avec ses parents s&apos;il manque (par défaut : le dossier de sortie de la fenêtre).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="37"/>
        <source>The watermark text; line breaks as given (default: the saved text).</source>
        <translation>Le texte du filigrane ; sauts de ligne tels quels (par défaut : le texte enregistré).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="42"/>
        <source>Put &quot;© &quot; before the text.</source>
        <translation>Mettre « © » avant le texte.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="44"/>
        <source>Do not put &quot;© &quot; before it.</source>
        <translation>Ne pas mettre « © » devant.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="46"/>
        <source>Where the text goes: %1, or auto: the calmest of them for each picture (default: the saved position).</source>
        <translation>Où va le texte : %1, ou auto : la plus calme d&apos;entre elles pour chaque image (par défaut : la position enregistrée).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="51"/>
        <source>Take text, sign, position and style from FILE, a settings.qrl.xml (default: the window&apos;s own, when it exists).</source>
        <translation>Prendre texte, signe, position et style dans FILE, un settings.qrl.xml (par défaut : celui de la fenêtre, s&apos;il existe).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="56"/>
        <source>Start from the preset NAME, or the preset file FILE, instead of what the window has saved; options given win.</source>
        <translation>Partir du modèle NAME, ou du fichier de modèle FILE, au lieu de ce que la fenêtre a enregistré ; les options données l&apos;emportent.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="60"/>
        <source>Choose font size, black or white and opacity per picture.</source>
        <translation>Choisir taille de police, noir ou blanc et opacité pour chaque image.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="63"/>
        <source>%1, WxH, or N: the long edge, never enlarged (%2 to %3; default: original).</source>
        <translation>%1, LxH ou N : le grand côté, jamais agrandi (%2 à %3 ; par défaut : original).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="71"/>
        <source>%1 (default: original).</source>
        <translation>%1 (par défaut : original).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="78"/>
        <source>Save the settings of this command (the output folder only when -o is given) as the preset NAME; then stamp the FILEs, if any.</source>
        <translation>Enregistrer les réglages de cette commande (le dossier de sortie seulement avec -o) comme modèle NAME ; puis marquer les FILE, s&apos;il y en a.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="82"/>
        <source>List the presets and exit.</source>
        <translation>Lister les modèles et quitter.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="84"/>
        <source>Stamp N pictures at once (default: by cores and memory).</source>
        <translation>Marquer N images à la fois (par défaut : selon les cœurs et la mémoire).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="87"/>
        <source>Read the pictures from FILE, one a line (&apos;-&apos;: standard input).</source>
        <translation>Lire les images dans FILE, une par ligne (&apos;-&apos; : entrée standard).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="91"/>
        <source>Names in --files-from end with NUL, not newline.</source>
        <translation>Les noms de --files-from finissent par NUL, pas par un saut de ligne.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="93"/>
        <source>Append one JSON line per picture to FILE as it ends (index, source, output, status, reason); never a picture. Processes on one machine may share FILE.</source>
        <translation>Ajouter à FILE une ligne JSON par image dès qu&apos;elle est finie (index, source, output, status, reason) ; jamais à une image. Des processus d&apos;une même machine peuvent partager FILE.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="99"/>
        <source>Stamp each picture in FOLDER whose output is missing, then every picture that comes into it complete, until a signal ends it (a hot folder).</source>
        <translation>Tamponner chaque image de FOLDER dont la sortie manque, puis chaque image qui y arrive complète, jusqu&apos;à ce qu&apos;un signal y mette fin (un dossier surveillé).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="104"/>
        <source>With --watch: look at the folder every SECONDS (1 to 3600) instead of being told; network and FUSE folders are always polled.</source>
        <translation>Avec --watch : regarder le dossier toutes les SECONDS secondes (1 à 3600) au lieu d&apos;être prévenu ; les dossiers réseau et FUSE sont toujours interrogés.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="109"/>
        <source>With --watch: watch its subfolders too; outputs keep their subfolder.</source>
        <translation>Avec --watch : surveiller aussi ses sous-dossiers ; les sorties gardent leur sous-dossier.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="111"/>
        <source>Print only errors.</source>
        <translation>N&apos;afficher que les erreurs.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="112"/>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="113"/>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="138"/>
        <source>%1 (%2).</source>
        <translation>%1 (%2).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="139"/>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="178"/>
        <source>Stamp a text watermark onto every FILE, exactly as the Quorlane window does, and write
the results into the output folder. Options not given take what the window has saved.</source>
        <translation>Apposer un filigrane texte sur chaque FILE, exactement comme la fenêtre de Quorlane, et écrire
les résultats dans le dossier de sortie. Les options non données reprennent ce que la fenêtre a enregistré.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="184"/>
        <source>Pictures to stamp.</source>
        <translation>Images à marquer.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="189"/>
        <source>invalid value &apos;%1&apos; for --%2 (%3)</source>
        <translation>valeur &apos;%1&apos; invalide pour --%2 (%3)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="227"/>
        <location filename="../cli/batchcommand.cpp" line="367"/>
        <source>--%1 and --%2 cannot be given together</source>
        <translation>--%1 et --%2 ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="256"/>
        <source>cannot read settings file &apos;%1&apos;: %2</source>
        <translation>impossible de lire le fichier de réglages &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="286"/>
        <source>--watch takes no FILE and no --files-from: it stamps what is in its folder</source>
        <translation>--watch ne prend ni FILE ni --files-from : il tamponne ce qui est dans son dossier</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="288"/>
        <source>--watch cannot number outputs (--if-exists number): after a restart it could not tell its own; use skip or replace</source>
        <translation>--watch ne peut pas numéroter les sorties (--if-exists number) : après un redémarrage il ne reconnaîtrait pas les siennes ; utilisez skip ou replace</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="291"/>
        <source>--watch cannot name outputs by {counter}: after a restart it could not know the numbers</source>
        <translation>--watch ne peut pas nommer les sorties par {counter} : après un redémarrage il ne connaîtrait pas les numéros</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="296"/>
        <source>the output folder is the watched folder</source>
        <translation>le dossier de sortie est le dossier surveillé</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="298"/>
        <source>the output folder is inside the folder watched with --recursive</source>
        <translation>le dossier de sortie est dans le dossier surveillé avec --recursive</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="316"/>
        <source>
Exit status:
  0    every picture was written or skipped
  1    some picture could not be read or written, or the report failed
  2    bad usage
  130  stopped by SIGINT (143: SIGTERM, 129: SIGHUP) after the pictures
       in flight; a second signal ends it at once

Examples:
  quorlane-batch -t &apos;Anna Berg&apos; -p bottom-right -s 640x480 --fit -o out *.jpg
  find photos -name &apos;*.jpg&apos; -print0 | quorlane-batch -0 --files-from - -f png
  quorlane-batch -s 2048x2048 --fit -f webp --name &apos;{name}-web&apos; --save-preset web
  quorlane-batch --preset web -o site *.jpg    (long edge 2048 pixels)
  quorlane-batch --preset web --watch camera -o stamped --report log.json

With --watch it runs until SIGINT, SIGTERM or SIGHUP; a restart stamps only
what has no output yet (with --if-exists replace, also what changed since).
</source>
        <translation>
Code de sortie :
  0    chaque image a été écrite ou sautée
  1    une image n&apos;a pas pu être lue ou écrite, ou le rapport a échoué
  2    mauvaise utilisation
  130  arrêté par SIGINT (143 : SIGTERM, 129 : SIGHUP) après les images
       en cours ; un second signal arrête aussitôt

Exemples :
  quorlane-batch -t &apos;Anna Berg&apos; -p bottom-right -s 640x480 --fit -o out *.jpg
  find photos -name &apos;*.jpg&apos; -print0 | quorlane-batch -0 --files-from - -f png
  quorlane-batch -s 2048x2048 --fit -f webp --name &apos;{name}-web&apos; --save-preset web
  quorlane-batch --preset web -o site *.jpg    (grand côté 2048 pixels)
  quorlane-batch --preset web --watch camera -o stamped --report log.json

Avec --watch il tourne jusqu&apos;à SIGINT, SIGTERM ou SIGHUP ; un redémarrage ne tamponne que
ce qui n&apos;a pas encore de sortie (avec --if-exists replace, aussi ce qui a changé depuis).
</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="374"/>
        <source>--preset and --settings cannot be given together</source>
        <translation>--preset et --settings ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="377"/>
        <source>cannot read the preset &apos;%1&apos;: %2 (presets are in %3)</source>
        <translation>impossible de lire le modèle &apos;%1&apos; : %2 (les modèles sont dans %3)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="408"/>
        <source>invalid size &apos;%1&apos; (%2, WxH or N from %3 to %4)</source>
        <translation>taille &apos;%1&apos; invalide (%2, LxH ou N de %3 à %4)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="418"/>
        <source>invalid format &apos;%1&apos; (%2)</source>
        <translation>format &apos;%1&apos; invalide (%2)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="441"/>
        <source>invalid number of jobs &apos;%1&apos; (1 to 1024)</source>
        <translation>nombre de tâches &apos;%1&apos; invalide (1 à 1024)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="448"/>
        <source>the output folder name is empty</source>
        <translation>le nom du dossier de sortie est vide</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="452"/>
        <source>--null needs --files-from</source>
        <translation>--null demande --files-from</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="456"/>
        <source>--poll and --recursive need --watch</source>
        <translation>--poll et --recursive demandent --watch</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="460"/>
        <source>cannot read the list of pictures &apos;%1&apos;</source>
        <translation>impossible de lire la liste d&apos;images &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="462"/>
        <source>no picture given</source>
        <translation>aucune image donnée</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="64"/>
        <source>Try &apos;quorlane-batch --help&apos; for more information.</source>
        <translation>Essayez « quorlane-batch --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="35"/>
        <source>cannot save the preset &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;enregistrer le modèle &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="132"/>
        <source>refusing to write the report to &apos;%1&apos;: %2</source>
        <translation>refus d&apos;écrire le rapport dans &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="138"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire le rapport &apos;%1&apos; : %2</translation>
    </message>
</context>
<context>
    <name>BatchSession</name>
    <message>
        <location filename="../cli/batchsession.cpp" line="70"/>
        <source>%1/%2 (%3%) %4 pictures/s, %5 s left</source>
        <translation>%1/%2 (%3 %) %4 images/s, encore %5 s</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="100"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire le rapport &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="103"/>
        <source>%1 written, %2 skipped, %3 failed in %4 s</source>
        <translation>%1 écrites, %2 sautées, %3 en échec en %4 s</translation>
    </message>
</context>
<context>
    <name>CustomSize</name>
    <message>
        <location filename="../ui/forms/customsize.ui" line="19"/>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="66"/>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="84"/>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="102"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="121"/>
        <location filename="../ui/forms/customsize.ui" line="140"/>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="158"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/customsize.cpp" line="27"/>
        <source>Custom Size - Quorlane</source>
        <translation>Taille personnalisée - Quorlane</translation>
    </message>
    <message>
        <location filename="../ui/customsize.cpp" line="59"/>
        <source>Please enter a valid values for width and height</source>
        <translation>Veuillez saisir une largeur et une hauteur valides</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <location filename="../ui/forms/dialog.ui" line="23"/>
        <source>Quorlane</source>
        <translation>Quorlane</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="83"/>
        <source>Change Font color, size, transparency manually</source>
        <translation>Choisir à la main couleur, taille et transparence du texte</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="86"/>
        <source>Advanced
Settings </source>
        <translation>Réglages
avancés</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="136"/>
        <source>Everything but the pictures, saved under a name: choose one to apply it</source>
        <translation>Tout sauf les images, enregistré sous un nom : choisissez-en un pour l&apos;appliquer</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="154"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="179"/>
        <source>Metadata, quality, proportions and pictures of the same name</source>
        <translation>Métadonnées, qualité, proportions et images de même nom</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="182"/>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="228"/>
        <source>Press &quot;+&quot; button to add files
Or Drop files on the window</source>
        <translation>Bouton « + » pour ajouter des fichiers
ou déposez-les sur la fenêtre</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="251"/>
        <source>Add files to be watermarked</source>
        <translation>Ajouter des fichiers à marquer</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="282"/>
        <source>Remove files from list</source>
        <translation>Retirer des fichiers de la liste</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="307"/>
        <source>Add Folder: the pictures in a folder and its subfolders</source>
        <translation>Ajouter un dossier : les images d&apos;un dossier et de ses sous-dossiers</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="430"/>
        <source>Add Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="112"/>
        <source>&amp;Preset:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="207"/>
        <location filename="../ui/dialog.cpp" line="506"/>
        <source>&amp;Files selected for Watermarking</source>
        <translation>&amp;Fichiers à marquer</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="220"/>
        <source>Pictures to watermark</source>
        <translation>Images à marquer</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="248"/>
        <source>Add pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="279"/>
        <source>Remove pictures</source>
        <translation>Retirer des images</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="310"/>
        <source>Add a folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="351"/>
        <source>Watermark text</source>
        <translation>Texte du filigrane</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="375"/>
        <source>Copyright symbol appears as watermark on image</source>
        <translation>Le symbole copyright apparaît dans le filigrane</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="378"/>
        <source> use © symbol</source>
        <translation> symbole ©</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="391"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="394"/>
        <source>Preview of the currently selected picture with watermark.</source>
        <translation>Aperçu de l&apos;image sélectionnée avec le filigrane.</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="412"/>
        <source>Select button to change the position of the watermark in output</source>
        <translation>Choisissez un bouton pour changer la position du filigrane</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="415"/>
        <source>watermark position</source>
        <translation>position du filigrane</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="427"/>
        <source>Position: top left</source>
        <translation>Position : en haut à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="430"/>
        <source>Top Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="446"/>
        <source>Position: top centre</source>
        <translation>Position : en haut au centre</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="449"/>
        <source>Top Center</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="465"/>
        <source>Position: top right</source>
        <translation>Position : en haut à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="468"/>
        <source>Top Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="484"/>
        <source>Position: centre left</source>
        <translation>Position : au centre à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="487"/>
        <source>Center left</source>
        <translation>Au centre à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="503"/>
        <source>Position: centre</source>
        <translation>Position : au centre</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="506"/>
        <source>Center</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="522"/>
        <source>Position: centre right</source>
        <translation>Position : au centre à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="525"/>
        <source>Center Right</source>
        <translation>Au centre à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="541"/>
        <source>Position: bottom left</source>
        <translation>Position : en bas à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="544"/>
        <source>Bottom Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="560"/>
        <source>Position: bottom centre</source>
        <translation>Position : en bas au centre</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="563"/>
        <source>Bottom Center</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="579"/>
        <source>Position: bottom right</source>
        <translation>Position : en bas à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="582"/>
        <source>Bottom Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="608"/>
        <source>Output &amp;dimension</source>
        <translation>&amp;Taille de sortie</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="645"/>
        <source>Output F&amp;ormat</source>
        <translation>F&amp;ormat de sortie</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="679"/>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="717"/>
        <source>Applies watermarks to all the selected files</source>
        <translation>Applique le filigrane à tous les fichiers sélectionnés</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="729"/>
        <source>Apply Watermark</source>
        <translation>Apposer le filigrane</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="754"/>
        <source>Start no further picture; the pictures in progress are finished (Escape)</source>
        <translation>Ne commencer aucune autre image ; les images en cours sont terminées (Échap)</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="757"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="30"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="34"/>
        <source>Thumbnails</source>
        <translation>Vignettes</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="35"/>
        <source>Custom Size</source>
        <translation>Taille perso.</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="36"/>
        <source>Long edge 2048</source>
        <translation>2048 px max.</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="37"/>
        <source>Long edge 1600</source>
        <translation>1600 px max.</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="38"/>
        <source>Long edge 1080</source>
        <translation>1080 px max.</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="507"/>
        <source>&amp;Files selected for Watermarking (%1)</source>
        <translation>&amp;Fichiers à marquer (%1)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="512"/>
        <source>%1 of %2 — %p%</source>
        <translation>%1 sur %2 — %p %</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="584"/>
        <source>Select Files for Watermarking</source>
        <translation>Choisir les fichiers à marquer</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="586"/>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="627"/>
        <source>Select Output Directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="637"/>
        <source>WARNING: The output directory already exists.
Your files WILL be overwritten without further warning.
Press OK to continue using the same directory.
Press Cancel to abort and change the directory</source>
        <translation>ATTENTION : le dossier de sortie existe déjà.
Vos fichiers SERONT écrasés sans autre avertissement.
OK pour garder ce dossier.
Annuler pour choisir un autre dossier</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="643"/>
        <source>Create Anyway, I know what I&apos;m doing</source>
        <translation>Créer quand même, je sais ce que je fais</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="713"/>
        <source>Long edge %1</source>
        <translation>%1 px max.</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="781"/>
        <source>The logo %1 cannot be read (%2). Choose another one in &quot;Options...&quot; or remove it.</source>
        <translation>Le logo %1 ne peut pas être lu (%2). Choisissez-en un autre dans « Options... » ou retirez-le.</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="791"/>
        <source>The pictures cannot be written at this size: %1.</source>
        <translation>Les images ne peuvent pas être écrites à cette taille : %1.</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <location filename="../ui/fieldmenu.cpp" line="26"/>
        <source>Insert Field</source>
        <translation>Insérer un champ</translation>
    </message>
</context>
<context>
    <name>HeifCodec</name>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="375"/>
        <source>the picture is too large (%1 × %2)</source>
        <translation>l&apos;image est trop grande (%1 × %2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="388"/>
        <source>the picture&apos;s grid of tiles cannot be read</source>
        <translation>la grille de tuiles de l&apos;image est illisible</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="393"/>
        <source>its grid of tiles is %1 × %2, but the picture says %3 × %4</source>
        <translation>sa grille de tuiles fait %1 × %2, mais l&apos;image annonce %3 × %4</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="286"/>
        <source>the decoder gave no picture</source>
        <translation>le décodeur n&apos;a donné aucune image</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="295"/>
        <source>the decoded picture is %1 × %2, but the picture says %3 × %4</source>
        <translation>l&apos;image décodée fait %1 × %2, mais l&apos;image annonce %3 × %4</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="453"/>
        <source>no %1 encoder (%2)</source>
        <translation>pas d&apos;encodeur %1 (%2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="494"/>
        <source>EXIF dropped (%1)</source>
        <translation>EXIF abandonné (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="500"/>
        <source>XMP dropped (%1)</source>
        <translation>XMP abandonné (%1)</translation>
    </message>
</context>
<context>
    <name>HotFolder</name>
    <message>
        <location filename="../cli/hotfolder.cpp" line="70"/>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/inifile.cpp" line="37"/>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <location filename="../settings/inifile.cpp" line="45"/>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>JpegKeeper</name>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="109"/>
        <source>%1-bit JPEG</source>
        <translation>JPEG %1 bits</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="111"/>
        <source>CMYK JPEG</source>
        <translation>JPEG CMJN</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="113"/>
        <source>JPEG in an unusual colour space</source>
        <translation>JPEG dans un espace colorimétrique inhabituel</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="119"/>
        <source>JPEG with fractional sampling</source>
        <translation>JPEG à sous-échantillonnage fractionnaire</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="527"/>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="530"/>
        <source>there is not enough memory for the picture</source>
        <translation>pas assez de mémoire pour l&apos;image</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="56"/>
        <source>a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>un « { » sans son « } »</translation>
    </message>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="62"/>
        <source>the width of {%1} must be 1 to %2</source>
        <translation>la largeur de {%1} doit aller de 1 à %2</translation>
    </message>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="64"/>
        <source>there is no field {%1}</source>
        <translation>il n&apos;existe pas de champ {%1}</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="207"/>
        <source>the file name has no suffix to choose an image format by</source>
        <translation>le nom du fichier n&apos;a pas d&apos;extension pour choisir un format d&apos;image</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="211"/>
        <source>no image writer for the suffix &quot;%1&quot;</source>
        <translation>aucun enregistreur d&apos;images pour l&apos;extension « %1 »</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="236"/>
        <source>no space left on the device</source>
        <translation>plus de place sur le périphérique</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="238"/>
        <source>the file is larger than this system allows</source>
        <translation>le fichier dépasse la taille permise par ce système</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="240"/>
        <source>this file system can neither rename without replacing nor make hard links (FAT, exFAT?): choose &quot;Replace&quot; or another folder</source>
        <translation>ce système de fichiers ne sait ni renommer sans remplacer ni créer de liens physiques (FAT, exFAT ?) : choisissez « Remplacer » ou un autre dossier</translation>
    </message>
</context>
<context>
    <name>OutputOptions</name>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="6"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="13"/>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="21"/>
        <source>Metadata</source>
        <translation>Métadonnées</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="30"/>
        <source>Keep all</source>
        <translation>Tout garder</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="37"/>
        <source>Camera, date taken, location, author, keywords: all of it.</source>
        <translation>Appareil, date de prise de vue, lieu, auteur, mots-clés : tout.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="53"/>
        <source>Keep all but the location</source>
        <translation>Tout sauf le lieu</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="63"/>
        <source>Everything but GPS coordinates and place names.</source>
        <translation>Tout sauf les coordonnées GPS et les noms de lieux.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="79"/>
        <source>Keep copyright and contact only</source>
        <translation>Copyright et contact seulement</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="86"/>
        <source>Only author, copyright, credit and contact fields.</source>
        <translation>Seulement les champs auteur, copyright, crédit et contact.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="102"/>
        <source>Remove all</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="109"/>
        <source>Nothing but the colour profile.</source>
        <translation>Rien que le profil de couleur.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="125"/>
        <source>Write the watermark text as the copyright notice</source>
        <translation>Écrire le texte du filigrane comme mention de copyright</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="132"/>
        <source>The EXIF, IPTC and XMP copyright fields get the text.</source>
        <translation>Les champs copyright EXIF, IPTC et XMP reçoivent le texte.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="151"/>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="163"/>
        <source>1 (smallest file) to 100 (best picture)</source>
        <translation>1 (plus petit fichier) à 100 (meilleure image)</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="170"/>
        <source>For JPEG, WebP, AVIF and HEIC outputs; 100 makes WebP lossless.</source>
        <translation>Pour les sorties JPEG, WebP, AVIF et HEIC ; 100 rend le WebP sans perte.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="186"/>
        <source>Keep the original JPEG compression</source>
        <translation>Garder la compression JPEG d&apos;origine</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="193"/>
        <source>Only the watermark&apos;s blocks change, when size and format stay.</source>
        <translation>Seuls les blocs du filigrane changent, si taille et format restent.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="220"/>
        <source>Sizes</source>
        <translation>Tailles</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="229"/>
        <source>Stretch to the exact size</source>
        <translation>Étirer à la taille exacte</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="239"/>
        <source>Exactly the chosen width and height.</source>
        <translation>Exactement la largeur et la hauteur choisies.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="255"/>
        <source>Fit inside, keep proportions</source>
        <translation>Ajuster, garder les proportions</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="262"/>
        <source>Shrunk to fit inside the chosen size, never enlarged.</source>
        <translation>Réduite pour tenir dans la taille choisie, jamais agrandie.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="281"/>
        <source>If a picture of the same name is already in the output folder</source>
        <translation>Si une image de même nom est déjà dans le dossier de sortie</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="290"/>
        <source>Replace it</source>
        <translation>La remplacer</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="300"/>
        <source>The earlier picture is overwritten.</source>
        <translation>L&apos;ancienne image est écrasée.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="316"/>
        <source>Keep both (add a number)</source>
        <translation>Garder les deux (ajouter un numéro)</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="323"/>
        <source>The new picture is named &quot;name (2)&quot;, &quot;name (3)&quot; ...</source>
        <translation>La nouvelle image s&apos;appelle « nom (2) », « nom (3) »...</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="339"/>
        <source>Skip the picture</source>
        <translation>Sauter l&apos;image</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="346"/>
        <source>The earlier picture stays; the new one is not written.</source>
        <translation>L&apos;ancienne image reste ; la nouvelle n&apos;est pas écrite.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="365"/>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="374"/>
        <source>Keep the picture&apos;s profile</source>
        <translation>Garder le profil de l&apos;image</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="384"/>
        <source>BMP, PPM and XPM outputs are converted to sRGB all the same.</source>
        <translation>Les sorties BMP, PPM et XPM sont tout de même converties en sRGB.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="400"/>
        <source>Convert to sRGB</source>
        <translation>Convertir en sRGB</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="407"/>
        <source>For the web: every output shows alike in every browser.</source>
        <translation>Pour le web : chaque sortie s&apos;affiche pareil dans tout navigateur.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="426"/>
        <source>Output names</source>
        <translation>Noms de sortie</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="437"/>
        <source>The name of each output, without its suffix: {name} is the picture&apos;s own name</source>
        <translation>Le nom de chaque sortie, sans extension : {name} est le nom de l&apos;image</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="444"/>
        <source>Insert Field</source>
        <translation>Insérer un champ</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="479"/>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="487"/>
        <source>Margin:</source>
        <translation>Marge :</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="497"/>
        <source> % of the shorter side</source>
        <translation> % du petit côté</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="504"/>
        <source>Outline in black or white</source>
        <translation>Contour noir ou blanc</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="511"/>
        <source>Soft shadow</source>
        <translation>Ombre douce</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="518"/>
        <source>Angle:</source>
        <translation>Angle :</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="528"/>
        <source> degrees</source>
        <translation> degrés</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="535"/>
        <source>Repeat over the whole picture</source>
        <translation>Répéter sur toute l&apos;image</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="542"/>
        <source>For each picture, the position, corner or top or bottom centre where the picture is least busy; the window&apos;s position when none is clearly calmer</source>
        <translation>Pour chaque image, la position, le coin ou le centre en haut ou en bas où l&apos;image est la moins chargée ; la position de la fenêtre si aucune n&apos;est nettement plus calme</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="545"/>
        <source>Choose the calmest place for each picture</source>
        <translation>Choisir l&apos;endroit le plus calme de chaque image</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="552"/>
        <source>Size the text by:</source>
        <translation>Taille du texte selon :</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="562"/>
        <source>The automatic text size follows the picture&apos;s width, or its shorter side, which gives portraits and landscapes of a batch one size</source>
        <translation>La taille automatique du texte suit la largeur de l&apos;image, ou son petit côté, qui donne une seule taille aux portraits et aux paysages d&apos;un lot</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="566"/>
        <source>width</source>
        <translation>largeur</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="571"/>
        <source>shorter side</source>
        <translation>petit côté</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="579"/>
        <source>Logo:</source>
        <translation>Logo :</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="588"/>
        <source>No logo</source>
        <translation>Aucun logo</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="595"/>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="607"/>
        <source>Logo width:</source>
        <translation>Largeur du logo :</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="617"/>
        <source> % of the picture&apos;s width</source>
        <translation> % de la largeur</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="624"/>
        <source>Logo position:</source>
        <translation>Position du logo :</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="632"/>
        <source>top-left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="637"/>
        <source>top</source>
        <translation>en haut</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="642"/>
        <source>top-right</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="647"/>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="652"/>
        <source>center</source>
        <translation>au centre</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="657"/>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="662"/>
        <source>bottom-left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="667"/>
        <source>bottom</source>
        <translation>en bas</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="672"/>
        <source>bottom-right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="680"/>
        <source>Logo opacity:</source>
        <translation>Opacité du logo :</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="162"/>
        <source>Choose a Logo</source>
        <translation>Choisir un logo</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="164"/>
        <source>Pictures (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)</source>
        <translation>Images (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="196"/>
        <source>The output names cannot be made: %1.</source>
        <translation>Les noms de sortie ne peuvent pas être formés : %1.</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="210"/>
        <source>For example: %1</source>
        <translation>Par exemple : %1</translation>
    </message>
</context>
<context>
    <name>PictureMetadata</name>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="553"/>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="563"/>
        <source>its metadata could not be read (%1)</source>
        <translation>ses métadonnées n&apos;ont pas pu être lues (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="576"/>
        <source>its metadata could not be copied (%1)</source>
        <translation>ses métadonnées n&apos;ont pas pu être copiées (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="581"/>
        <source>its metadata could not be copied</source>
        <translation>ses métadonnées n&apos;ont pas pu être copiées</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="603"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="614"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="641"/>
        <source>%1 dropped (%2)</source>
        <translation>%1 abandonné (%2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="611"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="644"/>
        <source>%1 dropped</source>
        <translation>%1 abandonné</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="166"/>
        <source>the picture declares %1 samples per pixel</source>
        <translation>l&apos;image déclare %1 échantillons par pixel</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="198"/>
        <source>the picture is damaged: its %1 chunk runs past the end</source>
        <translation>l&apos;image est endommagée : son bloc %1 dépasse la fin du fichier</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="326"/>
        <source>the file name is not valid UTF-8 in this locale</source>
        <translation>le nom du fichier n&apos;est pas de l&apos;UTF-8 valide dans cette locale</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="332"/>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="334"/>
        <source>it is a FIFO, not a regular file</source>
        <translation>c&apos;est une FIFO, pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="336"/>
        <source>it is a socket, not a regular file</source>
        <translation>c&apos;est une socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="337"/>
        <source>it is a device, not a regular file</source>
        <translation>c&apos;est un périphérique, pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>PresetChooser</name>
    <message>
        <location filename="../ui/presetchooser.cpp" line="28"/>
        <source>No preset</source>
        <translation>Aucun modèle</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="46"/>
        <source>Save as Preset...</source>
        <translation>Enregistrer comme modèle...</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="48"/>
        <source>Delete Preset...</source>
        <translation>Supprimer le modèle...</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="89"/>
        <source>The preset &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le modèle « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="112"/>
        <source>A preset named &quot;%1&quot; exists. Replace it?</source>
        <translation>Un modèle nommé « %1 » existe. Le remplacer ?</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="126"/>
        <source>The preset &quot;%1&quot; cannot be saved: %2</source>
        <translation>Le modèle « %1 » ne peut pas être enregistré : %2</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="144"/>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Supprimer le modèle « %1 » ?</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="154"/>
        <source>The preset &quot;%1&quot; cannot be deleted: %2</source>
        <translation>Le modèle « %1 » ne peut pas être supprimé : %2</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <location filename="../settings/preset.cpp" line="161"/>
        <source>A preset needs a name.</source>
        <translation>Un modèle doit avoir un nom.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="163"/>
        <source>A preset&apos;s name cannot hold &quot;/&quot;.</source>
        <translation>Le nom d&apos;un modèle ne peut pas contenir « / ».</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="165"/>
        <source>A preset&apos;s name cannot start with &quot;.&quot;.</source>
        <translation>Le nom d&apos;un modèle ne peut pas commencer par « . ».</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="167"/>
        <source>A preset&apos;s name cannot hold control or bidirectional characters.</source>
        <translation>Le nom d&apos;un modèle ne peut pas contenir de caractères de contrôle ou de direction.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="169"/>
        <source>The preset&apos;s name is too long.</source>
        <translation>Le nom du modèle est trop long.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="176"/>
        <source>no such preset</source>
        <translation>modèle introuvable</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="188"/>
        <source>not a preset file</source>
        <translation>pas un fichier de modèle</translation>
    </message>
</context>
<context>
    <name>Quorlane</name>
    <message>
        <location filename="../ui/main.cpp" line="37"/>
        <source>Stamps a text watermark onto a batch of pictures. The pictures and folders given start in the window&apos;s list, as if dropped on it.</source>
        <translation>Appose un filigrane texte sur un lot d&apos;images. Les images et dossiers donnés figurent dès le départ dans la liste de la fenêtre, comme s&apos;ils y avaient été déposés.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="40"/>
        <source>Pictures or folders of pictures.</source>
        <translation>Images ou dossiers d&apos;images.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="41"/>
        <source>[FILE|FOLDER...]</source>
        <translation>[FICHIER|DOSSIER...]</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="43"/>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="44"/>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="62"/>
        <source>Try &apos;quorlane --help&apos; for more information.</source>
        <translation>Essayez « quorlane --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="70"/>
        <source>Usage:</source>
        <translation>Usage :</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../cli/reportfile.cpp" line="56"/>
        <source>it is a picture of this run</source>
        <translation>c&apos;est une image de ce traitement</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="59"/>
        <source>it is an output of this run</source>
        <translation>c&apos;est une sortie de ce traitement</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="64"/>
        <source>it is a picture</source>
        <translation>c&apos;est une image</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="66"/>
        <source>it is a file, but not a report</source>
        <translation>c&apos;est un fichier, mais pas un rapport</translation>
    </message>
</context>
<context>
    <name>RunOptions</name>
    <message>
        <location filename="../settings/runoptions.cpp" line="123"/>
        <source>Quality for JPEG, WebP, AVIF and HEIC</source>
        <translation>Qualité pour JPEG, WebP, AVIF et HEIC</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="131"/>
        <source>How a fixed size treats proportions</source>
        <translation>Comment une taille fixe traite les proportions</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="134"/>
        <source>Stretch to exactly SIZE.</source>
        <translation>Étirer exactement à SIZE.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="135"/>
        <source>Fit inside SIZE, keeping proportions; never enlarge.</source>
        <translation>Tenir dans SIZE en gardant les proportions ; jamais agrandir.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="143"/>
        <source>Metadata to keep</source>
        <translation>Métadonnées à garder</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="150"/>
        <source>Write the text as the copyright notice.</source>
        <translation>Écrire le texte comme mention de copyright.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="151"/>
        <source>Leave the copyright notice as the metadata has it.</source>
        <translation>Laisser la mention de copyright des métadonnées.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="158"/>
        <source>When the output folder has a picture of the same name</source>
        <translation>Quand le dossier de sortie a une image de même nom</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="166"/>
        <source>Colours: keep each picture&apos;s profile, or convert every picture to sRGB</source>
        <translation>Couleurs : garder le profil de chaque image, ou convertir chaque image en sRGB</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="176"/>
        <source>Name each output after TEMPLATE, without suffix: {name} (the source&apos;s name), {counter}, {counter:N}, {preset} or a text field</source>
        <translation>Nommer chaque sortie d&apos;après TEMPLATE, sans extension : {name} (le nom de la source), {counter}, {counter:N}, {preset} ou un champ de texte</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="195"/>
        <source>Keep a JPEG&apos;s own compression when its size and format stay: only the watermark&apos;s blocks change.</source>
        <translation>Garder la compression propre d&apos;un JPEG quand sa taille et son format restent : seuls les blocs du filigrane changent.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="199"/>
        <source>Encode every picture anew.</source>
        <translation>Encoder chaque image à nouveau.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="216"/>
        <source>Keep the mark N percent of the shorter side off the edges</source>
        <translation>Tenir la marque à N pour cent du petit côté des bords</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="226"/>
        <source>Outline the text in black or white.</source>
        <translation>Entourer le texte de noir ou de blanc.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="227"/>
        <source>No outline.</source>
        <translation>Pas de contour.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="233"/>
        <source>Give the text a soft shadow.</source>
        <translation>Donner au texte une ombre douce.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="234"/>
        <source>No shadow.</source>
        <translation>Pas d&apos;ombre.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="241"/>
        <source>Turn the text by DEG degrees counter-clockwise</source>
        <translation>Tourner le texte de DEG degrés dans le sens antihoraire</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="259"/>
        <source>Fit the automatic text size to the picture&apos;s width, or to its shorter side so that portraits and landscapes get one size</source>
        <translation>Ajuster la taille automatique du texte à la largeur de l&apos;image, ou à son petit côté pour que portraits et paysages aient une seule taille</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="268"/>
        <source>Repeat the text over the whole picture.</source>
        <translation>Répéter le texte sur toute l&apos;image.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="269"/>
        <source>Stamp the text once.</source>
        <translation>Apposer le texte une fois.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="278"/>
        <source>Stamp the picture FILE (PNG, SVG, ...) before the text; &apos;&apos; for none</source>
        <translation>Apposer l&apos;image FILE (PNG, SVG, ...) avant le texte ; &apos;&apos; pour aucune</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="292"/>
        <source>The logo&apos;s width in percent of the picture&apos;s</source>
        <translation>La largeur du logo en pour cent de celle de l&apos;image</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="301"/>
        <source>Where the logo goes</source>
        <translation>Où va le logo</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="318"/>
        <source>The logo&apos;s opacity</source>
        <translation>L&apos;opacité du logo</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="341"/>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="349"/>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>RunPlanner</name>
    <message>
        <location filename="../engine/run/runplanner.cpp" line="69"/>
        <source>cannot read the logo &apos;%1&apos;: %2</source>
        <translation>impossible de lire le logo &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location filename="../engine/run/runplanner.cpp" line="72"/>
        <source>cannot make the output folder &apos;%1&apos;</source>
        <translation>impossible de créer le dossier de sortie &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="32"/>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="54"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="71"/>
        <source>The run was stopped: %n of %1 pictures were not started.</source>
        <translation>
            <numerusform>Le traitement a été arrêté : %n image sur %1 n&apos;a pas été commencée.</numerusform>
            <numerusform>Le traitement a été arrêté : %n images sur %1 n&apos;ont pas été commencées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="81"/>
        <source>%n of %1 pictures could not be processed:</source>
        <translation>
            <numerusform>%n image sur %1 n&apos;a pas pu être traitée :</numerusform>
            <numerusform>%n images sur %1 n&apos;ont pas pu être traitées :</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="88"/>
        <source>%1: could not be written (%2)</source>
        <translation>%1 : n&apos;a pas pu être écrite (%2)</translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="89"/>
        <source>%1: could not be read (%2)</source>
        <translation>%1 : n&apos;a pas pu être lue (%2)</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="99"/>
        <source>%n pictures were written from an incomplete file:</source>
        <translation>
            <numerusform>%n image a été écrite à partir d&apos;un fichier incomplet :</numerusform>
            <numerusform>%n images ont été écrites à partir d&apos;un fichier incomplet :</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="106"/>
        <source>The watermark is fully transparent: the pictures were written without a visible mark. Raise its opacity in &quot;Advanced Settings&quot;.</source>
        <translation>Le filigrane est entièrement transparent : les images ont été écrites sans marque visible. Augmentez son opacité dans « Réglages avancés ».</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="115"/>
        <source>%n of %1 pictures were skipped: a picture of the same name is already in the output folder.</source>
        <translation>
            <numerusform>%n image sur %1 a été sautée : une image de même nom est déjà dans le dossier de sortie.</numerusform>
            <numerusform>%n images sur %1 ont été sautées : une image de même nom est déjà dans le dossier de sortie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="126"/>
        <source>%n pictures were written without their metadata:</source>
        <translation>
            <numerusform>%n image a été écrite sans ses métadonnées :</numerusform>
            <numerusform>%n images ont été écrites sans leurs métadonnées :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="139"/>
        <source>%1; %n were encoded again:</source>
        <translation>
            <numerusform>%1 ; %n a été encodée à nouveau :</numerusform>
            <numerusform>%1 ; %n ont été encodées à nouveau :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="140"/>
        <source>%n pictures kept their JPEG compression</source>
        <translation>
            <numerusform>%n image a gardé sa compression JPEG</numerusform>
            <numerusform>%n images ont gardé leur compression JPEG</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavePreset</name>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="6"/>
        <source>Save as Preset</source>
        <translation>Enregistrer comme modèle</translation>
    </message>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="12"/>
        <source>Name of the preset:</source>
        <translation>Nom du modèle :</translation>
    </message>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="29"/>
        <source>With the output folder</source>
        <translation>Avec le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="108"/>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <location filename="../settings/settingsfile.cpp" line="116"/>
        <source>not a settings file: %1 (line %2)</source>
        <translation>pas un fichier de réglages : %1 (ligne %2)</translation>
    </message>
    <message>
        <location filename="../settings/settingsfile.cpp" line="119"/>
        <source>it has no settings element</source>
        <translation>il n&apos;a pas d&apos;élément settings</translation>
    </message>
</context>
<context>
    <name>WatchSession</name>
    <message>
        <location filename="../cli/watchsession.cpp" line="39"/>
        <source>the watched folder &apos;%1&apos; is gone</source>
        <translation>le dossier surveillé &apos;%1&apos; a disparu</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="47"/>
        <location filename="../cli/watchsession.cpp" line="70"/>
        <source>cannot watch &apos;%1&apos;: %2</source>
        <translation>impossible de surveiller &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="226"/>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="246"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire le rapport &apos;%1&apos; : %2</translation>
    </message>
</context>
<context>
    <name>WatermarkEffects</name>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="77"/>
        <source>the SVG picture refers to another file (%1)</source>
        <translation>l&apos;image SVG renvoie à un autre fichier (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="87"/>
        <source>the SVG picture is too tall for its width</source>
        <translation>l&apos;image SVG est trop haute pour sa largeur</translation>
    </message>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="92"/>
        <source>not a valid SVG picture</source>
        <translation>pas une image SVG valide</translation>
    </message>
</context>
<context>
    <name>WatermarkJob</name>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="105"/>
        <source>resized</source>
        <translation>redimensionnée</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="107"/>
        <source>written in another format</source>
        <translation>écrite dans un autre format</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="109"/>
        <source>tiled watermark</source>
        <translation>filigrane en mosaïque</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="130"/>
        <source>converted to sRGB</source>
        <translation>convertie en sRGB</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="117"/>
        <source>not a JPEG</source>
        <translation>pas un JPEG</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="124"/>
        <source>too large</source>
        <translation>trop grande</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="135"/>
        <source>turned, without metadata</source>
        <translation>tournée, sans métadonnées</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="238"/>
        <source>there is not enough memory to draw the watermark</source>
        <translation>pas assez de mémoire pour dessiner le filigrane</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="281"/>
        <source>a WebP picture holds at most %1 pixels a side</source>
        <translation>une image WebP contient au plus %1 pixels de côté</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="324"/>
        <source>it would replace a source picture of this run</source>
        <translation>elle remplacerait une image source de ce traitement</translation>
    </message>
</context>
</TS>
