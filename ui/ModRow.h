#pragma once

#include "inventory/ModScanner.h"

#include <QWidget>

class AppState;
class QLabel;
class QMenu;
class QPushButton;
class Switch;

// One installed mod in the Installed list: its icon, name, version and what it holds, the
// "Config" button when it has settings, and a switch (or a "data" badge when there is no DLL to
// switch). The switch asks the model and shows the state the model publishes next.
class ModRow : public QWidget {
    Q_OBJECT
public:
    ModRow(AppState* state, const ModItem& mod, QWidget* parent = nullptr);

    const ModItem& mod() const { return m_mod; }
    void setMod(const ModItem& mod); // same id: the row is reused when the list is republished

    // "Data files (no plugin DLL)", "Plugin DLL", "3 plugins", with " · disabled" when off.
    static QString detailText(const ModItem& mod);

    // "Needs Jotunn (missing), Epic Loot (disabled)" for a mod whose dependencies aren't there to load.
    static QString needsText(const ModItem& mod, const AppState& state);

    // "Reveal in Finder", "Install version…" and "Offer updates again" as they apply, a divider,
    // "Move to Trash"; deleted when closed.
    QMenu* makeContextMenu();

Q_SIGNALS:
    void configRequested(const ModItem& mod);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void syncPlan();

    AppState* m_state;
    ModItem m_mod;
    QLabel* m_icon;
    QLabel* m_name;
    QLabel* m_version;
    QLabel* m_detail;
    QPushButton* m_config;
    Switch* m_switch;
    QLabel* m_badge;
    QLabel* m_needs;
    QPushButton* m_fix;
};
