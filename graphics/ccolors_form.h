// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Cockpit colors": the colours of the cockpit surround, mirrors and front wing of each team.
#pragma once

#include "graphics/colour_parts_form.h"

namespace psn {

class TCColorsForm : public ColourPartsForm {
    Q_OBJECT
public:
    explicit TCColorsForm(AppContext& context, QWidget* parent = nullptr);

    void FillCockpit() { FillPicture(); }
    void ClearCockpit() { ClearPicture(); }
    void BitBtn2Click();
    void BitBtn6Click();
    void BitBtn3Click();

protected:
    std::size_t ColourOffset(int team, int part) const override;
};

} // namespace psn
