<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AppState</name>
    <message numerus="yes">
        <source>Removed quarantine from %n files</source>
        <translation>
            <numerusform>Removed quarantine from %n file</numerusform>
            <numerusform>Removed quarantine from %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Installing %n items…</source>
        <translation>
            <numerusform>Installing %n item…</numerusform>
            <numerusform>Installing %n items…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 enabled</source>
        <translation>
            <numerusform>%1 enabled</numerusform>
            <numerusform>%1 enabled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 disabled</source>
        <translation>
            <numerusform>%1 disabled</numerusform>
            <numerusform>%1 disabled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 to Trash</source>
        <translation>
            <numerusform>Moved %1 to Trash</numerusform>
            <numerusform>Moved %1 to Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n save files</source>
        <translation>
            <numerusform>Backed up %n save file</numerusform>
            <numerusform>Backed up %n save files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</source>
        <translation>
            <numerusform>Backed up %1 — %n link in the save folder leads nowhere, so no older backup was removed</numerusform>
            <numerusform>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n save files</source>
        <translation>
            <numerusform>%n save file</numerusform>
            <numerusform>%n save files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n save files from the backup</source>
        <translation>
            <numerusform>Restored %n save file from the backup</numerusform>
            <numerusform>Restored %n save files from the backup</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n mods aside — capture command copied to clipboard</source>
        <translation>
            <numerusform>Moved %n mod aside — capture command copied to clipboard</numerusform>
            <numerusform>Moved %n mods aside — capture command copied to clipboard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n mods — relaunch Valheim to play modded</source>
        <translation>
            <numerusform>Restored %n mod — relaunch Valheim to play modded</numerusform>
            <numerusform>Restored %n mods — relaunch Valheim to play modded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read the profile “%1”: %n mods</source>
        <translation>
            <numerusform>Read the profile “%1”: %n mods</numerusform>
            <numerusform>Read the profile “%1”: %n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2</source>
        <translation>
            <numerusform>Imported %1 of %n mods into the new profile %2</numerusform>
            <numerusform>Imported %1 of %n mods into the new profile %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2; not found: %3</source>
        <translation>
            <numerusform>Imported %1 of %n mods into the new profile %2; not found: %3</numerusform>
            <numerusform>Imported %1 of %n mods into the new profile %2; not found: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods</source>
        <translation>
            <numerusform>Imported %1 of %n mods</numerusform>
            <numerusform>Imported %1 of %n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods; not found: %2</source>
        <translation>
            <numerusform>Imported %1 of %n mods; not found: %2</numerusform>
            <numerusform>Imported %1 of %n mods; not found: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n mods to %1</source>
        <translation>
            <numerusform>Saved %n mods to %1</numerusform>
            <numerusform>Saved %n mods to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updating %n mods…</source>
        <translation>
            <numerusform>Updating %n mod…</numerusform>
            <numerusform>Updating %n mods…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BrowseView</name>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 of %n mod</numerusform>
            <numerusform>%1 of %n mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message numerus="yes">
        <source>%1 of 7 steps done · %n mods, %2 enabled</source>
        <translation>
            <numerusform>%1 of 7 steps done · %n mod, %2 enabled</numerusform>
            <numerusform>%1 of 7 steps done · %n mods, %2 enabled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 · %3 · %n downloads · %4</source>
        <translation>
            <numerusform>%1 %2 · %3 · %n download · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n downloads · %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n time)</numerusform>
            <numerusform>[%1] %2 (%n times)</numerusform>
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
    <name>GameUpdateBanner</name>
    <message numerus="yes">
        <source>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</source>
        <translation>
            <numerusform>%n mod didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</numerusform>
            <numerusform>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n Mods</source>
        <translation>
            <numerusform>Update %n Mod</numerusform>
            <numerusform>Update %n Mods</numerusform>
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
    <name>LaunchSheet</name>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n time)</numerusform>
            <numerusform>[%1] %2 (%n times)</numerusform>
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
    <name>ModsPane</name>
    <message numerus="yes">
        <source>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</source>
        <translation>
            <numerusform>%n mod is stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</numerusform>
            <numerusform>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n enabled</source>
        <translation>
            <numerusform>%1 of %n enabled</numerusform>
            <numerusform>%1 of %n enabled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n update</numerusform>
            <numerusform>%n updates</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>Installed %1 with %n dependency (%2)</numerusform>
            <numerusform>Installed %1 with %n dependencies (%2)</numerusform>
        </translation>
    </message>
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
            <numerusform>%1 · %Ln mod (%2)</numerusform>
            <numerusform>%1 · %Ln mods (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods</source>
        <translation>
            <numerusform>%1 · %Ln mod</numerusform>
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
