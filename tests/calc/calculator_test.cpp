#include "core/calc/calculator.h"
#include "core/calc/calculatormemory.h"
#include "testsupport.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>

using namespace vorlane;
using K = CalculatorKey;

namespace {

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

class CalculatorTest : public ::testing::Test {
protected:
    void press(std::initializer_list<K> keys)
    {
        for (K k : keys)
            calc.press(k);
    }
    // Types an expression as the keyboard would.
    void type(const char *text)
    {
        for (const QChar c : QString::fromUtf8(text)) {
            const auto key = CalculatorKeyForCharacter(c);
            ASSERT_TRUE(key.has_value()) << text;
            calc.press(*key);
        }
    }

    CalculatorMemory session;
    Calculator calc{session};
};

TEST_F(CalculatorTest, StartsEmptyInDegreesAndStandard)
{
    EXPECT_EQ(calc.expression(), QString());
    EXPECT_EQ(calc.display(), QString());
    EXPECT_EQ(calc.lastAnswer(), QString());
    EXPECT_EQ(int(calc.lastError()), 0);
    EXPECT_FALSE(calc.radians());
    EXPECT_FALSE(calc.scientific());
}

TEST_F(CalculatorTest, ExeOnAnEmptyExpressionShowsSpaceZero)
{
    const KeyEffect effect = calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" 0"));
    EXPECT_EQ(calc.lastAnswer(), QStringLiteral(" 0"));
    EXPECT_FALSE(effect.beep);
}

TEST_F(CalculatorTest, OneQuarterInBothFormats)
{
    press({K::B1, K::div, K::B4});
    EXPECT_EQ(calc.expression(), QStringLiteral("1 / 4"));
    EXPECT_EQ(calc.display(), QStringLiteral("1 / 4"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" .25"));
    EXPECT_EQ(calc.expression(), QString());

    calc.setScientific(true);
    press({K::B1, K::div, K::B4, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral("2.5E-01"));
}

TEST_F(CalculatorTest, ScientificAlwaysShowsThePoint)
{
    calc.setScientific(true);
    press({K::B1, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral("1.E+00"));
}

TEST_F(CalculatorTest, NegativeResultHasNoLeadingSpace)
{
    type("2-5");
    EXPECT_EQ(calc.expression(), QStringLiteral("2 - 5"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral("-3"));
}

TEST_F(CalculatorTest, AnOperatorAfterAResultContinuesFromIt)
{
    type("1/4");
    calc.press(K::EXE);
    press({K::multip, K::B2});
    EXPECT_EQ(calc.expression(), QStringLiteral(".25 * 2"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" .5"));

    press({K::puissance, K::B3, K::EXE}); // .5 ^ 3
    EXPECT_EQ(calc.display(), QStringLiteral(" .125"));
    press({K::B3, K::EXE, K::btcarre});
    EXPECT_EQ(calc.expression(), QStringLiteral("3 ^ 2"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" 9"));
    press({K::plus, K::B1, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral(" 10"));
    press({K::div, K::B4, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral(" 2.5"));
}

TEST_F(CalculatorTest, AfterAFailureTheExpressionComesBack)
{
    type("2/0");
    const KeyEffect effect = calc.press(K::EXE);
    EXPECT_TRUE(effect.beep);
    EXPECT_EQ(calc.display(), QStringLiteral("Calcul impossible"));
    EXPECT_EQ(calc.lastError(), EvalError::Impossible);
    EXPECT_EQ(calc.expression(), QStringLiteral("2 / 0"));
    calc.press(K::multip);
    EXPECT_EQ(calc.expression(), QStringLiteral("2 / 0 * "));
    EXPECT_EQ(calc.display(), QStringLiteral("2 / 0 * "));
    // ANS after a failure appends nothing.
    calc.press(K::ANS);
    EXPECT_EQ(calc.expression(), QStringLiteral("2 / 0 * "));
}

TEST_F(CalculatorTest, ErrorMessagesOfTheCodes)
{
    calc.setExpression(QStringLiteral("(2"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), u8("Erreur saisie: revoir les parenthèses"));
    calc.press(K::RAZ);
    type("2*/3");
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), u8("Erreur saisie: incompréhension sur opérateurs: ^ * / + -"));
    EXPECT_EQ(calc.lastAnswer(), calc.display());
}

TEST_F(CalculatorTest, ImplicitMultiplicationBeforeAnOperand)
{
    press({K::B2, K::Bcos});
    EXPECT_EQ(calc.expression(), QStringLiteral("2 * cos "));
    calc.press(K::RAZ);
    press({K::Bpo, K::Bcos});
    EXPECT_EQ(calc.expression(), QStringLiteral("(cos "));
    calc.press(K::RAZ);
    press({K::moins, K::bsin});
    EXPECT_EQ(calc.expression(), QStringLiteral("-sin "));
    calc.press(K::RAZ);
    press({K::B2, K::Bpo, K::B1, K::plus, K::B2, K::bpf, K::pi});
    EXPECT_EQ(calc.expression(), QStringLiteral("2 * (1 + 2) * 3.14159265358979"));
    calc.press(K::RAZ);
    press({K::B2, K::command5, K::B4});
    EXPECT_EQ(calc.expression(), QStringLiteral("2 * 1 / 4"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" .5"));
}

TEST_F(CalculatorTest, UnitPrefixesAreExponents)
{
    press({K::B2, K::kilo, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral(" 2000"));
    press({K::B5, K::micro, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral(" 5E-06"));
    press({K::B5, K::mil, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral(" .005"));
    press({K::B3, K::tera, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral(" 3000000000000"));
    press({K::B1, K::pico, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral(" 1E-12"));
}

TEST_F(CalculatorTest, OperatorsNeedSomethingOnTheDisplay)
{
    // At load the display is empty: times, divide and plus do nothing.
    press({K::multip, K::div, K::plus});
    EXPECT_EQ(calc.expression(), QString());
    EXPECT_EQ(calc.display(), QString());
}

TEST_F(CalculatorTest, PlusAfterTheExponentLetterIsItsSign)
{
    press({K::B2, K::BtoEXP, K::plus, K::B3});
    EXPECT_EQ(calc.expression(), QStringLiteral("2E+3"));
    press({K::plus, K::B1});
    EXPECT_EQ(calc.expression(), QStringLiteral("2E+3 + 1"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" 2001"));
}

TEST_F(CalculatorTest, MinusKeyDependsOnWhatPrecedes)
{
    calc.press(K::moins); // empty: starts a negative number
    EXPECT_EQ(calc.expression(), QStringLiteral("-"));
    calc.press(K::moins); // after "-"
    EXPECT_EQ(calc.expression(), QStringLiteral("- -"));
    calc.press(K::RAZ);
    press({K::B5, K::moins});
    EXPECT_EQ(calc.expression(), QStringLiteral("5 - "));
    calc.press(K::moins); // after a space
    EXPECT_EQ(calc.expression(), QStringLiteral("5 - -"));
    calc.press(K::RAZ);
    press({K::B5, K::BtoEXP, K::moins, K::B3});
    EXPECT_EQ(calc.expression(), QStringLiteral("5E-3"));
    calc.press(K::RAZ);
    press({K::Bpo, K::moins});
    EXPECT_EQ(calc.expression(), QStringLiteral("(-"));
}

TEST_F(CalculatorTest, MinusAfterAResultStartsANewNumber)
{
    type("2*3");
    calc.press(K::EXE);
    ASSERT_EQ(calc.display(), QStringLiteral(" 6"));
    press({K::moins, K::B2, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral("-2"));
}

TEST_F(CalculatorTest, EffaceRemovesTheLastEntry)
{
    const std::pair<const char *, const char *> cases[] = {
        {"2 * cos ", "2 * "}, {"2 * ", "2"}, {"10 ^ ", "10"}, {"(cos ", "("},    {"cos ", ""}, {"12", "1"},
        {"2E+3", "2E+"},      {"1 - ", "1"}, {"invSIN ", ""}, {"2 ^ 2", "2 ^ "}, {" ", ""},    {"", ""},
    };
    for (const auto &[before, after] : cases) {
        CalculatorMemory s;
        Calculator c(s);
        c.setExpression(QString::fromUtf8(before));
        c.press(K::EFFACE);
        EXPECT_EQ(c.expression(), QString::fromUtf8(after)) << before;
        EXPECT_EQ(c.display(), QString::fromUtf8(after)) << before;
    }
}

TEST_F(CalculatorTest, RazClearsTheExpression)
{
    type("12+3");
    calc.press(K::RAZ);
    EXPECT_EQ(calc.expression(), QString());
    EXPECT_EQ(calc.display(), QString());
}

TEST_F(CalculatorTest, AnsAppendsTheTrimmedLastAnswer)
{
    type("1/4");
    calc.press(K::EXE);
    press({K::B2, K::plus, K::ANS});
    EXPECT_EQ(calc.expression(), QStringLiteral("2 + .25"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" 2.25"));
}

TEST_F(CalculatorTest, SwitchingTheFormatReshowsTheLastAnswer)
{
    type("1/4");
    calc.press(K::EXE);
    calc.selectDisplayFormat(true);
    EXPECT_EQ(calc.display(), QStringLiteral("2.5E-01"));
    EXPECT_EQ(calc.lastAnswer(), QStringLiteral(" .25")); // the answer itself is unchanged
    calc.selectDisplayFormat(false);
    EXPECT_EQ(calc.display(), QStringLiteral(" .25"));

    // While an expression is being typed, nothing is shown again.
    type("7");
    calc.selectDisplayFormat(true);
    EXPECT_EQ(calc.display(), QStringLiteral("7"));
    EXPECT_TRUE(calc.scientific());
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral("7.E+00"));
}

TEST_F(CalculatorTest, RadiansOption)
{
    press({K::bsin, K::B9, K::B0});
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" 1"));
    calc.setRadians(true);
    press({K::Bcos, K::B1, K::EXE});
    EXPECT_EQ(calc.display(), QStringLiteral(" .54030230586814"));
}

TEST_F(CalculatorTest, MemoryKeysWorkOnTheSessionRegister)
{
    type("1/4");
    calc.press(K::EXE);
    KeyEffect effect = calc.press(K::Command1); // M+
    EXPECT_TRUE(effect.focusDisplay);
    EXPECT_DOUBLE_EQ(session.calculatorMemory, 0.25);
    calc.press(K::Command1);
    EXPECT_DOUBLE_EQ(session.calculatorMemory, 0.5);
    EXPECT_EQ(calc.display(), QStringLiteral(" .25")); // the display is left alone
    calc.press(K::Command2);                           // M-
    EXPECT_DOUBLE_EQ(session.calculatorMemory, 0.25);

    calc.press(K::Command3); // RM
    EXPECT_EQ(calc.expression(), QStringLiteral(".25"));
    EXPECT_EQ(calc.display(), QStringLiteral(".25"));
    calc.press(K::RAZ);
    calc.setScientific(true);
    calc.press(K::Command3);
    EXPECT_EQ(calc.expression(), QStringLiteral("2.5E-01"));

    effect = calc.press(K::Command4); // CM
    EXPECT_TRUE(effect.focusDisplay);
    EXPECT_EQ(session.calculatorMemory, 0);
}

TEST_F(CalculatorTest, MemoryReadsAnErrorTextAsZero)
{
    session.calculatorMemory = 2;
    type("1/0");
    calc.press(K::EXE);
    ASSERT_EQ(calc.display(), QStringLiteral("Calcul impossible"));
    calc.press(K::Command1);
    calc.press(K::Command2);
    EXPECT_EQ(session.calculatorMemory, 2);
}

TEST_F(CalculatorTest, MemoryIgnoresAValueBeyondTheDoubleRange)
{
    session.calculatorMemory = 1.7e308;
    calc.setExpression(QStringLiteral("1E308"));
    calc.press(K::Command1); // the display shows 1E308: the sum would overflow
    EXPECT_EQ(session.calculatorMemory, 1.7e308);
}

TEST_F(CalculatorTest, AResultBeyondTheDoubleRangeIsAnOverflow)
{
    calc.setExpression(QStringLiteral("1E999")); // evaluates (no operation) but reads as infinity
    const KeyEffect effect = calc.press(K::EXE);
    EXPECT_TRUE(effect.beep);
    EXPECT_EQ(calc.display(), u8("Dépassement de capacité"));
    EXPECT_EQ(calc.lastAnswer(), u8("Dépassement de capacité"));
    EXPECT_EQ(int(calc.lastError()), 0);
    EXPECT_EQ(calc.expression(), QString());
    // The message is no number: it is not carried into the next expression.
    press({K::multip, K::B2});
    EXPECT_EQ(calc.expression(), QStringLiteral(" * 2"));
}

TEST_F(CalculatorTest, KeyboardCharacters)
{
    const std::pair<char, K> mapped[] = {
        {'0', K::B0},     {'9', K::B9},     {'.', K::Bpoint}, {'E', K::BtoEXP},    {'e', K::BtoEXP},
        {'D', K::BtoEXP}, {'d', K::BtoEXP}, {'(', K::Bpo},    {')', K::bpf},       {'*', K::multip},
        {'+', K::plus},   {'-', K::moins},  {'/', K::div},    {'^', K::puissance}, {',', K::Bpoint},
    };
    for (const auto &[c, key] : mapped) {
        const auto k = CalculatorKeyForCharacter(QLatin1Char(c));
        ASSERT_TRUE(k.has_value()) << c;
        EXPECT_EQ(int(*k), int(key)) << c;
    }
    for (const char c : {'x', 'c', ' ', '=', ';', 'a', 'F'})
        EXPECT_FALSE(CalculatorKeyForCharacter(QLatin1Char(c)).has_value()) << c;
}

TEST_F(CalculatorTest, TypedDecimalCommaIsThePoint)
{
    // A comma typed as on a French keyboard is a decimal point, not a character lost:
    // 6,02E23 * 2 is 1.204E24, not 100 times more.
    type("6,02E23*2");
    EXPECT_EQ(calc.expression(), QStringLiteral("6.02E23 * 2"));
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" 1.204E+24"));
    type(",5*4");
    calc.press(K::EXE);
    EXPECT_EQ(calc.display(), QStringLiteral(" 2"));
}

TEST(CalculatorKeyboard, KeysOfTheDisplay)
{
    using Kind = CalculatorKeyboardAction::Kind;
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char *text;
        Kind kind;
        K pressed;
    };
    const Case cases[] = {
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", Kind::Close, K::B0},
        {Qt::Key_Tab, Qt::NoModifier, "\t", Kind::MoveFocus, K::B0},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", Kind::MoveFocus, K::B0},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", Kind::Press, K::EFFACE},
        {Qt::Key_Return, Qt::NoModifier, "\r", Kind::Press, K::EXE},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", Kind::Press, K::EXE},
        {Qt::Key_Comma, Qt::NoModifier, ",", Kind::Press, K::Bpoint},
        {Qt::Key_Period, Qt::KeypadModifier, ".", Kind::Press, K::Bpoint},
        {Qt::Key_7, Qt::NoModifier, "7", Kind::Press, K::B7},
        {Qt::Key_AsciiCircum, Qt::NoModifier, "^", Kind::Press, K::puissance},
        // Alt is the mnemonics' (Alt+C is COS), Ctrl nobody's.
        {Qt::Key_C, Qt::AltModifier, "c", Kind::Ignore, K::B0},
        {Qt::Key_V, Qt::ControlModifier, "\x16", Kind::Ignore, K::B0},
        {Qt::Key_X, Qt::NoModifier, "x", Kind::Ignore, K::B0},
        {Qt::Key_Left, Qt::NoModifier, "", Kind::Ignore, K::B0},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", Kind::Ignore, K::B0},
    };
    for (const Case &c : cases) {
        const CalculatorKeyboardAction action =
            CalculatorKeyboardActionFor(c.key, c.modifiers, QString::fromLatin1(c.text));
        EXPECT_EQ(int(action.kind), int(c.kind)) << c.key;
        if (c.kind == Kind::Press) {
            EXPECT_EQ(int(action.key), int(c.pressed)) << c.key;
        }
    }
}

TEST_F(CalculatorTest, KeyboardBuildsTheSameExpressionAsTheKeys)
{
    type("(2+3)*4^2/e");
    EXPECT_EQ(calc.expression(), QStringLiteral("(2 + 3) * 4 ^ 2 / E"));
}

TEST(ScientificText, FormatsEightSignificantDigits)
{
    const std::pair<double, const char *> cases[] = {
        {1, "1.E+00"},
        {0.25, "2.5E-01"},
        {-1234.5, "-1.2345E+03"},
        {123456789, "1.2345679E+08"},
        {9.999999999, "1.E+01"},
        {1e-300, "1.E-300"},
        {1e100, "1.E+100"},
        {0, "0.E+00"},
        {DBL_MAX, "1.7976931E+308"},
        {3.14159265358979, "3.1415927E+00"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(ScientificText(value), QString::fromUtf8(text)) << value;
    EXPECT_EQ(ScientificText(HUGE_VAL), QString());
}

} // namespace
