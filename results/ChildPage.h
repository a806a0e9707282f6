#pragma once

#include "Progress.h"

#include <QDialog>

class QListWidget;
class QPagedPaintDevice;
class ProgressChart;

// One child's page: their figures, their contests over time as a chart, the
// crossings they miss and their wrong answers as sums, to print or save.
class ChildPage : public QDialog {
    Q_OBJECT
public:
    ChildPage(const QList<progress::Row>& rows, const progress::Child& child,
              QWidget* parent = nullptr);

    ProgressChart* chart() const { return m_chart; }
    QListWidget* wrongAnswers() const { return m_wrong; }
    bool printTo(QPagedPaintDevice& device) const;

    // The child's figures in one line, as the page and the report write them.
    static QString summary(const progress::Child& child);
    // The child's wrong answers, newest first: "09/12/2026 10:00  199 + 1 = 190".
    static QStringList wrongAnswers(const QList<progress::Row>& rows, const progress::Child& child);

private:
    void askAndPrint(bool pdf);

    QList<progress::Row> m_rows; // only the child's own
    progress::Child m_child;
    ProgressChart* m_chart;
    QListWidget* m_wrong;
};
