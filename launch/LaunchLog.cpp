#include "launch/LaunchLog.h"

#include "discovery/Outside.h"
#include "platform/Fs.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace LaunchLog {

namespace {

using Level = LaunchReport::Level;
using Finding = LaunchReport::Finding;
using Kind = Finding::Kind;
using Attribution = Finding::Attribution;
using Connection = LaunchReport::Connection;
using Lack = LaunchReport::Lack;
using std::string_view;
constexpr size_t npos = string_view::npos;

// Bounds that keep a log of any length in little memory: longer lines are cut, and past these
// counts new kinds of lines are only counted where they are already kept.
constexpr qsizetype maxLine = 8 * 1024;
constexpr qsizetype maxFindings = 500;
constexpr qsizetype maxMessages = 500;
constexpr qsizetype maxConnections = 200;
constexpr qsizetype maxPlugins = 5000;
constexpr int maxTraceLines = 400; // of one entry, looked at for its frames
constexpr int maxListedMods = 200; // names in one version check's list

QString text(string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

string_view trimmed(string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool has(string_view s, string_view part) {
    return s.find(part) != npos;
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

int number(string_view s) {
    int n = 0;
    for (size_t i = 0; i < s.size() && digit(s[i]) && n < 100000000; ++i)
        n = n * 10 + (s[i] - '0');
    return n;
}

// Names compared as players and authors write them apart: "Epic Loot", "EpicLoot", "epic_loot".
QString normalized(string_view s) {
    QString out;
    out.reserve(qsizetype(s.size()));
    for (const char c : s) {
        if (digit(c) || (c >= 'a' && c <= 'z'))
            out += QLatin1Char(c);
        else if (c >= 'A' && c <= 'Z')
            out += QLatin1Char(char(c - 'A' + 'a'));
    }
    return out;
}

// "[Warning:Valheim Plus] text": the entry's level, its source column without the padding, and
// its text. nullopt for a line that goes on the entry before it.
struct Entry {
    Level level = Level::info;
    string_view source;
    string_view text;
};

std::optional<Entry> entryOf(string_view line) {
    if (line.size() < 4 || line[0] != '[') return std::nullopt;
    const size_t colon = line.find(':');
    if (colon == npos || colon > 9) return std::nullopt;
    static const std::array<std::pair<string_view, Level>, 6> levels{{{"Info", Level::info},
                                                                      {"Message", Level::message},
                                                                      {"Warning", Level::warning},
                                                                      {"Error", Level::error},
                                                                      {"Fatal", Level::fatal},
                                                                      {"Debug", Level::debug}}};
    const string_view word = trimmed(line.substr(1, colon - 1));
    const auto level =
        std::find_if(levels.cbegin(), levels.cend(), [&](const auto& l) { return l.first == word; });
    const size_t close = line.find(']', colon);
    if (level == levels.cend() || close == npos) return std::nullopt;
    string_view rest = line.substr(close + 1);
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return Entry{level->second, trimmed(line.substr(colon + 1, close - colon - 1)), rest};
}

// The game's own lines start with its clock, "04/27/2026 20:30:42: ", the same in every locale.
bool startsWithClock(string_view s) {
    static constexpr string_view shape = "00/00/0000 00:00:00: ";
    if (s.size() < shape.size()) return false;
    for (size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] == '0' ? !digit(s[i]) : s[i] != shape[i]) return false;
    }
    return true;
}

string_view withoutClock(string_view s) {
    return startsWithClock(s) ? s.substr(21) : s;
}

// "Name Version" as the loader writes a plugin: the version is the last word.
std::pair<QString, QString> nameAndVersion(string_view s) {
    s = trimmed(s);
    const size_t space = s.rfind(' ');
    if (space == npos) return {text(s), QString()};
    return {text(trimmed(s.substr(0, space))), text(s.substr(space + 1))};
}

// The bracketed plugin after `lead` ("Loading [", "Could not load [" …) and the text after it.
std::optional<std::pair<string_view, string_view>> bracketed(string_view s, string_view lead) {
    if (!s.starts_with(lead)) return std::nullopt;
    s.remove_prefix(lead.size());
    const size_t close =
        s.find(']'); // what follows (an error's text) may hold brackets, a plugin rarely does
    if (close == npos) return std::nullopt;
    return std::pair<string_view, string_view>(s.substr(0, close), s.substr(close + 1));
}

// "a, b (v1.2.0 or newer)": the GUIDs the loader lists, each with the least version it wants.
QList<LaunchReport::Requirement> requirements(string_view s) {
    QList<LaunchReport::Requirement> list;
    while (!s.empty()) {
        const size_t comma = s.find(", ");
        const string_view item = trimmed(s.substr(0, comma));
        s = comma == npos ? string_view() : s.substr(comma + 2);
        if (item.empty()) continue;
        const size_t paren = item.find(" (");
        LaunchReport::Requirement r{text(trimmed(item.substr(0, paren))), std::nullopt};
        if (paren != npos) {
            string_view version = item.substr(paren + 2);
            if (version.starts_with('v')) version.remove_prefix(1);
            version = version.substr(0, version.find_first_of(" )"));
            if (!version.empty()) r.minimumVersion = text(version);
        }
        list << r;
    }
    return list;
}

// --- Stack frames ---

// A trace line's code: the type it ran in, and whether the line is a patched method's wrapper.
struct Frame {
    string_view type;
    bool wrapper = false;
};

// Takes the method (and a generic type's arguments) off "Namespace.Type+Nested.Method[T]".
string_view typeOf(string_view name) {
    const size_t bracket = name.find('[');
    if (bracket != npos) {
        // A generic type's arguments come before its method ("Pool`1[T].Get"), a method's after.
        const size_t close = name.find(']', bracket);
        if (close != npos && close + 1 < name.size()) return name.substr(0, bracket);
        name = name.substr(0, bracket);
    }
    for (const string_view ctor : {string_view("..ctor"), string_view("..cctor")}) {
        if (name.ends_with(ctor)) return name.substr(0, name.size() - ctor.size());
    }
    const size_t dot = name.rfind('.');
    return dot == npos ? string_view() : name.substr(0, dot);
}

// Both trace shapes: Unity's after "Stack trace:" ("Type.Method (…) (at …)", "Type:Method(…)")
// and .NET's ("  at Type.Method (…) [0x…] in …").
std::optional<Frame> frameOf(string_view line, bool afterMarker) {
    string_view s = trimmed(line);
    if (s.starts_with("at "))
        s = trimmed(s.substr(3));
    else if (!afterMarker)
        return std::nullopt;
    // "Rethrow as …" and "--- End of inner exception …" come out as frames of no namespace: the game's.
    if (s.empty()) return std::nullopt;
    Frame frame;
    if (s.starts_with("(wrapper ")) {
        frame.wrapper = true;
        static constexpr string_view dynamic = "(wrapper dynamic-method) ";
        if (!s.starts_with(dynamic)) return frame; // the runtime's own wrappers name no mod
        s.remove_prefix(dynamic.size());
        const size_t dmd = s.find("DMD<");
        if (dmd != npos) {
            s = s.substr(dmd + 4);
            frame.type = s.substr(0, s.find("::"));
            return frame;
        }
        static constexpr string_view definition = "MonoMod.Utils.DynamicMethodDefinition.";
        if (s.starts_with(definition)) s.remove_prefix(definition.size());
    }
    const string_view name = s.substr(0, s.find_first_of(" ("));
    const size_t colon = name.find(':');
    frame.type = colon != npos ? name.substr(0, colon) : typeOf(name);
    return frame;
}

// The namespace of a type ("Terraheim.Utility" of "Terraheim.Utility.ArmorHelper+Nested").
string_view namespaceOf(string_view type) {
    type = type.substr(0, type.find_first_of("+["));
    const size_t dot = type.rfind('.');
    return dot == npos ? string_view() : type.substr(0, dot);
}

// Whether `word` is one of the space-separated words of `list`.
bool listed(string_view list, string_view word) {
    for (size_t at = list.find(word); at != npos; at = list.find(word, at + 1)) {
        const size_t end = at + word.size();
        if ((at == 0 || list[at - 1] == ' ') && (end == list.size() || list[end] == ' ')) return true;
    }
    return false;
}

// Code that is no mod's: the game's (its types have no namespace, or one of its own), the
// engine's, the runtime's, the loader's and Harmony's, and the SDKs the game ships.
bool noMods(string_view ns) {
    static constexpr string_view roots =
        "Unity UnityEngine UnityEngineInternal UnityStandardAssets TMPro System Mono MonoMod Microsoft "
        "BepInEx "
        "HarmonyLib Harmony Steamworks PlayFab PartyCSharpSDK Backtrace Splatform GUIFramework "
        "SoftReferenceableAssets UserManagement";
    static constexpr string_view gameNamespaces = "Valheim.SettingsGui Valheim.UI";
    if (ns.empty() || listed(roots, ns.substr(0, ns.find('.')))) return true;
    const size_t second = ns.find('.', ns.find('.') + 1);
    return ns.find('.') != npos && listed(gameNamespaces, ns.substr(0, second));
}

// "MissingMethodException" of "MissingMethodException: bool …", of "… => System.Reflection.
// ReflectionTypeLoadException: …" or of a bare "NullReferenceException".
string_view exceptionType(string_view s) {
    static constexpr string_view word = "Exception";
    for (size_t at = s.find(word); at != npos; at = s.find(word, at + 1)) {
        const size_t end = at + word.size();
        if (end < s.size() && s[end] != ':' && s[end] != ' ') continue;
        if (end < s.size() && s[end] == ' ' && !(end + 1 < s.size() && s[end + 1] == '(')) continue;
        size_t begin = at;
        while (begin > 0 && (std::isalnum(uchar(s[begin - 1])) || s[begin - 1] == '_' || s[begin - 1] == '.'))
            --begin;
        string_view type = s.substr(begin, end - begin);
        const size_t dot = type.rfind('.');
        if (dot != npos) type.remove_prefix(dot + 1);
        if (type.size() > word.size()) return type;
    }
    return {};
}

// A version check's "MagicOverhaul1.5.2": the mod and its version, told apart where the
// trailing version begins.
std::pair<QString, std::optional<QString>> taggedMod(string_view tag) {
    size_t at = tag.size();
    while (at > 0 && (digit(tag[at - 1]) || tag[at - 1] == '.'))
        --at;
    while (at < tag.size() && tag[at] == '.')
        ++at;
    if (at == tag.size() || at == 0) return {text(tag), std::nullopt};
    string_view name = tag.substr(0, at);
    if (name.ends_with('v') || name.ends_with('V')) name.remove_suffix(1);
    return {text(trimmed(name)), text(tag.substr(at))};
}

// A listed mod: "Epic Loot 0.10.2", "Epic Loot (0.10.2)", "Epic Loot v0.10.2" or a bare name.
std::pair<QString, std::optional<QString>> listedMod(string_view item) {
    item = trimmed(item);
    if (item.starts_with("- ") || item.starts_with("* ")) item = trimmed(item.substr(2));
    if (item.ends_with(')')) {
        const size_t open = item.rfind('(');
        if (open != npos) {
            string_view version = item.substr(open + 1, item.size() - open - 2);
            if (version.starts_with('v')) version.remove_prefix(1);
            return {text(trimmed(item.substr(0, open))), text(trimmed(version))};
        }
    }
    const size_t space = item.rfind(' ');
    if (space != npos) {
        string_view version = item.substr(space + 1);
        if (version.starts_with('v')) version.remove_prefix(1);
        if (!version.empty() && digit(version.front()))
            return {text(trimmed(item.substr(0, space))), text(version)};
    }
    return {text(item), std::nullopt};
}

} // namespace

struct Parser::State {
    LaunchReport report;
    int lineNo = 0;
    QHash<QString, qsizetype> pluginByKey;  // "Name Version"
    QHash<QString, qsizetype> pluginByName; // normalized name; the first plugin of a name wins
    QHash<QString, qsizetype> findingByKey, messageByKey, connectionByKey;
    Finding overflow;             // stands in for new findings past their bound, read by no one
    std::array<char, 19> clock{}; // the game's last clock reading
    bool clockSeen = false;
    bool clockWanted = false; // the chainloader finished before any clock reading

    // The entry being read: its first line, then what its further lines showed.
    struct Open {
        bool active = false;
        Entry entry;
        std::string line; // the first line, kept: the entry's views point into it
        int lineNo = 0;
        bool handled = false;        // a loader or connection line, done with at its first line
        qsizetype afterLoading = -1; // the plugin whose "Loading" line came just before
        qsizetype loading = -1;      // this is that plugin's "Loading" line
        bool marker = false;         // "Stack trace:" seen
        bool trace = false;
        int traceLines = 0;
        bool patch = false;
        std::string exceptionType;
        std::string modType; // the first frame in a mod's code
        std::string dmdType; // a mod type inside a patched method's wrapper
        bool fromLoader = false, addComponent = false;
        qsizetype list = -1; // a version check's list of mods, its names on the lines that follow
        LaunchReport::Lack::Side listSide = LaunchReport::Lack::Side::server;
        int listed = 0;
    } open;

    void feed(string_view line);
    void start();
    void more(string_view line);
    void close();

    void loaderLine(string_view s);
    bool connectionLine(string_view s);
    qsizetype plugin(const QString& name, const QString& version, LaunchReport::Plugin::Outcome outcome);
    Finding& finding(const QString& key, Kind kind, Attribution attribution, bool& added);
    void loaderFinding(Kind kind, string_view bracket, const QString& reason,
                       const QList<LaunchReport::Requirement>& required = {});
    void traceFinding();
    void message();
    Connection* connection(Connection::Kind kind, string_view s);
    std::optional<std::pair<qsizetype, QString>> pluginOfNamespace(string_view ns) const;
};

void Parser::State::feed(string_view line) {
    ++lineNo;
    if (lineNo == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    if (!entryOf(line)) {
        if (open.active) more(line);
        return;
    }
    const qsizetype afterLoading = open.active ? open.loading : -1;
    close();
    std::string kept = std::move(open.line); // its buffer serves every entry
    open = Open();
    open.line = std::move(kept);
    open.line.assign(line);
    open.entry = *entryOf(open.line); // views into the kept copy
    open.active = true;
    open.lineNo = lineNo;
    open.afterLoading = afterLoading;
    start();
}

void Parser::State::start() {
    const Entry& entry = open.entry;
    const string_view s = entry.text;
    if (entry.source == "Unity Log" && startsWithClock(s)) {
        std::copy(s.begin(), s.begin() + 19, clock.begin());
        clockSeen = true;
        if (clockWanted) {
            report.completedAt = QDateTime::fromString(QString::fromLatin1(clock.data(), 19),
                                                       QStringLiteral("MM/dd/yyyy HH:mm:ss"));
            clockWanted = false;
        }
    }
    if (entry.source == "BepInEx") {
        loaderLine(s);
        return;
    }
    if (connectionLine(withoutClock(s))) {
        open.handled = true;
        return;
    }
    if (entry.source == "HarmonyX" && entry.level >= Level::error && s.starts_with("Failed to patch"))
        open.patch = true;
    if (has(s, "HarmonyException") || has(s, "Undefined target method for patch method")) open.patch = true;
    open.exceptionType = exceptionType(s);
}

void Parser::State::more(string_view line) {
    if (open.handled && open.list < 0) return;
    if (open.list >= 0) {
        // A version check's list goes on one name a line until a blank line.
        const string_view name = trimmed(line);
        if (name.empty() || open.listed >= maxListedMods) {
            open.list = -1;
            return;
        }
        auto [mod, version] = listedMod(name);
        report.connections[open.list].lacks << Lack{open.listSide, mod, version, std::nullopt};
        ++open.listed;
        return;
    }
    if (++open.traceLines > maxTraceLines) return;
    const string_view s = trimmed(line);
    if (s == "Stack trace:") {
        open.marker = open.trace = true;
        return;
    }
    if (has(s, "HarmonyException")) open.patch = true;
    const auto frame = frameOf(line, open.marker);
    if (!frame) {
        if (open.exceptionType.empty() && !open.trace) open.exceptionType = exceptionType(s);
        return;
    }
    open.trace = true;
    if (frame->type.starts_with("BepInEx.Bootstrap.Chainloader")) open.fromLoader = true;
    if (has(s, "AddComponent")) open.addComponent = true;
    if (!open.modType.empty() || noMods(namespaceOf(frame->type))) return;
    if (frame->wrapper) {
        if (open.dmdType.empty()) open.dmdType = frame->type;
    } else {
        open.modType = frame->type;
    }
}

void Parser::State::close() {
    if (!open.active) return;
    open.active = false;
    if (open.handled) return;
    const Level level = open.entry.level;
    const bool serious = level >= Level::warning;
    if ((open.trace || open.patch) && (serious || !open.modType.empty() || !open.dmdType.empty())) {
        traceFinding();
        return;
    }
    if (level >= Level::error ||
        (level == Level::warning && open.entry.source != "Unity Log" && open.entry.source != "HarmonyX"))
        message();
}

qsizetype Parser::State::plugin(const QString& name, const QString& version,
                                LaunchReport::Plugin::Outcome outcome) {
    const QString key = version.isEmpty() ? name : name + QLatin1Char(' ') + version;
    if (const auto found = pluginByKey.constFind(key); found != pluginByKey.cend()) {
        // A copy skipped for a newer one and the copy loaded share their name: loading wins.
        auto& known = report.plugins[*found];
        if (outcome != LaunchReport::Plugin::Outcome::skipped) known.outcome = outcome;
        return *found;
    }
    if (report.plugins.size() >= maxPlugins) return -1;
    report.plugins << LaunchReport::Plugin{name, version, outcome, lineNo};
    pluginByKey.insert(key, report.plugins.size() - 1);
    const QString plain = normalized(name.toStdString());
    if (!plain.isEmpty() && !pluginByName.contains(plain))
        pluginByName.insert(plain, report.plugins.size() - 1);
    return report.plugins.size() - 1;
}

Finding& Parser::State::finding(const QString& key, Kind kind, Attribution attribution, bool& added) {
    const auto found = findingByKey.constFind(key);
    added = found == findingByKey.cend();
    if (!added) {
        ++report.findings[*found].count;
        return report.findings[*found];
    }
    if (report.findings.size() >= maxFindings) {
        added = false;
        overflow = Finding();
        return overflow;
    }
    Finding f;
    f.kind = kind;
    f.attribution = attribution;
    f.evidence = text(open.line);
    f.line = open.lineNo;
    f.count = 1;
    f.level = open.entry.level;
    report.findings << f;
    findingByKey.insert(key, report.findings.size() - 1);
    return report.findings.last();
}

void Parser::State::loaderFinding(Kind kind, string_view bracket, const QString& reason,
                                  const QList<LaunchReport::Requirement>& required) {
    auto [name, version] = nameAndVersion(bracket);
    bool added = false;
    Finding& f = finding(QString::number(int(kind)) + QLatin1Char('|') + name + QLatin1Char(' ') + version,
                         kind, Attribution::loader, added);
    if (!added) return;
    f.plugin = name;
    f.version = version;
    f.reason = reason;
    f.requirements = required;
}

void Parser::State::loaderLine(string_view s) {
    using Outcome = LaunchReport::Plugin::Outcome;
    open.handled = true;
    if (const auto b = bracketed(s, "Loading [")) {
        auto [name, version] = nameAndVersion(b->first);
        open.loading = plugin(name, version, Outcome::loaded);
    } else if (const auto b = bracketed(s, "Skipping [")) {
        auto [name, version] = nameAndVersion(b->first);
        const string_view why = trimmed(b->second);
        if (has(why, "dependency that was not loaded")) {
            plugin(name, version, Outcome::notLoaded);
            loaderFinding(Kind::dependencyNotLoaded, b->first, QString());
        } else {
            // Client-only plugins on a server ("because of process filters"), the older of two copies.
            plugin(name, version, Outcome::skipped);
            if (has(why, "newer version exists")) {
                string_view kept = why.substr(why.find('(') == npos ? why.size() : why.find('(') + 1);
                if (kept.ends_with(')')) kept.remove_suffix(1);
                loaderFinding(Kind::newerVersionExists, b->first, text(kept));
            }
        }
    } else if (const auto b = bracketed(s, "Plugin [")) {
        string_view target = trimmed(b->second);
        if (!has(target, "wrong version of BepInEx")) return;
        const size_t from = target.find('('), to = target.find(')');
        target =
            from != npos && to != npos && to > from ? target.substr(from + 1, to - from - 1) : string_view();
        loaderFinding(Kind::wrongBepInEx, b->first, text(target));
    } else if (const auto b = bracketed(s, "Could not load [")) {
        auto [name, version] = nameAndVersion(b->first);
        plugin(name, version, Outcome::notLoaded);
        const string_view why = trimmed(b->second);
        const size_t colon = why.find(':');
        const auto listed = requirements(colon == npos ? string_view() : why.substr(colon + 1));
        if (has(why, "missing dependencies"))
            loaderFinding(Kind::missingDependency, b->first, QString(), listed);
        else if (has(why, "incompatible with"))
            loaderFinding(Kind::incompatible, b->first, QString(), listed);
        else
            loaderFinding(Kind::loadError, b->first, text(why));
    } else if (const auto b = bracketed(s, "Error loading [")) {
        auto [name, version] = nameAndVersion(b->first);
        plugin(name, version, Outcome::notLoaded);
        string_view why = trimmed(b->second);
        if (why.starts_with(':')) why = trimmed(why.substr(1));
        loaderFinding(Kind::loadError, b->first, text(why));
    } else if (s == "Chainloader startup complete") {
        report.chainloaderComplete = true;
        if (clockSeen)
            report.completedAt = QDateTime::fromString(QString::fromLatin1(clock.data(), 19),
                                                       QStringLiteral("MM/dd/yyyy HH:mm:ss"));
        else
            clockWanted = true;
    } else if (s.starts_with("BepInEx ") && !report.bepInEx) {
        // "BepInEx 5.4.22.0 - valheim_server (11/11/2024 10:23:24 PM)"
        const string_view rest = s.substr(8);
        report.bepInEx = text(rest.substr(0, rest.find(' ')));
        const size_t dash = rest.find(" - ");
        if (dash != npos) report.server = rest.substr(dash + 3).starts_with("valheim_server");
    } else if (s.starts_with("User is running BepInExPack") && !report.pack) {
        const size_t at = s.find(" version ");
        if (at != npos) report.pack = text(s.substr(at + 9, s.find(' ', at + 9) - at - 9));
    } else if (s.starts_with("Running under Unity ") && !report.unity) {
        string_view version = trimmed(s.substr(20));
        if (version.starts_with('v')) version.remove_prefix(1);
        report.unity = text(version);
    } else if (s.starts_with("System platform: ") && !report.platform) {
        const size_t comma = s.find(", ");
        report.platform = text(trimmed(comma == npos ? s.substr(17) : s.substr(comma + 2)));
    } else if (s.ends_with(" to load") && !s.empty() && digit(s.front()) && !report.pluginsToLoad) {
        report.pluginsToLoad = number(s);
    } else {
        open.handled = false; // not one of the loader's lines about plugins: read as any other
        open.exceptionType = exceptionType(s);
    }
}

// The game's version line and the lines about connections; true for the connection lines.
bool Parser::State::connectionLine(string_view s) {
    using Side = Lack::Side;
    if (open.entry.source == "Unity Log") {
        if (!report.gameVersion && s.starts_with("Valheim version:")) {
            const string_view rest = trimmed(s.substr(16));
            report.gameVersionText = text(rest);
            for (size_t at = 0; at < rest.size(); ++at) {
                if (!digit(rest[at])) continue;
                size_t end = at, dots = 0;
                while (end < rest.size() && (digit(rest[end]) || (rest[end] == '.' && dots < 2 && ++dots)))
                    ++end;
                if (dots == 2) {
                    report.gameVersion = text(rest.substr(at, end - at));
                    break;
                }
                at = end;
            }
            const size_t network = rest.find("network version ");
            if (network != npos) report.networkVersion = number(rest.substr(network + 16));
            return false;
        }
        if (s.starts_with("Lost connection to server:")) {
            if (Connection* c = connection(Connection::Kind::lost, s))
                c->reason = text(trimmed(s.substr(26)));
            return true;
        }
        if (trimmed(s) == "RPC_Disconnect") {
            connection(Connection::Kind::disconnected, s);
            return true;
        }
        const size_t mine = s.find(" has incompatible version, mine:");
        if (s.starts_with("Peer ") && mine != npos) {
            Connection* c = connection(Connection::Kind::incompatibleVersion, s);
            if (!c || c->count > 1) return true;
            const string_view versions = s.substr(mine + 32);
            const size_t remoteAt = versions.find(" remote");
            const string_view ours = trimmed(versions.substr(0, remoteAt));
            string_view theirs = remoteAt == npos ? string_view() : versions.substr(remoteAt + 7);
            if (theirs.starts_with(':')) theirs.remove_prefix(1);
            theirs = trimmed(theirs);
            // The game's version first, then one tag per mod that adds itself, joined by "-".
            const auto split = [](string_view v) {
                std::vector<string_view> parts;
                for (size_t dash = v.find('-');; dash = v.find('-')) {
                    parts.push_back(v.substr(0, dash));
                    if (dash == npos) break;
                    v.remove_prefix(dash + 1);
                }
                return parts;
            };
            const auto a = split(ours), b = split(theirs);
            if (a.front() != b.front()) c->reason = text(a.front()) + QStringLiteral(" / ") + text(b.front());
            // This side's is "mine": a server's log speaks for the server.
            const Side here = report.server ? Side::server : Side::client;
            const Side there = report.server ? Side::client : Side::server;
            using Tags = QList<std::pair<QString, std::optional<QString>>>;
            const auto tags = [](const std::vector<string_view>& v) {
                Tags list;
                for (size_t i = 1; i < v.size(); ++i)
                    list << taggedMod(v[i]);
                return list;
            };
            const auto find = [](const Tags& list, const QString& mod) {
                return std::find_if(list.cbegin(), list.cend(),
                                    [&](const auto& t) { return t.first == mod; });
            };
            const Tags hereTags = tags(a), thereTags = tags(b);
            for (const auto& [mod, version] : thereTags) {
                const auto mine = find(hereTags, mod);
                if (mine == hereTags.cend())
                    c->lacks << Lack{here, mod, version, std::nullopt};
                else if (mine->second != version) // the client is the side that changes
                    c->lacks << Lack{Side::client, mod, report.server ? mine->second : version,
                                     report.server ? version : mine->second};
            }
            for (const auto& [mod, version] : hereTags) {
                if (find(thereTags, mod) == thereTags.cend())
                    c->lacks << Lack{there, mod, version, std::nullopt};
            }
            return true;
        }
    }
    // Jotunn's version check: each of its warnings, and where one says what a side has to
    // install (or update, or remove), the mods listed on that line and the lines after it.
    static constexpr string_view listLead = "Mods that need to be ";
    const size_t at = s.find(listLead);
    const string_view source = open.entry.source;
    if (at != npos || (source.starts_with("Jotunn") && has(source, "ModCompatibility") &&
                       open.entry.level >= Level::warning)) {
        Connection* c = connection(Connection::Kind::modsListed, s);
        string_view rest = at == npos ? string_view() : s.substr(at + listLead.size());
        const size_t on = rest.find(" on the ");
        if (!c || c->count > 1 || on == npos) return true;
        c->reason = text(rest.substr(0, on));
        rest.remove_prefix(on + 8);
        open.list = report.connections.size() - 1;
        open.listSide = rest.starts_with("server") ? Side::server : Side::client;
        const size_t colon = rest.find(':');
        string_view names = colon == npos ? string_view() : trimmed(rest.substr(colon + 1));
        while (!names.empty()) {
            const size_t comma = names.find(", ");
            auto [mod, version] = listedMod(names.substr(0, comma));
            c->lacks << Lack{open.listSide, mod, version, std::nullopt};
            names = comma == npos ? string_view() : names.substr(comma + 2);
        }
        return true;
    }
    // ServerSync's: "Server expects you to have {Mod} (Version: v) installed." and "{Mod} needs
    // to be at least version v. You have version w."
    static constexpr string_view expects = "Server expects you to have ";
    if (const size_t at = s.find(expects); at != npos) {
        string_view rest = s.substr(at + expects.size());
        const size_t paren = rest.find(" (Version: ");
        if (paren == npos) return false;
        Connection* c = connection(Connection::Kind::modRequired, s);
        if (!c || c->count > 1) return true;
        string_view version = rest.substr(paren + 11);
        version = version.substr(0, version.find(')'));
        c->lacks << Lack{Side::client, text(trimmed(rest.substr(0, paren))), text(trimmed(version)),
                         std::nullopt};
        return true;
    }
    static constexpr string_view atLeast = " needs to be at least version ";
    if (const size_t at = s.find(atLeast); at != npos) {
        const size_t have = s.find(". You have version ", at);
        if (have == npos) return false;
        Connection* c = connection(Connection::Kind::modRequired, s);
        if (!c || c->count > 1) return true;
        string_view mod = trimmed(s.substr(0, at));
        if (mod.starts_with("Mod ")) mod.remove_prefix(4);
        string_view present = trimmed(s.substr(have + 19));
        if (present.ends_with('.')) present.remove_suffix(1);
        c->lacks << Lack{Side::client, text(mod),
                         text(trimmed(s.substr(at + atLeast.size(), have - at - atLeast.size()))),
                         text(present)};
        return true;
    }
    return false;
}

Connection* Parser::State::connection(Connection::Kind kind, string_view s) {
    const QString key = QString::number(int(kind)) + QLatin1Char('|') + text(withoutClock(s));
    if (const auto found = connectionByKey.constFind(key); found != connectionByKey.cend()) {
        ++report.connections[*found].count;
        return &report.connections[*found];
    }
    if (report.connections.size() >= maxConnections) return nullptr;
    Connection c;
    c.kind = kind;
    c.evidence = text(open.line);
    c.line = open.lineNo;
    c.count = 1;
    report.connections << c;
    connectionByKey.insert(key, report.connections.size() - 1);
    return &report.connections.last();
}

std::optional<std::pair<qsizetype, QString>> Parser::State::pluginOfNamespace(string_view ns) const {
    // The whole namespace or a leading part of it ("Digitalroot.Valheim.Trinkets"), then any one
    // part ("SimpleRecycling" of "ABearCodes.Valheim.SimpleRecycling.UI", "PlantEverything" of
    // "Advize_PlantEverything").
    std::vector<size_t> ends;
    for (size_t dot = ns.find('.'); dot != npos; dot = ns.find('.', dot + 1))
        ends.push_back(dot);
    ends.push_back(ns.size());
    for (auto end = ends.crbegin(); end != ends.crend(); ++end) {
        const auto found = pluginByName.constFind(normalized(ns.substr(0, *end)));
        if (found != pluginByName.cend()) return std::pair(*found, text(ns.substr(0, *end)));
    }
    size_t begin = 0;
    for (size_t end = ns.find_first_of("._"); begin <= ns.size(); end = ns.find_first_of("._", begin)) {
        if (end == npos) end = ns.size();
        const auto found = pluginByName.constFind(normalized(ns.substr(begin, end - begin)));
        if (found != pluginByName.cend()) return std::pair(*found, text(ns.substr(0, end)));
        begin = end + 1;
    }
    return std::nullopt;
}

void Parser::State::traceFinding() {
    const Kind kind = open.patch ? Kind::patchFailed : Kind::exception;
    Attribution attribution = Attribution::none;
    qsizetype pluginIndex = -1;
    QString where;
    const string_view modType = !open.modType.empty() ? string_view(open.modType) : string_view(open.dmdType);
    if (!modType.empty()) {
        const string_view ns = namespaceOf(modType);
        if (const auto found = pluginOfNamespace(ns)) {
            pluginIndex = found->first;
            where = found->second;
            attribution = open.modType.empty() ? Attribution::dmdWrapper : Attribution::stack;
        } else {
            where = text(ns);
        }
    } else if (open.afterLoading >= 0 && open.fromLoader && open.addComponent) {
        pluginIndex = open.afterLoading;
        attribution = Attribution::context;
    }
    const QString type = text(open.exceptionType);
    QString key = QString::number(int(kind)) + QLatin1Char('|');
    if (pluginIndex >= 0) {
        const auto& p = report.plugins[pluginIndex];
        key += p.name + QLatin1Char(' ') + p.version;
    } else {
        // Unattributed failures are told apart by the code they ran in, else by their text.
        key += QStringLiteral("?|") + (where.isEmpty() ? text(withoutClock(open.entry.text)) : where);
    }
    bool added = false;
    Finding& f = finding(key, kind, attribution, added);
    if (!added) return;
    f.where = where;
    f.reason = type;
    if (pluginIndex >= 0) {
        f.plugin = report.plugins[pluginIndex].name;
        f.version = report.plugins[pluginIndex].version;
        // A plugin whose own start failed never ran, whatever the loader's line said.
        if (attribution == Attribution::context)
            report.plugins[pluginIndex].outcome = LaunchReport::Plugin::Outcome::notLoaded;
    }
}

void Parser::State::message() {
    const QString said = text(withoutClock(open.entry.text));
    const QString source = text(open.entry.source);
    const QString key =
        QString::number(int(open.entry.level)) + QLatin1Char('|') + source + QLatin1Char('|') + said;
    if (const auto found = messageByKey.constFind(key); found != messageByKey.cend()) {
        ++report.messages[*found].count;
        return;
    }
    if (report.messages.size() >= maxMessages) return;
    report.messages << LaunchReport::Message{open.entry.level, source, said, text(open.line), open.lineNo, 1};
    messageByKey.insert(key, report.messages.size() - 1);
}

Parser::Parser() : m(std::make_unique<State>()) {}
Parser::~Parser() = default;

void Parser::feed(string_view line) {
    m->feed(line.size() > size_t(maxLine) ? line.substr(0, size_t(maxLine)) : line);
}

LaunchReport Parser::finish() {
    m->close();
    return std::move(m->report);
}

LaunchReport parse(const QByteArray& text) {
    Parser parser;
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf('\n', from);
        if (end < 0) end = text.size();
        string_view line(text.constData() + from, size_t(end - from));
        if (line.ends_with('\r')) line.remove_suffix(1);
        parser.feed(line);
        from = end + 1;
    }
    return parser.finish();
}

std::optional<LaunchReport> readFile(const QString& path) {
    Parser parser;
    if (!Fs::readLines(path, maxLine, [&](string_view line) {
            parser.feed(line);
            return true;
        }))
        return std::nullopt;
    LaunchReport report = parser.finish();
    report.file = path;
    report.written = Fs::modificationTime(path);
    return report;
}

std::optional<LaunchReport> read(const QString& gameDir) {
    const QString first = Fs::join(gameDir, Outside::logFile);
    const QString second = first + QStringLiteral(".1");
    const auto firstDate = Fs::modificationTime(first), secondDate = Fs::modificationTime(second);
    if (secondDate && (!firstDate || *secondDate > *firstDate)) return readFile(second);
    if (firstDate) return readFile(first);
    return std::nullopt;
}

} // namespace LaunchLog
