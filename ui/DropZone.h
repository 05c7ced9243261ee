#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QProgressBar;
class QStackedWidget;
class QVariantAnimation;
class Spinner;

// The drop target's face at the foot of the Installed list. It accepts nothing itself (the whole
// pane takes the drop); it shows the pane's "targeted" state and, while an action runs, the busy
// text with a spinner, or a bar when the action knows how far it is.
class DropZone : public QWidget {
    Q_OBJECT
public:
    explicit DropZone(AppState* state, QWidget* parent = nullptr);

    bool targeted() const { return m_targeted; }
    void setTargeted(bool targeted);
    void sync(); // reads busyMessage and busyProgress

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppState* m_state;
    bool m_targeted = false;
    qreal m_blend = 0; // 0 idle … 1 targeted, animated
    QVariantAnimation* m_animation;
    QStackedWidget* m_faces;
    QLabel* m_arrow;
    QLabel* m_busyText;
    Spinner* m_spinner;
    QProgressBar* m_progress;
};
