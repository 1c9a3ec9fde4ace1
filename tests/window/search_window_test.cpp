// The search window `coordon` and the course window's search button.

#include "windowfixture.h"

#include "core/search/searchwindowdesign.h"
#include "search/searchcourse.h"
#include "ui/searchwindow.h"
#include "ui/surfaceview.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

class SearchWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(writeSearchCourse(dir.path(), &error)) << error.toStdString();
        session.searchResultPage = 77; // the window clears it when it loads
        window = std::make_unique<SearchWindow>(session, dir.path());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void type(const QString &text)
    {
        // QTest types ASCII keys only: accented letters go in as text.
        window->entry()->clear();
        window->entry()->setFocus();
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(window->entry(), char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, window->entry(), Qt::Key_unknown, QString(c), {});
        }
        QTest::keyClick(window->entry(), Qt::Key_Return);
    }

    QStringList titles() const
    {
        QStringList out;
        for (int i = 0; i < window->list()->count(); ++i)
            out << window->list()->item(i)->text();
        return out;
    }

    QPoint itemCentre(int row) const
    {
        return window->list()->visualItemRect(window->list()->item(row)).center();
    }

    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QString::fromLatin1(name));
    }

    QTemporaryDir dir;
    Session session;
    std::unique_ptr<SearchWindow> window;
};

TEST_F(SearchWindowTest, LoadsEmptyAndSmall)
{
    EXPECT_EQ(window->objectName(), u"coordon");
    EXPECT_EQ(window->windowTitle(), u"Rechercher");
    EXPECT_EQ(session.searchResultPage, 0);
    EXPECT_TRUE(window->entry()->text().isEmpty());
    EXPECT_EQ(window->size(), QSize(440, 132));
    EXPECT_FALSE(window->list()->isVisible());
    EXPECT_FALSE(window->noPageLabel()->isVisible());
    EXPECT_FALSE(window->progressBar()->isVisible());
    EXPECT_FALSE(window->allWordsBox()->isChecked());
    EXPECT_FALSE(window->ignoreAccentsBox()->isChecked());
    auto *frame = window->findChild<QWidget *>(u"Framebase"_s);
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(button("Command2")->text(), u"Rechercher");
    EXPECT_EQ(button("Command1")->text(), u"Annuler");
    EXPECT_EQ(button("Command3")->text(), u"Afficher");
    EXPECT_EQ(window->allWordsBox()->text(), u"Tous les mots");
    EXPECT_EQ(window->ignoreAccentsBox()->text(), u"Ignorer les accents");
}

TEST_F(SearchWindowTest, TwoWordsEnterListsTitlesAndDoubleClickChoosesThePage)
{
    type(u"champ, \u00e9lectrique"_s);
    EXPECT_EQ(titles(),
              (QStringList{u"Champ seul"_s, u"\u00c9lectrique seul"_s, u"Les deux"_s, u"Sans accents"_s}));
    EXPECT_TRUE(window->list()->isVisible());
    EXPECT_FALSE(window->noPageLabel()->isVisible());
    EXPECT_FALSE(window->progressBar()->isVisible());
    EXPECT_EQ(window->size(), QSize(440, 280));
    // The hidden fields show the last row, where the scan ended.
    EXPECT_EQ(window->findChild<QLineEdit *>(u"TextID"_s)->text(), u"18");

    QTest::mouseClick(window->list()->viewport(), Qt::LeftButton, {}, itemCentre(2));
    QTest::mouseDClick(window->list()->viewport(), Qt::LeftButton, {}, itemCentre(2));
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.searchResultPage, 12);
    ASSERT_TRUE(session.searchHighlight.has_value());
    EXPECT_EQ(session.searchHighlight->words, (QStringList{u"champ"_s, u"\u00e9lectrique"_s}));
}

TEST_F(SearchWindowTest, NoResultShowsAucunePageTrouveeAndTheSmallHeight)
{
    type(u"champ"_s);
    ASSERT_EQ(window->size(), QSize(440, 280));
    type(u"zzz"_s);
    EXPECT_EQ(window->list()->count(), 0);
    EXPECT_FALSE(window->list()->isVisible());
    EXPECT_TRUE(window->noPageLabel()->isVisible());
    EXPECT_EQ(window->noPageLabel()->text(), u"Aucune page trouv\u00e9e");
    EXPECT_EQ(window->noPageLabel()->y(), window->progressBar()->y());
    EXPECT_EQ(window->size(), QSize(440, 132));
}

TEST_F(SearchWindowTest, OneCharacterLeavesThePreviousResults)
{
    type(u"ion"_s);
    ASSERT_EQ(titles(), QStringList{u"Dilution"_s});
    type(u", c ;"_s);
    EXPECT_EQ(titles(), QStringList{u"Dilution"_s});
    EXPECT_TRUE(window->list()->isVisible());
}

TEST_F(SearchWindowTest, OptionsChangeWhatIsFound)
{
    window->allWordsBox()->setChecked(true);
    type(u"champ \u00e9lectrique"_s);
    EXPECT_EQ(titles(), QStringList{u"Les deux"_s});
    window->allWordsBox()->setChecked(false);
    window->ignoreAccentsBox()->setChecked(true);
    button("Command2")->click();
    EXPECT_EQ(titles(), (QStringList{u"Champ seul"_s, u"\u00c9lectrique seul"_s, u"Les deux"_s,
                                     u"Sans accents"_s, u"D\u00e9compos\u00e9"_s}));
}

TEST_F(SearchWindowTest, AfficherNeedsASelectedEntry)
{
    type(u"champ"_s);
    button("Command3")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(session.searchResultPage, 0);
    window->list()->setCurrentRow(1);
    button("Command3")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(session.searchResultPage, 12);
}

TEST_F(SearchWindowTest, EnterInTheListChoosesTheSelectedEntry)
{
    type(u"champ"_s);
    window->list()->setFocus();
    window->list()->setCurrentRow(2);
    QTest::keyClick(window->list(), Qt::Key_Return);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(session.searchResultPage, 16);
}

TEST_F(SearchWindowTest, EnterInTheListWithoutSelectionClosesWithoutChoice)
{
    type(u"champ"_s);
    window->list()->clearSelection();
    QTest::keyClick(window->list(), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(session.searchResultPage, 0);
}

TEST_F(SearchWindowTest, EscapeAndAnnulerCloseWithoutChoice)
{
    type(u"champ"_s);
    window->list()->setCurrentRow(0);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(session.searchResultPage, 0);

    window->show();
    button("Command1")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.searchResultPage, 0);
}

TEST_F(SearchWindowTest, BackgroundOfFiftyOneLines)
{
    const QImage shot = window->grab().toImage();
    // x = 0: RGB(20, 100, 180); x = 5: 100 + 15.5 goes to the even 116; x = 50: RGB(250, 255, 220).
    EXPECT_EQ(shot.pixelColor(0, 60), QColor(20, 100, 180));
    EXPECT_EQ(shot.pixelColor(5, 60), QColor(43, 116, 184));
    EXPECT_EQ(shot.pixelColor(15, 60), QColor(89, 146, 192));
    EXPECT_EQ(shot.pixelColor(50, 60), QColor(250, 255, 220));
    EXPECT_EQ(SearchWindowDesign::backgroundLine(25), QColor(135, 178, 200));
}

// ---- The course window's search button ----------------------------------------

class SearchButtonTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        std::vector<CoursePage> pages = {coursePage(1, 1, 1), coursePage(2, 2, 1),
                                         coursePage(3, 3, 1, u"La dilution d'une solution\u00b6\r\n"_s),
                                         coursePage(4, 4, 1)};
        for (CoursePage &p : pages)
            p.moteur = true;
        pages[2].titre = u"Dilution"_s;
        useCourse(pages);
        ASSERT_TRUE(start());
    }

    // Clicks the search button; `inside` runs on the modal search window.
    void search(const std::function<void(SearchWindow &)> &inside)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto *modal = qobject_cast<SearchWindow *>(QApplication::activeModalWidget());
            if (!modal)
                return;
            opened = true;
            EXPECT_EQ(modal->frameGeometry().topLeft(), window->frameGeometry().topLeft());
            inside(*modal);
            if (modal->isVisible())
                modal->reject();
        });
        window->findChild<QToolButton *>(u"command4"_s)->click();
        EXPECT_TRUE(opened);
    }

    int markedPixels() const
    {
        const QImage &img = window->body()->surface().image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixelColor(x, y) == RasterSurface::markColour();
        return n;
    }
};

TEST_F(SearchButtonTest, ChosenPageIsShownWithItsWordsMarkedUntilAnotherPage)
{
    search([](SearchWindow &w) {
        QTest::keyClicks(w.entry(), u"ion"_s);
        QTest::keyClick(w.entry(), Qt::Key_Return);
        w.list()->setCurrentRow(0);
        QTest::keyClick(w.list(), Qt::Key_Return);
    });
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_GT(markedPixels(), 0);
    EXPECT_FALSE(session->searchHighlight.has_value());

    window->navigate(u"PA0004"_s);
    window->navigate(u"PA0003"_s);
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_EQ(markedPixels(), 0);
}

TEST_F(SearchButtonTest, NoChoiceKeepsThePage)
{
    search([](SearchWindow &w) {
        QTest::keyClicks(w.entry(), u"ion"_s);
        QTest::keyClick(w.entry(), Qt::Key_Return);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(shownNumber(), u"1");
    EXPECT_EQ(session->searchResultPage, 0);
    EXPECT_FALSE(session->searchHighlight.has_value());
}

} // namespace
