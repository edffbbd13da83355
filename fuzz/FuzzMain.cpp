// One libFuzzer program; ORVANTIS_FUZZ_ENTRY names the entry function it drives.

#include <cstdio>
#include <cstdlib>

#include "FuzzEntries.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto broken = orvantis::fuzz::ORVANTIS_FUZZ_ENTRY({data, size})) {
        std::fprintf(stderr, "invariant broken: %s\n", broken->c_str());
        std::abort();  // libFuzzer keeps the input as a crash
    }
    return 0;
}
