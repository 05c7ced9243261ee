#include "platform/Fs.h"

#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace Fs {

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString osReason(int osError) {
    return QString::fromLocal8Bit(std::strerror(osError));
}

// Removes the trailing "." Qt's error strings sometimes carry, so messages read as one sentence.
QString trimmedReason(QString reason) {
    reason = reason.trimmed();
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return reason;
}

struct FdCloser {
    int fd = -1;
    ~FdCloser() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

[[noreturn]] void fail(Op op, const QString& path, const QString& reason) {
    const char* sentence = nullptr;
    switch (op) {
    case Op::read:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't read “%1”: %2.");
        break;
    case Op::write:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't write “%1”: %2.");
        break;
    case Op::create:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't create “%1”: %2.");
        break;
    case Op::createFolder:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't create the folder “%1”: %2.");
        break;
    case Op::createFolderIn:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't create a folder in “%1”: %2.");
        break;
    case Op::readFolder:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't read the folder “%1”: %2.");
        break;
    case Op::copy:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't copy “%1”: %2.");
        break;
    case Op::move:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't move “%1”: %2.");
        break;
    case Op::remove:
        sentence = QT_TRANSLATE_NOOP("Fs", "Couldn't remove “%1”: %2.");
        break;
    }
    throw SkaldrunError(
        QCoreApplication::translate("Fs", sentence).arg(displayPath(path), trimmedReason(reason)));
}

[[noreturn]] void fail(Op op, const QString& path, int osError) {
    fail(op, path, osReason(osError));
}

QString join(const QString& dir, const QString& relative) {
    if (relative.isEmpty()) return dir;
    if (dir.isEmpty()) return relative;
    if (dir.endsWith(QLatin1Char('/'))) return dir + relative;
    return dir + QLatin1Char('/') + relative;
}

QString fileName(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? p : p.mid(slash + 1);
}

QString parent(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return QStringLiteral(".");
    if (slash == 0) return QStringLiteral("/");
    return p.left(slash);
}

QString extension(const QString& path) {
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == name.size() - 1) return {};
    return name.mid(dot + 1);
}

QString withoutExtension(const QString& name) {
    const QString ext = extension(name);
    return ext.isEmpty() ? name : name.left(name.size() - ext.size() - 1);
}

QString homeDir() {
    return QDir::homePath();
}

QString displayPath(const QString& path) {
    const QString home = homeDir();
    // Only a whole leading folder is the home folder: "/home/al" doesn't shorten "/home/alice".
    if (!home.isEmpty() && path.startsWith(home) &&
        (path.size() == home.size() || path.at(home.size()) == QLatin1Char('/') ||
         home.endsWith(QLatin1Char('/'))))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

bool exists(const QString& path) {
    struct stat st;
    return ::stat(native(path).constData(), &st) == 0;
}

bool itemExists(const QString& path) {
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0;
}

bool isDir(const QString& path) {
    struct stat st;
    return ::stat(native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isSymLink(const QString& path) {
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool isExecutable(const QString& path) {
    return ::access(native(path).constData(), X_OK) == 0;
}

namespace {

const struct timespec& modifiedAt(const struct stat& st) {
#ifdef __APPLE__
    return st.st_mtimespec;
#else
    return st.st_mtim;
#endif
}

} // namespace

bool sameVolume(const QString& a, const QString& b) {
    if (qEnvironmentVariable("SKALDRUN_FS_OTHER_VOLUME") == QLatin1String("1")) return false;
    const auto device = [](QString path) -> std::optional<dev_t> {
        struct stat st;
        for (; !path.isEmpty(); path = parent(path)) {
            if (::stat(native(path).constData(), &st) == 0) return st.st_dev;
            if (path == QLatin1String("/")) break;
        }
        return std::nullopt;
    };
    const auto da = device(a), db = device(b);
    return da && db && *da == *db;
}

std::optional<QDateTime> modificationTime(const QString& path) {
    struct stat st;
    if (::stat(native(path).constData(), &st) != 0) return std::nullopt;
    const struct timespec& ts = modifiedAt(st);
    return QDateTime::fromMSecsSinceEpoch(qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000);
}

std::optional<QString> canonicalPath(const QString& path) {
    char* resolved = ::realpath(native(path).constData(), nullptr);
    if (!resolved) return std::nullopt;
    QString out = QFile::decodeName(resolved);
    std::free(resolved);
    return out;
}

namespace {

// Lists a folder with readdir; entry kinds come from d_type when the file system offers it.
template <typename Fn> bool readDir(const QString& dir, Fn&& onEntry) {
    DIR* d = ::opendir(native(dir).constData());
    if (!d) return false;
    while (dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        onEntry(e);
    }
    ::closedir(d);
    return true;
}

} // namespace

std::optional<QStringList> list(const QString& dir) {
    QStringList names;
    if (!readDir(dir, [&](dirent* e) { names.append(QFile::decodeName(e->d_name)); })) return std::nullopt;
    return names;
}

std::optional<QList<Entry>> entries(const QString& dir) {
    QList<Entry> out;
    const bool ok = readDir(dir, [&](dirent* e) {
        Entry entry;
        entry.name = QFile::decodeName(e->d_name);
        entry.path = join(dir, entry.name);
        unsigned char type = e->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat lst;
            if (::lstat(native(entry.path).constData(), &lst) == 0) entry.isSymLink = S_ISLNK(lst.st_mode);
            struct stat st;
            entry.isDir = ::stat(native(entry.path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
        } else {
            entry.isDir = type == DT_DIR;
        }
        out.append(std::move(entry));
    });
    if (!ok) return std::nullopt;
    return out;
}

namespace {

void walkInto(const QString& dir, const std::function<bool(const Entry&)>& visit) {
    std::vector<Entry> children;
    readDir(dir, [&](dirent* e) {
        Entry entry;
        entry.name = QFile::decodeName(e->d_name);
        entry.path = join(dir, entry.name);
        unsigned char type = e->d_type;
        if (type == DT_UNKNOWN) {
            struct stat lst;
            if (::lstat(native(entry.path).constData(), &lst) == 0) {
                entry.isSymLink = S_ISLNK(lst.st_mode);
                entry.isDir = S_ISDIR(lst.st_mode);
            }
        } else {
            entry.isSymLink = type == DT_LNK;
            entry.isDir = type == DT_DIR;
        }
        children.push_back(std::move(entry));
    });
    for (const Entry& child : children) {
        const bool descend = visit(child);
        if (descend && child.isDir && !child.isSymLink) walkInto(child.path, visit);
    }
}

} // namespace

bool walk(const QString& root, const std::function<bool(const Entry&)>& visit) {
    DIR* d = ::opendir(native(root).constData());
    if (!d) return false;
    ::closedir(d);
    walkInto(root, visit);
    return true;
}

std::optional<QByteArray> tryRead(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

QByteArray read(const QString& path) {
    QFile f(path);
    if (isDir(path)) fail(Op::read, path, EISDIR);
    if (!f.open(QIODevice::ReadOnly)) fail(Op::read, path, f.errorString());
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) fail(Op::read, path, f.errorString());
    return bytes;
}

std::optional<QString> decodeUtf8(const QByteArray& bytes) {
    // Callers that rewrite a file must see its byte-order mark to write it back.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

std::optional<QString> tryReadUtf8(const QString& path) {
    auto bytes = tryRead(path);
    if (!bytes) return std::nullopt;
    return decodeUtf8(*bytes);
}

QString readUtf8(const QString& path) {
    auto text = decodeUtf8(read(path));
    if (!text)
        throw SkaldrunError(QCoreApplication::translate("Fs", "Couldn't read “%1”: it isn't UTF-8 text.")
                                .arg(displayPath(path)));
    return *text;
}

bool readLines(const QString& path, qsizetype maxLine, const std::function<bool(std::string_view)>& visit) {
    FdCloser file{::open(native(path).constData(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) return false;
    constexpr size_t blockSize = 256 * 1024;
    std::vector<char> block(blockSize);
    std::string line; // a line that runs across blocks, or one cut at maxLine
    bool cut = false; // the rest of the current line is past maxLine
    const size_t limit = size_t(std::max<qsizetype>(maxLine, 1));
    // A cut line's end is not in the text given, so its last byte stays whatever it is.
    const auto give = [&](std::string_view text, bool whole) {
        if (whole && !text.empty() && text.back() == '\r') text.remove_suffix(1);
        return visit(text);
    };
    for (;;) {
        const ssize_t got = ::read(file.fd, block.data(), blockSize);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        const char* from = block.data();
        const char* const end = from + got;
        while (from < end) {
            const auto* newline = static_cast<const char*>(std::memchr(from, '\n', size_t(end - from)));
            const char* const stop = newline ? newline : end;
            if (line.empty() && !cut && newline && size_t(stop - from) <= limit) {
                if (!give(std::string_view(from, size_t(stop - from)), true))
                    return true; // the common case: no copy
            } else {
                if (!cut) {
                    const size_t room = limit - line.size();
                    line.append(from, std::min(room, size_t(stop - from)));
                    cut = size_t(stop - from) > room;
                }
                if (newline) {
                    if (!give(line, !cut)) return true;
                    line.clear();
                    cut = false;
                }
            }
            from = newline ? newline + 1 : end;
        }
    }
    if (!line.empty() || cut) give(line, !cut);
    return true;
}

std::optional<MappedFile> MappedFile::open(const QString& path, qsizetype padding) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        return std::nullopt;
    }
    const size_t size = size_t(info.st_size);
    const size_t page = size_t(::sysconf(_SC_PAGESIZE));
    const size_t length = (size + size_t(padding) + page - 1) / page * page;
    // Zero pages first, then the file over their start: the padding past the end of the file
    // reads as zeros whether it falls in the file's last page or beyond it.
    void* base = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) {
        ::close(fd);
        return std::nullopt;
    }
    if (size > 0 && ::mmap(base, size, PROT_READ, MAP_PRIVATE | MAP_FIXED, fd, 0) == MAP_FAILED) {
        ::munmap(base, length);
        ::close(fd);
        return std::nullopt;
    }
    ::close(fd);
    MappedFile file;
    file.m_base = static_cast<char*>(base);
    file.m_length = length;
    file.m_size = qsizetype(size);
    return file;
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : m_base(std::exchange(other.m_base, nullptr)), m_length(std::exchange(other.m_length, 0)),
      m_size(std::exchange(other.m_size, 0)), m_released(std::exchange(other.m_released, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    // The other side now owns (and will unmap) what this one held.
    std::swap(m_base, other.m_base);
    std::swap(m_length, other.m_length);
    std::swap(m_size, other.m_size);
    std::swap(m_released, other.m_released);
    return *this;
}

MappedFile::~MappedFile() {
    if (m_base) ::munmap(m_base, m_length);
}

void MappedFile::releaseBefore(qsizetype offset) {
    const size_t page = size_t(::sysconf(_SC_PAGESIZE));
    const size_t end = qBound<size_t>(0, size_t(qMax<qsizetype>(offset, 0)), m_length) / page * page;
    if (!m_base || end <= m_released) return;
    ::madvise(m_base + m_released, end - m_released, MADV_DONTNEED);
    m_released = end;
}

namespace {

// Two stand-ins for the moments a change of the game folder can't choose, both read from the
// environment once per process so that the crash and full-disk tests can drive skaldrun-cli:
// SKALDRUN_FS_STOP_AFTER=N ends the process outright at its Nth change to the disk (a crash,
// a power cut), and SKALDRUN_FS_FULL_AFTER=N makes every write after the Nth fail as a full
// disk does. Unset, each costs one comparison.
struct Interruptions {
    long stopAfter = envNumber("SKALDRUN_FS_STOP_AFTER");
    long fullAfter = envNumber("SKALDRUN_FS_FULL_AFTER");
    std::atomic<long> changes{0};
    static long envNumber(const char* name) {
        bool ok = false;
        const long n = qEnvironmentVariable(name).toLong(&ok);
        return ok && n > 0 ? n : 0;
    }
};

Interruptions& interruptions() {
    static Interruptions state;
    return state;
}

// Called before each operation that changes the disk; `writes` when it adds bytes.
void changing(const QString& path, bool writes) {
    Interruptions& in = interruptions();
    if (in.stopAfter == 0 && in.fullAfter == 0) return;
    const long n = ++in.changes;
    if (in.stopAfter > 0 && n >= in.stopAfter) std::_Exit(86);
    if (writes && in.fullAfter > 0 && n > in.fullAfter) fail(Op::write, path, ENOSPC);
}

} // namespace

void writeAtomic(const QString& path, const QByteArray& bytes) {
    changing(path, true);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) fail(Op::write, path, f.errorString());
    if (f.write(bytes) != bytes.size()) fail(Op::write, path, f.errorString());
    if (!f.commit()) fail(Op::write, path, f.errorString());
}

void mkpath(const QString& dir) {
    if (isDir(dir)) return;
    changing(dir, true);
    const QString cleaned = QDir::cleanPath(dir);
    const QStringList parts = cleaned.split(QLatin1Char('/'));
    QString current = cleaned.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        if (part.isEmpty()) continue;
        current = join(current, part);
        if (::mkdir(native(current).constData(), 0755) == 0) continue;
        const int err = errno;
        if (err == EEXIST) {
            if (isDir(current)) continue;
            fail(Op::createFolder, dir, ENOTDIR);
        }
        if (isDir(current)) continue;
        fail(Op::createFolder, dir, err);
    }
}

void copyFile(const QString& from, const QString& to) {
    changing(to, true);
    FdCloser in{::open(native(from).constData(), O_RDONLY | O_CLOEXEC)};
    if (in.fd < 0) fail(Op::read, from, errno);
    struct stat st;
    if (::fstat(in.fd, &st) != 0) fail(Op::read, from, errno);
    if (S_ISDIR(st.st_mode)) fail(Op::read, from, EISDIR);
    FdCloser out{::open(native(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 07777)};
    if (out.fd < 0) fail(Op::create, to, errno);
    static constexpr size_t chunk = 1 << 20;
    std::vector<char> buffer(chunk);
    for (;;) {
        const ssize_t n = ::read(in.fd, buffer.data(), chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::unlink(native(to).constData());
            fail(Op::read, from, err);
        }
        if (n == 0) break;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out.fd, buffer.data() + done, size_t(n - done));
            if (w < 0) {
                if (errno == EINTR) continue;
                const int err = errno;
                ::unlink(native(to).constData());
                fail(Op::write, to, err);
            }
            done += w;
        }
    }
    ::fchmod(out.fd, st.st_mode & 07777);
    // The date says when the player last changed the file (a save, a config); a copy keeps it.
    const struct timespec times[2] = {{0, UTIME_OMIT}, modifiedAt(st)};
    ::futimens(out.fd, times);
}

void copyLink(const QString& from, const QString& to) {
    changing(to, true);
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t n = ::readlink(native(from).constData(), target.data(), PATH_MAX);
    if (n < 0) fail(Op::read, from, errno);
    target[size_t(n)] = '\0';
    if (::symlink(target.data(), native(to).constData()) != 0) fail(Op::create, to, errno);
}

void copyItem(const QString& from, const QString& to) {
    struct stat st;
    if (::lstat(native(from).constData(), &st) != 0) fail(Op::copy, from, errno);
    if (S_ISLNK(st.st_mode)) return;
    if (!S_ISDIR(st.st_mode)) {
        copyFile(from, to);
        return;
    }
    if (::mkdir(native(to).constData(), 0755) != 0) fail(Op::createFolder, to, errno);
    auto children = entries(from);
    if (!children) fail(Op::readFolder, from, errno);
    for (const Entry& child : *children) {
        if (child.isSymLink) continue;
        copyItem(child.path, join(to, child.name));
    }
}

namespace {

// Copies `from` to `to`, or only counts what it would copy when `to` is empty.
void copyFollowing(const QString& from, const QString& to, std::vector<std::pair<dev_t, ino_t>>& copying,
                   CopiedTree& copied) {
    struct stat st;
    if (::stat(native(from).constData(), &st) != 0) {
        const int err = errno;
        if (!isSymLink(from)) fail(Op::copy, from, err);
        ++copied.brokenLinks;
        return;
    }
    if (S_ISREG(st.st_mode)) {
        if (!to.isEmpty()) copyFile(from, to);
        ++copied.files;
        return;
    }
    if (!S_ISDIR(st.st_mode)) return; // a pipe or a socket would block or fail the copy
    const std::pair folder{st.st_dev, st.st_ino};
    if (std::find(copying.begin(), copying.end(), folder) != copying.end()) return;
    if (!to.isEmpty() && ::mkdir(native(to).constData(), 0755) != 0) fail(Op::createFolder, to, errno);
    const auto names = list(from);
    if (!names) fail(Op::readFolder, from, errno);
    copying.push_back(folder);
    for (const QString& name : *names)
        copyFollowing(join(from, name), to.isEmpty() ? QString() : join(to, name), copying, copied);
    copying.pop_back();
}

CopiedTree copyOrCount(const QString& from, const QString& to) {
    std::vector<std::pair<dev_t, ino_t>> copying;
    CopiedTree copied;
    copyFollowing(from, to, copying, copied);
    return copied;
}

} // namespace

CopiedTree copyTreeFollowingLinks(const QString& from, const QString& to) {
    return copyOrCount(from, to);
}

CopiedTree treeFollowingLinks(const QString& from) {
    return copyOrCount(from, {});
}

void move(const QString& from, const QString& to) {
    if (!itemExists(from)) fail(Op::move, from, ENOENT);
    if (itemExists(to))
        throw SkaldrunError(QCoreApplication::translate("Fs", "Couldn't move “%1”: “%2” already exists.")
                                .arg(displayPath(from), fileName(to)));
    changing(from, false);
    if (::rename(native(from).constData(), native(to).constData()) == 0) return;
    const int err = errno;
    if (err != EXDEV) fail(Op::move, from, err);
    copyItem(from, to);
    remove(from);
}

void replaceFile(const QString& from, const QString& to) {
    changing(to, false);
    if (::rename(native(from).constData(), native(to).constData()) != 0) fail(Op::move, from, errno);
}

bool remove(const QString& path) {
    struct stat st;
    if (::lstat(native(path).constData(), &st) != 0) return errno == ENOENT;
    changing(path, false);
    if (!S_ISDIR(st.st_mode)) return ::unlink(native(path).constData()) == 0;
    bool ok = true;
    if (auto children = entries(path)) {
        for (const Entry& child : *children)
            ok = remove(child.path) && ok;
    }
    return ::rmdir(native(path).constData()) == 0 && ok;
}

bool setPermissions(const QString& path, unsigned mode) {
    return ::chmod(native(path).constData(), mode_t(mode)) == 0;
}

} // namespace Fs
