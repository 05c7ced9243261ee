#pragma once

#include "ui/widgets/DeferredRender.h"

#include "ui/SettingsSheet.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class AlertPresenter;
class AppState;
class ModsPane;
class QAction;
class QSplitter;

class StepsPane;

// The one window: the setup steps beside the mods pane (or the mods pane alone while the setup
// is folded), the toolbar, the settings sheet and the alert. Refreshes the state every 12
// seconds and whenever the application becomes active.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int refreshIntervalMs = 12000;
    static constexpr QSize minimumWindow{900, 620};

    // The first size on a screen whose free area is `available`: the setup pane beside the whole mods
    // header where the screen has room for both, never past the screen nor under the minimum.
    static QSize defaultSize(const QRect& available);

    explicit MainWindow(AppState* state, QWidget* parent = nullptr);

    void openSettings();
    SettingsSheet* settingsSheet() const { return m_sheet; }
    AlertPresenter* alerts() const { return m_alerts; }
    StepsPane* stepsPane() const { return m_steps; }
    ModsPane* modsPane() const { return m_mods; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildToolbar();
    QAction* addToolbarButton(const QString& objectName, const QString& text, const QString& symbol,
                              const QString& toolTip);
    void scheduleRender();
    void render();

    AppState* m_state;
    DeferredRender m_render{this, [this] { render(); }};
    bool m_shownOnce = false;
    QTimer m_ticker;
    QSplitter* m_split = nullptr;
    StepsPane* m_steps = nullptr;
    ModsPane* m_mods = nullptr;
    AlertPresenter* m_alerts = nullptr;
    QPointer<SettingsSheet> m_sheet;
    QAction* m_gameFolder = nullptr;
    QAction* m_playVanilla = nullptr;
    QAction* m_launch = nullptr;
};
