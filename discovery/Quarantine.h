#pragma once

#include <QString>
#include <QStringList>

// The quarantine flag that browsers set on downloads, on the BepInEx files of a game folder.
// Never follows symbolic links: a link inside the game folder never makes us touch a file
// outside it.
namespace Quarantine {

QString attrName(); // "com.apple.quarantine" under the platform's attribute namespace
inline const QStringList targetNames = {QStringLiteral("start_game_bepinex.sh"),
                                        QStringLiteral("run_bepinex.sh"),
                                        QStringLiteral("start_server_bepinex.sh"),
                                        QStringLiteral("doorstop_config.ini"),
                                        QStringLiteral("winhttp.dll"),
                                        QStringLiteral(".doorstop_version"),
                                        QStringLiteral("changelog.txt"),
                                        QStringLiteral("doorstop_libs"),
                                        QStringLiteral("BepInEx")};

QStringList targets(const QString& gameDir);
int flaggedCount(const QString& gameDir);
int clear(const QString& gameDir);
QString terminalCommand(const QString& folder);

} // namespace Quarantine
