#pragma once

#include "platform/Clipboard.h"
#include "platform/Workspace.h"
#include "tests/support/World.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// What the outside world does in answer to the app, on a made-up world: Steam takes pasted
// launch options and starts the game through BepInEx's script (which then writes its log), a
// browser flags downloads as quarantined. Both the end-to-end test and the demo use them.
class SteamStandIn {
public:
    explicit SteamStandIn(const World& world) : m_world(world) {}

    // The player pastes the line into the game's launch options and closes the window.
    void pasteLaunchOptions(const QString& line) const { m_world.setSteamLaunchOptions(line); }
    // Steam opens steam://rungameid/892970: with launch options that start BepInEx's script
    // and a loader in place, BepInEx loads and writes its log. Returns whether it did.
    bool launch(const QUrl& url) const;
    // How the running client appears among running applications.
    static RunningApplication runningClient();

private:
    const World& m_world;
};

// A workspace that hands steam:// links to the Steam stand-in, lists the client as running,
// and passes everything else on (to a real desktop, or nowhere). Remembers what was asked.
class StandInWorkspace final : public Workspace {
public:
    StandInWorkspace(const World& world, Workspace* desktop = nullptr) : m_steam(world), m_desktop(desktop) {}

    bool openUrl(const QUrl& url) override;
    bool openFolder(const QString& path) override;
    void reveal(const QString& path) override;
    QList<RunningApplication> runningApplications() override;

    QList<QUrl> openedUrls;
    QStringList openedFolders;
    QStringList revealed;
    int launches = 0; // modded launches that wrote the loader's log

private:
    SteamStandIn m_steam;
    Workspace* m_desktop;
};

// A clipboard that also plays the player who pastes a copied launch-options line into Steam.
class StandInClipboard final : public Clipboard {
public:
    StandInClipboard(const World& world, Clipboard* desktop = nullptr) : m_steam(world), m_desktop(desktop) {}
    void setText(const QString& text) override;
    QStringList texts;

private:
    SteamStandIn m_steam;
    Clipboard* m_desktop;
};
