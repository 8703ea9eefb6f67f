// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/helmet_form.h"

#include "core/converter.h"
#include "core/fs.h"
#include "core/record_map.h"
#include "graphics/button_rows.h"
#include "graphics/helmet_table.h"
#include "graphics/user_bitmap.h"
#include "ui/busy_cursor.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/picture_view.h"
#include "ui/window_transfers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace psn {

THelmetForm::THelmetForm(AppContext& context, QWidget* parent) : BitmapForm(context, parent) {
    CreateLayout();
}

void THelmetForm::CreateLayout() {
    setWindowTitle(tr("Helmets"));
    setFixedSize(637, 443);

    Bevel({10, 10, 256, 180});
    Image1 = new PictureView(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(10, 10, 256, 180);
    connect(Image1, &PictureView::MouseDown, this, &THelmetForm::Image1MouseDown);
    connect(Image1, &PictureView::MouseUp, this, &THelmetForm::Image1MouseUp);

    Bevel({10, 202, kPreviewWidth, kPreviewHeight});
    Image2 = new PictureView(this);
    Image2->setObjectName("Image2");
    Image2->setGeometry(10, 202, kPreviewWidth, kPreviewHeight);
    Image2->SetPicture(MakeBitmap8(kPreviewWidth, kPreviewHeight));

    Image3 = new PictureView(this);
    Image3->setObjectName("Image3");
    Image3->setGeometry(400, 202, kSingleHelmetWidth, kSingleHelmetHeight);
    Image3->SetPicture(MakeBitmap8(kSingleHelmetWidth, kSingleHelmetHeight));
    Image3->hide();

    auto* label = new QLabel(tr(" Drivers "), this);
    label->setObjectName("Label1");
    label->setGeometry(322, 8, 307, 16);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(322, 26, 307, 236);
    HoldText(ListBox1, AnyName(rec::kDriverNameCapacity));
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });

    const ButtonRow<THelmetForm> buttons[] = {
        {"BitBtn2",
         QT_TR_NOOP("Save helmet as bitmap"),
         {8, 276, 250, 32},
         &THelmetForm::BitBtn2Click},
        {"BitBtn4",
         QT_TR_NOOP("Load helmet from bitmap"),
         {267, 276, 250, 32},
         &THelmetForm::BitBtn4Click},
        {"BitBtn6",
         QT_TR_NOOP("Save all helmets as bitmap"),
         {8, 316, 250, 32},
         &THelmetForm::BitBtn6Click},
        {"BitBtn7",
         QT_TR_NOOP("Load all helmets from bitmap"),
         {267, 316, 250, 32},
         &THelmetForm::BitBtn7Click},
        {"BitBtn5", QT_TR_NOOP("Import from game"), {8, 362, 250, 32}, &THelmetForm::BitBtn5Click},
        {"BitBtn3",
         QT_TR_NOOP("Export into game"),
         {267, 362, 250, 32},
         &THelmetForm::BitBtn3Click},
        {"BitBtn1", QT_TR_NOOP("Back"), {392, 403, 125, 32}, &THelmetForm::BitBtn1Click},
    };
    AddButtonRows(this, buttons);
}

void THelmetForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void THelmetForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    lookedForSheet_ = false;
}

void THelmetForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void THelmetForm::RebuildDriverList() {
    const QSignalBlocker blocker(ListBox1);
    ListBox1->clear();
    const auto names = HelmetDriverNames(context_.state.record);
    for (std::size_t row = 0; row < names.size(); ++row) {
        auto* item = new QListWidgetItem(FromGameBytes(names[row]), ListBox1);
        // The sheet has 29 cells: later drivers are listed, but there is no helmet to pick.
        if (HelmetCellOfRow(static_cast<int>(row)) < 0)
            item->setFlags(Qt::NoItemFlags);
    }
}

int THelmetForm::SelectedCell() const {
    return HelmetCellOfRow(ListBox1->currentRow());
}

void THelmetForm::FormShow() {
    drag_.Forget();
    RebuildDriverList();
    {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    if (pendingSheet_) {
        pendingSheet_ = false;
        const std::string path = context_.state.StartPath(kHelmetsBitmap);
        if (fs::Exists(path))
            LoadSheet(path);
        else
            SheetUnavailable(startupProblem_);
        lookedForSheet_ = true;
    }
    // A converter put in place since the sheet was missed is used when the window opens again.
    if (!lookedForSheet_ && Image1->Picture().Empty() && Converter().Locate())
        ExtractSheet();
    lookedForSheet_ = true;
    Image2->SetPicture(MakeBitmap8(kPreviewWidth, kPreviewHeight));
    SelHel(Mode::Show);
    ListBox1->setFocus();
}

void THelmetForm::FormActivate() {
    SelHel(Mode::Show);
}

void THelmetForm::ListBox1Click() {
    SelHel(Mode::Show);
}

void THelmetForm::SelHel(Mode mode) {
    Bitmap8& sheet = Image1->Picture();
    Bitmap8& single = Image3->Picture();
    if (const int cell = SelectedCell(); cell >= 0) {
        if (mode == Mode::Show)
            ShowHelmet(sheet, single, cell);
        else if (mode == Mode::Paste)
            PasteHelmet(single, sheet, cell);
        else if (drag_.Source() >= 0)
            SwapHelmets(sheet, single, drag_.Source(), cell);
    }
    StretchInto(single, Image2->Picture());
    Image1->Changed();
    Image2->Changed();
    repaint();
}

void THelmetForm::SelHel(Mode mode, int cell) {
    {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->setCurrentRow(cell);
    }
    SelHel(mode);
}

void THelmetForm::Image1MouseDown(Qt::MouseButton, int x, int y) {
    if (const auto cell = drag_.Press(HelmetCellAt(x, y), ListBox1->count()))
        SelHel(Mode::Show, *cell);
}

void THelmetForm::Image1MouseUp(Qt::MouseButton, int x, int y) {
    if (const auto cell = drag_.Release(HelmetCellAt(x, y), ListBox1->count())) {
        SelHel(Mode::Swap, *cell);
        drag_.Forget();
    }
}

bool THelmetForm::LoadSheet(const std::string& path) {
    auto sheet = Load(path);
    if (!sheet)
        return false;
    Image1->SetPicture(std::move(*sheet));
    Image1->SetNote({});
    return true;
}

// The note names the buttons as they read in the user's language.
void THelmetForm::SheetUnavailable(const QString& reason) {
    const QString import = tr("Import from game");
    const QString load = tr("Load all helmets from bitmap");
    if (reason.isEmpty())
        Image1->SetNote(tr("The helmet sheet is not available. It was not extracted from the game "
                           "at start-up.\n\nUse \"%1\" or \"%2\".")
                            .arg(import, load));
    else
        Image1->SetNote(tr("The helmet sheet is not available.\n\n%1\n\nUse \"%2\" or \"%3\".")
                            .arg(reason, import, load));
}

QString THelmetForm::Unavailable() const {
    return tr("The helmet sheet is not available.");
}

void THelmetForm::BitBtn1Click() {
    close();
}

void THelmetForm::BitBtn2Click() {
    Bitmap8& single = Image3->Picture();
    if (!Image1->Picture().Empty())
        single.colours = Image1->Picture().colours;
    SaveChosen(single, BitmapRequest(tr("Save helmet as bitmap")));
}

// A helmet is pasted into the sheet, so it must speak the sheet's colours.
void THelmetForm::BitBtn4Click() {
    if (Image1->Picture().Empty()) {
        context_.dialogs.Error(this, Unavailable());
        return;
    }
    const auto file = OpenUserBitmap(tr("Load helmet from bitmap"));
    if (!file)
        return;
    FittedPicture fitted = InColoursOf(*file, Image1->Picture().colours);
    Image3->SetPicture(std::move(fitted.picture));
    SelHel(Mode::Paste);
    if (fitted.matched)
        context_.dialogs.Information(this, MatchedNote(*file, fitted, MatchedTo::HelmetSheet));
}

void THelmetForm::BitBtn6Click() {
    if (Image1->Picture().Empty()) {
        context_.dialogs.Error(this, Unavailable());
        return;
    }
    FileDialogRequest request = BitmapRequest(tr("Save helmet as bitmap"));
    request.fileName = "HELMETS1.BMP";
    SaveChosen(Image1->Picture(), request);
}

// A sheet from another depth takes the colours of the sheet it replaces, or the game's.
void THelmetForm::BitBtn7Click() {
    const auto file = OpenUserBitmap(tr("Load helmet from bitmap"));
    if (!file)
        return;
    const Bitmap8& sheet = Image1->Picture();
    FittedPicture fitted =
        AsWholePicture(*file, sheet.Empty() ? TableOf(context_.state.palette) : sheet.colours);
    Image1->SetPicture(std::move(fitted.picture));
    Image1->SetNote({});
    SelHel(Mode::Show);
    if (fitted.matched)
        context_.dialogs.Information(this, MatchedNote(*file, fitted, MatchedTo::HelmetSheet));
}

bool THelmetForm::ExtractSheet() {
    const ConverterOutcome outcome = Convert([&](ConverterRunner& converter) {
        return converter.Extract(ExtractHelmetsCommand(context_.state.config.GameDir()),
                                 kHelmetsBitmap);
    });
    if (!outcome.ok) {
        context_.dialogs.Error(this, outcome.error);
        return false;
    }
    return LoadSheet(context_.state.StartPath(kHelmetsBitmap));
}

void THelmetForm::BitBtn5Click() {
    if (!ExtractSheet())
        return;
    context_.dialogs.Information(this, Translated(kDataImported));
    // Refills the window as hiding and showing it would, without ending its modal run.
    FormShow();
}

void THelmetForm::BitBtn3Click() {
    if (Image1->Picture().Empty()) {
        context_.dialogs.Error(
            this, tr("The helmet sheet is not available. Nothing has been written into the game."));
        return;
    }
    if (!Save(Image1->Picture(), context_.state.StartPath(kHelmetsBitmap)))
        return;
    const std::string archive = context_.state.GamePath("GAMEJAMS\\HELMETS1.JAM");
    const ConverterOutcome outcome = Convert([&](ConverterRunner& converter) {
        return converter.WriteBack(WriteHelmetsCommand(context_.state.config.GameDir()), archive);
    });
    if (outcome.ok)
        context_.dialogs.Information(this, Translated(kDataExported));
    else
        context_.dialogs.Error(this, outcome.error);
}

} // namespace psn
