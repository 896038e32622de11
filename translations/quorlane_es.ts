<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Advanced</name>
    <message>
        <location filename="../ui/forms/advanced.ui" line="19"/>
        <source>Advanced Settings (Manual)</source>
        <translation>Ajustes avanzados (manuales)</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="37"/>
        <source>Restore the  default settings and return to main screen.</source>
        <translation>Restaurar los ajustes predeterminados y volver a la ventana principal.</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="40"/>
        <source>Return to Defaults</source>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="59"/>
        <source>Apply My Settings</source>
        <translation>Aplicar mis ajustes</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="81"/>
        <source>Change Font Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="100"/>
        <source>If picture dimensions are large, use large font size accordingly.</source>
        <translation>Si las imágenes son grandes, use una fuente grande en proporción.</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="103"/>
        <source>Change Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="122"/>
        <source>Change transparency</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="141"/>
        <source>opaque</source>
        <translation>opaco</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="160"/>
        <source>transparent</source>
        <translation>transparente</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="202"/>
        <source>Try maximizing font size if you </source>
        <translation>Aumente la fuente si no </translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="222"/>
        <source>can&apos;t see Text in preview</source>
        <translation>ve el texto en la vista previa</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="240"/>
        <source>Adjust font size automatically</source>
        <translation>Tamaño de fuente automático</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../cli/batchcommand.cpp" line="32"/>
        <source>Write into DIR, made with its parents when missing (default: the window&apos;s output folder).</source>
        <translation>Escribir en DIR, creado con sus carpetas superiores si falta (predeterminado: la carpeta de salida de la ventana).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="37"/>
        <source>The watermark text; line breaks as given (default: the saved text).</source>
        <translation>El texto de la marca de agua; saltos de línea tal como se dan (predeterminado: el texto guardado).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="42"/>
        <source>Put &quot;© &quot; before the text.</source>
        <translation>Poner «© » antes del texto.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="44"/>
        <source>Do not put &quot;© &quot; before it.</source>
        <translation>No poner «© » delante.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="46"/>
        <source>Where the text goes: %1, or auto: the calmest of them for each picture (default: the saved position).</source>
        <translation>Dónde va el texto: %1, o auto: la más tranquila de ellas para cada imagen (predeterminado: la posición guardada).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="51"/>
        <source>Take text, sign, position and style from FILE, a settings.qrl.xml (default: the window&apos;s own, when it exists).</source>
        <translation>Tomar texto, signo, posición y estilo de FILE, un settings.qrl.xml (predeterminado: el de la ventana, si existe).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="56"/>
        <source>Start from the preset NAME, or the preset file FILE, instead of what the window has saved; options given win.</source>
        <translation>Partir del preajuste NAME, o del archivo de preajuste FILE, en lugar de lo guardado por la ventana; las opciones dadas prevalecen.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="60"/>
        <source>Choose font size, black or white and opacity per picture.</source>
        <translation>Elegir tamaño de fuente, negro o blanco y opacidad para cada imagen.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="63"/>
        <source>%1, WxH, or N: the long edge, never enlarged (%2 to %3; default: original).</source>
        <translation>%1, AxA o N: el lado largo, nunca ampliado (%2 a %3; predeterminado: original).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="71"/>
        <source>%1 (default: original).</source>
        <translation>%1 (predeterminado: original).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="78"/>
        <source>Save the settings of this command (the output folder only when -o is given) as the preset NAME; then stamp the FILEs, if any.</source>
        <translation>Guardar los ajustes de esta orden (la carpeta de salida solo con -o) como el preajuste NAME; después marcar los FILE, si los hay.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="82"/>
        <source>List the presets and exit.</source>
        <translation>Listar los preajustes y salir.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="84"/>
        <source>Stamp N pictures at once (default: by cores and memory).</source>
        <translation>Marcar N imágenes a la vez (predeterminado: según núcleos y memoria).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="87"/>
        <source>Read the pictures from FILE, one a line (&apos;-&apos;: standard input).</source>
        <translation>Leer las imágenes de FILE, una por línea (&apos;-&apos;: entrada estándar).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="91"/>
        <source>Names in --files-from end with NUL, not newline.</source>
        <translation>Los nombres de --files-from terminan en NUL, no en salto de línea.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="93"/>
        <source>Append one JSON line per picture to FILE as it ends (index, source, output, status, reason); never a picture. Processes on one machine may share FILE.</source>
        <translation>Añadir a FILE una línea JSON por imagen al terminarla (index, source, output, status, reason); nunca a una imagen. Varios procesos de una máquina pueden compartir FILE.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="99"/>
        <source>Stamp each picture in FOLDER whose output is missing, then every picture that comes into it complete, until a signal ends it (a hot folder).</source>
        <translation>Estampar cada imagen de FOLDER cuya salida falte y luego cada imagen que llegue completa, hasta que una señal lo termine (una carpeta vigilada).</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="104"/>
        <source>With --watch: look at the folder every SECONDS (1 to 3600) instead of being told; network and FUSE folders are always polled.</source>
        <translation>Con --watch: mirar la carpeta cada SECONDS segundos (1 a 3600) en vez de recibir avisos; las carpetas de red y FUSE siempre se consultan.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="109"/>
        <source>With --watch: watch its subfolders too; outputs keep their subfolder.</source>
        <translation>Con --watch: vigilar también sus subcarpetas; las salidas conservan su subcarpeta.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="111"/>
        <source>Print only errors.</source>
        <translation>Mostrar solo errores.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="112"/>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="113"/>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
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
        <translation>Estampar una marca de agua de texto en cada FILE, exactamente como la ventana de Quorlane, y escribir
los resultados en la carpeta de salida. Las opciones no dadas toman lo guardado por la ventana.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="184"/>
        <source>Pictures to stamp.</source>
        <translation>Imágenes que marcar.</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="189"/>
        <source>invalid value &apos;%1&apos; for --%2 (%3)</source>
        <translation>valor &apos;%1&apos; no válido para --%2 (%3)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="227"/>
        <location filename="../cli/batchcommand.cpp" line="367"/>
        <source>--%1 and --%2 cannot be given together</source>
        <translation>--%1 y --%2 no pueden darse juntos</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="256"/>
        <source>cannot read settings file &apos;%1&apos;: %2</source>
        <translation>no se puede leer el archivo de ajustes &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="286"/>
        <source>--watch takes no FILE and no --files-from: it stamps what is in its folder</source>
        <translation>--watch no admite FILE ni --files-from: estampa lo que hay en su carpeta</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="288"/>
        <source>--watch cannot number outputs (--if-exists number): after a restart it could not tell its own; use skip or replace</source>
        <translation>--watch no puede numerar las salidas (--if-exists number): tras reiniciar no reconocería las suyas; use skip o replace</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="291"/>
        <source>--watch cannot name outputs by {counter}: after a restart it could not know the numbers</source>
        <translation>--watch no puede nombrar las salidas con {counter}: tras reiniciar no conocería los números</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="296"/>
        <source>the output folder is the watched folder</source>
        <translation>la carpeta de salida es la carpeta vigilada</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="298"/>
        <source>the output folder is inside the folder watched with --recursive</source>
        <translation>la carpeta de salida está dentro de la carpeta vigilada con --recursive</translation>
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
Estado de salida:
  0    cada imagen se escribió u omitió
  1    alguna imagen no se pudo leer o escribir, o el informe falló
  2    uso incorrecto
  130  detenido por SIGINT (143: SIGTERM, 129: SIGHUP) tras las imágenes
       en curso; una segunda señal lo termina al momento

Ejemplos:
  quorlane-batch -t &apos;Anna Berg&apos; -p bottom-right -s 640x480 --fit -o out *.jpg
  find photos -name &apos;*.jpg&apos; -print0 | quorlane-batch -0 --files-from - -f png
  quorlane-batch -s 2048x2048 --fit -f webp --name &apos;{name}-web&apos; --save-preset web
  quorlane-batch --preset web -o site *.jpg    (lado mayor de 2048 píxeles)
  quorlane-batch --preset web --watch camera -o stamped --report log.json

Con --watch funciona hasta SIGINT, SIGTERM o SIGHUP; al reiniciar solo estampa
lo que aún no tiene salida (con --if-exists replace, también lo que cambió desde entonces).
</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="374"/>
        <source>--preset and --settings cannot be given together</source>
        <translation>--preset y --settings no pueden darse juntos</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="377"/>
        <source>cannot read the preset &apos;%1&apos;: %2 (presets are in %3)</source>
        <translation>no se puede leer el preajuste &apos;%1&apos;: %2 (los preajustes están en %3)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="408"/>
        <source>invalid size &apos;%1&apos; (%2, WxH or N from %3 to %4)</source>
        <translation>tamaño &apos;%1&apos; no válido (%2, AxA o N de %3 a %4)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="418"/>
        <source>invalid format &apos;%1&apos; (%2)</source>
        <translation>formato &apos;%1&apos; no válido (%2)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="441"/>
        <source>invalid number of jobs &apos;%1&apos; (1 to 1024)</source>
        <translation>número de trabajos &apos;%1&apos; no válido (1 a 1024)</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="448"/>
        <source>the output folder name is empty</source>
        <translation>el nombre de la carpeta de salida está vacío</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="452"/>
        <source>--null needs --files-from</source>
        <translation>--null necesita --files-from</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="456"/>
        <source>--poll and --recursive need --watch</source>
        <translation>--poll y --recursive necesitan --watch</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="460"/>
        <source>cannot read the list of pictures &apos;%1&apos;</source>
        <translation>no se puede leer la lista de imágenes &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="462"/>
        <source>no picture given</source>
        <translation>no se dio ninguna imagen</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="64"/>
        <source>Try &apos;quorlane-batch --help&apos; for more information.</source>
        <translation>Pruebe «quorlane-batch --help» para más información.</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="35"/>
        <source>cannot save the preset &apos;%1&apos;: %2</source>
        <translation>no se puede guardar el preajuste &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="132"/>
        <source>refusing to write the report to &apos;%1&apos;: %2</source>
        <translation>no se escribirá el informe en &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="138"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>no se puede escribir el informe &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>BatchSession</name>
    <message>
        <location filename="../cli/batchsession.cpp" line="70"/>
        <source>%1/%2 (%3%) %4 pictures/s, %5 s left</source>
        <translation>%1/%2 (%3 %) %4 imágenes/s, quedan %5 s</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="100"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>no se puede escribir el informe &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="103"/>
        <source>%1 written, %2 skipped, %3 failed in %4 s</source>
        <translation>%1 escritas, %2 omitidas, %3 fallidas en %4 s</translation>
    </message>
</context>
<context>
    <name>CustomSize</name>
    <message>
        <location filename="../ui/forms/customsize.ui" line="19"/>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="66"/>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="84"/>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="102"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="121"/>
        <location filename="../ui/forms/customsize.ui" line="140"/>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="158"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../ui/customsize.cpp" line="27"/>
        <source>Custom Size - Quorlane</source>
        <translation>Tamaño personalizado - Quorlane</translation>
    </message>
    <message>
        <location filename="../ui/customsize.cpp" line="59"/>
        <source>Please enter a valid values for width and height</source>
        <translation>Introduzca valores válidos de ancho y alto</translation>
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
        <translation>Elegir a mano color, tamaño y transparencia del texto</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="86"/>
        <source>Advanced
Settings </source>
        <translation>Ajustes
avanzados</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="136"/>
        <source>Everything but the pictures, saved under a name: choose one to apply it</source>
        <translation>Todo menos las imágenes, guardado con un nombre: elija uno para aplicarlo</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="154"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="179"/>
        <source>Metadata, quality, proportions and pictures of the same name</source>
        <translation>Metadatos, calidad, proporciones e imágenes del mismo nombre</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="182"/>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="228"/>
        <source>Press &quot;+&quot; button to add files
Or Drop files on the window</source>
        <translation>Pulse «+» para añadir archivos
o suéltelos en la ventana</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="251"/>
        <source>Add files to be watermarked</source>
        <translation>Añadir archivos para marcar</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="282"/>
        <source>Remove files from list</source>
        <translation>Quitar archivos de la lista</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="307"/>
        <source>Add Folder: the pictures in a folder and its subfolders</source>
        <translation>Añadir carpeta: las imágenes de una carpeta y sus subcarpetas</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="430"/>
        <source>Add Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="112"/>
        <source>&amp;Preset:</source>
        <translation>&amp;Preajuste:</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="207"/>
        <location filename="../ui/dialog.cpp" line="506"/>
        <source>&amp;Files selected for Watermarking</source>
        <translation>&amp;Archivos para marcar</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="220"/>
        <source>Pictures to watermark</source>
        <translation>Imágenes para marcar</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="248"/>
        <source>Add pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="279"/>
        <source>Remove pictures</source>
        <translation>Quitar imágenes</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="310"/>
        <source>Add a folder</source>
        <translation>Añadir una carpeta</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="351"/>
        <source>Watermark text</source>
        <translation>Texto de la marca de agua</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="375"/>
        <source>Copyright symbol appears as watermark on image</source>
        <translation>El símbolo de copyright aparece en la marca de agua</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="378"/>
        <source> use © symbol</source>
        <translation> usar ©</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="391"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="394"/>
        <source>Preview of the currently selected picture with watermark.</source>
        <translation>Vista previa de la imagen seleccionada con la marca de agua.</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="412"/>
        <source>Select button to change the position of the watermark in output</source>
        <translation>Elija un botón para cambiar la posición de la marca de agua</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="415"/>
        <source>watermark position</source>
        <translation>posición de la marca</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="427"/>
        <source>Position: top left</source>
        <translation>Posición: arriba a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="430"/>
        <source>Top Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="446"/>
        <source>Position: top centre</source>
        <translation>Posición: arriba al centro</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="449"/>
        <source>Top Center</source>
        <translation>Arriba al centro</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="465"/>
        <source>Position: top right</source>
        <translation>Posición: arriba a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="468"/>
        <source>Top Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="484"/>
        <source>Position: centre left</source>
        <translation>Posición: centro a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="487"/>
        <source>Center left</source>
        <translation>Centro a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="503"/>
        <source>Position: centre</source>
        <translation>Posición: centro</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="506"/>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="522"/>
        <source>Position: centre right</source>
        <translation>Posición: centro a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="525"/>
        <source>Center Right</source>
        <translation>Centro a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="541"/>
        <source>Position: bottom left</source>
        <translation>Posición: abajo a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="544"/>
        <source>Bottom Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="560"/>
        <source>Position: bottom centre</source>
        <translation>Posición: abajo al centro</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="563"/>
        <source>Bottom Center</source>
        <translation>Abajo al centro</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="579"/>
        <source>Position: bottom right</source>
        <translation>Posición: abajo a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="582"/>
        <source>Bottom Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="608"/>
        <source>Output &amp;dimension</source>
        <translation>&amp;Tamaño de salida</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="645"/>
        <source>Output F&amp;ormat</source>
        <translation>F&amp;ormato de salida</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="679"/>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="717"/>
        <source>Applies watermarks to all the selected files</source>
        <translation>Aplica la marca de agua a todos los archivos seleccionados</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="729"/>
        <source>Apply Watermark</source>
        <translation>Aplicar la marca</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="754"/>
        <source>Start no further picture; the pictures in progress are finished (Escape)</source>
        <translation>No empezar más imágenes; las que están en curso se terminan (Escape)</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="757"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="30"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="34"/>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="35"/>
        <source>Custom Size</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="36"/>
        <source>Long edge 2048</source>
        <translation>Máx. 2048 px</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="37"/>
        <source>Long edge 1600</source>
        <translation>Máx. 1600 px</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="38"/>
        <source>Long edge 1080</source>
        <translation>Máx. 1080 px</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="507"/>
        <source>&amp;Files selected for Watermarking (%1)</source>
        <translation>&amp;Archivos para marcar (%1)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="512"/>
        <source>%1 of %2 — %p%</source>
        <translation>%1 de %2 — %p %</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="584"/>
        <source>Select Files for Watermarking</source>
        <translation>Seleccionar archivos para marcar</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="586"/>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="627"/>
        <source>Select Output Directory</source>
        <translation>Seleccionar la carpeta de salida</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="637"/>
        <source>WARNING: The output directory already exists.
Your files WILL be overwritten without further warning.
Press OK to continue using the same directory.
Press Cancel to abort and change the directory</source>
        <translation>AVISO: la carpeta de salida ya existe.
Sus archivos SE sobrescribirán sin más aviso.
Aceptar para seguir con la misma carpeta.
Cancelar para elegir otra carpeta</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="643"/>
        <source>Create Anyway, I know what I&apos;m doing</source>
        <translation>Crear de todos modos, sé lo que hago</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="713"/>
        <source>Long edge %1</source>
        <translation>Máx. %1 px</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="781"/>
        <source>The logo %1 cannot be read (%2). Choose another one in &quot;Options...&quot; or remove it.</source>
        <translation>El logotipo %1 no se puede leer (%2). Elija otro en «Opciones...» o quítelo.</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="791"/>
        <source>The pictures cannot be written at this size: %1.</source>
        <translation>Las imágenes no se pueden escribir con este tamaño: %1.</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <location filename="../ui/fieldmenu.cpp" line="26"/>
        <source>Insert Field</source>
        <translation>Insertar campo</translation>
    </message>
</context>
<context>
    <name>HeifCodec</name>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="375"/>
        <source>the picture is too large (%1 × %2)</source>
        <translation>la imagen es demasiado grande (%1 × %2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="388"/>
        <source>the picture&apos;s grid of tiles cannot be read</source>
        <translation>no se puede leer la cuadrícula de teselas de la imagen</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="393"/>
        <source>its grid of tiles is %1 × %2, but the picture says %3 × %4</source>
        <translation>su cuadrícula de teselas mide %1 × %2, pero la imagen declara %3 × %4</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="286"/>
        <source>the decoder gave no picture</source>
        <translation>el decodificador no dio ninguna imagen</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="295"/>
        <source>the decoded picture is %1 × %2, but the picture says %3 × %4</source>
        <translation>la imagen decodificada mide %1 × %2, pero la imagen declara %3 × %4</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="453"/>
        <source>no %1 encoder (%2)</source>
        <translation>no hay codificador %1 (%2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="494"/>
        <source>EXIF dropped (%1)</source>
        <translation>EXIF descartado (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="500"/>
        <source>XMP dropped (%1)</source>
        <translation>XMP descartado (%1)</translation>
    </message>
</context>
<context>
    <name>HotFolder</name>
    <message>
        <location filename="../cli/hotfolder.cpp" line="70"/>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/inifile.cpp" line="37"/>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <location filename="../settings/inifile.cpp" line="45"/>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>JpegKeeper</name>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="109"/>
        <source>%1-bit JPEG</source>
        <translation>JPEG de %1 bits</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="111"/>
        <source>CMYK JPEG</source>
        <translation>JPEG CMYK</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="113"/>
        <source>JPEG in an unusual colour space</source>
        <translation>JPEG en un espacio de color poco común</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="119"/>
        <source>JPEG with fractional sampling</source>
        <translation>JPEG con submuestreo fraccionario</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="527"/>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="530"/>
        <source>there is not enough memory for the picture</source>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="56"/>
        <source>a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>una «{» sin su «}»</translation>
    </message>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="62"/>
        <source>the width of {%1} must be 1 to %2</source>
        <translation>el ancho de {%1} debe ser de 1 a %2</translation>
    </message>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="64"/>
        <source>there is no field {%1}</source>
        <translation>no existe el campo {%1}</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="207"/>
        <source>the file name has no suffix to choose an image format by</source>
        <translation>el nombre del archivo no tiene extensión con la que elegir un formato de imagen</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="211"/>
        <source>no image writer for the suffix &quot;%1&quot;</source>
        <translation>no hay escritor de imágenes para la extensión «%1»</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="236"/>
        <source>no space left on the device</source>
        <translation>no queda espacio en el dispositivo</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="238"/>
        <source>the file is larger than this system allows</source>
        <translation>el archivo es mayor de lo que permite este sistema</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="240"/>
        <source>this file system can neither rename without replacing nor make hard links (FAT, exFAT?): choose &quot;Replace&quot; or another folder</source>
        <translation>este sistema de archivos no puede renombrar sin reemplazar ni crear enlaces duros (¿FAT, exFAT?): elija «Reemplazar» u otra carpeta</translation>
    </message>
</context>
<context>
    <name>OutputOptions</name>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="6"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="13"/>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="21"/>
        <source>Metadata</source>
        <translation>Metadatos</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="30"/>
        <source>Keep all</source>
        <translation>Conservar todo</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="37"/>
        <source>Camera, date taken, location, author, keywords: all of it.</source>
        <translation>Cámara, fecha de la toma, lugar, autor, palabras clave: todo.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="53"/>
        <source>Keep all but the location</source>
        <translation>Todo menos el lugar</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="63"/>
        <source>Everything but GPS coordinates and place names.</source>
        <translation>Todo menos las coordenadas GPS y los nombres de lugares.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="79"/>
        <source>Keep copyright and contact only</source>
        <translation>Solo copyright y contacto</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="86"/>
        <source>Only author, copyright, credit and contact fields.</source>
        <translation>Solo los campos de autor, copyright, crédito y contacto.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="102"/>
        <source>Remove all</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="109"/>
        <source>Nothing but the colour profile.</source>
        <translation>Nada más que el perfil de color.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="125"/>
        <source>Write the watermark text as the copyright notice</source>
        <translation>Escribir el texto de la marca como aviso de copyright</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="132"/>
        <source>The EXIF, IPTC and XMP copyright fields get the text.</source>
        <translation>Los campos de copyright de EXIF, IPTC y XMP reciben el texto.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="151"/>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="163"/>
        <source>1 (smallest file) to 100 (best picture)</source>
        <translation>1 (archivo más pequeño) a 100 (mejor imagen)</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="170"/>
        <source>For JPEG, WebP, AVIF and HEIC outputs; 100 makes WebP lossless.</source>
        <translation>Para salidas JPEG, WebP, AVIF y HEIC; 100 hace WebP sin pérdida.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="186"/>
        <source>Keep the original JPEG compression</source>
        <translation>Conservar la compresión JPEG original</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="193"/>
        <source>Only the watermark&apos;s blocks change, when size and format stay.</source>
        <translation>Solo cambian los bloques de la marca, si tamaño y formato se mantienen.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="220"/>
        <source>Sizes</source>
        <translation>Tamaños</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="229"/>
        <source>Stretch to the exact size</source>
        <translation>Estirar al tamaño exacto</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="239"/>
        <source>Exactly the chosen width and height.</source>
        <translation>Exactamente el ancho y el alto elegidos.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="255"/>
        <source>Fit inside, keep proportions</source>
        <translation>Encajar, mantener proporciones</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="262"/>
        <source>Shrunk to fit inside the chosen size, never enlarged.</source>
        <translation>Reducida para caber en el tamaño elegido, nunca ampliada.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="281"/>
        <source>If a picture of the same name is already in the output folder</source>
        <translation>Si ya hay una imagen del mismo nombre en la carpeta de salida</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="290"/>
        <source>Replace it</source>
        <translation>Reemplazarla</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="300"/>
        <source>The earlier picture is overwritten.</source>
        <translation>La imagen anterior se sobrescribe.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="316"/>
        <source>Keep both (add a number)</source>
        <translation>Conservar ambas (añadir un número)</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="323"/>
        <source>The new picture is named &quot;name (2)&quot;, &quot;name (3)&quot; ...</source>
        <translation>La nueva imagen se llama «nombre (2)», «nombre (3)»...</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="339"/>
        <source>Skip the picture</source>
        <translation>Omitir la imagen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="346"/>
        <source>The earlier picture stays; the new one is not written.</source>
        <translation>La imagen anterior se queda; la nueva no se escribe.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="365"/>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="374"/>
        <source>Keep the picture&apos;s profile</source>
        <translation>Conservar el perfil de la imagen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="384"/>
        <source>BMP, PPM and XPM outputs are converted to sRGB all the same.</source>
        <translation>Las salidas BMP, PPM y XPM se convierten a sRGB de todos modos.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="400"/>
        <source>Convert to sRGB</source>
        <translation>Convertir a sRGB</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="407"/>
        <source>For the web: every output shows alike in every browser.</source>
        <translation>Para la web: cada salida se ve igual en todo navegador.</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="426"/>
        <source>Output names</source>
        <translation>Nombres de salida</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="437"/>
        <source>The name of each output, without its suffix: {name} is the picture&apos;s own name</source>
        <translation>El nombre de cada salida, sin extensión: {name} es el nombre propio de la imagen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="444"/>
        <source>Insert Field</source>
        <translation>Insertar campo</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="479"/>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="487"/>
        <source>Margin:</source>
        <translation>Margen:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="497"/>
        <source> % of the shorter side</source>
        <translation> % del lado corto</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="504"/>
        <source>Outline in black or white</source>
        <translation>Contorno negro o blanco</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="511"/>
        <source>Soft shadow</source>
        <translation>Sombra suave</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="518"/>
        <source>Angle:</source>
        <translation>Ángulo:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="528"/>
        <source> degrees</source>
        <translation> grados</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="535"/>
        <source>Repeat over the whole picture</source>
        <translation>Repetir sobre toda la imagen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="542"/>
        <source>For each picture, the position, corner or top or bottom centre where the picture is least busy; the window&apos;s position when none is clearly calmer</source>
        <translation>Para cada imagen, la posición, esquina o centro arriba o abajo donde la imagen está menos cargada; la posición de la ventana si ninguna es claramente más tranquila</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="545"/>
        <source>Choose the calmest place for each picture</source>
        <translation>Elegir el lugar más tranquilo de cada imagen</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="552"/>
        <source>Size the text by:</source>
        <translation>Tamaño del texto según:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="562"/>
        <source>The automatic text size follows the picture&apos;s width, or its shorter side, which gives portraits and landscapes of a batch one size</source>
        <translation>El tamaño automático del texto sigue el ancho de la imagen, o su lado corto, que da un mismo tamaño a los retratos y paisajes de un lote</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="566"/>
        <source>width</source>
        <translation>ancho</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="571"/>
        <source>shorter side</source>
        <translation>lado corto</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="579"/>
        <source>Logo:</source>
        <translation>Logotipo:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="588"/>
        <source>No logo</source>
        <translation>Sin logotipo</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="595"/>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="607"/>
        <source>Logo width:</source>
        <translation>Ancho del logo:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="617"/>
        <source> % of the picture&apos;s width</source>
        <translation> % del ancho</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="624"/>
        <source>Logo position:</source>
        <translation>Posición del logo:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="632"/>
        <source>top-left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="637"/>
        <source>top</source>
        <translation>arriba</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="642"/>
        <source>top-right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="647"/>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="652"/>
        <source>center</source>
        <translation>centro</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="657"/>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="662"/>
        <source>bottom-left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="667"/>
        <source>bottom</source>
        <translation>abajo</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="672"/>
        <source>bottom-right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="680"/>
        <source>Logo opacity:</source>
        <translation>Opacidad del logo:</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="162"/>
        <source>Choose a Logo</source>
        <translation>Elegir un logotipo</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="164"/>
        <source>Pictures (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)</source>
        <translation>Imágenes (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="196"/>
        <source>The output names cannot be made: %1.</source>
        <translation>No se pueden formar los nombres de salida: %1.</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="210"/>
        <source>For example: %1</source>
        <translation>Por ejemplo: %1</translation>
    </message>
</context>
<context>
    <name>PictureMetadata</name>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="553"/>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="563"/>
        <source>its metadata could not be read (%1)</source>
        <translation>sus metadatos no se pudieron leer (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="576"/>
        <source>its metadata could not be copied (%1)</source>
        <translation>sus metadatos no se pudieron copiar (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="581"/>
        <source>its metadata could not be copied</source>
        <translation>sus metadatos no se pudieron copiar</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="603"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="614"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="641"/>
        <source>%1 dropped (%2)</source>
        <translation>%1 descartado (%2)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="611"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="644"/>
        <source>%1 dropped</source>
        <translation>%1 descartado</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="166"/>
        <source>the picture declares %1 samples per pixel</source>
        <translation>la imagen declara %1 muestras por píxel</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="198"/>
        <source>the picture is damaged: its %1 chunk runs past the end</source>
        <translation>la imagen está dañada: su bloque %1 va más allá del final</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="326"/>
        <source>the file name is not valid UTF-8 in this locale</source>
        <translation>el nombre del archivo no es UTF-8 válido en esta configuración regional</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="332"/>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="334"/>
        <source>it is a FIFO, not a regular file</source>
        <translation>es un FIFO, no un archivo normal</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="336"/>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="337"/>
        <source>it is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
</context>
<context>
    <name>PresetChooser</name>
    <message>
        <location filename="../ui/presetchooser.cpp" line="28"/>
        <source>No preset</source>
        <translation>Sin preajuste</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="46"/>
        <source>Save as Preset...</source>
        <translation>Guardar como preajuste...</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="48"/>
        <source>Delete Preset...</source>
        <translation>Borrar preajuste...</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="89"/>
        <source>The preset &quot;%1&quot; cannot be read: %2.</source>
        <translation>El preajuste «%1» no se puede leer: %2.</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="112"/>
        <source>A preset named &quot;%1&quot; exists. Replace it?</source>
        <translation>Ya existe un preajuste llamado «%1». ¿Reemplazarlo?</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="126"/>
        <source>The preset &quot;%1&quot; cannot be saved: %2</source>
        <translation>El preajuste «%1» no se puede guardar: %2</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="144"/>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>¿Borrar el preajuste «%1»?</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="154"/>
        <source>The preset &quot;%1&quot; cannot be deleted: %2</source>
        <translation>El preajuste «%1» no se puede borrar: %2</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <location filename="../settings/preset.cpp" line="161"/>
        <source>A preset needs a name.</source>
        <translation>Un preajuste necesita un nombre.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="163"/>
        <source>A preset&apos;s name cannot hold &quot;/&quot;.</source>
        <translation>El nombre de un preajuste no puede contener «/».</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="165"/>
        <source>A preset&apos;s name cannot start with &quot;.&quot;.</source>
        <translation>El nombre de un preajuste no puede empezar por «.».</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="167"/>
        <source>A preset&apos;s name cannot hold control or bidirectional characters.</source>
        <translation>El nombre de un preajuste no puede contener caracteres de control ni de dirección.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="169"/>
        <source>The preset&apos;s name is too long.</source>
        <translation>El nombre del preajuste es demasiado largo.</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="176"/>
        <source>no such preset</source>
        <translation>no existe ese preajuste</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="188"/>
        <source>not a preset file</source>
        <translation>no es un archivo de preajuste</translation>
    </message>
</context>
<context>
    <name>Quorlane</name>
    <message>
        <location filename="../ui/main.cpp" line="37"/>
        <source>Stamps a text watermark onto a batch of pictures. The pictures and folders given start in the window&apos;s list, as if dropped on it.</source>
        <translation>Estampa una marca de agua de texto en un lote de imágenes. Las imágenes y carpetas indicadas aparecen al empezar en la lista de la ventana, como si se hubieran soltado en ella.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="40"/>
        <source>Pictures or folders of pictures.</source>
        <translation>Imágenes o carpetas de imágenes.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="41"/>
        <source>[FILE|FOLDER...]</source>
        <translation>[ARCHIVO|CARPETA...]</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="43"/>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="44"/>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="62"/>
        <source>Try &apos;quorlane --help&apos; for more information.</source>
        <translation>Pruebe «quorlane --help» para más información.</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="70"/>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../cli/reportfile.cpp" line="56"/>
        <source>it is a picture of this run</source>
        <translation>es una imagen de esta tanda</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="59"/>
        <source>it is an output of this run</source>
        <translation>es una salida de esta tanda</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="64"/>
        <source>it is a picture</source>
        <translation>es una imagen</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="66"/>
        <source>it is a file, but not a report</source>
        <translation>es un archivo, pero no un informe</translation>
    </message>
</context>
<context>
    <name>RunOptions</name>
    <message>
        <location filename="../settings/runoptions.cpp" line="123"/>
        <source>Quality for JPEG, WebP, AVIF and HEIC</source>
        <translation>Calidad para JPEG, WebP, AVIF y HEIC</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="131"/>
        <source>How a fixed size treats proportions</source>
        <translation>Cómo trata las proporciones un tamaño fijo</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="134"/>
        <source>Stretch to exactly SIZE.</source>
        <translation>Estirar exactamente a SIZE.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="135"/>
        <source>Fit inside SIZE, keeping proportions; never enlarge.</source>
        <translation>Encajar en SIZE manteniendo las proporciones; nunca ampliar.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="143"/>
        <source>Metadata to keep</source>
        <translation>Metadatos que conservar</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="150"/>
        <source>Write the text as the copyright notice.</source>
        <translation>Escribir el texto como aviso de copyright.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="151"/>
        <source>Leave the copyright notice as the metadata has it.</source>
        <translation>Dejar el aviso de copyright que tengan los metadatos.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="158"/>
        <source>When the output folder has a picture of the same name</source>
        <translation>Cuando la carpeta de salida tiene una imagen del mismo nombre</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="166"/>
        <source>Colours: keep each picture&apos;s profile, or convert every picture to sRGB</source>
        <translation>Colores: conservar el perfil de cada imagen o convertir cada imagen a sRGB</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="176"/>
        <source>Name each output after TEMPLATE, without suffix: {name} (the source&apos;s name), {counter}, {counter:N}, {preset} or a text field</source>
        <translation>Nombrar cada salida según TEMPLATE, sin extensión: {name} (el nombre de la fuente), {counter}, {counter:N}, {preset} o un campo de texto</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="195"/>
        <source>Keep a JPEG&apos;s own compression when its size and format stay: only the watermark&apos;s blocks change.</source>
        <translation>Conservar la compresión propia de un JPEG cuando su tamaño y formato se mantienen: solo cambian los bloques de la marca.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="199"/>
        <source>Encode every picture anew.</source>
        <translation>Codificar de nuevo cada imagen.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="216"/>
        <source>Keep the mark N percent of the shorter side off the edges</source>
        <translation>Mantener la marca a N por ciento del lado corto de los bordes</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="226"/>
        <source>Outline the text in black or white.</source>
        <translation>Contornear el texto en negro o blanco.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="227"/>
        <source>No outline.</source>
        <translation>Sin contorno.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="233"/>
        <source>Give the text a soft shadow.</source>
        <translation>Dar al texto una sombra suave.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="234"/>
        <source>No shadow.</source>
        <translation>Sin sombra.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="241"/>
        <source>Turn the text by DEG degrees counter-clockwise</source>
        <translation>Girar el texto DEG grados en sentido antihorario</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="259"/>
        <source>Fit the automatic text size to the picture&apos;s width, or to its shorter side so that portraits and landscapes get one size</source>
        <translation>Ajustar el tamaño automático del texto al ancho de la imagen, o a su lado corto para que retratos y paisajes tengan un mismo tamaño</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="268"/>
        <source>Repeat the text over the whole picture.</source>
        <translation>Repetir el texto sobre toda la imagen.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="269"/>
        <source>Stamp the text once.</source>
        <translation>Estampar el texto una vez.</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="278"/>
        <source>Stamp the picture FILE (PNG, SVG, ...) before the text; &apos;&apos; for none</source>
        <translation>Estampar la imagen FILE (PNG, SVG, ...) antes del texto; &apos;&apos; para ninguna</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="292"/>
        <source>The logo&apos;s width in percent of the picture&apos;s</source>
        <translation>El ancho del logotipo en porcentaje del de la imagen</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="301"/>
        <source>Where the logo goes</source>
        <translation>Dónde va el logotipo</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="318"/>
        <source>The logo&apos;s opacity</source>
        <translation>La opacidad del logotipo</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="341"/>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="349"/>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>RunPlanner</name>
    <message>
        <location filename="../engine/run/runplanner.cpp" line="69"/>
        <source>cannot read the logo &apos;%1&apos;: %2</source>
        <translation>no se puede leer el logotipo &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../engine/run/runplanner.cpp" line="72"/>
        <source>cannot make the output folder &apos;%1&apos;</source>
        <translation>no se puede crear la carpeta de salida &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="32"/>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
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
            <numerusform>La tanda se detuvo: %n de %1 imágenes no se empezó.</numerusform>
            <numerusform>La tanda se detuvo: %n de %1 imágenes no se empezaron.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="81"/>
        <source>%n of %1 pictures could not be processed:</source>
        <translation>
            <numerusform>%n de %1 imágenes no se pudo procesar:</numerusform>
            <numerusform>%n de %1 imágenes no se pudieron procesar:</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="88"/>
        <source>%1: could not be written (%2)</source>
        <translation>%1: no se pudo escribir (%2)</translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="89"/>
        <source>%1: could not be read (%2)</source>
        <translation>%1: no se pudo leer (%2)</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="99"/>
        <source>%n pictures were written from an incomplete file:</source>
        <translation>
            <numerusform>%n imagen se escribió a partir de un archivo incompleto:</numerusform>
            <numerusform>%n imágenes se escribieron a partir de un archivo incompleto:</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="106"/>
        <source>The watermark is fully transparent: the pictures were written without a visible mark. Raise its opacity in &quot;Advanced Settings&quot;.</source>
        <translation>La marca de agua es totalmente transparente: las imágenes se escribieron sin marca visible. Aumente su opacidad en «Ajustes avanzados».</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="115"/>
        <source>%n of %1 pictures were skipped: a picture of the same name is already in the output folder.</source>
        <translation>
            <numerusform>%n de %1 imágenes se omitió: ya hay una imagen del mismo nombre en la carpeta de salida.</numerusform>
            <numerusform>%n de %1 imágenes se omitieron: ya hay una imagen del mismo nombre en la carpeta de salida.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="126"/>
        <source>%n pictures were written without their metadata:</source>
        <translation>
            <numerusform>%n imagen se escribió sin sus metadatos:</numerusform>
            <numerusform>%n imágenes se escribieron sin sus metadatos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="139"/>
        <source>%1; %n were encoded again:</source>
        <translation>
            <numerusform>%1; %n se codificó de nuevo:</numerusform>
            <numerusform>%1; %n se codificaron de nuevo:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="140"/>
        <source>%n pictures kept their JPEG compression</source>
        <translation>
            <numerusform>%n imagen conservó su compresión JPEG</numerusform>
            <numerusform>%n imágenes conservaron su compresión JPEG</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavePreset</name>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="6"/>
        <source>Save as Preset</source>
        <translation>Guardar como preajuste</translation>
    </message>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="12"/>
        <source>Name of the preset:</source>
        <translation>Nombre del preajuste:</translation>
    </message>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="29"/>
        <source>With the output folder</source>
        <translation>Con la carpeta de salida</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="108"/>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <location filename="../settings/settingsfile.cpp" line="116"/>
        <source>not a settings file: %1 (line %2)</source>
        <translation>no es un archivo de ajustes: %1 (línea %2)</translation>
    </message>
    <message>
        <location filename="../settings/settingsfile.cpp" line="119"/>
        <source>it has no settings element</source>
        <translation>no tiene elemento settings</translation>
    </message>
</context>
<context>
    <name>WatchSession</name>
    <message>
        <location filename="../cli/watchsession.cpp" line="39"/>
        <source>the watched folder &apos;%1&apos; is gone</source>
        <translation>la carpeta vigilada &apos;%1&apos; ha desaparecido</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="47"/>
        <location filename="../cli/watchsession.cpp" line="70"/>
        <source>cannot watch &apos;%1&apos;: %2</source>
        <translation>no se puede vigilar &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="226"/>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="246"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>no se puede escribir el informe &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>WatermarkEffects</name>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="77"/>
        <source>the SVG picture refers to another file (%1)</source>
        <translation>la imagen SVG remite a otro archivo (%1)</translation>
    </message>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="87"/>
        <source>the SVG picture is too tall for its width</source>
        <translation>la imagen SVG es demasiado alta para su ancho</translation>
    </message>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="92"/>
        <source>not a valid SVG picture</source>
        <translation>no es una imagen SVG válida</translation>
    </message>
</context>
<context>
    <name>WatermarkJob</name>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="105"/>
        <source>resized</source>
        <translation>redimensionada</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="107"/>
        <source>written in another format</source>
        <translation>escrita en otro formato</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="109"/>
        <source>tiled watermark</source>
        <translation>marca de agua en mosaico</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="130"/>
        <source>converted to sRGB</source>
        <translation>convertida a sRGB</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="117"/>
        <source>not a JPEG</source>
        <translation>no es un JPEG</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="124"/>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="135"/>
        <source>turned, without metadata</source>
        <translation>girada, sin metadatos</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="238"/>
        <source>there is not enough memory to draw the watermark</source>
        <translation>no hay memoria suficiente para dibujar la marca de agua</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="281"/>
        <source>a WebP picture holds at most %1 pixels a side</source>
        <translation>una imagen WebP admite como máximo %1 píxeles por lado</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="324"/>
        <source>it would replace a source picture of this run</source>
        <translation>reemplazaría una imagen de origen de esta tanda</translation>
    </message>
</context>
</TS>
