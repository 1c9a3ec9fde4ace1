// vorlane-tool search: the pages the search window would list.

#include "search/searchcourse.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

class SearchToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(writeSearchCourse(dir.path(), &error)) << error.toStdString();
    }
    ToolRun search(QStringList args)
    {
        args.prepend(dir.path());
        args.prepend(u"--course"_s);
        args.prepend(u"search"_s);
        return runTool(args);
    }
    QTemporaryDir dir;
};

TEST_F(SearchToolTest, OneLinePerPageInListOrder)
{
    const ToolRun r = search({u"champ,"_s, u"\u00e9lectrique"_s});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"10\tChamp seul\n11\t\u00c9lectrique seul\n12\tLes deux\n16\tSans accents\n"_s);
}

TEST_F(SearchToolTest, AllWordsAndAccents)
{
    EXPECT_EQ(search({u"--all"_s, u"champ"_s, u"\u00e9lectrique"_s}).out, u"12\tLes deux\n"_s);
    EXPECT_EQ(search({u"--sans-accents"_s, u"DECOMPOSE"_s}).out, u"17\tD\u00e9compos\u00e9\n"_s);
    EXPECT_EQ(search({u"--all"_s, u"--sans-accents"_s, u"champ electrique"_s}).out,
              u"12\tLes deux\n16\tSans accents\n"_s);
}

TEST_F(SearchToolTest, WordsJoinedWithOneSpace)
{
    // "c" and "h" joined give "c h", three characters: the words c and h.
    const ToolRun joined = search({u"c"_s, u"h"_s});
    EXPECT_EQ(joined.code, 0);
    EXPECT_FALSE(joined.out.isEmpty());
    // One character alone makes no search: nothing listed, success.
    const ToolRun one = search({u"c"_s});
    EXPECT_EQ(one.code, 0);
    EXPECT_EQ(one.out, QString());
    // "--" lets a word start with dashes.
    EXPECT_EQ(search({u"--"_s, u"--liert"_s}).out, u"14\tCommande\n"_s);
}

TEST_F(SearchToolTest, NothingFoundPrintsNothing)
{
    const ToolRun r = search({u"zzz"_s});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QString());
}

TEST(SearchToolErrors, UsageAndMissingCourse)
{
    QTemporaryDir empty;
    EXPECT_EQ(runTool({u"search"_s, u"champ"_s}).code, 2);
    EXPECT_EQ(runTool({u"search"_s, u"--course"_s, empty.path()}).code, 2);
    EXPECT_EQ(runTool({u"search"_s, u"--course"_s, empty.path(), u"--bogus"_s, u"x"_s}).code, 2);
    const ToolRun missing = runTool({u"search"_s, u"--course"_s, empty.path() + u"/nope"_s, u"champ"_s});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(u"nope"_s)) << missing.err.toStdString();
    const ToolRun noDatabase = runTool({u"search"_s, u"--course"_s, empty.path(), u"champ"_s});
    EXPECT_EQ(noDatabase.code, 1);
    EXPECT_TRUE(noDatabase.err.contains(empty.path())) << noDatabase.err.toStdString();

    // A file that is no database is refused, not searched.
    QFile junk(empty.filePath(u"PcTs.sqlite"_s));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    const ToolRun damaged = runTool({u"search"_s, u"--course"_s, empty.path(), u"champ"_s});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_EQ(damaged.out, QString());
    EXPECT_TRUE(damaged.err.contains(u"unreadable"_s)) << damaged.err.toStdString();
}

} // namespace
