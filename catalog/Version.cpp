#include "catalog/Version.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <optional>

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

bool piecewiseLess(const QString& a, const QString& b) {
    const QList<qint64> x = pieces(a);
    const QList<qint64> y = pieces(b);
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i) {
        const qint64 p = i < x.size() ? x[i] : 0;
        const qint64 q = i < y.size() ? y[i] : 0;
        if (p != q) return p < q;
    }
    return false;
}

// Practically every number is digits and dots, with pieces far below 64 bits: those are compared
// where they stand, without splitting them into lists. Anything else has no answer here.
template <typename Char> std::optional<bool> plainLess(const Char* a, size_t n, const Char* b, size_t m) {
    size_t i = 0, j = 0;
    const auto next = [](const Char* s, size_t size, size_t& at) -> std::optional<qint64> {
        while (at < size && s[at] == Char('.'))
            ++at;
        qint64 value = 0;
        for (int digits = 0; at < size && s[at] != Char('.'); ++at) {
            if (s[at] < Char('0') || s[at] > Char('9') || ++digits > 18) return std::nullopt;
            value = value * 10 + (s[at] - Char('0'));
        }
        return value;
    };
    while (i < n || j < m) {
        const std::optional<qint64> p = next(a, n, i), q = next(b, m, j);
        if (!p || !q) return std::nullopt;
        if (*p != *q) return *p < *q;
    }
    return false;
}
} // namespace

bool Version::less(const QString& a, const QString& b) {
    if (const auto plain = plainLess(reinterpret_cast<const char16_t*>(a.utf16()), size_t(a.size()),
                                     reinterpret_cast<const char16_t*>(b.utf16()), size_t(b.size())))
        return *plain;
    return piecewiseLess(a, b);
}

bool Version::lessUtf8(std::string_view a, std::string_view b) {
    if (const auto plain = plainLess(a.data(), a.size(), b.data(), b.size())) return *plain;
    return piecewiseLess(QString::fromUtf8(a.data(), qsizetype(a.size())),
                         QString::fromUtf8(b.data(), qsizetype(b.size())));
}
