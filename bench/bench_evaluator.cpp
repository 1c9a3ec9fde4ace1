// Speed of the calculator's expression evaluator: a typical expression, long
// well-formed ones, and the worst inputs the 16-bit positions allow (up to
// 32,767 characters): deep nesting, long operator chains, many functions.
// The goal is every input under 50 ms.
#include "core/calc/expressionevaluator.h"

#include <benchmark/benchmark.h>

using namespace vorlane;

namespace {

constexpr int kMaxLength = 32767;

// Longer texts are refused at once (error 1) when their spaced form (one space on each
// side of every operator) passes the 16-bit limit: the slowest inputs are those whose
// spaced form just fits. "1+" spaces to 4 characters per operand, "(1+" and its ")" to 6.
constexpr int kLongestChain = kMaxLength / 2;
constexpr int kDeepestNesting = (kMaxLength - 3) / 6;

void evaluate(benchmark::State &state, const QString &expression)
{
    for (auto _ : state) {
        QString text = expression;
        benchmark::DoNotOptimize(EvaluateExpression(text, AngleMode::Degrees));
    }
    state.counters["chars"] = double(expression.size());
}

// `piece` repeated to fill at most `length` characters, then `tail`.
QString filled(const QString &piece, const QString &tail, int length)
{
    const int times = int((length - tail.size()) / piece.size());
    return piece.repeated(times) + tail;
}

void BM_Typical(benchmark::State &state)
{
    evaluate(state, QStringLiteral("2 * (cos 60 + SQR 16) ^ 2 / 1E+3 - ln(2+3)"));
}
BENCHMARK(BM_Typical);

void BM_LongSum(benchmark::State &state)
{
    evaluate(state, QStringLiteral("1.5 * 2 + cos 30 - ").repeated(int(state.range(0))) + u'1');
}
BENCHMARK(BM_LongSum)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// (1+(1+(1+ ... 1))): every group is reduced in turn, innermost first.
void BM_NestedGroups(benchmark::State &state)
{
    const int depth = int(state.range(0));
    evaluate(state, QStringLiteral("(1+").repeated(depth) + u'1' + QString(depth, u')'));
}
BENCHMARK(BM_NestedGroups)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(4500)
    ->Arg(kDeepestNesting)
    ->Arg((kMaxLength - 1) / 4)
    ->Unit(benchmark::kMillisecond);

// ((((5)))): plain parentheses around one number, as deep as the length allows.
void BM_NestedPlainNumber(benchmark::State &state)
{
    const int depth = (kMaxLength - 1) / 2;
    evaluate(state, QString(depth, u'(') + u'5' + QString(depth, u')'));
}
BENCHMARK(BM_NestedPlainNumber)->Unit(benchmark::kMillisecond);

// 1+1+1+...: one operator applied per step, at the whole length and at the longest
// whose spaced form fits.
void BM_OperatorChain(benchmark::State &state)
{
    static const char *const pieces[] = {"1+", "2*", "1-", "1/", "1^"};
    evaluate(state,
             filled(QString::fromLatin1(pieces[state.range(0)]), QStringLiteral("1"), int(state.range(1))));
}
BENCHMARK(BM_OperatorChain)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {kLongestChain, kMaxLength}})
    ->Unit(benchmark::kMillisecond);

// Spaced operators as the keys type them: " + " between numbers.
void BM_SpacedOperatorChain(benchmark::State &state)
{
    evaluate(state, filled(QStringLiteral("1 + "), QStringLiteral("1"), kMaxLength));
}
BENCHMARK(BM_SpacedOperatorChain)->Unit(benchmark::kMillisecond);

// cos 1+cos 1+...: a function per operand, all applied in the first cycle.
void BM_FunctionChain(benchmark::State &state)
{
    evaluate(state, filled(QStringLiteral("cos 1+"), QStringLiteral("1"), kMaxLength));
}
BENCHMARK(BM_FunctionChain)->Unit(benchmark::kMillisecond);

// Sign pairs: 1------...1, folded pass after pass.
void BM_SignRun(benchmark::State &state)
{
    evaluate(state, u'1' + QString(kMaxLength - 2, u'-') + u'1');
}
BENCHMARK(BM_SignRun)->Unit(benchmark::kMillisecond);

// A group of sums nested in a product, repeated: (1+2)*(1+2)*...
void BM_ManyGroups(benchmark::State &state)
{
    evaluate(state, filled(QStringLiteral("(1+2)*"), QStringLiteral("1"), kMaxLength));
}
BENCHMARK(BM_ManyGroups)->Unit(benchmark::kMillisecond);

// Loose letters: "inv" and "ln" rewritten by the spacing.
void BM_Letters(benchmark::State &state)
{
    evaluate(state, filled(QStringLiteral("invln"), QString(), kMaxLength));
}
BENCHMARK(BM_Letters)->Unit(benchmark::kMillisecond);

// sin(sin(sin( ... 1))): one function per level, applied one level per cycle, so the
// evaluation runs its 100 cycles over the whole text.
void BM_NestedFunctions(benchmark::State &state)
{
    const int depth = (kMaxLength - 3) / 6;
    evaluate(state, QStringLiteral("sin(").repeated(depth) + u'1' + QString(depth, u')'));
}
BENCHMARK(BM_NestedFunctions)->Unit(benchmark::kMillisecond);

// cos(a)+cos(a)+...: functions whose argument never becomes a number; every cycle
// finds nothing to do until the 100th.
void BM_StuckFunctions(benchmark::State &state)
{
    evaluate(state, filled(QStringLiteral("cos(a)+"), QStringLiteral("1"), kMaxLength * 7 / 8));
}
BENCHMARK(BM_StuckFunctions)->Unit(benchmark::kMillisecond);

// 2-(3*(2-(3*( ... 1)))): nested groups of every operator, whose values change sign
// so that the signs around each reduced group are folded again.
void BM_NestedMixedGroups(benchmark::State &state)
{
    const int depth = int(state.range(0));
    evaluate(state, QStringLiteral("2-(3*(").repeated(depth) + u'1' + QString(2 * depth, u')'));
}
BENCHMARK(BM_NestedMixedGroups)->Arg(100)->Arg(2700)->Unit(benchmark::kMillisecond);

// (((1+2)+3)+4)+...: the innermost group is the first one, its enclosing groups follow.
void BM_LeftNestedGroups(benchmark::State &state)
{
    const int depth = (kMaxLength - 3) / 6;
    evaluate(state, QString(depth, u'(') + u'1' + QStringLiteral("+1)").repeated(depth));
}
BENCHMARK(BM_LeftNestedGroups)->Unit(benchmark::kMillisecond);

// (1E(1E( ... 1))): each group's value is the text of the group inside it with "1E" in
// front, not a number, so every group holds all the groups inside it. Such a group is
// unwrapped where it stands instead of being rewritten: the work grows with the depth,
// not with its square.
void BM_NestedTextValues(benchmark::State &state)
{
    const int depth = int(state.range(0));
    evaluate(state, QStringLiteral("(1E").repeated(depth) + u'1' + QString(depth, u')'));
}
BENCHMARK(BM_NestedTextValues)->Arg(1000)->Arg((kMaxLength - 1) / 5)->Unit(benchmark::kMillisecond);

// Other texts as values of nested groups, as long as the length allows: letters that
// are no function, exponent signs, negative values after an "E", groups nested to the
// left, values side by side inside each group, letters beyond ASCII.
void BM_NestedTextRelatives(benchmark::State &state)
{
    static const char *const opens[] = {"(A", "(1E-", "(-1E", "(", "(2E1)(1E", "(\u00c9"};
    static const char *const closes[] = {")", ")", ")", "E1)", ")", ")"};
    const QString open = QString::fromUtf8(opens[state.range(0)]);
    const QString close = QString::fromUtf8(closes[state.range(0)]);
    // The spaces around the whole text must fit too.
    const int depth = int((kMaxLength - 3) / (open.size() + close.size()));
    evaluate(state, open.repeated(depth) + u'1' + close.repeated(depth));
}
BENCHMARK(BM_NestedTextRelatives)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
