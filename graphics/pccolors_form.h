// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Pit crew colors": the colours of 14 parts of the pit crew's overalls and equipment per team.
#pragma once

#include "graphics/colour_parts_form.h"

namespace psn {

class TPCColorsForm : public ColourPartsForm {
    Q_OBJECT
public:
    explicit TPCColorsForm(AppContext& context, QWidget* parent = nullptr);

    void Fillcrew() { FillPicture(); }
    void Clearcrew() { ClearPicture(); }
};

} // namespace psn
