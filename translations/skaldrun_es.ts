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
    <name>AppState</name>
    <message>
        <source>Copying %1 into a new profile…</source>
        <translation>Copiando %1 en un perfil nuevo…</translation>
    </message>
    <message>
        <source>Creating profile %1…</source>
        <translation>Creando el perfil %1…</translation>
    </message>
    <message>
        <source>Created profile %1</source>
        <translation>Perfil %1 creado</translation>
    </message>
    <message>
        <source>Renaming profile %1…</source>
        <translation>Renombrando el perfil %1…</translation>
    </message>
    <message>
        <source>Renamed profile %1 to %2</source>
        <translation>Perfil %1 renombrado a %2</translation>
    </message>
    <message>
        <source>Moving profile %1 to the Trash…</source>
        <translation>Moviendo el perfil %1 a la Papelera…</translation>
    </message>
    <message>
        <source>Moved profile %1 to Trash</source>
        <translation>Perfil %1 movido a la Papelera</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Cierra Valheim primero: cambiar de perfil con el juego abierto le quitaría los mods en plena partida.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Cambiando al perfil %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Cambiado al perfil %1</translation>
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
    <name>Catalog</name>
    <message>
        <source>The catalog is empty.</source>
        <translation>El catálogo está vacío.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a package: write Owner-Name or Owner-Name-1.2.3.</source>
        <translation>«%1» no es un paquete: escribe Owner-Name u Owner-Name-1.2.3.</translation>
    </message>
    <message>
        <source>The catalog has no package “%1”.</source>
        <translation>El catálogo no tiene ningún paquete «%1».</translation>
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
        <translation>Prepara Valheim con BepInEx y gestiona sus mods desde una terminal o un script,
con el mismo modelo que la ventana de Skaldrun.

Comandos:
  status                        los siete pasos de configuración, hechos o no, y el número de mods
  list                          mods instalados: versión, repositorio, activado, actualización, dependencias que faltan
  search QUERY                  ambos repositorios, los más populares primero (o --sort newest|rating|name)
  install PACKAGE...            Owner-Name, u Owner-Name-1.2.3 para esa versión, con sus dependencias;
                                el paquete de BepInEx instala el cargador de mods (también en la carpeta de un servidor)
  update [--all | NAME...]      cada mod con una versión más nueva en el catálogo, o los indicados, manteniendo
                                su estado y sus archivos de configuración (los mods fijados a una versión se quedan)
  enable NAME...                activa mods
  disable NAME...               desactiva mods, sin desinstalarlos
  remove NAME...                mueve mods a la Papelera (--delete: los borra para siempre)
  config list MOD               los ajustes de un mod, como ARCHIVO: Sección.Clave = valor
  config get FILE KEY           un ajuste (KEY es Sección.Clave, o una clave que solo tiene una sección)
  config set FILE KEY VALUE     cambia un ajuste, comprobado como en el editor de la ventana
  saves backup                  hace una copia de seguridad de los mundos y personajes
  saves restore                 los restaura desde la copia más reciente
  profile list                  los perfiles (conjuntos de mods) de la carpeta del juego, con el activo marcado
  profile new NAME              un perfil nuevo vacío (--copy: una copia del activo)
  profile switch NAME           hace de NAME el perfil activo
  profile export [--file F.r2z | --code]  los mods y sus configuraciones como archivo .r2z o código de perfil
  profile import CODE|FILE [--name N | --replace]
                                el perfil de r2modman o Gale de un amigo, como perfil nuevo o en este
  doctor                        el último inicio: qué cargó, qué no y por qué (también en la carpeta de
                                un servidor); estado de salida 1 si un mod no cargó

El progreso va a stderr y los resultados a stdout. Estado de salida: 0 hecho, 1 fallido (el motivo
en stderr), 2 mal usado (con este texto).</translation>
    </message>
    <message>
        <source>The Valheim folder: a Mac or Linux client&apos;s, or a dedicated server&apos;s (default: the one found before).</source>
        <translation>La carpeta de Valheim: la de un juego de Mac o Linux, o la de un servidor dedicado (por defecto: la encontrada antes).</translation>
    </message>
    <message>
        <source>status, list, search, doctor: JSON on stdout.</source>
        <translation>status, list, search, doctor: JSON en stdout.</translation>
    </message>
    <message>
        <source>search: popular, newest, rating or name.</source>
        <translation>search: popular, newest, rating o name.</translation>
    </message>
    <message>
        <source>update: every mod (the default).</source>
        <translation>update: todos los mods (por defecto).</translation>
    </message>
    <message>
        <source>update: list what would change.</source>
        <translation>update: muestra lo que cambiaría.</translation>
    </message>
    <message>
        <source>remove: delete for good, not to the Trash.</source>
        <translation>remove: borra para siempre, no a la Papelera.</translation>
    </message>
    <message>
        <source>profile new: start from a copy of the active profile.</source>
        <translation>profile new: empieza con una copia del perfil activo.</translation>
    </message>
    <message>
        <source>profile export: the .r2z to write.</source>
        <translation>profile export: el .r2z que se escribe.</translation>
    </message>
    <message>
        <source>profile export: a profile code.</source>
        <translation>profile export: un código de perfil.</translation>
    </message>
    <message>
        <source>profile import: into this profile, replacing its mods.</source>
        <translation>profile import: en este perfil, reemplazando sus mods.</translation>
    </message>
    <message>
        <source>profile import: the new profile&apos;s name (the pack&apos;s own by default).</source>
        <translation>profile import: el nombre del perfil nuevo (por defecto, el del paquete).</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Uno de los comandos de arriba.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Indica un comando.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a Valheim folder: it holds neither the game nor a dedicated server.</source>
        <translation>%1 no es una carpeta de Valheim: no contiene ni el juego ni un servidor dedicado.</translation>
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
    <name>Commands</name>
    <message>
        <source>No installed mod is called “%1”.</source>
        <translation>Ningún mod instalado se llama «%1».</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Carpeta del juego: %1</translation>
    </message>
    <message>
        <source>Game folder: not found</source>
        <translation>Carpeta del juego: no encontrada</translation>
    </message>
    <message>
        <source>This is Valheim&apos;s Windows build (valheim.exe), which Steam runs through Proton; for BepInEx to load, set its launch options to: %1</source>
        <translation>Esta es la versión de Windows de Valheim (valheim.exe), que Steam ejecuta con Proton; para que BepInEx cargue, pon sus opciones de lanzamiento en: %1</translation>
    </message>
    <message>
        <source>[n/a ] %1 (not needed)</source>
        <translation>[n/a ] %1 (no hace falta)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of 7 steps done · %n mods, %2 enabled</source>
        <translation>
            <numerusform>%1 de 7 pasos hechos · %n mod, %2 activado(s)</numerusform>
            <numerusform>%1 de 7 pasos hechos · %n mods, %2 activado(s)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Updates and dependencies aren&apos;t shown.</source>
        <translation>%1 No se muestran las actualizaciones ni las dependencias.</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (desactivado)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>update: %1</source>
        <translation>actualización: %1</translation>
    </message>
    <message>
        <source>no updates offered</source>
        <translation>sin actualizaciones</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>falta: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 · %3 · %n downloads · %4</source>
        <translation>
            <numerusform>%1 %2 · %3 · %n descarga · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n descargas · %4</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the catalog.</source>
        <translation>%1 no está en el catálogo.</translation>
    </message>
    <message>
        <source>%1 is kept at its version; no updates are offered.</source>
        <translation>%1 se mantiene en su versión; no se ofrecen actualizaciones.</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 está actualizado.</translation>
    </message>
    <message>
        <source>Nothing to update.</source>
        <translation>No hay nada que actualizar.</translation>
    </message>
    <message>
        <source>%1 has no setting “%2”.</source>
        <translation>%1 no tiene el ajuste «%2».</translation>
    </message>
    <message>
        <source>%1 has “%2” in several sections; write Section.Key, e.g. %3.%2.</source>
        <translation>%1 tiene «%2» en varias secciones; escribe Sección.Clave, p. ej. %3.%2.</translation>
    </message>
    <message>
        <source>There is no config file “%1” in %2.</source>
        <translation>No hay ningún archivo de configuración «%1» en %2.</translation>
    </message>
    <message>
        <source>%1.%2 = %3 in %4</source>
        <translation>%1.%2 = %3 en %4</translation>
    </message>
    <message>
        <source>There is no save backup to restore.</source>
        <translation>No hay ninguna copia de seguridad que restaurar.</translation>
    </message>
    <message>
        <source>“--file”, “--code”, “--name” and “--replace” belong to profile export and import.</source>
        <translation>«--file», «--code», «--name» y «--replace» son de profile export e import.</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>Comando desconocido «%1».</translation>
    </message>
    <message>
        <source>Wrong number of words after “%1”.</source>
        <translation>Número de palabras incorrecto después de «%1».</translation>
    </message>
    <message>
        <source>“--%1” means nothing to “%2”.</source>
        <translation>«--%1» no significa nada para «%2».</translation>
    </message>
    <message>
        <source>Sort by popular, newest, rating or name, not “%1”.</source>
        <translation>Ordena por popular, newest, rating o name, no «%1».</translation>
    </message>
    <message>
        <source>Give “--all” or mod names, not both.</source>
        <translation>Indica «--all» o nombres de mods, no ambos.</translation>
    </message>
    <message>
        <source>Write config list MOD, config get FILE KEY or config set FILE KEY VALUE.</source>
        <translation>Escribe config list MOD, config get FILE KEY o config set FILE KEY VALUE.</translation>
    </message>
    <message>
        <source>Write saves backup or saves restore.</source>
        <translation>Escribe saves backup o saves restore.</translation>
    </message>
    <message>
        <source>%1 Give --delete to delete it for good instead.</source>
        <translation>%1 Añade --delete para borrarlo para siempre.</translation>
    </message>
    <message>
        <source>Last launch: %1</source>
        <translation>Último inicio: %1</translation>
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
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n vez)</numerusform>
            <numerusform>[%1] %2 (%n veces)</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every mod loaded in the last launch.</source>
        <translation>No todos los mods cargaron en el último inicio.</translation>
    </message>
    <message>
        <source>There is no log of a launch with mods.</source>
        <translation>No hay ningún registro de un inicio con mods.</translation>
    </message>
    <message>
        <source>Write profile list, profile new NAME [--copy] or profile switch NAME.</source>
        <translation>Escribe profile list, profile new NAME [--copy] o profile switch NAME.</translation>
    </message>
    <message>
        <source>“--copy” means something only to “profile new”.</source>
        <translation>«--copy» solo significa algo para «profile new».</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1 (activo)</translation>
    </message>
</context>
<context>
    <name>ConfigEditorSheet</name>
    <message>
        <source>Search settings</source>
        <translation>Buscar ajustes</translation>
    </message>
    <message>
        <source>Revert to Original</source>
        <translation>Volver al original</translation>
    </message>
    <message>
        <source>Restore the config as it was before any edits made here</source>
        <translation>Restaura la configuración tal como estaba antes de cualquier cambio hecho aquí</translation>
    </message>
    <message>
        <source>Changes apply the next time Valheim starts.</source>
        <translation>Los cambios se aplican la próxima vez que inicie Valheim.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>No config file found.</source>
        <translation>No se encontró ningún archivo de configuración.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Revert to original settings?</source>
        <translation>¿Volver a los ajustes originales?</translation>
    </message>
    <message>
        <source>This restores %1 to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Esto devuelve %1 a la copia guardada cuando lo abriste aquí por primera vez. Perderás tus valores personalizados.</translation>
    </message>
    <message>
        <source>This restores the file to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Esto devuelve el archivo a la copia guardada cuando lo abriste aquí por primera vez. Perderás tus valores personalizados.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Couldn&apos;t save</source>
        <translation>No se pudo guardar</translation>
    </message>
    <message>
        <source>No settings found in this file.</source>
        <translation>No se encontraron ajustes en este archivo.</translation>
    </message>
    <message>
        <source>No settings match “%1”.</source>
        <translation>Ningún ajuste coincide con «%1».</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
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
    <name>GameUpdateBanner</name>
    <message>
        <source>Back Up Saves</source>
        <translation>Hacer copia de seguridad</translation>
    </message>
    <message>
        <source>Switch Them Off</source>
        <translation>Desactivarlos</translation>
    </message>
    <message>
        <source>Back up your saves before you play on.</source>
        <translation>Haz una copia de seguridad de tus mundos y personajes antes de seguir jugando.</translation>
    </message>
    <message numerus="yes">
        <source>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</source>
        <translation>
            <numerusform>%n mod no cargó tras la actualización. Primero haz una copia de seguridad; luego actualízalo o desactívalo hasta que su autor se ponga al día.</numerusform>
            <numerusform>%n mods no cargaron tras la actualización. Primero haz una copia de seguridad; luego actualízalos o desactívalos hasta que sus autores se pongan al día.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n Mods</source>
        <translation>
            <numerusform>Actualizar %n mod</numerusform>
            <numerusform>Actualizar %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>Update BepInEx to %1</source>
        <translation>Actualizar BepInEx a %1</translation>
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
    <name>LaunchLine</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Last launch %1 · %2</source>
        <translation>Último inicio %1 · %2</translation>
    </message>
    <message>
        <source>Last launch · %1</source>
        <translation>Último inicio · %1</translation>
    </message>
</context>
<context>
    <name>LaunchSheet</name>
    <message>
        <source>Last launch</source>
        <translation>Último inicio</translation>
    </message>
    <message>
        <source>Copy for Discord</source>
        <translation>Copiar para Discord</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>servidor %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n vez)</numerusform>
            <numerusform>[%1] %2 (%n veces)</numerusform>
        </translation>
    </message>
    <message>
        <source>What the mods wrote themselves:
%1</source>
        <translation>Lo que escribieron los propios mods:
%1</translation>
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
    <name>ModsPane</name>
    <message numerus="yes">
        <source>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</source>
        <translation>
            <numerusform>%n mod está apartado fuera de la carpeta de plugins. Devuélvelo cuando hayas hecho la captura.</numerusform>
            <numerusform>%n mods están apartados fuera de la carpeta de plugins. Devuélvelos cuando hayas hecho la captura.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your game folder…</source>
        <translation>Leyendo la carpeta del juego…</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalados</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Explorar</translation>
    </message>
    <message>
        <source>Open BepInEx/plugins in Finder</source>
        <translation>Abrir BepInEx/plugins en el Finder</translation>
    </message>
    <message>
        <source>Open the Plugins Folder</source>
        <translation>Abrir la carpeta de plugins</translation>
    </message>
    <message>
        <source>Shader-cache capture in progress</source>
        <translation>Captura de la caché de shaders en curso</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Devolver los mods</translation>
    </message>
    <message>
        <source>No mod loader yet</source>
        <translation>Aún no hay cargador de mods</translation>
    </message>
    <message>
        <source>Work through the setup steps on the left. Once BepInEx is installed, your mods show up here.</source>
        <translation>Sigue los pasos de configuración de la izquierda. Cuando BepInEx esté instalado, tus mods aparecerán aquí.</translation>
    </message>
    <message>
        <source>No mods installed</source>
        <translation>No hay mods instalados</translation>
    </message>
    <message>
        <source>Switch to Browse to search Thunderstore, or drop a mod .zip below.</source>
        <translation>Cambia a Explorar para buscar en Thunderstore, o suelta abajo el .zip de un mod.</translation>
    </message>
    <message>
        <source>donate</source>
        <translation>donar</translation>
    </message>
    <message>
        <source>Support Skaldrun&apos;s development</source>
        <translation>Apoya el desarrollo de Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n enabled</source>
        <translation>
            <numerusform>%1 de %n activados</numerusform>
            <numerusform>%1 de %n activados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n actualización</numerusform>
            <numerusform>%n actualizaciones</numerusform>
        </translation>
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
    <name>Profiles</name>
    <message>
        <source>There is no profile called “%1”.</source>
        <translation>No hay ningún perfil llamado «%1».</translation>
    </message>
    <message>
        <source>Some mods are still moved aside for the shader capture; bring them back first.</source>
        <translation>Algunos mods siguen apartados para la captura de shaders; devuélvelos primero.</translation>
    </message>
    <message>
        <source>The copy of %1 came out different from the original.</source>
        <translation>La copia de %1 no coincide con el original.</translation>
    </message>
    <message>
        <source>The record of an interrupted profile switch in %1 is damaged; nothing was moved.</source>
        <translation>El registro de un cambio de perfil interrumpido en %1 está dañado; no se movió nada.</translation>
    </message>
    <message>
        <source>%1 holds a folder named like the profile in use; move it away and try again.</source>
        <translation>%1 contiene una carpeta con el nombre del perfil en uso; muévela a otro sitio y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Give the profile a name.</source>
        <translation>Ponle un nombre al perfil.</translation>
    </message>
    <message>
        <source>A profile name can't start or end with a space.</source>
        <translation>El nombre de un perfil no puede empezar ni terminar con un espacio.</translation>
    </message>
    <message>
        <source>A profile name can't start with a dot.</source>
        <translation>El nombre de un perfil no puede empezar con un punto.</translation>
    </message>
    <message>
        <source>A profile name can't contain “/”, “\”, “:” or control characters.</source>
        <translation>El nombre de un perfil no puede contener «/», «\», «:» ni caracteres de control.</translation>
    </message>
    <message>
        <source>A profile name can have at most %1 characters.</source>
        <translation>El nombre de un perfil puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>There is already a profile called “%1”.</source>
        <translation>Ya hay un perfil llamado «%1».</translation>
    </message>
    <message>
        <source>“%1” is the profile in use; switch to another one before deleting it.</source>
        <translation>«%1» es el perfil en uso; cambia a otro antes de borrarlo.</translation>
    </message>
    <message>
        <source>Couldn't switch to “%1”: %2</source>
        <translation>No se pudo cambiar a «%1»: %2</translation>
    </message>
    <message>
        <source>Couldn't switch to “%1”: %2 “%3” is still active.</source>
        <translation>No se pudo cambiar a «%1»: %2 «%3» sigue activo.</translation>
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
    <name>Session</name>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library; name its folder with --game.</source>
        <translation>No se encontró Valheim en ninguna biblioteca de Steam; indica su carpeta con --game.</translation>
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
    <name>Share</name>
    <message>
        <source>Write profile export --file F.r2z or profile export --code.</source>
        <translation>Escribe profile export --file F.r2z o profile export --code.</translation>
    </message>
    <message>
        <source>Write profile import CODE or profile import FILE, with --name N for the new profile or --replace to import into this one.</source>
        <translation>Escribe profile import CODE o profile import FILE, con --name N para el perfil nuevo o --replace para importar en este.</translation>
    </message>
    <message>
        <source>“--replace” means nothing to an export.</source>
        <translation>«--replace» no significa nada para una exportación.</translation>
    </message>
    <message>
        <source>“--name” names the new profile an import makes; it goes without “--replace”.</source>
        <translation>«--name» da nombre al perfil nuevo que crea una importación; no va con «--replace».</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>No hay nada que importar.</translation>
    </message>
    <message>
        <source>%1 %2 (disabled)</source>
        <translation>%1 %2 (desactivado)</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
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