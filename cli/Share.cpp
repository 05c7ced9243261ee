#include "cli/Share.h"

#include "cli/Catalog.h"
#include "cli/Session.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QDir>

namespace Share {

bool handles(const QString& command, const QStringList& args) {
    return command == QLatin1String("profile") && !args.isEmpty() &&
           (args.first() == QLatin1String("export") || args.first() == QLatin1String("import"));
}

void check(const QStringList& args, const Commands::Options& options) {
    const bool exporting = args.first() == QLatin1String("export");
    if (exporting && (args.size() != 1 || (options.code && !options.file.isEmpty())))
        throw Misuse{QCoreApplication::translate(
            "Share", "Write profile export --file F.r2z or profile export --code.")};
    if (!exporting && (args.size() != 2 || options.code || !options.file.isEmpty()))
        throw Misuse{QCoreApplication::translate(
            "Share", "Write profile import CODE or profile import FILE, with --name N "
                     "for the new profile or --replace to import into this one.")};
    if (exporting && options.replace)
        throw Misuse{QCoreApplication::translate("Share", "“--replace” means nothing to an export.")};
    if (!options.name.isEmpty() && (exporting || options.replace))
        throw Misuse{QCoreApplication::translate(
            "Share", "“--name” names the new profile an import makes; it goes without “--replace”.")};
}

namespace {

void exportProfile(Session& session, const Commands::Options& options) {
    AppState& s = session.state();
    try {
        Catalog::load(s); // names the mods installed by hand from a repository's archive
    } catch (const SkaldrunError& e) {
        err(e.message());
    }
    Session::Outcome outcome;
    if (options.code) {
        outcome = session.act([&] { s.exportProfileCode(); });
        if (s.exportedCode()) out(*s.exportedCode());
    } else {
        const QString file =
            options.file.isEmpty() ? s.exportPlan().profile.name + QStringLiteral(".r2z") : options.file;
        const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(file));
        outcome = session.act([&] { s.exportProfileTo(path); });
        if (outcome.done) out(*outcome.done);
    }
    // What stayed behind is worth a line, not a failure: the pack itself was made.
    if (outcome.alert && (outcome.done || s.exportedCode()))
        err(*outcome.alert);
    else if (outcome.alert)
        throw SkaldrunError(*outcome.alert);
}

void importProfile(Session& session, const QString& source, const Commands::Options& options) {
    AppState& s = session.state();
    Catalog::load(s);
    const QString path = QDir::current().absoluteFilePath(source);
    Session::Outcome read = session.act([&] {
        if (Fs::exists(path))
            s.readProfileFile(path);
        else
            s.readProfileCode(source);
    });
    if (read.alert || !s.pendingImport())
        throw SkaldrunError(read.alert.value_or(QCoreApplication::translate("Share", "Nothing to import.")));
    for (const AppState::ImportRow& row : s.importRows())
        err(QStringLiteral("  %1 · %2")
                .arg(row.mod.enabled ? row.mod.name + QLatin1Char(' ') + row.mod.version
                                     : QCoreApplication::translate("Share", "%1 %2 (disabled)")
                                           .arg(row.mod.name, row.mod.version),
                     row.foundOn ? Repository::sourceName(*row.foundOn)
                                 : QCoreApplication::translate("Share", "not found")));
    session.lockGameFolder();
    const auto outcome = session.act([&] {
        s.importProfile(options.replace ? AppState::ImportTarget::replaceActive
                                        : AppState::ImportTarget::newProfile,
                        options.name);
    });
    if (outcome.done) out(*outcome.done);
    if (outcome.alert) throw SkaldrunError(*outcome.alert);
}

} // namespace

void run(Session& session, const QStringList& args, const Commands::Options& options) {
    if (args.first() == QLatin1String("export")) return exportProfile(session, options);
    importProfile(session, args.at(1), options);
}

} // namespace Share
