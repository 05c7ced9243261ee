#pragma once

#include <QString>

// The desktop system Skaldrun sets the game up on. It decides where Steam, the game and the saves
// live and which setup steps apply. main and skaldrun-cli take it from the machine once; the
// model and discovery receive it, so a test can set up a Mac world on a Linux machine and back.
enum class Platform { macOS, linuxOS };

namespace Platforms {

// This machine's system; SKALDRUN_PLATFORM ("mac" or "linux"), when set, stands in for it.
Platform ofThisMachine();

} // namespace Platforms
