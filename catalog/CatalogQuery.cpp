#include "catalog/CatalogQuery.h"

#include "install/ModKey.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <QStringMatcher>

#include <algorithm>
#include <numeric>

namespace TSSorts {

QString title(TSSort sort) {
    switch (sort) {
    case TSSort::popular:
        return QCoreApplication::translate("TSSorts", "Popular");
    case TSSort::newest:
        return QCoreApplication::translate("TSSorts", "Newest");
    case TSSort::topRated:
        return QCoreApplication::translate("TSSorts", "Top Rated");
    case TSSort::az:
        return QCoreApplication::translate("TSSorts", "A–Z");
    case TSSort::installed:
        return QCoreApplication::translate("TSSorts", "Installed");
    }
    return {};
}

} // namespace TSSorts

namespace {

bool isHorizontalBlank(QChar c) {
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

constexpr QChar fieldEnd(u'\x1F');
constexpr QChar packageEnd(u'\x1E');

} // namespace

QString CatalogQuery::normalizedQuery(const QString& query) {
    qsizetype begin = 0;
    qsizetype end = query.size();
    while (begin < end && isHorizontalBlank(query[begin]))
        ++begin;
    while (end > begin && isHorizontalBlank(query[end - 1]))
        --end;
    return query.mid(begin, end - begin).toLower();
}

void CatalogQuery::setPackages(const QList<TSPackage>& packages) {
    m_packages = packages;
    const size_t n = size_t(packages.size());
    m_normalizedNames.assign(n, {});
    m_installed.assign(n, 0);
    m_starts.assign(n + 1, 0);
    qsizetype length = 0;
    for (const TSPackage& p : packages)
        length += p.name.size() + p.owner.size() + p.description.size() + 3;
    m_text.clear();
    m_text.reserve(length);
    for (size_t i = 0; i < n; ++i) {
        const TSPackage& p = packages[qsizetype(i)];
        // Each field is lower-cased before its place is taken: lower-casing can change a text's
        // length ("İ" becomes two code units), which would shift every later package's start.
        // A field already in lower case is shared, not copied.
        m_starts[i] = m_text.size();
        m_text += p.name.toLower();
        m_text += fieldEnd;
        m_text += p.owner.toLower();
        m_text += fieldEnd;
        m_text += p.description.toLower();
        m_text += packageEnd;
        m_normalizedNames[i] = ModKey::of(p.name);
    }
    m_starts[n] = m_text.size();

    std::vector<int> catalogOrder(n);
    std::iota(catalogOrder.begin(), catalogOrder.end(), 0);
    const auto sorted = [&](auto before) {
        std::vector<int> order = catalogOrder;
        std::stable_sort(order.begin(), order.end(), before);
        return order;
    };
    const auto& p = m_packages;
    m_orders[0] = sorted([&](int a, int b) { return p[a].totalDownloads > p[b].totalDownloads; });
    // Dates are compared as the repository wrote them, character by character.
    m_orders[1] =
        sorted([&](int a, int b) { return QString::compare(p[a].dateCreated, p[b].dateCreated) > 0; });
    m_orders[2] = sorted([&](int a, int b) { return p[a].rating > p[b].rating; });
    // The locale's collation, letter case ignored; keys are built once rather than per comparison.
    // Names are case-folded first because not every collation back end can ignore case itself.
    QCollator collator{QLocale()};
    std::vector<QCollatorSortKey> keys;
    keys.reserve(n);
    for (size_t i = 0; i < n; ++i)
        keys.push_back(collator.sortKey(p[qsizetype(i)].prettyName().toCaseFolded()));
    m_orders[3] = sorted([&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
}

void CatalogQuery::setInstalledNames(const QSet<QString>& normalizedNames) {
    for (size_t i = 0; i < m_normalizedNames.size(); ++i)
        m_installed[i] = normalizedNames.contains(m_normalizedNames[i]) ? 1 : 0;
}

std::vector<int> CatalogQuery::shown(const QString& query, TSSort sort) const {
    const std::vector<int>& order = m_orders[sort == TSSort::installed ? 3 : size_t(sort)];
    const QString needle = normalizedQuery(query);
    const bool installedOnly = sort == TSSort::installed;
    if (needle.isEmpty() && !installedOnly) return order;
    std::vector<char> hit;
    if (!needle.isEmpty()) {
        hit.assign(m_installed.size(), 0);
        const bool plain = !needle.contains(fieldEnd) && !needle.contains(packageEnd);
        const QStringMatcher matcher(needle);
        qsizetype from = 0;
        while (plain && (from = matcher.indexIn(QStringView(m_text), from)) >= 0) {
            // The package the match falls in; then on to the next package.
            const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), from);
            const size_t i = size_t(next - m_starts.begin()) - 1;
            hit[i] = 1;
            from = *next;
        }
    }
    std::vector<int> result;
    result.reserve(order.size());
    for (int i : order) {
        if (installedOnly && !m_installed[size_t(i)]) continue;
        if (!hit.empty() && !hit[size_t(i)]) continue;
        result.push_back(i);
    }
    return result;
}
