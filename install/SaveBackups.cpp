#include "install/Installer.h"

#include "install/ModKey.h"
#include "inventory/ModScanner.h"
#include "platform/Fs.h"

#include <algorithm>
#include <cerrno>

namespace Installer {

SaveBackup backupSaves(const QString& savesDir, const QString& backupsRoot, int keep) {
    const QString dest = Fs::join(backupsRoot, backupFolderName(QDateTime::currentDateTime()));
    // A backup made earlier in the same second owns this folder; never remove it below.
    const bool existedBefore = Fs::itemExists(dest);
    Fs::mkpath(dest);

    int files = 0;
    int brokenLinks = 0;
    for (const QString& name : saveSubdirs) {
        const QString src = Fs::join(savesDir, name);
        if (!Fs::isDir(src)) {
            brokenLinks += Fs::isSymLink(src) && !Fs::exists(src) ? 1 : 0;
            continue;
        }
        // Players link save folders to a cloud folder: what the links lead to is their saves.
        const Fs::CopiedTree found = Fs::treeFollowingLinks(src);
        if (found.files == 0) { // empty, or folders only: nothing worth keeping
            brokenLinks += found.brokenLinks;
            continue;
        }
        // Only what was really copied counts.
        const Fs::CopiedTree copied = Fs::copyTreeFollowingLinks(src, Fs::join(dest, name));
        brokenLinks += copied.brokenLinks;
        files += copied.files;
    }
    if (files == 0) {
        if (!existedBefore) Fs::remove(dest);
        throw InstallError::savesNotFound(savesDir);
    }

    // A backup that lacks something must not push out an older one that may still hold it.
    if (auto names = brokenLinks > 0 ? std::nullopt : Fs::list(backupsRoot)) {
        names->erase(std::remove_if(names->begin(), names->end(),
                                    [](const QString& name) { return name.startsWith(QLatin1Char('.')); }),
                     names->end());
        std::sort(names->begin(), names->end(), std::greater<QString>());
        // The backup just made always stays, even if a clock set back makes it sort as an old one.
        const QString made = Fs::fileName(dest);
        int kept = 1;
        const int wanted = std::max(keep, 1);
        for (const QString& name : *names) {
            if (name == made) continue;
            if (kept < wanted) {
                ++kept;
                continue;
            }
            Fs::remove(Fs::join(backupsRoot, name));
        }
    }
    return {files, dest, brokenLinks};
}

int restoreSaves(const QString& backup, const QString& savesDir) {
    int total = 0;
    for (const QString& name : saveSubdirs) {
        const QString src = Fs::join(backup, name);
        if (!Fs::isDir(src)) continue;
        mergeChildren(src, Fs::join(savesDir, name));
        total += fileCount(src);
    }
    return total;
}

int stashModsForCapture(const QString& gameDir) {
    const QString plugins = ModScanner::pluginsDir(gameDir);
    const QString stash = captureStashDir(gameDir);
    Fs::mkpath(stash);
    const auto names = Fs::list(plugins);
    if (!names) Fs::fail(Fs::Op::readFolder, plugins, errno);
    int moved = 0;
    for (const QString& name : *names) {
        if (name == QLatin1String(".DS_Store")) continue;
        // The capture needs ShaderHelperForMac itself, whatever its folder or DLL is called.
        if (ModKey::of(name).contains(QLatin1String("shaderhelper"))) continue;
        const QString target = Fs::join(stash, name);
        Fs::remove(target);
        Fs::move(Fs::join(plugins, name), target);
        ++moved;
    }
    return moved;
}

int restoreStashedMods(const QString& gameDir) {
    const QString plugins = ensurePlugins(gameDir);
    const QString stash = captureStashDir(gameDir);
    int restored = 0;
    if (const auto names = Fs::list(stash)) {
        for (const QString& name : *names) {
            if (name == QLatin1String(".DS_Store")) continue;
            const QString target = Fs::join(plugins, name);
            Fs::remove(target);
            Fs::move(Fs::join(stash, name), target);
            ++restored;
        }
    }
    Fs::remove(stash);
    return restored;
}

} // namespace Installer
