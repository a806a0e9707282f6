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
    // A screen reader hears the numbers the line ends with: a child of a
    // year's contests has thousands.
    QStringList values;
    for (qsizetype i = std::max<qsizetype>(0, m_points.size() - 10); i < m_points.size(); ++i)
        values << QString::number(m_points[i].right);
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
    // More points than pixels: one a pixel column, the mean of its own, and
    // no dots, which would only blot the line.
    const bool dense = n > area.width() / 4;
    QList<QPointF> drawn;
    for (int i = 0; i < n; ++i) {
        const double x = area.left() + (n == 1 ? area.width() / 2.0 : i * area.width() / (n - 1.0));
        const double y = area.bottom() - m_points[i].right * double(area.height()) / most;
        if (!dense) {
            drawn << QPointF(x, y);
            continue;
        }
        int j = i, count = 0;
        double sum = 0;
        for (; j < n && int(area.left() + j * area.width() / (n - 1.0)) == int(x); ++j, ++count)
            sum += area.bottom() - m_points[j].right * double(area.height()) / most;
        drawn << QPointF(int(x), sum / count);
        i = j - 1;
    }
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        i == 0 ? line.moveTo(drawn[i]) : line.lineTo(drawn[i]);
        if (!dense)
            painter.drawEllipse(drawn[i], 3, 3);
    }
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    painter.drawPath(line);
}
