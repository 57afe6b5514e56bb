// libFuzzer's entry, built once per target with ORRIMAR_FUZZ_ENTRY naming
// the function of FuzzTargets.h it calls.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        orrimar::fuzz::ORRIMAR_FUZZ_ENTRY({reinterpret_cast<const char*>(data), size});
    } catch (const orrimar::fuzz::CheckFailed& failed) {
        std::fprintf(stderr, "%s\n", failed.what());
        std::abort();
    }
    return 0;
}
