#include "ui/DropZone.h"

#include "app/AppState.h"
#include "ui/Icons.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/Spinner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include <algorithm>

namespace {

constexpr int zoneHeight = 92;

} // namespace

DropZone::DropZone(AppState* state, QWidget* parent)
    : QWidget(parent), m_state(state), m_animation(new QVariantAnimation(this)),
      m_faces(new QStackedWidget(this)), m_arrow(new QLabel(this)), m_busyText(new QLabel(this)),
      m_spinner(new Spinner(16, this)),
      m_progress(Make::progressBar(this, QStringLiteral("dropZone.progress"), QSize(0, 5))) {
    setObjectName(QStringLiteral("dropZone"));
    setFixedHeight(zoneHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_animation->setDuration(150);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        m_blend = v.toReal();
        m_arrow->setPixmap(Icons::pixmap(QStringLiteral("arrow.down.doc"), 24,
                                         Theme::mix(Theme::secondaryText(), Theme::accent(), m_blend)));
        update();
    });

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(m_faces);

    auto* idle = new QWidget(m_faces);
    idle->setObjectName(QStringLiteral("dropZone.idle"));
    auto* column = new QVBoxLayout(idle);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addStretch();
    m_arrow->setParent(idle);
    m_arrow->setAlignment(Qt::AlignCenter);
    m_arrow->setPixmap(Icons::pixmap(QStringLiteral("arrow.down.doc"), 24, Theme::secondaryText()));
    column->addWidget(m_arrow);
    auto* title = new QLabel(tr("Drop mods here to install"), idle);
    Theme::style(title, Theme::TextStyle::callout, QColor(), QFont::Medium);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    auto* hint =
        new QLabel(tr("Thunderstore .zip · loose .dll · mod folders — they land in BepInEx/plugins"), idle);
    Theme::style(hint, Theme::TextStyle::caption, Theme::secondaryText());
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    column->addWidget(hint);
    column->addStretch();
    m_faces->addWidget(idle);

    auto* busy = new QWidget(m_faces);
    busy->setObjectName(QStringLiteral("dropZone.busy"));
    auto* busyColumn = new QVBoxLayout(busy);
    busyColumn->setContentsMargins(16, 0, 16, 0);
    busyColumn->setSpacing(8);
    busyColumn->addStretch();
    auto* busyRow = new QHBoxLayout;
    busyRow->setSpacing(10);
    busyRow->addStretch();
    m_spinner->setParent(busy);
    m_spinner->setObjectName(QStringLiteral("dropZone.spinner"));
    busyRow->addWidget(m_spinner);
    m_busyText->setParent(busy);
    m_busyText->setObjectName(QStringLiteral("dropZone.busyText"));
    Theme::style(m_busyText, Theme::TextStyle::callout, Theme::secondaryText());
    m_busyText->setTextFormat(Qt::PlainText);
    busyRow->addWidget(m_busyText);
    busyRow->addStretch();
    busyColumn->addLayout(busyRow);
    m_progress->setParent(busy);
    m_progress->setRange(0, 1000);
    m_progress->setMaximumWidth(320);
    busyColumn->addWidget(m_progress, 0, Qt::AlignHCenter);
    busyColumn->addStretch();
    m_faces->addWidget(busy);

    connect(m_state, &AppState::busyMessageChanged, this, &DropZone::sync);
    connect(m_state, &AppState::busyProgressChanged, this, &DropZone::sync);
    sync();
}

QSize DropZone::sizeHint() const {
    return {320, zoneHeight};
}

void DropZone::setTargeted(bool targeted) {
    if (m_targeted == targeted) return;
    m_targeted = targeted;
    m_animation->stop();
    m_animation->setStartValue(m_blend);
    m_animation->setEndValue(targeted ? 1.0 : 0.0);
    m_animation->start();
}

void DropZone::sync() {
    const auto& busy = m_state->busyMessage();
    m_faces->setCurrentIndex(busy ? 1 : 0);
    m_busyText->setText(busy.value_or(QString()));
    const auto& progress = m_state->busyProgress();
    // A known fraction replaces the spinner with a bar; an unknown one keeps the spinner.
    m_spinner->setVisible(busy && !progress);
    m_progress->setVisible(busy && progress);
    if (progress) m_progress->setValue(int(std::clamp(*progress, 0.0, 1.0) * 1000));
}

void DropZone::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal stroke = 1.5;
    const QRectF r = QRectF(rect()).adjusted(stroke / 2, stroke / 2, -stroke / 2, -stroke / 2);
    QColor idleFill = Theme::controlBackground();
    idleFill.setAlphaF(0.6);
    QColor targetFill = Theme::accent();
    targetFill.setAlphaF(0.10);
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::mix(idleFill, targetFill, m_blend));
    p.drawRoundedRect(r, 10, 10);
    QColor idleLine = Theme::separator();
    idleLine.setAlphaF(std::min(1.0, idleLine.alphaF() * 2.2)); // a dashed hairline needs more weight to read
    QPen pen(Theme::mix(idleLine, Theme::accent(), m_blend), stroke);
    pen.setDashPattern({6 / stroke, 4 / stroke});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 10, 10);
}
