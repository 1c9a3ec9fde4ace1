#include "core/surface/shapedruns.h"

#include <QTextLayout>
#include <QTextOption>

namespace vorlane {

namespace {

// Text that QPainter::drawText lays out exactly as one line of a QTextLayout:
// no bidirectional text, no control or line separator characters (a line of a
// layout treats them its own way), no soft hyphens.
bool plainLeftToRight(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0xad || u == 0x2028 || u == 0x2029)
            return false;
        if (c.isSurrogate())
            continue;
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirPDF:
        case QChar::DirRLI:
        case QChar::DirLRI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return false;
        default:
            break;
        }
    }
    return true;
}

} // namespace

ShapedRun ShapedRuns::shape(const QFont &font, const QString &drawn)
{
    ShapedRun run;
    if (drawn.isEmpty())
        return run;
    QTextLayout layout(drawn, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return run;
    }
    line.setLineWidth(1.0e6);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    run.advance = line.horizontalAdvance();
    if (!plainLeftToRight(drawn))
        return run;
    // Text that falls back to other fonts is drawn piece by piece by drawText,
    // each piece placed after the last: only a run of one font is drawn from here.
    const QList<QGlyphRun> glyphs = line.glyphRuns();
    if (glyphs.size() != 1)
        return run;
    QGlyphRun g = glyphs.first();
    QList<QPointF> positions = g.positions();
    const double ascent = line.ascent();
    for (QPointF &p : positions)
        p.ry() -= ascent;
    g.setPositions(positions);
    run.glyphs = std::move(g);
    return run;
}

const ShapedRun &ShapedRuns::run(const QString &fontKey, const QFont &font, const QString &drawn)
{
    Key key{fontKey, drawn};
    auto it = m_runs.constFind(key);
    if (it != m_runs.constEnd())
        return *it;
    if (m_runs.size() >= kCapacity)
        m_runs.clear();
    ++m_shaped;
    return *m_runs.insert(std::move(key), shape(font, drawn));
}

} // namespace vorlane
