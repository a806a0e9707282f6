#include "SceneLayout.h"

#include "Design.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Columns = 3;
constexpr int Rows = 4;
} // namespace

QSize SceneLayout::keypadSize(int side, int gap)
{
    return QSize(Columns * side + (Columns + 1) * gap, Rows * side + (Rows + 1) * gap);
}

int SceneLayout::minimumKeySide(const QSizeF& physicalMm, const QSize& logicalPixels)
{
    constexpr int Unknown = 48;
    if (physicalMm.width() <= 0 || logicalPixels.width() <= 0)
        return Unknown;
    const int side = int(std::ceil(9.0 * logicalPixels.width() / physicalMm.width()));
    // A screen that says it is a metre wide, or a centimetre, is not believed.
    return side >= 16 && side <= 400 ? side : Unknown;
}

SceneLayout SceneLayout::compute(const QSize& area, bool keypad, int minKeySide)
{
    SceneLayout layout;
    if (!keypad) {
        layout.zoom = design::zoomToFit(area);
        const QSize scene = design::clientSize(layout.zoom);
        layout.origin =
            QPoint((area.width() - scene.width()) / 2, (area.height() - scene.height()) / 2);
        return layout;
    }
    layout.gap = std::max(4, minKeySide / 6);
    const int gap = layout.gap;
    // At this zoom the keys are as tall as the scene allows, never below the
    // least a finger needs.
    const auto sideAt = [&](double zoom) {
        return std::max(minKeySide, (design::clientSize(zoom).height() - (Rows + 1) * gap) / Rows);
    };
    const auto fits = [&](double zoom) {
        const QSize scene = design::clientSize(zoom);
        const QSize pad = keypadSize(sideAt(zoom), gap);
        return scene.width() + pad.width() + 3 * gap <= area.width() &&
               std::max(scene.height(), pad.height() + 2 * gap) <= area.height();
    };
    double low = 0.01, high = std::max(low, design::zoomToFit(area));
    if (fits(high)) {
        low = high;
    } else {
        for (int i = 0; i < 40; ++i) {
            const double mid = (low + high) / 2;
            (fits(mid) ? low : high) = mid;
        }
    }
    layout.zoom = low;
    layout.keySide = sideAt(low);
    const QSize scene = design::clientSize(low);
    const QSize pad = keypadSize(layout.keySide, gap);
    // Scene and keypad centred together, the keypad one gap from the scene.
    const int left = std::max(gap, (area.width() - scene.width() - gap - pad.width()) / 2);
    layout.origin = QPoint(left, (area.height() - scene.height()) / 2);
    layout.keypad =
        QRect(QPoint(left + scene.width() + gap, (area.height() - pad.height()) / 2), pad);
    return layout;
}
