<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>main</name>
    <message>
        <source>ゲームの絵が読み込めないため、起動できません。

%1</source>
        <translation>The game&apos;s pictures cannot be loaded, so the game cannot start.

%1</translation>
    </message>
</context>
<context>
    <name>pabrel::desktop::RecordKeeping</name>
    <message>
        <source>記録を見る…</source>
        <translation>See the Records…</translation>
    </message>
    <message>
        <source>記録 - Pabrel</source>
        <translation>Records - Pabrel</translation>
    </message>
</context>
<context>
    <name>pabrel::records::RecordError</name>
    <message>
        <source>記録のファイルがまだありません。</source>
        <translation>There is no records file yet.</translation>
    </message>
    <message>
        <source>記録のファイルが壊れているか、Pabrel の記録ではありません。</source>
        <translation>The records file is damaged, or it does not hold Pabrel&apos;s records.</translation>
    </message>
    <message>
        <source>記録のファイルは新しい版の Pabrel で書かれていて、この版では読み書きできません。</source>
        <translation>The records file was written by a newer version of Pabrel, and this version can neither read nor write it.</translation>
    </message>
    <message>
        <source>記録のファイルに書き込めません。フォルダーかファイルに書き込む権限がないか、ディスクがいっぱいです。</source>
        <translation>The records file cannot be written: there is no permission to write to its folder or to the file, or the disk is full.</translation>
    </message>
    <message>
        <source>記録に使う Qt の SQLite ドライバー（libqt6sql6-sqlite）が入っていません。</source>
        <translation>Qt&apos;s SQLite driver, which the records need (libqt6sql6-sqlite), is not installed.</translation>
    </message>
    <message>
        <source>記録のファイルがほかのプログラムに使われたままで、書き込めません。</source>
        <translation>Another program is still using the records file, so it cannot be written.</translation>
    </message>
    <message>
        <source>%1ファイルはそのまま残し、今回は記録しません。</source>
        <translation>%1 The file is left as it is, and nothing is recorded this time.</translation>
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
</context>
<context>
    <name>pabrel::ui::GameTexts</name>
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
        <translation>Thank you for playing. We look forward to your next challenge!</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ %1</source>
        <translation>Level %1</translation>
    </message>
</context>
<context>
    <name>pabrel::ui::LanguageMenu</name>
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
        <source>音声で読み上げられないため、「聞いて覚える」をオンにできませんでした。
speech-dispatcher が入っていて、声が出せるか確かめてください。</source>
        <translation>“Listen and Remember” could not be switched on, because nothing can be read aloud.
Check that speech-dispatcher is installed and can speak.</translation>
    </message>
    <message>
        <source>音声の読み上げが止まったため、「聞いて覚える」をオフにしました。
この問題の数字は画面に出します。</source>
        <translation>Reading aloud has stopped, so “Listen and Remember” is now off.
This question&apos;s digits will be shown on the screen.</translation>
    </message>
</context>
</TS>
