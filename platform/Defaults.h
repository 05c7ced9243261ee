#pragma once

#include <QString>

#include <optional>

// The user's preferences. Safe to use from any thread: every call opens its own handle on the
// one shared store, and writes are visible to later reads at once.
namespace Defaults {

std::optional<QString> string(const QString& key);
bool boolean(const QString& key); // false when absent
void setString(const QString& key, const QString& value);
void setBool(const QString& key, bool value);
void remove(const QString& key);

} // namespace Defaults
