<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>%1 Скачайте его сами с %2 и перетащите .zip в любое место этого окна.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore for %1 (%2). Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>Не удалось получить %1 из Thunderstore (%2). Скачайте его сами с %3 и перетащите .zip в любое место этого окна.</translation>
    </message>
    <message>
        <source>Thunderstore&apos;s answer about %1 (HTTP %2) names no download; try again later. Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>В ответе Thunderstore о %1 (HTTP %2) нет ссылки на скачивание; попробуйте позже. Скачайте его сами с %3 и перетащите .zip в любое место этого окна.</translation>
    </message>
    <message>
        <source>Downloading %1 %2…</source>
        <translation>Загрузка %1 %2…</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Загрузка %1…</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Не удалось скачать: %1</translation>
    </message>
    <message>
        <source>Installing %1…</source>
        <translation>Установка %1…</translation>
    </message>
    <message>
        <source>Install failed: %1</source>
        <translation>Не удалось установить: %1</translation>
    </message>
    <message>
        <source>Another change of this game folder is under way (“%1”); try again when it has finished.</source>
        <translation>Папка игры уже меняется («%1»); попробуйте снова, когда это закончится.</translation>
    </message>
    <message>
        <source>Found Valheim at %1</source>
        <translation>Valheim найден в %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library. Install it through Steam first, or choose its folder manually.</source>
        <translation>Valheim не найден ни в одной библиотеке Steam. Сначала установите игру через Steam или выберите её папку вручную.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Select the Valheim game folder (the one containing %1)</source>
        <translation>Выберите папку игры Valheim (ту, где лежит %1)</translation>
    </message>
    <message>
        <source>Installing Rosetta 2… this can take a minute</source>
        <translation>Установка Rosetta 2… это может занять минуту</translation>
    </message>
    <message>
        <source>Rosetta 2 installed</source>
        <translation>Rosetta 2 установлена</translation>
    </message>
    <message>
        <source>Rosetta 2 install didn&apos;t finish (exit %1).
%2
Run this in Terminal instead:
%3</source>
        <translation>Установка Rosetta 2 не завершилась (код %1).
%2
Выполните вместо этого в Терминале:
%3</translation>
    </message>
    <message>
        <source>Contacting Thunderstore…</source>
        <translation>Связь с Thunderstore…</translation>
    </message>
    <message>
        <source>Choose the BepInExPack_Valheim .zip you downloaded</source>
        <translation>Выберите скачанный .zip BepInExPack_Valheim</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Установка…</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the launch script: %1</source>
        <translation>Не удалось обновить скрипт запуска: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be made to start the game&apos;s Intel build: it isn&apos;t the script of a BepInEx pack from 5.4.2331 on. Reinstall BepInEx in step 3; its new script gets the fix as it goes in.</source>
        <translation>%1 не удаётся настроить на запуск Intel-версии игры: это не скрипт пакета BepInEx версии 5.4.2331 или новее. Переустановите BepInEx на шаге 3 — новый скрипт получит исправление при установке.</translation>
    </message>
    <message>
        <source>Made %1 executable</source>
        <translation>%1 теперь исполняемый</translation>
    </message>
    <message>
        <source>Updated %1 for this Mac</source>
        <translation>%1 обновлён для этого Mac</translation>
    </message>
    <message>
        <source>Clearing quarantine flags…</source>
        <translation>Снятие отметок карантина…</translation>
    </message>
    <message>
        <source>No quarantine flags found</source>
        <translation>Отметки карантина не найдены</translation>
    </message>
    <message numerus="yes">
        <source>Removed quarantine from %n files</source>
        <translation>
            <numerusform>Карантин снят с %n файла</numerusform>
            <numerusform>Карантин снят с %n файлов</numerusform>
            <numerusform>Карантин снят с %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Launch options copied — paste them into Steam</source>
        <translation>Параметры запуска скопированы — вставьте их в Steam</translation>
    </message>
    <message>
        <source>Asked Steam to launch Valheim</source>
        <translation>Steam получил запрос на запуск Valheim</translation>
    </message>
    <message>
        <source>Start Steam first — Valheim needs it running even for a vanilla launch.</source>
        <translation>Сначала запустите Steam — он нужен Valheim даже для запуска без модов.</translation>
    </message>
    <message>
        <source>Couldn&apos;t launch Valheim directly: %1</source>
        <translation>Не удалось запустить Valheim напрямую: %1</translation>
    </message>
    <message>
        <source>Launched Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Valheim запущен без модов — они остаются установленными, но не загружаются</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1).</source>
        <translation>Сначала укажите папку Valheim (шаг 1).</translation>
    </message>
    <message>
        <source>Preparing %1…</source>
        <translation>Подготовка %1…</translation>
    </message>
    <message>
        <source>%1 is installed already</source>
        <translation>%1 уже установлен</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1), then drop mods here.</source>
        <translation>Сначала укажите папку Valheim (шаг 1), затем перетащите моды сюда.</translation>
    </message>
    <message numerus="yes">
        <source>Installing %n items…</source>
        <translation>
            <numerusform>Установка %n элемента…</numerusform>
            <numerusform>Установка %n элементов…</numerusform>
            <numerusform>Установка %n элементов…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 enabled</source>
        <translation>
            <numerusform>%1 включён</numerusform>
            <numerusform>%1 включены</numerusform>
            <numerusform>%1 включены</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 disabled</source>
        <translation>
            <numerusform>%1 выключен</numerusform>
            <numerusform>%1 выключены</numerusform>
            <numerusform>%1 выключены</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t toggle %1: %2</source>
        <translation>Не удалось переключить %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove %1: %2</source>
        <translation>Не удалось удалить %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 to Trash</source>
        <translation>
            <numerusform>%1 перемещён в Корзину</numerusform>
            <numerusform>%1 перемещены в Корзину</numerusform>
            <numerusform>%1 перемещены в Корзину</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 удалён</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete all of %1 (%2).</source>
        <translation>Не удалось полностью удалить %1 (%2).</translation>
    </message>
    <message>
        <source>Saved settings for %1</source>
        <translation>Настройки %1 сохранены</translation>
    </message>
    <message>
        <source>Couldn&apos;t revert: %1</source>
        <translation>Не удалось вернуть: %1</translation>
    </message>
    <message>
        <source>Restored original settings for %1</source>
        <translation>Исходные настройки %1 восстановлены</translation>
    </message>
    <message>
        <source>Quit Valheim first — backing up while the game is running can capture a half-written save.</source>
        <translation>Сначала закройте Valheim — резервная копия во время игры может захватить недописанное сохранение.</translation>
    </message>
    <message>
        <source>Backing up worlds and characters…</source>
        <translation>Резервное копирование миров и персонажей…</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n save files</source>
        <translation>
            <numerusform>Резервная копия: %n файл сохранений</numerusform>
            <numerusform>Резервная копия: %n файла сохранений</numerusform>
            <numerusform>Резервная копия: %n файлов сохранений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</source>
        <translation>
            <numerusform>Резервная копия: %1 — %n ссылка в папке сохранений ведёт в никуда, поэтому старые копии не удалены</numerusform>
            <numerusform>Резервная копия: %1 — %n ссылки в папке сохранений ведут в никуда, поэтому старые копии не удалены</numerusform>
            <numerusform>Резервная копия: %1 — %n ссылок в папке сохранений ведут в никуда, поэтому старые копии не удалены</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n save files</source>
        <translation>
            <numerusform>%n файл сохранений</numerusform>
            <numerusform>%n файла сохранений</numerusform>
            <numerusform>%n файлов сохранений</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Valheim first — restoring while the game is running would corrupt the save.</source>
        <translation>Сначала закройте Valheim — восстановление во время игры повредит сохранение.</translation>
    </message>
    <message>
        <source>Restoring worlds and characters…</source>
        <translation>Восстановление миров и персонажей…</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n save files from the backup</source>
        <translation>
            <numerusform>Восстановлен %n файл сохранений из резервной копии</numerusform>
            <numerusform>Восстановлено %n файла сохранений из резервной копии</numerusform>
            <numerusform>Восстановлено %n файлов сохранений из резервной копии</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t move mods aside: %1</source>
        <translation>Не удалось убрать моды в сторону: %1</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n mods aside — capture command copied to clipboard</source>
        <translation>
            <numerusform>Убран в сторону %n мод — команда захвата скопирована в буфер обмена</numerusform>
            <numerusform>Убрано в сторону %n мода — команда захвата скопирована в буфер обмена</numerusform>
            <numerusform>Убрано в сторону %n модов — команда захвата скопирована в буфер обмена</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restore mods: %1</source>
        <translation>Не удалось вернуть моды: %1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n mods — relaunch Valheim to play modded</source>
        <translation>
            <numerusform>Возвращён %n мод — перезапустите Valheim, чтобы играть с модами</numerusform>
            <numerusform>Возвращено %n мода — перезапустите Valheim, чтобы играть с модами</numerusform>
            <numerusform>Возвращено %n модов — перезапустите Valheim, чтобы играть с модами</numerusform>
        </translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so %1 can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>Каталог модов ещё не загружен, поэтому %1 пока не найти — попробуйте снова, когда в «Обзоре» появятся моды.</translation>
    </message>
    <message>
        <source>Neither Thunderstore nor Hexium has %1 — if you have its .zip, drop it anywhere on this window.</source>
        <translation>Ни в Thunderstore, ни в Hexium нет %1 — если у вас есть его .zip, перетащите его в любое место этого окна.</translation>
    </message>
    <message>
        <source>The last launch&apos;s summary is copied — paste it into Discord</source>
        <translation>Сводка последнего запуска скопирована — вставьте её в Discord</translation>
    </message>
    <message>
        <source>Quit Steam first — it rewrites its settings when it quits, so launch options written while it runs would be lost.</source>
        <translation>Сначала закройте Steam — при выходе он перезаписывает свои настройки, и параметры запуска, записанные во время его работы, пропадут.</translation>
    </message>
    <message>
        <source>Couldn&apos;t tell which Steam account plays Valheim. Sign in to Steam once, quit it, then try again — or paste the launch options yourself.</source>
        <translation>Не удалось определить, с какого аккаунта Steam играют в Valheim. Войдите в Steam, закройте его и попробуйте снова — или вставьте параметры запуска сами.</translation>
    </message>
    <message>
        <source>Setting Valheim&apos;s launch options in Steam…</source>
        <translation>Настройка параметров запуска Valheim в Steam…</translation>
    </message>
    <message>
        <source>Launch options set in Steam</source>
        <translation>Параметры запуска заданы в Steam</translation>
    </message>
    <message>
        <source>Launch options set in Steam (the previous settings are kept in %1)</source>
        <translation>Параметры запуска заданы в Steam (прежние настройки сохранены в %1)</translation>
    </message>
    <message>
        <source>%1 is far larger than any profile.</source>
        <translation>%1 намного больше любого профиля.</translation>
    </message>
    <message>
        <source>Choose a profile (.r2z or export.r2x) to import</source>
        <translation>Выберите профиль (.r2z или export.r2x) для импорта</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code: codes look like 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</source>
        <translation>Это не код профиля: коды выглядят так: 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</translation>
    </message>
    <message>
        <source>Fetching the profile code…</source>
        <translation>Получение кода профиля…</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t hand out that profile code (HTTP %2).</source>
        <translation>%1 не смог выдать этот код профиля (HTTP %2).</translation>
    </message>
    <message numerus="yes">
        <source>Read the profile “%1”: %n mods</source>
        <translation>
            <numerusform>Профиль «%1» прочитан: %n мод</numerusform>
            <numerusform>Профиль «%1» прочитан: %n мода</numerusform>
            <numerusform>Профиль «%1» прочитан: %n модов</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore or Hexium for that code: %1</source>
        <translation>Не удалось связаться ни с Thunderstore, ни с Hexium, чтобы получить этот код: %1</translation>
    </message>
    <message>
        <source>That profile code wasn&apos;t found — it may have expired or been mistyped.</source>
        <translation>Этот код профиля не найден — возможно, он истёк или введён с ошибкой.</translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so the pack&apos;s mods can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>Каталог модов ещё не загружен, поэтому моды из набора пока не найти — попробуйте снова, когда в «Обзоре» появятся моды.</translation>
    </message>
    <message>
        <source>None of the mods of “%1” is on Thunderstore or Hexium for Valheim — it&apos;s a profile for another game, so nothing was imported.</source>
        <translation>Ни одного мода из «%1» нет в Thunderstore или Hexium для Valheim — это профиль другой игры, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Сначала закройте Valheim — смена профиля во время игры заберёт у неё моды прямо на ходу.</translation>
    </message>
    <message>
        <source>Quit Valheim first — importing over this profile while the game runs would change its mods under it.</source>
        <translation>Сначала закройте Valheim — импорт поверх этого профиля во время игры изменит её моды прямо на ходу.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import cancelled — nothing was changed.</source>
        <translation>Импорт отменён — ничего не изменено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t download %1 — nothing was changed.</source>
        <translation>Не удалось скачать %1 — ничего не изменено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — you&apos;re back on profile %2. %3</source>
        <translation>Не удалось импортировать %1 — вы снова в профиле %2. %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — nothing was changed. %2</source>
        <translation>Не удалось импортировать %1 — ничего не изменено. %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2</source>
        <translation>
            <numerusform>Импортировано %1 из %n мода в новый профиль %2</numerusform>
            <numerusform>Импортировано %1 из %n модов в новый профиль %2</numerusform>
            <numerusform>Импортировано %1 из %n модов в новый профиль %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2; not found: %3</source>
        <translation>
            <numerusform>Импортировано %1 из %n мода в новый профиль %2; не найдены: %3</numerusform>
            <numerusform>Импортировано %1 из %n модов в новый профиль %2; не найдены: %3</numerusform>
            <numerusform>Импортировано %1 из %n модов в новый профиль %2; не найдены: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods</source>
        <translation>
            <numerusform>Импортировано %1 из %n мода</numerusform>
            <numerusform>Импортировано %1 из %n модов</numerusform>
            <numerusform>Импортировано %1 из %n модов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods; not found: %2</source>
        <translation>
            <numerusform>Импортировано %1 из %n мода; не найдены: %2</numerusform>
            <numerusform>Импортировано %1 из %n модов; не найдены: %2</numerusform>
            <numerusform>Импортировано %1 из %n модов; не найдены: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Импорт %1…</translation>
    </message>
    <message>
        <source>Not included: %1 — they aren&apos;t from Thunderstore or Hexium</source>
        <translation>Не включены: %1 — они не из Thunderstore и не из Hexium</translation>
    </message>
    <message>
        <source>Save the profile for r2modman, Gale or Skaldrun players</source>
        <translation>Сохранить профиль для игроков r2modman, Gale или Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n mods to %1</source>
        <translation>
            <numerusform>Сохранён %n мод в %1</numerusform>
            <numerusform>Сохранено %n мода в %1</numerusform>
            <numerusform>Сохранено %n модов в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Making a profile code…</source>
        <translation>Создание кода профиля…</translation>
    </message>
    <message>
        <source>This profile is over 20 MB, too large for a code; export it as a .r2z file instead.</source>
        <translation>Этот профиль больше 20 МБ — слишком много для кода; экспортируйте его в файл .r2z.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore to make a code: %1</source>
        <translation>Не удалось связаться с Thunderstore, чтобы создать код: %1</translation>
    </message>
    <message>
        <source>Thunderstore makes only a few codes a minute; try again in a minute.</source>
        <translation>Thunderstore создаёт лишь несколько кодов в минуту; попробуйте через минуту.</translation>
    </message>
    <message>
        <source>Thunderstore didn&apos;t make a code (HTTP %1).</source>
        <translation>Thunderstore не создал код (HTTP %1).</translation>
    </message>
    <message>
        <source>Profile code: %1</source>
        <translation>Код профиля: %1</translation>
    </message>
    <message>
        <source>Profile code copied</source>
        <translation>Код профиля скопирован</translation>
    </message>
    <message>
        <source>Updates for %1 are offered again</source>
        <translation>Обновления для %1 снова предлагаются</translation>
    </message>
    <message>
        <source>No updates will be offered for %1</source>
        <translation>Обновления для %1 больше не будут предлагаться</translation>
    </message>
    <message>
        <source>Quit Valheim first — updating mods while the game or its server runs would change them under it.</source>
        <translation>Сначала закройте Valheim — обновление модов во время работы игры или её сервера изменит их прямо на ходу.</translation>
    </message>
    <message numerus="yes">
        <source>Updating %n mods…</source>
        <translation>
            <numerusform>Обновление %n мода…</numerusform>
            <numerusform>Обновление %n модов…</numerusform>
            <numerusform>Обновление %n модов…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Stopping after this mod…</source>
        <translation>Остановка после этого мода…</translation>
    </message>
    <message>
        <source>Installing %1 %2…</source>
        <translation>Установка %1 %2…</translation>
    </message>
    <message>
        <source>Installed %1 %2</source>
        <translation>%1 %2 установлен</translation>
    </message>
    <message>
        <source>Installing what %1 needs…</source>
        <translation>Установка того, что нужно %1…</translation>
    </message>
    <message>
        <source>Installed %1 for %2</source>
        <translation>Для %2 установлено: %1</translation>
    </message>
    <message>
        <source>Nothing was missing for %1</source>
        <translation>Для %1 ничего не требовалось</translation>
    </message>
</context>
<context>
    <name>BrowseRow</name>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Установлен</translation>
    </message>
    <message>
        <source>%1K</source>
        <translation>%1 тыс.</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1 млн</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>от %1</translation>
    </message>
</context>
<context>
    <name>BrowseView</name>
    <message>
        <source>Search mods</source>
        <translation>Поиск модов</translation>
    </message>
    <message>
        <source>Refresh catalog</source>
        <translation>Обновить каталог</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторить</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 из %n мода</numerusform>
            <numerusform>%1 из %n модов</numerusform>
            <numerusform>%1 из %n модов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · showing the previous catalog</source>
        <translation>%1 · показан предыдущий каталог</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the Thunderstore catalog.</source>
        <translation>Не удалось загрузить каталог Thunderstore.</translation>
    </message>
    <message>
        <source>View on Thunderstore</source>
        <translation>Открыть на Thunderstore</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Установить версию…</translation>
    </message>
    <message>
        <source>Read More</source>
        <translation>Подробнее</translation>
    </message>
</context>
<context>
    <name>ChunkedListing</name>
    <message>
        <source>the server answered with error %1</source>
        <translation>сервер ответил ошибкой %1</translation>
    </message>
    <message>
        <source>its list of catalog parts is unreadable</source>
        <translation>его список частей каталога не читается</translation>
    </message>
    <message>
        <source>its list names %1 catalog parts, far more than any real catalog</source>
        <translation>его список называет %1 частей каталога — намного больше, чем в любом настоящем каталоге</translation>
    </message>
    <message>
        <source>its list of catalog parts holds something that is no address</source>
        <translation>в его списке частей каталога есть что-то, что не является адресом</translation>
    </message>
    <message>
        <source>part %1 of its catalog is damaged</source>
        <translation>часть %1 его каталога повреждена</translation>
    </message>
    <message>
        <source>part %1 of its catalog didn&apos;t arrive (%2)</source>
        <translation>часть %1 его каталога не пришла (%2)</translation>
    </message>
</context>
<context>
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Скопировать команду</translation>
    </message>
</context>
<context>
    <name>ConfigEntryRow</name>
    <message>
        <source>Modified — not saved yet</source>
        <translation>Изменено — ещё не сохранено</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>По умолчанию: %1</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>“%1” takes true or false.</source>
        <translation>«%1» принимает true или false.</translation>
    </message>
    <message>
        <source>“%1” takes one of: %2.</source>
        <translation>«%1» принимает одно из значений: %2.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number.</source>
        <translation>«%1» принимает целое число.</translation>
    </message>
    <message>
        <source>“%1” takes a number.</source>
        <translation>«%1» принимает число.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number from %2 to %3.</source>
        <translation>«%1» принимает целое число от %2 до %3.</translation>
    </message>
    <message>
        <source>“%1” takes a number from %2 to %3.</source>
        <translation>«%1» принимает число от %2 до %3.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>Значение «%1» не может содержать перевод строки.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>Значение «%1» не может заканчиваться на «]»: строка будет прочитана как заголовок раздела.</translation>
    </message>
</context>
<context>
    <name>DependantsPrompt</name>
    <message>
        <source>Move All to Trash</source>
        <translation>Переместить все в Корзину</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Выключить все</translation>
    </message>
    <message>
        <source>Move Only %1 to Trash</source>
        <translation>Переместить в Корзину только %1</translation>
    </message>
    <message>
        <source>Disable Only %1</source>
        <translation>Выключить только %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message numerus="yes">
        <source>%n mods depend on %1: %2.</source>
        <translation>
            <numerusform>%n мод зависит от %1: %2.</numerusform>
            <numerusform>%n мода зависят от %1: %2.</numerusform>
            <numerusform>%n модов зависят от %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop mods here to install</source>
        <translation>Перетащите моды сюда, чтобы установить</translation>
    </message>
    <message>
        <source>Thunderstore .zip · loose .dll · mod folders — they land in BepInEx/plugins</source>
        <translation>.zip с Thunderstore · отдельные .dll · папки модов — всё попадёт в BepInEx/plugins</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>%1 and %2, for r2modman, Gale and Skaldrun players.</source>
        <translation>%1 и %2 — для игроков r2modman, Gale и Skaldrun.</translation>
    </message>
    <message>
        <source>Export This Profile</source>
        <translation>Экспортировать этот профиль</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save .r2z…</source>
        <translation>Сохранить .r2z…</translation>
    </message>
    <message>
        <source>Get Code</source>
        <translation>Получить код</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
</context>
<context>
    <name>ImportSheet</name>
    <message numerus="yes">
        <source>%n mods</source>
        <translation>
            <numerusform>%n мод</numerusform>
            <numerusform>%n мода</numerusform>
            <numerusform>%n модов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n config files</source>
        <translation>
            <numerusform>%n файл настроек</numerusform>
            <numerusform>%n файла настроек</numerusform>
            <numerusform>%n файлов настроек</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: %2, %3</source>
        <translation>«%1»: %2, %3</translation>
    </message>
    <message>
        <source>Import a Profile</source>
        <translation>Импорт профиля</translation>
    </message>
    <message>
        <source>Paste a profile code</source>
        <translation>Вставьте код профиля</translation>
    </message>
    <message>
        <source>Profile code from r2modman, Gale or Skaldrun</source>
        <translation>Код профиля из r2modman, Gale или Skaldrun</translation>
    </message>
    <message>
        <source>Read Code</source>
        <translation>Прочитать код</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Открыть файл…</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Мод</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включён</translation>
    </message>
    <message>
        <source>Repository</source>
        <translation>Репозиторий</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Имя нового профиля</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Новый профиль</translation>
    </message>
    <message>
        <source>Replace This Profile</source>
        <translation>Заменить этот профиль</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найден</translation>
    </message>
    <message>
        <source>Paste a code from r2modman, Gale or Skaldrun, or open a .r2z file.</source>
        <translation>Вставьте код из r2modman, Gale или Skaldrun или откройте файл .r2z.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Импорт…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Import a Profile…</source>
        <translation>Импорт профиля…</translation>
    </message>
    <message>
        <source>Export This Profile…</source>
        <translation>Экспортировать этот профиль…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Settings — shader cache &amp; save backups</source>
        <translation>Настройки — кэш шейдеров и резервные копии</translation>
    </message>
    <message>
        <source>Game Folder</source>
        <translation>Папка игры</translation>
    </message>
    <message>
        <source>Open the Valheim game folder in Finder</source>
        <translation>Открыть папку игры Valheim в Finder</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Re-check every step</source>
        <translation>Перепроверить все шаги</translation>
    </message>
    <message>
        <source>Play Vanilla</source>
        <translation>Играть без модов</translation>
    </message>
    <message>
        <source>Launch Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Запустить Valheim без модов — они останутся установленными, но не загрузятся</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Запустить Valheim</translation>
    </message>
    <message>
        <source>Launch Valheim through Steam (with mods)</source>
        <translation>Запустить Valheim через Steam (с модами)</translation>
    </message>
</context>
<context>
    <name>MarkdownView</name>
    <message>
        <source>Loading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>No changelog</source>
        <translation>Нет списка изменений</translation>
    </message>
    <message>
        <source>No readme</source>
        <translation>Нет описания</translation>
    </message>
    <message>
        <source>Very long, so shortened here; the rest is on the package&apos;s page.</source>
        <translation>Слишком длинный текст, поэтому здесь он сокращён; остальное — на странице пакета.</translation>
    </message>
</context>
<context>
    <name>ModRow</name>
    <message>
        <source>Config</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>data</source>
        <translation>данные</translation>
    </message>
    <message>
        <source>Edit this mod&apos;s settings</source>
        <translation>Изменить настройки этого мода</translation>
    </message>
    <message>
        <source>Holds no plugin DLL, so there is nothing to switch off</source>
        <translation>Не содержит DLL плагина, так что выключать нечего</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (выключен)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (отсутствует)</translation>
    </message>
    <message>
        <source>Needs %1</source>
        <translation>Требуется: %1</translation>
    </message>
    <message>
        <source>Install missing</source>
        <translation>Установить недостающие</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Data files (no plugin DLL)</source>
        <translation>Файлы данных (без DLL плагина)</translation>
    </message>
    <message>
        <source>Plugin DLL</source>
        <translation>DLL плагина</translation>
    </message>
    <message>
        <source>Plugin DLL · disabled</source>
        <translation>DLL плагина · выключен</translation>
    </message>
    <message numerus="yes">
        <source>%n plugins</source>
        <translation>
            <numerusform>%n плагин</numerusform>
            <numerusform>%n плагина</numerusform>
            <numerusform>%n плагинов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plugins · disabled</source>
        <translation>
            <numerusform>%n плагин · выключен</numerusform>
            <numerusform>%n плагина · выключен</numerusform>
            <numerusform>%n плагинов · выключен</numerusform>
        </translation>
    </message>
    <message>
        <source>Enabled — click to disable</source>
        <translation>Включён — нажмите, чтобы выключить</translation>
    </message>
    <message>
        <source>Disabled — click to enable</source>
        <translation>Выключен — нажмите, чтобы включить</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Показать в Finder</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Установить версию…</translation>
    </message>
    <message>
        <source>Offer updates again</source>
        <translation>Снова предлагать обновления</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Переместить в Корзину</translation>
    </message>
</context>
<context>
    <name>PackageDocs</name>
    <message>
        <source>Couldn&apos;t load the readme: %1</source>
        <translation>Не удалось загрузить описание: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: %1</source>
        <translation>Не удалось загрузить список изменений: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the readme: the repository answered %1.</source>
        <translation>Не удалось загрузить описание: репозиторий ответил %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: the repository answered %1.</source>
        <translation>Не удалось загрузить список изменений: репозиторий ответил %1.</translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>Profiles: separate mod sets for this game folder</source>
        <translation>Профили: отдельные наборы модов для этой папки игры</translation>
    </message>
    <message>
        <source>New Profile…</source>
        <translation>Новый профиль…</translation>
    </message>
    <message>
        <source>Rename “%1”…</source>
        <translation>Переименовать «%1»…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Переместить в Корзину</translation>
    </message>
</context>
<context>
    <name>ProfileSheet</name>
    <message>
        <source>New Profile</source>
        <translation>Новый профиль</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Переименовать профиль</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Имя профиля</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Имя нового профиля</translation>
    </message>
    <message>
        <source>New name for “%1”</source>
        <translation>Новое имя для «%1»</translation>
    </message>
    <message>
        <source>Start with a copy of “%1” (its mods and settings)</source>
        <translation>Начать с копии «%1» (его моды и настройки)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
</context>
<context>
    <name>ReadmeSheet</name>
    <message>
        <source>Open Page</source>
        <translation>Открыть страницу</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>Repository</name>
    <message>
        <source>%1 has no package %2.</source>
        <translation>В %1 нет пакета %2.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>The new language shows the next time Skaldrun starts.</source>
        <translation>Новый язык появится при следующем запуске Skaldrun.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Mod repositories:</source>
        <translation>Репозитории модов:</translation>
    </message>
    <message>
        <source>Rebuild the Vanilla Shader Cache</source>
        <translation>Пересоздать ванильный кэш шейдеров</translation>
    </message>
    <message>
        <source>ShaderHelperForMac compares mod materials against a baseline captured from an unmodded game. After a Valheim update, rebuild it so the baseline matches your game version. The steps below automate the file shuffling.</source>
        <translation>ShaderHelperForMac сравнивает материалы модов с эталоном, снятым в игре без модов. После обновления Valheim пересоздайте его, чтобы он соответствовал вашей версии игры. Шаги ниже сами переместят нужные файлы.</translation>
    </message>
    <message>
        <source>Install ShaderHelperForMac first — see the pink banner in the Mods pane, or search for it in Browse.</source>
        <translation>Сначала установите ShaderHelperForMac — см. розовый баннер на панели модов или найдите его в разделе «Обзор».</translation>
    </message>
    <message>
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can&apos;t contaminate the baseline.</source>
        <translation>Переместите все моды, кроме ShaderHelperForMac, из папки plugins, чтобы их материалы не испортили эталон.</translation>
    </message>
    <message>
        <source>Move Mods Aside</source>
        <translation>Убрать моды</translation>
    </message>
    <message>
        <source>Back Up Worlds &amp; Characters</source>
        <translation>Сделать копию миров и персонажей</translation>
    </message>
    <message>
        <source>Copies every world and character to this app&apos;s backup folder</source>
        <translation>Копирует все миры и персонажей в папку резервных копий этого приложения</translation>
    </message>
    <message>
        <source>Back up first: if the game saves while mods are unloaded, modded items and buildings vanish from those saves.</source>
        <translation>Сначала сделайте копию: если игра сохранится, пока моды выгружены, предметы и постройки из модов исчезнут из этих сохранений.</translation>
    </message>
    <message>
        <source>Launch Valheim and load any world.</source>
        <translation>Запустите Valheim и загрузите любой мир.</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Запустить Valheim</translation>
    </message>
    <message>
        <source>Heads up: the F5 console needs -console in your Steam launch options — enable the checkbox in Setup step 6 and re-paste first.</source>
        <translation>Внимание: для консоли F5 нужен -console в параметрах запуска Steam — сначала отметьте флажок на шаге 6 настройки и вставьте их заново.</translation>
    </message>
    <message>
        <source>Press F5 in game and run the capture command (already on your clipboard after step 1):</source>
        <translation>Нажмите F5 в игре и выполните команду захвата (после шага 1 она уже в буфере обмена):</translation>
    </message>
    <message>
        <source>Quit Valheim, bring your mods back, then relaunch. The new cache is now authoritative for this Valheim version.</source>
        <translation>Закройте Valheim, верните моды и запустите игру снова. Новый кэш теперь считается эталонным для этой версии Valheim.</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Вернуть моды</translation>
    </message>
    <message>
        <source>Restore Worlds &amp; Characters</source>
        <translation>Восстановить миры и персонажей</translation>
    </message>
    <message>
        <source>Overwrites current saves with the latest backup&apos;s versions</source>
        <translation>Заменяет текущие сохранения версиями из последней резервной копии</translation>
    </message>
    <message>
        <source>Restoring puts back the backed-up versions — use it if a vanilla session overwrote a modded world.</source>
        <translation>Восстановление возвращает версии из копии — используйте его, если ванильная сессия перезаписала мир с модами.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup from %1. Anything saved since then will be overwritten.</source>
        <translation>Текущие миры и персонажи будут заменены резервной копией от %1. Всё, что сохранено после этого, будет перезаписано.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup. Anything saved since then will be overwritten.</source>
        <translation>Текущие миры и персонажи будут заменены резервной копией. Всё, что сохранено после неё, будет перезаписано.</translation>
    </message>
    <message>
        <source>Restore saves from backup?</source>
        <translation>Восстановить сохранения из резервной копии?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Current baseline built %1</source>
        <translation>Текущий эталон создан %1</translation>
    </message>
    <message>
        <source>No baseline cache yet — ShaderHelperForMac creates one on its first launch.</source>
        <translation>Эталонного кэша пока нет — ShaderHelperForMac создаст его при первом запуске.</translation>
    </message>
    <message numerus="yes">
        <source>%n items stashed in %1</source>
        <translation>
            <numerusform>%n элемент убран в %1</numerusform>
            <numerusform>%n элемента убрано в %1</numerusform>
            <numerusform>%n элементов убрано в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Last backup: %1 · %L2 most recent are kept</source>
        <translation>Последняя копия: %1 · хранятся %L2 последних</translation>
    </message>
</context>
<context>
    <name>SetupBubble</name>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Setup complete — click to review the steps</source>
        <translation>Настройка завершена — нажмите, чтобы просмотреть шаги</translation>
    </message>
    <message>
        <source>Setup incomplete — click to open</source>
        <translation>Настройка не завершена — нажмите, чтобы открыть</translation>
    </message>
    <message>
        <source>Setup %1/7</source>
        <translation>Настройка %1/7</translation>
    </message>
</context>
<context>
    <name>ShaderFixBanner</name>
    <message>
        <source>Pink or magenta textures in game?</source>
        <translation>Розовые или пурпурные текстуры в игре?</translation>
    </message>
    <message>
        <source>Some mods ship Windows-only shaders that Metal can&apos;t render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
        <translation>Некоторые моды содержат шейдеры только для Windows, которые Metal не может отрисовать. ShaderHelperForMac автоматически заменяет сломанные материалы шейдерами для Mac.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Install Fix</source>
        <translation>Установить исправление</translation>
    </message>
</context>
<context>
    <name>StepCard</name>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Шаг %1</translation>
    </message>
</context>
<context>
    <name>StepsPane</name>
    <message>
        <source>Locate Valheim</source>
        <translation>Найти Valheim</translation>
    </message>
    <message>
        <source>Install Rosetta 2</source>
        <translation>Установить Rosetta 2</translation>
    </message>
    <message>
        <source>Install BepInEx</source>
        <translation>Установить BepInEx</translation>
    </message>
    <message>
        <source>Enable Rosetta Translation</source>
        <translation>Включить трансляцию Rosetta</translation>
    </message>
    <message>
        <source>Clear Quarantine Flags</source>
        <translation>Снять отметки карантина</translation>
    </message>
    <message>
        <source>Set Steam Launch Options</source>
        <translation>Задать параметры запуска в Steam</translation>
    </message>
    <message>
        <source>Launch Once to Verify</source>
        <translation>Запустить один раз для проверки</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Hide setup — it collapses into a bubble</source>
        <translation>Скрыть настройку — она свернётся в значок</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <translation>Найти автоматически</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Выбрать папку…</translation>
    </message>
    <message>
        <source>Fix Script</source>
        <translation>Исправить скрипт</translation>
    </message>
    <message>
        <source>Download &amp; Install</source>
        <translation>Скачать и установить</translation>
    </message>
    <message>
        <source>Install from Zip…</source>
        <translation>Установить из zip…</translation>
    </message>
    <message>
        <source>Get it manually</source>
        <translation>Скачать вручную</translation>
    </message>
    <message>
        <source>Apply Fix</source>
        <translation>Применить исправление</translation>
    </message>
    <message>
        <source>Clear Quarantine</source>
        <translation>Снять карантин</translation>
    </message>
    <message>
        <source>Copy Launch Options</source>
        <translation>Скопировать параметры запуска</translation>
    </message>
    <message>
        <source>Set It for Me</source>
        <translation>Задать за меня</translation>
    </message>
    <message>
        <source>Enable the in-game console (adds -console)</source>
        <translation>Включить консоль в игре (добавляет -console)</translation>
    </message>
    <message>
        <source>Changed the checkbox? Copy the line above and paste it into Steam again.</source>
        <translation>Изменили флажок? Скопируйте строку выше и снова вставьте её в Steam.</translation>
    </message>
    <message>
        <source>In Steam: right-click Valheim → Properties… → General → paste into Launch Options, then close the window.</source>
        <translation>В Steam: правый клик по Valheim → Свойства… → Общие → вставьте в «Параметры запуска» и закройте окно.</translation>
    </message>
    <message>
        <source>I&apos;ve added it — mark this step done</source>
        <translation>Добавлено — отметить шаг как выполненный</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Запустить Valheim</translation>
    </message>
    <message>
        <source>Re-check</source>
        <translation>Перепроверить</translation>
    </message>
    <message>
        <source>Linux runs the game natively.</source>
        <translation>Linux запускает игру нативно.</translation>
    </message>
    <message>
        <source>All set — mods load on next launch</source>
        <translation>Всё готово — моды загрузятся при следующем запуске</translation>
    </message>
    <message>
        <source>%1 of 7 complete</source>
        <translation>Выполнено %1 из 7</translation>
    </message>
    <message>
        <source>Found %1 at %2</source>
        <translation>%1 найден в %2</translation>
    </message>
    <message>
        <source>Found the game at %1</source>
        <translation>Игра найдена в %1</translation>
    </message>
    <message>
        <source>Found the Windows build (valheim.exe) at %1, which Steam runs through Proton. For BepInEx to load in it, its launch options need: %2</source>
        <translation>Найдена Windows-версия (valheim.exe) в %1, которую Steam запускает через Proton. Чтобы BepInEx в ней загрузился, в параметрах запуска нужно: %2</translation>
    </message>
    <message>
        <source>Install Valheim through Steam first, then auto-detect — or point me at its folder.</source>
        <translation>Сначала установите Valheim через Steam, затем найдите автоматически — или укажите мне его папку.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Не нужно</translation>
    </message>
    <message>
        <source>This Mac is Intel, so no translation is needed.</source>
        <translation>Этот Mac на Intel, так что трансляция не нужна.</translation>
    </message>
    <message>
        <source>Rosetta 2 is installed — this Mac can run Intel code.</source>
        <translation>Rosetta 2 установлена — этот Mac может выполнять код Intel.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only, so Apple Silicon needs Apple&apos;s Rosetta 2 translation layer.</source>
        <translation>Инжектор BepInEx работает только на Intel, поэтому Apple Silicon нужен транслятор Rosetta 2 от Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 в папке игры, и %2 готов.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can&apos;t start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 из пакета старше 5.4.2331 и больше не может запускать BepInEx через Steam — обновите пакет.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn&apos;t executable yet.</source>
        <translation>Файлы BepInEx на месте, но %1 ещё не исполняемый.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Файлы BepInEx на месте, но %1 ещё нужны исправления для Mac (право на запуск + имя игры).</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Скачивает BepInExPack для Valheim от denikson с Thunderstore и распаковывает его в папку игры.</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
        <translation>Скачивает BepInExPack для Valheim от denikson с Thunderstore и распаковывает его рядом с %1.</translation>
    </message>
    <message>
        <source>Reinstall / Update</source>
        <translation>Переустановить / Обновить</translation>
    </message>
    <message>
        <source>Intel Macs already run the Intel build natively.</source>
        <translation>Mac на Intel и так запускают Intel-версию нативно.</translation>
    </message>
    <message>
        <source>The launch script starts the game&apos;s Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>Скрипт запуска стартует Intel-версию игры (x86_64), поэтому BepInEx загружается под Rosetta.</translation>
    </message>
    <message>
        <source>Valheim&apos;s Mac app is Universal and would run natively, where BepInEx can&apos;t load — the fix makes the launch script start its Intel build.</source>
        <translation>Mac-приложение Valheim — Universal и запустилось бы нативно, где BepInEx не загрузится; исправление заставляет скрипт запуска стартовать Intel-версию.</translation>
    </message>
    <message>
        <source>Install BepInEx first — this changes how its launch script starts the game.</source>
        <translation>Сначала установите BepInEx — это меняет то, как его скрипт запуска стартует игру.</translation>
    </message>
    <message>
        <source># added to %1</source>
        <translation># добавлено в %1</translation>
    </message>
    <message>
        <source>Linux doesn&apos;t quarantine downloads.</source>
        <translation>Linux не помещает загрузки в карантин.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS&apos;s quarantine flag so Gatekeeper doesn&apos;t block the injector.</source>
        <translation>После установки BepInEx это снимет отметку карантина macOS, чтобы Gatekeeper не блокировал инжектор.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</source>
        <translation>
            <numerusform>%n файл помещён в карантин, так как был скачан. Кнопка выполнит за вас команду Терминала ниже.</numerusform>
            <numerusform>%n файла помещены в карантин, так как были скачаны. Кнопка выполнит за вас команду Терминала ниже.</numerusform>
            <numerusform>%n файлов помещены в карантин, так как были скачаны. Кнопка выполнит за вас команду Терминала ниже.</numerusform>
        </translation>
    </message>
    <message>
        <source>No quarantine flags on the modding files — Gatekeeper won&apos;t interfere.</source>
        <translation>На файлах модов нет отметок карантина — Gatekeeper не помешает.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Найдено в ваших настройках Steam — Valheim запускается через BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx&apos;s script.</source>
        <translation>Единственный ручной шаг: Steam должен запускать игру через скрипт BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Запуск с модами подтверждён — BepInEx в последний раз записал журнал %1.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s last log comes from the Windows build under Proton, not the native game.</source>
        <translation>Последний журнал BepInEx — от Windows-версии под Proton, а не от нативной игры.</translation>
    </message>
    <message>
        <source>Start the game once. When BepInEx loads, it writes BepInEx/LogOutput.log — that file is the proof.</source>
        <translation>Запустите игру один раз. Когда BepInEx загрузится, он запишет BepInEx/LogOutput.log — этот файл и есть доказательство.</translation>
    </message>
    <message>
        <source>Tip: if a game update breaks mods, re-run steps 3–5.</source>
        <translation>Совет: если обновление игры сломало моды, повторите шаги 3–5.</translation>
    </message>
</context>
<context>
    <name>TSPackage</name>
    <message>
        <source>%1 has no version %2; the newest are %3.</source>
        <translation>У %1 нет версии %2; самые новые: %3.</translation>
    </message>
</context>
<context>
    <name>TSSorts</name>
    <message>
        <source>Popular</source>
        <translation>Популярные</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Новые</translation>
    </message>
    <message>
        <source>Top Rated</source>
        <translation>Лучшие</translation>
    </message>
    <message>
        <source>A–Z</source>
        <translation>А–Я</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Установленные</translation>
    </message>
</context>
<context>
    <name>ThunderstoreStore</name>
    <message>
        <source>Loading the Thunderstore catalog…</source>
        <translation>Загрузка каталога Thunderstore…</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Обновлено только что</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n min ago</source>
        <translation>
            <numerusform>Обновлено %n мин назад</numerusform>
            <numerusform>Обновлено %n мин назад</numerusform>
            <numerusform>Обновлено %n мин назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n h ago</source>
        <translation>
            <numerusform>Обновлено %n ч назад</numerusform>
            <numerusform>Обновлено %n ч назад</numerusform>
            <numerusform>Обновлено %n ч назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n days ago</source>
        <translation>
            <numerusform>Обновлено %n день назад</numerusform>
            <numerusform>Обновлено %n дня назад</numerusform>
            <numerusform>Обновлено %n дней назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods (%2)</source>
        <translation>
            <numerusform>%1 · %Ln мод (%2)</numerusform>
            <numerusform>%1 · %Ln мода (%2)</numerusform>
            <numerusform>%1 · %Ln модов (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods</source>
        <translation>
            <numerusform>%1 · %Ln мод</numerusform>
            <numerusform>%1 · %Ln мода</numerusform>
            <numerusform>%1 · %Ln модов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the catalog: %1</source>
        <translation>Не удалось загрузить каталог: %1</translation>
    </message>
</context>
<context>
    <name>UpdatesSheet</name>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n обновление</numerusform>
            <numerusform>%n обновления</numerusform>
            <numerusform>%n обновлений</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message numerus="yes">
        <source>Update %n mods</source>
        <translation>
            <numerusform>Обновить %n мод</numerusform>
            <numerusform>Обновить %n мода</numerusform>
            <numerusform>Обновить %n модов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionPickerSheet</name>
    <message>
        <source>Install Version</source>
        <translation>Установить версию</translation>
    </message>
    <message>
        <source>Install a version of %1</source>
        <translation>Установить версию %1</translation>
    </message>
    <message>
        <source>Don&apos;t offer updates for %1</source>
        <translation>Не предлагать обновления для %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
</TS>
