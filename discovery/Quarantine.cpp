#include "discovery/Quarantine.h"

#include "platform/Fs.h"
#include "platform/Process.h"
#include "platform/Xattr.h"

#include <functional>

namespace Quarantine {

QString attrName() {
    return Xattr::quarantineName();
}

QStringList targets(const QString& gameDir) {
    QStringList found;
    for (const QString& name : targetNames) {
        const QString path = Fs::join(gameDir, name);
        if (Fs::exists(path)) found.append(path);
    }
    return found;
}

namespace {

// Visits each target and, for folders, everything below it. Links are visited as themselves
// and never followed, so a link in the game folder can't reach a file outside it.
void forEachItem(const QString& gameDir, const std::function<void(const QString&)>& visit) {
    for (const QString& target : targets(gameDir)) {
        visit(target);
        if (Fs::isDir(target) && !Fs::isSymLink(target)) {
            Fs::walk(target, [&](const Fs::Entry& entry) {
                visit(entry.path);
                return true;
            });
        }
    }
}

} // namespace

int flaggedCount(const QString& gameDir) {
    const QString name = attrName();
    int count = 0;
    forEachItem(gameDir, [&](const QString& path) {
        if (Xattr::has(path, name)) ++count;
    });
    return count;
}

int clear(const QString& gameDir) {
    const QString name = attrName();
    int cleared = 0;
    forEachItem(gameDir, [&](const QString& path) {
        if (Xattr::has(path, name) && Xattr::remove(path, name)) ++cleared;
    });
    return cleared;
}

QString terminalCommand(const QString& folder) {
    return QStringLiteral("xattr -r -d com.apple.quarantine ") + Process::shellQuoted(folder);
}

} // namespace Quarantine
