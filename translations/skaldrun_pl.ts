<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
