<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>psn::Accessibility</name>
    <message>
        <source>picture</source>
        <translation>image</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>choix</translation>
    </message>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>curseur</translation>
    </message>
    <message>
        <source>button</source>
        <translation>bouton</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>A picture of the %1</source>
        <translation>Une image : %1</translation>
    </message>
</context>
<context>
    <name>psn::BackupRestore</name>
    <message>
        <source>There are no backups (.bak files) of game files in %1. The editor makes one of each game file before it first changes it.</source>
        <translation>Il n&apos;y a aucune sauvegarde (fichiers .bak) de fichiers du jeu dans %1. L&apos;éditeur en fait une de chaque fichier du jeu avant de le modifier pour la première fois.</translation>
    </message>
    <message>
        <source>%1  (backup of %2)</source>
        <translation>%1  (sauvegarde du %2)</translation>
    </message>
    <message>
        <source>Restore game files from backup</source>
        <translation>Restaurer les fichiers du jeu depuis une sauvegarde</translation>
    </message>
    <message>
        <source>Put these game files back as they were in their backups? Every change made to them since is lost.</source>
        <translation>Remettre ces fichiers du jeu dans l&apos;état de leurs sauvegardes ? Toute modification faite depuis sera perdue.</translation>
    </message>
    <message>
        <source>These game files have been restored from their backups:</source>
        <translation>Ces fichiers du jeu ont été restaurés depuis leurs sauvegardes :</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the game&apos;s executable: it is too short to hold the edition byte.</source>
        <translation>« %1 » n&apos;est pas l&apos;exécutable du jeu : il est trop court pour contenir l&apos;octet de l&apos;édition.</translation>
    </message>
</context>
<context>
    <name>psn::BitmapForm</name>
    <message>
        <source>BMP files</source>
        <translation>Fichiers BMP</translation>
    </message>
</context>
<context>
    <name>psn::ColourPartsForm</name>
    <message>
        <source>Cockpit</source>
        <translation>Cockpit</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Rétroviseurs</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Aileron avant</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Jambes/ Moniteur des stands</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Bande fine</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Poitrine gauche/Panneau</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Poitrine droite</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Épaulettes/Cric</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Bras gauche</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Avant-bras gauche</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Bras droit</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Avant-bras droit</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Tête</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Logo de l&apos;écurie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importer les données du jeu</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exporter les données dans le jeu</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Rétablir les données d&apos;origine</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Partie : %1</translation>
    </message>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Partie : (aucune)</translation>
    </message>
</context>
<context>
    <name>psn::ConverterRunner</name>
    <message>
        <source>For the sample game that psniaed-sample-game makes, the editor comes with a stand-in converter, %1. Link it into the editor&apos;s folder under the converter&apos;s name:
    ln -s %2 %3
It reads only the sample game&apos;s archives: a real game needs the game&apos;s own %4 there instead.</source>
        <translation>Pour le jeu d&apos;exemple que crée psniaed-sample-game, l&apos;éditeur fournit un convertisseur de remplacement, %1. Liez-le dans le dossier de l&apos;éditeur sous le nom du convertisseur :
    ln -s %2 %3
Il ne lit que les archives du jeu d&apos;exemple : un vrai jeu a besoin à sa place de son propre %4.</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the helmets from %1 (%2).</source>
        <translation>L&apos;éditeur avait besoin du convertisseur pour extraire les casques de %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the helmets back into %1 (%2).</source>
        <translation>L&apos;éditeur avait besoin du convertisseur pour réécrire les casques dans %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the car painting %1 (%2).</source>
        <translation>L&apos;éditeur avait besoin du convertisseur pour extraire la livrée %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the car painting back into %1 (%2).</source>
        <translation>L&apos;éditeur avait besoin du convertisseur pour réécrire la livrée dans %1 (%2).</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: Wine&apos;s winepath was not found on the program search path.</source>
        <translation>Le convertisseur de bitmaps %1 n&apos;a pas pu être lancé par Wine : le winepath de Wine est introuvable dans le chemin de recherche des programmes.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath did not answer in time.</source>
        <translation>Le convertisseur de bitmaps %1 n&apos;a pas pu être lancé par Wine : winepath n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath could not translate %2.</source>
        <translation>Le convertisseur de bitmaps %1 n&apos;a pas pu être lancé par Wine : winepath n&apos;a pas pu traduire %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 was not found in the editor&apos;s folder (%2) or on the program search path. Put the game&apos;s %1 into %2.</source>
        <translation>Le convertisseur de bitmaps %1 est introuvable dans le dossier de l&apos;éditeur (%2) comme dans le chemin de recherche des programmes. Placez le %1 du jeu dans %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 (%2) is a Windows program: Wine runs it, and no &quot;wine&quot; was found on the program search path. Install Debian&apos;s wine package (sudo apt-get install wine) and try again.</source>
        <translation>Le convertisseur de bitmaps %1 (%2) est un programme Windows : Wine l&apos;exécute, et aucun « wine » n&apos;a été trouvé dans le chemin de recherche des programmes. Installez le paquet wine de Debian (sudo apt-get install wine) et réessayez.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started: %2</source>
        <translation>Le convertisseur de bitmaps %1 n&apos;a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>The bitmap converter %1 did not finish within %2 seconds. It has been stopped.</source>
        <translation>Le convertisseur de bitmaps %1 n&apos;a pas terminé en %2 secondes. Il a été arrêté.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed without writing %2.</source>
        <translation>Le convertisseur de bitmaps %1 a planté sans écrire %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2 without writing %3.</source>
        <translation>Le convertisseur de bitmaps %1 s&apos;est terminé avec le code de sortie %2 sans écrire %3.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed, and the %2 it wrote cannot be loaded: %3</source>
        <translation>Le convertisseur de bitmaps %1 a planté, et le %2 qu&apos;il a écrit ne peut pas être chargé : %3</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2, and the %3 it wrote cannot be loaded: %4</source>
        <translation>Le convertisseur de bitmaps %1 s&apos;est terminé avec le code de sortie %2, et le %3 qu&apos;il a écrit ne peut pas être chargé : %4</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed.</source>
        <translation>Le convertisseur de bitmaps %1 a planté.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 failed (exit code %2).</source>
        <translation>Le convertisseur de bitmaps %1 a échoué (code de sortie %2).</translation>
    </message>
    <message>
        <source>The old %1 could not be removed, so the bitmap converter %2 was not started.</source>
        <translation>L&apos;ancien %1 n&apos;a pas pu être supprimé, le convertisseur de bitmaps %2 n&apos;a donc pas été lancé.</translation>
    </message>
    <message>
        <source>No backup of %1 could be made, so the bitmap converter %2 was not started.</source>
        <translation>Aucune sauvegarde de %1 n&apos;a pu être faite, le convertisseur de bitmaps %2 n&apos;a donc pas été lancé.</translation>
    </message>
</context>
<context>
    <name>psn::EditorButtons</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importer les données du jeu</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exporter les données dans le jeu</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Rétablir les données d&apos;origine</translation>
    </message>
</context>
<context>
    <name>psn::Fields</name>
    <message>
        <source>team %1</source>
        <translation>équipe %1</translation>
    </message>
    <message>
        <source>team %1 engine</source>
        <translation>équipe %1 moteur</translation>
    </message>
    <message>
        <source>team %1 in use</source>
        <translation>équipe %1 engagée</translation>
    </message>
    <message>
        <source>team %1 1st driver number</source>
        <translation>équipe %1 numéro du 1er pilote</translation>
    </message>
    <message>
        <source>team %1 1st driver selected</source>
        <translation>équipe %1 1er pilote choisi</translation>
    </message>
    <message>
        <source>team %1 2nd driver number</source>
        <translation>équipe %1 numéro du 2e pilote</translation>
    </message>
    <message>
        <source>team %1 2nd driver selected</source>
        <translation>équipe %1 2e pilote choisi</translation>
    </message>
    <message>
        <source>slot %1 number</source>
        <translation>emplacement %1 numéro</translation>
    </message>
    <message>
        <source>slot %1 selected</source>
        <translation>emplacement %1 choisi</translation>
    </message>
    <message>
        <source>car %1 driver</source>
        <translation>voiture %1 pilote</translation>
    </message>
    <message>
        <source>first driver &apos;0&apos;</source>
        <translation>premier pilote « 0 »</translation>
    </message>
    <message>
        <source>team %1 qualification</source>
        <translation>équipe %1 qualifications</translation>
    </message>
    <message>
        <source>team %1 other sessions</source>
        <translation>équipe %1 autres séances</translation>
    </message>
    <message>
        <source>human qualification</source>
        <translation>joueur qualifications</translation>
    </message>
    <message>
        <source>human other sessions</source>
        <translation>joueur autres séances</translation>
    </message>
    <message>
        <source>random engine power</source>
        <translation>puissance moteur aléatoire</translation>
    </message>
    <message>
        <source>car %1 qualification</source>
        <translation>voiture %1 qualifications</translation>
    </message>
    <message>
        <source>car %1 other sessions</source>
        <translation>voiture %1 autres séances</translation>
    </message>
    <message>
        <source>car %1 range</source>
        <translation>voiture %1 plage</translation>
    </message>
    <message>
        <source>human car weight</source>
        <translation>poids de la voiture du joueur</translation>
    </message>
    <message>
        <source>computer car weight</source>
        <translation>poids des voitures de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>practice fuel</source>
        <translation>carburant aux essais</translation>
    </message>
    <message>
        <source>qualifying fuel</source>
        <translation>carburant en qualifications</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>afficher le carburant des adversaires</translation>
    </message>
    <message>
        <source>performance depends on team</source>
        <translation>performances selon l&apos;équipe</translation>
    </message>
    <message>
        <source>real best time info</source>
        <translation>infos de meilleur temps réelles</translation>
    </message>
    <message>
        <source>light %1 colour</source>
        <translation>voyant %1 couleur</translation>
    </message>
    <message>
        <source>light %1 speed</source>
        <translation>voyant %1 régime</translation>
    </message>
    <message>
        <source>position %1</source>
        <translation>position %1</translation>
    </message>
    <message>
        <source>speed check</source>
        <translation>contrôle de vitesse</translation>
    </message>
    <message>
        <source>pit speed</source>
        <translation>vitesse dans les stands</translation>
    </message>
    <message>
        <source>team %1 cockpit</source>
        <translation>équipe %1 cockpit</translation>
    </message>
    <message>
        <source>team %1 front wing</source>
        <translation>équipe %1 aileron avant</translation>
    </message>
    <message>
        <source>team %1 mirrors</source>
        <translation>équipe %1 rétroviseurs</translation>
    </message>
    <message>
        <source>team %1 team logo</source>
        <translation>équipe %1 logo de l&apos;équipe</translation>
    </message>
    <message>
        <source>team %1 thin stripe</source>
        <translation>équipe %1 bande fine</translation>
    </message>
    <message>
        <source>team %1 head</source>
        <translation>équipe %1 tête</translation>
    </message>
    <message>
        <source>team %1 epaulettes/jack</source>
        <translation>équipe %1 épaulettes/cric</translation>
    </message>
    <message>
        <source>team %1 left chest/sign</source>
        <translation>équipe %1 poitrine gauche/panneau</translation>
    </message>
    <message>
        <source>team %1 right chest</source>
        <translation>équipe %1 poitrine droite</translation>
    </message>
    <message>
        <source>team %1 left upper arm</source>
        <translation>équipe %1 bras gauche</translation>
    </message>
    <message>
        <source>team %1 right upper arm</source>
        <translation>équipe %1 bras droit</translation>
    </message>
    <message>
        <source>team %1 left forearm</source>
        <translation>équipe %1 avant-bras gauche</translation>
    </message>
    <message>
        <source>team %1 right forearm</source>
        <translation>équipe %1 avant-bras droit</translation>
    </message>
    <message>
        <source>team %1 hands</source>
        <translation>équipe %1 mains</translation>
    </message>
    <message>
        <source>team %1 waist</source>
        <translation>équipe %1 taille</translation>
    </message>
    <message>
        <source>team %1 legs/ pit monitor</source>
        <translation>équipe %1 jambes/moniteur des stands</translation>
    </message>
    <message>
        <source>team %1 feet</source>
        <translation>équipe %1 pieds</translation>
    </message>
    <message>
        <source>team %1 part %2</source>
        <translation>équipe %1 partie %2</translation>
    </message>
    <message>
        <source>camera %1 x distance</source>
        <translation>caméra %1 distance x</translation>
    </message>
    <message>
        <source>camera %1 z height</source>
        <translation>caméra %1 hauteur z</translation>
    </message>
    <message>
        <source>camera %1 y distance</source>
        <translation>caméra %1 distance y</translation>
    </message>
    <message>
        <source>camera %1 x angle</source>
        <translation>caméra %1 angle x</translation>
    </message>
    <message>
        <source>camera %1 z angle</source>
        <translation>caméra %1 angle z</translation>
    </message>
    <message>
        <source>camera %1 y angle</source>
        <translation>caméra %1 angle y</translation>
    </message>
    <message>
        <source>camera %1 tuning %2</source>
        <translation>caméra %1 réglage %2</translation>
    </message>
    <message>
        <source>track %1 front wing</source>
        <translation>circuit %1 aileron avant</translation>
    </message>
    <message>
        <source>track %1 rear wing</source>
        <translation>circuit %1 aileron arrière</translation>
    </message>
    <message>
        <source>track %1 gear %2</source>
        <translation>circuit %1 rapport %2</translation>
    </message>
    <message>
        <source>track %1 compound</source>
        <translation>circuit %1 gomme</translation>
    </message>
    <message>
        <source>track %1 fuel consumption</source>
        <translation>circuit %1 consommation de carburant</translation>
    </message>
    <message>
        <source>track %1 tyre consumption</source>
        <translation>circuit %1 usure des pneus</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
</context>
<context>
    <name>psn::GameActions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>Import data from game: %1</source>
        <translation>Importer les données du jeu : %1</translation>
    </message>
    <message>
        <source>&quot;Random engine power&quot; cannot be turned back on in this game: %1 no longer holds the code the switch needs, and no backup %2 of the original holds it. The switch is shown as the game has it; the other values have been exported.</source>
        <translation>« Puissance moteur aléatoire » ne peut plus être réactivée dans ce jeu : %1 ne contient plus le code dont l&apos;option a besoin, et aucune sauvegarde %2 de l&apos;original ne le contient. L&apos;option est affichée telle que le jeu l&apos;a ; les autres valeurs ont été exportées.</translation>
    </message>
</context>
<context>
    <name>psn::GameCommand</name>
    <message>
        <source>%1

Press OK to try again, or Cancel to stop.</source>
        <translation>%1

Appuyez sur OK pour réessayer, ou sur Annuler pour arrêter.</translation>
    </message>
</context>
<context>
    <name>psn::GameTransfer</name>
    <message>
        <source>Nothing was written into the game, because one of its files is not what its name says:

%1: %2

Put that file right (&quot;Restore game files from backup&quot; or the game CD) and try again.</source>
        <translation>Rien n&apos;a été écrit dans le jeu, car l&apos;un de ses fichiers n&apos;est pas ce que son nom indique :

%1: %2

Remettez ce fichier en état (&quot;Restaurer les fichiers du jeu depuis une sauvegarde&quot; ou le CD du jeu) et réessayez.</translation>
    </message>
</context>
<context>
    <name>psn::HelpTexts</name>
    <message>
        <source>(not located yet)</source>
        <translation>(pas encore trouvé)</translation>
    </message>
    <message>
        <source>Brenwick PSN Editor %1
A settings editor for the racing game Pistonia.

Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later). This program comes with no warranty.
Qt %2

Editor folder: %3
Game folder: %4</source>
        <translation>Brenwick PSN Editor %1
Un éditeur des réglages du jeu de course Pistonia.

Licence : GPL-3.0-or-later (GNU General Public License, version 3 ou ultérieure). Ce programme est fourni sans aucune garantie.
Qt %2

Dossier de l&apos;éditeur : %3
Dossier du jeu : %4</translation>
    </message>
    <message>
        <source>The editor changes an installed copy of the game: at the first start it asks for the game&apos;s PSN.EXE.

Without the game, generate a sample game and locate its PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Pictures, helmets and liveries need the game&apos;s bitmap converter %1: put it into the editor folder %2.
Install packs (track, cockpit and car set files) go into %3.

Game folder: %4</source>
        <translation>L&apos;éditeur modifie une copie installée du jeu : au premier démarrage, il demande le fichier PSN.EXE du jeu.

Sans le jeu, créez un jeu d&apos;exemple et indiquez son PSN.EXE :
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Les images, les casques et les livrées demandent le convertisseur de bitmaps %1 du jeu : placez-le dans le dossier de l&apos;éditeur %2.
Les paquets à installer (fichiers de circuits, de cockpits et de voitures) vont dans %3.

Dossier du jeu : %4</translation>
    </message>
</context>
<context>
    <name>psn::Messages</name>
    <message>
        <source>is a folder, not a file</source>
        <extracomment>Reasons follow a file&apos;s name and a colon, or &quot;it&quot;: they start with a verb.</extracomment>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>is a link, not a regular file</source>
        <translation>est un lien, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a named pipe (FIFO), not a regular file</source>
        <translation>est un tube nommé (FIFO), pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a link that leads round in a loop</source>
        <translation>est un lien qui tourne en boucle</translation>
    </message>
    <message>
        <source>is a link to %1, which does not exist</source>
        <translation>est un lien vers %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>is a link to %1, which cannot be reached: %2</source>
        <translation>est un lien vers %1, qui est inaccessible : %2</translation>
    </message>
    <message>
        <source>is a link to %1, which %2</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>est un lien vers %1, qui %2</translation>
    </message>
    <message>
        <source>is a link to %1, which is not a game file of that name</source>
        <translation>est un lien vers %1, qui n&apos;est pas un fichier du jeu de ce nom</translation>
    </message>
    <message>
        <source>is too large (%1 bytes) to be the file it claims to be</source>
        <translation>est trop grand (%1 octets) pour être le fichier qu&apos;il prétend être</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>le fichier s&apos;est terminé trop tôt</translation>
    </message>
    <message>
        <source>the file is too short for a checksum trailer</source>
        <translation>le fichier est trop court pour une somme de contrôle finale</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it is %1 bytes long, which does not fit</source>
        <translation>n&apos;est pas l&apos;exécutable du jeu : il fait %1 octets, ce qui ne convient pas</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it holds no edition byte the editor knows</source>
        <translation>n&apos;est pas l&apos;exécutable du jeu : il ne contient aucun octet d&apos;édition connu de l&apos;éditeur</translation>
    </message>
    <message>
        <source>is not the game&apos;s save state: its checksum trailer does not fit</source>
        <translation>n&apos;est pas la sauvegarde du jeu : sa somme de contrôle finale ne correspond pas</translation>
    </message>
    <message>
        <source>is not a track file of the game: it is too short</source>
        <translation>n&apos;est pas un fichier de circuit du jeu : il est trop court</translation>
    </message>
    <message>
        <source>is not a track file of the game: its car set-up block lies beyond its end</source>
        <translation>n&apos;est pas un fichier de circuit du jeu : son bloc de réglages de voiture se trouve au-delà de sa fin</translation>
    </message>
    <message>
        <source>is not a track file of the game: its checksum trailer does not fit</source>
        <translation>n&apos;est pas un fichier de circuit du jeu : sa somme de contrôle finale ne correspond pas</translation>
    </message>
    <message>
        <source>%1; it was left alone</source>
        <extracomment>%1 is a reason that starts with a verb.</extracomment>
        <translation>%1 ; il n&apos;a pas été touché</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>it holds %1 bytes instead of %2</source>
        <translation>il contient %1 octets au lieu de %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>il contient plus de %1 octets</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name and what is wrong with it.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Impossible de supprimer « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it %2, so it was left alone</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>Impossible d&apos;écrire « %1 » : il %2, il n&apos;a donc pas été touché</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <translation>« %1 » n&apos;est pas un fichier de réglages : %2. Rien n&apos;a été chargé ; choisissez un fichier de réglages enregistré par l&apos;éditeur ou par psnedit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>« %1 » n&apos;est pas un fichier de réglages : il %2. Rien n&apos;a été chargé ; choisissez un fichier de réglages enregistré par l&apos;éditeur ou par psnedit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it holds more than %2 bytes. Nothing was loaded; choose a file saved with &quot;Save settings&quot;.</source>
        <translation>« %1 » n&apos;est pas un fichier de réglages : il contient plus de %2 octets. Rien n&apos;a été chargé ; choisissez un fichier enregistré avec « Enregistrer les réglages ».</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged: it holds %2 bytes instead of %3. Nothing was loaded.</source>
        <translation>Le fichier de réglages « %1 » est endommagé : il contient %2 octets au lieu de %3. Rien n&apos;a été chargé.</translation>
    </message>
    <message>
        <source>%1: %2, not the editor&apos;s lock file. Nothing was changed; remove it and try again.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a link&quot;).</extracomment>
        <translation>%1 : %2, pas le fichier de verrou de l&apos;éditeur. Rien n&apos;a été modifié ; supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was changed; check %3 and try again.</source>
        <translation>%1 : %2. Rien n&apos;a été modifié ; vérifiez %3 et réessayez.</translation>
    </message>
    <message>
        <source>Another program is changing the game in %1 (it holds %2). Nothing was changed; try again once it has finished.</source>
        <translation>Un autre programme modifie le jeu dans %1 (il détient %2). Rien n&apos;a été modifié ; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>an interrupted change of the game files is recorded here, and the game folder cannot be written to complete it; make it writable and try again</source>
        <translation>une modification interrompue des fichiers du jeu est consignée ici, et le dossier du jeu n&apos;est pas accessible en écriture pour l&apos;achever ; rendez-le accessible en écriture et réessayez</translation>
    </message>
    <message>
        <source>the commit record names &quot;%1&quot;, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;which&quot; or &quot;but&quot;.</extracomment>
        <translation>le journal des modifications nomme « %1 », %2. Rien n&apos;a été modifié. Comparez les fichiers du jeu avec leurs copies .bak, puis supprimez le journal</translation>
    </message>
    <message>
        <source>the commit record changes &quot;%1&quot; in place, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;but&quot; or &quot;beyond&quot;.</extracomment>
        <translation>le journal des modifications modifie « %1 » sur place, %2. Rien n&apos;a été modifié. Comparez les fichiers du jeu avec leurs copies .bak, puis supprimez le journal</translation>
    </message>
    <message>
        <source>the commit record holds the line &quot;%1&quot;, which is no entry of it. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <translation>le journal des modifications contient la ligne « %1 », qui n&apos;en est pas une entrée. Rien n&apos;a été modifié. Comparez les fichiers du jeu avec leurs copies .bak, puis supprimez le journal</translation>
    </message>
    <message>
        <source>the commit record is damaged; remove it after checking the game files against their .bak copies</source>
        <translation>le journal des modifications est endommagé ; supprimez-le après avoir comparé les fichiers du jeu avec leurs copies .bak</translation>
    </message>
    <message>
        <source>an empty name</source>
        <extracomment>Follows &quot;the commit record names &quot;FILE&quot;, &quot;.</extracomment>
        <translation>un nom vide</translation>
    </message>
    <message>
        <source>which lies outside the game folder</source>
        <translation>qui se trouve hors du dossier du jeu</translation>
    </message>
    <message>
        <source>which leads out of the game folder</source>
        <translation>qui mène hors du dossier du jeu</translation>
    </message>
    <message>
        <source>which is not a plain name of a game file</source>
        <translation>qui n&apos;est pas un simple nom de fichier du jeu</translation>
    </message>
    <message>
        <source>which is a backup, and recovery never touches a backup</source>
        <translation>qui est une sauvegarde, et la reprise ne touche jamais à une sauvegarde</translation>
    </message>
    <message>
        <source>which is the commit record itself</source>
        <translation>qui est le journal des modifications lui-même</translation>
    </message>
    <message>
        <source>which is not a game file this program writes</source>
        <translation>qui n&apos;est pas un fichier du jeu que ce programme écrit</translation>
    </message>
    <message>
        <source>which lies behind a link that leads out of the game folder</source>
        <translation>qui se trouve derrière un lien menant hors du dossier du jeu</translation>
    </message>
    <message>
        <source>which is a link, where the interrupted command created a file</source>
        <translation>qui est un lien, là où la commande interrompue a créé un fichier</translation>
    </message>
    <message>
        <source>which is a link to %1, not to a game file</source>
        <translation>qui est un lien vers %1, pas vers un fichier du jeu</translation>
    </message>
    <message>
        <source>which is a link to nowhere, not to a game file</source>
        <translation>qui est un lien vers nulle part, pas vers un fichier du jeu</translation>
    </message>
    <message>
        <source>but it is no regular file</source>
        <extracomment>Follows &quot;the commit record changes &quot;FILE&quot; in place, &quot;.</extracomment>
        <translation>mais ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>but it shares its bytes with another file (a hard link)</source>
        <translation>mais il partage ses octets avec un autre fichier (un lien physique)</translation>
    </message>
    <message>
        <source>beyond its end</source>
        <translation>au-delà de sa fin</translation>
    </message>
    <message>
        <source>by more bytes than a commit changes in place</source>
        <translation>de plus d&apos;octets qu&apos;une modification n&apos;en change sur place</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>A list of files follows, one a line.</extracomment>
        <translation>L&apos;éditeur a été arrêté pendant qu&apos;il modifiait les fichiers du jeu. La modification a maintenant été achevée dans :</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>%1 is the name of the program that was stopped (psnedit). A list of files follows.</extracomment>
        <translation>Le programme %1 a été arrêté pendant qu&apos;il modifiait les fichiers du jeu. La modification a maintenant été achevée dans :</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>The record does not say which program was stopped. A list of files follows.</extracomment>
        <translation>Un programme a été arrêté pendant qu&apos;il modifiait les fichiers du jeu. La modification a maintenant été achevée dans :</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>L&apos;éditeur a été arrêté pendant qu&apos;il modifiait les fichiers du jeu. Ces fichiers ont été remis dans leur état d&apos;avant :</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Le programme %1 a été arrêté pendant qu&apos;il modifiait les fichiers du jeu. Ces fichiers ont été remis dans leur état d&apos;avant :</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Un programme a été arrêté pendant qu&apos;il modifiait les fichiers du jeu. Ces fichiers ont été remis dans leur état d&apos;avant :</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <extracomment>The file ends before the picture is complete.</extracomment>
        <translation>Erreur de lecture du flux</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 bytes.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>A bitmap the user chose; %1 is its path.</extracomment>
        <translation>« %1 » est trop grand : %2 octets.

Choisissez un autre fichier, ou enregistrez de nouveau l&apos;image en fichier BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a BMP bitmap.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>« %1 » n&apos;est pas un bitmap BMP.

Choisissez un autre fichier, ou enregistrez de nouveau l&apos;image en fichier BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 x %3 pixels. The editor takes pictures of at most %4 pixels a side and %5 pixels in all.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>« %1 » est trop grand : %2 x %3 pixels. L&apos;éditeur accepte des images d&apos;au plus %4 pixels de côté et %5 pixels en tout.

Choisissez un autre fichier, ou enregistrez de nouveau l&apos;image en fichier BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: %2.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>%2 is the image reader&apos;s own words.</extracomment>
        <translation>« %1 » est endommagé : %2.

Choisissez un autre fichier, ou enregistrez de nouveau l&apos;image en fichier BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: it ends before its last row (%2 of %3 bytes).

Choose another file, or save the picture again as a BMP file.</source>
        <translation>« %1 » est endommagé : il s&apos;arrête avant sa dernière ligne (%2 octets sur %3).

Choisissez un autre fichier, ou enregistrez de nouveau l&apos;image en fichier BMP.</translation>
    </message>
    <message>
        <source>The patch list %1 is missing.</source>
        <extracomment>%1 is the patch list&apos;s file name.</extracomment>
        <translation>La liste de correctifs %1 est absente.</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged.</source>
        <translation>La liste de correctifs %1 est endommagée.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit the game executable.</source>
        <translation>La liste de correctifs %1 ne convient pas à l&apos;exécutable du jeu.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit this game: its record %2 (offset %3h) expects the byte %4h or %5h there, but the game executable holds %6h. Nothing was written. Put the patch list made for your game into the editor&apos;s DATA folder in place of the shipped one.</source>
        <extracomment>%2 counts the list&apos;s records from 1; %3 to %6 are hexadecimal.</extracomment>
        <translation>La liste de correctifs %1 ne convient pas à ce jeu : son enregistrement %2 (position %3h) attend l&apos;octet %4h ou %5h à cet endroit, mais l&apos;exécutable du jeu contient %6h. Rien n&apos;a été écrit. Placez la liste de correctifs faite pour votre jeu dans le dossier DATA de l&apos;éditeur, à la place de celle fournie.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1!</source>
        <translation>Impossible de lire le fichier de données %1 !</translation>
    </message>
    <message>
        <source>The data file %1 is empty!</source>
        <translation>Le fichier de données %1 est vide !</translation>
    </message>
    <message>
        <source>The data file %1 does not fit into the game executable!</source>
        <translation>Le fichier de données %1 ne tient pas dans l&apos;exécutable du jeu !</translation>
    </message>
    <message>
        <source>Cannot open the cockpit data file %1!</source>
        <translation>Impossible d&apos;ouvrir le fichier de données du cockpit %1 !</translation>
    </message>
    <message>
        <source>Cannot read the cockpit data file %1!</source>
        <translation>Impossible de lire le fichier de données du cockpit %1 !</translation>
    </message>
    <message>
        <source>The cockpit data file ends after line %1; it needs %2 lines.</source>
        <translation>Le fichier de données du cockpit s&apos;arrête après la ligne %1 ; il lui faut %2 lignes.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>The cockpit data file %1 cannot be used:
%2
Nothing was changed.</source>
        <extracomment>%2 is what is wrong, a sentence of its own.</extracomment>
        <translation>Le fichier de données du cockpit %1 ne peut pas être utilisé :
%2
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1
The track data&apos;s original values could not be added to the original data; the editor tries again when it next reads the track files.</source>
        <extracomment>%1 names a file and why it could not be written.</extracomment>
        <translation>%1
Les valeurs d&apos;origine des données des circuits n&apos;ont pas pu être ajoutées aux données d&apos;origine ; l&apos;éditeur réessaiera la prochaine fois qu&apos;il lira les fichiers de circuit.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be read: %2: %3.</source>
        <extracomment>%1 is the season&apos;s name, %2 its file, %3 why it cannot be read.</extracomment>
        <translation>La saison « %1 » ne peut pas être lue : %2 : %3.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was kept or switched.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>%1 : %2. Rien n&apos;a été conservé ni changé.</translation>
    </message>
    <message>
        <source>is a link to %1, which is no game file</source>
        <translation>est un lien vers %1, qui n&apos;est pas un fichier du jeu</translation>
    </message>
    <message>
        <source>The stored copy of %1 %2 %3. It was not used; keep the season again from a game that holds it.</source>
        <extracomment>%1 is a game file&apos;s name, %2 where its copy is kept, %3 a reason that starts with a verb.</extracomment>
        <translation>La copie conservée de %1 (%2) %3. Elle n&apos;a pas été utilisée ; conservez à nouveau la saison depuis un jeu qui la contient.</translation>
    </message>
    <message>
        <source>is damaged: its bytes no longer match their hash</source>
        <translation>est endommagée : ses octets ne correspondent plus à leur empreinte</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lue</translation>
    </message>
    <message>
        <source>The track data of these track files could not be read:

%1

Their track data is left out and nothing is written into them. Everything else works, but the Track editor, &quot;Import all data&quot; and &quot;Export all data&quot; need every track file: replace the damaged ones first (&quot;Install original tracks&quot; in the Track manager copies them from the game CD).</source>
        <extracomment>%1 lists the track files, one a line, each with what is wrong with it.</extracomment>
        <translation>Les données de circuit de ces fichiers de circuit n&apos;ont pas pu être lues :

%1

Leurs données de circuit sont laissées de côté et rien n&apos;y est écrit. Tout le reste fonctionne, mais l&apos;éditeur des circuits, « Importer toutes les données » et « Exporter toutes les données » ont besoin de chaque fichier de circuit : remplacez d&apos;abord ceux qui sont endommagés (« Installer les circuits d&apos;origine » dans la gestion des circuits les copie depuis le CD du jeu).</translation>
    </message>
    <message>
        <source>the file is missing.</source>
        <translation>le fichier est absent.</translation>
    </message>
    <message>
        <source>the file %1.</source>
        <extracomment>%1 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>le fichier %1.</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1.</source>
        <translation>le fichier ne peut pas être ouvert : %1.</translation>
    </message>
    <message>
        <source>the file is cut short: it holds only %1 bytes, too few for its set-up pointer.</source>
        <translation>le fichier est tronqué : il ne contient que %1 octets, trop peu pour son pointeur de réglages.</translation>
    </message>
    <message>
        <source>the file is cut short or damaged: its car set-up block lies beyond its end (it holds only %1 bytes).</source>
        <translation>le fichier est tronqué ou endommagé : son bloc de réglages de la voiture se trouve au-delà de sa fin (il ne contient que %1 octets).</translation>
    </message>
    <message>
        <source>reading the file failed.</source>
        <translation>la lecture du fichier a échoué.</translation>
    </message>
    <message>
        <source>The track file %1 was left as it was: the record holds no track data for it (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 is a track file&apos;s name.</extracomment>
        <translation>Le fichier de circuit %1 est resté tel quel : l&apos;enregistrement ne contient aucune donnée de circuit pour lui (un fichier de réglages enregistré avant la lecture des données des circuits n&apos;en contient pas).</translation>
    </message>
    <message>
        <source>The track files %1 and %2 were left as they were: the record holds no track data for them (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 lists track files&apos; names with commas, %2 is the last of them.</extracomment>
        <translation>Les fichiers de circuit %1 et %2 sont restés tels quels : l&apos;enregistrement ne contient aucune donnée de circuit pour eux (un fichier de réglages enregistré avant la lecture des données des circuits n&apos;en contient pas).</translation>
    </message>
    <message>
        <source>A season &quot;%1&quot; exists already; choose another name or delete it first.</source>
        <translation>Une saison « %1 » existe déjà ; choisissez un autre nom ou supprimez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; was kept from the edition &quot;%2&quot;, but the game in %3 is the edition &quot;%4&quot;. Nothing was switched.</source>
        <extracomment>%2 and %4 are editions&apos; names, %3 the game&apos;s folder.</extracomment>
        <translation>La saison « %1 » a été conservée depuis l&apos;édition « %2 », mais le jeu dans %3 est l&apos;édition « %4 ». Rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>%1: holds no game executable of a known edition (PSN.EXE). Give the folder the game is installed in.</source>
        <translation>%1 : ne contient aucun exécutable du jeu d&apos;une édition connue (PSN.EXE). Indiquez le dossier où le jeu est installé.</translation>
    </message>
    <message>
        <source>APPDATA names no folder for the editor&apos;s own files. Start the editor from an editor folder (one that holds DATA), or sign in as a user with a profile.</source>
        <translation>APPDATA n&apos;indique aucun dossier pour les fichiers propres à l&apos;éditeur. Lancez l&apos;éditeur depuis un dossier d&apos;éditeur (un dossier qui contient DATA), ou connectez-vous avec un utilisateur doté d&apos;un profil.</translation>
    </message>
    <message>
        <source>Neither XDG_DATA_HOME nor HOME names a folder for the editor&apos;s own files. Set HOME, or start the editor from an editor folder (one that holds DATA).</source>
        <translation>Ni XDG_DATA_HOME ni HOME n&apos;indique de dossier pour les fichiers propres à l&apos;éditeur. Définissez HOME, ou lancez l&apos;éditeur depuis un dossier d&apos;éditeur (un dossier qui contient DATA).</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;</source>
        <translation>Impossible de créer le dossier « %1 »</translation>
    </message>
    <message>
        <source>Cannot list the installed data in &apos;%1&apos;</source>
        <translation>Impossible de lister les données installées dans « %1 »</translation>
    </message>
    <message>
        <source>Cannot read the installed file &apos;%1&apos;</source>
        <translation>Impossible de lire le fichier installé « %1 »</translation>
    </message>
    <message>
        <source>Cannot update &apos;%1&apos;</source>
        <translation>Impossible de mettre à jour « %1 »</translation>
    </message>
    <message>
        <source>Cannot copy the installed data into &apos;%1&apos;</source>
        <translation>Impossible de copier les données installées dans « %1 »</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire « %1 »</translation>
    </message>
    <message>
        <source>Cannot prepare the editor folder &apos;%1&apos;</source>
        <translation>Impossible de préparer le dossier de l&apos;éditeur « %1 »</translation>
    </message>
    <message>
        <source>%1. Check that the folder can be written to and that the disk has room, then start the editor again.</source>
        <extracomment>%1 says what could not be done, naming the file or folder.</extracomment>
        <translation>%1. Vérifiez que le dossier est accessible en écriture et que le disque a de la place, puis relancez l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Cannot enter the editor folder &apos;%1&apos;. Check that it can be read.</source>
        <translation>Impossible d&apos;entrer dans le dossier de l&apos;éditeur « %1 ». Vérifiez qu&apos;il peut être lu.</translation>
    </message>
    <message>
        <source>There is no season &quot;%1&quot;; &apos;psnedit season list&apos; shows the seasons kept.</source>
        <translation>Il n&apos;y a aucune saison « %1 » ; « psnedit season list » affiche les saisons conservées.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is damaged: %2 holds another season.</source>
        <extracomment>%2 is the season&apos;s file in the store.</extracomment>
        <translation>La saison « %1 » est endommagée : %2 contient une autre saison.</translation>
    </message>
    <message>
        <source>a season needs a name</source>
        <translation>une saison a besoin d&apos;un nom</translation>
    </message>
    <message>
        <source>a season&apos;s name has at most %1 characters</source>
        <translation>le nom d&apos;une saison a au plus %1 caractères</translation>
    </message>
    <message>
        <source>a season&apos;s name holds no line breaks or control characters</source>
        <translation>le nom d&apos;une saison ne contient ni sauts de ligne ni caractères de contrôle</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the name typed, %2 what is wrong with it.</extracomment>
        <translation>« %1 » : %2.</translation>
    </message>
    <message>
        <source>A season&apos;s description has at most %1 characters.</source>
        <translation>La description d&apos;une saison a au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The season store could not be written: %1: %2. Nothing was kept.</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Le dépôt des saisons n&apos;a pas pu être écrit : %1 : %2. Rien n&apos;a été conservé.</translation>
    </message>
    <message>
        <source>The season store %1 cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 the reason.</extracomment>
        <translation>Le dépôt des saisons %1 ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>The season store is in use by another program: %1</source>
        <extracomment>%1 says which program holds it.</extracomment>
        <translation>Le dépôt des saisons est utilisé par un autre programme : %1</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; names %2, whose bytes are not in the store.</source>
        <extracomment>%2 is a game file&apos;s name.</extracomment>
        <translation>La saison « %1 » nomme %2, dont les octets ne sont pas dans le dépôt.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be deleted: %2: %3.</source>
        <extracomment>%2 is a file, %3 the system&apos;s reason.</extracomment>
        <translation>La saison « %1 » ne peut pas être supprimée : %2 : %3.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; holds a %2 that %3. Nothing was switched.</source>
        <extracomment>%2 is a game file&apos;s name, %3 what is wrong with it.</extracomment>
        <translation>La saison « %1 » contient un fichier %2 qui %3. Rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>%1: is no season manifest: line %2 %3.</source>
        <extracomment>%1 is a file, %2 a line number, %3 what is wrong with that line.</extracomment>
        <translation>%1 : n&apos;est pas un manifeste de saison : la ligne %2 %3.</translation>
    </message>
    <message>
        <source>%1: does not hold the season its name says</source>
        <translation>%1 : ne contient pas la saison que dit son nom</translation>
    </message>
    <message>
        <source>follows the end</source>
        <translation>suit la fin</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;</source>
        <translation>n&apos;est pas « %1 »</translation>
    </message>
    <message>
        <source>names no season: %1</source>
        <translation>ne nomme aucune saison : %1</translation>
    </message>
    <message>
        <source>names an edition that does not exist (%1)</source>
        <translation>nomme une édition qui n&apos;existe pas (%1)</translation>
    </message>
    <message>
        <source>holds a description that cannot be read</source>
        <translation>contient une description illisible</translation>
    </message>
    <message>
        <source>is no file entry</source>
        <translation>n&apos;est pas une entrée de fichier</translation>
    </message>
    <message>
        <source>names a file larger than any of the game</source>
        <translation>nomme un fichier plus grand que tous ceux du jeu</translation>
    </message>
    <message>
        <source>names %1, which is no game file of a season</source>
        <translation>nomme %1, qui n&apos;est pas un fichier de jeu d&apos;une saison</translation>
    </message>
    <message>
        <source>names %1 a second time</source>
        <translation>nomme %1 une seconde fois</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>contient « %1 »</translation>
    </message>
    <message>
        <source>is missing: the manifest ends early</source>
        <translation>manque : le manifeste s&apos;arrête trop tôt</translation>
    </message>
    <message>
        <source>is missing: a season holds the game&apos;s executable</source>
        <translation>manque : une saison contient l&apos;exécutable du jeu</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 what is wrong with it.</extracomment>
        <translation>%1 : %2. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1: the entry &quot;%2&quot; %3. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 an entry in it, %3 what is wrong with that entry.</extracomment>
        <translation>%1 : l&apos;entrée « %2 » %3. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1: a change of the game files was interrupted; let psnedit or the editor complete it first. Nothing was imported.</source>
        <translation>%1 : une modification des fichiers du jeu a été interrompue ; laissez d&apos;abord psnedit ou l&apos;éditeur la terminer. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>the archive is damaged or truncated</source>
        <translation>l&apos;archive est endommagée ou tronquée</translation>
    </message>
    <message>
        <source>is no ZIP or 7z archive (%1)</source>
        <translation>n&apos;est pas une archive ZIP ou 7z (%1)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The season file cannot be written: %1.</source>
        <translation>Le fichier de saison ne peut pas être écrit : %1.</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>has an absolute name</source>
        <translation>a un nom absolu</translation>
    </message>
    <message>
        <source>names a drive</source>
        <translation>nomme un lecteur</translation>
    </message>
    <message>
        <source>holds a backslash, which may name another folder on another system</source>
        <translation>contient une barre oblique inverse, qui peut nommer un autre dossier sur un autre système</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>leads out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>sort du dossier de l&apos;archive (« .. »)</translation>
    </message>
    <message>
        <source>is a link or a device, not a plain file</source>
        <translation>est un lien ou un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>comes twice</source>
        <translation>apparaît deux fois</translation>
    </message>
    <message>
        <source>is one entry too many: a season has no more than %1 files</source>
        <translation>est une entrée de trop : une saison n&apos;a pas plus de %1 fichiers</translation>
    </message>
    <message>
        <source>is larger than any file of the game (16 MiB)</source>
        <translation>est plus grand que tout fichier du jeu (16 Mio)</translation>
    </message>
    <message>
        <source>cannot be unpacked: %1</source>
        <translation>ne peut pas être décompressée : %1</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than 256 MiB</source>
        <translation>fait dépasser 256 Mio à l&apos;archive décompressée</translation>
    </message>
    <message>
        <source>is missing, though the manifest names it</source>
        <translation>manque, bien que le manifeste la nomme</translation>
    </message>
    <message>
        <source>does not match the hash its manifest gives</source>
        <translation>ne correspond pas à l&apos;empreinte que donne son manifeste</translation>
    </message>
    <message>
        <source>is not named by the manifest</source>
        <translation>n&apos;est pas nommée par le manifeste</translation>
    </message>
    <message>
        <source>is a second settings file beside &quot;%1&quot;</source>
        <translation>est un second fichier de réglages à côté de « %1 »</translation>
    </message>
    <message>
        <source>is not a settings file: it is not 2846 bytes long</source>
        <translation>n&apos;est pas un fichier de réglages : elle ne fait pas 2846 octets</translation>
    </message>
    <message>
        <source>is a second %1</source>
        <extracomment>%1 is a game file&apos;s name.</extracomment>
        <translation>est un second fichier %1</translation>
    </message>
    <message>
        <source>holds no game file a season holds and no settings file</source>
        <translation>ne contient ni fichier de jeu d&apos;une saison ni fichier de réglages</translation>
    </message>
    <message>
        <source>is a pack of loose files, which needs a game to take the rest from</source>
        <translation>est un paquet de fichiers isolés, qui a besoin d&apos;un jeu où prendre le reste</translation>
    </message>
    <message>
        <source>%1: holds no game executable that can be read.</source>
        <translation>%1 : ne contient aucun exécutable du jeu lisible.</translation>
    </message>
    <message>
        <source>The game&apos;s executable cannot be read.</source>
        <translation>L&apos;exécutable du jeu ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>psn::Pictures</name>
    <message>
        <source>en</source>
        <comment>the language code of the windows&apos; language</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>psn::QtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Unsaved settings</source>
        <translation>Réglages non enregistrés</translation>
    </message>
</context>
<context>
    <name>psn::RecordSteps</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>psn::SettingsCommands</name>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>All settings files</source>
        <translation>Tous les fichiers de réglages</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Charger les réglages</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Description des réglages</translation>
    </message>
    <message>
        <source>Load settings %1</source>
        <translation>Charger les réglages : %1</translation>
    </message>
    <message>
        <source>Cannot create the settings file &apos;%1&apos;.
%2</source>
        <translation>Impossible de créer le fichier de réglages « %1 ».
%2</translation>
    </message>
    <message>
        <source>%1. Nothing was loaded; check that the file exists and that you may read it.</source>
        <translation>%1. Rien n&apos;a été chargé ; vérifiez que le fichier existe et que vous avez le droit de le lire.</translation>
    </message>
</context>
<context>
    <name>psn::Steps</name>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 and %3 more</source>
        <translation>%1 : %2 et %3 de plus</translation>
    </message>
</context>
<context>
    <name>psn::TCColorsForm</name>
    <message>
        <source>Cockpit colors</source>
        <translation>Couleurs du cockpit</translation>
    </message>
</context>
<context>
    <name>psn::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Réglages de la voiture</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Poids de la voiture </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Poids de la voiture du joueur</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Poids des voitures de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Liés</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> Témoins du compte-tours </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(couleurs seulement avec les cockpits d&apos;origine)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Carburant </translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Carburant au début des essais</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>tours</translation>
    </message>
    <message>
        <source>Initial qualifing fuel load</source>
        <translation>Carburant au début des qualifications</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>montrer le carburant des adversaires</translation>
    </message>
    <message>
        <source>player&apos;s car performance depends on selected team</source>
        <translation>les performances de la voiture du joueur dépendent de l&apos;écurie choisie</translation>
    </message>
    <message>
        <source>real F1 best time/split info - compares to current best of session</source>
        <translation>meilleur temps/temps intermédiaires F1 réels - comparés au meilleur temps de la séance</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importer les données du jeu</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exporter les données dans le jeu</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Rétablir les données d&apos;origine</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
</context>
<context>
    <name>psn::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Éditeur des caméras</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Choisir la caméra </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Caméra %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Vue par défaut </translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>Axe X</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Distance </translation>
    </message>
    <message>
        <source> centre of car   </source>
        <translation> du centre   </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Axe Y</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Axe Z</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Hauteur </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Angle </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Img. tunning</source>
        <translation>Réglage de l&apos;image</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Valeur 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Valeur 2 </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importer les données du jeu</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exporter les données dans le jeu</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Rétablir les données d&apos;origine</translation>
    </message>
</context>
<context>
    <name>psn::TCompareForm</name>
    <message>
        <source>Compare with game</source>
        <translation>Comparer avec le jeu</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Differences between the settings and the game</source>
        <translation>Différences entre les réglages et le jeu</translation>
    </message>
    <message>
        <source>Another program is changing the game; nothing was compared.</source>
        <translation>Un autre programme modifie le jeu ; rien n&apos;a été comparé.</translation>
    </message>
    <message>
        <source>The game could not be read; nothing was compared.</source>
        <translation>Le jeu n&apos;a pas pu être lu ; rien n&apos;a été comparé.</translation>
    </message>
    <message>
        <source>The game executable could not be read; nothing was compared.</source>
        <translation>L&apos;exécutable du jeu n&apos;a pas pu être lu ; rien n&apos;a été comparé.</translation>
    </message>
    <message>
        <source>The settings and the game agree in every field.</source>
        <translation>Les réglages et le jeu concordent dans chaque champ.</translation>
    </message>
    <message>
        <source>%1 fields differ in %2 windows.</source>
        <translation>%1 champs diffèrent dans %2 fenêtres.</translation>
    </message>
    <message>
        <source> The track files are not all installed: the track set-ups were not read.</source>
        <translation> Les fichiers des circuits ne sont pas tous installés : les réglages des circuits n&apos;ont pas été lus.</translation>
    </message>
    <message>
        <source> The track set-ups have not been read in this run and are not compared.</source>
        <translation> Les réglages des circuits n&apos;ont pas été lus pendant cette session et ne sont pas comparés.</translation>
    </message>
    <message>
        <source>%1 (open &quot;%2&quot;)</source>
        <translation>%1 (ouvrez « %2 »)</translation>
    </message>
</context>
<context>
    <name>psn::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Description des réglages</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>psn::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Puissance moteur</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Écurie-moteur </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> ch </translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Autres séances</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Moteur du joueur</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>ch</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>by</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Puissance moteur aléatoire</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Qualif=Autres</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Autres=Qualif</translation>
    </message>
</context>
<context>
    <name>psn::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Pannes</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Écurie-moteur </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Valeur </translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Modifier les données choisies</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>by</source>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>psn::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Adhérence des voitures de l&apos;ordinateur</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> 1ers pilotes </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> ADHÉRENCE </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> 2es pilotes </translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Choisir les données</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Autres séances</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Plage d&apos;adhérence aléatoire</translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Modifier l&apos;adhérence choisie</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>by</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Qualif=Autres</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Autres=Qualif</translation>
    </message>
</context>
<context>
    <name>psn::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Casques</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Pilotes </translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Enregistrer le casque en bitmap</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Charger le casque d&apos;un bitmap</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Enregistrer tous les casques en bitmap</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Charger tous les casques d&apos;un bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importer du jeu</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Exporter dans le jeu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. It was not extracted from the game at start-up.

Use &quot;%1&quot; or &quot;%2&quot;.</source>
        <translation>La planche des casques n&apos;est pas disponible. Elle n&apos;a pas été extraite du jeu au démarrage.

Utilisez « %1 » ou « %2 ».</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.

%1

Use &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>La planche des casques n&apos;est pas disponible.

%1

Utilisez « %2 » ou « %3 ».</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.</source>
        <translation>La planche des casques n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Nothing has been written into the game.</source>
        <translation>La planche des casques n&apos;est pas disponible. Rien n&apos;a été écrit dans le jeu.</translation>
    </message>
</context>
<context>
    <name>psn::TIEForm</name>
    <message>
        <source>All data has been imported!</source>
        <translation>Toutes les données ont été importées !</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Toutes les données ont été exportées !</translation>
    </message>
    <message>
        <source>Import data</source>
        <translation>Importer les données</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Noms et numéros</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Couleurs du cockpit</translation>
    </message>
    <message>
        <source>Aids</source>
        <translation>Aides au pilotage</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Importer toutes les données</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Exporter toutes les données</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>PSN.EXE file</source>
        <translation>Fichier PSN.EXE</translation>
    </message>
    <message>
        <source>F1GPSTATE.SAV file</source>
        <translation>Fichier F1GPSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>psn::TInstCForm</name>
    <message>
        <source>Cockpit manager</source>
        <translation>Gestion des cockpits</translation>
    </message>
    <message>
        <source>&apos;97 cockpits</source>
        <translation>Cockpits 97</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installer !</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Nouveau cockpit installé !</translation>
    </message>
    <message>
        <source>cockpit pack %1</source>
        <translation>pack de cockpit %1</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Impossible de copier le fichier du cockpit !</translation>
    </message>
</context>
<context>
    <name>psn::TInstCarSetForm</name>
    <message>
        <source>InstCarSetForm</source>
        <translation>Installer un jeu de voitures</translation>
    </message>
    <message>
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation>Installer les voitures 97 (pour l&apos;instant les livrées seules)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Nouveau jeu de voitures installé !</translation>
    </message>
    <message>
        <source>car set</source>
        <translation>jeu de voitures</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Impossible de copier les fichiers du jeu de voitures !</translation>
    </message>
</context>
<context>
    <name>psn::TJamForm</name>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>Le bitmap a été importé !</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>Le bitmap a été exporté !</translation>
    </message>
    <message>
        <source>Car JAMs</source>
        <translation>JAM des voitures</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Livrées </translation>
    </message>
    <message>
        <source> Avaiable teams </source>
        <translation> Écuries disponibles </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Charger un bitmap</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Enregistrer en bitmap</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Exporter dans le jeu</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importer du jeu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Charger un fichier bitmap</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Enregistrer un fichier bitmap</translation>
    </message>
</context>
<context>
    <name>psn::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Noms + numéros</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Puissance moteur</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Adhérence IA</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Pannes</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Réglages voiture</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Museaux</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Voie des stands</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Couleurs du cockpit</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Couleurs des mécaniciens</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>JAM des voitures</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Casques</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Gestion des cockpits</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Gestion des circuits</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Éditeur des circuits</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>Car Sets</source>
        <translation>Jeux de voitures</translation>
    </message>
    <message>
        <source>Opens the %1 window</source>
        <translation>Ouvre la fenêtre « %1 »</translation>
    </message>
    <message>
        <source>Opens the track editor for the game&apos;s tracks</source>
        <translation>Ouvre l&apos;éditeur des circuits du jeu</translation>
    </message>
    <message>
        <source>Ends the editor</source>
        <translation>Quitte l&apos;éditeur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>&amp;Charger les réglages</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Enregistrer les réglages &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>&amp;Rétablir les réglages d&apos;origine</translation>
    </message>
    <message>
        <source>Restore game files from &amp;backup…</source>
        <translation>Restaurer les fichiers du jeu depuis une sauve&amp;garde…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Description des réglages</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Importer/Exporter</translation>
    </message>
    <message>
        <source>&amp;Compare with game…</source>
        <translation>&amp;Comparer avec le jeu…</translation>
    </message>
    <message>
        <source>I&amp;nstall car set…</source>
        <translation>I&amp;nstaller un jeu de voitures…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>Pour &amp;commencer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>The settings kept from the last run in &apos;%1&apos; cannot be read, so they were not brought back. The file was kept as &apos;%2&apos;.</source>
        <translation>Les réglages conservés de la dernière session dans &apos;%1&apos; sont illisibles ; ils n&apos;ont donc pas été rétablis. Le fichier a été conservé sous &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The editor did not end normally last time, and settings edited then were not saved. Press OK to bring them back (Undo takes them back again), or Cancel to discard them.

%1</source>
        <translation>L&apos;éditeur ne s&apos;est pas fermé normalement la dernière fois, et les réglages modifiés alors n&apos;ont pas été enregistrés. Appuyez sur OK pour les rétablir (Annuler les retire à nouveau), ou sur Annuler pour les abandonner.

%1</translation>
    </message>
    <message>
        <source>Bring back unsaved settings</source>
        <translation>Rétablir les réglages non enregistrés</translation>
    </message>
    <message>
        <source>The settings have been changed since they were last read from or written to the game or a settings file. Save them before the editor closes?</source>
        <translation>Les réglages ont changé depuis leur dernière lecture ou écriture dans le jeu ou dans un fichier de réglages. Les enregistrer avant de fermer l&apos;éditeur ?</translation>
    </message>
    <message>
        <source>S&amp;easons…</source>
        <translation>Sai&amp;sons…</translation>
    </message>
    <message>
        <source>The editor is already running in %1. This window works as usual, but only the other one keeps unsaved settings for the case that it does not end normally: save your settings to a file before you close this window.</source>
        <translation>L&apos;éditeur est déjà lancé dans %1. Cette fenêtre fonctionne comme d&apos;habitude, mais seul l&apos;autre garde les réglages non enregistrés au cas où il ne se terminerait pas normalement : enregistrez vos réglages dans un fichier avant de fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>%1

Your game&apos;s original values could not be kept, so &quot;Restore original data&quot; cannot bring them back. The editor tries again at its next start; make the file writable or free some space.</source>
        <translation>%1

Les valeurs d&apos;origine de votre jeu n&apos;ont pas pu être conservées, donc « Restaurer les données d&apos;origine » ne peut pas les rétablir. L&apos;éditeur réessaiera à son prochain démarrage ; rendez le fichier accessible en écriture ou libérez de l&apos;espace.</translation>
    </message>
    <message>
        <source>%1

The editor&apos;s settings (where the game is) could not be saved; at its next start the editor asks for the game again.</source>
        <translation>%1

Les réglages de l&apos;éditeur (l&apos;emplacement du jeu) n&apos;ont pas pu être enregistrés ; à son prochain démarrage, l&apos;éditeur redemandera où se trouve le jeu.</translation>
    </message>
</context>
<context>
    <name>psn::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Noms et numéros</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Écurie-moteur </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nom de l&apos;écurie</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Nom du moteur</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Nom du 1er pilote</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Nom du 2e pilote</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>First driver - &apos;0&apos;</source>
        <translation>Premier pilote - &apos;0&apos;</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Pilotes </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   choisis </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1er </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
</context>
<context>
    <name>psn::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Museaux </translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Écuries </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Museaux</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>relevé</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>abaissé</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importer les données du jeu</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exporter les données dans le jeu</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Rétablir les données d&apos;origine</translation>
    </message>
</context>
<context>
    <name>psn::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Couleurs des mécaniciens</translation>
    </message>
</context>
<context>
    <name>psn::TPathForm</name>
    <message>
        <source>PathForm</source>
        <translation>Trouver le jeu</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your hard disk</source>
        <translation>Trouver le fichier psn.exe sur le disque dur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Locate psn.exe file</source>
        <translation>Trouver le fichier psn.exe</translation>
    </message>
</context>
<context>
    <name>psn::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Réglages de la voie des stands</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Ordre aux stands </translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>entrée des stands</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>sortie des stands</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Vitesse dans la voie des stands </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Vitesse maximale dans la voie des stands</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Contrôler la vitesse dans la voie des stands</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importer les données du jeu</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exporter les données dans le jeu</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Rétablir les données d&apos;origine</translation>
    </message>
    <message>
        <source>%1 kph</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mi/h</translation>
    </message>
</context>
<context>
    <name>psn::TSeasonsForm</name>
    <message>
        <source>Seasons</source>
        <translation>Saisons</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservée</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Against the game now</source>
        <translation>Par rapport au jeu actuel</translation>
    </message>
    <message>
        <source>Seasons kept</source>
        <translation>Saisons conservées</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>&amp;Keep the game as a season</source>
        <translation>&amp;Garder le jeu comme saison</translation>
    </message>
    <message>
        <source>&amp;Switch to season…</source>
        <translation>&amp;Passer à la saison…</translation>
    </message>
    <message>
        <source>&amp;Rename to the name above</source>
        <translation>&amp;Renommer avec le nom ci-dessus</translation>
    </message>
    <message>
        <source>&amp;Import season…</source>
        <translation>&amp;Importer une saison…</translation>
    </message>
    <message>
        <source>&amp;Export season…</source>
        <translation>E&amp;xporter la saison…</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>The game could not be read: %1</source>
        <translation>Le jeu n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>non comparée</translation>
    </message>
    <message>
        <source>the same as the game</source>
        <translation>identique au jeu</translation>
    </message>
    <message>
        <source>files that differ: %1</source>
        <translation>fichiers différents : %1</translation>
    </message>
    <message>
        <source>another edition</source>
        <translation>autre édition</translation>
    </message>
    <message>
        <source>Seasons kept: %1</source>
        <translation>Saisons conservées : %1</translation>
    </message>
    <message>
        <source>Damaged seasons left out: %1</source>
        <translation>Saisons endommagées laissées de côté : %1</translation>
    </message>
    <message>
        <source>Type the new season&apos;s name into the name field first.</source>
        <translation>Saisissez d’abord le nom de la nouvelle saison dans le champ du nom.</translation>
    </message>
    <message>
        <source>The game is kept as the season &quot;%1&quot;.</source>
        <translation>Le jeu est conservé comme saison « %1 ».</translation>
    </message>
    <message>
        <source>The game is that season already.</source>
        <translation>Le jeu est déjà cette saison.</translation>
    </message>
    <message>
        <source>… and more settings: %1</source>
        <translation>… et d’autres réglages : %1</translation>
    </message>
    <message>
        <source>Switch the game to the season &quot;%1&quot;? These change:

%2

The game as it is now is kept as a season first.</source>
        <translation>Passer le jeu à la saison « %1 » ? Ceci change :

%2

Le jeu tel qu’il est est d’abord conservé comme saison.</translation>
    </message>
    <message>
        <source>Switch to season</source>
        <translation>Passer à la saison</translation>
    </message>
    <message>
        <source>The game is now the season &quot;%1&quot;. The game as it was is kept as the season &quot;%2&quot;.</source>
        <translation>Le jeu est maintenant la saison « %1 ». Le jeu tel qu’il était est conservé comme saison « %2 ».</translation>
    </message>
    <message>
        <source>Export season</source>
        <translation>Exporter la saison</translation>
    </message>
    <message>
        <source>Season files|*.psnseason</source>
        <translation>Fichiers de saison|*.psnseason</translation>
    </message>
    <message>
        <source>The season is exported to %1.</source>
        <translation>La saison est exportée vers %1.</translation>
    </message>
    <message>
        <source>Import season</source>
        <translation>Importer une saison</translation>
    </message>
    <message>
        <source>Season files and packs|*.psnseason;*.zip;*.7z</source>
        <translation>Fichiers de saison et paquets|*.psnseason;*.zip;*.7z</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is imported.</source>
        <translation>La saison « %1 » est importée.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Laissés de côté :</translation>
    </message>
    <message>
        <source>Type the new name into the name field first.</source>
        <translation>Saisissez d’abord le nouveau nom dans le champ du nom.</translation>
    </message>
    <message>
        <source>Delete the season &quot;%1&quot;?</source>
        <translation>Supprimer la saison « %1 » ?</translation>
    </message>
</context>
<context>
    <name>psn::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Chargement des données...</translation>
    </message>
</context>
<context>
    <name>psn::TTrackEdForm</name>
    <message>
        <source>Track editor</source>
        <translation>Éditeur des circuits</translation>
    </message>
    <message>
        <source> Grand Prix races</source>
        <translation> Courses du Grand Prix</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuit %1</translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Réglages des voitures de l&apos;ordinateur </translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Aileron avant</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Aileron arrière</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>BOÎTE DE VITESSES</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1re</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6e</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Autres valeurs du circuit </translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Consommation de carburant</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Usure des pneus</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Gomme des pneus</translation>
    </message>
    <message>
        <source>Tyre - &quot;A&quot;</source>
        <translation>Pneus - &quot;A&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;B&quot;</source>
        <translation>Pneus - &quot;B&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;C&quot;</source>
        <translation>Pneus - &quot;C&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;D&quot;</source>
        <translation>Pneus - &quot;D&quot;</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exporter les données dans le jeu</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importer les données du jeu</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Rétablir les données d&apos;origine</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>Les données des circuits ont été exportées !</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>Les données des circuits ont été importées !</translation>
    </message>
</context>
<context>
    <name>psn::Tinsttform</name>
    <message>
        <source>Track manager</source>
        <translation>Gestion des circuits</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Installer les circuits d&apos;origine</translation>
    </message>
    <message>
        <source>Install Valmont track</source>
        <translation>Installer le circuit de Valmont</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Circuits d&apos;origine installés !</translation>
    </message>
    <message>
        <source>Track installed!</source>
        <translation>Circuit installé !</translation>
    </message>
    <message>
        <source>original track pack</source>
        <translation>pack des circuits d&apos;origine</translation>
    </message>
    <message>
        <source>Valmont track pack</source>
        <translation>pack du circuit de Valmont</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Impossible de copier le fichier du circuit !</translation>
    </message>
</context>
<context>
    <name>psn::TrackInstall</name>
    <message>
        <source>The %1 in the editor&apos;s DATA folder is a sample made for the editor&apos;s sample game, not for the game in %2, so nothing was installed.

Put the real pack&apos;s files (%3) into %4 in place of the samples.</source>
        <translation>Le %1 du dossier DATA de l&apos;éditeur est un exemple fait pour le jeu d&apos;exemple de l&apos;éditeur, pas pour le jeu dans %2 ; rien n&apos;a donc été installé.

Placez les fichiers du vrai pack (%3) dans %4 à la place des exemples.</translation>
    </message>
    <message>
        <source>Not every track file could be copied from the CD!
%1</source>
        <extracomment>%1 is the file that could not be copied and why.</extracomment>
        <translation>Tous les fichiers de circuit n&apos;ont pas pu être copiés depuis le CD !
%1</translation>
    </message>
    <message>
        <source>Put &quot;Pistonia&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
        <translation>Insérez le CD « Pistonia » dans le lecteur de CD et cliquez sur « OK » lorsque vous êtes prêt !</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>Vous n&apos;avez pas installé les fichiers des circuits sur votre disque dur. Vous en avez besoin pour travailler avec l&apos;éditeur des circuits. Voulez-vous les installer maintenant ?</translation>
    </message>
    <message>
        <source>The track files are not all installed in the CIRCUITS folder of the game, so the track editor cannot be opened.</source>
        <translation>Les fichiers des circuits ne sont pas tous installés dans le dossier CIRCUITS du jeu ; l&apos;éditeur des circuits ne peut donc pas être ouvert.</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your PSN CD</source>
        <translation>Localiser le fichier psn.exe sur votre CD PSN</translation>
    </message>
</context>
<context>
    <name>psn::UserBitmap</name>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>« %1 » a ses propres couleurs : elles ont été ramenées aux 256 couleurs de la planche des casques, à la plus proche.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>« %1 » a ses propres couleurs : elles ont été ramenées aux 256 couleurs de la livrée, à la plus proche.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>« %1 » a %2 bits par pixel : ses couleurs ont été ramenées aux 256 couleurs de la planche des casques, à la plus proche.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>« %1 » a %2 bits par pixel : ses couleurs ont été ramenées aux 256 couleurs de la livrée, à la plus proche.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the helmet sheet does not hold and took the nearest.</source>
        <translation>%1 de ses %2 pixels avaient une couleur que la planche des casques ne contient pas et ont pris la plus proche.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the car painting does not hold and took the nearest.</source>
        <translation>%1 de ses %2 pixels avaient une couleur que la livrée ne contient pas et ont pris la plus proche.</translation>
    </message>
</context>
<context>
    <name>psn::WindowTransfers</name>
    <message>
        <source>Data has been imported!</source>
        <translation>Les données ont été importées !</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Les données ont été exportées !</translation>
    </message>
</context>
</TS>
