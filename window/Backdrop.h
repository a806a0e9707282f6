#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The client area: it paints the round's colour ramp, cached in an image so
// that a repaint (after a box has covered the window) only copies it.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(QWidget* parent = nullptr);

    // 256 bands: red and green 10 x tint, blue 0 at the top to 255 at the bottom.
    void paintRamp(int tintFactor);
    // Wipes the ramp: a plain colour until the next ramp.
    void setPlainColour(const QColor& colour);

    QColor plainColour() const { return m_plain; }
    bool showsRamp() const { return !m_ramp.isNull(); }

    static QImage renderRamp(const QSize& size, int tintFactor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_ramp;
    int m_tint = 0;
    QColor m_plain;
};
