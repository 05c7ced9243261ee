#pragma once

#include "config/ConfigStore.h"
#include "inventory/ModScanner.h"

#include <QDialog>
#include <QHash>

#include <optional>

class AppState;
class ConfigEntryRow;
class QComboBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// The settings of one installed mod, read from its BepInEx config files: one file at a time,
// grouped by section, edited in memory until "Save", with a way back to the file as it was
// first seen. A window-modal sheet over the main window, opened with open().
class ConfigEditorSheet : public QDialog {
    Q_OBJECT
public:
    struct Section {
        QString name;
        QList<qsizetype> entries; // indices into ParsedConfig::entries, in file order
    };

    ConfigEditorSheet(AppState* state, const ModItem& mod, QWidget* parent = nullptr);

    const ModItem& mod() const { return m_mod; }
    void setFileIndex(int index); // loads that file; unsaved edits of the previous one are dropped
    std::optional<QString> currentURL() const;
    const std::optional<ParsedConfig>& config() const { return m_config; }
    const QHash<QString, QString>& edits() const { return m_edits; }
    const std::optional<QString>& loadError() const { return m_loadError; }
    QString currentValue(const ConfigEntry& entry) const;
    bool isDirty() const;

    void load();
    void save();
    void revert();
    // Asks before reverting (the "Revert to Original" button).
    void confirmRevert();

    // The kept entries grouped by runs of equal section names, in file order.
    static QList<Section> filteredSections(const std::optional<ParsedConfig>& config, const QString& search);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rebuildRows();
    void layoutSections();
    void syncFooter();
    void showSaveError(const QString& text);

    AppState* m_state;
    ModItem m_mod;
    int m_fileIndex = 0;
    std::optional<ParsedConfig> m_config;
    QHash<QString, QString> m_edits;
    QString m_search;
    std::optional<QString> m_loadError;
    std::optional<QString> m_saveError;
    bool m_loadedOnce = false;

    QLabel* m_fileName;
    QComboBox* m_fileMenu;
    QLineEdit* m_searchEdit;
    QStackedWidget* m_content;
    QLabel* m_errorText;
    QLabel* m_emptyText;
    QWidget* m_listContent;
    QVBoxLayout* m_sections;
    QWidget* m_rowHolder;
    QList<ConfigEntryRow*> m_rows; // one per entry, in file order
    QPushButton* m_revert;
    QPushButton* m_cancel;
    QPushButton* m_save;
};
