#include "planning/PlanCleanup.h"

#include <array>

#include "base/Error.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "component/clsDelPlan.h"
#include "forms/Shell.h"
#include "planning/AdjustForePlans.h"

namespace orvan::planning {
namespace {

// Each name keeps its leading blank: the statements read "DELETE FROM  PLMPSPLAN".
constexpr std::array<const char *, 4> PlanTables = {" PLMPSPLAN", " PLMPS", " PLMPSREQ", ""};
constexpr int16_t LastPlanTable = 3;

void announceAdjustment(component::clsDelPlan &plan)
{
    plan.raiseSetLabel(component::TranslateText("正在调整主生产计划预测方案..."));
    forms::shell().yield();
    plan.raiseSetAdjustImage(true);
    forms::shell().yield();
    plan.raiseEndBar();
    forms::shell().yield();
}

void deletePlanTables(component::clsDelPlan &plan)
{
    plan.raiseSetLabel(component::TranslateText("删除主生产计划预测方案..."));
    forms::shell().yield();
    plan.raiseSetAdjustImage(false);
    forms::shell().yield();
    plan.raiseSetBarMax(LastPlanTable);
    forms::shell().yield();
    // The three tables go together or not at all: a plan's header never outlives its
    // time zones and demands, nor the other way round.
    auto &connection = component::requireConnection();
    connection.BeginTrans();
    try {
        const int64_t before = connection.rowsChanged();
        for (int16_t i = 0; i < LastPlanTable; ++i) {
            connection.Execute(std::string("DELETE FROM ") + PlanTables[static_cast<size_t>(i)]);
            plan.raiseSetBarVal(static_cast<int16_t>(i + 1));
            forms::shell().yield();
        }
        connection.recordSummary("forecast plans", "clean",
                                 std::to_string(connection.rowsChanged() - before) +
                                     " rows deleted");
        connection.CommitTrans();
    } catch (...) {
        connection.RollbackTrans();
        throw;
    }
    plan.raiseEndBar();
    forms::shell().yield();
}

} // namespace

void cleanTablesOfPlan(component::clsDelPlan &plan)
{
    if (plan.adjusting())
        announceAdjustment(plan);
    else
        deletePlanTables(plan);
}

void installPlanning()
{
    component::processState().hooks.cleanTablesOfPlan = cleanTablesOfPlan;
    registerAdjustForePlans();
}

} // namespace orvan::planning
