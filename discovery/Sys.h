#pragma once

#include <QString>
#include <QStringList>

// The processor, Rosetta 2, child processes and paths for display.
namespace Sys {

// True on Apple Silicon: uname's machine field contains "arm64". SKALDRUN_MACHINE, when set,
// stands in for that field. Read on every call (uname is cheap), so a test can name the machine
// per case; the model reads it once per AppState, the script patch on each patch.
bool isAppleSilicon();
bool rosettaInstalled();

struct RunResult {
    int code = -1;
    QString out;
};
RunResult run(const QString& path, const QStringList& args);

QString shortPath(const QString& path); // the home folder written as "~"

inline const QString rosettaMarker = QStringLiteral("/Library/Apple/usr/share/rosetta/rosetta");

} // namespace Sys
