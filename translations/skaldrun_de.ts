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
        <translation>Beende zuerst Valheim – ein Profilwechsel, während das Spiel läuft, würde ihm die Mods unter den Füßen wegziehen.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Wechsle zu Profil %1 …</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Zu Profil %1 gewechselt</translation>
    </message>
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
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>Gerade läuft noch etwas anderes („%1“); öffne das Profil erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
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
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Eine andere Änderung an diesem Spielordner läuft noch.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the game folder.</source>
        <translation>%1 liegt nicht im Spielordner.</translation>
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
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>Der Wert von „%1“ darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>Der Wert von „%1“ darf nicht auf „]“ enden: Die Zeile würde als Abschnittsüberschrift gelesen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file that doesn&apos;t exist.</source>
        <translation>„%1“ konnte nicht gespeichert werden: Es ist ein Link auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file outside the game folder.</source>
        <translation>„%1“ konnte nicht gespeichert werden: Es ist ein Link auf eine Datei außerhalb des Spielordners.</translation>
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
    <name>FolderLock</name>
    <message>
        <source>Another program (process %1) is changing this game folder; try again when it has finished.</source>
        <translation>Ein anderes Programm (Prozess %1) ändert gerade diesen Spielordner; versuch es noch einmal, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>%1 (process %2) is changing this game folder; try again when it has finished.</source>
        <translation>%1 (Prozess %2) ändert gerade diesen Spielordner; versuch es noch einmal, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the game folder for changes (%1).</source>
        <translation>Der Spielordner konnte nicht für Änderungen gesperrt werden (%1).</translation>
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
    <name>Fs</name>
    <message>
        <source>Couldn&apos;t read “%1”: %2.</source>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write “%1”: %2.</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2.</source>
        <translation>„%1“ konnte nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”: %2.</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a folder in “%1”: %2.</source>
        <translation>In „%1“ konnte kein Ordner erstellt werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the folder “%1”: %2.</source>
        <translation>Der Ordner „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: %2.</source>
        <translation>„%1“ konnte nicht kopiert werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: %2.</source>
        <translation>„%1“ konnte nicht verschoben werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove “%1”: %2.</source>
        <translation>„%1“ konnte nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read “%1”: it isn&apos;t UTF-8 text.</source>
        <translation>„%1“ konnte nicht gelesen werden: Es ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: “%2” already exists.</source>
        <translation>„%1“ konnte nicht verschoben werden: „%2“ existiert bereits.</translation>
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
    <name>Http</name>
    <message>
        <source>The server stopped answering (timed out)</source>
        <translation>Der Server antwortet nicht mehr (Zeitüberschreitung)</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>Der Server hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>The server&apos;s address couldn&apos;t be found</source>
        <translation>Die Adresse des Servers wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>Der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>The server sent us round in circles (too many redirects)</source>
        <translation>Der Server hat uns im Kreis geschickt (zu viele Weiterleitungen)</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden</translation>
    </message>
    <message>
        <source>The Internet connection appears to be offline</source>
        <translation>Die Internetverbindung scheint getrennt zu sein</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Der Download wurde abgebrochen</translation>
    </message>
    <message>
        <source>The server sent more than %1 MB, far more than expected</source>
        <translation>Der Server hat mehr als %1 MB gesendet, weit mehr als erwartet</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved to disk</source>
        <translation>Der Download konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2</source>
        <translation>„%1“ konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>The server answered with an error (HTTP %1)</source>
        <translation>Der Server hat mit einem Fehler geantwortet (HTTP %1)</translation>
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
    <name>InstallError</name>
    <message>
        <source>%1 isn&apos;t something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 kann ich nicht installieren – zieh eine Mod-.zip, ein .dll-Plugin, eine .cfg-Datei oder einen Mod-Ordner hierher.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: %1</source>
        <translation>Das Archiv konnte nicht entpackt werden: %1</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t seem to contain any mod files.</source>
        <translation>%1 scheint keine Mod-Dateien zu enthalten.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any Valheim worlds or characters in %1.</source>
        <translation>In %1 wurden keine Valheim-Welten und Charaktere gefunden.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn&apos;t a ZIP archive</source>
        <translation>das Archiv ist beschädigt oder kein ZIP-Archiv</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Der Eintrag „%1“ hat einen absoluten Pfad, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” points outside the archive&apos;s folder, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Der Eintrag „%1“ zeigt aus dem Ordner des Archivs heraus, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Der Eintrag „%1“ hat einen ungültigen Namen, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Es entpackt sich zu mehr als %1, weit mehr als jede Mod braucht, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Es enthält mehr als %1 Dateien, weit mehr als jede Mod braucht, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Ein Eintrag hat keinen Namen, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Der Eintrag „%1“ ist ein symbolischer Link, den keine Mod braucht, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Der Eintrag „%1“ ist ein harter Link, den keine Mod braucht, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” isn&apos;t a file or a folder, so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Der Eintrag „%1“ ist weder Datei noch Ordner, daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be written (%2), so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Der Eintrag „%1“ konnte nicht geschrieben werden (%2), daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be read (%2), so nothing was installed.</source>
        <translation>Das Archiv konnte nicht entpackt werden: Der Eintrag „%1“ konnte nicht gelesen werden (%2), daher wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it overlaps “%2”.</source>
        <translation>„%1“ konnte nicht kopiert werden: Es überschneidet sich mit „%2“.</translation>
    </message>
    <message>
        <source>BepInEx is already set up in the game folder; kept it as it is</source>
        <translation>BepInEx ist im Spielordner schon eingerichtet; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>BepInEx %1 installed into the game folder</source>
        <translation>BepInEx %1 im Spielordner installiert</translation>
    </message>
    <message>
        <source>BepInEx installed into the game folder</source>
        <translation>BepInEx im Spielordner installiert</translation>
    </message>
    <message>
        <source>Merged %1 into BepInEx</source>
        <translation>%1 in BepInEx eingefügt</translation>
    </message>
    <message>
        <source>Couldn&apos;t install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
        <translation>„%1“ konnte nicht installiert werden: Weder sein Manifest noch sein Dateiname ergibt einen brauchbaren Ordnernamen.</translation>
    </message>
    <message>
        <source>Installed %1 (data/config files only — no plugin DLL)</source>
        <translation>%1 installiert (nur Daten-/Konfigurationsdateien – keine Plugin-DLL)</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 installiert</translation>
    </message>
    <message>
        <source>Copied %1 into BepInEx/config</source>
        <translation>%1 nach BepInEx/config kopiert</translation>
    </message>
    <message>
        <source>%1 holds the game folder&apos;s own files, so it can&apos;t be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 enthält die eigenen Dateien des Spielordners und kann daher nicht in sie installiert werden – zieh eine Mod-.zip, ein .dll-Plugin, eine .cfg-Datei oder einen Mod-Ordner hierher.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: “%2” lies inside it.</source>
        <translation>„%1“ konnte nicht kopiert werden: „%2“ liegt darin.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it is a symbolic link.</source>
        <translation>„%1“ konnte nicht kopiert werden: Es ist ein symbolischer Link.</translation>
    </message>
</context>
<context>
    <name>LaunchFixes</name>
    <message>
        <source>Update to %1</source>
        <translation>Auf %1 aktualisieren</translation>
    </message>
    <message>
        <source>Go Back to %1</source>
        <translation>Zurück zu %1</translation>
    </message>
    <message>
        <source>Switch On %1</source>
        <translation>%1 aktivieren</translation>
    </message>
    <message>
        <source>Update %1 %2</source>
        <translation>%1 %2 aktualisieren</translation>
    </message>
    <message>
        <source>Install %1 %2</source>
        <translation>%1 %2 installieren</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Deaktivieren</translation>
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
    <name>LaunchText</name>
    <message>
        <source>%1, which isn&apos;t installed</source>
        <translation>%1, das nicht installiert ist</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, das deaktiviert ist</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn&apos;t installed</source>
        <translation>%1 %2 oder neuer, das nicht installiert ist</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which is switched off</source>
        <translation>%1 %2 oder neuer, das deaktiviert ist</translation>
    </message>
    <message>
        <source>%1 %2 or newer, you have %3</source>
        <translation>%1 %2 oder neuer, du hast %3</translation>
    </message>
    <message>
        <source>%1 %2 or newer</source>
        <translation>%1 %2 oder neuer</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n-mal)</numerusform>
            <numerusform>%1 (%n-mal)</numerusform>
        </translation>
    </message>
    <message>
        <source>the server needs %1 %2, it has %3</source>
        <translation>der Server braucht %1 %2, er hat %3</translation>
    </message>
    <message>
        <source>the client needs %1 %2, it has %3</source>
        <translation>der Client braucht %1 %2, er hat %3</translation>
    </message>
    <message>
        <source>the server lacks %1</source>
        <translation>dem Server fehlt %1</translation>
    </message>
    <message>
        <source>the client lacks %1</source>
        <translation>dem Client fehlt %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>The server runs another version of Valheim</source>
        <translation>Auf dem Server läuft eine andere Valheim-Version</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the server</source>
        <translation>Keine Verbindung zum Server möglich</translation>
    </message>
    <message>
        <source>The server refused the password</source>
        <translation>Der Server hat das Passwort abgelehnt</translation>
    </message>
    <message>
        <source>The server has banned this player</source>
        <translation>Der Server hat diesen Spieler gebannt</translation>
    </message>
    <message>
        <source>The server is full</source>
        <translation>Der Server ist voll</translation>
    </message>
    <message>
        <source>Lost the connection to the server (%1)</source>
        <translation>Verbindung zum Server verloren (%1)</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; und %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it needs %2</source>
        <translation>%1 wurde nicht geladen: Es braucht %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it can&apos;t run beside %2</source>
        <translation>%1 wurde nicht geladen: Es läuft nicht zusammen mit %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: a mod it needs didn&apos;t load</source>
        <translation>%1 wurde nicht geladen: Eine benötigte Mod wurde nicht geladen</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load, and BepInEx gave no reason</source>
        <translation>%1 wurde nicht geladen, und BepInEx nannte keinen Grund</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: %2</source>
        <translation>%1 wurde nicht geladen: %2</translation>
    </message>
    <message>
        <source>%1 is installed twice; BepInEx loaded one copy</source>
        <translation>%1 ist doppelt installiert; BepInEx hat eine Kopie geladen</translation>
    </message>
    <message>
        <source>%1 was skipped: %2 is installed too</source>
        <translation>%1 wurde übersprungen: %2 ist ebenfalls installiert</translation>
    </message>
    <message>
        <source>%1 was made for BepInEx %2 and might not work until it&apos;s updated</source>
        <translation>%1 wurde für BepInEx %2 gemacht und funktioniert vielleicht erst nach einem Update</translation>
    </message>
    <message>
        <source>A mod couldn&apos;t patch the game, and its error names no mod</source>
        <translation>Eine Mod konnte das Spiel nicht patchen, und ihr Fehler nennt keine Mod</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t patch the game — it may need an update for this Valheim</source>
        <translation>%1 konnte das Spiel nicht patchen – es braucht vielleicht ein Update für diese Valheim-Version</translation>
    </message>
    <message>
        <source>%1 failed to start (%2)</source>
        <translation>%1 konnte nicht starten (%2)</translation>
    </message>
    <message>
        <source>%1 failed to start (an error)</source>
        <translation>%1 konnte nicht starten (ein Fehler)</translation>
    </message>
    <message>
        <source>Something failed (%1), and no mod is named in it</source>
        <translation>Etwas ist fehlgeschlagen (%1), und keine Mod wird darin genannt</translation>
    </message>
    <message>
        <source>Something failed (an error), and no mod is named in it</source>
        <translation>Etwas ist fehlgeschlagen (ein Fehler), und keine Mod wird darin genannt</translation>
    </message>
    <message>
        <source>Something failed (%1) in %2, which no one mod stands for</source>
        <translation>Etwas ist in %2 fehlgeschlagen (%1), das zu keiner einzelnen Mod gehört</translation>
    </message>
    <message>
        <source>Something failed (an error) in %1, which no one mod stands for</source>
        <translation>Etwas ist in %1 fehlgeschlagen (ein Fehler), das zu keiner einzelnen Mod gehört</translation>
    </message>
    <message>
        <source>%1 ran into %2</source>
        <translation>%1 stieß auf %2</translation>
    </message>
    <message>
        <source>%1 ran into an error</source>
        <translation>%1 stieß auf einen Fehler</translation>
    </message>
    <message>
        <source>the game&apos;s versions differ (%1)</source>
        <translation>die Spielversionen unterscheiden sich (%1)</translation>
    </message>
    <message>
        <source>A connection was refused: the versions differ</source>
        <translation>Eine Verbindung wurde abgelehnt: Die Versionen unterscheiden sich</translation>
    </message>
    <message>
        <source>A connection was refused: %1</source>
        <translation>Eine Verbindung wurde abgelehnt: %1</translation>
    </message>
    <message>
        <source>Jotunn&apos;s version check turned a connection away</source>
        <translation>Jotunns Versionsprüfung hat eine Verbindung abgewiesen</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the server: %2</source>
        <translation>Mods müssen auf dem Server %1 sein: %2</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the client: %2</source>
        <translation>Mods müssen auf dem Client %1 sein: %2</translation>
    </message>
    <message>
        <source>A connection was closed</source>
        <translation>Eine Verbindung wurde geschlossen</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>%1 von %n Mod geladen, Valheim %2</numerusform>
            <numerusform>%1 von %n Mods geladen, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded</source>
        <translation>
            <numerusform>%1 von %n Mod geladen</numerusform>
            <numerusform>%1 von %n Mods geladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>BepInEx hat vor dem Ende des Ladens aufgehört: %1 von %n Mod geladen, Valheim %2</numerusform>
            <numerusform>BepInEx hat vor dem Ende des Ladens aufgehört: %1 von %n Mods geladen, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded</source>
        <translation>
            <numerusform>BepInEx hat vor dem Ende des Ladens aufgehört: %1 von %n Mod geladen</numerusform>
            <numerusform>BepInEx hat vor dem Ende des Ladens aufgehört: %1 von %n Mods geladen</numerusform>
        </translation>
    </message>
    <message>
        <source>BepInEx isn&apos;t installed in the game folder, so nothing wrote a log.</source>
        <translation>BepInEx ist nicht im Spielordner installiert, daher hat nichts ein Log geschrieben.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam startet die Windows-Version über Proton, und das lädt BepInEx nur mit diesen Startoptionen: %1</translation>
    </message>
    <message>
        <source>%1 isn&apos;t executable, so Steam couldn&apos;t start the game through it.</source>
        <translation>%1 ist nicht ausführbar, daher konnte Steam das Spiel nicht darüber starten.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam&apos;s runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 ist zu alt für die Laufzeitumgebung von Steam, daher kann es BepInEx nicht laden.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>Der Injektor von BepInEx läuft nur auf Intel: Auf Apple Silicon muss das Spiel über Rosetta 2 laufen (Schritt 4).</translation>
    </message>
    <message>
        <source>Steam&apos;s launch options for Valheim don&apos;t name %1, so the game started without mods.</source>
        <translation>Die Startoptionen von Valheim in Steam nennen %1 nicht, daher startete das Spiel ohne Mods.</translation>
    </message>
    <message>
        <source>The server hasn&apos;t been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>Der Server wurde seit der Installation von BepInEx nicht über %1 gestartet, daher hat nichts ein Log geschrieben.</translation>
    </message>
    <message>
        <source>Valheim hasn&apos;t been launched with mods yet.</source>
        <translation>Valheim wurde noch nicht mit Mods gestartet.</translation>
    </message>
    <message>
        <source>Valheim started, but BepInEx wrote no log — Steam may have started it without its launch options.</source>
        <translation>Valheim ist gestartet, aber BepInEx hat kein Log geschrieben – Steam hat es vielleicht ohne seine Startoptionen gestartet.</translation>
    </message>
    <message>
        <source>Valheim updated from %1 to %2</source>
        <translation>Valheim wurde von %1 auf %2 aktualisiert</translation>
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
        <source>**Last launch:** %1</source>
        <translation>**Letzter Start:** %1</translation>
    </message>
    <message numerus="yes">
        <source>- …and %n more</source>
        <translation>
            <numerusform>- …und %n weitere</numerusform>
            <numerusform>- …und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocalConfig</name>
    <message>
        <source>a text runs to the end of the file</source>
        <translation>ein Text läuft bis zum Dateiende</translation>
    </message>
    <message>
        <source>Steam&apos;s settings in “%1” aren&apos;t laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>Die Steam-Einstellungen in „%1“ sind nicht wie erwartet aufgebaut (%2), daher hat Skaldrun sie unverändert gelassen. Füge die Startoptionen selbst in Steam ein.</translation>
    </message>
    <message>
        <source>a block isn&apos;t closed</source>
        <translation>ein Block ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a brace closes nothing</source>
        <translation>eine Klammer schließt nichts</translation>
    </message>
    <message>
        <source>a block has no name</source>
        <translation>ein Block hat keinen Namen</translation>
    </message>
    <message>
        <source>a name has no value</source>
        <translation>ein Name hat keinen Wert</translation>
    </message>
    <message>
        <source>it holds no UserLocalConfigStore</source>
        <translation>sie enthält keinen UserLocalConfigStore</translation>
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
    <name>Pipeline</name>
    <message>
        <source>no download URL</source>
        <translation>keine Download-Adresse</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore&apos;s nor Hexium&apos;s</source>
        <translation>Download von %1 abgelehnt, das weder zu Thunderstore noch zu Hexium gehört</translation>
    </message>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>%1 wird heruntergeladen (%2 von %3)…</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Lade den Katalog unter „Durchsuchen“ neu und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 installiert</translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>%1 mit %n Abhängigkeit installiert (%2)</numerusform>
            <numerusform>%1 mit %n Abhängigkeiten installiert (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Installed %1, but not %2</source>
        <translation>%1 installiert, aber nicht %2</translation>
    </message>
    <message>
        <source>Updates cancelled — nothing was changed</source>
        <translation>Updates abgebrochen – nichts wurde geändert</translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods; stopped before %2</source>
        <translation>
            <numerusform>%1 von %n Mod aktualisiert; vor %2 angehalten</numerusform>
            <numerusform>%1 von %n Mods aktualisiert; vor %2 angehalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods</source>
        <translation>
            <numerusform>%1 von %n Mod aktualisiert</numerusform>
            <numerusform>%1 von %n Mods aktualisiert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not in the catalog (install manually): %1</source>
        <translation>Nicht im Katalog (manuell installieren): %1</translation>
    </message>
    <message>
        <source>needs %1, which didn&apos;t install</source>
        <translation>braucht %1, das nicht installiert wurde</translation>
    </message>
    <message>
        <source>Updating %1 to %2 (%3 of %4)…</source>
        <translation>%1 wird auf %2 aktualisiert (%3 von %4)…</translation>
    </message>
    <message>
        <source>Installing %1 (%2 of %3)…</source>
        <translation>%1 wird installiert (%2 von %3)…</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn&apos;t start %1</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
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
    <name>ProfilePack</name>
    <message>
        <source>%1 in that profile has no version of three numbers.</source>
        <translation>%1 in diesem Profil hat keine Version aus drei Zahlen.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” with an absolute path, so nothing was imported.</source>
        <translation>Dieses Profil hat eine Datei „%1“ mit absolutem Pfad, daher wurde nichts importiert.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” that points outside its folder, so nothing was imported.</source>
        <translation>Dieses Profil hat eine Datei „%1“, die aus seinem Ordner herauszeigt, daher wurde nichts importiert.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) is far larger than any profile&apos;s, so nothing was imported.</source>
        <translation>Die Modliste dieses Profils (export.r2x) ist weit größer als die jedes Profils, daher wurde nichts importiert.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) isn&apos;t readable YAML.</source>
        <translation>Die Modliste dieses Profils (export.r2x) ist kein lesbares YAML.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) has no list of mods.</source>
        <translation>Die Modliste dieses Profils (export.r2x) enthält keine Liste von Mods.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>Dieses Profil listet viel zu viele Mods auf.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn&apos;t a mod name of the form Owner-Name.</source>
        <translation>„%1“ in diesem Profil ist kein Mod-Name der Form Besitzer-Name.</translation>
    </message>
    <message>
        <source>That profile isn&apos;t a readable .r2z (zip) archive.</source>
        <translation>Dieses Profil ist kein lesbares .r2z-Archiv (zip).</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Dieses Profil entpackt sich zu weit mehr Dateien oder Bytes, als ein Profil je enthält, daher wurde nichts importiert.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn&apos;t a plain file, so nothing was imported.</source>
        <translation>Dieses Profil hat einen Eintrag „%1“, der keine normale Datei ist, daher wurde nichts importiert.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>Dieses Profil hat keine Modliste (export.r2x), daher gibt es nichts zu importieren.</translation>
    </message>
    <message>
        <source>Couldn&apos;t build the profile archive.</source>
        <translation>Das Profilarchiv konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code&apos;s content: it doesn&apos;t start with #r2modman.</source>
        <translation>Das ist nicht der Inhalt eines Profilcodes: Er beginnt nicht mit #r2modman.</translation>
    </message>
    <message>
        <source>That profile code&apos;s content is damaged: it isn&apos;t valid base64.</source>
        <translation>Der Inhalt dieses Profilcodes ist beschädigt: Er ist kein gültiges Base64.</translation>
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
        <source>A profile name can&apos;t start or end with a space.</source>
        <translation>Ein Profilname darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start with a dot.</source>
        <translation>Ein Profilname darf nicht mit einem Punkt beginnen.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t contain “/”, “\”, “:” or control characters.</source>
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
        <source>Couldn&apos;t switch to “%1”: %2</source>
        <translation>Wechsel zu „%1“ fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2 “%3” is still active.</source>
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
    <name>Trash</name>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: it no longer exists.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: Es existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash refused it.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: Der Papierkorb hat es abgelehnt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash folder isn&apos;t available.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: Der Papierkorb-Ordner ist nicht verfügbar.</translation>
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
