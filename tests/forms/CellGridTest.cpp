#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/Error.h"
#include "forms/CellGrid.h"
#include "support/ErrorNumber.h"

using namespace orvan::forms;
using orvan::base::ErrorNumber::SubscriptOutOfRange;
using orvan::test::errorNumberOf;

namespace {

CellGrid gridOf(int cols, int rows)
{
    CellGrid grid;
    grid.setMaxCols(cols);
    grid.setMaxRows(rows);
    return grid;
}

} // namespace

TEST(CellGrid, CellsFromTheHeadingsToTheLastRowAndColumnAreInside)
{
    auto grid = gridOf(3, 4);
    grid.setText(0, 0, "corner");
    grid.setText(3, 4, "last");
    EXPECT_EQ(grid.text(0, 0), "corner");
    EXPECT_EQ(grid.text(3, 4), "last");
    EXPECT_EQ(grid.text(2, 2), "");

    EXPECT_EQ(errorNumberOf([&] { grid.cell(4, 1); }), SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { grid.cell(1, 5); }), SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { grid.cell(-1, 1); }), SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { grid.cell(1, -1); }), SubscriptOutOfRange);
    const auto &readOnly = grid;
    EXPECT_EQ(errorNumberOf([&] { readOnly.text(4, 4); }), SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { grid.typeText(1, 5, "x"); }), SubscriptOutOfRange);
}

TEST(CellGrid, ShrinkingDropsTheCellsOutsideAndGrowingGivesThemBackEmpty)
{
    auto grid = gridOf(3, 3);
    for (int col = 1; col <= 3; ++col)
        for (int row = 1; row <= 3; ++row)
            grid.setText(col, row, std::to_string(col) + std::to_string(row));
    grid.setMaxRows(2);
    grid.setMaxCols(2);
    EXPECT_EQ(grid.maxRows(), 2);
    EXPECT_EQ(grid.maxCols(), 2);
    EXPECT_EQ(grid.text(2, 2), "22");
    grid.setMaxRows(3);
    grid.setMaxCols(3);
    EXPECT_EQ(grid.text(3, 1), "");
    EXPECT_EQ(grid.text(1, 3), "");
    EXPECT_EQ(grid.text(2, 2), "22");

    grid.setMaxRows(-5);
    grid.setMaxCols(-1);
    EXPECT_EQ(grid.maxRows(), 0);
    EXPECT_EQ(grid.maxCols(), 0);
    EXPECT_EQ(grid.text(0, 0), "");
    EXPECT_EQ(errorNumberOf([&] { grid.cell(0, 1); }), SubscriptOutOfRange);
}

TEST(CellGrid, TypedTextUpToTheMaximumLengthInCharactersIsTaken)
{
    auto grid = gridOf(2, 2);
    int changes = 0;
    grid.onChange = [&changes](int, int) { ++changes; };
    grid.cell(1, 1).maxLength = 3;
    EXPECT_TRUE(grid.typeText(1, 1, "编码规"));
    EXPECT_EQ(grid.text(1, 1), "编码规");
    EXPECT_FALSE(grid.typeText(1, 1, "编码规则"));
    EXPECT_EQ(grid.text(1, 1), "编码规");
    EXPECT_TRUE(grid.typeText(1, 1, ""));
    EXPECT_EQ(changes, 2);

    const std::string longText(500, 'x');
    EXPECT_TRUE(grid.typeText(2, 1, longText)) << "no maximum length";
    EXPECT_EQ(grid.text(2, 1), longText);
}

TEST(CellGrid, LockedAndStaticCellsRefuseTypingButTakeTheProgramsText)
{
    auto grid = gridOf(2, 2);
    std::vector<std::pair<int, int>> changed;
    grid.onChange = [&changed](int col, int row) { changed.emplace_back(col, row); };
    grid.cell(1, 1) = {.text = "locked", .locked = true};
    grid.cell(2, 1) = {.text = "caption", .type = CellType::Static};
    EXPECT_FALSE(grid.typeText(1, 1, "typed"));
    EXPECT_FALSE(grid.typeText(2, 1, "typed"));
    EXPECT_EQ(grid.text(1, 1), "locked");
    EXPECT_EQ(grid.text(2, 1), "caption");
    EXPECT_TRUE(changed.empty());

    grid.setText(1, 1, "set");
    EXPECT_EQ(grid.text(1, 1), "set");
    grid.cell(1, 1).locked = false;
    EXPECT_TRUE(grid.typeText(1, 1, "typed"));
    EXPECT_EQ(grid.text(1, 1), "typed");
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{1, 1}}));
}

TEST(CellGrid, MovingTheActiveCellAsksTheCellLeftOnlyWhenItChanges)
{
    auto grid = gridOf(3, 3);
    std::vector<std::vector<int>> leaves;
    grid.onLeaveCell = [&leaves](int col, int row, int newCol, int newRow, bool &) {
        leaves.push_back({col, row, newCol, newRow});
    };
    EXPECT_EQ(grid.activeCol(), 1);
    EXPECT_EQ(grid.activeRow(), 1);
    EXPECT_TRUE(grid.setActiveCell(1, 1));
    EXPECT_TRUE(leaves.empty()) << "staying is no move";
    EXPECT_TRUE(grid.setActiveCell(3, 3));
    EXPECT_EQ(leaves, (std::vector<std::vector<int>>{{1, 1, 3, 3}}));

    EXPECT_EQ(errorNumberOf([&] { grid.setActiveCell(4, 3); }), SubscriptOutOfRange);
    EXPECT_EQ(grid.activeCol(), 3);
    EXPECT_EQ(leaves.size(), 1u);

    grid.onLeaveCell = [](int, int, int, int, bool &cancel) { cancel = true; };
    EXPECT_FALSE(grid.setActiveCell(0, 0));
    EXPECT_EQ(grid.activeCol(), 3);
    EXPECT_EQ(grid.activeRow(), 3);
}
