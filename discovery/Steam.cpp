#include "discovery/Steam.h"

#include "discovery/Outside.h"
#include "platform/Fs.h"
#include "platform/Plist.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace Steam {

QString root() {
    return Fs::join(Fs::homeDir(), Outside::steamDataDir);
}

QStringList libraryFolders() {
    QStringList result{root()};
    const auto text = Fs::tryReadUtf8(Fs::join(root(), Outside::libraryFoldersVdf));
    if (!text) return result;
    static const QRegularExpression pathEntry(QStringLiteral("\"path\"\\s*\"([^\"]+)\""));
    if (!pathEntry.isValid()) return result;
    auto it = pathEntry.globalMatch(*text);
    while (it.hasNext()) {
        const auto match = it.next();
        QString path = match.captured(1);
        // VDF writes a backslash as two; that is the only escape undone.
        path.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        // The file system reads a path only up to a NUL, which would name another folder.
        if (path.contains(QChar(0))) continue;
        // A folder written with a trailing slash is the same library.
        const QString cleaned = QDir::cleanPath(path);
        const bool known = std::any_of(result.cbegin(), result.cend(),
                                       [&](const QString& seen) { return QDir::cleanPath(seen) == cleaned; });
        if (!known) result.append(path);
    }
    return result;
}

std::optional<QString> findValheim() {
    for (const QString& library : libraryFolders()) {
        const QString candidate = Fs::join(library, Outside::gameInLibrary);
        if (valheimAppBundle(candidate)) return candidate;
    }
    return std::nullopt;
}

std::optional<QString> valheimAppBundle(const QString& folder) {
    const auto names = Fs::list(folder);
    if (!names) return std::nullopt;
    for (const QString& name : *names) {
        if (Fs::extension(name) == QLatin1String("app") && name.toLower().contains(QLatin1String("valheim")))
            return Fs::join(folder, name);
    }
    for (const QString& name : *names) {
        if (Fs::extension(name) == QLatin1String("app")) return Fs::join(folder, name);
    }
    return std::nullopt;
}

QString innerExecutableName(const QString& appBundle) {
    if (auto name =
            Plist::stringValue(Fs::join(appBundle, Outside::bundleInfoPlist), Outside::bundleExecutableKey))
        return *name;
    return Fs::withoutExtension(Fs::fileName(appBundle));
}

bool isDedicatedServer(const QString& folder) {
    if (valheimAppBundle(folder) || Fs::exists(Fs::join(folder, Outside::linuxClientExecutable)))
        return false;
    return Fs::exists(Fs::join(folder, Outside::serverExecutable)) ||
           Fs::exists(Fs::join(folder, Outside::serverScriptName));
}

bool isValheimFolder(const QString& folder) {
    return valheimAppBundle(folder) || Fs::exists(Fs::join(folder, Outside::linuxClientExecutable)) ||
           isDedicatedServer(folder);
}

std::optional<QString> bepScript(const QString& gameDir) {
    if (isDedicatedServer(gameDir)) {
        const QString server = Fs::join(gameDir, Outside::serverScriptName);
        return Fs::exists(server) ? std::optional<QString>(server) : std::nullopt;
    }
    for (const QString& name : Outside::scriptNames) {
        const QString path = Fs::join(gameDir, name);
        if (Fs::exists(path)) return path;
    }
    return std::nullopt;
}

bool launchOptionsConfigured() {
    const QString userdata = Fs::join(root(), Outside::userDataDir);
    const auto accounts = Fs::list(userdata);
    if (!accounts) return false;
    const QString quotedID = QLatin1Char('"') + valheimAppID + QLatin1Char('"');
    for (const QString& account : *accounts) {
        const auto text = Fs::tryReadUtf8(Fs::join(Fs::join(userdata, account), Outside::localConfigVdf));
        if (!text) continue;
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = text->indexOf(quotedID, from, Qt::CaseSensitive);
            if (at < 0) break;
            const qsizetype windowStart = at + quotedID.size();
            const QString window = text->mid(windowStart, 8000).toLower();
            if (window.contains(QLatin1String("launchoptions")) && window.contains(QLatin1String("bepinex")))
                return true;
            from = windowStart;
        }
    }
    return false;
}

} // namespace Steam
