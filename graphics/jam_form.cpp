// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/jam_form.h"

#include "core/converter.h"
#include "core/fs.h"
#include "graphics/button_rows.h"
#include "graphics/helmet_table.h"
#include "graphics/user_bitmap.h"
#include "ui/busy_cursor.h"
#include "ui/latin1_text.h"
#include "ui/picture_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace psn {
namespace {

constexpr const char* kBitmapImported =
    QT_TRANSLATE_NOOP("psn::TJamForm", "Bitmap has been imported!");
constexpr const char* kBitmapExported =
    QT_TRANSLATE_NOOP("psn::TJamForm", "Bitmap has been exported!");

QListWidget* ListUnder(QWidget* parent, const char* name, const QString& caption, int left) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(left, 8, 150, 16);
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(left, 26, 150, 150);
    return list;
}

} // namespace

TJamForm::TJamForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), converter_(context.state) {
    CreateLayout();
}

void TJamForm::CreateLayout() {
    setWindowTitle(tr("Car JAMs"));
    setFixedSize(517, 412);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);

    ListBox1 = ListUnder(this, "ListBox1", tr(" Car paintings "), 8);
    for (const char* jam : kCarArchives)
        ListBox1->addItem(jam);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    ListBox2 = ListUnder(this, "ListBox2", tr(" Avaiable teams "), 166);
    connect(ListBox2, &QListWidget::currentRowChanged, this, [this] { ListBox2Click(); });

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(8, 190, 260, 168);
    Image1 = new PictureView(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(10, 192, 256, 164);

    const ButtonRow<TJamForm> buttons[] = {
        {"Button951", QT_TR_NOOP("Load bitmap"), {330, 26, 179, 36}, &TJamForm::Button951Click},
        {"Button952", QT_TR_NOOP("Save as bitmap"), {330, 68, 179, 36}, &TJamForm::Button952Click},
        {"Button953", QT_TR_NOOP("Export to game"), {330, 110, 179, 36}, &TJamForm::Button953Click},
        {"Button954",
         QT_TR_NOOP("Import from game"),
         {330, 152, 179, 36},
         &TJamForm::Button954Click},
        {"BitBtn1", QT_TR_NOOP("Back"), {384, 372, 125, 32}, &TJamForm::BitBtn1Click},
    };
    AddButtonRows(this, buttons);
}

void TJamForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// While the converter runs, the window stays open: its temporary bitmap must outlive it.
void TJamForm::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    FormClose();
    QDialog::closeEvent(event);
}

void TJamForm::reject() {
    if (busy_)
        return;
    FormClose();
    QDialog::reject();
}

void TJamForm::FormShow() {
    const QSignalBlocker blockTeams(ListBox2);
    const QSignalBlocker blockArchives(ListBox1);
    ListBox2->clear();
    Image1->SetPicture({});
    for (const std::string& name : TeamsInUseNames(context_.state.record))
        ListBox2->addItem(FromGameBytes(name));
    ListBox1->setCurrentRow(0);
    ListBox2->setCurrentRow(0);
}

void TJamForm::FormClose() {
    const std::string temp = context_.state.StartPath(kTeamBitmap);
    if (fs::Exists(temp))
        fs::DeleteFile(temp);
}

void TJamForm::ListBox1Click() {
    const QSignalBlocker blocker(ListBox2);
    const int row = ListBox1->currentRow();
    if (row >= 0 && row < ListBox2->count())
        ListBox2->setCurrentRow(row);
    else
        ListBox2->setCurrentRow(-1);
}

void TJamForm::ListBox2Click() {
    const QSignalBlocker blocker(ListBox1);
    if (ListBox2->currentRow() >= 0)
        ListBox1->setCurrentRow(ListBox2->currentRow());
}

FileDialogRequest TJamForm::Request(const QString& title) const {
    FileDialogRequest request;
    request.title = title;
    request.filter = "BMP files|*.BMP";
    request.initialDir = ".";
    request.defaultExt = "BMP";
    return request;
}

QString TJamForm::SelectedArchive() const {
    const int row = ListBox1->currentRow();
    return row >= 0 ? ListBox1->item(row)->text() : QString();
}

std::string TJamForm::ArchivePath(const QString& jam) const {
    return context_.state.GamePath("GAMEJAMS\\" + jam.toStdString());
}

ConverterOutcome TJamForm::Convert(bool extract, const QString& jam) {
    const std::string gameDir = context_.state.config.GameDir();
    const std::string archive = ArchivePath(jam);
    const QString where = QString::fromStdString(archive);
    const BusyCursor cursor;
    busy_ = true;
    const ConverterOutcome outcome =
        extract ? converter_.Extract(ExtractCarCommand(gameDir, jam.toStdString()),
                                     "extract the car painting " + where, kTeamBitmap)
                : converter_.WriteBack(WriteCarCommand(gameDir, jam.toStdString()),
                                       "write the car painting back into " + where, archive);
    busy_ = false;
    return outcome;
}

// A painting of another depth takes the colours of the one it replaces, or the game's.
void TJamForm::Button951Click() {
    const auto path = context_.dialogs.OpenFile(this, Request("Load bitmap file"));
    std::optional<UserBitmap> file;
    if (path) {
        try {
            file = ReadUserBitmap(*path);
        } catch (const GraphicError& error) {
            context_.dialogs.Error(this, QString::fromLocal8Bit(error.what()));
        }
    }
    context_.state.RestoreStartDir();
    FittedPicture fitted;
    if (file) {
        const Bitmap8& shown = Image1->Picture();
        fitted =
            AsWholePicture(*file, shown.Empty() ? TableOf(context_.state.palette) : shown.colours);
        Image1->SetPicture(std::move(fitted.picture));
    }
    repaint();
    if (fitted.matched)
        context_.dialogs.Information(this, MatchedNote(*file, fitted, "the car painting"));
}

void TJamForm::Button952Click() {
    if (Image1->Picture().Empty())
        return;
    const auto path = context_.dialogs.SaveFile(this, Request("Save bitmap file"));
    if (path) {
        try {
            SaveBmpFile(Image1->Picture(), path->toStdString());
        } catch (const GraphicError& error) {
            context_.dialogs.Error(this, QString::fromLocal8Bit(error.what()));
        }
    }
    context_.state.RestoreStartDir();
}

void TJamForm::Button953Click() {
    const QString jam = SelectedArchive();
    if (Image1->Picture().Empty() || jam.isEmpty())
        return;
    try {
        SaveBmpFile(Image1->Picture(), context_.state.StartPath(kTeamBitmap));
    } catch (const GraphicError& error) {
        context_.dialogs.Error(this, QString::fromLocal8Bit(error.what()));
        return;
    }
    const ConverterOutcome outcome = Convert(false, jam);
    repaint();
    if (outcome.ok)
        context_.dialogs.Information(this, tr(kBitmapExported));
    else
        context_.dialogs.Error(this, outcome.error);
}

void TJamForm::Button954Click() {
    const QString jam = SelectedArchive();
    if (jam.isEmpty())
        return;
    const ConverterOutcome outcome = Convert(true, jam);
    if (!outcome.ok) {
        context_.dialogs.Error(this, outcome.error);
        return;
    }
    const std::string temp = context_.state.StartPath(kTeamBitmap);
    bool loaded = true;
    try {
        Image1->SetPicture(LoadBmpFile(temp));
    } catch (const GraphicError& error) {
        loaded = false;
        context_.dialogs.Error(this, QString::fromLocal8Bit(error.what()));
    }
    fs::DeleteFile(temp);
    context_.state.RestoreStartDir();
    repaint();
    if (loaded)
        context_.dialogs.Information(this, tr(kBitmapImported));
}

void TJamForm::BitBtn1Click() {
    close();
}

} // namespace psn
