#include "install/Change.h"

#include "discovery/Outside.h"
#include "platform/FolderLock.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"
#include "platform/Trash.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSet>

namespace {

const QString journalName = QStringLiteral("journal.json");
// Where versions before the journal set a mod aside while its update went in.
const QString earlierAside = QStringLiteral("BepInEx/.skaldrun-updating");

QString pluginsOf(const QString& gameDir) {
    return Fs::join(gameDir, Outside::pluginsDir);
}
QString configsOf(const QString& gameDir) {
    return Fs::join(gameDir, Outside::configDir);
}
QString savedConfigs(const QString& gameDir) {
    return Fs::join(Change::workDir(gameDir), QStringLiteral("config"));
}
QString parkedDir(const QString& gameDir) {
    return Fs::join(Change::workDir(gameDir), QStringLiteral("parked"));
}
// Parked items are named by their place in the journal, so two mods of one name never meet.
QString parkedPath(const QString& gameDir, qsizetype index, const QString& item) {
    return Fs::join(parkedDir(gameDir), QString::number(index) + QLatin1Char('-') + Fs::fileName(item));
}

QStringList filesBelow(const QString& dir) {
    QStringList files;
    Fs::walk(dir, [&](const Fs::Entry& entry) {
        if (!entry.isDir) files << entry.path.mid(dir.size() + 1);
        return !entry.isSymLink;
    });
    return files;
}

// The game folders this process is changing right now: a probe running meanwhile leaves them be.
QMutex& changingLock() {
    static QMutex mutex;
    return mutex;
}
QSet<QString>& changing() {
    static QSet<QString> dirs;
    return dirs;
}

struct Journal {
    QStringList plugins;
    QStringList configs;
    QStringList parked;
};

std::optional<Journal> readJournal(const QString& gameDir) {
    const auto bytes = Fs::tryRead(Fs::join(Change::workDir(gameDir), journalName));
    if (!bytes) return std::nullopt;
    const QJsonObject o = QJsonDocument::fromJson(*bytes).object();
    const auto strings = [&](const char* key) {
        QStringList list;
        for (const auto& v : o.value(QLatin1String(key)).toArray())
            list << v.toString();
        return list;
    };
    return Journal{strings("plugins"), strings("configs"), strings("parked")};
}

// Puts every config file the change touched back as the journal found it.
void restoreConfigs(const QString& gameDir, const QStringList& configs) {
    const QString dir = configsOf(gameDir);
    for (const QString& relative : configs) {
        const auto saved = Fs::tryRead(Fs::join(savedConfigs(gameDir), relative));
        if (!saved) continue; // not copied (unreadable then): nothing to put back
        const QString target = Fs::join(dir, relative);
        if (Fs::tryRead(target) == saved) continue;
        Fs::mkpath(Fs::parent(target));
        Fs::writeAtomic(target, *saved); // the player's file or the saved one, never neither
    }
}

// Moves what a finished change parked to the Trash, then removes the copies it made.
void clearWork(const QString& gameDir) {
    bool kept = false;
    for (const QString& name : Fs::list(parkedDir(gameDir)).value_or(QStringList())) {
        try {
            Trash::moveToTrash(Fs::join(parkedDir(gameDir), name));
        } catch (const SkaldrunError& e) {
            qCDebug(lcInstall) << "kept a parked item for the next start:" << e.message();
            kept = true;
        }
    }
    if (kept) {
        Fs::remove(savedConfigs(gameDir));
        return;
    }
    Fs::remove(Change::workDir(gameDir));
}

void undo(const QString& gameDir, const Journal& journal) {
    const QString plugins = pluginsOf(gameDir);
    for (const QString& name : Fs::list(plugins).value_or(QStringList()))
        if (!journal.plugins.contains(name)) Fs::remove(Fs::join(plugins, name));
    for (qsizetype i = journal.parked.size() - 1; i >= 0; --i) {
        const QString from = Fs::join(gameDir, journal.parked[i]);
        const QString parked = parkedPath(gameDir, i, from);
        if (!Fs::itemExists(parked)) continue; // never parked, or already back
        if (Fs::itemExists(from)) Fs::remove(from);
        Fs::move(parked, from);
    }
    const QString configs = configsOf(gameDir);
    for (const QString& relative : filesBelow(configs))
        if (!journal.configs.contains(relative)) Fs::remove(Fs::join(configs, relative));
    restoreConfigs(gameDir, journal.configs);
    if (!Fs::remove(Fs::join(Change::workDir(gameDir), journalName)))
        Fs::fail(Fs::Op::remove, Fs::join(Change::workDir(gameDir), journalName), errno);
    Fs::remove(Change::workDir(gameDir));
}

void bringBackEarlierAside(const QString& gameDir) {
    const QString aside = Fs::join(gameDir, earlierAside);
    for (const QString& name : Fs::list(aside).value_or(QStringList())) {
        const QString item = Fs::join(aside, name);
        const QString home = Fs::join(pluginsOf(gameDir), name);
        if (!Fs::itemExists(home))
            Fs::move(item, home);
        else
            Trash::moveToTrash(item); // a newer release went in after all: the old one isn't lost
    }
    Fs::remove(aside);
}

// Finishes or undoes whatever the last change left; the caller made sure nobody else works on it.
void settle(const QString& gameDir) {
    if (Fs::itemExists(Fs::join(gameDir, earlierAside))) bringBackEarlierAside(gameDir);
    if (!Fs::itemExists(Change::workDir(gameDir))) return;
    if (const auto journal = readJournal(gameDir))
        undo(gameDir, *journal);
    else
        clearWork(gameDir); // committed, or stopped before its journal: only copies and the Trash's
}

} // namespace

QString Change::workDir(const QString& gameDir) {
    return Fs::join(gameDir, QStringLiteral("BepInEx/.skaldrun-change"));
}

Change::Change(const QString& gameDir) : m_gameDir(gameDir) {
    {
        const QMutexLocker lock(&changingLock());
        if (changing().contains(gameDir))
            throw SkaldrunError(QCoreApplication::translate(
                "Change", "Another change of this game folder is still under way."));
        changing().insert(gameDir);
    }
    try {
        settle(gameDir);
        Fs::mkpath(workDir(gameDir));
        if (Fs::isDir(configsOf(gameDir))) {
            Fs::copyItem(configsOf(gameDir), savedConfigs(gameDir));
            m_configs = filesBelow(configsOf(gameDir));
        }
        m_plugins = Fs::list(pluginsOf(gameDir)).value_or(QStringList());
        writeJournal();
    } catch (...) {
        Fs::remove(workDir(gameDir)); // no journal yet: nothing was changed, these are copies
        const QMutexLocker lock(&changingLock());
        changing().remove(gameDir);
        throw;
    }
}

Change::~Change() {
    if (m_open) {
        try {
            rollback();
        } catch (const SkaldrunError& e) {
            qCDebug(lcInstall) << "the next start finishes undoing a change:" << e.message();
        }
    }
    const QMutexLocker lock(&changingLock());
    changing().remove(m_gameDir);
}

void Change::writeJournal() const {
    QStringList parked;
    for (const QString& item : m_parked)
        parked << item.mid(m_gameDir.size() + 1);
    const QJsonObject o{{QStringLiteral("plugins"), QJsonArray::fromStringList(m_plugins)},
                        {QStringLiteral("configs"), QJsonArray::fromStringList(m_configs)},
                        {QStringLiteral("parked"), QJsonArray::fromStringList(parked)}};
    Fs::writeAtomic(Fs::join(workDir(m_gameDir), journalName), QJsonDocument(o).toJson());
}

void Change::park(const QString& item) {
    if (!item.startsWith(m_gameDir + QLatin1Char('/')))
        throw SkaldrunError(
            QCoreApplication::translate("Change", "%1 isn't in the game folder.").arg(Fs::displayPath(item)));
    m_parked << item;
    writeJournal(); // first the intent, then the move: an interrupted move is found either way
    Fs::mkpath(parkedDir(m_gameDir));
    Fs::move(item, parkedPath(m_gameDir, m_parked.size() - 1, item));
}

void Change::keepConfigs() {
    restoreConfigs(m_gameDir, m_configs);
}

void Change::commit() {
    if (!m_open) return;
    const QString journal = Fs::join(workDir(m_gameDir), journalName);
    if (!Fs::remove(journal)) Fs::fail(Fs::Op::remove, journal, errno);
    m_open = false;
    clearWork(m_gameDir);
}

void Change::rollback() {
    if (!m_open) return;
    m_open = false; // a rollback that fails part-way is finished by the next recover()
    QStringList parked;
    for (const QString& item : m_parked)
        parked << item.mid(m_gameDir.size() + 1);
    undo(m_gameDir, {m_plugins, m_configs, parked});
}

void Change::recover(const QString& gameDir) {
    if (!Fs::itemExists(workDir(gameDir)) && !Fs::itemExists(Fs::join(gameDir, earlierAside))) return;
    {
        const QMutexLocker lock(&changingLock());
        if (changing().contains(gameDir)) return;
        changing().insert(gameDir);
    }
    try {
        FolderLock folder(gameDir);
        folder.acquire(0);
        settle(gameDir);
    } catch (const SkaldrunError& e) {
        qCDebug(lcInstall) << "left an unfinished change for later:" << e.message();
    }
    const QMutexLocker lock(&changingLock());
    changing().remove(gameDir);
}
