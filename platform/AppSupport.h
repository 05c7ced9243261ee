#pragma once

#include <QString>

namespace AppSupport {

// The application's own support folder ("Skaldrun" in the user's Application Support
// folder; the XDG data folder elsewhere). Not created.
QString dir();
// The same, created with its intermediate folders when missing; creation failures are ignored
// here and surface when the folder is used.
QString ensureDir();

} // namespace AppSupport
