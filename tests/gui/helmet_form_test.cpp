// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter.h"
#include "core/record_map.h"
#include "graphics/helmet_form.h"
#include "graphics/helmet_table.h"
#include "support/fake_converter.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/picture_view.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

using namespace std::chrono_literals;
using Kind = ScriptedDialogs::Kind;

Bitmap8 Cell(const Bitmap8& sheet, int cell) {
    Bitmap8 out = MakeBitmap8(kHelmetWidth, kHelmetHeight);
    const CellOrigin at = HelmetCellOrigin(cell);
    CopyRect(sheet, at.x, at.y, out, 0, 0, kHelmetWidth, kHelmetHeight);
    return out;
}

QPoint InCell(int cell) {
    const CellOrigin at = HelmetCellOrigin(cell);
    return {at.x + 30, at.y + 7};
}

struct HelmetFormTest : ::testing::Test {
    test::ScratchGame game;
    ScriptedDialogs dialogs;
    AppContext context{game.state, dialogs, [](int code) { test::EndProgram(code); }};
    Bitmap8 original = test::PatternPicture(256, 180, 5);
    std::string archive = test::WriteArchive(game.gameDir, "HELMETS1.JAM", original);
    std::string tempSheet = game.editorDir + "/TEMP/HELMETS.BMP";
    std::unique_ptr<THelmetForm> form;

    explicit HelmetFormTest(int drivers = 28) {
        for (int slot = 1; slot <= 40; ++slot) {
            const int number = slot <= drivers ? slot : 0;
            game.state.record.setU8(rec::SlotNumber(slot), static_cast<std::uint8_t>(number));
            game.state.record.setStr(rec::DriverName(slot), rec::kDriverNameCapacity,
                                     "Driver " + std::to_string(slot));
        }
        test::InstallStandIn(game.editorDir);
    }
    ~HelmetFormTest() override {
        form.reset();
        std::filesystem::current_path(std::filesystem::temp_directory_path());
    }

    // The start-up extraction left the sheet in TEMP; the window is opened.
    void Open(bool extracted = true) {
        if (extracted)
            SaveBmpFile(original, tempSheet);
        form = std::make_unique<THelmetForm>(context);
        form->Converter().timeout = 2s;
        form->show();
    }
    const Bitmap8& Sheet() const { return Find<PictureView>("Image1")->Picture(); }
    const Bitmap8& Single() const { return Find<PictureView>("Image3")->Picture(); }
    const Bitmap8& Preview() const { return Find<PictureView>("Image2")->Picture(); }
    QListWidget* List() const { return Find<QListWidget>("ListBox1"); }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void Drag(int from, int to) {
        auto* sheet = Find<PictureView>("Image1");
        QTest::mousePress(sheet, Qt::LeftButton, {}, InCell(from));
        QTest::mouseRelease(sheet, Qt::LeftButton, {}, InCell(to));
    }
    template <typename T> T* Find(const char* name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(HelmetFormTest, FirstShowingTakesTheExtractedSheetAndShowsTheFirstDriversHelmet) {
    Open();
    EXPECT_EQ(Sheet().pixels, original.pixels);
    EXPECT_EQ(Sheet().colours, original.colours);
    ASSERT_EQ(List()->count(), 28);
    EXPECT_EQ(List()->item(27)->text(), "Driver 28");
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_EQ(Cell(Single(), 0).pixels, Cell(original, 0).pixels);
    Bitmap8 expected = MakeBitmap8(kPreviewWidth, kPreviewHeight);
    StretchInto(Single(), expected);
    EXPECT_EQ(Preview().pixels, expected.pixels);

    // Later showings keep the edited sheet instead of reloading the file.
    Drag(0, 1);
    form->hide();
    form->show();
    EXPECT_EQ(Cell(Sheet(), 1).pixels, Cell(original, 0).pixels);
}

TEST_F(HelmetFormTest, DraggingOneHelmetOntoAnotherSwapsThemAndOtherPressesOnlySelect) {
    Open();
    Drag(3, 15);
    EXPECT_EQ(Cell(Sheet(), 15).pixels, Cell(original, 3).pixels);
    EXPECT_EQ(Cell(Sheet(), 3).pixels, Cell(original, 15).pixels);
    EXPECT_EQ(List()->currentRow(), 15);
    EXPECT_EQ(Cell(Single(), 0).pixels, Cell(original, 3).pixels);
    EXPECT_EQ(form->DragSource(), -1);
    Bitmap8 preview = MakeBitmap8(kPreviewWidth, kPreviewHeight);
    StretchInto(Single(), preview);
    EXPECT_EQ(Preview().pixels, preview.pixels);

    const Bitmap8 before = Sheet();
    struct Press {
        const char* name;
        QPoint down, up;
        int selected;
    };
    const Press presses[] = {
        {"same cell", InCell(7), InCell(7) + QPoint(5, 2), 7},
        {"released outside the cells", InCell(4), QPoint(230, 10), 4},
        {"released above the sheet", InCell(12), QPoint(10, -10), 12},
        // 28 drivers: cell 28 has no row, so nothing is picked up there.
        {"no row for the cell", InCell(28), InCell(2), 12},
    };
    auto* sheet = Find<PictureView>("Image1");
    for (const Press& p : presses) {
        SCOPED_TRACE(p.name);
        QTest::mousePress(sheet, Qt::LeftButton, {}, p.down);
        QTest::mouseRelease(sheet, Qt::LeftButton, {}, p.up);
        EXPECT_EQ(Sheet().pixels, before.pixels);
        EXPECT_EQ(List()->currentRow(), p.selected);
    }
}

TEST_F(HelmetFormTest, SingleHelmetsLoadIntoTheSelectedCellAndSaveWithTheSheetsColours) {
    Open();
    // Saved before any load: the control's 75 x 15, the selected cell in its first 74 columns.
    const std::string saved = game.dir.str() + "/one.bmp";
    dialogs.fileAnswers = {QString::fromStdString(saved)};
    Click("BitBtn2");
    Bitmap8 single = LoadBmpFile(saved);
    EXPECT_EQ(single.width, 75);
    EXPECT_EQ(single.height, 15);
    EXPECT_EQ(Cell(single, 0).pixels, Cell(original, 0).pixels);
    for (int y = 0; y < 15; ++y)
        EXPECT_EQ(single.At(74, y), 0);
    EXPECT_EQ(single.colours, original.colours);
    EXPECT_EQ(dialogs.shown.at(0).request.title, "Save helmet as bitmap");
    EXPECT_EQ(dialogs.shown.at(0).request.filter, "BMP files|*.BMP");

    // A larger picture: its top-left helmet goes into the cell, the whole of it into the preview.
    // In the sheet's colours, so that it goes in index for index.
    Bitmap8 big = test::PatternPicture(100, 30, 77);
    big.colours = original.colours;
    const std::string bigPath = game.dir.str() + "/big.bmp";
    SaveBmpFile(big, bigPath);
    List()->setCurrentRow(6);
    dialogs.fileAnswers = {QString::fromStdString(bigPath)};
    Click("BitBtn4");
    EXPECT_EQ(Cell(Sheet(), 6).pixels, Cell(big, 0).pixels);
    EXPECT_EQ(Cell(Sheet(), 5).pixels, Cell(original, 5).pixels);
    Bitmap8 preview = MakeBitmap8(kPreviewWidth, kPreviewHeight);
    StretchInto(big, preview);
    EXPECT_EQ(Preview().pixels, preview.pixels);
    EXPECT_EQ(Preview().At(kPreviewWidth - 1, kPreviewHeight - 1), big.At(99, 29));

    // A damaged file is reported and changes nothing; cancelling changes nothing.
    const Bitmap8 before = Sheet();
    test::WriteFileBytes(bigPath, {'B', 'M', 1, 2});
    dialogs.fileAnswers = {QString::fromStdString(bigPath), std::nullopt};
    Click("BitBtn4");
    Click("BitBtn4");
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_TRUE(
        dialogs.Messages().at(0).contains(QString::fromStdString(bigPath) + "' is damaged"));
    EXPECT_EQ(Sheet().pixels, before.pixels);
}

TEST_F(HelmetFormTest, WholeSheetsSaveAndLoadIndexForIndex) {
    Open();
    Drag(0, 24);
    const std::string path = game.dir.str() + "/sheet.bmp";
    dialogs.fileAnswers = {QString::fromStdString(path)};
    Click("BitBtn6");
    EXPECT_EQ(dialogs.shown.at(0).request.fileName, "HELMETS1.BMP");
    EXPECT_EQ(test::ReadFileBytes(path), EncodeBmp(Sheet()));

    SaveBmpFile(original, path);
    dialogs.fileAnswers = {QString::fromStdString(path)};
    Click("BitBtn7");
    EXPECT_EQ(Sheet().pixels, original.pixels);
    EXPECT_EQ(dialogs.shown.at(1).request.title, "Load helmet from bitmap");
    EXPECT_EQ(dialogs.shown.at(1).request.fileName, "");
}

TEST_F(HelmetFormTest, ASwapExportedIntoTheGameIsThereAfterARestart) {
    Open();
    // Unchanged, the sheet goes out byte for byte as it came.
    Click("BitBtn3");
    EXPECT_EQ(dialogs.Messages(), QStringList{"Data has been exported!"});
    EXPECT_EQ(test::ReadFileBytes(archive), test::ArchiveBytes(original));

    Drag(2, 20);
    Click("BitBtn3");
    EXPECT_EQ(dialogs.Messages().last(), "Data has been exported!");
    EXPECT_TRUE(std::filesystem::exists(archive + ".bak"));
    EXPECT_EQ(test::ReadFileBytes(archive + ".bak"), test::ArchiveBytes(original));

    // The next run extracts the archive again.
    std::filesystem::remove(tempSheet);
    ASSERT_TRUE(ConverterRunner(game.state)
                    .Extract(ExtractHelmetsCommand(game.gameDir), kHelmetsBitmap)
                    .ok);
    form = std::make_unique<THelmetForm>(context);
    form->show();
    EXPECT_EQ(Cell(Sheet(), 20).pixels, Cell(original, 2).pixels);
    EXPECT_EQ(Cell(Sheet(), 2).pixels, Cell(original, 20).pixels);
}

TEST_F(HelmetFormTest, ImportTakesAFreshExtractionOrKeepsTheSheetAndSaysWhy) {
    Open();
    Drag(0, 1);
    Click("BitBtn5");
    EXPECT_EQ(dialogs.Messages(), QStringList{"Data has been imported!"});
    EXPECT_EQ(Sheet().pixels, original.pixels);
    EXPECT_EQ(List()->currentRow(), 0);

    // A converter that fails must not let the stale bitmap pass for a fresh one.
    const Bitmap8 edited = (Drag(0, 1), Sheet());
    test::InstallFakeConverter(game.editorDir, "echo broken >&2; exit 1");
    dialogs.Clear();
    Click("BitBtn5");
    ASSERT_EQ(dialogs.Count(Kind::Error), 1);
    EXPECT_TRUE(dialogs.Messages().at(0).contains("extract the helmets"));
    EXPECT_EQ(dialogs.Count(Kind::Information), 0);
    EXPECT_FALSE(std::filesystem::exists(tempSheet));
    EXPECT_EQ(Sheet().pixels, edited.pixels);
}

TEST_F(HelmetFormTest, ExportReportsAConverterThatFailsOrHangsInsteadOfSuccess) {
    Open();
    form->Converter().timeout = 300ms;
    const char* scripts[] = {"exit 4", "sleep 20"};
    for (const char* script : scripts) {
        SCOPED_TRACE(script);
        test::InstallFakeConverter(game.editorDir, script);
        dialogs.Clear();
        Click("BitBtn3");
        ASSERT_EQ(dialogs.Messages().size(), 1);
        EXPECT_EQ(dialogs.Count(Kind::Error), 1);
        EXPECT_TRUE(dialogs.Messages().at(0).contains("write the helmets back"));
    }
    EXPECT_EQ(test::ReadFileBytes(archive), test::ArchiveBytes(original));
}

TEST_F(HelmetFormTest, WithoutAnExtractedSheetTheWindowSaysSoAndWritesNothing) {
    Open(false);
    form->hide();
    form->SetStartupProblem("The bitmap converter PSNJAM.EXE was not found.");
    form = std::make_unique<THelmetForm>(context);
    form->SetStartupProblem("The bitmap converter PSNJAM.EXE was not found.");
    form->show();
    EXPECT_TRUE(Sheet().Empty());
    EXPECT_TRUE(Find<PictureView>("Image1")->Note().contains("not available"));
    EXPECT_TRUE(Find<PictureView>("Image1")->Note().contains("PSNJAM.EXE was not found"));
    // Every line of the note can be read: what the box cannot hold scrolls.
    QApplication::processEvents();
    auto* note = Find<QLabel>("Note");
    EXPECT_TRUE(Find<QScrollArea>("NoteArea")->isVisible());
    EXPECT_EQ(note->text(), Find<PictureView>("Image1")->Note());
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    Drag(0, 1);
    Click("BitBtn3");
    Click("BitBtn6");
    EXPECT_EQ(dialogs.Count(Kind::Error), 2);
    EXPECT_EQ(dialogs.Count(Kind::Save), 0);
    EXPECT_FALSE(std::filesystem::exists(tempSheet));
    EXPECT_EQ(test::ReadFileBytes(archive), test::ArchiveBytes(original));

    Click("BitBtn5");
    EXPECT_EQ(Sheet().pixels, original.pixels);
    EXPECT_TRUE(Find<PictureView>("Image1")->Note().isEmpty());
}

// Without a converter the window says how to stand the sample converter in, and that a real game
// needs its own; once one is in place, opening the window again finds the sheet.
TEST_F(HelmetFormTest, AConverterPutInPlaceIsFoundWhenTheWindowOpensAgain) {
    std::filesystem::remove(game.editorDir + "/PSNJAM.EXE");
    Open(false);
    EXPECT_TRUE(Sheet().Empty());
    Click("BitBtn5");
    ASSERT_EQ(dialogs.Count(Kind::Error), 1);
    const QString message = dialogs.Messages().at(0);
    EXPECT_TRUE(message.contains("psniaed-sample-converter")) << message.toStdString();
    EXPECT_TRUE(message.contains("ln -s")) << message.toStdString();
    EXPECT_TRUE(message.contains("game's own PSNJAM.EXE")) << message.toStdString();
    EXPECT_TRUE(Sheet().Empty());

    test::InstallStandIn(game.editorDir);
    form->hide();
    form->show();
    EXPECT_EQ(Sheet().pixels, original.pixels);
    EXPECT_TRUE(Find<PictureView>("Image1")->Note().isEmpty());
    EXPECT_EQ(dialogs.Count(Kind::Error), 1);
}

struct HelmetFormFullGridTest : HelmetFormTest {
    HelmetFormFullGridTest() : HelmetFormTest(40) {}
};

TEST_F(HelmetFormFullGridTest, DriversBeyondTheSheetsCellsAreListedButCannotBePicked) {
    Open();
    ASSERT_EQ(List()->count(), 40);
    EXPECT_TRUE(List()->item(28)->flags() & Qt::ItemIsEnabled);
    for (int row = 29; row < 40; ++row)
        EXPECT_FALSE(List()->item(row)->flags() & Qt::ItemIsEnabled) << row;
    Drag(28, 0);
    EXPECT_EQ(Cell(Sheet(), 0).pixels, Cell(original, 28).pixels);
}

} // namespace
} // namespace psn
