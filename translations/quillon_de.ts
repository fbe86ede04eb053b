<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORBEX &quot;Quillon&quot; Programmer</source>
        <translation>Über dem ORBEX &quot;Quillon&quot; Programmer</translation>
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
        <translation>Keine Aktion...</translation>
    </message>
    <message>
        <source>Timer File : Txxx.mp3</source>
        <translation>Datei Timer : Txxx.mp3</translation>
    </message>
    <message>
        <source>Directory : Fxxx</source>
        <translation>Ordner: Fxxx</translation>
    </message>
    <message>
        <source>Sleep mode</source>
        <translation>Stand-By-Modus</translation>
    </message>
    <message>
        <source>Transport Command</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Ouput Contactor (I/O Internal)</source>
        <translation>Ausgangscontactor (I/O Intern)</translation>
    </message>
    <message>
        <source>Ouput Contactor (I/O External)</source>
        <translation>Ausgangscontactor (I/O Extern)</translation>
    </message>
    <message>
        <source>Go To Prog : </source>
        <translation>Geh auf Programm:</translation>
    </message>
    <message>
        <source>Output </source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Timer File : T</source>
        <translation>Datei Timer : T</translation>
    </message>
    <message>
        <source>Directory : SONG</source>
        <translation>Ordner: SONG</translation>
    </message>
    <message>
        <source>Directory : F</source>
        <translation>Ordner: F</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Internal Output</source>
        <translation>Interner Ausgang</translation>
    </message>
    <message>
        <source>Extrenal Output</source>
        <translation>Externer Ausgang</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unknown Command</source>
        <translation>Unbekannter Befehl</translation>
    </message>
    <message>
        <source>Activate Prog</source>
        <translation>Prog. einschalten</translation>
    </message>
    <message>
        <source>Desactivate Prog</source>
        <translation>Prog. ausschalten</translation>
    </message>
    <message>
        <source>FTP Client</source>
        <translation>FTP Client</translation>
    </message>
    <message>
        <source>Send EMail</source>
        <translation>E-mail senden</translation>
    </message>
</context>
<context>
    <name>Confidence</name>
    <message>
        <source>&amp;Verify the Programs</source>
        <translation>Programme &amp;überprüfen</translation>
    </message>
    <message>
        <source>Check the &amp;Schedule...</source>
        <translation>&amp;Zeitplan prüfen...</translation>
    </message>
    <message>
        <source>All 255 slots and the project name of the player match the project.</source>
        <translation>Alle 255 Programme und der Projektname im Player stimmen mit dem Projekt überein.</translation>
    </message>
    <message>
        <source>Slots of the player that differ from the project:</source>
        <translation>Programme im Player, die vom Projekt abweichen:</translation>
    </message>
    <message>
        <source>The project name differs; the player holds: </source>
        <translation>Der Projektname weicht ab; im Player steht: </translation>
    </message>
    <message>
        <source>schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>Zustände</translation>
    </message>
    <message>
        <source>action </source>
        <translation>Aktion </translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Next run : </source>
        <translation>Nächster Start : </translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>never (inactive)</source>
        <translation>nie (inaktiv)</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Zeitplanprüfung</translation>
    </message>
    <message>
        <source>No finding: the schedule will behave as written.</source>
        <translation>Keine Auffälligkeit: der Zeitplan verhält sich wie eingegeben.</translation>
    </message>
    <message>
        <source>%1 and %2 can fall due in the same minute; PC remote mode fires only %1.</source>
        <translation>%1 und %2 können in derselben Minute fällig werden; der PC-Remote-Modus startet nur %1.</translation>
    </message>
    <message>
        <source>%1: action %2 names program %3, which no program of the project has.</source>
        <translation>%1: Aktion %2 nennt Programm %3, das kein Programm des Projekts hat.</translation>
    </message>
    <message>
        <source>%1 has its timer on but is inactive: it never runs.</source>
        <translation>%1 hat den Timer eingeschaltet, ist aber inaktiv: es startet nie.</translation>
    </message>
    <message>
        <source>%1 is set for a date that has passed (%2): it never runs again.</source>
        <translation>%1 ist auf ein vergangenes Datum gesetzt (%2): es startet nicht mehr.</translation>
    </message>
    <message>
        <source>Code %1 is used by %2; only the last, %3, is transmitted.</source>
        <translation>Code %1 wird von %2 benutzt; nur das letzte, %3, wird übertragen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Verify : </source>
        <translation>Überprüfung : </translation>
    </message>
    <message>
        <source>Minute skipped (COM port in use) at : </source>
        <translation>Minute übersprungen (COM-Port belegt) um : </translation>
    </message>
    <message>
        <source> missed (COM port in use) at : </source>
        <translation> verpasst (COM-Port belegt) um : </translation>
    </message>
    <message>
        <source> missed (computer off or asleep) at : </source>
        <extracomment>After &quot;Program : &quot; and its number in the PC remote report, before the date and time</extracomment>
        <translation> verpasst (Computer aus oder im Ruhezustand) um : </translation>
    </message>
    <message>
        <source> not triggered at : </source>
        <translation> nicht ausgelöst um : </translation>
    </message>
    <message>
        <source>The project name read from the player held line breaks or control characters; they were replaced by spaces.</source>
        <translation>Der aus dem Player gelesene Projektname enthielt Zeilenumbrüche oder Steuerzeichen; sie wurden durch Leerzeichen ersetzt.</translation>
    </message>
    <message>
        <source>Codes carried by more than one program: %1. A transmit or an export sends only the last program of each.</source>
        <translation>Codes, die mehrere Programme tragen: %1. Eine Übertragung oder ein Export sendet nur das letzte Programm jedes Codes.</translation>
    </message>
    <message>
        <source>%1 program(s) have code 000, which is no slot of the player: a transmit or an export leaves them out.</source>
        <translation>%1 Programm(e) haben den Code 000, der keinem Speicherplatz des Players entspricht: eine Übertragung oder ein Export lässt sie aus.</translation>
    </message>
    <message>
        <source>%1 has code 000: a transmit or an export leaves it out.</source>
        <translation>%1 hat den Code 000: eine Übertragung oder ein Export lässt es aus.</translation>
    </message>
    <message>
        <source>The player&apos;s programs before the transmit were kept in %1</source>
        <translation>Die Programme des Players vor der Übertragung wurden in %1 gesichert</translation>
    </message>
    <message>
        <source>No copy of the player was kept: %1</source>
        <translation>Keine Kopie des Players wurde gesichert: %1</translation>
    </message>
    <message>
        <source>name byte %1</source>
        <translation>Namensbyte %1</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>Speicherplatz %1</translation>
    </message>
    <message>
        <source>No copy of the player was kept: reading it failed at %1: %2</source>
        <translation>Keine Kopie des Players wurde gesichert: das Lesen schlug bei %1 fehl: %2</translation>
    </message>
    <message>
        <source>Open Player Backup...</source>
        <translation>Kopie des Players öffnen...</translation>
    </message>
    <message>
        <source>Backup Before Transmit</source>
        <translation>Player vor dem Übertragen sichern</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;New Program</source>
        <translation>&amp;Neues Programm</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>&amp;Programm löschen</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Delete a Group of same Color</source>
        <translation>Löschen einer Gruppen gleicher Farbe</translation>
    </message>
    <message>
        <source>Move Program to Up</source>
        <translation>Verschieben des Programms nach oben</translation>
    </message>
    <message>
        <source>Move Program to Down</source>
        <translation>Verschieben des Programms nach unten</translation>
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
        <translation>Wählen Sie den Speicherort, wohin die Datei quillon.msg exportiert werden  soll.</translation>
    </message>
    <message>
        <source>Selection of location directory</source>
        <translation>Wahl des Speicherorts</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Name of the new folder in &quot;%1&quot;:</source>
        <translation>Name des neuen Ordners in &quot;%1&quot;:</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <source>&amp;Project Properties...</source>
        <translation>P&amp;rojekteingeschaften...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Sp&amp;eichern unter...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>ORBEX on the &amp;Web</source>
        <translation>ORBEX im Internet</translation>
    </message>
    <message>
        <source>ORBEX &amp;Home Page</source>
        <translation>ORBEX &amp;Home Page</translation>
    </message>
    <message>
        <source>&amp;Send Email to ORBEX&apos;s Technical Support</source>
        <translation>Eine Email zum technischen Support von ORBEX senden</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is the name of the step&apos;s command, as in the menus without &quot;&amp;&quot; and &quot;...&quot;</extracomment>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Programm bearbeiten</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
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
        <translation>Übertragung an den Port COM OK</translation>
    </message>
    <message>
        <source>Initialization Error on port COM</source>
        <translation>Initialisierungsfehler am Port OK</translation>
    </message>
    <message>
        <source>Writing Error on COM port</source>
        <translation>Schreibfehler am Port COM</translation>
    </message>
    <message>
        <source>Reading Error on COM port</source>
        <translation>Lesefehler am COM-Port</translation>
    </message>
    <message>
        <source>Opening Error of COM port</source>
        <translation>Öffnungsfehler des COM-Ports</translation>
    </message>
    <message>
        <source>Parameters access Error of COM port</source>
        <translation>Zugangsfehler zu den COM-Portparametern</translation>
    </message>
    <message>
        <source>Setting Error on COM port</source>
        <translation>COM-Porteinstellungsfehler</translation>
    </message>
    <message>
        <source>Timeouts Error of port COM</source>
        <translation>Timeout-Fehler am COM- Port</translation>
    </message>
    <message>
        <source>Closing Error of COM port</source>
        <translation>Schließungsfehler des COM- Ports</translation>
    </message>
    <message>
        <source>Transmission Error : MP3 player not ready</source>
        <translation>Übertragungsfehler: MP3 Player nicht fertig</translation>
    </message>
    <message>
        <source>Writing in EEPROM Error</source>
        <translation>Schreibfehler in EEPROM</translation>
    </message>
    <message>
        <source>Reading in EEPROM Error</source>
        <translation>Lesefehler in EEPROM</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Do you want to delete the selected program?</source>
        <translation>Wünschen Sie das ausgewahlte Programm zu löschen?</translation>
    </message>
    <message>
        <source>Do you want to transmit the programs to the player?</source>
        <translation>Wünschen Sie die Programme auf den Player zu übertragen?</translation>
    </message>
    <message>
        <source>Program(s) : </source>
        <extracomment>The progress line of a transfer: &quot;Program(s) : &quot;, the slot number, then &quot; to 255 &quot;</extracomment>
        <translation>Programm(e): </translation>
    </message>
    <message>
        <source> to 255 </source>
        <extracomment>Follows &quot;Program(s) : &quot; and the slot number in the progress line of a transfer</extracomment>
        <translation> von 255</translation>
    </message>
    <message>
        <source>Finalization Step...</source>
        <translation>Beendung...</translation>
    </message>
    <message>
        <source>The current programmation has been modified. Do you want to save these changes?</source>
        <translation>Aktuelle Programmierung wurde geändert. Wünschen Sie die Änderungen zu speichern?</translation>
    </message>
    <message>
        <source>Do you want to Receive the programs from the player?</source>
        <translation>Wünschen Sie die Programme vom Player zu empfangen?</translation>
    </message>
    <message>
        <source>Do you want to load the project file associated to the current programmation of the player? </source>
        <translation>Wünschen Sie die Projektdatei zu laden, die mit der aktuellen Programmierung des Players verbunden ist? </translation>
    </message>
    <message>
        <source>Associated Project name&#xa0;: </source>
        <translation>Zugehöriger Projektname: </translation>
    </message>
    <message>
        <source>Export in &apos;quillon.msg&apos; file OK</source>
        <translation>Export in der Datei &apos;quillon.msg&apos; : OK</translation>
    </message>
    <message>
        <source> to </source>
        <translation> von </translation>
    </message>
    <message>
        <source>Open : </source>
        <translation>Öffnen : </translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Import from &apos;quillon.msg&apos; file OK</source>
        <translation>Import from &apos;quillon.msg&apos; file OK</translation>
    </message>
    <message>
        <source>Do you want to delete all programs that have the specified color?</source>
        <translation>Wollen Sie alle Programme löschen mit ausgewählter Farbe löschen?</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The date or time of program(s) %1 did not exist and was corrected.</source>
        <translation>Das Datum oder die Uhrzeit von Programm(en) %1 existierte nicht und wurde korrigiert.</translation>
    </message>
    <message>
        <source>%1 bytes where a schedule file holds at least %2 (255 slots of 24 bytes).</source>
        <translation>%1 Bytes, eine Datei des Players enthält jedoch mindestens %2 (255 Programme zu 24 Bytes).</translation>
    </message>
    <message>
        <source>at least %1 bytes (255 slots of 24 bytes)</source>
        <translation>mindestens %1 Bytes (255 Programme zu 24 Bytes)</translation>
    </message>
    <message>
        <source>%1 is a player file, not a project file</source>
        <translation>%1 ist eine Datei des Players, keine Projektdatei</translation>
    </message>
    <message>
        <source>%1 is a project file, not a player file</source>
        <translation>%1 ist eine Projektdatei, keine Datei des Players</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>its first line is not &quot;%1&quot;</source>
        <translation>seine erste Zeile ist nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is not a project file: %2</source>
        <translation>%1 ist keine Projektdatei: %2</translation>
    </message>
    <message>
        <source>%1 is not a player file: it holds %2, where a player file holds %3</source>
        <translation>%1 ist keine Datei des Players: sie enthält %2, eine Datei des Players enthält %3</translation>
    </message>
    <message>
        <source>%1 is neither a project file (%2) nor a player file (it holds %3, where a player file holds %4)</source>
        <translation>%1 ist weder eine Projektdatei (%2) noch eine Datei des Players (sie enthält %3, eine Datei des Players enthält %4)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>&quot;%1&quot; konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>&quot;%1&quot; konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2</source>
        <translation>&quot;%1&quot; konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not saved: %2</source>
        <translation>&quot;%1&quot; wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>eine FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>es ist %1, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is %1, not a regular file, and is not replaced</source>
        <translation>es ist %1, keine gewöhnliche Datei, und wird nicht ersetzt</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; ist kein Ordner</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads back to itself (a link loop)</source>
        <translation>es ist ein symbolischer Link, der auf sich selbst zurückführt (eine Link-Schleife)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved, but it now belongs to %2 (group %3) instead of %4 (group %5): %6</source>
        <translation>&quot;%1&quot; wurde gespeichert, gehört jetzt aber %2 (Gruppe %3) statt %4 (Gruppe %5): %6</translation>
    </message>
    <message>
        <source>nothing more was taken</source>
        <translation>es wurde nichts mehr angenommen</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written (%3; is the disk full?)</source>
        <translation>nur %1 von %2 Bytes konnten geschrieben werden (%3; ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder is missing or read-only</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: sein Ordner fehlt oder ist schreibgeschützt</translation>
    </message>
    <message>
        <source>there is no user configuration folder</source>
        <translation>es gibt keinen Konfigurationsordner des Benutzers</translation>
    </message>
    <message>
        <source>The settings cannot be kept: %1. The program goes on with its defaults.</source>
        <translation>Die Einstellungen können nicht behalten werden: %1. Das Programm läuft mit seinen Standardwerten weiter.</translation>
    </message>
    <message>
        <source>The settings were not saved: %1</source>
        <translation>Die Einstellungen wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation>&quot;%1&quot;, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is in use by process %2 (%3), which holds the lock file %4</source>
        <translation>%1 wird vom Prozess %2 (%3) benutzt, der die Sperrdatei %4 hält</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2, group %3; a member of group %3 may)</source>
        <translation>dieser Benutzer darf %1 nicht öffnen (Besitzer %2, Gruppe %3; ein Mitglied der Gruppe %3 darf es)</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2; only its owner may)</source>
        <translation>dieser Benutzer darf %1 nicht öffnen (Besitzer %2; nur sein Besitzer darf es)</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2, group %3; a member of group %3 may): add your account to the group %3 and log in again</source>
        <translation>dieser Benutzer darf %1 nicht öffnen (Besitzer %2, Gruppe %3; ein Mitglied der Gruppe %3 darf es): fügen Sie Ihr Konto der Gruppe %3 hinzu und melden Sie sich neu an</translation>
    </message>
    <message>
        <source>%1 is busy or not permitted</source>
        <translation>%1 ist belegt oder nicht erlaubt</translation>
    </message>
    <message>
        <source>%1: %2 holds a line break or control character that a project file cannot store</source>
        <translation>%1: %2 enthält einen Zeilenumbruch oder ein Steuerzeichen, das eine Projektdatei nicht speichern kann</translation>
    </message>
    <message>
        <source>%1: %2 holds the character &quot;%3&quot;, which cannot be written in Windows-1252</source>
        <translation>%1: %2 enthält das Zeichen &quot;%3&quot;, das in Windows-1252 nicht geschrieben werden kann</translation>
    </message>
    <message>
        <source>%1: %2 comment lines; a project file holds at most %3</source>
        <translation>%1: %2 Kommentarzeilen; eine Projektdatei enthält höchstens %3</translation>
    </message>
    <message>
        <source>comment line %1</source>
        <translation>Kommentarzeile %1</translation>
    </message>
    <message>
        <source>the project properties</source>
        <translation>die Projekteigenschaften</translation>
    </message>
    <message>
        <source>program %1 &quot;%2&quot;</source>
        <translation>Programm %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the project name</source>
        <translation>der Projektname</translation>
    </message>
    <message>
        <source>the subject</source>
        <translation>der Betreff</translation>
    </message>
    <message>
        <source>the author</source>
        <translation>der Autor</translation>
    </message>
    <message>
        <source>the rights notice</source>
        <translation>der Rechtehinweis</translation>
    </message>
    <message>
        <source>the customer</source>
        <translation>der Kunde</translation>
    </message>
    <message>
        <source>the creation date</source>
        <translation>das Erstellungsdatum</translation>
    </message>
    <message>
        <source>the diffusion date</source>
        <translation>das Verbreitungsdatum</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>der Titel</translation>
    </message>
    <message>
        <source>the project holds %1 programs; a project file holds at most %2</source>
        <translation>das Projekt enthält %1 Programme; eine Projektdatei enthält höchstens %2</translation>
    </message>
    <message>
        <source>the header line</source>
        <translation>die Kopfzeile</translation>
    </message>
    <message>
        <source>the separator line</source>
        <translation>die Trennzeile</translation>
    </message>
    <message>
        <source>the number of project comment lines (0..%1)</source>
        <translation>die Anzahl der Kommentarzeilen des Projekts (0..%1)</translation>
    </message>
    <message>
        <source>project comment line %1 of %2</source>
        <translation>Kommentarzeile %1 von %2 des Projekts</translation>
    </message>
    <message>
        <source>the number of programs (0..255)</source>
        <translation>die Anzahl der Programme (0..255)</translation>
    </message>
    <message>
        <source>the program code (a number)</source>
        <translation>der Programmcode (eine Zahl)</translation>
    </message>
    <message>
        <source>the priority flag</source>
        <translation>das Vorrang-Kennzeichen</translation>
    </message>
    <message>
        <source>the timer flag</source>
        <translation>das Timer-Kennzeichen</translation>
    </message>
    <message>
        <source>the active flag</source>
        <translation>das Aktiv-Kennzeichen</translation>
    </message>
    <message>
        <source>the hour (0..23)</source>
        <translation>die Stunde (0..23)</translation>
    </message>
    <message>
        <source>the minute (0..59)</source>
        <translation>die Minute (0..59)</translation>
    </message>
    <message>
        <source>the day of the week (a number)</source>
        <translation>der Wochentag (eine Zahl)</translation>
    </message>
    <message>
        <source>the timer mode (a number)</source>
        <translation>der Timer-Modus (eine Zahl)</translation>
    </message>
    <message>
        <source>the action count (a number)</source>
        <translation>die Anzahl der Aktionen (eine Zahl)</translation>
    </message>
    <message>
        <source>the kind of action %1 (a number)</source>
        <translation>die Art der Aktion %1 (eine Zahl)</translation>
    </message>
    <message>
        <source>the parameter of action %1 (a number)</source>
        <translation>der Parameter der Aktion %1 (eine Zahl)</translation>
    </message>
    <message>
        <source>the value of action %1 (a number)</source>
        <translation>der Wert der Aktion %1 (eine Zahl)</translation>
    </message>
    <message>
        <source>the colour (a number)</source>
        <translation>die Farbe (eine Zahl)</translation>
    </message>
    <message>
        <source>the date (dd/mm/yyyy)</source>
        <translation>das Datum (TT/MM/JJJJ)</translation>
    </message>
    <message>
        <source>the number of comment lines (0..%1)</source>
        <translation>die Anzahl der Kommentarzeilen (0..%1)</translation>
    </message>
    <message>
        <source>comment line %1 of %2</source>
        <translation>Kommentarzeile %1 von %2</translation>
    </message>
    <message>
        <source>expected %1, found the end of the file</source>
        <translation>%1 erwartet, das Ende der Datei gefunden</translation>
    </message>
    <message>
        <source>expected %1, found a line longer than %2 bytes</source>
        <translation>%1 erwartet, eine Zeile mit mehr als %2 Bytes gefunden</translation>
    </message>
    <message>
        <source>the file goes on past %1 MiB, which no project file reaches</source>
        <translation>die Datei geht über %1 MiB hinaus, was keine Projektdatei erreicht</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>%1 erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>row %1, column %2: %3 was expected, not &quot;%4&quot;</source>
        <translation>Zeile %1, Spalte %2: %3 erwartet, nicht „%4“</translation>
    </message>
    <message>
        <source>a number %1 to %2</source>
        <translation>eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>„yes“ oder „no“</translation>
    </message>
    <message>
        <source>a colour group 1 to 26 or #RRGGBB</source>
        <translation>eine Farbgruppe von 1 bis 26 oder #RRGGBB</translation>
    </message>
    <message>
        <source>date, daily, weekly or hourly</source>
        <translation>„date“, „daily“, „weekly“ oder „hourly“</translation>
    </message>
    <message>
        <source>an action kind name or a number 0 to %1</source>
        <translation>ein Name einer Aktionsart oder eine Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>a date yyyy-mm-dd</source>
        <translation>ein Datum jjjj-mm-tt</translation>
    </message>
    <message>
        <source>a time hh:mm</source>
        <translation>eine Uhrzeit hh:mm</translation>
    </message>
    <message>
        <source>text of Windows-1252 characters</source>
        <translation>ein Text aus Windows-1252-Zeichen</translation>
    </message>
    <message>
        <source>a title on one line</source>
        <translation>ein Titel in einer Zeile</translation>
    </message>
    <message>
        <source>at most %1 comment lines</source>
        <translation>höchstens %1 Kommentarzeilen</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>row %1: a quoted field does not end</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen endet nicht</translation>
    </message>
    <message>
        <source>row 1: the header row is missing</source>
        <translation>Zeile 1: die Kopfzeile fehlt</translation>
    </message>
    <message>
        <source>row 1: unknown column &quot;%1&quot;</source>
        <translation>Zeile 1: unbekannte Spalte „%1“</translation>
    </message>
    <message>
        <source>row 1: column %1 appears twice</source>
        <translation>Zeile 1: Spalte %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>row 1: column %1 is missing</source>
        <translation>Zeile 1: Spalte %1 fehlt</translation>
    </message>
    <message>
        <source>row %1: a project holds at most %2 programs</source>
        <translation>Zeile %1: ein Projekt enthält höchstens %2 Programme</translation>
    </message>
    <message>
        <source>row %1, column %2: a line break ends the row before its last column (a line break inside a cell needs quotes around the cell)</source>
        <translation>Zeile %1, Spalte %2: ein Zeilenumbruch beendet die Zeile vor ihrer letzten Spalte (ein Zeilenumbruch in einer Zelle verlangt Anführungszeichen um die Zelle)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table of programs:</source>
        <translation>„%1“ ist keine Tabelle von Programmen:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a table of programs can be (%2 bytes)</source>
        <translation>„%1“ ist größer, als eine Tabelle von Programmen sein kann (%2 Byte)</translation>
    </message>
    <message>
        <source>%1: %2 is longer than %3 bytes, the longest line a project file can hold</source>
        <translation>%1: %2 ist länger als %3 Bytes, die längste Zeile, die eine Projektdatei fasst</translation>
    </message>
    <message>
        <source>the project takes more than %1 MiB, more than a project file can hold</source>
        <translation>das Projekt braucht mehr als %1 MiB, mehr als eine Projektdatei fasst</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>row %1, column %2: a quote inside a cell that does not begin with one, or text after the closing quote</source>
        <translation>Zeile %1, Spalte %2: ein Anführungszeichen in einer Zelle, die nicht mit einem beginnt, oder Text nach dem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>Zeile %1: mehr als %2 Zellen</translation>
    </message>
    <message>
        <source>no action after a directory, sleep, go-to or ftp action within action_count</source>
        <translation>keine Aktion nach einer Aktion directory, sleep, go-to oder ftp innerhalb von action_count</translation>
    </message>
    <message>
        <source>a transport command 1 to 10 or 12</source>
        <translation>ein Transportbefehl 1 bis 10 oder 12</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;RS232 - COM Port</source>
        <translation>&amp;RS232 - Port COM</translation>
    </message>
    <message>
        <source>Additional Player Options</source>
        <translation>Zusätzliche Player-Optionen</translation>
    </message>
    <message>
        <source>I/O Card</source>
        <translation>I/O Card</translation>
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
        <translation>Wochenplan...</translation>
    </message>
    <message>
        <source>Week Plan</source>
        <translation>Wochenplan</translation>
    </message>
    <message>
        <source>Also show inactive programs and programs with the timer off</source>
        <translation>Auch inaktive Programme und Programme ohne Timer zeigen</translation>
    </message>
    <message>
        <source>Red frame: two &quot;Go To Prog&quot; programs due in the same minute</source>
        <translation>Roter Rahmen: zwei Programme „Geh auf Programm“ in derselben Minute</translation>
    </message>
    <message>
        <source>Print the Schedule...</source>
        <translation>Zeitplan drucken...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Next run</source>
        <translation>Nächster Start</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 is the page&apos;s number, %2 the number of pages</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Import from CSV file OK</source>
        <translation>Import der CSV-Datei OK</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>Activate</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Prioritary</source>
        <translation>Vorrang</translation>
    </message>
    <message>
        <source>Comments :</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <source>Inputs :</source>
        <translation>Eingänge:</translation>
    </message>
    <message>
        <source>Timer Mode</source>
        <translation>Timer-Modus</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>Clock :</source>
        <translation>Uhr:</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Every :</source>
        <translation>Jeden:</translation>
    </message>
    <message>
        <source>Actions :</source>
        <translation>Aktionen:</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Start um:</translation>
    </message>
    <message>
        <source>Color : </source>
        <translation>Farbe: </translation>
    </message>
    <message>
        <source>Title : </source>
        <translation>Titel : </translation>
    </message>
</context>
<context>
    <name>ProgramLimit</name>
    <message>
        <source>You cannot create more than 255 programs!</source>
        <translation>Sie können nicht mehr als  255 Programme erzeugen</translation>
    </message>
</context>
<context>
    <name>ProgramTile</name>
    <message>
        <source>Date : </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Every : </source>
        <translation>Jeden: </translation>
    </message>
    <message>
        <source> - At : </source>
        <extracomment>Ends a tile&apos;s schedule line, before the hour and minute: &quot;Every day - At : 08:05&quot;</extracomment>
        <translation> - Um: </translation>
    </message>
    <message>
        <source>Start at : </source>
        <translation>Start um: </translation>
    </message>
</context>
<context>
    <name>ProjectPropertiesDialog</name>
    <message>
        <source>Project Properties</source>
        <translation>Projekteigenschaften</translation>
    </message>
    <message>
        <source> Name of Project :</source>
        <translation> Projektname :</translation>
    </message>
    <message>
        <source> Object :</source>
        <translation> Thema :</translation>
    </message>
    <message>
        <source> Author :</source>
        <translation> Autor :</translation>
    </message>
    <message>
        <source> Copyright :</source>
        <translation> Copyright :</translation>
    </message>
    <message>
        <source> Customer :</source>
        <translation> Klient :</translation>
    </message>
    <message>
        <source> Creation Date :</source>
        <translation> Erzeugungsdatum :</translation>
    </message>
    <message>
        <source> Diffusion Date :</source>
        <translation> Veröffentlichungsdatum :</translation>
    </message>
    <message>
        <source> Comments :</source>
        <translation> Kommentare :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
</context>
<context>
    <name>SendReceiveMenu</name>
    <message>
        <source>&amp;Send-Receive</source>
        <translation>&amp;Send-Receive</translation>
    </message>
    <message>
        <source>&amp;Transmit the Programs</source>
        <translation>Programme &amp;Übertragen</translation>
    </message>
    <message>
        <source>&amp;Receive the Programs</source>
        <translation>Programme &amp;Empfangen</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>Transmit the programs to the player</source>
        <translation>Programme auf das Gerät übertragen</translation>
    </message>
    <message>
        <source>Receive the programs from the player</source>
        <translation>Programme vom Gerät empfangen</translation>
    </message>
    <message>
        <source>Create a new program</source>
        <translation>Neues Programm erzeugen</translation>
    </message>
    <message>
        <source>Delete a program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Create a new project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Öffnen Projekt</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>Speichern aktuelles Projekt</translation>
    </message>
    <message>
        <source>Export current project</source>
        <translation>Exportieren aktuelles Projekt</translation>
    </message>
    <message>
        <source>Import current project</source>
        <translation>Import aktuelles Projekt</translation>
    </message>
    <message>
        <source>Move program to up</source>
        <translation>Verschieben des Programms nach oben</translation>
    </message>
    <message>
        <source>Move program to down</source>
        <translation>Verschieben des Programms nach unten</translation>
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
