#pragma once

#include "core/course/modulestate.h"
#include "core/platform/files.h"
#include "core/platform/processes.h"
#include "core/platform/topwindows.h"

#include <QList>
#include <QSet>
#include <QString>

namespace vorlane {

// The work of the closing window `Fermeur`: asks the companion programs still
// open to quit, then starts REFUNST.EXE from the application folder.
class CompanionCloser {
public:
    CompanionCloser(QString applicationFolder, ModuleState &session, const Files &files, Processes &processes,
                    TopWindows &windows);

    // What one run did, for the window and for tests.
    struct Report {
        int runningModules = 0;    // CountRunningModules(20), kept in currentModule
        int walks = 0;             // window lists walked (0 or 20)
        QList<quint64> quitPosted; // one entry per matching slot, in order
        TaskId refunst = 0;        // 0: absent or not started
        bool refunstFound = false;
    };

    // When CountRunningModules(20) is above 0, walks the top-level windows once
    // per title slot (0..19) and asks every window whose title matches the
    // slot to quit; untitled windows and `ownWindows` (this program's) are
    // never examined. Then starts REFUNST.EXE when the application folder holds
    // it (a missing file is no error). Never waits, never kills.
    Report CloseCompanions(const QSet<quint64> &ownWindows);

    static QString finalProgram() { return QStringLiteral("REFUNST.EXE"); }

private:
    QString m_folder;
    ModuleState &m_session;
    const Files &m_files;
    Processes &m_processes;
    TopWindows &m_windows;
};

} // namespace vorlane
