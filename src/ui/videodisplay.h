#pragma once

#include <QImage>
#include <QWidget>

namespace vorlane {

// The picture of the playing video inside the illustration area PICTUREILLUS:
// a child widget placed over the part of the area the frame fills (as large as
// fits, aspect kept, centred). The frame is drawn from its full-size image at
// the screen's device pixel ratio, so it stays sharp on high-density screens.
class VideoDisplay final : public QWidget {
    Q_OBJECT
public:
    explicit VideoDisplay(QWidget *illustration);

    // Shows `frame` (pixels `pixelAspect` wide for 1 high) over the area.
    void showFrame(const QImage &frame, double pixelAspect);
    // Nothing on display: the area shows its own drawing again.
    void clear();
    const QImage &frame() const { return m_frame; }

    // Places the widget for the current frame and the area's size.
    void fitToArea();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QImage m_frame;
    double m_pixelAspect = 1;
};

} // namespace vorlane
