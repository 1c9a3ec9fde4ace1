#include "core/render/linkelements.h"

#include "core/surface/fontmapper.h"
#include "core/surface/twips.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace vorlane {

LinkItem &LinkElements::element(LinkArray array, int i)
{
    i = std::clamp(i, 0, count(array) - 1);
    return array == LinkArray::Labelien ? m_labels[size_t(i)] : m_images[size_t(i)];
}

const LinkItem &LinkElements::element(LinkArray array, int i) const
{
    i = std::clamp(i, 0, count(array) - 1);
    return array == LinkArray::Labelien ? m_labels[size_t(i)] : m_images[size_t(i)];
}

int LinkElements::takeFree(LinkArray array) const
{
    // The scan runs from the highest index down and keeps the last free one
    // it met, which is the lowest.
    int found = 0;
    for (int i = count(array) - 1; i >= 0; --i) {
        if (element(array, i).tag.isEmpty())
            found = i;
    }
    return found;
}

void LinkElements::hideAll()
{
    auto hide = [](LinkItem &e) {
        e.visible = false;
        e.tag.clear();
        e.toolTip.clear();
    };
    std::for_each(m_labels.begin(), m_labels.end(), hide);
    std::for_each(m_images.begin(), m_images.end(), hide);
}

int LinkElements::visibleCount(LinkArray array) const
{
    int n = 0;
    for (int i = 0; i < count(array); ++i)
        n += element(array, i).visible ? 1 : 0;
    return n;
}

QRect LinkElements::widgetGeometry(LinkArray array, const LinkItem &item)
{
    int width = int(std::ceil(item.width / kTwipsPerPixel));
    const int height = int(std::ceil(item.height / kTwipsPerPixel));
    if (array == LinkArray::Labelien)
        width += 1; // the overhang of italic text
    return {int(std::lround(item.left / kTwipsPerPixel)), int(std::lround(item.top / kTwipsPerPixel)), width,
            height};
}

QString LinkElements::widgetText(const LinkItem &item)
{
    QStringList lines = item.caption.split(QStringLiteral("\r\n"));
    for (QString &line : lines)
        line = FontMapper::mapText(item.font.name, line);
    return lines.join(u'\n');
}

} // namespace vorlane
