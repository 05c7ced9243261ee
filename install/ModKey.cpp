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

} // namespace ModKey
