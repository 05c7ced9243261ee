<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
