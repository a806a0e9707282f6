#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QSortFilterProxyModel>

class QComboBox;
class QLabel;
class QLineEdit;
class QLayout;
class QTableView;
class ResultsChart;
class ResultsModel;

// Which contests the table shows: a name (any part of it, in any case) and
// a period (today, this week from Monday, all), counted from "now".
class ResultsFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum Period { Today, ThisWeek, All };

    explicit ResultsFilter(const QDateTime& now, QObject* parent = nullptr);
    void setName(const QString& name);
    void setPeriod(Period period);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QDateTime m_now;
    QString m_name;
    Period m_period = All;
};

// The teacher's window on the class's results: a table of the contests, a
// filter by name and period, sorting by any column, a chart of one child's
// right answers, and the rows shown saved as CSV.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    // The log's path; "now" decides what today and this week are.
    explicit ResultsWindow(const QString& log, const QDateTime& now = QDateTime::currentDateTime(),
                           QWidget* parent = nullptr);

    ResultsModel* model() const { return m_model; }
    ResultsFilter* filter() const { return m_filter; }
    QTableView* table() const { return m_table; }
    ResultsChart* chart() const { return m_chart; }

    // The rows shown, in the order shown, as CSV with the log's header.
    bool exportTo(const QString& path) const;

signals:
    void loaded();

private:
    QLayout* buildFilterBar(QWidget* central);
    QTableView* buildTable(QWidget* central);
    QLabel* buildRecordLine(QWidget* central, const QString& folder);
    void addShortcuts();
    void askAndExport();
    void chooseName(const QString& name);
    void zoom(int steps);
    void updateCount();

    ResultsModel* m_model;
    ResultsFilter* m_filter;
    QTableView* m_table;
    ResultsChart* m_chart;
    QLineEdit* m_name;
    QComboBox* m_period;
    QLabel* m_count;
    int m_fontPixels = 16;
};
