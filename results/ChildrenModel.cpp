#include "ChildrenModel.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The contests' own titles where they say the same.
const char* const Titles[ChildrenModel::Columns] = {
    QT_TRANSLATE_NOOP("ResultsModel", "Nome"), QT_TRANSLATE_NOOP("ResultsModel", "Utente"),
    QT_TRANSLATE_NOOP("ChildrenModel", "Gare"),
    //: Column: when the child last played.
    QT_TRANSLATE_NOOP("ChildrenModel", "Ultima"),
    //: Column: the most right answers of one contest.
    QT_TRANSLATE_NOOP("ChildrenModel", "Migliore"),
    //: Column: right answers a minute, the median of the last ten contests.
    QT_TRANSLATE_NOOP("ChildrenModel", "Esatte al minuto"),
    //: Column: the share of right answers of the last ten contests.
    QT_TRANSLATE_NOOP("ChildrenModel", "Precisione"),
    //: Column: right answers a minute over the last ten contests, drawn as a line.
    QT_TRANSLATE_NOOP("ChildrenModel", "Andamento"),
    //: Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.
    QT_TRANSLATE_NOOP("ChildrenModel", "Passaggi sbagliati"),
    //: Column: whether the name is on the teachers' class list (sì/no).
    QT_TRANSLATE_NOOP("ChildrenModel", "In elenco")};

} // namespace

ChildrenModel::ChildrenModel(QObject* parent) : QAbstractTableModel(parent) {}

void ChildrenModel::setChildren(QList<progress::Child> children, bool classList)
{
    beginResetModel();
    m_children = std::move(children);
    m_classList = classList;
    endResetModel();
}

QString ChildrenModel::perMinuteText(double value)
{
    if (value < 0)
        return QStringLiteral("–");
    // Western digits, as everywhere in the game, with the language's comma.
    QString text = QString::number(value, 'f', 1);
    return QLocale().decimalPoint() == u',' ? text.replace(u'.', u',') : text;
}

QString ChildrenModel::accuracyText(double value)
{
    return value < 0 ? QStringLiteral("–")
                     //: A share of right answers: %1 is a whole number from 0 to 100.
                     : tr("%1%").arg(qRound(value * 100));
}

QString ChildrenModel::trendText(const QList<double>& trend)
{
    QStringList points;
    for (const double p : trend)
        points << perMinuteText(p);
    return points.join(QStringLiteral("; "));
}

QString ChildrenModel::title(int column)
{
    return QCoreApplication::translate(column <= Account ? "ResultsModel" : "ChildrenModel",
                                       Titles[column]);
}

int ChildrenModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_children.size());
}

int ChildrenModel::columnCount(const QModelIndex& parent) const
{
    // The list column only when the teachers keep a list.
    return parent.isValid() ? 0 : m_classList ? Columns : Listed;
}

QVariant ChildrenModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const progress::Child& c = m_children[index.row()];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Name || index.column() == Missed
                   ? int(Qt::AlignLeft | Qt::AlignVCenter)
                   : int(Qt::AlignCenter);
    if (role == TrendRole && index.column() == Trend)
        return QVariant::fromValue(c.trend);
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    const bool sorting = role == SortRole;
    switch (index.column()) {
    case Name:
        return sorting ? QVariant(c.name.toLower()) : QVariant(c.name);
    case Account:
        return c.account;
    case Contests:
        return c.contests;
    case Last:
        return sorting ? QVariant(c.last) : QVariant(ResultsModel::shownWhen(c.last));
    case Best:
        return sorting || c.best >= 0 ? QVariant(c.best) : QVariant(QStringLiteral("–"));
    case PerMinute:
        return sorting ? QVariant(c.perMinute) : QVariant(perMinuteText(c.perMinute));
    case Accuracy:
        return sorting ? QVariant(c.accuracy) : QVariant(accuracyText(c.accuracy));
    case Trend:
        // Sorted by the last contest's pace.
        return sorting ? QVariant(c.trend.isEmpty() ? -1.0 : c.trend.last())
                       : QVariant(trendText(c.trend));
    case Missed:
        return sorting ? QVariant(progress::worstMiss(c))
                       : QVariant(progress::missedMost(c).join(QStringLiteral("; ")));
    case Listed:
        return QCoreApplication::translate("ResultsModel", c.listed ? "sì" : "no");
    }
    return {};
}

QVariant ChildrenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < Columns)
        return title(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TrendDelegate::drawTrend(QPainter& painter, const QRectF& rect, const QList<double>& points,
                              const QColor& color)
{
    if (points.isEmpty())
        return;
    const double highest = std::max(1.0, *std::max_element(points.begin(), points.end()));
    const double step = points.size() > 1 ? rect.width() / double(points.size() - 1) : 0;
    QPainterPath line;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF at(rect.left() + step * double(i) +
                             (points.size() == 1 ? rect.width() / 2 : 0),
                         rect.bottom() - rect.height() * points[i] / highest);
        i == 0 ? line.moveTo(at) : line.lineTo(at);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.5));
    painter.drawPath(line);
    // The last contest stands out: where the child is now.
    painter.setBrush(color);
    painter.drawEllipse(line.currentPosition(), 2.5, 2.5);
    painter.restore();
}

void TrendDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    QStyledItemDelegate::paint(painter, plain, QModelIndex());
    const bool selected = option.state & QStyle::State_Selected;
    drawTrend(*painter, QRectF(option.rect).adjusted(6, 4, -6, -4),
              index.data(ChildrenModel::TrendRole).value<QList<double>>(),
              option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
}
