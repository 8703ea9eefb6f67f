// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pokes and peeks single ranges of a scratch game file in place, so that table-driven block tests
// do not rewrite a 5.6 MB executable for every case.
#pragma once

#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace psn::test {

inline void Poke(const std::string& path, std::size_t offset,
                 const std::vector<std::uint8_t>& bytes) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> Peek(const std::string& path, std::size_t offset,
                                      std::size_t count) {
    std::ifstream file(path, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(offset));
    std::vector<std::uint8_t> bytes(count);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    return bytes;
}

// The positions where two file images differ, with the new byte.
inline std::map<std::size_t, std::uint8_t> Changes(const std::vector<std::uint8_t>& before,
                                                   const std::vector<std::uint8_t>& after) {
    std::map<std::size_t, std::uint8_t> changes;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (i >= before.size() || before[i] != after[i])
            changes[i] = after[i];
    return changes;
}

} // namespace psn::test
