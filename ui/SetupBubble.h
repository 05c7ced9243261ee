#pragma once

#include <QPushButton>

class AppState;

// The capsule that stands for the folded setup pane in the mods pane's header. It shows
// itself only while the setup is folded; pressing it unfolds the setup.
class SetupBubble : public QPushButton {
    Q_OBJECT
public:
    explicit SetupBubble(AppState* state, QWidget* parent = nullptr);

private:
    AppState* m_state;
};
