#pragma once

#include <QString>

#include <string_view>

// Package version numbers as the repositories publish them ("1.2.3", sometimes "1.2" or
// "1.0.0-beta"). Compared piece by piece as numbers, missing pieces count as 0, and a piece
// that is not a number counts as 0, so "1.9" < "1.10" and "1.2" == "1.2.0".
namespace Version {
bool less(const QString& a, const QString& b);
bool lessUtf8(std::string_view a, std::string_view b); // the same, of UTF-8 texts
} // namespace Version
