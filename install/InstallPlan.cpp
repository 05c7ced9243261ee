#include "install/InstallPlan.h"

#include "catalog/Repository.h"
#include "catalog/Thunderstore.h"
#include "install/ModKey.h"

#include <QSet>

#include <functional>

namespace InstallPlan {

QString Step::key() const {
    return ModKey::of(package.name);
}

namespace {

// The keys of the plan's steps this package depends on directly.
QStringList needsOf(const TSPackage& package, const PackageIndex& index,
                    const QHash<QString, qsizetype>& at) {
    QStringList needs;
    for (const QString& dependency : package.dependencies) {
        const auto ownerName = Thunderstore::ownerName(dependency);
        if (!ownerName) continue;
        const QString indexKey =
            Thunderstore::isBepInExPack(*ownerName) ? Repository::bepInExPackKey : *ownerName;
        if (!index.contains(indexKey)) continue;
        const QString key = ModKey::of(index.value(indexKey).name);
        if (at.contains(key) && !needs.contains(key)) needs << key;
    }
    return needs;
}

// Every step after the ones it needs, otherwise in the order they came.
QList<Step> ordered(const QList<Step>& steps) {
    QHash<QString, qsizetype> at;
    for (qsizetype i = 0; i < steps.size(); ++i)
        at.insert(steps[i].key(), i);
    QList<Step> result;
    QSet<qsizetype> placed;
    QSet<qsizetype> visiting; // a dependency cycle is cut where it closes
    std::function<void(qsizetype)> place = [&](qsizetype i) {
        if (placed.contains(i) || visiting.contains(i)) return;
        visiting.insert(i);
        for (const QString& key : steps[i].needs)
            place(at.value(key));
        visiting.remove(i);
        placed.insert(i);
        result << steps[i];
    };
    for (qsizetype i = 0; i < steps.size(); ++i)
        place(i);
    return result;
}

} // namespace

Plan make(const QList<Request>& requests, const QList<ModItem>& installed,
          const QHash<QString, QString>& recorded, const PackageIndex& index, bool loaderSetUp) {
    QHash<QString, ModItem> byKey;
    for (const ModItem& mod : installed)
        if (!byKey.contains(ModKey::of(mod.name))) byKey.insert(ModKey::of(mod.name), mod); // first wins
    QSet<QString> present(byKey.keyBegin(), byKey.keyEnd());
    for (const Request& request : requests)
        present.insert(ModKey::of(request.package.name));

    Plan plan;
    QList<Step> steps;
    QHash<QString, qsizetype> at;
    const auto add = [&](Step step) {
        const auto found = at.constFind(step.key());
        if (found == at.cend()) {
            at.insert(step.key(), steps.size());
            steps << std::move(step);
        } else if (step.requested && !steps[*found].requested) {
            // The release asked for wins over the one an earlier request's dependency brought:
            // a pack lists its loader at its own release, often after the mods that need it.
            steps[*found] = std::move(step);
        }
    };
    for (const Request& request : requests) {
        const QString key = ModKey::of(request.package.name);
        std::optional<ModItem> replaces = request.replaces;
        if (!replaces && byKey.contains(key)) {
            replaces = byKey.value(key);
            const std::optional<QString> version =
                recorded.contains(key) ? std::optional(recorded.value(key)) : replaces->version;
            if (version == request.package.version) {
                plan.current << request.package.prettyName();
                continue;
            }
        }
        Thunderstore::Resolution resolution =
            Thunderstore::resolutionChain(request.package, index, present, loaderSetUp);
        resolution.chain.removeLast(); // the package itself, at the release asked for
        for (const TSPackage& dependency : resolution.chain)
            add({dependency, std::nullopt, {}, {}, false});
        add({request.package, replaces, {}, resolution.missing, true});
        for (const QString& missing : resolution.missing)
            if (!plan.notFound.contains(missing)) plan.notFound << missing;
    }
    for (Step& step : steps)
        step.needs = needsOf(step.package, index, at);
    plan.steps = ordered(steps);
    return plan;
}

} // namespace InstallPlan
