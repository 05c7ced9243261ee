// Reads the version record of a 64 MB DLL whose record sits at the very end, and the same
// bytes with a bare memmem for comparison.
#include "discovery/PEVersion.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr size_t fileSize = 64u << 20;

double medianOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename Fn> double timeMs(Fn&& fn) {
    const auto start = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Big.dll"));
    QByteArray bytes(qsizetype(fileSize), '\0');
    // Realistic filler: code-like bytes with many near misses of the signature's first byte.
    for (size_t i = 0; i < fileSize; ++i)
        bytes[qsizetype(i)] = char((i * 2654435761u) >> 24);
    for (size_t i = 0; i + 4 < fileSize; ++i) {
        if (uchar(bytes[qsizetype(i)]) == 0xBD && uchar(bytes[qsizetype(i) + 1]) == 0x04)
            bytes[qsizetype(i) + 1] = 0x05;
    }
    const unsigned char record[20] = {0xBD, 0x04, 0xEF, 0xFE, 0x00, 0x00, 0x01, 0x00, 0x04, 0x00,
                                      0x05, 0x00, 0x00, 0x00, 0x9A, 0x08, 0x00, 0x00, 0x00, 0x00};
    std::memcpy(bytes.data() + fileSize - sizeof record, record, sizeof record);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) return 1;
    out.close();

    std::vector<double> scan, bare;
    for (int round = 0; round < 15; ++round) {
        std::optional<QString> version;
        scan.push_back(timeMs([&] { version = PEVersion::fileVersion(path); }));
        if (!version || *version != QLatin1String("5.4.2202")) return 2;
        const void* hit = nullptr;
        bare.push_back(timeMs([&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            const uchar* mapped = f.map(0, f.size());
            hit = memmem(mapped, size_t(f.size()), record, 4);
        }));
        if (!hit) return 3;
    }
    const double mb = double(fileSize) / (1 << 20);
    std::printf("pe_scan_mb_per_s %.0f MB/s\n", mb / (medianOf(scan) / 1000.0));
    std::printf("memmem_mb_per_s %.0f MB/s\n", mb / (medianOf(bare) / 1000.0));
    return 0;
}
