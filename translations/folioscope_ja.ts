<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Cli</name>
    <message>
        <location filename="../src/app/cli_main.cpp" line="64"/>
        <source>make thumbnail pages</source>
        <translation>サムネイルページを作る</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="65"/>
        <source>make a slideshow</source>
        <translation>スライドショーを作る</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="66"/>
        <source>make composite sheets</source>
        <translation>合成画像を作る</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="67"/>
        <source>make resized copies</source>
        <translation>リサイズした複製を作る</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="69"/>
        <source>rewind: move the photos back out of jpg, delete thumbnails and pages</source>
        <translation>巻き戻し：写真を jpg から戻し、サムネイルとページを削除する</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="73"/>
        <source>recover a killed run, then run the job</source>
        <translation>中断された処理を元に戻してから処理する</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="76"/>
        <source>nothing: the settings ask for no job here</source>
        <translation>何もしない：設定がこのフォルダの処理を求めていない</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="78"/>
        <source>refuse: in use by another run</source>
        <translation>拒否：別の処理が使用中</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="80"/>
        <source>refuse: something not ours lies under a name the job uses</source>
        <translation>拒否：処理が使う名前に別のものがある</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="82"/>
        <source>refuse: not a folder</source>
        <translation>拒否：フォルダではない</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="83"/>
        <source>refuse: no photos</source>
        <translation>拒否：写真がない</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="86"/>
        <source> (1 photo)</source>
        <translation>（写真 1 枚）</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="88"/>
        <source> (%1 photos)</source>
        <translation>（写真 %1 枚）</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="111"/>
        <source>Try &apos;folioscope-cli --help&apos;.</source>
        <translation>&apos;folioscope-cli --help&apos; で使い方を表示します。</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="162"/>
        <source>wrote %1 demo photos into %2</source>
        <translation>%2 にデモ写真を %1 枚書き込みました</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="182"/>
        <source>settings: %1</source>
        <translation>設定ファイル：%1</translation>
    </message>
    <message>
        <location filename="../src/app/cli_main.cpp" line="184"/>
        <source>mode: %1</source>
        <translation>モード：%1</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="89"/>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="98"/>
        <source>unknown mode &apos;%1&apos; (thumbnail, slideshow, composite or resize)</source>
        <translation>不明なモード &apos;%1&apos;（thumbnail、slideshow、composite、resize のいずれか）</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="108"/>
        <source>--make-demo needs a folder</source>
        <translation>--make-demo にはフォルダが必要です</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="115"/>
        <source>--make-demo needs a count of at least 1</source>
        <translation>--make-demo の枚数は 1 以上です</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="120"/>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="127"/>
        <source>%1 takes no value</source>
        <translation>%1 は値を取りません</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="133"/>
        <source>no folder given</source>
        <translation>フォルダが指定されていません</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="145"/>
        <source>--set takes Section.Key=Value, not &apos;%1&apos;</source>
        <translation>--set は Section.Key=Value の形です（&apos;%1&apos; ではなく）</translation>
    </message>
    <message>
        <location filename="../src/app/cli_options.cpp" line="160"/>
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
        <location filename="../src/app/cli_host.cpp" line="90"/>
        <source>folder %1/%2  image %3/%4  %5 photos/s</source>
        <translation>フォルダ %1/%2  画像 %3/%4  %5 枚/秒</translation>
    </message>
</context>
</TS>
