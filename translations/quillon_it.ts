<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORBEX &quot;Quillon&quot; Programmer</source>
        <translation>Informazioni sul Software &quot;Quillon&quot; della ORBEX</translation>
    </message>
    <message>
        <source>ORBEX &quot;Quillon&quot; Programmer</source>
        <translation>ORBEX &quot;Quillon&quot; Programmer</translation>
    </message>
    <message>
        <source>Version 2.7</source>
        <translation>Versione 2.7</translation>
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
        <translation>Nessuna Azione...</translation>
    </message>
    <message>
        <source>Timer File : Txxx.mp3</source>
        <translation>Timer File : Txxx.mp3</translation>
    </message>
    <message>
        <source>Directory : Fxxx</source>
        <translation>Cartella : Fxxx</translation>
    </message>
    <message>
        <source>Sleep mode</source>
        <translation>Modalità Sleep</translation>
    </message>
    <message>
        <source>Transport Command</source>
        <translation>Comandi di Trasporto</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ouput Contactor (I/O Internal)</source>
        <translation>Contatti d&apos;Uscita (I/O Interni)</translation>
    </message>
    <message>
        <source>Ouput Contactor (I/O External)</source>
        <translation>Contatti d&apos;Uscita (I/O Esterni)</translation>
    </message>
    <message>
        <source>Go To Prog : </source>
        <translation>Va al Prog :</translation>
    </message>
    <message>
        <source>Output </source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Timer File : T</source>
        <translation>Timer File : T</translation>
    </message>
    <message>
        <source>Directory : SONG</source>
        <translation>Cartella : SONG</translation>
    </message>
    <message>
        <source>Directory : F</source>
        <translation>Cartella : F</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando?</translation>
    </message>
    <message>
        <source>Internal Output</source>
        <translation>Uscita Interna</translation>
    </message>
    <message>
        <source>Extrenal Output</source>
        <translation>Uscita Esterna</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Unknown Command</source>
        <translation>Comando Sconosciuto</translation>
    </message>
    <message>
        <source>Activate Prog</source>
        <translation>Prog Attivo</translation>
    </message>
    <message>
        <source>Desactivate Prog</source>
        <translation>Disattiva il Prog</translation>
    </message>
    <message>
        <source>FTP Client</source>
        <translation>FTP Client</translation>
    </message>
    <message>
        <source>Send EMail</source>
        <translation>Invia Email</translation>
    </message>
</context>
<context>
    <name>Confidence</name>
    <message>
        <source>&amp;Verify the Programs</source>
        <translation>&amp;Verifica i programmi</translation>
    </message>
    <message>
        <source>Check the &amp;Schedule...</source>
        <translation>Controlla la &amp;programmazione...</translation>
    </message>
    <message>
        <source>All 255 slots and the project name of the player match the project.</source>
        <translation>I 255 programmi e il nome del progetto del lettore corrispondono al progetto.</translation>
    </message>
    <message>
        <source>Slots of the player that differ from the project:</source>
        <translation>Programmi del lettore diversi dal progetto:</translation>
    </message>
    <message>
        <source>The project name differs; the player holds: </source>
        <translation>Il nome del progetto è diverso; il lettore contiene: </translation>
    </message>
    <message>
        <source>schedule</source>
        <translation>orario</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>stati</translation>
    </message>
    <message>
        <source>action </source>
        <translation>azione </translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>Next run : </source>
        <translation>Prossima esecuzione : </translation>
    </message>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>never (inactive)</source>
        <translation>mai (inattivo)</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Controllo della programmazione</translation>
    </message>
    <message>
        <source>No finding: the schedule will behave as written.</source>
        <translation>Nessuna osservazione: la programmazione si comporterà come scritta.</translation>
    </message>
    <message>
        <source>%1 and %2 can fall due in the same minute; PC remote mode fires only %1.</source>
        <translation>%1 e %2 possono scattare nello stesso minuto; il modo PC Remote avvia solo %1.</translation>
    </message>
    <message>
        <source>%1: action %2 names program %3, which no program of the project has.</source>
        <translation>%1: l&apos;azione %2 indica il programma %3, che nessun programma del progetto ha.</translation>
    </message>
    <message>
        <source>%1 has its timer on but is inactive: it never runs.</source>
        <translation>%1 ha il timer acceso ma è inattivo: non parte mai.</translation>
    </message>
    <message>
        <source>%1 is set for a date that has passed (%2): it never runs again.</source>
        <translation>%1 è impostato su una data passata (%2): non partirà più.</translation>
    </message>
    <message>
        <source>Code %1 is used by %2; only the last, %3, is transmitted.</source>
        <translation>Il codice %1 è usato da %2; solo l&apos;ultimo, %3, viene trasmesso.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Verify : </source>
        <translation>Verifica : </translation>
    </message>
    <message>
        <source>Minute skipped (COM port in use) at : </source>
        <translation>Minuto saltato (porta COM occupata) alle : </translation>
    </message>
    <message>
        <source> missed (COM port in use) at : </source>
        <translation> perso (porta COM occupata) alle : </translation>
    </message>
    <message>
        <source> missed (computer off or asleep) at : </source>
        <extracomment>After &quot;Program : &quot; and its number in the PC remote report, before the date and time</extracomment>
        <translation> perso (computer spento o in sospensione) alle : </translation>
    </message>
    <message>
        <source> not triggered at : </source>
        <translation> non attivato alle : </translation>
    </message>
    <message>
        <source>The project name read from the player held line breaks or control characters; they were replaced by spaces.</source>
        <translation>Il nome del progetto letto dal lettore conteneva interruzioni di riga o caratteri di controllo; sono stati sostituiti da spazi.</translation>
    </message>
    <message>
        <source>Codes carried by more than one program: %1. A transmit or an export sends only the last program of each.</source>
        <translation>Codici usati da più programmi: %1. Una trasmissione o un&apos;esportazione invia solo l&apos;ultimo programma di ciascuno.</translation>
    </message>
    <message>
        <source>%1 program(s) have code 000, which is no slot of the player: a transmit or an export leaves them out.</source>
        <translation>%1 programma/i hanno il codice 000, che non è nessuna posizione del lettore: una trasmissione o un&apos;esportazione li tralascia.</translation>
    </message>
    <message>
        <source>%1 has code 000: a transmit or an export leaves it out.</source>
        <translation>%1 ha il codice 000: una trasmissione o un&apos;esportazione lo tralascia.</translation>
    </message>
    <message>
        <source>The player&apos;s programs before the transmit were kept in %1</source>
        <translation>I programmi del lettore prima della trasmissione sono stati salvati in %1</translation>
    </message>
    <message>
        <source>No copy of the player was kept: %1</source>
        <translation>Nessuna copia del lettore è stata salvata: %1</translation>
    </message>
    <message>
        <source>name byte %1</source>
        <translation>il byte %1 del nome</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>la posizione %1</translation>
    </message>
    <message>
        <source>No copy of the player was kept: reading it failed at %1: %2</source>
        <translation>Nessuna copia del lettore è stata salvata: la lettura non è riuscita a %1: %2</translation>
    </message>
    <message>
        <source>Open Player Backup...</source>
        <translation>Apri copia del lettore...</translation>
    </message>
    <message>
        <source>Backup Before Transmit</source>
        <translation>Copia il lettore prima di trasmettere</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>&amp;New Program</source>
        <translation>Nuovo Programma</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>Cancella il Programma</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete a Group of same Color</source>
        <translation>Cancella un Gruppo dello stesso colore</translation>
    </message>
    <message>
        <source>Move Program to Up</source>
        <translation>Sposta il Programma verso l&apos;alto</translation>
    </message>
    <message>
        <source>Move Program to Down</source>
        <translation>Sposta il Programma verso il basso</translation>
    </message>
    <message>
        <source>Timer Mode Program Assistant</source>
        <translation>Timer Mode Program Assistant</translation>
    </message>
</context>
<context>
    <name>ExportFolderDialog</name>
    <message>
        <source>Select the location directory where &apos;quillon.msg&apos; file is going to be exported.</source>
        <translation>Seleziona la cartella dove esportare il file quillon.msg</translation>
    </message>
    <message>
        <source>Selection of location directory</source>
        <translation>Seleziona la cartella</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Name of the new folder in &quot;%1&quot;:</source>
        <translation>Nome della nuova cartella in &quot;%1&quot;:</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>Nuovo Progetto</translation>
    </message>
    <message>
        <source>&amp;Project Properties...</source>
        <translation>Proprietà del Progetto...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>Importa</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>ORBEX on the &amp;Web</source>
        <translation>ORBEX sul Web</translation>
    </message>
    <message>
        <source>ORBEX &amp;Home Page</source>
        <translation>Pagina Web principale ORBEX</translation>
    </message>
    <message>
        <source>&amp;Send Email to ORBEX&apos;s Technical Support</source>
        <translation>Invia una Email al Supporto Tecnico della ORBEX</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is the name of the step&apos;s command, as in the menus without &quot;&amp;&quot; and &quot;...&quot;</extracomment>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Modifica il programma</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
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
        <translation>Trasmissione  sulla porta COM OK</translation>
    </message>
    <message>
        <source>Initialization Error on port COM</source>
        <translation>ERRORE di inizializzazione sulla porta COM</translation>
    </message>
    <message>
        <source>Writing Error on COM port</source>
        <translation>ERRORE di scrittura sulla porta COM</translation>
    </message>
    <message>
        <source>Reading Error on COM port</source>
        <translation>ERRORE di lettura sulla porta COM</translation>
    </message>
    <message>
        <source>Opening Error of COM port</source>
        <translation>ERRORE di apertura della porta COM</translation>
    </message>
    <message>
        <source>Parameters access Error of COM port</source>
        <translation>ERRORE di accesso dei parametri della porta COM</translation>
    </message>
    <message>
        <source>Setting Error on COM port</source>
        <translation>ERRORE di impostazione della porta COM</translation>
    </message>
    <message>
        <source>Timeouts Error of port COM</source>
        <translation>ERRORE di tempo scaduto della porta COM</translation>
    </message>
    <message>
        <source>Closing Error of COM port</source>
        <translation>ERRORE di chiusura della porta COM</translation>
    </message>
    <message>
        <source>Transmission Error : MP3 player not ready</source>
        <translation>ERRORE di trasmissione : il Lettore MP3 non è pronto</translation>
    </message>
    <message>
        <source>Writing in EEPROM Error</source>
        <translation>ERRORE di scrittura su EEPROM</translation>
    </message>
    <message>
        <source>Reading in EEPROM Error</source>
        <translation>ERRORE di lettura su EEPROM</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Do you want to delete the selected program?</source>
        <translation>Vuoi cancellare il programma selezionato?</translation>
    </message>
    <message>
        <source>Do you want to transmit the programs to the player?</source>
        <translation>Vuoi trasmettere i programmi al player?</translation>
    </message>
    <message>
        <source>Program(s) : </source>
        <extracomment>The progress line of a transfer: &quot;Program(s) : &quot;, the slot number, then &quot; to 255 &quot;</extracomment>
        <translation>Programma(i) : </translation>
    </message>
    <message>
        <source> to 255 </source>
        <extracomment>Follows &quot;Program(s) : &quot; and the slot number in the progress line of a transfer</extracomment>
        <translation>fino a 255</translation>
    </message>
    <message>
        <source>Finalization Step...</source>
        <translation>Fase di completamento...</translation>
    </message>
    <message>
        <source>The current programmation has been modified. Do you want to save these changes?</source>
        <translation>Vuoi salvare le modifiche?</translation>
    </message>
    <message>
        <source>Do you want to Receive the programs from the player?</source>
        <translation>Vuoi ricevere i Programmi dal Lettore?</translation>
    </message>
    <message>
        <source>Do you want to load the project file associated to the current programmation of the player? </source>
        <translation>Vuoi caricare il progetto associato alla programmazione corrente del Lettore?</translation>
    </message>
    <message>
        <source>Associated Project name&#xa0;: </source>
        <translation>Nome del Progetto associato : </translation>
    </message>
    <message>
        <source>Export in &apos;quillon.msg&apos; file OK</source>
        <translation>Esportazione nel file quillon.msg OK</translation>
    </message>
    <message>
        <source> to </source>
        <translation> in</translation>
    </message>
    <message>
        <source>Open : </source>
        <translation>Apri : </translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Cancella il Programma</translation>
    </message>
    <message>
        <source>Import from &apos;quillon.msg&apos; file OK</source>
        <translation>Importazione dal &apos;quillon.msg&apos; OK</translation>
    </message>
    <message>
        <source>Do you want to delete all programs that have the specified color?</source>
        <translation>Vuoi cancellare tutti i programmi che hanno uno specifico colore?</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The date or time of program(s) %1 did not exist and was corrected.</source>
        <translation>La data o l&apos;ora del/dei programma/i %1 non esisteva ed è stata corretta.</translation>
    </message>
    <message>
        <source>%1 bytes where a schedule file holds at least %2 (255 slots of 24 bytes).</source>
        <translation>%1 byte, mentre un file del lettore ne contiene almeno %2 (255 programmi da 24 byte).</translation>
    </message>
    <message>
        <source>at least %1 bytes (255 slots of 24 bytes)</source>
        <translation>almeno %1 byte (255 programmi da 24 byte)</translation>
    </message>
    <message>
        <source>%1 is a player file, not a project file</source>
        <translation>%1 è un file del lettore, non un file di progetto</translation>
    </message>
    <message>
        <source>%1 is a project file, not a player file</source>
        <translation>%1 è un file di progetto, non un file del lettore</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>its first line is not &quot;%1&quot;</source>
        <translation>la sua prima riga non è &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is not a project file: %2</source>
        <translation>%1 non è un file di progetto: %2</translation>
    </message>
    <message>
        <source>%1 is not a player file: it holds %2, where a player file holds %3</source>
        <translation>%1 non è un file del lettore: contiene %2, mentre un file del lettore contiene %3</translation>
    </message>
    <message>
        <source>%1 is neither a project file (%2) nor a player file (it holds %3, where a player file holds %4)</source>
        <translation>%1 non è né un file di progetto (%2) né un file del lettore (contiene %3, mentre un file del lettore contiene %4)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>Impossibile leggere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>Impossibile aprire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2</source>
        <translation>Impossibile creare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not saved: %2</source>
        <translation>&quot;%1&quot; non è stato salvato: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>una FIFO (pipe con nome)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo a caratteri</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo a blocchi</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non un file normale</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>è %1, non un file normale</translation>
    </message>
    <message>
        <source>it is %1, not a regular file, and is not replaced</source>
        <translation>è %1, non un file normale, e non viene sostituito</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; non è una cartella</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads back to itself (a link loop)</source>
        <translation>è un collegamento simbolico che riporta a sé stesso (un ciclo di collegamenti)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved, but it now belongs to %2 (group %3) instead of %4 (group %5): %6</source>
        <translation>&quot;%1&quot; è stato salvato, ma ora appartiene a %2 (gruppo %3) invece che a %4 (gruppo %5): %6</translation>
    </message>
    <message>
        <source>nothing more was taken</source>
        <translation>non è stato accettato altro</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written (%3; is the disk full?)</source>
        <translation>è stato possibile scrivere solo %1 di %2 byte (%3; il disco è pieno?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder is missing or read-only</source>
        <translation>&quot;%1&quot; non può essere scritto: la sua cartella manca o è di sola lettura</translation>
    </message>
    <message>
        <source>there is no user configuration folder</source>
        <translation>non esiste una cartella di configurazione dell&apos;utente</translation>
    </message>
    <message>
        <source>The settings cannot be kept: %1. The program goes on with its defaults.</source>
        <translation>Le impostazioni non possono essere conservate: %1. Il programma continua con i valori predefiniti.</translation>
    </message>
    <message>
        <source>The settings were not saved: %1</source>
        <translation>Le impostazioni non sono state salvate: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation>&quot;%1&quot;, riga %2: %3</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>non è stato possibile leggere il file: %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>%1 is in use by process %2 (%3), which holds the lock file %4</source>
        <translation>%1 è in uso dal processo %2 (%3), che detiene il file di blocco %4</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2, group %3; a member of group %3 may)</source>
        <translation>questo utente non può aprire %1 (proprietario %2, gruppo %3; un membro del gruppo %3 può farlo)</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2; only its owner may)</source>
        <translation>questo utente non può aprire %1 (proprietario %2; solo il suo proprietario può farlo)</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2, group %3; a member of group %3 may): add your account to the group %3 and log in again</source>
        <translation>questo utente non può aprire %1 (proprietario %2, gruppo %3; un membro del gruppo %3 può farlo): aggiungi il tuo account al gruppo %3 e accedi di nuovo</translation>
    </message>
    <message>
        <source>%1 is busy or not permitted</source>
        <translation>%1 è occupato o non consentito</translation>
    </message>
    <message>
        <source>%1: %2 holds a line break or control character that a project file cannot store</source>
        <translation>%1: %2 contiene un a capo o un carattere di controllo che un file di progetto non può memorizzare</translation>
    </message>
    <message>
        <source>%1: %2 holds the character &quot;%3&quot;, which cannot be written in Windows-1252</source>
        <translation>%1: %2 contiene il carattere &quot;%3&quot;, che non può essere scritto in Windows-1252</translation>
    </message>
    <message>
        <source>%1: %2 comment lines; a project file holds at most %3</source>
        <translation>%1: %2 righe di commento; un file di progetto ne contiene al massimo %3</translation>
    </message>
    <message>
        <source>comment line %1</source>
        <translation>la riga di commento %1</translation>
    </message>
    <message>
        <source>the project properties</source>
        <translation>le proprietà del progetto</translation>
    </message>
    <message>
        <source>program %1 &quot;%2&quot;</source>
        <translation>il programma %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the project name</source>
        <translation>il nome del progetto</translation>
    </message>
    <message>
        <source>the subject</source>
        <translation>l&apos;oggetto</translation>
    </message>
    <message>
        <source>the author</source>
        <translation>l&apos;autore</translation>
    </message>
    <message>
        <source>the rights notice</source>
        <translation>l&apos;avviso sui diritti</translation>
    </message>
    <message>
        <source>the customer</source>
        <translation>il cliente</translation>
    </message>
    <message>
        <source>the creation date</source>
        <translation>la data di creazione</translation>
    </message>
    <message>
        <source>the diffusion date</source>
        <translation>la data di diffusione</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>il titolo</translation>
    </message>
    <message>
        <source>the project holds %1 programs; a project file holds at most %2</source>
        <translation>il progetto contiene %1 programmi; un file di progetto ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>the header line</source>
        <translation>la riga d&apos;intestazione</translation>
    </message>
    <message>
        <source>the separator line</source>
        <translation>la riga di separazione</translation>
    </message>
    <message>
        <source>the number of project comment lines (0..%1)</source>
        <translation>il numero di righe di commento del progetto (0..%1)</translation>
    </message>
    <message>
        <source>project comment line %1 of %2</source>
        <translation>la riga di commento del progetto %1 di %2</translation>
    </message>
    <message>
        <source>the number of programs (0..255)</source>
        <translation>il numero di programmi (0..255)</translation>
    </message>
    <message>
        <source>the program code (a number)</source>
        <translation>il codice del programma (un numero)</translation>
    </message>
    <message>
        <source>the priority flag</source>
        <translation>l&apos;indicatore di priorità</translation>
    </message>
    <message>
        <source>the timer flag</source>
        <translation>l&apos;indicatore del timer</translation>
    </message>
    <message>
        <source>the active flag</source>
        <translation>l&apos;indicatore di attivazione</translation>
    </message>
    <message>
        <source>the hour (0..23)</source>
        <translation>l&apos;ora (0..23)</translation>
    </message>
    <message>
        <source>the minute (0..59)</source>
        <translation>il minuto (0..59)</translation>
    </message>
    <message>
        <source>the day of the week (a number)</source>
        <translation>il giorno della settimana (un numero)</translation>
    </message>
    <message>
        <source>the timer mode (a number)</source>
        <translation>la modalità del timer (un numero)</translation>
    </message>
    <message>
        <source>the action count (a number)</source>
        <translation>il numero di azioni (un numero)</translation>
    </message>
    <message>
        <source>the kind of action %1 (a number)</source>
        <translation>il tipo dell&apos;azione %1 (un numero)</translation>
    </message>
    <message>
        <source>the parameter of action %1 (a number)</source>
        <translation>il parametro dell&apos;azione %1 (un numero)</translation>
    </message>
    <message>
        <source>the value of action %1 (a number)</source>
        <translation>il valore dell&apos;azione %1 (un numero)</translation>
    </message>
    <message>
        <source>the colour (a number)</source>
        <translation>il colore (un numero)</translation>
    </message>
    <message>
        <source>the date (dd/mm/yyyy)</source>
        <translation>la data (gg/mm/aaaa)</translation>
    </message>
    <message>
        <source>the number of comment lines (0..%1)</source>
        <translation>il numero di righe di commento (0..%1)</translation>
    </message>
    <message>
        <source>comment line %1 of %2</source>
        <translation>la riga di commento %1 di %2</translation>
    </message>
    <message>
        <source>expected %1, found the end of the file</source>
        <translation>atteso %1, trovata la fine del file</translation>
    </message>
    <message>
        <source>expected %1, found a line longer than %2 bytes</source>
        <translation>atteso %1, trovata una riga più lunga di %2 byte</translation>
    </message>
    <message>
        <source>the file goes on past %1 MiB, which no project file reaches</source>
        <translation>il file supera %1 MiB, cosa che nessun file di progetto raggiunge</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>atteso %1, trovato %2</translation>
    </message>
    <message>
        <source>row %1, column %2: %3 was expected, not &quot;%4&quot;</source>
        <translation>riga %1, colonna %2: era atteso %3, non «%4»</translation>
    </message>
    <message>
        <source>a number %1 to %2</source>
        <translation>un numero da %1 a %2</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>«yes» o «no»</translation>
    </message>
    <message>
        <source>a colour group 1 to 26 or #RRGGBB</source>
        <translation>un gruppo di colore da 1 a 26 o #RRGGBB</translation>
    </message>
    <message>
        <source>date, daily, weekly or hourly</source>
        <translation>«date», «daily», «weekly» o «hourly»</translation>
    </message>
    <message>
        <source>an action kind name or a number 0 to %1</source>
        <translation>un nome di tipo d&apos;azione o un numero da 0 a %1</translation>
    </message>
    <message>
        <source>a date yyyy-mm-dd</source>
        <translation>una data aaaa-mm-gg</translation>
    </message>
    <message>
        <source>a time hh:mm</source>
        <translation>un&apos;ora hh:mm</translation>
    </message>
    <message>
        <source>text of Windows-1252 characters</source>
        <translation>un testo di caratteri Windows-1252</translation>
    </message>
    <message>
        <source>a title on one line</source>
        <translation>un titolo su una sola riga</translation>
    </message>
    <message>
        <source>at most %1 comment lines</source>
        <translation>al massimo %1 righe di commento</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>il file non è un testo UTF-8</translation>
    </message>
    <message>
        <source>row %1: a quoted field does not end</source>
        <translation>riga %1: un campo tra virgolette non termina</translation>
    </message>
    <message>
        <source>row 1: the header row is missing</source>
        <translation>riga 1: manca la riga d&apos;intestazione</translation>
    </message>
    <message>
        <source>row 1: unknown column &quot;%1&quot;</source>
        <translation>riga 1: colonna sconosciuta «%1»</translation>
    </message>
    <message>
        <source>row 1: column %1 appears twice</source>
        <translation>riga 1: la colonna %1 compare due volte</translation>
    </message>
    <message>
        <source>row 1: column %1 is missing</source>
        <translation>riga 1: manca la colonna %1</translation>
    </message>
    <message>
        <source>row %1: a project holds at most %2 programs</source>
        <translation>riga %1: un progetto contiene al massimo %2 programmi</translation>
    </message>
    <message>
        <source>row %1, column %2: a line break ends the row before its last column (a line break inside a cell needs quotes around the cell)</source>
        <translation>riga %1, colonna %2: un a capo termina la riga prima della sua ultima colonna (un a capo dentro una cella richiede le virgolette attorno alla cella)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table of programs:</source>
        <translation>«%1» non è una tabella di programmi:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a table of programs can be (%2 bytes)</source>
        <translation>«%1» è più grande di quanto possa essere una tabella di programmi (%2 byte)</translation>
    </message>
    <message>
        <source>%1: %2 is longer than %3 bytes, the longest line a project file can hold</source>
        <translation>%1: %2 supera %3 byte, la riga più lunga che un file di progetto può contenere</translation>
    </message>
    <message>
        <source>the project takes more than %1 MiB, more than a project file can hold</source>
        <translation>il progetto occupa più di %1 MiB, più di quanto un file di progetto possa contenere</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>row %1, column %2: a quote inside a cell that does not begin with one, or text after the closing quote</source>
        <translation>riga %1, colonna %2: una virgoletta in una cella che non inizia con una, o testo dopo la virgoletta di chiusura</translation>
    </message>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>riga %1: più di %2 celle</translation>
    </message>
    <message>
        <source>no action after a directory, sleep, go-to or ftp action within action_count</source>
        <translation>nessuna azione dopo un&apos;azione directory, sleep, go-to o ftp entro action_count</translation>
    </message>
    <message>
        <source>a transport command 1 to 10 or 12</source>
        <translation>un comando di trasporto da 1 a 10 o 12</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>&amp;RS232 - COM Port</source>
        <translation>RS232 - Porta COM</translation>
    </message>
    <message>
        <source>Additional Player Options</source>
        <translation>Opzioni supplementari del Lettore</translation>
    </message>
    <message>
        <source>I/O Card</source>
        <translation>Scheda I/O</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>PC Remote</source>
        <translation>PC Remote</translation>
    </message>
</context>
<context>
    <name>PcRemoteWindow</name>
    <message>
        <source>PC Remote</source>
        <translation>PC Remote - Report Windows</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Program : </source>
        <extracomment>A line of the PC remote report: &quot;Program : 012 at : &quot; and the date and time it was triggered</extracomment>
        <translation>Program : </translation>
    </message>
    <message>
        <source> at : </source>
        <translation> at : </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>PC Remote Mode</source>
        <translation>PC Remote Mode</translation>
    </message>
    <message>
        <source>Report List :</source>
        <translation>Report List :</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Week Plan...</source>
        <translation>Piano settimanale...</translation>
    </message>
    <message>
        <source>Week Plan</source>
        <translation>Piano settimanale</translation>
    </message>
    <message>
        <source>Also show inactive programs and programs with the timer off</source>
        <translation>Mostra anche i programmi inattivi o senza timer</translation>
    </message>
    <message>
        <source>Red frame: two &quot;Go To Prog&quot; programs due in the same minute</source>
        <translation>Cornice rossa: due programmi «Va al Prog» nello stesso minuto</translation>
    </message>
    <message>
        <source>Print the Schedule...</source>
        <translation>Stampa la programmazione...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Esporta come CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importa CSV...</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Next run</source>
        <translation>Prossima esecuzione</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 is the page&apos;s number, %2 the number of pages</extracomment>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Import from CSV file OK</source>
        <translation>Importazione del file CSV OK</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>Activate</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Prioritary</source>
        <translation>Prioritario</translation>
    </message>
    <message>
        <source>Comments :</source>
        <translation>Commenti :</translation>
    </message>
    <message>
        <source>Inputs :</source>
        <translation>Ingressi :</translation>
    </message>
    <message>
        <source>Timer Mode</source>
        <translation>Modalità Timer</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>Clock :</source>
        <translation>Orologio :</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Data : </translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Every :</source>
        <translation>Ogni :</translation>
    </message>
    <message>
        <source>Actions :</source>
        <translation>Azioni :</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Parte alle:</translation>
    </message>
    <message>
        <source>Color : </source>
        <translation>Colore :</translation>
    </message>
    <message>
        <source>Title : </source>
        <translation>Titolo :</translation>
    </message>
</context>
<context>
    <name>ProgramLimit</name>
    <message>
        <source>You cannot create more than 255 programs!</source>
        <translation>Non è possibile creare più di 255 programmi!</translation>
    </message>
</context>
<context>
    <name>ProgramTile</name>
    <message>
        <source>Date : </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Every : </source>
        <translation>Ogni: </translation>
    </message>
    <message>
        <source> - At : </source>
        <extracomment>Ends a tile&apos;s schedule line, before the hour and minute: &quot;Every day - At : 08:05&quot;</extracomment>
        <translation> - Alle: </translation>
    </message>
    <message>
        <source>Start at : </source>
        <translation>Partenza alle: </translation>
    </message>
</context>
<context>
    <name>ProjectPropertiesDialog</name>
    <message>
        <source>Project Properties</source>
        <translation>Proprietà del Progetto:</translation>
    </message>
    <message>
        <source> Name of Project :</source>
        <translation> Nome del Progetto:</translation>
    </message>
    <message>
        <source> Object :</source>
        <translation> Oggetto:</translation>
    </message>
    <message>
        <source> Author :</source>
        <translation> Autore:</translation>
    </message>
    <message>
        <source> Copyright :</source>
        <translation> Copyright:</translation>
    </message>
    <message>
        <source> Customer :</source>
        <translation> Cliente:</translation>
    </message>
    <message>
        <source> Creation Date :</source>
        <translation> Data della Creazione:</translation>
    </message>
    <message>
        <source> Diffusion Date :</source>
        <translation> Data della Diffusione</translation>
    </message>
    <message>
        <source> Comments :</source>
        <translation> Commenti:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>SendReceiveMenu</name>
    <message>
        <source>&amp;Send-Receive</source>
        <translation>Invia-Ricevi</translation>
    </message>
    <message>
        <source>&amp;Transmit the Programs</source>
        <translation>Trasmetti i Programmi</translation>
    </message>
    <message>
        <source>&amp;Receive the Programs</source>
        <translation>Ricevi i Programmi</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>Transmit the programs to the player</source>
        <translation>Trasmetti i Programmi al lettore</translation>
    </message>
    <message>
        <source>Receive the programs from the player</source>
        <translation>Ricevi i Programmi dal lettore</translation>
    </message>
    <message>
        <source>Create a new program</source>
        <translation>Crea un nuovo Programma</translation>
    </message>
    <message>
        <source>Delete a program</source>
        <translation>Cancella un Programma</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Create a new project</source>
        <translation>Crea un nuovo Progetto</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Apri un file di Progetto</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>Salva il Progetto corrente</translation>
    </message>
    <message>
        <source>Export current project</source>
        <translation>Esporta il Progetto corrente</translation>
    </message>
    <message>
        <source>Import current project</source>
        <translation>Importa il Progetto corrente</translation>
    </message>
    <message>
        <source>Move program to up</source>
        <translation>Sposta il Programma verso l&apos;alto</translation>
    </message>
    <message>
        <source>Move program to down</source>
        <translation>Sposta il Programma verso il basso</translation>
    </message>
    <message>
        <source>Wizard-Assistant for Timer Mode programs creations</source>
        <translation>Wizard-Assistant for Timer Mode programs creations</translation>
    </message>
    <message>
        <source>PC Remote</source>
        <translation>PC Remote</translation>
    </message>
</context>
</TS>
