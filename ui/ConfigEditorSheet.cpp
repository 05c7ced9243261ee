#include "ui/ConfigEditorSheet.h"

#include "app/AppState.h"
#include "catalog/CatalogQuery.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"
#include "platform/gui/Sheet.h"
#include "ui/ConfigEntryRow.h"
#include "ui/Icons.h"
#include "ui/Theme.h"
#include "ui/widgets/Divider.h"
#include "ui/widgets/InsetCard.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/SearchField.h"
#include "ui/widgets/Spinner.h"
#include "ui/widgets/Text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Page { errorPage, loadingPage, listPage, emptyPage };

QString errorText(const std::exception& e) {
    if (auto* own = dynamic_cast<const SkaldrunError*>(&e)) return own->message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

ConfigEditorSheet::ConfigEditorSheet(AppState* state, const ModItem& mod, QWidget* parent)
    : QDialog(parent), m_state(state), m_mod(mod) {
    setObjectName(QStringLiteral("configEditor"));
    setWindowTitle(mod.name);
    Sheet::present(*this);
    setMinimumSize(580, 440);
    resize(690, 610);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Header.
    auto* header = new QHBoxLayout;
    header->setContentsMargins(18, 14, 18, 12);
    header->setSpacing(10);
    auto* gear = new QLabel(this);
    gear->setPixmap(Icons::pixmap(QStringLiteral("gearshape.fill"), 22, Theme::secondaryText()));
    header->addWidget(gear);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(1);
    auto* title = new QLabel(mod.name, this);
    title->setObjectName(QStringLiteral("configEditor.title"));
    title->setTextFormat(Qt::PlainText);
    Theme::style(title, Theme::TextStyle::headline);
    titles->addWidget(title);
    m_fileName = new QLabel(this);
    m_fileName->setObjectName(QStringLiteral("configEditor.fileName"));
    m_fileName->setTextFormat(Qt::PlainText);
    Theme::style(m_fileName, Theme::TextStyle::caption, Theme::secondaryText());
    titles->addWidget(m_fileName);
    header->addLayout(titles);
    m_fileMenu = new QComboBox(this);
    m_fileMenu->setObjectName(QStringLiteral("configEditor.fileMenu"));
    for (const QString& file : mod.configFiles)
        m_fileMenu->addItem(Fs::fileName(file));
    Theme::setSmall(m_fileMenu);
    m_fileMenu->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fileMenu->setMinimumContentsLength(16);
    m_fileMenu->setVisible(mod.configFiles.size() >= 2);
    connect(m_fileMenu, &QComboBox::activated, this, &ConfigEditorSheet::setFileIndex);
    header->addWidget(m_fileMenu);
    header->addStretch();
    auto* search = new SearchField(tr("Search settings"), QStringLiteral("configEditor.search"), this);
    m_searchEdit = search->lineEdit();
    // Wide enough for the placeholder in the player's language (the icon, margins and clear button
    // take about 64 px), and never narrower than before.
    search->setFixedWidth(
        std::max(190, m_searchEdit->fontMetrics().horizontalAdvance(m_searchEdit->placeholderText()) + 64));
    connect(m_searchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_search = text;
        layoutSections();
    });
    header->addWidget(search);
    column->addLayout(header);
    column->addWidget(new Divider(this));

    // Content.
    m_content = new QStackedWidget(this);
    auto* error = new QWidget(m_content);
    auto* errorColumn = new QVBoxLayout(error);
    errorColumn->setSpacing(10);
    errorColumn->addStretch();
    auto* warning = new QLabel(error);
    warning->setPixmap(Icons::pixmap(QStringLiteral("exclamationmark.triangle"), 34, Theme::secondaryText()));
    warning->setAlignment(Qt::AlignCenter);
    errorColumn->addWidget(warning);
    m_errorText = new QLabel(error);
    m_errorText->setObjectName(QStringLiteral("configEditor.error"));
    m_errorText->setTextFormat(Qt::PlainText);
    m_errorText->setWordWrap(true);
    m_errorText->setAlignment(Qt::AlignCenter);
    m_errorText->setFixedWidth(460);
    Theme::style(m_errorText, Theme::TextStyle::callout, Theme::secondaryText());
    errorColumn->addWidget(m_errorText, 0, Qt::AlignHCenter);
    errorColumn->addStretch();
    m_content->insertWidget(errorPage, error);

    auto* loading = new QWidget(m_content);
    auto* loadingColumn = new QVBoxLayout(loading);
    loadingColumn->addStretch();
    loadingColumn->addWidget(new Spinner(22, loading), 0, Qt::AlignHCenter);
    loadingColumn->addStretch();
    m_content->insertWidget(loadingPage, loading);

    auto* scroll = new QScrollArea(m_content);
    scroll->setObjectName(QStringLiteral("configEditor.list"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    Make::slimScrollBars(scroll);
    scroll->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
    m_listContent = new QWidget;
    m_listContent->setObjectName(QStringLiteral("configEditor.list.content"));
    m_sections = new QVBoxLayout(m_listContent);
    m_sections->setContentsMargins(16, 10, 16, 14);
    m_sections->setSpacing(0);
    scroll->setWidget(m_listContent);
    scroll->viewport()->setAutoFillBackground(false);
    m_listContent->setAutoFillBackground(false);
    m_content->insertWidget(listPage, scroll);

    m_emptyText = new QLabel(m_content);
    m_emptyText->setObjectName(QStringLiteral("configEditor.empty"));
    m_emptyText->setTextFormat(Qt::PlainText);
    m_emptyText->setAlignment(Qt::AlignCenter);
    m_emptyText->setWordWrap(true);
    Theme::style(m_emptyText, Theme::TextStyle::callout, Theme::secondaryText());
    m_content->insertWidget(emptyPage, m_emptyText);
    m_content->setCurrentIndex(loadingPage);
    column->addWidget(m_content, 1);

    // Rows not shown under the current filter wait here.
    m_rowHolder = new QWidget(this);
    m_rowHolder->hide();

    column->addWidget(new Divider(this));
    // Footer.
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(18, 12, 18, 14);
    footer->setSpacing(10);
    m_revert = Make::button(this, QStringLiteral("configEditor.revert"), tr("Revert to Original"),
                            Theme::ButtonStyle::bordered);
    m_revert->setToolTip(tr("Restore the config as it was before any edits made here"));
    connect(m_revert, &QPushButton::clicked, this, &ConfigEditorSheet::confirmRevert);
    footer->addWidget(m_revert);
    auto* note = new QLabel(tr("Changes apply the next time Valheim starts."), this);
    note->setObjectName(QStringLiteral("configEditor.note"));
    Theme::style(note, Theme::TextStyle::caption, Theme::tertiaryText());
    // Wraps rather than squeezing the buttons where the sentence is long.
    note->setWordWrap(true);
    footer->addWidget(note, 1);
    m_cancel =
        Make::button(this, QStringLiteral("configEditor.cancel"), tr("Close"), Theme::ButtonStyle::bordered);
    m_cancel->setMinimumWidth(80);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    footer->addWidget(m_cancel);
    m_save =
        Make::button(this, QStringLiteral("configEditor.save"), tr("Save"), Theme::ButtonStyle::prominent);
    m_save->setMinimumWidth(80);
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &ConfigEditorSheet::save);
    footer->addWidget(m_save);
    column->addLayout(footer);

    syncFooter();
}

std::optional<QString> ConfigEditorSheet::currentURL() const {
    if (m_fileIndex >= 0 && m_fileIndex < m_mod.configFiles.size()) return m_mod.configFiles[m_fileIndex];
    return std::nullopt;
}

QString ConfigEditorSheet::currentValue(const ConfigEntry& entry) const {
    return m_edits.value(entry.id, entry.originalValue);
}

bool ConfigEditorSheet::isDirty() const {
    if (!m_config) return false;
    for (const ConfigEntry& entry : m_config->entries) {
        if (currentValue(entry) != entry.originalValue) return true;
    }
    return false;
}

void ConfigEditorSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_loadedOnce) return;
    m_loadedOnce = true;
    load();
}

void ConfigEditorSheet::setFileIndex(int index) {
    if (index == m_fileIndex) return;
    m_fileIndex = index;
    if (m_fileMenu->currentIndex() != index) m_fileMenu->setCurrentIndex(index);
    // The previous file's settings and edits go now: should the new file fail to load, "Save"
    // must not write edits the player can no longer see into a file they have left.
    m_config.reset();
    m_edits.clear();
    rebuildRows();
    load();
}

void ConfigEditorSheet::load() {
    const auto url = currentURL();
    m_fileName->setText(url ? Fs::fileName(*url) : QString());
    if (!url) {
        m_loadError = tr("No config file found.");
    } else {
        try {
            // The first-seen copy comes before anything else, so "Revert to Original" can
            // always return to the file as it was before this editor touched it.
            ConfigStore::ensureBackup(*url);
            m_config = ConfigStore::parse(*url);
            m_edits.clear();
            m_loadError.reset();
            rebuildRows();
        } catch (const std::exception& e) {
            m_loadError = tr("Couldn't read %1: %2").arg(Fs::fileName(*url), errorText(e));
        }
    }
    layoutSections();
    syncFooter();
}

void ConfigEditorSheet::save() {
    if (!m_config) return;
    if (const auto error = m_state->saveConfig(m_config->url, m_edits, m_mod.name)) {
        showSaveError(*error);
        return;
    }
    accept();
}

void ConfigEditorSheet::revert() {
    const auto url = currentURL();
    if (!url) return;
    if (const auto error = m_state->revertConfig(*url, m_mod.name)) {
        showSaveError(*error);
        return;
    }
    load();
}

void ConfigEditorSheet::confirmRevert() {
    const auto url = currentURL();
    auto* box = new QMessageBox(this);
    box->setObjectName(QStringLiteral("configEditor.revertConfirm"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Warning);
    box->setText(tr("Revert to original settings?"));
    Text::setPlainInformativeText(
        box, url ? tr("This restores %1 to the copy saved when you first opened it here. "
                      "Your customized values will be lost.")
                       .arg(Fs::fileName(*url))
                 : tr("This restores the file to the copy saved when you first opened it here. "
                      "Your customized values will be lost."));
    QPushButton* revertButton = box->addButton(tr("Revert"), QMessageBox::DestructiveRole);
    revertButton->setObjectName(QStringLiteral("configEditor.revertConfirm.revert"));
    QPushButton* cancelButton = box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("configEditor.revertConfirm.cancel"));
    box->setDefaultButton(cancelButton);
    box->setEscapeButton(cancelButton);
    connect(revertButton, &QPushButton::clicked, this, &ConfigEditorSheet::revert);
    box->open();
}

void ConfigEditorSheet::showSaveError(const QString& text) {
    m_saveError = text;
    auto* box = new QMessageBox(this);
    box->setObjectName(QStringLiteral("configEditor.errorAlert"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Warning);
    box->setText(tr("Couldn't save"));
    Text::setPlainInformativeText(box, text);
    box->addButton(QMessageBox::Ok);
    connect(box, &QMessageBox::finished, this, [this] { m_saveError.reset(); });
    box->open();
}

QList<ConfigEditorSheet::Section>
ConfigEditorSheet::filteredSections(const std::optional<ParsedConfig>& config, const QString& search) {
    QList<Section> sections;
    if (!config) return sections;
    const QString filter = CatalogQuery::normalizedQuery(search);
    for (qsizetype i = 0; i < config->entries.size(); ++i) {
        const ConfigEntry& entry = config->entries[i];
        if (!filter.isEmpty()) {
            const QString haystack =
                (entry.key + QLatin1Char(' ') + entry.description + QLatin1Char(' ') + entry.section)
                    .toLower();
            if (!haystack.contains(filter)) continue;
        }
        if (sections.isEmpty() || sections.last().name != entry.section)
            sections.append(Section{entry.section, {}});
        sections.last().entries.append(i);
    }
    return sections;
}

void ConfigEditorSheet::rebuildRows() {
    qDeleteAll(m_rows);
    m_rows.clear();
    if (!m_config) return;
    for (const ConfigEntry& entry : m_config->entries) {
        auto* row = new ConfigEntryRow(entry, currentValue(entry), m_rowHolder);
        connect(row, &ConfigEntryRow::valueEdited, this, [this](const QString& id, const QString& value) {
            m_edits.insert(id, value);
            syncFooter();
        });
        m_rows.append(row);
    }
}

void ConfigEditorSheet::layoutSections() {
    // Park every row, then drop the old headers and cards and build the groups of this filter.
    for (ConfigEntryRow* row : std::as_const(m_rows))
        row->setParent(m_rowHolder);
    while (QLayoutItem* item = m_sections->takeAt(0)) {
        delete item->widget();
        delete item;
    }

    if (m_loadError) {
        m_errorText->setText(*m_loadError);
        m_errorText->setMinimumHeight(m_errorText->heightForWidth(m_errorText->width()));
        m_content->setCurrentIndex(errorPage);
        return;
    }
    if (!m_config) {
        m_content->setCurrentIndex(loadingPage);
        return;
    }
    const QList<Section> sections = filteredSections(m_config, m_search);
    if (sections.isEmpty()) {
        m_emptyText->setText(m_search.isEmpty() ? tr("No settings found in this file.")
                                                : tr("No settings match “%1”.").arg(m_search));
        m_content->setCurrentIndex(emptyPage);
        return;
    }
    for (const Section& section : sections) {
        auto* heading = new QLabel(section.name.isEmpty() ? tr("General") : section.name, m_listContent);
        heading->setObjectName(QStringLiteral("configEditor.section"));
        heading->setTextFormat(Qt::PlainText);
        Theme::style(heading, Theme::TextStyle::caption, Theme::secondaryText(), QFont::DemiBold);
        heading->setContentsMargins(4, m_sections->count() == 0 ? 0 : 14, 0, 5);
        m_sections->addWidget(heading);
        auto* card = new InsetCard(m_listContent);
        card->setObjectName(QStringLiteral("configEditor.sectionCard"));
        for (qsizetype i : section.entries) {
            card->rows()->addWidget(m_rows[i]);
            m_rows[i]->show();
        }
        m_sections->addWidget(card);
    }
    m_sections->addStretch();
    m_content->setCurrentIndex(listPage);
}

void ConfigEditorSheet::syncFooter() {
    const bool dirty = isDirty();
    m_cancel->setText(dirty ? tr("Cancel") : tr("Close"));
    m_save->setEnabled(dirty && !m_loadError);
    const auto url = currentURL();
    m_revert->setEnabled(url && ConfigStore::hasBackup(*url));
}
