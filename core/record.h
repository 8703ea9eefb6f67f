// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings record: one 2846-byte image of every editable game value, laid out exactly as a
// settings file. 16-bit values are little-endian; strings are a length byte plus fixed capacity.
#pragma once

#include "core/record_map.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace psn {

class SettingsRecord {
public:
    using Bytes = std::array<std::uint8_t, rec::kSize>;

    std::uint8_t u8(std::size_t offset) const { return bytes_.at(offset); }
    void setU8(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }

    std::uint16_t u16(std::size_t offset) const;
    void setU16(std::size_t offset, std::uint16_t value);
    std::int16_t s16(std::size_t offset) const { return static_cast<std::int16_t>(u16(offset)); }
    void setS16(std::size_t offset, std::int16_t value) {
        setU16(offset, static_cast<std::uint16_t>(value));
    }

    // A length-prefixed string; a length byte above the capacity is read as the capacity.
    std::string str(std::size_t offset, std::size_t capacity) const;
    // Stores the text cut to the capacity. Character bytes beyond the new length are kept as they
    // are, like the original program, so a saved record reflects what was in memory.
    void setStr(std::size_t offset, std::size_t capacity, std::string_view text);

    Bytes& bytes() { return bytes_; }
    const Bytes& bytes() const { return bytes_; }
    std::span<std::uint8_t> span(std::size_t offset, std::size_t count) {
        return std::span<std::uint8_t>(bytes_).subspan(offset, count);
    }

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;

private:
    Bytes bytes_{};
};

} // namespace psn
