#include "catalog/TSPackage.h"

#include "platform/SkaldrunError.h"

#include <QCoreApplication>

#include <array>
#include <mutex>
#include <string_view>

namespace {

bool isAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// RFC 3986 characters allowed as they are in a path, query or fragment: unreserved,
// sub-delims, ":", "@", "/" and "?" (percent escapes are checked separately).
constexpr auto pathChars = [] {
    std::array<bool, 256> table{};
    for (int c = 'a'; c <= 'z'; ++c)
        table[size_t(c)] = true;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[size_t(c)] = true;
    for (int c = '0'; c <= '9'; ++c)
        table[size_t(c)] = true;
    for (const char c : std::string_view("-._~!$&'()*+,;=:@/?"))
        table[size_t(static_cast<unsigned char>(c))] = true;
    return table;
}();

// Recognises the plain http(s) addresses the repository actually sends without building a
// QUrl. It only answers true for texts that QUrl's strict parser accepts as well; anything
// unusual (IP hosts, punycode, user info, odd ports) goes to QUrl itself.
bool plainlyValid(QByteArrayView text) {
    const char* p = text.data();
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (text.startsWith("https://"))
        i = 8;
    else if (text.startsWith("http://"))
        i = 7;
    else
        return false;

    const qsizetype hostStart = i;
    for (;;) { // one host label per round
        const qsizetype labelStart = i;
        if (i >= n || !isAlpha(p[i])) return false;
        while (i < n && (isAlpha(p[i]) || isDigit(p[i]) || p[i] == '-')) {
            if (p[i] == '-' && i + 1 < n && p[i + 1] == '-') return false;
            ++i;
        }
        if (p[i - 1] == '-' || i - labelStart > 63) return false;
        if (i < n && p[i] == '.') {
            ++i;
            continue;
        }
        break;
    }
    if (i - hostStart > 253) return false;
    if (i < n && p[i] == ':') {
        ++i;
        const qsizetype portStart = i;
        int port = 0;
        while (i < n && isDigit(p[i]) && i - portStart < 5)
            port = port * 10 + (p[i++] - '0');
        if (i == portStart || port > 65535) return false;
    }
    if (i < n && p[i] != '/' && p[i] != '?' && p[i] != '#') return false;

    bool inFragment = false;
    for (; i < n; ++i) {
        const char c = p[i];
        if (c == '%') {
            if (i + 2 >= n || !isHex(p[i + 1]) || !isHex(p[i + 2])) return false;
            i += 2;
        } else if (c == '#') {
            if (inFragment) return false;
            inFragment = true;
        } else if (!pathChars[static_cast<unsigned char>(c)]) {
            return false;
        }
    }
    return true;
}

} // namespace

OptionalUrl::OptionalUrl(const QUrl& url) {
    if (url.isValid() && !url.isEmpty()) m_text = url.toEncoded();
}

OptionalUrl::OptionalUrl(const std::optional<QUrl>& url) {
    if (url) *this = OptionalUrl(*url);
}

OptionalUrl OptionalUrl::fromText(QByteArrayView utf8) {
    OptionalUrl result;
    if (utf8.isEmpty()) return result;
    result.m_text = utf8.toByteArray();
    result.m_valid = -1;
    return result;
}

// Any thread may be first to ask: each finds the same answer, and storing it twice is harmless.
bool OptionalUrl::valid() const {
    signed char known = m_valid.load(std::memory_order_relaxed);
    if (known < 0) {
        bool address = plainlyValid(m_text);
        if (!address) {
            const QUrl url(QString::fromUtf8(m_text), QUrl::StrictMode);
            address = url.isValid() && !url.isEmpty();
        }
        known = address ? 1 : 0;
        m_valid.store(known, std::memory_order_relaxed);
    }
    return known == 1;
}

QUrl OptionalUrl::toUrl() const {
    if (!has_value()) return QUrl();
    return QUrl(QString::fromUtf8(m_text), QUrl::StrictMode);
}

QUrl OptionalUrl::value() const {
    if (!has_value()) throw std::bad_optional_access();
    return toUrl();
}

OptionalUrl::operator std::optional<QUrl>() const {
    if (!has_value()) return std::nullopt;
    return toUrl();
}

struct TSReleases::State {
    std::shared_ptr<const void> keep;
    QByteArrayView json;
    Repository::Source source = Repository::Source::thunderstore;
    QString owner, name;
    std::once_flag once;
    QList<TSVersion> list;
};

TSReleases::TSReleases(QList<TSVersion> releases) : m_state(std::make_shared<State>()) {
    std::call_once(m_state->once, [&] { m_state->list = std::move(releases); });
}

TSReleases::TSReleases(std::shared_ptr<const void> keep, QByteArrayView json, Repository::Source source,
                       const QString& owner, const QString& name)
    : m_state(std::make_shared<State>()) {
    m_state->keep = std::move(keep);
    m_state->json = json;
    m_state->source = source;
    m_state->owner = owner;
    m_state->name = name;
}

const QList<TSVersion>& TSReleases::list() const {
    static const QList<TSVersion> none;
    if (!m_state) return none;
    State& state = *m_state;
    std::call_once(state.once, [&state] {
        state.list = read(state.json, state.source, state.owner, state.name);
        // Read once: the chunk may go as soon as no other package needs it.
        state.keep.reset();
    });
    return state.list;
}

QString TSPackage::prettyName() const {
    QString pretty = name;
    pretty.replace(QLatin1Char('_'), QLatin1Char(' '));
    return pretty;
}

QString TSPackage::ownerAndName() const {
    // Written in one go for the ASCII names nearly every package has (joining a catalog asks
    // for thousands); others are lower-cased by Unicode's rules.
    QString key(owner.size() + 1 + name.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(key.data());
    const auto copy = [&out](const QString& part) {
        for (const QChar c : part) {
            const char16_t u = c.unicode();
            if (u >= 0x80) return false;
            *out++ = u >= 'A' && u <= 'Z' ? char16_t(u + ('a' - 'A')) : u;
        }
        return true;
    };
    if (!copy(owner)) return (owner + QLatin1Char('-') + name).toLower();
    *out++ = u'-';
    if (!copy(name)) return (owner + QLatin1Char('-') + name).toLower();
    return key;
}

QUrl TSPackage::downloadFor(const TSVersion& v) const {
    if (v.storedURL) return *v.storedURL;
    if (source != Repository::Source::thunderstore || v.number.isEmpty()) return QUrl();
    return QUrl(Repository::baseUrl() +
                    QStringLiteral("/package/download/%1/%2/%3/").arg(owner, name, v.number),
                QUrl::StrictMode);
}

const TSVersion* TSPackage::findVersion(const QString& number) const {
    for (const TSVersion& v : versions()) {
        if (v.number == number) return &v;
    }
    return nullptr;
}

TSPackage TSPackage::atVersion(const QString& number) const {
    const TSVersion* release = findVersion(number);
    if (!release) {
        QStringList newest;
        for (const TSVersion& v : versions().mid(0, 3))
            newest << v.number;
        if (newest.isEmpty()) newest << version;
        throw SkaldrunError(
            QCoreApplication::translate("TSPackage", "%1 has no version %2; the newest are %3.")
                .arg(fullName, number, newest.join(QStringLiteral(", "))));
    }
    TSPackage chosen = *this;
    chosen.version = release->number;
    chosen.downloadURL = downloadFor(*release);
    chosen.dependencies = release->dependencies;
    return chosen;
}
