#pragma once

#include "Progress.h"

// The export a spreadsheet cannot misread: an .xlsx workbook whose names
// are text cells and counts number cells, whatever the importer's settings.
namespace workbook {

// Two sheets: the contests as the CSV has them, and the children as the
// table shows them. Written under a scratch name beside the path and renamed
// into place; false when it could not be.
bool write(const QString& path, const QList<progress::Row>& contests,
           const QList<progress::Child>& children, bool classList);

} // namespace workbook
