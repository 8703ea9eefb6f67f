// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/ccolors_form.h"

#include "graphics/cockpit_blocks.h"
#include "ui/window_transfers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace psn {
namespace {

// Without F1GSTATE.SAV the colours come from, and go to, the game executable, as at start-up.
bool FromStateFile(AppState& state) {
    const bool stateFile = state.StateFileExists();
    if (stateFile)
        state.OpenStateFile();
    return stateFile && state.config.CockpitSource() == 1;
}

void ReadColours(AppState& state) {
    if (FromStateFile(state))
        ReadCockpitColoursState(state);
    else
        ReadCockpitColoursExe(state);
}

void WriteColours(AppState& state) {
    const bool intoState = FromStateFile(state);
    if (intoState)
        WriteCockpitColoursState(state);
    else
        WriteCockpitColoursExe(state);
    state.CloseGameFiles();
    if (intoState)
        state.RenewStateChecksum();
}

} // namespace

TCColorsForm::TCColorsForm(AppContext& context, QWidget* parent)
    : ColourPartsForm(context, parent,
                      {".\\DATA\\Dib1.dib", colours::kCockpitParts, kCockpitColourRows, ReadColours,
                       WriteColours}) {
    setWindowTitle(tr("Cockpit colors"));
    setFixedSize(688, 420);
    list_->setGeometry(504, 4, 176, 228);
    for (std::size_t p = 0; p < radios_.size(); ++p)
        radios_[p]->setGeometry(506, 242 + 22 * static_cast<int>(p), 119, 20);
    label_->setGeometry(506, 312, 121, 40);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    back_->setGeometry(4, 384, 96, 30);
    import_->setGeometry(106, 384, 170, 30);
    export_->setGeometry(282, 384, 170, 30);
    restore_->setGeometry(458, 384, 167, 30);
    FormCreate();
}

} // namespace psn
