#include "core/app/startupchecks.h"
#include "core/course/coursetable.h"
#include "core/course/pageindexloader.h"
#include "core/platform/files.h"
#include "core/print/courseprinter.h"
#include "core/print/imagesheets.h"
#include "core/print/pageddevicesheets.h"
#include "core/render/offscreenhost.h"
#include "core/surface/paintersurface.h"
#include "fakes/fakecourserows.h"
#include "print/pdfpages.h"
#include "print/printcourse.h"
#include "testsupport.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

constexpr double kA4Short = 595.276, kA4Long = 841.89; // points
constexpr double kMargin = 10 / 25.4 * 72;             // 10 mm in points

// The window that prints: pictures from the course folder; it records the
// busy pointer as the run sets it.
class PrintingWindow final : public OffscreenHost {
public:
    void setBusyPointer(bool busy) override
    {
        if (pointer.empty() || pointer.back() != busy)
            pointer.push_back(busy);
    }
    std::vector<bool> pointer; // changes of the pointer, in order
};

// Sheets that pass everything to a PDF's sheets and note, per sheet, its
// orientation and where its scale left was when the sheet was done.
class NotingSheets final : public PrinterSheets {
public:
    explicit NotingSheets(PrinterSheets &inner) : m_inner(inner) {}
    PainterSurface *newSheet(SheetOrientation orientation) override
    {
        note();
        orientations.push_back(orientation);
        m_last = m_inner.newSheet(orientation);
        return m_last;
    }
    bool endDocument() override
    {
        note();
        ++ends;
        return m_inner.endDocument();
    }
    std::vector<SheetOrientation> orientations;
    std::vector<double> scaleLefts, scaleWidths; // twips
    int ends = 0;

private:
    void note()
    {
        if (!m_last)
            return;
        scaleLefts.push_back(m_last->scaleLeft());
        scaleWidths.push_back(m_last->scaleWidth());
        m_last = nullptr;
    }
    PrinterSheets &m_inner;
    PainterSurface *m_last = nullptr;
};

// Sheets that refuse every sheet and count the calls.
class CountingSheets final : public PrinterSheets {
public:
    PainterSurface *newSheet(SheetOrientation) override
    {
        ++sheets;
        return nullptr;
    }
    bool endDocument() override
    {
        ++ends;
        return true;
    }
    int sheets = 0;
    int ends = 0;
};

class CoursePrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(writePrintCourse(dir.path(), &error)) << error.toStdString();
        LocalFiles files;
        const auto database = CourseDatabasePath(dir.path(), files);
        ASSERT_TRUE(database);
        ASSERT_EQ(course.open(*database), CourseOpener::Result::Opened);
        PageIndexLoader(dir.path(), files, course).LoadPageIndex(index);
        window.setDataFolder(dir.path());
    }

    // The window shows page n (as Navigate moves the data control).
    void show(int n)
    {
        const auto row = index.PageByNumber(n);
        ASSERT_TRUE(row);
        ASSERT_TRUE(course.setAbsolutePosition(*row));
    }

    QString pdf() const { return dir.filePath(QStringLiteral("out.pdf")); }

    PrintOutcome printPdf(QString *error = nullptr)
    {
        CoursePrinter printer(course, index, render, window);
        return printer.PrintToPdf(pdf(), error);
    }

    QTemporaryDir dir;
    CourseTable course;
    PageIndex index;
    RenderState render;
    PrintingWindow window;
};

const QString kTitle = QStringLiteral("Vorlane - Physique et Chimie Terminale S - Dorvance 2026");

bool isPortraitA4(const QSizeF &s)
{
    return std::abs(s.width() - kA4Short) < 1 && std::abs(s.height() - kA4Long) < 1;
}
bool isLandscapeA4(const QSizeF &s)
{
    return std::abs(s.width() - kA4Long) < 1 && std::abs(s.height() - kA4Short) < 1;
}

TEST(PrintRange, ReadsTheCurrentRowsFields)
{
    struct Case {
        const char *debutimp, *finimp;
        int first, last;
        bool alone, empty;
    };
    // Page 40 is current.
    const Case cases[] = {
        {"40", "42", 40, 42, false, false},      // a run of three
        {"41", "41", 41, 41, false, false},      // one page, not necessarily this one
        {" 39.6", "41.5", 40, 42, false, false}, // decimal read, then nearest whole (halves to even)
        {"43", "42", 43, 42, false, true},       // first > last: nothing to print
        {"-1", "45", 40, 40, true, false},       // a landscape page prints alone
        {"-1.2", "", 40, 40, true, false},       // reads as -1 once whole
        {"", "", 0, 0, false, false},            // empty fields read as 0
        {"abc", "3", 0, 3, false, false},
        {"1e12", "5", 0, 5, false, false}, // beyond 32 bits: the value is not taken
    };
    for (const Case &c : cases) {
        FakeCourseRows rows;
        FakeCourseRows::Row row = FakeCourseRows::page(40, 40);
        row[QStringLiteral("debutimp")] = QString::fromLatin1(c.debutimp);
        row[QStringLiteral("finimp")] = QString::fromLatin1(c.finimp);
        rows.rows.push_back(row);
        rows.moveFirst();
        const PrintRange r = PrintRange::of(rows);
        SCOPED_TRACE(std::string(c.debutimp) + " / " + c.finimp);
        EXPECT_EQ(r.first, c.first);
        EXPECT_EQ(r.last, c.last);
        EXPECT_EQ(r.currentRowOnly, c.alone);
        EXPECT_EQ(r.empty(), c.empty);
    }
}

TEST_F(CoursePrinterTest, OnePageRunPrintsOneSheetWhoseFooterIsTheTitleAlone)
{
    show(1);
    QString error;
    const PrintOutcome out = printPdf(&error);
    ASSERT_EQ(out.sheets, 1) << error.toStdString();
    EXPECT_FALSE(out.refused);
    const auto sizes = pdfPageSizes(pdf());
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_TRUE(isPortraitA4(sizes[0]));
    const QStringList lines = pdfPageLines(pdf(), 1);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), u"Corps de la page 1");
    EXPECT_EQ(lines.last(), kTitle); // no " - page" on a run of one page
    // The text stays text (pdftotext reads it) and the picture keeps its pixels.
    EXPECT_TRUE(pdfPageText(pdf(), 1).contains(u"Grandeur"));
    const auto images = pdfImageSizes(pdf());
    EXPECT_NE(std::find(images.begin(), images.end(), QSize(120, 80)), images.end());
}

TEST_F(CoursePrinterTest, ThreePageRunIsOneDocumentOfThreeNumberedSheets)
{
    for (int from : {2, 3, 4}) {
        SCOPED_TRACE(from);
        show(from);
        const PrintOutcome out = printPdf();
        ASSERT_EQ(out.sheets, 3);
        const auto sizes = pdfPageSizes(pdf());
        ASSERT_EQ(sizes.size(), 3u);
        for (int k = 1; k <= 3; ++k) {
            EXPECT_TRUE(isPortraitA4(sizes[size_t(k - 1)]));
            const QStringList lines = pdfPageLines(pdf(), k);
            ASSERT_GE(lines.size(), 2);
            EXPECT_EQ(lines.first(), QStringLiteral("Corps de la page %1").arg(k + 1));
            EXPECT_EQ(lines.last(), kTitle + QStringLiteral(" - page %1").arg(k));
        }
    }
}

TEST_F(CoursePrinterTest, FooterIsCentredTwoTextHeightsAboveTheBottomOfThePrintableArea)
{
    show(5);
    ASSERT_EQ(printPdf().sheets, 3);
    for (int k : {1, 2, 3}) {
        SCOPED_TRACE(k);
        const auto sizes = pdfPageSizes(pdf());
        const double width = sizes[size_t(k - 1)].width(), height = sizes[size_t(k - 1)].height();
        const PdfWord first = pdfWord(pdf(), k, QStringLiteral("Vorlane"));
        const PdfWord last = pdfWord(pdf(), k, QString::number(k));
        ASSERT_FALSE(first.text.isEmpty());
        ASSERT_FALSE(last.text.isEmpty());
        EXPECT_NEAR((first.xMin + last.xMax) / 2, width / 2, 2.0);
        // Size 8: a text height is about 9 points; the text's cell starts two
        // heights above the printable bottom (10 mm above the paper's edge).
        EXPECT_GT(first.yMin, height - kMargin - 2 * 11);
        EXPECT_LT(first.yMax, height - kMargin - 9 + 2);
        EXPECT_LT(last.yMax - last.yMin, 10.5); // 8 points, not the body's 12 or 20
    }
}

TEST_F(CoursePrinterTest, LandscapePageInsideARunIsSetBeforeItsSheetWithTheWideColumnCentred)
{
    show(7);
    {
        QPdfWriter writer(pdf());
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        PagedDeviceSheets device(writer);
        NotingSheets sheets(device);
        CoursePrinter printer(course, index, render, window);
        ASSERT_EQ(printer.PrintCoursePages(sheets).sheets, 3);
        EXPECT_EQ(sheets.orientations,
                  (std::vector<SheetOrientation>{SheetOrientation::Portrait, SheetOrientation::Landscape,
                                                 SheetOrientation::Portrait}));
        EXPECT_EQ(sheets.ends, 1);
        // Printable widths: 190 mm and 277 mm in twips (to half a millimetre:
        // the device counts whole pixels of its own).
        const double portrait = 190 / 25.4 * 1440, landscape = 277 / 25.4 * 1440;
        ASSERT_EQ(sheets.scaleWidths.size(), 3u);
        EXPECT_NEAR(sheets.scaleWidths[0], portrait, 30);
        EXPECT_NEAR(sheets.scaleWidths[1], landscape, 30);
        EXPECT_NEAR(sheets.scaleWidths[2], portrait, 30);
        // x = 0 is the left edge of a column of 600 (730) pixels of 15 twips
        // centred on the printable width.
        EXPECT_NEAR(sheets.scaleLefts[0], (9000 - sheets.scaleWidths[0]) / 2, 0.01);
        EXPECT_NEAR(sheets.scaleLefts[1], (10950 - sheets.scaleWidths[1]) / 2, 0.01);
        EXPECT_NEAR(sheets.scaleLefts[2], (9000 - sheets.scaleWidths[2]) / 2, 0.01);
    }
    const auto sizes = pdfPageSizes(pdf());
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_TRUE(isPortraitA4(sizes[0]));
    EXPECT_TRUE(isLandscapeA4(sizes[1]));
    EXPECT_TRUE(isPortraitA4(sizes[2]));
}

TEST_F(CoursePrinterTest, LandscapeColumnIs730PixelsWideAndCentredOnThePaper)
{
    show(5);
    ASSERT_EQ(printPdf().sheets, 3);
    const auto sizes = pdfPageSizes(pdf());
    ASSERT_EQ(sizes.size(), 3u);
    ASSERT_TRUE(isLandscapeA4(sizes[1]));
    EXPECT_EQ(pdfPageLines(pdf(), 2).first(), u"Corps de la page 6");
    // A column of 730 pixels is 547.5 points: its left edge lies at
    // (841.89 - 547.5) / 2; 700 pixels further right is 525 points further.
    const double left = (kA4Long - 730 * 0.75) / 2;
    const PdfWord gauche = pdfWord(pdf(), 2, QStringLiteral("Gauche"));
    const PdfWord droite = pdfWord(pdf(), 2, QStringLiteral("Droite"));
    ASSERT_FALSE(gauche.text.isEmpty());
    ASSERT_FALSE(droite.text.isEmpty());
    EXPECT_NEAR(gauche.xMin, left, 1.5);
    EXPECT_NEAR(droite.xMin, left + 700 * 0.75, 1.5);
    // The portrait pages: a column of 600 pixels (450 points) centred.
    const PdfWord body = pdfWord(pdf(), 1, QStringLiteral("Corps"));
    EXPECT_NEAR(body.xMin, (kA4Short - 600 * 0.75) / 2, 1.5);
}

TEST_F(CoursePrinterTest, LandscapePagePrintedFromItselfPrintsItselfAloneInLandscape)
{
    show(6);
    ASSERT_EQ(printPdf().sheets, 1);
    const auto sizes = pdfPageSizes(pdf());
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_TRUE(isLandscapeA4(sizes[0]));
    const QStringList lines = pdfPageLines(pdf(), 1);
    EXPECT_EQ(lines.first(), u"Corps de la page 6");
    EXPECT_EQ(lines.last(), kTitle);
    EXPECT_EQ(course.field(QStringLiteral("Numeropage")), u"6");
}

TEST_F(CoursePrinterTest, NothingToPrintBeginsNoDocumentAndWritesNoFile)
{
    show(8);
    CountingSheets sheets;
    CoursePrinter printer(course, index, render, window);
    const PrintOutcome out = printer.PrintCoursePages(sheets);
    EXPECT_TRUE(out.nothingToPrint);
    EXPECT_EQ(out.sheets, 0);
    EXPECT_EQ(sheets.sheets, 0);
    EXPECT_EQ(sheets.ends, 0);

    QString error;
    const PrintOutcome pdfOut = printPdf(&error);
    EXPECT_TRUE(pdfOut.nothingToPrint);
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_EQ(error, QString::fromUtf8("Il n'y a rien à imprimer depuis cette page."));
    EXPECT_EQ(course.field(QStringLiteral("Numeropage")), u"8");
}

TEST_F(CoursePrinterTest, NothingToPrintLeavesAnEarlierFileAlone)
{
    QFile old(pdf());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier");
    old.close();
    show(8);
    EXPECT_TRUE(printPdf().nothingToPrint);
    QFile again(pdf());
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), QByteArray("earlier"));
}

TEST_F(CoursePrinterTest, DataControlIsBackOnThePageShownAndPrintModeIsCleared)
{
    struct Case {
        int shown;
        int sheets;
    };
    for (const Case c : {Case{1, 1}, Case{3, 3}, Case{7, 3}, Case{6, 1}, Case{8, 0}, Case{9, 1}}) {
        SCOPED_TRACE(c.shown);
        show(c.shown);
        const int row = course.absolutePosition();
        render.pageHeight = 1234;
        EXPECT_EQ(printPdf().sheets, c.sheets);
        EXPECT_EQ(course.absolutePosition(), row);
        EXPECT_EQ(course.field(QStringLiteral("Numeropage")), QString::number(c.shown));
        EXPECT_FALSE(render.printMode);
        if (c.sheets > 0) {
            EXPECT_EQ(render.pageHeight, 0); // the bodies started at the top of their sheets
        }
    }
}

TEST_F(CoursePrinterTest, BusyPointerFromTheStartToTheEndOfEachPage)
{
    show(2);
    ASSERT_EQ(printPdf().sheets, 3);
    EXPECT_EQ(window.pointer, (std::vector<bool>{true, false, true, false, true, false}));
}

TEST_F(CoursePrinterTest, RunReachingBeyondTheCourseStopsAtTheIndexSize)
{
    // Pages 8 to 40000: the course has 9 rows, so 10 slots; numbers without a
    // slot would print the same row again.
    FakeCourseRows rows;
    FakeCourseRows::Row row = FakeCourseRows::page(1, 1);
    row[QStringLiteral("debutimp")] = QStringLiteral("8");
    row[QStringLiteral("finimp")] = QStringLiteral("40000");
    rows.rows.push_back(row);
    rows.moveFirst();
    CountingSheets sheets;
    CoursePrinter printer(rows, index, render, window);
    printer.PrintCoursePages(sheets);
    EXPECT_EQ(sheets.sheets, 1); // refused at once: the run stopped there
    EXPECT_EQ(sheets.ends, 1);

    QString error;
    CoursePrinter toPdf(rows, index, render, window);
    const PrintOutcome out = toPdf.PrintToPdf(pdf(), &error);
    EXPECT_EQ(out.sheets, index.slotCount());
    EXPECT_EQ(int(pdfPageSizes(pdf()).size()), index.slotCount());
}

TEST_F(CoursePrinterTest, UnwritableFileIsReportedAndNotCreated)
{
    show(1);
    CoursePrinter printer(course, index, render, window);
    QString error;
    const QString path = dir.filePath(QStringLiteral("absent/out.pdf"));
    const PrintOutcome out = printer.PrintToPdf(path, &error);
    EXPECT_TRUE(out.refused);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace

namespace {

TEST_F(CoursePrinterTest, PreviewSheetsHaveEachTheirPaperAndTheSameDrawing)
{
    show(5);
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                             QPageLayout::Millimeter);
    ImageSheets sheets(layout, 72);
    CoursePrinter printer(course, index, render, window);
    ASSERT_EQ(printer.PrintCoursePages(sheets).sheets, 3);
    ASSERT_EQ(sheets.sheets().size(), 3u);
    // At 72 dots per inch a point is a pixel: A4 is 595 x 842.
    EXPECT_EQ(sheets.sheets()[0].size(), QSize(595, 842));
    EXPECT_EQ(sheets.sheets()[1].size(), QSize(842, 595));
    EXPECT_EQ(sheets.sheets()[2].size(), QSize(595, 842));
    // The margins stay white; the body is drawn inside them, from the top of
    // the printable area (10 mm = 28 pixels).
    const QImage &first = sheets.sheets()[0];
    const auto inkRows = [](const QImage &img, int from, int to) {
        int rows = 0;
        for (int y = from; y < to; ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                    ++rows;
                    break;
                }
            }
        }
        return rows;
    };
    EXPECT_EQ(inkRows(first, 0, 28), 0);
    EXPECT_GT(inkRows(first, 28, 60), 0);             // "Corps de la page 5"
    EXPECT_GT(inkRows(first, 842 - 60, 842 - 28), 0); // the footer
    EXPECT_EQ(inkRows(first, 842 - 27, 842), 0);
}

} // namespace
