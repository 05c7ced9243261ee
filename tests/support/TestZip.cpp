#include "tests/support/TestZip.h"

#include "tests/support/ModFixtures.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void broken(archive* a, const QString& path) {
    std::fprintf(stderr, "TestZip: couldn't write %s: %s\n", qPrintable(path),
                 archive_error_string(a) ? archive_error_string(a) : "unknown error");
    std::abort();
}

} // namespace

QString TestZip::save(const QString& path) const {
    QFile::remove(path);
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    if (archive_write_open_filename(a, QFile::encodeName(path).constData()) != ARCHIVE_OK) broken(a, path);
    for (const Entry& e : m_entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_copy_pathname(entry, e.name.constData());
        archive_entry_set_mtime(entry, 1700000000, 0);
        const bool file = e.kind == Kind::file;
        archive_entry_set_filetype(entry, file ? AE_IFREG : e.kind == Kind::dir ? AE_IFDIR : AE_IFLNK);
        archive_entry_set_perm(entry, e.mode >= 0 ? e.mode : file ? 0644 : e.kind == Kind::dir ? 0755 : 0777);
        if (e.kind == Kind::link) archive_entry_copy_symlink(entry, e.data.constData());
        archive_entry_set_size(entry, !file ? 0 : e.zeros >= 0 ? e.zeros : e.data.size());
        if (archive_write_header(a, entry) != ARCHIVE_OK) broken(a, path);
        const std::vector<char> chunk(e.zeros >= 0 ? size_t(1) << 20 : 0, '\0');
        for (qint64 left = e.zeros; left > 0; left -= qint64(chunk.size())) {
            if (archive_write_data(a, chunk.data(), size_t(std::min<qint64>(left, qint64(chunk.size())))) < 0)
                broken(a, path);
        }
        if (file && e.zeros < 0 && archive_write_data(a, e.data.constData(), size_t(e.data.size())) < 0)
            broken(a, path);
        archive_entry_free(entry);
    }
    if (archive_write_close(a) != ARCHIVE_OK) broken(a, path);
    archive_write_free(a);
    return path;
}

QByteArray TestZip::dll(const QString& version) {
    const QStringList parts = version.split(QLatin1Char('.'));
    auto part = [&](int i) { return i < parts.size() ? quint32(parts.at(i).toUInt()) : 0u; };
    // The fixed file-information record near the end, where the resource section usually sits.
    const QByteArray record =
        ModFixtures::versionRecord(0x00010000, (part(0) << 16) | part(1), (part(2) << 16) | part(3));
    return "MZ" + QByteArray(4096 - 130, '\0') + record + QByteArray(128 - record.size(), '\0');
}

QByteArray TestZip::manifest(const QString& name, const QString& version, const QStringList& dependencies) {
    QStringList quoted;
    for (const QString& d : dependencies)
        quoted << QLatin1Char('"') + d + QLatin1Char('"');
    // Repository manifests usually start with a byte-order mark.
    return QByteArray("\xEF\xBB\xBF") +
           QStringLiteral("{\n  \"name\": \"%1\",\n  \"version_number\": \"%2\",\n  \"website_url\": \"\",\n"
                          "  \"description\": \"A test package.\",\n  \"dependencies\": [%3]\n}\n")
               .arg(name, version, quoted.join(QStringLiteral(", ")))
               .toUtf8();
}

QByteArray TestZip::launchScript() {
    // The shape of the pack's script of 5.4.2331 on, in brief: what it works out, then the exports.
    return QByteArrayLiteral(
        "#!/bin/sh\n# BepInEx start script\nexecutable_name=\"valheim.x86_64\"\n"
        "executable_path=\"$executable_name\"\nos_type=\"$(uname -s)\"\narch=\"x64\"\n"
        "doorstop_directory=\"$PWD/doorstop_libs\"\ndoorstop_name=\"libdoorstop_${arch}.dylib\"\n"
        "export DOORSTOP_ENABLED=1\nexport DYLD_LIBRARY_PATH=\"${doorstop_directory}:${DYLD_LIBRARY_PATH}\"\n"
        "export DYLD_INSERT_LIBRARIES=\"${doorstop_name}\"\nexec \"$executable_path\" \"$@\"\n");
}

TestZip TestZip::bepInExPack(const QString& version) {
    const QString w = QStringLiteral("BepInExPack_Valheim/");
    TestZip zip;
    zip.file(QStringLiteral("manifest.json"), manifest(QStringLiteral("BepInExPack_Valheim"), version))
        .file(QStringLiteral("icon.png"), QByteArray("\x89PNG\r\n\x1a\n", 8))
        .file(QStringLiteral("README.md"), "# BepInExPack for Valheim\n")
        .dir(w)
        .file(w + QStringLiteral("start_game_bepinex.sh"), launchScript(), 0755)
        .file(w + QStringLiteral("start_server_bepinex.sh"), launchScript(), 0755)
        .file(w + QStringLiteral("doorstop_config.ini"), "[UnityDoorstop]\nenabled=true\n")
        .file(w + QStringLiteral("winhttp.dll"), dll(QStringLiteral("3.4.0.0")))
        .file(w + QStringLiteral(".doorstop_version"), "3.4.0.0\n")
        .file(w + QStringLiteral("changelog.txt"), "5.4.2202: Valheim pack\n")
        .dir(w + QStringLiteral("doorstop_libs"))
        .file(w + QStringLiteral("doorstop_libs/libdoorstop_x64.dylib"), QByteArray(2048, '\xCF'))
        .file(w + QStringLiteral("doorstop_libs/libdoorstop_x64.so"), QByteArray(2048, '\x7F'))
        .dir(w + QStringLiteral("BepInEx/core"))
        .file(w + QStringLiteral("BepInEx/core/BepInEx.dll"), dll(version))
        .file(w + QStringLiteral("BepInEx/core/BepInEx.Preloader.dll"), dll(version))
        .file(w + QStringLiteral("BepInEx/core/0Harmony.dll"), dll(QStringLiteral("2.9.0")))
        .file(w + QStringLiteral("BepInEx/config/BepInEx.cfg"), "[Logging.Console]\nEnabled = true\n")
        .dir(w + QStringLiteral("BepInEx/plugins"))
        .dir(w + QStringLiteral("BepInEx/patchers"));
    return zip;
}

TestZip TestZip::repositoryMod(const QString& name, const QString& version, const QStringList& dependencies) {
    TestZip zip;
    zip.file(QStringLiteral("manifest.json"), manifest(name, version, dependencies))
        .file(QStringLiteral("icon.png"), QByteArray("\x89PNG\r\n\x1a\n", 8))
        .file(QStringLiteral("README.md"), "# " + name.toUtf8() + "\n")
        .file(name + QStringLiteral(".dll"), dll(version));
    return zip;
}
