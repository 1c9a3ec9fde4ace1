#pragma once

#include "core/render/floatmenu.h"

#include <QString>
#include <array>

namespace vorlane {

// The floating menu `flottant` that a picture link whose Tag is "FLOTTANT"
// opens: ten items `choixflot` (0..9), filled from the floating-menu table of
// that link element.
class FloatingMenu {
public:
    static constexpr int kItemCount = 10;
    // The Tag of a picture link that opens its floating menu instead of
    // navigating.
    static QString linkTag() { return QStringLiteral("FLOTTANT"); }

    struct Item {
        bool visible = false;
        QString caption; // FloatMenu(link, j, 1)
        QString tag;     // FloatMenu(link, j, 2), handed to the dispatcher
    };
    using Items = std::array<Item, kItemCount>;

    // Item j shows exactly when the caption cell of entry j is not empty, with
    // that caption and the entry's target as its Tag; an empty entry between
    // two others is hidden, so a menu with entries 0 and 2 shows two items. A
    // link element outside 0..20 has no menu: every item is hidden.
    static Items itemsFor(const FloatMenu &table, int link);
};

} // namespace vorlane
