// Closing the course window: the question, its Cancel, and the closing window.

#include "ui/companions/closingwindow.h"
#include "ui/shutdowncontroller.h"
#include "windowfixture.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

class ShutdownTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        useBundledCourse();
        ASSERT_TRUE(start());
        window->show();
        controller = std::make_unique<ShutdownController>(*window, folder(), *session, prompts, files,
                                                          processes, topWindows);
        controller->storePendingEditsHook = [this] { ++stores; };
        controller->closeMediaHook = [this] { ++mediaCloses; };
        controller->endProgramHook = [this] { ++ends; };
    }
    void TearDown() override { controller.reset(); }

    void clickQuit() { window->findChild<QToolButton *>(u"Command14"_s)->click(); }

    FakeTopWindows topWindows;
    std::unique_ptr<ShutdownController> controller;
    int stores = 0;
    int mediaCloses = 0;
    int ends = 0;
};

TEST_F(ShutdownTest, CancelKeepsTheWindowAndItsPage)
{
    window->navigate(u"PAG161"_s);
    const QString page = shownNumber();
    prompts.answers.push_back(MessageAnswer::Cancel);
    clickQuit();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, u"Attention: sortie du logiciel."_s);
    EXPECT_EQ(prompts.asked[0].title, u"Quitter"_s);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shownNumber(), page);
    EXPECT_EQ(stores, 1); // an author's edit is stored whatever the answer
    EXPECT_EQ(mediaCloses, 0);
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(processes.starts.isEmpty());

    // The close box asks the same question.
    prompts.answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.asked.size(), 2);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ShutdownTest, AltF4AsksTheQuestion)
{
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    prompts.answers.push_back(MessageAnswer::Cancel);
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, u"Quitter"_s);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ShutdownTest, OkRestoresClosesCompanionsStartsRefunstAndEnds)
{
    QFile refunst(file("REFUNST.EXE"));
    ASSERT_TRUE(refunst.open(QIODevice::WriteOnly));
    refunst.close();
    state().setModuleFlag(17, u"OUI"_s);
    topWindows.windows = {{41, u"Titrages - Vorlane TS"_s}, {42, u"titrages - vorlane ts"_s}};
    window->showMinimized();
    prompts.answers.push_back(MessageAnswer::Ok);
    clickQuit();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(stores, 1);
    EXPECT_EQ(mediaCloses, 2);
    EXPECT_EQ(topWindows.quitPosted, QList<quint64>{41});
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.starts[0].program, file("REFUNST.EXE"));
    EXPECT_EQ(session->currentModule, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(controller->ended());
    // Once ended, a close goes through without a question.
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts.asked.size(), 1);
}

TEST_F(ShutdownTest, ClosingWindowShowsItsMessage)
{
    CompanionCloser closer(folder(), *session, files, processes, topWindows);
    ClosingWindow fermeur(closer);
    EXPECT_EQ(fermeur.objectName(), u"Fermeur"_s);
    EXPECT_EQ(fermeur.findChild<QLabel *>(u"Label1"_s)->text(),
              u"Fermeture du logiciel Veuillez patienter quelques instants..."_s);
    const QImage image = fermeur.grab().toImage();
    // The light background at the top, darker at the bottom.
    const QColor top(image.pixel(2, 0));
    const QColor bottom(image.pixel(2, image.height() - 1));
    EXPECT_LE(qAbs(top.red() - 255) + qAbs(top.green() - 255) + qAbs(top.blue() - 240), 3);
    EXPECT_LT(bottom.blue(), top.blue());
    if (const QString shots = qEnvironmentVariable("VORLANE_SCREENSHOTS"); !shots.isEmpty())
        image.save(shots + u"/fermeur.png"_s);
}

} // namespace
