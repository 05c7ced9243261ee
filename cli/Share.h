#pragma once

#include "cli/Commands.h"

#include <QString>
#include <QStringList>

class Session;

// "profile export" and "profile import": mod sets traded with r2modman and Gale players as
// profile codes and .r2z files.
namespace Share {

bool handles(const QString& command, const QStringList& args);
void check(const QStringList& args, const Commands::Options& options); // throws Misuse
void run(Session& session, const QStringList& args, const Commands::Options& options);

} // namespace Share
