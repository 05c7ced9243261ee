<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlertPresenter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Befehl kopieren</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop mods here to install</source>
        <translation>Mods zum Installieren hier ablegen</translation>
    </message>
    <message>
        <source>Thunderstore .zip · loose .dll · mod folders — they land in BepInEx/plugins</source>
        <translation>Thunderstore-.zip · einzelne .dll · Mod-Ordner — sie landen in BepInEx/plugins</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>%1 and %2, for r2modman, Gale and Skaldrun players.</source>
        <translation>%1 und %2, für Spieler von r2modman, Gale und Skaldrun.</translation>
    </message>
</context>
<context>
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>ImportSheet</name>
    <message numerus="yes">
        <source>%n mods</source>
        <translation>
            <numerusform>%n Mod</numerusform>
            <numerusform>%n Mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n config files</source>
        <translation>
            <numerusform>%n Konfigurationsdatei</numerusform>
            <numerusform>%n Konfigurationsdateien</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: %2, %3</source>
        <translation>„%1“: %2, %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings — shader cache &amp; save backups</source>
        <translation>Einstellungen — Shader-Cache &amp; Sicherungen</translation>
    </message>
    <message>
        <source>Game Folder</source>
        <translation>Spielordner</translation>
    </message>
    <message>
        <source>Open the Valheim game folder in Finder</source>
        <translation>Den Spielordner von Valheim im Finder öffnen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Re-check every step</source>
        <translation>Alle Schritte erneut prüfen</translation>
    </message>
    <message>
        <source>Play Vanilla</source>
        <translation>Vanilla spielen</translation>
    </message>
    <message>
        <source>Launch Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Valheim ohne Mods starten — sie bleiben installiert, werden aber nicht geladen</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Valheim starten</translation>
    </message>
    <message>
        <source>Launch Valheim through Steam (with mods)</source>
        <translation>Valheim über Steam starten (mit Mods)</translation>
    </message>
</context>
<context>
    <name>ModRow</name>
    <message>
        <source>Config</source>
        <translation>Konfig</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Edit this mod&apos;s settings</source>
        <translation>Einstellungen dieses Mods bearbeiten</translation>
    </message>
    <message>
        <source>Holds no plugin DLL, so there is nothing to switch off</source>
        <translation>Enthält keine Plugin-DLL, es gibt also nichts zum Ausschalten</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (deaktiviert)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
    <message>
        <source>Needs %1</source>
        <translation>Benötigt %1</translation>
    </message>
    <message>
        <source>Install missing</source>
        <translation>Fehlende installieren</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Data files (no plugin DLL)</source>
        <translation>Datendateien (keine Plugin-DLL)</translation>
    </message>
    <message>
        <source>Plugin DLL</source>
        <translation>Plugin-DLL</translation>
    </message>
    <message>
        <source>Plugin DLL · disabled</source>
        <translation>Plugin-DLL · deaktiviert</translation>
    </message>
    <message numerus="yes">
        <source>%n plugins</source>
        <translation>
            <numerusform>%n Plugin</numerusform>
            <numerusform>%n Plugins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plugins · disabled</source>
        <translation>
            <numerusform>%n Plugin · deaktiviert</numerusform>
            <numerusform>%n Plugins · deaktiviert</numerusform>
        </translation>
    </message>
    <message>
        <source>Enabled — click to disable</source>
        <translation>Aktiviert — klicken zum Deaktivieren</translation>
    </message>
    <message>
        <source>Disabled — click to enable</source>
        <translation>Deaktiviert — klicken zum Aktivieren</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Version installieren…</translation>
    </message>
    <message>
        <source>Offer updates again</source>
        <translation>Updates wieder anbieten</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb legen</translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>Profiles: separate mod sets for this game folder</source>
        <translation>Profile: getrennte Mod-Sammlungen für diesen Spielordner</translation>
    </message>
    <message>
        <source>New Profile…</source>
        <translation>Neues Profil…</translation>
    </message>
    <message>
        <source>Rename “%1”…</source>
        <translation>„%1“ umbenennen…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb legen</translation>
    </message>
</context>
<context>
    <name>ProfileSheet</name>
    <message>
        <source>New Profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Profil umbenennen</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Name des neuen Profils</translation>
    </message>
    <message>
        <source>New name for “%1”</source>
        <translation>Neuer Name für „%1“</translation>
    </message>
    <message>
        <source>Start with a copy of “%1” (its mods and settings)</source>
        <translation>Mit einer Kopie von „%1“ beginnen (seine Mods und Einstellungen)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The new language shows the next time Skaldrun starts.</source>
        <translation>Die neue Sprache erscheint beim nächsten Start von Skaldrun.</translation>
    </message>
</context>
<context>
    <name>SetupBubble</name>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Setup complete — click to review the steps</source>
        <translation>Einrichtung abgeschlossen — klicken, um die Schritte anzusehen</translation>
    </message>
    <message>
        <source>Setup incomplete — click to open</source>
        <translation>Einrichtung unvollständig — klicken zum Öffnen</translation>
    </message>
    <message>
        <source>Setup %1/7</source>
        <translation>Einrichtung %1/7</translation>
    </message>
</context>
<context>
    <name>ShaderFixBanner</name>
    <message>
        <source>Pink or magenta textures in game?</source>
        <translation>Pinke oder magentafarbene Texturen im Spiel?</translation>
    </message>
    <message>
        <source>Some mods ship Windows-only shaders that Metal can&apos;t render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
        <translation>Manche Mods bringen Shader nur für Windows mit, die Metal nicht darstellen kann. ShaderHelperForMac tauscht kaputte Materialien automatisch gegen Mac-taugliche Shader.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Install Fix</source>
        <translation>Fix installieren</translation>
    </message>
</context>
<context>
    <name>StepCard</name>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
</context>
<context>
    <name>StepsPane</name>
    <message>
        <source>Locate Valheim</source>
        <translation>Valheim finden</translation>
    </message>
    <message>
        <source>Install Rosetta 2</source>
        <translation>Rosetta 2 installieren</translation>
    </message>
    <message>
        <source>Install BepInEx</source>
        <translation>BepInEx installieren</translation>
    </message>
    <message>
        <source>Enable Rosetta Translation</source>
        <translation>Rosetta-Übersetzung aktivieren</translation>
    </message>
    <message>
        <source>Clear Quarantine Flags</source>
        <translation>Quarantäne-Markierungen entfernen</translation>
    </message>
    <message>
        <source>Set Steam Launch Options</source>
        <translation>Steam-Startoptionen setzen</translation>
    </message>
    <message>
        <source>Launch Once to Verify</source>
        <translation>Einmal starten zum Prüfen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Hide setup — it collapses into a bubble</source>
        <translation>Einrichtung ausblenden — sie wird zu einer Blase</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <translation>Automatisch finden</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Ordner wählen…</translation>
    </message>
    <message>
        <source>Fix Script</source>
        <translation>Skript reparieren</translation>
    </message>
    <message>
        <source>Download &amp; Install</source>
        <translation>Herunterladen &amp; installieren</translation>
    </message>
    <message>
        <source>Install from Zip…</source>
        <translation>Aus Zip installieren…</translation>
    </message>
    <message>
        <source>Get it manually</source>
        <translation>Manuell herunterladen</translation>
    </message>
    <message>
        <source>Apply Fix</source>
        <translation>Fix anwenden</translation>
    </message>
    <message>
        <source>Clear Quarantine</source>
        <translation>Quarantäne aufheben</translation>
    </message>
    <message>
        <source>Copy Launch Options</source>
        <translation>Startoptionen kopieren</translation>
    </message>
    <message>
        <source>Set It for Me</source>
        <translation>Für mich setzen</translation>
    </message>
    <message>
        <source>Enable the in-game console (adds -console)</source>
        <translation>Konsole im Spiel aktivieren (fügt -console hinzu)</translation>
    </message>
    <message>
        <source>Changed the checkbox? Copy the line above and paste it into Steam again.</source>
        <translation>Häkchen geändert? Kopiere die Zeile oben und füge sie erneut in Steam ein.</translation>
    </message>
    <message>
        <source>In Steam: right-click Valheim → Properties… → General → paste into Launch Options, then close the window.</source>
        <translation>In Steam: Rechtsklick auf Valheim → Eigenschaften… → Allgemein → in Startoptionen einfügen, dann das Fenster schließen.</translation>
    </message>
    <message>
        <source>I&apos;ve added it — mark this step done</source>
        <translation>Hab ich eingetragen — Schritt als erledigt markieren</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Valheim starten</translation>
    </message>
    <message>
        <source>Re-check</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Linux runs the game natively.</source>
        <translation>Linux führt das Spiel nativ aus.</translation>
    </message>
    <message>
        <source>All set — mods load on next launch</source>
        <translation>Alles bereit — Mods laden beim nächsten Start</translation>
    </message>
    <message>
        <source>%1 of 7 complete</source>
        <translation>%1 von 7 erledigt</translation>
    </message>
    <message>
        <source>Found %1 at %2</source>
        <translation>%1 gefunden in %2</translation>
    </message>
    <message>
        <source>Found the game at %1</source>
        <translation>Spiel gefunden in %1</translation>
    </message>
    <message>
        <source>Found the Windows build (valheim.exe) at %1, which Steam runs through Proton. For BepInEx to load in it, its launch options need: %2</source>
        <translation>Windows-Version (valheim.exe) in %1 gefunden, die Steam über Proton startet. Damit BepInEx darin lädt, brauchen ihre Startoptionen: %2</translation>
    </message>
    <message>
        <source>Install Valheim through Steam first, then auto-detect — or point me at its folder.</source>
        <translation>Installiere Valheim zuerst über Steam und lass es dann automatisch finden — oder zeig mir seinen Ordner.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Nicht nötig</translation>
    </message>
    <message>
        <source>This Mac is Intel, so no translation is needed.</source>
        <translation>Dieser Mac hat Intel, es ist also keine Übersetzung nötig.</translation>
    </message>
    <message>
        <source>Rosetta 2 is installed — this Mac can run Intel code.</source>
        <translation>Rosetta 2 ist installiert — dieser Mac kann Intel-Code ausführen.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only, so Apple Silicon needs Apple&apos;s Rosetta 2 translation layer.</source>
        <translation>Der Injektor von BepInEx läuft nur auf Intel, deshalb braucht Apple Silicon Apples Übersetzungsschicht Rosetta 2.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 liegt im Spielordner und %2 ist bereit.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can&apos;t start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 stammt aus einem Pack älter als 5.4.2331 und kann BepInEx nicht mehr über Steam starten — aktualisiere das Pack.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn&apos;t executable yet.</source>
        <translation>Die BepInEx-Dateien sind da, aber %1 ist noch nicht ausführbar.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Die BepInEx-Dateien sind da, aber %1 braucht noch seine Mac-Anpassungen (Ausführungsrecht + Spielname).</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Lädt das BepInExPack für Valheim von denikson aus Thunderstore herunter und entpackt es in den Spielordner.</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
        <translation>Lädt das BepInExPack für Valheim von denikson aus Thunderstore herunter und entpackt es neben %1.</translation>
    </message>
    <message>
        <source>Reinstall / Update</source>
        <translation>Neu installieren / Update</translation>
    </message>
    <message>
        <source>Intel Macs already run the Intel build natively.</source>
        <translation>Intel-Macs führen die Intel-Version bereits nativ aus.</translation>
    </message>
    <message>
        <source>The launch script starts the game&apos;s Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>Das Startskript startet die Intel-Version (x86_64) des Spiels, damit BepInEx unter Rosetta lädt.</translation>
    </message>
    <message>
        <source>Valheim&apos;s Mac app is Universal and would run natively, where BepInEx can&apos;t load — the fix makes the launch script start its Intel build.</source>
        <translation>Die Mac-App von Valheim ist Universal und würde nativ laufen, wo BepInEx nicht laden kann — der Fix lässt das Startskript die Intel-Version starten.</translation>
    </message>
    <message>
        <source>Install BepInEx first — this changes how its launch script starts the game.</source>
        <translation>Installiere zuerst BepInEx — das ändert, wie sein Startskript das Spiel startet.</translation>
    </message>
    <message>
        <source># added to %1</source>
        <translation># zu %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Linux doesn&apos;t quarantine downloads.</source>
        <translation>Linux stellt Downloads nicht unter Quarantäne.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS&apos;s quarantine flag so Gatekeeper doesn&apos;t block the injector.</source>
        <translation>Nach der Installation von BepInEx entfernt das die Quarantäne-Markierung von macOS, damit Gatekeeper den Injektor nicht blockiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</source>
        <translation>
            <numerusform>%n Datei steht seit dem Herunterladen unter Quarantäne. Das führt den Terminal-Befehl unten für dich aus.</numerusform>
            <numerusform>%n Dateien stehen seit dem Herunterladen unter Quarantäne. Das führt den Terminal-Befehl unten für dich aus.</numerusform>
        </translation>
    </message>
    <message>
        <source>No quarantine flags on the modding files — Gatekeeper won&apos;t interfere.</source>
        <translation>Keine Quarantäne-Markierungen an den Mod-Dateien — Gatekeeper kommt nicht in die Quere.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>In deinen Steam-Einstellungen gefunden — Valheim startet über BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx&apos;s script.</source>
        <translation>Der einzige Handgriff: Steam muss das Spiel über das Skript von BepInEx starten.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Start mit Mods bestätigt — BepInEx hat sein Log zuletzt am %1 geschrieben.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s last log comes from the Windows build under Proton, not the native game.</source>
        <translation>Das letzte Log von BepInEx stammt von der Windows-Version unter Proton, nicht vom nativen Spiel.</translation>
    </message>
    <message>
        <source>Start the game once. When BepInEx loads, it writes BepInEx/LogOutput.log — that file is the proof.</source>
        <translation>Starte das Spiel einmal. Wenn BepInEx lädt, schreibt es BepInEx/LogOutput.log — diese Datei ist der Beweis.</translation>
    </message>
    <message>
        <source>Tip: if a game update breaks mods, re-run steps 3–5.</source>
        <translation>Tipp: Wenn ein Spiel-Update Mods kaputt macht, führe die Schritte 3–5 erneut aus.</translation>
    </message>
</context>
</TS>
