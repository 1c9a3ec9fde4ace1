#include "core/companions/companionpainting.h"

#include "core/companions/updatedescription.h"
#include "core/surface/fontmapper.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

void PaintClosingBackground(QPainter &painter, const QSize &size)
{
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, kClosingBackground);
    g.setColorAt(1, QColor(236, 228, 196));
    painter.fillRect(QRect(QPoint(0, 0), size), g);
}

QColor UpdateBackdropColour(int row, int height)
{
    if (height <= 0)
        return QColor(0, 0, 255);
    const double t = 1.0 - double(row) / double(height);
    return QColor(0, 0, qBound(0, int(255 * t), 255));
}

QFont UpdateTitleFont()
{
    QFont f;
    f.setFamilies(FontMapper::families(u"Verdana"_s));
    f.setPointSize(18);
    f.setBold(true);
    return f;
}

void PaintUpdateBackdrop(QPainter &painter, const QSize &size)
{
    painter.save();
    for (int i = 0; i < size.height(); ++i) {
        painter.setPen(UpdateBackdropColour(i, size.height()));
        painter.drawLine(0, i, size.width(), i);
    }
    const QFont font = UpdateTitleFont();
    painter.setFont(font);
    const QFontMetrics fm(font);
    const QString title = UpdateWindowTitleText();
    const int x = (size.width() - fm.horizontalAdvance(title)) / 2;
    painter.setPen(Qt::black);
    painter.drawText(x + 2, 6 + fm.ascent(), title);
    painter.setPen(Qt::white);
    painter.drawText(x, 4 + fm.ascent(), title);
    painter.restore();
}

} // namespace vorlane
