<?xml version='1.0' encoding='utf-8'?>
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
        <source>Copying %1 into a new profile…</source>
        <translation>%1 wird in ein neues Profil kopiert …</translation>
    </message>
    <message>
        <source>Creating profile %1…</source>
        <translation>Profil %1 wird erstellt …</translation>
    </message>
    <message>
        <source>Created profile %1</source>
        <translation>Profil %1 erstellt</translation>
    </message>
    <message>
        <source>Renaming profile %1…</source>
        <translation>Profil %1 wird umbenannt …</translation>
    </message>
    <message>
        <source>Renamed profile %1 to %2</source>
        <translation>Profil %1 in %2 umbenannt</translation>
    </message>
    <message>
        <source>Moving profile %1 to the Trash…</source>
        <translation>Profil %1 wird in den Papierkorb gelegt …</translation>
    </message>
    <message>
        <source>Moved profile %1 to Trash</source>
        <translation>Profil %1 in den Papierkorb gelegt</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Beende zuerst Valheim – ein Profilwechsel während des Spiels würde ihm die Mods unter den Füßen wegziehen.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Wechsle zu Profil %1 …</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Zu Profil %1 gewechselt</translation>
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
        <source>Couldn't load the Thunderstore catalog.</source>
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
    <name>Catalog</name>
    <message>
        <source>The catalog is empty.</source>
        <translation>Der Katalog ist leer.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a package: write Owner-Name or Owner-Name-1.2.3.</source>
        <translation>„%1“ ist kein Paket: Schreib Owner-Name oder Owner-Name-1.2.3.</translation>
    </message>
    <message>
        <source>The catalog has no package “%1”.</source>
        <translation>Der Katalog hat kein Paket „%1“.</translation>
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
        <source>part %1 of its catalog didn't arrive (%2)</source>
        <translation>Teil %1 seines Katalogs kam nicht an (%2)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Sets up Valheim with BepInEx and manages its mods from a terminal or a script,
through the same model as the Skaldrun window.

Commands:
  status                        the seven setup steps, done or not, and the mod count
  list                          installed mods: version, repository, enabled, update, missing dependencies
  search QUERY                  both repositories, most popular first (or --sort newest|rating|name)
  install PACKAGE...            Owner-Name, or Owner-Name-1.2.3 for that release, with its dependencies;
                                the BepInEx pack sets the loader up (a server&apos;s folder too)
  update [--all | NAME...]      every mod with a newer version in the catalog, or those named, keeping
                                each one&apos;s switch and config files (mods kept at a release are left)
  enable NAME...                turns mods on
  disable NAME...               turns mods off, leaving them installed
  remove NAME...                moves mods to the Trash (--delete: deletes them for good)
  config list MOD               a mod&apos;s settings, as FILE&apos;s Section.Key = value
  config get FILE KEY           one setting (KEY is Section.Key, or a key only one section has)
  config set FILE KEY VALUE     changes one setting, checked like the window&apos;s editor
  saves backup                  backs the worlds and characters up
  saves restore                 restores them from the newest backup
  profile list                  the game folder&apos;s profiles (mod sets), the active one marked
  profile new NAME              a new empty profile (--copy: a copy of the active one)
  profile switch NAME           makes NAME the active profile
  profile export [--file F.r2z | --code]  the mods and their configs as a .r2z file or a profile code
  profile import CODE|FILE [--name N | --replace]
                                a friend&apos;s r2modman or Gale profile, as a new profile or into this one
  doctor                        the last launch: what loaded, what didn&apos;t and why (a server&apos;s folder
                                too); exit status 1 when a mod didn&apos;t load

Progress goes to stderr, results to stdout. Exit status: 0 done, 1 failed (the reason on
stderr), 2 misused (with this text).</source>
        <translation>Richtet Valheim mit BepInEx ein und verwaltet seine Mods aus einem Terminal oder Skript,
über dasselbe Modell wie das Skaldrun-Fenster.

Befehle:
  status                        die sieben Einrichtungsschritte, erledigt oder nicht, und die Zahl der Mods
  list                          installierte Mods: Version, Quelle, aktiviert, Update, fehlende Abhängigkeiten
  search QUERY                  beide Quellen, die beliebtesten zuerst (oder --sort newest|rating|name)
  install PACKAGE...            Owner-Name oder Owner-Name-1.2.3 für diese Version, mit Abhängigkeiten;
                                das BepInEx-Paket richtet den Mod-Loader ein (auch im Ordner eines Servers)
  update [--all | NAME...]      jeder Mod mit einer neueren Version im Katalog oder die genannten, mit
                                Schalter und Konfigurationsdateien (auf einer Version gehaltene Mods bleiben)
  enable NAME...                aktiviert Mods
  disable NAME...               deaktiviert Mods, sie bleiben installiert
  remove NAME...                verschiebt Mods in den Papierkorb (--delete: löscht sie endgültig)
  config list MOD               die Einstellungen eines Mods, als DATEI: Abschnitt.Schlüssel = Wert
  config get FILE KEY           eine Einstellung (KEY ist Abschnitt.Schlüssel oder ein Schlüssel, den nur ein Abschnitt hat)
  config set FILE KEY VALUE     ändert eine Einstellung, geprüft wie im Editor des Fensters
  saves backup                  sichert die Welten und Charaktere
  saves restore                 stellt sie aus der neuesten Sicherung wieder her
  profile list                  die Profile (Mod-Sets) des Spielordners, das aktive markiert
  profile new NAME              ein neues leeres Profil (--copy: eine Kopie des aktiven)
  profile switch NAME           macht NAME zum aktiven Profil
  profile export [--file F.r2z | --code]  die Mods und ihre Konfigurationen als .r2z-Datei oder Profilcode
  profile import CODE|FILE [--name N | --replace]
                                das r2modman- oder Gale-Profil eines Freundes, als neues Profil oder in dieses
  doctor                        der letzte Start: was geladen hat, was nicht und warum (auch im Ordner
                                eines Servers); Exit-Status 1, wenn ein Mod nicht geladen hat

Der Fortschritt geht nach stderr, Ergebnisse nach stdout. Exit-Status: 0 erledigt, 1 fehlgeschlagen
(der Grund auf stderr), 2 falsch benutzt (mit diesem Text).</translation>
    </message>
    <message>
        <source>The Valheim folder: a Mac or Linux client&apos;s, or a dedicated server&apos;s (default: the one found before).</source>
        <translation>Der Valheim-Ordner: der eines Mac- oder Linux-Spiels oder eines dedizierten Servers (Standard: der zuvor gefundene).</translation>
    </message>
    <message>
        <source>status, list, search, doctor: JSON on stdout.</source>
        <translation>status, list, search, doctor: JSON auf stdout.</translation>
    </message>
    <message>
        <source>search: popular, newest, rating or name.</source>
        <translation>search: popular, newest, rating oder name.</translation>
    </message>
    <message>
        <source>update: every mod (the default).</source>
        <translation>update: jeder Mod (Standard).</translation>
    </message>
    <message>
        <source>update: list what would change.</source>
        <translation>update: zeigen, was sich ändern würde.</translation>
    </message>
    <message>
        <source>remove: delete for good, not to the Trash.</source>
        <translation>remove: endgültig löschen, nicht in den Papierkorb.</translation>
    </message>
    <message>
        <source>profile new: start from a copy of the active profile.</source>
        <translation>profile new: mit einer Kopie des aktiven Profils beginnen.</translation>
    </message>
    <message>
        <source>profile export: the .r2z to write.</source>
        <translation>profile export: die zu schreibende .r2z-Datei.</translation>
    </message>
    <message>
        <source>profile export: a profile code.</source>
        <translation>profile export: ein Profilcode.</translation>
    </message>
    <message>
        <source>profile import: into this profile, replacing its mods.</source>
        <translation>profile import: in dieses Profil, seine Mods ersetzend.</translation>
    </message>
    <message>
        <source>profile import: the new profile&apos;s name (the pack&apos;s own by default).</source>
        <translation>profile import: der Name des neuen Profils (standardmäßig der des Pakets).</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Einer der Befehle oben.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Gib einen Befehl an.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a Valheim folder: it holds neither the game nor a dedicated server.</source>
        <translation>%1 ist kein Valheim-Ordner: Er enthält weder das Spiel noch einen dedizierten Server.</translation>
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
    <name>Commands</name>
    <message>
        <source>No installed mod is called “%1”.</source>
        <translation>Kein installierter Mod heißt „%1“.</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Spielordner: %1</translation>
    </message>
    <message>
        <source>Game folder: not found</source>
        <translation>Spielordner: nicht gefunden</translation>
    </message>
    <message>
        <source>This is Valheim&apos;s Windows build (valheim.exe), which Steam runs through Proton; for BepInEx to load, set its launch options to: %1</source>
        <translation>Das ist Valheims Windows-Version (valheim.exe), die Steam über Proton startet; damit BepInEx lädt, setz ihre Startoptionen auf: %1</translation>
    </message>
    <message>
        <source>[n/a ] %1 (not needed)</source>
        <translation>[n/a ] %1 (nicht nötig)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of 7 steps done · %n mods, %2 enabled</source>
        <translation>
            <numerusform>%1 von 7 Schritten erledigt · %n Mod, %2 aktiviert</numerusform>
            <numerusform>%1 von 7 Schritten erledigt · %n Mods, %2 aktiviert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Updates and dependencies aren&apos;t shown.</source>
        <translation>%1 Updates und Abhängigkeiten werden nicht angezeigt.</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (deaktiviert)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>update: %1</source>
        <translation>Update: %1</translation>
    </message>
    <message>
        <source>no updates offered</source>
        <translation>keine Updates angeboten</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>fehlt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 · %3 · %n downloads · %4</source>
        <translation>
            <numerusform>%1 %2 · %3 · %n Download · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n Downloads · %4</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the catalog.</source>
        <translation>%1 ist nicht im Katalog.</translation>
    </message>
    <message>
        <source>%1 is kept at its version; no updates are offered.</source>
        <translation>%1 bleibt auf seiner Version; es werden keine Updates angeboten.</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 ist aktuell.</translation>
    </message>
    <message>
        <source>Nothing to update.</source>
        <translation>Nichts zu aktualisieren.</translation>
    </message>
    <message>
        <source>%1 has no setting “%2”.</source>
        <translation>%1 hat keine Einstellung „%2“.</translation>
    </message>
    <message>
        <source>%1 has “%2” in several sections; write Section.Key, e.g. %3.%2.</source>
        <translation>%1 hat „%2“ in mehreren Abschnitten; schreib Abschnitt.Schlüssel, z. B. %3.%2.</translation>
    </message>
    <message>
        <source>There is no config file “%1” in %2.</source>
        <translation>In %2 gibt es keine Konfigurationsdatei „%1“.</translation>
    </message>
    <message>
        <source>%1.%2 = %3 in %4</source>
        <translation>%1.%2 = %3 in %4</translation>
    </message>
    <message>
        <source>There is no save backup to restore.</source>
        <translation>Es gibt keine Sicherung zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>“--file”, “--code”, “--name” and “--replace” belong to profile export and import.</source>
        <translation>„--file“, „--code“, „--name“ und „--replace“ gehören zu profile export und import.</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>Wrong number of words after “%1”.</source>
        <translation>Falsche Anzahl Wörter nach „%1“.</translation>
    </message>
    <message>
        <source>“--%1” means nothing to “%2”.</source>
        <translation>„--%1“ bedeutet für „%2“ nichts.</translation>
    </message>
    <message>
        <source>Sort by popular, newest, rating or name, not “%1”.</source>
        <translation>Sortier nach popular, newest, rating oder name, nicht „%1“.</translation>
    </message>
    <message>
        <source>Give “--all” or mod names, not both.</source>
        <translation>Gib „--all“ oder Mod-Namen an, nicht beides.</translation>
    </message>
    <message>
        <source>Write config list MOD, config get FILE KEY or config set FILE KEY VALUE.</source>
        <translation>Schreib config list MOD, config get FILE KEY oder config set FILE KEY VALUE.</translation>
    </message>
    <message>
        <source>Write saves backup or saves restore.</source>
        <translation>Schreib saves backup oder saves restore.</translation>
    </message>
    <message>
        <source>%1 Give --delete to delete it for good instead.</source>
        <translation>%1 Gib --delete an, um ihn stattdessen endgültig zu löschen.</translation>
    </message>
    <message>
        <source>Last launch: %1</source>
        <translation>Letzter Start: %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>Paket %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>%1-Server</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n-mal)</numerusform>
            <numerusform>[%1] %2 (%n-mal)</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every mod loaded in the last launch.</source>
        <translation>Beim letzten Start hat nicht jeder Mod geladen.</translation>
    </message>
    <message>
        <source>There is no log of a launch with mods.</source>
        <translation>Es gibt kein Log eines Starts mit Mods.</translation>
    </message>
    <message>
        <source>Write profile list, profile new NAME [--copy] or profile switch NAME.</source>
        <translation>Schreib profile list, profile new NAME [--copy] oder profile switch NAME.</translation>
    </message>
    <message>
        <source>“--copy” means something only to “profile new”.</source>
        <translation>„--copy“ bedeutet nur für „profile new“ etwas.</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1 (aktiv)</translation>
    </message>
</context>
<context>
    <name>ConfigEditorSheet</name>
    <message>
        <source>Search settings</source>
        <translation>Einstellungen durchsuchen</translation>
    </message>
    <message>
        <source>Revert to Original</source>
        <translation>Original wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the config as it was before any edits made here</source>
        <translation>Die Konfiguration so wiederherstellen, wie sie vor allen Änderungen hier war</translation>
    </message>
    <message>
        <source>Changes apply the next time Valheim starts.</source>
        <translation>Änderungen gelten ab dem nächsten Start von Valheim.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>No config file found.</source>
        <translation>Keine Konfigurationsdatei gefunden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Revert to original settings?</source>
        <translation>Ursprüngliche Einstellungen wiederherstellen?</translation>
    </message>
    <message>
        <source>This restores %1 to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Damit wird %1 auf die Kopie zurückgesetzt, die beim ersten Öffnen hier gesichert wurde. Deine angepassten Werte gehen verloren.</translation>
    </message>
    <message>
        <source>This restores the file to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Damit wird die Datei auf die Kopie zurückgesetzt, die beim ersten Öffnen hier gesichert wurde. Deine angepassten Werte gehen verloren.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Couldn&apos;t save</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>No settings found in this file.</source>
        <translation>In dieser Datei wurden keine Einstellungen gefunden.</translation>
    </message>
    <message>
        <source>No settings match “%1”.</source>
        <translation>Keine Einstellung passt zu „%1“.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
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
        <source>The value of “%1” can't contain a line break.</source>
        <translation>Der Wert von „%1“ darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>The value of “%1” can't end with “]”: the line would read as a section header.</source>
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
    <name>GameUpdateBanner</name>
    <message>
        <source>Back Up Saves</source>
        <translation>Spielstände sichern</translation>
    </message>
    <message>
        <source>Switch Them Off</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Back up your saves before you play on.</source>
        <translation>Sichere deine Spielstände, bevor du weiterspielst.</translation>
    </message>
    <message numerus="yes">
        <source>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</source>
        <translation>
            <numerusform>%n Mod hat nach dem Update nicht geladen. Sichere zuerst deine Spielstände; dann update oder deaktiviere ihn, bis sein Autor nachzieht.</numerusform>
            <numerusform>%n Mods haben nach dem Update nicht geladen. Sichere zuerst deine Spielstände; dann update oder deaktiviere sie, bis ihre Autoren nachziehen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n Mods</source>
        <translation>
            <numerusform>%n Mod updaten</numerusform>
            <numerusform>%n Mods updaten</numerusform>
        </translation>
    </message>
    <message>
        <source>Update BepInEx to %1</source>
        <translation>BepInEx auf %1 updaten</translation>
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
    <name>LaunchLine</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Last launch %1 · %2</source>
        <translation>Letzter Start %1 · %2</translation>
    </message>
    <message>
        <source>Last launch · %1</source>
        <translation>Letzter Start · %1</translation>
    </message>
</context>
<context>
    <name>LaunchSheet</name>
    <message>
        <source>Last launch</source>
        <translation>Letzter Start</translation>
    </message>
    <message>
        <source>Copy for Discord</source>
        <translation>Für Discord kopieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>%1-Server</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n-mal)</numerusform>
            <numerusform>[%1] %2 (%n-mal)</numerusform>
        </translation>
    </message>
    <message>
        <source>What the mods wrote themselves:
%1</source>
        <translation>Was die Mods selbst geschrieben haben:
%1</translation>
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
        <source>Launch Valheim vanilla — mods stay installed but don't load</source>
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
        <source>Very long, so shortened here; the rest is on the package's page.</source>
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
        <source>Edit this mod's settings</source>
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
    <name>ModsPane</name>
    <message numerus="yes">
        <source>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</source>
        <translation>
            <numerusform>%n Mod liegt außerhalb des Plugin-Ordners. Hol ihn zurück, sobald die Aufnahme gelaufen ist.</numerusform>
            <numerusform>%n Mods liegen außerhalb des Plugin-Ordners. Hol sie zurück, sobald die Aufnahme gelaufen ist.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your game folder…</source>
        <translation>Dein Spielordner wird gelesen…</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Open BepInEx/plugins in Finder</source>
        <translation>BepInEx/plugins im Finder öffnen</translation>
    </message>
    <message>
        <source>Open the Plugins Folder</source>
        <translation>Plugin-Ordner öffnen</translation>
    </message>
    <message>
        <source>Shader-cache capture in progress</source>
        <translation>Shader-Cache-Aufnahme läuft</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Mods zurückholen</translation>
    </message>
    <message>
        <source>No mod loader yet</source>
        <translation>Noch kein Mod-Loader</translation>
    </message>
    <message>
        <source>Work through the setup steps on the left. Once BepInEx is installed, your mods show up here.</source>
        <translation>Geh die Einrichtungsschritte links durch. Sobald BepInEx installiert ist, erscheinen deine Mods hier.</translation>
    </message>
    <message>
        <source>No mods installed</source>
        <translation>Keine Mods installiert</translation>
    </message>
    <message>
        <source>Switch to Browse to search Thunderstore, or drop a mod .zip below.</source>
        <translation>Wechsle zu Durchsuchen, um Thunderstore zu durchsuchen, oder zieh eine Mod-.zip nach unten.</translation>
    </message>
    <message>
        <source>donate</source>
        <translation>spenden</translation>
    </message>
    <message>
        <source>Support Skaldrun&apos;s development</source>
        <translation>Unterstütze die Entwicklung von Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n enabled</source>
        <translation>
            <numerusform>%1 von %n aktiviert</numerusform>
            <numerusform>%1 von %n aktiviert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n Update</numerusform>
            <numerusform>%n Updates</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PackageDocs</name>
    <message>
        <source>Couldn't load the readme: %1</source>
        <translation>Die Readme konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: %1</source>
        <translation>Der Changelog konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Couldn't load the readme: the repository answered %1.</source>
        <translation>Die Readme konnte nicht geladen werden: Das Repository antwortete %1.</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: the repository answered %1.</source>
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
    <name>Profiles</name>
    <message>
        <source>There is no profile called “%1”.</source>
        <translation>Es gibt kein Profil namens „%1“.</translation>
    </message>
    <message>
        <source>Some mods are still moved aside for the shader capture; bring them back first.</source>
        <translation>Einige Mods sind für die Shader-Aufnahme noch beiseitegelegt; hol sie zuerst zurück.</translation>
    </message>
    <message>
        <source>The copy of %1 came out different from the original.</source>
        <translation>Die Kopie von %1 weicht vom Original ab.</translation>
    </message>
    <message>
        <source>The record of an interrupted profile switch in %1 is damaged; nothing was moved.</source>
        <translation>Die Aufzeichnung eines unterbrochenen Profilwechsels in %1 ist beschädigt; nichts wurde verschoben.</translation>
    </message>
    <message>
        <source>%1 holds a folder named like the profile in use; move it away and try again.</source>
        <translation>%1 enthält einen Ordner mit dem Namen des aktiven Profils; verschiebe ihn und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Give the profile a name.</source>
        <translation>Gib dem Profil einen Namen.</translation>
    </message>
    <message>
        <source>A profile name can't start or end with a space.</source>
        <translation>Ein Profilname darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>A profile name can't start with a dot.</source>
        <translation>Ein Profilname darf nicht mit einem Punkt beginnen.</translation>
    </message>
    <message>
        <source>A profile name can't contain “/”, “\”, “:” or control characters.</source>
        <translation>Ein Profilname darf weder „/“, „\“, „:“ noch Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A profile name can have at most %1 characters.</source>
        <translation>Ein Profilname darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>There is already a profile called “%1”.</source>
        <translation>Es gibt schon ein Profil namens „%1“.</translation>
    </message>
    <message>
        <source>“%1” is the profile in use; switch to another one before deleting it.</source>
        <translation>„%1“ ist das aktive Profil; wechsle zu einem anderen, bevor du es löschst.</translation>
    </message>
    <message>
        <source>Couldn't switch to “%1”: %2</source>
        <translation>Wechsel zu „%1“ fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Couldn't switch to “%1”: %2 “%3” is still active.</source>
        <translation>Wechsel zu „%1“ fehlgeschlagen: %2 „%3“ ist weiterhin aktiv.</translation>
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
    <name>Session</name>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library; name its folder with --game.</source>
        <translation>Valheim wurde in keiner Steam-Bibliothek gefunden; gib seinen Ordner mit --game an.</translation>
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
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can't contaminate the baseline.</source>
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
        <source>Copies every world and character to this app's backup folder</source>
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
        <source>Overwrites current saves with the latest backup's versions</source>
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
        <source>Some mods ship Windows-only shaders that Metal can't render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
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
    <name>Share</name>
    <message>
        <source>Write profile export --file F.r2z or profile export --code.</source>
        <translation>Schreib profile export --file F.r2z oder profile export --code.</translation>
    </message>
    <message>
        <source>Write profile import CODE or profile import FILE, with --name N for the new profile or --replace to import into this one.</source>
        <translation>Schreib profile import CODE oder profile import FILE, mit --name N für das neue Profil oder --replace, um in dieses zu importieren.</translation>
    </message>
    <message>
        <source>“--replace” means nothing to an export.</source>
        <translation>„--replace“ bedeutet für einen Export nichts.</translation>
    </message>
    <message>
        <source>“--name” names the new profile an import makes; it goes without “--replace”.</source>
        <translation>„--name“ benennt das neue Profil, das ein Import anlegt; es geht nicht zusammen mit „--replace“.</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nichts zu importieren.</translation>
    </message>
    <message>
        <source>%1 %2 (disabled)</source>
        <translation>%1 %2 (deaktiviert)</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
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
        <source>I've added it — mark this step done</source>
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
        <source>BepInEx's injector is Intel-only, so Apple Silicon needs Apple's Rosetta 2 translation layer.</source>
        <translation>Der Injektor von BepInEx läuft nur auf Intel, deshalb braucht Apple Silicon Apples Übersetzungsschicht Rosetta 2.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 liegt im Spielordner und %2 ist bereit.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can't start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 stammt aus einem Pack älter als 5.4.2331 und kann BepInEx nicht mehr über Steam starten — aktualisiere das Pack.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn't executable yet.</source>
        <translation>Die BepInEx-Dateien sind da, aber %1 ist noch nicht ausführbar.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Die BepInEx-Dateien sind da, aber %1 braucht noch seine Mac-Anpassungen (Ausführungsrecht + Spielname).</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Lädt das BepInExPack für Valheim von denikson aus Thunderstore herunter und entpackt es in den Spielordner.</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
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
        <source>The launch script starts the game's Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>Das Startskript startet die Intel-Version (x86_64) des Spiels, damit BepInEx unter Rosetta lädt.</translation>
    </message>
    <message>
        <source>Valheim's Mac app is Universal and would run natively, where BepInEx can't load — the fix makes the launch script start its Intel build.</source>
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
        <source>Linux doesn't quarantine downloads.</source>
        <translation>Linux stellt Downloads nicht unter Quarantäne.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS's quarantine flag so Gatekeeper doesn't block the injector.</source>
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
        <source>No quarantine flags on the modding files — Gatekeeper won't interfere.</source>
        <translation>Keine Quarantäne-Markierungen an den Mod-Dateien — Gatekeeper kommt nicht in die Quere.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>In deinen Steam-Einstellungen gefunden — Valheim startet über BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx's script.</source>
        <translation>Der einzige Handgriff: Steam muss das Spiel über das Skript von BepInEx starten.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Start mit Mods bestätigt — BepInEx hat sein Log zuletzt am %1 geschrieben.</translation>
    </message>
    <message>
        <source>BepInEx's last log comes from the Windows build under Proton, not the native game.</source>
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
        <source>Couldn't load the catalog: %1</source>
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
        <source>Don't offer updates for %1</source>
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