#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>
#include <memory>

// Plain HTTP(S) GETs for background threads: every call blocks its thread until the transfer
// ends (it runs a private event loop there, so never call it on the GUI thread). Every request
// says who we are (some sites refuse anonymous clients); up to five redirects are followed and
// gzip answers are decoded. A request that sees no answer within the connect time-out, or no
// new byte within the stall time-out, fails.
namespace Http {

struct Timeouts {
    int connectMs = 20000;
    int stallMs = 30000;
};

// Process-wide defaults; SKALDRUN_HTTP_TIMEOUT_MS, when set, replaces both at start.
Timeouts defaultTimeouts();
void setDefaultTimeouts(Timeouts timeouts);

// received and total bytes; total is -1 while unknown. Called on the transferring thread.
using Progress = std::function<void(qint64 received, qint64 total)>;

// Set from any thread to stop the transfers that were given it: they end within a tenth of a
// second, and one asked for after it was set doesn't start.
using CancelFlag = std::shared_ptr<std::atomic<bool>>;
inline CancelFlag newCancelFlag() {
    return std::make_shared<std::atomic<bool>>(false);
}

// Stops every transfer running at this moment, whoever started it (the application is closing).
void cancelRunning();

struct Result {
    bool responded = false;  // the server answered (any status); false on a transport failure
    bool cancelled = false;  // stopped through a CancelFlag or cancelRunning
    int status = 0;          // the HTTP status, 0 without an answer
    QByteArray body;         // the decoded body (get only)
    QString error;           // the transport failure, one plain sentence; empty when responded
    QByteArray lastModified; // the Last-Modified header, as sent
};

// What a catalog fetch adds to a plain GET: conditional and size-bounded, and patient with a
// server that asks for a pause (429 with Retry-After, honoured up to a minute, twice).
struct Request {
    QByteArray ifModifiedSince; // sent when not empty; a 304 answer then has no body
    qint64 maxBytes = 0;        // a longer body fails the request; 0: no bound
};
Result get(const QUrl& url, const Request& request, const Progress& progress = {},
           Timeouts timeouts = defaultTimeouts(), const CancelFlag& cancel = {});

// Sends body as application/octet-stream; the answer comes back as get's does.
Result post(const QUrl& url, const QByteArray& body, Timeouts timeouts = defaultTimeouts(),
            const CancelFlag& cancel = {});

// The User-Agent every request carries.
QByteArray userAgent();

Result get(const QUrl& url, const Progress& progress = {}, Timeouts timeouts = defaultTimeouts(),
           const CancelFlag& cancel = {});

// Streams the body into destPath (created or truncated). Only a 2xx answer counts as responded:
// on an error status, a transport failure or a cancellation the file is removed.
Result download(const QUrl& url, const QString& destPath, const Progress& progress = {},
                Timeouts timeouts = defaultTimeouts(), const CancelFlag& cancel = {});

} // namespace Http
