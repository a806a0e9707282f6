#pragma once

#include "Progress.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

// One row a child, from the contests the selection takes.
class ChildrenModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Name,
        Account,
        Contests,
        Last,
        Best,
        PerMinute,
        Accuracy,
        Trend,
        Missed,
        Listed,
        Columns
    };
    // What sorts a column, and the trend's points for its drawing.
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int TrendRole = Qt::UserRole + 1;

    explicit ChildrenModel(QObject* parent = nullptr);

    void setChildren(QList<progress::Child> children, bool classList);
    const QList<progress::Child>& children() const { return m_children; }
    const progress::Child& child(int row) const { return m_children[row]; }

    // A figure as the table, the report and the export write it, in the
    // language installed; "–" for none.
    static QString perMinuteText(double value);
    static QString accuracyText(double value);
    static QString trendText(const QList<double>& trend);
    static QString title(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<progress::Child> m_children;
    bool m_classList = false;
};

// Draws a row's trend as a small line: its text stays for screen readers.
class TrendDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The line of the points in the rectangle, scaled to their own highest;
    // the printed report draws it too.
    static void drawTrend(QPainter& painter, const QRectF& rect, const QList<double>& points,
                          const QColor& color);
};
