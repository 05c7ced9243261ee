<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlertPresenter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandRow</name>
    <message>
        <source>Copy command</source>
        <translation>Copier la commande</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop mods here to install</source>
        <translation>Déposez des mods ici pour les installer</translation>
    </message>
    <message>
        <source>Thunderstore .zip · loose .dll · mod folders — they land in BepInEx/plugins</source>
        <translation>.zip Thunderstore · .dll isolée · dossiers de mods — ils vont dans BepInEx/plugins</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>%1 and %2, for r2modman, Gale and Skaldrun players.</source>
        <translation>%1 et %2, pour les joueurs de r2modman, Gale et Skaldrun.</translation>
    </message>
</context>
<context>
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Plus</translation>
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
            <numerusform>%n fichier de configuration</numerusform>
            <numerusform>%n fichiers de configuration</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”: %2, %3</source>
        <translation>« %1 » : %2, %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Settings — shader cache &amp; save backups</source>
        <translation>Réglages — cache des shaders et sauvegardes</translation>
    </message>
    <message>
        <source>Game Folder</source>
        <translation>Dossier du jeu</translation>
    </message>
    <message>
        <source>Open the Valheim game folder in Finder</source>
        <translation>Ouvrir le dossier du jeu Valheim dans le Finder</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Re-check every step</source>
        <translation>Revérifier chaque étape</translation>
    </message>
    <message>
        <source>Play Vanilla</source>
        <translation>Jouer en vanilla</translation>
    </message>
    <message>
        <source>Launch Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Lancer Valheim en vanilla — les mods restent installés mais ne se chargent pas</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Lancer Valheim</translation>
    </message>
    <message>
        <source>Launch Valheim through Steam (with mods)</source>
        <translation>Lancer Valheim via Steam (avec les mods)</translation>
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
        <translation>données</translation>
    </message>
    <message>
        <source>Edit this mod&apos;s settings</source>
        <translation>Modifier les réglages de ce mod</translation>
    </message>
    <message>
        <source>Holds no plugin DLL, so there is nothing to switch off</source>
        <translation>Ne contient aucune DLL de plugin, il n’y a donc rien à désactiver</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (désactivé)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (manquant)</translation>
    </message>
    <message>
        <source>Needs %1</source>
        <translation>Nécessite %1</translation>
    </message>
    <message>
        <source>Install missing</source>
        <translation>Installer les manquants</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Data files (no plugin DLL)</source>
        <translation>Fichiers de données (pas de DLL de plugin)</translation>
    </message>
    <message>
        <source>Plugin DLL</source>
        <translation>DLL de plugin</translation>
    </message>
    <message>
        <source>Plugin DLL · disabled</source>
        <translation>DLL de plugin · désactivé</translation>
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
            <numerusform>%n plugin · désactivé</numerusform>
            <numerusform>%n plugins · désactivé</numerusform>
        </translation>
    </message>
    <message>
        <source>Enabled — click to disable</source>
        <translation>Activé — cliquez pour désactiver</translation>
    </message>
    <message>
        <source>Disabled — click to enable</source>
        <translation>Désactivé — cliquez pour activer</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Afficher dans le Finder</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Installer une version…</translation>
    </message>
    <message>
        <source>Offer updates again</source>
        <translation>Proposer à nouveau les mises à jour</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Placer dans la Corbeille</translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>Profiles: separate mod sets for this game folder</source>
        <translation>Profils : des ensembles de mods séparés pour ce dossier du jeu</translation>
    </message>
    <message>
        <source>New Profile…</source>
        <translation>Nouveau profil…</translation>
    </message>
    <message>
        <source>Rename “%1”…</source>
        <translation>Renommer « %1 »…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Placer dans la Corbeille</translation>
    </message>
</context>
<context>
    <name>ProfileSheet</name>
    <message>
        <source>New Profile</source>
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Renommer le profil</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Nom du nouveau profil</translation>
    </message>
    <message>
        <source>New name for “%1”</source>
        <translation>Nouveau nom pour « %1 »</translation>
    </message>
    <message>
        <source>Start with a copy of “%1” (its mods and settings)</source>
        <translation>Partir d’une copie de « %1 » (ses mods et réglages)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>The new language shows the next time Skaldrun starts.</source>
        <translation>La nouvelle langue s’affichera au prochain démarrage de Skaldrun.</translation>
    </message>
</context>
<context>
    <name>SetupBubble</name>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Setup complete — click to review the steps</source>
        <translation>Configuration terminée — cliquez pour revoir les étapes</translation>
    </message>
    <message>
        <source>Setup incomplete — click to open</source>
        <translation>Configuration incomplète — cliquez pour l’ouvrir</translation>
    </message>
    <message>
        <source>Setup %1/7</source>
        <translation>Configuration %1/7</translation>
    </message>
</context>
<context>
    <name>ShaderFixBanner</name>
    <message>
        <source>Pink or magenta textures in game?</source>
        <translation>Des textures roses ou magenta en jeu ?</translation>
    </message>
    <message>
        <source>Some mods ship Windows-only shaders that Metal can&apos;t render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
        <translation>Certains mods fournissent des shaders pour Windows uniquement que Metal ne sait pas afficher. ShaderHelperForMac remplace automatiquement les matériaux cassés par des shaders adaptés au Mac.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Install Fix</source>
        <translation>Installer le correctif</translation>
    </message>
</context>
<context>
    <name>StepCard</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
</context>
<context>
    <name>StepsPane</name>
    <message>
        <source>Locate Valheim</source>
        <translation>Trouver Valheim</translation>
    </message>
    <message>
        <source>Install Rosetta 2</source>
        <translation>Installer Rosetta 2</translation>
    </message>
    <message>
        <source>Install BepInEx</source>
        <translation>Installer BepInEx</translation>
    </message>
    <message>
        <source>Enable Rosetta Translation</source>
        <translation>Activer la traduction Rosetta</translation>
    </message>
    <message>
        <source>Clear Quarantine Flags</source>
        <translation>Retirer les marques de quarantaine</translation>
    </message>
    <message>
        <source>Set Steam Launch Options</source>
        <translation>Définir les options de lancement Steam</translation>
    </message>
    <message>
        <source>Launch Once to Verify</source>
        <translation>Lancer une fois pour vérifier</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Hide setup — it collapses into a bubble</source>
        <translation>Masquer la configuration — elle se replie en bulle</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <translation>Détecter</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <source>Fix Script</source>
        <translation>Corriger le script</translation>
    </message>
    <message>
        <source>Download &amp; Install</source>
        <translation>Télécharger et installer</translation>
    </message>
    <message>
        <source>Install from Zip…</source>
        <translation>Installer depuis un zip…</translation>
    </message>
    <message>
        <source>Get it manually</source>
        <translation>L’obtenir manuellement</translation>
    </message>
    <message>
        <source>Apply Fix</source>
        <translation>Appliquer le correctif</translation>
    </message>
    <message>
        <source>Clear Quarantine</source>
        <translation>Retirer la quarantaine</translation>
    </message>
    <message>
        <source>Copy Launch Options</source>
        <translation>Copier les options de lancement</translation>
    </message>
    <message>
        <source>Set It for Me</source>
        <translation>Le faire pour moi</translation>
    </message>
    <message>
        <source>Enable the in-game console (adds -console)</source>
        <translation>Activer la console en jeu (ajoute -console)</translation>
    </message>
    <message>
        <source>Changed the checkbox? Copy the line above and paste it into Steam again.</source>
        <translation>Case modifiée ? Copiez la ligne ci-dessus et collez-la à nouveau dans Steam.</translation>
    </message>
    <message>
        <source>In Steam: right-click Valheim → Properties… → General → paste into Launch Options, then close the window.</source>
        <translation>Dans Steam : clic droit sur Valheim → Propriétés… → Général → collez dans Options de lancement, puis fermez la fenêtre.</translation>
    </message>
    <message>
        <source>I&apos;ve added it — mark this step done</source>
        <translation>C’est ajouté — marquer cette étape comme faite</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Lancer Valheim</translation>
    </message>
    <message>
        <source>Re-check</source>
        <translation>Revérifier</translation>
    </message>
    <message>
        <source>Linux runs the game natively.</source>
        <translation>Linux exécute le jeu nativement.</translation>
    </message>
    <message>
        <source>All set — mods load on next launch</source>
        <translation>Tout est prêt — les mods se chargent au prochain lancement</translation>
    </message>
    <message>
        <source>%1 of 7 complete</source>
        <translation>%1 sur 7 terminées</translation>
    </message>
    <message>
        <source>Found %1 at %2</source>
        <translation>%1 trouvé dans %2</translation>
    </message>
    <message>
        <source>Found the game at %1</source>
        <translation>Jeu trouvé dans %1</translation>
    </message>
    <message>
        <source>Found the Windows build (valheim.exe) at %1, which Steam runs through Proton. For BepInEx to load in it, its launch options need: %2</source>
        <translation>Version Windows (valheim.exe) trouvée dans %1, que Steam lance via Proton. Pour que BepInEx s’y charge, ses options de lancement doivent contenir : %2</translation>
    </message>
    <message>
        <source>Install Valheim through Steam first, then auto-detect — or point me at its folder.</source>
        <translation>Installez d’abord Valheim via Steam, puis lancez la détection — ou indiquez-moi son dossier.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Inutile</translation>
    </message>
    <message>
        <source>This Mac is Intel, so no translation is needed.</source>
        <translation>Ce Mac est un Intel, aucune traduction n’est donc nécessaire.</translation>
    </message>
    <message>
        <source>Rosetta 2 is installed — this Mac can run Intel code.</source>
        <translation>Rosetta 2 est installé — ce Mac peut exécuter du code Intel.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only, so Apple Silicon needs Apple&apos;s Rosetta 2 translation layer.</source>
        <translation>L’injecteur de BepInEx est Intel uniquement, Apple Silicon a donc besoin de la couche de traduction Rosetta 2 d’Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 est dans le dossier du jeu et %2 est prêt.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can&apos;t start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 vient d’un pack antérieur à 5.4.2331 et ne peut plus lancer BepInEx via Steam — mettez le pack à jour.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn&apos;t executable yet.</source>
        <translation>Les fichiers de BepInEx sont là, mais %1 n’est pas encore exécutable.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Les fichiers de BepInEx sont là, mais %1 a encore besoin de ses corrections Mac (droit d’exécution + nom du jeu).</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Télécharge le BepInExPack pour Valheim de denikson depuis Thunderstore et le décompresse dans le dossier du jeu.</translation>
    </message>
    <message>
        <source>Downloads denikson&apos;s BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
        <translation>Télécharge le BepInExPack pour Valheim de denikson depuis Thunderstore et le décompresse à côté de %1.</translation>
    </message>
    <message>
        <source>Reinstall / Update</source>
        <translation>Réinstaller / Mettre à jour</translation>
    </message>
    <message>
        <source>Intel Macs already run the Intel build natively.</source>
        <translation>Les Mac Intel exécutent déjà la version Intel nativement.</translation>
    </message>
    <message>
        <source>The launch script starts the game&apos;s Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>Le script de lancement démarre la version Intel (x86_64) du jeu, BepInEx se charge donc sous Rosetta.</translation>
    </message>
    <message>
        <source>Valheim&apos;s Mac app is Universal and would run natively, where BepInEx can&apos;t load — the fix makes the launch script start its Intel build.</source>
        <translation>L’app Mac de Valheim est Universal et tournerait nativement, où BepInEx ne peut pas se charger — le correctif fait démarrer sa version Intel par le script de lancement.</translation>
    </message>
    <message>
        <source>Install BepInEx first — this changes how its launch script starts the game.</source>
        <translation>Installez d’abord BepInEx — ceci change la façon dont son script de lancement démarre le jeu.</translation>
    </message>
    <message>
        <source># added to %1</source>
        <translation># ajouté à %1</translation>
    </message>
    <message>
        <source>Linux doesn&apos;t quarantine downloads.</source>
        <translation>Linux ne met pas les téléchargements en quarantaine.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS&apos;s quarantine flag so Gatekeeper doesn&apos;t block the injector.</source>
        <translation>Une fois BepInEx installé, ceci retire la marque de quarantaine de macOS pour que Gatekeeper ne bloque pas l’injecteur.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are quarantined from being downloaded. This runs the Terminal command below for you.</source>
        <translation>
            <numerusform>%n fichier est en quarantaine car il a été téléchargé. Ceci exécute pour vous la commande Terminal ci-dessous.</numerusform>
            <numerusform>%n fichiers sont en quarantaine car ils ont été téléchargés. Ceci exécute pour vous la commande Terminal ci-dessous.</numerusform>
        </translation>
    </message>
    <message>
        <source>No quarantine flags on the modding files — Gatekeeper won&apos;t interfere.</source>
        <translation>Aucune marque de quarantaine sur les fichiers de mods — Gatekeeper ne gênera pas.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Trouvé dans vos réglages Steam — Valheim démarre via BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx&apos;s script.</source>
        <translation>La seule étape manuelle : Steam doit lancer le jeu via le script de BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Lancement moddé confirmé — BepInEx a écrit son journal pour la dernière fois le %1.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s last log comes from the Windows build under Proton, not the native game.</source>
        <translation>Le dernier journal de BepInEx vient de la version Windows sous Proton, pas du jeu natif.</translation>
    </message>
    <message>
        <source>Start the game once. When BepInEx loads, it writes BepInEx/LogOutput.log — that file is the proof.</source>
        <translation>Lancez le jeu une fois. Quand BepInEx se charge, il écrit BepInEx/LogOutput.log — ce fichier en est la preuve.</translation>
    </message>
    <message>
        <source>Tip: if a game update breaks mods, re-run steps 3–5.</source>
        <translation>Astuce : si une mise à jour du jeu casse les mods, refaites les étapes 3 à 5.</translation>
    </message>
</context>
</TS>
