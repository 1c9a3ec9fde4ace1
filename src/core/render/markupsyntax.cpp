#include "core/render/markupsyntax.h"

#include <QRegularExpression>
#include <array>
#include <vector>

namespace vorlane {

namespace {

using F = MarkupSyntax::Form;

// Palette indexes 00 to 15 written in two digits.
#define PALETTE2 u"(0\\d|1[0-5])"

const std::array kForms = {
    // Text style
    F{u"SI", u"\\d\\d", u"##SI + size in two digits (##SI12)"},
    F{u"BOL1", u"", u"##BOL1"},
    F{u"BOL0", u"", u"##BOL0"},
    F{u"ITA1", u"", u"##ITA1"},
    F{u"ITA0", u"", u"##ITA0"},
    F{u"UND1", u"", u"##UND1"},
    F{u"UND0", u"", u"##UND0"},
    F{u"ALGA", u"", u"##ALGA"},
    F{u"ALCE", u"", u"##ALCE"},
    F{u"ALDR", u"", u"##ALDR"},
    F{u"PLOUF", u"", u"##PLOUF"},
    F{u"C", u"0(0\\d|1[0-5])", u"##C + colour 000 to 015 (##C003)"},
    F{u"FEINC", u".*", u"##FEINC + the text of the line"},
    F{u"FONT", u"0[0-5]", u"##FONT + font 00 to 05"},
    F{u"RELIEF", u"\\d" PALETTE2, u"##RELIEF + depth digit + palette 00 to 15 (##RELIEF108)"},
    F{u"POINT", u"", u"##POINT"},
    F{u"FLECHE", u"", u"##FLECHE"},
    F{u"POX", u"(\\d{3}|-\\d\\d)", u"##POX + pixels in three digits (##POX020)"},
    F{u"PIX", u"(\\d{3}|-\\d\\d)", u"##PIX + pixels in three digits (##PIX010)"},
    F{u"PIY", u"(\\d{3}|-\\d\\d)", u"##PIY + pixels in three digits (##PIY010)"},
    F{u"DECABAS", u"", u"##DECABAS"},
    F{u"DECABA2", u"", u"##DECABA2"},
    F{u"DECAHAU", u"", u"##DECAHAU"},
    F{u"DECAHA2", u"", u"##DECAHA2"},
    F{u"DECABADEF", u"", u"##DECABADEF"},
    F{u"DECAHADEF", u"", u"##DECAHADEF"},
    F{u"DECAB2DEF", u"", u"##DECAB2DEF"},
    F{u"DECAH2DEF", u"", u"##DECAH2DEF"},
    F{u"DECLIG", u"-?(\\d+(\\.\\d*)?|\\.\\d+)", u"##DECLIG + number of lines (##DECLIG0.5)"},
    F{u"INTER", u"(?=.*\\d)[0-9.]{4}", u"##INTER + factor in four characters (##INTER1.50)"},
    // Formulas
    F{u"IND", u".+", u"##IND + text"},
    F{u"EXP", u".+", u"##EXP + text"},
    F{u"POLY", u"..", u"##POLY + lower and upper character (##POLY3-)"},
    F{u"CHAPEAU", u"", u"##CHAPEAU"},
    F{u"FRAC", u".*#.+", u"##FRAC + numerator#denominator"},
    F{u"NUMERATEUR", u"", u"##NUMERATEUR"},
    F{u"DENOMINATEUR", u"", u"##DENOMINATEUR"},
    F{u"FINFRAC", u"", u"##FINFRAC"},
    F{u"SQD", u"", u"##SQD"},
    F{u"SQF", u" ?(\\d+(\\.\\d*)?|\\.\\d+)", u"##SQF + height in lines (##SQF1)"},
    F{u"ARCD", u"", u"##ARCD"},
    F{u"ARCF", u"", u"##ARCF"},
    F{u"VA1", u".+", u"##VA1 + text"},
    F{u"VA2", u".+", u"##VA2 + text"},
    F{u"VE1", u".+", u"##VE1 + text"},
    F{u"VE2", u".+", u"##VE2 + text"},
    // Tables
    F{u"TAB", u"\\d{8}",
      u"##TAB + left border (3 digits) + right border (3 digits) + cell number (2 digits) (##TAB01020001)"},
    F{u"TCH", PALETTE2, u"##TCH + palette 00 to 15"},
    F{u"TCB", PALETTE2, u"##TCB + palette 00 to 15"},
    F{u"TCG", PALETTE2, u"##TCG + palette 00 to 15"},
    F{u"TCI", PALETTE2, u"##TCI + palette 00 to 15"},
    F{u"TCD", PALETTE2, u"##TCD + palette 00 to 15"},
    F{u"FINTAB", u"", u"##FINTAB"},
    F{u"FINTAX", u"", u"##FINTAX"},
    F{u"FINTAC", u"\\d\\d", u"##FINTAC + background 01 to 06"},
    F{u"FINITAB", u"", u"##FINITAB"},
    F{u"FTABRET", u"", u"##FTABRET"},
    // Bonds, dots, rectangles, bands
    F{u"K", u"(00[1-4]|10[1-4])", u"##K001 to ##K004, ##K101 to ##K104"},
    F{u"LEWIS", u"(-\\d\\d|\\d{3})(-\\d\\d|\\d{3})",
      u"##LEWIS + dx and dy in three characters (##LEWIS-05010)"},
    F{u"RECT", u"\\d{6}", u"##RECT + width and height in three digits (##RECT020010)"},
    F{u"DGFOND", u"[0-4]", u"##DGFOND + style 0 to 4"},
    // Pictures and surfaces
    F{u"IMA", u".+", u"##IMA + file name"},
    F{u"IXA", u".+", u"##IXA + file name"},
    F{u"IHDEF", u".+\\d{6}",
      u"##IHDEF + file name + width and height in three digits (##IHDEFfig.png200100)"},
    F{u"IJA", u"\\d\\d", u"##IJA + icon in two digits"},
    F{u"OBJ", u"(TIT|ILLUS|PRINCIPAL|TAILLE)", u"##OBJTIT, ##OBJILLUS, ##OBJPRINCIPAL or ##OBJTAILLE"},
    F{u"LARGEUR", u"\\d{6}", u"##LARGEUR + illustration and body widths in three digits (##LARGEUR180600)"},
    F{u"UP", u"", u"##UP"},
    F{u"STAY", u"", u"##STAY"},
    // Links and menus
    F{u"LIER1", u".+", u"##LIER1 + first line of the next link"},
    F{u"LIERT", u".*#.+", u"##LIERT + label#target"},
    F{u"LIERI", u"\\d\\d.+", u"##LIERI + icon in two digits + target"},
    F{u"LIERX", u".*#\\d\\d.+", u"##LIERX + tool tip#icon in two digits + target"},
    F{u"LIERF", u"\\d\\d", u"##LIERF + icon in two digits"},
    F{u"ADMEN", u".*#.+", u"##ADMEN + caption#target"},
    // Windows
    F{u"TITBAR", u".*", u"##TITBAR + caption"},
    F{u"VIDEO", u".+", u"##VIDEO + file name"},
    F{u"EXOOP", u"", u"##EXOOP"},
    F{u"EXOCK", u"", u"##EXOCK"},
    F{u"EXOTX", u"", u"##EXOTX"},
    F{u"EXOLI", u".*#.+", u"##EXOLI + caption#page number"},
    F{u"EXOVI", u".*#.+", u"##EXOVI + tool tip#page number"},
};

#undef PALETTE2

const std::vector<QRegularExpression> &expressions()
{
    static const std::vector<QRegularExpression> compiled = [] {
        std::vector<QRegularExpression> out;
        for (const F &f : kForms)
            out.emplace_back(QRegularExpression::anchoredPattern(f.pattern.toString()));
        return out;
    }();
    return compiled;
}

// The label and the target of a "label#target" command: split at the last "#"
// among characters 5 to length - 1 of the command text, as the renderer does.
std::optional<QString> targetAfterLastHash(QStringView command)
{
    const qsizetype p = command.lastIndexOf(u'#', command.size() - 2);
    if (p < 4)
        return std::nullopt;
    return command.sliced(p + 1).toString();
}

} // namespace

std::span<const MarkupSyntax::Form> MarkupSyntax::forms()
{
    return kForms;
}

QString MarkupSyntax::problem(QStringView command)
{
    if (command.isEmpty())
        return QStringLiteral("empty command \"##\"");
    const auto &regex = expressions();
    qsizetype best = -1;
    for (size_t i = 0; i < kForms.size(); ++i) {
        const F &f = kForms[i];
        if (!command.startsWith(f.tag))
            continue;
        if (regex[i].match(command.sliced(f.tag.size())).hasMatch())
            return QString();
        if (best < 0 || f.tag.size() > kForms[size_t(best)].tag.size())
            best = qsizetype(i);
    }
    const QString shown = QStringLiteral("\"##") + command.toString() + u'"';
    if (best < 0)
        return QStringLiteral("unknown command ") + shown;
    const F &f = kForms[size_t(best)];
    // A letter right after a tag whose arguments are digits (or none) is another
    // word, not a wrong argument: ##CENTRE is no colour.
    const QStringView rest = command.sliced(f.tag.size());
    const bool textArgument = f.pattern.startsWith(u'.') || f.tag == u"OBJ";
    const bool wordGoesOn = !rest.isEmpty() && rest.front().isUpper() && !textArgument;
    if (wordGoesOn)
        return QStringLiteral("unknown command %1 (not %2)").arg(shown, f.usage.toString());
    if (f.tag == u"IHDEF")
        return QStringLiteral("picture size does not parse in %1: expected %2")
            .arg(shown, f.usage.toString());
    return QStringLiteral("malformed command %1: expected %2").arg(shown, f.usage.toString());
}

std::optional<MarkupSyntax::Link> MarkupSyntax::link(QStringView command)
{
    if (command.startsWith(u"LIERT") || command.startsWith(u"ADMEN")) {
        if (auto target = targetAfterLastHash(command))
            return Link{*target, false};
        return std::nullopt;
    }
    if (command.startsWith(u"LIERI")) {
        if (command.size() > 7)
            return Link{command.sliced(7).toString(), false};
        return std::nullopt;
    }
    if (command.startsWith(u"LIERX")) {
        if (auto after = targetAfterLastHash(command); after && after->size() > 2)
            return Link{after->mid(2), false};
        return std::nullopt;
    }
    if (command.startsWith(u"EXOLI") || command.startsWith(u"EXOVI")) {
        if (auto target = targetAfterLastHash(command))
            return Link{*target, true};
    }
    return std::nullopt;
}

std::optional<QString> MarkupSyntax::dataFile(QStringView command)
{
    static const QRegularExpression sized(QStringLiteral("^IHDEF(.+)\\d{6}$"));
    if (command.startsWith(u"IHDEF")) {
        const auto m = sized.match(command);
        if (m.hasMatch())
            return m.captured(1);
        return std::nullopt;
    }
    for (QStringView tag : {QStringView(u"IMA"), QStringView(u"IXA"), QStringView(u"VIDEO")}) {
        if (command.startsWith(tag) && command.size() > tag.size())
            return command.sliced(tag.size()).toString();
    }
    return std::nullopt;
}

MarkupSyntax::Target MarkupSyntax::readTarget(QStringView target)
{
    static const QRegularExpression page(QStringLiteral("^(?:PAG(\\d{3})|PA(\\d{4}))$"));
    static const QRegularExpression other(QStringLiteral("^(?:EXE\\d{3}|BDC|BD2)$"));
    static const QRegularExpression test(QStringLiteral("^EXO(\\d{3})$"));
    Target t;
    if (const auto m = page.match(target); m.hasMatch()) {
        t.known = true;
        t.page = (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1)).toInt();
    } else if (const auto m = test.match(target); m.hasMatch()) {
        t.known = true;
        t.test = m.captured(1).toInt();
    } else {
        t.known = other.match(target).hasMatch();
    }
    return t;
}

} // namespace vorlane
