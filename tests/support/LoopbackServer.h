#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QThread;

// A small HTTP/1.1 server on 127.0.0.1 for tests, running on its own thread so that code which
// blocks its caller on a request still gets answers. Routes match the request path exactly.
class LoopbackServer {
public:
    struct Response {
        int status = 200;
        QByteArray body{};
        QByteArray contentType = "application/json";
        bool stall = false;       // accept the request, then never answer
        bool closeAtOnce = false; // close the connection without answering
        int delayMs = 0;          // wait before answering
        QList<QPair<QByteArray, QByteArray>> headers{};
    };
    using Handler = std::function<Response(const QString& path)>;

    static Response reply(QByteArray body, int status = 200, QByteArray contentType = "application/json") {
        return {status, std::move(body), std::move(contentType)};
    }

    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    void route(const QString& path, Response response) {
        route(path, [response = std::move(response)](const QString&) { return response; });
    }
    void route(const QString& path, Handler handler);
    void fallback(Handler handler); // for paths without a route; 404 otherwise

    QUrl url(const QString& path = QString()) const { return QUrl(baseUrl() + path); }
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); } // no trailing slash

    QStringList requests() const; // paths asked for, in order
    int requestCount(const QString& path) const { return int(requests().count(path)); }

    // A port with no listener behind it (for "nobody is there" tests).
    static quint16 deadPort();

    // A header of the latest request (case-insensitive name); handlers see their own request's.
    QByteArray requestHeader(const QByteArray& name) const;

    QByteArray requestBody() const; // of the latest request (a POST's), as requestHeader

    Response respond(const QString& path, const QHash<QByteArray, QByteArray>& headers = {},
                     const QByteArray& body = {}); // server thread

private:
    mutable QMutex m_mutex;
    QHash<QString, Handler> m_routes;
    Handler m_fallback;
    QStringList m_requests;
    QHash<QByteArray, QByteArray> m_headers; // of the latest request, names lower-cased
    QByteArray m_body;
    quint16 m_port = 0;
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr;
};

// gzip-compresses bytes (a real gzip member, as web servers send).
QByteArray gzipBytes(const QByteArray& data);
