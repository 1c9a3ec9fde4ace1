#pragma once

#include "core/app/coursewindowtable.h"
#include "core/app/session.h"
#include "core/course/courseopener.h"
#include "core/course/historymoves.h"
#include "core/course/modulelauncher.h"
#include "core/course/navigator.h"
#include "core/course/pagedisplay.h"
#include "core/platform/desktop.h"
#include "core/platform/files.h"
#include "core/platform/processes.h"
#include "core/platform/prompts.h"
#include "core/platform/screen.h"
#include "core/platform/volumes.h"
#include "core/render/linkelements.h"
#include "core/render/pagerenderer.h"
#include "ui/controltable.h"
#include "ui/coursenavigatorhost.h"
#include "ui/coursepageview.h"
#include "ui/courserenderhost.h"
#include "ui/coursestartupwindow.h"
#include "ui/helpwindow.h"

#include <QWidget>
#include <memory>
#include <vector>

class QMenu;
class QScrollBar;
class QToolButton;

namespace vorlane {

class LinkElement;
class ProgressStripWidget;
class SurfaceView;
class VideoPanel;

// What the course window reaches of the desktop.
struct DesktopServices {
    Prompts &prompts;
    const Screen &screen;
    Files &files;
    const Volumes &volumes;
    Processes &processes;
    Desktop &desktop;
};

// The course window `multim`: 800 x 600 pixels, the page area between a title
// band and a bottom band, the navigation and tool buttons, the illustration
// area left of the page, the link elements the renderer places, and the hidden
// frame of bound fields. Its controls come from CourseWindowTable; behaviour
// lives in core (the load sequence, the page index, PageDisplay, Navigator, the
// resize rules, the tool rules); the window side of each core interface is an
// adapter of its own (CoursePageView, CourseNavigatorHost, CourseRenderHost,
// CourseStartupWindow), and the desktop is reached only through the platform
// interfaces.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLabelCount = LinkElements::kLabelCount;
    static constexpr int kImageCount = LinkElements::kImageCount;

    // `courseFolder` holds the course (databases, pictures, videos, page index
    // cache) when it is not the application folder (vorlane --course DIR);
    // the state file, companions and help stay in the application folder.
    MainWindow(QString applicationFolder, Session &session, CourseRows &rows, CourseOpener &opener,
               DesktopServices services, QWidget *parent = nullptr, QString courseFolder = {});
    ~MainWindow() override;

    // The load sequence (RunCourseLoad). False when the start-up checks ended
    // the program (their message has been shown).
    bool load();

    // Hands a target code to the dispatcher (the buttons and links do).
    void navigate(const QString &code);

    // The emphasis of the text link under the mouse: every Labelien element
    // other than `n` loses it (1000: every element). The emphasis is
    // underlining when the session's link-style flag is set, bold otherwise.
    void linkHover(int n);
    // Gives element `n` of Labelien the emphasis (the mouse entered it).
    void emphasiseLink(int n);

    // The maximize box where a maximized window stays maximized
    // (MaximizeOffered), none elsewhere. load() sets it.
    void offerMaximizeBox();

    // Normal (not maximized) state at this geometry, without the resize rules.
    void showNormalAt(const QRect &geometry);

    // ---- Controls, for the adapters, the other windows and tests --------------
    const ControlTable &controls() const { return *m_controls; }
    LinkElement *labelien(int i) const { return m_labels.at(size_t(i)); }
    LinkElement *imagelien(int i) const { return m_images.at(size_t(i)); }
    SurfaceView *body() const { return m_body; }
    SurfaceView *illustration() const { return m_illus; }
    SurfaceView *titleBand() const { return m_titre; }
    SurfaceView *bottomBand() const { return m_bastitre; }
    QWidget *pageFrame() const { return m_frame; }
    QWidget *videoFrame() const { return m_videoFrame; }
    QScrollBar *scrollBar() const { return m_scroll; }
    ProgressStripWidget *progressStrip() const { return m_strip; }
    QToolButton *contentsButton() const;
    QToolButton *backButton() const;
    QToolButton *forwardButton() const;
    QToolButton *chapterPreviousButton() const;
    QToolButton *chapterNextButton() const;
    // The floating menu `flottant` and its ten items `choixflot` (the item's
    // data holds its Tag).
    QMenu *floatingMenu() const { return m_flottant; }
    const QString &contentsTag() const { return m_pageView.contentsTag(); }
    const QString &applicationFolder() const { return m_folder; }
    const QString &courseFolder() const { return m_courseFolder; }
    // The video controls (media control, transport panel, projector, menu).
    VideoPanel *videoPanel() const { return m_video.get(); }
    Session &session() const { return m_session; }
    CourseRows &rows() const { return m_rows; }
    const DesktopServices &desktop() const { return m_desktop; }
    PageRenderer &renderer() { return m_renderer; }

    // The window side of the core interfaces.
    CoursePageView &pageView() { return m_pageView; }
    CourseRenderHost &renderHost() { return m_renderHost; }
    CourseNavigatorHost &navigatorHost() { return m_navigatorHost; }
    CourseStartupWindow &startupWindow() { return m_startupWindow; }
    // The program's own help window (nullptr before the help first opened it).
    HelpWindow *helpWindow() const { return m_help.window(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildLinks();
    void onControlClicked(const ControlEntry &control);
    void applyResizeRules();
    void onTextLinkClicked(int index);
    void onPictureLinkClicked(int index);
    // Fills `flottant` from the floating menu of picture link `link` and opens
    // it at the mouse position.
    void openFloatingMenu(int link);
    void setLinkEmphasis(LinkElement *label, bool on);

    QString m_folder;
    QString m_courseFolder;
    Session &m_session;
    CourseRows &m_rows;
    CourseOpener &m_opener;
    DesktopServices m_desktop;

    std::unique_ptr<ControlTable> m_controls; // built once the window's style is set
    SurfaceView *m_titre = nullptr;
    SurfaceView *m_bastitre = nullptr;
    QWidget *m_frame = nullptr; // frame1s
    SurfaceView *m_body = nullptr;
    QScrollBar *m_scroll = nullptr;
    SurfaceView *m_illus = nullptr;
    QWidget *m_videoFrame = nullptr; // label15
    ProgressStripWidget *m_strip = nullptr;
    QWidget *m_framebase = nullptr;
    std::vector<LinkElement *> m_labels;
    std::vector<LinkElement *> m_images;
    QMenu *m_flottant = nullptr;

    CoursePageView m_pageView;
    CourseNavigatorHost m_navigatorHost;
    CourseRenderHost m_renderHost;
    CourseStartupWindow m_startupWindow;
    HelpWindowOpener m_help;

    ModuleLauncher m_launcher;
    PageDisplay m_display;
    Navigator m_navigator;
    PageRenderer m_renderer;
    HistoryMoves m_history;

    bool m_loaded = false;
    bool m_applyingSize = false;

    std::unique_ptr<VideoPanel> m_video;
};

} // namespace vorlane
