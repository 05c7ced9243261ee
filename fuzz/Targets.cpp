#include "fuzz/Targets.h"

#include "catalog/ChunkedListing.h"
#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "config/ConfigStore.h"
#include "discovery/LocalConfig.h"
#include "discovery/Outside.h"
#include "discovery/PEVersion.h"
#include "discovery/Steam.h"
#include "install/Archive.h"
#include "install/Installer.h"
#include "install/ProfilePack.h"
#include "inventory/DllMetadata.h"
#include "launch/LaunchLog.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace FuzzTargets {

namespace {

// Stops the run with the broken invariant named; libFuzzer saves the input that did it.
void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz invariant violated: %s\n", what);
    std::fflush(stderr);
    __builtin_trap();
}

// Inputs are written plainly: an atomic write syncs to disk, which would slow every run tenfold.
void put(const QString& path, const QByteArray& content) {
    Fs::mkpath(Fs::parent(path));
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size(),
          "couldn't write the input");
}

// One private home for the whole process: configs back up into its support folder, Steam is
// looked for below it, and the launch script is patched as on an Apple Silicon Mac so the
// inserted block is exercised too. Set up before anything reads HOME or the machine name.
const QString& work() {
    static const QString path = [] {
        static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/skaldrun-fuzz-XXXXXX"));
        check(dir.isValid(), "no temporary folder");
        qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("home/.local/share"))));
        qputenv("TMPDIR", QFile::encodeName(dir.filePath(QStringLiteral("tmp"))));
        qputenv("SKALDRUN_MACHINE", "arm64");
        for (const char* sub : {"home", "tmp"})
            QDir().mkpath(dir.filePath(QString::fromLatin1(sub)));
        put(dir.filePath(QStringLiteral("game/valheim.app/Contents/Info.plist")),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
            "\t<key>CFBundleExecutable</key>\n\t<string>Valheim</string>\n</dict>\n</plist>\n");
        return dir.path();
    }();
    return path;
}

// Runs `step`; a SkaldrunError is a refusal, a normal outcome, but one that names its reason.
template <typename Step> bool refused(Step&& step) {
    try {
        step();
    } catch (const SkaldrunError& error) {
        check(!error.message().isEmpty(), "refused without a sentence");
        return true;
    }
    return false;
}

// The work folder's `relative`, emptied first when `fresh`, whatever was there.
QString at(const QString& relative, bool fresh = false) {
    QString path = Fs::join(work(), relative);
    if (fresh) {
        Fs::remove(path);
        Fs::mkpath(path);
    }
    return path;
}

QStringList children(const QString& dir) {
    QStringList names = Fs::list(dir).value_or(QStringList());
    names.sort();
    return names;
}

// Every item below `root` is a plain file or folder whose real path stays below `root`.
void checkContained(const QString& root) {
    const QString real = QDir(root).canonicalPath() + QLatin1Char('/');
    Fs::walk(root, [&](const Fs::Entry& entry) {
        check(!entry.isSymLink, "extraction left a symbolic link");
        struct stat st;
        check(::lstat(QFile::encodeName(entry.path).constData(), &st) == 0, "extracted item vanished");
        check(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode), "extraction left a special file");
        check(QFileInfo(entry.path).canonicalFilePath().startsWith(real),
              "extracted item outside its folder");
        return true;
    });
}

// The same bytes serve the version search and the metadata reader: a plugin it gives has all
// three texts, its version in digits and dots.
void peReader(const QByteArray& input) {
    if (const auto version = PEVersion::fileVersion(reinterpret_cast<const unsigned char*>(input.constData()),
                                                    std::size_t(input.size())))
        check(!version->contains(QChar(0)), "version with a NUL character");
    const auto info = DllMetadata::read(input);
    for (const DllMetadata::Plugin& p : info ? info->plugins : QList<DllMetadata::Plugin>()) {
        check(!p.guid.isEmpty() && !p.name.isEmpty() && !p.version.isEmpty(),
              "a plugin without its three texts");
        check(std::all_of(p.version.cbegin(), p.version.cend(),
                          [](QChar c) { return c.isDigit() || c == u'.'; }),
              "a plugin version that isn't one");
    }
}

// Any bytes read as a log give a report within its bounds, the same from the file line by line
// as from the bytes whole; no failure is pinned on a plugin without a reason to.
void log(const QByteArray& input) {
    const LaunchReport whole = LaunchLog::parse(input);
    check(whole.findings.size() <= 500 && whole.messages.size() <= 500 && whole.connections.size() <= 200,
          "a report beyond its bounds");
    const qsizetype lines = input.count('\n') + 1;
    for (const LaunchReport::Finding& f : whole.findings) {
        check(f.count >= 1 && f.line >= 1 && f.line <= lines, "a finding's count or line out of range");
        check(f.attribution != LaunchReport::Finding::Attribution::none || f.plugin.isEmpty(),
              "an unattributed finding names a plugin");
    }
    const QString path = Fs::join(at(QStringLiteral("logs"), true), QStringLiteral("LogOutput.log"));
    put(path, input);
    std::optional<LaunchReport> read = LaunchLog::readFile(path);
    check(read.has_value(), "the log file wasn't read");
    read->file.clear();
    read->written.reset();
    check(*read == whole, "the file read line by line differs from its bytes read whole");
}

// A cfg file saved unchanged comes back byte for byte; one edited value changes exactly its
// own line and reads back as written.
void cfg(const QByteArray& input) {
    const QString path =
        Fs::join(at(QStringLiteral("game/BepInEx/config"), true), QStringLiteral("fuzz.cfg"));
    put(path, input);
    ParsedConfig config;
    if (refused([&] { config = ConfigStore::parse(path); })) return; // not UTF-8
    ConfigStore::save(config, {});
    check(Fs::read(path) == input, "unchanged save altered the file");
    if (config.entries.isEmpty()) return;

    const ConfigEntry& entry = config.entries.first();
    const QString value =
        entry.originalValue == QLatin1String("fuzz") ? QStringLiteral("other") : QStringLiteral("fuzz");
    if (refused([&] { ConfigStore::save(config, {{entry.id, value}}); })) return;
    QList<QByteArray> expected = input.split('\n');
    const QList<QByteArray> after = Fs::read(path).split('\n');
    check(after.size() == expected.size() && after.at(entry.lineIndex) != expected.at(entry.lineIndex),
          "an edit changed the number of lines or not its own");
    check(after.at(entry.lineIndex).endsWith('\r') == expected.at(entry.lineIndex).endsWith('\r'),
          "an edit changed its line's end");
    expected[entry.lineIndex] = after.at(entry.lineIndex);
    check(after == expected, "an edit changed other lines than its own");
    const ParsedConfig reread = ConfigStore::parse(path);
    const bool found = std::any_of(reread.entries.cbegin(), reread.entries.cend(), [&](const ConfigEntry& e) {
        return e.lineIndex == entry.lineIndex && e.key == entry.key && e.originalValue == value;
    });
    check(found, "an edited value doesn't read back");
}

// The package list never fails, and every package it gives resolves with itself last.
void packageList(const QByteArray& input) {
    const ThunderstoreStore::Catalog catalog = ThunderstoreStore::parseCatalog(input);
    check(catalog.index.size() <= catalog.packages.size(), "index larger than the list");
    for (const TSPackage& package : catalog.packages) {
        check(catalog.index.contains(package.ownerAndName()), "package missing from the index");
        const auto resolution = Thunderstore::resolutionChain(package, catalog.index, {});
        check(!resolution.chain.isEmpty() && resolution.chain.last() == package,
              "resolution doesn't end with the package asked for");
    }
}

// A repository's index or chunk as it arrives: gzip or plain. The index reader refuses or gives
// at most maxChunks addresses; a chunk gives packages whose releases are newest first, with the
// package's own version the newest one.
void chunk(const QByteArray& input) {
    refused([&] {
        check(ChunkedListing::readIndex(input).size() <= ChunkedListing::maxChunks, "index beyond its bound");
    });
    const std::optional<QByteArray> json = ChunkedListing::decode(input);
    if (!json) return;
    check(json->size() <= ChunkedListing::maxDecodedBytes, "decoded beyond its bound");
    const auto catalog = ThunderstoreStore::parseListing(*json, Repository::Source::hexium);
    if (!catalog) return;
    for (const TSPackage& p : catalog->packages) {
        check(!p.versions().isEmpty() && p.version == p.versions().first().number,
              "newest release isn't first");
        for (qsizetype i = 1; i < p.versions().size(); ++i)
            check(!Version::less(p.versions()[i - 1].number, p.versions()[i].number),
                  "releases out of order");
    }
}

// The same text serves as Steam's library list and as an account's local config.
void vdf(const QByteArray& input) {
    work(); // Steam's folder is below the private home
    const QString steam = Steam::root(Platform::macOS);
    for (const QString& file :
         {Fs::join(steam, Outside::libraryFoldersVdf),
          Fs::join(Fs::join(steam, QStringLiteral("userdata/1")), Outside::localConfigVdf)})
        put(file, input);
    const QStringList libraries = Steam::libraryFolders(Platform::macOS);
    check(!libraries.isEmpty() && libraries.first() == steam, "the Steam folder isn't the first library");
    for (const QString& library : libraries)
        check(!library.isEmpty() && !library.contains(QChar(0)), "an empty or NUL-holding library");
    Steam::launchOptionsConfigured(Platform::macOS);
    // Set twice, launch options change nothing the second time: they went where they are found.
    // A refusal leaves the file as it is.
    const QString options = QStringLiteral("\"./a b\" %command%");
    QByteArray once;
    if (refused([&] { once = LocalConfig::withLaunchOptions(input, Steam::valheimAppID, options, steam); }))
        return;
    check(LocalConfig::withLaunchOptions(once, Steam::valheimAppID, options, steam) == once,
          "set twice differs");
}

// A mod whose manifest is the input installs into one direct child of the plugins folder, or is
// refused with a sentence; nothing else in the game folder changes.
void manifest(const QByteArray& input) {
    const QString mod = at(QStringLiteral("mod"), true), game = at(QStringLiteral("game"));
    Fs::remove(Fs::join(game, Outside::bepInExDir));
    put(Fs::join(mod, Installer::manifestFileName), input);
    put(Fs::join(mod, QStringLiteral("Plugin.dll")), "MZ");
    refused([&] {
        check(!Installer::installTree(mod, game, QStringLiteral("Fallback")).isEmpty(), "no message");
    });
    check(children(game) == QStringList({Outside::bepInExDir, QStringLiteral("valheim.app")}) ||
              children(game) == QStringList({QStringLiteral("valheim.app")}),
          "install wrote beside BepInEx");
    for (const QString& name : children(Fs::join(game, Outside::bepInExDir)))
        check(name == QLatin1String("plugins") || name == QLatin1String("config"),
              "install wrote beside plugins");
    const QString plugins = Fs::join(game, Outside::pluginsDir);
    const QStringList installed = children(plugins);
    check(installed.size() <= 1, "more than one plugin folder");
    for (const QString& name : installed) {
        check(Installer::isPlainName(name), "plugin folder name not plain");
        check(Fs::exists(Fs::join(Fs::join(plugins, name), QStringLiteral("Plugin.dll"))),
              "plugin not installed");
    }
    check(children(work()).contains(QStringLiteral("mod")), "the mod folder vanished");
}

// Patching the launch script twice gives the same text as patching it once.
void script(const QByteArray& input) {
    const QString game = at(QStringLiteral("game"));
    const QString path = Fs::join(game, Outside::defaultScriptName);
    put(path, input);
    if (refused([&] { Installer::patchScript(path, game); })) return; // not UTF-8
    const QByteArray once = Fs::read(path);
    Installer::patchScript(path, game);
    check(Fs::read(path) == once, "patching twice differs from patching once");
    check(Fs::isExecutable(path), "script left not executable");
}

// Whatever the archive holds, extraction writes only plain files and folders inside its
// destination, and nothing beside it.
void archive(const QByteArray& input) {
    const QString into = at(QStringLiteral("box/into"), true), zip = at(QStringLiteral("input.zip"));
    put(zip, input);
    refused([&] { Installer::extractZip(zip, into, {qint64(64) << 20, 10000}); });
    check(children(at(QStringLiteral("box"))) == QStringList({QStringLiteral("into")}),
          "extraction wrote beside its folder");
    static const QStringList known{"box", "game", "home", "input.zip", "logs", "mod", "tmp"};
    for (const QString& name : children(work()))
        check(known.contains(name), "extraction wrote into the work folder");
    checkContained(into);
}

// A shared profile (code text, .r2z or export.r2x) is refused or read into a pack that holds
// only writable config paths and well-formed mods, and that survives our own writer unchanged.
void profile(const QByteArray& input) {
    ProfilePack::Profile pack;
    if (refused([&] {
            pack = ProfilePack::readAny(
                input.startsWith(ProfilePack::codePrefix) ? ProfilePack::decodeCode(input) : input);
        }))
        return;
    for (auto it = pack.configs.cbegin(); it != pack.configs.cend(); ++it)
        check(ProfilePack::isConfigPath(it.key()), "a pack took a file it may not write");
    for (const ProfilePack::Mod& mod : pack.mods)
        check(mod.version.split(QLatin1Char('.')).size() == 3 && mod.name.contains(QLatin1Char('-')),
              "a pack took a malformed mod");
    check(ProfilePack::readR2z(ProfilePack::writeR2z(pack)) == pack, "a pack changed through our writer");
}

} // namespace

const QMap<QString, Target>& all() {
    static const QMap<QString, Target> targets{
        {"pe", peReader},       {"cfg", cfg},       {"packagelist", packageList}, {"vdf", vdf},
        {"manifest", manifest}, {"script", script}, {"archive", archive},         {"chunk", chunk},
        {"profile", profile},   {"log", log}};
    return targets;
}

void run(const QString& name, const QByteArray& input) {
    const Target target = all().value(name);
    check(target != nullptr, "no target of that name");
    target(input);
}

} // namespace FuzzTargets
