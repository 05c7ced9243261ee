// Renders the app's SVG icon into a macOS .iconset folder (every size iconutil wants); the
// Linux package takes its 256-pixel picture from the same folder.
//   skaldrun_render_icon <icon.svg> <out.iconset>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <icon.svg> <out.iconset>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!svg.isValid() || !QDir().mkpath(out)) {
        std::fprintf(stderr, "can't render %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    for (const int size : {16, 32, 128, 256, 512}) {
        for (const int scale : {1, 2}) {
            QImage image(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            svg.render(&painter);
            painter.end();
            const QString name = scale == 1 ? QStringLiteral("icon_%1x%1.png").arg(size)
                                            : QStringLiteral("icon_%1x%1@2x.png").arg(size);
            if (!image.save(QDir(out).filePath(name))) {
                std::fprintf(stderr, "can't write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
