<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>para %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 Los desarrolladores de Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jugando</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Sin jugar</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Puntuación: %1 pt.  fase %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Récord: %1 pt.  fase %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Ninguno)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Rompecabezas</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>¡ F i n  d e l  j u e g o !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Estado</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Consejos</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Abriendo el archivo de ayuda HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>¿Seguro?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Control]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Ratón: apuntar a una casilla.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Teclado: poner una paleta. Mover un obstáculo.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Grupos de teclas]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Grupo 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Grupo 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Grupo 3: Izquierda, Derecha</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Puntuación]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Punto: 1 punto por cada rebote.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Fase: 1 fase por todas las paletas del campo.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Borrando el récord.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Juego</translation>
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
        <translation>&amp;Ancho (%1-%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>A&amp;lto (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <translation>Paletas &amp;iniciales (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <translation>Paletas &amp;extra (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <translation>Paletas &amp;máximas (%1-%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <translation>&amp;Velocidad (%1-%2 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>&amp;Usar barredora</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Configuración:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Casillas</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Durante el juego</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Reproducir sonido</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>&amp;Borrar el récord ahora</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>&amp;Siempre encima</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Al iniciar</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>Restaurar el ré&amp;cord</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>Restaurar la posición de la &amp;ventana</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Todo predeterminado</translation>
    </message>
</context>
</TS>
