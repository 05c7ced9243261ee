#pragma once

#include "catalog/TSPackage.h"

#include <QHash>
#include <QList>
#include <QString>

// A catalog's packages by key ("owner-name", lower-cased), read like a QHash of packages. It keeps
// where each package stands in the catalog's list, not a copy of it: copies cost as much memory
// as the list itself, and making 10,000 of them was about 7% of a cold load. The list it reads
// from is shared with the catalog (implicitly, never copied). The first package with a key keeps it.
class PackageIndex {
public:
    class const_iterator {
    public:
        const QString& key() const { return m_at.key(); }
        const TSPackage& value() const { return m_packages->at(m_at.value()); }
        const TSPackage& operator*() const { return value(); }
        const TSPackage* operator->() const { return &value(); }
        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.m_at == b.m_at; }

    private:
        friend class PackageIndex;
        const_iterator(QHash<QString, qsizetype>::const_iterator at, const QList<TSPackage>* packages)
            : m_at(at), m_packages(packages) {}
        QHash<QString, qsizetype>::const_iterator m_at;
        const QList<TSPackage>* m_packages;
    };

    PackageIndex() = default;
    // Every package of the list under its key.
    explicit PackageIndex(const QList<TSPackage>& packages);

    const_iterator constFind(const QString& key) const { return {m_positions.constFind(key), &m_packages}; }
    const_iterator cbegin() const { return {m_positions.cbegin(), &m_packages}; }
    const_iterator cend() const { return {m_positions.cend(), &m_packages}; }
    const_iterator constEnd() const { return cend(); }
    const_iterator begin() const { return cbegin(); }
    const_iterator end() const { return cend(); }
    bool contains(const QString& key) const { return m_positions.contains(key); }
    // The package with that key; an empty one when there is none.
    TSPackage value(const QString& key) const;
    qsizetype size() const { return m_positions.size(); }
    bool isEmpty() const { return m_positions.isEmpty(); }

    friend bool operator==(const PackageIndex& a, const PackageIndex& b);

    // For the catalog's readers, which build it with the list: positions are into the list that
    // `attach` hands over. Between `detach` and `attach` the list may change without being copied,
    // and only positions are read.
    const QHash<QString, qsizetype>& positions() const { return m_positions; }
    void reserve(qsizetype size) { m_positions.reserve(size); }
    // False when the key already has its package.
    bool addFirst(const QString& key, qsizetype position);
    void attach(const QList<TSPackage>& packages) { m_packages = packages; }
    void detach() { m_packages.clear(); }
    void clear();

private:
    QHash<QString, qsizetype> m_positions;
    QList<TSPackage> m_packages;
};
