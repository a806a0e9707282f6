#include "Pictures.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

static void initPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {

// Every new contest builds the window again; its pictures are drawn once.
// Emptied with the application, while the pixmaps can still be freed.
QHash<QString, QPixmap>& cache()
{
    static QHash<QString, QPixmap> pixmaps;
    static const bool registered = [] {
        qAddPostRoutine([] { pixmaps.clear(); });
        return true;
    }();
    Q_UNUSED(registered);
    return pixmaps;
}

} // namespace

namespace pictures {

QPixmap pixmap(const QString& name, int size)
{
    const QString key = name + u'@' + QString::number(size);
    auto& pixmaps = cache();
    if (auto it = pixmaps.constFind(key); it != pixmaps.constEnd())
        return it.value();
    // Resizing the window asks for ever new sizes: keep the cache bounded.
    if (pixmaps.size() > 256)
        pixmaps.clear();
    initPictures();
    QPixmap result(size, size);
    result.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QPainter painter(&result);
    renderer.render(&painter);
    painter.end();
    pixmaps.insert(key, result);
    return result;
}

QIcon icon(const QString& name, int shown)
{
    QIcon result;
    for (int size : {16, 32, 64})
        result.addPixmap(pixmap(name, size));
    if (shown != 16 && shown != 32 && shown != 64)
        result.addPixmap(pixmap(name, shown));
    return result;
}

namespace {
QCursor cursor(const QString& name, int size, int hotX, int hotY, double zoom)
{
    const int zoomed = std::max(1, int(std::lround(size * zoom)));
    return QCursor(pixmap(name, zoomed), int(std::lround(hotX * zoom)),
                   int(std::lround(hotY * zoom)));
}
} // namespace

QCursor windowPointer(double zoom)
{
    return cursor(QStringLiteral("puntatore"), 48, 4, 3, zoom);
}

QCursor iconPointer(double zoom)
{
    return cursor(QStringLiteral("puntatore-icona"), 16, 8, 8, zoom);
}

} // namespace pictures
