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
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Copiar comando</translation>
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
</TS>
