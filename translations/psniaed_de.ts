<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>psn::Accessibility</name>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>Schieberegler</translation>
    </message>
    <message>
        <source>button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>A picture of the %1</source>
        <translation>Ein Bild: %1</translation>
    </message>
</context>
<context>
    <name>psn::BackupRestore</name>
    <message>
        <source>There are no backups (.bak files) of game files in %1. The editor makes one of each game file before it first changes it.</source>
        <translation>In %1 gibt es keine Sicherungen (.bak-Dateien) von Spieldateien. Der Editor legt von jeder Spieldatei eine an, bevor er sie zum ersten Mal ändert.</translation>
    </message>
    <message>
        <source>%1  (backup of %2)</source>
        <translation>%1  (Sicherung vom %2)</translation>
    </message>
    <message>
        <source>Restore game files from backup</source>
        <translation>Spieldateien aus der Sicherung zurückholen</translation>
    </message>
    <message>
        <source>Put these game files back as they were in their backups? Every change made to them since is lost.</source>
        <translation>Diese Spieldateien auf den Stand ihrer Sicherungen zurücksetzen? Jede seither gemachte Änderung geht verloren.</translation>
    </message>
    <message>
        <source>These game files have been restored from their backups:</source>
        <translation>Diese Spieldateien wurden aus ihren Sicherungen zurückgeholt:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the game&apos;s executable: it is too short to hold the edition byte.</source>
        <translation>„%1“ ist nicht die ausführbare Datei des Spiels: Sie ist zu kurz, um das Editionsbyte zu enthalten.</translation>
    </message>
</context>
<context>
    <name>psn::BitmapForm</name>
    <message>
        <source>BMP files</source>
        <translation>BMP-Dateien</translation>
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
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Frontflügel</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Füße</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Beine/ Boxenmonitor</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Dünner Streifen</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Linke Brust/Tafel</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Rechte Brust</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Schultern/Wagenheber</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Linker Oberarm</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Linker Unterarm</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Rechter Oberarm</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Rechter Unterarm</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Teamlogo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Daten aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Daten ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originaldaten wiederherstellen</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Teil: %1</translation>
    </message>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Teil: (keiner)</translation>
    </message>
</context>
<context>
    <name>psn::ConverterRunner</name>
    <message>
        <source>For the sample game that psniaed-sample-game makes, the editor comes with a stand-in converter, %1. Link it into the editor&apos;s folder under the converter&apos;s name:
    ln -s %2 %3
It reads only the sample game&apos;s archives: a real game needs the game&apos;s own %4 there instead.</source>
        <translation>Für das Beispielspiel, das psniaed-sample-game erzeugt, bringt der Editor einen Ersatzkonverter mit, %1. Verknüpfen Sie ihn unter dem Namen des Konverters im Ordner des Editors:
    ln -s %2 %3
Er liest nur die Archive des Beispielspiels: Ein echtes Spiel braucht dort stattdessen sein eigenes %4.</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the helmets from %1 (%2).</source>
        <translation>Der Editor brauchte den Konverter, um die Helme aus %1 zu extrahieren (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the helmets back into %1 (%2).</source>
        <translation>Der Editor brauchte den Konverter, um die Helme zurück in %1 zu schreiben (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the car painting %1 (%2).</source>
        <translation>Der Editor brauchte den Konverter, um die Lackierung %1 zu extrahieren (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the car painting back into %1 (%2).</source>
        <translation>Der Editor brauchte den Konverter, um die Lackierung zurück in %1 zu schreiben (%2).</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: Wine&apos;s winepath was not found on the program search path.</source>
        <translation>Der Bitmap-Konverter %1 konnte nicht über Wine gestartet werden: winepath von Wine wurde im Suchpfad für Programme nicht gefunden.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath did not answer in time.</source>
        <translation>Der Bitmap-Konverter %1 konnte nicht über Wine gestartet werden: winepath hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath could not translate %2.</source>
        <translation>Der Bitmap-Konverter %1 konnte nicht über Wine gestartet werden: winepath konnte %2 nicht übersetzen.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 was not found in the editor&apos;s folder (%2) or on the program search path. Put the game&apos;s %1 into %2.</source>
        <translation>Der Bitmap-Konverter %1 wurde weder im Ordner des Editors (%2) noch im Suchpfad für Programme gefunden. Legen Sie das %1 des Spiels in %2 ab.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 (%2) is a Windows program: Wine runs it, and no &quot;wine&quot; was found on the program search path. Install Debian&apos;s wine package (sudo apt-get install wine) and try again.</source>
        <translation>Der Bitmap-Konverter %1 (%2) ist ein Windows-Programm: Wine führt ihn aus, und im Suchpfad für Programme wurde kein „wine“ gefunden. Installieren Sie das Debian-Paket wine (sudo apt-get install wine) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started: %2</source>
        <translation>Der Bitmap-Konverter %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The bitmap converter %1 did not finish within %2 seconds. It has been stopped.</source>
        <translation>Der Bitmap-Konverter %1 war nach %2 Sekunden nicht fertig. Er wurde angehalten.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed without writing %2.</source>
        <translation>Der Bitmap-Konverter %1 ist abgestürzt, ohne %2 zu schreiben.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2 without writing %3.</source>
        <translation>Der Bitmap-Konverter %1 endete mit dem Exit-Code %2, ohne %3 zu schreiben.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed, and the %2 it wrote cannot be loaded: %3</source>
        <translation>Der Bitmap-Konverter %1 ist abgestürzt, und die von ihm geschriebene %2 lässt sich nicht laden: %3</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2, and the %3 it wrote cannot be loaded: %4</source>
        <translation>Der Bitmap-Konverter %1 endete mit dem Exit-Code %2, und die von ihm geschriebene %3 lässt sich nicht laden: %4</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed.</source>
        <translation>Der Bitmap-Konverter %1 ist abgestürzt.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 failed (exit code %2).</source>
        <translation>Der Bitmap-Konverter %1 ist fehlgeschlagen (Exit-Code %2).</translation>
    </message>
    <message>
        <source>The old %1 could not be removed, so the bitmap converter %2 was not started.</source>
        <translation>Die alte %1 konnte nicht entfernt werden, daher wurde der Bitmap-Konverter %2 nicht gestartet.</translation>
    </message>
    <message>
        <source>No backup of %1 could be made, so the bitmap converter %2 was not started.</source>
        <translation>Von %1 konnte keine Sicherungskopie angelegt werden, daher wurde der Bitmap-Konverter %2 nicht gestartet.</translation>
    </message>
</context>
<context>
    <name>psn::EditorButtons</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Daten aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Daten ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originaldaten wiederherstellen</translation>
    </message>
</context>
<context>
    <name>psn::Fields</name>
    <message>
        <source>team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>team %1 engine</source>
        <translation>Team %1 Motor</translation>
    </message>
    <message>
        <source>team %1 in use</source>
        <translation>Team %1 im Einsatz</translation>
    </message>
    <message>
        <source>team %1 1st driver number</source>
        <translation>Team %1 Nummer des 1. Fahrers</translation>
    </message>
    <message>
        <source>team %1 1st driver selected</source>
        <translation>Team %1 1. Fahrer gewählt</translation>
    </message>
    <message>
        <source>team %1 2nd driver number</source>
        <translation>Team %1 Nummer des 2. Fahrers</translation>
    </message>
    <message>
        <source>team %1 2nd driver selected</source>
        <translation>Team %1 2. Fahrer gewählt</translation>
    </message>
    <message>
        <source>slot %1 number</source>
        <translation>Platz %1 Nummer</translation>
    </message>
    <message>
        <source>slot %1 selected</source>
        <translation>Platz %1 gewählt</translation>
    </message>
    <message>
        <source>car %1 driver</source>
        <translation>Wagen %1 Fahrer</translation>
    </message>
    <message>
        <source>first driver &apos;0&apos;</source>
        <translation>erster Fahrer „0“</translation>
    </message>
    <message>
        <source>team %1 qualification</source>
        <translation>Team %1 Qualifikation</translation>
    </message>
    <message>
        <source>team %1 other sessions</source>
        <translation>Team %1 übrige Sitzungen</translation>
    </message>
    <message>
        <source>human qualification</source>
        <translation>Spieler Qualifikation</translation>
    </message>
    <message>
        <source>human other sessions</source>
        <translation>Spieler übrige Sitzungen</translation>
    </message>
    <message>
        <source>random engine power</source>
        <translation>zufällige Motorleistung</translation>
    </message>
    <message>
        <source>car %1 qualification</source>
        <translation>Wagen %1 Qualifikation</translation>
    </message>
    <message>
        <source>car %1 other sessions</source>
        <translation>Wagen %1 übrige Sitzungen</translation>
    </message>
    <message>
        <source>car %1 range</source>
        <translation>Wagen %1 Spanne</translation>
    </message>
    <message>
        <source>human car weight</source>
        <translation>Gewicht des Spielerwagens</translation>
    </message>
    <message>
        <source>computer car weight</source>
        <translation>Gewicht der Computerwagen</translation>
    </message>
    <message>
        <source>practice fuel</source>
        <translation>Benzin im Training</translation>
    </message>
    <message>
        <source>qualifying fuel</source>
        <translation>Benzin in der Qualifikation</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>Tankfüllung der Gegner zeigen</translation>
    </message>
    <message>
        <source>performance depends on team</source>
        <translation>Leistung hängt vom Team ab</translation>
    </message>
    <message>
        <source>real best time info</source>
        <translation>echte Bestzeit-Angaben</translation>
    </message>
    <message>
        <source>light %1 colour</source>
        <translation>Lampe %1 Farbe</translation>
    </message>
    <message>
        <source>light %1 speed</source>
        <translation>Lampe %1 Drehzahl</translation>
    </message>
    <message>
        <source>position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>speed check</source>
        <translation>Geschwindigkeitsprüfung</translation>
    </message>
    <message>
        <source>pit speed</source>
        <translation>Boxengeschwindigkeit</translation>
    </message>
    <message>
        <source>team %1 cockpit</source>
        <translation>Team %1 Cockpit</translation>
    </message>
    <message>
        <source>team %1 front wing</source>
        <translation>Team %1 Frontflügel</translation>
    </message>
    <message>
        <source>team %1 mirrors</source>
        <translation>Team %1 Spiegel</translation>
    </message>
    <message>
        <source>team %1 team logo</source>
        <translation>Team %1 Teamlogo</translation>
    </message>
    <message>
        <source>team %1 thin stripe</source>
        <translation>Team %1 schmaler Streifen</translation>
    </message>
    <message>
        <source>team %1 head</source>
        <translation>Team %1 Kopf</translation>
    </message>
    <message>
        <source>team %1 epaulettes/jack</source>
        <translation>Team %1 Schulterklappen/Wagenheber</translation>
    </message>
    <message>
        <source>team %1 left chest/sign</source>
        <translation>Team %1 linke Brust/Schild</translation>
    </message>
    <message>
        <source>team %1 right chest</source>
        <translation>Team %1 rechte Brust</translation>
    </message>
    <message>
        <source>team %1 left upper arm</source>
        <translation>Team %1 linker Oberarm</translation>
    </message>
    <message>
        <source>team %1 right upper arm</source>
        <translation>Team %1 rechter Oberarm</translation>
    </message>
    <message>
        <source>team %1 left forearm</source>
        <translation>Team %1 linker Unterarm</translation>
    </message>
    <message>
        <source>team %1 right forearm</source>
        <translation>Team %1 rechter Unterarm</translation>
    </message>
    <message>
        <source>team %1 hands</source>
        <translation>Team %1 Hände</translation>
    </message>
    <message>
        <source>team %1 waist</source>
        <translation>Team %1 Taille</translation>
    </message>
    <message>
        <source>team %1 legs/ pit monitor</source>
        <translation>Team %1 Beine/Boxenmonitor</translation>
    </message>
    <message>
        <source>team %1 feet</source>
        <translation>Team %1 Füße</translation>
    </message>
    <message>
        <source>team %1 part %2</source>
        <translation>Team %1 Teil %2</translation>
    </message>
    <message>
        <source>camera %1 x distance</source>
        <translation>Kamera %1 x-Abstand</translation>
    </message>
    <message>
        <source>camera %1 z height</source>
        <translation>Kamera %1 z-Höhe</translation>
    </message>
    <message>
        <source>camera %1 y distance</source>
        <translation>Kamera %1 y-Abstand</translation>
    </message>
    <message>
        <source>camera %1 x angle</source>
        <translation>Kamera %1 x-Winkel</translation>
    </message>
    <message>
        <source>camera %1 z angle</source>
        <translation>Kamera %1 z-Winkel</translation>
    </message>
    <message>
        <source>camera %1 y angle</source>
        <translation>Kamera %1 y-Winkel</translation>
    </message>
    <message>
        <source>camera %1 tuning %2</source>
        <translation>Kamera %1 Einstellung %2</translation>
    </message>
    <message>
        <source>track %1 front wing</source>
        <translation>Strecke %1 Frontflügel</translation>
    </message>
    <message>
        <source>track %1 rear wing</source>
        <translation>Strecke %1 Heckflügel</translation>
    </message>
    <message>
        <source>track %1 gear %2</source>
        <translation>Strecke %1 Gang %2</translation>
    </message>
    <message>
        <source>track %1 compound</source>
        <translation>Strecke %1 Reifenmischung</translation>
    </message>
    <message>
        <source>track %1 fuel consumption</source>
        <translation>Strecke %1 Benzinverbrauch</translation>
    </message>
    <message>
        <source>track %1 tyre consumption</source>
        <translation>Strecke %1 Reifenverschleiß</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
</context>
<context>
    <name>psn::GameActions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>Import data from game: %1</source>
        <translation>Daten aus dem Spiel importieren: %1</translation>
    </message>
    <message>
        <source>&quot;Random engine power&quot; cannot be turned back on in this game: %1 no longer holds the code the switch needs, and no backup %2 of the original holds it. The switch is shown as the game has it; the other values have been exported.</source>
        <translation>„Zufällige Motorleistung“ lässt sich in diesem Spiel nicht wieder einschalten: %1 enthält den Code, den der Schalter braucht, nicht mehr, und keine Sicherung %2 des Originals enthält ihn. Der Schalter wird so gezeigt, wie das Spiel ihn hat; die übrigen Werte wurden exportiert.</translation>
    </message>
</context>
<context>
    <name>psn::GameCommand</name>
    <message>
        <source>%1

Press OK to try again, or Cancel to stop.</source>
        <translation>%1

Drücken Sie OK, um es noch einmal zu versuchen, oder Abbrechen, um aufzuhören.</translation>
    </message>
</context>
<context>
    <name>psn::GameTransfer</name>
    <message>
        <source>Nothing was written into the game, because one of its files is not what its name says:

%1: %2

Put that file right (&quot;Restore game files from backup&quot; or the game CD) and try again.</source>
        <translation>Nichts wurde ins Spiel geschrieben, denn eine seiner Dateien ist nicht, was ihr Name sagt:

%1: %2

Bringen Sie diese Datei in Ordnung (&quot;Spieldateien aus der Sicherung zurückholen&quot; oder die Spiel-CD) und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>psn::HelpTexts</name>
    <message>
        <source>(not located yet)</source>
        <translation>(noch nicht gefunden)</translation>
    </message>
    <message>
        <source>Brenwick PSN Editor %1
A settings editor for the racing game Pistonia.

Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later). This program comes with no warranty.
Qt %2

Editor folder: %3
Game folder: %4</source>
        <translation>Brenwick PSN Editor %1
Ein Editor für die Einstellungen des Rennspiels Pistonia.

Lizenz: GPL-3.0-or-later (GNU General Public License, Version 3 oder später). Dieses Programm kommt ohne jede Gewährleistung.
Qt %2

Editor-Ordner: %3
Spielordner: %4</translation>
    </message>
    <message>
        <source>The editor changes an installed copy of the game: at the first start it asks for the game&apos;s PSN.EXE.

Without the game, generate a sample game and locate its PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Pictures, helmets and liveries need the game&apos;s bitmap converter %1: put it into the editor folder %2.
Install packs (track, cockpit and car set files) go into %3.

Game folder: %4</source>
        <translation>Der Editor ändert eine installierte Kopie des Spiels: Beim ersten Start fragt er nach der PSN.EXE des Spiels.

Ohne das Spiel erzeugen Sie ein Beispielspiel und wählen dessen PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Bilder, Helme und Lackierungen brauchen den Bitmap-Konverter %1 des Spiels: Legen Sie ihn in den Editor-Ordner %2.
Installationspakete (Strecken-, Cockpit- und Fahrzeugsatzdateien) gehören nach %3.

Spielordner: %4</translation>
    </message>
</context>
<context>
    <name>psn::Messages</name>
    <message>
        <source>is a folder, not a file</source>
        <extracomment>Reasons follow a file&apos;s name and a colon, or &quot;it&quot;: they start with a verb.</extracomment>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>is a link, not a regular file</source>
        <translation>ist eine Verknüpfung, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is a named pipe (FIFO), not a regular file</source>
        <translation>ist eine benannte Pipe (FIFO), keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>ist ein Socket, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>ist ein Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is a link that leads round in a loop</source>
        <translation>ist eine Verknüpfung, die im Kreis führt</translation>
    </message>
    <message>
        <source>is a link to %1, which does not exist</source>
        <translation>ist eine Verknüpfung auf %1, das es nicht gibt</translation>
    </message>
    <message>
        <source>is a link to %1, which cannot be reached: %2</source>
        <translation>ist eine Verknüpfung auf %1, das nicht erreichbar ist: %2</translation>
    </message>
    <message>
        <source>is a link to %1, which %2</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>ist eine Verknüpfung auf %1; dieses %2</translation>
    </message>
    <message>
        <source>is a link to %1, which is not a game file of that name</source>
        <translation>ist eine Verknüpfung auf %1, keine Spieldatei dieses Namens</translation>
    </message>
    <message>
        <source>is too large (%1 bytes) to be the file it claims to be</source>
        <translation>ist zu groß (%1 Bytes), um die Datei zu sein, die ihr Name sagt</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>die Datei endete zu früh</translation>
    </message>
    <message>
        <source>the file is too short for a checksum trailer</source>
        <translation>die Datei ist zu kurz für einen Prüfsummenanhang</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it is %1 bytes long, which does not fit</source>
        <translation>ist nicht das Programm des Spiels: es ist %1 Bytes lang, was nicht passt</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it holds no edition byte the editor knows</source>
        <translation>ist nicht das Programm des Spiels: es enthält kein Ausgabe-Byte, das der Editor kennt</translation>
    </message>
    <message>
        <source>is not the game&apos;s save state: its checksum trailer does not fit</source>
        <translation>ist nicht der Spielstand des Spiels: seine Prüfsumme am Ende passt nicht</translation>
    </message>
    <message>
        <source>is not a track file of the game: it is too short</source>
        <translation>ist keine Streckendatei des Spiels: sie ist zu kurz</translation>
    </message>
    <message>
        <source>is not a track file of the game: its car set-up block lies beyond its end</source>
        <translation>ist keine Streckendatei des Spiels: ihr Block mit der Wagenabstimmung liegt hinter ihrem Ende</translation>
    </message>
    <message>
        <source>is not a track file of the game: its checksum trailer does not fit</source>
        <translation>ist keine Streckendatei des Spiels: ihre Prüfsumme am Ende passt nicht</translation>
    </message>
    <message>
        <source>%1; it was left alone</source>
        <extracomment>%1 is a reason that starts with a verb.</extracomment>
        <translation>%1; sie blieb unverändert</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it holds %1 bytes instead of %2</source>
        <translation>sie enthält %1 Bytes statt %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>sie enthält mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name and what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it %2, so it was left alone</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: es %2, daher blieb es unverändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <translation>„%1“ ist keine Einstellungsdatei: %2. Es wurde nichts geladen; wählen Sie eine Einstellungsdatei, die der Editor oder psnedit gespeichert hat.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>„%1“ ist keine Einstellungsdatei: es %2. Es wurde nichts geladen; wählen Sie eine Einstellungsdatei, die der Editor oder psnedit gespeichert hat.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it holds more than %2 bytes. Nothing was loaded; choose a file saved with &quot;Save settings&quot;.</source>
        <translation>„%1“ ist keine Einstellungsdatei: sie enthält mehr als %2 Bytes. Es wurde nichts geladen; wählen Sie eine mit „Einstellungen speichern“ gespeicherte Datei.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged: it holds %2 bytes instead of %3. Nothing was loaded.</source>
        <translation>Die Einstellungsdatei „%1“ ist beschädigt: sie enthält %2 Bytes statt %3. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>%1: %2, not the editor&apos;s lock file. Nothing was changed; remove it and try again.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a link&quot;).</extracomment>
        <translation>%1: %2, nicht die Sperrdatei des Editors. Es wurde nichts geändert; entfernen Sie sie und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was changed; check %3 and try again.</source>
        <translation>%1: %2. Es wurde nichts geändert; prüfen Sie %3 und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Another program is changing the game in %1 (it holds %2). Nothing was changed; try again once it has finished.</source>
        <translation>Ein anderes Programm ändert gerade das Spiel in %1 (es hält %2). Es wurde nichts geändert; versuchen Sie es noch einmal, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>an interrupted change of the game files is recorded here, and the game folder cannot be written to complete it; make it writable and try again</source>
        <translation>hier ist eine unterbrochene Änderung der Spieldateien festgehalten, und in den Spielordner kann nicht geschrieben werden, um sie abzuschließen; machen Sie ihn beschreibbar und versuchen Sie es noch einmal</translation>
    </message>
    <message>
        <source>the commit record names &quot;%1&quot;, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;which&quot; or &quot;but&quot;.</extracomment>
        <translation>der Änderungseintrag nennt „%1“, %2. Es wurde nichts geändert. Vergleichen Sie die Spieldateien mit ihren .bak-Kopien und entfernen Sie dann den Eintrag</translation>
    </message>
    <message>
        <source>the commit record changes &quot;%1&quot; in place, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;but&quot; or &quot;beyond&quot;.</extracomment>
        <translation>der Änderungseintrag ändert „%1“ an Ort und Stelle, %2. Es wurde nichts geändert. Vergleichen Sie die Spieldateien mit ihren .bak-Kopien und entfernen Sie dann den Eintrag</translation>
    </message>
    <message>
        <source>the commit record holds the line &quot;%1&quot;, which is no entry of it. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <translation>der Änderungseintrag enthält die Zeile „%1“, die nicht zu ihm gehört. Es wurde nichts geändert. Vergleichen Sie die Spieldateien mit ihren .bak-Kopien und entfernen Sie dann den Eintrag</translation>
    </message>
    <message>
        <source>the commit record is damaged; remove it after checking the game files against their .bak copies</source>
        <translation>der Änderungseintrag ist beschädigt; entfernen Sie ihn, nachdem Sie die Spieldateien mit ihren .bak-Kopien verglichen haben</translation>
    </message>
    <message>
        <source>an empty name</source>
        <extracomment>Follows &quot;the commit record names &quot;FILE&quot;, &quot;.</extracomment>
        <translation>einen leeren Namen</translation>
    </message>
    <message>
        <source>which lies outside the game folder</source>
        <translation>das außerhalb des Spielordners liegt</translation>
    </message>
    <message>
        <source>which leads out of the game folder</source>
        <translation>das aus dem Spielordner hinausführt</translation>
    </message>
    <message>
        <source>which is not a plain name of a game file</source>
        <translation>das kein einfacher Name einer Spieldatei ist</translation>
    </message>
    <message>
        <source>which is a backup, and recovery never touches a backup</source>
        <translation>das eine Sicherung ist, und die Wiederherstellung rührt nie eine Sicherung an</translation>
    </message>
    <message>
        <source>which is the commit record itself</source>
        <translation>das der Änderungseintrag selbst ist</translation>
    </message>
    <message>
        <source>which is not a game file this program writes</source>
        <translation>das keine Spieldatei ist, die dieses Programm schreibt</translation>
    </message>
    <message>
        <source>which lies behind a link that leads out of the game folder</source>
        <translation>das hinter einer Verknüpfung liegt, die aus dem Spielordner hinausführt</translation>
    </message>
    <message>
        <source>which is a link, where the interrupted command created a file</source>
        <translation>das eine Verknüpfung ist, wo der unterbrochene Befehl eine Datei angelegt hat</translation>
    </message>
    <message>
        <source>which is a link to %1, not to a game file</source>
        <translation>das eine Verknüpfung auf %1 ist, nicht auf eine Spieldatei</translation>
    </message>
    <message>
        <source>which is a link to nowhere, not to a game file</source>
        <translation>das eine Verknüpfung ins Leere ist, nicht auf eine Spieldatei</translation>
    </message>
    <message>
        <source>but it is no regular file</source>
        <extracomment>Follows &quot;the commit record changes &quot;FILE&quot; in place, &quot;.</extracomment>
        <translation>aber sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>but it shares its bytes with another file (a hard link)</source>
        <translation>aber sie teilt ihre Bytes mit einer anderen Datei (ein harter Link)</translation>
    </message>
    <message>
        <source>beyond its end</source>
        <translation>hinter ihrem Ende</translation>
    </message>
    <message>
        <source>by more bytes than a commit changes in place</source>
        <translation>um mehr Bytes, als eine Änderung an Ort und Stelle umfasst</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>A list of files follows, one a line.</extracomment>
        <translation>Der Editor wurde angehalten, während er die Spieldateien änderte. Die Änderung wurde jetzt abgeschlossen in:</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>%1 is the name of the program that was stopped (psnedit). A list of files follows.</extracomment>
        <translation>Das Programm %1 wurde angehalten, während es die Spieldateien änderte. Die Änderung wurde jetzt abgeschlossen in:</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>The record does not say which program was stopped. A list of files follows.</extracomment>
        <translation>Ein Programm wurde angehalten, während es die Spieldateien änderte. Die Änderung wurde jetzt abgeschlossen in:</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Der Editor wurde angehalten, während er die Spieldateien änderte. Diese Dateien wurden in ihren vorigen Zustand zurückversetzt:</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Das Programm %1 wurde angehalten, während es die Spieldateien änderte. Diese Dateien wurden in ihren vorigen Zustand zurückversetzt:</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Ein Programm wurde angehalten, während es die Spieldateien änderte. Diese Dateien wurden in ihren vorigen Zustand zurückversetzt:</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <extracomment>The file ends before the picture is complete.</extracomment>
        <translation>Lesefehler im Datenstrom</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Die Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 bytes.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>A bitmap the user chose; %1 is its path.</extracomment>
        <translation>„%1“ ist zu groß: %2 Bytes.

Wählen Sie eine andere Datei, oder speichern Sie das Bild erneut als BMP-Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a BMP bitmap.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>„%1“ ist keine BMP-Bitmap.

Wählen Sie eine andere Datei, oder speichern Sie das Bild erneut als BMP-Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 x %3 pixels. The editor takes pictures of at most %4 pixels a side and %5 pixels in all.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>„%1“ ist zu groß: %2 x %3 Pixel. Der Editor nimmt Bilder von höchstens %4 Pixeln Seitenlänge und %5 Pixeln insgesamt.

Wählen Sie eine andere Datei, oder speichern Sie das Bild erneut als BMP-Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: %2.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>%2 is the image reader&apos;s own words.</extracomment>
        <translation>„%1“ ist beschädigt: %2.

Wählen Sie eine andere Datei, oder speichern Sie das Bild erneut als BMP-Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: it ends before its last row (%2 of %3 bytes).

Choose another file, or save the picture again as a BMP file.</source>
        <translation>„%1“ ist beschädigt: Die Datei endet vor ihrer letzten Zeile (%2 von %3 Bytes).

Wählen Sie eine andere Datei, oder speichern Sie das Bild erneut als BMP-Datei.</translation>
    </message>
    <message>
        <source>The patch list %1 is missing.</source>
        <extracomment>%1 is the patch list&apos;s file name.</extracomment>
        <translation>Die Patchliste %1 fehlt.</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged.</source>
        <translation>Die Patchliste %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit the game executable.</source>
        <translation>Die Patchliste %1 passt nicht zum Programm des Spiels.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit this game: its record %2 (offset %3h) expects the byte %4h or %5h there, but the game executable holds %6h. Nothing was written. Put the patch list made for your game into the editor&apos;s DATA folder in place of the shipped one.</source>
        <extracomment>%2 counts the list&apos;s records from 1; %3 to %6 are hexadecimal.</extracomment>
        <translation>Die Patchliste %1 passt nicht zu diesem Spiel: Ihr Eintrag %2 (Offset %3h) erwartet dort das Byte %4h oder %5h, aber das Programm des Spiels enthält %6h. Es wurde nichts geschrieben. Legen Sie die für Ihr Spiel gemachte Patchliste anstelle der mitgelieferten in den DATA-Ordner des Editors.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1!</source>
        <translation>Die Datendatei %1 kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>The data file %1 is empty!</source>
        <translation>Die Datendatei %1 ist leer!</translation>
    </message>
    <message>
        <source>The data file %1 does not fit into the game executable!</source>
        <translation>Die Datendatei %1 passt nicht in das Programm des Spiels!</translation>
    </message>
    <message>
        <source>Cannot open the cockpit data file %1!</source>
        <translation>Die Cockpit-Datendatei %1 kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Cannot read the cockpit data file %1!</source>
        <translation>Die Cockpit-Datendatei %1 kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>The cockpit data file ends after line %1; it needs %2 lines.</source>
        <translation>Die Cockpit-Datendatei endet nach Zeile %1; sie braucht %2 Zeilen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>The cockpit data file %1 cannot be used:
%2
Nothing was changed.</source>
        <extracomment>%2 is what is wrong, a sentence of its own.</extracomment>
        <translation>Die Cockpit-Datendatei %1 kann nicht verwendet werden:
%2
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1
The track data&apos;s original values could not be added to the original data; the editor tries again when it next reads the track files.</source>
        <extracomment>%1 names a file and why it could not be written.</extracomment>
        <translation>%1
Die ursprünglichen Werte der Streckendaten konnten den Originaldaten nicht hinzugefügt werden; der Editor versucht es erneut, wenn er die Streckendateien das nächste Mal liest.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be read: %2: %3.</source>
        <extracomment>%1 is the season&apos;s name, %2 its file, %3 why it cannot be read.</extracomment>
        <translation>Die Saison „%1“ kann nicht gelesen werden: %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was kept or switched.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>%1: %2. Es wurde nichts aufbewahrt oder gewechselt.</translation>
    </message>
    <message>
        <source>is a link to %1, which is no game file</source>
        <translation>ist eine Verknüpfung auf %1, das keine Spieldatei ist</translation>
    </message>
    <message>
        <source>The stored copy of %1 %2 %3. It was not used; keep the season again from a game that holds it.</source>
        <extracomment>%1 is a game file&apos;s name, %2 where its copy is kept, %3 a reason that starts with a verb.</extracomment>
        <translation>Die aufbewahrte Kopie von %1 (%2) %3. Sie wurde nicht verwendet; bewahren Sie die Saison erneut aus einem Spiel auf, das sie enthält.</translation>
    </message>
    <message>
        <source>is damaged: its bytes no longer match their hash</source>
        <translation>ist beschädigt: ihre Bytes passen nicht mehr zu ihrer Prüfsumme</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The track data of these track files could not be read:

%1

Their track data is left out and nothing is written into them. Everything else works, but the Track editor, &quot;Import all data&quot; and &quot;Export all data&quot; need every track file: replace the damaged ones first (&quot;Install original tracks&quot; in the Track manager copies them from the game CD).</source>
        <extracomment>%1 lists the track files, one a line, each with what is wrong with it.</extracomment>
        <translation>Die Streckendaten dieser Streckendateien konnten nicht gelesen werden:

%1

Ihre Streckendaten bleiben außen vor, und nichts wird in sie geschrieben. Alles andere funktioniert, aber der Streckeneditor, „Alle Daten importieren“ und „Alle Daten exportieren“ brauchen jede Streckendatei: Ersetzen Sie zuerst die beschädigten („Originalstrecken installieren“ in der Streckenverwaltung kopiert sie von der Spiel-CD).</translation>
    </message>
    <message>
        <source>the file is missing.</source>
        <translation>die Datei fehlt.</translation>
    </message>
    <message>
        <source>the file %1.</source>
        <extracomment>%1 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>die Datei %1.</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1.</source>
        <translation>die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>the file is cut short: it holds only %1 bytes, too few for its set-up pointer.</source>
        <translation>die Datei ist abgeschnitten: sie enthält nur %1 Bytes, zu wenige für ihren Set-up-Zeiger.</translation>
    </message>
    <message>
        <source>the file is cut short or damaged: its car set-up block lies beyond its end (it holds only %1 bytes).</source>
        <translation>die Datei ist abgeschnitten oder beschädigt: ihr Block mit der Wagenabstimmung liegt hinter ihrem Ende (sie enthält nur %1 Bytes).</translation>
    </message>
    <message>
        <source>reading the file failed.</source>
        <translation>das Lesen der Datei schlug fehl.</translation>
    </message>
    <message>
        <source>The track file %1 was left as it was: the record holds no track data for it (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 is a track file&apos;s name.</extracomment>
        <translation>Die Streckendatei %1 blieb unverändert: Der Datensatz enthält keine Streckendaten für sie (eine Einstellungsdatei, die gespeichert wurde, bevor die Streckendaten gelesen wurden, enthält keine).</translation>
    </message>
    <message>
        <source>The track files %1 and %2 were left as they were: the record holds no track data for them (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 lists track files&apos; names with commas, %2 is the last of them.</extracomment>
        <translation>Die Streckendateien %1 und %2 blieben unverändert: Der Datensatz enthält keine Streckendaten für sie (eine Einstellungsdatei, die gespeichert wurde, bevor die Streckendaten gelesen wurden, enthält keine).</translation>
    </message>
    <message>
        <source>A season &quot;%1&quot; exists already; choose another name or delete it first.</source>
        <translation>Eine Saison „%1“ gibt es bereits; wählen Sie einen anderen Namen oder löschen Sie sie zuerst.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; was kept from the edition &quot;%2&quot;, but the game in %3 is the edition &quot;%4&quot;. Nothing was switched.</source>
        <extracomment>%2 and %4 are editions&apos; names, %3 the game&apos;s folder.</extracomment>
        <translation>Die Saison „%1“ wurde von der Edition „%2“ aufbewahrt, aber das Spiel in %3 ist die Edition „%4“. Es wurde nichts umgeschaltet.</translation>
    </message>
    <message>
        <source>%1: holds no game executable of a known edition (PSN.EXE). Give the folder the game is installed in.</source>
        <translation>%1: enthält keine ausführbare Datei des Spiels in einer bekannten Edition (PSN.EXE). Geben Sie den Ordner an, in dem das Spiel installiert ist.</translation>
    </message>
    <message>
        <source>APPDATA names no folder for the editor&apos;s own files. Start the editor from an editor folder (one that holds DATA), or sign in as a user with a profile.</source>
        <translation>APPDATA nennt keinen Ordner für die eigenen Dateien des Editors. Starten Sie den Editor aus einem Editorordner (einem, der DATA enthält), oder melden Sie sich als Benutzer mit einem Profil an.</translation>
    </message>
    <message>
        <source>Neither XDG_DATA_HOME nor HOME names a folder for the editor&apos;s own files. Set HOME, or start the editor from an editor folder (one that holds DATA).</source>
        <translation>Weder XDG_DATA_HOME noch HOME nennt einen Ordner für die eigenen Dateien des Editors. Setzen Sie HOME oder starten Sie den Editor aus einem Editorordner (einem, der DATA enthält).</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;</source>
        <translation>Der Ordner „%1“ kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot list the installed data in &apos;%1&apos;</source>
        <translation>Die installierten Daten in „%1“ können nicht aufgelistet werden</translation>
    </message>
    <message>
        <source>Cannot read the installed file &apos;%1&apos;</source>
        <translation>Die installierte Datei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot update &apos;%1&apos;</source>
        <translation>„%1“ kann nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>Cannot copy the installed data into &apos;%1&apos;</source>
        <translation>Die installierten Daten können nicht nach „%1“ kopiert werden</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>„%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot prepare the editor folder &apos;%1&apos;</source>
        <translation>Der Editorordner „%1“ kann nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>%1. Check that the folder can be written to and that the disk has room, then start the editor again.</source>
        <extracomment>%1 says what could not be done, naming the file or folder.</extracomment>
        <translation>%1. Prüfen Sie, ob in den Ordner geschrieben werden kann und ob auf dem Datenträger Platz ist, und starten Sie den Editor dann erneut.</translation>
    </message>
    <message>
        <source>Cannot enter the editor folder &apos;%1&apos;. Check that it can be read.</source>
        <translation>Der Editorordner „%1“ kann nicht betreten werden. Prüfen Sie, ob er gelesen werden kann.</translation>
    </message>
    <message>
        <source>There is no season &quot;%1&quot;; &apos;psnedit season list&apos; shows the seasons kept.</source>
        <translation>Es gibt keine Saison „%1“; „psnedit season list“ zeigt die aufbewahrten Saisons.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is damaged: %2 holds another season.</source>
        <extracomment>%2 is the season&apos;s file in the store.</extracomment>
        <translation>Die Saison „%1“ ist beschädigt: %2 enthält eine andere Saison.</translation>
    </message>
    <message>
        <source>a season needs a name</source>
        <translation>eine Saison braucht einen Namen</translation>
    </message>
    <message>
        <source>a season&apos;s name has at most %1 characters</source>
        <translation>der Name einer Saison hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a season&apos;s name holds no line breaks or control characters</source>
        <translation>der Name einer Saison enthält keine Zeilenumbrüche oder Steuerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the name typed, %2 what is wrong with it.</extracomment>
        <translation>„%1“: %2.</translation>
    </message>
    <message>
        <source>A season&apos;s description has at most %1 characters.</source>
        <translation>Die Beschreibung einer Saison hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The season store could not be written: %1: %2. Nothing was kept.</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Der Saisonspeicher konnte nicht geschrieben werden: %1: %2. Nichts wurde aufbewahrt.</translation>
    </message>
    <message>
        <source>The season store %1 cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 the reason.</extracomment>
        <translation>Der Saisonspeicher %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>The season store is in use by another program: %1</source>
        <extracomment>%1 says which program holds it.</extracomment>
        <translation>Der Saisonspeicher wird von einem anderen Programm benutzt: %1</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; names %2, whose bytes are not in the store.</source>
        <extracomment>%2 is a game file&apos;s name.</extracomment>
        <translation>Die Saison „%1“ nennt %2, dessen Bytes nicht im Speicher sind.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be deleted: %2: %3.</source>
        <extracomment>%2 is a file, %3 the system&apos;s reason.</extracomment>
        <translation>Die Saison „%1“ kann nicht gelöscht werden: %2: %3.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; holds a %2 that %3. Nothing was switched.</source>
        <extracomment>%2 is a game file&apos;s name, %3 what is wrong with it.</extracomment>
        <translation>Die Saison „%1“ enthält eine Datei %2, doch diese %3. Nichts wurde umgeschaltet.</translation>
    </message>
    <message>
        <source>%1: is no season manifest: line %2 %3.</source>
        <extracomment>%1 is a file, %2 a line number, %3 what is wrong with that line.</extracomment>
        <translation>%1: ist kein Saisonmanifest: Zeile %2 %3.</translation>
    </message>
    <message>
        <source>%1: does not hold the season its name says</source>
        <translation>%1: enthält nicht die Saison, die sein Name nennt</translation>
    </message>
    <message>
        <source>follows the end</source>
        <translation>folgt auf das Ende</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;</source>
        <translation>ist nicht „%1“</translation>
    </message>
    <message>
        <source>names no season: %1</source>
        <translation>nennt keine Saison: %1</translation>
    </message>
    <message>
        <source>names an edition that does not exist (%1)</source>
        <translation>nennt eine Edition, die es nicht gibt (%1)</translation>
    </message>
    <message>
        <source>holds a description that cannot be read</source>
        <translation>enthält eine Beschreibung, die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>is no file entry</source>
        <translation>ist kein Dateieintrag</translation>
    </message>
    <message>
        <source>names a file larger than any of the game</source>
        <translation>nennt eine Datei, die größer ist als jede des Spiels</translation>
    </message>
    <message>
        <source>names %1, which is no game file of a season</source>
        <translation>nennt %1, das keine Spieldatei einer Saison ist</translation>
    </message>
    <message>
        <source>names %1 a second time</source>
        <translation>nennt %1 ein zweites Mal</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>enthält „%1“</translation>
    </message>
    <message>
        <source>is missing: the manifest ends early</source>
        <translation>fehlt: das Manifest endet zu früh</translation>
    </message>
    <message>
        <source>is missing: a season holds the game&apos;s executable</source>
        <translation>fehlt: eine Saison enthält die ausführbare Datei des Spiels</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 what is wrong with it.</extracomment>
        <translation>%1: %2. Nichts wurde importiert.</translation>
    </message>
    <message>
        <source>%1: the entry &quot;%2&quot; %3. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 an entry in it, %3 what is wrong with that entry.</extracomment>
        <translation>%1: der Eintrag „%2“ %3. Nichts wurde importiert.</translation>
    </message>
    <message>
        <source>%1: a change of the game files was interrupted; let psnedit or the editor complete it first. Nothing was imported.</source>
        <translation>%1: eine Änderung der Spieldateien wurde unterbrochen; lassen Sie sie zuerst von psnedit oder dem Editor abschließen. Nichts wurde importiert.</translation>
    </message>
    <message>
        <source>the archive is damaged or truncated</source>
        <translation>das Archiv ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>is no ZIP or 7z archive (%1)</source>
        <translation>ist kein ZIP- oder 7z-Archiv (%1)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The season file cannot be written: %1.</source>
        <translation>Die Saisondatei kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>hat keinen Namen</translation>
    </message>
    <message>
        <source>has an absolute name</source>
        <translation>hat einen absoluten Namen</translation>
    </message>
    <message>
        <source>names a drive</source>
        <translation>nennt ein Laufwerk</translation>
    </message>
    <message>
        <source>holds a backslash, which may name another folder on another system</source>
        <translation>enthält einen Backslash, der auf einem anderen System einen anderen Ordner nennen kann</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>leads out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>führt aus dem Ordner des Archivs hinaus („..“)</translation>
    </message>
    <message>
        <source>is a link or a device, not a plain file</source>
        <translation>ist ein Link oder ein Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>comes twice</source>
        <translation>kommt zweimal vor</translation>
    </message>
    <message>
        <source>is one entry too many: a season has no more than %1 files</source>
        <translation>ist ein Eintrag zu viel: eine Saison hat nicht mehr als %1 Dateien</translation>
    </message>
    <message>
        <source>is larger than any file of the game (16 MiB)</source>
        <translation>ist größer als jede Datei des Spiels (16 MiB)</translation>
    </message>
    <message>
        <source>cannot be unpacked: %1</source>
        <translation>kann nicht entpackt werden: %1</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than 256 MiB</source>
        <translation>lässt das Archiv auf mehr als 256 MiB anwachsen</translation>
    </message>
    <message>
        <source>is missing, though the manifest names it</source>
        <translation>fehlt, obwohl das Manifest ihn nennt</translation>
    </message>
    <message>
        <source>does not match the hash its manifest gives</source>
        <translation>passt nicht zum Hash, den sein Manifest angibt</translation>
    </message>
    <message>
        <source>is not named by the manifest</source>
        <translation>wird vom Manifest nicht genannt</translation>
    </message>
    <message>
        <source>is a second settings file beside &quot;%1&quot;</source>
        <translation>ist eine zweite Einstellungsdatei neben „%1“</translation>
    </message>
    <message>
        <source>is not a settings file: it is not 2846 bytes long</source>
        <translation>ist keine Einstellungsdatei: er ist nicht 2846 Bytes lang</translation>
    </message>
    <message>
        <source>is a second %1</source>
        <extracomment>%1 is a game file&apos;s name.</extracomment>
        <translation>ist eine zweite Datei %1</translation>
    </message>
    <message>
        <source>holds no game file a season holds and no settings file</source>
        <translation>enthält weder eine Spieldatei, die eine Saison enthält, noch eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>is a pack of loose files, which needs a game to take the rest from</source>
        <translation>ist ein Paket loser Dateien, das ein Spiel braucht, aus dem der Rest genommen wird</translation>
    </message>
    <message>
        <source>%1: holds no game executable that can be read.</source>
        <translation>%1: enthält keine ausführbare Datei des Spiels, die gelesen werden kann.</translation>
    </message>
    <message>
        <source>The game&apos;s executable cannot be read.</source>
        <translation>Die ausführbare Datei des Spiels kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>psn::Pictures</name>
    <message>
        <source>en</source>
        <comment>the language code of the windows&apos; language</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>psn::QtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Unsaved settings</source>
        <translation>Nicht gespeicherte Einstellungen</translation>
    </message>
</context>
<context>
    <name>psn::RecordSteps</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>psn::SettingsCommands</name>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>All settings files</source>
        <translation>Alle Einstellungsdateien</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Beschreibung der Einstellungen</translation>
    </message>
    <message>
        <source>Load settings %1</source>
        <translation>Einstellungen laden: %1</translation>
    </message>
    <message>
        <source>Cannot create the settings file &apos;%1&apos;.
%2</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht angelegt werden.
%2</translation>
    </message>
    <message>
        <source>%1. Nothing was loaded; check that the file exists and that you may read it.</source>
        <translation>%1. Es wurde nichts geladen; prüfen Sie, ob die Datei existiert und ob Sie sie lesen dürfen.</translation>
    </message>
</context>
<context>
    <name>psn::Steps</name>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 and %3 more</source>
        <translation>%1: %2 und %3 weitere</translation>
    </message>
</context>
<context>
    <name>psn::TCColorsForm</name>
    <message>
        <source>Cockpit colors</source>
        <translation>Cockpitfarben</translation>
    </message>
</context>
<context>
    <name>psn::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Fahrzeugabstimmung</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Fahrzeuggewicht </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Gewicht des Spielerwagens</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Gewicht der Computerwagen</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Gekoppelt</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> Drehzahl-LEDs </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(Farben nur mit den Original-Cockpits)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Benzin </translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Benzin zu Beginn des Trainings</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Initial qualifing fuel load</source>
        <translation>Benzin zu Beginn der Qualifikation</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>Benzinmenge der Gegner zeigen</translation>
    </message>
    <message>
        <source>player&apos;s car performance depends on selected team</source>
        <translation>Leistung des Spielerwagens hängt vom gewählten Team ab</translation>
    </message>
    <message>
        <source>real F1 best time/split info - compares to current best of session</source>
        <translation>echte F1-Bestzeit/Zwischenzeit - Vergleich mit der aktuellen Bestzeit der Sitzung</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Daten aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Daten ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originaldaten wiederherstellen</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
</context>
<context>
    <name>psn::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Kameraeditor</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Kamera wählen </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Kamera %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Standardansicht </translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>X-Achse</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Abstand zur </translation>
    </message>
    <message>
        <source> centre of car   </source>
        <translation> Wagenmitte   </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Y-Achse</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Z-Achse</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Höhe </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Winkel </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Img. tunning</source>
        <translation>Bildabstimmung</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Wert 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Wert 2 </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Daten aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Daten ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originaldaten wiederherstellen</translation>
    </message>
</context>
<context>
    <name>psn::TCompareForm</name>
    <message>
        <source>Compare with game</source>
        <translation>Mit dem Spiel vergleichen</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Differences between the settings and the game</source>
        <translation>Unterschiede zwischen den Einstellungen und dem Spiel</translation>
    </message>
    <message>
        <source>Another program is changing the game; nothing was compared.</source>
        <translation>Ein anderes Programm ändert gerade das Spiel; es wurde nichts verglichen.</translation>
    </message>
    <message>
        <source>The game could not be read; nothing was compared.</source>
        <translation>Das Spiel konnte nicht gelesen werden; es wurde nichts verglichen.</translation>
    </message>
    <message>
        <source>The game executable could not be read; nothing was compared.</source>
        <translation>Die Programmdatei des Spiels konnte nicht gelesen werden; es wurde nichts verglichen.</translation>
    </message>
    <message>
        <source>The settings and the game agree in every field.</source>
        <translation>Die Einstellungen und das Spiel stimmen in jedem Feld überein.</translation>
    </message>
    <message>
        <source>%1 fields differ in %2 windows.</source>
        <translation>%1 Felder in %2 Fenstern weichen ab.</translation>
    </message>
    <message>
        <source> The track files are not all installed: the track set-ups were not read.</source>
        <translation> Nicht alle Streckendateien sind installiert: Die Streckenabstimmungen wurden nicht gelesen.</translation>
    </message>
    <message>
        <source> The track set-ups have not been read in this run and are not compared.</source>
        <translation> Die Streckenabstimmungen wurden in dieser Sitzung nicht gelesen und werden nicht verglichen.</translation>
    </message>
    <message>
        <source>%1 (open &quot;%2&quot;)</source>
        <translation>%1 (öffnen Sie „%2“)</translation>
    </message>
</context>
<context>
    <name>psn::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Beschreibung der Einstellungen</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>psn::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Motorleistung</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Team-Motor </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> PS </translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifikation</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Übrige Sitzungen</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Motor des Spielers</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>PS</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>um</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Zufällige Motorleistung</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Quali=Übrige</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Übrige=Quali</translation>
    </message>
</context>
<context>
    <name>psn::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Fahrzeugdefekte</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Team-Motor </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Wert </translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Gewählte Daten ändern</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>um</translation>
    </message>
</context>
<context>
    <name>psn::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Haftung der Computerwagen</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> 1. Fahrer </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> HAFTUNG </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> 2. Fahrer </translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Daten wählen</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifikation</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Übrige Sitzungen</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Zufälliger Haftungsbereich</translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Gewählte Haftungsdaten ändern</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>um</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Quali=Übrige</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Übrige=Quali</translation>
    </message>
</context>
<context>
    <name>psn::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Helme</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Fahrer </translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Helm als Bitmap speichern</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Helm aus Bitmap laden</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Alle Helme als Bitmap speichern</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Alle Helme aus Bitmap laden</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. It was not extracted from the game at start-up.

Use &quot;%1&quot; or &quot;%2&quot;.</source>
        <translation>Der Helmbogen ist nicht verfügbar. Er wurde beim Start nicht aus dem Spiel extrahiert.

Verwenden Sie „%1“ oder „%2“.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.

%1

Use &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>Der Helmbogen ist nicht verfügbar.

%1

Verwenden Sie „%2“ oder „%3“.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.</source>
        <translation>Der Helmbogen ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Nothing has been written into the game.</source>
        <translation>Der Helmbogen ist nicht verfügbar. Es wurde nichts ins Spiel geschrieben.</translation>
    </message>
</context>
<context>
    <name>psn::TIEForm</name>
    <message>
        <source>All data has been imported!</source>
        <translation>Alle Daten wurden importiert!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Alle Daten wurden exportiert!</translation>
    </message>
    <message>
        <source>Import data</source>
        <translation>Daten importieren</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Namen und Nummern</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Cockpitfarben</translation>
    </message>
    <message>
        <source>Aids</source>
        <translation>Fahrhilfen</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Alle Daten importieren</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Alle Daten exportieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>PSN.EXE file</source>
        <translation>Datei PSN.EXE</translation>
    </message>
    <message>
        <source>F1GPSTATE.SAV file</source>
        <translation>Datei F1GPSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>psn::TInstCForm</name>
    <message>
        <source>Cockpit manager</source>
        <translation>Cockpitverwaltung</translation>
    </message>
    <message>
        <source>&apos;97 cockpits</source>
        <translation>Cockpits &apos;97</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installieren!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Neues Cockpit installiert!</translation>
    </message>
    <message>
        <source>cockpit pack %1</source>
        <translation>Cockpitpaket %1</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Die Cockpitdatei kann nicht kopiert werden!</translation>
    </message>
</context>
<context>
    <name>psn::TInstCarSetForm</name>
    <message>
        <source>InstCarSetForm</source>
        <translation>Fahrzeugsatz installieren</translation>
    </message>
    <message>
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation>Fahrzeugsatz &apos;97 installieren (vorerst nur Lackierungen)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Neuer Fahrzeugsatz installiert!</translation>
    </message>
    <message>
        <source>car set</source>
        <translation>Fahrzeugsatz</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Die Dateien des Fahrzeugsatzes können nicht kopiert werden!</translation>
    </message>
</context>
<context>
    <name>psn::TJamForm</name>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>Die Bitmap wurde importiert!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>Die Bitmap wurde exportiert!</translation>
    </message>
    <message>
        <source>Car JAMs</source>
        <translation>Fahrzeug-JAMs</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Lackierungen </translation>
    </message>
    <message>
        <source> Avaiable teams </source>
        <translation> Verfügbare Teams </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Bitmap laden</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Als Bitmap speichern</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Bitmap-Datei laden</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Bitmap-Datei speichern</translation>
    </message>
</context>
<context>
    <name>psn::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Namen + Nummern</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Motorleistung</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Haftung Computerwagen</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Fahrzeugdefekte</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Fahrzeugabstimmung</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Fahrzeugnasen</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Boxengasse</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Cockpitfarben</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Farben der Boxencrew</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>Fahrzeug-JAMs</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Helme</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Cockpitverwaltung</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Streckenverwaltung</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Streckeneditor</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Car Sets</source>
        <translation>Fahrzeugsätze</translation>
    </message>
    <message>
        <source>Opens the %1 window</source>
        <translation>Öffnet das Fenster „%1“</translation>
    </message>
    <message>
        <source>Opens the track editor for the game&apos;s tracks</source>
        <translation>Öffnet den Streckeneditor für die Strecken des Spiels</translation>
    </message>
    <message>
        <source>Ends the editor</source>
        <translation>Beendet den Editor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>Einstellungen &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>Einstellungen &amp;speichern</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Einstellungen speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>&amp;Originaleinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Restore game files from &amp;backup…</source>
        <translation>Spieldateien aus der Sicherung &amp;zurückholen…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Beschreibung der Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Import/Export</translation>
    </message>
    <message>
        <source>&amp;Compare with game…</source>
        <translation>Mit dem Spiel &amp;vergleichen…</translation>
    </message>
    <message>
        <source>I&amp;nstall car set…</source>
        <translation>Fahrzeug&amp;satz installieren…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>The settings kept from the last run in &apos;%1&apos; cannot be read, so they were not brought back. The file was kept as &apos;%2&apos;.</source>
        <translation>Die aus dem letzten Lauf aufbewahrten Einstellungen in &apos;%1&apos; können nicht gelesen werden und wurden daher nicht zurückgeholt. Die Datei wurde als &apos;%2&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>The editor did not end normally last time, and settings edited then were not saved. Press OK to bring them back (Undo takes them back again), or Cancel to discard them.

%1</source>
        <translation>Der Editor wurde beim letzten Mal nicht normal beendet, und die damals bearbeiteten Einstellungen wurden nicht gespeichert. Drücken Sie OK, um sie zurückzuholen (Rückgängig nimmt sie wieder zurück), oder Abbrechen, um sie zu verwerfen.

%1</translation>
    </message>
    <message>
        <source>Bring back unsaved settings</source>
        <translation>Nicht gespeicherte Einstellungen zurückholen</translation>
    </message>
    <message>
        <source>The settings have been changed since they were last read from or written to the game or a settings file. Save them before the editor closes?</source>
        <translation>Die Einstellungen wurden geändert, seit sie zuletzt aus dem Spiel oder einer Einstellungsdatei gelesen oder dorthin geschrieben wurden. Vor dem Schließen des Editors speichern?</translation>
    </message>
    <message>
        <source>S&amp;easons…</source>
        <translation>Sais&amp;ons…</translation>
    </message>
    <message>
        <source>The editor is already running in %1. This window works as usual, but only the other one keeps unsaved settings for the case that it does not end normally: save your settings to a file before you close this window.</source>
        <translation>Der Editor läuft bereits in %1. Dieses Fenster arbeitet wie gewohnt, aber nur das andere bewahrt ungespeicherte Einstellungen für den Fall auf, dass es nicht normal endet: Speichern Sie Ihre Einstellungen in einer Datei, bevor Sie dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>%1

Your game&apos;s original values could not be kept, so &quot;Restore original data&quot; cannot bring them back. The editor tries again at its next start; make the file writable or free some space.</source>
        <translation>%1

Die ursprünglichen Werte Ihres Spiels konnten nicht aufbewahrt werden, daher kann „Originaldaten wiederherstellen“ sie nicht zurückholen. Der Editor versucht es beim nächsten Start noch einmal; machen Sie die Datei beschreibbar oder schaffen Sie Platz.</translation>
    </message>
    <message>
        <source>%1

The editor&apos;s settings (where the game is) could not be saved; at its next start the editor asks for the game again.</source>
        <translation>%1

Die Einstellungen des Editors (wo das Spiel liegt) konnten nicht gespeichert werden; beim nächsten Start fragt der Editor erneut nach dem Spiel.</translation>
    </message>
</context>
<context>
    <name>psn::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Namen und Nummern</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Team-Motor </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Teamname</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Motorname</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Name des 1. Fahrers</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Name des 2. Fahrers</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>First driver - &apos;0&apos;</source>
        <translation>Erster Fahrer - &apos;0&apos;</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Gewählte </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   Fahrer </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1. </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
</context>
<context>
    <name>psn::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Fahrzeugnasen </translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Rennställe </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Fahrzeugnasen</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>tief</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Daten aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Daten ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originaldaten wiederherstellen</translation>
    </message>
</context>
<context>
    <name>psn::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Farben der Boxencrew</translation>
    </message>
</context>
<context>
    <name>psn::TPathForm</name>
    <message>
        <source>PathForm</source>
        <translation>Spiel suchen</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your hard disk</source>
        <translation>Datei psn.exe auf der Festplatte suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Locate psn.exe file</source>
        <translation>Datei psn.exe suchen</translation>
    </message>
</context>
<context>
    <name>psn::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Einstellungen der Boxengasse</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Boxenreihenfolge </translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>Boxeneinfahrt</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>Boxenausfahrt</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Tempo in der Boxengasse </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Höchsttempo in der Boxengasse</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Tempo in der Boxengasse überwachen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Daten aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Daten ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originaldaten wiederherstellen</translation>
    </message>
    <message>
        <source>%1 kph</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mph</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Gesichert</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Against the game now</source>
        <translation>Gegenüber dem Spiel jetzt</translation>
    </message>
    <message>
        <source>Seasons kept</source>
        <translation>Gesicherte Saisons</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Keep the game as a season</source>
        <translation>Spiel als Saison &amp;sichern</translation>
    </message>
    <message>
        <source>&amp;Switch to season…</source>
        <translation>Zu Saison &amp;wechseln…</translation>
    </message>
    <message>
        <source>&amp;Rename to the name above</source>
        <translation>In den obigen Namen &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Import season…</source>
        <translation>Saison &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export season…</source>
        <translation>Saison e&amp;xportieren…</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The game could not be read: %1</source>
        <translation>Das Spiel konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>nicht verglichen</translation>
    </message>
    <message>
        <source>the same as the game</source>
        <translation>wie das Spiel</translation>
    </message>
    <message>
        <source>files that differ: %1</source>
        <translation>abweichende Dateien: %1</translation>
    </message>
    <message>
        <source>another edition</source>
        <translation>andere Ausgabe</translation>
    </message>
    <message>
        <source>Seasons kept: %1</source>
        <translation>Gesicherte Saisons: %1</translation>
    </message>
    <message>
        <source>Damaged seasons left out: %1</source>
        <translation>Beschädigte Saisons ausgelassen: %1</translation>
    </message>
    <message>
        <source>Type the new season&apos;s name into the name field first.</source>
        <translation>Geben Sie zuerst den Namen der neuen Saison in das Namensfeld ein.</translation>
    </message>
    <message>
        <source>The game is kept as the season &quot;%1&quot;.</source>
        <translation>Das Spiel ist als Saison „%1“ gesichert.</translation>
    </message>
    <message>
        <source>The game is that season already.</source>
        <translation>Das Spiel ist bereits diese Saison.</translation>
    </message>
    <message>
        <source>… and more settings: %1</source>
        <translation>… und weitere Einstellungen: %1</translation>
    </message>
    <message>
        <source>Switch the game to the season &quot;%1&quot;? These change:

%2

The game as it is now is kept as a season first.</source>
        <translation>Das Spiel auf die Saison „%1“ umstellen? Es ändert sich:

%2

Das Spiel, wie es jetzt ist, wird zuvor als Saison gesichert.</translation>
    </message>
    <message>
        <source>Switch to season</source>
        <translation>Saison wechseln</translation>
    </message>
    <message>
        <source>The game is now the season &quot;%1&quot;. The game as it was is kept as the season &quot;%2&quot;.</source>
        <translation>Das Spiel ist jetzt die Saison „%1“. Das Spiel, wie es war, ist als Saison „%2“ gesichert.</translation>
    </message>
    <message>
        <source>Export season</source>
        <translation>Saison exportieren</translation>
    </message>
    <message>
        <source>Season files|*.psnseason</source>
        <translation>Saisondateien|*.psnseason</translation>
    </message>
    <message>
        <source>The season is exported to %1.</source>
        <translation>Die Saison ist nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Import season</source>
        <translation>Saison importieren</translation>
    </message>
    <message>
        <source>Season files and packs|*.psnseason;*.zip;*.7z</source>
        <translation>Saisondateien und Pakete|*.psnseason;*.zip;*.7z</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is imported.</source>
        <translation>Die Saison „%1“ ist importiert.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Ausgelassen:</translation>
    </message>
    <message>
        <source>Type the new name into the name field first.</source>
        <translation>Geben Sie zuerst den neuen Namen in das Namensfeld ein.</translation>
    </message>
    <message>
        <source>Delete the season &quot;%1&quot;?</source>
        <translation>Die Saison „%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>psn::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Daten werden geladen...</translation>
    </message>
</context>
<context>
    <name>psn::TTrackEdForm</name>
    <message>
        <source>Track editor</source>
        <translation>Streckeneditor</translation>
    </message>
    <message>
        <source> Grand Prix races</source>
        <translation> Grand-Prix-Rennen</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Strecke %1</translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Abstimmung der Computerwagen </translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Frontflügel</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Heckflügel</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>GETRIEBE</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Weitere Werte der Strecke </translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Benzinverbrauch</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Reifenverschleiß</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Reifenmischung</translation>
    </message>
    <message>
        <source>Tyre - &quot;A&quot;</source>
        <translation>Reifen - &quot;A&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;B&quot;</source>
        <translation>Reifen - &quot;B&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;C&quot;</source>
        <translation>Reifen - &quot;C&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;D&quot;</source>
        <translation>Reifen - &quot;D&quot;</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Daten ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Daten aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originaldaten wiederherstellen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>Die Streckendaten wurden exportiert!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>Die Streckendaten wurden importiert!</translation>
    </message>
</context>
<context>
    <name>psn::Tinsttform</name>
    <message>
        <source>Track manager</source>
        <translation>Streckenverwaltung</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Originalstrecken installieren</translation>
    </message>
    <message>
        <source>Install Valmont track</source>
        <translation>Strecke Valmont installieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Originalstrecken installiert!</translation>
    </message>
    <message>
        <source>Track installed!</source>
        <translation>Strecke installiert!</translation>
    </message>
    <message>
        <source>original track pack</source>
        <translation>Paket der Originalstrecken</translation>
    </message>
    <message>
        <source>Valmont track pack</source>
        <translation>Valmont-Streckenpaket</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Die Streckendatei kann nicht kopiert werden!</translation>
    </message>
</context>
<context>
    <name>psn::TrackInstall</name>
    <message>
        <source>The %1 in the editor&apos;s DATA folder is a sample made for the editor&apos;s sample game, not for the game in %2, so nothing was installed.

Put the real pack&apos;s files (%3) into %4 in place of the samples.</source>
        <translation>Die Dateien für „%1“ im DATA-Ordner des Editors sind ein Muster für das Beispielspiel des Editors, nicht für das Spiel in %2, daher wurde nichts installiert.

Legen Sie die Dateien des echten Pakets (%3) anstelle der Muster in %4.</translation>
    </message>
    <message>
        <source>Not every track file could be copied from the CD!
%1</source>
        <extracomment>%1 is the file that could not be copied and why.</extracomment>
        <translation>Nicht alle Streckendateien konnten von der CD kopiert werden!
%1</translation>
    </message>
    <message>
        <source>Put &quot;Pistonia&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
        <translation>Legen Sie die CD „Pistonia“ in das CD-Laufwerk und klicken Sie auf „OK“, wenn Sie bereit sind!</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>Sie haben die Streckendateien nicht auf Ihrer Festplatte installiert. Sie brauchen sie, um mit dem Streckeneditor zu arbeiten. Möchten Sie sie jetzt installieren?</translation>
    </message>
    <message>
        <source>The track files are not all installed in the CIRCUITS folder of the game, so the track editor cannot be opened.</source>
        <translation>Die Streckendateien sind nicht alle im Ordner CIRCUITS des Spiels installiert, daher kann der Streckeneditor nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your PSN CD</source>
        <translation>Datei psn.exe auf Ihrer PSN-CD suchen</translation>
    </message>
</context>
<context>
    <name>psn::UserBitmap</name>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>„%1“ hat eigene Farben: Seine Farben wurden den 256 Farben des Helmbogens angeglichen, jeweils die nächstliegende.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>„%1“ hat eigene Farben: Seine Farben wurden den 256 Farben der Lackierung angeglichen, jeweils die nächstliegende.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>„%1“ hat %2 Bit pro Pixel: Seine Farben wurden den 256 Farben des Helmbogens angeglichen, jeweils die nächstliegende.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>„%1“ hat %2 Bit pro Pixel: Seine Farben wurden den 256 Farben der Lackierung angeglichen, jeweils die nächstliegende.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the helmet sheet does not hold and took the nearest.</source>
        <translation>%1 seiner %2 Pixel hatten eine Farbe, die der Helmbogen nicht enthält, und erhielten die nächstliegende.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the car painting does not hold and took the nearest.</source>
        <translation>%1 seiner %2 Pixel hatten eine Farbe, die die Lackierung nicht enthält, und erhielten die nächstliegende.</translation>
    </message>
</context>
<context>
    <name>psn::WindowTransfers</name>
    <message>
        <source>Data has been imported!</source>
        <translation>Die Daten wurden importiert!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Die Daten wurden exportiert!</translation>
    </message>
</context>
</TS>
