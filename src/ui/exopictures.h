#pragma once

#include <QImage>

namespace vorlane {

// The pictures of the test window, drawn rather than stored: the seven score
// faces (image list `smile`, 1 the worst to 7 the best), the two marks drawn
// beside the answer controls of an answered question (`Image3` beside a
// control of the solution, `Image5` beside one that is not), the two pictures
// of the correct-answer popup's blinking, and the validate picture.
class ExoPictures {
public:
    // Face n (1..7) in a square of `size` pixels: red and frowning (1) to
    // green and beaming (7).
    static QImage face(int n, int size, qreal devicePixelRatio = 2.0);
    // A green tick (inSolution) or a red cross, `size` pixels square.
    static QImage mark(bool inSolution, int size, qreal devicePixelRatio = 1.0);
    // Picture 1 or 2 of the popup's blinking.
    static QImage blink(int which, int size, qreal devicePixelRatio = 2.0);
};

} // namespace vorlane
