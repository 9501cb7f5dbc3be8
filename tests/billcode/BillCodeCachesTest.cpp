#include "BillCodeFixture.h"

#include "billcode/BillCodeCaches.h"
#include "billcode/ClassBillInfo.h"
#include "billcode/EditorRuleRow.h"
#include "billcode/ItemList.h"
#include "component/BillCodeComponents.h"

using namespace orvan;
using namespace orvan::billcode;

namespace {

using BillCodeCachesTest = test::BillCodeFixture;

TEST_F(BillCodeCachesTest, LoadsCheckItemsFormatsAndBillOptionsFromTheAccount)
{
    const auto &caches = billCodeCaches();
    ASSERT_EQ(caches.checkItems("21").size(), 3u);
    EXPECT_EQ(caches.checkItems("21")[1].FName, "客户");
    EXPECT_EQ(caches.checkItemId("1", 3), 0);
    EXPECT_EQ(caches.checkItemId("1", 1), 5);
    EXPECT_EQ(caches.checkItemId("1", 4), 0);
    EXPECT_EQ(caches.checkItemId("5", 1), 0);

    EXPECT_EQ(caches.dateFormats(), (std::vector<std::string>{"", "YYYY", "YYYYMM", "YYYYMMDD",
                                                              "YYMMDD", "YYMM", "MMDD"}));
    EXPECT_EQ(caches.baseDataFormats(), (std::vector<std::string>{"", "代码", "名称", "短代码"}));

    const auto *options = caches.billOptions("51");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->FBillName, "生产投料单");
    EXPECT_EQ(options->FSingleUnApproval, 2);
    EXPECT_EQ(caches.billOptions("9999"), nullptr);
}

TEST_F(BillCodeCachesTest, MissingComponentLeavesTheCachesAsTheyWere)
{
    component::ComponentRegistry::instance().remove(component::ProgId::BillCodeRule);
    billCodeCaches().loadBillOptions();
    EXPECT_NE(billCodeCaches().billOptions("72"), nullptr);
    EXPECT_TRUE(readBillCodeRule(72).empty());
}

TEST_F(BillCodeCachesTest, AWindowOpenedAgainReadsOnlyWhatChanged)
{
    connectProcess();
    billCodeCaches().loadAll(); // a complete load on the open connection
    auto kept = *billCodeCaches().billOptions("51");
    kept.FBillName = "in memory only";
    billCodeCaches().replaceBillOptions("51", kept);
    billCodeCaches().loadAll();
    EXPECT_EQ(billCodeCaches().billOptions("51")->FBillName, "in memory only")
        << "the account did not change: nothing was read again";

    run("UPDATE ICBillNo SET FBillName='改过的名称' WHERE FBillID=51"); // another program
    billCodeCaches().loadAll();
    EXPECT_EQ(billCodeCaches().billOptions("51")->FBillName, "改过的名称");

    billCodeCaches().replaceBillOptions("51", kept);
    connection().Execute("UPDATE ICBillNo SET FCurNo=FCurNo WHERE FBillID=51"); // this one
    billCodeCaches().loadAll();
    EXPECT_EQ(billCodeCaches().billOptions("51")->FBillName, "改过的名称");
}

TEST_F(BillCodeCachesTest, StoredRowsBecomeEditorRowsByKind)
{
    const auto rule = readBillCodeRule(21);
    ASSERT_EQ(rule.size(), 3u);
    EXPECT_EQ(rule[0].EFormat, "XOUT");
    EXPECT_EQ(rule[0].EFieldName, "");
    EXPECT_EQ(rule[1].EClass, 2);
    EXPECT_EQ(rule[1].EProject, "仓库");
    EXPECT_EQ(rule[1].EFormat, "代码");
    EXPECT_EQ(rule[1].EFieldName, "FDCStockID");
    EXPECT_EQ(rule[1].FItemID, 5);
    EXPECT_EQ(rule[1].FIsBy, 1);
    EXPECT_TRUE(readBillCodeRule(5).empty());
}

TEST_F(BillCodeCachesTest, ClassBillFieldsAndControlBits)
{
    EXPECT_EQ(classFieldSql(1002510, "FCaption_CHS"),
              " SELECT FCaption_CHS,FKey,FFieldName FROM ICClassTableInfo WHERE FClassTypeID = "
              "1002510 AND FPage = 1 AND \r\n ((FSourceType = 0 AND FCtlType = 1 AND FKeyWord = "
              "'') OR (FSourceType = 0 AND FCtlType = 3 AND FKeyWord = '')  OR (FSourceType = 0 "
              "AND FCtlType = 1 AND FKeyWord = 'SRCBILLNO') ) Order by FTabIndex \r\n");
    EXPECT_EQ(classFieldCaptionColumn(), "FCaption_CHS");

    const auto fields = classBillFields(1002510);
    ASSERT_EQ(fields.size(), 5u); // 日期, 生产车间, 备注, 源单单号, 工序移转单号
    EXPECT_EQ(fields[0].caption, "日期");
    EXPECT_EQ(fields[1].key, "FDeptID");
    EXPECT_TRUE(classBillFields(72).empty());

    EXPECT_TRUE(serialBasisHidden(1002520));
    EXPECT_FALSE(serialBasisHidden(1002510));
    EXPECT_FALSE(serialBasisHidden(72));
    EXPECT_TRUE(serialBasisHidden(1009999));

    EXPECT_FALSE(checkAfterSaveApplies(1002521));
    EXPECT_FALSE(checkAfterSaveApplies(1012002));
    EXPECT_TRUE(checkAfterSaveApplies(1012001));
    EXPECT_TRUE(checkAfterSaveApplies(72));
}

TEST_F(BillCodeCachesTest, ItemListPadsFieldsAndSkipsRepeatedNamesWithoutShifting)
{
    ItemList list;
    list.build({"仓库", "", "仓库", "部门"}, {{"生产车间", "FDeptID"}});
    ASSERT_EQ(list.entries().size(), 7u);
    EXPECT_EQ(list.entries()[4], "仓库");
    EXPECT_EQ(list.entries()[5], "部门");
    EXPECT_EQ(list.checkItemPosition(5), 4);
    EXPECT_EQ(list.checkItemPosition(6), 0);
    const std::string field = list.entries()[6];
    EXPECT_EQ(ItemList::captionPart(field), "生产车间");
    EXPECT_EQ(ItemList::keyPart(field), "FDeptID");
    EXPECT_EQ(list.entryOfKey("fdeptid"), field);
    EXPECT_EQ(list.entryOfKey("FNote"), "");
    EXPECT_EQ(ItemList::keyPart("部门"), "");
}

} // namespace
