#pragma once

#include "catalog/Repository.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtGlobal>

#include <atomic>
#include <memory>
#include <optional>

// A web address from the catalog, kept as the text the repository sent and turned into a QUrl
// only when someone asks. The catalog carries about 30,000 addresses; building a QUrl for each
// one up front costs more than parsing the whole document, and almost none are ever used, so
// even whether the text is an address is only found out when first asked.
// It reads like std::optional<QUrl>: present exactly when the text is a valid address.
class OptionalUrl {
public:
    OptionalUrl() = default;
    OptionalUrl(std::nullopt_t) {}
    OptionalUrl(const OptionalUrl& other) : m_text(other.m_text), m_valid(other.m_valid.load()) {}
    OptionalUrl(OptionalUrl&& other) noexcept
        : m_text(std::move(other.m_text)), m_valid(other.m_valid.load()) {}
    OptionalUrl& operator=(const OptionalUrl& other) {
        m_text = other.m_text;
        m_valid = other.m_valid.load();
        return *this;
    }
    OptionalUrl& operator=(OptionalUrl&& other) noexcept {
        m_text = std::move(other.m_text);
        m_valid = other.m_valid.load();
        return *this;
    }
    // Absent when the URL is invalid or empty. Texts are read as QUrl reads them.
    OptionalUrl(const QUrl& url);
    OptionalUrl(const std::optional<QUrl>& url);
    OptionalUrl(const QString& url) : OptionalUrl(QUrl(url)) {}
    OptionalUrl(const char* url) : OptionalUrl(QUrl(QString::fromUtf8(url))) {}

    // The text as it stands in the document (UTF-8); absent when it isn't a valid address.
    static OptionalUrl fromText(QByteArrayView utf8);

    bool has_value() const { return !m_text.isEmpty() && valid(); }
    explicit operator bool() const { return has_value(); }

    QUrl operator*() const { return toUrl(); }
    QUrl value() const; // throws std::bad_optional_access when absent
    QUrl value_or(const QUrl& fallback) const { return has_value() ? toUrl() : fallback; }
    operator std::optional<QUrl>() const;
    void reset() noexcept { m_text.clear(); }

    struct Arrow {
        QUrl url;
        const QUrl* operator->() const noexcept { return &url; }
    };
    Arrow operator->() const { return Arrow{toUrl()}; }

    // The address as sent, without building a QUrl (empty when absent).
    const QByteArray& text() const {
        static const QByteArray none;
        return has_value() ? m_text : none;
    }

    friend bool operator==(const OptionalUrl& a, const OptionalUrl& b) {
        return a.has_value() == b.has_value() && (!a.has_value() || a.m_text == b.m_text);
    }
    friend bool operator==(const OptionalUrl& a, std::nullopt_t) { return !a.has_value(); }
    friend bool operator==(const OptionalUrl& a, const QUrl& b) { return a.has_value() && a.toUrl() == b; }

private:
    QUrl toUrl() const;
    bool valid() const;
    QByteArray m_text;                           // empty means absent
    mutable std::atomic<signed char> m_valid{1}; // whether m_text is an address; -1: not known yet
};
Q_DECLARE_TYPEINFO(OptionalUrl, Q_RELOCATABLE_TYPE);

// One release of a package. Lean on purpose: the catalog holds about 90,000 of them.
struct TSVersion {
    QString number;
    QStringList dependencies; // "owner-name-version", as the repository writes them
    OptionalUrl storedURL;    // absent when it is Thunderstore's usual address (see downloadFor)
    qint64 date = 0;          // seconds since 1970 (UTC) of its upload; 0 when unknown
    qint64 fileSize = 0;
    qint64 downloads = 0;

    friend bool operator==(const TSVersion&, const TSVersion&) = default;
};
Q_DECLARE_TYPEINFO(TSVersion, Q_RELOCATABLE_TYPE);

// Every release of a package, read when first asked for. A session looks at the releases of a
// handful of packages, and reading all 90,000 up front costs more than the rest of the catalog:
// a package keeps where its "versions" array stands in the chunk it came from, and the chunk (a
// mapped file, or the document in memory) lives as long as any package points into it. A chunk
// file replaced by a later fetch doesn't disturb them: the mapping keeps the old file's bytes.
// Copies share what was read; reading is safe from any thread.
class TSReleases {
public:
    TSReleases() = default;
    TSReleases(QList<TSVersion> releases); // already read, newest first
    // `json` is the array as the repository wrote it, inside memory `keep` holds, with
    // ThunderstoreStore::parsePadding readable bytes behind it. Owner and name tell Thunderstore's
    // usual download addresses, which aren't kept.
    TSReleases(std::shared_ptr<const void> keep, QByteArrayView json, Repository::Source source,
               const QString& owner, const QString& name);

    // Newest first, by version number; a release without a number is left out.
    const QList<TSVersion>& list() const;

    friend bool operator==(const TSReleases& a, const TSReleases& b) { return a.list() == b.list(); }

private:
    struct State;
    // Reads the array (PackageListParser.cpp, by the same rules as the package list itself).
    static QList<TSVersion> read(QByteArrayView json, Repository::Source source, const QString& owner,
                                 const QString& name);
    std::shared_ptr<State> m_state;
};
Q_DECLARE_TYPEINFO(TSReleases, Q_RELOCATABLE_TYPE);

// One package of a repository's catalog, as the package list describes its newest release,
// with every release it still offers.
struct TSPackage {
    QString id; // the same text as fullName
    QString name;
    QString owner;
    QString fullName;
    QString description;
    OptionalUrl iconURL;
    OptionalUrl pageURL;
    QString version;
    OptionalUrl downloadURL;
    QStringList dependencies; // "owner-name-version", as the repository writes them
    qint64 totalDownloads = 0;
    qint64 rating = 0;
    QString dateCreated;
    QStringList categories;
    Repository::Source source = Repository::Source::thunderstore;
    TSReleases releases;

    // Every release the repository still offers, newest first by version number.
    const QList<TSVersion>& versions() const { return releases.list(); }

    // Where a release's archive is; invalid when the repository gave none.
    QUrl downloadFor(const TSVersion& version) const;
    // The release with this number, if the repository still offers it.
    const TSVersion* findVersion(const QString& number) const;
    // The package as that release describes it (version, download address, dependencies), for
    // installing an older one; throws the sentence the player reads when it isn't offered,
    // naming the newest few that are.
    TSPackage atVersion(const QString& number) const;

    // The name as players read it: underscores shown as blanks.
    QString prettyName() const;
    // The catalog key: "owner-name", lower-cased.
    QString ownerAndName() const;

    friend bool operator==(const TSPackage&, const TSPackage&) = default;
};
Q_DECLARE_TYPEINFO(TSPackage, Q_RELOCATABLE_TYPE);
