// Reads a 100 MB LogOutput.log made of the real logs of a folder (../shared/corpus/real/logs)
// one after another, again and again, as the launch report does: the median of five reads, and
// the process's peak memory. The file is written a log at a time, so building it holds little.
#include "bench/PeakRss.h"
#include "launch/LaunchLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_launch_log LOGS_FOLDER\n");
        return 1;
    }
    const QDir logs(QString::fromLocal8Bit(argv[1]));
    const QStringList names = logs.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LogOutput.log"));
    QFile out(path);
    if (names.isEmpty() || !out.open(QIODevice::WriteOnly)) return 1;
    constexpr qint64 size = qint64(100) << 20;
    for (qsizetype i = 0; out.size() < size; ++i) {
        QFile in(logs.filePath(names[i % names.size()]));
        if (!in.open(QIODevice::ReadOnly)) return 1;
        const QByteArray bytes = in.readAll();
        out.write(bytes.left(size - out.size()));
    }
    out.close();

    std::vector<double> rounds;
    int findings = 0;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const auto report = LaunchLog::readFile(path);
        rounds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!report) return 2;
        findings = int(report->findings.size());
    }
    std::sort(rounds.begin(), rounds.end());
    std::printf("log_read_ms %.0f ms\n", rounds[rounds.size() / 2]);
    std::printf("log_read_findings %d count\n", findings);
    std::printf("log_read_peak_mb %.1f MB\n", peakRssMb());
    return 0;
}
