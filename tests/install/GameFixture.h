#pragma once

#include "tests/support/ModFixtures.h"
#include "tests/support/TestZip.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <sys/stat.h>

// Small file helpers shared by the installer tests.
namespace Fixture {

// Below `root`: "folder/", "link -> target" (the target below `root` too) or "file = text"
// ("~" in a text is `root` and a slash).
inline void make(const QString& root, const QStringList& items) {
    const QString at = root + QLatin1Char('/');
    for (const QString& item : items) {
        if (item.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(at + item));
        else if (item.contains(QLatin1String(" -> ")))
            QVERIFY(QFile::link(at + item.section(QLatin1String(" -> "), 1),
                                at + item.section(QLatin1String(" -> "), 0, 0)));
        else
            World::write(at + item.section(QLatin1String(" = "), 0, 0),
                         item.section(QLatin1String(" = "), 1).replace(QLatin1Char('~'), at).toUtf8());
    }
}

// An archive of the files named, separated by blanks, each holding its own name.
inline TestZip files(const QString& names) {
    TestZip zip;
    for (const QString& name : names.split(QLatin1Char(' ')))
        zip.file(name, name.toUtf8());
    return zip;
}

// Permission bits of an item itself (links not followed).
inline unsigned mode(const QString& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0xFFFFu;
}

// A Steam game folder holding the Mac app, whose bundle names its executable at the top level,
// after a decoy key of the same name one level down.
inline QString makeGame(const QString& game, const QString& executable = QStringLiteral("Valheim")) {
    World::write(
        game + QStringLiteral("/valheim.app/Contents/Info.plist"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
        "\t<key>LSEnvironment</key><dict><key>CFBundleExecutable</key><string>Decoy</string></dict>\n"
        "\t<key>CFBundleExecutable</key>\n\t<string>" +
            executable.toHtmlEscaped().toUtf8() + "</string>\n</dict>\n</plist>\n");
    return game;
}

// Every item below root as sorted relative paths, folders ending in "/"; links are listed, not
// followed.
inline QStringList tree(const QString& root) {
    QStringList items;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString rel = QDir(root).relativeFilePath(info.filePath());
        items.append(info.isDir() && !info.isSymLink() ? rel + QLatin1Char('/') : rel);
    }
    items.sort();
    return items;
}

// The installer's own temporary folders still present in `tmp`.
inline QStringList leftovers(const QString& tmp) {
    return QDir(tmp).entryList({QStringLiteral("skaldrun-*")}, QDir::AllEntries | QDir::Hidden);
}

} // namespace Fixture
