#include "BillCodeFixture.h"

#include "base/DateTime.h"
#include "billcode/BillCodeRuleGrid.h"
#include "billcode/NextNumberPreview.h"
#include "billcode/RuleColumns.h"
#include "component/Translation.h"

using namespace orvan;
using namespace orvan::billcode;
namespace Col = orvan::billcode::RuleColumn;

namespace {

class BillCodeRuleGridTest : public test::BillCodeFixture
{
protected:
    void open(int32_t billId)
    {
        grid.setBill(billId);
        grid.setUp();
        grid.loadRule();
    }

    const std::string &cell(int col, int row) const { return grid.grid().text(col, row); }

    BillOptions optionsOf(int32_t billId) const
    {
        return *billCodeCaches().billOptions(std::to_string(billId));
    }

    BillCodeRuleGrid grid;
};

TEST_F(BillCodeRuleGridTest, LoadsTheStoredRuleWithLocksAndHiddenColumns)
{
    open(21);
    EXPECT_EQ(grid.dumpRules(),
              (std::vector<std::string>{"1: 自定义 | XOUT | 4 |  |  | 1 | 0 |  | ",
                                        "2: 仓库 | 代码 | 6 |  |  | 9 | 1 | FDCStockID | 1",
                                        "3: 流水号 | 1 | 5 | 0 |  | 3 | 0 |  | "}));
    EXPECT_TRUE(grid.grid().columnHidden(Col::Kind));
    EXPECT_FALSE(grid.grid().columnHidden(Col::Basis));
    EXPECT_TRUE(grid.grid().cell(Col::Basis, 1).locked);
    EXPECT_FALSE(grid.grid().cell(Col::Length, 3).locked);
    EXPECT_EQ(grid.grid().cell(Col::Basis, 2).type, forms::CellType::CheckBox);
    EXPECT_FALSE(grid.ruleChanged());
}

TEST_F(BillCodeRuleGridTest, TypingAdjustsFixedTextAndLengths)
{
    open(72);
    EXPECT_TRUE(grid.typeText(Col::Format, 1, "ab|"));
    EXPECT_EQ(cell(Col::Format, 1), "ab");
    EXPECT_TRUE(grid.typeText(Col::Format, 1, "采购"));
    EXPECT_EQ(cell(Col::Length, 1), "4");
    EXPECT_TRUE(grid.ruleChanged());

    EXPECT_FALSE(grid.typeText(Col::Length, 2, "2")); // a date's length follows its format
    EXPECT_TRUE(grid.typeText(Col::Format, 3, "0001"));
    EXPECT_TRUE(grid.typeText(Col::Length, 3, "2"));
    EXPECT_EQ(cell(Col::Length, 3), "4");

    open(21);
    EXPECT_TRUE(grid.typeText(Col::Length, 2, "1")); // base data "代码"
    EXPECT_EQ(cell(Col::Length, 2), "1");
}

TEST_F(BillCodeRuleGridTest, ChoosingItemsAndFormatsFillsTheRow)
{
    open(5);
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 1, "日期"));
    EXPECT_TRUE(grid.chooseListItemByText(Col::Format, 1, "YYYYMMDD"));
    EXPECT_EQ(cell(Col::Length, 1), "8");
    EXPECT_EQ(cell(Col::FormatId, 1), "3");
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 2, "流水号"));
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 4, "流水号"));
    EXPECT_EQ(lastMessage(), "已经设置了流水号项目，不能重复设置！");
    EXPECT_EQ(cell(Col::Item, 4), "");
    EXPECT_EQ(cell(Col::Kind, 4), "");
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 2, "流水号")); // the same row again

    open(1);
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 5, "单据类型"));
    EXPECT_EQ(cell(Col::Kind, 5), "10");
    EXPECT_EQ(cell(Col::FieldName, 5), "FBillTypeID");
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 6, "部门"));
    EXPECT_EQ(cell(Col::Kind, 6), "9");
}

TEST_F(BillCodeRuleGridTest, OnlyOneBasisBoxAndNoneForClassBillItems)
{
    open(24); // date row 2 is the basis
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 4, "仓库"));
    EXPECT_TRUE(grid.clickBasisBox(4));
    EXPECT_EQ(cell(Col::Basis, 4), "1");
    EXPECT_EQ(cell(Col::Basis, 2), "0");
    EXPECT_FALSE(grid.clickBasisBox(1)); // fixed text

    open(1002510);
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 4, "备注"));
    EXPECT_EQ(cell(Col::Kind, 4), "100");
    EXPECT_EQ(cell(Col::Format, 4), "FNote");
    EXPECT_FALSE(grid.clickBasisBox(4));
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 5, "日期"));
    EXPECT_TRUE(grid.clickBasisBox(5));

    open(1002520); // basis column hidden by the class
    EXPECT_TRUE(grid.grid().columnHidden(Col::Basis));
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 1, "日期"));
    EXPECT_FALSE(grid.clickBasisBox(1));
}

TEST_F(BillCodeRuleGridTest, TotalLengthAndRowChecks)
{
    open(72);
    grid.grid().setText(Col::Length, 1, "200");
    grid.grid().setText(Col::Length, 3, "49"); // with the date's 6: 255
    EXPECT_TRUE(grid.checkTotalLength(true));
    grid.grid().setText(Col::Length, 3, "50");
    EXPECT_FALSE(grid.checkTotalLength(true));
    EXPECT_EQ(lastMessage(), "编码设置长度超过255位，请重新设置。");
    EXPECT_TRUE(grid.checkTotalLength(false));

    open(72);
    grid.typeText(Col::Format, 3, "0001");
    grid.typeText(Col::Length, 3, "4");
    EXPECT_TRUE(grid.checkRows(true));
    grid.grid().setText(Col::Format, 3, "00a1"); // as a damaged account may hold it
    EXPECT_FALSE(grid.checkRows(true));
    EXPECT_EQ(lastMessage(), "第3行“格式”列的值应该为数字!");
    grid.grid().setText(Col::Format, 3, "-1");
    EXPECT_FALSE(grid.checkRows(true));
    EXPECT_EQ(lastMessage(), "第3行流水号起始值必须是不小于0的整数!");
    grid.chooseListItem(Col::Item, 3, 0);
    EXPECT_FALSE(grid.checkRows(true));
    EXPECT_EQ(lastMessage(), "缺少[流水号]项，请输入!");
    EXPECT_TRUE(grid.checkRows(false));
    EXPECT_EQ(messages->shown().back().title, component::messageTitle());
}

TEST_F(BillCodeRuleGridTest, ASerialTakesAStartOfZeroOrMoreAndAtMostTenDigits)
{
    open(72);
    EXPECT_TRUE(grid.typeText(Col::Length, 3, "10"));
    EXPECT_FALSE(grid.typeText(Col::Length, 3, "11"));
    EXPECT_FALSE(grid.typeText(Col::Length, 3, "99"));
    EXPECT_EQ(grid.grid().text(Col::Length, 3), "10");
    EXPECT_TRUE(grid.typeText(Col::Format, 3, "0"));
    EXPECT_FALSE(grid.typeText(Col::Format, 3, "-1"));
    EXPECT_EQ(lastMessage(), "第3行流水号起始值必须是不小于0的整数!");
    EXPECT_FALSE(grid.typeText(Col::Format, 3, "1.5"));
    EXPECT_EQ(grid.grid().text(Col::Format, 3), "0");
}

TEST_F(BillCodeRuleGridTest, SavesConsecutiveLevelsAndReloadsThem)
{
    open(21);
    grid.chooseListItem(Col::Item, 1, 0); // an empty row before the item row
    const auto content = grid.content();
    ASSERT_EQ(content.rows.size(), 2u);
    EXPECT_EQ(content.rows[0].FClassIndex, 1);
    EXPECT_EQ(content.rows[0].FProjectVal, "FDCStockID");
    EXPECT_EQ(content.rows[1].FClassIndex, 2);
    EXPECT_EQ(content.picture, "仓库+00001");

    auto options = optionsOf(21);
    options.FEditSelfBill = 2;
    ASSERT_TRUE(grid.save(options));
    EXPECT_EQ(billCodeCaches().billOptions("21")->FEditSelfBill, 2);
    EXPECT_EQ(billCodeCaches().billOptions("21")->FBillName, "销售出库单");
    open(21);
    EXPECT_EQ(grid.dumpRules(),
              (std::vector<std::string>{"1: 仓库 | 代码 | 6 |  |  | 9 | 1 | FDCStockID | 1",
                                        "2: 流水号 | 1 | 5 | 0 |  | 3 | 0 |  | "}));
    billCodeCaches().loadBillOptions();
    EXPECT_EQ(billCodeCaches().billOptions("21")->FEditSelfBill, 2);
}

TEST_F(BillCodeRuleGridTest, PicturesAndIncompleteRulesWithoutTheRuleInUse)
{
    open(5);
    grid.chooseListItemByText(Col::Item, 1, "日期");
    EXPECT_EQ(grid.content().picture, "日期");

    grid.chooseListItemByText(Col::Item, 2, "流水号"); // no start value, no length
    auto options = optionsOf(5);
    ASSERT_EQ(options.FUseBillCodeRule, 0);
    EXPECT_TRUE(grid.checkTotalLength(false) && grid.checkRows(false));
    ASSERT_TRUE(grid.save(options));
    open(5);
    EXPECT_EQ(grid.dumpRules().size(), 2u);

    open(1002510);
    EXPECT_EQ(grid.content().picture, "GXHB+生产车间+000001");
    EXPECT_EQ(grid.content().rows[1].FProjectVal, "FDeptID");
    EXPECT_TRUE(grid.grid().cell(Col::Length, 2).locked);
}

TEST_F(BillCodeRuleGridTest, RouteCardKeepsCheckItemCellsEditable)
{
    open(1002519);
    EXPECT_TRUE(grid.chooseListItemByText(Col::Item, 1, "自定义"));
    EXPECT_FALSE(grid.grid().cell(Col::Length, 1).locked);
    EXPECT_TRUE(grid.grid().cell(Col::Basis, 1).locked);
}

} // namespace

namespace {

TEST_F(BillCodeRuleGridTest, PreviewsTheNextNumber)
{
    const double day = base::dateSerial(2026, 3, 7);
    open(72);
    EXPECT_EQ(previewNextNumber(grid.grid(), day), "PO2603070001");
    open(21);
    EXPECT_EQ(previewNextNumber(grid.grid(), day), "XOUT[代码]00001");
    open(1002510);
    EXPECT_EQ(previewNextNumber(grid.grid(), day), "GXHB[生产车间]000001");
    open(5);
    EXPECT_EQ(previewNextNumber(grid.grid(), day), "");
}

} // namespace

TEST_F(BillCodeRuleGridTest, EmptyFormatsAreRefusedUpToBaseDataItems)
{
    open(21); // row 2: base data "仓库"
    EXPECT_TRUE(grid.checkRows(true));
    grid.grid().setText(Col::Format, 2, "");
    EXPECT_FALSE(grid.checkRows(true));
    EXPECT_EQ(lastMessage(), "第2行格式不能为空!");

    // A plain check item and a fixed text need no format.
    grid.grid().setText(Col::Kind, 2, std::to_string(ItemKind::PlainCheckItem));
    EXPECT_TRUE(grid.checkRows(true));
    grid.grid().setText(Col::Format, 1, "");
    EXPECT_TRUE(grid.checkRows(true));

    grid.grid().setText(Col::Kind, 2, std::to_string(ItemKind::Date));
    EXPECT_FALSE(grid.checkRows(true));
    EXPECT_EQ(lastMessage(), "第2行格式不能为空!");
}

TEST_F(BillCodeRuleGridTest, ASerialNumberNeedsItsLength)
{
    open(72);
    grid.typeText(Col::Format, 3, "0001");
    grid.typeText(Col::Length, 3, "4");
    EXPECT_TRUE(grid.checkRows(true));
    grid.grid().setText(Col::Length, 3, "");
    EXPECT_FALSE(grid.checkRows(true));
    EXPECT_EQ(lastMessage(), "第3行长度不能为空!");
}

TEST_F(BillCodeRuleGridTest, AHugeSerialLengthPreviewsAtMostAWholeRule)
{
    const double day = base::dateSerial(2026, 3, 7);
    open(72); // "PO" + date + serial of 4
    grid.grid().setText(Col::Length, 3, "999999999");
    const auto preview = previewNextNumber(grid.grid(), day);
    EXPECT_EQ(preview.size(), 2u + 6u + MaxRuleLength);
    EXPECT_TRUE(preview.ends_with("0001"));
    grid.grid().setText(Col::Length, 3, "255");
    EXPECT_EQ(previewNextNumber(grid.grid(), day).size(), 2u + 6u + 255u);
    grid.grid().setText(Col::Length, 3, "254");
    EXPECT_EQ(previewNextNumber(grid.grid(), day).size(), 2u + 6u + 254u);
    EXPECT_EQ(paddedSerial("1", -5), "1");
}
