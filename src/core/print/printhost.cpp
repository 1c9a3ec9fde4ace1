#include "core/print/printhost.h"

#include "core/surface/fontmeasurer.h"
#include "core/surface/recordingsurface.h"

namespace vorlane {

PrintHost::~PrintHost() = default;

void PrintHost::setSheet(DrawingSurface *sheet)
{
    m_sheet = sheet;
    m_scratchLog.clear();
}

DrawingSurface *PrintHost::surface(const QString &name)
{
    if (name == u"PictureTEXTE" || name == u"printer")
        return m_sheet;
    for (const auto &s : m_scratch) {
        if (s->name() == name)
            return s.get();
    }
    // The window's other picture areas, at their screen sizes; nothing drawn on
    // them reaches the paper.
    double w = 180, h = 420;
    if (name == u"titre") {
        w = 600;
        h = 60;
    } else if (name == u"bastitre") {
        w = 600;
        h = 30;
    } else if (name != u"PICTUREILLUS") {
        return nullptr;
    }
    m_scratch.push_back(
        std::make_unique<RecordingSurface>(name, m_scratchLog, std::make_shared<FontMeasurer>(), w, h));
    return m_scratch.back().get();
}

} // namespace vorlane
