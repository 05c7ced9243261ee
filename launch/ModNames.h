#pragma once

#include "catalog/Thunderstore.h"
#include "install/InstallRecords.h"
#include "inventory/DllMetadata.h"
#include "inventory/ModScanner.h"
#include "launch/LaunchReport.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// Which installed mod a launch's finding is about. The log names plugins ("Epic Loot 0.10.2"),
// GUIDs (a missing dependency) or namespaces (a stack frame); the installed DLLs declare their
// plugins and define their namespaces; each DLL lies in a mod folder (or is a loose mod) with its
// manifest, and the install record or the folder's own "Owner-Name" gives the package.
namespace ModNames {

struct Dll {
    QString path;
    qsizetype mod = -1; // in Installed::mods
    bool enabled = true;
    DllMetadata::Info info;
};

struct Installed {
    QList<ModItem> mods;
    QList<Dll> dlls;                                // those whose metadata could be read
    QHash<QString, InstallRecords::Record> origins; // the install records, by normalized mod name
};

// Reads the metadata of every DLL of the mods, switched off or not (within a bound on their
// number). Never throws; an unreadable DLL is left out.
Installed read(const QList<ModItem>& mods, const QHash<QString, InstallRecords::Record>& origins);

struct Mod {
    QString name;                   // the plugin's, as players read it
    std::optional<QString> version; // the plugin's, else the manifest's
    std::optional<QString> guid;
    qsizetype mod = -1;             // in Installed::mods, when a DLL of one declares it
    std::optional<QString> package; // "Owner-Name"
    bool enabled = true;

    bool operator==(const Mod&) const = default;
};

// The installed plugin of that name (and version, when more than one has the name).
std::optional<Mod> byPlugin(const Installed& installed, const QString& name,
                            const QString& version = QString());
std::optional<Mod> byGuid(const Installed& installed, const QString& guid);
// The one mod whose DLLs define that namespace or one below it; nullopt when none does, or
// more than one (a helper library many mods carry inside them names none of them).
std::optional<Mod> byNamespace(const Installed& installed, const QString& ns);
// A finding's mod: by the plugin the log names, else by the namespace its trace points at.
std::optional<Mod> of(const Installed& installed, const LaunchReport::Finding& finding);

} // namespace ModNames
