#include "Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

static void initPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace pictures {

QPixmap pixmap(const QString& name, int size)
{
    initPictures();
    QPixmap result(size, size);
    result.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QPainter painter(&result);
    renderer.render(&painter);
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
