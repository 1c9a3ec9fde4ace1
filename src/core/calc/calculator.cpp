#include "core/calc/calculator.h"

#include "core/calc/calculatormemory.h"
#include "core/text/decimal.h"
#include "core/text/numbertext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vorlane {

namespace {

QString trimmedNumberText(double value)
{
    QString s = NumberText(value);
    if (s.startsWith(u' '))
        s.remove(0, 1);
    return s;
}

bool isBinaryOperator(QChar c)
{
    return c == u'*' || c == u'+' || c == u'/' || c == u'-' || c == u'^';
}

} // namespace

std::optional<CalculatorKey> CalculatorKeyForCharacter(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return CalculatorKey(int(CalculatorKey::B0) + (c.unicode() - u'0'));
    switch (c.unicode()) {
    case u'.':
    case u',':
        return CalculatorKey::Bpoint;
    case u'E':
    case u'e':
    case u'D':
    case u'd':
        return CalculatorKey::BtoEXP;
    case u'(':
        return CalculatorKey::Bpo;
    case u')':
        return CalculatorKey::bpf;
    case u'*':
        return CalculatorKey::multip;
    case u'+':
        return CalculatorKey::plus;
    case u'-':
        return CalculatorKey::moins;
    case u'/':
        return CalculatorKey::div;
    case u'^':
        return CalculatorKey::puissance;
    default:
        return std::nullopt;
    }
}

CalculatorKeyboardAction CalculatorKeyboardActionFor(int key, Qt::KeyboardModifiers modifiers,
                                                     const QString &text)
{
    using Kind = CalculatorKeyboardAction::Kind;
    switch (key) {
    case Qt::Key_Escape:
        return {Kind::Close};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return {Kind::MoveFocus};
    case Qt::Key_Backspace:
        return {Kind::Press, CalculatorKey::EFFACE};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {Kind::Press, CalculatorKey::EXE};
    default:
        break;
    }
    if (text.size() != 1 || (modifiers & (Qt::ControlModifier | Qt::AltModifier)))
        return {Kind::Ignore};
    if (const auto mapped = CalculatorKeyForCharacter(text.front()))
        return {Kind::Press, *mapped};
    return {Kind::Ignore};
}

QString ScientificText(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0.E+00");
    // Eight significant digits.
    const auto [digits, exponent] = SignificantDigits(value, 8);
    QString text = value < 0 ? QStringLiteral("-") : QString();
    text += digits.left(1) + u'.' + digits.mid(1) + u'E' + (exponent < 0 ? u'-' : u'+');
    QString e = QString::number(std::abs(exponent));
    if (e.size() < 2)
        e.prepend(u'0');
    return text + e;
}

Calculator::Calculator(CalculatorMemory &memory) : m_memory(memory) {}

QString Calculator::BusyText()
{
    return QStringLiteral("    Patience... Calculs en cours.     ");
}

QString Calculator::OverflowText()
{
    return QString::fromUtf8("D\u00e9passement de capacit\u00e9");
}

void Calculator::setExpression(const QString &expression)
{
    m_expression = expression;
    showExpression();
}

void Calculator::showExpression()
{
    m_display = m_expression;
}

void Calculator::append(const QString &text)
{
    m_expression += text;
    showExpression();
}

void Calculator::AppendOperand(const QString &text)
{
    if (!m_expression.isEmpty()) {
        const QChar last = m_expression.back();
        if (last != u'(' && last != u'-' && last != u' ')
            m_expression += QStringLiteral(" * ");
    }
    append(text);
}

void Calculator::appendAnswer()
{
    // An overflow message is no number: it is not carried into the next expression.
    if (m_lastError == EvalError::None && !m_answerOverflowed)
        m_expression += TrimSpaces(m_lastAnswer);
    showExpression();
}

void Calculator::continueFromAnswer()
{
    if (TrimSpaces(m_expression).isEmpty())
        appendAnswer();
}

void Calculator::efface()
{
    if (m_expression.isEmpty())
        return;
    const qsizetype n = m_expression.size();
    if (m_expression.back() != u' ') {
        m_expression.chop(1);
    } else if (n >= 2 && isBinaryOperator(m_expression[n - 2])) {
        m_expression.chop(3); // the spaced operator
    } else {
        // A function name and its space: back to the space or "(" before the name.
        qsizetype k = n - 2;
        while (k >= 0 && m_expression[k] != u' ' && m_expression[k] != u'(')
            --k;
        m_expression.truncate(k + 1);
    }
}

bool Calculator::answerText(double value, QString &text) const
{
    if (!std::isfinite(value))
        return false;
    text = m_scientific ? ScientificText(value) : NumberText(value);
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0)
        text[comma] = u'.';
    return true;
}

KeyEffect Calculator::exe()
{
    KeyEffect effect;
    m_lastError = EvalError::None;
    const QString kept = m_expression;
    QString work = m_expression;
    m_lastError = EvaluateExpression(work, m_radians ? AngleMode::Radians : AngleMode::Degrees);
    QString shown;
    m_answerOverflowed = false;
    if (m_lastError == EvalError::None) {
        if (!answerText(DecimalRead(work), shown)) {
            shown = OverflowText();
            m_answerOverflowed = true;
            effect.beep = true;
        }
    } else {
        shown = EvalErrorMessage(m_lastError);
        effect.beep = true;
    }
    m_display = shown;
    m_lastAnswer = shown;
    // After a failure the expression comes back so that it can be corrected; the
    // display keeps the message until the next key.
    m_expression = m_lastError == EvalError::None ? QString() : kept;
    return effect;
}

KeyEffect Calculator::selectDisplayFormat(bool scientific)
{
    KeyEffect effect;
    m_scientific = scientific;
    if (!m_expression.isEmpty())
        return effect;
    QString shown;
    if (!answerText(DecimalRead(m_lastAnswer), shown)) {
        shown = OverflowText();
        effect.beep = true;
    }
    m_display = shown;
    return effect;
}

KeyEffect Calculator::memoryChange(double sign)
{
    // A reading or a sum beyond the double range leaves the register unchanged.
    const double value = DecimalRead(m_display);
    const double sum = m_memory.calculatorMemory + sign * value;
    if (std::isfinite(value) && std::isfinite(sum))
        m_memory.calculatorMemory = sum;
    KeyEffect effect;
    effect.focusDisplay = true;
    return effect;
}

KeyEffect Calculator::press(CalculatorKey key)
{
    switch (key) {
    case CalculatorKey::B0:
    case CalculatorKey::B1:
    case CalculatorKey::B2:
    case CalculatorKey::B3:
    case CalculatorKey::B4:
    case CalculatorKey::B5:
    case CalculatorKey::B6:
    case CalculatorKey::B7:
    case CalculatorKey::B8:
    case CalculatorKey::B9:
        append(QString(QChar(u'0' + (int(key) - int(CalculatorKey::B0)))));
        break;
    case CalculatorKey::Bpoint:
        append(QStringLiteral("."));
        break;
    case CalculatorKey::BtoEXP:
        append(QStringLiteral("E"));
        break;
    case CalculatorKey::pico:
        append(QStringLiteral("E-12"));
        break;
    case CalculatorKey::nano:
        append(QStringLiteral("E-9"));
        break;
    case CalculatorKey::micro:
        append(QStringLiteral("E-6"));
        break;
    case CalculatorKey::mil:
        append(QStringLiteral("E-3"));
        break;
    case CalculatorKey::kilo:
        append(QStringLiteral("E+3"));
        break;
    case CalculatorKey::mega:
        append(QStringLiteral("E+6"));
        break;
    case CalculatorKey::giga:
        append(QStringLiteral("E+9"));
        break;
    case CalculatorKey::tera:
        append(QStringLiteral("E+12"));
        break;
    case CalculatorKey::bpf:
        append(QStringLiteral(")"));
        break;
    case CalculatorKey::Bpo:
        AppendOperand(QStringLiteral("("));
        break;
    case CalculatorKey::Bcos:
        AppendOperand(QStringLiteral("cos "));
        break;
    case CalculatorKey::bsin:
        AppendOperand(QStringLiteral("sin "));
        break;
    case CalculatorKey::Btan:
        AppendOperand(QStringLiteral("tan "));
        break;
    case CalculatorKey::invcos:
        AppendOperand(QStringLiteral("invCOS "));
        break;
    case CalculatorKey::invsin:
        AppendOperand(QStringLiteral("invSIN "));
        break;
    case CalculatorKey::Btoncommande3:
        AppendOperand(QStringLiteral("invTAN "));
        break;
    case CalculatorKey::Bln:
        AppendOperand(QStringLiteral("ln "));
        break;
    case CalculatorKey::Blog:
        AppendOperand(QStringLiteral("log "));
        break;
    case CalculatorKey::Bexp:
        AppendOperand(QStringLiteral("exp "));
        break;
    case CalculatorKey::racine:
        AppendOperand(QStringLiteral("SQR "));
        break;
    case CalculatorKey::B10x:
        AppendOperand(QStringLiteral("10 ^ "));
        break;
    case CalculatorKey::command5:
        AppendOperand(QStringLiteral("1 / "));
        break;
    case CalculatorKey::pi:
        AppendOperand(trimmedNumberText(4 * std::atan(1.0)));
        break;
    case CalculatorKey::puissance:
        continueFromAnswer();
        append(QStringLiteral(" ^ "));
        break;
    case CalculatorKey::btcarre:
        continueFromAnswer();
        append(QStringLiteral(" ^ 2"));
        break;
    case CalculatorKey::multip:
    case CalculatorKey::div:
        if (!TrimSpaces(m_display).isEmpty()) {
            continueFromAnswer();
            append(key == CalculatorKey::multip ? QStringLiteral(" * ") : QStringLiteral(" / "));
        }
        break;
    case CalculatorKey::plus:
        if (!TrimSpaces(m_display).isEmpty()) {
            continueFromAnswer();
            append(m_expression.endsWith(u'E') ? QStringLiteral("+") : QStringLiteral(" + "));
        }
        break;
    case CalculatorKey::moins:
        if (m_expression.isEmpty()) {
            append(QStringLiteral("-"));
        } else {
            const QChar last = m_expression.back();
            if (last == u'(' || last == u' ' || last == u'E')
                append(QStringLiteral("-"));
            else if (last == u'-')
                append(QStringLiteral(" -"));
            else
                append(QStringLiteral(" - "));
        }
        break;
    case CalculatorKey::ANS:
        appendAnswer();
        break;
    case CalculatorKey::EFFACE:
        efface();
        showExpression();
        break;
    case CalculatorKey::RAZ:
        m_expression.clear();
        showExpression();
        break;
    case CalculatorKey::EXE:
        return exe();
    case CalculatorKey::Command1:
        return memoryChange(1);
    case CalculatorKey::Command2:
        return memoryChange(-1);
    case CalculatorKey::Command3:
        append(m_scientific ? ScientificText(m_memory.calculatorMemory)
                            : trimmedNumberText(m_memory.calculatorMemory));
        break;
    case CalculatorKey::Command4:
        m_memory.calculatorMemory = 0;
        return KeyEffect{false, true};
    }
    return KeyEffect{};
}

} // namespace vorlane
