// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Getting the track files in place: the Track Editor button's check before the editor opens, and
// the copy of the 16 track files from the game CD that the track manager uses too.
#pragma once

#include "ui/app_context.h"

#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QString;
class QWidget;

namespace psn {

// The installers' questions in English; the windows show them through TrackInstallText().
inline constexpr const char* kInsertCdMessage = QT_TRANSLATE_NOOP(
    "psn::TrackInstall", "Put \"Pistonia\" CD into CD drive, and hit \"OK\" when you are ready!");
inline constexpr const char* kTrackFilesQuestion = QT_TRANSLATE_NOOP(
    "psn::TrackInstall",
    "You have not installed track files on your hard disk. You need them to work with track "
    "editor. Would you like to install them now?");
inline constexpr const char* kTrackFilesMissing = QT_TRANSLATE_NOOP(
    "psn::TrackInstall",
    "The track files are not all installed in the CIRCUITS folder of the game, so the track "
    "editor cannot be opened.");
// One of the texts above in the user's language.
QString TrackInstallText(const char* text);
// The first line of the message a failed CD copy gives in English; the file and reason follow.
inline constexpr const char* kCdCopyFailed = "Not every track file could be copied from the CD!";

// The installers do nothing unless more than this many bytes are free beside the editor.
constexpr std::uintmax_t kInstallSpaceNeeded = 50000;
// Free bytes on the drive of a path; replaceable so tests can fill the disk.
using FreeSpaceProbe = std::function<std::optional<std::uintmax_t>(const std::string&)>;
FreeSpaceProbe SystemFreeSpace();
// Whether the drive of the start directory has room; an unknown amount is no room.
bool EnoughSpaceToInstall(const AppState& state, const FreeSpaceProbe& probe);

// Asks for the CD, lets the user locate PSN.EXE on it and copies the 16 track files from the
// CIRCUITS folder beside it into the game's CIRCUITS folder, all or none (within an open command,
// together with the rest of it). Returns false when the user cancels or a copy cannot be made,
// which is reported once.
bool CopyTracksFromCd(AppContext& context, QWidget* parent);

// Creates the game's CIRCUITS folder unless it exists already, in any letter case; returns whether
// it was created.
bool CreateTracksFolder(const AppState& state);

// The game's CIRCUITS folder for the length of one install: made when it is missing, and removed
// again at the end when the install put nothing into it (it stopped or was refused), so that a
// later install finds the track files missing and asks for the CD again.
class TracksFolderScope {
public:
    explicit TracksFolderScope(const AppState& state);
    ~TracksFolderScope();
    TracksFolderScope(const TracksFolderScope&) = delete;
    TracksFolderScope& operator=(const TracksFolderScope&) = delete;
    bool Created() const { return !created_.empty(); }

private:
    std::string created_;
};

// The CIRCUITS folder, the offer to install the track files when they are missing, and clearing
// their read-only attributes. Returns false when the user declines or a track file is still
// missing (reading a missing file would end the program).
bool EnsureTrackFiles(AppContext& context, QWidget* parent);

// Everything before the track editor opens: the CIRCUITS folder, the offer to install the track
// files, clearing their read-only attributes and reading the track entries still unread. Returns
// whether the editor may open; it may not when the user declines or a track file is missing
// (reading a missing file would end the program).
bool PrepareTrackEditor(AppContext& context, QWidget* parent);

// Whether an installer may write the pack files (names within the editor's DATA folder) into this
// game. A pack made for the sample game is refused for any other game with an error that says
// where the real pack's files go; returns false then, and nothing may be written.
bool PackFitsGame(AppContext& context, QWidget* parent, const QString& pack,
                  const std::vector<std::string>& files);

// The Track Editor button: prepares, then shows the editor modally.
void RunTrackEditorButton(AppContext& context, QWidget* parent, QDialog& editor);

} // namespace psn
