#include "app/AppState.h"
#include "platform/gui/DesktopServices.h"
#include "ui/AppTitle.h"
#include "ui/MainWindow.h"
#include "ui/Theme.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Skaldrun"));
    QApplication::setApplicationName(QStringLiteral("Skaldrun"));
    QApplication::setApplicationDisplayName(AppTitle::name());
    QApplication::setApplicationVersion(QStringLiteral(SKALDRUN_VERSION));
    // One window for the whole run: closing it ends the application.
    QApplication::setQuitOnLastWindowClosed(true);
    Theme::apply(app);
    AppTitle::registerFont();

    DesktopWorkspace workspace;
    SystemClipboard clipboard;
    DialogOpenPanel openPanel;
    AppState state(AppState::Services{&workspace, &clipboard, &openPanel});
    MainWindow window(&state);
    openPanel.setWindow(&window);
    window.show();
    return app.exec();
}
