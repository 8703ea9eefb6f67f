// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/track_install.h"

#include "core/fs.h"
#include "core/sample_packs.h"
#include "tracks/track_blocks.h"
#include "ui/game_command.h"
#include "ui/game_transfer.h"
#include "ui/message_text.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>

namespace psn {

FreeSpaceProbe SystemFreeSpace() {
    return [](const std::string& path) { return fs::FreeSpace(path); };
}

bool EnoughSpaceToInstall(const AppState& state, const FreeSpaceProbe& probe) {
    const auto free = probe(state.startDir);
    return free && *free > kInstallSpaceNeeded;
}

QString TrackInstallText(const char* text) {
    return QCoreApplication::translate("psn::TrackInstall", text);
}

namespace {

QString CdCopyFailed(const QString& where) {
    //: %1 is the file that could not be copied and why.
    return QCoreApplication::translate("psn::TrackInstall",
                                       "Not every track file could be copied from the CD!\n%1")
        .arg(where);
}

} // namespace

bool CopyTracksFromCd(AppContext& context, QWidget* parent) {
    context.dialogs.Information(parent, TrackInstallText(kInsertCdMessage));
    FileDialogRequest request;
    request.title =
        QCoreApplication::translate("psn::TrackInstall", "Locate psn.exe file on your PSN CD");
    request.filter = "PSN.EXE on Your PSN CD|PSN.EXE";
    request.initialDir = "\\";
    request.defaultExt = "EXE";
    const auto chosen = context.dialogs.OpenFile(parent, request);
    context.state.RestoreStartDir();
    if (!chosen)
        return false;
    const std::string cdFolder = QFileInfo(*chosen).absolutePath().toStdString();
    // The track manager's original install may run before the folder exists.
    CreateTracksFolder(context.state);
    GameCommand command(context);
    try {
        // Every source is checked before any copy is staged, so that an open command (Export
        // all data) never commits part of the install.
        Staging check;
        for (const std::string& name : TrackFileNames())
            check.Copy(fs::ResolveCase(fs::Join(cdFolder, name)), context.state.GamePath(name));
        for (const std::string& name : TrackFileNames())
            command.Copy(fs::ResolveCase(fs::Join(cdFolder, name)), context.state.GamePath(name));
    } catch (const FileAccessError& error) {
        context.dialogs.Warning(parent, CdCopyFailed(WordedWhere(error)));
        return false;
    }
    return command.CommitOrReport(parent, CdCopyFailed);
}

bool CreateTracksFolder(const AppState& state) {
    // A "circuits" folder of a copy that lowered every name is the game's own: none is made
    // beside it.
    return fs::CreateFolder(state.GamePath("CIRCUITS"));
}

TracksFolderScope::TracksFolderScope(const AppState& state) {
    if (CreateTracksFolder(state))
        created_ = state.GamePath("CIRCUITS");
}

TracksFolderScope::~TracksFolderScope() {
    // Removes only an empty folder: whatever the install put there stays.
    if (!created_.empty())
        fs::DeleteFile(created_);
}

bool EnsureTrackFiles(AppContext& context, QWidget* parent) {
    AppState& state = context.state;
    const bool created = CreateTracksFolder(state);
    // A folder without all 16 track files (an install that stopped halfway) is offered the CD too.
    if (created || !TrackFilesInstalled(state)) {
        if (!context.dialogs.Confirm(parent, TrackInstallText(kTrackFilesQuestion)))
            return false;
        CopyTracksFromCd(context, parent);
    }
    if (!TrackFilesInstalled(state)) {
        context.dialogs.Warning(parent, TrackInstallText(kTrackFilesMissing));
        return false;
    }
    return true;
}

bool PrepareTrackEditor(AppContext& context, QWidget* parent) {
    AppState& state = context.state;
    if (!EnsureTrackFiles(context, parent))
        return false;
    // Entries that were neither read nor loaded are read now, with the numbered fatal checks.
    return !TrackDataPending(state) || RunGameTransfer(context, parent, [&] {
        state.OpenGameExe();
        ReadPendingTrackData(state);
    });
}

bool PackFitsGame(AppContext& context, QWidget* parent, const QString& pack,
                  const std::vector<std::string>& files) {
    const AppState& state = context.state;
    const std::string dataDir = state.StartPath("DATA");
    const SamplePackCheck check = CheckSamplePack(dataDir, state.config.GameDir(), files);
    if (!check.refused)
        return true;
    QString names;
    for (const std::string& name : check.sampleFiles)
        names += (names.isEmpty() ? "" : ", ") + QString::fromLocal8Bit(name.c_str());
    context.dialogs.Error(
        parent, QCoreApplication::translate(
                    "psn::TrackInstall",
                    "The %1 in the editor's DATA folder is a sample made for the editor's sample "
                    "game, not for the game in %2, so nothing was installed.\n\nPut the real "
                    "pack's files (%3) into %4 in place of the samples.")
                    .arg(pack, QString::fromLocal8Bit(state.config.GameDir().c_str()), names,
                         QString::fromLocal8Bit(dataDir.c_str())));
    return false;
}

void RunTrackEditorButton(AppContext& context, QWidget* parent, QDialog& editor) {
    if (PrepareTrackEditor(context, parent))
        editor.exec();
}

} // namespace psn
