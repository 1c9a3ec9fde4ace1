#include "core/app/coursetools.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vorlane;
using namespace vorlane::testing;

namespace {

// The program's own help window, as the help button sees it.
class FakeHelpPages final : public HelpPages {
public:
    void showHelpPage(const QString &path) override { shown.append(path); }
    QStringList shown;
};

// ---- The help button ----------------------------------------------------------

struct OpenHelpCase {
    const char *name;
    QStringList files;  // in the application folder
    bool viewerTakesIt; // the desktop has a viewer for the help file
    CourseTools::HelpShown shown;
    const char *toViewer; // file handed to the desktop's viewer (nullptr: none)
    const char *inWindow; // file shown in the own help window (nullptr: none)
};

void PrintTo(const OpenHelpCase &c, std::ostream *os)
{
    *os << c.name;
}

class OpenHelpTest : public ::testing::TestWithParam<OpenHelpCase> {};

TEST_P(OpenHelpTest, HelpFileToTheViewerElseTheHelpPageInTheOwnWindow)
{
    const OpenHelpCase c = GetParam();
    FakeFiles files;
    for (const QString &f : c.files)
        files.paths << u"/app/"_s + f;
    FakeDesktop desktop;
    desktop.helpViewer = c.viewerTakesIt;
    FakeHelpPages own;

    EXPECT_EQ(CourseTools::openHelp(u"/app"_s, files, desktop, own), c.shown);
    EXPECT_EQ(desktop.helpOpened,
              c.toViewer ? QStringList{u"/app/"_s + QString::fromLatin1(c.toViewer)} : QStringList{});
    EXPECT_EQ(own.shown,
              c.inWindow ? QStringList{u"/app/"_s + QString::fromLatin1(c.inWindow)} : QStringList{});
    EXPECT_TRUE(desktop.addressesOpened.isEmpty());
}

using S = CourseTools::HelpShown;
INSTANTIATE_TEST_SUITE_P(
    Folders, OpenHelpTest,
    ::testing::Values(
        OpenHelpCase{
            "BothWithAViewer", {u"PCTS.html"_s, u"PCTS.hlp"_s}, true, S::DesktopViewer, "PCTS.hlp", nullptr},
        // No viewer for the old help format: the page opens in the program.
        OpenHelpCase{"BothWithoutAViewer",
                     {u"PCTS.html"_s, u"PCTS.hlp"_s},
                     false,
                     S::OwnWindow,
                     "PCTS.hlp",
                     "PCTS.html"},
        // Without the help file the desktop is not asked at all.
        OpenHelpCase{"OnlyThePage", {u"PCTS.html"_s}, true, S::OwnWindow, nullptr, "PCTS.html"},
        OpenHelpCase{"PageNameInAnotherCase", {u"Pcts.HTML"_s}, true, S::OwnWindow, nullptr, "Pcts.HTML"},
        OpenHelpCase{
            "OnlyTheHelpFileWithoutAViewer", {u"pcts.HLP"_s}, false, S::Nothing, "pcts.HLP", nullptr},
        OpenHelpCase{"Neither", {u"PCTS.txt"_s, u"PCTS.htm"_s}, true, S::Nothing, nullptr, nullptr}));

struct HelpLinkCase {
    const char *url;
    CourseTools::HelpLink link;
};

void PrintTo(const HelpLinkCase &c, std::ostream *os)
{
    *os << c.url;
}

class HelpLinkTest : public ::testing::TestWithParam<HelpLinkCase> {};

TEST_P(HelpLinkTest, PagesOfTheHelpInTheWindowWebAddressesInTheBrowser)
{
    EXPECT_EQ(CourseTools::helpLink(QUrl(QString::fromLatin1(GetParam().url))), GetParam().link);
}

using L = CourseTools::HelpLink;
INSTANTIATE_TEST_SUITE_P(Links, HelpLinkTest,
                         ::testing::Values(HelpLinkCase{"#raccourcis", L::InWindow},
                                           HelpLinkCase{"calculatrice.html", L::InWindow},
                                           HelpLinkCase{"file:///app/PCTS.html#outils", L::InWindow},
                                           HelpLinkCase{"FILE:///app/autre.html", L::InWindow},
                                           HelpLinkCase{"https://www.example.org/", L::Browser},
                                           HelpLinkCase{"http://www.example.org/page", L::Browser},
                                           HelpLinkCase{"mailto:auteur@example.org", L::Browser}));

// ---- The web-site button ---------------------------------------------------------

struct WebSiteCase {
    const char *code;
    bool moduleInstalled; // INTERNET.EXE (spelled "internet.exe") in the application folder
    bool browser;         // the publisher's site opens in the browser
};

void PrintTo(const WebSiteCase &c, std::ostream *os)
{
    *os << c.code << (c.moduleInstalled ? " installed" : " absent");
}

class WebSiteTest : public ::testing::TestWithParam<WebSiteCase> {};

TEST_P(WebSiteTest, BrowserOnlyForTheWebSiteModuleWhenItsProgramIsAbsent)
{
    const WebSiteCase c = GetParam();
    FakeFiles files;
    files.paths << u"/app/PcTs.sqlite"_s << u"/app/PERIODIQ.EXE"_s;
    if (c.moduleInstalled)
        files.paths << u"/app/internet.exe"_s;
    EXPECT_EQ(CourseTools::opensPublisherSite(QString::fromLatin1(c.code), u"/app/"_s, files), c.browser);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WebSiteTest,
    ::testing::Values(WebSiteCase{"EXE070", false, true}, WebSiteCase{"EXE070", true, false},
                      // Module 7 with an exercise file, and 57 - 50 = 7 with exercise 1 + 9.
                      WebSiteCase{"EXE071", false, true}, WebSiteCase{"EXE571", false, true},
                      WebSiteCase{"EXE571", true, false},
                      // A multiple of 10 is not reduced by 50: module 57 has no program at all.
                      WebSiteCase{"EXE570", false, false},
                      // Other modules, whose absent programs simply do not start.
                      WebSiteCase{"EXE023", false, false}, WebSiteCase{"EXE080", false, false},
                      // Not a launch: pages, tests, a lower-case code.
                      WebSiteCase{"PAG070", false, false}, WebSiteCase{"EXO070", false, false},
                      WebSiteCase{"exe070", false, false}, WebSiteCase{"", false, false}));

TEST(PublisherSiteTest, OpensTheAddressInTheBrowserAndSaysSoWhenNoneTookIt)
{
    FakeDesktop desktop;
    FakePrompts prompts;
    EXPECT_TRUE(CourseTools::openPublisherSite(desktop, prompts));
    EXPECT_EQ(desktop.addressesOpened, QStringList{u"https://www.vorlane.fr/"_s});
    EXPECT_TRUE(prompts.asked.isEmpty());

    desktop.browser = false;
    EXPECT_FALSE(CourseTools::openPublisherSite(desktop, prompts));
    EXPECT_EQ(desktop.addressesOpened.size(), 2);
    ASSERT_EQ(prompts.asked.size(), 1);
    const Message &m = prompts.asked[0];
    // The address stands alone on its last line, to be copied.
    EXPECT_EQ(m.text.split(u'\n').last(), CourseTools::publisherAddress());
    EXPECT_TRUE(m.text.startsWith(u"Aucun navigateur web n'a pu être ouvert."_s)) << m.text.toStdString();
    EXPECT_EQ(m.title, u"Site de l'éditeur"_s);
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
}

} // namespace
