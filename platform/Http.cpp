#include "platform/Http.h"

#include "platform/Fs.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <QDateTime>
#include <QThread>

#include <algorithm>
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
    if (timedOut) return QCoreApplication::translate("Http", "The server stopped answering (timed out)");
    switch (reply->error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("Http", "The server refused the connection");
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("Http", "The server's address couldn't be found");
    case QNetworkReply::RemoteHostClosedError:
        return QCoreApplication::translate("Http", "The server closed the connection");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QCoreApplication::translate("Http", "The server stopped answering (timed out)");
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return QCoreApplication::translate("Http",
                                           "The server sent us round in circles (too many redirects)");
    case QNetworkReply::SslHandshakeFailedError:
        return QCoreApplication::translate("Http", "A secure connection to the server couldn't be made");
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
        return QCoreApplication::translate("Http", "The Internet connection appears to be offline");
    default:
        break;
    }
    const QString text = reply->errorString();
    return text.isEmpty() ? QCoreApplication::translate("Http", "unknown error") : text;
}

// One GET, its bytes handed to `sink` as they arrive. Returns the outcome without the body.
Result transfer(const QUrl& url, const Progress& progress, Timeouts timeouts, const CancelFlag& cancel,
                const std::function<bool(const QByteArray&)>& sink, const Request& options = {},
                const QByteArray* postBody = nullptr) {
    Result result;
    const quint64 round = g_cancelRound.load();
    const auto isCancelled = [&] { return (cancel && cancel->load()) || g_cancelRound.load() != round; };
    if (isCancelled()) {
        result.cancelled = true;
        result.error = QCoreApplication::translate("Http", "The download was cancelled");
        return result;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    if (!options.ifModifiedSince.isEmpty())
        request.setRawHeader("If-Modified-Since", options.ifModifiedSince);
    QEventLoop loop;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool timedOut = false;
    bool sinkFailed = false;
    bool tooLarge = false;
    qint64 received = 0;
    bool cancelled = false;
    // The flag is set on another thread, which can't reach this private loop: look at it often.
    QTimer cancelPoll;
    cancelPoll.setInterval(cancelPollMs);

    if (postBody)
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/octet-stream"));
    QNetworkReply* reply = postBody ? manager.post(request, *postBody) : manager.get(request);
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
    // A repository's index answers with a redirect that carries the date; the blob it leads to
    // doesn't. The redirect's headers are only seen here, on their way past.
    QByteArray redirectModified;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        rearm();
        if (const QByteArray date = reply->rawHeader("Last-Modified"); !date.isEmpty())
            redirectModified = date;
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        rearm();
        if (sinkFailed || tooLarge) return;
        const QByteArray bytes = reply->readAll();
        received += bytes.size();
        if (options.maxBytes > 0 && received > options.maxBytes) {
            tooLarge = true;
            reply->abort();
        } else if (!sink(bytes)) {
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
    if (!sinkFailed && !tooLarge && reply->bytesAvailable() > 0) {
        const QByteArray bytes = reply->readAll();
        tooLarge = options.maxBytes > 0 && received + bytes.size() > options.maxBytes;
        sinkFailed = !tooLarge && !sink(bytes);
    }

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (cancelled) {
        result.cancelled = true;
        result.error = QCoreApplication::translate("Http", "The download was cancelled");
    } else if (tooLarge) {
        result.error =
            QCoreApplication::translate("Http", "The server sent more than %1 MB, far more than expected")
                .arg(options.maxBytes / (1024 * 1024));
    } else if (status.isValid() && !timedOut && !sinkFailed &&
               (reply->error() == QNetworkReply::NoError ||
                reply->error() > QNetworkReply::UnknownProxyError)) {
        result.responded = true;
        result.status = status.toInt();
        result.lastModified = reply->rawHeader("Last-Modified");
        if (result.lastModified.isEmpty()) result.lastModified = redirectModified;
        if (result.status == 429) result.error = QString::fromLatin1(reply->rawHeader("Retry-After"));
    } else if (sinkFailed) {
        result.error = QCoreApplication::translate("Http", "The download couldn't be saved to disk");
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

Result post(const QUrl& url, const QByteArray& body, Timeouts timeouts, const CancelFlag& cancel) {
    QByteArray answer;
    Result result = transfer(
        url, {}, timeouts, cancel,
        [&](const QByteArray& chunk) {
            answer += chunk;
            return true;
        },
        {}, &body);
    if (result.responded) result.body = std::move(answer);
    return result;
}

QByteArray userAgent() {
    return QByteArrayLiteral("Skaldrun/" SKALDRUN_VERSION " (Valheim mod manager for Mac and Linux)");
}

namespace {

// Seconds to wait as a Retry-After value asks (seconds or an HTTP date); -1 when unreadable.
int retryAfterSeconds(const QString& value) {
    bool ok = false;
    const int seconds = value.trimmed().toInt(&ok);
    if (ok) return std::max(seconds, 0);
    const QDateTime when = QDateTime::fromString(value.trimmed(), Qt::RFC2822Date);
    return when.isValid() ? int(std::max<qint64>(QDateTime::currentDateTimeUtc().secsTo(when), 0)) : -1;
}

} // namespace

Result get(const QUrl& url, const Request& request, const Progress& progress, Timeouts timeouts,
           const CancelFlag& cancel) {
    for (int attempt = 0;; ++attempt) {
        QByteArray body;
        Result result = transfer(
            url, progress, timeouts, cancel,
            [&](const QByteArray& chunk) {
                body += chunk;
                return true;
            },
            request);
        if (result.responded && result.status == 429) {
            const int wait = retryAfterSeconds(result.error);
            result.error.clear();
            if (attempt < 2 && wait >= 0 && wait <= 60) {
                for (int ms = 0; ms < wait * 1000 && !(cancel && cancel->load()); ms += cancelPollMs)
                    QThread::msleep(cancelPollMs);
                continue;
            }
        }
        if (result.responded) result.body = std::move(body);
        return result;
    }
}

Result download(const QUrl& url, const QString& destPath, const Progress& progress, Timeouts timeouts,
                const CancelFlag& cancel) {
    QFile file(destPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Result failed;
        failed.error = QCoreApplication::translate("Http", "Couldn't create “%1”: %2")
                           .arg(Fs::displayPath(destPath), file.errorString());
        return failed;
    }
    Result result = transfer(url, progress, timeouts, cancel,
                             [&](const QByteArray& chunk) { return file.write(chunk) == chunk.size(); });
    file.close();
    // An error page is not the file asked for: handing it on would make the caller unpack a 404.
    if (result.responded && (result.status < 200 || result.status > 299)) {
        result.responded = false;
        result.error = QCoreApplication::translate("Http", "The server answered with an error (HTTP %1)")
                           .arg(result.status);
    }
    if (!result.responded) file.remove();
    return result;
}

} // namespace Http
