// Imports the real 58-mod profile from a loopback repository whose archives have the sizes of
// real packages and answer after a CDN's latency, and compares the time with fetching the same
// archives one after another. Prints "profile_import_s", "download_only_s" and their ratio.
// Usage: bench_profile_import EXPORT_R2X [PACKAGE_LIST_JSON]

#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "platform/Fs.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/RecordingDoubles.h"
#include "tests/support/World.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

constexpr int latencyMs = 120;

// Archive sizes as the real catalog has them (each package's newest release); 90 KB, the
// median, when no list is given.
QList<qint64> realSizes(const QString& listPath) {
    QList<qint64> sizes;
    const auto bytes = Fs::tryRead(listPath);
    const QJsonArray list = QJsonDocument::fromJson(bytes.value_or(QByteArray())).array();
    for (const auto& p : list) {
        const QJsonArray versions = p.toObject().value(QStringLiteral("versions")).toArray();
        if (!versions.isEmpty())
            sizes << versions.first().toObject().value(QStringLiteral("file_size")).toInteger();
    }
    return sizes.isEmpty() ? QList<qint64>{90000} : sizes;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("TMPDIR", QFile::encodeName(home.path()));
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_profile_import EXPORT_R2X [PACKAGE_LIST_JSON]\n");
        return 2;
    }
    const QByteArray r2x = Fs::read(QString::fromLocal8Bit(argv[1]));
    const QList<qint64> sizes = realSizes(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    const ProfilePack::Profile pack = ProfilePack::readR2x(r2x);

    FakeRepository repo;
    QRandomGenerator random(7);
    qint64 total = 0;
    for (qsizetype i = 0; i < pack.mods.size(); ++i) {
        const QString& name = pack.mods[i].name;
        auto p =
            FakeRepository::package(name.section('-', 0, -2), name.section('-', -1), pack.mods[i].version);
        QByteArray noise(sizes[i % sizes.size()] & ~qint64(3), Qt::Uninitialized); // assets don't compress
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        total += noise.size();
        p.archive = TestZip::repositoryMod(p.name, p.version).file(QStringLiteral("assets.bin"), noise);
        repo.add(p);
    }
    repo.archiveDelayMs = latencyMs;
    repo.pointAppHere();

    World world(home.path());
    world.build();
    RecordingWorkspace workspace;
    RecordingClipboard clipboard;
    ScriptedOpenPanel panel;
    AppState state(AppState::Services{workspace, clipboard, panel});
    state.useGameFolder(world.gameDir());
    state.thunder()->loadIfNeeded(true);
    if (!QTest::qWaitFor([&] { return !state.thunder()->loading(); }, 60000)) return 1;
    QList<QUrl> urls;
    for (const ProfilePack::Mod& mod : pack.mods)
        urls << *state.thunder()->indexByOwnerName().value(mod.name.toLower()).downloadURL;
    for (const QUrl& url : urls) // every archive built once, before either run is timed
        Http::get(url);

    const QString file = Fs::join(home.path(), QStringLiteral("pack.r2x"));
    Fs::writeAtomic(file, r2x);
    state.readProfileFile(file); // read on the pool: the import starts once the pack has landed
    if (!QTest::qWaitFor([&] { return state.pendingImport() && !state.busyMessage(); }, 60000)) return 1;
    QElapsedTimer timer;
    timer.start();
    state.importProfile(AppState::ImportTarget::replaceActive);
    if (!QTest::qWaitFor([&] { return !state.busyMessage(); }, 600000)) return 1;
    const double importS = double(timer.nsecsElapsed()) / 1e9;
    if (state.alertMessage()) std::fprintf(stderr, "%s\n", qPrintable(*state.alertMessage()));

    timer.restart();
    for (const QUrl& url : urls)
        Http::download(url, Fs::join(home.path(), QStringLiteral("one.zip")));
    const double downloadS = double(timer.nsecsElapsed()) / 1e9;

    std::printf("profile_import_mods %lld mods (%.1f MB, %d ms per answer)\n", qint64(pack.mods.size()),
                double(total) / 1e6, latencyMs);
    std::printf("profile_import_s %.3f s\n", importS);
    std::printf("download_only_s %.3f s\n", downloadS);
    std::printf("profile_import_ratio %.2f x\n", importS / downloadS);
    return 0;
}
