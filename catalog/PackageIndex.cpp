#include "catalog/PackageIndex.h"

PackageIndex::PackageIndex(const QList<TSPackage>& packages) : m_packages(packages) {
    m_positions.reserve(packages.size());
    for (qsizetype i = 0; i < packages.size(); ++i)
        addFirst(packages.at(i).ownerAndName(), i);
}

TSPackage PackageIndex::value(const QString& key) const {
    const auto found = m_positions.constFind(key);
    return found == m_positions.cend() ? TSPackage() : m_packages.at(*found);
}

bool operator==(const PackageIndex& a, const PackageIndex& b) {
    if (a.size() != b.size()) return false;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const auto other = b.constFind(it.key());
        if (other == b.cend() || *other != *it) return false;
    }
    return true;
}

bool PackageIndex::addFirst(const QString& key, qsizetype position) {
    const qsizetype before = m_positions.size();
    qsizetype& slot = m_positions[key];
    if (m_positions.size() == before) return false;
    slot = position;
    return true;
}

void PackageIndex::clear() {
    m_positions.clear();
    m_packages.clear();
}
