#include "ui/SetupBubble.h"

#include "app/AppState.h"

// Placeholder until the main window lands.
SetupBubble::SetupBubble(AppState* state, QWidget* parent) : QPushButton(parent), m_state(state) {
    setObjectName(QStringLiteral("setupBubble"));
    setText(QStringLiteral("Setup"));
    connect(this, &QPushButton::clicked, m_state, [this] { m_state->setSetupCollapsed(false); });
}
