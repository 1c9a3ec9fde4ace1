// The progress strip under the cover while the page index loads.
#include "ui/progressstrip.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <gtest/gtest.h>

using namespace vorlane;

namespace {

// Counts the strip's paints.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

} // namespace

// Filling a strip of 320 pixels one pixel at a time paints it at most once per
// 20 ms of the loop, and its last state once the event loop runs again.
TEST(ProgressStripWidget, PaintsAtMostEvery20MsAndShowsItsLastStateAfterTheLoop)
{
    QWidget window;
    window.resize(400, 100);
    ProgressStripWidget strip(&window);
    strip.resize(320, 10);
    window.show();
    QApplication::processEvents();
    PaintCounter counter;
    strip.installEventFilter(&counter);

    QElapsedTimer loop;
    loop.start();
    for (int pixel = 1; pixel <= 320; ++pixel)
        strip.fill(pixel / 320.0);
    const qint64 spent = loop.elapsed();
    EXPECT_GE(counter.paints, 1);
    EXPECT_LE(counter.paints, spent / RepaintPace::kIntervalMs + 1) << spent << " ms";
    EXPECT_EQ(strip.filledPixels(), 320);

    QApplication::processEvents();
    const QImage shown = strip.grab().toImage();
    EXPECT_EQ(shown.pixelColor(319, 5), QColor(255, 180, 50));
}
