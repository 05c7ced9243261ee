#pragma once

#include <QString>

#include <optional>

// What the installer reads from a package's "manifest.json". A manifest without a string
// "name" counts as no manifest at all.
struct ThunderstoreManifest {
    QString name;
    std::optional<QString> version; // "version_number", when it is a string

    bool operator==(const ThunderstoreManifest&) const = default;
};
