#pragma once

#include <QString>

#include <exception>
#include <string>

// What went wrong, for callers that react differently to some failures. The message is
// always the one sentence a player reads.
enum class ErrorKind {
    general,
    fileSystem,
    unsupportedFile,
    extractFailed,
    emptyArchive,
    savesNotFound,
};

// The one error type the project throws. Its message is user-facing text: file errors name
// the file and the operating system's reason.
class SkaldrunError : public std::exception {
public:
    explicit SkaldrunError(QString message, ErrorKind kind = ErrorKind::general);

    const QString& message() const noexcept { return m_message; }
    ErrorKind kind() const noexcept { return m_kind; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    ErrorKind m_kind;
    std::string m_utf8;
};
