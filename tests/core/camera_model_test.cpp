// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/camera_model.h"

#include <gtest/gtest.h>
#include <string>

namespace psn {
namespace {

using Texts = std::array<std::string, kCameraWords>;

// Each camera's row: what a stored entry shows and where it lands.
TEST(CameraModel, EntriesLandInTheChosenCamerasRowAndShowByKind) {
    struct Case {
        int camera;
        int integer;  // stored into every position and tuning word
        double angle; // stored into every angle
        Texts shown;  // X, Z, Y, angle X, angle Z, angle Y, tuning 1, tuning 2
    };
    const Case cases[] = {
        {0, 0, 0.0, {"0", "0", "0", "0.000", "0.000", "0.000", "0", "0"}},
        {4, -1, -90.0, {"-1", "-1", "-1", "-90.000", "-90.000", "-90.000", "65535", "65535"}},
        {8, 70000, 45.0, {"4464", "4464", "4464", "45.000", "45.000", "45.000", "4464", "4464"}},
        {8,
         40000,
         180.0,
         {"-25536", "-25536", "-25536", "-180.000", "-180.000", "-180.000", "40000", "40000"}},
    };
    for (const Case& c : cases) {
        SettingsRecord record;
        CameraModel model(record);
        ASSERT_TRUE(model.ChooseCamera(c.camera));
        for (int w : {kX, kZ, kY, kTuning1, kTuning2})
            model.StoreInteger(w, c.integer);
        for (int w : {kAngleX, kAngleZ, kAngleY})
            model.StoreAngle(w, c.angle);
        EXPECT_EQ(model.Texts('.'), c.shown) << c.camera;
        // Nothing outside the row changed.
        const std::size_t row = rec::kCameras + rec::kCameraRowStride * c.camera;
        for (std::size_t at = 0; at < rec::kSize; ++at) {
            if (at < row || at >= row + 16) {
                ASSERT_EQ(record.u8(at), 0) << c.camera << " at " << at;
            }
        }
    }
}

TEST(CameraModel, OnlyListedCamerasCanBeChosen) {
    SettingsRecord record;
    CameraModel model(record);
    ASSERT_TRUE(model.ChooseCamera(3));
    for (const int row : {-1, 9, 11}) {
        EXPECT_FALSE(model.ChooseCamera(row)) << row;
        EXPECT_EQ(model.Camera(), 3) << row;
    }
    model.StoreAngle(kAngleY, 5.49);
    EXPECT_EQ(model.Texts(',')[kAngleY], "5,490");
}

} // namespace
} // namespace psn
