#include "platform/Defaults.h"

#include <QSettings>

namespace Defaults {

namespace {
QSettings store() {
    return QSettings(QStringLiteral("Skaldrun"), QStringLiteral("Skaldrun"));
}
} // namespace

std::optional<QString> string(const QString& key) {
    const QVariant value = store().value(key);
    if (!value.isValid() || value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString();
}

bool boolean(const QString& key) {
    const QVariant value = store().value(key);
    return value.isValid() && value.toBool();
}

void setString(const QString& key, const QString& value) {
    store().setValue(key, value);
}
void setBool(const QString& key, bool value) {
    store().setValue(key, value);
}
void remove(const QString& key) {
    store().remove(key);
}

} // namespace Defaults
