#include <gtest/gtest.h>

#include "base/Error.h"
#include "forms/CellGrid.h"
#include "forms/Controls.h"
#include "forms/LedgerGrid.h"
#include "forms/Menu.h"
#include "forms/Toolbar.h"
#include "support/ErrorNumber.h"

using namespace orvan::forms;
using orvan::test::errorNumberOf;

TEST(LedgerGrid, AsksForRowTextsAndKeepsTheCurrentRowInside)
{
    LedgerGrid grid;
    int asked = 0;
    grid.setRowTextHandler([&asked](int row) {
        ++asked;
        return std::vector<std::string>{row == 1 ? "代码" : "R" + std::to_string(row)};
    });
    grid.setRowCount(100001);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(grid.rowText(1).at(0), "代码");
    EXPECT_EQ(grid.rowText(50000).at(0), "R50000");
    EXPECT_TRUE(grid.rowText(100002).empty());
    EXPECT_EQ(asked, 2);

    grid.SelRow(4);
    EXPECT_EQ(grid.currentRow(), 4);
    grid.setCurrentRow(100002);
    EXPECT_EQ(grid.currentRow(), 0);
    grid.setCurrentRow(6);
    grid.setRowCount(3);
    EXPECT_EQ(grid.currentRow(), 0);

    grid.setRowColor(2, 0xC0C0C0);
    EXPECT_EQ(grid.rowColor(2), 0xC0C0C0u);
    EXPECT_EQ(grid.rowColor(3), ColorWhite);
}

TEST(Toolbar, ButtonsByKeyIgnoringCase)
{
    Toolbar toolbar;
    toolbar.add({.key = "New", .caption = "新增", .image = "new"});
    toolbar.add({.separator = true});
    toolbar.add({.key = "Delete", .caption = "删除"});
    toolbar.button("delete").enabled = false;
    EXPECT_FALSE(toolbar.button("Delete").enabled);
    EXPECT_FALSE(toolbar.contains("Print"));
    EXPECT_EQ(errorNumberOf([&] { toolbar.button("Print"); }), 35601);
}

TEST(MenuBar, DottedPathsFindNestedItems)
{
    MenuBar menus;
    auto &edit = menus.add({.name = "Edit", .caption = "编辑(&E)"});
    edit.add({.name = "New", .caption = "新增"});
    edit.add({.separator = true});
    edit.add({.name = "Delete", .caption = "删除"});
    menus.item("edit.delete").enabled = false;
    EXPECT_FALSE(menus.find("Edit.Delete")->enabled);
    EXPECT_EQ(menus.find("Edit.Missing"), nullptr);
    EXPECT_EQ(menus.find("View"), nullptr);
}

TEST(Splitter, MovesWithinItsLimits)
{
    Splitter splitter{3000, 1680, 8000};
    EXPECT_EQ(splitter.moveTo(100), 1680);
    EXPECT_EQ(splitter.moveTo(9000), 8000);
    EXPECT_EQ(splitter.moveTo(4000), 4000);
}

TEST(CellGrid, UserEditsRespectLocksLengthsAndLeaveCellVeto)
{
    CellGrid grid;
    grid.setMaxCols(3);
    grid.setMaxRows(4);
    std::vector<std::pair<int, int>> changed;
    grid.onChange = [&changed](int col, int row) { changed.emplace_back(col, row); };

    grid.cell(2, 1).maxLength = 4;
    EXPECT_TRUE(grid.typeText(2, 1, "日期01"));
    EXPECT_FALSE(grid.typeText(2, 1, "12345"));
    grid.cell(2, 2).locked = true;
    EXPECT_FALSE(grid.typeText(2, 2, "x"));
    grid.setText(2, 2, "program");
    EXPECT_EQ(grid.text(2, 2), "program");
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{2, 1}}));

    grid.onLeaveCell = [](int, int row, int, int, bool &cancel) { cancel = row == 1; };
    EXPECT_FALSE(grid.setActiveCell(2, 3));
    grid.onLeaveCell = nullptr;
    EXPECT_TRUE(grid.setActiveCell(2, 3));
    EXPECT_EQ(grid.activeRow(), 3);

    grid.setMaxRows(2);
    EXPECT_THROW(grid.cell(1, 3), orvan::base::Error);
    EXPECT_EQ(grid.text(2, 1), "日期01");
}

TEST(Toolbar, SeparatorsAndClearedButtonsAreNotFound)
{
    Toolbar toolbar;
    toolbar.add({.separator = true});
    EXPECT_FALSE(toolbar.contains(""));
    EXPECT_EQ(errorNumberOf([&] { toolbar.button(""); }), 35601);
    toolbar.add({.key = "Exit"});
    const auto &readOnly = toolbar;
    EXPECT_EQ(readOnly.button("exit").key, "Exit");
    EXPECT_EQ(errorNumberOf([&] { readOnly.button("Exit2"); }), 35601);
    toolbar.clear();
    EXPECT_FALSE(toolbar.contains("Exit"));
    EXPECT_TRUE(toolbar.buttons().empty());
}

TEST(MenuBar, ItemsNotFoundAreNullOrRaise)
{
    MenuBar menus;
    auto &file = menus.add({.name = "File"});
    auto &print = file.add({.name = "Print"});
    print.add({.name = "Preview"});
    file.add({.name = "Line", .separator = true});
    EXPECT_EQ(menus.find("file.print.preview"), &menus.item("FILE.PRINT.PREVIEW"));
    EXPECT_EQ(menus.find("File.Print.Preview.More"), nullptr);
    EXPECT_EQ(menus.find("File.Line"), nullptr) << "separators are not addressed";
    EXPECT_EQ(menus.find("File."), nullptr);
    EXPECT_EQ(menus.find(""), nullptr);
    EXPECT_EQ(menus.find("Print"), nullptr) << "paths start at the menu bar";
    EXPECT_EQ(errorNumberOf([&] { menus.item("File.Missing"); }),
              orvan::base::ErrorNumber::InvalidProcedureCall);
    const auto &readOnly = menus;
    EXPECT_EQ(readOnly.find("File.Print")->name, "Print");
}

TEST(Splitter, TakesBothLimitsAndAWrongMaximumLeavesOnlyTheMinimum)
{
    Splitter splitter{3000, 1680, 8000};
    EXPECT_EQ(splitter.moveTo(1680), 1680);
    EXPECT_EQ(splitter.moveTo(1679), 1680);
    EXPECT_EQ(splitter.moveTo(8000), 8000);
    EXPECT_EQ(splitter.moveTo(8001), 8000);
    EXPECT_EQ(splitter.position, 8000);
    Splitter inverted{0, 500, 100};
    EXPECT_EQ(inverted.moveTo(300), 500);
    EXPECT_EQ(inverted.moveTo(9000), 500);
}

TEST(SmallControls, PanelsAndListItemsByExactKey)
{
    StatusBar status;
    status.panels.push_back({.key = "User", .text = "administrator"});
    ASSERT_NE(status.panel("User"), nullptr);
    status.panel("User")->text = "16394";
    EXPECT_EQ(status.panels[0].text, "16394");
    EXPECT_EQ(status.panel("user"), nullptr);

    CheckList list;
    list.items.push_back({.key = "IC", .caption = "仓存"});
    ASSERT_NE(list.item("IC"), nullptr);
    list.item("IC")->checked = true;
    EXPECT_TRUE(list.items[0].checked);
    EXPECT_EQ(list.item("ic"), nullptr);
    EXPECT_EQ(list.item(""), nullptr);

    TabControl tabs;
    tabs.addTab("属性");
    tabs.addTab("选项");
    ASSERT_EQ(tabs.tabEnabled.size(), tabs.captions.size());
    EXPECT_TRUE(tabs.tabEnabled[1]);
    EXPECT_EQ(tabs.captions[1], "选项");
}

TEST(CellGrid, CheckBoxTextIsTickedOnlyForOne)
{
    for (const char *ticked : {"1", " 1", "1  "})
        EXPECT_TRUE(isCheckedText(ticked)) << ticked;
    for (const char *cleared : {"0", "", " ", "-1", "11", "01", "1.0", "true", "on"})
        EXPECT_FALSE(isCheckedText(cleared)) << cleared;
}
