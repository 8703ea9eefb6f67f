// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/messages.h"

namespace psn {

const char* Wording(MessageKind kind) {
    using K = MessageKind;
    switch (kind) {
    case K::Verbatim:
        return "";
    //: Reasons follow a file's name and a colon, or "it": they start with a verb.
    case K::IsFolder:
        return PSN_WORDING("psn::Messages", "is a folder, not a file");
    case K::IsLink:
        return PSN_WORDING("psn::Messages", "is a link, not a regular file");
    case K::IsPipe:
        return PSN_WORDING("psn::Messages", "is a named pipe (FIFO), not a regular file");
    case K::IsSocket:
        return PSN_WORDING("psn::Messages", "is a socket, not a regular file");
    case K::IsDevice:
        return PSN_WORDING("psn::Messages", "is a device, not a regular file");
    case K::IsNotRegular:
        return PSN_WORDING("psn::Messages", "is not a regular file");
    case K::LinkLoops:
        return PSN_WORDING("psn::Messages", "is a link that leads round in a loop");
    case K::LinkToMissing:
        return PSN_WORDING("psn::Messages", "is a link to %1, which does not exist");
    case K::LinkUnreachable:
        return PSN_WORDING("psn::Messages", "is a link to %1, which cannot be reached: %2");
    //: %2 is a reason that starts with a verb ("is a folder, not a file").
    case K::LinkToNonRegular:
        return PSN_WORDING("psn::Messages", "is a link to %1, which %2");
    case K::LinkToOtherFile:
        return PSN_WORDING("psn::Messages",
                           "is a link to %1, which is not a game file of that name");
    case K::TooLarge:
        return PSN_WORDING("psn::Messages",
                           "is too large (%1 bytes) to be the file it claims to be");
    case K::EndedEarly:
        return PSN_WORDING("psn::Messages", "the file ended early");
    case K::TooShortForTrailer:
        return PSN_WORDING("psn::Messages", "the file is too short for a checksum trailer");
    case K::NotTheExeSize:
        return PSN_WORDING("psn::Messages",
                           "is not the game's executable: it is %1 bytes long, which does not fit");
    case K::NotTheExeEdition:
        return PSN_WORDING("psn::Messages",
                           "is not the game's executable: it holds no edition byte the editor "
                           "knows");
    case K::NotTheSaveState:
        return PSN_WORDING("psn::Messages",
                           "is not the game's save state: its checksum trailer does not fit");
    case K::TrackTooShort:
        return PSN_WORDING("psn::Messages", "is not a track file of the game: it is too short");
    case K::TrackSetupBeyondEnd:
        return PSN_WORDING("psn::Messages",
                           "is not a track file of the game: its car set-up block lies beyond "
                           "its end");
    case K::TrackTrailer:
        return PSN_WORDING("psn::Messages",
                           "is not a track file of the game: its checksum trailer does not fit");
    //: %1 is a reason that starts with a verb.
    case K::LeftAlone:
        return PSN_WORDING("psn::Messages", "%1; it was left alone");
    case K::IsReadOnly:
        return PSN_WORDING("psn::Messages", "the file is read-only");
    case K::HoldsBytesInsteadOf:
        return PSN_WORDING("psn::Messages", "it holds %1 bytes instead of %2");
    case K::HoldsMoreThan:
        return PSN_WORDING("psn::Messages", "it holds more than %1 bytes");

    //: A file's name and what is wrong with it.
    case K::FileAndReason:
        return PSN_WORDING("psn::Messages", "%1: %2");
    case K::CannotOpen:
        return PSN_WORDING("psn::Messages", "Cannot open \"%1\": %2");
    case K::CannotRead:
        return PSN_WORDING("psn::Messages", "Cannot read \"%1\": %2");
    case K::CannotWrite:
        return PSN_WORDING("psn::Messages", "Cannot write \"%1\": %2");
    case K::CannotRemove:
        return PSN_WORDING("psn::Messages", "Cannot remove \"%1\": %2");
    //: %2 is a reason that starts with a verb ("is a folder, not a file").
    case K::CannotWriteRefused:
        return PSN_WORDING("psn::Messages", "Cannot write \"%1\": it %2, so it was left alone");
    case K::NotASettingsFile:
        return PSN_WORDING("psn::Messages",
                           "\"%1\" is not a settings file: %2. Nothing was loaded; choose a "
                           "settings file saved by the editor or by psnedit.");
    //: %2 is a reason that starts with a verb ("is a folder, not a file").
    case K::NotASettingsFileIt:
        return PSN_WORDING("psn::Messages",
                           "\"%1\" is not a settings file: it %2. Nothing was loaded; choose a "
                           "settings file saved by the editor or by psnedit.");
    case K::NotASettingsFileTooLong:
        return PSN_WORDING("psn::Messages",
                           "\"%1\" is not a settings file: it holds more than %2 bytes. Nothing "
                           "was loaded; choose a file saved with \"Save settings\".");
    case K::SettingsFileShort:
        return PSN_WORDING("psn::Messages",
                           "The settings file \"%1\" is damaged: it holds %2 bytes instead of "
                           "%3. Nothing was loaded.");
    //: %2 is a reason that starts with a verb ("is a link").
    case K::NotALockFile:
        return PSN_WORDING("psn::Messages",
                           "%1: %2, not the editor's lock file. Nothing was changed; remove it "
                           "and try again.");
    case K::LockFolderFails:
        return PSN_WORDING("psn::Messages", "%1: %2. Nothing was changed; check %3 and try again.");
    case K::GameBusy:
        return PSN_WORDING("psn::Messages",
                           "Another program is changing the game in %1 (it holds %2). Nothing "
                           "was changed; try again once it has finished.");
    case K::RecordCannotComplete:
        return PSN_WORDING("psn::Messages",
                           "an interrupted change of the game files is recorded here, and the "
                           "game folder cannot be written to complete it; make it writable and "
                           "try again");
    //: %2 says why, starting with "which" or "but".
    case K::RecordNames:
        return PSN_WORDING("psn::Messages",
                           "the commit record names \"%1\", %2. Nothing was changed. Check the "
                           "game's files against their .bak copies, then remove the record");
    //: %2 says why, starting with "but" or "beyond".
    case K::RecordPatches:
        return PSN_WORDING("psn::Messages",
                           "the commit record changes \"%1\" in place, %2. Nothing was changed. "
                           "Check the game's files against their .bak copies, then remove the "
                           "record");
    case K::RecordStrayLine:
        return PSN_WORDING("psn::Messages",
                           "the commit record holds the line \"%1\", which is no entry of it. "
                           "Nothing was changed. Check the game's files against their .bak "
                           "copies, then remove the record");
    case K::RecordDamaged:
        return PSN_WORDING("psn::Messages",
                           "the commit record is damaged; remove it after checking the game "
                           "files against their .bak copies");

    //: Follows "the commit record names "FILE", ".
    case K::EntryEmptyName:
        return PSN_WORDING("psn::Messages", "an empty name");
    case K::EntryOutside:
        return PSN_WORDING("psn::Messages", "which lies outside the game folder");
    case K::EntryLeadsOut:
        return PSN_WORDING("psn::Messages", "which leads out of the game folder");
    case K::EntryNotPlain:
        return PSN_WORDING("psn::Messages", "which is not a plain name of a game file");
    case K::EntryBackup:
        return PSN_WORDING("psn::Messages",
                           "which is a backup, and recovery never touches a backup");
    case K::EntryRecordItself:
        return PSN_WORDING("psn::Messages", "which is the commit record itself");
    case K::EntryNotGameFile:
        return PSN_WORDING("psn::Messages", "which is not a game file this program writes");
    case K::EntryBehindLink:
        return PSN_WORDING("psn::Messages",
                           "which lies behind a link that leads out of the game folder");
    case K::EntryLinkForCreated:
        return PSN_WORDING("psn::Messages",
                           "which is a link, where the interrupted command created a file");
    case K::EntryLinkElsewhere:
        return PSN_WORDING("psn::Messages", "which is a link to %1, not to a game file");
    case K::EntryLinkNowhere:
        return PSN_WORDING("psn::Messages", "which is a link to nowhere, not to a game file");
    //: Follows "the commit record changes "FILE" in place, ".
    case K::PatchNotRegular:
        return PSN_WORDING("psn::Messages", "but it is no regular file");
    case K::PatchHardLink:
        return PSN_WORDING("psn::Messages",
                           "but it shares its bytes with another file (a hard link)");
    case K::PatchBeyondEnd:
        return PSN_WORDING("psn::Messages", "beyond its end");
    case K::PatchTooLarge:
        return PSN_WORDING("psn::Messages", "by more bytes than a commit changes in place");

    //: A list of files follows, one a line.
    case K::CompletedByEditor:
        return PSN_WORDING("psn::Messages",
                           "The editor was stopped while it was changing the game files. The "
                           "change has now been completed in:");
    //: %1 is the name of the program that was stopped (psnedit). A list of files follows.
    case K::CompletedByProgram:
        return PSN_WORDING("psn::Messages",
                           "The program %1 was stopped while it was changing the game files. The "
                           "change has now been completed in:");
    //: The record does not say which program was stopped. A list of files follows.
    case K::CompletedByUnknown:
        return PSN_WORDING("psn::Messages",
                           "A program was stopped while it was changing the game files. The "
                           "change has now been completed in:");
    case K::UndoneByEditor:
        return PSN_WORDING("psn::Messages",
                           "The editor was stopped while it was changing the game files. These "
                           "files have been put back as they were:");
    case K::UndoneByProgram:
        return PSN_WORDING("psn::Messages",
                           "The program %1 was stopped while it was changing the game files. "
                           "These files have been put back as they were:");
    case K::UndoneByUnknown:
        return PSN_WORDING("psn::Messages",
                           "A program was stopped while it was changing the game files. These "
                           "files have been put back as they were:");

    case K::InvalidBitmap:
        return PSN_WORDING("psn::Messages", "Bitmap Image is not valid");
    //: The file ends before the picture is complete.
    case K::StreamReadError:
        return PSN_WORDING("psn::Messages", "Stream read error");
    case K::CannotOpenFile:
        return PSN_WORDING("psn::Messages", "Cannot open file %1");
    case K::CannotCreateFile:
        return PSN_WORDING("psn::Messages", "Cannot create file %1");
    case K::CannotCreateFileBecause:
        return PSN_WORDING("psn::Messages", "Cannot create file %1: %2");
    //: A bitmap the user chose; %1 is its path.
    case K::UserBitmapTooLarge:
        return PSN_WORDING("psn::Messages",
                           "'%1' is too large: %2 bytes.\n\nChoose another file, or save the "
                           "picture again as a BMP file.");
    case K::UserBitmapNotBmp:
        return PSN_WORDING("psn::Messages",
                           "'%1' is not a BMP bitmap.\n\nChoose another file, or save the "
                           "picture again as a BMP file.");
    case K::UserBitmapTooManyPixels:
        return PSN_WORDING("psn::Messages",
                           "'%1' is too large: %2 x %3 pixels. The editor takes pictures of at "
                           "most %4 pixels a side and %5 pixels in all.\n\nChoose another file, "
                           "or save the picture again as a BMP file.");
    //: %2 is the image reader's own words.
    case K::UserBitmapDamaged:
        return PSN_WORDING("psn::Messages",
                           "'%1' is damaged: %2.\n\nChoose another file, or save the picture "
                           "again as a BMP file.");
    case K::UserBitmapEndsEarly:
        return PSN_WORDING("psn::Messages",
                           "'%1' is damaged: it ends before its last row (%2 of %3 bytes).\n\n"
                           "Choose another file, or save the picture again as a BMP file.");
    //: %1 is the patch list's file name.
    case K::PatchListMissing:
        return PSN_WORDING("psn::Messages", "The patch list %1 is missing.");
    case K::PatchListDamaged:
        return PSN_WORDING("psn::Messages", "The patch list %1 is damaged.");
    case K::PatchListBeyondExe:
        return PSN_WORDING("psn::Messages", "The patch list %1 does not fit the game executable.");
    //: %2 counts the list's records from 1; %3 to %6 are hexadecimal.
    case K::PatchListNotThisGame:
        return PSN_WORDING("psn::Messages",
                           "The patch list %1 does not fit this game: its record %2 (offset %3h) "
                           "expects the byte %4h or %5h there, but the game executable holds "
                           "%6h. Nothing was written. Put the patch list made for your game into "
                           "the editor's DATA folder in place of the shipped one.");
    case K::DataFileUnreadable:
        return PSN_WORDING("psn::Messages", "Cannot read the data file %1!");
    case K::DataFileEmpty:
        return PSN_WORDING("psn::Messages", "The data file %1 is empty!");
    case K::DataFileBeyondExe:
        return PSN_WORDING("psn::Messages",
                           "The data file %1 does not fit into the game executable!");
    case K::CockpitDataCannotOpen:
        return PSN_WORDING("psn::Messages", "Cannot open the cockpit data file %1!");
    case K::CockpitDataCannotRead:
        return PSN_WORDING("psn::Messages", "Cannot read the cockpit data file %1!");
    case K::CockpitDataEndsEarly:
        return PSN_WORDING("psn::Messages",
                           "The cockpit data file ends after line %1; it needs %2 lines.");
    case K::CockpitDataNotInteger:
        return PSN_WORDING("psn::Messages", "'%1' is not a valid integer value");
    //: %2 is what is wrong, a sentence of its own.
    case K::CockpitDataUnusable:
        return PSN_WORDING("psn::Messages",
                           "The cockpit data file %1 cannot be used:\n%2\nNothing was changed.");
    //: %1 names a file and why it could not be written.
    case K::OriginalTracksNotAdded:
        return PSN_WORDING("psn::Messages",
                           "%1\nThe track data's original values could not be added to the "
                           "original data; the editor tries again when it next reads the track "
                           "files.");
    //: %1 is the season's name, %2 its file, %3 why it cannot be read.
    case K::SeasonUnreadable:
        return PSN_WORDING("psn::Messages", "The season \"%1\" cannot be read: %2: %3.");
    //: %2 is a reason that starts with a verb ("is a folder, not a file").
    case K::SeasonFileUnusable:
        return PSN_WORDING("psn::Messages", "%1: %2. Nothing was kept or switched.");
    case K::SeasonLinkNotGameFile:
        return PSN_WORDING("psn::Messages", "is a link to %1, which is no game file");
    //: %1 is a game file's name, %2 where its copy is kept, %3 a reason that starts with a verb.
    case K::StoredCopyUnusable:
        return PSN_WORDING("psn::Messages",
                           "The stored copy of %1 %2 %3. It was not used; keep the season again "
                           "from a game that holds it.");
    case K::StoredCopyDamaged:
        return PSN_WORDING("psn::Messages", "is damaged: its bytes no longer match their hash");
    case K::StoredCopyUnreadable:
        return PSN_WORDING("psn::Messages", "cannot be read");
    case K::Lines:
        return "";
    //: %1 lists the track files, one a line, each with what is wrong with it.
    case K::TrackReadProblems:
        return PSN_WORDING(
            "psn::Messages",
            "The track data of these track files could not be read:\n\n%1\n\nTheir "
            "track data is left out and nothing is written into them. Everything "
            "else works, but the Track editor, \"Import all data\" and \"Export all "
            "data\" need every track file: replace the damaged ones first (\"Install "
            "original tracks\" in the Track manager copies them from the game CD).");
    case K::TrackFileMissing:
        return PSN_WORDING("psn::Messages", "the file is missing.");
    //: %1 is a reason that starts with a verb ("is a folder, not a file").
    case K::TrackFileIs:
        return PSN_WORDING("psn::Messages", "the file %1.");
    case K::TrackFileCannotOpen:
        return PSN_WORDING("psn::Messages", "the file cannot be opened: %1.");
    case K::TrackFileTooShortForPointer:
        return PSN_WORDING("psn::Messages",
                           "the file is cut short: it holds only %1 bytes, too few for its set-up "
                           "pointer.");
    case K::TrackFileSetupBeyondEnd:
        return PSN_WORDING("psn::Messages",
                           "the file is cut short or damaged: its car set-up block lies beyond its "
                           "end (it holds only %1 bytes).");
    case K::TrackFileReadFailed:
        return PSN_WORDING("psn::Messages", "reading the file failed.");
    //: %1 is a track file's name.
    case K::TrackLeftAsItWas:
        return PSN_WORDING("psn::Messages",
                           "The track file %1 was left as it was: the record holds no track data "
                           "for it (a settings file saved before the track data was read holds "
                           "none).");
    //: %1 lists track files' names with commas, %2 is the last of them.
    case K::TracksLeftAsTheyWere:
        return PSN_WORDING("psn::Messages",
                           "The track files %1 and %2 were left as they were: the record holds no "
                           "track data for them (a settings file saved before the track data was "
                           "read holds none).");
    case K::SeasonExists:
        return PSN_WORDING("psn::Messages",
                           "A season \"%1\" exists already; choose another name or delete it "
                           "first.");
    //: %2 and %4 are editions' names, %3 the game's folder.
    case K::SeasonOtherEdition:
        return PSN_WORDING("psn::Messages",
                           "The season \"%1\" was kept from the edition \"%2\", but the game in "
                           "%3 is the edition \"%4\". Nothing was switched.");
#ifdef _WIN32
    case K::NoUserFolder:
        return PSN_WORDING("psn::Messages",
                           "APPDATA names no folder for the editor's own files. Start the editor "
                           "from an editor folder (one that holds DATA), or sign in as a user with "
                           "a profile.");
#else
    case K::NoUserFolder:
        return PSN_WORDING("psn::Messages",
                           "Neither XDG_DATA_HOME nor HOME names a folder for the editor's own "
                           "files. Set HOME, or start the editor from an editor folder (one that "
                           "holds DATA).");
#endif
    case K::StartCannotCreateFolder:
        return PSN_WORDING("psn::Messages", "Cannot create the folder '%1'");
    case K::StartCannotList:
        return PSN_WORDING("psn::Messages", "Cannot list the installed data in '%1'");
    case K::StartCannotReadInstalled:
        return PSN_WORDING("psn::Messages", "Cannot read the installed file '%1'");
    case K::StartCannotUpdate:
        return PSN_WORDING("psn::Messages", "Cannot update '%1'");
    case K::StartCannotCopyInstalled:
        return PSN_WORDING("psn::Messages", "Cannot copy the installed data into '%1'");
    case K::StartCannotWrite:
        return PSN_WORDING("psn::Messages", "Cannot write '%1'");
    case K::StartCannotPrepare:
        return PSN_WORDING("psn::Messages", "Cannot prepare the editor folder '%1'");
    //: %1 says what could not be done, naming the file or folder.
    case K::StartFolderNotReady:
        return PSN_WORDING("psn::Messages",
                           "%1. Check that the folder can be written to and that the disk has "
                           "room, then start the editor again.");
    case K::CannotEnterEditorFolder:
        return PSN_WORDING("psn::Messages",
                           "Cannot enter the editor folder '%1'. Check that it can be read.");
    case K::SeasonNoKnownEdition:
        return PSN_WORDING("psn::Messages",
                           "%1: holds no game executable of a known edition (PSN.EXE). Give the "
                           "folder the game is installed in.");
    // The season store's and season archives' refusals; the lower-case ones follow a name.
    case K::SeasonNoSuch:
        return PSN_WORDING(
            "psn::Messages",
            "There is no season \"%1\"; 'psnedit season list' shows the seasons kept.");
    //: %2 is the season's file in the store.
    case K::SeasonHoldsAnother:
        return PSN_WORDING("psn::Messages",
                           "The season \"%1\" is damaged: %2 holds another season.");
    case K::SeasonNeedsName:
        return PSN_WORDING("psn::Messages", "a season needs a name");
    case K::SeasonNameTooLong:
        return PSN_WORDING("psn::Messages", "a season's name has at most %1 characters");
    case K::SeasonNameControl:
        return PSN_WORDING("psn::Messages",
                           "a season's name holds no line breaks or control characters");
    //: %1 is the name typed, %2 what is wrong with it.
    case K::SeasonNameRefused:
        return PSN_WORDING("psn::Messages", "\"%1\": %2.");
    case K::SeasonDescriptionTooLong:
        return PSN_WORDING("psn::Messages", "A season's description has at most %1 characters.");
    //: %1 is a file, %2 the system's reason.
    case K::SeasonStoreCannotWrite:
        return PSN_WORDING("psn::Messages",
                           "The season store could not be written: %1: %2. Nothing was kept.");
    //: %1 is a folder, %2 the reason.
    case K::SeasonStoreCannotMake:
        return PSN_WORDING("psn::Messages", "The season store %1 cannot be made: %2.");
    case K::SeasonStoreNotFolder:
        return PSN_WORDING("psn::Messages", "it is not a folder");
    //: %1 says which program holds it.
    case K::SeasonStoreInUse:
        return PSN_WORDING("psn::Messages", "The season store is in use by another program: %1");
    //: %2 is a game file's name.
    case K::SeasonFilesNotStored:
        return PSN_WORDING("psn::Messages",
                           "The season \"%1\" names %2, whose bytes are not in the store.");
    //: %2 is a file, %3 the system's reason.
    case K::SeasonCannotDelete:
        return PSN_WORDING("psn::Messages", "The season \"%1\" cannot be deleted: %2: %3.");
    //: %2 is a game file's name, %3 what is wrong with it.
    case K::SeasonHoldsBadFile:
        return PSN_WORDING("psn::Messages",
                           "The season \"%1\" holds a %2 that %3. Nothing was switched.");
    //: %1 is a file, %2 a line number, %3 what is wrong with that line.
    case K::SeasonManifestBad:
        return PSN_WORDING("psn::Messages", "%1: is no season manifest: line %2 %3.");
    case K::SeasonManifestMisplaced:
        return PSN_WORDING("psn::Messages", "%1: does not hold the season its name says");
    case K::ManifestFollowsEnd:
        return PSN_WORDING("psn::Messages", "follows the end");
    case K::ManifestNoHeader:
        return PSN_WORDING("psn::Messages", "is not \"%1\"");
    case K::ManifestNamesNoSeason:
        return PSN_WORDING("psn::Messages", "names no season: %1");
    case K::ManifestNoEdition:
        return PSN_WORDING("psn::Messages", "names an edition that does not exist (%1)");
    case K::ManifestBadDescription:
        return PSN_WORDING("psn::Messages", "holds a description that cannot be read");
    case K::ManifestNoFileEntry:
        return PSN_WORDING("psn::Messages", "is no file entry");
    case K::ManifestFileTooLarge:
        return PSN_WORDING("psn::Messages", "names a file larger than any of the game");
    case K::ManifestNotSeasonFile:
        return PSN_WORDING("psn::Messages", "names %1, which is no game file of a season");
    case K::ManifestFileTwice:
        return PSN_WORDING("psn::Messages", "names %1 a second time");
    case K::ManifestStrayLine:
        return PSN_WORDING("psn::Messages", "holds \"%1\"");
    case K::ManifestEndsEarly:
        return PSN_WORDING("psn::Messages", "is missing: the manifest ends early");
    case K::ManifestNoExecutable:
        return PSN_WORDING("psn::Messages", "is missing: a season holds the game's executable");
    //: %1 is an archive, %2 what is wrong with it.
    case K::ArchiveRefused:
        return PSN_WORDING("psn::Messages", "%1: %2. Nothing was imported.");
    //: %1 is an archive, %2 an entry in it, %3 what is wrong with that entry.
    case K::ArchiveEntryRefused:
        return PSN_WORDING("psn::Messages", "%1: the entry \"%2\" %3. Nothing was imported.");
    case K::ArchiveInterrupted:
        return PSN_WORDING("psn::Messages",
                           "%1: a change of the game files was interrupted; let psnedit or the "
                           "editor complete it first. Nothing was imported.");
    case K::ArchiveDamaged:
        return PSN_WORDING("psn::Messages", "the archive is damaged or truncated");
    case K::ArchiveNotZip:
        return PSN_WORDING("psn::Messages", "is no ZIP or 7z archive (%1)");
    case K::ArchiveCannotRead:
        return PSN_WORDING("psn::Messages", "cannot be read: %1");
    case K::SeasonFileCannotWrite:
        return PSN_WORDING("psn::Messages", "The season file cannot be written: %1.");
    case K::EntryHasNoName:
        return PSN_WORDING("psn::Messages", "has no name");
    case K::EntryAbsolute:
        return PSN_WORDING("psn::Messages", "has an absolute name");
    case K::EntryNamesDrive:
        return PSN_WORDING("psn::Messages", "names a drive");
    case K::EntryBackslash:
        return PSN_WORDING("psn::Messages",
                           "holds a backslash, which may name another folder on another system");
    case K::EntryControl:
        return PSN_WORDING("psn::Messages", "holds control characters");
    case K::EntryLeadsOutOfArchive:
        return PSN_WORDING("psn::Messages", "leads out of the archive's folder (\"..\")");
    case K::EntryLinkOrDevice:
        return PSN_WORDING("psn::Messages", "is a link or a device, not a plain file");
    case K::EntryTwice:
        return PSN_WORDING("psn::Messages", "comes twice");
    case K::EntryTooMany:
        return PSN_WORDING("psn::Messages",
                           "is one entry too many: a season has no more than %1 files");
    case K::EntryTooLarge:
        return PSN_WORDING("psn::Messages", "is larger than any file of the game (16 MiB)");
    case K::EntryCannotUnpack:
        return PSN_WORDING("psn::Messages", "cannot be unpacked: %1");
    case K::ArchiveTooLarge:
        return PSN_WORDING("psn::Messages", "makes the archive unpack to more than 256 MiB");
    case K::EntryMissing:
        return PSN_WORDING("psn::Messages", "is missing, though the manifest names it");
    case K::EntryHashMismatch:
        return PSN_WORDING("psn::Messages", "does not match the hash its manifest gives");
    case K::EntryNotInManifest:
        return PSN_WORDING("psn::Messages", "is not named by the manifest");
    case K::EntrySecondSettings:
        return PSN_WORDING("psn::Messages", "is a second settings file beside \"%1\"");
    case K::EntryNotSettings:
        return PSN_WORDING("psn::Messages", "is not a settings file: it is not 2846 bytes long");
    //: %1 is a game file's name.
    case K::EntrySecondFile:
        return PSN_WORDING("psn::Messages", "is a second %1");
    case K::ArchiveNoGameFile:
        return PSN_WORDING("psn::Messages",
                           "holds no game file a season holds and no settings file");
    case K::ArchiveLoosePack:
        return PSN_WORDING("psn::Messages",
                           "is a pack of loose files, which needs a game to take the rest from");
    case K::SeasonNoReadableExe:
        return PSN_WORDING("psn::Messages", "%1: holds no game executable that can be read.");
    case K::SeasonExeUnreadable:
        return PSN_WORDING("psn::Messages", "The game's executable cannot be read.");
    }
    return "";
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];
    return text;
}

std::string FillIn(const std::string& wording, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(wording.size());
    for (std::size_t i = 0; i < wording.size(); ++i) {
        const char c = wording[i];
        if (c == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' && wording[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(wording[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string English(const Message& message) {
    if (message.kind == MessageKind::Verbatim)
        return message.text;
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const Message& arg : message.args)
        args.push_back(English(arg));
    return message.kind == MessageKind::Lines ? JoinLines(args)
                                              : FillIn(Wording(message.kind), args);
}

} // namespace psn
