#include "catalog/PackageDocs.h"

#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>

namespace PackageDocs {

namespace {

constexpr qsizetype memoryEntries = 64;
constexpr qsizetype diskEntries = 400;
constexpr qint64 maxAnswerBytes = 8 * 1024 * 1024;

QMutex mutex;
QHash<QString, Doc>& memory() {
    static QHash<QString, Doc> docs;
    return docs;
}

QString noun(Kind kind) {
    return kind == Kind::readme ? QStringLiteral("readme") : QStringLiteral("changelog");
}

QString cacheFile(const QUrl& address) {
    const QByteArray hash = QCryptographicHash::hash(address.toString().toUtf8(), QCryptographicHash::Sha1);
    return Fs::join(Fs::join(AppSupport::dir(), QStringLiteral("documents")),
                    QString::fromLatin1(hash.toHex()) + QStringLiteral(".json"));
}

std::optional<Doc> fromDisk(const QString& file) {
    const auto bytes = Fs::tryRead(file);
    if (!bytes) return std::nullopt;
    const QJsonObject o = QJsonDocument::fromJson(*bytes).object();
    if (o.isEmpty()) return std::nullopt;
    Doc doc;
    doc.markdown = o.value(QStringLiteral("markdown")).toString();
    doc.none = o.value(QStringLiteral("none")).toBool();
    doc.shortened = o.value(QStringLiteral("shortened")).toBool();
    return doc;
}

void toDisk(const QString& file, const Doc& doc) {
    try {
        const QString dir = Fs::parent(file);
        Fs::mkpath(dir);
        // Old releases' documents go all at once when too many gathered; they are fetched again if wanted.
        if (const auto names = Fs::list(dir); names && names->size() >= diskEntries) {
            for (const QString& name : *names)
                Fs::remove(Fs::join(dir, name));
        }
        Fs::writeAtomic(file, QJsonDocument(QJsonObject{{QStringLiteral("markdown"), doc.markdown},
                                                        {QStringLiteral("none"), doc.none},
                                                        {QStringLiteral("shortened"), doc.shortened}})
                                  .toJson(QJsonDocument::Compact));
    } catch (const SkaldrunError& e) {
        qCDebug(lcCatalog) << "document not kept:" << e.message();
    }
}

} // namespace

QUrl url(Repository::Source source, const QString& owner, const QString& name, const QString& version,
         Kind kind) {
    return QUrl(Repository::baseUrl(source) + QStringLiteral("/api/experimental/package/%1/%2/%3/%4/")
                                                  .arg(QString::fromLatin1(QUrl::toPercentEncoding(owner)),
                                                       QString::fromLatin1(QUrl::toPercentEncoding(name)),
                                                       QString::fromLatin1(QUrl::toPercentEncoding(version)),
                                                       noun(kind)));
}

Doc read(const Http::Result& answer, Kind kind) {
    Doc doc;
    if (!answer.responded) {
        doc.error =
            kind == Kind::readme
                ? QCoreApplication::translate("PackageDocs", "Couldn't load the readme: %1").arg(answer.error)
                : QCoreApplication::translate("PackageDocs", "Couldn't load the changelog: %1")
                      .arg(answer.error);
        return doc;
    }
    if (answer.status == 404) {
        doc.none = true;
        return doc;
    }
    const QJsonObject o = QJsonDocument::fromJson(answer.body).object();
    const QJsonValue markdown = o.value(QStringLiteral("markdown"));
    if (answer.status != 200 || !(markdown.isString() || markdown.isNull())) {
        doc.error = kind == Kind::readme
                        ? QCoreApplication::translate("PackageDocs",
                                                      "Couldn't load the readme: the repository answered %1.")
                              .arg(answer.status)
                        : QCoreApplication::translate(
                              "PackageDocs", "Couldn't load the changelog: the repository answered %1.")
                              .arg(answer.status);
        return doc;
    }
    doc.markdown = markdown.toString();
    doc.none = doc.markdown.trimmed().isEmpty();
    if (doc.markdown.size() > cap) {
        // Cut at a line's end, so that no Markdown construct is left half open on the last line.
        const qsizetype end = doc.markdown.lastIndexOf(QLatin1Char('\n'), cap);
        doc.markdown.truncate(end > 0 ? end : cap);
        doc.shortened = true;
    }
    return doc;
}

Doc fetch(Repository::Source source, const QString& owner, const QString& name, const QString& version,
          Kind kind, const Http::CancelFlag& cancel) {
    const QUrl address = url(source, owner, name, version, kind);
    const QString key = address.toString();
    {
        const QMutexLocker lock(&mutex);
        if (const auto found = memory().constFind(key); found != memory().cend()) return *found;
    }
    const QString file = cacheFile(address);
    std::optional<Doc> doc = fromDisk(file);
    if (!doc) {
        Http::Request request;
        request.maxBytes = maxAnswerBytes;
        doc = read(Http::get(address, request, {}, Http::defaultTimeouts(), cancel), kind);
        if (doc->error) return *doc;
        toDisk(file, *doc);
    }
    const QMutexLocker lock(&mutex);
    if (memory().size() >= memoryEntries) memory().clear();
    memory().insert(key, *doc);
    return *doc;
}

} // namespace PackageDocs
