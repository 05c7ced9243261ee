#pragma once

#include <QString>

#include <optional>

namespace Plist {

// The string stored under a top-level key of an XML property list (an app bundle's
// Info.plist), or nullopt when the file is unreadable, not an XML plist, or the value is not
// a string.
std::optional<QString> stringValue(const QString& plistPath, const QString& key);

} // namespace Plist
