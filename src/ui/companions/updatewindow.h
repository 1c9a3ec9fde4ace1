#pragma once

#include "core/companions/updateinstaller.h"
#include "core/platform/files.h"
#include "core/platform/processes.h"
#include "core/platform/prompts.h"
#include "core/records/statefile.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vorlane {

// The update window `maj2001`: describes the installed software (records 32
// and 33 of the state file, the version, the date of the executable) on a
// blue-to-black backdrop under a shadowed title, and offers INSTALLTS.EXE
// (`Command1`), MAJTS.EXE (`Command2`) or closing (`Command3`).
class UpdateWindow final : public QDialog {
    Q_OBJECT
public:
    // `executable`: the program file whose date is shown.
    // `stateMemory`: the state file's records when the folder may not be
    // written (StateFile).
    UpdateWindow(const QString &applicationFolder, const QString &executable, const Files &files,
                 Processes &processes, Prompts &prompts, QWidget *parent = nullptr,
                 StateMemory *stateMemory = nullptr);

    // True once an installer or updater was started: the program ends.
    bool endProgram() const { return m_endProgram; }

    static QString caption(int button);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void runProgram(UpdateInstaller::Program program);

    UpdateInstaller m_installer;
    bool m_endProgram = false;
    QLabel *m_label;
};

} // namespace vorlane
