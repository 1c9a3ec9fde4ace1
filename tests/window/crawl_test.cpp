// The bundled course read with the mouse: from page 1, following every text
// link, picture link, floating-menu entry and chapter step of every page
// reaches every page, and no link leads to a page number that no row carries.

#include "windowfixture.h"

#include "core/text/decimal.h"
#include "ui/linkelement.h"

#include <QToolButton>
#include <deque>
#include <map>
#include <set>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

using CrawlTest = WindowFixture;

// The page number of a page target ("PAG" + 3 digits, "PA" + 4 digits), or -1
// for another kind of target.
int targetPage(const QString &code)
{
    if (code.startsWith(u"PAG"))
        return int(DecimalRead(QStringView(code).right(3)));
    if (code.startsWith(u"PA"))
        return int(DecimalRead(QStringView(code).right(4)));
    return -1;
}

TEST_F(CrawlTest, EveryPageIsReachedFromPageOneAndNoLinkIsBroken)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    const int rows = session->pageIndex.slotCount() - 1;
    ASSERT_GE(rows, 30);

    // Every page number the course carries, read row by row.
    std::set<int> numbers;
    for (int row = 0; row < rows; ++row) {
        ASSERT_TRUE(course->setAbsolutePosition(row));
        numbers.insert(int(DecimalRead(course->field(QStringLiteral("Numeropage")))));
    }
    ASSERT_EQ(int(numbers.size()), rows) << "two rows share a page number";
    for (int n = 1; n <= rows; ++n)
        ASSERT_TRUE(numbers.count(n)) << "no page " << n;

    std::set<int> reached{1};
    std::deque<int> queue{1};
    std::map<QString, int> broken; // "from page p: target" -> p
    int linkCount = 0;
    int menuEntries = 0;
    while (!queue.empty()) {
        const int page = queue.front();
        queue.pop_front();
        window->navigate(QStringLiteral("PA%1").arg(page, 4, 10, QLatin1Char('0')));
        ASSERT_EQ(shownNumber(), QString::number(page));

        QStringList targets;
        for (int i = 0; i < MainWindow::kLabelCount; ++i) {
            if (!window->labelien(i)->isHidden() && !window->labelien(i)->tag().isEmpty())
                targets << window->labelien(i)->tag();
        }
        for (int i = 0; i < MainWindow::kImageCount; ++i) {
            const QString tag = window->imagelien(i)->tag();
            if (!window->imagelien(i)->isHidden() && !tag.isEmpty() && tag != u"FLOTTANT")
                targets << tag;
        }
        for (int link = 0; link < FloatMenu::kLinks; ++link) {
            for (int entry = 0; entry < FloatMenu::kEntries; ++entry) {
                if (!session->floatMenu.cell(link, entry, 1).isEmpty()) {
                    targets << session->floatMenu.cell(link, entry, 2);
                    ++menuEntries;
                }
            }
        }
        linkCount += int(targets.size());
        // The home page links to both tables of contents.
        if (page == 1)
            ASSERT_FALSE(targets.isEmpty()) << "no link on the home page";

        // Chapter steps: the pages whose Index is one less and one more.
        const bool hasPrevious = !window->chapterPreviousButton()->isHidden();
        const bool hasNext = !window->chapterNextButton()->isHidden();
        const int order = session->currentOrder;
        for (const auto &[shown, step] : {std::pair{hasPrevious, -1}, std::pair{hasNext, 1}}) {
            if (!shown)
                continue;
            window->navigate(QStringLiteral("PA%1").arg(page, 4, 10, QLatin1Char('0')));
            (step < 0 ? window->chapterPreviousButton() : window->chapterNextButton())->click();
            EXPECT_EQ(session->currentOrder, order + step) << "chapter step from page " << page;
            targets << QStringLiteral("PA%1").arg(shownNumber().toInt(), 4, 10, QLatin1Char('0'));
        }

        for (const QString &code : targets) {
            const int target = targetPage(code);
            if (target < 0)
                continue; // companion programs and tests are not pages
            if (!numbers.count(target)) {
                broken[QStringLiteral("page %1: %2").arg(page).arg(code)] = page;
                continue;
            }
            if (reached.insert(target).second)
                queue.push_back(target);
        }
    }

    for (const auto &[what, page] : broken)
        ADD_FAILURE() << "link to a missing page, " << what.toStdString();
    std::vector<int> unreached;
    for (int n : numbers) {
        if (!reached.count(n))
            unreached.push_back(n);
    }
    EXPECT_TRUE(unreached.empty()) << unreached.size() << " pages never reached, the first "
                                   << (unreached.empty() ? 0 : unreached.front());
    EXPECT_GT(linkCount, rows);
    EXPECT_GT(menuEntries, 0);
}

} // namespace
