#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Keeps two Skaldrun processes (the window and skaldrun-cli, or two command lines) from changing
// one game folder at the same time. The lock file lives in the support folder, named after the
// game folder's resolved path, so nothing is ever left behind in the game folder where the game,
// BepInEx or Steam's file check could trip on it. Within one process the lock is shared: an
// action started while the command line already holds it goes ahead.
class FolderLock {
public:
    explicit FolderLock(const QString& gameDir);
    ~FolderLock(); // releases the lock when this process holds it no more
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Waits up to waitMs for the lock. Throws SkaldrunError naming the program and process that
    // hold it when the time runs out.
    void acquire(int waitMs);

    static QString lockFile(const QString& gameDir);

private:
    QString m_path;
    bool m_held = false;
};
