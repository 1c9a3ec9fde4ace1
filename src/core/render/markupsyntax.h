#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

namespace vorlane {

// The documented forms of the markup commands, for authors' checks (the renderer
// itself is lenient: it matches tags by prefix and reads arguments by position, so
// ##CENTRE sets the colour black and ##TAB0102 opens a cell with wrong borders).
//
// A form is a tag and the pattern of what follows it; a command text (the line
// without "##") is well formed when it is its tag followed by text matching the
// pattern, for at least one form whose tag starts it.
class MarkupSyntax {
public:
    struct Form {
        QStringView tag;
        QStringView pattern; // regular expression for the text after the tag (anchored)
        QStringView usage;   // the form as an author writes it, for messages
    };
    static std::span<const Form> forms();

    // Empty when `command` is one of the forms; otherwise what is wrong with it
    // ("unknown command ##CENTRE", "##TAB0102: expected ##TAB + left border...").
    static QString problem(QStringView command);

    // The link target a command carries (LIERT, LIERI, LIERX, ADMEN: a target code
    // such as PA0042; EXOLI, EXOVI: a page number), when it has one.
    struct Link {
        QString target;
        bool pageNumberOnly = false; // EXOLI and EXOVI: the target is a page number
    };
    static std::optional<Link> link(QStringView command);

    // The picture (IMA, IXA, IHDEF without its size) or video (VIDEO) a command
    // names, when it names one.
    static std::optional<QString> dataFile(QStringView command);

    // The page number of a target code ("PAG" + 3 digits, "PA" + 4 digits), the
    // chapter of an "EXO" + 3 digits code, or nothing. `known` is false for a
    // target that is no code the dispatcher knows (EXE, EXO, BDC, BD2 and page codes).
    struct Target {
        bool known = false;
        std::optional<int> page;
        std::optional<int> test;
    };
    static Target readTarget(QStringView target);
};

} // namespace vorlane
