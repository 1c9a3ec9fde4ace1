#pragma once

#include "core/platform/desktop.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vorlane {

// The screen-configuration window `alerte` ("Affichage mal adapté"), shown
// modally while the screen is too narrow. Mode 1: the screen is too small and
// `Command3` ("Quitter") ends the program; mode 2: a larger area is only
// advised and `Command3` runs the program as it is. `Command2` opens the
// display settings, then gives way to `Command1`, which closes the window so
// that the screen is measured again.
class AlertWindow final : public QDialog {
    Q_OBJECT
public:
    AlertWindow(int mode, Desktop &desktop, QWidget *parent = nullptr);

    // True when the user chose to end the program (Command3 in mode 1).
    bool endProgram() const { return m_endProgram; }

    static QString labelText(int mode);

private:
    int m_mode;
    Desktop &m_desktop;
    bool m_endProgram = false;
    QPushButton *m_command1;
    QPushButton *m_command2;
    QPushButton *m_command3;
};

} // namespace vorlane
