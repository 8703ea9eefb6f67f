// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Import data": every block at once between the game files and the settings record, and the two
// choices of where names and cockpit colours come from.
#pragma once

#include "ui/app_context.h"

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace psn {

class TIEForm : public QDialog {
    Q_OBJECT
public:
    explicit TIEForm(AppContext& context, QWidget* parent = nullptr);

    void ImportAllClick();
    void ExportAllClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct ChoiceGroup {
        QGroupBox* box;
        QRadioButton* exe;
        QRadioButton* state;
    };
    ChoiceGroup MakeGroup(const char* name, const QString& caption, const QRect& geometry);
    void FormShow();
    void RadioGroup1Click();
    void RadioGroup2Click();
    // The track files are put in place (asking the user when they are missing); false when the
    // user declines and the command ends there.
    [[nodiscard]] bool TrackFilesReady();

    AppContext& context_;
    ChoiceGroup names_;
    ChoiceGroup cockpit_;
    ChoiceGroup aids_;
    QPushButton* importButton_;
    QPushButton* exportButton_;
};

} // namespace psn
