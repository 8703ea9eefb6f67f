<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>psn::Accessibility</name>
    <message>
        <source>picture</source>
        <translation>afbeelding</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>keuze</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lijst</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>schuifregelaar</translation>
    </message>
    <message>
        <source>button</source>
        <translation>knop</translation>
    </message>
    <message>
        <source>value</source>
        <translation>waarde</translation>
    </message>
    <message>
        <source>A picture of the %1</source>
        <translation>Een afbeelding: %1</translation>
    </message>
</context>
<context>
    <name>psn::BackupRestore</name>
    <message>
        <source>There are no backups (.bak files) of game files in %1. The editor makes one of each game file before it first changes it.</source>
        <translation>In %1 zijn geen reservekopieën (.bak-bestanden) van spelbestanden. De editor maakt er een van elk spelbestand voordat hij het voor het eerst wijzigt.</translation>
    </message>
    <message>
        <source>%1  (backup of %2)</source>
        <translation>%1  (reservekopie van %2)</translation>
    </message>
    <message>
        <source>Restore game files from backup</source>
        <translation>Spelbestanden uit reservekopie terugzetten</translation>
    </message>
    <message>
        <source>Put these game files back as they were in their backups? Every change made to them since is lost.</source>
        <translation>Deze spelbestanden terugzetten zoals ze in hun reservekopieën zijn? Elke wijziging sindsdien gaat verloren.</translation>
    </message>
    <message>
        <source>These game files have been restored from their backups:</source>
        <translation>Deze spelbestanden zijn uit hun reservekopieën teruggezet:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the game&apos;s executable: it is too short to hold the edition byte.</source>
        <translation>&apos;%1&apos; is niet het uitvoerbare bestand van het spel: het is te kort om de editiebyte te bevatten.</translation>
    </message>
</context>
<context>
    <name>psn::BitmapForm</name>
    <message>
        <source>BMP files</source>
        <translation>BMP-bestanden</translation>
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
        <translation>Spiegels</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Voorvleugel</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Voeten</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Benen/ Pitmonitor</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Dunne streep</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Linkerborst/Bord</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Rechterborst</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Schouders/Krik</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Linkerbovenarm</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Linkeronderarm</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Rechterbovenarm</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Rechteronderarm</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Handen</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Hoofd</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Teamlogo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Gegevens uit het spel importeren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Gegevens naar het spel exporteren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Oorspronkelijke gegevens herstellen</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Onderdeel: %1</translation>
    </message>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Onderdeel: (geen)</translation>
    </message>
</context>
<context>
    <name>psn::ConverterRunner</name>
    <message>
        <source>For the sample game that psniaed-sample-game makes, the editor comes with a stand-in converter, %1. Link it into the editor&apos;s folder under the converter&apos;s name:
    ln -s %2 %3
It reads only the sample game&apos;s archives: a real game needs the game&apos;s own %4 there instead.</source>
        <translation>Voor het voorbeeldspel dat psniaed-sample-game maakt, levert de editor een vervangende converter mee, %1. Koppel die onder de naam van de converter in de map van de editor:
    ln -s %2 %3
Hij leest alleen de archieven van het voorbeeldspel: een echt spel heeft daar in plaats daarvan zijn eigen %4 nodig.</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the helmets from %1 (%2).</source>
        <translation>De editor had de converter nodig om de helmen uit %1 te halen (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the helmets back into %1 (%2).</source>
        <translation>De editor had de converter nodig om de helmen terug te schrijven in %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the car painting %1 (%2).</source>
        <translation>De editor had de converter nodig om de kleurstelling %1 eruit te halen (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the car painting back into %1 (%2).</source>
        <translation>De editor had de converter nodig om de kleurstelling terug te schrijven in %1 (%2).</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: Wine&apos;s winepath was not found on the program search path.</source>
        <translation>De bitmapconverter %1 kon niet via Wine worden gestart: winepath van Wine is niet gevonden in het zoekpad voor programma&apos;s.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath did not answer in time.</source>
        <translation>De bitmapconverter %1 kon niet via Wine worden gestart: winepath antwoordde niet op tijd.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath could not translate %2.</source>
        <translation>De bitmapconverter %1 kon niet via Wine worden gestart: winepath kon %2 niet vertalen.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 was not found in the editor&apos;s folder (%2) or on the program search path. Put the game&apos;s %1 into %2.</source>
        <translation>De bitmapconverter %1 is niet gevonden in de map van de editor (%2) en ook niet in het zoekpad voor programma&apos;s. Zet de %1 van het spel in %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 (%2) is a Windows program: Wine runs it, and no &quot;wine&quot; was found on the program search path. Install Debian&apos;s wine package (sudo apt-get install wine) and try again.</source>
        <translation>De bitmapconverter %1 (%2) is een Windows-programma: Wine voert het uit, en er is geen &quot;wine&quot; gevonden in het zoekpad voor programma&apos;s. Installeer het Debian-pakket wine (sudo apt-get install wine) en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started: %2</source>
        <translation>De bitmapconverter %1 kon niet worden gestart: %2</translation>
    </message>
    <message>
        <source>The bitmap converter %1 did not finish within %2 seconds. It has been stopped.</source>
        <translation>De bitmapconverter %1 was niet binnen %2 seconden klaar. Hij is gestopt.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed without writing %2.</source>
        <translation>De bitmapconverter %1 is vastgelopen zonder %2 te schrijven.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2 without writing %3.</source>
        <translation>De bitmapconverter %1 eindigde met afsluitcode %2 zonder %3 te schrijven.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed, and the %2 it wrote cannot be loaded: %3</source>
        <translation>De bitmapconverter %1 is vastgelopen, en de %2 die hij schreef kan niet worden geladen: %3</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2, and the %3 it wrote cannot be loaded: %4</source>
        <translation>De bitmapconverter %1 eindigde met afsluitcode %2, en de %3 die hij schreef kan niet worden geladen: %4</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed.</source>
        <translation>De bitmapconverter %1 is vastgelopen.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 failed (exit code %2).</source>
        <translation>De bitmapconverter %1 is mislukt (afsluitcode %2).</translation>
    </message>
    <message>
        <source>The old %1 could not be removed, so the bitmap converter %2 was not started.</source>
        <translation>De oude %1 kon niet worden verwijderd, dus de bitmapconverter %2 is niet gestart.</translation>
    </message>
    <message>
        <source>No backup of %1 could be made, so the bitmap converter %2 was not started.</source>
        <translation>Er kon geen reservekopie van %1 worden gemaakt, dus de bitmapconverter %2 is niet gestart.</translation>
    </message>
</context>
<context>
    <name>psn::EditorButtons</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Gegevens uit het spel importeren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Gegevens naar het spel exporteren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Oorspronkelijke gegevens herstellen</translation>
    </message>
</context>
<context>
    <name>psn::Fields</name>
    <message>
        <source>team %1</source>
        <translation>team %1</translation>
    </message>
    <message>
        <source>team %1 engine</source>
        <translation>team %1 motor</translation>
    </message>
    <message>
        <source>team %1 in use</source>
        <translation>team %1 in gebruik</translation>
    </message>
    <message>
        <source>team %1 1st driver number</source>
        <translation>team %1 nummer van de 1e coureur</translation>
    </message>
    <message>
        <source>team %1 1st driver selected</source>
        <translation>team %1 1e coureur gekozen</translation>
    </message>
    <message>
        <source>team %1 2nd driver number</source>
        <translation>team %1 nummer van de 2e coureur</translation>
    </message>
    <message>
        <source>team %1 2nd driver selected</source>
        <translation>team %1 2e coureur gekozen</translation>
    </message>
    <message>
        <source>slot %1 number</source>
        <translation>plaats %1 nummer</translation>
    </message>
    <message>
        <source>slot %1 selected</source>
        <translation>plaats %1 gekozen</translation>
    </message>
    <message>
        <source>car %1 driver</source>
        <translation>auto %1 coureur</translation>
    </message>
    <message>
        <source>first driver &apos;0&apos;</source>
        <translation>eerste coureur &apos;0&apos;</translation>
    </message>
    <message>
        <source>team %1 qualification</source>
        <translation>team %1 kwalificatie</translation>
    </message>
    <message>
        <source>team %1 other sessions</source>
        <translation>team %1 overige sessies</translation>
    </message>
    <message>
        <source>human qualification</source>
        <translation>speler kwalificatie</translation>
    </message>
    <message>
        <source>human other sessions</source>
        <translation>speler overige sessies</translation>
    </message>
    <message>
        <source>random engine power</source>
        <translation>willekeurig motorvermogen</translation>
    </message>
    <message>
        <source>car %1 qualification</source>
        <translation>auto %1 kwalificatie</translation>
    </message>
    <message>
        <source>car %1 other sessions</source>
        <translation>auto %1 overige sessies</translation>
    </message>
    <message>
        <source>car %1 range</source>
        <translation>auto %1 bereik</translation>
    </message>
    <message>
        <source>human car weight</source>
        <translation>gewicht van de auto van de speler</translation>
    </message>
    <message>
        <source>computer car weight</source>
        <translation>gewicht van de computerauto&apos;s</translation>
    </message>
    <message>
        <source>practice fuel</source>
        <translation>brandstof bij de training</translation>
    </message>
    <message>
        <source>qualifying fuel</source>
        <translation>brandstof bij de kwalificatie</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>brandstof van de tegenstanders tonen</translation>
    </message>
    <message>
        <source>performance depends on team</source>
        <translation>prestaties hangen af van het team</translation>
    </message>
    <message>
        <source>real best time info</source>
        <translation>echte informatie over de beste tijd</translation>
    </message>
    <message>
        <source>light %1 colour</source>
        <translation>lampje %1 kleur</translation>
    </message>
    <message>
        <source>light %1 speed</source>
        <translation>lampje %1 toerental</translation>
    </message>
    <message>
        <source>position %1</source>
        <translation>positie %1</translation>
    </message>
    <message>
        <source>speed check</source>
        <translation>snelheidscontrole</translation>
    </message>
    <message>
        <source>pit speed</source>
        <translation>pitsnelheid</translation>
    </message>
    <message>
        <source>team %1 cockpit</source>
        <translation>team %1 cockpit</translation>
    </message>
    <message>
        <source>team %1 front wing</source>
        <translation>team %1 voorvleugel</translation>
    </message>
    <message>
        <source>team %1 mirrors</source>
        <translation>team %1 spiegels</translation>
    </message>
    <message>
        <source>team %1 team logo</source>
        <translation>team %1 teamlogo</translation>
    </message>
    <message>
        <source>team %1 thin stripe</source>
        <translation>team %1 smalle streep</translation>
    </message>
    <message>
        <source>team %1 head</source>
        <translation>team %1 hoofd</translation>
    </message>
    <message>
        <source>team %1 epaulettes/jack</source>
        <translation>team %1 epauletten/krik</translation>
    </message>
    <message>
        <source>team %1 left chest/sign</source>
        <translation>team %1 linkerborst/bord</translation>
    </message>
    <message>
        <source>team %1 right chest</source>
        <translation>team %1 rechterborst</translation>
    </message>
    <message>
        <source>team %1 left upper arm</source>
        <translation>team %1 linkerbovenarm</translation>
    </message>
    <message>
        <source>team %1 right upper arm</source>
        <translation>team %1 rechterbovenarm</translation>
    </message>
    <message>
        <source>team %1 left forearm</source>
        <translation>team %1 linkeronderarm</translation>
    </message>
    <message>
        <source>team %1 right forearm</source>
        <translation>team %1 rechteronderarm</translation>
    </message>
    <message>
        <source>team %1 hands</source>
        <translation>team %1 handen</translation>
    </message>
    <message>
        <source>team %1 waist</source>
        <translation>team %1 taille</translation>
    </message>
    <message>
        <source>team %1 legs/ pit monitor</source>
        <translation>team %1 benen/pitmonitor</translation>
    </message>
    <message>
        <source>team %1 feet</source>
        <translation>team %1 voeten</translation>
    </message>
    <message>
        <source>team %1 part %2</source>
        <translation>team %1 deel %2</translation>
    </message>
    <message>
        <source>camera %1 x distance</source>
        <translation>camera %1 x-afstand</translation>
    </message>
    <message>
        <source>camera %1 z height</source>
        <translation>camera %1 z-hoogte</translation>
    </message>
    <message>
        <source>camera %1 y distance</source>
        <translation>camera %1 y-afstand</translation>
    </message>
    <message>
        <source>camera %1 x angle</source>
        <translation>camera %1 x-hoek</translation>
    </message>
    <message>
        <source>camera %1 z angle</source>
        <translation>camera %1 z-hoek</translation>
    </message>
    <message>
        <source>camera %1 y angle</source>
        <translation>camera %1 y-hoek</translation>
    </message>
    <message>
        <source>camera %1 tuning %2</source>
        <translation>camera %1 afstelling %2</translation>
    </message>
    <message>
        <source>track %1 front wing</source>
        <translation>circuit %1 voorvleugel</translation>
    </message>
    <message>
        <source>track %1 rear wing</source>
        <translation>circuit %1 achtervleugel</translation>
    </message>
    <message>
        <source>track %1 gear %2</source>
        <translation>circuit %1 versnelling %2</translation>
    </message>
    <message>
        <source>track %1 compound</source>
        <translation>circuit %1 bandensoort</translation>
    </message>
    <message>
        <source>track %1 fuel consumption</source>
        <translation>circuit %1 brandstofverbruik</translation>
    </message>
    <message>
        <source>track %1 tyre consumption</source>
        <translation>circuit %1 bandenslijtage</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
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
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is geen geldig decimaal getal</translation>
    </message>
    <message>
        <source>Import data from game: %1</source>
        <translation>Gegevens uit het spel importeren: %1</translation>
    </message>
    <message>
        <source>&quot;Random engine power&quot; cannot be turned back on in this game: %1 no longer holds the code the switch needs, and no backup %2 of the original holds it. The switch is shown as the game has it; the other values have been exported.</source>
        <translation>&quot;Willekeurig motorvermogen&quot; kan in dit spel niet meer worden ingeschakeld: %1 bevat de code die de schakelaar nodig heeft niet meer, en geen back-up %2 van het origineel bevat die. De schakelaar wordt getoond zoals het spel hem heeft; de overige waarden zijn geëxporteerd.</translation>
    </message>
</context>
<context>
    <name>psn::GameCommand</name>
    <message>
        <source>%1

Press OK to try again, or Cancel to stop.</source>
        <translation>%1

Druk op OK om het opnieuw te proberen, of op Annuleren om te stoppen.</translation>
    </message>
</context>
<context>
    <name>psn::GameTransfer</name>
    <message>
        <source>Nothing was written into the game, because one of its files is not what its name says:

%1: %2

Put that file right (&quot;Restore game files from backup&quot; or the game CD) and try again.</source>
        <translation>Er is niets in het spel geschreven, want een van de bestanden is niet wat de naam zegt:

%1: %2

Herstel dat bestand (&quot;Spelbestanden uit reservekopie terugzetten&quot; of de cd van het spel) en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>psn::HelpTexts</name>
    <message>
        <source>(not located yet)</source>
        <translation>(nog niet gevonden)</translation>
    </message>
    <message>
        <source>Brenwick PSN Editor %1
A settings editor for the racing game Pistonia.

Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later). This program comes with no warranty.
Qt %2

Editor folder: %3
Game folder: %4</source>
        <translation>Brenwick PSN Editor %1
Een editor voor de instellingen van het racespel Pistonia.

Licentie: GPL-3.0-or-later (GNU General Public License, versie 3 of later). Dit programma wordt geleverd zonder enige garantie.
Qt %2

Editormap: %3
Spelmap: %4</translation>
    </message>
    <message>
        <source>The editor changes an installed copy of the game: at the first start it asks for the game&apos;s PSN.EXE.

Without the game, generate a sample game and locate its PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Pictures, helmets and liveries need the game&apos;s bitmap converter %1: put it into the editor folder %2.
Install packs (track, cockpit and car set files) go into %3.

Game folder: %4</source>
        <translation>De editor wijzigt een geïnstalleerde kopie van het spel: bij de eerste start vraagt hij naar de PSN.EXE van het spel.

Zonder het spel maakt u een voorbeeldspel en kiest u de PSN.EXE daarvan:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Afbeeldingen, helmen en kleurstellingen hebben de bitmapomzetter %1 van het spel nodig: zet die in de editormap %2.
Installatiepakketten (circuit-, cockpit- en autosetbestanden) horen in %3.

Spelmap: %4</translation>
    </message>
</context>
<context>
    <name>psn::Messages</name>
    <message>
        <source>is a folder, not a file</source>
        <extracomment>Reasons follow a file&apos;s name and a colon, or &quot;it&quot;: they start with a verb.</extracomment>
        <translation>is een map, geen bestand</translation>
    </message>
    <message>
        <source>is a link, not a regular file</source>
        <translation>is een koppeling, geen gewoon bestand</translation>
    </message>
    <message>
        <source>is a named pipe (FIFO), not a regular file</source>
        <translation>is een named pipe (FIFO), geen gewoon bestand</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>is een socket, geen gewoon bestand</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>is een apparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>is geen gewoon bestand</translation>
    </message>
    <message>
        <source>is a link that leads round in a loop</source>
        <translation>is een koppeling die in een kringetje rondgaat</translation>
    </message>
    <message>
        <source>is a link to %1, which does not exist</source>
        <translation>is een koppeling naar %1, dat niet bestaat</translation>
    </message>
    <message>
        <source>is a link to %1, which cannot be reached: %2</source>
        <translation>is een koppeling naar %1, dat niet bereikbaar is: %2</translation>
    </message>
    <message>
        <source>is a link to %1, which %2</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>is een koppeling naar %1, dat %2</translation>
    </message>
    <message>
        <source>is a link to %1, which is not a game file of that name</source>
        <translation>is een koppeling naar %1, dat geen spelbestand met die naam is</translation>
    </message>
    <message>
        <source>is too large (%1 bytes) to be the file it claims to be</source>
        <translation>is te groot (%1 bytes) om het bestand te zijn dat het beweert te zijn</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>het bestand hield te vroeg op</translation>
    </message>
    <message>
        <source>the file is too short for a checksum trailer</source>
        <translation>het bestand is te kort voor een controlesom aan het eind</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it is %1 bytes long, which does not fit</source>
        <translation>is niet het programma van het spel: het is %1 bytes lang, wat niet klopt</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it holds no edition byte the editor knows</source>
        <translation>is niet het programma van het spel: het bevat geen editiebyte dat de editor kent</translation>
    </message>
    <message>
        <source>is not the game&apos;s save state: its checksum trailer does not fit</source>
        <translation>is niet de spelstand van het spel: de controlesom aan het eind klopt niet</translation>
    </message>
    <message>
        <source>is not a track file of the game: it is too short</source>
        <translation>is geen circuitbestand van het spel: het is te kort</translation>
    </message>
    <message>
        <source>is not a track file of the game: its car set-up block lies beyond its end</source>
        <translation>is geen circuitbestand van het spel: het blok met de afstelling van de auto ligt voorbij het einde</translation>
    </message>
    <message>
        <source>is not a track file of the game: its checksum trailer does not fit</source>
        <translation>is geen circuitbestand van het spel: de controlesom aan het eind klopt niet</translation>
    </message>
    <message>
        <source>%1; it was left alone</source>
        <extracomment>%1 is a reason that starts with a verb.</extracomment>
        <translation>%1; het is ongemoeid gelaten</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>it holds %1 bytes instead of %2</source>
        <translation>het bevat %1 bytes in plaats van %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>het bevat meer dan %1 bytes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name and what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet lezen: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet schrijven: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet verwijderen: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it %2, so it was left alone</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>Kan &quot;%1&quot; niet schrijven: het %2, dus het is ongemoeid gelaten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <translation>&quot;%1&quot; is geen instellingenbestand: %2. Er is niets geladen; kies een instellingenbestand dat door de editor of door psnedit is opgeslagen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>&quot;%1&quot; is geen instellingenbestand: het %2. Er is niets geladen; kies een instellingenbestand dat door de editor of door psnedit is opgeslagen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it holds more than %2 bytes. Nothing was loaded; choose a file saved with &quot;Save settings&quot;.</source>
        <translation>&quot;%1&quot; is geen instellingenbestand: het bevat meer dan %2 bytes. Er is niets geladen; kies een bestand dat met &quot;Instellingen opslaan&quot; is opgeslagen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged: it holds %2 bytes instead of %3. Nothing was loaded.</source>
        <translation>Het instellingenbestand &quot;%1&quot; is beschadigd: het bevat %2 bytes in plaats van %3. Er is niets geladen.</translation>
    </message>
    <message>
        <source>%1: %2, not the editor&apos;s lock file. Nothing was changed; remove it and try again.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a link&quot;).</extracomment>
        <translation>%1: %2, niet het vergrendelingsbestand van de editor. Er is niets gewijzigd; verwijder het en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was changed; check %3 and try again.</source>
        <translation>%1: %2. Er is niets gewijzigd; controleer %3 en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Another program is changing the game in %1 (it holds %2). Nothing was changed; try again once it has finished.</source>
        <translation>Een ander programma wijzigt het spel in %1 (het houdt %2 vast). Er is niets gewijzigd; probeer het opnieuw zodra het klaar is.</translation>
    </message>
    <message>
        <source>an interrupted change of the game files is recorded here, and the game folder cannot be written to complete it; make it writable and try again</source>
        <translation>hier staat een onderbroken wijziging van de spelbestanden vastgelegd, en in de spelmap kan niet worden geschreven om die af te maken; maak de map beschrijfbaar en probeer het opnieuw</translation>
    </message>
    <message>
        <source>the commit record names &quot;%1&quot;, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;which&quot; or &quot;but&quot;.</extracomment>
        <translation>het wijzigingslogboek noemt &quot;%1&quot;, %2. Er is niets gewijzigd. Vergelijk de spelbestanden met hun .bak-kopieën en verwijder daarna het logboek</translation>
    </message>
    <message>
        <source>the commit record changes &quot;%1&quot; in place, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;but&quot; or &quot;beyond&quot;.</extracomment>
        <translation>het wijzigingslogboek wijzigt &quot;%1&quot; ter plekke, %2. Er is niets gewijzigd. Vergelijk de spelbestanden met hun .bak-kopieën en verwijder daarna het logboek</translation>
    </message>
    <message>
        <source>the commit record holds the line &quot;%1&quot;, which is no entry of it. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <translation>het wijzigingslogboek bevat de regel &quot;%1&quot;, die er geen onderdeel van is. Er is niets gewijzigd. Vergelijk de spelbestanden met hun .bak-kopieën en verwijder daarna het logboek</translation>
    </message>
    <message>
        <source>the commit record is damaged; remove it after checking the game files against their .bak copies</source>
        <translation>het wijzigingslogboek is beschadigd; verwijder het nadat u de spelbestanden met hun .bak-kopieën hebt vergeleken</translation>
    </message>
    <message>
        <source>an empty name</source>
        <extracomment>Follows &quot;the commit record names &quot;FILE&quot;, &quot;.</extracomment>
        <translation>een lege naam</translation>
    </message>
    <message>
        <source>which lies outside the game folder</source>
        <translation>dat buiten de spelmap ligt</translation>
    </message>
    <message>
        <source>which leads out of the game folder</source>
        <translation>dat uit de spelmap leidt</translation>
    </message>
    <message>
        <source>which is not a plain name of a game file</source>
        <translation>dat geen gewone naam van een spelbestand is</translation>
    </message>
    <message>
        <source>which is a backup, and recovery never touches a backup</source>
        <translation>dat een reservekopie is, en het herstel raakt nooit een reservekopie aan</translation>
    </message>
    <message>
        <source>which is the commit record itself</source>
        <translation>dat het wijzigingslogboek zelf is</translation>
    </message>
    <message>
        <source>which is not a game file this program writes</source>
        <translation>dat geen spelbestand is dat dit programma schrijft</translation>
    </message>
    <message>
        <source>which lies behind a link that leads out of the game folder</source>
        <translation>dat achter een koppeling ligt die uit de spelmap leidt</translation>
    </message>
    <message>
        <source>which is a link, where the interrupted command created a file</source>
        <translation>dat een koppeling is, waar de onderbroken opdracht een bestand heeft gemaakt</translation>
    </message>
    <message>
        <source>which is a link to %1, not to a game file</source>
        <translation>dat een koppeling naar %1 is, niet naar een spelbestand</translation>
    </message>
    <message>
        <source>which is a link to nowhere, not to a game file</source>
        <translation>dat een koppeling naar nergens is, niet naar een spelbestand</translation>
    </message>
    <message>
        <source>but it is no regular file</source>
        <extracomment>Follows &quot;the commit record changes &quot;FILE&quot; in place, &quot;.</extracomment>
        <translation>maar het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>but it shares its bytes with another file (a hard link)</source>
        <translation>maar het deelt zijn bytes met een ander bestand (een harde koppeling)</translation>
    </message>
    <message>
        <source>beyond its end</source>
        <translation>voorbij het einde</translation>
    </message>
    <message>
        <source>by more bytes than a commit changes in place</source>
        <translation>met meer bytes dan een wijziging ter plekke verandert</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>A list of files follows, one a line.</extracomment>
        <translation>De editor werd gestopt terwijl hij de spelbestanden wijzigde. De wijziging is nu voltooid in:</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>%1 is the name of the program that was stopped (psnedit). A list of files follows.</extracomment>
        <translation>Het programma %1 werd gestopt terwijl het de spelbestanden wijzigde. De wijziging is nu voltooid in:</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>The record does not say which program was stopped. A list of files follows.</extracomment>
        <translation>Een programma werd gestopt terwijl het de spelbestanden wijzigde. De wijziging is nu voltooid in:</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>De editor werd gestopt terwijl hij de spelbestanden wijzigde. Deze bestanden zijn teruggezet zoals ze waren:</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Het programma %1 werd gestopt terwijl het de spelbestanden wijzigde. Deze bestanden zijn teruggezet zoals ze waren:</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Een programma werd gestopt terwijl het de spelbestanden wijzigde. Deze bestanden zijn teruggezet zoals ze waren:</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>De bitmapafbeelding is ongeldig</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <extracomment>The file ends before the picture is complete.</extracomment>
        <translation>Leesfout in de gegevensstroom</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Kan bestand %1 niet maken</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Kan bestand %1 niet maken: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 bytes.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>A bitmap the user chose; %1 is its path.</extracomment>
        <translation>&quot;%1&quot; is te groot: %2 bytes.

Kies een ander bestand, of sla de afbeelding opnieuw op als BMP-bestand.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a BMP bitmap.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>&quot;%1&quot; is geen BMP-bitmap.

Kies een ander bestand, of sla de afbeelding opnieuw op als BMP-bestand.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 x %3 pixels. The editor takes pictures of at most %4 pixels a side and %5 pixels in all.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>&quot;%1&quot; is te groot: %2 x %3 pixels. De editor neemt afbeeldingen van hoogstens %4 pixels per zijde en %5 pixels in totaal.

Kies een ander bestand, of sla de afbeelding opnieuw op als BMP-bestand.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: %2.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>%2 is the image reader&apos;s own words.</extracomment>
        <translation>&quot;%1&quot; is beschadigd: %2.

Kies een ander bestand, of sla de afbeelding opnieuw op als BMP-bestand.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: it ends before its last row (%2 of %3 bytes).

Choose another file, or save the picture again as a BMP file.</source>
        <translation>&quot;%1&quot; is beschadigd: het eindigt vóór de laatste rij (%2 van %3 bytes).

Kies een ander bestand, of sla de afbeelding opnieuw op als BMP-bestand.</translation>
    </message>
    <message>
        <source>The patch list %1 is missing.</source>
        <extracomment>%1 is the patch list&apos;s file name.</extracomment>
        <translation>De patchlijst %1 ontbreekt.</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged.</source>
        <translation>De patchlijst %1 is beschadigd.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit the game executable.</source>
        <translation>De patchlijst %1 past niet bij het programma van het spel.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit this game: its record %2 (offset %3h) expects the byte %4h or %5h there, but the game executable holds %6h. Nothing was written. Put the patch list made for your game into the editor&apos;s DATA folder in place of the shipped one.</source>
        <extracomment>%2 counts the list&apos;s records from 1; %3 to %6 are hexadecimal.</extracomment>
        <translation>De patchlijst %1 past niet bij dit spel: record %2 (offset %3h) verwacht daar de byte %4h of %5h, maar het programma van het spel bevat %6h. Er is niets geschreven. Zet de patchlijst die voor uw spel gemaakt is in de DATA-map van de editor, in plaats van de meegeleverde.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1!</source>
        <translation>Het gegevensbestand %1 kan niet worden gelezen!</translation>
    </message>
    <message>
        <source>The data file %1 is empty!</source>
        <translation>Het gegevensbestand %1 is leeg!</translation>
    </message>
    <message>
        <source>The data file %1 does not fit into the game executable!</source>
        <translation>Het gegevensbestand %1 past niet in het programma van het spel!</translation>
    </message>
    <message>
        <source>Cannot open the cockpit data file %1!</source>
        <translation>Het cockpitgegevensbestand %1 kan niet worden geopend!</translation>
    </message>
    <message>
        <source>Cannot read the cockpit data file %1!</source>
        <translation>Het cockpitgegevensbestand %1 kan niet worden gelezen!</translation>
    </message>
    <message>
        <source>The cockpit data file ends after line %1; it needs %2 lines.</source>
        <translation>Het cockpitgegevensbestand eindigt na regel %1; het heeft %2 regels nodig.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>The cockpit data file %1 cannot be used:
%2
Nothing was changed.</source>
        <extracomment>%2 is what is wrong, a sentence of its own.</extracomment>
        <translation>Het cockpitgegevensbestand %1 kan niet worden gebruikt:
%2
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1
The track data&apos;s original values could not be added to the original data; the editor tries again when it next reads the track files.</source>
        <extracomment>%1 names a file and why it could not be written.</extracomment>
        <translation>%1
De oorspronkelijke waarden van de circuitgegevens konden niet aan de originele gegevens worden toegevoegd; de editor probeert het opnieuw wanneer hij de circuitbestanden weer leest.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be read: %2: %3.</source>
        <extracomment>%1 is the season&apos;s name, %2 its file, %3 why it cannot be read.</extracomment>
        <translation>Het seizoen ‘%1’ kan niet worden gelezen: %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was kept or switched.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>%1: %2. Er is niets bewaard of gewisseld.</translation>
    </message>
    <message>
        <source>is a link to %1, which is no game file</source>
        <translation>is een koppeling naar %1, dat geen spelbestand is</translation>
    </message>
    <message>
        <source>The stored copy of %1 %2 %3. It was not used; keep the season again from a game that holds it.</source>
        <extracomment>%1 is a game file&apos;s name, %2 where its copy is kept, %3 a reason that starts with a verb.</extracomment>
        <translation>De bewaarde kopie van %1 (%2) %3. Ze is niet gebruikt; bewaar het seizoen opnieuw vanuit een spel dat het bevat.</translation>
    </message>
    <message>
        <source>is damaged: its bytes no longer match their hash</source>
        <translation>is beschadigd: de bytes komen niet meer overeen met hun hash</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan niet worden gelezen</translation>
    </message>
    <message>
        <source>The track data of these track files could not be read:

%1

Their track data is left out and nothing is written into them. Everything else works, but the Track editor, &quot;Import all data&quot; and &quot;Export all data&quot; need every track file: replace the damaged ones first (&quot;Install original tracks&quot; in the Track manager copies them from the game CD).</source>
        <extracomment>%1 lists the track files, one a line, each with what is wrong with it.</extracomment>
        <translation>De circuitgegevens van deze circuitbestanden konden niet worden gelezen:

%1

Hun circuitgegevens blijven buiten beschouwing en er wordt niets in geschreven. Al het andere werkt, maar de circuiteditor, ‘Alle gegevens importeren’ en ‘Alle gegevens exporteren’ hebben elk circuitbestand nodig: vervang eerst de beschadigde (‘Oorspronkelijke circuits installeren’ in het circuitbeheer kopieert ze van de cd van het spel).</translation>
    </message>
    <message>
        <source>the file is missing.</source>
        <translation>het bestand ontbreekt.</translation>
    </message>
    <message>
        <source>the file %1.</source>
        <extracomment>%1 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>het bestand %1.</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1.</source>
        <translation>het bestand kan niet worden geopend: %1.</translation>
    </message>
    <message>
        <source>the file is cut short: it holds only %1 bytes, too few for its set-up pointer.</source>
        <translation>het bestand is afgekapt: het bevat maar %1 bytes, te weinig voor zijn set-up-wijzer.</translation>
    </message>
    <message>
        <source>the file is cut short or damaged: its car set-up block lies beyond its end (it holds only %1 bytes).</source>
        <translation>het bestand is afgekapt of beschadigd: het blok met de auto-afstelling ligt voorbij het einde (het bevat maar %1 bytes).</translation>
    </message>
    <message>
        <source>reading the file failed.</source>
        <translation>het lezen van het bestand is mislukt.</translation>
    </message>
    <message>
        <source>The track file %1 was left as it was: the record holds no track data for it (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 is a track file&apos;s name.</extracomment>
        <translation>Het circuitbestand %1 is gelaten zoals het was: het record bevat er geen circuitgegevens voor (een instellingenbestand dat is opgeslagen voordat de circuitgegevens werden gelezen, bevat die niet).</translation>
    </message>
    <message>
        <source>The track files %1 and %2 were left as they were: the record holds no track data for them (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 lists track files&apos; names with commas, %2 is the last of them.</extracomment>
        <translation>De circuitbestanden %1 en %2 zijn gelaten zoals ze waren: het record bevat er geen circuitgegevens voor (een instellingenbestand dat is opgeslagen voordat de circuitgegevens werden gelezen, bevat die niet).</translation>
    </message>
    <message>
        <source>A season &quot;%1&quot; exists already; choose another name or delete it first.</source>
        <translation>Er bestaat al een seizoen &quot;%1&quot;; kies een andere naam of verwijder het eerst.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; was kept from the edition &quot;%2&quot;, but the game in %3 is the edition &quot;%4&quot;. Nothing was switched.</source>
        <extracomment>%2 and %4 are editions&apos; names, %3 the game&apos;s folder.</extracomment>
        <translation>Het seizoen &quot;%1&quot; is bewaard van de editie &quot;%2&quot;, maar het spel in %3 is de editie &quot;%4&quot;. Er is niets omgeschakeld.</translation>
    </message>
    <message>
        <source>%1: holds no game executable of a known edition (PSN.EXE). Give the folder the game is installed in.</source>
        <translation>%1: bevat geen uitvoerbaar bestand van het spel van een bekende editie (PSN.EXE). Geef de map op waarin het spel is geïnstalleerd.</translation>
    </message>
    <message>
        <source>APPDATA names no folder for the editor&apos;s own files. Start the editor from an editor folder (one that holds DATA), or sign in as a user with a profile.</source>
        <translation>APPDATA noemt geen map voor de eigen bestanden van de editor. Start de editor vanuit een editormap (een map die DATA bevat), of meld u aan als gebruiker met een profiel.</translation>
    </message>
    <message>
        <source>Neither XDG_DATA_HOME nor HOME names a folder for the editor&apos;s own files. Set HOME, or start the editor from an editor folder (one that holds DATA).</source>
        <translation>Noch XDG_DATA_HOME noch HOME noemt een map voor de eigen bestanden van de editor. Stel HOME in, of start de editor vanuit een editormap (een map die DATA bevat).</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;</source>
        <translation>Kan de map &apos;%1&apos; niet maken</translation>
    </message>
    <message>
        <source>Cannot list the installed data in &apos;%1&apos;</source>
        <translation>Kan de geïnstalleerde gegevens in &apos;%1&apos; niet opsommen</translation>
    </message>
    <message>
        <source>Cannot read the installed file &apos;%1&apos;</source>
        <translation>Kan het geïnstalleerde bestand &apos;%1&apos; niet lezen</translation>
    </message>
    <message>
        <source>Cannot update &apos;%1&apos;</source>
        <translation>Kan &apos;%1&apos; niet bijwerken</translation>
    </message>
    <message>
        <source>Cannot copy the installed data into &apos;%1&apos;</source>
        <translation>Kan de geïnstalleerde gegevens niet naar &apos;%1&apos; kopiëren</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Kan &apos;%1&apos; niet schrijven</translation>
    </message>
    <message>
        <source>Cannot prepare the editor folder &apos;%1&apos;</source>
        <translation>Kan de editormap &apos;%1&apos; niet voorbereiden</translation>
    </message>
    <message>
        <source>%1. Check that the folder can be written to and that the disk has room, then start the editor again.</source>
        <extracomment>%1 says what could not be done, naming the file or folder.</extracomment>
        <translation>%1. Controleer of er in de map geschreven kan worden en of de schijf ruimte heeft, en start de editor daarna opnieuw.</translation>
    </message>
    <message>
        <source>Cannot enter the editor folder &apos;%1&apos;. Check that it can be read.</source>
        <translation>Kan de editormap &apos;%1&apos; niet openen. Controleer of deze gelezen kan worden.</translation>
    </message>
    <message>
        <source>There is no season &quot;%1&quot;; &apos;psnedit season list&apos; shows the seasons kept.</source>
        <translation>Er is geen seizoen “%1”; “psnedit season list” toont de bewaarde seizoenen.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is damaged: %2 holds another season.</source>
        <extracomment>%2 is the season&apos;s file in the store.</extracomment>
        <translation>Het seizoen “%1” is beschadigd: %2 bevat een ander seizoen.</translation>
    </message>
    <message>
        <source>a season needs a name</source>
        <translation>een seizoen heeft een naam nodig</translation>
    </message>
    <message>
        <source>a season&apos;s name has at most %1 characters</source>
        <translation>de naam van een seizoen heeft hoogstens %1 tekens</translation>
    </message>
    <message>
        <source>a season&apos;s name holds no line breaks or control characters</source>
        <translation>de naam van een seizoen bevat geen regeleinden of stuurtekens</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the name typed, %2 what is wrong with it.</extracomment>
        <translation>“%1”: %2.</translation>
    </message>
    <message>
        <source>A season&apos;s description has at most %1 characters.</source>
        <translation>De beschrijving van een seizoen heeft hoogstens %1 tekens.</translation>
    </message>
    <message>
        <source>The season store could not be written: %1: %2. Nothing was kept.</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>De seizoenenopslag kon niet worden geschreven: %1: %2. Er is niets bewaard.</translation>
    </message>
    <message>
        <source>The season store %1 cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 the reason.</extracomment>
        <translation>De seizoenenopslag %1 kan niet worden gemaakt: %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>het is geen map</translation>
    </message>
    <message>
        <source>The season store is in use by another program: %1</source>
        <extracomment>%1 says which program holds it.</extracomment>
        <translation>De seizoenenopslag is in gebruik door een ander programma: %1</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; names %2, whose bytes are not in the store.</source>
        <extracomment>%2 is a game file&apos;s name.</extracomment>
        <translation>Het seizoen “%1” noemt %2, waarvan de bytes niet in de opslag staan.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be deleted: %2: %3.</source>
        <extracomment>%2 is a file, %3 the system&apos;s reason.</extracomment>
        <translation>Het seizoen “%1” kan niet worden verwijderd: %2: %3.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; holds a %2 that %3. Nothing was switched.</source>
        <extracomment>%2 is a game file&apos;s name, %3 what is wrong with it.</extracomment>
        <translation>Het seizoen “%1” bevat een bestand %2 dat %3. Er is niets gewisseld.</translation>
    </message>
    <message>
        <source>%1: is no season manifest: line %2 %3.</source>
        <extracomment>%1 is a file, %2 a line number, %3 what is wrong with that line.</extracomment>
        <translation>%1: is geen seizoensmanifest: regel %2 %3.</translation>
    </message>
    <message>
        <source>%1: does not hold the season its name says</source>
        <translation>%1: bevat niet het seizoen dat zijn naam noemt</translation>
    </message>
    <message>
        <source>follows the end</source>
        <translation>volgt op het einde</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;</source>
        <translation>is niet “%1”</translation>
    </message>
    <message>
        <source>names no season: %1</source>
        <translation>noemt geen seizoen: %1</translation>
    </message>
    <message>
        <source>names an edition that does not exist (%1)</source>
        <translation>noemt een editie die niet bestaat (%1)</translation>
    </message>
    <message>
        <source>holds a description that cannot be read</source>
        <translation>bevat een beschrijving die niet gelezen kan worden</translation>
    </message>
    <message>
        <source>is no file entry</source>
        <translation>is geen bestandsregel</translation>
    </message>
    <message>
        <source>names a file larger than any of the game</source>
        <translation>noemt een bestand dat groter is dan elk bestand van het spel</translation>
    </message>
    <message>
        <source>names %1, which is no game file of a season</source>
        <translation>noemt %1, dat geen spelbestand van een seizoen is</translation>
    </message>
    <message>
        <source>names %1 a second time</source>
        <translation>noemt %1 een tweede keer</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>bevat “%1”</translation>
    </message>
    <message>
        <source>is missing: the manifest ends early</source>
        <translation>ontbreekt: het manifest houdt te vroeg op</translation>
    </message>
    <message>
        <source>is missing: a season holds the game&apos;s executable</source>
        <translation>ontbreekt: een seizoen bevat het uitvoerbare bestand van het spel</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 what is wrong with it.</extracomment>
        <translation>%1: %2. Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>%1: the entry &quot;%2&quot; %3. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 an entry in it, %3 what is wrong with that entry.</extracomment>
        <translation>%1: de vermelding “%2” %3. Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>%1: a change of the game files was interrupted; let psnedit or the editor complete it first. Nothing was imported.</source>
        <translation>%1: een wijziging van de spelbestanden is onderbroken; laat psnedit of de editor die eerst voltooien. Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>the archive is damaged or truncated</source>
        <translation>het archief is beschadigd of afgekapt</translation>
    </message>
    <message>
        <source>is no ZIP or 7z archive (%1)</source>
        <translation>is geen ZIP- of 7z-archief (%1)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>The season file cannot be written: %1.</source>
        <translation>Het seizoensbestand kan niet worden geschreven: %1.</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>heeft geen naam</translation>
    </message>
    <message>
        <source>has an absolute name</source>
        <translation>heeft een absolute naam</translation>
    </message>
    <message>
        <source>names a drive</source>
        <translation>noemt een station</translation>
    </message>
    <message>
        <source>holds a backslash, which may name another folder on another system</source>
        <translation>bevat een backslash, die op een ander systeem een andere map kan noemen</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>bevat stuurtekens</translation>
    </message>
    <message>
        <source>leads out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>leidt uit de map van het archief (“..”)</translation>
    </message>
    <message>
        <source>is a link or a device, not a plain file</source>
        <translation>is een koppeling of een apparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <source>comes twice</source>
        <translation>komt twee keer voor</translation>
    </message>
    <message>
        <source>is one entry too many: a season has no more than %1 files</source>
        <translation>is een vermelding te veel: een seizoen heeft niet meer dan %1 bestanden</translation>
    </message>
    <message>
        <source>is larger than any file of the game (16 MiB)</source>
        <translation>is groter dan elk bestand van het spel (16 MiB)</translation>
    </message>
    <message>
        <source>cannot be unpacked: %1</source>
        <translation>kan niet worden uitgepakt: %1</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than 256 MiB</source>
        <translation>laat het archief uitgepakt groter worden dan 256 MiB</translation>
    </message>
    <message>
        <source>is missing, though the manifest names it</source>
        <translation>ontbreekt, hoewel het manifest die noemt</translation>
    </message>
    <message>
        <source>does not match the hash its manifest gives</source>
        <translation>komt niet overeen met de hash die het manifest geeft</translation>
    </message>
    <message>
        <source>is not named by the manifest</source>
        <translation>wordt niet door het manifest genoemd</translation>
    </message>
    <message>
        <source>is a second settings file beside &quot;%1&quot;</source>
        <translation>is een tweede instellingenbestand naast “%1”</translation>
    </message>
    <message>
        <source>is not a settings file: it is not 2846 bytes long</source>
        <translation>is geen instellingenbestand: die is niet 2846 bytes lang</translation>
    </message>
    <message>
        <source>is a second %1</source>
        <extracomment>%1 is a game file&apos;s name.</extracomment>
        <translation>is een tweede bestand %1</translation>
    </message>
    <message>
        <source>holds no game file a season holds and no settings file</source>
        <translation>bevat geen spelbestand van een seizoen en geen instellingenbestand</translation>
    </message>
    <message>
        <source>is a pack of loose files, which needs a game to take the rest from</source>
        <translation>is een pakket losse bestanden, dat een spel nodig heeft om de rest uit te halen</translation>
    </message>
    <message>
        <source>%1: holds no game executable that can be read.</source>
        <translation>%1: bevat geen uitvoerbaar bestand van het spel dat gelezen kan worden.</translation>
    </message>
    <message>
        <source>The game&apos;s executable cannot be read.</source>
        <translation>Het uitvoerbare bestand van het spel kan niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>psn::Pictures</name>
    <message>
        <source>en</source>
        <comment>the language code of the windows&apos; language</comment>
        <translation>nl</translation>
    </message>
</context>
<context>
    <name>psn::QtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Unsaved settings</source>
        <translation>Niet-opgeslagen instellingen</translation>
    </message>
</context>
<context>
    <name>psn::RecordSteps</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Opnieuw &amp;uitvoeren: %1</translation>
    </message>
</context>
<context>
    <name>psn::SettingsCommands</name>
    <message>
        <source>Save settings</source>
        <translation>Instellingen opslaan</translation>
    </message>
    <message>
        <source>All settings files</source>
        <translation>Alle instellingenbestanden</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Instellingen laden</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Beschrijving van de instellingen</translation>
    </message>
    <message>
        <source>Load settings %1</source>
        <translation>Instellingen laden: %1</translation>
    </message>
    <message>
        <source>Cannot create the settings file &apos;%1&apos;.
%2</source>
        <translation>Kan het instellingenbestand &quot;%1&quot; niet aanmaken.
%2</translation>
    </message>
    <message>
        <source>%1. Nothing was loaded; check that the file exists and that you may read it.</source>
        <translation>%1. Er is niets geladen; controleer of het bestand bestaat en of u het mag lezen.</translation>
    </message>
</context>
<context>
    <name>psn::Steps</name>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 and %3 more</source>
        <translation>%1: %2 en nog %3</translation>
    </message>
</context>
<context>
    <name>psn::TCColorsForm</name>
    <message>
        <source>Cockpit colors</source>
        <translation>Cockpitkleuren</translation>
    </message>
</context>
<context>
    <name>psn::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Afstelling van de auto</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Gewicht van de auto </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Gewicht van de auto van de speler</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Gewicht van de computerauto&apos;s</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Gekoppeld</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> Toerenteller-leds </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tpm</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(kleuren alleen met de oorspronkelijke cockpits)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Brandstof </translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Brandstof aan het begin van de training</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>ronden</translation>
    </message>
    <message>
        <source>Initial qualifing fuel load</source>
        <translation>Brandstof aan het begin van de kwalificatie</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>brandstof van de tegenstanders tonen</translation>
    </message>
    <message>
        <source>player&apos;s car performance depends on selected team</source>
        <translation>prestaties van de auto van de speler hangen af van het gekozen team</translation>
    </message>
    <message>
        <source>real F1 best time/split info - compares to current best of session</source>
        <translation>echte F1-beste tijd/tussentijden - vergelijkt met de huidige beste tijd van de sessie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Gegevens uit het spel importeren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Gegevens naar het spel exporteren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Oorspronkelijke gegevens herstellen</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
</context>
<context>
    <name>psn::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Camera-editor</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Autocamera kiezen </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Camera %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Standaardbeeld </translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>X-as</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Afstand tot </translation>
    </message>
    <message>
        <source> centre of car   </source>
        <translation> het midden   </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Y-as</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Z-as</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Hoogte </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Hoek </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>graden</translation>
    </message>
    <message>
        <source>Img. tunning</source>
        <translation>Beeldafstelling</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Waarde 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Waarde 2 </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Gegevens uit het spel importeren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Gegevens naar het spel exporteren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Oorspronkelijke gegevens herstellen</translation>
    </message>
</context>
<context>
    <name>psn::TCompareForm</name>
    <message>
        <source>Compare with game</source>
        <translation>Vergelijken met het spel</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Differences between the settings and the game</source>
        <translation>Verschillen tussen de instellingen en het spel</translation>
    </message>
    <message>
        <source>Another program is changing the game; nothing was compared.</source>
        <translation>Een ander programma wijzigt het spel; er is niets vergeleken.</translation>
    </message>
    <message>
        <source>The game could not be read; nothing was compared.</source>
        <translation>Het spel kon niet worden gelezen; er is niets vergeleken.</translation>
    </message>
    <message>
        <source>The game executable could not be read; nothing was compared.</source>
        <translation>Het programmabestand van het spel kon niet worden gelezen; er is niets vergeleken.</translation>
    </message>
    <message>
        <source>The settings and the game agree in every field.</source>
        <translation>De instellingen en het spel komen in elk veld overeen.</translation>
    </message>
    <message>
        <source>%1 fields differ in %2 windows.</source>
        <translation>%1 velden verschillen in %2 vensters.</translation>
    </message>
    <message>
        <source> The track files are not all installed: the track set-ups were not read.</source>
        <translation> Niet alle circuitbestanden zijn geïnstalleerd: de circuitafstellingen zijn niet gelezen.</translation>
    </message>
    <message>
        <source> The track set-ups have not been read in this run and are not compared.</source>
        <translation> De circuitafstellingen zijn in deze sessie niet gelezen en worden niet vergeleken.</translation>
    </message>
    <message>
        <source>%1 (open &quot;%2&quot;)</source>
        <translation>%1 (open &quot;%2&quot;)</translation>
    </message>
</context>
<context>
    <name>psn::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Beschrijving van de instellingen</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Instellingen opslaan</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>psn::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Motorvermogen</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Team-motor </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> pk </translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Keuze</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Kwalificatie</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Overige sessies</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Motor van de speler</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>pk</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>met</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Willekeurig motorvermogen</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Kwali=Overige</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Overige=Kwali</translation>
    </message>
</context>
<context>
    <name>psn::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Defecten</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Team-motor </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Waarde </translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Gekozen gegevens wijzigen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>met</translation>
    </message>
</context>
<context>
    <name>psn::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Grip van de computerauto&apos;s</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> 1e coureurs </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> GRIP </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> 2e coureurs </translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Gegevens kiezen</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Kwalificatie</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Overige sessies</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Willekeurig gripbereik</translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Gekozen gripgegevens wijzigen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>met</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Kwali=Overige</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Overige=Kwali</translation>
    </message>
</context>
<context>
    <name>psn::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Helmen</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Coureurs </translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Helm als bitmap opslaan</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Helm uit bitmap laden</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Alle helmen als bitmap opslaan</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Alle helmen uit bitmap laden</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Uit het spel importeren</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Naar het spel exporteren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. It was not extracted from the game at start-up.

Use &quot;%1&quot; or &quot;%2&quot;.</source>
        <translation>Het helmenblad is niet beschikbaar. Het is bij het starten niet uit het spel gehaald.

Gebruik &quot;%1&quot; of &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.

%1

Use &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>Het helmenblad is niet beschikbaar.

%1

Gebruik &quot;%2&quot; of &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.</source>
        <translation>Het helmenblad is niet beschikbaar.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Nothing has been written into the game.</source>
        <translation>Het helmenblad is niet beschikbaar. Er is niets in het spel geschreven.</translation>
    </message>
</context>
<context>
    <name>psn::TIEForm</name>
    <message>
        <source>All data has been imported!</source>
        <translation>Alle gegevens zijn geïmporteerd!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Alle gegevens zijn geëxporteerd!</translation>
    </message>
    <message>
        <source>Import data</source>
        <translation>Gegevens importeren</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Namen en nummers</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Cockpitkleuren</translation>
    </message>
    <message>
        <source>Aids</source>
        <translation>Rijhulpen</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Alle gegevens importeren</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Alle gegevens exporteren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>PSN.EXE file</source>
        <translation>Bestand PSN.EXE</translation>
    </message>
    <message>
        <source>F1GPSTATE.SAV file</source>
        <translation>Bestand F1GPSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>psn::TInstCForm</name>
    <message>
        <source>Cockpit manager</source>
        <translation>Cockpitbeheer</translation>
    </message>
    <message>
        <source>&apos;97 cockpits</source>
        <translation>Cockpits van &apos;97</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installeren!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Nieuwe cockpit geïnstalleerd!</translation>
    </message>
    <message>
        <source>cockpit pack %1</source>
        <translation>cockpitpakket %1</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Kan het cockpitbestand niet kopiëren!</translation>
    </message>
</context>
<context>
    <name>psn::TInstCarSetForm</name>
    <message>
        <source>InstCarSetForm</source>
        <translation>Autoset installeren</translation>
    </message>
    <message>
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation>Autoset van &apos;97 installeren (voorlopig alleen de kleurstellingen)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Nieuwe autoset geïnstalleerd!</translation>
    </message>
    <message>
        <source>car set</source>
        <translation>autoset</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Kan de bestanden van de autoset niet kopiëren!</translation>
    </message>
</context>
<context>
    <name>psn::TJamForm</name>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>De bitmap is geïmporteerd!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>De bitmap is geëxporteerd!</translation>
    </message>
    <message>
        <source>Car JAMs</source>
        <translation>Auto-JAM&apos;s</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Kleurstellingen </translation>
    </message>
    <message>
        <source> Avaiable teams </source>
        <translation> Beschikbare teams </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Bitmap laden</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Als bitmap opslaan</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Naar het spel exporteren</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Uit het spel importeren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Bitmapbestand laden</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Bitmapbestand opslaan</translation>
    </message>
</context>
<context>
    <name>psn::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Namen + nummers</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Motorvermogen</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Grip computer</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Defecten</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Afstelling</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Neuzen</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Pitstraat</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Cockpitkleuren</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Kleuren pitploeg</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>Auto-JAM&apos;s</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Helmen</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Camera&apos;s</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Cockpitbeheer</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Circuitbeheer</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Circuiteditor</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>AFSLUITEN</translation>
    </message>
    <message>
        <source>Car Sets</source>
        <translation>Autosets</translation>
    </message>
    <message>
        <source>Opens the %1 window</source>
        <translation>Opent het venster ‘%1’</translation>
    </message>
    <message>
        <source>Opens the track editor for the game&apos;s tracks</source>
        <translation>Opent de circuiteditor voor de circuits van het spel</translation>
    </message>
    <message>
        <source>Ends the editor</source>
        <translation>Sluit de editor af</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>Instellingen &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>Instellingen op&amp;slaan</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Instellingen opslaan &amp;als</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>&amp;Oorspronkelijke instellingen herstellen</translation>
    </message>
    <message>
        <source>Restore game files from &amp;backup…</source>
        <translation>Spelbestanden uit &amp;reservekopie terugzetten…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Beschrijving van de instellingen</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Importeren/Exporteren</translation>
    </message>
    <message>
        <source>&amp;Compare with game…</source>
        <translation>&amp;Vergelijken met het spel…</translation>
    </message>
    <message>
        <source>I&amp;nstall car set…</source>
        <translation>Auto&amp;set installeren…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Aan de slag</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>The settings kept from the last run in &apos;%1&apos; cannot be read, so they were not brought back. The file was kept as &apos;%2&apos;.</source>
        <translation>De instellingen die van de vorige keer in &apos;%1&apos; bewaard zijn, kunnen niet gelezen worden en zijn dus niet teruggezet. Het bestand is bewaard als &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The editor did not end normally last time, and settings edited then were not saved. Press OK to bring them back (Undo takes them back again), or Cancel to discard them.

%1</source>
        <translation>De editor is de vorige keer niet normaal afgesloten en de toen bewerkte instellingen zijn niet opgeslagen. Druk op OK om ze terug te zetten (Ongedaan maken haalt ze weer weg) of op Annuleren om ze weg te gooien.

%1</translation>
    </message>
    <message>
        <source>Bring back unsaved settings</source>
        <translation>Niet-opgeslagen instellingen terugzetten</translation>
    </message>
    <message>
        <source>The settings have been changed since they were last read from or written to the game or a settings file. Save them before the editor closes?</source>
        <translation>De instellingen zijn gewijzigd sinds ze voor het laatst uit het spel of een instellingenbestand gelezen of ernaar geschreven zijn. Opslaan voordat de editor sluit?</translation>
    </message>
    <message>
        <source>S&amp;easons…</source>
        <translation>Sei&amp;zoenen…</translation>
    </message>
    <message>
        <source>The editor is already running in %1. This window works as usual, but only the other one keeps unsaved settings for the case that it does not end normally: save your settings to a file before you close this window.</source>
        <translation>De editor draait al in %1. Dit venster werkt zoals gewoonlijk, maar alleen de andere bewaart niet-opgeslagen instellingen voor het geval dat hij niet normaal eindigt: sla uw instellingen op in een bestand voordat u dit venster sluit.</translation>
    </message>
    <message>
        <source>%1

Your game&apos;s original values could not be kept, so &quot;Restore original data&quot; cannot bring them back. The editor tries again at its next start; make the file writable or free some space.</source>
        <translation>%1

De oorspronkelijke waarden van uw spel konden niet worden bewaard, dus &quot;Oorspronkelijke gegevens herstellen&quot; kan ze niet terughalen. De editor probeert het bij de volgende start opnieuw; maak het bestand beschrijfbaar of maak ruimte vrij.</translation>
    </message>
    <message>
        <source>%1

The editor&apos;s settings (where the game is) could not be saved; at its next start the editor asks for the game again.</source>
        <translation>%1

De instellingen van de editor (waar het spel staat) konden niet worden opgeslagen; bij de volgende start vraagt de editor opnieuw naar het spel.</translation>
    </message>
</context>
<context>
    <name>psn::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Namen en nummers</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Team-motor </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Teamnaam</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Motornaam</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Naam 1e coureur</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Naam 2e coureur</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>First driver - &apos;0&apos;</source>
        <translation>Eerste coureur - &apos;0&apos;</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Gekozen </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   coureurs </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1e </translation>
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
        <translation>Neuzen </translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Renstallen </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Neuzen</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>hoog</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>laag</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Gegevens uit het spel importeren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Gegevens naar het spel exporteren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Oorspronkelijke gegevens herstellen</translation>
    </message>
</context>
<context>
    <name>psn::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Kleuren van de pitploeg</translation>
    </message>
</context>
<context>
    <name>psn::TPathForm</name>
    <message>
        <source>PathForm</source>
        <translation>Spel zoeken</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your hard disk</source>
        <translation>Bestand psn.exe op de harde schijf zoeken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Locate psn.exe file</source>
        <translation>Bestand psn.exe zoeken</translation>
    </message>
</context>
<context>
    <name>psn::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Instellingen van de pitstraat</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Pitvolgorde </translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>pitingang</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>pituitgang</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Snelheid in de pitstraat </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Maximale snelheid in de pitstraat</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Snelheid in de pitstraat controleren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Gegevens uit het spel importeren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Gegevens naar het spel exporteren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Oorspronkelijke gegevens herstellen</translation>
    </message>
    <message>
        <source>%1 kph</source>
        <translation>%1 km/u</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mijl/u</translation>
    </message>
</context>
<context>
    <name>psn::TSeasonsForm</name>
    <message>
        <source>Seasons</source>
        <translation>Seizoenen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Editie</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Bewaard</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Against the game now</source>
        <translation>Tegenover het spel nu</translation>
    </message>
    <message>
        <source>Seasons kept</source>
        <translation>Bewaarde seizoenen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschrijving:</translation>
    </message>
    <message>
        <source>&amp;Keep the game as a season</source>
        <translation>Spel als seizoen &amp;bewaren</translation>
    </message>
    <message>
        <source>&amp;Switch to season…</source>
        <translation>Naar seizoen &amp;wisselen…</translation>
    </message>
    <message>
        <source>&amp;Rename to the name above</source>
        <translation>&amp;Hernoemen naar de naam hierboven</translation>
    </message>
    <message>
        <source>&amp;Import season…</source>
        <translation>Seizoen &amp;importeren…</translation>
    </message>
    <message>
        <source>&amp;Export season…</source>
        <translation>Seizoen e&amp;xporteren…</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>The game could not be read: %1</source>
        <translation>Het spel kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>niet vergeleken</translation>
    </message>
    <message>
        <source>the same as the game</source>
        <translation>gelijk aan het spel</translation>
    </message>
    <message>
        <source>files that differ: %1</source>
        <translation>afwijkende bestanden: %1</translation>
    </message>
    <message>
        <source>another edition</source>
        <translation>andere editie</translation>
    </message>
    <message>
        <source>Seasons kept: %1</source>
        <translation>Bewaarde seizoenen: %1</translation>
    </message>
    <message>
        <source>Damaged seasons left out: %1</source>
        <translation>Beschadigde seizoenen weggelaten: %1</translation>
    </message>
    <message>
        <source>Type the new season&apos;s name into the name field first.</source>
        <translation>Typ eerst de naam van het nieuwe seizoen in het naamveld.</translation>
    </message>
    <message>
        <source>The game is kept as the season &quot;%1&quot;.</source>
        <translation>Het spel is bewaard als seizoen “%1”.</translation>
    </message>
    <message>
        <source>The game is that season already.</source>
        <translation>Het spel is dat seizoen al.</translation>
    </message>
    <message>
        <source>… and more settings: %1</source>
        <translation>… en meer instellingen: %1</translation>
    </message>
    <message>
        <source>Switch the game to the season &quot;%1&quot;? These change:

%2

The game as it is now is kept as a season first.</source>
        <translation>Het spel naar seizoen “%1” wisselen? Dit verandert:

%2

Het spel zoals het nu is wordt eerst als seizoen bewaard.</translation>
    </message>
    <message>
        <source>Switch to season</source>
        <translation>Naar seizoen wisselen</translation>
    </message>
    <message>
        <source>The game is now the season &quot;%1&quot;. The game as it was is kept as the season &quot;%2&quot;.</source>
        <translation>Het spel is nu seizoen “%1”. Het spel zoals het was is bewaard als seizoen “%2”.</translation>
    </message>
    <message>
        <source>Export season</source>
        <translation>Seizoen exporteren</translation>
    </message>
    <message>
        <source>Season files|*.psnseason</source>
        <translation>Seizoenbestanden|*.psnseason</translation>
    </message>
    <message>
        <source>The season is exported to %1.</source>
        <translation>Het seizoen is geëxporteerd naar %1.</translation>
    </message>
    <message>
        <source>Import season</source>
        <translation>Seizoen importeren</translation>
    </message>
    <message>
        <source>Season files and packs|*.psnseason;*.zip;*.7z</source>
        <translation>Seizoenbestanden en pakketten|*.psnseason;*.zip;*.7z</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is imported.</source>
        <translation>Het seizoen “%1” is geïmporteerd.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Weggelaten:</translation>
    </message>
    <message>
        <source>Type the new name into the name field first.</source>
        <translation>Typ eerst de nieuwe naam in het naamveld.</translation>
    </message>
    <message>
        <source>Delete the season &quot;%1&quot;?</source>
        <translation>Het seizoen “%1” verwijderen?</translation>
    </message>
</context>
<context>
    <name>psn::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Gegevens laden...</translation>
    </message>
</context>
<context>
    <name>psn::TTrackEdForm</name>
    <message>
        <source>Track editor</source>
        <translation>Circuiteditor</translation>
    </message>
    <message>
        <source> Grand Prix races</source>
        <translation> Grand-Prixraces</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuit %1</translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Afstelling van de computerauto&apos;s </translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Voorvleugel</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Achtervleugel</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>graden</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>VERSNELLINGSBAK</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1e</translation>
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
        <translation> Overige circuitwaarden </translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Brandstofverbruik</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Bandenslijtage</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Bandencompound</translation>
    </message>
    <message>
        <source>Tyre - &quot;A&quot;</source>
        <translation>Band - &quot;A&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;B&quot;</source>
        <translation>Band - &quot;B&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;C&quot;</source>
        <translation>Band - &quot;C&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;D&quot;</source>
        <translation>Band - &quot;D&quot;</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Gegevens naar het spel exporteren</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Gegevens uit het spel importeren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Oorspronkelijke gegevens herstellen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>De circuitgegevens zijn geëxporteerd!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>De circuitgegevens zijn geïmporteerd!</translation>
    </message>
</context>
<context>
    <name>psn::Tinsttform</name>
    <message>
        <source>Track manager</source>
        <translation>Circuitbeheer</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Oorspronkelijke circuits installeren</translation>
    </message>
    <message>
        <source>Install Valmont track</source>
        <translation>Circuit Valmont installeren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Oorspronkelijke circuits geïnstalleerd!</translation>
    </message>
    <message>
        <source>Track installed!</source>
        <translation>Circuit geïnstalleerd!</translation>
    </message>
    <message>
        <source>original track pack</source>
        <translation>pakket met de oorspronkelijke circuits</translation>
    </message>
    <message>
        <source>Valmont track pack</source>
        <translation>Valmont-circuitpakket</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Kan het circuitbestand niet kopiëren!</translation>
    </message>
</context>
<context>
    <name>psn::TrackInstall</name>
    <message>
        <source>The %1 in the editor&apos;s DATA folder is a sample made for the editor&apos;s sample game, not for the game in %2, so nothing was installed.

Put the real pack&apos;s files (%3) into %4 in place of the samples.</source>
        <translation>De bestanden voor &quot;%1&quot; in de DATA-map van de editor zijn een voorbeeld voor het voorbeeldspel van de editor, niet voor het spel in %2, dus er is niets geïnstalleerd.

Zet de bestanden van het echte pakket (%3) in %4 in plaats van de voorbeelden.</translation>
    </message>
    <message>
        <source>Not every track file could be copied from the CD!
%1</source>
        <extracomment>%1 is the file that could not be copied and why.</extracomment>
        <translation>Niet alle circuitbestanden konden van de cd worden gekopieerd!
%1</translation>
    </message>
    <message>
        <source>Put &quot;Pistonia&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
        <translation>Plaats de cd &quot;Pistonia&quot; in het cd-station en klik op &quot;OK&quot; wanneer u klaar bent!</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>U hebt de circuitbestanden niet op uw harde schijf geïnstalleerd. U hebt ze nodig om met de circuiteditor te werken. Wilt u ze nu installeren?</translation>
    </message>
    <message>
        <source>The track files are not all installed in the CIRCUITS folder of the game, so the track editor cannot be opened.</source>
        <translation>De circuitbestanden zijn niet allemaal geïnstalleerd in de map CIRCUITS van het spel, dus de circuiteditor kan niet worden geopend.</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your PSN CD</source>
        <translation>Bestand psn.exe op je PSN-cd zoeken</translation>
    </message>
</context>
<context>
    <name>psn::UserBitmap</name>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>&quot;%1&quot; heeft eigen kleuren: de kleuren zijn aangepast aan de 256 kleuren van het helmenblad, naar de dichtstbijzijnde.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>&quot;%1&quot; heeft eigen kleuren: de kleuren zijn aangepast aan de 256 kleuren van de kleurstelling, naar de dichtstbijzijnde.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>&quot;%1&quot; heeft %2 bits per pixel: de kleuren zijn aangepast aan de 256 kleuren van het helmenblad, naar de dichtstbijzijnde.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>&quot;%1&quot; heeft %2 bits per pixel: de kleuren zijn aangepast aan de 256 kleuren van de kleurstelling, naar de dichtstbijzijnde.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the helmet sheet does not hold and took the nearest.</source>
        <translation>%1 van de %2 pixels hadden een kleur die het helmenblad niet bevat en kregen de dichtstbijzijnde.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the car painting does not hold and took the nearest.</source>
        <translation>%1 van de %2 pixels hadden een kleur die de kleurstelling niet bevat en kregen de dichtstbijzijnde.</translation>
    </message>
</context>
<context>
    <name>psn::WindowTransfers</name>
    <message>
        <source>Data has been imported!</source>
        <translation>De gegevens zijn geïmporteerd!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>De gegevens zijn geëxporteerd!</translation>
    </message>
</context>
</TS>
