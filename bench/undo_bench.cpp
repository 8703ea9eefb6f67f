// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of one undo step on a full history: the record copied in, the oldest step forgotten,
// the step's name found from the fields that changed and the record compared with the game's
// values for the modified mark; and the memory of 1000 steps.
#include "core/record_history.h"
#include "shell/step_names.h"

#include <benchmark/benchmark.h>

namespace {

psn::RecordHistory FullHistory() {
    psn::RecordHistory history;
    psn::SettingsRecord record;
    for (std::size_t i = 0; i < psn::RecordHistory::kDefaultLimit; ++i) {
        record.setU16(psn::rec::EnginePowerQual(3), static_cast<std::uint16_t>(i + 1));
        history.Record(record, "Engine power: team 3 qualification");
    }
    return history;
}

void BM_UndoStep(benchmark::State& state) {
    psn::RecordHistory history = FullHistory();
    psn::SettingsRecord record = history.Current();
    const psn::SettingsRecord game;
    std::uint16_t value = 0;
    for (auto _ : state) {
        const psn::SettingsRecord before = history.Current();
        record.setU16(psn::rec::EnginePowerQual(3), ++value);
        history.Record(record, psn::StepName(before, record));
        // The modified mark compares the record with the game's values after every step.
        benchmark::DoNotOptimize(psn::SameInGame(record, game));
    }
    state.counters["steps"] = static_cast<double>(history.Steps());
    state.counters["history_MiB"] =
        static_cast<double>(history.MemoryBytes()) / static_cast<double>(1 << 20);
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

void BM_UndoRedo(benchmark::State& state) {
    psn::RecordHistory history = FullHistory();
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.Undo());
        benchmark::DoNotOptimize(history.Redo());
    }
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMicrosecond);

} // namespace
