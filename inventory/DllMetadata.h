#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What a .NET plugin DLL says about itself in its metadata, read without running it: the BepInEx
// plugins it declares (their [BepInPlugin] attributes) and the namespaces its own types live in.
// Only the headers, the type table and the two heaps are read, each within a bound, so a DLL
// carrying megabytes of embedded assets costs a few small reads.
namespace DllMetadata {

struct Plugin {
    QString guid;
    QString name;
    QString version;

    bool operator==(const Plugin&) const = default;
};

struct Info {
    QList<Plugin> plugins;
    QStringList namespaces; // of the types it defines (not those it refers to), each once, in table order

    bool operator==(const Info&) const = default;
};

// The bytes of the file from offset on, up to size of them (fewer at its end, none past it).
using ReadAt = std::function<QByteArray(qint64 offset, qint64 size)>;

// nullopt for anything that isn't a .NET assembly's file, whole and readable.
std::optional<Info> read(const ReadAt& at);
std::optional<Info> read(const QString& path);
std::optional<Info> read(const QByteArray& bytes);

} // namespace DllMetadata
