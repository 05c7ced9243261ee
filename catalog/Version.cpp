#include "catalog/Version.h"

#include <QList>
#include <QStringView>

#include <algorithm>

namespace {
QList<qint64> pieces(const QString& v) {
    QList<qint64> numbers;
    for (const QStringView piece : QStringView(v).split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 n = piece.toLongLong(&ok, 10);
        numbers.append(ok ? n : 0);
    }
    return numbers;
}
} // namespace

bool Version::less(const QString& a, const QString& b) {
    const QList<qint64> x = pieces(a);
    const QList<qint64> y = pieces(b);
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i) {
        const qint64 p = i < x.size() ? x[i] : 0;
        const qint64 q = i < y.size() ? y[i] : 0;
        if (p != q) return p < q;
    }
    return false;
}
