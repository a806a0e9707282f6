#include "ResultsChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

ResultsChart::ResultsChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("grafico"));
    setMinimumHeight(140);
    setAccessibleName(tr("Grafico delle risposte esatte"));
}

void ResultsChart::show(const QString& name, QList<Point> points)
{
    std::sort(points.begin(), points.end(),
              [](const Point& a, const Point& b) { return a.when < b.when; });
    m_name = name;
    m_points = std::move(points);
    // A screen reader hears the numbers the line draws.
    QStringList values;
    for (const Point& p : std::as_const(m_points))
        values << QString::number(p.right);
    setAccessibleName(name.isEmpty() ? tr("Grafico delle risposte esatte")
                                     //: %1 is the child's name.
                                     : tr("Risposte esatte di %1").arg(name));
    setAccessibleDescription(values.join(QStringLiteral(", ")));
    update();
}

void ResultsChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = rect().adjusted(40, 24, -16, -24);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(8, 2, -8, 0), Qt::AlignTop | Qt::AlignLeft,
                     m_name.isEmpty() ? tr("Scegli una riga per vedere il grafico")
                                      //: %1 is the child's name.
                                      : tr("Risposte esatte di %1").arg(m_name));
    if (m_points.isEmpty())
        return;
    int most = 1;
    for (const Point& p : std::as_const(m_points))
        most = std::max(most, p.right);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    painter.drawText(QRect(0, area.top() - 8, 36, 16), Qt::AlignRight, QString::number(most));
    painter.drawText(QRect(0, area.bottom() - 8, 36, 16), Qt::AlignRight, QStringLiteral("0"));
    QPainterPath line;
    const int n = int(m_points.size());
    for (int i = 0; i < n; ++i) {
        const double x = area.left() + (n == 1 ? area.width() / 2.0 : i * area.width() / (n - 1.0));
        const double y = area.bottom() - m_points[i].right * double(area.height()) / most;
        if (i == 0)
            line.moveTo(x, y);
        else
            line.lineTo(x, y);
        painter.drawEllipse(QPointF(x, y), 3, 3);
    }
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    painter.drawPath(line);
}
