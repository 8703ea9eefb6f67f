// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The car set installer: copies the fourteen team livery archives shipped beside the editor over
// the game's own.
#pragma once

#include "tracks/track_install.h"
#include "ui/app_context.h"

#include <QDialog>
#include <array>

class QPushButton;

namespace psn {

// In the order of installation.
const std::array<const char*, 14>& CarSetArchives();

class TInstCarSetForm : public QDialog {
    Q_OBJECT
public:
    explicit TInstCarSetForm(AppContext& context, QWidget* parent = nullptr);

    void Button1Click(); // "Install '97 car set (only paintings now)"
    void BitBtn1Click(); // "Back"

    FreeSpaceProbe freeSpace = SystemFreeSpace();

private:
    AppContext& context_;
    QPushButton* Button1;
    QPushButton* BitBtn1;
};

} // namespace psn
