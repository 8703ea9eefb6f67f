// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Car failure": one failure value per team, on a list of the teams in use and on one slider per
// team.
#pragma once

#include "editors/failures_model.h"
#include "ui/app_context.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;

namespace psn {

class TFailuresForm : public QDialog {
    Q_OBJECT
public:
    explicit TFailuresForm(AppContext& context, QWidget* parent = nullptr);
    ~TFailuresForm() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void UpdateObjects();
    void TrackBarChange();
    void Edit1Exit();
    void ListClick(int row);
    void Step(int sign);
    void BitBtn2Click();
    void BitBtn6Click();

    AppContext& context_;
    FailuresModel model_; // the teams' rows and the selected one
    QListWidget* listBox1_;
    QListWidget* listBox2_;
    std::array<QSlider*, 14> trackBars_{};
    QLabel* label4_;
    QLineEdit* edit1_;
    QLineEdit* edit57_;
};

} // namespace psn
