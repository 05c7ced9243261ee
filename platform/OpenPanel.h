#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Choosing a folder or a file. Panels are window-modal and answer through the callback, on the
// GUI thread, once the user confirms (a path) or cancels (nullopt): the caller never blocks in
// a nested event loop.
class OpenPanel {
public:
    using Answer = std::function<void(std::optional<QString>)>;

    struct Request {
        QString message;    // the panel's prompt
        QString buttonText; // the confirming button; empty for the platform's default
        QString startDir;   // where the panel opens; empty for the platform's default
        bool chooseFolders = false;
        bool save = false;        // a Save panel: the answer may name a file that doesn't exist yet
        QStringList fileSuffixes; // for files: the allowed extensions, e.g. {"zip"}
    };

    virtual ~OpenPanel() = default;
    virtual void open(const Request& request, Answer answer) = 0;
};
