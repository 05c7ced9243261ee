#include "launch/ModNames.h"

#include "install/InstallRecords.h"
#include "install/ModKey.h"
#include "platform/Fs.h"

#include <QRegularExpression>
#include <QSet>

namespace ModNames {

namespace {

// Far more DLLs than any mod set holds: past it, the rest are not read.
constexpr qsizetype maxDlls = 4000;

// The package of an installed mod: its install record's, else the folder's own name when it
// has r2modman's and Gale's "Owner-Name" shape.
std::optional<QString> packageOf(const Installed& installed, qsizetype index) {
    if (index < 0) return std::nullopt;
    const ModItem& mod = installed.mods[index];
    const auto origin = installed.origins.constFind(ModKey::of(mod.name));
    if (origin != installed.origins.cend() && !origin->fullName.isEmpty()) return origin->fullName;
    static const QRegularExpression ownerName(QStringLiteral("^[A-Za-z0-9_]+-[A-Za-z0-9_]+$"));
    const QString folder = Fs::fileName(mod.url);
    if (mod.isFolder && ownerName.match(folder).hasMatch()) return folder;
    return std::nullopt;
}

Mod modOf(const Installed& installed, const Dll& dll, const DllMetadata::Plugin* plugin) {
    Mod m;
    m.mod = dll.mod;
    m.enabled = dll.enabled;
    m.package = packageOf(installed, dll.mod);
    if (plugin) {
        m.name = plugin->name;
        m.version = plugin->version;
        m.guid = plugin->guid;
    } else if (dll.mod >= 0) {
        m.name = installed.mods[dll.mod].name;
        m.version = installed.mods[dll.mod].version;
    }
    return m;
}

} // namespace

Installed read(const QList<ModItem>& mods, const QHash<QString, InstallRecords::Record>& origins) {
    Installed installed{mods, {}, origins};
    for (qsizetype i = 0; i < mods.size() && installed.dlls.size() < maxDlls; ++i) {
        QList<std::pair<QString, bool>> files;
        if (mods[i].isFolder) {
            const ModScanner::DllFiles found = ModScanner::dllFiles(mods[i].url);
            for (const QString& path : found.active)
                files.append({path, true});
            for (const QString& path : found.disabled)
                files.append({path, false});
        } else {
            files.append({mods[i].url, mods[i].enabled});
        }
        for (const auto& [path, enabled] : files) {
            if (auto info = DllMetadata::read(path))
                installed.dlls.append(Dll{path, i, enabled, std::move(*info)});
        }
    }
    return installed;
}

std::optional<Mod> byPlugin(const Installed& installed, const QString& name, const QString& version) {
    std::optional<Mod> first;
    const QString wanted = ModKey::of(name);
    for (const Dll& dll : installed.dlls) {
        for (const DllMetadata::Plugin& plugin : dll.info.plugins) {
            if (ModKey::of(plugin.name) != wanted) continue;
            if (version.isEmpty() || plugin.version == version) return modOf(installed, dll, &plugin);
            if (!first) first = modOf(installed, dll, &plugin);
        }
    }
    return first;
}

std::optional<Mod> byGuid(const Installed& installed, const QString& guid) {
    for (const Dll& dll : installed.dlls) {
        for (const DllMetadata::Plugin& plugin : dll.info.plugins) {
            if (plugin.guid.compare(guid, Qt::CaseInsensitive) == 0) return modOf(installed, dll, &plugin);
        }
    }
    return std::nullopt;
}

std::optional<Mod> byNamespace(const Installed& installed, const QString& ns) {
    if (ns.isEmpty()) return std::nullopt;
    const Dll* found = nullptr;
    for (const Dll& dll : installed.dlls) {
        const bool defines =
            std::any_of(dll.info.namespaces.cbegin(), dll.info.namespaces.cend(), [&](const QString& n) {
                return n == ns || (n.startsWith(ns) && n.at(ns.size()) == QLatin1Char('.'));
            });
        if (!defines) continue;
        if (found && found->mod != dll.mod) return std::nullopt;
        if (!found || (found->info.plugins.isEmpty() && !dll.info.plugins.isEmpty())) found = &dll;
    }
    if (!found) return std::nullopt;
    return modOf(installed, *found,
                 found->info.plugins.isEmpty() ? nullptr : &found->info.plugins.constFirst());
}

std::optional<Mod> of(const Installed& installed, const LaunchReport::Finding& finding) {
    if (!finding.plugin.isEmpty()) {
        if (auto mod = byPlugin(installed, finding.plugin, finding.version)) return mod;
    }
    // An attribution the log made stands even when no installed DLL declares the plugin (it was
    // removed since); an unattributed one may be settled by the DLL that defines the namespace.
    return finding.plugin.isEmpty() ? byNamespace(installed, finding.where) : std::nullopt;
}

} // namespace ModNames
