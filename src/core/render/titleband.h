#pragma once

namespace vorlane {

class RenderHost;

// The gradient bands of the course window: `titre` above the page and
// `bastitre` below it, reached by name through the host.
class TitleBand {
public:
    // Sizes the bands (titre 60 pixels high and as wide as bastitre, bastitre
    // 30 high), then, for styles 0 to 4, paints them line by line: titre from
    // y 0 down to 60 pixels, bastitre from 30 pixels up to 0, each line across
    // the band's ScaleWidth. The bands' current positions are left as they
    // were. A band the host does not have is skipped.
    static void PaintTitleBand(RenderHost &host, int style);
};

} // namespace vorlane
