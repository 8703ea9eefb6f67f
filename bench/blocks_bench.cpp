// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up load, the import of all data and the export of all data on a sample installation,
// each against its floor. The floor of a read is the same files opened and one system call per
// block moved (one per block read, one per file for the palette and the patch list). The floor of
// the export is the least a durable, all-or-nothing export must do: each changed file read and
// written once in full beside itself, flushed, and renamed into place, and its folder flushed.
#include "bench_sample.h"
#include "core/app_state.h"
#include "core/checksum.h"
#include "core/editions.h"
#include "core/palette.h"
#include "shell/all_data_blocks.h"
#include "tools/samplegame/sample_game.h"
#include "tracks/track_blocks.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Sample : BenchSample {
    Sample() : BenchSample("blocks") {
        std::vector<std::uint8_t> palette(psn::kPaletteHeaderSize + 4 * 256);
        for (std::size_t i = 0; i < palette.size(); ++i)
            palette[i] = static_cast<std::uint8_t>(i);
        Write(editorDir + "/DATA/PSN.PAL", palette);
    }

    void Configure(psn::AppState& state) const {
        state.startDir = editorDir;
        state.config.SetGameDir(game.gameDir);
        state.config.SetExePath(game.exePath);
        state.config.SetNamesSource(1);
        state.config.SetCockpitSource(1);
    }
};

const Sample& TheSample() {
    static const Sample sample;
    return sample;
}

// What the main window's creation does inside its game transfer; every start also takes the
// track block when the track files are installed.
void StartupLoad(psn::AppState& state, bool withTracks = false) {
    state.OpenGameExe();
    state.DetectEdition();
    const bool stateOpen = state.StateFileExists();
    if (stateOpen)
        state.OpenStateFile();
    state.palette = psn::LoadGamePalette(state.StartPath(".\\DATA\\PSN.PAL"));
    psn::ReadAllBlocks(state, stateOpen);
    if (withTracks)
        benchmark::DoNotOptimize(psn::ReadTrackDataAtStartup(state));
    state.CloseGameFiles();
}

void ImportAll(psn::AppState& state) {
    state.OpenGameExe();
    const bool stateOpen = state.StateFileExists();
    if (stateOpen)
        state.OpenStateFile();
    psn::ReadAllBlocks(state, stateOpen);
    state.CloseGameFiles();
    state.OpenGameExe();
    psn::ReadTrackData(state);
    state.CloseGameFiles();
}

// What "Export all data" does: one command, committed at its end.
void ExportAll(psn::AppState& state) {
    state.BeginCommand();
    const bool stateOpen = state.StateFileExists();
    if (stateOpen)
        state.OpenStateFile();
    state.OpenGameExe();
    psn::WriteAllBlocks(state, stateOpen);
    state.CloseGameFiles();
    if (stateOpen)
        state.RenewStateChecksum();
    state.OpenGameExe();
    psn::WriteTrackData(state);
    state.CommitCommand();
}

// The durable floor's unit: a file read whole, written whole beside itself, flushed and renamed
// over itself.
void RewriteDurably(const std::string& path) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(fs::file_size(path)));
    const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    benchmark::DoNotOptimize(::read(in, bytes.data(), bytes.size()));
    ::close(in);
    const std::string temp = path + ".floor";
    const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    benchmark::DoNotOptimize(::write(out, bytes.data(), bytes.size()));
    ::fsync(out);
    ::close(out);
    ::rename(temp.c_str(), path.c_str());
}

void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(fd);
    ::close(fd);
}

// The floor's unit: a file opened once, each block moved with one system call.
class Floor {
public:
    explicit Floor(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_CLOEXEC)) {}
    ~Floor() { ::close(fd_); }
    void Read(std::uint64_t offset, std::size_t size) {
        buffer_.resize(size);
        benchmark::DoNotOptimize(::pread(fd_, buffer_.data(), size, static_cast<off_t>(offset)));
    }
    void Write(std::uint64_t offset, std::size_t size) {
        Read(offset, size); // the value written is the one read, so the floor changes nothing
        benchmark::DoNotOptimize(::pwrite(fd_, buffer_.data(), size, static_cast<off_t>(offset)));
    }
    void WholeFile() {
        buffer_.resize(1 << 20);
        benchmark::DoNotOptimize(::pread(fd_, buffer_.data(), buffer_.size(), 0));
    }

private:
    int fd_;
    std::vector<std::uint8_t> buffer_;
};

// Block sizes of the floor: the largest names block is about 1 KB; every block is taken at that
// size, which favours the floor only by the copying of bytes.
constexpr std::size_t kBlock = 1024;
constexpr std::uint16_t kStateBlocks[] = {psn::state::kCarNumbers, psn::state::kCockpitColours,
                                          psn::state::kDriverNames, psn::state::kTeamNames,
                                          psn::state::kEngineNames};

void FloorAllBlocks(const Sample& s, bool write) {
    Floor exe(s.game.exePath);
    Floor state(s.game.statePath);
    for (int row = 0; row < psn::kExeRowCount; ++row) {
        const auto offset = psn::ExeOffset(static_cast<psn::ExeRow>(row), 0);
        write ? exe.Write(offset, kBlock) : exe.Read(offset, kBlock);
    }
    for (const auto offset : kStateBlocks)
        write ? state.Write(offset, kBlock) : state.Read(offset, kBlock);
    Floor(s.editorDir + "/DATA/PLT.DAT").WholeFile();
}

void FloorTracks(const Sample& s, bool write) {
    for (int t = 1; t <= psn::kTrackCount; ++t) {
        Floor track(s.game.TrackPath(t));
        track.Read(psn::trackfile::kSetupPointer, 2);
        const std::uint64_t start =
            s.game.values->tracks[static_cast<std::size_t>(t - 1)].setupOffset;
        write ? track.Write(start, psn::trackfile::kBlockEnd)
              : track.Read(start, psn::trackfile::kBlockEnd);
        if (write) {
            track.WholeFile(); // the checksum's read and its four-byte write
            track.Write(0, 4);
        }
    }
}

void BM_StartupLoad(benchmark::State& st) {
    const Sample& s = TheSample();
    for (auto _ : st) {
        psn::AppState state;
        s.Configure(state);
        StartupLoad(state);
        benchmark::DoNotOptimize(state.record.bytes().data());
    }
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMicrosecond);

void BM_StartupLoadFloor(benchmark::State& st) {
    const Sample& s = TheSample();
    for (auto _ : st) {
        FloorAllBlocks(s, false);
        Floor(s.editorDir + "/DATA/PSN.PAL").WholeFile();
    }
}
BENCHMARK(BM_StartupLoadFloor)->Unit(benchmark::kMicrosecond);

// Every start also takes the track block when the 16 track files are installed.
void BM_StartupLoadWithTracks(benchmark::State& st) {
    const Sample& s = TheSample();
    for (auto _ : st) {
        psn::AppState state;
        s.Configure(state);
        StartupLoad(state, true);
        benchmark::DoNotOptimize(state.record.bytes().data());
    }
}
BENCHMARK(BM_StartupLoadWithTracks)->Unit(benchmark::kMicrosecond);

void BM_StartupLoadWithTracksFloor(benchmark::State& st) {
    const Sample& s = TheSample();
    for (auto _ : st) {
        FloorAllBlocks(s, false);
        Floor(s.editorDir + "/DATA/PSN.PAL").WholeFile();
        FloorTracks(s, false);
    }
}
BENCHMARK(BM_StartupLoadWithTracksFloor)->Unit(benchmark::kMicrosecond);

void BM_ImportAll(benchmark::State& st) {
    const Sample& s = TheSample();
    for (auto _ : st) {
        psn::AppState state;
        s.Configure(state);
        ImportAll(state);
        benchmark::DoNotOptimize(state.record.bytes().data());
    }
}
BENCHMARK(BM_ImportAll)->Unit(benchmark::kMicrosecond);

void BM_ImportAllFloor(benchmark::State& st) {
    const Sample& s = TheSample();
    for (auto _ : st) {
        FloorAllBlocks(s, false);
        FloorTracks(s, false);
    }
}
BENCHMARK(BM_ImportAllFloor)->Unit(benchmark::kMicrosecond);

void BM_ExportAll(benchmark::State& st) {
    const Sample& s = TheSample();
    psn::AppState state;
    s.Configure(state);
    ImportAll(state);
    // Two records that differ in every file, taken in turn (also across the benchmark's runs,
    // which share the installation), so every export changes all 18 files: an export of
    // unchanged values writes no file at all.
    const auto record = [](int edition) {
        psn::SettingsRecord r = psn::sample::ExpectedRecord(edition, true, 1, 1);
        const auto tracks = psn::sample::ExpectedTrackEntries(edition);
        std::copy(tracks.begin(), tracks.end(), r.bytes().begin() + psn::rec::kTrackEntries);
        return r;
    };
    const psn::SettingsRecord own = record(0), other = record(3);
    static bool flip = false;
    for (auto _ : st) {
        state.record = (flip = !flip) ? other : own;
        ExportAll(state);
    }
}
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMicrosecond);

void BM_ExportAllFloor(benchmark::State& st) {
    const Sample& s = TheSample();
    for (auto _ : st) {
        RewriteDurably(s.game.exePath);
        RewriteDurably(s.game.statePath);
        for (int t = 1; t <= psn::kTrackCount; ++t)
            RewriteDurably(s.game.TrackPath(t));
        FlushFolder(fs::path(s.game.exePath).parent_path().string());
        FlushFolder(fs::path(s.game.TrackPath(1)).parent_path().string());
    }
}
BENCHMARK(BM_ExportAllFloor)->Unit(benchmark::kMicrosecond);

} // namespace
