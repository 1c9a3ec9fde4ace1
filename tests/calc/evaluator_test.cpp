#include "core/calc/expressionevaluator.h"
#include "testsupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace vorlane;

namespace {

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

// ---------------------------------------------------------------------------
// Whole evaluations. Results are the texts returned, worked out from the rules:
// 15 significant digits at every step, no digit before the point below 1.

struct EvalCase {
    const char *expression;
    AngleMode mode;
    EvalError error;
    const char *result; // checked only on success
};

// The angle mode is part of the name: the same expression is tried in both modes.
void PrintTo(const EvalCase &c, std::ostream *os)
{
    *os << '"' << c.expression << '"' << (c.mode == AngleMode::Radians ? " rad" : "");
}

class EvaluateExpressionTest : public ::testing::TestWithParam<EvalCase> {};

TEST_P(EvaluateExpressionTest, GivesTheResultOrTheErrorCode)
{
    const EvalCase c = GetParam();
    QString text = u8(c.expression);
    const EvalError error = EvaluateExpression(text, c.mode);
    EXPECT_EQ(int(error), int(c.error)) << c.expression << " left " << text.toStdString();
    if (c.error == EvalError::None) {
        EXPECT_EQ(text, u8(c.result)) << c.expression;
    }
}

constexpr AngleMode Deg = AngleMode::Degrees;
constexpr AngleMode Rad = AngleMode::Radians;
constexpr EvalError Ok = EvalError::None;
constexpr EvalError E1 = EvalError::Impossible;
constexpr EvalError E2 = EvalError::Parentheses;
constexpr EvalError E3 = EvalError::Operators;

INSTANTIATE_TEST_SUITE_P(
    Operators, EvaluateExpressionTest,
    ::testing::Values(EvalCase{"2+3*4", Deg, Ok, "14"}, EvalCase{"2^3^2", Deg, Ok, "64"}, // left to right
                      EvalCase{"-3^2", Deg, Ok, "9"},    // the sign belongs to the number
                      EvalCase{"10/4/5", Deg, Ok, ".5"}, // leading zero dropped
                      EvalCase{"5-3-1", Deg, Ok, "1"},   // leftmost first
                      EvalCase{"10/4*2", Deg, Ok, "5"},
                      // "/" before "*": 1/3 becomes .333333333333333, and three times that text is
                      // .999999999999999 (a tree evaluator would give 1).
                      EvalCase{"1/3*3", Deg, Ok, ".999999999999999"}, EvalCase{"2-3+4", Deg, Ok, "3"},
                      EvalCase{"1+2-3+4", Deg, Ok, "4"}, EvalCase{"2*-3", Deg, Ok, "-6"},
                      EvalCase{"2^-1", Deg, Ok, ".5"}, EvalCase{"9^.5", Deg, Ok, "3"},
                      EvalCase{"0^0", Deg, Ok, "1"}, EvalCase{"5--3", Deg, Ok, "8"}, // the pair becomes "+"
                      EvalCase{"5+-3", Deg, Ok, "2"}, EvalCase{"5-+3", Deg, Ok, "2"},
                      EvalCase{"+5", Deg, Ok, "5"},
                      EvalCase{"1E+3+2", Deg, Ok, "1002"}, // the exponent sign is no operator
                      EvalCase{"2E-3*1000", Deg, Ok, "2"},
                      EvalCase{"2D2+1", Deg, Ok, "201"}, // D introduces an exponent too
                      EvalCase{"1E15*1", Deg, Ok, "1E+15"},
                      EvalCase{"123456789012345678", Deg, Ok, "123456789012345678"}, // no operation: as typed
                      EvalCase{"123456789012345678*1", Deg, Ok, "1.23456789012346E+17"},
                      EvalCase{"1/8000", Deg, Ok, ".000125"}, // exponent -4: still plain
                      EvalCase{"1/80000", Deg, Ok, "1.25E-05"}, EvalCase{"1/2000", Deg, Ok, ".0005"},
                      EvalCase{"1E-200*1E-200", Deg, Ok, "0"}, // underflow is no failure
                      EvalCase{"2 3", Deg, Ok, "23"},          // spaces vanish before anything else
                      EvalCase{"", Deg, Ok, ""}, EvalCase{"   ", Deg, Ok, ""},
                      EvalCase{"abc", Deg, Ok, "ABC"}, // a word survives as the result
                      EvalCase{"E", Deg, Ok, "E"}));

INSTANTIATE_TEST_SUITE_P(
    Parentheses, EvaluateExpressionTest,
    ::testing::Values(EvalCase{"2*(3+4)", Deg, Ok, "14"}, EvalCase{"((5))", Deg, Ok, "5"},
                      EvalCase{"(-5)", Deg, Ok, "-5"}, EvalCase{"-(-(-3))", Deg, Ok, "-3"},
                      EvalCase{"5-(-3)", Deg, Ok, "8"}, EvalCase{"2-(3-(4-5))", Deg, Ok, "-2"},
                      EvalCase{"(2+3)*(4-1)", Deg, Ok, "15"}, EvalCase{"2^(1+1)", Deg, Ok, "4"},
                      EvalCase{"(0-1)^2", Deg, Ok, "1"},
                      EvalCase{"(1E+3)", Deg, Ok, "1E+3"}, // not a plain number: reduced, kept as text
                      EvalCase{"()", Deg, Ok, ""},
                      // A value next to a group is written next to it: the digits join, as in "2 3".
                      EvalCase{"2(3+4)", Deg, Ok, "27"}));

INSTANTIATE_TEST_SUITE_P(
    Functions, EvaluateExpressionTest,
    ::testing::Values(EvalCase{"cos 60", Deg, Ok, ".5"},
                      EvalCase{"cos 90", Deg, Ok, "6.12323399573677E-17"}, // not 0
                      EvalCase{"COS60", Deg, Ok, ".5"}, EvalCase{"cos(60)", Deg, Ok, ".5"},
                      EvalCase{"cos(30+30)", Deg, Ok, ".5"}, EvalCase{"sin(30)+cos(60)", Deg, Ok, "1"},
                      EvalCase{"(cos 60)*2", Deg, Ok, "1"}, EvalCase{"2*cos 60", Deg, Ok, "1"},
                      EvalCase{"cos 0", Rad, Ok, "1"}, EvalCase{"cos 1", Rad, Ok, ".54030230586814"},
                      EvalCase{"sin 1", Rad, Ok, ".841470984807897"},
                      EvalCase{"cos sin 30", Deg, Ok, ".999961923064171"}, // cos of 0.5 degree
                      EvalCase{"ln(2+3)", Deg, Ok, "1.6094379124341"}, EvalCase{"ln 1", Deg, Ok, "0"},
                      EvalCase{"log 1000", Deg, Ok, "3"}, EvalCase{"exp 1", Deg, Ok, "2.71828182845905"},
                      EvalCase{"exp -1000", Deg, Ok, "0"}, // underflow
                      EvalCase{"SQR 4^2", Deg, Ok, "4"},   // a function takes the number right after it
                      EvalCase{"SQR(16)", Deg, Ok, "4"}, EvalCase{"SQR SQR 16", Deg, Ok, "2"},
                      EvalCase{"SQR SQR SQR 256+SQR 9", Deg, Ok, "5"},
                      EvalCase{"sqr 2", Deg, Ok, "1.4142135623731"}, EvalCase{"invSIN 1", Deg, Ok, "90"},
                      EvalCase{"invSIN -1", Deg, Ok, "-90"}, EvalCase{"invSIN .5", Deg, Ok, "30"},
                      EvalCase{"invCOS 0", Deg, Ok, "90"}, EvalCase{"invCOS 1", Deg, Ok, "0"},
                      EvalCase{"invTAN 1", Deg, Ok, "45"}, EvalCase{"invTAN 1", Rad, Ok, ".785398163397448"},
                      EvalCase{"invSIN 1", Rad, Ok, "1.5707963267949"}));

INSTANTIATE_TEST_SUITE_P(
    Errors, EvaluateExpressionTest,
    ::testing::Values(
        EvalCase{"(2", Deg, E2, ""}, // unclosed parenthesis
        EvalCase{"2)", Deg, E2, ""}, EvalCase{"((2)", Deg, E2, ""},
        EvalCase{"(2*", Deg, E2, ""},                               // 2 replaces 3
        EvalCase{"2*/3", Deg, E3, ""}, EvalCase{"2*", Deg, E3, ""}, // "*", "/", "^" without right operand
        EvalCase{"2/", Deg, E3, ""}, EvalCase{"2^", Deg, E3, ""}, EvalCase{"2^*3", Deg, E3, ""},
        EvalCase{"2+", Deg, E1, ""}, // "+" and "-": the operand search fails
        EvalCase{"2-", Deg, E1, ""}, EvalCase{"(2+)", Deg, E1, ""},
        EvalCase{"*5", Deg, E1, ""},  // a leading binary operator: 100 cycles
        EvalCase{"cos", Deg, E1, ""}, // an argument that never becomes a number
        EvalCase{"2+cos", Deg, E1, ""}, EvalCase{")(", Deg, E1, ""}, // a ")" before its "(": never reducible
        EvalCase{"(2))+((3)", Deg, E1, ""}, EvalCase{"1/0", Deg, E1, ""}, EvalCase{"0/0", Deg, E1, ""},
        EvalCase{"SQR -4", Deg, E1, ""}, EvalCase{"SQR(0-4)", Deg, E1, ""}, EvalCase{"ln 0", Deg, E1, ""},
        EvalCase{"ln -1", Deg, E1, ""}, EvalCase{"log 0", Deg, E1, ""}, EvalCase{"invSIN 2", Deg, E1, ""},
        EvalCase{"invCOS -1.5", Deg, E1, ""},
        EvalCase{"(0-8)^(1/3)", Deg, E1, ""}, // negative base, fractional exponent
        EvalCase{"0^-1", Deg, E1, ""}, EvalCase{"1E308*10", Deg, E1, ""}, // overflow
        EvalCase{"exp 710", Deg, E1, ""},
        EvalCase{"1E999+1", Deg, E1, ""}, // an operand beyond the double range
        EvalCase{"2 3 +", Deg, E1, ""}));

// ---------------------------------------------------------------------------
// The steps, one by one.

struct TextCase {
    const char *in;
    const char *out;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << '"' << c.in << '"';
}

class SpaceExpressionTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(SpaceExpressionTest, PutsTheTextInSpacedForm)
{
    QString text = u8(GetParam().in);
    SpaceExpression(text);
    EXPECT_EQ(text, u8(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpaceExpressionTest,
    ::testing::Values(TextCase{"", "  "}, TextCase{"2+3*4", " 2 + 3 * 4 "}, TextCase{"2 + 3", " 2 + 3 "},
                      TextCase{"+5", " 5 "}, TextCase{"-5", " -5 "}, TextCase{"2*-3", " 2 * -3 "},
                      TextCase{"3--2", " 3 - -2 "}, // a "-" after a space starts a number
                      TextCase{"(-3)", " (-3) "}, TextCase{"1E+3+2", " 1E+3 + 2 "},
                      TextCase{"2D-3-1", " 2D-3 - 1 "}, TextCase{"2^", " 2 ^  "}, TextCase{"5-", " 5 -  "},
                      TextCase{"cos60", " COS 60 "}, TextCase{"sqr4", " SQR 4 "},
                      TextCase{"ln(2)", " LON (2) "}, TextCase{"LON5", " LON 5 "},
                      TextCase{"invcos.5", " ICO .5 "}, TextCase{"INVSIN1", " ISI 1 "},
                      TextCase{"invTAN-1", " ITA -1 "}, TextCase{"cos-3", " COS -3 "},
                      TextCase{"INV", " I  "},
                      // INV and three characters become I and two of them, which are
                      // scanned again: here LN becomes LON.
                      TextCase{"INVLNX", " ILON   "}, TextCase{"a b", " AB "}));

class NormaliseExpressionTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NormaliseExpressionTest, FoldsSignsAndPlainParentheses)
{
    QString text = u8(GetParam().in);
    NormaliseExpression(text);
    EXPECT_EQ(text, u8(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NormaliseExpressionTest,
    ::testing::Values(TextCase{"5--3", " 5 + 3 "}, TextCase{"5+-3", " 5 - 3 "}, TextCase{"5-+3", " 5 - 3 "},
                      TextCase{"5++3", " 5 + 3 "}, TextCase{"---3", " -3 "}, TextCase{"----3", " 3 "},
                      TextCase{"+5", " 5 "}, TextCase{"((5))", " 5 "}, TextCase{"(-5)", " -5 "},
                      TextCase{"(+5)", " 5 "}, TextCase{"2 - ( - 3 )", " 2 + 3 "},
                      TextCase{"(1E+3)", " (1E+3) "}, TextCase{"()", " () "}, TextCase{"(.)", " . "},
                      TextCase{"(5)(6)", " 56 "}, TextCase{"(5-)", " (5 - ) "},
                      TextCase{"cos 60", " COS 60 "}, TextCase{"((((((((7))))))))", " 7 "}));

TEST(CountTokens, CountsParenthesesCodesAndSpacedOperators)
{
    EvalState state;
    CountTokens(QStringLiteral(" 2 + COS (3 - 4) * ISI 1 "), state);
    EXPECT_EQ(state.openParenCount, 1);
    EXPECT_EQ(state.functionCount, 2);
    EXPECT_EQ(state.operatorCount, 3);
    EXPECT_EQ(int(state.error), 0);

    // Every position counts: " - - " holds two overlapping operators.
    CountTokens(QStringLiteral(" - - (( "), state);
    EXPECT_EQ(state.operatorCount, 2);
    EXPECT_EQ(state.openParenCount, 2);
    EXPECT_EQ(state.functionCount, 0);
}

TEST(CountTokens, ACountBeyondSixteenBitsMakesTheEvaluationImpossible)
{
    EvalState state;
    CountTokens(QString(32767, u'('), state);
    EXPECT_EQ(int(state.error), 0);
    EXPECT_EQ(state.openParenCount, 32767);
    CountTokens(QString(32768, u'('), state);
    EXPECT_EQ(state.error, EvalError::Impossible);
}

TEST(EvaluateExpression, LongTextsUpToTheSixteenBitLimit)
{
    // Deep nesting is unwrapped without one pass per level.
    QString text = QString(10000, u'(') + u'5' + QString(10000, u')');
    EXPECT_EQ(EvaluateExpression(text, AngleMode::Degrees), EvalError::None);
    EXPECT_EQ(text, QStringLiteral("5"));

    text = QString(32000, u'1');
    EXPECT_EQ(EvaluateExpression(text, AngleMode::Degrees), EvalError::None);
    EXPECT_EQ(text, QString(32000, u'1'));

    // Positions are 16-bit: a longer text cannot be evaluated.
    text = QString(32768, u'1');
    EXPECT_EQ(EvaluateExpression(text, AngleMode::Degrees), EvalError::Impossible);
    text = QStringLiteral("1+").repeated(11000) + u'1'; // 66,000 characters once spaced
    EXPECT_EQ(EvaluateExpression(text, AngleMode::Degrees), EvalError::Impossible);
}

// Long inputs whose values are known from their arithmetic: each step rewrites only a
// small part of a long text, so these check that the rest of the text is left as it
// would be had the whole text been rewritten (the recorded evaluations are all short).
TEST(EvaluateExpression, LongInputsGiveTheValuesOfTheirArithmetic)
{
    const struct {
        QString expression;
        QString result;
    } cases[] = {
        // (1+(1+( ... 1))): the innermost group first, 5,000 levels.
        {QStringLiteral("(1+").repeated(5000) + u'1' + QString(5000, u')'), QStringLiteral("5001")},
        // (((1+1)+1)+1)...: the first group is the innermost one.
        {QString(5000, u'(') + u'1' + QStringLiteral("+1)").repeated(5000), QStringLiteral("5001")},
        // -1-(-1-( ... 0)): every other value is -1, whose sign folds with the "-" before it.
        {QStringLiteral("-1-(").repeated(4000) + u'0' + QString(4000, u')'), QStringLiteral("0")},
        {QStringLiteral("-1-(").repeated(3999) + u'0' + QString(3999, u')'), QStringLiteral("-1")},
        // (1*(1^(1*( ... 0)))): groups that hold other operators.
        {QStringLiteral("(1*(1^").repeated(2000) + u'0' + QString(4000, u')'), QStringLiteral("1")},
        // ((5)) around each group's value are dropped as the groups are reduced.
        {QStringLiteral("((((1+2))))+").repeated(2000) + u'0', QStringLiteral("6000")},
        // Values written side by side make one number.
        {QStringLiteral("(1+1)(2+2)").repeated(1000), QStringLiteral("24").repeated(1000)},
        // Operator chains, applied from the left.
        {QStringLiteral("1+").repeated(8000) + u'1', QStringLiteral("8001")},
        {QStringLiteral("1 - ").repeated(8000) + u'1', QStringLiteral("-7999")},
        {QStringLiteral("1^").repeated(8000) + u'2', QStringLiteral("1")},
        {QStringLiteral("2/2*").repeated(3000) + u'1', QStringLiteral("1")},
        // Groups whose values are texts: each value is the text inside it, without its
        // parentheses, however deep.
        {QStringLiteral("(1E").repeated(6000) + u'1' + QString(6000, u')'),
         QStringLiteral("1E").repeated(6000) + u'1'},
        {QStringLiteral("(-1E").repeated(6000) + u'1' + QString(6000, u')'),
         QStringLiteral("-1E").repeated(6000) + u'1'},
        {QString(6000, u'(') + u'1' + QStringLiteral("E1)").repeated(6000),
         u'1' + QStringLiteral("E1").repeated(6000)},
        {QStringLiteral("(a").repeated(6000) + u'1' + QString(6000, u')'), QString(6000, u'A') + u'1'},
        {QStringLiteral("(2E1)(1E").repeated(3000) + u'1' + QString(3000, u')'),
         QStringLiteral("2E11E").repeated(3000) + u'1'},
        {QStringLiteral("(\u00e9#").repeated(6000) + u'1' + QString(6000, u')'),
         QStringLiteral("\u00c9#").repeated(6000) + u'1'},
    };
    for (const auto &c : cases) {
        QString text = c.expression;
        EXPECT_EQ(EvaluateExpression(text, AngleMode::Degrees), EvalError::None)
            << c.expression.left(40).toStdString();
        EXPECT_EQ(text, c.result) << c.expression.left(40).toStdString();
    }
}

TEST(CheckExpression, FindsDanglingOperatorsAndUnbalancedParentheses)
{
    const std::pair<const char *, EvalError> cases[] = {
        {" 2 *  / 3 ", EvalError::Operators}, {" 2 *  ", EvalError::Operators},
        {" 2 ^  ", EvalError::Operators},     {" 2 +  ", EvalError::None},
        {" (2 *  ", EvalError::Parentheses},  {" )( ", EvalError::None},
        {" 2 ^ 3 ", EvalError::None},         {" ((2) ", EvalError::Parentheses},
    };
    for (const auto &[text, expected] : cases) {
        EvalState state;
        CheckExpression(QString::fromUtf8(text), state);
        EXPECT_EQ(int(state.error), int(expected)) << text;
    }
}

TEST(ApplyFunctions, ReplacesCodesWhoseArgumentIsANumber)
{
    EvalState state;
    QString text = QStringLiteral(" COS SIN 30 ");
    CountTokens(text, state);
    ASSERT_EQ(state.functionCount, 2);
    ApplyFunctions(text, state);
    EXPECT_EQ(text, QStringLiteral(" .999961923064171 "));
    EXPECT_EQ(state.functionCount, 0);

    // A code before a parenthesis waits; the other one is applied.
    text = QStringLiteral(" SQR (4 + 5) + SQR 9 ");
    CountTokens(text, state);
    ApplyFunctions(text, state);
    EXPECT_EQ(text, QStringLiteral(" SQR (4 + 5) + 3 "));
    EXPECT_EQ(state.functionCount, 1);
    EXPECT_EQ(int(state.error), 0);
}

TEST(ApplyFunctions, RadiansModeTakesTheArgumentAsIs)
{
    EvalState state;
    state.angleMode = AngleMode::Radians;
    QString text = QStringLiteral(" SIN 0 ");
    CountTokens(text, state);
    ApplyFunctions(text, state);
    EXPECT_EQ(text, QStringLiteral(" 0 "));
}

TEST(ReduceParentheses, ReducesGroupsWithoutFunctions)
{
    EvalState state;
    QString text = QStringLiteral(" 2 * (3 + 4) ");
    CountTokens(text, state);
    ReduceParentheses(text, state);
    EXPECT_EQ(text, QStringLiteral(" 2 * 7 "));
    EXPECT_EQ(state.openParenCount, 0);

    text = QStringLiteral(" (COS 60) ");
    CountTokens(text, state);
    ReduceParentheses(text, state);
    EXPECT_EQ(text, QStringLiteral(" (COS 60) ")); // functions go first
    EXPECT_EQ(state.openParenCount, 1);
    EXPECT_EQ(int(state.error), 0);
}

// ReduceParentheses as its comment says it works, one group after another: the last "("
// and the ")" after it, the group's value by NormaliseExpression and ApplyOperators, and
// the whole text normalised again after each group.
void reduceGroupByGroup(QString &text, EvalState &state)
{
    while (state.openParenCount > 0) {
        const qsizetype open = text.lastIndexOf(u'(');
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u')', open + 1);
        if (close < 0) {
            state.error = EvalError::Impossible;
            break;
        }
        QString inner = text.mid(open + 1, close - open - 1);
        if (std::any_of(inner.cbegin(), inner.cend(), [](QChar c) { return c >= u'F' && c <= u'Y'; }))
            break;
        NormaliseExpression(inner);
        ApplyOperators(inner, state);
        if (state.error != EvalError::None)
            break;
        text.replace(open, close - open + 1, inner);
        --state.openParenCount;
        NormaliseExpression(text);
    }
}

// Random nests of groups made of `pieces`, up to 7 levels, with values side by side.
QString nestedGroups(std::mt19937 &rng, const std::vector<QString> &pieces, int depth = 0)
{
    QString text;
    const int count = int(rng() % 5);
    for (int k = 0; k < count; ++k) {
        if (rng() % 3 == 0 && depth < 7)
            text += u'(' + nestedGroups(rng, pieces, depth + 1) + u')';
        else
            text += pieces[rng() % pieces.size()];
    }
    return text;
}

// Groups whose values are texts rather than numbers ("1E1E1", "A1") are reduced without
// copying them; the texts they leave must be those of the reduction group by group,
// whatever stands beside each group: signs, exponents, letters that make a code with
// the value's first or last letter, operators, codes, other groups.
TEST(ReduceParentheses, GroupsWithTextValuesReduceAsGroupByGroup)
{
    const struct {
        const char *name;
        std::vector<const char *> pieces;
    } families[] = {
        {"exponents", {"1", "2", ".", "E", "D", "E-", "E+", "-", "1E1", "-1E"}},
        {"letters", {"1", "A", "B", "C", "Z", "E", "D", "IT", "OS", "XP", "I", "T"}},
        {"signs and operators", {"1E", "1", "-", "+", "--", " * ", " / ", " ^ ", "*", " + ", " - "}},
        {"codes and rewrites", {"1E", "A", "1", "SIN ", "cos", "INV", "LN", "IN", "V", "(5)", "(-5)"}},
        {"other characters", {"1E", "#", ",", "\u00e9", "\u00df", "\u0394", "\U00010428", "1", "-", " "}},
        {"everything",
         {"1", "E", "E-", "-", "+", "A", "C", "IT", "OS", "XP", "\u00e9", "#", " * ", " + ", "SIN ", "INV",
          ")", "("}},
    };
    for (const auto &family : families) {
        std::vector<QString> pieces;
        for (const char *piece : family.pieces)
            pieces.push_back(u8(piece));
        std::mt19937 rng(20261209u);
        int reduced = 0;
        for (int n = 0; n < 3000; ++n) {
            QString text = nestedGroups(rng, pieces);
            NormaliseExpression(text);
            EvalState state;
            CountTokens(text, state);
            QString expected = text;
            EvalState expectedState = state;
            reduceGroupByGroup(expected, expectedState);
            ReduceParentheses(text, state);
            ASSERT_EQ(text, expected) << family.name << ": " << qPrintable(expected);
            ASSERT_EQ(int(state.error), int(expectedState.error)) << family.name << ": " << qPrintable(text);
            ASSERT_EQ(state.openParenCount, expectedState.openParenCount)
                << family.name << ": " << qPrintable(text);
            reduced += state.openParenCount == 0 && state.error == EvalError::None;
        }
        // Most nests are reduced to the end, not stopped at their first group.
        EXPECT_GT(reduced, 1000) << family.name;
    }
}

// A text value between what stands before its "(" and after its ")": the group at the
// end is reduced first, so that the one beside it is reduced in a text already normalised.
TEST(ReduceParentheses, TextValuesBesideSignsLettersAndOperators)
{
    const char *const cases[] = {
        "IT(A1)(2E2)",   "I(A1)(2E2)",     "T(A1)(2E2)",      "(1C)OS 5(2E2)",    "(1E)XP 5(2E2)",
        "(1C)A(2E2)",    "(1E)+5(2E2)",    "(1E)-5(2E2)",     "(1D)-5(2E2)",      "(1A)-5(2E2)",
        "(1E-)5(2E2)",   "2(-1E1)(2E2)",   "2-(-1E1)(2E2)",   "2+(-1E1)(2E2)",    "2*(-1E1)(2E2)",
        "2^(-1E1)(2E2)", "1E(-1E1)(2E2)",  "1D(-1E1)(2E2)",   "A(-1E1)(2E2)",     "SIN (-1E1)(2E2)",
        "(-1E1)(2E2)",   "((-1E1))(2E2)",  "(1E1)5(2E2)",     "5(1E1)(2E2)",      "((1E1)5)(2E2)",
        "(5(1E1))(2E2)", "(1E1)(-5)(2E2)", "(1E1)(1E1)(2E2)", "(1E1)-(1E1)(2E2)", "(E)(2E2)",
        "(1E1)INV(2E2)", "INV(1E1)(2E2)",  "IN(VE1)(2E2)",    "L(1E1)N(2E2)",     "(\u00e9)(2E2)",
    };
    for (const char *c : cases) {
        QString text = u8(c);
        NormaliseExpression(text);
        EvalState state;
        CountTokens(text, state);
        QString expected = text;
        EvalState expectedState = state;
        reduceGroupByGroup(expected, expectedState);
        ReduceParentheses(text, state);
        EXPECT_EQ(text, expected) << c;
        EXPECT_EQ(int(state.error), int(expectedState.error)) << c;
        EXPECT_EQ(state.openParenCount, expectedState.openParenCount) << c;
    }
}

TEST(ApplyOperators, AppliesInTheOrderPowerDivideTimesMinusPlus)
{
    EvalState state;
    QString text = QStringLiteral(" 8 - 2 * 3 + 2 ^ 2 / 2 ");
    CountTokens(text, state);
    ApplyOperators(text, state);
    // 2^2 = 4; 4/2 = 2; 2*3 = 6; 8-6 = 2; 2+2 = 4
    EXPECT_EQ(text, QStringLiteral(" 4 "));
    EXPECT_EQ(state.operatorCount, 0);
}

TEST(ApplyOperators, StopsWhenTheOperatorCountRunsOut)
{
    EvalState state;
    state.operatorCount = 1;
    QString text = QStringLiteral(" 1 + 2 + 3 ");
    ApplyOperators(text, state);
    EXPECT_EQ(text, QStringLiteral(" 3 + 3 "));
}

TEST(EvalErrorMessage, FrenchTextsOfTheCodes)
{
    EXPECT_EQ(EvalErrorMessage(EvalError::None), QString());
    EXPECT_EQ(EvalErrorMessage(EvalError::Impossible), QStringLiteral("Calcul impossible"));
    EXPECT_EQ(EvalErrorMessage(EvalError::Parentheses), u8("Erreur saisie: revoir les parenthèses"));
    EXPECT_EQ(EvalErrorMessage(EvalError::Operators),
              u8("Erreur saisie: incompréhension sur opérateurs: ^ * / + -"));
}

} // namespace
