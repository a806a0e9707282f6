#include "Report.h"

#include "ChildPage.h"
#include "ChildrenModel.h"
#include "ProgressChart.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace report {

namespace {

// Pages laid out in points: the painter is scaled so that one unit is one
// point whatever the device's resolution, and texts are sized in points.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPageLayout::Orientation orientation) : m_device(device)
    {
        device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        if (!m_painter.begin(&device))
            return;
        const double scale = device.logicalDpiX() / 72.0;
        m_painter.scale(scale, scale);
        const QRectF paint = device.pageLayout().paintRect(QPageLayout::Point);
        m_area = QRectF(0, 0, paint.width(), paint.height());
    }
    bool ok() const { return m_painter.isActive(); }
    QPainter& painter() { return m_painter; }
    const QRectF& area() const { return m_area; }

    void text(const QRectF& box, const QString& text, int points, bool bold = false,
              int flags = Qt::AlignLeft | Qt::AlignVCenter)
    {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(points);
        font.setBold(bold);
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(box, flags, text);
    }
    void footer(int page, int pages)
    {
        //: A printed page's foot: %1 this page, %2 the pages.
        text(QRectF(0, m_area.bottom() - 12, m_area.width(), 12),
             QCoreApplication::translate("report", "Corvalesta — pagina %1 di %2")
                 .arg(page)
                 .arg(pages),
             8, false, Qt::AlignRight | Qt::AlignVCenter);
    }
    void next() { m_device.newPage(); }
    // The title, the line below it and the day printed; the height they take.
    double heading(const QString& title, const QString& below)
    {
        text(QRectF(0, 0, m_area.width(), 22), title, 16, true);
        text(QRectF(0, 24, m_area.width(), 28), below, 9, false,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        //: %1 is the day the report was printed, as the language writes it.
        text(QRectF(0, 0, m_area.width(), 22),
             QCoreApplication::translate("report", "Stampato il %1")
                 .arg(ResultsModel::shownWhen(QDateTime::currentDateTime())),
             9, false, Qt::AlignRight | Qt::AlignVCenter);
        return 56;
    }

private:
    QPagedPaintDevice& m_device;
    QPainter m_painter;
    QRectF m_area;
};

// The class table's columns and their widths in points, on a landscape page.
struct Column {
    int column;
    double width;
};

QList<Column> columns(double width, bool classList)
{
    QList<Column> out{{ChildrenModel::Name, 120},    {ChildrenModel::Account, 60},
                      {ChildrenModel::Contests, 38}, {ChildrenModel::Last, 78},
                      {ChildrenModel::Best, 50},     {ChildrenModel::PerMinute, 62},
                      {ChildrenModel::Accuracy, 58}, {ChildrenModel::Trend, 70}};
    if (classList)
        out << Column{ChildrenModel::Listed, 42};
    double used = 0;
    for (const Column& c : out)
        used += c.width;
    out << Column{ChildrenModel::Missed, width - used};
    return out;
}

// Three lines of the crossings missed.
constexpr double RowHeight = 28;
constexpr double HeaderHeight = 18;

} // namespace

QString describe(const progress::Selection& s)
{
    static const char* const periods[] = {QT_TRANSLATE_NOOP("ResultsWindow", "oggi"),
                                          QT_TRANSLATE_NOOP("ResultsWindow", "questa settimana"),
                                          QT_TRANSLATE_NOOP("ResultsWindow", "tutto")};
    static const char* const plays[] = {QT_TRANSLATE_NOOP("ResultsWindow", "tutto"),
                                        QT_TRANSLATE_NOOP("ResultsWindow", "gare"),
                                        QT_TRANSLATE_NOOP("ResultsWindow", "allenamenti")};
    const QString all = QCoreApplication::translate("ResultsWindow", "tutti");
    //: What the report's contests are: %1 the period, %2 the range, %3 the
    //: length in minutes, %4 the kind of play.
    QString text =
        QCoreApplication::translate("report", "Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.")
            .arg(QCoreApplication::translate("ResultsWindow", periods[s.period]),
                 s.upTo ? QString::number(s.upTo) : all,
                 s.minutes ? QString::number(s.minutes) : all,
                 QCoreApplication::translate("ResultsWindow", plays[s.play]));
    if (!s.name.isEmpty())
        //: %1 is the part of a name the contests are filtered by.
        text += u' ' + QCoreApplication::translate("report", "Nome: «%1».").arg(s.name);
    return text;
}

bool printClass(QPagedPaintDevice& device, const QList<progress::Child>& children,
                const progress::Selection& selection, bool classList)
{
    Pages pages(device, QPageLayout::Landscape);
    if (!pages.ok())
        return false;
    const QRectF area = pages.area();
    const QList<Column> cols = columns(area.width(), classList);
    const double top = 56 + HeaderHeight;
    const int perPage = std::max(1, int((area.height() - top - 16) / RowHeight));
    const int count = int((children.size() + perPage - 1) / perPage);
    const int total = std::max(1, count);
    QPainter& painter = pages.painter();
    for (int page = 0; page < total; ++page) {
        if (page > 0)
            pages.next();
        //: %n is the number of children in the report.
        pages.heading(
            QCoreApplication::translate("ResultsWindow", "Risultati della classe") +
                QStringLiteral(" — ") +
                QCoreApplication::translate("report", "%n bambini", nullptr, int(children.size())),
            describe(selection));
        double x = 0;
        for (const Column& c : cols) {
            pages.text(QRectF(x + 2, 56, c.width - 4, HeaderHeight), ChildrenModel::title(c.column),
                       8, true, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
            x += c.width;
        }
        painter.setPen(QPen(Qt::black, 0.8));
        painter.drawLine(QPointF(0, top), QPointF(area.width(), top));
        if (children.isEmpty())
            pages.text(QRectF(0, top + 4, area.width(), RowHeight),
                       QCoreApplication::translate("report", "Nessuna gara per questa scelta."),
                       10);
        for (int i = page * perPage; i < std::min<int>(int(children.size()), (page + 1) * perPage);
             ++i) {
            const progress::Child& child = children[i];
            const double y = top + (i - page * perPage) * RowHeight;
            ChildrenModel model;
            model.setChildren({child}, classList);
            x = 0;
            for (const Column& c : cols) {
                const QRectF cell(x + 2, y, c.width - 4, RowHeight);
                if (c.column == ChildrenModel::Trend)
                    TrendDelegate::drawTrend(painter, cell.adjusted(2, 5, -2, -5), child.trend,
                                             Qt::black);
                else
                    pages.text(cell, model.index(0, c.column).data().toString(),
                               c.column == ChildrenModel::Missed ? 8 : 9,
                               c.column == ChildrenModel::Name,
                               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
                x += c.width;
            }
            painter.setPen(QPen(Qt::gray, 0.3));
            painter.drawLine(QPointF(0, y + RowHeight), QPointF(area.width(), y + RowHeight));
        }
        pages.footer(page + 1, total);
    }
    return true;
}

bool printChild(QPagedPaintDevice& device, const QList<progress::Row>& rows,
                const progress::Child& child)
{
    Pages pages(device, QPageLayout::Portrait);
    if (!pages.ok())
        return false;
    const QRectF area = pages.area();
    const QStringList wrong = ChildPage::wrongAnswers(rows, child);
    const QStringList missed = progress::missedMost(child);
    constexpr double Line = 13;
    // The first page holds the figures and the chart, then the wrong answers
    // in two columns; the pages after, the rest of them.
    const double chartTop = 60, chartHeight = 240, listTop = chartTop + chartHeight + 44;
    const int firstPage = std::max(0, 2 * int((area.height() - listTop - 16) / Line));
    const int perPage = 2 * int((area.height() - 56 - 16) / Line);
    const int rest = std::max<int>(0, int(wrong.size()) - firstPage);
    const int total = 1 + (rest + perPage - 1) / perPage;
    const QString name = child.account.isEmpty()
                             ? child.name
                             : QCoreApplication::translate("ChildPage", "%1 (utente %2)")
                                   .arg(child.name, child.account);
    pages.heading(name, ChildPage::summary(child));
    ProgressChart::paint(pages.painter(), QRectF(0, chartTop, area.width(), chartHeight),
                         ProgressChart::pointsOf(rows, child), 9, Qt::black);
    pages.text(QRectF(0, chartTop + chartHeight + 4, area.width(), 24),
               missed.isEmpty()
                   ? QCoreApplication::translate("ChildPage", "Nessun passaggio sbagliato.")
                   : QCoreApplication::translate("ChildPage", "Passaggi sbagliati: %1.")
                         .arg(missed.join(QStringLiteral("; "))),
               10, false, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    pages.text(QRectF(0, listTop - 16, area.width(), 14),
               QCoreApplication::translate("ChildPage", "&Risposte sbagliate:").remove(u'&'), 10,
               true);
    if (wrong.isEmpty())
        pages.text(
            QRectF(0, listTop, area.width(), Line),
            QCoreApplication::translate("ChildPage", "Nessuna risposta sbagliata registrata."), 9);
    const auto column = [&](int from, int to, double y0) {
        const int half = (to - from + 1) / 2;
        for (int i = from; i < to; ++i) {
            const int k = i - from;
            const double x = k < half ? 0 : area.width() / 2;
            pages.text(QRectF(x, y0 + (k < half ? k : k - half) * Line, area.width() / 2, Line),
                       wrong[i], 9);
        }
    };
    column(0, std::min<int>(firstPage, int(wrong.size())), listTop);
    pages.footer(1, total);
    for (int page = 1; page < total; ++page) {
        pages.next();
        pages.heading(name, ChildPage::summary(child));
        const int from = firstPage + (page - 1) * perPage;
        column(from, std::min<int>(from + perPage, int(wrong.size())), 56);
        pages.footer(page + 1, total);
    }
    return true;
}

QString printLog(const QString& log, const progress::Selection& selection, const QString& pdf)
{
    QString error;
    const QByteArray bytes = ResultsModel::readLog(log, error);
    if (!error.isEmpty())
        return error;
    const QStringList classList = progress::classListBeside(log);
    QList<progress::Child> children =
        progress::children(ResultsModel::parse(bytes), selection, classList);
    // As the window's table first shows them.
    std::stable_sort(children.begin(), children.end(),
                     [](const progress::Child& a, const progress::Child& b) {
                         return a.name.toLower() < b.name.toLower();
                     });
    QPdfWriter writer(pdf);
    if (!printClass(writer, children, selection, !classList.isEmpty()))
        //: %1 is the file's path.
        return QCoreApplication::translate("report", "Non riesco a salvare il PDF in\n%1")
            .arg(QDir::toNativeSeparators(pdf));
    return {};
}

void ask(QWidget* parent, bool pdf, const QString& suggested,
         const std::function<bool(QPagedPaintDevice&)>& print)
{
    if (pdf) {
        const QString path = QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("report", "Salva in PDF"), suggested,
            QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty())
            return;
        QPdfWriter writer(path);
        if (!print(writer))
            QMessageBox::warning(
                parent, QCoreApplication::translate("report", "Salva in PDF"),
                //: %1 is the file's path.
                QCoreApplication::translate("report", "Non riesco a salvare il PDF in\n%1")
                    .arg(QDir::toNativeSeparators(path)));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}

} // namespace report
