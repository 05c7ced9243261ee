#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "platform/Http.h"
#include "platform/Platform.h"
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
    AppState state(AppState::Services{workspace, clipboard, openPanel, Platforms::ofThisMachine()});
    MainWindow window(&state);
    openPanel.setWindow(&window);
    window.show();
    // The catalog is checked as the app starts (one small request when nothing changed), so the
    // update badges and Browse are current without waiting for Browse to be opened.
    state.thunder()->loadIfNeeded(false);
    const int status = app.exec();
    // The window is closed: transfers in flight stop now (the state's own ones and the catalog's);
    // leaving main waits only for file operations already under way, so no mod is left half
    // installed.
    Http::cancelRunning();
    return status;
}
