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
        <translation>Cierra Valheim primero: cambiar de perfil con el juego abierto le quitaría los mods mientras se ejecuta.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Cambiando al perfil %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Cambiado al perfil %1</translation>
    </message>
    <message>
        <source>%1 Download it from %2 yourself and drop the .zip anywhere on this window.</source>
        <translation>%1 Descárgalo tú mismo desde %2 y suelta el .zip en cualquier parte de esta ventana.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore for %1 (%2). Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>No se pudo contactar con Thunderstore para %1 (%2). Descárgalo tú mismo desde %3 y suelta el .zip en cualquier parte de esta ventana.</translation>
    </message>
    <message>
        <source>Thunderstore&apos;s answer about %1 (HTTP %2) names no download; try again later. Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>La respuesta de Thunderstore sobre %1 (HTTP %2) no incluye ninguna descarga; inténtalo más tarde. Descárgalo tú mismo desde %3 y suelta el .zip en cualquier parte de esta ventana.</translation>
    </message>
    <message>
        <source>Downloading %1 %2…</source>
        <translation>Descargando %1 %2…</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Descargando %1…</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>La descarga falló: %1</translation>
    </message>
    <message>
        <source>Installing %1…</source>
        <translation>Instalando %1…</translation>
    </message>
    <message>
        <source>Install failed: %1</source>
        <translation>La instalación falló: %1</translation>
    </message>
    <message>
        <source>Another change of this game folder is under way (“%1”); try again when it has finished.</source>
        <translation>Ya hay otro cambio en curso en esta carpeta del juego («%1»); inténtalo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>Found Valheim at %1</source>
        <translation>Valheim encontrado en %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library. Install it through Steam first, or choose its folder manually.</source>
        <translation>No se encontró Valheim en ninguna biblioteca de Steam. Instálalo primero desde Steam o elige su carpeta manualmente.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Select the Valheim game folder (the one containing %1)</source>
        <translation>Selecciona la carpeta del juego de Valheim (la que contiene %1)</translation>
    </message>
    <message>
        <source>Installing Rosetta 2… this can take a minute</source>
        <translation>Instalando Rosetta 2… puede tardar un minuto</translation>
    </message>
    <message>
        <source>Rosetta 2 installed</source>
        <translation>Rosetta 2 instalado</translation>
    </message>
    <message>
        <source>Rosetta 2 install didn&apos;t finish (exit %1).
%2
Run this in Terminal instead:
%3</source>
        <translation>La instalación de Rosetta 2 no terminó (código %1).
%2
Ejecuta esto en Terminal en su lugar:
%3</translation>
    </message>
    <message>
        <source>Contacting Thunderstore…</source>
        <translation>Contactando con Thunderstore…</translation>
    </message>
    <message>
        <source>Choose the BepInExPack_Valheim .zip you downloaded</source>
        <translation>Elige el .zip de BepInExPack_Valheim que descargaste</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Instalando…</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the launch script: %1</source>
        <translation>No se pudo actualizar el script de inicio: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be made to start the game&apos;s Intel build: it isn&apos;t the script of a BepInEx pack from 5.4.2331 on. Reinstall BepInEx in step 3; its new script gets the fix as it goes in.</source>
        <translation>%1 no se puede adaptar para iniciar la versión Intel del juego: no es el script de un paquete de BepInEx 5.4.2331 o posterior. Reinstala BepInEx en el paso 3; su nuevo script recibe la corrección al instalarse.</translation>
    </message>
    <message>
        <source>Made %1 executable</source>
        <translation>%1 ahora es ejecutable</translation>
    </message>
    <message>
        <source>Updated %1 for this Mac</source>
        <translation>%1 actualizado para este Mac</translation>
    </message>
    <message>
        <source>Clearing quarantine flags…</source>
        <translation>Quitando las marcas de cuarentena…</translation>
    </message>
    <message>
        <source>No quarantine flags found</source>
        <translation>No se encontraron marcas de cuarentena</translation>
    </message>
    <message numerus="yes">
        <source>Removed quarantine from %n files</source>
        <translation>
            <numerusform>Cuarentena quitada de %n archivo</numerusform>
            <numerusform>Cuarentena quitada de %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Launch options copied — paste them into Steam</source>
        <translation>Opciones de lanzamiento copiadas: pégalas en Steam</translation>
    </message>
    <message>
        <source>Asked Steam to launch Valheim</source>
        <translation>Se pidió a Steam que inicie Valheim</translation>
    </message>
    <message>
        <source>Start Steam first — Valheim needs it running even for a vanilla launch.</source>
        <translation>Abre Steam primero: Valheim lo necesita abierto incluso para jugar vanilla.</translation>
    </message>
    <message>
        <source>Couldn&apos;t launch Valheim directly: %1</source>
        <translation>No se pudo iniciar Valheim directamente: %1</translation>
    </message>
    <message>
        <source>Launched Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Valheim iniciado vanilla: los mods siguen instalados, pero no se cargan</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1).</source>
        <translation>Primero localiza tu carpeta de Valheim (paso 1).</translation>
    </message>
    <message>
        <source>Preparing %1…</source>
        <translation>Preparando %1…</translation>
    </message>
    <message>
        <source>%1 is installed already</source>
        <translation>%1 ya está instalado</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1), then drop mods here.</source>
        <translation>Primero localiza tu carpeta de Valheim (paso 1) y luego suelta los mods aquí.</translation>
    </message>
    <message numerus="yes">
        <source>Installing %n items…</source>
        <translation>
            <numerusform>Instalando %n elemento…</numerusform>
            <numerusform>Instalando %n elementos…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 enabled</source>
        <translation>
            <numerusform>%1 activado</numerusform>
            <numerusform>%1 activados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 disabled</source>
        <translation>
            <numerusform>%1 desactivado</numerusform>
            <numerusform>%1 desactivados</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t toggle %1: %2</source>
        <translation>No se pudo activar o desactivar %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove %1: %2</source>
        <translation>No se pudo quitar %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 to Trash</source>
        <translation>
            <numerusform>%1 movido a la Papelera</numerusform>
            <numerusform>%1 movidos a la Papelera</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 eliminado</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete all of %1 (%2).</source>
        <translation>No se pudo eliminar %1 por completo (%2).</translation>
    </message>
    <message>
        <source>Saved settings for %1</source>
        <translation>Ajustes de %1 guardados</translation>
    </message>
    <message>
        <source>Couldn&apos;t revert: %1</source>
        <translation>No se pudo revertir: %1</translation>
    </message>
    <message>
        <source>Restored original settings for %1</source>
        <translation>Ajustes originales de %1 restaurados</translation>
    </message>
    <message>
        <source>Quit Valheim first — backing up while the game is running can capture a half-written save.</source>
        <translation>Cierra Valheim primero: hacer una copia de seguridad con el juego abierto puede capturar una partida a medio guardar.</translation>
    </message>
    <message>
        <source>Backing up worlds and characters…</source>
        <translation>Haciendo copia de seguridad de mundos y personajes…</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n save files</source>
        <translation>
            <numerusform>Copia de seguridad hecha: %n archivo de partida</numerusform>
            <numerusform>Copia de seguridad hecha: %n archivos de partida</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</source>
        <translation>
            <numerusform>Copia de seguridad hecha: %1; %n enlace de la carpeta de partidas no lleva a ninguna parte, así que no se quitó ninguna copia anterior</numerusform>
            <numerusform>Copia de seguridad hecha: %1; %n enlaces de la carpeta de partidas no llevan a ninguna parte, así que no se quitó ninguna copia anterior</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n save files</source>
        <translation>
            <numerusform>%n archivo de partida</numerusform>
            <numerusform>%n archivos de partida</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Valheim first — restoring while the game is running would corrupt the save.</source>
        <translation>Cierra Valheim primero: restaurar con el juego abierto corrompería la partida.</translation>
    </message>
    <message>
        <source>Restoring worlds and characters…</source>
        <translation>Restaurando mundos y personajes…</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n save files from the backup</source>
        <translation>
            <numerusform>%n archivo de partida restaurado desde la copia de seguridad</numerusform>
            <numerusform>%n archivos de partida restaurados desde la copia de seguridad</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t move mods aside: %1</source>
        <translation>No se pudieron apartar los mods: %1</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n mods aside — capture command copied to clipboard</source>
        <translation>
            <numerusform>%n mod apartado: comando de captura copiado al portapapeles</numerusform>
            <numerusform>%n mods apartados: comando de captura copiado al portapapeles</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restore mods: %1</source>
        <translation>No se pudieron restaurar los mods: %1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n mods — relaunch Valheim to play modded</source>
        <translation>
            <numerusform>%n mod restaurado: vuelve a iniciar Valheim para jugar con mods</numerusform>
            <numerusform>%n mods restaurados: vuelve a iniciar Valheim para jugar con mods</numerusform>
        </translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so %1 can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>El catálogo de mods no se ha cargado, así que aún no se puede buscar %1: inténtalo de nuevo cuando Explorar muestre mods.</translation>
    </message>
    <message>
        <source>Neither Thunderstore nor Hexium has %1 — if you have its .zip, drop it anywhere on this window.</source>
        <translation>Ni Thunderstore ni Hexium tienen %1: si tienes su .zip, suéltalo en cualquier parte de esta ventana.</translation>
    </message>
    <message>
        <source>The last launch&apos;s summary is copied — paste it into Discord</source>
        <translation>El resumen del último inicio está copiado: pégalo en Discord</translation>
    </message>
    <message>
        <source>Quit Steam first — it rewrites its settings when it quits, so launch options written while it runs would be lost.</source>
        <translation>Cierra Steam primero: reescribe sus ajustes al cerrarse, así que las opciones de lanzamiento escritas mientras está abierto se perderían.</translation>
    </message>
    <message>
        <source>Couldn&apos;t tell which Steam account plays Valheim. Sign in to Steam once, quit it, then try again — or paste the launch options yourself.</source>
        <translation>No se pudo saber qué cuenta de Steam juega a Valheim. Inicia sesión en Steam una vez, ciérralo y vuelve a intentarlo, o pega tú mismo las opciones de lanzamiento.</translation>
    </message>
    <message>
        <source>Setting Valheim&apos;s launch options in Steam…</source>
        <translation>Configurando las opciones de lanzamiento de Valheim en Steam…</translation>
    </message>
    <message>
        <source>Launch options set in Steam</source>
        <translation>Opciones de lanzamiento configuradas en Steam</translation>
    </message>
    <message>
        <source>Launch options set in Steam (the previous settings are kept in %1)</source>
        <translation>Opciones de lanzamiento configuradas en Steam (los ajustes anteriores se guardan en %1)</translation>
    </message>
    <message>
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>Hay otra acción en curso («%1»); vuelve a abrir el perfil cuando termine.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Leyendo %1…</translation>
    </message>
    <message>
        <source>%1 is far larger than any profile.</source>
        <translation>%1 es mucho más grande que cualquier perfil.</translation>
    </message>
    <message>
        <source>Choose a profile (.r2z or export.r2x) to import</source>
        <translation>Elige un perfil (.r2z o export.r2x) para importar</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code: codes look like 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</source>
        <translation>Eso no es un código de perfil: los códigos son así: 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</translation>
    </message>
    <message>
        <source>Fetching the profile code…</source>
        <translation>Obteniendo el código de perfil…</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t hand out that profile code (HTTP %2).</source>
        <translation>%1 no pudo entregar ese código de perfil (HTTP %2).</translation>
    </message>
    <message numerus="yes">
        <source>Read the profile “%1”: %n mods</source>
        <translation>
            <numerusform>Perfil «%1» leído: %n mod</numerusform>
            <numerusform>Perfil «%1» leído: %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore or Hexium for that code: %1</source>
        <translation>No se pudo contactar con Thunderstore ni con Hexium para ese código: %1</translation>
    </message>
    <message>
        <source>That profile code wasn&apos;t found — it may have expired or been mistyped.</source>
        <translation>No se encontró ese código de perfil: puede que haya caducado o esté mal escrito.</translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so the pack&apos;s mods can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>El catálogo de mods no se ha cargado, así que aún no se pueden buscar los mods del paquete: inténtalo de nuevo cuando Explorar muestre mods.</translation>
    </message>
    <message>
        <source>None of the mods of “%1” is on Thunderstore or Hexium for Valheim — it&apos;s a profile for another game, so nothing was imported.</source>
        <translation>Ninguno de los mods de «%1» está en Thunderstore ni en Hexium para Valheim: es un perfil de otro juego, así que no se importó nada.</translation>
    </message>
    <message>
        <source>Quit Valheim first — importing over this profile while the game runs would change its mods under it.</source>
        <translation>Cierra Valheim primero: importar sobre este perfil con el juego abierto cambiaría sus mods mientras se ejecuta.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import cancelled — nothing was changed.</source>
        <translation>Importación cancelada: no se cambió nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t download %1 — nothing was changed.</source>
        <translation>No se pudo descargar %1: no se cambió nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — you&apos;re back on profile %2. %3</source>
        <translation>No se pudo importar %1: vuelves a estar en el perfil %2. %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — nothing was changed. %2</source>
        <translation>No se pudo importar %1: no se cambió nada. %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2</source>
        <translation>
            <numerusform>Mods importados al nuevo perfil %2: %1 de %n</numerusform>
            <numerusform>Mods importados al nuevo perfil %2: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2; not found: %3</source>
        <translation>
            <numerusform>Mods importados al nuevo perfil %2: %1 de %n; no encontrados: %3</numerusform>
            <numerusform>Mods importados al nuevo perfil %2: %1 de %n; no encontrados: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods</source>
        <translation>
            <numerusform>Mods importados: %1 de %n</numerusform>
            <numerusform>Mods importados: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods; not found: %2</source>
        <translation>
            <numerusform>Mods importados: %1 de %n; no encontrados: %2</numerusform>
            <numerusform>Mods importados: %1 de %n; no encontrados: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Importando %1…</translation>
    </message>
    <message>
        <source>Not included: %1 — they aren&apos;t from Thunderstore or Hexium</source>
        <translation>No incluidos: %1; no vienen de Thunderstore ni de Hexium</translation>
    </message>
    <message>
        <source>Save the profile for r2modman, Gale or Skaldrun players</source>
        <translation>Guardar el perfil para jugadores de r2modman, Gale o Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n mods to %1</source>
        <translation>
            <numerusform>%n mod guardado en %1</numerusform>
            <numerusform>%n mods guardados en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Making a profile code…</source>
        <translation>Creando un código de perfil…</translation>
    </message>
    <message>
        <source>This profile is over 20 MB, too large for a code; export it as a .r2z file instead.</source>
        <translation>Este perfil supera los 20 MB, demasiado para un código; expórtalo como archivo .r2z.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore to make a code: %1</source>
        <translation>No se pudo contactar con Thunderstore para crear un código: %1</translation>
    </message>
    <message>
        <source>Thunderstore makes only a few codes a minute; try again in a minute.</source>
        <translation>Thunderstore solo crea unos pocos códigos por minuto; inténtalo de nuevo en un minuto.</translation>
    </message>
    <message>
        <source>Thunderstore didn&apos;t make a code (HTTP %1).</source>
        <translation>Thunderstore no creó ningún código (HTTP %1).</translation>
    </message>
    <message>
        <source>Profile code: %1</source>
        <translation>Código de perfil: %1</translation>
    </message>
    <message>
        <source>Profile code copied</source>
        <translation>Código de perfil copiado</translation>
    </message>
    <message>
        <source>Updates for %1 are offered again</source>
        <translation>Se vuelven a ofrecer actualizaciones de %1</translation>
    </message>
    <message>
        <source>No updates will be offered for %1</source>
        <translation>No se ofrecerán actualizaciones de %1</translation>
    </message>
    <message>
        <source>Quit Valheim first — updating mods while the game or its server runs would change them under it.</source>
        <translation>Cierra Valheim primero: actualizar mods con el juego o su servidor en marcha los cambiaría mientras se ejecutan.</translation>
    </message>
    <message numerus="yes">
        <source>Updating %n mods…</source>
        <translation>
            <numerusform>Actualizando %n mod…</numerusform>
            <numerusform>Actualizando %n mods…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Stopping after this mod…</source>
        <translation>Deteniendo tras este mod…</translation>
    </message>
    <message>
        <source>Installing %1 %2…</source>
        <translation>Instalando %1 %2…</translation>
    </message>
    <message>
        <source>Installed %1 %2</source>
        <translation>%1 %2 instalado</translation>
    </message>
    <message>
        <source>Installing what %1 needs…</source>
        <translation>Instalando lo que necesita %1…</translation>
    </message>
    <message>
        <source>Installed %1 for %2</source>
        <translation>Instalado para %2: %1</translation>
    </message>
    <message>
        <source>Nothing was missing for %1</source>
        <translation>A %1 no le faltaba nada</translation>
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
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Todavía hay otro cambio en curso en esta carpeta del juego.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the game folder.</source>
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
        <source>part %1 of its catalog didn&apos;t arrive (%2)</source>
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
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>El valor de «%1» no puede contener un salto de línea.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>El valor de «%1» no puede terminar en «]»: la línea se leería como el encabezado de una sección.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file that doesn&apos;t exist.</source>
        <translation>No se pudo guardar «%1»: es un enlace a un archivo que no existe.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file outside the game folder.</source>
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
        <source>Couldn&apos;t lock the game folder for changes (%1).</source>
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
        <source>Couldn&apos;t read “%1”: %2.</source>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write “%1”: %2.</source>
        <translation>No se pudo escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2.</source>
        <translation>No se pudo crear «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”: %2.</source>
        <translation>No se pudo crear la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a folder in “%1”: %2.</source>
        <translation>No se pudo crear una carpeta en «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the folder “%1”: %2.</source>
        <translation>No se pudo leer la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: %2.</source>
        <translation>No se pudo copiar «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: %2.</source>
        <translation>No se pudo mover «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove “%1”: %2.</source>
        <translation>No se pudo quitar «%1»: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read “%1”: it isn&apos;t UTF-8 text.</source>
        <translation>No se pudo leer «%1»: no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: “%2” already exists.</source>
        <translation>No se pudo mover «%1»: «%2» ya existe.</translation>
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
        <source>The server&apos;s address couldn&apos;t be found</source>
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
        <source>A secure connection to the server couldn&apos;t be made</source>
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
        <source>The download couldn&apos;t be saved to disk</source>
        <translation>No se pudo guardar la descarga en el disco</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2</source>
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
        <source>%1 isn&apos;t something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>No puedo instalar %1: suelta un .zip de mod, un plugin .dll, un archivo .cfg o una carpeta de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: %1</source>
        <translation>No se pudo extraer el archivo comprimido: %1</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t seem to contain any mod files.</source>
        <translation>%1 no parece contener archivos de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any Valheim worlds or characters in %1.</source>
        <translation>No se encontraron mundos ni personajes de Valheim en %1.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn&apos;t a ZIP archive</source>
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
        <source>Couldn&apos;t extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» tiene una ruta absoluta, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” points outside the archive&apos;s folder, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» apunta fuera de la carpeta del archivo comprimido, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» tiene un nombre no válido, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: ocupa más de %1 al descomprimirse, mucho más de lo que necesita cualquier mod, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: contiene más de %1 archivos, muchos más de los que necesita cualquier mod, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: una entrada no tiene nombre, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» es un enlace simbólico, que ningún mod necesita, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» es un enlace duro, que ningún mod necesita, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” isn&apos;t a file or a folder, so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: la entrada «%1» no es un archivo ni una carpeta, así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be written (%2), so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: no se pudo escribir la entrada «%1» (%2), así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be read (%2), so nothing was installed.</source>
        <translation>No se pudo extraer el archivo comprimido: no se pudo leer la entrada «%1» (%2), así que no se instaló nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it overlaps “%2”.</source>
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
        <source>Couldn&apos;t install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
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
        <source>%1 holds the game folder&apos;s own files, so it can&apos;t be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 contiene los propios archivos de la carpeta del juego, así que no se puede instalar en ellos: suelta un .zip de mod, un plugin .dll, un archivo .cfg o una carpeta de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: “%2” lies inside it.</source>
        <translation>No se pudo copiar «%1»: «%2» está dentro.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it is a symbolic link.</source>
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
    <name>LaunchText</name>
    <message>
        <source>%1, which isn&apos;t installed</source>
        <translation>%1, que no está instalado</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, que está desactivado</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn&apos;t installed</source>
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
        <source>Couldn&apos;t connect to the server</source>
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
        <source>%1 didn&apos;t load: it needs %2</source>
        <translation>%1 no se cargó: necesita %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it can&apos;t run beside %2</source>
        <translation>%1 no se cargó: no puede funcionar junto a %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: a mod it needs didn&apos;t load</source>
        <translation>%1 no se cargó: un mod que necesita no se cargó</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load, and BepInEx gave no reason</source>
        <translation>%1 no se cargó y BepInEx no dio ningún motivo</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: %2</source>
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
        <source>%1 was made for BepInEx %2 and might not work until it&apos;s updated</source>
        <translation>%1 se hizo para BepInEx %2 y puede que no funcione hasta que se actualice</translation>
    </message>
    <message>
        <source>A mod couldn&apos;t patch the game, and its error names no mod</source>
        <translation>Un mod no pudo parchear el juego y su error no nombra ningún mod</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t patch the game — it may need an update for this Valheim</source>
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
        <source>the game&apos;s versions differ (%1)</source>
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
        <source>Jotunn&apos;s version check turned a connection away</source>
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
        <source>BepInEx isn&apos;t installed in the game folder, so nothing wrote a log.</source>
        <translation>BepInEx no está instalado en la carpeta del juego, así que nada escribió un registro.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam ejecuta la versión de Windows con Proton, que solo carga BepInEx con estas opciones de lanzamiento: %1</translation>
    </message>
    <message>
        <source>%1 isn&apos;t executable, so Steam couldn&apos;t start the game through it.</source>
        <translation>%1 no es ejecutable, así que Steam no pudo iniciar el juego con él.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam&apos;s runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 es demasiado antiguo para el entorno de ejecución de Steam, lo que le impide cargar BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>El inyector de BepInEx solo funciona en Intel: en Apple Silicon el juego tiene que ejecutarse con Rosetta 2 (paso 4).</translation>
    </message>
    <message>
        <source>Steam&apos;s launch options for Valheim don&apos;t name %1, so the game started without mods.</source>
        <translation>Las opciones de lanzamiento de Valheim en Steam no incluyen %1, así que el juego se inició sin mods.</translation>
    </message>
    <message>
        <source>The server hasn&apos;t been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>El servidor no se ha iniciado con %1 desde que se instaló BepInEx, así que nada escribió un registro.</translation>
    </message>
    <message>
        <source>Valheim hasn&apos;t been launched with mods yet.</source>
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
        <source>Steam&apos;s settings in “%1” aren&apos;t laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>Los ajustes de Steam en «%1» no tienen la estructura esperada (%2), así que Skaldrun los dejó como estaban. Pega tú las opciones de lanzamiento en Steam.</translation>
    </message>
    <message>
        <source>a block isn&apos;t closed</source>
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
    <name>Pipeline</name>
    <message>
        <source>no download URL</source>
        <translation>no hay URL de descarga</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore&apos;s nor Hexium&apos;s</source>
        <translation>se rechazó descargar de %1, que no es de Thunderstore ni de Hexium</translation>
    </message>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Descargando %1 (%2 de %3)…</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Vuelve a cargar el catálogo en Explorar e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 instalado</translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>Se instaló %1 con %n dependencia (%2)</numerusform>
            <numerusform>Se instaló %1 con %n dependencias (%2)</numerusform>
        </translation>
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
        <source>needs %1, which didn&apos;t install</source>
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
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn&apos;t start %1</source>
        <translation>No se pudo iniciar %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be started</source>
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
        <source>That profile&apos;s mod list (export.r2x) is far larger than any profile&apos;s, so nothing was imported.</source>
        <translation>La lista de mods de ese perfil (export.r2x) es mucho más grande que la de cualquier perfil, así que no se importó nada.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) isn&apos;t readable YAML.</source>
        <translation>La lista de mods de ese perfil (export.r2x) no es YAML legible.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) has no list of mods.</source>
        <translation>La lista de mods de ese perfil (export.r2x) no contiene una lista de mods.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>Ese perfil incluye demasiados mods.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn&apos;t a mod name of the form Owner-Name.</source>
        <translation>«%1» en ese perfil no es un nombre de mod con la forma Autor-Nombre.</translation>
    </message>
    <message>
        <source>That profile isn&apos;t a readable .r2z (zip) archive.</source>
        <translation>Ese perfil no es un archivo .r2z (zip) legible.</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Ese perfil se descomprime en muchos más archivos o bytes de los que tiene cualquier perfil, así que no se importó nada.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn&apos;t a plain file, so nothing was imported.</source>
        <translation>Ese perfil tiene una entrada «%1» que no es un archivo normal, así que no se importó nada.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>Ese perfil no tiene lista de mods (export.r2x), así que no hay nada que importar.</translation>
    </message>
    <message>
        <source>Couldn&apos;t build the profile archive.</source>
        <translation>No se pudo crear el archivo del perfil.</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code&apos;s content: it doesn&apos;t start with #r2modman.</source>
        <translation>Eso no es el contenido de un código de perfil: no empieza por #r2modman.</translation>
    </message>
    <message>
        <source>That profile code&apos;s content is damaged: it isn&apos;t valid base64.</source>
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
        <source>A profile name can&apos;t start or end with a space.</source>
        <translation>El nombre de un perfil no puede empezar ni terminar con un espacio.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start with a dot.</source>
        <translation>El nombre de un perfil no puede empezar con un punto.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t contain “/”, “\”, “:” or control characters.</source>
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
        <source>Couldn&apos;t switch to “%1”: %2</source>
        <translation>No se pudo cambiar a «%1»: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2 “%3” is still active.</source>
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
    <name>Trash</name>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: it no longer exists.</source>
        <translation>No se pudo mover «%1» a la Papelera: ya no existe.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash refused it.</source>
        <translation>No se pudo mover «%1» a la Papelera: la Papelera lo rechazó.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash folder isn&apos;t available.</source>
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
