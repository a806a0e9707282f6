#include "Backdrop.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int Bands = 256;

// Band i covers the i-th 256th of the height, so the bands meet exactly.
int bandTop(int band, int height)
{
    return band * height / Bands;
}
} // namespace

Backdrop::Backdrop(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Backdrop::paintBands(QPainter& painter, const QSize& size, int tintFactor, const QRect& clip)
{
    const int redGreen = 10 * tintFactor;
    const int height = size.height();
    // Only the bands the repaint touches: a tick's label is a few bands, not 256.
    const int first = std::clamp(clip.top() * Bands / std::max(1, height) - 1, 0, Bands - 1);
    for (int band = first; band < Bands; ++band) {
        const int top = bandTop(band, height);
        if (top > clip.bottom())
            break;
        const int bottom = bandTop(band + 1, height);
        painter.fillRect(QRect(clip.left(), top, clip.width(), bottom - top),
                         QColor(redGreen, redGreen, band));
    }
}

QImage Backdrop::renderRamp(const QSize& size, int tintFactor)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintBands(painter, size, tintFactor, image.rect());
    return image;
}

void Backdrop::paintRamp(int tintFactor)
{
    m_tint = tintFactor;
    m_ramp = true;
    update();
    emit changed();
}

void Backdrop::setPlainColour(const QColor& colour)
{
    m_plain = colour;
    m_ramp = false;
    update();
    emit changed();
}

QColor Backdrop::colourAt(int y) const
{
    if (!m_ramp)
        return m_plain;
    const int height = std::max(1, this->height());
    int band = std::clamp(y * Bands / height, 0, Bands - 1);
    // Rounding can put a row one band off: step to the band that holds it.
    while (band + 1 < Bands && bandTop(band + 1, height) <= y)
        ++band;
    while (band > 0 && bandTop(band, height) > y)
        --band;
    return QColor(10 * m_tint, 10 * m_tint, band);
}

void Backdrop::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!m_ramp)
        painter.fillRect(event->rect(), m_plain);
    else
        paintBands(painter, size(), m_tint, event->rect());
}
