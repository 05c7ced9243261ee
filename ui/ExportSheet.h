#pragma once

#include <QDialog>

class AppState;
class QLabel;
class QPushButton;

// The export: a .r2z file (Save panel) or a profile code with Copy, and the mods that can't
// travel in either.
class ExportSheet : public QDialog {
    Q_OBJECT
public:
    explicit ExportSheet(AppState* state, QWidget* parent = nullptr);

private:
    void render();

    AppState* m_state;
    QLabel* m_summary;
    QLabel* m_left;
    QLabel* m_code;
    QPushButton* m_copy;
    QPushButton* m_makeCode;
    QPushButton* m_save;
};
