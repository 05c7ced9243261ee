#pragma once

#include <QString>

namespace Trash {

// Moves a file or folder to the user's Trash. Throws SkaldrunError naming the item and the
// reason when it could not be trashed; the item is then where it was.
void moveToTrash(const QString& path);

} // namespace Trash
