#pragma once

#include "core/render/floatmenu.h"
#include "core/render/linkelements.h"
#include "core/render/testcontrols.h"
#include "core/surface/drawingsurface.h"
#include "core/surface/twips.h"

#include <QColor>
#include <QString>
#include <optional>

namespace vorlane {

class TraceLog;

// The window side of the renderer: everything a page body reaches that is not
// the surface it is drawn on. The main window, the test window, printing and
// the command-line tool each give the renderer their own host.
//
// Every operation is total: a host that has no such control (the test window
// has no title band, printing has no links) keeps the default, which does
// nothing, and the renderer skips the step, as a missing control element is
// skipped on the page.
class RenderHost {
public:
    virtual ~RenderHost() = default;

    // ---- Surfaces and screen -------------------------------------------------

    // The picture area with this control name: "PictureTEXTE" (page body),
    // "PICTUREILLUS" (illustration), "titre" and "bastitre" (title bands), or
    // nullptr when this window has none. OBJ moves the drawing to the surface
    // the host gives. A host that draws for the printer gives the printer for
    // "PictureTEXTE" and a scratch surface for the others, so that a body that
    // draws on the illustration area prints its body only.
    virtual DrawingSurface *surface(const QString &name)
    {
        Q_UNUSED(name);
        return nullptr;
    }

    // Screen twips per pixel (15 on every screen this program runs on).
    virtual double twipsPerPixelX() const { return kTwipsPerPixel; }
    virtual double twipsPerPixelY() const { return kTwipsPerPixel; }

    // The hourglass pointer while a body is drawn (true), the normal one after.
    virtual void setBusyPointer(bool busy) { Q_UNUSED(busy); }

    // The trace for records that are not surface operations ("up", "surface",
    // "largeur", "label", "image", "menu", "caption", "video", "exo"), or
    // nullptr when nothing is traced (the windows).
    virtual TraceLog *trace() { return nullptr; }

    // ---- Pictures (IMA, IXA, IHDEF, IJA) --------------------------------------

    // The picture file `name` of the data folders, or nullopt when there is
    // none or it is not a readable picture (nothing is then drawn and nothing
    // moves). The renderer hands over a bare, non-blank file name (already cut
    // after its last "\" or "/"). The host finds it without regard to letter
    // case (DataPictures::find: the exact name first, else the first match in
    // sorted order) and reads it with DataPictures::load, whose `file` is the
    // name on disk. The course window looks in the application folder, then in
    // the disc's picture folder (asking for the disc); the tool in its --data
    // folder.
    virtual std::optional<Picture> dataPicture(const QString &name)
    {
        Q_UNUSED(name);
        return std::nullopt;
    }
    // Icon `index` (from 1) of image list 1 or 2 (ImageLists::picture), or
    // nullopt. The renderer paints it at listIconWidthPx(list) x 15 twips
    // square, so the image may be drawn at the window's device pixel ratio.
    virtual std::optional<Picture> listIcon(int list, int index)
    {
        Q_UNUSED(list);
        Q_UNUSED(index);
        return std::nullopt;
    }
    // Width (and height) in pixels of the icons of image list 1 (20) or 2 (32).
    virtual double listIconWidthPx(int list) const { return list == 2 ? 32 : 20; }

    // LARGEUR: the body area becomes bodyPx wide and the illustration area
    // illustrationPx wide (and 420 pixels high when that is not 0); a negative
    // width is refused (that area keeps its size). The renderer writes the
    // `largeur` record; resizing writes no `width` or `height` record.
    virtual void setAreaWidths(double illustrationPx, double bodyPx)
    {
        Q_UNUSED(illustrationPx);
        Q_UNUSED(bodyPx);
    }

    // ---- Links and floating menus (LIERT, LIERI, LIERX, LIERF, ADMEN) ----------

    // The window's link elements, or nullptr when it has none (printing). The
    // renderer takes a free element (LinkElements::takeFree), fills it, makes
    // it visible, then calls linkShown. Without link elements the position
    // still advances by the width the link would have had, so a page lays out
    // the same on every surface.
    virtual LinkElements *linkElements() { return nullptr; }
    // Element `index` of `array` of linkElements() has just been placed,
    // filled and made visible: the window shows it (see LinkElements for how).
    virtual void linkShown(LinkArray array, int index)
    {
        Q_UNUSED(array);
        Q_UNUSED(index);
    }
    // The floating-menu table that ADMEN fills, or nullptr when there is none.
    virtual FloatMenu *floatMenu() { return nullptr; }

    // ---- Window caption, video and test controls (TITBAR, VIDEO, EXO...) -------

    // TITBAR: the main window's caption becomes `text` (the whole caption).
    virtual void setCaption(const QString &text) { Q_UNUSED(text); }
    // VIDEO: the page names its video: the host stores the name (the shared
    // videoName that playback reads), gives the illustration area a single
    // fixed border and shows the video frame `label15` with its bar empty.
    virtual void showVideoFrame(const QString &name) { Q_UNUSED(name); }

    // ---- Answer controls of the test window (EXOOP, EXOCK, EXOTX, EXOLI, EXOVI) --

    // The test window's answer controls, or nullptr when this window has none
    // (the course window, printing): the EXO commands then place nothing.
    virtual TestControls *testControls() { return nullptr; }
    // A control of testControls() has just been placed and made visible
    // (`index` 0 to 4 for option buttons and check boxes, -1 otherwise).
    virtual void testControlShown(TestControls::Kind kind, int index)
    {
        Q_UNUSED(kind);
        Q_UNUSED(index);
    }
};

} // namespace vorlane
