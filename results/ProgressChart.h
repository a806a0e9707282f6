#pragma once

#include "Progress.h"

#include <QWidget>

// A child's contests over time: right answers a minute and accuracy, with a
// mark under each day played. The window and the printed page draw the same.
class ProgressChart : public QWidget {
    Q_OBJECT
public:
    struct Point {
        QDateTime when;
        double perMinute; // -1: no time played
        double accuracy;  // -1: nothing answered
    };

    explicit ProgressChart(QWidget* parent = nullptr);
    void show(const QList<Point>& points);
    const QList<Point>& points() const { return m_points; }

    // The points of a child's contests, oldest first.
    static QList<Point> pointsOf(const QList<progress::Row>& rows, const progress::Child& child);
    // Draws the chart in the rectangle, its texts of this pixel size.
    static void paint(QPainter& painter, const QRectF& rect, const QList<Point>& points,
                      int textPixels, const QColor& ink);
    // What the chart shows, in words, for a screen reader.
    static QString spoken(const QList<Point>& points);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<Point> m_points;
};
