#pragma once

#include "core/surface/drawingsurface.h"

#include <QColor>
#include <QString>
#include <array>

namespace vorlane {

// One answer control of the test window as the markup places it: where it
// is (twips on the question area), whether it shows, its value (ticked,
// chosen) and whether it takes input.
struct TestControl {
    bool visible = false;
    bool value = false;
    bool enabled = true;
    double left = 0;
    double top = 0;
};

// The answer controls of the test window, which the EXO commands of a
// question's markup place: five option buttons `option1`, five check boxes
// `Check1`, the text box `Text1`, the course link (`Image1` and `Labelien`)
// and the video icon `Icovideo`. The window shows what this model holds; the
// renderer, the test flow and the command-line tool all work on the model.
//
// Widths are those the renderer advances by: Text1 and Icovideo as wide as
// the window makes them (1500 and 480 twips unless the window says
// otherwise), Labelien as wide as its caption measured in its own font.
struct TestControls {
    enum class Kind { Option, Check, Text, Image1, Label, IcoVideo };
    static constexpr int kElements = 5;

    std::array<TestControl, kElements> option1{};
    std::array<TestControl, kElements> check1{};

    TestControl text1;
    QString text1Text;
    double text1Width = 1500;

    TestControl image1;

    TestControl labelien;
    QString labelCaption;
    QString labelTag;
    FontSpec labelFont;
    QColor labelColour = Qt::black;
    double labelWidth = 0;
    double labelHeight = 0;

    TestControl icovideo;
    QString videoToolTip;
    QString videoTag;
    double icovideoWidth = 480;

    // Every control hidden and enabled, nothing ticked or chosen, Text1
    // empty, the link's caption empty (the window's `misanet`).
    void reset();
    // The five elements of Check1 (Kind::Check) or option1 (Kind::Option).
    std::array<TestControl, kElements> &array(Kind kind) { return kind == Kind::Check ? check1 : option1; }
};

} // namespace vorlane
