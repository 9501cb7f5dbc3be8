#include "support/AccountFixture.h"

#include <thread>

#include "base/Error.h"
#include "component/CostComponents.h"
#include "component/LoginContext.h"
#include "db/SqliteDatabase.h"
#include "suite/CostCommon.h"
#include "suite/CostCommonModify.h"
#include "suite/SavePosData.h"
#include "suite/SystemProfileService.h"
#include "support/ErrorNumber.h"

using namespace orvan;

namespace {

const char *const PeriodFilter = "Where FDate>='2026-12-01' AND FDate <'2027-01-01'";

class CostComponents : public test::AccountFixture<>
{
protected:
    std::string props() { return component::LoginPropsString(); }

    db::RecordsetPtr sql(const std::string &batch)
    {
        db::SqliteDatabase account(accountPath);
        return account.execute(batch);
    }

    long count(const std::string &query) { return sql(query)->Fields(0).Value().toLong(); }

    std::string checkMessage(bool voucher)
    {
        std::string message;
        suite::CostCommon common;
        const bool found =
            voucher ? common.CheckCurCre(props(), 12, 2026, "2026-12-01", "2027-01-01", message)
                    : common.CheckCurVer(props(), 12, 2026, "2026-12-01", "2027-01-01", message);
        EXPECT_EQ(found, !message.empty());
        return message;
    }
};

} // namespace

TEST_F(CostComponents, GetDateGivesTheCurrentPeriodWithAnExclusiveEnd)
{
    suite::CostCommon common;
    const auto period = common.GetDate(props());
    EXPECT_EQ(period->keys(),
              (std::vector<std::string>{"BeginDate", "EndDate", "CurrentPeriod", "CurrentYear"}));
    EXPECT_EQ(period->item("beginDate").text(), "2026-12-01");
    EXPECT_EQ(period->item("EndDate").text(), "2027-01-01");
    EXPECT_EQ(period->item("CurrentPeriod").toLong(), 12);
    EXPECT_EQ(period->item("CurrentYear").toLong(), 2026);

    sql("UPDATE t_SystemProfile SET FValue='2' WHERE FCategory='IC' AND FKey='CurrentPeriod'");
    EXPECT_EQ(common.GetDate(props())->item("EndDate").text(), "2026-03-01");

    sql("UPDATE t_SystemProfile SET FValue='2030' WHERE FCategory='IC' AND FKey='CurrentYear'");
    EXPECT_THROW(common.GetDate(props()), base::Error) << "a period outside the calendar";
    sql("DELETE FROM t_SystemProfile WHERE FCategory='IC' AND FKey='CurrentYear'");
    EXPECT_THROW(common.GetDate(props()), base::Error);
}

TEST_F(CostComponents, GetFValueReadsARowOrReportsItsAbsence)
{
    suite::CostCommon common;
    std::string value = "x";
    std::string description = "x";
    int32_t readOnly = 9;
    EXPECT_TRUE(common.GetFValue(props(), "ic", "BILLSTATUS", value, description, readOnly));
    EXPECT_EQ(value, "0");
    EXPECT_EQ(readOnly, 0);
    EXPECT_FALSE(common.GetFValue(props(), "IC", "NoSuchKey", value, description, readOnly));
    EXPECT_EQ(value, "");
    EXPECT_EQ(description, "");

    EXPECT_EQ(suite::SystemProfileService().GetProfile(props(), "StdCost", "StdCostStart"), "1");
    EXPECT_EQ(suite::SystemProfileService().GetProfile(props(), "StdCost", "Nothing"), "");
}

TEST_F(CostComponents, ChecksCountThePeriodsBillsByKind)
{
    EXPECT_EQ(checkMessage(false),
              "本期有3张出入库单据未审核：产品入库单1张、销售出库单1张、生产领料单1张。");
    EXPECT_EQ(checkMessage(true),
              "本期有2张已审核的出入库单据未生成凭证：外购入库单1张、其他出库单1张。");

    // The last day counts (also with a time), the next period's first day does not; a
    // kind without a name shows its number.
    sql("INSERT INTO ICStockBill(FInterID,FBillNo,FTranType,FDate,FStatus) VALUES"
        "(50,'X50',21,'2026-12-31 18:30:00',0),(51,'X51',21,'2027-01-01',0),"
        "(52,'X52',777,'2026-12-31',0),(53,'X53',1,'2026-11-30',0)");
    EXPECT_EQ(checkMessage(false), "本期有5张出入库单据未审核：产品入库单1张、销售出库单2张、"
                                   "生产领料单1张、[777]1张。");

    sql("UPDATE ICStockBill SET FStatus=1, FVchInterID=1");
    EXPECT_EQ(checkMessage(false), "");
    EXPECT_EQ(checkMessage(true), "");
}

TEST_F(CostComponents, CheckMessagesFollowTheLoginsLanguage)
{
    suite::SharedProps::publishForThisProcess(
        "ConnectString={Provider=SQLite;Data Source=" + accountPath + "};LANGUAGE=CHT;");
    EXPECT_EQ(checkMessage(true),
              "本期有2張已審核的出入庫單據未生成憑證：外購入庫單1張、其他出庫單1張。");
}

TEST_F(CostComponents, PutinDataSavesThePeriodOnceHoweverOftenItRuns)
{
    suite::SavePosData save;
    save.PutinData(props(), 0, PeriodFilter, 0);
    save.PutinData(props(), 0, PeriodFilter, 0);
    EXPECT_EQ(count("SELECT count(*) FROM ICBillPosData"), 9);
    EXPECT_EQ(count("SELECT count(*) FROM ICBillPosData WHERE FDate<'2026-12-01'"), 0);
    EXPECT_EQ(count("SELECT FAmount FROM ICBillPosData WHERE FBillNo='XOUT000215'"), 240000);

    sql("DELETE FROM ICStockBill WHERE FInterID=12");
    save.PutinData(props(), 0, PeriodFilter, 0);
    EXPECT_EQ(count("SELECT count(*) FROM ICBillPosData"), 8);
}

TEST_F(CostComponents, PutinDataRefusesAnythingButOneWhereClause)
{
    suite::SavePosData save;
    for (const char *filter : {"Where FDate>='2026-12-01'\r\nDELETE ICStockBill",
                               "Where 1=1; DROP TABLE ICStockBill", "FDate>='2026-12-01'", ""}) {
        EXPECT_EQ(test::errorNumberOf([&] { save.PutinData(props(), 0, filter, 0); }),
                  base::ErrorNumber::InvalidProcedureCall)
            << filter;
    }
    EXPECT_EQ(count("SELECT count(*) FROM ICStockBill"), 12);
}

TEST_F(CostComponents, ModifyFValueWritesOrAddsTheValue)
{
    suite::CostCommonModify modify;
    modify.ModifyFValue(props(), "IC", "BillStatus", "1");
    modify.ModifyFValue(props(), "IC", "NewKey", "O'Neil");
    suite::SystemProfileService profile;
    EXPECT_EQ(profile.GetProfile(props(), "IC", "BillStatus"), "1");
    EXPECT_EQ(profile.GetProfile(props(), "IC", "NewKey"), "O'Neil");
}

TEST_F(CostComponents, WithoutAnAccountEveryCallRaises)
{
    const std::string nowhere =
        "ConnectString={Provider=SQLite;Data Source=" + scratchPath("missing.db") + "};";
    std::string value;
    std::string description;
    int32_t readOnly = 0;
    EXPECT_THROW(
        suite::CostCommon().GetFValue(nowhere, "IC", "BillStatus", value, description, readOnly),
        base::Error);
    EXPECT_THROW(suite::CostCommonModify().ModifyFValue(nowhere, "IC", "BillStatus", "1"),
                 base::Error);
    EXPECT_THROW(suite::SavePosData().PutinData(nowhere, 0, PeriodFilter, 0), base::Error);
}

// Two programs close and reopen at once, the status row first absent: every write
// succeeds, the row exists once, and the value is that of the write committed last.
TEST_F(CostComponents, ConcurrentStatusWritesStayConsistent)
{
    sql("DELETE FROM t_SystemProfile WHERE FCategory='IC' AND FKey='BillStatus'");
    const auto login = props();
    constexpr int Rounds = 40;
    auto program = [&login](const char *value, int &failures) {
        suite::CostCommonModify modify;
        for (int i = 0; i < Rounds; ++i) {
            try {
                modify.ModifyFValue(login, "IC", "BillStatus", value);
            } catch (const base::Error &) {
                ++failures;
            }
        }
    };
    int closeFailures = 0;
    int reopenFailures = 0;
    std::thread closer(program, "1", std::ref(closeFailures));
    std::thread reopener(program, "0", std::ref(reopenFailures));
    closer.join();
    reopener.join();
    EXPECT_EQ(closeFailures + reopenFailures, 0);
    EXPECT_EQ(count("SELECT count(*) FROM t_SystemProfile WHERE FKey='BillStatus'"), 1);

    suite::CostCommonModify().ModifyFValue(login, "IC", "BillStatus", "1");
    EXPECT_EQ(suite::SystemProfileService().GetProfile(login, "IC", "BillStatus"), "1");
}
