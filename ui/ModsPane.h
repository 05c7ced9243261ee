#pragma once

#include <QWidget>

class AppState;

// The right-hand pane: installed mods, the catalog browser, banners and the drop zone.
class ModsPane : public QWidget {
    Q_OBJECT
public:
    explicit ModsPane(AppState* state, QWidget* parent = nullptr);

private:
    AppState* m_state;
};
