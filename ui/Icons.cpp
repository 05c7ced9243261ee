#include "ui/Icons.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The symbols are compiled into a static library, whose resource initializer is linked in only
// when something calls it.
static void initSymbols() {
    static const bool done = [] {
        Q_INIT_RESOURCE(symbols);
        return true;
    }();
    Q_UNUSED(done);
}

namespace Icons {

namespace {

QString resourcePath(const QString& name) {
    initSymbols();
    return QStringLiteral(":/symbols/") + name + QStringLiteral(".svg");
}

qreal deviceRatio() {
    const auto* app = qobject_cast<const QGuiApplication*>(QCoreApplication::instance());
    return app ? app->devicePixelRatio() : 1.0;
}

} // namespace

QPixmap pixmap(const QString& name, int size, const QColor& color) {
    static QHash<QString, QPixmap> cache;
    const qreal ratio = deviceRatio();
    const QString key = name + QLatin1Char('@') + QString::number(size) + QLatin1Char('@') +
                        (color.isValid() ? color.name(QColor::HexArgb) : QString()) + QString::number(ratio);
    if (auto it = cache.constFind(key); it != cache.cend()) return *it;
    QPixmap image(QSize(size, size) * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(name));
    Q_ASSERT_X(renderer.isValid(), "Icons::pixmap", qPrintable(name));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    if (color.isValid()) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(QRectF(0, 0, size, size), color);
    }
    painter.end();
    cache.insert(key, image);
    return image;
}

QIcon symbol(const QString& name) {
    return QIcon(resourcePath(name));
}

QIcon tinted(const QString& name, const QColor& color) {
    QIcon icon;
    for (int size : {16, 22, 32, 48})
        icon.addPixmap(pixmap(name, size, color));
    return icon;
}

QPixmap numberedCircle(int number, int size, const QColor& color) {
    const qreal ratio = deviceRatio();
    QPixmap image(QSize(size, size) * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(color);
    pen.setWidthF(qMax(1.0, size / 14.0));
    painter.setPen(pen);
    const qreal inset = pen.widthF() / 2 + 0.5;
    painter.drawEllipse(QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    QFont font = painter.font();
    font.setPixelSize(qRound(size * 0.55));
    font.setWeight(QFont::Medium);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QString::number(number));
    return image;
}

QPixmap faint(const QString& name, int size, qreal opacity) {
    const QPixmap source = pixmap(name, size);
    QPixmap faint(source.size());
    faint.setDevicePixelRatio(source.devicePixelRatio());
    faint.fill(Qt::transparent);
    QPainter p(&faint);
    p.setOpacity(opacity);
    p.drawPixmap(0, 0, source);
    return faint;
}

} // namespace Icons
