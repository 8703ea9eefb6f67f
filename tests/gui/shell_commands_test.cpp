// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record_map.h"
#include "shell/des_form.h"
#include "shell/main_form.h"
#include "shell_fixture.h"
#include "tracks/car_set_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;

TEST(DialogSeam, NoMessageBoxOrFileDialogOutsideTheSeam) {
    const QString root = PSN_SOURCE_DIR;
    const QRegularExpression direct("\\bQ(MessageBox|FileDialog)\\b");
    QStringList offenders;
    for (const char* dir : {"core", "ui", "shell", "editors", "graphics", "tracks", "tools"}) {
        QDirIterator it(root + "/" + dir, {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith("/ui/dialogs.cpp"))
                continue;
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            if (direct.match(QString::fromUtf8(file.readAll())).hasMatch())
                offenders << path.mid(root.size() + 1);
        }
    }
    EXPECT_TRUE(offenders.isEmpty()) << offenders.join(", ").toStdString();
}

class ShellCommands : public ::testing::Test {
protected:
    ShellCommands() {
        f.WriteConfigFile();
        form = std::make_unique<TMainForm>(f.context);
        form->CreateOtherWindows();
        memo = form->Windows().description->findChild<QPlainTextEdit*>("Memo1");
    }
    void Trigger(const char* action) {
        f.dialogs.shown.clear();
        QAction* item = form->findChild<QAction*>(action);
        ASSERT_NE(item, nullptr) << action;
        item->trigger();
    }
    QString Path(const char* name) const { return QString::fromStdString(f.EditorPath(name)); }
    std::vector<std::uint8_t> Record() const {
        const auto& bytes = f.game.state.record.bytes();
        return {bytes.begin(), bytes.end()};
    }

    ShellFixture f;
    std::unique_ptr<TMainForm> form;
    QPlainTextEdit* memo = nullptr;
};

TEST_F(ShellCommands, FirstSaveAsksForANameThenSavesInPlace) {
    f.game.state.record.setU8(100, 0x5A);
    f.dialogs.fileAnswers = {Path("MINE.GIA")};
    Trigger("Savesettings1");
    ASSERT_EQ(f.dialogs.Count(Kind::Save), 1);
    const FileDialogRequest& request = f.dialogs.shown[0].request;
    EXPECT_EQ(request.title, "Save settings");
    EXPECT_EQ(request.filter, "All settings files|*.GIA");
    EXPECT_EQ(request.initialDir, ".");
    EXPECT_EQ(request.defaultExt, "GIA");
    EXPECT_EQ(form->windowTitle(), "* Brenwick PSN Editor * DEMO *- MINE.GIA");
    const auto saved = ReadFileBytes(f.EditorPath("MINE.GIA"));
    ASSERT_EQ(saved.size(), 2846u);
    EXPECT_EQ(saved[100], 0x5A);
    // Never opened, the description window still gives its initial text.
    EXPECT_EQ(SettingsDescription(f.game.state.record), "no description");

    f.game.state.record.setU8(100, 0x33);
    Trigger("Savesettings1");
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(ReadFileBytes(f.EditorPath("MINE.GIA"))[100], 0x33);

    // Save as always asks; a cancelled dialog keeps file and title.
    Trigger("SavesettingsAs1");
    EXPECT_EQ(f.dialogs.Count(Kind::Save), 1);
    EXPECT_EQ(form->windowTitle(), "* Brenwick PSN Editor * DEMO *- MINE.GIA");
    EXPECT_EQ(fs::CurrentDirectory(), f.game.editorDir);
}

TEST_F(ShellCommands, SaveAfterRestoreAsksInsteadOfOverwritingTheOriginals) {
    const auto original = ReadFileBytes(f.EditorPath("DATA/ORIGIN.SET"));
    ASSERT_EQ(original.size(), 2846u);
    f.game.state.record.setU8(200, 0x77);
    Trigger("Restoreoriginalsettings1");
    EXPECT_EQ(f.game.state.currentSettingsFile, kOriginalSettings);
    EXPECT_EQ(Record(), original);
    EXPECT_EQ(form->windowTitle(), "* Brenwick PSN Editor * DEMO *");

    memo->setPlainText("kept text");
    f.game.state.record.setU8(200, 0x78);
    f.dialogs.fileAnswers = {std::nullopt};
    Trigger("Savesettings1");
    EXPECT_EQ(f.dialogs.Count(Kind::Save), 1);
    EXPECT_EQ(ReadFileBytes(f.EditorPath("DATA/ORIGIN.SET")), original);

    f.dialogs.fileAnswers = {Path("NEW.GIA")};
    Trigger("Savesettings1");
    const auto saved = ReadFileBytes(f.EditorPath("NEW.GIA"));
    ASSERT_EQ(saved.size(), 2846u);
    EXPECT_EQ(saved[200], 0x78);
    EXPECT_EQ(saved[rec::kDescription], 9);
}

TEST_F(ShellCommands, LoadRefreshesTheDescriptionAlsoWhenCancelled) {
    SettingsRecord stored;
    stored.setU8(300, 0x42);
    std::vector<std::uint8_t> bytes(stored.bytes().begin(), stored.bytes().end());
    WriteFileBytes(f.EditorPath("EMPTY.GIA"), bytes); // description length 0

    f.dialogs.fileAnswers = {Path("EMPTY.GIA")};
    Trigger("Loadsettings1");
    ASSERT_EQ(f.dialogs.Count(Kind::Open), 1);
    EXPECT_EQ(f.dialogs.shown[0].request.title, "Load settings");
    EXPECT_EQ(f.game.state.record.u8(300), 0x42);
    EXPECT_EQ(memo->toPlainText(), "");
    EXPECT_EQ(form->windowTitle(), "* Brenwick PSN Editor * DEMO *- EMPTY.GIA");

    memo->setPlainText("typed but not stored");
    SetSettingsDescription(f.game.state.record, "line one\r\nline two");
    const auto before = Record();
    Trigger("Loadsettings1"); // cancelled
    EXPECT_EQ(Record(), before);
    EXPECT_EQ(memo->toPlainText(), "line one\nline two");
    EXPECT_EQ(fs::CurrentDirectory(), f.game.editorDir);
}

// A file that does not load is named in the message and changes neither the record, the title
// nor the file that "Save settings" writes.
TEST_F(ShellCommands, SettingsFileThatDoesNotLoadIsNamedAndChangesNothing) {
    WriteFileBytes(f.EditorPath("SHORT.GIA"), std::vector<std::uint8_t>(100, 0xEE));
    WriteFileBytes(f.EditorPath("LONG.GIA"), std::vector<std::uint8_t>(2847, 0xEE));
    f.dialogs.fileAnswers = {Path("MINE.GIA")};
    Trigger("SavesettingsAs1");
    const QString title = form->windowTitle();
    const auto before = Record();
    for (const char* name : {"SHORT.GIA", "LONG.GIA", "MISSING.GIA"}) {
        f.dialogs.fileAnswers = {Path(name)};
        Trigger("Loadsettings1");
        EXPECT_EQ(Record(), before) << name;
        ASSERT_EQ(f.dialogs.Count(Kind::Error), 1) << name;
        EXPECT_TRUE(f.dialogs.Messages().last().contains(name))
            << f.dialogs.Messages().last().toStdString();
        EXPECT_EQ(form->windowTitle(), title) << name;
        EXPECT_TRUE(fs::FileNamePart(f.game.state.currentSettingsFile) == "MINE.GIA") << name;
    }
}

// A settings file from a CD, a download or another user is read-only, and loads.
TEST_F(ShellCommands, ReadOnlySettingsFileLoads) {
    SettingsRecord stored;
    stored.setU8(300, 0x42);
    const std::string path = f.EditorPath("LOCKED.GIA");
    WriteFileBytes(path, std::vector<std::uint8_t>(stored.bytes().begin(), stored.bytes().end()));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    f.dialogs.fileAnswers = {Path("LOCKED.GIA")};
    Trigger("Loadsettings1");
    EXPECT_EQ(f.game.state.record.u8(300), 0x42);
    EXPECT_EQ(f.dialogs.Count(Kind::Error), 0);
    EXPECT_EQ(form->windowTitle(), "* Brenwick PSN Editor * DEMO *- LOCKED.GIA");
}

TEST_F(ShellCommands, DescriptionIsStoredWithCrLfAndCutTo255) {
    struct Case {
        QString typed;
        std::string stored;
    };
    const QString line(200, 'a');
    const Case cases[] = {
        {"first\nsecond", "first\r\nsecond"},
        // The break takes two of the 255 stored characters.
        {line + "\n" + QString(60, 'b'), line.toStdString() + "\r\n" + std::string(53, 'b')},
        {QString(300, 'c'), std::string(255, 'c')},
    };
    f.dialogs.fileAnswers = {Path("DESC.GIA")};
    Trigger("Savesettings1");
    for (const Case& c : cases) {
        memo->setPlainText(c.typed);
        Trigger("Savesettings1");
        EXPECT_EQ(SettingsDescription(f.game.state.record), c.stored);
        const auto saved = ReadFileBytes(f.EditorPath("DESC.GIA"));
        EXPECT_EQ(saved[rec::kDescription], c.stored.size());
    }
}

// At its limit, or given a character the game's strings have no byte for, the description box
// refuses the key, paste or drop; the text and the cursor stay where they were.
TEST_F(ShellCommands, DescriptionRefusesWhatTheRecordCannotStore) {
    auto type = [&](const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(memo, &press);
        }
    };
    auto select = [&](int from, int to) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    };
    auto paste = [&](const QString& text) {
        QApplication::clipboard()->setText(text);
        memo->paste();
    };
    const QString tail = QString(240, 'a') + "\nb";
    memo->setPlainText(QString(250, 'a') + "\nb"); // 253 stored: the break takes two
    select(10, 10);
    type("xy");
    QString full = QString(10, 'a') + "xy" + tail;
    EXPECT_EQ(memo->toPlainText(), full);
    type("z");
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->toPlainText(), full);
    EXPECT_EQ(memo->textCursor().position(), 12);

    // Typing over a selection frees what it replaces.
    select(0, 3);
    type("q");
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->toPlainText(), "q\n" + QString(7, 'a') + "xy" + tail);
    type(QString::fromLatin1("\xE9"));
    QTest::keyClick(memo, Qt::Key_Backspace);
    type(QString::fromLatin1("\xE9"));
    type(QString::fromUtf8("\u20AC\u0100")); // room for one more, but no byte for these
    paste(QString::fromUtf8("\u20AC"));
    paste("ok"); // two characters, room for one
    EXPECT_EQ(memo->toPlainText(), QString::fromLatin1("q\xE9") + QString(7, 'a') + "xy" + tail);
    paste("k");
    EXPECT_EQ(memo->textCursor().position(), 3);

    f.dialogs.fileAnswers = {Path("FULL.GIA")};
    Trigger("Savesettings1");
    EXPECT_EQ(SettingsDescription(f.game.state.record),
              "q\xE9k" + std::string(7, 'a') + "xy" + std::string(240, 'a') + "\r\nb");
}

TEST_F(ShellCommands, OptionsMenuOpensTheCarSetInstaller) {
    bool shown = false;
    WhenShown<TInstCarSetForm>([&](TInstCarSetForm* window) {
        shown = true;
        QTest::mouseClick(window->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    });
    Trigger("InstallCarSet1");
    EXPECT_TRUE(shown);
    // As seen: the mnemonic's '&' is not shown.
    EXPECT_EQ(form->findChild<QAction*>("InstallCarSet1")->text().remove('&'),
              QString::fromUtf8("Install car set\u2026"));
    EXPECT_FALSE(form->Windows().carSets->isVisible());
}

TEST_F(ShellCommands, DescriptionWindowSavesAndNamesTheFileInTheTitle) {
    TDesForm* window = form->Windows().description;
    EXPECT_EQ(window->windowTitle(), "Settings description");
    EXPECT_EQ(window->size(), QSize(572, 313));
    memo->setPlainText("from the window");
    f.dialogs.shown.clear();
    f.dialogs.fileAnswers = {Path("WIN.GIA")};
    QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_EQ(f.dialogs.Count(Kind::Save), 1);
    EXPECT_EQ(form->windowTitle(), "* Brenwick PSN Editor * DEMO *- WIN.GIA");
    const auto saved = ReadFileBytes(f.EditorPath("WIN.GIA"));
    ASSERT_EQ(saved.size(), 2846u);
    EXPECT_EQ(saved[rec::kDescription], 15);
}

} // namespace
} // namespace psn::test
