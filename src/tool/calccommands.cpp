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

// Options first; "--" ends them so that an expression may start with "-".
bool parseArguments(const QString &command, const QStringList &args, bool allowScientific,
                    CalcArguments &parsed)
{
    bool optionsEnded = false;
    QStringList positional;
    for (const QString &arg : args) {
        if (!optionsEnded && arg == u"--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == u"--radians") {
            parsed.radians = true;
        } else if (!optionsEnded && allowScientific && arg == u"--scientific") {
            parsed.scientific = true;
        } else if (!optionsEnded && arg.startsWith(u'-') && arg.size() > 1) {
            err(QStringLiteral("vorlane-tool %1: unknown option '%2' (write -- before an expression that "
                               "starts with -)\n")
                    .arg(command, arg));
            return false;
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 1) {
        err(allowScientific ? QStringLiteral("usage: vorlane-tool calc [--radians] [--scientific] EXPR\n")
                            : QStringLiteral("usage: vorlane-tool eval [--radians] EXPR\n"));
        return false;
    }
    parsed.expression = positional.first();
    return true;
}

} // namespace

int evalCommand(const QStringList &args)
{
    CalcArguments parsed;
    if (!parseArguments(QStringLiteral("eval"), args, false, parsed))
        return ExitUsage;
    QString text = parsed.expression;
    const EvalError error =
        EvaluateExpression(text, parsed.radians ? AngleMode::Radians : AngleMode::Degrees);
    out(QString::number(int(error)) + u'\t' + text + u'\n');
    return ExitOk;
}

int calcCommand(const QStringList &args)
{
    CalcArguments parsed;
    if (!parseArguments(QStringLiteral("calc"), args, true, parsed))
        return ExitUsage;
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
