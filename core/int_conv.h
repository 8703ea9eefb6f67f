// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace psn {

// Converts text to a 32-bit integer with the rules of the original runtime: leading blanks are
// skipped, an optional sign, decimal digits or "$" followed by hexadecimal digits, and nothing
// after the digits; values outside the 32-bit range are not integers.
[[nodiscard]] std::optional<std::int32_t> StrToInt(std::string_view text);

} // namespace psn
