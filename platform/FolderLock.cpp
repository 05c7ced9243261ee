#include "platform/FolderLock.h"

#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QLockFile>
#include <QMutex>
#include <QMutexLocker>

#include <map>

namespace {

struct Held {
    std::unique_ptr<QLockFile> file;
    int users = 0;
};

// The locks this process holds, by lock file, shared by every FolderLock of that folder.
QMutex& heldMutex() {
    static QMutex mutex;
    return mutex;
}
std::map<QString, Held>& held() {
    static std::map<QString, Held> locks;
    return locks;
}

} // namespace

FolderLock::FolderLock(const QString& gameDir) : m_path(lockFile(gameDir)) {}

FolderLock::~FolderLock() {
    if (!m_held) return;
    const QMutexLocker guard(&heldMutex());
    auto it = held().find(m_path);
    if (it != held().end() && --it->second.users == 0) held().erase(it); // QLockFile unlocks as it goes
}

QString FolderLock::lockFile(const QString& gameDir) {
    const QString resolved = Fs::canonicalPath(gameDir).value_or(gameDir);
    const QByteArray digest = QCryptographicHash::hash(resolved.toUtf8(), QCryptographicHash::Sha256).toHex();
    return Fs::join(Fs::join(AppSupport::dir(), QStringLiteral("locks")),
                    QString::fromLatin1(digest.left(32)) + QStringLiteral(".lock"));
}

void FolderLock::acquire(int waitMs) {
    if (m_held) return;
    const QMutexLocker guard(&heldMutex());
    Held& entry = held()[m_path];
    if (!entry.file) {
        Fs::mkpath(Fs::parent(m_path));
        auto file = std::make_unique<QLockFile>(m_path);
        // A long install must not look abandoned; a lock whose process has gone is still freed.
        file->setStaleLockTime(0);
        if (!file->tryLock(waitMs)) {
            held().erase(m_path);
            qint64 pid = 0;
            QString host;
            QString program;
            if (file->error() == QLockFile::LockFailedError && file->getLockInfo(&pid, &host, &program))
                throw SkaldrunError(
                    program.isEmpty()
                        ? QCoreApplication::translate("FolderLock",
                                                      "Another program (process %1) is changing "
                                                      "this game folder; try again when it has "
                                                      "finished.")
                              .arg(pid)
                        : QCoreApplication::translate("FolderLock", "%1 (process %2) is changing this game "
                                                                    "folder; try again when it has finished.")
                              .arg(program)
                              .arg(pid));
            throw SkaldrunError(
                QCoreApplication::translate("FolderLock", "Couldn't lock the game folder for changes (%1).")
                    .arg(Fs::displayPath(m_path)));
        }
        entry.file = std::move(file);
    }
    ++entry.users;
    m_held = true;
}
