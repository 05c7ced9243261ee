#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Skaldrun"));
    QApplication::setApplicationName(QStringLiteral("Skaldrun"));
    QApplication::setApplicationVersion(QStringLiteral(SKALDRUN_VERSION));
    MainWindow window;
    window.show();
    return app.exec();
}
