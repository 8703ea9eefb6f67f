// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command-line companion on a sample installation: apply against the export benchmark's
// floor (BM_ExportAllFloor, same run), show and diff in process and as whole processes.
#include "bench_sample.h"
#include "cli/psnedit.h"
#include "core/record.h"
#include "core/record_map.h"
#include "tools/samplegame/sample_game.h"
#include "tracks/track_blocks.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct CliSample : BenchSample {
    std::string gia, other;

    CliSample() : BenchSample("cli") {
        gia = (root / "game.GIA").string();
        Run({"save", game.gameDir, gia});
        // A second set that differs in every game file (the executable, the save state and each
        // track file): an apply of values the game already holds writes nothing, so the
        // benchmark alternates between the two.
        std::ifstream in(gia, std::ios::binary);
        psn::SettingsRecord record;
        in.read(reinterpret_cast<char*>(record.bytes().data()),
                static_cast<std::streamsize>(record.bytes().size()));
        namespace rec = psn::rec;
        record.setU16(rec::EnginePowerQual(1),
                      static_cast<std::uint16_t>(record.u16(rec::EnginePowerQual(1)) + 1));
        record.setStr(rec::TeamName(1), rec::kTeamNameCapacity, "Benchmark");
        for (int t = 0; t < psn::kTrackCount; ++t) {
            const std::size_t fuel = psn::TrackEntryOffset(t, psn::trackentry::kFuel);
            record.setU16(fuel, static_cast<std::uint16_t>(record.u16(fuel) + 1));
        }
        other = (root / "other.GIA").string();
        std::ofstream(other, std::ios::binary)
            .write(reinterpret_cast<const char*>(record.bytes().data()),
                   static_cast<std::streamsize>(record.bytes().size()));
    }
    int Run(const std::vector<std::string>& args) const {
        std::ostringstream out, err;
        const int code = psn::cli::Run(args, out, err, editorDir);
        benchmark::DoNotOptimize(out.str().size());
        return code;
    }
};

const CliSample& TheCliSample() {
    static const CliSample sample;
    return sample;
}

void BM_PsneditApply(benchmark::State& st) {
    const CliSample& s = TheCliSample();
    bool flip = false;
    for (auto _ : st) {
        flip = !flip;
        // 1: a field the edition does not take, which the read-back names.
        if (s.Run({"apply", flip ? s.other : s.gia, s.game.gameDir}) > 1)
            st.SkipWithError("apply failed");
    }
}
BENCHMARK(BM_PsneditApply)->Unit(benchmark::kMicrosecond);

void BM_PsneditShow(benchmark::State& st) {
    const CliSample& s = TheCliSample();
    for (auto _ : st)
        s.Run({"show", s.game.gameDir});
}
BENCHMARK(BM_PsneditShow)->Unit(benchmark::kMicrosecond);

void BM_PsneditShowJson(benchmark::State& st) {
    const CliSample& s = TheCliSample();
    for (auto _ : st)
        s.Run({"show", s.game.gameDir, "--json"});
}
BENCHMARK(BM_PsneditShowJson)->Unit(benchmark::kMicrosecond);

void BM_PsneditDiff(benchmark::State& st) {
    const CliSample& s = TheCliSample();
    for (auto _ : st)
        s.Run({"diff", s.game.gameDir, s.gia});
}
BENCHMARK(BM_PsneditDiff)->Unit(benchmark::kMicrosecond);

// The installed program started as a user starts it, output thrown away; with several command
// lines, each run takes the next (a change and its undoing, so every run writes). Besides the mean
// wall time, the counters give each run's lowest and median wall time and the median CPU time of
// the child (user and system): on a shared machine the mean is mostly waiting for a core.
void Spawn(benchmark::State& st, const std::vector<std::vector<std::string>>& lines) {
    std::vector<std::vector<std::string>> commands;
    std::vector<std::vector<char*>> argvs;
    for (const auto& args : lines) {
        commands.push_back({std::string(PSN_APP_DIR) + "/psnedit"});
        commands.back().insert(commands.back().end(), args.begin(), args.end());
    }
    for (auto& command : commands) {
        argvs.emplace_back();
        for (std::string& arg : command)
            argvs.back().push_back(arg.data());
        argvs.back().push_back(nullptr);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::size_t next = 0;
    std::vector<double> walls, cpus;
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    for (auto _ : st) {
        std::vector<char*>& argv = argvs[next++ % argvs.size()];
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            st.SkipWithError("psnedit could not be started");
            break;
        }
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        walls.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        cpus.push_back(ms(usage.ru_utime) + ms(usage.ru_stime));
    }
    posix_spawn_file_actions_destroy(&actions);
    if (walls.empty())
        return;
    const auto median = [](std::vector<double> values) {
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    };
    st.counters["lowest_ms"] = *std::min_element(walls.begin(), walls.end());
    st.counters["median_ms"] = median(walls);
    st.counters["child_cpu_ms"] = median(cpus);
}

void BM_PsneditShowProcess(benchmark::State& st) {
    Spawn(st, {{"show", TheCliSample().game.gameDir}});
}
BENCHMARK(BM_PsneditShowProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_PsneditDiffProcess(benchmark::State& st) {
    Spawn(st, {{"diff", TheCliSample().game.gameDir, TheCliSample().gia}});
}
BENCHMARK(BM_PsneditDiffProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_PsneditGetProcess(benchmark::State& st) {
    Spawn(st, {{"get", TheCliSample().game.gameDir, "engine power/team 1 qualification (BHP)",
                "car tuning/human car weight (kg)"}});
}
BENCHMARK(BM_PsneditGetProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_PsneditSetProcess(benchmark::State& st) {
    const std::string& game = TheCliSample().game.gameDir;
    Spawn(st, {{"set", game, "engine power/team 1 qualification=701"},
               {"set", game, "engine power/team 1 qualification=702"}});
}
BENCHMARK(BM_PsneditSetProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_PsneditDryRunProcess(benchmark::State& st) {
    Spawn(st, {{"apply", TheCliSample().other, TheCliSample().game.gameDir, "--dry-run"}});
}
BENCHMARK(BM_PsneditDryRunProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
