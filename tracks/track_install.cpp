#include "tracks/track_install.h"

#include "core/fs.h"
#include "shell/game_actions.h"
#include "tracks/track_blocks.h"

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

bool CopyTracksFromCd(AppContext& context, QWidget* parent) {
    context.dialogs.Information(parent, kInsertCdMessage);
    FileDialogRequest request;
    request.title = "Locate psn.exe file on your PSN CD";
    request.filter = "PSN.EXE on Your PSN CD|PSN.EXE";
    request.initialDir = "\\";
    request.defaultExt = "EXE";
    const auto chosen = context.dialogs.OpenFile(parent, request);
    context.state.RestoreStartDir();
    if (!chosen)
        return false;
    const std::string cdFolder = QFileInfo(*chosen).absolutePath().toStdString();
    // The track manager's original install may run before the folder exists.
    fs::CreateFolder(fs::Join(context.state.config.GameDir(), "CIRCUITS"));
    GameCommand command(context);
    try {
        // Every source is checked before any copy is staged, so that an open command (Export
        // all data) never commits part of the install.
        Staging check;
        for (const std::string& name : TrackFileNames())
            check.Copy(fs::ResolveCase(fs::Join(cdFolder, name)),
                       fs::Join(context.state.config.GameDir(), name));
        for (const std::string& name : TrackFileNames())
            command.Copy(fs::ResolveCase(fs::Join(cdFolder, name)),
                         fs::Join(context.state.config.GameDir(), name));
    } catch (const FileAccessError& error) {
        context.dialogs.Warning(parent, QString(kCdCopyFailed) + "\n" +
                                            QString::fromLocal8Bit(error.Path().c_str()) + ": " +
                                            QString::fromLocal8Bit(error.Reason().c_str()));
        return false;
    }
    return command.Commit(parent);
}

bool TrackFilesInstalled(const AppState& state) {
    for (const std::string& name : TrackFileNames()) {
        const std::string path = state.GamePath(name);
        if (!(state.command ? state.command->Exists(path) : fs::Exists(path)))
            return false;
    }
    return true;
}

bool EnsureTrackFiles(AppContext& context, QWidget* parent) {
    AppState& state = context.state;
    const bool created = fs::CreateFolder(fs::Join(state.config.GameDir(), "CIRCUITS"));
    if (created || !fs::Exists(state.GamePath(TrackFileNames()[0]))) {
        if (!context.dialogs.Confirm(parent, kTrackFilesQuestion))
            return false;
        CopyTracksFromCd(context, parent);
    }
    for (const std::string& name : TrackFileNames())
        fs::SetNormalAttributes(state.GamePath(name));
    if (!TrackFilesInstalled(state)) {
        context.dialogs.Warning(parent, kTrackFilesMissing);
        return false;
    }
    return true;
}

bool PrepareTrackEditor(AppContext& context, QWidget* parent) {
    AppState& state = context.state;
    if (!EnsureTrackFiles(context, parent))
        return false;
    if (state.trackDataPending) {
        if (!RunGameTransfer(context, parent, [&] {
                state.OpenGameExe();
                ReadTrackData(state);
            }))
            return false;
        state.trackDataPending = false;
    }
    return true;
}

void RunTrackEditorButton(AppContext& context, QWidget* parent, QDialog& editor) {
    if (PrepareTrackEditor(context, parent))
        editor.exec();
}

} // namespace psn
