<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>dla systemu %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 Twórcy Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Stan: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Gra trwa</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Brak gry</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Wynik: %1 pkt.  faza %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Rekord: %1 pkt.  faza %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Brak)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginalny</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Trening</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Łamigłówka</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Kroki</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>K o n i e c  g r y !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
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
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Stan</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Wskazówki</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Otwieranie pliku pomocy HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Na pewno?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Sterowanie]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Mysz: wskaż pole.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Klawiatura: postaw paletkę. Przesuń przeszkodę.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Zestawy klawiszy]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Zestaw 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Zestaw 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Zestaw 3: Strzałka w lewo, w prawo</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Punktacja]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Punkt: 1 punkt za 1 odbicie.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Faza: 1 faza za wszystkie paletki na polu.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Wskazówki</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Czyszczenie rekordu.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Szerokość (%1-%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Wysokość (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <translation>Paletki &amp;początkowe (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <translation>Paletki &amp;dodatkowe (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <translation>Paletki &amp;maksymalnie (%1-%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <translation>&amp;Tempo (%1-%2 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>&amp;Użyj zamiatacza</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Gotowe ustawienia:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Podczas gry</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Odtwarzaj dźwięki</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Wyczyść rekord teraz</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>Zawsze na &amp;górze</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Przy uruchomieniu</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>&amp;Przywróć rekord</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>Przywróć pozycję o&amp;kna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Wszystkie domyślne</translation>
    </message>
</context>
</TS>
