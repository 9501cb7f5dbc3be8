#include "planning/AdjustForePlans.h"

#include <cmath>
#include <string>
#include <vector>

#include "base/Convert.h"
#include "base/DateTime.h"
#include "base/Error.h"
#include "base/Format.h"
#include "base/Text.h"
#include "db/Database.h"
#include "db/ProcedureCatalog.h"
#include "db/SqlText.h"

namespace orvan::planning {
namespace {

// The reason a plan cannot be adjusted; carried to @Reason.
struct Refusal
{
    std::string reason;
};

struct Zone
{
    int64_t id = 0;
    int64_t planId = 0;
    double start = 0;
    double end = 0;
};

struct Plan
{
    int64_t id = 0;
    double start = 0;
};

std::optional<double> dateOf(const base::Variant &value)
{
    if (value.type() == base::VarType::Date)
        return value.dateValue();
    if (value.isString())
        return base::parseDate(value.stringValue());
    return std::nullopt;
}

double requireDate(const base::Variant &value, const std::string &what)
{
    const auto date = dateOf(value);
    if (!date)
        throw Refusal{what + " is not a date: " + value.text()};
    return std::floor(*date);
}

std::string planParameter(db::Database &account, const char *key)
{
    auto rows = account.execute(
        "SELECT FValue FROM t_SystemProfile WHERE FCategory='PL' AND FKey=" + db::sqlQuote(key));
    if (!rows || rows->isEOF())
        throw Refusal{std::string("the planning parameter ") + key + " is missing"};
    return rows->Fields("FValue").Value().text();
}

std::vector<Plan> readPlans(db::Database &account)
{
    std::vector<Plan> plans;
    auto rows = account.execute("SELECT FInterID, FStartDate FROM PLMPSPlan ORDER BY FInterID");
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        const auto id = static_cast<int64_t>(rows->Fields("FInterID").Value().toDouble());
        plans.push_back({id, requireDate(rows->Fields("FStartDate").Value(),
                                         "the start of plan " + std::to_string(id))});
    }
    return plans;
}

std::vector<Zone> readZones(db::Database &account)
{
    std::vector<Zone> zones;
    auto rows = account.execute("SELECT FInterID, FPlanInterID, FTimeZone, FStartDate, FEndDate "
                                "FROM PLMPS ORDER BY FInterID");
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        Zone zone;
        zone.id = static_cast<int64_t>(rows->Fields("FInterID").Value().toDouble());
        zone.planId = static_cast<int64_t>(rows->Fields("FPlanInterID").Value().toDouble());
        const auto where = "time zone row " + std::to_string(zone.id);
        zone.start = requireDate(rows->Fields("FStartDate").Value(), "the start of " + where);
        zone.end = requireDate(rows->Fields("FEndDate").Value(), "the end of " + where);
        if (zone.end < zone.start)
            throw Refusal{where + " ends before it starts"};
        if (rows->Fields("FTimeZone").Value().toDouble() < 1)
            throw Refusal{where + " has no valid zone number"};
        zones.push_back(zone);
    }
    return zones;
}

std::string dateText(double serial)
{
    return db::sqlQuote(base::formatDate(serial, "yyyy-mm-dd"));
}

void moveToPlanStartDate(db::Database &account)
{
    const auto newStart = base::parseDate(planParameter(account, "PlanStartDate"));
    if (!newStart)
        throw Refusal{"the plan start date is not a date"};
    const auto plans = readPlans(account);
    const auto zones = readZones(account);
    for (const auto &plan : plans) {
        const double shift = std::floor(*newStart) - plan.start;
        for (const auto &zone : zones) {
            if (zone.planId != plan.id)
                continue;
            account.execute("UPDATE PLMPS SET FStartDate=" + dateText(zone.start + shift) +
                            ", FEndDate=" + dateText(zone.end + shift) +
                            " WHERE FInterID=" + db::sqlNumber(static_cast<long long>(zone.id)));
        }
        account.execute("UPDATE PLMPSPlan SET FStartDate=" + dateText(plan.start + shift) +
                        " WHERE FInterID=" + db::sqlNumber(static_cast<long long>(plan.id)));
    }
}

void fitToTimeZoneCount(db::Database &account)
{
    const auto text = base::trim(planParameter(account, "TimeZoneCount"));
    const auto count = base::parseNumber(text);
    if (!count || *count < 1 || *count != std::floor(*count) || *count > 32767)
        throw Refusal{"the time-zone count is not a whole number from 1: " + text};
    readPlans(account);
    readZones(account);
    const auto limit = db::sqlNumber(static_cast<long long>(*count));
    account.execute("DELETE FROM PLMPS WHERE FTimeZone > " + limit);
    account.execute("UPDATE PLMPSPlan SET FTimeZoneCount=" + limit);
}

} // namespace

void AdjustForePlans(db::ProcedureCall &call)
{
    try {
        const auto byType = call.value("@ByType").toDouble();
        if (byType == 0)
            moveToPlanStartDate(call.database());
        else if (byType == 1)
            fitToTimeZoneCount(call.database());
        else
            throw Refusal{"unknown adjustment " + base::numberToText(byType)};
        call.setValue("@Succeed", base::Variant(int16_t(1)));
        call.setValue("@Reason", base::Variant(""));
    } catch (const Refusal &refusal) {
        call.setValue("@Succeed", base::Variant(int16_t(0)));
        call.setValue("@Reason", base::Variant(refusal.reason));
    }
}

void registerAdjustForePlans()
{
    using db::ParameterDirection;
    db::ProcedureCatalog::instance().add("AdjustForePlans",
                                         {{"@ByType", ParameterDirection::Input, {}},
                                          {"@Succeed", ParameterDirection::Output, {}},
                                          {"@Reason", ParameterDirection::Output, {}}},
                                         AdjustForePlans);
}

} // namespace orvan::planning
