// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Names and numbers": team, engine and driver names, car numbers, selected marks and which teams
// take part, plus the first-driver switch.
#pragma once

#include "editors/names_model.h"
#include "ui/app_context.h"

#include <QDialog>
#include <array>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QListWidget;

namespace psn {

class TNamesForm : public QDialog {
    Q_OBJECT
public:
    explicit TNamesForm(AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void UpdateObjects();
    void ListBox1Click();
    void ListBox1Exit();
    void TeamFieldChange(QComboBox* box, std::size_t (*field)(int));
    void TeamFieldExit(QComboBox* box, std::size_t (*field)(int));
    void NumberChange(int slot, int index);
    void DriverNameExit(QComboBox* box, int slot);
    void CheckBox1Click();
    void CheckBox2Click();
    void BitBtn2Click();
    void BitBtn6Click();

    void FillTeamBox(QComboBox* box, std::size_t (*field)(int));
    void FillDriverNameBoxes();
    void SelectDriverBoxes(int team);
    void EnableBoxes(bool enabled);
    int SelectedTeam() const; // 1..14, the list's selected row

    AppContext& context_;
    NamesModel model_; // edits the team remembered when the list is left
    QListWidget* listBox1_;
    QComboBox* comboBox1_; // first driver's name
    QComboBox* comboBox2_; // first driver's number
    QComboBox* comboBox3_; // second driver's number
    QComboBox* comboBox4_; // second driver's name
    QComboBox* comboBox5_; // team name
    QComboBox* comboBox6_; // engine name
    QCheckBox* checkBox1_;
    QCheckBox* checkBox2_;
    std::array<QAbstractButton*, kShownSlotCount> slotBoxes_{}; // index slot - 1
};

} // namespace psn
