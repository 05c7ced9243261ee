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
    <name>AppState</name>
    <message>
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>Gerade läuft noch etwas anderes („%1“); öffne das Profil erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
</context>
<context>
    <name>BrowseRow</name>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>%1K</source>
        <translation>%1 Tsd.</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1 Mio.</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>von %1</translation>
    </message>
</context>
<context>
    <name>BrowseView</name>
    <message>
        <source>Search mods</source>
        <translation>Mods suchen</translation>
    </message>
    <message>
        <source>Refresh catalog</source>
        <translation>Katalog aktualisieren</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 von %n Mod</numerusform>
            <numerusform>%1 von %n Mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · showing the previous catalog</source>
        <translation>%1 · der vorherige Katalog wird angezeigt</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the Thunderstore catalog.</source>
        <translation>Der Thunderstore-Katalog konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>View on Thunderstore</source>
        <translation>Auf Thunderstore ansehen</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Version installieren…</translation>
    </message>
    <message>
        <source>Read More</source>
        <translation>Mehr lesen</translation>
    </message>
</context>
<context>
    <name>ChunkedListing</name>
    <message>
        <source>the server answered with error %1</source>
        <translation>der Server antwortete mit Fehler %1</translation>
    </message>
    <message>
        <source>its list of catalog parts is unreadable</source>
        <translation>seine Liste der Katalogteile ist unlesbar</translation>
    </message>
    <message>
        <source>its list names %1 catalog parts, far more than any real catalog</source>
        <translation>seine Liste nennt %1 Katalogteile, weit mehr als jeder echte Katalog</translation>
    </message>
    <message>
        <source>its list of catalog parts holds something that is no address</source>
        <translation>seine Liste der Katalogteile enthält etwas, das keine Adresse ist</translation>
    </message>
    <message>
        <source>part %1 of its catalog is damaged</source>
        <translation>Teil %1 seines Katalogs ist beschädigt</translation>
    </message>
    <message>
        <source>part %1 of its catalog didn&apos;t arrive (%2)</source>
        <translation>Teil %1 seines Katalogs kam nicht an (%2)</translation>
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
    <name>ConfigEntryRow</name>
    <message>
        <source>Modified — not saved yet</source>
        <translation>Geändert – noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Standard: %1</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>“%1” takes true or false.</source>
        <translation>„%1“ nimmt true oder false.</translation>
    </message>
    <message>
        <source>“%1” takes one of: %2.</source>
        <translation>„%1“ nimmt einen dieser Werte: %2.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number.</source>
        <translation>„%1“ nimmt eine ganze Zahl.</translation>
    </message>
    <message>
        <source>“%1” takes a number.</source>
        <translation>„%1“ nimmt eine Zahl.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number from %2 to %3.</source>
        <translation>„%1“ nimmt eine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>“%1” takes a number from %2 to %3.</source>
        <translation>„%1“ nimmt eine Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>Der Wert von „%1“ darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>Der Wert von „%1“ darf nicht auf „]“ enden: Die Zeile würde als Abschnittsüberschrift gelesen.</translation>
    </message>
</context>
<context>
    <name>DependantsPrompt</name>
    <message>
        <source>Move All to Trash</source>
        <translation>Alle in den Papierkorb</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Alle deaktivieren</translation>
    </message>
    <message>
        <source>Move Only %1 to Trash</source>
        <translation>Nur %1 in den Papierkorb</translation>
    </message>
    <message>
        <source>Disable Only %1</source>
        <translation>Nur %1 deaktivieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%n mods depend on %1: %2.</source>
        <translation>
            <numerusform>%n Mod hängt von %1 ab: %2.</numerusform>
            <numerusform>%n Mods hängen von %1 ab: %2.</numerusform>
        </translation>
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
    <message>
        <source>Export This Profile</source>
        <translation>Dieses Profil exportieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save .r2z…</source>
        <translation>.r2z speichern…</translation>
    </message>
    <message>
        <source>Get Code</source>
        <translation>Code erzeugen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
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
    <message>
        <source>Import a Profile</source>
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>Paste a profile code</source>
        <translation>Profilcode einfügen</translation>
    </message>
    <message>
        <source>Profile code from r2modman, Gale or Skaldrun</source>
        <translation>Profilcode aus r2modman, Gale oder Skaldrun</translation>
    </message>
    <message>
        <source>Read Code</source>
        <translation>Code lesen</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Datei öffnen…</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Repository</source>
        <translation>Repository</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Name des neuen Profils</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Replace This Profile</source>
        <translation>Dieses Profil ersetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>Paste a code from r2modman, Gale or Skaldrun, or open a .r2z file.</source>
        <translation>Füge einen Code aus r2modman, Gale oder Skaldrun ein oder öffne eine .r2z-Datei.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Import a Profile…</source>
        <translation>Profil importieren…</translation>
    </message>
    <message>
        <source>Export This Profile…</source>
        <translation>Dieses Profil exportieren…</translation>
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
    <name>MarkdownView</name>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>No changelog</source>
        <translation>Kein Changelog</translation>
    </message>
    <message>
        <source>No readme</source>
        <translation>Keine Readme</translation>
    </message>
    <message>
        <source>Very long, so shortened here; the rest is on the package&apos;s page.</source>
        <translation>Sehr lang, daher hier gekürzt; der Rest steht auf der Seite des Pakets.</translation>
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
    <name>PackageDocs</name>
    <message>
        <source>Couldn&apos;t load the readme: %1</source>
        <translation>Die Readme konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: %1</source>
        <translation>Der Changelog konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the readme: the repository answered %1.</source>
        <translation>Die Readme konnte nicht geladen werden: Das Repository antwortete %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: the repository answered %1.</source>
        <translation>Der Changelog konnte nicht geladen werden: Das Repository antwortete %1.</translation>
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
    <name>ReadmeSheet</name>
    <message>
        <source>Open Page</source>
        <translation>Seite öffnen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Repository</name>
    <message>
        <source>%1 has no package %2.</source>
        <translation>%1 hat kein Paket %2.</translation>
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
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Mod repositories:</source>
        <translation>Mod-Repositorys:</translation>
    </message>
    <message>
        <source>Rebuild the Vanilla Shader Cache</source>
        <translation>Vanilla-Shader-Cache neu aufbauen</translation>
    </message>
    <message>
        <source>ShaderHelperForMac compares mod materials against a baseline captured from an unmodded game. After a Valheim update, rebuild it so the baseline matches your game version. The steps below automate the file shuffling.</source>
        <translation>ShaderHelperForMac vergleicht die Materialien der Mods mit einer Grundlage, die im Spiel ohne Mods erfasst wurde. Baue sie nach einem Valheim-Update neu auf, damit sie zu deiner Spielversion passt. Die Schritte unten verschieben die Dateien für dich.</translation>
    </message>
    <message>
        <source>Install ShaderHelperForMac first — see the pink banner in the Mods pane, or search for it in Browse.</source>
        <translation>Installiere zuerst ShaderHelperForMac – siehe das rosa Banner im Mods-Bereich, oder suche unter „Durchsuchen“ danach.</translation>
    </message>
    <message>
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can&apos;t contaminate the baseline.</source>
        <translation>Verschiebe alle Mods außer ShaderHelperForMac aus dem plugins-Ordner, damit ihre Materialien die Grundlage nicht verfälschen.</translation>
    </message>
    <message>
        <source>Move Mods Aside</source>
        <translation>Mods beiseitelegen</translation>
    </message>
    <message>
        <source>Back Up Worlds &amp; Characters</source>
        <translation>Welten und Charaktere sichern</translation>
    </message>
    <message>
        <source>Copies every world and character to this app&apos;s backup folder</source>
        <translation>Kopiert alle Welten und Charaktere in den Sicherungsordner dieser App</translation>
    </message>
    <message>
        <source>Back up first: if the game saves while mods are unloaded, modded items and buildings vanish from those saves.</source>
        <translation>Zuerst sichern: Speichert das Spiel, während die Mods entladen sind, verschwinden gemoddete Gegenstände und Bauten aus diesen Spielständen.</translation>
    </message>
    <message>
        <source>Launch Valheim and load any world.</source>
        <translation>Starte Valheim und lade eine beliebige Welt.</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Valheim starten</translation>
    </message>
    <message>
        <source>Heads up: the F5 console needs -console in your Steam launch options — enable the checkbox in Setup step 6 and re-paste first.</source>
        <translation>Achtung: Die F5-Konsole braucht -console in deinen Steam-Startoptionen – aktiviere zuerst das Kästchen in Schritt 6 der Einrichtung und füge sie neu ein.</translation>
    </message>
    <message>
        <source>Press F5 in game and run the capture command (already on your clipboard after step 1):</source>
        <translation>Drücke im Spiel F5 und führe den Erfassungsbefehl aus (nach Schritt 1 schon in deiner Zwischenablage):</translation>
    </message>
    <message>
        <source>Quit Valheim, bring your mods back, then relaunch. The new cache is now authoritative for this Valheim version.</source>
        <translation>Beende Valheim, hol deine Mods zurück und starte neu. Der neue Cache gilt jetzt für diese Valheim-Version.</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Mods zurückholen</translation>
    </message>
    <message>
        <source>Restore Worlds &amp; Characters</source>
        <translation>Welten und Charaktere wiederherstellen</translation>
    </message>
    <message>
        <source>Overwrites current saves with the latest backup&apos;s versions</source>
        <translation>Überschreibt die aktuellen Spielstände mit den Versionen aus der neuesten Sicherung</translation>
    </message>
    <message>
        <source>Restoring puts back the backed-up versions — use it if a vanilla session overwrote a modded world.</source>
        <translation>Wiederherstellen holt die gesicherten Versionen zurück – nutze es, wenn eine Vanilla-Sitzung eine gemoddete Welt überschrieben hat.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup from %1. Anything saved since then will be overwritten.</source>
        <translation>Dies ersetzt deine aktuellen Welten und Charaktere durch die Sicherung vom %1. Alles, was seitdem gespeichert wurde, wird überschrieben.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup. Anything saved since then will be overwritten.</source>
        <translation>Dies ersetzt deine aktuellen Welten und Charaktere durch die Sicherung. Alles, was seitdem gespeichert wurde, wird überschrieben.</translation>
    </message>
    <message>
        <source>Restore saves from backup?</source>
        <translation>Spielstände aus der Sicherung wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Current baseline built %1</source>
        <translation>Aktuelle Grundlage erstellt am %1</translation>
    </message>
    <message>
        <source>No baseline cache yet — ShaderHelperForMac creates one on its first launch.</source>
        <translation>Noch kein Grundlagen-Cache – ShaderHelperForMac legt beim ersten Start einen an.</translation>
    </message>
    <message numerus="yes">
        <source>%n items stashed in %1</source>
        <translation>
            <numerusform>%n Element in %1 abgelegt</numerusform>
            <numerusform>%n Elemente in %1 abgelegt</numerusform>
        </translation>
    </message>
    <message>
        <source>Last backup: %1 · %L2 most recent are kept</source>
        <translation>Letzte Sicherung: %1 · die %L2 neuesten werden behalten</translation>
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
<context>
    <name>TSPackage</name>
    <message>
        <source>%1 has no version %2; the newest are %3.</source>
        <translation>%1 hat keine Version %2; die neuesten sind %3.</translation>
    </message>
</context>
<context>
    <name>TSSorts</name>
    <message>
        <source>Popular</source>
        <translation>Beliebt</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Neueste</translation>
    </message>
    <message>
        <source>Top Rated</source>
        <translation>Bestbewertet</translation>
    </message>
    <message>
        <source>A–Z</source>
        <translation>A–Z</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
</context>
<context>
    <name>ThunderstoreStore</name>
    <message>
        <source>Loading the Thunderstore catalog…</source>
        <translation>Thunderstore-Katalog wird geladen…</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Gerade aktualisiert</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n min ago</source>
        <translation>
            <numerusform>Vor %n Min. aktualisiert</numerusform>
            <numerusform>Vor %n Min. aktualisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n h ago</source>
        <translation>
            <numerusform>Vor %n Std. aktualisiert</numerusform>
            <numerusform>Vor %n Std. aktualisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n days ago</source>
        <translation>
            <numerusform>Vor %n Tag aktualisiert</numerusform>
            <numerusform>Vor %n Tagen aktualisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods (%2)</source>
        <translation>
            <numerusform>%1 · %Ln Mod (%2)</numerusform>
            <numerusform>%1 · %Ln Mods (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods</source>
        <translation>
            <numerusform>%1 · %Ln Mod</numerusform>
            <numerusform>%1 · %Ln Mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the catalog: %1</source>
        <translation>Der Katalog konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>UpdatesSheet</name>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n Update</numerusform>
            <numerusform>%n Updates</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Update %n mods</source>
        <translation>
            <numerusform>%n Mod aktualisieren</numerusform>
            <numerusform>%n Mods aktualisieren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionPickerSheet</name>
    <message>
        <source>Install Version</source>
        <translation>Version installieren</translation>
    </message>
    <message>
        <source>Install a version of %1</source>
        <translation>Eine Version von %1 installieren</translation>
    </message>
    <message>
        <source>Don&apos;t offer updates for %1</source>
        <translation>Keine Updates für %1 anbieten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
</TS>
