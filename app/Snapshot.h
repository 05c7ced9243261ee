#pragma once

#include "inventory/ModScanner.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One complete result of the status probe: what the disk and Steam's files say right now.
// A new snapshot is all negative; the probe only ever fills in what it could establish.
struct Snapshot {
    std::optional<QString> appBundleName;
    bool windowsBuild = false; // Linux: the folder holds only valheim.exe, which Steam runs through Proton
    bool rosettaOK = false;
    bool bepFilesPresent = false;
    std::optional<QString> scriptName;
    bool scriptExecutable = false;
    bool scriptNameConfigured = false;
    bool archConfigured = false;
    bool scriptPredatesRuntime = false; // Linux: the pack's client script can't load BepInEx any more
    std::optional<QString> bepVersion;
    int quarantineCount = 0;
    bool launchDetected = false;
    std::optional<QDateTime> logDate;
    bool logSaysLinux = false; // the loader's log names Linux as the system it ran on
    QList<ModItem> mods;
    int captureStashCount = 0;
    std::optional<QDateTime> shaderCacheDate;
    bool savesPresent = false;
    std::optional<QDateTime> lastSaveBackupDate;
    QStringList profiles; // the game folder's mod sets, the active one among them
    QString activeProfile;

    bool operator==(const Snapshot&) const = default;
};

// The probe itself: settles on a game folder (the remembered one, or Steam's) and reads
// everything about it. Touches only the disk, Steam's files and the "bepPackVersion"
// preference, so it runs on any thread.
struct ProbeResult {
    std::optional<QString> dir;
    Snapshot snapshot;
};
// A pinned folder (named for this session) is read even when it no longer holds the game.
ProbeResult probeStatus(const std::optional<QString>& rememberedGameDir, Platform platform, bool appleSilicon,
                        bool pinned = false);
