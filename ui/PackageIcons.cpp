#include "ui/PackageIcons.h"

#include "catalog/IconCache.h"
#include "platform/Async.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QThreadPool>

namespace {

constexpr int maxLoads = 4;      // downloads at once, on a pool of their own
constexpr int maxWanted = 48;    // a few screens of rows; older asks are dropped
constexpr int memoryIcons = 600; // about 17 MB of pixmaps
constexpr int stored = PackageIcons::side * 2;

// Icon downloads wait on the network; they must not hold the shared pool that status refreshes
// and installs run on. Never destroyed: quitting must not wait for a download to time out.
QThreadPool* iconPool() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(maxLoads);
        return p;
    }();
    return pool;
}

} // namespace

PackageIcons::PackageIcons(QObject* parent) : QObject(parent), m_memory(memoryIcons) {}

PackageIcons::~PackageIcons() = default;

QByteArray PackageIcons::prepare(const QByteArray& downloaded) {
    QImage image = QImage::fromData(downloaded);
    if (image.isNull()) return {};
    image = image.scaled(stored, stored, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QRect crop((image.width() - stored) / 2, (image.height() - stored) / 2, stored, stored);
    QImage rounded(stored, stored, QImage::Format_ARGB32_Premultiplied);
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, stored, stored), 12, 12);
    painter.setClipPath(clip);
    painter.drawImage(QPoint(0, 0), image, crop);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    rounded.save(&buffer, "PNG");
    return png;
}

const QPixmap* PackageIcons::icon(const OptionalUrl& url) {
    if (!url) return nullptr;
    const QByteArray& key = url.text();
    if (const QPixmap* cached = m_memory.object(key)) return cached;
    if (m_failed.contains(key) || m_inFlight.contains(key)) return nullptr;
    m_wanted.removeOne(key);
    m_wanted.append(key);
    if (m_wanted.size() > maxWanted) m_wanted.removeFirst();
    pump();
    return nullptr;
}

void PackageIcons::pump() {
    while (m_inFlight.size() < maxLoads && !m_wanted.isEmpty()) {
        const QByteArray key = m_wanted.takeLast();
        m_inFlight.insert(key);
        const QPointer<PackageIcons> self(this);
        const QUrl url = QUrl::fromEncoded(key);
        iconPool()->start([self, key, url] {
            const std::optional<QByteArray> bytes = IconCache::fetch(url, &PackageIcons::prepare);
            QImage image;
            if (bytes) image = QImage::fromData(*bytes);
            Async::postToGui([self, key, image] {
                if (!self) return;
                self->m_inFlight.remove(key);
                if (image.isNull()) {
                    self->m_failed.insert(key);
                } else {
                    auto* pixmap = new QPixmap(QPixmap::fromImage(image));
                    pixmap->setDevicePixelRatio(double(stored) / side);
                    self->m_memory.insert(key, pixmap);
                    Q_EMIT self->iconReady(key);
                }
                self->pump();
            });
        });
    }
}
