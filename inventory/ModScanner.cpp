#include "inventory/ModScanner.h"

#include "config/ConfigStore.h"
#include "discovery/Outside.h"
#include "discovery/PEVersion.h"
#include "platform/Fs.h"

#include <QCollator>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace ModScanner {

namespace {

const QLatin1String disabledSuffix(".disabled");
const QLatin1String disabledDllSuffix(".dll.disabled");

bool isDll(const QString& name) {
    return Fs::extension(name).compare(QLatin1String("dll"), Qt::CaseInsensitive) == 0;
}

bool isDisabledDll(const QString& name) {
    return name.endsWith(disabledDllSuffix, Qt::CaseInsensitive);
}

QStringList matchingConfigs(const QList<ConfigStore::ConfigTokens>& configs, const QStringList& candidates) {
    QStringList files;
    const QList<ConfigStore::NameToken> names = ConfigStore::candidateTokens(candidates);
    if (names.isEmpty()) return files;
    for (const ConfigStore::ConfigTokens& config : configs) {
        if (ConfigStore::matches(config, names)) files.append(config.file);
    }
    return files;
}

ModItem looseDll(const Fs::Entry& entry, const QList<ConfigStore::ConfigTokens>& configs) {
    const QString base = dllBaseName(entry.name);
    ModItem item;
    item.id = entry.path;
    item.url = entry.path;
    item.name = prettify(base);
    item.version = PEVersion::fileVersion(entry.path);
    item.isFolder = false;
    item.dllCount = 1;
    item.enabled = isDll(entry.name);
    item.configFiles = matchingConfigs(configs, {base});
    return item;
}

ModItem folderMod(const Fs::Entry& entry, const QList<ConfigStore::ConfigTokens>& configs) {
    const DllFiles dlls = dllFiles(entry.path);
    std::optional<QString> version = manifestVersion(entry.path);
    if (!version && !dlls.active.isEmpty()) version = PEVersion::fileVersion(dlls.active.constFirst());
    if (!version && !dlls.disabled.isEmpty()) version = PEVersion::fileVersion(dlls.disabled.constFirst());

    QStringList candidates{entry.name};
    for (const QStringList* list : {&dlls.active, &dlls.disabled}) {
        for (const QString& path : *list)
            candidates.append(dllBaseName(Fs::fileName(path)));
    }

    ModItem item;
    item.id = entry.path;
    item.url = entry.path;
    item.name = prettify(entry.name);
    item.version = version;
    item.isFolder = true;
    item.dllCount = int(dlls.active.size() + dlls.disabled.size());
    // A folder without DLLs (a data-only package) has nothing that could be switched off.
    item.enabled = item.dllCount == 0 || !dlls.active.isEmpty();
    item.configFiles = matchingConfigs(configs, candidates);
    return item;
}

} // namespace

QString pluginsDir(const QString& gameDir) {
    return Fs::join(gameDir, Outside::pluginsDir);
}

QList<ModItem> scan(const QString& gameDir) {
    const auto entries = Fs::entries(pluginsDir(gameDir));
    if (!entries) return {};
    const QList<ConfigStore::ConfigTokens> configs =
        ConfigStore::tokenize(ConfigStore::allConfigFiles(gameDir));

    QList<ModItem> mods;
    for (const Fs::Entry& entry : *entries) {
        if (entry.name == QLatin1String(".DS_Store")) continue;
        // Entries report links to folders as folders, so a linked mod folder is a mod.
        if (entry.isDir)
            mods.append(folderMod(entry, configs));
        else if (isDll(entry.name) || isDisabledDll(entry.name))
            mods.append(looseDll(entry, configs));
    }

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(mods.begin(), mods.end(), [&](const ModItem& a, const ModItem& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return mods;
}

DllFiles dllFiles(const QString& folder) {
    DllFiles files;
    Fs::walk(folder, [&](const Fs::Entry& entry) {
        if (entry.name.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive))
            files.active.append(entry.path);
        else if (entry.name.endsWith(QLatin1String(".dll.disabled"), Qt::CaseInsensitive))
            files.disabled.append(entry.path);
        return true;
    });
    return files;
}

std::optional<QString> manifestVersion(const QString& folder) {
    const auto bytes = Fs::tryRead(Fs::join(folder, QStringLiteral("manifest.json")));
    if (!bytes) return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes);
    if (!document.isObject()) return std::nullopt;
    const QJsonValue value = document.object().value(QLatin1String("version_number"));
    if (!value.isString()) return std::nullopt;
    return value.toString();
}

QString dllBaseName(const QString& name) {
    QString base = name;
    if (base.endsWith(disabledSuffix, Qt::CaseInsensitive)) base.chop(disabledSuffix.size());
    if (base.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive)) base.chop(4);
    return base;
}

QString prettify(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('_'), QLatin1Char(' '));
    return out;
}

void setEnabled(const ModItem& mod, bool enabled) {
    if (!mod.isFolder) {
        // Only the exact lower-case suffix is ours to remove.
        if (enabled && mod.url.endsWith(disabledSuffix))
            Fs::move(mod.url, mod.url.chopped(disabledSuffix.size()));
        else if (!enabled && isDll(mod.url))
            Fs::move(mod.url, mod.url + disabledSuffix);
        return;
    }
    const DllFiles dlls = dllFiles(mod.url);
    if (enabled) {
        for (const QString& path : dlls.disabled)
            Fs::move(path, path.chopped(disabledSuffix.size()));
    } else {
        for (const QString& path : dlls.active)
            Fs::move(path, path + disabledSuffix);
    }
}

} // namespace ModScanner
