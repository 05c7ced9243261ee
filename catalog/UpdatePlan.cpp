#include "catalog/UpdatePlan.h"

#include "catalog/Version.h"
#include "install/InstallRecords.h"
#include "install/ModKey.h"

namespace UpdatePlan {

namespace {

// "owner-some_name" -> "some_name": the package name when the catalog lacks the package.
QString packagePart(const QString& key) {
    const QStringList pieces = key.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    return pieces.isEmpty() ? QString() : pieces.last();
}

} // namespace

CatalogView view(const QList<TSPackage>& packages, const PackageIndex& index) {
    CatalogView result;
    result.index = index;
    result.byName = ModKey::packagesByKey(packages);
    return result;
}

const ModPlan* Plan::of(const QString& modName) const {
    const auto found = mods.constFind(ModKey::of(modName));
    return found == mods.cend() ? nullptr : &*found;
}

QStringList Plan::dependantsOf(const QString& modName) const {
    QStringList result;
    QSet<QString> seen{ModKey::of(modName)};
    QStringList queue{modName};
    while (!queue.isEmpty()) {
        const ModPlan* plan = of(queue.takeFirst());
        if (!plan) continue;
        for (const QString& name : plan->dependants) {
            const QString key = ModKey::of(name);
            if (seen.contains(key)) continue;
            seen.insert(key);
            result << name;
            queue << name;
        }
    }
    return result;
}

Plan compute(const QList<ModItem>& mods, const CatalogView& catalog,
             const QHash<QString, InstallRecords::Record>& origins, const QSet<QString>& pinned) {
    Plan plan;
    const qsizetype n = mods.size();
    QStringList keys;
    keys.reserve(n);
    QList<const TSPackage*> packages(n, nullptr);
    QHash<QString, qsizetype> byPackage; // "owner-name" -> mod
    QHash<QString, qsizetype> byMod;     // normalized mod name -> mod
    plan.mods.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const ModItem& mod = mods[i];
        const QString key = ModKey::of(mod.name);
        keys << key;
        if (!byMod.contains(key)) byMod.insert(key, i);
        const auto origin = origins.constFind(key);
        // The install record names the package; a mod installed by hand is matched by name.
        auto found = origin != origins.cend() ? catalog.index.constFind(origin->fullName.toLower())
                                              : catalog.index.cend();
        if (found == catalog.index.cend()) {
            const auto named = catalog.byName.constFind(key);
            if (named != catalog.byName.cend()) found = catalog.index.constFind(*named);
        }
        ModPlan entry;
        entry.pinned = pinned.contains(key);
        entry.version = mod.version;
        if (!entry.version && origin != origins.cend() && !origin->version.isEmpty())
            entry.version = origin->version;
        if (found != catalog.index.cend()) {
            packages[i] = &*found;
            entry.package = *found;
            if (!byPackage.contains(found.key())) byPackage.insert(found.key(), i);
            if (entry.version && !entry.pinned && Version::less(*entry.version, found->version)) {
                entry.newer = found->version;
                plan.updates << Update{mod, *found, *entry.version};
            }
        }
        if (!plan.mods.contains(key)) plan.mods.insert(key, entry);
    }
    for (qsizetype i = 0; i < n; ++i) {
        const TSPackage* package = packages[i];
        if (!package || !mods[i].enabled) continue;
        // What the installed release needs, not what the newest one would.
        const TSVersion* release = mods[i].version ? package->findVersion(*mods[i].version) : nullptr;
        const QStringList& dependencies = release ? release->dependencies : package->dependencies;
        ModPlan& entry = plan.mods[keys[i]];
        for (const QString& dependency : dependencies) {
            const auto key = Thunderstore::ownerName(dependency);
            if (!key || Thunderstore::isBepInExPack(*key)) continue;
            qsizetype j = byPackage.value(*key, -1);
            if (j < 0) j = byMod.value(ModKey::of(packagePart(*key)), -1);
            if (j == i) continue;
            if (j >= 0 && mods[j].enabled) {
                QStringList& dependants = plan.mods[keys[j]].dependants;
                if (!dependants.contains(mods[i].name)) dependants << mods[i].name;
                continue;
            }
            Need need{dependency, QString(), std::nullopt, std::nullopt};
            if (j >= 0) {
                need.name = mods[j].name;
                need.disabled = mods[j];
            } else if (const auto known = catalog.index.constFind(*key); known != catalog.index.cend()) {
                need.name = known->prettyName();
                need.package = *known;
            } else {
                need.name = ModScanner::prettify(dependency.section(QLatin1Char('-'), -2, -2));
            }
            entry.needs << need;
        }
    }
    return plan;
}

} // namespace UpdatePlan
