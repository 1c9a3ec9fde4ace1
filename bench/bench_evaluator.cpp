// Speed of the calculator's expression evaluator: a typical expression, a long
// well-formed one and the deepest nesting the 16-bit positions allow.
#include "core/calc/expressionevaluator.h"

#include <benchmark/benchmark.h>

using namespace vorlane;

static void evaluate(benchmark::State &state, const QString &expression)
{
    for (auto _ : state) {
        QString text = expression;
        benchmark::DoNotOptimize(EvaluateExpression(text, AngleMode::Degrees));
    }
}

static void BM_Typical(benchmark::State &state)
{
    evaluate(state, QStringLiteral("2 * (cos 60 + SQR 16) ^ 2 / 1E+3 - ln(2+3)"));
}
BENCHMARK(BM_Typical);

static void BM_LongSum(benchmark::State &state)
{
    evaluate(state, QStringLiteral("1.5 * 2 + cos 30 - ").repeated(int(state.range(0))) + u'1');
}
BENCHMARK(BM_LongSum)->Arg(10)->Arg(100)->Arg(1000);

static void BM_NestedGroups(benchmark::State &state)
{
    const int depth = int(state.range(0));
    evaluate(state, QStringLiteral("(1+").repeated(depth) + u'1' + QString(depth, u')'));
}
BENCHMARK(BM_NestedGroups)->Arg(100)->Arg(1000)->Arg(4500);

BENCHMARK_MAIN();
