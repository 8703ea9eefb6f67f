// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/pccolors_form.h"

#include "graphics/pitcrew_blocks.h"
#include "ui/font_scale.h"
#include "ui/window_transfers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace psn {

TPCColorsForm::TPCColorsForm(AppContext& context, QWidget* parent)
    : ColourPartsForm(context, parent,
                      {".\\DATA\\DIB2.DIB", colours::kCrewParts, kCrewColourRows,
                       ReadPitCrewColours, WritePitCrewColours}) {
    setWindowTitle(tr("Pit crew colors"));
    setFixedSize(688, 446);
    list_->setGeometry(504, 4, 176, 228);
    for (std::size_t p = 0; p < radios_.size(); ++p)
        radios_[p]->setGeometry(506, 236 + 15 * static_cast<int>(p), 136, 15);
    label_->setGeometry(4, 379, 492, 18);
    back_->setGeometry(4, 408, 76, 30);
    import_->setGeometry(84, 408, 140, 30);
    export_->setGeometry(228, 408, 140, 30);
    restore_->setGeometry(372, 408, 126, 30);
    for (auto* button : {import_, export_, restore_})
        FitCaption(button);
    FormCreate();
}

} // namespace psn
