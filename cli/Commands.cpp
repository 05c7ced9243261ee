#include "cli/Commands.h"

#include "catalog/CatalogQuery.h"
#include "cli/Catalog.h"
#include "cli/Doctor.h"
#include "cli/Profiles.h"
#include "cli/Session.h"
#include "cli/Share.h"
#include "config/ConfigStore.h"
#include "discovery/Outside.h"
#include "install/ModKey.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

namespace Commands {

namespace {

struct Shape {
    int least;
    int most; // -1: any number
    QStringList options;
};

// What each command takes: its word count and the options that mean something to it.
const QHash<QString, Shape>& shapes() {
    static const QHash<QString, Shape> table = {
        {QStringLiteral("status"), {0, 0, {QStringLiteral("json")}}},
        {QStringLiteral("list"), {0, 0, {QStringLiteral("json")}}},
        {QStringLiteral("search"), {1, 1, {QStringLiteral("json"), QStringLiteral("sort")}}},
        {QStringLiteral("install"), {1, -1, {}}},
        {QStringLiteral("update"), {0, -1, {QStringLiteral("all"), QStringLiteral("dry-run")}}},
        {QStringLiteral("enable"), {1, -1, {}}},
        {QStringLiteral("disable"), {1, -1, {}}},
        {QStringLiteral("remove"), {1, -1, {QStringLiteral("delete")}}},
        {QStringLiteral("config"), {2, 4, {}}},
        {QStringLiteral("saves"), {1, 1, {}}},
        {QStringLiteral("profile"), {1, 2, {QStringLiteral("copy")}}},
        {QStringLiteral("doctor"), {0, 0, {QStringLiteral("json")}}},
    };
    return table;
}

const QHash<QString, TSSort>& sorts() {
    static const QHash<QString, TSSort> table = {{QStringLiteral("popular"), TSSort::popular},
                                                 {QStringLiteral("newest"), TSSort::newest},
                                                 {QStringLiteral("rating"), TSSort::topRated},
                                                 {QStringLiteral("name"), TSSort::az}};
    return table;
}

void printJson(const QJsonValue& value) {
    out(QString::fromUtf8(value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Indented)
                                          : QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented))
            .trimmed());
}

// The installed mod a player means: its name as listed, in any letter case or spacing, or the
// package's "Owner-Name".
ModItem findMod(const Session& session, const QString& name) {
    const QString wanted = ModKey::of(name);
    const QString packageName = ModKey::of(name.section(QLatin1Char('-'), -1));
    const QList<ModItem> mods = session.mods();
    for (const QString& key : {wanted, packageName}) {
        for (const ModItem& mod : mods) {
            if (ModKey::of(mod.name) == key) return mod;
        }
    }
    throw SkaldrunError(
        QCoreApplication::translate("Commands", "No installed mod is called “%1”.").arg(name));
}

// Prints the action's success text; its alert ends the command.
void finish(const Session::Outcome& outcome) {
    if (outcome.done) out(*outcome.done);
    if (outcome.alert) throw SkaldrunError(*outcome.alert);
}

void status(Session& session, const Options& options) {
    const AppState& s = session.state();
    struct Step {
        const char* title; // English in --json, the window's step title on the terminal
        bool done;
        bool needed; // as the window's "Not needed" badges: Rosetta on Apple Silicon, quarantine on a Mac
    };
    const QList<Step> steps = {
        {QT_TRANSLATE_NOOP("StepsPane", "Locate Valheim"), s.stepGame(), true},
        {QT_TRANSLATE_NOOP("StepsPane", "Install Rosetta 2"), s.stepRosetta(), s.isAppleSilicon()},
        {QT_TRANSLATE_NOOP("StepsPane", "Install BepInEx"), s.stepBep(), true},
        {QT_TRANSLATE_NOOP("StepsPane", "Enable Rosetta Translation"), s.stepArch(), s.isAppleSilicon()},
        {QT_TRANSLATE_NOOP("StepsPane", "Clear Quarantine Flags"), s.stepQuarantine(), !s.onLinux()},
        {QT_TRANSLATE_NOOP("StepsPane", "Set Steam Launch Options"), s.stepSteam(), true},
        {QT_TRANSLATE_NOOP("StepsPane", "Launch Once to Verify"), s.stepVerify(), true}};
    const qsizetype mods = session.mods().size();
    // Steam runs the Windows build through Proton, where the pack loads only with this override.
    const bool proton = s.snapshot().windowsBuild && s.gameDir();
    if (options.json) {
        QJsonArray list;
        for (const Step& step : steps)
            list.append(QJsonObject{{QStringLiteral("step"), QString::fromUtf8(step.title)},
                                    {QStringLiteral("done"), step.done},
                                    {QStringLiteral("needed"), step.needed}});
        QJsonObject report{
            {QStringLiteral("gameFolder"), s.gameDir() ? QJsonValue(*s.gameDir()) : QJsonValue()},
            {QStringLiteral("steps"), list},
            {QStringLiteral("mods"), mods},
            {QStringLiteral("enabledMods"), s.enabledModCount()}};
        if (proton) report.insert(QStringLiteral("protonLaunchOptions"), Outside::protonLaunchOptions);
        printJson(report);
        return;
    }
    out(s.gameDir()
            ? QCoreApplication::translate("Commands", "Game folder: %1").arg(Fs::displayPath(*s.gameDir()))
            : QCoreApplication::translate("Commands", "Game folder: not found"));
    if (proton)
        out(QCoreApplication::translate(
                "Commands", "This is Valheim's Windows build (valheim.exe), which Steam runs through "
                            "Proton; for BepInEx to load, set its launch options to: %1")
                .arg(Outside::protonLaunchOptions));
    for (const Step& step : steps) {
        const QString title = QCoreApplication::translate("StepsPane", step.title);
        out(!step.needed ? QCoreApplication::translate("Commands", "[n/a ] %1 (not needed)").arg(title)
            : step.done  ? QStringLiteral("[done] ") + title
                         : QStringLiteral("[ -- ] ") + title);
    }
    out(QCoreApplication::translate("Commands", "%1 of 7 steps done · %n mods, %2 enabled", nullptr,
                                    int(mods))
            .arg(s.doneCount())
            .arg(s.enabledModCount()));
}

void list(Session& session, const Options& options) {
    AppState& s = session.state();
    try {
        Catalog::load(s);
    } catch (const SkaldrunError& e) {
        err(QCoreApplication::translate("Commands", "%1 Updates and dependencies aren't shown.")
                .arg(e.message()));
    }
    const UpdatePlan::Plan& plan = s.updatePlan();
    QJsonArray rows;
    for (const ModItem& mod : session.mods()) {
        const Catalog::Source source = Catalog::sourceOf(s, mod.name);
        const std::optional<TSPackage>& package = source.package;
        const bool known = package.has_value();
        const UpdatePlan::ModPlan* entry = plan.of(mod.name);
        QStringList missing; // English under --json, as every word then
        for (const UpdatePlan::Need& need : entry ? entry->needs : QList<UpdatePlan::Need>())
            missing << (need.disabled
                            ? QCoreApplication::translate("Commands", "%1 (disabled)").arg(need.name)
                        : need.package ? need.package->fullName
                                       : need.dependency);
        const std::optional<QString> update = entry ? entry->newer : std::nullopt;
        const std::optional<QString> version = source.version ? source.version : mod.version;
        const std::optional<QString>& repository = source.repository;
        rows.append(
            QJsonObject{{QStringLiteral("name"), mod.name},
                        {QStringLiteral("version"), version ? QJsonValue(*version) : QJsonValue()},
                        {QStringLiteral("repository"), repository ? QJsonValue(*repository) : QJsonValue()},
                        {QStringLiteral("package"), known ? QJsonValue(package->fullName) : QJsonValue()},
                        {QStringLiteral("enabled"), mod.enabled},
                        {QStringLiteral("updateAvailable"), update ? QJsonValue(*update) : QJsonValue()},
                        {QStringLiteral("updatesOffered"), !(entry && entry->pinned)},
                        {QStringLiteral("missingDependencies"), QJsonArray::fromStringList(missing)}});
        if (options.json) continue;
        // One field per fact, " · " between them.
        const QString head = mod.name + QLatin1Char(' ') + version.value_or(QStringLiteral("?"));
        QStringList fields{mod.enabled ? head
                                       : QCoreApplication::translate("Commands", "%1 (disabled)").arg(head)};
        if (known) fields << package->fullName;
        if (repository)
            fields.last() =
                QCoreApplication::translate("Commands", "%1 on %2").arg(fields.last(), *repository);
        if (update) fields << QCoreApplication::translate("Commands", "update: %1").arg(*update);
        if (entry && entry->pinned) fields << QCoreApplication::translate("Commands", "no updates offered");
        if (!missing.isEmpty())
            fields << QCoreApplication::translate("Commands", "missing: %1")
                          .arg(missing.join(QStringLiteral(", ")));
        out(fields.join(QStringLiteral(" · ")));
    }
    if (options.json) printJson(rows);
}

void search(Session& session, const QString& query, const Options& options) {
    AppState& s = session.state();
    Catalog::load(s);
    CatalogQuery catalog;
    catalog.setPackages(Catalog::packages(s));
    QSet<QString> installed;
    for (const ModItem& mod : session.mods())
        installed.insert(ModKey::of(mod.name));
    catalog.setInstalledNames(installed);
    QJsonArray rows;
    for (int i : catalog.shown(query, sorts().value(options.sort, TSSort::popular))) {
        const TSPackage& p = catalog.packages().at(i);
        if (!options.json) {
            out(QCoreApplication::translate("Commands", "%1 %2 · %3 · %n downloads · %4", nullptr,
                                            int(p.totalDownloads))
                    .arg(p.fullName, p.version, Repository::sourceName(p.source), p.description));
            continue;
        }
        rows.append(QJsonObject{{QStringLiteral("package"), p.fullName},
                                {QStringLiteral("version"), p.version},
                                {QStringLiteral("repository"), Repository::sourceName(p.source)},
                                {QStringLiteral("downloads"), p.totalDownloads},
                                {QStringLiteral("rating"), p.rating},
                                {QStringLiteral("description"), p.description},
                                {QStringLiteral("installed"), installed.contains(ModKey::of(p.name))}});
    }
    if (options.json) printJson(rows);
}

void install(Session& session, const QStringList& names) {
    AppState& s = session.state();
    Catalog::load(s);
    QList<TSPackage> packages;
    for (const QString& wanted : names) // every name checked before the first download
        packages << Catalog::find(s, wanted);
    session.lockGameFolder();
    for (const TSPackage& package : packages) {
        const auto outcome = session.act([&] { s.installThunderstorePackage(package); });
        session.refresh(); // the next package's dependencies count what this one brought
        finish(outcome);
    }
}

void update(Session& session, const QStringList& names, const Options& options) {
    AppState& s = session.state();
    Catalog::load(s);
    QList<ModItem> mods;
    for (const QString& name : names)
        mods << findMod(session, name);
    QList<UpdatePlan::Update> due;
    for (const UpdatePlan::Update& update : s.updatePlan().updates) {
        const bool named =
            std::any_of(mods.cbegin(), mods.cend(), [&](const ModItem& m) { return m.id == update.mod.id; });
        if (!names.isEmpty() && !named) continue;
        due << update;
        out(QStringLiteral("%1 %2 → %3").arg(update.mod.name, update.from, update.package.version));
    }
    for (const ModItem& mod : mods) {
        const UpdatePlan::ModPlan* entry = s.updatePlan().of(mod.name);
        if (entry && entry->newer) continue;
        err(!entry || !entry->package
                ? QCoreApplication::translate("Commands", "%1 isn't in the catalog.").arg(mod.name)
            : entry->pinned ? QCoreApplication::translate(
                                  "Commands", "%1 is kept at its version; no updates are offered.")
                                  .arg(mod.name)
                            : QCoreApplication::translate("Commands", "%1 is up to date.").arg(mod.name));
    }
    if (due.isEmpty()) out(QCoreApplication::translate("Commands", "Nothing to update."));
    if (options.dryRun || due.isEmpty()) return;
    session.lockGameFolder();
    finish(session.act([&] { s.updateMods(due); }));
}

void eachMod(Session& session, const QStringList& names, const std::function<void(const ModItem&)>& action) {
    QList<ModItem> mods;
    for (const QString& name : names)
        mods << findMod(session, name);
    session.lockGameFolder();
    for (const ModItem& mod : mods)
        finish(session.act([&] { action(mod); }));
}

// "Section.Key" or a key that only one section has.
const ConfigEntry& findEntry(const ParsedConfig& config, const QString& key) {
    QList<const ConfigEntry*> found;
    for (const ConfigEntry& entry : config.entries) {
        if (entry.section + QLatin1Char('.') + entry.key == key) return entry;
        if (entry.key == key) found << &entry;
    }
    const QString file = Fs::fileName(config.url);
    if (found.isEmpty())
        throw SkaldrunError(
            QCoreApplication::translate("Commands", "%1 has no setting “%2”.").arg(file, key));
    if (found.size() > 1)
        throw SkaldrunError(QCoreApplication::translate("Commands",
                                                        "%1 has “%2” in several sections; write Section.Key, "
                                                        "e.g. %3.%2.")
                                .arg(file, key, found.first()->section));
    return *found.first();
}

ParsedConfig configFile(Session& session, const QString& name) {
    const QString dir = *session.state().gameDir();
    for (const QString& path : ConfigStore::allConfigFiles(dir)) {
        if (Fs::fileName(path).compare(name, Qt::CaseInsensitive) == 0) return ConfigStore::parse(path);
    }
    throw SkaldrunError(QCoreApplication::translate("Commands", "There is no config file “%1” in %2.")
                            .arg(name, Fs::displayPath(ConfigStore::configDir(dir))));
}

void config(Session& session, const QStringList& args) {
    const QString& verb = args.first();
    if (verb == QLatin1String("list")) {
        for (const QString& file : findMod(session, args.at(1)).configFiles) {
            const ParsedConfig config = ConfigStore::parse(file);
            out(Fs::fileName(file));
            for (const ConfigEntry& e : config.entries)
                out(QStringLiteral("  %1.%2 = %3").arg(e.section, e.key, e.originalValue));
        }
        return;
    }
    // What is read in order to be rewritten is read under the lock.
    if (verb == QLatin1String("set")) session.lockGameFolder();
    const ParsedConfig config = configFile(session, args.at(1));
    const ConfigEntry& entry = findEntry(config, args.at(2));
    if (verb == QLatin1String("get")) {
        out(entry.originalValue);
        return;
    }
    const QString& value = args.at(3);
    if (auto problem = ConfigStore::valueProblem(entry, value)) throw SkaldrunError(*problem);
    ConfigStore::save(config, {{entry.id, value}});
    out(QCoreApplication::translate("Commands", "%1.%2 = %3 in %4")
            .arg(entry.section, entry.key, value, Fs::fileName(config.url)));
}

void saves(Session& session, const QString& verb) {
    AppState& s = session.state();
    const auto outcome = session.act([&] {
        if (verb == QLatin1String("backup"))
            s.backupSaves();
        else
            s.restoreSavesFromLatestBackup();
    });
    if (!outcome.done && !outcome.alert)
        throw SkaldrunError(QCoreApplication::translate("Commands", "There is no save backup to restore."));
    finish(outcome);
}

} // namespace

void check(const QString& command, const QStringList& args, const Options& options) {
    if (Share::handles(command, args)) return Share::check(args, options);
    if (options.code || options.replace || !options.file.isEmpty() || !options.name.isEmpty())
        throw Misuse{QCoreApplication::translate(
            "Commands", "“--file”, “--code”, “--name” and “--replace” belong to profile export and import.")};
    const auto shape = shapes().constFind(command);
    if (shape == shapes().cend())
        throw Misuse{QCoreApplication::translate("Commands", "Unknown command “%1”.").arg(command)};
    if (args.size() < shape->least || (shape->most >= 0 && args.size() > shape->most))
        throw Misuse{
            QCoreApplication::translate("Commands", "Wrong number of words after “%1”.").arg(command)};
    const QList<std::pair<QString, bool>> given = {
        {QStringLiteral("json"), options.json},      {QStringLiteral("all"), options.all},
        {QStringLiteral("dry-run"), options.dryRun}, {QStringLiteral("delete"), options.deleteForGood},
        {QStringLiteral("copy"), options.copy},      {QStringLiteral("sort"), !options.sort.isEmpty()}};
    for (const auto& [option, on] : given) {
        if (on && !shape->options.contains(option))
            throw Misuse{QCoreApplication::translate("Commands", "“--%1” means nothing to “%2”.")
                             .arg(option, command)};
    }
    if (!options.sort.isEmpty() && !sorts().contains(options.sort))
        throw Misuse{
            QCoreApplication::translate("Commands", "Sort by popular, newest, rating or name, not “%1”.")
                .arg(options.sort)};
    if (options.all && !args.isEmpty())
        throw Misuse{QCoreApplication::translate("Commands", "Give “--all” or mod names, not both.")};
    const QHash<QString, int> verbs = {
        {QStringLiteral("list"), 2}, {QStringLiteral("get"), 3}, {QStringLiteral("set"), 4}};
    if (command == QLatin1String("config") && verbs.value(args.first()) != args.size())
        throw Misuse{QCoreApplication::translate(
            "Commands", "Write config list MOD, config get FILE KEY or config set FILE KEY VALUE.")};
    if (command == QLatin1String("saves") && args.first() != QLatin1String("backup") &&
        args.first() != QLatin1String("restore"))
        throw Misuse{QCoreApplication::translate("Commands", "Write saves backup or saves restore.")};
    if (command == QLatin1String("profile")) checkProfile(args, options.copy);
}

bool needsGameFolder(const QString& command) {
    return command != QLatin1String("status") && command != QLatin1String("search") &&
           command != QLatin1String("saves");
}

void run(Session& session, const QString& command, const QStringList& args, const Options& options) {
    AppState& s = session.state();
    if (Share::handles(command, args)) return Share::run(session, args, options);
    if (command == QLatin1String("status")) return status(session, options);
    if (command == QLatin1String("list")) return list(session, options);
    if (command == QLatin1String("search")) return search(session, args.first(), options);
    if (command == QLatin1String("install")) return install(session, args);
    if (command == QLatin1String("update")) return update(session, args, options);
    if (command == QLatin1String("enable") || command == QLatin1String("disable")) {
        const bool on = command == QLatin1String("enable");
        return eachMod(session, args, [&](const ModItem& mod) { s.setMod(mod, on); });
    }
    if (command == QLatin1String("remove")) {
        try {
            return eachMod(session, args, [&](const ModItem& mod) {
                options.deleteForGood ? s.deleteMod(mod) : s.trash(mod);
            });
        } catch (const SkaldrunError& e) {
            // Servers often have no Trash; deleting for good is then the player's explicit choice.
            // Matched against the model's sentence in the player's language, whatever its word order.
            QString trashFailed =
                QRegularExpression::escape(QCoreApplication::translate("AppState", "Couldn't remove %1: %2"));
            trashFailed.replace(QLatin1String("%1"), QLatin1String(".*"))
                .replace(QLatin1String("%2"), QLatin1String(".*"));
            const QRegularExpression trashSentence(QRegularExpression::anchoredPattern(trashFailed),
                                                   QRegularExpression::DotMatchesEverythingOption);
            if (options.deleteForGood || !trashSentence.match(e.message()).hasMatch()) throw;
            throw SkaldrunError(
                QCoreApplication::translate("Commands", "%1 Give --delete to delete it for good instead.")
                    .arg(e.message()));
        }
    }
    if (command == QLatin1String("config")) return config(session, args);
    if (command == QLatin1String("profile")) return profile(session, args, options.copy);
    if (command == QLatin1String("doctor")) return doctor(session, options.json);
    saves(session, args.first());
}

} // namespace Commands
