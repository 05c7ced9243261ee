#include "app/AppState.h"
#include "platform/gui/DesktopServices.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Application::setUp(app);

    DesktopWorkspace workspace;
    SystemClipboard clipboard;
    DialogOpenPanel openPanel;
    AppState state(AppState::Services{&workspace, &clipboard, &openPanel});
    MainWindow window(&state);
    openPanel.setWindow(&window);
    window.show();
    return app.exec();
}
