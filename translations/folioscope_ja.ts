<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>make thumbnail pages</source>
        <translation>サムネイルページを作る</translation>
    </message>
    <message>
        <source>make a slideshow</source>
        <translation>スライドショーを作る</translation>
    </message>
    <message>
        <source>make composite sheets</source>
        <translation>合成画像を作る</translation>
    </message>
    <message>
        <source>make resized copies</source>
        <translation>リサイズした複製を作る</translation>
    </message>
    <message>
        <source>rewind: move the photos back out of jpg, delete thumbnails and pages</source>
        <translation>巻き戻し：写真を jpg から戻し、サムネイルとページを削除する</translation>
    </message>
    <message>
        <source>recover a killed run, then run the job</source>
        <translation>中断された処理を元に戻してから処理する</translation>
    </message>
    <message>
        <source>nothing: the settings ask for no job here</source>
        <translation>何もしない：設定がこのフォルダの処理を求めていない</translation>
    </message>
    <message>
        <source>refuse: in use by another run</source>
        <translation>拒否：別の処理が使用中</translation>
    </message>
    <message>
        <source>refuse: something not ours lies under a name the job uses</source>
        <translation>拒否：処理が使う名前に別のものがある</translation>
    </message>
    <message>
        <source>refuse: not a folder</source>
        <translation>拒否：フォルダではない</translation>
    </message>
    <message>
        <source>refuse: no photos</source>
        <translation>拒否：写真がない</translation>
    </message>
    <message>
        <source> (1 photo)</source>
        <translation>（写真 1 枚）</translation>
    </message>
    <message>
        <source> (%1 photos)</source>
        <translation>（写真 %1 枚）</translation>
    </message>
    <message>
        <source>Try &apos;folioscope-cli --help&apos;.</source>
        <translation>&apos;folioscope-cli --help&apos; で使い方を表示します。</translation>
    </message>
    <message>
        <source>wrote %1 demo photos into %2</source>
        <translation>%2 にデモ写真を %1 枚書き込みました</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>設定ファイル：%1</translation>
    </message>
    <message>
        <source>mode: %1</source>
        <translation>モード：%1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>unknown mode &apos;%1&apos; (thumbnail, slideshow, composite or resize)</source>
        <translation>不明なモード &apos;%1&apos;（thumbnail、slideshow、composite、resize のいずれか）</translation>
    </message>
    <message>
        <source>--make-demo needs a folder</source>
        <translation>--make-demo にはフォルダが必要です</translation>
    </message>
    <message>
        <source>--make-demo needs a count of at least 1</source>
        <translation>--make-demo の枚数は 1 以上です</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 は値を取りません</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>フォルダが指定されていません</translation>
    </message>
    <message>
        <source>--set takes Section.Key=Value, not &apos;%1&apos;</source>
        <translation>--set は Section.Key=Value の形です（&apos;%1&apos; ではなく）</translation>
    </message>
    <message>
        <source>usage: folioscope-cli [OPTION]... [--] FOLDER...
       folioscope-cli --make-demo FOLDER [COUNT]
       folioscope-cli --list-settings [--ini FILE] [--set Section.Key=Value]...
Runs the job of the settings&apos; mode on each folder, as a drop of those folders
on the window would; status lines of errors go to standard error, the others
to standard output.

  --ini FILE             settings file (default: folioscope.ini beside the
                         program if present, else
                         $XDG_CONFIG_HOME/folioscope/folioscope.ini)
  -m, --mode MODE        thumbnail, slideshow, composite or resize
  --set Section.Key=Value  one setting for this run (repeatable), checked as
                         the options dialog checks it
  --dry-run              say per folder what the run would do; change nothing
  --list-settings        print every key: section, value, default and range
  --make-demo FOLDER [COUNT]  write COUNT generated photos (default 25)
  -q, --quiet            print only the status lines of errors
  -v, --verbose          also print the settings file and the mode
  -V, --version          print the version and end
  -h, --help             print this help and end
  --                     the arguments after it are folders, even those
                         that begin with &apos;-&apos;
An option&apos;s value may also be given as --option=VALUE.
Options never write the settings file. Exit status: 0 done, 1 a folder
failed, 2 ended by SIGTERM or SIGHUP, 64 usage error, 130 Ctrl-C.
</source>
        <translation>使い方: folioscope-cli [オプション]... [--] フォルダ...
       folioscope-cli --make-demo フォルダ [枚数]
       folioscope-cli --list-settings [--ini ファイル] [--set Section.Key=Value]...
各フォルダに設定のモードの処理を行います（ウィンドウにそれらのフォルダを
ドロップしたときと同じ）。エラーのステータス行は標準エラー出力に、
その他は標準出力に出ます。

  --ini ファイル         設定ファイル（既定: プログラムと同じ場所の
                         folioscope.ini があればそれ、なければ
                         $XDG_CONFIG_HOME/folioscope/folioscope.ini）
  -m, --mode モード      thumbnail、slideshow、composite、resize
  --set Section.Key=Value  この実行だけの設定（繰り返し可）。オプション
                         ダイアログと同じ検査を受けます
  --dry-run              フォルダごとに行う処理を表示し、何も変更しない
  --list-settings        全キーのセクション、値、既定値、範囲を表示
  --make-demo フォルダ [枚数]  生成した写真を枚数分書き込む（既定 25）
  -q, --quiet            エラーのステータス行だけを表示
  -v, --verbose          設定ファイルとモードも表示
  -V, --version          バージョンを表示して終了
  -h, --help             この説明を表示して終了
  --                     以降の引数は &apos;-&apos; で始まってもフォルダ
オプションの値は --option=値 の形でも指定できます。
オプションが設定ファイルに書き込むことはありません。終了ステータス:
0 完了、1 失敗したフォルダあり、2 SIGTERM か SIGHUP で終了、
64 使い方の誤り、130 Ctrl-C。
</translation>
    </message>
    <message>
        <source>folder %1/%2  image %3/%4  %5 photos/s</source>
        <translation>フォルダ %1/%2  画像 %3/%4  %5 枚/秒</translation>
    </message>
    <message>
        <source>Cancelled. The folders after this one will not be run.</source>
        <translation>キャンセルされました。次のフォルダ以降中止します。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: folioscope [FOLDER]...
Turns folders of JPEG photos into web pages, a slideshow, contact sheets or
resized copies, as the options of the window say.

With one FOLDER the window runs its job on it, with several it runs them as
one batch, as if they were dropped on it; then it ends without saving.
Without a FOLDER the window opens.

  -h, --help     show this help and exit
      --version  show the version and exit
      --         every argument after it is a folder

For scripts, folioscope-cli runs the same jobs without a window.
</source>
        <translation>使い方: folioscope [フォルダ]...
JPEG写真のフォルダから、ウィンドウのオプション設定に従って、Webページ、
スライドショー、合成画像またはリサイズ画像を作成します。

フォルダが1つなら、ウィンドウはそのフォルダの処理を行い、複数ならドラッグ＆
ドロップしたときと同じく一括で処理します。その後、設定を保存せずに終了します。
フォルダの指定がなければウィンドウを開きます。

  -h, --help     このヘルプを表示して終了
      --version  バージョンを表示して終了
      --         以降の引数はすべてフォルダ

スクリプトからは、folioscope-cli がウィンドウなしで同じ処理を行います。
</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Error: no JPG image files</source>
        <translation>エラー：JPG画像ファイルがありません</translation>
    </message>
    <message>
        <source>No JPG image files</source>
        <translation>JPG画像ファイルがありません</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Finished: nothing was rewound</source>
        <translation>終了：巻き戻しは行われませんでした</translation>
    </message>
    <message>
        <source>Nothing was rewound</source>
        <translation>巻き戻しは行われませんでした</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Finished: the thumbnail HTML was rewound</source>
        <translation>終了：サムネイルHTMLの巻き戻しが行われました</translation>
    </message>
    <message>
        <source>The thumbnail HTML was rewound</source>
        <translation>サムネイルHTMLの巻き戻しが行われました</translation>
    </message>
    <message>
        <source>Finished: no thumbnail HTML was made</source>
        <translation>終了：サムネイルHTMLは作成されませんでした</translation>
    </message>
    <message>
        <source>Finished: thumbnail HTML files made</source>
        <translation>終了：サムネイルHTMLファイル作成完了</translation>
    </message>
    <message>
        <source>Thumbnail HTML files made</source>
        <translation>サムネイルHTMLファイル作成完了</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Finished: thumbnail HTML files made. The lens name or white balance of some images could not be read.</source>
        <translation>終了：サムネイルHTMLファイル作成完了。レンズ名、ホワイトバランスを正しく取得できなかった画像があります。</translation>
    </message>
    <message>
        <source>Thumbnail HTML files made.<byte value="xd"/>
The lens name or white balance<byte value="xd"/>
of some images could not be read.</source>
        <translation>サムネイルHTMLファイル作成完了。<byte value="xd"/>
レンズ名、ホワイトバランスを正しく<byte value="xd"/>
取得できなかった画像があります。</translation>
    </message>
    <message>
        <source>Error: the HTML file already exists</source>
        <translation>エラー：HTMLファイルがすでに存在します</translation>
    </message>
    <message>
        <source>The file already exists</source>
        <translation>ファイルがすでに存在します</translation>
    </message>
    <message>
        <source>Error: an HTML file could not be written</source>
        <translation>エラー：HTMLファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>An HTML file could not be written</source>
        <translation>HTMLファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>Error: the job journal could not be written</source>
        <translation>エラー：作業記録ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>The job journal could not be written</source>
        <translation>作業記録ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>Error: an image file could not be written</source>
        <translation>エラー：画像ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>An image file could not be written</source>
        <translation>画像ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>Finished: slideshow HTML file made</source>
        <translation>終了：スライドショーHTMLファイル作成完了</translation>
    </message>
    <message>
        <source>Slideshow HTML file made</source>
        <translation>スライドショーHTMLファイル作成完了</translation>
    </message>
    <message>
        <source>Finished: composite images made</source>
        <translation>終了：合成画像を作成しました</translation>
    </message>
    <message>
        <source>Image files made</source>
        <translation>画像ファイル作成完了</translation>
    </message>
    <message>
        <source>Error: the composite images could not be made</source>
        <translation>エラー：合成画像作成に失敗しました</translation>
    </message>
    <message>
        <source>The composite images could not be made</source>
        <translation>合成画像作成に失敗しました</translation>
    </message>
    <message>
        <source>Finished: resizing done</source>
        <translation>終了：リサイズ完了</translation>
    </message>
    <message>
        <source>Resizing done</source>
        <translation>リサイズ完了</translation>
    </message>
    <message>
        <source>Finished: files of the same name exist. Some files were not resized</source>
        <translation>終了：同名ファイルが存在します。リサイズされなかったファイルが存在します</translation>
    </message>
    <message>
        <source>Files of the same name exist in the save folder
Some files were not resized</source>
        <translation>保存先に同名ファイルが存在します
リサイズされなかったファイルが存在します</translation>
    </message>
    <message>
        <source>Error: the save folder is the folder of the original images</source>
        <translation>エラー：保存先が元画像のフォルダです</translation>
    </message>
    <message>
        <source>The save folder is the folder of the original images</source>
        <translation>保存先が元画像のフォルダです</translation>
    </message>
    <message>
        <source>Error: the save folder could not be created</source>
        <translation>エラー：保存先フォルダを作成できませんでした</translation>
    </message>
    <message>
        <source>The save folder could not be created</source>
        <translation>保存先フォルダを作成できませんでした</translation>
    </message>
    <message>
        <source>Cancelled: the job was cancelled</source>
        <translation>キャンセル：処理がキャンセルされました</translation>
    </message>
    <message>
        <source>Error: not a folder</source>
        <translation>エラー：フォルダではありません</translation>
    </message>
    <message>
        <source>Recovered: the interrupted thumbnail HTML job was undone</source>
        <translation>復旧：中断されたサムネイルHTML作成を元に戻しました</translation>
    </message>
    <message>
        <source>Recovered: the interrupted rewind was finished</source>
        <translation>復旧：中断された巻き戻しを完了しました</translation>
    </message>
    <message>
        <source>Error: the resized image of some files could not be written</source>
        <translation>エラー：リサイズ画像を書き込めなかったファイルがあります</translation>
    </message>
    <message>
        <source>The resized image of some files could not be written</source>
        <translation>リサイズ画像を書き込めなかったファイルがあります</translation>
    </message>
    <message>
        <source>Error: the composite image is too large</source>
        <translation>エラー：合成画像のサイズが大きすぎます</translation>
    </message>
    <message>
        <source>The composite image is too large</source>
        <translation>合成画像のサイズが大きすぎます</translation>
    </message>
    <message>
        <source>Error: another Folioscope is working on this folder</source>
        <translation>エラー：このフォルダは別のFolioscopeが処理中です</translation>
    </message>
    <message>
        <source>Another Folioscope is working on this folder</source>
        <translation>このフォルダは別のFolioscopeが処理中です</translation>
    </message>
    <message>
        <source>Error: the lock file .folioscope-lock could not be created</source>
        <translation>エラー：ロックファイル .folioscope-lock を作成できませんでした</translation>
    </message>
    <message>
        <source>The lock file .folioscope-lock could not be created</source>
        <translation>ロックファイル .folioscope-lock を作成できませんでした</translation>
    </message>
    <message>
        <source>Error: the job journal .folioscope-journal is damaged. The folder was left untouched</source>
        <translation>エラー：作業記録ファイル .folioscope-journal が壊れています。フォルダには手を付けていません</translation>
    </message>
    <message>
        <source>The job journal .folioscope-journal is damaged.<byte value="xd"/>
The folder was left untouched</source>
        <translation>作業記録ファイル .folioscope-journal が壊れています。<byte value="xd"/>
フォルダには手を付けていません</translation>
    </message>
    <message>
        <source>Error: thum is not a folder (a link or a file cannot be used)</source>
        <translation>エラー：thum がフォルダではありません（リンクやファイルは使えません）</translation>
    </message>
    <message>
        <source>thum is not a folder (a link or a file cannot be used)</source>
        <translation>thum がフォルダではありません（リンクやファイルは使えません）</translation>
    </message>
    <message>
        <source>Error: jpg is not a folder (a link or a file cannot be used)</source>
        <translation>エラー：jpg がフォルダではありません（リンクやファイルは使えません）</translation>
    </message>
    <message>
        <source>jpg is not a folder (a link or a file cannot be used)</source>
        <translation>jpg がフォルダではありません（リンクやファイルは使えません）</translation>
    </message>
    <message>
        <source>Error: slideshow is not a folder (a link or a file cannot be used)</source>
        <translation>エラー：slideshow がフォルダではありません（リンクやファイルは使えません）</translation>
    </message>
    <message>
        <source>slideshow is not a folder (a link or a file cannot be used)</source>
        <translation>slideshow がフォルダではありません（リンクやファイルは使えません）</translation>
    </message>
    <message>
        <source>Error: img is not a folder (a link or a file cannot be used)</source>
        <translation>エラー：img がフォルダではありません（リンクやファイルは使えません）</translation>
    </message>
    <message>
        <source>img is not a folder (a link or a file cannot be used)</source>
        <translation>img がフォルダではありません（リンクやファイルは使えません）</translation>
    </message>
    <message>
        <source>Error: stopped, the folder cannot be written. The photos are in the jpg folder; the next run puts them back</source>
        <translation>エラー：フォルダに書き込めないため中断しました。写真は jpg フォルダにあり、次の実行で元に戻します</translation>
    </message>
    <message>
        <source>Stopped: the folder cannot be written.<byte value="xd"/>
The photos are in the jpg folder; the next run puts them back</source>
        <translation>フォルダに書き込めないため中断しました。<byte value="xd"/>
写真は jpg フォルダにあり、次の実行で元に戻します</translation>
    </message>
    <message>
        <source>Error: the interrupted thumbnail HTML job could not be undone. The photos are in the jpg folder; the next run puts them back</source>
        <translation>エラー：中断されたサムネイルHTML作成を元に戻せませんでした。写真は jpg フォルダにあり、次の実行で元に戻します</translation>
    </message>
    <message>
        <source>The interrupted thumbnail HTML job could not be undone.<byte value="xd"/>
The photos are in the jpg folder; the next run puts them back</source>
        <translation>中断されたサムネイルHTML作成を元に戻せませんでした。<byte value="xd"/>
写真は jpg フォルダにあり、次の実行で元に戻します</translation>
    </message>
</context>
<context>
    <name>StatusDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>folio::gui::AboutDialog</name>
    <message>
        <source>About Folioscope</source>
        <translation>バージョン情報 Folioscope</translation>
    </message>
</context>
<context>
    <name>folio::gui::CaptionCommandsDialog</name>
    <message>
        <source>Command hints</source>
        <translation>コマンドヒント</translation>
    </message>
    <message>
        <source>These are the commands</source>
        <translation>コマンドの一覧です</translation>
    </message>
    <message>
        <source>Copy and paste them to use them</source>
        <translation>コピペしてご使用下さい</translation>
    </message>
    <message>
        <source>Image file no.: %n</source>
        <translation>画像ファイルNo.：%n</translation>
    </message>
    <message>
        <source>Camera maker: %m</source>
        <translation>カメラメーカー名：%m</translation>
    </message>
    <message>
        <source>Camera model: %c</source>
        <translation>カメラモデル名：%c</translation>
    </message>
    <message>
        <source>Image file name: %j</source>
        <translation>画像ファイル名：%j</translation>
    </message>
    <message>
        <source>Date taken: %d</source>
        <translation>撮影日時：%d</translation>
    </message>
    <message>
        <source>Shutter speed: %s s</source>
        <translation>シャッタースピード：%s秒</translation>
    </message>
    <message>
        <source>F-number: %f</source>
        <translation>F値：%f</translation>
    </message>
    <message>
        <source>ISO speed: %i</source>
        <translation>ISO感度：%i</translation>
    </message>
    <message>
        <source>Focal length: %lmm</source>
        <translation>焦点距離：%lmm</translation>
    </message>
    <message>
        <source>Size: %h x %w pixels</source>
        <translation>サイズ：%h×%wピクセル</translation>
    </message>
    <message>
        <source>Exposure mode: %e</source>
        <translation>撮影モード：%e</translation>
    </message>
    <message>
        <source>White balance: %b</source>
        <translation>ホワイトバランス：%b</translation>
    </message>
    <message>
        <source>Exposure compensation: %r</source>
        <translation>露出補正：%r</translation>
    </message>
    <message>
        <source>Flash: %t</source>
        <translation>フラッシュ：%t</translation>
    </message>
    <message>
        <source>Lens: %v</source>
        <translation>レンズ情報：%v</translation>
    </message>
</context>
<context>
    <name>folio::gui::CompositePage</name>
    <message>
        <source>- Size of the images to make (mm x mm)</source>
        <translation>・作成する画像のサイズ（mm×mm）</translation>
    </message>
    <message>
        <source>- Custom height x width in pixels   width</source>
        <translation>・カスタム時の縦×横ピクセル   横</translation>
    </message>
    <message>
        <source>x height</source>
        <translation>×縦</translation>
    </message>
    <message>
        <source>- Number of images to lay out   across</source>
        <translation>・配置する画像ファイル個数   横</translation>
    </message>
    <message>
        <source>Also leave a margin at the edges</source>
        <translation>ふちにも余白をつける</translation>
    </message>
    <message>
        <source>- Margin size</source>
        <translation>・余白のサイズ</translation>
    </message>
    <message>
        <source>- Background colour</source>
        <translation>・背景色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Change the aspect ratio of the images when shrinking</source>
        <translation>画像のアスペクト比を変更して縮小する</translation>
    </message>
    <message>
        <source>- Quality of the JPG files to make</source>
        <translation>・作成するJPGファイルの品質</translation>
    </message>
    <message>
        <source>Use a cell</source>
        <translation>縦横長さ</translation>
    </message>
    <message>
        <source>times the size  position: X</source>
        <translation>倍のコマを使用&#x3000;位置：X</translation>
    </message>
    <message>
        <source>Embed a title</source>
        <translation>タイトル文字を埋め込む</translation>
    </message>
    <message>
        <source>- Position</source>
        <translation>・位置</translation>
    </message>
    <message>
        <source>- Text colour  red</source>
        <translation>・文字の色  赤</translation>
    </message>
    <message>
        <source>- Title text</source>
        <translation>・タイトル文章</translation>
    </message>
    <message>
        <source>Use the space of two images</source>
        <translation>画像2枚分使う</translation>
    </message>
    <message>
        <source>- Font size</source>
        <translation>・フォントサイズ</translation>
    </message>
</context>
<context>
    <name>folio::gui::FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>フォルダの選択</translation>
    </message>
</context>
<context>
    <name>folio::gui::MainWindow</name>
    <message>
        <source>Drag and drop a folder of images here</source>
        <translation>画像の入ったフォルダをここにドラッグ＆ドロップ</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Execute</source>
        <translation>実行(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About Folioscope...</source>
        <translation>バージョン情報 Folioscope(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Please drag and drop a folder</source>
        <translation>フォルダをドラッグ＆ドロップしてください</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Please choose a folder</source>
        <translation>フォルダを指定してください</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>folio::gui::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション設定</translation>
    </message>
    <message>
        <source>Make thumbnail HTML</source>
        <translation>サムネイルHTML作成</translation>
    </message>
    <message>
        <source>Make slideshow HTML</source>
        <translation>スライドショーHTML作成</translation>
    </message>
    <message>
        <source>Make composite images</source>
        <translation>合成画像作成</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>リサイズ</translation>
    </message>
    <message>
        <source>- Sort by keyword</source>
        <translation>・キーワードで並び順をソート</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>メーカー</translation>
    </message>
    <message>
        <source>Camera model</source>
        <translation>カメラモデル</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <source>Shutter speed</source>
        <translation>シャッタースピード</translation>
    </message>
    <message>
        <source>F-number</source>
        <translation>F値</translation>
    </message>
    <message>
        <source>ISO speed</source>
        <translation>ISO感度</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>焦点距離</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>レンズ情報</translation>
    </message>
    <message>
        <source>Sort in reverse order</source>
        <translation>逆順でソート</translation>
    </message>
    <message>
        <source>Drag &amp;&amp; drop only takes the folder, without running the job</source>
        <translation>D&amp;&amp;Dはフォルダ取得のみで処理は行わない</translation>
    </message>
    <message>
        <source>Close the status dialog when the job is done</source>
        <translation>処理完了時にステータスダイアログを閉じる</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>スライドショー</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>合成画像</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>folio::gui::ResizePage</name>
    <message>
        <source>- Save folder name (%s: the original folder)</source>
        <translation>・保存フォルダ名(%s：元フォルダ)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>- How to resize</source>
        <translation>・リサイズ方法</translation>
    </message>
    <message>
        <source>Give the long side in pixels (aspect ratio kept)</source>
        <translation>長いほうのピクセルサイズを指定(アスペクト比固定)</translation>
    </message>
    <message>
        <source>Give the size as a ratio  width</source>
        <translation>サイズを比率で指定&#x3000;横</translation>
    </message>
    <message>
        <source>Give width and height  width</source>
        <translation>縦横を指定&#x3000;横</translation>
    </message>
    <message>
        <source>%  height</source>
        <translation>%&#x3000;縦</translation>
    </message>
    <message>
        <source>height</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>- JPG quality of the resized images</source>
        <translation>・リサイズ画像のJPG品質</translation>
    </message>
    <message>
        <source>Keep the Exif data</source>
        <translation>Exif情報を残す</translation>
    </message>
    <message>
        <source>Overwrite a file of the same name in the save folder</source>
        <translation>保存先に同名ファイルがあれば上書きする</translation>
    </message>
    <message>
        <source>Turn the images as their orientation tag says</source>
        <translation>画像の回転タグに合わせて画像を回転させる</translation>
    </message>
</context>
<context>
    <name>folio::gui::SlideshowPage</name>
    <message>
        <source>- Slideshow interval (ms)</source>
        <translation>・スライドショー切り替え速度(ms)</translation>
    </message>
    <message>
        <source>- Long side of the display images</source>
        <translation>・表示用画像の長辺サイズ</translation>
    </message>
    <message>
        <source>- Text at the top of the page (HTML tags allowed)</source>
        <translation>・ページのトップに文章を表示（HTMLタグが使用可能）</translation>
    </message>
</context>
<context>
    <name>folio::gui::StatusDialog</name>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Cancelled. The folders after this one will not be run.</source>
        <translation>キャンセルされました。次のフォルダ以降中止します。</translation>
    </message>
</context>
<context>
    <name>folio::gui::ThumbnailPage</name>
    <message>
        <source>Make pages or rewind, in turn</source>
        <translation>相互に処理を行う</translation>
    </message>
    <message>
        <source>Only make the HTML</source>
        <translation>HTMLの作成のみ行う</translation>
    </message>
    <message>
        <source>Only rewind</source>
        <translation>巻き戻しのみ行う</translation>
    </message>
    <message>
        <source>- Images per page</source>
        <translation>・1ページで表示する画像の数</translation>
    </message>
    <message>
        <source>- Link columns</source>
        <translation>・リンクの列数</translation>
    </message>
    <message>
        <source>- Long side of the thumbnails</source>
        <translation>・サムネイル画像の長辺サイズ</translation>
    </message>
    <message>
        <source>- Image columns</source>
        <translation>・画像ファイルの列数</translation>
    </message>
    <message>
        <source>- HTML title (%n shows the page number)</source>
        <translation>・HTMLのタイトル(%nでページ数表示)</translation>
    </message>
    <message>
        <source>Make a page for each sort keyword (not for random or file name)</source>
        <translation>ソートキーワードごとのページを作成する(ランダム、ファイル名は未対応)</translation>
    </message>
    <message>
        <source>- Text at the top of the page (HTML tags allowed; %n shows the page number)</source>
        <translation>・ページのトップに文章を表示（HTMLタグが使用可能。%nでページ数表示）</translation>
    </message>
    <message>
        <source>- Exif information shown below each thumbnail</source>
        <translation>・サムネイル画像の下に表示するExif情報編集</translation>
    </message>
    <message>
        <source>Show commands</source>
        <translation>コマンド表示</translation>
    </message>
    <message>
        <source>Do not make reduced images for the thumbnails</source>
        <translation>サムネイル用縮小画像を作成しない</translation>
    </message>
    <message>
        <source>Do not link to the original images</source>
        <translation>元画像へのリンクを貼らない</translation>
    </message>
    <message>
        <source>Make a top HTML when several folders are dropped</source>
        <translation>複数フォルダをD&amp;&amp;DのときにトップHTMLを作成する</translation>
    </message>
    <message>
        <source>Left width</source>
        <translation>左幅</translation>
    </message>
    <message>
        <source>Turn the thumbnails as their orientation tag says</source>
        <translation>回転タグに合わせてサムネイルを回転する</translation>
    </message>
    <message>
        <source>Write the classic pages (no default style, no phone layout)</source>
        <translation>クラシックページを作成する（標準スタイル・スマートフォン表示なし）</translation>
    </message>
</context>
</TS>
