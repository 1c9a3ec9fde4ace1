// The test window's flow, taken without widgets over a test database built for
// the test. Drawing uses the test metrics: a line is 240 twips high.

#include "exercisefixture.h"

namespace vorlane::testing {
namespace {

// Chapter 7, four questions, stored out of order (3, 1, 4, 2), after an older
// description row of the same chapter that the last one overrides.
std::vector<ChapterTest> chapterSeven()
{
    return {
        chapterTest(7, "Ancien titre", 9, {}),
        chapterTest(3, "Chapitre trois", 2,
                    {question(1, 3, "masse", {"Trois-un ?¶", "##EXOTX", "¶"}),
                     question(2, 3, "masse", {"Trois-deux ?¶", "##EXOTX", "¶"})}),
        chapterTest(
            7, "Les ondes", 4,
            {
                question(3, 3, "diffusion",
                         {"Nom du phénomène ?¶", "##EXOTX", "¶", "##EXOLI revoir le cours#0012", "¶"},
                         {"C'est la diffusion.¶"}),
                question(
                    1, 2, "01000",
                    {"Une onde transporte :¶", "##EXOOP", " de la matière¶", "##EXOOP", " de l'énergie¶"},
                    {"Elle transporte de l'énergie.¶"}),
                question(4, 3, "electron", {"Particule ?¶", "##EXOTX", "¶", "##EXOVIla vidéo#31", "¶"},
                         {"L'électron.¶"}),
                question(2, 1, "10100", {"Cochez :¶", "##EXOCK", "a¶", "##EXOCK", "b¶", "##EXOCK", "c¶"},
                         {"a et c.¶"}),
            }),
    };
}

class ExerciseFlowTest : public ExerciseFixture {
protected:
    void SetUp() override { writeTests(chapterSeven()); }
};

TEST_F(ExerciseFlowTest, OpensOnQuestionOneWithTheLastMatchingDescription)
{
    state.pendingExercise = 7;
    open();
    EXPECT_EQ(view.title, QStringLiteral("Les ondes"));
    EXPECT_EQ(state.questionCount, 4);
    EXPECT_EQ(state.currentQuestion, 1);
    EXPECT_EQ(view.noa, QStringLiteral("Question 1 / 4 :"));
    EXPECT_FALSE(view.previousVisible);
    EXPECT_TRUE(view.nextVisible);
    EXPECT_TRUE(view.validateVisible);
    EXPECT_FALSE(view.scoreVisible);
    EXPECT_EQ(view.facePlacedOn, std::make_pair(1, 4));
    // Question 1 was found although its row is the second one of the chapter.
    EXPECT_TRUE(printed().startsWith(QStringLiteral("Une onde transporte :")));
    EXPECT_TRUE(controls().option1[0].visible);
    EXPECT_TRUE(controls().option1[1].visible);
    EXPECT_FALSE(controls().option1[2].visible);
    EXPECT_EQ(controls().option1[0].top, 240 + 45);
    EXPECT_EQ(controls().option1[1].top, 480 + 45);
}

TEST_F(ExerciseFlowTest, ACurrentQuestionBeyondTheCountOpensOnQuestionOne)
{
    state.pendingExercise = 7;
    state.currentQuestion = 15; // left by an earlier, longer test
    open();
    EXPECT_EQ(state.currentQuestion, 1);
    state.currentQuestion = 4;
    open();
    EXPECT_EQ(state.currentQuestion, 4);
    EXPECT_FALSE(view.nextVisible);
    EXPECT_TRUE(view.previousVisible);
}

TEST_F(ExerciseFlowTest, WithoutADescriptionTheCountIsKept)
{
    state.pendingExercise = 5;
    state.questionCount = 6;
    open();
    EXPECT_EQ(state.questionCount, 6);
    EXPECT_TRUE(view.title.isEmpty());
}

TEST_F(ExerciseFlowTest, NextAndPreviousFollowTheQuestionNumbersNotTheRows)
{
    state.pendingExercise = 7;
    open();
    flow->next();
    EXPECT_EQ(state.currentQuestion, 2);
    EXPECT_TRUE(printed().contains(QStringLiteral("Cochez :")));
    flow->next();
    flow->next();
    flow->next(); // already on the last question
    EXPECT_EQ(state.currentQuestion, 4);
    flow->previous();
    EXPECT_EQ(state.currentQuestion, 3);
    flow->previous();
    flow->previous();
    flow->previous();
    EXPECT_EQ(state.currentQuestion, 1);
    EXPECT_TRUE(ExerciseFlow::releasedInside(0, 0, 32, 32));
    EXPECT_TRUE(ExerciseFlow::releasedInside(32, 32, 32, 32));
    EXPECT_FALSE(ExerciseFlow::releasedInside(33, 10, 32, 32));
    EXPECT_FALSE(ExerciseFlow::releasedInside(10, -1, 32, 32));
}

TEST_F(ExerciseFlowTest, AStripReleaseOpensThatQuestion)
{
    state.pendingExercise = 7;
    open();
    flow->stripReleased(2100, 4000); // 2.625 + 0.5 -> 3
    EXPECT_EQ(state.currentQuestion, 3);
    EXPECT_EQ(view.noa, QStringLiteral("Question 3 / 4 :"));
}

TEST_F(ExerciseFlowTest, AWrongAnswerShowsTheExplanationTheMarksAndTheAnswerReadOnly)
{
    state.pendingExercise = 7;
    open();
    controls().option1[0].value = true;
    log.clear();
    flow->validate();
    EXPECT_EQ(state.questionStatus[1], -1);
    EXPECT_EQ(state.givenAnswer[1], QStringLiteral("10000"));
    EXPECT_EQ(view.popups, 0);
    EXPECT_EQ(view.face, 1);
    EXPECT_TRUE(view.scoreVisible);
    EXPECT_FALSE(view.validateVisible);
    EXPECT_EQ(view.stripPaints, 1);
    // The question, then directly its explanation.
    EXPECT_EQ(printed(), QStringLiteral("Une onde transporte : de la matière de l'énergieElle transporte de "
                                        "l'énergie."));
    // One mark per visible button, 15 above it at x 60: "faux" beside a
    // button outside the solution, "vrai" beside the right one.
    const QStringList m = marks();
    ASSERT_EQ(m.size(), 2);
    EXPECT_TRUE(m[0].contains(QStringLiteral("\"x\":60,\"y\":270,")) &&
                m[0].contains(QStringLiteral("faux")));
    EXPECT_TRUE(m[1].contains(QStringLiteral("\"x\":60,\"y\":510,")) &&
                m[1].contains(QStringLiteral("vrai")));
    EXPECT_TRUE(controls().option1[0].value);
    EXPECT_FALSE(controls().option1[1].value);
    EXPECT_FALSE(controls().option1[0].enabled);
    EXPECT_FALSE(controls().option1[1].enabled);
    // The score is asked only once every question is answered.
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(ExerciseFlowTest, ARightAnswerShowsThePopupAndMovesToTheNextUnansweredQuestion)
{
    state.pendingExercise = 7;
    state.currentQuestion = 2;
    state.questionCount = 4;
    state.questionStatus[3] = 1;
    open();
    controls().check1[0].value = true;
    controls().check1[2].value = true;
    flow->validate();
    EXPECT_EQ(state.givenAnswer[2], QStringLiteral("10100"));
    EXPECT_EQ(state.questionStatus[2], 1);
    EXPECT_EQ(view.popups, 1);
    EXPECT_EQ(view.face, 7);
    // Question 3 is answered: the next unanswered one is 4.
    EXPECT_EQ(state.currentQuestion, 4);
    EXPECT_TRUE(view.validateVisible);
}

TEST_F(ExerciseFlowTest, AnEmptyTypedAnswerIsWrong)
{
    state.pendingExercise = 7;
    state.currentQuestion = 3;
    open();
    flow->enterInText();
    EXPECT_EQ(state.questionStatus[3], -1);
    EXPECT_EQ(state.givenAnswer[3], QString());
    EXPECT_FALSE(controls().text1.enabled);
    // Enter validates only while the validate button shows.
    flow->enterInText();
    EXPECT_EQ(view.stripPaints, 1);
}

TEST_F(ExerciseFlowTest, WholeTestRightAndWrongLeftByALinkResumedAndFinished)
{
    state.pendingExercise = 7;
    open();
    // Question 1, wrong.
    controls().option1[0].value = true;
    flow->validate();
    // Question 2, right: the popup, then question 3 (the next unanswered).
    flow->next();
    controls().check1[0].value = true;
    controls().check1[2].value = true;
    flow->validate();
    ASSERT_EQ(state.currentQuestion, 3);
    EXPECT_EQ(view.face, 4); // 1 right of 2: 7 x 1 / 2 = 3.5 -> 3 + 1
    // Leave by the course link of question 3.
    EXPECT_EQ(controls().labelTag, QStringLiteral("0012"));
    flow->followLink();
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(state.exerciseReturnPage, 12);
    EXPECT_EQ(state.pendingExercise, 7);

    // Back through the return button: a new window on the same progress.
    view.face = 0;
    open();
    EXPECT_EQ(state.currentQuestion, 3);
    EXPECT_TRUE(view.scoreVisible);
    EXPECT_EQ(state.questionStatus[1], -1);
    EXPECT_EQ(state.questionStatus[2], 1);
    // "." is typed as ",".
    QString typed;
    for (QChar c : QStringLiteral("c'est la Diffusion."))
        typed += ExerciseFlow::typedKey(c);
    EXPECT_EQ(typed, QStringLiteral("c'est la Diffusion,"));
    controls().text1Text = typed;
    flow->enterInText();
    EXPECT_EQ(state.questionStatus[3], 1);
    EXPECT_EQ(state.currentQuestion, 4);
    controls().text1Text = QString::fromUtf8("des électrons");
    flow->validate();
    EXPECT_EQ(state.questionStatus[4], 1);

    // Every question answered: the score comes by itself.
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, QString::fromUtf8("Test terminé"));
    EXPECT_EQ(prompts.asked[0].text, QString::fromUtf8(" 3 / 4 soit 75 % de bonnes réponses."));
    EXPECT_EQ(view.face, 6); // 7 x 3 / 4 = 5.25 -> 5 + 1
    // Nothing left to answer: closing asks nothing and ends the test.
    EXPECT_TRUE(flow->close());
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(state.pendingExercise, 0);
    EXPECT_EQ(state.currentQuestion, 1);
    EXPECT_EQ(state.exerciseReturnPage, 0);
    EXPECT_EQ(state.answeredCount(), 0);
}

TEST_F(ExerciseFlowTest, TheVideoIconLeavesForItsPage)
{
    state.pendingExercise = 7;
    state.currentQuestion = 4;
    open();
    EXPECT_EQ(controls().videoToolTip, QString::fromUtf8("la vidéo"));
    flow->followVideo();
    EXPECT_EQ(state.exerciseReturnPage, 31);
    EXPECT_EQ(view.closes, 1);
}

TEST_F(ExerciseFlowTest, ALinkWhoseTagIsNotANumberReturnsToNoPage)
{
    state.pendingExercise = 7;
    state.exerciseReturnPage = 40;
    open();
    controls().labelTag = QStringLiteral("PA0012");
    flow->followLink();
    EXPECT_EQ(state.exerciseReturnPage, 0);
    EXPECT_EQ(state.pendingExercise, 7);
}

TEST_F(ExerciseFlowTest, AbandonAnsweredNoThenYes)
{
    state.pendingExercise = 7;
    open();
    controls().option1[1].value = true;
    flow->validate();
    prompts.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(flow->close());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Voulez-vous vraiment abandonner le test?"));
    EXPECT_EQ(prompts.asked[0].title, QStringLiteral("Fermer"));
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(prompts.asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(view.closes, 0);
    EXPECT_EQ(state.pendingExercise, 7);
    EXPECT_EQ(state.currentQuestion, 2);
    EXPECT_TRUE(flow->close());
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(state.pendingExercise, 0);
    EXPECT_EQ(state.questionStatus[1], 0);
}

TEST_F(ExerciseFlowTest, ScoreBeforeAnyAnswer)
{
    state.pendingExercise = 7;
    open();
    flow->showScore();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, QStringLiteral("Test"));
}

TEST_F(ExerciseFlowTest, TheCalculatorReturnsToTheSameQuestion)
{
    state.pendingExercise = 7;
    state.currentQuestion = 2;
    open();
    log.clear();
    flow->calculator();
    EXPECT_EQ(view.calculators, 1);
    EXPECT_TRUE(printed().startsWith(QStringLiteral("Cochez :")));
}

struct NextCase {
    const char *name;
    int count;
    int current;
    std::vector<int> statuses; // questions 1..count
    int expected;
    bool moved;
};
void PrintTo(const NextCase &c, std::ostream *os)
{
    *os << c.name;
}

class Prochainval : public ExerciseFixture, public ::testing::WithParamInterface<NextCase> {};

TEST_P(Prochainval, FindsTheNextUnansweredQuestion)
{
    const NextCase &c = GetParam();
    std::vector<TestQuestion> qs;
    for (int q = 1; q <= c.count; ++q)
        qs.push_back(question(q, 3, "x", {"Q¶"}));
    writeTests({chapterTest(2, "T", c.count, qs)});
    state.pendingExercise = 2;
    state.currentQuestion = std::int16_t(c.current);
    for (std::size_t i = 0; i < c.statuses.size(); ++i)
        state.questionStatus[i + 1] = std::int16_t(c.statuses[i]);
    open();
    EXPECT_EQ(flow->prochainval(), c.moved);
    EXPECT_EQ(state.currentQuestion, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Prochainval,
                         ::testing::Values(NextCase{"forward", 5, 2, {1, 1, 1, 0, 0}, 4, true},
                                           NextCase{"wraps_to_the_lowest", 5, 3, {0, 1, 1, 1, 1}, 1, true},
                                           NextCase{"wraps_past_the_current", 5, 4, {1, 0, 1, 0, 1}, 2, true},
                                           NextCase{"none_left", 3, 2, {1, -1, 1}, 2, false},
                                           NextCase{"only_the_current", 3, 2, {1, 0, -1}, 2, false},
                                           NextCase{"from_the_last", 4, 4, {1, 0, 0, 1}, 2, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ExerciseFixture, AOneQuestionTestShowsNeitherButtonAndOtherTypesAreWrong)
{
    writeTests({chapterTest(4, "Seul", 1, {question(1, 9, "x", {"Q¶"})})});
    state.pendingExercise = 4;
    open();
    EXPECT_FALSE(view.previousVisible);
    EXPECT_FALSE(view.nextVisible);
    flow->validate();
    EXPECT_EQ(state.questionStatus[1], -1);
    EXPECT_EQ(view.popups, 0);
    ASSERT_EQ(prompts.asked.size(), 1); // the last question: the score
    EXPECT_EQ(prompts.asked[0].text, QString::fromUtf8(" 0 / 1 soit 0 % de bonnes réponses."));
}

TEST_F(ExerciseFixture, AStripWithoutQuestionsCountsTwo)
{
    writeTests({});
    open();
    EXPECT_EQ(flow->stripCount(), 2);
    EXPECT_EQ(state.questionCount, 2);
}

} // namespace
} // namespace vorlane::testing
