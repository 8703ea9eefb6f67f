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
