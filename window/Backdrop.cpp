#include "Backdrop.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int Bands = 256;
}

Backdrop::Backdrop(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage Backdrop::renderRamp(const QSize& size, int tintFactor)
{
    QImage image(size, QImage::Format_RGB32);
    const int redGreen = 10 * tintFactor;
    const int height = size.height();
    for (int band = 0; band < Bands; ++band) {
        // Band i covers the i-th 256th of the height, so the bands meet exactly.
        const int top = band * height / Bands;
        const int bottom = (band + 1) * height / Bands;
        const QRgb colour = qRgb(redGreen, redGreen, band);
        for (int y = top; y < bottom; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line, line + size.width(), colour);
        }
    }
    return image;
}

void Backdrop::paintRamp(int tintFactor)
{
    m_tint = tintFactor;
    m_ramp = renderRamp(size(), tintFactor);
    update();
}

void Backdrop::setPlainColour(const QColor& colour)
{
    m_plain = colour;
    m_ramp = QImage();
    update();
}

void Backdrop::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_ramp.isNull())
        painter.fillRect(event->rect(), m_plain);
    else
        painter.drawImage(event->rect(), m_ramp, event->rect());
}

void Backdrop::resizeEvent(QResizeEvent*)
{
    // The bands always reach the edges of the client area.
    if (!m_ramp.isNull())
        m_ramp = renderRamp(size(), m_tint);
}
