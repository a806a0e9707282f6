#include "Workbook.h"

#include "ChildrenModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cstdio>

namespace workbook {

namespace {

// One sheet, written a row at a time; text always as text, never a formula.
class Sheet {
public:
    Sheet(lxw_workbook* book, const QString& name)
        : m_sheet(workbook_add_worksheet(book, name.toUtf8().constData()))
    {
    }
    bool ok() const { return m_sheet != nullptr; }
    void text(int column, const QString& value)
    {
        if (!value.isEmpty())
            check(worksheet_write_string(m_sheet, m_row, lxw_col_t(column),
                                         value.toUtf8().constData(), nullptr));
    }
    void number(int column, double value, lxw_format* format = nullptr)
    {
        check(worksheet_write_number(m_sheet, m_row, lxw_col_t(column), value, format));
    }
    void nextRow() { ++m_row; }
    bool failed() const { return m_failed; }

private:
    void check(lxw_error error) { m_failed = m_failed || error != LXW_NO_ERROR; }
    lxw_worksheet* m_sheet;
    lxw_row_t m_row = 0;
    bool m_failed = false;
};

void contestsSheet(Sheet& sheet, const QList<progress::Row>& rows)
{
    const QStringList names = ResultsModel::headerNames();
    for (int c = 0; c < names.size(); ++c)
        sheet.text(c, names[c]);
    const QString yes = QCoreApplication::translate("ResultsModel", "sì"),
                  no = QCoreApplication::translate("ResultsModel", "no"),
                  contest = QCoreApplication::translate("ResultsModel", "gara"),
                  practice = QCoreApplication::translate("ResultsModel", "allenamento");
    for (const progress::Row& r : rows) {
        sheet.nextRow();
        sheet.text(0, r.when.toString(Qt::ISODate));
        sheet.text(1, r.name);
        sheet.number(2, r.right);
        sheet.number(3, r.wrong);
        sheet.number(4, r.total);
        sheet.number(5, r.seconds);
        sheet.text(6, r.record ? yes : no);
        sheet.text(7, r.account);
        sheet.text(8, r.verified ? yes : no);
        sheet.number(9, r.upTo);
        sheet.number(10, r.minutes);
        sheet.text(11, r.practice ? practice : contest);
        sheet.text(12, QString::fromStdString(records::results::missesText(r.misses)));
        if (r.crossed) {
            for (int c = 0; c < progress::Crossings; ++c) {
                sheet.number(13 + 2 * c, r.crossed->shown[c]);
                sheet.number(14 + 2 * c, r.crossed->wrong[c]);
            }
        }
    }
}

void childrenSheet(Sheet& sheet, lxw_workbook* book, const QList<progress::Child>& children,
                   bool classList)
{
    lxw_format* tenths = workbook_add_format(book);
    format_set_num_format(tenths, "0.0");
    lxw_format* percent = workbook_add_format(book);
    format_set_num_format(percent, "0%");
    const int columns = classList ? ChildrenModel::Columns : ChildrenModel::Listed;
    for (int c = 0; c < columns; ++c)
        sheet.text(c, ChildrenModel::title(c));
    ChildrenModel model;
    model.setChildren(children, classList);
    for (int i = 0; i < model.rowCount(); ++i) {
        const progress::Child& child = children[i];
        sheet.nextRow();
        for (int c = 0; c < columns; ++c) {
            switch (c) {
            case ChildrenModel::Contests:
                sheet.number(c, child.contests);
                break;
            case ChildrenModel::Best:
                if (child.best >= 0)
                    sheet.number(c, child.best);
                break;
            case ChildrenModel::PerMinute:
                // As the table rounds it, so that both say the same.
                if (child.perMinute >= 0)
                    sheet.number(c, qRound(child.perMinute * 10) / 10.0, tenths);
                break;
            case ChildrenModel::Accuracy:
                if (child.accuracy >= 0)
                    sheet.number(c, qRound(child.accuracy * 100) / 100.0, percent);
                break;
            default:
                sheet.text(c, model.index(i, c).data().toString());
            }
        }
    }
}

} // namespace

bool write(const QString& path, const QList<progress::Row>& contests,
           const QList<progress::Child>& children, bool classList)
{
    // A scratch file beside the workbook, so that the rename is whole.
    QTemporaryFile scratch(QFileInfo(path).absolutePath() +
                           QStringLiteral("/.esporta-XXXXXX.xlsx"));
    if (!scratch.open())
        return false;
    scratch.close();
    lxw_workbook* book = workbook_new(QFile::encodeName(scratch.fileName()).constData());
    if (!book)
        return false;
    // The sheets are named as the window's tabs.
    Sheet games(book, QCoreApplication::translate("ResultsWindow", "&Gare").remove(u'&'));
    Sheet kids(book, QCoreApplication::translate("ResultsWindow", "&Bambini").remove(u'&'));
    bool ok = games.ok() && kids.ok();
    if (ok) {
        contestsSheet(games, contests);
        childrenSheet(kids, book, children, classList);
        ok = !games.failed() && !kids.failed();
    }
    if (workbook_close(book) != LXW_NO_ERROR || !ok)
        return false;
    // Readable as the CSV export is; the rename replaces an older export whole.
    QFile::setPermissions(scratch.fileName(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(scratch.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return false;
    scratch.setAutoRemove(false);
    return true;
}

} // namespace workbook
