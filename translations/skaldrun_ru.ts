<?xml version='1.0' encoding='utf-8'?>
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
        <translation>Сначала закройте Valheim — смена профиля во время игры отнимет у неё моды прямо на ходу.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Переключение на профиль %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Выбран профиль %1</translation>
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
        <source>Couldn't load the Thunderstore catalog.</source>
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
        <source>part %1 of its catalog didn't arrive (%2)</source>
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
        <source>The value of “%1” can't contain a line break.</source>
        <translation>Значение «%1» не может содержать перевод строки.</translation>
    </message>
    <message>
        <source>The value of “%1” can't end with “]”: the line would read as a section header.</source>
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
        <source>Launch Valheim vanilla — mods stay installed but don't load</source>
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
        <source>Very long, so shortened here; the rest is on the package's page.</source>
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
        <source>Edit this mod's settings</source>
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
        <source>Couldn't load the readme: %1</source>
        <translation>Не удалось загрузить описание: %1</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: %1</source>
        <translation>Не удалось загрузить список изменений: %1</translation>
    </message>
    <message>
        <source>Couldn't load the readme: the repository answered %1.</source>
        <translation>Не удалось загрузить описание: репозиторий ответил %1.</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: the repository answered %1.</source>
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
        <source>A profile name can't start or end with a space.</source>
        <translation>Имя профиля не может начинаться или заканчиваться пробелом.</translation>
    </message>
    <message>
        <source>A profile name can't start with a dot.</source>
        <translation>Имя профиля не может начинаться с точки.</translation>
    </message>
    <message>
        <source>A profile name can't contain “/”, “\”, “:” or control characters.</source>
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
        <source>Couldn't switch to “%1”: %2</source>
        <translation>Не удалось переключиться на «%1»: %2</translation>
    </message>
    <message>
        <source>Couldn't switch to “%1”: %2 “%3” is still active.</source>
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
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can't contaminate the baseline.</source>
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
        <source>Copies every world and character to this app's backup folder</source>
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
        <source>Overwrites current saves with the latest backup's versions</source>
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
        <source>Some mods ship Windows-only shaders that Metal can't render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
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
        <source>I've added it — mark this step done</source>
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
        <source>BepInEx's injector is Intel-only, so Apple Silicon needs Apple's Rosetta 2 translation layer.</source>
        <translation>Инжектор BepInEx работает только на Intel, поэтому Apple Silicon нужен транслятор Rosetta 2 от Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 в папке игры, и %2 готов.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can't start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 из пакета старше 5.4.2331 и больше не может запускать BepInEx через Steam — обновите пакет.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn't executable yet.</source>
        <translation>Файлы BepInEx на месте, но %1 ещё не исполняемый.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Файлы BepInEx на месте, но %1 ещё нужны исправления для Mac (право на запуск + имя игры).</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Скачивает BepInExPack для Valheim от denikson с Thunderstore и распаковывает его в папку игры.</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
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
        <source>The launch script starts the game's Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>Скрипт запуска стартует Intel-версию игры (x86_64), поэтому BepInEx загружается под Rosetta.</translation>
    </message>
    <message>
        <source>Valheim's Mac app is Universal and would run natively, where BepInEx can't load — the fix makes the launch script start its Intel build.</source>
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
        <source>Linux doesn't quarantine downloads.</source>
        <translation>Linux не помещает загрузки в карантин.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS's quarantine flag so Gatekeeper doesn't block the injector.</source>
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
        <source>No quarantine flags on the modding files — Gatekeeper won't interfere.</source>
        <translation>На файлах модов нет отметок карантина — Gatekeeper не помешает.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Найдено в ваших настройках Steam — Valheim запускается через BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx's script.</source>
        <translation>Единственный ручной шаг: Steam должен запускать игру через скрипт BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Запуск с модами подтверждён — BepInEx в последний раз записал журнал %1.</translation>
    </message>
    <message>
        <source>BepInEx's last log comes from the Windows build under Proton, not the native game.</source>
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
        <source>Couldn't load the catalog: %1</source>
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
        <source>Don't offer updates for %1</source>
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