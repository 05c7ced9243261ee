#include "tests/support/StandIns.h"

#include "platform/Fs.h"

bool SteamStandIn::launch(const QUrl& url) const {
    if (url.scheme() != QLatin1String("steam")) return false;
    const QString config = QString::fromUtf8(World::read(m_world.localConfig())).toLower();
    const bool throughScript =
        config.contains(QLatin1String("launchoptions")) && config.contains(QLatin1String("bepinex"));
    const bool loaderPresent = Fs::exists(m_world.gameDir() + QStringLiteral("/BepInEx/core/BepInEx.dll")) &&
                               Fs::isExecutable(m_world.gameDir() + QStringLiteral("/start_game_bepinex.sh"));
    if (!throughScript || !loaderPresent) return false;
    m_world.writeLoaderLog();
    return true;
}

RunningApplication SteamStandIn::runningClient() {
    return RunningApplication{QStringLiteral("com.valvesoftware.steam"),
                              QStringLiteral("/Applications/Steam.app"), QStringLiteral("Steam")};
}

bool StandInWorkspace::openUrl(const QUrl& url) {
    openedUrls.append(url);
    if (url.scheme() == QLatin1String("steam")) {
        if (m_steam.launch(url)) ++launches;
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
    apps.append(SteamStandIn::runningClient());
    return apps;
}

void StandInClipboard::setText(const QString& text) {
    texts.append(text);
    if (m_desktop) m_desktop->setText(text);
    if (text.contains(QLatin1String("%command%"))) m_steam.pasteLaunchOptions(text);
}
