#pragma once

#include <QString>
#include <QtGlobal>

namespace Installer {

// How much one archive may unpack to. Mods are a few megabytes; the BepInEx pack is under
// twenty. Anything near these limits is a decompression bomb, not a mod.
struct ExtractLimits {
    qint64 maxBytes = qint64(4) << 30; // bytes actually written, all entries together
    qint64 maxEntries = 100000;
};

// A new, empty folder "skaldrun-XXXXXX" of a random name in the user's temporary folder, only
// we may enter (0700), returned with every symbolic link of its path resolved. Throws when it
// can't be created.
QString makeTemporaryFolder();

// A folder of makeTemporaryFolder(), removed with everything in it when the object goes:
// downloads and extractions happen there, never under a name others could guess.
struct TemporaryFolder {
    QString path = makeTemporaryFolder();
    TemporaryFolder() = default;
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();
};

// Unpacks a ZIP archive into `into` (an existing, empty folder we own). Archives come from
// strangers: an entry that is absolute, climbs out with "..", is a link or a device, or that
// pushes the archive past `limits` stops the extraction with InstallError::extractFailed naming
// the entry, and nothing is ever written outside `into`. What was unpacked before the failure
// stays in `into` for the caller to remove.
void extractZip(const QString& archive, const QString& into, const ExtractLimits& limits = {});

} // namespace Installer
