// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stepping a whole table column up or down by the amount in a window's box.
#pragma once

#include <cstdint>

namespace psn {

// `value` moved by `sign` times `step`, kept within 0..maximum also when a negative step would
// wrap the word around. A step that moves away from the range's end leaves a value above the
// maximum where it lands, as the windows always have.
std::uint16_t SteppedValue(std::uint16_t value, int sign, std::int64_t step, std::int64_t maximum);

} // namespace psn
