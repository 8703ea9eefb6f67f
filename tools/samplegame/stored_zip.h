// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ZIP archives written byte by byte, stored without compression: the sample season pack needs no
// archive library, and tests and fuzz seeds can hold what no well-behaved archiver writes: links,
// devices, names that lead out, the same name twice.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <vector>

// The archive holds Unix file types wherever it is made; Windows' headers have no links.
#ifndef S_IFLNK
#define S_IFLNK 0120000
#endif

namespace psn::sample {

struct ZipEntry {
    std::string name;
    std::vector<std::uint8_t> data;
    unsigned mode = S_IFREG | 0644; // the Unix type and permissions the archive claims
};

inline std::uint32_t Crc32(const std::vector<std::uint8_t>& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes)
        crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

inline std::vector<std::uint8_t> MakeZip(const std::vector<ZipEntry>& entries) {
    std::vector<std::uint8_t> out, central;
    const auto put = [](std::vector<std::uint8_t>& to, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            to.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    for (const ZipEntry& entry : entries) {
        const std::uint32_t offset = static_cast<std::uint32_t>(out.size());
        const std::uint32_t crc = Crc32(entry.data);
        const auto size = static_cast<std::uint32_t>(entry.data.size());
        const auto nameLength = static_cast<std::uint32_t>(entry.name.size());
        // A name beyond ASCII is UTF-8, and says so, as archivers write it today.
        const bool utf8 = std::any_of(entry.name.begin(), entry.name.end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        const std::uint32_t flags = utf8 ? 1u << 11 : 0u;
        put(out, 0x04034b50, 4);
        put(out, 20, 2);
        put(out, flags, 2);
        put(out, 0, 2); // stored
        put(out, 0, 4); // time and date
        put(out, crc, 4);
        put(out, size, 4);
        put(out, size, 4);
        put(out, nameLength, 2);
        put(out, 0, 2);
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        out.insert(out.end(), entry.data.begin(), entry.data.end());
        put(central, 0x02014b50, 4);
        put(central, 3 << 8 | 20, 2); // made on Unix: the external attributes hold the mode
        put(central, 20, 2);
        put(central, flags, 2);
        put(central, 0, 2);
        put(central, 0, 4);
        put(central, crc, 4);
        put(central, size, 4);
        put(central, size, 4);
        put(central, nameLength, 2);
        put(central, 0, 2); // extra
        put(central, 0, 2); // comment
        put(central, 0, 2); // disk
        put(central, 0, 2); // internal attributes
        put(central, entry.mode << 16, 4);
        put(central, offset, 4);
        central.insert(central.end(), entry.name.begin(), entry.name.end());
    }
    const auto centralOffset = static_cast<std::uint32_t>(out.size());
    out.insert(out.end(), central.begin(), central.end());
    put(out, 0x06054b50, 4);
    put(out, 0, 4);
    put(out, static_cast<std::uint32_t>(entries.size()), 2);
    put(out, static_cast<std::uint32_t>(entries.size()), 2);
    put(out, static_cast<std::uint32_t>(central.size()), 4);
    put(out, centralOffset, 4);
    put(out, 0, 2);
    return out;
}

} // namespace psn::sample
