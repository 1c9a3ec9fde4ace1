#include "core/render/offscreenhost.h"

namespace vorlane {

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

} // namespace vorlane
