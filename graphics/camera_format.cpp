// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/camera_format.h"

#include "core/number_text.h"

#include <cmath>

namespace psn::camera {

std::string AngleText(std::int16_t word, char mark) {
    return FixedText(RoundToSignificant(word * 180.0 / 32768.0, 3), 3, mark);
}

std::uint16_t AngleWord(double degrees) {
    // fmod keeps the low 16 bits of any finite value without an out-of-range conversion.
    const double steps = std::nearbyint(degrees / 180.0 * 32768.0);
    double low = std::fmod(steps, 65536.0);
    if (low < 0)
        low += 65536.0;
    return static_cast<std::uint16_t>(low);
}

} // namespace psn::camera
