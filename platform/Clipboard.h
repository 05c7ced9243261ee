#pragma once

#include <QString>

// The general clipboard, plain text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0; // replaces whatever the clipboard held
};
