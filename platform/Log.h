#pragma once

// One logging category per area of the code, named "skaldrun.<area>". Debug messages are off
// unless asked for (QT_LOGGING_RULES="skaldrun.*.debug=true"), so the player never sees them;
// failures that are deliberately swallowed are logged at debug level so they can be traced.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
Q_DECLARE_LOGGING_CATEGORY(lcDiscovery)
Q_DECLARE_LOGGING_CATEGORY(lcConfig)
Q_DECLARE_LOGGING_CATEGORY(lcInventory)
Q_DECLARE_LOGGING_CATEGORY(lcLaunch)
Q_DECLARE_LOGGING_CATEGORY(lcInstall)
Q_DECLARE_LOGGING_CATEGORY(lcCatalog)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
