#include "core/media/mediacontrol.h"

#include <QPointer>
#include <algorithm>
#include <cmath>

namespace vorlane {

MediaControl::MediaControl(MediaClock &clock, QObject *parent)
    : QObject(parent), m_clock(clock), m_playback(clock, [this] {
          // Runs on the playback thread: the delivery is taken on this object's thread.
          QMetaObject::invokeMethod(
              this, [this] { takeDelivery(); }, Qt::QueuedConnection);
      })
{
    connect(&m_status, &QTimer::timeout, this, &MediaControl::statusUpdate);
}

MediaControl::~MediaControl()
{
    // The playback thread uses the decoder: it ends first.
    m_playback.stop();
}

int MediaControl::updateInterval() const
{
    const double fps = m_decoder.isOpen() ? m_decoder.frameRate() : 25;
    return std::max(m_updateInterval, int(std::ceil(2000.0 / fps)));
}

void MediaControl::setFrom(qint64 position)
{
    m_from = std::clamp<qint64>(position, 0, m_length);
    m_fromSet = true;
}

void MediaControl::setCommand(const QString &word)
{
    m_command = word;
    const QString w = word.trimmed().toLower();
    const bool fromSet = m_fromSet;
    // From applies to the command that follows it only.
    m_fromSet = false;
    m_error = NoError;

    if (w == u"open") {
        open();
        return;
    }
    if (w == u"close") {
        close();
        return;
    }
    const bool known =
        w == u"play" || w == u"stop" || w == u"pause" || w == u"step" || w == u"back" || w == u"prev";
    if (!known) {
        m_error = ErrorUnknownCommand;
        return;
    }
    if (!isOpen()) {
        m_error = ErrorNotOpen;
        return;
    }
    if (w == u"play") {
        m_fromSet = fromSet;
        play();
        m_fromSet = false;
    } else if (w == u"stop") {
        stopPlayback(Mode::Stopped);
    } else if (w == u"pause") {
        stopPlayback(Mode::Paused);
    } else if (w == u"step") {
        stopPlayback(m_mode == Mode::Playing ? Mode::Paused : m_mode);
        if (m_position < m_length - 1)
            showPosition(m_position + 1);
    } else if (w == u"back") {
        stopPlayback(m_mode == Mode::Playing ? Mode::Paused : m_mode);
        if (m_position > 0)
            showPosition(m_position - 1);
    } else if (w == u"prev") {
        stopPlayback(m_mode == Mode::Playing ? Mode::Paused : m_mode);
        showPosition(0);
    }
}

void MediaControl::open()
{
    close();
    if (m_fileName.trimmed().isEmpty()) {
        m_error = ErrorNoFileName;
        m_errorMessage = QStringLiteral("aucun fichier");
        return;
    }
    QString why;
    if (!m_decoder.open(m_fileName, &why)) {
        m_error = ErrorCannotOpen;
        m_errorMessage = why;
        return;
    }
    m_errorMessage.clear();
    m_mode = Mode::Stopped;
    m_length = m_decoder.frameCount();
    m_position = 0;
    if (m_soundEnabled && m_decoder.hasSound())
        m_sound.load(m_fileName);
    m_status.start(updateInterval());
}

void MediaControl::close()
{
    const bool wasOpen = isOpen();
    m_playback.stop();
    m_sound.clear();
    m_decoder.close();
    m_status.stop();
    m_mode = Mode::NotOpen;
    m_position = 0;
    m_length = 0;
    m_from = 0;
    m_shownIndex = -1;
    m_current = QImage();
    if (wasOpen)
        emit closed();
}

bool MediaControl::showPosition(qint64 p)
{
    p = std::clamp<qint64>(p, 0, m_length);
    const int index = int(std::min(p, m_length - 1));
    if (index != m_shownIndex || m_current.isNull()) {
        QImage image = m_decoder.frame(index);
        if (image.isNull())
            return false;
        m_current = std::move(image);
        m_shownIndex = index;
    }
    m_position = p;
    ++m_framesShown;
    emit frameShown(m_current);
    return true;
}

void MediaControl::play()
{
    const qint64 start = m_fromSet ? m_from : m_position;
    m_playback.stop();
    m_sound.stop();
    if (!showPosition(start)) {
        m_mode = Mode::Stopped;
        return;
    }
    if (m_position >= m_length) {
        m_mode = Mode::Stopped;
        return;
    }
    // The decoder's last frame is the one on display: playback goes on from it.
    if (m_decoder.lastIndex() != m_shownIndex)
        m_decoder.frame(m_shownIndex);
    m_mode = Mode::Playing;
    m_playback.start(m_decoder, m_shownIndex, m_clock.now(), m_decoder.frameRate(), int(m_length));
    if (m_soundEnabled && m_sound.isLoaded())
        m_sound.play(double(m_shownIndex) / m_decoder.frameRate());
}

void MediaControl::stopPlayback(Mode mode)
{
    m_playback.stop();
    m_sound.stop();
    m_mode = mode;
}

void MediaControl::takeDelivery()
{
    PlaybackDelivery delivery = m_playback.take();
    if (m_mode != Mode::Playing)
        return;
    if (delivery.index >= 0 && !delivery.image.isNull()) {
        m_current = std::move(delivery.image);
        m_shownIndex = delivery.index;
        m_position = delivery.index;
        ++m_framesShown;
        emit frameShown(m_current);
    }
    if (delivery.end) {
        m_playback.stop();
        m_sound.stop();
        m_position = m_length;
        m_mode = Mode::Stopped;
        emit done();
    }
}

} // namespace vorlane
