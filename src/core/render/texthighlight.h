#pragma once

#include <QStringList>

namespace vorlane {

// Words to mark on the page on display (the words a search found it by). The
// renderer puts a pale mark behind every occurrence inside a text run, found
// as the search finds words (SearchFold: substring, case ignored, accents too
// when ignoreAccents); never inside a command line. Marks are for the screen
// only: the printer, PDFs and traces never show them.
struct TextHighlight {
    QStringList words; // already folded as the search compared them
    bool ignoreAccents = false;
};

} // namespace vorlane
