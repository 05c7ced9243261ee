#pragma once

#include <QStringList>

class Session;

// skaldrun-cli's "profile" command: the game folder's mod sets.
namespace Commands {

// Throws Misuse for a verb it doesn't know or the wrong number of words after it.
void checkProfile(const QStringList& args, bool copy);
void profile(Session& session, const QStringList& args, bool copy);

} // namespace Commands
