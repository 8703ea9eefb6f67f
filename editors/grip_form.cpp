// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/grip_form.h"

#include "editors/form_events.h"
#include "editors/grip_blocks.h"
#include "editors/lineup.h"
#include "ui/editor_buttons.h"
#include "ui/enter_as_tab.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/number_input.h"
#include "ui/window_transfers.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <cstdint>
#include <string>
#include <vector>

namespace psn {
namespace {

constexpr int kRowHeight = 16;
constexpr int kListTop = 24;
constexpr int kListHeight = 14 * kRowHeight + 4;

// Where the controls right of the lists begin.
constexpr int kRight = 740;

QListWidget* List(QWidget* parent, const char* name, const QString& caption, int x, int width) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(x, kListTop - 18, width, 16);
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(x, kListTop, width, kListHeight);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

// A driver list and its value list show the same rows: the value list's scroll bar moves both.
void ScrollTogether(QListWidget* names, QListWidget* values) {
    names->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    values->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QObject::connect(names->verticalScrollBar(), &QScrollBar::valueChanged,
                     values->verticalScrollBar(), &QScrollBar::setValue);
    QObject::connect(values->verticalScrollBar(), &QScrollBar::valueChanged,
                     names->verticalScrollBar(), &QScrollBar::setValue);
    // A stored word below the offset reads as up to 65535.
    HoldText(values, QStringLiteral("65535"));
}

void Fill(QListWidget* list, const QStringList& rows, int selected) {
    const QSignalBlocker block(list);
    list->clear();
    for (const QString& text : rows)
        new QListWidgetItem(text, list);
    list->setCurrentRow(selected - 1); // -1 clears the selection
    if (selected == 0)
        list->clearSelection();
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return AddButton(parent, name, caption, geometry);
}

QStringList Texts(const std::vector<std::string>& names) {
    QStringList rows;
    for (const std::string& name : names)
        rows << FromGameBytes(name);
    return rows;
}

QStringList Texts(const std::vector<std::uint16_t>& values) {
    QStringList rows;
    for (const std::uint16_t value : values)
        rows << QString::number(value);
    return rows;
}

} // namespace

TGripForm::TGripForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setObjectName("GripForm");
    setWindowTitle(tr("Computer cars grip"));
    setFixedSize(936, 331);

    // The value lists carry the scroll bars, which the driver lists lend them room for.
    listBox1_ = List(this, "ListBox1", tr(" 1st drivers "), 8, 293);
    listBox3_ = List(this, "ListBox3", tr(" GRIP "), 303, 64);
    listBox2_ = List(this, "ListBox2", tr(" 2nd drivers "), 373, 293);
    listBox4_ = List(this, "ListBox4", tr(" GRIP "), 668, 64);
    for (QListWidget* names : {listBox1_, listBox2_})
        HoldText(names, AnyName(rec::kDriverNameCapacity));
    ScrollTogether(listBox1_, listBox3_);
    ScrollTogether(listBox2_, listBox4_);

    auto* group = new QGroupBox(tr("Select data"), this);
    group->setObjectName("RadioGroup1");
    group->setGeometry(kRight, 6, 188, 90);
    radioGroup1_ = new QButtonGroup(this);
    int index = 0;
    for (const QString& caption :
         {tr("Qualification"), tr("Other sessions"), tr("Random grip range")}) {
        auto* choice = new QRadioButton(caption, group);
        choice->setGeometry(10, 18 + 22 * index, 170, 20);
        radioGroup1_->addButton(choice, index++);
    }
    radioGroup1_->button(0)->setChecked(true);

    auto* edit = new QGroupBox(tr("Edit selected grip data"), this);
    edit->setObjectName("GroupBox1");
    edit->setGeometry(kRight, 102, 188, 52);
    edit1_ = new QLineEdit(edit);
    edit1_->setObjectName("Edit1");
    edit1_->setGeometry(10, 22, 100, 22);

    AddCaption(this, tr("All"), {kRight, 166, 22, 16});
    auto* plus = Button(this, "Button1", "+", {kRight + 24, 162, 30, 24});
    auto* minus = Button(this, "Button2", "-", {kRight + 58, 162, 30, 24});
    AddCaption(this, tr("by"), {kRight + 94, 166, 18, 16});
    edit57_ = new QLineEdit("100", this);
    edit57_->setObjectName("Edit57");
    edit57_->setGeometry(kRight + 114, 162, 74, 24);
    LimitTyping(edit57_, 5);

    auto* qualOther = Button(this, "BitBtn4", tr("Qual=Other"), {kRight, 196, 90, 28});
    auto* otherQual = Button(this, "BitBtn5", tr("Other=Qual"), {kRight + 98, 196, 90, 28});

    const EditorButtons buttons = AddEditorButtons(this, context_, {8, 292, 920, 32});
    connect(buttons.import, &QPushButton::clicked, this, &TGripForm::BitBtn2Click);
    connect(buttons.exportButton, &QPushButton::clicked, this, &TGripForm::BitBtn6Click);

    connect(listBox1_, &QListWidget::currentRowChanged, this, [this](int r) { ListClick(1, r); });
    connect(listBox3_, &QListWidget::currentRowChanged, this, [this](int r) { ListClick(1, r); });
    connect(listBox2_, &QListWidget::currentRowChanged, this, [this](int r) { ListClick(2, r); });
    connect(listBox4_, &QListWidget::currentRowChanged, this, [this](int r) { ListClick(2, r); });
    // Clicking the row that is already current in a list whose selection was cleared.
    for (QListWidget* list : {listBox1_, listBox2_, listBox3_, listBox4_})
        connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
            ListClick(list == listBox1_ || list == listBox3_ ? 1 : 2, list->row(item));
        });
    connect(radioGroup1_, &QButtonGroup::idClicked, this, &TGripForm::RadioGroup1Click);
    connect(plus, &QPushButton::clicked, this, &TGripForm::Button1Click);
    connect(minus, &QPushButton::clicked, this, &TGripForm::Button2Click);
    connect(qualOther, &QPushButton::clicked, this, &TGripForm::BitBtn4Click);
    connect(otherQual, &QPushButton::clicked, this, &TGripForm::BitBtn5Click);
    OnLeave(edit1_, [this] { Edit1Exit(); });
    InstallEnterAsTab(edit1_);
    InstallEnterAsTab(edit57_);
}

// Hiding moves the focus out of a box and runs its leave handler, which needs the model; in
// QDialog's destructor the model would already be gone.
TGripForm::~TGripForm() {
    hide();
}

void TGripForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TGripForm::FormShow() {
    model_.Choose(radioGroup1_->checkedId() + 1);
    model_.MapRows();
    Fill(listBox1_, Texts(model_.DriverNames(1)), model_.SelectedRow(1));
    Fill(listBox2_, Texts(model_.DriverNames(2)), model_.SelectedRow(2));
    UpdateObjects();
}

void TGripForm::UpdateObjects() {
    const int firstRow = model_.SelectedRow(1);
    const int secondRow = model_.SelectedRow(2);
    Fill(listBox3_, Texts(model_.Values(1)), firstRow);
    Fill(listBox4_, Texts(model_.Values(2)), secondRow);
    for (auto [list, row] : {std::pair{listBox1_, firstRow}, std::pair{listBox2_, secondRow}}) {
        const QSignalBlocker block(list);
        list->setCurrentRow(row - 1);
        if (row == 0)
            list->clearSelection();
    }
    const int number = model_.SelectedNumber();
    edit1_->setText(number ? QString::number(model_.Value(number)) : QString());
}

void TGripForm::ListClick(int list, int row) {
    if (row < 0)
        return;
    model_.SelectRow(list, row + 1);
    UpdateObjects();
}

void TGripForm::RadioGroup1Click() {
    model_.Choose(radioGroup1_->checkedId() + 1);
    UpdateObjects();
}

void TGripForm::Edit1Exit() {
    // Not a number: the kept value again, so that leaving the box again says nothing more.
    if (const auto value = ConvertInteger(context_, this, edit1_->text()))
        model_.SetSelectedValue(*value);
    UpdateObjects();
}

// A number that stands in two slots is stepped twice, once per slot.
void TGripForm::Step(int sign) {
    const auto step = ConvertInteger(context_, this, edit57_->text());
    if (!step)
        return;
    model_.StepAll(sign, *step);
    UpdateObjects();
}

void TGripForm::Button1Click() {
    Step(+1);
}

void TGripForm::Button2Click() {
    Step(-1);
}

void TGripForm::BitBtn4Click() {
    model_.CopyOtherToQual();
    UpdateObjects();
}

void TGripForm::BitBtn5Click() {
    model_.CopyQualToOther();
    UpdateObjects();
}

void TGripForm::BitBtn2Click() {
    ImportExeBlocks(context_, this, {ReadGrip, ReadGripRange});
}

void TGripForm::BitBtn6Click() {
    ExportExeBlocks(context_, this, {WriteGrip, WriteGripRange});
}

} // namespace psn
