#include "support/AccountFixture.h"

#include "base/DateTime.h"
#include "component/LoginContext.h"
#include "component/PeriodProviders.h"
#include "db/SqliteDatabase.h"
#include "suite/AppConnection.h"
#include "suite/PeriodCalendar.h"

using namespace orvan;
using suite::PeriodResult::AccountFailed;
using suite::PeriodResult::Done;

namespace {

class PeriodProviders : public test::AccountFixture<>
{
protected:
    std::string props() { return component::LoginPropsString(); }

    void sql(const std::string &batch)
    {
        db::SqliteDatabase account(accountPath);
        account.execute(batch);
    }

    void setProfile(const std::string &category, const std::string &key, const std::string &value)
    {
        sql("UPDATE t_SystemProfile SET FValue='" + value + "' WHERE FCategory='" + category +
            "' AND FKey='" + key + "'");
    }

    template <class T>
    std::shared_ptr<T> create(const char *progId)
    {
        return component::ComponentRegistry::instance().createAs<T>(progId);
    }

    static std::string day(double serial) { return serial == 0 ? "0" : base::dateToText(serial); }

    // The list server's period of the inventory year as "start..end", or the code.
    std::string listed(int32_t period)
    {
        auto server = create<component::ListServerPeriods>(component::ProgId::ListServer);
        double start = 99;
        double end = 99;
        const auto result = server->GetStartEnd(props(), period, start, end);
        if (result != Done)
            return "code " + std::to_string(result) + " " + day(start) + ".." + day(end);
        return day(start) + ".." + day(end);
    }

    // The standard-cost start of a period, or the code with the start.
    std::string standardStart(int32_t year, int32_t period)
    {
        auto info =
            create<component::StandardCostPeriodInfo>(component::ProgId::StandardCostPeriods);
        double start = 99;
        const auto result = info->GetPeriodDate(year, period, start, props());
        return result == Done ? day(start) : "code " + std::to_string(result) + " " + day(start);
    }
};

} // namespace

TEST_F(PeriodProviders, CostSystemsGiveTheLastPeriodAndTheFirstOfTheNextYear)
{
    auto cost = create<component::CostPeriodInfo>(component::ProgId::CostPeriods);
    double start = 0;
    EXPECT_EQ(cost->CBGetPeriodCount(), 12) << "an empty PropsString stands for the login";
    EXPECT_EQ(cost->CBGetCurrYear(), 2026);
    EXPECT_EQ(cost->GetPeriodDate(2026, 12, start), Done);
    EXPECT_EQ(day(start), "2026-12-01");
    EXPECT_EQ(cost->GetPeriodDate(2027, 1, start), Done);
    EXPECT_EQ(day(start), "2027-01-01");

    auto operation =
        create<component::OperationCostPeriodInfo>(component::ProgId::OperationCostPeriods);
    EXPECT_EQ(operation->OPCostGetPeriodCount(props()), 12);
    EXPECT_EQ(operation->GetPeriodDate(2026, 12, start, props()), Done);
    EXPECT_EQ(day(start), "2026-12-01");
    EXPECT_EQ(operation->GetPeriodDate(2027, 1, start), Done) << "without props: the last given";
    EXPECT_EQ(day(start), "2027-01-01");

    EXPECT_EQ(standardStart(2026, 12), "2026-12-01");
    EXPECT_EQ(standardStart(2027, 1), "2027-01-01");

    // Each system has a current year of its own.
    setProfile("CB", "CurrentYear", "2025");
    setProfile("OPCost", "CurrentYear", "2027");
    sql("DELETE FROM t_SystemProfile WHERE FCategory='StdCost' AND FKey='CurrentYear'");
    EXPECT_EQ(cost->CBGetCurrYear(), 2025);
    EXPECT_EQ(operation->OPCostGetCurrYear(props()), 2027);
    EXPECT_EQ(create<component::StandardCostPeriodInfo>(component::ProgId::StandardCostPeriods)
                  ->STDCostGetCurrYear(props()),
              0);
}

TEST_F(PeriodProviders, ListServerGivesTheFirstAndLastDayOfAPeriodOfTheInventoryYear)
{
    EXPECT_EQ(listed(12), "2026-12-01..2026-12-31");
    sql("UPDATE t_PeriodDate SET FStartDate='2026-11-26 08:00:00', FEndDate='2026-12-25 "
        "23:59:59' WHERE FYear=2026 AND FPeriod=12");
    EXPECT_EQ(listed(12), "2026-11-26..2026-12-25") << "a stored period of its own days";
    setProfile("IC", "CurrentYear", "2027");
    EXPECT_EQ(listed(2), "2027-02-01..2027-02-28");
}

TEST_F(PeriodProviders, APeriodOutsideTheCalendarFailsWithAZeroDate)
{
    for (const int32_t period : {0, 13, -1})
        EXPECT_EQ(standardStart(2026, period), "code 3 0") << period;
    EXPECT_EQ(standardStart(26, 1), "code 3 0") << "a two-digit year is not read as 2026";
    EXPECT_EQ(listed(13), "code 3 0..0");
}

TEST_F(PeriodProviders, UnusableSettingsAndAccountsGiveTheirCodes)
{
    sql("UPDATE t_PeriodDate SET FStartDate='soon' WHERE FYear=2026 AND FPeriod=3");
    sql("UPDATE t_PeriodDate SET FEndDate='2026-03-31' WHERE FYear=2026 AND FPeriod=4");
    EXPECT_EQ(standardStart(2026, 3), "code 2 0");
    EXPECT_EQ(standardStart(2026, 4), "code 2 0") << "ends before it starts";
    sql("DELETE FROM t_SystemProfile WHERE FCategory='IC' AND FKey='CurrentYear'");
    EXPECT_EQ(listed(1), "code 2 0..0");
    setProfile("GL", "PeriodCount", "twelve");
    EXPECT_EQ(standardStart(2026, 1), "code 2 0");

    auto cost = create<component::CostPeriodInfo>(component::ProgId::CostPeriods);
    cost->PropsString = "ConnectString={Provider=SQLite;Data Source=" + scratchPath("missing.db") +
                        "};LANGUAGE=chs;";
    double start = 99;
    EXPECT_EQ(cost->GetPeriodDate(2026, 1, start), AccountFailed);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(cost->CBGetPeriodCount(), 0);
}

TEST_F(PeriodProviders, AYearWithoutRowsIsDerivedFromNaturalMonths)
{
    sql("DELETE FROM t_PeriodDate WHERE FYear>=2027");
    EXPECT_EQ(standardStart(2027, 1), "2027-01-01");
    setProfile("IC", "CurrentYear", "2028");
    EXPECT_EQ(listed(2), "2028-02-01..2028-02-29");
    EXPECT_EQ(listed(12), "2028-12-01..2028-12-31");

    setProfile("GL", "PeriodCount", "13");
    EXPECT_EQ(standardStart(2028, 13), "code 2 0") << "natural months make twelve periods";
    EXPECT_EQ(standardStart(2026, 12), "2026-12-01") << "stored rows still count";
}

TEST_F(PeriodProviders, AYearWithoutRowsIsDerivedFromTheFirstPeriodDate)
{
    sql("DELETE FROM t_PeriodDate");
    setProfile("GL", "PeriodDefineMethod", "1");
    setProfile("GL", "PeriodDates", "2025-04-01");
    EXPECT_EQ(standardStart(2026, 1), "2026-04-01");
    EXPECT_EQ(standardStart(2024, 12), "2025-03-01");
    EXPECT_EQ(listed(12), "2027-03-01..2027-03-31");

    setProfile("GL", "PeriodDates", "2026-01-31");
    EXPECT_EQ(listed(2), "2026-02-28..2026-03-30") << "a shorter month starts on its last day";
    EXPECT_EQ(standardStart(2027, 1), "2027-01-31");
    setProfile("GL", "PeriodDates", "");
    EXPECT_EQ(listed(1), "code 2 0..0");
}

TEST_F(PeriodProviders, ChangesThroughTheProcessConnectionAreSeenAtOnce)
{
    EXPECT_EQ(listed(2), "2026-02-01..2026-02-28");
    suite::AppConnection().Execute(
        "UPDATE t_PeriodDate SET FStartDate='2026-02-03' WHERE FYear=2026 AND FPeriod=2");
    EXPECT_EQ(listed(2), "2026-02-03..2026-02-28");
    suite::AppConnection().Execute(
        "UPDATE t_SystemProfile SET FValue='2027' WHERE FCategory='IC' AND FKey='CurrentYear'");
    EXPECT_EQ(listed(2), "2027-02-01..2027-02-28");
}
