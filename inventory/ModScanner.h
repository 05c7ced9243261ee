#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One installed mod: a folder directly in the plugins folder, or a plugin DLL lying loose there.
struct ModItem {
    QString id;   // the path; unique within one scan
    QString url;  // the folder, or the DLL file with its ".disabled" suffix when it has one
    QString name; // folder name, or file name without ".disabled" and ".dll", "_" shown as " "
    std::optional<QString> version;
    bool isFolder = false;
    int dllCount = 0; // enabled and disabled together; 1 for a loose DLL
    bool enabled = true;
    QStringList configFiles; // in the order ConfigStore::allConfigFiles gives them

    bool operator==(const ModItem&) const = default;
};

// The installed mods: the folders and loose DLLs of BepInEx/plugins.
namespace ModScanner {

QString pluginsDir(const QString& gameDir); // gameDir + "BepInEx/plugins"; need not exist

// Every mod of the plugins folder with its config files, sorted by name for the user's locale,
// letter case ignored, ties in listing order. Empty when the folder can't be listed; never throws.
QList<ModItem> scan(const QString& gameDir);

struct DllFiles {
    QStringList active;   // *.dll, any letter case
    QStringList disabled; // *.dll.disabled, any letter case
};
// Every DLL below a folder, at any depth, in walk order; empty when the folder can't be walked.
// Symbolic links to folders are not descended into.
DllFiles dllFiles(const QString& folder);

// The string "version_number" of folder/manifest.json; nullopt for anything else.
std::optional<QString> manifestVersion(const QString& folder);

// "Foo.dll.disabled" -> "Foo", "Foo.DLL" -> "Foo", "Foo.txt" stays.
QString dllBaseName(const QString& name);

QString prettify(const QString& text); // every "_" shown as " "

// Renames the mod's DLLs in place to end, or no longer end, in ".disabled". Throws the first
// failed rename's error; renames already made stay made.
void setEnabled(const ModItem& mod, bool enabled);

} // namespace ModScanner
