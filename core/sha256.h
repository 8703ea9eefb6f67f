// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// SHA-256, for naming stored files by their content: small enough to keep in the core, which
// thereby needs no cryptography library in any build (the fuzz build included).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace psn {

class Sha256 {
public:
    Sha256();
    void Add(std::span<const std::uint8_t> bytes);
    // The digest of everything added; the object is spent afterwards.
    std::array<std::uint8_t, 32> Finish();

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> buffer_{};
    std::size_t buffered_ = 0;
    std::uint64_t length_ = 0;
};

// The digest of `bytes` in lower-case hexadecimal (64 characters).
std::string Sha256Hex(std::span<const std::uint8_t> bytes);
// Whether `text` has the form of such a digest.
bool IsSha256Hex(std::string_view text);

} // namespace psn
