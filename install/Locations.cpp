#include "install/Installer.h"

#include "discovery/Outside.h"
#include "platform/AppSupport.h"
#include "platform/Fs.h"

#include <QLocale>

namespace Installer {

QString valheimSavesDir(Platform platform) {
    // Unity keeps a game's files under the company's and the game's name, in each system's place.
    return Fs::join(Fs::homeDir(), platform == Platform::macOS ? Outside::savesDir : Outside::linuxSavesDir);
}

QString saveBackupsRoot() {
    return Fs::join(AppSupport::dir(), QStringLiteral("save-backups"));
}

QString captureStashDir(const QString& gameDir) {
    return Fs::join(gameDir, QStringLiteral("BepInEx/plugins-stash-capture"));
}

QString backupFolderName(const QDateTime& when) {
    // The C locale keeps the digits ASCII and the pattern literal whatever the player's locale.
    static const QLocale posix = QLocale::c();
    return posix.toString(when, QStringLiteral("yyyy-MM-dd HH.mm.ss"));
}

std::optional<QString> latestSaveBackup(const QString& backupsRoot) {
    const auto names = Fs::list(backupsRoot);
    if (!names) return std::nullopt;
    std::optional<QString> newest;
    for (const QString& name : *names) {
        if (name.startsWith(QLatin1Char('.'))) continue;
        if (!newest || name > *newest) newest = name;
    }
    if (!newest) return std::nullopt;
    return Fs::join(backupsRoot, *newest);
}

} // namespace Installer
