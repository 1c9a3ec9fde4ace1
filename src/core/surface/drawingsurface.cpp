#include "core/surface/drawingsurface.h"

namespace vorlane {

void DrawingSurface::newLine()
{
    m_currentY += textHeight(QStringLiteral("Wq"));
    m_currentX = 0;
}

void DrawingSurface::setFontName(const QString &name)
{
    if (!name.isEmpty())
        m_font.name = name;
}

void DrawingSurface::setFontSize(double points)
{
    if (points > 0)
        m_font.size = points;
}

} // namespace vorlane
