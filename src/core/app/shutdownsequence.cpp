#include "core/app/shutdownsequence.h"

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

ShutdownSequence::ShutdownSequence(Prompts &prompts, ShutdownHost &host) : m_prompts(prompts), m_host(host) {}

Message ShutdownSequence::question()
{
    return {u"Attention: sortie du logiciel."_s, u"Quitter"_s, MessageIcon::Question,
            MessageButtons::OkCancel};
}

bool ShutdownSequence::requestClose()
{
    if (m_running)
        return false;
    m_running = true;
    // An author's edit is kept whatever the answer.
    m_host.storePendingEdits();
    if (m_prompts.ask(question()) != MessageAnswer::Ok) {
        m_running = false;
        return false;
    }
    if (m_host.isMinimized())
        m_host.restoreNormal();
    m_host.closeMedia();
    m_host.runClosingWindow();
    m_host.closeMedia();
    m_host.unloadWindows();
    m_host.endProgram();
    return true;
}

} // namespace vorlane
