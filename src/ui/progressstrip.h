#pragma once

#include "core/course/pageindexloader.h"

#include <QElapsedTimer>
#include <QWidget>

namespace vorlane {

// The progress strip `labelvorlane` under the cover while the page index
// loads: filled from its left edge in RGB(255, 180, 50).
class ProgressStripWidget final : public QWidget, public ProgressStrip {
    Q_OBJECT
public:
    explicit ProgressStripWidget(QWidget *parent);

    void centre() override;
    void fill(double fraction) override;
    void finish() override { hide(); }

    // Filled width in pixels.
    int filledPixels() const { return m_filled; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_filled = 0;
    RepaintPace m_pace;
    QElapsedTimer m_clock;
};

} // namespace vorlane
