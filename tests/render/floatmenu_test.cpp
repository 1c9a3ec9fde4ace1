#include "core/render/floatmenu.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

TEST(FloatMenuItemsTest, OnlyEntriesWithACaptionShowInTheirOwnPlace)
{
    FloatMenu menu;
    menu.setCell(3, 0, 1, u"Ondes"_s);
    menu.setCell(3, 0, 2, u"PAG040"_s);
    menu.setCell(3, 2, 1, u"Radioactivité"_s);
    menu.setCell(3, 2, 2, u"PAG060"_s);
    // A target without a caption is no item.
    menu.setCell(3, 5, 2, u"PAG099"_s);
    const FloatMenu::Items items = menu.items(3);
    int shown = 0;
    for (const FloatMenu::Item &item : items)
        shown += item.visible ? 1 : 0;
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(items[0].visible);
    EXPECT_EQ(items[0].caption, u"Ondes"_s);
    EXPECT_EQ(items[0].tag, u"PAG040"_s);
    EXPECT_FALSE(items[1].visible);
    EXPECT_TRUE(items[2].visible);
    EXPECT_EQ(items[2].tag, u"PAG060"_s);
    EXPECT_FALSE(items[5].visible);
    // Another link's row is its own.
    for (const FloatMenu::Item &item : menu.items(4))
        EXPECT_FALSE(item.visible);
}

TEST(FloatMenuItemsTest, LinksOutsideTheTableHaveNoMenu)
{
    FloatMenu menu;
    menu.addEntry(0, u"a"_s, u"PAG001"_s);
    menu.addEntry(20, u"b"_s, u"PAG002"_s);
    EXPECT_TRUE(menu.items(0)[0].visible);
    EXPECT_TRUE(menu.items(20)[0].visible);
    for (int link : {-1, 21, 1000})
        for (const FloatMenu::Item &item : menu.items(link))
            EXPECT_FALSE(item.visible) << link;
    EXPECT_EQ(FloatMenu::linkTag(), u"FLOTTANT"_s);
}

} // namespace
