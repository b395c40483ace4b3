<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AppBoardCall</name>
    <message>
        <source>connection refused</source>
        <extracomment>Why the board cannot be reached, after &quot;cannot reach HOST: &quot;.</extracomment>
        <translation>з’єднання відхилено</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>вузол не знайдено</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>з’єднання було закрито</translation>
    </message>
    <message>
        <source>its certificate is not trusted</source>
        <translation>його сертифікату немає довіри</translation>
    </message>
    <message>
        <source>no answer in time</source>
        <extracomment>The board did not answer within the time it is given.</extracomment>
        <translation>немає відповіді вчасно</translation>
    </message>
    <message>
        <source>the answer is too large</source>
        <extracomment>The board&apos;s answer is larger than any answer it should give.</extracomment>
        <translation>відповідь завелика</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <extracomment>A page or a game could not be sent to or fetched from the board. %1 is the board&apos;s host name, %2 why (such as &quot;connection refused&quot;).</extracomment>
        <translation>не вдається зв’язатися з %1: %2</translation>
    </message>
</context>
<context>
    <name>AppBoardReplies</name>
    <message>
        <source>the board answered %1</source>
        <extracomment>Why the board refused a game, when it gave no reason of its own. %1 is a number.</extracomment>
        <translation>рейтинг відповів %1</translation>
    </message>
</context>
<context>
    <name>AppBoardSender</name>
    <message>
        <source>the game or the player&apos;s key cannot be read</source>
        <translation>не вдається прочитати гру або ключ гравця</translation>
    </message>
    <message>
        <source>the board&apos;s answer cannot be read</source>
        <extracomment>The board accepted a game but its answer could not be read.</extracomment>
        <translation>не вдається прочитати відповідь рейтингу</translation>
    </message>
    <message>
        <source>the board sent the game elsewhere (%1)</source>
        <extracomment>The board answered with a redirect, which is not followed. %1 is where it pointed.</extracomment>
        <translation>рейтинг надіслав гру в інше місце (%1)</translation>
    </message>
</context>
<context>
    <name>AppBoardTexts</name>
    <message>
        <source>%1st</source>
        <extracomment>An ordinal number ending in 1 but not 11: 1st, 21st. %1 is the number.</extracomment>
        <translation>%1-е</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>An ordinal number ending in 2 but not 12: 2nd, 22nd. %1 is the number.</extracomment>
        <translation>%1-е</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>An ordinal number ending in 3 but not 13: 3rd, 23rd. %1 is the number.</extracomment>
        <translation>%1-е</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Any other ordinal number: 4th, 11th, 12th, 13th. %1 is the number.</extracomment>
        <translation>%1-е</translation>
    </message>
    <message>
        <source>Sent: %1 of %2</source>
        <extracomment>Under the field after the day&apos;s game reached the board: its place among the day&apos;s players. %1 is the place as an ordinal (&quot;3rd&quot;), %2 how many are on the board.</extracomment>
        <translation>Надіслано: %1 місце з %2</translation>
    </message>
    <message>
        <source>Queued for the board</source>
        <extracomment>Under the field after the day&apos;s game ended while the board cannot be reached: it will be sent later.</extracomment>
        <translation>У черзі на надсилання до рейтингу</translation>
    </message>
    <message>
        <source>Refused by the board: %1</source>
        <extracomment>Under the field when the board refused the day&apos;s game. %1 is the board&apos;s reason.</extracomment>
        <translation>Відхилено рейтингом: %1</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <extracomment>First line of the Status box (the menu item and box title &quot;Status&quot;); %1 is &quot;Playing&quot; or &quot;Not Playing&quot;.</extracomment>
        <translation>Стан: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <extracomment>A game is under way: fills &quot;State: %1&quot;.</extracomment>
        <translation>Гра триває</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <extracomment>No game is under way (title screen or game over): fills &quot;State: %1&quot;.</extracomment>
        <translation>Гра не триває</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <extracomment>In the Status box and the game-over text. %1 is the points, %2 the phases reached. The numbers get no plural forms: write each as &quot;label: number&quot; or with an invariable abbreviation. Drawn on a field as narrow as 288 pixels; keep it short.</extracomment>
        <translation>Рахунок: %1  Фаза: %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <extracomment>The best game so far, written like &quot;Score: %1 pt. %2 ph.&quot; (no plural forms).</extracomment>
        <translation>Рекорд: %1  Фаза: %2</translation>
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
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <extracomment>Shown when the play options match no preset; agrees in gender and number with the word for preset (&quot;Arrange:&quot;).</extracomment>
        <translation>(Немає)</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>The preset of the usual play options; agrees with the word for preset.</extracomment>
        <translation>Типовий</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригінальний</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Тренування</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Головоломка</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Сходинки</translation>
    </message>
</context>
<context>
    <name>AppProgramTexts</name>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <extracomment>The last sentence of the About text, after the program&apos;s name, system and version.</extracomment>
        <translation>Copyright (C) 2026 розробники Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>Г р у  з а к і н ч е н о !</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Press P to go on</source>
        <translation>Натисніть P, щоб продовжити</translation>
    </message>
</context>
<context>
    <name>AppReplayOpener</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <extracomment>The box over a replay file that cannot be opened: %1 is the file&apos;s name, %2 why not (as the system words it).</extracomment>
        <translation>Не вдається прочитати файл «%1»: %2.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>This replay was recorded under other rules and cannot be shown.</source>
        <translation>Цей повтор записано за іншими правилами, і його не можна показати.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was written by a later version of %2 and cannot be opened.</source>
        <extracomment>%1 is the file&apos;s name, %2 the program&apos;s name.</extracomment>
        <translation>Файл «%1» записано новішою версією %2, його не можна відкрити.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a replay of %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the program&apos;s name.</extracomment>
        <translation>Файл «%1» не є повтором %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged and cannot be opened.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Файл «%1» пошкоджено, його не можна відкрити.</translation>
    </message>
    <message>
        <source>a folder</source>
        <extracomment>Why a replay file cannot be read: it is a folder.</extracomment>
        <translation>це тека</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Why a replay file cannot be read: it is a device, a pipe or the like.</extracomment>
        <translation>це не звичайний файл</translation>
    </message>
</context>
<context>
    <name>AppScoreLine</name>
    <message>
        <source>Score %1 · Phase %2 · Record %3 · Game %4</source>
        <extracomment>The line under the field during a game: its score, its phase, the player&apos;s record score and the game&apos;s number (the number New Numbered Game deals it again with).</extracomment>
        <translation>Рахунок %1 · Фаза %2 · Рекорд %3 · Гра %4</translation>
    </message>
    <message>
        <source>%1 · 1 2 4: speed · P: pause · Esc: leave</source>
        <extracomment>The line under the field during a replay; %1 is &quot;Replay ×N&quot;. The keys 1, 2 and 4 set its speed, P pauses it and Esc leaves it.</extracomment>
        <translation>%1 · 1 2 4: швидкість · P: пауза · Esc: вихід</translation>
    </message>
    <message>
        <source>Paused: press P to go on</source>
        <translation>Пауза: натисніть P, щоб продовжити</translation>
    </message>
    <message>
        <source>Click the field or press Space to start</source>
        <translation>Клацніть по полю або натисніть Пробіл, щоб почати</translation>
    </message>
    <message>
        <source>Click the field to start</source>
        <translation>Клацніть по полю, щоб почати</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>After the line under the field during the day&apos;s game (Game › Today&apos;s Game), as the Scores table marks it.</extracomment>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Game over: score %1, phase %2. F2 for a new game</source>
        <extracomment>The line under the field after game over: the final score and phase, and the key of Game › New.</extracomment>
        <translation>Гру закінчено: %1 оч., фаза %2. F2 — нова гра</translation>
    </message>
    <message>
        <source>Last game resumed: press P to go on</source>
        <extracomment>The line under the field when the game left at the last exit is back, paused.</extracomment>
        <translation>Останню гру продовжено: натисніть P, щоб продовжити</translation>
    </message>
    <message>
        <source>Click to launch, then point at a cell and press %1 or %2 to drop a paddle</source>
        <extracomment>The line under the field while the ball waits. %1 and %2 are the keys that drop a slash and a backslash paddle, as the player&apos;s keyboard labels them (W and R on a US keyboard, Z and R on a French one).</extracomment>
        <translation>Клацніть для запуску, потім наведіть на клітинку й натисніть %1 або %2, щоб поставити ракетку</translation>
    </message>
    <message>
        <source>Point and press %1 ( / ) or %2 ( \ ): the ball turns on a fresh paddle</source>
        <extracomment>The line under the field in the first phase until the player&apos;s first point ever; %1 and %2 as in &quot;Click to launch, then…&quot;. The ball scores by turning on a fresh paddle.</extracomment>
        <translation>Наведіть і натисніть %1 ( / ) або %2 ( \ ): м’яч повертає на свіжій ракетці</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <extracomment>The dialog&apos;s title, naming the program as the desktop&apos;s About boxes do.</extracomment>
        <translation>Про Zingaroo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 for %2 Version %3. %4</source>
        <extracomment>The whole About text: %1 is the program&apos;s name, %2 the system it runs on, %3 the version number and %4 the copyright line.</extracomment>
        <translation>%1 для %2, версія %3. %4</translation>
    </message>
</context>
<context>
    <name>TBoardDayPage</name>
    <message>
        <source>&amp;Day:</source>
        <extracomment>Picks the day whose board is shown: today&apos;s, or an earlier one.</extracomment>
        <translation>&amp;День:</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Місце</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Фаза</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <extracomment>Fetches the day&apos;s board again after it could not be fetched.</extracomment>
        <translation>Спробувати &amp;ще</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <extracomment>Opens the board&apos;s web page of the chosen day in the desktop&apos;s web browser.</extracomment>
        <translation>Відкрити в &amp;браузері</translation>
    </message>
    <message>
        <source>No board is set: its address goes on the Board page of the options.</source>
        <extracomment>On the Scores dialog&apos;s Board page when no board is set in the options.</extracomment>
        <translation>Рейтинг не задано: його адреса вказується на вкладці «Рейтинг» у параметрах.</translation>
    </message>
    <message>
        <source>Fetching the board…</source>
        <extracomment>While the day&apos;s board is being fetched.</extracomment>
        <translation>Завантаження рейтингу…</translation>
    </message>
    <message>
        <source>the board&apos;s answer cannot be read</source>
        <translation>не вдається прочитати відповідь рейтингу</translation>
    </message>
    <message>
        <source>No games on the board for this day yet.</source>
        <translation>За цей день у рейтингу ще немає ігор.</translation>
    </message>
    <message>
        <source>Your game</source>
        <extracomment>Heard through a screen reader and shown on hover: a line of the player&apos;s own.</extracomment>
        <translation>Ваша гра</translation>
    </message>
    <message>
        <source>Fetching the replay…</source>
        <extracomment>While a board game&apos;s replay is being fetched for Watch.</extracomment>
        <translation>Завантаження повтору…</translation>
    </message>
    <message>
        <source>The board&apos;s replay does not verify: %1</source>
        <translation>Повтор із рейтингу не проходить перевірку: %1</translation>
    </message>
</context>
<context>
    <name>TBoardOptionsPage</name>
    <message>
        <source>&amp;Send the day&apos;s games</source>
        <extracomment>Sends each finished day&apos;s game (Game › Today&apos;s Game) to the board. Off until the player turns it on.</extracomment>
        <translation>&amp;Надсилати ігри дня</translation>
    </message>
    <message>
        <source>Only the day&apos;s games are sent: the replay, the name shown and a random key that tells your games apart. Nothing is sent or fetched while the address is empty.</source>
        <extracomment>What the board receives, under the fields of the Board page.</extracomment>
        <translation>Надсилаються лише ігри дня: повтор, показуване ім’я та випадковий ключ, за яким розрізняються ваші ігри. Поки адреса порожня, нічого не надсилається й не завантажується.</translation>
    </message>
    <message>
        <source>Board &amp;address:</source>
        <extracomment>The web address of the board the day&apos;s games are sent to, such as https://board.example.org</extracomment>
        <translation>&amp;Адреса рейтингу:</translation>
    </message>
    <message>
        <source>&amp;Name shown:</source>
        <extracomment>The name the board shows beside the player&apos;s games, 1 to 24 characters.</extracomment>
        <translation>Показуване &amp;ім’я:</translation>
    </message>
    <message>
        <source>The board&apos;s address must begin with http:// or https://.</source>
        <extracomment>Under the board&apos;s address when it is refused.</extracomment>
        <translation>Адреса рейтингу має починатися з http:// або https://.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Стан</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>По&amp;ради</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the About dialog; desktops usually name the program here (&quot;About Zingaroo&quot;).</extracomment>
        <translation>&amp;Про Zingaroo</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>The title of the box the Status command shows: the same word as the menu item.</extracomment>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <extracomment>Shown before the help page opens, above &quot;Sure?&quot;: OK opens it, Cancel does not.</extracomment>
        <translation>Буде відкрито файл довідки HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <extracomment>Asks whether to go on with the action named in the line above.</extracomment>
        <translation>Продовжити?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Керування]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <extracomment>Point the mouse at a cell of the field.</extracomment>
        <translation>Миша: наведіть на клітинку.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <extracomment>Instructions, in the same mood as the line above: a key puts a paddle in the pointed cell or shoves the obstacle there.</extracomment>
        <translation>Клавіатура: поставте ракетку, посуньте перешкоду.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Набори клавіш]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Набір 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Набір 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Набір 3: стрілки ← і →</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Рахунок]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Очко: 1 очко за 1 відскок.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <extracomment>A phase is won by clearing every fresh paddle from the field.</extracomment>
        <translation>Фаза: 1 фаза за всі ракетки на полі.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Поради</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <extracomment>Shown before the record is cleared, above &quot;Sure?&quot;: OK clears it, Cancel keeps it.</extracomment>
        <translation>Рекорд буде скинуто.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Підтвердження</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>command</comment>
        <extracomment>The command that opens the help page; may differ from the menu&apos;s name.</extracomment>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>S&amp;cores</source>
        <translation>&amp;Результати</translation>
    </message>
    <message>
        <source>State: Paused</source>
        <extracomment>The Status box&apos;s first line while a game is paused, worded like &quot;State: %1&quot;.</extracomment>
        <translation>Стан: Гра на паузі</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Па&amp;уза</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>На весь &amp;екран</translation>
    </message>
    <message>
        <source>New N&amp;umbered Game…</source>
        <extracomment>Asks for a game&apos;s number and deals that game: the same number deals the same game.</extracomment>
        <translation>Нова гра за но&amp;мером…</translation>
    </message>
    <message>
        <source>New Numbered Game</source>
        <extracomment>The title of the box that asks for a game&apos;s number; the menu item without &quot;…&quot;.</extracomment>
        <translation>Нова гра за номером</translation>
    </message>
    <message>
        <source>Game number:</source>
        <extracomment>The label of the field where the game&apos;s number is typed.</extracomment>
        <translation>Номер гри:</translation>
    </message>
    <message>
        <source>The replay went otherwise than recorded, so it was stopped.</source>
        <translation>Повтор розійшовся із записом, тому його зупинено.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>This replay was recorded under other rules and cannot be shown.</source>
        <translation>Цей повтор записано за іншими правилами, і його не можна показати.</translation>
    </message>
    <message>
        <source>Replay ×%1</source>
        <extracomment>Shown on the picture and in the window&apos;s title while a game is played back; %1 is its speed (1, 2 or 4: the keys 1, 2 and 4 choose it).</extracomment>
        <translation>Повтор ×%1</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Game</source>
        <extracomment>Deals the day&apos;s game: the same for every player on that date, with the Default options.</extracomment>
        <translation>Гра &amp;дня</translation>
    </message>
    <message>
        <source>Cop&amp;y Game Number</source>
        <extracomment>Puts &quot;Zingaroo game N (options …)&quot; on the clipboard, for passing the game on.</extracomment>
        <translation>&amp;Копіювати номер гри</translation>
    </message>
    <message>
        <source>A game number is a whole number from %1 to %2.</source>
        <extracomment>%1 and %2 are the lowest and highest game numbers.</extracomment>
        <translation>Номер гри — ціле число від %1 до %2.</translation>
    </message>
    <message>
        <source>Copied</source>
        <extracomment>Beside the line under the field once Copy Game Number has put the game on the clipboard.</extracomment>
        <translation>Скопійовано</translation>
    </message>
</context>
<context>
    <name>TKeysPage</name>
    <message>
        <source>Slash /:</source>
        <translation>Скісна риска /:</translation>
    </message>
    <message>
        <source>Backslash \:</source>
        <translation>Зворотна скісна риска \:</translation>
    </message>
    <message>
        <source>Backslash, or shove left:</source>
        <extracomment>The key puts a backslash paddle, or over an obstacle shoves it one column left.</extracomment>
        <translation>Зворотна скісна риска або зсув ліворуч:</translation>
    </message>
    <message>
        <source>Slash, or shove right:</source>
        <extracomment>The key puts a slash paddle, or over an obstacle shoves it one column right.</extracomment>
        <translation>Скісна риска або зсув праворуч:</translation>
    </message>
    <message>
        <source>Set %1</source>
        <extracomment>Heads the column of one set of four keys that put the paddles; %1 is 1 or 2.</extracomment>
        <translation>Набір %1</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <extracomment>Puts back the keys in the places of W R S F and U O J L on a US keyboard.</extracomment>
        <translation>&amp;Типові</translation>
    </message>
    <message>
        <source>Press a key…</source>
        <extracomment>Shown on a key&apos;s button while it waits for the player to press the new key.</extracomment>
        <translation>Натисніть клавішу…</translation>
    </message>
    <message>
        <source>%1 has no place the game can read; the key stays %2.</source>
        <extracomment>%1 is the key pressed, %2 the key kept. The game can only keep keys it reads by their place on the keyboard.</extracomment>
        <translation>Гра не може визначити положення клавіші %1; лишається %2.</translation>
    </message>
    <message>
        <source>%1 is already in use; the key stays %2.</source>
        <extracomment>%1 is the key pressed, %2 the key kept.</extracomment>
        <translation>%1 вже зайнята; лишається клавіша %2.</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>The page of play options (field, paddles, speed), not the verb.</extracomment>
        <translation>Гра</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Ширина (%1–%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Висота (%1–%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <extracomment>Paddles dealt in the first phase. The range is written with a hyphen in English; an en dash is fine.</extracomment>
        <translation>Ракеток на &amp;початку (%1–%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <extracomment>Paddles added to each new phase&apos;s layout.</extracomment>
        <translation>При&amp;ріст ракеток (%1–%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <extracomment>The largest number of paddles a phase deals.</extracomment>
        <translation>Ма&amp;ксимум ракеток (%1–%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <extracomment>Milliseconds per step of the ball: a smaller number plays faster.</extracomment>
        <translation>Шви&amp;дкість (%1–%2 мс):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <extracomment>A standing option: each new phase adds a sweeper to the field.</extracomment>
        <translation>Використовувати &amp;мітли</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <extracomment>Labels the list of presets of play options (Default, Original, ...): picking one fills in the fields above.</extracomment>
        <translation>Ш&amp;аблон:</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>The size of one cell of the field, in pixels.</extracomment>
        <translation>Розмір клітинки</translation>
    </message>
    <message>
        <source>Running Time</source>
        <extracomment>Options that act while the program runs.</extracomment>
        <translation>Під час роботи</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>Відтворювати &amp;звук</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <extracomment>Clears the record once, after a confirmation, when the dialog closes with OK.</extracomment>
        <translation>&amp;Скинути рекорд зараз</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <extracomment>Keeps the window above the other windows (the desktop&apos;s usual term).</extracomment>
        <translation>&amp;Поверх інших вікон</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <extracomment>Options that act at every start of the program.</extracomment>
        <translation>Під час запуску</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <extracomment>A standing option, acting at every start: bring back the saved record.</extracomment>
        <translation>Відновлювати &amp;рекорд</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <extracomment>A standing option, acting at every start: put the window back where it was.</extracomment>
        <translation>Відновлювати положення &amp;вікна</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Sets the fields of the page shown to their default values.</extracomment>
        <translation>Типово</translation>
    </message>
    <message>
        <source>All Def.</source>
        <extracomment>Sets the fields of every page to their default values.</extracomment>
        <translation>Усе типово</translation>
    </message>
    <message>
        <source>Pause &amp;When Inactive</source>
        <translation>Призупиняти у &amp;фоновому режимі</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>How the field is shown on the screen: its zoom and its colours.</extracomment>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <extracomment>Each pixel of the field is shown as a block of 1 to 4 pixels across and down.</extracomment>
        <translation>&amp;Масштаб:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Класичне</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темне</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Висококонтрастне</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>The look follows the desktop: Dark when its windows are dark, else Classic.</extracomment>
        <translation>Автоматичне</translation>
    </message>
    <message>
        <source>&amp;Keyboard Cursor</source>
        <extracomment>Play from the keyboard alone: the arrow keys move a frame over the field&apos;s cells, the game&apos;s keys act on the framed cell, Space and Enter start and launch.</extracomment>
        <translation>&amp;Курсор клавіатури</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Automatic</source>
        <comment>zoom</comment>
        <extracomment>The zoom list&apos;s first entry: the zoom that suits the screen, the window taking at most three quarters of it.</extracomment>
        <translation>Автоматично</translation>
    </message>
    <message>
        <source>×%1 on this screen</source>
        <extracomment>Beside the zoom list: the zoom the window shows on its screen, for Automatic or for a zoom too large for the screen. %1 is a number.</extracomment>
        <translation>×%1 на цьому екрані</translation>
    </message>
    <message>
        <source>L&amp;ook:</source>
        <extracomment>The colours of the field; the entries are the names of the looks.</extracomment>
        <translation>&amp;Оформлення:</translation>
    </message>
    <message>
        <source>Score &amp;Line</source>
        <extracomment>A line under the field that says what to do next and shows the score.</extracomment>
        <translation>&amp;Рядок рахунку</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Рейтинг</translation>
    </message>
</context>
<context>
    <name>TScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation>&amp;Таблиця:</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Heard only through a screen reader: the name of the Top Ten and History tabs together.</extracomment>
        <translation>Сторінки</translation>
    </message>
    <message>
        <source>Top Te&amp;n</source>
        <translation>&amp;Найкраща десятка</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Історія</translation>
    </message>
    <message>
        <source>&amp;Clear...</source>
        <translation>&amp;Очистити…</translation>
    </message>
    <message>
        <source>Clear the table and its history</source>
        <extracomment>Heard only through a screen reader: what the Clear button does.</extracomment>
        <translation>Очистити таблицю та її історію</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Місце</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The column of the points each game scored.</extracomment>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Фаза</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>The column of each game&apos;s time in play, without pauses, shown as h:mm:ss.</extracomment>
        <translation>Тривалість</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The column of the date and the time each game ended.</extracomment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Зіграно ігор:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Час гри:</translation>
    </message>
    <message>
        <source>Average score:</source>
        <translation>Середній рахунок:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Найкращий рахунок:</translation>
    </message>
    <message>
        <source>Best phase:</source>
        <translation>Найкраща фаза:</translation>
    </message>
    <message>
        <source>Scores of the last 100 games:</source>
        <translation>Очки за останні 100 ігор:</translation>
    </message>
    <message>
        <source>Custom: %1×%2, paddles %3/%4/%5, speed %6, %7</source>
        <extracomment>The name of a table of scores for options that match no preset: field width and height, the paddles of the first phase, added per phase and at most, the speed, and the sweepers. Shown in the table list and quoted in the Clear confirmation.</extracomment>
        <translation>Власна: %1×%2, ракетки %3/%4/%5, швидкість %6, %7</translation>
    </message>
    <message>
        <source>sweepers</source>
        <extracomment>The last item of a Custom table&apos;s name: played with sweepers.</extracomment>
        <translation>з мітлами</translation>
    </message>
    <message>
        <source>no sweepers</source>
        <extracomment>The last item of a Custom table&apos;s name: no sweepers are used.</extracomment>
        <translation>без мітел</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Продовжити?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Підтвердження</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the Scores dialog. No access key: Escape closes it, and C belongs to Clear.</extracomment>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Clearing the table &quot;%1&quot; and its history.</source>
        <extracomment>%1 is a preset&apos;s name or a Custom table&apos;s name, which has commas in it.</extracomment>
        <translation>Таблицю «%1» та її історію буде очищено.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <extracomment>Plays the chosen game back in the main window: the selected entry, or on the History page the table&apos;s last game.</extracomment>
        <translation>&amp;Переглянути</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The column of the number that dealt each game (Game &gt; New Numbered Game).</extracomment>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Last game:</source>
        <extracomment>The number of the table&apos;s last game, which Watch plays on this page.</extracomment>
        <translation>Остання гра:</translation>
    </message>
    <message>
        <source>No replay is kept for this game.</source>
        <translation>Для цієї гри повтор не збережено.</translation>
    </message>
    <message>
        <source>&amp;Save Replay…</source>
        <extracomment>Writes the chosen game&apos;s replay to a file, to pass on or to check with --verify.</extracomment>
        <translation>&amp;Зберегти повтор…</translation>
    </message>
    <message>
        <source>Today&apos;s games:</source>
        <extracomment>The player&apos;s best score on each of the last days&apos; games (Game &gt; Today&apos;s Game).</extracomment>
        <translation>Ігри дня:</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Marks the game of the current day (Game &gt; Today&apos;s Game) after its number.</extracomment>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Save Replay</source>
        <extracomment>The title of the file dialog that saves a replay; the button without &quot;…&quot;.</extracomment>
        <translation>Зберегти повтор</translation>
    </message>
    <message>
        <source>Replays (*.zingaroo)</source>
        <extracomment>The file type offered when a replay is saved.</extracomment>
        <translation>Повтори (*.zingaroo)</translation>
    </message>
    <message>
        <source>The replay could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be written.</extracomment>
        <translation>Не вдалося зберегти повтор у «%1»: %2.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Why a replay could not be saved: the name is a folder, a device or the like.</extracomment>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>read-only</source>
        <extracomment>Why a replay could not be saved: the file there may not be written.</extracomment>
        <translation>лише для читання</translation>
    </message>
    <message>
        <source>a link to nothing (%1)</source>
        <extracomment>Why a replay could not be saved: the name is a link to a missing file; %1 is the system&apos;s message.</extracomment>
        <translation>зламане посилання (%1)</translation>
    </message>
    <message>
        <source>Day&apos;s game</source>
        <extracomment>Marks the game of an earlier day (Game &gt; Today&apos;s Game) after its number.</extracomment>
        <translation>Гра дня</translation>
    </message>
    <message>
        <source>B&amp;oard</source>
        <extracomment>The page of the day&apos;s best on the board the day&apos;s games are sent to.</extracomment>
        <translation>&amp;Рейтинг</translation>
    </message>
    <message>
        <source>none yet</source>
        <extracomment>On the History page where no day&apos;s game (Game &gt; Today&apos;s Game) was played yet.</extracomment>
        <translation>ще немає</translation>
    </message>
</context>
</TS>
