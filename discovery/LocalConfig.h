#pragma once

#include "platform/Platform.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Writing the game's launch options into a Steam account's localconfig.vdf, the way Steam keeps
// them: UserLocalConfigStore → Software → Valve → Steam → apps → <app id> → LaunchOptions. Steam
// writes that key as "apps" or "Apps"; either is found. The file is changed byte for byte only
// where the value goes, so settings in any encoding, and Steam's own layout, stay as they were.
namespace LocalConfig {

// The local config of the account that signed in last (loginusers.vdf), or of the only account
// there is; none when that can't be told. The file itself may not exist yet.
std::optional<QString> accountFile(Platform platform);

// The text with the app's launch options set to `options`, escaped for VDF. Throws SkaldrunError
// naming `file` when the text isn't a settings file that can be changed safely.
QByteArray withLaunchOptions(const QByteArray& text, const QString& appID, const QString& options,
                             const QString& file);

// Sets them in the file: a numbered copy of it first (kept), then the new text written atomically.
// Returns the copy's path ("" when there was no file yet). Throws SkaldrunError; the file is then
// as it was.
QString setLaunchOptions(const QString& file, const QString& appID, const QString& options);

} // namespace LocalConfig
