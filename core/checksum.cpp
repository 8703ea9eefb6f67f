// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"

#include "core/game_file.h"

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

void RenewChecksum(const std::string& path, std::shared_ptr<TransferFaults> faults,
                   Staging* staging, const char* message) {
    if (!message)
        message = kFileAccessError;
    GameFile file(std::move(faults), staging);
    file.Open(path);
    file.Check(message);
    RenewChecksum(file, message);
}

void RenewChecksum(GameFile& file, const char* message) {
    if (!message)
        message = kFileAccessError;
    if (file.Size() < 4)
        throw FileAccessError(message, file.Path(), Message(MessageKind::TooShortForTrailer, {}));
    if (file.Position() != 0)
        file.Seek(0);
    const std::vector<std::uint8_t> bytes = file.ReadBytes(kChecksumReadLimit);
    const ChecksumTrailer sums = ComputeChecksum(bytes);
    file.Seek(file.Size() - 4);
    file.WriteWord(sums.byteSum);
    file.WriteWord(sums.rotatingSum);
    file.Close();
    file.Check(message);
}

bool UpdateFileChecksum(const std::string& path, std::shared_ptr<TransferFaults> faults) {
    try {
        RenewChecksum(path, std::move(faults));
        return true;
    } catch (const FileAccessError&) {
        return false;
    }
}

} // namespace psn
