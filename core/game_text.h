// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Game strings are single bytes, one character each; outside the windows they travel as UTF-8.
// Byte b is the character U+00b (the same reading the windows give them), so every byte string
// has exactly one text and goes back byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace psn {

std::string GameBytesToUtf8(std::string_view bytes);
// Nothing when the text is not valid UTF-8 or holds a character above U+00FF.
std::optional<std::string> Utf8ToGameBytes(std::string_view utf8);

} // namespace psn
