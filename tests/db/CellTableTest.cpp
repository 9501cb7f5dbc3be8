#include <gtest/gtest.h>

#include "db/CellTable.h"

using namespace orvan::db;

TEST(CellTable, RowsKeepTheirCellsAcrossChunkEnds)
{
    CellTable cells(3); // 682 rows to a chunk
    constexpr long long Rows = 1500;
    std::span<Cell> first;
    for (long long n = 0; n < Rows; ++n) {
        const auto row = cells.appendRow();
        ASSERT_EQ(row.size(), 3u);
        row[0] = n;
        row[1] = std::to_string(n);
        if (n == 0)
            first = row;
    }
    EXPECT_EQ(cells.rowCount(), static_cast<size_t>(Rows));
    EXPECT_EQ(std::get<long long>(first[0]), 0) << "a row stays where it was written";
    for (const long long n : {0LL, 681LL, 682LL, 683LL, 1363LL, 1364LL, Rows - 1}) {
        const auto row = cells.row(static_cast<size_t>(n));
        EXPECT_EQ(std::get<long long>(row[0]), n);
        EXPECT_EQ(std::get<std::string>(row[1]), std::to_string(n));
        EXPECT_TRUE(std::holds_alternative<std::monostate>(row[2])) << "unwritten cells are empty";
    }
    cells.clear();
    EXPECT_EQ(cells.rowCount(), 0u);
    EXPECT_EQ(cells.appendRow().size(), 3u);
}

TEST(CellTable, WideRowsTakeAChunkEach)
{
    CellTable cells(3000); // wider than a chunk
    cells.appendRow()[2999] = 1.5;
    cells.appendRow()[0] = 2.5;
    EXPECT_EQ(std::get<double>(cells.row(0)[2999]), 1.5);
    EXPECT_EQ(std::get<double>(cells.row(1)[0]), 2.5);
}
