#pragma once

#include <cstdint>
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

// Recomputes and rewrites the four-byte trailer of a closed file. Reports nothing: a file that
// cannot be opened or written simply keeps its trailer. Returns whether the trailer was written.
bool UpdateFileChecksum(const std::string& path);

} // namespace psn
