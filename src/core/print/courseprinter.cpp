#include "core/print/courseprinter.h"

#include "core/course/pagerecord.h"
#include "core/print/pageddevicesheets.h"
#include "core/print/printhost.h"
#include "core/render/pagerenderer.h"
#include "core/surface/paintersurface.h"
#include "core/text/decimal.h"
#include "core/text/int16.h"
#include "core/text/numbertext.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace vorlane {

namespace {

// A field read as the 32-bit integer the run works with; a value that does not
// fit reads as 0.
std::int32_t wholeField(const CourseRows &rows, const QString &field)
{
    std::int32_t value = 0;
    AssignInt32(value, DecimalRead(rows.field(field)));
    return value;
}

bool isLandscapePage(const CourseRows &rows)
{
    return wholeField(rows, CoursField::debutimp()) == -1;
}

void printFooter(PainterSurface &sheet, const QString &text)
{
    sheet.setFontName(QStringLiteral("Arial"));
    sheet.setFontSize(8);
    sheet.setBold(false);
    sheet.setItalic(false);
    sheet.setUnderline(false);
    sheet.setForeColor(Qt::black);
    sheet.setCurrentX(sheet.scaleLeft() + (sheet.scaleWidth() - sheet.textWidth(text)) / 2);
    sheet.setCurrentY(sheet.scaleHeight() - 2 * sheet.textHeight(text));
    sheet.print(text);
}

} // namespace

PrintRange PrintRange::of(const CourseRows &rows)
{
    PrintRange range;
    if (isLandscapePage(rows)) {
        // Read as a page number, -1 would start the run at page 0: the landscape
        // page is printed alone.
        range.currentRowOnly = true;
        range.first = range.last = wholeField(rows, CoursField::numeropage());
        return range;
    }
    range.first = wholeField(rows, CoursField::debutimp());
    range.last = wholeField(rows, CoursField::finimp());
    return range;
}

PrintOutcome CoursePrinter::PrintCoursePages(PrinterSheets &sheets)
{
    PrintOutcome outcome;
    const int shown = m_rows.absolutePosition();
    const PrintRange range = PrintRange::of(m_rows);
    if (range.empty()) {
        outcome.nothingToPrint = true;
        return outcome;
    }
    const std::int64_t count = std::min<std::int64_t>(range.pageCount(), std::max(1, m_index.slotCount()));

    PrintHost host(m_window);
    PageRenderer renderer(m_render, host);
    const QString title = PrintFooterTitle();
    for (std::int64_t k = 1; k <= count; ++k) {
        m_window.setBusyPointer(true);
        if (!range.currentRowOnly) {
            if (const std::optional<int> row = m_index.PageByNumber(double(range.first + k - 1)))
                m_rows.setAbsolutePosition(*row);
        }
        const bool landscape = isLandscapePage(m_rows);
        PainterSurface *sheet =
            sheets.newSheet(landscape ? SheetOrientation::Landscape : SheetOrientation::Portrait);
        if (!sheet) {
            outcome.refused = true;
            m_window.setBusyPointer(false);
            break;
        }
        ++outcome.sheets;
        const double columnPx = landscape ? 730 : 600;
        sheet->setScaleLeft((columnPx * m_window.twipsPerPixelX() - sheet->scaleWidth()) / 2);

        m_render.pageHeight = 0;
        host.setSheet(sheet);
        renderer.setSurface(sheet);
        m_render.printMode = true;
        renderer.RenderPageText(m_rows.field(CoursField::fpc()));
        m_render.printMode = false;
        host.setSheet(nullptr);

        printFooter(*sheet, range.first == range.last
                                ? title
                                : title + QStringLiteral(" - page") + NumberText(double(k)));
        m_window.setBusyPointer(false);
    }
    if (!sheets.endDocument())
        outcome.refused = true;
    if (shown >= 0)
        m_rows.setAbsolutePosition(shown);
    return outcome;
}

PrintOutcome CoursePrinter::PrintToPdf(const QString &path, QString *error)
{
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
    };
    if (PrintRange::of(m_rows).empty()) {
        PrintOutcome outcome;
        outcome.nothingToPrint = true;
        fail(NothingToPrintText());
        return outcome;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        PrintOutcome outcome;
        outcome.refused = true;
        fail(QString::fromUtf8("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
        return outcome;
    }
    PrintOutcome outcome;
    {
        QPdfWriter writer(&file);
        writer.setTitle(PrintFooterTitle());
        writer.setCreator(QStringLiteral("Vorlane"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        PagedDeviceSheets sheets(writer);
        outcome = PrintCoursePages(sheets);
    }
    if (outcome.sheets == 0 || outcome.refused) {
        file.cancelWriting();
        outcome.refused = true;
        fail(QString::fromUtf8("Impossible d'imprimer dans le fichier %1.").arg(path));
        return outcome;
    }
    if (!file.commit()) {
        outcome.refused = true;
        fail(QString::fromUtf8("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
    }
    return outcome;
}

} // namespace vorlane
