// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/pitline_form.h"

#include "editors/lineup.h"
#include "editors/pitline_blocks.h"
#include "ui/editor_buttons.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/window_transfers.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <string>

namespace psn {

namespace {

constexpr int kRowHeight = 16;
constexpr int kListTop = 44;

QLineEdit* SpeedBox(QWidget* parent, const char* name, int x) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(x, 72, 90, 21);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

TPitLineForm::TPitLineForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setObjectName("PitLineForm");
    setWindowTitle(tr("Pit line settings"));
    setFixedSize(478, 308);

    auto* order = new QLabel(tr(" Pit order "), this);
    order->setGeometry(8, 6, 176, 16);
    auto* entry = new QLabel(tr("pit line entry"), this);
    entry->setGeometry(8, kListTop - 18, 176, 16);
    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName("ListBox1");
    listBox1_->setGeometry(8, kListTop, 176, kRowHeight * kTeamCount + 4);
    listBox1_->setUniformItemSizes(true);
    HoldText(listBox1_, AnyName(rec::kTeamNameCapacity));
    listBox1_->viewport()->installEventFilter(this);
    exitLabel_ = new QLabel(tr("pit line exit"), this);
    exitLabel_->setGeometry(8, listBox1_->geometry().bottom() + 1, 176, 16);

    auto* speed = new QGroupBox(tr(" Pit line speed "), this);
    speed->setGeometry(188, 8, 282, 106);
    auto* caption = new QLabel(tr("Max. allowed pit line speed"), speed);
    caption->setGeometry(10, 20, 262, 16);
    scrollBar1_ = new QScrollBar(Qt::Horizontal, speed);
    scrollBar1_->setObjectName("ScrollBar1");
    scrollBar1_->setGeometry(10, 42, 262, 17);
    scrollBar1_->setRange(0, kPitSliderMax);
    scrollBar1_->setSingleStep(64);
    scrollBar1_->setPageStep(64);
    edit1_ = SpeedBox(speed, "Edit1", 10);
    edit2_ = SpeedBox(speed, "Edit2", 110);

    checkBox951_ = new QCheckBox(tr("Check speed in pit line"), this);
    checkBox951_->setObjectName("CheckBox951");
    checkBox951_->setGeometry(188, 124, 282, 22);

    auto* back = AddButton(this, "BitBtn1", tr("Back"), QRect(308, 176, 162, 26));
    auto* import =
        AddButton(this, "BitBtn4", tr("Import data from game"), QRect(308, 208, 162, 26));
    auto* exportButton =
        AddButton(this, "BitBtn2", tr("Export data into game"), QRect(308, 240, 162, 26));
    auto* restore =
        AddButton(this, "BitBtn3", tr("Restore original data"), QRect(308, 272, 162, 26));

    connect(scrollBar1_, &QScrollBar::valueChanged, this, &TPitLineForm::ScrollBar1Change);
    connect(checkBox951_, &QCheckBox::clicked, this, &TPitLineForm::CheckBox951Click);
    connect(back, &QPushButton::clicked, this, &QDialog::close);
    connect(import, &QPushButton::clicked, this, &TPitLineForm::BitBtn4Click);
    connect(exportButton, &QPushButton::clicked, this, &TPitLineForm::BitBtn2Click);
    // Restores the whole record, like every other editor's button of the same caption.
    connect(restore, &QPushButton::clicked, this, [this] { RestoreOriginalData(context_, this); });
}

void TPitLineForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPitLineForm::FormShow() {
    FillOrderList();
    checkBox951_->setChecked(model_.SpeedCheck());
    EnableSpeed(checkBox951_->isChecked());
    // Setting the slider runs its change handling on purpose: a moved slider stores position x 2,
    // so an odd raw speed becomes the even one below it.
    scrollBar1_->setValue(model_.SliderPosition());
    ShowSpeeds();
}

void TPitLineForm::FillOrderList() {
    model_.MapRows();
    const QSignalBlocker block(listBox1_);
    listBox1_->clear();
    for (const std::string& name : model_.TeamNames()) {
        auto* item = new QListWidgetItem(FromGameBytes(name), listBox1_);
        item->setSizeHint(QSize(0, ToFont(listBox1_, kRowHeight)));
    }
    const int height = ToFont(listBox1_, kRowHeight) * model_.RowCount() + 4;
    listBox1_->resize(listBox1_->width(), height);
    exitLabel_->move(exitLabel_->x(), ToFont(this, kListTop) + height);
}

void TPitLineForm::CheckBox951Click() {
    const bool on = checkBox951_->isChecked();
    model_.SetSpeedCheck(on);
    EnableSpeed(on);
}

void TPitLineForm::EnableSpeed(bool on) {
    edit1_->setEnabled(on);
    edit2_->setEnabled(on);
    scrollBar1_->setEnabled(on);
}

void TPitLineForm::ScrollBar1Change() {
    model_.SetSliderPosition(scrollBar1_->value());
    ShowSpeeds();
}

void TPitLineForm::ShowSpeeds() {
    const PitSpeed speed = model_.Speed();
    edit1_->setText(tr("%1 kph").arg(speed.kph));
    edit2_->setText(tr("%1 mph").arg(speed.mph));
}

bool TPitLineForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != listBox1_->viewport())
        return QDialog::eventFilter(watched, event);
    // The drag is tracked by hand within the one list: the rows are exchanged, not moved, which
    // the item views' own drag and drop does not offer.
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            ListBox1MouseDown(mouse->position().toPoint());
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (dragRow_ < 0 || !(mouse->buttons() & Qt::LeftButton))
            break;
        if (!dragging_ && (mouse->position().toPoint() - pressedAt_).manhattanLength() >=
                              QApplication::startDragDistance()) {
            dragging_ = true;
        }
        if (dragging_)
            listBox1_->viewport()->setCursor(ListBox1DragOver(listBox1_) ? Qt::DragMoveCursor
                                                                         : Qt::ForbiddenCursor);
        return true; // the selection stays on the dragged row
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || dragRow_ < 0)
            break;
        if (dragging_) {
            ListBox1DragDrop(mouse->position().toPoint());
            ListBox1EndDrag();
            return true;
        }
        dragRow_ = -1;
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TPitLineForm::ListBox1MouseDown(const QPoint& at) {
    const QModelIndex index = listBox1_->indexAt(at);
    dragRow_ = index.isValid() ? index.row() : -1; // a press outside the rows starts nothing
    pressedAt_ = at;
    dragging_ = false;
}

bool TPitLineForm::ListBox1DragOver(QObject* source) const {
    return qobject_cast<QListWidget*>(source) != nullptr;
}

void TPitLineForm::ListBox1DragDrop(const QPoint& at) {
    const QModelIndex target = listBox1_->indexAt(at);
    const int i = dragRow_;
    const int j = target.isValid() ? target.row() : -1;
    // A drop beside the rows exchanges nothing.
    if (model_.Exchange(i, j))
        dragRow_ = j;
}

void TPitLineForm::ListBox1EndDrag() {
    const int row = dragRow_;
    dragRow_ = -1;
    dragging_ = false;
    listBox1_->viewport()->unsetCursor();
    FillOrderList();
    listBox1_->setCurrentRow(row);
}

void TPitLineForm::BitBtn4Click() {
    ImportExeBlocks(context_, this, {ReadPitOrder, ReadSpeedCheck, ReadPitSpeed});
}

void TPitLineForm::BitBtn2Click() {
    ExportExeBlocks(context_, this, {WritePitOrder, WriteSpeedCheck, WritePitSpeed});
}

} // namespace psn
