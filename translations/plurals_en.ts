<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Game</name>
    <message numerus="yes">
        <source>You have exceeded maximum number of attempts. Wait will refresh in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Wait will refresh in 7 Sec.&quot;, never shown; %n is the seconds left.</extracomment>
        <translation>
            <numerusform>You have exceeded maximum number of attempts. Wait will refresh in %n second.</numerusform>
            <numerusform>You have exceeded maximum number of attempts. Wait will refresh in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Refreshing in 7 Sec.&quot;, never shown; %n is the seconds until the next puzzle.</extracomment>
        <translation>
            <numerusform>Refreshing in %n second.</numerusform>
            <numerusform>Refreshing in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>KORVELLAN: Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the title &quot;KORVELLAN - Refreshing in - 7&quot;, never shown; %n is the seconds until the next puzzle. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>
            <numerusform>KORVELLAN: Refreshing in %n second.</numerusform>
            <numerusform>KORVELLAN: Refreshing in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n second(s)</source>
        <extracomment>Spoken by a screen reader for the level list&apos;s entry &quot;Level - 1(11 Sec.)&quot;, never shown; %1 is the level&apos;s number, %n its seconds per puzzle.</extracomment>
        <translation>
            <numerusform>Level %1, %n second</numerusform>
            <numerusform>Level %1, %n seconds</numerusform>
        </translation>
    </message>
</context>
</TS>
