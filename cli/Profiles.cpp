#include "cli/Profiles.h"

#include "cli/Session.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QHash>

namespace Commands {

namespace {

// The words each verb takes after "profile", its own name included. Sharing profiles with other
// players (export and import) gets its verbs here.
const QHash<QString, int>& verbs() {
    static const QHash<QString, int> table = {
        {QStringLiteral("list"), 1}, {QStringLiteral("new"), 2}, {QStringLiteral("switch"), 2}};
    return table;
}

} // namespace

void checkProfile(const QStringList& args, bool copy) {
    if (verbs().value(args.first()) != args.size())
        throw Misuse{QCoreApplication::translate(
            "Commands", "Write profile list, profile new NAME [--copy] or profile switch NAME.")};
    if (copy && args.first() != QLatin1String("new"))
        throw Misuse{
            QCoreApplication::translate("Commands", "“--copy” means something only to “profile new”.")};
}

void profile(Session& session, const QStringList& args, bool copy) {
    AppState& s = session.state();
    const QString& verb = args.first();
    if (verb == QLatin1String("list")) {
        for (const QString& name : s.snapshot().profiles)
            out(name == s.snapshot().activeProfile
                    ? QCoreApplication::translate("Commands", "%1 (active)").arg(name)
                    : name);
        return;
    }
    session.lockGameFolder();
    const Session::Outcome outcome = session.act([&] {
        if (verb == QLatin1String("new"))
            s.newProfile(args.at(1), copy);
        else
            s.switchProfile(args.at(1));
    });
    if (outcome.done) out(*outcome.done);
    if (outcome.alert) throw SkaldrunError(*outcome.alert);
}

} // namespace Commands
