<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>top row, left column</source>
        <translation>obere Zeile, linke Spalte</translation>
    </message>
    <message>
        <source>top row, middle column</source>
        <translation>obere Zeile, mittlere Spalte</translation>
    </message>
    <message>
        <source>top row, right column</source>
        <translation>obere Zeile, rechte Spalte</translation>
    </message>
    <message>
        <source>middle row, left column</source>
        <translation>mittlere Zeile, linke Spalte</translation>
    </message>
    <message>
        <source>middle row, middle column</source>
        <translation>mittlere Zeile, mittlere Spalte</translation>
    </message>
    <message>
        <source>middle row, right column</source>
        <translation>mittlere Zeile, rechte Spalte</translation>
    </message>
    <message>
        <source>bottom row, left column</source>
        <translation>untere Zeile, linke Spalte</translation>
    </message>
    <message>
        <source>bottom row, middle column</source>
        <translation>untere Zeile, mittlere Spalte</translation>
    </message>
    <message>
        <source>bottom row, right column</source>
        <translation>untere Zeile, rechte Spalte</translation>
    </message>
    <message>
        <source>sum of the top row</source>
        <translation>Summe der oberen Zeile</translation>
    </message>
    <message>
        <source>sum of the middle row</source>
        <translation>Summe der mittleren Zeile</translation>
    </message>
    <message>
        <source>sum of the bottom row</source>
        <translation>Summe der unteren Zeile</translation>
    </message>
    <message>
        <source>sum of the right column</source>
        <translation>Summe der rechten Spalte</translation>
    </message>
    <message>
        <source>sum of the middle column</source>
        <translation>Summe der mittleren Spalte</translation>
    </message>
    <message>
        <source>sum of the left column</source>
        <translation>Summe der linken Spalte</translation>
    </message>
    <message>
        <source>status</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>factor, top left</source>
        <translation>Faktor, oben links</translation>
    </message>
    <message>
        <source>factor, top right</source>
        <translation>Faktor, oben rechts</translation>
    </message>
    <message>
        <source>factor, bottom left</source>
        <translation>Faktor, unten links</translation>
    </message>
    <message>
        <source>factor, bottom right</source>
        <translation>Faktor, unten rechts</translation>
    </message>
    <message>
        <source>product of the top row</source>
        <translation>Produkt der oberen Zeile</translation>
    </message>
    <message>
        <source>product of the bottom row</source>
        <translation>Produkt der unteren Zeile</translation>
    </message>
    <message>
        <source>product of the right column</source>
        <translation>Produkt der rechten Spalte</translation>
    </message>
    <message>
        <source>product of the left column</source>
        <translation>Produkt der linken Spalte</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>deine Antwort</translation>
    </message>
    <message>
        <source>clears your answer</source>
        <translation>löscht deine Antwort</translation>
    </message>
    <message>
        <source>number pad</source>
        <translation>Zahlenfeld</translation>
    </message>
    <message>
        <source>level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>not found yet</source>
        <translation>noch nicht gefunden</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>versteckt</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Row product %1, column product %2.</source>
        <translation>Zeilenprodukt %1, Spaltenprodukt %2.</translation>
    </message>
    <message>
        <source>Row sum: %1, column sum: %2.</source>
        <translation>Zeilensumme: %1, Spaltensumme: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Click to select number.</source>
        <extracomment>The status line as the window opens, before any game: the player may pick a number on the number pad. In play the same line reads &quot;Click number to select.&quot;.</extracomment>
        <translation>Wähle eine Zahl.</translation>
    </message>
    <message>
        <source>Click number to select.</source>
        <extracomment>The status line in play, while picks still count: click a number of the number pad. Before any game the same line reads &quot;Click to select number.&quot;.</extracomment>
        <translation>Klick auf eine Zahl.</translation>
    </message>
    <message>
        <source>You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.</source>
        <extracomment>After too many picks on one puzzle: &quot;refresh&quot; means that the next puzzle comes (use the word of &quot;New puzzle.&quot;); %1 is the seconds left, &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Zu viele Versuche. Warte, neues Rätsel in %1 Sek.</translation>
    </message>
    <message>
        <source>Refreshing in %1 Sec.</source>
        <extracomment>The multiplication window&apos;s status line: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;); &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Neues Rätsel in %1 Sek.</translation>
    </message>
    <message>
        <source>KORVELLAN - Refreshing in - %1</source>
        <extracomment>The window title in play: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;). %1 can reach 0, and below while the window is minimised.</extracomment>
        <translation>KORVELLAN - Neues Rätsel in - %1</translation>
    </message>
    <message>
        <source>Level - %1(%2 Sec.)</source>
        <translation>Stufe %1 (%2 Sek.)</translation>
    </message>
    <message>
        <source>Product of the top row.</source>
        <translation>Produkt der oberen Zeile.</translation>
    </message>
    <message>
        <source>Product of the bottom row.</source>
        <translation>Produkt der unteren Zeile.</translation>
    </message>
    <message>
        <source>Product of the right column.</source>
        <translation>Produkt der rechten Spalte.</translation>
    </message>
    <message>
        <source>Product of the left column.</source>
        <translation>Produkt der linken Spalte.</translation>
    </message>
    <message>
        <source>New puzzle.</source>
        <translation>Neues Rätsel.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>All four found!</source>
        <translation>Alle vier gefunden!</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>%1 is right!</source>
        <translation>%1 ist richtig!</translation>
    </message>
    <message numerus="yes">
        <source>You have exceeded maximum number of attempts. Wait will refresh in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Wait will refresh in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Zu viele Versuche. Warte, neues Rätsel in %n Sekunde.</numerusform>
            <numerusform>Zu viele Versuche. Warte, neues Rätsel in %n Sekunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Refreshing in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Neues Rätsel in %n Sekunde.</numerusform>
            <numerusform>Neues Rätsel in %n Sekunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>KORVELLAN: Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the title &quot;KORVELLAN - Refreshing in - 7&quot;.</extracomment>
        <translation>
            <numerusform>KORVELLAN: neues Rätsel in %n Sekunde.</numerusform>
            <numerusform>KORVELLAN: neues Rätsel in %n Sekunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n second(s)</source>
        <extracomment>Spoken by a screen reader for the level list&apos;s entry &quot;Level - 1(11 Sec.)&quot;.</extracomment>
        <translation>
            <numerusform>Stufe %1, %n Sekunde</numerusform>
            <numerusform>Stufe %1, %n Sekunden</numerusform>
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
        <translation>Numora &amp;starten</translation>
    </message>
    <message>
        <source>Start New game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&amp;Exit </source>
        <translation>&amp;Ende </translation>
    </message>
    <message>
        <source> Exit game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Find the missing numbers.</source>
        <translation>Finde die fehlenden Zahlen.</translation>
    </message>
    <message>
        <source>Click to select number.</source>
        <translation>Wähle eine Zahl.</translation>
    </message>
    <message>
        <source>I would like to pay.</source>
        <translation>Ich möchte bezahlen.</translation>
    </message>
    <message>
        <source>Find the multiplication numbers.</source>
        <translation>Rechne die Malaufgaben aus.</translation>
    </message>
    <message>
        <source>Cls.</source>
        <extracomment>The multiplication pad&apos;s clear key, about 40 pixels wide: it clears the answer typed so far (not &quot;close&quot;). A word where it fits, else an abbreviation.</extracomment>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Numora - 1</source>
        <translation>Numora - 1</translation>
    </message>
    <message>
        <source>algebra - 1</source>
        <translation>Algebra - 1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Active Internet connection required.</source>
        <translation>Du brauchst eine Internetverbindung.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet Required.</source>
        <translation>KORVELLAN: Internet nötig.</translation>
    </message>
    <message>
        <source>Installed files missing run setup again. Contact KORVELLAN</source>
        <translation>Dateien des Spiels fehlen. Installiere das Spiel neu oder schreib an KORVELLAN.</translation>
    </message>
    <message>
        <source>Active Internet connection is required.</source>
        <translation>Eine Internetverbindung ist nötig.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet connection required.</source>
        <translation>KORVELLAN: Internetverbindung nötig.</translation>
    </message>
    <message>
        <source>updates available. Send email for the link to download Updates</source>
        <translation>Es gibt ein Update. Schreib eine E-Mail, dann bekommst du den Link zum Herunterladen.</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Es gibt kein Update.</translation>
    </message>
    <message>
        <source>KORVELLAN : Update</source>
        <translation>KORVELLAN: Update</translation>
    </message>
    <message>
        <source>Server down check later.</source>
        <translation>Der Server antwortet nicht. Versuch es später noch mal.</translation>
    </message>
    <message>
        <source>The web page could not be opened.</source>
        <translation>Die Webseite ließ sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>numora::GameWindow</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>numora::MainForm</name>
    <message>
        <source>Multiplication Game -1</source>
        <translation>Einmaleins-Spiel 1</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Nach Updates suchen...</translation>
    </message>
    <message>
        <source>Download Glimmerquiz Game</source>
        <translation>Glimmerquiz-Spiel herunterladen</translation>
    </message>
    <message>
        <source>Multiplication Game 1</source>
        <extracomment>What a screen reader says for the menu item &quot;Multiplication Game -1&quot;, which it would read as &quot;minus one&quot;.</extracomment>
        <translation>Einmaleins-Spiel 1</translation>
    </message>
</context>
<context>
    <name>numora::MultForm</name>
    <message>
        <source>KORVELLAN : Multiplication Game</source>
        <translation>KORVELLAN: Einmaleins-Spiel</translation>
    </message>
    <message>
        <source>Addition and Subtraction game</source>
        <translation>Plus- und Minus-Spiel</translation>
    </message>
</context>
<context>
    <name>numora::TopicForm</name>
    <message>
        <source>KORVELLAN : Select your topic</source>
        <translation>KORVELLAN: Wähle dein Thema</translation>
    </message>
</context>
</TS>
