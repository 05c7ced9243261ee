#include "ui/SetupBubble.h"

#include "app/AppState.h"
#include "ui/Icons.h"
#include "ui/ModsPane.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int bubbleIconSize = 14;
} // namespace

SetupBubble::SetupBubble(AppState* state, QWidget* parent) : QPushButton(parent), m_state(state) {
    setObjectName(QStringLiteral("setupBubble"));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 5, 10, 5);
    row->setSpacing(5);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("setupBubble.icon"));
    m_icon->setFixedSize(bubbleIconSize, bubbleIconSize);
    m_label = Make::label(this, QStringLiteral("setupBubble.label"), Theme::TextStyle::callout, QColor(),
                          QFont::Medium);
    m_label->setText(tr("Setup"));
    m_count = Make::label(this, QStringLiteral("setupBubble.count"), Theme::TextStyle::callout,
                          Theme::secondaryText(), QFont::Medium);
    for (QLabel* part : {m_icon, m_label, m_count}) {
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
        row->addWidget(part, 0, Qt::AlignVCenter);
    }
    connect(this, &QPushButton::clicked, m_state, [this] { m_state->setSetupCollapsed(false); });
    connect(m_state, &AppState::changed, this, &SetupBubble::scheduleRender);
    render();
}

QSize SetupBubble::sizeHint() const {
    return layout()->sizeHint();
}
QSize SetupBubble::minimumSizeHint() const {
    return layout()->sizeHint();
}

bool SetupBubble::event(QEvent* event) {
    // Visibility follows the setup's fold only once the bubble sits in a window: showing a
    // parentless widget would open it as a window of its own.
    if (event->type() == QEvent::ParentChange) scheduleRender();
    return QPushButton::event(event);
}

void SetupBubble::scheduleRender() {
    m_render.schedule();
}

void SetupBubble::render() {
    // Before the first probe answers, the bubble claims no count.
    const bool known = m_state->probed();
    m_allDone = known && m_state->allDone();
    const QString symbol =
        m_allDone ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("exclamationmark.circle.fill");
    m_icon->setPixmap(m_allDone ? Icons::pixmap(symbol, bubbleIconSize, Theme::green())
                                : Icons::pixmap(symbol, bubbleIconSize));
    m_icon->setProperty("symbol", symbol);
    m_icon->setVisible(known);
    m_count->setText(QStringLiteral("%1/7").arg(m_state->doneCount()));
    m_count->setVisible(known && !m_allDone);
    setToolTip(!known      ? ModsPane::readingSentence()
               : m_allDone ? tr("Setup complete — click to review the steps")
                           : tr("Setup incomplete — click to open"));
    setAccessibleName(known && !m_allDone ? tr("Setup %1/7").arg(m_state->doneCount()) : tr("Setup"));
    const bool collapsed = m_state->setupCollapsed();
    if (!collapsed)
        hide();
    else if (parentWidget())
        show();
    update();
}

void SetupBubble::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = outline.height() / 2;
    QPainterPath capsule;
    capsule.addRoundedRect(outline, radius, radius);
    QColor fill = Theme::controlBackground();
    if (isDown()) fill = fill.darker(108);
    painter.fillPath(capsule, fill);
    QColor stroke = Theme::separator();
    if (m_allDone) {
        stroke = Theme::green();
        stroke.setAlphaF(0.45f);
    }
    painter.setPen(QPen(stroke, 1));
    painter.drawPath(capsule);
}
