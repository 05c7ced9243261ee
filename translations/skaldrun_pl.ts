<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>%1 Pobierz go samodzielnie z %2 i upuść plik .zip w dowolnym miejscu tego okna.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore for %1 (%2). Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>Nie udało się połączyć z Thunderstore w sprawie %1 (%2). Pobierz go samodzielnie z %3 i upuść plik .zip w dowolnym miejscu tego okna.</translation>
    </message>
    <message>
        <source>Thunderstore&apos;s answer about %1 (HTTP %2) names no download; try again later. Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>Odpowiedź Thunderstore w sprawie %1 (HTTP %2) nie zawiera pliku do pobrania; spróbuj później. Pobierz go samodzielnie z %3 i upuść plik .zip w dowolnym miejscu tego okna.</translation>
    </message>
    <message>
        <source>Downloading %1 %2…</source>
        <translation>Pobieranie %1 %2…</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Pobieranie %1…</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Pobieranie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Installing %1…</source>
        <translation>Instalowanie %1…</translation>
    </message>
    <message>
        <source>Install failed: %1</source>
        <translation>Instalacja nie powiodła się: %1</translation>
    </message>
    <message>
        <source>Another change of this game folder is under way (“%1”); try again when it has finished.</source>
        <translation>Trwa już inna zmiana w tym folderze gry („%1”); spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message>
        <source>Found Valheim at %1</source>
        <translation>Znaleziono Valheim w %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library. Install it through Steam first, or choose its folder manually.</source>
        <translation>Nie znaleziono Valheim w żadnej bibliotece Steam. Najpierw zainstaluj grę przez Steam albo wybierz jej folder ręcznie.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Select the Valheim game folder (the one containing %1)</source>
        <translation>Wybierz folder gry Valheim (ten, w którym jest %1)</translation>
    </message>
    <message>
        <source>Installing Rosetta 2… this can take a minute</source>
        <translation>Instalowanie Rosetta 2… to może potrwać minutę</translation>
    </message>
    <message>
        <source>Rosetta 2 installed</source>
        <translation>Zainstalowano Rosetta 2</translation>
    </message>
    <message>
        <source>Rosetta 2 install didn&apos;t finish (exit %1).
%2
Run this in Terminal instead:
%3</source>
        <translation>Instalacja Rosetta 2 nie dobiegła końca (kod %1).
%2
Zamiast tego uruchom w Terminalu:
%3</translation>
    </message>
    <message>
        <source>Contacting Thunderstore…</source>
        <translation>Łączenie z Thunderstore…</translation>
    </message>
    <message>
        <source>Choose the BepInExPack_Valheim .zip you downloaded</source>
        <translation>Wybierz pobrany plik .zip BepInExPack_Valheim</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Instalowanie…</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the launch script: %1</source>
        <translation>Nie udało się zaktualizować skryptu uruchamiającego: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be made to start the game&apos;s Intel build: it isn&apos;t the script of a BepInEx pack from 5.4.2331 on. Reinstall BepInEx in step 3; its new script gets the fix as it goes in.</source>
        <translation>%1 nie da się przerobić tak, by uruchamiał wersję gry na Intela: to nie jest skrypt paczki BepInEx od wersji 5.4.2331. Zainstaluj ponownie BepInEx w kroku 3; nowy skrypt dostanie poprawkę podczas instalacji.</translation>
    </message>
    <message>
        <source>Made %1 executable</source>
        <translation>%1 jest teraz wykonywalny</translation>
    </message>
    <message>
        <source>Updated %1 for this Mac</source>
        <translation>Zaktualizowano %1 dla tego Maca</translation>
    </message>
    <message>
        <source>Clearing quarantine flags…</source>
        <translation>Usuwanie flag kwarantanny…</translation>
    </message>
    <message>
        <source>No quarantine flags found</source>
        <translation>Nie znaleziono flag kwarantanny</translation>
    </message>
    <message numerus="yes">
        <source>Removed quarantine from %n files</source>
        <translation>
            <numerusform>Usunięto kwarantannę z %n pliku</numerusform>
            <numerusform>Usunięto kwarantannę z %n plików</numerusform>
            <numerusform>Usunięto kwarantannę z %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Launch options copied — paste them into Steam</source>
        <translation>Skopiowano opcje uruchamiania — wklej je w Steamie</translation>
    </message>
    <message>
        <source>Asked Steam to launch Valheim</source>
        <translation>Poproszono Steam o uruchomienie Valheim</translation>
    </message>
    <message>
        <source>Start Steam first — Valheim needs it running even for a vanilla launch.</source>
        <translation>Najpierw uruchom Steam — Valheim potrzebuje go nawet do gry bez modów.</translation>
    </message>
    <message>
        <source>Couldn&apos;t launch Valheim directly: %1</source>
        <translation>Nie udało się uruchomić Valheim bezpośrednio: %1</translation>
    </message>
    <message>
        <source>Launched Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Uruchomiono czyste Valheim — mody zostają zainstalowane, ale się nie wczytują</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1).</source>
        <translation>Najpierw wskaż folder Valheim (krok 1).</translation>
    </message>
    <message>
        <source>Preparing %1…</source>
        <translation>Przygotowywanie %1…</translation>
    </message>
    <message>
        <source>%1 is installed already</source>
        <translation>%1 jest już zainstalowany</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1), then drop mods here.</source>
        <translation>Najpierw wskaż folder Valheim (krok 1), a potem upuść tu mody.</translation>
    </message>
    <message numerus="yes">
        <source>Installing %n items…</source>
        <translation>
            <numerusform>Instalowanie %n elementu…</numerusform>
            <numerusform>Instalowanie %n elementów…</numerusform>
            <numerusform>Instalowanie %n elementów…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 enabled</source>
        <translation>
            <numerusform>%1 włączony</numerusform>
            <numerusform>%1 włączone</numerusform>
            <numerusform>%1 włączone</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 disabled</source>
        <translation>
            <numerusform>%1 wyłączony</numerusform>
            <numerusform>%1 wyłączone</numerusform>
            <numerusform>%1 wyłączone</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t toggle %1: %2</source>
        <translation>Nie udało się przełączyć %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove %1: %2</source>
        <translation>Nie udało się usunąć %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 to Trash</source>
        <translation>
            <numerusform>Przeniesiono %1 do Kosza</numerusform>
            <numerusform>Przeniesiono %1 do Kosza</numerusform>
            <numerusform>Przeniesiono %1 do Kosza</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Usunięto %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete all of %1 (%2).</source>
        <translation>Nie udało się usunąć całego %1 (%2).</translation>
    </message>
    <message>
        <source>Saved settings for %1</source>
        <translation>Zapisano ustawienia %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t revert: %1</source>
        <translation>Nie udało się przywrócić: %1</translation>
    </message>
    <message>
        <source>Restored original settings for %1</source>
        <translation>Przywrócono pierwotne ustawienia %1</translation>
    </message>
    <message>
        <source>Quit Valheim first — backing up while the game is running can capture a half-written save.</source>
        <translation>Najpierw zamknij Valheim — kopia zapasowa robiona w trakcie gry może złapać niedokończony zapis.</translation>
    </message>
    <message>
        <source>Backing up worlds and characters…</source>
        <translation>Tworzenie kopii zapasowej światów i postaci…</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n save files</source>
        <translation>
            <numerusform>Kopia zapasowa: %n plik zapisu</numerusform>
            <numerusform>Kopia zapasowa: %n pliki zapisu</numerusform>
            <numerusform>Kopia zapasowa: %n plików zapisu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</source>
        <translation>
            <numerusform>Kopia zapasowa: %1 — %n dowiązanie w folderze zapisów prowadzi donikąd, więc nie usunięto żadnej starszej kopii</numerusform>
            <numerusform>Kopia zapasowa: %1 — %n dowiązania w folderze zapisów prowadzą donikąd, więc nie usunięto żadnej starszej kopii</numerusform>
            <numerusform>Kopia zapasowa: %1 — %n dowiązań w folderze zapisów prowadzi donikąd, więc nie usunięto żadnej starszej kopii</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n save files</source>
        <translation>
            <numerusform>%n plik zapisu</numerusform>
            <numerusform>%n pliki zapisu</numerusform>
            <numerusform>%n plików zapisu</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Valheim first — restoring while the game is running would corrupt the save.</source>
        <translation>Najpierw zamknij Valheim — przywracanie w trakcie gry uszkodziłoby zapis.</translation>
    </message>
    <message>
        <source>Restoring worlds and characters…</source>
        <translation>Przywracanie światów i postaci…</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n save files from the backup</source>
        <translation>
            <numerusform>Przywrócono %n plik zapisu z kopii zapasowej</numerusform>
            <numerusform>Przywrócono %n pliki zapisu z kopii zapasowej</numerusform>
            <numerusform>Przywrócono %n plików zapisu z kopii zapasowej</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t move mods aside: %1</source>
        <translation>Nie udało się odłożyć modów na bok: %1</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n mods aside — capture command copied to clipboard</source>
        <translation>
            <numerusform>Odłożono %n mod na bok — polecenie przechwytywania skopiowano do schowka</numerusform>
            <numerusform>Odłożono %n mody na bok — polecenie przechwytywania skopiowano do schowka</numerusform>
            <numerusform>Odłożono %n modów na bok — polecenie przechwytywania skopiowano do schowka</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restore mods: %1</source>
        <translation>Nie udało się przywrócić modów: %1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n mods — relaunch Valheim to play modded</source>
        <translation>
            <numerusform>Przywrócono %n mod — uruchom ponownie Valheim, by grać z modami</numerusform>
            <numerusform>Przywrócono %n mody — uruchom ponownie Valheim, by grać z modami</numerusform>
            <numerusform>Przywrócono %n modów — uruchom ponownie Valheim, by grać z modami</numerusform>
        </translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so %1 can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>Katalog modów jeszcze się nie wczytał, więc nie można jeszcze wyszukać %1 — spróbuj ponownie, gdy Przeglądaj pokaże mody.</translation>
    </message>
    <message>
        <source>Neither Thunderstore nor Hexium has %1 — if you have its .zip, drop it anywhere on this window.</source>
        <translation>Ani Thunderstore, ani Hexium nie ma %1 — jeśli masz jego plik .zip, upuść go w dowolnym miejscu tego okna.</translation>
    </message>
    <message>
        <source>The last launch&apos;s summary is copied — paste it into Discord</source>
        <translation>Skopiowano podsumowanie ostatniego uruchomienia — wklej je na Discordzie</translation>
    </message>
    <message>
        <source>Quit Steam first — it rewrites its settings when it quits, so launch options written while it runs would be lost.</source>
        <translation>Najpierw zamknij Steam — przy zamykaniu nadpisuje swoje ustawienia, więc opcje uruchamiania zapisane w trakcie jego działania przepadłyby.</translation>
    </message>
    <message>
        <source>Couldn&apos;t tell which Steam account plays Valheim. Sign in to Steam once, quit it, then try again — or paste the launch options yourself.</source>
        <translation>Nie udało się ustalić, które konto Steam gra w Valheim. Zaloguj się raz do Steama, zamknij go i spróbuj ponownie — albo wklej opcje uruchamiania samodzielnie.</translation>
    </message>
    <message>
        <source>Setting Valheim&apos;s launch options in Steam…</source>
        <translation>Ustawianie opcji uruchamiania Valheim w Steamie…</translation>
    </message>
    <message>
        <source>Launch options set in Steam</source>
        <translation>Ustawiono opcje uruchamiania w Steamie</translation>
    </message>
    <message>
        <source>Launch options set in Steam (the previous settings are kept in %1)</source>
        <translation>Ustawiono opcje uruchamiania w Steamie (poprzednie ustawienia zachowano w %1)</translation>
    </message>
    <message>
        <source>%1 is far larger than any profile.</source>
        <translation>%1 jest znacznie większy niż jakikolwiek profil.</translation>
    </message>
    <message>
        <source>Choose a profile (.r2z or export.r2x) to import</source>
        <translation>Wybierz profil (.r2z lub export.r2x) do zaimportowania</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code: codes look like 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</source>
        <translation>To nie jest kod profilu: kody wyglądają tak: 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</translation>
    </message>
    <message>
        <source>Fetching the profile code…</source>
        <translation>Pobieranie kodu profilu…</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t hand out that profile code (HTTP %2).</source>
        <translation>%1 nie mógł wydać tego kodu profilu (HTTP %2).</translation>
    </message>
    <message numerus="yes">
        <source>Read the profile “%1”: %n mods</source>
        <translation>
            <numerusform>Wczytano profil „%1”: %n mod</numerusform>
            <numerusform>Wczytano profil „%1”: %n mody</numerusform>
            <numerusform>Wczytano profil „%1”: %n modów</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore or Hexium for that code: %1</source>
        <translation>Nie udało się połączyć z Thunderstore ani Hexium w sprawie tego kodu: %1</translation>
    </message>
    <message>
        <source>That profile code wasn&apos;t found — it may have expired or been mistyped.</source>
        <translation>Nie znaleziono tego kodu profilu — mógł wygasnąć albo zawiera literówkę.</translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so the pack&apos;s mods can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>Katalog modów jeszcze się nie wczytał, więc nie można jeszcze wyszukać modów z paczki — spróbuj ponownie, gdy Przeglądaj pokaże mody.</translation>
    </message>
    <message>
        <source>None of the mods of “%1” is on Thunderstore or Hexium for Valheim — it&apos;s a profile for another game, so nothing was imported.</source>
        <translation>Żadnego z modów z „%1” nie ma na Thunderstore ani Hexium dla Valheim — to profil do innej gry, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Najpierw zamknij Valheim — zmiana profilu w trakcie gry zabrałaby jej mody spod nóg.</translation>
    </message>
    <message>
        <source>Quit Valheim first — importing over this profile while the game runs would change its mods under it.</source>
        <translation>Najpierw zamknij Valheim — import na ten profil w trakcie gry zmieniłby jej mody w locie.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import cancelled — nothing was changed.</source>
        <translation>Import anulowany — nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>Couldn&apos;t download %1 — nothing was changed.</source>
        <translation>Nie udało się pobrać %1 — nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — you&apos;re back on profile %2. %3</source>
        <translation>Nie udało się zaimportować %1 — jesteś z powrotem w profilu %2. %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — nothing was changed. %2</source>
        <translation>Nie udało się zaimportować %1 — nic nie zostało zmienione. %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2</source>
        <translation>
            <numerusform>Zaimportowano %1 z %n modu do nowego profilu %2</numerusform>
            <numerusform>Zaimportowano %1 z %n modów do nowego profilu %2</numerusform>
            <numerusform>Zaimportowano %1 z %n modów do nowego profilu %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2; not found: %3</source>
        <translation>
            <numerusform>Zaimportowano %1 z %n modu do nowego profilu %2; nie znaleziono: %3</numerusform>
            <numerusform>Zaimportowano %1 z %n modów do nowego profilu %2; nie znaleziono: %3</numerusform>
            <numerusform>Zaimportowano %1 z %n modów do nowego profilu %2; nie znaleziono: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods</source>
        <translation>
            <numerusform>Zaimportowano %1 z %n modu</numerusform>
            <numerusform>Zaimportowano %1 z %n modów</numerusform>
            <numerusform>Zaimportowano %1 z %n modów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods; not found: %2</source>
        <translation>
            <numerusform>Zaimportowano %1 z %n modu; nie znaleziono: %2</numerusform>
            <numerusform>Zaimportowano %1 z %n modów; nie znaleziono: %2</numerusform>
            <numerusform>Zaimportowano %1 z %n modów; nie znaleziono: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Importowanie %1…</translation>
    </message>
    <message>
        <source>Not included: %1 — they aren&apos;t from Thunderstore or Hexium</source>
        <translation>Pominięto: %1 — nie pochodzą z Thunderstore ani Hexium</translation>
    </message>
    <message>
        <source>Save the profile for r2modman, Gale or Skaldrun players</source>
        <translation>Zapisz profil dla graczy r2modman, Gale lub Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n mods to %1</source>
        <translation>
            <numerusform>Zapisano %n mod w %1</numerusform>
            <numerusform>Zapisano %n mody w %1</numerusform>
            <numerusform>Zapisano %n modów w %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Making a profile code…</source>
        <translation>Tworzenie kodu profilu…</translation>
    </message>
    <message>
        <source>This profile is over 20 MB, too large for a code; export it as a .r2z file instead.</source>
        <translation>Ten profil ma ponad 20 MB, to za dużo na kod; wyeksportuj go jako plik .r2z.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore to make a code: %1</source>
        <translation>Nie udało się połączyć z Thunderstore, by utworzyć kod: %1</translation>
    </message>
    <message>
        <source>Thunderstore makes only a few codes a minute; try again in a minute.</source>
        <translation>Thunderstore tworzy tylko kilka kodów na minutę; spróbuj ponownie za minutę.</translation>
    </message>
    <message>
        <source>Thunderstore didn&apos;t make a code (HTTP %1).</source>
        <translation>Thunderstore nie utworzył kodu (HTTP %1).</translation>
    </message>
    <message>
        <source>Profile code: %1</source>
        <translation>Kod profilu: %1</translation>
    </message>
    <message>
        <source>Profile code copied</source>
        <translation>Skopiowano kod profilu</translation>
    </message>
    <message>
        <source>Updates for %1 are offered again</source>
        <translation>Aktualizacje %1 znów będą proponowane</translation>
    </message>
    <message>
        <source>No updates will be offered for %1</source>
        <translation>Aktualizacje %1 nie będą proponowane</translation>
    </message>
    <message>
        <source>Quit Valheim first — updating mods while the game or its server runs would change them under it.</source>
        <translation>Najpierw zamknij Valheim — aktualizacja modów w trakcie działania gry lub jej serwera zmieniłaby je w locie.</translation>
    </message>
    <message numerus="yes">
        <source>Updating %n mods…</source>
        <translation>
            <numerusform>Aktualizowanie %n modu…</numerusform>
            <numerusform>Aktualizowanie %n modów…</numerusform>
            <numerusform>Aktualizowanie %n modów…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Stopping after this mod…</source>
        <translation>Zatrzymywanie po tym modzie…</translation>
    </message>
    <message>
        <source>Installing %1 %2…</source>
        <translation>Instalowanie %1 %2…</translation>
    </message>
    <message>
        <source>Installed %1 %2</source>
        <translation>Zainstalowano %1 %2</translation>
    </message>
    <message>
        <source>Installing what %1 needs…</source>
        <translation>Instalowanie tego, czego potrzebuje %1…</translation>
    </message>
    <message>
        <source>Installed %1 for %2</source>
        <translation>Zainstalowano %1 dla %2</translation>
    </message>
    <message>
        <source>Nothing was missing for %1</source>
        <translation>%1 niczego nie brakowało</translation>
    </message>
</context>
<context>
    <name>BrowseRow</name>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Zainstalowany</translation>
    </message>
    <message>
        <source>%1K</source>
        <translation>%1 tys.</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1 mln</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>od %1</translation>
    </message>
</context>
<context>
    <name>BrowseView</name>
    <message>
        <source>Search mods</source>
        <translation>Szukaj modów</translation>
    </message>
    <message>
        <source>Refresh catalog</source>
        <translation>Odśwież katalog</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 z %n modu</numerusform>
            <numerusform>%1 z %n modów</numerusform>
            <numerusform>%1 z %n modów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · showing the previous catalog</source>
        <translation>%1 · wyświetlany jest poprzedni katalog</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wczytywanie…</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the Thunderstore catalog.</source>
        <translation>Nie udało się wczytać katalogu Thunderstore.</translation>
    </message>
    <message>
        <source>View on Thunderstore</source>
        <translation>Zobacz na Thunderstore</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Zainstaluj wersję…</translation>
    </message>
    <message>
        <source>Read More</source>
        <translation>Czytaj więcej</translation>
    </message>
</context>
<context>
    <name>ChunkedListing</name>
    <message>
        <source>the server answered with error %1</source>
        <translation>serwer odpowiedział błędem %1</translation>
    </message>
    <message>
        <source>its list of catalog parts is unreadable</source>
        <translation>jego lista części katalogu jest nieczytelna</translation>
    </message>
    <message>
        <source>its list names %1 catalog parts, far more than any real catalog</source>
        <translation>jego lista wymienia %1 części katalogu, znacznie więcej niż jakikolwiek prawdziwy katalog</translation>
    </message>
    <message>
        <source>its list of catalog parts holds something that is no address</source>
        <translation>jego lista części katalogu zawiera coś, co nie jest adresem</translation>
    </message>
    <message>
        <source>part %1 of its catalog is damaged</source>
        <translation>część %1 jego katalogu jest uszkodzona</translation>
    </message>
    <message>
        <source>part %1 of its catalog didn&apos;t arrive (%2)</source>
        <translation>część %1 jego katalogu nie dotarła (%2)</translation>
    </message>
</context>
<context>
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Kopiuj polecenie</translation>
    </message>
</context>
<context>
    <name>ConfigEntryRow</name>
    <message>
        <source>Modified — not saved yet</source>
        <translation>Zmieniono — jeszcze nie zapisano</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Domyślnie: %1</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>“%1” takes true or false.</source>
        <translation>„%1” przyjmuje true lub false.</translation>
    </message>
    <message>
        <source>“%1” takes one of: %2.</source>
        <translation>„%1” przyjmuje jedną z wartości: %2.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number.</source>
        <translation>„%1” przyjmuje liczbę całkowitą.</translation>
    </message>
    <message>
        <source>“%1” takes a number.</source>
        <translation>„%1” przyjmuje liczbę.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number from %2 to %3.</source>
        <translation>„%1” przyjmuje liczbę całkowitą od %2 do %3.</translation>
    </message>
    <message>
        <source>“%1” takes a number from %2 to %3.</source>
        <translation>„%1” przyjmuje liczbę od %2 do %3.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>Wartość „%1” nie może zawierać podziału wiersza.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>Wartość „%1” nie może kończyć się na „]”: wiersz zostałby odczytany jako nagłówek sekcji.</translation>
    </message>
</context>
<context>
    <name>DependantsPrompt</name>
    <message>
        <source>Move All to Trash</source>
        <translation>Przenieś wszystkie do Kosza</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Wyłącz wszystkie</translation>
    </message>
    <message>
        <source>Move Only %1 to Trash</source>
        <translation>Przenieś do Kosza tylko %1</translation>
    </message>
    <message>
        <source>Disable Only %1</source>
        <translation>Wyłącz tylko %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message numerus="yes">
        <source>%n mods depend on %1: %2.</source>
        <translation>
            <numerusform>%n mod zależy od %1: %2.</numerusform>
            <numerusform>%n mody zależą od %1: %2.</numerusform>
            <numerusform>%n modów zależy od %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop mods here to install</source>
        <translation>Upuść tu mody, aby je zainstalować</translation>
    </message>
    <message>
        <source>Thunderstore .zip · loose .dll · mod folders — they land in BepInEx/plugins</source>
        <translation>.zip z Thunderstore · pojedynczy .dll · foldery modów — trafiają do BepInEx/plugins</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>%1 and %2, for r2modman, Gale and Skaldrun players.</source>
        <translation>%1 i %2, dla graczy r2modman, Gale i Skaldrun.</translation>
    </message>
    <message>
        <source>Export This Profile</source>
        <translation>Eksportuj ten profil</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Save .r2z…</source>
        <translation>Zapisz .r2z…</translation>
    </message>
    <message>
        <source>Get Code</source>
        <translation>Pobierz kod</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
</context>
<context>
    <name>ImportSheet</name>
    <message numerus="yes">
        <source>%n mods</source>
        <translation>
            <numerusform>%n mod</numerusform>
            <numerusform>%n mody</numerusform>
            <numerusform>%n modów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n config files</source>
        <translation>
            <numerusform>%n plik konfiguracyjny</numerusform>
            <numerusform>%n pliki konfiguracyjne</numerusform>
            <numerusform>%n plików konfiguracyjnych</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: %2, %3</source>
        <translation>„%1”: %2, %3</translation>
    </message>
    <message>
        <source>Import a Profile</source>
        <translation>Importuj profil</translation>
    </message>
    <message>
        <source>Paste a profile code</source>
        <translation>Wklej kod profilu</translation>
    </message>
    <message>
        <source>Profile code from r2modman, Gale or Skaldrun</source>
        <translation>Kod profilu z r2modman, Gale lub Skaldrun</translation>
    </message>
    <message>
        <source>Read Code</source>
        <translation>Odczytaj kod</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Otwórz plik…</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Repository</source>
        <translation>Repozytorium</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Nazwa nowego profilu</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nowy profil</translation>
    </message>
    <message>
        <source>Replace This Profile</source>
        <translation>Zastąp ten profil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>Paste a code from r2modman, Gale or Skaldrun, or open a .r2z file.</source>
        <translation>Wklej kod z r2modman, Gale lub Skaldrun albo otwórz plik .r2z.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importuj…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Import a Profile…</source>
        <translation>Importuj profil…</translation>
    </message>
    <message>
        <source>Export This Profile…</source>
        <translation>Eksportuj ten profil…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Settings — shader cache &amp; save backups</source>
        <translation>Ustawienia — pamięć podręczna shaderów i kopie zapasowe</translation>
    </message>
    <message>
        <source>Game Folder</source>
        <translation>Folder gry</translation>
    </message>
    <message>
        <source>Open the Valheim game folder in Finder</source>
        <translation>Otwórz folder gry Valheim w Finderze</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Re-check every step</source>
        <translation>Sprawdź ponownie każdy krok</translation>
    </message>
    <message>
        <source>Play Vanilla</source>
        <translation>Graj w vanillę</translation>
    </message>
    <message>
        <source>Launch Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Uruchom czyste Valheim — mody zostają zainstalowane, ale się nie wczytują</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Uruchom Valheim</translation>
    </message>
    <message>
        <source>Launch Valheim through Steam (with mods)</source>
        <translation>Uruchom Valheim przez Steam (z modami)</translation>
    </message>
</context>
<context>
    <name>MarkdownView</name>
    <message>
        <source>Loading…</source>
        <translation>Wczytywanie…</translation>
    </message>
    <message>
        <source>No changelog</source>
        <translation>Brak listy zmian</translation>
    </message>
    <message>
        <source>No readme</source>
        <translation>Brak readme</translation>
    </message>
    <message>
        <source>Very long, so shortened here; the rest is on the package&apos;s page.</source>
        <translation>Bardzo długie, więc tutaj skrócone; reszta jest na stronie pakietu.</translation>
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
        <translation>dane</translation>
    </message>
    <message>
        <source>Edit this mod&apos;s settings</source>
        <translation>Edytuj ustawienia tego moda</translation>
    </message>
    <message>
        <source>Holds no plugin DLL, so there is nothing to switch off</source>
        <translation>Nie zawiera DLL pluginu, więc nie ma czego wyłączać</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (wyłączony)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (brak)</translation>
    </message>
    <message>
        <source>Needs %1</source>
        <translation>Wymaga: %1</translation>
    </message>
    <message>
        <source>Install missing</source>
        <translation>Zainstaluj brakujące</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Data files (no plugin DLL)</source>
        <translation>Pliki danych (bez DLL pluginu)</translation>
    </message>
    <message>
        <source>Plugin DLL</source>
        <translation>DLL pluginu</translation>
    </message>
    <message>
        <source>Plugin DLL · disabled</source>
        <translation>DLL pluginu · wyłączony</translation>
    </message>
    <message numerus="yes">
        <source>%n plugins</source>
        <translation>
            <numerusform>%n plugin</numerusform>
            <numerusform>%n pluginy</numerusform>
            <numerusform>%n pluginów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plugins · disabled</source>
        <translation>
            <numerusform>%n plugin · wyłączony</numerusform>
            <numerusform>%n pluginy · wyłączony</numerusform>
            <numerusform>%n pluginów · wyłączony</numerusform>
        </translation>
    </message>
    <message>
        <source>Enabled — click to disable</source>
        <translation>Włączony — kliknij, aby wyłączyć</translation>
    </message>
    <message>
        <source>Disabled — click to enable</source>
        <translation>Wyłączony — kliknij, aby włączyć</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Pokaż w Finderze</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Zainstaluj wersję…</translation>
    </message>
    <message>
        <source>Offer updates again</source>
        <translation>Znów proponuj aktualizacje</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Przenieś do Kosza</translation>
    </message>
</context>
<context>
    <name>PackageDocs</name>
    <message>
        <source>Couldn&apos;t load the readme: %1</source>
        <translation>Nie udało się wczytać readme: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: %1</source>
        <translation>Nie udało się wczytać listy zmian: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the readme: the repository answered %1.</source>
        <translation>Nie udało się wczytać readme: repozytorium odpowiedziało %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: the repository answered %1.</source>
        <translation>Nie udało się wczytać listy zmian: repozytorium odpowiedziało %1.</translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>Profiles: separate mod sets for this game folder</source>
        <translation>Profile: osobne zestawy modów dla tego folderu gry</translation>
    </message>
    <message>
        <source>New Profile…</source>
        <translation>Nowy profil…</translation>
    </message>
    <message>
        <source>Rename “%1”…</source>
        <translation>Zmień nazwę „%1”…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Przenieś do Kosza</translation>
    </message>
</context>
<context>
    <name>ProfileSheet</name>
    <message>
        <source>New Profile</source>
        <translation>Nowy profil</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Zmień nazwę profilu</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nazwa profilu</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Nazwa nowego profilu</translation>
    </message>
    <message>
        <source>New name for “%1”</source>
        <translation>Nowa nazwa dla „%1”</translation>
    </message>
    <message>
        <source>Start with a copy of “%1” (its mods and settings)</source>
        <translation>Zacznij od kopii „%1” (jego mody i ustawienia)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
<context>
    <name>ReadmeSheet</name>
    <message>
        <source>Open Page</source>
        <translation>Otwórz stronę</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>Repository</name>
    <message>
        <source>%1 has no package %2.</source>
        <translation>%1 nie ma pakietu %2.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>The new language shows the next time Skaldrun starts.</source>
        <translation>Nowy język pojawi się przy następnym uruchomieniu Skaldrun.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Mod repositories:</source>
        <translation>Repozytoria modów:</translation>
    </message>
    <message>
        <source>Rebuild the Vanilla Shader Cache</source>
        <translation>Odbuduj pamięć podręczną shaderów vanilla</translation>
    </message>
    <message>
        <source>ShaderHelperForMac compares mod materials against a baseline captured from an unmodded game. After a Valheim update, rebuild it so the baseline matches your game version. The steps below automate the file shuffling.</source>
        <translation>ShaderHelperForMac porównuje materiały modów z punktem odniesienia zapisanym w grze bez modów. Po aktualizacji Valheim odbuduj go, aby pasował do twojej wersji gry. Poniższe kroki same przeniosą pliki.</translation>
    </message>
    <message>
        <source>Install ShaderHelperForMac first — see the pink banner in the Mods pane, or search for it in Browse.</source>
        <translation>Najpierw zainstaluj ShaderHelperForMac — zobacz różowy baner w panelu modów albo wyszukaj go w zakładce Przeglądaj.</translation>
    </message>
    <message>
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can&apos;t contaminate the baseline.</source>
        <translation>Przenieś wszystkie mody oprócz ShaderHelperForMac poza folder plugins, żeby ich materiały nie zanieczyściły punktu odniesienia.</translation>
    </message>
    <message>
        <source>Move Mods Aside</source>
        <translation>Odłóż mody</translation>
    </message>
    <message>
        <source>Back Up Worlds &amp; Characters</source>
        <translation>Zrób kopię światów i postaci</translation>
    </message>
    <message>
        <source>Copies every world and character to this app&apos;s backup folder</source>
        <translation>Kopiuje wszystkie światy i postacie do folderu kopii zapasowych tej aplikacji</translation>
    </message>
    <message>
        <source>Back up first: if the game saves while mods are unloaded, modded items and buildings vanish from those saves.</source>
        <translation>Najpierw zrób kopię: jeśli gra zapisze stan, gdy mody są wyłączone, przedmioty i budowle z modów znikną z tych zapisów.</translation>
    </message>
    <message>
        <source>Launch Valheim and load any world.</source>
        <translation>Uruchom Valheim i wczytaj dowolny świat.</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Uruchom Valheim</translation>
    </message>
    <message>
        <source>Heads up: the F5 console needs -console in your Steam launch options — enable the checkbox in Setup step 6 and re-paste first.</source>
        <translation>Uwaga: konsola F5 wymaga -console w opcjach uruchamiania Steam — najpierw zaznacz pole w kroku 6 konfiguracji i wklej je ponownie.</translation>
    </message>
    <message>
        <source>Press F5 in game and run the capture command (already on your clipboard after step 1):</source>
        <translation>Naciśnij F5 w grze i wykonaj polecenie przechwytywania (po kroku 1 jest już w schowku):</translation>
    </message>
    <message>
        <source>Quit Valheim, bring your mods back, then relaunch. The new cache is now authoritative for this Valheim version.</source>
        <translation>Zamknij Valheim, przywróć mody i uruchom ponownie. Nowa pamięć podręczna obowiązuje teraz dla tej wersji Valheim.</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Przywróć mody</translation>
    </message>
    <message>
        <source>Restore Worlds &amp; Characters</source>
        <translation>Przywróć światy i postacie</translation>
    </message>
    <message>
        <source>Overwrites current saves with the latest backup&apos;s versions</source>
        <translation>Zastępuje bieżące zapisy wersjami z najnowszej kopii zapasowej</translation>
    </message>
    <message>
        <source>Restoring puts back the backed-up versions — use it if a vanilla session overwrote a modded world.</source>
        <translation>Przywracanie odtwarza wersje z kopii — użyj go, jeśli sesja bez modów nadpisała świat z modami.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup from %1. Anything saved since then will be overwritten.</source>
        <translation>To zastąpi twoje obecne światy i postacie kopią zapasową z %1. Wszystko, co zapisano od tamtej pory, zostanie nadpisane.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup. Anything saved since then will be overwritten.</source>
        <translation>To zastąpi twoje obecne światy i postacie kopią zapasową. Wszystko, co zapisano od tamtej pory, zostanie nadpisane.</translation>
    </message>
    <message>
        <source>Restore saves from backup?</source>
        <translation>Przywrócić zapisy z kopii zapasowej?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Current baseline built %1</source>
        <translation>Obecny punkt odniesienia utworzono %1</translation>
    </message>
    <message>
        <source>No baseline cache yet — ShaderHelperForMac creates one on its first launch.</source>
        <translation>Nie ma jeszcze pamięci podręcznej odniesienia — ShaderHelperForMac utworzy ją przy pierwszym uruchomieniu.</translation>
    </message>
    <message numerus="yes">
        <source>%n items stashed in %1</source>
        <translation>
            <numerusform>%n element odłożony w %1</numerusform>
            <numerusform>%n elementy odłożone w %1</numerusform>
            <numerusform>%n elementów odłożonych w %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Last backup: %1 · %L2 most recent are kept</source>
        <translation>Ostatnia kopia: %1 · przechowywanych jest %L2 najnowszych</translation>
    </message>
</context>
<context>
    <name>SetupBubble</name>
    <message>
        <source>Setup</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Setup complete — click to review the steps</source>
        <translation>Konfiguracja ukończona — kliknij, aby przejrzeć kroki</translation>
    </message>
    <message>
        <source>Setup incomplete — click to open</source>
        <translation>Konfiguracja niepełna — kliknij, aby otworzyć</translation>
    </message>
    <message>
        <source>Setup %1/7</source>
        <translation>Konfiguracja %1/7</translation>
    </message>
</context>
<context>
    <name>ShaderFixBanner</name>
    <message>
        <source>Pink or magenta textures in game?</source>
        <translation>Różowe lub purpurowe tekstury w grze?</translation>
    </message>
    <message>
        <source>Some mods ship Windows-only shaders that Metal can&apos;t render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
        <translation>Niektóre mody mają shadery tylko dla Windows, których Metal nie wyrenderuje. ShaderHelperForMac automatycznie podmienia zepsute materiały na shadery zgodne z Makiem.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Dowiedz się więcej</translation>
    </message>
    <message>
        <source>Install Fix</source>
        <translation>Zainstaluj poprawkę</translation>
    </message>
</context>
<context>
    <name>StepCard</name>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Krok %1</translation>
    </message>
</context>
<context>
    <name>StepsPane</name>
    <message>
        <source>Locate Valheim</source>
        <translation>Znajdź Valheim</translation>
    </message>
    <message>
        <source>Install Rosetta 2</source>
        <translation>Zainstaluj Rosettę 2</translation>
    </message>
    <message>
        <source>Install BepInEx</source>
        <translation>Zainstaluj BepInEx</translation>
    </message>
    <message>
        <source>Enable Rosetta Translation</source>
        <translation>Włącz tłumaczenie Rosetta</translation>
    </message>
    <message>
        <source>Clear Quarantine Flags</source>
        <translation>Usuń flagi kwarantanny</translation>
    </message>
    <message>
        <source>Set Steam Launch Options</source>
        <translation>Ustaw opcje uruchamiania w Steam</translation>
    </message>
    <message>
        <source>Launch Once to Verify</source>
        <translation>Uruchom raz, aby sprawdzić</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Hide setup — it collapses into a bubble</source>
        <translation>Ukryj konfigurację — zwinie się do dymka</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <translation>Wykryj automatycznie</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Wybierz folder…</translation>
    </message>
    <message>
        <source>Fix Script</source>
        <translation>Napraw skrypt</translation>
    </message>
    <message>
        <source>Download &amp; Install</source>
        <translation>Pobierz i zainstaluj</translation>
    </message>
    <message>
        <source>Install from Zip…</source>
        <translation>Zainstaluj z pliku zip…</translation>
    </message>
    <message>
        <source>Get it manually</source>
        <translation>Pobierz ręcznie</translation>
    </message>
    <message>
        <source>Apply Fix</source>
        <translation>Zastosuj poprawkę</translation>
    </message>
    <message>
        <source>Clear Quarantine</source>
        <translation>Usuń kwarantannę</translation>
    </message>
    <message>
        <source>Copy Launch Options</source>
        <translation>Kopiuj opcje uruchamiania</translation>
    </message>
    <message>
        <source>Set It for Me</source>
        <translation>Ustaw za mnie</translation>
    </message>
    <message>
        <source>Enable the in-game console (adds -console)</source>
        <translation>Włącz konsolę w grze (dodaje -console)</translation>
    </message>
    <message>
        <source>Changed the checkbox? Copy the line above and paste it into Steam again.</source>
        <translation>Zmiana pola wyboru? Skopiuj wiersz powyżej i wklej go ponownie w Steam.</translation>
    </message>
    <message>
        <source>In Steam: right-click Valheim → Properties… → General → paste into Launch Options, then close the window.</source>
        <translation>W Steam: kliknij prawym przyciskiem Valheim → Właściwości… → Ogólne → wklej w Opcje uruchamiania, potem zamknij okno.</translation>
    </message>
    <message>
        <source>I&apos;ve added it — mark this step done</source>
        <translation>Dodane — oznacz ten krok jako gotowy</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Uruchom Valheim</translation>
    </message>
    <message>
        <source>Re-check</source>
        <translation>Sprawdź ponownie</translation>
    </message>
    <message>
        <source>Linux runs the game natively.</source>
        <translation>Linux uruchamia grę natywnie.</translation>
    </message>
    <message>
        <source>All set — mods load on next launch</source>
        <translation>Wszystko gotowe — mody wczytają się przy następnym uruchomieniu</translation>
    </message>
    <message>
        <source>%1 of 7 complete</source>
        <translation>Ukończono %1 z 7</translation>
    </message>
    <message>
        <source>Found %1 at %2</source>
        <translation>Znaleziono %1 w %2</translation>
    </message>
    <message>
        <source>Found the game at %1</source>
        <translation>Znaleziono grę w %1</translation>
    </message>
    <message>
        <source>Found the Windows build (valheim.exe) at %1, which Steam runs through Proton. For BepInEx to load in it, its launch options need: %2</source>
        <translation>Znaleziono wersję dla Windows (valheim.exe) w %1, którą Steam uruchamia przez Protona. Aby BepInEx się w niej wczytał, jej opcje uruchamiania muszą zawierać: %2</translation>
    </message>
    <message>
        <source>Install Valheim through Steam first, then auto-detect — or point me at its folder.</source>
        <translation>Najpierw zainstaluj Valheim przez Steam, potem wykryj automatycznie — albo wskaż mi jego folder.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Niepotrzebne</translation>
    </message>
    <message>
        <source>This Mac is Intel, so no translation is needed.</source>
        <translation>Ten Mac ma procesor Intel, więc tłumaczenie nie jest potrzebne.</translation>
    </message>
    <message>
        <source>Rosetta 2 is installed — this Mac can run Intel code.</source>
        <translation>Rosetta 2 jest zainstalowana — ten Mac może uruchamiać kod Intel.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only, so Apple Silicon needs Apple&apos;s Rosetta 2 translation layer.</source>
        <translation>Injektor BepInEx działa tylko na Intelu, więc Apple Silicon potrzebuje warstwy tłumaczącej Rosetta 2 od Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 jest w folderze gry, a %2 jest gotowy.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can&apos;t start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 pochodzi z paczki starszej niż 5.4.2331 i nie uruchomi już BepInEx przez Steam — zaktualizuj paczkę.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn&apos;t executable yet.</source>
        <translation>Pliki BepInEx są na miejscu, ale %1 nie jest jeszcze wykonywalny.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Pliki BepInEx są na miejscu, ale %1 wciąż wymaga poprawek dla Maca (prawo wykonywania + nazwa gry).</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Pobiera BepInExPack dla Valheim od denikson z Thunderstore i rozpakowuje go do folderu gry.</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
        <translation>Pobiera BepInExPack dla Valheim od denikson z Thunderstore i rozpakowuje go obok %1.</translation>
    </message>
    <message>
        <source>Reinstall / Update</source>
        <translation>Zainstaluj ponownie / Aktualizuj</translation>
    </message>
    <message>
        <source>Intel Macs already run the Intel build natively.</source>
        <translation>Maki z Intelem już uruchamiają wersję Intel natywnie.</translation>
    </message>
    <message>
        <source>The launch script starts the game&apos;s Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>Skrypt startowy uruchamia wersję Intel (x86_64) gry, więc BepInEx wczytuje się pod Rosettą.</translation>
    </message>
    <message>
        <source>Valheim&apos;s Mac app is Universal and would run natively, where BepInEx can&apos;t load — the fix makes the launch script start its Intel build.</source>
        <translation>Aplikacja Valheim na Maca jest Universal i uruchomiłaby się natywnie, gdzie BepInEx się nie wczyta — poprawka sprawia, że skrypt startowy uruchamia wersję Intel.</translation>
    </message>
    <message>
        <source>Install BepInEx first — this changes how its launch script starts the game.</source>
        <translation>Najpierw zainstaluj BepInEx — to zmienia sposób, w jaki jego skrypt startowy uruchamia grę.</translation>
    </message>
    <message>
        <source># added to %1</source>
        <translation># dodane do %1</translation>
    </message>
    <message>
        <source>Linux doesn&apos;t quarantine downloads.</source>
        <translation>Linux nie nakłada kwarantanny na pobrane pliki.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS&apos;s quarantine flag so Gatekeeper doesn&apos;t block the injector.</source>
        <translation>Po instalacji BepInEx to usuwa flagę kwarantanny macOS, żeby Gatekeeper nie blokował injektora.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</source>
        <translation>
            <numerusform>%n plik jest w kwarantannie, bo został pobrany. To uruchomi za ciebie poniższe polecenie Terminala.</numerusform>
            <numerusform>%n pliki są w kwarantannie, bo zostały pobrane. To uruchomi za ciebie poniższe polecenie Terminala.</numerusform>
            <numerusform>%n plików jest w kwarantannie, bo zostały pobrane. To uruchomi za ciebie poniższe polecenie Terminala.</numerusform>
        </translation>
    </message>
    <message>
        <source>No quarantine flags on the modding files — Gatekeeper won&apos;t interfere.</source>
        <translation>Brak flag kwarantanny na plikach modów — Gatekeeper nie będzie przeszkadzał.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Znaleziono w twoich ustawieniach Steam — Valheim startuje przez BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx&apos;s script.</source>
        <translation>Jedyny ręczny krok: Steam musi uruchamiać grę przez skrypt BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Start z modami potwierdzony — BepInEx ostatnio zapisał log %1.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s last log comes from the Windows build under Proton, not the native game.</source>
        <translation>Ostatni log BepInEx pochodzi z wersji Windows pod Protonem, a nie z natywnej gry.</translation>
    </message>
    <message>
        <source>Start the game once. When BepInEx loads, it writes BepInEx/LogOutput.log — that file is the proof.</source>
        <translation>Uruchom grę raz. Gdy BepInEx się wczyta, zapisze BepInEx/LogOutput.log — ten plik jest dowodem.</translation>
    </message>
    <message>
        <source>Tip: if a game update breaks mods, re-run steps 3–5.</source>
        <translation>Wskazówka: jeśli aktualizacja gry zepsuje mody, powtórz kroki 3–5.</translation>
    </message>
</context>
<context>
    <name>TSPackage</name>
    <message>
        <source>%1 has no version %2; the newest are %3.</source>
        <translation>%1 nie ma wersji %2; najnowsze to %3.</translation>
    </message>
</context>
<context>
    <name>TSSorts</name>
    <message>
        <source>Popular</source>
        <translation>Popularne</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Najnowsze</translation>
    </message>
    <message>
        <source>Top Rated</source>
        <translation>Najwyżej oceniane</translation>
    </message>
    <message>
        <source>A–Z</source>
        <translation>A–Z</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Zainstalowane</translation>
    </message>
</context>
<context>
    <name>ThunderstoreStore</name>
    <message>
        <source>Loading the Thunderstore catalog…</source>
        <translation>Wczytywanie katalogu Thunderstore…</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Zaktualizowano przed chwilą</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n min ago</source>
        <translation>
            <numerusform>Zaktualizowano %n min temu</numerusform>
            <numerusform>Zaktualizowano %n min temu</numerusform>
            <numerusform>Zaktualizowano %n min temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n h ago</source>
        <translation>
            <numerusform>Zaktualizowano %n godz. temu</numerusform>
            <numerusform>Zaktualizowano %n godz. temu</numerusform>
            <numerusform>Zaktualizowano %n godz. temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n days ago</source>
        <translation>
            <numerusform>Zaktualizowano %n dzień temu</numerusform>
            <numerusform>Zaktualizowano %n dni temu</numerusform>
            <numerusform>Zaktualizowano %n dni temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods (%2)</source>
        <translation>
            <numerusform>%1 · %Ln mod (%2)</numerusform>
            <numerusform>%1 · %Ln mody (%2)</numerusform>
            <numerusform>%1 · %Ln modów (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods</source>
        <translation>
            <numerusform>%1 · %Ln mod</numerusform>
            <numerusform>%1 · %Ln mody</numerusform>
            <numerusform>%1 · %Ln modów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the catalog: %1</source>
        <translation>Nie udało się wczytać katalogu: %1</translation>
    </message>
</context>
<context>
    <name>UpdatesSheet</name>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n aktualizacja</numerusform>
            <numerusform>%n aktualizacje</numerusform>
            <numerusform>%n aktualizacji</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message numerus="yes">
        <source>Update %n mods</source>
        <translation>
            <numerusform>Zaktualizuj %n mod</numerusform>
            <numerusform>Zaktualizuj %n mody</numerusform>
            <numerusform>Zaktualizuj %n modów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionPickerSheet</name>
    <message>
        <source>Install Version</source>
        <translation>Zainstaluj wersję</translation>
    </message>
    <message>
        <source>Install a version of %1</source>
        <translation>Zainstaluj wersję %1</translation>
    </message>
    <message>
        <source>Don&apos;t offer updates for %1</source>
        <translation>Nie proponuj aktualizacji %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
</TS>
