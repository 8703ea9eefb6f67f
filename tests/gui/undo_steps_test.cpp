// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every kind of change, made through the real widgets of the started editor, is one step that
// Ctrl+Z takes back and Ctrl+Shift+Z and Ctrl+Y do again, to the exact bytes of the record, with
// the open window showing the record as it then is.
#include "e2e_fixture.h"
#include "shell/field_names.h"
#include "shell/languages.h"
#include "ui/record_steps.h"

#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShowEvent>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

// What a window shows: every box, slider, check box, list and picture.
QStringList Showing(QWidget* window) {
    QStringList shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window)
            continue; // the main window owns the other windows
        const QString name = w->objectName() + "=";
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            shown << name + edit->text();
        else if (auto* slider = qobject_cast<QAbstractSlider*>(w))
            shown << name + QString::number(slider->value());
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            shown << name + (box->isChecked() ? "1" : "0");
        else if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                shown << name + list->item(i)->text();
        } else if (w->objectName() == "WinGImage1") {
            const QImage image = w->grab().toImage();
            shown << name + QCryptographicHash::hash(
                                QByteArrayView(image.constBits(), image.sizeInBytes()),
                                QCryptographicHash::Sha1)
                                .toHex();
        }
    }
    return shown;
}

// A window as it shows the record now, as after it is opened.
QStringList Refilled(QWidget* window) {
    QShowEvent refill;
    QApplication::sendEvent(window, &refill);
    return Showing(window);
}

void ShowWindow(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::processEvents();
}

// Types into a box and leaves it with Enter, as a user moving on would.
void Type(QWidget* window, const char* box, const QString& text) {
    auto* edit = window->findChild<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr) << box;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void TypePower(E2EGame& game) {
    QWidget* power = game.main->Windows().enginePower;
    ShowWindow(power);
    const QString old = power->findChild<QLineEdit*>("Edit16")->text();
    Type(power, "Edit16", old == "500" ? "501" : "500");
}

void TypeTrack(E2EGame& game) {
    QWidget* editor = game.main->Windows().trackEditor;
    ShowWindow(editor);
    const QString old = editor->findChild<QLineEdit*>("Edit1")->text();
    Type(editor, "Edit1", old == "50" ? "51" : "50");
}

void Trigger(E2EGame& game, const char* action) {
    auto* item = game.main->findChild<QAction*>(action);
    ASSERT_NE(item, nullptr) << action;
    item->trigger();
}

QPoint SwatchPoint(int colour) {
    const int s = colour - 11;
    return {20 * (s % 25) + 10, 198 + 15 * (s / 25) + 7};
}

struct StepCase {
    const char* name;
    QWidget* WindowSet::*window; // where the keys are pressed; null: the main window
    std::function<void(E2EGame&)> prepare;
    std::function<void(E2EGame&, QWidget*)> act;
    QString step; // the name the Edit menu gives the step
};

void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
    QApplication::processEvents();
}

// A settings file in the editor folder that differs from the record in one value.
std::string WriteChangedSettings(E2EGame& game, const std::string& name) {
    SettingsRecord changed = game.state.record;
    changed.setU16(rec::kPitSpeed, changed.u16(rec::kPitSpeed) ^ 0x55);
    const std::string path = game.editorDir + "/" + name;
    WriteFileBytes(path, Bytes(changed.bytes().begin(), changed.bytes().end()));
    return path;
}

TEST(UndoSteps, EveryKindOfStepUndoesAndRedoesToTheExactRecordInTheOpenWindow) {
    const std::vector<StepCase> cases = {
        {"typed value",
         &WindowSet::enginePower,
         {},
         [](E2EGame&, QWidget* w) { Type(w, "Edit16", "321"); },
         "Engine power: "},
        {"slider",
         &WindowSet::enginePower,
         {},
         [](E2EGame&, QWidget* w) {
             auto* bar = w->findChild<QAbstractSlider*>("TrackBar3");
             bar->setFocus();
             QTest::keyClick(bar,
                             bar->value() == bar->maximum() ? Qt::Key_PageDown : Qt::Key_PageUp);
         },
         "Engine power: "},
        {"colour click",
         &WindowSet::cockpitColours,
         {},
         [](E2EGame&, QWidget* w) {
             auto* list = w->findChild<QListWidget*>();
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->item(1)).center());
             QWidget* image = w->findChild<QWidget*>("WinGImage1");
             QTest::mouseClick(image, Qt::LeftButton, {}, SwatchPoint(150));
         },
         "Cockpit colors: "},
        {"list drag",
         &WindowSet::pitLine,
         {},
         [](E2EGame&, QWidget* w) {
             auto* list = w->findChild<QListWidget*>("ListBox1");
             QWidget* viewport = list->viewport();
             const QPoint from = list->visualItemRect(list->item(0)).center();
             const QPoint to = list->visualItemRect(list->item(2)).center();
             QTest::mousePress(viewport, Qt::LeftButton, {}, from);
             for (int step = 1; step <= 4; ++step) {
                 const QPoint at = from + (to - from) * step / 4;
                 QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                                  Qt::LeftButton, Qt::NoModifier);
                 QApplication::sendEvent(viewport, &move);
             }
             QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
         },
         "Pit line settings: "},
        {"check box",
         &WindowSet::pitLine,
         {},
         [](E2EGame&, QWidget* w) {
             QTest::mouseClick(w->findChild<QCheckBox*>("CheckBox951"), Qt::LeftButton);
         },
         "Pit line settings: "},
        {"Load settings",
         nullptr,
         {},
         [](E2EGame& game, QWidget*) {
             const std::string path = WriteChangedSettings(game, "KIMI97.GIA");
             game.dialogs.fileAnswers = {QString::fromStdString(path)};
             Trigger(game, "Loadsettings1");
         },
         "Load settings KIMI97.GIA"},
        {"A settings file the editor is opened with",
         nullptr,
         {},
         [](E2EGame& game, QWidget*) {
             game.main->OpenSettingsFile(WriteChangedSettings(game, "Opened.gia"));
         },
         "Load settings Opened.gia"},
        {"Restore original data", &WindowSet::enginePower, TypePower,
         [](E2EGame&, QWidget* w) { E2EGame::Click(w, "Restore original data"); },
         "Restore original data"},
        {"Restore original settings", nullptr, TypePower,
         [](E2EGame& game, QWidget*) { Trigger(game, "Restoreoriginalsettings1"); },
         "Restore original settings"},
        {"Import data from game", &WindowSet::enginePower, TypePower,
         [](E2EGame&, QWidget* w) { E2EGame::Click(w, "Import data"); },
         "Import data from game: Engine power"},
        {"Import data from game in the track editor", &WindowSet::trackEditor, TypeTrack,
         [](E2EGame&, QWidget* w) { E2EGame::Click(w, "Import data"); },
         "Import data from game: Track editor"},
        {"Import all", &WindowSet::enginePower, TypePower,
         [](E2EGame& game, QWidget*) { game.ImportAll(); }, "Import all data"},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        E2EGame game(0, true);
        TMainForm& main = game.Start();
        main.show();
        QWidget* window = c.window ? main.Windows().*(c.window) : &main;
        ShowWindow(window);
        if (c.prepare)
            c.prepare(game);
        ShowWindow(window);
        const SettingsRecord before = game.state.record;
        const QStringList shownBefore = Showing(window);

        c.act(game, window);
        QApplication::processEvents();
        const SettingsRecord after = game.state.record;
        ASSERT_NE(after, before) << "the action changed nothing";
        const QStringList shownAfter = Refilled(window);
        auto* undo = main.findChild<QAction*>("Undo1");
        ASSERT_NE(undo, nullptr);
        EXPECT_TRUE(undo->text().startsWith("&Undo " + c.step)) << undo->text().toStdString();

        Press(window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(game.state.record, before);
        EXPECT_EQ(Showing(window), shownBefore);
        EXPECT_TRUE(main.findChild<QAction*>("Redo1")->text().startsWith("&Redo " + c.step));

        Press(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(game.state.record, after);
        EXPECT_EQ(Showing(window), shownAfter);

        Press(window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(game.state.record, before);
        Press(window, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(game.state.record, after);
        EXPECT_EQ(Showing(window), shownAfter);
        window->hide();
    }
}

TEST(UndoSteps, TheEditMenuFollowsFileAndNamesTheSteps) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    QStringList menus;
    for (QAction* menu : main.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus.mid(0, 3), QStringList({"&File", "&Edit", "&Options"}));
    auto* undo = main.findChild<QAction*>("Undo1");
    auto* redo = main.findChild<QAction*>("Redo1");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // Steps made in several windows come back one by one, newest first, and an export in
    // between is no step.
    const SettingsRecord start = game.state.record;
    TypePower(game);
    const SettingsRecord typed = game.state.record;
    QWidget* pitLine = main.Windows().pitLine;
    ShowWindow(pitLine);
    QTest::mouseClick(pitLine->findChild<QCheckBox*>("CheckBox951"), Qt::LeftButton);
    QApplication::processEvents();
    const SettingsRecord checked = game.state.record;
    E2EGame::Click(pitLine, "Export data");
    EXPECT_EQ(game.state.record, checked);
    EXPECT_EQ(main.Steps()->History().Steps(), 2u);
    EXPECT_TRUE(undo->text().startsWith("&Undo Pit line settings: "));
    undo->trigger();
    EXPECT_EQ(game.state.record, typed);
    EXPECT_TRUE(undo->text().startsWith("&Undo Engine power: "));
    undo->trigger();
    EXPECT_EQ(game.state.record, start);
    EXPECT_FALSE(undo->isEnabled());
    redo->trigger();
    redo->trigger();
    EXPECT_EQ(game.state.record, checked);
    EXPECT_FALSE(redo->isEnabled());
    pitLine->hide();
    main.Windows().enginePower->hide();
}

// Typing a name is one step from the first key to leaving the box, however many keys it took.
TEST(UndoSteps, TypingInOneBoxIsOneStepThatOneUndoTakesBack) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    QWidget* names = main.Windows().names;
    ShowWindow(names);
    auto* team = names->findChild<QComboBox*>("ComboBox5");
    ASSERT_NE(team, nullptr);
    const QString old = team->currentText();
    const SettingsRecord before = game.state.record;
    team->setFocus();
    team->lineEdit()->selectAll();
    QTest::keyClicks(team->lineEdit(), old == "Nuovo" ? "Altro" : "Nuovo");
    QApplication::processEvents();
    ASSERT_NE(game.state.record, before);
    EXPECT_EQ(main.Steps()->History().Steps(), 0u) << "a step before the box was left";

    Press(names, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game.state.record, before);
    EXPECT_EQ(team->currentText(), old);
    EXPECT_EQ(main.Steps()->History().Steps(), 1u);

    // Leaving the box ends the step: the next box's typing is a step of its own.
    Press(names, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    const SettingsRecord typed = game.state.record;
    team->lineEdit()->selectAll();
    QTest::keyClicks(team->lineEdit(), "Rossa");
    QTest::keyClick(team->lineEdit(), Qt::Key_Tab);
    QApplication::processEvents();
    auto* second = names->findChild<QComboBox*>("ComboBox6");
    second->setFocus();
    second->lineEdit()->selectAll();
    QTest::keyClicks(second->lineEdit(), "Nera");
    QApplication::processEvents();
    Press(names, Qt::Key_Z, Qt::ControlModifier);
    Press(names, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game.state.record, typed);
    names->hide();
}

// A step is named in the user's language: the window as it titles itself, the field by its
// translated wording. Every field of the table has one.
TEST(UndoSteps, AStepIsNamedInTheUsersLanguage) {
    const Language german(QStringLiteral("de"));
    for (const fields::Field& field : fields::Fields()) {
        const std::string wording = FieldWording(field.key);
        EXPECT_NE(std::find(FieldWordings().begin(), FieldWordings().end(), wording),
                  FieldWordings().end())
            << field.key;
        EXPECT_NE(QCoreApplication::translate("psn::Fields", wording.c_str()).toStdString(),
                  wording)
            << field.key;
    }
    EXPECT_EQ(FieldWording("team 12 1st driver number"), "team %1 1st driver number");

    E2EGame game(0, true);
    TMainForm& main = game.Start();
    QWidget* names = main.Windows().names;
    ShowWindow(names);
    auto* team = names->findChild<QComboBox*>("ComboBox5");
    const QString old = team->currentText();
    team->setFocus();
    team->lineEdit()->selectAll();
    QTest::keyClicks(team->lineEdit(), old == "Nuovo" ? "Altro" : "Nuovo");
    QApplication::processEvents();
    Press(names, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(team->currentText(), old);
    const QString redo = main.findChild<QAction*>("Redo1")->text();
    EXPECT_TRUE(redo.startsWith("&Wiederherstellen: " + names->windowTitle().trimmed() + ": Team "))
        << redo.toStdString();
    EXPECT_NE(names->windowTitle().trimmed(), "Names and numbers");
    names->hide();
}

// Undo refills the open windows where they stand, at their size.
TEST(UndoSteps, NoWindowMovesOrResizesOnUndo) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    main.show();
    for (QWidget* WindowSet::*which : {&WindowSet::names, &WindowSet::enginePower,
                                       &WindowSet::pitCrewColours, &WindowSet::trackEditor}) {
        QWidget* window = main.Windows().*which;
        ShowWindow(window);
        // Where the window manager put it, its frame around it, away from the centre the editor
        // computed before the frame was known; the user did not move it.
        window->move(window->pos() + QPoint(0, 30));
        window->setAttribute(Qt::WA_Moved, false);
        const QRect placed = window->geometry();
        game.state.record.setU16(rec::kPitSpeed, game.state.record.u16(rec::kPitSpeed) ^ 0x40);
        main.Steps()->Flush();
        Press(window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(window->geometry(), placed) << window->windowTitle().toStdString();
        Press(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(window->geometry(), placed) << window->windowTitle().toStdString();
        window->hide();
    }
}

} // namespace
} // namespace psn::test
