#include "core/app/coursewindowtable.h"

#include "core/render/surfacenames.h"

using namespace Qt::StringLiterals;

namespace vorlane {

namespace {

using K = ControlKind;
using C = CourseCommand;

// The tool bar's buttons sit 5 pixels down in the 40-pixel bar `barre`; the
// bottom band's 3 pixels down in the 30-pixel band `bastitre` (at y 570), on
// which they are placed. A control's rectangle is in its parent's coordinates.
std::vector<ControlEntry> makeControls()
{
    const auto button = [](const QString &name, Glyph glyph, const QString &toolTip, const QString &caption,
                           QRect rect, C command, const QString &target = {}) {
        ControlEntry s;
        s.name = name;
        s.kind = K::ToolButton;
        s.glyph = glyph;
        s.toolTip = toolTip;
        s.caption = caption;
        s.rect = rect;
        s.command = int(command);
        s.target = target;
        s.parent = u"barre"_s;
        return s;
    };
    const auto band = [&](const QString &name, Glyph glyph, const QString &toolTip, const QString &caption,
                          QRect rect, C command, const QString &target = {}) {
        ControlEntry s = button(name, glyph, toolTip, caption, rect, command, target);
        s.kind = K::BandButton;
        s.parent = SurfaceNames::bottomBand.toString();
        return s;
    };
    const auto plain = [](const QString &name, K kind, QRect rect, const QString &parent = {}) {
        ControlEntry s;
        s.name = name;
        s.kind = kind;
        s.rect = rect;
        s.parent = parent;
        return s;
    };
    const auto hidden = [](ControlEntry s) {
        s.visible = false;
        return s;
    };
    const auto disabled = [](ControlEntry s) {
        s.enabled = false;
        return s;
    };
    const auto captioned = [](ControlEntry s, const QString &caption) {
        s.caption = caption;
        return s;
    };

    std::vector<ControlEntry> t;
    // Bands, page frame (against the right edge, between the bands), body and
    // scroll bar, illustration (centred on the frame), video frame.
    t.push_back(plain(SurfaceNames::titleBand.toString(), K::Surface, {0, 40, 800, 60}));
    t.push_back(plain(SurfaceNames::bottomBand.toString(), K::Surface, {0, 570, 800, 30}));
    t.push_back(plain(u"frame1s"_s, K::Frame, {184, 100, 616, 470}));
    t.push_back(plain(SurfaceNames::body.toString(), K::Surface, {0, 0, 600, 1000}, u"frame1s"_s));
    t.push_back(hidden(plain(u"VScroll1"_s, K::ScrollBar, {600, 0, 16, 470}, u"frame1s"_s)));
    t.push_back(plain(SurfaceNames::illustration.toString(), K::Surface, {2, 125, 180, 420}));
    t.push_back(hidden(plain(u"label15"_s, K::Placeholder, {10, 0, 160, 40})));

    // Tool bar.
    t.push_back(plain(u"barre"_s, K::Panel, {0, 0, 800, 40}));
    t.push_back(disabled(button(u"avant"_s, Glyph::Back, u"Page précédente"_s, {}, {6, 5, 30, 30}, C::Back)));
    t.push_back(
        disabled(button(u"apres"_s, Glyph::Forward, u"Page suivante"_s, {}, {38, 5, 30, 30}, C::Forward)));
    t.push_back(button(u"Command2"_s, Glyph::Home, u"Afficher le sommaire général"_s, u"Accueil"_s,
                       {80, 5, 104, 30}, C::Contents));
    t.push_back(button(u"command6"_s, Glyph::Atom, u"Sommaire physique"_s, u"Physique"_s, {186, 5, 96, 30},
                       C::Navigate, u"PAG028"_s));
    t.push_back(button(u"command5"_s, Glyph::Flask, u"Sommaire chimie"_s, u"Chimie"_s, {284, 5, 86, 30},
                       C::Navigate, u"PAG030"_s));
    t.push_back(
        button(u"command4"_s, Glyph::Search, u"Moteur de recherche"_s, {}, {560, 5, 30, 30}, C::Search));
    t.push_back(button(u"Command3"_s, Glyph::Calculator, u"Machine à calculer"_s, {}, {594, 5, 30, 30},
                       C::Calculator));
    t.push_back(button(u"CommandIMPRIME"_s, Glyph::Printer, u"Imprimer ou configurer l'imprimante"_s, {},
                       {628, 5, 30, 30}, C::Print));
    t.push_back(button(u"Command10"_s, Glyph::Help, u"Aide pour utiliser le logiciel"_s, {}, {662, 5, 30, 30},
                       C::Help));
    t.push_back(button(u"Command14"_s, Glyph::Quit, u"Quitter l'application"_s, u"&Quitter"_s,
                       {704, 5, 90, 30}, C::Quit));

    // Bottom band: chapter steps, the way back to a test, the tools of the software.
    t.push_back(hidden(band(u"avantcours"_s, Glyph::ChapterPrevious, u"Page précédente dans ce chapitre"_s,
                            {}, {8, 3, 30, 24}, C::ChapterPrevious)));
    t.push_back(hidden(band(u"suite"_s, Glyph::ChapterNext, u"Page suivante dans ce chapitre"_s, {},
                            {40, 3, 30, 24}, C::ChapterNext)));
    ControlEntry btexo = plain(u"btexo"_s, K::Picture, {86, 6, 20, 20}, SurfaceNames::bottomBand.toString());
    btexo.glyph = Glyph::Test;
    btexo.toolTip = u"Retrouver le test"_s;
    t.push_back(hidden(btexo));
    t.push_back(hidden(
        captioned(plain(u"Label16"_s, K::Label, {108, 3, 130, 24}, SurfaceNames::bottomBand.toString()),
                  u"Retrouver le test"_s)));
    t.push_back(
        band(u"Command8"_s, Glyph::Update, u"Actualiser le logiciel"_s, {}, {628, 3, 30, 24}, C::Update));
    t.push_back(band(u"Command12"_s, Glyph::Globe, u"Connexion au site web de l'éditeur"_s, {},
                     {660, 3, 30, 24}, C::Navigate, u"EXE070"_s));
    t.push_back(
        band(u"Command13"_s, Glyph::Info, {}, u"C&rédits"_s, {694, 3, 98, 24}, C::Navigate, u"PAG161"_s));

    // The progress strip under the cover while the page index loads.
    t.push_back(hidden(plain(u"labelvorlane"_s, K::ProgressStrip, {0, 0, 320, 10})));

    // The hidden frame of the page record's bound fields.
    ControlEntry framebase =
        hidden(captioned(plain(u"Framebase"_s, K::GroupBox, {200, 120, 400, 300}), u"Base de données"_s));
    framebase.rowsWhenShown = true;
    t.push_back(framebase);
    const QString fieldLabels[] = {u"Titre"_s, u"Index fixe (n° page)"_s, u"Index ordonnant"_s};
    for (int i = 0; i < 3; ++i)
        t.push_back(captioned(plain(u"LabelW"_s, K::Label, {10, 24 + 28 * i, 135, 22}, u"Framebase"_s),
                              fieldLabels[i]));
    int y = 24;
    for (const QString &field : {u"Textitre"_s, u"TextID"_s, u"TextIndex"_s, u"debimp"_s, u"finimp"_s}) {
        t.push_back(plain(field, K::LineEdit, {150, y, 230, 22}, u"Framebase"_s));
        y += 28;
    }
    int x = 10;
    for (const QString &check : {u"Checkpre"_s, u"Checksui"_s, u"Checkimp"_s, u"Checkmot"_s}) {
        t.push_back(captioned(plain(check, K::CheckBox, {x, 166, 90, 22}, u"Framebase"_s), check));
        x += 95;
    }
    t.push_back(plain(u"code"_s, K::TextEdit, {10, 194, 380, 96}, u"Framebase"_s));
    return t;
}

} // namespace

const std::vector<ControlEntry> &CourseWindowTable::controls()
{
    static const std::vector<ControlEntry> table = makeControls();
    return table;
}

const ControlEntry *CourseWindowTable::find(const QString &name)
{
    for (const ControlEntry &c : controls()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

std::optional<QString> CourseWindowTable::navigationTarget(const ControlEntry &control,
                                                           const QString &contentsTag)
{
    switch (CourseCommand(control.command)) {
    case CourseCommand::Navigate:
        return control.target;
    case CourseCommand::Contents:
        return contentsTag;
    default:
        return std::nullopt;
    }
}

std::optional<double> CourseWindowTable::chapterStepOrder(CourseCommand command, std::int32_t currentOrder)
{
    if (command == CourseCommand::ChapterPrevious)
        return double(currentOrder) - 1;
    if (command == CourseCommand::ChapterNext)
        return double(currentOrder) + 1;
    return std::nullopt;
}

} // namespace vorlane
