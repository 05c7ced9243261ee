#include "install/Installer.h"

#include "discovery/Outside.h"
#include "discovery/Steam.h"
#include "discovery/Sys.h"
#include "platform/Fs.h"
#include "platform/Process.h"

#include <QRegularExpression>

namespace Installer {

namespace {

// Where the pack's script starts exporting the injector's variables: the Intel launch must come
// before any of them, or they would reach `arch` itself.
const QRegularExpression& dyldExport() {
    static const QRegularExpression re(QStringLiteral("^[ \\t]*export[ \\t]+DYLD_"),
                                       QRegularExpression::MultilineOption);
    return re;
}

// What the launch block reads from the pack's script (5.4.2331 and later): the injector's folder
// and name, the system, the executable's slice, and a final exec that passes the game's arguments.
bool canStartIntelSlice(const QString& text) {
    for (const char* needed :
         {"doorstop_directory=", "doorstop_name=", "os_type=", "arch=", "exec \"$executable_path\" \"$@\""})
        if (!text.contains(QLatin1String(needed))) return false;
    return dyldExport().match(text).hasMatch();
}

void insertLine(QString& text, qsizetype lineStart, const QString& block) {
    text.insert(lineStart, block + QLatin1Char('\n'));
}

} // namespace

bool startsIntelSlice(const QString& scriptText) {
    static const QRegularExpression intelShell(
        QStringLiteral("^[ \\t]*exec[ \\t]+arch[ \\t]+-x86_64[ \\t]+/bin/sh[ \\t]+-c\\b"),
        QRegularExpression::MultilineOption);
    const auto shell = intelShell.match(scriptText);
    if (!shell.hasMatch()) return false;
    const auto exported = dyldExport().match(scriptText);
    return !exported.hasMatch() || exported.capturedStart() > shell.capturedStart();
}

bool patchScript(const QString& script, const QString& gameDir) {
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

    // Intel Macs and Linux keep the script as the pack ships it; so does a script that already
    // starts the Intel slice (the maintainers' later revision has its own Darwin branch).
    const bool appleSilicon = Sys::isAppleSilicon();
    if (appleSilicon && !startsIntelSlice(text) && canStartIntelSlice(text)) {
        insertLine(text, dyldExport().match(text).capturedStart(), intelLaunchBlock);
        // The older fix's line stays where an earlier install put it, and marks the script as ours.
        if (!text.contains(Outside::archMarker)) {
            static const QRegularExpression nameLine(QStringLiteral("^executable_name=.*$"),
                                                     QRegularExpression::MultilineOption);
            const auto name = nameLine.match(text);
            const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
            if (name.hasMatch())
                text.insert(name.capturedEnd(), archBlock);
            else
                text.insert(firstLineEnd < 0 ? text.size() : firstLineEnd, archBlock);
        }
        changed = true;
    }

    if (changed) Fs::writeAtomic(script, text.toUtf8());
    // Steam runs the script directly, so it must be executable even when its text was fine.
    Fs::setPermissions(script, 0755);
    return !appleSilicon || startsIntelSlice(text);
}

} // namespace Installer
