<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Advanced</name>
    <message>
        <location filename="../ui/forms/advanced.ui" line="19"/>
        <source>Advanced Settings (Manual)</source>
        <translation>詳細設定（手動）</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="37"/>
        <source>Restore the  default settings and return to main screen.</source>
        <translation>既定の設定に戻してメイン画面に戻ります。</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="40"/>
        <source>Return to Defaults</source>
        <translation>既定に戻す</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="59"/>
        <source>Apply My Settings</source>
        <translation>設定を適用</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="81"/>
        <source>Change Font Color</source>
        <translation>文字色を変更</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="100"/>
        <source>If picture dimensions are large, use large font size accordingly.</source>
        <translation>画像が大きい場合は、それに合わせて大きな文字サイズを使ってください。</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="103"/>
        <source>Change Font</source>
        <translation>フォントを変更</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="122"/>
        <source>Change transparency</source>
        <translation>透明度を変更</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="141"/>
        <source>opaque</source>
        <translation>不透明</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="160"/>
        <source>transparent</source>
        <translation>透明</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="202"/>
        <source>Try maximizing font size if you </source>
        <translation>プレビューに文字が見えない場合は</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="222"/>
        <source>can&apos;t see Text in preview</source>
        <translation>文字サイズを大きくしてください</translation>
    </message>
    <message>
        <location filename="../ui/forms/advanced.ui" line="240"/>
        <source>Adjust font size automatically</source>
        <translation>文字サイズを自動調整</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../cli/batchcommand.cpp" line="32"/>
        <source>Write into DIR, made with its parents when missing (default: the window&apos;s output folder).</source>
        <translation>DIR に書き出します。無ければ親フォルダーごと作成します（既定: ウィンドウの出力フォルダー）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="37"/>
        <source>The watermark text; line breaks as given (default: the saved text).</source>
        <translation>透かしの文字列。改行はそのまま（既定: 保存された文字列）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="42"/>
        <source>Put &quot;© &quot; before the text.</source>
        <translation>文字列の前に「© 」を付けます。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="44"/>
        <source>Do not put &quot;© &quot; before it.</source>
        <translation>「© 」を付けません。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="46"/>
        <source>Where the text goes: %1, or auto: the calmest of them for each picture (default: the saved position).</source>
        <translation>文字の位置: %1、または auto: 画像ごとに最も落ち着いた位置（既定: 保存した位置）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="51"/>
        <source>Take text, sign, position and style from FILE, a settings.qrl.xml (default: the window&apos;s own, when it exists).</source>
        <translation>文字列、記号、位置、スタイルを FILE（settings.qrl.xml）から読みます（既定: ウィンドウのもの、あれば）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="56"/>
        <source>Start from the preset NAME, or the preset file FILE, instead of what the window has saved; options given win.</source>
        <translation>ウィンドウの保存内容の代わりに、プリセット NAME またはプリセットファイル FILE から始めます。指定したオプションが優先されます。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="60"/>
        <source>Choose font size, black or white and opacity per picture.</source>
        <translation>文字サイズ、黒か白か、不透明度を画像ごとに選びます。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="63"/>
        <source>%1, WxH, or N: the long edge, never enlarged (%2 to %3; default: original).</source>
        <translation>%1、幅x高さ、または N: 長辺（拡大はしません。%2 から %3、既定: original）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="71"/>
        <source>%1 (default: original).</source>
        <translation>%1（既定: original）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="78"/>
        <source>Save the settings of this command (the output folder only when -o is given) as the preset NAME; then stamp the FILEs, if any.</source>
        <translation>このコマンドの設定（出力フォルダーは -o 指定時のみ）をプリセット NAME として保存し、FILE があれば続けて処理します。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="82"/>
        <source>List the presets and exit.</source>
        <translation>プリセットを一覧表示して終了します。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="84"/>
        <source>Stamp N pictures at once (default: by cores and memory).</source>
        <translation>N 枚の画像を同時に処理します（既定: コア数とメモリによる）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="87"/>
        <source>Read the pictures from FILE, one a line (&apos;-&apos;: standard input).</source>
        <translation>FILE から画像を1行に1つずつ読みます（&apos;-&apos;: 標準入力）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="91"/>
        <source>Names in --files-from end with NUL, not newline.</source>
        <translation>--files-from の名前は改行ではなく NUL で終わります。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="93"/>
        <source>Append one JSON line per picture to FILE as it ends (index, source, output, status, reason); never a picture. Processes on one machine may share FILE.</source>
        <translation>画像ごとに処理が終わり次第 JSON を1行 FILE に追記します（index, source, output, status, reason）。画像には書きません。同じマシンの複数のプロセスで FILE を共有できます。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="99"/>
        <source>Stamp each picture in FOLDER whose output is missing, then every picture that comes into it complete, until a signal ends it (a hot folder).</source>
        <translation>FOLDER 内で出力のない画像をすべてスタンプし、その後は完全に届いた画像を順にスタンプします。シグナルで終了します（ホットフォルダー）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="104"/>
        <source>With --watch: look at the folder every SECONDS (1 to 3600) instead of being told; network and FUSE folders are always polled.</source>
        <translation>--watch と共に: 通知を待たずに SECONDS 秒（1〜3600）ごとにフォルダーを調べます。ネットワークと FUSE のフォルダーは常に調べます。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="109"/>
        <source>With --watch: watch its subfolders too; outputs keep their subfolder.</source>
        <translation>--watch と共に: サブフォルダーも監視します。出力はサブフォルダーを保ちます。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="111"/>
        <source>Print only errors.</source>
        <translation>エラーだけを表示します。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="112"/>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="113"/>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="138"/>
        <source>%1 (%2).</source>
        <translation>%1（%2）。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="139"/>
        <source>%1: %2.</source>
        <translation>%1: %2。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="178"/>
        <source>Stamp a text watermark onto every FILE, exactly as the Quorlane window does, and write
the results into the output folder. Options not given take what the window has saved.</source>
        <translation>Quorlane のウィンドウと同じように各 FILE に文字の透かしを入れ、結果を
出力フォルダーに書き出します。指定しないオプションはウィンドウの保存内容を使います。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="184"/>
        <source>Pictures to stamp.</source>
        <translation>処理する画像。</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="189"/>
        <source>invalid value &apos;%1&apos; for --%2 (%3)</source>
        <translation>--%2 の値 &apos;%1&apos; は無効です（%3）</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="227"/>
        <location filename="../cli/batchcommand.cpp" line="367"/>
        <source>--%1 and --%2 cannot be given together</source>
        <translation>--%1 と --%2 は同時に指定できません</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="256"/>
        <source>cannot read settings file &apos;%1&apos;: %2</source>
        <translation>設定ファイル &apos;%1&apos; を読めません: %2</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="286"/>
        <source>--watch takes no FILE and no --files-from: it stamps what is in its folder</source>
        <translation>--watch には FILE も --files-from も指定できません: フォルダー内のものをスタンプします</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="288"/>
        <source>--watch cannot number outputs (--if-exists number): after a restart it could not tell its own; use skip or replace</source>
        <translation>--watch では出力に番号を付けられません（--if-exists number）: 再起動後に自分の出力を見分けられません。skip か replace を使ってください</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="291"/>
        <source>--watch cannot name outputs by {counter}: after a restart it could not know the numbers</source>
        <translation>--watch では {counter} で出力に名前を付けられません: 再起動後に番号が分かりません</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="296"/>
        <source>the output folder is the watched folder</source>
        <translation>出力フォルダーが監視するフォルダーと同じです</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="298"/>
        <source>the output folder is inside the folder watched with --recursive</source>
        <translation>出力フォルダーが --recursive で監視するフォルダーの中にあります</translation>
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
終了ステータス:
  0    すべての画像を書き出したかスキップした
  1    読めない・書けない画像があった、またはレポートに失敗した
  2    使い方の誤り
  130  SIGINT で停止（143: SIGTERM、129: SIGHUP）。処理中の画像は書き終える。
       2回目のシグナルで即座に終了

例:
  quorlane-batch -t &apos;Anna Berg&apos; -p bottom-right -s 640x480 --fit -o out *.jpg
  find photos -name &apos;*.jpg&apos; -print0 | quorlane-batch -0 --files-from - -f png
  quorlane-batch -s 2048x2048 --fit -f webp --name &apos;{name}-web&apos; --save-preset web
  quorlane-batch --preset web -o site *.jpg    （長辺 2048 ピクセル）
  quorlane-batch --preset web --watch camera -o stamped --report log.json

--watch では SIGINT、SIGTERM、SIGHUP まで動き続けます。再起動すると、まだ出力の
ないものだけをスタンプします（--if-exists replace なら、その後に変わったものも）。
</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="374"/>
        <source>--preset and --settings cannot be given together</source>
        <translation>--preset と --settings は同時に指定できません</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="377"/>
        <source>cannot read the preset &apos;%1&apos;: %2 (presets are in %3)</source>
        <translation>プリセット &apos;%1&apos; を読めません: %2（プリセットは %3 にあります）</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="408"/>
        <source>invalid size &apos;%1&apos; (%2, WxH or N from %3 to %4)</source>
        <translation>サイズ &apos;%1&apos; は無効です（%2、または %3 から %4 の 幅x高さ か N）</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="418"/>
        <source>invalid format &apos;%1&apos; (%2)</source>
        <translation>形式 &apos;%1&apos; は無効です（%2）</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="441"/>
        <source>invalid number of jobs &apos;%1&apos; (1 to 1024)</source>
        <translation>ジョブ数 &apos;%1&apos; は無効です（1 から 1024）</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="448"/>
        <source>the output folder name is empty</source>
        <translation>出力フォルダー名が空です</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="452"/>
        <source>--null needs --files-from</source>
        <translation>--null には --files-from が必要です</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="456"/>
        <source>--poll and --recursive need --watch</source>
        <translation>--poll と --recursive には --watch が必要です</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="460"/>
        <source>cannot read the list of pictures &apos;%1&apos;</source>
        <translation>画像の一覧 &apos;%1&apos; を読めません</translation>
    </message>
    <message>
        <location filename="../cli/batchcommand.cpp" line="462"/>
        <source>no picture given</source>
        <translation>画像が指定されていません</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="64"/>
        <source>Try &apos;quorlane-batch --help&apos; for more information.</source>
        <translation>詳しくは &apos;quorlane-batch --help&apos; を実行してください。</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="35"/>
        <source>cannot save the preset &apos;%1&apos;: %2</source>
        <translation>プリセット &apos;%1&apos; を保存できません: %2</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="132"/>
        <source>refusing to write the report to &apos;%1&apos;: %2</source>
        <translation>レポートを &apos;%1&apos; に書き出しません: %2</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="138"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>レポート &apos;%1&apos; を書けません: %2</translation>
    </message>
</context>
<context>
    <name>BatchSession</name>
    <message>
        <location filename="../cli/batchsession.cpp" line="70"/>
        <source>%1/%2 (%3%) %4 pictures/s, %5 s left</source>
        <translation>%1/%2（%3%）%4 枚/秒、残り %5 秒</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="100"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>レポート &apos;%1&apos; を書けません: %2</translation>
    </message>
    <message>
        <location filename="../cli/batchsession.cpp" line="103"/>
        <source>%1 written, %2 skipped, %3 failed in %4 s</source>
        <translation>書き出し %1、スキップ %2、失敗 %3（%4 秒）</translation>
    </message>
</context>
<context>
    <name>CustomSize</name>
    <message>
        <location filename="../ui/forms/customsize.ui" line="19"/>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="66"/>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="84"/>
        <source>Height</source>
        <translation>高さ</translation>
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
        <translation>画素</translation>
    </message>
    <message>
        <location filename="../ui/forms/customsize.ui" line="158"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../ui/customsize.cpp" line="27"/>
        <source>Custom Size - Quorlane</source>
        <translation>カスタムサイズ - Quorlane</translation>
    </message>
    <message>
        <location filename="../ui/customsize.cpp" line="59"/>
        <source>Please enter a valid values for width and height</source>
        <translation>幅と高さに正しい値を入力してください</translation>
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
        <translation>文字の色、サイズ、透明度を手動で設定</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="86"/>
        <source>Advanced
Settings </source>
        <translation>詳細
設定</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="136"/>
        <source>Everything but the pictures, saved under a name: choose one to apply it</source>
        <translation>画像以外のすべてを名前を付けて保存したもの。選ぶと適用されます</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="154"/>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="179"/>
        <source>Metadata, quality, proportions and pictures of the same name</source>
        <translation>メタデータ、画質、縦横比、同名の画像</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="182"/>
        <source>Options...</source>
        <translation>オプション...</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="228"/>
        <source>Press &quot;+&quot; button to add files
Or Drop files on the window</source>
        <translation>「+」ボタンでファイルを追加
またはウィンドウにドロップ</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="251"/>
        <source>Add files to be watermarked</source>
        <translation>透かしを入れるファイルを追加</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="282"/>
        <source>Remove files from list</source>
        <translation>一覧からファイルを削除</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="307"/>
        <source>Add Folder: the pictures in a folder and its subfolders</source>
        <translation>フォルダーを追加: フォルダーとそのサブフォルダーの画像</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="430"/>
        <source>Add Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="112"/>
        <source>&amp;Preset:</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="207"/>
        <location filename="../ui/dialog.cpp" line="506"/>
        <source>&amp;Files selected for Watermarking</source>
        <translation>透かしを入れるファイル(&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="220"/>
        <source>Pictures to watermark</source>
        <translation>透かしを入れる画像</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="248"/>
        <source>Add pictures</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="279"/>
        <source>Remove pictures</source>
        <translation>画像を削除</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="310"/>
        <source>Add a folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="351"/>
        <source>Watermark text</source>
        <translation>透かしの文字</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="375"/>
        <source>Copyright symbol appears as watermark on image</source>
        <translation>著作権記号を透かしに入れます</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="378"/>
        <source> use © symbol</source>
        <translation> © 記号を使う</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="391"/>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="394"/>
        <source>Preview of the currently selected picture with watermark.</source>
        <translation>選択中の画像に透かしを入れたプレビュー。</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="412"/>
        <source>Select button to change the position of the watermark in output</source>
        <translation>ボタンを選んで透かしの位置を変更します</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="415"/>
        <source>watermark position</source>
        <translation>透かしの位置</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="427"/>
        <source>Position: top left</source>
        <translation>位置: 左上</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="430"/>
        <source>Top Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="446"/>
        <source>Position: top centre</source>
        <translation>位置: 上中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="449"/>
        <source>Top Center</source>
        <translation>中央上</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="465"/>
        <source>Position: top right</source>
        <translation>位置: 右上</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="468"/>
        <source>Top Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="484"/>
        <source>Position: centre left</source>
        <translation>位置: 左中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="487"/>
        <source>Center left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="503"/>
        <source>Position: centre</source>
        <translation>位置: 中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="506"/>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="522"/>
        <source>Position: centre right</source>
        <translation>位置: 右中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="525"/>
        <source>Center Right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="541"/>
        <source>Position: bottom left</source>
        <translation>位置: 左下</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="544"/>
        <source>Bottom Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="560"/>
        <source>Position: bottom centre</source>
        <translation>位置: 下中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="563"/>
        <source>Bottom Center</source>
        <translation>中央下</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="579"/>
        <source>Position: bottom right</source>
        <translation>位置: 右下</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="582"/>
        <source>Bottom Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="608"/>
        <source>Output &amp;dimension</source>
        <translation>出力サイズ(&amp;D)</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="645"/>
        <source>Output F&amp;ormat</source>
        <translation>出力形式(&amp;O)</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="679"/>
        <source>Output Folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="717"/>
        <source>Applies watermarks to all the selected files</source>
        <translation>選択したすべてのファイルに透かしを入れます</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="729"/>
        <source>Apply Watermark</source>
        <translation>透かしを入れる</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="754"/>
        <source>Start no further picture; the pictures in progress are finished (Escape)</source>
        <translation>次の画像を始めません。処理中の画像は書き終えます（Esc）</translation>
    </message>
    <message>
        <location filename="../ui/forms/dialog.ui" line="757"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="30"/>
        <source>Original</source>
        <translation>元のまま</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="34"/>
        <source>Thumbnails</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="35"/>
        <source>Custom Size</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="36"/>
        <source>Long edge 2048</source>
        <translation>長辺 2048</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="37"/>
        <source>Long edge 1600</source>
        <translation>長辺 1600</translation>
    </message>
    <message>
        <location filename="../settings/constants.h" line="38"/>
        <source>Long edge 1080</source>
        <translation>長辺 1080</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="507"/>
        <source>&amp;Files selected for Watermarking (%1)</source>
        <translation>透かしを入れるファイル(&amp;F) (%1)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="512"/>
        <source>%1 of %2 — %p%</source>
        <translation>%2 枚中 %1 枚 — %p%</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="584"/>
        <source>Select Files for Watermarking</source>
        <translation>透かしを入れるファイルを選択</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="586"/>
        <source>Images (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="627"/>
        <source>Select Output Directory</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="637"/>
        <source>WARNING: The output directory already exists.
Your files WILL be overwritten without further warning.
Press OK to continue using the same directory.
Press Cancel to abort and change the directory</source>
        <translation>警告: 出力フォルダーは既に存在します。
ファイルは警告なしに上書きされます。
OK で同じフォルダーを使い続けます。
キャンセルで中止してフォルダーを変更します</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="643"/>
        <source>Create Anyway, I know what I&apos;m doing</source>
        <translation>承知の上で作成する</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="713"/>
        <source>Long edge %1</source>
        <translation>長辺 %1</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="781"/>
        <source>The logo %1 cannot be read (%2). Choose another one in &quot;Options...&quot; or remove it.</source>
        <translation>ロゴ %1 を読めません（%2）。「オプション...」で別のロゴを選ぶか、外してください。</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="791"/>
        <source>The pictures cannot be written at this size: %1.</source>
        <translation>このサイズでは画像を書き出せません: %1。</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <location filename="../ui/fieldmenu.cpp" line="26"/>
        <source>Insert Field</source>
        <translation>フィールドを挿入</translation>
    </message>
</context>
<context>
    <name>HeifCodec</name>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="375"/>
        <source>the picture is too large (%1 × %2)</source>
        <translation>画像が大きすぎます（%1 × %2）</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="388"/>
        <source>the picture&apos;s grid of tiles cannot be read</source>
        <translation>画像のタイル格子を読み取れません</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="393"/>
        <source>its grid of tiles is %1 × %2, but the picture says %3 × %4</source>
        <translation>タイル格子は %1 × %2 ですが、画像は %3 × %4 と宣言しています</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="286"/>
        <source>the decoder gave no picture</source>
        <translation>デコーダーが画像を返しませんでした</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="295"/>
        <source>the decoded picture is %1 × %2, but the picture says %3 × %4</source>
        <translation>デコードした画像は %1 × %2 ですが、画像は %3 × %4 と宣言しています</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="453"/>
        <source>no %1 encoder (%2)</source>
        <translation>%1 エンコーダーがありません（%2）</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="494"/>
        <source>EXIF dropped (%1)</source>
        <translation>EXIF を破棄（%1）</translation>
    </message>
    <message>
        <location filename="../engine/imageio/heifcodec.cpp" line="500"/>
        <source>XMP dropped (%1)</source>
        <translation>XMP を破棄（%1）</translation>
    </message>
</context>
<context>
    <name>HotFolder</name>
    <message>
        <location filename="../cli/hotfolder.cpp" line="70"/>
        <source>it is not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/inifile.cpp" line="37"/>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <location filename="../settings/inifile.cpp" line="45"/>
        <source>cannot make the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
</context>
<context>
    <name>JpegKeeper</name>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="109"/>
        <source>%1-bit JPEG</source>
        <translation>%1 ビット JPEG</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="111"/>
        <source>CMYK JPEG</source>
        <translation>CMYK JPEG</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="113"/>
        <source>JPEG in an unusual colour space</source>
        <translation>特殊な色空間の JPEG</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="119"/>
        <source>JPEG with fractional sampling</source>
        <translation>分数サンプリングの JPEG</translation>
    </message>
    <message>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="527"/>
        <location filename="../engine/imageio/jpegkeeper.cpp" line="530"/>
        <source>there is not enough memory for the picture</source>
        <translation>画像に必要なメモリが足りません</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="56"/>
        <source>a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>「}」のない「{」があります</translation>
    </message>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="62"/>
        <source>the width of {%1} must be 1 to %2</source>
        <translation>{%1} の桁数は 1 から %2 でなければなりません</translation>
    </message>
    <message>
        <location filename="../engine/output/nametemplate.cpp" line="64"/>
        <source>there is no field {%1}</source>
        <translation>フィールド {%1} はありません</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="207"/>
        <source>the file name has no suffix to choose an image format by</source>
        <translation>ファイル名に画像形式を決める拡張子がありません</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="211"/>
        <source>no image writer for the suffix &quot;%1&quot;</source>
        <translation>拡張子「%1」の画像を書き出せません</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="236"/>
        <source>no space left on the device</source>
        <translation>デバイスの空き容量がありません</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="238"/>
        <source>the file is larger than this system allows</source>
        <translation>ファイルがこのシステムの上限より大きいです</translation>
    </message>
    <message>
        <location filename="../engine/output/outputfile.cpp" line="240"/>
        <source>this file system can neither rename without replacing nor make hard links (FAT, exFAT?): choose &quot;Replace&quot; or another folder</source>
        <translation>このファイルシステムは置き換えなしの名前変更もハードリンクもできません（FAT、exFAT?）。「置き換え」か別のフォルダーを選んでください</translation>
    </message>
</context>
<context>
    <name>OutputOptions</name>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="6"/>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="13"/>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="21"/>
        <source>Metadata</source>
        <translation>メタデータ</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="30"/>
        <source>Keep all</source>
        <translation>すべて残す</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="37"/>
        <source>Camera, date taken, location, author, keywords: all of it.</source>
        <translation>カメラ、撮影日時、場所、作者、キーワード: すべて。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="53"/>
        <source>Keep all but the location</source>
        <translation>場所以外を残す</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="63"/>
        <source>Everything but GPS coordinates and place names.</source>
        <translation>GPS 座標と地名以外のすべて。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="79"/>
        <source>Keep copyright and contact only</source>
        <translation>著作権と連絡先のみ残す</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="86"/>
        <source>Only author, copyright, credit and contact fields.</source>
        <translation>作者、著作権、クレジット、連絡先の項目のみ。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="102"/>
        <source>Remove all</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="109"/>
        <source>Nothing but the colour profile.</source>
        <translation>カラープロファイルのみ。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="125"/>
        <source>Write the watermark text as the copyright notice</source>
        <translation>透かしの文字列を著作権表示として書き込む</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="132"/>
        <source>The EXIF, IPTC and XMP copyright fields get the text.</source>
        <translation>EXIF、IPTC、XMP の著作権項目に文字列が入ります。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="151"/>
        <source>Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="163"/>
        <source>1 (smallest file) to 100 (best picture)</source>
        <translation>1（最小のファイル）から 100（最高の画質）</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="170"/>
        <source>For JPEG, WebP, AVIF and HEIC outputs; 100 makes WebP lossless.</source>
        <translation>JPEG、WebP、AVIF、HEIC の出力用。100 で WebP は可逆圧縮。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="186"/>
        <source>Keep the original JPEG compression</source>
        <translation>元の JPEG 圧縮を保つ</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="193"/>
        <source>Only the watermark&apos;s blocks change, when size and format stay.</source>
        <translation>サイズと形式が同じとき、透かしのブロックだけが変わります。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="220"/>
        <source>Sizes</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="229"/>
        <source>Stretch to the exact size</source>
        <translation>指定サイズに引き伸ばす</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="239"/>
        <source>Exactly the chosen width and height.</source>
        <translation>選んだ幅と高さちょうど。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="255"/>
        <source>Fit inside, keep proportions</source>
        <translation>縦横比を保って収める</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="262"/>
        <source>Shrunk to fit inside the chosen size, never enlarged.</source>
        <translation>選んだサイズに収まるよう縮小。拡大はしません。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="281"/>
        <source>If a picture of the same name is already in the output folder</source>
        <translation>出力フォルダーに同名の画像が既にある場合</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="290"/>
        <source>Replace it</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="300"/>
        <source>The earlier picture is overwritten.</source>
        <translation>前の画像を上書きします。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="316"/>
        <source>Keep both (add a number)</source>
        <translation>両方残す（番号を付ける）</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="323"/>
        <source>The new picture is named &quot;name (2)&quot;, &quot;name (3)&quot; ...</source>
        <translation>新しい画像は「名前 (2)」「名前 (3)」... になります</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="339"/>
        <source>Skip the picture</source>
        <translation>スキップする</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="346"/>
        <source>The earlier picture stays; the new one is not written.</source>
        <translation>前の画像は残り、新しい画像は書き出されません。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="365"/>
        <source>Colours</source>
        <translation>色</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="374"/>
        <source>Keep the picture&apos;s profile</source>
        <translation>画像のプロファイルを保つ</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="384"/>
        <source>BMP, PPM and XPM outputs are converted to sRGB all the same.</source>
        <translation>BMP、PPM、XPM の出力は常に sRGB に変換されます。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="400"/>
        <source>Convert to sRGB</source>
        <translation>sRGB に変換</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="407"/>
        <source>For the web: every output shows alike in every browser.</source>
        <translation>Web 向け: どのブラウザーでも同じ色で表示されます。</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="426"/>
        <source>Output names</source>
        <translation>出力名</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="437"/>
        <source>The name of each output, without its suffix: {name} is the picture&apos;s own name</source>
        <translation>各出力の名前（拡張子なし）: {name} は画像自体の名前</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="444"/>
        <source>Insert Field</source>
        <translation>フィールドを挿入</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="479"/>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="487"/>
        <source>Margin:</source>
        <translation>余白:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="497"/>
        <source> % of the shorter side</source>
        <translation> %（短辺に対して）</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="504"/>
        <source>Outline in black or white</source>
        <translation>黒または白の縁取り</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="511"/>
        <source>Soft shadow</source>
        <translation>ソフトな影</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="518"/>
        <source>Angle:</source>
        <translation>角度:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="528"/>
        <source> degrees</source>
        <translation> 度</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="535"/>
        <source>Repeat over the whole picture</source>
        <translation>画像全体に繰り返す</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="542"/>
        <source>For each picture, the position, corner or top or bottom centre where the picture is least busy; the window&apos;s position when none is clearly calmer</source>
        <translation>画像ごとに、位置・四隅・上下中央のうち画像が最も落ち着いている所。はっきり落ち着いた所がなければウィンドウの位置</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="545"/>
        <source>Choose the calmest place for each picture</source>
        <translation>画像ごとに最も落ち着いた場所を選ぶ</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="552"/>
        <source>Size the text by:</source>
        <translation>文字サイズの基準:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="562"/>
        <source>The automatic text size follows the picture&apos;s width, or its shorter side, which gives portraits and landscapes of a batch one size</source>
        <translation>自動の文字サイズは画像の幅、または短い辺に合わせます。短い辺なら縦位置と横位置の写真で同じサイズになります</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="566"/>
        <source>width</source>
        <translation>幅</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="571"/>
        <source>shorter side</source>
        <translation>短い辺</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="579"/>
        <source>Logo:</source>
        <translation>ロゴ:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="588"/>
        <source>No logo</source>
        <translation>ロゴなし</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="595"/>
        <source>Choose...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="607"/>
        <source>Logo width:</source>
        <translation>ロゴの幅:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="617"/>
        <source> % of the picture&apos;s width</source>
        <translation> %（画像の幅に対して）</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="624"/>
        <source>Logo position:</source>
        <translation>ロゴの位置:</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="632"/>
        <source>top-left</source>
        <translation>左上</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="637"/>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="642"/>
        <source>top-right</source>
        <translation>右上</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="647"/>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="652"/>
        <source>center</source>
        <translation>中央</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="657"/>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="662"/>
        <source>bottom-left</source>
        <translation>左下</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="667"/>
        <source>bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="672"/>
        <source>bottom-right</source>
        <translation>右下</translation>
    </message>
    <message>
        <location filename="../ui/forms/outputoptions.ui" line="680"/>
        <source>Logo opacity:</source>
        <translation>ロゴの不透明度:</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="162"/>
        <source>Choose a Logo</source>
        <translation>ロゴを選択</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="164"/>
        <source>Pictures (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)</source>
        <translation>画像 (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="196"/>
        <source>The output names cannot be made: %1.</source>
        <translation>出力名を作れません: %1。</translation>
    </message>
    <message>
        <location filename="../ui/outputoptions.cpp" line="210"/>
        <source>For example: %1</source>
        <translation>例: %1</translation>
    </message>
</context>
<context>
    <name>PictureMetadata</name>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="553"/>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="563"/>
        <source>its metadata could not be read (%1)</source>
        <translation>メタデータを読めませんでした（%1）</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="576"/>
        <source>its metadata could not be copied (%1)</source>
        <translation>メタデータをコピーできませんでした（%1）</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="581"/>
        <source>its metadata could not be copied</source>
        <translation>メタデータをコピーできませんでした</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="603"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="614"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="641"/>
        <source>%1 dropped (%2)</source>
        <translation>%1 を破棄（%2）</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturemetadata.cpp" line="611"/>
        <location filename="../engine/imageio/picturemetadata.cpp" line="644"/>
        <source>%1 dropped</source>
        <translation>%1 を破棄</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="166"/>
        <source>the picture declares %1 samples per pixel</source>
        <translation>画像が1ピクセルあたり %1 個のサンプルを宣言しています</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="198"/>
        <source>the picture is damaged: its %1 chunk runs past the end</source>
        <translation>画像が破損しています: %1 チャンクがファイルの終わりを越えています</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="326"/>
        <source>the file name is not valid UTF-8 in this locale</source>
        <translation>ファイル名がこのロケールで有効な UTF-8 ではありません</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="332"/>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="334"/>
        <source>it is a FIFO, not a regular file</source>
        <translation>FIFO です。通常のファイルではありません</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="336"/>
        <source>it is a socket, not a regular file</source>
        <translation>ソケットです。通常のファイルではありません</translation>
    </message>
    <message>
        <location filename="../engine/imageio/picturereader.cpp" line="337"/>
        <source>it is a device, not a regular file</source>
        <translation>デバイスです。通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>PresetChooser</name>
    <message>
        <location filename="../ui/presetchooser.cpp" line="28"/>
        <source>No preset</source>
        <translation>プリセットなし</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="46"/>
        <source>Save as Preset...</source>
        <translation>プリセットとして保存...</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="48"/>
        <source>Delete Preset...</source>
        <translation>プリセットを削除...</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="89"/>
        <source>The preset &quot;%1&quot; cannot be read: %2.</source>
        <translation>プリセット「%1」を読めません: %2。</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="112"/>
        <source>A preset named &quot;%1&quot; exists. Replace it?</source>
        <translation>プリセット「%1」は既にあります。置き換えますか?</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="126"/>
        <source>The preset &quot;%1&quot; cannot be saved: %2</source>
        <translation>プリセット「%1」を保存できません: %2</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="144"/>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>プリセット「%1」を削除しますか?</translation>
    </message>
    <message>
        <location filename="../ui/presetchooser.cpp" line="154"/>
        <source>The preset &quot;%1&quot; cannot be deleted: %2</source>
        <translation>プリセット「%1」を削除できません: %2</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <location filename="../settings/preset.cpp" line="161"/>
        <source>A preset needs a name.</source>
        <translation>プリセットには名前が必要です。</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="163"/>
        <source>A preset&apos;s name cannot hold &quot;/&quot;.</source>
        <translation>プリセット名に「/」は使えません。</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="165"/>
        <source>A preset&apos;s name cannot start with &quot;.&quot;.</source>
        <translation>プリセット名を「.」で始めることはできません。</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="167"/>
        <source>A preset&apos;s name cannot hold control or bidirectional characters.</source>
        <translation>プリセット名に制御文字や方向制御文字は使えません。</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="169"/>
        <source>The preset&apos;s name is too long.</source>
        <translation>プリセット名が長すぎます。</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="176"/>
        <source>no such preset</source>
        <translation>そのプリセットはありません</translation>
    </message>
    <message>
        <location filename="../settings/preset.cpp" line="188"/>
        <source>not a preset file</source>
        <translation>プリセットファイルではありません</translation>
    </message>
</context>
<context>
    <name>Quorlane</name>
    <message>
        <location filename="../ui/main.cpp" line="37"/>
        <source>Stamps a text watermark onto a batch of pictures. The pictures and folders given start in the window&apos;s list, as if dropped on it.</source>
        <translation>たくさんの画像に文字の透かしを一度に入れます。指定した画像とフォルダーは、ウィンドウにドロップしたときと同じように、起動時にリストに入ります。</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="40"/>
        <source>Pictures or folders of pictures.</source>
        <translation>画像、または画像のフォルダー。</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="41"/>
        <source>[FILE|FOLDER...]</source>
        <translation>[ファイル|フォルダー...]</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="43"/>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="44"/>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="62"/>
        <source>Try &apos;quorlane --help&apos; for more information.</source>
        <translation>詳しくは &apos;quorlane --help&apos; を実行してください。</translation>
    </message>
    <message>
        <location filename="../ui/main.cpp" line="70"/>
        <source>Usage:</source>
        <translation>使い方:</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../cli/reportfile.cpp" line="56"/>
        <source>it is a picture of this run</source>
        <translation>この処理の画像です</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="59"/>
        <source>it is an output of this run</source>
        <translation>この処理の出力です</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="64"/>
        <source>it is a picture</source>
        <translation>画像です</translation>
    </message>
    <message>
        <location filename="../cli/reportfile.cpp" line="66"/>
        <source>it is a file, but not a report</source>
        <translation>ファイルですが、レポートではありません</translation>
    </message>
</context>
<context>
    <name>RunOptions</name>
    <message>
        <location filename="../settings/runoptions.cpp" line="123"/>
        <source>Quality for JPEG, WebP, AVIF and HEIC</source>
        <translation>JPEG、WebP、AVIF、HEIC の画質</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="131"/>
        <source>How a fixed size treats proportions</source>
        <translation>固定サイズでの縦横比の扱い</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="134"/>
        <source>Stretch to exactly SIZE.</source>
        <translation>SIZE ちょうどに引き伸ばします。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="135"/>
        <source>Fit inside SIZE, keeping proportions; never enlarge.</source>
        <translation>縦横比を保って SIZE に収めます。拡大はしません。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="143"/>
        <source>Metadata to keep</source>
        <translation>残すメタデータ</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="150"/>
        <source>Write the text as the copyright notice.</source>
        <translation>文字列を著作権表示として書き込みます。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="151"/>
        <source>Leave the copyright notice as the metadata has it.</source>
        <translation>メタデータの著作権表示をそのままにします。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="158"/>
        <source>When the output folder has a picture of the same name</source>
        <translation>出力フォルダーに同名の画像がある場合</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="166"/>
        <source>Colours: keep each picture&apos;s profile, or convert every picture to sRGB</source>
        <translation>色: 各画像のプロファイルを保つか、すべての画像を sRGB に変換する</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="176"/>
        <source>Name each output after TEMPLATE, without suffix: {name} (the source&apos;s name), {counter}, {counter:N}, {preset} or a text field</source>
        <translation>各出力に TEMPLATE に従って名前を付けます（拡張子なし）: {name}（元の名前）、{counter}、{counter:N}、{preset}、またはテキストフィールド</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="195"/>
        <source>Keep a JPEG&apos;s own compression when its size and format stay: only the watermark&apos;s blocks change.</source>
        <translation>サイズと形式が同じとき JPEG 自体の圧縮を保ちます。透かしのブロックだけが変わります。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="199"/>
        <source>Encode every picture anew.</source>
        <translation>すべての画像を新たにエンコードします。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="216"/>
        <source>Keep the mark N percent of the shorter side off the edges</source>
        <translation>透かしを短辺の N パーセントだけ端から離します</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="226"/>
        <source>Outline the text in black or white.</source>
        <translation>文字を黒または白で縁取ります。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="227"/>
        <source>No outline.</source>
        <translation>縁取りなし。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="233"/>
        <source>Give the text a soft shadow.</source>
        <translation>文字にソフトな影を付けます。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="234"/>
        <source>No shadow.</source>
        <translation>影なし。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="241"/>
        <source>Turn the text by DEG degrees counter-clockwise</source>
        <translation>文字を反時計回りに DEG 度回転します</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="259"/>
        <source>Fit the automatic text size to the picture&apos;s width, or to its shorter side so that portraits and landscapes get one size</source>
        <translation>自動の文字サイズを画像の幅、または短い辺に合わせます（短い辺なら縦位置と横位置で同じサイズ）</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="268"/>
        <source>Repeat the text over the whole picture.</source>
        <translation>文字を画像全体に繰り返します。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="269"/>
        <source>Stamp the text once.</source>
        <translation>文字を1回だけ入れます。</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="278"/>
        <source>Stamp the picture FILE (PNG, SVG, ...) before the text; &apos;&apos; for none</source>
        <translation>文字の前に画像 FILE（PNG、SVG など）を入れます。&apos;&apos; でなし</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="292"/>
        <source>The logo&apos;s width in percent of the picture&apos;s</source>
        <translation>画像の幅に対するロゴの幅（パーセント）</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="301"/>
        <source>Where the logo goes</source>
        <translation>ロゴの位置</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="318"/>
        <source>The logo&apos;s opacity</source>
        <translation>ロゴの不透明度</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="341"/>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <location filename="../settings/runoptions.cpp" line="349"/>
        <source>%1 to %2</source>
        <translation>%1 から %2</translation>
    </message>
</context>
<context>
    <name>RunPlanner</name>
    <message>
        <location filename="../engine/run/runplanner.cpp" line="69"/>
        <source>cannot read the logo &apos;%1&apos;: %2</source>
        <translation>ロゴ &apos;%1&apos; を読めません: %2</translation>
    </message>
    <message>
        <location filename="../engine/run/runplanner.cpp" line="72"/>
        <source>cannot make the output folder &apos;%1&apos;</source>
        <translation>出力フォルダー &apos;%1&apos; を作成できません</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="32"/>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
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
            <numerusform>処理を停止しました: %1 枚中 %n 枚は開始されませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="81"/>
        <source>%n of %1 pictures could not be processed:</source>
        <translation>
            <numerusform>%1 枚中 %n 枚を処理できませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="88"/>
        <source>%1: could not be written (%2)</source>
        <translation>%1: 書き出せませんでした（%2）</translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="89"/>
        <source>%1: could not be read (%2)</source>
        <translation>%1: 読めませんでした（%2）</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="99"/>
        <source>%n pictures were written from an incomplete file:</source>
        <translation>
            <numerusform>%n 枚の画像を不完全なファイルから書き出しました:</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/run/runsummary.cpp" line="106"/>
        <source>The watermark is fully transparent: the pictures were written without a visible mark. Raise its opacity in &quot;Advanced Settings&quot;.</source>
        <translation>透かしが完全に透明です: 画像は見える透かしなしで書き出されました。「詳細設定」で不透明度を上げてください。</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="115"/>
        <source>%n of %1 pictures were skipped: a picture of the same name is already in the output folder.</source>
        <translation>
            <numerusform>%1 枚中 %n 枚をスキップしました: 同名の画像が既に出力フォルダーにあります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="126"/>
        <source>%n pictures were written without their metadata:</source>
        <translation>
            <numerusform>%n 枚の画像をメタデータなしで書き出しました:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="139"/>
        <source>%1; %n were encoded again:</source>
        <translation>
            <numerusform>%1。%n 枚は再エンコードしました:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/run/runsummary.cpp" line="140"/>
        <source>%n pictures kept their JPEG compression</source>
        <translation>
            <numerusform>%n 枚の画像は JPEG 圧縮を保ちました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavePreset</name>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="6"/>
        <source>Save as Preset</source>
        <translation>プリセットとして保存</translation>
    </message>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="12"/>
        <source>Name of the preset:</source>
        <translation>プリセット名:</translation>
    </message>
    <message>
        <location filename="../ui/forms/savepreset.ui" line="29"/>
        <source>With the output folder</source>
        <translation>出力フォルダーも含める</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="108"/>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <location filename="../settings/settingsfile.cpp" line="116"/>
        <source>not a settings file: %1 (line %2)</source>
        <translation>設定ファイルではありません: %1（%2 行目）</translation>
    </message>
    <message>
        <location filename="../settings/settingsfile.cpp" line="119"/>
        <source>it has no settings element</source>
        <translation>settings 要素がありません</translation>
    </message>
</context>
<context>
    <name>WatchSession</name>
    <message>
        <location filename="../cli/watchsession.cpp" line="39"/>
        <source>the watched folder &apos;%1&apos; is gone</source>
        <translation>監視していたフォルダー &apos;%1&apos; がなくなりました</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="47"/>
        <location filename="../cli/watchsession.cpp" line="70"/>
        <source>cannot watch &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; を監視できません: %2</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="226"/>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <location filename="../cli/watchsession.cpp" line="246"/>
        <source>cannot write the report &apos;%1&apos;: %2</source>
        <translation>レポート &apos;%1&apos; を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>WatermarkEffects</name>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="77"/>
        <source>the SVG picture refers to another file (%1)</source>
        <translation>SVG 画像が別のファイルを参照しています（%1）</translation>
    </message>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="87"/>
        <source>the SVG picture is too tall for its width</source>
        <translation>SVG 画像が幅に対して高すぎます</translation>
    </message>
    <message>
        <location filename="../engine/imageio/logoreader.cpp" line="92"/>
        <source>not a valid SVG picture</source>
        <translation>有効な SVG 画像ではありません</translation>
    </message>
</context>
<context>
    <name>WatermarkJob</name>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="105"/>
        <source>resized</source>
        <translation>サイズ変更</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="107"/>
        <source>written in another format</source>
        <translation>別の形式で書き出し</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="109"/>
        <source>tiled watermark</source>
        <translation>タイル状の透かし</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="130"/>
        <source>converted to sRGB</source>
        <translation>sRGB に変換</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="117"/>
        <source>not a JPEG</source>
        <translation>JPEG ではない</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="124"/>
        <source>too large</source>
        <translation>大きすぎます</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="135"/>
        <source>turned, without metadata</source>
        <translation>回転済み、メタデータなし</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="238"/>
        <source>there is not enough memory to draw the watermark</source>
        <translation>透かしを描くメモリが足りません</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="281"/>
        <source>a WebP picture holds at most %1 pixels a side</source>
        <translation>WebP 画像の1辺は最大 %1 ピクセルです</translation>
    </message>
    <message>
        <location filename="../engine/run/watermarkjob.cpp" line="324"/>
        <source>it would replace a source picture of this run</source>
        <translation>この処理の元画像を置き換えることになります</translation>
    </message>
</context>
</TS>
