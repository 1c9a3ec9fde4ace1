#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vorlane {

// The floating menus of a page: text cells [link 0..20][entry 0..9][column 0..2].
// Row `link` belongs to the `Imagelien` element of that index that opened a
// menu (LIERF); column 1 of an entry is its caption, column 2 its target code,
// column 0 is unused. Page display empties the table before each body, the
// markup fills it (ADMEN), and a click on a picture link whose Tag is
// linkTag() opens the window's menu `flottant`, whose ten items `choixflot`
// show items(link).
class FloatMenu {
public:
    static constexpr int kLinks = 21;
    static constexpr int kEntries = 10;
    static constexpr int kColumns = 3;

    // The Tag of a picture link that opens its floating menu instead of
    // navigating.
    static QString linkTag() { return QStringLiteral("FLOTTANT"); }

    // One item of the menu as the window shows it.
    struct Item {
        bool visible = false;
        QString caption; // cell(link, j, 1)
        QString tag;     // cell(link, j, 2), handed to the dispatcher
    };
    using Items = std::array<Item, kEntries>;

    // Item j shows exactly when the caption cell of entry j is not empty, with
    // that caption and the entry's target as its Tag; an empty entry between
    // two others is hidden, so a menu with entries 0 and 2 shows two items. A
    // link element outside 0..20 has no menu: every item is hidden.
    Items items(int link) const;

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
