#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace vorlane {

// Drawing one page body away from the window, as `vorlane-tool render-markup`
// (and `render --course`) do: the body surface `PictureTEXTE` is widthPx x 1000
// pixels before the body, `titre` 600 x 60, `bastitre` 600 x 30,
// `PICTUREILLUS` 180 x 420; pageHeight starts at 0.
struct MarkupRenderOptions {
    bool testMetrics = false; // fixed test metrics instead of the real fonts
    double widthPx = 600;
    bool printMode = false;
    QString dataFolder; // where pictures are looked up
};

class MarkupRender {
public:
    // The drawing trace of the body (JSON lines, ending with the "end"
    // record), measured with the test metrics or the real fonts.
    static std::optional<QByteArray> trace(QStringView body, const MarkupRenderOptions &options,
                                           QString *error);
    // The body surface PictureTEXTE as drawn on raster surfaces with the real
    // fonts (laid out with the test metrics when asked), at its height after
    // the body; nullopt with a message when it is 0 pixels high. The links are
    // painted over it as the window shows them when the mouse is away: text
    // links as their captions in their own font and colour, picture links as
    // their icons.
    static std::optional<QImage> picture(QStringView body, const MarkupRenderOptions &options,
                                         QString *error);
};

} // namespace vorlane
