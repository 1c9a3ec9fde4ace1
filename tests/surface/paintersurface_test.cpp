#include "core/surface/paintersurface.h"
#include "core/surface/rastersurface.h"
#include "testsupport.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

QRgb rgb(const QImage &img, int x, int y)
{
    return img.pixel(x, y) & 0xFFFFFF;
}

// Runs a poppler tool; empty when it is not installed or fails.
QByteArray runTool(const QString &tool, const QStringList &args)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        return {};
    QProcess p;
    p.start(exe, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

struct PdfFile {
    QTemporaryDir dir;
    QString path = dir.filePath(u"page.pdf"_s);
};

TEST(PainterSurface, PrintsTextIntoAPdf)
{
    PdfFile pdf;
    ASSERT_TRUE(pdf.dir.isValid());
    {
        QPdfWriter writer(pdf.path);
        writer.setResolution(1200);
        QPainter painter(&writer);
        ASSERT_TRUE(painter.isActive());
        PainterSurface s(&painter, 1200.0 / 1440.0);
        EXPECT_EQ(s.name(), u"printer"_s);
        EXPECT_NEAR(s.twipsPerPixel(), 1.2, 1e-12);
        // the paint area of the sheet, in twips: the device's size at 1200 dpi
        EXPECT_NEAR(s.scaleWidth(), writer.width() * 1.2, 1e-6);
        EXPECT_NEAR(s.scaleHeight(), writer.height() * 1.2, 1e-6);
        EXPECT_NEAR(s.width(), s.scaleWidth() / 15, 1e-9);
        EXPECT_FALSE(s.setHeight(100));
        s.setCurrentX(1440);
        s.setCurrentY(1440);
        s.print(u"Bonjour Vorlane"_s);
        s.newLine();
        s.setFontName(u"Symbol"_s);
        s.print(u"abg"_s);
        s.setFontName(u"Arial"_s);
        s.setDrawWidth(3);
        s.line(0, 3000, 9000, 3000, Qt::black);
        s.circle(4500, 6000, 1000, Qt::blue);
        ASSERT_TRUE(s.newPage());
        EXPECT_EQ(s.currentY(), 0);
        s.setCurrentY(1440);
        s.print(u"Seconde page"_s);
    }
    QFile f(pdf.path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));

    const QByteArray text = runTool(u"pdftotext"_s, {pdf.path, u"-"_s});
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not available";
    const QString s = QString::fromUtf8(text);
    EXPECT_TRUE(s.contains(u"Bonjour Vorlane"_s)) << s.toStdString();
    EXPECT_TRUE(s.contains(QString::fromUtf8("αβγ"))) << s.toStdString();
    EXPECT_TRUE(s.contains(u"Seconde page"_s)) << s.toStdString();
    const QString info = QString::fromUtf8(runTool(u"pdfinfo"_s, {pdf.path}));
    if (!info.isEmpty()) {
        EXPECT_TRUE(info.contains(QRegularExpression(u"Pages:\\s+2"_s))) << info.toStdString();
    }
}

// PDFs have no raster operations: a yellow fill in mode 9 must still let the
// black text under it show, and turn the white around it yellow.
TEST(PainterSurface, AndFillOnAPdfKeepsTextVisible)
{
    PdfFile pdf;
    ASSERT_TRUE(pdf.dir.isValid());
    {
        QPdfWriter writer(pdf.path);
        writer.setResolution(1200);
        QPainter painter(&writer);
        PainterSurface s(&painter, 1200.0 / 1440.0);
        s.setFontSize(20);
        s.setBold(true);
        s.setCurrentX(1440);
        s.setCurrentY(1440);
        s.print(u"NOIR"_s);
        s.setDrawMode(DrawModeAnd);
        s.line(1300, 1300, 6000, 2200, QColor(255, 255, 0), LineStyle::Fill);
    }
    const QString out = pdf.dir.filePath(u"page"_s);
    if (QStandardPaths::findExecutable(u"pdftoppm"_s).isEmpty())
        GTEST_SKIP() << "pdftoppm is not available";
    runTool(u"pdftoppm"_s, {u"-r"_s, u"96"_s, u"-png"_s, u"-singlefile"_s, pdf.path, out});
    QImage img(out + u".png"_s);
    ASSERT_FALSE(img.isNull());
    // at 96 dpi one pixel is 15 twips: the fill spans pixels about 87..400 x 87..146
    // from the top left of the paint area (the page margin comes on top of it)
    int dark = 0, yellow = 0, white = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() < 60 && c.green() < 60 && c.blue() < 60)
                ++dark;
            else if (c.red() > 240 && c.green() > 240 && c.blue() < 30)
                ++yellow;
            else if (c.red() > 250 && c.green() > 250 && c.blue() > 250)
                ++white;
        }
    }
    EXPECT_GT(dark, 200);        // the text
    EXPECT_GT(yellow, 300 * 50); // the fill around it
    EXPECT_GT(white, img.width() * img.height() / 2);
}

// Over an image the raster engine does the AND itself; with one device pixel
// per screen pixel the surface draws like a raster surface.
TEST(PainterSurface, OverAnImageDrawsLikeTheScreen)
{
    QImage img(100, 80, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    PainterSurface s(&painter, 1.0 / 15.0, u"Picture2"_s);
    EXPECT_EQ(s.name(), u"Picture2"_s);
    EXPECT_EQ(s.scaleWidth(), 1500);
    EXPECT_EQ(s.scaleHeight(), 1200);
    s.line(150, 300, 450, 600, Qt::red, LineStyle::Fill);
    s.setDrawMode(DrawModeAnd);
    s.line(0, 0, 1500, 150, QColor(255, 255, 0), LineStyle::Fill); // rows 0..10
    s.line(150, 300, 300, 300, QColor(0, 255, 255), LineStyle::Fill);
    painter.end();
    EXPECT_EQ(rgb(img, 10, 20), 0x000000u); // red AND cyan
    EXPECT_EQ(rgb(img, 20, 20), 0x000000u);
    EXPECT_EQ(rgb(img, 21, 20), 0xFF0000u);
    EXPECT_EQ(rgb(img, 15, 21), 0xFF0000u);
    EXPECT_EQ(rgb(img, 30, 40), 0xFF0000u);
    EXPECT_TRUE(rgb(img, 31, 40) == 0xFFFFFFu);
    EXPECT_EQ(rgb(img, 50, 5), 0xFFFF00u);
    EXPECT_EQ(rgb(img, 50, 11), 0xFFFFFFu);
}

TEST(PainterSurface, ScaleLeftAndPensInDevicePixels)
{
    // two device pixels per screen pixel: a device pixel is 7.5 twips
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    PainterSurface s(&painter, 2.0 / 15.0);
    EXPECT_EQ(s.scaleWidth(), 1500);
    EXPECT_EQ(s.twipsPerPixelY(), 7.5); // a printed gradient steps by this x DrawWidth
    s.setScaleLeft(-750);               // x = 0 lies 750 twips = 100 device pixels right of the edge
    s.line(-750, 0, 750, 750, Qt::blue, LineStyle::Fill);
    s.clear(); // the whole sheet, left of the scale's 0 too
    s.pset(0, 0, Qt::red);
    s.setDrawWidth(3); // 3 device pixels = 22.5 twips, centred on the row of y = 150
    s.line(0, 150, 300, 150, Qt::black);
    painter.end();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_NE(rgb(img, x, y), 0x0000FFu) << x << "," << y;
    // one device pixel of red in the cell of (0,0), device pixels 100..101
    int red = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (rgb(img, x, y) == 0xFF0000u) {
                ++red;
                EXPECT_GE(x, 100);
                EXPECT_LE(x, 101);
                EXPECT_LE(y, 1);
            }
    EXPECT_EQ(red, 1);
    int rows = 0;
    for (int y = 0; y < img.height(); ++y)
        rows += rgb(img, 120, y) == 0;
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(rgb(img, 120, 21), 0u);
    EXPECT_EQ(rgb(img, 60, 21), 0xFFFFFFu); // left of the scale's 0
}

TEST(PainterSurface, InactivePainterDrawsNothing)
{
    QPainter idle;
    PainterSurface s(&idle, 0); // a bad scale is taken as one pixel per 15 twips
    s.print(u"rien"_s);
    s.line(0, 0, 100, 100, Qt::black);
    s.clear();
    EXPECT_FALSE(s.newPage());
    EXPECT_GT(s.currentX(), -1); // the position still moves as text is measured
    EXPECT_NEAR(s.twipsPerPixel(), 15, 1e-12);
    PainterSurface none(nullptr, 1.0);
    none.print(u"rien"_s);
    EXPECT_EQ(none.scaleWidth(), 0);

    QImage img(10, 10, QImage::Format_RGB32);
    QPainter painter(&img);
    PainterSurface onImage(&painter, 1.0 / 15.0);
    EXPECT_FALSE(onImage.newPage()); // an image has no pages
}

} // namespace
