#include "launch/LaunchFixes.h"

#include "catalog/Repository.h"
#include "catalog/Version.h"
#include "install/ModKey.h"

#include <QCoreApplication>
#include <QSet>

namespace LaunchFixes {

namespace {

using Finding = LaunchReport::Finding;
using Kind = Finding::Kind;

// A GUID names its mod only loosely ("com.jotunn.jotunn", "randyknapp.mods.epicloot"); a name this
// short would be found inside unrelated GUIDs.
constexpr qsizetype shortestNameInGuid = 4;

bool nameInGuid(const QString& name, const QString& guid) {
    const QString n = ModKey::of(name);
    return n.size() >= shortestNameInGuid && ModKey::of(guid).contains(n);
}

std::optional<ModItem> modNamed(const Context& c, const QString& name) {
    const QString wanted = ModKey::of(name);
    for (const ModItem& mod : c.installed.mods)
        if (ModKey::of(mod.name) == wanted) return mod;
    return std::nullopt;
}

std::optional<TSPackage> inCatalog(const Context& c, const QString& ownerAndName) {
    const auto found = c.catalog.index.constFind(ownerAndName.toLower());
    if (found == c.catalog.index.cend()) return std::nullopt;
    return *found;
}

std::optional<TSPackage> byName(const Context& c, const QString& name) {
    const auto key = c.catalog.byName.constFind(ModKey::of(name));
    return key == c.catalog.byName.cend() ? std::nullopt : inCatalog(c, *key);
}

// The catalog's package of an installed mod: by its install record, else by its name.
std::optional<TSPackage> packageOf(const Context& c, const ModItem& mod) {
    const auto origin = c.installed.origins.constFind(ModKey::of(mod.name));
    if (origin != c.installed.origins.cend())
        if (auto found = inCatalog(c, origin->fullName)) return found;
    return byName(c, mod.name);
}

struct Dependency {
    QString ownerAndName;
    QString version;
};

std::optional<Dependency> dependency(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() < 3) return std::nullopt;
    return Dependency{parts[0] + QLatin1Char('-') + parts[1], parts.mid(2).join(QLatin1Char('-'))};
}

// What installVersion can bring about: each dependency is the loader, installed at the version
// or newer, or not installed and in the catalog (it comes along). An installed one that is too
// old stays as it is, so a release needing it newer would fail as well.
bool dependenciesMet(const Context& c, const TSVersion& release) {
    for (const QString& text : release.dependencies) {
        const auto d = dependency(text);
        if (!d) continue;
        if (d->ownerAndName.compare(Repository::bepInExPack.ns + QLatin1Char('-') +
                                        Repository::bepInExPack.name,
                                    Qt::CaseInsensitive) == 0)
            continue;
        const QString name = d->ownerAndName.section(QLatin1Char('-'), 1);
        if (const auto mod = modNamed(c, name)) {
            if (mod->version && Version::less(*mod->version, d->version)) return false;
        } else if (!inCatalog(c, d->ownerAndName)) {
            return false;
        }
    }
    return true;
}

std::optional<Fix> update(const Context& c, const ModItem& mod, const TSPackage& package) {
    for (const TSVersion& release : package.versions()) {
        if (mod.version && !Version::less(*mod.version, release.number)) break;
        if (dependenciesMet(c, release))
            return Fix{Fix::Kind::update,
                       QCoreApplication::translate("LaunchFixes", "Update to %1").arg(release.number), mod,
                       package, release.number};
    }
    return std::nullopt;
}

std::optional<Fix> rollBack(const Context& c, const ModItem& mod, const TSPackage& package) {
    const auto loaded = c.lastLoaded.constFind(ModKey::of(mod.name));
    if (loaded == c.lastLoaded.cend() || (mod.version && *mod.version == *loaded) ||
        !package.findVersion(*loaded))
        return std::nullopt;
    return Fix{Fix::Kind::rollBack, QCoreApplication::translate("LaunchFixes", "Go Back to %1").arg(*loaded),
               mod, package, *loaded};
}

// The release to install for "at least `minimum`": that one when offered, else the oldest
// newer one; with no minimum, the newest.
std::optional<QString> releaseFrom(const TSPackage& package, const std::optional<QString>& minimum) {
    if (!minimum)
        return package.versions().isEmpty() ? std::nullopt : std::optional(package.versions().first().number);
    std::optional<QString> found;
    for (const TSVersion& release : package.versions()) {
        if (Version::less(release.number, *minimum)) break;
        found = release.number;
    }
    return found;
}

// `label` is the button's whole text, %1 the package and %2 the release.
Fix install(const TSPackage& package, const QString& version, const std::optional<ModItem>& mod,
            const QString& label) {
    return Fix{Fix::Kind::install, label.arg(package.prettyName(), version), mod, package, version};
}

// A missing dependency named by its GUID: the installed mod that declares it (or carries its
// name), else the catalog's package among those the failing mod depends on, else by name.
std::optional<Fix> forRequirement(const Context& c, const LaunchReport::Requirement& r,
                                  const std::optional<TSPackage>& failing) {
    std::optional<ModItem> installed;
    std::optional<QString> version;
    if (const auto mod = ModNames::byGuid(c.installed, r.guid); mod && mod->mod >= 0) {
        installed = c.installed.mods[mod->mod];
        version = installed->version;
    } else {
        for (const ModItem& m : c.installed.mods)
            if (nameInGuid(m.name, r.guid)) installed = m;
        if (installed) version = installed->version;
    }
    if (installed && !installed->enabled)
        return Fix{Fix::Kind::switchOn,
                   QCoreApplication::translate("LaunchFixes", "Switch On %1").arg(installed->name), installed,
                   std::nullopt, QString()};
    std::optional<TSPackage> package = installed ? packageOf(c, *installed) : std::nullopt;
    if (!package && failing) {
        for (const QString& text : failing->dependencies) {
            const auto d = dependency(text);
            if (d && nameInGuid(d->ownerAndName.section(QLatin1Char('-'), 1), r.guid))
                package = inCatalog(c, d->ownerAndName);
            if (package) break;
        }
    }
    if (!package) package = byName(c, r.guid.section(QLatin1Char('.'), -1));
    if (!package) return std::nullopt;
    if (installed && version && (!r.minimumVersion || !Version::less(*version, *r.minimumVersion)))
        return std::nullopt; // there, and new enough: something else keeps it from loading
    const auto release = releaseFrom(*package, r.minimumVersion);
    if (!release) return std::nullopt;
    return install(*package, *release, installed,
                   installed ? QCoreApplication::translate("LaunchFixes", "Update %1 %2")
                             : QCoreApplication::translate("LaunchFixes", "Install %1 %2"));
}

} // namespace

std::optional<ModItem> modOf(const Context& c, const Finding& f) {
    if (const auto mod = ModNames::of(c.installed, f); mod && mod->mod >= 0)
        return c.installed.mods[mod->mod];
    return f.plugin.isEmpty() ? std::nullopt : modNamed(c, f.plugin);
}

QList<Fix> forFinding(const Context& c, const Finding& f) {
    QList<Fix> fixes;
    const std::optional<ModItem> mod = modOf(c, f);
    const std::optional<TSPackage> package = mod ? packageOf(c, *mod) : std::nullopt;
    switch (f.kind) {
    case Kind::missingDependency:
        for (const LaunchReport::Requirement& r : f.requirements)
            if (auto fix = forRequirement(c, r, package)) fixes << *fix;
        break;
    case Kind::newerVersionExists:
        return fixes; // the copy that loaded is the one to keep
    case Kind::incompatible:
    case Kind::dependencyNotLoaded:
        break; // the other mod's row has its fix
    case Kind::wrongBepInEx:
    case Kind::loadError:
    case Kind::patchFailed:
    case Kind::exception:
        if (mod && package) {
            if (auto fix = update(c, *mod, *package)) fixes << *fix;
            // A mod that runs with a warning is better kept than taken back.
            if (auto fix = f.warningOnly() ? std::nullopt : rollBack(c, *mod, *package)) fixes << *fix;
        }
        break;
    }
    if (mod && mod->enabled && !f.warningOnly())
        fixes << Fix{Fix::Kind::switchOff, QCoreApplication::translate("LaunchFixes", "Switch Off"), mod,
                     std::nullopt, QString()};
    return fixes;
}

QList<Fix> forConnection(const Context& c, const LaunchReport::Connection& connection) {
    QList<Fix> fixes;
    for (const LaunchReport::Lack& lack : connection.lacks) {
        if (lack.side != LaunchReport::Lack::Side::client || !lack.wanted) continue;
        const auto package = byName(c, lack.mod);
        if (!package || !package->findVersion(*lack.wanted)) continue;
        const auto mod = modNamed(c, package->name);
        if (mod && mod->version == *lack.wanted) continue;
        fixes << install(*package, *lack.wanted, mod,
                         QCoreApplication::translate("LaunchFixes", "Install %1 %2"));
    }
    return fixes;
}

QHash<QString, QString> loadedReleases(const LaunchReport& report, const ModNames::Installed& installed) {
    QSet<QString> failed;
    for (const Finding& f : report.findings)
        if (!f.warningOnly()) failed.insert(ModKey::of(f.plugin));
    const Context context{installed, {}, {}};
    QHash<QString, QString> loaded;
    for (const LaunchReport::Plugin& plugin : report.plugins) {
        if (plugin.outcome != LaunchReport::Plugin::Outcome::loaded ||
            failed.contains(ModKey::of(plugin.name)))
            continue;
        Finding named;
        named.plugin = plugin.name;
        named.version = plugin.version;
        const auto declared = ModNames::byPlugin(installed, plugin.name, plugin.version);
        // A DLL that declares another version now was replaced after this launch.
        if (declared && declared->version && *declared->version != plugin.version) continue;
        const auto mod = modOf(context, named);
        if (mod && mod->version) loaded.insert(ModKey::of(mod->name), *mod->version);
    }
    return loaded;
}

} // namespace LaunchFixes
