// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard alone reaches every command: each menu item by its mnemonic and by Return in the
// open menu, each button of each window by Tab, and runs it with Space.
#include "e2e_fixture.h"
#include "editor_windows.h"
#include "ui/enter_as_tab.h"
#include "ui/picture_button.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <set>

namespace psn {
namespace {

using test::E2EGame;

// Closes whatever modal window a command opens, so that the walk goes on.
class ModalCloser {
public:
    explicit ModalCloser(QWidget* keep) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [keep] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != keep && !QApplication::activePopupWidget())
                modal->close();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->windowTitle().toStdString();
}

QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '&') {
            if (text[i + 1] != '&')
                return text[i + 1].toLower();
            ++i;
        }
    return {};
}

Qt::Key KeyOf(QChar letter) {
    return static_cast<Qt::Key>(Qt::Key_A + (letter.toLatin1() - 'a'));
}

// Opens a top-level menu as Alt and its letter do, and returns it open.
QMenu* OpenByAlt(QMainWindow& window, QMenu* menu) {
    QTest::keyClick(&window, KeyOf(Mnemonic(menu->title())), Qt::AltModifier);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

TEST(KeyboardMenus, EveryItemHasItsOwnMnemonicAndRunsByItOrByReturn) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    ShowActive(&main);
    ModalCloser closer(&main);
    QList<QMenu*> menus;
    for (QAction* top : main.menuBar()->actions())
        if (top->menu())
            menus << top->menu();
    ASSERT_GE(menus.size(), 3);
    std::set<QChar> menuLetters;
    int items = 0;
    for (QMenu* menu : menus) {
        SCOPED_TRACE(menu->title().toStdString());
        ASSERT_FALSE(Mnemonic(menu->title()).isNull());
        EXPECT_TRUE(menuLetters.insert(Mnemonic(menu->title())).second);
        std::set<QChar> letters;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            SCOPED_TRACE(action->text().toStdString());
            const QChar letter = Mnemonic(action->text());
            ASSERT_FALSE(letter.isNull());
            EXPECT_TRUE(letters.insert(letter).second) << "shared mnemonic";
            if (action->objectName() == "Exit1")
                continue; // ending the program is tested on its own
            if (!action->isEnabled())
                continue; // Undo and Redo with nothing to undo or redo
            ++items;
            for (const bool byReturn : {false, true}) {
                SCOPED_TRACE(byReturn ? "Return" : "mnemonic");
                QSignalSpy triggered(action, &QAction::triggered);
                ShowActive(&main); // a window the last item opened may have taken it over
                QMenu* open = OpenByAlt(main, menu);
                ASSERT_EQ(open, menu);
                if (byReturn) {
                    for (int down = 0; down < 20 && open->activeAction() != action; ++down)
                        QTest::keyClick(open, Qt::Key_Down);
                    ASSERT_EQ(open->activeAction(), action);
                    QTest::keyClick(open, Qt::Key_Return);
                } else {
                    QTest::keyClick(open, KeyOf(letter));
                }
                EXPECT_EQ(triggered.count(), 1);
                EXPECT_FALSE(menu->isVisible());
            }
        }
    }
    EXPECT_GE(items, 10);
    EXPECT_TRUE(game.exits.empty());
}

TEST(KeyboardMenus, CtrlQAndCtrlXEndTheProgram) {
    for (const Qt::Key key : {Qt::Key_Q, Qt::Key_X}) {
        E2EGame game(0, true);
        TMainForm& main = game.Start();
        ShowActive(&main);
        QTest::keyClick(&main, key, Qt::ControlModifier);
        EXPECT_FALSE(main.isVisible()) << QKeySequence(key).toString().toStdString();
    }
}

// The main window's buttons in the order a user sees them, column by column.
TEST(KeyboardMainWindow, TabFollowsTheButtonsColumnByColumn) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    ShowActive(&main);
    main.findChild<QWidget*>("NamesButton")->setFocus();
    QStringList order;
    for (int i = 0; i < 20 && !order.contains(main.focusWidget()->objectName()); ++i) {
        order << main.focusWidget()->objectName();
        QTest::keyClick(main.focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"NamesButton", "PowerButton", "GripButton", "FailureButton",
                                  "TuningButton", "NosesButton", "PitLaneButton",
                                  "CockpitColoursButton", "PitCrewButton", "CarJamsButton",
                                  "HelmetsButton", "CamerasButton", "TrackEditorButton",
                                  "CockpitManagerButton", "TrackManagerButton", "ExitButton"}));
    EXPECT_EQ(main.findChild<QWidget*>("CarSetsButton")->focusPolicy(), Qt::NoFocus);
}

// Every command button of every window is reached by Tab and runs with Space; a button that its
// window keeps off the tab chain runs with its Alt shortcut. What a command opens is answered or
// closed.
TEST(KeyboardWindows, EveryButtonRunsFromTheKeyboard) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    const std::vector<QWidget*> windows = test::EditorWindows(main);
    ASSERT_EQ(windows.size(), test::kEditorWindows);
    int buttons = 0;
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        ShowActive(window);
        std::set<QWidget*> reached;
        QWidget* first = nullptr;
        for (int i = 0; i < 400; ++i) {
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Tab);
            QWidget* now = window->focusWidget();
            if (!now)
                continue;
            if (now == first)
                break;
            first = first ? first : now;
            reached.insert(now);
        }
        std::vector<QAbstractButton*> commands;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled() && !button->isCheckable() &&
                !button->text().isEmpty())
                commands.push_back(button);
        ModalCloser closer(window);
        for (QAbstractButton* button : commands) {
            SCOPED_TRACE(button->objectName().toStdString() + " " + button->text().toStdString());
            const bool tabStop = button->focusPolicy() & Qt::TabFocus;
            if (tabStop)
                EXPECT_TRUE(reached.count(button)) << "not reached by Tab";
            else
                ASSERT_FALSE(button->shortcut().isEmpty()) << "off the tab chain, no shortcut";
            if (!window->isVisible())
                ShowActive(window);
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            if (tabStop) {
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Space);
            } else {
                QTest::keySequence(window, button->shortcut());
                clicked.wait(1000); // a shortcut clicks the button after showing it pressed
            }
            EXPECT_EQ(clicked.count(), 1);
            ++buttons;
        }
        window->hide();
        if (!main.isVisible())
            main.show();
    }
    EXPECT_GE(buttons, 40);
    EXPECT_TRUE(game.exits.empty());
}

// Enter moves on between boxes, but keeps its own meaning in a list that acts on it and in a
// dialog opened over the window.
TEST(EnterAsTab, LeavesListsThatActOnEnterAndDialogsAlone) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    auto* acting = new QListWidget(&window);
    acting->addItems({"one", "two"});
    acting->setCurrentRow(1);
    auto* plain = new QListWidget(&window);
    plain->addItems({"one", "two"});
    auto* last = new QLineEdit(&window);
    for (QWidget* widget : std::initializer_list<QWidget*>{first, second, acting, plain, last})
        layout->addWidget(widget);
    QSignalSpy activated(acting, &QListWidget::itemActivated);
    KeepEnter(acting);
    auto* dialog = new QDialog(&window);
    auto* dialogEdit = new QLineEdit(dialog);
    auto* dialogButtons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(dialogButtons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    (new QVBoxLayout(dialog))->addWidget(dialogEdit);
    dialog->layout()->addWidget(dialogButtons);
    InstallEnterAsTab(&window);
    ShowActive(&window);

    struct Case {
        const char* name;
        QWidget* from;
        QWidget* focusAfter; // nullptr: the key acted instead of moving on
    };
    const Case cases[] = {
        {"box", first, second},
        {"list without an action", plain, last},
        {"list that acts on Enter", acting, acting},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.from->setFocus();
        QTest::keyClick(c.from, Qt::Key_Return);
        EXPECT_EQ(window.focusWidget(), c.focusAfter);
    }
    EXPECT_EQ(activated.count(), 1);

    QTimer::singleShot(0, [&] {
        dialogEdit->setFocus();
        QTest::keyClick(dialogEdit, Qt::Key_Return);
    });
    QTimer::singleShot(2000, dialog, &QDialog::reject);
    EXPECT_EQ(dialog->exec(), QDialog::Accepted) << "Return pressed the dialog's default button";
}

} // namespace
} // namespace psn
