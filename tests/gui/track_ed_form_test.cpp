// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor_fixture.h"
#include "support/program_end.h"
#include "tests/support/scripted_dialogs.h"
#include "track_fixture.h"
#include "tracks/track_ed_form.h"
#include "tracks/track_install.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

struct TrackEditorSession : EditorSession {
    explicit TrackEditorSession(int edition = 0) : EditorSession(edition) {
        InstallTrackFiles(game.gameDir);
    }
};

struct ShownEditor {
    explicit ShownEditor(TrackEditorSession& session) : form(session.context) {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    ~ShownEditor() { form.hide(); }
    template <typename T> T* Find(const char* name) { return form.findChild<T*>(name); }
    QLineEdit* Edit(int n) { return Find<QLineEdit>(("Edit" + std::to_string(n)).c_str()); }
    // Types into a field and leaves it with Enter, as a user moving on would.
    void Enter(int n, const QString& text) {
        QLineEdit* edit = Edit(n);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    TTrackEdForm form;
};

std::vector<std::uint8_t> NamesBlock(const std::vector<std::string>& names) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& name : names) {
        bytes.insert(bytes.end(), name.begin(), name.end());
        bytes.push_back(0);
    }
    return bytes;
}

TEST(TrackEditor, ListsTheTrackNamesOfTheDetectedEdition) {
    TrackEditorSession session(2);
    std::vector<std::string> names;
    for (int t = 1; t <= kTrackCount; ++t)
        names.push_back("Circuito " + std::to_string(t) + (t == 5 ? "\xE9" : ""));
    session.game.PokeExe(ExeOffset(ExeRow::TrackNames, 2), NamesBlock(names));
    ShownEditor editor(session);
    auto* list = editor.Find<QListWidget>("ListBox1");
    ASSERT_EQ(list->count(), kTrackCount);
    EXPECT_EQ(list->item(0)->text(), "Circuito 1");
    EXPECT_EQ(list->item(4)->text(), QString::fromLatin1("Circuito 5\xE9"));
    EXPECT_EQ(list->item(15)->text(), "Circuito 16");
    EXPECT_EQ(list->currentRow(), 0);
}

TEST(TrackEditor, ByteFieldsStoreTheLowByteOrKeepTheValue) {
    const std::vector<std::pair<QString, int>> cases = {
        {"300", 44}, {"-1", 255}, {"$1F", 31}, {"  9", 9}, {"12x", 7}, {"", 7}, {"abc", 7}};
    for (const auto& [text, stored] : cases) {
        TrackEditorSession session;
        session.record().setU8(TrackEntryOffset(0, trackentry::kFirstGear + 3), 7);
        ShownEditor editor(session);
        editor.Enter(6, text); // 4th gear
        EXPECT_EQ(session.record().u8(TrackEntryOffset(0, trackentry::kFirstGear + 3)), stored)
            << text.toStdString();
        EXPECT_EQ(editor.Edit(6)->text(), QString::number(stored));
        EXPECT_TRUE(editor.Edit(7)->hasFocus()) << "Enter moves on to the next field";
        EXPECT_TRUE(session.dialogs.shown.empty()) << "text that is no number is no error";
    }
}

TEST(TrackEditor, ConsumptionFieldsStoreEveryKeystroke) {
    TrackEditorSession session;
    auto& r = session.record();
    r.setU16(TrackEntryOffset(0, trackentry::kFuel), 1234);
    r.setU16(TrackEntryOffset(0, trackentry::kTyres), 99);
    ShownEditor editor(session);
    QLineEdit* fuel = editor.Edit(9);
    fuel->setFocus();
    fuel->selectAll();
    QTest::keyClick(fuel, Qt::Key_Delete);
    // Emptying the field puts the stored value back at once.
    EXPECT_EQ(fuel->text(), "1234");
    fuel->selectAll();
    QTest::keyClicks(fuel, "70000");
    EXPECT_EQ(r.u16(TrackEntryOffset(0, trackentry::kFuel)), 70000 - 65536);
    EXPECT_EQ(fuel->text(), QString::number(70000 - 65536));

    QLineEdit* tyres = editor.Edit(10);
    tyres->setFocus();
    tyres->end(false);
    QTest::keyClicks(tyres, "5q");
    EXPECT_EQ(r.u16(TrackEntryOffset(0, trackentry::kTyres)), 995);
    EXPECT_EQ(tyres->text(), "995");
}

TEST(TrackEditor, TyreTypeAndTrackChoiceWorkOnTheCurrentTrack) {
    TrackEditorSession session;
    auto& r = session.record();
    r.setU8(TrackEntryOffset(0, trackentry::kCompound), 2);
    r.setU8(TrackEntryOffset(6, trackentry::kCompound), 9);
    r.setU8(TrackEntryOffset(6, trackentry::kFrontWing), 33);
    ShownEditor editor(session);
    auto* combo = editor.Find<QComboBox>("ComboBox1");
    auto* list = editor.Find<QListWidget>("ListBox1");
    EXPECT_EQ(combo->currentIndex(), 2);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(6)).center());
    EXPECT_EQ(editor.Edit(1)->text(), "33");
    EXPECT_EQ(combo->currentIndex(), -1) << "a compound beyond D selects nothing";

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(r.u8(TrackEntryOffset(6, trackentry::kCompound)), 0);
    EXPECT_EQ(r.u8(TrackEntryOffset(0, trackentry::kCompound)), 2);
}

TEST(TrackEditor, ImportSelectsTheFirstTrackAndExportWritesTheFiles) {
    TrackEditorSession session;
    ShownEditor editor(session);
    auto* list = editor.Find<QListWidget>("ListBox1");
    list->setCurrentRow(9);

    QTest::mouseClick(editor.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages(), QStringList{"Tracks data has been imported!"});
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(editor.form.isVisible());
    EXPECT_EQ(editor.Edit(9)->text(), QString::number(DistinctTrack(0).fuel));

    list->setCurrentRow(3);
    editor.Enter(1, "-151"); // stored 105, written as 0
    QTest::mouseClick(editor.Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages().last(), "Tracks data has been exported!");
    const auto bytes = ReadFileBytes(TrackPath(session.game.gameDir, 3));
    EXPECT_EQ(bytes[DistinctTrack(3).pointer + trackfile::kSetupBase], 0);
    EXPECT_TRUE(TrailerValid(bytes));
}

TEST(TrackEditor, ExportWithATrackFileMissingEndsTheProgram) {
    TrackEditorSession session;
    ShownEditor editor(session);
    std::filesystem::remove(TrackPath(session.game.gameDir, 11));
    QTest::mouseClick(editor.Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages(),
              QStringList{"2) File access error! \n" +
                          QString::fromStdString(TrackPath(session.game.gameDir, 11)) +
                          ": No such file or directory"});
    EXPECT_EQ(session.exitCode, 1);
}

// The Track Editor button's preparation.
struct ButtonSession : TrackEditorSession {
    ButtonSession() {
        std::filesystem::remove_all(game.gameDir + "CIRCUITS");
        cdDir = game.dir.str() + "/cd";
        InstallTrackFiles(cdDir + "/");
        WriteFileBytes(cdDir + "/PSN.EXE", {1});
    }
    std::string cdDir;
};

TEST(TrackEditorButton, FirstUseOffersTheCdAndReadsTheTrackBlockOnce) {
    ButtonSession session;
    std::filesystem::permissions(TrackPath(session.cdDir + "/", 4),
                                 std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    session.dialogs.fileAnswers.push_back(QString::fromStdString(session.cdDir + "/PSN.EXE"));
    EXPECT_TRUE(PrepareTrackEditor(session.context, nullptr));
    EXPECT_EQ(session.dialogs.Messages(), (QStringList{kTrackFilesQuestion, kInsertCdMessage}));
    EXPECT_EQ(session.dialogs.shown.back().request.title, "Locate psn.exe file on your PSN CD");
    EXPECT_FALSE(TrackDataPending(session.game.state));
    EXPECT_EQ(session.record().u16(TrackEntryOffset(15, trackentry::kFuel)),
              DistinctTrack(15).fuel);
    const auto perms = std::filesystem::status(TrackPath(session.game.gameDir, 4)).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);

    // Installed now: no question, no second read of the track block.
    session.dialogs.Clear();
    session.record().setU16(TrackEntryOffset(15, trackentry::kFuel), 1);
    EXPECT_TRUE(PrepareTrackEditor(session.context, nullptr));
    EXPECT_TRUE(session.dialogs.shown.empty());
    EXPECT_EQ(session.record().u16(TrackEntryOffset(15, trackentry::kFuel)), 1);
}

TEST(TrackEditorButton, DecliningOrMissingFilesKeepTheEditorClosed) {
    {
        ButtonSession session;
        session.dialogs.confirmAnswers.push_back(false);
        EXPECT_FALSE(PrepareTrackEditor(session.context, nullptr));
        EXPECT_EQ(session.dialogs.Messages(), QStringList{kTrackFilesQuestion});
        EXPECT_TRUE(TrackDataPending(session.game.state));
    }
    {
        // Cancelling the CD dialog leaves no track files; reading them would end the program.
        ButtonSession session;
        EXPECT_FALSE(PrepareTrackEditor(session.context, nullptr));
        EXPECT_EQ(session.dialogs.Messages().last(), kTrackFilesMissing);
        EXPECT_EQ(session.exitCode, -1);
        EXPECT_TRUE(std::filesystem::is_directory(session.game.gameDir + "CIRCUITS"));
    }
    {
        // A CD without one of the files: nothing is copied, and the missing file is named.
        ButtonSession session;
        std::filesystem::remove(TrackPath(session.cdDir + "/", 7));
        session.dialogs.fileAnswers.push_back(QString::fromStdString(session.cdDir + "/PSN.EXE"));
        EXPECT_FALSE(PrepareTrackEditor(session.context, nullptr));
        const QStringList messages = session.dialogs.Messages().filter(kCdCopyFailed);
        ASSERT_EQ(messages.size(), 1) << session.dialogs.Messages().join("|").toStdString();
        const QString said = messages.front();
        EXPECT_TRUE(said.startsWith(kCdCopyFailed)) << said.toStdString();
        EXPECT_TRUE(said.contains("F1CT08.DAT: No such file or directory")) << said.toStdString();
        EXPECT_FALSE(std::filesystem::exists(TrackPath(session.game.gameDir, 0)));
    }
}

// Reading needs no write access, so opening the editor changes no permission.
TEST(TrackEditorButton, InstalledFilesOpenWithoutQuestionAndKeepTheirPermissions) {
    TrackEditorSession session;
    for (int t = 0; t < kTrackCount; ++t)
        std::filesystem::permissions(TrackPath(session.game.gameDir, t),
                                     std::filesystem::perms::owner_read,
                                     std::filesystem::perm_options::replace);
    EXPECT_TRUE(PrepareTrackEditor(session.context, nullptr));
    EXPECT_TRUE(session.dialogs.shown.empty());
    for (int t = 0; t < kTrackCount; ++t) {
        const auto perms =
            std::filesystem::status(TrackPath(session.game.gameDir, t)).permissions();
        EXPECT_EQ(perms, std::filesystem::perms::owner_read);
    }
}

} // namespace
} // namespace psn::test
