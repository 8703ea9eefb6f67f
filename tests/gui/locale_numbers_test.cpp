// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number boxes under the locales of the game's editions and C: decimals show the locale's mark
// and take "." and ",", integers take no thousands separators, and passing through a box never
// refuses what it shows.
#include "e2e_fixture.h"
#include "editor_fixture.h"
#include "graphics/camera_form.h"
#include "shell/window_set.h"
#include "support/locales.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

using test::kUserLocales;
using test::ScopedLocale;

QString Mark(const std::string& locale) {
    return locale == "C" ? "." : ",";
}

TEST(LocaleNumbers, CameraAnglesShowTheLocalesMarkAndTakeEither) {
    for (const std::string locale : kUserLocales) {
        SCOPED_TRACE(locale);
        const ScopedLocale scoped(locale);
        ASSERT_TRUE(scoped.ok()) << scoped.why();
        test::EditorSession session;
        std::filesystem::copy_file(std::string(PSN_APP_DIR) + "/DATA/Dib3.dib",
                                   session.game.editorDir + "/DATA/Dib3.dib");
        SettingsRecord& r = session.record();
        // X, Z, Y, three angles, two tuning values of camera 1; the angles show exactly.
        const std::uint16_t words[] = {64336, 350, 65535, 60530, 91, 8192, 65535, 7};
        for (int w = 0; w < 8; ++w)
            r.setU16(rec::kCameras + 2 * w, words[w]);
        const SettingsRecord before = r;
        test::ShownForm<TCameraForm> shown(session);
        auto* angle = shown.Find<QLineEdit>("Edit4");
        EXPECT_EQ(angle->text(), "-27" + Mark(locale) + "500");
        EXPECT_EQ(shown.Find<QLineEdit>("Edit6")->text(), "0" + Mark(locale) + "500");

        // Passing through every box takes what it shows.
        for (const char* name :
             {"Edit3", "Edit4", "Edit5", "Edit6", "Edit1", "Edit2", "Edit7", "Edit8"}) {
            shown.Find<QLineEdit>(name)->setFocus();
            QTest::keyClick(shown.Find<QLineEdit>(name), Qt::Key_Tab);
        }
        EXPECT_EQ(session.dialogs.Messages().join("|").toStdString(), "");
        EXPECT_EQ(r.bytes(), before.bytes());

        shown.Enter("Edit4", "12.5");
        shown.Enter("Edit6", "12,5");
        EXPECT_EQ(r.u16(rec::kCameras + 6), 2276);
        EXPECT_EQ(r.u16(rec::kCameras + 8), 2276);

        // A thousands separator makes no integer; the box shows the kept value again, and
        // passing through it once more says nothing.
        shown.Enter("Edit3", "1.000");
        EXPECT_EQ(shown.Find<QLineEdit>("Edit3")->text(), "-1200");
        shown.Find<QLineEdit>("Edit3")->setFocus();
        QTest::keyClick(shown.Find<QLineEdit>("Edit3"), Qt::Key_Tab);
        EXPECT_EQ(session.dialogs.Messages(), QStringList{"'1.000' is not a valid integer value"});
        EXPECT_EQ(r.s16(rec::kCameras), -1200);
    }
}

// Every number box of every window: what it shows has no thousands separator, and passing through
// the boxes twice says nothing and, the second time, changes nothing.
TEST(LocaleNumbers, PassingThroughEveryNumberBoxTakesWhatItShows) {
    const QRegularExpression plain("^-?[0-9]+([.,][0-9]+)?$");
    for (const std::string locale : kUserLocales) {
        SCOPED_TRACE(locale);
        const ScopedLocale scoped(locale);
        ASSERT_TRUE(scoped.ok()) << scoped.why();
        test::E2EGame game(0, true);
        const WindowSet& w = game.Start().Windows();
        for (QWidget* window :
             {w.enginePower, w.grip, w.failures, w.tuning, w.cameras, w.trackEditor}) {
            SCOPED_TRACE(window->windowTitle().toStdString());
            window->show();
            QApplication::setActiveWindow(window);
            QList<QLineEdit*> boxes;
            for (QLineEdit* box : window->findChildren<QLineEdit*>())
                if (box->isVisible() && box->isEnabled() && !box->isReadOnly() &&
                    !box->text().isEmpty())
                    boxes << box;
            SettingsRecord afterFirst;
            for (int pass = 0; pass < 2; ++pass) {
                if (pass == 1)
                    afterFirst = game.state.record;
                for (QLineEdit* box : boxes) {
                    SCOPED_TRACE(box->objectName().toStdString());
                    EXPECT_TRUE(plain.match(box->text()).hasMatch()) << box->text().toStdString();
                    if (box->text().contains(QRegularExpression("[.,]"))) {
                        EXPECT_TRUE(box->text().contains(Mark(locale)));
                    }
                    box->setFocus();
                    QTest::keyClick(box, Qt::Key_Tab);
                }
            }
            EXPECT_EQ(game.state.record.bytes(), afterFirst.bytes());
            window->hide();
        }
        EXPECT_EQ(game.dialogs.Messages().join("|").toStdString(), "");
        EXPECT_TRUE(game.exits.empty());
    }
}

} // namespace
} // namespace psn
