#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

// A spreadsheet as LibreOffice read it, converted to flat OpenDocument: what
// each cell's type is, and whether it became a formula.
struct Cell {
    QString type; // office:value-type
    bool formula = false;
    QString text;
};

// The cells of each row of a flat OpenDocument spreadsheet, empty ones at
// the end of a row left out.
inline QList<QList<Cell>> rowsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<QList<Cell>> rows;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"table-row") {
            rows.append(QList<Cell>());
        } else if (xml.name() == u"table-cell" && !rows.isEmpty()) {
            const auto a = xml.attributes();
            Cell cell{a.value("office:value-type").toString(), a.hasAttribute("table:formula"), {}};
            // The file is indented: the blanks around a text are not the cell's.
            cell.text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            const int repeated = qMax(1, a.value("table:number-columns-repeated").toInt());
            for (int i = 0; i < repeated && (!cell.text.isEmpty() || !cell.type.isEmpty()); ++i)
                rows.last().append(cell);
        }
    }
    while (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}
