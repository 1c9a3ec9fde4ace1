#pragma once

#include "core/media/mediaclock.h"
#include "core/media/mediacontrol.h"
#include "core/media/videocontroller.h"
#include "core/media/videohost.h"

#include <QObject>
#include <array>

class QLabel;
class QMenu;
class QToolButton;

namespace vorlane {

class CourseRows;
class DiscLocator;
class Files;
class MainWindow;
class Prompts;
class SurfaceView;
class VideoDisplay;
struct Session;

// The video controls of the course window: the media control `MMControl1`, the
// transport panel inside the video frame `label15` (the seven buttons `Image4`
// and the progress bar `Shape1`), the picture of the video over `PICTUREILLUS`,
// the projector `projo` and the menu `MENUVIDEO` (opened from the video frame
// and the picture by the context-menu click). What they do is VideoController's.
class VideoPanel final : public QObject, public VideoHost {
    Q_OBJECT
public:
    VideoPanel(MainWindow &window, Session &session, CourseRows &rows, DiscLocator &disc, const Files &files,
               Prompts &prompts, QWidget *videoFrame, SurfaceView *illustration);
    ~VideoPanel() override;

    // The page display closes the previous page's video.
    void closeForNewPage();
    // The VIDEO command shows the frame with its bar empty.
    void resetProgress() { setProgressWidth(0); }

    MediaControl &media() { return m_media; }
    VideoController &controller() { return m_controller; }
    QToolButton *button(int i) const { return m_buttons.at(size_t(i)); }
    QWidget *progressBar() const { return m_shape; }
    QLabel *projector() const { return m_projo; }
    QMenu *menu() const { return m_menu; }
    VideoDisplay *display() const { return m_display; }
    // Pixels of the bar at full width.
    int progressTrackWidth() const;

    // ---- VideoHost ----------------------------------------------------------
    void setBusyPointer(bool busy) override;
    void setButtonBusy(int button, bool busy) override;
    void processEvents() override;
    void setProjectorVisible(bool visible) override;
    void setProgressWidth(double twips) override;
    void followContentsLink() override;
    void redrawPage() override;
    void LocateVideoFile(QString &name) override;
    QString videoFolder() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls(QWidget *videoFrame, SurfaceView *illustration);

    MainWindow &m_window;
    Session &m_session;
    CourseRows &m_rows;
    DiscLocator &m_disc;
    SteadyClock m_clock;
    MediaControl m_media;
    VideoController m_controller;

    std::array<QToolButton *, VideoController::kButtonCount> m_buttons{};
    QWidget *m_track = nullptr;
    QWidget *m_shape = nullptr; // Shape1
    QLabel *m_projo = nullptr;
    QMenu *m_menu = nullptr;
    VideoDisplay *m_display = nullptr;
};

} // namespace vorlane
