#pragma once

#include "catalog/Repository.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/TestZip.h"

#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <optional>

// A stand-in for both repositories on 127.0.0.1, Thunderstore at baseUrl() and Hexium at
// hexiumUrl(): each one's chunked listing (an index, 302s to content-addressed gzip chunks;
// Last-Modified and 304 on Thunderstore's index only) and one-document list, the package
// endpoint, the archives (built on the fly) and package icons. pointAppHere() sets the
// environment. Nothing here uses QtTest, so the demo serves it too.
class FakeRepository {
public:
    struct Package {
        QString owner{};
        QString name{};
        QString version = QStringLiteral("1.0.0");
        QString description{};
        QStringList dependencies{}; // "Owner-Name-1.2.3"
        qint64 downloads = 1000;
        qint64 rating = 5;
        QString dateCreated = QStringLiteral("2024-03-01T10:00:00.000000Z");
        std::optional<TestZip> archive{}; // none: a plain repository mod named after the package
        QByteArray brokenArchive{};       // served instead of an archive when not empty
        bool failDownload = false;        // the archive's address answers with a dropped connection
        Repository::Source source = Repository::Source::thunderstore;
        QStringList olderVersions{}; // listed after the current one (Hexium: before it); plain archives
        QHash<QString, QStringList> versionDependencies{}; // a release's own, where they differ
        QString changelog{};                               // none: the release has no changelog

        QString fullName() const { return owner + QLatin1Char('-') + name; }
        QString dependencyString() const { return fullName() + QLatin1Char('-') + version; }
    };

    FakeRepository();
    static Package package(const QString& owner, const QString& name, const QString& version,
                           Repository::Source source = Repository::Source::thunderstore);

    void add(Package package);
    // A new release of a listed package, as its author would publish it.
    void replace(const Package& package);
    // The journey's repositories: the BepInEx pack, ShaderHelperForMac, a dozen mods among them
    // a three-level dependency chain, one dependency the catalog lacks, one broken archive; and
    // on Hexium one mod that needs a Thunderstore one.
    void addStandardCatalog();

    QString baseUrl() const { return m_server.baseUrl(); }
    QString hexiumUrl() const { return m_server.baseUrl() + QStringLiteral("/hexium"); }
    void pointAppHere() const;
    LoopbackServer& server() { return m_server; }
    QByteArray packageList(Repository::Source source = Repository::Source::thunderstore) const;
    // Listing knobs: packages per chunk; an index status other than 200 (e.g. 503 while
    // Thunderstore builds one); a chunk number (from 1) served as garbage.
    int chunkSize = 4;
    int indexStatus = 200;
    int brokenChunk = 0;
    int missingChunk = 0;         // a chunk number whose address answers 404
    bool tooManyRequests = false; // the next index request answers 429, Retry-After: 1
    int archiveDelayMs = 0;       // each archive answers this late, as a distant CDN would
    QByteArray lastModified = "Sun, 06 Dec 2026 12:00:00 GMT";
    // Requests for chunk blobs so far (the index blob not counted).
    int chunkRequests() const { return int(m_server.requests().filter("/blobs/chunk-").size()); }
    QString archivePath(const Package& package) const; // the path part of its download address
    int downloads(const QString& fullName) const;      // archive requests so far

    // Every mod an export.r2x lists, at its version on the repository it names.
    void addProfileMods(const QByteArray& r2x);
    // The legacy-profile keeper: codes posted to Thunderstore's create address are kept there;
    // keepCode puts one on either repository by hand.
    void keepCode(Repository::Source source, const QString& key, const QByteArray& text);

    // A small solid-colour PNG, for package icons.
    static QByteArray png(int size, unsigned rgb);
    // A BepInEx 5 config file as a plugin writes it.
    static QByteArray sampleConfig(const QString& pluginName);

private:
    LoopbackServer::Response respond(const QString& path);
    LoopbackServer::Response listing(Repository::Source source, const QString& rest);
    QList<QByteArray> chunks(Repository::Source source) const; // as served: gzip of a JSON array
    QByteArray archiveBytes(const Package& package);

    mutable QMutex m_mutex;
    QList<Package> m_packages;
    QHash<QString, QByteArray> m_archives; // full name -> built archive
    QHash<QString, QByteArray> m_blobs;    // "/blobs/{sha256}" -> bytes, as handed out
    QHash<QString, QByteArray> m_codes;    // legacy-profile address -> the text kept there
    LoopbackServer m_server;
};
