#include "ui/exowindow.h"

#include "core/exercises/teststrip.h"
#include "core/render/datapictures.h"
#include "core/surface/fontmeasurer.h"
#include "ui/calc/machine.h"
#include "ui/exopictures.h"
#include "ui/surfaceview.h"
#include "ui/toolicons.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

namespace vorlane {

namespace {

constexpr double kTwips = 15; // twips per pixel
constexpr int kFace = 30;     // size of the face Image4, pixels
constexpr int kMark = 14;     // size of the marks, pixels

// A widget painted by a function, reporting mouse releases (the title band and
// the question strip).
class PaintedArea final : public QWidget {
public:
    PaintedArea(const QString &name, QWidget *parent) : QWidget(parent) { setObjectName(name); }
    std::function<void(QPainter &)> paint;
    std::function<void(QPoint)> released;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (paint)
            paint(p);
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (released && e->button() == Qt::LeftButton)
            released(e->position().toPoint());
    }
};

// An image or label acting as a button on the release of the mouse; the
// handler gets the release point in the control's own coordinates.
class ReleaseLabel final : public QLabel {
public:
    ReleaseLabel(const QString &name, QWidget *parent) : QLabel(parent)
    {
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
    }
    std::function<void(QPoint)> released;
    std::function<void(bool)> hovered;

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (released && e->button() == Qt::LeftButton)
            released(e->position().toPoint());
    }
    void enterEvent(QEnterEvent *) override
    {
        if (hovered)
            hovered(true);
    }
};

ReleaseLabel *clickable(const QString &name, QWidget *parent, std::function<void()> action)
{
    auto *l = new ReleaseLabel(name, parent);
    l->released = [l, action = std::move(action)](QPoint p) {
        if (p.x() >= 0 && p.y() >= 0 && p.x() <= l->width() && p.y() <= l->height())
            action();
    };
    return l;
}

QPixmap glyph(ToolIcons::Glyph g, int size, const QColor &colour = QColor(0x24, 0x3b, 0x63))
{
    return ToolIcons::pixmap(g, size, colour);
}

} // namespace

ExoWindow::ExoWindow(Session &session, RenderHost *courseHost, Prompts &prompts, const QString &folder,
                     Options options, QWidget *parent)
    : QDialog(parent), m_session(session), m_courseHost(courseHost), m_prompts(prompts), m_folder(folder),
      m_options(std::move(options))
{
    setObjectName(QStringLiteral("exo"));
    setWindowTitle(QStringLiteral("Vorlane Terminale S"));
    resize(760, 560);
    build();
    m_flow = std::make_unique<ExerciseFlow>(session.exercise, session.render, *this, m_controls, m_database,
                                            prompts, *this);
    m_database.open(folder);
}

ExoWindow::~ExoWindow() = default;

void ExoWindow::build()
{
    setMouseTracking(true);
    setStyleSheet(QStringLiteral(
        "#Label2 { color: #1d2b45; font: bold 13pt 'Arial'; }"
        "#noa { color: #1d2b45; font: 11pt 'Arial'; }"
        "#Label3, #command6 { color: #1d2b45; font: bold 10pt 'Arial'; }"
        "#command6 { border: 1px solid #8a93a8; border-radius: 4px; background: #fff7d0; padding: 2px 8px; }"
        "#frame1 { background: white; border: 1px solid #b8bfcc; }"));

    auto *tito = new PaintedArea(QStringLiteral("tito"), this);
    tito->paint = [tito](QPainter &p) {
        // The band itself, then the title shaded character by character.
        p.fillRect(tito->rect(), QColor(0, 0, 128));
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(24);
        f.setBold(true);
        p.setFont(f);
        const QFontMetricsF m(f);
        const QString text = TestStrip::titleText();
        const int n = int(text.size());
        double x = 30;
        const double y = (tito->height() - m.height()) / 2 - 2;
        for (int i = 1; i <= n; ++i) {
            const QString c = text.mid(i - 1, 1);
            p.setPen(TestStrip::titleColour(i, n));
            p.drawText(QPointF(x, y + m.ascent()), c);
            x += m.horizontalAdvance(c);
        }
    };
    m_tito = tito;

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_noa = new QLabel(this);
    m_noa->setObjectName(QStringLiteral("noa"));

    auto *strip = new PaintedArea(QStringLiteral("Picture1"), this);
    strip->setMouseTracking(true);
    strip->installEventFilter(this);
    strip->paint = [this, strip](QPainter &p) {
        p.fillRect(strip->rect(), Qt::white);
        const ExerciseState &s = m_session.exercise;
        const int count = m_flow->stripCount();
        const double w = strip->width();
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(8);
        f.setBold(true);
        p.setFont(f);
        const QFontMetrics m(f);
        bool anyAnswered = false;
        for (int q = 1; q <= count; ++q) {
            const TestStrip::Band b = TestStrip::band(q, count, strip->height());
            const TestStrip::Colours c = TestStrip::colours(s.status(q));
            anyAnswered = anyAnswered || s.status(q) != 0;
            const auto box = [&](double x1, double y1, double x2, double y2, const QColor &colour) {
                p.setPen(colour);
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(x1, y1, x2 - x1, y2 - y1));
            };
            box(0, b.top, w - 1, b.bottom, c.outer);
            box(1, b.top + 1, w - 1, b.bottom, c.inner);
            p.fillRect(QRectF(QPointF(1, b.top + 1), QPointF(w - 2, b.bottom - 1)), c.fill);
            p.setPen(c.text);
            const QString label = TestStrip::label(q);
            const double lw = m.horizontalAdvance(label);
            const double lh = m.height();
            p.drawText(QPointF((w - lw) / 2, b.top + (b.bottom - b.top - lh) / 2 + m.ascent()), label);
        }
        if (anyAnswered && !m_flow->scoreVisible())
            setScoreVisible(true);
    };
    strip->released = [this, strip](QPoint p) {
        if (!storeEditedQuestion())
            return;
        m_flow->stripReleased(p.y(), strip->height());
        questionChanged();
    };
    m_picture1 = strip;

    m_image4 = new QLabel(strip);
    m_image4->setObjectName(QStringLiteral("Image4"));
    m_image4->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_image4->setFixedSize(kFace, kFace);
    m_image4->setPixmap(QPixmap::fromImage(ExoPictures::face(4, kFace)));

    m_frame1 = new QScrollArea(this);
    m_frame1->setObjectName(QStringLiteral("frame1"));
    m_frame1->setWidgetResizable(false);
    m_frame1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frame1->viewport()->setStyleSheet(QStringLiteral("background: white;"));
    m_frame1->viewport()->setMouseTracking(true);
    m_frame1->viewport()->installEventFilter(this);
    m_picture2 = new SurfaceView(QStringLiteral("Picture2"), 560, 4575 / kTwips, nullptr);
    m_picture2->setMouseTracking(true);
    m_picture2->installEventFilter(this);
    m_frame1->setWidget(m_picture2);

    // The answer controls, on the question area.
    for (int i = 0; i < 5; ++i) {
        auto *o = new QRadioButton(m_picture2);
        o->setObjectName(QStringLiteral("option1_%1").arg(i));
        o->setAutoExclusive(false);
        o->setFixedSize(17, 17);
        o->hide();
        connect(o, &QRadioButton::toggled, this, [this, i](bool on) { optionToggled(i, on); });
        m_option1[std::size_t(i)] = o;
        auto *c = new QCheckBox(m_picture2);
        c->setObjectName(QStringLiteral("Check1_%1").arg(i));
        c->setFixedSize(17, 17);
        c->hide();
        connect(c, &QCheckBox::toggled, this,
                [this, i](bool on) { m_controls.check1[std::size_t(i)].value = on; });
        m_check1[std::size_t(i)] = c;
    }
    m_text1 = new QLineEdit(m_picture2);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(QFont(QStringLiteral("Arial"), 10));
    m_text1->setFixedSize(int(m_controls.text1Width / kTwips), 22);
    m_text1->hide();
    m_text1->installEventFilter(this);
    connect(m_text1, &QLineEdit::textChanged, this, [this](const QString &t) { m_controls.text1Text = t; });

    m_image1 = clickable(QStringLiteral("Image1"), m_picture2, [this] {
        if (storeEditedQuestion())
            m_flow->followLink();
    });
    m_image1->setPixmap(glyph(ToolIcons::Glyph::Book, 18));
    m_image1->setFixedSize(20, 20);
    m_image1->hide();
    auto *labelien = clickable(QStringLiteral("Labelien"), m_picture2, [this] {
        if (storeEditedQuestion())
            m_flow->followLink();
    });
    labelien->hovered = [this](bool) { setLinkBold(true); };
    m_labelien = labelien;
    m_labelien->hide();
    m_icovideo = clickable(QStringLiteral("Icovideo"), m_picture2, [this] {
        if (storeEditedQuestion())
            m_flow->followVideo();
    });
    m_icovideo->setPixmap(glyph(ToolIcons::Glyph::Film, 28));
    m_icovideo->setFixedSize(int(m_controls.icovideoWidth / kTwips), 32);
    m_icovideo->hide();

    // The bottom row.
    const auto navigate = [this](bool forward) {
        if (!storeEditedQuestion())
            return;
        forward ? m_flow->next() : m_flow->previous();
        questionChanged();
    };
    m_command3 = clickable(QStringLiteral("Command3"), this, [navigate] { navigate(false); });
    m_command3->setPixmap(glyph(ToolIcons::Glyph::Back, 26));
    m_command3->setToolTip(QString::fromUtf8("Question précédente"));
    m_command4 = clickable(QStringLiteral("command4"), this, [navigate] { navigate(true); });
    m_command4->setPixmap(glyph(ToolIcons::Glyph::Forward, 26));
    m_command4->setToolTip(QStringLiteral("Question suivante"));
    m_command5 = clickable(QStringLiteral("command5"), this, [this] { m_flow->validate(); });
    m_command5->setPixmap(QPixmap::fromImage(ExoPictures::mark(true, 26, 2.0)));
    m_command5->setToolTip(QString::fromUtf8("Valider la réponse"));
    m_label3 = clickable(QStringLiteral("Label3"), this, [this] { m_flow->validate(); });
    m_label3->setText(QString::fromUtf8("Valider la réponse"));
    m_command6 = clickable(QStringLiteral("command6"), this, [this] { m_flow->showScore(); });
    m_command6->setText(QStringLiteral("Score"));
    m_command6->hide();
    m_label5 = clickable(QStringLiteral("Label5"), this, [this] { m_flow->showScore(); });
    m_label5->setPixmap(glyph(ToolIcons::Glyph::Star, 20, QColor(0xc0, 0x8a, 0x00)));
    m_label5->setToolTip(QStringLiteral("Score"));
    m_label5->hide();
    m_image2 = clickable(QStringLiteral("Image2"), this, [this] {
        if (storeEditedQuestion())
            m_flow->close();
    });
    m_image2->setPixmap(glyph(ToolIcons::Glyph::Quit, 26));
    m_image2->setToolTip(QStringLiteral("Fermer le test"));
    m_command7 = clickable(QStringLiteral("Command7"), this, [this] { m_flow->calculator(); });
    m_command7->setPixmap(glyph(ToolIcons::Glyph::Calculator, 26));
    m_command7->setToolTip(QString::fromUtf8("Machine à calculer"));
    m_command1 = new QPushButton(QStringLiteral("Commutateur"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setVisible(m_options.authoring);
    connect(m_command1, &QPushButton::clicked, this, [this] { authoringSwitch(); });
    m_code = new QPlainTextEdit(this);
    m_code->setObjectName(QStringLiteral("code"));
    m_code->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    m_code->setGeometry(0, 0, 10, 10);
    m_code->hide();
    layoutControls();
}

void ExoWindow::layoutControls()
{
    const int w = width();
    const int h = height();
    m_tito->setGeometry(0, 0, w, 46);
    m_label2->setGeometry(16, 52, w - 32, 24);
    m_noa->setGeometry(16, 78, 300, 20);
    const int top = 104;
    const int bottom = h - 58;
    m_picture1->setGeometry(12, top, 132, bottom - top);
    m_frame1->setGeometry(156, top, w - 168, bottom - top);
    // The question area is as wide as the frame, less its border and the room
    // of its vertical scroll bar (the viewport's own width is known only once
    // the frame has been laid out).
    const double areaPx =
        m_frame1->width() - 2 * m_frame1->frameWidth() - m_frame1->verticalScrollBar()->sizeHint().width();
    if (m_picture2->surface().width() != areaPx)
        m_picture2->surface().setWidth(areaPx);
    const int y = h - 46;
    m_command3->setGeometry(156, y, 32, 32);
    m_command4->setGeometry(194, y, 32, 32);
    m_command5->setGeometry(250, y, 32, 32);
    m_label3->setGeometry(286, y + 6, 150, 20);
    m_command6->setGeometry(452, y + 4, 64, 24);
    m_label5->setGeometry(520, y + 6, 22, 22);
    m_command1->setGeometry(w - 230, y + 2, 110, 28);
    m_command7->setGeometry(w - 96, y, 32, 32);
    m_image2->setGeometry(w - 52, y, 32, 32);
    if (m_code->isVisible())
        m_code->setGeometry(m_frame1->geometry());
    if (m_flow)
        placeFace(m_session.exercise.currentQuestion, m_session.exercise.questionCount);
}

void ExoWindow::open(const QRect &courseGeometry, int screenWidthPx)
{
    m_flow->load();
    if (screenWidthPx > 850) {
        resize(courseGeometry.size());
        move(courseGeometry.topLeft());
    }
    m_flow->activate();
}

void ExoWindow::run(QWidget &courseWindow, Session &session, RenderHost *courseHost, Prompts &prompts,
                    Desktop &desktop, const QString &folder, int screenWidthPx)
{
    Options options;
    options.desktop = &desktop;
    options.authoring = session.exercise.authoring;
    ExoWindow window(session, courseHost, prompts, folder, options, &courseWindow);
    window.open(courseWindow.frameGeometry(), screenWidthPx);
    window.exec();
}

// ---- ExerciseView ----------------------------------------------------------------

void ExoWindow::setTitle(const QString &title)
{
    m_label2->setText(title);
}

void ExoWindow::setQuestionLabel(const QString &text)
{
    m_noa->setText(text);
}

void ExoWindow::setNavigation(bool previousVisible, bool nextVisible)
{
    m_command3->setVisible(previousVisible);
    m_command4->setVisible(nextVisible);
}

void ExoWindow::placeFace(int current, int count)
{
    const double left = TestStrip::faceLeft(m_picture1->width(), kFace);
    const double top = TestStrip::faceTop(m_picture1->height(), count, current, kFace);
    m_image4->move(int(std::lround(left)), int(std::lround(top)));
}

void ExoWindow::showFace(int face)
{
    m_image4->setPixmap(QPixmap::fromImage(ExoPictures::face(face, kFace)));
    m_image4->setProperty("face", face);
}

void ExoWindow::setValidateVisible(bool visible)
{
    m_command5->setVisible(visible);
    m_label3->setVisible(visible);
}

void ExoWindow::setScoreVisible(bool visible)
{
    m_command6->setVisible(visible);
    m_label5->setVisible(visible);
}

void ExoWindow::repaintStrip()
{
    m_picture1->repaint();
}

void ExoWindow::controlsChanged()
{
    const auto place = [](QWidget *w, const TestControl &c) {
        w->move(int(std::lround(c.left / kTwips)), int(std::lround(c.top / kTwips)));
        w->setEnabled(c.enabled);
        w->setVisible(c.visible);
    };
    for (int i = 0; i < 5; ++i) {
        QRadioButton *o = m_option1[std::size_t(i)];
        const QSignalBlocker b1(o);
        o->setChecked(m_controls.option1[std::size_t(i)].value);
        place(o, m_controls.option1[std::size_t(i)]);
        QCheckBox *c = m_check1[std::size_t(i)];
        const QSignalBlocker b2(c);
        c->setChecked(m_controls.check1[std::size_t(i)].value);
        place(c, m_controls.check1[std::size_t(i)]);
    }
    {
        const QSignalBlocker b(m_text1);
        if (m_text1->text() != m_controls.text1Text)
            m_text1->setText(m_controls.text1Text);
    }
    place(m_text1, m_controls.text1);
    place(m_image1, m_controls.image1);
    m_labelien->setText(m_controls.labelCaption);
    m_labelien->setFont(FontMeasurer::makeFont(m_controls.labelFont));
    QPalette pal = m_labelien->palette();
    pal.setColor(QPalette::WindowText, m_controls.labelColour);
    m_labelien->setPalette(pal);
    m_labelien->adjustSize();
    place(m_labelien, m_controls.labelien);
    m_icovideo->setToolTip(m_controls.videoToolTip);
    place(m_icovideo, m_controls.icovideo);
    if (m_text1->isVisible() && m_text1->isEnabled() && isVisible())
        m_text1->setFocus();
}

void ExoWindow::showCorrectPopup()
{
    CjusteWindow popup(this, m_options.popupTimer ? m_options.popupTimer() : nullptr);
    popup.adjustSize();
    popup.move(mapToGlobal(QPoint((width() - popup.width()) / 2, (height() - popup.height()) / 2)));
    // The face is hidden while the popup shows.
    const bool faceShown = m_image4->isVisible();
    m_image4->hide();
    popup.run();
    m_image4->setVisible(faceShown);
}

DrawingSurface *ExoWindow::questionSurface()
{
    return &m_picture2->surface();
}

std::optional<Picture> ExoWindow::markPicture(bool inSolution)
{
    return Picture{ExoPictures::mark(inSolution, kMark, devicePixelRatioF()),
                   inSolution ? QStringLiteral("Image3") : QStringLiteral("Image5")};
}

void ExoWindow::openCalculator()
{
    if (m_options.calculator) {
        m_options.calculator();
        return;
    }
    if (!m_options.desktop)
        return; // a window made without the desktop (tests) has no calculator
    Machine machine(m_session, *m_options.desktop, this);
    const QWidget *course = parentWidget() ? parentWidget() : this;
    // Right of the course window by 240 twips, 1800 twips below its top.
    machine.move(course->x() + course->width() - machine.width() - 240 / int(kTwips),
                 course->y() + 1800 / int(kTwips));
    machine.exec();
}

void ExoWindow::closeWindow()
{
    m_closing = true;
    accept();
}

// ---- RenderHost -------------------------------------------------------------------

DrawingSurface *ExoWindow::surface(const QString &name)
{
    return name == u"Picture2" ? &m_picture2->surface() : nullptr;
}

std::optional<Picture> ExoWindow::dataPicture(const QString &name)
{
    if (m_courseHost)
        return m_courseHost->dataPicture(name);
    return DataPictures::loadFrom(m_folder, name);
}

std::optional<Picture> ExoWindow::listIcon(int list, int index)
{
    return m_courseHost ? m_courseHost->listIcon(list, index) : std::nullopt;
}

// ---- Events -----------------------------------------------------------------------

void ExoWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.fillRect(rect(), Qt::white);
    for (int i = 0; i <= 60; ++i) {
        p.setPen(TestStrip::topBandColour(i));
        p.drawLine(0, 40 + i, w, 40 + i);
    }
    for (int i = 30; i >= 0; --i) {
        p.setPen(TestStrip::bottomBandColour(i));
        p.drawLine(0, h - i, w, h - i);
    }
}

void ExoWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutControls();
}

void ExoWindow::closeEvent(QCloseEvent *event)
{
    // The window's own close box is the close button.
    if (m_closing || !storeEditedQuestion() || !m_flow->close())
        event->ignore();
    if (m_closing)
        event->accept();
}

void ExoWindow::reject()
{
    if (!storeEditedQuestion())
        return;
    m_flow->close();
}

bool ExoWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_flow->enterInText();
            return true;
        }
        if (key->text() == u".") {
            m_text1->insert(QString(ExerciseFlow::typedKey(u'.')));
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove &&
        (watched == m_picture1 || watched == m_picture2 || watched == m_frame1->viewport()))
        setLinkBold(false);
    return QDialog::eventFilter(watched, event);
}

void ExoWindow::setLinkBold(bool bold)
{
    QFont f = m_labelien->font();
    if (f.bold() == bold)
        return;
    f.setBold(bold);
    m_labelien->setFont(f);
    m_labelien->adjustSize();
}

void ExoWindow::optionToggled(int index, bool on)
{
    // At most one option is chosen.
    for (int i = 0; i < 5; ++i) {
        const bool value = i == index ? on : (on ? false : m_controls.option1[std::size_t(i)].value);
        m_controls.option1[std::size_t(i)].value = value;
        if (i != index && on) {
            const QSignalBlocker b(m_option1[std::size_t(i)]);
            m_option1[std::size_t(i)]->setChecked(false);
        }
    }
}

// ---- Authoring switch ---------------------------------------------------------------

void ExoWindow::authoringSwitch()
{
    if (m_code->isVisible()) {
        // Back to the drawing: the edit is stored, then drawn.
        if (!storeEditedQuestion())
            return;
        m_frame1->show();
        m_code->hide();
        m_code->setGeometry(0, 0, 10, 10);
        m_flow->drawEdited(editedMarkup());
        return;
    }
    m_frame1->hide();
    m_code->setGeometry(m_frame1->geometry());
    m_code->setPlainText(QString(m_flow->code()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_code->show();
    m_code->setFocus();
}

bool ExoWindow::storeEditedQuestion()
{
    if (!m_code->isVisible() || editedMarkup() == m_flow->code())
        return true;
    QString reason;
    if (m_database.storeQuestion(m_session.exercise, editedMarkup(), &reason)) {
        m_flow->drawEdited(editedMarkup());
        return true;
    }
    m_prompts.ask({QString::fromUtf8("La question modifiée n'a pas pu être enregistrée : %1.\n"
                                     "Le texte reste dans l'éditeur.")
                       .arg(reason),
                   QStringLiteral("Commutateur"), MessageIcon::Exclamation, MessageButtons::Ok});
    return false;
}

QString ExoWindow::editedMarkup() const
{
    // The editor shows lines; the markup ends them with CR LF.
    return m_code->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void ExoWindow::questionChanged()
{
    // The editor follows the question on display.
    if (m_code->isVisible())
        m_code->setPlainText(QString(m_flow->code()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace vorlane
