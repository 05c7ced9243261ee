#pragma once

#include "platform/Clipboard.h"
#include "platform/OpenPanel.h"
#include "platform/Workspace.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <optional>

// Stand-ins for the desktop that remember what was asked of them; nothing reaches a real
// browser, file manager, clipboard or dialog.
class RecordingWorkspace final : public Workspace {
public:
    bool openUrl(const QUrl& url) override {
        openedUrls.append(url);
        return true;
    }
    bool openFolder(const QString& path) override {
        openedFolders.append(path);
        return true;
    }
    void reveal(const QString& path) override { revealed.append(path); }
    QList<RunningApplication> runningApplications() override { return running; }

    QList<QUrl> openedUrls;
    QStringList openedFolders;
    QStringList revealed;
    QList<RunningApplication> running;
};

class RecordingClipboard final : public Clipboard {
public:
    void setText(const QString& text) override { texts.append(text); }
    QStringList texts;
};

// Answers each panel with the next scripted answer (nullopt = the user cancelled).
class ScriptedOpenPanel final : public OpenPanel {
public:
    void open(const Request& request, Answer answer) override {
        requests.append(request);
        answer(answers.isEmpty() ? std::nullopt : answers.takeFirst());
    }
    QList<Request> requests;
    QList<std::optional<QString>> answers;
};
