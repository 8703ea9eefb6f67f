// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Nose cones ": raised or lowered nose cone per team in use.
#pragma once

#include "editors/noses_model.h"
#include "ui/app_context.h"

#include <QDialog>

class QListWidget;
class QRadioButton;

namespace psn {

class TNosesForm : public QDialog {
    Q_OBJECT
public:
    explicit TNosesForm(AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void UpdateObjects();
    void RadioGroup1Click(bool raised);
    void BitBtn4Click();
    void BitBtn2Click();
    // The team of the selected row, or 0 when no row is selected.
    int SelectedTeam() const;

    AppContext& context_;
    QListWidget* listBox1_;
    QRadioButton* raised_;
    QRadioButton* lowered_;
    NosesModel model_; // row i shows team model_.Rows().Team(i + 1)
};

} // namespace psn
