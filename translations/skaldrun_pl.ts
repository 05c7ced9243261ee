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
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Kopiuj polecenie</translation>
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
</TS>
