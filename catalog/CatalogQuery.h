#pragma once

#include "catalog/TSPackage.h"

#include <QList>
#include <QSet>
#include <QString>

#include <array>
#include <vector>

// The sort orders of the catalog browser, in menu order.
enum class TSSort { popular, newest, topRated, az, installed };

namespace TSSorts {
inline constexpr std::array<TSSort, 5> all = {TSSort::popular, TSSort::newest, TSSort::topRated, TSSort::az,
                                              TSSort::installed};
QString title(TSSort sort);
} // namespace TSSorts

// What the catalog browser lists for a query and a sort. Everything a query needs is worked out
// once per catalog (lower-cased fields, every sort order) and once per change of the installed
// mods (which packages are installed), so answering a keystroke is one walk over a ready order.
// Plain data, no widgets: the benchmark drives it directly.
class CatalogQuery {
public:
    void setPackages(const QList<TSPackage>& packages);
    // The normalized names of the installed mods (ModKey::of ModItem::name).
    void setInstalledNames(const QSet<QString>& normalizedNames);

    const QList<TSPackage>& packages() const { return m_packages; }

    // Indices into packages(): the matching packages in the sort's order; ties keep catalog order.
    std::vector<int> shown(const QString& query, TSSort sort) const;

    // Blanks (spaces, tabs and other horizontal white space) trimmed from both ends, lower-cased.
    static QString normalizedQuery(const QString& query);

private:
    QList<TSPackage> m_packages;
    // The lower-cased name, owner and description of every package in one text, fields and
    // packages kept apart by control characters no query holds; m_starts[i] is where package i
    // begins (plus one end mark). A query is one pass of a string matcher over it.
    QString m_text;
    std::vector<qsizetype> m_starts;
    std::vector<QString> m_normalizedNames;
    std::vector<char> m_installed;
    std::array<std::vector<int>, 4> m_orders; // popular, newest, topRated, az
};
