#pragma once

#include "core/course/courserows.h"
#include "core/course/pageindex.h"
#include "core/print/printersheets.h"
#include "core/render/renderhost.h"
#include "core/render/renderstate.h"

#include <QString>
#include <cstdint>

namespace vorlane {

// The line printed at the foot of every printed page: the course, its school
// level, the publisher and the year of publication.
inline QString PrintFooterTitle()
{
    return QStringLiteral("Vorlane - Physique et Chimie Terminale S - Dorvance 2026");
}

// What the window says when the current page's run is empty.
inline QString NothingToPrintText()
{
    return QString::fromUtf8("Il n'y a rien à imprimer depuis cette page.");
}

// The run of pages printed from the current row.
struct PrintRange {
    // Page numbers (Numeropage) of the first and last pages, as 32-bit integers
    // read from the row's `debutimp` and `finimp`. Empty when first > last.
    std::int32_t first = 0;
    std::int32_t last = 0;
    // The current row is a landscape page (its own `debutimp` reads -1): the
    // run is that row alone, printed from where it is.
    bool currentRowOnly = false;

    bool empty() const { return first > last; }
    // Sheets in the run (0 when empty).
    std::int64_t pageCount() const { return empty() ? 0 : std::int64_t(last) - first + 1; }

    // The run of the current row of `rows`. A landscape page (debutimp -1) is
    // its own run: first = last = its Numeropage.
    static PrintRange of(const CourseRows &rows);
};

// How a print run ended.
struct PrintOutcome {
    int sheets = 0;              // sheets printed
    bool nothingToPrint = false; // first > last: no document was begun
    bool refused = false;        // the device refused a sheet or could not finish the document
};

// Prints the current page's run, as the print button does: every page from the
// current row's `debutimp` to its `finimp`, reached through the page index
// (a number without a slot prints the row that is current at that point, as a
// failed move leaves it), each body laid out by the page renderer in print
// mode on its own sheet of one document, with the footer line under it.
//
// Per page: the data control moves to the page's row; the sheet is landscape
// when that row's own `debutimp` reads -1 (column 730 screen pixels wide),
// portrait otherwise (600); the scale left is set so that x = 0 is the left edge
// of that column centred on the sheet; pageHeight is set to 0 and the body is
// drawn with PrintMode set; then the footer, in Arial 8, not bold, not italic,
// black, centred two text heights above the bottom of the printable area:
// PrintFooterTitle, followed by " - page" and the page counter's number text
// (" 1", " 2"...) when the run has more than one page. The window shows the
// busy pointer from the start of each page to its end.
//
// Afterwards the data control is back on the row it was on; the window is not
// redrawn. When first > last nothing is printed and no document is begun. A
// run never has more sheets than the page index has slots (a range that
// reaches far beyond the course would only print the same row again).
class CoursePrinter {
public:
    // rows: the main window's data control; window: the host of the window that
    // prints (pictures, twips per pixel, busy pointer).
    CoursePrinter(CourseRows &rows, const PageIndex &index, RenderState &render, RenderHost &window)
        : m_rows(rows), m_index(index), m_render(render), m_window(window)
    {
    }

    PrintOutcome PrintCoursePages(PrinterSheets &sheets);

    // The same run into a PDF file at `path` (A4, margins of 10 mm, text kept as
    // text, pictures at their own resolution). The file is written only when
    // the run printed a sheet and the document could be finished; an existing
    // file is then replaced whole. Otherwise the file is left as it was and
    // `error` (when given) says why in French; nothingToPrint says when there
    // was nothing to print.
    PrintOutcome PrintToPdf(const QString &path, QString *error = nullptr);

private:
    CourseRows &m_rows;
    const PageIndex &m_index;
    RenderState &m_render;
    RenderHost &m_window;
};

} // namespace vorlane
