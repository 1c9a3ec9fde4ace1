#include "ui/mainwindow.h"

#include "core/app/coursetools.h"
#include "core/app/windowrules.h"
#include "core/render/surfacenames.h"
#include "ui/calc/machine.h"
#include "ui/companions/updatewindow.h"
#include "ui/coursekeyboard.h"
#include "ui/courseloadwindow.h"
#include "ui/linkelement.h"
#include "ui/printmenu.h"
#include "ui/progressstrip.h"
#include "ui/releaseaction.h"
#include "ui/searchwindow.h"
#include "ui/surfaceview.h"
#include "ui/toolbuttonstyle.h"
#include "ui/videopanel.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vorlane {

MainWindow::MainWindow(QString applicationFolder, Session &session, CourseRows &rows, CourseOpener &opener,
                       DesktopServices services, QWidget *parent, QString courseFolder)
    : QWidget(parent), m_folder(WithFinalSlash(applicationFolder)),
      m_courseFolder(courseFolder.isEmpty() ? m_folder : WithFinalSlash(courseFolder)), m_session(session),
      m_rows(rows), m_opener(opener), m_desktop(services), m_pageView(*this), m_navigatorHost(*this),
      m_renderHost(*this, DiscLocator(m_courseFolder, services.files, services.volumes, services.prompts,
                                      services.desktop)),
      m_startupWindow(*this), m_help(*this, services.desktop),
      m_launcher(m_folder, session, services.files, services.processes, services.prompts),
      m_display(session, rows, m_pageView),
      m_navigator(session, session.exercise, rows, m_display, m_launcher, m_navigatorHost),
      m_renderer(session.render, m_renderHost), m_history(session, m_navigator, m_pageView)
{
    setObjectName(u"multim"_s);
    // Before any child exists: new flags later make the window polish them all again.
    offerMaximizeBox();
    setWindowTitle(PageDisplay::productCaption());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xf9)); // the illustration column
    setPalette(pal);
    resize(CourseWindowTable::kWidth, CourseWindowTable::kHeight);

    m_controls = std::make_unique<ControlTable>(*this, CourseWindowTable::controls());
    m_titre = m_controls->get<SurfaceView>(SurfaceNames::titleBand);
    m_bastitre = m_controls->get<SurfaceView>(SurfaceNames::bottomBand);
    m_frame = m_controls->widget(u"frame1s"_s);
    m_body = m_controls->get<SurfaceView>(SurfaceNames::body);
    m_scroll = m_controls->get<QScrollBar>(u"VScroll1"_s);
    m_illus = m_controls->get<SurfaceView>(SurfaceNames::illustration);
    m_videoFrame = m_controls->widget(u"label15"_s);
    m_strip = m_controls->get<ProgressStripWidget>(u"labelvorlane"_s);
    m_framebase = m_controls->widget(u"Framebase"_s);
    // The flat buttons' looks, one sheet on the bar and one on the band that
    // hold them: each sheet is read once.
    m_controls->widget(u"barre"_s)->setStyleSheet(ToolButtonStyle::toolBar());
    m_bastitre->setStyleSheet(ToolButtonStyle::bottomBand());
    m_controls->connectClicks(this, [this](const ControlEntry &c) { onControlClicked(c); });
    // The way back to the test in progress.
    for (const QString &name : {u"btexo"_s, u"Label16"_s})
        new ReleaseAction(m_controls->widget(name),
                          [this] { navigate(Navigator::testTarget(m_session.exercise.pendingExercise)); });

    m_frame->installEventFilter(this);
    // On every change and while dragging, the body's top is minus the value.
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int v) { m_body->move(m_body->x(), -v); });
    m_illus->setSeeThroughWhenBlank(true);
    buildLinks();
    m_video = std::make_unique<VideoPanel>(*this, m_session, m_rows, m_renderHost.disc(), m_desktop.files,
                                           m_desktop.prompts, m_videoFrame, m_illus);
    new PrintMenu(m_controls->get<QToolButton>(u"CommandIMPRIME"_s),
                  {m_rows, m_session.pageIndex, m_session.render, m_renderHost}, m_desktop.prompts);

    // Moving the mouse over the window or one of its page areas clears the
    // emphasis of every text link.
    setMouseTracking(true);
    for (QWidget *w : {static_cast<QWidget *>(m_body), static_cast<QWidget *>(m_illus),
                       static_cast<QWidget *>(m_titre), m_frame, m_framebase}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    auto *keyboard = new CourseKeyboard(*this, *m_controls, *m_scroll, *m_frame);
    // The hidden frame's bound fields are made when it is first shown (or one
    // of them asked for): they then show the page on display.
    m_controls->onLateRows([this, keyboard] {
        keyboard->watchChildrenOf(*m_framebase);
        m_pageView.showBoundFields();
    });
}

MainWindow::~MainWindow() = default;

QToolButton *MainWindow::contentsButton() const
{
    return m_controls->get<QToolButton>(u"Command2"_s);
}
QToolButton *MainWindow::backButton() const
{
    return m_controls->get<QToolButton>(u"avant"_s);
}
QToolButton *MainWindow::forwardButton() const
{
    return m_controls->get<QToolButton>(u"apres"_s);
}
QToolButton *MainWindow::chapterPreviousButton() const
{
    return m_controls->get<QToolButton>(u"avantcours"_s);
}
QToolButton *MainWindow::chapterNextButton() const
{
    return m_controls->get<QToolButton>(u"suite"_s);
}

void MainWindow::buildLinks()
{
    for (int i = 0; i < kLabelCount; ++i) {
        auto *l = new LinkElement(u"Labelien"_s, i, m_body);
        if (i == 0)
            l->setCursor(Qt::PointingHandCursor);
        connect(l, &LinkElement::clicked, this, &MainWindow::onTextLinkClicked);
        l->installEventFilter(this);
        m_labels.push_back(l);
    }
    for (int i = 0; i < kImageCount; ++i) {
        auto *img = new LinkElement(u"Imagelien"_s, i, m_body);
        img->setCursor(Qt::PointingHandCursor);
        connect(img, &LinkElement::clicked, this, &MainWindow::onPictureLinkClicked);
        m_images.push_back(img);
    }

    // The floating menu of picture links tagged "FLOTTANT".
    m_flottant = new QMenu(this);
    m_flottant->setObjectName(u"flottant"_s);
    for (int j = 0; j < FloatMenu::kEntries; ++j) {
        QAction *item = m_flottant->addAction(QString());
        item->setObjectName(u"choixflot_%1"_s.arg(j));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, item] { navigate(item->data().toString()); });
    }
}

void MainWindow::onControlClicked(const ControlEntry &control)
{
    const auto command = CourseCommand(control.command);
    if (const auto code = CourseWindowTable::navigationTarget(control, contentsTag())) {
        navigate(*code);
    } else if (const auto order = CourseWindowTable::chapterStepOrder(command, m_session.currentOrder)) {
        QWidget *button = m_controls->widget(control.name);
        button->setCursor(Qt::WaitCursor);
        m_navigator.ChapterStep(*order);
        button->setCursor(m_labels[0]->cursor());
    } else if (command == CourseCommand::Back) {
        m_history.Back();
    } else if (command == CourseCommand::Forward) {
        m_history.Forward();
    } else if (command == CourseCommand::Calculator) {
        Machine::openFromCourseWindow(*this, m_session, m_desktop.desktop);
    } else if (command == CourseCommand::Help) {
        CourseTools::openHelp(m_folder, m_desktop.files, m_desktop.desktop, m_help);
    } else if (command == CourseCommand::Update) {
        if (const auto refusal = CourseTools::updateRefusal(m_folder, &m_session.stateMemory)) {
            m_desktop.prompts.ask(*refusal);
            return;
        }
        UpdateWindow maj2001(m_folder, QCoreApplication::applicationFilePath(), m_desktop.files,
                             m_desktop.processes, m_desktop.prompts, this, &m_session.stateMemory);
        maj2001.exec();
        if (maj2001.endProgram())
            QCoreApplication::exit(0); // the installer replaces the program's files
    } else if (command == CourseCommand::Search) {
        if (const auto target = SearchWindow::openFromCourseWindow(*this, m_session, m_courseFolder))
            navigate(*target);
        m_session.searchHighlight.reset(); // marked on that page only
    } else if (command == CourseCommand::Quit) {
        close();
    }
}

// ---- Load, resize, activation ------------------------------------------------

bool MainWindow::load()
{
    offerMaximizeBox();
    StartupContext context{m_folder,          m_session,       m_desktop.screen, m_desktop.files,
                           m_desktop.prompts, m_startupWindow, m_opener};
    context.courseFolder = m_courseFolder;
    CourseLoadWindow steps(*this);
    m_loaded = RunCourseLoad(context, steps);
    return m_loaded;
}

void MainWindow::offerMaximizeBox()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (MaximizeOffered(m_desktop.screen))
        flags |= Qt::WindowMaximizeButtonHint;
    if (windowFlags() == flags)
        return;
    // New flags hide a window that is shown.
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        show();
}

void MainWindow::navigate(const QString &code)
{
    // The web-site button and links: without the connection module, the
    // publisher's site opens in the desktop's browser.
    if (CourseTools::opensPublisherSite(code, m_folder, m_desktop.files)) {
        CourseTools::openPublisherSite(m_desktop.desktop, m_desktop.prompts);
        return;
    }
    m_navigator.Navigate(code);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyResizeRules();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        applyResizeRules();
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_strip->move((width() - m_strip->width()) / 2, m_strip->y());
}

void MainWindow::applyResizeRules()
{
    if (m_applyingSize)
        return;
    const Qt::WindowStates s = windowState();
    const WindowState state = s & Qt::WindowMinimized                            ? WindowState::Minimized
                              : s & (Qt::WindowMaximized | Qt::WindowFullScreen) ? WindowState::Maximized
                                                                                 : WindowState::Normal;
    const ResizeResponse response = OnWindowResize(m_session, m_desktop.screen, state);
    const QSize designed(CourseWindowTable::kWidth, CourseWindowTable::kHeight);
    m_applyingSize = true;
    if (response.normalAt)
        showNormalAt(*response.normalAt);
    else if (response.restoreSize && size() != designed)
        resize(designed);
    m_applyingSize = false;
}

void MainWindow::showNormalAt(const QRect &geometry)
{
    const bool guard = m_applyingSize;
    m_applyingSize = true;
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    resize(geometry.size());
    move(geometry.topLeft());
    m_applyingSize = guard;
}

void MainWindow::paintEvent(QPaintEvent *)
{
    // A hairline between the illustration column and the page.
    QPainter p(this);
    p.setPen(QColor(0xdf, 0xe4, 0xec));
    if (m_frame->isVisible())
        p.drawLine(m_frame->x() - 1, m_frame->y(), m_frame->x() - 1, m_frame->y() + m_frame->height() - 1);
}

// ---- Links ------------------------------------------------------------------------

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        if (auto *link = qobject_cast<LinkElement *>(watched)) {
            const auto it = std::find(m_labels.begin(), m_labels.end(), link);
            if (it != m_labels.end()) {
                linkHover(int(it - m_labels.begin()));
                emphasiseLink(int(it - m_labels.begin()));
            }
        }
    } else if (event->type() == QEvent::MouseMove && !qobject_cast<LinkElement *>(watched)) {
        linkHover(1000);
    }
    // The wheel scrolls the page as the scroll bar does.
    if (event->type() == QEvent::Wheel && (watched == m_frame || watched == m_body) &&
        m_scroll->isVisible()) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        m_scroll->setValue(m_scroll->value() - wheel->angleDelta().y() / 120 * 3 * m_scroll->singleStep());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    linkHover(1000);
    QWidget::mouseMoveEvent(event);
}

void MainWindow::linkHover(int n)
{
    for (int i = 0; i < kLabelCount; ++i) {
        if (i != n)
            setLinkEmphasis(m_labels[size_t(i)], false);
    }
}

void MainWindow::emphasiseLink(int n)
{
    if (n >= 0 && n < kLabelCount)
        setLinkEmphasis(m_labels[size_t(n)], true);
}

void MainWindow::setLinkEmphasis(LinkElement *label, bool on)
{
    // The element keeps its geometry: the emphasis never moves the text after it.
    QFont f = label->font();
    if (m_session.linkStyle != 0)
        f.setUnderline(on);
    else
        f.setBold(on);
    if (f != label->font())
        label->setFont(f);
}

void MainWindow::onTextLinkClicked(int index)
{
    LinkElement *label = m_labels[size_t(index)];
    const QCursor pointer = m_labels[0]->cursor();
    label->setCursor(Qt::WaitCursor);
    navigate(label->tag());
    label->setCursor(pointer);
}

void MainWindow::onPictureLinkClicked(int index)
{
    LinkElement *image = m_images[size_t(index)];
    if (image->tag() == FloatMenu::linkTag()) {
        openFloatingMenu(index);
        return;
    }
    image->setCursor(Qt::WaitCursor);
    navigate(image->tag());
    image->setCursor(Qt::PointingHandCursor);
}

void MainWindow::openFloatingMenu(int link)
{
    const FloatMenu::Items items = m_session.floatMenu.items(link);
    const QList<QAction *> actions = m_flottant->actions();
    for (int j = 0; j < FloatMenu::kEntries && j < actions.size(); ++j) {
        QAction *action = actions[j];
        const FloatMenu::Item &item = items[size_t(j)];
        if (!item.visible) {
            action->setVisible(false);
            continue;
        }
        action->setText(item.caption);
        action->setData(item.tag);
        action->setVisible(true);
    }
    m_flottant->popup(QCursor::pos());
}

} // namespace vorlane
