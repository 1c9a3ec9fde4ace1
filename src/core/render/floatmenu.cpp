#include "core/render/floatmenu.h"

namespace vorlane {

bool FloatMenu::inside(int link, int entry, int column)
{
    return link >= 0 && link < kLinks && entry >= 0 && entry < kEntries && column >= 0 && column < kColumns;
}

QString FloatMenu::cell(int link, int entry, int column) const
{
    if (!inside(link, entry, column))
        return {};
    return m_cells[size_t(link)][size_t(entry)][size_t(column)];
}

bool FloatMenu::setCell(int link, int entry, int column, const QString &text)
{
    if (!inside(link, entry, column))
        return false;
    m_cells[size_t(link)][size_t(entry)][size_t(column)] = text;
    return true;
}

std::optional<int> FloatMenu::addEntry(int link, const QString &caption, const QString &target)
{
    if (!inside(link, 0, 0))
        return std::nullopt;
    int entry = 0;
    for (int e = kEntries - 1; e >= 0; --e) {
        if (m_cells[size_t(link)][size_t(e)][1].isEmpty())
            entry = e;
    }
    setCell(link, entry, 1, caption);
    setCell(link, entry, 2, target);
    return entry;
}

int FloatMenu::entryCount(int link) const
{
    int n = 0;
    for (int e = 0; e < kEntries; ++e)
        n += cell(link, e, 1).isEmpty() ? 0 : 1;
    return n;
}

void FloatMenu::clear()
{
    for (auto &link : m_cells)
        for (auto &entry : link)
            for (QString &cell : entry)
                cell.clear();
}

FloatMenu::Items FloatMenu::items(int link) const
{
    Items items;
    if (link < 0 || link >= kLinks)
        return items;
    for (int j = 0; j < kEntries; ++j) {
        const QString caption = cell(link, j, 1);
        if (caption.isEmpty())
            continue;
        items[size_t(j)] = Item{true, caption, cell(link, j, 2)};
    }
    return items;
}

} // namespace vorlane
