#include "inventory/ModScanner.h"

#include "discovery/Outside.h"
#include "platform/Fs.h"

namespace ModScanner {

QString pluginsDir(const QString& gameDir) { return Fs::join(gameDir, Outside::pluginsDir); }

DllFiles dllFiles(const QString& folder) {
    DllFiles files;
    Fs::walk(folder, [&](const Fs::Entry& entry) {
        if (entry.name.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive))
            files.active.append(entry.path);
        else if (entry.name.endsWith(QLatin1String(".dll.disabled"), Qt::CaseInsensitive))
            files.disabled.append(entry.path);
        return true;
    });
    return files;
}

} // namespace ModScanner
