<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>top row, left column</source>
        <translation>fila de arriba, columna de la izquierda</translation>
    </message>
    <message>
        <source>top row, middle column</source>
        <translation>fila de arriba, columna del medio</translation>
    </message>
    <message>
        <source>top row, right column</source>
        <translation>fila de arriba, columna de la derecha</translation>
    </message>
    <message>
        <source>middle row, left column</source>
        <translation>fila del medio, columna de la izquierda</translation>
    </message>
    <message>
        <source>middle row, middle column</source>
        <translation>fila del medio, columna del medio</translation>
    </message>
    <message>
        <source>middle row, right column</source>
        <translation>fila del medio, columna de la derecha</translation>
    </message>
    <message>
        <source>bottom row, left column</source>
        <translation>fila de abajo, columna de la izquierda</translation>
    </message>
    <message>
        <source>bottom row, middle column</source>
        <translation>fila de abajo, columna del medio</translation>
    </message>
    <message>
        <source>bottom row, right column</source>
        <translation>fila de abajo, columna de la derecha</translation>
    </message>
    <message>
        <source>sum of the top row</source>
        <translation>suma de la fila de arriba</translation>
    </message>
    <message>
        <source>sum of the middle row</source>
        <translation>suma de la fila del medio</translation>
    </message>
    <message>
        <source>sum of the bottom row</source>
        <translation>suma de la fila de abajo</translation>
    </message>
    <message>
        <source>sum of the right column</source>
        <translation>suma de la columna de la derecha</translation>
    </message>
    <message>
        <source>sum of the middle column</source>
        <translation>suma de la columna del medio</translation>
    </message>
    <message>
        <source>sum of the left column</source>
        <translation>suma de la columna de la izquierda</translation>
    </message>
    <message>
        <source>status</source>
        <translation>mensaje</translation>
    </message>
    <message>
        <source>factor, top left</source>
        <translation>factor, arriba a la izquierda</translation>
    </message>
    <message>
        <source>factor, top right</source>
        <translation>factor, arriba a la derecha</translation>
    </message>
    <message>
        <source>factor, bottom left</source>
        <translation>factor, abajo a la izquierda</translation>
    </message>
    <message>
        <source>factor, bottom right</source>
        <translation>factor, abajo a la derecha</translation>
    </message>
    <message>
        <source>product of the top row</source>
        <translation>producto de la fila de arriba</translation>
    </message>
    <message>
        <source>product of the bottom row</source>
        <translation>producto de la fila de abajo</translation>
    </message>
    <message>
        <source>product of the right column</source>
        <translation>producto de la columna de la derecha</translation>
    </message>
    <message>
        <source>product of the left column</source>
        <translation>producto de la columna de la izquierda</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>tu respuesta</translation>
    </message>
    <message>
        <source>clears your answer</source>
        <translation>borra tu respuesta</translation>
    </message>
    <message>
        <source>number pad</source>
        <translation>teclado numérico</translation>
    </message>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>not found yet</source>
        <translation>aún sin encontrar</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Row product %1, column product %2.</source>
        <translation>Producto de la fila %1, producto de la columna %2.</translation>
    </message>
    <message>
        <source>Row sum: %1, column sum: %2.</source>
        <translation>Suma de la fila: %1, suma de la columna: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Click to select number.</source>
        <extracomment>The status line as the window opens, before any game: the player may pick a number on the number pad. In play the same line reads &quot;Click number to select.&quot;.</extracomment>
        <translation>Elige un número.</translation>
    </message>
    <message>
        <source>Click number to select.</source>
        <extracomment>The status line in play, while picks still count: click a number of the number pad. Before any game the same line reads &quot;Click to select number.&quot;.</extracomment>
        <translation>Haz clic en un número.</translation>
    </message>
    <message>
        <source>You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.</source>
        <extracomment>After too many picks on one puzzle: &quot;refresh&quot; means that the next puzzle comes (use the word of &quot;New puzzle.&quot;); %1 is the seconds left, &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Demasiados intentos. Espera, nuevo reto en %1 seg.</translation>
    </message>
    <message>
        <source>Refreshing in %1 Sec.</source>
        <extracomment>The multiplication window&apos;s status line: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;); &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Nuevo reto en %1 seg.</translation>
    </message>
    <message>
        <source>KORVELLAN - Refreshing in - %1</source>
        <extracomment>The window title in play: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;). %1 can reach 0, and below while the window is minimised.</extracomment>
        <translation>KORVELLAN - Nuevo reto en - %1</translation>
    </message>
    <message>
        <source>Level - %1(%2 Sec.)</source>
        <translation>Nivel %1 (%2 seg.)</translation>
    </message>
    <message>
        <source>Product of the top row.</source>
        <translation>Producto de la fila de arriba.</translation>
    </message>
    <message>
        <source>Product of the bottom row.</source>
        <translation>Producto de la fila de abajo.</translation>
    </message>
    <message>
        <source>Product of the right column.</source>
        <translation>Producto de la columna de la derecha.</translation>
    </message>
    <message>
        <source>Product of the left column.</source>
        <translation>Producto de la columna de la izquierda.</translation>
    </message>
    <message>
        <source>New puzzle.</source>
        <translation>Nuevo reto.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>¡Resuelto!</translation>
    </message>
    <message>
        <source>All four found!</source>
        <translation>¡Has encontrado los cuatro!</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Parado.</translation>
    </message>
    <message>
        <source>%1 is right!</source>
        <translation>¡%1 es correcto!</translation>
    </message>
    <message numerus="yes">
        <source>You have exceeded maximum number of attempts. Wait will refresh in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Wait will refresh in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Demasiados intentos. Espera, nuevo reto en %n segundo.</numerusform>
            <numerusform>Demasiados intentos. Espera, nuevo reto en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Refreshing in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Nuevo reto en %n segundo.</numerusform>
            <numerusform>Nuevo reto en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>KORVELLAN: Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the title &quot;KORVELLAN - Refreshing in - 7&quot;.</extracomment>
        <translation>
            <numerusform>KORVELLAN: nuevo reto en %n segundo.</numerusform>
            <numerusform>KORVELLAN: nuevo reto en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n second(s)</source>
        <extracomment>Spoken by a screen reader for the level list&apos;s entry &quot;Level - 1(11 Sec.)&quot;.</extracomment>
        <translation>
            <numerusform>Nivel %1, %n segundo</numerusform>
            <numerusform>Nivel %1, %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>II</source>
        <comment>the pause button</comment>
        <extracomment>Two capital I&apos;s drawn as a pause sign on a small button (its tool tip says &quot;Pause&quot;); keep them unless your script draws the pause sign otherwise.</extracomment>
        <translation>II</translation>
    </message>
    <message>
        <source>II</source>
        <comment>an upright equals sign at a column&apos;s foot</comment>
        <extracomment>Two capital I&apos;s standing for an equals sign turned upright, between a column and its sum below it; keep them.</extracomment>
        <translation>II</translation>
    </message>
    <message>
        <source>&amp;Start Numora</source>
        <translation>&amp;Jugar a Numora</translation>
    </message>
    <message>
        <source>Start New game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>&amp;Exit </source>
        <translation>Sal&amp;ir </translation>
    </message>
    <message>
        <source> Exit game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>Find the missing numbers.</source>
        <translation>Busca los números ocultos.</translation>
    </message>
    <message>
        <source>Click to select number.</source>
        <translation>Elige un número.</translation>
    </message>
    <message>
        <source>I would like to pay.</source>
        <translation>Me gustaría pagar.</translation>
    </message>
    <message>
        <source>Find the multiplication numbers.</source>
        <translation>Resuelve las multiplicaciones.</translation>
    </message>
    <message>
        <source>Cls.</source>
        <extracomment>The multiplication pad&apos;s clear key, about 40 pixels wide: it clears the answer typed so far (not &quot;close&quot;). A word where it fits, else an abbreviation.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Numora - 1</source>
        <translation>Numora - 1</translation>
    </message>
    <message>
        <source>algebra - 1</source>
        <translation>álgebra - 1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Active Internet connection required.</source>
        <translation>Necesitas conexión a Internet.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet Required.</source>
        <translation>KORVELLAN: Se necesita Internet.</translation>
    </message>
    <message>
        <source>Installed files missing run setup again. Contact KORVELLAN</source>
        <translation>Faltan archivos del juego. Vuelve a instalarlo o escribe a KORVELLAN.</translation>
    </message>
    <message>
        <source>Active Internet connection is required.</source>
        <translation>Hace falta conexión a Internet.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet connection required.</source>
        <translation>KORVELLAN: Se necesita conexión a Internet.</translation>
    </message>
    <message>
        <source>updates available. Send email for the link to download Updates</source>
        <translation>Hay actualizaciones. Envía un correo para recibir el enlace de descarga.</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>No hay actualizaciones.</translation>
    </message>
    <message>
        <source>KORVELLAN : Update</source>
        <translation>KORVELLAN: Actualización</translation>
    </message>
    <message>
        <source>Server down check later.</source>
        <translation>El servidor no responde. Prueba más tarde.</translation>
    </message>
    <message>
        <source>The web page could not be opened.</source>
        <translation>No se pudo abrir la página web.</translation>
    </message>
</context>
<context>
    <name>numora::GameWindow</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>numora::MainForm</name>
    <message>
        <source>Multiplication Game -1</source>
        <translation>Juego de multiplicar 1</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Buscar actualizaciones...</translation>
    </message>
    <message>
        <source>Download Glimmerquiz Game</source>
        <translation>Descargar el juego Glimmerquiz</translation>
    </message>
    <message>
        <source>Multiplication Game 1</source>
        <extracomment>What a screen reader says for the menu item &quot;Multiplication Game -1&quot;, which it would read as &quot;minus one&quot;.</extracomment>
        <translation>Juego de multiplicar 1</translation>
    </message>
</context>
<context>
    <name>numora::MultForm</name>
    <message>
        <source>KORVELLAN : Multiplication Game</source>
        <translation>KORVELLAN: Juego de multiplicar</translation>
    </message>
    <message>
        <source>Addition and Subtraction game</source>
        <translation>Juego de sumas y restas</translation>
    </message>
</context>
<context>
    <name>numora::TopicForm</name>
    <message>
        <source>KORVELLAN : Select your topic</source>
        <translation>KORVELLAN: Elige tu tema</translation>
    </message>
</context>
</TS>
