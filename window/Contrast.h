#pragma once

#include <QColor>

// How well text stands out from what is behind it, as the web's accessibility
// guidelines measure it: 1:1 for the same colour, 21:1 for black on white.
namespace contrast {

double ratio(const QColor& a, const QColor& b);
// The colour itself when it stands out at least 3:1 against the background;
// else the same hue lightened (on a dark background) or darkened (on a light
// one) until it stands out 4.5:1.
QColor visible(const QColor& colour, const QColor& background);

} // namespace contrast
