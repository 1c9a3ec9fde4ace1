#pragma once

namespace vorlane {

class PainterSurface;

// Paper orientation of a printed sheet (1 portrait, 2 landscape on the printer).
enum class SheetOrientation { Portrait = 1, Landscape = 2 };

// The sheets of one printed document: a printer, a print preview or a PDF file.
// A print run asks for each sheet with its orientation, draws it, and ends the
// document once. The orientation is given as the sheet begins, so that a
// landscape sheet is landscape from its first stroke.
class PrinterSheets {
public:
    virtual ~PrinterSheets() = default;

    // Begins the next sheet in `orientation`; the first call begins the
    // document. Returns the surface of that sheet: coordinates in twips, its
    // ScaleWidth and ScaleHeight the printable area of the sheet, the scale
    // left 0, the current position (0,0). The surface stays valid until the
    // next call or endDocument. nullptr when the device refuses the sheet
    // (nothing more can be printed).
    virtual PainterSurface *newSheet(SheetOrientation orientation) = 0;

    // Ends the document: it goes to the printer or to its file. False when it
    // could not be finished (the file could not be written). Without any sheet
    // it does nothing and returns true.
    virtual bool endDocument() = 0;
};

} // namespace vorlane
