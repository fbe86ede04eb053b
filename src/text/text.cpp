#include "text.h"

#include <array>
#include <iterator>

namespace {

// Each table: French block, then English, Spanish, German and Italian, the same rows in each.
// The texts are the ones the player's users know, misspellings included; every one of them
// is representable in Windows-1252.

constexpr QStringView HintTexts[] = {
    // French
    u"Transmettre les programmes au lecteur",
    u"Recevoir les programmes du lecteur",
    u"Créer un nouveau programme",
    u"Supprimer un programme",
    u"Couper",
    u"Copier",
    u"Coller",
    u"Créer un nouveau projet",
    u"Ouvrir un fichier projet",
    u"Enregistrer le projet",
    u"Exporter le projet",
    u"Importer le projet",
    u"Déplacer le programme vers le haut",
    u"Déplacer le programme vers le bas",
    u"Assistant à la création de programmes horodatés",
    u"Télécommande PC",
    // English
    u"Transmit the programs to the player",
    u"Receive the programs from the player",
    u"Create a new program",
    u"Delete a program",
    u"Cut",
    u"Copy",
    u"Paste",
    u"Create a new project",
    u"Open a project file",
    u"Save current project",
    u"Export current project",
    u"Import current project",
    u"Move program to up",
    u"Move program to down",
    u"Wizard-Assistant for Timer Mode programs creations",
    u"PC Remote",
    // Spanish
    u"Transferir programas al reproductor",
    u"Recibir programas desde el reproductor",
    u"Crear un nuevo programa",
    u"Borrar un programa",
    u"Cortar",
    u"Copiar",
    u"Pegar",
    u"Nuevo Proyecto",
    u"Abrir Proyecto",
    u"Guardar Proyecto",
    u"Exportar Proyecto",
    u"Import Proyecto",
    u"Mover programa hacia arriba",
    u"Mover programa hacia abajo",
    u"Wizard-Assistant for Timer Mode programs creations",
    u"PC Remote",
    // German
    u"Programme auf das Gerät übertragen",
    u"Programme vom Gerät empfangen",
    u"Neues Programm erzeugen",
    u"Programm löschen",
    u"Ausschneiden",
    u"Kopieren",
    u"Einfügen",
    u"Neues Projekt",
    u"Öffnen Projekt",
    u"Speichern aktuelles Projekt",
    u"Exportieren aktuelles Projekt",
    u"Import aktuelles Projekt",
    u"Verschieben des Programms nach oben",
    u"Verschieben des Programms nach unten",
    u"Wizard-Assistant for Timer Mode programs creations",
    u"PC Remote",
    // Italian
    u"Trasmetti i Programmi al lettore",
    u"Ricevi i Programmi dal lettore",
    u"Crea un nuovo Programma",
    u"Cancella un Programma",
    u"Taglia",
    u"Copia",
    u"Incolla",
    u"Crea un nuovo Progetto",
    u"Apri un file di Progetto",
    u"Salva il Progetto corrente",
    u"Esporta il Progetto corrente",
    u"Importa il Progetto corrente",
    u"Sposta il Programma verso l'alto",
    u"Sposta il Programma verso il basso",
    u"Wizard-Assistant for Timer Mode programs creations",
    u"PC Remote",
};
static_assert(std::size(HintTexts) == LanguageCount * int(HintRow::Count));

constexpr QStringView PropertyTexts[] = {
    // French
    u"Propriétés du Projet",
    u" Nom du Projet :",
    u" Sujet :",
    u" Auteur :",
    u" Copyright :",
    u" Client :",
    u" Date de création :",
    u" Date de diffusion :",
    u" Commentaires :",
    u"Ok",
    u"Annuler",
    // English
    u"Project Properties",
    u" Name of Project :",
    u" Object :",
    u" Author :",
    u" Copyright :",
    u" Customer :",
    u" Creation Date :",
    u" Diffusion Date :",
    u" Comments :",
    u"Ok",
    u"Cancel",
    // Spanish
    u"Propiedades de Proyecto",
    u" Nombre de Proyecto :",
    u" Tema :",
    u" Autor :",
    u" Copyright :",
    u" Cliente :",
    u" Fecha de Creación :",
    u" Fecha de Emisión :",
    u" Comentarios :",
    u"Ok",
    u"Anular",
    // German
    u"Projekteigenschaften",
    u" Projektname :",
    u" Thema :",
    u" Autor :",
    u" Copyright :",
    u" Klient :",
    u" Erzeugungsdatum :",
    u" Veröffentlichungsdatum :",
    u" Kommentare :",
    u"OK",
    u"Abbruch",
    // Italian
    u"Proprietà del Progetto:",
    u" Nome del Progetto:",
    u" Oggetto:",
    u" Autore:",
    u" Copyright:",
    u" Cliente:",
    u" Data della Creazione:",
    u" Data della Diffusione",
    u" Commenti:",
    u"Ok",
    u"Cancella",
};
static_assert(std::size(PropertyTexts) == LanguageCount * int(PropertyRow::Count));

constexpr QStringView FileMenuTexts[] = {
    // French
    u"&Fichier",
    u"&Nouveau Projet",
    u"&Propriétés du Projet...",
    u"&Ouvrir",
    u"&Enregistrer",
    u"Enregistrer &sous...",
    u"E&xporter",
    u"&Quitter",
    u"&Importer",
    // English
    u"&File",
    u"&New Project",
    u"&Project Properties...",
    u"&Open",
    u"&Save",
    u"Save &as...",
    u"&Export",
    u"E&xit",
    u"&Import",
    // Spanish
    u"&Archivo",
    u"&Nuevo Proyecto",
    u"&Propiedades de Proyecto...",
    u"A&brir",
    u"&Guardar",
    u"Guardar &como...",
    u"&Exportar",
    u"&Salir",
    u"&Importar",
    // German
    u"&Datei",
    u"&Neues Projekt",
    u"P&rojekteingeschaften...",
    u"&Öffnen",
    u"S&peichern",
    u"Sp&eichern unter...",
    u"&Exportieren",
    u"&Beenden",
    u"&Import",
    // Italian
    u"File",
    u"Nuovo Progetto",
    u"Proprietà del Progetto...",
    u"Apri",
    u"Salva",
    u"Salva con nome...",
    u"Esporta",
    u"Esci",
    u"Importa",
};
static_assert(std::size(FileMenuTexts) == LanguageCount * int(FileMenuRow::Count));

constexpr QStringView EditMenuTexts[] = {
    // French
    u"&Edition",
    u"&Nouveau Program",
    u"&Supprimer Program",
    u"&Couper",
    u"C&opier",
    u"Co&ller",
    u"Supprimer un Groupe de même Couleur",
    u"Déplacer le programme vers le haut",
    u"Déplacer le programme vers le bas",
    u"Assitant programmes horodatés",
    // English
    u"&Edit",
    u"&New Program",
    u"&Delete Program",
    u"&Cut",
    u"C&opy",
    u"&Paste",
    u"Delete a Group of same Color",
    u"Move Program to Up",
    u"Move Program to Down",
    u"Timer Mode Program Assistant",
    // Spanish
    u"&Editar",
    u"&Nuevo Programa",
    u"&Borrar Programa",
    u"&Cortar",
    u"C&opiar",
    u"&Pegar",
    u"Borrar un grupo del mismo color",
    u"Mover programa hacia arriba",
    u"Mover programa hacia abajo",
    u"Timer Mode Program Assistant",
    // German
    u"&Bearbeiten",
    u"&Neues Programm",
    u"&Programm löschen",
    u"&Ausschneiden",
    u"&Kopieren",
    u"&Einfügen",
    u"Löschen einer Gruppen gleicher Farbe",
    u"Verschieben des Programms nach oben",
    u"Verschieben des Programms nach unten",
    u"Timer Mode Program Assistant",
    // Italian
    u"Modifica",
    u"Nuovo Programma",
    u"Cancella il Programma",
    u"Taglia",
    u"Copia",
    u"Incolla",
    u"Cancella un Gruppo dello stesso colore",
    u"Sposta il Programma verso l'alto",
    u"Sposta il Programma verso il basso",
    u"Timer Mode Program Assistant",
};
static_assert(std::size(EditMenuTexts) == LanguageCount * int(EditMenuRow::Count));

constexpr QStringView SendReceiveMenuTexts[] = {
    // French
    u"&Envoyer-Recevoir",
    u"&Transmettre les programmes",
    u"&Recevoir les programmes",
    // English
    u"&Send-Receive",
    u"&Transmit the Programs",
    u"&Receive the Programs",
    // Spanish
    u"&Enviar-Recibir",
    u"&Transferir Programas",
    u"&Recibir Programas",
    // German
    u"&Send-Receive",
    u"Programme &Übertragen",
    u"Programme &Empfangen",
    // Italian
    u"Invia-Ricevi",
    u"Trasmetti i Programmi",
    u"Ricevi i Programmi",
};
static_assert(std::size(SendReceiveMenuTexts) == LanguageCount * int(SendReceiveMenuRow::Count));

constexpr QStringView OptionsMenuTexts[] = {
    // French
    u"&Options",
    u"&RS232 - Port COM",
    u"Com&1",
    u"Com&2",
    u"Com&3",
    u"Com&4",
    u"Com&5",
    u"Com&6",
    u"Options Ajoutées au Lecteur",
    u"Carte d'Entrée/Sortie",
    u"Ethernet",
    u"Télécommande PC",
    u"Télécommande PC - Historique",
    // English
    u"&Options",
    u"&RS232 - COM Port",
    u"Com&1",
    u"Com&2",
    u"Com&3",
    u"Com&4",
    u"Com&5",
    u"Com&6",
    u"Additional Player Options",
    u"I/O Card",
    u"Ethernet",
    u"PC Remote",
    u"PC Remote - Report Windows",
    // Spanish
    u"&Optiones",
    u"&RS232 - Puerto COM",
    u"Com&1",
    u"Com&2",
    u"Com&3",
    u"Com&4",
    u"Com&5",
    u"Com&6",
    u"Opciones adicionales del lector",
    u"Tarjeta de Entrada/Salida E/S",
    u"Ethernet",
    u"PC Remote",
    u"PC Remote - Report Windows",
    // German
    u"Optionen",
    u"&RS232 - Port COM",
    u"Com&1",
    u"Com&2",
    u"Com&3",
    u"Com&4",
    u"Com&5",
    u"Com&6",
    u"Zusätzliche Player-Optionen",
    u"I/O Card",
    u"Ethernet",
    u"PC Remote",
    u"PC Remote - Report Windows",
    // Italian
    u"Opzioni",
    u"RS232 - Porta COM",
    u"Com1",
    u"Com2",
    u"Com3",
    u"Com4",
    u"Com5",
    u"Com6",
    u"Opzioni supplementari del Lettore",
    u"Scheda I/O",
    u"Ethernet",
    u"PC Remote",
    u"PC Remote - Report Windows",
};
static_assert(std::size(OptionsMenuTexts) == LanguageCount * int(OptionsMenuRow::Count));

constexpr QStringView LanguageMenuTexts[] = {
    // French
    u"&Langue",
    u"&English",
    u"&Français",
    u"E&spañol",
    u"&Deutsch",
    u"&Italiano",
    // English
    u"&Language",
    u"&English",
    u"&Français",
    u"E&spañol",
    u"&Deutsch",
    u"&Italiano",
    // Spanish
    u"&Idioma",
    u"&English",
    u"&Français",
    u"E&spañol",
    u"&Deutsch",
    u"&Italiano",
    // German
    u"&Sprache",
    u"&English",
    u"&Français",
    u"E&spañol",
    u"&Deutsch",
    u"&Italiano",
    // Italian
    u"&Lingua",
    u"&English",
    u"&Français",
    u"E&spañol",
    u"&Deutsch",
    u"&Italiano",
};
static_assert(std::size(LanguageMenuTexts) == LanguageCount * int(LanguageMenuRow::Count));

constexpr QStringView HelpMenuTexts[] = {
    // French
    u"&Aide",
    u"&A propos...",
    u"ORBEX sur &Internet",
    u"Page d'&accueil de ORBEX",
    u"Envoyer un Email au support technique ORBEX",
    // English
    u"&Help",
    u"&About...",
    u"ORBEX on the &Web",
    u"ORBEX &Home Page",
    u"&Send Email to ORBEX's Technical Support",
    // Spanish
    u"A&yuda",
    u"&Sobre...",
    u"ORBEX en la Web",
    u"Página principal ORBEX",
    u"Enviar email al Soporte Técnico de ORBEX",
    // German
    u"&Hilfe",
    u"&Über...",
    u"ORBEX im Internet",
    u"ORBEX &Home Page",
    u"Eine Email zum technischen Support von ORBEX senden",
    // Italian
    u"Aiuto",
    u"Informazioni...",
    u"ORBEX sul Web",
    u"Pagina Web principale ORBEX",
    u"Invia una Email al Supporto Tecnico della ORBEX",
};
static_assert(std::size(HelpMenuTexts) == LanguageCount * int(HelpMenuRow::Count));

constexpr QStringView AboutTexts[] = {
    // French
    u"A propos de ORBEX \"Quillon\" Programmer",
    u"ORBEX \"Quillon\" Programmer",
    u"Version 2.7",
    MakerWebAddress,
    // English
    u"About ORBEX \"Quillon\" Programmer",
    u"ORBEX \"Quillon\" Programmer",
    u"Version 2.7",
    MakerWebAddress,
    // Spanish
    u"Sobre el Porgramador \"Zididivu\" de ORBEX",
    u"ORBEX \"Quillon\" Programmer",
    u"Versión 2.7",
    MakerWebAddress,
    // German
    u"Über dem ORBEX \"Quillon\" Programmer",
    u"ORBEX \"Quillon\" Programmer",
    u"Version 2.7",
    MakerWebAddress,
    // Italian
    u"Informazioni sul Software \"Quillon\" della ORBEX",
    u"ORBEX \"Quillon\" Programmer",
    u"Versione 2.7",
    MakerWebAddress,
};
static_assert(std::size(AboutTexts) == LanguageCount * int(AboutRow::Count));

constexpr QStringView TileTexts[] = {
    // French
    u"Le : ",
    u"Tous les jours",
    u"Tous les : ",
    u" - A : ",
    u"Déclenché à : ",
    // English
    u"Date : ",
    u"Every day",
    u"Every : ",
    u" - At : ",
    u"Start at : ",
    // Spanish
    u"Fecha: ",
    u"Cada día",
    u"Cada: ",
    u" - A las: ",
    u"Comenzar a las:",
    // German
    u"Datum: ",
    u"Jeden Tag",
    u"Jeden: ",
    u" - Um: ",
    u"Start um: ",
    // Italian
    u"Data: ",
    u"Ogni giorno",
    u"Ogni: ",
    u" - Alle: ",
    u"Partenza alle: ",
};
static_assert(std::size(TileTexts) == LanguageCount * int(TileRow::Count));

constexpr QStringView DayNames[] = {
    // French
    u"Lundi",
    u"Mardi",
    u"Mercredi",
    u"Jeudi",
    u"Vendredi",
    u"Samedi",
    u"Dimanche",
    // English
    u"Monday",
    u"Tuesday",
    u"Wednesday",
    u"Thursday",
    u"Friday",
    u"Saturday",
    u"Sunday",
    // Spanish
    u"Lunes",
    u"Martes",
    u"Miércoles",
    u"Jueves",
    u"Viernes",
    u"Sábado",
    u"Domingo",
    // German
    u"Montag",
    u"Dienstag",
    u"Mittwoch",
    u"Donnerstag",
    u"Freitag",
    u"Samstag",
    u"Sonntag",
    // Italian
    u"Lunedì",
    u"Martedì",
    u"Mercoledì",
    u"Giovedì",
    u"Venerdì",
    u"Sabato",
    u"Domenica",
};
static_assert(std::size(DayNames) == LanguageCount * int(DayRow::Count));

constexpr QStringView ComResultTexts[] = {
    // French
    u"Transmission sur le port COM OK",
    u"Erreur d'initialisation du port COM",
    u"Erreur d'écriture sur le port COM",
    u"Erreur de lecture sur le port COM",
    u"Erreur d'ouverture du port COM",
    u"Erreur d'accès aux paramètres du port COM",
    u"Erreur de configuration du port COM",
    u"Erreur de Timeout sur le port COM",
    u"Erreur de fermeture du port COM",
    u"Erreur de Transmission : lecteur MP3 non prêt",
    u"Erreur d'écriture en EEPROM",
    u"Erreur de lecture en EEPROM",
    // English
    u"Transmission on COM port OK",
    u"Initialization Error on port COM",
    u"Writing Error on COM port",
    u"Reading Error on COM port",
    u"Opening Error of COM port",
    u"Parameters access Error of COM port",
    u"Setting Error on COM port",
    u"Timeouts Error of port COM",
    u"Closing Error of COM port",
    u"Transmission Error : MP3 player not ready",
    u"Writing in EEPROM Error",
    u"Reading in EEPROM Error",
    // Spanish
    u"Transmisión en puerto COM OK",
    u"Error de Inicialización en puerto COM",
    u"Error de Escritura en puerto COM",
    u"Error de Lectura en puerto COM",
    u"Error de Apertura del puerto COM",
    u"Error de Parámetros de Acceso del puerto COM",
    u"Error de Setting en puerto COM",
    u"Error de TimeOut en puerto COM",
    u"Error de Cierre del puerto COM",
    u"Error de Transmisión\u00A0: El reproductor MP3 no está preparado",
    u"Error de Escritura en la EEPROM",
    u"Error de Lectura en la EEPROM",
    // German
    u"Übertragung an den Port COM OK",
    u"Initialisierungsfehler am Port OK",
    u"Schreibfehler am Port COM",
    u"Lesefehler am COM-Port",
    u"Öffnungsfehler des COM-Ports",
    u"Zugangsfehler zu den COM-Portparametern",
    u"COM-Porteinstellungsfehler",
    u"Timeout-Fehler am COM- Port",
    u"Schließungsfehler des COM- Ports",
    u"Übertragungsfehler: MP3 Player nicht fertig",
    u"Schreibfehler in EEPROM",
    u"Lesefehler in EEPROM",
    // Italian
    u"Trasmissione  sulla porta COM OK",
    u"ERRORE di inizializzazione sulla porta COM",
    u"ERRORE di scrittura sulla porta COM",
    u"ERRORE di lettura sulla porta COM",
    u"ERRORE di apertura della porta COM",
    u"ERRORE di accesso dei parametri della porta COM",
    u"ERRORE di impostazione della porta COM",
    u"ERRORE di tempo scaduto della porta COM",
    u"ERRORE di chiusura della porta COM",
    u"ERRORE di trasmissione : il Lettore MP3 non è pronto",
    u"ERRORE di scrittura su EEPROM",
    u"ERRORE di lettura su EEPROM",
};
static_assert(std::size(ComResultTexts) == LanguageCount * int(ComResultRow::Count));

constexpr QStringView ProgramLimitText[] = {
    // French
    u"Vous ne pouvez pas créer plus de 255 programmes!",
    // English
    u"You cannot create more than 255 programs!",
    // Spanish
    u"¡No es posible crear más de 255 Programas!",
    // German
    u"Sie können nicht mehr als  255 Programme erzeugen",
    // Italian
    u"Non è possibile creare più di 255 programmi!",
};
static_assert(std::size(ProgramLimitText) == LanguageCount * int(ProgramLimitRow::Count));

constexpr QStringView MessageTexts[] = {
    // French
    u"Voulez-vous supprimer le programme sélectionné?",
    u"Voulez-vous transférer les programmes au lecteur?",
    u"Programme(s) : ",
    u" sur 255 ",
    u"Etape de finalisation...",
    u"La programmation actuelle a été modifiée. Voulez-vous sauvegarder ces changements?",
    u"Voulez-vous recevoir les programmes du lecteur?",
    u"Voulez-vous charger le fichier projet associé à la programmation actuelle du lecteur? ",
    u"Nom du projet associé : ",
    u"Voulez-vous exporter les programmes dans un fichier 'prog.prg'?",
    u"Exportation dans le fichier 'quillon.msg' OK",
    u" sur ",
    u"Ouvrir : ",
    u"Supprimer Program : ",
    u"Importation depuis le fichier 'quillon.msg' OK",
    u"Voulez-vous supprimer tous les programmes portant la couleur désignée?",
    // English
    u"Do you want to delete the selected program?",
    u"Do you want to transmit the programs to the player?",
    u"Program(s) : ",
    u" to 255 ",
    u"Finalization Step...",
    u"The current programmation has been modified. Do you want to save these changes?",
    u"Do you want to Receive the programs from the player?",
    u"Do you want to load the project file associated to the current programmation of the player? ",
    u"Associated Project name\u00A0: ",
    u"Do you want to export the programs in 'prog.prg' file?",
    u"Export in 'quillon.msg' file OK",
    u" to ",
    u"Open : ",
    u"Delete Program",
    u"Import from 'quillon.msg' file OK",
    u"Do you want to delete all programs that have the specified color?",
    // Spanish
    u"¿Desea eliminar el programa seleccionado\u00A0?",
    u"¿Desea transferir los programas al reproductor\u00A0?",
    u"Programa (s)\u00A0: ",
    u" a 255 ",
    u"Paso de Finalización...",
    u"La programación actual ha sido modificada. ¿Desea guardar los cambios\u00A0?",
    u"¿Desea recibir programas desde el reproductor\u00A0?",
    u"¿Desea cargar el proyecto asociado a la programación actual del reproductor\u00A0?",
    u"Nombre del Proyecto Asociado\u00A0: ",
    u"¿Desea exportar los programas al fichero 'prog.prg'?",
    u"Exportación al fichero 'quillon.msg' OK",
    u" a ",
    u"Abrir : ",
    u"Borrar Programa",
    u"OK Importar desde archivo \"quillon.msg\"",
    u"¿Desea borrar todos los programas del color indicado?",
    // German
    u"Wünschen Sie das ausgewahlte Programm zu löschen?",
    u"Wünschen Sie die Programme auf den Player zu übertragen?",
    u"Programm(e): ",
    u" von 255",
    u"Beendung...",
    u"Aktuelle Programmierung wurde geändert. Wünschen Sie die Änderungen zu speichern?",
    u"Wünschen Sie die Programme vom Player zu empfangen?",
    u"Wünschen Sie die Projektdatei zu laden, die mit der aktuellen Programmierung des Players verbunden ist? ",
    u"Zugehöriger Projektname: ",
    u"Wünschen Sie die Programme in der Datei 'prog.prg' zu exportieren?",
    u"Export in der Datei 'quillon.msg' : OK",
    u" von ",
    u"Öffnen : ",
    u"Programm löschen",
    u"Import from 'quillon.msg' file OK",
    u"Wollen Sie alle Programme löschen mit ausgewählter Farbe löschen?",
    // Italian
    u"Vuoi cancellare il programma selezionato?",
    u"Vuoi trasmettere i programmi al player?",
    u"Programma(i) : ",
    u"fino a 255",
    u"Fase di completamento...",
    u"Vuoi salvare le modifiche?",
    u"Vuoi ricevere i Programmi dal Lettore?",
    u"Vuoi caricare il progetto associato alla programmazione corrente del Lettore?",
    u"Nome del Progetto associato : ",
    u"Vuoi esportare i programmi in un file prog.prg?",
    u"Esportazione nel file quillon.msg OK",
    u" in",
    u"Apri : ",
    u"Cancella il Programma",
    u"Importazione dal 'quillon.msg' OK",
    u"Vuoi cancellare tutti i programmi che hanno uno specifico colore?",
};
static_assert(std::size(MessageTexts) == LanguageCount * int(MessageRow::Count));

constexpr QStringView ActionTexts[] = {
    // French
    u"Pas d'Action...",
    u"Fichier Timer : Txxx.mp3",
    u"Répertoire : Fxxx",
    u"Mode Veille",
    u"Barre de Transport",
    u"Volume",
    u"Contacteur de sortie (I/O Interne)",
    u"Contacteur de sortie (I/O Externe)",
    u"Saut au Programme : ",
    u"Sortie ",
    u"Fichier Timer : T",
    u"Répertoire : SONG",
    u"Répertoire : F",
    u"Commande",
    u"Sortie Interne",
    u"Sortie Externe",
    u"Valeur",
    u"Commande Inconnue",
    u"Active Programme",
    u"Désactive Programme",
    u"Client FTP",
    u"Envoie d'un EMail",
    // English
    u"No Action...",
    u"Timer File : Txxx.mp3",
    u"Directory : Fxxx",
    u"Sleep mode",
    u"Transport Command",
    u"Volume",
    u"Ouput Contactor (I/O Internal)",
    u"Ouput Contactor (I/O External)",
    u"Go To Prog : ",
    u"Output ",
    u"Timer File : T",
    u"Directory : SONG",
    u"Directory : F",
    u"Command",
    u"Internal Output",
    u"Extrenal Output",
    u"Value",
    u"Unknown Command",
    u"Activate Prog",
    u"Desactivate Prog",
    u"FTP Client",
    u"Send EMail",
    // Spanish
    u"Ninguna Acción...",
    u"Archivo de Temporizador\u00A0: Txxx.mp3",
    u"Directorio\u00A0: Fxxx",
    u"Modo Sleep",
    u"Comando de Transporte",
    u"Volumen",
    u"Contacto de Salida (I/O Interno)",
    u"Contacto de Salida (I/O Externo)",
    u"Ir al Programa : ",
    u"Salida ",
    u"Archivo de 'Timer' : T",
    u"Directorio\u00A0: SONG",
    u"Directorio\u00A0: F",
    u"Comando",
    u"Salida Interna",
    u"Salida Externa",
    u"Valor",
    u"Comando Desconocido",
    u"Activar Prog",
    u"Desactivar Prog",
    u"Cliente FTP",
    u"Enviar Email",
    // German
    u"Keine Aktion...",
    u"Datei Timer : Txxx.mp3",
    u"Ordner: Fxxx",
    u"Stand-By-Modus",
    u"Transport",
    u"Lautstärke",
    u"Ausgangscontactor (I/O Intern)",
    u"Ausgangscontactor (I/O Extern)",
    u"Geh auf Programm:",
    u"Ausgang",
    u"Datei Timer : T",
    u"Ordner: SONG",
    u"Ordner: F",
    u"Befehl",
    u"Interner Ausgang",
    u"Externer Ausgang",
    u"Wert",
    u"Unbekannter Befehl",
    u"Prog. einschalten",
    u"Prog. ausschalten",
    u"FTP Client",
    u"E-mail senden",
    // Italian
    u"Nessuna Azione...",
    u"Timer File : Txxx.mp3",
    u"Cartella : Fxxx",
    u"Modalità Sleep",
    u"Comandi di Trasporto",
    u"Volume",
    u"Contatti d'Uscita (I/O Interni)",
    u"Contatti d'Uscita (I/O Esterni)",
    u"Va al Prog :",
    u"Uscita",
    u"Timer File : T",
    u"Cartella : SONG",
    u"Cartella : F",
    u"Comando?",
    u"Uscita Interna",
    u"Uscita Esterna",
    u"Valore",
    u"Comando Sconosciuto",
    u"Prog Attivo",
    u"Disattiva il Prog",
    u"FTP Client",
    u"Invia Email",
};
static_assert(std::size(ActionTexts) == LanguageCount * int(ActionRow::Count));

constexpr QStringView EditorTexts[] = {
    // French
    u"Activer",
    u"Prioritaire",
    u"Commentaires :",
    u"Entrées :",
    u"Mode Horodaté",
    u"Marche/Arrêt",
    u"Horloge :",
    u"Le :",
    u"Tous les jours",
    u"Tous les :",
    u"Actions :",
    u"Déclenché à :",
    u"Couleur : ",
    u"Titre : ",
    // English
    u"Activate",
    u"Prioritary",
    u"Comments :",
    u"Inputs :",
    u"Timer Mode",
    u"On/Off",
    u"Clock :",
    u"Date :",
    u"Every Day",
    u"Every :",
    u"Actions :",
    u"Start at :",
    u"Color : ",
    u"Title : ",
    // Spanish
    u"Activar",
    u"Prioritario",
    u"Comentarios:",
    u"Entradas:",
    u"Modo Temporizador",
    u"On/Off (Encendido/Apagado)",
    u"Reloj:",
    u"Fecha:",
    u"Cada día",
    u"Cada:",
    u"Acciones",
    u"Comenzar a las:",
    u"Color: ",
    u"Título : ",
    // German
    u"Einschalten",
    u"Vorrang",
    u"Kommentare:",
    u"Eingänge:",
    u"Timer-Modus",
    u"On/Off",
    u"Uhr:",
    u"Datum:",
    u"Jeden Tag",
    u"Jeden:",
    u"Aktionen:",
    u"Start um:",
    u"Farbe: ",
    u"Titel : ",
    // Italian
    u"Attivo",
    u"Prioritario",
    u"Commenti :",
    u"Ingressi :",
    u"Modalità Timer",
    u"On/Off",
    u"Orologio :",
    u"Data : ",
    u"Ogni giorno",
    u"Ogni :",
    u"Azioni :",
    u"Parte alle:",
    u"Colore :",
    u"Titolo :",
};
static_assert(std::size(EditorTexts) == LanguageCount * int(EditorRow::Count));

constexpr QStringView ExportDirTexts[] = {
    // French
    u"Sélectionnez le répertoire dans lequel le fichier 'quillon.msg' sera exporté.",
    u"Sélection du répertoire d'exportation",
    // English
    u"Select the location directory where 'quillon.msg' file is going to be exported.",
    u"Selection of location directory",
    // Spanish
    u"Seleccionar el directorio de destino donde se exportará el fichero 'quillon.msg' ",
    u"Seleccionar el directorio de destino",
    // German
    u"Wählen Sie den Speicherort, wohin die Datei quillon.msg exportiert werden  soll.",
    u"Wahl des Speicherorts",
    // Italian
    u"Seleziona la cartella dove esportare il file quillon.msg",
    u"Seleziona la cartella",
};
static_assert(std::size(ExportDirTexts) == LanguageCount * int(ExportDirRow::Count));

constexpr QStringView RemoteTexts[] = {
    // French
    u"Télécommande PC",
    u"Vider",
    u"Programme : ",
    u" à : ",
    u"Quitter",
    u"Mode Télécommande PC",
    u"Liste des historiques :",
    // English
    u"PC Remote",
    u"Clear",
    u"Program : ",
    u" at : ",
    u"Exit",
    u"PC Remote Mode",
    u"Report List :",
    // Spanish
    u"PC Remote - Report Windows",
    u"Clear",
    u"Program : ",
    u" at : ",
    u"Exit",
    u"PC Remote Mode",
    u"Report List :",
    // German
    u"PC Remote - Report Windows",
    u"Clear",
    u"Program : ",
    u" at : ",
    u"Exit",
    u"PC Remote Mode",
    u"Report List :",
    // Italian
    u"PC Remote - Report Windows",
    u"Clear",
    u"Program : ",
    u" at : ",
    u"Exit",
    u"PC Remote Mode",
    u"Report List :",
};
static_assert(std::size(RemoteTexts) == LanguageCount * int(RemoteRow::Count));

constexpr QStringView HistoryTexts[] = {
    // French
    u"&Annuler",
    u"&Rétablir",
    u"&Annuler %1",
    u"&Rétablir %1",
    u"Modifier le programme",
    // English
    u"&Undo",
    u"&Redo",
    u"&Undo %1",
    u"&Redo %1",
    u"Edit Program",
    // Spanish
    u"&Deshacer",
    u"&Rehacer",
    u"&Deshacer %1",
    u"&Rehacer %1",
    u"Modificar el programa",
    // German
    u"&Rückgängig",
    u"&Wiederholen",
    u"&Rückgängig: %1",
    u"&Wiederholen: %1",
    u"Programm bearbeiten",
    // Italian
    u"&Annulla",
    u"&Ripeti",
    u"&Annulla %1",
    u"&Ripeti %1",
    u"Modifica il programma",
};
static_assert(std::size(HistoryTexts) == LanguageCount * int(HistoryRow::Count));

constexpr QStringView ConfidenceTexts[] = {
    // French
    u"&Vérifier les programmes",
    u"Vérifier la &programmation...",
    u"Les 255 programmes et le nom du projet du lecteur sont identiques au projet.",
    u"Programmes du lecteur différents du projet :",
    u"Le nom du projet diffère ; le lecteur contient : ",
    u"horaire",
    u"états",
    u"action ",
    u"code",
    u"Prochaine exécution : ",
    u"jamais",
    u"Vérification de la programmation",
    u"Aucune remarque : la programmation se déroulera comme prévu.",
    u"%1 et %2 peuvent se déclencher à la même minute ; le mode Télécommande PC ne lance que %1.",
    u"%1 : l'action %2 désigne le programme %3, qu'aucun programme du projet ne porte.",
    u"%1 a son horloge en marche mais il est inactif : il ne se déclenchera jamais.",
    u"%1 est programmé à une date passée (%2) : il ne se déclenchera plus.",
    u"Le code %1 est utilisé par %2 ; seul le dernier, %3, est transmis.",
    u"Fermer",
    u"Vérification : ",
    u"Minute ignorée (port COM occupé) à : ",
    u" manqué (port COM occupé) à : ",
    u" manqué (ordinateur arrêté ou en veille) à : ",
    u" non déclenché à : ",
    u"Le nom du projet lu dans le lecteur contenait des sauts de ligne ou des caractères de contrôle ; ils ont été "
    u"remplacés par des espaces.",
    // English
    u"&Verify the Programs",
    u"Check the &Schedule...",
    u"All 255 slots and the project name of the player match the project.",
    u"Slots of the player that differ from the project:",
    u"The project name differs; the player holds: ",
    u"schedule",
    u"flags",
    u"action ",
    u"code",
    u"Next run : ",
    u"never",
    u"Schedule check",
    u"No finding: the schedule will behave as written.",
    u"%1 and %2 can fall due in the same minute; PC remote mode fires only %1.",
    u"%1: action %2 names program %3, which no program of the project has.",
    u"%1 has its timer on but is inactive: it never runs.",
    u"%1 is set for a date that has passed (%2): it never runs again.",
    u"Code %1 is used by %2; only the last, %3, is transmitted.",
    u"Close",
    u"Verify : ",
    u"Minute skipped (COM port in use) at : ",
    u" missed (COM port in use) at : ",
    u" missed (computer off or asleep) at : ",
    u" not triggered at : ",
    u"The project name read from the player held line breaks or control characters; they were replaced by spaces.",
    // Spanish
    u"&Verificar los programas",
    u"Comprobar la &programación...",
    u"Los 255 programas y el nombre del proyecto del reproductor coinciden con el proyecto.",
    u"Programas del reproductor distintos del proyecto:",
    u"El nombre del proyecto es distinto; el reproductor contiene: ",
    u"horario",
    u"estados",
    u"acción ",
    u"código",
    u"Próxima ejecución : ",
    u"nunca",
    u"Comprobación de la programación",
    u"Ninguna observación: la programación se comportará como está escrita.",
    u"%1 y %2 pueden activarse en el mismo minuto; el modo PC Remote solo lanza %1.",
    u"%1: la acción %2 indica el programa %3, que ningún programa del proyecto tiene.",
    u"%1 tiene el temporizador activado pero está inactivo: nunca se ejecuta.",
    u"%1 está programado para una fecha pasada (%2): no se ejecutará más.",
    u"El código %1 lo usan %2; solo el último, %3, se transmite.",
    u"Cerrar",
    u"Verificación : ",
    u"Minuto omitido (puerto COM ocupado) a las : ",
    u" perdido (puerto COM ocupado) a las : ",
    u" perdido (ordenador apagado o en reposo) a las : ",
    u" no activado a las : ",
    u"El nombre del proyecto leído del reproductor contenía saltos de línea o caracteres de control; se han sustituido "
    u"por espacios.",
    // German
    u"Programme &überprüfen",
    u"&Zeitplan prüfen...",
    u"Alle 255 Programme und der Projektname im Player stimmen mit dem Projekt überein.",
    u"Programme im Player, die vom Projekt abweichen:",
    u"Der Projektname weicht ab; im Player steht: ",
    u"Zeitplan",
    u"Zustände",
    u"Aktion ",
    u"Code",
    u"Nächster Start : ",
    u"nie",
    u"Zeitplanprüfung",
    u"Keine Auffälligkeit: der Zeitplan verhält sich wie eingegeben.",
    u"%1 und %2 können in derselben Minute fällig werden; der PC-Remote-Modus startet nur %1.",
    u"%1: Aktion %2 nennt Programm %3, das kein Programm des Projekts hat.",
    u"%1 hat den Timer eingeschaltet, ist aber inaktiv: es startet nie.",
    u"%1 ist auf ein vergangenes Datum gesetzt (%2): es startet nicht mehr.",
    u"Code %1 wird von %2 benutzt; nur das letzte, %3, wird übertragen.",
    u"Schließen",
    u"Überprüfung : ",
    u"Minute übersprungen (COM-Port belegt) um : ",
    u" verpasst (COM-Port belegt) um : ",
    u" verpasst (Computer aus oder im Ruhezustand) um : ",
    u" nicht ausgelöst um : ",
    u"Der aus dem Player gelesene Projektname enthielt Zeilenumbrüche oder Steuerzeichen; sie wurden durch Leerzeichen "
    u"ersetzt.",
    // Italian
    u"&Verifica i programmi",
    u"Controlla la &programmazione...",
    u"I 255 programmi e il nome del progetto del lettore corrispondono al progetto.",
    u"Programmi del lettore diversi dal progetto:",
    u"Il nome del progetto è diverso; il lettore contiene: ",
    u"orario",
    u"stati",
    u"azione ",
    u"codice",
    u"Prossima esecuzione : ",
    u"mai",
    u"Controllo della programmazione",
    u"Nessuna osservazione: la programmazione si comporterà come scritta.",
    u"%1 e %2 possono scattare nello stesso minuto; il modo PC Remote avvia solo %1.",
    u"%1: l'azione %2 indica il programma %3, che nessun programma del progetto ha.",
    u"%1 ha il timer acceso ma è inattivo: non parte mai.",
    u"%1 è impostato su una data passata (%2): non partirà più.",
    u"Il codice %1 è usato da %2; solo l'ultimo, %3, viene trasmesso.",
    u"Chiudi",
    u"Verifica : ",
    u"Minuto saltato (porta COM occupata) alle : ",
    u" perso (porta COM occupata) alle : ",
    u" perso (computer spento o in sospensione) alle : ",
    u" non attivato alle : ",
    u"Il nome del progetto letto dal lettore conteneva interruzioni di riga o caratteri di controllo; sono stati "
    u"sostituiti da spazi.",
};
static_assert(std::size(ConfidenceTexts) == LanguageCount * ConfidenceRowCount);

constexpr QStringView TransportCommandNameTexts[] = {
    u"SONG", u"Play", u"Pause", u"Stop",     u"FWD",  u"RWD",    u"DIR+",
    u"DIR-", u"VOL+", u"VOL-",  u"USB Mode", u"FTP ", u"EMail ", u"RESET",
};
static_assert(std::size(TransportCommandNameTexts) == TransportCommandNameCount);

struct TableView {
    const QStringView *texts;
    int rows;
};

template <std::size_t N> constexpr TableView view(const QStringView (&texts)[N]) {
    return {texts, int(N / LanguageCount)};
}

// Indexed by TextTable.
constexpr std::array<TableView, 20> Tables = {
    view(HintTexts),
    view(PropertyTexts),
    view(FileMenuTexts),
    view(EditMenuTexts),
    view(SendReceiveMenuTexts),
    view(OptionsMenuTexts),
    view(LanguageMenuTexts),
    view(HelpMenuTexts),
    view(AboutTexts),
    view(TileTexts),
    view(DayNames),
    view(ComResultTexts),
    view(ProgramLimitText),
    view(MessageTexts),
    view(ActionTexts),
    view(EditorTexts),
    view(ExportDirTexts),
    view(RemoteTexts),
    view(ConfidenceTexts),
    view(HistoryTexts),
};
static_assert(std::size_t(TextTable::HistoryTexts) + 1 == Tables.size());

// The tables are static data: the returned string refers to them without copying.
QString wrap(QStringView text) {
    return QString::fromRawData(text.data(), text.size());
}

} // namespace

int TextRowCount(TextTable table) {
    const auto index = std::size_t(table);
    return index < Tables.size() ? Tables[index].rows : 0;
}

QString LanguageText(TextTable table, int row, int language) {
    const auto index = std::size_t(table);
    Q_ASSERT(index < Tables.size());
    Q_ASSERT(language >= 1 && language <= LanguageCount);
    if (index >= Tables.size() || language < 1 || language > LanguageCount)
        return {};
    const TableView &t = Tables[index];
    Q_ASSERT(row >= 0 && row < t.rows);
    if (row < 0 || row >= t.rows)
        return {};
    return wrap(t.texts[(language - 1) * t.rows + row]);
}

QString TransportCommandNames(int row) {
    Q_ASSERT(row >= 0 && row < TransportCommandNameCount);
    if (row < 0 || row >= TransportCommandNameCount)
        return {};
    return wrap(TransportCommandNameTexts[row]);
}

QString HistoryCaption(bool redo, std::optional<HistoryStep> step, int language) {
    if (!step)
        return LanguageText(redo ? HistoryRow::Redo : HistoryRow::Undo, language);
    QString name;
    switch (*step) {
    case HistoryStep::Properties:
        name = LanguageText(FileMenuRow::Properties, language);
        break;
    case HistoryStep::Import:
        name = LanguageText(FileMenuRow::Import, language);
        break;
    case HistoryStep::Receive:
        name = LanguageText(SendReceiveMenuRow::Receive, language);
        break;
    case HistoryStep::EditProgram:
        name = LanguageText(HistoryRow::EditProgram, language);
        break;
    default: // the Edit menu's commands, in the order of its rows
        name = LanguageText(TextTable::EditMenuTexts, int(*step) + int(EditMenuRow::NewProgram), language);
    }
    name.remove(u'&');
    if (name.endsWith(u"..."))
        name.chop(3);
    return LanguageText(redo ? HistoryRow::RedoStep : HistoryRow::UndoStep, language).arg(name.trimmed());
}
