// Pictures, image-list icons, surface changes (OBJ) and area widths (LARGEUR).

#include "core/platform/files.h"
#include "core/render/datapictures.h"
#include "core/render/imagelists.h"
#include "core/render/markuprender.h"
#include "renderfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

// The renderer with a data folder holding:
//   cent.png 100 x 50 (PNG), carre.bmp 40 x 30 (BMP), photo.jpg 64 x 48 (JPEG),
//   SCHEMA.GIF 30 x 20 (GIF), jpeg.gif (a JPEG named .gif, 8 x 6),
//   x.png (not a picture), vide.png (empty), sub/ (a folder),
// and, outside it, ../outside.png.
class Pictures : public RenderFixture {
protected:
    QTemporaryDir root;
    QString data;

    void SetUp() override
    {
        RenderFixture::SetUp();
        ASSERT_TRUE(root.isValid());
        data = root.filePath(u"data"_s);
        ASSERT_TRUE(QDir().mkpath(data + u"/sub"_s));
        write(u"cent.png"_s, 100, 50, "PNG");
        write(u"carre.bmp"_s, 40, 30, "BMP");
        write(u"photo.jpg"_s, 64, 48, "JPEG");
        write(u"jpeg.gif"_s, 8, 6, "JPEG");
        ASSERT_TRUE(QFile::copy(dataDir() + u"/pictures/SCHEMA.GIF"_s, data + u"/SCHEMA.GIF"_s));
        writeBytes(u"x.png"_s, QByteArray("\x89PNG this is not a picture at all", 34));
        writeBytes(u"vide.png"_s, {});
        QImage(5, 5, QImage::Format_RGB32).save(root.filePath(u"outside.png"_s), "PNG");
        host.setDataFolder(data);
    }

    void write(const QString &name, int w, int h, const char *format)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(QColor(40, 120, 200));
        ASSERT_TRUE(image.save(data + u'/' + name, format)) << name.toStdString();
    }
    void writeBytes(const QString &name, const QByteArray &bytes)
    {
        QFile f(data + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    std::vector<QJsonObject> pictures() const { return records("picture"); }
};

#define EXPECT_PICTURE(rec, ex, ey, ew, eh, efile)                                                           \
    do {                                                                                                     \
        EXPECT_EQ(num(rec, "x"), (ex));                                                                      \
        EXPECT_EQ(num(rec, "y"), (ey));                                                                      \
        EXPECT_EQ(num(rec, "w"), (ew));                                                                      \
        EXPECT_EQ(num(rec, "h"), (eh));                                                                      \
        EXPECT_EQ(str(rec, "file"), QString::fromLatin1(efile));                                             \
    } while (0)

} // namespace

TEST_F(Pictures, FormatsAreReadAtTheirPixelSize)
{
    struct Case {
        const char *line;
        double w, h;
        const char *file;
    };
    const Case cases[] = {
        {"##IXAcent.png", 1500, 750, "cent.png"},  {"##IXAcarre.bmp", 600, 450, "carre.bmp"},
        {"##IXAphoto.jpg", 960, 720, "photo.jpg"}, {"##IXASCHEMA.GIF", 450, 300, "SCHEMA.GIF"},
        {"##IXAjpeg.gif", 120, 90, "jpeg.gif"}, // the content decides, not the name
    };
    for (const Case &c : cases) {
        log.clear();
        state.pageHeight = 0;
        render({c.line, "x"});
        const auto p = pictures();
        ASSERT_EQ(p.size(), 1u) << c.line;
        EXPECT_PICTURE(p[0], 0, 0, c.w, c.h, c.file);
        EXPECT_PRINT(prints()[0], 0, c.h, "x");
    }
}

TEST_F(Pictures, CentredBelowAndAtPosition)
{
    // IXA of 100 x 50 pixels centred on the 9000-twip column: from x 3750, then
    // 750 twips lower; CurrentX stays at the picture's left.
    render({"##ALCE", "##IXAcent.png", "##ALGA", "x¶", "##ALDR", "##IMAcent.png", "##ALGA", "y", "##POX010",
            "##IMAcent.png", "z"});
    const auto p = pictures();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_PICTURE(p[0], 3750, 0, 1500, 750, "cent.png");
    EXPECT_PICTURE(p[1], 7500, 990, 1500, 750, "cent.png"); // right aligned, at the line's top
    EXPECT_PICTURE(p[2], 150, 990, 1500, 750, "cent.png");
    const auto t = prints();
    EXPECT_PRINT(t[0], 3750, 750, "x");
    EXPECT_PRINT(t[1], 7500, 990, "y"); // IMA leaves the position at the picture's top left
    EXPECT_PRINT(t[2], 150, 990, "z");
}

TEST_F(Pictures, SizedPictureFoundWithoutRegardToCase)
{
    render({"##IHDEFschema.gif200100", "x", "##ALCE", "##IHDEFschema.gif200100"});
    const auto p = pictures();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_PICTURE(p[0], 0, 0, 3000, 1500, "SCHEMA.GIF");
    EXPECT_PRINT(prints()[0], 0, 1500, "x");
    EXPECT_PICTURE(p[1], 3000, 1500, 3000, 1500, "SCHEMA.GIF"); // (9000 - 3000) / 2
}

TEST_F(Pictures, ExactNameFirstElseFirstInSortedOrder)
{
    write(u"photo.png"_s, 20, 20, "PNG");
    write(u"Photo.png"_s, 10, 10, "PNG");
    write(u"pHoto.png"_s, 30, 30, "PNG");
    render({"##IMAphoto.png", "##IMAPHOTO.PNG", "##IMApHOTO.png", "##IMApHoto.png"});
    const auto p = pictures();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(str(p[0], "file"), u"photo.png");
    EXPECT_EQ(str(p[1], "file"), u"Photo.png"); // "P" sorts before "p"
    EXPECT_EQ(str(p[2], "file"), u"Photo.png");
    EXPECT_EQ(str(p[3], "file"), u"pHoto.png");
}

TEST_F(Pictures, NamesAreCutAfterTheirLastSeparator)
{
    struct Case {
        const char *line;
        const char *file; // nullptr: nothing drawn
    };
    const Case cases[] = {
        {"##IXA..\\outside.png", nullptr},
        {"##IXA../outside.png", nullptr},
        {"##IXA..\\..\\etc\\cent.png", "cent.png"},
        {"##IXAC:\\PCTsDATA\\cent.png", "cent.png"},
        {"##IXA/tmp/../data/sub/../carre.bmp", "carre.bmp"},
        {"##IXAsub/", nullptr},
        {"##IXA..", nullptr},
        {"##IXAsub", nullptr},
        {"##IXA.", nullptr},
    };
    for (const Case &c : cases) {
        log.clear();
        state.pageHeight = 0;
        render({c.line});
        const auto p = pictures();
        if (!c.file) {
            EXPECT_TRUE(p.empty()) << c.line;
            continue;
        }
        ASSERT_EQ(p.size(), 1u) << c.line;
        EXPECT_EQ(str(p[0], "file"), QString::fromLatin1(c.file));
    }
    EXPECT_EQ(BareFileName(u"a\\b/c\\d.png"_s), u"d.png");
    EXPECT_EQ(BareFileName(u"d.png"_s), u"d.png");
    EXPECT_EQ(DataPictures::find(data, u"../outside.png"_s), QString());
}

TEST_F(Pictures, NoPictureDrawsNothingAndMovesNothing)
{
    const char *names[] = {"x.png", "vide.png", "absent.png", "", "   "};
    for (const char *name : names) {
        for (const char *tag : {"##IXA", "##IMA"}) {
            log.clear();
            state.pageHeight = 0;
            const QByteArray line = QByteArray(tag) + name;
            render({"##PIX010", "##PIY010", "##ALCE", line.constData(), "##ALGA", "y"});
            EXPECT_TRUE(pictures().empty()) << line.constData();
            EXPECT_PRINT(prints()[0], 150, 150, "y");
        }
    }
    // A sized picture whose name is only its size, or an unreadable one.
    render({"##IHDEF200100", "##IHDEFx.png200100", "##IHDEF"});
    EXPECT_TRUE(pictures().empty());
}

TEST_F(Pictures, AnUnreadablePictureDoesNotShowThePreviousOneAgain)
{
    render({"##IXAcent.png", "##IXAx.png", "y"});
    const auto p = pictures();
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(str(p[0], "file"), u"cent.png");
    EXPECT_PRINT(prints()[0], 0, 750, "y");
}

TEST_F(Pictures, ImageListIcons)
{
    render({"##POX010", "##IJA05", "a", "##IJA00", "b", "##IJA-1", "c", "##IJA21", "d", "##IJAxy", "e"});
    const auto p = pictures();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_PICTURE(p[0], 150, 0, 300, 300, "ImageList1:5");
    EXPECT_PICTURE(p[1], 1410, 0, 300, 300, "ImageList1:21");
    const auto t = prints();
    EXPECT_PRINT(t[0], 450, 0, "a");
    EXPECT_PRINT(t[1], 870, 0, "b"); // index 0: nothing drawn, the position still moves
    EXPECT_PRINT(t[2], 1290, 0, "c");
    EXPECT_PRINT(t[3], 1710, 0, "d");
    EXPECT_PRINT(t[4], 2130, 0, "e");
}

TEST_F(Pictures, ObjMovesTheDrawingAndResetsTheLayout)
{
    render({"##SI20", "A¶", "##OBJILLUS", "B¶", "##OBJPRINCIPAL", "C¶", "##OBJPRINCIPAL", "##OBJTIT", "D"});
    const auto r = records();
    const QStringList expected = {u"print"_s,   u"surface"_s, u"print"_s, u"surface"_s, u"print"_s,
                                  u"surface"_s, u"surface"_s, u"print"_s, u"height"_s};
    EXPECT_EQ(ops(), expected);
    EXPECT_EQ(str(r[1], "s"), u"PICTUREILLUS");
    EXPECT_EQ(str(r[2], "s"), u"PICTUREILLUS");
    EXPECT_PRINT(r[2], 0, 0, "B"); // from the top left, in the start font
    EXPECT_EQ(num(r[2], "size"), 10);
    EXPECT_EQ(str(r[3], "s"), u"PictureTEXTE");
    EXPECT_PRINT(r[4], 0, 0, "C");              // the body continues from its top left, over A
    EXPECT_EQ(str(r[5], "s"), u"PictureTEXTE"); // even when it is the current one
    EXPECT_EQ(str(r[6], "s"), u"titre");
    EXPECT_EQ(str(r[7], "s"), u"titre");
    // The final height is the current surface's.
    EXPECT_EQ(str(r[8], "s"), u"titre");
    EXPECT_EQ(num(r[8], "px"), 0);
}

TEST_F(Pictures, ObjTailleFitsTheSurfaceAndOtherTextsOnlyReset)
{
    render({"A¶", "B¶", "##OBJTAILLE", "C", "##PIY010", "##SI14", "##OBJXYZ", "D", "##OBJ TIT", "E"});
    const auto r = records();
    const QStringList expected = {u"print"_s, u"print"_s, u"height"_s, u"print"_s,
                                  u"print"_s, u"print"_s, u"height"_s};
    EXPECT_EQ(ops(), expected);
    EXPECT_EQ(num(r[2], "px"), 32); // 480 / 15
    EXPECT_PRINT(r[3], 0, 0, "C");
    EXPECT_PRINT(r[4], 0, 0, "D");
    EXPECT_EQ(num(r[4], "size"), 10);
    EXPECT_PRINT(r[5], 0, 0, "E");
}

TEST(PicturesHost, ObjToASurfaceTheHostHasNotOnlyResets)
{
    TraceLog log;
    OffscreenHost host(&log);
    RenderState state;
    PageRenderer renderer(state, host);
    renderer.setSurface(&host.addSurface(
        std::make_unique<RecordingSurface>(u"Picture2"_s, log, std::make_shared<TestMetrics>(), 400, 300)));
    renderer.RenderPageText(u"##SI20\r\nA\r\n##OBJILLUS\r\nB\r\n"_s);
    ASSERT_EQ(log.lines().size(), 3u);
    EXPECT_TRUE(log.lines()[1].contains(
        u"\"s\":\"Picture2\",\"x\":0,\"y\":0,\"text\":\"B\",\"font\":\"Arial\",\"size\":10"))
        << log.lines()[1].toStdString();
}

TEST(PicturesTrace, ABodyEndingOnTheIllustrationFitsIt)
{
    MarkupRenderOptions options;
    options.testMetrics = true;
    const auto trace =
        MarkupRender::trace(QString::fromUtf8("A¶\r\n##OBJILLUS\r\nB¶\r\nC¶\r\n"), options, nullptr);
    ASSERT_TRUE(trace);
    EXPECT_TRUE(
        trace->endsWith("{\"op\":\"height\",\"s\":\"PICTUREILLUS\",\"px\":32}\n"
                        "{\"op\":\"end\",\"s\":\"PICTUREILLUS\",\"pageHeight\":480,\"heightPx\":32}\n"))
        << trace->constData();
}

TEST_F(Pictures, LargeurResizesTheAreasWithOneRecord)
{
    DrawingSurface *illus = host.surface(u"PICTUREILLUS"_s);
    render({"##LARGEUR000500", "##ALDR", "x¶", "##OBJPRINCIPAL", "##ALDR", "y"});
    const QStringList expected = {u"largeur"_s, u"print"_s, u"surface"_s, u"print"_s, u"height"_s};
    EXPECT_EQ(ops(), expected);
    const auto r = records();
    EXPECT_EQ(num(r[0], "body"), 500);
    EXPECT_EQ(num(r[0], "illus"), 0);
    EXPECT_PRINT(r[1], 8880, 0, "x"); // rightEdge waits for the next reset
    EXPECT_PRINT(r[3], 7380, 0, "y"); // 500 x 15 - 120
    EXPECT_EQ(body->width(), 500);
    EXPECT_EQ(illus->width(), 0);

    illus->setHeight(100);
    log.clear();
    render({"##LARGEUR150-20"});
    EXPECT_EQ(records("largeur").size(), 1u);
    EXPECT_EQ(records("width").size(), 0u);
    EXPECT_EQ(illus->width(), 150);
    EXPECT_EQ(illus->height(), 420);
    EXPECT_EQ(body->width(), 500); // a negative width is refused
}

TEST(ImageListsIcons, EveryIndexFromOneHasAnIconOfItsListsSize)
{
    ImageLists lists;
    for (int list : {1, 2}) {
        const int size = list == 1 ? 20 : 32;
        for (int i = 1; i <= 45; ++i) {
            const QImage icon = lists.icon(list, i);
            ASSERT_EQ(icon.size(), QSize(size, size)) << list << ":" << i;
            EXPECT_EQ(icon, lists.icon(list, (i - 1) % 20 + 1)) << "the table starts again after 20";
            // an opaque tile in the middle, see-through corners
            EXPECT_EQ(icon.pixelColor(size / 2, 1).alpha(), 255);
            EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
        }
        EXPECT_TRUE(lists.icon(list, 0).isNull());
        EXPECT_TRUE(lists.icon(list, -3).isNull());
        EXPECT_FALSE(lists.picture(list, 0));
    }
    EXPECT_TRUE(lists.icon(3, 1).isNull());
    EXPECT_EQ(lists.picture(2, 27)->file, u"ImageList2:27");
    // twenty different pictures
    for (int a = 1; a <= 20; ++a)
        for (int b = a + 1; b <= 20; ++b)
            EXPECT_NE(lists.icon(2, a), lists.icon(2, b)) << a << " " << b;
    const QImage sharp = lists.icon(1, 7, 2.0);
    EXPECT_EQ(sharp.size(), QSize(40, 40));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(ImageLists::iconAt(41), ImageLists::Icon::RightArrow);
    EXPECT_EQ(ImageLists::iconAt(19), ImageLists::Icon::Atom);
}

namespace {
// An offscreen host that counts the data pictures asked of it.
class CountingHost : public OffscreenHost {
public:
    using OffscreenHost::OffscreenHost;
    std::optional<Picture> dataPicture(const QString &name) override
    {
        ++asked;
        return OffscreenHost::dataPicture(name);
    }
    int asked = 0;
};
} // namespace

TEST(PictureLookups, EachPictureOfABodyIsLookedUpOnceAndAgainInTheNextBody)
{
    QTemporaryDir data;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(data.filePath(u"onde.png"_s), "PNG"));
    TraceLog log;
    CountingHost host(&log);
    host.setDataFolder(data.path());
    DrawingSurface &page = host.addSurface(std::make_unique<RecordingSurface>(
        u"PictureTEXTE"_s, log, std::make_shared<TestMetrics>(), 600, 1000));
    RenderState state;
    PageRenderer renderer(state, host);
    renderer.setSurface(&page);

    QString body;
    for (int i = 0; i < 2000; ++i)
        body += u"##IMAonde.png\r\n##IMAabsente.png\r\n"_s;
    renderer.RenderPageText(body);
    EXPECT_EQ(host.asked, 2);
    EXPECT_EQ(log.lines().filter(u"\"op\":\"picture\""_s).size(), 2000);

    // The next body sees the file as it is now.
    picture = QImage(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(data.filePath(u"onde.png"_s), "PNG"));
    log.clear();
    renderer.RenderPageText(u"##IMAonde.png\r\n"_s);
    EXPECT_EQ(host.asked, 3);
    const QStringList drawn = log.lines().filter(u"\"op\":\"picture\""_s);
    ASSERT_EQ(drawn.size(), 1);
    EXPECT_TRUE(drawn[0].contains(u"\"w\":300"_s)) << drawn[0].toStdString();
}
