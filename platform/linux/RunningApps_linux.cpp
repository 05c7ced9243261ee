#include "platform/RunningApps.h"

#include "platform/Fs.h"
#include "platform/Plist.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace RunningApps {

namespace {

// Programs that have no bundle identifier of their own on Linux, named the way macOS names
// them so that callers need not care which system they run on.
QString knownIdentifier(const QString& programName) {
    if (programName == QLatin1String("steam")) return QStringLiteral("com.valvesoftware.steam");
    return {};
}

} // namespace

QList<RunningApplication> list() {
    QList<RunningApplication> apps;
    const uid_t me = ::getuid();
    const auto pids = Fs::entries(QStringLiteral("/proc"));
    if (!pids) return apps;
    for (const Fs::Entry& entry : *pids) {
        bool numeric = false;
        entry.name.toInt(&numeric);
        if (!numeric || !entry.isDir) continue;
        struct stat st;
        if (::stat(QFile::encodeName(entry.path).constData(), &st) != 0 || st.st_uid != me) continue;
        const QString exe = QFile::symLinkTarget(Fs::join(entry.path, QStringLiteral("exe")));
        QString comm = QString::fromUtf8(
                           Fs::tryRead(Fs::join(entry.path, QStringLiteral("comm"))).value_or(QByteArray()))
                           .trimmed();
        if (exe.isEmpty() && comm.isEmpty()) continue;
        RunningApplication app;
        const qsizetype bundleEnd = exe.indexOf(QLatin1String(".app/"), 0, Qt::CaseInsensitive);
        if (bundleEnd >= 0) {
            app.bundlePath = exe.left(bundleEnd + 4);
            app.bundleIdentifier =
                Plist::stringValue(Fs::join(app.bundlePath, QStringLiteral("Contents/Info.plist")),
                                   QStringLiteral("CFBundleIdentifier"))
                    .value_or(QString());
            app.name = Fs::withoutExtension(Fs::fileName(app.bundlePath));
        } else {
            const QString program = exe.isEmpty() ? comm : Fs::fileName(exe);
            app.name = Fs::withoutExtension(program);
            app.bundleIdentifier = knownIdentifier(program);
        }
        apps.append(app);
    }
    return apps;
}

} // namespace RunningApps
