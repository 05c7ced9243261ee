<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
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
        <translation>Copie de %1 dans un nouveau profil…</translation>
    </message>
    <message>
        <source>Creating profile %1…</source>
        <translation>Création du profil %1…</translation>
    </message>
    <message>
        <source>Created profile %1</source>
        <translation>Profil %1 créé</translation>
    </message>
    <message>
        <source>Renaming profile %1…</source>
        <translation>Renommage du profil %1…</translation>
    </message>
    <message>
        <source>Renamed profile %1 to %2</source>
        <translation>Profil %1 renommé en %2</translation>
    </message>
    <message>
        <source>Moving profile %1 to the Trash…</source>
        <translation>Placement du profil %1 dans la Corbeille…</translation>
    </message>
    <message>
        <source>Moved profile %1 to Trash</source>
        <translation>Profil %1 placé dans la Corbeille</translation>
    </message>
    <message>
        <source>Quit Valheim first — switching profiles while the game runs would take its mods away under it.</source>
        <translation>Quittez d’abord Valheim — changer de profil pendant la partie lui retirerait ses mods en cours de route.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Passage au profil %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Profil %1 activé</translation>
    </message>
</context>
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
        <source>Couldn't load the Thunderstore catalog.</source>
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
    <name>Catalog</name>
    <message>
        <source>The catalog is empty.</source>
        <translation>Le catalogue est vide.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a package: write Owner-Name or Owner-Name-1.2.3.</source>
        <translation>« %1 » n’est pas un paquet : écrivez Owner-Name ou Owner-Name-1.2.3.</translation>
    </message>
    <message>
        <source>The catalog has no package “%1”.</source>
        <translation>Le catalogue n’a pas de paquet « %1 ».</translation>
    </message>
</context>
<context>
    <name>ChunkedListing</name>
    <message>
        <source>the server answered with error %1</source>
        <translation>le serveur a répondu par l'erreur %1</translation>
    </message>
    <message>
        <source>its list of catalog parts is unreadable</source>
        <translation>sa liste des parties du catalogue est illisible</translation>
    </message>
    <message>
        <source>its list names %1 catalog parts, far more than any real catalog</source>
        <translation>sa liste annonce %1 parties de catalogue, bien plus que n'importe quel vrai catalogue</translation>
    </message>
    <message>
        <source>its list of catalog parts holds something that is no address</source>
        <translation>sa liste des parties du catalogue contient quelque chose qui n'est pas une adresse</translation>
    </message>
    <message>
        <source>part %1 of its catalog is damaged</source>
        <translation>la partie %1 de son catalogue est endommagée</translation>
    </message>
    <message>
        <source>part %1 of its catalog didn't arrive (%2)</source>
        <translation>la partie %1 de son catalogue n'est pas arrivée (%2)</translation>
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
        <translation>Prépare Valheim avec BepInEx et gère ses mods depuis un terminal ou un script,
à travers le même modèle que la fenêtre de Skaldrun.

Commandes :
  status                        les sept étapes de préparation, faites ou non, et le nombre de mods
  list                          mods installés : version, dépôt, activé, mise à jour, dépendances manquantes
  search QUERY                  les deux dépôts, les plus populaires d’abord (ou --sort newest|rating|name)
  install PACKAGE...            Owner-Name, ou Owner-Name-1.2.3 pour cette version, avec ses dépendances ;
                                le pack BepInEx installe le chargeur de mods (aussi dans le dossier d’un serveur)
  update [--all | NAME...]      chaque mod ayant une version plus récente au catalogue, ou ceux nommés, en gardant
                                leur état et leurs fichiers de configuration (les mods gardés à une version restent)
  enable NAME...                active des mods
  disable NAME...               désactive des mods, sans les désinstaller
  remove NAME...                met des mods à la Corbeille (--delete : les supprime définitivement)
  config list MOD               les réglages d’un mod, sous la forme FICHIER : Section.Clé = valeur
  config get FILE KEY           un réglage (KEY est Section.Clé, ou une clé qu’une seule section possède)
  config set FILE KEY VALUE     change un réglage, vérifié comme dans l’éditeur de la fenêtre
  saves backup                  sauvegarde les mondes et personnages
  saves restore                 les restaure depuis la sauvegarde la plus récente
  profile list                  les profils (ensembles de mods) du dossier du jeu, l’actif marqué
  profile new NAME              un nouveau profil vide (--copy : une copie de l’actif)
  profile switch NAME           fait de NAME le profil actif
  profile export [--file F.r2z | --code]  les mods et leurs configurations en fichier .r2z ou en code de profil
  profile import CODE|FILE [--name N | --replace]
                                le profil r2modman ou Gale d’un ami, comme nouveau profil ou dans celui-ci
  doctor                        le dernier lancement : ce qui s’est chargé, ce qui ne l’a pas été et pourquoi (aussi
                                dans le dossier d’un serveur) ; code de sortie 1 si un mod ne s’est pas chargé

La progression va sur stderr, les résultats sur stdout. Code de sortie : 0 fait, 1 échec (la raison
sur stderr), 2 mal utilisé (avec ce texte).</translation>
    </message>
    <message>
        <source>The Valheim folder: a Mac or Linux client&apos;s, or a dedicated server&apos;s (default: the one found before).</source>
        <translation>Le dossier de Valheim : celui d’un jeu Mac ou Linux, ou d’un serveur dédié (par défaut : celui trouvé auparavant).</translation>
    </message>
    <message>
        <source>status, list, search, doctor: JSON on stdout.</source>
        <translation>status, list, search, doctor : JSON sur stdout.</translation>
    </message>
    <message>
        <source>search: popular, newest, rating or name.</source>
        <translation>search : popular, newest, rating ou name.</translation>
    </message>
    <message>
        <source>update: every mod (the default).</source>
        <translation>update : tous les mods (par défaut).</translation>
    </message>
    <message>
        <source>update: list what would change.</source>
        <translation>update : liste ce qui changerait.</translation>
    </message>
    <message>
        <source>remove: delete for good, not to the Trash.</source>
        <translation>remove : supprime définitivement, sans passer par la Corbeille.</translation>
    </message>
    <message>
        <source>profile new: start from a copy of the active profile.</source>
        <translation>profile new : part d’une copie du profil actif.</translation>
    </message>
    <message>
        <source>profile export: the .r2z to write.</source>
        <translation>profile export : le fichier .r2z à écrire.</translation>
    </message>
    <message>
        <source>profile export: a profile code.</source>
        <translation>profile export : un code de profil.</translation>
    </message>
    <message>
        <source>profile import: into this profile, replacing its mods.</source>
        <translation>profile import : dans ce profil, en remplaçant ses mods.</translation>
    </message>
    <message>
        <source>profile import: the new profile&apos;s name (the pack&apos;s own by default).</source>
        <translation>profile import : le nom du nouveau profil (par défaut celui du pack).</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>L’une des commandes ci-dessus.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Indiquez une commande.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a Valheim folder: it holds neither the game nor a dedicated server.</source>
        <translation>%1 n’est pas un dossier de Valheim : il ne contient ni le jeu ni un serveur dédié.</translation>
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
    <name>Commands</name>
    <message>
        <source>No installed mod is called “%1”.</source>
        <translation>Aucun mod installé ne s’appelle « %1 ».</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Dossier du jeu : %1</translation>
    </message>
    <message>
        <source>Game folder: not found</source>
        <translation>Dossier du jeu : introuvable</translation>
    </message>
    <message>
        <source>This is Valheim&apos;s Windows build (valheim.exe), which Steam runs through Proton; for BepInEx to load, set its launch options to: %1</source>
        <translation>C’est la version Windows de Valheim (valheim.exe), que Steam lance via Proton ; pour que BepInEx se charge, réglez ses options de lancement sur : %1</translation>
    </message>
    <message>
        <source>[n/a ] %1 (not needed)</source>
        <translation>[n/a ] %1 (inutile)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of 7 steps done · %n mods, %2 enabled</source>
        <translation>
            <numerusform>%1 étapes sur 7 faites · %n mod, %2 activé(s)</numerusform>
            <numerusform>%1 étapes sur 7 faites · %n mods, %2 activé(s)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Updates and dependencies aren&apos;t shown.</source>
        <translation>%1 Les mises à jour et les dépendances ne sont pas affichées.</translation>
    </message>
    <message>
        <source>%1 (disabled)</source>
        <translation>%1 (désactivé)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>update: %1</source>
        <translation>mise à jour : %1</translation>
    </message>
    <message>
        <source>no updates offered</source>
        <translation>aucune mise à jour proposée</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>manquant : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 · %3 · %n downloads · %4</source>
        <translation>
            <numerusform>%1 %2 · %3 · %n téléchargement · %4</numerusform>
            <numerusform>%1 %2 · %3 · %n téléchargements · %4</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the catalog.</source>
        <translation>%1 n’est pas dans le catalogue.</translation>
    </message>
    <message>
        <source>%1 is kept at its version; no updates are offered.</source>
        <translation>%1 est gardé à sa version ; aucune mise à jour n’est proposée.</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 est à jour.</translation>
    </message>
    <message>
        <source>Nothing to update.</source>
        <translation>Rien à mettre à jour.</translation>
    </message>
    <message>
        <source>%1 has no setting “%2”.</source>
        <translation>%1 n’a pas de réglage « %2 ».</translation>
    </message>
    <message>
        <source>%1 has “%2” in several sections; write Section.Key, e.g. %3.%2.</source>
        <translation>%1 a « %2 » dans plusieurs sections ; écrivez Section.Clé, par ex. %3.%2.</translation>
    </message>
    <message>
        <source>There is no config file “%1” in %2.</source>
        <translation>Il n’y a pas de fichier de configuration « %1 » dans %2.</translation>
    </message>
    <message>
        <source>%1.%2 = %3 in %4</source>
        <translation>%1.%2 = %3 dans %4</translation>
    </message>
    <message>
        <source>There is no save backup to restore.</source>
        <translation>Il n’y a aucune sauvegarde à restaurer.</translation>
    </message>
    <message>
        <source>“--file”, “--code”, “--name” and “--replace” belong to profile export and import.</source>
        <translation>« --file », « --code », « --name » et « --replace » vont avec profile export et import.</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>Commande inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Wrong number of words after “%1”.</source>
        <translation>Mauvais nombre de mots après « %1 ».</translation>
    </message>
    <message>
        <source>“--%1” means nothing to “%2”.</source>
        <translation>« --%1 » ne veut rien dire pour « %2 ».</translation>
    </message>
    <message>
        <source>Sort by popular, newest, rating or name, not “%1”.</source>
        <translation>Triez par popular, newest, rating ou name, pas « %1 ».</translation>
    </message>
    <message>
        <source>Give “--all” or mod names, not both.</source>
        <translation>Donnez « --all » ou des noms de mods, pas les deux.</translation>
    </message>
    <message>
        <source>Write config list MOD, config get FILE KEY or config set FILE KEY VALUE.</source>
        <translation>Écrivez config list MOD, config get FILE KEY ou config set FILE KEY VALUE.</translation>
    </message>
    <message>
        <source>Write saves backup or saves restore.</source>
        <translation>Écrivez saves backup ou saves restore.</translation>
    </message>
    <message>
        <source>%1 Give --delete to delete it for good instead.</source>
        <translation>%1 Ajoutez --delete pour le supprimer définitivement à la place.</translation>
    </message>
    <message>
        <source>Last launch: %1</source>
        <translation>Dernier lancement : %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>pack %1</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>serveur %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Journal : %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque : %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n fois)</numerusform>
            <numerusform>[%1] %2 (%n fois)</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every mod loaded in the last launch.</source>
        <translation>Tous les mods ne se sont pas chargés au dernier lancement.</translation>
    </message>
    <message>
        <source>There is no log of a launch with mods.</source>
        <translation>Il n’y a aucun journal d’un lancement avec des mods.</translation>
    </message>
    <message>
        <source>Write profile list, profile new NAME [--copy] or profile switch NAME.</source>
        <translation>Écrivez profile list, profile new NAME [--copy] ou profile switch NAME.</translation>
    </message>
    <message>
        <source>“--copy” means something only to “profile new”.</source>
        <translation>« --copy » ne veut dire quelque chose que pour « profile new ».</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1 (actif)</translation>
    </message>
</context>
<context>
    <name>ConfigEditorSheet</name>
    <message>
        <source>Search settings</source>
        <translation>Rechercher des réglages</translation>
    </message>
    <message>
        <source>Revert to Original</source>
        <translation>Revenir à l’original</translation>
    </message>
    <message>
        <source>Restore the config as it was before any edits made here</source>
        <translation>Rétablir la configuration telle qu’elle était avant toute modification faite ici</translation>
    </message>
    <message>
        <source>Changes apply the next time Valheim starts.</source>
        <translation>Les changements s’appliquent au prochain lancement de Valheim.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>No config file found.</source>
        <translation>Aucun fichier de configuration trouvé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Revert to original settings?</source>
        <translation>Revenir aux réglages d’origine ?</translation>
    </message>
    <message>
        <source>This restores %1 to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Cela rétablit %1 à partir de la copie enregistrée quand vous l’avez ouvert ici pour la première fois. Vos valeurs personnalisées seront perdues.</translation>
    </message>
    <message>
        <source>This restores the file to the copy saved when you first opened it here. Your customized values will be lost.</source>
        <translation>Cela rétablit le fichier à partir de la copie enregistrée quand vous l’avez ouvert ici pour la première fois. Vos valeurs personnalisées seront perdues.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Couldn&apos;t save</source>
        <translation>Impossible d’enregistrer</translation>
    </message>
    <message>
        <source>No settings found in this file.</source>
        <translation>Aucun réglage trouvé dans ce fichier.</translation>
    </message>
    <message>
        <source>No settings match “%1”.</source>
        <translation>Aucun réglage ne correspond à « %1 ».</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
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
        <translation>« %1 » accepte l'une de ces valeurs : %2.</translation>
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
        <source>The value of “%1” can't contain a line break.</source>
        <translation>La valeur de « %1 » ne peut pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>The value of “%1” can't end with “]”: the line would read as a section header.</source>
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
    <name>FoldingRow</name>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
</context>
<context>
    <name>GameUpdateBanner</name>
    <message>
        <source>Back Up Saves</source>
        <translation>Sauvegarder les parties</translation>
    </message>
    <message>
        <source>Switch Them Off</source>
        <translation>Les désactiver</translation>
    </message>
    <message>
        <source>Back up your saves before you play on.</source>
        <translation>Sauvegardez vos mondes et personnages avant de continuer à jouer.</translation>
    </message>
    <message numerus="yes">
        <source>%n mods didn&apos;t load after the update. Back up your saves first; then update, or switch them off until their authors catch up.</source>
        <translation>
            <numerusform>%n mod ne s’est pas chargé après la mise à jour. Sauvegardez d’abord vos parties ; puis mettez-le à jour, ou désactivez-le en attendant son auteur.</numerusform>
            <numerusform>%n mods ne se sont pas chargés après la mise à jour. Sauvegardez d’abord vos parties ; puis mettez-les à jour, ou désactivez-les en attendant leurs auteurs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %n Mods</source>
        <translation>
            <numerusform>Mettre à jour %n mod</numerusform>
            <numerusform>Mettre à jour %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>Update BepInEx to %1</source>
        <translation>Mettre BepInEx à jour en %1</translation>
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
    <name>LaunchLine</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Last launch %1 · %2</source>
        <translation>Dernier lancement %1 · %2</translation>
    </message>
    <message>
        <source>Last launch · %1</source>
        <translation>Dernier lancement · %1</translation>
    </message>
</context>
<context>
    <name>LaunchSheet</name>
    <message>
        <source>Last launch</source>
        <translation>Dernier lancement</translation>
    </message>
    <message>
        <source>Copy for Discord</source>
        <translation>Copier pour Discord</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 server</source>
        <translation>serveur %1</translation>
    </message>
    <message numerus="yes">
        <source>[%1] %2 (%n times)</source>
        <translation>
            <numerusform>[%1] %2 (%n fois)</numerusform>
            <numerusform>[%1] %2 (%n fois)</numerusform>
        </translation>
    </message>
    <message>
        <source>What the mods wrote themselves:
%1</source>
        <translation>Ce que les mods ont écrit eux-mêmes :
%1</translation>
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
        <source>Launch Valheim vanilla — mods stay installed but don't load</source>
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
        <source>Very long, so shortened here; the rest is on the package's page.</source>
        <translation>Très long, donc abrégé ici ; la suite est sur la page du paquet.</translation>
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
        <source>Edit this mod's settings</source>
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
    <name>ModsPane</name>
    <message numerus="yes">
        <source>%n mods are stashed outside the plugins folder. Bring them back once you&apos;ve run the capture.</source>
        <translation>
            <numerusform>%n mod est mis de côté hors du dossier des plugins. Remettez-le une fois la capture faite.</numerusform>
            <numerusform>%n mods sont mis de côté hors du dossier des plugins. Remettez-les une fois la capture faite.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your game folder…</source>
        <translation>Lecture du dossier du jeu…</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installés</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Open BepInEx/plugins in Finder</source>
        <translation>Ouvrir BepInEx/plugins dans le Finder</translation>
    </message>
    <message>
        <source>Open the Plugins Folder</source>
        <translation>Ouvrir le dossier des plugins</translation>
    </message>
    <message>
        <source>Shader-cache capture in progress</source>
        <translation>Capture du cache de shaders en cours</translation>
    </message>
    <message>
        <source>Move Mods Back</source>
        <translation>Remettre les mods</translation>
    </message>
    <message>
        <source>No mod loader yet</source>
        <translation>Pas encore de chargeur de mods</translation>
    </message>
    <message>
        <source>Work through the setup steps on the left. Once BepInEx is installed, your mods show up here.</source>
        <translation>Suivez les étapes de préparation à gauche. Une fois BepInEx installé, vos mods apparaissent ici.</translation>
    </message>
    <message>
        <source>No mods installed</source>
        <translation>Aucun mod installé</translation>
    </message>
    <message>
        <source>Switch to Browse to search Thunderstore, or drop a mod .zip below.</source>
        <translation>Passez à Parcourir pour chercher sur Thunderstore, ou déposez le .zip d’un mod ci-dessous.</translation>
    </message>
    <message>
        <source>donate</source>
        <translation>faire un don</translation>
    </message>
    <message>
        <source>Support Skaldrun&apos;s development</source>
        <translation>Soutenez le développement de Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n enabled</source>
        <translation>
            <numerusform>%1 sur %n activé(s)</numerusform>
            <numerusform>%1 sur %n activé(s)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updates</source>
        <translation>
            <numerusform>%n mise à jour</numerusform>
            <numerusform>%n mises à jour</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PackageDocs</name>
    <message>
        <source>Couldn't load the readme: %1</source>
        <translation>Impossible de charger le readme : %1</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: %1</source>
        <translation>Impossible de charger le journal des modifications : %1</translation>
    </message>
    <message>
        <source>Couldn't load the readme: the repository answered %1.</source>
        <translation>Impossible de charger le readme : le dépôt a répondu %1.</translation>
    </message>
    <message>
        <source>Couldn't load the changelog: the repository answered %1.</source>
        <translation>Impossible de charger le journal des modifications : le dépôt a répondu %1.</translation>
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
    <name>Profiles</name>
    <message>
        <source>There is no profile called “%1”.</source>
        <translation>Aucun profil ne s’appelle « %1 ».</translation>
    </message>
    <message>
        <source>Some mods are still moved aside for the shader capture; bring them back first.</source>
        <translation>Des mods sont encore mis de côté pour la capture des shaders ; remettez-les d’abord en place.</translation>
    </message>
    <message>
        <source>The copy of %1 came out different from the original.</source>
        <translation>La copie de %1 ne correspond pas à l’original.</translation>
    </message>
    <message>
        <source>The record of an interrupted profile switch in %1 is damaged; nothing was moved.</source>
        <translation>Le journal d’un changement de profil interrompu dans %1 est endommagé ; rien n’a été déplacé.</translation>
    </message>
    <message>
        <source>%1 holds a folder named like the profile in use; move it away and try again.</source>
        <translation>%1 contient un dossier qui porte le nom du profil utilisé ; déplacez-le et réessayez.</translation>
    </message>
    <message>
        <source>Give the profile a name.</source>
        <translation>Donnez un nom au profil.</translation>
    </message>
    <message>
        <source>A profile name can't start or end with a space.</source>
        <translation>Un nom de profil ne peut pas commencer ou finir par une espace.</translation>
    </message>
    <message>
        <source>A profile name can't start with a dot.</source>
        <translation>Un nom de profil ne peut pas commencer par un point.</translation>
    </message>
    <message>
        <source>A profile name can't contain “/”, “\”, “:” or control characters.</source>
        <translation>Un nom de profil ne peut contenir ni « / », ni « \ », ni « : », ni caractères de contrôle.</translation>
    </message>
    <message>
        <source>A profile name can have at most %1 characters.</source>
        <translation>Un nom de profil ne peut pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>There is already a profile called “%1”.</source>
        <translation>Un profil s’appelle déjà « %1 ».</translation>
    </message>
    <message>
        <source>“%1” is the profile in use; switch to another one before deleting it.</source>
        <translation>« %1 » est le profil utilisé ; passez à un autre avant de le supprimer.</translation>
    </message>
    <message>
        <source>Couldn't switch to “%1”: %2</source>
        <translation>Impossible de passer à « %1 » : %2</translation>
    </message>
    <message>
        <source>Couldn't switch to “%1”: %2 “%3” is still active.</source>
        <translation>Impossible de passer à « %1 » : %2 « %3 » reste actif.</translation>
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
        <translation>%1 n'a pas de paquet %2.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library; name its folder with --game.</source>
        <translation>Valheim est introuvable dans les bibliothèques Steam ; indiquez son dossier avec --game.</translation>
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
        <translation>ShaderHelperForMac compare les matériaux des mods à une référence capturée dans le jeu sans mods. Après une mise à jour de Valheim, reconstruisez-la pour qu'elle corresponde à votre version du jeu. Les étapes ci-dessous déplacent les fichiers pour vous.</translation>
    </message>
    <message>
        <source>Install ShaderHelperForMac first — see the pink banner in the Mods pane, or search for it in Browse.</source>
        <translation>Installez d'abord ShaderHelperForMac — voyez la bannière rose dans le panneau Mods, ou cherchez-le dans Parcourir.</translation>
    </message>
    <message>
        <source>Move every mod except ShaderHelperForMac out of the plugins folder, so mod materials can't contaminate the baseline.</source>
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
        <source>Copies every world and character to this app's backup folder</source>
        <translation>Copie tous les mondes et personnages dans le dossier de sauvegarde de cette app</translation>
    </message>
    <message>
        <source>Back up first: if the game saves while mods are unloaded, modded items and buildings vanish from those saves.</source>
        <translation>Sauvegardez d'abord : si le jeu enregistre pendant que les mods sont retirés, les objets et constructions moddés disparaissent de ces parties.</translation>
    </message>
    <message>
        <source>Launch Valheim and load any world.</source>
        <translation>Lancez Valheim et chargez n'importe quel monde.</translation>
    </message>
    <message>
        <source>Launch Valheim</source>
        <translation>Lancer Valheim</translation>
    </message>
    <message>
        <source>Heads up: the F5 console needs -console in your Steam launch options — enable the checkbox in Setup step 6 and re-paste first.</source>
        <translation>Attention : la console F5 nécessite -console dans vos options de lancement Steam — cochez d'abord la case à l'étape 6 de la configuration et recollez-les.</translation>
    </message>
    <message>
        <source>Press F5 in game and run the capture command (already on your clipboard after step 1):</source>
        <translation>Appuyez sur F5 en jeu et lancez la commande de capture (déjà dans votre presse-papiers après l'étape 1) :</translation>
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
        <source>Overwrites current saves with the latest backup's versions</source>
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
        <source>Some mods ship Windows-only shaders that Metal can't render. ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically.</source>
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
    <name>Share</name>
    <message>
        <source>Write profile export --file F.r2z or profile export --code.</source>
        <translation>Écrivez profile export --file F.r2z ou profile export --code.</translation>
    </message>
    <message>
        <source>Write profile import CODE or profile import FILE, with --name N for the new profile or --replace to import into this one.</source>
        <translation>Écrivez profile import CODE ou profile import FILE, avec --name N pour le nouveau profil ou --replace pour importer dans celui-ci.</translation>
    </message>
    <message>
        <source>“--replace” means nothing to an export.</source>
        <translation>« --replace » ne veut rien dire pour un export.</translation>
    </message>
    <message>
        <source>“--name” names the new profile an import makes; it goes without “--replace”.</source>
        <translation>« --name » nomme le nouveau profil créé par un import ; il ne va pas avec « --replace ».</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Rien à importer.</translation>
    </message>
    <message>
        <source>%1 %2 (disabled)</source>
        <translation>%1 %2 (désactivé)</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
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
        <source>I've added it — mark this step done</source>
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
        <source>BepInEx's injector is Intel-only, so Apple Silicon needs Apple's Rosetta 2 translation layer.</source>
        <translation>L’injecteur de BepInEx est Intel uniquement, Apple Silicon a donc besoin de la couche de traduction Rosetta 2 d’Apple.</translation>
    </message>
    <message>
        <source>BepInEx %1 is in the game folder and %2 is ready.</source>
        <translation>BepInEx %1 est dans le dossier du jeu et %2 est prêt.</translation>
    </message>
    <message>
        <source>%1 is from a pack older than 5.4.2331 and can't start BepInEx through Steam any more — update the pack.</source>
        <translation>%1 vient d’un pack antérieur à 5.4.2331 et ne peut plus lancer BepInEx via Steam — mettez le pack à jour.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 isn't executable yet.</source>
        <translation>Les fichiers de BepInEx sont là, mais %1 n’est pas encore exécutable.</translation>
    </message>
    <message>
        <source>BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).</source>
        <translation>Les fichiers de BepInEx sont là, mais %1 a encore besoin de ses corrections Mac (droit d’exécution + nom du jeu).</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it into the game folder.</source>
        <translation>Télécharge le BepInExPack pour Valheim de denikson depuis Thunderstore et le décompresse dans le dossier du jeu.</translation>
    </message>
    <message>
        <source>Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it next to %1.</source>
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
        <source>The launch script starts the game's Intel (x86_64) build, so BepInEx loads under Rosetta.</source>
        <translation>Le script de lancement démarre la version Intel (x86_64) du jeu, BepInEx se charge donc sous Rosetta.</translation>
    </message>
    <message>
        <source>Valheim's Mac app is Universal and would run natively, where BepInEx can't load — the fix makes the launch script start its Intel build.</source>
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
        <source>Linux doesn't quarantine downloads.</source>
        <translation>Linux ne met pas les téléchargements en quarantaine.</translation>
    </message>
    <message>
        <source>After BepInEx is installed, this strips macOS's quarantine flag so Gatekeeper doesn't block the injector.</source>
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
        <source>No quarantine flags on the modding files — Gatekeeper won't interfere.</source>
        <translation>Aucune marque de quarantaine sur les fichiers de mods — Gatekeeper ne gênera pas.</translation>
    </message>
    <message>
        <source>Found in your Steam settings — Valheim starts through BepInEx.</source>
        <translation>Trouvé dans vos réglages Steam — Valheim démarre via BepInEx.</translation>
    </message>
    <message>
        <source>The one manual step: Steam has to start the game through BepInEx's script.</source>
        <translation>La seule étape manuelle : Steam doit lancer le jeu via le script de BepInEx.</translation>
    </message>
    <message>
        <source>Modded launch confirmed — BepInEx last wrote its log %1.</source>
        <translation>Lancement moddé confirmé — BepInEx a écrit son journal pour la dernière fois le %1.</translation>
    </message>
    <message>
        <source>BepInEx's last log comes from the Windows build under Proton, not the native game.</source>
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
<context>
    <name>TSPackage</name>
    <message>
        <source>%1 has no version %2; the newest are %3.</source>
        <translation>%1 n'a pas de version %2 ; les plus récentes sont %3.</translation>
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
        <translation>Mis à jour à l'instant</translation>
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
        <source>Couldn't load the catalog: %1</source>
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
        <source>Don't offer updates for %1</source>
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