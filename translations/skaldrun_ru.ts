<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
