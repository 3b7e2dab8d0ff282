<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>kuvo::Announcer</name>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n point.</numerusform>
            <numerusform>%n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pulls left.</source>
        <translation>
            <numerusform>%n pull left.</numerusform>
            <numerusform>%n pulls left.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>%n second left</numerusform>
            <numerusform>%n seconds left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kuvo::PlayerSlotsPanel</name>
    <message numerus="yes">
        <source>%1 takes over %2&apos;s seat (%n points).</source>
        <translation>
            <numerusform>%1 takes over %2&apos;s seat (%n point).</numerusform>
            <numerusform>%1 takes over %2&apos;s seat (%n points).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lost the connection. The seat is kept for %n seconds.</source>
        <translation>
            <numerusform>%1 lost the connection. The seat is kept for %n second.</numerusform>
            <numerusform>%1 lost the connection. The seat is kept for %n seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kuvo::Tchat</name>
    <message numerus="yes">
        <source>%n players are at your table. Closing it ends their game. Close it?</source>
        <translation>
            <numerusform>%n player is at your table. Closing it ends their game. Close it?</numerusform>
            <numerusform>%n players are at your table. Closing it ends their game. Close it?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kuvo::Tdownload</name>
    <message numerus="yes">
        <source>Received %n bytes</source>
        <translation>
            <numerusform>Received %n byte</numerusform>
            <numerusform>Received %n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
</TS>
