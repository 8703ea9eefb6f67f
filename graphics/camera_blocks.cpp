// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/camera_blocks.h"

namespace psn {
namespace {

constexpr int kRows = 11;
constexpr int kWordsPerRow = 8;

} // namespace

void ReadCameras(AppState& state) {
    state.SeekExe(ExeRow::Cameras);
    for (int r = 0; r < kRows; ++r) {
        for (int w = 0; w < kWordsPerRow; ++w)
            state.record.setU16(rec::kCameras + rec::kCameraRowStride * r + 2 * w,
                                state.exe.ReadWord());
        state.exe.Check();
    }
}

void WriteCameras(AppState& state) {
    state.SeekExe(ExeRow::Cameras);
    for (int r = 0; r < kRows; ++r) {
        for (int w = 0; w < kWordsPerRow; ++w)
            state.exe.WriteWord(
                state.record.u16(rec::kCameras + rec::kCameraRowStride * r + 2 * w));
        state.exe.Check();
    }
}

} // namespace psn
