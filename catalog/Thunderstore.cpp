#include "catalog/Thunderstore.h"

#include "catalog/Repository.h"
#include "install/ModKey.h"
#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <utility>
#include <vector>

namespace Thunderstore {

std::optional<QString> ownerName(const QString& fromDependency) {
    if (fromDependency.count(QLatin1Char('-')) < 2) return std::nullopt;
    return fromDependency.left(fromDependency.lastIndexOf(QLatin1Char('-'))).toLower();
}

bool isBepInExPack(const QString& key) {
    return key.section(QLatin1Char('-'), -1) == Repository::bepInExPackKey.section(QLatin1Char('-'), -1);
}

std::optional<TSPackage> publishedAs(const QList<TSPackage>& packages, const QString& name) {
    const TSPackage* best = nullptr;
    const auto rank = [](const TSPackage& p) {
        return std::pair(p.source == Repository::Source::thunderstore, p.totalDownloads);
    };
    for (const TSPackage& p : packages) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0 && (!best || rank(*best) < rank(p))) best = &p;
    }
    return best ? std::optional(*best) : std::nullopt;
}

namespace {

// The last non-empty "-"-separated piece of a key: the package name when the catalog lacks it.
QString lastPiece(const QString& key) {
    const QStringList pieces = key.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    return pieces.isEmpty() ? QString() : pieces.last();
}

} // namespace

// The visit is recursive by nature; it runs on an explicit stack so that a long chain of
// dependencies in a hostile or broken catalog cannot overflow the thread's stack. Each frame
// remembers the next dependency to look at, which reproduces the recursive order exactly.
Resolution resolutionChain(const TSPackage& package, const PackageIndex& index,
                           const QSet<QString>& installedNormalized, bool loaderSetUp) {
    Resolution result;
    std::optional<TSPackage> loader;
    bool loaderMet = loaderSetUp;
    QSet<QString> visited;
    struct Frame {
        const TSPackage* package;
        qsizetype next = 0;
    };
    std::vector<Frame> stack;

    visited.insert(package.ownerAndName());
    stack.push_back(Frame{&package});
    while (!stack.empty()) {
        Frame& frame = stack.back();
        const QStringList& dependencies = frame.package->dependencies;
        if (frame.next == dependencies.size()) {
            result.chain.append(*frame.package);
            stack.pop_back();
            continue;
        }
        const QString& dependency = dependencies.at(frame.next++);
        const std::optional<QString> key = ownerName(dependency);
        if (!key) continue;
        if (isBepInExPack(*key)) {
            if (std::exchange(loaderMet, true)) continue;
            const auto real = index.constFind(Repository::bepInExPackKey);
            if (real == index.constEnd())
                result.missing.append(dependency);
            else
                loader = real.value();
            continue;
        }
        const auto found = index.constFind(*key);
        if (found == index.constEnd()) {
            if (!installedNormalized.contains(ModKey::of(lastPiece(*key)))) result.missing.append(dependency);
            continue;
        }
        const TSPackage& child = found.value();
        const QString childKey = child.ownerAndName();
        if (visited.contains(childKey)) continue;
        visited.insert(childKey);
        if (installedNormalized.contains(ModKey::of(child.name))) continue;
        stack.push_back(Frame{&child}); // invalidates `frame`; it is not used again this round
    }
    // Everything else loads through it, and unpacking it lays out the folders the mods go in.
    if (loader && !visited.contains(loader->ownerAndName())) result.chain.prepend(*loader);
    return result;
}

} // namespace Thunderstore
