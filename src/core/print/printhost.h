#pragma once

#include "core/render/renderhost.h"
#include "core/surface/tracelog.h"

#include <QString>
#include <memory>
#include <vector>

namespace vorlane {

// The renderer's host while a body is printed: the sheet being printed stands
// for the body area "PictureTEXTE"; the other picture areas ("PICTUREILLUS",
// "titre", "bastitre"...) are scratch surfaces that show nowhere, so a body
// that draws on them prints its body only. Pictures, list icons, the screen's
// twips per pixel and the busy pointer come from the window that prints.
// Printing places no links, fills no floating menu and leaves the window's
// caption and video alone.
class PrintHost final : public RenderHost {
public:
    explicit PrintHost(RenderHost &window) : m_window(window) {}
    ~PrintHost() override;

    // The sheet the body is drawn on (nullptr: none).
    void setSheet(DrawingSurface *sheet);

    DrawingSurface *surface(const QString &name) override;
    double twipsPerPixelX() const override { return m_window.twipsPerPixelX(); }
    double twipsPerPixelY() const override { return m_window.twipsPerPixelY(); }
    void setBusyPointer(bool busy) override { m_window.setBusyPointer(busy); }
    std::optional<Picture> dataPicture(const QString &name) override { return m_window.dataPicture(name); }
    std::optional<Picture> listIcon(int list, int index) override { return m_window.listIcon(list, index); }
    double listIconWidthPx(int list) const override { return m_window.listIconWidthPx(list); }

private:
    RenderHost &m_window;
    DrawingSurface *m_sheet = nullptr;
    TraceLog m_scratchLog; // what the scratch surfaces were given; cleared per sheet
    std::vector<std::unique_ptr<DrawingSurface>> m_scratch;
};

} // namespace vorlane
