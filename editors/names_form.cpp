// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/names_form.h"

#include "editors/form_events.h"
#include "editors/lineup.h"
#include "editors/names_blocks.h"
#include "ui/editor_buttons.h"
#include "ui/enter_as_tab.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/window_transfers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace psn {
namespace {

constexpr int kRowHeight = 16;
constexpr int kListTop = 40;
// The list holds a team-engine label of two full names, the boxes beside it a full name each.
constexpr int kListWidth = 334;
constexpr int kBoxes = 8 + kListWidth + 10;
constexpr int kTeamBoxWidth = 182;
constexpr int kDriverBox = kBoxes + 62;
constexpr int kDriverBoxWidth = 313;
constexpr int kSelected = kDriverBox + kDriverBoxWidth + 12;

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int width = 120) {
    return AddCaption(parent, text, {x, y, width, 16});
}

QComboBox* Box(QWidget* parent, const char* name, QRect geometry, int maxLength) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setMaxVisibleItems(14);
    if (maxLength > 0) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // a completion would change what the user typed
        RestrictToGameBytes(box->lineEdit(), maxLength);
        HoldText(box, AnyName(maxLength));
    } else {
        for (int number = 1; number <= kCarNumberCount; ++number)
            box->addItem(QString::number(number));
    }
    return box;
}

void SelectEntry(QComboBox* box, int index) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    if (box->currentIndex() < 0 && box->isEditable())
        box->setEditText({});
    if (box->isEditable())
        box->lineEdit()->setCursorPosition(0); // show a long name from its start
}

} // namespace

TNamesForm::TNamesForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setObjectName("NamesForm");
    setWindowTitle(tr("Names and numbers"));
    setFixedSize(kSelected + 104, 363);

    Caption(this, tr(" Team-engine "), 8, kListTop - 18);
    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName("ListBox1");
    listBox1_->setGeometry(8, kListTop, kListWidth, kRowHeight * kTeamCount + 4);
    listBox1_->setUniformItemSizes(true);
    listBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HoldText(listBox1_, AnyTeamEngine());

    Caption(this, tr("Team name"), kBoxes, 22);
    comboBox5_ = Box(this, "ComboBox5", {kBoxes, 40, kTeamBoxWidth, 22}, rec::kTeamNameCapacity);
    Caption(this, tr("Engine name"), kBoxes, 68);
    comboBox6_ = Box(this, "ComboBox6", {kBoxes, 86, kTeamBoxWidth, 22}, rec::kTeamNameCapacity);
    Caption(this, tr("Number"), kBoxes, 120, 56);
    comboBox2_ = Box(this, "ComboBox2", {kBoxes, 138, 56, 22}, 0);
    Caption(this, tr("1st driver name"), kDriverBox, 120, 150);
    comboBox1_ =
        Box(this, "ComboBox1", {kDriverBox, 138, kDriverBoxWidth, 22}, rec::kDriverNameCapacity);
    Caption(this, tr("Number"), kBoxes, 166, 56);
    comboBox3_ = Box(this, "ComboBox3", {kBoxes, 184, 56, 22}, 0);
    Caption(this, tr("2nd driver name"), kDriverBox, 166, 150);
    comboBox4_ =
        Box(this, "ComboBox4", {kDriverBox, 184, kDriverBoxWidth, 22}, rec::kDriverNameCapacity);

    checkBox1_ = new QCheckBox(tr("Enabled"), this);
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setGeometry(kBoxes, 220, 90, 20);
    checkBox2_ = new QCheckBox(tr("First driver - '0'"), this);
    checkBox2_->setObjectName("CheckBox2");
    checkBox2_->setGeometry(kBoxes, 250, 200, 20);

    Caption(this, tr(" Selected "), kSelected, 0, 96);
    Caption(this, tr("   drivers "), kSelected, 12, 96);
    Caption(this, tr(" 1st "), kSelected, kListTop - 14, 44);
    Caption(this, tr("2nd"), kSelected + 48, kListTop - 14, 44);
    for (int slot = 1; slot <= kShownSlotCount; ++slot) {
        const int team = TeamOfSlot(slot);
        const bool first = slot == FirstSlot(team);
        // First drivers are CheckBox9515.., second drivers CheckBox951..
        const QString name = QString("CheckBox95%1").arg(first ? team + 14 : team);
        auto* box = new QPushButton(this);
        box->setObjectName(name);
        box->setCheckable(true);
        box->setAutoDefault(false);
        box->setGeometry(first ? kSelected : kSelected + 48, kListTop + 2 + kRowHeight * (team - 1),
                         44, kRowHeight);
        connect(box, &QPushButton::clicked, this,
                [this, slot](bool checked) { model_.SetSlotMark(slot, checked); });
        slotBoxes_[slot - 1] = box;
    }

    const EditorButtons buttons = AddEditorButtons(this, context_, {8, 322, kSelected + 88, 32});
    connect(buttons.import, &QPushButton::clicked, this, &TNamesForm::BitBtn2Click);
    connect(buttons.exportButton, &QPushButton::clicked, this, &TNamesForm::BitBtn6Click);

    connect(listBox1_, &QListWidget::currentRowChanged, this, &TNamesForm::ListBox1Click);
    connect(comboBox5_, &QComboBox::editTextChanged, this,
            [this] { TeamFieldChange(comboBox5_, rec::TeamName); });
    connect(comboBox6_, &QComboBox::editTextChanged, this,
            [this] { TeamFieldChange(comboBox6_, rec::EngineName); });
    connect(comboBox2_, &QComboBox::activated, this,
            [this](int index) { NumberChange(FirstSlot(model_.EditedTeam()), index); });
    connect(comboBox3_, &QComboBox::activated, this,
            [this](int index) { NumberChange(SecondSlot(model_.EditedTeam()), index); });
    connect(checkBox1_, &QCheckBox::clicked, this, &TNamesForm::CheckBox1Click);
    connect(checkBox2_, &QCheckBox::clicked, this, &TNamesForm::CheckBox2Click);

    OnLeave(listBox1_, [this] { ListBox1Exit(); });
    OnLeave(comboBox5_, [this] { TeamFieldExit(comboBox5_, rec::TeamName); });
    OnLeave(comboBox6_, [this] { TeamFieldExit(comboBox6_, rec::EngineName); });
    OnLeave(comboBox1_, [this] { DriverNameExit(comboBox1_, FirstSlot(model_.EditedTeam())); });
    OnLeave(comboBox4_, [this] { DriverNameExit(comboBox4_, SecondSlot(model_.EditedTeam())); });
    for (QWidget* widget : std::initializer_list<QWidget*>{
             listBox1_, comboBox1_, comboBox2_, comboBox3_, comboBox4_, comboBox5_, comboBox6_})
        InstallEnterAsTab(widget);
}

void TNamesForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TNamesForm::FormShow() {
    const SettingsRecord& r = context_.state.record;
    {
        const QSignalBlocker block(listBox1_);
        listBox1_->clear();
        for (int team = 1; team <= kTeamCount; ++team) {
            auto* item = new QListWidgetItem(FromGameBytes(TeamEngineLabel(r, team)), listBox1_);
            item->setSizeHint(QSize(0, ToFont(listBox1_, kRowHeight)));
        }
        listBox1_->setCurrentRow(0);
    }
    FillTeamBox(comboBox5_, rec::TeamName);
    FillTeamBox(comboBox6_, rec::EngineName);
    FillDriverNameBoxes();
    {
        const QSignalBlocker block(checkBox2_);
        checkBox2_->setChecked(model_.FirstDriverSwitch());
    }
    // The boxes show team 1 as it is, so that leaving a box unchanged cannot copy another
    // driver's name onto team 1's numbers.
    model_.EditTeam(1);
    ListBox1Click();
}

void TNamesForm::FillTeamBox(QComboBox* box, std::size_t (*field)(int)) {
    const QSignalBlocker block(box);
    box->clear();
    for (int team = 1; team <= kTeamCount; ++team)
        box->addItem(FromGameBytes(model_.TeamField(field, team)));
}

void TNamesForm::FillDriverNameBoxes() {
    for (QComboBox* box : {comboBox1_, comboBox4_}) {
        const QSignalBlocker block(box);
        box->clear();
        for (int number = 1; number <= kCarNumberCount; ++number)
            box->addItem(FromGameBytes(DriverName(context_.state.record, number)));
    }
}

void TNamesForm::SelectDriverBoxes(int team) {
    const int first = model_.NumberIndex(FirstSlot(team));
    const int second = model_.NumberIndex(SecondSlot(team));
    SelectEntry(comboBox2_, first);
    SelectEntry(comboBox1_, first);
    SelectEntry(comboBox3_, second);
    SelectEntry(comboBox4_, second);
}

void TNamesForm::UpdateObjects() {
    const SettingsRecord& r = context_.state.record;
    for (int slot = 1; slot <= kShownSlotCount; ++slot) {
        QAbstractButton* box = slotBoxes_[slot - 1];
        box->setText(QString::number(SlotNumber(r, slot)));
        box->setChecked(SlotSelected(r, slot));
        box->setEnabled(TeamInUse(r, TeamOfSlot(slot)));
    }
}

int TNamesForm::SelectedTeam() const {
    return std::max(listBox1_->currentRow(), 0) + 1;
}

void TNamesForm::EnableBoxes(bool enabled) {
    for (QComboBox* box : {comboBox1_, comboBox2_, comboBox3_, comboBox4_, comboBox5_, comboBox6_})
        box->setEnabled(enabled);
}

void TNamesForm::ListBox1Click() {
    const int team = SelectedTeam();
    SelectDriverBoxes(team);
    SelectEntry(comboBox5_, team - 1);
    SelectEntry(comboBox6_, team - 1);
    const bool inUse = TeamInUse(context_.state.record, team);
    {
        const QSignalBlocker block(checkBox1_);
        checkBox1_->setChecked(inUse);
    }
    EnableBoxes(inUse);
    UpdateObjects();
}

void TNamesForm::ListBox1Exit() {
    model_.EditTeam(SelectedTeam());
}

void TNamesForm::TeamFieldChange(QComboBox* box, std::size_t (*field)(int)) {
    const int team = model_.EditedTeam();
    model_.SetTeamField(field, ToGameBytes(box->currentText()));
    if (QListWidgetItem* row = listBox1_->item(team - 1))
        row->setText(FromGameBytes(TeamEngineLabel(context_.state.record, team)));
}

void TNamesForm::TeamFieldExit(QComboBox* box, std::size_t (*field)(int)) {
    FillTeamBox(box, field);
    SelectEntry(box, model_.EditedTeam() - 1);
}

void TNamesForm::NumberChange(int slot, int index) {
    model_.ChooseNumber(slot, index);
    FillDriverNameBoxes();
    SelectDriverBoxes(model_.EditedTeam());
    UpdateObjects();
}

void TNamesForm::DriverNameExit(QComboBox* box, int slot) {
    model_.SetDriverName(slot, ToGameBytes(box->currentText()));
    FillDriverNameBoxes();
    SelectDriverBoxes(model_.EditedTeam());
}

void TNamesForm::CheckBox1Click() {
    const bool inUse = checkBox1_->isChecked();
    model_.SetTeamInUse(SelectedTeam(), inUse);
    EnableBoxes(inUse);
    UpdateObjects();
}

void TNamesForm::CheckBox2Click() {
    model_.SetFirstDriverSwitch(checkBox2_->isChecked());
}

// Names come from the executable first, then from the save-state file when it is the names
// source; with the executable as source it is read a second time.
void TNamesForm::BitBtn2Click() {
    ImportIntoWindow(context_, this, [this] {
        AppState& state = context_.state;
        const bool hasState = state.StateFileExists();
        state.OpenGameExe();
        if (hasState)
            state.OpenStateFile();
        ReadNamesExe(state);
        if (hasState) {
            if (state.config.NamesSource() == 1)
                ReadNamesState(state);
            else
                ReadNamesExe(state);
        }
    });
}

void TNamesForm::BitBtn6Click() {
    ExportFromWindow(context_, this, [this] {
        AppState& state = context_.state;
        const bool hasState = state.StateFileExists();
        if (hasState)
            state.OpenStateFile();
        state.OpenGameExe();
        WriteNamesExe(state);
        if (hasState) {
            if (state.config.NamesSource() == 1)
                WriteNamesState(state);
            else
                WriteNamesExe(state);
        }
        state.CloseGameFiles();
        if (hasState)
            state.RenewStateChecksum();
    });
}

} // namespace psn
