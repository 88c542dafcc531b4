<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Accessibility</name>
    <message>
        <source>top row, left column</source>
        <translation>bovenste rij, linkerkolom</translation>
    </message>
    <message>
        <source>top row, middle column</source>
        <translation>bovenste rij, middelste kolom</translation>
    </message>
    <message>
        <source>top row, right column</source>
        <translation>bovenste rij, rechterkolom</translation>
    </message>
    <message>
        <source>middle row, left column</source>
        <translation>middelste rij, linkerkolom</translation>
    </message>
    <message>
        <source>middle row, middle column</source>
        <translation>middelste rij, middelste kolom</translation>
    </message>
    <message>
        <source>middle row, right column</source>
        <translation>middelste rij, rechterkolom</translation>
    </message>
    <message>
        <source>bottom row, left column</source>
        <translation>onderste rij, linkerkolom</translation>
    </message>
    <message>
        <source>bottom row, middle column</source>
        <translation>onderste rij, middelste kolom</translation>
    </message>
    <message>
        <source>bottom row, right column</source>
        <translation>onderste rij, rechterkolom</translation>
    </message>
    <message>
        <source>sum of the top row</source>
        <translation>som van de bovenste rij</translation>
    </message>
    <message>
        <source>sum of the middle row</source>
        <translation>som van de middelste rij</translation>
    </message>
    <message>
        <source>sum of the bottom row</source>
        <translation>som van de onderste rij</translation>
    </message>
    <message>
        <source>sum of the right column</source>
        <translation>som van de rechterkolom</translation>
    </message>
    <message>
        <source>sum of the middle column</source>
        <translation>som van de middelste kolom</translation>
    </message>
    <message>
        <source>sum of the left column</source>
        <translation>som van de linkerkolom</translation>
    </message>
    <message>
        <source>status</source>
        <translation>bericht</translation>
    </message>
    <message>
        <source>factor, top left</source>
        <translation>factor, linksboven</translation>
    </message>
    <message>
        <source>factor, top right</source>
        <translation>factor, rechtsboven</translation>
    </message>
    <message>
        <source>factor, bottom left</source>
        <translation>factor, linksonder</translation>
    </message>
    <message>
        <source>factor, bottom right</source>
        <translation>factor, rechtsonder</translation>
    </message>
    <message>
        <source>product of the top row</source>
        <translation>product van de bovenste rij</translation>
    </message>
    <message>
        <source>product of the bottom row</source>
        <translation>product van de onderste rij</translation>
    </message>
    <message>
        <source>product of the right column</source>
        <translation>product van de rechterkolom</translation>
    </message>
    <message>
        <source>product of the left column</source>
        <translation>product van de linkerkolom</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>je antwoord</translation>
    </message>
    <message>
        <source>clears your answer</source>
        <translation>wist je antwoord</translation>
    </message>
    <message>
        <source>number pad</source>
        <translation>cijferblok</translation>
    </message>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>not found yet</source>
        <translation>nog niet gevonden</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Row product %1, column product %2.</source>
        <translation>Rijproduct %1, kolomproduct %2.</translation>
    </message>
    <message>
        <source>Row sum: %1, column sum: %2.</source>
        <translation>Rijsom: %1, kolomsom: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Click to select number.</source>
        <extracomment>The status line as the window opens, before any game: the player may pick a number on the number pad. In play the same line reads &quot;Click number to select.&quot;.</extracomment>
        <translation>Kies een getal.</translation>
    </message>
    <message>
        <source>Click number to select.</source>
        <extracomment>The status line in play, while picks still count: click a number of the number pad. Before any game the same line reads &quot;Click to select number.&quot;.</extracomment>
        <translation>Klik op een getal.</translation>
    </message>
    <message>
        <source>You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.</source>
        <extracomment>After too many picks on one puzzle: &quot;refresh&quot; means that the next puzzle comes (use the word of &quot;New puzzle.&quot;); %1 is the seconds left, &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Te veel pogingen. Wacht, nieuwe puzzel over %1 sec.</translation>
    </message>
    <message>
        <source>Refreshing in %1 Sec.</source>
        <extracomment>The multiplication window&apos;s status line: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;); &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Nieuwe puzzel over %1 sec.</translation>
    </message>
    <message>
        <source>KORVELLAN - Refreshing in - %1</source>
        <extracomment>The window title in play: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;). %1 can reach 0, and below while the window is minimised.</extracomment>
        <translation>KORVELLAN - Puzzel over - %1</translation>
    </message>
    <message>
        <source>Level - %1(%2 Sec.)</source>
        <translation>Niveau %1 (%2 sec.)</translation>
    </message>
    <message>
        <source>Product of the top row.</source>
        <translation>Product van de bovenste rij.</translation>
    </message>
    <message>
        <source>Product of the bottom row.</source>
        <translation>Product van de onderste rij.</translation>
    </message>
    <message>
        <source>Product of the right column.</source>
        <translation>Product van de rechterkolom.</translation>
    </message>
    <message>
        <source>Product of the left column.</source>
        <translation>Product van de linkerkolom.</translation>
    </message>
    <message>
        <source>New puzzle.</source>
        <translation>Nieuwe puzzel.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Opgelost!</translation>
    </message>
    <message>
        <source>All four found!</source>
        <translation>Alle vier gevonden!</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestopt.</translation>
    </message>
    <message>
        <source>%1 is right!</source>
        <translation>%1 is goed!</translation>
    </message>
    <message numerus="yes">
        <source>You have exceeded maximum number of attempts. Wait will refresh in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Wait will refresh in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Te veel pogingen. Wacht, nieuwe puzzel over %n seconde.</numerusform>
            <numerusform>Te veel pogingen. Wacht, nieuwe puzzel over %n seconden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Refreshing in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Nieuwe puzzel over %n seconde.</numerusform>
            <numerusform>Nieuwe puzzel over %n seconden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>KORVELLAN: Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the title &quot;KORVELLAN - Refreshing in - 7&quot;.</extracomment>
        <translation>
            <numerusform>KORVELLAN: nieuwe puzzel over %n seconde.</numerusform>
            <numerusform>KORVELLAN: nieuwe puzzel over %n seconden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n second(s)</source>
        <extracomment>Spoken by a screen reader for the level list&apos;s entry &quot;Level - 1(11 Sec.)&quot;.</extracomment>
        <translation>
            <numerusform>Niveau %1, %n seconde</numerusform>
            <numerusform>Niveau %1, %n seconden</numerusform>
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
        <translation>&amp;Begin Numora</translation>
    </message>
    <message>
        <source>Start New game</source>
        <translation>Nieuw spel beginnen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>&amp;Exit </source>
        <translation>Sl&amp;uit </translation>
    </message>
    <message>
        <source> Exit game</source>
        <translation>Spel afsluiten</translation>
    </message>
    <message>
        <source>Find the missing numbers.</source>
        <translation>Zoek de verborgen getallen.</translation>
    </message>
    <message>
        <source>Click to select number.</source>
        <translation>Kies een getal.</translation>
    </message>
    <message>
        <source>I would like to pay.</source>
        <translation>Ik wil graag betalen.</translation>
    </message>
    <message>
        <source>Find the multiplication numbers.</source>
        <translation>Maak de keersommen.</translation>
    </message>
    <message>
        <source>Cls.</source>
        <extracomment>The multiplication pad&apos;s clear key, about 40 pixels wide: it clears the answer typed so far (not &quot;close&quot;). A word where it fits, else an abbreviation.</extracomment>
        <translation>Wis</translation>
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
        <translation>Je hebt een internetverbinding nodig.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet Required.</source>
        <translation>KORVELLAN: Internet nodig.</translation>
    </message>
    <message>
        <source>Installed files missing run setup again. Contact KORVELLAN</source>
        <translation>Er ontbreken bestanden. Installeer het spel opnieuw of schrijf naar KORVELLAN.</translation>
    </message>
    <message>
        <source>Active Internet connection is required.</source>
        <translation>Er is een internetverbinding nodig.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet connection required.</source>
        <translation>KORVELLAN: Internetverbinding nodig.</translation>
    </message>
    <message>
        <source>updates available. Send email for the link to download Updates</source>
        <translation>Er zijn updates. Stuur een e-mail voor de downloadlink.</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Geen updates.</translation>
    </message>
    <message>
        <source>KORVELLAN : Update</source>
        <translation>KORVELLAN: Update</translation>
    </message>
    <message>
        <source>Server down check later.</source>
        <translation>De server reageert niet. Probeer het later nog eens.</translation>
    </message>
    <message>
        <source>The web page could not be opened.</source>
        <translation>De webpagina kon niet worden geopend.</translation>
    </message>
</context>
<context>
    <name>numora::GameWindow</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
</context>
<context>
    <name>numora::MainForm</name>
    <message>
        <source>Multiplication Game -1</source>
        <translation>Tafelspel 1</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Zoeken naar updates...</translation>
    </message>
    <message>
        <source>Download Glimmerquiz Game</source>
        <translation>Glimmerquiz-spel downloaden</translation>
    </message>
    <message>
        <source>Multiplication Game 1</source>
        <extracomment>What a screen reader says for the menu item &quot;Multiplication Game -1&quot;, which it would read as &quot;minus one&quot;.</extracomment>
        <translation>Tafelspel 1</translation>
    </message>
</context>
<context>
    <name>numora::MultForm</name>
    <message>
        <source>KORVELLAN : Multiplication Game</source>
        <translation>KORVELLAN: Tafelspel</translation>
    </message>
    <message>
        <source>Addition and Subtraction game</source>
        <translation>Plus- en minspel</translation>
    </message>
</context>
<context>
    <name>numora::TopicForm</name>
    <message>
        <source>KORVELLAN : Select your topic</source>
        <translation>KORVELLAN: Kies je onderwerp</translation>
    </message>
</context>
</TS>
