#pragma once

#include <QString>
#include <QStringView>

namespace vorlane {

class PageRenderer;

// Commands that act on the course window rather than on the surface: its
// caption and the video frame beside the page.
class WindowCommands {
public:
    // The caption of the course window without a page title (page display
    // puts it back before each body).
    static QString ProductTitle() { return QStringLiteral("Vorlane - Dorvance"); }

    // TITBAR: the window caption becomes the product title, 18 spaces, then
    // the text after TITBAR (a `caption` record).
    static void titleBar(PageRenderer &r, QStringView command);
    // VIDEO: the host stores the text after VIDEO as the page's videoName and
    // shows the video frame (a `video` record). Playback starts only when the
    // user asks.
    static void video(PageRenderer &r, QStringView command);
};

} // namespace vorlane
