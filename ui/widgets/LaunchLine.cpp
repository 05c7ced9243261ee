#include "ui/widgets/LaunchLine.h"

#include "app/AppState.h"
#include "launch/LaunchText.h"
#include "ui/Icons.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

LaunchLine::LaunchLine(AppState* state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("launchLine"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 0, 16, 6);
    row->setSpacing(6);
    m_symbol = new QLabel(this);
    m_symbol->setObjectName(QStringLiteral("launchLine.symbol"));
    row->addWidget(m_symbol, 0, Qt::AlignTop);
    m_text = Make::label(this, QStringLiteral("launchLine.text"), Theme::TextStyle::caption,
                         Theme::secondaryText(), QFont::Normal, true);
    m_text->setTextFormat(Qt::PlainText);
    row->addWidget(m_text, 1);
    m_details = new QPushButton(tr("Details"), this);
    m_details->setObjectName(QStringLiteral("launchLine.details"));
    Theme::setButtonStyle(m_details, Theme::ButtonStyle::link);
    Theme::setSmall(m_details);
    m_details->setAutoDefault(false);
    connect(m_details, &QPushButton::clicked, this, &LaunchLine::detailsRequested);
    row->addWidget(m_details, 0, Qt::AlignTop);
    sync();
}

bool LaunchLine::shouldShow(const AppState& state) {
    return state.gameDir() && (state.lastLaunch().report || state.lastLaunch().noLog);
}

void LaunchLine::sync() {
    const LastLaunch& last = m_state->lastLaunch();
    const bool clean = last.clean();
    const QString symbol =
        clean ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("exclamationmark.triangle.fill");
    m_symbol->setPixmap(Icons::tinted(symbol, clean ? Theme::green() : Theme::orange()).pixmap(13, 13));
    m_symbol->setProperty("symbol", symbol);
    m_details->setVisible(last.report.has_value());
    if (last.noLog) {
        m_text->setText(*last.noLog);
        return;
    }
    if (!last.report) return;
    const LaunchReport& r = *last.report;
    const std::optional<QDateTime> when = r.completedAt ? r.completedAt : r.written;
    m_text->setText(when ? tr("Last launch %1 · %2").arg(Text::mediumDateTime(*when), LaunchText::summary(r))
                         : tr("Last launch · %1").arg(LaunchText::summary(r)));
}
