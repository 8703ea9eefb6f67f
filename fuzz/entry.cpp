// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One libFuzzer binary per target: PSN_FUZZ_TARGET names the harness it runs.
#include "fuzz/harnesses.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const psn::fuzz::Target* target = psn::fuzz::FindTarget(PSN_FUZZ_TARGET);
    if (!target)
        std::abort();
    target->run(data, size);
    return 0;
}

// A small quarantine lets freed blocks be reused instead of every allocation touching fresh
// pages, and freshly allocated blocks are not pre-filled: each harness allocates and frees many
// small buffers per input, and page faults otherwise cost most of the time. Use-after-free
// within one input is still found; the options can be overridden with ASAN_OPTIONS.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=4:max_malloc_fill_size=0";
}
