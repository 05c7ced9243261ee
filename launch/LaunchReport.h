#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// What BepInEx's log says about one launch of the game: the loader's and the game's versions,
// what became of each plugin and why, what broke afterwards and whose code it was, a mod's own
// complaints, and why a connection to or from a server ended. A plain value: LaunchLog reads it,
// ModNames finds the installed mods it is about, LaunchText says it in sentences.
struct LaunchReport {
    enum class Level { debug, info, message, warning, error, fatal };

    // A plugin the loader named: loaded (a "Loading [Name Version]" line), kept from loading by
    // the loader, or skipped (client-only on a server, or the older of two copies).
    struct Plugin {
        enum class Outcome { loaded, notLoaded, skipped };
        QString name;
        QString version;
        Outcome outcome = Outcome::loaded;
        int line = 0; // of the loader's first line about it

        bool operator==(const Plugin&) const = default;
    };

    // A dependency the loader found missing, or a plugin a plugin can't run beside, by GUID.
    struct Requirement {
        QString guid;
        std::optional<QString> minimumVersion;

        bool operator==(const Requirement&) const = default;
    };

    struct Finding {
        enum class Kind {
            missingDependency,   // "Could not load [X] because it has missing dependencies: …"
            incompatible,        // "Could not load [X] because it is incompatible with: …"
            dependencyNotLoaded, // "Skipping [X] because it has a dependency that was not loaded…"
            newerVersionExists,  // "Skipping [X] because a newer version exists (…)": often a second copy
            wrongBepInEx, // "Plugin [X] targets a wrong version of BepInEx (…)": it loads all the same
            loadError,    // "Error loading [X] : reason", the reason sometimes empty
            patchFailed,  // a Harmony patch that found no target or couldn't be applied
            exception     // any other entry carrying an exception and its stack trace
        };
        // Where the plugin's name comes from: the loader's own line; the first frame of the trace
        // that is neither the game's, the engine's, the runtime's nor the loader's; the plugin
        // whose "Loading" line the failure follows when the trace runs from the loader straight
        // into the plugin's start (its class couldn't even be built); the type inside a patched
        // method's wrapper when that is the only trace of a mod; or nothing.
        enum class Attribution { loader, stack, context, dmdWrapper, none };

        Kind kind = Kind::exception;
        Attribution attribution = Attribution::none;
        QString plugin;  // as the log names it; empty when nothing names a loaded plugin
        QString version; // as the log gives it, beside the name
        // The namespace the attribution rests on, up to the part that names the plugin; for an
        // unattributed failure, the namespace of its first frame that isn't the game's, if any.
        QString where;
        // The loader's reason after "Error loading [X] :", the copy kept instead of this one, the
        // BepInEx version targeted; for a failure with a trace, the exception's type.
        QString reason;
        QList<Requirement> requirements; // missing, or incompatible, plugins
        QString evidence;                // the first line of its first entry, as written
        int line = 0;                    // of that line, counted from 1
        int count = 0;                   // entries of this kind about this plugin
        Level level = Level::error;

        // The plugin never ran: the loader refused it or its start failed.
        bool keptFromLoading() const;
        // Worth a note, no more: the plugin runs (an outdated BepInEx target, a second copy).
        bool warningOnly() const;
        bool operator==(const Finding&) const = default;
    };

    // An error or warning a mod wrote itself, named by the log's source column; the game's own
    // warnings (source "Unity Log") and the loader's and Harmony's are left out.
    struct Message {
        Level level = Level::error;
        QString source;
        QString text; // the line's text, the game's clock left out
        QString evidence;
        int line = 0;
        int count = 0;

        bool operator==(const Message&) const = default;
    };

    // What one side of a connection lacks: a mod, or a mod at another version. The side named is
    // the one that has to change.
    struct Lack {
        enum class Side { server, client };
        Side side = Side::client;
        QString mod;
        std::optional<QString> wanted;  // the version the other side has or asks for
        std::optional<QString> present; // the version this side has, when it has one

        bool operator==(const Lack&) const = default;
    };

    struct Connection {
        enum class Kind {
            lost,                // the game's "Lost connection to server:<reason>"
            incompatibleVersion, // "Peer … has incompatible version, mine:… remote …"
            modsListed,          // Jotunn's version check: its warning, with the mods one side has to change
            modRequired,         // ServerSync's: one mod the client lacks, or has too old
            disconnected         // the game's "RPC_Disconnect"
        };
        Kind kind = Kind::lost;
        // "ErrorVersion", "ErrorConnectFailed" …; both game versions when they differ; what Jotunn
        // says the listed mods need to be ("installed", "updated" …)
        QString reason;
        QList<Lack> lacks;
        QString evidence;
        int line = 0;
        int count = 0;

        bool operator==(const Connection&) const = default;
    };

    QString file;                       // the log read
    std::optional<QDateTime> written;   // its modification date
    std::optional<QString> bepInEx;     // "5.4.22.0"
    std::optional<QString> pack;        // "5.4.2333": BepInExPack Valheim, from packs 5.4.21xx on
    std::optional<QString> unity;       // "2019.4.20.7197120"
    std::optional<QString> platform;    // "Windows", "Linux"
    bool server = false;                // the dedicated server's process
    std::optional<QString> gameVersion; // "0.221.12"
    std::optional<QString>
        gameVersionText; // after "Valheim version:" as written ("l-0.217.22", "0.208.1@0.9.9.8")
    std::optional<int> networkVersion;
    std::optional<int> pluginsToLoad; // counts the plugins skipped later too
    bool chainloaderComplete = false;
    std::optional<QDateTime> completedAt; // the game's clock at the chainloader's end, nearest line
    QList<Plugin> plugins;
    QList<Finding> findings; // in the order of their first lines
    QList<Message> messages;
    QList<Connection> connections;

    int loadedCount() const;
    // Every plugin ran and nothing broke: no finding beyond warnings, and the loader finished.
    bool clean() const;
    bool operator==(const LaunchReport&) const = default;
};
