<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>voor %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 De ontwikkelaars van Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Toestand: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Aan het spelen</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Niet aan het spelen</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Score: %1 pt.  fase %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Record: %1 pt.  fase %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Geen)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Puzzelen</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Stappen</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>S p e l  v o o r b i j !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
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
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Het HTML-helpbestand wordt geopend.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Zeker weten?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Besturing]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Muis: wijs een vak aan.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Toetsenbord: zet een batje neer. Verschuif een obstakel.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Toetssets]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Set 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Set 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Set 3: Links, Rechts</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Score]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Punt: 1 punt per stuit.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Fase: 1 fase voor alle batjes in het veld.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Het record wordt gewist.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bevestiging</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Breedte (%1-%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Hoogte (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <translation>Batjes bij &amp;start (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <translation>Batjes e&amp;rbij (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <translation>Batjes &amp;maximaal (%1-%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <translation>Sn&amp;elheid (%1-%2 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>&amp;Veger gebruiken</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Indeling:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Vakken</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Tijdens het spel</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Geluid afspelen</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>Record nu &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>Altijd &amp;bovenop</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Bij het starten</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>&amp;Record herstellen</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>&amp;Vensterpositie herstellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Alles standaard</translation>
    </message>
</context>
</TS>
