#include "ui/MainWindow.h"

#include "app/AppState.h"
#include "ui/AlertPresenter.h"
#include "ui/AppTitle.h"
#include "ui/Icons.h"
#include "ui/ModsPane.h"
#include "ui/SettingsSheet.h"
#include "ui/StepsPane.h"
#include "ui/Theme.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

MainWindow::MainWindow(AppState* state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(AppTitle::name());
    setMinimumSize(minimumWindow);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(defaultSize(screen->availableGeometry()));
    buildToolbar();

    m_split = new QSplitter(Qt::Horizontal, this);
    m_split->setObjectName(QStringLiteral("splitter"));
    m_split->setChildrenCollapsible(false);
    m_split->setHandleWidth(1);
    m_split->setStyleSheet(
        QStringLiteral("QSplitter::handle { background: %1; }").arg(Theme::css(Theme::hairline())));
    m_steps = new StepsPane(m_state, m_split);
    m_steps->setMinimumWidth(400);
    m_steps->setMaximumWidth(560);
    m_mods = new ModsPane(m_state, m_split);
    m_mods->setMinimumWidth(440);
    m_split->addWidget(m_steps);
    m_split->addWidget(m_mods);
    m_split->setStretchFactor(0, 0);
    m_split->setStretchFactor(1, 1);
    m_split->setSizes({440, 540});
    setCentralWidget(m_split);

    m_alerts = new AlertPresenter(m_state, this);

    m_ticker.setInterval(refreshIntervalMs);
    connect(&m_ticker, &QTimer::timeout, m_state, &AppState::refreshAll);
    m_ticker.start();
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState appState) {
        if (appState == Qt::ApplicationActive) m_state->refreshAll();
    });
    connect(m_state, &AppState::changed, this, &MainWindow::scheduleRender);
    render();
}

QSize MainWindow::defaultSize(const QRect& available) {
    // 1280 holds the setup pane and a header with a long profile name, the loader's version, the
    // mod count, the share actions and the updates; more width only stretches the mod list.
    const QSize wanted(qMin(1280, available.width() * 9 / 10), qMin(800, available.height() * 17 / 20));
    return wanted.boundedTo(available.size()).expandedTo(minimumWindow);
}

QAction* MainWindow::addToolbarButton(const QString& objectName, const QString& text, const QString& symbol,
                                      const QString& toolTip) {
    QToolBar* bar = findChild<QToolBar*>(QStringLiteral("toolbar"));
    auto* action = new QAction(Icons::tinted(symbol, Theme::toolbarSymbol()), text, this);
    action->setObjectName(objectName);
    action->setToolTip(toolTip);
    bar->addAction(action);
    if (QWidget* button = bar->widgetForAction(action)) button->setObjectName(objectName);
    return action;
}

void MainWindow::buildToolbar() {
    auto* bar = new QToolBar(tr("Toolbar"), this);
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(20, 20));
    bar->setStyleSheet(
        QStringLiteral(
            "QToolBar { background: %1; border: none; border-bottom: 1px solid %2; padding: 4px 10px;"
            " spacing: 2px; }"
            "QToolButton { border: none; border-radius: 6px; padding: 3px 8px; color: %3; }"
            "QToolButton:hover { background: %4; }"
            "QToolButton:pressed { background: %5; }"
            "QToolButton:disabled { color: %6; }")
            .arg(Theme::css(Theme::toolbarBackground()), Theme::css(Theme::hairline()),
                 Theme::css(Theme::primaryText()), Theme::css(Theme::hoverFill()),
                 Theme::css(Theme::pressedTint()), Theme::css(Theme::tertiaryText())));
    QFont labelFont = Theme::font(Theme::TextStyle::caption);
    bar->setFont(labelFont);
    addToolBar(Qt::TopToolBarArea, bar);

    // The title item: the app's name in the title font, its version beneath.
    auto* titleItem = new QWidget(bar);
    titleItem->setObjectName(QStringLiteral("toolbar.titleItem"));
    auto* column = new QVBoxLayout(titleItem);
    column->setContentsMargins(2, 0, 12, 0);
    column->setSpacing(0);
    auto* title = new QLabel(AppTitle::name(), titleItem);
    title->setObjectName(QStringLiteral("toolbar.title"));
    title->setFont(AppTitle::font(19));
    column->addWidget(title);
    auto* version = new QLabel(QStringLiteral("v") + AppTitle::version(), titleItem);
    version->setObjectName(QStringLiteral("toolbar.version"));
    QFont versionFont = Theme::font(Theme::TextStyle::caption2, QFont::Medium);
    version->setFont(versionFont);
    QPalette p = version->palette();
    p.setColor(QPalette::WindowText, Theme::secondaryText());
    version->setPalette(p);
    version->setContentsMargins(2, 0, 0, 0);
    column->addWidget(version);
    bar->addWidget(titleItem);

    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);

    QAction* settings =
        addToolbarButton(QStringLiteral("toolbar.settings"), tr("Settings"), QStringLiteral("gearshape"),
                         tr("Settings — shader cache & save backups"));
    m_gameFolder = addToolbarButton(QStringLiteral("toolbar.gameFolder"), tr("Game Folder"),
                                    QStringLiteral("folder"), tr("Open the Valheim game folder in Finder"));
    QAction* refresh = addToolbarButton(QStringLiteral("toolbar.refresh"), tr("Refresh"),
                                        QStringLiteral("arrow.clockwise"), tr("Re-check every step"));
    m_playVanilla = addToolbarButton(QStringLiteral("toolbar.playVanilla"), tr("Play Vanilla"),
                                     QStringLiteral("v.circle"),
                                     tr("Launch Valheim vanilla — mods stay installed but don't load"));
    m_launch = addToolbarButton(QStringLiteral("toolbar.launch"), tr("Launch Valheim"),
                                QStringLiteral("play.fill"), tr("Launch Valheim through Steam (with mods)"));
    connect(settings, &QAction::triggered, this, &MainWindow::openSettings);
    connect(m_gameFolder, &QAction::triggered, m_state, &AppState::openGameFolder);
    connect(refresh, &QAction::triggered, m_state, &AppState::refreshAll);
    connect(m_playVanilla, &QAction::triggered, m_state, &AppState::playVanilla);
    connect(m_launch, &QAction::triggered, m_state, &AppState::launchValheim);
}

void MainWindow::openSettings() {
    if (m_sheet) {
        m_sheet->raise();
        return;
    }
    // A fresh sheet each time: its confirmation state starts over, everything else follows the state.
    m_sheet = new SettingsSheet(m_state, this);
    m_alerts->setActive(false); // the sheet shows the alerts while it is open
    connect(m_sheet, &QDialog::finished, this, [this] {
        if (m_sheet) m_sheet->deleteLater();
        m_sheet = nullptr;
        m_alerts->setActive(true);
    });
    m_sheet->open();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownOnce) return;
    m_shownOnce = true;
    if (qEnvironmentVariable("SKALDRUN_OPEN") == QLatin1String("settings"))
        QMetaObject::invokeMethod(this, &MainWindow::openSettings, Qt::QueuedConnection);
}

void MainWindow::scheduleRender() {
    m_render.schedule();
}

void MainWindow::render() {
    const bool haveGame = m_state->gameDir().has_value();
    m_gameFolder->setEnabled(haveGame);
    m_playVanilla->setEnabled(haveGame);
    m_launch->setEnabled(haveGame);
    m_steps->setVisible(!m_state->setupCollapsed());
}
