#include "ui/ExportSheet.h"

#include "app/AppState.h"
#include "platform/gui/Sheet.h"
#include "ui/ImportSheet.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using Theme::ButtonStyle;
using Theme::TextStyle;

ExportSheet::ExportSheet(AppState* state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("exportSheet"));
    setWindowTitle(tr("Export This Profile"));
    Sheet::present(*this);
    resize(520, 260);
    auto* layout = new QVBoxLayout(this);
    // On macOS a sheet has no title bar: the title is part of the sheet.
    QLabel* title = Make::label(this, QStringLiteral("export.title"), TextStyle::headline);
    title->setText(windowTitle());
    layout->addWidget(title);
    m_summary =
        Make::label(this, QStringLiteral("export.summary"), TextStyle::body, QColor(), QFont::Normal, true);
    layout->addWidget(m_summary);
    m_left = Make::label(this, QStringLiteral("export.notIncluded"), TextStyle::callout, Theme::orange(),
                         QFont::Normal, true);
    layout->addWidget(m_left);
    auto* codeRow = new QHBoxLayout;
    m_code = Make::label(this, QStringLiteral("export.code"), TextStyle::body);
    m_code->setTextInteractionFlags(Qt::TextSelectableByMouse);
    codeRow->addWidget(m_code, 1);
    m_copy = Make::button(this, QStringLiteral("export.copy"), tr("Copy"), ButtonStyle::bordered);
    codeRow->addWidget(m_copy);
    layout->addLayout(codeRow);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    m_save = Make::button(this, QStringLiteral("export.save"), tr("Save .r2z…"), ButtonStyle::bordered);
    buttons->addWidget(m_save);
    m_makeCode =
        Make::button(this, QStringLiteral("export.makeCode"), tr("Get Code"), ButtonStyle::prominent);
    buttons->addWidget(m_makeCode);
    buttons->addStretch(1);
    auto* done = Make::button(this, QStringLiteral("export.done"), tr("Done"), ButtonStyle::bordered);
    buttons->addWidget(done);
    layout->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, m_state, &AppState::exportProfileToFile);
    connect(m_makeCode, &QPushButton::clicked, m_state, &AppState::exportProfileCode);
    connect(m_copy, &QPushButton::clicked, m_state, &AppState::copyExportedCode);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    for (auto signal : {&AppState::modsChanged, &AppState::busyMessageChanged, &AppState::lastActionChanged})
        connect(m_state, signal, this, &ExportSheet::render);
    render();
}

void ExportSheet::render() {
    const AppState::ExportPlan plan = m_state->exportPlan();
    m_summary->setText(tr("%1 and %2, for r2modman, Gale and Skaldrun players.")
                           .arg(ImportSheet::modCount(plan.profile.mods.size()),
                                ImportSheet::configCount(plan.profile.configs.size())));
    m_left->setVisible(!plan.notIncluded.isEmpty());
    m_left->setText(AppState::notIncludedLine(plan.notIncluded));
    const auto& code = m_state->exportedCode();
    m_code->setText(code.value_or(QString()));
    m_copy->setVisible(code.has_value());
    const bool busy = m_state->busyMessage().has_value();
    m_save->setEnabled(!busy);
    m_makeCode->setEnabled(!busy);
}
