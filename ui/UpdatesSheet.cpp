#include "ui/UpdatesSheet.h"

#include "app/AppState.h"
#include "platform/gui/Sheet.h"
#include "ui/MarkdownView.h"
#include "ui/Theme.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Make.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

UpdatesSheet::UpdatesSheet(AppState* state, QWidget* parent)
    : QDialog(parent), m_state(state), m_updates(state->updatePlan().updates) {
    setObjectName(QStringLiteral("updatesSheet"));
    setWindowTitle(tr("Updates"));
    Sheet::present(*this);
    resize(620, 560);
    auto* layout = new QVBoxLayout(this);
    QLabel* title = Make::label(this, QStringLiteral("updates.title"), Theme::TextStyle::headline);
    title->setText(tr("%n updates", nullptr, int(m_updates.size())));
    layout->addWidget(title);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("updates.list"));
    for (const UpdatePlan::Update& u : m_updates) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1   %2 → %3 · %4")
                .arg(u.mod.name, u.from, u.package.version, Repository::sourceName(u.package.source)),
            m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    layout->addWidget(m_list, 1);
    m_changelog = new MarkdownView(state->services().workspace, this);
    m_changelog->setObjectName(QStringLiteral("updates.changelog"));
    layout->addWidget(m_changelog, 2);
    m_note =
        Make::label(this, QStringLiteral("updates.note"), Theme::TextStyle::caption, Theme::secondaryText());
    m_note->setTextFormat(Qt::PlainText);
    connect(m_changelog, &MarkdownView::noteChanged, m_note, &QLabel::setText);
    layout->addWidget(m_note);

    auto* footer = new QHBoxLayout;
    m_bar = Make::progressBar(this, QStringLiteral("updates.progress"), QSize(90, 6));
    m_bar->setRange(0, 1000);
    footer->addWidget(m_bar, 0, Qt::AlignVCenter);
    m_busy = new ElidedLabel(this);
    m_busy->setObjectName(QStringLiteral("updates.busy"));
    Theme::style(m_busy, Theme::TextStyle::caption, Theme::secondaryText());
    footer->addWidget(m_busy, 1);
    m_cancel =
        Make::button(this, QStringLiteral("updates.cancel"), tr("Cancel"), Theme::ButtonStyle::bordered);
    footer->addWidget(m_cancel);
    m_update = Make::button(this, QStringLiteral("updates.update"), QString(), Theme::ButtonStyle::prominent);
    footer->addWidget(m_update);
    layout->addLayout(footer);

    connect(m_list, &QListWidget::currentRowChanged, this, &UpdatesSheet::showChangelog);
    connect(m_list, &QListWidget::itemChanged, this, &UpdatesSheet::sync);
    connect(m_cancel, &QPushButton::clicked, this,
            [this] { m_running ? m_state->cancelUpdates() : reject(); });
    connect(m_update, &QPushButton::clicked, this, [this] {
        m_state->updateMods(ticked());
        m_running = m_state->busyMessage().has_value();
        sync();
    });
    connect(m_state, &AppState::busyMessageChanged, this, [this] {
        if (m_running && !m_state->busyMessage()) accept();
        sync();
    });
    connect(m_state, &AppState::busyProgressChanged, this, &UpdatesSheet::sync);
    if (!m_updates.isEmpty()) m_list->setCurrentRow(0);
    sync();
}

QString UpdatesSheet::buttonText(qsizetype n) {
    return tr("Update %n mods", nullptr, int(n));
}

QList<UpdatePlan::Update> UpdatesSheet::ticked() const {
    QList<UpdatePlan::Update> result;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked) result << m_updates.at(i);
    return result;
}

void UpdatesSheet::showChangelog(int row) {
    if (row < 0 || row >= m_updates.size()) return;
    m_changelog->showLoading();
    const TSPackage& package = m_updates.at(row).package;
    m_state->fetchDocument(package, package.version, PackageDocs::Kind::changelog,
                           [sheet = QPointer<UpdatesSheet>(this), row](const PackageDocs::Doc& doc) {
                               if (sheet && sheet->m_list->currentRow() == row)
                                   sheet->m_changelog->showDoc(doc, PackageDocs::Kind::changelog);
                           });
}

void UpdatesSheet::sync() {
    const qsizetype n = ticked().size();
    m_update->setText(buttonText(n));
    m_update->setEnabled(n > 0 && !m_state->busyMessage());
    m_list->setEnabled(!m_running);
    m_bar->setVisible(m_running);
    m_bar->setValue(int(m_state->busyProgress().value_or(0) * 1000));
    m_busy->setFullText(m_running ? m_state->busyMessage().value_or(QString()) : QString());
}
