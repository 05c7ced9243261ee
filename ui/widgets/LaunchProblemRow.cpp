#include "ui/widgets/LaunchProblemRow.h"

#include "app/AppState.h"
#include "ui/DependantsPrompt.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LaunchProblemRow::LaunchProblemRow(AppState* state, const QString& name, QWidget* parent)
    : QWidget(parent), m_state(state) {
    setObjectName(name);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 4, 12, 6);
    row->setSpacing(8);
    m_symbol = Make::symbolLabel(this, QStringLiteral("exclamationmark.triangle.fill"), 14, Theme::orange());
    row->addWidget(m_symbol, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    m_text = Make::label(this, name + QStringLiteral(".text"), Theme::TextStyle::caption, QColor(),
                         QFont::Normal, true);
    m_text->setTextFormat(Qt::PlainText); // names and reasons come from the log
    column->addWidget(m_text);
    m_buttons = new QHBoxLayout;
    m_buttons->setSpacing(6);
    m_buttons->addStretch();
    column->addLayout(m_buttons);
    row->addLayout(column, 1);
    connect(m_state, &AppState::changed, this, &LaunchProblemRow::sync);
    connect(m_state, &AppState::planChanged, this, &LaunchProblemRow::sync);
}

void LaunchProblemRow::setProblem(const LastLaunch::Problem& problem) {
    m_problem = problem;
    m_text->setText(problem.text);
    m_symbol->setVisible(!problem.warningOnly);
    Theme::style(m_text, Theme::TextStyle::caption, problem.warningOnly ? Theme::secondaryText() : QColor());
    sync();
}

void LaunchProblemRow::sync() {
    const QList<LaunchFixes::Fix> fixes = m_state->launchFixes(m_problem);
    // Rebuilt only when the fixes change: a click's button must outlive the click.
    QStringList labels;
    for (const LaunchFixes::Fix& fix : fixes)
        labels << fix.label;
    if (property("fixes").toStringList() != labels) {
        setProperty("fixes", labels);
        while (m_buttons->count() > 1) {
            QLayoutItem* item = m_buttons->takeAt(0);
            item->widget()->deleteLater();
            delete item;
        }
        for (qsizetype i = 0; i < fixes.size(); ++i) {
            auto* button = Make::button(this, objectName() + QStringLiteral(".fix%1").arg(i),
                                        Text::buttonLabel(fixes[i].label),
                                        i == 0 ? Theme::ButtonStyle::prominent : Theme::ButtonStyle::bordered,
                                        Theme::ControlSize::small);
            connect(button, &QPushButton::clicked, this, [this, fix = fixes[i]] {
                if (fix.kind == LaunchFixes::Fix::Kind::switchOff && fix.mod)
                    DependantsPrompt::disable(m_state, *fix.mod, window());
                else
                    m_state->applyLaunchFix(fix);
            });
            m_buttons->insertWidget(int(i), button);
        }
    }
    for (int i = 0; i < m_buttons->count() - 1; ++i)
        m_buttons->itemAt(i)->widget()->setEnabled(!m_state->busyMessage());
}
