// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Computer cars grip": qualification grip, other-sessions grip and random grip range per car
// number, listed by driver.
#pragma once

#include "editors/grip_model.h"
#include "ui/app_context.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QListWidget;

namespace psn {

class TGripForm : public QDialog {
    Q_OBJECT
public:
    explicit TGripForm(AppContext& context, QWidget* parent = nullptr);
    ~TGripForm() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void UpdateObjects();
    void ListClick(int list, int row); // list 1 or 2, row 0-based
    void RadioGroup1Click();
    void Edit1Exit();
    void Button1Click(); // "+"
    void Button2Click(); // "-"
    void BitBtn4Click(); // "Qual=Other"
    void BitBtn5Click(); // "Other=Qual"
    void BitBtn2Click();
    void BitBtn6Click();

    void Step(int sign);

    AppContext& context_;
    GripModel model_; // the chosen table and the lists' rows
    QListWidget* listBox1_;
    QListWidget* listBox2_;
    QListWidget* listBox3_;
    QListWidget* listBox4_;
    QButtonGroup* radioGroup1_;
    QLineEdit* edit1_;
    QLineEdit* edit57_;
};

} // namespace psn
