#include "platform/Plist.h"

#include "platform/Fs.h"

#include <QXmlStreamReader>

namespace Plist {

std::optional<QString> stringValue(const QString& plistPath, const QString& key) {
    auto bytes = Fs::tryRead(plistPath);
    if (!bytes) return std::nullopt;
    QXmlStreamReader xml(*bytes);
    // Only the top-level dictionary counts: depth 1 is <plist>, 2 its <dict>, 3 the keys.
    int depth = 0;
    bool wantValue = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (depth == 3 && wantValue) {
                if (xml.name() == QLatin1String("string")) return xml.readElementText();
                return std::nullopt;
            }
            if (depth == 3 && xml.name() == QLatin1String("key")) {
                wantValue = xml.readElementText() == key;
                --depth; // readElementText consumed the end element
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return std::nullopt;
}

} // namespace Plist
