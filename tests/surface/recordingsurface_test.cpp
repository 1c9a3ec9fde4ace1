#include "core/surface/recordingsurface.h"
#include "core/surface/tracelog.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;

TEST(TraceLog, NumbersAreWholeOrTwoDecimalsTrimmed)
{
    const std::pair<double, const char *> cases[] = {
        {270, "270"}, {1237.5, "1237.5"}, {19.2, "19.2"},   {-0.0, "0"},      {-0.001, "0"},
        {1.005, "1"}, {2.3456, "2.35"},   {-12.5, "-12.5"}, {1e6, "1000000"}, {0.1, "0.1"}};
    for (auto [v, text] : cases)
        EXPECT_EQ(TraceLog::formatNumber(v), QString::fromLatin1(text)) << v;
}

TEST(TraceLog, EscapesOnlyWhatJsonRequires)
{
    EXPECT_EQ(TraceLog::quote(QString::fromUtf8("a\"b\\c\r\n\x01é¶")),
              QString::fromUtf8("\"a\\\"b\\\\c\\r\\n\\u0001é¶\""));
}

TEST(TraceLog, KeepsFieldOrder)
{
    TraceLog log;
    log.add("menu", {{"link", 3.0},
                     {"entry", 0.0},
                     {"caption", QStringLiteral("Voir")},
                     {"tag", QStringLiteral("PA0012")}});
    log.add("x", {{"b", true}, {"c", QColor(255, 0, 0)}});
    EXPECT_EQ(log.text(),
              QByteArray("{\"op\":\"menu\",\"link\":3,\"entry\":0,\"caption\":\"Voir\",\"tag\":\"PA0012\"}\n"
                         "{\"op\":\"x\",\"b\":true,\"c\":\"#ff0000\"}\n"));
}

class RecordingSurfaceTest : public ::testing::Test {
protected:
    TraceLog log;
    RecordingSurface surface{QStringLiteral("PictureTEXTE"), log, std::make_shared<TestMetrics>(), 600, 1000};
};

TEST_F(RecordingSurfaceTest, TestMetricsMeasureByCodePoints)
{
    EXPECT_EQ(surface.textWidth(QStringLiteral("W")), 120);
    EXPECT_EQ(surface.textWidth(QStringLiteral("Wq")), 240);
    EXPECT_EQ(surface.textHeight(QString()), 240);
    surface.setFontSize(12);
    EXPECT_EQ(surface.textWidth(QString::fromUtf8("é😀")), 288); // two code points
    EXPECT_EQ(surface.textHeight(QStringLiteral("W")), 288);
    EXPECT_EQ(surface.scaleWidth(), 9000);
}

TEST_F(RecordingSurfaceTest, PrintLogsAndAdvances)
{
    surface.setFontSize(12);
    surface.setBold(true);
    surface.setForeColor(QColor(0, 0, 200));
    surface.setCurrentY(72);
    surface.print(QStringLiteral("H"));
    surface.print(QString());
    EXPECT_EQ(surface.currentX(), 144);
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_EQ(log.lines()[0],
              QStringLiteral("{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":0,\"y\":72,\"text\":\"H\","
                             "\"font\":\"Arial\",\"size\":12,\"bold\":true,\"italic\":false,"
                             "\"underline\":false,\"color\":\"#0000c8\"}"));
}

TEST_F(RecordingSurfaceTest, DrawingMovesThePositionAsTheContractSays)
{
    surface.setDrawMode(DrawModeAnd);
    surface.line(10, 20, 300.5, 40, QColor(0, 0, 255), LineStyle::Fill);
    EXPECT_EQ(surface.currentX(), 300.5);
    EXPECT_EQ(surface.currentY(), 40);
    surface.circle(100, 200, 50, Qt::black, 0.0, M_PI);
    EXPECT_EQ(surface.currentX(), 100);
    surface.pset(7, 8, Qt::black);
    EXPECT_EQ(surface.currentY(), 8);
    QImage img(100, 50, QImage::Format_RGB32);
    DrawingSurface &base = surface; // default arguments belong to the contract
    base.paintPicture({img, QStringLiteral("schema.gif")}, 3750, 0);
    EXPECT_EQ(surface.currentX(), 7); // a picture does not move the position
    ASSERT_EQ(log.lines().size(), 4);
    EXPECT_EQ(log.lines()[0],
              QStringLiteral("{\"op\":\"line\",\"s\":\"PictureTEXTE\",\"x1\":10,\"y1\":20,\"x2\":300.5,"
                             "\"y2\":40,\"color\":\"#0000ff\",\"width\":1,\"mode\":9,\"style\":\"fill\"}"));
    EXPECT_EQ(log.lines()[1],
              QStringLiteral("{\"op\":\"circle\",\"s\":\"PictureTEXTE\",\"x\":100,\"y\":200,\"r\":50,"
                             "\"start\":0,\"end\":3.14,\"color\":\"#000000\",\"width\":1}"));
    EXPECT_EQ(log.lines()[3],
              QStringLiteral("{\"op\":\"picture\",\"s\":\"PictureTEXTE\",\"x\":3750,\"y\":0,\"w\":1500,"
                             "\"h\":750,\"file\":\"schema.gif\"}"));
}

TEST_F(RecordingSurfaceTest, NegativeSizesFailAndWriteNothing)
{
    EXPECT_FALSE(surface.setHeight(-1));
    EXPECT_FALSE(surface.setWidth(-0.5));
    EXPECT_EQ(surface.height(), 1000);
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_TRUE(surface.setHeight(19.2));
    EXPECT_EQ(log.lines().last(), QStringLiteral("{\"op\":\"height\",\"s\":\"PictureTEXTE\",\"px\":19.2}"));
}

TEST_F(RecordingSurfaceTest, FontSizeZeroAndEmptyNameAreIgnored)
{
    surface.setFontSize(0);
    surface.setFontSize(-3);
    surface.setFontName(QString());
    EXPECT_EQ(surface.font().size, 10);
    EXPECT_EQ(surface.font().name, u"Arial");
}
