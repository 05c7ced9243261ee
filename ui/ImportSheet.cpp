#include "ui/ImportSheet.h"

#include "app/AppState.h"
#include "platform/gui/Sheet.h"
#include "ui/ExportSheet.h"
#include "ui/Theme.h"
#include "ui/widgets/FoldingRow.h"
#include "ui/widgets/Make.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using Theme::ButtonStyle;
using Theme::TextStyle;

namespace {

// A field's name above it; clicking it (or its mnemonic) focuses the field.
QLabel* fieldLabel(QWidget* parent, const QString& name, const QString& text, QWidget* field) {
    QLabel* label = Make::label(parent, name, TextStyle::callout, QColor(), QFont::Medium);
    label->setText(text);
    label->setBuddy(field);
    return label;
}

} // namespace

// One source text per count: English's own plural forms come from its translation file, as every
// language's do (Polish and Russian have three).
QString ImportSheet::modCount(qsizetype n) {
    return tr("%n mods", nullptr, int(n));
}

QString ImportSheet::configCount(qsizetype n) {
    return tr("%n config files", nullptr, int(n));
}

ImportSheet::ImportSheet(AppState* state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("importSheet"));
    setWindowTitle(tr("Import a Profile"));
    Sheet::present(*this);
    resize(600, 520);
    auto* layout = new QVBoxLayout(this);
    // On macOS a sheet has no title bar: the title is part of the sheet.
    QLabel* title = Make::label(this, QStringLiteral("import.title"), TextStyle::headline);
    title->setText(windowTitle());
    layout->addWidget(title);
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("import.code"));
    m_code->setPlaceholderText(tr("Paste a profile code"));
    layout->addWidget(fieldLabel(this, QStringLiteral("import.codeLabel"),
                                 tr("Profile code from r2modman, Gale or Skaldrun"), m_code));
    auto* source = new QHBoxLayout;
    source->addWidget(m_code, 1);
    m_read = Make::button(this, QStringLiteral("import.read"), tr("Read Code"), ButtonStyle::bordered);
    source->addWidget(m_read);
    auto* open = Make::button(this, QStringLiteral("import.open"), tr("Open File…"), ButtonStyle::bordered);
    source->addWidget(open);
    layout->addLayout(source);

    m_mods = new QTreeWidget(this);
    m_mods->setObjectName(QStringLiteral("import.mods"));
    m_mods->setRootIsDecorated(false);
    m_mods->setHeaderLabels({tr("Mod"), tr("Version"), tr("Enabled"), tr("Repository")});
    m_mods->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(m_mods, 1);
    m_summary =
        Make::label(this, QStringLiteral("import.summary"), TextStyle::callout, Theme::secondaryText());
    layout->addWidget(m_summary);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("import.name"));
    layout->addWidget(
        fieldLabel(this, QStringLiteral("import.nameLabel"), tr("Name of the new profile"), m_name));
    auto* choice = new QHBoxLayout;
    choice->addWidget(m_name, 1);
    m_newProfile =
        Make::button(this, QStringLiteral("import.newProfile"), tr("New Profile"), ButtonStyle::prominent);
    choice->addWidget(m_newProfile);
    m_replace = Make::button(this, QStringLiteral("import.replace"), tr("Replace This Profile"),
                             ButtonStyle::bordered);
    choice->addWidget(m_replace);
    layout->addLayout(choice);

    auto* footer = new QHBoxLayout;
    m_bar = Make::progressBar(this, QStringLiteral("import.progress"), QSize(160, 6));
    footer->addWidget(m_bar);
    m_busy = Make::label(this, QStringLiteral("import.busy"), TextStyle::caption, Theme::secondaryText());
    footer->addWidget(m_busy, 1);
    m_close = Make::button(this, QStringLiteral("import.close"), tr("Close"), ButtonStyle::bordered);
    footer->addWidget(m_close);
    layout->addLayout(footer);

    connect(m_read, &QPushButton::clicked, this, [this] { m_state->readProfileCode(m_code->text()); });
    connect(m_code, &QLineEdit::returnPressed, m_read, &QPushButton::click);
    connect(open, &QPushButton::clicked, m_state, &AppState::chooseProfileFile);
    connect(m_newProfile, &QPushButton::clicked, this,
            [this] { m_state->importProfile(AppState::ImportTarget::newProfile, m_name->text()); });
    connect(m_replace, &QPushButton::clicked, this,
            [this] { m_state->importProfile(AppState::ImportTarget::replaceActive); });
    // While an import runs the button stops it; otherwise it closes the sheet.
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (m_state->busyMessage())
            m_state->cancelImport();
        else
            reject();
    });
    connect(this, &QDialog::finished, m_state, &AppState::discardPendingImport);
    connect(m_state, &AppState::changed, this, &ImportSheet::render);
    render();
}

void ImportSheet::render() {
    const auto& pack = m_state->pendingImport();
    const bool busy = m_state->busyMessage().has_value();
    if (m_mods->topLevelItemCount() == 0 || !pack || !busy) {
        m_mods->clear();
        for (const AppState::ImportRow& row : m_state->importRows()) {
            auto* item = new QTreeWidgetItem(
                m_mods, {row.mod.name, row.mod.version, row.mod.enabled ? tr("yes") : tr("no"),
                         row.foundOn ? Repository::sourceName(*row.foundOn) : tr("not found")});
            if (!row.foundOn) item->setForeground(3, Theme::secondaryText());
        }
    }
    if (pack) {
        m_summary->setText(
            tr("“%1”: %2, %3")
                .arg(pack->name, modCount(pack->mods.size()), configCount(pack->configs.size())));
        if (m_name->text().isEmpty()) m_name->setText(pack->name);
    } else {
        m_summary->setText(tr("Paste a code from r2modman, Gale or Skaldrun, or open a .r2z file."));
    }
    m_newProfile->setEnabled(pack && !busy);
    m_replace->setEnabled(pack && !busy);
    m_read->setEnabled(!busy);
    m_bar->setVisible(busy);
    if (const auto& progress = m_state->busyProgress()) {
        m_bar->setRange(0, 1000);
        m_bar->setValue(int(qBound(0.0, *progress, 1.0) * 1000));
    } else {
        m_bar->setRange(0, 0);
    }
    m_busy->setText(busy ? *m_state->busyMessage() : m_state->lastAction().value_or(QString()));
    m_close->setText(busy ? tr("Cancel") : tr("Close"));
}

void addShareButtons(FoldingRow* row, QWidget* host, AppState* state) {
    auto importing = std::make_shared<QPointer<ImportSheet>>();
    const auto openImport = [host, state, importing] {
        if (*importing) return;
        auto* sheet = new ImportSheet(state, host->window());
        sheet->setAttribute(Qt::WA_DeleteOnClose);
        *importing = sheet;
        sheet->open();
    };
    auto* import = Make::button(host, QStringLiteral("modsPane.import"), ImportSheet::tr("Import…"),
                                ButtonStyle::borderless, Theme::ControlSize::small);
    QObject::connect(import, &QPushButton::clicked, host, openImport);
    QObject::connect(state, &AppState::pendingImportChanged, host, [state, openImport] {
        if (state->pendingImport()) openImport();
    });
    auto* exporting = Make::button(host, QStringLiteral("modsPane.export"), ImportSheet::tr("Export…"),
                                   ButtonStyle::borderless, Theme::ControlSize::small);
    QObject::connect(exporting, &QPushButton::clicked, host, [host, state] {
        auto* sheet = new ExportSheet(state, host->window());
        sheet->setAttribute(Qt::WA_DeleteOnClose);
        sheet->open();
    });
    row->addSecondary(import, ImportSheet::tr("Import a Profile…"));
    row->addSecondary(exporting, ImportSheet::tr("Export This Profile…"));
}
