#pragma once

#include <QDialog>

class AppState;
class QLabel;
class QVBoxLayout;

// The "Last launch" sheet: the whole report (versions, each failure with its fixes, connections
// that ended, the mods' own errors) and "Copy for Discord", a short Markdown summary. It follows
// the model: a launch read again redraws it.
class LaunchSheet : public QDialog {
    Q_OBJECT
public:
    explicit LaunchSheet(AppState* state, QWidget* parent = nullptr);

private:
    void sync();

    AppState* m_state;
    QLabel* m_summary;
    QLabel* m_versions;
    QLabel* m_messages;
    QVBoxLayout* m_problems;
};
