#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The game's own pictures, drawn as SVG and rendered at the sizes wanted.
namespace pictures {

QPixmap pixmap(const QString& name, int size);
// An icon with 16, 32 and 64 pixel renderings, and one at the size shown
// when that is another: a zoomed scene stays sharp.
QIcon icon(const QString& name, int shown = 32);

// At the scene's zoom.
QCursor windowPointer(double zoom = 1.0);
// The small icon-shaped pointer over the message line and the next button.
QCursor iconPointer(double zoom = 1.0);

} // namespace pictures
