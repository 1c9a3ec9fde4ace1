#include "core/render/windowcommands.h"

#include "core/render/markuptext.h"
#include "core/render/pagerenderer.h"
#include "core/surface/tracelog.h"

namespace vorlane {

void WindowCommands::titleBar(PageRenderer &r, QStringView command)
{
    const QString caption = ProductTitle() + QString(18, u' ') + MarkupText::mid(command, 7).toString();
    if (TraceLog *trace = r.host().trace())
        trace->add("caption", {{"text", caption}});
    r.host().setCaption(caption);
}

void WindowCommands::video(PageRenderer &r, QStringView command)
{
    const QString name = MarkupText::mid(command, 6).toString();
    if (TraceLog *trace = r.host().trace())
        trace->add("video", {{"name", name}});
    r.host().showVideoFrame(name);
}

} // namespace vorlane
