<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>для %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>версія %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 розробники Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Стан: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Гра триває</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Гра не триває</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Рахунок: %1  Фаза: %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Рекорд: %1  Фаза: %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Немає)</translation>
    </message>
    <message>
        <source>Default</source>
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
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>Г р у  з а к і н ч е н о !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Про Zingaroo</translation>
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
        <translation>Ви&amp;йти</translation>
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
        <translation>&amp;Про Zingaroo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Буде відкрито файл довідки HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
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
        <translation>Миша: наведіть на клітинку.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
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
        <translation>Фаза: 1 фаза за всі ракетки на полі.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Поради</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Рекорд буде скинуто.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Підтвердження</translation>
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
        <source>&amp;Width (16-32):</source>
        <translation>&amp;Ширина (16–32):</translation>
    </message>
    <message>
        <source>&amp;Height (16-32):</source>
        <translation>&amp;Висота (16–32):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (1-1024):</source>
        <translation>Ракеток на &amp;початку (1–1024):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (0-1024):</source>
        <translation>При&amp;ріст ракеток (0–1024):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (1-1024):</source>
        <translation>Ма&amp;ксимум ракеток (1–1024):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (10-1000 ms.):</source>
        <translation>Шви&amp;дкість (10–1000 мс):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>Використовувати &amp;мітли</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>Ш&amp;аблон:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Розмір клітинки</translation>
    </message>
    <message>
        <source>&amp;Width (18-32):</source>
        <translation>&amp;Ширина (18–32):</translation>
    </message>
    <message>
        <source>&amp;Height (18-32):</source>
        <translation>&amp;Висота (18–32):</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Під час гри</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>Відтворювати &amp;звук</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Скинути рекорд зараз</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>&amp;Поверх інших вікон</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Під час запуску</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>Відновлювати &amp;рекорд</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
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
        <translation>Типово</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Усе типово</translation>
    </message>
</context>
</TS>
