#include "core/course/floatingmenu.h"

namespace vorlane {

FloatingMenu::Items FloatingMenu::itemsFor(const FloatMenu &table, int link)
{
    Items items;
    if (link < 0 || link >= FloatMenu::kLinks)
        return items;
    for (int j = 0; j < kItemCount; ++j) {
        const QString caption = table.cell(link, j, 1);
        if (caption.isEmpty())
            continue;
        items[size_t(j)] = Item{true, caption, table.cell(link, j, 2)};
    }
    return items;
}

} // namespace vorlane
