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
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <QWaitCondition>

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
    bool settled = false;     // landed or failed; a transfer the player stopped never settles
};

// What the player sees while a run goes: the step at work and how far the run has got. When
// installs go on while archives still download, the bar counts each step's download and its
// install as the two halves of its share; otherwise it follows the downloads, and an install
// shows no bar.
class Progress {
public:
    Progress(const Options& options, qsizetype steps, bool streamed)
        : m_options(options), m_steps(std::max<qsizetype>(steps, 1)), m_streamed(streamed),
          m_percent(size_t(steps), 0) {}

    // A transfer moved on; `started` names it, unless an install is at work.
    void transfer(qsizetype k, int percent, const QString& started = {}) {
        const QMutexLocker lock(&m_mutex);
        m_percent[size_t(k)] = percent;
        const bool named = !started.isEmpty() && !m_installing;
        if (named) m_text = started;
        publish(named);
    }
    void installing(const QString& text) {
        const QMutexLocker lock(&m_mutex);
        m_text = text;
        m_installing = true;
        publish(true);
    }
    void installed() {
        const QMutexLocker lock(&m_mutex);
        ++m_installed;
        publish(false);
    }

private:
    void publish(bool newText) {
        if (!m_options.show || m_options.stop->load()) return; // the Cancel's own text stays
        qsizetype sum = 0;
        for (const int p : m_percent)
            sum += p;
        const int whole = int(m_streamed ? (sum + 100 * m_installed) / (2 * m_steps) : sum / m_steps);
        if (whole == m_shown && !newText) return;
        m_shown = whole;
        m_options.show(m_text, m_installing && !m_streamed ? std::nullopt : std::optional(whole / 100.0));
    }

    const Options& m_options;
    const qsizetype m_steps;
    const bool m_streamed;
    QMutex m_mutex;
    std::vector<int> m_percent;
    qsizetype m_installed = 0;
    bool m_installing = false;
    QString m_text;
    int m_shown = -1;
};

// Every archive of the plan, several at once, into one temporary folder; the runner takes each
// step as its archive lands.
class Downloads {
public:
    Downloads(const InstallPlan::Plan& plan, QString into, const Options& options, Progress& progress)
        : m_plan(plan), m_into(std::move(into)), m_options(options), m_progress(progress),
          m_fetched(size_t(plan.steps.size())) {
        const int workers = std::max(1, options.parallelDownloads);
        m_pool.setMaxThreadCount(workers);
        m_running = workers; // before any starts: the first may be done before the last starts
        for (int w = 0; w < workers; ++w)
            m_pool.start([this] {
                for (qsizetype k = m_next++; k < m_plan.steps.size() && !m_options.stop->load(); k = m_next++)
                    fetch(k);
                const QMutexLocker lock(&m_mutex);
                --m_running;
                m_landed.wakeAll();
            });
    }
    ~Downloads() { m_pool.waitForDone(); }
    Downloads(const Downloads&) = delete;
    Downloads& operator=(const Downloads&) = delete;

    void waitForAll() { m_pool.waitForDone(); }
    const Fetched& at(qsizetype k) {
        const QMutexLocker lock(&m_mutex);
        return m_fetched[size_t(k)];
    }
    // The first step `ready` takes, waiting for archives to land; none once the player stopped
    // the run or no transfer is left that could make one ready.
    std::optional<qsizetype> next(const std::function<bool(qsizetype, const Fetched&)>& ready) {
        QMutexLocker lock(&m_mutex);
        for (;;) {
            if (m_options.stop->load()) return std::nullopt;
            for (qsizetype k = 0; k < m_plan.steps.size(); ++k)
                if (ready(k, m_fetched[size_t(k)])) return k;
            if (m_running == 0) return std::nullopt;
            m_landed.wait(&m_mutex, 100); // a Cancel wakes nobody: look at the flag now and then
        }
    }

private:
    void fetch(qsizetype k) {
        const TSPackage& p = m_plan.steps[k].package;
        Fetched got;
        // The catalog is outside input: archives come from the repositories and their CDNs only.
        if (!p.downloadURL || !p.downloadURL->isValid()) {
            got.failure = QCoreApplication::translate("Pipeline", "no download URL");
        } else if (!Repository::trustedDownload(*p.downloadURL)) {
            got.failure =
                QCoreApplication::translate("Pipeline", "refused to download from %1, which is neither "
                                                        "Thunderstore's nor Hexium's")
                    .arg(p.downloadURL->host());
        } else {
            m_progress.transfer(k, 0,
                                QCoreApplication::translate("Pipeline", "Downloading %1 (%2 of %3)…")
                                    .arg(p.prettyName())
                                    .arg(k + 1)
                                    .arg(m_plan.steps.size()));
            const QString file = Fs::join(m_into, QStringLiteral("%1.zip").arg(k));
            const Http::Result answer = Http::download(
                *p.downloadURL, file,
                [&, k](qint64 received, qint64 total) {
                    if (total > 0) m_progress.transfer(k, int(received * 100 / total));
                },
                Http::defaultTimeouts(), m_options.stop);
            m_progress.transfer(k, 100);
            if (answer.cancelled) return;
            if (answer.responded) {
                got.file = file;
            } else {
                // The catalog listed it a while ago: a fresh one may not.
                got.failure = answer.status == 404
                                  ? QCoreApplication::translate(
                                        "Pipeline", "%1 Reload the catalog in Browse and try again.")
                                        .arg(Repository::noSuchPackage(p.source, p.fullName))
                                  : answer.error;
                got.namesItself = answer.status == 404;
            }
        }
        if (got.failure && m_options.allOrNothing) m_options.stop->store(true); // the run won't go on
        got.settled = true;
        const QMutexLocker lock(&m_mutex);
        m_fetched[size_t(k)] = got;
        m_landed.wakeAll();
    }

    const InstallPlan::Plan& m_plan;
    const QString m_into;
    const Options& m_options;
    Progress& m_progress;
    QMutex m_mutex;
    QWaitCondition m_landed;
    std::vector<Fetched> m_fetched;
    std::atomic<qsizetype> m_next{0};
    int m_running = 0;
    QThreadPool m_pool; // last: its threads are done before the rest goes
};

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
    const qsizetype n = plan.steps.size();
    const Installer::TemporaryFolder folder;
    Progress progress(options, n, !options.allOrNothing);
    Downloads downloads(plan, folder.path, options, progress);
    std::vector<bool> taken(static_cast<size_t>(n), false); // installed, failed or left out
    QHash<QString, qsizetype> stepOf;
    for (qsizetype k = 0; k < n; ++k)
        stepOf.insert(plan.steps[k].key(), k);
    QSet<QString> failedKeys;
    const auto fail = [&](qsizetype k, const QString& name, const QString& reason) {
        report.failed.append({name, reason});
        failedKeys.insert(plan.steps[k].key());
    };

    std::unique_ptr<Change> whole;
    if (options.allOrNothing) {
        // Nothing changes until every archive is in.
        downloads.waitForAll();
        if (options.stop->load()) {
            for (qsizetype k = 0; k < n; ++k)
                if (const Fetched& got = downloads.at(k); got.failure)
                    fail(k, got.namesItself ? QString() : plan.steps[k].package.prettyName(), *got.failure);
            report.cancelled = report.failed.isEmpty();
            return report;
        }
        if (options.ready) options.ready();
        whole = std::make_unique<Change>(gameDir);
    }
    // A step is taken once what it depends on was, and its archive is in or it can't go in anyway.
    const auto ready = [&](qsizetype k, const Fetched& got) {
        if (taken[size_t(k)]) return false;
        bool needFailed = false;
        for (const QString& key : plan.steps[k].needs) {
            if (!taken[size_t(stepOf.value(key))]) return false;
            needFailed = needFailed || failedKeys.contains(key);
        }
        return got.settled || needFailed;
    };
    while (const std::optional<qsizetype> next = downloads.next(ready)) {
        const qsizetype k = *next;
        taken[size_t(k)] = true;
        const InstallPlan::Step& step = plan.steps[k];
        const QString name = step.package.prettyName();
        if (const auto it = std::find_if(step.needs.cbegin(), step.needs.cend(),
                                         [&](const QString& key) { return failedKeys.contains(key); });
            it != step.needs.cend()) {
            fail(k, name,
                 QCoreApplication::translate("Pipeline", "needs %1, which didn't install")
                     .arg(plan.steps[stepOf.value(*it)].package.prettyName()));
            continue;
        }
        const Fetched& got = downloads.at(k);
        if (got.failure) {
            fail(k, got.namesItself ? QString() : name, *got.failure);
            continue;
        }
        progress.installing(step.replaces
                                ? QCoreApplication::translate("Pipeline", "Updating %1 to %2 (%3 of %4)…")
                                      .arg(step.replaces->name, step.package.version)
                                      .arg(k + 1)
                                      .arg(n)
                                : QCoreApplication::translate("Pipeline", "Installing %1 (%2 of %3)…")
                                      .arg(name)
                                      .arg(k + 1)
                                      .arg(n));
        try {
            if (whole) {
                installStep(step, got.file, gameDir, *whole);
            } else {
                Change change(gameDir);
                installStep(step, got.file, gameDir, change);
                InstallRecords::remember(gameDir, step.package);
                change.commit();
            }
            report.installed << step.package;
            if (step.requested) ++report.requestedInstalled;
        } catch (const std::exception& e) {
            fail(k, name, errorText(e));
            if (options.allOrNothing) break;
        }
        progress.installed();
        Fs::remove(got.file); // its space back while the others download
    }
    // The player's Cancel: the step at work was finished, none after it begun.
    if (const auto left = std::find(taken.cbegin(), taken.cend(), false);
        left != taken.cend() && options.stop->load()) {
        const InstallPlan::Step& step = plan.steps[left - taken.cbegin()];
        report.stoppedBefore = step.replaces ? step.replaces->name : step.package.prettyName();
        report.cancelled = report.installed.isEmpty() && report.failed.isEmpty();
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
