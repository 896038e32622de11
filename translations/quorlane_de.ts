<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Advanced</name>
    <message>
        <location filename="../ui/forms/advanced.ui" line="19"/>
        <source>Advanced Settings (Manual)</source>
        <translation>Erweiterte Einstellungen (manuell)</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="37"/>
        <source>Restore the  default settings and return to main screen.</source>
        <translation>Die Standardeinstellungen wiederherstellen und zum Hauptfenster zurückkehren.</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="40"/>
        <source>Return to Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="59"/>
        <source>Apply My Settings</source>
        <translation>Meine Einstellungen anwenden</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="81"/>
        <source>Change Font Color</source>
        <translation>Schriftfarbe ändern</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="100"/>
        <source>If picture dimensions are large, use large font size accordingly.</source>
        <translation>Bei großen Bildern eine entsprechend große Schrift wählen.</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="103"/>
        <source>Change Font</source>
        <translation>Schrift ändern</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="122"/>
        <source>Change transparency</source>
        <translation>Transparenz ändern</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="141"/>
        <source>opaque</source>
        <translation>deckend</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="160"/>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="202"/>
        <source>Try maximizing font size if you </source>
        <translation>Schrift vergrößern, wenn der </translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="222"/>
        <source>can&apos;t see Text in preview</source>
        <translation>Text in der Vorschau fehlt</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="240"/>
        <source>Adjust font size automatically</source>
        <translation>Schriftgröße automatisch</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../cli/batchcommand.cpp" line="32"/>
        <source>Write into DIR, made with its parents when missing (default: the window&apos;s output folder).</source>
        <translation>In DIR schreiben, samt fehlender übergeordneter Ordner (Standard: der Ausgabeordner des Fensters).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="37"/>
        <source>The watermark text; line breaks as given (default: the saved text).</source>
        <translation>Der Wasserzeichentext; Zeilenumbrüche wie angegeben (Standard: der gespeicherte Text).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="42"/>
        <source>Put &quot;© &quot; before the text.</source>
        <translation>„© “ vor den Text setzen.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="44"/>
        <source>Do not put &quot;© &quot; before it.</source>
        <translation>Kein „© “ davor setzen.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="46"/>
        <source>Where the text goes: %1, or auto: the calmest of them for each picture (default: the saved position).</source>
        <translation>Wo der Text steht: %1, oder auto: die ruhigste davon für jedes Bild (Standard: die gespeicherte Position).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="51"/>
        <source>Take text, sign, position and style from FILE, a settings.qrl.xml (default: the window&apos;s own, when it exists).</source>
        <translation>Text, Zeichen, Position und Stil aus FILE nehmen, einer settings.qrl.xml (Standard: die des Fensters, wenn es sie gibt).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="56"/>
        <source>Start from the preset NAME, or the preset file FILE, instead of what the window has saved; options given win.</source>
        <translation>Von der Vorlage NAME oder der Vorlagendatei FILE ausgehen statt vom Gespeicherten des Fensters; angegebene Optionen haben Vorrang.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="60"/>
        <source>Choose font size, black or white and opacity per picture.</source>
        <translation>Schriftgröße, Schwarz oder Weiß und Deckkraft je Bild wählen.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="63"/>
        <source>%1, WxH, or N: the long edge, never enlarged (%2 to %3; default: original).</source>
        <translation>%1, BxH oder N: die lange Seite, nie vergrößert (%2 bis %3; Standard: original).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="71"/>
        <source>%1 (default: original).</source>
        <translation>%1 (Standard: original).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="78"/>
        <source>Save the settings of this command (the output folder only when -o is given) as the preset NAME; then stamp the FILEs, if any.</source>
        <translation>Die Einstellungen dieses Befehls (den Ausgabeordner nur mit -o) als Vorlage NAME speichern; danach die FILEs stempeln, falls angegeben.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="82"/>
        <source>List the presets and exit.</source>
        <translation>Die Vorlagen auflisten und beenden.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="84"/>
        <source>Stamp N pictures at once (default: by cores and memory).</source>
        <translation>N Bilder gleichzeitig stempeln (Standard: nach Kernen und Speicher).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="87"/>
        <source>Read the pictures from FILE, one a line (&apos;-&apos;: standard input).</source>
        <translation>Die Bilder aus FILE lesen, eines pro Zeile (&apos;-&apos;: Standardeingabe).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="91"/>
        <source>Names in --files-from end with NUL, not newline.</source>
        <translation>Namen in --files-from enden mit NUL statt Zeilenumbruch.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="93"/>
        <source>Append one JSON line per picture to FILE as it ends (index, source, output, status, reason); never a picture. Processes on one machine may share FILE.</source>
        <translation>Je Bild eine JSON-Zeile an FILE anhängen, sobald es fertig ist (index, source, output, status, reason); nie an ein Bild. Prozesse auf einem Rechner dürfen FILE teilen.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="99"/>
        <source>Stamp each picture in FOLDER whose output is missing, then every picture that comes into it complete, until a signal ends it (a hot folder).</source>
        <translation>Jedes Bild in FOLDER stempeln, dessen Ausgabe fehlt, danach jedes Bild, das vollständig hineinkommt, bis ein Signal es beendet (ein Hotfolder).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="104"/>
        <source>With --watch: look at the folder every SECONDS (1 to 3600) instead of being told; network and FUSE folders are always polled.</source>
        <translation>Mit --watch: den Ordner alle SECONDS Sekunden (1 bis 3600) ansehen, statt benachrichtigt zu werden; Netzwerk- und FUSE-Ordner werden immer abgefragt.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="109"/>
        <source>With --watch: watch its subfolders too; outputs keep their subfolder.</source>
        <translation>Mit --watch: auch die Unterordner beobachten; Ausgaben behalten ihren Unterordner.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="111"/>
        <source>Print only errors.</source>
        <translation>Nur Fehler ausgeben.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="112"/>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="113"/>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="138"/>
        <source>%1 (%2).</source>
        <translation>%1 (%2).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="139"/>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="178"/>
        <source>Stamp a text watermark onto every FILE, exactly as the Quorlane window does, and write
the results into the output folder. Options not given take what the window has saved.</source>
        <translation>Ein Text-Wasserzeichen auf jede FILE stempeln, genau wie das Quorlane-Fenster, und die
Ergebnisse in den Ausgabeordner schreiben. Nicht angegebene Optionen nehmen das vom Fenster Gespeicherte.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="184"/>
        <source>Pictures to stamp.</source>
        <translation>Zu stempelnde Bilder.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="189"/>
        <source>invalid value &apos;%1&apos; for --%2 (%3)</source>
        <translation>ungültiger Wert &apos;%1&apos; für --%2 (%3)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="227"/>
        <location filename="../cli/batchcommand.cpp" line="367"/>
        <source>--%1 and --%2 cannot be given together</source>
        <translation>--%1 und --%2 können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="256"/>
        <source>cannot read settings file &apos;%1&apos;: %2</source>
        <translation>die Einstellungsdatei &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="286"/>
        <source>--watch takes no FILE and no --files-from: it stamps what is in its folder</source>
        <translation>--watch nimmt keine FILE und kein --files-from: es stempelt, was in seinem Ordner liegt</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="288"/>
        <source>--watch cannot number outputs (--if-exists number): after a restart it could not tell its own; use skip or replace</source>
        <translation>--watch kann Ausgaben nicht nummerieren (--if-exists number): nach einem Neustart erkennte es seine eigenen nicht; skip oder replace verwenden</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="291"/>
        <source>--watch cannot name outputs by {counter}: after a restart it could not know the numbers</source>
        <translation>--watch kann Ausgaben nicht nach {counter} benennen: nach einem Neustart kennte es die Nummern nicht</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="296"/>
        <source>the output folder is the watched folder</source>
        <translation>der Ausgabeordner ist der beobachtete Ordner</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="298"/>
        <source>the output folder is inside the folder watched with --recursive</source>
        <translation>der Ausgabeordner liegt im mit --recursive beobachteten Ordner</translation>
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
Exit-Status:
  0    jedes Bild wurde geschrieben oder übersprungen
  1    ein Bild konnte nicht gelesen oder geschrieben werden, oder der Bericht scheiterte
  2    falscher Aufruf
  130  durch SIGINT beendet (143: SIGTERM, 129: SIGHUP), nachdem die laufenden Bilder
       fertig waren; ein zweites Signal beendet sofort

Beispiele:
  quorlane-batch -t &apos;Anna Berg&apos; -p bottom-right -s 640x480 --fit -o out *.jpg
  find photos -name &apos;*.jpg&apos; -print0 | quorlane-batch -0 --files-from - -f png
  quorlane-batch -s 2048x2048 --fit -f webp --name &apos;{name}-web&apos; --save-preset web
  quorlane-batch --preset web -o site *.jpg    (längste Seite 2048 Pixel)
  quorlane-batch --preset web --watch camera -o stamped --report log.json

Mit --watch läuft es bis SIGINT, SIGTERM oder SIGHUP; ein Neustart stempelt nur,
was noch keine Ausgabe hat (mit --if-exists replace auch, was sich seitdem geändert hat).
</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="374"/>
        <source>--preset and --settings cannot be given together</source>
        <translation>--preset und --settings können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="377"/>
        <source>cannot read the preset &apos;%1&apos;: %2 (presets are in %3)</source>
        <translation>die Vorlage &apos;%1&apos; kann nicht gelesen werden: %2 (Vorlagen liegen in %3)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="408"/>
        <source>invalid size &apos;%1&apos; (%2, WxH or N from %3 to %4)</source>
        <translation>ungültige Größe &apos;%1&apos; (%2, BxH oder N von %3 bis %4)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="418"/>
        <source>invalid format &apos;%1&apos; (%2)</source>
        <translation>ungültiges Format &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="441"/>
        <source>invalid number of jobs &apos;%1&apos; (1 to 1024)</source>
        <translation>ungültige Anzahl von Jobs &apos;%1&apos; (1 bis 1024)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="448"/>
        <source>the output folder name is empty</source>
        <translation>der Name des Ausgabeordners ist leer</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="452"/>
        <source>--null needs --files-from</source>
        <translation>--null braucht --files-from</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="456"/>
        <source>--poll and --recursive need --watch</source>
        <translation>--poll und --recursive brauchen --watch</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="460"/>
        <source>cannot read the list of pictures &apos;%1&apos;</source>
        <translation>die Bilderliste &apos;%1&apos; kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="462"/>
        <source>no picture given</source>
        <translation>kein Bild angegeben</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="64"/>
        <source>Try &apos;quorlane-batch --help&apos; for more information.</source>
        <translation>„quorlane-batch --help“ zeigt mehr Informationen.</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="35"/>
        <source>cannot save the preset &apos;%1&apos;: %2</source>
        <translation>die Vorlage &apos;%1&apos; kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="132"/>
        <source>refusing to write the report to &apos;%1&apos;: %2</source>
        <translation>der Bericht wird nicht nach &apos;%1&apos; geschrieben: %2</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="138"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>der Bericht &apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>BatchSession</name>
    <message>
        <location filename="../cli/batchsession.cpp" line="70"/>
        <source>%1/%2 (%3%) %4 pictures/s, %5 s left</source>
        <translation>%1/%2 (%3 %) %4 Bilder/s, noch %5 s</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="100"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>der Bericht &apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="103"/>
        <source>%1 written, %2 skipped, %3 failed in %4 s</source>
        <translation>%1 geschrieben, %2 übersprungen, %3 fehlgeschlagen in %4 s</translation>
    </message>
</context>
<context>
    <name>CustomSize</name>
    <message>
        <location filename="../ui/forms/customsize.ui" line="19"/>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="66"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="84"/>
        <source>Height</source>
        <translation>Höhe</translation>
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
        <translation>Pixel</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="158"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/customsize.cpp" line="27"/>
        <source>Custom Size - Quorlane</source>
        <translation>Eigene Größe - Quorlane</translation>
    </message>
    <message>
        <location filename="../ui/customsize.cpp" line="59"/>
        <source>Please enter a valid values for width and height</source>
        <translation>Bitte gültige Werte für Breite und Höhe eingeben</translation>
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
        <translation>Schriftfarbe, -größe und Transparenz von Hand wählen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="86"/>
        <source>Advanced
Settings </source>
        <translation>Erweiterte
Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="136"/>
        <source>Everything but the pictures, saved under a name: choose one to apply it</source>
        <translation>Alles außer den Bildern, unter einem Namen gespeichert: zum Anwenden auswählen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="154"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="179"/>
        <source>Metadata, quality, proportions and pictures of the same name</source>
        <translation>Metadaten, Qualität, Proportionen und Bilder gleichen Namens</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="182"/>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="228"/>
        <source>Press &quot;+&quot; button to add files
Or Drop files on the window</source>
        <translation>Mit „+“ Dateien hinzufügen
oder Dateien auf das Fenster ziehen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="251"/>
        <source>Add files to be watermarked</source>
        <translation>Dateien zum Stempeln hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="282"/>
        <source>Remove files from list</source>
        <translation>Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="307"/>
        <source>Add Folder: the pictures in a folder and its subfolders</source>
        <translation>Ordner hinzufügen: die Bilder eines Ordners und seiner Unterordner</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="430"/>
        <source>Add Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="112"/>
        <source>&amp;Preset:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="207"/>
        <location filename="../ui/dialog.cpp" line="506"/>
        <source>&amp;Files selected for Watermarking</source>
        <translation>Zu &amp;stempelnde Dateien</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="220"/>
        <source>Pictures to watermark</source>
        <translation>Zu stempelnde Bilder</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="248"/>
        <source>Add pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="279"/>
        <source>Remove pictures</source>
        <translation>Bilder entfernen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="310"/>
        <source>Add a folder</source>
        <translation>Einen Ordner hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="351"/>
        <source>Watermark text</source>
        <translation>Text des Wasserzeichens</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="375"/>
        <source>Copyright symbol appears as watermark on image</source>
        <translation>Das Copyright-Zeichen erscheint im Wasserzeichen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="378"/>
        <source> use © symbol</source>
        <translation> ©-Zeichen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="391"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="394"/>
        <source>Preview of the currently selected picture with watermark.</source>
        <translation>Vorschau des gewählten Bildes mit Wasserzeichen.</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="412"/>
        <source>Select button to change the position of the watermark in output</source>
        <translation>Knopf wählen, um die Position des Wasserzeichens zu ändern</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="415"/>
        <source>watermark position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="427"/>
        <source>Position: top left</source>
        <translation>Position: oben links</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="430"/>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="446"/>
        <source>Position: top centre</source>
        <translation>Position: oben Mitte</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="449"/>
        <source>Top Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="465"/>
        <source>Position: top right</source>
        <translation>Position: oben rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="468"/>
        <source>Top Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="484"/>
        <source>Position: centre left</source>
        <translation>Position: Mitte links</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="487"/>
        <source>Center left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="503"/>
        <source>Position: centre</source>
        <translation>Position: Mitte</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="506"/>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="522"/>
        <source>Position: centre right</source>
        <translation>Position: Mitte rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="525"/>
        <source>Center Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="541"/>
        <source>Position: bottom left</source>
        <translation>Position: unten links</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="544"/>
        <source>Bottom Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="560"/>
        <source>Position: bottom centre</source>
        <translation>Position: unten Mitte</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="563"/>
        <source>Bottom Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="579"/>
        <source>Position: bottom right</source>
        <translation>Position: unten rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="582"/>
        <source>Bottom Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="608"/>
        <source>Output &amp;dimension</source>
        <translation>Ausgabe&amp;größe</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="645"/>
        <source>Output F&amp;ormat</source>
        <translation>Ausgabe&amp;format</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="679"/>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="717"/>
        <source>Applies watermarks to all the selected files</source>
        <translation>Versieht alle gewählten Dateien mit dem Wasserzeichen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="729"/>
        <source>Apply Watermark</source>
        <translation>Wasserzeichen setzen</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="754"/>
        <source>Start no further picture; the pictures in progress are finished (Escape)</source>
        <translation>Kein weiteres Bild beginnen; laufende Bilder werden fertig (Escape)</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="757"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="30"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="34"/>
        <source>Thumbnails</source>
        <translation>Miniaturen</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="35"/>
        <source>Custom Size</source>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="36"/>
        <source>Long edge 2048</source>
        <translation>Max. 2048 px</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="37"/>
        <source>Long edge 1600</source>
        <translation>Max. 1600 px</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="38"/>
        <source>Long edge 1080</source>
        <translation>Max. 1080 px</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="507"/>
        <source>&amp;Files selected for Watermarking (%1)</source>
        <translation>Zu &amp;stempelnde Dateien (%1)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="512"/>
        <source>%1 of %2 — %p%</source>
        <translation>%1 von %2 — %p %</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="584"/>
        <source>Select Files for Watermarking</source>
        <translation>Dateien zum Stempeln wählen</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="586"/>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="627"/>
        <source>Select Output Directory</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="637"/>
        <source>WARNING: The output directory already exists.
Your files WILL be overwritten without further warning.
Press OK to continue using the same directory.
Press Cancel to abort and change the directory</source>
        <translation>WARNUNG: Der Ausgabeordner existiert bereits.
Ihre Dateien WERDEN ohne weitere Warnung überschrieben.
OK, um denselben Ordner weiter zu verwenden.
Abbrechen, um einen anderen Ordner zu wählen</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="643"/>
        <source>Create Anyway, I know what I&apos;m doing</source>
        <translation>Trotzdem anlegen, ich weiß, was ich tue</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="713"/>
        <source>Long edge %1</source>
        <translation>Max. %1 px</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="781"/>
        <source>The logo %1 cannot be read (%2). Choose another one in &quot;Options...&quot; or remove it.</source>
        <translation>Das Logo %1 kann nicht gelesen werden (%2). Wählen Sie unter „Optionen...“ ein anderes oder entfernen Sie es.</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="791"/>
        <source>The pictures cannot be written at this size: %1.</source>
        <translation>Die Bilder können in dieser Größe nicht geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <location filename="../ui/fieldmenu.cpp" line="26"/>
        <source>Insert Field</source>
        <translation>Feld einfügen</translation>
    </message>
</context>
<context>
    <name>HeifCodec</name>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="375"/>
        <source>the picture is too large (%1 × %2)</source>
        <translation>das Bild ist zu groß (%1 × %2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="388"/>
        <source>the picture&apos;s grid of tiles cannot be read</source>
        <translation>das Kachelraster des Bildes ist nicht lesbar</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="393"/>
        <source>its grid of tiles is %1 × %2, but the picture says %3 × %4</source>
        <translation>sein Kachelraster misst %1 × %2, das Bild gibt aber %3 × %4 an</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="286"/>
        <source>the decoder gave no picture</source>
        <translation>der Decoder lieferte kein Bild</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="295"/>
        <source>the decoded picture is %1 × %2, but the picture says %3 × %4</source>
        <translation>das dekodierte Bild misst %1 × %2, das Bild gibt aber %3 × %4 an</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="453"/>
        <source>no %1 encoder (%2)</source>
        <translation>kein %1-Encoder (%2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="494"/>
        <source>EXIF dropped (%1)</source>
        <translation>EXIF verworfen (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="500"/>
        <source>XMP dropped (%1)</source>
        <translation>XMP verworfen (%1)</translation>
    </message>
</context>
<context>
    <name>HotFolder</name>
    <message>
        <location filename="../cli/hotfolder.cpp" line="70"/>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/inifile.cpp" line="37"/>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../settings/inifile.cpp" line="45"/>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>JpegKeeper</name>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="109"/>
        <source>%1-bit JPEG</source>
        <translation>%1-Bit-JPEG</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="111"/>
        <source>CMYK JPEG</source>
        <translation>CMYK-JPEG</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="113"/>
        <source>JPEG in an unusual colour space</source>
        <translation>JPEG in einem ungewöhnlichen Farbraum</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="119"/>
        <source>JPEG with fractional sampling</source>
        <translation>JPEG mit gebrochener Unterabtastung</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="527"/>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="530"/>
        <source>there is not enough memory for the picture</source>
        <translation>nicht genug Speicher für das Bild</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="56"/>
        <source>a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>ein „{“ ohne sein „}“</translation>
    </message>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="62"/>
        <source>the width of {%1} must be 1 to %2</source>
        <translation>die Breite von {%1} muss 1 bis %2 sein</translation>
    </message>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="64"/>
        <source>there is no field {%1}</source>
        <translation>es gibt kein Feld {%1}</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="207"/>
        <source>the file name has no suffix to choose an image format by</source>
        <translation>der Dateiname hat keine Endung, nach der ein Bildformat gewählt werden kann</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="211"/>
        <source>no image writer for the suffix &quot;%1&quot;</source>
        <translation>kein Bildschreiber für die Endung „%1“</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="236"/>
        <source>no space left on the device</source>
        <translation>kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="238"/>
        <source>the file is larger than this system allows</source>
        <translation>die Datei ist größer, als dieses System erlaubt</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="240"/>
        <source>this file system can neither rename without replacing nor make hard links (FAT, exFAT?): choose &quot;Replace&quot; or another folder</source>
        <translation>dieses Dateisystem kann weder ohne Ersetzen umbenennen noch harte Links anlegen (FAT, exFAT?): „Ersetzen“ oder einen anderen Ordner wählen</translation>
    </message>
</context>
<context>
    <name>OutputOptions</name>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="6"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="13"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="21"/>
        <source>Metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="30"/>
        <source>Keep all</source>
        <translation>Alle behalten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="37"/>
        <source>Camera, date taken, location, author, keywords: all of it.</source>
        <translation>Kamera, Aufnahmedatum, Ort, Autor, Stichwörter: alles.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="53"/>
        <source>Keep all but the location</source>
        <translation>Alle außer dem Ort behalten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="63"/>
        <source>Everything but GPS coordinates and place names.</source>
        <translation>Alles außer GPS-Koordinaten und Ortsnamen.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="79"/>
        <source>Keep copyright and contact only</source>
        <translation>Nur Copyright und Kontakt behalten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="86"/>
        <source>Only author, copyright, credit and contact fields.</source>
        <translation>Nur Autor-, Copyright-, Quellen- und Kontaktfelder.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="102"/>
        <source>Remove all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="109"/>
        <source>Nothing but the colour profile.</source>
        <translation>Nichts außer dem Farbprofil.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="125"/>
        <source>Write the watermark text as the copyright notice</source>
        <translation>Den Wasserzeichentext als Copyright-Vermerk schreiben</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="132"/>
        <source>The EXIF, IPTC and XMP copyright fields get the text.</source>
        <translation>Die Copyright-Felder von EXIF, IPTC und XMP erhalten den Text.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="151"/>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="163"/>
        <source>1 (smallest file) to 100 (best picture)</source>
        <translation>1 (kleinste Datei) bis 100 (bestes Bild)</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="170"/>
        <source>For JPEG, WebP, AVIF and HEIC outputs; 100 makes WebP lossless.</source>
        <translation>Für JPEG-, WebP-, AVIF- und HEIC-Ausgaben; 100 macht WebP verlustfrei.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="186"/>
        <source>Keep the original JPEG compression</source>
        <translation>Die ursprüngliche JPEG-Kompression behalten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="193"/>
        <source>Only the watermark&apos;s blocks change, when size and format stay.</source>
        <translation>Nur die Blöcke des Wasserzeichens ändern sich, wenn Größe und Format bleiben.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="220"/>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="229"/>
        <source>Stretch to the exact size</source>
        <translation>Auf genau die Größe strecken</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="239"/>
        <source>Exactly the chosen width and height.</source>
        <translation>Genau die gewählte Breite und Höhe.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="255"/>
        <source>Fit inside, keep proportions</source>
        <translation>Einpassen, Proportionen behalten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="262"/>
        <source>Shrunk to fit inside the chosen size, never enlarged.</source>
        <translation>Verkleinert, bis es in die gewählte Größe passt, nie vergrößert.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="281"/>
        <source>If a picture of the same name is already in the output folder</source>
        <translation>Wenn ein Bild gleichen Namens schon im Ausgabeordner liegt</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="290"/>
        <source>Replace it</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="300"/>
        <source>The earlier picture is overwritten.</source>
        <translation>Das frühere Bild wird überschrieben.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="316"/>
        <source>Keep both (add a number)</source>
        <translation>Beide behalten (Nummer anfügen)</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="323"/>
        <source>The new picture is named &quot;name (2)&quot;, &quot;name (3)&quot; ...</source>
        <translation>Das neue Bild heißt „name (2)“, „name (3)“ ...</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="339"/>
        <source>Skip the picture</source>
        <translation>Bild überspringen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="346"/>
        <source>The earlier picture stays; the new one is not written.</source>
        <translation>Das frühere Bild bleibt; das neue wird nicht geschrieben.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="365"/>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="374"/>
        <source>Keep the picture&apos;s profile</source>
        <translation>Profil des Bildes behalten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="384"/>
        <source>BMP, PPM and XPM outputs are converted to sRGB all the same.</source>
        <translation>BMP-, PPM- und XPM-Ausgaben werden trotzdem in sRGB umgewandelt.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="400"/>
        <source>Convert to sRGB</source>
        <translation>In sRGB umwandeln</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="407"/>
        <source>For the web: every output shows alike in every browser.</source>
        <translation>Für das Web: jede Ausgabe sieht in jedem Browser gleich aus.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="426"/>
        <source>Output names</source>
        <translation>Ausgabenamen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="437"/>
        <source>The name of each output, without its suffix: {name} is the picture&apos;s own name</source>
        <translation>Der Name jeder Ausgabe, ohne Endung: {name} ist der eigene Name des Bildes</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="444"/>
        <source>Insert Field</source>
        <translation>Feld einfügen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="479"/>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="487"/>
        <source>Margin:</source>
        <translation>Rand:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="497"/>
        <source> % of the shorter side</source>
        <translation> % der kürzeren Seite</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="504"/>
        <source>Outline in black or white</source>
        <translation>Kontur in Schwarz oder Weiß</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="511"/>
        <source>Soft shadow</source>
        <translation>Weicher Schatten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="518"/>
        <source>Angle:</source>
        <translation>Winkel:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="528"/>
        <source> degrees</source>
        <translation> Grad</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="535"/>
        <source>Repeat over the whole picture</source>
        <translation>Über das ganze Bild wiederholen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="542"/>
        <source>For each picture, the position, corner or top or bottom centre where the picture is least busy; the window&apos;s position when none is clearly calmer</source>
        <translation>Für jedes Bild die Position, Ecke oder Mitte oben oder unten, an der das Bild am ruhigsten ist; die Position des Fensters, wenn keine deutlich ruhiger ist</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="545"/>
        <source>Choose the calmest place for each picture</source>
        <translation>Für jedes Bild die ruhigste Stelle wählen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="552"/>
        <source>Size the text by:</source>
        <translation>Textgröße nach:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="562"/>
        <source>The automatic text size follows the picture&apos;s width, or its shorter side, which gives portraits and landscapes of a batch one size</source>
        <translation>Die automatische Textgröße folgt der Breite des Bildes oder seiner kürzeren Seite, die Hoch- und Querformaten eines Stapels eine Größe gibt</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="566"/>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="571"/>
        <source>shorter side</source>
        <translation>kürzere Seite</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="579"/>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="588"/>
        <source>No logo</source>
        <translation>Kein Logo</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="595"/>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="607"/>
        <source>Logo width:</source>
        <translation>Logobreite:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="617"/>
        <source> % of the picture&apos;s width</source>
        <translation> % der Bildbreite</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="624"/>
        <source>Logo position:</source>
        <translation>Logoposition:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="632"/>
        <source>top-left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="637"/>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="642"/>
        <source>top-right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="647"/>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="652"/>
        <source>center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="657"/>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="662"/>
        <source>bottom-left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="667"/>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="672"/>
        <source>bottom-right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="680"/>
        <source>Logo opacity:</source>
        <translation>Logo-Deckkraft:</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="162"/>
        <source>Choose a Logo</source>
        <translation>Logo wählen</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="164"/>
        <source>Pictures (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)</source>
        <translation>Bilder (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="196"/>
        <source>The output names cannot be made: %1.</source>
        <translation>Die Ausgabenamen lassen sich nicht bilden: %1.</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="210"/>
        <source>For example: %1</source>
        <translation>Zum Beispiel: %1</translation>
    </message>
</context>
<context>
    <name>PictureMetadata</name>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="553"/>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="563"/>
        <source>its metadata could not be read (%1)</source>
        <translation>seine Metadaten konnten nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="576"/>
        <source>its metadata could not be copied (%1)</source>
        <translation>seine Metadaten konnten nicht kopiert werden (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="581"/>
        <source>its metadata could not be copied</source>
        <translation>seine Metadaten konnten nicht kopiert werden</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="603"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="614"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="641"/>
        <source>%1 dropped (%2)</source>
        <translation>%1 verworfen (%2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="611"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="644"/>
        <source>%1 dropped</source>
        <translation>%1 verworfen</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="166"/>
        <source>the picture declares %1 samples per pixel</source>
        <translation>das Bild gibt %1 Abtastwerte je Pixel an</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="198"/>
        <source>the picture is damaged: its %1 chunk runs past the end</source>
        <translation>das Bild ist beschädigt: sein %1-Block reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="326"/>
        <source>the file name is not valid UTF-8 in this locale</source>
        <translation>der Dateiname ist in dieser Locale kein gültiges UTF-8</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="332"/>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="334"/>
        <source>it is a FIFO, not a regular file</source>
        <translation>es ist ein FIFO, keine normale Datei</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="336"/>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine normale Datei</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="337"/>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine normale Datei</translation>
    </message>
</context>
<context>
    <name>PresetChooser</name>
    <message>
        <location filename="../ui/presetchooser.cpp" line="28"/>
        <source>No preset</source>
        <translation>Keine Vorlage</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="46"/>
        <source>Save as Preset...</source>
        <translation>Als Vorlage speichern...</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="48"/>
        <source>Delete Preset...</source>
        <translation>Vorlage löschen...</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="89"/>
        <source>The preset &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Vorlage „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="112"/>
        <source>A preset named &quot;%1&quot; exists. Replace it?</source>
        <translation>Eine Vorlage namens „%1“ existiert. Ersetzen?</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="126"/>
        <source>The preset &quot;%1&quot; cannot be saved: %2</source>
        <translation>Die Vorlage „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="144"/>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Die Vorlage „%1“ löschen?</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="154"/>
        <source>The preset &quot;%1&quot; cannot be deleted: %2</source>
        <translation>Die Vorlage „%1“ kann nicht gelöscht werden: %2</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <location filename="../settings/preset.cpp" line="161"/>
        <source>A preset needs a name.</source>
        <translation>Eine Vorlage braucht einen Namen.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="163"/>
        <source>A preset&apos;s name cannot hold &quot;/&quot;.</source>
        <translation>Der Name einer Vorlage darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="165"/>
        <source>A preset&apos;s name cannot start with &quot;.&quot;.</source>
        <translation>Der Name einer Vorlage darf nicht mit „.“ beginnen.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="167"/>
        <source>A preset&apos;s name cannot hold control or bidirectional characters.</source>
        <translation>Der Name einer Vorlage darf keine Steuer- oder Richtungszeichen enthalten.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="169"/>
        <source>The preset&apos;s name is too long.</source>
        <translation>Der Name der Vorlage ist zu lang.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="176"/>
        <source>no such preset</source>
        <translation>keine solche Vorlage</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="188"/>
        <source>not a preset file</source>
        <translation>keine Vorlagendatei</translation>
    </message>
</context>
<context>
    <name>Quorlane</name>
    <message>
        <location filename="../ui/main.cpp" line="37"/>
        <source>Stamps a text watermark onto a batch of pictures. The pictures and folders given start in the window&apos;s list, as if dropped on it.</source>
        <translation>Versieht viele Bilder auf einmal mit einem Text-Wasserzeichen. Die angegebenen Bilder und Ordner stehen beim Start in der Liste des Fensters, als wären sie darauf abgelegt worden.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="40"/>
        <source>Pictures or folders of pictures.</source>
        <translation>Bilder oder Ordner mit Bildern.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="41"/>
        <source>[FILE|FOLDER...]</source>
        <translation>[DATEI|ORDNER...]</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="43"/>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="44"/>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="62"/>
        <source>Try &apos;quorlane --help&apos; for more information.</source>
        <translation>„quorlane --help“ zeigt mehr Informationen.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="70"/>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../cli/reportfile.cpp" line="56"/>
        <source>it is a picture of this run</source>
        <translation>es ist ein Bild dieses Laufs</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="59"/>
        <source>it is an output of this run</source>
        <translation>es ist eine Ausgabe dieses Laufs</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="64"/>
        <source>it is a picture</source>
        <translation>es ist ein Bild</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="66"/>
        <source>it is a file, but not a report</source>
        <translation>es ist eine Datei, aber kein Bericht</translation>
    </message>
</context>
<context>
    <name>RunOptions</name>
    <message>
        <location filename="../settings/runoptions.cpp" line="123"/>
        <source>Quality for JPEG, WebP, AVIF and HEIC</source>
        <translation>Qualität für JPEG, WebP, AVIF und HEIC</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="131"/>
        <source>How a fixed size treats proportions</source>
        <translation>Wie eine feste Größe die Proportionen behandelt</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="134"/>
        <source>Stretch to exactly SIZE.</source>
        <translation>Auf genau SIZE strecken.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="135"/>
        <source>Fit inside SIZE, keeping proportions; never enlarge.</source>
        <translation>In SIZE einpassen, Proportionen behalten; nie vergrößern.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="143"/>
        <source>Metadata to keep</source>
        <translation>Zu behaltende Metadaten</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="150"/>
        <source>Write the text as the copyright notice.</source>
        <translation>Den Text als Copyright-Vermerk schreiben.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="151"/>
        <source>Leave the copyright notice as the metadata has it.</source>
        <translation>Den Copyright-Vermerk der Metadaten lassen.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="158"/>
        <source>When the output folder has a picture of the same name</source>
        <translation>Wenn der Ausgabeordner ein Bild gleichen Namens hat</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="166"/>
        <source>Colours: keep each picture&apos;s profile, or convert every picture to sRGB</source>
        <translation>Farben: das Profil jedes Bildes behalten oder jedes Bild in sRGB umwandeln</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="176"/>
        <source>Name each output after TEMPLATE, without suffix: {name} (the source&apos;s name), {counter}, {counter:N}, {preset} or a text field</source>
        <translation>Jede Ausgabe nach TEMPLATE benennen, ohne Endung: {name} (der Name der Quelle), {counter}, {counter:N}, {preset} oder ein Textfeld</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="195"/>
        <source>Keep a JPEG&apos;s own compression when its size and format stay: only the watermark&apos;s blocks change.</source>
        <translation>Die eigene Kompression eines JPEG behalten, wenn Größe und Format bleiben: nur die Blöcke des Wasserzeichens ändern sich.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="199"/>
        <source>Encode every picture anew.</source>
        <translation>Jedes Bild neu kodieren.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="216"/>
        <source>Keep the mark N percent of the shorter side off the edges</source>
        <translation>Das Zeichen N Prozent der kürzeren Seite von den Rändern fernhalten</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="226"/>
        <source>Outline the text in black or white.</source>
        <translation>Den Text schwarz oder weiß umranden.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="227"/>
        <source>No outline.</source>
        <translation>Keine Kontur.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="233"/>
        <source>Give the text a soft shadow.</source>
        <translation>Dem Text einen weichen Schatten geben.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="234"/>
        <source>No shadow.</source>
        <translation>Kein Schatten.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="241"/>
        <source>Turn the text by DEG degrees counter-clockwise</source>
        <translation>Den Text um DEG Grad gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="259"/>
        <source>Fit the automatic text size to the picture&apos;s width, or to its shorter side so that portraits and landscapes get one size</source>
        <translation>Die automatische Textgröße an die Breite des Bildes anpassen, oder an seine kürzere Seite, damit Hoch- und Querformate eine Größe bekommen</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="268"/>
        <source>Repeat the text over the whole picture.</source>
        <translation>Den Text über das ganze Bild wiederholen.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="269"/>
        <source>Stamp the text once.</source>
        <translation>Den Text einmal stempeln.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="278"/>
        <source>Stamp the picture FILE (PNG, SVG, ...) before the text; &apos;&apos; for none</source>
        <translation>Das Bild FILE (PNG, SVG, ...) vor den Text stempeln; &apos;&apos; für keines</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="292"/>
        <source>The logo&apos;s width in percent of the picture&apos;s</source>
        <translation>Die Breite des Logos in Prozent der Bildbreite</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="301"/>
        <source>Where the logo goes</source>
        <translation>Wohin das Logo kommt</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="318"/>
        <source>The logo&apos;s opacity</source>
        <translation>Die Deckkraft des Logos</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="341"/>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="349"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>RunPlanner</name>
    <message>
        <location filename="../engine/run/runplanner.cpp" line="69"/>
        <source>cannot read the logo &apos;%1&apos;: %2</source>
        <translation>das Logo &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../engine/run/runplanner.cpp" line="72"/>
        <source>cannot make the output folder &apos;%1&apos;</source>
        <translation>der Ausgabeordner &apos;%1&apos; kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="32"/>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="54"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="71"/>
        <source>The run was stopped: %n of %1 pictures were not started.</source>
        <translation>
            <numerusform>Der Lauf wurde gestoppt: %n von %1 Bildern wurde nicht begonnen.</numerusform>
            <numerusform>Der Lauf wurde gestoppt: %n von %1 Bildern wurden nicht begonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="81"/>
        <source>%n of %1 pictures could not be processed:</source>
        <translation>
            <numerusform>%n von %1 Bildern konnte nicht verarbeitet werden:</numerusform>
            <numerusform>%n von %1 Bildern konnten nicht verarbeitet werden:</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="88"/>
        <source>%1: could not be written (%2)</source>
        <translation>%1: konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="89"/>
        <source>%1: could not be read (%2)</source>
        <translation>%1: konnte nicht gelesen werden (%2)</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="99"/>
        <source>%n pictures were written from an incomplete file:</source>
        <translation>
            <numerusform>%n Bild wurde aus einer unvollständigen Datei geschrieben:</numerusform>
            <numerusform>%n Bilder wurden aus einer unvollständigen Datei geschrieben:</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="106"/>
        <source>The watermark is fully transparent: the pictures were written without a visible mark. Raise its opacity in &quot;Advanced Settings&quot;.</source>
        <translation>Das Wasserzeichen ist völlig transparent: die Bilder wurden ohne sichtbares Zeichen geschrieben. Erhöhen Sie seine Deckkraft unter „Erweiterte Einstellungen“.</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="115"/>
        <source>%n of %1 pictures were skipped: a picture of the same name is already in the output folder.</source>
        <translation>
            <numerusform>%n von %1 Bildern wurde übersprungen: ein Bild gleichen Namens liegt schon im Ausgabeordner.</numerusform>
            <numerusform>%n von %1 Bildern wurden übersprungen: ein Bild gleichen Namens liegt schon im Ausgabeordner.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="126"/>
        <source>%n pictures were written without their metadata:</source>
        <translation>
            <numerusform>%n Bild wurde ohne seine Metadaten geschrieben:</numerusform>
            <numerusform>%n Bilder wurden ohne ihre Metadaten geschrieben:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="139"/>
        <source>%1; %n were encoded again:</source>
        <translation>
            <numerusform>%1; %n wurde neu kodiert:</numerusform>
            <numerusform>%1; %n wurden neu kodiert:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="140"/>
        <source>%n pictures kept their JPEG compression</source>
        <translation>
            <numerusform>%n Bild behielt seine JPEG-Kompression</numerusform>
            <numerusform>%n Bilder behielten ihre JPEG-Kompression</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavePreset</name>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="6"/>
        <source>Save as Preset</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="12"/>
        <source>Name of the preset:</source>
        <translation>Name der Vorlage:</translation>
    </message>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="29"/>
        <source>With the output folder</source>
        <translation>Mit dem Ausgabeordner</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="108"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location filename="../settings/settingsfile.cpp" line="116"/>
        <source>not a settings file: %1 (line %2)</source>
        <translation>keine Einstellungsdatei: %1 (Zeile %2)</translation>
    </message>
    <message>
        <location filename="../settings/settingsfile.cpp" line="119"/>
        <source>it has no settings element</source>
        <translation>sie hat kein settings-Element</translation>
    </message>
</context>
<context>
    <name>WatchSession</name>
    <message>
        <location filename="../cli/watchsession.cpp" line="39"/>
        <source>the watched folder &apos;%1&apos; is gone</source>
        <translation>der beobachtete Ordner &apos;%1&apos; ist verschwunden</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="47"/>
        <location filename="../cli/watchsession.cpp" line="70"/>
        <source>cannot watch &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht beobachtet werden: %2</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="226"/>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="246"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>der Bericht &apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>WatermarkEffects</name>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="77"/>
        <source>the SVG picture refers to another file (%1)</source>
        <translation>das SVG-Bild verweist auf eine andere Datei (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="87"/>
        <source>the SVG picture is too tall for its width</source>
        <translation>das SVG-Bild ist zu hoch für seine Breite</translation>
    </message>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="92"/>
        <source>not a valid SVG picture</source>
        <translation>kein gültiges SVG-Bild</translation>
    </message>
</context>
<context>
    <name>WatermarkJob</name>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="105"/>
        <source>resized</source>
        <translation>in der Größe geändert</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="107"/>
        <source>written in another format</source>
        <translation>in einem anderen Format geschrieben</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="109"/>
        <source>tiled watermark</source>
        <translation>gekacheltes Wasserzeichen</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="130"/>
        <source>converted to sRGB</source>
        <translation>in sRGB umgewandelt</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="117"/>
        <source>not a JPEG</source>
        <translation>kein JPEG</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="124"/>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="135"/>
        <source>turned, without metadata</source>
        <translation>gedreht, ohne Metadaten</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="238"/>
        <source>there is not enough memory to draw the watermark</source>
        <translation>nicht genug Speicher, um das Wasserzeichen zu zeichnen</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="281"/>
        <source>a WebP picture holds at most %1 pixels a side</source>
        <translation>ein WebP-Bild fasst höchstens %1 Pixel je Seite</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="324"/>
        <source>it would replace a source picture of this run</source>
        <translation>es würde ein Quellbild dieses Laufs ersetzen</translation>
    </message>
</context>
</TS>
