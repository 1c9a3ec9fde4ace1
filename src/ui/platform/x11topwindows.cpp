#include "ui/platform/x11topwindows.h"

namespace vorlane {

QList<TopWindow> X11TopWindows::list() const
{
    QList<TopWindow> out;
    for (quint32 w : m_display.topLevelWindows())
        out.append({w, m_display.title(w)});
    return out;
}

bool X11TopWindows::postQuit(quint64 window)
{
    if (window > 0xFFFFFFFFu)
        return false;
    return m_display.requestClose(quint32(window));
}

} // namespace vorlane
