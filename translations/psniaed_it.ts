<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>psn::Accessibility</name>
    <message>
        <source>picture</source>
        <translation>immagine</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>scelta</translation>
    </message>
    <message>
        <source>list</source>
        <translation>elenco</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>cursore</translation>
    </message>
    <message>
        <source>button</source>
        <translation>pulsante</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valore</translation>
    </message>
    <message>
        <source>A picture of the %1</source>
        <translation>Un&apos;immagine: %1</translation>
    </message>
</context>
<context>
    <name>psn::BackupRestore</name>
    <message>
        <source>There are no backups (.bak files) of game files in %1. The editor makes one of each game file before it first changes it.</source>
        <translation>In %1 non ci sono copie di sicurezza (file .bak) dei file del gioco. L&apos;editor ne crea una di ogni file del gioco prima di modificarlo per la prima volta.</translation>
    </message>
    <message>
        <source>%1  (backup of %2)</source>
        <translation>%1  (copia del %2)</translation>
    </message>
    <message>
        <source>Restore game files from backup</source>
        <translation>Ripristina i file del gioco dal backup</translation>
    </message>
    <message>
        <source>Put these game files back as they were in their backups? Every change made to them since is lost.</source>
        <translation>Riportare questi file del gioco allo stato delle loro copie? Ogni modifica fatta da allora andrà persa.</translation>
    </message>
    <message>
        <source>These game files have been restored from their backups:</source>
        <translation>Questi file del gioco sono stati ripristinati dalle loro copie:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the game&apos;s executable: it is too short to hold the edition byte.</source>
        <translation>&apos;%1&apos; non è l&apos;eseguibile del gioco: è troppo corto per contenere il byte dell&apos;edizione.</translation>
    </message>
</context>
<context>
    <name>psn::BitmapForm</name>
    <message>
        <source>BMP files</source>
        <translation>File BMP</translation>
    </message>
</context>
<context>
    <name>psn::ColourPartsForm</name>
    <message>
        <source>Cockpit</source>
        <translation>Abitacolo</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Specchietti</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Alettone anteriore</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Piedi</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Gambe/ Monitor dei box</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Vita</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Striscia sottile</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Petto sinistro/Cartello</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Petto destro</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Spalline/Cric</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Braccio sinistro</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Avambraccio sinistro</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Braccio destro</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Avambraccio destro</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mani</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Testa</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Logo della scuderia</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importa i dati dal gioco</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Esporta i dati nel gioco</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Ripristina i dati originali</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Parte: %1</translation>
    </message>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Parte: (nessuna)</translation>
    </message>
</context>
<context>
    <name>psn::ConverterRunner</name>
    <message>
        <source>For the sample game that psniaed-sample-game makes, the editor comes with a stand-in converter, %1. Link it into the editor&apos;s folder under the converter&apos;s name:
    ln -s %2 %3
It reads only the sample game&apos;s archives: a real game needs the game&apos;s own %4 there instead.</source>
        <translation>Per il gioco di esempio creato da psniaed-sample-game, l&apos;editor include un convertitore sostitutivo, %1. Collegalo nella cartella dell&apos;editor con il nome del convertitore:
    ln -s %2 %3
Legge solo gli archivi del gioco di esempio: un gioco vero richiede invece il proprio %4.</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the helmets from %1 (%2).</source>
        <translation>L&apos;editor aveva bisogno del convertitore per estrarre i caschi da %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the helmets back into %1 (%2).</source>
        <translation>L&apos;editor aveva bisogno del convertitore per riscrivere i caschi in %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to extract the car painting %1 (%2).</source>
        <translation>L&apos;editor aveva bisogno del convertitore per estrarre la livrea %1 (%2).</translation>
    </message>
    <message>
        <source>The editor needed the converter to write the car painting back into %1 (%2).</source>
        <translation>L&apos;editor aveva bisogno del convertitore per riscrivere la livrea in %1 (%2).</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: Wine&apos;s winepath was not found on the program search path.</source>
        <translation>Il convertitore di bitmap %1 non è stato avviato tramite Wine: il winepath di Wine non è stato trovato nel percorso di ricerca dei programmi.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath did not answer in time.</source>
        <translation>Il convertitore di bitmap %1 non è stato avviato tramite Wine: winepath non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started through Wine: winepath could not translate %2.</source>
        <translation>Il convertitore di bitmap %1 non è stato avviato tramite Wine: winepath non ha potuto tradurre %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 was not found in the editor&apos;s folder (%2) or on the program search path. Put the game&apos;s %1 into %2.</source>
        <translation>Il convertitore di bitmap %1 non è stato trovato né nella cartella dell&apos;editor (%2) né nel percorso di ricerca dei programmi. Metti il %1 del gioco in %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 (%2) is a Windows program: Wine runs it, and no &quot;wine&quot; was found on the program search path. Install Debian&apos;s wine package (sudo apt-get install wine) and try again.</source>
        <translation>Il convertitore di bitmap %1 (%2) è un programma Windows: lo esegue Wine, e nessun &quot;wine&quot; è stato trovato nel percorso di ricerca dei programmi. Installa il pacchetto wine di Debian (sudo apt-get install wine) e riprova.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 could not be started: %2</source>
        <translation>Il convertitore di bitmap %1 non è stato avviato: %2</translation>
    </message>
    <message>
        <source>The bitmap converter %1 did not finish within %2 seconds. It has been stopped.</source>
        <translation>Il convertitore di bitmap %1 non ha finito entro %2 secondi. È stato fermato.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed without writing %2.</source>
        <translation>Il convertitore di bitmap %1 si è bloccato senza scrivere %2.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2 without writing %3.</source>
        <translation>Il convertitore di bitmap %1 è terminato con il codice di uscita %2 senza scrivere %3.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed, and the %2 it wrote cannot be loaded: %3</source>
        <translation>Il convertitore di bitmap %1 si è bloccato, e il %2 che ha scritto non può essere caricato: %3</translation>
    </message>
    <message>
        <source>The bitmap converter %1 ended with exit code %2, and the %3 it wrote cannot be loaded: %4</source>
        <translation>Il convertitore di bitmap %1 è terminato con il codice di uscita %2, e il %3 che ha scritto non può essere caricato: %4</translation>
    </message>
    <message>
        <source>The bitmap converter %1 crashed.</source>
        <translation>Il convertitore di bitmap %1 si è bloccato.</translation>
    </message>
    <message>
        <source>The bitmap converter %1 failed (exit code %2).</source>
        <translation>Il convertitore di bitmap %1 non è riuscito (codice di uscita %2).</translation>
    </message>
    <message>
        <source>The old %1 could not be removed, so the bitmap converter %2 was not started.</source>
        <translation>Il vecchio %1 non è stato rimosso, quindi il convertitore di bitmap %2 non è stato avviato.</translation>
    </message>
    <message>
        <source>No backup of %1 could be made, so the bitmap converter %2 was not started.</source>
        <translation>Non è stato possibile fare una copia di riserva di %1, quindi il convertitore di bitmap %2 non è stato avviato.</translation>
    </message>
</context>
<context>
    <name>psn::EditorButtons</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importa i dati dal gioco</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Esporta i dati nel gioco</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Ripristina i dati originali</translation>
    </message>
</context>
<context>
    <name>psn::Fields</name>
    <message>
        <source>team %1</source>
        <translation>squadra %1</translation>
    </message>
    <message>
        <source>team %1 engine</source>
        <translation>squadra %1 motore</translation>
    </message>
    <message>
        <source>team %1 in use</source>
        <translation>squadra %1 in gara</translation>
    </message>
    <message>
        <source>team %1 1st driver number</source>
        <translation>squadra %1 numero del 1° pilota</translation>
    </message>
    <message>
        <source>team %1 1st driver selected</source>
        <translation>squadra %1 1° pilota scelto</translation>
    </message>
    <message>
        <source>team %1 2nd driver number</source>
        <translation>squadra %1 numero del 2° pilota</translation>
    </message>
    <message>
        <source>team %1 2nd driver selected</source>
        <translation>squadra %1 2° pilota scelto</translation>
    </message>
    <message>
        <source>slot %1 number</source>
        <translation>posto %1 numero</translation>
    </message>
    <message>
        <source>slot %1 selected</source>
        <translation>posto %1 scelto</translation>
    </message>
    <message>
        <source>car %1 driver</source>
        <translation>vettura %1 pilota</translation>
    </message>
    <message>
        <source>first driver &apos;0&apos;</source>
        <translation>primo pilota &quot;0&quot;</translation>
    </message>
    <message>
        <source>team %1 qualification</source>
        <translation>squadra %1 qualifica</translation>
    </message>
    <message>
        <source>team %1 other sessions</source>
        <translation>squadra %1 altre sessioni</translation>
    </message>
    <message>
        <source>human qualification</source>
        <translation>giocatore qualifica</translation>
    </message>
    <message>
        <source>human other sessions</source>
        <translation>giocatore altre sessioni</translation>
    </message>
    <message>
        <source>random engine power</source>
        <translation>potenza del motore casuale</translation>
    </message>
    <message>
        <source>car %1 qualification</source>
        <translation>vettura %1 qualifica</translation>
    </message>
    <message>
        <source>car %1 other sessions</source>
        <translation>vettura %1 altre sessioni</translation>
    </message>
    <message>
        <source>car %1 range</source>
        <translation>vettura %1 intervallo</translation>
    </message>
    <message>
        <source>human car weight</source>
        <translation>peso della vettura del giocatore</translation>
    </message>
    <message>
        <source>computer car weight</source>
        <translation>peso delle vetture del computer</translation>
    </message>
    <message>
        <source>practice fuel</source>
        <translation>carburante in prova</translation>
    </message>
    <message>
        <source>qualifying fuel</source>
        <translation>carburante in qualifica</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>mostrare il carburante degli avversari</translation>
    </message>
    <message>
        <source>performance depends on team</source>
        <translation>prestazioni secondo la squadra</translation>
    </message>
    <message>
        <source>real best time info</source>
        <translation>informazioni reali sul tempo migliore</translation>
    </message>
    <message>
        <source>light %1 colour</source>
        <translation>spia %1 colore</translation>
    </message>
    <message>
        <source>light %1 speed</source>
        <translation>spia %1 regime</translation>
    </message>
    <message>
        <source>position %1</source>
        <translation>posizione %1</translation>
    </message>
    <message>
        <source>speed check</source>
        <translation>controllo della velocità</translation>
    </message>
    <message>
        <source>pit speed</source>
        <translation>velocità ai box</translation>
    </message>
    <message>
        <source>team %1 cockpit</source>
        <translation>squadra %1 abitacolo</translation>
    </message>
    <message>
        <source>team %1 front wing</source>
        <translation>squadra %1 alettone anteriore</translation>
    </message>
    <message>
        <source>team %1 mirrors</source>
        <translation>squadra %1 specchietti</translation>
    </message>
    <message>
        <source>team %1 team logo</source>
        <translation>squadra %1 logo della squadra</translation>
    </message>
    <message>
        <source>team %1 thin stripe</source>
        <translation>squadra %1 striscia sottile</translation>
    </message>
    <message>
        <source>team %1 head</source>
        <translation>squadra %1 testa</translation>
    </message>
    <message>
        <source>team %1 epaulettes/jack</source>
        <translation>squadra %1 spalline/cric</translation>
    </message>
    <message>
        <source>team %1 left chest/sign</source>
        <translation>squadra %1 petto sinistro/cartello</translation>
    </message>
    <message>
        <source>team %1 right chest</source>
        <translation>squadra %1 petto destro</translation>
    </message>
    <message>
        <source>team %1 left upper arm</source>
        <translation>squadra %1 braccio sinistro</translation>
    </message>
    <message>
        <source>team %1 right upper arm</source>
        <translation>squadra %1 braccio destro</translation>
    </message>
    <message>
        <source>team %1 left forearm</source>
        <translation>squadra %1 avambraccio sinistro</translation>
    </message>
    <message>
        <source>team %1 right forearm</source>
        <translation>squadra %1 avambraccio destro</translation>
    </message>
    <message>
        <source>team %1 hands</source>
        <translation>squadra %1 mani</translation>
    </message>
    <message>
        <source>team %1 waist</source>
        <translation>squadra %1 vita</translation>
    </message>
    <message>
        <source>team %1 legs/ pit monitor</source>
        <translation>squadra %1 gambe/monitor dei box</translation>
    </message>
    <message>
        <source>team %1 feet</source>
        <translation>squadra %1 piedi</translation>
    </message>
    <message>
        <source>team %1 part %2</source>
        <translation>squadra %1 parte %2</translation>
    </message>
    <message>
        <source>camera %1 x distance</source>
        <translation>telecamera %1 distanza x</translation>
    </message>
    <message>
        <source>camera %1 z height</source>
        <translation>telecamera %1 altezza z</translation>
    </message>
    <message>
        <source>camera %1 y distance</source>
        <translation>telecamera %1 distanza y</translation>
    </message>
    <message>
        <source>camera %1 x angle</source>
        <translation>telecamera %1 angolo x</translation>
    </message>
    <message>
        <source>camera %1 z angle</source>
        <translation>telecamera %1 angolo z</translation>
    </message>
    <message>
        <source>camera %1 y angle</source>
        <translation>telecamera %1 angolo y</translation>
    </message>
    <message>
        <source>camera %1 tuning %2</source>
        <translation>telecamera %1 regolazione %2</translation>
    </message>
    <message>
        <source>track %1 front wing</source>
        <translation>circuito %1 alettone anteriore</translation>
    </message>
    <message>
        <source>track %1 rear wing</source>
        <translation>circuito %1 alettone posteriore</translation>
    </message>
    <message>
        <source>track %1 gear %2</source>
        <translation>circuito %1 marcia %2</translation>
    </message>
    <message>
        <source>track %1 compound</source>
        <translation>circuito %1 mescola</translation>
    </message>
    <message>
        <source>track %1 fuel consumption</source>
        <translation>circuito %1 consumo di carburante</translation>
    </message>
    <message>
        <source>track %1 tyre consumption</source>
        <translation>circuito %1 usura delle gomme</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>byte</translation>
    </message>
</context>
<context>
    <name>psn::GameActions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; non è un numero decimale valido</translation>
    </message>
    <message>
        <source>Import data from game: %1</source>
        <translation>Importa i dati dal gioco: %1</translation>
    </message>
    <message>
        <source>&quot;Random engine power&quot; cannot be turned back on in this game: %1 no longer holds the code the switch needs, and no backup %2 of the original holds it. The switch is shown as the game has it; the other values have been exported.</source>
        <translation>«Potenza del motore casuale» non può più essere riattivata in questo gioco: %1 non contiene più il codice di cui l&apos;opzione ha bisogno, e nessun backup %2 dell&apos;originale lo contiene. L&apos;opzione è mostrata come la ha il gioco; gli altri valori sono stati esportati.</translation>
    </message>
</context>
<context>
    <name>psn::GameCommand</name>
    <message>
        <source>%1

Press OK to try again, or Cancel to stop.</source>
        <translation>%1

Premere OK per riprovare, o Annulla per smettere.</translation>
    </message>
</context>
<context>
    <name>psn::GameTransfer</name>
    <message>
        <source>Nothing was written into the game, because one of its files is not what its name says:

%1: %2

Put that file right (&quot;Restore game files from backup&quot; or the game CD) and try again.</source>
        <translation>Nel gioco non è stato scritto nulla, perché uno dei suoi file non è ciò che dice il suo nome:

%1: %2

Sistemate quel file (&quot;Ripristina i file del gioco dal backup&quot; o il CD del gioco) e riprovate.</translation>
    </message>
</context>
<context>
    <name>psn::HelpTexts</name>
    <message>
        <source>(not located yet)</source>
        <translation>(non ancora trovata)</translation>
    </message>
    <message>
        <source>Brenwick PSN Editor %1
A settings editor for the racing game Pistonia.

Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later). This program comes with no warranty.
Qt %2

Editor folder: %3
Game folder: %4</source>
        <translation>Brenwick PSN Editor %1
Un editor delle impostazioni del gioco di corse Pistonia.

Licenza: GPL-3.0-or-later (GNU General Public License, versione 3 o successiva). Questo programma è fornito senza alcuna garanzia.
Qt %2

Cartella dell&apos;editor: %3
Cartella del gioco: %4</translation>
    </message>
    <message>
        <source>The editor changes an installed copy of the game: at the first start it asks for the game&apos;s PSN.EXE.

Without the game, generate a sample game and locate its PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Pictures, helmets and liveries need the game&apos;s bitmap converter %1: put it into the editor folder %2.
Install packs (track, cockpit and car set files) go into %3.

Game folder: %4</source>
        <translation>L&apos;editor modifica una copia installata del gioco: al primo avvio chiede il PSN.EXE del gioco.

Senza il gioco, crea un gioco di esempio e indica il suo PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Immagini, caschi e livree richiedono il convertitore di bitmap %1 del gioco: mettilo nella cartella dell&apos;editor %2.
I pacchetti da installare (file di circuiti, abitacoli e vetture) vanno in %3.

Cartella del gioco: %4</translation>
    </message>
</context>
<context>
    <name>psn::Messages</name>
    <message>
        <source>is a folder, not a file</source>
        <extracomment>Reasons follow a file&apos;s name and a colon, or &quot;it&quot;: they start with a verb.</extracomment>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>is a link, not a regular file</source>
        <translation>è un collegamento, non un file normale</translation>
    </message>
    <message>
        <source>is a named pipe (FIFO), not a regular file</source>
        <translation>è una pipe con nome (FIFO), non un file normale</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>è un socket, non un file normale</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>è un dispositivo, non un file normale</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>is a link that leads round in a loop</source>
        <translation>è un collegamento che gira in tondo</translation>
    </message>
    <message>
        <source>is a link to %1, which does not exist</source>
        <translation>è un collegamento a %1, che non esiste</translation>
    </message>
    <message>
        <source>is a link to %1, which cannot be reached: %2</source>
        <translation>è un collegamento a %1, che non si può raggiungere: %2</translation>
    </message>
    <message>
        <source>is a link to %1, which %2</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>è un collegamento a %1, che %2</translation>
    </message>
    <message>
        <source>is a link to %1, which is not a game file of that name</source>
        <translation>è un collegamento a %1, che non è un file del gioco con quel nome</translation>
    </message>
    <message>
        <source>is too large (%1 bytes) to be the file it claims to be</source>
        <translation>è troppo grande (%1 byte) per essere il file che dice di essere</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>il file è finito prima del previsto</translation>
    </message>
    <message>
        <source>the file is too short for a checksum trailer</source>
        <translation>il file è troppo corto per una somma di controllo finale</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it is %1 bytes long, which does not fit</source>
        <translation>non è l&apos;eseguibile del gioco: è lungo %1 byte, il che non corrisponde</translation>
    </message>
    <message>
        <source>is not the game&apos;s executable: it holds no edition byte the editor knows</source>
        <translation>non è l&apos;eseguibile del gioco: non contiene alcun byte di edizione noto all&apos;editor</translation>
    </message>
    <message>
        <source>is not the game&apos;s save state: its checksum trailer does not fit</source>
        <translation>non è il salvataggio del gioco: la sua somma di controllo finale non corrisponde</translation>
    </message>
    <message>
        <source>is not a track file of the game: it is too short</source>
        <translation>non è un file di circuito del gioco: è troppo corto</translation>
    </message>
    <message>
        <source>is not a track file of the game: its car set-up block lies beyond its end</source>
        <translation>non è un file di circuito del gioco: il suo blocco di assetto della vettura si trova oltre la fine</translation>
    </message>
    <message>
        <source>is not a track file of the game: its checksum trailer does not fit</source>
        <translation>non è un file di circuito del gioco: la sua somma di controllo finale non corrisponde</translation>
    </message>
    <message>
        <source>%1; it was left alone</source>
        <extracomment>%1 is a reason that starts with a verb.</extracomment>
        <translation>%1; è stato lasciato com&apos;era</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>it holds %1 bytes instead of %2</source>
        <translation>contiene %1 byte invece di %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>contiene più di %1 byte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name and what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Impossibile rimuovere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it %2, so it was left alone</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>Impossibile scrivere &quot;%1&quot;: %2, perciò è stato lasciato com&apos;era</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <translation>&quot;%1&quot; non è un file di impostazioni: %2. Non è stato caricato nulla; scegliere un file di impostazioni salvato dall&apos;editor o da psnedit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it %2. Nothing was loaded; choose a settings file saved by the editor or by psnedit.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>&quot;%1&quot; non è un file di impostazioni: %2. Non è stato caricato nulla; scegliere un file di impostazioni salvato dall&apos;editor o da psnedit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file: it holds more than %2 bytes. Nothing was loaded; choose a file saved with &quot;Save settings&quot;.</source>
        <translation>&quot;%1&quot; non è un file di impostazioni: contiene più di %2 byte. Non è stato caricato nulla; scegliere un file salvato con &quot;Salva impostazioni&quot;.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged: it holds %2 bytes instead of %3. Nothing was loaded.</source>
        <translation>Il file di impostazioni &quot;%1&quot; è danneggiato: contiene %2 byte invece di %3. Non è stato caricato nulla.</translation>
    </message>
    <message>
        <source>%1: %2, not the editor&apos;s lock file. Nothing was changed; remove it and try again.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a link&quot;).</extracomment>
        <translation>%1: %2, non il file di blocco dell&apos;editor. Non è stato modificato nulla; rimuoverlo e riprovare.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was changed; check %3 and try again.</source>
        <translation>%1: %2. Non è stato modificato nulla; controllare %3 e riprovare.</translation>
    </message>
    <message>
        <source>Another program is changing the game in %1 (it holds %2). Nothing was changed; try again once it has finished.</source>
        <translation>Un altro programma sta modificando il gioco in %1 (tiene %2). Non è stato modificato nulla; riprovare quando avrà finito.</translation>
    </message>
    <message>
        <source>an interrupted change of the game files is recorded here, and the game folder cannot be written to complete it; make it writable and try again</source>
        <translation>qui è registrata una modifica interrotta dei file del gioco, e nella cartella del gioco non si può scrivere per completarla; renderla scrivibile e riprovare</translation>
    </message>
    <message>
        <source>the commit record names &quot;%1&quot;, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;which&quot; or &quot;but&quot;.</extracomment>
        <translation>il registro delle modifiche nomina &quot;%1&quot;, %2. Non è stato modificato nulla. Confrontare i file del gioco con le loro copie .bak, poi rimuovere il registro</translation>
    </message>
    <message>
        <source>the commit record changes &quot;%1&quot; in place, %2. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <extracomment>%2 says why, starting with &quot;but&quot; or &quot;beyond&quot;.</extracomment>
        <translation>il registro delle modifiche modifica &quot;%1&quot; sul posto, %2. Non è stato modificato nulla. Confrontare i file del gioco con le loro copie .bak, poi rimuovere il registro</translation>
    </message>
    <message>
        <source>the commit record holds the line &quot;%1&quot;, which is no entry of it. Nothing was changed. Check the game&apos;s files against their .bak copies, then remove the record</source>
        <translation>il registro delle modifiche contiene la riga &quot;%1&quot;, che non ne è una voce. Non è stato modificato nulla. Confrontare i file del gioco con le loro copie .bak, poi rimuovere il registro</translation>
    </message>
    <message>
        <source>the commit record is damaged; remove it after checking the game files against their .bak copies</source>
        <translation>il registro delle modifiche è danneggiato; rimuoverlo dopo aver confrontato i file del gioco con le loro copie .bak</translation>
    </message>
    <message>
        <source>an empty name</source>
        <extracomment>Follows &quot;the commit record names &quot;FILE&quot;, &quot;.</extracomment>
        <translation>un nome vuoto</translation>
    </message>
    <message>
        <source>which lies outside the game folder</source>
        <translation>che si trova fuori dalla cartella del gioco</translation>
    </message>
    <message>
        <source>which leads out of the game folder</source>
        <translation>che porta fuori dalla cartella del gioco</translation>
    </message>
    <message>
        <source>which is not a plain name of a game file</source>
        <translation>che non è un semplice nome di file del gioco</translation>
    </message>
    <message>
        <source>which is a backup, and recovery never touches a backup</source>
        <translation>che è una copia di sicurezza, e il ripristino non tocca mai una copia di sicurezza</translation>
    </message>
    <message>
        <source>which is the commit record itself</source>
        <translation>che è il registro delle modifiche stesso</translation>
    </message>
    <message>
        <source>which is not a game file this program writes</source>
        <translation>che non è un file del gioco che questo programma scrive</translation>
    </message>
    <message>
        <source>which lies behind a link that leads out of the game folder</source>
        <translation>che si trova dietro un collegamento che porta fuori dalla cartella del gioco</translation>
    </message>
    <message>
        <source>which is a link, where the interrupted command created a file</source>
        <translation>che è un collegamento, dove il comando interrotto ha creato un file</translation>
    </message>
    <message>
        <source>which is a link to %1, not to a game file</source>
        <translation>che è un collegamento a %1, non a un file del gioco</translation>
    </message>
    <message>
        <source>which is a link to nowhere, not to a game file</source>
        <translation>che è un collegamento verso il nulla, non a un file del gioco</translation>
    </message>
    <message>
        <source>but it is no regular file</source>
        <extracomment>Follows &quot;the commit record changes &quot;FILE&quot; in place, &quot;.</extracomment>
        <translation>ma non è un file normale</translation>
    </message>
    <message>
        <source>but it shares its bytes with another file (a hard link)</source>
        <translation>ma condivide i suoi byte con un altro file (un collegamento fisico)</translation>
    </message>
    <message>
        <source>beyond its end</source>
        <translation>oltre la sua fine</translation>
    </message>
    <message>
        <source>by more bytes than a commit changes in place</source>
        <translation>di più byte di quanti una modifica ne cambi sul posto</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>A list of files follows, one a line.</extracomment>
        <translation>L&apos;editor è stato interrotto mentre modificava i file del gioco. La modifica è stata ora completata in:</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>%1 is the name of the program that was stopped (psnedit). A list of files follows.</extracomment>
        <translation>Il programma %1 è stato interrotto mentre modificava i file del gioco. La modifica è stata ora completata in:</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. The change has now been completed in:</source>
        <extracomment>The record does not say which program was stopped. A list of files follows.</extracomment>
        <translation>Un programma è stato interrotto mentre modificava i file del gioco. La modifica è stata ora completata in:</translation>
    </message>
    <message>
        <source>The editor was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>L&apos;editor è stato interrotto mentre modificava i file del gioco. Questi file sono stati riportati com&apos;erano:</translation>
    </message>
    <message>
        <source>The program %1 was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Il programma %1 è stato interrotto mentre modificava i file del gioco. Questi file sono stati riportati com&apos;erano:</translation>
    </message>
    <message>
        <source>A program was stopped while it was changing the game files. These files have been put back as they were:</source>
        <translation>Un programma è stato interrotto mentre modificava i file del gioco. Questi file sono stati riportati com&apos;erano:</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>L&apos;immagine bitmap non è valida</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <extracomment>The file ends before the picture is complete.</extracomment>
        <translation>Errore di lettura del flusso</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossibile creare il file %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 bytes.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>A bitmap the user chose; %1 is its path.</extracomment>
        <translation>&quot;%1&quot; è troppo grande: %2 byte.

Scegli un altro file, oppure salva di nuovo l&apos;immagine come file BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a BMP bitmap.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>&quot;%1&quot; non è una bitmap BMP.

Scegli un altro file, oppure salva di nuovo l&apos;immagine come file BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 x %3 pixels. The editor takes pictures of at most %4 pixels a side and %5 pixels in all.

Choose another file, or save the picture again as a BMP file.</source>
        <translation>&quot;%1&quot; è troppo grande: %2 x %3 pixel. L&apos;editor accetta immagini di al massimo %4 pixel per lato e %5 pixel in tutto.

Scegli un altro file, oppure salva di nuovo l&apos;immagine come file BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: %2.

Choose another file, or save the picture again as a BMP file.</source>
        <extracomment>%2 is the image reader&apos;s own words.</extracomment>
        <translation>&quot;%1&quot; è danneggiato: %2.

Scegli un altro file, oppure salva di nuovo l&apos;immagine come file BMP.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: it ends before its last row (%2 of %3 bytes).

Choose another file, or save the picture again as a BMP file.</source>
        <translation>&quot;%1&quot; è danneggiato: finisce prima della sua ultima riga (%2 di %3 byte).

Scegli un altro file, oppure salva di nuovo l&apos;immagine come file BMP.</translation>
    </message>
    <message>
        <source>The patch list %1 is missing.</source>
        <extracomment>%1 is the patch list&apos;s file name.</extracomment>
        <translation>L&apos;elenco delle patch %1 manca.</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged.</source>
        <translation>L&apos;elenco delle patch %1 è danneggiato.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit the game executable.</source>
        <translation>L&apos;elenco delle patch %1 non corrisponde all&apos;eseguibile del gioco.</translation>
    </message>
    <message>
        <source>The patch list %1 does not fit this game: its record %2 (offset %3h) expects the byte %4h or %5h there, but the game executable holds %6h. Nothing was written. Put the patch list made for your game into the editor&apos;s DATA folder in place of the shipped one.</source>
        <extracomment>%2 counts the list&apos;s records from 1; %3 to %6 are hexadecimal.</extracomment>
        <translation>L&apos;elenco delle patch %1 non corrisponde a questo gioco: il suo record %2 (offset %3h) si aspetta lì il byte %4h o %5h, ma l&apos;eseguibile del gioco contiene %6h. Non è stato scritto nulla. Mettete l&apos;elenco delle patch fatto per il vostro gioco nella cartella DATA dell&apos;editor al posto di quello fornito.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1!</source>
        <translation>Impossibile leggere il file di dati %1!</translation>
    </message>
    <message>
        <source>The data file %1 is empty!</source>
        <translation>Il file di dati %1 è vuoto!</translation>
    </message>
    <message>
        <source>The data file %1 does not fit into the game executable!</source>
        <translation>Il file di dati %1 non entra nell&apos;eseguibile del gioco!</translation>
    </message>
    <message>
        <source>Cannot open the cockpit data file %1!</source>
        <translation>Impossibile aprire il file di dati del cockpit %1!</translation>
    </message>
    <message>
        <source>Cannot read the cockpit data file %1!</source>
        <translation>Impossibile leggere il file di dati del cockpit %1!</translation>
    </message>
    <message>
        <source>The cockpit data file ends after line %1; it needs %2 lines.</source>
        <translation>Il file di dati del cockpit finisce dopo la riga %1; ne servono %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
    <message>
        <source>The cockpit data file %1 cannot be used:
%2
Nothing was changed.</source>
        <extracomment>%2 is what is wrong, a sentence of its own.</extracomment>
        <translation>Il file di dati del cockpit %1 non può essere usato:
%2
Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1
The track data&apos;s original values could not be added to the original data; the editor tries again when it next reads the track files.</source>
        <extracomment>%1 names a file and why it could not be written.</extracomment>
        <translation>%1
I valori originali dei dati dei circuiti non hanno potuto essere aggiunti ai dati originali; l&apos;editor riproverà la prossima volta che leggerà i file dei circuiti.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be read: %2: %3.</source>
        <extracomment>%1 is the season&apos;s name, %2 its file, %3 why it cannot be read.</extracomment>
        <translation>La stagione &quot;%1&quot; non può essere letta: %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was kept or switched.</source>
        <extracomment>%2 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>%1: %2. Non è stato conservato né cambiato nulla.</translation>
    </message>
    <message>
        <source>is a link to %1, which is no game file</source>
        <translation>è un collegamento a %1, che non è un file del gioco</translation>
    </message>
    <message>
        <source>The stored copy of %1 %2 %3. It was not used; keep the season again from a game that holds it.</source>
        <extracomment>%1 is a game file&apos;s name, %2 where its copy is kept, %3 a reason that starts with a verb.</extracomment>
        <translation>La copia conservata di %1 (%2) %3. Non è stata usata; conservate di nuovo la stagione da un gioco che la contiene.</translation>
    </message>
    <message>
        <source>is damaged: its bytes no longer match their hash</source>
        <translation>è danneggiata: i suoi byte non corrispondono più alla loro impronta</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non può essere letta</translation>
    </message>
    <message>
        <source>The track data of these track files could not be read:

%1

Their track data is left out and nothing is written into them. Everything else works, but the Track editor, &quot;Import all data&quot; and &quot;Export all data&quot; need every track file: replace the damaged ones first (&quot;Install original tracks&quot; in the Track manager copies them from the game CD).</source>
        <extracomment>%1 lists the track files, one a line, each with what is wrong with it.</extracomment>
        <translation>I dati dei circuiti di questi file dei circuiti non hanno potuto essere letti:

%1

I loro dati dei circuiti restano esclusi e non vi viene scritto nulla. Tutto il resto funziona, ma l&apos;editor dei circuiti, &quot;Importa tutti i dati&quot; ed &quot;Esporta tutti i dati&quot; hanno bisogno di ogni file dei circuiti: sostituite prima quelli danneggiati (&quot;Installa i circuiti originali&quot; nella gestione circuiti li copia dal CD del gioco).</translation>
    </message>
    <message>
        <source>the file is missing.</source>
        <translation>il file manca.</translation>
    </message>
    <message>
        <source>the file %1.</source>
        <extracomment>%1 is a reason that starts with a verb (&quot;is a folder, not a file&quot;).</extracomment>
        <translation>il file %1.</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1.</source>
        <translation>il file non può essere aperto: %1.</translation>
    </message>
    <message>
        <source>the file is cut short: it holds only %1 bytes, too few for its set-up pointer.</source>
        <translation>il file è troncato: contiene solo %1 byte, troppo pochi per il suo puntatore all&apos;assetto.</translation>
    </message>
    <message>
        <source>the file is cut short or damaged: its car set-up block lies beyond its end (it holds only %1 bytes).</source>
        <translation>il file è troncato o danneggiato: il suo blocco dell&apos;assetto della vettura si trova oltre la sua fine (contiene solo %1 byte).</translation>
    </message>
    <message>
        <source>reading the file failed.</source>
        <translation>la lettura del file non è riuscita.</translation>
    </message>
    <message>
        <source>The track file %1 was left as it was: the record holds no track data for it (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 is a track file&apos;s name.</extracomment>
        <translation>Il file del circuito %1 è stato lasciato com&apos;era: il record non contiene dati del circuito per esso (un file di impostazioni salvato prima della lettura dei dati dei circuiti non ne contiene).</translation>
    </message>
    <message>
        <source>The track files %1 and %2 were left as they were: the record holds no track data for them (a settings file saved before the track data was read holds none).</source>
        <extracomment>%1 lists track files&apos; names with commas, %2 is the last of them.</extracomment>
        <translation>I file dei circuiti %1 e %2 sono stati lasciati com&apos;erano: il record non contiene dati dei circuiti per essi (un file di impostazioni salvato prima della lettura dei dati dei circuiti non ne contiene).</translation>
    </message>
    <message>
        <source>A season &quot;%1&quot; exists already; choose another name or delete it first.</source>
        <translation>Esiste già una stagione &quot;%1&quot;; scegli un altro nome o eliminala prima.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; was kept from the edition &quot;%2&quot;, but the game in %3 is the edition &quot;%4&quot;. Nothing was switched.</source>
        <extracomment>%2 and %4 are editions&apos; names, %3 the game&apos;s folder.</extracomment>
        <translation>La stagione &quot;%1&quot; è stata conservata dall&apos;edizione &quot;%2&quot;, ma il gioco in %3 è l&apos;edizione &quot;%4&quot;. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1: holds no game executable of a known edition (PSN.EXE). Give the folder the game is installed in.</source>
        <translation>%1: non contiene alcun eseguibile del gioco di un&apos;edizione nota (PSN.EXE). Indica la cartella in cui è installato il gioco.</translation>
    </message>
    <message>
        <source>APPDATA names no folder for the editor&apos;s own files. Start the editor from an editor folder (one that holds DATA), or sign in as a user with a profile.</source>
        <translation>APPDATA non indica alcuna cartella per i file propri dell&apos;editor. Avvia l&apos;editor da una cartella dell&apos;editor (una che contiene DATA), oppure accedi come utente con un profilo.</translation>
    </message>
    <message>
        <source>Neither XDG_DATA_HOME nor HOME names a folder for the editor&apos;s own files. Set HOME, or start the editor from an editor folder (one that holds DATA).</source>
        <translation>Né XDG_DATA_HOME né HOME indicano una cartella per i file propri dell&apos;editor. Imposta HOME, oppure avvia l&apos;editor da una cartella dell&apos;editor (una che contiene DATA).</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;</source>
        <translation>Impossibile creare la cartella &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Cannot list the installed data in &apos;%1&apos;</source>
        <translation>Impossibile elencare i dati installati in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Cannot read the installed file &apos;%1&apos;</source>
        <translation>Impossibile leggere il file installato &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Cannot update &apos;%1&apos;</source>
        <translation>Impossibile aggiornare &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Cannot copy the installed data into &apos;%1&apos;</source>
        <translation>Impossibile copiare i dati installati in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Impossibile scrivere &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Cannot prepare the editor folder &apos;%1&apos;</source>
        <translation>Impossibile preparare la cartella dell&apos;editor &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1. Check that the folder can be written to and that the disk has room, then start the editor again.</source>
        <extracomment>%1 says what could not be done, naming the file or folder.</extracomment>
        <translation>%1. Verifica che nella cartella si possa scrivere e che il disco abbia spazio, poi avvia di nuovo l&apos;editor.</translation>
    </message>
    <message>
        <source>Cannot enter the editor folder &apos;%1&apos;. Check that it can be read.</source>
        <translation>Impossibile entrare nella cartella dell&apos;editor &apos;%1&apos;. Verifica che possa essere letta.</translation>
    </message>
    <message>
        <source>There is no season &quot;%1&quot;; &apos;psnedit season list&apos; shows the seasons kept.</source>
        <translation>Non esiste una stagione «%1»; «psnedit season list» mostra le stagioni conservate.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is damaged: %2 holds another season.</source>
        <extracomment>%2 is the season&apos;s file in the store.</extracomment>
        <translation>La stagione «%1» è danneggiata: %2 contiene un&apos;altra stagione.</translation>
    </message>
    <message>
        <source>a season needs a name</source>
        <translation>una stagione ha bisogno di un nome</translation>
    </message>
    <message>
        <source>a season&apos;s name has at most %1 characters</source>
        <translation>il nome di una stagione ha al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>a season&apos;s name holds no line breaks or control characters</source>
        <translation>il nome di una stagione non contiene a capo né caratteri di controllo</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the name typed, %2 what is wrong with it.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>A season&apos;s description has at most %1 characters.</source>
        <translation>La descrizione di una stagione ha al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The season store could not be written: %1: %2. Nothing was kept.</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Non è stato possibile scrivere l&apos;archivio delle stagioni: %1: %2. Non è stato conservato nulla.</translation>
    </message>
    <message>
        <source>The season store %1 cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 the reason.</extracomment>
        <translation>Non è possibile creare l&apos;archivio delle stagioni %1: %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>The season store is in use by another program: %1</source>
        <extracomment>%1 says which program holds it.</extracomment>
        <translation>L&apos;archivio delle stagioni è in uso da parte di un altro programma: %1</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; names %2, whose bytes are not in the store.</source>
        <extracomment>%2 is a game file&apos;s name.</extracomment>
        <translation>La stagione «%1» nomina %2, i cui byte non sono nell&apos;archivio.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; cannot be deleted: %2: %3.</source>
        <extracomment>%2 is a file, %3 the system&apos;s reason.</extracomment>
        <translation>La stagione «%1» non può essere eliminata: %2: %3.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; holds a %2 that %3. Nothing was switched.</source>
        <extracomment>%2 is a game file&apos;s name, %3 what is wrong with it.</extracomment>
        <translation>La stagione «%1» contiene un file %2 che %3. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1: is no season manifest: line %2 %3.</source>
        <extracomment>%1 is a file, %2 a line number, %3 what is wrong with that line.</extracomment>
        <translation>%1: non è un manifesto di stagione: la riga %2 %3.</translation>
    </message>
    <message>
        <source>%1: does not hold the season its name says</source>
        <translation>%1: non contiene la stagione indicata dal suo nome</translation>
    </message>
    <message>
        <source>follows the end</source>
        <translation>segue la fine</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;</source>
        <translation>non è «%1»</translation>
    </message>
    <message>
        <source>names no season: %1</source>
        <translation>non nomina alcuna stagione: %1</translation>
    </message>
    <message>
        <source>names an edition that does not exist (%1)</source>
        <translation>nomina un&apos;edizione che non esiste (%1)</translation>
    </message>
    <message>
        <source>holds a description that cannot be read</source>
        <translation>contiene una descrizione che non si può leggere</translation>
    </message>
    <message>
        <source>is no file entry</source>
        <translation>non è una voce di file</translation>
    </message>
    <message>
        <source>names a file larger than any of the game</source>
        <translation>nomina un file più grande di qualsiasi file del gioco</translation>
    </message>
    <message>
        <source>names %1, which is no game file of a season</source>
        <translation>nomina %1, che non è un file di gioco di una stagione</translation>
    </message>
    <message>
        <source>names %1 a second time</source>
        <translation>nomina %1 una seconda volta</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>contiene «%1»</translation>
    </message>
    <message>
        <source>is missing: the manifest ends early</source>
        <translation>manca: il manifesto finisce troppo presto</translation>
    </message>
    <message>
        <source>is missing: a season holds the game&apos;s executable</source>
        <translation>manca: una stagione contiene l&apos;eseguibile del gioco</translation>
    </message>
    <message>
        <source>%1: %2. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 what is wrong with it.</extracomment>
        <translation>%1: %2. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>%1: the entry &quot;%2&quot; %3. Nothing was imported.</source>
        <extracomment>%1 is an archive, %2 an entry in it, %3 what is wrong with that entry.</extracomment>
        <translation>%1: la voce «%2» %3. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>%1: a change of the game files was interrupted; let psnedit or the editor complete it first. Nothing was imported.</source>
        <translation>%1: una modifica dei file del gioco è stata interrotta; lascia prima che psnedit o l&apos;editor la completino. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>the archive is damaged or truncated</source>
        <translation>l&apos;archivio è danneggiato o troncato</translation>
    </message>
    <message>
        <source>is no ZIP or 7z archive (%1)</source>
        <translation>non è un archivio ZIP o 7z (%1)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>non può essere letto: %1</translation>
    </message>
    <message>
        <source>The season file cannot be written: %1.</source>
        <translation>Il file della stagione non può essere scritto: %1.</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>non ha un nome</translation>
    </message>
    <message>
        <source>has an absolute name</source>
        <translation>ha un nome assoluto</translation>
    </message>
    <message>
        <source>names a drive</source>
        <translation>nomina un&apos;unità</translation>
    </message>
    <message>
        <source>holds a backslash, which may name another folder on another system</source>
        <translation>contiene una barra rovesciata, che su un altro sistema può indicare un&apos;altra cartella</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>contiene caratteri di controllo</translation>
    </message>
    <message>
        <source>leads out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>esce dalla cartella dell&apos;archivio («..»)</translation>
    </message>
    <message>
        <source>is a link or a device, not a plain file</source>
        <translation>è un collegamento o un dispositivo, non un file normale</translation>
    </message>
    <message>
        <source>comes twice</source>
        <translation>compare due volte</translation>
    </message>
    <message>
        <source>is one entry too many: a season has no more than %1 files</source>
        <translation>è una voce di troppo: una stagione non ha più di %1 file</translation>
    </message>
    <message>
        <source>is larger than any file of the game (16 MiB)</source>
        <translation>è più grande di qualsiasi file del gioco (16 MiB)</translation>
    </message>
    <message>
        <source>cannot be unpacked: %1</source>
        <translation>non può essere estratta: %1</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than 256 MiB</source>
        <translation>fa sì che l&apos;archivio estratto superi i 256 MiB</translation>
    </message>
    <message>
        <source>is missing, though the manifest names it</source>
        <translation>manca, anche se il manifesto la nomina</translation>
    </message>
    <message>
        <source>does not match the hash its manifest gives</source>
        <translation>non corrisponde all&apos;hash indicato dal suo manifesto</translation>
    </message>
    <message>
        <source>is not named by the manifest</source>
        <translation>non è nominata dal manifesto</translation>
    </message>
    <message>
        <source>is a second settings file beside &quot;%1&quot;</source>
        <translation>è un secondo file di impostazioni accanto a «%1»</translation>
    </message>
    <message>
        <source>is not a settings file: it is not 2846 bytes long</source>
        <translation>non è un file di impostazioni: non è lunga 2846 byte</translation>
    </message>
    <message>
        <source>is a second %1</source>
        <extracomment>%1 is a game file&apos;s name.</extracomment>
        <translation>è un secondo file %1</translation>
    </message>
    <message>
        <source>holds no game file a season holds and no settings file</source>
        <translation>non contiene né un file di gioco di una stagione né un file di impostazioni</translation>
    </message>
    <message>
        <source>is a pack of loose files, which needs a game to take the rest from</source>
        <translation>è un pacchetto di file sciolti, che ha bisogno di un gioco da cui prendere il resto</translation>
    </message>
    <message>
        <source>%1: holds no game executable that can be read.</source>
        <translation>%1: non contiene alcun eseguibile del gioco leggibile.</translation>
    </message>
    <message>
        <source>The game&apos;s executable cannot be read.</source>
        <translation>L&apos;eseguibile del gioco non può essere letto.</translation>
    </message>
</context>
<context>
    <name>psn::Pictures</name>
    <message>
        <source>en</source>
        <comment>the language code of the windows&apos; language</comment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>psn::QtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Unsaved settings</source>
        <translation>Impostazioni non salvate</translation>
    </message>
</context>
<context>
    <name>psn::RecordSteps</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti: %1</translation>
    </message>
</context>
<context>
    <name>psn::SettingsCommands</name>
    <message>
        <source>Save settings</source>
        <translation>Salva le impostazioni</translation>
    </message>
    <message>
        <source>All settings files</source>
        <translation>Tutti i file di impostazioni</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Carica le impostazioni</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Descrizione delle impostazioni</translation>
    </message>
    <message>
        <source>Load settings %1</source>
        <translation>Carica le impostazioni: %1</translation>
    </message>
    <message>
        <source>Cannot create the settings file &apos;%1&apos;.
%2</source>
        <translation>Impossibile creare il file di impostazioni &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>%1. Nothing was loaded; check that the file exists and that you may read it.</source>
        <translation>%1. Non è stato caricato nulla; verificare che il file esista e che si abbia il permesso di leggerlo.</translation>
    </message>
</context>
<context>
    <name>psn::Steps</name>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 and %3 more</source>
        <translation>%1: %2 e altri %3</translation>
    </message>
</context>
<context>
    <name>psn::TCColorsForm</name>
    <message>
        <source>Cockpit colors</source>
        <translation>Colori dell&apos;abitacolo</translation>
    </message>
</context>
<context>
    <name>psn::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Assetto della vettura</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Peso della vettura </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Peso della vettura del giocatore</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Peso delle vetture del computer</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Collegati</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> LED del contagiri </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>giri/min</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(i colori valgono solo con gli abitacoli originali)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Carburante </translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Carburante all&apos;inizio delle prove</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>giri</translation>
    </message>
    <message>
        <source>Initial qualifing fuel load</source>
        <translation>Carburante all&apos;inizio delle qualifiche</translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>mostra il carburante degli avversari</translation>
    </message>
    <message>
        <source>player&apos;s car performance depends on selected team</source>
        <translation>le prestazioni della vettura del giocatore dipendono dalla scuderia scelta</translation>
    </message>
    <message>
        <source>real F1 best time/split info - compares to current best of session</source>
        <translation>miglior tempo/intertempi F1 reali - confronto con il miglior tempo della sessione</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importa i dati dal gioco</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Esporta i dati nel gioco</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Ripristina i dati originali</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
</context>
<context>
    <name>psn::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Editor delle telecamere</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Scegli la telecamera </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Telecamera %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Vista predefinita </translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>Asse X</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Distanza </translation>
    </message>
    <message>
        <source> centre of car   </source>
        <translation> dal centro   </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Asse Y</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Asse Z</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Altezza </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Angolo </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>Img. tunning</source>
        <translation>Regolazione immagine</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Valore 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Valore 2 </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importa i dati dal gioco</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Esporta i dati nel gioco</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Ripristina i dati originali</translation>
    </message>
</context>
<context>
    <name>psn::TCompareForm</name>
    <message>
        <source>Compare with game</source>
        <translation>Confronta con il gioco</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Differences between the settings and the game</source>
        <translation>Differenze tra le impostazioni e il gioco</translation>
    </message>
    <message>
        <source>Another program is changing the game; nothing was compared.</source>
        <translation>Un altro programma sta modificando il gioco; non è stato confrontato nulla.</translation>
    </message>
    <message>
        <source>The game could not be read; nothing was compared.</source>
        <translation>Impossibile leggere il gioco; non è stato confrontato nulla.</translation>
    </message>
    <message>
        <source>The game executable could not be read; nothing was compared.</source>
        <translation>Impossibile leggere l&apos;eseguibile del gioco; non è stato confrontato nulla.</translation>
    </message>
    <message>
        <source>The settings and the game agree in every field.</source>
        <translation>Le impostazioni e il gioco coincidono in ogni campo.</translation>
    </message>
    <message>
        <source>%1 fields differ in %2 windows.</source>
        <translation>%1 campi differiscono in %2 finestre.</translation>
    </message>
    <message>
        <source> The track files are not all installed: the track set-ups were not read.</source>
        <translation> Non tutti i file dei circuiti sono installati: gli assetti dei circuiti non sono stati letti.</translation>
    </message>
    <message>
        <source> The track set-ups have not been read in this run and are not compared.</source>
        <translation> Gli assetti dei circuiti non sono stati letti in questa sessione e non vengono confrontati.</translation>
    </message>
    <message>
        <source>%1 (open &quot;%2&quot;)</source>
        <translation>%1 (aprire &quot;%2&quot;)</translation>
    </message>
</context>
<context>
    <name>psn::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Descrizione delle impostazioni</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salva le impostazioni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>psn::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Potenza del motore</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Scuderia-motore </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> CV </translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scelta</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Altre sessioni</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Motore del giocatore</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>by</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Potenza del motore casuale</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Qualif.=Altre</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Altre=Qualif.</translation>
    </message>
</context>
<context>
    <name>psn::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Guasti</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Scuderia-motore </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Valore </translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Modifica i dati scelti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>by</source>
        <translation>di</translation>
    </message>
</context>
<context>
    <name>psn::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Aderenza delle vetture del computer</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> 1i piloti </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> ADERENZA </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> 2i piloti </translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Scegli i dati</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Altre sessioni</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Intervallo di aderenza casuale</translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Modifica l&apos;aderenza scelta</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>by</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Qualif.=Altre</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Altre=Qualif.</translation>
    </message>
</context>
<context>
    <name>psn::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Caschi</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Piloti </translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Salva il casco come bitmap</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Carica il casco da bitmap</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Salva tutti i caschi come bitmap</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Carica tutti i caschi da bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importa dal gioco</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Esporta nel gioco</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. It was not extracted from the game at start-up.

Use &quot;%1&quot; or &quot;%2&quot;.</source>
        <translation>Il foglio dei caschi non è disponibile. Non è stato estratto dal gioco all&apos;avvio.

Usa &quot;%1&quot; o &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.

%1

Use &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>Il foglio dei caschi non è disponibile.

%1

Usa &quot;%2&quot; o &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available.</source>
        <translation>Il foglio dei caschi non è disponibile.</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Nothing has been written into the game.</source>
        <translation>Il foglio dei caschi non è disponibile. Nulla è stato scritto nel gioco.</translation>
    </message>
</context>
<context>
    <name>psn::TIEForm</name>
    <message>
        <source>All data has been imported!</source>
        <translation>Tutti i dati sono stati importati!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Tutti i dati sono stati esportati!</translation>
    </message>
    <message>
        <source>Import data</source>
        <translation>Importa i dati</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Nomi e numeri</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Colori dell&apos;abitacolo</translation>
    </message>
    <message>
        <source>Aids</source>
        <translation>Aiuti alla guida</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Importa tutti i dati</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Esporta tutti i dati</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>PSN.EXE file</source>
        <translation>File PSN.EXE</translation>
    </message>
    <message>
        <source>F1GPSTATE.SAV file</source>
        <translation>File F1GPSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>psn::TInstCForm</name>
    <message>
        <source>Cockpit manager</source>
        <translation>Gestione abitacoli</translation>
    </message>
    <message>
        <source>&apos;97 cockpits</source>
        <translation>Abitacoli &apos;97</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installa!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Nuovo abitacolo installato!</translation>
    </message>
    <message>
        <source>cockpit pack %1</source>
        <translation>pacchetto cockpit %1</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Impossibile copiare il file dell&apos;abitacolo!</translation>
    </message>
</context>
<context>
    <name>psn::TInstCarSetForm</name>
    <message>
        <source>InstCarSetForm</source>
        <translation>Installa vetture</translation>
    </message>
    <message>
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation>Installa le vetture &apos;97 (per ora solo le livree)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Nuove vetture installate!</translation>
    </message>
    <message>
        <source>car set</source>
        <translation>set di vetture</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Impossibile copiare i file delle vetture!</translation>
    </message>
</context>
<context>
    <name>psn::TJamForm</name>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>La bitmap è stata importata!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>La bitmap è stata esportata!</translation>
    </message>
    <message>
        <source>Car JAMs</source>
        <translation>JAM delle vetture</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Livree </translation>
    </message>
    <message>
        <source> Avaiable teams </source>
        <translation> Scuderie disponibili </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Carica bitmap</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Salva come bitmap</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Esporta nel gioco</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importa dal gioco</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Carica un file bitmap</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Salva un file bitmap</translation>
    </message>
</context>
<context>
    <name>psn::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Nomi + numeri</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Potenza motore</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Aderenza computer</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Guasti</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Assetto vettura</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Musetti</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Corsia box</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Colori abitacolo</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Colori meccanici</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>JAM vetture</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Caschi</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Telecamere</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Gestione abitacoli</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Gestione circuiti</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Editor circuiti</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ESCI</translation>
    </message>
    <message>
        <source>Car Sets</source>
        <translation>Vetture</translation>
    </message>
    <message>
        <source>Opens the %1 window</source>
        <translation>Apre la finestra «%1»</translation>
    </message>
    <message>
        <source>Opens the track editor for the game&apos;s tracks</source>
        <translation>Apre l&apos;editor dei circuiti del gioco</translation>
    </message>
    <message>
        <source>Ends the editor</source>
        <translation>Chiude l&apos;editor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>&amp;Carica le impostazioni</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Salva le impostazioni</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Salva le impostazioni co&amp;n nome</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>&amp;Ripristina le impostazioni originali</translation>
    </message>
    <message>
        <source>Restore game files from &amp;backup…</source>
        <translation>Ripristina i file del gioco dal &amp;backup…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Descrizione delle impostazioni</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Importa/Esporta</translation>
    </message>
    <message>
        <source>&amp;Compare with game…</source>
        <translation>&amp;Confronta con il gioco…</translation>
    </message>
    <message>
        <source>I&amp;nstall car set…</source>
        <translation>I&amp;nstalla vetture…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Primi passi</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>The settings kept from the last run in &apos;%1&apos; cannot be read, so they were not brought back. The file was kept as &apos;%2&apos;.</source>
        <translation>Le impostazioni conservate dall&apos;ultima sessione in &apos;%1&apos; non si possono leggere, quindi non sono state recuperate. Il file è stato conservato come &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The editor did not end normally last time, and settings edited then were not saved. Press OK to bring them back (Undo takes them back again), or Cancel to discard them.

%1</source>
        <translation>L&apos;ultima volta l&apos;editor non si è chiuso normalmente e le impostazioni modificate allora non sono state salvate. Premere OK per recuperarle (Annulla le toglie di nuovo) o Annulla per scartarle.

%1</translation>
    </message>
    <message>
        <source>Bring back unsaved settings</source>
        <translation>Recupera le impostazioni non salvate</translation>
    </message>
    <message>
        <source>The settings have been changed since they were last read from or written to the game or a settings file. Save them before the editor closes?</source>
        <translation>Le impostazioni sono cambiate dall&apos;ultima lettura o scrittura nel gioco o in un file di impostazioni. Salvarle prima di chiudere l&apos;editor?</translation>
    </message>
    <message>
        <source>S&amp;easons…</source>
        <translation>Sta&amp;gioni…</translation>
    </message>
    <message>
        <source>The editor is already running in %1. This window works as usual, but only the other one keeps unsaved settings for the case that it does not end normally: save your settings to a file before you close this window.</source>
        <translation>L&apos;editor è già in esecuzione in %1. Questa finestra funziona come al solito, ma solo l&apos;altro conserva le impostazioni non salvate nel caso non termini normalmente: salva le impostazioni in un file prima di chiudere questa finestra.</translation>
    </message>
    <message>
        <source>%1

Your game&apos;s original values could not be kept, so &quot;Restore original data&quot; cannot bring them back. The editor tries again at its next start; make the file writable or free some space.</source>
        <translation>%1

Non è stato possibile conservare i valori originali del gioco, quindi &quot;Ripristina dati originali&quot; non può riportarli. L&apos;editor riproverà al prossimo avvio; rendere il file scrivibile o liberare spazio.</translation>
    </message>
    <message>
        <source>%1

The editor&apos;s settings (where the game is) could not be saved; at its next start the editor asks for the game again.</source>
        <translation>%1

Non è stato possibile salvare le impostazioni dell&apos;editor (dove si trova il gioco); al prossimo avvio l&apos;editor chiederà di nuovo il gioco.</translation>
    </message>
</context>
<context>
    <name>psn::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Nomi e numeri</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Scuderia-motore </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nome della scuderia</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Nome del motore</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Nome del 1° pilota</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Nome del 2° pilota</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>First driver - &apos;0&apos;</source>
        <translation>Primo pilota - &apos;0&apos;</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Piloti </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   scelti </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1° </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2°</translation>
    </message>
</context>
<context>
    <name>psn::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Musetti </translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Scuderie </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Musetti</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>alzato</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>abbassato</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importa i dati dal gioco</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Esporta i dati nel gioco</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Ripristina i dati originali</translation>
    </message>
</context>
<context>
    <name>psn::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Colori dei meccanici</translation>
    </message>
</context>
<context>
    <name>psn::TPathForm</name>
    <message>
        <source>PathForm</source>
        <translation>Trova il gioco</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your hard disk</source>
        <translation>Trova il file psn.exe sul disco</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Locate psn.exe file</source>
        <translation>Trova il file psn.exe</translation>
    </message>
</context>
<context>
    <name>psn::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Impostazioni della corsia box</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Ordine ai box </translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>ingresso box</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>uscita box</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Velocità in corsia box </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Velocità massima in corsia box</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Controlla la velocità in corsia box</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importa i dati dal gioco</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Esporta i dati nel gioco</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Ripristina i dati originali</translation>
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
        <translation>Stagioni</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edizione</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservata</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Against the game now</source>
        <translation>Rispetto al gioco attuale</translation>
    </message>
    <message>
        <source>Seasons kept</source>
        <translation>Stagioni conservate</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrizione:</translation>
    </message>
    <message>
        <source>&amp;Keep the game as a season</source>
        <translation>&amp;Conserva il gioco come stagione</translation>
    </message>
    <message>
        <source>&amp;Switch to season…</source>
        <translation>&amp;Passa alla stagione…</translation>
    </message>
    <message>
        <source>&amp;Rename to the name above</source>
        <translation>&amp;Rinomina col nome sopra</translation>
    </message>
    <message>
        <source>&amp;Import season…</source>
        <translation>&amp;Importa stagione…</translation>
    </message>
    <message>
        <source>&amp;Export season…</source>
        <translation>&amp;Esporta stagione…</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>The game could not be read: %1</source>
        <translation>Impossibile leggere il gioco: %1</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>non confrontata</translation>
    </message>
    <message>
        <source>the same as the game</source>
        <translation>uguale al gioco</translation>
    </message>
    <message>
        <source>files that differ: %1</source>
        <translation>file diversi: %1</translation>
    </message>
    <message>
        <source>another edition</source>
        <translation>altra edizione</translation>
    </message>
    <message>
        <source>Seasons kept: %1</source>
        <translation>Stagioni conservate: %1</translation>
    </message>
    <message>
        <source>Damaged seasons left out: %1</source>
        <translation>Stagioni danneggiate escluse: %1</translation>
    </message>
    <message>
        <source>Type the new season&apos;s name into the name field first.</source>
        <translation>Scrivi prima il nome della nuova stagione nel campo del nome.</translation>
    </message>
    <message>
        <source>The game is kept as the season &quot;%1&quot;.</source>
        <translation>Il gioco è conservato come stagione «%1».</translation>
    </message>
    <message>
        <source>The game is that season already.</source>
        <translation>Il gioco è già quella stagione.</translation>
    </message>
    <message>
        <source>… and more settings: %1</source>
        <translation>… e altre impostazioni: %1</translation>
    </message>
    <message>
        <source>Switch the game to the season &quot;%1&quot;? These change:

%2

The game as it is now is kept as a season first.</source>
        <translation>Passare il gioco alla stagione «%1»? Cambia:

%2

Il gioco com’è ora viene prima conservato come stagione.</translation>
    </message>
    <message>
        <source>Switch to season</source>
        <translation>Passa alla stagione</translation>
    </message>
    <message>
        <source>The game is now the season &quot;%1&quot;. The game as it was is kept as the season &quot;%2&quot;.</source>
        <translation>Il gioco è ora la stagione «%1». Il gioco com’era è conservato come stagione «%2».</translation>
    </message>
    <message>
        <source>Export season</source>
        <translation>Esporta stagione</translation>
    </message>
    <message>
        <source>Season files|*.psnseason</source>
        <translation>File di stagione|*.psnseason</translation>
    </message>
    <message>
        <source>The season is exported to %1.</source>
        <translation>La stagione è esportata in %1.</translation>
    </message>
    <message>
        <source>Import season</source>
        <translation>Importa stagione</translation>
    </message>
    <message>
        <source>Season files and packs|*.psnseason;*.zip;*.7z</source>
        <translation>File di stagione e pacchetti|*.psnseason;*.zip;*.7z</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; is imported.</source>
        <translation>La stagione «%1» è importata.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Esclusi:</translation>
    </message>
    <message>
        <source>Type the new name into the name field first.</source>
        <translation>Scrivi prima il nuovo nome nel campo del nome.</translation>
    </message>
    <message>
        <source>Delete the season &quot;%1&quot;?</source>
        <translation>Eliminare la stagione «%1»?</translation>
    </message>
</context>
<context>
    <name>psn::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Caricamento dei dati...</translation>
    </message>
</context>
<context>
    <name>psn::TTrackEdForm</name>
    <message>
        <source>Track editor</source>
        <translation>Editor dei circuiti</translation>
    </message>
    <message>
        <source> Grand Prix races</source>
        <translation> Gare del Gran Premio</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuito %1</translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Assetto delle vetture del computer </translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Alettone anteriore</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Alettone posteriore</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>CAMBIO</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2°</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4ª</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5ª</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6ª</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Altri valori del circuito </translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Consumo di carburante</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Usura delle gomme</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Mescola delle gomme</translation>
    </message>
    <message>
        <source>Tyre - &quot;A&quot;</source>
        <translation>Gomme - &quot;A&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;B&quot;</source>
        <translation>Gomme - &quot;B&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;C&quot;</source>
        <translation>Gomme - &quot;C&quot;</translation>
    </message>
    <message>
        <source>Tyre - &quot;D&quot;</source>
        <translation>Gomme - &quot;D&quot;</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Esporta i dati nel gioco</translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation>Importa i dati dal gioco</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Ripristina i dati originali</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>I dati dei circuiti sono stati esportati!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>I dati dei circuiti sono stati importati!</translation>
    </message>
</context>
<context>
    <name>psn::Tinsttform</name>
    <message>
        <source>Track manager</source>
        <translation>Gestione circuiti</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Installa i circuiti originali</translation>
    </message>
    <message>
        <source>Install Valmont track</source>
        <translation>Installa il circuito di Valmont</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Circuiti originali installati!</translation>
    </message>
    <message>
        <source>Track installed!</source>
        <translation>Circuito installato!</translation>
    </message>
    <message>
        <source>original track pack</source>
        <translation>pacchetto dei circuiti originali</translation>
    </message>
    <message>
        <source>Valmont track pack</source>
        <translation>pacchetto del circuito di Valmont</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Impossibile copiare il file del circuito!</translation>
    </message>
</context>
<context>
    <name>psn::TrackInstall</name>
    <message>
        <source>The %1 in the editor&apos;s DATA folder is a sample made for the editor&apos;s sample game, not for the game in %2, so nothing was installed.

Put the real pack&apos;s files (%3) into %4 in place of the samples.</source>
        <translation>Il %1 nella cartella DATA dell&apos;editor è un esempio fatto per il gioco di esempio dell&apos;editor, non per il gioco in %2, perciò non è stato installato nulla.

Mettere i file del pacchetto vero (%3) in %4 al posto degli esempi.</translation>
    </message>
    <message>
        <source>Not every track file could be copied from the CD!
%1</source>
        <extracomment>%1 is the file that could not be copied and why.</extracomment>
        <translation>Non tutti i file dei circuiti hanno potuto essere copiati dal CD!
%1</translation>
    </message>
    <message>
        <source>Put &quot;Pistonia&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
        <translation>Inserisci il CD &quot;Pistonia&quot; nell&apos;unità CD e premi &quot;OK&quot; quando sei pronto!</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>Non hai installato i file dei circuiti sul disco rigido. Ti servono per lavorare con l&apos;editor dei circuiti. Vuoi installarli ora?</translation>
    </message>
    <message>
        <source>The track files are not all installed in the CIRCUITS folder of the game, so the track editor cannot be opened.</source>
        <translation>I file dei circuiti non sono tutti installati nella cartella CIRCUITS del gioco, quindi l&apos;editor dei circuiti non può essere aperto.</translation>
    </message>
    <message>
        <source>Locate psn.exe file on your PSN CD</source>
        <translation>Trova il file psn.exe sul tuo CD di PSN</translation>
    </message>
</context>
<context>
    <name>psn::UserBitmap</name>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>&quot;%1&quot; ha colori propri: i suoi colori sono stati adattati ai 256 colori del foglio dei caschi, al più vicino.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has colours of its own: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>&quot;%1&quot; ha colori propri: i suoi colori sono stati adattati ai 256 colori della livrea, al più vicino.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the helmet sheet, nearest colour.</source>
        <translation>&quot;%1&quot; ha %2 bit per pixel: i suoi colori sono stati adattati ai 256 colori del foglio dei caschi, al più vicino.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 bits per pixel: its colours have been matched to the 256 colours of the car painting, nearest colour.</source>
        <translation>&quot;%1&quot; ha %2 bit per pixel: i suoi colori sono stati adattati ai 256 colori della livrea, al più vicino.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the helmet sheet does not hold and took the nearest.</source>
        <translation>%1 dei suoi %2 pixel avevano un colore che il foglio dei caschi non contiene e hanno preso il più vicino.</translation>
    </message>
    <message>
        <source>%1 of its %2 pixels had a colour that the car painting does not hold and took the nearest.</source>
        <translation>%1 dei suoi %2 pixel avevano un colore che la livrea non contiene e hanno preso il più vicino.</translation>
    </message>
</context>
<context>
    <name>psn::WindowTransfers</name>
    <message>
        <source>Data has been imported!</source>
        <translation>I dati sono stati importati!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>I dati sono stati esportati!</translation>
    </message>
</context>
</TS>
