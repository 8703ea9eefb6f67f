// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cameras editor's editing rules, without widgets: the chosen camera, the texts its eight
// words show and what a converted entry stores.
#pragma once

#include "core/record.h"

#include <array>
#include <string>

namespace psn {

constexpr int kCameraCount = 9;

// The words of a camera row, in record order.
enum CameraWord { kX, kZ, kY, kAngleX, kAngleZ, kAngleY, kTuning1, kTuning2 };
constexpr int kCameraWords = 8;

class CameraModel {
public:
    explicit CameraModel(SettingsRecord& record) : record_(record) {}

    int Camera() const { return camera_; }
    // Chooses a list row's camera; false, changing nothing, for a row that is no camera.
    bool ChooseCamera(int row);
    std::size_t WordOffset(int word) const;

    // Positions signed, angles in degrees with the decimal mark, the tuning words unsigned.
    std::array<std::string, kCameraWords> Texts(char decimalMark) const;
    // A converted integer keeps its low 16 bits.
    void StoreInteger(int word, int value);
    void StoreAngle(int word, double degrees);

private:
    SettingsRecord& record_;
    int camera_ = 0;
};

} // namespace psn
