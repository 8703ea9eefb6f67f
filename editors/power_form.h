// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Engine power": team horsepower per session on sliders and number boxes, the human driver's
// horsepower and the random engine power switch.
#pragma once

#include "editors/power_model.h"
#include "ui/app_context.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;

namespace psn {

class TEPowerForm : public QDialog {
    Q_OBJECT
public:
    explicit TEPowerForm(AppContext& context, QWidget* parent = nullptr);
    ~TEPowerForm() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void UpdateObjects();
    void TBarChange();
    void ChangeValue();
    void Edit26Exit();
    void RadioGroup1Click();
    void CheckBox1Click();
    void Button1Click(); // "+"
    void Button2Click(); // "-"
    void BitBtn4Click(); // "Qual=Other"
    void BitBtn5Click(); // "Other=Qual"
    void BitBtn2Click();
    void BitBtn6Click();

    void Step(int sign);

    AppContext& context_;
    PowerModel model_; // its chosen table is the session: 1 qualification, 2 other sessions
    std::array<QLineEdit*, 14> labels_{};
    std::array<QSlider*, 14> trackBars_{};
    std::array<QLineEdit*, 14> values_{};
    QButtonGroup* radioGroup1_;
    QLineEdit* edit25_;
    QLineEdit* edit26_;
    QCheckBox* checkBox1_;
    QPushButton* back_;
};

} // namespace psn
