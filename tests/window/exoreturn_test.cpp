// The course window and the test window together: an "EXO" link opens the
// test, a course link of a question leaves it for a page with "Retrouver le
// test" shown, and that button reopens the test where it was left.

#include "ui/exowindow.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace vorlane::testing {
namespace {

class ExoReturnTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        CourseSources sources;
        sources.pages = {coursePage(1, 1, 0), coursePage(2, 2, 0), coursePage(3, 3, 0)};
        ChapterTest t;
        t.source = QStringLiteral("t.test");
        t.chapitre = 7;
        t.titre = QStringLiteral("Sept");
        t.nbquest = 2;
        for (int q = 1; q <= 2; ++q) {
            TestQuestion question;
            question.number = q;
            question.type = 3;
            question.solution = QStringLiteral("onde");
            question.question =
                QStringLiteral("Question %1\u00b6\r\n##EXOTX\r\n\u00b6\r\n##EXOLIvoir la page 2#0002\r\n")
                    .arg(q);
            t.questions.push_back(question);
        }
        sources.tests = {t};
        QString error;
        ASSERT_TRUE(WriteCourseDatabases(sources, folder(), &error)) << error.toStdString();
        ASSERT_TRUE(start());
    }

    // Runs `inside` once the test window shows modally.
    void whenTestWindowShows(std::function<void(ExoWindow &)> inside)
    {
        QTimer::singleShot(0, [this, inside] {
            auto *exo = qobject_cast<ExoWindow *>(QApplication::activeModalWidget());
            ASSERT_NE(exo, nullptr);
            ++testWindowsSeen;
            inside(*exo);
        });
    }
    static QString noa(ExoWindow &exo) { return exo.findChild<QLabel *>(QStringLiteral("noa"))->text(); }
    static void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    QWidget *recall() const { return window->findChild<QWidget *>(QStringLiteral("btexo")); }

    int testWindowsSeen = 0;
};

TEST_F(ExoReturnTest, LeaveByACourseLinkAndComeBackThroughTheReturnButton)
{
    whenTestWindowShows([](ExoWindow &exo) {
        EXPECT_EQ(exo.windowTitle(), QStringLiteral("Vorlane Terminale S"));
        click(exo.findChild<QWidget *>(QStringLiteral("command4")));
        EXPECT_EQ(noa(exo), QStringLiteral("Question 2 / 2 :"));
        click(exo.labelien());
    });
    window->navigate(QStringLiteral("EXO007"));
    EXPECT_EQ(testWindowsSeen, 1);
    EXPECT_EQ(shownNumber(), QStringLiteral("2"));
    EXPECT_TRUE(recall()->isVisible());
    EXPECT_EQ(session->exercise.pendingExercise, 7);

    // Another test's link while this one is in progress reopens this one.
    whenTestWindowShows([](ExoWindow &exo) {
        EXPECT_EQ(noa(exo), QStringLiteral("Question 2 / 2 :"));
        click(exo.labelien());
    });
    window->navigate(QStringLiteral("EXO005"));
    EXPECT_EQ(testWindowsSeen, 2);

    // The return button: same question; closing then ends the test.
    prompts.answers = {MessageAnswer::Yes};
    whenTestWindowShows([](ExoWindow &exo) {
        EXPECT_EQ(noa(exo), QStringLiteral("Question 2 / 2 :"));
        click(exo.findChild<QWidget *>(QStringLiteral("Image2")));
    });
    click(recall());
    EXPECT_EQ(testWindowsSeen, 3);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, QStringLiteral("Fermer"));
    EXPECT_FALSE(recall()->isVisible());
    EXPECT_EQ(session->exercise.pendingExercise, 0);
    EXPECT_EQ(shownNumber(), QStringLiteral("2"));
}

} // namespace
} // namespace vorlane::testing
