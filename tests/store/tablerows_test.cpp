#include "core/store/tablerows.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

const QStringList kColumns = {u"titre"_s, u"Numeropage"_s, u"fpc"_s, u"Index"_s};

// The value a cell holds unless its column is deferred.
QString valueOf(int row, int column)
{
    return u"r%1c%2"_s.arg(row).arg(column);
}

QStringList rowValues(int row)
{
    QStringList values;
    for (int column = 0; column < kColumns.size(); ++column)
        values << valueOf(row, column);
    return values;
}

// A deferred column holds nothing, whether it was deferred before the rows
// came (as SQLite reads them) or after (as Access reads them), and the other
// columns keep their own values whatever columns around them are deferred.
TEST(TableRows, DeferredColumnsHoldNothingAndTheOthersKeepTheirValues)
{
    const std::vector<std::vector<int>> deferredSets = {{}, {0}, {2}, {3}, {0, 2}, {2, 0, 3}, {0, 1, 2, 3}};
    constexpr int kRows = 5;
    for (const std::vector<int> &deferred : deferredSets) {
        const auto isDeferred = [&deferred](int column) {
            return std::find(deferred.begin(), deferred.end(), column) != deferred.end();
        };
        // Deferred after the rows were appended, with their rowids.
        TableRows after(u"Cours"_s, kColumns);
        for (int row = 0; row < kRows; ++row)
            after.appendRow(rowValues(row), 100 + row);
        for (int column : deferred)
            after.setDeferred(column);
        // Deferred first, then every row at once: only the cells held.
        TableRows before(u"Cours"_s, kColumns);
        for (int column : deferred)
            before.setDeferred(column);
        std::deque<QString> cells;
        std::vector<qint64> rowIds;
        for (int row = 0; row < kRows; ++row) {
            rowIds.push_back(100 + row);
            for (int column = 0; column < kColumns.size(); ++column)
                if (!isDeferred(column))
                    cells.push_back(valueOf(row, column));
        }
        before.setRows(std::move(cells), std::move(rowIds));

        for (TableRows *rows : {&after, &before}) {
            const char *how = rows == &after ? "after" : "before";
            ASSERT_EQ(rows->rowCount(), kRows) << how << " " << deferred.size();
            EXPECT_EQ(rows->columns(), kColumns);
            for (int row = 0; row < kRows; ++row) {
                EXPECT_EQ(rows->rowId(row), 100 + row) << how;
                for (int column = 0; column < kColumns.size(); ++column) {
                    EXPECT_EQ(rows->isDeferred(column), isDeferred(column)) << how;
                    EXPECT_EQ(rows->cell(row, column), isDeferred(column) ? QString() : valueOf(row, column))
                        << how << " row " << row << " column " << column;
                }
            }
            // A write reaches only a column that is held.
            for (int column = 0; column < kColumns.size(); ++column) {
                EXPECT_EQ(rows->setCell(1, column, u"écrit"_s), !isDeferred(column)) << how;
                EXPECT_EQ(rows->cell(1, column), isDeferred(column) ? QString() : u"écrit"_s) << how;
                EXPECT_EQ(rows->cell(2, column), isDeferred(column) ? QString() : valueOf(2, column)) << how;
            }
            EXPECT_FALSE(rows->setCell(kRows, 1, u"x"_s)) << how;
            EXPECT_EQ(rows->cell(kRows, 1), QString()) << how;
        }
    }
}

// Deferred columns given their values later, in any order, are held again in
// their own place.
TEST(TableRows, FilledColumnsAreHeldInTheirPlace)
{
    const std::vector<std::vector<int>> fillOrders = {{0}, {3}, {2, 0}, {0, 3, 1}, {3, 2, 1, 0}};
    constexpr int kRows = 4;
    for (const std::vector<int> &order : fillOrders) {
        TableRows rows(u"Cours"_s, kColumns);
        for (int column = 0; column < kColumns.size(); ++column)
            rows.setDeferred(column);
        rows.setRows({}, {10, 11, 12, 13});
        ASSERT_EQ(rows.rowCount(), kRows);
        for (int column : order) {
            std::vector<QString> values;
            for (int row = 0; row < kRows; ++row)
                values.push_back(valueOf(row, column));
            EXPECT_FALSE(rows.fillColumn(column, {u"trop"_s, u"peu"_s}));
            EXPECT_TRUE(rows.fillColumn(column, values));
            EXPECT_FALSE(rows.fillColumn(column, values)); // held now
        }
        for (int column = 0; column < kColumns.size(); ++column) {
            const bool filled = std::find(order.begin(), order.end(), column) != order.end();
            EXPECT_EQ(rows.isDeferred(column), !filled);
            for (int row = 0; row < kRows; ++row)
                EXPECT_EQ(rows.cell(row, column), filled ? valueOf(row, column) : QString())
                    << "row " << row << " column " << column;
        }
        EXPECT_EQ(rows.rowId(3), 13);
    }
}

TEST(TableRows, RowsAppendedAfterADeferredColumnDropItsValue)
{
    TableRows rows(u"Cours"_s, kColumns);
    rows.setDeferred(2);
    rows.setDeferred(2); // twice is once
    rows.appendRow(rowValues(0));
    rows.appendRow({u"court"_s}); // missing values read as empty
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.value(0, u"INDEX"), valueOf(0, 3));
    EXPECT_EQ(rows.value(0, u"fpc"), QString());
    EXPECT_EQ(rows.value(1, u"titre"), u"court"_s);
    EXPECT_EQ(rows.value(1, u"Index"), QString());
    EXPECT_FALSE(rows.hasRowIds());
}

// Rows known by the run of their rowids alone: each row's rowid follows from
// the first, rows appended after keep every rowid whether they continue the
// run or not, and a row without one leaves the table without rowids.
TEST(TableRows, RowsOfARowidRunKeepTheirRowidsWhenRowsAreAppended)
{
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    struct Case {
        qint64 first;
        int count;
        std::optional<qint64> appended; // none: a row appended without a rowid
        std::vector<qint64> expected;   // empty: no rowids
    };
    const Case cases[] = {
        {1, 3, 4, {1, 2, 3, 4}},
        {1, 3, 9, {1, 2, 3, 9}},
        {-1, 2, 1, {-1, 0, 1}},
        {-1, 2, -5, {-1, 0, -5}},
        {7, 0, 7, {7}},
        {7, 0, 3, {3}},
        {kMax - 1, 2, 0, {kMax - 1, kMax, 0}},
        {1, 3, std::nullopt, {}},
    };
    for (const Case &c : cases) {
        TableRows rows(u"Cours"_s, kColumns);
        for (int column = 0; column < kColumns.size(); ++column)
            rows.setDeferred(column);
        ASSERT_TRUE(rows.setRowRange(c.first, c.count));
        ASSERT_EQ(rows.rowCount(), c.count);
        for (int row = 0; row < c.count; ++row)
            EXPECT_EQ(rows.rowId(row), c.first + row);
        EXPECT_EQ(rows.rowId(c.count), std::nullopt);
        if (c.appended)
            rows.appendRow(rowValues(c.count), *c.appended);
        else
            rows.appendRow(rowValues(c.count));
        ASSERT_EQ(rows.rowCount(), c.count + 1);
        EXPECT_EQ(rows.hasRowIds(), !c.expected.empty()) << c.first;
        for (int row = 0; row <= c.count; ++row)
            EXPECT_EQ(rows.rowId(row), c.expected.empty() ? std::nullopt : std::optional(c.expected[row]))
                << c.first << " row " << row;
    }
}

TEST(TableRows, ARowidRunIsRefusedWhileAColumnIsHeldOrWhenItWouldOverflow)
{
    TableRows held(u"Cours"_s, kColumns);
    held.setDeferred(0);
    held.appendRow(rowValues(0), 5);
    EXPECT_FALSE(held.setRowRange(1, 3));
    EXPECT_EQ(held.rowCount(), 1);
    EXPECT_EQ(held.rowId(0), 5);

    TableRows deferred(u"Cours"_s, {u"fpc"_s});
    deferred.setDeferred(0);
    EXPECT_FALSE(deferred.setRowRange(std::numeric_limits<qint64>::max(), 2));
    EXPECT_FALSE(deferred.setRowRange(1, -1));
    EXPECT_EQ(deferred.rowCount(), 0);
    ASSERT_TRUE(deferred.setRowRange(std::numeric_limits<qint64>::max(), 1));
    // A column filled later holds its values on the rows of the run.
    ASSERT_TRUE(deferred.fillColumn(0, {u"Corps"_s}));
    EXPECT_EQ(deferred.cell(0, 0), u"Corps"_s);
    EXPECT_EQ(deferred.rowId(0), std::numeric_limits<qint64>::max());
}

} // namespace
