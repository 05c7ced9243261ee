#include "ui/LaunchSheet.h"

#include "app/AppState.h"
#include "launch/LaunchText.h"
#include "platform/Fs.h"
#include "platform/gui/Sheet.h"
#include "ui/Theme.h"
#include "ui/widgets/LaunchProblemRow.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

LaunchSheet::LaunchSheet(AppState* state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("launchSheet"));
    setWindowTitle(tr("Last launch"));
    Sheet::present(*this);
    resize(620, 520);
    auto* layout = new QVBoxLayout(this);
    QLabel* title = Make::label(this, QStringLiteral("launchSheet.title"), Theme::TextStyle::headline);
    title->setText(tr("Last launch"));
    layout->addWidget(title);
    m_summary = Make::label(this, QStringLiteral("launchSheet.summary"), Theme::TextStyle::body, QColor(),
                            QFont::Normal, true);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);
    m_versions = Make::label(this, QStringLiteral("launchSheet.versions"), Theme::TextStyle::caption,
                             Theme::secondaryText(), QFont::Normal, true);
    m_versions->setTextFormat(Qt::PlainText);
    m_versions->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_versions);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("launchSheet.problems"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    Make::slimScrollBars(scroll);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    m_problems = new QVBoxLayout;
    m_problems->setSpacing(0);
    column->addLayout(m_problems);
    m_messages = Make::label(content, QStringLiteral("launchSheet.messages"), Theme::TextStyle::caption,
                             Theme::secondaryText(), QFont::Normal, true);
    m_messages->setTextFormat(Qt::PlainText);
    m_messages->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_messages);
    column->addStretch();
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto* footer = new QHBoxLayout;
    QPushButton* copy = Make::button(this, QStringLiteral("launchSheet.copy"), tr("Copy for Discord"),
                                     Theme::ButtonStyle::bordered);
    connect(copy, &QPushButton::clicked, m_state, &AppState::copyLaunchForDiscord);
    footer->addWidget(copy);
    footer->addStretch();
    QPushButton* done =
        Make::button(this, QStringLiteral("launchSheet.done"), tr("Done"), Theme::ButtonStyle::prominent);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    footer->addWidget(done);
    layout->addLayout(footer);

    connect(m_state, &AppState::launchChanged, this, &LaunchSheet::sync);
    sync();
}

void LaunchSheet::sync() {
    const LastLaunch& last = m_state->lastLaunch();
    while (QLayoutItem* item = m_problems->takeAt(0)) {
        item->widget()->deleteLater();
        delete item;
    }
    if (!last.report) {
        m_summary->setText(last.noLog.value_or(QString()));
        m_versions->clear();
        m_messages->clear();
        return;
    }
    const LaunchReport& r = *last.report;
    QStringList summary{LaunchText::summary(r)};
    if (last.noLog) summary.prepend(*last.noLog);
    if (last.gameUpdate) summary << LaunchText::gameUpdated(*last.gameUpdate);
    m_summary->setText(summary.join(QLatin1Char('\n')));
    QStringList versions;
    if (r.bepInEx) versions << QStringLiteral("BepInEx ") + *r.bepInEx;
    if (r.pack) versions << QStringLiteral("BepInExPack ") + *r.pack;
    if (r.unity) versions << QStringLiteral("Unity ") + *r.unity;
    if (r.platform) versions << (r.server ? tr("%1 server").arg(*r.platform) : *r.platform);
    const std::optional<QDateTime> when = r.completedAt ? r.completedAt : r.written;
    if (when) versions << Text::mediumDateTime(*when);
    m_versions->setText(versions.join(QStringLiteral(" · ")) + QLatin1Char('\n') + Fs::displayPath(r.file));
    for (qsizetype i = 0; i < last.problems.size(); ++i) {
        auto* row = new LaunchProblemRow(m_state, QStringLiteral("launchSheet.problem%1").arg(i));
        row->setProblem(last.problems[i]);
        m_problems->addWidget(row);
    }
    QStringList messages;
    for (const LaunchReport::Message& m : r.messages)
        messages << (m.count > 1 ? tr("[%1] %2 (%n times)", nullptr, m.count).arg(m.source, m.text)
                                 : QStringLiteral("[%1] %2").arg(m.source, m.text));
    m_messages->setText(
        messages.isEmpty() ? QString()
                           : tr("What the mods wrote themselves:\n%1").arg(messages.join(QLatin1Char('\n'))));
}
