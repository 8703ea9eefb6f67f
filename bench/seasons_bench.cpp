// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/commit.h"
#include "core/fs.h"
#include "core/game_lock.h"
#include "seasons/season_store.h"
#include "tools/samplegame/sample_game.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

namespace sfs = std::filesystem;
using namespace psn;

std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A sample game with two seasons kept: "a" as made, "b" differing in every file (`all`) or in one
// track file's set-up alone.
struct TwoSeasons {
    sfs::path dir;
    sample::Installation inst;
    seasons::Store store;
    std::uint64_t bytesB = 0; // what a switch to "b" writes, whole

    explicit TwoSeasons(bool all)
        : dir(sfs::temp_directory_path() /
              ("psn-bench-seasons-" + std::to_string(std::random_device{}()))),
          store((dir / "store").string()) {
        sample::Options options;
        options.gameDir = (dir / "game").string() + "/";
        inst = sample::MakeInstallation(options);
        seasons::Keep(store, inst.gameDir, "a", "");
        for (const std::string& name : seasons::SeasonFiles()) {
            const std::string path = fs::ResolveCase(inst.gameDir + name);
            if (!sfs::exists(path) || (!all && name != "CIRCUITS/F1CT05.DAT"))
                continue;
            auto bytes = Bytes(path);
            bytes[all ? 0x2000 % bytes.size() : 0x1030] ^= 0x5A;
            Put(path, bytes);
            if (name.starts_with("CIRCUITS") || name == "F1GSTATE.SAV")
                RenewChecksum(path);
            bytesB += bytes.size();
        }
        seasons::Keep(store, inst.gameDir, "b", "");
        // As a game installed a while before: the files were changed an hour ago.
        for (const auto& entry : sfs::recursive_directory_iterator(dir / "game"))
            if (entry.is_regular_file())
                sfs::last_write_time(entry.path(),
                                     sfs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    ~TwoSeasons() {
        std::error_code ec;
        sfs::remove_all(dir, ec);
    }
};

std::uint64_t StoreBytes(const seasons::Store& store) {
    std::uint64_t total = 0;
    for (const auto& entry : sfs::recursive_directory_iterator(store.Dir()))
        if (entry.is_regular_file())
            total += entry.file_size();
    return total;
}

// Keeping a second season that differs from the first in three files: the store grows by those.
void BM_KeepSecondSeasonThreeFilesDiffer(benchmark::State& state) {
    TwoSeasons game(false);
    const std::string track = game.inst.TrackPath(7);
    std::uint64_t grown = 0, three = 0;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (const std::string& path :
             {game.inst.TrackPath(7), game.inst.TrackPath(8), game.inst.TrackPath(9)}) {
            auto bytes = Bytes(path);
            bytes[0x1030] = static_cast<std::uint8_t>(100 + ++n); // never kept before
            Put(path, bytes);
            RenewChecksum(path);
        }
        three = 0;
        for (int t = 7; t <= 9; ++t)
            three += sfs::file_size(game.inst.TrackPath(t));
        const std::uint64_t before = StoreBytes(game.store);
        state.ResumeTiming();
        seasons::Keep(game.store, game.inst.gameDir, "kept " + std::to_string(n), "");
        state.PauseTiming();
        grown = StoreBytes(game.store) - before;
        state.ResumeTiming();
    }
    state.counters["store_growth_bytes"] = static_cast<double>(grown);
    state.counters["three_files_bytes"] = static_cast<double>(three);
}
BENCHMARK(BM_KeepSecondSeasonThreeFilesDiffer)->Unit(benchmark::kMillisecond)->Iterations(5);

// Switching back and forth between seasons that differ in every file, against a durable copy of
// the same bytes.
void BM_SwitchEveryFileDiffers(benchmark::State& state) {
    TwoSeasons game(true);
    int n = 0;
    for (auto _ : state)
        seasons::Switch(game.store, game.inst.gameDir, n++ % 2 ? "b" : "a");
    state.counters["bytes"] = static_cast<double>(game.bytesB);
}
BENCHMARK(BM_SwitchEveryFileDiffers)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_DurableCopyOfTheSameBytes(benchmark::State& state) {
    TwoSeasons game(true);
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    for (const std::string& name : seasons::SeasonFiles())
        if (const std::string path = fs::ResolveCase(game.inst.gameDir + name); sfs::exists(path))
            files.emplace_back((game.dir / "copy" / name).string(), Bytes(path));
    for (const auto& [path, bytes] : files)
        sfs::create_directories(sfs::path(path).parent_path());
    for (auto _ : state)
        for (const auto& [path, bytes] : files)
            benchmark::DoNotOptimize(fs::WriteFileDurably(path, bytes).Ok());
}
BENCHMARK(BM_DurableCopyOfTheSameBytes)->Unit(benchmark::kMillisecond)->Iterations(6);

// Seasons that differ in one track file's set-up: as fast as one commit of that file.
void BM_SwitchOneTrackFileDiffers(benchmark::State& state) {
    TwoSeasons game(false);
    int n = 0;
    for (auto _ : state)
        seasons::Switch(game.store, game.inst.gameDir, n++ % 2 ? "b" : "a");
}
BENCHMARK(BM_SwitchOneTrackFileDiffers)->Unit(benchmark::kMillisecond)->Iterations(10);

// The floor of the one-track switch: one commit of that file, writing the pages that differ
// between the two seasons in place, as the switch does.
void BM_CommitOfOneTrackFile(benchmark::State& state) {
    TwoSeasons game(false);
    const std::string track = game.inst.TrackPath(5);
    const seasons::Season a = game.store.Get("a");
    const std::vector<std::vector<std::uint8_t>> versions{
        game.store.Read(*a.Find("CIRCUITS/F1CT05.DAT")), Bytes(track)};
    constexpr std::size_t kPage = StagedFile::kPageSize;
    std::vector<std::size_t> differ; // where the two versions differ, by page
    for (std::size_t at = 0; at < versions[0].size(); at += kPage)
        if (!std::equal(versions[0].begin() + static_cast<std::ptrdiff_t>(at),
                        versions[0].begin() +
                            static_cast<std::ptrdiff_t>(std::min(at + kPage, versions[0].size())),
                        versions[1].begin() + static_cast<std::ptrdiff_t>(at)))
            differ.push_back(at);
    int n = 0;
    for (auto _ : state) {
        const auto& bytes = versions[n++ % 2];
        GameLock lock = GameLock::Acquire(game.inst.gameDir);
        Staging staging({}, game.inst.gameDir);
        StagedFile& staged = staging.Add(track, bytes.size());
        for (const std::size_t at : differ)
            staged.pages[at / kPage] = {
                std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                          bytes.begin() + static_cast<std::ptrdiff_t>(
                                                              std::min(at + kPage, bytes.size()))),
                true};
        staging.Commit();
    }
}
BENCHMARK(BM_CommitOfOneTrackFile)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
