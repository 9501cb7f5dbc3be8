#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/LedgerGrid.h"

using namespace orvan::forms;

TEST(LedgerGrid, CurrentRowRunsFromTheHeadingToTheLastRowElseNone)
{
    LedgerGrid grid;
    std::vector<int> announced;
    grid.onRowChanged = [&announced](int row) { announced.push_back(row); };
    grid.setRowCount(5);
    grid.setCurrentRow(1);
    EXPECT_EQ(grid.currentRow(), 1);
    grid.setCurrentRow(5);
    EXPECT_EQ(grid.currentRow(), 5);
    grid.setCurrentRow(6);
    EXPECT_EQ(grid.currentRow(), 0);
    grid.setCurrentRow(5);
    grid.setCurrentRow(-1);
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_EQ(announced, (std::vector<int>{1, 5, 0, 5, 0}));

    LedgerGrid empty;
    empty.setCurrentRow(1);
    EXPECT_EQ(empty.currentRow(), 0);
}

TEST(LedgerGrid, FewerRowsKeepTheCurrentRowWhileItIsStillThere)
{
    LedgerGrid grid;
    grid.setRowCount(5);
    grid.setCurrentRow(4);
    grid.setRowCount(4);
    EXPECT_EQ(grid.currentRow(), 4);
    grid.setRowCount(3);
    EXPECT_EQ(grid.currentRow(), 0);

    grid.setRowCount(-2);
    EXPECT_EQ(grid.rowCount(), 0);
    grid.setColumnCount(-1);
    EXPECT_EQ(grid.columnCount(), 0);
    grid.setColumnCount(7);
    EXPECT_EQ(grid.columnCount(), 7);
}

TEST(LedgerGrid, RowTextsComeFromTheHandlerForRowsOfTheGridOnly)
{
    LedgerGrid grid;
    grid.setRowCount(3);
    EXPECT_TRUE(grid.rowText(1).empty()) << "no handler";
    grid.setRowTextHandler([](int row) { return std::vector<std::string>{std::to_string(row)}; });
    EXPECT_TRUE(grid.rowText(0).empty());
    EXPECT_EQ(grid.rowText(1), std::vector<std::string>{"1"});
    EXPECT_EQ(grid.rowText(3), std::vector<std::string>{"3"});
    EXPECT_TRUE(grid.rowText(4).empty());
}

TEST(LedgerGrid, ClearingDropsRowsAndColoursButKeepsWidths)
{
    LedgerGrid grid;
    grid.setRowCount(4);
    grid.setCurrentRow(2);
    grid.setColumnWidth(1, 900);
    grid.setBackColor(0xEEEEEE);
    grid.setRowColor(3, 0x00FF00);
    EXPECT_EQ(grid.rowColor(3), 0x00FF00u);
    EXPECT_EQ(grid.rowColor(2), 0xEEEEEEu) << "rows without a colour take the background";
    grid.clear();
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_EQ(grid.rowColor(3), 0xEEEEEEu);
    EXPECT_EQ(grid.columnWidth(1), 900);

    grid.setRowColor(1, 0x0000FF);
    grid.clearRowColors();
    EXPECT_EQ(grid.rowColor(1), 0xEEEEEEu);
}

TEST(LedgerGrid, ShowsHeadedColumnsThatSomeRowFills)
{
    LedgerGrid grid;
    grid.setColumnCount(4);
    std::vector<std::vector<std::string>> rows = {
        {"", "分支", "代码", "名称"}, {"7", " ", "01", ""}, {"8", "", "02", "普通"}};
    grid.setRowTextHandler([&rows](int row) { return rows.at(static_cast<std::size_t>(row - 1)); });
    grid.setRowCount(1);
    EXPECT_EQ(grid.shownColumns(), (std::vector<bool>{false, true, true, true}))
        << "an empty list shows the headings it would fill";
    grid.setRowCount(3);
    EXPECT_EQ(grid.shownColumns(), (std::vector<bool>{false, false, true, true}));
}

TEST(LedgerGrid, ColumnWidthsTravelAsTextFromAColumnOn)
{
    LedgerGrid grid;
    grid.setColumnWidth(1, 2000);
    grid.setColumnWidth(3, 2250);
    grid.setColumnWidth(5, 900);
    EXPECT_EQ(grid.columnWidthsText(3), "3:2250;5:900");
    grid.clearColumnWidths(3);
    EXPECT_EQ(grid.columnWidth(1), 2000);
    EXPECT_EQ(grid.columnWidth(5), 0);
    grid.setColumnWidthsText("4:1500;x:3;6:-2;7:abc;8");
    EXPECT_EQ(grid.columnWidthsText(1), "1:2000;4:1500") << "what is no width is skipped";
}
