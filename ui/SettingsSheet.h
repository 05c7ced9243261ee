#pragma once

#include "ui/widgets/DeferredRender.h"
#include "ui/widgets/ElidedLabel.h"

#include <QDialog>

class AlertPresenter;
class AppState;
class CommandRow;
class QLabel;
class QLayout;
class QMessageBox;
class QProgressBar;
class QPushButton;

// The settings sheet: the four-step rebuild of ShaderHelperForMac's vanilla shader baseline,
// with the save backup and restore that guard it. Window-modal over the main window (a sheet on
// macOS); shows its own alerts while open; "Done" and Escape close it.
class SettingsSheet : public QDialog {
    Q_OBJECT
public:
    explicit SettingsSheet(AppState* state, QWidget* parent = nullptr);
    ~SettingsSheet() override;

    AlertPresenter* alerts() const { return m_alerts; }
    // Asks before the latest backup overwrites the saves (what "Restore Worlds & Characters" does).
    void confirmRestore();
    QMessageBox* restoreConfirmation() const { return m_confirm; }

private:
    QLayout* languageRow(QWidget* parent);
    QWidget* buildSection();
    QWidget* stepRow(QWidget* parent, int number, QLabel** mark, QWidget** content);
    QString restoreMessage() const;
    void scheduleRender();
    void render();

    AppState* m_state;
    AlertPresenter* m_alerts;
    DeferredRender m_render{this, [this] { render(); }};
    // Owned here: cleared when it finishes, before it is deleted; deleted with the sheet while
    // the sheet is still whole (as a child it would go when only a QWidget is left of the sheet).
    QMessageBox* m_confirm = nullptr;

    QLabel* m_baselineIcon = nullptr;
    QLabel* m_baselineText = nullptr;
    QWidget* m_installHint = nullptr;
    QWidget* m_procedure = nullptr;
    QLabel* m_step1Mark = nullptr;
    QPushButton* m_moveAside = nullptr;
    QPushButton* m_backup = nullptr;
    QLabel* m_stashLine = nullptr;
    QLabel* m_lastBackup = nullptr;
    QPushButton* m_launch = nullptr;
    QLabel* m_consoleHint = nullptr;
    QPushButton* m_moveBack = nullptr;
    QPushButton* m_restore = nullptr;
    QProgressBar* m_busyBar = nullptr;
    ElidedLabel* m_footerText = nullptr;
};
