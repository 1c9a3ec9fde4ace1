// The test window `exo`, offscreen: typing, validation, the popup's ticks, the
// abandon question, and screenshots of a question, a wrong answer and the score.

#include "core/app/session.h"
#include "core/course/coursesources.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"
#include "ui/cjustewindow.h"
#include "ui/exowindow.h"
#include "ui/surfaceview.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

TestQuestion exoQuestion(int number, int type, const char *solution, const char *markup, const char *siFaux)
{
    TestQuestion q;
    q.number = number;
    q.type = type;
    q.solution = QString::fromUtf8(solution);
    q.question = QString::fromUtf8(markup).replace(u'\n', QStringLiteral("\r\n"));
    q.siFaux = QString::fromUtf8(siFaux).replace(u'\n', QStringLiteral("\r\n"));
    return q;
}

// A popup timer ticked by the test.
class HandTimer final : public PopupTimer {
public:
    explicit HandTimer(std::function<void(std::function<void()>)> onStart) : m_onStart(std::move(onStart)) {}
    void start(int intervalMs, std::function<void()> tick) override
    {
        interval = intervalMs;
        m_onStart(std::move(tick));
    }
    void stop() override {}
    int interval = 0;

private:
    std::function<void(std::function<void()>)> m_onStart;
};

class ExoWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Session session;
    FakePrompts prompts;
    int calculators = 0;
    bool authoring = false;
    // What the test saw of each popup: visible and picture before each tick.
    QStringList popupLog;
    std::unique_ptr<ExoWindow> window;

    void SetUp() override
    {
        ChapterTest t;
        t.source = QStringLiteral("t.test");
        t.chapitre = 7;
        t.titre = QString::fromUtf8("Les ondes mécaniques progressives");
        t.nbquest = 3;
        t.questions = {
            exoQuestion(
                1, 2, "01000",
                "##SI11\nUne onde mécanique progressive transporte :¶\n¶\n##POX020\n##EXOOP\n de la "
                "matière¶\n##POX020\n##EXOOP\n de l'énergie¶\n##POX020\n##EXOOP\n de la matière et de "
                "l'énergie¶\n¶\n",
                "##C012\n##BOL1\nFaux.¶\n##BOL0\n##C000\nUne onde transporte de l'énergie, sans "
                "transport de matière :¶\nles points du milieu reviennent à leur place après le "
                "passage de l'onde.¶\n"),
            exoQuestion(
                2, 3, "celerite",
                "##SI11\nComment nomme-t-on la vitesse de propagation d'une onde ?¶\n¶\n##EXOTX\n¶\n¶\n"
                "##EXOLI Revoir le cours#0012\n¶\n",
                "C'est la célérité de l'onde.¶\n"),
            exoQuestion(
                3, 1, "10100",
                "##SI11\nCochez les ondes mécaniques :¶\n##POX020\n##EXOCK\n le son¶\n##POX020\n##EXOCK\n "
                "la lumière¶\n##POX020\n##EXOCK\n la houle¶\n",
                "La lumière se propage aussi dans le vide : ce n'est pas une onde mécanique.¶\n"),
        };
        CourseSources sources;
        sources.tests = {t};
        QString error;
        ASSERT_TRUE(WriteCourseDatabases(sources, dir.path(), &error)) << error.toStdString();
        session.exercise.pendingExercise = 7;
    }

    void open(int screenWidth = 800, int question = 1)
    {
        session.exercise.currentQuestion = std::int16_t(question);
        ExoWindow::Options options;
        options.popupTimer = [this] {
            return std::make_unique<HandTimer>([this](std::function<void()> tick) {
                QTimer::singleShot(0, [this, tick] {
                    auto *popup = qobject_cast<CjusteWindow *>(QApplication::activeModalWidget());
                    for (int i = 0; i < 3; ++i) {
                        popupLog << QStringLiteral("%1 picture %2")
                                        .arg(popup && popup->isVisible() ? QStringLiteral("visible")
                                                                         : QStringLiteral("hidden"))
                                        .arg(popup ? popup->pictureShown() : 0);
                        tick();
                    }
                    popupLog << (popup && popup->isVisible() ? QStringLiteral("visible")
                                                             : QStringLiteral("closed"));
                });
            });
        };
        options.calculator = [this] { ++calculators; };
        options.authoring = authoring;
        window = std::make_unique<ExoWindow>(session, nullptr, prompts, dir.path(), options);
        window->open(QRect(20, 30, 800, 600), screenWidth);
        window->show();
        QApplication::processEvents();
    }

    QWidget *child(const char *name) const { return window->findChild<QWidget *>(QString::fromLatin1(name)); }

    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    // Saves the window as a picture into the folder named by
    // VORLANE_SCREENSHOT_DIR, when it is set.
    // With a message, the message box is drawn over the window's centre, as
    // the window shows it.
    void screenshot(const char *name, const Message *message = nullptr)
    {
        QImage image = window->grab().toImage();
        if (message) {
            QMessageBox box(QMessageBox::Information, message->title, message->text, QMessageBox::Ok);
            box.adjustSize();
            const QImage boxImage = box.grab().toImage();
            QPainter p(&image);
            p.fillRect(QRect(QPoint((image.width() - boxImage.width()) / 2 - 1,
                                    (image.height() - boxImage.height()) / 2 - 1),
                             boxImage.size() + QSize(2, 2)),
                       QColor(90, 90, 90));
            p.drawImage((image.width() - boxImage.width()) / 2, (image.height() - boxImage.height()) / 2,
                        boxImage);
        }
        EXPECT_FALSE(image.isNull());
        const QString folder = qEnvironmentVariable("VORLANE_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            image.save(QDir(folder).filePath(QString::fromLatin1(name)));
    }
};

TEST_F(ExoWindowTest, ControlsCaptionsAndToolTips)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorlane Terminale S"));
    EXPECT_EQ(window->objectName(), QStringLiteral("exo"));
    EXPECT_EQ(child("Command3")->toolTip(), QString::fromUtf8("Question précédente"));
    EXPECT_EQ(child("command4")->toolTip(), QStringLiteral("Question suivante"));
    EXPECT_EQ(child("Image2")->toolTip(), QStringLiteral("Fermer le test"));
    EXPECT_EQ(child("Command7")->toolTip(), QString::fromUtf8("Machine à calculer"));
    EXPECT_EQ(qobject_cast<QLabel *>(child("Label3"))->text(), QString::fromUtf8("Valider la réponse"));
    EXPECT_EQ(qobject_cast<QLabel *>(child("command6"))->text(), QStringLiteral("Score"));
    EXPECT_EQ(qobject_cast<QLabel *>(child("Label2"))->text(),
              QString::fromUtf8("Les ondes mécaniques progressives"));
    EXPECT_EQ(qobject_cast<QLabel *>(child("noa"))->text(), QStringLiteral("Question 1 / 3 :"));
    // The authoring switch is for authors only.
    EXPECT_FALSE(child("Command1")->isVisible());
    EXPECT_FALSE(child("Command3")->isVisible());
    EXPECT_TRUE(child("command4")->isVisible());
    EXPECT_FALSE(child("command6")->isVisible());
    EXPECT_TRUE(window->option1(2)->isVisible());
    EXPECT_FALSE(window->option1(3)->isVisible());
    screenshot("exo-question.png");
}

TEST_F(ExoWindowTest, TheWindowCoversTheCourseWindowOnlyOnScreensWiderThan850Pixels)
{
    open(850);
    EXPECT_EQ(window->size(), QSize(760, 560));
    open(1024);
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(window->pos(), QPoint(20, 30));
}

TEST_F(ExoWindowTest, TypingIntoText1ThenEnterValidates)
{
    open(800, 2);
    QLineEdit *text1 = window->text1();
    ASSERT_TRUE(text1->isVisible());
    QTest::keyClicks(text1, QStringLiteral("C'est la "));
    // Accented letters arrive as text of their own key events.
    for (const QChar c : QString::fromUtf8("célérité."))
        QTest::sendKeyEvent(QTest::Click, text1, c == u'.' ? Qt::Key_Period : Qt::Key_unknown, c,
                            Qt::NoModifier);
    // A typed "." is entered as ",".
    EXPECT_EQ(text1->text(), QString::fromUtf8("C'est la célérité,"));
    QTest::keyClick(text1, Qt::Key_Return);
    // Normalised, "célérité" reads "celerite", the solution.
    EXPECT_EQ(session.exercise.questionStatus[2], 1);
    EXPECT_EQ(session.exercise.givenAnswer[2], QString::fromUtf8("C'est la célérité,"));
    // The popup blinked on its three ticks, then closed; the next question shows.
    EXPECT_EQ(popupLog, (QStringList{QStringLiteral("visible picture 1"), QStringLiteral("visible picture 2"),
                                     QStringLiteral("visible picture 1"), QStringLiteral("closed")}));
    EXPECT_EQ(session.exercise.currentQuestion, 3);
    EXPECT_TRUE(child("command6")->isVisible());
    EXPECT_EQ(child("Image4")->property("face").toInt(), 7);
}

TEST_F(ExoWindowTest, AWrongAnswerShowsMarksAndTheExplanation)
{
    open();
    click(window->option1(0));
    EXPECT_TRUE(window->option1(0)->isChecked());
    click(window->option1(2));
    EXPECT_FALSE(window->option1(0)->isChecked()); // one choice at most
    click(child("Label3"));
    EXPECT_EQ(session.exercise.questionStatus[1], -1);
    EXPECT_EQ(session.exercise.givenAnswer[1], QStringLiteral("00100"));
    EXPECT_FALSE(child("command5")->isVisible());
    EXPECT_FALSE(window->option1(2)->isEnabled());
    EXPECT_TRUE(window->option1(2)->isChecked());
    EXPECT_TRUE(popupLog.isEmpty());
    EXPECT_EQ(child("Image4")->property("face").toInt(), 1);
    screenshot("exo-faux.png");
}

TEST_F(ExoWindowTest, AReleaseOutsideThePreviousButtonDoesNothing)
{
    open(800, 2);
    QWidget *previous = child("Command3");
    ASSERT_TRUE(previous->isVisible());
    QTest::mousePress(previous, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(previous, Qt::LeftButton, {}, QPoint(previous->width() + 10, 5));
    EXPECT_EQ(session.exercise.currentQuestion, 2);
    click(previous);
    EXPECT_EQ(session.exercise.currentQuestion, 1);
}

TEST_F(ExoWindowTest, AStripClickOpensThatQuestion)
{
    open();
    QWidget *strip = window->strip();
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(10, strip->height() * 5 / 6));
    EXPECT_EQ(session.exercise.currentQuestion, 3);
    EXPECT_TRUE(window->check1(2)->isVisible());
}

TEST_F(ExoWindowTest, AbandonAnsweredNoThenYes)
{
    open();
    prompts.answers = {MessageAnswer::No};
    click(child("Image2"));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Voulez-vous vraiment abandonner le test?"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(session.exercise.pendingExercise, 7);
    prompts.answers = {MessageAnswer::Yes};
    click(child("Image2"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(session.exercise.pendingExercise, 0);
}

TEST_F(ExoWindowTest, ACourseLinkLeavesForItsPageAndKeepsTheTest)
{
    open(800, 2);
    QLabel *link = window->labelien();
    ASSERT_TRUE(link->isVisible());
    EXPECT_EQ(link->text(), QStringLiteral(" Revoir le cours"));
    click(link);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.exercise.exerciseReturnPage, 12);
    EXPECT_EQ(session.exercise.pendingExercise, 7);
}

TEST_F(ExoWindowTest, TheCalculatorReturnsToTheQuestion)
{
    open(800, 3);
    click(child("Command7"));
    EXPECT_EQ(calculators, 1);
    EXPECT_TRUE(window->check1(0)->isVisible());
}

TEST_F(ExoWindowTest, TheLastAnswerShowsTheScore)
{
    session.exercise.questionCount = 3;
    session.exercise.questionStatus[1] = 1;
    session.exercise.questionStatus[2] = -1;
    open(800, 3);
    click(window->check1(0));
    click(window->check1(2));
    click(child("command5"));
    EXPECT_EQ(session.exercise.givenAnswer[3], QStringLiteral("10100"));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, QString::fromUtf8("Test terminé"));
    EXPECT_EQ(prompts.asked[0].text, QString::fromUtf8(" 2 / 3 soit 67 % de bonnes réponses."));
    screenshot("exo-score.png", &prompts.asked[0]);
}

TEST_F(ExoWindowTest, TheAuthoringSwitchShowsTheMarkupAndStoresTheEdit)
{
    authoring = true;
    open(800, 2);
    QWidget *button = child("Command1");
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(qobject_cast<QPushButton *>(button)->text(), QStringLiteral("Commutateur"));
    click(button);
    ASSERT_TRUE(window->code()->isVisible());
    EXPECT_FALSE(child("frame1")->isVisible());
    EXPECT_TRUE(window->code()->toPlainText().startsWith(QStringLiteral("##SI11")));
    window->code()->setPlainText(QString::fromUtf8("Quelle est la célérité ?¶\r\n##EXOTX\r\n"));
    click(button);
    EXPECT_FALSE(window->code()->isVisible());
    EXPECT_TRUE(child("frame1")->isVisible());
    EXPECT_TRUE(window->text1()->isVisible());
    // Stored in the row: a new reader sees it.
    TestDatabase reader;
    reader.open(dir.path());
    ExerciseState s;
    s.pendingExercise = 7;
    reader.loadDescription(s);
    s.currentQuestion = 2;
    ASSERT_TRUE(reader.findQuestion(s));
    EXPECT_EQ(reader.question(), QString::fromUtf8("Quelle est la célérité ?¶\r\n##EXOTX\r\n"));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(ExoWindowTest, AnEditThatCannotBeStoredStaysInTheEditor)
{
    authoring = true;
    open(800, 2);
    click(child("Command1"));
    // The database is damaged behind the window's back.
    const QString path = dir.filePath(QStringLiteral("tcTs.sqlite"));
    QFile::remove(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    window->code()->setPlainText(QStringLiteral("Modifiée¶\r\n"));
    click(child("Command1"));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].text.startsWith(
        QString::fromUtf8("La question modifiée n'a pas pu être enregistrée")));
    EXPECT_TRUE(window->code()->isVisible());
    EXPECT_EQ(window->code()->toPlainText(), QStringLiteral("Modifiée¶\n"));
    // Leaving the question keeps it too.
    click(child("command4"));
    EXPECT_EQ(session.exercise.currentQuestion, 2);
    EXPECT_TRUE(window->code()->isVisible());
}

TEST_F(ExoWindowTest, TheCourseLinkTurnsBoldUnderTheMouse)
{
    open(800, 2);
    QLabel *link = window->labelien();
    ASSERT_TRUE(link->isVisible());
    EXPECT_FALSE(link->font().bold());
    QEnterEvent enter(QPointF(2, 2), link->mapTo(window.get(), QPointF(2, 2)),
                      link->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->font().bold());
    QWidget *area = window->picture2();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 200), area->mapTo(window.get(), QPointF(5, 200)),
                     area->mapToGlobal(QPointF(5, 200)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    EXPECT_FALSE(link->font().bold());
}

TEST_F(ExoWindowTest, TheWindowsCloseBoxAsksLikeTheCloseButton)
{
    open();
    prompts.answers = {MessageAnswer::No};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Voulez-vous vraiment abandonner le test?"));
    EXPECT_TRUE(window->isVisible());
    prompts.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(session.exercise.pendingExercise, 0);
}

} // namespace
} // namespace vorlane::testing
