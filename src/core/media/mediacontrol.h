#pragma once

#include "core/media/mediaclock.h"
#include "core/media/playbackthread.h"
#include "core/media/soundtrack.h"
#include "core/media/videodecoder.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vorlane {

// The media control `MMControl1` of the course window: a device driven by
// setting properties and sending command words, decoding with FFmpeg
// (VideoDecoder). Positions and lengths are counted in frames.
//
// Positions run from 0 to Length; position p shows frame min(p, Length - 1)
// (Length is the end, reached when a playback runs out). Every positioning has
// taken effect, its frame shown, when the command returns: "Play" followed at
// once by "Stop" leaves the position on the frame playback started from.
//
// Command words (letter case ignored):
// - "Open": closes any device and opens `FileName`; position 0, nothing shown.
// - "Close": stops, releases the file, hides the picture (closed()).
// - "Play": plays from `From` when it was set since the last command, else from
//   the position; at the end (position Length) there is nothing to play: the
//   last frame is shown and the device stays stopped.
// - "Stop", "Pause": playback ends; the position stays on the frame shown.
// - "Step": one frame forward; at Length - 1 or Length the position stays.
// - "Back": one frame back; at 0 it stays.
// - "Prev": back to position 0.
// Any other word, or a command on a device that is not open, is refused: error()
// is not 0 and nothing changes. `From` is clamped to 0..Length and applies to
// the next command only.
//
// During playback, frames are decoded and paced off the window's thread
// (PlaybackThread) by the clock given at construction and handed over as
// images; frameShown(), statusUpdate() and done() are emitted on the object's
// own (window) thread. `Notify`, `Wait` and `Shareable` are kept as set: the
// end of a playback is always notified, positioning always completes before the
// command returns, and a device is never shared.
class MediaControl final : public QObject {
    Q_OBJECT
public:
    enum class Mode { NotOpen, Stopped, Playing, Paused };
    enum Error {
        NoError = 0,
        ErrorNotOpen = 1,        // the command needs an open device
        ErrorUnknownCommand = 2, // not a command word of the control
        ErrorCannotOpen = 3,     // the file is missing or not a video FFmpeg reads
        ErrorNoFileName = 4,
    };

    explicit MediaControl(MediaClock &clock, QObject *parent = nullptr);
    ~MediaControl() override;

    void setCommand(const QString &word);
    // The last command word sent.
    QString command() const { return m_command; }

    void setFrom(qint64 position);
    qint64 from() const { return m_from; }
    qint64 position() const { return m_position; }
    qint64 length() const { return m_length; }
    // The frame shown for the position: min(position, Length - 1); -1 when none.
    int shownFrame() const { return m_shownIndex; }

    void setDeviceType(const QString &type) { m_deviceType = type; }
    QString deviceType() const { return m_deviceType; }
    void setFileName(const QString &name) { m_fileName = name; }
    QString fileName() const { return m_fileName; }
    void setNotify(bool on) { m_notify = on; }
    bool notify() const { return m_notify; }
    void setWait(bool on) { m_wait = on; }
    bool wait() const { return m_wait; }
    void setShareable(bool on) { m_shareable = on; }
    bool shareable() const { return m_shareable; }

    // The last command's error (0: none) and, after a failed "Open", why.
    int error() const { return m_error; }
    QString errorMessage() const { return m_errorMessage; }

    Mode mode() const { return m_mode; }
    bool isOpen() const { return m_mode != Mode::NotOpen; }
    QSize frameSize() const { return m_decoder.frameSize(); }
    double pixelAspect() const { return m_decoder.pixelAspect(); }
    double frameRate() const { return m_decoder.frameRate(); }
    // The frame on display (null when none), at the file's own size.
    QImage currentFrame() const { return m_current; }

    // Sound through the audio output (on by default). Off, no audio output is
    // ever opened.
    void setSoundEnabled(bool on) { m_soundEnabled = on; }
    bool soundEnabled() const { return m_soundEnabled; }
    bool soundLoaded() const { return m_sound.isLoaded(); }

    // Milliseconds between status notifications while a device is open; the
    // control never notifies more often than every two frame periods, so that
    // a playing video always advances between two notifications.
    void setUpdateInterval(int ms) { m_updateInterval = ms; }
    int updateInterval() const;

    // Frames put on display, and frames playback dropped because they were late.
    int framesShown() const { return m_framesShown; }
    int framesDropped() const { return m_playback.framesDropped(); }
    // Frames the playback thread has handed over (taken or not).
    int framesDelivered() const { return m_playback.framesDelivered(); }

signals:
    // A frame is now on display.
    void frameShown(const QImage &frame);
    // Periodic status notification while a device is open.
    void statusUpdate();
    // End notification: a playback ran to the end of the video.
    void done();
    // The device was closed: nothing is on display.
    void closed();

private:
    void open();
    void close();
    void play();
    void stopPlayback(Mode mode);
    // Shows the frame of position p and moves there; false when it cannot be decoded.
    bool showPosition(qint64 p);
    void takeDelivery();

    MediaClock &m_clock;
    VideoDecoder m_decoder;
    PlaybackThread m_playback;
    SoundTrack m_sound;
    QTimer m_status;

    QString m_command;
    QString m_deviceType;
    QString m_fileName;
    bool m_notify = false;
    bool m_wait = false;
    bool m_shareable = false;
    bool m_soundEnabled = true;
    int m_updateInterval = 250;

    Mode m_mode = Mode::NotOpen;
    qint64 m_from = 0;
    bool m_fromSet = false;
    qint64 m_position = 0;
    qint64 m_length = 0;
    int m_shownIndex = -1;
    QImage m_current;
    int m_framesShown = 0;
    int m_error = NoError;
    QString m_errorMessage;
};

} // namespace vorlane
