#include "core/calc/calculator.h"
#include "core/calc/calculatormemory.h"
#include "core/calc/expressionevaluator.h"
#include "fuzzexpressions.h"
#include "testsupport.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

using namespace vorlane;
using vorlane::testing::randomExpression;

namespace {

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
