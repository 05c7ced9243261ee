#pragma once

#include "platform/RunningApps.h"

#include <QString>
#include <QUrl>

// The desktop: browser, file manager and the list of running applications. The application
// receives one; tests hand in a recording double instead.
class Workspace {
public:
    virtual ~Workspace() = default;
    virtual bool openUrl(const QUrl& url) = 0;        // web pages and app links such as steam://
    virtual bool openFolder(const QString& path) = 0; // a file-manager window on the folder
    virtual void reveal(const QString& path) = 0;     // a file-manager window with the item selected
    virtual QList<RunningApplication> runningApplications() = 0;
};
