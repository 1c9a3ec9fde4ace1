#include "core/render/pagerenderer.h"

#include "core/render/commandtable.h"
#include "core/surface/twips.h"
#include "core/text/int16.h"
#include "core/text/palette.h"
#include "core/text/searchfold.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace vorlane {

namespace {
constexpr char16_t Pilcrow = u'\u00B6';
}

PageRenderer::PageRenderer(RenderState &state, RenderHost &host) : m_state(state), m_host(host) {}

double PageRenderer::nearest(double v)
{
    return std::nearbyint(v);
}

bool PageRenderer::fitsSingle(double v)
{
    return std::isfinite(v) && std::fabs(v) <= double(FLT_MAX);
}

void PageRenderer::setX(double x)
{
    if (fitsSingle(x))
        m_surface->setCurrentX(x);
}

void PageRenderer::setY(double y)
{
    if (fitsSingle(y))
        m_surface->setCurrentY(y);
}

void PageRenderer::line(double x1, double y1, double x2, double y2, const QColor &colour, LineStyle style)
{
    if (fitsSingle(x1) && fitsSingle(y1) && fitsSingle(x2) && fitsSingle(y2))
        m_surface->line(x1, y1, x2, y2, colour, style);
}

void PageRenderer::circle(double x, double y, double r, const QColor &colour, double start, double end)
{
    if (fitsSingle(x) && fitsSingle(y) && fitsSingle(r))
        m_surface->circle(x, y, r, colour, start, end);
}

void PageRenderer::pset(double x, double y, const QColor &colour)
{
    if (fitsSingle(x) && fitsSingle(y))
        m_surface->pset(x, y, colour);
}

void PageRenderer::setFontSize(double points)
{
    if (fitsSingle(points) && points > 0)
        m_surface->setFontSize(points);
}

std::optional<Picture> PageRenderer::dataPicture(const QString &bareName)
{
    for (auto it = m_pictures.begin(); it != m_pictures.end(); ++it) {
        if (it->first == bareName) {
            std::rotate(it, it + 1, m_pictures.end());
            return m_pictures.back().second;
        }
    }
    if (m_pictures.size() >= kRememberedPictures)
        m_pictures.erase(m_pictures.begin());
    m_pictures.emplace_back(bareName, m_host.dataPicture(bareName));
    return m_pictures.back().second;
}

void PageRenderer::ResetLayout()
{
    m_pictures.clear(); // a new body sees the files as they are now
    if (!m_surface)
        return;
    DrawingSurface &s = *m_surface;
    LayoutState &l = m_state.layout;
    l.illustrationUp = false;
    l.pendingLinkText.clear();
    s.setFontSize(10);
    s.setFontName(QStringLiteral("Arial"));
    s.setBold(false);
    s.setUnderline(false);
    s.setItalic(false);
    s.setForeColor(PaletteColour(0));
    s.setCurrentX(0);
    s.setCurrentY(0);
    l.reliefDepth = 0;
    l.alignment = 0;
    l.inTable = false;
    for (int i = 1; i <= 5; ++i)
        l.borderColour[i] = PaletteColour(9);
    l.lineFactor = 1.0f;
    l.leftMargin = 0;
    AssignInt16(l.rightEdge, m_state.printMode ? 600 * m_host.twipsPerPixelY() : s.scaleWidth());
    s.setDrawWidth(m_state.printMode ? 3 : 1);
    m_host.setBusyPointer(true);
    if (m_state.pageHeight != 0)
        moveTo(0, m_state.pageHeight);
}

void PageRenderer::RenderPageText(QStringView body)
{
    if (!m_surface)
        return;
    ResetLayout();
    qsizetype pos = 0;
    while (true) {
        const qsizetype end = body.indexOf(u"\r\n", pos);
        if (end < 0)
            break; // text after the last CR LF is not drawn
        const QStringView line = body.sliced(pos, end - pos);
        pos = end + 2;
        if (line.startsWith(u"##")) {
            ExecuteMarkupLine(line);
        } else {
            const bool endsLine = line.endsWith(Pilcrow);
            drawTextRun((endsLine ? line.chopped(1) : line).toString(), endsLine);
        }
    }
    DrawingSurface &s = *m_surface;
    if (m_state.printMode) {
        m_state.pageHeight = 0;
        return;
    }
    AssignInt32(m_state.pageHeight, s.currentY());
    s.setHeight(s.currentY() / m_host.twipsPerPixelY()); // refused when negative
    m_host.setBusyPointer(false);
}

void PageRenderer::ExecuteMarkupLine(QStringView line)
{
    if (!m_surface)
        return;
    CommandTable::execute(*this, line.size() > 2 ? line.sliced(2) : QStringView());
}

void PageRenderer::markWords(const QString &text)
{
    DrawingSurface &s = *m_surface;
    const double x = s.currentX();
    const double y = s.currentY();
    if (!fitsSingle(x) || !fitsSingle(y))
        return;
    const SearchFold fold(m_state.highlight->ignoreAccents);
    const std::vector<TextRange> found = fold.occurrences(text, m_state.highlight->words);
    if (found.empty())
        return;
    const double height = s.textHeight(text);
    for (const TextRange &r : found) {
        const double left = x + s.textWidth(text.left(r.start));
        s.markBehind(left, y, s.textWidth(text.sliced(r.start, r.end - r.start)), height);
    }
}

void PageRenderer::drawTextRun(const QString &text, bool endsLine)
{
    DrawingSurface &s = *m_surface;
    LayoutState &l = m_state.layout;
    if (l.alignment == 1)
        setX((double(l.leftMargin) + l.rightEdge - s.textWidth(text)) / 2);
    else if (l.alignment == 2)
        setX(l.rightEdge - s.textWidth(text));
    if (l.lineShift != 0)
        setY(s.currentY() + l.lineShift);
    if (m_state.highlight && !m_state.printMode)
        markWords(text);
    if (l.reliefDepth != 0) {
        const QColor colour = s.foreColor();
        const double x = s.currentX();
        const double y = s.currentY();
        const QColor shadow = PaletteColour(l.reliefColour);
        if (shadow.isValid())
            s.setForeColor(shadow);
        moveTo(x + l.reliefDepth * kTwipsPerPixel, y + l.reliefDepth * kTwipsPerPixel);
        s.print(text);
        s.setForeColor(colour);
        s.setCurrentX(x);
        s.setCurrentY(y);
    }
    s.print(text);
    if (l.lineShift != 0) {
        setY(s.currentY() - l.lineShift);
        l.lineShift = 0;
    }
    if (endsLine) {
        setY(s.currentY() + s.textHeight(QStringLiteral("Wq")) * double(l.lineFactor));
        setX(l.leftMargin);
    }
}

} // namespace vorlane
