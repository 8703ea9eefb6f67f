// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/config.h"

#include <algorithm>

namespace psn {

std::string ConfigRecord::Str(std::size_t offset) const {
    return std::string(reinterpret_cast<const char*>(bytes_.data() + offset + 1), bytes_[offset]);
}

void ConfigRecord::SetStr(std::size_t offset, std::string_view text) {
    const std::size_t length = std::min(text.size(), kPathCapacity);
    bytes_[offset] = static_cast<std::uint8_t>(length);
    std::copy_n(text.begin(), length, bytes_.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

} // namespace psn
