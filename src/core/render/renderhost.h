#pragma once

#include "core/surface/drawingsurface.h"

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
    // nullptr when this window has none.
    virtual DrawingSurface *surface(const QString &name)
    {
        Q_UNUSED(name);
        return nullptr;
    }

    // Screen twips per pixel (15 on every screen this program runs on).
    virtual double twipsPerPixelX() const { return 15; }
    virtual double twipsPerPixelY() const { return 15; }

    // The hourglass pointer while a body is drawn (true), the normal one after.
    virtual void setBusyPointer(bool busy) { Q_UNUSED(busy); }

    // The trace for records that are not surface operations ("up", "surface",
    // "largeur", "label", "image", "menu", "caption", "video", "exo"), or
    // nullptr when nothing is traced (the windows).
    virtual TraceLog *trace() { return nullptr; }

    // ---- Pictures (IMA, IXA, IHDEF, IJA) --------------------------------------

    // The picture of the data folder named `name` (as the markup gives it:
    // the name is cut after its last "\" or "/", then looked up ignoring
    // case), or nullopt when the name is blank, the file is missing or is not a
    // readable picture.
    virtual std::optional<Picture> dataPicture(const QString &name)
    {
        Q_UNUSED(name);
        return std::nullopt;
    }
    // Icon `index` (from 1) of the window's image list 1 or 2, or nullopt.
    virtual std::optional<Picture> listIcon(int list, int index)
    {
        Q_UNUSED(list);
        Q_UNUSED(index);
        return std::nullopt;
    }
    // Width in pixels of the icons of image list 1 (20) or 2 (32).
    virtual double listIconWidthPx(int list) const { return list == 2 ? 32 : 20; }

    // LARGEUR: the body area becomes bodyPx wide and the illustration area
    // illustrationPx wide (and 420 pixels high when that is not 0).
    virtual void setAreaWidths(double illustrationPx, double bodyPx)
    {
        Q_UNUSED(illustrationPx);
        Q_UNUSED(bodyPx);
    }

    // ---- Links and floating menus (LIERT, LIERI, LIERX, LIERF, ADMEN) ----------

    // A control placed over a surface: which element of its array was taken,
    // and its width in twips (the position advances by it).
    struct PlacedControl {
        int index = 0;
        double width = 0;
    };

    // Takes a free `Labelien` element (the lowest index whose Tag is empty, else
    // 0), places it on `container` at (left, top) with the caption, tag, font
    // and colour given, and shows it. nullopt when this window has no links.
    virtual std::optional<PlacedControl> placeTextLink(DrawingSurface &container, double left, double top,
                                                       const QString &caption, const QString &tag,
                                                       const FontSpec &font, const QColor &colour)
    {
        Q_UNUSED(container);
        Q_UNUSED(left);
        Q_UNUSED(top);
        Q_UNUSED(caption);
        Q_UNUSED(tag);
        Q_UNUSED(font);
        Q_UNUSED(colour);
        return std::nullopt;
    }
    // Takes a free `Imagelien` element and shows icon `icon` of image list
    // `list` in it, with its tag and tool tip.
    virtual std::optional<PlacedControl> placePictureLink(DrawingSurface &container, double left, double top,
                                                          int list, int icon, const QString &tag,
                                                          const QString &toolTip)
    {
        Q_UNUSED(container);
        Q_UNUSED(left);
        Q_UNUSED(top);
        Q_UNUSED(list);
        Q_UNUSED(icon);
        Q_UNUSED(tag);
        Q_UNUSED(toolTip);
        return std::nullopt;
    }
    // The cell [link][entry][column] of the floating-menu table (column 1
    // caption, column 2 target), and setting one.
    virtual QString floatMenuCell(int link, int entry, int column) const
    {
        Q_UNUSED(link);
        Q_UNUSED(entry);
        Q_UNUSED(column);
        return {};
    }
    virtual void setFloatMenuCell(int link, int entry, int column, const QString &text)
    {
        Q_UNUSED(link);
        Q_UNUSED(entry);
        Q_UNUSED(column);
        Q_UNUSED(text);
    }

    // ---- Window caption, video and test controls (TITBAR, VIDEO, EXO...) -------

    // The main window's caption.
    virtual void setCaption(const QString &text) { Q_UNUSED(text); }
    // The page names its video: the name is stored, the video frame shown.
    virtual void showVideoFrame(const QString &name) { Q_UNUSED(name); }

    // Answer controls of the test window.
    enum class TestControl { Option, Check, Text, Image1, Label, IcoVideo };
    // Places the control at (left, top) on `container` and shows it; Option
    // and Check take the first element not yet visible. Returns its width in
    // twips, or nullopt when nothing was placed (no such control, or every
    // element is visible already).
    virtual std::optional<double> placeTestControl(DrawingSurface &container, TestControl kind, double left,
                                                   double top, const QString &caption, const QString &tag,
                                                   const QString &toolTip, const FontSpec &font,
                                                   const QColor &colour)
    {
        Q_UNUSED(container);
        Q_UNUSED(kind);
        Q_UNUSED(left);
        Q_UNUSED(top);
        Q_UNUSED(caption);
        Q_UNUSED(tag);
        Q_UNUSED(toolTip);
        Q_UNUSED(font);
        Q_UNUSED(colour);
        return std::nullopt;
    }
};

} // namespace vorlane
