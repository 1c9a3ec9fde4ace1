#pragma once

#include "core/course/coursesources.h"

#include <QString>
#include <vector>

namespace vorlane {

// One thing an author should look at in the course sources.
struct CourseFinding {
    QString file;
    int line = 0; // 0: the finding is about the whole file
    QString message;
    bool error = false; // the course cannot be built (no pages/ folder, unreadable file...)

    // "FILE:LINE: message", or "FILE: message" without a line.
    QString text() const;
};

// Checks course sources without writing anything. The course builds with
// warnings, but each of them is a fault a pupil would meet:
//   - markup commands that are none of the documented forms (MarkupSyntax);
//   - links to a page number that no row has, to a test no source has, or to a
//     target code the dispatcher does not know; a `sommaire` naming no page;
//   - page numbers or Index values outside 0 to the row count (the page index has
//     no slot for them) or given twice; a body given twice in one source;
//   - pictures and videos that are not in data/ (names compared ignoring case,
//     as the window looks them up);
//   - questions of an unknown type; solutions that cannot match: a type 1 or 2
//     pattern that is not five 0/1 characters (type 2: at most one 1), or that
//     ticks a control the question does not place; a typed solution that is empty
//     or holds a character the answer check rewrites (é è ê à ù ô ç, "-", "_",
//     punctuation); tests without questions, question numbers missing or twice;
//   - source files that are not UTF-8.
class CourseCheck {
public:
    // Reads and checks the course folder SRC (pages/, tests/, data/). A folder
    // without pages/ and a file that cannot be read or parsed are errors.
    static std::vector<CourseFinding> checkFolder(const QString &folder);

    // The checks of parsed sources; `dataFiles` are the names of data/ (any case).
    static std::vector<CourseFinding> checkSources(const CourseSources &sources);
};

} // namespace vorlane
