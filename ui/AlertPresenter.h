#pragma once

#include <QObject>

class AppState;
class QMessageBox;
class QWidget;

// Shows AppState's alertMessage as a window-modal alert over one host window (title "Skaldrun",
// one "OK"); dismissing it sets alertMessage back to none, and every new message shows again.
// The window and the settings sheet each have one, and only one alert is on screen at a time:
// a presenter opens a new alert only while it is active and no other alert (or confirmation,
// see occupy) is showing; when that one closes, the waiting message gets its turn.
class AlertPresenter : public QObject {
    Q_OBJECT
public:
    AlertPresenter(AppState* state, QWidget* host);
    ~AlertPresenter() override;

    // An inactive presenter opens no new alert (the window while its settings sheet is open);
    // an alert it already shows stays up and follows the message.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    QMessageBox* alert() const { return m_box; }

    // Any other box that must not be covered by a second one (a confirmation) takes the one slot
    // until it closes.
    static void occupy(QMessageBox* box);

private:
    void sync();
    static void syncAll();

    AppState* m_state;
    QWidget* m_host;
    bool m_active = true;
    // Owned through its host; cleared when it finishes or is destroyed, before it is deleted.
    QMessageBox* m_box = nullptr;
};
