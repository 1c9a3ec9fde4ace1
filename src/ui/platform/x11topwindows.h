#pragma once

#include "core/platform/topwindows.h"
#include "ui/platform/x11display.h"

namespace vorlane {

// The desktop's top-level windows through X11; the quit is a
// WM_DELETE_WINDOW request.
class X11TopWindows final : public TopWindows {
public:
    QList<TopWindow> list() const override;
    bool postQuit(quint64 window) override;

private:
    mutable X11Display m_display;
};

} // namespace vorlane
