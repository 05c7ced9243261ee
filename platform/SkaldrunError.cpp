#include "platform/SkaldrunError.h"

SkaldrunError::SkaldrunError(QString message, ErrorKind kind)
    : m_message(std::move(message)), m_kind(kind), m_utf8(m_message.toStdString()) {}
