#include "ProgressChart.h"

#include "ChildrenModel.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

// The two lines' colours: dark enough on white paper and on the window.
const QColor PaceColour(0x1f, 0x4e, 0xa8);
const QColor AccuracyColour(0x1b, 0x7a, 0x3a);

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graficoBambino"));
    setAccessibleName(tr("Andamento delle gare"));
    setMinimumHeight(220);
}

void ProgressChart::show(const QList<Point>& points)
{
    m_points = points;
    setAccessibleDescription(spoken(points));
    update();
}

QList<ProgressChart::Point> ProgressChart::pointsOf(const QList<progress::Row>& rows,
                                                    const progress::Child& child)
{
    QList<Point> points;
    for (const int i : child.rows) {
        const progress::Row& r = rows[i];
        const int answered = r.right + r.wrong;
        points << Point{r.when, progress::perMinute(r),
                        answered > 0 ? double(r.right) / answered : -1};
    }
    return points;
}

QString ProgressChart::spoken(const QList<Point>& points)
{
    // The last ten, as the table's figures count them.
    QStringList said;
    for (qsizetype i = std::max<qsizetype>(0, points.size() - 10); i < points.size(); ++i)
        //: One contest of a child's chart: %1 its date, %2 right answers a
        //: minute, %3 the share of right answers.
        said << tr("%1: %2 al minuto, %3")
                    .arg(ResultsModel::shownDay(points[i].when.toLocalTime().date()),
                         ChildrenModel::perMinuteText(points[i].perMinute),
                         ChildrenModel::accuracyText(points[i].accuracy));
    return said.join(QStringLiteral("; "));
}

void ProgressChart::paint(QPainter& painter, const QRectF& rect, const QList<Point>& points,
                          int textPixels, const QColor& ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(textPixels);
    painter.setFont(font);
    const double line = textPixels * 1.4;
    // Room for the scales left and right, the dates and the key below.
    const QRectF plot = rect.adjusted(textPixels * 3, line, -textPixels * 3, -line * 3);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(plot);
    double highest = 1;
    for (const Point& p : points)
        highest = std::max(highest, p.perMinute);
    highest = std::ceil(highest / 5) * 5;
    painter.drawText(QRectF(rect.left(), plot.top() - line / 2, textPixels * 2.6, line),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(highest, 'f', 0));
    painter.drawText(QRectF(rect.left(), plot.bottom() - line / 2, textPixels * 2.6, line),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    painter.drawText(
        QRectF(plot.right() + textPixels * 0.4, plot.top() - line / 2, textPixels * 2.6, line),
        Qt::AlignLeft | Qt::AlignVCenter, ChildrenModel::accuracyText(1));
    if (!points.isEmpty()) {
        // Time runs left to right, by day: a day of many contests spreads them
        // over its own width.
        const QDate first = points.first().when.toLocalTime().date();
        const QDate last = points.last().when.toLocalTime().date();
        const double days = double(first.daysTo(last)) + 1;
        const auto xOf = [&](const QDateTime& when) {
            const QDateTime local = when.toLocalTime();
            const double day = double(first.daysTo(local.date())) +
                               local.time().msecsSinceStartOfDay() / 86400000.0;
            return plot.left() + plot.width() * day / days;
        };
        QSet<QDate> marked;
        for (const Point& p : points) {
            const QDate day = p.when.toLocalTime().date();
            if (marked.contains(day))
                continue;
            marked.insert(day);
            const double x = plot.left() + plot.width() * (double(first.daysTo(day)) + 0.5) / days;
            painter.drawLine(QPointF(x, plot.bottom()),
                             QPointF(x, plot.bottom() + textPixels * 0.5));
        }
        painter.drawText(QRectF(plot.left(), plot.bottom() + textPixels * 0.5, plot.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, ResultsModel::shownDay(first));
        if (last != first)
            painter.drawText(
                QRectF(plot.left(), plot.bottom() + textPixels * 0.5, plot.width(), line),
                Qt::AlignRight | Qt::AlignVCenter, ResultsModel::shownDay(last));
        const auto drawLine = [&](auto value, double top, const QColor& colour,
                                  Qt::PenStyle style) {
            QPainterPath path;
            bool started = false;
            for (const Point& p : points) {
                const double v = value(p);
                if (v < 0)
                    continue;
                const QPointF at(xOf(p.when), plot.bottom() - plot.height() * v / top);
                started ? path.lineTo(at) : path.moveTo(at);
                started = true;
                painter.setBrush(colour);
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(at, textPixels * 0.2, textPixels * 0.2);
            }
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(colour, std::max(1.0, textPixels / 8.0), style));
            painter.drawPath(path);
        };
        drawLine([](const Point& p) { return p.perMinute; }, highest, PaceColour, Qt::SolidLine);
        drawLine([](const Point& p) { return p.accuracy; }, 1.0, AccuracyColour, Qt::DashLine);
    }
    // The key, in the lines' own colours.
    const double keyY = plot.bottom() + line * 2;
    const QString pace = ChildrenModel::title(ChildrenModel::PerMinute);
    const QString accuracy = ChildrenModel::title(ChildrenModel::Accuracy);
    painter.setPen(QPen(PaceColour, 2));
    painter.drawLine(QPointF(plot.left(), keyY), QPointF(plot.left() + textPixels * 2, keyY));
    painter.drawText(QPointF(plot.left() + textPixels * 2.5, keyY + textPixels * 0.35), pace);
    const double second =
        plot.left() + textPixels * 4 + painter.fontMetrics().horizontalAdvance(pace);
    painter.setPen(QPen(AccuracyColour, 2, Qt::DashLine));
    painter.drawLine(QPointF(second, keyY), QPointF(second + textPixels * 2, keyY));
    painter.drawText(QPointF(second + textPixels * 2.5, keyY + textPixels * 0.35), accuracy);
    painter.restore();
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, rect(), m_points, font().pixelSize() > 0 ? font().pixelSize() : 14,
          palette().color(QPalette::WindowText));
}
