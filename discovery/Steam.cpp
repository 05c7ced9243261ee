#include "discovery/Steam.h"

#include "discovery/Outside.h"
#include "platform/Fs.h"
#include "platform/Plist.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace Steam {

namespace {

// Two spellings of one folder (a trailing slash, a link such as ~/.steam/steam) are one folder.
QString identity(const QString& path) {
    return Fs::canonicalPath(path).value_or(QDir::cleanPath(path));
}

void appendNew(QStringList& list, QStringList& seen, const QString& path) {
    const QString id = identity(path);
    if (seen.contains(id)) return;
    seen.append(id);
    list.append(path);
}

void appendListedLibraries(QStringList& result, QStringList& seen, const QString& vdfFile) {
    const auto text = Fs::tryReadUtf8(vdfFile);
    if (!text) return;
    static const QRegularExpression pathEntry(QStringLiteral("\"path\"\\s*\"([^\"]+)\""));
    if (!pathEntry.isValid()) return;
    auto it = pathEntry.globalMatch(*text);
    while (it.hasNext()) {
        const auto match = it.next();
        QString path = match.captured(1);
        // VDF writes a backslash as two; that is the only escape undone.
        path.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        // The file system reads a path only up to a NUL, which would name another folder.
        if (path.contains(QChar(0))) continue;
        appendNew(result, seen, path);
    }
}

} // namespace

QStringList roots(Platform platform) {
    if (platform == Platform::macOS) return {Fs::join(Fs::homeDir(), Outside::steamDataDir)};
    QStringList result;
    QStringList seen;
    for (const QString& relative : Outside::linuxSteamRoots) {
        const QString candidate = Fs::join(Fs::homeDir(), relative);
        if (Fs::isDir(Fs::join(candidate, Outside::steamAppsDir))) appendNew(result, seen, candidate);
    }
    return result;
}

QString root(Platform platform) {
    const QStringList found = roots(platform);
    return found.isEmpty() ? Fs::join(Fs::homeDir(), Outside::linuxSteamRoots.first()) : found.first();
}

QStringList libraryFolders(Platform platform) {
    QStringList result;
    QStringList seen;
    for (const QString& steam : roots(platform)) {
        appendNew(result, seen, steam);
        appendListedLibraries(result, seen, Fs::join(steam, Outside::libraryFoldersVdf));
        // Linux clients keep the list in steamapps/ (the copy in config/ is older or missing).
        if (platform == Platform::linuxOS)
            appendListedLibraries(result, seen, Fs::join(steam, Outside::steamAppsLibraryFoldersVdf));
    }
    return result;
}

bool isWindowsBuild(const QString& folder) {
    return !Fs::exists(Fs::join(folder, Outside::linuxClientExecutable)) &&
           Fs::exists(Fs::join(folder, Outside::windowsClientExecutable));
}

std::optional<QString> findValheim(Platform platform) {
    std::optional<QString> windowsBuild;
    for (const QString& library : libraryFolders(platform)) {
        const QString candidate = Fs::join(library, Outside::gameInLibrary);
        if (platform == Platform::macOS) {
            if (valheimAppBundle(candidate)) return candidate;
        } else if (Fs::exists(Fs::join(candidate, Outside::linuxClientExecutable))) {
            return candidate;
        } else if (!windowsBuild && isWindowsBuild(candidate)) {
            windowsBuild = candidate;
        }
    }
    return windowsBuild;
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

bool scriptPredatesRuntime(const QString& scriptText) {
    if (!scriptText.contains(Outside::oldSteamLaunchTest)) return false;
    return std::none_of(Outside::runtimeProofMarkers.cbegin(), Outside::runtimeProofMarkers.cend(),
                        [&](const QString& marker) { return scriptText.contains(marker); });
}

namespace {

bool accountsMentionBepInEx(const QString& steam) {
    const QString userdata = Fs::join(steam, Outside::userDataDir);
    const auto accounts = Fs::list(userdata);
    if (!accounts) return false;
    const QString quotedID = QLatin1Char('"') + valheimAppID + QLatin1Char('"');
    for (const QString& account : *accounts) {
        // Other games' names and options may be in any encoding; only ASCII is looked for.
        const auto bytes = Fs::tryRead(Fs::join(Fs::join(userdata, account), Outside::localConfigVdf));
        if (!bytes) continue;
        const QString text = QString::fromUtf8(*bytes);
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = text.indexOf(quotedID, from, Qt::CaseSensitive);
            if (at < 0) break;
            const qsizetype windowStart = at + quotedID.size();
            const QString window = text.mid(windowStart, 8000).toLower();
            if (window.contains(QLatin1String("launchoptions")) && window.contains(QLatin1String("bepinex")))
                return true;
            from = windowStart;
        }
    }
    return false;
}

} // namespace

bool launchOptionsConfigured(Platform platform) {
    const QStringList all = roots(platform);
    return std::any_of(all.cbegin(), all.cend(), accountsMentionBepInEx);
}

} // namespace Steam
