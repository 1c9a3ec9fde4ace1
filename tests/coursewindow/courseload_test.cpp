#include "core/app/courseload.h"
#include "core/app/coursetools.h"
#include "core/app/session.h"
#include "core/records/statefile.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

// Records the window's steps, and the link-style flag each step saw.
class RecordingWindow final : public StartupWindow, public CourseLoadSteps {
public:
    explicit RecordingWindow(Session &session) : m_session(session) {}

    void copyLinkPointers() override {}
    void setWindowWidth(int) override {}
    void processEvents() override {}
    bool showScreenAlert() override { return false; }
    void showNormalAt(const QRect &) override {}

    void showCover() override { log << u"cover"_s; }
    void paintTitleBands(int style) override
    {
        log << u"bands %1 (flag %2)"_s.arg(style).arg(m_session.linkStyle);
    }
    void loadPageIndex() override { log << u"index (flag %1)"_s.arg(m_session.linkStyle); }
    void navigate(const QString &code) override { log << u"navigate "_s + code; }
    void showPageArea() override { log << u"page area"_s; }

    QStringList log;

private:
    Session &m_session;
};

class OpensEverything final : public CourseOpener {
public:
    Result open(const QString &) override { return Result::Opened; }
    Result finishOpening() override { return bodiesRead; }
    Result bodiesRead = Result::Opened;
};

class CourseLoadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString folder() const { return dir.path() + u'/'; }
    bool run()
    {
        StartupContext c{folder(), session, screen, files, prompts, window, opener};
        return RunCourseLoad(c, window);
    }

    QTemporaryDir dir;
    Session session;
    FakeScreen screen{1024, 768};
    FakeFiles files;
    FakePrompts prompts;
    RecordingWindow window{session};
    OpensEverything opener;
};

TEST_F(CourseLoadTest, CoverBandsInStyle2IndexPage1ThenThePageArea)
{
    files.paths << folder() + u"PcTs.sqlite"_s;
    ASSERT_TRUE(run());
    EXPECT_EQ(window.log, (QStringList{u"cover"_s, u"bands 2 (flag 0)"_s, u"index (flag 1)"_s,
                                       u"navigate PAG001"_s, u"page area"_s}));
    EXPECT_EQ(session.linkStyle, 1);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(CourseLoadTest, UnreadablePageBodiesEndTheStartBeforePage1)
{
    files.paths << folder() + u"PcTs.mdb"_s;
    opener.bodiesRead = CourseOpener::Result::Unreadable;
    EXPECT_FALSE(run());
    EXPECT_EQ(window.log, (QStringList{u"cover"_s, u"bands 2 (flag 0)"_s, u"index (flag 1)"_s}));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, u"Base de données illisible"_s);
}

TEST_F(CourseLoadTest, FailedStartupChecksShowNothing)
{
    // No course database in the folder.
    EXPECT_FALSE(run());
    EXPECT_TRUE(window.log.isEmpty());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, u"Base de données absente"_s);
    EXPECT_EQ(session.linkStyle, 0);
}

TEST_F(CourseLoadTest, NarrowScreenShowsNothing)
{
    files.paths << folder() + u"PcTs.sqlite"_s;
    screen.widthPx = 699;
    EXPECT_FALSE(run());
    EXPECT_TRUE(window.log.isEmpty());
}

struct HelpCase {
    const char *name;
    QStringList files;  // in the application folder
    const char *opened; // nullptr: nothing
};

void PrintTo(const HelpCase &c, std::ostream *os)
{
    *os << c.name;
}

class HelpFileTest : public ::testing::TestWithParam<HelpCase> {};

TEST_P(HelpFileTest, HelpFileBeforeTheHelpPage)
{
    const HelpCase c = GetParam();
    FakeFiles files;
    for (const QString &f : c.files)
        files.paths << u"/app/"_s + f;
    const std::optional<QString> help = CourseTools::helpFile(u"/app"_s, files);
    if (c.opened) {
        EXPECT_EQ(help, u"/app/"_s + QString::fromLatin1(c.opened));
    } else {
        EXPECT_FALSE(help.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, HelpFileTest,
    ::testing::Values(HelpCase{"Both", {u"PCTS.html"_s, u"PCTS.hlp"_s}, "PCTS.hlp"},
                      HelpCase{"OnlyHtml", {u"PCTS.html"_s}, "PCTS.html"},
                      HelpCase{"CaseIgnored", {u"pcts.HLP"_s, u"Pcts.Html"_s}, "pcts.HLP"},
                      HelpCase{"Neither", {u"PCTS.txt"_s}, nullptr}),
    [](const ::testing::TestParamInfo<HelpCase> &info) { return std::string(info.param.name); });

TEST_F(CourseLoadTest, UpdateIsRefusedExactlyWhileAModuleHasNotStopped)
{
    StateFile state(folder());
    state.resetAtStartup();
    EXPECT_FALSE(CourseTools::updateRefusal(folder()).has_value());
    state.setModuleFlag(12, u"OUI"_s);
    const std::optional<Message> refusal = CourseTools::updateRefusal(dir.path()); // no final slash
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text,
              u"Pour effectuer une mise à jour, tous les modules du logiciel doivent être fermés"_s);
    EXPECT_EQ(refusal->title, u"Mise à jour impossible"_s);
    EXPECT_EQ(refusal->icon, MessageIcon::Exclamation);
    EXPECT_EQ(refusal->buttons, MessageButtons::Ok);
    state.setModuleFlag(12, u"NON"_s);
    EXPECT_FALSE(CourseTools::updateRefusal(folder()).has_value());
}

} // namespace
