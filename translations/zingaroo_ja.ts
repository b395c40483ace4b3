<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>%1 版</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 Zingaroo 開発者</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>状態：%1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>プレイ中</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>スコア：%1&#x3000;フェーズ：%2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>最高記録：%1&#x3000;フェーズ：%2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>練習</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>パズル</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>ステップ</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>ゲ ー ム オ ー バ ー ！</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Zingaroo について</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>状態(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>ヒント(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Zingaroo について(&amp;A)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>HTML ヘルプファイルを開きます。</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>よろしいですか？</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>【操作】</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>マウス：マスを指します。</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>キーボード：パドルを置き、障害物を動かします。</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>【キーセット】</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>セット 1：W、R、S、F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>セット 2：U、O、J、L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>セット 3：← キー、→ キー</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>【スコア】</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>得点：1 回跳ね返るごとに 1 点。</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>フェーズ：フィールドのパドルをすべて使うと 1 フェーズ。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>最高記録を消去します。</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>&amp;Width (16-32):</source>
        <translation>幅(&amp;W) (16～32):</translation>
    </message>
    <message>
        <source>&amp;Height (16-32):</source>
        <translation>高さ(&amp;H) (16～32):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (1-1024):</source>
        <translation>最初のパドル数(&amp;F) (1～1024):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (0-1024):</source>
        <translation>パドルの増加数(&amp;P) (0～1024):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (1-1024):</source>
        <translation>パドルの上限(&amp;M) (1～1024):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (10-1000 ms.):</source>
        <translation>速度(&amp;E) (10～1000 ミリ秒):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>ほうきを使う(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>プリセット(&amp;A):</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>マスの大きさ</translation>
    </message>
    <message>
        <source>&amp;Width (18-32):</source>
        <translation>幅(&amp;W) (18～32):</translation>
    </message>
    <message>
        <source>&amp;Height (18-32):</source>
        <translation>高さ(&amp;H) (18～32):</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>実行時</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>サウンドを鳴らす(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>最高記録を今すぐ消去する(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>常に手前に表示する(&amp;S)</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>起動時</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>最高記録を復元する(&amp;R)</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>ウィンドウの位置を復元する(&amp;E)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>すべて既定値</translation>
    </message>
</context>
</TS>
