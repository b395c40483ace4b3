<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>per %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 Gli sviluppatori di Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Stato: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>In gioco</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Non in gioco</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Punteggio: %1 pt.  fase %2</translation>
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
        <translation>(Nessuno)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Rompicapo</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passi</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>P a r t i t a  f i n i t a !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Stato</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Suggerimenti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Apertura del file di guida HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Continuare?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Controlli]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Mouse: puntare una casella.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Tastiera: mettere una racchetta. Spostare un ostacolo.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Set di tasti]</translation>
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
        <translation>Set 3: Sinistra, Destra</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Punteggio]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Punto: 1 punto per ogni rimbalzo.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Fase: 1 fase per tutte le racchette del campo.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Cancellazione del record.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Larghezza (%1-%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Altezza (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <translation>Racchette &amp;iniziali (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <translation>Racchette in &amp;più (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <translation>Racchette &amp;massime (%1-%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <translation>&amp;Velocità (%1-%2 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>&amp;Usa la scopa</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Configurazione:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Caselle</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Durante il gioco</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Riproduci suoni</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Cancella il record ora</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>Sempre in &amp;primo piano</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>All&apos;avvio</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>Ripristina il r&amp;ecord</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>Ripristina la posizione della &amp;finestra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Tutto predefinito</translation>
    </message>
</context>
</TS>
