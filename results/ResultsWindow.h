#pragma once

#include "Progress.h"

#include <QDateTime>
#include <QMainWindow>
#include <QSortFilterProxyModel>

class ChildrenModel;
class QComboBox;
class QPagedPaintDevice;
class QTabWidget;
class QLabel;
class QLineEdit;
class QLayout;
class QTableView;
class ResultsChart;
class ResultsModel;

// Which contests the table shows: a name (any part of it, in any case), a
// period (today, this week from Monday, all) counted from "now", a range, a
// length and a kind of play.
class ResultsFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum Period { Today, ThisWeek, All };

    explicit ResultsFilter(const QDateTime& now, QObject* parent = nullptr);
    void setName(const QString& name);
    void setPeriod(Period period);
    void setSelection(const progress::Selection& selection);
    const progress::Selection& selection() const { return m_selection; }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
    // The rows' own fields, not their texts: a full log sorts in a blink.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    progress::Selection m_selection;
};

// The teacher's window on the class's results: a table of the contests and
// one of the children, a filter by name, period, range, length and play,
// sorting by any column, a chart of one child's right answers, a child's own
// page, the rows shown saved as CSV or as a workbook, and the children's
// table printed.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    // The log's path; "now" decides what today and this week are.
    // With a school's folder, every computer's results beside the log's.
    explicit ResultsWindow(const QString& log, const QDateTime& now = QDateTime::currentDateTime(),
                           QWidget* parent = nullptr, const QString& school = QString());

    ResultsModel* model() const { return m_model; }
    ResultsFilter* filter() const { return m_filter; }
    QTableView* table() const { return m_table; }
    ResultsChart* chart() const { return m_chart; }
    ChildrenModel* children() const { return m_children; }
    QTableView* childrenTable() const { return m_childrenTable; }
    QTabWidget* tabs() const { return m_tabs; }

    // The rows shown, in the order shown, as CSV with the log's header, or
    // as a workbook (a path ending in .xlsx) with the children's table too.
    bool exportTo(const QString& path) const;
    // The children shown, as a report on A4, in the order shown.
    bool printTo(QPagedPaintDevice& device) const;
    // Joins the second child's row to the first's, for this view only.
    void merge(int first, int second);
    // Opens a child's page; returns it, for tests.
    QWidget* openChild(int row);

signals:
    void loaded();

private:
    QLayout* buildFilterBar(QWidget* central);
    QLayout* buildPlayBar(QWidget* central);
    QTableView* buildTable(QWidget* central);
    QWidget* buildChildrenTab(QWidget* parent);
    QLabel* buildRecordLine(QWidget* central, const QString& folder);
    void addShortcuts();
    void askAndExport();
    void askAndPrint(bool pdf);
    QList<progress::Child> childrenShown() const;
    QList<ResultsModel::Row> rowsShown() const;
    void summarise();
    void select();
    void chooseName(const QString& name);
    void zoom(int steps);
    void updateCount();

    ResultsModel* m_model;
    ResultsFilter* m_filter;
    QTableView* m_table;
    ResultsChart* m_chart;
    QLineEdit* m_name;
    QComboBox* m_period;
    QComboBox* m_upTo;
    QComboBox* m_minutes;
    QComboBox* m_play;
    QLabel* m_count;
    QTabWidget* m_tabs;
    ChildrenModel* m_children;
    QSortFilterProxyModel* m_childrenSorted;
    QTableView* m_childrenTable;
    QStringList m_classList;
    QHash<progress::Key, progress::Key> m_merges;
    int m_fontPixels = 16;
};
