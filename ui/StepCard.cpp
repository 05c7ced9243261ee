#include "ui/StepCard.h"

#include "ui/Icons.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {
constexpr int markSize = 22;
constexpr int markWidth = 26;
} // namespace

StepCard::StepCard(int number, const QString& title, QWidget* parent) : QFrame(parent), m_number(number) {
    setObjectName(QStringLiteral("step%1").arg(number));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(12);

    m_mark = new QLabel(this);
    m_mark->setObjectName(QStringLiteral("mark"));
    m_mark->setFixedSize(markWidth, markSize + 1);
    m_mark->setAlignment(Qt::AlignHCenter | Qt::AlignBottom); // one point down from the top
    row->addWidget(m_mark, 0, Qt::AlignTop);

    m_column = new QVBoxLayout;
    m_column->setSpacing(6);
    row->addLayout(m_column, 1);

    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(6);
    m_title = Make::label(this, QStringLiteral("title"), Theme::TextStyle::body, QColor(), QFont::DemiBold);
    m_title->setText(title);
    titleRow->addWidget(m_title);
    m_badge = Make::label(this, QStringLiteral("badge"), Theme::TextStyle::caption2, Theme::secondaryText());
    const int badgeHeight = m_badge->fontMetrics().height() + 4;
    m_badge->setFixedHeight(badgeHeight);
    m_badge->setStyleSheet(QStringLiteral("QLabel { background: %1; border-radius: %2px; padding: 0 6px; }")
                               .arg(Theme::css(Theme::quaternary()))
                               .arg(badgeHeight / 2));
    m_badge->hide();
    titleRow->addWidget(m_badge, 0, Qt::AlignVCenter);
    titleRow->addStretch(1);
    m_column->addLayout(titleRow);

    m_subtitle = Make::label(this, QStringLiteral("subtitle"), Theme::TextStyle::callout,
                             Theme::secondaryText(), QFont::Normal, true);
    m_subtitle->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_column->addWidget(m_subtitle);

    setDone(false);
    m_markShown = true;
}

QString StepCard::subtitle() const {
    return m_subtitle->text();
}

std::optional<QString> StepCard::badge() const {
    if (m_badge->isHidden()) return std::nullopt;
    return m_badge->text();
}

void StepCard::setDone(bool done) {
    if (m_markShown && done == m_done) return;
    m_done = done;
    m_mark->setPixmap(StepCard::markPixmap(m_number, done, markSize));
    m_mark->setProperty("symbol", StepCard::markSymbol(m_number, done));
    m_mark->setAccessibleName(done ? tr("Done") : tr("Step %1").arg(m_number));
}

void StepCard::setSubtitle(const QString& subtitle) {
    m_subtitle->setText(subtitle);
}

void StepCard::setBadge(const std::optional<QString>& badge) {
    if (badge) m_badge->setText(*badge);
    m_badge->setVisible(badge.has_value());
}

void StepCard::setControls(QWidget* controls) {
    m_controls = controls;
    controls->setParent(this);
    m_column->addWidget(controls);
}

void StepCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(outline, 10, 10);
    painter.fillPath(path, Theme::controlBackground());
    QColor stroke = Theme::separator();
    stroke.setAlphaF(stroke.alphaF() * 0.6f);
    painter.setPen(QPen(stroke, 1));
    painter.drawPath(path);
}

QString StepCard::markSymbol(int number, bool done) {
    return done ? QStringLiteral("checkmark.circle.fill")
                : QString::number(number) + QStringLiteral(".circle");
}

QPixmap StepCard::markPixmap(int number, bool done, int size) {
    return done ? Icons::pixmap(QStringLiteral("checkmark.circle.fill"), size, Theme::green())
                : Icons::numberedCircle(number, size, Theme::secondaryText());
}
