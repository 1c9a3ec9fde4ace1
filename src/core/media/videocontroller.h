#pragma once

#include "core/media/mediacontrol.h"
#include "core/media/videohost.h"
#include "core/platform/files.h"
#include "core/platform/prompts.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace vorlane {

// Video playback in the course window: opening the page's video, the seven
// transport buttons `Image4`, the progress bar, the media control's status and
// end notifications, the projector `projo` and the video menu `MENUVIDEO`.
//
// `videoName` and `videoOpen` are the session's shared values: the page's
// video as its markup names it (the full path once found) and whether the
// device was opened since the page was displayed (page display clears it).
class VideoController {
public:
    // Full width of the progress bar, in twips.
    static constexpr double kProgressFullTwips = 3255;
    static constexpr int kButtonCount = 7;
    enum Button {
        Play = 0,
        StepForward = 1,
        Pause = 2,
        StopRewind = 3,
        StepBack = 4,
        ToEnd = 5,
        ToStart = 6
    };

    VideoController(QString applicationFolder, QString &videoName, bool &videoOpen, MediaControl &media,
                    const Files &files, Prompts &prompts, VideoHost &host);

    // Opens the page's video: the program's folder is tried first, then the
    // disc's video folder of the last search, then the disc locator (with its
    // insert-disc question). Giving up there leaves no device open and the name
    // as it was. A file that is found but is not a video the control reads is
    // reported in French and leaves no device open either, so that the next
    // click tries again.
    void OpenVideo();

    // A click on transport button i (0 play, 1 one frame forward, 2 pause,
    // 3 stop and rewind, 4 one frame back, 5 go to the end, 6 go to the start).
    void TransportClick(int button);

    // The media control's status notification: a playback that has not
    // advanced since the previous one is nudged on ("step", "Play"), and the
    // progress bar follows the position.
    void StatusUpdate();
    // The media control's end notification: at the end, back to the first frame.
    void EndNotification();

    // A click on the projector: close the video, follow the contents link and
    // draw the page again.
    void ProjectorClick();
    // A click on the video menu item with this caption: close the video (a
    // caption shorter than three characters also follows the contents link)
    // and draw the page again.
    void MenuItemClick(const QString &caption);

    // The page display closes the device of the previous page.
    void CloseForNewPage();

    bool playRequested() const { return m_playRequested; }
    qint64 lastPosition() const { return m_lastPosition; }

    // "AVIVideo" when the name ends in "avi" (any letter case), else "MpegVideo".
    static QString deviceTypeFor(const QString &name);
    // The width of the progress bar for a position (0 when the length is 0).
    static double progressWidth(qint64 position, qint64 length);
    // The captions of the video menu's items, in order.
    static QStringList menuCaptions();
    // The menu's title.
    static QString menuTitle() { return QStringLiteral("VIDEO"); }
    // The tool tip of transport button i.
    static QString buttonToolTip(int button);
    // The message for a video that cannot be read.
    static Message unreadableMessage(const QString &name);
    // Where a frame of `frame` pixels (each `pixelAspect` wide for 1 high) goes in
    // an area: as large as fits with its aspect kept, centred.
    static QRectF fitFrame(const QSize &frame, double pixelAspect, const QSizeF &area);

private:
    // A video file found at `path` ("\" read as "/")?
    std::optional<QString> existingFile(const QString &path) const;
    void closeVideo();
    // "From" = position, "Play", "Stop": the frame is shown without playing.
    void showAt(qint64 position);

    QString m_folder;
    QString &m_videoName;
    bool &m_videoOpen;
    MediaControl &m_media;
    const Files &m_files;
    Prompts &m_prompts;
    VideoHost &m_host;
    bool m_playRequested = false;
    qint64 m_lastPosition = 0;
};

} // namespace vorlane
