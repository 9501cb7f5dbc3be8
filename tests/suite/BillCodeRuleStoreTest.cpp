#include "support/AccountFixture.h"

#include "component/BillCodeComponents.h"
#include "db/Recordset.h"
#include "suite/AppConnection.h"
#include "suite/BillCodeRuleStore.h"

using namespace orvan;
using component::BillCodeRuleRecord;
using component::SavedRuleRow;

namespace {

class BillCodeRuleStoreTest : public test::AccountFixture<>
{
protected:
    std::string connectString() const { return "Provider=SQLite;Data Source=" + accountPath; }

    std::shared_ptr<component::BillCodeRuleComponent> store() const
    {
        return component::ComponentRegistry::instance().createAs<component::BillCodeRuleComponent>(
            component::ProgId::BillCodeRule);
    }

    static BillCodeRuleRecord purchaseOrderRecord()
    {
        BillCodeRuleRecord record;
        record.FBillID = 72;
        record.FBillTypeID = 2;
        record.FBillFormat = "PO+日期+0001";
        record.FUseBillCodeRule = 1;
        record.FCanAlterBillNo = 1;
        record.FSingleApproval = 2;
        record.BillCodeRule = {{1, 1, 0, 2, "", "", "P'O", 0},
                               {2, 2, 3, 8, "", "", "YYYYMMDD", 1},
                               {3, 3, 0, 4, "0", "", "1", 0}};
        return record;
    }
};

TEST_F(BillCodeRuleStoreTest, ReadsRuleLevelsWithCaptionsFormatsAndItemIds)
{
    auto rows = store()->GetCodeRuleByBill(connectString(), 21);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->RecordCount(), 3);
    EXPECT_EQ(rows->Fields("FProjName").Value().text(), "自定义");
    rows->MoveNext();
    EXPECT_EQ(rows->Fields("FProjName").Value().text(), "仓库");
    EXPECT_EQ(rows->Fields("FProjectID").Value().toLong(), 9);
    EXPECT_EQ(rows->Fields("FOption").Value().text(), "代码");
    EXPECT_EQ(rows->Fields("FProjectVal").Value().text(), "FDCStockID");
    EXPECT_EQ(rows->Fields("FItemID").Value().toLong(), 5);
    EXPECT_EQ(rows->Fields("FIsBy").Value().toLong(), 1);
    rows->MoveNext();
    EXPECT_EQ(rows->Fields("FProjName").Value().text(), "流水号");
    EXPECT_EQ(rows->Fields("FLength").Value().toLong(), 5);

    auto field = store()->GetCodeRuleByBill(connectString(), 1002510);
    field->MoveNext();
    EXPECT_EQ(field->Fields("FProjName").Value().text(), "生产车间");
    EXPECT_EQ(field->Fields("FProjectID").Value().toLong(), 100);

    EXPECT_TRUE(store()->GetCodeRuleByBill(connectString(), 5)->isEOF());
}

TEST_F(BillCodeRuleStoreTest, ListsOptionsFormatsAndCheckItemsGrouped)
{
    auto bills = store()->GetOptionByBill(connectString());
    EXPECT_EQ(bills->Fields("FBillID").Value().toLong(), 1);
    EXPECT_EQ(bills->Fields("FBillName").Value().text(), "外购入库单");

    auto formats = store()->GetOptionByProj(connectString());
    EXPECT_EQ(formats->Fields("FProjectID").Value().toLong(), 2);
    EXPECT_EQ(formats->Fields("FOption").Value().text(), "YYYY");

    auto items = store()->GetCheckProj(connectString());
    EXPECT_EQ(items->Fields("FID").Value().toLong(), 1);
    EXPECT_EQ(items->Fields("FName").Value().text(), "仓库");
    items->Move(2);
    EXPECT_EQ(items->Fields("FItemID").Value().toLong(), 0);
}

TEST_F(BillCodeRuleStoreTest, SavesLevelsPictureTypeAndOptionsTogether)
{
    auto record = purchaseOrderRecord();
    ASSERT_TRUE(store()->SaveBillCodeRule(connectString(), record));

    auto rows = store()->GetCodeRuleByBill(connectString(), 72);
    ASSERT_EQ(rows->RecordCount(), 3);
    EXPECT_EQ(rows->Fields("FProjectVal").Value().text(), "P'O");
    rows->MoveNext();
    EXPECT_EQ(rows->Fields("FOption").Value().text(), "YYYYMMDD");
    EXPECT_EQ(rows->Fields("FIsBy").Value().toLong(), 1);

    suite::AppConnection connection(connectString());
    auto bill = connection.Execute("SELECT FDesc,FBillTypeID,FSingleApproval,FEditSelfBill "
                                   "FROM ICBillNo WHERE FBillID=72");
    EXPECT_EQ(bill->Fields("FDesc").Value().text(), "PO+日期+0001");
    EXPECT_EQ(bill->Fields("FBillTypeID").Value().toLong(), 2);
    EXPECT_EQ(bill->Fields("FSingleApproval").Value().toLong(), 2);
    EXPECT_EQ(bill->Fields("FEditSelfBill").Value().toLong(), 0);
}

TEST_F(BillCodeRuleStoreTest, RefusesInvalidRecordsWithoutWriting)
{
    auto gap = purchaseOrderRecord();
    gap.BillCodeRule[2].FClassIndex = 4;
    auto tooLong = purchaseOrderRecord();
    tooLong.BillCodeRule[0].FLength = 200;
    tooLong.BillCodeRule[1].FLength = 56;
    auto badOption = purchaseOrderRecord();
    badOption.FUseBillCodeRule = 2;
    auto badKind = purchaseOrderRecord();
    badKind.BillCodeRule[0].FProjectID = 7;
    auto unknownBill = purchaseOrderRecord();
    unknownBill.FBillID = 999;
    for (auto *record : {&gap, &tooLong, &badOption, &badKind, &unknownBill})
        EXPECT_FALSE(store()->SaveBillCodeRule(connectString(), *record));
    EXPECT_FALSE(store()->SaveBillCodeRule("Provider=SQLite;Data Source=/nonexistent/x.db",
                                           gap = purchaseOrderRecord()));

    auto rows = store()->GetCodeRuleByBill(connectString(), 72);
    ASSERT_EQ(rows->RecordCount(), 3);
    EXPECT_EQ(rows->Fields("FProjectVal").Value().text(), "PO");

    auto exact = purchaseOrderRecord();
    exact.BillCodeRule[0].FLength = 200;
    exact.BillCodeRule[1].FLength = 51;
    EXPECT_TRUE(store()->SaveBillCodeRule(connectString(), exact));
}

TEST_F(BillCodeRuleStoreTest, ClassInfoRunsTheQueryOnTheAccount)
{
    auto info = component::ComponentRegistry::instance().createAs<component::ClassInfoComponent>(
        component::ProgId::ClassInfo);
    auto rows = info->GetData(connectString(),
                              "SELECT ISNULL(FControl,0) FROM ICClassType where FID=1002520");
    ASSERT_TRUE(rows && !rows->isEOF());
    EXPECT_EQ(rows->Fields(0).Value().toLong(), 8224);
}

} // namespace
