#pragma once

#include "core/calc/expressionevaluator.h"

#include <QString>
#include <QtCore/qnamespace.h>
#include <optional>

namespace vorlane {

struct CalculatorMemory;

// The keys of the calculator window, named after its controls.
enum class CalculatorKey {
    B0,
    B1,
    B2,
    B3,
    B4,
    B5,
    B6,
    B7,
    B8,
    B9,     // digits
    Bpoint, // "."
    BtoEXP, // "EXP": the exponent letter "E"
    pico,
    nano,
    micro,
    mil, // "E-12", "E-9", "E-6", "E-3"
    kilo,
    mega,
    giga,
    tera, // "E+3", "E+6", "E+9", "E+12"
    bpf,  // ")"
    Bpo,  // "("
    Bcos,
    bsin,
    Btan, // cos, sin, tan
    invcos,
    invsin,
    Btoncommande3, // arc cosine, arc sine, arc tangent
    Bln,
    Blog,
    Bexp,      // ln, log, e to the x
    racine,    // square root
    B10x,      // ten to the x
    command5,  // 1/x
    pi,        // 3.14159265358979
    puissance, // x to the y
    btcarre,   // x squared
    multip,
    div,
    plus,
    moins,  // the four operations
    ANS,    // last answer
    EFFACE, // delete the last entry
    RAZ,    // "AC": clear the expression
    EXE,    // evaluate
    Command1,
    Command2,
    Command3,
    Command4, // M+, M-, RM, CM
};

// What the window does besides showing the display text after a key.
struct KeyEffect {
    bool beep = false;         // the evaluation failed or its result overflowed
    bool focusDisplay = false; // the display takes the focus (memory keys)
};

// The key a character typed on the keyboard stands for while the display has the
// focus: digits and "." themselves, "," the point too (the French keyboard's decimal
// separator: dropping it would turn 6,02E23 into 602E23), "E", "e", "D", "d" the
// exponent key, "(", ")", "*", "+", "-", "/", "^" their keys. Anything else: nothing
// (ignored). Backspace and Enter are not characters: see CalculatorKeyboardAction.
std::optional<CalculatorKey> CalculatorKeyForCharacter(QChar c);

// What a key pressed while the display has the focus does.
struct CalculatorKeyboardAction {
    enum class Kind {
        Ignore,    // swallowed: the display never edits its text itself
        Press,     // presses `key`
        Close,     // closes the calculator (Escape)
        MoveFocus, // left to the window: Tab and Shift+Tab move the focus
    };
    Kind kind = Kind::Ignore;
    CalculatorKey key = CalculatorKey::B0;
};

// The keyboard of the calculator: Backspace is EFFACE, Enter (either key) EXE,
// Escape closes the window, Tab and Shift+Tab move the focus; a single character
// typed without Ctrl or Alt goes through CalculatorKeyForCharacter (Alt is left to
// the keys' mnemonics); everything else is ignored.
CalculatorKeyboardAction CalculatorKeyboardActionFor(int key, Qt::KeyboardModifiers modifiers,
                                                     const QString &text);

// A finite value in the scientific display format "#.#######E+00": one digit, the
// point (always), up to seven more digits without trailing zeros, "E", the
// exponent's sign (always) and at least two exponent digits: 1.E+00, 2.5E-01,
// -1.2345679E+308. Zero is written 0.E+00. A value that is not finite gives the
// empty text.
QString ScientificText(double value);

// The calculator's key logic, without widgets: the window and the tool share it.
//
// The expression is built as text in the evaluator's notation; EXE hands a copy
// to EvaluateExpression and shows the value (Standard: its number text, leading
// space for a non-negative value; Scientific: ScientificText) or the error's
// message. The memory register is the session's, so it outlives the window.
class Calculator {
public:
    // Fields as the window has them when it loads: everything empty, LastError 0,
    // "Degrés" and "Standard" selected.
    explicit Calculator(CalculatorMemory &memory);

    // Shown in the display while EXE evaluates (four spaces before, five after).
    static QString BusyText();
    // Shown instead of a result that is beyond the range of a double.
    static QString OverflowText();

    const QString &expression() const { return m_expression; }
    // Replaces the expression as typing would have built it (the tool's entry).
    void setExpression(const QString &expression);

    // What the display `z1` shows.
    const QString &display() const { return m_display; }
    const QString &lastAnswer() const { return m_lastAnswer; }
    EvalError lastError() const { return m_lastError; }

    // "Angles" option: false "Degrés", true "Radians".
    bool radians() const { return m_radians; }
    void setRadians(bool radians) { m_radians = radians; }

    // "Affichage" option: false "Standard", true "Scientifique".
    bool scientific() const { return m_scientific; }
    // Sets the option without any other effect (initial choice).
    void setScientific(bool scientific) { m_scientific = scientific; }
    // The option clicked by the user: sets it and, when no expression is being
    // typed, shows the last answer again in that format.
    KeyEffect selectDisplayFormat(bool scientific);

    // One key of the window or of the keyboard.
    KeyEffect press(CalculatorKey key);

    // Appends an operand or a function name, with " * " before it when the
    // expression is not empty and ends with none of "(", "-" and a space
    // (implicit multiplication): 2 then cos gives "2 * cos ".
    void AppendOperand(const QString &text);

private:
    void append(const QString &text);
    void showExpression();
    void appendAnswer();
    void continueFromAnswer();
    void efface();
    KeyEffect exe();
    KeyEffect memoryChange(double sign);
    // The shown text of a value in the selected format; false when it overflowed.
    bool answerText(double value, QString &text) const;

    CalculatorMemory &m_memory;
    QString m_expression;
    QString m_display;
    QString m_lastAnswer;
    EvalError m_lastError = EvalError::None;
    bool m_radians = false;
    bool m_scientific = false;
    bool m_answerOverflowed = false; // the last EXE showed OverflowText()
};

} // namespace vorlane
