#pragma once

#include "catalog/UpdatePlan.h"

#include <QDialog>

class AppState;
class ElidedLabel;
class MarkdownView;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

// The updates on offer when it opened: each mod with its installed and newest release and
// repository, ticked, and the changelog of the one selected. "Update {n} mods" runs the ticked
// ones with the bar and the mod under way shown here; Cancel then stops after that mod. The
// sheet closes when the run ends (its closing line is the window's to show).
class UpdatesSheet : public QDialog {
    Q_OBJECT
public:
    UpdatesSheet(AppState* state, QWidget* parent = nullptr);

    QList<UpdatePlan::Update> ticked() const;
    // "Update 3 mods", "Update 1 mod".
    static QString buttonText(qsizetype n);

private:
    void showChangelog(int row);
    void sync();

    AppState* m_state;
    QList<UpdatePlan::Update> m_updates;
    bool m_running = false;
    QListWidget* m_list;
    MarkdownView* m_changelog;
    QLabel* m_note;
    QProgressBar* m_bar;
    ElidedLabel* m_busy;
    QPushButton* m_update;
    QPushButton* m_cancel;
};
