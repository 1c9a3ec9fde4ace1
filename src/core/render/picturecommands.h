#pragma once

#include <QStringView>

namespace vorlane {

class PageRenderer;

// Pictures from the data folders, icons of the image lists, and the commands
// that move the drawing to another picture area or resize the areas.
class PictureCommands {
public:
    enum class Mode {
        AtPosition = 0, // IMA: the position stays at the picture's top left
        Below = 1,      // IXA: the position moves below the picture
        Sized = 2,      // IHDEF: stretched to the size that ends the name, then below
    };

    // PlacePicture: the picture `name` (in Sized mode the name ends with
    // 3 digits of width and 3 of height in pixels) is cut after its last "\"
    // or "/" and asked of the host. When there is none, or it cannot be read,
    // nothing is drawn and nothing moves. Otherwise, centred (alignment 1) its
    // left is (leftMargin + rightEdge - width) / 2, right-aligned (2)
    // rightEdge - width, else CurrentX; it is drawn with its top left there, at
    // its pixel size x 15 twips (stretched in Sized mode), and CurrentY moves
    // down by its height in modes Below and Sized.
    static void PlacePicture(PageRenderer &r, QStringView name, Mode mode);

    // IJA: icon (last two characters) of image list 1 at the position, 20 x 20
    // pixels; CurrentX then moves right by the icon's width, even when the
    // index names no icon (below 1).
    static void icon(PageRenderer &r, QStringView command);
    // OBJ: the text after OBJ, compared exactly: TIT draws on `titre` from now
    // on, ILLUS on `PICTUREILLUS`, PRINCIPAL on `PictureTEXTE` (a `surface`
    // record, even when it is the current one already); TAILLE fits the
    // current surface's Height to CurrentY. ResetLayout follows in every case.
    static void object(PageRenderer &r, QStringView command);
    // LARGEUR: characters 8 to 10 give the illustration width a, the last 3
    // the body width b (pixels); the host resizes the areas (one `largeur`
    // record); rightEdge changes only at the next ResetLayout.
    static void areaWidths(PageRenderer &r, QStringView command);
};

} // namespace vorlane
