#include <gtest/gtest.h>

#include "commands/SysDetail.h"
#include "component/ProcessState.h"
#include "forms/LedgerGrid.h"
#include "params/ProfileFlags.h"
#include "suite/AppConnection.h"
#include "support/SuiteSandbox.h"
#include "support/TempAccount.h"

using namespace orvan;
using commands::SysDetail;

namespace {

class SysDetailTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        component::processState().connection =
            std::make_shared<suite::AppConnection>(account.connectString());
        detail.attachGrid(&grid);
    }

    long load(const std::string &key, int32_t kind, int32_t tag, const std::string &sql)
    {
        component::processState().currentNodeKey = key;
        detail.GetTitleInfo(kind, tag);
        long count = -1;
        detail.TakeJournalData(sql, nullptr, count);
        return count;
    }
    std::string row(int32_t r)
    {
        std::string text;
        if (r == 1)
            detail.TRowData(1, text);
        else
            detail.DRowData(r, text);
        return text;
    }

    test::TempAccount account;
    test::SuiteSandbox<params::ProfileFlags> sandbox;
    forms::LedgerGrid grid;
    SysDetail detail;
};

} // namespace

TEST_F(SysDetailTest, BillTypesShowTheirColumnsAndOneGridRowPerRecord)
{
    const auto count = load("sys9", 0, 9,
                            "SELECT t1.FID,t1.FName,t1.FNumber,t1.FNote,t1.FAcctID,t2.FNumber as "
                            "FAcctNumber FROM ICBillType t1 left join t_Account t2 ON "
                            "t1.FAcctID=t2.FAccountID Where t1.FID<1005 Order by t1.FID");
    EXPECT_EQ(grid.rowCount(), count + 1);
    EXPECT_EQ(grid.columnCount(), 6);
    EXPECT_EQ(row(1), "||代码|名称|科目代码|备注|");
    EXPECT_EQ(grid.columnAlign(2), 1); // FID is a number
    const auto cells = SysDetail::cellsOf(row(2));
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[1], account.value("SELECT MIN(FID) FROM ICBillType"));
    EXPECT_EQ(SysDetail::cellsOf(row(count + 5)), SysDetail::cellsOf(row(count + 1)));
}

TEST_F(SysDetailTest, VoucherGroupsListTheirNames)
{
    const auto count = load("au3", 1, 23, "Select FName From t_Vouchergroup Order By FGroupID");
    EXPECT_EQ(row(1), "凭证字|");
    EXPECT_EQ(row(2), account.value("SELECT FName FROM t_Vouchergroup ORDER BY FGroupID") + "|");
    EXPECT_EQ(grid.rowCount(), count + 1);
}

TEST_F(SysDetailTest, FooterRowsAndBlankRows)
{
    const auto count =
        load("pL1", 2, 31,
             "select FKey,FValue from t_systemprofile where fkey "
             "in('PlanStartDate','DaysPerTimeZone','DemandTimeLimit','TimeZoneCount',"
             "'PlanTimeLimit') Order By FKey");
    EXPECT_EQ(count, 5);
    EXPECT_EQ(grid.rowCount(), 7);
    std::string blank;
    detail.TRowData(0, blank);
    EXPECT_EQ(blank, " | | | |");
}

TEST_F(SysDetailTest, PrintControlShowsControlWordsAndCompanyRowsSwapTheFirstTwo)
{
    load("sys4", 0, 4,
         "SELECT FID,FName,FPrintControlOrNo,FPrintMaxCount,FPrintAfterCheck FROM "
         "ICPrintMaxCount Order by FID");
    const auto cells = SysDetail::cellsOf(row(2));
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_TRUE(cells[3] == "控制" || cells[3] == "不控制") << cells[3];

    load("sys1", 0, 1,
         "SELECT 'CompanyName' AS FKey, 'A' AS FValue UNION ALL "
         "SELECT 'CompanyTax', 'B' UNION ALL SELECT 'CompanyTel', 'C'");
    EXPECT_EQ(SysDetail::cellsOf(row(2)).at(1), "B");
    EXPECT_EQ(SysDetail::cellsOf(row(3)).at(1), "A");
    EXPECT_EQ(SysDetail::cellsOf(row(4)).at(1), "C");
}

TEST_F(SysDetailTest, HighlightMovesFromRowToRow)
{
    load("sys9", 0, 9, "SELECT FID, FName, FNumber FROM ICBillType ORDER BY FID");
    grid.setRowTextHandler([this](int r) { return SysDetail::cellsOf(row(r)); });
    detail.TakeSelection(true, 4);
    EXPECT_EQ(grid.rowColor(4), SysDetail::HighlightColor);
    detail.TakeSelection(true, 6);
    EXPECT_EQ(grid.rowColor(4), forms::ColorWhite);
    EXPECT_EQ(grid.rowColor(6), SysDetail::HighlightColor);
    EXPECT_EQ(grid.currentRow(), 6);
    EXPECT_EQ(grid.currentColumn(), 2);
    detail.TakeSelection(false, 2);
    EXPECT_EQ(grid.currentRow(), 6);
}

TEST_F(SysDetailTest, CompanyRowsSwapAlsoInListsOfTwoAndOneRow)
{
    load("sys1", 0, 1,
         "SELECT 'CompanyName' AS FKey, 'A' AS FValue UNION ALL SELECT 'CompanyTax', 'B'");
    EXPECT_EQ(SysDetail::cellsOf(row(2)).at(1), "B");
    EXPECT_EQ(SysDetail::cellsOf(row(3)).at(1), "A");

    load("sys1", 0, 1, "SELECT 'CompanyName' AS FKey, 'A' AS FValue");
    EXPECT_EQ(SysDetail::cellsOf(row(2)).at(1), "A");
}

// Column sets are built once per list; a node shown again gets its own set back, with the
// field types of the rows it shows now.
TEST_F(SysDetailTest, ANodeShownAgainGetsItsColumnsBackWithTodaysFieldTypes)
{
    load("sys4", 0, 4, "SELECT FID, FName FROM ICPrintMaxCount ORDER BY FID");
    const auto printHeading = row(1);
    EXPECT_EQ(printHeading, "||表单类型|控制打印次数|最大打印次数|审核后才允许打印|");
    EXPECT_EQ(grid.columnAlign(2), 1) << "FID is a number";

    load("sys9", 0, 9, "SELECT FID, FName, FNumber FROM ICBillType ORDER BY FID");
    EXPECT_EQ(row(1), "||代码|名称|科目代码|备注|");

    load("sys4", 0, 4, "SELECT 'x' AS FID, 'y' AS FName");
    EXPECT_EQ(row(1), printHeading);
    EXPECT_EQ(grid.columnAlign(2), 0) << "FID is text now";

    detail.clearColumns();
    EXPECT_TRUE(detail.columns().empty());
    load("sys9", 0, 9, "SELECT FID FROM ICBillType");
    EXPECT_EQ(row(1), "||代码|名称|科目代码|备注|");

    detail.GetTitleInfo(0, 5); // a node without a set of its own keeps the columns shown
    EXPECT_EQ(row(1), "||代码|名称|科目代码|备注|");
}
