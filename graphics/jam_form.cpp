// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/jam_form.h"

#include "core/converter.h"
#include "core/fs.h"
#include "core/record_map.h"
#include "graphics/button_rows.h"
#include "graphics/helmet_table.h"
#include "graphics/jam_model.h"
#include "graphics/user_bitmap.h"
#include "ui/busy_cursor.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/picture_view.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace psn {
namespace {

constexpr const char* kBitmapImported =
    QT_TRANSLATE_NOOP("psn::TJamForm", "Bitmap has been imported!");
constexpr const char* kBitmapExported =
    QT_TRANSLATE_NOOP("psn::TJamForm", "Bitmap has been exported!");

QListWidget* ListUnder(QWidget* parent, const char* name, const QString& caption, int left,
                       int width) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(left, 8, width, 16);
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(left, 26, width, 150);
    return list;
}

} // namespace

TJamForm::TJamForm(AppContext& context, QWidget* parent) : BitmapForm(context, parent) {
    CreateLayout();
}

void TJamForm::CreateLayout() {
    setWindowTitle(tr("Car JAMs"));
    setFixedSize(533, 412);

    ListBox1 = ListUnder(this, "ListBox1", tr(" Car paintings "), 8, 150);
    for (const char* jam : kCarArchives)
        ListBox1->addItem(jam);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    ListBox2 = ListUnder(this, "ListBox2", tr(" Avaiable teams "), 166, 176);
    HoldText(ListBox2, AnyName(rec::kTeamNameCapacity));
    connect(ListBox2, &QListWidget::currentRowChanged, this, [this] { ListBox2Click(); });

    Bevel({10, 192, 256, 164});
    Image1 = new PictureView(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(10, 192, 256, 164);

    const ButtonRow<TJamForm> buttons[] = {
        {"Button951", QT_TR_NOOP("Load bitmap"), {346, 26, 179, 36}, &TJamForm::Button951Click},
        {"Button952", QT_TR_NOOP("Save as bitmap"), {346, 68, 179, 36}, &TJamForm::Button952Click},
        {"Button953", QT_TR_NOOP("Export to game"), {346, 110, 179, 36}, &TJamForm::Button953Click},
        {"Button954",
         QT_TR_NOOP("Import from game"),
         {346, 152, 179, 36},
         &TJamForm::Button954Click},
        {"BitBtn1", QT_TR_NOOP("Back"), {400, 372, 125, 32}, &TJamForm::BitBtn1Click},
    };
    AddButtonRows(this, buttons);
}

void TJamForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
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
    ListBox2->setCurrentRow(TeamRowBeside(ListBox1->currentRow(), ListBox2->count()));
}

void TJamForm::ListBox2Click() {
    const QSignalBlocker blocker(ListBox1);
    if (const int row = ArchiveRowBeside(ListBox2->currentRow(), ListBox1->count()); row >= 0)
        ListBox1->setCurrentRow(row);
}

QString TJamForm::SelectedArchive() const {
    const int row = ListBox1->currentRow();
    return row >= 0 ? ListBox1->item(row)->text() : QString();
}

ConverterOutcome TJamForm::ConvertCar(bool extract, const QString& jam) {
    const std::string gameDir = context_.state.config.GameDir();
    const std::string archive = context_.state.GamePath("GAMEJAMS\\" + jam.toStdString());
    return Convert([&](ConverterRunner& converter) {
        return extract
                   ? converter.Extract(ExtractCarCommand(gameDir, jam.toStdString()), kTeamBitmap)
                   : converter.WriteBack(WriteCarCommand(gameDir, jam.toStdString()), archive);
    });
}

// A painting of another depth takes the colours of the one it replaces, or the game's.
void TJamForm::Button951Click() {
    const auto file = OpenUserBitmap(tr("Load bitmap file"));
    FittedPicture fitted;
    if (file) {
        const Bitmap8& shown = Image1->Picture();
        fitted =
            AsWholePicture(*file, shown.Empty() ? TableOf(context_.state.palette) : shown.colours);
        Image1->SetPicture(std::move(fitted.picture));
    }
    repaint();
    if (fitted.matched)
        context_.dialogs.Information(this, MatchedNote(*file, fitted, MatchedTo::CarPainting));
}

void TJamForm::Button952Click() {
    if (Image1->Picture().Empty())
        return;
    SaveChosen(Image1->Picture(), BitmapRequest(tr("Save bitmap file")));
}

void TJamForm::Button953Click() {
    const QString jam = SelectedArchive();
    if (Image1->Picture().Empty() || jam.isEmpty())
        return;
    if (!Save(Image1->Picture(), context_.state.StartPath(kTeamBitmap)))
        return;
    const ConverterOutcome outcome = ConvertCar(false, jam);
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
    const ConverterOutcome outcome = ConvertCar(true, jam);
    if (!outcome.ok) {
        context_.dialogs.Error(this, outcome.error);
        return;
    }
    const std::string temp = context_.state.StartPath(kTeamBitmap);
    auto painting = Load(temp);
    if (painting)
        Image1->SetPicture(std::move(*painting));
    fs::DeleteFile(temp);
    context_.state.RestoreStartDir();
    repaint();
    if (painting)
        context_.dialogs.Information(this, tr(kBitmapImported));
}

void TJamForm::BitBtn1Click() {
    close();
}

} // namespace psn
