#include "ui/ModsPane.h"

#include "ui/SetupBubble.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

// Placeholder until the mods pane lands: the header with the setup bubble.
ModsPane::ModsPane(AppState* state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("modsPane"));
    auto* column = new QVBoxLayout(this);
    auto* header = new QHBoxLayout;
    header->addWidget(new SetupBubble(state, this));
    header->addStretch();
    column->addLayout(header);
    column->addStretch();
}
