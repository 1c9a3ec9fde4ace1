#include "core/render/offscreenhost.h"

#include "core/render/datapictures.h"
#include "core/render/surfacenames.h"
#include "core/surface/recordingsurface.h"

namespace vorlane {

namespace {

void resizeArea(DrawingSurface *area, std::optional<double> widthPx, std::optional<double> heightPx)
{
    if (!area)
        return;
    if (auto *recording = dynamic_cast<RecordingSurface *>(area)) {
        if (widthPx)
            recording->setWidthQuietly(*widthPx);
        if (heightPx)
            recording->setHeightQuietly(*heightPx);
        return;
    }
    if (widthPx)
        area->setWidth(*widthPx);
    if (heightPx)
        area->setHeight(*heightPx);
}

} // namespace

DrawingSurface &OffscreenHost::addSurface(std::unique_ptr<DrawingSurface> surface)
{
    m_surfaces.push_back(std::move(surface));
    return *m_surfaces.back();
}

DrawingSurface *OffscreenHost::surface(const QString &name)
{
    for (const auto &s : m_surfaces) {
        if (s->name() == name)
            return s.get();
    }
    return nullptr;
}

std::optional<Picture> OffscreenHost::dataPicture(const QString &name)
{
    return m_pictures.load(DataPictures::find(m_dataFolder, name));
}

std::optional<Picture> OffscreenHost::listIcon(int list, int index)
{
    return m_lists.picture(list, index);
}

void OffscreenHost::setAreaWidths(double illustrationPx, double bodyPx)
{
    resizeArea(surface(SurfaceNames::body.toString()), bodyPx, std::nullopt);
    resizeArea(surface(SurfaceNames::illustration.toString()), illustrationPx,
               illustrationPx != 0 ? std::optional<double>(420) : std::nullopt);
}

void OffscreenHost::showVideoFrame(const QString &name)
{
    m_videoName = name;
    m_videoFrame = true;
}

} // namespace vorlane
