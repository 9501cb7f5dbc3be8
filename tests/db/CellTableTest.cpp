#include <gtest/gtest.h>

#include "db/CellTable.h"

#include <climits>

using namespace orvan::db;

TEST(CellTable, EveryKindOfValueReadsBackAsWritten)
{
    const std::vector<Cell> written = {Cell{},
                                       0LL,
                                       -1LL,
                                       63LL,
                                       64LL,
                                       -65LL,
                                       LLONG_MIN,
                                       LLONG_MAX,
                                       0.0,
                                       -2.5,
                                       1e300,
                                       std::string(""),
                                       std::string("甲乙"),
                                       std::string(300, 'x'),
                                       std::string("a\0b", 3)};
    CellTable cells(written.size());
    cells.appendRow(written);
    std::vector<Cell> read;
    cells.readRow(0, read);
    EXPECT_EQ(read, written);
    for (size_t column = 0; column < written.size(); ++column)
        EXPECT_EQ(cells.cell(0, column), written[column]) << column;
}

TEST(CellTable, RowsKeepTheirCellsAcrossChunkEnds)
{
    CellTable cells(3);
    constexpr long long Rows = 20000; // several 64 KiB chunks
    for (long long n = 0; n < Rows; ++n) {
        cells.beginRow();
        cells.addInteger(n);
        cells.addText(std::to_string(n));
        if (n % 7 == 0)
            cells.addReal(0.5);
    }
    cells.shrinkToFit();
    ASSERT_EQ(cells.rowCount(), static_cast<size_t>(Rows));
    for (long long n = 0; n < Rows; ++n) {
        const auto row = static_cast<size_t>(n);
        ASSERT_EQ(cells.cell(row, 0), Cell{n});
        ASSERT_EQ(cells.cell(row, 1), Cell{std::to_string(n)});
        ASSERT_EQ(cells.cell(row, 2), n % 7 == 0 ? Cell{0.5} : Cell{})
            << "unwritten cells read as null";
    }
    cells.beginRow(); // rows can follow a shrink
    cells.addText("after");
    EXPECT_EQ(cells.cell(static_cast<size_t>(Rows), 0), Cell{std::string("after")});
    cells.clear();
    EXPECT_EQ(cells.rowCount(), 0u);
}

TEST(CellTable, RowsLargerThanAChunkStayWhole)
{
    CellTable cells(2);
    const std::string big(200 * 1024, 'b');
    cells.appendRow(std::vector<Cell>{1LL, std::string("small")});
    cells.appendRow(std::vector<Cell>{2LL, big});      // moves to a chunk of its own
    cells.appendRow(std::vector<Cell>{big, big});      // grows a chunk alone
    cells.appendRow(std::vector<Cell>{3LL, 4LL, 5LL}); // extra cells are dropped
    EXPECT_EQ(cells.cell(0, 1), Cell{std::string("small")});
    EXPECT_EQ(cells.cell(1, 1), Cell{big});
    EXPECT_EQ(cells.cell(2, 0), Cell{big});
    EXPECT_EQ(cells.cell(2, 1), Cell{big});
    EXPECT_EQ(cells.cell(3, 1), Cell{4LL});
}

TEST(CellTable, ACopyHoldsTheSameRowsAndGrowsApart)
{
    CellTable cells(2);
    cells.appendRow(std::vector<Cell>{1LL, std::string("one")});
    cells.shrinkToFit();
    CellTable copy = cells;
    copy.appendRow(std::vector<Cell>{2LL, std::string(100 * 1024, 'c')});
    cells.appendRow(std::vector<Cell>{3LL, Cell{}});
    EXPECT_EQ(copy.cell(0, 1), Cell{std::string("one")});
    EXPECT_EQ(copy.cell(1, 1), Cell{std::string(100 * 1024, 'c')});
    EXPECT_EQ(cells.cell(1, 0), Cell{3LL});
    EXPECT_EQ(cells.rowCount(), 2u);
    cells = copy;
    EXPECT_EQ(cells.cell(1, 0), Cell{2LL});
}
