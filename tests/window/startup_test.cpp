// Start-up of the course window: screen checks, database checks, the first
// page, the resize rules and the controls.

#include "windowfixture.h"

#include "core/app/coursetools.h"
#include "core/app/startupchecks.h"
#include "core/course/pagerecord.h"
#include "ui/bandedscrollbarstyle.h"
#include "ui/courseloadwindow.h"
#include "ui/helpwindow.h"
#include "ui/linkelement.h"
#include "ui/platform/messageprompts.h"
#include "ui/progressstrip.h"
#include "ui/surfaceview.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

void expectEndingMessage(const FakePrompts &prompts, const char *text)
{
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, QString::fromUtf8(text));
    EXPECT_EQ(prompts.asked[0].title, QString::fromUtf8("Exécution impossible"));
    EXPECT_EQ(prompts.asked[0].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::Ok);
}

using StartupTest = WindowFixture;

TEST_F(StartupTest, ScreenOf699PixelsStopsBeforeTheDatabaseIsLookedAt)
{
    // No database either: only the screen message may appear.
    screen.widthPx = 699;
    EXPECT_FALSE(start());
    expectEndingMessage(prompts, "La configyaration d'écran est inadaptée");
    EXPECT_FALSE(QFile::exists(file("TEMPTS.TMP")));
}

TEST_F(StartupTest, ScreenOf700PixelsStartsInTheDesignedState)
{
    useBundledCourse();
    screen.widthPx = 700;
    makeWindow();
    window->move(3, 4);
    ASSERT_TRUE(window->load());
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(window->pos(), QPoint(3, 4));
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(session->screenAlertMode, 0);
}

TEST_F(StartupTest, ScreenOf810PixelsKeepsAMaximizedWindowMaximized)
{
    useBundledCourse();
    screen.widthPx = 810;
    makeWindow();
    window->move(3, 4);
    ASSERT_TRUE(window->load());
    EXPECT_EQ(window->pos(), QPoint(3, 4));
    window->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(session->screenAlertMode, 0);
}

TEST_F(StartupTest, ScreenOf811PixelsCentresAnd800x600WindowAndUndoesMaximizing)
{
    useBundledCourse();
    screen.widthPx = 811;
    screen.heightPx = 768;
    ASSERT_TRUE(start());
    // (811 - 800) / 2 = 5.5, to even 6; (768 - 600) / 2 = 84.
    EXPECT_EQ(window->pos(), QPoint(6, 84));
    EXPECT_EQ(window->size(), QSize(800, 600));
    // Showing the window was its first resize: it only set the mode.
    EXPECT_EQ(session->screenAlertMode, 2);
    window->move(40, 40);
    window->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(window->pos(), QPoint(6, 84));
}

TEST_F(StartupTest, DraggingTheBorderOfANormalWindowSnapsBack)
{
    useBundledCourse();
    screen.widthPx = 800;
    ASSERT_TRUE(start());
    window->resize(900, 650);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(800, 600));
    window->resize(640, 480);
    EXPECT_EQ(window->size(), QSize(800, 600));
}

TEST_F(StartupTest, MissingDatabaseEndsTheStart)
{
    EXPECT_FALSE(start());
    expectEndingMessage(prompts, "Base de données absente");
}

TEST_F(StartupTest, DamagedDatabaseEndsTheStartInsteadOfShowingEmptyPages)
{
    QFile f(file("PcTs.sqlite"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\x5a'));
    f.close();
    EXPECT_FALSE(start());
    expectEndingMessage(prompts, "Base de données illisible");
}

TEST_F(StartupTest, DatabaseWithoutACourseTableIsUnreadable)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("no-cours"));
        db.setDatabaseName(file("PcTs.sqlite"));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Autre (x INTEGER)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("no-cours"));
    EXPECT_FALSE(start());
    expectEndingMessage(prompts, "Base de données illisible");
}

TEST_F(StartupTest, FirstPageShownIsPage1WithItsRecordAndHistory)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    EXPECT_EQ(shownNumber(), u"1");
    // The bound fields, asked for, show the page's record.
    EXPECT_EQ(window->controls().get<QLineEdit>(u"TextID"_s)->text(), u"1");
    EXPECT_EQ(window->controls().get<QLineEdit>(u"Textitre"_s)->text(), u"Accueil");
    EXPECT_EQ(session->historyPos, 1);
    EXPECT_EQ(session->historyPages[1], 1);
    EXPECT_FALSE(window->findChild<QToolButton *>(QStringLiteral("avant"))->isEnabled());
    EXPECT_FALSE(window->findChild<QToolButton *>(QStringLiteral("apres"))->isEnabled());
    EXPECT_EQ(window->contentsButton()->text(), u"Accueil");
    EXPECT_EQ(window->contentsTag(), u"PA0001");
    // The cover and the strip are gone, the page area is shown.
    // (The cover is shown in Imagelien element 0, which page 1 may take for a link.)
    QWidget *cover = window->imagelien(0);
    EXPECT_TRUE(!cover->isVisible() || cover->parentWidget() != window.get());
    EXPECT_FALSE(window->progressStrip()->isVisible());
    EXPECT_TRUE(window->pageFrame()->isVisible());
    EXPECT_TRUE(window->illustration()->isVisible());
    EXPECT_FALSE(window->findChild<QWidget *>(QStringLiteral("Framebase"))->isVisible());
    // The state file was reset at start.
    EXPECT_EQ(state().moduleFlag(30), u"NON");
    EXPECT_EQ(state().launchFileText(), u"NON");
    EXPECT_EQ(state().description(), QString::fromUtf8("complète pour l'enseignant"));
}

// While the index loads, the cover picture shows whole in the middle of the
// window, the progress strip under it.
TEST_F(StartupTest, CoverShowsTheCoursePictureCentredWithTheStripUnderIt)
{
    useBundledCourse();
    makeWindow();
    CourseLoadWindow(*window).showCover();
    const QLabel *cover = window->imagelien(0);
    const QImage expected(file("couvT.jpg"));
    ASSERT_FALSE(expected.isNull());
    EXPECT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->size(), expected.size());
    EXPECT_EQ(cover->geometry().center(), window->rect().center());
    EXPECT_EQ(cover->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(window->progressStrip()->y(), cover->geometry().bottom() + 1);
}

// The flat buttons get their look from style sheets set on them alone: the
// page's widgets are drawn by the plain style, which starts and draws faster.
// The hidden frame of bound fields costs nothing at start: its rows are made
// when it is first shown, and then show the page on display, and follow the
// pages after it.
TEST_F(StartupTest, BoundFieldsAreMadeWhenTheirFrameIsFirstShown)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    auto *framebase = window->findChild<QGroupBox *>(u"Framebase"_s);
    ASSERT_NE(framebase, nullptr);
    for (const char *name :
         {"Textitre", "TextID", "TextIndex", "debimp", "finimp", "Checkpre", "Checkmot", "code"}) {
        EXPECT_FALSE(window->controls().isMade(QString::fromLatin1(name))) << name;
        EXPECT_EQ(window->findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
    }
    window->navigate(u"PA0028"_s);
    ASSERT_EQ(shownNumber(), u"28");

    framebase->show();
    auto *titre = window->findChild<QLineEdit *>(u"Textitre"_s);
    auto *code = window->findChild<QPlainTextEdit *>(u"code"_s);
    ASSERT_NE(titre, nullptr);
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(titre->isVisible());
    EXPECT_TRUE(code->isVisible());
    EXPECT_EQ(titre->parentWidget(), framebase);
    EXPECT_EQ(titre->text(), course->field(u"titre"_s));
    EXPECT_EQ(window->findChild<QLineEdit *>(u"TextID"_s)->text(), u"28");
    // The text control keeps the body's lines (its line ends become its own).
    EXPECT_EQ(code->toPlainText(), QString(course->field(u"fpc"_s)).replace(u"\r\n"_s, u"\n"_s));
    EXPECT_FALSE(code->toPlainText().isEmpty());
    EXPECT_EQ(window->findChild<QCheckBox *>(u"Checkmot"_s)->isChecked(),
              PageRecord::checkState(course->field(u"moteur"_s)) == 1);
    QStringList captions;
    for (const QLabel *label : framebase->findChildren<QLabel *>(u"LabelW"_s))
        captions << label->text();
    EXPECT_EQ(captions, (QStringList{u"Titre"_s, u"Index fixe (n° page)"_s, u"Index ordonnant"_s}));

    window->navigate(u"PA0030"_s);
    EXPECT_EQ(window->findChild<QLineEdit *>(u"TextID"_s)->text(), u"30");
    EXPECT_EQ(titre->text(), course->field(u"titre"_s));
    // The mouse's Back button over a field made late goes back, as over any control.
    QTest::mousePress(titre, Qt::BackButton);
    EXPECT_EQ(shownNumber(), u"28");
    EXPECT_EQ(window->findChild<QLineEdit *>(u"TextID"_s)->text(), u"28");
    // Made once: showing the frame again makes nothing twice.
    framebase->hide();
    framebase->show();
    EXPECT_EQ(framebase->findChildren<QLineEdit *>().size(), 5);
}

TEST_F(StartupTest, OnlyTheFlatButtonsAreStyledBySheets)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    const auto bySheet = [](const QWidget *w) {
        return QByteArray(w->style()->metaObject()->className()) == "QStyleSheetStyle";
    };
    EXPECT_TRUE(window->styleSheet().isEmpty());
    for (const char *name : {"avant", "Command2", "Command13", "Label16"}) {
        const QWidget *w = window->findChild<QWidget *>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(bySheet(w)) << name;
    }
    const std::vector<const QWidget *> plain = {window->labelien(0), window->body(),
                                                window->findChild<QWidget *>(u"VScroll1"_s),
                                                window->illustration()};
    for (const QWidget *w : plain)
        EXPECT_FALSE(bySheet(w)) << w->objectName().toStdString();
    // The page's scroll bar is drawn in bands, which keeps its fills on this thread.
    EXPECT_NE(
        dynamic_cast<const BandedScrollBarStyle *>(window->findChild<QWidget *>(u"VScroll1"_s)->style()),
        nullptr);
    // A band button is smaller than a tool bar button.
    EXPECT_EQ(window->findChild<QToolButton *>(u"Command13"_s)->font().pixelSize(), 12);
    EXPECT_EQ(window->findChild<QToolButton *>(u"Command2"_s)->font().pixelSize(), 13);
}

TEST_F(StartupTest, RunningFlagsOfAnEarlierRunDoNotSurviveARestart)
{
    useBundledCourse();
    state().setModuleFlag(4, QStringLiteral("OUI"));
    ASSERT_TRUE(start());
    EXPECT_EQ(state().moduleFlag(4), u"NON");
}

TEST_F(StartupTest, TitleBandsArePaintedInStyle2)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    // bastitre keeps the start-up painting: line j lies on pixel row j, so
    // the last row (29) is RGB(255, 255 - 29, 255 - 58) and row 0 is white;
    // titre is repainted by the page (DGFOND2): row 0 is RGB(255, 225, 195)
    // and row 5 RGB(255, nearest(5 / 2 + 225), 200).
    const QImage bottom = window->bottomBand()->surface().image();
    EXPECT_EQ(window->bottomBand()->size(), QSize(800, 30));
    EXPECT_EQ(QColor(bottom.pixel(400, 29)), QColor(255, 226, 197));
    EXPECT_EQ(QColor(bottom.pixel(400, 0)), QColor(255, 255, 255));
    const QImage top = window->titleBand()->surface().image();
    EXPECT_EQ(window->titleBand()->size(), QSize(800, 60));
    EXPECT_EQ(QColor(top.pixel(10, 0)), QColor(255, 225, 195));
    EXPECT_EQ(QColor(top.pixel(10, 5)), QColor(255, 228, 200));
}

// One row of the course window's control table.
struct ControlRow {
    size_t index;
};

void PrintTo(const ControlRow &row, std::ostream *os)
{
    // Names repeat (the field labels): the row number keeps test names apart.
    *os << CourseWindowTable::controls()[row.index].name.toStdString() << '_' << row.index;
}

class ControlsTest : public WindowFixture, public ::testing::WithParamInterface<ControlRow> {};

// Every row of the table became a widget of its name, kind, tool tip and
// caption, inside the window.
TEST_P(ControlsTest, IsBuiltFromItsRow)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    const ControlEntry &c = CourseWindowTable::controls()[GetParam().index];
    // The hidden frame's rows wait until it is shown or one of them is asked for.
    (void)window->controls().widget(c.name);
    QWidget *w = window->controls().widgetAt(GetParam().index);
    ASSERT_NE(w, nullptr) << c.name.toStdString();
    EXPECT_EQ(w->objectName(), c.name);
    EXPECT_EQ(w->toolTip(), c.toolTip) << c.name.toStdString();
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        if (c.kind != ControlKind::CheckBox)
            EXPECT_EQ(b->icon().isNull(), !c.glyph.has_value()) << c.name.toStdString();
        EXPECT_EQ(b->text(), c.caption) << c.name.toStdString();
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        EXPECT_EQ(l->text(), c.caption) << c.name.toStdString();
        EXPECT_EQ(l->pixmap().isNull(), !c.glyph.has_value()) << c.name.toStdString();
    } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
        EXPECT_EQ(g->title(), c.caption) << c.name.toStdString();
    } else {
        EXPECT_TRUE(c.caption.isEmpty()) << c.name.toStdString() << " has no caption";
    }
    const QString parent = c.parent.isEmpty() ? u"multim"_s : c.parent;
    ASSERT_NE(w->parentWidget(), nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), parent) << c.name.toStdString();
    // Nothing sticks out of the 800 x 600 window.
    const QRect r(w->mapTo(window.get(), QPoint(0, 0)), w->size());
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(r)) << c.name.toStdString();
}

std::vector<ControlRow> controlRows()
{
    std::vector<ControlRow> rows;
    for (size_t i = 0; i < CourseWindowTable::controls().size(); ++i)
        rows.push_back({i});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, ControlsTest, ::testing::ValuesIn(controlRows()));

TEST_F(StartupTest, LinkArraysHave41LabelsAnd18ImagesWithTheHandPointer)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    EXPECT_EQ(window->findChildren<LinkElement *>(QRegularExpression(QStringLiteral("^Labelien_"))).size(),
              41);
    EXPECT_EQ(window->findChildren<LinkElement *>(QRegularExpression(QStringLiteral("^Imagelien_"))).size(),
              18);
    for (int i = 0; i < MainWindow::kLabelCount; ++i)
        EXPECT_EQ(window->labelien(i)->cursor().shape(), Qt::PointingHandCursor) << i;
}

TEST_F(StartupTest, ToolButtonsThatOpenAPageTargetThem)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    window->findChild<QToolButton *>(QStringLiteral("command6"))->click();
    EXPECT_EQ(shownNumber(), u"28");
    EXPECT_EQ(window->contentsButton()->text(), u"Accueil");
    window->findChild<QToolButton *>(QStringLiteral("command5"))->click();
    EXPECT_EQ(shownNumber(), u"30");
    window->findChild<QToolButton *>(QStringLiteral("Command13"))->click();
    EXPECT_EQ(shownNumber(), u"161");
    window->navigate(QStringLiteral("PA0044"));
    EXPECT_EQ(window->contentsButton()->text(), u"Sommaire");
    window->contentsButton()->click();
    EXPECT_EQ(shownNumber(), u"28");
    EXPECT_EQ(session->historyPos, 6);
    EXPECT_TRUE(window->findChild<QToolButton *>(QStringLiteral("avant"))->isEnabled());
}

TEST_F(StartupTest, HelpOpensTheHelpFileElseTheFrenchHelpPage)
{
    useBundledCourse();
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORLANE_BIN_DIR "/PCTS.html"), file("PCTS.html")));
    ASSERT_TRUE(start());
    auto *help = window->findChild<QToolButton *>(QStringLiteral("Command10"));
    help->click();
    // The French help page opens in the program's own window.
    EXPECT_TRUE(desktop.helpOpened.isEmpty());
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_TRUE(window->helpWindow()->isVisible());
    EXPECT_EQ(window->helpWindow()->browser()->source(), QUrl::fromLocalFile(file("PCTS.html")));
    QFile hlp(file("pcts.HLP"));
    ASSERT_TRUE(hlp.open(QIODevice::WriteOnly));
    hlp.close();
    help->click();
    EXPECT_EQ(desktop.helpOpened, QStringList{file("pcts.HLP")});
}

// The help window shows PCTS.html, follows its links and goes back and forward
// through them.
TEST_F(StartupTest, HelpWindowFollowsTheLinksOfTheHelpPage)
{
    useBundledCourse();
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORLANE_BIN_DIR "/PCTS.html"), file("PCTS.html")));
    ASSERT_TRUE(start());
    window->findChild<QToolButton *>(QStringLiteral("Command10"))->click();
    HelpWindow *aide = window->helpWindow();
    ASSERT_NE(aide, nullptr);
    QTextBrowser *browser = aide->browser();
    EXPECT_EQ(aide->windowTitle(), u"Aide - Vorlane, physique et chimie de terminale S"_s);
    EXPECT_TRUE(browser->toPlainText().contains(u"Raccourcis clavier"_s));
    EXPECT_FALSE(aide->backButton()->isEnabled());
    EXPECT_FALSE(aide->forwardButton()->isEnabled());
    EXPECT_EQ(aide->backButton()->toolTip(), u"Page d'aide précédente"_s);
    EXPECT_EQ(aide->forwardButton()->toolTip(), u"Page d'aide suivante"_s);

    // A click on "Raccourcis clavier" in the help's contents, at the top.
    QTest::qWaitForWindowExposed(aide);
    QTextCursor link = browser->document()->find(u"Raccourcis clavier"_s);
    ASSERT_FALSE(link.isNull());
    ASSERT_TRUE(link.charFormat().isAnchor());
    link.setPosition(link.selectionStart() + 3);
    const QPoint at = browser->cursorRect(link).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(browser->source().fragment(), u"raccourcis");
    EXPECT_EQ(browser->source().adjusted(QUrl::RemoveFragment), QUrl::fromLocalFile(file("PCTS.html")));
    EXPECT_GT(browser->verticalScrollBar()->value(), 0); // the section is brought into view
    ASSERT_TRUE(aide->backButton()->isEnabled());

    aide->backButton()->click();
    EXPECT_EQ(browser->source(), QUrl::fromLocalFile(file("PCTS.html")));
    EXPECT_TRUE(aide->forwardButton()->isEnabled());
    aide->forwardButton()->click();
    EXPECT_EQ(browser->source().fragment(), u"raccourcis");

    // A web address goes to the desktop's browser; the help stays where it is.
    emit browser->anchorClicked(QUrl(u"https://www.example.org/"_s));
    EXPECT_EQ(desktop.addressesOpened, QStringList{u"https://www.example.org/"_s});
    EXPECT_EQ(browser->source().fragment(), u"raccourcis");

    // The help button again: the same window, brought back on the page's top.
    window->findChild<QToolButton *>(QStringLiteral("Command10"))->click();
    EXPECT_EQ(window->helpWindow(), aide);
}

// An application folder installed read-only: the window starts, keeps its state
// file in memory and writes nothing (whoever runs it: the folder's permissions
// let nobody write).
TEST_F(StartupTest, ReadOnlyApplicationFolderWorksWithoutWriting)
{
    useBundledCourse();
    const auto listing = [this] {
        QStringList entries;
        for (const QFileInfo &fi : QDir(dir.path()).entryInfoList(QDir::Files, QDir::Name))
            entries
                << u"%1 %2 %3"_s.arg(fi.fileName()).arg(fi.size()).arg(fi.lastModified().toMSecsSinceEpoch());
        return entries;
    };
    const QFile::Permissions writable = QFile::permissions(dir.path());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    const QStringList before = listing();

    ASSERT_TRUE(start());
    EXPECT_EQ(shownNumber(), u"1");
    EXPECT_TRUE(prompts.asked.isEmpty());
    // No module runs: a launch starts the module without a question, and the
    // file it opens is handed over in the memory.
    window->navigate(u"EXE023"_s);
    EXPECT_TRUE(prompts.asked.isEmpty());
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(StateFile(folder(), &session->stateMemory).launchFileText(), u"Exercice 03.E32");
    EXPECT_FALSE(CourseTools::updateRefusal(folder(), &session->stateMemory).has_value());
    window->navigate(u"PA0028"_s);
    EXPECT_EQ(shownNumber(), u"28");

    EXPECT_EQ(listing(), before);
    QFile::setPermissions(dir.path(), writable);
}

// The maximize box only where a maximized window stays maximized.
TEST_F(StartupTest, MaximizeBoxOnlyOnScreensOf700To810Pixels)
{
    useBundledCourse();
    struct Case {
        double width;
        bool offered;
    };
    for (const Case c : {Case{1024, false}, Case{811, false}, Case{810, true}, Case{700, true}}) {
        screen.widthPx = c.width;
        ASSERT_TRUE(start());
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), c.offered) << c.width;
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_TRUE(window->isVisible());
        window.reset();
    }
}

// A start-up message shows its whole title: its box is at least as wide as
// the title needs.
TEST_F(StartupTest, StartupMessageBoxIsWideEnoughForItsTitle)
{
    MessagePrompts boxes;
    int shownWidth = 0;
    QString shownTitle;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownWidth = box->width();
            shownTitle = box->windowTitle();
            box->accept();
        }
    });
    EXPECT_EQ(boxes.ask(DatabaseMissingMessage()), MessageAnswer::Ok);
    EXPECT_EQ(shownTitle, u"Exécution impossible"_s);
    EXPECT_GE(shownWidth, MessageBoxMinimumWidth(DatabaseMissingMessage()));
}

TEST_F(StartupTest, UpdateIsRefusedWhileAModuleRuns)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    auto *update = window->findChild<QToolButton *>(QStringLiteral("Command8"));
    // With every module stopped the update window opens (closed here by its
    // third button).
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            if (auto *close = modal->findChild<QPushButton *>(QStringLiteral("Command3")))
                close->click();
            else
                modal->close();
        }
    });
    update->click();
    EXPECT_EQ(opened, QStringLiteral("maj2001"));
    EXPECT_TRUE(prompts.asked.isEmpty());
    state().setModuleFlag(12, QStringLiteral("OUI"));
    update->click();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text,
              QString::fromUtf8(
                  "Pour effectuer une mise à jour, tous les modules du logiciel doivent être fermés"));
    EXPECT_EQ(prompts.asked[0].title, QString::fromUtf8("Mise à jour impossible"));
    EXPECT_EQ(prompts.asked[0].icon, MessageIcon::Exclamation);
}

} // namespace

namespace {

TEST_F(StartupTest, CalculatorButtonOpensTheCalculatorBelowTheWindowsTopLeft)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    QString opened;
    QPoint offset;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        opened = modal->objectName();
        offset = modal->frameGeometry().topLeft() - window->frameGeometry().topLeft();
        modal->close();
    });
    window->findChild<QToolButton *>(QStringLiteral("Command3"))->click();
    EXPECT_EQ(opened, QStringLiteral("Machine"));
    // 240 twips right and 1800 twips down: 16 and 120 pixels.
    EXPECT_EQ(offset, QPoint(16, 120));
}

} // namespace
