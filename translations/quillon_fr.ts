<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORBEX &quot;Quillon&quot; Programmer</source>
        <translation>A propos de ORBEX &quot;Quillon&quot; Programmer</translation>
    </message>
    <message>
        <source>ORBEX &quot;Quillon&quot; Programmer</source>
        <translation>ORBEX &quot;Quillon&quot; Programmer</translation>
    </message>
    <message>
        <source>Version 2.7</source>
        <translation>Version 2.7</translation>
    </message>
    <message>
        <source>http://www.example.com</source>
        <translation>http://www.example.com</translation>
    </message>
</context>
<context>
    <name>Actions</name>
    <message>
        <source>No Action...</source>
        <translation>Pas d&apos;Action...</translation>
    </message>
    <message>
        <source>Timer File : Txxx.mp3</source>
        <translation>Fichier Timer : Txxx.mp3</translation>
    </message>
    <message>
        <source>Directory : Fxxx</source>
        <translation>Répertoire : Fxxx</translation>
    </message>
    <message>
        <source>Sleep mode</source>
        <translation>Mode Veille</translation>
    </message>
    <message>
        <source>Transport Command</source>
        <translation>Barre de Transport</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ouput Contactor (I/O Internal)</source>
        <translation>Contacteur de sortie (I/O Interne)</translation>
    </message>
    <message>
        <source>Ouput Contactor (I/O External)</source>
        <translation>Contacteur de sortie (I/O Externe)</translation>
    </message>
    <message>
        <source>Go To Prog : </source>
        <translation>Saut au Programme : </translation>
    </message>
    <message>
        <source>Output </source>
        <translation>Sortie </translation>
    </message>
    <message>
        <source>Timer File : T</source>
        <translation>Fichier Timer : T</translation>
    </message>
    <message>
        <source>Directory : SONG</source>
        <translation>Répertoire : SONG</translation>
    </message>
    <message>
        <source>Directory : F</source>
        <translation>Répertoire : F</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Internal Output</source>
        <translation>Sortie Interne</translation>
    </message>
    <message>
        <source>Extrenal Output</source>
        <translation>Sortie Externe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Unknown Command</source>
        <translation>Commande Inconnue</translation>
    </message>
    <message>
        <source>Activate Prog</source>
        <translation>Active Programme</translation>
    </message>
    <message>
        <source>Desactivate Prog</source>
        <translation>Désactive Programme</translation>
    </message>
    <message>
        <source>FTP Client</source>
        <translation>Client FTP</translation>
    </message>
    <message>
        <source>Send EMail</source>
        <translation>Envoie d&apos;un EMail</translation>
    </message>
</context>
<context>
    <name>Confidence</name>
    <message>
        <source>&amp;Verify the Programs</source>
        <translation>&amp;Vérifier les programmes</translation>
    </message>
    <message>
        <source>Check the &amp;Schedule...</source>
        <translation>Vérifier la &amp;programmation...</translation>
    </message>
    <message>
        <source>All 255 slots and the project name of the player match the project.</source>
        <translation>Les 255 programmes et le nom du projet du lecteur sont identiques au projet.</translation>
    </message>
    <message>
        <source>Slots of the player that differ from the project:</source>
        <translation>Programmes du lecteur différents du projet :</translation>
    </message>
    <message>
        <source>The project name differs; the player holds: </source>
        <translation>Le nom du projet diffère ; le lecteur contient : </translation>
    </message>
    <message>
        <source>schedule</source>
        <translation>horaire</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>états</translation>
    </message>
    <message>
        <source>action </source>
        <translation>action </translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Next run : </source>
        <translation>Prochaine exécution : </translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>never (inactive)</source>
        <translation>jamais (inactif)</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Vérification de la programmation</translation>
    </message>
    <message>
        <source>No finding: the schedule will behave as written.</source>
        <translation>Aucune remarque : la programmation se déroulera comme prévu.</translation>
    </message>
    <message>
        <source>%1 and %2 can fall due in the same minute; PC remote mode fires only %1.</source>
        <translation>%1 et %2 peuvent se déclencher à la même minute ; le mode Télécommande PC ne lance que %1.</translation>
    </message>
    <message>
        <source>%1: action %2 names program %3, which no program of the project has.</source>
        <translation>%1 : l&apos;action %2 désigne le programme %3, qu&apos;aucun programme du projet ne porte.</translation>
    </message>
    <message>
        <source>%1 has its timer on but is inactive: it never runs.</source>
        <translation>%1 a son horloge en marche mais il est inactif : il ne se déclenchera jamais.</translation>
    </message>
    <message>
        <source>%1 is set for a date that has passed (%2): it never runs again.</source>
        <translation>%1 est programmé à une date passée (%2) : il ne se déclenchera plus.</translation>
    </message>
    <message>
        <source>Code %1 is used by %2; only the last, %3, is transmitted.</source>
        <translation>Le code %1 est utilisé par %2 ; seul le dernier, %3, est transmis.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Verify : </source>
        <translation>Vérification : </translation>
    </message>
    <message>
        <source>Minute skipped (COM port in use) at : </source>
        <translation>Minute ignorée (port COM occupé) à : </translation>
    </message>
    <message>
        <source> missed (COM port in use) at : </source>
        <translation> manqué (port COM occupé) à : </translation>
    </message>
    <message>
        <source> missed (computer off or asleep) at : </source>
        <extracomment>After &quot;Program : &quot; and its number in the PC remote report, before the date and time</extracomment>
        <translation> manqué (ordinateur arrêté ou en veille) à : </translation>
    </message>
    <message>
        <source> not triggered at : </source>
        <translation> non déclenché à : </translation>
    </message>
    <message>
        <source>The project name read from the player held line breaks or control characters; they were replaced by spaces.</source>
        <translation>Le nom du projet lu dans le lecteur contenait des sauts de ligne ou des caractères de contrôle ; ils ont été remplacés par des espaces.</translation>
    </message>
    <message>
        <source>Codes carried by more than one program: %1. A transmit or an export sends only the last program of each.</source>
        <translation>Codes portés par plusieurs programmes : %1. Une transmission ou un export n&apos;envoie que le dernier programme de chacun.</translation>
    </message>
    <message>
        <source>%1 program(s) have code 000, which is no slot of the player: a transmit or an export leaves them out.</source>
        <translation>%1 programme(s) ont le code 000, qui ne désigne aucun emplacement du lecteur : une transmission ou un export les laisse de côté.</translation>
    </message>
    <message>
        <source>%1 has code 000: a transmit or an export leaves it out.</source>
        <translation>%1 a le code 000 : une transmission ou un export le laisse de côté.</translation>
    </message>
    <message>
        <source>The player&apos;s programs before the transmit were kept in %1</source>
        <translation>Les programmes du lecteur avant la transmission sont conservés dans %1</translation>
    </message>
    <message>
        <source>No copy of the player was kept: %1</source>
        <translation>Aucune copie du lecteur n&apos;a été conservée : %1</translation>
    </message>
    <message>
        <source>name byte %1</source>
        <translation>l&apos;octet %1 du nom</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>No copy of the player was kept: reading it failed at %1: %2</source>
        <translation>Aucune copie du lecteur n&apos;a été conservée : sa lecture a échoué à %1 : %2</translation>
    </message>
    <message>
        <source>Open Player Backup...</source>
        <translation>Ouvrir une copie du lecteur...</translation>
    </message>
    <message>
        <source>Backup Before Transmit</source>
        <translation>Copier le lecteur avant de transmettre</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edition</translation>
    </message>
    <message>
        <source>&amp;New Program</source>
        <translation>&amp;Nouveau Program</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>&amp;Supprimer Program</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Couper</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete a Group of same Color</source>
        <translation>Supprimer un Groupe de même Couleur</translation>
    </message>
    <message>
        <source>Move Program to Up</source>
        <translation>Déplacer le programme vers le haut</translation>
    </message>
    <message>
        <source>Move Program to Down</source>
        <translation>Déplacer le programme vers le bas</translation>
    </message>
    <message>
        <source>Timer Mode Program Assistant</source>
        <translation>Assitant programmes horodatés</translation>
    </message>
</context>
<context>
    <name>ExportFolderDialog</name>
    <message>
        <source>Select the location directory where &apos;quillon.msg&apos; file is going to be exported.</source>
        <translation>Sélectionnez le répertoire dans lequel le fichier &apos;quillon.msg&apos; sera exporté.</translation>
    </message>
    <message>
        <source>Selection of location directory</source>
        <translation>Sélection du répertoire d&apos;exportation</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Name of the new folder in &quot;%1&quot;:</source>
        <translation>Nom du nouveau dossier dans &quot;%1&quot; :</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nouveau Projet</translation>
    </message>
    <message>
        <source>&amp;Project Properties...</source>
        <translation>&amp;Propriétés du Projet...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;A propos...</translation>
    </message>
    <message>
        <source>ORBEX on the &amp;Web</source>
        <translation>ORBEX sur &amp;Internet</translation>
    </message>
    <message>
        <source>ORBEX &amp;Home Page</source>
        <translation>Page d&apos;&amp;accueil de ORBEX</translation>
    </message>
    <message>
        <source>&amp;Send Email to ORBEX&apos;s Technical Support</source>
        <translation>Envoyer un Email au support technique ORBEX</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is the name of the step&apos;s command, as in the menus without &quot;&amp;&quot; and &quot;...&quot;</extracomment>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Modifier le programme</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>E&amp;spañol</source>
        <translation>E&amp;spañol</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Italiano</source>
        <translation>&amp;Italiano</translation>
    </message>
</context>
<context>
    <name>LinkResult</name>
    <message>
        <source>Transmission on COM port OK</source>
        <translation>Transmission sur le port COM OK</translation>
    </message>
    <message>
        <source>Initialization Error on port COM</source>
        <translation>Erreur d&apos;initialisation du port COM</translation>
    </message>
    <message>
        <source>Writing Error on COM port</source>
        <translation>Erreur d&apos;écriture sur le port COM</translation>
    </message>
    <message>
        <source>Reading Error on COM port</source>
        <translation>Erreur de lecture sur le port COM</translation>
    </message>
    <message>
        <source>Opening Error of COM port</source>
        <translation>Erreur d&apos;ouverture du port COM</translation>
    </message>
    <message>
        <source>Parameters access Error of COM port</source>
        <translation>Erreur d&apos;accès aux paramètres du port COM</translation>
    </message>
    <message>
        <source>Setting Error on COM port</source>
        <translation>Erreur de configuration du port COM</translation>
    </message>
    <message>
        <source>Timeouts Error of port COM</source>
        <translation>Erreur de Timeout sur le port COM</translation>
    </message>
    <message>
        <source>Closing Error of COM port</source>
        <translation>Erreur de fermeture du port COM</translation>
    </message>
    <message>
        <source>Transmission Error : MP3 player not ready</source>
        <translation>Erreur de Transmission : lecteur MP3 non prêt</translation>
    </message>
    <message>
        <source>Writing in EEPROM Error</source>
        <translation>Erreur d&apos;écriture en EEPROM</translation>
    </message>
    <message>
        <source>Reading in EEPROM Error</source>
        <translation>Erreur de lecture en EEPROM</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Do you want to delete the selected program?</source>
        <translation>Voulez-vous supprimer le programme sélectionné?</translation>
    </message>
    <message>
        <source>Do you want to transmit the programs to the player?</source>
        <translation>Voulez-vous transférer les programmes au lecteur?</translation>
    </message>
    <message>
        <source>Program(s) : </source>
        <extracomment>The progress line of a transfer: &quot;Program(s) : &quot;, the slot number, then &quot; to 255 &quot;</extracomment>
        <translation>Programme(s) : </translation>
    </message>
    <message>
        <source> to 255 </source>
        <extracomment>Follows &quot;Program(s) : &quot; and the slot number in the progress line of a transfer</extracomment>
        <translation> sur 255 </translation>
    </message>
    <message>
        <source>Finalization Step...</source>
        <translation>Etape de finalisation...</translation>
    </message>
    <message>
        <source>The current programmation has been modified. Do you want to save these changes?</source>
        <translation>La programmation actuelle a été modifiée. Voulez-vous sauvegarder ces changements?</translation>
    </message>
    <message>
        <source>Do you want to Receive the programs from the player?</source>
        <translation>Voulez-vous recevoir les programmes du lecteur?</translation>
    </message>
    <message>
        <source>Do you want to load the project file associated to the current programmation of the player? </source>
        <translation>Voulez-vous charger le fichier projet associé à la programmation actuelle du lecteur? </translation>
    </message>
    <message>
        <source>Associated Project name&#xa0;: </source>
        <translation>Nom du projet associé : </translation>
    </message>
    <message>
        <source>Export in &apos;quillon.msg&apos; file OK</source>
        <translation>Exportation dans le fichier &apos;quillon.msg&apos; OK</translation>
    </message>
    <message>
        <source> to </source>
        <translation> sur </translation>
    </message>
    <message>
        <source>Open : </source>
        <translation>Ouvrir : </translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Supprimer Program : </translation>
    </message>
    <message>
        <source>Import from &apos;quillon.msg&apos; file OK</source>
        <translation>Importation depuis le fichier &apos;quillon.msg&apos; OK</translation>
    </message>
    <message>
        <source>Do you want to delete all programs that have the specified color?</source>
        <translation>Voulez-vous supprimer tous les programmes portant la couleur désignée?</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The date or time of program(s) %1 did not exist and was corrected.</source>
        <translation>La date ou l&apos;heure du ou des programme(s) %1 n&apos;existait pas et a été corrigée.</translation>
    </message>
    <message>
        <source>%1 bytes where a schedule file holds at least %2 (255 slots of 24 bytes).</source>
        <translation>%1 octets, alors qu&apos;un fichier du lecteur en contient au moins %2 (255 programmes de 24 octets).</translation>
    </message>
    <message>
        <source>at least %1 bytes (255 slots of 24 bytes)</source>
        <translation>au moins %1 octets (255 programmes de 24 octets)</translation>
    </message>
    <message>
        <source>%1 is a player file, not a project file</source>
        <translation>%1 est un fichier du lecteur, pas un fichier projet</translation>
    </message>
    <message>
        <source>%1 is a project file, not a player file</source>
        <translation>%1 est un fichier projet, pas un fichier du lecteur</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>its first line is not &quot;%1&quot;</source>
        <translation>sa première ligne n&apos;est pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is not a project file: %2</source>
        <translation>%1 n&apos;est pas un fichier projet : %2</translation>
    </message>
    <message>
        <source>%1 is not a player file: it holds %2, where a player file holds %3</source>
        <translation>%1 n&apos;est pas un fichier du lecteur : il contient %2, alors qu&apos;un fichier du lecteur contient %3</translation>
    </message>
    <message>
        <source>%1 is neither a project file (%2) nor a player file (it holds %3, where a player file holds %4)</source>
        <translation>%1 n&apos;est ni un fichier projet (%2) ni un fichier du lecteur (il contient %3, alors qu&apos;un fichier du lecteur contient %4)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not saved: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas été enregistré : %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>une FIFO (tube nommé)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>c&apos;est %1, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1, not a regular file, and is not replaced</source>
        <translation>c&apos;est %1, pas un fichier ordinaire, et il n&apos;est pas remplacé</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads back to itself (a link loop)</source>
        <translation>c&apos;est un lien symbolique qui revient sur lui-même (une boucle de liens)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved, but it now belongs to %2 (group %3) instead of %4 (group %5): %6</source>
        <translation>&quot;%1&quot; a été enregistré, mais il appartient maintenant à %2 (groupe %3) au lieu de %4 (groupe %5) : %6</translation>
    </message>
    <message>
        <source>nothing more was taken</source>
        <translation>plus rien n&apos;a été accepté</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written (%3; is the disk full?)</source>
        <translation>seulement %1 octets sur %2 ont pu être écrits (%3 ; le disque est-il plein ?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder is missing or read-only</source>
        <translation>&quot;%1&quot; ne peut pas être écrit : son dossier est absent ou en lecture seule</translation>
    </message>
    <message>
        <source>there is no user configuration folder</source>
        <translation>il n&apos;y a pas de dossier de configuration de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>The settings cannot be kept: %1. The program goes on with its defaults.</source>
        <translation>Les réglages ne peuvent pas être conservés : %1. Le programme continue avec ses valeurs par défaut.</translation>
    </message>
    <message>
        <source>The settings were not saved: %1</source>
        <translation>Les réglages n&apos;ont pas été enregistrés : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation>&quot;%1&quot;, ligne %2 : %3</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>le fichier n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is in use by process %2 (%3), which holds the lock file %4</source>
        <translation>%1 est utilisé par le processus %2 (%3), qui détient le fichier de verrou %4</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2, group %3; a member of group %3 may)</source>
        <translation>cet utilisateur n&apos;a pas le droit d&apos;ouvrir %1 (propriétaire %2, groupe %3 ; un membre du groupe %3 le peut)</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2; only its owner may)</source>
        <translation>cet utilisateur n&apos;a pas le droit d&apos;ouvrir %1 (propriétaire %2 ; seul son propriétaire le peut)</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2, group %3; a member of group %3 may): add your account to the group %3 and log in again</source>
        <translation>cet utilisateur n&apos;a pas le droit d&apos;ouvrir %1 (propriétaire %2, groupe %3 ; un membre du groupe %3 le peut) : ajoutez votre compte au groupe %3 et reconnectez-vous</translation>
    </message>
    <message>
        <source>%1 is busy or not permitted</source>
        <translation>%1 est occupé ou non autorisé</translation>
    </message>
    <message>
        <source>%1: %2 holds a line break or control character that a project file cannot store</source>
        <translation>%1 : %2 contient un saut de ligne ou un caractère de contrôle qu&apos;un fichier projet ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>%1: %2 holds the character &quot;%3&quot;, which cannot be written in Windows-1252</source>
        <translation>%1 : %2 contient le caractère &quot;%3&quot;, qui ne peut pas être écrit en Windows-1252</translation>
    </message>
    <message>
        <source>%1: %2 comment lines; a project file holds at most %3</source>
        <translation>%1 : %2 lignes de commentaire ; un fichier projet en contient au plus %3</translation>
    </message>
    <message>
        <source>comment line %1</source>
        <translation>la ligne de commentaire %1</translation>
    </message>
    <message>
        <source>the project properties</source>
        <translation>les propriétés du projet</translation>
    </message>
    <message>
        <source>program %1 &quot;%2&quot;</source>
        <translation>le programme %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the project name</source>
        <translation>le nom du projet</translation>
    </message>
    <message>
        <source>the subject</source>
        <translation>l&apos;objet</translation>
    </message>
    <message>
        <source>the author</source>
        <translation>l&apos;auteur</translation>
    </message>
    <message>
        <source>the rights notice</source>
        <translation>la mention des droits</translation>
    </message>
    <message>
        <source>the customer</source>
        <translation>le client</translation>
    </message>
    <message>
        <source>the creation date</source>
        <translation>la date de création</translation>
    </message>
    <message>
        <source>the diffusion date</source>
        <translation>la date de diffusion</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>le titre</translation>
    </message>
    <message>
        <source>the project holds %1 programs; a project file holds at most %2</source>
        <translation>le projet contient %1 programmes ; un fichier projet en contient au plus %2</translation>
    </message>
    <message>
        <source>the header line</source>
        <translation>la ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>the separator line</source>
        <translation>la ligne de séparation</translation>
    </message>
    <message>
        <source>the number of project comment lines (0..%1)</source>
        <translation>le nombre de lignes de commentaire du projet (0..%1)</translation>
    </message>
    <message>
        <source>project comment line %1 of %2</source>
        <translation>la ligne de commentaire du projet %1 sur %2</translation>
    </message>
    <message>
        <source>the number of programs (0..255)</source>
        <translation>le nombre de programmes (0..255)</translation>
    </message>
    <message>
        <source>the program code (a number)</source>
        <translation>le code du programme (un nombre)</translation>
    </message>
    <message>
        <source>the priority flag</source>
        <translation>l&apos;indicateur de priorité</translation>
    </message>
    <message>
        <source>the timer flag</source>
        <translation>l&apos;indicateur du timer</translation>
    </message>
    <message>
        <source>the active flag</source>
        <translation>l&apos;indicateur d&apos;activation</translation>
    </message>
    <message>
        <source>the hour (0..23)</source>
        <translation>l&apos;heure (0..23)</translation>
    </message>
    <message>
        <source>the minute (0..59)</source>
        <translation>la minute (0..59)</translation>
    </message>
    <message>
        <source>the day of the week (a number)</source>
        <translation>le jour de la semaine (un nombre)</translation>
    </message>
    <message>
        <source>the timer mode (a number)</source>
        <translation>le mode du timer (un nombre)</translation>
    </message>
    <message>
        <source>the action count (a number)</source>
        <translation>le nombre d&apos;actions (un nombre)</translation>
    </message>
    <message>
        <source>the kind of action %1 (a number)</source>
        <translation>le type de l&apos;action %1 (un nombre)</translation>
    </message>
    <message>
        <source>the parameter of action %1 (a number)</source>
        <translation>le paramètre de l&apos;action %1 (un nombre)</translation>
    </message>
    <message>
        <source>the value of action %1 (a number)</source>
        <translation>la valeur de l&apos;action %1 (un nombre)</translation>
    </message>
    <message>
        <source>the colour (a number)</source>
        <translation>la couleur (un nombre)</translation>
    </message>
    <message>
        <source>the date (dd/mm/yyyy)</source>
        <translation>la date (jj/mm/aaaa)</translation>
    </message>
    <message>
        <source>the number of comment lines (0..%1)</source>
        <translation>le nombre de lignes de commentaire (0..%1)</translation>
    </message>
    <message>
        <source>comment line %1 of %2</source>
        <translation>la ligne de commentaire %1 sur %2</translation>
    </message>
    <message>
        <source>expected %1, found the end of the file</source>
        <translation>%1 attendu, fin du fichier trouvée</translation>
    </message>
    <message>
        <source>expected %1, found a line longer than %2 bytes</source>
        <translation>%1 attendu, ligne de plus de %2 octets trouvée</translation>
    </message>
    <message>
        <source>the file goes on past %1 MiB, which no project file reaches</source>
        <translation>le fichier dépasse %1 Mio, ce qu&apos;aucun fichier projet n&apos;atteint</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>%1 attendu, %2 trouvé</translation>
    </message>
    <message>
        <source>row %1, column %2: %3 was expected, not &quot;%4&quot;</source>
        <translation>ligne %1, colonne %2 : %3 attendu, et non « %4 »</translation>
    </message>
    <message>
        <source>a number %1 to %2</source>
        <translation>un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>« yes » ou « no »</translation>
    </message>
    <message>
        <source>a colour group 1 to 26 or #RRGGBB</source>
        <translation>un groupe de couleur de 1 à 26 ou #RRGGBB</translation>
    </message>
    <message>
        <source>date, daily, weekly or hourly</source>
        <translation>« date », « daily », « weekly » ou « hourly »</translation>
    </message>
    <message>
        <source>an action kind name or a number 0 to %1</source>
        <translation>un nom de type d&apos;action ou un nombre de 0 à %1</translation>
    </message>
    <message>
        <source>a date yyyy-mm-dd</source>
        <translation>une date aaaa-mm-jj</translation>
    </message>
    <message>
        <source>a time hh:mm</source>
        <translation>une heure hh:mm</translation>
    </message>
    <message>
        <source>text of Windows-1252 characters</source>
        <translation>un texte en caractères Windows-1252</translation>
    </message>
    <message>
        <source>a title on one line</source>
        <translation>un titre sur une seule ligne</translation>
    </message>
    <message>
        <source>at most %1 comment lines</source>
        <translation>au plus %1 lignes de commentaire</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>le fichier n&apos;est pas un texte UTF-8</translation>
    </message>
    <message>
        <source>row %1: a quoted field does not end</source>
        <translation>ligne %1 : un champ entre guillemets ne se termine pas</translation>
    </message>
    <message>
        <source>row 1: the header row is missing</source>
        <translation>ligne 1 : la ligne d&apos;en-tête manque</translation>
    </message>
    <message>
        <source>row 1: unknown column &quot;%1&quot;</source>
        <translation>ligne 1 : colonne inconnue « %1 »</translation>
    </message>
    <message>
        <source>row 1: column %1 appears twice</source>
        <translation>ligne 1 : la colonne %1 apparaît deux fois</translation>
    </message>
    <message>
        <source>row 1: column %1 is missing</source>
        <translation>ligne 1 : la colonne %1 manque</translation>
    </message>
    <message>
        <source>row %1: a project holds at most %2 programs</source>
        <translation>ligne %1 : un projet contient au plus %2 programmes</translation>
    </message>
    <message>
        <source>row %1, column %2: a line break ends the row before its last column (a line break inside a cell needs quotes around the cell)</source>
        <translation>ligne %1, colonne %2 : un saut de ligne termine la ligne avant sa dernière colonne (un saut de ligne dans une cellule demande des guillemets autour de la cellule)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table of programs:</source>
        <translation>« %1 » n&apos;est pas un tableau de programmes :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a table of programs can be (%2 bytes)</source>
        <translation>« %1 » est plus grand que ne peut l&apos;être un tableau de programmes (%2 octets)</translation>
    </message>
    <message>
        <source>%1: %2 is longer than %3 bytes, the longest line a project file can hold</source>
        <translation>%1 : %2 dépasse %3 octets, la plus longue ligne qu&apos;un fichier projet puisse contenir</translation>
    </message>
    <message>
        <source>the project takes more than %1 MiB, more than a project file can hold</source>
        <translation>le projet dépasse %1 Mio, plus qu&apos;un fichier projet ne peut contenir</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>au plus %1 caractères</translation>
    </message>
    <message>
        <source>row %1, column %2: a quote inside a cell that does not begin with one, or text after the closing quote</source>
        <translation>ligne %1, colonne %2 : un guillemet dans une cellule qui ne commence pas par un guillemet, ou du texte après le guillemet fermant</translation>
    </message>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>ligne %1 : plus de %2 cellules</translation>
    </message>
    <message>
        <source>no action after a directory, sleep, go-to or ftp action within action_count</source>
        <translation>aucune action après une action directory, sleep, go-to ou ftp dans action_count</translation>
    </message>
    <message>
        <source>a transport command 1 to 10 or 12</source>
        <translation>une commande de transport de 1 à 10 ou 12</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;RS232 - COM Port</source>
        <translation>&amp;RS232 - Port COM</translation>
    </message>
    <message>
        <source>Additional Player Options</source>
        <translation>Options Ajoutées au Lecteur</translation>
    </message>
    <message>
        <source>I/O Card</source>
        <translation>Carte d&apos;Entrée/Sortie</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>PC Remote</source>
        <translation>Télécommande PC</translation>
    </message>
</context>
<context>
    <name>PcRemoteWindow</name>
    <message>
        <source>PC Remote</source>
        <translation>Télécommande PC</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Program : </source>
        <extracomment>A line of the PC remote report: &quot;Program : 012 at : &quot; and the date and time it was triggered</extracomment>
        <translation>Programme : </translation>
    </message>
    <message>
        <source> at : </source>
        <translation> à : </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>PC Remote Mode</source>
        <translation>Mode Télécommande PC</translation>
    </message>
    <message>
        <source>Report List :</source>
        <translation>Liste des historiques :</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Week Plan...</source>
        <translation>Planning de la semaine...</translation>
    </message>
    <message>
        <source>Week Plan</source>
        <translation>Planning de la semaine</translation>
    </message>
    <message>
        <source>Also show inactive programs and programs with the timer off</source>
        <translation>Afficher aussi les programmes inactifs ou sans horloge</translation>
    </message>
    <message>
        <source>Red frame: two &quot;Go To Prog&quot; programs due in the same minute</source>
        <translation>Cadre rouge : deux programmes « Saut au Programme » à la même minute</translation>
    </message>
    <message>
        <source>Print the Schedule...</source>
        <translation>Imprimer la programmation...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importer un CSV...</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Next run</source>
        <translation>Prochaine exécution</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 is the page&apos;s number, %2 the number of pages</extracomment>
        <translation>Page %1 sur %2</translation>
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
        <source>Import from CSV file OK</source>
        <translation>Import du fichier CSV OK</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>Activate</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Prioritary</source>
        <translation>Prioritaire</translation>
    </message>
    <message>
        <source>Comments :</source>
        <translation>Commentaires :</translation>
    </message>
    <message>
        <source>Inputs :</source>
        <translation>Entrées :</translation>
    </message>
    <message>
        <source>Timer Mode</source>
        <translation>Mode Horodaté</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>Clock :</source>
        <translation>Horloge :</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Le :</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Every :</source>
        <translation>Tous les :</translation>
    </message>
    <message>
        <source>Actions :</source>
        <translation>Actions :</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Déclenché à :</translation>
    </message>
    <message>
        <source>Color : </source>
        <translation>Couleur : </translation>
    </message>
    <message>
        <source>Title : </source>
        <translation>Titre : </translation>
    </message>
</context>
<context>
    <name>ProgramLimit</name>
    <message>
        <source>You cannot create more than 255 programs!</source>
        <translation>Vous ne pouvez pas créer plus de 255 programmes!</translation>
    </message>
</context>
<context>
    <name>ProgramTile</name>
    <message>
        <source>Date : </source>
        <translation>Le : </translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Every : </source>
        <translation>Tous les : </translation>
    </message>
    <message>
        <source> - At : </source>
        <extracomment>Ends a tile&apos;s schedule line, before the hour and minute: &quot;Every day - At : 08:05&quot;</extracomment>
        <translation> - A : </translation>
    </message>
    <message>
        <source>Start at : </source>
        <translation>Déclenché à : </translation>
    </message>
</context>
<context>
    <name>ProjectPropertiesDialog</name>
    <message>
        <source>Project Properties</source>
        <translation>Propriétés du Projet</translation>
    </message>
    <message>
        <source> Name of Project :</source>
        <translation> Nom du Projet :</translation>
    </message>
    <message>
        <source> Object :</source>
        <translation> Sujet :</translation>
    </message>
    <message>
        <source> Author :</source>
        <translation> Auteur :</translation>
    </message>
    <message>
        <source> Copyright :</source>
        <translation> Copyright :</translation>
    </message>
    <message>
        <source> Customer :</source>
        <translation> Client :</translation>
    </message>
    <message>
        <source> Creation Date :</source>
        <translation> Date de création :</translation>
    </message>
    <message>
        <source> Diffusion Date :</source>
        <translation> Date de diffusion :</translation>
    </message>
    <message>
        <source> Comments :</source>
        <translation> Commentaires :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SendReceiveMenu</name>
    <message>
        <source>&amp;Send-Receive</source>
        <translation>&amp;Envoyer-Recevoir</translation>
    </message>
    <message>
        <source>&amp;Transmit the Programs</source>
        <translation>&amp;Transmettre les programmes</translation>
    </message>
    <message>
        <source>&amp;Receive the Programs</source>
        <translation>&amp;Recevoir les programmes</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>Transmit the programs to the player</source>
        <translation>Transmettre les programmes au lecteur</translation>
    </message>
    <message>
        <source>Receive the programs from the player</source>
        <translation>Recevoir les programmes du lecteur</translation>
    </message>
    <message>
        <source>Create a new program</source>
        <translation>Créer un nouveau programme</translation>
    </message>
    <message>
        <source>Delete a program</source>
        <translation>Supprimer un programme</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Create a new project</source>
        <translation>Créer un nouveau projet</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Ouvrir un fichier projet</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Export current project</source>
        <translation>Exporter le projet</translation>
    </message>
    <message>
        <source>Import current project</source>
        <translation>Importer le projet</translation>
    </message>
    <message>
        <source>Move program to up</source>
        <translation>Déplacer le programme vers le haut</translation>
    </message>
    <message>
        <source>Move program to down</source>
        <translation>Déplacer le programme vers le bas</translation>
    </message>
    <message>
        <source>Wizard-Assistant for Timer Mode programs creations</source>
        <translation>Assistant à la création de programmes horodatés</translation>
    </message>
    <message>
        <source>PC Remote</source>
        <translation>Télécommande PC</translation>
    </message>
</context>
</TS>
