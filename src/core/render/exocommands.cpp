#include "core/render/exocommands.h"

#include "core/render/markuptext.h"
#include "core/render/pagerenderer.h"
#include "core/render/testcontrols.h"
#include "core/surface/tracelog.h"

#include <algorithm>

namespace vorlane {

namespace {

using Kind = TestControls::Kind;

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::Option:
        return "option";
    case Kind::Check:
        return "check";
    case Kind::Text:
        return "text";
    case Kind::Image1:
        return "image1";
    case Kind::Label:
        return "label";
    case Kind::IcoVideo:
        return "icovideo";
    }
    return "";
}

// Shows the control at (left, top), writes its record and tells the host.
void show(PageRenderer &r, TestControl &control, Kind kind, int index, double left, double top)
{
    control.visible = true;
    control.left = left;
    control.top = top;
    if (TraceLog *trace = r.host().trace())
        trace->add("exo", {{"s", r.surface().name()},
                           {"kind", QString::fromLatin1(kindName(kind))},
                           {"index", double(index)},
                           {"left", left},
                           {"top", top}});
    r.host().testControlShown(kind, index);
}

void arrayElement(PageRenderer &r, Kind kind, double below)
{
    TestControls *controls = r.host().testControls();
    if (!controls)
        return;
    auto &elements = controls->array(kind);
    const auto free =
        std::find_if(elements.begin(), elements.end(), [](const TestControl &c) { return !c.visible; });
    if (free == elements.end())
        return;
    DrawingSurface &s = r.surface();
    const double x = s.currentX();
    show(r, *free, kind, int(free - elements.begin()), x, s.currentY() + below);
    r.setX(x + 270);
}

} // namespace

void ExoCommands::option(PageRenderer &r)
{
    arrayElement(r, Kind::Option, 45);
}

void ExoCommands::check(PageRenderer &r)
{
    arrayElement(r, Kind::Check, 30);
}

void ExoCommands::text(PageRenderer &r)
{
    TestControls *controls = r.host().testControls();
    if (!controls)
        return;
    DrawingSurface &s = r.surface();
    const double x = s.currentX();
    show(r, controls->text1, Kind::Text, -1, x, s.currentY() + 30);
    r.setX(x + controls->text1Width);
}

void ExoCommands::link(PageRenderer &r, QStringView command)
{
    TestControls *controls = r.host().testControls();
    const auto split = MarkupText::splitAtLastHash(command, 5, 6);
    if (!controls || !split)
        return;
    DrawingSurface &s = r.surface();
    show(r, controls->image1, Kind::Image1, -1, s.currentX(), s.currentY());
    r.setX(s.currentX() + 300);

    controls->labelFont = s.font();
    controls->labelFont.underline = false;
    controls->labelColour = s.foreColor();
    controls->labelCaption = split->first.toString();
    controls->labelTag = split->second.toString();
    // The label's font is the surface's but for underline, which changes no
    // measure: the surface measures it.
    const QStringList lines = controls->labelCaption.split(QStringLiteral("\r\n"));
    double width = 0;
    for (const QString &line : lines)
        width = std::max(width, s.textWidth(line));
    controls->labelWidth = width;
    controls->labelHeight = s.textHeight(QStringLiteral("Wq")) * double(lines.size());
    const double x = s.currentX();
    show(r, controls->labelien, Kind::Label, -1, x, s.currentY());
    r.setX(x + width);
}

void ExoCommands::video(PageRenderer &r, QStringView command)
{
    TestControls *controls = r.host().testControls();
    const auto split = MarkupText::splitAtLastHash(command, 5, 6);
    if (!controls || !split)
        return;
    DrawingSurface &s = r.surface();
    controls->videoToolTip = split->first.toString();
    controls->videoTag = split->second.toString();
    const double x = s.currentX();
    show(r, controls->icovideo, Kind::IcoVideo, -1, x, s.currentY());
    r.setX(x + controls->icovideoWidth);
}

} // namespace vorlane
