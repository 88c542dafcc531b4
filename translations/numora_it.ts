<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>top row, left column</source>
        <translation>riga in alto, colonna a sinistra</translation>
    </message>
    <message>
        <source>top row, middle column</source>
        <translation>riga in alto, colonna centrale</translation>
    </message>
    <message>
        <source>top row, right column</source>
        <translation>riga in alto, colonna a destra</translation>
    </message>
    <message>
        <source>middle row, left column</source>
        <translation>riga centrale, colonna a sinistra</translation>
    </message>
    <message>
        <source>middle row, middle column</source>
        <translation>riga centrale, colonna centrale</translation>
    </message>
    <message>
        <source>middle row, right column</source>
        <translation>riga centrale, colonna a destra</translation>
    </message>
    <message>
        <source>bottom row, left column</source>
        <translation>riga in basso, colonna a sinistra</translation>
    </message>
    <message>
        <source>bottom row, middle column</source>
        <translation>riga in basso, colonna centrale</translation>
    </message>
    <message>
        <source>bottom row, right column</source>
        <translation>riga in basso, colonna a destra</translation>
    </message>
    <message>
        <source>sum of the top row</source>
        <translation>somma della riga in alto</translation>
    </message>
    <message>
        <source>sum of the middle row</source>
        <translation>somma della riga centrale</translation>
    </message>
    <message>
        <source>sum of the bottom row</source>
        <translation>somma della riga in basso</translation>
    </message>
    <message>
        <source>sum of the right column</source>
        <translation>somma della colonna a destra</translation>
    </message>
    <message>
        <source>sum of the middle column</source>
        <translation>somma della colonna centrale</translation>
    </message>
    <message>
        <source>sum of the left column</source>
        <translation>somma della colonna a sinistra</translation>
    </message>
    <message>
        <source>status</source>
        <translation>messaggio</translation>
    </message>
    <message>
        <source>factor, top left</source>
        <translation>fattore, in alto a sinistra</translation>
    </message>
    <message>
        <source>factor, top right</source>
        <translation>fattore, in alto a destra</translation>
    </message>
    <message>
        <source>factor, bottom left</source>
        <translation>fattore, in basso a sinistra</translation>
    </message>
    <message>
        <source>factor, bottom right</source>
        <translation>fattore, in basso a destra</translation>
    </message>
    <message>
        <source>product of the top row</source>
        <translation>prodotto della riga in alto</translation>
    </message>
    <message>
        <source>product of the bottom row</source>
        <translation>prodotto della riga in basso</translation>
    </message>
    <message>
        <source>product of the right column</source>
        <translation>prodotto della colonna a destra</translation>
    </message>
    <message>
        <source>product of the left column</source>
        <translation>prodotto della colonna a sinistra</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>la tua risposta</translation>
    </message>
    <message>
        <source>clears your answer</source>
        <translation>cancella la tua risposta</translation>
    </message>
    <message>
        <source>number pad</source>
        <translation>tastierino numerico</translation>
    </message>
    <message>
        <source>level</source>
        <translation>livello</translation>
    </message>
    <message>
        <source>not found yet</source>
        <translation>non ancora trovato</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>nascosto</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>Row product %1, column product %2.</source>
        <translation>Prodotto della riga %1, prodotto della colonna %2.</translation>
    </message>
    <message>
        <source>Row sum: %1, column sum: %2.</source>
        <translation>Somma della riga: %1, somma della colonna: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Click to select number.</source>
        <extracomment>The status line as the window opens, before any game: the player may pick a number on the number pad. In play the same line reads &quot;Click number to select.&quot;.</extracomment>
        <translation>Scegli un numero.</translation>
    </message>
    <message>
        <source>Click number to select.</source>
        <extracomment>The status line in play, while picks still count: click a number of the number pad. Before any game the same line reads &quot;Click to select number.&quot;.</extracomment>
        <translation>Fai clic su un numero.</translation>
    </message>
    <message>
        <source>You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.</source>
        <extracomment>After too many picks on one puzzle: &quot;refresh&quot; means that the next puzzle comes (use the word of &quot;New puzzle.&quot;); %1 is the seconds left, &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Troppi tentativi. Aspetta, nuovo rompicapo tra %1 sec.</translation>
    </message>
    <message>
        <source>Refreshing in %1 Sec.</source>
        <extracomment>The multiplication window&apos;s status line: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;); &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Nuovo rompicapo tra %1 sec.</translation>
    </message>
    <message>
        <source>KORVELLAN - Refreshing in - %1</source>
        <extracomment>The window title in play: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;). %1 can reach 0, and below while the window is minimised.</extracomment>
        <translation>KORVELLAN - Rompicapo tra - %1</translation>
    </message>
    <message>
        <source>Level - %1(%2 Sec.)</source>
        <translation>Livello %1 (%2 sec.)</translation>
    </message>
    <message>
        <source>Product of the top row.</source>
        <translation>Prodotto della riga in alto.</translation>
    </message>
    <message>
        <source>Product of the bottom row.</source>
        <translation>Prodotto della riga in basso.</translation>
    </message>
    <message>
        <source>Product of the right column.</source>
        <translation>Prodotto della colonna a destra.</translation>
    </message>
    <message>
        <source>Product of the left column.</source>
        <translation>Prodotto della colonna a sinistra.</translation>
    </message>
    <message>
        <source>New puzzle.</source>
        <translation>Nuovo rompicapo.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Risolto!</translation>
    </message>
    <message>
        <source>All four found!</source>
        <translation>Tutti e quattro trovati!</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Fermato.</translation>
    </message>
    <message>
        <source>%1 is right!</source>
        <translation>%1 è giusto!</translation>
    </message>
    <message numerus="yes">
        <source>You have exceeded maximum number of attempts. Wait will refresh in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Wait will refresh in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Troppi tentativi. Aspetta, nuovo rompicapo tra %n secondo.</numerusform>
            <numerusform>Troppi tentativi. Aspetta, nuovo rompicapo tra %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Refreshing in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Nuovo rompicapo tra %n secondo.</numerusform>
            <numerusform>Nuovo rompicapo tra %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>KORVELLAN: Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the title &quot;KORVELLAN - Refreshing in - 7&quot;.</extracomment>
        <translation>
            <numerusform>KORVELLAN: nuovo rompicapo tra %n secondo.</numerusform>
            <numerusform>KORVELLAN: nuovo rompicapo tra %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n second(s)</source>
        <extracomment>Spoken by a screen reader for the level list&apos;s entry &quot;Level - 1(11 Sec.)&quot;.</extracomment>
        <translation>
            <numerusform>Livello %1, %n secondo</numerusform>
            <numerusform>Livello %1, %n secondi</numerusform>
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
        <translation>&amp;Gioca a Numora</translation>
    </message>
    <message>
        <source>Start New game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>&amp;Exit </source>
        <translation>&amp;Esci </translation>
    </message>
    <message>
        <source> Exit game</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message>
        <source>Find the missing numbers.</source>
        <translation>Trova i numeri mancanti.</translation>
    </message>
    <message>
        <source>Click to select number.</source>
        <translation>Scegli un numero.</translation>
    </message>
    <message>
        <source>I would like to pay.</source>
        <translation>Vorrei pagare.</translation>
    </message>
    <message>
        <source>Find the multiplication numbers.</source>
        <translation>Risolvi le moltiplicazioni.</translation>
    </message>
    <message>
        <source>Cls.</source>
        <extracomment>The multiplication pad&apos;s clear key, about 40 pixels wide: it clears the answer typed so far (not &quot;close&quot;). A word where it fits, else an abbreviation.</extracomment>
        <translation>Canc.</translation>
    </message>
    <message>
        <source>Numora - 1</source>
        <translation>Numora - 1</translation>
    </message>
    <message>
        <source>algebra - 1</source>
        <translation>algebra - 1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Active Internet connection required.</source>
        <translation>Serve una connessione a Internet.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet Required.</source>
        <translation>KORVELLAN: Serve Internet.</translation>
    </message>
    <message>
        <source>Installed files missing run setup again. Contact KORVELLAN</source>
        <translation>Mancano dei file del gioco. Installalo di nuovo o scrivi a KORVELLAN.</translation>
    </message>
    <message>
        <source>Active Internet connection is required.</source>
        <translation>È necessaria una connessione a Internet.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet connection required.</source>
        <translation>KORVELLAN: Serve la connessione a Internet.</translation>
    </message>
    <message>
        <source>updates available. Send email for the link to download Updates</source>
        <translation>Ci sono aggiornamenti. Manda un’e-mail per avere il link per scaricarli.</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Nessun aggiornamento.</translation>
    </message>
    <message>
        <source>KORVELLAN : Update</source>
        <translation>KORVELLAN: Aggiornamento</translation>
    </message>
    <message>
        <source>Server down check later.</source>
        <translation>Il server non risponde. Riprova più tardi.</translation>
    </message>
    <message>
        <source>The web page could not be opened.</source>
        <translation>Non si è potuta aprire la pagina web.</translation>
    </message>
</context>
<context>
    <name>numora::GameWindow</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>numora::MainForm</name>
    <message>
        <source>Multiplication Game -1</source>
        <translation>Gioco delle tabelline 1</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Cerca aggiornamenti...</translation>
    </message>
    <message>
        <source>Download Glimmerquiz Game</source>
        <translation>Scarica il gioco Glimmerquiz</translation>
    </message>
    <message>
        <source>Multiplication Game 1</source>
        <extracomment>What a screen reader says for the menu item &quot;Multiplication Game -1&quot;, which it would read as &quot;minus one&quot;.</extracomment>
        <translation>Gioco delle tabelline 1</translation>
    </message>
</context>
<context>
    <name>numora::MultForm</name>
    <message>
        <source>KORVELLAN : Multiplication Game</source>
        <translation>KORVELLAN: Gioco delle tabelline</translation>
    </message>
    <message>
        <source>Addition and Subtraction game</source>
        <translation>Gioco di addizioni e sottrazioni</translation>
    </message>
</context>
<context>
    <name>numora::TopicForm</name>
    <message>
        <source>KORVELLAN : Select your topic</source>
        <translation>KORVELLAN: Scegli il tuo argomento</translation>
    </message>
</context>
</TS>
