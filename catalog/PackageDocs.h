#pragma once

#include "catalog/Repository.h"
#include "platform/Http.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// A release's readme and changelog as its repository serves them (Markdown), kept in memory and
// in the support folder: a release's documents never change once published.
namespace PackageDocs {

enum class Kind { readme, changelog };

struct Doc {
    QString markdown;
    bool none = false;            // the release has no such document
    bool shortened = false;       // cut at `cap` characters
    std::optional<QString> error; // why it couldn't be had, one sentence; never cached
};

// A changelog of a few megabytes freezes the text view for seconds; nobody reads that far.
inline constexpr qsizetype cap = 200000;

QUrl url(Repository::Source source, const QString& owner, const QString& name, const QString& version,
         Kind kind);
// The repository's answer, {"markdown": text or null}; 404 counts as no document.
Doc read(const Http::Result& answer, Kind kind);
// From the caches, else from the repository (blocks: call it on a worker).
Doc fetch(Repository::Source source, const QString& owner, const QString& name, const QString& version,
          Kind kind, const Http::CancelFlag& cancel = {});

} // namespace PackageDocs
