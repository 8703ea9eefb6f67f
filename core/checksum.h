// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace psn {

// Only this many bytes of a file enter the sums; the trailer is still written over the file's
// last four bytes, whatever its length.
constexpr std::size_t kChecksumReadLimit = 80001;

struct ChecksumTrailer {
    std::uint16_t byteSum = 0;
    std::uint16_t rotatingSum = 0;
};

// The sums over all but the last four of the given bytes (those read from the file).
ChecksumTrailer ComputeChecksum(std::span<const std::uint8_t> bytesRead);

struct TransferFaults;
class Staging;

// Recomputes and rewrites the four-byte trailer of a closed file, over its bytes as the command
// has staged them (without a staging, the file commits alone). Raises FileAccessError naming the
// file when the trailer cannot be renewed, since the game rejects a file whose trailer does not
// match; `message` is the error's first line. The trailer's open, read, seek and writes count as
// transfers of the given faults.
void RenewChecksum(const std::string& path, std::shared_ptr<TransferFaults> faults = {},
                   Staging* staging = nullptr, const char* message = nullptr);
class GameFile;
// The same on a file already open, which it closes: the trailer is computed over what the file
// holds with the writes made through it.
void RenewChecksum(GameFile& file, const char* message = nullptr);
// The same for a file on its own; returns whether the trailer was written.
[[nodiscard]] bool UpdateFileChecksum(const std::string& path,
                                      std::shared_ptr<TransferFaults> faults = {});

} // namespace psn
