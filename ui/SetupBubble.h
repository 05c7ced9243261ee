#pragma once

#include "ui/widgets/DeferredRender.h"

#include <QPushButton>

class AppState;
class QLabel;

// The capsule that stands for the folded setup pane in the mods pane's header. It shows
// itself only while the setup is folded; pressing it unfolds the setup.
class SetupBubble : public QPushButton {
    Q_OBJECT
public:
    explicit SetupBubble(AppState* state, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void scheduleRender();
    void render();

    AppState* m_state;
    DeferredRender m_render{this, [this] { render(); }};
    bool m_allDone = false;
    QLabel* m_icon;
    QLabel* m_label;
    QLabel* m_count;
};
