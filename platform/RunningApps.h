#pragma once

#include <QList>
#include <QString>

struct RunningApplication {
    QString bundleIdentifier; // e.g. "com.valvesoftware.steam"; empty when unknown
    QString bundlePath;       // the application bundle (or program) the process runs from; may be empty
    QString name;             // the application's display name
};

namespace RunningApps {

// The applications running for this user right now.
QList<RunningApplication> list();

} // namespace RunningApps
