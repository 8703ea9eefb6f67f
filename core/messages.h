// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program tells its user, as data: a kind and its arguments (a file, a number, the
// system's words, or a reason that is itself a message). Each program words it in its user's
// language: psnedit and what() in the English wording kept here, the windows in the translation
// of that same wording (ui/message_text.h). Arguments are put in whole at their %1, %2, …, so a
// translation never joins fragments.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace psn {

// Marks a wording for the windows' translations: lupdate reads it as QT_TRANSLATE_NOOP, and it is
// the text itself, so floors without Qt can hold wordings too.
#define PSN_WORDING(context, text) text

// The context the windows translate the wordings under.
inline constexpr const char* kMessageContext = "psn::Messages";

enum class MessageKind : unsigned char {
    Verbatim, // no wording: the text as it is (a file's name, a number, the system's words)

    // What is wrong with a file, said after its name ("x: is a folder, not a file").
    IsFolder,
    IsLink,
    IsPipe,
    IsSocket,
    IsDevice,
    IsNotRegular,
    LinkLoops,
    LinkToMissing,
    LinkUnreachable,
    LinkToNonRegular,
    LinkToOtherFile,
    TooLarge,
    EndedEarly,
    TooShortForTrailer,
    NotTheExeSize,
    NotTheExeEdition,
    NotTheSaveState,
    TrackTooShort,
    TrackSetupBeyondEnd,
    TrackTrailer,
    LeftAlone,
    IsReadOnly,
    HoldsBytesInsteadOf,
    HoldsMoreThan,

    // Whole messages.
    FileAndReason,
    CannotOpen,
    CannotRead,
    CannotWrite,
    CannotRemove,
    CannotWriteRefused,
    NotASettingsFile,
    NotASettingsFileIt,
    NotASettingsFileTooLong,
    SettingsFileShort,
    NotALockFile,
    LockFolderFails,
    GameBusy,
    RecordCannotComplete,
    RecordNames,
    RecordPatches,
    RecordStrayLine,
    RecordDamaged,

    // Why a commit record's entry is refused, after "names \"x\", ".
    EntryEmptyName,
    EntryOutside,
    EntryLeadsOut,
    EntryNotPlain,
    EntryBackup,
    EntryRecordItself,
    EntryNotGameFile,
    EntryBehindLink,
    EntryLinkForCreated,
    EntryLinkElsewhere,
    EntryLinkNowhere,
    PatchNotRegular,
    PatchHardLink,
    PatchBeyondEnd,
    PatchTooLarge,

    // A command a stop interrupted, put right at the next start.
    CompletedByEditor,
    CompletedByProgram,
    CompletedByUnknown,
    UndoneByEditor,
    UndoneByProgram,
    UndoneByUnknown,

    // Pictures: the 256-colour bitmaps of the game and the converter, and those users bring.
    InvalidBitmap,
    StreamReadError,
    CannotOpenFile,
    CannotCreateFile,
    CannotCreateFileBecause,
    UserBitmapTooLarge,
    UserBitmapNotBmp,
    UserBitmapTooManyPixels,
    UserBitmapDamaged,
    UserBitmapEndsEarly,
    // The editor's own data files (the patch list, the track manager's and the cockpit data) and
    // what a read of the track files met without stopping.
    PatchListMissing,
    PatchListDamaged,
    PatchListBeyondExe,
    PatchListNotThisGame,
    DataFileUnreadable,
    DataFileEmpty,
    DataFileBeyondExe,
    CockpitDataCannotOpen,
    CockpitDataCannotRead,
    CockpitDataEndsEarly,
    CockpitDataNotInteger,
    CockpitDataUnusable,
    OriginalTracksNotAdded,
    SeasonUnreadable,
    SeasonFileUnusable,
    SeasonLinkNotGameFile,
    StoredCopyUnusable,
    StoredCopyDamaged,
    StoredCopyUnreadable,
    Lines, // no wording: its arguments one a line
    TrackReadProblems,
    TrackFileMissing,
    TrackFileIs,
    TrackFileCannotOpen,
    TrackFileTooShortForPointer,
    TrackFileSetupBeyondEnd,
    TrackFileReadFailed,

    // Notes after an export, and the season store's refusals.
    TrackLeftAsItWas,
    TracksLeftAsTheyWere,
    SeasonExists,
    SeasonOtherEdition,
    SeasonNoKnownEdition,
    // Making the editor folder ready at the start.
    NoUserFolder,
    StartCannotCreateFolder,
    StartCannotList,
    StartCannotReadInstalled,
    StartCannotUpdate,
    StartCannotCopyInstalled,
    StartCannotWrite,
    StartCannotPrepare,
    StartFolderNotReady,
    CannotEnterEditorFolder,

    // The season store's and season archives' refusals.
    SeasonNoSuch,
    SeasonHoldsAnother,
    SeasonNeedsName,
    SeasonNameTooLong,
    SeasonNameControl,
    SeasonNameRefused,
    SeasonDescriptionTooLong,
    SeasonStoreCannotWrite,
    SeasonStoreCannotMake,
    SeasonStoreNotFolder,
    SeasonStoreInUse,
    SeasonFilesNotStored,
    SeasonCannotDelete,
    SeasonHoldsBadFile,
    SeasonManifestBad,
    SeasonManifestMisplaced,
    ManifestFollowsEnd,
    ManifestNoHeader,
    ManifestNamesNoSeason,
    ManifestNoEdition,
    ManifestBadDescription,
    ManifestNoFileEntry,
    ManifestFileTooLarge,
    ManifestNotSeasonFile,
    ManifestFileTwice,
    ManifestStrayLine,
    ManifestEndsEarly,
    ManifestNoExecutable,
    ArchiveRefused,
    ArchiveEntryRefused,
    ArchiveInterrupted,
    ArchiveDamaged,
    ArchiveNotZip,
    ArchiveCannotRead,
    SeasonFileCannotWrite,
    EntryHasNoName,
    EntryAbsolute,
    EntryNamesDrive,
    EntryBackslash,
    EntryControl,
    EntryLeadsOutOfArchive,
    EntryLinkOrDevice,
    EntryTwice,
    EntryTooMany,
    EntryTooLarge,
    EntryCannotUnpack,
    ArchiveTooLarge,
    EntryMissing,
    EntryHashMismatch,
    EntryNotInManifest,
    EntrySecondSettings,
    EntryNotSettings,
    EntrySecondFile,
    ArchiveNoGameFile,
    ArchiveLoosePack,
    SeasonNoReadableExe,
    SeasonExeUnreadable,
};

struct Message {
    MessageKind kind = MessageKind::Verbatim;
    std::string text;          // Verbatim only
    std::vector<Message> args; // the wording's %1, %2, … in order

    Message() = default;
    Message(std::string verbatim) : text(std::move(verbatim)) {} // NOLINT: a text is a message
    Message(const char* verbatim) : text(verbatim) {}            // NOLINT
    Message(MessageKind kind, std::initializer_list<Message> args) : kind(kind), args(args) {}

    bool Empty() const { return kind == MessageKind::Verbatim && text.empty(); }
};

// The English wording of a kind, with %1, %2, … where its arguments go; empty for Verbatim.
const char* Wording(MessageKind kind);
// The message in English, as psnedit and what() say it.
std::string English(const Message& message);
// The lines one after another, each but the last ended by a line break.
std::string JoinLines(const std::vector<std::string>& lines);
// Puts `args` in at the %1 … %9 of `wording` in one pass, so an argument that holds "%2" stays as
// it is; "%%" is not special, and a number without an argument is kept.
std::string FillIn(const std::string& wording, const std::vector<std::string>& args);

} // namespace psn
