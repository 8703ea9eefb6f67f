// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/failures_form.h"

#include "editors/failures_blocks.h"
#include "editors/form_events.h"
#include "editors/lineup.h"
#include "ui/editor_buttons.h"
#include "ui/enter_as_tab.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/number_input.h"
#include "ui/window_transfers.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <cstdint>

namespace psn {
namespace {

constexpr int kRowHeight = 16;
constexpr int kListTop = 24;

QListWidget* List(QWidget* parent, const char* name, const QString& caption, int x, int width) {
    AddCaption(parent, caption, {x, kListTop - 18, width, 16});
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(x, kListTop, width, kRowHeight * kTeamCount + 4);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

} // namespace

TFailuresForm::TFailuresForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setObjectName("FailuresForm");
    setWindowTitle(tr("Car failure"));
    setFixedSize(702, 388);

    listBox1_ = List(this, "ListBox1", tr(" Team-Engine "), 8, 334);
    listBox2_ = List(this, "ListBox2", tr(" Value "), 344, 60);
    HoldText(listBox1_, AnyTeamEngine());

    auto* label3 = new QLabel("0", this);
    label3->setObjectName("Label3");
    label3->setGeometry(416, 6, 40, 16);
    label4_ = new QLabel(this);
    label4_->setObjectName("Label4");
    label4_->setGeometry(634, 6, 60, 16);
    label4_->setAlignment(Qt::AlignRight);
    for (int t = 0; t < kTeamCount; ++t) {
        trackBars_[t] = new QSlider(Qt::Horizontal, this);
        trackBars_[t]->setObjectName(QString("TrackBar%1").arg(t + 1));
        trackBars_[t]->setGeometry(414, kListTop + 22 * t, 280, 20);
        trackBars_[t]->setPageStep(10);
        connect(trackBars_[t], &QSlider::valueChanged, this, &TFailuresForm::TrackBarChange);
    }

    auto* group = new QGroupBox(tr("Edit selected data"), this);
    group->setObjectName("GroupBox1");
    group->setGeometry(8, 258, 232, 48);
    edit1_ = new QLineEdit(group);
    edit1_->setObjectName("Edit1");
    edit1_->setGeometry(10, 20, 100, 22);

    AddCaption(this, tr("All"), {8, 318, 22, 16});
    auto* plus = AddButton(this, "Button1", "+", {32, 314, 28, 24});
    auto* minus = AddButton(this, "Button2", "-", {64, 314, 28, 24});
    AddCaption(this, tr("by"), {98, 318, 18, 16});
    edit57_ = new QLineEdit("100", this);
    edit57_->setObjectName("Edit57");
    edit57_->setGeometry(118, 314, 70, 24);

    const EditorButtons buttons = AddEditorButtons(this, context_, {8, 348, 686, 32});
    connect(buttons.import, &QPushButton::clicked, this, &TFailuresForm::BitBtn2Click);
    connect(buttons.exportButton, &QPushButton::clicked, this, &TFailuresForm::BitBtn6Click);

    connect(listBox1_, &QListWidget::currentRowChanged, this, &TFailuresForm::ListClick);
    connect(listBox2_, &QListWidget::currentRowChanged, this, &TFailuresForm::ListClick);
    connect(plus, &QPushButton::clicked, this, [this] { Step(+1); });
    connect(minus, &QPushButton::clicked, this, [this] { Step(-1); });
    OnLeave(edit1_, [this] { Edit1Exit(); });
    // The window sees every key first: Enter moves on from any control.
    InstallEnterAsTab(this);
}

// Hiding moves the focus out of a box and runs its leave handler, which needs the model; in
// QDialog's destructor the model would already be gone.
TFailuresForm::~TFailuresForm() {
    hide();
}

void TFailuresForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFailuresForm::FormShow() {
    const SettingsRecord& r = context_.state.record;
    model_.MapRows();
    {
        const QSignalBlocker block(listBox1_);
        listBox1_->clear();
        for (const int team : model_.Rows().Teams())
            new QListWidgetItem(FromGameBytes(TeamEngineLabel(r, team)), listBox1_);
    }
    for (QSlider* bar : trackBars_) {
        const QSignalBlocker block(bar);
        bar->setRange(0, kFailureMax);
    }
    label4_->setText(QString::number(trackBars_[0]->maximum()));
    UpdateObjects();
}

// Setting the sliders from here stores nothing: their positions already are the values.
void TFailuresForm::UpdateObjects() {
    {
        const QSignalBlocker block(listBox2_);
        listBox2_->clear();
        for (const int team : model_.Rows().Teams())
            new QListWidgetItem(QString::number(model_.Value(team)), listBox2_);
    }
    for (QListWidget* list : {listBox1_, listBox2_}) {
        const QSignalBlocker block(list);
        list->setCurrentRow(model_.SelectedRow() - 1);
    }
    const int team = model_.SelectedTeam();
    edit1_->setText(team ? QString::number(model_.Value(team)) : QString());
    for (int t = 0; t < kTeamCount; ++t) {
        const QSignalBlocker block(trackBars_[t]);
        trackBars_[t]->setValue(model_.Value(t + 1));
    }
}

void TFailuresForm::TrackBarChange() {
    for (int t = 0; t < kTeamCount; ++t)
        model_.SetValue(t + 1, static_cast<std::uint16_t>(trackBars_[t]->value()));
    UpdateObjects();
}

void TFailuresForm::Edit1Exit() {
    // Not a number: the kept value again, so that leaving the box again says nothing more.
    if (const auto value = ConvertInteger(context_, this, edit1_->text()))
        model_.SetSelectedValue(static_cast<std::uint16_t>(*value));
    UpdateObjects();
}

void TFailuresForm::ListClick(int row) {
    if (row < 0)
        return;
    model_.SelectRow(row + 1);
    UpdateObjects();
}

// Steps the 14 team values as the grip and engine power windows do, within 0..65535.
void TFailuresForm::Step(int sign) {
    const auto step = ConvertInteger(context_, this, edit57_->text());
    if (!step)
        return;
    model_.StepAll(sign, *step);
    UpdateObjects();
}

void TFailuresForm::BitBtn2Click() {
    ImportExeBlocks(context_, this, {ReadFailures});
}

void TFailuresForm::BitBtn6Click() {
    ExportExeBlocks(context_, this, {WriteFailures});
}

} // namespace psn
