#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Builds real ZIP archives with libarchive's writer, the way mods and the BepInEx pack reach the
// installer. Entries are written in the order they were added, names exactly as given (hostile
// ones such as "../x", "/x", "C:/x" or "\\host\x" included).
//
//     TestZip()
//         .file("manifest.json", TestZip::manifest("ShaderHelperForMac", "1.0.3"))
//         .file("ShaderHelperForMac.dll", TestZip::dll("1.0.3"))
//         .save(dir.filePath("mod.zip"));
class TestZip {
public:
    TestZip& file(const QString& name, const QByteArray& data = {}, int mode = -1) {
        return add({name.toUtf8(), data, Kind::file, mode});
    }
    TestZip& dir(const QString& name, int mode = -1) {
        const QString folder = name.endsWith(QLatin1Char('/')) ? name : name + QLatin1Char('/');
        return add({folder.toUtf8(), {}, Kind::dir, mode});
    }
    TestZip& symlink(const QString& name, const QString& target) {
        return add({name.toUtf8(), target.toUtf8(), Kind::link});
    }
    // `size` zero bytes, streamed: compresses to almost nothing.
    TestZip& filled(const QString& name, qint64 size) {
        return add({name.toUtf8(), {}, Kind::file, -1, size});
    }
    TestZip& raw(const QByteArray& name, const QByteArray& data = "x") {
        return add({name, data, Kind::file});
    }

    // The same archive as a system without Unix permissions zips it: no entry keeps a mode.
    TestZip withoutModes() const {
        TestZip copy = *this;
        for (Entry& entry : copy.m_entries)
            entry.mode = -1;
        return copy;
    }

    // Writes the archive (replacing any file there) and returns its path. Aborts the test run
    // when libarchive refuses, which only a broken fixture does.
    QString save(const QString& path) const;

    // --- Realistic content ---

    // A DLL-sized blob carrying a Windows version record ("5.4.2202" or "1.0.3.7") for PEVersion.
    static QByteArray dll(const QString& version);
    // A repository manifest, as the repository's packages carry it.
    static QByteArray manifest(const QString& name, const QString& version,
                               const QStringList& dependencies = {});
    // BepInEx's launch script as the pack ships it, naming "valheim.x86_64".
    static QByteArray launchScript();
    // The BepInEx pack as the repository ships it: manifest, icon and README at the top, the pack
    // itself in one wrapper folder ("BepInExPack_Valheim") holding the launch script, BepInEx/core
    // with BepInEx.dll (version record `version`), doorstop_libs and the other loose files.
    static TestZip bepInExPack(const QString& version = QStringLiteral("5.4.2202"));
    // A repository mod: manifest, icon.png, README.md and the plugin DLL at the top.
    static TestZip repositoryMod(const QString& name, const QString& version,
                                 const QStringList& dependencies = {});

private:
    enum class Kind { file, dir, link };
    struct Entry {
        QByteArray name; // stored verbatim
        QByteArray data; // a file's bytes, a link's target
        Kind kind = Kind::file;
        int mode = -1;     // permission bits; -1 gives 0644 for files, 0755 for folders
        qint64 zeros = -1; // >= 0: the data is this many zero bytes, streamed (big entries)
    };
    TestZip& add(Entry entry) {
        m_entries.append(std::move(entry));
        return *this;
    }

    QList<Entry> m_entries;
};
