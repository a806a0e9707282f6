#pragma once

#include <QDateTime>
#include <QList>
#include <QWidget>

// One child's right answers, contest after contest, as a line over time.
class ResultsChart : public QWidget {
    Q_OBJECT
public:
    struct Point {
        QDateTime when;
        int right;
    };

    explicit ResultsChart(QWidget* parent = nullptr);
    void show(const QString& name, QList<Point> points);
    const QList<Point>& points() const { return m_points; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_name;
    QList<Point> m_points;
};
