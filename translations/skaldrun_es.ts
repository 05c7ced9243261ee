<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlertPresenter</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>Hay otra acción en curso («%1»); vuelve a abrir el perfil cuando termine.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Leyendo %1…</translation>
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
        <source>Couldn&apos;t load the Thunderstore catalog.</source>
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
        <source>part %1 of its catalog didn&apos;t arrive (%2)</source>
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
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>El valor de «%1» no puede contener un salto de línea.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>El valor de «%1» no puede terminar en «]»: la línea se leería como el encabezado de una sección.</translation>
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
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Más</translation>
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
        <source>Launch Valheim vanilla — mods stay installed but don&apos;t load</source>
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
        <source>Very long, so shortened here; the rest is on the package&apos;s page.</source>
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
        <source>Edit this mod&apos;s settings</source>
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
        <source>Couldn&apos;t load the readme: %1</source>
        <translation>No se pudo cargar el readme: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: %1</source>
        <translation>No se pudo cargar el registro de cambios: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the readme: the repository answered %1.</source>
        <translation>No se pudo cargar el readme: el repositorio respondió %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: the repository answered %1.</source>
        <translation>No se pudo cargar el registro de cambios: el repositorio respondió %1.</translation>
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
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can&apos;t contaminate the baseline.</source>
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
        <source>Copies every world and character to this app&apos;s backup folder</source>
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
        <source>Overwrites current saves with the latest backup&apos;s versions</source>
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
        <source>Some mods ship Windows-only shaders that Metal can&apos;t render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
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
        <source>I&apos;ve added it — mark this step done</source>
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
        <source>BepInEx&apos;s injector is Intel-only, so Apple Silicon needs Apple&apos;s Rosetta 2 translation layer.</source>
        <translation>El inyector de BepInEx es solo para Intel, así que Apple Silicon necesita la capa de traducción Rosetta 2 de Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 está en la carpeta del juego y %2 está listo.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can&apos;t start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 es de un pack anterior a 5.4.2331 y ya no puede iniciar BepInEx a través de Steam — actualiza el pack.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn&apos;t executable yet.</source>
        <translation>Los archivos de BepInEx están, pero %1 aún no es ejecutable.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Los archivos de BepInEx están, pero %1 aún necesita sus arreglos para Mac (permiso de ejecución + nombre del juego).</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Descarga el BepInExPack para Valheim de denikson desde Thunderstore y lo descomprime en la carpeta del juego.</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
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
        <source>The launch script starts the game&apos;s Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>El script de inicio arranca la versión Intel (x86_64) del juego, así BepInEx carga con Rosetta.</translation>
    </message>
    <message>
        <source>Valheim&apos;s Mac app is Universal and would run natively, where BepInEx can&apos;t load — the fix makes the launch script start its Intel build.</source>
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
        <source>Linux doesn&apos;t quarantine downloads.</source>
        <translation>Linux no pone las descargas en cuarentena.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS&apos;s quarantine flag so Gatekeeper doesn&apos;t block the injector.</source>
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
        <source>No quarantine flags on the modding files — Gatekeeper won&apos;t interfere.</source>
        <translation>Sin marcas de cuarentena en los archivos de mods — Gatekeeper no molestará.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Encontrado en tus ajustes de Steam — Valheim se inicia a través de BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx&apos;s script.</source>
        <translation>El único paso manual: Steam tiene que iniciar el juego con el script de BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Inicio con mods confirmado — BepInEx escribió su registro por última vez el %1.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s last log comes from the Windows build under Proton, not the native game.</source>
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
        <source>Couldn&apos;t load the catalog: %1</source>
        <translation>No se pudo cargar el catálogo: %1</translation>
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
        <source>Don&apos;t offer updates for %1</source>
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
