#include "core/app/startupchecks.h"
#include "core/app/windowrules.h"
#include "core/records/statefile.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"

#include <QFile>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

class ScriptedWindow final : public StartupWindow {
public:
    void copyLinkPointers() override { log << QStringLiteral("pointers"); }
    void setWindowWidth(int px) override { log << QStringLiteral("width %1").arg(px); }
    void processEvents() override { log << QStringLiteral("events"); }
    bool showScreenAlert() override
    {
        log << QStringLiteral("alerte %1").arg(session->screenAlertMode);
        return onAlert ? onAlert() : false;
    }
    void showNormalAt(const QRect &g) override
    {
        log << QStringLiteral("normal %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }

    Session *session = nullptr;
    std::function<bool()> onAlert;
    QStringList log;
};

class ScriptedOpener final : public CourseOpener {
public:
    Result open(const QString &path) override
    {
        opened << path;
        if (onOpen)
            onOpen();
        return result;
    }
    Result result = Result::Opened;
    QStringList opened;
    std::function<void()> onOpen;
};

class StartupChecksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        window.session = &session;
        files.paths << folder() + QStringLiteral("PcTs.mdb");
    }
    QString folder() const { return dir.path() + u'/'; }
    bool run()
    {
        StartupContext c{dir.path(), session, screen, files, prompts, window, opener};
        return StartupChecks(c);
    }

    QTemporaryDir dir;
    Session session;
    FakeScreen screen{1024, 768};
    FakeFiles files;
    FakePrompts prompts;
    ScriptedWindow window;
    ScriptedOpener opener;
};

TEST_F(StartupChecksTest, StepsInOrderOnAWideScreen)
{
    session.historyPos = 7;
    session.recordInHistory = false;
    session.companionTasks[3] = 99;
    session.companionTasks[35] = 5;
    EXPECT_TRUE(run());
    EXPECT_EQ(window.log,
              (QStringList{QStringLiteral("pointers"), QStringLiteral("width 800"), QStringLiteral("events"),
                           QStringLiteral("normal 112,84 800x600"), QStringLiteral("events")}));
    EXPECT_EQ(opener.opened, QStringList{folder() + QStringLiteral("PcTs.mdb")});
    EXPECT_EQ(session.historyPos, 0);
    EXPECT_TRUE(session.recordInHistory);
    EXPECT_EQ(session.companionTasks[3], 0);
    EXPECT_EQ(session.companionTasks[35], 5); // only slots 1..30 are reset
    EXPECT_EQ(StateFile(folder()).moduleFlag(1), u"NON");
}

TEST_F(StartupChecksTest, SqliteCourseIsPreferredToTheAccessFile)
{
    files.paths << folder() + QStringLiteral("pcts.SQLITE");
    EXPECT_TRUE(run());
    EXPECT_EQ(opener.opened, QStringList{folder() + QStringLiteral("pcts.SQLITE")});
}

TEST_F(StartupChecksTest, ScreenThatNarrowsDuringTheStartShowsTheAlertUntilItIsWideEnough)
{
    screen.widthPx = 720;
    opener.onOpen = [&] { screen.widthPx = 640; }; // the display changes meanwhile
    int alerts = 0;
    window.onAlert = [&] {
        if (++alerts == 2)
            screen.widthPx = 800; // the user changed the resolution
        return false;
    };
    EXPECT_TRUE(run());
    EXPECT_EQ(alerts, 2);
    EXPECT_EQ(session.screenAlertMode, 1);
    EXPECT_TRUE(window.log.contains(QStringLiteral("alerte 1")));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(StartupChecksTest, QuittingTheAlertEndsTheProgram)
{
    screen.widthPx = 720;
    opener.onOpen = [&] { screen.widthPx = 640; };
    window.onAlert = [] { return true; };
    EXPECT_FALSE(run());
    EXPECT_FALSE(QFile::exists(folder() + QStringLiteral("TEMPTS.TMP")));
}

TEST_F(StartupChecksTest, UnreadableCourseEndsTheStart)
{
    opener.result = CourseOpener::Result::Unreadable;
    EXPECT_FALSE(run());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, QString::fromUtf8("Base de données illisible"));
}

TEST_F(StartupChecksTest, TwipsPerPixelThatRoundToZeroCountAsFifteen)
{
    // 0.3 twips per pixel round to 0, so 15 is used: 10240 x 0.3 / 15 = 204.8
    // pixels, too narrow.
    screen.widthPx = 10240;
    screen.twipsPerPixel = 0.3;
    EXPECT_FALSE(run());
    EXPECT_EQ(prompts.asked[0].text, QString::fromUtf8("La configyaration d'écran est inadaptée"));
}

// ---- Resize rules -----------------------------------------------------------

TEST(WindowRulesTest, WideScreenFirstResizeOnlySetsTheModeThenEveryResizeRecentres)
{
    Session s;
    FakeScreen wide(1280, 1024);
    ResizeResponse r = OnWindowResize(s, wide, WindowState::Maximized);
    EXPECT_EQ(s.screenAlertMode, 2);
    EXPECT_FALSE(r.normalAt.has_value());
    EXPECT_FALSE(r.restoreSize);
    r = OnWindowResize(s, wide, WindowState::Maximized);
    ASSERT_TRUE(r.normalAt.has_value());
    EXPECT_EQ(*r.normalAt, QRect(240, 212, 800, 600));
    EXPECT_TRUE(r.restoreSize);
}

TEST(WindowRulesTest, NarrowScreenKeepsMaximizedAndMinimizedButSnapsANormalWindow)
{
    for (double width : {700.0, 810.0}) {
        Session s;
        FakeScreen narrow(width, 600);
        EXPECT_FALSE(OnWindowResize(s, narrow, WindowState::Maximized).restoreSize);
        EXPECT_FALSE(OnWindowResize(s, narrow, WindowState::Minimized).restoreSize);
        const ResizeResponse r = OnWindowResize(s, narrow, WindowState::Normal);
        EXPECT_TRUE(r.restoreSize);
        EXPECT_FALSE(r.normalAt.has_value());
        EXPECT_EQ(s.screenAlertMode, 0);
    }
}

TEST(WindowRulesTest, CentringUsesTheScreenOrigin)
{
    class SecondScreen final : public Screen {
    public:
        double widthTwips() const override { return 1000 * 15; }
        double heightTwips() const override { return 700 * 15; }
        double twipsPerPixelX() const override { return 15; }
        double twipsPerPixelY() const override { return 15; }
        QPoint originPx() const override { return {1920, 0}; }
    } screen;
    EXPECT_EQ(CentredWindowGeometry(screen), QRect(2020, 50, 800, 600));
}

// The maximize box is offered exactly where a maximized window stays maximized
// through the resize rules (two resizes: the first one on a wide screen only
// sets the mode), and never where the program does not run.
TEST(WindowRulesTest, MaximizeBoxOnlyWhereAMaximizedWindowStaysMaximized)
{
    struct Case {
        double width;
        bool offered;
    };
    for (const Case c :
         {Case{640, false}, Case{699, false}, Case{699.5, false}, Case{700, true}, Case{760, true},
          Case{810, true}, Case{810.5, false}, Case{811, false}, Case{1024, false}}) {
        FakeScreen screen(c.width, 600);
        EXPECT_EQ(MaximizeOffered(screen), c.offered) << c.width;
        if (c.width < 700)
            continue;
        Session s;
        OnWindowResize(s, screen, WindowState::Maximized);
        const bool staysMaximized = !OnWindowResize(s, screen, WindowState::Maximized).normalAt.has_value();
        EXPECT_EQ(MaximizeOffered(screen), staysMaximized) << c.width;
    }
}

// ---- Start-up messages -------------------------------------------------------------

TEST(StartupMessagesTest, BoxesAreWideEnoughForTheirWholeTitle)
{
    const QFont font = MessageTitleFont();
    const QFontMetricsF metrics(font);
    for (const Message &m :
         {ScreenUnsuitableMessage(), DatabaseMissingMessage(), DatabaseUnreadableMessage()}) {
        EXPECT_EQ(m.title, QString::fromUtf8("Exécution impossible"));
        const int width = MessageBoxMinimumWidth(m, font);
        EXPECT_GE(width, metrics.horizontalAdvance(m.title) + kTitleBarAllowancePx) << width;
        // Not wider than the title needs (within a pixel of rounding).
        EXPECT_LE(width, metrics.horizontalAdvance(m.title) + kTitleBarAllowancePx + 1) << width;
    }
    // A longer title asks for a wider box; a larger title font too.
    Message longer = DatabaseMissingMessage();
    longer.title += u" : le logiciel va se fermer";
    EXPECT_GT(MessageBoxMinimumWidth(longer, font), MessageBoxMinimumWidth(DatabaseMissingMessage(), font));
    QFont larger = font;
    larger.setPointSizeF(font.pointSizeF() * 2);
    EXPECT_GT(MessageBoxMinimumWidth(DatabaseMissingMessage(), larger),
              MessageBoxMinimumWidth(DatabaseMissingMessage(), font));
    // An empty title still leaves room for the title bar's icon and close box.
    EXPECT_EQ(MessageBoxMinimumWidth(Message{}, font), kTitleBarAllowancePx);
}

} // namespace
