#include "tests/support/StandIns.h"

#include "platform/Fs.h"

namespace {

// Steam opens steam://rungameid/892970: with launch options that start BepInEx's script and a
// loader in place, BepInEx loads and writes its log.
void steamLaunches(const World& world) {
    const QString config = QString::fromUtf8(World::read(world.localConfig())).toLower();
    const bool throughScript =
        config.contains(QLatin1String("launchoptions")) && config.contains(QLatin1String("bepinex"));
    const bool loaderPresent = Fs::exists(world.gameDir() + QStringLiteral("/BepInEx/core/BepInEx.dll")) &&
                               Fs::isExecutable(world.gameDir() + QStringLiteral("/start_game_bepinex.sh"));
    if (throughScript && loaderPresent) world.writeLoaderLog();
}

} // namespace

bool StandInWorkspace::openUrl(const QUrl& url) {
    openedUrls.append(url);
    if (url.scheme() == QLatin1String("steam")) {
        steamRunning = true;
        steamLaunches(m_world);
        return true;
    }
    return m_desktop ? m_desktop->openUrl(url) : true;
}

bool StandInWorkspace::openFolder(const QString& path) {
    openedFolders.append(path);
    return m_desktop ? m_desktop->openFolder(path) : true;
}

void StandInWorkspace::reveal(const QString& path) {
    revealed.append(path);
    if (m_desktop) m_desktop->reveal(path);
}

QList<RunningApplication> StandInWorkspace::runningApplications() {
    QList<RunningApplication> apps =
        m_desktop ? m_desktop->runningApplications() : QList<RunningApplication>();
    // How the running Steam client appears among running applications.
    if (steamRunning)
        apps.append({QStringLiteral("com.valvesoftware.steam"), QStringLiteral("/Applications/Steam.app"),
                     QStringLiteral("Steam")});
    return apps;
}

void StandInClipboard::setText(const QString& text) {
    texts.append(text);
    if (m_desktop) m_desktop->setText(text);
    // The player pastes a copied launch-options line into the game's properties in Steam.
    if (text.contains(QLatin1String("%command%"))) m_world.setSteamLaunchOptions(text);
}
