#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Several mod sets per game folder. A profile is the content of BepInEx/plugins and
// BepInEx/config; the active one is where BepInEx loads it, the others wait in the game folder's
// store in Skaldrun's data folder, "<store>/<name>/{plugins,config}", so that they outlive the
// game folder. A folder that never had a profile holds the active profile "Default"; the
// bookkeeping is made the first time it is needed.
//
// A switch writes a small journal, then renames folders when the store is on the game's volume,
// or copies them, checks each copy and only then sets the original aside when it is not; a switch
// that fails is undone at once, and recover() finishes one the app didn't live to finish. A store
// earlier versions kept in "<game>/Skaldrun Profiles" is moved to the data folder at the first
// use. Everything throws SkaldrunError with the player's sentence; callers hold the game folder's
// lock and run it off the GUI thread (copying a profile takes a while).
namespace Profiles {

inline const QString defaultName = QStringLiteral("Default");
inline constexpr int maxNameLength = 64;

// The game folder's store in the data folder, named after its real path; need not exist.
QString storeDir(const QString& gameDir);

// Every profile, the active one included, sorted by name ignoring letter case. Never throws.
QStringList list(const QString& gameDir);
QString active(const QString& gameDir); // never throws

// Why `name` can't name a new profile beside `existing` (case-insensitively), or nothing.
std::optional<QString> nameProblem(const QString& name, const QStringList& existing);

// A name for a new profile made after `wanted` (a shared pack's name, from a stranger): what the
// rules refuse is dropped, "Imported" when nothing is left, numbered past the names in use.
QString freeName(const QString& wanted, const QStringList& existing);

// A new inactive profile: empty (keeping only the loader's own settings) or a copy of the active
// one. Returns the name as stored (trimmed).
QString create(const QString& gameDir, const QString& name, bool copyActive);
QString rename(const QString& gameDir, const QString& from, const QString& to);
// Moves an inactive profile to the Trash; the active one is refused.
void remove(const QString& gameDir, const QString& name);
// Makes `name` the active profile; returns its name as stored. A failure puts everything back
// as it was, and drops the journal, before the error is thrown.
QString switchTo(const QString& gameDir, const QString& name);
// Finishes a switch or the store's move that was interrupted (the app quit or the machine stopped
// in the middle), and clears half-made copies. Call before anything reads the plugins folder. Returns at once
// when another thread of this process is changing profiles.
void recover(const QString& gameDir);

namespace detail {
// The switch stopped after `steps` of its six steps, as if the app had died there: the four
// moves, the new active name, the journal's removal.
void switchPartly(const QString& gameDir, const QString& name, int steps);
} // namespace detail

} // namespace Profiles
