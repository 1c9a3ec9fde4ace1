#include "core/calc/calculator.h"
#include "core/calc/calculatormemory.h"
#include "core/calc/expressionevaluator.h"
#include "testsupport.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

using namespace vorlane;

namespace {

// Characters the keys and the keyboard can put into an expression.
const QString Characters = QStringLiteral("0123456789.E()*+-/^ cosintavICOSNTAVlgexpSQRLD");

// Texts of the keys, so that function codes, spaced operators and unit prefixes
// come up often enough to reach the deeper steps.
const std::array<const char *, 34> Pieces = {
    "0",       "1",       "2",   "3",    "7",    "9",    ".",     "E",    "E-12",
    "E+3",     "E-3",     ")",   "(",    "(",    "cos ", "sin ",  "tan ", "invCOS ",
    "invSIN ", "invTAN ", "ln ", "log ", "exp ", "SQR ", "10 ^ ", "1 / ", "3.14159265358979",
    " ^ ",     " ^ 2",    " * ", " / ",  " + ",  "-",    " - "};

const std::array<const char *, 10> Functions = {"cos ",    "sin ", "tan ", "invCOS ", "invSIN ",
                                                "invTAN ", "ln ",  "log ", "exp ",    "SQR "};
const std::array<const char *, 5> Operators = {" ^ ", " / ", " * ", " - ", " + "};

// A well-formed expression of roughly `budget` characters, so that long inputs
// also reach the end of the evaluation and not only its first checks.
QString wellFormed(std::mt19937 &rng, int budget, int depth = 0)
{
    QString text;
    auto operand = [&]() {
        const int kind = int(rng() % 6);
        if (kind == 0 && depth < 40)
            return QStringLiteral("(") + wellFormed(rng, int(rng() % 60), depth + 1) + u')';
        if (kind == 1) {
            // Arguments inside the functions' domains.
            const QString f = QString::fromLatin1(Functions[rng() % Functions.size()]);
            return f + (f.startsWith(u"inv") ? u'.' + QString::number(rng() % 10)
                                             : QString::number(rng() % 99 + 1));
        }
        if (kind == 2)
            return QStringLiteral("-") + QString::number(rng() % 50) + u'.' + QString::number(rng() % 10);
        if (kind == 3)
            return QString::number(rng() % 9 + 1) + QStringLiteral("E-") + QString::number(rng() % 5);
        return QString::number(rng() % 20);
    };
    text += operand();
    while (text.size() < budget)
        text += QString::fromLatin1(Operators[rng() % Operators.size()]) + operand();
    return text;
}

// One random expression of at most `maxLength` characters: loose characters, key
// texts (often with their parentheses balanced), or a well-formed expression.
QString randomExpression(std::mt19937 &rng, int maxLength)
{
    std::uniform_int_distribution<int> lengthDist(0, maxLength);
    const int length = lengthDist(rng);
    const int style = int(rng() % 4);
    if (style == 3)
        return wellFormed(rng, length).left(maxLength);
    QString text;
    if (style == 0) {
        for (int i = 0; i < length; ++i)
            text += Characters[qsizetype(rng() % Characters.size())];
        return text;
    }
    int depth = 0;
    while (text.size() < length) {
        const QString piece = QString::fromLatin1(Pieces[rng() % Pieces.size()]);
        if (style == 2 && piece == u")" && depth == 0)
            continue;
        depth += piece == u"(" ? 1 : piece == u")" ? -1 : 0;
        text += piece;
    }
    if (style == 2)
        text += QString(depth, u')');
    return text.left(maxLength);
}

TEST(EvaluatorFuzz, TenThousandRandomExpressionsAllEnd)
{
    std::mt19937 rng(20240611u);
    std::array<int, 4> byCode{};
    for (int n = 0; n < 10000; ++n) {
        const QString expression = randomExpression(rng, 1000);
        QString text = expression;
        const AngleMode mode = n % 2 ? AngleMode::Radians : AngleMode::Degrees;
        const EvalError error = EvaluateExpression(text, mode);
        const int code = int(error);
        ASSERT_GE(code, 0) << expression.toStdString();
        ASSERT_LE(code, 3) << expression.toStdString();
        ++byCode[size_t(code)];
        if (error == EvalError::None) {
            EXPECT_FALSE(text.contains(u' ')) << expression.toStdString();
            EXPECT_FALSE(text.startsWith(u' ')) << expression.toStdString();
        }
    }
    // The generator reaches every outcome, not just the early checks.
    for (int code = 0; code < 4; ++code)
        EXPECT_GT(byCode[size_t(code)], 100) << "code " << code;
}

TEST(EvaluatorFuzz, TheCalculatorShowsAResultOrAMessage)
{
    std::mt19937 rng(7u);
    CalculatorMemory session;
    Calculator calculator(session);
    for (int n = 0; n < 1000; ++n) {
        const QString expression = randomExpression(rng, 200);
        calculator.setExpression(expression);
        calculator.setScientific(n % 2 == 0);
        calculator.press(CalculatorKey::EXE);
        if (calculator.lastError() == EvalError::None) {
            EXPECT_EQ(calculator.expression(), QString());
            EXPECT_FALSE(calculator.display().trimmed().isEmpty());
        } else {
            EXPECT_EQ(calculator.display(), EvalErrorMessage(calculator.lastError()));
            EXPECT_EQ(calculator.expression(), expression);
        }
    }
}

} // namespace
