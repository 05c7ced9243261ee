#pragma once

#include <QString>

// Extended attributes of single items. Symbolic links are never followed: a link answers for
// itself, so nothing outside a walked folder can be read or changed through one.
namespace Xattr {

// The platform's name of the quarantine flag that browsers set on downloads.
QString quarantineName();

bool has(const QString& path, const QString& name);
bool remove(const QString& path, const QString& name); // true when the attribute was removed
bool set(const QString& path, const QString& name, const QByteArray& value);

} // namespace Xattr
