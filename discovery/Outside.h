#pragma once

#include <QString>
#include <QStringList>

// Names, paths and keys of the programs and files Skaldrun works with but does not make:
// the Steam client, the game, the BepInEx loader with its Doorstop injector, and
// ShaderHelperForMac. Relative paths are appended to the folder named in each comment.
namespace Outside {

// --- Steam (relative to the home folder, then to Steam's data folder) ---
inline const QString steamDataDir = QStringLiteral("Library/Application Support/Steam");
inline const QString libraryFoldersVdf = QStringLiteral("config/libraryfolders.vdf");
inline const QString userDataDir = QStringLiteral("userdata");
inline const QString localConfigVdf = QStringLiteral("config/localconfig.vdf"); // in each userdata/{account}
inline const QString gameInLibrary = QStringLiteral("steamapps/common/Valheim");
inline const QString libraryCommonDir = QStringLiteral("steamapps/common");
inline const QString valheimAppID = QStringLiteral("892970");
inline const QString steamLaunchLinkPrefix = QStringLiteral("steam://rungameid/");
inline const QString steamBundleIdentifier = QStringLiteral("com.valvesoftware.steam");

// --- Steam on Linux (relative to the home folder, then to each data folder) ---
// The native client (the Steam Deck's too) and its links, Flatpak's, Snap's; the first existing
// one of each is where Steam keeps its settings and its default library.
inline const QStringList linuxSteamRoots = {
    QStringLiteral(".local/share/Steam"),
    QStringLiteral(".steam/steam"),
    QStringLiteral(".steam/root"),
    QStringLiteral(".steam/debian-installation"),
    QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam"),
    QStringLiteral(".var/app/com.valvesoftware.Steam/.steam/steam"),
    QStringLiteral("snap/steam/common/.local/share/Steam"),
    QStringLiteral("snap/steam/common/.steam/steam")};
inline const QString steamAppsDir = QStringLiteral("steamapps");
inline const QString steamAppsLibraryFoldersVdf = QStringLiteral("steamapps/libraryfolders.vdf");
inline const QString loginUsersVdf = QStringLiteral("config/loginusers.vdf");
// What the Windows build needs in its launch options for the pack's winhttp.dll to load.
inline const QString protonLaunchOptions = QStringLiteral("WINEDLLOVERRIDES=\"winhttp=n,b\" %command%");

// --- The game (relative to its app bundle) ---
inline const QString bundleInfoPlist = QStringLiteral("Contents/Info.plist");
inline const QString bundleExecutableKey = QStringLiteral("CFBundleExecutable");
inline const QString bundleExecutableDir = QStringLiteral("Contents/MacOS");
inline const QString consoleArgument = QStringLiteral("-console");

// --- The Linux builds (relative to their folder) ---
inline const QString linuxClientExecutable = QStringLiteral("valheim.x86_64");
inline const QString serverExecutable = QStringLiteral("valheim_server.x86_64");
// The dedicated server's process, whatever its suffix: ".x86_64" on Linux, ".exe" under Proton
// or Wine, none in a Mac build.
inline const QString serverProcessName = QStringLiteral("valheim_server");
inline const QString windowsClientExecutable = QStringLiteral("valheim.exe"); // the Proton build

// --- The BepInEx pack, installed (relative to the game folder) ---
inline const QString bepCoreDll = QStringLiteral("BepInEx/core/BepInEx.dll");
inline const QString doorstopDylib = QStringLiteral("doorstop_libs/libdoorstop_x64.dylib");
inline const QString doorstopSo = QStringLiteral("doorstop_libs/libdoorstop_x64.so"); // Linux builds
inline const QStringList scriptNames = {QStringLiteral("start_game_bepinex.sh"),
                                        QStringLiteral("run_bepinex.sh")};
inline const QString defaultScriptName = QStringLiteral("start_game_bepinex.sh");
inline const QString serverScriptName = QStringLiteral("start_server_bepinex.sh");
inline const QString doorstopConfig = QStringLiteral("doorstop_config.ini");
inline const QString winhttpDll = QStringLiteral("winhttp.dll");
inline const QString doorstopVersion = QStringLiteral(".doorstop_version");
inline const QString changelog = QStringLiteral("changelog.txt");
inline const QString doorstopLibsDir = QStringLiteral("doorstop_libs");
inline const QString bepInExDir = QStringLiteral("BepInEx");
inline const QString pluginsDir = QStringLiteral("BepInEx/plugins");
inline const QString configDir = QStringLiteral("BepInEx/config");
inline const QString logFile = QStringLiteral("BepInEx/LogOutput.log");
// The line BepInEx logs about the system it runs on ("System platform: Bits64, Linux").
inline const QString logPlatformLine = QStringLiteral("System platform:");
// The positional test of the old client script, and what the runtime-proof ones use instead.
inline const QString oldSteamLaunchTest = QStringLiteral("[ \"$2\" = \"SteamLaunch\" ]");
inline const QStringList runtimeProofMarkers = {QStringLiteral("steam_arg_helper"),
                                                QStringLiteral("${PWD%/}")};
inline const QString loaderConfigName = QStringLiteral("BepInEx.cfg"); // BepInEx's own, in configDir

// --- The launch script's settings ---
inline const QString shippedExecutableLine = QStringLiteral("executable_name=\"valheim.x86_64\"");
inline const QString emptyExecutableLine = QStringLiteral("executable_name=\"\"");
inline const QString executableLinePrefix = QStringLiteral("executable_name=");
inline const QString archMarker = QStringLiteral("ARCHPREFERENCE");

// --- Saves (relative to the home folder) ---
inline const QString savesDir = QStringLiteral("Library/Application Support/IronGate/Valheim");
inline const QString linuxSavesDir = QStringLiteral(".config/unity3d/IronGate/Valheim");
inline const QStringList saveSubdirs = {QStringLiteral("worlds_local"), QStringLiteral("characters_local"),
                                        QStringLiteral("worlds"), QStringLiteral("characters")};

// --- ShaderHelperForMac ---
inline const QString shaderBaselineCache = QStringLiteral(
    "BepInEx/config/ShaderHelperForMac/_vanilla_baseline.cache"); // relative to the game folder
inline const QString shaderCaptureCommand = QStringLiteral("shaderhelper capturevanilla");

} // namespace Outside
