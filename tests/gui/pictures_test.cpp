// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/languages.h"
#include "shell/pictures.h"
#include "support/scratch_game.h"

#include <QDir>
#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

// The editor's own reader must show the shipped pictures exactly as Qt's would, and anything it
// does not read (another colour depth) still loads.
TEST(Pictures, ShippedPicturesLoadAsQtReadsThemAndOtherBitmapsStillLoad) {
    AppState shipped;
    shipped.startDir = PSN_APP_DIR;
    const QStringList names =
        QDir(QString(PSN_APP_DIR) + "/DATA").entryList({"BT_*.BMP", "START.BMP"}, QDir::Files);
    ASSERT_GE(names.size(), 17);
    for (const QString& name : names) {
        const QImage ours = LoadPicture(shipped, (".\\DATA\\" + name).toLatin1().constData())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        const QImage qt =
            QImage(QString(PSN_APP_DIR) + "/DATA/" + name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(qt.isNull()) << name.toStdString();
        EXPECT_EQ(ours, qt) << name.toStdString();
    }

    test::TempDir dir;
    AppState state;
    state.startDir = dir.str();
    QImage colours(7, 5, QImage::Format_RGB32);
    colours.fill(qRgb(10, 200, 30));
    colours.setPixel(3, 1, qRgb(250, 0, 0));
    ASSERT_TRUE(colours.save(QString::fromStdString(dir.str() + "/TRUE.BMP"), "BMP"));
    EXPECT_EQ(LoadPicture(state, ".\\TRUE.BMP").toImage().convertToFormat(QImage::Format_RGB32),
              colours);

    test::WriteFileBytes(dir.str() + "/BAD.BMP", {'B', 'M', 0, 1, 2});
    EXPECT_TRUE(LoadPicture(state, ".\\BAD.BMP").isNull());
    EXPECT_TRUE(LoadPicture(state, ".\\MISSING.BMP").isNull());
}

// Under another language the main window's buttons show that language's labels, at both sizes;
// a picture not drawn per language is the same in every language.
TEST(Pictures, LabelledPicturesFollowTheLanguage) {
    AppState shipped;
    shipped.startDir = PSN_APP_DIR;
    const auto load = [&](const char* name, qreal ratio) {
        return LoadPicture(shipped, name, ratio).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage english = load(".\\DATA\\BT_EXIT.BMP", 1);
    const QImage english2x = load(".\\DATA\\BT_EXIT.BMP", 2);
    const QImage start = load(".\\DATA\\START.BMP", 1);
    for (const QString& code : TranslatedLanguages()) {
        SCOPED_TRACE(code.toStdString());
        const Language language(code);
        const QImage translated = load(".\\DATA\\BT_EXIT.BMP", 1);
        EXPECT_EQ(translated.size(), english.size());
        EXPECT_NE(translated, english);
        const QImage translated2x = load(".\\DATA\\BT_EXIT.BMP", 2);
        EXPECT_EQ(translated2x.size(), english2x.size());
        EXPECT_NE(translated2x, english2x);
        EXPECT_EQ(load(".\\DATA\\START.BMP", 1), start);
    }
    EXPECT_GE(TranslatedLanguages().size(), 5);
}

// Read ahead on a worker thread, a picture shows exactly as read when shown, and only once: the
// next time it is read from the file as it is then.
TEST(Pictures, PrefetchedPicturesShowAsReadDirectlyAndAreTakenOnce) {
    test::TempDir dir;
    AppState state;
    state.startDir = dir.str();
    for (const char* name : {"BT_NAMES.BMP", "START.BMP"})
        std::filesystem::copy_file(std::string(PSN_APP_DIR) + "/DATA/" + name,
                                   dir.str() + "/" + name);
    QImage colours(3, 2, QImage::Format_RGB32);
    colours.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(colours.save(QString::fromStdString(dir.str() + "/TRUE.BMP"), "BMP"));
    const std::vector<const char*> names = {".\\BT_NAMES.BMP", ".\\START.BMP", ".\\TRUE.BMP",
                                            ".\\MISSING.BMP"};
    std::vector<QImage> direct;
    for (const char* name : names)
        direct.push_back(LoadPicture(state, name).toImage());

    PrefetchPictures(state, names);
    for (size_t i = 0; i < names.size(); ++i) {
        const QImage shown = LoadPicture(state, names[i]).toImage();
        EXPECT_EQ(shown, direct[i]) << names[i];
        EXPECT_EQ(shown.format(), direct[i].format()) << names[i];
    }
    colours.fill(qRgb(200, 100, 0));
    ASSERT_TRUE(colours.save(QString::fromStdString(dir.str() + "/TRUE.BMP"), "BMP"));
    EXPECT_EQ(LoadPicture(state, ".\\TRUE.BMP").toImage().convertToFormat(QImage::Format_RGB32),
              colours);
}

} // namespace
} // namespace psn
