#pragma once

#include "inventory/DllMetadata.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <QtEndian>

// The smallest .NET DLL a plugin could be, as the metadata reader sees one: PE headers, one
// section holding the CLI header and the metadata, a TypeDef row per namespace and a
// [BepInPlugin] attribute blob per plugin. Nothing in it runs.
namespace TestDll {

inline QByteArray assembly(const QList<DllMetadata::Plugin>& plugins, const QStringList& namespaces) {
    const auto u16 = [](QByteArray& b, int at, quint32 v) { qToLittleEndian(quint16(v), b.data() + at); };
    const auto u32 = [](QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    const auto pad = [](QByteArray b) { return b.append(QByteArray((4 - b.size() % 4) % 4, '\0')); };
    QByteArray strings(1, '\0'), blobs(1, '\0'), tables(24, '\0');
    tables[4] = 2;                                        // tables version 2.0; heaps indexed in two bytes
    u32(tables, 8, 0x5);                                  // Module and TypeDef present
    tables += QByteArray(8, '\0') + QByteArray(10, '\0'); // their row counts, then the Module row
    u32(tables, 24, 1);
    u32(tables, 28, quint32(namespaces.size()));
    for (const QString& ns : namespaces) {
        QByteArray row(14, '\0');
        u16(row, 6, quint32(strings.size()));
        strings += ns.toUtf8() + '\0';
        tables += row;
    }
    for (const DllMetadata::Plugin& p : plugins) {
        QByteArray blob("\x01\x00", 2);
        for (const QString& s : {p.guid, p.name, p.version})
            blob += char(s.toUtf8().size()) + s.toUtf8();
        blob += QByteArray(2, '\0');
        blobs += char(blob.size()) + blob;
    }
    const QList<QPair<QByteArray, QByteArray>> streams{
        {"#~", pad(tables)}, {"#Strings", pad(strings)}, {"#Blob", pad(blobs)}};
    QByteArray root("BSJB\x01\x00\x01\x00\x00\x00\x00\x00\x0c\x00\x00\x00v4.0.30319\x00\x00\x00\x00\x03\x00",
                    32);
    int headers = root.size();
    for (const auto& s : streams)
        headers += 8 + pad(s.first + '\0').size();
    QByteArray data;
    for (const auto& s : streams) {
        QByteArray header(8, '\0');
        u32(header, 0, quint32(headers + data.size()));
        u32(header, 4, quint32(s.second.size()));
        root += header + pad(s.first + '\0');
        data += s.second;
    }
    const QByteArray metadata = root + data;
    // Headers in the first 0x200 bytes; the section from there, loaded at 0x2000.
    QByteArray file(0x200 + 72 + metadata.size(), '\0');
    file[0] = 'M', file[1] = 'Z';
    u32(file, 0x3C, 0x40);
    file.replace(0x40, 4, QByteArray("PE\0\0", 4));
    u16(file, 0x46, 1);   // one section
    u16(file, 0x54, 224); // PE32's optional header
    u16(file, 0x58, 0x10B);
    u32(file, 0x58 + 92, 16);
    u32(file, 0x58 + 96 + 8 * 14, 0x2000); // the CLI header
    u32(file, 0x138 + 8, quint32(72 + metadata.size()));
    u32(file, 0x138 + 12, 0x2000);
    u32(file, 0x138 + 16, quint32(72 + metadata.size()));
    u32(file, 0x138 + 20, 0x200);
    u32(file, 0x200, 72);
    u32(file, 0x200 + 8, 0x2000 + 72);
    u32(file, 0x200 + 12, quint32(metadata.size()));
    file.replace(0x200 + 72, metadata.size(), metadata);
    return file;
}

} // namespace TestDll
