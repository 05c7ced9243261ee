#pragma once

#include <QString>

// How one mod is named wherever it turns up: its plugin folder or DLL, its manifest, its install
// record, its catalog package ("Valheim_Plus" and "ValheimPlus" are one mod). Every lookup of a
// mod by name across those goes through this one key.
namespace ModKey {

QString of(const QString& name);
// "Owner-Name" or "Owner-Name-1.2.3" as packs and dependencies write it: the key of its name.
QString ofFullName(const QString& fullName);

} // namespace ModKey
