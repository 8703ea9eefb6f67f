<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>psn::Accessibility</name>
    <message>
        <source>picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of the %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::BackupRestore</name>
    <message>
        <source>There are no backups (.bak files) of game files in %1. The editor makes one of each game file before it first changes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (backup of %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore game files from backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put these game files back as they were in their backups? Every change made to them since is lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These game files have been restored from their backups:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::ColourPartsForm</name>
    <message>
        <source>Cockpit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail: (nothing)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::EditorButtons</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::GameActions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::HelpTexts</name>
    <message>
        <source>(not located yet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brenwick PSN Editor %1
A settings editor for the racing game Pistonia.

Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later). This program comes with no warranty.
Qt %2

Editor folder: %3
Game folder: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editor changes an installed copy of the game: at the first start it asks for the game&apos;s PSN.EXE.

Without the game, generate a sample game and locate its PSN.EXE:
    psniaed-sample-game --edition 0 --out ~/pistonia-sample

Pictures, helmets and liveries need the game&apos;s bitmap converter %1: put it into the editor folder %2.
Install packs (track, cockpit and car set files) go into %3.

Game folder: %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::QtDialogs</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::SettingsCommands</name>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All settings files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TCColorsForm</name>
    <message>
        <source>Cockpit colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>laps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial qualifing fuel load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player&apos;s car performance depends on selected team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>real F1 best time/split info - compares to current best of session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Default view </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> centre of car   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Height </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Angle </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Img. tunning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TCompareForm</name>
    <message>
        <source>Compare with game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences between the settings and the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is changing the game; nothing was compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be read; nothing was compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game executable could not be read; nothing was compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings and the game agree in every field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fields differ in %2 windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The track files are not all installed: the track set-ups were not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The track set-ups have not been read in this run and are not compared.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> BHP </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BHP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Value </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TIEForm</name>
    <message>
        <source>All data has been imported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSN.EXE file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1GPSTATE.SAV file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TInstCForm</name>
    <message>
        <source>Cockpit manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;97 cockpits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TInstCarSetForm</name>
    <message>
        <source>InstCarSetForm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TJamForm</name>
    <message>
        <source>Bitmap has been imported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car JAMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avaiable teams </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the %1 window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the track editor for the game&apos;s tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore game files from &amp;backup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;nstall car set…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First driver - &apos;0&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Selected </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1st </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Teams </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TPathForm</name>
    <message>
        <source>PathForm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate psn.exe file on your hard disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate psn.exe file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::TTrackEdForm</name>
    <message>
        <source>Track editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Grand Prix races</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre - &quot;A&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre - &quot;B&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre - &quot;C&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre - &quot;D&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>psn::Tinsttform</name>
    <message>
        <source>Track manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Valmont track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track installed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
