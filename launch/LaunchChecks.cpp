#include "launch/LaunchChecks.h"

#include "discovery/Outside.h"
#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>

namespace LaunchChecks {

namespace {

constexpr qsizetype maxRemembered = 64; // game folders and profiles

// Two reads of a launch may run at once on the pool; each rewrites its file whole.
QMutex& filesLock() {
    static QMutex lock;
    return lock;
}

QString historyFile() {
    return Fs::join(AppSupport::dir(), QStringLiteral("launches.json"));
}

QString releasesFile() {
    return Fs::join(AppSupport::dir(), QStringLiteral("loaded-releases.json"));
}

void save(const QString& file, const QJsonObject& all) {
    try {
        AppSupport::ensureDir();
        Fs::writeAtomic(file, QJsonDocument(all).toJson(QJsonDocument::Compact));
    } catch (const SkaldrunError& e) {
        qCDebug(lcLaunch) << e.message();
    }
}

} // namespace

std::optional<NoLog> whyNoLog(const Snapshot& s, Platform platform, bool appleSilicon,
                              const std::optional<QDateTime>& launchedAt) {
    if (s.logDate && (!launchedAt || *s.logDate >= launchedAt->addMSecs(-launchedAt->time().msec())))
        return std::nullopt;
    const bool onLinux = platform == Platform::linuxOS;
    if (onLinux && s.windowsBuild) return NoLog::protonOverride;
    if (!s.bepFilesPresent) return NoLog::loaderMissing;
    if (s.scriptName && !s.scriptExecutable) return NoLog::scriptNotExecutable;
    if (onLinux && s.scriptPredatesRuntime) return NoLog::scriptOutdated;
    if (s.appBundleName == Outside::serverExecutable) return NoLog::serverNotStarted;
    if (!onLinux && appleSilicon && (!s.rosettaOK || !s.archConfigured)) return NoLog::intelOnly;
    if (!s.launchDetected) return NoLog::launchOptions;
    return launchedAt ? NoLog::unknown : NoLog::neverLaunched;
}

std::optional<GameUpdate> noteLaunch(const QString& gameDir, const QString& profile,
                                     const LaunchReport& report) {
    if (!report.gameVersion) return std::nullopt;
    const QMutexLocker locked(&filesLock());
    const QString key = gameDir + QLatin1Char('\n') + profile;
    const std::optional<QDateTime> when = report.completedAt ? report.completedAt : report.written;
    const QString launch = when ? when->toString(Qt::ISODate) : QString();
    QJsonObject all = QJsonDocument::fromJson(Fs::tryRead(historyFile()).value_or(QByteArray())).object();
    const QJsonObject last = all.value(key).toObject();
    const QString before = last.value(QLatin1String("version")).toString();
    if (!launch.isEmpty() && last.value(QLatin1String("launch")).toString() == launch) {
        const QString from = last.value(QLatin1String("from")).toString();
        if (from.isEmpty()) return std::nullopt;
        return GameUpdate{from, *report.gameVersion};
    }
    std::optional<GameUpdate> update;
    if (!before.isEmpty() && before != *report.gameVersion) update = GameUpdate{before, *report.gameVersion};
    if (!report.chainloaderComplete || report.loadedCount() == 0) return update;
    QJsonObject entry{{QStringLiteral("version"), *report.gameVersion}, {QStringLiteral("launch"), launch}};
    if (update) entry.insert(QStringLiteral("from"), update->from);
    if (!all.contains(key) && all.size() >= maxRemembered) all.erase(all.begin());
    all.insert(key, entry);
    save(historyFile(), all);
    return update;
}

QHash<QString, QString> rememberLoaded(const QString& gameDir, const QString& profile,
                                       const QHash<QString, QString>& loaded) {
    const QString key = gameDir + QLatin1Char('\n') + profile;
    const QMutexLocker locked(&filesLock());
    QJsonObject all = QJsonDocument::fromJson(Fs::tryRead(releasesFile()).value_or(QByteArray())).object();
    QJsonObject releases = all.value(key).toObject();
    bool changed = false;
    for (auto it = loaded.cbegin(); it != loaded.cend(); ++it) {
        changed = changed || releases.value(it.key()).toString() != it.value();
        releases.insert(it.key(), it.value());
    }
    if (changed) {
        if (!all.contains(key) && all.size() >= maxRemembered) all.erase(all.begin());
        all.insert(key, releases);
        save(releasesFile(), all);
    }
    QHash<QString, QString> result;
    for (auto it = releases.constBegin(); it != releases.constEnd(); ++it)
        result.insert(it.key(), it.value().toString());
    return result;
}

} // namespace LaunchChecks
