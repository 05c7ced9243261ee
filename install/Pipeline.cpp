#include "install/Pipeline.h"

#include "catalog/Repository.h"
#include "catalog/Thunderstore.h"
#include "install/Change.h"
#include "install/InstallRecords.h"
#include "install/Installer.h"
#include "install/ModKey.h"
#include "inventory/ModScanner.h"
#include "platform/Defaults.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QMutex>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <vector>

namespace Pipeline {

namespace {

QString errorText(const std::exception& e) {
    if (const auto* error = dynamic_cast<const SkaldrunError*>(&e)) return error->message();
    return QString::fromLocal8Bit(e.what());
}

struct Fetched {
    QString file;
    std::optional<QString> failure;
    bool namesItself = false; // the failure is a sentence of its own that names the package
};

// Every archive of the plan, several at once, into one temporary folder.
std::vector<Fetched> downloadAll(const InstallPlan::Plan& plan, const QString& into, const Options& options) {
    const qsizetype n = plan.steps.size();
    std::vector<Fetched> fetched(static_cast<size_t>(n));
    std::vector<std::atomic<int>> percent(static_cast<size_t>(n));
    std::atomic<qsizetype> next{0};
    std::atomic<qsizetype> latest{0}; // the transfer started last names the stage
    std::atomic<int> shown{-1};
    QMutex showing;
    const auto report = [&](bool started) {
        if (!options.show) return;
        int sum = 0;
        for (const auto& p : percent)
            sum += p.load();
        const int whole = int(sum / std::max<qsizetype>(n, 1));
        if (shown.exchange(whole) == whole && !started) return;
        const qsizetype k = latest.load();
        const QMutexLocker lock(&showing);
        options.show(QCoreApplication::translate("Pipeline", "Downloading %1 (%2 of %3)…")
                         .arg(plan.steps[k].package.prettyName())
                         .arg(k + 1)
                         .arg(n),
                     whole / 100.0);
    };
    const auto fetchOne = [&](qsizetype k) {
        const TSPackage& p = plan.steps[k].package;
        Fetched& got = fetched[size_t(k)];
        // The catalog is outside input: archives come from the repositories and their CDNs only.
        if (!p.downloadURL || !p.downloadURL->isValid()) {
            got.failure = QCoreApplication::translate("Pipeline", "no download URL");
            return;
        }
        if (!Repository::trustedDownload(*p.downloadURL)) {
            got.failure =
                QCoreApplication::translate("Pipeline", "refused to download from %1, which is neither "
                                                        "Thunderstore's nor Hexium's")
                    .arg(p.downloadURL->host());
            return;
        }
        latest = k;
        report(true);
        const QString file = Fs::join(into, QStringLiteral("%1.zip").arg(k));
        const Http::Result answer = Http::download(
            *p.downloadURL, file,
            [&, k](qint64 received, qint64 total) {
                if (total > 0) percent[size_t(k)] = int(received * 100 / total);
                report(false);
            },
            Http::defaultTimeouts(), options.stop);
        percent[size_t(k)] = 100;
        report(false);
        if (answer.responded) {
            got.file = file;
        } else if (!answer.cancelled) {
            // The catalog listed it a while ago: a fresh one may not.
            got.failure = answer.status == 404
                              ? QCoreApplication::translate("Pipeline",
                                                            "%1 Reload the catalog in Browse and try again.")
                                    .arg(Repository::noSuchPackage(p.source, p.fullName))
                              : answer.error;
            got.namesItself = answer.status == 404;
            if (options.allOrNothing) options.stop->store(true); // the run won't go on
        }
    };
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, options.parallelDownloads));
    for (int w = 0; w < pool.maxThreadCount(); ++w)
        pool.start([&] {
            for (qsizetype k = next++; k < n && !options.stop->load(); k = next++)
                fetchOne(k);
        });
    pool.waitForDone();
    return fetched;
}

// Installs one downloaded release, in the place of the installed one when the step says so.
// A mod that was switched off stays off; its config files stay as the player left them.
void installStep(const InstallPlan::Step& step, const QString& zip, const QString& gameDir, Change& change) {
    const bool loader = Thunderstore::isBepInExPack(step.package.ownerAndName());
    if (!step.replaces || !Fs::itemExists(step.replaces->url)) {
        Installer::installZip(zip, gameDir);
        if (loader) InstallRecords::rememberLoader(gameDir, step.package.version);
        return;
    }
    const QString plugins = Installer::ensurePlugins(gameDir);
    const QStringList before = Fs::list(plugins).value_or(QStringList());
    change.park(step.replaces->url);
    Installer::installZip(zip, gameDir);
    change.keepConfigs();
    if (step.replaces->enabled) return;
    for (const ModItem& mod : ModScanner::scan(gameDir)) {
        const QString name = mod.url.startsWith(plugins + QLatin1Char('/'))
                                 ? mod.url.mid(plugins.size() + 1).section(QLatin1Char('/'), 0, 0)
                                 : QString();
        if (!before.contains(name) || mod.url == step.replaces->url) ModScanner::setEnabled(mod, false);
    }
}

} // namespace

bool Report::has(const QString& key) const {
    return std::any_of(installed.cbegin(), installed.cend(),
                       [&](const TSPackage& p) { return ModKey::of(p.name) == key; });
}

std::optional<QString> Report::installedLine(const QString& requested) const {
    QStringList names;
    for (const TSPackage& p : installed)
        names << p.prettyName();
    const qsizetype m = names.size();
    const int dependencies = int(m) - 1;
    if (m == 1 && names.first() == requested)
        return QCoreApplication::translate("Pipeline", "Installed %1").arg(requested);
    if (m > 1 && names.last() == requested)
        return QCoreApplication::translate("Pipeline", "Installed %1 with %n dependencies (%2)", nullptr,
                                           dependencies)
            .arg(requested, names.mid(0, m - 1).join(QStringLiteral(", ")));
    if (m > 0)
        return QCoreApplication::translate("Pipeline", "Installed %1, but not %2")
            .arg(names.join(QStringLiteral(", ")), requested);
    return std::nullopt;
}

QString Report::updatedLine(qsizetype of) const {
    if (cancelled) return QCoreApplication::translate("Pipeline", "Updates cancelled — nothing was changed");
    if (stoppedBefore)
        return QCoreApplication::translate("Pipeline", "Updated %1 of %n mods; stopped before %2", nullptr,
                                           int(of))
            .arg(installed.size())
            .arg(*stoppedBefore);
    return QCoreApplication::translate("Pipeline", "Updated %1 of %n mods", nullptr, int(of))
        .arg(installed.size());
}

std::optional<QString> Report::problems(const QString& separator) const {
    QStringList lines;
    for (const Failure& failure : failed)
        lines << (failure.name.isEmpty()
                      ? failure.reason
                      : QCoreApplication::translate("Pipeline", "%1: %2").arg(failure.name, failure.reason));
    if (!notFound.isEmpty())
        lines << QCoreApplication::translate("Pipeline", "Not in the catalog (install manually): %1")
                     .arg(notFound.join(QStringLiteral(", ")));
    if (lines.isEmpty()) return std::nullopt;
    return lines.join(separator);
}

Report run(const InstallPlan::Plan& plan, const QString& gameDir, const Options& options) {
    Report report;
    report.notFound = plan.notFound;
    const Installer::TemporaryFolder folder;
    const std::vector<Fetched> fetched = downloadAll(plan, folder.path, options);
    const qsizetype n = plan.steps.size();
    QSet<QString> failedKeys;
    for (qsizetype k = 0; k < n; ++k) {
        if (!fetched[size_t(k)].failure) continue;
        const Fetched& got = fetched[size_t(k)];
        report.failed.append(
            {got.namesItself ? QString() : plan.steps[k].package.prettyName(), *got.failure});
        failedKeys.insert(plan.steps[k].key());
    }
    if (options.stop->load() || (options.allOrNothing && !report.failed.isEmpty())) {
        report.cancelled = report.failed.isEmpty();
        return report;
    }

    if (options.ready) options.ready();
    std::unique_ptr<Change> whole;
    if (options.allOrNothing) whole = std::make_unique<Change>(gameDir);
    for (qsizetype k = 0; k < n; ++k) {
        const InstallPlan::Step& step = plan.steps[k];
        const QString name = step.package.prettyName();
        if (failedKeys.contains(step.key())) continue;
        if (options.stop->load()) {
            report.stoppedBefore = step.replaces ? step.replaces->name : name;
            break;
        }
        if (const auto it = std::find_if(step.needs.cbegin(), step.needs.cend(),
                                         [&](const QString& key) { return failedKeys.contains(key); });
            it != step.needs.cend()) {
            const auto failedStep = std::find_if(plan.steps.cbegin(), plan.steps.cend(),
                                                 [&](const InstallPlan::Step& s) { return s.key() == *it; });
            report.failed.append(
                {name, QCoreApplication::translate("Pipeline", "needs %1, which didn't install")
                           .arg(failedStep->package.prettyName())});
            failedKeys.insert(step.key());
            continue;
        }
        if (options.show)
            options.show(step.replaces
                             ? QCoreApplication::translate("Pipeline", "Updating %1 to %2 (%3 of %4)…")
                                   .arg(step.replaces->name, step.package.version)
                                   .arg(k + 1)
                                   .arg(n)
                             : QCoreApplication::translate("Pipeline", "Installing %1 (%2 of %3)…")
                                   .arg(name)
                                   .arg(k + 1)
                                   .arg(n),
                         std::nullopt);
        try {
            if (whole) {
                installStep(step, fetched[size_t(k)].file, gameDir, *whole);
            } else {
                Change change(gameDir);
                installStep(step, fetched[size_t(k)].file, gameDir, change);
                InstallRecords::remember(gameDir, step.package);
                change.commit();
            }
            report.installed << step.package;
            if (step.requested) ++report.requestedInstalled;
        } catch (const std::exception& e) {
            report.failed.append({name, errorText(e)});
            failedKeys.insert(step.key());
            if (options.allOrNothing) break;
        }
    }
    if (!whole) return report;
    try {
        if (report.failed.isEmpty() && !report.stoppedBefore) {
            if (options.finish) options.finish(*whole);
            for (const TSPackage& p : report.installed)
                InstallRecords::remember(gameDir, p);
            whole->commit();
            return report;
        }
    } catch (const std::exception& e) {
        report.failed.append({{}, errorText(e)});
    }
    if (options.allOrNothing) {
        whole->rollback();
        report.undone = true;
        report.installed.clear();
    }
    return report;
}

} // namespace Pipeline
