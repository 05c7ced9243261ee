#include "install/Archive.h"

#include "install/InstallError.h"
#include "platform/Fs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace Installer {

namespace {

struct ReadCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct WriteCloser {
    void operator()(archive* a) const { archive_write_free(a); }
};

QString reasonOf(archive* a) {
    const char* text = archive_error_string(a);
    QString reason = text ? QString::fromUtf8(text).trimmed() : QString();
    return reason.isEmpty()
               ? QCoreApplication::translate("Installer", "the archive is damaged or isn't a ZIP archive")
               : reason;
}

// Entry names land in a sentence: control characters (a newline in a hostile name) are shown
// as "?" so the message stays one line.
QString shown(QString name) {
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control) c = QLatin1Char('?');
    }
    return name;
}

QString entryName(archive_entry* entry) {
    if (const char* utf8 = archive_entry_pathname_utf8(entry)) return QString::fromUtf8(utf8);
    if (const char* raw = archive_entry_pathname(entry)) return QFile::decodeName(raw);
    return {};
}

QString sizeText(qint64 bytes) {
    if (bytes >= (qint64(1) << 30))
        return QCoreApplication::translate("Installer", "%1 GB")
            .arg(QLocale().toString(double(bytes) / double(qint64(1) << 30), 'g', 3));
    if (bytes >= (qint64(1) << 20))
        return QCoreApplication::translate("Installer", "%1 MB")
            .arg(QLocale().toString(double(bytes) / double(qint64(1) << 20), 'g', 3));
    return QCoreApplication::translate("Installer", "%n bytes", nullptr, int(bytes));
}

// `sentence` is the whole refusal, with %1 for the entry's name and %2 for any reason.
[[noreturn]] void refuse(const QString& name, const QString& sentence, const QString& reason = {}) {
    throw SkaldrunError(reason.isNull() ? sentence.arg(shown(name)) : sentence.arg(shown(name), reason));
}

// The entry's path below the extraction folder, with "/" between components, or an empty
// string for an entry that names the folder itself ("./"). Either slash separates components:
// archives made on Windows use "\" and would otherwise smuggle ".." past a "/"-only check.
QString safeRelativePath(const QString& name) {
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')))
        refuse(name,
               QCoreApplication::translate("Installer", "Couldn't extract the archive: the entry “%1” has an "
                                                        "absolute path, so nothing was installed."));
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter() &&
        name.at(0).unicode() < 128)
        refuse(name,
               QCoreApplication::translate("Installer", "Couldn't extract the archive: the entry “%1” has an "
                                                        "absolute path, so nothing was installed."));
    static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
    QStringList kept;
    for (const QString& part : name.split(separator)) {
        if (part.isEmpty() || part == QLatin1String(".")) continue;
        if (part == QLatin1String(".."))
            refuse(name, QCoreApplication::translate(
                             "Installer", "Couldn't extract the archive: the entry “%1” points outside the "
                                          "archive's folder, so nothing was installed."));
        if (part.contains(QChar(0)))
            refuse(name, QCoreApplication::translate("Installer",
                                                     "Couldn't extract the archive: the entry “%1” has an "
                                                     "invalid name, so nothing was installed."));
        kept.append(part);
    }
    return kept.join(QLatin1Char('/'));
}

} // namespace

QString makeTemporaryFolder() {
    // The shared temporary folder is open to every user: the folder is made under a fresh random
    // name that must not exist yet (a link planted there is never followed), for us alone.
    QTemporaryDir made(Fs::join(QDir::tempPath(), QStringLiteral("skaldrun-XXXXXX")));
    if (!made.isValid()) Fs::fail(Fs::Op::createFolderIn, QDir::tempPath(), made.errorString());
    made.setAutoRemove(false);
    const QString path = made.path();
    // libarchive refuses to write through any symbolic link on the way (macOS's temporary folder
    // sits below /var, itself a link), so the folder is handed out in its resolved form.
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? path : resolved;
}

TemporaryFolder::~TemporaryFolder() {
    Fs::remove(path);
}

void extractZip(const QString& archivePath, const QString& into, const ExtractLimits& limits) {
    std::unique_ptr<archive, ReadCloser> reader(archive_read_new());
    std::unique_ptr<archive, WriteCloser> writer(archive_write_disk_new());
    if (!reader || !writer)
        throw InstallError::extractFailed(QCoreApplication::translate("Installer", "out of memory"));
    archive_read_support_format_zip(reader.get());
    // Our own checks below come first; libarchive's are the second line. Its refusal of absolute
    // paths can't be switched on: the path we hand it is always absolute, below `into`.
    archive_write_disk_set_options(writer.get(), ARCHIVE_EXTRACT_TIME | ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                                                     ARCHIVE_EXTRACT_SECURE_NODOTDOT);
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(), 1 << 20) !=
        ARCHIVE_OK)
        throw InstallError::extractFailed(reasonOf(reader.get()));

    const QString tooBig = QCoreApplication::translate(
                               "Installer", "Couldn't extract the archive: it unpacks to more than %1, far "
                                            "more than any mod needs, so nothing was installed.")
                               .arg(sizeText(limits.maxBytes));
    qint64 entries = 0;
    qint64 written = 0;
    for (;;) {
        archive_entry* entry = nullptr;
        int rc = archive_read_next_header(reader.get(), &entry);
        if (rc == ARCHIVE_EOF) break;
        if (rc < ARCHIVE_WARN) throw InstallError::extractFailed(reasonOf(reader.get()));
        if (++entries > limits.maxEntries)
            throw SkaldrunError(QCoreApplication::translate(
                                    "Installer", "Couldn't extract the archive: it holds more than %1 "
                                                 "files, far more than any mod needs, so nothing was "
                                                 "installed.")
                                    .arg(limits.maxEntries));

        const QString name = entryName(entry);
        if (name.isEmpty())
            throw SkaldrunError(QCoreApplication::translate(
                "Installer",
                "Couldn't extract the archive: an entry has no name, so nothing was installed."));
        const QString relative = safeRelativePath(name);
        const mode_t type = archive_entry_filetype(entry);
        if (type == AE_IFLNK || archive_entry_symlink(entry))
            refuse(name, QCoreApplication::translate(
                             "Installer", "Couldn't extract the archive: the entry “%1” is a symbolic link, "
                                          "which no mod needs, so nothing was installed."));
        if (archive_entry_hardlink(entry))
            refuse(name, QCoreApplication::translate("Installer",
                                                     "Couldn't extract the archive: the entry “%1” is a hard "
                                                     "link, which no mod needs, so nothing was installed."));
        if (type != AE_IFREG && type != AE_IFDIR)
            refuse(name, QCoreApplication::translate("Installer",
                                                     "Couldn't extract the archive: the entry “%1” isn't a "
                                                     "file or a folder, so nothing was installed."));
        if (relative.isEmpty()) continue; // "./": the extraction folder itself
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > limits.maxBytes - written)
            throw SkaldrunError(tooBig);

        archive_entry_copy_pathname(entry, QFile::encodeName(Fs::join(into, relative)).constData());
        // Plain modes only: no set-id bits, nothing unreadable that we couldn't copy or clean up.
        const bool executable = (archive_entry_perm(entry) & 0111) != 0;
        archive_entry_set_perm(entry, type == AE_IFDIR || executable ? 0755 : 0644);
        if (archive_write_header(writer.get(), entry) < ARCHIVE_WARN)
            refuse(name,
                   QCoreApplication::translate("Installer",
                                               "Couldn't extract the archive: the entry “%1” couldn't be "
                                               "written (%2), so nothing was installed."),
                   reasonOf(writer.get()));

        if (type == AE_IFREG) {
            qint64 entryEnd = 0;
            for (;;) {
                const void* block = nullptr;
                size_t size = 0;
                la_int64_t offset = 0;
                rc = archive_read_data_block(reader.get(), &block, &size, &offset);
                if (rc == ARCHIVE_EOF) break;
                if (rc < ARCHIVE_WARN)
                    refuse(name,
                           QCoreApplication::translate("Installer",
                                                       "Couldn't extract the archive: the entry “%1” "
                                                       "couldn't be read (%2), so nothing was installed."),
                           reasonOf(reader.get()));
                // What lands on disk, holes included, counts towards the limit.
                const qint64 end = qint64(offset) + qint64(size);
                if (end > entryEnd) {
                    written += end - entryEnd;
                    entryEnd = end;
                }
                if (written > limits.maxBytes) throw SkaldrunError(tooBig);
                if (size > 0 && archive_write_data_block(writer.get(), block, size, offset) < ARCHIVE_WARN)
                    refuse(name,
                           QCoreApplication::translate("Installer",
                                                       "Couldn't extract the archive: the entry “%1” "
                                                       "couldn't be written (%2), so nothing was installed."),
                           reasonOf(writer.get()));
            }
        }
        if (archive_write_finish_entry(writer.get()) < ARCHIVE_WARN)
            refuse(name,
                   QCoreApplication::translate("Installer",
                                               "Couldn't extract the archive: the entry “%1” couldn't be "
                                               "written (%2), so nothing was installed."),
                   reasonOf(writer.get()));
    }
    if (archive_write_close(writer.get()) < ARCHIVE_WARN)
        throw InstallError::extractFailed(reasonOf(writer.get()));
}

} // namespace Installer
