#include "tests/support/LoopbackServer.h"

#include <QMutexLocker>
#include <QPointer>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <zlib.h>

namespace {

class ServerWorker : public QObject {
public:
    ServerWorker(LoopbackServer* owner) : m_owner(owner) {}

    quint16 start() {
        m_server = new QTcpServer(this);
        QObject::connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server->nextPendingConnection())
                serve(socket);
        });
        m_server->listen(QHostAddress::LocalHost, 0);
        return m_server->serverPort();
    }

private:
    void serve(QTcpSocket* socket) {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            *buffer += socket->readAll();
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0) return;
            QList<QByteArray> lines = buffer->left(end).split('\n');
            const QList<QByteArray> parts = lines.takeFirst().trimmed().split(' ');
            QHash<QByteArray, QByteArray> headers;
            for (const QByteArray& line : lines) {
                const qsizetype colon = line.indexOf(':');
                if (colon > 0)
                    headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
            }
            // A POST's body follows its headers; wait until all of it is here.
            const qsizetype length = headers.value("content-length").toLongLong();
            if (buffer->size() < end + 4 + length) return;
            const QByteArray body = buffer->mid(end + 4, length);
            buffer->clear();
            const QString path = parts.size() >= 2 ? QString::fromUtf8(parts[1]) : QStringLiteral("/");
            answer(socket, m_owner->respond(path, headers, body));
        });
    }

    void answer(QTcpSocket* socket, const LoopbackServer::Response& response) {
        if (response.stall) return; // keep the connection open and silent
        if (response.closeAtOnce) return socket->abort();
        QPointer<QTcpSocket> guard(socket);
        auto send = [guard, response] {
            if (!guard) return;
            QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) +
                              " Status\r\nContent-Type: " + response.contentType +
                              "\r\nContent-Length: " + QByteArray::number(response.body.size()) +
                              "\r\nConnection: close\r\n";
            for (const auto& header : response.headers)
                head += header.first + ": " + header.second + "\r\n";
            head += "\r\n";
            guard->write(head);
            guard->write(response.body);
            guard->disconnectFromHost();
        };
        QTimer::singleShot(response.delayMs, socket, send);
    }

    LoopbackServer* m_owner;
    QTcpServer* m_server = nullptr;
};

} // namespace

QByteArray gzipBytes(const QByteArray& data) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size())) + 32), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

LoopbackServer::LoopbackServer() {
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("loopback-server"));
    auto* worker = new ServerWorker(this);
    worker->moveToThread(m_thread);
    m_worker = worker;
    m_thread->start();
    QSemaphore ready;
    QMetaObject::invokeMethod(worker, [this, worker, &ready] {
        m_port = worker->start();
        ready.release();
    });
    ready.acquire();
}

LoopbackServer::~LoopbackServer() {
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void LoopbackServer::route(const QString& path, Handler handler) {
    QMutexLocker lock(&m_mutex);
    m_routes[path] = std::move(handler);
}

void LoopbackServer::fallback(Handler handler) {
    QMutexLocker lock(&m_mutex);
    m_fallback = std::move(handler);
}

QStringList LoopbackServer::requests() const {
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

QByteArray LoopbackServer::requestHeader(const QByteArray& name) const {
    QMutexLocker lock(&m_mutex);
    return m_headers.value(name.toLower());
}

QByteArray LoopbackServer::requestBody() const {
    QMutexLocker lock(&m_mutex);
    return m_body;
}

LoopbackServer::Response LoopbackServer::respond(const QString& path,
                                                 const QHash<QByteArray, QByteArray>& headers,
                                                 const QByteArray& body) {
    Handler handler;
    {
        QMutexLocker lock(&m_mutex);
        m_requests.append(path);
        m_headers = headers;
        m_body = body;
        handler = m_routes.value(path, m_fallback);
    }
    return handler ? handler(path)
                   : reply("<html><body><h1>404 Not Found</h1></body></html>", 404, "text/html");
}

quint16 LoopbackServer::deadPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
