// Scans a plugins folder the size of a heavily modded game: 300 mods holding 1,000 DLLs of about
// 200 KB each (version record near the end, as the resource section is), and 150 config files.
// Prints the median of warm scans.

#include "config/ConfigStore.h"
#include "inventory/ModScanner.h"
#include "platform/Fs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void appendLE32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray dllBytes(quint32& seed, int major, int minor, qsizetype size) {
    QByteArray record;
    record.append("\xBD\x04\xEF\xFE", 4);
    appendLE32(record, 0x00010000);
    appendLE32(record, (quint32(major) << 16) | quint32(minor));
    appendLE32(record, 0);
    const qsizetype tail = 1536;
    QByteArray bytes("MZ");
    bytes.reserve(size);
    while (bytes.size() < size - record.size() - tail) {
        seed = seed * 1664525u + 1013904223u;
        char c = char(seed >> 24);
        if (c == 0x04 && bytes.endsWith('\xBD')) // the record's signature must be the only one
            c = 0x05;
        bytes.append(c);
    }
    bytes.append(record);
    bytes.append(QByteArray(tail, '\0'));
    return bytes;
}

void write(const QString& path, const QByteArray& bytes) {
    Fs::mkpath(Fs::parent(path));
    Fs::writeAtomic(path, bytes);
}

void buildGame(const QString& game) {
    const QString plugins = ModScanner::pluginsDir(game);
    const QString configs = ConfigStore::configDir(game);
    quint32 seed = 12345;
    int dlls = 0;
    // 20 loose DLLs, then 280 folders of 3 or 4 DLLs, some nested, some disabled.
    for (int i = 0; i < 20; ++i) {
        const QString name = QStringLiteral("Loose_Plugin%1.dll%2").arg(i).arg(i % 5 == 0 ? ".disabled" : "");
        write(Fs::join(plugins, name), dllBytes(seed, 1, i, 200 * 1024 + i * 37));
        ++dlls;
    }
    for (int i = 0; i < 280; ++i) {
        const QString folder = Fs::join(plugins, QStringLiteral("Author%1-Mod_Name%2").arg(i % 37).arg(i));
        const int count = i < 140 ? 3 : 4;
        for (int d = 0; d < count; ++d) {
            QString rel = d == 0 ? QStringLiteral("ModName%1.dll").arg(i)
                                 : QStringLiteral("lib/Dep%1_%2.dll").arg(i).arg(d);
            if (i % 9 == 0) rel += QStringLiteral(".disabled");
            write(Fs::join(folder, rel), dllBytes(seed, 2, d, 200 * 1024 + (i * 7 + d) * 13));
            ++dlls;
        }
        write(Fs::join(folder, QStringLiteral("README.md")), "# Mod\n");
        write(Fs::join(folder, QStringLiteral("icon.png")), QByteArray(4096, 'p'));
    }
    for (int i = 0; i < 150; ++i) {
        const QString name = i % 3 == 0 ? QStringLiteral("com.author%1.ModName%2.cfg").arg(i % 37).arg(i * 2)
                                        : QStringLiteral("Author%1.Settings%2.cfg").arg(i % 37).arg(i);
        write(Fs::join(configs, name), "[General]\nEnabled = true\n");
    }
    write(Fs::join(configs, QStringLiteral("BepInEx.cfg")), "[Logging]\n");
    if (dlls != 1000) std::fprintf(stderr, "built %d DLLs\n", dlls);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir game;
    if (!game.isValid()) return 1;
    buildGame(game.path());

    qsizetype found = ModScanner::scan(game.path()).size(); // warm the caches
    std::vector<double> times;
    // An optional run count lets a profiler see mostly scans.
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        found += ModScanner::scan(game.path()).size();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    if (found != qsizetype(runs + 1) * 300)
        std::fprintf(stderr, "unexpected mod count %lld\n", static_cast<long long>(found));
    std::printf("scan_ms %.1f ms\n", times[times.size() / 2]);
    return 0;
}
