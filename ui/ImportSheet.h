#pragma once

#include <QDialog>

class AppState;
class FoldingRow;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// The import preview: a code to paste or a file to open, then every mod of the pack (name,
// version, enabled, the repository that has that exact version or "not found") and the config
// file count; "New profile" (its name prefilled) or "Replace this profile" imports, with one
// progress bar and Cancel. Window-modal; "Close" or Escape closes it and forgets the pack.
class ImportSheet : public QDialog {
    Q_OBJECT
public:
    explicit ImportSheet(AppState* state, QWidget* parent = nullptr);

    // "1 mod", "2 mods"; "1 config file", "2 config files": the export sheet says them too.
    static QString modCount(qsizetype n);
    static QString configCount(qsizetype n);

private:
    void render();

    AppState* m_state;
    QLineEdit* m_code;
    QPushButton* m_read;
    QTreeWidget* m_mods;
    QLabel* m_summary;
    QLineEdit* m_name;
    QPushButton* m_newProfile;
    QPushButton* m_replace;
    QProgressBar* m_bar;
    QLabel* m_busy;
    QPushButton* m_close;
};

// "Import…" and "Export…" for a header row, where they fold into its menu first; the import sheet
// also opens by itself when a pack arrives some other way (a .r2z dropped on the window).
void addShareButtons(FoldingRow* row, QWidget* host, AppState* state);
