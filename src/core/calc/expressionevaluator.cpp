#include "core/calc/expressionevaluator.h"

#include "core/text/decimal.h"
#include "core/text/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace vorlane {

namespace {

constexpr int MaxCycles = 100;

// Positions in the text are 16-bit, like the counters.
constexpr qsizetype MaxTextLength = std::numeric_limits<std::int16_t>::max();

// The ten function codes of the spaced form.
constexpr char16_t FunctionCodes[10][4] = {u"SQR", u"SIN", u"COS", u"LOG", u"TAN",
                                           u"ISI", u"EXP", u"ITA", u"ICO", u"LON"};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isCodeAt(QStringView t, qsizetype i)
{
    if (i < 0 || i + 3 > t.size())
        return false;
    const QStringView three = t.mid(i, 3);
    for (const char16_t *code : FunctionCodes) {
        if (three == QStringView(code))
            return true;
    }
    return false;
}

bool isSpacedOperatorAt(QStringView t, qsizetype i)
{
    if (i < 0 || i + 3 > t.size() || t[i] != u' ' || t[i + 2] != u' ')
        return false;
    const QChar op = t[i + 1];
    return op == u'+' || op == u'-' || op == u'*' || op == u'/' || op == u'^';
}

QString valueText(double value)
{
    return TrimSpaces(NumberText(value));
}

// One pass of the sign and parenthesis folding of NormaliseExpression.
QString foldPass(const QString &in)
{
    // Sign pairs, left to right; the four tests run in order at each position,
    // each on the text as the previous one left it.
    QString signs;
    signs.reserve(in.size());
    const qsizetype n = in.size();
    for (qsizetype i = 0; i < n; ++i) {
        QChar c = in[i];
        auto next = [&]() { return i + 1 < n ? in[i + 1] : QChar(); };
        if (c == u'-' && next() == u'-') {
            c = u'+';
            ++i;
        }
        if (c == u'+' && next() == u'-') {
            c = u'-';
            ++i;
        }
        if (c == u'-' && next() == u'+') {
            c = u'-';
            ++i;
        }
        if (c == u'+' && next() == u'+') {
            c = u'+';
            ++i;
        }
        signs.append(c);
    }
    if (signs.startsWith(u'+'))
        signs.remove(0, 1);

    // Parentheses around a plain number (digits and points, a sign allowed only
    // first, at least one character). Checking at each ")" what precedes it, rather
    // than at each "(" what follows, also unwraps nested groups such as ((5)) in one
    // pass: the fixed point reached is the same, without one pass per level.
    QString out;
    out.reserve(signs.size());
    for (const QChar c : std::as_const(signs)) {
        if (c == u')') {
            qsizetype start = out.size();
            while (start > 0 && (isDigit(out[start - 1]) || out[start - 1] == u'.'))
                --start;
            if (start > 0 && (out[start - 1] == u'+' || out[start - 1] == u'-'))
                --start;
            if (start > 0 && out[start - 1] == u'(' && start < out.size()) {
                out.remove(start - 1, 1);
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

// The text SpaceExpression reads: what is left of the input, after a small queue
// of characters that a rewrite put back for scanning.
class SpaceScanner {
public:
    explicit SpaceScanner(const QString &in) : m_in(in) {}

    qsizetype remaining() const { return m_queue.size() + (m_in.size() - m_pos); }

    bool atEnd() const { return remaining() == 0; }

    // Character k positions ahead, or the null character past the end.
    QChar at(qsizetype k) const
    {
        if (k < m_queue.size())
            return m_queue[k];
        const qsizetype j = m_pos + k - m_queue.size();
        return j < m_in.size() ? m_in[j] : QChar();
    }

    bool startsWith(QStringView s) const
    {
        if (remaining() < s.size())
            return false;
        for (qsizetype k = 0; k < s.size(); ++k) {
            if (at(k) != s[k])
                return false;
        }
        return true;
    }

    void consume(qsizetype n)
    {
        const qsizetype fromQueue = std::min(n, m_queue.size());
        m_queue.remove(0, fromQueue);
        m_pos = std::min(m_in.size(), m_pos + (n - fromQueue));
    }

    void putBack(const QString &s) { m_queue.prepend(s); }

    QString rest() const { return m_queue + m_in.mid(m_pos); }

private:
    const QString &m_in;
    qsizetype m_pos = 0;
    QString m_queue;
};

bool computeFunction(QStringView code, double x, AngleMode mode, double &value)
{
    const double quarterPi = std::atan(1.0);
    const bool radians = mode == AngleMode::Radians;
    if (code == u"SQR") {
        value = std::sqrt(x);
    } else if (code == u"EXP") {
        value = std::exp(x);
    } else if (code == u"LON") {
        value = std::log(x);
    } else if (code == u"LOG") {
        value = std::log(x) / std::log(10.0);
    } else if (code == u"SIN" || code == u"COS" || code == u"TAN") {
        const double angle = radians ? x : ((x * 4) * quarterPi) / 180;
        value = code == u"SIN" ? std::sin(angle) : code == u"COS" ? std::cos(angle) : std::tan(angle);
    } else {
        double r = 0;
        if (code == u"ITA") {
            r = std::atan(x);
        } else {
            if (x == 1) {
                r = 2 * quarterPi;
            } else if (x == -1) {
                r = -2 * quarterPi;
            } else {
                const double root = std::sqrt(1 - x * x);
                if (!(root > 0)) // beyond +/-1 (NaN) or a zero divisor
                    return false;
                r = std::atan(x / root);
            }
            if (code == u"ICO")
                r = 2 * quarterPi - r;
        }
        value = radians ? r : (r * 180) / (4 * quarterPi);
    }
    return std::isfinite(value);
}

bool computeOperator(QChar op, double left, double right, double &value)
{
    if (!std::isfinite(left) || !std::isfinite(right))
        return false;
    switch (op.unicode()) {
    case u'^':
        value = std::pow(left, right); // NaN for a negative base and a fractional exponent
        break;
    case u'/':
        if (right == 0)
            return false;
        value = left / right;
        break;
    case u'*':
        value = left * right;
        break;
    case u'-':
        value = left - right;
        break;
    default:
        value = left + right;
        break;
    }
    return std::isfinite(value);
}

void fail(EvalState &state)
{
    state.error = EvalError::Impossible;
}

} // namespace

QString EvalErrorMessage(EvalError error)
{
    switch (error) {
    case EvalError::None:
        return QString();
    case EvalError::Impossible:
        return QStringLiteral("Calcul impossible");
    case EvalError::Parentheses:
        return QString::fromUtf8("Erreur saisie: revoir les parenth\u00e8ses");
    case EvalError::Operators:
        return QString::fromUtf8("Erreur saisie: incompr\u00e9hension sur op\u00e9rateurs: ^ * / + -");
    }
    return QString();
}

void NormaliseExpression(QString &text)
{
    QString t = text.toUpper();
    t.remove(u' ');
    for (;;) {
        QString next = foldPass(t);
        if (next == t)
            break;
        t = std::move(next);
    }
    SpaceExpression(t);
    text = std::move(t);
}

void SpaceExpression(QString &text)
{
    QString in = text.toUpper();
    in.remove(u' ');
    if (in.startsWith(u'+'))
        in.remove(0, 1);
    in = u' ' + in + u' ';

    // Rewrites only ever touch the position being scanned and what follows it, so
    // the text to the left is final and is built up in `out`.
    const qsizetype positions = 3 * in.size();
    SpaceScanner scan(in);
    QString out;
    out.reserve(in.size() * 2);
    while (!scan.atEnd()) {
        if (out.size() >= positions) {
            out += scan.rest();
            break;
        }
        const QChar c = scan.at(0);
        const QChar three[3] = {c, scan.at(1), scan.at(2)};
        if (scan.remaining() >= 3 && isCodeAt(QStringView(three, 3), 0)) {
            // Nothing can match on the code's other letters nor on the new space.
            out.append(three, 3);
            out += u' ';
            scan.consume(3);
            continue;
        }
        if (scan.startsWith(u"LN")) {
            out += QStringLiteral("LON ");
            scan.consume(2);
            continue;
        }
        if (scan.startsWith(u"INV")) {
            // INV and the next three characters become I, the first two of them and
            // a space (INVCOS -> "ICO "); all but the I are scanned again.
            QString kept;
            for (qsizetype k = 3; k < 5 && k < scan.remaining(); ++k)
                kept += scan.at(k);
            scan.consume(std::min<qsizetype>(6, scan.remaining()));
            scan.putBack(kept + u' ');
            out += u'I';
            continue;
        }
        const QChar before = out.isEmpty() ? QChar() : out.back();
        const bool exponentSign = before == u'E' || before == u'D';
        if (c == u'^' || c == u'*' || c == u'/' || (c == u'+' && !exponentSign) ||
            (c == u'-' && !exponentSign && before != u'(' && before != u' ')) {
            out += u' ';
            out += c;
            out += u' ';
            scan.consume(1);
            continue;
        }
        out += c;
        scan.consume(1);
    }
    text = std::move(out);
}

void CountTokens(const QString &text, EvalState &state)
{
    qsizetype parens = 0;
    qsizetype functions = 0;
    qsizetype operators = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(')
            ++parens;
        if (isCodeAt(text, i))
            ++functions;
        if (isSpacedOperatorAt(text, i))
            ++operators;
    }
    constexpr qsizetype max = std::numeric_limits<std::int16_t>::max();
    if (parens > max || functions > max || operators > max || text.size() > MaxTextLength) {
        fail(state);
        return;
    }
    state.openParenCount = std::int16_t(parens);
    state.functionCount = std::int16_t(functions);
    state.operatorCount = std::int16_t(operators);
}

void CheckExpression(const QString &text, EvalState &state)
{
    qsizetype opens = 0;
    qsizetype closes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == u'*' || c == u'/' || c == u'^') && i + 2 < text.size() && text[i + 2] == u' ')
            state.error = EvalError::Operators;
        if (c == u'(')
            ++opens;
        else if (c == u')')
            ++closes;
    }
    if (opens != closes)
        state.error = EvalError::Parentheses;
}

void ApplyFunctions(QString &text, EvalState &state)
{
    qsizetype i = 1;
    while (i < text.size() && state.functionCount >= 1) {
        const qsizetype argStart = i + 4;
        if (isCodeAt(text, i) && argStart < text.size() &&
            (isDigit(text[argStart]) || text[argStart] == u'-' || text[argStart] == u'.')) {
            qsizetype argEnd = argStart;
            while (argEnd < text.size() && text[argEnd] != u')' && text[argEnd] != u' ')
                ++argEnd;
            const double x = DecimalRead(QStringView(text).mid(argStart, argEnd - argStart));
            double value = 0;
            if (!std::isfinite(x) ||
                !computeFunction(QStringView(text).mid(i, 3), x, state.angleMode, value)) {
                fail(state);
                return;
            }
            text.replace(i, argEnd - i, valueText(value));
            --state.functionCount;
            // The scan starts again from position 2; but codes that end more than
            // four positions before the value are unchanged and were not applicable,
            // so the first one that can be lies at most four positions back.
            i = std::max<qsizetype>(1, i - 4);
            continue;
        }
        ++i;
    }
}

void ReduceParentheses(QString &text, EvalState &state)
{
    while (state.openParenCount > 0) {
        const qsizetype open = text.lastIndexOf(u'(');
        if (open < 0)
            return;
        const qsizetype close = text.indexOf(u')', open + 1);
        if (close < 0) {
            // A ")" before its "(" passes the count check but can never be reduced.
            fail(state);
            return;
        }
        QString inner = text.mid(open + 1, close - open - 1);
        for (const QChar c : std::as_const(inner)) {
            if (c >= u'F' && c <= u'Y')
                return; // a function code: functions go first
        }
        NormaliseExpression(inner);
        ApplyOperators(inner, state);
        if (state.error != EvalError::None)
            return;
        text.replace(open, close - open + 1, inner);
        --state.openParenCount;
        NormaliseExpression(text);
    }
}

void ApplyOperators(QString &text, EvalState &state)
{
    NormaliseExpression(text);
    static const QString operators[] = {QStringLiteral(" ^ "), QStringLiteral(" / "), QStringLiteral(" * "),
                                        QStringLiteral(" - "), QStringLiteral(" + ")};
    for (;;) {
        bool applied = false;
        for (const QString &op : operators) {
            const qsizetype at = text.indexOf(op, 2);
            if (at < 0)
                continue;
            const qsizetype previousSpace = text.lastIndexOf(u' ', at - 1);
            const qsizetype rightStart = at + 3;
            const qsizetype nextSpace = rightStart < text.size() ? text.indexOf(u' ', rightStart + 1) : -1;
            if (previousSpace < 0 || nextSpace < 0) {
                fail(state); // an operand search ran off the text
                return;
            }
            const qsizetype leftStart = previousSpace + 1;
            const double left = DecimalRead(QStringView(text).mid(leftStart, at - leftStart));
            const double right = DecimalRead(QStringView(text).mid(rightStart, nextSpace - rightStart));
            double value = 0;
            if (!computeOperator(op[1], left, right, value)) {
                fail(state);
                return;
            }
            text.replace(leftStart, nextSpace - leftStart, valueText(value));
            --state.operatorCount;
            if (state.operatorCount < 1)
                return;
            applied = true;
            break;
        }
        if (!applied)
            return;
    }
}

EvalError EvaluateExpression(QString &text, AngleMode angleMode)
{
    EvalState state;
    state.angleMode = angleMode;
    if (text.size() > MaxTextLength)
        return EvalError::Impossible;
    NormaliseExpression(text);
    CheckExpression(text, state);
    if (state.error != EvalError::None)
        return state.error;
    CountTokens(text, state);
    if (state.error != EvalError::None)
        return state.error;

    QString previous;
    for (int cycle = 1;; ++cycle) {
        if (cycle > 1 && text == previous)
            NormaliseExpression(text);
        previous = text;
        if (cycle > MaxCycles)
            return EvalError::Impossible;
        if (state.functionCount > 0) {
            ApplyFunctions(text, state);
            if (state.error != EvalError::None)
                return state.error;
            NormaliseExpression(text);
        }
        if (state.openParenCount > 0) {
            ReduceParentheses(text, state);
            if (state.error != EvalError::None)
                return state.error;
        }
        CountTokens(text, state);
        if (state.error != EvalError::None)
            return state.error;
        if (state.functionCount >= 1 || state.openParenCount >= 1)
            continue;
        if (state.operatorCount > 0) {
            ApplyOperators(text, state);
            if (state.error != EvalError::None)
                return state.error;
            CountTokens(text, state);
            if (state.error != EvalError::None)
                return state.error;
        }
        if (state.operatorCount >= 1)
            continue;
        break;
    }
    text = TrimSpaces(text);
    if (text.contains(u' '))
        return EvalError::Impossible;
    return EvalError::None;
}

} // namespace vorlane
