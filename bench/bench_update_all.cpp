// Updates 50 installed mods through the install pipeline, as "update --all" does, from a loopback
// repository whose archives have the sizes of real mods (a few hundred KB to a few MB of
// incompressible assets) and answer after a CDN's latency; compares the time with downloading the
// same archives one after another at that latency. Prints "update_all_ms",
// "sequential_download_ms" and their ratio, each the median of three rounds.

#include "catalog/ThunderstoreStore.h"
#include "install/InstallPlan.h"
#include "install/Installer.h"
#include "install/ModKey.h"
#include "install/Pipeline.h"
#include "inventory/ModScanner.h"
#include "platform/Fs.h"
#include "tests/support/FakeRepository.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int modCount = 50;
constexpr int latencyMs = 120;
constexpr int rounds = 3;
const QString oldVersion = QStringLiteral("1.0.0");
const QString newVersion = QStringLiteral("1.1.0");

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// A game folder with every mod installed at its old release, from archives on disk: the time
// that takes is not what is measured.
bool installOldReleases(const QStringList& names, const QString& gameDir, const QString& scratch) {
    try {
        for (const QString& name : names) {
            const QString zip =
                TestZip::repositoryMod(name, oldVersion).save(Fs::join(scratch, name + ".zip"));
            Installer::installZip(zip, gameDir);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("TMPDIR", QFile::encodeName(home.path()));
    QCoreApplication app(argc, argv);

    FakeRepository repo;
    repo.pointAppHere();
    QRandomGenerator random(11);
    QList<TSPackage> catalog;
    QStringList names;
    QStringList paths;
    qint64 total = 0;
    for (int i = 0; i < modCount; ++i) {
        auto p = FakeRepository::package(QStringLiteral("Author%1").arg(i % 7),
                                         QStringLiteral("Mod%1").arg(i), newVersion);
        // Assets don't compress; 200 KB to 3 MB, the spread of real mods' archives.
        QByteArray noise(qsizetype(random.bounded(200 * 1024, 3 * 1024 * 1024)) & ~qsizetype(3),
                         Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        total += noise.size();
        p.archive =
            TestZip::repositoryMod(p.name, p.version).file(QStringLiteral("Assets/mod.bundle"), noise);
        repo.add(p);
        TSPackage package;
        package.owner = p.owner;
        package.name = p.name;
        package.fullName = package.id = p.fullName();
        package.version = p.version;
        package.downloadURL = QUrl(repo.baseUrl() + repo.archivePath(p));
        catalog << package;
        names << p.name;
        paths << repo.archivePath(p);
    }
    for (const QString& path : paths) // every archive built once, before either run is timed
        repo.server().respond(path);
    repo.archiveDelayMs = latencyMs;
    const auto index = ThunderstoreStore::makeIndex(catalog);

    std::vector<double> updateMs;
    std::vector<double> sequentialMs;
    for (int round = 0; round < rounds; ++round) {
        const QString base = Fs::join(home.path(), QStringLiteral("round%1").arg(round));
        const QString gameDir = Fs::join(base, QStringLiteral("Valheim"));
        const QString scratch = Fs::join(base, QStringLiteral("old"));
        Fs::mkpath(scratch);
        if (!installOldReleases(names, gameDir, scratch)) return 1;

        QElapsedTimer timer;
        timer.start();
        // As the update of every mod asks: each newer release over the installed mod of its key.
        const QList<ModItem> installed = ModScanner::scan(gameDir);
        QList<InstallPlan::Request> requests;
        for (const TSPackage& package : std::as_const(catalog)) {
            const auto mod = std::find_if(installed.cbegin(), installed.cend(), [&](const ModItem& m) {
                return ModKey::of(m.name) == ModKey::of(package.name);
            });
            if (mod == installed.cend()) {
                std::fprintf(stderr, "%s is not installed\n", qPrintable(package.name));
                return 1;
            }
            requests.append({package, *mod});
        }
        const InstallPlan::Plan plan = InstallPlan::make(requests, installed, {}, index, true);
        const Pipeline::Report report = Pipeline::run(plan, gameDir, Pipeline::Options());
        updateMs.push_back(elapsedMs(timer));
        if (report.installed.size() != modCount || !report.failed.isEmpty()) {
            std::fprintf(stderr, "%s\n%s\n", qPrintable(report.updatedLine(modCount)),
                         qPrintable(report.problems().value_or(QString())));
            return 1;
        }
        // Each new release took its old one's place, none went in beside it.
        const QList<ModItem> updated = ModScanner::scan(gameDir);
        if (updated.size() != installed.size() ||
            std::any_of(updated.cbegin(), updated.cend(),
                        [](const ModItem& m) { return m.version != newVersion; })) {
            std::fprintf(stderr, "the game folder doesn't hold the new releases alone\n");
            return 1;
        }

        const QString one = Fs::join(base, QStringLiteral("one.zip"));
        timer.restart();
        for (const TSPackage& package : std::as_const(catalog)) {
            const Http::Result answer = Http::download(*package.downloadURL, one);
            if (!answer.responded || answer.status != 200) {
                std::fprintf(stderr, "%s\n", qPrintable(answer.error));
                return 1;
            }
        }
        sequentialMs.push_back(elapsedMs(timer));
        Fs::remove(base);
    }

    const double update = median(updateMs);
    const double sequential = median(sequentialMs);
    std::printf("update_all_mods %d mods (%.1f MB, %d ms per answer)\n", modCount, double(total) / 1e6,
                latencyMs);
    std::printf("update_all_ms %.0f ms\n", update);
    std::printf("sequential_download_ms %.0f ms\n", sequential);
    std::printf("update_all_ratio %.2f x\n", update / sequential);
    return 0;
}
