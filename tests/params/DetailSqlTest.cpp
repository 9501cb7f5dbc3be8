#include "params/ParamsFixture.h"

#include "params/DetailSql.h"
#include "params/NodeTable.h"
#include "params/ParameterTree.h"
#include "params/ProfileFlags.h"

using namespace orvan;
using namespace orvan::params;

namespace {

class DetailSql : public test::ParamsFixture
{
protected:
    std::string sql(int32_t kind, int32_t tag, const std::string &systemId = {},
                    const std::string &helpSystem = {})
    {
        auto &state = component::processState();
        state.systemId = systemId;
        state.helpSystem = helpSystem;
        std::string text = "stale";
        ParameterTree().GetDetailSql(kind, tag, text);
        return text;
    }
};

const std::string PeriodCountUnion =
    "select Fkey,Fvalue from t_systemprofile where Fkey in ('PeriodCount') And FCategory='GL'  "
    "Union  select Fkey,Fvalue from t_systemprofile  where Fkey in "
    "('StartYear','StartPeriod','CurrentYear','CurrentPeriod') And FCategory=";

} // namespace

TEST_F(DetailSql, NodesWithoutLedgerContentGiveAnEmptyText)
{
    EXPECT_EQ(sql(SystemNodes, 3), "");
    EXPECT_EQ(sql(SystemNodes, 27), "");
    EXPECT_EQ(sql(AccountingNodes, 2203), "");
    EXPECT_EQ(sql(PlanningNodes, 2), "");
    EXPECT_EQ(sql(GroupNodes, 4), "");
    EXPECT_EQ(sql(7, 1), "");
    setLogin("UserID=1;OrvanVersion=ZSE;");
    EXPECT_EQ(sql(SystemNodes, 17), "");
    setLogin("UserID=1;OrvanVersion=ZEE;");
    EXPECT_EQ(sql(SystemNodes, 17), "");
    setLogin("UserID=1;");
    EXPECT_EQ(sql(SystemNodes, 17),
              "SELECT FValue,FKey from t_systemprofile where FCategory='Retail'");
}

TEST_F(DetailSql, PrintControlUsesTheLanguageColumnAndTranslatedCaptions)
{
    EXPECT_EQ(sql(SystemNodes, 14),
              "SELECT FID,FName AS FName,FPrintControlOrNo,FPrintMaxCount,(case FPrintAfterCheck "
              "when 1 then '是' when 0 then '否' else '' end) FPrintAfterCheck FROM "
              "ICPrintMaxCount Order by Fpos");
    setLogin("UserID=1;LANGUAGE=EN;");
    EXPECT_EQ(sql(SystemNodes, 4),
              "SELECT FID,FName_EN AS FName,FPrintControlOrNo,FPrintMaxCount,(case "
              "FPrintAfterCheck when 1 then 'Yes' when 0 then 'No' else '' end) FPrintAfterCheck "
              "FROM ICPrintMaxCount Order by Fpos");
}

TEST_F(DetailSql, BillSettingsListOnlyControlledBillTypesWithTheirFlagCaptions)
{
    EXPECT_EQ(sql(SystemNodes, 2),
              "SELECT FBillName AS FBillName,FDesc,( case FCanAlterBillNo when 1 then '是' else "
              "'否' end) FCanAlterBillNo,( case FCheckAfterSave when 1 then '是' else '否' end) "
              "FCheckAfterSave,( case FUseBillCodeRule when 1 then '是' else '否' end) "
              "FUseBillCodeRule,( case FSingleApproval when 1 then '是' when 0 then '否'  else "
              "''  end) FSingleApproval,( case FSingleUnApproval when 1 then '是' when 0 then "
              "'否' else '' end) FSingleUnApproval,( case FEditSelfBill when 1 then '是' when 0 "
              "then '否'  else '' end) FEditSelfBill FROM ICBillNo where FBillID IN (SELECT "
              "ABS(FID) FROM ICClassType WHERE FControl&32>0) Order by FPos");
}

TEST_F(DetailSql, ImportAndExportQueriesKeepTheirLineBreaks)
{
    EXPECT_EQ(sql(SystemNodes, 25),
              "SELECT Fvalue,FKey \r\n  FROM t_SystemProfile \r\n WHERE FCategory = 'Imp' \r\n");
    EXPECT_EQ(sql(SystemNodes, 26),
              "SELECT Fvalue,FKey \r\n  FROM t_SystemProfile \r\n WHERE FCategory = 'Exp' \r\n");
}

TEST_F(DetailSql, CurrentPeriodFollowsTheDefinitionMethodAndTheCostSystem)
{
    EXPECT_EQ(sql(AccountingNodes, 2201, "0004"), PeriodCountUnion + "'CB' Order by FKey");
    EXPECT_EQ(sql(AccountingNodes, 201, "0005", "O'Cost"),
              PeriodCountUnion + "'O''Cost' Order by FKey");
    profileFlags().periodDefineMethod = 1;
    const std::string periods = "select Fkey,Fvalue from t_systemprofile where Fkey in "
                                "('StartYear','StartPeriod','CurrentYear','CurrentPeriod')";
    EXPECT_EQ(sql(AccountingNodes, 201, "0006"),
              periods + " And FCategory='StdCost' Order by FKey");
    EXPECT_EQ(sql(AccountingNodes, 201, "0005"), periods + " And FCategory='OPCost' Order by FKey");
    EXPECT_EQ(sql(AccountingNodes, 201),
              "select Fkey,Fvalue from t_systemprofile where Fkey in "
              "('StartYear','StartPeriod','CurrentYear','CurrentPeriod','DisCivilExportSale',"
              "'BillStatus') And FCategory='IC'  Order by FKey");
}

TEST_F(DetailSql, EmptyHelpSystemLeavesOnlyThePeriodCountRow)
{
    runNative("INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('GL','PeriodCount','12'),"
              "('StdCost','StartYear','2024'),('IC','StartYear','2023')");
    EXPECT_EQ(rowsOf(sql(AccountingNodes, 2201, "0006")), "PeriodCount|12;");
    EXPECT_EQ(rowsOf(sql(AccountingNodes, 2201, "0006", "StdCost")),
              "PeriodCount|12;StartYear|2024;");
}

TEST_F(DetailSql, CompanyRowsPlaceBankAndTaxAmongThemAndTheIcRowsAfter)
{
    runNative(
        "INSERT INTO t_SystemProfile(FCategory,FKey,FValue,FSort) VALUES"
        "('General','CompanyName','Orvan',0.01),('General','CompanyPhone','555',0.1),"
        "('General','CompanyTax','T1',NULL),('General','CompanyYHAccount','Bank',NULL),"
        "('IC','SystemName','ERP',NULL),('IC','FBrNo','001',NULL),('IC','ICClosed','0',NULL)");
    EXPECT_EQ(rowsOf(sql(SystemNodes, 11)),
              "Orvan|CompanyName|0.01;Bank|CompanyYHAccount|0.08;555|CompanyPhone|0.1;"
              "T1|CompanyTax|0.13;001|FBrNo|1.01;ERP|SystemName|1.04;");
    EXPECT_EQ(rowsOf(sql(SystemNodes, 1, "0005")), "Orvan|CompanyName|0.01;555|CompanyPhone|0.1;");
}

TEST_F(DetailSql, EveryLedgerQueryRunsOnTheAccount)
{
    for (int kind = 0; kind <= 3; ++kind)
        for (int tag :
             {0, 1, 2, 3, 4, 9, 11, 12, 14, 17, 21, 22, 23, 25, 26, 31, 201, 202, 2201, 2202})
            for (const char *system : {"", "0004", "0006"}) {
                const auto text = sql(kind, tag, system);
                if (text.empty())
                    continue;
                EXPECT_NO_THROW(connection().Execute(text)) << kind << " " << tag << " " << text;
            }
}

TEST(NodeCatalog, DetailKindFollowsTheKeyPrefix)
{
    EXPECT_EQ(detailKindOf("sys27"), SystemNodes);
    EXPECT_EQ(detailKindOf("Imp"), SystemNodes);
    EXPECT_EQ(detailKindOf("au22"), AccountingNodes);
    EXPECT_EQ(detailKindOf("pL1"), PlanningNodes);
    EXPECT_EQ(detailKindOf("All1"), GroupNodes);
    EXPECT_EQ(detailKindOf("alarmIC|2"), GroupNodes);
}
