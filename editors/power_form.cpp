// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/power_form.h"

#include "editors/form_events.h"
#include "editors/lineup.h"
#include "editors/power_blocks.h"
#include "ui/editor_buttons.h"
#include "ui/enter_as_tab.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/number_input.h"
#include "ui/window_transfers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <cstdint>

namespace psn {
namespace {

constexpr int kRowTop = 26;
constexpr int kRowPitch = 29;
// A row: the team-engine label as wide as two full names, the slider, the value; then the column
// of the other controls.
constexpr int kLabelWidth = 319;
constexpr int kSliderLeft = 12 + kLabelWidth;
constexpr int kValueLeft = kSliderLeft + 208;
constexpr int kRight = kValueLeft + 52;

// Form names of the team-engine and number boxes, team 1 first.
constexpr const char* kLabelNames[14] = {"Edit1",  "Edit3",  "Edit5",  "Edit7",  "Edit9",
                                         "Edit10", "Edit13", "Edit12", "Edit17", "Edit18",
                                         "Edit21", "Edit20", "Edit27", "Edit28"};
constexpr const char* kValueNames[14] = {"Edit2",  "Edit4",  "Edit6",  "Edit8",  "Edit16",
                                         "Edit15", "Edit14", "Edit11", "Edit24", "Edit23",
                                         "Edit22", "Edit19", "Edit30", "Edit29"};

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return AddButton(parent, name, caption, geometry);
}

QLineEdit* NumberBox(QWidget* parent, const char* name, QRect geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    LimitTyping(edit, 4);
    return edit;
}

} // namespace

TEPowerForm::TEPowerForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setObjectName("EPowerForm");
    setWindowTitle(tr("Engine power"));
    setFixedSize(kRight + 209, 441);

    AddCaption(this, tr(" Team-engine "), {8, 6, kLabelWidth, 16});
    AddCaption(this, tr(" BHP "), {kSliderLeft + 88, 0, 50, 14});
    AddCaption(this, " 0 ", {kSliderLeft, 10, 30, 14});
    AddCaption(this, QString(" %1 ").arg(kPowerMax), {kSliderLeft + 168, 10, 36, 14});
    for (int t = 0; t < kTeamCount; ++t) {
        const int y = kRowTop + kRowPitch * t;
        labels_[t] = new QLineEdit(this);
        labels_[t]->setObjectName(kLabelNames[t]);
        labels_[t]->setGeometry(8, y, kLabelWidth, 22);
        labels_[t]->setReadOnly(true);
        labels_[t]->setFocusPolicy(Qt::NoFocus);
        HoldText(labels_[t], AnyTeamEngine());
        trackBars_[t] = new QSlider(Qt::Horizontal, this);
        trackBars_[t]->setObjectName(QString("TrackBar%1").arg(t + 1));
        trackBars_[t]->setGeometry(kSliderLeft, y, 204, 22);
        trackBars_[t]->setRange(0, kPowerMax);
        trackBars_[t]->setPageStep(10);
        values_[t] = NumberBox(this, kValueNames[t], {kValueLeft, y, 46, 22});
        connect(trackBars_[t], &QSlider::valueChanged, this, &TEPowerForm::TBarChange);
        OnLeave(values_[t], [this] { ChangeValue(); });
        InstallEnterAsTab(values_[t]);
    }

    auto* choose = new QGroupBox(tr("Choose"), this);
    choose->setObjectName("RadioGroup1");
    choose->setGeometry(kRight, 6, 201, 48);
    radioGroup1_ = new QButtonGroup(this);
    auto* qualification = new QRadioButton(tr("Qualification"), choose);
    qualification->setGeometry(6, 20, 96, 20);
    auto* other = new QRadioButton(tr("Other sessions"), choose);
    other->setGeometry(102, 20, 96, 20);
    radioGroup1_->addButton(qualification, 0);
    radioGroup1_->addButton(other, 1);
    qualification->setChecked(true);
    FitCaption(qualification, 24);
    FitCaption(other, 24);

    auto* human = new QGroupBox(tr("Human driver engine"), this);
    human->setObjectName("GroupBox1");
    human->setGeometry(kRight, 60, 201, 50);
    edit26_ = NumberBox(human, "Edit26", {10, 20, 60, 22});
    AddCaption(human, tr("BHP"), {76, 23, 40, 16});

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(kRight, 116, 201, 36);
    AddCaption(panel, tr("All"), {6, 10, 20, 16});
    auto* plus = Button(panel, "Button1", "+", {28, 6, 26, 24});
    auto* minus = Button(panel, "Button2", "-", {56, 6, 26, 24});
    AddCaption(panel, tr("by"), {88, 10, 16, 16});
    edit25_ = NumberBox(panel, "Edit25", {106, 7, 50, 22});
    edit25_->setText("100");
    AddCaption(panel, tr("BHP"), {162, 10, 34, 16});

    checkBox1_ = new QCheckBox(tr("Random engine power"), this);
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setGeometry(kRight, 160, 190, 20);

    auto* qualOther = Button(this, "BitBtn4", tr("Qual=Other"), {kRight, 188, 98, 28});
    auto* otherQual = Button(this, "BitBtn5", tr("Other=Qual"), {kRight + 103, 188, 98, 28});

    const EditorButtons buttons =
        AddEditorButtons(this, context_, {kRight, 256, 201, 170}, Qt::Vertical);
    back_ = buttons.back;
    connect(buttons.import, &QPushButton::clicked, this, &TEPowerForm::BitBtn2Click);
    connect(buttons.exportButton, &QPushButton::clicked, this, &TEPowerForm::BitBtn6Click);

    connect(radioGroup1_, &QButtonGroup::idClicked, this, &TEPowerForm::RadioGroup1Click);
    connect(checkBox1_, &QCheckBox::clicked, this, &TEPowerForm::CheckBox1Click);
    connect(plus, &QPushButton::clicked, this, &TEPowerForm::Button1Click);
    connect(minus, &QPushButton::clicked, this, &TEPowerForm::Button2Click);
    connect(qualOther, &QPushButton::clicked, this, &TEPowerForm::BitBtn4Click);
    connect(otherQual, &QPushButton::clicked, this, &TEPowerForm::BitBtn5Click);
    OnLeave(edit26_, [this] { Edit26Exit(); });
}

// Hiding moves the focus out of a box and runs its leave handler, which needs the model; in
// QDialog's destructor the model would already be gone.
TEPowerForm::~TEPowerForm() {
    hide();
}

void TEPowerForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TEPowerForm::FormShow() {
    model_.Choose(radioGroup1_->checkedId() + 1);
    const SettingsRecord& r = context_.state.record;
    for (int t = 0; t < kTeamCount; ++t) {
        labels_[t]->setText(FromGameBytes(TeamEngineLabel(r, t + 1)));
        labels_[t]->setCursorPosition(0);
    }
    {
        const QSignalBlocker block(checkBox1_);
        checkBox1_->setChecked(model_.RandomPower());
    }
    UpdateObjects();
    back_->setFocus();
}

// Setting a slider from here stores nothing; a value above the slider's end shows at the end.
void TEPowerForm::UpdateObjects() {
    for (int t = 0; t < kTeamCount; ++t) {
        const int value = model_.Value(t + 1);
        const QSignalBlocker block(trackBars_[t]);
        trackBars_[t]->setValue(value);
        values_[t]->setText(QString::number(value));
    }
    edit26_->setText(QString::number(model_.HumanPower()));
}

void TEPowerForm::TBarChange() {
    for (int t = 0; t < kTeamCount; ++t)
        model_.SetValue(t + 1, static_cast<std::uint16_t>(trackBars_[t]->value()));
    UpdateObjects();
}

// Boxes before one that is not a number stay stored; the rest and the clamp are skipped. The
// refused box shows its kept value again, so that leaving it again says nothing more.
void TEPowerForm::ChangeValue() {
    for (int t = 0; t < kTeamCount; ++t) {
        const auto value = ConvertInteger(context_, this, values_[t]->text());
        if (!value) {
            UpdateObjects();
            return;
        }
        model_.SetValue(t + 1, static_cast<std::uint16_t>(*value));
    }
    model_.ClampAll();
    UpdateObjects();
}

void TEPowerForm::Edit26Exit() {
    if (const auto value = ConvertInteger(context_, this, edit26_->text()))
        model_.SetHumanPower(static_cast<std::uint16_t>(*value));
    UpdateObjects();
}

void TEPowerForm::RadioGroup1Click() {
    model_.Choose(radioGroup1_->checkedId() + 1);
    UpdateObjects();
}

void TEPowerForm::CheckBox1Click() {
    model_.SetRandomPower(checkBox1_->isChecked());
}

void TEPowerForm::Step(int sign) {
    const auto step = ConvertInteger(context_, this, edit25_->text());
    if (!step)
        return;
    model_.StepAll(sign, *step);
    UpdateObjects();
}

void TEPowerForm::Button1Click() {
    Step(+1);
}

void TEPowerForm::Button2Click() {
    Step(-1);
}

// Here the caption names the source first.
void TEPowerForm::BitBtn4Click() {
    model_.CopyQualToOther();
    UpdateObjects();
}

void TEPowerForm::BitBtn5Click() {
    model_.CopyOtherToQual();
    UpdateObjects();
}

void TEPowerForm::BitBtn2Click() {
    ImportExeBlocks(context_, this, {ReadEnginePower, ReadHumanPower});
}

void TEPowerForm::BitBtn6Click() {
    ExportExeBlocks(context_, this, {WriteEnginePower, WriteHumanPower});
}

} // namespace psn
