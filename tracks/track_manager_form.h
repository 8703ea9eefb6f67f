// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Track manager": installs the bonus track as track 7, or the game's own tracks from the CD.
#pragma once

#include "ui/app_context.h"

#include <QDialog>

class QPushButton;

namespace psn {

class Tinsttform : public QDialog {
    Q_OBJECT
public:
    explicit Tinsttform(AppContext& context, QWidget* parent = nullptr);

    void BitBtn1Click(); // "Install original tracks"
    void BitBtn2Click(); // "Install Valmont track"
    void BitBtn3Click(); // "Back"

private:
    // The three stretches of the executable from the bonus or the original data files.
    bool WriteStretchFiles(bool bonus);

    AppContext& context_;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
};

} // namespace psn
