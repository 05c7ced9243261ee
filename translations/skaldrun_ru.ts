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
        <source>Copying %1 into a new profile…</source>
        <translation>Копирование %1 в новый профиль…</translation>
    </message>
    <message>
        <source>Creating profile %1…</source>
        <translation>Создание профиля %1…</translation>
    </message>
    <message>
        <source>Created profile %1</source>
        <translation>Профиль %1 создан</translation>
    </message>
    <message>
        <source>Renaming profile %1…</source>
        <translation>Переименование профиля %1…</translation>
    </message>
    <message>
        <source>Renamed profile %1 to %2</source>
        <translation>Профиль %1 переименован в %2</translation>
    </message>
    <message>
        <source>Moving profile %1 to the Trash…</source>
        <translation>Перемещение профиля %1 в Корзину…</translation>
    </message>
    <message>
        <source>Moved profile %1 to Trash</source>
        <translation>Профиль %1 перемещён в Корзину</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Сначала закройте Valheim — смена профиля во время игры заберёт у неё моды прямо на ходу.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Переключение на профиль %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Выбран профиль %1</translation>
    </message>
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
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>Уже выполняется другое действие («%1»); откройте профиль снова, когда оно завершится.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Чтение %1…</translation>
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
    <name>Catalog</name>
    <message>
        <source>The catalog is empty.</source>
        <translation>Каталог пуст.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a package: write Owner-Name or Owner-Name-1.2.3.</source>
        <translation>«%1» — не пакет: напишите Owner-Name или Owner-Name-1.2.3.</translation>
    </message>
    <message>
        <source>The catalog has no package “%1”.</source>
        <translation>В каталоге нет пакета «%1».</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Другое изменение этой папки игры ещё не завершено.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the game folder.</source>
        <translation>%1 находится не в папке игры.</translation>
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
        <translation>Настраивает Valheim с BepInEx и управляет его модами из терминала или скрипта
через ту же модель, что и окно Skaldrun.

Команды:
  status                        семь шагов настройки, выполненные или нет, и число модов
  list                          установленные моды: версия, репозиторий, включён, обновление, недостающие зависимости
  search QUERY                  оба репозитория, сначала самые популярные (или --sort newest|rating|name)
  install PACKAGE...            Owner-Name или Owner-Name-1.2.3 для этой версии, с зависимостями;
                                набор BepInEx устанавливает загрузчик модов (и в папке сервера)
  update [--all | NAME...]      каждый мод с более новой версией в каталоге или названные, сохраняя их
                                переключатель и файлы настроек (закреплённые на версии моды не трогаются)
  enable NAME...                включает моды
  disable NAME...               выключает моды, оставляя их установленными
  remove NAME...                перемещает моды в Корзину (--delete: удаляет насовсем)
  config list MOD               настройки мода в виде ФАЙЛ: Раздел.Ключ = значение
  config get FILE KEY           одна настройка (KEY — это Раздел.Ключ или ключ, который есть только в одном разделе)
  config set FILE KEY VALUE     меняет одну настройку с той же проверкой, что и в редакторе окна
  saves backup                  создаёт резервную копию миров и персонажей
  saves restore                 восстанавливает их из последней резервной копии
  profile list                  профили (наборы модов) папки игры, активный отмечен
  profile new NAME              новый пустой профиль (--copy: копия активного)
  profile switch NAME           делает NAME активным профилем
  profile export [--file F.r2z | --code]  моды и их настройки в виде файла .r2z или кода профиля
  profile import CODE|FILE [--name N | --replace]
                                профиль r2modman или Gale от друга, как новый профиль или в этот
  doctor                        последний запуск: что загрузилось, что нет и почему (и в папке сервера);
                                код выхода 1, если какой-то мод не загрузился

Ход работы выводится в stderr, результаты — в stdout. Код выхода: 0 готово, 1 ошибка (причина
в stderr), 2 неверный вызов (с этим текстом).</translation>
    </message>
    <message>
        <source>The Valheim folder: a Mac or Linux client&apos;s, or a dedicated server&apos;s (default: the one found before).</source>
        <translation>Папка Valheim: игры на Mac или Linux либо выделенного сервера (по умолчанию — найденная ранее).</translation>
    </message>
    <message>
        <source>status, list, search, doctor: JSON on stdout.</source>
        <translation>status, list, search, doctor: JSON в stdout.</translation>
    </message>
    <message>
        <source>search: popular, newest, rating or name.</source>
        <translation>search: popular, newest, rating или name.</translation>
    </message>
    <message>
        <source>update: every mod (the default).</source>
        <translation>update: все моды (по умолчанию).</translation>
    </message>
    <message>
        <source>update: list what would change.</source>
        <translation>update: показать, что изменится.</translation>
    </message>
    <message>
        <source>remove: delete for good, not to the Trash.</source>
        <translation>remove: удалить насовсем, а не в Корзину.</translation>
    </message>
    <message>
        <source>profile new: start from a copy of the active profile.</source>
        <translation>profile new: начать с копии активного профиля.</translation>
    </message>
    <message>
        <source>profile export: the .r2z to write.</source>
        <translation>profile export: файл .r2z для записи.</translation>
    </message>
    <message>
        <source>profile export: a profile code.</source>
        <translation>profile export: код профиля.</translation>
    </message>
    <message>
        <source>profile import: into this profile, replacing its mods.</source>
        <translation>profile import: в этот профиль, заменив его моды.</translation>
    </message>
    <message>
        <source>profile import: the new profile&apos;s name (the pack&apos;s own by default).</source>
        <translation>profile import: имя нового профиля (по умолчанию — имя набора).</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Одна из команд выше.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Укажите команду.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a Valheim folder: it holds neither the game nor a dedicated server.</source>
        <translation>%1 — не папка Valheim: в ней нет ни игры, ни выделенного сервера.</translation>
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
    <name>Commands</name>
    <message>
        <source>No installed mod is called “%1”.</source>
        <translation>Нет установленного мода с именем «%1».</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Папка игры: %1</translation>
    </message>
    <message>
        <source>Game folder: not found</source>
        <translation>Папка игры: не найдена</translation>
    </message>
    <message>
        <source>This is Valheim&apos;s Windows build (valheim.exe), which Steam runs through Proton; for BepInEx to load, set its launch options to: %1</source>
        <translation>Это Windows-версия Valheim (valheim.exe), которую Steam запускает через Proton; чтобы BepInEx загрузился, задайте ей параметры запуска: %1</translation>
    </message>
    <message>
        <source>[n/a ] %1 (not needed)</source>
        <translation>[n/a ] %1 (не нужно)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of 7 steps done · %n mods, %2 enabled</source>
        <translation>
            <numerusform>Выполнено шагов: %1 из 7 · %n мод, включено: %2</numerusform>
            <numerusform>Выполнено шагов: %1 из 7 · %n мода, включено: %2</numerusform>
            <numerusform>Выполнено шагов: %1 из 7 · %n модов, включено: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Updates and dependencies aren&apos;t shown.</source>
        <translation>%1 Обновления и зависимости не показаны.</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (выключен)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>update: %1</source>
        <translation>обновление: %1</translation>
    </message>
    <message>
        <source>no updates offered</source>
        <translation>обновления не предлагаются</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>не хватает: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 · %3 · %n downloads · %4</source>
        <translation>
            <numerusform>%1 %2 · %3 · %n загрузка · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n загрузки · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n загрузок · %4</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the catalog.</source>
        <translation>%1 нет в каталоге.</translation>
    </message>
    <message>
        <source>%1 is kept at its version; no updates are offered.</source>
        <translation>%1 закреплён на своей версии; обновления не предлагаются.</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 в актуальной версии.</translation>
    </message>
    <message>
        <source>Nothing to update.</source>
        <translation>Обновлять нечего.</translation>
    </message>
    <message>
        <source>%1 has no setting “%2”.</source>
        <translation>В %1 нет настройки «%2».</translation>
    </message>
    <message>
        <source>%1 has “%2” in several sections; write Section.Key, e.g. %3.%2.</source>
        <translation>В %1 «%2» есть в нескольких разделах; напишите Раздел.Ключ, например %3.%2.</translation>
    </message>
    <message>
        <source>There is no config file “%1” in %2.</source>
        <translation>В %2 нет файла настроек «%1».</translation>
    </message>
    <message>
        <source>%1.%2 = %3 in %4</source>
        <translation>%1.%2 = %3 в %4</translation>
    </message>
    <message>
        <source>There is no save backup to restore.</source>
        <translation>Нет резервной копии для восстановления.</translation>
    </message>
    <message>
        <source>“--file”, “--code”, “--name” and “--replace” belong to profile export and import.</source>
        <translation>«--file», «--code», «--name» и «--replace» относятся к profile export и import.</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>Неизвестная команда «%1».</translation>
    </message>
    <message>
        <source>Wrong number of words after “%1”.</source>
        <translation>Неверное число слов после «%1».</translation>
    </message>
    <message>
        <source>“--%1” means nothing to “%2”.</source>
        <translation>«--%1» ничего не значит для «%2».</translation>
    </message>
    <message>
        <source>Sort by popular, newest, rating or name, not “%1”.</source>
        <translation>Сортируйте по popular, newest, rating или name, а не «%1».</translation>
    </message>
    <message>
        <source>Give “--all” or mod names, not both.</source>
        <translation>Укажите «--all» или имена модов, но не то и другое.</translation>
    </message>
    <message>
        <source>Write config list MOD, config get FILE KEY or config set FILE KEY VALUE.</source>
        <translation>Напишите config list MOD, config get FILE KEY или config set FILE KEY VALUE.</translation>
    </message>
    <message>
        <source>Write saves backup or saves restore.</source>
        <translation>Напишите saves backup или saves restore.</translation>
    </message>
    <message>
        <source>%1 Give --delete to delete it for good instead.</source>
        <translation>%1 Добавьте --delete, чтобы удалить его насовсем.</translation>
    </message>
    <message>
        <source>Last launch: %1</source>
        <translation>Последний запуск: %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>набор %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>сервер %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Журнал: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>примечание: %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n раз)</numerusform>
            <numerusform>[%1] %2 (%n раза)</numerusform>
            <numerusform>[%1] %2 (%n раз)</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every mod loaded in the last launch.</source>
        <translation>При последнем запуске загрузились не все моды.</translation>
    </message>
    <message>
        <source>There is no log of a launch with mods.</source>
        <translation>Нет журнала запуска с модами.</translation>
    </message>
    <message>
        <source>Write profile list, profile new NAME [--copy] or profile switch NAME.</source>
        <translation>Напишите profile list, profile new NAME [--copy] или profile switch NAME.</translation>
    </message>
    <message>
        <source>“--copy” means something only to “profile new”.</source>
        <translation>«--copy» имеет смысл только для «profile new».</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1 (активный)</translation>
    </message>
</context>
<context>
    <name>ConfigEditorSheet</name>
    <message>
        <source>Search settings</source>
        <translation>Поиск настроек</translation>
    </message>
    <message>
        <source>Revert to Original</source>
        <translation>Вернуть исходные</translation>
    </message>
    <message>
        <source>Restore the config as it was before any edits made here</source>
        <translation>Вернуть настройки к виду до любых правок, сделанных здесь</translation>
    </message>
    <message>
        <source>Changes apply the next time Valheim starts.</source>
        <translation>Изменения вступят в силу при следующем запуске Valheim.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>No config file found.</source>
        <translation>Файл настроек не найден.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Revert to original settings?</source>
        <translation>Вернуть исходные настройки?</translation>
    </message>
    <message>
        <source>This restores %1 to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>%1 будет восстановлен из копии, сохранённой, когда вы впервые открыли его здесь. Ваши изменённые значения будут потеряны.</translation>
    </message>
    <message>
        <source>This restores the file to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Файл будет восстановлен из копии, сохранённой, когда вы впервые открыли его здесь. Ваши изменённые значения будут потеряны.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Вернуть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Couldn&apos;t save</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <source>No settings found in this file.</source>
        <translation>В этом файле нет настроек.</translation>
    </message>
    <message>
        <source>No settings match “%1”.</source>
        <translation>Нет настроек, подходящих под «%1».</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
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
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file that doesn&apos;t exist.</source>
        <translation>Не удалось сохранить «%1»: это ссылка на несуществующий файл.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file outside the game folder.</source>
        <translation>Не удалось сохранить «%1»: это ссылка на файл вне папки игры.</translation>
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
    <name>FolderLock</name>
    <message>
        <source>Another program (process %1) is changing this game folder; try again when it has finished.</source>
        <translation>Другая программа (процесс %1) изменяет эту папку игры; попробуйте снова, когда она закончит.</translation>
    </message>
    <message>
        <source>%1 (process %2) is changing this game folder; try again when it has finished.</source>
        <translation>%1 (процесс %2) изменяет эту папку игры; попробуйте снова, когда он закончит.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the game folder for changes (%1).</source>
        <translation>Не удалось заблокировать папку игры для изменений (%1).</translation>
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
    <name>Fs</name>
    <message>
        <source>Couldn&apos;t read “%1”: %2.</source>
        <translation>Не удалось прочитать «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write “%1”: %2.</source>
        <translation>Не удалось записать «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2.</source>
        <translation>Не удалось создать «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”: %2.</source>
        <translation>Не удалось создать папку «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a folder in “%1”: %2.</source>
        <translation>Не удалось создать папку в «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the folder “%1”: %2.</source>
        <translation>Не удалось прочитать папку «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: %2.</source>
        <translation>Не удалось скопировать «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: %2.</source>
        <translation>Не удалось переместить «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove “%1”: %2.</source>
        <translation>Не удалось удалить «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read “%1”: it isn&apos;t UTF-8 text.</source>
        <translation>Не удалось прочитать «%1»: это не текст в UTF-8.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: “%2” already exists.</source>
        <translation>Не удалось переместить «%1»: «%2» уже существует.</translation>
    </message>
</context>
<context>
    <name>GameUpdateBanner</name>
    <message>
        <source>Back Up Saves</source>
        <translation>Создать резервную копию</translation>
    </message>
    <message>
        <source>Switch Them Off</source>
        <translation>Выключить их</translation>
    </message>
    <message>
        <source>Back up your saves before you play on.</source>
        <translation>Сделайте резервную копию миров и персонажей, прежде чем играть дальше.</translation>
    </message>
    <message numerus="yes">
        <source>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</source>
        <translation>
            <numerusform>%n мод не загрузился после обновления. Сначала сделайте резервную копию; затем обновите его или выключите, пока автор не обновит мод.</numerusform>
            <numerusform>%n мода не загрузились после обновления. Сначала сделайте резервную копию; затем обновите их или выключите, пока авторы не обновят моды.</numerusform>
            <numerusform>%n модов не загрузились после обновления. Сначала сделайте резервную копию; затем обновите их или выключите, пока авторы не обновят моды.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n Mods</source>
        <translation>
            <numerusform>Обновить %n мод</numerusform>
            <numerusform>Обновить %n мода</numerusform>
            <numerusform>Обновить %n модов</numerusform>
        </translation>
    </message>
    <message>
        <source>Update BepInEx to %1</source>
        <translation>Обновить BepInEx до %1</translation>
    </message>
</context>
<context>
    <name>Http</name>
    <message>
        <source>The server stopped answering (timed out)</source>
        <translation>Сервер перестал отвечать (время ожидания истекло)</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>Сервер отклонил подключение</translation>
    </message>
    <message>
        <source>The server&apos;s address couldn&apos;t be found</source>
        <translation>Не удалось найти адрес сервера</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>Сервер закрыл соединение</translation>
    </message>
    <message>
        <source>The server sent us round in circles (too many redirects)</source>
        <translation>Сервер гонял нас по кругу (слишком много перенаправлений)</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made</source>
        <translation>Не удалось установить защищённое соединение с сервером</translation>
    </message>
    <message>
        <source>The Internet connection appears to be offline</source>
        <translation>Похоже, нет подключения к Интернету</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Загрузка отменена</translation>
    </message>
    <message>
        <source>The server sent more than %1 MB, far more than expected</source>
        <translation>Сервер прислал больше %1 МБ — гораздо больше ожидаемого</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved to disk</source>
        <translation>Не удалось сохранить загрузку на диск</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2</source>
        <translation>Не удалось создать «%1»: %2</translation>
    </message>
    <message>
        <source>The server answered with an error (HTTP %1)</source>
        <translation>Сервер ответил ошибкой (HTTP %1)</translation>
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
    <name>InstallError</name>
    <message>
        <source>%1 isn&apos;t something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 нельзя установить — перетащите .zip с модом, плагин .dll, файл .cfg или папку мода.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: %1</source>
        <translation>Не удалось распаковать архив: %1</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t seem to contain any mod files.</source>
        <translation>Похоже, в %1 нет файлов мода.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any Valheim worlds or characters in %1.</source>
        <translation>В %1 не найдено ни миров, ни персонажей Valheim.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn&apos;t a ZIP archive</source>
        <translation>архив повреждён или не является ZIP-архивом</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: у записи «%1» абсолютный путь, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” points outside the archive&apos;s folder, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: запись «%1» указывает за пределы папки архива, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: у записи «%1» недопустимое имя, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: в распакованном виде он занимает больше %1 — гораздо больше, чем нужно любому моду, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: в нём больше %1 файлов — гораздо больше, чем нужно любому моду, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: у одной из записей нет имени, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: запись «%1» — символическая ссылка, которая не нужна ни одному моду, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: запись «%1» — жёсткая ссылка, которая не нужна ни одному моду, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” isn&apos;t a file or a folder, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: запись «%1» не является ни файлом, ни папкой, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be written (%2), so nothing was installed.</source>
        <translation>Не удалось распаковать архив: не удалось записать запись «%1» (%2), поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be read (%2), so nothing was installed.</source>
        <translation>Не удалось распаковать архив: не удалось прочитать запись «%1» (%2), поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it overlaps “%2”.</source>
        <translation>Не удалось скопировать «%1»: он пересекается с «%2».</translation>
    </message>
    <message>
        <source>BepInEx is already set up in the game folder; kept it as it is</source>
        <translation>BepInEx уже установлен в папке игры; оставлен как есть</translation>
    </message>
    <message>
        <source>BepInEx %1 installed into the game folder</source>
        <translation>BepInEx %1 установлен в папку игры</translation>
    </message>
    <message>
        <source>BepInEx installed into the game folder</source>
        <translation>BepInEx установлен в папку игры</translation>
    </message>
    <message>
        <source>Merged %1 into BepInEx</source>
        <translation>%1 объединён с BepInEx</translation>
    </message>
    <message>
        <source>Couldn&apos;t install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
        <translation>Не удалось установить «%1»: ни его манифест, ни имя файла не дают подходящего имени папки.</translation>
    </message>
    <message>
        <source>Installed %1 (data/config files only — no plugin DLL)</source>
        <translation>%1 установлен (только файлы данных и настроек — без DLL плагина)</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 установлен</translation>
    </message>
    <message>
        <source>Copied %1 into BepInEx/config</source>
        <translation>%1 скопирован в BepInEx/config</translation>
    </message>
    <message>
        <source>%1 holds the game folder&apos;s own files, so it can&apos;t be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 содержит собственные файлы папки игры, поэтому его нельзя в них установить — перетащите .zip с модом, плагин .dll, файл .cfg или папку мода.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: “%2” lies inside it.</source>
        <translation>Не удалось скопировать «%1»: внутри него находится «%2».</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it is a symbolic link.</source>
        <translation>Не удалось скопировать «%1»: это символическая ссылка.</translation>
    </message>
</context>
<context>
    <name>LaunchFixes</name>
    <message>
        <source>Update to %1</source>
        <translation>Обновить до %1</translation>
    </message>
    <message>
        <source>Go Back to %1</source>
        <translation>Вернуть %1</translation>
    </message>
    <message>
        <source>Switch On %1</source>
        <translation>Включить %1</translation>
    </message>
    <message>
        <source>Update %1 %2</source>
        <translation>Обновить %1 %2</translation>
    </message>
    <message>
        <source>Install %1 %2</source>
        <translation>Установить %1 %2</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Выключить</translation>
    </message>
</context>
<context>
    <name>LaunchLine</name>
    <message>
        <source>Details</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Last launch %1 · %2</source>
        <translation>Последний запуск %1 · %2</translation>
    </message>
    <message>
        <source>Last launch · %1</source>
        <translation>Последний запуск · %1</translation>
    </message>
</context>
<context>
    <name>LaunchSheet</name>
    <message>
        <source>Last launch</source>
        <translation>Последний запуск</translation>
    </message>
    <message>
        <source>Copy for Discord</source>
        <translation>Копировать для Discord</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>сервер %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n раз)</numerusform>
            <numerusform>[%1] %2 (%n раза)</numerusform>
            <numerusform>[%1] %2 (%n раз)</numerusform>
        </translation>
    </message>
    <message>
        <source>What the mods wrote themselves:
%1</source>
        <translation>Что написали сами моды:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>%1, which isn&apos;t installed</source>
        <translation>%1, который не установлен</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, который выключен</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn&apos;t installed</source>
        <translation>%1 %2 или новее, который не установлен</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which is switched off</source>
        <translation>%1 %2 или новее, который выключен</translation>
    </message>
    <message>
        <source>%1 %2 or newer, you have %3</source>
        <translation>%1 %2 или новее, у вас %3</translation>
    </message>
    <message>
        <source>%1 %2 or newer</source>
        <translation>%1 %2 или новее</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n раз)</numerusform>
            <numerusform>%1 (%n раза)</numerusform>
            <numerusform>%1 (%n раз)</numerusform>
        </translation>
    </message>
    <message>
        <source>the server needs %1 %2, it has %3</source>
        <translation>серверу нужен %1 %2, у него %3</translation>
    </message>
    <message>
        <source>the client needs %1 %2, it has %3</source>
        <translation>клиенту нужен %1 %2, у него %3</translation>
    </message>
    <message>
        <source>the server lacks %1</source>
        <translation>на сервере нет %1</translation>
    </message>
    <message>
        <source>the client lacks %1</source>
        <translation>в клиенте нет %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>The server runs another version of Valheim</source>
        <translation>На сервере другая версия Valheim</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the server</source>
        <translation>Не удалось подключиться к серверу</translation>
    </message>
    <message>
        <source>The server refused the password</source>
        <translation>Сервер отклонил пароль</translation>
    </message>
    <message>
        <source>The server has banned this player</source>
        <translation>Сервер забанил этого игрока</translation>
    </message>
    <message>
        <source>The server is full</source>
        <translation>Сервер заполнен</translation>
    </message>
    <message>
        <source>Lost the connection to the server (%1)</source>
        <translation>Соединение с сервером потеряно (%1)</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; и %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it needs %2</source>
        <translation>%1 не загрузился: ему нужен %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it can&apos;t run beside %2</source>
        <translation>%1 не загрузился: он не может работать вместе с %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: a mod it needs didn&apos;t load</source>
        <translation>%1 не загрузился: не загрузился нужный ему мод</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load, and BepInEx gave no reason</source>
        <translation>%1 не загрузился, и BepInEx не указал причину</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: %2</source>
        <translation>%1 не загрузился: %2</translation>
    </message>
    <message>
        <source>%1 is installed twice; BepInEx loaded one copy</source>
        <translation>%1 установлен дважды; BepInEx загрузил одну копию</translation>
    </message>
    <message>
        <source>%1 was skipped: %2 is installed too</source>
        <translation>%1 пропущен: %2 тоже установлен</translation>
    </message>
    <message>
        <source>%1 was made for BepInEx %2 and might not work until it&apos;s updated</source>
        <translation>%1 сделан для BepInEx %2 и может не работать, пока его не обновят</translation>
    </message>
    <message>
        <source>A mod couldn&apos;t patch the game, and its error names no mod</source>
        <translation>Какой-то мод не смог пропатчить игру, и в ошибке не указан ни один мод</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t patch the game — it may need an update for this Valheim</source>
        <translation>%1 не смог пропатчить игру — возможно, ему нужно обновление для этой версии Valheim</translation>
    </message>
    <message>
        <source>%1 failed to start (%2)</source>
        <translation>%1 не смог запуститься (%2)</translation>
    </message>
    <message>
        <source>%1 failed to start (an error)</source>
        <translation>%1 не смог запуститься (ошибка)</translation>
    </message>
    <message>
        <source>Something failed (%1), and no mod is named in it</source>
        <translation>Что-то пошло не так (%1), и ни один мод не указан</translation>
    </message>
    <message>
        <source>Something failed (an error), and no mod is named in it</source>
        <translation>Что-то пошло не так (ошибка), и ни один мод не указан</translation>
    </message>
    <message>
        <source>Something failed (%1) in %2, which no one mod stands for</source>
        <translation>Что-то пошло не так (%1) в %2, и это не относится к какому-то одному моду</translation>
    </message>
    <message>
        <source>Something failed (an error) in %1, which no one mod stands for</source>
        <translation>Что-то пошло не так (ошибка) в %1, и это не относится к какому-то одному моду</translation>
    </message>
    <message>
        <source>%1 ran into %2</source>
        <translation>%1 столкнулся с %2</translation>
    </message>
    <message>
        <source>%1 ran into an error</source>
        <translation>%1 столкнулся с ошибкой</translation>
    </message>
    <message>
        <source>the game&apos;s versions differ (%1)</source>
        <translation>версии игры различаются (%1)</translation>
    </message>
    <message>
        <source>A connection was refused: the versions differ</source>
        <translation>Подключение отклонено: версии различаются</translation>
    </message>
    <message>
        <source>A connection was refused: %1</source>
        <translation>Подключение отклонено: %1</translation>
    </message>
    <message>
        <source>Jotunn&apos;s version check turned a connection away</source>
        <translation>Проверка версий Jotunn отклонила подключение</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the server: %2</source>
        <translation>Моды должны быть %1 на сервере: %2</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the client: %2</source>
        <translation>Моды должны быть %1 на клиенте: %2</translation>
    </message>
    <message>
        <source>A connection was closed</source>
        <translation>Подключение закрыто</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>Загружено %1 из %n мода, Valheim %2</numerusform>
            <numerusform>Загружено %1 из %n модов, Valheim %2</numerusform>
            <numerusform>Загружено %1 из %n модов, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded</source>
        <translation>
            <numerusform>Загружено %1 из %n мода</numerusform>
            <numerusform>Загружено %1 из %n модов</numerusform>
            <numerusform>Загружено %1 из %n модов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>BepInEx остановился, не завершив загрузку: загружено %1 из %n мода, Valheim %2</numerusform>
            <numerusform>BepInEx остановился, не завершив загрузку: загружено %1 из %n модов, Valheim %2</numerusform>
            <numerusform>BepInEx остановился, не завершив загрузку: загружено %1 из %n модов, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded</source>
        <translation>
            <numerusform>BepInEx остановился, не завершив загрузку: загружено %1 из %n мода</numerusform>
            <numerusform>BepInEx остановился, не завершив загрузку: загружено %1 из %n модов</numerusform>
            <numerusform>BepInEx остановился, не завершив загрузку: загружено %1 из %n модов</numerusform>
        </translation>
    </message>
    <message>
        <source>BepInEx isn&apos;t installed in the game folder, so nothing wrote a log.</source>
        <translation>BepInEx не установлен в папке игры, поэтому журнал никто не записал.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam запускает Windows-версию через Proton, а он загружает BepInEx только с такими параметрами запуска: %1</translation>
    </message>
    <message>
        <source>%1 isn&apos;t executable, so Steam couldn&apos;t start the game through it.</source>
        <translation>%1 не является исполняемым, поэтому Steam не смог запустить через него игру.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam&apos;s runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 слишком стар для среды выполнения Steam, поэтому не может загрузить BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>Инжектор BepInEx работает только на Intel: на Apple Silicon игру нужно запускать через Rosetta 2 (шаг 4).</translation>
    </message>
    <message>
        <source>Steam&apos;s launch options for Valheim don&apos;t name %1, so the game started without mods.</source>
        <translation>В параметрах запуска Valheim в Steam не указан %1, поэтому игра запустилась без модов.</translation>
    </message>
    <message>
        <source>The server hasn&apos;t been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>С момента установки BepInEx сервер не запускался через %1, поэтому журнал никто не записал.</translation>
    </message>
    <message>
        <source>Valheim hasn&apos;t been launched with mods yet.</source>
        <translation>Valheim ещё не запускался с модами.</translation>
    </message>
    <message>
        <source>Valheim started, but BepInEx wrote no log — Steam may have started it without its launch options.</source>
        <translation>Valheim запустился, но BepInEx не записал журнал — возможно, Steam запустил игру без её параметров запуска.</translation>
    </message>
    <message>
        <source>Valheim updated from %1 to %2</source>
        <translation>Valheim обновился с %1 до %2</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>пакет %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>сервер %1</translation>
    </message>
    <message>
        <source>**Last launch:** %1</source>
        <translation>**Последний запуск:** %1</translation>
    </message>
    <message numerus="yes">
        <source>- …and %n more</source>
        <translation>
            <numerusform>- …и ещё %n</numerusform>
            <numerusform>- …и ещё %n</numerusform>
            <numerusform>- …и ещё %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocalConfig</name>
    <message>
        <source>a text runs to the end of the file</source>
        <translation>текст тянется до конца файла</translation>
    </message>
    <message>
        <source>Steam&apos;s settings in “%1” aren&apos;t laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>Настройки Steam в «%1» устроены не так, как ожидалось (%2), поэтому Skaldrun оставил их как есть. Вставьте параметры запуска в Steam сами.</translation>
    </message>
    <message>
        <source>a block isn&apos;t closed</source>
        <translation>блок не закрыт</translation>
    </message>
    <message>
        <source>a brace closes nothing</source>
        <translation>фигурная скобка ничего не закрывает</translation>
    </message>
    <message>
        <source>a block has no name</source>
        <translation>у блока нет имени</translation>
    </message>
    <message>
        <source>a name has no value</source>
        <translation>у имени нет значения</translation>
    </message>
    <message>
        <source>it holds no UserLocalConfigStore</source>
        <translation>в нём нет UserLocalConfigStore</translation>
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
    <name>ModsPane</name>
    <message numerus="yes">
        <source>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</source>
        <translation>
            <numerusform>%n мод убран из папки плагинов. Верните его, когда запишете кеш.</numerusform>
            <numerusform>%n мода убраны из папки плагинов. Верните их, когда запишете кеш.</numerusform>
            <numerusform>%n модов убраны из папки плагинов. Верните их, когда запишете кеш.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your game folder…</source>
        <translation>Читаем папку игры…</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Установленные</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Open BepInEx/plugins in Finder</source>
        <translation>Открыть BepInEx/plugins в Finder</translation>
    </message>
    <message>
        <source>Open the Plugins Folder</source>
        <translation>Открыть папку плагинов</translation>
    </message>
    <message>
        <source>Shader-cache capture in progress</source>
        <translation>Идёт запись кеша шейдеров</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Вернуть моды</translation>
    </message>
    <message>
        <source>No mod loader yet</source>
        <translation>Загрузчика модов пока нет</translation>
    </message>
    <message>
        <source>Work through the setup steps on the left. Once BepInEx is installed, your mods show up here.</source>
        <translation>Пройдите шаги настройки слева. Когда BepInEx будет установлен, ваши моды появятся здесь.</translation>
    </message>
    <message>
        <source>No mods installed</source>
        <translation>Моды не установлены</translation>
    </message>
    <message>
        <source>Switch to Browse to search Thunderstore, or drop a mod .zip below.</source>
        <translation>Перейдите в «Обзор», чтобы искать в Thunderstore, или перетащите .zip мода вниз.</translation>
    </message>
    <message>
        <source>donate</source>
        <translation>поддержать</translation>
    </message>
    <message>
        <source>Support Skaldrun&apos;s development</source>
        <translation>Поддержите разработку Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n enabled</source>
        <translation>
            <numerusform>Включено: %1 из %n</numerusform>
            <numerusform>Включено: %1 из %n</numerusform>
            <numerusform>Включено: %1 из %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n обновление</numerusform>
            <numerusform>%n обновления</numerusform>
            <numerusform>%n обновлений</numerusform>
        </translation>
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
    <name>Pipeline</name>
    <message>
        <source>no download URL</source>
        <translation>нет адреса для загрузки</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore&apos;s nor Hexium&apos;s</source>
        <translation>загрузка с %1 отклонена: это не Thunderstore и не Hexium</translation>
    </message>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Загрузка %1 (%2 из %3)…</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Перезагрузите каталог на вкладке «Обзор» и попробуйте снова.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 установлен</translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>%1 установлен с %n зависимостью (%2)</numerusform>
            <numerusform>%1 установлен с %n зависимостями (%2)</numerusform>
            <numerusform>%1 установлен с %n зависимостями (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Installed %1, but not %2</source>
        <translation>Установлено: %1, но не %2</translation>
    </message>
    <message>
        <source>Updates cancelled — nothing was changed</source>
        <translation>Обновления отменены — ничего не изменено</translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods; stopped before %2</source>
        <translation>
            <numerusform>Обновлено %1 из %n мода; остановлено перед %2</numerusform>
            <numerusform>Обновлено %1 из %n модов; остановлено перед %2</numerusform>
            <numerusform>Обновлено %1 из %n модов; остановлено перед %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods</source>
        <translation>
            <numerusform>Обновлено %1 из %n мода</numerusform>
            <numerusform>Обновлено %1 из %n модов</numerusform>
            <numerusform>Обновлено %1 из %n модов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not in the catalog (install manually): %1</source>
        <translation>Нет в каталоге (установите вручную): %1</translation>
    </message>
    <message>
        <source>needs %1, which didn&apos;t install</source>
        <translation>требует %1, который не установился</translation>
    </message>
    <message>
        <source>Updating %1 to %2 (%3 of %4)…</source>
        <translation>Обновление %1 до %2 (%3 из %4)…</translation>
    </message>
    <message>
        <source>Installing %1 (%2 of %3)…</source>
        <translation>Установка %1 (%2 из %3)…</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn&apos;t start %1</source>
        <translation>Не удалось запустить %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be started</source>
        <translation>%1 не удалось запустить</translation>
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
    <name>ProfilePack</name>
    <message>
        <source>%1 in that profile has no version of three numbers.</source>
        <translation>У %1 в этом профиле нет версии из трёх чисел.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” with an absolute path, so nothing was imported.</source>
        <translation>В этом профиле есть файл «%1» с абсолютным путём, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” that points outside its folder, so nothing was imported.</source>
        <translation>В этом профиле есть файл «%1», указывающий за пределы его папки, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) is far larger than any profile&apos;s, so nothing was imported.</source>
        <translation>Список модов этого профиля (export.r2x) намного больше, чем у любого профиля, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) isn&apos;t readable YAML.</source>
        <translation>Список модов этого профиля (export.r2x) — нечитаемый YAML.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) has no list of mods.</source>
        <translation>В списке модов этого профиля (export.r2x) нет перечня модов.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>В этом профиле слишком много модов.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn&apos;t a mod name of the form Owner-Name.</source>
        <translation>«%1» в этом профиле — не имя мода вида Автор-Название.</translation>
    </message>
    <message>
        <source>That profile isn&apos;t a readable .r2z (zip) archive.</source>
        <translation>Этот профиль — нечитаемый архив .r2z (zip).</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Этот профиль распаковывается в гораздо большее число файлов или байт, чем бывает в любом профиле, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn&apos;t a plain file, so nothing was imported.</source>
        <translation>В этом профиле есть запись «%1», которая не является обычным файлом, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>В этом профиле нет списка модов (export.r2x), поэтому импортировать нечего.</translation>
    </message>
    <message>
        <source>Couldn&apos;t build the profile archive.</source>
        <translation>Не удалось собрать архив профиля.</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code&apos;s content: it doesn&apos;t start with #r2modman.</source>
        <translation>Это не содержимое кода профиля: оно не начинается с #r2modman.</translation>
    </message>
    <message>
        <source>That profile code&apos;s content is damaged: it isn&apos;t valid base64.</source>
        <translation>Содержимое этого кода профиля повреждено: это не корректный base64.</translation>
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
    <name>Profiles</name>
    <message>
        <source>There is no profile called “%1”.</source>
        <translation>Профиля «%1» нет.</translation>
    </message>
    <message>
        <source>Some mods are still moved aside for the shader capture; bring them back first.</source>
        <translation>Некоторые моды всё ещё убраны на время записи шейдеров; сначала верните их.</translation>
    </message>
    <message>
        <source>The copy of %1 came out different from the original.</source>
        <translation>Копия %1 отличается от оригинала.</translation>
    </message>
    <message>
        <source>The record of an interrupted profile switch in %1 is damaged; nothing was moved.</source>
        <translation>Запись о прерванной смене профиля в %1 повреждена; ничего не перемещено.</translation>
    </message>
    <message>
        <source>%1 holds a folder named like the profile in use; move it away and try again.</source>
        <translation>В %1 есть папка с именем текущего профиля; переместите её и попробуйте снова.</translation>
    </message>
    <message>
        <source>Give the profile a name.</source>
        <translation>Дайте профилю имя.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start or end with a space.</source>
        <translation>Имя профиля не может начинаться или заканчиваться пробелом.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start with a dot.</source>
        <translation>Имя профиля не может начинаться с точки.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t contain “/”, “\”, “:” or control characters.</source>
        <translation>Имя профиля не может содержать «/», «\», «:» и управляющие символы.</translation>
    </message>
    <message>
        <source>A profile name can have at most %1 characters.</source>
        <translation>Имя профиля может быть не длиннее %1 символов.</translation>
    </message>
    <message>
        <source>There is already a profile called “%1”.</source>
        <translation>Профиль «%1» уже есть.</translation>
    </message>
    <message>
        <source>“%1” is the profile in use; switch to another one before deleting it.</source>
        <translation>«%1» — текущий профиль; переключитесь на другой, прежде чем удалять его.</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2</source>
        <translation>Не удалось переключиться на «%1»: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2 “%3” is still active.</source>
        <translation>Не удалось переключиться на «%1»: %2 «%3» остаётся активным.</translation>
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
    <name>Session</name>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library; name its folder with --game.</source>
        <translation>Valheim не найден ни в одной библиотеке Steam; укажите его папку через --game.</translation>
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
    <name>Share</name>
    <message>
        <source>Write profile export --file F.r2z or profile export --code.</source>
        <translation>Напишите profile export --file F.r2z или profile export --code.</translation>
    </message>
    <message>
        <source>Write profile import CODE or profile import FILE, with --name N for the new profile or --replace to import into this one.</source>
        <translation>Напишите profile import CODE или profile import FILE, с --name N для нового профиля или --replace, чтобы импортировать в этот.</translation>
    </message>
    <message>
        <source>“--replace” means nothing to an export.</source>
        <translation>«--replace» ничего не значит для экспорта.</translation>
    </message>
    <message>
        <source>“--name” names the new profile an import makes; it goes without “--replace”.</source>
        <translation>«--name» задаёт имя нового профиля при импорте; вместе с «--replace» не используется.</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Импортировать нечего.</translation>
    </message>
    <message>
        <source>%1 %2 (disabled)</source>
        <translation>%1 %2 (выключен)</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найден</translation>
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
    <name>Trash</name>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: it no longer exists.</source>
        <translation>Не удалось переместить «%1» в Корзину: его больше нет.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash refused it.</source>
        <translation>Не удалось переместить «%1» в Корзину: Корзина его не приняла.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash folder isn&apos;t available.</source>
        <translation>Не удалось переместить «%1» в Корзину: папка Корзины недоступна.</translation>
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
