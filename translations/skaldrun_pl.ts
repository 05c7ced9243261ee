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
        <source>Copying %1 into a new profile…</source>
        <translation>Kopiowanie %1 do nowego profilu…</translation>
    </message>
    <message>
        <source>Creating profile %1…</source>
        <translation>Tworzenie profilu %1…</translation>
    </message>
    <message>
        <source>Created profile %1</source>
        <translation>Utworzono profil %1</translation>
    </message>
    <message>
        <source>Renaming profile %1…</source>
        <translation>Zmienianie nazwy profilu %1…</translation>
    </message>
    <message>
        <source>Renamed profile %1 to %2</source>
        <translation>Zmieniono nazwę profilu %1 na %2</translation>
    </message>
    <message>
        <source>Moving profile %1 to the Trash…</source>
        <translation>Przenoszenie profilu %1 do Kosza…</translation>
    </message>
    <message>
        <source>Moved profile %1 to Trash</source>
        <translation>Przeniesiono profil %1 do Kosza</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Najpierw zamknij Valheim — zmiana profilu w trakcie gry zabrałaby jej mody spod nóg.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Przełączanie na profil %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Przełączono na profil %1</translation>
    </message>
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
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>Trwa inna czynność („%1”); otwórz profil ponownie, gdy się skończy.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Wczytywanie %1…</translation>
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
    <name>Catalog</name>
    <message>
        <source>The catalog is empty.</source>
        <translation>Katalog jest pusty.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a package: write Owner-Name or Owner-Name-1.2.3.</source>
        <translation>„%1” to nie pakiet: wpisz Owner-Name albo Owner-Name-1.2.3.</translation>
    </message>
    <message>
        <source>The catalog has no package “%1”.</source>
        <translation>W katalogu nie ma pakietu „%1”.</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Inna zmiana w tym folderze gry wciąż trwa.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the game folder.</source>
        <translation>%1 nie znajduje się w folderze gry.</translation>
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
        <translation>Przygotowuje Valheim z BepInEx i zarządza jego modami z terminala lub skryptu,
przez ten sam model co okno Skaldrun.

Polecenia:
  status                        siedem kroków konfiguracji, ukończonych lub nie, i liczba modów
  list                          zainstalowane mody: wersja, repozytorium, włączony, aktualizacja, brakujące zależności
  search QUERY                  oba repozytoria, najpopularniejsze najpierw (lub --sort newest|rating|name)
  install PACKAGE...            Owner-Name albo Owner-Name-1.2.3 dla tej wersji, z zależnościami;
                                paczka BepInEx instaluje loader modów (także w folderze serwera)
  update [--all | NAME...]      każdy mod z nowszą wersją w katalogu albo podane, z zachowaniem ich
                                przełącznika i plików konfiguracyjnych (mody trzymane przy wersji zostają)
  enable NAME...                włącza mody
  disable NAME...               wyłącza mody, zostawiając je zainstalowane
  remove NAME...                przenosi mody do Kosza (--delete: usuwa je na dobre)
  config list MOD               ustawienia moda, jako PLIK: Sekcja.Klucz = wartość
  config get FILE KEY           jedno ustawienie (KEY to Sekcja.Klucz albo klucz, który ma tylko jedna sekcja)
  config set FILE KEY VALUE     zmienia jedno ustawienie, sprawdzane jak w edytorze okna
  saves backup                  robi kopię zapasową światów i postaci
  saves restore                 przywraca je z najnowszej kopii zapasowej
  profile list                  profile (zestawy modów) folderu gry, z zaznaczonym aktywnym
  profile new NAME              nowy pusty profil (--copy: kopia aktywnego)
  profile switch NAME           ustawia NAME jako aktywny profil
  profile export [--file F.r2z | --code]  mody i ich konfiguracje jako plik .r2z albo kod profilu
  profile import CODE|FILE [--name N | --replace]
                                profil r2modman lub Gale od znajomego, jako nowy profil albo do tego
  doctor                        ostatnie uruchomienie: co się wczytało, co nie i dlaczego (także w folderze
                                serwera); kod wyjścia 1, gdy jakiś mod się nie wczytał

Postęp trafia na stderr, wyniki na stdout. Kod wyjścia: 0 gotowe, 1 błąd (powód na stderr),
2 złe użycie (z tym tekstem).</translation>
    </message>
    <message>
        <source>The Valheim folder: a Mac or Linux client&apos;s, or a dedicated server&apos;s (default: the one found before).</source>
        <translation>Folder Valheim: gry na Macu lub Linuksie albo serwera dedykowanego (domyślnie: ten znaleziony wcześniej).</translation>
    </message>
    <message>
        <source>status, list, search, doctor: JSON on stdout.</source>
        <translation>status, list, search, doctor: JSON na stdout.</translation>
    </message>
    <message>
        <source>search: popular, newest, rating or name.</source>
        <translation>search: popular, newest, rating lub name.</translation>
    </message>
    <message>
        <source>update: every mod (the default).</source>
        <translation>update: wszystkie mody (domyślnie).</translation>
    </message>
    <message>
        <source>update: list what would change.</source>
        <translation>update: pokaż, co by się zmieniło.</translation>
    </message>
    <message>
        <source>remove: delete for good, not to the Trash.</source>
        <translation>remove: usuń na dobre, nie do Kosza.</translation>
    </message>
    <message>
        <source>profile new: start from a copy of the active profile.</source>
        <translation>profile new: zacznij od kopii aktywnego profilu.</translation>
    </message>
    <message>
        <source>profile export: the .r2z to write.</source>
        <translation>profile export: plik .r2z do zapisania.</translation>
    </message>
    <message>
        <source>profile export: a profile code.</source>
        <translation>profile export: kod profilu.</translation>
    </message>
    <message>
        <source>profile import: into this profile, replacing its mods.</source>
        <translation>profile import: do tego profilu, zastępując jego mody.</translation>
    </message>
    <message>
        <source>profile import: the new profile&apos;s name (the pack&apos;s own by default).</source>
        <translation>profile import: nazwa nowego profilu (domyślnie nazwa paczki).</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Jedno z poleceń powyżej.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Podaj polecenie.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a Valheim folder: it holds neither the game nor a dedicated server.</source>
        <translation>%1 to nie folder Valheim: nie ma w nim ani gry, ani serwera dedykowanego.</translation>
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
    <name>Commands</name>
    <message>
        <source>No installed mod is called “%1”.</source>
        <translation>Żaden zainstalowany mod nie nazywa się „%1”.</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Folder gry: %1</translation>
    </message>
    <message>
        <source>Game folder: not found</source>
        <translation>Folder gry: nie znaleziono</translation>
    </message>
    <message>
        <source>This is Valheim&apos;s Windows build (valheim.exe), which Steam runs through Proton; for BepInEx to load, set its launch options to: %1</source>
        <translation>To wersja Valheim na Windowsa (valheim.exe), którą Steam uruchamia przez Protona; żeby BepInEx się wczytał, ustaw jej opcje uruchamiania na: %1</translation>
    </message>
    <message>
        <source>[n/a ] %1 (not needed)</source>
        <translation>[n/a ] %1 (niepotrzebne)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of 7 steps done · %n mods, %2 enabled</source>
        <translation>
            <numerusform>Ukończone kroki: %1 z 7 · %n mod, włączone: %2</numerusform>
            <numerusform>Ukończone kroki: %1 z 7 · %n mody, włączone: %2</numerusform>
            <numerusform>Ukończone kroki: %1 z 7 · %n modów, włączone: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Updates and dependencies aren&apos;t shown.</source>
        <translation>%1 Aktualizacje i zależności nie są pokazane.</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (wyłączony)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>update: %1</source>
        <translation>aktualizacja: %1</translation>
    </message>
    <message>
        <source>no updates offered</source>
        <translation>bez aktualizacji</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>brakuje: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 · %3 · %n downloads · %4</source>
        <translation>
            <numerusform>%1 %2 · %3 · %n pobranie · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n pobrania · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n pobrań · %4</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the catalog.</source>
        <translation>%1 nie ma w katalogu.</translation>
    </message>
    <message>
        <source>%1 is kept at its version; no updates are offered.</source>
        <translation>%1 zostaje przy swojej wersji; aktualizacje nie są proponowane.</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 jest aktualny.</translation>
    </message>
    <message>
        <source>Nothing to update.</source>
        <translation>Nie ma czego aktualizować.</translation>
    </message>
    <message>
        <source>%1 has no setting “%2”.</source>
        <translation>%1 nie ma ustawienia „%2”.</translation>
    </message>
    <message>
        <source>%1 has “%2” in several sections; write Section.Key, e.g. %3.%2.</source>
        <translation>%1 ma „%2” w kilku sekcjach; wpisz Sekcja.Klucz, np. %3.%2.</translation>
    </message>
    <message>
        <source>There is no config file “%1” in %2.</source>
        <translation>W %2 nie ma pliku konfiguracyjnego „%1”.</translation>
    </message>
    <message>
        <source>%1.%2 = %3 in %4</source>
        <translation>%1.%2 = %3 w %4</translation>
    </message>
    <message>
        <source>There is no save backup to restore.</source>
        <translation>Nie ma kopii zapasowej do przywrócenia.</translation>
    </message>
    <message>
        <source>“--file”, “--code”, “--name” and “--replace” belong to profile export and import.</source>
        <translation>„--file”, „--code”, „--name” i „--replace” należą do profile export i import.</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>Nieznane polecenie „%1”.</translation>
    </message>
    <message>
        <source>Wrong number of words after “%1”.</source>
        <translation>Zła liczba słów po „%1”.</translation>
    </message>
    <message>
        <source>“--%1” means nothing to “%2”.</source>
        <translation>„--%1” nic nie znaczy dla „%2”.</translation>
    </message>
    <message>
        <source>Sort by popular, newest, rating or name, not “%1”.</source>
        <translation>Sortuj według popular, newest, rating lub name, nie „%1”.</translation>
    </message>
    <message>
        <source>Give “--all” or mod names, not both.</source>
        <translation>Podaj „--all” albo nazwy modów, nie jedno i drugie.</translation>
    </message>
    <message>
        <source>Write config list MOD, config get FILE KEY or config set FILE KEY VALUE.</source>
        <translation>Wpisz config list MOD, config get FILE KEY albo config set FILE KEY VALUE.</translation>
    </message>
    <message>
        <source>Write saves backup or saves restore.</source>
        <translation>Wpisz saves backup albo saves restore.</translation>
    </message>
    <message>
        <source>%1 Give --delete to delete it for good instead.</source>
        <translation>%1 Dodaj --delete, żeby zamiast tego usunąć go na dobre.</translation>
    </message>
    <message>
        <source>Last launch: %1</source>
        <translation>Ostatnie uruchomienie: %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>paczka %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>serwer %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>uwaga: %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n raz)</numerusform>
            <numerusform>[%1] %2 (%n razy)</numerusform>
            <numerusform>[%1] %2 (%n razy)</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every mod loaded in the last launch.</source>
        <translation>Przy ostatnim uruchomieniu nie wszystkie mody się wczytały.</translation>
    </message>
    <message>
        <source>There is no log of a launch with mods.</source>
        <translation>Nie ma logu z uruchomienia z modami.</translation>
    </message>
    <message>
        <source>Write profile list, profile new NAME [--copy] or profile switch NAME.</source>
        <translation>Wpisz profile list, profile new NAME [--copy] albo profile switch NAME.</translation>
    </message>
    <message>
        <source>“--copy” means something only to “profile new”.</source>
        <translation>„--copy” ma znaczenie tylko dla „profile new”.</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1 (aktywny)</translation>
    </message>
</context>
<context>
    <name>ConfigEditorSheet</name>
    <message>
        <source>Search settings</source>
        <translation>Szukaj ustawień</translation>
    </message>
    <message>
        <source>Revert to Original</source>
        <translation>Przywróć oryginał</translation>
    </message>
    <message>
        <source>Restore the config as it was before any edits made here</source>
        <translation>Przywróć konfigurację sprzed wszystkich zmian zrobionych tutaj</translation>
    </message>
    <message>
        <source>Changes apply the next time Valheim starts.</source>
        <translation>Zmiany zadziałają przy następnym uruchomieniu Valheim.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>No config file found.</source>
        <translation>Nie znaleziono pliku konfiguracyjnego.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
    <message>
        <source>Revert to original settings?</source>
        <translation>Przywrócić oryginalne ustawienia?</translation>
    </message>
    <message>
        <source>This restores %1 to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>To przywróci %1 do kopii zapisanej, gdy pierwszy raz otworzyłeś go tutaj. Twoje własne wartości przepadną.</translation>
    </message>
    <message>
        <source>This restores the file to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>To przywróci plik do kopii zapisanej, gdy pierwszy raz otworzyłeś go tutaj. Twoje własne wartości przepadną.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Couldn&apos;t save</source>
        <translation>Nie udało się zapisać</translation>
    </message>
    <message>
        <source>No settings found in this file.</source>
        <translation>W tym pliku nie znaleziono ustawień.</translation>
    </message>
    <message>
        <source>No settings match “%1”.</source>
        <translation>Żadne ustawienie nie pasuje do „%1”.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
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
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file that doesn&apos;t exist.</source>
        <translation>Nie udało się zapisać „%1”: to link do pliku, który nie istnieje.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file outside the game folder.</source>
        <translation>Nie udało się zapisać „%1”: to link do pliku spoza folderu gry.</translation>
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
    <name>FolderLock</name>
    <message>
        <source>Another program (process %1) is changing this game folder; try again when it has finished.</source>
        <translation>Inny program (proces %1) zmienia ten folder gry; spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message>
        <source>%1 (process %2) is changing this game folder; try again when it has finished.</source>
        <translation>%1 (proces %2) zmienia ten folder gry; spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the game folder for changes (%1).</source>
        <translation>Nie udało się zablokować folderu gry do zmian (%1).</translation>
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
    <name>Fs</name>
    <message>
        <source>Couldn&apos;t read “%1”: %2.</source>
        <translation>Nie udało się odczytać „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write “%1”: %2.</source>
        <translation>Nie udało się zapisać „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2.</source>
        <translation>Nie udało się utworzyć „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”: %2.</source>
        <translation>Nie udało się utworzyć folderu „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a folder in “%1”: %2.</source>
        <translation>Nie udało się utworzyć folderu w „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the folder “%1”: %2.</source>
        <translation>Nie udało się odczytać folderu „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: %2.</source>
        <translation>Nie udało się skopiować „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: %2.</source>
        <translation>Nie udało się przenieść „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove “%1”: %2.</source>
        <translation>Nie udało się usunąć „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read “%1”: it isn&apos;t UTF-8 text.</source>
        <translation>Nie udało się odczytać „%1”: to nie jest tekst UTF-8.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: “%2” already exists.</source>
        <translation>Nie udało się przenieść „%1”: „%2” już istnieje.</translation>
    </message>
</context>
<context>
    <name>GameUpdateBanner</name>
    <message>
        <source>Back Up Saves</source>
        <translation>Zrób kopię zapasową</translation>
    </message>
    <message>
        <source>Switch Them Off</source>
        <translation>Wyłącz je</translation>
    </message>
    <message>
        <source>Back up your saves before you play on.</source>
        <translation>Zrób kopię zapasową światów i postaci, zanim zagrasz dalej.</translation>
    </message>
    <message numerus="yes">
        <source>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</source>
        <translation>
            <numerusform>%n mod nie wczytał się po aktualizacji. Najpierw zrób kopię zapasową; potem zaktualizuj albo wyłącz go, aż autor nadrobi.</numerusform>
            <numerusform>%n mody nie wczytały się po aktualizacji. Najpierw zrób kopię zapasową; potem zaktualizuj albo wyłącz je, aż autorzy nadrobią.</numerusform>
            <numerusform>%n modów nie wczytało się po aktualizacji. Najpierw zrób kopię zapasową; potem zaktualizuj albo wyłącz je, aż autorzy nadrobią.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n Mods</source>
        <translation>
            <numerusform>Zaktualizuj %n mod</numerusform>
            <numerusform>Zaktualizuj %n mody</numerusform>
            <numerusform>Zaktualizuj %n modów</numerusform>
        </translation>
    </message>
    <message>
        <source>Update BepInEx to %1</source>
        <translation>Zaktualizuj BepInEx do %1</translation>
    </message>
</context>
<context>
    <name>Http</name>
    <message>
        <source>The server stopped answering (timed out)</source>
        <translation>Serwer przestał odpowiadać (przekroczono limit czasu)</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>Serwer odrzucił połączenie</translation>
    </message>
    <message>
        <source>The server&apos;s address couldn&apos;t be found</source>
        <translation>Nie znaleziono adresu serwera</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>Serwer zamknął połączenie</translation>
    </message>
    <message>
        <source>The server sent us round in circles (too many redirects)</source>
        <translation>Serwer kazał nam krążyć w kółko (zbyt wiele przekierowań)</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made</source>
        <translation>Nie udało się nawiązać bezpiecznego połączenia z serwerem</translation>
    </message>
    <message>
        <source>The Internet connection appears to be offline</source>
        <translation>Wygląda na to, że nie ma połączenia z internetem</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Pobieranie zostało anulowane</translation>
    </message>
    <message>
        <source>The server sent more than %1 MB, far more than expected</source>
        <translation>Serwer wysłał ponad %1 MB, dużo więcej, niż się spodziewano</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved to disk</source>
        <translation>Nie udało się zapisać pobranego pliku na dysku</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2</source>
        <translation>Nie udało się utworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>The server answered with an error (HTTP %1)</source>
        <translation>Serwer odpowiedział błędem (HTTP %1)</translation>
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
    <name>InstallError</name>
    <message>
        <source>%1 isn&apos;t something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>Nie mogę zainstalować %1 — upuść plik .zip z modem, plugin .dll, plik .cfg albo folder z modem.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: %1</source>
        <translation>Nie udało się rozpakować archiwum: %1</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t seem to contain any mod files.</source>
        <translation>%1 nie wydaje się zawierać żadnych plików modów.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any Valheim worlds or characters in %1.</source>
        <translation>Nie znaleziono żadnych światów ani postaci Valheim w %1.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn&apos;t a ZIP archive</source>
        <translation>archiwum jest uszkodzone lub nie jest archiwum ZIP</translation>
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
            <numerusform>%n bajt</numerusform>
            <numerusform>%n bajty</numerusform>
            <numerusform>%n bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” ma ścieżkę bezwzględną, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” points outside the archive&apos;s folder, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” wskazuje poza folder archiwum, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” ma nieprawidłową nazwę, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: po rozpakowaniu zajmuje ponad %1, dużo więcej niż potrzebuje jakikolwiek mod, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: zawiera ponad %1 plików, dużo więcej niż potrzebuje jakikolwiek mod, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: jeden z wpisów nie ma nazwy, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” jest dowiązaniem symbolicznym, którego żaden mod nie potrzebuje, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” jest dowiązaniem twardym, którego żaden mod nie potrzebuje, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” isn&apos;t a file or a folder, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” nie jest plikiem ani folderem, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be written (%2), so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: nie udało się zapisać wpisu „%1” (%2), więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be read (%2), so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: nie udało się odczytać wpisu „%1” (%2), więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it overlaps “%2”.</source>
        <translation>Nie udało się skopiować „%1”: nakłada się na „%2”.</translation>
    </message>
    <message>
        <source>BepInEx is already set up in the game folder; kept it as it is</source>
        <translation>BepInEx jest już skonfigurowany w folderze gry; zostawiono go bez zmian</translation>
    </message>
    <message>
        <source>BepInEx %1 installed into the game folder</source>
        <translation>Zainstalowano BepInEx %1 w folderze gry</translation>
    </message>
    <message>
        <source>BepInEx installed into the game folder</source>
        <translation>Zainstalowano BepInEx w folderze gry</translation>
    </message>
    <message>
        <source>Merged %1 into BepInEx</source>
        <translation>Scalono %1 z BepInEx</translation>
    </message>
    <message>
        <source>Couldn&apos;t install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
        <translation>Nie udało się zainstalować „%1”: ani jego manifest, ani nazwa pliku nie dają użytecznej nazwy folderu.</translation>
    </message>
    <message>
        <source>Installed %1 (data/config files only — no plugin DLL)</source>
        <translation>Zainstalowano %1 (tylko pliki danych/konfiguracyjne — bez DLL pluginu)</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Zainstalowano %1</translation>
    </message>
    <message>
        <source>Copied %1 into BepInEx/config</source>
        <translation>Skopiowano %1 do BepInEx/config</translation>
    </message>
    <message>
        <source>%1 holds the game folder&apos;s own files, so it can&apos;t be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 zawiera własne pliki folderu gry, więc nie można go w nich zainstalować — upuść plik .zip z modem, plugin .dll, plik .cfg albo folder z modem.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: “%2” lies inside it.</source>
        <translation>Nie udało się skopiować „%1”: „%2” znajduje się w środku.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it is a symbolic link.</source>
        <translation>Nie udało się skopiować „%1”: to dowiązanie symboliczne.</translation>
    </message>
</context>
<context>
    <name>LaunchFixes</name>
    <message>
        <source>Update to %1</source>
        <translation>Zaktualizuj do %1</translation>
    </message>
    <message>
        <source>Go Back to %1</source>
        <translation>Wróć do %1</translation>
    </message>
    <message>
        <source>Switch On %1</source>
        <translation>Włącz %1</translation>
    </message>
    <message>
        <source>Update %1 %2</source>
        <translation>Zaktualizuj %1 %2</translation>
    </message>
    <message>
        <source>Install %1 %2</source>
        <translation>Zainstaluj %1 %2</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Wyłącz</translation>
    </message>
</context>
<context>
    <name>LaunchLine</name>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Last launch %1 · %2</source>
        <translation>Ostatnie uruchomienie %1 · %2</translation>
    </message>
    <message>
        <source>Last launch · %1</source>
        <translation>Ostatnie uruchomienie · %1</translation>
    </message>
</context>
<context>
    <name>LaunchSheet</name>
    <message>
        <source>Last launch</source>
        <translation>Ostatnie uruchomienie</translation>
    </message>
    <message>
        <source>Copy for Discord</source>
        <translation>Kopiuj na Discorda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>serwer %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n raz)</numerusform>
            <numerusform>[%1] %2 (%n razy)</numerusform>
            <numerusform>[%1] %2 (%n razy)</numerusform>
        </translation>
    </message>
    <message>
        <source>What the mods wrote themselves:
%1</source>
        <translation>Co zapisały same mody:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>%1, which isn&apos;t installed</source>
        <translation>%1, który nie jest zainstalowany</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, który jest wyłączony</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn&apos;t installed</source>
        <translation>%1 %2 lub nowszy, który nie jest zainstalowany</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which is switched off</source>
        <translation>%1 %2 lub nowszy, który jest wyłączony</translation>
    </message>
    <message>
        <source>%1 %2 or newer, you have %3</source>
        <translation>%1 %2 lub nowszy, masz %3</translation>
    </message>
    <message>
        <source>%1 %2 or newer</source>
        <translation>%1 %2 lub nowszy</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n raz)</numerusform>
            <numerusform>%1 (%n razy)</numerusform>
            <numerusform>%1 (%n razy)</numerusform>
        </translation>
    </message>
    <message>
        <source>the server needs %1 %2, it has %3</source>
        <translation>serwer potrzebuje %1 %2, ma %3</translation>
    </message>
    <message>
        <source>the client needs %1 %2, it has %3</source>
        <translation>klient potrzebuje %1 %2, ma %3</translation>
    </message>
    <message>
        <source>the server lacks %1</source>
        <translation>na serwerze brakuje %1</translation>
    </message>
    <message>
        <source>the client lacks %1</source>
        <translation>w kliencie brakuje %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>The server runs another version of Valheim</source>
        <translation>Serwer działa na innej wersji Valheim</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the server</source>
        <translation>Nie udało się połączyć z serwerem</translation>
    </message>
    <message>
        <source>The server refused the password</source>
        <translation>Serwer odrzucił hasło</translation>
    </message>
    <message>
        <source>The server has banned this player</source>
        <translation>Serwer zbanował tego gracza</translation>
    </message>
    <message>
        <source>The server is full</source>
        <translation>Serwer jest pełny</translation>
    </message>
    <message>
        <source>Lost the connection to the server (%1)</source>
        <translation>Utracono połączenie z serwerem (%1)</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; oraz %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it needs %2</source>
        <translation>%1 się nie wczytał: wymaga %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it can&apos;t run beside %2</source>
        <translation>%1 się nie wczytał: nie może działać razem z %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: a mod it needs didn&apos;t load</source>
        <translation>%1 się nie wczytał: nie wczytał się wymagany przez niego mod</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load, and BepInEx gave no reason</source>
        <translation>%1 się nie wczytał, a BepInEx nie podał powodu</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: %2</source>
        <translation>%1 się nie wczytał: %2</translation>
    </message>
    <message>
        <source>%1 is installed twice; BepInEx loaded one copy</source>
        <translation>%1 jest zainstalowany dwa razy; BepInEx wczytał jedną kopię</translation>
    </message>
    <message>
        <source>%1 was skipped: %2 is installed too</source>
        <translation>%1 został pominięty: %2 też jest zainstalowany</translation>
    </message>
    <message>
        <source>%1 was made for BepInEx %2 and might not work until it&apos;s updated</source>
        <translation>%1 powstał dla BepInEx %2 i może nie działać, dopóki nie zostanie zaktualizowany</translation>
    </message>
    <message>
        <source>A mod couldn&apos;t patch the game, and its error names no mod</source>
        <translation>Jakiś mod nie zdołał spatchować gry, a jego błąd nie wskazuje żadnego moda</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t patch the game — it may need an update for this Valheim</source>
        <translation>%1 nie zdołał spatchować gry — może potrzebować aktualizacji do tej wersji Valheim</translation>
    </message>
    <message>
        <source>%1 failed to start (%2)</source>
        <translation>%1 nie zdołał wystartować (%2)</translation>
    </message>
    <message>
        <source>%1 failed to start (an error)</source>
        <translation>%1 nie zdołał wystartować (błąd)</translation>
    </message>
    <message>
        <source>Something failed (%1), and no mod is named in it</source>
        <translation>Coś się nie powiodło (%1) i nie wskazano żadnego moda</translation>
    </message>
    <message>
        <source>Something failed (an error), and no mod is named in it</source>
        <translation>Coś się nie powiodło (błąd) i nie wskazano żadnego moda</translation>
    </message>
    <message>
        <source>Something failed (%1) in %2, which no one mod stands for</source>
        <translation>Coś się nie powiodło (%1) w %2, czego nie da się przypisać jednemu modowi</translation>
    </message>
    <message>
        <source>Something failed (an error) in %1, which no one mod stands for</source>
        <translation>Coś się nie powiodło (błąd) w %1, czego nie da się przypisać jednemu modowi</translation>
    </message>
    <message>
        <source>%1 ran into %2</source>
        <translation>%1 napotkał %2</translation>
    </message>
    <message>
        <source>%1 ran into an error</source>
        <translation>%1 napotkał błąd</translation>
    </message>
    <message>
        <source>the game&apos;s versions differ (%1)</source>
        <translation>wersje gry się różnią (%1)</translation>
    </message>
    <message>
        <source>A connection was refused: the versions differ</source>
        <translation>Odrzucono połączenie: wersje się różnią</translation>
    </message>
    <message>
        <source>A connection was refused: %1</source>
        <translation>Odrzucono połączenie: %1</translation>
    </message>
    <message>
        <source>Jotunn&apos;s version check turned a connection away</source>
        <translation>Sprawdzanie wersji przez Jotunn odrzuciło połączenie</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the server: %2</source>
        <translation>Mody muszą być %1 na serwerze: %2</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the client: %2</source>
        <translation>Mody muszą być %1 w kliencie: %2</translation>
    </message>
    <message>
        <source>A connection was closed</source>
        <translation>Zamknięto połączenie</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>Wczytano %1 z %n moda, Valheim %2</numerusform>
            <numerusform>Wczytano %1 z %n modów, Valheim %2</numerusform>
            <numerusform>Wczytano %1 z %n modów, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded</source>
        <translation>
            <numerusform>Wczytano %1 z %n moda</numerusform>
            <numerusform>Wczytano %1 z %n modów</numerusform>
            <numerusform>Wczytano %1 z %n modów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>BepInEx zatrzymał się przed końcem wczytywania: wczytano %1 z %n moda, Valheim %2</numerusform>
            <numerusform>BepInEx zatrzymał się przed końcem wczytywania: wczytano %1 z %n modów, Valheim %2</numerusform>
            <numerusform>BepInEx zatrzymał się przed końcem wczytywania: wczytano %1 z %n modów, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded</source>
        <translation>
            <numerusform>BepInEx zatrzymał się przed końcem wczytywania: wczytano %1 z %n moda</numerusform>
            <numerusform>BepInEx zatrzymał się przed końcem wczytywania: wczytano %1 z %n modów</numerusform>
            <numerusform>BepInEx zatrzymał się przed końcem wczytywania: wczytano %1 z %n modów</numerusform>
        </translation>
    </message>
    <message>
        <source>BepInEx isn&apos;t installed in the game folder, so nothing wrote a log.</source>
        <translation>BepInEx nie jest zainstalowany w folderze gry, więc nic nie zapisało logu.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam uruchamia wersję na Windows przez Protona, który wczytuje BepInEx tylko z tymi opcjami uruchamiania: %1</translation>
    </message>
    <message>
        <source>%1 isn&apos;t executable, so Steam couldn&apos;t start the game through it.</source>
        <translation>%1 nie jest wykonywalny, więc Steam nie mógł przez niego uruchomić gry.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam&apos;s runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 jest za stary dla środowiska uruchomieniowego Steama, przez co nie może wczytać BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>Injektor BepInEx działa tylko na Intelu: na Apple Silicon gra musi działać przez Rosetta 2 (krok 4).</translation>
    </message>
    <message>
        <source>Steam&apos;s launch options for Valheim don&apos;t name %1, so the game started without mods.</source>
        <translation>Opcje uruchamiania Valheim w Steamie nie wskazują %1, więc gra uruchomiła się bez modów.</translation>
    </message>
    <message>
        <source>The server hasn&apos;t been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>Od instalacji BepInEx serwer nie był uruchamiany przez %1, więc nic nie zapisało logu.</translation>
    </message>
    <message>
        <source>Valheim hasn&apos;t been launched with mods yet.</source>
        <translation>Valheim nie był jeszcze uruchamiany z modami.</translation>
    </message>
    <message>
        <source>Valheim started, but BepInEx wrote no log — Steam may have started it without its launch options.</source>
        <translation>Valheim się uruchomił, ale BepInEx nie zapisał logu — Steam mógł go uruchomić bez opcji uruchamiania.</translation>
    </message>
    <message>
        <source>Valheim updated from %1 to %2</source>
        <translation>Valheim zaktualizowano z %1 do %2</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>paczka %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>serwer %1</translation>
    </message>
    <message>
        <source>**Last launch:** %1</source>
        <translation>**Ostatnie uruchomienie:** %1</translation>
    </message>
    <message numerus="yes">
        <source>- …and %n more</source>
        <translation>
            <numerusform>- …i %n więcej</numerusform>
            <numerusform>- …i %n więcej</numerusform>
            <numerusform>- …i %n więcej</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocalConfig</name>
    <message>
        <source>a text runs to the end of the file</source>
        <translation>tekst ciągnie się do końca pliku</translation>
    </message>
    <message>
        <source>Steam&apos;s settings in “%1” aren&apos;t laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>Ustawienia Steama w „%1” nie mają oczekiwanego układu (%2), więc Skaldrun zostawił je bez zmian. Wklej opcje uruchamiania do Steama samodzielnie.</translation>
    </message>
    <message>
        <source>a block isn&apos;t closed</source>
        <translation>blok nie jest zamknięty</translation>
    </message>
    <message>
        <source>a brace closes nothing</source>
        <translation>nawias klamrowy niczego nie zamyka</translation>
    </message>
    <message>
        <source>a block has no name</source>
        <translation>blok nie ma nazwy</translation>
    </message>
    <message>
        <source>a name has no value</source>
        <translation>nazwa nie ma wartości</translation>
    </message>
    <message>
        <source>it holds no UserLocalConfigStore</source>
        <translation>nie zawiera UserLocalConfigStore</translation>
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
    <name>ModsPane</name>
    <message numerus="yes">
        <source>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</source>
        <translation>
            <numerusform>%n mod leży poza folderem pluginów. Przywróć go po zebraniu pamięci podręcznej.</numerusform>
            <numerusform>%n mody leżą poza folderem pluginów. Przywróć je po zebraniu pamięci podręcznej.</numerusform>
            <numerusform>%n modów leży poza folderem pluginów. Przywróć je po zebraniu pamięci podręcznej.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your game folder…</source>
        <translation>Czytam folder gry…</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Zainstalowane</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Open BepInEx/plugins in Finder</source>
        <translation>Otwórz BepInEx/plugins w Finderze</translation>
    </message>
    <message>
        <source>Open the Plugins Folder</source>
        <translation>Otwórz folder pluginów</translation>
    </message>
    <message>
        <source>Shader-cache capture in progress</source>
        <translation>Trwa zbieranie pamięci podręcznej shaderów</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Przywróć mody</translation>
    </message>
    <message>
        <source>No mod loader yet</source>
        <translation>Nie ma jeszcze loadera modów</translation>
    </message>
    <message>
        <source>Work through the setup steps on the left. Once BepInEx is installed, your mods show up here.</source>
        <translation>Przejdź kroki konfiguracji po lewej. Gdy BepInEx będzie zainstalowany, twoje mody pojawią się tutaj.</translation>
    </message>
    <message>
        <source>No mods installed</source>
        <translation>Brak zainstalowanych modów</translation>
    </message>
    <message>
        <source>Switch to Browse to search Thunderstore, or drop a mod .zip below.</source>
        <translation>Przejdź do Przeglądaj, żeby szukać w Thunderstore, albo upuść poniżej plik .zip moda.</translation>
    </message>
    <message>
        <source>donate</source>
        <translation>wesprzyj</translation>
    </message>
    <message>
        <source>Support Skaldrun&apos;s development</source>
        <translation>Wesprzyj rozwój Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n enabled</source>
        <translation>
            <numerusform>Włączone: %1 z %n</numerusform>
            <numerusform>Włączone: %1 z %n</numerusform>
            <numerusform>Włączone: %1 z %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n aktualizacja</numerusform>
            <numerusform>%n aktualizacje</numerusform>
            <numerusform>%n aktualizacji</numerusform>
        </translation>
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
    <name>Pipeline</name>
    <message>
        <source>no download URL</source>
        <translation>brak adresu pobierania</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore&apos;s nor Hexium&apos;s</source>
        <translation>odmówiono pobierania z %1, które nie należy ani do Thunderstore, ani do Hexium</translation>
    </message>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Pobieranie %1 (%2 z %3)…</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Przeładuj katalog w zakładce Przeglądaj i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Zainstalowano %1</translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>Zainstalowano %1 z %n zależnością (%2)</numerusform>
            <numerusform>Zainstalowano %1 z %n zależnościami (%2)</numerusform>
            <numerusform>Zainstalowano %1 z %n zależnościami (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Installed %1, but not %2</source>
        <translation>Zainstalowano %1, ale nie %2</translation>
    </message>
    <message>
        <source>Updates cancelled — nothing was changed</source>
        <translation>Anulowano aktualizacje — nic nie zostało zmienione</translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods; stopped before %2</source>
        <translation>
            <numerusform>Zaktualizowano %1 z %n moda; zatrzymano przed %2</numerusform>
            <numerusform>Zaktualizowano %1 z %n modów; zatrzymano przed %2</numerusform>
            <numerusform>Zaktualizowano %1 z %n modów; zatrzymano przed %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods</source>
        <translation>
            <numerusform>Zaktualizowano %1 z %n moda</numerusform>
            <numerusform>Zaktualizowano %1 z %n modów</numerusform>
            <numerusform>Zaktualizowano %1 z %n modów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not in the catalog (install manually): %1</source>
        <translation>Brak w katalogu (zainstaluj ręcznie): %1</translation>
    </message>
    <message>
        <source>needs %1, which didn&apos;t install</source>
        <translation>wymaga %1, którego nie udało się zainstalować</translation>
    </message>
    <message>
        <source>Updating %1 to %2 (%3 of %4)…</source>
        <translation>Aktualizowanie %1 do %2 (%3 z %4)…</translation>
    </message>
    <message>
        <source>Installing %1 (%2 of %3)…</source>
        <translation>Instalowanie %1 (%2 z %3)…</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn&apos;t start %1</source>
        <translation>Nie udało się uruchomić %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be started</source>
        <translation>Nie udało się uruchomić %1</translation>
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
    <name>ProfilePack</name>
    <message>
        <source>%1 in that profile has no version of three numbers.</source>
        <translation>%1 w tym profilu nie ma wersji złożonej z trzech liczb.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” with an absolute path, so nothing was imported.</source>
        <translation>Ten profil ma plik „%1” ze ścieżką bezwzględną, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” that points outside its folder, so nothing was imported.</source>
        <translation>Ten profil ma plik „%1” wskazujący poza swój folder, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) is far larger than any profile&apos;s, so nothing was imported.</source>
        <translation>Lista modów tego profilu (export.r2x) jest dużo większa niż w jakimkolwiek profilu, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) isn&apos;t readable YAML.</source>
        <translation>Lista modów tego profilu (export.r2x) nie jest czytelnym YAML-em.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) has no list of mods.</source>
        <translation>Lista modów tego profilu (export.r2x) nie zawiera listy modów.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>Ten profil zawiera zdecydowanie za dużo modów.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn&apos;t a mod name of the form Owner-Name.</source>
        <translation>„%1” w tym profilu nie jest nazwą moda w postaci Autor-Nazwa.</translation>
    </message>
    <message>
        <source>That profile isn&apos;t a readable .r2z (zip) archive.</source>
        <translation>Ten profil nie jest czytelnym archiwum .r2z (zip).</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Ten profil po rozpakowaniu ma dużo więcej plików lub bajtów, niż zawiera jakikolwiek profil, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn&apos;t a plain file, so nothing was imported.</source>
        <translation>Ten profil ma wpis „%1”, który nie jest zwykłym plikiem, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>Ten profil nie ma listy modów (export.r2x), więc nie ma czego importować.</translation>
    </message>
    <message>
        <source>Couldn&apos;t build the profile archive.</source>
        <translation>Nie udało się utworzyć archiwum profilu.</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code&apos;s content: it doesn&apos;t start with #r2modman.</source>
        <translation>To nie jest zawartość kodu profilu: nie zaczyna się od #r2modman.</translation>
    </message>
    <message>
        <source>That profile code&apos;s content is damaged: it isn&apos;t valid base64.</source>
        <translation>Zawartość tego kodu profilu jest uszkodzona: to nie jest poprawny base64.</translation>
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
    <name>Profiles</name>
    <message>
        <source>There is no profile called “%1”.</source>
        <translation>Nie ma profilu o nazwie „%1”.</translation>
    </message>
    <message>
        <source>Some mods are still moved aside for the shader capture; bring them back first.</source>
        <translation>Niektóre mody są wciąż odłożone na czas przechwytywania shaderów; najpierw je przywróć.</translation>
    </message>
    <message>
        <source>The copy of %1 came out different from the original.</source>
        <translation>Kopia %1 różni się od oryginału.</translation>
    </message>
    <message>
        <source>The record of an interrupted profile switch in %1 is damaged; nothing was moved.</source>
        <translation>Zapis przerwanej zmiany profilu w %1 jest uszkodzony; nic nie zostało przeniesione.</translation>
    </message>
    <message>
        <source>%1 holds a folder named like the profile in use; move it away and try again.</source>
        <translation>%1 zawiera folder o nazwie używanego profilu; przenieś go gdzie indziej i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Give the profile a name.</source>
        <translation>Nadaj profilowi nazwę.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start or end with a space.</source>
        <translation>Nazwa profilu nie może zaczynać się ani kończyć spacją.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start with a dot.</source>
        <translation>Nazwa profilu nie może zaczynać się od kropki.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t contain “/”, “\”, “:” or control characters.</source>
        <translation>Nazwa profilu nie może zawierać „/”, „\”, „:” ani znaków sterujących.</translation>
    </message>
    <message>
        <source>A profile name can have at most %1 characters.</source>
        <translation>Nazwa profilu może mieć najwyżej %1 znaki.</translation>
    </message>
    <message>
        <source>There is already a profile called “%1”.</source>
        <translation>Profil o nazwie „%1” już istnieje.</translation>
    </message>
    <message>
        <source>“%1” is the profile in use; switch to another one before deleting it.</source>
        <translation>„%1” to używany profil; przełącz się na inny, zanim go usuniesz.</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2</source>
        <translation>Nie udało się przełączyć na „%1”: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2 “%3” is still active.</source>
        <translation>Nie udało się przełączyć na „%1”: %2 „%3” jest nadal aktywny.</translation>
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
    <name>Session</name>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library; name its folder with --game.</source>
        <translation>Nie znaleziono Valheim w żadnej bibliotece Steam; podaj jego folder przez --game.</translation>
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
    <name>Share</name>
    <message>
        <source>Write profile export --file F.r2z or profile export --code.</source>
        <translation>Wpisz profile export --file F.r2z albo profile export --code.</translation>
    </message>
    <message>
        <source>Write profile import CODE or profile import FILE, with --name N for the new profile or --replace to import into this one.</source>
        <translation>Wpisz profile import CODE albo profile import FILE, z --name N dla nowego profilu albo --replace, żeby zaimportować do tego.</translation>
    </message>
    <message>
        <source>“--replace” means nothing to an export.</source>
        <translation>„--replace” nic nie znaczy przy eksporcie.</translation>
    </message>
    <message>
        <source>“--name” names the new profile an import makes; it goes without “--replace”.</source>
        <translation>„--name” nazywa nowy profil tworzony przez import; nie łączy się z „--replace”.</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nie ma czego importować.</translation>
    </message>
    <message>
        <source>%1 %2 (disabled)</source>
        <translation>%1 %2 (wyłączony)</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
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
    <name>Trash</name>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: it no longer exists.</source>
        <translation>Nie udało się przenieść „%1” do Kosza: już nie istnieje.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash refused it.</source>
        <translation>Nie udało się przenieść „%1” do Kosza: Kosz go odrzucił.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash folder isn&apos;t available.</source>
        <translation>Nie udało się przenieść „%1” do Kosza: folder Kosza jest niedostępny.</translation>
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
