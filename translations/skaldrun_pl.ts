<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl">
<context>
    <name>AlertPresenter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <source>Couldn't load the Thunderstore catalog.</source>
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
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Inna zmiana w tym folderze gry wciąż trwa.</translation>
    </message>
    <message>
        <source>%1 isn't in the game folder.</source>
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
        <source>part %1 of its catalog didn't arrive (%2)</source>
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
        <source>The value of “%1” can't contain a line break.</source>
        <translation>Wartość „%1” nie może zawierać podziału wiersza.</translation>
    </message>
    <message>
        <source>The value of “%1” can't end with “]”: the line would read as a section header.</source>
        <translation>Wartość „%1” nie może kończyć się na „]”: wiersz zostałby odczytany jako nagłówek sekcji.</translation>
    </message>
    <message>
        <source>Couldn't save “%1”: it's a link to a file that doesn't exist.</source>
        <translation>Nie udało się zapisać „%1”: to link do pliku, który nie istnieje.</translation>
    </message>
    <message>
        <source>Couldn't save “%1”: it's a link to a file outside the game folder.</source>
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
        <source>Couldn't lock the game folder for changes (%1).</source>
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
        <source>Couldn't read “%1”: %2.</source>
        <translation>Nie udało się odczytać „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't write “%1”: %2.</source>
        <translation>Nie udało się zapisać „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't create “%1”: %2.</source>
        <translation>Nie udało się utworzyć „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't create the folder “%1”: %2.</source>
        <translation>Nie udało się utworzyć folderu „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't create a folder in “%1”: %2.</source>
        <translation>Nie udało się utworzyć folderu w „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't read the folder “%1”: %2.</source>
        <translation>Nie udało się odczytać folderu „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: %2.</source>
        <translation>Nie udało się skopiować „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't move “%1”: %2.</source>
        <translation>Nie udało się przenieść „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't remove “%1”: %2.</source>
        <translation>Nie udało się usunąć „%1”: %2.</translation>
    </message>
    <message>
        <source>Couldn't read “%1”: it isn't UTF-8 text.</source>
        <translation>Nie udało się odczytać „%1”: to nie jest tekst UTF-8.</translation>
    </message>
    <message>
        <source>Couldn't move “%1”: “%2” already exists.</source>
        <translation>Nie udało się przenieść „%1”: „%2” już istnieje.</translation>
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
        <source>The server's address couldn't be found</source>
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
        <source>A secure connection to the server couldn't be made</source>
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
        <source>The download couldn't be saved to disk</source>
        <translation>Nie udało się zapisać pobranego pliku na dysku</translation>
    </message>
    <message>
        <source>Couldn't create “%1”: %2</source>
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
        <source>%1 isn't something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>Nie mogę zainstalować %1 — upuść plik .zip z modem, plugin .dll, plik .cfg albo folder z modem.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: %1</source>
        <translation>Nie udało się rozpakować archiwum: %1</translation>
    </message>
    <message>
        <source>%1 doesn't seem to contain any mod files.</source>
        <translation>%1 nie wydaje się zawierać żadnych plików modów.</translation>
    </message>
    <message>
        <source>Couldn't find any Valheim worlds or characters in %1.</source>
        <translation>Nie znaleziono żadnych światów ani postaci Valheim w %1.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn't a ZIP archive</source>
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
        <source>Couldn't extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” ma ścieżkę bezwzględną, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” points outside the archive's folder, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” wskazuje poza folder archiwum, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” ma nieprawidłową nazwę, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: po rozpakowaniu zajmuje ponad %1, dużo więcej niż potrzebuje jakikolwiek mod, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: zawiera ponad %1 plików, dużo więcej niż potrzebuje jakikolwiek mod, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: jeden z wpisów nie ma nazwy, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” jest dowiązaniem symbolicznym, którego żaden mod nie potrzebuje, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” jest dowiązaniem twardym, którego żaden mod nie potrzebuje, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” isn't a file or a folder, so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: wpis „%1” nie jest plikiem ani folderem, więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” couldn't be written (%2), so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: nie udało się zapisać wpisu „%1” (%2), więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” couldn't be read (%2), so nothing was installed.</source>
        <translation>Nie udało się rozpakować archiwum: nie udało się odczytać wpisu „%1” (%2), więc niczego nie zainstalowano.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: it overlaps “%2”.</source>
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
        <source>Couldn't install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
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
        <source>%1 holds the game folder's own files, so it can't be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 zawiera własne pliki folderu gry, więc nie można go w nich zainstalować — upuść plik .zip z modem, plugin .dll, plik .cfg albo folder z modem.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: “%2” lies inside it.</source>
        <translation>Nie udało się skopiować „%1”: „%2” znajduje się w środku.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: it is a symbolic link.</source>
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
    <name>LaunchText</name>
    <message>
        <source>%1, which isn't installed</source>
        <translation>%1, który nie jest zainstalowany</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, który jest wyłączony</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn't installed</source>
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
        <source>Couldn't connect to the server</source>
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
        <source>%1 didn't load: it needs %2</source>
        <translation>%1 się nie wczytał: wymaga %2</translation>
    </message>
    <message>
        <source>%1 didn't load: it can't run beside %2</source>
        <translation>%1 się nie wczytał: nie może działać razem z %2</translation>
    </message>
    <message>
        <source>%1 didn't load: a mod it needs didn't load</source>
        <translation>%1 się nie wczytał: nie wczytał się wymagany przez niego mod</translation>
    </message>
    <message>
        <source>%1 didn't load, and BepInEx gave no reason</source>
        <translation>%1 się nie wczytał, a BepInEx nie podał powodu</translation>
    </message>
    <message>
        <source>%1 didn't load: %2</source>
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
        <source>%1 was made for BepInEx %2 and might not work until it's updated</source>
        <translation>%1 powstał dla BepInEx %2 i może nie działać, dopóki nie zostanie zaktualizowany</translation>
    </message>
    <message>
        <source>A mod couldn't patch the game, and its error names no mod</source>
        <translation>Jakiś mod nie zdołał spatchować gry, a jego błąd nie wskazuje żadnego moda</translation>
    </message>
    <message>
        <source>%1 couldn't patch the game — it may need an update for this Valheim</source>
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
        <source>the game's versions differ (%1)</source>
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
        <source>Jotunn's version check turned a connection away</source>
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
        <source>BepInEx isn't installed in the game folder, so nothing wrote a log.</source>
        <translation>BepInEx nie jest zainstalowany w folderze gry, więc nic nie zapisało logu.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam uruchamia wersję na Windows przez Protona, który wczytuje BepInEx tylko z tymi opcjami uruchamiania: %1</translation>
    </message>
    <message>
        <source>%1 isn't executable, so Steam couldn't start the game through it.</source>
        <translation>%1 nie jest wykonywalny, więc Steam nie mógł przez niego uruchomić gry.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam's runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 jest za stary dla środowiska uruchomieniowego Steama, przez co nie może wczytać BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx's injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>Injektor BepInEx działa tylko na Intelu: na Apple Silicon gra musi działać przez Rosetta 2 (krok 4).</translation>
    </message>
    <message>
        <source>Steam's launch options for Valheim don't name %1, so the game started without mods.</source>
        <translation>Opcje uruchamiania Valheim w Steamie nie wskazują %1, więc gra uruchomiła się bez modów.</translation>
    </message>
    <message>
        <source>The server hasn't been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>Od instalacji BepInEx serwer nie był uruchamiany przez %1, więc nic nie zapisało logu.</translation>
    </message>
    <message>
        <source>Valheim hasn't been launched with mods yet.</source>
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
        <source>Steam's settings in “%1” aren't laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>Ustawienia Steama w „%1” nie mają oczekiwanego układu (%2), więc Skaldrun zostawił je bez zmian. Wklej opcje uruchamiania do Steama samodzielnie.</translation>
    </message>
    <message>
        <source>a block isn't closed</source>
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
        <source>Launch Valheim vanilla — mods stay installed but don't load</source>
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
        <source>Very long, so shortened here; the rest is on the package's page.</source>
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
        <source>Edit this mod's settings</source>
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
        <source>Couldn't load the readme: %1</source>
        <translation>Nie udało się wczytać readme: %1</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: %1</source>
        <translation>Nie udało się wczytać listy zmian: %1</translation>
    </message>
    <message>
        <source>Couldn't load the readme: the repository answered %1.</source>
        <translation>Nie udało się wczytać readme: repozytorium odpowiedziało %1.</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: the repository answered %1.</source>
        <translation>Nie udało się wczytać listy zmian: repozytorium odpowiedziało %1.</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Pobieranie %1 (%2 z %3)…</translation>
    </message>
    <message>
        <source>no download URL</source>
        <translation>brak adresu pobierania</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore's nor Hexium's</source>
        <translation>odmówiono pobierania z %1, które nie należy ani do Thunderstore, ani do Hexium</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Przeładuj katalog w zakładce Przeglądaj i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Zainstalowano %1</translation>
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
        <source>needs %1, which didn't install</source>
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
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>Zainstalowano %1 z %n zależnością (%2)</numerusform>
            <numerusform>Zainstalowano %1 z %n zależnościami (%2)</numerusform>
            <numerusform>Zainstalowano %1 z %n zależnościami (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn't start %1</source>
        <translation>Nie udało się uruchomić %1</translation>
    </message>
    <message>
        <source>%1 couldn't be started</source>
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
        <source>That profile's mod list (export.r2x) is far larger than any profile's, so nothing was imported.</source>
        <translation>Lista modów tego profilu (export.r2x) jest dużo większa niż w jakimkolwiek profilu, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) isn't readable YAML.</source>
        <translation>Lista modów tego profilu (export.r2x) nie jest czytelnym YAML-em.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) has no list of mods.</source>
        <translation>Lista modów tego profilu (export.r2x) nie zawiera listy modów.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>Ten profil zawiera zdecydowanie za dużo modów.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn't a mod name of the form Owner-Name.</source>
        <translation>„%1” w tym profilu nie jest nazwą moda w postaci Autor-Nazwa.</translation>
    </message>
    <message>
        <source>That profile isn't a readable .r2z (zip) archive.</source>
        <translation>Ten profil nie jest czytelnym archiwum .r2z (zip).</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Ten profil po rozpakowaniu ma dużo więcej plików lub bajtów, niż zawiera jakikolwiek profil, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn't a plain file, so nothing was imported.</source>
        <translation>Ten profil ma wpis „%1”, który nie jest zwykłym plikiem, więc niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>Ten profil nie ma listy modów (export.r2x), więc nie ma czego importować.</translation>
    </message>
    <message>
        <source>Couldn't build the profile archive.</source>
        <translation>Nie udało się utworzyć archiwum profilu.</translation>
    </message>
    <message>
        <source>That isn't a profile code's content: it doesn't start with #r2modman.</source>
        <translation>To nie jest zawartość kodu profilu: nie zaczyna się od #r2modman.</translation>
    </message>
    <message>
        <source>That profile code's content is damaged: it isn't valid base64.</source>
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
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can't contaminate the baseline.</source>
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
        <source>Copies every world and character to this app's backup folder</source>
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
        <source>Overwrites current saves with the latest backup's versions</source>
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
        <source>Some mods ship Windows-only shaders that Metal can't render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
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
        <source>I've added it — mark this step done</source>
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
        <source>BepInEx's injector is Intel-only, so Apple Silicon needs Apple's Rosetta 2 translation layer.</source>
        <translation>Injektor BepInEx działa tylko na Intelu, więc Apple Silicon potrzebuje warstwy tłumaczącej Rosetta 2 od Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 jest w folderze gry, a %2 jest gotowy.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can't start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 pochodzi z paczki starszej niż 5.4.2331 i nie uruchomi już BepInEx przez Steam — zaktualizuj paczkę.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn't executable yet.</source>
        <translation>Pliki BepInEx są na miejscu, ale %1 nie jest jeszcze wykonywalny.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Pliki BepInEx są na miejscu, ale %1 wciąż wymaga poprawek dla Maca (prawo wykonywania + nazwa gry).</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Pobiera BepInExPack dla Valheim od denikson z Thunderstore i rozpakowuje go do folderu gry.</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
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
        <source>The launch script starts the game's Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>Skrypt startowy uruchamia wersję Intel (x86_64) gry, więc BepInEx wczytuje się pod Rosettą.</translation>
    </message>
    <message>
        <source>Valheim's Mac app is Universal and would run natively, where BepInEx can't load — the fix makes the launch script start its Intel build.</source>
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
        <source>Linux doesn't quarantine downloads.</source>
        <translation>Linux nie nakłada kwarantanny na pobrane pliki.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS's quarantine flag so Gatekeeper doesn't block the injector.</source>
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
        <source>No quarantine flags on the modding files — Gatekeeper won't interfere.</source>
        <translation>Brak flag kwarantanny na plikach modów — Gatekeeper nie będzie przeszkadzał.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Znaleziono w twoich ustawieniach Steam — Valheim startuje przez BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx's script.</source>
        <translation>Jedyny ręczny krok: Steam musi uruchamiać grę przez skrypt BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Start z modami potwierdzony — BepInEx ostatnio zapisał log %1.</translation>
    </message>
    <message>
        <source>BepInEx's last log comes from the Windows build under Proton, not the native game.</source>
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
        <source>Couldn't load the catalog: %1</source>
        <translation>Nie udało się wczytać katalogu: %1</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Couldn't move to the Trash “%1”: it no longer exists.</source>
        <translation>Nie udało się przenieść „%1” do Kosza: już nie istnieje.</translation>
    </message>
    <message>
        <source>Couldn't move to the Trash “%1”: the Trash refused it.</source>
        <translation>Nie udało się przenieść „%1” do Kosza: Kosz go odrzucił.</translation>
    </message>
    <message>
        <source>Couldn't move to the Trash “%1”: the Trash folder isn't available.</source>
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
        <source>Don't offer updates for %1</source>
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