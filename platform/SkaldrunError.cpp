#include "platform/SkaldrunError.h"

SkaldrunError::SkaldrunError(QString message)
    : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}
