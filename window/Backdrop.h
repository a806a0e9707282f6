#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class QPainter;

// The client area: it paints the round's colour ramp, 256 bands straight onto
// the screen, only where a repaint asks for them.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(QWidget* parent = nullptr);

    // 256 bands: red and green 10 x tint, blue 0 at the top to 255 at the bottom.
    void paintRamp(int tintFactor);
    // Wipes the ramp: a plain colour until the next ramp.
    void setPlainColour(const QColor& colour);

    QColor plainColour() const { return m_plain; }
    bool showsRamp() const { return m_ramp; }
    // The colour behind a point: the band there, or the plain colour.
    QColor colourAt(int y) const;

    // The ramp for a client area of this size, as the widget paints it.
    static QImage renderRamp(const QSize& size, int tintFactor);

signals:
    // A new ramp or a plain colour.
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static void paintBands(QPainter& painter, const QSize& size, int tintFactor, const QRect& clip);

    bool m_ramp = false;
    int m_tint = 0;
    QColor m_plain;
};
