#include "app/Language.h"
#include "cli/Commands.h"
#include "cli/Session.h"
#include "discovery/Steam.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace {

// The man page and the completions are made from this text in English (packaging/cli-docs.py).
const char* const description =
    QT_TRANSLATE_NOOP("Cli",
                      R"(Sets up Valheim with BepInEx and manages its mods from a terminal or a script,
through the same model as the Skaldrun window.

Commands:
  status                        the seven setup steps, done or not, and the mod count
  list                          installed mods: version, repository, enabled, update, missing dependencies
  search QUERY                  both repositories, most popular first (or --sort newest|rating|name)
  install PACKAGE...            Owner-Name, or Owner-Name-1.2.3 for that release, with its dependencies;
                                the BepInEx pack sets the loader up (a server's folder too)
  update [--all | NAME...]      every mod with a newer version in the catalog, or those named, keeping
                                each one's switch and config files (mods kept at a release are left)
  enable NAME...                turns mods on
  disable NAME...               turns mods off, leaving them installed
  remove NAME...                moves mods to the Trash (--delete: deletes them for good)
  config list MOD               a mod's settings, as FILE's Section.Key = value
  config get FILE KEY           one setting (KEY is Section.Key, or a key only one section has)
  config set FILE KEY VALUE     changes one setting, checked like the window's editor
  saves backup                  backs the worlds and characters up
  saves restore                 restores them from the newest backup
  profile list                  the game folder's profiles (mod sets), the active one marked
  profile new NAME              a new empty profile (--copy: a copy of the active one)
  profile switch NAME           makes NAME the active profile
  profile export [--file F.r2z | --code]  the mods and their configs as a .r2z file or a profile code
  profile import CODE|FILE [--name N | --replace]
                                a friend's r2modman or Gale profile, as a new profile or into this one
  doctor                        the last launch: what loaded, what didn't and why (a server's folder
                                too); exit status 1 when a mod didn't load

Progress goes to stderr, results to stdout. Exit status: 0 done, 1 failed (the reason on
stderr), 2 misused (with this text).)");

int misuse(const QCommandLineParser& parser, const QString& message) {
    err(message);
    err(QString());
    err(parser.helpText());
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("skaldrun-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SKALDRUN_VERSION));
    // LANG and LC_MESSAGES choose, as for any command. A script reading --json gets English
    // throughout, the sentences inside the JSON (a launch's summary, its problems) included.
    if (!app.arguments().contains(QStringLiteral("--json"))) Language::install();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("Cli", description));
    const QCommandLineOption game(
        QStringLiteral("game"),
        QCoreApplication::translate("Cli", "The Valheim folder: a Mac or Linux client's, or a dedicated "
                                           "server's (default: the one found before)."),
        QStringLiteral("DIR"));
    const QCommandLineOption json(
        QStringLiteral("json"),
        QCoreApplication::translate("Cli", "status, list, search, doctor: JSON on stdout."));
    const QCommandLineOption sort(
        QStringLiteral("sort"),
        QCoreApplication::translate("Cli", "search: popular, newest, rating or name."),
        QStringLiteral("ORDER"));
    const QCommandLineOption all(QStringLiteral("all"),
                                 QCoreApplication::translate("Cli", "update: every mod (the default)."));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QCoreApplication::translate("Cli", "update: list what would change."));
    const QCommandLineOption del(
        QStringLiteral("delete"),
        QCoreApplication::translate("Cli", "remove: delete for good, not to the Trash."));
    const QCommandLineOption copy(
        QStringLiteral("copy"),
        QCoreApplication::translate("Cli", "profile new: start from a copy of the active profile."));
    const QCommandLineOption file(QStringLiteral("file"),
                                  QCoreApplication::translate("Cli", "profile export: the .r2z to write."),
                                  QStringLiteral("F"));
    const QCommandLineOption code(QStringLiteral("code"),
                                  QCoreApplication::translate("Cli", "profile export: a profile code."));
    const QCommandLineOption replace(
        QStringLiteral("replace"),
        QCoreApplication::translate("Cli", "profile import: into this profile, replacing its mods."));
    const QCommandLineOption name(
        QStringLiteral("name"),
        QCoreApplication::translate("Cli",
                                    "profile import: the new profile's name (the pack's own by default)."),
        QStringLiteral("N"));
    parser.addOptions({game, json, sort, all, dryRun, del, copy, file, code, replace, name});

    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QCoreApplication::translate("Cli", "One of the commands above."));

    if (!parser.parse(app.arguments())) return misuse(parser, parser.errorText());
    if (parser.isSet(help)) {
        out(parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        out(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion());
        return 0;
    }
    QStringList words = parser.positionalArguments();
    if (words.isEmpty()) return misuse(parser, QCoreApplication::translate("Cli", "Name a command."));
    const QString command = words.takeFirst();
    Commands::Options options{parser.isSet(json), parser.isSet(all),  parser.isSet(dryRun),
                              parser.isSet(del),  parser.isSet(copy), parser.value(sort),
                              parser.value(file), parser.isSet(code), parser.isSet(replace),
                              parser.value(name)};
    int status = 0;
    try {
        Commands::check(command, words, options);
        std::optional<QString> folder;
        if (parser.isSet(game)) {
            folder = QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(game)));
            // The Windows build counts: on Linux Steam runs it through Proton, where the pack loads too.
            if (!Steam::isValheimFolder(*folder) && !Steam::isWindowsBuild(*folder))
                throw SkaldrunError(
                    QCoreApplication::translate("Cli", "%1 isn't a Valheim folder: it holds neither the game "
                                                       "nor a dedicated server.")
                        .arg(Fs::displayPath(*folder)));
        }
        Session session(folder);
        if (Commands::needsGameFolder(command) && !session.state().gameDir())
            throw SkaldrunError(
                QCoreApplication::translate("Session", "Couldn't find Valheim in any Steam library; name its "
                                                       "folder with --game."));
        Commands::run(session, command, words, options);
    } catch (const Misuse& e) {
        status = misuse(parser, e.message);
    } catch (const SkaldrunError& e) {
        err(e.message());
        status = 1;
    }
    return status; // the session has stopped and waited for its workers
}
