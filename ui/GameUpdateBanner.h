#pragma once

#include "ui/Banner.h"

class AppState;
class QPushButton;

// "Valheim updated from X to Y": shown for the first launch after the game changed under the mods
// (per game folder and profile). It offers a save backup first, the catalog's updates of the mods
// that failed and of the loader pack, and to switch the failing mods off until their authors
// catch up.
class GameUpdateBanner : public Banner {
    Q_OBJECT
public:
    explicit GameUpdateBanner(AppState* state, QWidget* parent = nullptr);

    static bool shouldShow(const AppState& state);
    // "2 mods didn't load after the update. …"
    static QString sentence(qsizetype failing);
    void sync();

private:
    AppState* m_state;
    QPushButton* m_backup;
    QPushButton* m_update;
    QPushButton* m_updateLoader;
    QPushButton* m_switchOff;
};
