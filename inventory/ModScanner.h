#pragma once

#include <QString>
#include <QStringList>

// The installed mods: the folders and loose DLLs of BepInEx/plugins.
namespace ModScanner {

QString pluginsDir(const QString& gameDir); // gameDir + "BepInEx/plugins"; need not exist

struct DllFiles {
    QStringList active;   // *.dll, any letter case
    QStringList disabled; // *.dll.disabled, any letter case
};
// Every DLL below a folder, at any depth, in walk order; empty when the folder can't be walked.
// Symbolic links to folders are not descended into.
DllFiles dllFiles(const QString& folder);

} // namespace ModScanner
