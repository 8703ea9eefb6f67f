// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/pccolors_form.h"

#include "graphics/pitcrew_blocks.h"
#include "ui/window_transfers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace psn {

TPCColorsForm::TPCColorsForm(AppContext& context, QWidget* parent)
    : ColourPartsForm(context, parent, ".\\DATA\\DIB2.DIB", colours::kCrewParts) {
    setWindowTitle(tr("Pit crew colors"));
    setFixedSize(644, 446);
    QFont small = font();
    small.setPointSizeF(8);
    for (auto* radio : radios_)
        radio->setFont(small);
    list_->setGeometry(504, 4, 136, 228);
    for (std::size_t p = 0; p < radios_.size(); ++p)
        radios_[p]->setGeometry(506, 236 + 15 * static_cast<int>(p), 136, 15);
    label_->setGeometry(4, 379, 492, 18);
    back_->setGeometry(4, 408, 76, 30);
    import_->setGeometry(84, 408, 140, 30);
    export_->setGeometry(228, 408, 140, 30);
    restore_->setGeometry(372, 408, 126, 30);
    for (auto* button : {import_, export_, restore_})
        button->setFont(small);
    connect(import_, &QPushButton::clicked, this, &TPCColorsForm::BitBtn2Click);
    connect(export_, &QPushButton::clicked, this, &TPCColorsForm::BitBtn6Click);
    connect(restore_, &QPushButton::clicked, this, &TPCColorsForm::BitBtn3Click);
    FormCreate();
}

std::size_t TPCColorsForm::ColourOffset(int team, int part) const {
    return rec::kPitCrewColours + rec::kPitCrewColourStride * static_cast<std::size_t>(team - 1) +
           static_cast<std::size_t>(part + colours::kFirstCrewPart);
}

void TPCColorsForm::BitBtn2Click() {
    AppState& state = context_.state;
    ImportIntoWindow(context_, this, [&state] {
        state.OpenGameExe();
        ReadPitCrewColours(state);
    });
}

void TPCColorsForm::BitBtn6Click() {
    AppState& state = context_.state;
    ExportFromWindow(context_, this, [&state] {
        state.OpenGameExe();
        WritePitCrewColours(state);
    });
}

// Restores like every other editor window, and shows the restored colours at once.
void TPCColorsForm::BitBtn3Click() {
    RestoreOriginalData(context_, this);
    Redraw();
}

} // namespace psn
