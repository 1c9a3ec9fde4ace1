#pragma once

#include "core/course/modulestate.h"
#include "core/platform/files.h"
#include "core/platform/processes.h"
#include "core/platform/prompts.h"

#include <QString>

namespace vorlane {

// Starts companion programs from "EXE" targets, or brings a running one to the
// front. The file to open is handed over in record 31 of the state file; the
// running flags of records 1..30 are written by the companions themselves.
class ModuleLauncher {
public:
    ModuleLauncher(QString applicationFolder, ModuleState &session, const Files &files, Processes &processes,
                   Prompts &prompts);

    // What one LaunchModule call did.
    enum class Outcome {
        NoExecutable, // the module has none: nothing started
        Declined,     // another module runs and the user answered No
        BroughtToFront,
        Started,
        StartFailed, // the program could not be started
    };

    // Writes the file text of the code into record 31, then: a module started
    // in this run whose flag is not "NON" is brought to the front; a module not
    // started in this run while another one runs asks for confirmation first;
    // otherwise the module's executable is started, its task kept in
    // companionTasks and brought to the front. CountRunningModules' result is
    // kept in currentModule.
    Outcome LaunchModule(int code);

    // The confirmation asked when another module runs.
    static Message confirmationMessage();

private:
    QString m_folder;
    ModuleState &m_session;
    const Files &m_files;
    Processes &m_processes;
    Prompts &m_prompts;
};

} // namespace vorlane
