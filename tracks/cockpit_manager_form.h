// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Cockpit manager": installs one of eleven replacement cockpits, its two pictures and its screen
// coordinates patched into the game executable.
#pragma once

#include "tracks/cockpit_manager_model.h"
#include "tracks/track_install.h"
#include "ui/app_context.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace psn {

class TInstCForm : public QDialog {
    Q_OBJECT
public:
    explicit TInstCForm(AppContext& context, QWidget* parent = nullptr);

    // Patches the executable from a cockpit data file (before its edition letter). Returns
    // whether every value was written; a damaged file is reported and writes nothing.
    bool CockPatcher(const std::string& fileName);
    void BitBtn1Click(); // "Back"
    void BitBtn2Click(); // "Install it!"

    FreeSpaceProbe freeSpace = SystemFreeSpace();

private:
    AppContext& context_;
    QGroupBox* GroupBox1;
    std::array<QRadioButton*, 11> choices_{};
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

} // namespace psn
