<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>AlertPresenter</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>BrowseRow</name>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>%1K</source>
        <translation>%1 mil</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1 M</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>por %1</translation>
    </message>
</context>
<context>
    <name>BrowseView</name>
    <message>
        <source>Search mods</source>
        <translation>Buscar mods</translation>
    </message>
    <message>
        <source>Refresh catalog</source>
        <translation>Actualizar catálogo</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 de %n mod</numerusform>
            <numerusform>%1 de %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · showing the previous catalog</source>
        <translation>%1 · mostrando el catálogo anterior</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Couldn't load the Thunderstore catalog.</source>
        <translation>No se pudo cargar el catálogo de Thunderstore.</translation>
    </message>
    <message>
        <source>View on Thunderstore</source>
        <translation>Ver en Thunderstore</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Instalar versión…</translation>
    </message>
    <message>
        <source>Read More</source>
        <translation>Leer más</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Todavía hay otro cambio en curso en esta carpeta del juego.</translation>
    </message>
    <message>
        <source>%1 isn't in the game folder.</source>
        <translation>%1 no está en la carpeta del juego.</translation>
    </message>
</context>
<context>
    <name>ChunkedListing</name>
    <message>
        <source>the server answered with error %1</source>
        <translation>el servidor respondió con el error %1</translation>
    </message>
    <message>
        <source>its list of catalog parts is unreadable</source>
        <translation>su lista de partes del catálogo no se puede leer</translation>
    </message>
    <message>
        <source>its list names %1 catalog parts, far more than any real catalog</source>
        <translation>su lista indica %1 partes del catálogo, muchas más que cualquier catálogo real</translation>
    </message>
    <message>
        <source>its list of catalog parts holds something that is no address</source>
        <translation>su lista de partes del catálogo contiene algo que no es una dirección</translation>
    </message>
    <message>
        <source>part %1 of its catalog is damaged</source>
        <translation>la parte %1 de su catálogo está dañada</translation>
    </message>
    <message>
        <source>part %1 of its catalog didn't arrive (%2)</source>
        <translation>la parte %1 de su catálogo no llegó (%2)</translation>
    </message>
</context>
<context>
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Copiar comando</translation>
    </message>
</context>
<context>
    <name>ConfigEntryRow</name>
    <message>
        <source>Modified — not saved yet</source>
        <translation>Modificado: aún sin guardar</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Predeterminado: %1</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>“%1” takes true or false.</source>
        <translation>«%1» admite true o false.</translation>
    </message>
    <message>
        <source>“%1” takes one of: %2.</source>
        <translation>«%1» admite uno de estos valores: %2.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number.</source>
        <translation>«%1» admite un número entero.</translation>
    </message>
    <message>
        <source>“%1” takes a number.</source>
        <translation>«%1» admite un número.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number from %2 to %3.</source>
        <translation>«%1» admite un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>“%1” takes a number from %2 to %3.</source>
        <translation>«%1» admite un número de %2 a %3.</translation>
    </message>
    <message>
        <source>The value of “%1” can't contain a line break.</source>
        <translation>El valor de «%1» no puede contener un salto de línea.</translation>
    </message>
    <message>
        <source>The value of “%1” can't end with “]”: the line would read as a section header.</source>
        <translation>El valor de «%1» no puede terminar en «]»: la línea se leería como el encabezado de una sección.</translation>
    </message>
    <message>
        <source>Couldn't save “%1”: it's a link to a file that doesn't exist.</source>
        <translation>No se pudo guardar «%1»: es un enlace a un archivo que no existe.</translation>
    </message>
    <message>
        <source>Couldn't save “%1”: it's a link to a file outside the game folder.</source>
        <translation>No se pudo guardar «%1»: es un enlace a un archivo fuera de la carpeta del juego.</translation>
    </message>
</context>
<context>
    <name>DependantsPrompt</name>
    <message>
        <source>Move All to Trash</source>
        <translation>Mover todo a la Papelera</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Desactivar todos</translation>
    </message>
    <message>
        <source>Move Only %1 to Trash</source>
        <translation>Mover solo %1 a la Papelera</translation>
    </message>
    <message>
        <source>Disable Only %1</source>
        <translation>Desactivar solo %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>%n mods depend on %1: %2.</source>
        <translation>
            <numerusform>%n mod depende de %1: %2.</numerusform>
            <numerusform>%n mods dependen de %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop mods here to install</source>
        <translation>Suelta mods aquí para instalarlos</translation>
    </message>
    <message>
        <source>Thunderstore .zip · loose .dll · mod folders — they land in BepInEx/plugins</source>
        <translation>.zip de Thunderstore · .dll suelta · carpetas de mods — van a BepInEx/plugins</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>%1 and %2, for r2modman, Gale and Skaldrun players.</source>
        <translation>%1 y %2, para jugadores de r2modman, Gale y Skaldrun.</translation>
    </message>
    <message>
        <source>Export This Profile</source>
        <translation>Exportar este perfil</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save .r2z…</source>
        <translation>Guardar .r2z…</translation>
    </message>
    <message>
        <source>Get Code</source>
        <translation>Obtener código</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Another program (process %1) is changing this game folder; try again when it has finished.</source>
        <translation>Otro programa (proceso %1) está modificando esta carpeta del juego; inténtalo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>%1 (process %2) is changing this game folder; try again when it has finished.</source>
        <translation>%1 (proceso %2) está modificando esta carpeta del juego; inténtalo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>Couldn't lock the game folder for changes (%1).</source>
        <translation>No se pudo bloquear la carpeta del juego para hacer cambios (%1).</translation>
    </message>
</context>
<context>
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
</context>
<context>
    <name>Fs</name>
    <message>
        <source>Couldn't read “%1”: %2.</source>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't write “%1”: %2.</source>
        <translation>No se pudo escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't create “%1”: %2.</source>
        <translation>No se pudo crear «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't create the folder “%1”: %2.</source>
        <translation>No se pudo crear la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't create a folder in “%1”: %2.</source>
        <translation>No se pudo crear una carpeta en «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't read the folder “%1”: %2.</source>
        <translation>No se pudo leer la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: %2.</source>
        <translation>No se pudo copiar «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't move “%1”: %2.</source>
        <translation>No se pudo mover «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't remove “%1”: %2.</source>
        <translation>No se pudo quitar «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn't read “%1”: it isn't UTF-8 text.</source>
        <translation>No se pudo leer «%1»: no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Couldn't move “%1”: “%2” already exists.</source>
        <translation>No se pudo mover «%1»: «%2» ya existe.</translation>
    </message>
</context>
<context>
    <name>Http</name>
    <message>
        <source>The server stopped answering (timed out)</source>
        <translation>El servidor dejó de responder (tiempo de espera agotado)</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>El servidor rechazó la conexión</translation>
    </message>
    <message>
        <source>The server's address couldn't be found</source>
        <translation>No se encontró la dirección del servidor</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>El servidor cerró la conexión</translation>
    </message>
    <message>
        <source>The server sent us round in circles (too many redirects)</source>
        <translation>El servidor nos hizo dar vueltas en círculo (demasiadas redirecciones)</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn't be made</source>
        <translation>No se pudo establecer una conexión segura con el servidor</translation>
    </message>
    <message>
        <source>The Internet connection appears to be offline</source>
        <translation>Parece que no hay conexión a Internet</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Se canceló la descarga</translation>
    </message>
    <message>
        <source>The server sent more than %1 MB, far more than expected</source>
        <translation>El servidor envió más de %1 MB, mucho más de lo esperado</translation>
    </message>
    <message>
        <source>The download couldn't be saved to disk</source>
        <translation>No se pudo guardar la descarga en el disco</translation>
    </message>
    <message>
        <source>Couldn't create “%1”: %2</source>
        <translation>No se pudo crear «%1»: %2</translation>
    </message>
    <message>
        <source>The server answered with an error (HTTP %1)</source>
        <translation>El servidor respondió con un error (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>ImportSheet</name>
    <message numerus="yes">
        <source>%n mods</source>
        <translation>
            <numerusform>%n mod</numerusform>
            <numerusform>%n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n config files</source>
        <translation>
            <numerusform>%n archivo de configuración</numerusform>
            <numerusform>%n archivos de configuración</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: %2, %3</source>
        <translation>«%1»: %2, %3</translation>
    </message>
    <message>
        <source>Import a Profile</source>
        <translation>Importar un perfil</translation>
    </message>
    <message>
        <source>Paste a profile code</source>
        <translation>Pega un código de perfil</translation>
    </message>
    <message>
        <source>Profile code from r2modman, Gale or Skaldrun</source>
        <translation>Código de perfil de r2modman, Gale o Skaldrun</translation>
    </message>
    <message>
        <source>Read Code</source>
        <translation>Leer código</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Abrir archivo…</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Repository</source>
        <translation>Repositorio</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Nombre del nuevo perfil</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nuevo perfil</translation>
    </message>
    <message>
        <source>Replace This Profile</source>
        <translation>Reemplazar este perfil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>Paste a code from r2modman, Gale or Skaldrun, or open a .r2z file.</source>
        <translation>Pega un código de r2modman, Gale o Skaldrun, o abre un archivo .r2z.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Import a Profile…</source>
        <translation>Importar un perfil…</translation>
    </message>
    <message>
        <source>Export This Profile…</source>
        <translation>Exportar este perfil…</translation>
    </message>
</context>
<context>
    <name>InstallError</name>
    <message>
        <source>%1 isn't something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>No puedo instalar %1: suelta un .zip de mod, un plugin .dll, un archivo .cfg o una carpeta de mod.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: %1</source>
        <translation>No se pudo extraer el archivo comprimido: %1</translation>
    </message>
    <message>
        <source>%1 doesn't seem to contain any mod files.</source>
        <translation>%1 no parece contener archivos de mod.</translation>
    </message>
    <message>
        <source>Couldn't find any Valheim worlds or characters in %1.</source>
        <translation>No se encontraron mundos ni personajes de Valheim en %1.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn't a ZIP archive</source>
        <translation>el archivo comprimido está dañado o no es un ZIP</translation>
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
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» tiene una ruta absoluta, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” points outside the archive's folder, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» apunta fuera de la carpeta del archivo comprimido, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» tiene un nombre no válido, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: ocupa más de %1 al descomprimirse, mucho más de lo que necesita cualquier mod, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: contiene más de %1 archivos, muchos más de los que necesita cualquier mod, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: una entrada no tiene nombre, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» es un enlace simbólico, que ningún mod necesita, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» es un enlace duro, que ningún mod necesita, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” isn't a file or a folder, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» no es un archivo ni una carpeta, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” couldn't be written (%2), so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: no se pudo escribir la entrada «%1» (%2), así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't extract the archive: the entry “%1” couldn't be read (%2), so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: no se pudo leer la entrada «%1» (%2), así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: it overlaps “%2”.</source>
        <translation>No se pudo copiar «%1»: se superpone con «%2».</translation>
    </message>
    <message>
        <source>BepInEx is already set up in the game folder; kept it as it is</source>
        <translation>BepInEx ya está instalado en la carpeta del juego; se dejó como estaba</translation>
    </message>
    <message>
        <source>BepInEx %1 installed into the game folder</source>
        <translation>BepInEx %1 instalado en la carpeta del juego</translation>
    </message>
    <message>
        <source>BepInEx installed into the game folder</source>
        <translation>BepInEx instalado en la carpeta del juego</translation>
    </message>
    <message>
        <source>Merged %1 into BepInEx</source>
        <translation>%1 combinado con BepInEx</translation>
    </message>
    <message>
        <source>Couldn't install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
        <translation>No se pudo instalar «%1»: ni su manifiesto ni su nombre de archivo dan un nombre de carpeta válido.</translation>
    </message>
    <message>
        <source>Installed %1 (data/config files only — no plugin DLL)</source>
        <translation>%1 instalado (solo archivos de datos/configuración, sin DLL de plugin)</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 instalado</translation>
    </message>
    <message>
        <source>Copied %1 into BepInEx/config</source>
        <translation>%1 copiado en BepInEx/config</translation>
    </message>
    <message>
        <source>%1 holds the game folder's own files, so it can't be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 contiene los propios archivos de la carpeta del juego, así que no se puede instalar en ellos: suelta un .zip de mod, un plugin .dll, un archivo .cfg o una carpeta de mod.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: “%2” lies inside it.</source>
        <translation>No se pudo copiar «%1»: «%2» está dentro.</translation>
    </message>
    <message>
        <source>Couldn't copy “%1”: it is a symbolic link.</source>
        <translation>No se pudo copiar «%1»: es un enlace simbólico.</translation>
    </message>
</context>
<context>
    <name>LaunchFixes</name>
    <message>
        <source>Update to %1</source>
        <translation>Actualizar a %1</translation>
    </message>
    <message>
        <source>Go Back to %1</source>
        <translation>Volver a %1</translation>
    </message>
    <message>
        <source>Switch On %1</source>
        <translation>Activar %1</translation>
    </message>
    <message>
        <source>Update %1 %2</source>
        <translation>Actualizar %1 %2</translation>
    </message>
    <message>
        <source>Install %1 %2</source>
        <translation>Instalar %1 %2</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Desactivar</translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>%1, which isn't installed</source>
        <translation>%1, que no está instalado</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, que está desactivado</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn't installed</source>
        <translation>%1 %2 o posterior, que no está instalado</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which is switched off</source>
        <translation>%1 %2 o posterior, que está desactivado</translation>
    </message>
    <message>
        <source>%1 %2 or newer, you have %3</source>
        <translation>%1 %2 o posterior, tienes %3</translation>
    </message>
    <message>
        <source>%1 %2 or newer</source>
        <translation>%1 %2 o posterior</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n vez)</numerusform>
            <numerusform>%1 (%n veces)</numerusform>
        </translation>
    </message>
    <message>
        <source>the server needs %1 %2, it has %3</source>
        <translation>el servidor necesita %1 %2, tiene %3</translation>
    </message>
    <message>
        <source>the client needs %1 %2, it has %3</source>
        <translation>el cliente necesita %1 %2, tiene %3</translation>
    </message>
    <message>
        <source>the server lacks %1</source>
        <translation>al servidor le falta %1</translation>
    </message>
    <message>
        <source>the client lacks %1</source>
        <translation>al cliente le falta %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>The server runs another version of Valheim</source>
        <translation>El servidor usa otra versión de Valheim</translation>
    </message>
    <message>
        <source>Couldn't connect to the server</source>
        <translation>No se pudo conectar al servidor</translation>
    </message>
    <message>
        <source>The server refused the password</source>
        <translation>El servidor rechazó la contraseña</translation>
    </message>
    <message>
        <source>The server has banned this player</source>
        <translation>El servidor ha baneado a este jugador</translation>
    </message>
    <message>
        <source>The server is full</source>
        <translation>El servidor está lleno</translation>
    </message>
    <message>
        <source>Lost the connection to the server (%1)</source>
        <translation>Se perdió la conexión con el servidor (%1)</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; y %2</translation>
    </message>
    <message>
        <source>%1 didn't load: it needs %2</source>
        <translation>%1 no se cargó: necesita %2</translation>
    </message>
    <message>
        <source>%1 didn't load: it can't run beside %2</source>
        <translation>%1 no se cargó: no puede funcionar junto a %2</translation>
    </message>
    <message>
        <source>%1 didn't load: a mod it needs didn't load</source>
        <translation>%1 no se cargó: un mod que necesita no se cargó</translation>
    </message>
    <message>
        <source>%1 didn't load, and BepInEx gave no reason</source>
        <translation>%1 no se cargó y BepInEx no dio ningún motivo</translation>
    </message>
    <message>
        <source>%1 didn't load: %2</source>
        <translation>%1 no se cargó: %2</translation>
    </message>
    <message>
        <source>%1 is installed twice; BepInEx loaded one copy</source>
        <translation>%1 está instalado dos veces; BepInEx cargó una copia</translation>
    </message>
    <message>
        <source>%1 was skipped: %2 is installed too</source>
        <translation>%1 se omitió: %2 también está instalado</translation>
    </message>
    <message>
        <source>%1 was made for BepInEx %2 and might not work until it's updated</source>
        <translation>%1 se hizo para BepInEx %2 y puede que no funcione hasta que se actualice</translation>
    </message>
    <message>
        <source>A mod couldn't patch the game, and its error names no mod</source>
        <translation>Un mod no pudo parchear el juego y su error no nombra ningún mod</translation>
    </message>
    <message>
        <source>%1 couldn't patch the game — it may need an update for this Valheim</source>
        <translation>%1 no pudo parchear el juego; puede que necesite una actualización para esta versión de Valheim</translation>
    </message>
    <message>
        <source>%1 failed to start (%2)</source>
        <translation>%1 no pudo iniciarse (%2)</translation>
    </message>
    <message>
        <source>%1 failed to start (an error)</source>
        <translation>%1 no pudo iniciarse (un error)</translation>
    </message>
    <message>
        <source>Something failed (%1), and no mod is named in it</source>
        <translation>Algo falló (%1) y no se nombra ningún mod</translation>
    </message>
    <message>
        <source>Something failed (an error), and no mod is named in it</source>
        <translation>Algo falló (un error) y no se nombra ningún mod</translation>
    </message>
    <message>
        <source>Something failed (%1) in %2, which no one mod stands for</source>
        <translation>Algo falló (%1) en %2, que no corresponde a ningún mod concreto</translation>
    </message>
    <message>
        <source>Something failed (an error) in %1, which no one mod stands for</source>
        <translation>Algo falló (un error) en %1, que no corresponde a ningún mod concreto</translation>
    </message>
    <message>
        <source>%1 ran into %2</source>
        <translation>%1 se topó con %2</translation>
    </message>
    <message>
        <source>%1 ran into an error</source>
        <translation>%1 se topó con un error</translation>
    </message>
    <message>
        <source>the game's versions differ (%1)</source>
        <translation>las versiones del juego no coinciden (%1)</translation>
    </message>
    <message>
        <source>A connection was refused: the versions differ</source>
        <translation>Se rechazó una conexión: las versiones no coinciden</translation>
    </message>
    <message>
        <source>A connection was refused: %1</source>
        <translation>Se rechazó una conexión: %1</translation>
    </message>
    <message>
        <source>Jotunn's version check turned a connection away</source>
        <translation>La comprobación de versiones de Jotunn rechazó una conexión</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the server: %2</source>
        <translation>Hay mods que deben estar %1 en el servidor: %2</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the client: %2</source>
        <translation>Hay mods que deben estar %1 en el cliente: %2</translation>
    </message>
    <message>
        <source>A connection was closed</source>
        <translation>Se cerró una conexión</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>Cargados: %1 de %n mod, Valheim %2</numerusform>
            <numerusform>Cargados: %1 de %n mods, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded</source>
        <translation>
            <numerusform>Cargados: %1 de %n mod</numerusform>
            <numerusform>Cargados: %1 de %n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>BepInEx se detuvo antes de terminar de cargar: cargados %1 de %n mod, Valheim %2</numerusform>
            <numerusform>BepInEx se detuvo antes de terminar de cargar: cargados %1 de %n mods, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded</source>
        <translation>
            <numerusform>BepInEx se detuvo antes de terminar de cargar: cargados %1 de %n mod</numerusform>
            <numerusform>BepInEx se detuvo antes de terminar de cargar: cargados %1 de %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>BepInEx isn't installed in the game folder, so nothing wrote a log.</source>
        <translation>BepInEx no está instalado en la carpeta del juego, así que nada escribió un registro.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam ejecuta la versión de Windows con Proton, que solo carga BepInEx con estas opciones de lanzamiento: %1</translation>
    </message>
    <message>
        <source>%1 isn't executable, so Steam couldn't start the game through it.</source>
        <translation>%1 no es ejecutable, así que Steam no pudo iniciar el juego con él.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam's runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 es demasiado antiguo para el entorno de ejecución de Steam, lo que le impide cargar BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx's injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>El inyector de BepInEx solo funciona en Intel: en Apple Silicon el juego tiene que ejecutarse con Rosetta 2 (paso 4).</translation>
    </message>
    <message>
        <source>Steam's launch options for Valheim don't name %1, so the game started without mods.</source>
        <translation>Las opciones de lanzamiento de Valheim en Steam no incluyen %1, así que el juego se inició sin mods.</translation>
    </message>
    <message>
        <source>The server hasn't been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>El servidor no se ha iniciado con %1 desde que se instaló BepInEx, así que nada escribió un registro.</translation>
    </message>
    <message>
        <source>Valheim hasn't been launched with mods yet.</source>
        <translation>Valheim aún no se ha iniciado con mods.</translation>
    </message>
    <message>
        <source>Valheim started, but BepInEx wrote no log — Steam may have started it without its launch options.</source>
        <translation>Valheim se inició, pero BepInEx no escribió ningún registro; puede que Steam lo iniciara sin sus opciones de lanzamiento.</translation>
    </message>
    <message>
        <source>Valheim updated from %1 to %2</source>
        <translation>Valheim se actualizó de %1 a %2</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>paquete %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>servidor %1</translation>
    </message>
    <message>
        <source>**Last launch:** %1</source>
        <translation>**Último inicio:** %1</translation>
    </message>
    <message numerus="yes">
        <source>- …and %n more</source>
        <translation>
            <numerusform>- …y %n más</numerusform>
            <numerusform>- …y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocalConfig</name>
    <message>
        <source>a text runs to the end of the file</source>
        <translation>un texto llega hasta el final del archivo</translation>
    </message>
    <message>
        <source>Steam's settings in “%1” aren't laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>Los ajustes de Steam en «%1» no tienen la estructura esperada (%2), así que Skaldrun los dejó como estaban. Pega tú las opciones de lanzamiento en Steam.</translation>
    </message>
    <message>
        <source>a block isn't closed</source>
        <translation>un bloque no está cerrado</translation>
    </message>
    <message>
        <source>a brace closes nothing</source>
        <translation>una llave no cierra nada</translation>
    </message>
    <message>
        <source>a block has no name</source>
        <translation>un bloque no tiene nombre</translation>
    </message>
    <message>
        <source>a name has no value</source>
        <translation>un nombre no tiene valor</translation>
    </message>
    <message>
        <source>it holds no UserLocalConfigStore</source>
        <translation>no contiene ningún UserLocalConfigStore</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Settings — shader cache &amp; save backups</source>
        <translation>Ajustes — caché de shaders y copias de seguridad</translation>
    </message>
    <message>
        <source>Game Folder</source>
        <translation>Carpeta del juego</translation>
    </message>
    <message>
        <source>Open the Valheim game folder in Finder</source>
        <translation>Abrir la carpeta del juego de Valheim en el Finder</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Re-check every step</source>
        <translation>Volver a comprobar cada paso</translation>
    </message>
    <message>
        <source>Play Vanilla</source>
        <translation>Jugar vanilla</translation>
    </message>
    <message>
        <source>Launch Valheim vanilla — mods stay installed but don't load</source>
        <translation>Iniciar Valheim vanilla — los mods siguen instalados pero no se cargan</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Iniciar Valheim</translation>
    </message>
    <message>
        <source>Launch Valheim through Steam (with mods)</source>
        <translation>Iniciar Valheim a través de Steam (con mods)</translation>
    </message>
</context>
<context>
    <name>MarkdownView</name>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>No changelog</source>
        <translation>Sin registro de cambios</translation>
    </message>
    <message>
        <source>No readme</source>
        <translation>Sin readme</translation>
    </message>
    <message>
        <source>Very long, so shortened here; the rest is on the package's page.</source>
        <translation>Muy largo, así que aquí se muestra acortado; el resto está en la página del paquete.</translation>
    </message>
</context>
<context>
    <name>ModRow</name>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>data</source>
        <translation>datos</translation>
    </message>
    <message>
        <source>Edit this mod's settings</source>
        <translation>Editar los ajustes de este mod</translation>
    </message>
    <message>
        <source>Holds no plugin DLL, so there is nothing to switch off</source>
        <translation>No contiene ninguna DLL de plugin, así que no hay nada que apagar</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (desactivado)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (falta)</translation>
    </message>
    <message>
        <source>Needs %1</source>
        <translation>Necesita %1</translation>
    </message>
    <message>
        <source>Install missing</source>
        <translation>Instalar los que faltan</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Data files (no plugin DLL)</source>
        <translation>Archivos de datos (sin DLL de plugin)</translation>
    </message>
    <message>
        <source>Plugin DLL</source>
        <translation>DLL de plugin</translation>
    </message>
    <message>
        <source>Plugin DLL · disabled</source>
        <translation>DLL de plugin · desactivado</translation>
    </message>
    <message numerus="yes">
        <source>%n plugins</source>
        <translation>
            <numerusform>%n plugin</numerusform>
            <numerusform>%n plugins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plugins · disabled</source>
        <translation>
            <numerusform>%n plugin · desactivado</numerusform>
            <numerusform>%n plugins · desactivado</numerusform>
        </translation>
    </message>
    <message>
        <source>Enabled — click to disable</source>
        <translation>Activado — haz clic para desactivar</translation>
    </message>
    <message>
        <source>Disabled — click to enable</source>
        <translation>Desactivado — haz clic para activar</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar en el Finder</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Instalar versión…</translation>
    </message>
    <message>
        <source>Offer updates again</source>
        <translation>Volver a ofrecer actualizaciones</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover a la Papelera</translation>
    </message>
</context>
<context>
    <name>PackageDocs</name>
    <message>
        <source>Couldn't load the readme: %1</source>
        <translation>No se pudo cargar el readme: %1</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: %1</source>
        <translation>No se pudo cargar el registro de cambios: %1</translation>
    </message>
    <message>
        <source>Couldn't load the readme: the repository answered %1.</source>
        <translation>No se pudo cargar el readme: el repositorio respondió %1.</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: the repository answered %1.</source>
        <translation>No se pudo cargar el registro de cambios: el repositorio respondió %1.</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Descargando %1 (%2 de %3)…</translation>
    </message>
    <message>
        <source>no download URL</source>
        <translation>no hay URL de descarga</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore's nor Hexium's</source>
        <translation>se rechazó descargar de %1, que no es de Thunderstore ni de Hexium</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Vuelve a cargar el catálogo en Explorar e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 instalado</translation>
    </message>
    <message>
        <source>Installed %1, but not %2</source>
        <translation>Se instaló %1, pero no %2</translation>
    </message>
    <message>
        <source>Updates cancelled — nothing was changed</source>
        <translation>Actualizaciones canceladas: no se cambió nada</translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods; stopped before %2</source>
        <translation>
            <numerusform>Actualizados %1 de %n mod; se detuvo antes de %2</numerusform>
            <numerusform>Actualizados %1 de %n mods; se detuvo antes de %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods</source>
        <translation>
            <numerusform>Actualizados %1 de %n mod</numerusform>
            <numerusform>Actualizados %1 de %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not in the catalog (install manually): %1</source>
        <translation>No están en el catálogo (instálalos a mano): %1</translation>
    </message>
    <message>
        <source>needs %1, which didn't install</source>
        <translation>necesita %1, que no se instaló</translation>
    </message>
    <message>
        <source>Updating %1 to %2 (%3 of %4)…</source>
        <translation>Actualizando %1 a %2 (%3 de %4)…</translation>
    </message>
    <message>
        <source>Installing %1 (%2 of %3)…</source>
        <translation>Instalando %1 (%2 de %3)…</translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>Se instaló %1 con %n dependencia (%2)</numerusform>
            <numerusform>Se instaló %1 con %n dependencias (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn't start %1</source>
        <translation>No se pudo iniciar %1</translation>
    </message>
    <message>
        <source>%1 couldn't be started</source>
        <translation>%1 no se pudo iniciar</translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>Profiles: separate mod sets for this game folder</source>
        <translation>Perfiles: conjuntos de mods separados para esta carpeta del juego</translation>
    </message>
    <message>
        <source>New Profile…</source>
        <translation>Nuevo perfil…</translation>
    </message>
    <message>
        <source>Rename “%1”…</source>
        <translation>Renombrar «%1»…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover a la Papelera</translation>
    </message>
</context>
<context>
    <name>ProfilePack</name>
    <message>
        <source>%1 in that profile has no version of three numbers.</source>
        <translation>%1 en ese perfil no tiene una versión de tres números.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” with an absolute path, so nothing was imported.</source>
        <translation>Ese perfil tiene un archivo «%1» con una ruta absoluta, así que no se importó nada.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” that points outside its folder, so nothing was imported.</source>
        <translation>Ese perfil tiene un archivo «%1» que apunta fuera de su carpeta, así que no se importó nada.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) is far larger than any profile's, so nothing was imported.</source>
        <translation>La lista de mods de ese perfil (export.r2x) es mucho más grande que la de cualquier perfil, así que no se importó nada.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) isn't readable YAML.</source>
        <translation>La lista de mods de ese perfil (export.r2x) no es YAML legible.</translation>
    </message>
    <message>
        <source>That profile's mod list (export.r2x) has no list of mods.</source>
        <translation>La lista de mods de ese perfil (export.r2x) no contiene una lista de mods.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>Ese perfil incluye demasiados mods.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn't a mod name of the form Owner-Name.</source>
        <translation>«%1» en ese perfil no es un nombre de mod con la forma Autor-Nombre.</translation>
    </message>
    <message>
        <source>That profile isn't a readable .r2z (zip) archive.</source>
        <translation>Ese perfil no es un archivo .r2z (zip) legible.</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Ese perfil se descomprime en muchos más archivos o bytes de los que tiene cualquier perfil, así que no se importó nada.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn't a plain file, so nothing was imported.</source>
        <translation>Ese perfil tiene una entrada «%1» que no es un archivo normal, así que no se importó nada.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>Ese perfil no tiene lista de mods (export.r2x), así que no hay nada que importar.</translation>
    </message>
    <message>
        <source>Couldn't build the profile archive.</source>
        <translation>No se pudo crear el archivo del perfil.</translation>
    </message>
    <message>
        <source>That isn't a profile code's content: it doesn't start with #r2modman.</source>
        <translation>Eso no es el contenido de un código de perfil: no empieza por #r2modman.</translation>
    </message>
    <message>
        <source>That profile code's content is damaged: it isn't valid base64.</source>
        <translation>El contenido de ese código de perfil está dañado: no es base64 válido.</translation>
    </message>
</context>
<context>
    <name>ProfileSheet</name>
    <message>
        <source>New Profile</source>
        <translation>Nuevo perfil</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Renombrar perfil</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Nombre del nuevo perfil</translation>
    </message>
    <message>
        <source>New name for “%1”</source>
        <translation>Nuevo nombre para «%1»</translation>
    </message>
    <message>
        <source>Start with a copy of “%1” (its mods and settings)</source>
        <translation>Empezar con una copia de «%1» (sus mods y ajustes)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
</context>
<context>
    <name>ReadmeSheet</name>
    <message>
        <source>Open Page</source>
        <translation>Abrir página</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Repository</name>
    <message>
        <source>%1 has no package %2.</source>
        <translation>%1 no tiene el paquete %2.</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The new language shows the next time Skaldrun starts.</source>
        <translation>El nuevo idioma se mostrará la próxima vez que inicies Skaldrun.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Mod repositories:</source>
        <translation>Repositorios de mods:</translation>
    </message>
    <message>
        <source>Rebuild the Vanilla Shader Cache</source>
        <translation>Reconstruir la caché de shaders vanilla</translation>
    </message>
    <message>
        <source>ShaderHelperForMac compares mod materials against a baseline captured from an unmodded game. After a Valheim update, rebuild it so the baseline matches your game version. The steps below automate the file shuffling.</source>
        <translation>ShaderHelperForMac compara los materiales de los mods con una referencia capturada del juego sin mods. Tras una actualización de Valheim, reconstrúyela para que coincida con tu versión del juego. Los pasos de abajo mueven los archivos por ti.</translation>
    </message>
    <message>
        <source>Install ShaderHelperForMac first — see the pink banner in the Mods pane, or search for it in Browse.</source>
        <translation>Instala primero ShaderHelperForMac: mira el aviso rosa en el panel de mods o búscalo en Explorar.</translation>
    </message>
    <message>
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can't contaminate the baseline.</source>
        <translation>Saca todos los mods excepto ShaderHelperForMac de la carpeta plugins, para que sus materiales no contaminen la referencia.</translation>
    </message>
    <message>
        <source>Move Mods Aside</source>
        <translation>Apartar los mods</translation>
    </message>
    <message>
        <source>Back Up Worlds &amp; Characters</source>
        <translation>Copiar mundos y personajes</translation>
    </message>
    <message>
        <source>Copies every world and character to this app's backup folder</source>
        <translation>Copia todos los mundos y personajes a la carpeta de copias de seguridad de esta app</translation>
    </message>
    <message>
        <source>Back up first: if the game saves while mods are unloaded, modded items and buildings vanish from those saves.</source>
        <translation>Haz primero una copia: si el juego guarda mientras los mods no están cargados, los objetos y construcciones de mods desaparecen de esas partidas.</translation>
    </message>
    <message>
        <source>Launch Valheim and load any world.</source>
        <translation>Inicia Valheim y carga cualquier mundo.</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Iniciar Valheim</translation>
    </message>
    <message>
        <source>Heads up: the F5 console needs -console in your Steam launch options — enable the checkbox in Setup step 6 and re-paste first.</source>
        <translation>Ojo: la consola F5 necesita -console en tus opciones de lanzamiento de Steam; primero marca la casilla en el paso 6 de la configuración y vuelve a pegarlas.</translation>
    </message>
    <message>
        <source>Press F5 in game and run the capture command (already on your clipboard after step 1):</source>
        <translation>Pulsa F5 en el juego y ejecuta el comando de captura (ya está en tu portapapeles tras el paso 1):</translation>
    </message>
    <message>
        <source>Quit Valheim, bring your mods back, then relaunch. The new cache is now authoritative for this Valheim version.</source>
        <translation>Cierra Valheim, recupera tus mods y vuelve a iniciarlo. La nueva caché es ahora la referencia para esta versión de Valheim.</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Devolver los mods</translation>
    </message>
    <message>
        <source>Restore Worlds &amp; Characters</source>
        <translation>Restaurar mundos y personajes</translation>
    </message>
    <message>
        <source>Overwrites current saves with the latest backup's versions</source>
        <translation>Sobrescribe las partidas actuales con las versiones de la copia de seguridad más reciente</translation>
    </message>
    <message>
        <source>Restoring puts back the backed-up versions — use it if a vanilla session overwrote a modded world.</source>
        <translation>Restaurar devuelve las versiones de la copia: úsalo si una sesión vanilla sobrescribió un mundo con mods.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup from %1. Anything saved since then will be overwritten.</source>
        <translation>Esto reemplaza tus mundos y personajes actuales por la copia de seguridad del %1. Todo lo guardado desde entonces se sobrescribirá.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup. Anything saved since then will be overwritten.</source>
        <translation>Esto reemplaza tus mundos y personajes actuales por la copia de seguridad. Todo lo guardado desde entonces se sobrescribirá.</translation>
    </message>
    <message>
        <source>Restore saves from backup?</source>
        <translation>¿Restaurar las partidas desde la copia de seguridad?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Current baseline built %1</source>
        <translation>Referencia actual creada el %1</translation>
    </message>
    <message>
        <source>No baseline cache yet — ShaderHelperForMac creates one on its first launch.</source>
        <translation>Aún no hay caché de referencia: ShaderHelperForMac crea una en su primer inicio.</translation>
    </message>
    <message numerus="yes">
        <source>%n items stashed in %1</source>
        <translation>
            <numerusform>%n elemento apartado en %1</numerusform>
            <numerusform>%n elementos apartados en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Last backup: %1 · %L2 most recent are kept</source>
        <translation>Última copia: %1 · se conservan las %L2 más recientes</translation>
    </message>
</context>
<context>
    <name>SetupBubble</name>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Setup complete — click to review the steps</source>
        <translation>Configuración completa — haz clic para revisar los pasos</translation>
    </message>
    <message>
        <source>Setup incomplete — click to open</source>
        <translation>Configuración incompleta — haz clic para abrirla</translation>
    </message>
    <message>
        <source>Setup %1/7</source>
        <translation>Configuración %1/7</translation>
    </message>
</context>
<context>
    <name>ShaderFixBanner</name>
    <message>
        <source>Pink or magenta textures in game?</source>
        <translation>¿Texturas rosas o magenta en el juego?</translation>
    </message>
    <message>
        <source>Some mods ship Windows-only shaders that Metal can't render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
        <translation>Algunos mods traen shaders solo para Windows que Metal no puede mostrar. ShaderHelperForMac cambia automáticamente los materiales rotos por shaders compatibles con Mac.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Install Fix</source>
        <translation>Instalar la corrección</translation>
    </message>
</context>
<context>
    <name>StepCard</name>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
</context>
<context>
    <name>StepsPane</name>
    <message>
        <source>Locate Valheim</source>
        <translation>Localizar Valheim</translation>
    </message>
    <message>
        <source>Install Rosetta 2</source>
        <translation>Instalar Rosetta 2</translation>
    </message>
    <message>
        <source>Install BepInEx</source>
        <translation>Instalar BepInEx</translation>
    </message>
    <message>
        <source>Enable Rosetta Translation</source>
        <translation>Activar la traducción de Rosetta</translation>
    </message>
    <message>
        <source>Clear Quarantine Flags</source>
        <translation>Quitar las marcas de cuarentena</translation>
    </message>
    <message>
        <source>Set Steam Launch Options</source>
        <translation>Configurar las opciones de lanzamiento de Steam</translation>
    </message>
    <message>
        <source>Launch Once to Verify</source>
        <translation>Iniciar una vez para comprobar</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Hide setup — it collapses into a bubble</source>
        <translation>Ocultar la configuración — se pliega en una burbuja</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Elegir carpeta…</translation>
    </message>
    <message>
        <source>Fix Script</source>
        <translation>Arreglar el script</translation>
    </message>
    <message>
        <source>Download &amp; Install</source>
        <translation>Descargar e instalar</translation>
    </message>
    <message>
        <source>Install from Zip…</source>
        <translation>Instalar desde un zip…</translation>
    </message>
    <message>
        <source>Get it manually</source>
        <translation>Conseguirlo a mano</translation>
    </message>
    <message>
        <source>Apply Fix</source>
        <translation>Aplicar la corrección</translation>
    </message>
    <message>
        <source>Clear Quarantine</source>
        <translation>Quitar la cuarentena</translation>
    </message>
    <message>
        <source>Copy Launch Options</source>
        <translation>Copiar opciones de lanzamiento</translation>
    </message>
    <message>
        <source>Set It for Me</source>
        <translation>Hazlo por mí</translation>
    </message>
    <message>
        <source>Enable the in-game console (adds -console)</source>
        <translation>Activar la consola del juego (añade -console)</translation>
    </message>
    <message>
        <source>Changed the checkbox? Copy the line above and paste it into Steam again.</source>
        <translation>¿Cambiaste la casilla? Copia la línea de arriba y pégala otra vez en Steam.</translation>
    </message>
    <message>
        <source>In Steam: right-click Valheim → Properties… → General → paste into Launch Options, then close the window.</source>
        <translation>En Steam: clic derecho en Valheim → Propiedades… → General → pega en Opciones de lanzamiento y cierra la ventana.</translation>
    </message>
    <message>
        <source>I've added it — mark this step done</source>
        <translation>Ya lo añadí — marcar este paso como hecho</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Iniciar Valheim</translation>
    </message>
    <message>
        <source>Re-check</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message>
        <source>Linux runs the game natively.</source>
        <translation>Linux ejecuta el juego de forma nativa.</translation>
    </message>
    <message>
        <source>All set — mods load on next launch</source>
        <translation>Todo listo — los mods se cargan en el próximo inicio</translation>
    </message>
    <message>
        <source>%1 of 7 complete</source>
        <translation>%1 de 7 completados</translation>
    </message>
    <message>
        <source>Found %1 at %2</source>
        <translation>%1 encontrado en %2</translation>
    </message>
    <message>
        <source>Found the game at %1</source>
        <translation>Juego encontrado en %1</translation>
    </message>
    <message>
        <source>Found the Windows build (valheim.exe) at %1, which Steam runs through Proton. For BepInEx to load in it, its launch options need: %2</source>
        <translation>Se encontró la versión de Windows (valheim.exe) en %1, que Steam ejecuta con Proton. Para que BepInEx cargue en ella, sus opciones de lanzamiento necesitan: %2</translation>
    </message>
    <message>
        <source>Install Valheim through Steam first, then auto-detect — or point me at its folder.</source>
        <translation>Instala primero Valheim con Steam y luego detéctalo — o indícame su carpeta.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>No hace falta</translation>
    </message>
    <message>
        <source>This Mac is Intel, so no translation is needed.</source>
        <translation>Este Mac es Intel, así que no hace falta traducción.</translation>
    </message>
    <message>
        <source>Rosetta 2 is installed — this Mac can run Intel code.</source>
        <translation>Rosetta 2 está instalado — este Mac puede ejecutar código Intel.</translation>
    </message>
    <message>
        <source>BepInEx's injector is Intel-only, so Apple Silicon needs Apple's Rosetta 2 translation layer.</source>
        <translation>El inyector de BepInEx es solo para Intel, así que Apple Silicon necesita la capa de traducción Rosetta 2 de Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 está en la carpeta del juego y %2 está listo.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can't start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 es de un pack anterior a 5.4.2331 y ya no puede iniciar BepInEx a través de Steam — actualiza el pack.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn't executable yet.</source>
        <translation>Los archivos de BepInEx están, pero %1 aún no es ejecutable.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Los archivos de BepInEx están, pero %1 aún necesita sus arreglos para Mac (permiso de ejecución + nombre del juego).</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Descarga el BepInExPack para Valheim de denikson desde Thunderstore y lo descomprime en la carpeta del juego.</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
        <translation>Descarga el BepInExPack para Valheim de denikson desde Thunderstore y lo descomprime junto a %1.</translation>
    </message>
    <message>
        <source>Reinstall / Update</source>
        <translation>Reinstalar / Actualizar</translation>
    </message>
    <message>
        <source>Intel Macs already run the Intel build natively.</source>
        <translation>Los Mac Intel ya ejecutan la versión Intel de forma nativa.</translation>
    </message>
    <message>
        <source>The launch script starts the game's Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>El script de inicio arranca la versión Intel (x86_64) del juego, así BepInEx carga con Rosetta.</translation>
    </message>
    <message>
        <source>Valheim's Mac app is Universal and would run natively, where BepInEx can't load — the fix makes the launch script start its Intel build.</source>
        <translation>La app de Mac de Valheim es Universal y se ejecutaría de forma nativa, donde BepInEx no puede cargar — la corrección hace que el script de inicio arranque su versión Intel.</translation>
    </message>
    <message>
        <source>Install BepInEx first — this changes how its launch script starts the game.</source>
        <translation>Instala primero BepInEx — esto cambia cómo su script de inicio arranca el juego.</translation>
    </message>
    <message>
        <source># added to %1</source>
        <translation># añadido a %1</translation>
    </message>
    <message>
        <source>Linux doesn't quarantine downloads.</source>
        <translation>Linux no pone las descargas en cuarentena.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS's quarantine flag so Gatekeeper doesn't block the injector.</source>
        <translation>Tras instalar BepInEx, esto quita la marca de cuarentena de macOS para que Gatekeeper no bloquee el inyector.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</source>
        <translation>
            <numerusform>%n archivo está en cuarentena por haberse descargado. Esto ejecuta por ti el comando de Terminal de abajo.</numerusform>
            <numerusform>%n archivos están en cuarentena por haberse descargado. Esto ejecuta por ti el comando de Terminal de abajo.</numerusform>
        </translation>
    </message>
    <message>
        <source>No quarantine flags on the modding files — Gatekeeper won't interfere.</source>
        <translation>Sin marcas de cuarentena en los archivos de mods — Gatekeeper no molestará.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Encontrado en tus ajustes de Steam — Valheim se inicia a través de BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx's script.</source>
        <translation>El único paso manual: Steam tiene que iniciar el juego con el script de BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Inicio con mods confirmado — BepInEx escribió su registro por última vez el %1.</translation>
    </message>
    <message>
        <source>BepInEx's last log comes from the Windows build under Proton, not the native game.</source>
        <translation>El último registro de BepInEx viene de la versión de Windows con Proton, no del juego nativo.</translation>
    </message>
    <message>
        <source>Start the game once. When BepInEx loads, it writes BepInEx/LogOutput.log — that file is the proof.</source>
        <translation>Inicia el juego una vez. Cuando BepInEx carga, escribe BepInEx/LogOutput.log — ese archivo es la prueba.</translation>
    </message>
    <message>
        <source>Tip: if a game update breaks mods, re-run steps 3–5.</source>
        <translation>Consejo: si una actualización del juego rompe los mods, repite los pasos 3–5.</translation>
    </message>
</context>
<context>
    <name>TSPackage</name>
    <message>
        <source>%1 has no version %2; the newest are %3.</source>
        <translation>%1 no tiene la versión %2; las más recientes son %3.</translation>
    </message>
</context>
<context>
    <name>TSSorts</name>
    <message>
        <source>Popular</source>
        <translation>Populares</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Más recientes</translation>
    </message>
    <message>
        <source>Top Rated</source>
        <translation>Mejor valorados</translation>
    </message>
    <message>
        <source>A–Z</source>
        <translation>A–Z</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalados</translation>
    </message>
</context>
<context>
    <name>ThunderstoreStore</name>
    <message>
        <source>Loading the Thunderstore catalog…</source>
        <translation>Cargando el catálogo de Thunderstore…</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Actualizado ahora mismo</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n min ago</source>
        <translation>
            <numerusform>Actualizado hace %n min</numerusform>
            <numerusform>Actualizado hace %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n h ago</source>
        <translation>
            <numerusform>Actualizado hace %n h</numerusform>
            <numerusform>Actualizado hace %n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n days ago</source>
        <translation>
            <numerusform>Actualizado hace %n día</numerusform>
            <numerusform>Actualizado hace %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods (%2)</source>
        <translation>
            <numerusform>%1 · %Ln mod (%2)</numerusform>
            <numerusform>%1 · %Ln mods (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %Ln mods</source>
        <translation>
            <numerusform>%1 · %Ln mod</numerusform>
            <numerusform>%1 · %Ln mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Couldn't load the catalog: %1</source>
        <translation>No se pudo cargar el catálogo: %1</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Couldn't move to the Trash “%1”: it no longer exists.</source>
        <translation>No se pudo mover «%1» a la Papelera: ya no existe.</translation>
    </message>
    <message>
        <source>Couldn't move to the Trash “%1”: the Trash refused it.</source>
        <translation>No se pudo mover «%1» a la Papelera: la Papelera lo rechazó.</translation>
    </message>
    <message>
        <source>Couldn't move to the Trash “%1”: the Trash folder isn't available.</source>
        <translation>No se pudo mover «%1» a la Papelera: la carpeta de la Papelera no está disponible.</translation>
    </message>
</context>
<context>
    <name>UpdatesSheet</name>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n actualización</numerusform>
            <numerusform>%n actualizaciones</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Update %n mods</source>
        <translation>
            <numerusform>Actualizar %n mod</numerusform>
            <numerusform>Actualizar %n mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionPickerSheet</name>
    <message>
        <source>Install Version</source>
        <translation>Instalar versión</translation>
    </message>
    <message>
        <source>Install a version of %1</source>
        <translation>Instalar una versión de %1</translation>
    </message>
    <message>
        <source>Don't offer updates for %1</source>
        <translation>No ofrecer actualizaciones de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
</TS>