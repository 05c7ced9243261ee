#include "platform/Http.h"

#include "platform/Fs.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <atomic>

namespace Http {

namespace {

Timeouts initialTimeouts() {
    Timeouts t;
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("SKALDRUN_HTTP_TIMEOUT_MS", &ok);
    if (ok && ms > 0) {
        t.connectMs = ms;
        t.stallMs = ms;
    }
    return t;
}

std::atomic<int> g_connectMs{initialTimeouts().connectMs};
std::atomic<int> g_stallMs{initialTimeouts().stallMs};
// Bumped by cancelRunning: a transfer that started in an earlier round is stopped.
std::atomic<quint64> g_cancelRound{0};
constexpr int cancelPollMs = 50;

QString transportError(QNetworkReply* reply, bool timedOut) {
    if (timedOut) return QStringLiteral("The server stopped answering (timed out)");
    switch (reply->error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("The server refused the connection");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("The server's address couldn't be found");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("The server closed the connection");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("The server stopped answering (timed out)");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("A secure connection to the server couldn't be made");
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
        return QStringLiteral("The Internet connection appears to be offline");
    default:
        break;
    }
    const QString text = reply->errorString();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

// One GET, its bytes handed to `sink` as they arrive. Returns the outcome without the body.
Result transfer(const QUrl& url, const Progress& progress, Timeouts timeouts, const CancelFlag& cancel,
                const std::function<bool(const QByteArray&)>& sink) {
    Result result;
    const quint64 round = g_cancelRound.load();
    const auto isCancelled = [&] { return (cancel && cancel->load()) || g_cancelRound.load() != round; };
    if (isCancelled()) {
        result.cancelled = true;
        result.error = QStringLiteral("The download was cancelled");
        return result;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QEventLoop loop;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool timedOut = false;
    bool sinkFailed = false;
    bool cancelled = false;
    // The flag is set on another thread, which can't reach this private loop: look at it often.
    QTimer cancelPoll;
    cancelPoll.setInterval(cancelPollMs);

    QNetworkReply* reply = manager.get(request);
    const auto rearm = [&] { watchdog.start(timeouts.stallMs); };
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(&cancelPoll, &QTimer::timeout, &loop, [&] {
        if (!isCancelled()) return;
        cancelled = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, rearm);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        rearm();
        if (!sinkFailed && !sink(reply->readAll())) {
            sinkFailed = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        if (progress) progress(received, total > 0 ? total : -1);
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    watchdog.start(timeouts.connectMs);
    cancelPoll.start();
    if (!reply->isFinished()) loop.exec();
    watchdog.stop();
    cancelPoll.stop();
    if (!sinkFailed && reply->bytesAvailable() > 0) sinkFailed = !sink(reply->readAll());

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (cancelled) {
        result.cancelled = true;
        result.error = QStringLiteral("The download was cancelled");
    } else if (status.isValid() && !timedOut && !sinkFailed &&
               (reply->error() == QNetworkReply::NoError ||
                reply->error() > QNetworkReply::UnknownProxyError)) {
        result.responded = true;
        result.status = status.toInt();
    } else if (sinkFailed) {
        result.error = QStringLiteral("The download couldn't be saved to disk");
    } else {
        result.error = transportError(reply, timedOut);
    }
    delete reply;
    return result;
}

} // namespace

Timeouts defaultTimeouts() {
    return Timeouts{g_connectMs.load(), g_stallMs.load()};
}

void setDefaultTimeouts(Timeouts timeouts) {
    g_connectMs = timeouts.connectMs;
    g_stallMs = timeouts.stallMs;
}

void cancelRunning() {
    ++g_cancelRound;
}

Result get(const QUrl& url, const Progress& progress, Timeouts timeouts, const CancelFlag& cancel) {
    QByteArray body;
    Result result = transfer(url, progress, timeouts, cancel, [&](const QByteArray& chunk) {
        body += chunk;
        return true;
    });
    if (result.responded) result.body = std::move(body);
    return result;
}

Result download(const QUrl& url, const QString& destPath, const Progress& progress, Timeouts timeouts,
                const CancelFlag& cancel) {
    QFile file(destPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Result failed;
        failed.error =
            QStringLiteral("Couldn't create “%1”: %2").arg(Fs::displayPath(destPath), file.errorString());
        return failed;
    }
    Result result = transfer(url, progress, timeouts, cancel,
                             [&](const QByteArray& chunk) { return file.write(chunk) == chunk.size(); });
    file.close();
    if (!result.responded) file.remove();
    return result;
}

} // namespace Http
