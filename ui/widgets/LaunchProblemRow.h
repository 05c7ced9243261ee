#pragma once

#include "app/LastLaunch.h"

#include <QWidget>

class AppState;
class QHBoxLayout;
class QLabel;

// One thing that went wrong in the last launch, in a row: a warning symbol, its sentence, and
// a button per fix. A switch-off asks about the mod's dependants first, as the mod's own switch
// does. Under the mod it is about in the Installed list, and in the "Last launch" sheet.
class LaunchProblemRow : public QWidget {
    Q_OBJECT
public:
    // name: the row's object name; its buttons are name + ".fix0", ".fix1" …
    LaunchProblemRow(AppState* state, const QString& name, QWidget* parent = nullptr);

    void setProblem(const LastLaunch::Problem& problem);
    // The fixes against the mods and the catalog as they are now; none while an action runs.
    void sync();

private:
    AppState* m_state;
    LastLaunch::Problem m_problem;
    QLabel* m_symbol;
    QLabel* m_text;
    QHBoxLayout* m_buttons;
};
