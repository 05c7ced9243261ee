#pragma once

#include <QString>

// BepInEx configuration files: discovery, first-seen copies, parsing and writing, and the
// name normalization every comparison between mod, package, DLL and file names goes through.
namespace ConfigStore {

// Lower-cased, then only the code points of the Unicode letter, mark and number categories:
// "Valheim_Plus-1" and "valheimplus1" normalize alike.
QString normalize(const QString& text);

} // namespace ConfigStore
