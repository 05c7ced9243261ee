#pragma once

#include "catalog/CatalogQuery.h"

#include <QAbstractListModel>

#include <vector>

class AppState;
class ThunderstoreStore;

// The catalog browser's rows: the packages the query and the sort leave, one row each. Follows
// the store (the catalog) and the model (installed mods, busy state) by itself.
class BrowseModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        PackageIdRole = Qt::UserRole + 1,
        OwnerRole,
        DescriptionRole,
        VersionRole,
        DownloadsRole,
        RatingRole,
        ActionRole,        // Action, as an int
        ActionEnabledRole, // false while the model is busy
    };
    // The trailing control of a row.
    enum class Action { install, update, installed };

    BrowseModel(AppState* state, ThunderstoreStore* store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    const TSPackage& package(int row) const;
    Action action(int row) const;
    bool actionsEnabled() const;

    QString query() const { return m_query; }
    void setQuery(const QString& query);
    void setSort(TSSort sort);
    qsizetype total() const { return m_catalog.packages().size(); }
    // A newly published catalog is being prepared off the GUI thread; the rows still show the
    // previous one (or none).
    bool preparing() const { return m_preparing; }

Q_SIGNALS:
    void shownChanged(); // after the rows were replaced

private:
    void catalogChanged();
    void installedChanged();
    void updateInstalledNames();
    void refilter();
    void repaintAll();

    AppState* m_state;
    ThunderstoreStore* m_store;
    CatalogQuery m_catalog;
    QString m_query;
    TSSort m_sort = TSSort::popular;
    std::vector<int> m_rows; // indices into the catalog
    bool m_preparing = false;
    quint64 m_generation = 0; // of the catalog being prepared; a newer one supersedes it
};
