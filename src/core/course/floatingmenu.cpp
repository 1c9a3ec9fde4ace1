#include "core/course/floatingmenu.h"

namespace vorlane {

FloatingMenu::Items FloatingMenu::itemsFor(const FloatMenuTable &table, int link)
{
    Items items;
    if (link < 0 || link >= int(table.size()))
        return items;
    const auto &entries = table[size_t(link)];
    for (size_t j = 0; j < items.size(); ++j) {
        const QString &caption = entries[j][1];
        if (caption.isEmpty())
            continue;
        items[j] = Item{true, caption, entries[j][2]};
    }
    return items;
}

} // namespace vorlane
