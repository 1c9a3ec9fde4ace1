#include "core/calc/calculator.h"
#include "core/calc/calculatormemory.h"
#include "core/calc/expressionevaluator.h"
#include "tool/commands.h"

namespace vorlane::tool {

namespace {

struct CalcArguments {
    bool radians = false;
    bool scientific = false;
    QString expression;
};

// `withScientific`: the command has the --scientific option (calc, not eval).
CalcArguments parseArguments(const QCommandLineParser &args, bool withScientific)
{
    return {args.isSet(QStringLiteral("radians")), withScientific && args.isSet(QStringLiteral("scientific")),
            args.positionalArguments().value(0)};
}

} // namespace

int evalCommand(const QCommandLineParser &args)
{
    if (args.positionalArguments().size() != 1)
        return usageError(QStringLiteral("eval"), QStringLiteral("expected one expression"));
    const CalcArguments parsed = parseArguments(args, false);
    QString text = parsed.expression;
    const EvalError error =
        EvaluateExpression(text, parsed.radians ? AngleMode::Radians : AngleMode::Degrees);
    out(QString::number(int(error)) + u'\t' + text + u'\n');
    return ExitOk;
}

int calcCommand(const QCommandLineParser &args)
{
    if (args.positionalArguments().size() != 1)
        return usageError(QStringLiteral("calc"), QStringLiteral("expected one expression"));
    const CalcArguments parsed = parseArguments(args, true);
    CalculatorMemory session;
    Calculator calculator(session);
    calculator.setRadians(parsed.radians);
    calculator.setScientific(parsed.scientific);
    calculator.setExpression(parsed.expression);
    calculator.press(CalculatorKey::EXE);
    out(calculator.display() + u'\n');
    return ExitOk;
}

} // namespace vorlane::tool
