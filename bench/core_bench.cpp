// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/game_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

std::string ScratchFile(const char* name, std::size_t size) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::vector<char> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 29);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    return path.string();
}

// Renewing a track file's trailer: one bounded read, the sums, one four-byte write.
void BM_UpdateFileChecksum80001(benchmark::State& state) {
    const std::string path = ScratchFile("psn-bench-checksum.dat", 80001);
    for (auto _ : state)
        benchmark::DoNotOptimize(psn::UpdateFileChecksum(path));
}
BENCHMARK(BM_UpdateFileChecksum80001)->Unit(benchmark::kMicrosecond);

// A block of 960 bytes moved byte by byte through the transfer, against one read of the block.
void BM_TransferBlockByteWise(benchmark::State& state) {
    const std::string path = ScratchFile("psn-bench-transfer.dat", 1 << 20);
    for (auto _ : state) {
        psn::GameFile file;
        file.Open(path);
        file.Seek(0x1DC27A % (1 << 20));
        std::uint32_t sum = 0;
        for (int i = 0; i < 960; ++i)
            sum += file.ReadByte();
        file.Check();
        file.Close();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_TransferBlockByteWise)->Unit(benchmark::kMicrosecond);

void BM_TransferBlockFloor(benchmark::State& state) {
    const std::string path = ScratchFile("psn-bench-floor.dat", 1 << 20);
    std::vector<char> block(960);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        in.seekg(0x1DC27A % (1 << 20));
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        benchmark::DoNotOptimize(block.data());
    }
}
BENCHMARK(BM_TransferBlockFloor)->Unit(benchmark::kMicrosecond);

} // namespace
