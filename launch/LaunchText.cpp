#include "launch/LaunchText.h"

#include "discovery/Outside.h"

#include <QCoreApplication>
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
    QString name = dependency ? dependency->name : r.guid;
    if (!r.minimumVersion) {
        if (!dependency)
            return QCoreApplication::translate("LaunchText", "%1, which isn't installed").arg(name);
        if (!dependency->enabled)
            return QCoreApplication::translate("LaunchText", "%1, which is switched off").arg(name);
        return name;
    }
    if (!dependency)
        return QCoreApplication::translate("LaunchText", "%1 %2 or newer, which isn't installed")
            .arg(name, *r.minimumVersion);
    if (!dependency->enabled)
        return QCoreApplication::translate("LaunchText", "%1 %2 or newer, which is switched off")
            .arg(name, *r.minimumVersion);
    if (dependency->version)
        return QCoreApplication::translate("LaunchText", "%1 %2 or newer, you have %3")
            .arg(name, *r.minimumVersion, *dependency->version);
    return QCoreApplication::translate("LaunchText", "%1 %2 or newer").arg(name, *r.minimumVersion);
}

// A sentence that the log repeats, with how often.
QString times(const QString& sentence, int count) {
    return count > 1
               ? QCoreApplication::translate("LaunchText", "%1 (%n times)", nullptr, count).arg(sentence)
               : sentence;
}

QString lack(const Lack& l) {
    const bool server = l.side == Lack::Side::server;
    if (l.present)
        return (server ? QCoreApplication::translate("LaunchText", "the server needs %1 %2, it has %3")
                       : QCoreApplication::translate("LaunchText", "the client needs %1 %2, it has %3"))
            .arg(l.mod, l.wanted.value_or(QString()), *l.present);
    return (server ? QCoreApplication::translate("LaunchText", "the server lacks %1")
                   : QCoreApplication::translate("LaunchText", "the client lacks %1"))
        .arg(withVersion(l.mod, l.wanted));
}

// Clauses that each stand on their own, one after another.
QString listed(const QStringList& clauses) {
    QString text = clauses.value(0);
    for (qsizetype i = 1; i < clauses.size(); ++i)
        text = QCoreApplication::translate("LaunchText", "%1; %2").arg(text, clauses[i]);
    return text;
}

QString capitalized(QString s) {
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

QString lost(const QString& reason) {
    if (reason == QLatin1String("ErrorVersion"))
        return QCoreApplication::translate("LaunchText", "The server runs another version of Valheim");
    if (reason == QLatin1String("ErrorConnectFailed"))
        return QCoreApplication::translate("LaunchText", "Couldn't connect to the server");
    if (reason == QLatin1String("ErrorPassword"))
        return QCoreApplication::translate("LaunchText", "The server refused the password");
    if (reason == QLatin1String("ErrorBanned"))
        return QCoreApplication::translate("LaunchText", "The server has banned this player");
    if (reason == QLatin1String("ErrorFull"))
        return QCoreApplication::translate("LaunchText", "The server is full");
    return QCoreApplication::translate("LaunchText", "Lost the connection to the server (%1)").arg(reason);
}

} // namespace

QString finding(const Finding& f, const ModNames::Installed& installed) {
    const QString mod = title(f, ModNames::of(installed, f));
    switch (f.kind) {
    case Kind::missingDependency: {
        QString needs;
        for (const LaunchReport::Requirement& r : f.requirements)
            needs = needs.isEmpty() ? needed(r, installed)
                                    : QCoreApplication::translate("LaunchText", "%1; and %2")
                                          .arg(needs, needed(r, installed));
        return QCoreApplication::translate("LaunchText", "%1 didn't load: it needs %2").arg(mod, needs);
    }
    case Kind::incompatible: {
        QStringList others;
        for (const LaunchReport::Requirement& r : f.requirements) {
            const auto other = ModNames::byGuid(installed, r.guid);
            others << (other ? other->name : r.guid);
        }
        return QCoreApplication::translate("LaunchText", "%1 didn't load: it can't run beside %2")
            .arg(mod, others.join(QStringLiteral(", ")));
    }
    case Kind::dependencyNotLoaded:
        return QCoreApplication::translate("LaunchText", "%1 didn't load: a mod it needs didn't load")
            .arg(mod);
    case Kind::loadError:
        return f.reason.isEmpty()
                   ? QCoreApplication::translate("LaunchText", "%1 didn't load, and BepInEx gave no reason")
                         .arg(mod)
                   : QCoreApplication::translate("LaunchText", "%1 didn't load: %2").arg(mod, f.reason);
    case Kind::newerVersionExists:
        return f.reason == mod
                   ? QCoreApplication::translate("LaunchText",
                                                 "%1 is installed twice; BepInEx loaded one copy")
                         .arg(mod)
                   : QCoreApplication::translate("LaunchText", "%1 was skipped: %2 is installed too")
                         .arg(mod, f.reason);
    case Kind::wrongBepInEx:
        return QCoreApplication::translate("LaunchText",
                                           "%1 was made for BepInEx %2 and might not work until it's updated")
            .arg(mod, f.reason);
    case Kind::patchFailed:
        return times(
            mod.isEmpty()
                ? QCoreApplication::translate("LaunchText",
                                              "A mod couldn't patch the game, and its error names no mod")
                : QCoreApplication::translate(
                      "LaunchText", "%1 couldn't patch the game — it may need an update for this Valheim")
                      .arg(mod),
            f.count);
    case Kind::exception:
        break;
    }
    const bool named = !f.reason.isEmpty();
    if (f.attribution == Finding::Attribution::context)
        return named ? QCoreApplication::translate("LaunchText", "%1 failed to start (%2)").arg(mod, f.reason)
                     : QCoreApplication::translate("LaunchText", "%1 failed to start (an error)").arg(mod);
    if (mod.isEmpty() && f.where.isEmpty())
        return times(named ? QCoreApplication::translate("LaunchText",
                                                         "Something failed (%1), and no mod is named in it")
                                 .arg(f.reason)
                           : QCoreApplication::translate(
                                 "LaunchText", "Something failed (an error), and no mod is named in it"),
                     f.count);
    if (mod.isEmpty())
        return times(named
                         ? QCoreApplication::translate(
                               "LaunchText", "Something failed (%1) in %2, which no one mod stands for")
                               .arg(f.reason, f.where)
                         : QCoreApplication::translate(
                               "LaunchText", "Something failed (an error) in %1, which no one mod stands for")
                               .arg(f.where),
                     f.count);
    return times(named ? QCoreApplication::translate("LaunchText", "%1 ran into %2").arg(mod, f.reason)
                       : QCoreApplication::translate("LaunchText", "%1 ran into an error").arg(mod),
                 f.count);
}

QString connection(const LaunchReport::Connection& c) {
    using Kind = LaunchReport::Connection::Kind;
    QStringList lacks;
    for (const Lack& l : c.lacks)
        lacks << lack(l);
    switch (c.kind) {
    case Kind::lost:
        return times(lost(c.reason), c.count);
    case Kind::incompatibleVersion:
        if (!c.reason.isEmpty())
            lacks.prepend(
                QCoreApplication::translate("LaunchText", "the game's versions differ (%1)").arg(c.reason));
        return lacks.isEmpty() ? QCoreApplication::translate("LaunchText",
                                                             "A connection was refused: the versions differ")
                               : QCoreApplication::translate("LaunchText", "A connection was refused: %1")
                                     .arg(listed(lacks));
    case Kind::modsListed: {
        if (c.lacks.isEmpty())
            return times(
                QCoreApplication::translate("LaunchText", "Jotunn's version check turned a connection away"),
                c.count);
        if (c.reason == QLatin1String("installed")) return capitalized(listed(lacks));
        QStringList mods;
        for (const Lack& l : c.lacks)
            mods << withVersion(l.mod, l.wanted);
        // The log's own word for what the mods need ("updated", "removed") stays as written.
        return (c.lacks.first().side == Lack::Side::server
                    ? QCoreApplication::translate("LaunchText", "Mods need to be %1 on the server: %2")
                    : QCoreApplication::translate("LaunchText", "Mods need to be %1 on the client: %2"))
            .arg(c.reason, mods.join(QStringLiteral(", ")));
    }
    case Kind::modRequired:
        return capitalized(listed(lacks));
    case Kind::disconnected:
        return times(QCoreApplication::translate("LaunchText", "A connection was closed"), c.count);
    }
    return {};
}

QString summary(const LaunchReport& r) {
    const int considered = int(std::count_if(r.plugins.cbegin(), r.plugins.cend(), [](const auto& p) {
        return p.outcome != LaunchReport::Plugin::Outcome::skipped;
    }));
    const QString loaded = QString::number(r.loadedCount());
    if (r.chainloaderComplete)
        return r.gameVersion
                   ? QCoreApplication::translate("LaunchText", "%1 of %n mods loaded, Valheim %2", nullptr,
                                                 considered)
                         .arg(loaded, *r.gameVersion)
                   : QCoreApplication::translate("LaunchText", "%1 of %n mods loaded", nullptr, considered)
                         .arg(loaded);
    return r.gameVersion
               ? QCoreApplication::translate(
                     "LaunchText",
                     "BepInEx stopped before it finished loading: %1 of %n mods loaded, Valheim %2", nullptr,
                     considered)
                     .arg(loaded, *r.gameVersion)
               : QCoreApplication::translate(
                     "LaunchText", "BepInEx stopped before it finished loading: %1 of %n mods loaded",
                     nullptr, considered)
                     .arg(loaded);
}

QString noLog(LaunchChecks::NoLog cause, const QString& scriptName) {
    using NoLog = LaunchChecks::NoLog;
    switch (cause) {
    case NoLog::loaderMissing:
        return QCoreApplication::translate(
            "LaunchText", "BepInEx isn't installed in the game folder, so nothing wrote a log.");
    case NoLog::protonOverride:
        return QCoreApplication::translate(
                   "LaunchText", "Steam runs the Windows build through Proton, which loads BepInEx only with "
                                 "these launch options: %1")
            .arg(Outside::protonLaunchOptions);
    case NoLog::scriptNotExecutable:
        return QCoreApplication::translate(
                   "LaunchText", "%1 isn't executable, so Steam couldn't start the game through it.")
            .arg(scriptName);
    case NoLog::scriptOutdated:
        return QCoreApplication::translate(
                   "LaunchText", "%1 is too old for Steam's runtime, which keeps it from loading BepInEx.")
            .arg(scriptName);
    case NoLog::intelOnly:
        return QCoreApplication::translate(
            "LaunchText", "BepInEx's injector is Intel-only: on Apple Silicon the game has to run through "
                          "Rosetta 2 (step 4).");
    case NoLog::launchOptions:
        return QCoreApplication::translate(
                   "LaunchText",
                   "Steam's launch options for Valheim don't name %1, so the game started without mods.")
            .arg(scriptName);
    case NoLog::serverNotStarted:
        return QCoreApplication::translate(
                   "LaunchText", "The server hasn't been started through %1 since BepInEx was installed, so "
                                 "nothing wrote a log.")
            .arg(scriptName);
    case NoLog::neverLaunched:
        return QCoreApplication::translate("LaunchText", "Valheim hasn't been launched with mods yet.");
    case NoLog::unknown:
        return QCoreApplication::translate(
            "LaunchText", "Valheim started, but BepInEx wrote no log — Steam may have started it without "
                          "its launch options.");
    }
    return {};
}

QString gameUpdated(const LaunchChecks::GameUpdate& update) {
    return QCoreApplication::translate("LaunchText", "Valheim updated from %1 to %2")
        .arg(update.from, update.to);
}

QString markdown(const LaunchReport& r, const ModNames::Installed& installed) {
    // Long enough for what usually breaks at once, short enough for one chat message.
    constexpr qsizetype shownAtMost = 10;
    QStringList versions;
    if (r.bepInEx) versions << QStringLiteral("BepInEx ") + *r.bepInEx;
    if (r.pack) versions << QCoreApplication::translate("LaunchText", "pack %1").arg(*r.pack);
    if (r.platform)
        versions << (r.server ? QCoreApplication::translate("LaunchText", "%1 server").arg(*r.platform)
                              : *r.platform);
    QStringList items;
    for (const Finding& f : r.findings)
        if (!f.warningOnly()) items << finding(f, installed);
    for (const LaunchReport::Connection& c : r.connections)
        items << connection(c);
    QStringList lines{QCoreApplication::translate("LaunchText", "**Last launch:** %1").arg(summary(r))};
    if (!versions.isEmpty()) lines << versions.join(QStringLiteral(" · "));
    for (qsizetype i = 0; i < items.size() && i < shownAtMost; ++i)
        lines << QStringLiteral("- ") + items[i];
    if (items.size() > shownAtMost)
        lines << QCoreApplication::translate("LaunchText", "- …and %n more", nullptr,
                                             int(items.size() - shownAtMost));
    return lines.join(QLatin1Char('\n'));
}

} // namespace LaunchText
