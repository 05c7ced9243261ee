#pragma once

#include "platform/SkaldrunError.h"

#include <QString>

// The installer's own failures, each the sentence the player reads.
namespace InstallError {

// The dropped item is neither an archive, a plugin, a config file nor a folder.
SkaldrunError unsupportedFile(const QString& name);
// The archive couldn't be unpacked; `output` says why (libarchive's reason, or ours).
SkaldrunError extractFailed(const QString& output);
// The tree holds nothing to install; `name` is the archive's or folder's name.
SkaldrunError emptyArchive(const QString& name);
// No save subfolder of the game's saves folder held a single file.
SkaldrunError savesNotFound(const QString& savesDir);

} // namespace InstallError
