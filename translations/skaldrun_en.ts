<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ImportSheet</name>
    <message numerus="yes">
        <source>%n mods</source>
        <translation>
            <numerusform>%n mod</numerusform>
            <numerusform>%n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n config files</source>
        <translation>
            <numerusform>%n config file</numerusform>
            <numerusform>%n config files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ModRow</name>
    <message numerus="yes">
        <source>%n plugins</source>
        <translation>
            <numerusform>%n plugin</numerusform>
            <numerusform>%n plugins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plugins · disabled</source>
        <translation>
            <numerusform>%n plugin · disabled</numerusform>
            <numerusform>%n plugins · disabled</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StepsPane</name>
    <message numerus="yes">
        <source>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</source>
        <translation>
            <numerusform>%n file is quarantined from being downloaded. This runs the Terminal command below for you.</numerusform>
            <numerusform>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</numerusform>
        </translation>
    </message>
</context>
</TS>
