#pragma once

#include "catalog/TSPackage.h"

#include <QByteArray>
#include <QCache>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSet>

// Package icons for the catalog rows, fetched only when a row asks (that is, when it is drawn)
// and kept in memory and, through IconCache, on disk. The most recently asked icons load first,
// so a fast scroll doesn't queue up icons of rows long gone.
class PackageIcons : public QObject {
    Q_OBJECT
public:
    static constexpr int side = 42;

    explicit PackageIcons(QObject* parent = nullptr);
    ~PackageIcons() override;

    // The icon when it is ready; otherwise asks for it (once) and answers nothing for now.
    const QPixmap* icon(const OptionalUrl& url);
    // Forgets failures, so a reloaded catalog tries those icons again.
    void retryFailed() { m_failed.clear(); }

    // What the disk keeps: the picture cropped to a square, at twice the row's size, rounded.
    static QByteArray prepare(const QByteArray& downloaded);

Q_SIGNALS:
    void iconReady(const QByteArray& urlText);

private:
    void pump();

    QCache<QByteArray, QPixmap> m_memory;
    QList<QByteArray> m_wanted; // most recent last
    QSet<QByteArray> m_inFlight;
    QSet<QByteArray> m_failed;
};
