<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en">
<context>
    <name>BrowseView</name>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 of %n mods</numerusform>
            <numerusform>%1 of %n mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DependantsPrompt</name>
    <message numerus="yes">
        <source>%n mods depend on %1: %2.</source>
        <translation>
            <numerusform>%n mod depends on %1: %2.</numerusform>
            <numerusform>%n mods depend on %1: %2.</numerusform>
        </translation>
    </message>
</context>
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
    <name>Installer</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n time)</numerusform>
            <numerusform>%1 (%n times)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>%1 of %n mods loaded, Valheim %2</numerusform>
            <numerusform>%1 of %n mods loaded, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded</source>
        <translation>
            <numerusform>%1 of %n mods loaded</numerusform>
            <numerusform>%1 of %n mods loaded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</numerusform>
            <numerusform>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded</source>
        <translation>
            <numerusform>BepInEx stopped before it finished loading: %1 of %n mods loaded</numerusform>
            <numerusform>BepInEx stopped before it finished loading: %1 of %n mods loaded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>- …and %n more</source>
        <translation>
            <numerusform>- …and %n more</numerusform>
            <numerusform>- …and %n more</numerusform>
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
    <name>Pipeline</name>
    <message numerus="yes">
        <source>Updated %1 of %n mods; stopped before %2</source>
        <translation>
            <numerusform>Updated %1 of %n mod; stopped before %2</numerusform>
            <numerusform>Updated %1 of %n mods; stopped before %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods</source>
        <translation>
            <numerusform>Updated %1 of %n mod</numerusform>
            <numerusform>Updated %1 of %n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>Installed %1 with %n dependency (%2)</numerusform>
            <numerusform>Installed %1 with %n dependencies (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message numerus="yes">
        <source>%n items stashed in %1</source>
        <translation>
            <numerusform>%n item stashed in %1</numerusform>
            <numerusform>%n items stashed in %1</numerusform>
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
<context>
    <name>ThunderstoreStore</name>
    <message numerus="yes">
        <source>Updated %n min ago</source>
        <translation>
            <numerusform>Updated %n min ago</numerusform>
            <numerusform>Updated %n min ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n h ago</source>
        <translation>
            <numerusform>Updated %n h ago</numerusform>
            <numerusform>Updated %n h ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n days ago</source>
        <translation>
            <numerusform>Updated %n day ago</numerusform>
            <numerusform>Updated %n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods (%2)</source>
        <translation>
            <numerusform>%1 · %Ln mods (%2)</numerusform>
            <numerusform>%1 · %Ln mods (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods</source>
        <translation>
            <numerusform>%1 · %Ln mods</numerusform>
            <numerusform>%1 · %Ln mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpdatesSheet</name>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n update</numerusform>
            <numerusform>%n updates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n mods</source>
        <translation>
            <numerusform>Update %n mod</numerusform>
            <numerusform>Update %n mods</numerusform>
        </translation>
    </message>
</context>
</TS>