#pragma once

#include "Progress.h"

#include <functional>

class QPagedPaintDevice;
class QWidget;

// The reports a teacher takes to a meeting, on A4 in the language
// installed: the class's children as the table shows them, and one child's
// page, with the same figures and charts as the window.
namespace report {

// The children in the order given, with what selected their contests, on
// landscape pages. False when the device cannot be painted on.
bool printClass(QPagedPaintDevice& device, const QList<progress::Child>& children,
                const progress::Selection& selection, bool classList);
// One child's figures, chart, crossings and wrong answers, on upright pages.
bool printChild(QPagedPaintDevice& device, const QList<progress::Row>& rows,
                const progress::Child& child);

// The class's report of a log, as the window would print it sorted by name,
// written to a PDF without a window. Empty when written, else why not.
QString printLog(const QString& log, const progress::Selection& selection, const QString& pdf);

// What a selection takes, in words: "Periodo: tutto. Fino a: 20. …".
QString describe(const progress::Selection& selection);

// Asks where to print, or (pdf) which file to write, then prints; a file that
// cannot be written is told.
void ask(QWidget* parent, bool pdf, const QString& suggested,
         const std::function<bool(QPagedPaintDevice&)>& print);

} // namespace report
