#include "platform/Xattr.h"

#include <QFile>

#include <sys/xattr.h>

namespace Xattr {

QString quarantineName() {
    return QStringLiteral("com.apple.quarantine");
}

bool has(const QString& path, const QString& name) {
    return ::getxattr(QFile::encodeName(path).constData(), name.toUtf8().constData(), nullptr, 0, 0,
                      XATTR_NOFOLLOW) >= 0;
}

bool remove(const QString& path, const QString& name) {
    return ::removexattr(QFile::encodeName(path).constData(), name.toUtf8().constData(), XATTR_NOFOLLOW) == 0;
}

bool set(const QString& path, const QString& name, const QByteArray& value) {
    return ::setxattr(QFile::encodeName(path).constData(), name.toUtf8().constData(), value.constData(),
                      size_t(value.size()), 0, XATTR_NOFOLLOW) == 0;
}

} // namespace Xattr
