// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/camera_model.h"

#include "graphics/camera_format.h"

namespace psn {

bool CameraModel::ChooseCamera(int row) {
    if (row < 0 || row >= kCameraCount)
        return false;
    camera_ = row;
    return true;
}

std::size_t CameraModel::WordOffset(int word) const {
    return rec::kCameras + rec::kCameraRowStride * static_cast<std::size_t>(camera_) +
           2 * static_cast<std::size_t>(word);
}

std::array<std::string, kCameraWords> CameraModel::Texts(char decimalMark) const {
    std::array<std::string, kCameraWords> texts;
    for (int w : {kX, kY, kZ})
        texts[w] = std::to_string(record_.s16(WordOffset(w)));
    for (int w : {kAngleX, kAngleY, kAngleZ})
        texts[w] = camera::AngleText(record_.s16(WordOffset(w)), decimalMark);
    for (int w : {kTuning1, kTuning2})
        texts[w] = std::to_string(record_.u16(WordOffset(w)));
    return texts;
}

void CameraModel::StoreInteger(int word, int value) {
    record_.setU16(WordOffset(word), static_cast<std::uint16_t>(value));
}

void CameraModel::StoreAngle(int word, double degrees) {
    record_.setU16(WordOffset(word), camera::AngleWord(degrees));
}

} // namespace psn
