#include "platform/Log.h"

// QtInfoMsg: debug messages stay off by default, in every build type.
Q_LOGGING_CATEGORY(lcPlatform, "skaldrun.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDiscovery, "skaldrun.discovery", QtInfoMsg)
Q_LOGGING_CATEGORY(lcConfig, "skaldrun.config", QtInfoMsg)
Q_LOGGING_CATEGORY(lcInventory, "skaldrun.inventory", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLaunch, "skaldrun.launch", QtInfoMsg)
Q_LOGGING_CATEGORY(lcInstall, "skaldrun.install", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCatalog, "skaldrun.catalog", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, "skaldrun.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "skaldrun.ui", QtInfoMsg)
