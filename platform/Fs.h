#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <string_view>

// File operations. Paths are absolute QStrings; relative paths such as "BepInEx/plugins" are
// appended as path components with join(). Functions that can fail either answer a negative
// value (documented per function) or throw SkaldrunError whose message names the file and the
// operating system's reason.
namespace Fs {

// --- Path arithmetic (no disk access) ---
QString join(const QString& dir, const QString& relative);
QString fileName(const QString& path);         // last path component
QString parent(const QString& path);           // path without its last component
QString extension(const QString& path);        // text after the last "." of the last component ("" when none)
QString withoutExtension(const QString& name); // "Foo.dll" -> "Foo", ".hidden" stays
QString homeDir();                             // the current user's home folder, read afresh on every call
QString displayPath(const QString& path);      // the home folder written as "~"

// --- Queries (never throw) ---
bool exists(const QString& path);    // follows symbolic links: a dangling link does not exist
bool isDir(const QString& path);     // follows symbolic links
bool isSymLink(const QString& path); // the item itself is a symbolic link
bool isExecutable(const QString& path);
bool itemExists(const QString& path); // the item itself, links not followed
std::optional<QDateTime> modificationTime(const QString& path);
// The absolute path with every symbolic link, "." and ".." resolved; nullopt when the item or a
// link on the way does not exist.
std::optional<QString> canonicalPath(const QString& path);
// Whether a rename can carry an item from one place to the other: both on one file system (the
// nearest existing folder of each is asked). SKALDRUN_FS_OTHER_VOLUME=1 answers no, so that tests
// can take the path of a game on another drive.
bool sameVolume(const QString& a, const QString& b);

struct Entry {
    QString path;
    QString name;
    bool isDir = false;     // a folder, or (for list()) a link to one
    bool isSymLink = false; // the entry itself is a symbolic link
};

// Immediate entries of a folder in the order the file system gives them, hidden ones
// included, without "." and "..". nullopt when the folder cannot be listed.
std::optional<QStringList> list(const QString& dir);
std::optional<QList<Entry>> entries(const QString& dir);

// Visits everything below root, depth first, parents before children. Symbolic links are
// reported but never descended into, so a link loop cannot hang the walk. Returns false when
// root itself cannot be opened. The visitor returns false to skip an entry's children.
bool walk(const QString& root, const std::function<bool(const Entry&)>& visit);

// --- Reading ---
std::optional<QByteArray> tryRead(const QString& path);
QByteArray read(const QString& path); // throws
// Strict UTF-8: nullopt when unreadable or not valid UTF-8. A leading byte-order mark is kept.
std::optional<QString> tryReadUtf8(const QString& path);
QString readUtf8(const QString& path); // throws, naming the file, when unreadable or not UTF-8
std::optional<QString> decodeUtf8(const QByteArray& bytes);

// Reads a file from its start one line at a time, holding one block and one line of it at most:
// for logs of any size, and for one still being written (what is there when the read gets to it
// is read; a last line without its end is given too). Lines come without their "\n" and a "\r"
// before it; a line longer than maxLine (its "\r" left out) is given cut to its first maxLine
// bytes. The visitor returns false to stop. False when the file can't be opened or a read fails.
bool readLines(const QString& path, qsizetype maxLine, const std::function<bool(std::string_view)>& visit);

// A whole regular file mapped read-only into memory and followed by at least `padding` zero
// bytes, for parsers that read ahead in blocks: no copy is made and pages come in as they are
// touched. Only for files that are replaced by rename (writeAtomic), never shortened in place:
// touching a page past a shortened end is a fault.
class MappedFile {
public:
    static std::optional<MappedFile> open(const QString& path, qsizetype padding); // nullopt when unreadable
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    ~MappedFile();

    const char* data() const { return m_base; }
    qsizetype size() const { return m_size; }
    // Lets the system drop the pages wholly before `offset` from memory: a long forward scan
    // then never holds the whole file at once. They are read again if touched after all.
    void releaseBefore(qsizetype offset);

private:
    MappedFile() = default;
    char* m_base = nullptr;
    size_t m_length = 0; // the whole mapping, padding included
    qsizetype m_size = 0;
    size_t m_released = 0;
};

// --- Writing (throw on failure) ---
void writeAtomic(const QString& path, const QByteArray& bytes); // temporary file, then replace
void mkpath(const QString& dir);                                // with intermediate folders
// `to` must not exist; the copy keeps the file's permissions and modification date.
void copyFile(const QString& from, const QString& to);
// Copies a file or a whole folder. Symbolic links are never followed out of the source:
// links are skipped.
void copyItem(const QString& from, const QString& to);
// Makes `to` a symbolic link with the same target as the link `from`.
void copyLink(const QString& from, const QString& to);
// Copies a folder's whole tree to `to` (which must not exist), following symbolic links to what
// they lead to: for the player's own files, reached through links they made themselves (a save
// folder synced through a cloud folder). A folder that leads back to one being copied is
// skipped, so a link loop ends; things that are neither files nor folders are skipped too.
struct CopiedTree {
    int files = 0;       // regular files copied
    int brokenLinks = 0; // links that lead nowhere: what they stood for is missing from the copy
};
CopiedTree copyTreeFollowingLinks(const QString& from, const QString& to);
CopiedTree treeFollowingLinks(const QString& from); // what it would copy, nothing written
// Renames; fails when something already exists at `to`. Falls back to copy and remove
// across file systems.
void move(const QString& from, const QString& to);
// Puts the file `from` in the place of `to` in one step (same file system), so that a reader
// finds the old file or the new one, never none.
void replaceFile(const QString& from, const QString& to);

// --- Clean-up (never throw) ---
bool remove(const QString& path); // a file, a link (not its target) or a whole folder
bool setPermissions(const QString& path, unsigned mode);

// What was being done to a file when it failed: each has its own whole sentence, so it translates.
enum class Op { read, write, create, createFolder, createFolderIn, readFolder, copy, move, remove };

// The error thrown for a failed operation on a file, e.g. fail(Op::write, path, errno). The reason
// is the system's own (strerror, Qt's errorString).
[[noreturn]] void fail(Op op, const QString& path, int osError);
[[noreturn]] void fail(Op op, const QString& path, const QString& reason);

} // namespace Fs
