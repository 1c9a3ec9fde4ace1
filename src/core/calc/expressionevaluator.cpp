#include "core/calc/expressionevaluator.h"

#include "core/text/decimal.h"
#include "core/text/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

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
    const char16_t a = t[i].unicode();
    if (a < u'C' || a > u'T') // the first letters of the codes lie from C to T
        return false;
    const char16_t b = t[i + 1].unicode();
    const char16_t c = t[i + 2].unicode();
    for (const auto &code : FunctionCodes) {
        if (code[0] == a && code[1] == b && code[2] == c)
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

// The text of an evaluation step as a gap buffer: the characters before and after an
// edit point, with free room between them. A replacement moves the edit point to its
// place (copying only the characters between the old and the new place) and writes
// there, so a step costs what it rewrites and how far it is from the previous one,
// not the length of the whole text as QString::replace would.
class GapText {
public:
    explicit GapText(QStringView text) { assign(text); }

    void assign(QStringView text)
    {
        m_buf.assign(text.utf16(), text.utf16() + text.size());
        m_buf.resize(m_buf.size() + MinGap);
        m_gapStart = text.size();
        m_gapEnd = qsizetype(m_buf.size());
    }

    qsizetype size() const { return qsizetype(m_buf.size()) - (m_gapEnd - m_gapStart); }

    char16_t at(qsizetype i) const { return i < m_gapStart ? m_buf[i] : m_buf[i + (m_gapEnd - m_gapStart)]; }

    QString mid(qsizetype pos, qsizetype length) const
    {
        QString out(length, Qt::Uninitialized);
        QChar *dst = out.data();
        for (qsizetype k = 0; k < length; ++k)
            dst[k] = QChar(at(pos + k));
        return out;
    }

    QString toString() const { return mid(0, size()); }

    // Replaces `length` characters at `pos` by `with`.
    void replace(qsizetype pos, qsizetype length, QStringView with)
    {
        moveGap(pos + length);
        m_gapStart = pos;
        if (m_gapEnd - m_gapStart < with.size())
            grow(with.size());
        std::copy(with.utf16(), with.utf16() + with.size(), m_buf.begin() + m_gapStart);
        m_gapStart += with.size();
    }

    qsizetype indexOf(char16_t c, qsizetype from) const
    {
        for (qsizetype i = std::max<qsizetype>(from, 0); i < size(); ++i) {
            if (at(i) == c)
                return i;
        }
        return -1;
    }

    qsizetype lastIndexOf(char16_t c, qsizetype from) const
    {
        for (qsizetype i = std::min(from, size() - 1); i >= 0; --i) {
            if (at(i) == c)
                return i;
        }
        return -1;
    }

    // First spaced operator " op " at or after `from`.
    qsizetype indexOfSpaced(char16_t op, qsizetype from) const
    {
        for (qsizetype i = std::max<qsizetype>(from, 0); i + 2 < size(); ++i) {
            if (at(i + 1) == op && at(i) == u' ' && at(i + 2) == u' ')
                return i;
        }
        return -1;
    }

private:
    static constexpr qsizetype MinGap = 64;

    void moveGap(qsizetype pos)
    {
        const qsizetype gap = m_gapEnd - m_gapStart;
        if (pos < m_gapStart) {
            std::copy_backward(m_buf.begin() + pos, m_buf.begin() + m_gapStart, m_buf.begin() + m_gapEnd);
        } else if (pos > m_gapStart) {
            std::copy(m_buf.begin() + m_gapEnd, m_buf.begin() + pos + gap, m_buf.begin() + m_gapStart);
        }
        m_gapStart = pos;
        m_gapEnd = pos + gap;
    }

    void grow(qsizetype needed)
    {
        const qsizetype extra = std::max<qsizetype>(needed + MinGap, qsizetype(m_buf.size()) / 2);
        m_buf.insert(m_buf.begin() + m_gapEnd, std::size_t(extra), u'\0');
        m_gapEnd += extra;
    }

    std::vector<char16_t> m_buf;
    qsizetype m_gapStart = 0;
    qsizetype m_gapEnd = 0;
};

bool isAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isOperatorChar(char16_t c)
{
    return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'^';
}

bool isNumberEnd(char16_t c)
{
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u')';
}

// Whether no rewrite of the spacing that starts before `pos` reaches `pos`, in a text
// already in upper case whose character at `pos` is no letter. Codes and "LN" are
// letters only, so they never reach past a character that is no letter; "INV" takes the
// three characters after it: an "INV" among the last five characters before `pos`
// (spaces are removed first, so they do not count) reaches it.
template <typename Text>
bool noRewriteReaches(const Text &text, qsizetype pos)
{
    char16_t last[5] = {};
    int seen = 0;
    for (qsizetype i = pos - 1; i >= 0 && seen < 5; --i) {
        const char16_t c = QChar(text.at(i)).unicode();
        if (c != u' ')
            last[seen++] = c; // last[0] is the nearest
    }
    for (int k = 2; k < seen; ++k) {
        if (last[k] == u'I' && last[k - 1] == u'N' && last[k - 2] == u'V')
            return false;
    }
    return true;
}

// Where the normalisation of the text (NormaliseExpression) can be cut: the text before
// a cut and the text after it are normalised each on its own, with no character of one
// side changing what becomes of the other. A text that is already normalised (its own
// normal form) keeps every part that a change does not reach, so after a change between
// two cuts, normalising what lies between them gives the normal form of the whole text.
// The kinds of cuts, found around the change:
//  - the text's start or end;
//  - before a "(" that stays (it is not around a plain number): signs do not pair
//    across it and no ")" after it looks back past it;
//  - before a spaced operator whose left neighbour is a digit, a point or ")": the
//    window is normalised with a "0" in front, which plays the neighbour's part (a sign
//    after it is an operator, no "(" before it);
//  - after a ")" followed by ")", when the first one stays (it was not the end of a
//    plain number in parentheses);
//  - before a spaced operator that follows a digit, a point or ")" in the result;
//  - before a digit or a point, when no "(" in the result can be taken away by a ")"
//    closing a plain number that goes on after the cut: values written one after
//    another make one long number ("(1+1)(2+2)" gives 24), which stays out of the window.
// No cut is taken where an "INV" just before it would reach past it.
enum class LeftCut { Start, Paren, Operator };
enum class RightCut { End, Paren, Operator, Digit };

qsizetype findLeftCut(const GapText &text, qsizetype from, LeftCut &kind)
{
    for (qsizetype i = from; i > 0; --i) {
        const char16_t c = text.at(i);
        if (c == u'(' && noRewriteReaches(text, i)) {
            kind = LeftCut::Paren;
            return i;
        }
        if (isOperatorChar(c) && i >= 2 && i + 1 < text.size() && text.at(i - 1) == u' ' &&
            text.at(i + 1) == u' ' && isNumberEnd(text.at(i - 2)) && noRewriteReaches(text, i - 1)) {
            kind = LeftCut::Operator;
            return i;
        }
    }
    kind = LeftCut::Start;
    return 0;
}

qsizetype findRightCut(const GapText &text, qsizetype from, RightCut &kind)
{
    for (qsizetype j = from; j < text.size(); ++j) {
        const char16_t c = text.at(j);
        if (c == u')' && j + 1 < text.size() && text.at(j + 1) == u')' && noRewriteReaches(text, j + 1)) {
            kind = RightCut::Paren;
            return j + 1;
        }
        if (c == u' ' && j + 2 < text.size() && isOperatorChar(text.at(j + 1)) && text.at(j + 2) == u' ' &&
            noRewriteReaches(text, j)) {
            kind = RightCut::Operator;
            return j;
        }
        if ((isDigit(c) || c == u'.') && noRewriteReaches(text, j)) {
            kind = RightCut::Digit;
            return j;
        }
    }
    kind = RightCut::End;
    return text.size();
}

// Whether the text holds only ASCII characters and no letter but the exponent's "E" and
// "D": the spacing rewrites nothing in it, so a normal form of it is its own normal form
// (the signs are folded and the plain numbers unwrapped to the end, and only spaces
// are added).
bool isPlain(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u > 0x7f || (isAsciiLetter(u) && u != u'E' && u != u'D'))
            return false;
    }
    return true;
}

// The normal form of the window between two cuts, as it stands in the whole text:
// `window` is the text from the left cut to the right cut. False, with `leftHolds` or
// `rightHolds` false, when a cut does not hold for this window (the "(" or ")" it relies
// on went, or what is left beside an operator is no longer the end of a number).
bool normaliseWindow(const QString &window, LeftCut left, RightCut right, QString &piece, bool &leftHolds,
                     bool &rightHolds)
{
    QString out = left == LeftCut::Operator ? u'0' + window : window;
    NormaliseExpression(out);
    // out is " ", the window's normal form and " " (with "0 " in front for an operator).
    const qsizetype lead = left == LeftCut::Start ? 0 : left == LeftCut::Paren ? 1 : 2;
    leftHolds = left == LeftCut::Start ||
                out.startsWith(left == LeftCut::Paren ? QStringLiteral(" (") : QStringLiteral(" 0 "));
    rightHolds = true;
    if (right != RightCut::End) {
        out.chop(1);
        const char16_t last = out.size() > lead ? out.back().unicode() : u' ';
        if (right == RightCut::Paren) {
            rightHolds = last == u')';
        } else if (right == RightCut::Operator) {
            rightHolds = isNumberEnd(last);
        } else {
            // A ")" after the number would look back past its digits and points, then
            // one sign, for a "(" to take away; spaces are gone by then.
            qsizetype k = out.size();
            auto skipSpaces = [&]() {
                while (k > lead && out[k - 1] == u' ')
                    --k;
            };
            skipSpaces();
            while (k > lead && (isDigit(out[k - 1]) || out[k - 1] == u'.' || out[k - 1] == u' '))
                --k;
            skipSpaces();
            if (k > lead && (out[k - 1] == u'+' || out[k - 1] == u'-'))
                --k;
            skipSpaces();
            rightHolds = k > lead && out[k - 1] != u'(';
        }
        rightHolds = rightHolds && noRewriteReaches(out, out.size());
    }
    if (!leftHolds || !rightHolds)
        return false;
    piece = out.mid(lead);
    return true;
}

// After `text`, a text equal to its own normal form, had the characters from `start` to
// `end` replaced, gives it its normal form again by normalising only a window around the
// change, and sets `windowEnd` to the end of that window in the new text. False when no
// such window is found whose new text is its own normal form (the caller then
// normalises the whole text).
bool normaliseAround(GapText &text, qsizetype start, qsizetype end, qsizetype &windowEnd)
{
    LeftCut leftKind = LeftCut::Start;
    RightCut rightKind = RightCut::End;
    qsizetype left = findLeftCut(text, start - 1, leftKind);
    qsizetype right = findRightCut(text, end, rightKind);
    for (int attempt = 0; attempt < 16; ++attempt) {
        QString piece;
        bool leftHolds = true;
        bool rightHolds = true;
        if (!normaliseWindow(text.mid(left, right - left), leftKind, rightKind, piece, leftHolds,
                             rightHolds)) {
            if (!leftHolds)
                left = findLeftCut(text, left - 1, leftKind);
            if (!rightHolds) {
                qsizetype next = right + 1;
                if (rightKind == RightCut::Paren)
                    next = right;
                while (rightKind == RightCut::Digit && next < text.size() &&
                       (isDigit(text.at(next)) || text.at(next) == u'.'))
                    ++next; // past the number
                right = findRightCut(text, next, rightKind);
            }
            continue;
        }
        // The window's new text must be its own normal form, so that the whole text
        // is still equal to its normal form for the next change (a plain text is).
        QString again;
        if (!isPlain(piece) && (!normaliseWindow(leftKind == LeftCut::Operator ? piece.mid(1) : piece,
                                                 leftKind, rightKind, again, leftHolds, rightHolds) ||
                                again != piece))
            return false;
        const qsizetype from = leftKind == LeftCut::Operator ? left - 1 : left;
        text.replace(from, right - from, piece);
        windowEnd = from + piece.size();
        return true;
    }
    return false;
}

// A character that can stand in a group's value that no step rewrites: neither a
// control character, space, parenthesis, "*", "/" nor "^", no letter from F to Y (those
// of the function codes, "LN" and "INV"), no small letter and no other character that
// the upper case changes (the normal form is in upper case), no half of a surrogate
// pair (two halves side by side could change together). Such a value is a text, not a
// number ("1E1E1", "A1"), when it holds any character but digits, points and signs.
bool isInertChar(char16_t c)
{
    if (c >= 0x80) {
        if (QChar::isSurrogate(c))
            return false;
        const QChar one(c);
        return QStringView(&one, 1).toString().toUpper() == QStringView(&one, 1);
    }
    if (c <= u' ' || c == 0x7f || (c >= u'F' && c <= u'Y') || (c >= u'a' && c <= u'z'))
        return false;
    return c != u'(' && c != u')' && c != u'*' && c != u'/' && c != u'^';
}

bool isSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

// Groups reduced without rewriting their content. In a text that is its own normal
// form, a group whose characters are all inert (isInertChar), with at least one that is
// no digit, point or sign, evaluates to its own content: no operator, code or rewrite
// of the spacing is in it. Replacing it by its value and normalising again then only
// takes its two parentheses away, when nothing around them joins the value's first or
// last character (sign pairs, a "-" that becomes an operator, letters that make a code,
// an exponent sign); and a ")" after it cannot take a "(" away, since its look back
// for a plain number stops at the character that is no digit, point or sign.
//
// Taking the two parentheses out of the buffer would move everything between them,
// which is what makes nested text values cost the square of their length; instead the
// parentheses are left where they are and the group is remembered as unwrapped. A
// group around unwrapped groups skips over them without reading them again. The
// parentheses of all the unwrapped groups are taken out at once by flush(), before any
// other step reads the text.
class InertGroups {
public:
    explicit InertGroups(GapText &text) : m_text(text) {}

    bool empty() const { return m_groups.empty(); }

    // Where the leftmost unwrapped group starts: every "(" still to reduce lies before
    // it.
    qsizetype leftmost() const { return m_groups.back().open; }

    // Unwraps the group whose "(" is at `open`, the last "(" still to reduce, when it is
    // such a group. The text must be its own normal form, once the parentheses of the
    // unwrapped groups are taken out.
    bool unwrap(qsizetype open)
    {
        if (open < 1 || !noRewriteReaches(m_text, open))
            return false;
        // The groups are kept from right to left: those inside this one are the last.
        std::size_t k = m_groups.size();
        char16_t first = 0;
        char16_t last = 0;
        bool text = false; // a character that is no digit, point or sign
        qsizetype pos = open + 1;
        for (;;) {
            if (k > 0 && m_groups[k - 1].open == pos) {
                const Group &inside = m_groups[--k];
                if (first == 0)
                    first = inside.first;
                last = inside.last;
                text = true;
                pos = inside.close + 1;
                continue;
            }
            if (pos >= m_text.size())
                return false; // no ")": the evaluation fails, as the other steps say
            const char16_t c = m_text.at(pos);
            if (c == u')')
                break;
            if (!isInertChar(c))
                return false;
            if (first == 0)
                first = c;
            last = c;
            text = text || !(isDigit(c) || c == u'.' || isSign(c));
            ++pos;
        }
        const qsizetype close = pos;
        if (!text)
            return false;

        // The value's first character beside what comes before the "(" (spaces aside, as
        // the normalisation removes them first). The only code that can end with a
        // letter of a value is "ITA".
        const char16_t before = m_text.at(open - 1);
        char16_t previous[2] = {u' ', u' '}; // the nearest first
        for (qsizetype i = open - 1, seen = 0; i >= 0 && seen < 2; --i) {
            if (m_text.at(i) != u' ')
                previous[seen++] = m_text.at(i);
        }
        if (first == u'+') // never so in a normal form, where such a "+" is spaced
            return false;
        if (first == u'-' &&
            (isSign(previous[0]) || !(before == u'(' || before == u' ' || before == u'E' || before == u'D')))
            return false;
        if (first == u'A' && previous[0] == u'T' && previous[1] == u'I')
            return false;

        // Its last character beside what comes after the ")", which may be the first
        // character of an unwrapped group.
        qsizetype j = close + 1;
        while (j < m_text.size() && m_text.at(j) == u' ')
            ++j;
        char16_t next = u' ';
        if (k > 0 && m_groups[k - 1].open == j)
            next = m_groups[k - 1].first;
        else if (j < m_text.size())
            next = m_text.at(j);
        // The codes that can start with a letter of a value are "COS" and "EXP"; a sign
        // after "E" or "D" is an exponent's.
        if (isSign(last))
            return false;
        if ((last == u'C' || last == u'E') && isAsciiLetter(next))
            return false;
        if ((last == u'E' || last == u'D') && isSign(next))
            return false;

        m_groups.resize(k);
        m_groups.push_back({open, close, first, last});
        return true;
    }

    // Takes the parentheses of the unwrapped groups out of the text; returns where the
    // first of them was (every "(" left lies before it).
    qsizetype flush()
    {
        const qsizetype from = m_groups.back().open;
        const qsizetype to = m_groups.front().close + 1;
        QString out;
        out.reserve(to - from);
        qsizetype pos = from;
        for (auto g = m_groups.rbegin(); g != m_groups.rend(); ++g) {
            for (; pos < g->open; ++pos)
                out += QChar(m_text.at(pos));
            // Inside an unwrapped group every parenthesis is one of an unwrapped group.
            for (; pos <= g->close; ++pos) {
                const char16_t c = m_text.at(pos);
                if (c != u'(' && c != u')')
                    out += QChar(c);
            }
        }
        m_text.replace(from, to - from, out);
        m_groups.clear();
        return from;
    }

private:
    struct Group {
        qsizetype open; // its "(" and ")", still in the text
        qsizetype close;
        char16_t first; // the first and last characters of its value
        char16_t last;
    };

    GapText &m_text;
    std::vector<Group> m_groups; // from right to left, none inside another
};

void fail(EvalState &state)
{
    state.error = EvalError::Impossible;
}

// ApplyOperators on a text already normalised.
void applySpacedOperators(QString &text, EvalState &state);

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
    // Each group is replaced by its value and the whole text normalised again. The
    // text is kept in a gap buffer and, while it is its own normal form, only a window
    // around the replaced group is normalised (normaliseAround); the groups are reduced
    // from the last "(" backwards, so each step works near the previous one. Normalising
    // is not always idempotent (loose letters: "IINVNV" gives "IINV", which gives "II"), so
    // the first step normalises the whole text and checks that a second pass keeps it.
    GapText buf(text);
    bool stable = false;                   // buf is its own normal form
    bool unstable = false;                 // a normal form was found that is not: no more windows
    qsizetype searchFrom = buf.size() - 1; // no "(" after it
    auto normaliseAll = [&]() {
        QString all = buf.toString();
        NormaliseExpression(all);
        if (!unstable) {
            QString again = all;
            NormaliseExpression(again);
            stable = again == all;
            unstable = !stable;
        }
        buf.assign(all);
        searchFrom = buf.size() - 1;
    };
    InertGroups inert(buf);
    while (state.openParenCount > 0) {
        const qsizetype open =
            buf.lastIndexOf(u'(', inert.empty() ? searchFrom : std::min(searchFrom, inert.leftmost() - 1));
        if (open >= 0 && stable && inert.unwrap(open)) {
            --state.openParenCount;
            continue;
        }
        if (!inert.empty())
            searchFrom = inert.flush() - 1; // before `open`: the group's place is unchanged
        if (open < 0)
            break;
        const qsizetype close = buf.indexOf(u')', open + 1);
        if (close < 0) {
            // A ")" before its "(" passes the count check but can never be reduced.
            fail(state);
            break;
        }
        QString inner = buf.mid(open + 1, close - open - 1);
        bool hasFunction = false;
        for (const QChar c : std::as_const(inner)) {
            if (c >= u'F' && c <= u'Y') {
                hasFunction = true; // a function code: functions go first
                break;
            }
        }
        if (hasFunction)
            break;
        NormaliseExpression(inner);
        if (!isPlain(inner))
            NormaliseExpression(inner); // as ApplyOperators does
        applySpacedOperators(inner, state);
        if (state.error != EvalError::None)
            break;
        buf.replace(open, close - open + 1, inner);
        --state.openParenCount;
        qsizetype windowEnd = 0;
        if (stable && normaliseAround(buf, open, open + inner.size(), windowEnd))
            searchFrom = windowEnd - 1;
        else
            normaliseAll();
    }
    if (!inert.empty())
        inert.flush();
    text = buf.toString();
}

void ApplyOperators(QString &text, EvalState &state)
{
    NormaliseExpression(text);
    applySpacedOperators(text, state);
}

namespace {

void applySpacedOperators(QString &text, EvalState &state)
{
    static constexpr char16_t operators[] = {u'^', u'/', u'*', u'-', u'+'};
    // Replacing an operation by its value never makes a new spaced operator (the value
    // has no space and takes the place of the two operands, which lie between spaces),
    // so each operator's leftmost occurrence is only searched for from where the
    // previous search stopped: nothing before `from[k]` is operator k.
    qsizetype from[5] = {2, 2, 2, 2, 2};
    GapText buf(text);
    for (;;) {
        bool applied = false;
        for (int k = 0; k < 5; ++k) {
            const char16_t op = operators[k];
            const qsizetype at = buf.indexOfSpaced(op, from[k]);
            if (at < 0) {
                from[k] = std::max<qsizetype>(2, buf.size());
                continue;
            }
            from[k] = at;
            const qsizetype previousSpace = buf.lastIndexOf(u' ', at - 1);
            const qsizetype rightStart = at + 3;
            const qsizetype nextSpace = rightStart < buf.size() ? buf.indexOf(u' ', rightStart + 1) : -1;
            if (previousSpace < 0 || nextSpace < 0) {
                fail(state); // an operand search ran off the text
                text = buf.toString();
                return;
            }
            const qsizetype leftStart = previousSpace + 1;
            const double left = DecimalRead(buf.mid(leftStart, at - leftStart));
            const double right = DecimalRead(buf.mid(rightStart, nextSpace - rightStart));
            double value = 0;
            if (!computeOperator(QChar(op), left, right, value)) {
                fail(state);
                text = buf.toString();
                return;
            }
            const QString valueString = valueText(value);
            buf.replace(leftStart, nextSpace - leftStart, valueString);
            // Positions before leftStart - 2 are unchanged; from there to the value's
            // end no spaced operator can be; after it the text is shifted.
            const qsizetype valueEnd = leftStart + valueString.size();
            const qsizetype shift = valueString.size() - (nextSpace - leftStart);
            for (qsizetype &f : from) {
                if (f > nextSpace)
                    f += shift;
                else if (f > leftStart - 2)
                    f = valueEnd;
            }
            --state.operatorCount;
            if (state.operatorCount < 1) {
                text = buf.toString();
                return;
            }
            applied = true;
            break;
        }
        if (!applied) {
            text = buf.toString();
            return;
        }
    }
}

} // namespace

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
    // A cycle's work depends only on the text it starts from (once the first test
    // below is made) and on the counters; when both are as they were one cycle
    // earlier, every later cycle repeats it and the evaluation ends as it does after
    // the last cycle, with this text.
    QString repeated;
    EvalState repeatedState;
    for (int cycle = 1;; ++cycle) {
        if (cycle > 1 && text == previous)
            NormaliseExpression(text);
        previous = text;
        if (cycle > MaxCycles)
            return EvalError::Impossible;
        if (cycle > 1 && text == repeated && state.openParenCount == repeatedState.openParenCount &&
            state.functionCount == repeatedState.functionCount &&
            state.operatorCount == repeatedState.operatorCount)
            return EvalError::Impossible;
        repeated = text;
        repeatedState = state;
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
