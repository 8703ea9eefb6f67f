// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/harnesses.h"
#include "support/scratch_game.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

// Every generated seed, every input of the saved corpus and every input that ever crashed a
// harness runs again here, unsanitized but with the harnesses' own checks.
TEST(FuzzReplay, SeedsSavedCorpusAndPastCrashesRunCleanly) {
    const std::filesystem::path root = std::filesystem::path(PSN_SOURCE_DIR) / "fuzz";
    int inputs = 0;
    for (const auto& target : fuzz::Targets()) {
        for (const auto& seed : target.seeds()) {
            target.run(seed.data(), seed.size());
            ++inputs;
        }
        for (const char* folder : {"corpus", "crashes"}) {
            const auto dir = root / folder / target.name;
            if (!std::filesystem::is_directory(dir))
                continue;
            for (const auto& entry : std::filesystem::directory_iterator(dir)) {
                const auto bytes = test::ReadFileBytes(entry.path().string());
                SCOPED_TRACE(entry.path().string());
                target.run(bytes.data(), bytes.size());
                ++inputs;
            }
        }
    }
    EXPECT_GT(inputs, 0);
}

} // namespace
} // namespace psn
