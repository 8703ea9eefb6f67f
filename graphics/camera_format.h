// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How camera angles are shown and stored: degrees in a signed word where 32768 steps make 180
// degrees. What the user types is converted by StrToFloat (core/number_text.h).
#pragma once

#include <cstdint>
#include <string>

namespace psn::camera {

// word x 180 / 32768, rounded to three significant digits, with three decimals after the decimal
// mark ("5.490", "5,490").
std::string AngleText(std::int16_t word, char mark = '.');

// degrees / 180 x 32768, rounded to the nearest integer (halves to even), low 16 bits.
std::uint16_t AngleWord(double degrees);

} // namespace psn::camera
