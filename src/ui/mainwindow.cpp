#include "ui/mainwindow.h"

#include "core/app/windowrules.h"
#include "core/companions/updatedescription.h"
#include "core/course/floatingmenu.h"
#include "core/course/pageindexloader.h"
#include "core/records/statefile.h"
#include "core/render/datapictures.h"
#include "core/render/titleband.h"
#include "core/surface/fontmapper.h"
#include "core/surface/fontmeasurer.h"
#include "ui/alertwindow.h"
#include "ui/calc/machine.h"
#include "ui/companions/updatewindow.h"
#include "ui/linkelement.h"
#include "ui/orders/orderformwindow.h"
#include "ui/progressstrip.h"
#include "ui/surfaceview.h"
#include "ui/toolicons.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace vorlane {

namespace {

// Window design, in pixels of the window's inner area (800 x 600).
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kToolbarHeight = 40;
constexpr QRect kTitre(0, kToolbarHeight, kWidth, 60);
constexpr QRect kBastitre(0, kHeight - 30, kWidth, 30);
constexpr int kBodyWidth = 600;
constexpr int kScrollWidth = 16;
constexpr QSize kIllustration(180, 420);
constexpr QSize kStrip(320, 10);

const char *kStyle = R"(
#barre { background: #f3f5f9; border-bottom: 1px solid #d5dbe5; }
QToolButton { border: 1px solid transparent; border-radius: 5px; padding: 2px 6px; color: #1d2b45;
              font-size: 13px; background: transparent; }
QToolButton:hover { background: #e3e9f3; border-color: #c9d3e3; }
QToolButton:pressed { background: #d3ddee; }
QToolButton:disabled { color: #a8b0bd; }
QToolButton[band="true"] { font-size: 12px; padding: 1px 5px; }
QToolButton[band="true"]:hover { background: rgba(255, 255, 255, 150); border-color: rgba(160, 90, 20, 90); }
#Label16 { color: #1d2b45; font-size: 12px; }
)";

} // namespace

MainWindow::MainWindow(QString applicationFolder, Session &session, CourseRows &rows, CourseOpener &opener,
                       DesktopServices services, QWidget *parent)
    : QWidget(parent), m_folder(WithFinalSlash(applicationFolder)), m_session(session), m_rows(rows),
      m_opener(opener), m_desktop(services),
      m_disc(m_folder, services.files, services.volumes, services.prompts, services.desktop),
      m_launcher(m_folder, session, services.files, services.processes, services.prompts),
      m_display(session, rows, *this), m_navigator(session, rows, m_display, m_launcher, *this),
      m_renderer(session.render, *this), m_history(session, m_navigator, *this)
{
    setObjectName(QStringLiteral("multim"));
    setWindowTitle(PageDisplay::productCaption());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xf9)); // the illustration column
    setPalette(pal);
    setStyleSheet(QString::fromLatin1(kStyle));
    resize(kWidth, kHeight);
    buildControls();
}

MainWindow::~MainWindow() = default;

QToolButton *MainWindow::toolButton(QWidget *parent, const char *name, int glyph, const QString &toolTip,
                                    const QString &text, const QRect &geometry)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(ToolIcons::icon(ToolIcons::Glyph(glyph)));
    b->setIconSize(QSize(18, 18));
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    if (!text.isEmpty()) {
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

void MainWindow::buildControls()
{
    using G = ToolIcons::Glyph;
    const auto g = [](G glyph) { return int(glyph); };

    // Title bands, page frame, body, scroll bar, illustration.
    m_titre = new SurfaceView(QStringLiteral("titre"), kTitre.width(), kTitre.height(), this);
    m_titre->move(kTitre.topLeft());
    m_bastitre = new SurfaceView(QStringLiteral("bastitre"), kBastitre.width(), kBastitre.height(), this);
    m_bastitre->move(kBastitre.topLeft());

    m_frame = new QWidget(this);
    m_frame->setObjectName(QStringLiteral("frame1s"));
    m_frame->setAutoFillBackground(true);
    QPalette white = m_frame->palette();
    white.setColor(QPalette::Window, Qt::white); // colour 15 of the basic palette
    m_frame->setPalette(white);
    m_frame->setGeometry(kWidth - kBodyWidth - kScrollWidth, kTitre.bottom() + 1, kBodyWidth + kScrollWidth,
                         kBastitre.top() - kTitre.bottom() - 1);
    m_frame->installEventFilter(this);
    m_body = new SurfaceView(QStringLiteral("PictureTEXTE"), kBodyWidth, 1000, m_frame);
    m_body->move(0, 0);
    m_scroll = new QScrollBar(Qt::Vertical, m_frame);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setGeometry(kBodyWidth, 0, kScrollWidth, m_frame->height());
    m_scroll->hide();
    // On every change and while dragging, the body's top is minus the value.
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int v) { m_body->move(m_body->x(), -v); });

    m_illus =
        new SurfaceView(QStringLiteral("PICTUREILLUS"), kIllustration.width(), kIllustration.height(), this);
    m_illus->setSeeThroughWhenBlank(true);
    m_illus->move(2, kTitre.bottom() + 1 + (m_frame->height() - kIllustration.height()) / 2);

    m_videoFrame = new QWidget(this);
    m_videoFrame->setObjectName(QStringLiteral("label15"));
    m_videoFrame->setGeometry(10, 0, 160, 40);
    m_videoFrame->hide();

    // Links placed by the renderer.
    for (int i = 0; i < kLabelCount; ++i) {
        auto *l = new LinkElement(QStringLiteral("Labelien"), i, m_body);
        if (i == 0)
            l->setCursor(Qt::PointingHandCursor);
        connect(l, &LinkElement::clicked, this, &MainWindow::onTextLinkClicked);
        l->installEventFilter(this);
        m_labels.push_back(l);
    }
    for (int i = 0; i < kImageCount; ++i) {
        auto *img = new LinkElement(QStringLiteral("Imagelien"), i, m_body);
        img->setCursor(Qt::PointingHandCursor);
        connect(img, &LinkElement::clicked, this, &MainWindow::onPictureLinkClicked);
        m_images.push_back(img);
    }

    // The floating menu of picture links tagged "FLOTTANT".
    m_flottant = new QMenu(this);
    m_flottant->setObjectName(QStringLiteral("flottant"));
    for (int j = 0; j < FloatingMenu::kItemCount; ++j) {
        QAction *item = m_flottant->addAction(QString());
        item->setObjectName(QStringLiteral("choixflot_%1").arg(j));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, item] { navigate(item->data().toString()); });
    }

    // Tool bar.
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("barre"));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setGeometry(0, 0, kWidth, kToolbarHeight);
    m_avant = toolButton(bar, "avant", g(G::Back), QString::fromUtf8("Page précédente"), {}, {6, 5, 30, 30});
    m_apres = toolButton(bar, "apres", g(G::Forward), QStringLiteral("Page suivante"), {}, {38, 5, 30, 30});
    m_avant->setEnabled(false);
    m_apres->setEnabled(false);
    m_command2 = toolButton(bar, "Command2", g(G::Home), QString::fromUtf8("Afficher le sommaire général"),
                            QStringLiteral("Accueil"), {80, 5, 104, 30});
    auto *physique = toolButton(bar, "command6", g(G::Atom), QStringLiteral("Sommaire physique"),
                                QStringLiteral("Physique"), {186, 5, 96, 30});
    auto *chimie = toolButton(bar, "command5", g(G::Flask), QStringLiteral("Sommaire chimie"),
                              QStringLiteral("Chimie"), {284, 5, 86, 30});
    auto *search = toolButton(bar, "command4", g(G::Search), QStringLiteral("Moteur de recherche"), {},
                              {560, 5, 30, 30});
    auto *calculator = toolButton(bar, "Command3", g(G::Calculator), QString::fromUtf8("Machine à calculer"),
                                  {}, {594, 5, 30, 30});
    m_print = toolButton(bar, "CommandIMPRIME", g(G::Printer),
                         QStringLiteral("Imprimer ou configurer l'imprimante"), {}, {628, 5, 30, 30});
    auto *help = toolButton(bar, "Command10", g(G::Help), QStringLiteral("Aide pour utiliser le logiciel"),
                            {}, {662, 5, 30, 30});
    auto *quit = toolButton(bar, "Command14", g(G::Quit), QStringLiteral("Quitter l'application"),
                            QStringLiteral("&Quitter"), {704, 5, 90, 30});
    Q_UNUSED(search);

    // Bottom band: chapter steps, the way back to a test, the tools of the software.
    const auto band = [](QToolButton *b) {
        b->setProperty("band", true);
        b->setIconSize(QSize(16, 16));
        return b;
    };
    m_avantcours =
        band(toolButton(this, "avantcours", g(G::ChapterPrevious),
                        QString::fromUtf8("Page précédente dans ce chapitre"), {}, {8, 573, 30, 24}));
    m_suite = band(toolButton(this, "suite", g(G::ChapterNext),
                              QStringLiteral("Page suivante dans ce chapitre"), {}, {40, 573, 30, 24}));
    m_avantcours->hide();
    m_suite->hide();
    m_btexo = new QLabel(this);
    m_btexo->setObjectName(QStringLiteral("btexo"));
    m_btexo->setPixmap(ToolIcons::pixmap(ToolIcons::Glyph::Test, 18, QColor(0x24, 0x3b, 0x63)));
    m_btexo->setToolTip(QStringLiteral("Retrouver le test"));
    m_btexo->setGeometry(86, 576, 20, 20);
    m_btexo->hide();
    m_label16 = new QLabel(QStringLiteral("Retrouver le test"), this);
    m_label16->setObjectName(QStringLiteral("Label16"));
    m_label16->setGeometry(108, 573, 130, 24);
    m_label16->hide();
    auto *update = band(toolButton(this, "Command8", g(G::Update), QStringLiteral("Actualiser le logiciel"),
                                   {}, {628, 573, 30, 24}));
    auto *web =
        band(toolButton(this, "Command12", g(G::Globe),
                        QString::fromUtf8("Connexion au site web de l'éditeur"), {}, {660, 573, 30, 24}));
    auto *credits = band(
        toolButton(this, "Command13", g(G::Info), {}, QString::fromUtf8("C&rédits"), {694, 573, 98, 24}));

    connect(m_avant, &QToolButton::clicked, this, [this] { m_history.Back(); });
    connect(m_apres, &QToolButton::clicked, this, [this] { m_history.Forward(); });
    const auto chapterStep = [this](QToolButton *button, int step) {
        button->setCursor(Qt::WaitCursor);
        m_navigator.ChapterStep(double(m_session.currentOrder) + step);
        button->setCursor(m_labels[0]->cursor());
    };
    connect(m_avantcours, &QToolButton::clicked, this,
            [this, chapterStep] { chapterStep(m_avantcours, -1); });
    connect(m_suite, &QToolButton::clicked, this, [this, chapterStep] { chapterStep(m_suite, 1); });
    connect(m_command2, &QToolButton::clicked, this, [this] { navigate(m_command2Tag); });
    connect(physique, &QToolButton::clicked, this, [this] { navigate(QStringLiteral("PAG028")); });
    connect(chimie, &QToolButton::clicked, this, [this] { navigate(QStringLiteral("PAG030")); });
    connect(credits, &QToolButton::clicked, this, [this] { navigate(QStringLiteral("PAG161")); });
    connect(web, &QToolButton::clicked, this, [this] { navigate(QStringLiteral("EXE070")); });
    connect(calculator, &QToolButton::clicked, this,
            [this] { Machine::openFromCourseWindow(*this, m_session); });
    connect(help, &QToolButton::clicked, this, &MainWindow::onHelp);
    connect(update, &QToolButton::clicked, this, &MainWindow::onUpdate);
    connect(quit, &QToolButton::clicked, this, &QWidget::close);

    // Cover and progress strip.
    m_strip = new ProgressStripWidget(this);
    m_strip->resize(kStrip);
    m_strip->hide();

    // The hidden frame of the page record's bound fields.
    m_framebase = new QGroupBox(QString::fromUtf8("Base de données"), this);
    m_framebase->setObjectName(QStringLiteral("Framebase"));
    m_framebase->setGeometry(200, 120, 400, 300);
    const auto field = [this](const char *name, int y) {
        auto *e = new QLineEdit(m_framebase);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(150, y, 230, 22);
        e->setReadOnly(true);
        return e;
    };
    const char *labels[] = {"Titre", "Index fixe (n° page)", "Index ordonnant"};
    for (int i = 0; i < 3; ++i) {
        auto *l = new QLabel(QString::fromUtf8(labels[i]), m_framebase);
        l->setObjectName(QStringLiteral("LabelW"));
        l->setGeometry(10, 24 + 28 * i, 135, 22);
    }
    m_textitre = field("Textitre", 24);
    m_textID = field("TextID", 52);
    m_textIndex = field("TextIndex", 80);
    m_debimp = field("debimp", 108);
    m_finimp = field("finimp", 136);
    const char *checks[] = {"Checkpre", "Checksui", "Checkimp", "Checkmot"};
    for (int i = 0; i < 4; ++i) {
        m_checks[size_t(i)] = new QCheckBox(QString::fromLatin1(checks[i]), m_framebase);
        m_checks[size_t(i)]->setObjectName(QString::fromLatin1(checks[i]));
        m_checks[size_t(i)]->setGeometry(10 + 95 * i, 166, 90, 22);
    }
    m_code = new QPlainTextEdit(m_framebase);
    m_code->setObjectName(QStringLiteral("code"));
    m_code->setReadOnly(true);
    m_code->setGeometry(10, 194, 380, 96);
    m_framebase->hide();

    // Moving the mouse over the window or one of its page areas clears the
    // emphasis of every text link.
    setMouseTracking(true);
    for (QWidget *w : {static_cast<QWidget *>(m_body), static_cast<QWidget *>(m_illus),
                       static_cast<QWidget *>(m_titre), m_frame, static_cast<QWidget *>(m_framebase)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

// ---- Load, resize, activation ------------------------------------------------

bool MainWindow::load()
{
    StartupContext context{m_folder,          m_session, m_desktop.screen, m_desktop.files,
                           m_desktop.prompts, *this,     m_opener};
    if (!StartupChecks(context))
        return false;

    m_frame->hide();
    m_illus->hide();
    m_framebase->hide();
    showCover();
    show();
    // The cover shows while the index loads.
    QCoreApplication::processEvents();

    TitleBand::PaintTitleBand(*this, 2);
    // Painting a band in one of its styles sets the link-style flag; the flag
    // is never cleared, so the bands of later pages cannot change it.
    m_session.linkStyle = 1;

    PageIndexLoader(m_folder, m_desktop.files, m_rows, m_strip).LoadPageIndex(m_session.pageIndex);
    navigate(QStringLiteral("PAG001"));

    m_frame->show();
    m_illus->show();
    m_loaded = true;
    return true;
}

void MainWindow::showCover()
{
    LinkElement *cover = m_images[0];
    QImage image;
    if (const auto path = m_desktop.files.resolve(m_folder + QStringLiteral("couvT.jpg")))
        image.load(*path);
    cover->setParent(this);
    cover->setPixmap(QPixmap::fromImage(image));
    cover->resize(image.isNull() ? QSize(0, 0) : image.size());
    cover->move((width() - cover->width()) / 2, (height() - cover->height()) / 2);
    cover->show();
    cover->raise();
    m_strip->move((width() - m_strip->width()) / 2, cover->y() + cover->height());
    m_strip->raise();
}

void MainWindow::navigate(const QString &code)
{
    QString c = code;
    m_navigator.Navigate(c);
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
    m_applyingSize = true;
    if (response.normalAt)
        showNormalAt(*response.normalAt);
    else if (response.restoreSize && size() != QSize(kWidth, kHeight))
        resize(kWidth, kHeight);
    m_applyingSize = false;
}

void MainWindow::paintEvent(QPaintEvent *)
{
    // A hairline between the illustration column and the page.
    QPainter p(this);
    p.setPen(QColor(0xdf, 0xe4, 0xec));
    if (m_frame->isVisible())
        p.drawLine(m_frame->x() - 1, m_frame->y(), m_frame->x() - 1, m_frame->y() + m_frame->height() - 1);
}

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
    if (image->tag() == FloatingMenu::linkTag()) {
        openFloatingMenu(index);
        return;
    }
    image->setCursor(Qt::WaitCursor);
    navigate(image->tag());
    image->setCursor(Qt::PointingHandCursor);
}

void MainWindow::openFloatingMenu(int link)
{
    const FloatingMenu::Items items = FloatingMenu::itemsFor(m_session.floatMenu, link);
    const QList<QAction *> actions = m_flottant->actions();
    for (int j = 0; j < FloatingMenu::kItemCount && j < actions.size(); ++j) {
        QAction *action = actions[j];
        const FloatingMenu::Item &item = items[size_t(j)];
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

void MainWindow::onHelp()
{
    if (const auto hlp = m_desktop.files.resolve(m_folder + QStringLiteral("PCTS.hlp"))) {
        m_desktop.desktop.openHelp(*hlp);
        return;
    }
    if (const auto html = m_desktop.files.resolve(m_folder + QStringLiteral("PCTS.html")))
        m_desktop.desktop.openHelp(*html);
}

void MainWindow::onUpdate()
{
    if (const std::optional<Message> refusal = UpdateRefusal(StateFile(m_folder))) {
        m_desktop.prompts.ask(*refusal);
        return;
    }
    UpdateWindow maj2001(m_folder, QCoreApplication::applicationFilePath(), m_desktop.files,
                         m_desktop.processes, m_desktop.prompts, this);
    maj2001.exec();
    if (maj2001.endProgram())
        QCoreApplication::exit(0); // the installer replaces the program's files
}

// ---- StartupWindow ------------------------------------------------------------

void MainWindow::copyLinkPointers()
{
    for (int i = 1; i < kLabelCount; ++i)
        m_labels[size_t(i)]->setCursor(m_labels[0]->cursor());
}

void MainWindow::setWindowWidth(int pixels)
{
    resize(pixels, height());
}

void MainWindow::processEvents()
{
    QCoreApplication::processEvents();
}

bool MainWindow::showScreenAlert()
{
    AlertWindow alert(m_session.screenAlertMode, m_desktop.desktop, this);
    alert.exec();
    return alert.endProgram();
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

// ---- PageView -------------------------------------------------------------------

void MainWindow::showRecord(const PageRecord &r)
{
    m_textitre->setText(r.textitre);
    m_textID->setText(r.textID);
    m_textIndex->setText(r.textIndex);
    m_debimp->setText(r.debimp);
    m_finimp->setText(r.finimp);
    const int states[] = {r.checkpre, r.checksui, r.checkimp, r.checkmot};
    for (size_t i = 0; i < 4; ++i)
        m_checks[i]->setChecked(states[i] == 1);
    m_code->setPlainText(r.code);
}

void MainWindow::setIllustrationVisible(bool visible)
{
    m_illus->setVisible(visible);
}

void MainWindow::setBodyVisible(bool visible)
{
    m_body->setVisible(visible);
}

void MainWindow::clearLinks()
{
    m_links.hideAll();
    for (LinkElement *l : m_labels) {
        l->hide();
        l->setTag(QString());
    }
    for (LinkElement *img : m_images) {
        img->hide();
        img->setTag(QString());
        img->setToolTip(QString());
    }
}

void MainWindow::setScrollBarVisible(bool visible)
{
    m_scroll->setVisible(visible);
}

void MainWindow::resetDrawing()
{
    m_renderer.setSurface(&m_body->surface());
    m_session.render.printMode = false;
    // The media control closes here once videos play.
    m_videoFrame->hide();
    m_illus->setBordered(false);
    m_titre->surface().clear();
    m_illus->surface().clear();
    m_body->surface().clear();
    m_session.render.pageHeight = 0;
    m_body->surface().setHeight(1000);
}

void MainWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void MainWindow::setBackEnabled(bool enabled)
{
    m_avant->setEnabled(enabled);
}

void MainWindow::setForwardEnabled(bool enabled)
{
    m_apres->setEnabled(enabled);
}

void MainWindow::renderBody(const QString &body)
{
    m_renderer.RenderPageText(body);
}

PageAreaInputs MainWindow::pageAreaInputs() const
{
    PageAreaInputs in;
    in.titre = m_titre->geometry();
    in.bastitre = m_bastitre->geometry();
    in.body = m_body->size();
    in.scrollBarWidth = m_scroll->width();
    in.innerWidth = width();
    in.illustration = m_illus->size();
    in.illustrationUp = m_session.render.layout.illustrationUp;
    in.videoFrameVisible = !m_videoFrame->isHidden();
    in.videoFrame = m_videoFrame->size();
    return in;
}

void MainWindow::applyPageArea(const PageAreaLayout &layout)
{
    m_frame->setGeometry(layout.frame);
    m_body->move(layout.body);
    m_scroll->setValue(layout.scrollBar.value);
    m_scroll->setSingleStep(layout.scrollBar.smallChange);
    if (layout.scrollBar.largeChange)
        m_scroll->setPageStep(*layout.scrollBar.largeChange);
    if (layout.scrollBar.visible) {
        m_scroll->setRange(layout.scrollBar.minimum, layout.scrollBar.maximum.value_or(0));
        m_scroll->setGeometry(layout.scrollBar.geometry);
        m_scroll->show();
        m_scroll->raise();
    } else {
        m_scroll->hide();
    }
    if (layout.illustration) {
        m_illus->move(*layout.illustration);
        m_illus->show();
    }
    if (layout.videoFrame)
        m_videoFrame->move(*layout.videoFrame);
    update();
}

void MainWindow::setChapterButtons(bool previousVisible, bool nextVisible)
{
    m_avantcours->setVisible(previousVisible);
    m_suite->setVisible(nextVisible);
}

void MainWindow::setPrintEnabled(bool enabled)
{
    m_print->setEnabled(enabled);
}

void MainWindow::setContentsButton(const QString &tag, const QString &caption)
{
    m_command2Tag = tag;
    m_command2->setText(caption);
    m_command2->setIcon(
        ToolIcons::icon(caption == u"Accueil" ? ToolIcons::Glyph::Home : ToolIcons::Glyph::Contents));
}

// ---- NavigatorHost ----------------------------------------------------------------

void MainWindow::setBusyPointer(bool busy)
{
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void MainWindow::runTestWindow()
{
    // The test window opens here once it exists; until then no test hands back
    // a page.
}

void MainWindow::setTestRecallVisible(bool visible)
{
    m_btexo->setVisible(visible);
    m_label16->setVisible(visible);
}

void MainWindow::showOrderForm(int form)
{
    OrderFormWindow::run(form, m_folder, this);
}

// ---- RenderHost -------------------------------------------------------------------

DrawingSurface *MainWindow::surface(const QString &name)
{
    for (SurfaceView *v : {m_body, m_illus, m_titre, m_bastitre}) {
        if (v->surface().name() == name)
            return &v->surface();
    }
    return nullptr;
}

double MainWindow::twipsPerPixelX() const
{
    return m_desktop.screen.twipsPerPixelX();
}

double MainWindow::twipsPerPixelY() const
{
    return m_desktop.screen.twipsPerPixelY();
}

std::optional<Picture> MainWindow::dataPicture(const QString &name)
{
    QString path = DataPictures::bareName(name);
    m_disc.LocateDataFile(path);
    return DataPictures::load(path);
}

std::optional<Picture> MainWindow::listIcon(int list, int index)
{
    return m_lists.picture(list, index, devicePixelRatioF());
}

void MainWindow::setAreaWidths(double illustrationPx, double bodyPx)
{
    m_body->surface().setWidth(bodyPx);
    m_illus->surface().setWidth(illustrationPx);
    if (illustrationPx != 0)
        m_illus->surface().setHeight(kIllustration.height());
}

SurfaceView *MainWindow::viewOf(const QString &surfaceName) const
{
    for (SurfaceView *v : {m_body, m_illus, m_titre, m_bastitre}) {
        if (v->surface().name() == surfaceName)
            return v;
    }
    return nullptr;
}

void MainWindow::linkShown(LinkArray array, int index)
{
    const LinkItem &item = m_links.element(array, index);
    LinkElement *widget = (array == LinkArray::Labelien ? m_labels : m_images).at(size_t(index));
    widget->setTag(item.tag);
    widget->setToolTip(item.toolTip);
    SurfaceView *view = viewOf(item.container);
    if (!view) {
        widget->hide();
        return;
    }
    if (widget->parentWidget() != view)
        widget->setParent(view);
    int width = int(std::ceil(item.width / 15));
    const int height = int(std::ceil(item.height / 15));
    if (array == LinkArray::Labelien) {
        QStringList lines = item.caption.split(QStringLiteral("\r\n"));
        for (QString &line : lines)
            line = FontMapper::mapText(item.font.name, line);
        widget->setFont(FontMeasurer::makeFont(item.font));
        QPalette pal = widget->palette();
        pal.setColor(QPalette::WindowText, item.colour);
        widget->setPalette(pal);
        widget->setText(lines.join(u'\n'));
        width += 1; // the overhang of italic text
    } else {
        const QImage icon = m_lists.icon(item.list, item.icon, devicePixelRatioF());
        widget->setScaledContents(true);
        widget->setPixmap(icon.isNull() ? QPixmap() : QPixmap::fromImage(icon));
    }
    widget->setGeometry(int(std::lround(item.left / 15)), int(std::lround(item.top / 15)), width, height);
    widget->setVisible(item.visible);
    widget->raise();
}

void MainWindow::showVideoFrame(const QString &name)
{
    m_session.videoName = name;
    update();
    m_illus->setBordered(true);
    m_videoFrame->show();
}

} // namespace vorlane
