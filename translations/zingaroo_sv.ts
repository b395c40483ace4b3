<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>för %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 Zingaroos utvecklare</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spel pågår</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Inget spel pågår</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Poäng: %1  Fas: %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Rekord: %1  Fas: %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Inget)</translation>
    </message>
    <message>
        <source>Default</source>
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
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>S p e l e t  ä r  s l u t !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Om Zingaroo</translation>
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
        <translation>&amp;Om Zingaroo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>HTML-hjälpfilen kommer att öppnas.</translation>
    </message>
    <message>
        <source>Sure?</source>
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
        <translation>Mus: peka på en ruta.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
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
        <translation>Fas: 1 fas för alla racketar på spelplanen.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Rekordet kommer att nollställas.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bekräftelse</translation>
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
        <source>&amp;Width (16-32):</source>
        <translation>&amp;Bredd (16–32):</translation>
    </message>
    <message>
        <source>&amp;Height (16-32):</source>
        <translation>&amp;Höjd (16–32):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (1-1024):</source>
        <translation>&amp;Startantal racketar (1–1024):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (0-1024):</source>
        <translation>&amp;Rackettillägg (0–1024):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (1-1024):</source>
        <translation>&amp;Max antal racketar (1–1024):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (10-1000 ms.):</source>
        <translation>Has&amp;tighet (10–1000 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>Använd &amp;kvastar</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Förval:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Rutstorlek</translation>
    </message>
    <message>
        <source>&amp;Width (18-32):</source>
        <translation>&amp;Bredd (18–32):</translation>
    </message>
    <message>
        <source>&amp;Height (18-32):</source>
        <translation>&amp;Höjd (18–32):</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Under spelet</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Spela ljud</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Nollställ rekordet nu</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>&amp;Alltid överst</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Vid start</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>Kom ihåg &amp;rekordet</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
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
        <translation>Standard</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Alla standard</translation>
    </message>
</context>
</TS>
