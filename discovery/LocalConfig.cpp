#include "discovery/LocalConfig.h"

#include "discovery/Outside.h"
#include "discovery/Steam.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <vector>

namespace LocalConfig {

namespace {

// The blocks above the app's, as Steam names them (found in any letter case).
const std::array<QByteArray, 5> outerKeys = {"UserLocalConfigStore", "Software", "Valve", "Steam", "apps"};
constexpr int appDepth = 5;
const QByteArray optionsKey = "LaunchOptions";

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

struct Token {
    enum Kind { open, close, text, end } kind = end;
    qsizetype begin = 0; // a quoted text's range includes its quotes
    qsizetype end_ = 0;
};

// VDF's tokens over raw bytes: the structure is ASCII, and what stands between quotes is never
// decoded, so text in any encoding passes through untouched.
class Scanner {
public:
    Scanner(const QByteArray& bytes, const QString& file) : m_t(bytes), m_file(file) {}

    Token next() {
        const qsizetype n = m_t.size();
        for (;;) {
            while (m_i < n && isSpace(m_t[m_i]))
                ++m_i;
            if (m_i + 1 < n && m_t[m_i] == '/' && m_t[m_i + 1] == '/') {
                while (m_i < n && m_t[m_i] != '\n')
                    ++m_i;
                continue;
            }
            if (m_i < n && m_t[m_i] == '[') { // a platform condition such as [$WIN32]
                while (m_i < n && m_t[m_i] != ']' && m_t[m_i] != '\n')
                    ++m_i;
                if (m_i < n && m_t[m_i] == ']') ++m_i;
                continue;
            }
            break;
        }
        if (m_i >= n) return {Token::end, n, n};
        const qsizetype from = m_i;
        if (m_t[m_i] == '{' || m_t[m_i] == '}') {
            ++m_i;
            return {m_t[from] == '{' ? Token::open : Token::close, from, m_i};
        }
        if (m_t[m_i] == '"') {
            for (++m_i; m_i < n && m_t[m_i] != '"'; ++m_i) {
                if (m_t[m_i] == '\\') ++m_i;
            }
            if (m_i >= n)
                fail(QCoreApplication::translate("LocalConfig", "a text runs to the end of the file"));
            ++m_i;
            return {Token::text, from, m_i};
        }
        while (m_i < n && !isSpace(m_t[m_i]) && m_t[m_i] != '{' && m_t[m_i] != '}' && m_t[m_i] != '"')
            ++m_i;
        return {Token::text, from, m_i};
    }

    bool named(const Token& token, const QByteArray& name) const {
        QByteArrayView word(m_t.constData() + token.begin, token.end_ - token.begin);
        if (word.startsWith('"')) word = word.sliced(1, word.size() - 2);
        return word.compare(name, Qt::CaseInsensitive) == 0;
    }

    [[noreturn]] void fail(const QString& why) const {
        throw SkaldrunError(QCoreApplication::translate(
                                "LocalConfig",
                                "Steam's settings in “%1” aren't laid out as expected (%2), so Skaldrun "
                                "left them as they are. Paste the launch options into Steam yourself.")
                                .arg(Fs::displayPath(m_file), why));
    }

private:
    const QByteArray& m_t;
    const QString& m_file;
    qsizetype m_i = 0;
};

// Where the app's block and its launch options are, or how much of the way to them exists.
struct Layout {
    int deepest = -1;                            // the deepest block on the way that exists
    std::array<qsizetype, appDepth + 1> close{}; // the closing brace of each block on the way
    qsizetype valueBegin = -1;
    qsizetype valueEnd = -1;
};

Layout read(const QByteArray& text, const QByteArray& appID, const QString& file) {
    Scanner scan(text, file);
    Layout layout;
    std::vector<bool> onTheWay; // one per open block
    std::array<bool, appDepth + 1> entered{};
    for (;;) {
        const Token key = scan.next();
        if (key.kind == Token::end) {
            if (!onTheWay.empty())
                scan.fail(QCoreApplication::translate("LocalConfig", "a block isn't closed"));
            return layout;
        }
        if (key.kind == Token::close) {
            if (onTheWay.empty())
                scan.fail(QCoreApplication::translate("LocalConfig", "a brace closes nothing"));
            if (onTheWay.back()) layout.close[onTheWay.size() - 1] = key.begin;
            onTheWay.pop_back();
            continue;
        }
        if (key.kind == Token::open)
            scan.fail(QCoreApplication::translate("LocalConfig", "a block has no name"));
        const Token value = scan.next();
        const size_t depth = onTheWay.size();
        if (value.kind == Token::open) {
            const bool parentOnTheWay = depth == 0 || onTheWay.back();
            const bool on = parentOnTheWay && depth <= appDepth && !entered[depth] &&
                            scan.named(key, depth == appDepth ? appID : outerKeys[depth]);
            if (on) {
                entered[depth] = true;
                layout.deepest = int(depth);
            }
            onTheWay.push_back(on);
        } else if (value.kind == Token::text) {
            if (depth == appDepth + 1 && onTheWay.back() && layout.valueBegin < 0 &&
                scan.named(key, optionsKey)) {
                layout.valueBegin = value.begin;
                layout.valueEnd = value.end_;
            }
        } else {
            scan.fail(QCoreApplication::translate("LocalConfig", "a name has no value"));
        }
    }
}

QByteArray quoted(const QString& value) {
    QByteArray escaped;
    for (const char c : value.toUtf8()) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '"':
            escaped += "\\\"";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    return '"' + escaped + '"';
}

} // namespace

QByteArray withLaunchOptions(const QByteArray& text, const QString& appID, const QString& options,
                             const QString& file) {
    const QByteArray id = appID.toUtf8();
    const Layout layout = read(text, id, file);
    if (layout.valueBegin >= 0)
        return text.left(layout.valueBegin) + quoted(options) + text.mid(layout.valueEnd);
    if (layout.deepest < 0)
        Scanner(text, file)
            .fail(QCoreApplication::translate("LocalConfig", "it holds no UserLocalConfigStore"));

    // The missing blocks, then the value, indented with tabs as Steam indents them.
    const auto indent = [](int depth) { return QByteArray(depth, '\t'); };
    QByteArrayList lines;
    for (int depth = layout.deepest + 1; depth <= appDepth; ++depth) {
        lines << indent(depth) + '"' + (depth == appDepth ? id : outerKeys[size_t(depth)]) + '"'
              << indent(depth) + '{';
    }
    lines << indent(appDepth + 1) + '"' + optionsKey + "\"\t\t" + quoted(options);
    for (int depth = appDepth; depth > layout.deepest; --depth)
        lines << indent(depth) + '}';
    const QByteArray block = lines.join('\n');

    const qsizetype brace = layout.close[size_t(layout.deepest)];
    const qsizetype lineStart = text.lastIndexOf('\n', brace - 1) + 1;
    const bool braceStartsItsLine = std::all_of(text.cbegin() + lineStart, text.cbegin() + brace, isSpace);
    if (braceStartsItsLine) return text.left(lineStart) + block + '\n' + text.mid(lineStart);
    return text.left(brace) + '\n' + block + '\n' + text.mid(brace);
}

QString setLaunchOptions(const QString& file, const QString& appID, const QString& options) {
    const bool existed = Fs::itemExists(file);
    const QByteArray before =
        existed ? Fs::read(file) : QByteArrayLiteral("\"UserLocalConfigStore\"\n{\n}\n");
    const QByteArray after = withLaunchOptions(before, appID, options, file);
    QString backup;
    if (existed) {
        // Never over an earlier copy: the first one holds what the player had before we came.
        backup = file + QStringLiteral(".backup");
        for (int n = 1; Fs::itemExists(backup); ++n)
            backup = file + QStringLiteral(".backup.%1").arg(n);
        Fs::copyFile(file, backup);
    } else {
        Fs::mkpath(Fs::parent(file));
    }
    Fs::writeAtomic(file, after);
    return backup;
}

std::optional<QString> accountFile(Platform platform) {
    static const QRegularExpression user(QStringLiteral("\"(\\d{17})\"\\s*\\{([^{}]*)\\}"));
    static const QRegularExpression mostRecent(QStringLiteral("\"mostrecent\"\\s*\"1\""),
                                               QRegularExpression::CaseInsensitiveOption);
    for (const QString& steam : Steam::roots(platform)) {
        const QString userdata = Fs::join(steam, Outside::userDataDir);
        const auto toFile = [&](const QString& account) {
            return Fs::join(Fs::join(userdata, account), Outside::localConfigVdf);
        };
        if (const auto users = Fs::tryRead(Fs::join(steam, Outside::loginUsersVdf))) {
            auto it = user.globalMatch(QString::fromUtf8(*users));
            while (it.hasNext()) {
                const auto match = it.next();
                if (!mostRecent.match(match.captured(2)).hasMatch()) continue;
                // userdata is named by the account's 32 low bits of its 64-bit Steam ID.
                const QString account = QString::number(match.captured(1).toULongLong() & 0xFFFFFFFFULL);
                if (Fs::isDir(Fs::join(userdata, account))) return toFile(account);
            }
        }
        QStringList accounts;
        for (const QString& name : Fs::list(userdata).value_or(QStringList())) {
            bool numeric = false;
            name.toULongLong(&numeric);
            if (numeric && name != QLatin1String("0") && Fs::isDir(Fs::join(userdata, name)))
                accounts << name;
        }
        if (accounts.size() == 1) return toFile(accounts.first());
    }
    return std::nullopt;
}

} // namespace LocalConfig
