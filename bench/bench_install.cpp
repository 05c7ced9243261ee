// Installs a generated 50 MB mod archive into fresh game folders and compares the time with
// unzip(1) unpacking the same archive. Prints "install_ms", "unzip_ms" and their ratio.

#include "install/Installer.h"
#include "platform/Fs.h"
#include "platform/Process.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// About 300 files in a wrapper folder: incompressible assets, text-like configs and data,
// DLL-like files with long runs, as real mods mix them. Roughly 50 MB on disk.
bool writeArchive(const QString& path, qint64* unpacked) {
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    if (archive_write_open_filename(a, QFile::encodeName(path).constData()) != ARCHIVE_OK) return false;
    QRandomGenerator random(42);
    *unpacked = 0;
    auto add = [&](const QString& name, const QByteArray& data) {
        archive_entry* e = archive_entry_new();
        archive_entry_copy_pathname(e, name.toUtf8().constData());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, data.size());
        archive_write_header(a, e);
        archive_write_data(a, data.constData(), size_t(data.size()));
        archive_entry_free(e);
        *unpacked += data.size();
    };
    for (int i = 0; i < 100; ++i) { // 100 x 440 KB of noise: textures, bundles
        QByteArray noise(440 * 1024, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        add(QStringLiteral("BigMod/Assets/Bundle%1/asset%2.bundle").arg(i / 10).arg(i), noise);
    }
    for (int i = 0; i < 120; ++i) { // text: configs, translations, JSON tables
        QByteArray text;
        while (text.size() < 80 * 1024)
            text += QStringLiteral("key_%1 = value %2 ; translated line for entry %1\n")
                        .arg(random.bounded(100000))
                        .arg(random.bounded(1000))
                        .toUtf8();
        add(QStringLiteral("BigMod/Data/Table%1/data%2.json").arg(i / 20).arg(i), text);
    }
    for (int i = 0; i < 80; ++i) { // DLL-like: half noise, half padding
        QByteArray dll(96 * 1024, '\0');
        random.fillRange(reinterpret_cast<quint32*>(dll.data()), dll.size() / 8);
        add(QStringLiteral("BigMod/plugins/Part%1.dll").arg(i), dll);
    }
    add(QStringLiteral("BigMod/manifest.json"),
        "{\"name\": \"BigMod\", \"version_number\": \"1.0.0\", \"dependencies\": []}");
    const bool ok = archive_write_close(a) == ARCHIVE_OK;
    archive_write_free(a);
    return ok;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    if (!work.isValid()) return 1;
    const QString zip = Fs::join(work.path(), QStringLiteral("BigMod-1.0.0.zip"));
    qint64 unpacked = 0;
    if (!writeArchive(zip, &unpacked)) {
        std::fprintf(stderr, "couldn't write the archive\n");
        return 1;
    }
    std::printf("archive_mb %.1f MB\n", double(QFileInfo(zip).size()) / (1 << 20));
    std::printf("unpacked_mb %.1f MB\n", double(unpacked) / (1 << 20));

    constexpr int runs = 5;
    std::vector<double> install;
    for (int i = 0; i < runs; ++i) {
        const QString game = Fs::join(work.path(), QStringLiteral("game%1").arg(i));
        Fs::mkpath(game);
        QElapsedTimer timer;
        timer.start();
        Installer::installZip(zip, game);
        install.push_back(double(timer.nsecsElapsed()) / 1e6);
        Fs::remove(game);
    }
    const double installMs = median(install);
    std::printf("install_ms %.1f ms\n", installMs);

    // The two halves: unpacking alone, and placing an unpacked tree by copying (as for a dropped
    // folder) rather than by the renames an archive install can use.
    std::vector<double> extract;
    std::vector<double> copyTree;
    for (int i = 0; i < runs; ++i) {
        const QString out = Installer::makeTemporaryFolder();
        QElapsedTimer timer;
        timer.start();
        Installer::extractZip(zip, out);
        extract.push_back(double(timer.nsecsElapsed()) / 1e6);
        const QString game = Fs::join(work.path(), QStringLiteral("copygame%1").arg(i));
        Fs::mkpath(game);
        timer.restart();
        Installer::installTree(out, game, QStringLiteral("BigMod"));
        copyTree.push_back(double(timer.nsecsElapsed()) / 1e6);
        Fs::remove(game);
        Fs::remove(out);
    }
    std::printf("extract_ms %.1f ms\n", median(extract));
    std::printf("place_by_copy_ms %.1f ms\n", median(copyTree));

    const QString unzip = QStringLiteral("/usr/bin/unzip");
    if (Fs::exists(unzip)) {
        std::vector<double> plain;
        for (int i = 0; i < runs; ++i) {
            const QString out = Fs::join(work.path(), QStringLiteral("unzip%1").arg(i));
            QElapsedTimer timer;
            timer.start();
            Process::run(unzip, {QStringLiteral("-q"), zip, QStringLiteral("-d"), out});
            plain.push_back(double(timer.nsecsElapsed()) / 1e6);
            Fs::remove(out);
        }
        const double unzipMs = median(plain);
        std::printf("unzip_ms %.1f ms\n", unzipMs);
        std::printf("install_vs_unzip %.2f x\n", installMs / unzipMs);
    }
    return 0;
}
