#include "core/render/linkcommands.h"

#include "core/render/markuptext.h"
#include "core/render/pagerenderer.h"
#include "core/surface/tracelog.h"
#include "core/text/decimal.h"

#include <algorithm>

namespace vorlane {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// A whole number read from the markup; -1 when it is not one that fits.
int iconNumber(QStringView text)
{
    std::int64_t whole = 0;
    if (!ToWhole(MarkupText::value(text), whole) || whole < -32768 || whole > 32767)
        return -1;
    return int(whole);
}

std::optional<MarkupText::Split> labelAndTarget(QStringView command)
{
    return MarkupText::splitAtLastHash(command, 5, 6);
}

// The pending first line of a caption goes before it, once.
QString withPendingLine(PageRenderer &r, QStringView text)
{
    QString &pending = r.layout().pendingLinkText;
    QString caption = pending + text.toString();
    pending.clear();
    return caption;
}

// Fills the element the array gives next, shows it, tells the host, and moves
// the position right by its width. Without link elements only the position
// moves. Returns the index taken, or -1.
int place(PageRenderer &r, LinkArray array, LinkItem element)
{
    DrawingSurface &s = r.surface();
    element.visible = true;
    element.container = s.name();
    element.left = s.currentX();
    element.top = s.currentY();
    int index = -1;
    if (LinkElements *links = r.host().linkElements()) {
        index = links->takeFree(array);
        links->element(array, index) = element;
        r.host().linkShown(array, index);
    }
    r.setX(s.currentX() + element.width);
    return index;
}

int placePicture(PageRenderer &r, int list, int icon, const QString &tag, const QString &toolTip)
{
    RenderHost &host = r.host();
    LinkItem e;
    e.list = list;
    e.icon = icon;
    e.tag = tag;
    e.toolTip = toolTip;
    e.width = host.listIconWidthPx(list) * host.twipsPerPixelX();
    e.height = host.listIconWidthPx(list) * host.twipsPerPixelY();
    const double left = r.surface().currentX();
    const double top = r.surface().currentY();
    const int index = place(r, LinkArray::Imagelien, e);
    if (index >= 0) {
        if (TraceLog *trace = host.trace())
            trace->add("image", {{"s", r.surface().name()},
                                 {"array", QStringLiteral("Imagelien")},
                                 {"index", double(index)},
                                 {"left", left},
                                 {"top", top},
                                 {"list", double(list)},
                                 {"icon", double(icon)},
                                 {"tag", tag},
                                 {"tooltip", toolTip}});
    }
    return index;
}

} // namespace

void LinkCommands::firstLine(PageRenderer &r, QStringView command)
{
    r.layout().pendingLinkText = MarkupText::mid(command, 6).toString() + kLineEnd;
}

void LinkCommands::textLink(PageRenderer &r, QStringView command)
{
    const auto split = labelAndTarget(command);
    if (!split)
        return;
    DrawingSurface &s = r.surface();
    LinkItem e;
    e.caption = withPendingLine(r, split->first);
    e.tag = split->second.toString();
    e.font = s.font();
    e.font.underline = false;
    e.colour = s.foreColor();
    // The label's font is the surface's but for underline, which changes no
    // measure: the surface measures it.
    const QStringList lines = e.caption.split(kLineEnd);
    for (const QString &line : lines)
        e.width = std::max(e.width, s.textWidth(line));
    e.height = s.textHeight(QStringLiteral("Wq")) * double(lines.size());
    const double left = s.currentX();
    const double top = s.currentY();
    const int index = place(r, LinkArray::Labelien, e);
    if (index < 0)
        return;
    if (TraceLog *trace = r.host().trace())
        trace->add("label", {{"s", s.name()},
                             {"array", QStringLiteral("Labelien")},
                             {"index", double(index)},
                             {"left", left},
                             {"top", top},
                             {"caption", e.caption},
                             {"tag", e.tag},
                             {"font", e.font.name},
                             {"size", e.font.size},
                             {"bold", e.font.bold},
                             {"italic", e.font.italic},
                             {"color", e.colour}});
}

void LinkCommands::iconLink(PageRenderer &r, QStringView command)
{
    placePicture(r, 1, iconNumber(MarkupText::mid(command, 6, 2)), MarkupText::mid(command, 8).toString(),
                 {});
}

void LinkCommands::tipLink(PageRenderer &r, QStringView command)
{
    const auto split = labelAndTarget(command);
    if (!split)
        return;
    placePicture(r, 2, iconNumber(MarkupText::left(split->second, 2)),
                 MarkupText::mid(split->second, 3).toString(), split->first.toString());
}

void LinkCommands::menuLink(PageRenderer &r, QStringView command)
{
    const int index =
        placePicture(r, 2, iconNumber(MarkupText::right(command, 2)), QStringLiteral("FLOTTANT"), {});
    if (index >= 0)
        r.layout().menuLink = std::int16_t(index);
}

void LinkCommands::menuEntry(PageRenderer &r, QStringView command)
{
    const auto split = labelAndTarget(command);
    FloatMenu *menu = r.host().floatMenu();
    const int link = r.layout().menuLink;
    if (!split || !menu || link < 0 || link >= FloatMenu::kLinks)
        return;
    const QString caption = withPendingLine(r, split->first);
    const QString target = split->second.toString();
    const auto entry = menu->addEntry(link, caption, target);
    if (!entry)
        return;
    if (TraceLog *trace = r.host().trace())
        trace->add(
            "menu",
            {{"link", double(link)}, {"entry", double(*entry)}, {"caption", caption}, {"tag", target}});
}

} // namespace vorlane
