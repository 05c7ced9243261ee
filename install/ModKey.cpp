#include "install/ModKey.h"

#include "config/ConfigStore.h"

#include <QRegularExpression>

namespace ModKey {

QString of(const QString& name) {
    return ConfigStore::normalize(name);
}

QString ofFullName(const QString& fullName) {
    static const QRegularExpression version(QStringLiteral("-\\d+(\\.\\d+)*$"));
    QString name = fullName;
    name.remove(version);
    return of(name.section(QLatin1Char('-'), -1));
}

QHash<QString, QString> packagesByKey(const QList<TSPackage>& packages) {
    QHash<QString, const TSPackage*> best;
    best.reserve(packages.size());
    const auto before = [](const TSPackage& a, const TSPackage& b) {
        if (a.totalDownloads != b.totalDownloads) return a.totalDownloads > b.totalDownloads;
        if (a.source != b.source) return a.source == Repository::Source::thunderstore;
        return a.ownerAndName() < b.ownerAndName();
    };
    for (const TSPackage& p : packages) {
        const TSPackage*& held = best[of(p.name)];
        if (!held || before(p, *held)) held = &p;
    }
    QHash<QString, QString> result;
    result.reserve(best.size());
    for (auto it = best.cbegin(); it != best.cend(); ++it)
        result.insert(it.key(), (*it)->ownerAndName());
    return result;
}

} // namespace ModKey
