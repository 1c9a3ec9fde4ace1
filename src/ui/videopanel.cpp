#include "ui/videopanel.h"

#include "core/app/disclocator.h"
#include "core/app/session.h"
#include "core/course/pagedisplay.h"
#include "core/course/pagerecord.h"
#include "ui/coursepageview.h"
#include "ui/mainwindow.h"
#include "ui/surfaceview.h"
#include "ui/toolbuttonstyle.h"
#include "ui/toolicons.h"
#include "ui/videodisplay.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <cmath>

namespace vorlane {

namespace {

// The video frame `label15`: the buttons in a row, the bar below them.
constexpr int kFrameWidth = 176;
constexpr int kFrameHeight = 24;
constexpr int kButtonWidth = 22;
constexpr int kButtonHeight = 19;
constexpr int kButtonPitch = 24;
constexpr QRect kTrack(5, 21, 166, 3);
// Left to right: start, one back, stop, pause, play, one forward, end.
constexpr std::array<int, 7> kOrder = {6, 4, 3, 2, 0, 1, 5};

const QColor kInk(0x24, 0x3b, 0x63);

// The transport glyphs, drawn on a 20 x 20 grid.
void drawTransport(QPainter &p, int button, const QColor &ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const auto triangle = [&](double x0, double x1) {
        p.drawPolygon(QPolygonF({{x0, 5}, {x1, 10}, {x0, 15}}));
    };
    const auto bar = [&](double x) { p.drawRect(QRectF(x, 5, 2.2, 10)); };
    switch (button) {
    case VideoController::Play:
        triangle(6, 15);
        break;
    case VideoController::StepForward:
        bar(5);
        triangle(9, 15.5);
        break;
    case VideoController::Pause:
        p.drawRect(QRectF(6, 5, 3, 10));
        p.drawRect(QRectF(11, 5, 3, 10));
        break;
    case VideoController::StopRewind:
        p.drawRect(QRectF(5.5, 5.5, 9, 9));
        break;
    case VideoController::StepBack:
        triangle(11, 4.5);
        bar(12.8);
        break;
    case VideoController::ToEnd:
        triangle(3.5, 9);
        triangle(9, 14.5);
        bar(14.5);
        break;
    case VideoController::ToStart:
        bar(3.3);
        triangle(11, 5.5);
        triangle(16.5, 11);
        break;
    default:
        break;
    }
}

} // namespace

VideoPanel::VideoPanel(MainWindow &window, Session &session, CourseRows &rows, DiscLocator &disc,
                       const Files &files, Prompts &prompts, QWidget *videoFrame, SurfaceView *illustration)
    : m_window(window), m_session(session), m_rows(rows), m_disc(disc), m_media(m_clock),
      m_controller(window.applicationFolder(), session.videoName, session.videoOpen, m_media, files, prompts,
                   *this)
{
    m_media.setObjectName(QStringLiteral("MMControl1"));
    buildControls(videoFrame, illustration);
    connect(&m_media, &MediaControl::statusUpdate, this, [this] { m_controller.StatusUpdate(); });
    connect(&m_media, &MediaControl::done, this, [this] { m_controller.EndNotification(); });
    connect(&m_media, &MediaControl::frameShown, this,
            [this](const QImage &frame) { m_display->showFrame(frame, m_media.pixelAspect()); });
    connect(&m_media, &MediaControl::closed, this, [this] { m_display->clear(); });
}

VideoPanel::~VideoPanel()
{
    // The device closes before the widgets it draws into go.
    m_media.setCommand(QStringLiteral("Close"));
}

void VideoPanel::buildControls(QWidget *videoFrame, SurfaceView *illustration)
{
    videoFrame->resize(kFrameWidth, kFrameHeight);
    // One sheet for the seven buttons, read once.
    videoFrame->setStyleSheet(ToolButtonStyle::videoButton());
    for (int slot = 0; slot < int(kOrder.size()); ++slot) {
        const int i = kOrder[size_t(slot)];
        auto *b = new QToolButton(videoFrame);
        b->setObjectName(QStringLiteral("Image4_%1").arg(i));
        b->setIcon(
            ToolIcons::painted([i](QPainter &p, const QColor &ink) { drawTransport(p, i, ink); }, 20, kInk));
        b->setIconSize(QSize(20, 20));
        b->setToolTip(VideoController::buttonToolTip(i));
        b->setGeometry(1 + slot * kButtonPitch + (kButtonPitch - kButtonWidth) / 2, 0, kButtonWidth,
                       kButtonHeight);
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { m_controller.TransportClick(i); });
        m_buttons[size_t(i)] = b;
    }
    m_track = new QWidget(videoFrame);
    m_track->setObjectName(QStringLiteral("label15track"));
    m_track->setGeometry(kTrack);
    m_track->setAutoFillBackground(true);
    QPalette trackColours = m_track->palette();
    trackColours.setColor(QPalette::Window, QColor(0xd5, 0xdb, 0xe5));
    m_track->setPalette(trackColours);
    m_shape = new QWidget(m_track);
    m_shape->setObjectName(QStringLiteral("Shape1"));
    m_shape->setAutoFillBackground(true);
    QPalette barColours = m_shape->palette();
    barColours.setColor(QPalette::Window, QColor(0x2f, 0x6f, 0xc4));
    m_shape->setPalette(barColours);
    m_shape->setGeometry(0, 0, 0, kTrack.height());

    m_display = new VideoDisplay(illustration);

    m_projo = new QLabel(&m_window);
    m_projo->setObjectName(QStringLiteral("projo"));
    m_projo->setPixmap(ToolIcons::pixmap(ToolIcons::Glyph::Film, 22, kInk));
    m_projo->setToolTip(QStringLiteral("Fermer la vidéo"));
    m_projo->setCursor(Qt::PointingHandCursor);
    m_projo->setGeometry(4, 104, 24, 24);
    m_projo->hide();
    m_projo->installEventFilter(this);

    m_menu = new QMenu(VideoController::menuTitle(), &m_window);
    m_menu->setObjectName(QStringLiteral("MENUVIDEO"));
    const QStringList captions = VideoController::menuCaptions();
    for (int k = 0; k < captions.size(); ++k) {
        QAction *item = m_menu->addAction(captions[k]);
        item->setObjectName(QStringLiteral("MVideo_%1").arg(k));
        connect(item, &QAction::triggered, this, [this, item] { m_controller.MenuItemClick(item->text()); });
    }
    for (QWidget *w : {videoFrame, static_cast<QWidget *>(m_display)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint &at) { m_menu->popup(w->mapToGlobal(at)); });
    }
}

bool VideoPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_projo && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_controller.ProjectorClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void VideoPanel::closeForNewPage()
{
    m_controller.CloseForNewPage();
}

int VideoPanel::progressTrackWidth() const
{
    return m_track->width();
}

// ---- VideoHost ------------------------------------------------------------------

void VideoPanel::setBusyPointer(bool busy)
{
    m_window.renderHost().setBusyPointer(busy);
}

void VideoPanel::setButtonBusy(int button, bool busy)
{
    if (button < 0 || button >= VideoController::kButtonCount)
        return;
    m_buttons[size_t(button)]->setCursor(busy ? Qt::WaitCursor : Qt::PointingHandCursor);
}

void VideoPanel::processEvents()
{
    QCoreApplication::processEvents();
}

void VideoPanel::setProjectorVisible(bool visible)
{
    m_projo->setVisible(visible);
}

void VideoPanel::setProgressWidth(double twips)
{
    // The bar's full width, 3255 twips, is the track's width on screen.
    const double fraction = std::clamp(twips / VideoController::kProgressFullTwips, 0.0, 1.0);
    m_shape->resize(int(std::lround(fraction * m_track->width())), m_track->height());
}

void VideoPanel::followContentsLink()
{
    m_window.navigate(m_window.contentsTag());
}

void VideoPanel::redrawPage()
{
    // The page is drawn again from the top, in place, as its display drew it:
    // a second pass without clearing would append the body below itself.
    CoursePageView &view = m_window.pageView();
    view.clearLinks();
    view.resetDrawing();
    m_session.floatMenu.clear();
    view.renderBody(PageRecord::read(m_rows).code);
    view.applyPageArea(ComputePageArea(view.pageAreaInputs()));
}

void VideoPanel::LocateVideoFile(QString &name)
{
    m_disc.LocateVideoFile(name);
}

QString VideoPanel::videoFolder() const
{
    return m_disc.videoFolder();
}

} // namespace vorlane
