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
        <source>%1 Download it from %2 yourself and drop the .zip anywhere on this window.</source>
        <translation>%1 Lade es selbst von %2 herunter und zieh die .zip-Datei irgendwo auf dieses Fenster.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore for %1 (%2). Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>Thunderstore war für %1 nicht erreichbar (%2). Lade es selbst von %3 herunter und zieh die .zip-Datei irgendwo auf dieses Fenster.</translation>
    </message>
    <message>
        <source>Thunderstore&apos;s answer about %1 (HTTP %2) names no download; try again later. Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>Thunderstores Antwort zu %1 (HTTP %2) enthält keinen Download; versuch es später noch einmal. Lade es selbst von %3 herunter und zieh die .zip-Datei irgendwo auf dieses Fenster.</translation>
    </message>
    <message>
        <source>Downloading %1 %2…</source>
        <translation>%1 %2 wird heruntergeladen…</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>%1 wird heruntergeladen…</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Installing %1…</source>
        <translation>%1 wird installiert…</translation>
    </message>
    <message>
        <source>Install failed: %1</source>
        <translation>Installation fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Another change of this game folder is under way (“%1”); try again when it has finished.</source>
        <translation>Gerade läuft schon eine andere Änderung an diesem Spielordner („%1“); versuch es noch einmal, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>Found Valheim at %1</source>
        <translation>Valheim gefunden in %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library. Install it through Steam first, or choose its folder manually.</source>
        <translation>Valheim wurde in keiner Steam-Bibliothek gefunden. Installiere es zuerst über Steam oder wähle seinen Ordner von Hand.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Select the Valheim game folder (the one containing %1)</source>
        <translation>Wähle den Spielordner von Valheim (den mit %1)</translation>
    </message>
    <message>
        <source>Installing Rosetta 2… this can take a minute</source>
        <translation>Rosetta 2 wird installiert… das kann eine Minute dauern</translation>
    </message>
    <message>
        <source>Rosetta 2 installed</source>
        <translation>Rosetta 2 installiert</translation>
    </message>
    <message>
        <source>Rosetta 2 install didn&apos;t finish (exit %1).
%2
Run this in Terminal instead:
%3</source>
        <translation>Die Installation von Rosetta 2 wurde nicht abgeschlossen (Exit-Code %1).
%2
Führe stattdessen das hier im Terminal aus:
%3</translation>
    </message>
    <message>
        <source>Contacting Thunderstore…</source>
        <translation>Verbindung zu Thunderstore…</translation>
    </message>
    <message>
        <source>Choose the BepInExPack_Valheim .zip you downloaded</source>
        <translation>Wähle die BepInExPack_Valheim-.zip, die du heruntergeladen hast</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Wird installiert…</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the launch script: %1</source>
        <translation>Das Startskript konnte nicht aktualisiert werden: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be made to start the game&apos;s Intel build: it isn&apos;t the script of a BepInEx pack from 5.4.2331 on. Reinstall BepInEx in step 3; its new script gets the fix as it goes in.</source>
        <translation>%1 lässt sich nicht so anpassen, dass es die Intel-Version des Spiels startet: Es ist nicht das Skript eines BepInEx-Pakets ab 5.4.2331. Installiere BepInEx in Schritt 3 neu; das neue Skript bekommt die Korrektur gleich beim Installieren.</translation>
    </message>
    <message>
        <source>Made %1 executable</source>
        <translation>%1 ausführbar gemacht</translation>
    </message>
    <message>
        <source>Updated %1 for this Mac</source>
        <translation>%1 für diesen Mac angepasst</translation>
    </message>
    <message>
        <source>Clearing quarantine flags…</source>
        <translation>Quarantäne-Markierungen werden entfernt…</translation>
    </message>
    <message>
        <source>No quarantine flags found</source>
        <translation>Keine Quarantäne-Markierungen gefunden</translation>
    </message>
    <message numerus="yes">
        <source>Removed quarantine from %n files</source>
        <translation>
            <numerusform>Quarantäne von %n Datei entfernt</numerusform>
            <numerusform>Quarantäne von %n Dateien entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>Launch options copied — paste them into Steam</source>
        <translation>Startoptionen kopiert – füge sie in Steam ein</translation>
    </message>
    <message>
        <source>Asked Steam to launch Valheim</source>
        <translation>Steam wurde gebeten, Valheim zu starten</translation>
    </message>
    <message>
        <source>Start Steam first — Valheim needs it running even for a vanilla launch.</source>
        <translation>Starte zuerst Steam – Valheim braucht es auch für einen Start ohne Mods.</translation>
    </message>
    <message>
        <source>Couldn&apos;t launch Valheim directly: %1</source>
        <translation>Valheim konnte nicht direkt gestartet werden: %1</translation>
    </message>
    <message>
        <source>Launched Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Valheim ohne Mods gestartet – sie bleiben installiert, werden aber nicht geladen</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1).</source>
        <translation>Suche zuerst deinen Valheim-Ordner (Schritt 1).</translation>
    </message>
    <message>
        <source>Preparing %1…</source>
        <translation>%1 wird vorbereitet…</translation>
    </message>
    <message>
        <source>%1 is installed already</source>
        <translation>%1 ist bereits installiert</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1), then drop mods here.</source>
        <translation>Suche zuerst deinen Valheim-Ordner (Schritt 1) und zieh dann Mods hierher.</translation>
    </message>
    <message numerus="yes">
        <source>Installing %n items…</source>
        <translation>
            <numerusform>%n Element wird installiert…</numerusform>
            <numerusform>%n Elemente werden installiert…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 enabled</source>
        <translation>
            <numerusform>%1 aktiviert</numerusform>
            <numerusform>%1 aktiviert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 disabled</source>
        <translation>
            <numerusform>%1 deaktiviert</numerusform>
            <numerusform>%1 deaktiviert</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t toggle %1: %2</source>
        <translation>%1 konnte nicht umgeschaltet werden: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove %1: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 to Trash</source>
        <translation>
            <numerusform>%1 in den Papierkorb verschoben</numerusform>
            <numerusform>%1 in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete all of %1 (%2).</source>
        <translation>%1 konnte nicht vollständig gelöscht werden (%2).</translation>
    </message>
    <message>
        <source>Saved settings for %1</source>
        <translation>Einstellungen für %1 gespeichert</translation>
    </message>
    <message>
        <source>Couldn&apos;t revert: %1</source>
        <translation>Zurücksetzen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Restored original settings for %1</source>
        <translation>Ursprüngliche Einstellungen für %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>Quit Valheim first — backing up while the game is running can capture a half-written save.</source>
        <translation>Beende zuerst Valheim – eine Sicherung, während das Spiel läuft, kann einen halb geschriebenen Spielstand erwischen.</translation>
    </message>
    <message>
        <source>Backing up worlds and characters…</source>
        <translation>Welten und Charaktere werden gesichert…</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n save files</source>
        <translation>
            <numerusform>%n Spielstanddatei gesichert</numerusform>
            <numerusform>%n Spielstanddateien gesichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</source>
        <translation>
            <numerusform>%1 gesichert – %n Verknüpfung im Spielstandordner führt ins Leere, daher wurde keine ältere Sicherung entfernt</numerusform>
            <numerusform>%1 gesichert – %n Verknüpfungen im Spielstandordner führen ins Leere, daher wurde keine ältere Sicherung entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n save files</source>
        <translation>
            <numerusform>%n Spielstanddatei</numerusform>
            <numerusform>%n Spielstanddateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Valheim first — restoring while the game is running would corrupt the save.</source>
        <translation>Beende zuerst Valheim – eine Wiederherstellung, während das Spiel läuft, würde den Spielstand beschädigen.</translation>
    </message>
    <message>
        <source>Restoring worlds and characters…</source>
        <translation>Welten und Charaktere werden wiederhergestellt…</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n save files from the backup</source>
        <translation>
            <numerusform>%n Spielstanddatei aus der Sicherung wiederhergestellt</numerusform>
            <numerusform>%n Spielstanddateien aus der Sicherung wiederhergestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t move mods aside: %1</source>
        <translation>Mods konnten nicht beiseitegelegt werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n mods aside — capture command copied to clipboard</source>
        <translation>
            <numerusform>%n Mod beiseitegelegt – Erfassungsbefehl in die Zwischenablage kopiert</numerusform>
            <numerusform>%n Mods beiseitegelegt – Erfassungsbefehl in die Zwischenablage kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restore mods: %1</source>
        <translation>Mods konnten nicht zurückgeholt werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n mods — relaunch Valheim to play modded</source>
        <translation>
            <numerusform>%n Mod zurückgeholt – starte Valheim neu, um mit Mods zu spielen</numerusform>
            <numerusform>%n Mods zurückgeholt – starte Valheim neu, um mit Mods zu spielen</numerusform>
        </translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so %1 can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>Der Mod-Katalog ist noch nicht geladen, daher kann %1 noch nicht nachgeschlagen werden – versuch es erneut, sobald Durchsuchen Mods zeigt.</translation>
    </message>
    <message>
        <source>Neither Thunderstore nor Hexium has %1 — if you have its .zip, drop it anywhere on this window.</source>
        <translation>Weder Thunderstore noch Hexium hat %1 – wenn du die .zip-Datei hast, zieh sie irgendwo auf dieses Fenster.</translation>
    </message>
    <message>
        <source>The last launch&apos;s summary is copied — paste it into Discord</source>
        <translation>Die Zusammenfassung des letzten Starts ist kopiert – füge sie in Discord ein</translation>
    </message>
    <message>
        <source>Quit Steam first — it rewrites its settings when it quits, so launch options written while it runs would be lost.</source>
        <translation>Beende zuerst Steam – es schreibt seine Einstellungen beim Beenden neu, daher gingen Startoptionen verloren, die gesetzt werden, während es läuft.</translation>
    </message>
    <message>
        <source>Couldn&apos;t tell which Steam account plays Valheim. Sign in to Steam once, quit it, then try again — or paste the launch options yourself.</source>
        <translation>Es ließ sich nicht erkennen, welches Steam-Konto Valheim spielt. Melde dich einmal bei Steam an, beende es und versuch es erneut – oder füge die Startoptionen selbst ein.</translation>
    </message>
    <message>
        <source>Setting Valheim&apos;s launch options in Steam…</source>
        <translation>Startoptionen von Valheim werden in Steam gesetzt…</translation>
    </message>
    <message>
        <source>Launch options set in Steam</source>
        <translation>Startoptionen in Steam gesetzt</translation>
    </message>
    <message>
        <source>Launch options set in Steam (the previous settings are kept in %1)</source>
        <translation>Startoptionen in Steam gesetzt (die vorherigen Einstellungen liegen in %1)</translation>
    </message>
    <message>
        <source>%1 is far larger than any profile.</source>
        <translation>%1 ist viel größer als jedes Profil.</translation>
    </message>
    <message>
        <source>Choose a profile (.r2z or export.r2x) to import</source>
        <translation>Wähle ein Profil (.r2z oder export.r2x) zum Importieren</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code: codes look like 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</source>
        <translation>Das ist kein Profilcode: Codes sehen so aus: 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</translation>
    </message>
    <message>
        <source>Fetching the profile code…</source>
        <translation>Profilcode wird abgerufen…</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t hand out that profile code (HTTP %2).</source>
        <translation>%1 konnte diesen Profilcode nicht herausgeben (HTTP %2).</translation>
    </message>
    <message numerus="yes">
        <source>Read the profile “%1”: %n mods</source>
        <translation>
            <numerusform>Profil „%1“ gelesen: %n Mod</numerusform>
            <numerusform>Profil „%1“ gelesen: %n Mods</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore or Hexium for that code: %1</source>
        <translation>Thunderstore und Hexium waren für diesen Code nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>That profile code wasn&apos;t found — it may have expired or been mistyped.</source>
        <translation>Dieser Profilcode wurde nicht gefunden – vielleicht ist er abgelaufen oder vertippt.</translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so the pack&apos;s mods can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>Der Mod-Katalog ist noch nicht geladen, daher können die Mods des Pakets noch nicht nachgeschlagen werden – versuch es erneut, sobald Durchsuchen Mods zeigt.</translation>
    </message>
    <message>
        <source>None of the mods of “%1” is on Thunderstore or Hexium for Valheim — it&apos;s a profile for another game, so nothing was imported.</source>
        <translation>Keiner der Mods von „%1“ ist auf Thunderstore oder Hexium für Valheim – es ist ein Profil für ein anderes Spiel, daher wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Beende zuerst Valheim – ein Profilwechsel, während das Spiel läuft, würde ihm die Mods unter den Füßen wegziehen.</translation>
    </message>
    <message>
        <source>Quit Valheim first — importing over this profile while the game runs would change its mods under it.</source>
        <translation>Beende zuerst Valheim – ein Import über dieses Profil, während das Spiel läuft, würde seine Mods unter ihm verändern.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import cancelled — nothing was changed.</source>
        <translation>Import abgebrochen – nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t download %1 — nothing was changed.</source>
        <translation>%1 konnte nicht heruntergeladen werden – nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — you&apos;re back on profile %2. %3</source>
        <translation>%1 konnte nicht importiert werden – du bist wieder im Profil %2. %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — nothing was changed. %2</source>
        <translation>%1 konnte nicht importiert werden – nichts wurde geändert. %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2</source>
        <translation>
            <numerusform>%1 von %n Mod in das neue Profil %2 importiert</numerusform>
            <numerusform>%1 von %n Mods in das neue Profil %2 importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2; not found: %3</source>
        <translation>
            <numerusform>%1 von %n Mod in das neue Profil %2 importiert; nicht gefunden: %3</numerusform>
            <numerusform>%1 von %n Mods in das neue Profil %2 importiert; nicht gefunden: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods</source>
        <translation>
            <numerusform>%1 von %n Mod importiert</numerusform>
            <numerusform>%1 von %n Mods importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods; not found: %2</source>
        <translation>
            <numerusform>%1 von %n Mod importiert; nicht gefunden: %2</numerusform>
            <numerusform>%1 von %n Mods importiert; nicht gefunden: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>%1 wird importiert…</translation>
    </message>
    <message>
        <source>Not included: %1 — they aren&apos;t from Thunderstore or Hexium</source>
        <translation>Nicht enthalten: %1 – sie stammen nicht von Thunderstore oder Hexium</translation>
    </message>
    <message>
        <source>Save the profile for r2modman, Gale or Skaldrun players</source>
        <translation>Profil für Spieler von r2modman, Gale oder Skaldrun speichern</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n mods to %1</source>
        <translation>
            <numerusform>%n Mod in %1 gespeichert</numerusform>
            <numerusform>%n Mods in %1 gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>Making a profile code…</source>
        <translation>Profilcode wird erstellt…</translation>
    </message>
    <message>
        <source>This profile is over 20 MB, too large for a code; export it as a .r2z file instead.</source>
        <translation>Dieses Profil ist größer als 20 MB und damit zu groß für einen Code; exportiere es stattdessen als .r2z-Datei.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore to make a code: %1</source>
        <translation>Thunderstore war nicht erreichbar, um einen Code zu erstellen: %1</translation>
    </message>
    <message>
        <source>Thunderstore makes only a few codes a minute; try again in a minute.</source>
        <translation>Thunderstore erstellt nur wenige Codes pro Minute; versuch es in einer Minute noch einmal.</translation>
    </message>
    <message>
        <source>Thunderstore didn&apos;t make a code (HTTP %1).</source>
        <translation>Thunderstore hat keinen Code erstellt (HTTP %1).</translation>
    </message>
    <message>
        <source>Profile code: %1</source>
        <translation>Profilcode: %1</translation>
    </message>
    <message>
        <source>Profile code copied</source>
        <translation>Profilcode kopiert</translation>
    </message>
    <message>
        <source>Updates for %1 are offered again</source>
        <translation>Updates für %1 werden wieder angeboten</translation>
    </message>
    <message>
        <source>No updates will be offered for %1</source>
        <translation>Für %1 werden keine Updates mehr angeboten</translation>
    </message>
    <message>
        <source>Quit Valheim first — updating mods while the game or its server runs would change them under it.</source>
        <translation>Beende zuerst Valheim – Mods zu aktualisieren, während das Spiel oder sein Server läuft, würde sie unter ihm verändern.</translation>
    </message>
    <message numerus="yes">
        <source>Updating %n mods…</source>
        <translation>
            <numerusform>%n Mod wird aktualisiert…</numerusform>
            <numerusform>%n Mods werden aktualisiert…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Stopping after this mod…</source>
        <translation>Stopp nach diesem Mod…</translation>
    </message>
    <message>
        <source>Installing %1 %2…</source>
        <translation>%1 %2 wird installiert…</translation>
    </message>
    <message>
        <source>Installed %1 %2</source>
        <translation>%1 %2 installiert</translation>
    </message>
    <message>
        <source>Installing what %1 needs…</source>
        <translation>Was %1 braucht, wird installiert…</translation>
    </message>
    <message>
        <source>Installed %1 for %2</source>
        <translation>%1 für %2 installiert</translation>
    </message>
    <message>
        <source>Nothing was missing for %1</source>
        <translation>Für %1 fehlte nichts</translation>
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
