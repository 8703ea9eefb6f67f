// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/track_ed_form.h"

#include "tracks/track_blocks.h"
#include "ui/editor_buttons.h"
#include "ui/enter_as_tab.h"
#include "ui/game_transfer.h"
#include "ui/latin1_text.h"
#include "ui/message_text.h"
#include "ui/readable_colours.h"
#include "ui/record_steps.h"
#include "ui/window_transfers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace psn {
namespace {

QLabel* Heading(QWidget* parent, const QString& text, const QRect& geometry) {
    QLabel* label = AddCaption(parent, text, geometry);
    label->setAutoFillBackground(true);
    label->setStyleSheet("background-color: navy; color: white; font-weight: bold;");
    return label;
}

QLabel* Caption(QWidget* parent, const QString& text, int left, int top, int width) {
    return AddCaption(parent, text, {left, top, width, 21});
}

} // namespace

TTrackEdForm::TTrackEdForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setObjectName("TrackEdForm");
    setWindowTitle(tr("Track editor"));
    setFixedSize(470, 336);

    Heading(this, tr(" Grand Prix races"), QRect(8, 8, 170, 20))->setObjectName("Label1");
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(8, 28, 170, 258);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Placeholders of the design; the executable's names replace them on showing.
    for (int t = 1; t <= kTrackCount; ++t)
        ListBox1->addItem(tr("Track %1").arg(t));

    Heading(this, tr(" Computer car setup "), QRect(190, 8, 272, 20))->setObjectName("Label2");
    byteEdits_[0] = AddField("Edit1", tr("Front wing"), 198, 36, 80, 50);
    byteEdits_[1] = AddField("Edit2", tr("Rear wing"), 198, 62, 80, 50);
    Caption(this, tr("deg"), 334, 36, 30);
    Caption(this, tr("deg"), 334, 62, 30);
    SetBoldFont(Caption(this, tr("GEARBOX"), 198, 90, 80));
    const QString gears[] = {tr("1st"), tr("2nd"), tr("3rd"), tr("4th"), tr("5th"), tr("6th")};
    for (int g = 0; g < 6; ++g)
        byteEdits_[static_cast<std::size_t>(2 + g)] = AddField(
            QString("Edit%1").arg(3 + g), gears[g], 198 + (g % 3) * 88, 114 + (g / 3) * 28, 30, 48);

    Heading(this, tr(" Other track specific values "), QRect(190, 180, 272, 20))
        ->setObjectName("Label3");
    Edit9 = AddField("Edit9", tr("Fuel consumption"), 198, 208, 112, 70);
    Edit10 = AddField("Edit10", tr("Tyre consumption"), 198, 234, 112, 70);
    Caption(this, tr("Tyre type"), 198, 260, 112);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(310, 260, 110, 22);
    ComboBox1->addItems(
        {tr("Tyre - \"A\""), tr("Tyre - \"B\""), tr("Tyre - \"C\""), tr("Tyre - \"D\"")});
    ComboBox1->setMaxVisibleItems(kCompoundCount);

    BitBtn1 = AddButton(this, "BitBtn1", tr("Export data into game"), QRect(8, 298, 146, 30));
    BitBtn2 = AddButton(this, "BitBtn2", tr("Import data from game"), QRect(158, 298, 146, 30));
    BitBtn4 = AddButton(this, "BitBtn4", tr("Restore original data"), QRect(308, 298, 100, 30));
    BitBtn3 = AddButton(this, "BitBtn3", tr("Back"), QRect(412, 298, 50, 30));
    FitCaption(BitBtn4);
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn4})
        button->setFocusPolicy(Qt::ClickFocus);

    QWidget* order[] = {ListBox1,      byteEdits_[0], byteEdits_[1], byteEdits_[2], byteEdits_[3],
                        byteEdits_[4], byteEdits_[5], byteEdits_[6], byteEdits_[7], Edit9,
                        Edit10,        ComboBox1,     BitBtn3};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    for (int f = 0; f < 8; ++f)
        connect(byteEdits_[static_cast<std::size_t>(f)], &QLineEdit::editingFinished, this,
                [this, f] { ByteEditExit(f); });
    connect(Edit9, &QLineEdit::textChanged, this, [this] { Edit9Change(); });
    connect(Edit10, &QLineEdit::textChanged, this, [this] { Edit10Change(); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int row) { ComboBox1Change(row); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    InstallEnterAsTab(this);
}

QLineEdit* TTrackEdForm::AddField(const QString& name, const QString& caption, int left, int top,
                                  int labelWidth, int editWidth) {
    Caption(this, caption, left, top, labelWidth);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(left + labelWidth, top, editWidth, 21);
    return edit;
}

void TTrackEdForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Coming back from being minimised is no new showing: the chosen track stays.
    if (!event->spontaneous())
        FormShow();
}

void TTrackEdForm::FormShow() {
    std::array<std::string, kTrackCount> names;
    const bool read = RunGameTransfer(context_, this, [&] {
        context_.state.OpenGameExe();
        names = ReadTrackNames(context_.state);
    });
    if (!read)
        return;
    {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->clear();
        for (const std::string& name : names)
            ListBox1->addItem(FromGameBytes(name));
        ListBox1->setCurrentRow(0);
    }
    model_.ChooseTrack(0);
    ObjectUpdate();
}

void TTrackEdForm::SetText(QLineEdit* edit, unsigned value) {
    // Text equal to what is shown is left alone, so typing keeps its cursor position.
    const QString text = QString::number(value);
    if (edit->text() == text)
        return;
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

void TTrackEdForm::ObjectUpdate() {
    const TrackEntryModel::Shown shown = model_.Values(ComboBox1->count());
    for (std::size_t f = 0; f < byteEdits_.size(); ++f)
        SetText(byteEdits_[f], shown.bytes[f]);
    SetText(Edit9, shown.fuel);
    SetText(Edit10, shown.tyres);
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->setCurrentIndex(shown.compound);
}

void TTrackEdForm::ListBox1Click() {
    if (model_.ChooseTrack(ListBox1->currentRow()))
        ObjectUpdate();
}

void TTrackEdForm::ByteEditExit(int field) {
    model_.SetByte(static_cast<std::size_t>(field),
                   byteEdits_[static_cast<std::size_t>(field)]->text().toLatin1().toStdString());
    ObjectUpdate();
}

void TTrackEdForm::Edit9Change() {
    model_.SetFuel(Edit9->text().toLatin1().toStdString());
    ObjectUpdate();
}

void TTrackEdForm::Edit10Change() {
    model_.SetTyres(Edit10->text().toLatin1().toStdString());
    ObjectUpdate();
}

void TTrackEdForm::ComboBox1Change(int row) {
    model_.SetCompound(row);
    ObjectUpdate();
}

void TTrackEdForm::BitBtn1Click() {
    // Writing the game is no step: the backups take it back.
    StepScope step(context_, {});
    if (!RunGameTransfer(context_, this, [this] {
            context_.state.OpenGameExe();
            ReadPendingTrackData(context_.state);
            WriteTrackData(context_.state);
        }))
        return;
    if (context_.steps)
        context_.steps->WindowMatchesGame(*this);
    const Message note = TracksLeftNote(context_.state);
    const QString done = tr("Tracks data has been exported!");
    context_.dialogs.Information(this, note.Empty() ? done : done + "\n\n" + Worded(note));
}

void TTrackEdForm::BitBtn2Click() {
    // One undoable step, named as every other window's import.
    StepScope step(context_,
                   QCoreApplication::translate("psn::GameActions", "Import data from game: %1")
                       .arg(windowTitle().trimmed()));
    if (!RunGameTransfer(context_, this, [this] {
            context_.state.OpenGameExe();
            ReadTrackData(context_.state);
        }))
        return;
    if (context_.steps)
        context_.steps->WindowMatchesGame(*this);
    // Refreshing runs the show handler again rather than hiding the window, which would end its
    // modal loop.
    FormShow();
    context_.dialogs.Information(this, tr("Tracks data has been imported!"));
}

void TTrackEdForm::BitBtn3Click() {
    close();
}

// Like every other editor, the button brings back the values of "./DATA/ORIGIN.SET".
void TTrackEdForm::BitBtn4Click() {
    RestoreOriginalData(context_, this);
    ObjectUpdate();
}

} // namespace psn
