#pragma once

#include "core/platform/files.h"
#include "core/platform/processes.h"
#include "core/platform/prompts.h"

#include <QString>

namespace vorlane {

// The two ways the update window replaces the software: INSTALLTS.EXE installs
// another version from a disc, MAJTS.EXE applies a downloaded update file.
class UpdateInstaller {
public:
    enum class Program { Install, Update };
    enum class Outcome {
        Started, // record 34 marked "VOIR", program started: the course window ends
        Missing, // not in the application folder: said so, nothing written
        Failed,  // found but could not be started: said so (record 34 already "VOIR")
    };

    UpdateInstaller(QString applicationFolder, const Files &files, Processes &processes, Prompts &prompts);

    static QString programName(Program program);
    // "Le programme INSTALLTS.EXE est introuvable dans le dossier du logiciel."
    static Message missingMessage(Program program);
    static Message failedMessage(Program program);

    // Writes "VOIR" into record 34 (the page index is rebuilt at the next
    // start) and starts the program maximised, without waiting. A missing
    // program leaves record 34 as it was and shows missingMessage.
    Outcome run(Program program);

private:
    QString m_folder;
    const Files &m_files;
    Processes &m_processes;
    Prompts &m_prompts;
};

} // namespace vorlane
