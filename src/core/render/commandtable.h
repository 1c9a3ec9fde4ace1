#pragma once

#include <QStringView>
#include <span>

namespace vorlane {

class PageRenderer;

// The tests a command text is offered to, in order. Every test that matches
// acts: a command text is not consumed by the first match (every command whose
// first letter is C also sets the text colour, for instance). A test matches
// when the command text begins with its tag (prefix) or equals it (exact);
// comparisons are case-sensitive. A command that matches nothing does nothing.
class CommandTable {
public:
    using Handler = void (*)(PageRenderer &renderer, QStringView command);
    struct Test {
        QStringView tag;
        bool exact;
        Handler handler; // nullptr: recognised, no action
    };

    static std::span<const Test> tests();
    static bool matches(const Test &test, QStringView command);
    // Offers the command text (the line without "##") to every test.
    static void execute(PageRenderer &renderer, QStringView command);
};

} // namespace vorlane
