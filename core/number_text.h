// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Decimal numbers as boxes show them and users type them, whatever the C library's locale:
// the user may type "." or "," as the decimal mark, and numbers are shown with the mark the
// caller gives (the user's locale's). Integers are StrToInt's (core/int_conv.h): they never take
// a thousands separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace psn {

// A decimal number with an optional sign, at most one decimal mark ("." or ","), an optional
// exponent and blanks around it; nothing else (no thousands separators, hexadecimal, infinities
// or not-a-number). Values beyond the range of a double are not numbers.
[[nodiscard]] std::optional<double> StrToFloat(std::string_view text);

// Fixed notation with `decimals` digits after `mark` ("-27,500" for -27.5, 3 and ',').
std::string FixedText(double value, int decimals, char mark);

// The value rounded to `digits` significant decimal digits, as "%.*e" would print it.
double RoundToSignificant(double value, int digits);

} // namespace psn
