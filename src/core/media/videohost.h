#pragma once

#include <QString>

namespace vorlane {

// The window side of video playback: the main window's controls that the
// transport buttons, the projector and the video menu act on.
class VideoHost {
public:
    virtual ~VideoHost() = default;

    // The hourglass (true) or the normal pointer on the main window.
    virtual void setBusyPointer(bool busy) = 0;
    // The hourglass on transport button i, or its own pointer back.
    virtual void setButtonBusy(int button, bool busy) = 0;
    // Lets pending window events run.
    virtual void processEvents() = 0;
    // Shows or hides the projector image `projo`.
    virtual void setProjectorVisible(bool visible) = 0;
    // The width of the progress bar `Shape1`, in twips (full: 3255).
    virtual void setProgressWidth(double twips) = 0;
    // Follows the link of the contents button `Command2` (its Tag as target).
    virtual void followContentsLink() = 0;
    // Draws the page on display again, in place.
    virtual void redrawPage() = 0;

    // The video file locator of the disc folders: `name` becomes the full path
    // of the file found in a disc's video folder, or the empty text when the
    // user gave up at the insert-disc question.
    virtual void LocateVideoFile(QString &name) = 0;
    // The disc's video folder of the last successful search (empty before).
    virtual QString videoFolder() const = 0;
};

} // namespace vorlane
