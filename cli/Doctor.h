#pragma once

class Session;

// skaldrun-cli's "doctor" command: the last launch as the window's sheet tells it. Exit status 0
// when every mod loaded, 1 when one didn't or there is no log of the launch, so a server's start
// script can check.
namespace Commands {

void doctor(Session& session, bool json);

} // namespace Commands
