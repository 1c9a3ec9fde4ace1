#include "core/platform/files.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

struct BareCase {
    const char *name;
    const char *in;
    const char *bare;
};

void PrintTo(const BareCase &c, std::ostream *os)
{
    *os << c.name;
}

class BareFileNameTest : public ::testing::TestWithParam<BareCase> {};

TEST_P(BareFileNameTest, KeepsWhatFollowsTheLastSeparator)
{
    const BareCase c = GetParam();
    EXPECT_EQ(BareFileName(QString::fromUtf8(c.in)), QString::fromUtf8(c.bare));
}

INSTANTIATE_TEST_SUITE_P(Names, BareFileNameTest,
                         ::testing::Values(BareCase{"Plain", "onde.png", "onde.png"},
                                           BareCase{"DiscPath", "D:\\PCTsDATA\\onde.png", "onde.png"},
                                           BareCase{"AuthorPath", "data/images/onde.png", "onde.png"},
                                           BareCase{"MixedLastWins", "a\\b/c\\d.png", "d.png"},
                                           BareCase{"SlashAfterBackslash", "a/b\\c/d", "d"},
                                           BareCase{"Parent", "../outside.png", "outside.png"},
                                           BareCase{"TrailingSeparator", "folder\\", ""},
                                           BareCase{"Empty", "", ""},
                                           BareCase{"Accented", "C:\\Données\\élan.gif", "élan.gif"}),
                         [](const ::testing::TestParamInfo<BareCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(FindInFolderTest, LooksUpTheBareNameInTheFolderIgnoringCase)
{
    FakeFiles files;
    files.paths << u"/app/ONDE.png"_s << u"/disc/PCTsDATA/titrage.gif"_s;
    EXPECT_EQ(FindInFolder(files, u"/app"_s, u"onde.PNG"_s), u"/app/ONDE.png"_s);
    EXPECT_EQ(FindInFolder(files, u"/app/"_s, u"x:\\somewhere\\onde.png"_s), u"/app/ONDE.png"_s);
    EXPECT_EQ(FindInFolder(files, u"/disc/PCTsDATA"_s, u"TITRAGE.GIF"_s), u"/disc/PCTsDATA/titrage.gif"_s);
    // The folder is searched, never a path the name points to.
    EXPECT_FALSE(FindInFolder(files, u"/app/sub"_s, u"../ONDE.png"_s).has_value());
    EXPECT_FALSE(FindInFolder(files, u"/app"_s, u"absent.png"_s).has_value());
}

TEST(FindInFolderTest, BlankNamesAndEmptyFoldersFindNothingWithoutALookUp)
{
    FakeFiles files;
    files.paths << u"/app/ "_s << u"/onde.png"_s;
    for (const QString &name : {u""_s, u"   "_s, u"dir\\"_s, u"dir/ "_s})
        EXPECT_FALSE(FindInFolder(files, u"/app"_s, name).has_value()) << name.toStdString();
    EXPECT_FALSE(FindInFolder(files, QString(), u"onde.png"_s).has_value());
    EXPECT_TRUE(files.queries.isEmpty());
}

} // namespace
