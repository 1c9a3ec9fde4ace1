#pragma once

#include "core/render/floatmenu.h"
#include "core/render/imagelists.h"
#include "core/render/linkelements.h"
#include "core/render/picturecache.h"
#include "core/render/renderhost.h"

#include <QString>
#include <memory>
#include <vector>

namespace vorlane {

// The host of a body drawn away from any window (the command-line tool, the
// tests): it owns the picture areas by name, link elements, a floating-menu
// table and the image lists, looks pictures up in one data folder, keeps the
// caption and the video frame's state, and hands the records that are not
// surface operations to a trace.
class OffscreenHost : public RenderHost {
public:
    explicit OffscreenHost(TraceLog *trace = nullptr) : m_trace(trace) {}

    // Adds a surface; it is found by its name(). Returns it.
    DrawingSurface &addSurface(std::unique_ptr<DrawingSurface> surface);

    DrawingSurface *surface(const QString &name) override;
    TraceLog *trace() override { return m_trace; }

    // Folder where pictures named by the markup are looked up (none when
    // empty: every picture is then missing).
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }
    const QString &dataFolder() const { return m_dataFolder; }

    std::optional<Picture> dataPicture(const QString &name) override;
    std::optional<Picture> listIcon(int list, int index) override;
    // Resizes PictureTEXTE and PICTUREILLUS without writing records.
    void setAreaWidths(double illustrationPx, double bodyPx) override;

    LinkElements *linkElements() override { return &m_links; }
    FloatMenu *floatMenu() override { return &m_menu; }
    ImageLists &imageLists() { return m_lists; }

    void setCaption(const QString &text) override { m_caption = text; }
    const QString &caption() const { return m_caption; }
    void showVideoFrame(const QString &name) override;
    bool videoFrameShown() const { return m_videoFrame; }
    const QString &videoName() const { return m_videoName; }

    // The test window's answer controls, all hidden at first: a body drawn
    // here places them as the test window would.
    TestControls *testControls() override { return &m_testControls; }

private:
    TraceLog *m_trace;
    TestControls m_testControls;
    QString m_dataFolder;
    PictureCache m_pictures;
    std::vector<std::unique_ptr<DrawingSurface>> m_surfaces;
    LinkElements m_links;
    FloatMenu m_menu;
    ImageLists m_lists;
    QString m_caption;
    bool m_videoFrame = false;
    QString m_videoName;
};

} // namespace vorlane
