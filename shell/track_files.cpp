#include "shell/track_files.h"

#include "core/fs.h"
#include "shell/startup_blocks.h"

#include <QFile>
#include <QFileInfo>

namespace psn {
namespace {

void CopyTrackFilesFromCd(AppContext& context, QWidget* parent) {
    FileDialogRequest request;
    request.title = "Locate psn.exe file on your PSN CD";
    request.filter = "PSN.EXE on Your PSN CD|PSN.EXE";
    request.initialDir = "\\";
    request.defaultExt = "EXE";
    const auto chosen = context.dialogs.OpenFile(parent, request);
    context.state.RestoreStartDir();
    if (!chosen)
        return;
    // The track files lie beside the chosen executable on the CD.
    const std::string cdDir = QFile::encodeName(QFileInfo(*chosen).absolutePath()).toStdString();
    for (int track = 1; track <= 16; ++track) {
        const std::string name = TrackFileName(track);
        // Copy failures are not reported: a missing file fails the next track block transfer.
        fs::CopyFileReplace(fs::ResolveCase(fs::Join(cdDir, name)), context.state.GamePath(name));
    }
}

} // namespace

bool EnsureTrackFiles(AppContext& context, QWidget* parent) {
    AppState& state = context.state;
    const bool created = fs::CreateFolder(state.GamePath("CIRCUITS"));
    if (created || !fs::Exists(state.GamePath(TrackFileName(1)))) {
        if (!context.dialogs.Confirm(parent, kInstallTracksQuestion))
            return false;
        context.dialogs.Information(parent, kInsertCdMessage);
        CopyTrackFilesFromCd(context, parent);
    }
    for (int track = 1; track <= 16; ++track)
        fs::SetNormalAttributes(state.GamePath(TrackFileName(track)));
    return true;
}

} // namespace psn
