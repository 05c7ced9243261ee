#include "app/Snapshot.h"

#include "discovery/Outside.h"
#include "discovery/PEVersion.h"
#include "discovery/Quarantine.h"
#include "discovery/Steam.h"
#include "discovery/Sys.h"
#include "install/Change.h"
#include "install/InstallRecords.h"
#include "install/Installer.h"
#include "install/Profiles.h"
#include "platform/Defaults.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

namespace {

// Where to look: the remembered folder, unless it has lost its game and Steam knows better. A
// folder named for this session is kept even then: a command must never change another one.
std::optional<QString> settleFolder(const std::optional<QString>& remembered, Platform platform,
                                    bool pinned) {
    std::optional<QString> dir = remembered ? remembered : Steam::findValheim(platform);
    if (dir && remembered && !pinned && !Steam::isValheimFolder(*dir)) {
        if (auto found = Steam::findValheim(platform)) dir = found;
    }
    return dir;
}

void probeGameFolder(const QString& d, Platform platform, Snapshot& s) {
    const bool onLinux = platform == Platform::linuxOS;
    // The Linux builds have no bundle; their executable stands in for it, and they load the
    // injector's Linux library. A server's script names its executable itself.
    const auto bundle = Steam::valheimAppBundle(d);
    const bool server = Steam::isDedicatedServer(d);
    if (bundle)
        s.appBundleName = Fs::fileName(*bundle);
    else if (const QString program = server ? Outside::serverExecutable : Outside::linuxClientExecutable;
             Fs::exists(Fs::join(d, program)))
        s.appBundleName = program;
    else
        s.windowsBuild = onLinux && Steam::isWindowsBuild(d);

    const QString dll = Fs::join(d, Outside::bepCoreDll);
    const QString injector = Fs::join(d, bundle ? Outside::doorstopDylib : Outside::doorstopSo);
    const std::optional<QString> script = Steam::bepScript(d);
    if (script) s.scriptName = Fs::fileName(*script);
    s.bepFilesPresent = Fs::exists(dll) && Fs::exists(injector) && script.has_value();

    if (script) {
        s.scriptExecutable = Fs::isExecutable(*script);
        if (auto text = Fs::tryReadUtf8(*script)) {
            // The pack ships the script naming the Linux executable: right as it is on Linux.
            s.scriptNameConfigured = server || (onLinux && !bundle) ||
                                     (!text->contains(Outside::shippedExecutableLine) &&
                                      !text->contains(Outside::emptyExecutableLine));
            // Only a script that really starts the Intel slice counts; the first fix's
            // ARCHPREFERENCE line alone never did.
            s.archConfigured = Installer::startsIntelSlice(*text);
            s.scriptPredatesRuntime = onLinux && !server && Steam::scriptPredatesRuntime(*text);
        }
    }

    if (s.bepFilesPresent) {
        // The pack's own version is remembered at install; reading the DLL is the fallback.
        s.bepVersion = InstallRecords::loaderVersion(d);
        if (!s.bepVersion) s.bepVersion = PEVersion::fileVersion(dll);
        if (!onLinux) s.quarantineCount = Quarantine::flaggedCount(d); // a macOS flag only
    }

    const QString log = Fs::join(d, Outside::logFile);
    s.logDate = Fs::modificationTime(log);
    if (s.logDate && onLinux) {
        const QString text = QString::fromUtf8(Fs::tryRead(log).value_or(QByteArray()));
        const qsizetype at = text.indexOf(Outside::logPlatformLine);
        s.logSaysLinux =
            at >= 0 &&
            text.mid(at, text.indexOf(QLatin1Char('\n'), at) - at).contains(QLatin1String("Linux"));
    }
    // An interrupted profile switch is finished, and an interrupted install, update or import
    // undone, before the plugins are read, or they'd show a half-moved set.
    try {
        Profiles::recover(d);
    } catch (const SkaldrunError& e) {
        qCDebug(lcInstall) << e.message();
    }
    Change::recover(d);
    s.profiles = Profiles::list(d);
    s.activeProfile = Profiles::active(d);
    s.mods = ModScanner::scan(d);
    if (auto stashed = Fs::list(Installer::captureStashDir(d)))
        s.captureStashCount = int(stashed->size() - stashed->count(QStringLiteral(".DS_Store")));
    s.shaderCacheDate = Fs::modificationTime(Fs::join(d, Outside::shaderBaselineCache));
}

} // namespace

ProbeResult probeStatus(const std::optional<QString>& rememberedGameDir, Platform platform, bool appleSilicon,
                        bool pinned) {
    ProbeResult result;
    result.dir = settleFolder(rememberedGameDir, platform, pinned);
    Snapshot& s = result.snapshot;
    if (result.dir) probeGameFolder(*result.dir, platform, s);

    s.rosettaOK = platform == Platform::linuxOS || !appleSilicon || Sys::rosettaInstalled();
    s.launchDetected = Steam::launchOptionsConfigured(platform);
    const QString saves = Installer::valheimSavesDir(platform);
    for (const QString& name : Installer::saveSubdirs) {
        if (Fs::exists(Fs::join(saves, name))) {
            s.savesPresent = true;
            break;
        }
    }
    if (auto latest = Installer::latestSaveBackup(Installer::saveBackupsRoot()))
        s.lastSaveBackupDate = Fs::modificationTime(*latest);
    return result;
}
