#include "cli/Catalog.h"

#include "app/AppState.h"
#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "cli/Session.h"
#include "install/InstallRecords.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>

namespace Catalog {

void load(AppState& state) {
    ThunderstoreStore* store = state.thunder();
    store->loadIfNeeded(false);
    if (store->loading()) {
        err(ThunderstoreStore::loadingMessage());
        // loadingChanged also reports the download's progress: wait for the load's end itself.
        QEventLoop loop;
        QObject::connect(store, &ThunderstoreStore::loadingChanged, &loop, [&loop, store] {
            if (!store->loading()) loop.quit();
        });
        loop.exec();
    }
    if (store->packages().isEmpty())
        throw SkaldrunError(
            store->statusText().value_or(QCoreApplication::translate("Catalog", "The catalog is empty.")));
}

TSPackage find(const AppState& state, const QString& wanted) {
    static const QRegularExpression versionPiece(QStringLiteral("^\\d+(\\.\\d+)*$"));
    QStringList pieces = wanted.split(QLatin1Char('-'));
    std::optional<QString> version;
    if (pieces.size() >= 3 && versionPiece.match(pieces.last()).hasMatch()) version = pieces.takeLast();
    if (pieces.size() < 2 || pieces.contains(QString()))
        throw Misuse{QCoreApplication::translate(
                         "Catalog", "“%1” isn't a package: write Owner-Name or Owner-Name-1.2.3.")
                         .arg(wanted)};
    const QString name = pieces.join(QLatin1Char('-'));
    const auto index = state.thunder()->indexByOwnerName();
    const auto found = index.constFind(name.toLower());
    if (found == index.cend())
        throw SkaldrunError(
            QCoreApplication::translate("Catalog", "The catalog has no package “%1”.").arg(name));
    return version ? found->atVersion(*version) : *found;
}

Source sourceOf(const AppState& state, const QString& modName) {
    Source source;
    const auto origin = state.gameDir() ? InstallRecords::of(*state.gameDir(), modName) : std::nullopt;
    if (const UpdatePlan::ModPlan* plan = state.updatePlan().of(modName)) source.package = plan->package;
    if (origin) {
        source.repository = Repository::sourceName(origin->source);
        source.version = origin->version;
    } else if (source.package) {
        source.repository = Repository::sourceName(source.package->source);
    }
    return source;
}

const QList<TSPackage>& packages(const AppState& state) {
    return state.thunder()->packages();
}

} // namespace Catalog
