#pragma once

// The seeded random expressions of the evaluator's fuzz test, shared with the
// golden-file test that records what the evaluator gives for them.
#include <QString>
#include <array>
#include <random>

namespace vorlane::testing {

// Characters the keys and the keyboard can put into an expression.
inline const QString Characters = QStringLiteral("0123456789.E()*+-/^ cosintavICOSNTAVlgexpSQRLD");

// Texts of the keys, so that function codes, spaced operators and unit prefixes
// come up often enough to reach the deeper steps.
inline const std::array<const char *, 34> Pieces = {
    "0",       "1",       "2",   "3",    "7",    "9",    ".",     "E",    "E-12",
    "E+3",     "E-3",     ")",   "(",    "(",    "cos ", "sin ",  "tan ", "invCOS ",
    "invSIN ", "invTAN ", "ln ", "log ", "exp ", "SQR ", "10 ^ ", "1 / ", "3.14159265358979",
    " ^ ",     " ^ 2",    " * ", " / ",  " + ",  "-",    " - "};

inline const std::array<const char *, 10> Functions = {"cos ",    "sin ", "tan ", "invCOS ", "invSIN ",
                                                       "invTAN ", "ln ",  "log ", "exp ",    "SQR "};
inline const std::array<const char *, 5> Operators = {" ^ ", " / ", " * ", " - ", " + "};

// A well-formed expression of roughly `budget` characters, so that long inputs
// also reach the end of the evaluation and not only its first checks.
inline QString wellFormed(std::mt19937 &rng, int budget, int depth = 0)
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
        // The operands of "+" are evaluated in no set order (GCC takes the right one
        // first, clang the left one): every draw is made in a statement of its own,
        // in the order the recorded expressions were drawn in, so that the sequence
        // is the same whatever the compiler.
        if (kind == 2) {
            const auto tenths = rng() % 10;
            const auto units = rng() % 50;
            return QStringLiteral("-") + QString::number(units) + u'.' + QString::number(tenths);
        }
        if (kind == 3) {
            const auto exponent = rng() % 5;
            const auto mantissa = rng() % 9 + 1;
            return QString::number(mantissa) + QStringLiteral("E-") + QString::number(exponent);
        }
        return QString::number(rng() % 20);
    };
    text += operand();
    while (text.size() < budget) {
        const QString right = operand();
        text += QString::fromLatin1(Operators[rng() % Operators.size()]) + right;
    }
    return text;
}

// One random expression of at most `maxLength` characters: loose characters, key
// texts (often with their parentheses balanced), or a well-formed expression.
inline QString randomExpression(std::mt19937 &rng, int maxLength)
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

} // namespace vorlane::testing
