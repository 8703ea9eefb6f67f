// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/grip_form.h"

#include "editors/form_events.h"
#include "editors/grip_blocks.h"
#include "editors/lineup.h"
#include "editors/stepped_value.h"
#include "ui/editor_buttons.h"
#include "ui/enter_as_tab.h"
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
#include <QShowEvent>
#include <algorithm>
#include <cstdint>

namespace psn {
namespace {

constexpr int kSessionGripMax = 17016;
constexpr int kGripRangeMax = 32767;
constexpr int kRowHeight = 16;
constexpr int kListTop = 24;
constexpr int kListHeight = 14 * kRowHeight + 4;

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
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    FitCaption(button);
    return button;
}

} // namespace

TGripForm::TGripForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("GripForm");
    setWindowTitle(tr("Computer cars grip"));
    setFixedSize(628, 331);

    listBox1_ = List(this, "ListBox1", tr(" 1st drivers "), 8, 150);
    listBox3_ = List(this, "ListBox3", tr(" GRIP "), 160, 52);
    listBox2_ = List(this, "ListBox2", tr(" 2nd drivers "), 218, 150);
    listBox4_ = List(this, "ListBox4", tr(" GRIP "), 370, 52);

    auto* group = new QGroupBox(tr("Select data"), this);
    group->setObjectName("RadioGroup1");
    group->setGeometry(432, 6, 188, 90);
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
    edit->setGeometry(432, 102, 188, 52);
    edit1_ = new QLineEdit(edit);
    edit1_->setObjectName("Edit1");
    edit1_->setGeometry(10, 22, 100, 22);

    (new QLabel(tr("All"), this))->setGeometry(432, 166, 22, 16);
    auto* plus = Button(this, "Button1", "+", {456, 162, 30, 24});
    auto* minus = Button(this, "Button2", "-", {490, 162, 30, 24});
    (new QLabel(tr("by"), this))->setGeometry(526, 166, 18, 16);
    edit57_ = new QLineEdit("100", this);
    edit57_->setObjectName("Edit57");
    edit57_->setGeometry(546, 162, 74, 24);
    LimitTyping(edit57_, 5);

    auto* qualOther = Button(this, "BitBtn4", tr("Qual=Other"), {432, 196, 90, 28});
    auto* otherQual = Button(this, "BitBtn5", tr("Other=Qual"), {530, 196, 90, 28});

    const EditorButtons buttons = AddEditorButtons(this, context_, {8, 292, 612, 32});
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

void TGripForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

std::size_t TGripForm::Entry(int number) const {
    switch (table_) {
    case 1:
        return rec::GripQual(number);
    case 2:
        return rec::GripOther(number);
    default:
        return rec::GripRange(number);
    }
}

int TGripForm::Maximum() const {
    return table_ == 3 ? kGripRangeMax : kSessionGripMax;
}

void TGripForm::FormShow() {
    table_ = radioGroup1_->checkedId() + 1;
    const SettingsRecord& r = context_.state.record;
    firstSlots_.clear();
    secondSlots_.clear();
    QStringList first, second;
    for (int slot = 1; slot <= kCarNumberCount; ++slot) {
        // Slots without a car number that has grip entries get no row.
        if (IsCarNumber(SlotNumber(r, slot))) {
            (slot % 2 ? firstSlots_ : secondSlots_).push_back(slot);
            (slot % 2 ? first : second) << FromGameBytes(DriverName(r, SlotNumber(r, slot)));
        }
    }
    firstRow_ = 1;
    secondRow_ = 0;
    Fill(listBox1_, first, firstRow_);
    Fill(listBox2_, second, secondRow_);
    UpdateObjects();
}

int TGripForm::SelectedNumber() const {
    const SettingsRecord& r = context_.state.record;
    if (firstRow_ > 0 && firstRow_ <= static_cast<int>(firstSlots_.size()))
        return SlotNumber(r, firstSlots_[firstRow_ - 1]);
    if (secondRow_ > 0 && secondRow_ <= static_cast<int>(secondSlots_.size()))
        return SlotNumber(r, secondSlots_[secondRow_ - 1]);
    return 0;
}

void TGripForm::UpdateObjects() {
    const SettingsRecord& r = context_.state.record;
    const auto values = [&](const std::vector<int>& rowSlots) {
        QStringList rows;
        for (const int slot : rowSlots)
            rows << QString::number(r.u16(Entry(SlotNumber(r, slot))));
        return rows;
    };
    Fill(listBox3_, values(firstSlots_), firstRow_);
    Fill(listBox4_, values(secondSlots_), secondRow_);
    for (auto [list, row] : {std::pair{listBox1_, firstRow_}, std::pair{listBox2_, secondRow_}}) {
        const QSignalBlocker block(list);
        list->setCurrentRow(row - 1);
        if (row == 0)
            list->clearSelection();
    }
    const int number = SelectedNumber();
    edit1_->setText(number ? QString::number(r.u16(Entry(number))) : QString());
}

void TGripForm::ListClick(int list, int row) {
    if (row < 0)
        return;
    firstRow_ = list == 1 ? row + 1 : 0;
    secondRow_ = list == 2 ? row + 1 : 0;
    UpdateObjects();
}

void TGripForm::RadioGroup1Click() {
    table_ = radioGroup1_->checkedId() + 1;
    UpdateObjects();
}

void TGripForm::Edit1Exit() {
    const auto value = ConvertInteger(context_, this, edit1_->text());
    if (!value) {
        // The kept value again, so that leaving the box again says nothing more.
        UpdateObjects();
        return;
    }
    // A value outside the table's range is ignored; the box shows the stored value again.
    const int number = SelectedNumber();
    if (number && *value >= 0 && *value <= Maximum())
        context_.state.record.setU16(Entry(number), static_cast<std::uint16_t>(*value));
    UpdateObjects();
}

// A number that stands in two slots is stepped twice, once per slot. The result is kept inside
// the table's range also for a negative step, which would otherwise wrap around.
void TGripForm::Step(int sign) {
    const auto step = ConvertInteger(context_, this, edit57_->text());
    if (!step)
        return;
    SettingsRecord& r = context_.state.record;
    const std::int64_t maximum = Maximum();
    for (int slot = 1; slot <= kCarNumberCount; ++slot) {
        const int number = SlotNumber(r, slot);
        if (!IsCarNumber(number))
            continue;
        r.setU16(Entry(number), SteppedValue(r.u16(Entry(number)), sign, *step, maximum));
    }
    UpdateObjects();
}

void TGripForm::Button1Click() {
    Step(+1);
}

void TGripForm::Button2Click() {
    Step(-1);
}

void TGripForm::BitBtn4Click() {
    SettingsRecord& r = context_.state.record;
    for (int slot = 1; slot <= kCarNumberCount; ++slot)
        if (const int n = SlotNumber(r, slot); IsCarNumber(n))
            r.setU16(rec::GripQual(n), r.u16(rec::GripOther(n)));
    UpdateObjects();
}

void TGripForm::BitBtn5Click() {
    SettingsRecord& r = context_.state.record;
    for (int slot = 1; slot <= kCarNumberCount; ++slot)
        if (const int n = SlotNumber(r, slot); IsCarNumber(n))
            r.setU16(rec::GripOther(n), r.u16(rec::GripQual(n)));
    UpdateObjects();
}

void TGripForm::BitBtn2Click() {
    ImportIntoWindow(context_, this, [this] {
        context_.state.OpenGameExe();
        ReadGrip(context_.state);
        ReadGripRange(context_.state);
    });
}

void TGripForm::BitBtn6Click() {
    ExportFromWindow(context_, this, [this] {
        context_.state.OpenGameExe();
        WriteGrip(context_.state);
        WriteGripRange(context_.state);
    });
}

} // namespace psn
