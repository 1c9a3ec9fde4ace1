#pragma once

#include <QString>
#include <cstdint>

namespace vorlane {

// Outcome of an evaluation; the numbers are the codes the calculator reports.
enum class EvalError : int {
    None = 0,        // success: the text holds the value
    Impossible = 1,  // any arithmetic failure, no result after 100 cycles, or a result
                     // that is not a single number
    Parentheses = 2, // as many "(" as ")" is required
    Operators = 3,   // "*", "/" or "^" without a right operand
};

// Unit of the arguments of SIN, COS, TAN and of the results of ISI, ICO, ITA.
enum class AngleMode : int { Degrees = 0, Radians = 1 };

// The calculator's French message for an error code ("Calcul impossible"...);
// the empty text for EvalError::None.
QString EvalErrorMessage(EvalError error);

// What the evaluation steps share. The three counters are 16-bit, as the counts
// of the expression are: a count that does not fit makes the evaluation
// impossible (error 1) instead of wrapping.
struct EvalState {
    std::int16_t openParenCount = 0; // number of "("
    std::int16_t functionCount = 0;  // occurrences of the ten function codes
    std::int16_t operatorCount = 0;  // occurrences of " + ", " - ", " * ", " / ", " ^ "
    EvalError error = EvalError::None;
    AngleMode angleMode = AngleMode::Degrees;
};

// Evaluates a calculator expression by rewriting its text: each evaluated piece
// is replaced by the text of its value (NumberText, trimmed) and every operand
// is read back with DecimalRead, cycle after cycle, until one number is left.
//
// Notation: numbers as DecimalRead reads them ("-3", ".5", "1E+3"); the
// functions "cos ", "sin ", "tan ", "invCOS ", "invSIN ", "invTAN ", "log "
// (base 10), "ln ", "exp ", "SQR " (any letter case), each applying to the number
// right after it; the binary operators "^", "/", "*", "-", "+", bound in that
// order, each left to right; parentheses. Spaces are ignored ("2 3" is 23). A sign
// written before a number belongs to it (-3^2 is 9).
//
// On success returns EvalError::None and leaves the result in `text`, trimmed (the
// empty expression gives the empty text; a word that is no function survives as
// it is). On failure the text is in an unspecified intermediate state: callers
// keep their own copy. Always ends: at most 100 cycles, each of bounded work.
// Positions in the text are 16-bit like the counters: a text longer than 32,767
// characters, as given or at any count of its tokens, gives error 1.
EvalError EvaluateExpression(QString &text, AngleMode angleMode);

// The steps of EvaluateExpression, usable one by one.

// Upper case, spaces removed, sign pairs folded ("--" to "+", "+-" and "-+" to
// "-", "++" to "+"), a leading "+" dropped, parentheses around a plain number
// ("(-5)") dropped, all repeated until nothing changes; then SpaceExpression.
void NormaliseExpression(QString &text);

// Puts the text in spaced form: one space before and after the whole text, one
// space on each side of every binary operator, one space after every function
// code ("LN" becomes "LON", "INVCOS"/"INVSIN"/"INVTAN" become "ICO"/"ISI"/"ITA"),
// no other space. A "+" or "-" right after "E" or "D" is an exponent sign and a
// "-" right after "(" or a space starts a negative number: both stay attached.
void SpaceExpression(QString &text);

// Sets the three counters of `state` from the spaced text (error 1 when a count
// or the length of the text exceeds the 16-bit range).
void CountTokens(const QString &text, EvalState &state);

// Run once on the normalised text before any evaluation: error 3 when a "*",
// "/" or "^" has a space two positions after it, error 2 (over 3) when the counts
// of "(" and ")" differ.
void CheckExpression(const QString &text, EvalState &state);

// Replaces every function code whose argument is already a number (first
// character a digit, "-" or ".") by its value, decrementing functionCount; a code
// followed by anything else waits for a later cycle. Arithmetic failure: error 1.
void ApplyFunctions(QString &text, EvalState &state);

// Evaluates the innermost parenthesised groups that hold no function code,
// replacing each group by its value, while openParenCount is above 0. A "(" with
// no ")" after it makes the evaluation impossible (error 1).
void ReduceParentheses(QString &text, EvalState &state);

// Applies the spaced binary operators, " ^ " first, then " / ", " * ", " - ",
// " + ", the leftmost occurrence first, until none is left or operatorCount falls
// below 1. An operator with no operand on one side, or an arithmetic failure,
// gives error 1.
void ApplyOperators(QString &text, EvalState &state);

} // namespace vorlane
