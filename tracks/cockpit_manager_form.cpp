// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/cockpit_manager_form.h"

#include "core/fs.h"
#include "tracks/cockpit_format.h"
#include "ui/game_command.h"
#include "ui/game_transfer.h"
#include "ui/message_text.h"
#include "ui/readable_colours.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace psn {
namespace {

constexpr const char* kCockpitCopyFailed =
    QT_TRANSLATE_NOOP("psn::TInstCForm", "Cannot copy cockpit file!");

} // namespace

TInstCForm::TInstCForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("InstCForm");
    setWindowTitle(tr("Cockpit manager"));
    setFixedSize(360, 256);

    GroupBox1 = new QGroupBox(tr("'97 cockpits"), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(8, 8, 344, 186);
    SetBoldFont(GroupBox1);
    KeepDesignColour(GroupBox1, Qt::blue);
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        auto* radio = new QRadioButton(CockpitChoices()[i].caption, GroupBox1);
        radio->setObjectName(QString("RadioButton%1").arg(i + 1));
        const int column = i < 6 ? 0 : 1;
        const int line = static_cast<int>(i < 6 ? i : i - 6);
        radio->setGeometry(12 + 170 * column, 24 + 26 * line, 160, 22);
        QFont plain;
        plain.setBold(false);
        radio->setFont(plain);
        KeepWindowTextColour(radio);
        choices_[i] = radio;
    }
    choices_[9]->setChecked(true);

    BitBtn1 = new QPushButton(tr("Back"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(8, 206, 100, 40);
    SetBoldFont(BitBtn1);
    BitBtn2 = new QPushButton(tr("Install it!"), this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(118, 202, 234, 48);
    // Larger than the window's text, never smaller.
    SetBoldFont(BitBtn2, std::max(14, font().pointSize()));
    KeepDesignColour(BitBtn2, Qt::red);
    for (QPushButton* button : {BitBtn1, BitBtn2})
        button->setAutoDefault(false);
    setTabOrder(BitBtn1, choices_[9]);
    setTabOrder(choices_[9], BitBtn2);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

bool TInstCForm::CockPatcher(const std::string& fileName) {
    return RunGameTransfer(context_, this, [&] {
        const auto writes = ReadCockpitData(fileName, context_.state.edition);
        context_.state.OpenGameExe();
        ApplyCockpitPatch(context_.state, writes);
    });
}

void TInstCForm::BitBtn1Click() {
    close();
}

void TInstCForm::BitBtn2Click() {
    AppState& state = context_.state;
    const std::string hiTarget = state.GamePath("BITMAPS\\CPITHI.PCX");
    const std::string loTarget = state.GamePath("BITMAPS\\CPITLOW.PCX");
    fs::SetNormalAttributes(hiTarget);
    fs::SetNormalAttributes(loTarget);
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (!choices_[i]->isChecked() || !EnoughSpaceToInstall(state, freeSpace))
            continue;
        const CockpitChoice& choice = CockpitChoices()[i];
        const CockpitPack pack = CockpitPackOf(choice, state.edition);
        if (!PackFitsGame(context_, this,
                          tr("cockpit pack %1").arg(QString::fromLatin1(choice.stem)), pack.names))
            continue;
        const std::string data = state.StartPath(pack.data);
        // The data file is checked before the pictures change, so that a damaged one leaves the
        // installed cockpit whole: pictures and coordinates always belong together.
        try {
            ReadCockpitData(data, state.edition);
        } catch (const DataFileError& error) {
            context_.dialogs.Error(this, Worded(error.Said()));
            continue;
        }
        const std::string hi = fs::ResolveCase(state.StartPath(pack.hiPicture));
        const std::string lo = fs::ResolveCase(state.StartPath(pack.loPicture));
        // Pictures and coordinates are one command: a new HI picture never stays with the old LO
        // one or the old coordinates.
        GameCommand command(context_);
        try {
            command.Copy(hi, hiTarget);
            command.Copy(lo, loTarget);
        } catch (const FileAccessError&) {
            context_.dialogs.Information(this, tr(kCockpitCopyFailed));
            continue;
        }
        if (CockPatcher(data) && command.CommitOrReport(this, tr(kCockpitCopyFailed)))
            context_.dialogs.Information(this, tr("New cockpit installed!"));
    }
}

} // namespace psn
