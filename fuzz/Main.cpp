// The libFuzzer entry of one target; FUZZ_TARGET names it (see CMakeLists.txt).
#include "fuzz/Targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzTargets::Target target = FuzzTargets::all().value(QStringLiteral(FUZZ_TARGET));
    target(data, size);
    return 0;
}
