#include "install/Profiles.h"

#include "config/ConfigStore.h"
#include "discovery/Outside.h"
#include "install/Installer.h"
#include "inventory/ModScanner.h"
#include "platform/AppSupport.h"
#include "platform/FolderLock.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"
#include "platform/Trash.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QScopeGuard>

#include <algorithm>

namespace Profiles {

namespace {

// The inactive profiles live in Skaldrun's data folder, one store per game folder: a Steam
// uninstall deletes the whole game folder, and the profiles must outlive it. Earlier versions
// kept the store in the game folder ("Skaldrun Profiles"); it is moved out once. Nothing in the
// store is ever loaded by BepInEx. The capture stash (BepInEx/plugins-stash-capture) belongs to
// the active profile and is refused while it holds mods; save backups live apart from any profile.
const QString oldStoreName = QStringLiteral("Skaldrun Profiles");
// Dot names: never a profile's (names can't start with a dot), hidden in Finder.
const QString activeFile = QStringLiteral(".active");
const QString journalFile = QStringLiteral(".switch.json");
const QString recordFile = QStringLiteral(".game-folder"); // which game folder the store serves
const QString stagingPrefix = QStringLiteral(".new ");
const QString renamingPrefix = QStringLiteral(".renaming ");
const QString strayPrefix = QStringLiteral(".found during a switch ");
// A move to another drive: the copy is made beside its place under the first name, the original
// set aside under the second once the copy is whole (from then on the move counts as done) and
// removed only when the whole change is over, so that undoing one never needs a copy.
const QString copyingPrefix = QStringLiteral(".copying ");
const QString movedPrefix = QStringLiteral(".moved ");
const QStringList parts = {QStringLiteral("plugins"), QStringLiteral("config")};

// One profile operation at a time in this process; the folder lock keeps other processes out.
QMutex& busy() {
    static QMutex mutex;
    return mutex;
}

QString gameFolder(const QString& gameDir) {
    return Fs::canonicalPath(gameDir).value_or(gameDir);
}

QString oldStoreDir(const QString& gameDir) {
    return Fs::join(gameDir, oldStoreName);
}

QString live(const QString& gameDir, const QString& part) {
    return part == parts.first() ? ModScanner::pluginsDir(gameDir) : ConfigStore::configDir(gameDir);
}

QString stored(const QString& gameDir, const QString& name, const QString& part = {}) {
    const QString dir = Fs::join(storeDir(gameDir), name);
    return part.isEmpty() ? dir : Fs::join(dir, part);
}

QString beside(const QString& path, const QString& prefix) {
    return Fs::join(Fs::parent(path), prefix + Fs::fileName(path));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The profile the player means, in the spelling it is stored under.
QString existing(const QString& gameDir, const QString& name) {
    for (const QString& known : list(gameDir)) {
        if (sameName(known, name.trimmed())) return known;
    }
    throw SkaldrunError(
        QCoreApplication::translate("Profiles", "There is no profile called “%1”.").arg(name.trimmed()));
}

void writeRecord(const QString& store, const QString& gameDir) {
    const QString record = Fs::join(store, recordFile);
    if (!Fs::itemExists(record)) Fs::writeAtomic(record, gameFolder(gameDir).toUtf8() + '\n');
}

void makeStore(const QString& gameDir) {
    Fs::mkpath(storeDir(gameDir));
    writeRecord(storeDir(gameDir), gameDir);
}

void setActive(const QString& gameDir, const QString& name) {
    if (active(gameDir) == name) return; // nothing written, so undoing a switch works on a full disk
    makeStore(gameDir);
    Fs::writeAtomic(Fs::join(storeDir(gameDir), activeFile), name.toUtf8());
}

bool isEmptyFolder(const QString& path) {
    const auto names = Fs::list(path);
    return names && names->isEmpty();
}

void refuseWhileStashed(const QString& gameDir) {
    const auto stashed = Fs::list(Installer::captureStashDir(gameDir));
    if (stashed && stashed->size() > stashed->count(QStringLiteral(".DS_Store")))
        throw SkaldrunError(QCoreApplication::translate(
            "Profiles", "Some mods are still moved aside for the shader capture; bring them back first."));
}

// Something at a live place that neither profile put there (BepInEx, started between an
// interrupted switch and this recovery, makes its folders anew): kept aside, never mixed in.
void keepStray(const QString& gameDir, const QString& path) {
    if (isEmptyFolder(path) && Fs::remove(path)) return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss.zzz"));
    Fs::move(path, Fs::join(storeDir(gameDir), strayPrefix + stamp + QLatin1Char(' ') + Fs::fileName(path)));
}

// Links are copied as links: a mod folder the player linked in stays linked in every profile.
void copyWhole(const QString& from, const QString& to) {
    if (Fs::isSymLink(from)) return Fs::copyLink(from, to);
    if (!Fs::isDir(from)) return Fs::copyFile(from, to);
    Fs::mkpath(to);
    const auto children = Fs::entries(from);
    if (!children) Fs::fail(Fs::Op::readFolder, from, EACCES);
    for (const Fs::Entry& child : *children)
        copyWhole(child.path, Fs::join(to, child.name));
}

// What a tree holds, to tell that a copy is whole: every item's place, kind and size.
QStringList contents(const QString& root) {
    QStringList items;
    Fs::walk(root, [&](const Fs::Entry& e) {
        const qint64 size = e.isSymLink || e.isDir ? 0 : QFileInfo(e.path).size();
        items << QStringLiteral("%1 %2 %3")
                     .arg(e.path.mid(root.size()), QString::number(size),
                          e.isSymLink ? "link" : QString::number(e.isDir));
        return true;
    });
    items.sort();
    return items;
}

// Moves `from` to `to`: a rename on one volume; to another, copy, check, set the original aside.
void carry(const QString& from, const QString& to, bool rename) {
    if (rename) return Fs::move(from, to);
    const QString copying = beside(to, copyingPrefix), moved = beside(from, movedPrefix);
    Fs::remove(moved); // left by an earlier change that couldn't remove it
    Fs::remove(copying);
    try {
        copyWhole(from, copying);
        if (contents(from) != contents(copying))
            throw SkaldrunError(QCoreApplication::translate(
                                    "Profiles", "The copy of %1 came out different from the original.")
                                    .arg(Fs::displayPath(from)));
    } catch (...) {
        Fs::remove(copying);
        throw;
    }
    Fs::move(from, moved);
    Fs::move(copying, to);
}

// A carry cut short, at the next start: done when the original was set aside, else not begun.
void resolve(const QString& from, const QString& to) {
    const QString copying = beside(to, copyingPrefix);
    if (!Fs::itemExists(copying)) return;
    if (Fs::itemExists(beside(from, movedPrefix)) && !Fs::itemExists(to))
        Fs::move(copying, to);
    else
        Fs::remove(copying);
}

// Undoes a carry or a rename from `from` to `to` by renames and removals only, so that it works
// on a full disk. Each moment of it reads to resolve() as a carry done or not begun.
void putBack(const QString& from, const QString& to) {
    const QString copying = beside(to, copyingPrefix), moved = beside(from, movedPrefix);
    if (Fs::itemExists(copying) && !Fs::remove(copying)) Fs::fail(Fs::Op::remove, copying, EACCES);
    if (Fs::itemExists(moved)) {
        if (Fs::itemExists(to)) Fs::move(to, copying);
        Fs::move(moved, from);
        Fs::remove(copying);
    } else if (Fs::itemExists(to) && !Fs::itemExists(from)) {
        Fs::move(to, from);
    }
}

bool sameVolume(const QString& gameDir) {
    return Fs::sameVolume(Fs::parent(live(gameDir, parts.first())), storeDir(gameDir));
}

// Carries a switch from `from` to `to` on, from wherever it stands, up to `steps` steps. Every
// step reads where things are, so running it again after an interruption is safe: a stored part
// of `from` that is missing has not been parked yet, a stored part of `to` that is missing has
// been brought in. (The switch makes sure every one of the four exists before it starts.)
bool settle(const QString& gameDir, const QString& from, const QString& to, int steps = -1) {
    const bool rename = sameVolume(gameDir);
    for (const QString& part : parts) {
        resolve(live(gameDir, part), stored(gameDir, from, part));
        resolve(stored(gameDir, to, part), live(gameDir, part));
    }
    int done = 0;
    const auto step = [&] { return steps < 0 || done++ < steps; };
    for (const QString& part : parts) {
        if (!step()) return false;
        const QString parked = stored(gameDir, from, part);
        if (Fs::itemExists(parked)) continue;
        Fs::mkpath(stored(gameDir, from));
        if (Fs::itemExists(live(gameDir, part)))
            carry(live(gameDir, part), parked, rename);
        else
            Fs::mkpath(parked);
    }
    for (const QString& part : parts) {
        if (!step()) return false;
        const QString incoming = stored(gameDir, to, part);
        if (!Fs::itemExists(incoming)) continue;
        if (Fs::itemExists(live(gameDir, part))) keepStray(gameDir, live(gameDir, part));
        carry(incoming, live(gameDir, part), rename);
    }
    if (!step()) return false;
    setActive(gameDir, to);
    if (!step()) return false;
    for (const QString& part : parts) {
        Fs::remove(beside(live(gameDir, part), movedPrefix));
        Fs::remove(beside(stored(gameDir, to, part), movedPrefix));
    }
    // The incoming profile's folder is empty now, unless the player left something of their own.
    if (isEmptyFolder(stored(gameDir, to))) Fs::remove(stored(gameDir, to));
    Fs::remove(Fs::join(storeDir(gameDir), journalFile));
    return true;
}

// A switch that failed part-way, undone now: the player keeps the profile they had.
void rollback(const QString& gameDir, const QString& from, const QString& to) {
    for (auto part = parts.crbegin(); part != parts.crend(); ++part)
        putBack(stored(gameDir, to, *part), live(gameDir, *part));
    for (auto part = parts.crbegin(); part != parts.crend(); ++part)
        putBack(live(gameDir, *part), stored(gameDir, from, *part));
    setActive(gameDir, from);
    if (isEmptyFolder(stored(gameDir, from))) Fs::remove(stored(gameDir, from));
    // A journal left behind would finish the switch at the next start.
    const QString journal = Fs::join(storeDir(gameDir), journalFile);
    if (!Fs::remove(journal)) Fs::fail(Fs::Op::remove, journal, EACCES);
}

// The store earlier versions kept in the game folder, moved to the data folder once and the
// same way a switch moves a profile to another drive.
void moveOldStore(const QString& gameDir) {
    const QString old = oldStoreDir(gameDir), store = storeDir(gameDir), moved = beside(old, movedPrefix);
    resolve(old, store);
    if (Fs::itemExists(moved)) {
        if (Fs::itemExists(store))
            Fs::remove(moved);
        else
            Fs::move(moved, old);
    }
    if (!Fs::itemExists(old)) return;
    if (Fs::itemExists(store)) {
        // Written by an earlier version run after this one moved the store; left for the player.
        qCDebug(lcInstall) << "kept the old profile store beside the new one:" << old;
        return;
    }
    writeRecord(old, gameDir);
    Fs::mkpath(Fs::parent(store));
    carry(old, store, Fs::sameVolume(gameDir, Fs::parent(store)));
    Fs::remove(moved);
}

void finishPending(const QString& gameDir) {
    moveOldStore(gameDir);
    const QString journal = Fs::join(storeDir(gameDir), journalFile);
    if (Fs::itemExists(journal)) {
        const QJsonObject j = QJsonDocument::fromJson(Fs::read(journal)).object();
        const QString from = j.value(QStringLiteral("from")).toString();
        const QString to = j.value(QStringLiteral("to")).toString();
        if (nameProblem(from, {}) || nameProblem(to, {}))
            throw SkaldrunError(QCoreApplication::translate(
                                    "Profiles", "The record of an interrupted profile switch in %1 is "
                                                "damaged; nothing was moved.")
                                    .arg(Fs::displayPath(journal)));
        settle(gameDir, from, to);
    }
    // A copy the app didn't live to finish is no profile; a renamed one gets its new name.
    for (const QString& name : Fs::list(storeDir(gameDir)).value_or(QStringList{})) {
        const QString path = Fs::join(storeDir(gameDir), name);
        if (name.startsWith(stagingPrefix)) Fs::remove(path);
        const QString renamed = name.mid(renamingPrefix.size());
        if (name.startsWith(renamingPrefix) && !Fs::itemExists(stored(gameDir, renamed)))
            Fs::move(path, stored(gameDir, renamed));
    }
}

// Finishes what was pending and checks the switch can start; nothing is written yet.
QString begin(const QString& gameDir, const QString& name) {
    finishPending(gameDir);
    QString to = existing(gameDir, name);
    const QString from = active(gameDir);
    if (to == from) return to;
    refuseWhileStashed(gameDir);
    for (const QString& part : parts) {
        // A part stored under the active profile's name would read as one already parked.
        const QString parked = stored(gameDir, from, part);
        if (Fs::itemExists(parked) && !(isEmptyFolder(parked) && Fs::remove(parked)))
            throw SkaldrunError(QCoreApplication::translate(
                                    "Profiles", "%1 holds a folder named like the profile in use; move it "
                                                "away and try again.")
                                    .arg(Fs::displayPath(stored(gameDir, from))));
    }
    return to;
}

// Everything in place for a switch, then the journal.
void prepare(const QString& gameDir, const QString& from, const QString& to) {
    for (const QString& part : parts) {
        Fs::mkpath(live(gameDir, part));
        Fs::mkpath(stored(gameDir, to, part));
    }
    makeStore(gameDir);
    const QJsonObject journal{{QStringLiteral("from"), from}, {QStringLiteral("to"), to}};
    Fs::writeAtomic(Fs::join(storeDir(gameDir), journalFile), QJsonDocument(journal).toJson());
}

} // namespace

QString storeDir(const QString& gameDir) {
    // Keyed by the folder's real path: a game deleted and installed again finds its profiles.
    const QByteArray key = QCryptographicHash::hash(gameFolder(gameDir).toUtf8(), QCryptographicHash::Sha256);
    return Fs::join(Fs::join(AppSupport::dir(), QStringLiteral("profiles")),
                    QString::fromLatin1(key.toHex().left(32)));
}

QString active(const QString& gameDir) {
    const auto text = Fs::tryReadUtf8(Fs::join(storeDir(gameDir), activeFile));
    return text && !nameProblem(*text, {}) ? *text : defaultName;
}

QStringList list(const QString& gameDir) {
    QStringList names{active(gameDir)};
    for (const Fs::Entry& entry : Fs::entries(storeDir(gameDir)).value_or(QList<Fs::Entry>{})) {
        if (!entry.isDir || entry.isSymLink || nameProblem(entry.name, names)) continue;
        names << entry.name;
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

std::optional<QString> nameProblem(const QString& name, const QStringList& existing) {
    if (name.trimmed().isEmpty()) return QCoreApplication::translate("Profiles", "Give the profile a name.");
    if (name != name.trimmed())
        return QCoreApplication::translate("Profiles", "A profile name can't start or end with a space.");
    if (name.startsWith(QLatin1Char('.')))
        return QCoreApplication::translate("Profiles", "A profile name can't start with a dot.");
    const bool unsafe = std::any_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
               c.category() == QChar::Other_Control;
    });
    if (unsafe)
        return QCoreApplication::translate(
            "Profiles", "A profile name can't contain “/”, “\\”, “:” or control characters.");
    if (name.size() > maxNameLength)
        return QCoreApplication::translate("Profiles", "A profile name can have at most %1 characters.")
            .arg(maxNameLength);
    for (const QString& known : existing) {
        if (sameName(known, name))
            return QCoreApplication::translate("Profiles", "There is already a profile called “%1”.")
                .arg(known);
    }
    return std::nullopt;
}

QString freeName(const QString& wanted, const QStringList& existing) {
    QString base;
    for (const QChar c : wanted) // control characters go; a tab or a line break reads as a space
        if (c.category() != QChar::Other_Control || c.isSpace()) base += c;
    base = base.simplified().remove(QLatin1Char('/')).remove(QLatin1Char('\\')).remove(QLatin1Char(':'));
    while (base.startsWith(QLatin1Char('.')) || base.startsWith(QLatin1Char(' ')))
        base.remove(0, 1);
    base = base.left(maxNameLength - 4).trimmed();
    // Whatever the rules refuse that isn't taken (a format character, say) falls back too, so the
    // numbering below only ever steps past names in use and ends.
    if (nameProblem(base, {})) base = QStringLiteral("Imported");
    QString name = base;
    for (qsizetype n = 2; nameProblem(name, existing) && n <= existing.size() + 2; ++n)
        name = QStringLiteral("%1 %2").arg(base).arg(n);
    return name;
}

QString create(const QString& gameDir, const QString& name, bool copyActive) {
    QMutexLocker lock(&busy());
    finishPending(gameDir);
    QString clean = name.trimmed();
    if (auto problem = nameProblem(clean, list(gameDir))) throw SkaldrunError(*problem);
    if (copyActive) refuseWhileStashed(gameDir);
    // Made under a hidden name and renamed when whole: a copy cut short never shows as a profile.
    const QString staging = Fs::join(storeDir(gameDir), stagingPrefix + clean);
    makeStore(gameDir);
    Fs::remove(staging);
    Fs::mkpath(staging);
    try {
        for (const QString& part : parts) {
            if (copyActive && Fs::isDir(live(gameDir, part)))
                Fs::copyItem(live(gameDir, part), Fs::join(staging, part));
            else
                Fs::mkpath(Fs::join(staging, part));
        }
        // An empty mod set still runs the loader as the player set it up (console, logging).
        const QString loaderConfig = Fs::join(live(gameDir, parts.last()), Outside::loaderConfigName);
        if (!copyActive && Fs::exists(loaderConfig))
            Fs::copyFile(loaderConfig, Fs::join(Fs::join(staging, parts.last()), Outside::loaderConfigName));
        Fs::move(staging, stored(gameDir, clean));
    } catch (...) {
        Fs::remove(staging);
        throw;
    }
    return clean;
}

QString rename(const QString& gameDir, const QString& from, const QString& to) {
    QMutexLocker lock(&busy());
    finishPending(gameDir);
    const QString old = existing(gameDir, from);
    QString clean = to.trimmed();
    QStringList others = list(gameDir);
    others.removeAll(old);
    if (auto problem = nameProblem(clean, others)) throw SkaldrunError(*problem);
    if (old == active(gameDir)) {
        setActive(gameDir, clean);
        return clean;
    }
    // Through a hidden name, so that a change of letter case works where the disk ignores case.
    const QString between = Fs::join(storeDir(gameDir), renamingPrefix + clean);
    Fs::move(stored(gameDir, old), between);
    Fs::move(between, stored(gameDir, clean));
    return clean;
}

void remove(const QString& gameDir, const QString& name) {
    QMutexLocker lock(&busy());
    finishPending(gameDir);
    const QString known = existing(gameDir, name);
    if (known == active(gameDir))
        throw SkaldrunError(
            QCoreApplication::translate(
                "Profiles", "“%1” is the profile in use; switch to another one before deleting it.")
                .arg(known));
    Trash::moveToTrash(stored(gameDir, known));
}

QString switchTo(const QString& gameDir, const QString& name) {
    QMutexLocker lock(&busy());
    QString to = begin(gameDir, name);
    const QString from = active(gameDir);
    if (to == from) return to;
    try {
        prepare(gameDir, from, to);
        settle(gameDir, from, to);
    } catch (const SkaldrunError& e) {
        try {
            rollback(gameDir, from, to);
        } catch (const SkaldrunError& again) {
            // The journal stays; the next start finishes the switch.
            qCDebug(lcInstall) << again.message();
            throw SkaldrunError(
                QCoreApplication::translate("Profiles", "Couldn't switch to “%1”: %2").arg(to, e.message()));
        }
        throw SkaldrunError(
            QCoreApplication::translate("Profiles", "Couldn't switch to “%1”: %2 “%3” is still active.")
                .arg(to, e.message(), from));
    }
    return to;
}

void recover(const QString& gameDir) {
    const auto names = Fs::list(storeDir(gameDir));
    const bool pending =
        Fs::itemExists(oldStoreDir(gameDir)) || Fs::itemExists(beside(oldStoreDir(gameDir), movedPrefix)) ||
        (names && std::any_of(names->cbegin(), names->cend(), [](const QString& name) {
             return name == journalFile || name.startsWith(stagingPrefix) || name.startsWith(renamingPrefix);
         }));
    if (!pending || !busy().tryLock()) return; // a thread changing profiles finishes its own work
    const auto unlock = qScopeGuard([] { busy().unlock(); });
    // Nor while another program (the command line, a second window) is in the middle of it.
    FolderLock folder(gameDir);
    try {
        folder.acquire(0);
    } catch (const SkaldrunError& e) {
        qCDebug(lcInstall) << e.message();
        return;
    }
    finishPending(gameDir);
}

namespace detail {
void switchPartly(const QString& gameDir, const QString& name, int steps) {
    QMutexLocker lock(&busy());
    const QString to = begin(gameDir, name), from = active(gameDir);
    prepare(gameDir, from, to);
    settle(gameDir, from, to, steps);
}
} // namespace detail

} // namespace Profiles
