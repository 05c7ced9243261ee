// The libFuzzer entry of one target; FUZZ_TARGET names it (see CMakeLists.txt).
#include "fuzz/Targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzTargets::FUZZ_TARGET(data, size);
    return 0;
}
