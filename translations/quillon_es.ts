<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORBEX &quot;Quillon&quot; Programmer</source>
        <translation>Sobre el Porgramador &quot;Zididivu&quot; de ORBEX</translation>
    </message>
    <message>
        <source>ORBEX &quot;Quillon&quot; Programmer</source>
        <translation>ORBEX &quot;Quillon&quot; Programmer</translation>
    </message>
    <message>
        <source>Version 2.7</source>
        <translation>Versión 2.7</translation>
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
        <translation>Ninguna Acción...</translation>
    </message>
    <message>
        <source>Timer File : Txxx.mp3</source>
        <translation>Archivo de Temporizador&#xa0;: Txxx.mp3</translation>
    </message>
    <message>
        <source>Directory : Fxxx</source>
        <translation>Directorio&#xa0;: Fxxx</translation>
    </message>
    <message>
        <source>Sleep mode</source>
        <translation>Modo Sleep</translation>
    </message>
    <message>
        <source>Transport Command</source>
        <translation>Comando de Transporte</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Ouput Contactor (I/O Internal)</source>
        <translation>Contacto de Salida (I/O Interno)</translation>
    </message>
    <message>
        <source>Ouput Contactor (I/O External)</source>
        <translation>Contacto de Salida (I/O Externo)</translation>
    </message>
    <message>
        <source>Go To Prog : </source>
        <translation>Ir al Programa : </translation>
    </message>
    <message>
        <source>Output </source>
        <translation>Salida </translation>
    </message>
    <message>
        <source>Timer File : T</source>
        <translation>Archivo de &apos;Timer&apos; : T</translation>
    </message>
    <message>
        <source>Directory : SONG</source>
        <translation>Directorio&#xa0;: SONG</translation>
    </message>
    <message>
        <source>Directory : F</source>
        <translation>Directorio&#xa0;: F</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Internal Output</source>
        <translation>Salida Interna</translation>
    </message>
    <message>
        <source>Extrenal Output</source>
        <translation>Salida Externa</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unknown Command</source>
        <translation>Comando Desconocido</translation>
    </message>
    <message>
        <source>Activate Prog</source>
        <translation>Activar Prog</translation>
    </message>
    <message>
        <source>Desactivate Prog</source>
        <translation>Desactivar Prog</translation>
    </message>
    <message>
        <source>FTP Client</source>
        <translation>Cliente FTP</translation>
    </message>
    <message>
        <source>Send EMail</source>
        <translation>Enviar Email</translation>
    </message>
</context>
<context>
    <name>Confidence</name>
    <message>
        <source>&amp;Verify the Programs</source>
        <translation>&amp;Verificar los programas</translation>
    </message>
    <message>
        <source>Check the &amp;Schedule...</source>
        <translation>Comprobar la &amp;programación...</translation>
    </message>
    <message>
        <source>All 255 slots and the project name of the player match the project.</source>
        <translation>Los 255 programas y el nombre del proyecto del reproductor coinciden con el proyecto.</translation>
    </message>
    <message>
        <source>Slots of the player that differ from the project:</source>
        <translation>Programas del reproductor distintos del proyecto:</translation>
    </message>
    <message>
        <source>The project name differs; the player holds: </source>
        <translation>El nombre del proyecto es distinto; el reproductor contiene: </translation>
    </message>
    <message>
        <source>schedule</source>
        <translation>horario</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>estados</translation>
    </message>
    <message>
        <source>action </source>
        <translation>acción </translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Next run : </source>
        <translation>Próxima ejecución : </translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>never (inactive)</source>
        <translation>nunca (inactivo)</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Comprobación de la programación</translation>
    </message>
    <message>
        <source>No finding: the schedule will behave as written.</source>
        <translation>Ninguna observación: la programación se comportará como está escrita.</translation>
    </message>
    <message>
        <source>%1 and %2 can fall due in the same minute; PC remote mode fires only %1.</source>
        <translation>%1 y %2 pueden activarse en el mismo minuto; el modo PC Remote solo lanza %1.</translation>
    </message>
    <message>
        <source>%1: action %2 names program %3, which no program of the project has.</source>
        <translation>%1: la acción %2 indica el programa %3, que ningún programa del proyecto tiene.</translation>
    </message>
    <message>
        <source>%1 has its timer on but is inactive: it never runs.</source>
        <translation>%1 tiene el temporizador activado pero está inactivo: nunca se ejecuta.</translation>
    </message>
    <message>
        <source>%1 is set for a date that has passed (%2): it never runs again.</source>
        <translation>%1 está programado para una fecha pasada (%2): no se ejecutará más.</translation>
    </message>
    <message>
        <source>Code %1 is used by %2; only the last, %3, is transmitted.</source>
        <translation>El código %1 lo usan %2; solo el último, %3, se transmite.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Verify : </source>
        <translation>Verificación : </translation>
    </message>
    <message>
        <source>Minute skipped (COM port in use) at : </source>
        <translation>Minuto omitido (puerto COM ocupado) a las : </translation>
    </message>
    <message>
        <source> missed (COM port in use) at : </source>
        <translation> perdido (puerto COM ocupado) a las : </translation>
    </message>
    <message>
        <source> missed (computer off or asleep) at : </source>
        <extracomment>After &quot;Program : &quot; and its number in the PC remote report, before the date and time</extracomment>
        <translation> perdido (ordenador apagado o en reposo) a las : </translation>
    </message>
    <message>
        <source> not triggered at : </source>
        <translation> no activado a las : </translation>
    </message>
    <message>
        <source>The project name read from the player held line breaks or control characters; they were replaced by spaces.</source>
        <translation>El nombre del proyecto leído del reproductor contenía saltos de línea o caracteres de control; se han sustituido por espacios.</translation>
    </message>
    <message>
        <source>Codes carried by more than one program: %1. A transmit or an export sends only the last program of each.</source>
        <translation>Códigos que llevan varios programas: %1. Una transmisión o una exportación solo envía el último programa de cada uno.</translation>
    </message>
    <message>
        <source>%1 program(s) have code 000, which is no slot of the player: a transmit or an export leaves them out.</source>
        <translation>%1 programa(s) tienen el código 000, que no es ninguna posición del reproductor: una transmisión o una exportación los omite.</translation>
    </message>
    <message>
        <source>%1 has code 000: a transmit or an export leaves it out.</source>
        <translation>%1 tiene el código 000: una transmisión o una exportación lo omite.</translation>
    </message>
    <message>
        <source>The player&apos;s programs before the transmit were kept in %1</source>
        <translation>Los programas del reproductor antes de la transmisión se guardaron en %1</translation>
    </message>
    <message>
        <source>No copy of the player was kept: %1</source>
        <translation>No se guardó ninguna copia del reproductor: %1</translation>
    </message>
    <message>
        <source>name byte %1</source>
        <translation>el byte %1 del nombre</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>la posición %1</translation>
    </message>
    <message>
        <source>No copy of the player was kept: reading it failed at %1: %2</source>
        <translation>No se guardó ninguna copia del reproductor: su lectura falló en %1: %2</translation>
    </message>
    <message>
        <source>Open Player Backup...</source>
        <translation>Abrir copia del reproductor...</translation>
    </message>
    <message>
        <source>Backup Before Transmit</source>
        <translation>Copiar el reproductor antes de transferir</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;New Program</source>
        <translation>&amp;Nuevo Programa</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>&amp;Borrar Programa</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Cortar</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete a Group of same Color</source>
        <translation>Borrar un grupo del mismo color</translation>
    </message>
    <message>
        <source>Move Program to Up</source>
        <translation>Mover programa hacia arriba</translation>
    </message>
    <message>
        <source>Move Program to Down</source>
        <translation>Mover programa hacia abajo</translation>
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
        <translation>Seleccionar el directorio de destino donde se exportará el fichero &apos;quillon.msg&apos; </translation>
    </message>
    <message>
        <source>Selection of location directory</source>
        <translation>Seleccionar el directorio de destino</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Name of the new folder in &quot;%1&quot;:</source>
        <translation>Nombre de la nueva carpeta en &quot;%1&quot;:</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nuevo Proyecto</translation>
    </message>
    <message>
        <source>&amp;Project Properties...</source>
        <translation>&amp;Propiedades de Proyecto...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>ORBEX on the &amp;Web</source>
        <translation>ORBEX en la Web</translation>
    </message>
    <message>
        <source>ORBEX &amp;Home Page</source>
        <translation>Página principal ORBEX</translation>
    </message>
    <message>
        <source>&amp;Send Email to ORBEX&apos;s Technical Support</source>
        <translation>Enviar email al Soporte Técnico de ORBEX</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is the name of the step&apos;s command, as in the menus without &quot;&amp;&quot; and &quot;...&quot;</extracomment>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Modificar el programa</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
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
        <translation>Transmisión en puerto COM OK</translation>
    </message>
    <message>
        <source>Initialization Error on port COM</source>
        <translation>Error de Inicialización en puerto COM</translation>
    </message>
    <message>
        <source>Writing Error on COM port</source>
        <translation>Error de Escritura en puerto COM</translation>
    </message>
    <message>
        <source>Reading Error on COM port</source>
        <translation>Error de Lectura en puerto COM</translation>
    </message>
    <message>
        <source>Opening Error of COM port</source>
        <translation>Error de Apertura del puerto COM</translation>
    </message>
    <message>
        <source>Parameters access Error of COM port</source>
        <translation>Error de Parámetros de Acceso del puerto COM</translation>
    </message>
    <message>
        <source>Setting Error on COM port</source>
        <translation>Error de Setting en puerto COM</translation>
    </message>
    <message>
        <source>Timeouts Error of port COM</source>
        <translation>Error de TimeOut en puerto COM</translation>
    </message>
    <message>
        <source>Closing Error of COM port</source>
        <translation>Error de Cierre del puerto COM</translation>
    </message>
    <message>
        <source>Transmission Error : MP3 player not ready</source>
        <translation>Error de Transmisión&#xa0;: El reproductor MP3 no está preparado</translation>
    </message>
    <message>
        <source>Writing in EEPROM Error</source>
        <translation>Error de Escritura en la EEPROM</translation>
    </message>
    <message>
        <source>Reading in EEPROM Error</source>
        <translation>Error de Lectura en la EEPROM</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Do you want to delete the selected program?</source>
        <translation>¿Desea eliminar el programa seleccionado&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to transmit the programs to the player?</source>
        <translation>¿Desea transferir los programas al reproductor&#xa0;?</translation>
    </message>
    <message>
        <source>Program(s) : </source>
        <extracomment>The progress line of a transfer: &quot;Program(s) : &quot;, the slot number, then &quot; to 255 &quot;</extracomment>
        <translation>Programa (s)&#xa0;: </translation>
    </message>
    <message>
        <source> to 255 </source>
        <extracomment>Follows &quot;Program(s) : &quot; and the slot number in the progress line of a transfer</extracomment>
        <translation> a 255 </translation>
    </message>
    <message>
        <source>Finalization Step...</source>
        <translation>Paso de Finalización...</translation>
    </message>
    <message>
        <source>The current programmation has been modified. Do you want to save these changes?</source>
        <translation>La programación actual ha sido modificada. ¿Desea guardar los cambios&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to Receive the programs from the player?</source>
        <translation>¿Desea recibir programas desde el reproductor&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to load the project file associated to the current programmation of the player? </source>
        <translation>¿Desea cargar el proyecto asociado a la programación actual del reproductor&#xa0;?</translation>
    </message>
    <message>
        <source>Associated Project name&#xa0;: </source>
        <translation>Nombre del Proyecto Asociado&#xa0;: </translation>
    </message>
    <message>
        <source>Export in &apos;quillon.msg&apos; file OK</source>
        <translation>Exportación al fichero &apos;quillon.msg&apos; OK</translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>Open : </source>
        <translation>Abrir : </translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Borrar Programa</translation>
    </message>
    <message>
        <source>Import from &apos;quillon.msg&apos; file OK</source>
        <translation>OK Importar desde archivo &quot;quillon.msg&quot;</translation>
    </message>
    <message>
        <source>Do you want to delete all programs that have the specified color?</source>
        <translation>¿Desea borrar todos los programas del color indicado?</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The date or time of program(s) %1 did not exist and was corrected.</source>
        <translation>La fecha o la hora del programa (s) %1 no existía y ha sido corregida.</translation>
    </message>
    <message>
        <source>%1 bytes where a schedule file holds at least %2 (255 slots of 24 bytes).</source>
        <translation>%1 bytes, mientras que un archivo del reproductor contiene al menos %2 (255 programas de 24 bytes).</translation>
    </message>
    <message>
        <source>at least %1 bytes (255 slots of 24 bytes)</source>
        <translation>al menos %1 bytes (255 programas de 24 bytes)</translation>
    </message>
    <message>
        <source>%1 is a player file, not a project file</source>
        <translation>%1 es un archivo del reproductor, no un archivo de proyecto</translation>
    </message>
    <message>
        <source>%1 is a project file, not a player file</source>
        <translation>%1 es un archivo de proyecto, no un archivo del reproductor</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>its first line is not &quot;%1&quot;</source>
        <translation>su primera línea no es &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is not a project file: %2</source>
        <translation>%1 no es un archivo de proyecto: %2</translation>
    </message>
    <message>
        <source>%1 is not a player file: it holds %2, where a player file holds %3</source>
        <translation>%1 no es un archivo del reproductor: contiene %2, mientras que un archivo del reproductor contiene %3</translation>
    </message>
    <message>
        <source>%1 is neither a project file (%2) nor a player file (it holds %3, where a player file holds %4)</source>
        <translation>%1 no es ni un archivo de proyecto (%2) ni un archivo del reproductor (contiene %3, mientras que un archivo del reproductor contiene %4)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>&quot;%1&quot; no se ha podido leer: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>&quot;%1&quot; no se ha podido abrir: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2</source>
        <translation>&quot;%1&quot; no se ha podido crear: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; no se ha podido escribir: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not saved: %2</source>
        <translation>&quot;%1&quot; no se ha guardado: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>una FIFO (tubería con nombre)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo de bloques</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no un archivo normal</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>es %1, no un archivo normal</translation>
    </message>
    <message>
        <source>it is %1, not a regular file, and is not replaced</source>
        <translation>es %1, no un archivo normal, y no se reemplaza</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; no es una carpeta</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads back to itself (a link loop)</source>
        <translation>es un enlace simbólico que vuelve sobre sí mismo (un bucle de enlaces)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved, but it now belongs to %2 (group %3) instead of %4 (group %5): %6</source>
        <translation>&quot;%1&quot; se ha guardado, pero ahora pertenece a %2 (grupo %3) en lugar de a %4 (grupo %5): %6</translation>
    </message>
    <message>
        <source>nothing more was taken</source>
        <translation>no se ha aceptado nada más</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written (%3; is the disk full?)</source>
        <translation>solo se han podido escribir %1 de %2 bytes (%3; ¿está lleno el disco?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder is missing or read-only</source>
        <translation>&quot;%1&quot; no se puede escribir: su carpeta no existe o es de solo lectura</translation>
    </message>
    <message>
        <source>there is no user configuration folder</source>
        <translation>no hay carpeta de configuración del usuario</translation>
    </message>
    <message>
        <source>The settings cannot be kept: %1. The program goes on with its defaults.</source>
        <translation>La configuración no se puede conservar: %1. El programa continúa con sus valores por defecto.</translation>
    </message>
    <message>
        <source>The settings were not saved: %1</source>
        <translation>La configuración no se ha guardado: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation>&quot;%1&quot;, línea %2: %3</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>no se ha podido leer el archivo: %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 is in use by process %2 (%3), which holds the lock file %4</source>
        <translation>%1 está en uso por el proceso %2 (%3), que tiene el archivo de bloqueo %4</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2, group %3; a member of group %3 may)</source>
        <translation>este usuario no puede abrir %1 (propietario %2, grupo %3; un miembro del grupo %3 sí puede)</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2; only its owner may)</source>
        <translation>este usuario no puede abrir %1 (propietario %2; solo su propietario puede)</translation>
    </message>
    <message>
        <source>this user may not open %1 (owner %2, group %3; a member of group %3 may): add your account to the group %3 and log in again</source>
        <translation>este usuario no puede abrir %1 (propietario %2, grupo %3; un miembro del grupo %3 sí puede): añada su cuenta al grupo %3 y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>%1 is busy or not permitted</source>
        <translation>%1 está ocupado o no está permitido</translation>
    </message>
    <message>
        <source>%1: %2 holds a line break or control character that a project file cannot store</source>
        <translation>%1: %2 contiene un salto de línea o un carácter de control que un archivo de proyecto no puede guardar</translation>
    </message>
    <message>
        <source>%1: %2 holds the character &quot;%3&quot;, which cannot be written in Windows-1252</source>
        <translation>%1: %2 contiene el carácter &quot;%3&quot;, que no se puede escribir en Windows-1252</translation>
    </message>
    <message>
        <source>%1: %2 comment lines; a project file holds at most %3</source>
        <translation>%1: %2 líneas de comentario; un archivo de proyecto contiene como máximo %3</translation>
    </message>
    <message>
        <source>comment line %1</source>
        <translation>la línea de comentario %1</translation>
    </message>
    <message>
        <source>the project properties</source>
        <translation>las propiedades del proyecto</translation>
    </message>
    <message>
        <source>program %1 &quot;%2&quot;</source>
        <translation>el programa %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the project name</source>
        <translation>el nombre del proyecto</translation>
    </message>
    <message>
        <source>the subject</source>
        <translation>el objeto</translation>
    </message>
    <message>
        <source>the author</source>
        <translation>el autor</translation>
    </message>
    <message>
        <source>the rights notice</source>
        <translation>el aviso de derechos</translation>
    </message>
    <message>
        <source>the customer</source>
        <translation>el cliente</translation>
    </message>
    <message>
        <source>the creation date</source>
        <translation>la fecha de creación</translation>
    </message>
    <message>
        <source>the diffusion date</source>
        <translation>la fecha de difusión</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>el título</translation>
    </message>
    <message>
        <source>the project holds %1 programs; a project file holds at most %2</source>
        <translation>el proyecto contiene %1 programas; un archivo de proyecto contiene como máximo %2</translation>
    </message>
    <message>
        <source>the header line</source>
        <translation>la línea de encabezado</translation>
    </message>
    <message>
        <source>the separator line</source>
        <translation>la línea de separación</translation>
    </message>
    <message>
        <source>the number of project comment lines (0..%1)</source>
        <translation>el número de líneas de comentario del proyecto (0..%1)</translation>
    </message>
    <message>
        <source>project comment line %1 of %2</source>
        <translation>la línea de comentario del proyecto %1 de %2</translation>
    </message>
    <message>
        <source>the number of programs (0..255)</source>
        <translation>el número de programas (0..255)</translation>
    </message>
    <message>
        <source>the program code (a number)</source>
        <translation>el código del programa (un número)</translation>
    </message>
    <message>
        <source>the priority flag</source>
        <translation>el indicador de prioridad</translation>
    </message>
    <message>
        <source>the timer flag</source>
        <translation>el indicador del temporizador</translation>
    </message>
    <message>
        <source>the active flag</source>
        <translation>el indicador de activación</translation>
    </message>
    <message>
        <source>the hour (0..23)</source>
        <translation>la hora (0..23)</translation>
    </message>
    <message>
        <source>the minute (0..59)</source>
        <translation>el minuto (0..59)</translation>
    </message>
    <message>
        <source>the day of the week (a number)</source>
        <translation>el día de la semana (un número)</translation>
    </message>
    <message>
        <source>the timer mode (a number)</source>
        <translation>el modo del temporizador (un número)</translation>
    </message>
    <message>
        <source>the action count (a number)</source>
        <translation>el número de acciones (un número)</translation>
    </message>
    <message>
        <source>the kind of action %1 (a number)</source>
        <translation>el tipo de la acción %1 (un número)</translation>
    </message>
    <message>
        <source>the parameter of action %1 (a number)</source>
        <translation>el parámetro de la acción %1 (un número)</translation>
    </message>
    <message>
        <source>the value of action %1 (a number)</source>
        <translation>el valor de la acción %1 (un número)</translation>
    </message>
    <message>
        <source>the colour (a number)</source>
        <translation>el color (un número)</translation>
    </message>
    <message>
        <source>the date (dd/mm/yyyy)</source>
        <translation>la fecha (dd/mm/aaaa)</translation>
    </message>
    <message>
        <source>the number of comment lines (0..%1)</source>
        <translation>el número de líneas de comentario (0..%1)</translation>
    </message>
    <message>
        <source>comment line %1 of %2</source>
        <translation>la línea de comentario %1 de %2</translation>
    </message>
    <message>
        <source>expected %1, found the end of the file</source>
        <translation>se esperaba %1, se encontró el final del archivo</translation>
    </message>
    <message>
        <source>expected %1, found a line longer than %2 bytes</source>
        <translation>se esperaba %1, se encontró una línea de más de %2 bytes</translation>
    </message>
    <message>
        <source>the file goes on past %1 MiB, which no project file reaches</source>
        <translation>el archivo supera %1 MiB, lo que ningún archivo de proyecto alcanza</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>se esperaba %1, se encontró %2</translation>
    </message>
    <message>
        <source>row %1, column %2: %3 was expected, not &quot;%4&quot;</source>
        <translation>fila %1, columna %2: se esperaba %3, no «%4»</translation>
    </message>
    <message>
        <source>a number %1 to %2</source>
        <translation>un número de %1 a %2</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>«yes» o «no»</translation>
    </message>
    <message>
        <source>a colour group 1 to 26 or #RRGGBB</source>
        <translation>un grupo de color de 1 a 26 o #RRGGBB</translation>
    </message>
    <message>
        <source>date, daily, weekly or hourly</source>
        <translation>«date», «daily», «weekly» o «hourly»</translation>
    </message>
    <message>
        <source>an action kind name or a number 0 to %1</source>
        <translation>un nombre de tipo de acción o un número de 0 a %1</translation>
    </message>
    <message>
        <source>a date yyyy-mm-dd</source>
        <translation>una fecha aaaa-mm-dd</translation>
    </message>
    <message>
        <source>a time hh:mm</source>
        <translation>una hora hh:mm</translation>
    </message>
    <message>
        <source>text of Windows-1252 characters</source>
        <translation>un texto de caracteres Windows-1252</translation>
    </message>
    <message>
        <source>a title on one line</source>
        <translation>un título en una sola línea</translation>
    </message>
    <message>
        <source>at most %1 comment lines</source>
        <translation>como mucho %1 líneas de comentario</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>el archivo no es un texto UTF-8</translation>
    </message>
    <message>
        <source>row %1: a quoted field does not end</source>
        <translation>fila %1: un campo entre comillas no termina</translation>
    </message>
    <message>
        <source>row 1: the header row is missing</source>
        <translation>fila 1: falta la fila de encabezado</translation>
    </message>
    <message>
        <source>row 1: unknown column &quot;%1&quot;</source>
        <translation>fila 1: columna desconocida «%1»</translation>
    </message>
    <message>
        <source>row 1: column %1 appears twice</source>
        <translation>fila 1: la columna %1 aparece dos veces</translation>
    </message>
    <message>
        <source>row 1: column %1 is missing</source>
        <translation>fila 1: falta la columna %1</translation>
    </message>
    <message>
        <source>row %1: a project holds at most %2 programs</source>
        <translation>fila %1: un proyecto contiene como mucho %2 programas</translation>
    </message>
    <message>
        <source>row %1, column %2: a line break ends the row before its last column (a line break inside a cell needs quotes around the cell)</source>
        <translation>fila %1, columna %2: un salto de línea termina la fila antes de su última columna (un salto de línea dentro de una celda requiere comillas alrededor de la celda)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table of programs:</source>
        <translation>«%1» no es una tabla de programas:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a table of programs can be (%2 bytes)</source>
        <translation>«%1» es más grande de lo que puede ser una tabla de programas (%2 bytes)</translation>
    </message>
    <message>
        <source>%1: %2 is longer than %3 bytes, the longest line a project file can hold</source>
        <translation>%1: %2 supera los %3 bytes, la línea más larga que puede contener un archivo de proyecto</translation>
    </message>
    <message>
        <source>the project takes more than %1 MiB, more than a project file can hold</source>
        <translation>el proyecto ocupa más de %1 MiB, más de lo que puede contener un archivo de proyecto</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>como mucho %1 caracteres</translation>
    </message>
    <message>
        <source>row %1, column %2: a quote inside a cell that does not begin with one, or text after the closing quote</source>
        <translation>fila %1, columna %2: unas comillas dentro de una celda que no empieza con ellas, o texto tras las comillas de cierre</translation>
    </message>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>fila %1: más de %2 celdas</translation>
    </message>
    <message>
        <source>no action after a directory, sleep, go-to or ftp action within action_count</source>
        <translation>ninguna acción tras una acción directory, sleep, go-to o ftp dentro de action_count</translation>
    </message>
    <message>
        <source>a transport command 1 to 10 or 12</source>
        <translation>un comando de transporte de 1 a 10 o 12</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optiones</translation>
    </message>
    <message>
        <source>&amp;RS232 - COM Port</source>
        <translation>&amp;RS232 - Puerto COM</translation>
    </message>
    <message>
        <source>Additional Player Options</source>
        <translation>Opciones adicionales del lector</translation>
    </message>
    <message>
        <source>I/O Card</source>
        <translation>Tarjeta de Entrada/Salida E/S</translation>
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
        <translation>Plan semanal...</translation>
    </message>
    <message>
        <source>Week Plan</source>
        <translation>Plan semanal</translation>
    </message>
    <message>
        <source>Also show inactive programs and programs with the timer off</source>
        <translation>Mostrar también los programas inactivos o sin temporizador</translation>
    </message>
    <message>
        <source>Red frame: two &quot;Go To Prog&quot; programs due in the same minute</source>
        <translation>Marco rojo: dos programas «Ir al Programa» en el mismo minuto</translation>
    </message>
    <message>
        <source>Print the Schedule...</source>
        <translation>Imprimir la programación...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exportar como CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Next run</source>
        <translation>Próxima ejecución</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 is the page&apos;s number, %2 the number of pages</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Import from CSV file OK</source>
        <translation>Importación del archivo CSV OK</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>Activate</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Prioritary</source>
        <translation>Prioritario</translation>
    </message>
    <message>
        <source>Comments :</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Inputs :</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>Timer Mode</source>
        <translation>Modo Temporizador</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off (Encendido/Apagado)</translation>
    </message>
    <message>
        <source>Clock :</source>
        <translation>Reloj:</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Every :</source>
        <translation>Cada:</translation>
    </message>
    <message>
        <source>Actions :</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Comenzar a las:</translation>
    </message>
    <message>
        <source>Color : </source>
        <translation>Color: </translation>
    </message>
    <message>
        <source>Title : </source>
        <translation>Título : </translation>
    </message>
</context>
<context>
    <name>ProgramLimit</name>
    <message>
        <source>You cannot create more than 255 programs!</source>
        <translation>¡No es posible crear más de 255 Programas!</translation>
    </message>
</context>
<context>
    <name>ProgramTile</name>
    <message>
        <source>Date : </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Every : </source>
        <translation>Cada: </translation>
    </message>
    <message>
        <source> - At : </source>
        <extracomment>Ends a tile&apos;s schedule line, before the hour and minute: &quot;Every day - At : 08:05&quot;</extracomment>
        <translation> - A las: </translation>
    </message>
    <message>
        <source>Start at : </source>
        <translation>Comenzar a las:</translation>
    </message>
</context>
<context>
    <name>ProjectPropertiesDialog</name>
    <message>
        <source>Project Properties</source>
        <translation>Propiedades de Proyecto</translation>
    </message>
    <message>
        <source> Name of Project :</source>
        <translation> Nombre de Proyecto :</translation>
    </message>
    <message>
        <source> Object :</source>
        <translation> Tema :</translation>
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
        <translation> Cliente :</translation>
    </message>
    <message>
        <source> Creation Date :</source>
        <translation> Fecha de Creación :</translation>
    </message>
    <message>
        <source> Diffusion Date :</source>
        <translation> Fecha de Emisión :</translation>
    </message>
    <message>
        <source> Comments :</source>
        <translation> Comentarios :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
</context>
<context>
    <name>SendReceiveMenu</name>
    <message>
        <source>&amp;Send-Receive</source>
        <translation>&amp;Enviar-Recibir</translation>
    </message>
    <message>
        <source>&amp;Transmit the Programs</source>
        <translation>&amp;Transferir Programas</translation>
    </message>
    <message>
        <source>&amp;Receive the Programs</source>
        <translation>&amp;Recibir Programas</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>Transmit the programs to the player</source>
        <translation>Transferir programas al reproductor</translation>
    </message>
    <message>
        <source>Receive the programs from the player</source>
        <translation>Recibir programas desde el reproductor</translation>
    </message>
    <message>
        <source>Create a new program</source>
        <translation>Crear un nuevo programa</translation>
    </message>
    <message>
        <source>Delete a program</source>
        <translation>Borrar un programa</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Create a new project</source>
        <translation>Nuevo Proyecto</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Abrir Proyecto</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>Guardar Proyecto</translation>
    </message>
    <message>
        <source>Export current project</source>
        <translation>Exportar Proyecto</translation>
    </message>
    <message>
        <source>Import current project</source>
        <translation>Import Proyecto</translation>
    </message>
    <message>
        <source>Move program to up</source>
        <translation>Mover programa hacia arriba</translation>
    </message>
    <message>
        <source>Move program to down</source>
        <translation>Mover programa hacia abajo</translation>
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
