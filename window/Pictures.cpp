#include "Pictures.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

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

QIcon icon(const QString& name)
{
    QIcon result;
    for (int size : {16, 32, 64})
        result.addPixmap(pixmap(name, size));
    return result;
}

QCursor windowPointer()
{
    return QCursor(pixmap(QStringLiteral("puntatore"), 48), 4, 3);
}

QCursor iconPointer()
{
    return QCursor(pixmap(QStringLiteral("puntatore-icona"), 16), 8, 8);
}

} // namespace pictures
