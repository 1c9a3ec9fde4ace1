#include "core/course/pagedisplay.h"

#include "core/course/pagehistory.h"
#include "core/text/decimal.h"
#include "core/text/numbertext.h"

#include <utility>

namespace vorlane {

PageAreaLayout ComputePageArea(const PageAreaInputs &in)
{
    PageAreaLayout out;
    const int frameTop = in.titre.top() + in.titre.height();
    const int frameHeight = in.bastitre.top() - frameTop;
    const int frameWidth = in.body.width() + in.scrollBarWidth;

    out.scrollBar.value = 0;
    out.scrollBar.smallChange = 10;
    if (frameHeight - 15 >= 0)
        out.scrollBar.largeChange = frameHeight - 15;
    out.body = QPoint(0, 0);
    if (in.body.height() > frameHeight) {
        out.scrollBar.visible = true;
        out.scrollBar.minimum = 0;
        out.scrollBar.maximum = in.body.height() - frameHeight;
        out.scrollBar.geometry = QRect(in.body.width(), 0, in.scrollBarWidth, frameHeight);
    }

    const int frameLeft = in.innerWidth - frameWidth;
    out.frame = QRect(frameLeft, frameTop, frameWidth, frameHeight);

    if (in.illustration.width() != 0) {
        const int left = (frameLeft - in.illustration.width()) / 2;
        const int top =
            in.illustrationUp ? frameTop : frameTop + (frameHeight - in.illustration.height()) / 2;
        out.illustration = QPoint(left, top);
        if (in.videoFrameVisible) {
            out.videoFrame = QPoint(left + (in.illustration.width() - in.videoFrame.width()) / 2,
                                    top + in.illustration.height() + 1);
        }
    }
    return out;
}

PageDisplay::PageDisplay(CourseSession &session, CourseRows &rows, PageView &view)
    : m_session(session), m_rows(rows), m_view(view)
{
}

void PageDisplay::DisplayPage()
{
    const PageRecord record = PageRecord::read(m_rows);
    m_view.showRecord(record);

    m_view.setIllustrationVisible(false);
    m_view.setBodyVisible(false);
    m_view.clearLinks();
    m_view.setScrollBarVisible(false);
    m_view.resetDrawing();
    m_session.videoOpen = false;
    m_view.setCaption(productCaption());

    m_session.floatMenu.clear();

    const HistoryButtons history = RecordPageInHistory(m_session, DecimalRead(record.textID));
    if (history.forwardEnabled)
        m_view.setForwardEnabled(*history.forwardEnabled);
    m_view.setBackEnabled(history.backEnabled);

    // The words of a search are marked on the page opened from its results
    // only: the next page shown draws without them.
    m_session.render.highlight = std::exchange(m_session.searchHighlight, std::nullopt);
    m_view.renderBody(record.code);
    m_session.render.highlight.reset();

    m_view.applyPageArea(ComputePageArea(m_view.pageAreaInputs()));

    m_view.setChapterButtons(record.checkpre == 1, record.checksui == 1);
    m_view.setPrintEnabled(record.checkimp == 1);

    // Read by name, not through a bound control; empty or below 1 is the home page.
    std::int64_t contents = ToWholeSaturated(DecimalRead(m_rows.field(CoursField::sommaire())));
    if (contents < 1)
        contents = 1;
    m_view.setContentsButton(QStringLiteral("PA") + ZeroPadded(contents, 4),
                             contents == 1 ? QStringLiteral("Accueil") : QStringLiteral("Sommaire"));

    m_view.setIllustrationVisible(true);
    m_view.setBodyVisible(true);
}

} // namespace vorlane
