// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/noses_form.h"

#include "editors/lineup.h"
#include "editors/noses_blocks.h"
#include "ui/editor_buttons.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/window_transfers.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <string>

namespace psn {

namespace {

constexpr int kRowHeight = 16;

QPushButton* Button(QWidget* parent, const char* name, const QString& text, int y) {
    return AddButton(parent, name, text, {188, y, 143, 26});
}

} // namespace

TNosesForm::TNosesForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setObjectName("NosesForm");
    setWindowTitle(tr("Nose cones "));
    setFixedSize(339, 311);

    auto* teams = new QLabel(tr(" Teams "), this);
    teams->setGeometry(8, 8, 176, 16);
    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName("ListBox1");
    listBox1_->setGeometry(8, 26, 176, kRowHeight * kTeamCount + 4);
    listBox1_->setUniformItemSizes(true);
    HoldText(listBox1_, AnyName(rec::kTeamNameCapacity));

    auto* group = new QGroupBox(tr("Nose cones"), this);
    group->setObjectName("RadioGroup1");
    group->setGeometry(188, 20, 143, 72);
    raised_ = new QRadioButton(tr("raised"), group);
    raised_->setGeometry(12, 20, 120, 20);
    lowered_ = new QRadioButton(tr("lowered"), group);
    lowered_->setGeometry(12, 44, 120, 20);
    auto* choice = new QButtonGroup(this);
    choice->addButton(raised_, 0);
    choice->addButton(lowered_, 1);

    auto* back = Button(this, "BitBtn1", tr("Back"), 174);
    auto* import = Button(this, "BitBtn4", tr("Import data from game"), 206);
    auto* exportButton = Button(this, "BitBtn2", tr("Export data into game"), 238);
    auto* restore = Button(this, "BitBtn3", tr("Restore original data"), 270);

    connect(listBox1_, &QListWidget::currentRowChanged, this, &TNosesForm::UpdateObjects);
    connect(raised_, &QRadioButton::clicked, this, [this] { RadioGroup1Click(true); });
    connect(lowered_, &QRadioButton::clicked, this, [this] { RadioGroup1Click(false); });
    connect(back, &QPushButton::clicked, this, &QDialog::close);
    connect(import, &QPushButton::clicked, this, &TNosesForm::BitBtn4Click);
    connect(exportButton, &QPushButton::clicked, this, &TNosesForm::BitBtn2Click);
    connect(restore, &QPushButton::clicked, this, [this] { RestoreOriginalData(context_, this); });
}

void TNosesForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TNosesForm::FormShow() {
    model_.MapRows();
    {
        const QSignalBlocker block(listBox1_);
        listBox1_->clear();
        for (const std::string& name : model_.TeamNames()) {
            auto* item = new QListWidgetItem(FromGameBytes(name), listBox1_);
            item->setSizeHint(QSize(0, ToFont(listBox1_, kRowHeight)));
        }
        const int rows = model_.Rows().Count();
        listBox1_->resize(listBox1_->width(), ToFont(listBox1_, kRowHeight) * rows + 4);
        listBox1_->setCurrentRow(rows == 0 ? -1 : 0);
    }
    UpdateObjects();
}

int TNosesForm::SelectedTeam() const {
    return model_.Rows().Team(listBox1_->currentRow() + 1);
}

void TNosesForm::UpdateObjects() {
    const int team = SelectedTeam();
    raised_->setEnabled(team != 0);
    lowered_->setEnabled(team != 0);
    if (team == 0)
        return;
    (model_.Raised(team) ? raised_ : lowered_)->setChecked(true);
}

void TNosesForm::RadioGroup1Click(bool raised) {
    model_.SetRaised(SelectedTeam(), raised);
}

void TNosesForm::BitBtn4Click() {
    ImportExeBlocks(context_, this, {ReadNoses});
}

void TNosesForm::BitBtn2Click() {
    ExportExeBlocks(context_, this, {WriteNoses});
}

} // namespace psn
