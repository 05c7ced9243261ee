#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The Installed list's "Last launch" line: when, how many mods loaded of how many, the game's
// version; or, when BepInEx wrote no log of the launch, why. "Details" asks for the sheet.
class LaunchLine : public QWidget {
    Q_OBJECT
public:
    explicit LaunchLine(AppState* state, QWidget* parent = nullptr);

    // Whether there is anything to say: a report, or why there is none.
    static bool shouldShow(const AppState& state);
    void sync();

Q_SIGNALS:
    void detailsRequested();

private:
    AppState* m_state;
    QLabel* m_symbol;
    QLabel* m_text;
    QPushButton* m_details;
};
