#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace contrast {

namespace {

double luminance(const QColor& c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

} // namespace

double ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor visible(const QColor& colour, const QColor& background)
{
    if (ratio(colour, background) >= 3)
        return colour;
    const QColor towards = luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    QColor mixed = colour;
    for (int step = 1; step <= 20 && ratio(mixed, background) < 4.5; ++step) {
        const double t = step / 20.0;
        const auto mix = [t](int from, int to) { return int(std::lround(from + (to - from) * t)); };
        mixed = QColor(mix(colour.red(), towards.red()), mix(colour.green(), towards.green()),
                       mix(colour.blue(), towards.blue()));
    }
    return mixed;
}

} // namespace contrast
