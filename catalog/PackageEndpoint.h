#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// The repository's answer about one package (Repository::packageEndpoint): where its newest
// version is downloaded from, and that version's number when it says.
namespace PackageEndpoint {

struct Latest {
    QUrl downloadUrl; // absolute
    std::optional<QString> version;
};

// None when the answer names no absolute download address (an error page, a package the
// repository doesn't know, anything that isn't its JSON).
std::optional<Latest> readLatest(const QByteArray& json);

} // namespace PackageEndpoint
