<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>pro %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>verze %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 vývojáři Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Stav: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Hraje se</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Nehraje se</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Body: %1  Fáze: %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Rekord: %1  Fáze: %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Žádná)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Původní</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Trénink</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Hlavolam</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Po krůčcích</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>K o n e c  h r y !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>O hře Zingaroo</translation>
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
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Stav</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Tipy</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O hře Zingaroo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Otevře se soubor nápovědy HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Pokračovat?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Ovládání]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Myš: ukažte na políčko.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Klávesnice: položte pálku, posuňte překážku.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Sady kláves]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Sada 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Sada 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Sada 3: šipky ← a →</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Skóre]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Bod: 1 bod za 1 odraz.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Fáze: 1 fáze za všechny pálky na ploše.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipy</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Rekord bude vymazán.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potvrzení</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>&amp;Width (16-32):</source>
        <translation>Šíř&amp;ka (16–32):</translation>
    </message>
    <message>
        <source>&amp;Height (16-32):</source>
        <translation>&amp;Výška (16–32):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (1-1024):</source>
        <translation>Pálky na &amp;začátku (1–1024):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (0-1024):</source>
        <translation>&amp;Přírůstek pálek (0–1024):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (1-1024):</source>
        <translation>&amp;Maximum pálek (1–1024):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (10-1000 ms.):</source>
        <translation>&amp;Rychlost (10–1000 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>Používat &amp;smetáky</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>Předvol&amp;ba:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Velikost políčka</translation>
    </message>
    <message>
        <source>&amp;Width (18-32):</source>
        <translation>Šíř&amp;ka (18–32):</translation>
    </message>
    <message>
        <source>&amp;Height (18-32):</source>
        <translation>&amp;Výška (18–32):</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Za běhu</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Přehrávat zvuky</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Vymazat rekord nyní</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>Vždy &amp;navrchu</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Při spuštění</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>Obnovovat &amp;rekord</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>Obnovovat polohu &amp;okna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Vše výchozí</translation>
    </message>
</context>
</TS>
