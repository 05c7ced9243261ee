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

// A workspace that hands steam:// links to the Steam stand-in, lists the client as running
// while it runs (a steam:// link starts it), and passes everything else on (to a real desktop,
// or nowhere). Remembers what was asked.
class StandInWorkspace final : public Workspace {
public:
    StandInWorkspace(const World& world, Workspace* desktop = nullptr) : m_world(world), m_desktop(desktop) {}

    bool openUrl(const QUrl& url) override;
    bool openFolder(const QString& path) override;
    void reveal(const QString& path) override;
    QList<RunningApplication> runningApplications() override;

    QList<QUrl> openedUrls;
    QStringList openedFolders;
    QStringList revealed;
    bool steamRunning = true;

private:
    const World& m_world;
    Workspace* m_desktop;
};

// A clipboard that also plays the player who pastes a copied launch-options line into Steam.
class StandInClipboard final : public Clipboard {
public:
    StandInClipboard(const World& world, Clipboard* desktop = nullptr) : m_world(world), m_desktop(desktop) {}
    void setText(const QString& text) override;
    QStringList texts;

private:
    const World& m_world;
    Clipboard* m_desktop;
};
