#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The fuzzed entry points, one per reader of outside input. Each takes one input, runs it through
// the product code and aborts (__builtin_trap) when an invariant breaks; a refused input
// (SkaldrunError) is a normal outcome. The libFuzzer executables and the regression test call the
// same functions, so a saved crash replays exactly.
namespace FuzzTargets {

using Target = void (*)(const QByteArray& input);

// Every target, by the name its folders under fuzz/seeds and tests/data/fuzz-regressions use.
const QMap<QString, Target>& all();
// The target of that name over one input.
void run(const QString& name, const QByteArray& input);

} // namespace FuzzTargets
