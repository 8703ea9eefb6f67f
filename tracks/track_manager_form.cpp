// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/track_manager_form.h"

#include "core/fs.h"
#include "tracks/track_blocks.h"
#include "tracks/track_install.h"
#include "tracks/track_manager_blocks.h"
#include "tracks/track_manager_model.h"
#include "ui/game_command.h"
#include "ui/game_transfer.h"
#include "ui/readable_colours.h"

#include <QPushButton>
#include <algorithm>

namespace psn {
namespace {

constexpr const char* kTrackCopyFailed =
    QT_TRANSLATE_NOOP("psn::Tinsttform", "Cannot copy track file!");

} // namespace

Tinsttform::Tinsttform(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("insttform");
    setWindowTitle(tr("Track manager"));
    setFixedSize(260, 196);

    BitBtn1 = new QPushButton(tr("Install original tracks"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(16, 10, 228, 40);
    SetBoldFont(BitBtn1);
    KeepDesignColour(BitBtn1, QColor(0, 0, 128)); // navy
    BitBtn2 = new QPushButton(tr("Install Valmont track"), this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(16, 58, 228, 74);
    // Larger than the window's text, never smaller.
    SetBoldFont(BitBtn2, std::max(13, font().pointSize()));
    KeepDesignColour(BitBtn2, QColor(0, 0, 128));
    BitBtn3 = new QPushButton(tr("Back"), this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn3->setGeometry(16, 146, 228, 38);
    SetBoldFont(BitBtn3);
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3})
        button->setAutoDefault(false);
    setTabOrder(BitBtn3, BitBtn2);
    setTabOrder(BitBtn2, BitBtn1);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

bool Tinsttform::WriteStretchFiles(bool bonus) {
    return RunGameTransfer(context_, this, [&] {
        const auto stretches = LoadStretches(context_.state, bonus);
        context_.state.OpenGameExe();
        WriteStretches(context_.state, stretches);
    });
}

// Each install is one command: the executable's stretches and the copied files together or none.
void Tinsttform::BitBtn1Click() {
    if (!PackFitsGame(context_, this, tr("original track pack"), TrackPackFiles(false)))
        return;
    GameCommand command(context_);
    const TracksFolderScope folder(context_.state);
    if (!WriteStretchFiles(false))
        return;
    if (!CopyTracksFromCd(context_, this) || !command.CommitOrReport(this, tr(kTrackCopyFailed)))
        return;
    context_.dialogs.Information(this, tr("Original tracks installed!"));
}

void Tinsttform::BitBtn2Click() {
    AppState& state = context_.state;
    if (!PackFitsGame(context_, this, tr("Valmont track pack"), TrackPackFiles(true)))
        return;
    GameCommand command(context_);
    // A folder without its 16 track files counts as missing, so that an install that stopped
    // halfway asks for the CD again; a folder made here goes again when nothing was installed.
    const TracksFolderScope folder(state);
    if (folder.Created() || !TrackFilesInstalled(state))
        CopyTracksFromCd(context_, this);
    for (const std::string& name : TrackFileNames())
        fs::SetNormalAttributes(state.GamePath(name));
    if (!WriteStretchFiles(true))
        return;
    try {
        command.Copy(fs::ResolveCase(state.StartPath(std::string(".\\DATA\\") + kBonusTrackFile)),
                     state.GamePath(TrackFileNames()[6]));
    } catch (const FileAccessError&) {
        context_.dialogs.Information(this, tr(kTrackCopyFailed));
        return;
    }
    if (command.CommitOrReport(this, tr(kTrackCopyFailed)))
        context_.dialogs.Information(this, tr("Track installed!"));
}

void Tinsttform::BitBtn3Click() {
    close();
}

} // namespace psn
