#pragma once

#include <QDialog>
#include <QToolButton>

class AppState;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// The Installed tab's profile button: the active profile's name, and a menu to switch to another
// profile, make a new one (empty or a copy), rename the active one, or move another to the Trash.
// A long name is elided in the middle (its start and end tell profiles apart), the whole of it in
// the tool tip.
class ProfileMenu : public QToolButton {
    Q_OBJECT
public:
    explicit ProfileMenu(AppState* state, QWidget* parent = nullptr);
    void sync(); // the button's text, from the state
    QMenu* profileMenu() const { return m_menu; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int chrome() const;
    int widthFor(const QString& name) const;
    void fitName();
    void rebuild(); // the menu's entries, from the state, each time it opens
    void openSheet(const QString& renaming);

    AppState* m_state;
    QMenu* m_menu;
    QString m_name;
};

// Asks for a profile's name: a new profile's (offering to copy the active one), or the active
// profile's new name when `renaming` names it. The name is checked as it is typed.
class ProfileSheet : public QDialog {
    Q_OBJECT
public:
    ProfileSheet(AppState* state, const QString& renaming, QWidget* parent);

private:
    void check();

    AppState* m_state;
    QString m_renaming;
    QLineEdit* m_name;
    QLabel* m_problem;
    QCheckBox* m_copy = nullptr;
    QPushButton* m_ok;
};
