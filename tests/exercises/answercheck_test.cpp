// Judging answers: the typed-answer rule, the answer patterns, the score.

#include "core/exercises/answercheck.h"
#include "core/exercises/exercisescore.h"
#include "core/exercises/exercisestate.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

struct TypedCase {
    const char *typed;
    const char *solution;
    bool accepted;
};
void PrintTo(const TypedCase &c, std::ostream *os)
{
    *os << c.typed << " / " << c.solution;
}

class TypedAnswer : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedAnswer, IsJudgedByTheForgivingRule)
{
    const TypedCase &c = GetParam();
    EXPECT_EQ(AnswerCheck::castexte(QString::fromUtf8(c.typed), QString::fromUtf8(c.solution)), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedAnswer,
    ::testing::Values(
        // Lowered; "!" becomes a space.
        TypedCase{"Diffusion !", "diffusion", true},
        // The apostrophe becomes a space and "é" an "e".
        TypedCase{"l'électron", "electron", true},
        // The "S" ending.
        TypedCase{"électrons", "electron", true},
        // Not a whole word, and "ique" is no ending.
        TypedCase{"electronique", "electron", false},
        // Both dashes removed: "porteelectron" has no word boundary.
        TypedCase{"porte--électron", "electron", false}, TypedCase{"", "diffusion", false},
        TypedCase{"c'est la diffusion.", "diffusion", true}, TypedCase{"les ions", "ion", true},
        // "E", "ES" and "X" endings; "ESX" is none of them.
        TypedCase{"polarisée", "polarise", true}, TypedCase{"ionisées", "ionise", true},
        TypedCase{"des cristaux", "cristau", true}, TypedCase{"ionisesx", "ionise", false},
        // Capital accented letters are lowered before the table applies.
        TypedCase{"ÉLECTRON", "electron", true}, TypedCase{"À CÔTÉ", "a cote", true},
        TypedCase{"ça", "ca", true}, TypedCase{"où", "ou", true},
        // Letters the table leaves: â, î, ï, ë, û stay and do not match.
        TypedCase{"pâte", "pate", false}, TypedCase{"naïf", "naif", false},
        // A solution with an accented letter of the table can never match.
        TypedCase{"énergie", "énergie", false},
        // Ignoring case on the solution's side too.
        TypedCase{"la masse", "Masse", true},
        // Digits are word characters; "." typed as "," and "," as a space.
        TypedCase{"12,5", "12", true}, TypedCase{"125", "12", false}, TypedCase{"x2", "2", false},
        TypedCase{"a+b", "b", true}, TypedCase{"mol/L", "l", true}, TypedCase{"mol_L", "moll", true},
        // Greek letters are letters: no boundary.
        TypedCase{"λion", "ion", false},
        // The first occurrence is not a whole word, a later one is.
        TypedCase{"ionique ion", "ion", true},
        // Punctuation that the table does not list is still a boundary.
        TypedCase{"(ion)", "ion", true}, TypedCase{"« ion »", "ion", true},
        // An empty solution is never found, but its endings are.
        TypedCase{"abc", "", false}, TypedCase{"x", "", true}));

TEST(Normalise, EachCharacterIsExaminedOnceFromLeftToRight)
{
    EXPECT_EQ(AnswerCheck::normalise(QString::fromUtf8("Ça-_va?Très:bien;ÔÙ*")),
              QString::fromUtf8("cava tres bien ou "));
    // A removed character does not make the next one skipped.
    EXPECT_EQ(AnswerCheck::normalise(QString::fromUtf8("--é--è")), QStringLiteral("ee"));
    EXPECT_EQ(AnswerCheck::normalise(QString::fromUtf8("âîïëû 09")), QString::fromUtf8("âîïëû 09"));
}

TEST(AnswerPattern, OneCharacterPerControl)
{
    EXPECT_EQ(AnswerCheck::AnswerPattern({false, true, false, true, false}), QStringLiteral("01010"));
    EXPECT_EQ(AnswerCheck::AnswerPattern({true, false, false, false, true}), QStringLiteral("10001"));
    EXPECT_EQ(AnswerCheck::AnswerPattern({}), QStringLiteral("00000"));
    EXPECT_EQ(AnswerCheck::AnswerPattern({true, true, true, true, true}), QStringLiteral("11111"));
}

struct FaceCase {
    int right;
    int answered;
    int face;
};
void PrintTo(const FaceCase &c, std::ostream *os)
{
    *os << c.right << "_of_" << c.answered;
}
class Face : public ::testing::TestWithParam<FaceCase> {};
TEST_P(Face, GrowsWithTheShareOfRightAnswers)
{
    EXPECT_EQ(ExerciseScore::faceNumber(GetParam().right, GetParam().answered), GetParam().face);
}
INSTANTIATE_TEST_SUITE_P(Cases, Face,
                         ::testing::Values(FaceCase{0, 5, 1}, FaceCase{5, 5, 7}, FaceCase{1, 7, 2},
                                           FaceCase{6, 7, 7}, FaceCase{3, 7, 4}, FaceCase{1, 2, 4},
                                           FaceCase{2, 3, 5}, FaceCase{1, 8, 1}, FaceCase{7, 8, 7},
                                           FaceCase{0, 0, 0}));

TEST(Percentage, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(ExerciseScore::percentage(1, 8), 12);
    EXPECT_EQ(ExerciseScore::percentage(3, 8), 38);
    EXPECT_EQ(ExerciseScore::percentage(2, 3), 67);
    EXPECT_EQ(ExerciseScore::percentage(1, 3), 33);
    EXPECT_EQ(ExerciseScore::percentage(5, 8), 62);
    EXPECT_EQ(ExerciseScore::percentage(7, 10), 70);
    EXPECT_EQ(ExerciseScore::percentage(1, 200), 0);
    EXPECT_EQ(ExerciseScore::percentage(3, 200), 2);
}

ExerciseState stateWith(int count, std::initializer_list<int> statuses)
{
    ExerciseState s;
    s.questionCount = std::int16_t(count);
    int q = 1;
    for (int st : statuses)
        s.questionStatus[std::size_t(q++)] = std::int16_t(st);
    return s;
}

TEST(ScoreMessage, TitlesAndText)
{
    Message m = ExerciseScore::scoreMessage(stateWith(5, {1, 1, 1}));
    EXPECT_EQ(m.title, QStringLiteral("Actuellement..."));
    EXPECT_EQ(m.text, QString::fromUtf8(" 3 / 3 soit 100 % de bonnes réponses."));
    EXPECT_EQ(m.icon, MessageIcon::Information);

    m = ExerciseScore::scoreMessage(stateWith(10, {1, 1, -1, 1, 1, -1, 1, 1, -1, 1}));
    EXPECT_EQ(m.title, QString::fromUtf8("Test terminé"));
    EXPECT_EQ(m.text, QString::fromUtf8(" 7 / 10 soit 70 % de bonnes réponses."));

    m = ExerciseScore::scoreMessage(stateWith(4, {}));
    EXPECT_EQ(m.title, QStringLiteral("Test"));
    EXPECT_EQ(m.text, QString::fromUtf8("Vous n'avza répondu à aucune question."));
}

TEST(Counts, OnlyQuestionsOfTheTestCount)
{
    // A status left beyond the test's count (an earlier, longer test) is not counted.
    const ExerciseState s = stateWith(3, {1, -1, 0, 1, 1});
    EXPECT_EQ(s.answeredCount(), 2);
    EXPECT_EQ(s.rightCount(), 1);
}

TEST(QuestionLabel, NumbersWithALeadingSpace)
{
    EXPECT_EQ(ExerciseScore::questionLabel(3, 12), QStringLiteral("Question 3 / 12 :"));
}

} // namespace
} // namespace vorlane
