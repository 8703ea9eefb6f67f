// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record_map.h"
#include "graphics/jam_form.h"
#include "support/fake_converter.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/picture_view.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

using namespace std::chrono_literals;
using Kind = ScriptedDialogs::Kind;

struct JamFormTest : ::testing::Test {
    test::ScratchGame game;
    ScriptedDialogs dialogs;
    AppContext context{game.state, dialogs, [](int code) { test::EndProgram(code); }};
    std::string tempBitmap = game.editorDir + "/TEMP/TEMPTEAM.BMP";
    std::unique_ptr<TJamForm> form;

    JamFormTest() {
        for (int team = 1; team <= 14; ++team) {
            game.state.record.setU8(rec::TeamInUse(team), team <= 12);
            game.state.record.setStr(rec::TeamName(team), rec::kTeamNameCapacity,
                                     "Team " + std::to_string(team));
            test::WriteArchive(game.gameDir, kCarArchivesForTest[team - 1], Livery(team));
        }
        test::InstallStandIn(game.editorDir);
        form = std::make_unique<TJamForm>(context);
        form->Converter().timeout = 2s;
        form->show();
    }
    ~JamFormTest() override {
        form.reset();
        std::filesystem::current_path(std::filesystem::temp_directory_path());
    }

    static constexpr const char* kCarArchivesForTest[14] = {
        "WILLIAMS.JAM", "TYRRELL.JAM", "BENETTON.JAM", "MCLAREN.JAM", "FOOTWORK.JAM",
        "LOTUS.JAM",    "JORDAN.JAM",  "LARROUS.JAM",  "MINARDI.JAM", "LIGIER.JAM",
        "FERRARI.JAM",  "SAUBER.JAM",  "SIMTEK.JAM",   "PACIFIC.JAM"};
    static Bitmap8 Livery(int team) {
        return test::PatternPicture(256, 164, static_cast<std::uint8_t>(team * 11));
    }
    std::string Archive(int team) const {
        return game.gameDir + "GAMEJAMS/" + kCarArchivesForTest[team - 1];
    }

    const Bitmap8& Picture() const { return Find<PictureView>("Image1")->Picture(); }
    QListWidget* Archives() const { return Find<QListWidget>("ListBox1"); }
    QListWidget* Teams() const { return Find<QListWidget>("ListBox2"); }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void ClickRow(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    template <typename T> T* Find(const char* name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(JamFormTest, ListsTheArchivesAndTheTeamsInUseSideBySide) {
    ASSERT_EQ(Archives()->count(), 14);
    EXPECT_EQ(Archives()->item(0)->text(), "WILLIAMS.JAM");
    EXPECT_EQ(Archives()->item(13)->text(), "PACIFIC.JAM");
    ASSERT_EQ(Teams()->count(), 12);
    EXPECT_EQ(Teams()->item(11)->text(), "Team 12");
    EXPECT_EQ(Archives()->currentRow(), 0);
    EXPECT_EQ(Teams()->currentRow(), 0);

    ClickRow(Teams(), 4);
    EXPECT_EQ(Archives()->currentRow(), 4);
    ClickRow(Archives(), 12);
    EXPECT_EQ(Teams()->currentRow(), -1);
    EXPECT_TRUE(Teams()->selectedItems().isEmpty());
    ClickRow(Archives(), 11);
    EXPECT_EQ(Teams()->currentRow(), 11);
}

TEST_F(JamFormTest, SavingAndExportingDoNothingWhileThePictureIsEmpty) {
    Click("Button952");
    Click("Button953");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(tempBitmap));
    EXPECT_EQ(test::ReadFileBytes(Archive(1)), test::ArchiveBytes(Livery(1)));
}

TEST_F(JamFormTest, ImportShowsTheSelectedArchiveAndSavesItIndexForIndex) {
    ClickRow(Archives(), 12);
    Click("Button954");
    EXPECT_EQ(dialogs.Messages(), QStringList{"Bitmap has been imported!"});
    EXPECT_EQ(Picture().pixels, Livery(13).pixels);
    EXPECT_FALSE(std::filesystem::exists(tempBitmap));

    const std::string saved = game.dir.str() + "/simtek.bmp";
    dialogs.fileAnswers = {QString::fromStdString(saved)};
    Click("Button952");
    EXPECT_EQ(dialogs.shown.back().request.title, "Save bitmap file");
    EXPECT_EQ(dialogs.shown.back().request.defaultExt, "BMP");
    EXPECT_EQ(test::ReadFileBytes(saved), EncodeBmp(Livery(13)));

    // Showing the window again empties the picture.
    form->hide();
    form->show();
    EXPECT_TRUE(Picture().Empty());
}

TEST_F(JamFormTest, ExportWritesTheLoadedBitmapIntoTheSelectedArchiveOnly) {
    const Bitmap8 painting = test::PatternPicture(256, 164, 99);
    const std::string file = game.dir.str() + "/new.bmp";
    SaveBmpFile(painting, file);
    dialogs.fileAnswers = {QString::fromStdString(file)};
    Click("Button951");
    EXPECT_EQ(dialogs.shown.back().request.title, "Load bitmap file");
    ASSERT_EQ(Picture().pixels, painting.pixels);

    ClickRow(Archives(), 6);
    Click("Button953");
    EXPECT_EQ(dialogs.Messages(), QStringList{"Bitmap has been exported!"});
    EXPECT_EQ(test::ReadFileBytes(Archive(7)), test::ArchiveBytes(painting));
    EXPECT_EQ(test::ReadFileBytes(Archive(7) + ".bak"), test::ArchiveBytes(Livery(7)));
    for (int team : {1, 6, 8, 14})
        EXPECT_EQ(test::ReadFileBytes(Archive(team)), test::ArchiveBytes(Livery(team))) << team;

    EXPECT_TRUE(std::filesystem::exists(tempBitmap));
    Click("BitBtn1");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(std::filesystem::exists(tempBitmap));
}

TEST_F(JamFormTest, ConverterFailuresAreReportedInsteadOfSuccess) {
    form->Converter().timeout = 300ms;
    struct Case {
        const char* script;
        const char* button;
        const char* text;
    };
    const Case cases[] = {
        {"exit 2", "Button954", "extract the car painting"},
        {"sleep 20", "Button954", "did not finish"},
        {"exit 2", "Button953", "write the car painting back"},
        {"sleep 20", "Button953", "did not finish"},
    };
    const std::string file = game.dir.str() + "/new.bmp";
    SaveBmpFile(test::PatternPicture(256, 164, 1), file);
    dialogs.fileAnswers = {QString::fromStdString(file)};
    Click("Button951");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.script) + " " + c.button);
        test::InstallFakeConverter(game.editorDir, c.script);
        dialogs.Clear();
        Click(c.button);
        ASSERT_EQ(dialogs.Messages().size(), 1);
        EXPECT_EQ(dialogs.Count(Kind::Error), 1);
        EXPECT_TRUE(dialogs.Messages().at(0).contains(c.text))
            << dialogs.Messages().at(0).toStdString();
        EXPECT_TRUE(dialogs.Messages().at(0).contains("WILLIAMS.JAM"));
    }
    EXPECT_FALSE(Picture().Empty());
    EXPECT_EQ(test::ReadFileBytes(Archive(1)), test::ArchiveBytes(Livery(1)));
}

} // namespace
} // namespace psn
