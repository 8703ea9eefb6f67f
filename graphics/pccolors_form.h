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
    void BitBtn2Click();
    void BitBtn6Click();
    void BitBtn3Click();

protected:
    // Window part p is byte p + 2 of the team's row; bytes 0 and 1 are never shown.
    std::size_t ColourOffset(int team, int part) const override;
};

} // namespace psn
