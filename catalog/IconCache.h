#pragma once

#include "platform/Http.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

// Package icons on disk, below the support folder. A package's icon address carries its
// version, so a cached file never goes stale: a new release brings a new address.
namespace IconCache {

QString dir();                              // AppSupport + "icon-cache"; not created
QString pathFor(const QByteArray& urlText); // one file per address, named by its hash

// Turns downloaded bytes into what is kept (for example a smaller image); empty rejects them.
using Prepare = std::function<QByteArray(const QByteArray& downloaded)>;

// The kept bytes for this address: from the disk when cached, else downloaded, prepared and
// written there. nullopt when the server gave no usable answer or prepare rejected it. Blocks
// on the network, so only for worker threads. A failed cache write is ignored.
std::optional<QByteArray> fetch(const QUrl& url, const Prepare& prepare = {},
                                Http::Timeouts timeouts = Http::defaultTimeouts());

} // namespace IconCache
