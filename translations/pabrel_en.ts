<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Summary</name>
    <message>
        <source>まだ記録がありません。</source>
        <translation>No rounds are recorded yet.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>ゲームの絵が読み込めないため、起動できません。

%1</source>
        <translation>The game’s pictures could not be loaded, so it cannot start.

%1</translation>
    </message>
    <message>
        <source>%1 に書き出せませんでした（%2）</source>
        <translation>Could not export to %1 (%2)</translation>
    </message>
</context>
<context>
    <name>pabrel::app::CommandLine</name>
    <message>
        <source>このヘルプを表示して終了します。</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>バージョンを表示して終了します。</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>記録の画面だけを開きます。</source>
        <translation>Open only the records window.</translation>
    </message>
    <message>
        <source>記録を読み書きせずに遊びます。</source>
        <translation>Play without reading or writing records.</translation>
    </message>
    <message>
        <source>Pabrel（記憶ゲーム）: 一瞬だけ表示される数字の列を覚えて、入力するゲームです。
オプションを付けずに起動すると、ゲームの画面が開きます。</source>
        <translation>Pabrel, a memory game: a row of digits flashes for a moment;
type it back from memory. Started without options, it opens the game&apos;s
window.</translation>
    </message>
    <message>
        <source>予期しない引数 &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--records、--export-csv、--summary、--no-records は同時に使えません</source>
        <translation>--records, --export-csv, --summary and --no-records cannot be combined</translation>
    </message>
    <message>
        <source>--lang の言語 &apos;%1&apos; は使えません（ja か en）</source>
        <translation>unknown language &apos;%1&apos; for --lang (ja or en)</translation>
    </message>
    <message>
        <source>詳しくは &apos;%1 --help&apos; を見てください。</source>
        <translation>Try &apos;%1 --help&apos; for more information.</translation>
    </message>
    <message>
        <source>すべての回を CSV で &lt;file&gt; に書き出して終了します（- なら標準出力）。</source>
        <translation>Write every recorded round as CSV to &lt;file&gt; (- for standard output) and exit.</translation>
    </message>
    <message>
        <source>記録の要約（回数、正解率、最高レベル、記憶スパン、レベルごとの成績）を表示して終了します。</source>
        <translation>Print the records in brief (rounds, accuracy, highest level reached, digit span, each level) and exit.</translation>
    </message>
    <message>
        <source>「聞いて覚える」で遊びます（数字は1秒に1つずつ読み上げ）。次回も続きます。</source>
        <translation>Play in the listening mode (Listen and Remember, 聞いて覚える): the digits are spoken, one a second, instead of being shown; remembered for the next start.</translation>
    </message>
    <message>
        <source>ゲームの言語を &lt;language&gt; にします: ja（日本語）か en（英語）。次回も続きます。指定がなければ、前に選んだ言語か、デスクトップの言語です。</source>
        <translation>Show the game in &lt;language&gt;: ja (Japanese) or en (English); remembered for the next start. Without it, the language last chosen, or else the desktop&apos;s.</translation>
    </message>
    <message>
        <source>答え方を &lt;order&gt; にします: forward（そのまま）、backward（逆から）、ascending（小さい順）。答え方ごとにレベルがあります。次回も続きます。</source>
        <translation>Answer in &lt;order&gt;: forward (as shown), backward (last digit first) or ascending (smallest first); each order has its own level. Remembered for the next start.</translation>
    </message>
    <message>
        <source>--order の答え方 &apos;%1&apos; は使えません（forward、backward、ascending）</source>
        <translation>unknown order &apos;%1&apos; for --order (forward, backward or ascending)</translation>
    </message>
</context>
<context>
    <name>pabrel::desktop::RecordKeeping</name>
    <message>
        <source>記録を見る…</source>
        <translation>View Records…</translation>
    </message>
    <message>
        <source>記録 - Pabrel</source>
        <translation>Records - Pabrel</translation>
    </message>
</context>
<context>
    <name>pabrel::desktop::RecordsWindow</name>
    <message>
        <source>記録 - Pabrel</source>
        <translation>Records - Pabrel</translation>
    </message>
    <message>
        <source>記録を消す…</source>
        <translation>Erase Records…</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>遊んだ回数</source>
        <translation>Rounds played</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Rounds</translation>
    </message>
    <message>
        <source>読み込んでいます…</source>
        <translation>Loading records…</translation>
    </message>
    <message>
        <source>まだ記録がありません</source>
        <translation>No records yet</translation>
    </message>
    <message>
        <source>%1桁</source>
        <translation>%1 digits</translation>
    </message>
    <message numerus="yes">
        <source>%n回分の記録を書き出しました。

%1</source>
        <translation>
            <numerusform>Exported %n round.

%1</numerusform>
            <numerusform>Exported %n rounds.

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n回分の記録をすべて消します。元には戻せません。</source>
        <translation>
            <numerusform>The only recorded round will be erased. This cannot be undone.</numerusform>
            <numerusform>All %n rounds will be erased. This cannot be undone.</numerusform>
        </translation>
    </message>
    <message>
        <source>消す</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>記憶スパン（直近7日間）</source>
        <translation>Digit span (last 7 days)</translation>
    </message>
    <message>
        <source>その前の7日間</source>
        <translation>Previous 7 days</translation>
    </message>
    <message>
        <source>この桁数の数字の列なら、だいたい半分は正しく答えられる、という長さです。
±は推定の幅です。本当の値は、およそ3回に2回この幅の中にあります。
遊ぶ回数が増えるほど幅は狭くなり、推定は確かになります。</source>
        <translation>Rows of this many digits are the ones you get right about half the time.
The ± is how far the estimate may be off: about two times in three, your true span lies within it.
The more you play, the narrower it gets and the surer the figure.</translation>
    </message>
    <message>
        <source>画面に出た数字</source>
        <translation>Digits shown</translation>
    </message>
    <message>
        <source>読み上げた数字</source>
        <translation>Digits read aloud</translation>
    </message>
    <message>
        <source>記憶スパンの対象</source>
        <translation>Rounds counted in the digit span</translation>
    </message>
    <message>
        <source>回数が足りません（%1回）</source>
        <translation>Not enough rounds (%1 played)</translation>
    </message>
    <message>
        <source>CSV に書き出す…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message>
        <source>到達した最高レベル</source>
        <translation>Highest level reached</translation>
    </message>
    <message>
        <source>正解した最長の桁数</source>
        <translation>Longest correct answer</translation>
    </message>
    <message>
        <source>%1桁（±%2）</source>
        <translation>%1 digits (±%2)</translation>
    </message>
    <message>
        <source>%1桁以上</source>
        <translation>%1 digits or more</translation>
    </message>
    <message>
        <source>%1桁以下</source>
        <translation>%1 digits or fewer</translation>
    </message>
    <message>
        <source>%L1回</source>
        <translation>%L1</translation>
    </message>
    <message>
        <source>CSV に書き出す</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>書き出せませんでした（%1）。

%2</source>
        <translation>Could not export: %1

%2</translation>
    </message>
</context>
<context>
    <name>pabrel::desktop::SpanChart</name>
    <message>
        <source>記憶スパンの移り変わり</source>
        <translation>Digit span over time</translation>
    </message>
    <message>
        <source>桁数</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>各回の桁数</source>
        <translation>Digits per round</translation>
    </message>
    <message>
        <source>記憶スパン</source>
        <translation>Digit span</translation>
    </message>
    <message>
        <source>範囲外（%1桁以上・%2桁以下）</source>
        <translation>Off the scale (%1+ or %2 or fewer digits)</translation>
    </message>
    <message>
        <source>MM/dd hh:mm</source>
        <extracomment>The chart&apos;s dates with the hour, in QDateTime&apos;s format.</extracomment>
        <translation>d MMM HH:mm</translation>
    </message>
    <message>
        <source>yyyy/MM/dd</source>
        <extracomment>The chart&apos;s dates, in QDateTime&apos;s format.</extracomment>
        <translation>d MMM yyyy</translation>
    </message>
</context>
<context>
    <name>pabrel::records::RecordError</name>
    <message>
        <source>記録に使う Qt の SQLite ドライバー（libqt6sql6-sqlite）が入っていません。</source>
        <translation>Qt’s SQLite driver (libqt6sql6-sqlite), which the records need, is not installed.</translation>
    </message>
    <message>
        <source>記録ファイルがまだありません。</source>
        <translation>There is no records file yet.</translation>
    </message>
    <message>
        <source>記録ファイルが壊れているか、Pabrel の記録ファイルではありません。</source>
        <translation>The records file is damaged or is not a Pabrel records file.</translation>
    </message>
    <message>
        <source>記録ファイルは新しいバージョンの Pabrel で書かれていて、このバージョンでは読み書きできません。</source>
        <translation>The records file was written by a newer version of Pabrel; this version cannot read or write it.</translation>
    </message>
    <message>
        <source>記録ファイルに書き込めません。フォルダーかファイルに書き込む権限がないか、ディスクがいっぱいになっている可能性があります。</source>
        <translation>Cannot write to the records file: you may not have permission to write to the file or its folder, or the disk may be full.</translation>
    </message>
    <message>
        <source>ほかのプログラムが記録ファイルを使用中のため、書き込めません。</source>
        <translation>Cannot write to the records file: another program is using it.</translation>
    </message>
    <message>
        <source>%1ファイルには手を加えていません。</source>
        <translation>%1 The file has not been changed.</translation>
    </message>
    <message>
        <source>%1ファイルには手を加えず、Pabrel を起動し直すまで記録しません。</source>
        <translation>%1 The file has not been changed; no rounds will be recorded until Pabrel is restarted.</translation>
    </message>
</context>
<context>
    <name>pabrel::ui::Form1</name>
    <message>
        <source>%1桁目の数字</source>
        <translation>Digit %1</translation>
    </message>
    <message>
        <source>状況</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>説明の絵</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>おわる</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>答え方：%1</source>
        <translation>Answer order: %1</translation>
    </message>
</context>
<context>
    <name>pabrel::ui::LanguageSwitch</name>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>pabrel::ui::ListeningMode</name>
    <message>
        <source>聞いて覚える</source>
        <translation>Listen and Remember</translation>
    </message>
    <message>
        <source>音声の読み上げが止まったため、「聞いて覚える」をオフにしました。</source>
        <translation>Speech has stopped, so “Listen and Remember” has been turned off.</translation>
    </message>
    <message>
        <source>音声で読み上げられないため、「聞いて覚える」をオンにできませんでした。
speech-dispatcher が入っていて、音声が出るか確かめてください。</source>
        <translation>“Listen and Remember” could not be turned on: the digits cannot be read aloud.
Check that speech-dispatcher is installed and can speak.</translation>
    </message>
    <message>
        <source>詳細: %1</source>
        <translation>Details: %1</translation>
    </message>
    <message>
        <source>この回の数字は画面に表示します。</source>
        <translation>This round’s digits will be shown on screen.</translation>
    </message>
</context>
<context>
    <name>pabrel::words</name>
    <message>
        <source>ﾚﾍﾞﾙ %1</source>
        <extracomment>The status between rounds; %1 is the level&apos;s number.</extracomment>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>正解！</source>
        <translation>Correct!</translation>
    </message>
    <message>
        <source>残念！</source>
        <translation>Too bad!</translation>
    </message>
    <message>
        <source>またの挑戦ををお待ちしております。</source>
        <translation>We look forward to your next attempt!</translation>
    </message>
    <message>
        <source>そのまま</source>
        <extracomment>The answer orders, as the menu, the title and the records name them.</extracomment>
        <translation>As Shown</translation>
    </message>
    <message>
        <source>逆から</source>
        <translation>Backwards</translation>
    </message>
    <message>
        <source>小さい順</source>
        <translation>Smallest First</translation>
    </message>
    <message>
        <source>答え方</source>
        <extracomment>The choice of answer order, as the menu and the records name it.</extracomment>
        <translation>Answer Order</translation>
    </message>
</context>
</TS>
