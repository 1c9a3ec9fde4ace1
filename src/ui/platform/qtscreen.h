#pragma once

#include "core/platform/screen.h"
#include "core/surface/twips.h"

#include <QPointer>
#include <QWidget>

namespace vorlane {

// The screen of a window (the primary screen before it has one), in logical
// pixels at 15 twips per pixel. No screen at all measures 0.
class QtScreen final : public Screen {
public:
    explicit QtScreen(QWidget *window = nullptr) : m_window(window) {}
    void setWindow(QWidget *window) { m_window = window; }

    double widthTwips() const override;
    double heightTwips() const override;
    double twipsPerPixelX() const override { return kTwipsPerPixel; }
    double twipsPerPixelY() const override { return kTwipsPerPixel; }
    QPoint originPx() const override;

private:
    QRect geometry() const;
    QPointer<QWidget> m_window;
};

} // namespace vorlane
