// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The 515-byte configuration record kept in psniaed.set.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace psn {

class ConfigRecord {
public:
    static constexpr std::size_t kSize = 515;
    static constexpr std::size_t kGameDir = 0;
    static constexpr std::size_t kExePath = 256;
    static constexpr std::size_t kEdition = 512;
    static constexpr std::size_t kNamesSource = 513;
    static constexpr std::size_t kCockpitSource = 514;
    static constexpr std::size_t kPathCapacity = 255;

    // The game directory ends with the platform's separator.
    std::string GameDir() const { return Str(kGameDir); }
    void SetGameDir(std::string_view dir) { SetStr(kGameDir, dir); }
    std::string ExePath() const { return Str(kExePath); }
    void SetExePath(std::string_view path) { SetStr(kExePath, path); }
    int Edition() const { return bytes_[kEdition]; }
    void SetEdition(int edition) { bytes_[kEdition] = static_cast<std::uint8_t>(edition); }
    // 1: from F1GSTATE.SAV, 0: from the game executable.
    int NamesSource() const { return bytes_[kNamesSource]; }
    void SetNamesSource(int source) { bytes_[kNamesSource] = static_cast<std::uint8_t>(source); }
    int CockpitSource() const { return bytes_[kCockpitSource]; }
    void SetCockpitSource(int source) {
        bytes_[kCockpitSource] = static_cast<std::uint8_t>(source);
    }

    std::array<std::uint8_t, kSize>& Bytes() { return bytes_; }
    const std::array<std::uint8_t, kSize>& Bytes() const { return bytes_; }

private:
    std::string Str(std::size_t offset) const;
    void SetStr(std::size_t offset, std::string_view text);
    std::array<std::uint8_t, kSize> bytes_{};
};

} // namespace psn
