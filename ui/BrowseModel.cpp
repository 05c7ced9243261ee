#include "ui/BrowseModel.h"

#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "install/ModKey.h"
#include "platform/Async.h"
#include "ui/widgets/Text.h"

#include <QPointer>

#include <memory>

BrowseModel::BrowseModel(AppState* state, ThunderstoreStore* store, QObject* parent)
    : QAbstractListModel(parent), m_state(state), m_store(store) {
    connect(m_store, &ThunderstoreStore::packagesChanged, this, &BrowseModel::catalogChanged);
    connect(m_state, &AppState::modsChanged, this, &BrowseModel::installedChanged);
    connect(m_state, &AppState::busyMessageChanged, this, &BrowseModel::repaintAll);
    m_catalog.setPackages(m_store->packages());
    updateInstalledNames();
    refilter();
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

const TSPackage& BrowseModel::package(int row) const {
    return m_catalog.packages()[m_rows[size_t(row)]];
}

BrowseModel::Action BrowseModel::action(int row) const {
    const TSPackage& p = package(row);
    if (m_state->updateAvailable(p)) return Action::update;
    if (m_state->installedMod(p)) return Action::installed;
    return Action::install;
}

bool BrowseModel::actionsEnabled() const {
    return !m_state->busyMessage();
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const TSPackage& p = package(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return p.prettyName();
    case Qt::ToolTipRole:
        return p.description.isEmpty() ? QVariant() : QVariant(Text::plainToolTip(p.description));
    case PackageIdRole:
        return p.id;
    case OwnerRole:
        return p.owner;
    case DescriptionRole:
        return p.description;
    case VersionRole:
        return p.version;
    case DownloadsRole:
        return p.totalDownloads;
    case RatingRole:
        return p.rating;
    case ActionRole:
        return int(action(index.row()));
    case ActionEnabledRole:
        return actionsEnabled();
    default:
        return {};
    }
}

QHash<int, QByteArray> BrowseModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(PackageIdRole, "packageId");
    names.insert(OwnerRole, "owner");
    names.insert(DescriptionRole, "description");
    names.insert(VersionRole, "version");
    names.insert(DownloadsRole, "downloads");
    names.insert(RatingRole, "rating");
    names.insert(ActionRole, "action");
    names.insert(ActionEnabledRole, "actionEnabled");
    return names;
}

void BrowseModel::setQuery(const QString& query) {
    if (query == m_query) return;
    m_query = query;
    refilter();
}

void BrowseModel::setSort(TSSort sort) {
    if (sort == m_sort) return;
    m_sort = sort;
    refilter();
}

void BrowseModel::catalogChanged() {
    // Lower-casing, collation keys and sort orders for thousands of packages take a noticeable
    // moment: work them out on a worker and swap them in when ready.
    const QList<TSPackage> packages = m_store->packages();
    const quint64 generation = ++m_generation;
    m_preparing = true;
    Q_EMIT shownChanged();
    const QPointer<BrowseModel> self(this);
    Async::runInBackground([self, packages, generation] {
        auto prepared = std::make_shared<CatalogQuery>();
        prepared->setPackages(packages);
        Async::postToGui([self, prepared, generation] {
            if (!self || self->m_generation != generation) return;
            self->m_catalog = std::move(*prepared);
            self->m_preparing = false;
            self->updateInstalledNames();
            self->refilter();
        });
    });
}

void BrowseModel::updateInstalledNames() {
    QSet<QString> names;
    for (const ModItem& mod : m_state->snapshot().mods)
        names.insert(ModKey::of(mod.name));
    m_catalog.setInstalledNames(names);
}

void BrowseModel::installedChanged() {
    updateInstalledNames();
    // Only the installed-only list changes membership; elsewhere the rows just redraw.
    if (m_sort == TSSort::installed)
        refilter();
    else
        repaintAll();
}

void BrowseModel::refilter() {
    beginResetModel();
    m_rows = m_catalog.shown(m_query, m_sort);
    endResetModel();
    Q_EMIT shownChanged();
}

void BrowseModel::repaintAll() {
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0), index(int(m_rows.size()) - 1), {ActionRole, ActionEnabledRole});
}
