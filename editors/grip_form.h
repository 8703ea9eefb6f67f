// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Computer cars grip": qualification grip, other-sessions grip and random grip range per car
// number, listed by driver.
#pragma once

#include "ui/app_context.h"

#include <QDialog>
#include <vector>

class QButtonGroup;
class QLineEdit;
class QListWidget;

namespace psn {

class TGripForm : public QDialog {
    Q_OBJECT
public:
    explicit TGripForm(AppContext& context, QWidget* parent = nullptr);

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
    std::size_t Entry(int number) const; // the chosen table's entry of a car number
    int Maximum() const;
    int SelectedNumber() const; // 0 when no driver is selected

    AppContext& context_;
    int table_ = 1;     // 1 qualification, 2 other sessions, 3 random grip range
    int firstRow_ = 1;  // selected row of the first-driver lists, 1-based, 0 = none
    int secondRow_ = 0; // selected row of the second-driver lists
    // The car slot each row stands for, so a team with one numbered driver cannot shift the rows
    // of the teams after it.
    std::vector<int> firstSlots_, secondSlots_;
    QListWidget* listBox1_;
    QListWidget* listBox2_;
    QListWidget* listBox3_;
    QListWidget* listBox4_;
    QButtonGroup* radioGroup1_;
    QLineEdit* edit1_;
    QLineEdit* edit57_;
};

} // namespace psn
