#pragma once

#include "platform/Clipboard.h"
#include "platform/OpenPanel.h"
#include "platform/Workspace.h"

#include <QPointer>

class QWidget;

// The real desktop behind the platform interfaces, for the application (tests use doubles).
class DesktopWorkspace final : public Workspace {
public:
    bool openUrl(const QUrl& url) override;
    bool openFolder(const QString& path) override;
    void reveal(const QString& path) override;
    QList<RunningApplication> runningApplications() override;
};

class SystemClipboard final : public Clipboard {
public:
    void setText(const QString& text) override;
};

// Window-modal file dialogs (sheets on macOS) over the given window.
class DialogOpenPanel final : public OpenPanel {
public:
    void setWindow(QWidget* window) { m_window = window; }
    void open(const Request& request, Answer answer) override;

private:
    QPointer<QWidget> m_window;
};
