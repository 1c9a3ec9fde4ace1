#pragma once

#include <QStringList>
#include <QStringView>
#include <optional>

namespace vorlane {

// The words of a search, from the text typed in the entry field:
//  1. the text trimmed and in lower case; fewer than 2 characters: no search;
//  2. each of + - * / , ; : . ? # replaced by a space, trimmed; fewer than 2
//     characters: no search;
//  3. every run of spaces reduced to one, trimmed; fewer than 2 characters: no
//     search;
//  4. split at the spaces.
// Trimming removes spaces only (a tab typed in the entry is part of a word);
// characters are counted as code points. std::nullopt means no search is made
// (the results on screen stay as they are). A word typed twice is listed
// twice. The words keep their accents and any character other than the
// separators.
std::optional<QStringList> SearchWords(QStringView entry);

} // namespace vorlane
