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
        <translation>Quittez d&apos;abord Valheim — changer de profil pendant que le jeu tourne lui retirerait ses mods en pleine partie.</translation>
    </message>
    <message>
        <source>Switching to profile %1…</source>
        <translation>Passage au profil %1…</translation>
    </message>
    <message>
        <source>Switched to profile %1</source>
        <translation>Profil %1 activé</translation>
    </message>
    <message>
        <source>%1 Download it from %2 yourself and drop the .zip anywhere on this window.</source>
        <translation>%1 Téléchargez-le vous-même depuis %2 et déposez le .zip n&apos;importe où sur cette fenêtre.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore for %1 (%2). Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>Impossible de joindre Thunderstore pour %1 (%2). Téléchargez-le vous-même depuis %3 et déposez le .zip n&apos;importe où sur cette fenêtre.</translation>
    </message>
    <message>
        <source>Thunderstore&apos;s answer about %1 (HTTP %2) names no download; try again later. Download it from %3 yourself and drop the .zip anywhere on this window.</source>
        <translation>La réponse de Thunderstore pour %1 (HTTP %2) ne contient aucun téléchargement ; réessayez plus tard. Téléchargez-le vous-même depuis %3 et déposez le .zip n&apos;importe où sur cette fenêtre.</translation>
    </message>
    <message>
        <source>Downloading %1 %2…</source>
        <translation>Téléchargement de %1 %2…</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Téléchargement de %1…</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Échec du téléchargement : %1</translation>
    </message>
    <message>
        <source>Installing %1…</source>
        <translation>Installation de %1…</translation>
    </message>
    <message>
        <source>Install failed: %1</source>
        <translation>Échec de l&apos;installation : %1</translation>
    </message>
    <message>
        <source>Another change of this game folder is under way (“%1”); try again when it has finished.</source>
        <translation>Une autre modification de ce dossier du jeu est en cours (« %1 ») ; réessayez quand elle sera terminée.</translation>
    </message>
    <message>
        <source>Found Valheim at %1</source>
        <translation>Valheim trouvé dans %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find Valheim in any Steam library. Install it through Steam first, or choose its folder manually.</source>
        <translation>Valheim est introuvable dans les bibliothèques Steam. Installez-le d&apos;abord via Steam, ou choisissez son dossier manuellement.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Select the Valheim game folder (the one containing %1)</source>
        <translation>Sélectionnez le dossier du jeu Valheim (celui qui contient %1)</translation>
    </message>
    <message>
        <source>Installing Rosetta 2… this can take a minute</source>
        <translation>Installation de Rosetta 2… cela peut prendre une minute</translation>
    </message>
    <message>
        <source>Rosetta 2 installed</source>
        <translation>Rosetta 2 installé</translation>
    </message>
    <message>
        <source>Rosetta 2 install didn&apos;t finish (exit %1).
%2
Run this in Terminal instead:
%3</source>
        <translation>L&apos;installation de Rosetta 2 n&apos;a pas abouti (code %1).
%2
Lancez plutôt ceci dans le Terminal :
%3</translation>
    </message>
    <message>
        <source>Contacting Thunderstore…</source>
        <translation>Connexion à Thunderstore…</translation>
    </message>
    <message>
        <source>Choose the BepInExPack_Valheim .zip you downloaded</source>
        <translation>Choisissez le .zip BepInExPack_Valheim que vous avez téléchargé</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Installation…</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the launch script: %1</source>
        <translation>Impossible de mettre à jour le script de lancement : %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be made to start the game&apos;s Intel build: it isn&apos;t the script of a BepInEx pack from 5.4.2331 on. Reinstall BepInEx in step 3; its new script gets the fix as it goes in.</source>
        <translation>%1 ne peut pas être adapté pour lancer la version Intel du jeu : ce n&apos;est pas le script d&apos;un pack BepInEx 5.4.2331 ou plus récent. Réinstallez BepInEx à l&apos;étape 3 ; son nouveau script reçoit la correction à l&apos;installation.</translation>
    </message>
    <message>
        <source>Made %1 executable</source>
        <translation>%1 rendu exécutable</translation>
    </message>
    <message>
        <source>Updated %1 for this Mac</source>
        <translation>%1 adapté à ce Mac</translation>
    </message>
    <message>
        <source>Clearing quarantine flags…</source>
        <translation>Suppression des marques de quarantaine…</translation>
    </message>
    <message>
        <source>No quarantine flags found</source>
        <translation>Aucune marque de quarantaine trouvée</translation>
    </message>
    <message numerus="yes">
        <source>Removed quarantine from %n files</source>
        <translation>
            <numerusform>Quarantaine retirée de %n fichier</numerusform>
            <numerusform>Quarantaine retirée de %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Launch options copied — paste them into Steam</source>
        <translation>Options de lancement copiées — collez-les dans Steam</translation>
    </message>
    <message>
        <source>Asked Steam to launch Valheim</source>
        <translation>Demande de lancement de Valheim envoyée à Steam</translation>
    </message>
    <message>
        <source>Start Steam first — Valheim needs it running even for a vanilla launch.</source>
        <translation>Lancez d&apos;abord Steam — Valheim en a besoin même pour un lancement en vanilla.</translation>
    </message>
    <message>
        <source>Couldn&apos;t launch Valheim directly: %1</source>
        <translation>Impossible de lancer Valheim directement : %1</translation>
    </message>
    <message>
        <source>Launched Valheim vanilla — mods stay installed but don&apos;t load</source>
        <translation>Valheim lancé en vanilla — les mods restent installés mais ne se chargent pas</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1).</source>
        <translation>Indiquez d&apos;abord votre dossier Valheim (étape 1).</translation>
    </message>
    <message>
        <source>Preparing %1…</source>
        <translation>Préparation de %1…</translation>
    </message>
    <message>
        <source>%1 is installed already</source>
        <translation>%1 est déjà installé</translation>
    </message>
    <message>
        <source>Locate your Valheim folder first (step 1), then drop mods here.</source>
        <translation>Indiquez d&apos;abord votre dossier Valheim (étape 1), puis déposez les mods ici.</translation>
    </message>
    <message numerus="yes">
        <source>Installing %n items…</source>
        <translation>
            <numerusform>Installation de %n élément…</numerusform>
            <numerusform>Installation de %n éléments…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 enabled</source>
        <translation>
            <numerusform>%1 activé</numerusform>
            <numerusform>%1 activés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 disabled</source>
        <translation>
            <numerusform>%1 désactivé</numerusform>
            <numerusform>%1 désactivés</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t toggle %1: %2</source>
        <translation>Impossible d&apos;activer ou de désactiver %1 : %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove %1: %2</source>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 to Trash</source>
        <translation>
            <numerusform>%1 placé dans la Corbeille</numerusform>
            <numerusform>%1 placés dans la Corbeille</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete all of %1 (%2).</source>
        <translation>Impossible de supprimer entièrement %1 (%2).</translation>
    </message>
    <message>
        <source>Saved settings for %1</source>
        <translation>Réglages de %1 enregistrés</translation>
    </message>
    <message>
        <source>Couldn&apos;t revert: %1</source>
        <translation>Impossible de rétablir : %1</translation>
    </message>
    <message>
        <source>Restored original settings for %1</source>
        <translation>Réglages d&apos;origine de %1 rétablis</translation>
    </message>
    <message>
        <source>Quit Valheim first — backing up while the game is running can capture a half-written save.</source>
        <translation>Quittez d&apos;abord Valheim — une sauvegarde pendant que le jeu tourne peut capturer une partie à moitié écrite.</translation>
    </message>
    <message>
        <source>Backing up worlds and characters…</source>
        <translation>Sauvegarde des mondes et personnages…</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n save files</source>
        <translation>
            <numerusform>Sauvegarde faite : %n fichier de partie</numerusform>
            <numerusform>Sauvegarde faite : %n fichiers de partie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 — %n links in the save folder lead nowhere, so no older backup was removed</source>
        <translation>
            <numerusform>Sauvegarde faite : %1 — %n lien du dossier des parties ne mène nulle part, aucune ancienne sauvegarde n&apos;a donc été supprimée</numerusform>
            <numerusform>Sauvegarde faite : %1 — %n liens du dossier des parties ne mènent nulle part, aucune ancienne sauvegarde n&apos;a donc été supprimée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n save files</source>
        <translation>
            <numerusform>%n fichier de partie</numerusform>
            <numerusform>%n fichiers de partie</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Valheim first — restoring while the game is running would corrupt the save.</source>
        <translation>Quittez d&apos;abord Valheim — restaurer pendant que le jeu tourne corromprait la partie.</translation>
    </message>
    <message>
        <source>Restoring worlds and characters…</source>
        <translation>Restauration des mondes et personnages…</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n save files from the backup</source>
        <translation>
            <numerusform>%n fichier de partie restauré depuis la sauvegarde</numerusform>
            <numerusform>%n fichiers de partie restaurés depuis la sauvegarde</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t move mods aside: %1</source>
        <translation>Impossible de mettre les mods de côté : %1</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n mods aside — capture command copied to clipboard</source>
        <translation>
            <numerusform>%n mod mis de côté — commande de capture copiée dans le presse-papiers</numerusform>
            <numerusform>%n mods mis de côté — commande de capture copiée dans le presse-papiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t restore mods: %1</source>
        <translation>Impossible de remettre les mods : %1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n mods — relaunch Valheim to play modded</source>
        <translation>
            <numerusform>%n mod remis en place — relancez Valheim pour jouer avec les mods</numerusform>
            <numerusform>%n mods remis en place — relancez Valheim pour jouer avec les mods</numerusform>
        </translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so %1 can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>Le catalogue de mods n&apos;est pas encore chargé, %1 ne peut donc pas encore être recherché — réessayez quand Parcourir affichera des mods.</translation>
    </message>
    <message>
        <source>Neither Thunderstore nor Hexium has %1 — if you have its .zip, drop it anywhere on this window.</source>
        <translation>Ni Thunderstore ni Hexium ne propose %1 — si vous avez son .zip, déposez-le n&apos;importe où sur cette fenêtre.</translation>
    </message>
    <message>
        <source>The last launch&apos;s summary is copied — paste it into Discord</source>
        <translation>Le résumé du dernier lancement est copié — collez-le dans Discord</translation>
    </message>
    <message>
        <source>Quit Steam first — it rewrites its settings when it quits, so launch options written while it runs would be lost.</source>
        <translation>Quittez d&apos;abord Steam — il réécrit ses réglages en quittant, donc des options de lancement écrites pendant qu&apos;il tourne seraient perdues.</translation>
    </message>
    <message>
        <source>Couldn&apos;t tell which Steam account plays Valheim. Sign in to Steam once, quit it, then try again — or paste the launch options yourself.</source>
        <translation>Impossible de savoir quel compte Steam joue à Valheim. Connectez-vous une fois à Steam, quittez-le, puis réessayez — ou collez vous-même les options de lancement.</translation>
    </message>
    <message>
        <source>Setting Valheim&apos;s launch options in Steam…</source>
        <translation>Réglage des options de lancement de Valheim dans Steam…</translation>
    </message>
    <message>
        <source>Launch options set in Steam</source>
        <translation>Options de lancement réglées dans Steam</translation>
    </message>
    <message>
        <source>Launch options set in Steam (the previous settings are kept in %1)</source>
        <translation>Options de lancement réglées dans Steam (les réglages précédents sont conservés dans %1)</translation>
    </message>
    <message>
        <source>Another action is under way (“%1”); open the profile again when it has finished.</source>
        <translation>Une autre action est en cours (« %1 ») ; rouvrez le profil quand elle sera terminée.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <source>%1 is far larger than any profile.</source>
        <translation>%1 est bien plus volumineux qu&apos;un profil.</translation>
    </message>
    <message>
        <source>Choose a profile (.r2z or export.r2x) to import</source>
        <translation>Choisissez un profil (.r2z ou export.r2x) à importer</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code: codes look like 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</source>
        <translation>Ce n&apos;est pas un code de profil : les codes ressemblent à 018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f.</translation>
    </message>
    <message>
        <source>Fetching the profile code…</source>
        <translation>Récupération du code de profil…</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t hand out that profile code (HTTP %2).</source>
        <translation>%1 n&apos;a pas pu fournir ce code de profil (HTTP %2).</translation>
    </message>
    <message numerus="yes">
        <source>Read the profile “%1”: %n mods</source>
        <translation>
            <numerusform>Profil « %1 » lu : %n mod</numerusform>
            <numerusform>Profil « %1 » lu : %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore or Hexium for that code: %1</source>
        <translation>Impossible de joindre Thunderstore ou Hexium pour ce code : %1</translation>
    </message>
    <message>
        <source>That profile code wasn&apos;t found — it may have expired or been mistyped.</source>
        <translation>Ce code de profil est introuvable — il a peut-être expiré ou été mal saisi.</translation>
    </message>
    <message>
        <source>The mod catalog hasn&apos;t loaded, so the pack&apos;s mods can&apos;t be looked up yet — try again once Browse lists mods.</source>
        <translation>Le catalogue de mods n&apos;est pas encore chargé, les mods du pack ne peuvent donc pas encore être recherchés — réessayez quand Parcourir affichera des mods.</translation>
    </message>
    <message>
        <source>None of the mods of “%1” is on Thunderstore or Hexium for Valheim — it&apos;s a profile for another game, so nothing was imported.</source>
        <translation>Aucun des mods de « %1 » n&apos;est sur Thunderstore ou Hexium pour Valheim — c&apos;est un profil pour un autre jeu, rien n&apos;a donc été importé.</translation>
    </message>
    <message>
        <source>Quit Valheim first — importing over this profile while the game runs would change its mods under it.</source>
        <translation>Quittez d&apos;abord Valheim — importer par-dessus ce profil pendant que le jeu tourne modifierait ses mods en pleine partie.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Import cancelled — nothing was changed.</source>
        <translation>Importation annulée — rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Couldn&apos;t download %1 — nothing was changed.</source>
        <translation>Impossible de télécharger %1 — rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — you&apos;re back on profile %2. %3</source>
        <translation>Impossible d&apos;importer %1 — vous voici de retour sur le profil %2. %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t import %1 — nothing was changed. %2</source>
        <translation>Impossible d&apos;importer %1 — rien n&apos;a été modifié. %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2</source>
        <translation>
            <numerusform>Mods importés dans le nouveau profil %2 : %1 sur %n</numerusform>
            <numerusform>Mods importés dans le nouveau profil %2 : %1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods into the new profile %2; not found: %3</source>
        <translation>
            <numerusform>Mods importés dans le nouveau profil %2 : %1 sur %n ; introuvables : %3</numerusform>
            <numerusform>Mods importés dans le nouveau profil %2 : %1 sur %n ; introuvables : %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods</source>
        <translation>
            <numerusform>Mods importés : %1 sur %n</numerusform>
            <numerusform>Mods importés : %1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 of %n mods; not found: %2</source>
        <translation>
            <numerusform>Mods importés : %1 sur %n ; introuvables : %2</numerusform>
            <numerusform>Mods importés : %1 sur %n ; introuvables : %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Importation de %1…</translation>
    </message>
    <message>
        <source>Not included: %1 — they aren&apos;t from Thunderstore or Hexium</source>
        <translation>Non inclus : %1 — ils ne viennent ni de Thunderstore ni de Hexium</translation>
    </message>
    <message>
        <source>Save the profile for r2modman, Gale or Skaldrun players</source>
        <translation>Enregistrer le profil pour les joueurs de r2modman, Gale ou Skaldrun</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n mods to %1</source>
        <translation>
            <numerusform>%n mod enregistré dans %1</numerusform>
            <numerusform>%n mods enregistrés dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Making a profile code…</source>
        <translation>Création du code de profil…</translation>
    </message>
    <message>
        <source>This profile is over 20 MB, too large for a code; export it as a .r2z file instead.</source>
        <translation>Ce profil dépasse 20 Mo, c&apos;est trop pour un code ; exportez-le plutôt en fichier .r2z.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Thunderstore to make a code: %1</source>
        <translation>Impossible de joindre Thunderstore pour créer un code : %1</translation>
    </message>
    <message>
        <source>Thunderstore makes only a few codes a minute; try again in a minute.</source>
        <translation>Thunderstore ne crée que quelques codes par minute ; réessayez dans une minute.</translation>
    </message>
    <message>
        <source>Thunderstore didn&apos;t make a code (HTTP %1).</source>
        <translation>Thunderstore n&apos;a pas créé de code (HTTP %1).</translation>
    </message>
    <message>
        <source>Profile code: %1</source>
        <translation>Code de profil : %1</translation>
    </message>
    <message>
        <source>Profile code copied</source>
        <translation>Code de profil copié</translation>
    </message>
    <message>
        <source>Updates for %1 are offered again</source>
        <translation>Les mises à jour de %1 sont de nouveau proposées</translation>
    </message>
    <message>
        <source>No updates will be offered for %1</source>
        <translation>Aucune mise à jour ne sera proposée pour %1</translation>
    </message>
    <message>
        <source>Quit Valheim first — updating mods while the game or its server runs would change them under it.</source>
        <translation>Quittez d&apos;abord Valheim — mettre à jour des mods pendant que le jeu ou son serveur tourne les modifierait en pleine partie.</translation>
    </message>
    <message numerus="yes">
        <source>Updating %n mods…</source>
        <translation>
            <numerusform>Mise à jour de %n mod…</numerusform>
            <numerusform>Mise à jour de %n mods…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>Stopping after this mod…</source>
        <translation>Arrêt après ce mod…</translation>
    </message>
    <message>
        <source>Installing %1 %2…</source>
        <translation>Installation de %1 %2…</translation>
    </message>
    <message>
        <source>Installed %1 %2</source>
        <translation>%1 %2 installé</translation>
    </message>
    <message>
        <source>Installing what %1 needs…</source>
        <translation>Installation de ce dont %1 a besoin…</translation>
    </message>
    <message>
        <source>Installed %1 for %2</source>
        <translation>Installé pour %2 : %1</translation>
    </message>
    <message>
        <source>Nothing was missing for %1</source>
        <translation>Rien ne manquait à %1</translation>
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
    <name>Change</name>
    <message>
        <source>Another change of this game folder is still under way.</source>
        <translation>Une autre modification de ce dossier du jeu est encore en cours.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t in the game folder.</source>
        <translation>%1 n’est pas dans le dossier du jeu.</translation>
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
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file that doesn&apos;t exist.</source>
        <translation>Impossible d’enregistrer « %1 » : c’est un lien vers un fichier qui n’existe pas.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save “%1”: it&apos;s a link to a file outside the game folder.</source>
        <translation>Impossible d’enregistrer « %1 » : c’est un lien vers un fichier hors du dossier du jeu.</translation>
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
    <name>FolderLock</name>
    <message>
        <source>Another program (process %1) is changing this game folder; try again when it has finished.</source>
        <translation>Un autre programme (processus %1) modifie ce dossier du jeu ; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>%1 (process %2) is changing this game folder; try again when it has finished.</source>
        <translation>%1 (processus %2) modifie ce dossier du jeu ; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the game folder for changes (%1).</source>
        <translation>Impossible de verrouiller le dossier du jeu pour le modifier (%1).</translation>
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
    <name>Fs</name>
    <message>
        <source>Couldn&apos;t read “%1”: %2.</source>
        <translation>Impossible de lire « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write “%1”: %2.</source>
        <translation>Impossible d’écrire « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2.</source>
        <translation>Impossible de créer « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”: %2.</source>
        <translation>Impossible de créer le dossier « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a folder in “%1”: %2.</source>
        <translation>Impossible de créer un dossier dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the folder “%1”: %2.</source>
        <translation>Impossible de lire le dossier « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: %2.</source>
        <translation>Impossible de copier « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: %2.</source>
        <translation>Impossible de déplacer « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove “%1”: %2.</source>
        <translation>Impossible de supprimer « %1 » : %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read “%1”: it isn&apos;t UTF-8 text.</source>
        <translation>Impossible de lire « %1 » : ce n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move “%1”: “%2” already exists.</source>
        <translation>Impossible de déplacer « %1 » : « %2 » existe déjà.</translation>
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
    <name>Http</name>
    <message>
        <source>The server stopped answering (timed out)</source>
        <translation>Le serveur ne répond plus (délai dépassé)</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>Le serveur a refusé la connexion</translation>
    </message>
    <message>
        <source>The server&apos;s address couldn&apos;t be found</source>
        <translation>L’adresse du serveur est introuvable</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>Le serveur a fermé la connexion</translation>
    </message>
    <message>
        <source>The server sent us round in circles (too many redirects)</source>
        <translation>Le serveur nous a fait tourner en rond (trop de redirections)</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made</source>
        <translation>Impossible d’établir une connexion sécurisée avec le serveur</translation>
    </message>
    <message>
        <source>The Internet connection appears to be offline</source>
        <translation>La connexion Internet semble coupée</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Le téléchargement a été annulé</translation>
    </message>
    <message>
        <source>The server sent more than %1 MB, far more than expected</source>
        <translation>Le serveur a envoyé plus de %1 Mo, bien plus que prévu</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved to disk</source>
        <translation>Le téléchargement n’a pas pu être enregistré sur le disque</translation>
    </message>
    <message>
        <source>Couldn&apos;t create “%1”: %2</source>
        <translation>Impossible de créer « %1 » : %2</translation>
    </message>
    <message>
        <source>The server answered with an error (HTTP %1)</source>
        <translation>Le serveur a répondu par une erreur (HTTP %1)</translation>
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
    <name>InstallError</name>
    <message>
        <source>%1 isn&apos;t something I can install — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>Je ne peux pas installer %1 — déposez un .zip de mod, un plugin .dll, un fichier .cfg ou un dossier de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: %1</source>
        <translation>Impossible d’extraire l’archive : %1</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t seem to contain any mod files.</source>
        <translation>%1 ne semble contenir aucun fichier de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any Valheim worlds or characters in %1.</source>
        <translation>Aucun monde ni personnage de Valheim trouvé dans %1.</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>the archive is damaged or isn&apos;t a ZIP archive</source>
        <translation>l’archive est endommagée ou n’est pas une archive ZIP</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an absolute path, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : l’entrée « %1 » a un chemin absolu, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” points outside the archive&apos;s folder, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : l’entrée « %1 » pointe hors du dossier de l’archive, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” has an invalid name, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : l’entrée « %1 » a un nom invalide, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it unpacks to more than %1, far more than any mod needs, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : il se décompresse en plus de %1, bien plus qu’aucun mod n’en a besoin, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: it holds more than %1 files, far more than any mod needs, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : elle contient plus de %1 fichiers, bien plus qu’aucun mod n’en a besoin, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: an entry has no name, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : une entrée n’a pas de nom, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a symbolic link, which no mod needs, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : l’entrée « %1 » est un lien symbolique, dont aucun mod n’a besoin, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” is a hard link, which no mod needs, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : l’entrée « %1 » est un lien physique, dont aucun mod n’a besoin, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” isn&apos;t a file or a folder, so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : l’entrée « %1 » n’est ni un fichier ni un dossier, rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be written (%2), so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : l’entrée « %1 » n’a pas pu être écrite (%2), rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract the archive: the entry “%1” couldn&apos;t be read (%2), so nothing was installed.</source>
        <translation>Impossible d’extraire l’archive : l’entrée « %1 » n’a pas pu être lue (%2), rien n’a donc été installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it overlaps “%2”.</source>
        <translation>Impossible de copier « %1 » : il chevauche « %2 ».</translation>
    </message>
    <message>
        <source>BepInEx is already set up in the game folder; kept it as it is</source>
        <translation>BepInEx est déjà en place dans le dossier du jeu ; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>BepInEx %1 installed into the game folder</source>
        <translation>BepInEx %1 installé dans le dossier du jeu</translation>
    </message>
    <message>
        <source>BepInEx installed into the game folder</source>
        <translation>BepInEx installé dans le dossier du jeu</translation>
    </message>
    <message>
        <source>Merged %1 into BepInEx</source>
        <translation>%1 fusionné dans BepInEx</translation>
    </message>
    <message>
        <source>Couldn&apos;t install “%1”: neither its manifest nor its file name gives a usable folder name.</source>
        <translation>Impossible d’installer « %1 » : ni son manifeste ni son nom de fichier ne donnent un nom de dossier utilisable.</translation>
    </message>
    <message>
        <source>Installed %1 (data/config files only — no plugin DLL)</source>
        <translation>%1 installé (fichiers de données/configuration uniquement — aucune DLL de plugin)</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 installé</translation>
    </message>
    <message>
        <source>Copied %1 into BepInEx/config</source>
        <translation>%1 copié dans BepInEx/config</translation>
    </message>
    <message>
        <source>%1 holds the game folder&apos;s own files, so it can&apos;t be installed into them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.</source>
        <translation>%1 contient les fichiers propres au dossier du jeu : il ne peut donc pas y être installé — déposez un .zip de mod, un plugin .dll, un fichier .cfg ou un dossier de mod.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: “%2” lies inside it.</source>
        <translation>Impossible de copier « %1 » : « %2 » se trouve à l’intérieur.</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy “%1”: it is a symbolic link.</source>
        <translation>Impossible de copier « %1 » : c’est un lien symbolique.</translation>
    </message>
</context>
<context>
    <name>LaunchFixes</name>
    <message>
        <source>Update to %1</source>
        <translation>Mettre à jour vers %1</translation>
    </message>
    <message>
        <source>Go Back to %1</source>
        <translation>Revenir à %1</translation>
    </message>
    <message>
        <source>Switch On %1</source>
        <translation>Activer %1</translation>
    </message>
    <message>
        <source>Update %1 %2</source>
        <translation>Mettre à jour %1 %2</translation>
    </message>
    <message>
        <source>Install %1 %2</source>
        <translation>Installer %1 %2</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Désactiver</translation>
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
    <name>LaunchText</name>
    <message>
        <source>%1, which isn&apos;t installed</source>
        <translation>%1, qui n’est pas installé</translation>
    </message>
    <message>
        <source>%1, which is switched off</source>
        <translation>%1, qui est désactivé</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which isn&apos;t installed</source>
        <translation>%1 %2 ou plus récent, qui n’est pas installé</translation>
    </message>
    <message>
        <source>%1 %2 or newer, which is switched off</source>
        <translation>%1 %2 ou plus récent, qui est désactivé</translation>
    </message>
    <message>
        <source>%1 %2 or newer, you have %3</source>
        <translation>%1 %2 ou plus récent, vous avez %3</translation>
    </message>
    <message>
        <source>%1 %2 or newer</source>
        <translation>%1 %2 ou plus récent</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n fois)</numerusform>
            <numerusform>%1 (%n fois)</numerusform>
        </translation>
    </message>
    <message>
        <source>the server needs %1 %2, it has %3</source>
        <translation>le serveur a besoin de %1 %2, il a %3</translation>
    </message>
    <message>
        <source>the client needs %1 %2, it has %3</source>
        <translation>le client a besoin de %1 %2, il a %3</translation>
    </message>
    <message>
        <source>the server lacks %1</source>
        <translation>il manque %1 au serveur</translation>
    </message>
    <message>
        <source>the client lacks %1</source>
        <translation>il manque %1 au client</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>The server runs another version of Valheim</source>
        <translation>Le serveur utilise une autre version de Valheim</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the server</source>
        <translation>Impossible de se connecter au serveur</translation>
    </message>
    <message>
        <source>The server refused the password</source>
        <translation>Le serveur a refusé le mot de passe</translation>
    </message>
    <message>
        <source>The server has banned this player</source>
        <translation>Le serveur a banni ce joueur</translation>
    </message>
    <message>
        <source>The server is full</source>
        <translation>Le serveur est plein</translation>
    </message>
    <message>
        <source>Lost the connection to the server (%1)</source>
        <translation>Connexion au serveur perdue (%1)</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1 ; et %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it needs %2</source>
        <translation>%1 ne s’est pas chargé : il a besoin de %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: it can&apos;t run beside %2</source>
        <translation>%1 ne s’est pas chargé : il ne peut pas fonctionner avec %2</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: a mod it needs didn&apos;t load</source>
        <translation>%1 ne s’est pas chargé : un mod dont il a besoin ne s’est pas chargé</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load, and BepInEx gave no reason</source>
        <translation>%1 ne s’est pas chargé, et BepInEx n’a donné aucune raison</translation>
    </message>
    <message>
        <source>%1 didn&apos;t load: %2</source>
        <translation>%1 ne s’est pas chargé : %2</translation>
    </message>
    <message>
        <source>%1 is installed twice; BepInEx loaded one copy</source>
        <translation>%1 est installé deux fois ; BepInEx en a chargé une copie</translation>
    </message>
    <message>
        <source>%1 was skipped: %2 is installed too</source>
        <translation>%1 a été ignoré : %2 est aussi installé</translation>
    </message>
    <message>
        <source>%1 was made for BepInEx %2 and might not work until it&apos;s updated</source>
        <translation>%1 a été conçu pour BepInEx %2 et risque de ne pas fonctionner avant sa mise à jour</translation>
    </message>
    <message>
        <source>A mod couldn&apos;t patch the game, and its error names no mod</source>
        <translation>Un mod n’a pas pu patcher le jeu, et son erreur ne nomme aucun mod</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t patch the game — it may need an update for this Valheim</source>
        <translation>%1 n’a pas pu patcher le jeu — il a peut-être besoin d’une mise à jour pour cette version de Valheim</translation>
    </message>
    <message>
        <source>%1 failed to start (%2)</source>
        <translation>%1 n’a pas pu démarrer (%2)</translation>
    </message>
    <message>
        <source>%1 failed to start (an error)</source>
        <translation>%1 n’a pas pu démarrer (une erreur)</translation>
    </message>
    <message>
        <source>Something failed (%1), and no mod is named in it</source>
        <translation>Quelque chose a échoué (%1), et aucun mod n’y est nommé</translation>
    </message>
    <message>
        <source>Something failed (an error), and no mod is named in it</source>
        <translation>Quelque chose a échoué (une erreur), et aucun mod n’y est nommé</translation>
    </message>
    <message>
        <source>Something failed (%1) in %2, which no one mod stands for</source>
        <translation>Quelque chose a échoué (%1) dans %2, qui ne correspond à aucun mod en particulier</translation>
    </message>
    <message>
        <source>Something failed (an error) in %1, which no one mod stands for</source>
        <translation>Quelque chose a échoué (une erreur) dans %1, qui ne correspond à aucun mod en particulier</translation>
    </message>
    <message>
        <source>%1 ran into %2</source>
        <translation>%1 a rencontré %2</translation>
    </message>
    <message>
        <source>%1 ran into an error</source>
        <translation>%1 a rencontré une erreur</translation>
    </message>
    <message>
        <source>the game&apos;s versions differ (%1)</source>
        <translation>les versions du jeu diffèrent (%1)</translation>
    </message>
    <message>
        <source>A connection was refused: the versions differ</source>
        <translation>Une connexion a été refusée : les versions diffèrent</translation>
    </message>
    <message>
        <source>A connection was refused: %1</source>
        <translation>Une connexion a été refusée : %1</translation>
    </message>
    <message>
        <source>Jotunn&apos;s version check turned a connection away</source>
        <translation>La vérification de version de Jotunn a refusé une connexion</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the server: %2</source>
        <translation>Des mods doivent être %1 sur le serveur : %2</translation>
    </message>
    <message>
        <source>Mods need to be %1 on the client: %2</source>
        <translation>Des mods doivent être %1 sur le client : %2</translation>
    </message>
    <message>
        <source>A connection was closed</source>
        <translation>Une connexion a été fermée</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>Chargés : %1 sur %n mod, Valheim %2</numerusform>
            <numerusform>Chargés : %1 sur %n mods, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mods loaded</source>
        <translation>
            <numerusform>Chargés : %1 sur %n mod</numerusform>
            <numerusform>Chargés : %1 sur %n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2</source>
        <translation>
            <numerusform>BepInEx s’est arrêté avant la fin du chargement : chargés %1 sur %n mod, Valheim %2</numerusform>
            <numerusform>BepInEx s’est arrêté avant la fin du chargement : chargés %1 sur %n mods, Valheim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>BepInEx stopped before it finished loading: %1 of %n mods loaded</source>
        <translation>
            <numerusform>BepInEx s’est arrêté avant la fin du chargement : chargés %1 sur %n mod</numerusform>
            <numerusform>BepInEx s’est arrêté avant la fin du chargement : chargés %1 sur %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>BepInEx isn&apos;t installed in the game folder, so nothing wrote a log.</source>
        <translation>BepInEx n’est pas installé dans le dossier du jeu : aucun journal n’a donc été écrit.</translation>
    </message>
    <message>
        <source>Steam runs the Windows build through Proton, which loads BepInEx only with these launch options: %1</source>
        <translation>Steam lance la version Windows via Proton, qui ne charge BepInEx qu’avec ces options de lancement : %1</translation>
    </message>
    <message>
        <source>%1 isn&apos;t executable, so Steam couldn&apos;t start the game through it.</source>
        <translation>%1 n’est pas exécutable : Steam n’a donc pas pu lancer le jeu par son biais.</translation>
    </message>
    <message>
        <source>%1 is too old for Steam&apos;s runtime, which keeps it from loading BepInEx.</source>
        <translation>%1 est trop ancien pour l’environnement d’exécution de Steam, ce qui l’empêche de charger BepInEx.</translation>
    </message>
    <message>
        <source>BepInEx&apos;s injector is Intel-only: on Apple Silicon the game has to run through Rosetta 2 (step 4).</source>
        <translation>L’injecteur de BepInEx est réservé à Intel : sur Apple Silicon, le jeu doit passer par Rosetta 2 (étape 4).</translation>
    </message>
    <message>
        <source>Steam&apos;s launch options for Valheim don&apos;t name %1, so the game started without mods.</source>
        <translation>Les options de lancement de Valheim dans Steam ne mentionnent pas %1 : le jeu a donc démarré sans mods.</translation>
    </message>
    <message>
        <source>The server hasn&apos;t been started through %1 since BepInEx was installed, so nothing wrote a log.</source>
        <translation>Le serveur n’a pas été lancé via %1 depuis l’installation de BepInEx : aucun journal n’a donc été écrit.</translation>
    </message>
    <message>
        <source>Valheim hasn&apos;t been launched with mods yet.</source>
        <translation>Valheim n’a pas encore été lancé avec des mods.</translation>
    </message>
    <message>
        <source>Valheim started, but BepInEx wrote no log — Steam may have started it without its launch options.</source>
        <translation>Valheim a démarré, mais BepInEx n’a écrit aucun journal — Steam l’a peut-être lancé sans ses options de lancement.</translation>
    </message>
    <message>
        <source>Valheim updated from %1 to %2</source>
        <translation>Valheim est passé de %1 à %2</translation>
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
        <source>**Last launch:** %1</source>
        <translation>**Dernier lancement :** %1</translation>
    </message>
    <message numerus="yes">
        <source>- …and %n more</source>
        <translation>
            <numerusform>- …et %n autre</numerusform>
            <numerusform>- …et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocalConfig</name>
    <message>
        <source>a text runs to the end of the file</source>
        <translation>un texte se prolonge jusqu’à la fin du fichier</translation>
    </message>
    <message>
        <source>Steam&apos;s settings in “%1” aren&apos;t laid out as expected (%2), so Skaldrun left them as they are. Paste the launch options into Steam yourself.</source>
        <translation>Les réglages de Steam dans « %1 » ne sont pas organisés comme prévu (%2) : Skaldrun les a laissés tels quels. Collez vous-même les options de lancement dans Steam.</translation>
    </message>
    <message>
        <source>a block isn&apos;t closed</source>
        <translation>un bloc n’est pas fermé</translation>
    </message>
    <message>
        <source>a brace closes nothing</source>
        <translation>une accolade ne ferme rien</translation>
    </message>
    <message>
        <source>a block has no name</source>
        <translation>un bloc n’a pas de nom</translation>
    </message>
    <message>
        <source>a name has no value</source>
        <translation>un nom n’a pas de valeur</translation>
    </message>
    <message>
        <source>it holds no UserLocalConfigStore</source>
        <translation>il ne contient aucun UserLocalConfigStore</translation>
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
    <name>Pipeline</name>
    <message>
        <source>no download URL</source>
        <translation>aucune adresse de téléchargement</translation>
    </message>
    <message>
        <source>refused to download from %1, which is neither Thunderstore&apos;s nor Hexium&apos;s</source>
        <translation>téléchargement depuis %1 refusé : ce n’est ni Thunderstore ni Hexium</translation>
    </message>
    <message>
        <source>Downloading %1 (%2 of %3)…</source>
        <translation>Téléchargement de %1 (%2 sur %3)…</translation>
    </message>
    <message>
        <source>%1 Reload the catalog in Browse and try again.</source>
        <translation>%1 Rechargez le catalogue dans Parcourir et réessayez.</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 installé</translation>
    </message>
    <message numerus="yes">
        <source>Installed %1 with %n dependencies (%2)</source>
        <translation>
            <numerusform>%1 installé avec %n dépendance (%2)</numerusform>
            <numerusform>%1 installé avec %n dépendances (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Installed %1, but not %2</source>
        <translation>%1 installé, mais pas %2</translation>
    </message>
    <message>
        <source>Updates cancelled — nothing was changed</source>
        <translation>Mises à jour annulées — rien n’a été modifié</translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods; stopped before %2</source>
        <translation>
            <numerusform>Mis à jour : %1 sur %n mod ; arrêté avant %2</numerusform>
            <numerusform>Mis à jour : %1 sur %n mods ; arrêté avant %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %1 of %n mods</source>
        <translation>
            <numerusform>Mis à jour : %1 sur %n mod</numerusform>
            <numerusform>Mis à jour : %1 sur %n mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Not in the catalog (install manually): %1</source>
        <translation>Absents du catalogue (à installer à la main) : %1</translation>
    </message>
    <message>
        <source>needs %1, which didn&apos;t install</source>
        <translation>a besoin de %1, qui n’a pas été installé</translation>
    </message>
    <message>
        <source>Updating %1 to %2 (%3 of %4)…</source>
        <translation>Mise à jour de %1 vers %2 (%3 sur %4)…</translation>
    </message>
    <message>
        <source>Installing %1 (%2 of %3)…</source>
        <translation>Installation de %1 (%2 sur %3)…</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Couldn&apos;t start %1</source>
        <translation>Impossible de lancer %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be started</source>
        <translation>%1 n’a pas pu être lancé</translation>
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
    <name>ProfilePack</name>
    <message>
        <source>%1 in that profile has no version of three numbers.</source>
        <translation>%1 dans ce profil n’a pas de version à trois nombres.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” with an absolute path, so nothing was imported.</source>
        <translation>Ce profil contient un fichier « %1 » avec un chemin absolu, rien n’a donc été importé.</translation>
    </message>
    <message>
        <source>That profile has a file “%1” that points outside its folder, so nothing was imported.</source>
        <translation>Ce profil contient un fichier « %1 » qui pointe hors de son dossier, rien n’a donc été importé.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) is far larger than any profile&apos;s, so nothing was imported.</source>
        <translation>La liste de mods de ce profil (export.r2x) est bien plus grande que celle de n’importe quel profil, rien n’a donc été importé.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) isn&apos;t readable YAML.</source>
        <translation>La liste de mods de ce profil (export.r2x) n’est pas du YAML lisible.</translation>
    </message>
    <message>
        <source>That profile&apos;s mod list (export.r2x) has no list of mods.</source>
        <translation>La liste de mods de ce profil (export.r2x) ne contient aucune liste de mods.</translation>
    </message>
    <message>
        <source>That profile lists far too many mods.</source>
        <translation>Ce profil liste beaucoup trop de mods.</translation>
    </message>
    <message>
        <source>“%1” in that profile isn&apos;t a mod name of the form Owner-Name.</source>
        <translation>« %1 » dans ce profil n’est pas un nom de mod de la forme Auteur-Nom.</translation>
    </message>
    <message>
        <source>That profile isn&apos;t a readable .r2z (zip) archive.</source>
        <translation>Ce profil n’est pas une archive .r2z (zip) lisible.</translation>
    </message>
    <message>
        <source>That profile unpacks to far more files or bytes than any profile holds, so nothing was imported.</source>
        <translation>Ce profil se décompresse en bien plus de fichiers ou d’octets qu’un profil n’en contient, rien n’a donc été importé.</translation>
    </message>
    <message>
        <source>That profile has an entry “%1” that isn&apos;t a plain file, so nothing was imported.</source>
        <translation>Ce profil contient une entrée « %1 » qui n’est pas un simple fichier, rien n’a donc été importé.</translation>
    </message>
    <message>
        <source>That profile has no mod list (export.r2x), so there is nothing to import.</source>
        <translation>Ce profil n’a pas de liste de mods (export.r2x) : il n’y a donc rien à importer.</translation>
    </message>
    <message>
        <source>Couldn&apos;t build the profile archive.</source>
        <translation>Impossible de créer l’archive du profil.</translation>
    </message>
    <message>
        <source>That isn&apos;t a profile code&apos;s content: it doesn&apos;t start with #r2modman.</source>
        <translation>Ce n’est pas le contenu d’un code de profil : il ne commence pas par #r2modman.</translation>
    </message>
    <message>
        <source>That profile code&apos;s content is damaged: it isn&apos;t valid base64.</source>
        <translation>Le contenu de ce code de profil est endommagé : ce n’est pas du base64 valide.</translation>
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
        <source>A profile name can&apos;t start or end with a space.</source>
        <translation>Un nom de profil ne peut pas commencer ou finir par une espace.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t start with a dot.</source>
        <translation>Un nom de profil ne peut pas commencer par un point.</translation>
    </message>
    <message>
        <source>A profile name can&apos;t contain “/”, “\”, “:” or control characters.</source>
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
        <source>Couldn&apos;t switch to “%1”: %2</source>
        <translation>Impossible de passer à « %1 » : %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t switch to “%1”: %2 “%3” is still active.</source>
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
        <translation>%1 n&apos;a pas de paquet %2.</translation>
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
    <name>Trash</name>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: it no longer exists.</source>
        <translation>Impossible de placer « %1 » dans la Corbeille : il n’existe plus.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash refused it.</source>
        <translation>Impossible de placer « %1 » dans la Corbeille : la Corbeille l’a refusé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move to the Trash “%1”: the Trash folder isn&apos;t available.</source>
        <translation>Impossible de placer « %1 » dans la Corbeille : le dossier de la Corbeille n’est pas disponible.</translation>
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
