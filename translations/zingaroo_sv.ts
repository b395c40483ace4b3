<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AppBoardCall</name>
    <message>
        <source>connection refused</source>
        <extracomment>Why the board cannot be reached, after &quot;cannot reach HOST: &quot;.</extracomment>
        <translation>anslutningen nekades</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>värden hittades inte</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>anslutningen stängdes</translation>
    </message>
    <message>
        <source>its certificate is not trusted</source>
        <translation>dess certifikat är inte betrott</translation>
    </message>
    <message>
        <source>no answer in time</source>
        <extracomment>The board did not answer within the time it is given.</extracomment>
        <translation>inget svar i tid</translation>
    </message>
    <message>
        <source>the answer is too large</source>
        <extracomment>The board&apos;s answer is larger than any answer it should give.</extracomment>
        <translation>svaret är för stort</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <extracomment>A page or a game could not be sent to or fetched from the board. %1 is the board&apos;s host name, %2 why (such as &quot;connection refused&quot;).</extracomment>
        <translation>kan inte nå %1: %2</translation>
    </message>
</context>
<context>
    <name>AppBoardReplies</name>
    <message>
        <source>the board answered %1</source>
        <extracomment>Why the board refused a game, when it gave no reason of its own. %1 is a number.</extracomment>
        <translation>topplistan svarade %1</translation>
    </message>
</context>
<context>
    <name>AppBoardSender</name>
    <message>
        <source>the game or the player&apos;s key cannot be read</source>
        <translation>spelet eller spelarnyckeln kan inte läsas</translation>
    </message>
    <message>
        <source>the board&apos;s answer cannot be read</source>
        <extracomment>The board accepted a game but its answer could not be read.</extracomment>
        <translation>topplistans svar kan inte läsas</translation>
    </message>
    <message>
        <source>the board sent the game elsewhere (%1)</source>
        <extracomment>The board answered with a redirect, which is not followed. %1 is where it pointed.</extracomment>
        <translation>topplistan skickade spelet någon annanstans (%1)</translation>
    </message>
</context>
<context>
    <name>AppBoardTexts</name>
    <message>
        <source>%1st</source>
        <extracomment>An ordinal number ending in 1 but not 11: 1st, 21st. %1 is the number.</extracomment>
        <translation>%1:a</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>An ordinal number ending in 2 but not 12: 2nd, 22nd. %1 is the number.</extracomment>
        <translation>%1:a</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>An ordinal number ending in 3 but not 13: 3rd, 23rd. %1 is the number.</extracomment>
        <translation>%1:e</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Any other ordinal number: 4th, 11th, 12th, 13th. %1 is the number.</extracomment>
        <translation>%1:e</translation>
    </message>
    <message>
        <source>Sent: %1 of %2</source>
        <extracomment>Under the field after the day&apos;s game reached the board: its place among the day&apos;s players. %1 is the place as an ordinal (&quot;3rd&quot;), %2 how many are on the board.</extracomment>
        <translation>Skickat: %1 av %2</translation>
    </message>
    <message>
        <source>Queued for the board</source>
        <extracomment>Under the field after the day&apos;s game ended while the board cannot be reached: it will be sent later.</extracomment>
        <translation>I kö till topplistan</translation>
    </message>
    <message>
        <source>Refused by the board: %1</source>
        <extracomment>Under the field when the board refused the day&apos;s game. %1 is the board&apos;s reason.</extracomment>
        <translation>Avvisat av topplistan: %1</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <extracomment>First line of the Status box (the menu item and box title &quot;Status&quot;); %1 is &quot;Playing&quot; or &quot;Not Playing&quot;.</extracomment>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <extracomment>A game is under way: fills &quot;State: %1&quot;.</extracomment>
        <translation>Spel pågår</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <extracomment>No game is under way (title screen or game over): fills &quot;State: %1&quot;.</extracomment>
        <translation>Inget spel pågår</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <extracomment>In the Status box and the game-over text. %1 is the points, %2 the phases reached. The numbers get no plural forms: write each as &quot;label: number&quot; or with an invariable abbreviation. Drawn on a field as narrow as 288 pixels; keep it short.</extracomment>
        <translation>Poäng: %1  Fas: %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <extracomment>The best game so far, written like &quot;Score: %1 pt. %2 ph.&quot; (no plural forms).</extracomment>
        <translation>Rekord: %1  Fas: %2</translation>
    </message>
</context>
<context>
    <name>AppMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <extracomment>Shown when the play options match no preset; agrees in gender and number with the word for preset (&quot;Arrange:&quot;).</extracomment>
        <translation>(Inget)</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>The preset of the usual play options; agrees with the word for preset.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Övning</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Kluring</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Steg för steg</translation>
    </message>
</context>
<context>
    <name>AppProgramTexts</name>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <extracomment>The last sentence of the About text, after the program&apos;s name, system and version.</extracomment>
        <translation>Copyright (C) 2026 Zingaroos utvecklare</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>S p e l e t  ä r  s l u t !</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Press P to go on</source>
        <translation>Tryck på P för att fortsätta</translation>
    </message>
</context>
<context>
    <name>AppReplayOpener</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <extracomment>The box over a replay file that cannot be opened: %1 is the file&apos;s name, %2 why not (as the system words it).</extracomment>
        <translation>Filen ”%1” kan inte läsas: %2.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repris</translation>
    </message>
    <message>
        <source>This replay was recorded under other rules and cannot be shown.</source>
        <translation>Den här reprisen spelades in med andra regler och kan inte visas.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was written by a later version of %2 and cannot be opened.</source>
        <extracomment>%1 is the file&apos;s name, %2 the program&apos;s name.</extracomment>
        <translation>Filen ”%1” skrevs av en senare version av %2 och kan inte öppnas.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a replay of %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the program&apos;s name.</extracomment>
        <translation>Filen ”%1” är ingen repris av %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged and cannot be opened.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Filen ”%1” är skadad och kan inte öppnas.</translation>
    </message>
    <message>
        <source>a folder</source>
        <extracomment>Why a replay file cannot be read: it is a folder.</extracomment>
        <translation>en mapp</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Why a replay file cannot be read: it is a device, a pipe or the like.</extracomment>
        <translation>inte en vanlig fil</translation>
    </message>
</context>
<context>
    <name>AppScoreLine</name>
    <message>
        <source>Score %1 · Phase %2 · Record %3 · Game %4</source>
        <extracomment>The line under the field during a game: its score, its phase, the player&apos;s record score and the game&apos;s number (the number New Numbered Game deals it again with).</extracomment>
        <translation>Poäng %1 · Fas %2 · Rekord %3 · Spel %4</translation>
    </message>
    <message>
        <source>%1 · 1 2 4: speed · P: pause · Esc: leave</source>
        <extracomment>The line under the field during a replay; %1 is &quot;Replay ×N&quot;. The keys 1, 2 and 4 set its speed, P pauses it and Esc leaves it.</extracomment>
        <translation>%1 · 1 2 4: fart · P: paus · Esc: lämna</translation>
    </message>
    <message>
        <source>Paused: press P to go on</source>
        <translation>Paus: tryck på P för att fortsätta</translation>
    </message>
    <message>
        <source>Click the field or press Space to start</source>
        <translation>Klicka på spelplanen eller tryck på blanksteg för att börja</translation>
    </message>
    <message>
        <source>Click the field to start</source>
        <translation>Klicka på spelplanen för att börja</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>After the line under the field during the day&apos;s game (Game › Today&apos;s Game), as the Scores table marks it.</extracomment>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Game over: score %1, phase %2. F2 for a new game</source>
        <extracomment>The line under the field after game over: the final score and phase, and the key of Game › New.</extracomment>
        <translation>Spelet slut: %1 poäng, fas %2. F2 för ett nytt spel</translation>
    </message>
    <message>
        <source>Last game resumed: press P to go on</source>
        <extracomment>The line under the field when the game left at the last exit is back, paused.</extracomment>
        <translation>Senaste spelet återupptaget: tryck på P för att fortsätta</translation>
    </message>
    <message>
        <source>Click to launch, then point at a cell and press %1 or %2 to drop a paddle</source>
        <extracomment>The line under the field while the ball waits. %1 and %2 are the keys that drop a slash and a backslash paddle, as the player&apos;s keyboard labels them (W and R on a US keyboard, Z and R on a French one).</extracomment>
        <translation>Klicka för att skjuta i väg, peka sedan på en ruta och tryck på %1 eller %2 för att lägga ut en racket</translation>
    </message>
    <message>
        <source>Point and press %1 ( / ) or %2 ( \ ): the ball turns on a fresh paddle</source>
        <extracomment>The line under the field in the first phase until the player&apos;s first point ever; %1 and %2 as in &quot;Click to launch, then…&quot;. The ball scores by turning on a fresh paddle.</extracomment>
        <translation>Peka och tryck på %1 ( / ) eller %2 ( \ ): bollen svänger på en ny racket</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <extracomment>The dialog&apos;s title, naming the program as the desktop&apos;s About boxes do.</extracomment>
        <translation>Om Zingaroo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 for %2 Version %3. %4</source>
        <extracomment>The whole About text: %1 is the program&apos;s name, %2 the system it runs on, %3 the version number and %4 the copyright line.</extracomment>
        <translation>%1 för %2, version %3. %4</translation>
    </message>
</context>
<context>
    <name>TBoardDayPage</name>
    <message>
        <source>&amp;Day:</source>
        <extracomment>Picks the day whose board is shown: today&apos;s, or an earlier one.</extracomment>
        <translation>&amp;Dag:</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fas</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <extracomment>Fetches the day&apos;s board again after it could not be fetched.</extracomment>
        <translation>Försök &amp;igen</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <extracomment>Opens the board&apos;s web page of the chosen day in the desktop&apos;s web browser.</extracomment>
        <translation>Öppna i &amp;webbläsaren</translation>
    </message>
    <message>
        <source>No board is set: its address goes on the Board page of the options.</source>
        <extracomment>On the Scores dialog&apos;s Board page when no board is set in the options.</extracomment>
        <translation>Ingen topplista är angiven: dess adress anges på fliken Topplista i inställningarna.</translation>
    </message>
    <message>
        <source>Fetching the board…</source>
        <extracomment>While the day&apos;s board is being fetched.</extracomment>
        <translation>Hämtar topplistan…</translation>
    </message>
    <message>
        <source>the board&apos;s answer cannot be read</source>
        <translation>topplistans svar kan inte läsas</translation>
    </message>
    <message>
        <source>No games on the board for this day yet.</source>
        <translation>Inga spel på topplistan för den här dagen än.</translation>
    </message>
    <message>
        <source>Your game</source>
        <extracomment>Heard through a screen reader and shown on hover: a line of the player&apos;s own.</extracomment>
        <translation>Ditt spel</translation>
    </message>
    <message>
        <source>Fetching the replay…</source>
        <extracomment>While a board game&apos;s replay is being fetched for Watch.</extracomment>
        <translation>Hämtar reprisen…</translation>
    </message>
    <message>
        <source>The board&apos;s replay does not verify: %1</source>
        <translation>Topplistans repris klarar inte kontrollen: %1</translation>
    </message>
</context>
<context>
    <name>TBoardOptionsPage</name>
    <message>
        <source>&amp;Send the day&apos;s games</source>
        <extracomment>Sends each finished day&apos;s game (Game › Today&apos;s Game) to the board. Off until the player turns it on.</extracomment>
        <translation>&amp;Skicka dagens spel</translation>
    </message>
    <message>
        <source>Only the day&apos;s games are sent: the replay, the name shown and a random key that tells your games apart. Nothing is sent or fetched while the address is empty.</source>
        <extracomment>What the board receives, under the fields of the Board page.</extracomment>
        <translation>Bara dagens spel skickas: reprisen, namnet som visas och en slumpmässig nyckel som håller isär dina spel. Inget skickas eller hämtas så länge adressen är tom.</translation>
    </message>
    <message>
        <source>Board &amp;address:</source>
        <extracomment>The web address of the board the day&apos;s games are sent to, such as https://board.example.org</extracomment>
        <translation>Topplistans &amp;adress:</translation>
    </message>
    <message>
        <source>&amp;Name shown:</source>
        <extracomment>The name the board shows beside the player&apos;s games, 1 to 24 characters.</extracomment>
        <translation>&amp;Namn som visas:</translation>
    </message>
    <message>
        <source>The board&apos;s address must begin with http:// or https://.</source>
        <extracomment>Under the board&apos;s address when it is refused.</extracomment>
        <translation>Topplistans adress måste börja med http:// eller https://.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the About dialog; desktops usually name the program here (&quot;About Zingaroo&quot;).</extracomment>
        <translation>&amp;Om Zingaroo</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>The title of the box the Status command shows: the same word as the menu item.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <extracomment>Shown before the help page opens, above &quot;Sure?&quot;: OK opens it, Cancel does not.</extracomment>
        <translation>HTML-hjälpfilen kommer att öppnas.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <extracomment>Asks whether to go on with the action named in the line above.</extracomment>
        <translation>Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Styrning]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <extracomment>Point the mouse at a cell of the field.</extracomment>
        <translation>Mus: peka på en ruta.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <extracomment>Instructions, in the same mood as the line above: a key puts a paddle in the pointed cell or shoves the obstacle there.</extracomment>
        <translation>Tangentbord: sätt ut en racket, flytta ett hinder.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Tangentuppsättningar]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Uppsättning 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Uppsättning 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Uppsättning 3: piltangenterna ← och →</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Poäng]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Poäng: 1 poäng per studs.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <extracomment>A phase is won by clearing every fresh paddle from the field.</extracomment>
        <translation>Fas: 1 fas för alla racketar på spelplanen.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <extracomment>Shown before the record is cleared, above &quot;Sure?&quot;: OK clears it, Cancel keeps it.</extracomment>
        <translation>Rekordet kommer att nollställas.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bekräftelse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>command</comment>
        <extracomment>The command that opens the help page; may differ from the menu&apos;s name.</extracomment>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>S&amp;cores</source>
        <translation>&amp;Poänglista</translation>
    </message>
    <message>
        <source>State: Paused</source>
        <extracomment>The Status box&apos;s first line while a game is paused, worded like &quot;State: %1&quot;.</extracomment>
        <translation>Status: Spelet är pausat</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;us</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Helskärm</translation>
    </message>
    <message>
        <source>New N&amp;umbered Game…</source>
        <extracomment>Asks for a game&apos;s number and deals that game: the same number deals the same game.</extracomment>
        <translation>Nytt spel med nu&amp;mmer…</translation>
    </message>
    <message>
        <source>New Numbered Game</source>
        <extracomment>The title of the box that asks for a game&apos;s number; the menu item without &quot;…&quot;.</extracomment>
        <translation>Nytt spel med nummer</translation>
    </message>
    <message>
        <source>Game number:</source>
        <extracomment>The label of the field where the game&apos;s number is typed.</extracomment>
        <translation>Spelnummer:</translation>
    </message>
    <message>
        <source>The replay went otherwise than recorded, so it was stopped.</source>
        <translation>Reprisen gick inte som den spelades in och stoppades.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repris</translation>
    </message>
    <message>
        <source>This replay was recorded under other rules and cannot be shown.</source>
        <translation>Den här reprisen spelades in med andra regler och kan inte visas.</translation>
    </message>
    <message>
        <source>Replay ×%1</source>
        <extracomment>Shown on the picture and in the window&apos;s title while a game is played back; %1 is its speed (1, 2 or 4: the keys 1, 2 and 4 choose it).</extracomment>
        <translation>Repris ×%1</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Game</source>
        <extracomment>Deals the day&apos;s game: the same for every player on that date, with the Default options.</extracomment>
        <translation>&amp;Dagens spel</translation>
    </message>
    <message>
        <source>Cop&amp;y Game Number</source>
        <extracomment>Puts &quot;Zingaroo game N (options …)&quot; on the clipboard, for passing the game on.</extracomment>
        <translation>&amp;Kopiera spelnummer</translation>
    </message>
    <message>
        <source>A game number is a whole number from %1 to %2.</source>
        <extracomment>%1 and %2 are the lowest and highest game numbers.</extracomment>
        <translation>Ett spelnummer är ett heltal från %1 till %2.</translation>
    </message>
    <message>
        <source>Copied</source>
        <extracomment>Beside the line under the field once Copy Game Number has put the game on the clipboard.</extracomment>
        <translation>Kopierat</translation>
    </message>
</context>
<context>
    <name>TKeysPage</name>
    <message>
        <source>Slash /:</source>
        <translation>Snedstreck /:</translation>
    </message>
    <message>
        <source>Backslash \:</source>
        <translation>Omvänt snedstreck \:</translation>
    </message>
    <message>
        <source>Backslash, or shove left:</source>
        <extracomment>The key puts a backslash paddle, or over an obstacle shoves it one column left.</extracomment>
        <translation>Omvänt snedstreck, eller skjut åt vänster:</translation>
    </message>
    <message>
        <source>Slash, or shove right:</source>
        <extracomment>The key puts a slash paddle, or over an obstacle shoves it one column right.</extracomment>
        <translation>Snedstreck, eller skjut åt höger:</translation>
    </message>
    <message>
        <source>Set %1</source>
        <extracomment>Heads the column of one set of four keys that put the paddles; %1 is 1 or 2.</extracomment>
        <translation>Uppsättning %1</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <extracomment>Puts back the keys in the places of W R S F and U O J L on a US keyboard.</extracomment>
        <translation>&amp;Standardtangenter</translation>
    </message>
    <message>
        <source>Press a key…</source>
        <extracomment>Shown on a key&apos;s button while it waits for the player to press the new key.</extracomment>
        <translation>Tryck på en tangent…</translation>
    </message>
    <message>
        <source>%1 has no place the game can read; the key stays %2.</source>
        <extracomment>%1 is the key pressed, %2 the key kept. The game can only keep keys it reads by their place on the keyboard.</extracomment>
        <translation>Spelet kan inte läsa var %1 sitter; tangenten förblir %2.</translation>
    </message>
    <message>
        <source>%1 is already in use; the key stays %2.</source>
        <extracomment>%1 is the key pressed, %2 the key kept.</extracomment>
        <translation>%1 används redan; tangenten förblir %2.</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>The page of play options (field, paddles, speed), not the verb.</extracomment>
        <translation>Spel</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Bredd (%1–%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Höjd (%1–%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <extracomment>Paddles dealt in the first phase. The range is written with a hyphen in English; an en dash is fine.</extracomment>
        <translation>&amp;Startantal racketar (%1–%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <extracomment>Paddles added to each new phase&apos;s layout.</extracomment>
        <translation>&amp;Rackettillägg (%1–%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <extracomment>The largest number of paddles a phase deals.</extracomment>
        <translation>&amp;Max antal racketar (%1–%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <extracomment>Milliseconds per step of the ball: a smaller number plays faster.</extracomment>
        <translation>Has&amp;tighet (%1–%2 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <extracomment>A standing option: each new phase adds a sweeper to the field.</extracomment>
        <translation>Använd &amp;kvastar</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <extracomment>Labels the list of presets of play options (Default, Original, ...): picking one fills in the fields above.</extracomment>
        <translation>&amp;Förval:</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>The size of one cell of the field, in pixels.</extracomment>
        <translation>Rutstorlek</translation>
    </message>
    <message>
        <source>Running Time</source>
        <extracomment>Options that act while the program runs.</extracomment>
        <translation>Under körning</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Spela ljud</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <extracomment>Clears the record once, after a confirmation, when the dialog closes with OK.</extracomment>
        <translation>&amp;Nollställ rekordet nu</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <extracomment>Keeps the window above the other windows (the desktop&apos;s usual term).</extracomment>
        <translation>&amp;Alltid överst</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <extracomment>Options that act at every start of the program.</extracomment>
        <translation>Vid start</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <extracomment>A standing option, acting at every start: bring back the saved record.</extracomment>
        <translation>Kom ihåg &amp;rekordet</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <extracomment>A standing option, acting at every start: put the window back where it was.</extracomment>
        <translation>Kom ihåg &amp;fönsterpositionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Sets the fields of the page shown to their default values.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>All Def.</source>
        <extracomment>Sets the fields of every page to their default values.</extracomment>
        <translation>Allt till standard</translation>
    </message>
    <message>
        <source>Pause &amp;When Inactive</source>
        <translation>&amp;Pausa i bakgrunden</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>How the field is shown on the screen: its zoom and its colours.</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <extracomment>Each pixel of the field is shown as a block of 1 to 4 pixels across and down.</extracomment>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassiskt</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hög kontrast</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>The look follows the desktop: Dark when its windows are dark, else Classic.</extracomment>
        <translation>Automatiskt</translation>
    </message>
    <message>
        <source>&amp;Keyboard Cursor</source>
        <extracomment>Play from the keyboard alone: the arrow keys move a frame over the field&apos;s cells, the game&apos;s keys act on the framed cell, Space and Enter start and launch.</extracomment>
        <translation>&amp;Tangentbordsmarkör</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tangenter</translation>
    </message>
    <message>
        <source>Automatic</source>
        <comment>zoom</comment>
        <extracomment>The zoom list&apos;s first entry: the zoom that suits the screen, the window taking at most three quarters of it.</extracomment>
        <translation>Automatiskt</translation>
    </message>
    <message>
        <source>×%1 on this screen</source>
        <extracomment>Beside the zoom list: the zoom the window shows on its screen, for Automatic or for a zoom too large for the screen. %1 is a number.</extracomment>
        <translation>×%1 på den här skärmen</translation>
    </message>
    <message>
        <source>L&amp;ook:</source>
        <extracomment>The colours of the field; the entries are the names of the looks.</extracomment>
        <translation>&amp;Utseende:</translation>
    </message>
    <message>
        <source>Score &amp;Line</source>
        <extracomment>A line under the field that says what to do next and shows the score.</extracomment>
        <translation>&amp;Poängrad</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Topplista</translation>
    </message>
</context>
<context>
    <name>TScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Poänglista</translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation>&amp;Tabell:</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Heard only through a screen reader: the name of the Top Ten and History tabs together.</extracomment>
        <translation>Sidor</translation>
    </message>
    <message>
        <source>Top Te&amp;n</source>
        <translation>Bästa ti&amp;o</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historik</translation>
    </message>
    <message>
        <source>&amp;Clear...</source>
        <translation>&amp;Rensa…</translation>
    </message>
    <message>
        <source>Clear the table and its history</source>
        <extracomment>Heard only through a screen reader: what the Clear button does.</extracomment>
        <translation>Rensa tabellen och dess historik</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The column of the points each game scored.</extracomment>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fas</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>The column of each game&apos;s time in play, without pauses, shown as h:mm:ss.</extracomment>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The column of the date and the time each game ended.</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Antal spel:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Speltid:</translation>
    </message>
    <message>
        <source>Average score:</source>
        <translation>Medelpoäng:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Bästa poäng:</translation>
    </message>
    <message>
        <source>Best phase:</source>
        <translation>Bästa fas:</translation>
    </message>
    <message>
        <source>Scores of the last 100 games:</source>
        <translation>Poäng i de senaste 100 spelen:</translation>
    </message>
    <message>
        <source>Custom: %1×%2, paddles %3/%4/%5, speed %6, %7</source>
        <extracomment>The name of a table of scores for options that match no preset: field width and height, the paddles of the first phase, added per phase and at most, the speed, and the sweepers. Shown in the table list and quoted in the Clear confirmation.</extracomment>
        <translation>Egen: %1×%2, racketar %3/%4/%5, hastighet %6, %7</translation>
    </message>
    <message>
        <source>sweepers</source>
        <extracomment>The last item of a Custom table&apos;s name: played with sweepers.</extracomment>
        <translation>med kvastar</translation>
    </message>
    <message>
        <source>no sweepers</source>
        <extracomment>The last item of a Custom table&apos;s name: no sweepers are used.</extracomment>
        <translation>utan kvastar</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bekräftelse</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the Scores dialog. No access key: Escape closes it, and C belongs to Clear.</extracomment>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Clearing the table &quot;%1&quot; and its history.</source>
        <extracomment>%1 is a preset&apos;s name or a Custom table&apos;s name, which has commas in it.</extracomment>
        <translation>Tabellen ”%1” och dess historik kommer att rensas.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <extracomment>Plays the chosen game back in the main window: the selected entry, or on the History page the table&apos;s last game.</extracomment>
        <translation>&amp;Spela upp</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The column of the number that dealt each game (Game &gt; New Numbered Game).</extracomment>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Last game:</source>
        <extracomment>The number of the table&apos;s last game, which Watch plays on this page.</extracomment>
        <translation>Senaste spelet:</translation>
    </message>
    <message>
        <source>No replay is kept for this game.</source>
        <translation>Ingen repris har sparats för det här spelet.</translation>
    </message>
    <message>
        <source>&amp;Save Replay…</source>
        <extracomment>Writes the chosen game&apos;s replay to a file, to pass on or to check with --verify.</extracomment>
        <translation>S&amp;para repris…</translation>
    </message>
    <message>
        <source>Today&apos;s games:</source>
        <extracomment>The player&apos;s best score on each of the last days&apos; games (Game &gt; Today&apos;s Game).</extracomment>
        <translation>Dagens spel:</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Marks the game of the current day (Game &gt; Today&apos;s Game) after its number.</extracomment>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Save Replay</source>
        <extracomment>The title of the file dialog that saves a replay; the button without &quot;…&quot;.</extracomment>
        <translation>Spara repris</translation>
    </message>
    <message>
        <source>Replays (*.zingaroo)</source>
        <extracomment>The file type offered when a replay is saved.</extracomment>
        <translation>Repriser (*.zingaroo)</translation>
    </message>
    <message>
        <source>The replay could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be written.</extracomment>
        <translation>Reprisen kunde inte sparas i ”%1”: %2.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Why a replay could not be saved: the name is a folder, a device or the like.</extracomment>
        <translation>inte en vanlig fil</translation>
    </message>
    <message>
        <source>read-only</source>
        <extracomment>Why a replay could not be saved: the file there may not be written.</extracomment>
        <translation>skrivskyddad</translation>
    </message>
    <message>
        <source>a link to nothing (%1)</source>
        <extracomment>Why a replay could not be saved: the name is a link to a missing file; %1 is the system&apos;s message.</extracomment>
        <translation>en trasig länk (%1)</translation>
    </message>
    <message>
        <source>Day&apos;s game</source>
        <extracomment>Marks the game of an earlier day (Game &gt; Today&apos;s Game) after its number.</extracomment>
        <translation>Dagens spel</translation>
    </message>
    <message>
        <source>B&amp;oard</source>
        <extracomment>The page of the day&apos;s best on the board the day&apos;s games are sent to.</extracomment>
        <translation>Topp&amp;lista</translation>
    </message>
    <message>
        <source>none yet</source>
        <extracomment>On the History page where no day&apos;s game (Game &gt; Today&apos;s Game) was played yet.</extracomment>
        <translation>inga än</translation>
    </message>
</context>
</TS>
