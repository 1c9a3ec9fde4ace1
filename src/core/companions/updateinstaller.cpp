#include "core/companions/updateinstaller.h"

#include "core/records/statefile.h"

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

UpdateInstaller::UpdateInstaller(QString applicationFolder, const Files &files, Processes &processes,
                                 Prompts &prompts)
    : m_folder(WithFinalSlash(applicationFolder)), m_files(files), m_processes(processes), m_prompts(prompts)
{
}

QString UpdateInstaller::programName(Program program)
{
    return program == Program::Install ? u"INSTALLTS.EXE"_s : u"MAJTS.EXE"_s;
}

Message UpdateInstaller::missingMessage(Program program)
{
    return {u"Le programme %1 est introuvable dans le dossier du logiciel."_s.arg(programName(program)),
            u"Mise à jour du logiciel"_s, MessageIcon::Exclamation, MessageButtons::Ok};
}

Message UpdateInstaller::failedMessage(Program program)
{
    return {u"Le programme %1 n'a pas pu être lancé."_s.arg(programName(program)),
            u"Mise à jour du logiciel"_s, MessageIcon::Exclamation, MessageButtons::Ok};
}

UpdateInstaller::Outcome UpdateInstaller::run(Program program)
{
    // Ending without starting anything would leave the pupil with no course
    // and no installer: a missing program is said, and the course stays.
    const std::optional<QString> path = m_files.resolve(m_folder + programName(program));
    if (!path) {
        m_prompts.ask(missingMessage(program));
        return Outcome::Missing;
    }
    StateFile(m_folder).setIndexCacheState(u"VOIR"_s);
    if (m_processes.start(*path, {}, WindowShow::MaximizedFocused) == 0) {
        m_prompts.ask(failedMessage(program));
        return Outcome::Failed;
    }
    return Outcome::Started;
}

} // namespace vorlane
