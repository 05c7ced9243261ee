#include "launch/LaunchText.h"

#include "discovery/Outside.h"

#include <QHash>
#include <QStringList>

#include <algorithm>

namespace LaunchText {

namespace {

using Finding = LaunchReport::Finding;
using Kind = Finding::Kind;
using Lack = LaunchReport::Lack;

QString withVersion(const QString& name, const std::optional<QString>& version) {
    return version && !version->isEmpty() ? name + QLatin1Char(' ') + *version : name;
}

// The mod as the player knows it: the log's name and version for it, else the installed one's.
QString title(const Finding& f, const std::optional<ModNames::Mod>& mod) {
    if (!f.plugin.isEmpty()) return withVersion(f.plugin, f.version);
    return mod ? withVersion(mod->name, mod->version) : QString();
}

// One missing dependency: what is wanted, then what is there instead.
QString needed(const LaunchReport::Requirement& r, const ModNames::Installed& installed) {
    const auto dependency = ModNames::byGuid(installed, r.guid);
    QString wanted = dependency ? dependency->name : r.guid;
    if (r.minimumVersion) wanted += QLatin1Char(' ') + *r.minimumVersion + QStringLiteral(" or newer");
    if (!dependency) return wanted + QStringLiteral(", which isn't installed");
    if (!dependency->enabled) return wanted + QStringLiteral(", which is switched off");
    if (r.minimumVersion && dependency->version)
        return wanted + QStringLiteral(", you have ") + *dependency->version;
    return wanted;
}

QString times(int count) {
    return count > 1 ? QStringLiteral(" (%1 times)").arg(count) : QString();
}

QString lack(const Lack& l) {
    const QString side =
        l.side == Lack::Side::server ? QStringLiteral("the server") : QStringLiteral("the client");
    if (l.present)
        return QStringLiteral("%1 needs %2 %3, it has %4")
            .arg(side, l.mod, l.wanted.value_or(QString()), *l.present);
    return side + QStringLiteral(" lacks ") + withVersion(l.mod, l.wanted);
}

QString capitalized(QString s) {
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

} // namespace

QString finding(const Finding& f, const ModNames::Installed& installed) {
    const QString mod = title(f, ModNames::of(installed, f));
    switch (f.kind) {
    case Kind::missingDependency: {
        QStringList needs;
        for (const LaunchReport::Requirement& r : f.requirements)
            needs << needed(r, installed);
        return mod + QStringLiteral(" didn't load: it needs ") + needs.join(QStringLiteral("; and "));
    }
    case Kind::incompatible: {
        QStringList others;
        for (const LaunchReport::Requirement& r : f.requirements) {
            const auto other = ModNames::byGuid(installed, r.guid);
            others << (other ? other->name : r.guid);
        }
        return mod + QStringLiteral(" didn't load: it can't run beside ") + others.join(QStringLiteral(", "));
    }
    case Kind::dependencyNotLoaded:
        return mod + QStringLiteral(" didn't load: a mod it needs didn't load");
    case Kind::loadError:
        return f.reason.isEmpty() ? mod + QStringLiteral(" didn't load, and BepInEx gave no reason")
                                  : mod + QStringLiteral(" didn't load: ") + f.reason;
    case Kind::newerVersionExists:
        return f.reason == mod ? mod + QStringLiteral(" is installed twice; BepInEx loaded one copy")
                               : mod + QStringLiteral(" was skipped: %1 is installed too").arg(f.reason);
    case Kind::wrongBepInEx:
        return mod +
               QStringLiteral(" was made for BepInEx %1 and might not work until it's updated").arg(f.reason);
    case Kind::patchFailed:
        return mod.isEmpty()
                   ? QStringLiteral("A mod couldn't patch the game, and its error names no mod") +
                         times(f.count)
                   : mod +
                         QStringLiteral(" couldn't patch the game — it may need an update for this Valheim") +
                         times(f.count);
    case Kind::exception:
        break;
    }
    const QString error = f.reason.isEmpty() ? QStringLiteral("an error") : f.reason;
    if (f.attribution == Finding::Attribution::context)
        return mod + QStringLiteral(" failed to start (%1)").arg(error);
    if (mod.isEmpty())
        return (f.where.isEmpty()
                    ? QStringLiteral("Something failed (%1), and no mod is named in it").arg(error)
                    : QStringLiteral("Something failed (%1) in %2, which no one mod stands for")
                          .arg(error, f.where)) +
               times(f.count);
    return mod + QStringLiteral(" ran into %1").arg(error) + times(f.count);
}

QString connection(const LaunchReport::Connection& c) {
    using Kind = LaunchReport::Connection::Kind;
    QStringList lacks;
    for (const Lack& l : c.lacks)
        lacks << lack(l);
    switch (c.kind) {
    case Kind::lost: {
        static const QHash<QString, QString> reasons{
            {QStringLiteral("ErrorVersion"), QStringLiteral("The server runs another version of Valheim")},
            {QStringLiteral("ErrorConnectFailed"), QStringLiteral("Couldn't connect to the server")},
            {QStringLiteral("ErrorPassword"), QStringLiteral("The server refused the password")},
            {QStringLiteral("ErrorBanned"), QStringLiteral("The server has banned this player")},
            {QStringLiteral("ErrorFull"), QStringLiteral("The server is full")}};
        return reasons.value(c.reason,
                             QStringLiteral("Lost the connection to the server (%1)").arg(c.reason)) +
               times(c.count);
    }
    case Kind::incompatibleVersion:
        if (!c.reason.isEmpty())
            lacks.prepend(QStringLiteral("the game's versions differ (%1)").arg(c.reason));
        return lacks.isEmpty()
                   ? QStringLiteral("A connection was refused: the versions differ")
                   : QStringLiteral("A connection was refused: ") + lacks.join(QStringLiteral("; "));
    case Kind::modsListed: {
        if (c.lacks.isEmpty())
            return QStringLiteral("Jotunn's version check turned a connection away") + times(c.count);
        if (c.reason == QLatin1String("installed")) return capitalized(lacks.join(QStringLiteral("; ")));
        QStringList mods;
        for (const Lack& l : c.lacks)
            mods << withVersion(l.mod, l.wanted);
        return QStringLiteral("Mods need to be %1 on the %2: %3")
            .arg(c.reason,
                 c.lacks.first().side == Lack::Side::server ? QStringLiteral("server")
                                                            : QStringLiteral("client"),
                 mods.join(QStringLiteral(", ")));
    }
    case Kind::modRequired:
        return capitalized(lacks.join(QStringLiteral("; ")));
    case Kind::disconnected:
        return QStringLiteral("A connection was closed") + times(c.count);
    }
    return {};
}

QString summary(const LaunchReport& r) {
    const int considered = int(std::count_if(r.plugins.cbegin(), r.plugins.cend(), [](const auto& p) {
        return p.outcome != LaunchReport::Plugin::Outcome::skipped;
    }));
    QString text = QStringLiteral("%1 of %2 mods loaded").arg(r.loadedCount()).arg(considered);
    if (!r.chainloaderComplete) text = QStringLiteral("BepInEx stopped before it finished loading: ") + text;
    return r.gameVersion ? text + QStringLiteral(", Valheim ") + *r.gameVersion : text;
}

QString noLog(LaunchChecks::NoLog cause, const QString& scriptName) {
    using NoLog = LaunchChecks::NoLog;
    switch (cause) {
    case NoLog::loaderMissing:
        return QStringLiteral("BepInEx isn't installed in the game folder, so nothing wrote a log.");
    case NoLog::protonOverride:
        return QStringLiteral("Steam runs the Windows build through Proton, which loads BepInEx only with "
                              "these launch options: %1")
            .arg(Outside::protonLaunchOptions);
    case NoLog::scriptNotExecutable:
        return QStringLiteral("%1 isn't executable, so Steam couldn't start the game through it.")
            .arg(scriptName);
    case NoLog::scriptOutdated:
        return QStringLiteral("%1 is too old for Steam's runtime, which keeps it from loading BepInEx.")
            .arg(scriptName);
    case NoLog::intelOnly:
        return QStringLiteral(
            "BepInEx's injector is Intel-only: on Apple Silicon the game has to run through "
            "Rosetta 2 (step 4).");
    case NoLog::launchOptions:
        return QStringLiteral(
                   "Steam's launch options for Valheim don't name %1, so the game started without mods.")
            .arg(scriptName);
    case NoLog::serverNotStarted:
        return QStringLiteral("The server hasn't been started through %1 since BepInEx was installed, so "
                              "nothing wrote a log.")
            .arg(scriptName);
    case NoLog::neverLaunched:
        return QStringLiteral("Valheim hasn't been launched with mods yet.");
    case NoLog::unknown:
        return QStringLiteral("Valheim started, but BepInEx wrote no log — Steam may have started it without "
                              "its launch options.");
    }
    return {};
}

QString gameUpdated(const LaunchChecks::GameUpdate& update) {
    return QStringLiteral("Valheim updated from %1 to %2").arg(update.from, update.to);
}

QString markdown(const LaunchReport& r, const ModNames::Installed& installed) {
    // Long enough for what usually breaks at once, short enough for one chat message.
    constexpr qsizetype shownAtMost = 10;
    QStringList versions;
    if (r.bepInEx) versions << QStringLiteral("BepInEx ") + *r.bepInEx;
    if (r.pack) versions << QStringLiteral("pack ") + *r.pack;
    if (r.platform) versions << *r.platform + (r.server ? QStringLiteral(" server") : QString());
    QStringList items;
    for (const Finding& f : r.findings)
        if (!f.warningOnly()) items << finding(f, installed);
    for (const LaunchReport::Connection& c : r.connections)
        items << connection(c);
    QStringList lines{QStringLiteral("**Last launch:** ") + summary(r)};
    if (!versions.isEmpty()) lines << versions.join(QStringLiteral(" · "));
    for (qsizetype i = 0; i < items.size() && i < shownAtMost; ++i)
        lines << QStringLiteral("- ") + items[i];
    if (items.size() > shownAtMost) lines << QStringLiteral("- …and %1 more").arg(items.size() - shownAtMost);
    return lines.join(QLatin1Char('\n'));
}

} // namespace LaunchText
