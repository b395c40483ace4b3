<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>для %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 Разработчики Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Состояние: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Идёт игра</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Нет игры</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Счёт: %1 очк.  фаза %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Рекорд: %1 очк.  фаза %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Нет)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Тренировка</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Головоломка</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Шаги</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>И г р а  о к о н ч е н а !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Состояние</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>Со&amp;веты</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Открывается файл справки HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Продолжить?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Управление]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Мышь: укажите клетку.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Клавиатура: поставить ракетку. Сдвинуть препятствие.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Наборы клавиш]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Набор 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Набор 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Набор 3: Влево, Вправо</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Счёт]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Очко: 1 очко за 1 отскок.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Фаза: 1 фаза за все ракетки на поле.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Советы</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Рекорд будет сброшен.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Ширина (%1-%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Высота (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <translation>Ракеток в &amp;начале (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <translation>&amp;Добавка ракеток (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <translation>&amp;Максимум ракеток (%1-%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <translation>&amp;Скорость (%1-%2 мс):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>&amp;Использовать метлу</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Готовые настройки:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Клетки</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Во время игры</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Воспроизводить звук</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Сбросить рекорд сейчас</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>&amp;Поверх других окон</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>При запуске</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>Восстанавливать &amp;рекорд</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>Восстанавливать положение &amp;окна</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Все по умолчанию</translation>
    </message>
</context>
</TS>
