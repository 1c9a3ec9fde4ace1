#pragma once

#include "core/app/courseopener.h"
#include "core/app/disclocator.h"
#include "core/app/startupchecks.h"
#include "core/course/historymoves.h"
#include "core/course/modulelauncher.h"
#include "core/course/navigator.h"
#include "core/course/pagedisplay.h"
#include "core/course/session.h"
#include "core/platform/desktop.h"
#include "core/platform/files.h"
#include "core/platform/processes.h"
#include "core/platform/prompts.h"
#include "core/platform/screen.h"
#include "core/platform/volumes.h"
#include "core/render/imagelists.h"
#include "core/render/linkelements.h"
#include "core/render/pagerenderer.h"
#include "core/render/renderhost.h"

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
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
// frame of bound fields. Behaviour lives in core (StartupChecks, the page index,
// PageDisplay, Navigator, the resize rules); the window provides their window
// side and reaches the desktop only through the platform interfaces.
class MainWindow final : public QWidget,
                         public StartupWindow,
                         public PageView,
                         public NavigatorHost,
                         public RenderHost {
    Q_OBJECT
public:
    static constexpr int kLabelCount = LinkElements::kLabelCount;
    static constexpr int kImageCount = LinkElements::kImageCount;

    MainWindow(QString applicationFolder, Session &session, CourseRows &rows, CourseOpener &opener,
               DesktopServices services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The load sequence: start-up checks, cover and progress strip, title bands
    // in style 2, page index, page 1. False when the start-up checks ended the
    // program (their message has been shown).
    bool load();

    // Hands a target code to the dispatcher (the buttons and links do).
    void navigate(const QString &code);

    // The emphasis of the text link under the mouse: every Labelien element
    // other than `n` loses it (1000: every element). The emphasis is
    // underlining when the session's link-style flag is set, bold otherwise.
    void linkHover(int n);
    // Gives element `n` of Labelien the emphasis (the mouse entered it).
    void emphasiseLink(int n);

    // ---- Controls, for the other windows and for tests -----------------------
    LinkElement *labelien(int i) const { return m_labels.at(size_t(i)); }
    LinkElement *imagelien(int i) const { return m_images.at(size_t(i)); }
    SurfaceView *body() const { return m_body; }
    SurfaceView *illustration() const { return m_illus; }
    SurfaceView *titleBand() const { return m_titre; }
    SurfaceView *bottomBand() const { return m_bastitre; }
    QWidget *pageFrame() const { return m_frame; }
    QScrollBar *scrollBar() const { return m_scroll; }
    ProgressStripWidget *progressStrip() const { return m_strip; }
    QToolButton *contentsButton() const { return m_command2; }
    QToolButton *backButton() const { return m_avant; }
    QToolButton *forwardButton() const { return m_apres; }
    QToolButton *chapterPreviousButton() const { return m_avantcours; }
    QToolButton *chapterNextButton() const { return m_suite; }
    // The floating menu `flottant` and its ten items `choixflot` (the item's
    // data holds its Tag).
    QMenu *floatingMenu() const { return m_flottant; }
    const QString &contentsTag() const { return m_command2Tag; }
    const QString &applicationFolder() const { return m_folder; }
    // The video controls (media control, transport panel, projector, menu).
    VideoPanel *videoPanel() const { return m_video.get(); }

    // ---- StartupWindow ---------------------------------------------------------
    void copyLinkPointers() override;
    void setWindowWidth(int pixels) override;
    void processEvents() override;
    bool showScreenAlert() override;
    void showNormalAt(const QRect &geometry) override;

    // ---- PageView --------------------------------------------------------------
    void showRecord(const PageRecord &record) override;
    void setIllustrationVisible(bool visible) override;
    void setBodyVisible(bool visible) override;
    void clearLinks() override;
    void setScrollBarVisible(bool visible) override;
    void resetDrawing() override;
    void setCaption(const QString &caption) override;
    void setBackEnabled(bool enabled) override;
    void setForwardEnabled(bool enabled) override;
    void renderBody(const QString &body) override;
    PageAreaInputs pageAreaInputs() const override;
    void applyPageArea(const PageAreaLayout &layout) override;
    void setChapterButtons(bool previousVisible, bool nextVisible) override;
    void setPrintEnabled(bool enabled) override;
    void setContentsButton(const QString &tag, const QString &caption) override;

    // ---- NavigatorHost (setBusyPointer also serves the renderer) ---------------
    void setBusyPointer(bool busy) override;
    void runTestWindow() override;
    void setTestRecallVisible(bool visible) override;
    void showOrderForm(int form) override;

    // ---- RenderHost -----------------------------------------------------------
    DrawingSurface *surface(const QString &name) override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    std::optional<Picture> dataPicture(const QString &name) override;
    std::optional<Picture> listIcon(int list, int index) override;
    void setAreaWidths(double illustrationPx, double bodyPx) override;
    LinkElements *linkElements() override { return &m_links; }
    void linkShown(LinkArray array, int index) override;
    FloatMenu *floatMenu() override { return &m_session.floatMenu; }
    void showVideoFrame(const QString &name) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildControls();
    QToolButton *toolButton(QWidget *parent, const char *name, int glyph, const QString &toolTip,
                            const QString &text, const QRect &geometry);
    void showCover();
    void applyResizeRules();
    SurfaceView *viewOf(const QString &surfaceName) const;
    void onTextLinkClicked(int index);
    void onPictureLinkClicked(int index);
    // Fills `flottant` from the floating menu of picture link `link` and opens
    // it at the mouse position.
    void openFloatingMenu(int link);
    void setLinkEmphasis(LinkElement *label, bool on);
    void onHelp();
    void onUpdate();

    QString m_folder;
    Session &m_session;
    CourseRows &m_rows;
    CourseOpener &m_opener;
    DesktopServices m_desktop;

    DiscLocator m_disc;
    ModuleLauncher m_launcher;
    PageDisplay m_display;
    Navigator m_navigator;
    PageRenderer m_renderer;
    HistoryMoves m_history;

    bool m_loaded = false;
    bool m_applyingSize = false;

    // Bands, page area, illustration.
    SurfaceView *m_titre = nullptr;
    SurfaceView *m_bastitre = nullptr;
    QWidget *m_frame = nullptr; // frame1s
    SurfaceView *m_body = nullptr;
    QScrollBar *m_scroll = nullptr;
    SurfaceView *m_illus = nullptr;
    ProgressStripWidget *m_strip = nullptr;
    QWidget *m_videoFrame = nullptr; // label15

    // The link elements as the renderer placed them, and their widgets.
    LinkElements m_links;
    std::vector<LinkElement *> m_labels;
    std::vector<LinkElement *> m_images;
    ImageLists m_lists;

    // Buttons.
    QToolButton *m_avant = nullptr;
    QToolButton *m_apres = nullptr;
    QToolButton *m_command2 = nullptr;
    QString m_command2Tag;
    QToolButton *m_avantcours = nullptr;
    QToolButton *m_suite = nullptr;
    QToolButton *m_print = nullptr;
    QMenu *m_flottant = nullptr;
    QLabel *m_btexo = nullptr;
    QLabel *m_label16 = nullptr;

    // The hidden frame of bound fields.
    QGroupBox *m_framebase = nullptr;
    QLineEdit *m_textitre = nullptr;
    QLineEdit *m_textID = nullptr;
    QLineEdit *m_textIndex = nullptr;
    QLineEdit *m_debimp = nullptr;
    QLineEdit *m_finimp = nullptr;
    std::array<QCheckBox *, 4> m_checks{}; // Checkpre, Checksui, Checkimp, Checkmot
    QPlainTextEdit *m_code = nullptr;

    std::unique_ptr<VideoPanel> m_video;
};

} // namespace vorlane
