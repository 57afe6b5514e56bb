// libFuzzer's entry, built once per target with ORRIMAR_FUZZ_ENTRY naming
// the function of FuzzTargets.h it calls.
#include <cstddef>
#include <cstdint>

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    orrimar::fuzz::ORRIMAR_FUZZ_ENTRY({reinterpret_cast<const char*>(data), size});
    return 0;
}
