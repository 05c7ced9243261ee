#pragma once

#include "platform/Clipboard.h"
#include "platform/OpenPanel.h"
#include "platform/Workspace.h"

#include <cstdio>

// The desktop services for a terminal with no desktop behind it: nothing opens, nothing is asked
// for. What a window would show is printed instead, so a script can use it.
class TerminalWorkspace : public Workspace {
public:
    bool openUrl(const QUrl& url) override {
        std::printf("%s\n", url.toString().toUtf8().constData());
        return true;
    }
    bool openFolder(const QString& path) override {
        reveal(path);
        return true;
    }
    void reveal(const QString& path) override { std::printf("%s\n", path.toUtf8().constData()); }
    QList<RunningApplication> runningApplications() override { return RunningApps::list(); }
};

class TerminalClipboard : public Clipboard {
public:
    void setText(const QString& text) override { std::printf("%s\n", text.toUtf8().constData()); }
};

// No one to ask: every panel answers as if cancelled.
class NoOpenPanel : public OpenPanel {
public:
    void open(const Request&, Answer answer) override { answer(std::nullopt); }
};
