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
};

} // namespace psn
