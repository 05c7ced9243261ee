#pragma once

#include <QString>

#include <optional>

// The file version a Windows DLL carries in its version resource.
namespace PEVersion {

std::optional<QString> fileVersion(const QString& path);

// The same search over bytes already in memory.
std::optional<QString> fileVersion(const unsigned char* data, size_t size);

} // namespace PEVersion
