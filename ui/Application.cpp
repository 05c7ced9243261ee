#include "ui/Application.h"

#include "app/Language.h"
#include "ui/AppTitle.h"
#include "ui/Theme.h"

#include <QApplication>

namespace Application {

void setUp(QApplication& app) {
    QApplication::setOrganizationName(QStringLiteral("Skaldrun"));
    QApplication::setApplicationName(QStringLiteral("Skaldrun"));
    QApplication::setApplicationDisplayName(AppTitle::name());
    QApplication::setApplicationVersion(QStringLiteral(SKALDRUN_VERSION));
    Language::install();
    // One window for the whole run: closing it ends the application.
    QApplication::setQuitOnLastWindowClosed(true);
    Theme::apply(app);
    AppTitle::registerFont();
}

} // namespace Application
