#include "core/checksum.h"

#include "core/game_file.h"

#include <array>
#include <fstream>
#include <vector>

namespace psn {

ChecksumTrailer ComputeChecksum(std::span<const std::uint8_t> bytesRead) {
    ChecksumTrailer sums;
    if (bytesRead.size() < 5)
        return sums;
    for (std::size_t i = 0; i + 4 < bytesRead.size(); ++i) {
        const std::uint8_t b = bytesRead[i];
        sums.byteSum = static_cast<std::uint16_t>(sums.byteSum + b);
        const auto r = sums.rotatingSum;
        sums.rotatingSum = static_cast<std::uint16_t>(((r << 3) | (r >> 13)) + b);
    }
    return sums;
}

bool UpdateFileChecksum(const std::string& path, std::shared_ptr<TransferFaults> faults) {
    std::vector<std::uint8_t> buffer(kChecksumReadLimit);
    std::size_t n = 0;
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return false;
        in.read(reinterpret_cast<char*>(buffer.data()),
                static_cast<std::streamsize>(buffer.size()));
        n = static_cast<std::size_t>(in.gcount());
    }
    const ChecksumTrailer sums = ComputeChecksum(std::span(buffer.data(), n));

    GameFile file(std::move(faults));
    if (!file.Open(path) || file.Size() < 4)
        return false;
    file.Seek(file.Size() - 4);
    file.WriteWord(sums.byteSum);
    file.WriteWord(sums.rotatingSum);
    const bool ok = !file.Failed();
    file.Close();
    return ok && !file.Failed();
}

} // namespace psn
