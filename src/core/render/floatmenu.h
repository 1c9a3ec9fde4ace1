#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vorlane {

// The floating-menu table: text cells [link 0..20][entry 0..9][column 0..2].
// Row `link` belongs to the `Imagelien` element of that index that opened a
// menu (LIERF); column 1 of an entry is its caption, column 2 its target code,
// column 0 is unused. Page display empties the table before each body, the
// markup fills it (ADMEN), and a click on a "FLOTTANT" picture link shows the
// entries of its row whose caption is not empty, in entry order.
class FloatMenu {
public:
    static constexpr int kLinks = 21;
    static constexpr int kEntries = 10;
    static constexpr int kColumns = 3;

    // A cell; the empty text outside the table.
    QString cell(int link, int entry, int column) const;
    // Sets a cell; false (nothing changed) outside the table.
    bool setCell(int link, int entry, int column, const QString &text);

    // Adds an entry to the menu of `link`: it goes to the lowest entry whose
    // caption is empty, or to entry 0 when all ten are taken (the eleventh
    // entry overwrites the first). Returns the entry filled, or nullopt when
    // `link` is outside 0..20 (nothing changes).
    std::optional<int> addEntry(int link, const QString &caption, const QString &target);

    // Number of entries of `link` whose caption is not empty.
    int entryCount(int link) const;

    // Every cell becomes the empty text.
    void clear();

private:
    static bool inside(int link, int entry, int column);
    std::array<std::array<std::array<QString, kColumns>, kEntries>, kLinks> m_cells;
};

} // namespace vorlane
