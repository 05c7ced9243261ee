#include "platform/Xattr.h"

#include <QFile>

#include <sys/xattr.h>

namespace Xattr {

// Linux keeps foreign attributes in the user namespace.
QString quarantineName() {
    return QStringLiteral("user.com.apple.quarantine");
}

bool has(const QString& path, const QString& name) {
    return ::lgetxattr(QFile::encodeName(path).constData(), name.toUtf8().constData(), nullptr, 0) >= 0;
}

bool remove(const QString& path, const QString& name) {
    return ::lremovexattr(QFile::encodeName(path).constData(), name.toUtf8().constData()) == 0;
}

bool set(const QString& path, const QString& name, const QByteArray& value) {
    return ::lsetxattr(QFile::encodeName(path).constData(), name.toUtf8().constData(), value.constData(),
                       size_t(value.size()), 0) == 0;
}

} // namespace Xattr
