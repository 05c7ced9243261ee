<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BrowseRow</name>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>%1K</source>
        <translation>%1 k</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1 M</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>par %1</translation>
    </message>
</context>
<context>
    <name>BrowseView</name>
    <message>
        <source>Search mods</source>
        <translation>Rechercher des mods</translation>
    </message>
    <message>
        <source>Refresh catalog</source>
        <translation>Actualiser le catalogue</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods</source>
        <translation>
            <numerusform>%1 sur %n mod</numerusform>
            <numerusform>%1 sur %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · showing the previous catalog</source>
        <translation>%1 · affichage du catalogue précédent</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the Thunderstore catalog.</source>
        <translation>Impossible de charger le catalogue Thunderstore.</translation>
    </message>
    <message>
        <source>View on Thunderstore</source>
        <translation>Voir sur Thunderstore</translation>
    </message>
    <message>
        <source>Install version…</source>
        <translation>Installer une version…</translation>
    </message>
    <message>
        <source>Read More</source>
        <translation>En savoir plus</translation>
    </message>
</context>
<context>
    <name>ChunkedListing</name>
    <message>
        <source>the server answered with error %1</source>
        <translation>le serveur a répondu par l&apos;erreur %1</translation>
    </message>
    <message>
        <source>its list of catalog parts is unreadable</source>
        <translation>sa liste des parties du catalogue est illisible</translation>
    </message>
    <message>
        <source>its list names %1 catalog parts, far more than any real catalog</source>
        <translation>sa liste annonce %1 parties de catalogue, bien plus que n&apos;importe quel vrai catalogue</translation>
    </message>
    <message>
        <source>its list of catalog parts holds something that is no address</source>
        <translation>sa liste des parties du catalogue contient quelque chose qui n&apos;est pas une adresse</translation>
    </message>
    <message>
        <source>part %1 of its catalog is damaged</source>
        <translation>la partie %1 de son catalogue est endommagée</translation>
    </message>
    <message>
        <source>part %1 of its catalog didn&apos;t arrive (%2)</source>
        <translation>la partie %1 de son catalogue n&apos;est pas arrivée (%2)</translation>
    </message>
</context>
<context>
    <name>ConfigEntryRow</name>
    <message>
        <source>Modified — not saved yet</source>
        <translation>Modifié — pas encore enregistré</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Par défaut : %1</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>“%1” takes true or false.</source>
        <translation>« %1 » accepte true ou false.</translation>
    </message>
    <message>
        <source>“%1” takes one of: %2.</source>
        <translation>« %1 » accepte l&apos;une de ces valeurs : %2.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number.</source>
        <translation>« %1 » accepte un nombre entier.</translation>
    </message>
    <message>
        <source>“%1” takes a number.</source>
        <translation>« %1 » accepte un nombre.</translation>
    </message>
    <message>
        <source>“%1” takes a whole number from %2 to %3.</source>
        <translation>« %1 » accepte un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>“%1” takes a number from %2 to %3.</source>
        <translation>« %1 » accepte un nombre de %2 à %3.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t contain a line break.</source>
        <translation>La valeur de « %1 » ne peut pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>The value of “%1” can&apos;t end with “]”: the line would read as a section header.</source>
        <translation>La valeur de « %1 » ne peut pas se terminer par « ] » : la ligne serait lue comme un en-tête de section.</translation>
    </message>
</context>
<context>
    <name>DependantsPrompt</name>
    <message>
        <source>Move All to Trash</source>
        <translation>Tout mettre à la Corbeille</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Tout désactiver</translation>
    </message>
    <message>
        <source>Move Only %1 to Trash</source>
        <translation>Mettre seulement %1 à la Corbeille</translation>
    </message>
    <message>
        <source>Disable Only %1</source>
        <translation>Désactiver seulement %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>%n mods depend on %1: %2.</source>
        <translation>
            <numerusform>%n mod dépend de %1 : %2.</numerusform>
            <numerusform>%n mods dépendent de %1 : %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>%1 and %2, for r2modman, Gale and Skaldrun players.</source>
        <translation>%1 et %2, pour les joueurs de r2modman, Gale et Skaldrun.</translation>
    </message>
    <message>
        <source>Export This Profile</source>
        <translation>Exporter ce profil</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save .r2z…</source>
        <translation>Enregistrer le .r2z…</translation>
    </message>
    <message>
        <source>Get Code</source>
        <translation>Obtenir le code</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
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
    <message>
        <source>Import a Profile</source>
        <translation>Importer un profil</translation>
    </message>
    <message>
        <source>Paste a profile code</source>
        <translation>Collez un code de profil</translation>
    </message>
    <message>
        <source>Profile code from r2modman, Gale or Skaldrun</source>
        <translation>Code de profil de r2modman, Gale ou Skaldrun</translation>
    </message>
    <message>
        <source>Read Code</source>
        <translation>Lire le code</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Repository</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Name of the new profile</source>
        <translation>Nom du nouveau profil</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>Replace This Profile</source>
        <translation>Remplacer ce profil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>Paste a code from r2modman, Gale or Skaldrun, or open a .r2z file.</source>
        <translation>Collez un code de r2modman, Gale ou Skaldrun, ou ouvrez un fichier .r2z.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Import a Profile…</source>
        <translation>Importer un profil…</translation>
    </message>
    <message>
        <source>Export This Profile…</source>
        <translation>Exporter ce profil…</translation>
    </message>
</context>
<context>
    <name>MarkdownView</name>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>No changelog</source>
        <translation>Aucun journal des modifications</translation>
    </message>
    <message>
        <source>No readme</source>
        <translation>Aucun readme</translation>
    </message>
    <message>
        <source>Very long, so shortened here; the rest is on the package&apos;s page.</source>
        <translation>Très long, donc abrégé ici ; la suite est sur la page du paquet.</translation>
    </message>
</context>
<context>
    <name>PackageDocs</name>
    <message>
        <source>Couldn&apos;t load the readme: %1</source>
        <translation>Impossible de charger le readme : %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: %1</source>
        <translation>Impossible de charger le journal des modifications : %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the readme: the repository answered %1.</source>
        <translation>Impossible de charger le readme : le dépôt a répondu %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the changelog: the repository answered %1.</source>
        <translation>Impossible de charger le journal des modifications : le dépôt a répondu %1.</translation>
    </message>
</context>
<context>
    <name>ReadmeSheet</name>
    <message>
        <source>Open Page</source>
        <translation>Ouvrir la page</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Repository</name>
    <message>
        <source>%1 has no package %2.</source>
        <translation>%1 n&apos;a pas de paquet %2.</translation>
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
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Mod repositories:</source>
        <translation>Dépôts de mods :</translation>
    </message>
    <message>
        <source>Rebuild the Vanilla Shader Cache</source>
        <translation>Reconstruire le cache de shaders vanilla</translation>
    </message>
    <message>
        <source>ShaderHelperForMac compares mod materials against a baseline captured from an unmodded game. After a Valheim update, rebuild it so the baseline matches your game version. The steps below automate the file shuffling.</source>
        <translation>ShaderHelperForMac compare les matériaux des mods à une référence capturée dans le jeu sans mods. Après une mise à jour de Valheim, reconstruisez-la pour qu&apos;elle corresponde à votre version du jeu. Les étapes ci-dessous déplacent les fichiers pour vous.</translation>
    </message>
    <message>
        <source>Install ShaderHelperForMac first — see the pink banner in the Mods pane, or search for it in Browse.</source>
        <translation>Installez d&apos;abord ShaderHelperForMac — voyez la bannière rose dans le panneau Mods, ou cherchez-le dans Parcourir.</translation>
    </message>
    <message>
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can&apos;t contaminate the baseline.</source>
        <translation>Sortez tous les mods sauf ShaderHelperForMac du dossier plugins, pour que leurs matériaux ne faussent pas la référence.</translation>
    </message>
    <message>
        <source>Move Mods Aside</source>
        <translation>Mettre les mods de côté</translation>
    </message>
    <message>
        <source>Back Up Worlds &amp; Characters</source>
        <translation>Sauvegarder mondes et personnages</translation>
    </message>
    <message>
        <source>Copies every world and character to this app&apos;s backup folder</source>
        <translation>Copie tous les mondes et personnages dans le dossier de sauvegarde de cette app</translation>
    </message>
    <message>
        <source>Back up first: if the game saves while mods are unloaded, modded items and buildings vanish from those saves.</source>
        <translation>Sauvegardez d&apos;abord : si le jeu enregistre pendant que les mods sont retirés, les objets et constructions moddés disparaissent de ces parties.</translation>
    </message>
    <message>
        <source>Launch Valheim and load any world.</source>
        <translation>Lancez Valheim et chargez n&apos;importe quel monde.</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Lancer Valheim</translation>
    </message>
    <message>
        <source>Heads up: the F5 console needs -console in your Steam launch options — enable the checkbox in Setup step 6 and re-paste first.</source>
        <translation>Attention : la console F5 nécessite -console dans vos options de lancement Steam — cochez d&apos;abord la case à l&apos;étape 6 de la configuration et recollez-les.</translation>
    </message>
    <message>
        <source>Press F5 in game and run the capture command (already on your clipboard after step 1):</source>
        <translation>Appuyez sur F5 en jeu et lancez la commande de capture (déjà dans votre presse-papiers après l&apos;étape 1) :</translation>
    </message>
    <message>
        <source>Quit Valheim, bring your mods back, then relaunch. The new cache is now authoritative for this Valheim version.</source>
        <translation>Quittez Valheim, remettez vos mods, puis relancez. Le nouveau cache fait désormais foi pour cette version de Valheim.</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Remettre les mods</translation>
    </message>
    <message>
        <source>Restore Worlds &amp; Characters</source>
        <translation>Restaurer mondes et personnages</translation>
    </message>
    <message>
        <source>Overwrites current saves with the latest backup&apos;s versions</source>
        <translation>Écrase les parties actuelles avec les versions de la dernière sauvegarde</translation>
    </message>
    <message>
        <source>Restoring puts back the backed-up versions — use it if a vanilla session overwrote a modded world.</source>
        <translation>La restauration remet les versions sauvegardées — utilisez-la si une session vanilla a écrasé un monde moddé.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup from %1. Anything saved since then will be overwritten.</source>
        <translation>Cela remplace vos mondes et personnages actuels par la sauvegarde du %1. Tout ce qui a été enregistré depuis sera écrasé.</translation>
    </message>
    <message>
        <source>This replaces your current worlds and characters with the backup. Anything saved since then will be overwritten.</source>
        <translation>Cela remplace vos mondes et personnages actuels par la sauvegarde. Tout ce qui a été enregistré depuis sera écrasé.</translation>
    </message>
    <message>
        <source>Restore saves from backup?</source>
        <translation>Restaurer les parties depuis la sauvegarde ?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Current baseline built %1</source>
        <translation>Référence actuelle construite le %1</translation>
    </message>
    <message>
        <source>No baseline cache yet — ShaderHelperForMac creates one on its first launch.</source>
        <translation>Pas encore de cache de référence — ShaderHelperForMac en crée un à son premier lancement.</translation>
    </message>
    <message numerus="yes">
        <source>%n items stashed in %1</source>
        <translation>
            <numerusform>%n élément mis de côté dans %1</numerusform>
            <numerusform>%n éléments mis de côté dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Last backup: %1 · %L2 most recent are kept</source>
        <translation>Dernière sauvegarde : %1 · les %L2 plus récentes sont conservées</translation>
    </message>
</context>
<context>
    <name>TSPackage</name>
    <message>
        <source>%1 has no version %2; the newest are %3.</source>
        <translation>%1 n&apos;a pas de version %2 ; les plus récentes sont %3.</translation>
    </message>
</context>
<context>
    <name>TSSorts</name>
    <message>
        <source>Popular</source>
        <translation>Populaires</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Plus récents</translation>
    </message>
    <message>
        <source>Top Rated</source>
        <translation>Mieux notés</translation>
    </message>
    <message>
        <source>A–Z</source>
        <translation>A–Z</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installés</translation>
    </message>
</context>
<context>
    <name>ThunderstoreStore</name>
    <message>
        <source>Loading the Thunderstore catalog…</source>
        <translation>Chargement du catalogue Thunderstore…</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Mis à jour à l&apos;instant</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n min ago</source>
        <translation>
            <numerusform>Mis à jour il y a %n min</numerusform>
            <numerusform>Mis à jour il y a %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n h ago</source>
        <translation>
            <numerusform>Mis à jour il y a %n h</numerusform>
            <numerusform>Mis à jour il y a %n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %n days ago</source>
        <translation>
            <numerusform>Mis à jour il y a %n jour</numerusform>
            <numerusform>Mis à jour il y a %n jours</numerusform>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the catalog: %1</source>
        <translation>Impossible de charger le catalogue : %1</translation>
    </message>
</context>
<context>
    <name>UpdatesSheet</name>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n mise à jour</numerusform>
            <numerusform>%n mises à jour</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>Update %n mods</source>
        <translation>
            <numerusform>Mettre à jour %n mod</numerusform>
            <numerusform>Mettre à jour %n mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionPickerSheet</name>
    <message>
        <source>Install Version</source>
        <translation>Installer une version</translation>
    </message>
    <message>
        <source>Install a version of %1</source>
        <translation>Installer une version de %1</translation>
    </message>
    <message>
        <source>Don&apos;t offer updates for %1</source>
        <translation>Ne pas proposer de mises à jour pour %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
</TS>
