<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>psn::Accessibility</name>
    <message>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>opción</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>deslizador</translation>
    </message>
    <message>
        <source>button</source>
        <translation>botón</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>A picture of the %1</source>
        <translation>Una imagen: %1</translation>
    </message>
</context>
<context>
    <name>psn::BackupRestore</name>
    <message>
        <source>There are no backups (.bak files) of game files in %1. The editor makes one of each game file before it first changes it.</source>
        <translation>No hay copias de seguridad (archivos .bak) de archivos del juego en %1. El editor hace una de cada archivo del juego antes de cambiarlo por primera vez.</translation>
    </message>
    <message>
        <source>%1  (backup of %2)</source>
        <translation>%1  (copia del %2)</translation>
    </message>
    <message>
        <source>Restore game files from backup</source>
        <translation>Recuperar archivos del juego de la copia de seguridad</translation>
    </message>
    <message>
        <source>Put these game files back as they were in their backups? Every change made to them since is lost.</source>
        <translation>¿Devolver estos archivos del juego al estado de sus copias de seguridad? Se perderá todo cambio hecho desde entonces.</translation>
    </message>
    <message>
        <source>These game files have been restored from their backups:</source>
        <translation>Estos archivos del juego se han recuperado de sus copias de seguridad:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the game&apos;s executable: it is too short to hold the edition byte.</source>
        <translation>«%1» no es el ejecutable del juego: es demasiado corto para contener el byte de la edición.</translation>
    </message>
</context>
<context>
    <name>psn::BitmapForm</name>
    <message>
        <source>BMP files</source>
        <translation>Archivos BMP</translation>
    </message>
</context>
<context>
    <name>psn::ColourPartsForm</name>
    <message>
        <source>Cockpit</source>
        <translation>Cabina</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Retrovisores</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Alerón delantero</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Piernas/ Monitor de boxes</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Cintura</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Franja fina</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Pecho izquierdo/Cartel</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Pecho derecho</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Hombreras/Gato</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Brazo izquierdo</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Antebrazo izquierdo</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Brazo derecho</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Antebrazo derecho</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Cabeza</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Logotipo de la escudería</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importar datos del juego</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exportar datos al juego</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurar datos originales</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Parte: %1</translation>
    </message>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Parte: (ninguna)</translation>
    </message>
</context>
<context>
    <name>psn::ConverterRunner</name>
    <message>
        <source>For the sample game that psniaed-sample-game makes, the editor comes with a stand-in converter, %1. Link it into the editor&apos;s folder under the converter&apos;s name:
    ln -s %2 %3
It reads only the sample game&apos;s archives: a real game needs the game&apos;s own %4 there instead.</source>
        <translation>Para el juego de ejemplo que crea psniaed-sample-game, el editor incluye un convertidor sustituto, %1. Enlácelo en la carpeta del editor con el nombre del convertidor:
    ln -s %2 %3
Solo lee los archivos del juego de ejemplo: un juego real necesita allí su propio %4.</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the helmets from %1 (%2).</source>
        <translation>El editor necesitaba el convertidor para extraer los cascos de %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the helmets back into %1 (%2).</source>
        <translation>El editor necesitaba el convertidor para volver a escribir los cascos en %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the car painting %1 (%2).</source>
        <translation>El editor necesitaba el convertidor para extraer la decoración %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the car painting back into %1 (%2).</source>
        <translation>El editor necesitaba el convertidor para volver a escribir la decoración en %1 (%2).</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: Wine&apos;s winepath was not found on the program search path.</source>
        <translation>El convertidor de bitmaps %1 no se pudo iniciar mediante Wine: no se encontró el winepath de Wine en la ruta de búsqueda de programas.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath did not answer in time.</source>
        <translation>El convertidor de bitmaps %1 no se pudo iniciar mediante Wine: winepath no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath could not translate %2.</source>
        <translation>El convertidor de bitmaps %1 no se pudo iniciar mediante Wine: winepath no pudo traducir %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 was not found in the editor&apos;s folder (%2) or on the program search path. Put the game&apos;s %1 into %2.</source>
        <translation>El convertidor de bitmaps %1 no se encontró ni en la carpeta del editor (%2) ni en la ruta de búsqueda de programas. Ponga el %1 del juego en %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 (%2) is a Windows program: Wine runs it, and no &quot;wine&quot; was found on the program search path. Install Debian&apos;s wine package (sudo apt-get install wine) and try again.</source>
        <translation>El convertidor de bitmaps %1 (%2) es un programa de Windows: lo ejecuta Wine, y no se encontró ningún «wine» en la ruta de búsqueda de programas. Instale el paquete wine de Debian (sudo apt-get install wine) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started: %2</source>
        <translation>El convertidor de bitmaps %1 no se pudo iniciar: %2</translation>
    </message>
    <message>
        <source>The bitmap converter %1 did not finish within %2 seconds. It has been stopped.</source>
        <translation>El convertidor de bitmaps %1 no terminó en %2 segundos. Se ha detenido.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed without writing %2.</source>
        <translation>El convertidor de bitmaps %1 falló sin escribir %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2 without writing %3.</source>
        <translation>El convertidor de bitmaps %1 terminó con el código de salida %2 sin escribir %3.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed, and the %2 it wrote cannot be loaded: %3</source>
        <translation>El convertidor de bitmaps %1 falló, y el %2 que escribió no se puede cargar: %3</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2, and the %3 it wrote cannot be loaded: %4</source>
        <translation>El convertidor de bitmaps %1 terminó con el código de salida %2, y el %3 que escribió no se puede cargar: %4</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed.</source>
        <translation>El convertidor de bitmaps %1 falló.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 failed (exit code %2).</source>
        <translation>El convertidor de bitmaps %1 ha fallado (código de salida %2).</translation>
    </message>
    <message>
        <source>The old %1 could not be removed, so the bitmap converter %2 was not started.</source>
        <translation>No se pudo quitar el antiguo %1, así que el convertidor de bitmaps %2 no se ha iniciado.</translation>
    </message>
    <message>
        <source>No backup of %1 could be made, so the bitmap converter %2 was not started.</source>
        <translation>No se pudo hacer una copia de seguridad de %1, así que el convertidor de bitmaps %2 no se ha iniciado.</translation>
    </message>
</context>
<context>
    <name>psn::EditorButtons</name>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importar datos del juego</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exportar datos al juego</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurar datos originales</translation>
    </message>
</context>
<context>
    <name>psn::Fields</name>
    <message>
        <source>team %1</source>
        <translation>equipo %1</translation>
    </message>
    <message>
        <source>team %1 engine</source>
        <translation>equipo %1 motor</translation>
    </message>
    <message>
        <source>team %1 in use</source>
        <translation>equipo %1 en uso</translation>
    </message>
    <message>
        <source>team %1 1st driver number</source>
        <translation>equipo %1 número del 1.er piloto</translation>
    </message>
    <message>
        <source>team %1 1st driver selected</source>
        <translation>equipo %1 1.er piloto elegido</translation>
    </message>
    <message>
        <source>team %1 2nd driver number</source>
        <translation>equipo %1 número del 2.º piloto</translation>
    </message>
    <message>
        <source>team %1 2nd driver selected</source>
        <translation>equipo %1 2.º piloto elegido</translation>
    </message>
    <message>
        <source>slot %1 number</source>
        <translation>plaza %1 número</translation>
    </message>
    <message>
        <source>slot %1 selected</source>
        <translation>plaza %1 elegida</translation>
    </message>
    <message>
        <source>car %1 driver</source>
        <translation>coche %1 piloto</translation>
    </message>
    <message>
        <source>first driver &apos;0&apos;</source>
        <translation>primer piloto «0»</translation>
    </message>
    <message>
        <source>team %1 qualification</source>
        <translation>equipo %1 clasificación</translation>
    </message>
    <message>
        <source>team %1 other sessions</source>
        <translation>equipo %1 otras sesiones</translation>
    </message>
    <message>
        <source>human qualification</source>
        <translation>jugador clasificación</translation>
    </message>
    <message>
        <source>human other sessions</source>
        <translation>jugador otras sesiones</translation>
    </message>
    <message>
        <source>random engine power</source>
        <translation>potencia de motor aleatoria</translation>
    </message>
    <message>
        <source>car %1 qualification</source>
        <translation>coche %1 clasificación</translation>
    </message>
    <message>
        <source>car %1 other sessions</source>
        <translation>coche %1 otras sesiones</translation>
    </message>
    <message>
        <source>car %1 range</source>
        <translation>coche %1 margen</translation>
    </message>
    <message>
        <source>human car weight</source>
        <translation>peso del coche del jugador</translation>
    </message>
    <message>
        <source>computer car weight</source>
        <translation>peso de los coches del ordenador</translation>
    </message>
    <message>
        <source>practice fuel</source>
        <translation>combustible en entrenamientos</translation>
    </message>
    <message>
        <source>qualifying fuel</source>
        <translation>combustible en clasificación</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>mostrar el combustible de los rivales</translation>
    </message>
    <message>
        <source>performance depends on team</source>
        <translation>rendimiento según el equipo</translation>
    </message>
    <message>
        <source>real best time info</source>
        <translation>información real del mejor tiempo</translation>
    </message>
    <message>
        <source>light %1 colour</source>
        <translation>luz %1 color</translation>
    </message>
    <message>
        <source>light %1 speed</source>
        <translation>luz %1 régimen</translation>
    </message>
    <message>
        <source>position %1</source>
        <translation>posición %1</translation>
    </message>
    <message>
        <source>speed check</source>
        <translation>control de velocidad</translation>
    </message>
    <message>
        <source>pit speed</source>
        <translation>velocidad en boxes</translation>
    </message>
    <message>
        <source>team %1 cockpit</source>
        <translation>equipo %1 cockpit</translation>
    </message>
    <message>
        <source>team %1 front wing</source>
        <translation>equipo %1 alerón delantero</translation>
    </message>
    <message>
        <source>team %1 mirrors</source>
        <translation>equipo %1 retrovisores</translation>
    </message>
    <message>
        <source>team %1 team logo</source>
        <translation>equipo %1 logotipo del equipo</translation>
    </message>
    <message>
        <source>team %1 thin stripe</source>
        <translation>equipo %1 franja fina</translation>
    </message>
    <message>
        <source>team %1 head</source>
        <translation>equipo %1 cabeza</translation>
    </message>
    <message>
        <source>team %1 epaulettes/jack</source>
        <translation>equipo %1 hombreras/gato</translation>
    </message>
    <message>
        <source>team %1 left chest/sign</source>
        <translation>equipo %1 pecho izquierdo/cartel</translation>
    </message>
    <message>
        <source>team %1 right chest</source>
        <translation>equipo %1 pecho derecho</translation>
    </message>
    <message>
        <source>team %1 left upper arm</source>
        <translation>equipo %1 brazo izquierdo</translation>
    </message>
    <message>
        <source>team %1 right upper arm</source>
        <translation>equipo %1 brazo derecho</translation>
    </message>
    <message>
        <source>team %1 left forearm</source>
        <translation>equipo %1 antebrazo izquierdo</translation>
    </message>
    <message>
        <source>team %1 right forearm</source>
        <translation>equipo %1 antebrazo derecho</translation>
    </message>
    <message>
        <source>team %1 hands</source>
        <translation>equipo %1 manos</translation>
    </message>
    <message>
        <source>team %1 waist</source>
        <translation>equipo %1 cintura</translation>
    </message>
    <message>
        <source>team %1 legs/ pit monitor</source>
        <translation>equipo %1 piernas/monitor de boxes</translation>
    </message>
    <message>
        <source>team %1 feet</source>
        <translation>equipo %1 pies</translation>
    </message>
    <message>
        <source>team %1 part %2</source>
        <translation>equipo %1 parte %2</translation>
    </message>
    <message>
        <source>camera %1 x distance</source>
        <translation>cámara %1 distancia x</translation>
    </message>
    <message>
        <source>camera %1 z height</source>
        <translation>cámara %1 altura z</translation>
    </message>
    <message>
        <source>camera %1 y distance</source>
        <translation>cámara %1 distancia y</translation>
    </message>
    <message>
        <source>camera %1 x angle</source>
        <translation>cámara %1 ángulo x</translation>
    </message>
    <message>
        <source>camera %1 z angle</source>
        <translation>cámara %1 ángulo z</translation>
    </message>
    <message>
        <source>camera %1 y angle</source>
        <translation>cámara %1 ángulo y</translation>
    </message>
    <message>
        <source>camera %1 tuning %2</source>
        <translation>cámara %1 ajuste %2</translation>
    </message>
    <message>
        <source>track %1 front wing</source>
        <translation>circuito %1 alerón delantero</translation>
    </message>
    <message>
        <source>track %1 rear wing</source>
        <translation>circuito %1 alerón trasero</translation>
    </message>
    <message>
        <source>track %1 gear %2</source>
        <translation>circuito %1 marcha %2</translation>
    </message>
    <message>
        <source>track %1 compound</source>
        <translation>circuito %1 compuesto</translation>
    </message>
    <message>
        <source>track %1 fuel consumption</source>
        <translation>circuito %1 consumo de combustible</translation>
    </message>
    <message>
        <source>track %1 tyre consumption</source>
        <translation>circuito %1 desgaste de neumáticos</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
</context>
<context>
    <name>psn::GameActions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un número decimal válido</translation>
    </message>
    <message>
        <source>Import data from game: %1</source>
        <translation>Importar datos del juego: %1</translation>
    </message>
    <message>
        <source>&quot;Random engine power&quot; cannot be turned back on in this game: %1 no longer holds the code the switch needs, and no backup %2 of the original holds it. The switch is shown as the game has it; the other values have been exported.</source>
        <translation>«Potencia del motor aleatoria» no se puede volver a activar en este juego: %1 ya no contiene el código que necesita la opción, y ninguna copia de seguridad %2 del original lo contiene. La opción se muestra tal como la tiene el juego; los demás valores se han exportado.</translation>
    </message>
</context>
<context>
    <name>psn::GameCommand</name>
    <message>
        <source>%1

Press OK to try again, or Cancel to stop.</source>
        <translation>%1

Pulse Aceptar para volver a intentarlo, o Cancelar para detenerse.</translation>
    </message>
</context>
<context>
    <name>psn::GameTransfer</name>
    <message>
        <source>Nothing was written into the game, because one of its files is not what its name says:

%1: %2

Put that file right (&quot;Restore game files from backup&quot; or the game CD) and try again.</source>
        <translation>No se ha escrito nada en el juego, porque uno de sus archivos no es lo que dice su nombre:

%1: %2

Arregle ese archivo (&quot;Recuperar archivos del juego de la copia de seguridad&quot; o el CD del juego) e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>psn::HelpTexts</name>
    <message>
        <source>(not located yet)</source>
        <translation>(aún no encontrada)</translation>
    </message>
    <message>
        <source>Brenwick PSN Editor %1
A settings editor for the racing game Pistonia.

Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later). This program comes with no warranty.
Qt %2

Editor folder: %3
Game folder: %4</source>
        <translation>Brenwick PSN Editor %1
Un editor de los ajustes del juego de carreras Pistonia.

Licencia: GPL-3.0-or-later (GNU General Public License, versión 3 o posterior). Este programa se ofrece sin ninguna garantía.
Qt %2

Carpeta del editor: %3
Carpeta del juego: %4</translation>
    </message>
    <message>
        <source>The editor changes an installed copy of the game: at the first start it asks for the game&apos;s PSN.EXE.

Without the game, generate a sample game and locate its PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Pictures, helmets and liveries need the game&apos;s bitmap converter %1: put it into the editor folder %2.
Install packs (track, cockpit and car set files) go into %3.

Game folder: %4</source>
        <translation>El editor cambia una copia instalada del juego: al primer inicio pide el PSN.EXE del juego.

Sin el juego, cree un juego de ejemplo e indique su PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Las imágenes, los cascos y las decoraciones necesitan el conversor de bitmaps %1 del juego: póngalo en la carpeta del editor %2.
Los paquetes para instalar (archivos de circuitos, cabinas y coches) van en %3.

Carpeta del juego: %4</translation>
    </message>
</context>
<context>
    <name>psn::Messages</name>
    <message>
        <source>is a folder, not a file</source>
        <extracomment>Reasons follow a file&apos;s name and a colon, or &quot;it&quot;: they start with a verb.</extracomment>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>is a link, not a regular file</source>
        <translation>es un enlace, no un archivo normal</translation>
    </message>
    <message>
        <source>is a named pipe (FIFO), not a regular file</source>
        <translation>es una tubería con nombre (FIFO), no un archivo normal</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>is a link that leads round in a loop</source>
        <translation>es un enlace que da vueltas en círculo</translation>
    </message>
    <message>
        <source>is a link to %1, which does not exist</source>
        <translation>es un enlace a %1, que no existe</translation>
    </message>
    <message>
        <source>is a link to %1, which cannot be reached: %2</source>
        <translation>es un enlace a %1, al que no se puede llegar: %2</translation>
    </message>
    <message>
        <source>is a link to %1, which %2</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>es un enlace a %1, que %2</translation>
    </message>
    <message>
        <source>is a link to %1, which is not a game file of that name</source>
        <translation>es un enlace a %1, que no es un archivo del juego con ese nombre</translation>
    </message>
    <message>
        <source>is too large (%1 bytes) to be the file it claims to be</source>
        <translation>es demasiado grande (%1 bytes) para ser el archivo que dice ser</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>el archivo terminó antes de tiempo</translation>
    </message>
    <message>
        <source>the file is too short for a checksum trailer</source>
        <translation>el archivo es demasiado corto para una suma de control final</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it is %1 bytes long, which does not fit</source>
        <translation>no es el ejecutable del juego: mide %1 bytes, lo que no encaja</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it holds no edition byte the editor knows</source>
        <translation>no es el ejecutable del juego: no contiene ningún byte de edición que el editor conozca</translation>
    </message>
    <message>
        <source>is not the game&apos;s save state: its checksum trailer does not fit</source>
        <translation>no es la partida guardada del juego: su suma de control final no coincide</translation>
    </message>
    <message>
        <source>is not a track file of the game: it is too short</source>
        <translation>no es un archivo de circuito del juego: es demasiado corto</translation>
    </message>
    <message>
        <source>is not a track file of the game: its car set-up block lies beyond its end</source>
        <translation>no es un archivo de circuito del juego: su bloque de reglajes del coche está más allá de su final</translation>
    </message>
    <message>
        <source>is not a track file of the game: its checksum trailer does not fit</source>
        <translation>no es un archivo de circuito del juego: su suma de control final no coincide</translation>
    </message>
    <message>
        <source>%1; it was left alone</source>
        <extracomment>%1 is a reason that starts with a verb.</extracomment>
        <translation>%1; se ha dejado como estaba</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>it holds %1 bytes instead of %2</source>
        <translation>contiene %1 bytes en lugar de %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>contiene más de %1 bytes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name and what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>No se puede eliminar «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it %2, so it was left alone</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>No se puede escribir «%1»: %2, así que se ha dejado como estaba</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <translation>«%1» no es un archivo de ajustes: %2. No se ha cargado nada; elija un archivo de ajustes guardado por el editor o por psnedit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>«%1» no es un archivo de ajustes: %2. No se ha cargado nada; elija un archivo de ajustes guardado por el editor o por psnedit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it holds more than %2 bytes. Nothing was loaded; choose a file saved with &quot;Save settings&quot;.</source>
        <translation>«%1» no es un archivo de ajustes: contiene más de %2 bytes. No se ha cargado nada; elija un archivo guardado con «Guardar ajustes».</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged: it holds %2 bytes instead of %3. Nothing was loaded.</source>
        <translation>El archivo de ajustes «%1» está dañado: contiene %2 bytes en lugar de %3. No se ha cargado nada.</translation>
    </message>
    <message>
        <source>%1: %2, not the editor&apos;s lock file. Nothing was changed; remove it and try again.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a link&quot;).</extracomment>
        <translation>%1: %2, no el archivo de bloqueo del editor. No se ha cambiado nada; elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was changed; check %3 and try again.</source>
        <translation>%1: %2. No se ha cambiado nada; compruebe %3 y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Another program is changing the game in %1 (it holds %2). Nothing was changed; try again once it has finished.</source>
        <translation>Otro programa está cambiando el juego en %1 (tiene %2). No se ha cambiado nada; vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>an interrupted change of the game files is recorded here, and the game folder cannot be written to complete it; make it writable and try again</source>
        <translation>aquí consta un cambio interrumpido de los archivos del juego, y no se puede escribir en la carpeta del juego para completarlo; hágala escribible y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>the commit record names &quot;%1&quot;, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;which&quot; or &quot;but&quot;.</extracomment>
        <translation>el registro de cambios nombra «%1», %2. No se ha cambiado nada. Compare los archivos del juego con sus copias .bak y después elimine el registro</translation>
    </message>
    <message>
        <source>the commit record changes &quot;%1&quot; in place, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;but&quot; or &quot;beyond&quot;.</extracomment>
        <translation>el registro de cambios modifica «%1» en su sitio, %2. No se ha cambiado nada. Compare los archivos del juego con sus copias .bak y después elimine el registro</translation>
    </message>
    <message>
        <source>the commit record holds the line &quot;%1&quot;, which is no entry of it. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <translation>el registro de cambios contiene la línea «%1», que no es ninguna entrada suya. No se ha cambiado nada. Compare los archivos del juego con sus copias .bak y después elimine el registro</translation>
    </message>
    <message>
        <source>the commit record is damaged; remove it after checking the game files against their .bak copies</source>
        <translation>el registro de cambios está dañado; elimínelo después de comparar los archivos del juego con sus copias .bak</translation>
    </message>
    <message>
        <source>an empty name</source>
        <extracomment>Follows &quot;the commit record names &quot;FILE&quot;, &quot;.</extracomment>
        <translation>un nombre vacío</translation>
    </message>
    <message>
        <source>which lies outside the game folder</source>
        <translation>que está fuera de la carpeta del juego</translation>
    </message>
    <message>
        <source>which leads out of the game folder</source>
        <translation>que lleva fuera de la carpeta del juego</translation>
    </message>
    <message>
        <source>which is not a plain name of a game file</source>
        <translation>que no es un simple nombre de archivo del juego</translation>
    </message>
    <message>
        <source>which is a backup, and recovery never touches a backup</source>
        <translation>que es una copia de seguridad, y la recuperación nunca toca una copia de seguridad</translation>
    </message>
    <message>
        <source>which is the commit record itself</source>
        <translation>que es el propio registro de cambios</translation>
    </message>
    <message>
        <source>which is not a game file this program writes</source>
        <translation>que no es un archivo del juego que este programa escriba</translation>
    </message>
    <message>
        <source>which lies behind a link that leads out of the game folder</source>
        <translation>que está detrás de un enlace que lleva fuera de la carpeta del juego</translation>
    </message>
    <message>
        <source>which is a link, where the interrupted command created a file</source>
        <translation>que es un enlace, donde la orden interrumpida creó un archivo</translation>
    </message>
    <message>
        <source>which is a link to %1, not to a game file</source>
        <translation>que es un enlace a %1, no a un archivo del juego</translation>
    </message>
    <message>
        <source>which is a link to nowhere, not to a game file</source>
        <translation>que es un enlace a ninguna parte, no a un archivo del juego</translation>
    </message>
    <message>
        <source>but it is no regular file</source>
        <extracomment>Follows &quot;the commit record changes &quot;FILE&quot; in place, &quot;.</extracomment>
        <translation>pero no es un archivo normal</translation>
    </message>
    <message>
        <source>but it shares its bytes with another file (a hard link)</source>
        <translation>pero comparte sus bytes con otro archivo (un enlace duro)</translation>
    </message>
    <message>
        <source>beyond its end</source>
        <translation>más allá de su final</translation>
    </message>
    <message>
        <source>by more bytes than a commit changes in place</source>
        <translation>en más bytes de los que un cambio modifica en su sitio</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>A list of files follows, one a line.</extracomment>
        <translation>El editor se detuvo mientras cambiaba los archivos del juego. El cambio se ha completado ahora en:</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>%1 is the name of the program that was stopped (psnedit). A list of files follows.</extracomment>
        <translation>El programa %1 se detuvo mientras cambiaba los archivos del juego. El cambio se ha completado ahora en:</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>The record does not say which program was stopped. A list of files follows.</extracomment>
        <translation>Un programa se detuvo mientras cambiaba los archivos del juego. El cambio se ha completado ahora en:</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>El editor se detuvo mientras cambiaba los archivos del juego. Estos archivos se han dejado como estaban:</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>El programa %1 se detuvo mientras cambiaba los archivos del juego. Estos archivos se han dejado como estaban:</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Un programa se detuvo mientras cambiaba los archivos del juego. Estos archivos se han dejado como estaban:</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <extracomment>The file ends before the picture is complete.</extracomment>
        <translation>Error de lectura del flujo</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 bytes.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>A bitmap the user chose; %1 is its path.</extracomment>
        <translation>«%1» es demasiado grande: %2 bytes.

Elija otro archivo, o vuelva a guardar la imagen como archivo BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a BMP bitmap.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>«%1» no es un bitmap BMP.

Elija otro archivo, o vuelva a guardar la imagen como archivo BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 x %3 pixels. The editor takes pictures of at most %4 pixels a side and %5 pixels in all.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>«%1» es demasiado grande: %2 x %3 píxeles. El editor admite imágenes de como máximo %4 píxeles de lado y %5 píxeles en total.

Elija otro archivo, o vuelva a guardar la imagen como archivo BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: %2.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>%2 is the image reader&apos;s own words.</extracomment>
        <translation>«%1» está dañado: %2.

Elija otro archivo, o vuelva a guardar la imagen como archivo BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: it ends before its last row (%2 of %3 bytes).

Choose another file, or save the picture again as a BMP file.</source>
        <translation>«%1» está dañado: termina antes de su última fila (%2 de %3 bytes).

Elija otro archivo, o vuelva a guardar la imagen como archivo BMP.</translation>
    </message>
    <message>
        <source>The patch list %1 is missing.</source>
        <extracomment>%1 is the patch list&apos;s file name.</extracomment>
        <translation>Falta la lista de parches %1.</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged.</source>
        <translation>La lista de parches %1 está dañada.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit the game executable.</source>
        <translation>La lista de parches %1 no encaja con el ejecutable del juego.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit this game: its record %2 (offset %3h) expects the byte %4h or %5h there, but the game executable holds %6h. Nothing was written. Put the patch list made for your game into the editor&apos;s DATA folder in place of the shipped one.</source>
        <extracomment>%2 counts the list&apos;s records from 1; %3 to %6 are hexadecimal.</extracomment>
        <translation>La lista de parches %1 no encaja con este juego: su registro %2 (posición %3h) espera ahí el byte %4h o %5h, pero el ejecutable del juego contiene %6h. No se ha escrito nada. Ponga la lista de parches hecha para su juego en la carpeta DATA del editor en lugar de la suministrada.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1!</source>
        <translation>¡No se puede leer el archivo de datos %1!</translation>
    </message>
    <message>
        <source>The data file %1 is empty!</source>
        <translation>¡El archivo de datos %1 está vacío!</translation>
    </message>
    <message>
        <source>The data file %1 does not fit into the game executable!</source>
        <translation>¡El archivo de datos %1 no cabe en el ejecutable del juego!</translation>
    </message>
    <message>
        <source>Cannot open the cockpit data file %1!</source>
        <translation>¡No se puede abrir el archivo de datos de cabina %1!</translation>
    </message>
    <message>
        <source>Cannot read the cockpit data file %1!</source>
        <translation>¡No se puede leer el archivo de datos de cabina %1!</translation>
    </message>
    <message>
        <source>The cockpit data file ends after line %1; it needs %2 lines.</source>
        <translation>El archivo de datos de cabina termina tras la línea %1; necesita %2 líneas.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>The cockpit data file %1 cannot be used:
%2
Nothing was changed.</source>
        <extracomment>%2 is what is wrong, a sentence of its own.</extracomment>
        <translation>El archivo de datos de cabina %1 no se puede usar:
%2
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1
The track data&apos;s original values could not be added to the original data; the editor tries again when it next reads the track files.</source>
        <extracomment>%1 names a file and why it could not be written.</extracomment>
        <translation>%1
Los valores originales de los datos de los circuitos no se han podido añadir a los datos originales; el editor lo intentará de nuevo la próxima vez que lea los archivos de circuito.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be read: %2: %3.</source>
        <extracomment>%1 is the season&apos;s name, %2 its file, %3 why it cannot be read.</extracomment>
        <translation>La temporada «%1» no se puede leer: %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was kept or switched.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>%1: %2. No se ha guardado ni cambiado nada.</translation>
    </message>
    <message>
        <source>is a link to %1, which is no game file</source>
        <translation>es un enlace a %1, que no es un archivo del juego</translation>
    </message>
    <message>
        <source>The stored copy of %1 %2 %3. It was not used; keep the season again from a game that holds it.</source>
        <extracomment>%1 is a game file&apos;s name, %2 where its copy is kept, %3 a reason that starts with a verb.</extracomment>
        <translation>La copia guardada de %1 (%2) %3. No se ha usado; guarde de nuevo la temporada desde un juego que la contenga.</translation>
    </message>
    <message>
        <source>is damaged: its bytes no longer match their hash</source>
        <translation>está dañada: sus bytes ya no coinciden con su huella</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The track data of these track files could not be read:

%1

Their track data is left out and nothing is written into them. Everything else works, but the Track editor, &quot;Import all data&quot; and &quot;Export all data&quot; need every track file: replace the damaged ones first (&quot;Install original tracks&quot; in the Track manager copies them from the game CD).</source>
        <extracomment>%1 lists the track files, one a line, each with what is wrong with it.</extracomment>
        <translation>Los datos de circuito de estos archivos de circuito no se han podido leer:

%1

Sus datos de circuito quedan fuera y no se escribe nada en ellos. Todo lo demás funciona, pero el editor de circuitos, «Importar todos los datos» y «Exportar todos los datos» necesitan todos los archivos de circuito: sustituya primero los dañados («Instalar los circuitos originales» en el gestor de circuitos los copia del CD del juego).</translation>
    </message>
    <message>
        <source>the file is missing.</source>
        <translation>falta el archivo.</translation>
    </message>
    <message>
        <source>the file %1.</source>
        <extracomment>%1 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>el archivo %1.</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1.</source>
        <translation>el archivo no se puede abrir: %1.</translation>
    </message>
    <message>
        <source>the file is cut short: it holds only %1 bytes, too few for its set-up pointer.</source>
        <translation>el archivo está cortado: solo contiene %1 bytes, demasiado pocos para su puntero de reglajes.</translation>
    </message>
    <message>
        <source>the file is cut short or damaged: its car set-up block lies beyond its end (it holds only %1 bytes).</source>
        <translation>el archivo está cortado o dañado: su bloque de reglajes del coche está más allá de su final (solo contiene %1 bytes).</translation>
    </message>
    <message>
        <source>reading the file failed.</source>
        <translation>la lectura del archivo ha fallado.</translation>
    </message>
    <message>
        <source>The track file %1 was left as it was: the record holds no track data for it (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 is a track file&apos;s name.</extracomment>
        <translation>El archivo de circuito %1 se dejó como estaba: el registro no contiene datos de circuito para él (un archivo de ajustes guardado antes de leer los datos de los circuitos no los contiene).</translation>
    </message>
    <message>
        <source>The track files %1 and %2 were left as they were: the record holds no track data for them (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 lists track files&apos; names with commas, %2 is the last of them.</extracomment>
        <translation>Los archivos de circuito %1 y %2 se dejaron como estaban: el registro no contiene datos de circuito para ellos (un archivo de ajustes guardado antes de leer los datos de los circuitos no los contiene).</translation>
    </message>
    <message>
        <source>A season &quot;%1&quot; exists already; choose another name or delete it first.</source>
        <translation>Ya existe una temporada «%1»; elige otro nombre o bórrala primero.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; was kept from the edition &quot;%2&quot;, but the game in %3 is the edition &quot;%4&quot;. Nothing was switched.</source>
        <extracomment>%2 and %4 are editions&apos; names, %3 the game&apos;s folder.</extracomment>
        <translation>La temporada «%1» se guardó desde la edición «%2», pero el juego en %3 es la edición «%4». No se cambió nada.</translation>
    </message>
    <message>
        <source>%1: holds no game executable of a known edition (PSN.EXE). Give the folder the game is installed in.</source>
        <translation>%1: no contiene ningún ejecutable del juego de una edición conocida (PSN.EXE). Indica la carpeta donde está instalado el juego.</translation>
    </message>
    <message>
        <source>APPDATA names no folder for the editor&apos;s own files. Start the editor from an editor folder (one that holds DATA), or sign in as a user with a profile.</source>
        <translation>APPDATA no indica ninguna carpeta para los archivos propios del editor. Inicia el editor desde una carpeta del editor (una que contenga DATA) o inicia sesión como un usuario con perfil.</translation>
    </message>
    <message>
        <source>Neither XDG_DATA_HOME nor HOME names a folder for the editor&apos;s own files. Set HOME, or start the editor from an editor folder (one that holds DATA).</source>
        <translation>Ni XDG_DATA_HOME ni HOME indican una carpeta para los archivos propios del editor. Define HOME o inicia el editor desde una carpeta del editor (una que contenga DATA).</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;</source>
        <translation>No se puede crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>Cannot list the installed data in &apos;%1&apos;</source>
        <translation>No se pueden listar los datos instalados en «%1»</translation>
    </message>
    <message>
        <source>Cannot read the installed file &apos;%1&apos;</source>
        <translation>No se puede leer el archivo instalado «%1»</translation>
    </message>
    <message>
        <source>Cannot update &apos;%1&apos;</source>
        <translation>No se puede actualizar «%1»</translation>
    </message>
    <message>
        <source>Cannot copy the installed data into &apos;%1&apos;</source>
        <translation>No se pueden copiar los datos instalados en «%1»</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>No se puede escribir «%1»</translation>
    </message>
    <message>
        <source>Cannot prepare the editor folder &apos;%1&apos;</source>
        <translation>No se puede preparar la carpeta del editor «%1»</translation>
    </message>
    <message>
        <source>%1. Check that the folder can be written to and that the disk has room, then start the editor again.</source>
        <extracomment>%1 says what could not be done, naming the file or folder.</extracomment>
        <translation>%1. Comprueba que se puede escribir en la carpeta y que el disco tiene espacio, y vuelve a iniciar el editor.</translation>
    </message>
    <message>
        <source>Cannot enter the editor folder &apos;%1&apos;. Check that it can be read.</source>
        <translation>No se puede entrar en la carpeta del editor «%1». Comprueba que se puede leer.</translation>
    </message>
    <message>
        <source>There is no season &quot;%1&quot;; &apos;psnedit season list&apos; shows the seasons kept.</source>
        <translation>No existe ninguna temporada «%1»; «psnedit season list» muestra las temporadas guardadas.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is damaged: %2 holds another season.</source>
        <extracomment>%2 is the season&apos;s file in the store.</extracomment>
        <translation>La temporada «%1» está dañada: %2 contiene otra temporada.</translation>
    </message>
    <message>
        <source>a season needs a name</source>
        <translation>una temporada necesita un nombre</translation>
    </message>
    <message>
        <source>a season&apos;s name has at most %1 characters</source>
        <translation>el nombre de una temporada tiene como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>a season&apos;s name holds no line breaks or control characters</source>
        <translation>el nombre de una temporada no contiene saltos de línea ni caracteres de control</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the name typed, %2 what is wrong with it.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>A season&apos;s description has at most %1 characters.</source>
        <translation>La descripción de una temporada tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The season store could not be written: %1: %2. Nothing was kept.</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo escribir el almacén de temporadas: %1: %2. No se guardó nada.</translation>
    </message>
    <message>
        <source>The season store %1 cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 the reason.</extracomment>
        <translation>No se puede crear el almacén de temporadas %1: %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>The season store is in use by another program: %1</source>
        <extracomment>%1 says which program holds it.</extracomment>
        <translation>Otro programa está usando el almacén de temporadas: %1</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; names %2, whose bytes are not in the store.</source>
        <extracomment>%2 is a game file&apos;s name.</extracomment>
        <translation>La temporada «%1» nombra %2, cuyos bytes no están en el almacén.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be deleted: %2: %3.</source>
        <extracomment>%2 is a file, %3 the system&apos;s reason.</extracomment>
        <translation>La temporada «%1» no se puede borrar: %2: %3.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; holds a %2 that %3. Nothing was switched.</source>
        <extracomment>%2 is a game file&apos;s name, %3 what is wrong with it.</extracomment>
        <translation>La temporada «%1» contiene un archivo %2 que %3. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1: is no season manifest: line %2 %3.</source>
        <extracomment>%1 is a file, %2 a line number, %3 what is wrong with that line.</extracomment>
        <translation>%1: no es un manifiesto de temporada: la línea %2 %3.</translation>
    </message>
    <message>
        <source>%1: does not hold the season its name says</source>
        <translation>%1: no contiene la temporada que dice su nombre</translation>
    </message>
    <message>
        <source>follows the end</source>
        <translation>sigue al final</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;</source>
        <translation>no es «%1»</translation>
    </message>
    <message>
        <source>names no season: %1</source>
        <translation>no nombra ninguna temporada: %1</translation>
    </message>
    <message>
        <source>names an edition that does not exist (%1)</source>
        <translation>nombra una edición que no existe (%1)</translation>
    </message>
    <message>
        <source>holds a description that cannot be read</source>
        <translation>contiene una descripción que no se puede leer</translation>
    </message>
    <message>
        <source>is no file entry</source>
        <translation>no es una entrada de archivo</translation>
    </message>
    <message>
        <source>names a file larger than any of the game</source>
        <translation>nombra un archivo mayor que cualquiera del juego</translation>
    </message>
    <message>
        <source>names %1, which is no game file of a season</source>
        <translation>nombra %1, que no es un archivo de juego de una temporada</translation>
    </message>
    <message>
        <source>names %1 a second time</source>
        <translation>nombra %1 por segunda vez</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>contiene «%1»</translation>
    </message>
    <message>
        <source>is missing: the manifest ends early</source>
        <translation>falta: el manifiesto termina antes de tiempo</translation>
    </message>
    <message>
        <source>is missing: a season holds the game&apos;s executable</source>
        <translation>falta: una temporada contiene el ejecutable del juego</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 what is wrong with it.</extracomment>
        <translation>%1: %2. No se importó nada.</translation>
    </message>
    <message>
        <source>%1: the entry &quot;%2&quot; %3. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 an entry in it, %3 what is wrong with that entry.</extracomment>
        <translation>%1: la entrada «%2» %3. No se importó nada.</translation>
    </message>
    <message>
        <source>%1: a change of the game files was interrupted; let psnedit or the editor complete it first. Nothing was imported.</source>
        <translation>%1: se interrumpió un cambio de los archivos del juego; deja primero que psnedit o el editor lo completen. No se importó nada.</translation>
    </message>
    <message>
        <source>the archive is damaged or truncated</source>
        <translation>el archivo comprimido está dañado o truncado</translation>
    </message>
    <message>
        <source>is no ZIP or 7z archive (%1)</source>
        <translation>no es un archivo ZIP ni 7z (%1)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>The season file cannot be written: %1.</source>
        <translation>No se puede escribir el archivo de temporada: %1.</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>no tiene nombre</translation>
    </message>
    <message>
        <source>has an absolute name</source>
        <translation>tiene un nombre absoluto</translation>
    </message>
    <message>
        <source>names a drive</source>
        <translation>nombra una unidad</translation>
    </message>
    <message>
        <source>holds a backslash, which may name another folder on another system</source>
        <translation>contiene una barra invertida, que en otro sistema puede nombrar otra carpeta</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>contiene caracteres de control</translation>
    </message>
    <message>
        <source>leads out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>sale de la carpeta del archivo («..»)</translation>
    </message>
    <message>
        <source>is a link or a device, not a plain file</source>
        <translation>es un enlace o un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>comes twice</source>
        <translation>aparece dos veces</translation>
    </message>
    <message>
        <source>is one entry too many: a season has no more than %1 files</source>
        <translation>es una entrada de más: una temporada no tiene más de %1 archivos</translation>
    </message>
    <message>
        <source>is larger than any file of the game (16 MiB)</source>
        <translation>es mayor que cualquier archivo del juego (16 MiB)</translation>
    </message>
    <message>
        <source>cannot be unpacked: %1</source>
        <translation>no se puede descomprimir: %1</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than 256 MiB</source>
        <translation>hace que el archivo descomprimido supere 256 MiB</translation>
    </message>
    <message>
        <source>is missing, though the manifest names it</source>
        <translation>falta, aunque el manifiesto la nombra</translation>
    </message>
    <message>
        <source>does not match the hash its manifest gives</source>
        <translation>no coincide con el hash que da su manifiesto</translation>
    </message>
    <message>
        <source>is not named by the manifest</source>
        <translation>no la nombra el manifiesto</translation>
    </message>
    <message>
        <source>is a second settings file beside &quot;%1&quot;</source>
        <translation>es un segundo archivo de ajustes junto a «%1»</translation>
    </message>
    <message>
        <source>is not a settings file: it is not 2846 bytes long</source>
        <translation>no es un archivo de ajustes: no mide 2846 bytes</translation>
    </message>
    <message>
        <source>is a second %1</source>
        <extracomment>%1 is a game file&apos;s name.</extracomment>
        <translation>es un segundo archivo %1</translation>
    </message>
    <message>
        <source>holds no game file a season holds and no settings file</source>
        <translation>no contiene ningún archivo de juego de una temporada ni ningún archivo de ajustes</translation>
    </message>
    <message>
        <source>is a pack of loose files, which needs a game to take the rest from</source>
        <translation>es un paquete de archivos sueltos, que necesita un juego del que tomar el resto</translation>
    </message>
    <message>
        <source>%1: holds no game executable that can be read.</source>
        <translation>%1: no contiene ningún ejecutable del juego que se pueda leer.</translation>
    </message>
    <message>
        <source>The game&apos;s executable cannot be read.</source>
        <translation>No se puede leer el ejecutable del juego.</translation>
    </message>
</context>
<context>
    <name>psn::Pictures</name>
    <message>
        <source>en</source>
        <comment>the language code of the windows&apos; language</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>psn::QtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Unsaved settings</source>
        <translation>Ajustes sin guardar</translation>
    </message>
</context>
<context>
    <name>psn::RecordSteps</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>psn::SettingsCommands</name>
    <message>
        <source>Save settings</source>
        <translation>Guardar los ajustes</translation>
    </message>
    <message>
        <source>All settings files</source>
        <translation>Todos los archivos de ajustes</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Cargar ajustes</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Descripción de los ajustes</translation>
    </message>
    <message>
        <source>Load settings %1</source>
        <translation>Cargar ajustes: %1</translation>
    </message>
    <message>
        <source>Cannot create the settings file &apos;%1&apos;.
%2</source>
        <translation>No se puede crear el archivo de ajustes «%1».
%2</translation>
    </message>
    <message>
        <source>%1. Nothing was loaded; check that the file exists and that you may read it.</source>
        <translation>%1. No se ha cargado nada; compruebe que el archivo existe y que puede leerlo.</translation>
    </message>
</context>
<context>
    <name>psn::Steps</name>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 and %3 more</source>
        <translation>%1: %2 y %3 más</translation>
    </message>
</context>
<context>
    <name>psn::TCColorsForm</name>
    <message>
        <source>Cockpit colors</source>
        <translation>Colores de la cabina</translation>
    </message>
</context>
<context>
    <name>psn::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Reglajes del coche</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Peso del coche </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Peso del coche del jugador</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Peso de los coches del ordenador</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Enlazados</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> LED del cuentarrevoluciones </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(los colores solo valen con las cabinas originales)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Combustible </translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Combustible al empezar los entrenamientos</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>vueltas</translation>
    </message>
    <message>
        <source>Initial qualifing fuel load</source>
        <translation>Combustible al empezar la clasificación</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>mostrar el combustible de los rivales</translation>
    </message>
    <message>
        <source>player&apos;s car performance depends on selected team</source>
        <translation>el rendimiento del coche del jugador depende de la escudería elegida</translation>
    </message>
    <message>
        <source>real F1 best time/split info - compares to current best of session</source>
        <translation>mejor tiempo/parciales reales de F1 - compara con el mejor tiempo de la sesión</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importar datos del juego</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exportar datos al juego</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurar datos originales</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
</context>
<context>
    <name>psn::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Editor de cámaras</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Elegir la cámara </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Cámara %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Vista inicial </translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>Eje X</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Distancia </translation>
    </message>
    <message>
        <source> centre of car   </source>
        <translation> al centro   </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Eje Y</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Eje Z</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Altura </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Ángulo </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>Img. tunning</source>
        <translation>Ajuste de imagen</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Valor 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Valor 2 </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importar datos del juego</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exportar datos al juego</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurar datos originales</translation>
    </message>
</context>
<context>
    <name>psn::TCompareForm</name>
    <message>
        <source>Compare with game</source>
        <translation>Comparar con el juego</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Differences between the settings and the game</source>
        <translation>Diferencias entre los ajustes y el juego</translation>
    </message>
    <message>
        <source>Another program is changing the game; nothing was compared.</source>
        <translation>Otro programa está modificando el juego; no se ha comparado nada.</translation>
    </message>
    <message>
        <source>The game could not be read; nothing was compared.</source>
        <translation>No se ha podido leer el juego; no se ha comparado nada.</translation>
    </message>
    <message>
        <source>The game executable could not be read; nothing was compared.</source>
        <translation>No se ha podido leer el ejecutable del juego; no se ha comparado nada.</translation>
    </message>
    <message>
        <source>The settings and the game agree in every field.</source>
        <translation>Los ajustes y el juego coinciden en todos los campos.</translation>
    </message>
    <message>
        <source>%1 fields differ in %2 windows.</source>
        <translation>%1 campos difieren en %2 ventanas.</translation>
    </message>
    <message>
        <source> The track files are not all installed: the track set-ups were not read.</source>
        <translation> No están instalados todos los archivos de circuitos: no se han leído los reglajes de los circuitos.</translation>
    </message>
    <message>
        <source> The track set-ups have not been read in this run and are not compared.</source>
        <translation> Los reglajes de los circuitos no se han leído en esta sesión y no se comparan.</translation>
    </message>
    <message>
        <source>%1 (open &quot;%2&quot;)</source>
        <translation>%1 (abra «%2»)</translation>
    </message>
</context>
<context>
    <name>psn::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Descripción de los ajustes</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar los ajustes</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>psn::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Potencia del motor</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Escudería-motor </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> CV </translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Otras sesiones</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Motor del jugador</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>by</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Potencia del motor aleatoria</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Clasif.=Otras</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Otras=Clasif.</translation>
    </message>
</context>
<context>
    <name>psn::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Averías</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Escudería-motor </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Valor </translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Cambiar los datos elegidos</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>by</source>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>psn::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Adherencia de los coches del ordenador</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> 1.os pilotos </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> ADHERENCIA </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> 2.os pilotos </translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Elegir datos</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Otras sesiones</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Margen de adherencia aleatorio</translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Cambiar la adherencia elegida</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>by</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Clasif.=Otras</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Otras=Clasif.</translation>
    </message>
</context>
<context>
    <name>psn::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Cascos</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Pilotos </translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Guardar el casco como bitmap</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Cargar el casco de un bitmap</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Guardar todos los cascos como bitmap</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Cargar todos los cascos de un bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importar del juego</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Exportar al juego</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. It was not extracted from the game at start-up.

Use &quot;%1&quot; or &quot;%2&quot;.</source>
        <translation>La lámina de cascos no está disponible. No se extrajo del juego al iniciar.

Use «%1» o «%2».</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.

%1

Use &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>La lámina de cascos no está disponible.

%1

Use «%2» o «%3».</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.</source>
        <translation>La lámina de cascos no está disponible.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Nothing has been written into the game.</source>
        <translation>La lámina de cascos no está disponible. No se ha escrito nada en el juego.</translation>
    </message>
</context>
<context>
    <name>psn::TIEForm</name>
    <message>
        <source>All data has been imported!</source>
        <translation>¡Se han importado todos los datos!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>¡Se han exportado todos los datos!</translation>
    </message>
    <message>
        <source>Import data</source>
        <translation>Importar datos</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Nombres y números</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Colores de la cabina</translation>
    </message>
    <message>
        <source>Aids</source>
        <translation>Ayudas a la conducción</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Importar todos los datos</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Exportar todos los datos</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>PSN.EXE file</source>
        <translation>Archivo PSN.EXE</translation>
    </message>
    <message>
        <source>F1GPSTATE.SAV file</source>
        <translation>Archivo F1GPSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>psn::TInstCForm</name>
    <message>
        <source>Cockpit manager</source>
        <translation>Gestor de cabinas</translation>
    </message>
    <message>
        <source>&apos;97 cockpits</source>
        <translation>Cabinas del &apos;97</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>¡Instalar!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>¡Nueva cabina instalada!</translation>
    </message>
    <message>
        <source>cockpit pack %1</source>
        <translation>paquete de cockpit %1</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>¡No se puede copiar el archivo de la cabina!</translation>
    </message>
</context>
<context>
    <name>psn::TInstCarSetForm</name>
    <message>
        <source>InstCarSetForm</source>
        <translation>Instalar coches</translation>
    </message>
    <message>
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation>Instalar los coches del &apos;97 (por ahora solo las decoraciones)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>¡Nuevos coches instalados!</translation>
    </message>
    <message>
        <source>car set</source>
        <translation>juego de coches</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>¡No se pueden copiar los archivos de los coches!</translation>
    </message>
</context>
<context>
    <name>psn::TJamForm</name>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>¡Se ha importado el bitmap!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>¡Se ha exportado el bitmap!</translation>
    </message>
    <message>
        <source>Car JAMs</source>
        <translation>JAM de los coches</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Decoraciones </translation>
    </message>
    <message>
        <source> Avaiable teams </source>
        <translation> Escuderías disponibles </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Cargar bitmap</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Guardar como bitmap</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Exportar al juego</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importar del juego</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Cargar un archivo bitmap</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Guardar un archivo bitmap</translation>
    </message>
</context>
<context>
    <name>psn::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Nombres + números</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Potencia del motor</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Adherencia CPU</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Averías</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Reglajes</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Morros</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Carril de boxes</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Colores de cabina</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Colores de mecánicos</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>JAM de coches</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Cascos</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Gestor de cabinas</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Gestor de circuitos</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Editor de circuitos</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>Car Sets</source>
        <translation>Coches</translation>
    </message>
    <message>
        <source>Opens the %1 window</source>
        <translation>Abre la ventana «%1»</translation>
    </message>
    <message>
        <source>Opens the track editor for the game&apos;s tracks</source>
        <translation>Abre el editor de los circuitos del juego</translation>
    </message>
    <message>
        <source>Ends the editor</source>
        <translation>Cierra el editor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>&amp;Cargar ajustes</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Guardar ajustes</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Guardar ajustes c&amp;omo</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>&amp;Restaurar ajustes originales</translation>
    </message>
    <message>
        <source>Restore game files from &amp;backup…</source>
        <translation>Recuperar archivos del juego de la copia de &amp;seguridad…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Descripción de los ajustes</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Importar/Exportar</translation>
    </message>
    <message>
        <source>&amp;Compare with game…</source>
        <translation>&amp;Comparar con el juego…</translation>
    </message>
    <message>
        <source>I&amp;nstall car set…</source>
        <translation>I&amp;nstalar coches…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Primeros pasos</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>The settings kept from the last run in &apos;%1&apos; cannot be read, so they were not brought back. The file was kept as &apos;%2&apos;.</source>
        <translation>Los ajustes guardados de la última sesión en &apos;%1&apos; no se pueden leer, así que no se han recuperado. El archivo se ha conservado como &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The editor did not end normally last time, and settings edited then were not saved. Press OK to bring them back (Undo takes them back again), or Cancel to discard them.

%1</source>
        <translation>La última vez el editor no se cerró con normalidad y los ajustes editados entonces no se guardaron. Pulse Aceptar para recuperarlos (Deshacer los vuelve a quitar) o Cancelar para descartarlos.

%1</translation>
    </message>
    <message>
        <source>Bring back unsaved settings</source>
        <translation>Recuperar los ajustes sin guardar</translation>
    </message>
    <message>
        <source>The settings have been changed since they were last read from or written to the game or a settings file. Save them before the editor closes?</source>
        <translation>Los ajustes han cambiado desde la última vez que se leyeron del juego o de un archivo de ajustes o se escribieron en ellos. ¿Guardarlos antes de cerrar el editor?</translation>
    </message>
    <message>
        <source>S&amp;easons…</source>
        <translation>&amp;Temporadas…</translation>
    </message>
    <message>
        <source>The editor is already running in %1. This window works as usual, but only the other one keeps unsaved settings for the case that it does not end normally: save your settings to a file before you close this window.</source>
        <translation>El editor ya se está ejecutando en %1. Esta ventana funciona como siempre, pero solo el otro guarda los ajustes no guardados por si no termina con normalidad: guarde sus ajustes en un archivo antes de cerrar esta ventana.</translation>
    </message>
    <message>
        <source>%1

Your game&apos;s original values could not be kept, so &quot;Restore original data&quot; cannot bring them back. The editor tries again at its next start; make the file writable or free some space.</source>
        <translation>%1

No se han podido conservar los valores originales de su juego, así que «Restaurar datos originales» no puede recuperarlos. El editor lo intentará de nuevo en su próximo inicio; haga el archivo escribible o libere espacio.</translation>
    </message>
    <message>
        <source>%1

The editor&apos;s settings (where the game is) could not be saved; at its next start the editor asks for the game again.</source>
        <translation>%1

No se han podido guardar los ajustes del editor (dónde está el juego); en su próximo inicio el editor volverá a preguntar por el juego.</translation>
    </message>
</context>
<context>
    <name>psn::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Nombres y números</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Escudería-motor </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nombre de la escudería</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Nombre del motor</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Nombre del 1.er piloto</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Nombre del 2.º piloto</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>First driver - &apos;0&apos;</source>
        <translation>Primer piloto - &apos;0&apos;</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Pilotos </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   elegidos </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1.º </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
</context>
<context>
    <name>psn::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Morros </translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Escuderías </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Morros</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>elevado</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>bajado</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importar datos del juego</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exportar datos al juego</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurar datos originales</translation>
    </message>
</context>
<context>
    <name>psn::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Colores de los mecánicos</translation>
    </message>
</context>
<context>
    <name>psn::TPathForm</name>
    <message>
        <source>PathForm</source>
        <translation>Buscar el juego</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your hard disk</source>
        <translation>Buscar el archivo psn.exe en el disco duro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Locate psn.exe file</source>
        <translation>Buscar el archivo psn.exe</translation>
    </message>
</context>
<context>
    <name>psn::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Ajustes del carril de boxes</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Orden en boxes </translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>entrada a boxes</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>salida de boxes</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Velocidad en el carril de boxes </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Velocidad máxima en el carril de boxes</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Controlar la velocidad en el carril de boxes</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importar datos del juego</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exportar datos al juego</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurar datos originales</translation>
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
        <translation>Temporadas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Against the game now</source>
        <translation>Frente al juego actual</translation>
    </message>
    <message>
        <source>Seasons kept</source>
        <translation>Temporadas guardadas</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>&amp;Keep the game as a season</source>
        <translation>&amp;Guardar el juego como temporada</translation>
    </message>
    <message>
        <source>&amp;Switch to season…</source>
        <translation>&amp;Cambiar a la temporada…</translation>
    </message>
    <message>
        <source>&amp;Rename to the name above</source>
        <translation>&amp;Renombrar con el nombre de arriba</translation>
    </message>
    <message>
        <source>&amp;Import season…</source>
        <translation>&amp;Importar temporada…</translation>
    </message>
    <message>
        <source>&amp;Export season…</source>
        <translation>E&amp;xportar temporada…</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>The game could not be read: %1</source>
        <translation>No se pudo leer el juego: %1</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>sin comparar</translation>
    </message>
    <message>
        <source>the same as the game</source>
        <translation>igual que el juego</translation>
    </message>
    <message>
        <source>files that differ: %1</source>
        <translation>archivos distintos: %1</translation>
    </message>
    <message>
        <source>another edition</source>
        <translation>otra edición</translation>
    </message>
    <message>
        <source>Seasons kept: %1</source>
        <translation>Temporadas guardadas: %1</translation>
    </message>
    <message>
        <source>Damaged seasons left out: %1</source>
        <translation>Temporadas dañadas omitidas: %1</translation>
    </message>
    <message>
        <source>Type the new season&apos;s name into the name field first.</source>
        <translation>Escriba primero el nombre de la nueva temporada en el campo del nombre.</translation>
    </message>
    <message>
        <source>The game is kept as the season &quot;%1&quot;.</source>
        <translation>El juego está guardado como la temporada «%1».</translation>
    </message>
    <message>
        <source>The game is that season already.</source>
        <translation>El juego ya es esa temporada.</translation>
    </message>
    <message>
        <source>… and more settings: %1</source>
        <translation>… y más ajustes: %1</translation>
    </message>
    <message>
        <source>Switch the game to the season &quot;%1&quot;? These change:

%2

The game as it is now is kept as a season first.</source>
        <translation>¿Cambiar el juego a la temporada «%1»? Cambia:

%2

El juego tal como está se guarda antes como temporada.</translation>
    </message>
    <message>
        <source>Switch to season</source>
        <translation>Cambiar de temporada</translation>
    </message>
    <message>
        <source>The game is now the season &quot;%1&quot;. The game as it was is kept as the season &quot;%2&quot;.</source>
        <translation>El juego es ahora la temporada «%1». El juego tal como estaba está guardado como la temporada «%2».</translation>
    </message>
    <message>
        <source>Export season</source>
        <translation>Exportar temporada</translation>
    </message>
    <message>
        <source>Season files|*.psnseason</source>
        <translation>Archivos de temporada|*.psnseason</translation>
    </message>
    <message>
        <source>The season is exported to %1.</source>
        <translation>La temporada está exportada a %1.</translation>
    </message>
    <message>
        <source>Import season</source>
        <translation>Importar temporada</translation>
    </message>
    <message>
        <source>Season files and packs|*.psnseason;*.zip;*.7z</source>
        <translation>Archivos de temporada y paquetes|*.psnseason;*.zip;*.7z</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is imported.</source>
        <translation>La temporada «%1» está importada.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Omitidos:</translation>
    </message>
    <message>
        <source>Type the new name into the name field first.</source>
        <translation>Escriba primero el nuevo nombre en el campo del nombre.</translation>
    </message>
    <message>
        <source>Delete the season &quot;%1&quot;?</source>
        <translation>¿Eliminar la temporada «%1»?</translation>
    </message>
</context>
<context>
    <name>psn::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Cargando datos...</translation>
    </message>
</context>
<context>
    <name>psn::TTrackEdForm</name>
    <message>
        <source>Track editor</source>
        <translation>Editor de circuitos</translation>
    </message>
    <message>
        <source> Grand Prix races</source>
        <translation> Grandes Premios</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuito %1</translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Reglaje de los coches del ordenador </translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Alerón delantero</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Alerón trasero</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>CAJA DE CAMBIOS</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.ª</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.ª</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.ª</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Otros valores del circuito </translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Consumo de combustible</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Desgaste de neumáticos</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Compuesto de neumáticos</translation>
    </message>
    <message>
        <source>Tyre - &quot;A&quot;</source>
        <translation>Neumático - &quot;A&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;B&quot;</source>
        <translation>Neumático - &quot;B&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;C&quot;</source>
        <translation>Neumático - &quot;C&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;D&quot;</source>
        <translation>Neumático - &quot;D&quot;</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exportar datos al juego</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importar datos del juego</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurar datos originales</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>¡Se han exportado los datos de los circuitos!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>¡Se han importado los datos de los circuitos!</translation>
    </message>
</context>
<context>
    <name>psn::Tinsttform</name>
    <message>
        <source>Track manager</source>
        <translation>Gestor de circuitos</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Instalar los circuitos originales</translation>
    </message>
    <message>
        <source>Install Valmont track</source>
        <translation>Instalar el circuito de Valmont</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>¡Circuitos originales instalados!</translation>
    </message>
    <message>
        <source>Track installed!</source>
        <translation>¡Circuito instalado!</translation>
    </message>
    <message>
        <source>original track pack</source>
        <translation>paquete de circuitos originales</translation>
    </message>
    <message>
        <source>Valmont track pack</source>
        <translation>paquete del circuito de Valmont</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>¡No se puede copiar el archivo del circuito!</translation>
    </message>
</context>
<context>
    <name>psn::TrackInstall</name>
    <message>
        <source>The %1 in the editor&apos;s DATA folder is a sample made for the editor&apos;s sample game, not for the game in %2, so nothing was installed.

Put the real pack&apos;s files (%3) into %4 in place of the samples.</source>
        <translation>El %1 de la carpeta DATA del editor es una muestra hecha para el juego de ejemplo del editor, no para el juego de %2, así que no se ha instalado nada.

Ponga los archivos del paquete real (%3) en %4 en lugar de las muestras.</translation>
    </message>
    <message>
        <source>Not every track file could be copied from the CD!
%1</source>
        <extracomment>%1 is the file that could not be copied and why.</extracomment>
        <translation>¡No se han podido copiar del CD todos los archivos de circuito!
%1</translation>
    </message>
    <message>
        <source>Put &quot;Pistonia&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
        <translation>¡Introduce el CD «Pistonia» en la unidad de CD y pulsa «OK» cuando estés listo!</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>No has instalado los archivos de los circuitos en tu disco duro. Los necesitas para trabajar con el editor de circuitos. ¿Quieres instalarlos ahora?</translation>
    </message>
    <message>
        <source>The track files are not all installed in the CIRCUITS folder of the game, so the track editor cannot be opened.</source>
        <translation>No todos los archivos de los circuitos están instalados en la carpeta CIRCUITS del juego, así que no se puede abrir el editor de circuitos.</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your PSN CD</source>
        <translation>Localiza el archivo psn.exe en tu CD de PSN</translation>
    </message>
</context>
<context>
    <name>psn::UserBitmap</name>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>«%1» tiene colores propios: sus colores se han ajustado a los 256 colores de la lámina de cascos, al más cercano.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>«%1» tiene colores propios: sus colores se han ajustado a los 256 colores de la decoración, al más cercano.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>«%1» tiene %2 bits por píxel: sus colores se han ajustado a los 256 colores de la lámina de cascos, al más cercano.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>«%1» tiene %2 bits por píxel: sus colores se han ajustado a los 256 colores de la decoración, al más cercano.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the helmet sheet does not hold and took the nearest.</source>
        <translation>%1 de sus %2 píxeles tenían un color que la lámina de cascos no contiene y tomaron el más cercano.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the car painting does not hold and took the nearest.</source>
        <translation>%1 de sus %2 píxeles tenían un color que la decoración no contiene y tomaron el más cercano.</translation>
    </message>
</context>
<context>
    <name>psn::WindowTransfers</name>
    <message>
        <source>Data has been imported!</source>
        <translation>¡Se han importado los datos!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>¡Se han exportado los datos!</translation>
    </message>
</context>
</TS>
