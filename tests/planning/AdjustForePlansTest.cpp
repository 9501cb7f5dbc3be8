#include "PlanningFixture.h"

#include "db/Procedure.h"

using namespace orvan;

namespace {

struct Outcome
{
    double succeed = -1;
    std::string reason;
};

} // namespace

class AdjustForePlansTest : public test::PlanningFixture
{
protected:
    Outcome adjust(int16_t byType)
    {
        suite::AppConnection connection("Data Source=" + accountPath);
        std::vector<db::ProcedureParameter> parameters{
            {"@ByType", db::ParameterDirection::Input, base::Variant(byType)},
            {"@Succeed", db::ParameterDirection::Output, {}},
            {"@Reason", db::ParameterDirection::Output, {}}};
        connection.callProcedure("AdjustForePlans", parameters);
        return {parameters[1].value.toDouble(), parameters[2].value.text()};
    }
};

TEST_F(AdjustForePlansTest, ByPlanStartDateMovesEveryZoneOfEveryPlan)
{
    run("UPDATE t_SystemProfile SET FValue='2026-12-14' WHERE FCategory='PL' AND "
        "FKey='PlanStartDate'");
    run("UPDATE PLMPSPlan SET FStartDate='2026-12-07' WHERE FInterID=2");
    run("UPDATE PLMPS SET FStartDate=date(FStartDate,'+7 days'), FEndDate=date(FEndDate,'+7 "
        "days') WHERE FPlanInterID=2");
    const auto zones = count("SELECT COUNT(*) FROM PLMPS");
    const auto outcome = adjust(0);
    EXPECT_EQ(outcome.succeed, 1) << outcome.reason;
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSPlan WHERE FStartDate='2026-12-14'"), 2);
    EXPECT_EQ(text("SELECT FStartDate FROM PLMPS WHERE FPlanInterID=1 AND FTimeZone=1 "
                   "AND FItemNumber='P1001'"),
              "2026-12-14");
    EXPECT_EQ(text("SELECT FEndDate FROM PLMPS WHERE FPlanInterID=1 AND FTimeZone=8 "
                   "AND FItemNumber='P1001'"),
              "2027-02-07");
    EXPECT_EQ(text("SELECT FStartDate FROM PLMPS WHERE FPlanInterID=2 AND FTimeZone=1"),
              "2026-12-14");
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPS"), zones);
}

TEST_F(AdjustForePlansTest, ByTimeZoneCountDropsOnlyZonesBeyondTheHorizon)
{
    run("UPDATE t_SystemProfile SET FValue='3' WHERE FCategory='PL' AND FKey='TimeZoneCount'");
    const auto outcome = adjust(1);
    EXPECT_EQ(outcome.succeed, 1) << outcome.reason;
    EXPECT_EQ(count("SELECT MAX(FTimeZone) FROM PLMPS"), 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPS WHERE FPlanInterID=1"), 6);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSPlan WHERE FTimeZoneCount=3"), 2);
}

TEST_F(AdjustForePlansTest, UnusableDataIsRefusedWithAReasonAndNothingChanged)
{
    run("UPDATE PLMPS SET FStartDate='soon' WHERE FInterID=20");
    run("UPDATE t_SystemProfile SET FValue='2027-01-04' WHERE FCategory='PL' AND "
        "FKey='PlanStartDate'");
    auto outcome = adjust(0);
    EXPECT_EQ(outcome.succeed, 0);
    EXPECT_NE(outcome.reason.find("time zone row 20"), std::string::npos) << outcome.reason;
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSPlan WHERE FStartDate='2026-11-30'"), 2);

    run("UPDATE PLMPS SET FStartDate='2026-12-21' WHERE FInterID=20");
    run("UPDATE t_SystemProfile SET FValue='0' WHERE FCategory='PL' AND FKey='TimeZoneCount'");
    outcome = adjust(1);
    EXPECT_EQ(outcome.succeed, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPS WHERE FTimeZone > 3"), 11);
    EXPECT_EQ(adjust(7).succeed, 0);
}

TEST_F(AdjustForePlansTest, AOneDayZoneIsMovedAndTheSmallestHorizonIsKept)
{
    run("UPDATE PLMPS SET FEndDate=FStartDate WHERE FInterID=1");
    run("UPDATE t_SystemProfile SET FValue='2026-12-07' WHERE FCategory='PL' AND "
        "FKey='PlanStartDate'");
    auto outcome = adjust(0);
    EXPECT_EQ(outcome.succeed, 1) << outcome.reason;
    EXPECT_EQ(text("SELECT FStartDate || ' ' || FEndDate FROM PLMPS WHERE FInterID=1"),
              "2026-12-07 2026-12-07");

    run("UPDATE t_SystemProfile SET FValue='1' WHERE FCategory='PL' AND FKey='TimeZoneCount'");
    outcome = adjust(1);
    EXPECT_EQ(outcome.succeed, 1) << outcome.reason;
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPS WHERE FTimeZone <> 1"), 0);
    EXPECT_GT(count("SELECT COUNT(*) FROM PLMPS"), 0);
}

TEST_F(AdjustForePlansTest, TheHorizonMayHaveUpTo32767Zones)
{
    run("UPDATE t_SystemProfile SET FValue='32768' WHERE FCategory='PL' AND FKey='TimeZoneCount'");
    EXPECT_EQ(adjust(1).succeed, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSPlan WHERE FTimeZoneCount=26"), 2);
    run("UPDATE t_SystemProfile SET FValue='32767' WHERE FCategory='PL' AND FKey='TimeZoneCount'");
    const auto outcome = adjust(1);
    EXPECT_EQ(outcome.succeed, 1) << outcome.reason;
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSPlan WHERE FTimeZoneCount=32767"), 2);
}
