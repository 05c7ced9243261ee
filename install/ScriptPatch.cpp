#include "install/Installer.h"

#include "discovery/Outside.h"
#include "discovery/Steam.h"
#include "discovery/Sys.h"
#include "platform/Fs.h"
#include "platform/Process.h"

namespace Installer {

void patchScript(const QString& script, const QString& gameDir) {
    QString text = Fs::readUtf8(script);
    bool changed = false;

    if (const auto bundle = Steam::valheimAppBundle(gameDir)) {
        // The name comes from the bundle's Info.plist: quoted for the shell, so that no character
        // of it can end the line's quotes or run a command when Steam starts the script.
        const QString replacement =
            Outside::executableLinePrefix + Process::shellQuoted(Steam::innerExecutableName(*bundle));
        for (const QString& line : {Outside::shippedExecutableLine, Outside::emptyExecutableLine}) {
            if (text.contains(line)) {
                text.replace(line, replacement);
                changed = true;
            }
        }
    }

    if (Sys::isAppleSilicon() && !text.contains(Outside::archMarker)) {
        QStringList lines = text.split(QLatin1Char('\n'));
        qsizetype at = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines.at(i).startsWith(Outside::executableLinePrefix)) {
                at = i + 1;
                break;
            }
        }
        if (at < 0) at = lines.size() >= 2 ? 1 : lines.size();
        lines.insert(at, archBlock);
        text = lines.join(QLatin1Char('\n'));
        changed = true;
    }

    if (changed) Fs::writeAtomic(script, text.toUtf8());
    // Steam runs the script directly, so it must be executable even when its text was fine.
    Fs::setPermissions(script, 0755);
}

} // namespace Installer
