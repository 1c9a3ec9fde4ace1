#pragma once

#include "core/calc/calculator.h"
#include "core/calc/calculatormemory.h"
#include "core/platform/desktop.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vorlane {

// The calculator window "Machine à calculer": a pocket scientific calculator,
// shown modally. The keys and the keyboard build the expression shown in the
// display `z1`; EXE shows the value or an error message. All key logic is the
// core Calculator's; this window only lays out the controls, forwards clicks and
// typed keys, shows the display and paints its background.
//
// Controls carry the object names of the keys (`B0`...`B9`, `Bpoint`, `BtoEXP`,
// `pico`...`tera`, `bpf`, `Bpo`, `Bcos`, `bsin`, `Btan`, `invcos`, `invsin`,
// `Btoncommande3`, `Bln`, `Blog`, `Bexp`, `racine`, `B10x`, `command5`, `pi`,
// `puissance`, `btcarre`, `multip`, `div`, `plus`, `moins`, `ANS`, `EFFACE`, `RAZ`,
// `EXE`, `Command1`...`Command4`), the display `z1`, the option buttons `angle0`
// "Degrés", `angle1` "Radians", `C0` "Scientifique", `C1` "Standard" (button
// groups `angle` and `C`, ids 0 and 1).
//
// Typed keys reach the calculator while the display has the focus: digits, "." and
// "," (both the point), E/e/D/d (exponent), ( ) * + - / ^, Backspace (EFFACE) and
// Enter (EXE); Escape closes the window (from any control); the display never takes
// a character itself. Tab still moves the focus.
class Machine : public QDialog {
    Q_OBJECT

public:
    // The memory register is the session's (it survives closing the window).
    // The desktop beeps after a failed evaluation.
    Machine(CalculatorMemory &memory, Desktop &desktop, QWidget *parent = nullptr);

    // What the course window's calculator button does: places the calculator 240
    // twips (16 pixels) right of the course window's left edge and 1800 twips (120
    // pixels) below its top edge (outer edges), then shows it modally. Returns when
    // the calculator is closed.
    static void openFromCourseWindow(QWidget &courseWindow, CalculatorMemory &memory, Desktop &desktop);

    // Where openFromCourseWindow puts the calculator's outer top-left corner.
    static QPoint placeForCourseWindow(const QWidget &courseWindow);

    // Shows a new calculator modally over `parent` with its outer top-left corner
    // at `topLeft` (global pixels); for callers that place it themselves, such as
    // the test window. Returns when the calculator is closed.
    static void openAt(QWidget *parent, CalculatorMemory &memory, Desktop &desktop, const QPoint &topLeft);

    const Calculator &calculator() const { return m_calculator; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildKeys();
    void buildOptions();
    QPushButton *addKey(CalculatorKey key, const char *name, const QString &caption, const QString &toolTip,
                        const QRect &geometry);
    void press(CalculatorKey key);
    void displayOptionClicked(bool scientific);
    void applyEffect(const KeyEffect &effect);
    void showDisplay(const QString &text);

    Calculator m_calculator;
    Desktop &m_desktop;
    QLineEdit *m_display = nullptr;
};

} // namespace vorlane
