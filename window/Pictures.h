#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The game's own pictures, drawn as SVG and rendered at the sizes wanted.
namespace pictures {

QPixmap pixmap(const QString& name, int size);
// An icon with 16, 32 and 64 pixel renderings.
QIcon icon(const QString& name);

QCursor windowPointer();
// The small icon-shaped pointer over the message line and the next button.
QCursor iconPointer();

} // namespace pictures
