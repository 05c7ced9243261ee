#pragma once

#include <QMap>
#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzed entry points, one per reader of outside input. Each function takes one input,
// runs it through the product code and aborts (__builtin_trap) when an invariant breaks; a
// refused input (SkaldrunError) is a normal outcome. The libFuzzer executables and the
// regression test call the same functions, so a saved crash replays exactly.
namespace FuzzTargets {

using Target = void (*)(const std::uint8_t* data, std::size_t size);

// Every target, by the name its folders under fuzz/seeds and tests/data/fuzz-regressions use.
const QMap<QString, Target>& all();

void peReader(const std::uint8_t* data, std::size_t size);
void cfg(const std::uint8_t* data, std::size_t size);
void packageList(const std::uint8_t* data, std::size_t size);
void vdf(const std::uint8_t* data, std::size_t size);
void manifest(const std::uint8_t* data, std::size_t size);
void script(const std::uint8_t* data, std::size_t size);
void archive(const std::uint8_t* data, std::size_t size);
void chunk(const std::uint8_t* data, std::size_t size);
void profile(const std::uint8_t* data, std::size_t size);

} // namespace FuzzTargets
