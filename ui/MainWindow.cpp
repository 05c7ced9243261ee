#include "ui/MainWindow.h"

#include <QLabel>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Skaldrun"));
    setMinimumSize(900, 620);
    resize(1000, 660);
    auto* label = new QLabel(QStringLiteral("Skaldrun"), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
}
