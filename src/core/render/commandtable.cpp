#include "core/render/commandtable.h"

#include "core/render/bondcommands.h"
#include "core/render/exocommands.h"
#include "core/render/formulacommands.h"
#include "core/render/linkcommands.h"
#include "core/render/pagerenderer.h"
#include "core/render/picturecommands.h"
#include "core/render/stylecommands.h"
#include "core/render/tablecommands.h"
#include "core/render/windowcommands.h"
#include "core/surface/tracelog.h"

#include <array>

namespace vorlane {

namespace {

using R = PageRenderer;
using V = QStringView;
using Mode = PictureCommands::Mode;
constexpr bool Prefix = false;
constexpr bool Exact = true;

void up(R &r, V)
{
    r.layout().illustrationUp = true;
    if (TraceLog *trace = r.host().trace())
        trace->add("up", {});
}

// The order is part of the behaviour: a command matched by several tests
// (CHAPEAU: C, then CHAPEAU) acts in this order.
const std::array kTests = {
    // Text style
    CommandTable::Test{u"SI", Prefix, [](R &r, V c) { StyleCommands::fontSize(r, c); }},
    CommandTable::Test{u"BOL1", Prefix, [](R &r, V) { r.surface().setBold(true); }},
    CommandTable::Test{u"BOL0", Prefix, [](R &r, V) { r.surface().setBold(false); }},
    CommandTable::Test{u"ITA1", Prefix, [](R &r, V) { r.surface().setItalic(true); }},
    CommandTable::Test{u"ITA0", Prefix, [](R &r, V) { r.surface().setItalic(false); }},
    CommandTable::Test{u"UND1", Prefix, [](R &r, V) { r.surface().setUnderline(true); }},
    CommandTable::Test{u"UND0", Prefix, [](R &r, V) { r.surface().setUnderline(false); }},
    CommandTable::Test{u"ALGA", Prefix, [](R &r, V) { r.layout().alignment = 0; }},
    CommandTable::Test{u"ALCE", Prefix, [](R &r, V) { r.layout().alignment = 1; }},
    CommandTable::Test{u"ALDR", Prefix, [](R &r, V) { r.layout().alignment = 2; }},
    CommandTable::Test{u"PLOUF", Exact, [](R &r, V) { StyleCommands::growPage(r); }},
    CommandTable::Test{u"C", Prefix, [](R &r, V c) { StyleCommands::colour(r, c); }},
    // Table line colours
    CommandTable::Test{u"TCH", Prefix, [](R &r, V c) { TableCommands::lineColour(r, c, 1); }},
    CommandTable::Test{u"TCB", Prefix, [](R &r, V c) { TableCommands::lineColour(r, c, 2); }},
    CommandTable::Test{u"TCG", Prefix, [](R &r, V c) { TableCommands::lineColour(r, c, 3); }},
    CommandTable::Test{u"TCI", Prefix, [](R &r, V c) { TableCommands::lineColour(r, c, 4); }},
    CommandTable::Test{u"TCD", Prefix, [](R &r, V c) { TableCommands::lineColour(r, c, 5); }},
    // Illustration kept at the top
    CommandTable::Test{u"UP", Exact, up},
    // Table cell
    CommandTable::Test{u"TAB", Prefix, [](R &r, V c) { TableCommands::openCell(r, c); }},
    // Centred mixed line, font, relief
    CommandTable::Test{u"FEINC", Prefix, [](R &r, V c) { StyleCommands::centreLine(r, c); }},
    CommandTable::Test{u"FONT", Prefix, [](R &r, V c) { StyleCommands::font(r, c); }},
    CommandTable::Test{u"RELIEF", Prefix, [](R &r, V c) { StyleCommands::relief(r, c); }},
    // Square root opening
    CommandTable::Test{u"SQD", Prefix, [](R &r, V) { FormulaCommands::rootStart(r); }},
    // Title bands
    CommandTable::Test{u"DGFOND", Prefix, [](R &r, V c) { BondCommands::titleBand(r, c); }},
    // Formulas
    CommandTable::Test{u"SQF", Prefix, [](R &r, V c) { FormulaCommands::rootEnd(r, c); }},
    CommandTable::Test{u"ARCD", Exact, [](R &r, V) { FormulaCommands::arcStart(r); }},
    CommandTable::Test{u"ARCF", Exact, [](R &r, V) { FormulaCommands::arcEnd(r); }},
    CommandTable::Test{u"VA1", Prefix, [](R &r, V c) { FormulaCommands::overline(r, c, false, false); }},
    CommandTable::Test{u"VA2", Prefix, [](R &r, V c) { FormulaCommands::overline(r, c, false, true); }},
    CommandTable::Test{u"VE1", Prefix, [](R &r, V c) { FormulaCommands::overline(r, c, true, false); }},
    CommandTable::Test{u"VE2", Prefix, [](R &r, V c) { FormulaCommands::overline(r, c, true, true); }},
    CommandTable::Test{u"IND", Prefix, [](R &r, V c) { FormulaCommands::index(r, c); }},
    CommandTable::Test{u"EXP", Prefix, [](R &r, V c) { FormulaCommands::exponent(r, c); }},
    CommandTable::Test{u"POLY", Prefix, [](R &r, V c) { FormulaCommands::stackedIndexes(r, c); }},
    CommandTable::Test{u"CHAPEAU", Exact, [](R &r, V) { FormulaCommands::hat(r); }},
    // Multiplication dot
    CommandTable::Test{u"POINT", Exact, [](R &r, V) { StyleCommands::point(r); }},
    // Electron dot
    CommandTable::Test{u"LEWIS", Prefix, [](R &r, V c) { BondCommands::lewis(r, c); }},
    // Reaction arrow, vertical offsets
    CommandTable::Test{u"FLECHE", Exact, [](R &r, V) { StyleCommands::arrow(r); }},
    CommandTable::Test{u"DECABAS", Prefix, [](R &r, V) { StyleCommands::shiftNextRun(r, 1.0 / 2); }},
    CommandTable::Test{u"DECABA2", Prefix, [](R &r, V) { StyleCommands::shiftNextRun(r, 1.0 / 4); }},
    CommandTable::Test{u"DECABADEF", Prefix, [](R &r, V) { StyleCommands::shiftLine(r, 1.0 / 2); }},
    CommandTable::Test{u"DECAHAU", Prefix, [](R &r, V) { StyleCommands::shiftNextRun(r, -1.0 / 2); }},
    CommandTable::Test{u"DECAHA2", Prefix, [](R &r, V) { StyleCommands::shiftNextRun(r, -1.0 / 4); }},
    CommandTable::Test{u"DECAHADEF", Prefix, [](R &r, V) { StyleCommands::shiftLine(r, -1.0 / 2); }},
    CommandTable::Test{u"DECAB2DEF", Prefix, [](R &r, V) { StyleCommands::shiftLine(r, 1.0 / 4); }},
    CommandTable::Test{u"DECAH2DEF", Prefix, [](R &r, V) { StyleCommands::shiftLine(r, -1.0 / 4); }},
    CommandTable::Test{u"DECLIG", Prefix, [](R &r, V c) { StyleCommands::shiftLines(r, c); }},
    // Table row closers: "FINTAB or FINTAX" is one test, then FINTAX alone
    CommandTable::Test{u"FINTAB", Prefix, [](R &r, V) { TableCommands::closeWithLines(r); }},
    CommandTable::Test{u"FINTAX", Prefix, [](R &r, V) { TableCommands::closeWithLines(r); }},
    CommandTable::Test{u"FINTAX", Prefix, [](R &r, V) { TableCommands::crossFirstCell(r); }},
    CommandTable::Test{u"FINTAC", Prefix, [](R &r, V c) { TableCommands::closeWithBackground(r, c); }},
    CommandTable::Test{u"FINITAB", Prefix, [](R &r, V) { TableCommands::closeInvisible(r); }},
    CommandTable::Test{u"FTABRET", Prefix, [](R &r, V) { TableCommands::closeAndReturn(r); }},
    // Pictures and surfaces
    CommandTable::Test{u"IJA", Prefix, [](R &r, V c) { PictureCommands::icon(r, c); }},
    CommandTable::Test{u"IMA", Prefix,
                       [](R &r, V c) { PictureCommands::PlacePicture(r, c.sliced(3), Mode::AtPosition); }},
    CommandTable::Test{u"IXA", Prefix,
                       [](R &r, V c) { PictureCommands::PlacePicture(r, c.sliced(3), Mode::Below); }},
    CommandTable::Test{u"OBJ", Prefix, [](R &r, V c) { PictureCommands::object(r, c); }},
    CommandTable::Test{u"IHDEF", Prefix,
                       [](R &r, V c) { PictureCommands::PlacePicture(r, c.sliced(5), Mode::Sized); }},
    // Horizontal and vertical position
    CommandTable::Test{u"POX", Prefix, [](R &r, V c) { StyleCommands::placeX(r, c); }},
    CommandTable::Test{u"PIX", Prefix, [](R &r, V c) { StyleCommands::moveX(r, c); }},
    CommandTable::Test{u"PIY", Prefix, [](R &r, V c) { StyleCommands::moveY(r, c); }},
    // Area widths
    CommandTable::Test{u"LARGEUR", Prefix, [](R &r, V c) { PictureCommands::areaWidths(r, c); }},
    // Filled rectangle
    CommandTable::Test{u"RECT", Prefix, [](R &r, V c) { BondCommands::rectangle(r, c); }},
    // One-line fraction
    CommandTable::Test{u"FRAC", Prefix, [](R &r, V c) { FormulaCommands::fraction(r, c); }},
    // Line spacing
    CommandTable::Test{u"INTER", Prefix, [](R &r, V c) { StyleCommands::lineSpacing(r, c); }},
    // Multi-run fraction
    CommandTable::Test{u"NUMERATEUR", Prefix, [](R &r, V) { FormulaCommands::numerator(r); }},
    CommandTable::Test{u"DENOMINATEUR", Prefix, [](R &r, V) { FormulaCommands::denominator(r); }},
    CommandTable::Test{u"FINFRAC", Prefix, [](R &r, V) { FormulaCommands::fractionEnd(r); }},
    // Recognised, changes nothing
    CommandTable::Test{u"STAY", Exact, nullptr},
    // Bonds
    CommandTable::Test{u"K001", Exact, [](R &r, V) { BondCommands::bond(r, 1, true); }},
    CommandTable::Test{u"K002", Exact, [](R &r, V) { BondCommands::bond(r, 2, true); }},
    CommandTable::Test{u"K003", Exact, [](R &r, V) { BondCommands::bond(r, 3, true); }},
    CommandTable::Test{u"K004", Exact, [](R &r, V) { BondCommands::bond(r, 4, true); }},
    CommandTable::Test{u"K101", Exact, [](R &r, V) { BondCommands::bond(r, 1, false); }},
    CommandTable::Test{u"K102", Exact, [](R &r, V) { BondCommands::bond(r, 2, false); }},
    CommandTable::Test{u"K103", Exact, [](R &r, V) { BondCommands::bond(r, 3, false); }},
    CommandTable::Test{u"K104", Exact, [](R &r, V) { BondCommands::bond(r, 4, false); }},
    // Links and floating menus
    CommandTable::Test{u"LIER1", Prefix, [](R &r, V c) { LinkCommands::firstLine(r, c); }},
    CommandTable::Test{u"LIERT", Prefix, [](R &r, V c) { LinkCommands::textLink(r, c); }},
    CommandTable::Test{u"LIERI", Prefix, [](R &r, V c) { LinkCommands::iconLink(r, c); }},
    CommandTable::Test{u"LIERX", Prefix, [](R &r, V c) { LinkCommands::tipLink(r, c); }},
    CommandTable::Test{u"LIERF", Prefix, [](R &r, V c) { LinkCommands::menuLink(r, c); }},
    CommandTable::Test{u"ADMEN", Prefix, [](R &r, V c) { LinkCommands::menuEntry(r, c); }},
    // Window caption, video, test controls
    CommandTable::Test{u"TITBAR", Prefix, [](R &r, V c) { WindowCommands::titleBar(r, c); }},
    CommandTable::Test{u"VIDEO", Prefix, [](R &r, V c) { WindowCommands::video(r, c); }},
    CommandTable::Test{u"EXOOP", Prefix, [](R &r, V) { ExoCommands::option(r); }},
    CommandTable::Test{u"EXOCK", Prefix, [](R &r, V) { ExoCommands::check(r); }},
    CommandTable::Test{u"EXOTX", Prefix, [](R &r, V) { ExoCommands::text(r); }},
    CommandTable::Test{u"EXOLI", Prefix, [](R &r, V c) { ExoCommands::link(r, c); }},
    CommandTable::Test{u"EXOVI", Prefix, [](R &r, V c) { ExoCommands::video(r, c); }},
};

} // namespace

std::span<const CommandTable::Test> CommandTable::tests()
{
    return kTests;
}

bool CommandTable::matches(const Test &test, QStringView command)
{
    return test.exact ? command == test.tag : command.startsWith(test.tag);
}

void CommandTable::execute(PageRenderer &renderer, QStringView command)
{
    for (const Test &test : kTests) {
        if (test.handler && matches(test, command))
            test.handler(renderer, command);
    }
}

} // namespace vorlane
