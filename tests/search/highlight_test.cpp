// The marks behind the words a search found, on the page opened from its results.

#include "core/app/session.h"
#include "core/course/pagedisplay.h"
#include "core/render/offscreenhost.h"
#include "core/render/pagerenderer.h"
#include "core/search/pagesearch.h"
#include "core/surface/rastersurface.h"
#include "core/surface/recordingsurface.h"
#include "core/surface/tracelog.h"
#include "fakes/fakecourserows.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

// A body drawn on a raster page 600 x 200 pixels with the test metrics: at size
// 10 a character is 8 pixels wide (120 twips) and a text 16 pixels high.
struct RasterPage {
    OffscreenHost host;
    RenderState state;
    PageRenderer renderer{state, host};
    RasterSurface *page = nullptr;

    RasterPage()
    {
        page = static_cast<RasterSurface *>(&host.addSurface(std::make_unique<RasterSurface>(
            u"PictureTEXTE"_s, 600, 200, 1.0, std::make_shared<TestMetrics>())));
        renderer.setSurface(page);
    }
    void render(const QString &body, std::optional<TextHighlight> highlight)
    {
        state.highlight = std::move(highlight);
        renderer.RenderPageText(body);
    }
    QColor at(int x, int y) const { return page->image().pixelColor(x, y); }
    int markedPixels() const
    {
        int n = 0;
        const QImage &img = page->image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixelColor(x, y) == RasterSurface::markColour();
        return n;
    }
};

TEST(SearchHighlight, MarkBehindEachOccurrenceOnScreen)
{
    RasterPage p;
    // "ion" at characters 8..10 and 23..25 of the run: pixels 64..87 and 184..207.
    p.render(u"La dilution d'une solution\u00b6\r\nabc\u00b6\r\n"_s,
             PageSearch::highlightFor({u"ion"_s}, {}));
    EXPECT_EQ(p.at(65, 1), RasterSurface::markColour());
    EXPECT_EQ(p.at(86, 1), RasterSurface::markColour());
    EXPECT_EQ(p.at(185, 1), RasterSurface::markColour());
    EXPECT_EQ(p.at(65, 15), RasterSurface::markColour());
    // Before, between and after the words the page stays white.
    EXPECT_EQ(p.at(2, 1), QColor(Qt::white));
    EXPECT_EQ(p.at(62, 1), QColor(Qt::white));
    EXPECT_EQ(p.at(120, 1), QColor(Qt::white));
    EXPECT_EQ(p.at(210, 1), QColor(Qt::white));
    EXPECT_EQ(p.at(65, 20), QColor(Qt::white)); // the next line
}

TEST(SearchHighlight, AccentOptionMarksTheAccentedWord)
{
    RasterPage p;
    const SearchOptions accents{false, true};
    p.render(u"Le champ \u00c9lectrique\u00b6\r\n"_s, PageSearch::highlightFor({u"electrique"_s}, accents));
    EXPECT_EQ(p.at(9 * 8 + 2, 1), RasterSurface::markColour()); // "Électrique" starts at character 9
    EXPECT_EQ(p.at(4 * 8, 1), QColor(Qt::white));

    RasterPage plain;
    plain.render(u"Le champ \u00c9lectrique\u00b6\r\n"_s, PageSearch::highlightFor({u"electrique"_s}, {}));
    EXPECT_EQ(plain.markedPixels(), 0);
}

TEST(SearchHighlight, NeverInsideACommandNorWithoutHighlight)
{
    RasterPage command;
    command.render(u"##INDion\r\n##C009\r\nxx\u00b6\r\n"_s, PageSearch::highlightFor({u"ion"_s}, {}));
    EXPECT_EQ(command.markedPixels(), 0);

    RasterPage none;
    none.render(u"La dilution\u00b6\r\n"_s, std::nullopt);
    EXPECT_EQ(none.markedPixels(), 0);
}

TEST(SearchHighlight, NotInPrintMode)
{
    RasterPage p;
    p.state.printMode = true;
    p.render(u"La dilution\u00b6\r\n"_s, PageSearch::highlightFor({u"ion"_s}, {}));
    EXPECT_EQ(p.markedPixels(), 0);
}

TEST(SearchHighlight, TraceUnchanged)
{
    const QString body =
        u"##SI14\r\nLa dilution d'une solution\u00b6\r\n##C004\r\n##ALCE\r\n##RELIEF104\r\nion\u00b6\r\n"_s;
    const auto trace = [&](std::optional<TextHighlight> highlight) {
        TraceLog log;
        OffscreenHost host(&log);
        RenderState state;
        state.highlight = std::move(highlight);
        PageRenderer renderer(state, host);
        DrawingSurface &s = host.addSurface(std::make_unique<RecordingSurface>(
            u"PictureTEXTE"_s, log, std::make_shared<TestMetrics>(), 600, 1000));
        renderer.setSurface(&s);
        renderer.RenderPageText(body);
        return log.lines();
    };
    const QStringList plain = trace(std::nullopt);
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_EQ(trace(PageSearch::highlightFor({u"ion"_s, u"la"_s}, {})), plain);
}

// ---- Page display hands the words to the renderer for one page ---------------

class HighlightView final : public PageView {
public:
    explicit HighlightView(Session &session) : m_session(session) {}
    std::vector<std::optional<TextHighlight>> seen;

    void setIllustrationVisible(bool) override {}
    void setBodyVisible(bool) override {}
    void clearLinks() override {}
    void setScrollBarVisible(bool) override {}
    void resetDrawing() override {}
    void setCaption(const QString &) override {}
    void setBackEnabled(bool) override {}
    void setForwardEnabled(bool) override {}
    void renderBody(const QString &) override { seen.push_back(m_session.render.highlight); }
    PageAreaInputs pageAreaInputs() const override { return {}; }
    void applyPageArea(const PageAreaLayout &) override {}
    void setChapterButtons(bool, bool) override {}
    void setPrintEnabled(bool) override {}
    void setContentsButton(const QString &, const QString &) override {}

private:
    Session &m_session;
};

TEST(SearchHighlight, OnlyThePageOpenedFromTheResults)
{
    Session session;
    FakeCourseRows rows;
    rows.rows = {FakeCourseRows::page(1, 1), FakeCourseRows::page(2, 2)};
    rows.setAbsolutePosition(1);
    HighlightView view(session);
    PageDisplay display(session, rows, view);

    session.searchHighlight = PageSearch::highlightFor({u"Champ"_s}, {});
    display.DisplayPage();
    display.DisplayPage();
    ASSERT_EQ(view.seen.size(), 2u);
    ASSERT_TRUE(view.seen[0].has_value());
    EXPECT_EQ(view.seen[0]->words, QStringList{u"champ"_s});
    EXPECT_FALSE(view.seen[1].has_value());
    EXPECT_FALSE(session.searchHighlight.has_value());
    EXPECT_FALSE(session.render.highlight.has_value());
}

} // namespace
