// The libFuzzer entry of one target; FUZZ_TARGET names it (see CMakeLists.txt).
#include "fuzz/Targets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzTargets::Target target = FuzzTargets::all().value(QStringLiteral(FUZZ_TARGET));
    // Not copied: an overread past the input's end stays visible to the sanitizers.
    target(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
