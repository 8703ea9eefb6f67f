// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/stepped_value.h"

namespace psn {

std::uint16_t SteppedValue(std::uint16_t value, int sign, std::int64_t step, std::int64_t maximum) {
    std::int64_t result = value + sign * step;
    if (result < 0)
        result = 0;
    else if (result > maximum && (sign > 0 || result > value))
        result = maximum;
    return static_cast<std::uint16_t>(result);
}

} // namespace psn
