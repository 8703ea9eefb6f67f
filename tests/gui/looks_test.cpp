// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window readable under a light and a dark colour scheme, with its texts whole at any
// desktop font size; the shipped pictures sharp at twice the pixel density. The same tests run
// at scale 2 in gui2x_tests.
#include "all_windows.h"
#include "editors/failures_form.h"
#include "editors/grip_form.h"
#include "editors/names_form.h"
#include "editors/noses_form.h"
#include "editors/pitline_form.h"
#include "editors/power_form.h"
#include "editors/tuning_form.h"
#include "graphics/camera_form.h"
#include "graphics/ccolors_form.h"
#include "graphics/helmet_form.h"
#include "graphics/jam_form.h"
#include "graphics/pccolors_form.h"
#include "shell/des_form.h"
#include "shell/ie_form.h"
#include "shell/main_form.h"
#include "shell/path_form.h"
#include "shell/pictures.h"
#include "shell/window_set.h"
#include "shell_fixture.h"
#include "tracks/car_set_form.h"
#include "tracks/cockpit_manager_form.h"
#include "tracks/track_ed_form.h"
#include "tracks/track_manager_form.h"
#include "ui/font_scale.h"
#include "ui/picture_button.h"
#include "ui/readable_colours.h"
#include "widest_record.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace psn::test {
namespace {

// Sets the application's font or palette for one test and puts it back after.
struct AppLooks {
    AppLooks() : font(QApplication::font()), palette(QApplication::palette()) {}
    ~AppLooks() {
        QApplication::setFont(font);
        QApplication::setPalette(palette);
    }
    QFont font;
    QPalette palette;
};

QString Describe(const QWidget* window, const QWidget* widget, const QString& text) {
    return window->objectName() + "/" + widget->objectName() + " \"" + text + "\"";
}

// Where the widget draws its text, in its own coordinates; empty for widgets without text of
// their own or with pictures.
QRect TextArea(const QWidget* widget, QString* text) {
    const QFontMetrics metrics = widget->fontMetrics();
    QStyle* style = widget->style();
    if (qobject_cast<const PictureButton*>(widget))
        return {};
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        *text = label->text();
        if (!label->pixmap().isNull() || text->trimmed().isEmpty() || label->wordWrap())
            return {};
        return metrics.boundingRect(label->contentsRect(), int(label->alignment()), *text);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        *text = button->text();
        if (text->trimmed().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = *text;
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
            const QRect room = style->subElementRect(qobject_cast<const QCheckBox*>(button)
                                                         ? QStyle::SE_CheckBoxContents
                                                         : QStyle::SE_RadioButtonContents,
                                                     &option, button);
            return metrics.boundingRect(
                room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, *text);
        }
        const QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return metrics.boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, *text);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        *text = box->title();
        if (text->trimmed().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = *text;
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    }
    return {};
}

// The contrast of the text drawn in `area` of the picture: its most common colour is the
// background, the pixel farthest from it the text.
double TextContrast(const QImage& picture, const QRect& area) {
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y)];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, ContrastRatio(QColor(background), QColor(it.key())));
    return best;
}

TEST(ReadableColours, DesignColoursKeepTheirHueAndReachTheContrast) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(Qt::gray, Qt::gray), 1.0, 1e-9);
    struct Case {
        QColor design, background;
        bool keptAsIs;
    };
    const QColor lightButton(239, 239, 239), darkButton(49, 54, 59), darkWindow(42, 46, 50);
    const Case cases[] = {
        {Qt::blue, Qt::white, true},
        {Qt::red, lightButton, false}, // pure red on light grey is 3.6 : 1
        {Qt::red, darkButton, false},
        {Qt::blue, darkWindow, false},
        {QColor(0, 0, 128), darkButton, false},
        {QColor(0, 0, 128), lightButton, true},
        {QColor(255, 255, 0), Qt::white, false},
        {Qt::white, Qt::white, false}, // no hue to keep: black
    };
    for (const Case& c : cases) {
        const QColor readable = ReadableOn(c.design, c.background);
        const std::string what = (c.design.name() + " on " + c.background.name()).toStdString();
        EXPECT_GE(ContrastRatio(readable, c.background), 4.5) << what;
        EXPECT_EQ(readable == c.design, c.keptAsIs)
            << what << " became " << readable.name().toStdString();
        if (c.design.hslSaturation() > 0 && readable.hslSaturation() > 0) {
            EXPECT_NEAR(readable.hslHueF(), c.design.hslHueF(), 0.01) << what;
        }
    }
}

// A scheme changed while the editor runs takes the design colours along.
TEST(ReadableColours, FollowTheSchemeWhenItChanges) {
    const AppLooks restore;
    ShellFixture f;
    QApplication::setPalette(QApplication::style()->standardPalette());
    TInstCForm window(f.context);
    auto* install = window.findChild<QPushButton*>("BitBtn2");
    auto* title = window.findChild<QGroupBox*>("GroupBox1");
    auto* radio = window.findChild<QRadioButton*>("RadioButton1");
    ASSERT_TRUE(install && title && radio);
    const QColor lightRed = install->palette().color(QPalette::ButtonText);
    for (const QPalette& scheme :
         {DarkDesktopPalette(), QApplication::style()->standardPalette()}) {
        QApplication::setPalette(scheme);
        QCoreApplication::processEvents();
        const QPalette p = install->palette();
        EXPECT_GE(ContrastRatio(p.color(QPalette::ButtonText), p.color(QPalette::Button)), 4.5);
        EXPECT_GE(ContrastRatio(title->palette().color(QPalette::WindowText),
                                title->palette().color(QPalette::Window)),
                  4.5);
        EXPECT_EQ(radio->palette().color(QPalette::WindowText), scheme.color(QPalette::WindowText));
    }
    EXPECT_EQ(install->palette().color(QPalette::ButtonText), lightRed);
}

// Every label, button, check box, radio button and group title of every window, rendered,
// shows its text at 4.5 : 1 or more against its background, in a light and a dark scheme.
TEST(Looks, EveryWindowIsReadableInLightAndDarkSchemes) {
    const AppLooks restore;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? DarkDesktopPalette()
                                      : QApplication::style()->standardPalette());
        AllWindows all;
        for (QWidget* window : all.windows) {
            ASSERT_NE(window, nullptr);
            window->show();
            const QImage picture = window->grab().toImage();
            const qreal ratio = picture.devicePixelRatio();
            int measured = 0;
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window) || !widget->isEnabled() ||
                    widget->window() != window)
                    continue;
                QString text;
                const QRect area = TextArea(widget, &text);
                if (area.isEmpty())
                    continue;
                const QRect inWindow(widget->mapTo(window, area.topLeft()) * ratio,
                                     area.size() * ratio);
                EXPECT_GE(TextContrast(picture, inWindow), 4.5)
                    << (dark ? "dark: " : "light: ")
                    << Describe(window, widget, text).toStdString();
                ++measured;
            }
            EXPECT_TRUE(measured > 0 || window == all.main.get())
                << window->objectName().toStdString();
            window->hide();
        }
    }
}

TEST(Looks, FontScaleIsOneUpToTheLayoutsFontAndGrowsBeyond) {
    struct Case {
        int points;
        double low, high;
    };
    const Case cases[] = {{8, 1, 1}, {9, 1, 1}, {10, 1.04, 1.12}, {12, 1.25, 1.4}, {16, 1.6, 1.8}};
    for (const Case& c : cases) {
        const double scale = FontScale(QFont("DejaVu Sans", c.points));
        EXPECT_GE(scale, c.low) << c.points;
        EXPECT_LE(scale, c.high) << c.points;
    }
    EXPECT_EQ(FontScale(QApplication::font()), 1.0) << "the test platform's own font";
}

// Every window's place and size, and those of all its controls.
std::vector<std::string> Geometry(QWidget* window) {
    std::vector<std::string> all;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (const QWidget* widget : widgets) {
        const QRect g = widget->geometry();
        all.push_back(QString("%1 %2 %3,%4 %5x%6")
                          .arg(widget->metaObject()->className(), widget->objectName())
                          .arg(g.x())
                          .arg(g.y())
                          .arg(g.width())
                          .arg(g.height())
                          .toStdString());
    }
    return all;
}

// The entries that differ.
std::string Changes(const std::vector<std::string>& was, const std::vector<std::string>& is) {
    std::string changes;
    for (std::size_t i = 0; i < std::min(was.size(), is.size()); ++i)
        if (was[i] != is[i])
            changes += was[i] + " -> " + is[i] + "\n";
    return was.size() == is.size() ? changes : changes + "controls added or removed";
}

// At the test platform's own font (the layouts' font) growing with the font changes nothing.
TEST(Looks, AtTheLayoutsFontEveryWindowKeepsItsDesign) {
    ShellFixture f;
    f.WriteConfigFile();
    using Make = std::function<QWidget*(AppContext&)>;
    const Make makers[] = {
        [](AppContext& c) { return new TNamesForm(c); },
        [](AppContext& c) { return new TEPowerForm(c); },
        [](AppContext& c) { return new TGripForm(c); },
        [](AppContext& c) { return new TPitLineForm(c); },
        [](AppContext& c) { return new TFailuresForm(c); },
        [](AppContext& c) { return new TNosesForm(c); },
        [](AppContext& c) { return new TCTuningForm(c); },
        [](AppContext& c) { return new TInstCForm(c); },
        [](AppContext& c) { return new Tinsttform(c); },
        [](AppContext& c) { return new TCameraForm(c); },
        [](AppContext& c) { return new TInstCarSetForm(c); },
        [](AppContext& c) { return new TCColorsForm(c); },
        [](AppContext& c) { return new TPCColorsForm(c); },
        [](AppContext& c) { return new TIEForm(c); },
        [](AppContext& c) { return new TDesForm(c); },
        [](AppContext& c) { return new THelmetForm(c); },
        [](AppContext& c) { return new TJamForm(c); },
        [](AppContext& c) { return new TTrackEdForm(c); },
        [](AppContext& c) { return new TPathForm(c); },
    };
    for (const Make& make : makers) {
        std::unique_ptr<QWidget> window(make(f.context));
        const std::vector<std::string> designed = Geometry(window.get());
        FitToFont(window.get());
        EXPECT_EQ(Changes(designed, Geometry(window.get())), "");
        window->show();
        const std::vector<std::string> shown = Geometry(window.get());
        window->hide();
        FitToFont(window.get());
        EXPECT_EQ(Changes(shown, Geometry(window.get())), "");
    }
}

// At 9, 10, 12 and 16 pt no text is cut: each fits the room its control gives it; at the layout's
// own font every window keeps its designed size.
// A control by what it is and shows and where it sits, the same at any font.
std::string Key(const QWidget* widget, const QWidget* window) {
    if (widget == window)
        return {};
    QString text;
    TextArea(widget, &text);
    return Key(widget->parentWidget(), window) + "/" + widget->metaObject()->className() + " " +
           widget->objectName().toStdString() + " \"" + text.toStdString() + "\"";
}

// Pairs of controls that the window places side by side in one container and that overlap.
using Overlaps = std::set<std::pair<std::string, std::string>>;
Overlaps OverlapsOf(QWidget* window) {
    QList<QWidget*> placed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QWidget* parent = widget->parentWidget();
        const QMetaObject* meta = parent->metaObject();
        if (widget->isVisibleTo(window) && !widget->isWindow() &&
            (parent == window || qobject_cast<const QGroupBox*>(parent) ||
             meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject))
            placed << widget;
    }
    Overlaps pairs;
    for (const QWidget* a : placed)
        for (const QWidget* b : placed)
            if (a < b && a->parentWidget() == b->parentWidget() &&
                a->geometry().intersects(b->geometry()))
                pairs.insert(std::minmax(Key(a, window), Key(b, window)));
    return pairs;
}

TEST(Looks, EveryWindowShowsItsTextsWholeAtAnyFontSize) {
    const AppLooks restore;
    std::vector<QSize> designed;
    std::vector<Overlaps> designedOverlaps;
    for (const int points : {9, 10, 12, 16}) {
        QApplication::setFont(QFont("DejaVu Sans", points));
        AllWindows all;
        all.f.game.state.record = WidestRecord(all.f.game.state.record);
        for (std::size_t i = 0; i < all.windows.size(); ++i) {
            QWidget* window = all.windows[i];
            window->show();
            if (points == 9) {
                designed.push_back(window->size());
                designedOverlaps.push_back(OverlapsOf(window));
            } else {
                // The fixed windows grow as a whole.
                if (window != all.main.get()) {
                    EXPECT_GT(window->width(), designed[i].width())
                        << points << " pt: " << window->metaObject()->className();
                }
                // Controls that grew for their text cover none they did not cover before.
                for (const auto& pair : OverlapsOf(window)) {
                    EXPECT_TRUE(designedOverlaps[i].count(pair))
                        << points << " pt: " << window->objectName().toStdString() << ": "
                        << pair.first << " covers " << pair.second;
                }
            }
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window) || widget->window() != window)
                    continue;
                QString text;
                TextArea(widget, &text);
                EXPECT_LE(TextOverflow(widget), 0)
                    << points << " pt: " << Describe(window, widget, text).toStdString();
                EXPECT_LE(ItemOverflow(widget), 0)
                    << points << " pt: " << Describe(window, widget, "rows").toStdString();
                EXPECT_GE(widget->font().pointSizeF(), window->font().pointSizeF())
                    << points << " pt: " << Describe(window, widget, text).toStdString();
            }
            window->hide();
        }
    }
}

// The shipped pictures come at twice the size too; at ratio 2 that one is used, marked so that
// Qt draws it pixel for pixel, and anything that is not its exact twin is passed over.
TEST(Looks, PicturesAtTwiceThePixelDensityAreSharp) {
    AppState shipped;
    shipped.startDir = PSN_APP_DIR;
    const qreal screenRatio = qApp->devicePixelRatio();
    for (const char* name :
         {".\\DATA\\BT_NAMES.BMP", ".\\DATA\\BT_EXIT.BMP", ".\\DATA\\START.BMP"}) {
        const QPixmap plain = LoadPicture(shipped, name, 1);
        const QPixmap sharp = LoadPicture(shipped, name, 2);
        ASSERT_FALSE(plain.isNull()) << name;
        EXPECT_EQ(plain.devicePixelRatio(), 1.0) << name;
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << name;
        EXPECT_EQ(sharp.size(), plain.size() * 2) << name;
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(plain.size())) << name;
        EXPECT_EQ(LoadPicture(shipped, name).devicePixelRatio(), screenRatio > 1 ? 2.0 : 1.0)
            << name;
    }

    TempDir dir;
    AppState state;
    state.startDir = dir.str();
    QImage one(4, 3, QImage::Format_RGB32), wrong(6, 6, QImage::Format_RGB32);
    one.fill(Qt::red);
    wrong.fill(Qt::blue);
    ASSERT_TRUE(one.save(QString::fromStdString(dir.str() + "/A.BMP"), "BMP"));
    ASSERT_TRUE(wrong.save(QString::fromStdString(dir.str() + "/A@2x.BMP"), "BMP"));
    ASSERT_TRUE(one.save(QString::fromStdString(dir.str() + "/B.BMP"), "BMP"));
    WriteFileBytes(dir.str() + "/B@2x.BMP", {'B', 'M', 1});
    for (const char* name : {".\\A.BMP", ".\\B.BMP", ".\\C.BMP"}) {
        const QPixmap picture = LoadPicture(state, name, 2);
        EXPECT_EQ(picture.devicePixelRatio(), 1.0) << name;
        EXPECT_EQ(picture.isNull(), std::string(name) == ".\\C.BMP") << name;
    }
    EXPECT_EQ(DoubleSizePath("x/DATA/BT_NAMES.BMP"), "x/DATA/BT_NAMES@2x.BMP");
    EXPECT_EQ(DoubleSizePath("a.b/NAME"), "a.b/NAME@2x");
}

// The main window's buttons show the picture for the screen's density, pixel for pixel.
TEST(Looks, PictureButtonsShowThePictureForTheScreen) {
    AppState shipped;
    shipped.startDir = PSN_APP_DIR;
    const QPixmap picture = LoadPicture(shipped, ".\\DATA\\BT_NAMES.BMP");
    PictureButton button("Names", picture);
    EXPECT_EQ(button.sizeHint(), QSize(173, 59));
    button.resize(button.sizeHint());
    QImage shown = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage expected = picture.toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1);
    expected.setDevicePixelRatio(1);
    EXPECT_EQ(shown.size(), QSize(173, 59) * qApp->devicePixelRatio());
    EXPECT_TRUE(shown == expected);
}

} // namespace
} // namespace psn::test
