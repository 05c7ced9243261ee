#include "install/Installer.h"

#include "catalog/Repository.h"
#include "discovery/Outside.h"
#include "discovery/Quarantine.h"
#include "discovery/Steam.h"
#include "install/InstallRecords.h"
#include "inventory/ModScanner.h"
#include "platform/Defaults.h"
#include "platform/Fs.h"
#include "platform/Log.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cerrno>

namespace Installer {

namespace {

// Copy from the player's files; move out of a folder we made ourselves (extraction or staging),
// which turns most of an install into renames.
enum class Transfer { copy, move };

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

// True when `inner` is `outer` or lies below it (both canonical).
bool within(const QString& inner, const QString& outer) {
    if (inner.isEmpty() || outer.isEmpty()) return false;
    if (inner == outer) return true;
    const QString prefix = outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/');
    return inner.startsWith(prefix);
}

// A path's canonical form even when its last component doesn't exist yet.
QString canonicalTarget(const QString& path) {
    QString whole = canonical(path);
    if (!whole.isEmpty()) return whole;
    const QString parent = canonical(Fs::parent(path));
    return parent.isEmpty() ? QString() : Fs::join(parent, Fs::fileName(path));
}

bool skipped(const QString& name) {
    return skippedNames.contains(name);
}

// After a whole folder was moved in one rename, the droppings a merge would have skipped are
// removed from it, so moving and copying leave the same tree.
void pruneSkipped(const QString& folder) {
    QStringList doomed;
    Fs::walk(folder, [&](const Fs::Entry& entry) {
        if (skipped(entry.name) || entry.isSymLink) {
            doomed.append(entry.path);
            return false;
        }
        return true;
    });
    for (const QString& path : doomed)
        Fs::remove(path);
}

// `kept`: paths in the destination that are never written, nor anything below them.
void mergeTree(const QString& src, const QString& dst, const QStringList& excluding, Transfer how,
               const QStringList& kept) {
    Fs::mkpath(dst);
    const auto children = Fs::entries(src);
    if (!children) Fs::fail(Fs::Op::readFolder, src, errno);
    for (const Fs::Entry& child : *children) {
        // A link could lead anywhere on the disk; a mod never needs one.
        if (skipped(child.name) || excluding.contains(child.name) || child.isSymLink) continue;
        const QString target = Fs::join(dst, child.name);
        if (std::any_of(kept.cbegin(), kept.cend(), [&](const QString& k) { return within(target, k); }))
            continue;
        if (child.isDir) {
            const bool holdsKept =
                std::any_of(kept.cbegin(), kept.cend(), [&](const QString& k) { return within(k, target); });
            if (how == Transfer::move && !Fs::itemExists(target) && !holdsKept) {
                Fs::move(child.path, target);
                pruneSkipped(target);
            } else {
                mergeTree(child.path, target, {}, how, kept);
            }
            continue;
        }
        Fs::remove(target);
        if (how == Transfer::move)
            Fs::move(child.path, target);
        else
            Fs::copyItem(child.path, target);
    }
}

void checkDisjoint(const QString& src, const QString& dst) {
    const QString from = canonical(src);
    const QString to = canonicalTarget(dst);
    if (within(to, from) || within(from, to))
        throw SkaldrunError(QCoreApplication::translate("Installer", "Couldn't copy “%1”: it overlaps “%2”.")
                                .arg(Fs::displayPath(src), Fs::displayPath(dst)));
}

void mergeChecked(const QString& src, const QString& dst, const QStringList& excluding, Transfer how,
                  const QStringList& kept = {}) {
    checkDisjoint(src, dst);
    mergeTree(src, dst, excluding, how, kept);
}

// What a mod may never change once the loader is set up: its start scripts and Doorstop's
// files (step 4's fix and the player's own lines live in the script) and BepInEx's own settings.
QStringList keptLoaderFiles(const QString& gameDir) {
    if (!loaderSetUp(gameDir)) return {};
    QStringList kept;
    for (const QString& rel :
         Outside::scriptNames + QStringList{Outside::serverScriptName, Outside::doorstopConfig,
                                            Outside::doorstopLibsDir,
                                            Fs::join(Outside::configDir, Outside::loaderConfigName)})
        kept << Fs::join(gameDir, rel);
    return kept;
}

void installPackFrom(const QString& packRoot, const QString& gameDir, Transfer how) {
    mergeChecked(packRoot, gameDir, {}, how);
    try {
        Fs::mkpath(Fs::join(gameDir, Outside::pluginsDir));
        Fs::mkpath(Fs::join(gameDir, Outside::configDir));
    } catch (const SkaldrunError& e) {
        qCDebug(lcInstall) << "mod folders not made:" << e.message();
    }
    // A dedicated server starts through its own script, which needs no patching, only to run.
    if (Steam::isDedicatedServer(gameDir)) {
        if (const auto script = Steam::bepScript(gameDir)) Fs::setPermissions(*script, 0755);
    } else if (const auto script = Steam::bepScript(gameDir)) {
        patchScript(*script, gameDir);
    }
    Quarantine::clear(gameDir);
}

// The plugin folder's name: the manifest's when it is one plain component, else the
// archive's or folder's, else none.
std::optional<QString> safeFolderName(const std::optional<ThunderstoreManifest>& manifest,
                                      const QString& fallback) {
    if (manifest) {
        const QString fromManifest = folderName(manifest, fallback);
        if (isPlainName(fromManifest)) return fromManifest;
    }
    const QString fromFallback = folderName(std::nullopt, fallback);
    if (isPlainName(fromFallback)) return fromFallback;
    return std::nullopt;
}

QString installOwnedOrCopied(const QString& root, const QString& gameDir, const QString& fallbackName,
                             Transfer how, Loader loader) {
    // 1. The BepInEx pack, recognised by its launch script.
    const auto script = findItem(root, packSearchDepth, [](const QString& path) {
        return Outside::scriptNames.contains(Fs::fileName(path));
    });
    QString keptPack = QCoreApplication::translate(
        "Installer", "BepInEx is already set up in the game folder; kept it as it is");
    if (script && loader == Loader::keep && loaderSetUp(gameDir)) return keptPack;
    if (script) {
        const auto manifest = readManifest(root);
        installPackFrom(Fs::parent(*script), gameDir, how);
        if (manifest && manifest->version) {
            InstallRecords::rememberLoader(gameDir, *manifest->version);
            return QCoreApplication::translate("Installer", "BepInEx %1 installed into the game folder")
                .arg(*manifest->version);
        }
        return QCoreApplication::translate("Installer", "BepInEx installed into the game folder");
    }

    // 2. The BepInEx pack, recognised by its loader folder.
    const auto bep = findItem(root, packSearchDepth, [](const QString& path) {
        return Fs::fileName(path) == Outside::bepInExDir &&
               Fs::exists(Fs::join(path, QStringLiteral("core/BepInEx.dll")));
    });
    if (bep && loader == Loader::keep && loaderSetUp(gameDir)) return keptPack;
    if (bep) {
        installPackFrom(Fs::parent(*bep), gameDir, how);
        return QCoreApplication::translate("Installer", "BepInEx installed into the game folder");
    }

    // 3. Anything else: a game-folder layout or an ordinary mod, below any wrapper folders.
    const auto manifestPath = findItem(root, manifestSearchDepth, [](const QString& path) {
        return Fs::fileName(path) == manifestFileName;
    });
    const auto manifest = readManifest(root);
    QString base = root;
    while (const auto child = singleChildDirectory(base))
        base = *child;
    const auto name = safeFolderName(manifest, fallbackName);
    const QStringList kept = keptLoaderFiles(gameDir);

    const QString bepInBase = Fs::join(base, Outside::bepInExDir);
    if (Fs::isDir(bepInBase) && !Fs::isSymLink(bepInBase)) {
        mergeChecked(bepInBase, Fs::join(gameDir, Outside::bepInExDir), {}, how, kept);
        Quarantine::clear(gameDir);
        return QCoreApplication::translate("Installer", "Merged %1 into BepInEx")
            .arg(name.value_or(fallbackName));
    }

    if (!name) {
        throw SkaldrunError(QCoreApplication::translate(
                                "Installer", "Couldn't install “%1”: neither its manifest nor its file "
                                             "name gives a usable folder name.")
                                .arg(fallbackName));
    }
    const QString plugins = ensurePlugins(gameDir);
    const QString pluginsIn = Fs::join(base, QStringLiteral("plugins"));
    const bool pluginsLayout = Fs::isDir(pluginsIn) && !Fs::isSymLink(pluginsIn);
    const QString src = pluginsLayout ? pluginsIn : base;
    const QStringList excluding = pluginsLayout ? QStringList() : leftOutOfModFolder;

    const auto listing = Fs::list(src);
    const bool empty = !listing || std::all_of(listing->cbegin(), listing->cend(), skipped);
    if (empty) throw InstallError::emptyArchive(fallbackName);

    // `name` is one plain component, so this is always a direct child of the plugins folder.
    const QString dest = Fs::join(plugins, *name);
    Fs::remove(dest);
    mergeChecked(src, dest, excluding, how);

    if (manifestPath) {
        // When moving, a manifest inside `src` already travelled to its place below `dest`.
        QString from = *manifestPath;
        if (!Fs::itemExists(from) && from.startsWith(src + QLatin1Char('/')))
            from = Fs::join(dest, from.mid(src.size() + 1));
        try {
            replaceItem(from, Fs::join(dest, manifestFileName));
        } catch (const SkaldrunError& e) {
            qCDebug(lcInstall) << "manifest not kept:" << e.message();
        }
    }

    const QString configIn = Fs::join(base, QStringLiteral("config"));
    if (Fs::isDir(configIn) && !Fs::isSymLink(configIn))
        mergeChecked(configIn, Fs::join(gameDir, Outside::configDir), {}, how, kept);

    Quarantine::clear(gameDir);
    const auto dlls = ModScanner::dllFiles(dest);
    if (dlls.active.isEmpty() && dlls.disabled.isEmpty())
        return QCoreApplication::translate("Installer",
                                           "Installed %1 (data/config files only — no plugin DLL)")
            .arg(*name);
    return QCoreApplication::translate("Installer", "Installed %1").arg(*name);
}

enum class Place { outside, insideGame, holdsGame };

// Where a tree lies relative to the folders an install writes to, links resolved.
Place placeOf(const QString& root, const QString& gameDir) {
    const QString tree = canonical(root);
    if (tree.isEmpty()) return Place::outside;
    QStringList areas;
    for (const QString& area :
         {gameDir, Fs::join(gameDir, Outside::bepInExDir), Fs::join(gameDir, Outside::pluginsDir),
          Fs::join(gameDir, Outside::configDir)}) {
        const QString resolved = canonical(area);
        if (!resolved.isEmpty()) areas.append(resolved);
    }
    for (const QString& area : areas) {
        if (within(area, tree)) return Place::holdsGame;
    }
    for (const QString& area : areas) {
        if (within(tree, area)) return Place::insideGame;
    }
    return Place::outside;
}

} // namespace

QUrl packPage() {
    return Repository::packagePage(Repository::bepInExPack.ns, Repository::bepInExPack.name);
}

QString install(const QString& dropped, const QString& gameDir) {
    const QString name = Fs::fileName(dropped);
    // A dropped link stands for what it points to; links inside a dropped folder are never followed.
    QString item = dropped;
    if (Fs::isSymLink(dropped)) {
        const QString target = canonical(dropped);
        if (!target.isEmpty()) item = target;
    }
    const QString ext = Fs::extension(name).toLower();
    // A pack dropped here is the player setting the loader up (step 3 asks for it when the
    // download fails), so it may replace the one there.
    if (ext == QLatin1String("zip")) return installZip(item, gameDir, Loader::replace);
    if (ext == QLatin1String("dll")) {
        const QString plugins = ensurePlugins(gameDir);
        replaceItem(item, Fs::join(plugins, name));
        Quarantine::clear(gameDir);
        return QCoreApplication::translate("Installer", "Installed %1").arg(name);
    }
    if (ext == QLatin1String("cfg")) {
        const QString config = Fs::join(gameDir, Outside::configDir);
        Fs::mkpath(config);
        replaceItem(item, Fs::join(config, name));
        return QCoreApplication::translate("Installer", "Copied %1 into BepInEx/config").arg(name);
    }
    if (Fs::isDir(item)) return installTree(item, gameDir, name, Loader::replace);
    throw InstallError::unsupportedFile(name);
}

QString installZip(const QString& archive, const QString& gameDir, Loader loader) {
    return installZip(archive, gameDir, {}, loader);
}

QString installZip(const QString& archive, const QString& gameDir, const ExtractLimits& limits,
                   Loader loader) {
    TemporaryFolder tmp;
    extractZip(archive, tmp.path, limits);
    return installOwnedOrCopied(tmp.path, gameDir, Fs::withoutExtension(Fs::fileName(archive)),
                                Transfer::move, loader);
}

QString installTree(const QString& root, const QString& gameDir, const QString& fallbackName, Loader loader) {
    switch (placeOf(root, gameDir)) {
    case Place::holdsGame:
        throw SkaldrunError(QCoreApplication::translate(
                                "Installer",
                                "%1 holds the game folder's own files, so it can't be installed into "
                                "them — drop a mod .zip, a .dll plugin, a .cfg file, or a mod folder.")
                                .arg(fallbackName));
    case Place::insideGame: {
        // Installing would first remove the very folder being installed (a mod dragged out of
        // BepInEx/plugins): work from a copy instead.
        TemporaryFolder staging;
        const QString copy = Fs::join(staging.path, QStringLiteral("staged"));
        Fs::copyItem(root, copy);
        return installOwnedOrCopied(copy, gameDir, fallbackName, Transfer::move, loader);
    }
    case Place::outside:
        break;
    }
    return installOwnedOrCopied(root, gameDir, fallbackName, Transfer::copy, loader);
}

QString ensurePlugins(const QString& gameDir) {
    QString plugins = ModScanner::pluginsDir(gameDir);
    Fs::mkpath(plugins);
    return plugins;
}

void replaceItem(const QString& src, const QString& target) {
    Fs::mkpath(Fs::parent(target));
    const QString from = canonical(src);
    const QString to = canonicalTarget(target);
    if (!from.isEmpty() && from == to)
        return; // already in place: removing the target would remove the source
    if (within(to, from))
        throw SkaldrunError(
            QCoreApplication::translate("Installer", "Couldn't copy “%1”: “%2” lies inside it.")
                .arg(Fs::displayPath(src), Fs::displayPath(target)));
    if (Fs::isSymLink(src))
        throw SkaldrunError(
            QCoreApplication::translate("Installer", "Couldn't copy “%1”: it is a symbolic link.")
                .arg(Fs::displayPath(src)));
    // Checked before the target goes, so a vanished source can't cost the copy already there.
    if (!Fs::itemExists(src)) Fs::fail(Fs::Op::copy, src, ENOENT);
    Fs::remove(target);
    Fs::copyItem(src, target);
}

void mergeChildren(const QString& src, const QString& dst, const QStringList& excluding) {
    mergeChecked(src, dst, excluding, Transfer::copy);
}

bool loaderSetUp(const QString& gameDir) {
    return Fs::exists(Fs::join(gameDir, Outside::bepCoreDll)) && Steam::bepScript(gameDir).has_value();
}

std::optional<QString> findItem(const QString& under, int maxDepth,
                                const std::function<bool(const QString&)>& test) {
    QList<std::pair<QString, int>> queue{{under, 0}};
    for (qsizetype next = 0; next < queue.size(); ++next) {
        const auto [folder, depth] = queue.at(next);
        const auto children = Fs::entries(folder);
        if (!children) continue;
        for (const Fs::Entry& child : *children) {
            if (child.isSymLink) continue;
            if (test(child.path)) return child.path;
            if (child.isDir && depth + 1 <= maxDepth) queue.append({child.path, depth + 1});
        }
    }
    return std::nullopt;
}

std::optional<ThunderstoreManifest> readManifest(const QString& under) {
    const auto path = findItem(under, manifestSearchDepth,
                               [](const QString& p) { return Fs::fileName(p) == manifestFileName; });
    if (!path) return std::nullopt;
    auto bytes = Fs::tryRead(*path);
    if (!bytes) return std::nullopt;
    // Many packages' manifests start with a UTF-8 byte-order mark, which Qt's parser rejects.
    if (bytes->startsWith("\xEF\xBB\xBF")) bytes->remove(0, 3);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject object = doc.object();
    if (!object.value(QLatin1String("name")).isString()) return std::nullopt;
    ThunderstoreManifest manifest;
    manifest.name = object.value(QLatin1String("name")).toString();
    const QJsonValue version = object.value(QLatin1String("version_number"));
    if (version.isString()) manifest.version = version.toString();
    return manifest;
}

QString folderName(const std::optional<ThunderstoreManifest>& manifest, const QString& fallback) {
    const QString raw = manifest ? manifest->name : fallback;
    static const QRegularExpression versionSuffix(QStringLiteral("[-_ ]v?\\d+(\\.\\d+)*$"));
    QString stripped = raw;
    const auto match = versionSuffix.match(raw);
    if (match.hasMatch()) stripped.truncate(match.capturedStart());
    return stripped.isEmpty() ? raw : stripped;
}

bool isPlainName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

std::optional<QString> singleChildDirectory(const QString& folder) {
    const auto children = Fs::entries(folder);
    if (!children) return std::nullopt;
    std::optional<Fs::Entry> only;
    int count = 0;
    for (const Fs::Entry& child : *children) {
        if (skipped(child.name)) continue;
        ++count;
        only = child;
    }
    // A link to a folder is not unwrapped: it would lead out of the tree.
    if (count == 1 && only->isDir && !only->isSymLink) return only->path;
    return std::nullopt;
}

int fileCount(const QString& folder) {
    int count = 0;
    Fs::walk(folder, [&](const Fs::Entry& entry) {
        if (!entry.isDir && !entry.isSymLink) ++count;
        return true;
    });
    return count;
}

} // namespace Installer
