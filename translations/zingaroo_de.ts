<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>für %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 die Zingaroo-Entwickler</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Zustand: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Kein Spiel</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Spielstand: %1 Pkt.  %2 Ph.</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Rekord: %1 Pkt.  %2 Ph.</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Keine)</translation>
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
        <translation>Übung</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Knobelei</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>S p i e l  v o r b e i !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über Zingaroo</translation>
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
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Die HTML-Hilfedatei wird geöffnet.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Sicher?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Steuerung]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Maus: Auf ein Feld zeigen.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Tastatur: Einen Schläger setzen. Ein Hindernis verschieben.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Tastensätze]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Satz 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Satz 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Satz 3: Links, Rechts</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Punkte]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Punkt: 1 Punkt für 1 Abpraller.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Phase: 1 Phase für alle Schläger im Feld.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Der Rekord wird gelöscht.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Breite (%1-%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Höhe (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <translation>Schläger am &amp;Start (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <translation>Schläger &amp;plus (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <translation>Schläger &amp;maximal (%1-%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <translation>&amp;Tempo (%1-%2 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>&amp;Feger verwenden</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Vorgabe:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Während des Spiels</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Klänge abspielen</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Rekord jetzt löschen</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Beim Start</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>Rekord &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>&amp;Fensterposition wiederherstellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Alle Standard</translation>
    </message>
</context>
</TS>
