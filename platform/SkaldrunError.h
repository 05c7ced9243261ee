#pragma once

#include <QString>

#include <exception>
#include <string>

// The one error type the project throws. Its message is user-facing text: file errors name
// the file and the operating system's reason.
class SkaldrunError : public std::exception {
public:
    explicit SkaldrunError(QString message);

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};
