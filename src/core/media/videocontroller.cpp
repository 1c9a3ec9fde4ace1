#include "core/media/videocontroller.h"

#include <QFileInfo>
#include <algorithm>

namespace vorlane {

VideoController::VideoController(QString applicationFolder, QString &videoName, bool &videoOpen,
                                 MediaControl &media, const Files &files, Prompts &prompts, VideoHost &host)
    : m_folder(WithFinalSlash(applicationFolder)), m_videoName(videoName), m_videoOpen(videoOpen),
      m_media(media), m_files(files), m_prompts(prompts), m_host(host)
{
}

QString VideoController::deviceTypeFor(const QString &name)
{
    return name.right(3).toUpper() == u"AVI" ? QStringLiteral("AVIVideo") : QStringLiteral("MpegVideo");
}

double VideoController::progressWidth(qint64 position, qint64 length)
{
    return length == 0 ? 0 : double(position) / double(length) * kProgressFullTwips;
}

QStringList VideoController::menuCaptions()
{
    return {QString::fromUtf8("Retour au début"),
            QString::fromUtf8("Image précédente"),
            QStringLiteral("Stop"),
            QStringLiteral("Pause"),
            QStringLiteral("Image suivante"),
            QStringLiteral("Lecture")};
}

QString VideoController::buttonToolTip(int button)
{
    switch (button) {
    case Play:
        return QStringLiteral("Lecture");
    case StepForward:
        return QStringLiteral("Image suivante");
    case Pause:
        return QStringLiteral("Pause");
    case StopRewind:
        return QStringLiteral("Stop");
    case StepBack:
        return QString::fromUtf8("Image précédente");
    case ToEnd:
        return QStringLiteral("Aller à la fin");
    case ToStart:
        return QString::fromUtf8("Retour au début");
    default:
        return {};
    }
}

Message VideoController::unreadableMessage(const QString &name)
{
    return {QString::fromUtf8("La vidéo « %1 » ne peut pas être lue : le fichier est abîmé ou d'un format "
                              "inconnu.")
                .arg(name),
            QString::fromUtf8("Vidéo illisible"), MessageIcon::Exclamation, MessageButtons::Ok};
}

QRectF VideoController::fitFrame(const QSize &frame, double pixelAspect, const QSizeF &area)
{
    if (frame.isEmpty() || area.isEmpty())
        return {};
    const double w = frame.width() * (pixelAspect > 0 ? pixelAspect : 1.0);
    const double h = frame.height();
    const double scale = std::min(area.width() / w, area.height() / h);
    const QSizeF size(w * scale, h * scale);
    return QRectF(QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

std::optional<QString> VideoController::existingFile(const QString &path) const
{
    // Names written for the disc's platform use "\".
    QString p = path;
    p.replace(u'\\', u'/');
    const auto found = m_files.resolve(p);
    if (!found || QFileInfo(*found).isDir())
        return std::nullopt;
    return found;
}

void VideoController::OpenVideo()
{
    const QString entryName = m_videoName;
    m_host.setBusyPointer(true);
    m_media.setCommand(QStringLiteral("Close"));
    m_host.setProjectorVisible(false);
    m_media.setDeviceType(deviceTypeFor(m_videoName));
    m_media.setNotify(false);
    m_media.setWait(true);
    m_media.setShareable(false);

    const QString besideProgram = m_folder + m_videoName;
    const QString videoFolder = m_host.videoFolder();
    if (const auto a = existingFile(besideProgram)) {
        m_videoName = *a;
    } else if (const auto b =
                   videoFolder.isEmpty() ? std::nullopt : existingFile(videoFolder + m_videoName)) {
        // Before any disc search the folder is empty: a bare name is never
        // looked up in the working folder.
        m_videoName = *b;
    } else {
        QString located = besideProgram;
        m_host.LocateVideoFile(located);
        if (located.isEmpty()) {
            m_host.setBusyPointer(false);
            m_videoOpen = false;
            m_media.setCommand(QStringLiteral("Close"));
            m_host.setProjectorVisible(false);
            m_videoName = entryName;
            return;
        }
        m_videoName = located;
    }

    m_videoOpen = true;
    m_media.setFileName(m_videoName);
    m_host.processEvents();
    m_media.setCommand(QStringLiteral("Close"));
    m_media.setCommand(QStringLiteral("Open"));
    if (m_media.error() != MediaControl::NoError) {
        // Nothing would play: say so, and let the next click look again.
        const QString shown = QFileInfo(m_videoName).fileName();
        m_host.setBusyPointer(false);
        m_videoOpen = false;
        m_videoName = entryName;
        m_prompts.ask(unreadableMessage(shown));
    }
}

void VideoController::showAt(qint64 position)
{
    m_media.setFrom(position);
    m_media.setCommand(QStringLiteral("Play"));
    m_media.setCommand(QStringLiteral("Stop"));
}

void VideoController::TransportClick(int button)
{
    if (button < 0 || button >= kButtonCount)
        return;
    m_host.setBusyPointer(true);
    m_host.setButtonBusy(button, true);
    m_host.processEvents();
    if (!m_videoOpen) {
        OpenVideo();
        showAt(0);
    }
    m_host.setBusyPointer(false);
    m_host.setButtonBusy(button, false);
    m_host.processEvents();
    m_playRequested = button == Play;

    switch (button) {
    case Play:
        if (m_media.position() == m_media.length())
            showAt(0);
        m_media.setCommand(QStringLiteral("Play"));
        break;
    case StepForward:
        m_media.setCommand(QStringLiteral("Step"));
        break;
    case Pause:
        m_media.setCommand(QStringLiteral("Pause"));
        break;
    case StopRewind:
        m_media.setCommand(QStringLiteral("Stop"));
        m_host.processEvents();
        showAt(0);
        break;
    case StepBack:
        m_media.setCommand(QStringLiteral("Back"));
        break;
    case ToEnd:
        showAt(m_media.length() - 50);
        showAt(m_media.length());
        break;
    case ToStart:
        m_media.setCommand(QStringLiteral("Prev"));
        m_media.setCommand(QStringLiteral("Play"));
        m_media.setCommand(QStringLiteral("Stop"));
        break;
    default:
        break;
    }
}

void VideoController::StatusUpdate()
{
    // Only a playback can stall: once a video has stopped (at its end it is
    // rewound to its first frame) it stays where it is.
    if (m_media.position() == m_lastPosition && m_media.position() < m_media.length() && m_playRequested &&
        m_media.mode() == MediaControl::Mode::Playing) {
        m_media.setCommand(QStringLiteral("step"));
        m_media.setCommand(QStringLiteral("Play"));
    }
    if (m_media.length() != 0)
        m_host.setProgressWidth(progressWidth(m_media.position(), m_media.length()));
    m_lastPosition = m_media.position();
}

void VideoController::EndNotification()
{
    if (m_media.position() == m_media.length())
        showAt(0);
}

void VideoController::closeVideo()
{
    m_media.setCommand(QStringLiteral("Close"));
    m_host.setProjectorVisible(false);
    // The device is closed: the next transport click opens the video again.
    m_videoOpen = false;
}

void VideoController::ProjectorClick()
{
    closeVideo();
    m_host.followContentsLink();
    m_host.redrawPage();
}

void VideoController::MenuItemClick(const QString &caption)
{
    closeVideo();
    if (caption.size() < 3)
        m_host.followContentsLink();
    m_host.redrawPage();
}

void VideoController::CloseForNewPage()
{
    m_media.setCommand(QStringLiteral("Close"));
}

} // namespace vorlane
