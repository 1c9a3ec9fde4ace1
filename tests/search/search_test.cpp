// Word search over the course pages: the words of an entry, the scan, the
// accent option.

#include "core/search/pagesearch.h"
#include "core/search/searchwords.h"
#include "core/text/searchfold.h"
#include "search/searchcourse.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

// ---- The words of an entry ------------------------------------------------

struct WordsCase {
    const char *name;
    const char *entry; // UTF-8
    bool searches;
    std::vector<const char *> words;
};

void PrintTo(const WordsCase &c, std::ostream *os)
{
    *os << c.name;
}

class SearchWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(SearchWordsTest, SplitsTheEntry)
{
    const WordsCase &c = GetParam();
    const std::optional<QStringList> words = SearchWords(QString::fromUtf8(c.entry));
    ASSERT_EQ(words.has_value(), c.searches);
    if (!words)
        return;
    QStringList expected;
    for (const char *w : c.words)
        expected << QString::fromUtf8(w);
    EXPECT_EQ(*words, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SearchWordsTest,
    ::testing::Values(
        WordsCase{"OneCharacter", "c", false, {}}, WordsCase{"OneCharacterInSpaces", "   c   ", false, {}},
        WordsCase{"SeparatorsAndOneLetter", "+c,;", false, {}},
        WordsCase{"SeparatorsAroundOneLetter", "..a..", false, {}},
        WordsCase{"OnlySeparators", ",;:.?#", false, {}}, WordsCase{"EmptyEntry", "", false, {}},
        WordsCase{"OneAccentedLetter", "\u00e9", false, {}},
        WordsCase{"OneLetterOutsideTheBasicPlane", "\U0001D400", false, {}},
        WordsCase{"TwoLetters", "ab", true, {"ab"}}, WordsCase{"TwoOneLetterWords", "a b", true, {"a", "b"}},
        WordsCase{"TrimmedAndLowered", "  Champ  ", true, {"champ"}},
        WordsCase{"CommaSeparated", "champ, \u00e9lectrique", true, {"champ", "\u00e9lectrique"}},
        WordsCase{"UpperCaseAccents", "\u00c9LECTRIQUE", true, {"\u00e9lectrique"}},
        WordsCase{"EverySeparator",
                  "a+b-c*d/e,f;g:h.i?j#k",
                  true,
                  {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}},
        WordsCase{"RunsOfSpaces", "a  ,  b", true, {"a", "b"}},
        WordsCase{"WordTypedTwice", "ION ion", true, {"ion", "ion"}},
        WordsCase{"ApostropheKept", "d'une", true, {"d'une"}},
        WordsCase{"TabIsNoSeparator", "x\ty", true, {"x\ty"}}));

// ---- The scan --------------------------------------------------------------

class PageSearchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        QString error;
        ASSERT_TRUE(writeSearchCourse(dir->path(), &error)) << error.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override { ASSERT_EQ(pages.load(dir->path()), StoreStatus::Ok); }

    static QTemporaryDir *dir;
    PageSearch pages;
};

QTemporaryDir *PageSearchTest::dir = nullptr;

struct ScanCase {
    const char *name;
    const char *entry;
    bool allWords;
    bool ignoreAccents;
    std::vector<int> pages; // page numbers listed, in row order
};

void PrintTo(const ScanCase &c, std::ostream *os)
{
    *os << c.name;
}

class ScanTest : public PageSearchTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScanTest, ListsTheMatchingPagesInRowOrder)
{
    const ScanCase &c = GetParam();
    const auto result = pages.search(QString::fromUtf8(c.entry), {c.allWords, c.ignoreAccents});
    ASSERT_TRUE(result.has_value());
    std::vector<int> found;
    for (const SearchHit &hit : result->hits)
        found.push_back(hit.page);
    EXPECT_EQ(found, c.pages);
}

// The course: row 0 page 1 (holds every word, never searched); 10 champ; 11
// ÉLECTRIQUE; 12 Champ électrique; 13 dilution, solution; 14 a link command
// LIERT to PA0028 and the text "Texte"; 15 every word but moteur not set; 16
// champ electrique without accent; 17 électrique with a decomposed é; 18 œuvre.
INSTANTIATE_TEST_SUITE_P(
    Entries, ScanTest,
    ::testing::Values(
        ScanCase{"AnyOfTwoWords", "champ, \u00e9lectrique", false, false, {10, 11, 12, 16}},
        ScanCase{"AllOfTwoWords", "champ, \u00e9lectrique", true, false, {12}},
        ScanCase{"WordTypedTwiceWithAllWords", "champ champ", true, false, {10, 12, 16}},
        ScanCase{"WordTypedTwiceAndAnother", "champ champ magn\u00e9tique", true, false, {10}},
        ScanCase{"PartOfALongerWord", "ion", false, false, {13}},
        ScanCase{"InsideAMarkupCommand", "liert", false, false, {14}},
        ScanCase{"TargetInsideACommand", "pa0028", false, false, {14}},
        ScanCase{"CaseIgnored", "TEXTE", false, false, {14}},
        ScanCase{"AccentsKeptByDefault", "\u00e9lectrique", false, false, {11, 12}},
        ScanCase{"NoAccentTypedFindsOnlyNoAccent", "ELECTRIQUE", false, false, {16}},
        ScanCase{"IgnoringAccentsFromPlainLetters", "electrique", false, true, {11, 12, 16, 17}},
        ScanCase{"IgnoringAccentsFromCapitals", "\u00c9LECTRIQUE", false, true, {11, 12, 16, 17}},
        ScanCase{"IgnoringAccentsBothWays", "decompose", false, true, {17}},
        ScanCase{"IgnoringAccentsWithAllWords", "champ electrique", true, true, {12, 16}},
        ScanCase{"LigatureIsNoAccent", "oeuvre", false, true, {}},
        ScanCase{"LigatureFoundAsTyped", "\u0152UVRE", false, true, {18}},
        ScanCase{"RowZeroNeverSearched", "accueil", false, false, {}},
        ScanCase{"MoteurNotSetNeverListed", "liert ion", false, false, {13, 14}},
        ScanCase{"NothingFound", "zzz", false, false, {}}));

TEST_F(PageSearchTest, ShortEntriesMakeNoSearch)
{
    for (const char *entry : {"c", " c ", "+c,;", ";;", ""})
        EXPECT_FALSE(pages.search(QString::fromUtf8(entry), {}).has_value()) << entry;
}

TEST_F(PageSearchTest, HitsCarryTitleAndPageNumber)
{
    const auto result = pages.search(u"dilution"_s, {});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->words, QStringList{u"dilution"_s});
    ASSERT_EQ(result->hits.size(), 1u);
    EXPECT_EQ(result->hits[0], (SearchHit{u"Dilution"_s, 13}));
}

TEST_F(PageSearchTest, ProgressStartsAtRowOneAndNeverPassesTheLastRow)
{
    std::vector<std::pair<int, int>> calls;
    pages.scan({u"champ"_s}, {}, [&](int p, int last) { calls.emplace_back(p, last); });
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), std::make_pair(1, 9));
    for (const auto &c : calls) {
        EXPECT_GE(c.first, 1);
        EXPECT_LE(c.first, 9);
    }
}

TEST(PageSearchRows, MissingOrOddFieldsFindNothingAndNeverFail)
{
    // A table without moteur lists nothing; one or no row is nothing to scan.
    PageSearch search;
    TableRows noMoteur(u"Cours"_s, {u"Numeropage"_s, u"titre"_s, u"fpc"_s});
    noMoteur.appendRow({u"1"_s, u"A"_s, u"champ"_s});
    noMoteur.appendRow({u"2"_s, u"B"_s, u"champ"_s});
    search.setRows(noMoteur);
    EXPECT_TRUE(search.scan({u"champ"_s}, {}).empty());

    TableRows one(u"Cours"_s, {u"moteur"_s, u"Numeropage"_s, u"titre"_s, u"fpc"_s});
    one.appendRow({u"1"_s, u"1"_s, u"A"_s, u"champ"_s});
    search.setRows(one);
    EXPECT_TRUE(search.scan({u"champ"_s}, {}).empty());
    search.setRows(TableRows());
    EXPECT_TRUE(search.scan({u"champ"_s}, {}).empty());

    // A page number that is no number, or too large, is 0.
    TableRows odd(u"Cours"_s, {u"moteur"_s, u"Numeropage"_s, u"titre"_s, u"fpc"_s});
    odd.appendRow({u"1"_s, u"1"_s, u"A"_s, u""_s});
    odd.appendRow({u"1"_s, u" 12abc"_s, u"B"_s, u"champ"_s});
    odd.appendRow({u"1"_s, u"99999999999"_s, u"C"_s, u"champ"_s});
    search.setRows(odd);
    EXPECT_EQ(search.scan({u"champ"_s}, {}), (std::vector<SearchHit>{{u"B"_s, 12}, {u"C"_s, 0}}));
}

TEST(PageSearchLoad, AbsentDatabaseIsSaid)
{
    QTemporaryDir empty;
    PageSearch search;
    EXPECT_EQ(search.load(empty.path()), StoreStatus::Absent);
    EXPECT_EQ(search.lastPosition(), -1);
}

TEST(PageSearchTarget, PageNumberInFourDigits)
{
    EXPECT_EQ(PageSearch::targetFor(28), std::optional<QString>(u"PA0028"_s));
    EXPECT_EQ(PageSearch::targetFor(1234), std::optional<QString>(u"PA1234"_s));
    EXPECT_EQ(PageSearch::targetFor(0), std::nullopt);
}

// ---- Folding -----------------------------------------------------------------

struct FoldCase {
    const char *name;
    const char *text;
    bool accents;
    const char *folded;
};

void PrintTo(const FoldCase &c, std::ostream *os)
{
    *os << c.name;
}

class FoldTest : public ::testing::TestWithParam<FoldCase> {};

TEST_P(FoldTest, Folds)
{
    const FoldCase &c = GetParam();
    const SearchFold fold(c.accents);
    EXPECT_EQ(fold.fold(QString::fromUtf8(c.text)), QString::fromUtf8(c.folded));
    std::string utf8 = "left over from a longer text";
    fold.foldUtf8(QString::fromUtf8(c.text), utf8);
    EXPECT_EQ(utf8, std::string(c.folded));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FoldTest,
    ::testing::Values(FoldCase{"PlainLowersOnly", "\u00c9LECTRIQUE \u00c7a", false,
                               "\u00e9lectrique \u00e7a"},
                      FoldCase{"AccentsDropped", "\u00c9LECTRIQUE \u00c7a \u00e0 \u00ee \u00ff", true,
                               "electrique ca a i y"},
                      FoldCase{"DecomposedAccentDropped", "e\u0301lectrique", true, "electrique"},
                      FoldCase{"PlainKeepsDecomposedMark", "E\u0301", false, "e\u0301"},
                      FoldCase{"LigaturesStay", "\u0152uvre \u00c6ther", true, "\u0153uvre \u00e6ther"},
                      FoldCase{"OtherMarksStay", "\u00b0 \u00b5 \u2019", true, "\u00b0 \u00b5 \u2019"},
                      FoldCase{"GreekCapitalLowered", "\u0394\u03a9", true, "\u03b4\u03c9"},
                      // A letter outside the basic plane and a Hangul syllable
                      // fold the slow way: the syllable decomposes into its jamo.
                      FoldCase{"OutsideTheTable", "\U0001D400 \ud55c \u00c9t\u00c9", true,
                               "\U0001D400 \u1112\u1161\u11ab ete"}));

struct OccurrenceCase {
    const char *name;
    const char *text;
    std::vector<const char *> words; // as typed, folded by the test
    bool accents;
    std::vector<TextRange> ranges;
};

void PrintTo(const OccurrenceCase &c, std::ostream *os)
{
    *os << c.name;
}

class OccurrenceTest : public ::testing::TestWithParam<OccurrenceCase> {};

TEST_P(OccurrenceTest, FindsRangesOfTheText)
{
    const OccurrenceCase &c = GetParam();
    const SearchFold fold(c.accents);
    QStringList words;
    for (const char *w : c.words)
        words << fold.fold(QString::fromUtf8(w));
    EXPECT_EQ(fold.occurrences(QString::fromUtf8(c.text), words), c.ranges);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, OccurrenceTest,
    ::testing::Values(
        OccurrenceCase{
            "InsideLongerWords", "La dilution d'une solution", {"ion"}, false, {{8, 11}, {23, 26}}},
        OccurrenceCase{"CaseIgnored", "Champ CHAMP", {"champ"}, false, {{0, 5}, {6, 11}}},
        OccurrenceCase{"AccentedCapitalFolded", "\u00c9lectrique", {"electrique"}, true, {{0, 10}}},
        OccurrenceCase{"DecomposedLetterWhole", "e\u0301lectrique", {"electrique"}, true, {{0, 11}}},
        OccurrenceCase{
            "AccentsKeptWithoutTheOption", "\u00c9lectrique electrique", {"electrique"}, false, {{11, 21}}},
        OccurrenceCase{"OverlapsMerged", "champ", {"champ", "amp"}, false, {{0, 5}}},
        OccurrenceCase{"TouchingMerged", "abab", {"ab"}, false, {{0, 4}}},
        OccurrenceCase{"EmptyWordMarksNothing", "abc", {""}, false, {}},
        OccurrenceCase{"NoneFound", "abc", {"x"}, false, {}}));

} // namespace
