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

TCColorsForm::TCColorsForm(AppContext& context, QWidget* parent)
    : ColourPartsForm(context, parent, ".\\DATA\\Dib1.dib", colours::kCockpitParts) {
    setWindowTitle(tr("Cockpit colors"));
    setFixedSize(629, 420);
    list_->setGeometry(504, 4, 121, 228);
    for (std::size_t p = 0; p < radios_.size(); ++p)
        radios_[p]->setGeometry(506, 242 + 22 * static_cast<int>(p), 119, 20);
    label_->setGeometry(506, 312, 121, 40);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    back_->setGeometry(4, 384, 96, 30);
    import_->setGeometry(106, 384, 170, 30);
    export_->setGeometry(282, 384, 170, 30);
    restore_->setGeometry(458, 384, 167, 30);
    connect(import_, &QPushButton::clicked, this, &TCColorsForm::BitBtn2Click);
    connect(export_, &QPushButton::clicked, this, &TCColorsForm::BitBtn6Click);
    connect(restore_, &QPushButton::clicked, this, &TCColorsForm::BitBtn3Click);
    FormCreate();
}

std::size_t TCColorsForm::ColourOffset(int team, int part) const {
    return rec::kCockpitColours + rec::kCockpitColourStride * static_cast<std::size_t>(team - 1) +
           static_cast<std::size_t>(part);
}

// Without F1GSTATE.SAV the colours come from, and go to, the game executable, as at start-up.
void TCColorsForm::BitBtn2Click() {
    AppState& state = context_.state;
    ImportIntoWindow(context_, this, [&state] {
        state.OpenGameExe();
        const bool stateFile = state.StateFileExists();
        if (stateFile)
            state.OpenStateFile();
        if (stateFile && state.config.CockpitSource() == 1)
            ReadCockpitColoursState(state);
        else
            ReadCockpitColoursExe(state);
    });
}

void TCColorsForm::BitBtn6Click() {
    AppState& state = context_.state;
    ExportFromWindow(context_, this, [&state] {
        state.OpenGameExe();
        const bool stateFile = state.StateFileExists();
        if (stateFile)
            state.OpenStateFile();
        const bool intoState = stateFile && state.config.CockpitSource() == 1;
        if (intoState)
            WriteCockpitColoursState(state);
        else
            WriteCockpitColoursExe(state);
        state.CloseGameFiles();
        if (intoState)
            state.RenewStateChecksum();
    });
}

void TCColorsForm::BitBtn3Click() {
    RestoreOriginalData(context_, this);
    Redraw();
}

} // namespace psn
