// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record.h"

#include <algorithm>

namespace psn {

std::uint16_t SettingsRecord::u16(std::size_t offset) const {
    return static_cast<std::uint16_t>(bytes_.at(offset) | (bytes_.at(offset + 1) << 8));
}

void SettingsRecord::setU16(std::size_t offset, std::uint16_t value) {
    bytes_.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    bytes_.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

std::string SettingsRecord::str(std::size_t offset, std::size_t capacity) const {
    const std::size_t length = std::min<std::size_t>(bytes_.at(offset), capacity);
    (void)bytes_.at(offset + capacity); // the whole field must lie inside the record
    return std::string(reinterpret_cast<const char*>(bytes_.data() + offset + 1), length);
}

void SettingsRecord::setStr(std::size_t offset, std::size_t capacity, std::string_view text) {
    (void)bytes_.at(offset + capacity);
    const std::size_t length = std::min(text.size(), capacity);
    bytes_[offset] = static_cast<std::uint8_t>(length);
    std::copy_n(text.begin(), length, bytes_.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

} // namespace psn
