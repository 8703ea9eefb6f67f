// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
