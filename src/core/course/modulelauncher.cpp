#include "core/course/modulelauncher.h"

#include "core/course/launchcode.h"
#include "core/records/statefile.h"
#include "core/text/int16.h"

namespace vorlane {

ModuleLauncher::ModuleLauncher(QString applicationFolder, ModuleState &session, const Files &files,
                               Processes &processes, Prompts &prompts)
    : m_folder(WithFinalSlash(applicationFolder)), m_session(session), m_files(files), m_processes(processes),
      m_prompts(prompts)
{
}

Message ModuleLauncher::confirmationMessage()
{
    return {QStringLiteral("Confirmez-vous cette commande ?\n") +
                QString::fromUtf8("Il y a déjà un module en cours d'exécution."),
            QStringLiteral("Vorlane"), MessageIcon::Question, MessageButtons::YesNo};
}

ModuleLauncher::Outcome ModuleLauncher::LaunchModule(int code)
{
    const LaunchRequest request = DecodeLaunchCode(code);
    const StateFile state(m_folder, &m_session.stateMemory);
    state.setLaunchFileText(request.fileText);

    const std::optional<QString> executable = CompanionExecutable(request.module);
    if (!executable)
        return Outcome::NoExecutable;
    const size_t slot = size_t(request.module); // 1..24: within companionTasks

    const int running = state.CountRunningModules(request.module);
    AssignInt16(m_session.currentModule, running);
    const TaskId task = m_session.companionTasks[slot];

    if (task == 0 && running != 0) {
        if (m_prompts.ask(confirmationMessage()) != MessageAnswer::Yes)
            return Outcome::Declined;
    }
    if (task != 0 && running != 0) {
        m_processes.bringToFront(task);
        return Outcome::BroughtToFront;
    }

    // A name spelled in another case on disk is still found.
    const QString path = m_files.resolve(m_folder + *executable).value_or(m_folder + *executable);
    const TaskId started = m_processes.start(path, {}, WindowShow::NormalFocused);
    if (started == 0)
        return Outcome::StartFailed;
    m_session.companionTasks[slot] = started;
    m_processes.bringToFront(started);
    return Outcome::Started;
}

} // namespace vorlane
