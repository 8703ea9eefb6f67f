// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears: every control a user can reach says what it is (not what it
// holds), pictures say what they show, message boxes read their text, and the focus is seen.
#include "e2e_fixture.h"
#include "editor_windows.h"
#include "shell/compare_form.h"
#include "shell/path_form.h"
#include "ui/accessibility.h"
#include "ui/dialogs.h"
#include "ui/picture_button.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace psn {
namespace {

using test::E2EGame;

QString Spoken(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QString();
}

// What the control shows as its value, which must not stand in for its name.
QString Value(QWidget* widget) {
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return box->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* view = qobject_cast<QAbstractItemView*>(widget))
        return view->currentIndex().data().toString();
    return Spoken(widget, QAccessible::Value);
}

void ExpectNamed(QWidget* window) {
    int controls = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool picture = widget->inherits("psn::PictureView") ||
                             widget->inherits("psn::TWinGImage") ||
                             qobject_cast<PictureButton*>(widget);
        // An editable box's own line is spoken as part of its box.
        if (!widget->isVisible() || (!(widget->focusPolicy() & Qt::TabFocus) && !picture) ||
            widget->focusProxy() || qobject_cast<QComboBox*>(widget->parentWidget()))
            continue;
        ++controls;
        const QString name = Spoken(widget, QAccessible::Name);
        SCOPED_TRACE(widget->metaObject()->className() + std::string(" ") +
                     widget->objectName().toStdString() + " '" + name.toStdString() + "'");
        EXPECT_FALSE(name.trimmed().isEmpty());
        if (!Value(widget).isEmpty()) {
            EXPECT_NE(name.toStdString(), Value(widget).toStdString()) << "named by its value";
        }
        if (picture) {
            const QString description = Spoken(widget, QAccessible::Description);
            EXPECT_FALSE(description.isEmpty());
            EXPECT_NE(description.toStdString(), name.toStdString());
        }
    }
    EXPECT_GT(controls, 0);
}

TEST(ScreenReader, EveryReachableControlOfEveryWindowHasANameThatIsNotItsValue) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    std::vector<QWidget*> windows = test::EditorWindows(main);
    ASSERT_EQ(windows.size(), test::kEditorWindows);
    windows.insert(windows.begin(), &main);
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        window->show();
        ExpectNamed(window);
        window->hide();
    }
    {
        SCOPED_TRACE("locating the game");
        TPathForm form(game.context, &main);
        form.show();
        ExpectNamed(&form);
    }
    {
        SCOPED_TRACE("compare with game");
        TCompareForm form(game.context, &main);
        form.show();
        ExpectNamed(&form);
    }
}

// A box without a name takes the label in front of it as its name and buddy; a label further
// away, or one that already names another box, does not count.
TEST(ScreenReader, ABoxIsNamedByTheLabelInFrontOfIt) {
    QWidget window;
    window.setWindowTitle("Tyres");
    window.resize(500, 300);
    auto* beside = new QLabel("Front wing", &window);
    beside->setGeometry(10, 10, 80, 20);
    auto* wing = new QLineEdit("12", &window);
    wing->setGeometry(100, 10, 50, 20);
    auto* above = new QLabel("Tyre type", &window);
    above->setGeometry(10, 50, 80, 20);
    auto* tyre = new QComboBox(&window);
    tyre->addItem("Tyre - A");
    tyre->setGeometry(10, 72, 100, 20);
    auto* lonely = new QLineEdit("7", &window);
    lonely->setGeometry(400, 250, 50, 20);
    auto* literal = new QLabel("Fuel & tyres", &window); // no mnemonic: the '&' is shown
    literal->setGeometry(10, 120, 80, 20);
    auto* fuel = new QLineEdit("9", &window);
    fuel->setGeometry(100, 120, 50, 20);
    auto* named = new QLineEdit("3", &window);
    named->setAccessibleName("Rear wing");
    named->setGeometry(160, 10, 50, 20);
    NameControls(&window);
    EXPECT_EQ(wing->accessibleName().toStdString(), "Front wing");
    EXPECT_EQ(beside->buddy(), wing);
    EXPECT_EQ(tyre->accessibleName().toStdString(), "Tyre type");
    EXPECT_EQ(above->buddy(), tyre);
    EXPECT_EQ(lonely->accessibleName().toStdString(), "Tyres value");
    EXPECT_EQ(fuel->accessibleName().toStdString(), "Fuel & tyres");
    EXPECT_EQ(literal->buddy(), nullptr);
    EXPECT_EQ(named->accessibleName().toStdString(), "Rear wing");
}

TEST(ScreenReader, MessageBoxesReadTheirTitleAndText) {
    QtDialogs dialogs;
    struct Case {
        const char* title;
        std::function<void()> show;
    };
    const Case cases[] = {
        {"Information", [&] { dialogs.Information(nullptr, "Data has been imported!"); }},
        {"Warning", [&] { dialogs.Warning(nullptr, "Data has been imported!"); }},
        {"Error", [&] { dialogs.Error(nullptr, "Data has been imported!"); }},
        {"Confirm", [&] { (void)dialogs.Confirm(nullptr, "Data has been imported!"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        QString name, description;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                name = Spoken(box, QAccessible::Name);
                description = Spoken(box, QAccessible::Description);
                box->close();
            }
        });
        c.show();
        EXPECT_EQ(name.toStdString(), c.title);
        EXPECT_EQ(description.toStdString(), "Data has been imported!");
    }
}

// Every control a user can reach by Tab shows where the focus is: moving the focus onto it from
// another control changes enough of its pixels to be seen. A text area shows it by its caret, as
// on every desktop.
TEST(ScreenReader, TheFocusIsSeenOnEveryReachableControl) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    std::vector<QWidget*> windows = test::EditorWindows(main);
    windows.insert(windows.begin(), &main);
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0); // a caret that does not blink
    int controls = 0;
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        window->show();
        QList<QWidget*> reachable;
        for (QWidget* widget : window->findChildren<QWidget*>())
            if (widget->isVisible() && widget->isEnabled() &&
                (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
                !qobject_cast<QComboBox*>(widget->parentWidget()))
                reachable << widget;
        for (QWidget* widget : reachable) {
            SCOPED_TRACE(widget->metaObject()->className() + std::string(" ") +
                         widget->objectName().toStdString());
            QApplication::setActiveWindow(window);
            // As after a Tab press: styles draw the focus only once the keyboard has moved it.
            window->setAttribute(Qt::WA_KeyboardFocusChange);
            (widget == reachable.front() ? reachable.back() : reachable.front())->setFocus();
            const QImage before = widget->grab().toImage();
            // A dialog's default button already wears the frame its focus would give it.
            auto* button = qobject_cast<QPushButton*>(widget);
            const bool wasDefault = button && button->isDefault();
            widget->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(widget->hasFocus());
            const QImage after = widget->grab().toImage();
            ASSERT_EQ(before.size(), after.size());
            int changed = 0;
            for (int y = 0; y < before.height(); ++y)
                for (int x = 0; x < before.width(); ++x)
                    changed += before.pixel(x, y) != after.pixel(x, y);
            const bool caret = qobject_cast<QPlainTextEdit*>(widget) != nullptr;
            if (!wasDefault) {
                EXPECT_GE(changed, caret ? 1 : std::min(before.width(), before.height()))
                    << "focus seen on " << changed << " pixels";
            }
            ++controls;
        }
        window->hide();
    }
    QApplication::setCursorFlashTime(flashTime);
    EXPECT_GT(controls, 50);
}

// The focused picture button wears a solid frame in the palette's highlight colour.
TEST(ScreenReader, AFocusedPictureButtonShowsAFrameInTheHighlightColour) {
    QWidget window;
    QPixmap picture(173, 59);
    picture.fill(Qt::darkGreen);
    auto* button = new PictureButton("Cameras", picture, &window);
    button->setGeometry(0, 0, 173, 59);
    auto* other = new QLineEdit(&window);
    other->setGeometry(0, 70, 50, 20);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QColor highlight = button->palette().color(QPalette::Highlight);
    for (const bool focused : {false, true}) {
        (focused ? static_cast<QWidget*>(button) : other)->setFocus();
        const QImage face = button->grab().toImage();
        for (const QPoint at : {QPoint(1, 1), QPoint(86, 1), QPoint(171, 30), QPoint(2, 57)})
            EXPECT_EQ(face.pixelColor(at) == highlight, focused)
                << focused << " at " << at.x() << "," << at.y();
    }
}

} // namespace
} // namespace psn
