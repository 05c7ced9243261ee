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
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Другое изменение этой папки игры ещё не завершено.</translation>
    </message>
    <message>
        <source>%1 isn't in the game folder.</source>
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
        <source>part %1 of its catalog didn't arrive (%2)</source>
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
        <source>The value of “%1” can't contain a line break.</source>
        <translation>Значение «%1» не может содержать перевод строки.</translation>
    </message>
    <message>
        <source>The value of “%1” can't end with “]”: the line would read as a section header.</source>
        <translation>Значение «%1» не может заканчиваться на «]»: строка будет прочитана как заголовок раздела.</translation>
    </message>
    <message>
        <source>Couldn't save “%1”: it's a link to a file that doesn't exist.</source>
        <translation>Не удалось сохранить «%1»: это ссылка на несуществующий файл.</translation>
    </message>
    <message>
        <source>Couldn't save “%1”: it's a link to a file outside the game folder.</source>
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
        <source>Couldn't lock the game folder for changes (%1).</source>
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
        <source>Couldn't read “%1”: %2.</source>
        <translation>Не удалось прочитать «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't write “%1”: %2.</source>
        <translation>Не удалось записать «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't create “%1”: %2.</source>
        <translation>Не удалось создать «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't create the folder “%1”: %2.</source>
        <translation>Не удалось создать папку «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't create a folder in “%1”: %2.</source>
        <translation>Не удалось создать папку в «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't read the folder “%1”: %2.</source>
        <translation>Не удалось прочитать папку «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: %2.</source>
        <translation>Не удалось скопировать «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't move “%1”: %2.</source>
        <translation>Не удалось переместить «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't remove “%1”: %2.</source>
        <translation>Не удалось удалить «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't read “%1”: it isn't UTF-8 text.</source>
        <translation>Не удалось прочитать «%1»: это не текст в UTF-8.</translation>
    </message>
    <message>
        <source>Couldn't move “%1”: “%2” already exists.</source>
        <translation>Не удалось переместить «%1»: «%2» уже существует.</translation>
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
        <source>The server's address couldn't be found</source>
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
        <source>A secure connection to the server couldn't be made</source>
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
        <source>The download couldn't be saved to disk</source>
        <translation>Не удалось сохранить загрузку на диск</translation>
    </message>
    <message>
        <source>Couldn't create “%1”: %2</source>
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
        <source>%1 isn't something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 нельзя установить — перетащите .zip с модом, плагин .dll, файл .cfg или папку мода.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: %1</source>
        <translation>Не удалось распаковать архив: %1</translation>
    </message>
    <message>
        <source>%1 doesn't seem to contain any mod files.</source>
        <translation>Похоже, в %1 нет файлов мода.</translation>
    </message>
    <message>
        <source>Couldn't find any Valheim worlds or characters in %1.</source>
        <translation>В %1 не найдено ни миров, ни персонажей Valheim.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn't a ZIP archive</source>
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
        <source>Couldn't extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: у записи «%1» абсолютный путь, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” points outside the archive's folder, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: запись «%1» указывает за пределы папки архива, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: у записи «%1» недопустимое имя, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: в распакованном виде он занимает больше %1 — гораздо больше, чем нужно любому моду, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: в нём больше %1 файлов — гораздо больше, чем нужно любому моду, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: у одной из записей нет имени, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: запись «%1» — символическая ссылка, которая не нужна ни одному моду, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: запись «%1» — жёсткая ссылка, которая не нужна ни одному моду, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” isn't a file or a folder, so nothing was installed.</source>
        <translation>Не удалось распаковать архив: запись «%1» не является ни файлом, ни папкой, поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” couldn't be written (%2), so nothing was installed.</source>
        <translation>Не удалось распаковать архив: не удалось записать запись «%1» (%2), поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” couldn't be read (%2), so nothing was installed.</source>
        <translation>Не удалось распаковать архив: не удалось прочитать запись «%1» (%2), поэтому ничего не установлено.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: it overlaps “%2”.</source>
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
        <source>Couldn't install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
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
        <source>%1 holds the game folder's own files, so it can't be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 содержит собственные файлы папки игры, поэтому его нельзя в них установить — перетащите .zip с модом, плагин .dll, файл .cfg или папку мода.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: “%2” lies inside it.</source>
        <translation>Не удалось скопировать «%1»: внутри него находится «%2».</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: it is a symbolic link.</source>
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
    <name>LaunchText</name>
    <message>
        <source>%1, which isn't installed</source>
        <translation>%1, который не установлен</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, который выключен</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn't installed</source>
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
        <source>Couldn't connect to the server</source>
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
        <source>%1 didn't load: it needs %2</source>
        <translation>%1 не загрузился: ему нужен %2</translation>
    </message>
    <message>
        <source>%1 didn't load: it can't run beside %2</source>
        <translation>%1 не загрузился: он не может работать вместе с %2</translation>
    </message>
    <message>
        <source>%1 didn't load: a mod it needs didn't load</source>
        <translation>%1 не загрузился: не загрузился нужный ему мод</translation>
    </message>
    <message>
        <source>%1 didn't load, and BepInEx gave no reason</source>
        <translation>%1 не загрузился, и BepInEx не указал причину</translation>
    </message>
    <message>
        <source>%1 didn't load: %2</source>
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
        <source>%1 was made for BepInEx %2 and might not work until it's updated</source>
        <translation>%1 сделан для BepInEx %2 и может не работать, пока его не обновят</translation>
    </message>
    <message>
        <source>A mod couldn't patch the game, and its error names no mod</source>
        <translation>Какой-то мод не смог пропатчить игру, и в ошибке не указан ни один мод</translation>
    </message>
    <message>
        <source>%1 couldn't patch the game — it may need an update for this Valheim</source>
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
        <source>the game's versions differ (%1)</source>
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
        <source>Jotunn's version check turned a connection away</source>
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
        <source>BepInEx isn't installed in the game folder, so nothing wrote a log.</source>
        <translation>BepInEx не установлен в папке игры, поэтому журнал никто не записал.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam запускает Windows-версию через Proton, а он загружает BepInEx только с такими параметрами запуска: %1</translation>
    </message>
    <message>
        <source>%1 isn't executable, so Steam couldn't start the game through it.</source>
        <translation>%1 не является исполняемым, поэтому Steam не смог запустить через него игру.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam's runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 слишком стар для среды выполнения Steam, поэтому не может загрузить BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx's injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>Инжектор BepInEx работает только на Intel: на Apple Silicon игру нужно запускать через Rosetta 2 (шаг 4).</translation>
    </message>
    <message>
        <source>Steam's launch options for Valheim don't name %1, so the game started without mods.</source>
        <translation>В параметрах запуска Valheim в Steam не указан %1, поэтому игра запустилась без модов.</translation>
    </message>
    <message>
        <source>The server hasn't been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>С момента установки BepInEx сервер не запускался через %1, поэтому журнал никто не записал.</translation>
    </message>
    <message>
        <source>Valheim hasn't been launched with mods yet.</source>
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
        <source>Steam's settings in “%1” aren't laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>Настройки Steam в «%1» устроены не так, как ожидалось (%2), поэтому Skaldrun оставил их как есть. Вставьте параметры запуска в Steam сами.</translation>
    </message>
    <message>
        <source>a block isn't closed</source>
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
    <name>Pipeline</name>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Загрузка %1 (%2 из %3)…</translation>
    </message>
    <message>
        <source>no download URL</source>
        <translation>нет адреса для загрузки</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore's nor Hexium's</source>
        <translation>загрузка с %1 отклонена: это не Thunderstore и не Hexium</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Перезагрузите каталог на вкладке «Обзор» и попробуйте снова.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 установлен</translation>
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
        <source>needs %1, which didn't install</source>
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
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>%1 установлен с %n зависимостью (%2)</numerusform>
            <numerusform>%1 установлен с %n зависимостями (%2)</numerusform>
            <numerusform>%1 установлен с %n зависимостями (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn't start %1</source>
        <translation>Не удалось запустить %1</translation>
    </message>
    <message>
        <source>%1 couldn't be started</source>
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
        <source>That profile's mod list (export.r2x) is far larger than any profile's, so nothing was imported.</source>
        <translation>Список модов этого профиля (export.r2x) намного больше, чем у любого профиля, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) isn't readable YAML.</source>
        <translation>Список модов этого профиля (export.r2x) — нечитаемый YAML.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) has no list of mods.</source>
        <translation>В списке модов этого профиля (export.r2x) нет перечня модов.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>В этом профиле слишком много модов.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn't a mod name of the form Owner-Name.</source>
        <translation>«%1» в этом профиле — не имя мода вида Автор-Название.</translation>
    </message>
    <message>
        <source>That profile isn't a readable .r2z (zip) archive.</source>
        <translation>Этот профиль — нечитаемый архив .r2z (zip).</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Этот профиль распаковывается в гораздо большее число файлов или байт, чем бывает в любом профиле, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn't a plain file, so nothing was imported.</source>
        <translation>В этом профиле есть запись «%1», которая не является обычным файлом, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>В этом профиле нет списка модов (export.r2x), поэтому импортировать нечего.</translation>
    </message>
    <message>
        <source>Couldn't build the profile archive.</source>
        <translation>Не удалось собрать архив профиля.</translation>
    </message>
    <message>
        <source>That isn't a profile code's content: it doesn't start with #r2modman.</source>
        <translation>Это не содержимое кода профиля: оно не начинается с #r2modman.</translation>
    </message>
    <message>
        <source>That profile code's content is damaged: it isn't valid base64.</source>
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
    <name>Trash</name>
    <message>
        <source>Couldn't move to the Trash “%1”: it no longer exists.</source>
        <translation>Не удалось переместить «%1» в Корзину: его больше нет.</translation>
    </message>
    <message>
        <source>Couldn't move to the Trash “%1”: the Trash refused it.</source>
        <translation>Не удалось переместить «%1» в Корзину: Корзина его не приняла.</translation>
    </message>
    <message>
        <source>Couldn't move to the Trash “%1”: the Trash folder isn't available.</source>
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