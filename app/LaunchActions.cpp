// AppState's part about the last launch: its report read after each refresh that finds the log,
// the mods or the profile changed, the fixes for its failures, and the summary to share.

#include "app/AppState.h"

#include "catalog/Repository.h"
#include "catalog/Version.h"
#include "config/ConfigStore.h"
#include "install/InstallRecords.h"
#include "launch/LaunchLog.h"
#include "launch/LaunchText.h"
#include "platform/Async.h"

namespace {

// Everything but the model's own state: runs on the pool.
LastLaunch readLaunch(const QString& gameDir, const QString& profile, const QList<ModItem>& mods) {
    LastLaunch last;
    last.report = LaunchLog::read(gameDir);
    last.installed = ModNames::read(mods, InstallRecords::all(gameDir));
    if (!last.report) return last;
    last.gameUpdate = LaunchChecks::noteLaunch(gameDir, profile, *last.report);
    last.lastLoaded = LaunchChecks::rememberLoaded(gameDir, profile,
                                                   LaunchFixes::loadedReleases(*last.report, last.installed));
    const LaunchFixes::Context names{last.installed, {}, {}};
    for (const LaunchReport::Finding& f : last.report->findings)
        last.problems << LastLaunch::Problem{LaunchText::finding(f, last.installed),
                                             LaunchFixes::modOf(names, f), f.warningOnly(), f, std::nullopt};
    for (const LaunchReport::Connection& c : last.report->connections)
        last.problems << LastLaunch::Problem{LaunchText::connection(c), std::nullopt, false, std::nullopt, c};
    return last;
}

} // namespace

void AppState::readLastLaunch() {
    const QString profile = m_snapshot.activeProfile;
    const QString key =
        m_gameDir ? *m_gameDir + QLatin1Char('\n') + profile + QLatin1Char('\n') +
                        (m_snapshot.logDate ? m_snapshot.logDate->toString(Qt::ISODateWithMs) : QString())
                  : QString();
    if (key == m_launchKey && m_launchMods == m_snapshot.mods) return noteNoLog();
    m_launchKey = key;
    m_launchMods = m_snapshot.mods;
    const int generation = ++m_launchGeneration;
    if (!m_gameDir) {
        m_lastLaunch = LastLaunch();
        return noteNoLog();
    }
    m_launchReading = true;
    Async::runInBackground([task = task(), dir = *m_gameDir, profile, mods = m_snapshot.mods, generation] {
        LastLaunch last = readLaunch(dir, profile, mods);
        task.post([generation, last = std::move(last)](AppState& state) {
            if (generation != state.m_launchGeneration) return; // a newer read is under way
            state.m_launchReading = false;
            state.m_lastLaunch = last;
            state.noteNoLog();
        });
    });
}

void AppState::noteNoLog() {
    const auto cause = LaunchChecks::whyNoLog(m_snapshot, platform(), m_isAppleSilicon, m_launchedAt);
    m_lastLaunch.noLog =
        cause ? std::optional(LaunchText::noLog(*cause, effectiveScriptName())) : std::nullopt;
    if (m_launchReading) return;
    Q_EMIT launchChanged();
    Q_EMIT changed();
}

QList<LaunchFixes::Fix> AppState::launchFixes(const LastLaunch::Problem& problem) const {
    const LaunchFixes::Context context{m_lastLaunch.installed, m_catalogView, m_lastLaunch.lastLoaded};
    const QList<LaunchFixes::Fix> found = problem.finding ? LaunchFixes::forFinding(context, *problem.finding)
                                          : problem.connection
                                              ? LaunchFixes::forConnection(context, *problem.connection)
                                              : QList<LaunchFixes::Fix>();
    // The mods as they are now: a fix already carried out since the launch is offered no more.
    QList<LaunchFixes::Fix> fixes;
    for (LaunchFixes::Fix fix : found) {
        if (fix.mod) {
            const auto now = std::find_if(m_snapshot.mods.cbegin(), m_snapshot.mods.cend(),
                                          [&](const ModItem& m) { return m.id == fix.mod->id; });
            if (now == m_snapshot.mods.cend()) continue;
            fix.mod = *now;
        }
        using Kind = LaunchFixes::Fix::Kind;
        if ((fix.kind == Kind::switchOff && !fix.mod->enabled) ||
            (fix.kind == Kind::switchOn && fix.mod->enabled))
            continue;
        if (fix.package && fix.mod && fix.mod->version == fix.version) continue;
        fixes << fix;
    }
    return fixes;
}

void AppState::applyLaunchFix(const LaunchFixes::Fix& fix) {
    using Kind = LaunchFixes::Fix::Kind;
    switch (fix.kind) {
    case Kind::switchOff:
    case Kind::switchOn:
        if (fix.mod) setModsEnabled({*fix.mod}, fix.kind == Kind::switchOn);
        return;
    case Kind::update:
    case Kind::rollBack:
    case Kind::install:
        if (fix.package) installVersion(*fix.package, fix.version, false);
        return;
    }
}

QList<ModItem> AppState::failingMods() const {
    QList<ModItem> mods;
    for (const LastLaunch::Problem& p : m_lastLaunch.problems) {
        if (!p.mod || p.warningOnly) continue;
        // As the mod is now: switched off since, or gone, it fails no more.
        const auto now = std::find_if(m_snapshot.mods.cbegin(), m_snapshot.mods.cend(),
                                      [&](const ModItem& m) { return m.id == p.mod->id; });
        if (now == m_snapshot.mods.cend() || !now->enabled) continue;
        if (std::none_of(mods.cbegin(), mods.cend(), [&](const ModItem& m) { return m.id == now->id; }))
            mods << *now;
    }
    return mods;
}

QList<UpdatePlan::Update> AppState::failingModUpdates() const {
    const QList<ModItem> failing = failingMods();
    QList<UpdatePlan::Update> updates;
    for (const UpdatePlan::Update& u : m_plan.updates)
        if (std::any_of(failing.cbegin(), failing.cend(), [&](const ModItem& m) { return m.id == u.mod.id; }))
            updates << u;
    return updates;
}

std::optional<QString> AppState::newerLoaderPack() const {
    const auto pack = m_catalogView.index.constFind(Repository::bepInExPackKey);
    if (pack == m_catalogView.index.cend()) return std::nullopt;
    const std::optional<QString> installed = m_lastLaunch.report && m_lastLaunch.report->pack
                                                 ? m_lastLaunch.report->pack
                                             : m_gameDir ? InstallRecords::loaderVersion(*m_gameDir)
                                                         : std::nullopt;
    if (!installed || !Version::less(*installed, pack->version)) return std::nullopt;
    return pack->version;
}

void AppState::copyLaunchForDiscord() {
    if (!m_lastLaunch.report) return;
    copyToClipboard(LaunchText::markdown(*m_lastLaunch.report, m_lastLaunch.installed));
    setLastAction(tr("The last launch's summary is copied — paste it into Discord"));
}
