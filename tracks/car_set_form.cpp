// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/car_set_form.h"

#include "core/fs.h"
#include "core/game_layout.h"
#include "ui/game_command.h"
#include "ui/readable_colours.h"

#include <QPushButton>

namespace psn {
namespace {

constexpr const char* kCarSetCopyFailed =
    QT_TRANSLATE_NOOP("psn::TInstCarSetForm", "Cannot copy carset files!");

} // namespace

const std::array<const char*, 14>& CarSetArchives() {
    return kCarSetArchives;
}

TInstCarSetForm::TInstCarSetForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("InstCarSetForm");
    setWindowTitle(tr("InstCarSetForm"));
    setFixedSize(300, 112);

    Button1 = new QPushButton(tr("Install '97 car set (only paintings now)"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(10, 10, 280, 44);
    BitBtn1 = new QPushButton(tr("Back"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(100, 64, 100, 38);
    for (QPushButton* button : {Button1, BitBtn1}) {
        SetBoldFont(button);
        button->setAutoDefault(false);
    }
    setTabOrder(Button1, BitBtn1);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TInstCarSetForm::Button1Click() {
    AppState& state = context_.state;
    if (!EnoughSpaceToInstall(state, freeSpace))
        return;
    const auto& archives = CarSetArchives();
    if (!PackFitsGame(context_, this, tr("car set"),
                      std::vector<std::string>(archives.begin(), archives.end())))
        return;
    // The set is installed whole or not at all.
    GameCommand command(context_);
    try {
        for (const char* archive : archives) {
            const std::string target = state.GamePath(std::string("GAMEJAMS\\") + archive);
            fs::SetNormalAttributes(target);
            command.Copy(fs::ResolveCase(state.StartPath(std::string(".\\DATA\\") + archive)),
                         target);
        }
    } catch (const FileAccessError&) {
        context_.dialogs.Information(this, tr(kCarSetCopyFailed));
        return;
    }
    if (command.CommitOrReport(this, tr(kCarSetCopyFailed)))
        context_.dialogs.Information(this, tr("New carset installed!"));
}

void TInstCarSetForm::BitBtn1Click() {
    close();
}

} // namespace psn
