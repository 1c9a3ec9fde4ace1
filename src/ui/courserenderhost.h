#pragma once

#include "core/app/disclocator.h"
#include "core/render/imagelists.h"
#include "core/render/linkelements.h"
#include "core/render/picturecache.h"
#include "core/render/renderhost.h"

namespace vorlane {

class MainWindow;
class SurfaceView;

// The course window's side of the renderer: its four picture areas, the
// pictures of the application folder and the disc, the image lists, the link
// elements (shown as widgets over their surface), the floating menus, the
// caption and the video frame.
class CourseRenderHost final : public RenderHost {
public:
    CourseRenderHost(MainWindow &window, DiscLocator disc) : m_window(window), m_disc(std::move(disc)) {}

    DrawingSurface *surface(const QString &name) override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    void setBusyPointer(bool busy) override;
    std::optional<Picture> dataPicture(const QString &name) override;
    std::optional<Picture> listIcon(int list, int index) override;
    void setAreaWidths(double illustrationPx, double bodyPx) override;
    LinkElements *linkElements() override { return &m_links; }
    void linkShown(LinkArray array, int index) override;
    FloatMenu *floatMenu() override;
    void setCaption(const QString &text) override;
    void showVideoFrame(const QString &name) override;

    // Where pictures and videos are looked for.
    DiscLocator &disc() { return m_disc; }

private:
    SurfaceView *viewOf(const QString &surfaceName) const;

    MainWindow &m_window;
    DiscLocator m_disc;
    LinkElements m_links;
    ImageLists m_lists;
    PictureCache m_pictures;
};

} // namespace vorlane
