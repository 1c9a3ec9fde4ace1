#include "core/companions/companioncloser.h"

#include "core/companions/companiontitles.h"
#include "core/records/statefile.h"
#include "core/text/int16.h"

namespace vorlane {

CompanionCloser::CompanionCloser(QString applicationFolder, ModuleState &session, const Files &files,
                                 Processes &processes, TopWindows &windows)
    : m_folder(WithFinalSlash(applicationFolder)), m_session(session), m_files(files), m_processes(processes),
      m_windows(windows)
{
}

CompanionCloser::Report CompanionCloser::CloseCompanions(const QSet<quint64> &ownWindows)
{
    Report report;
    m_session.currentModule = 20;
    report.runningModules = StateFile(m_folder, &m_session.stateMemory).CountRunningModules(20);
    AssignInt16(m_session.currentModule, report.runningModules);

    if (report.runningModules > 0) {
        for (int slot = 0; slot < kCompanionTitleSlots; ++slot) {
            // A fresh list per slot: windows asked to quit may be gone already.
            const QList<TopWindow> windows = m_windows.list();
            ++report.walks;
            for (const TopWindow &w : windows) {
                if (w.title.isEmpty() || ownWindows.contains(w.id))
                    continue;
                if (TitleMatchesSlot(w.title, slot) && m_windows.postQuit(w.id))
                    report.quitPosted.append(w.id);
            }
        }
    }

    const QString program = m_folder + finalProgram();
    if (const std::optional<QString> path = m_files.resolve(program)) {
        report.refunstFound = true;
        report.refunst = m_processes.start(*path, {}, WindowShow::NormalFocused);
    }
    return report;
}

} // namespace vorlane
