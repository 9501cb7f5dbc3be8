#include "rules/PlanModeProcedure.h"

#include "base/Convert.h"
#include "base/Error.h"
#include "db/Database.h"
#include "db/ProcedureCatalog.h"

namespace orvan::rules {

void p_ICPlan_EnableMtoPlanMode(db::ProcedureCall &call)
{
    const double enable = call.value("@Enable").toDouble();
    if (enable != 0 && enable != 1)
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          "p_ICPlan_EnableMtoPlanMode takes 0 or 1, not " +
                              base::numberToText(enable));
    const bool on = enable == 1;
    auto &account = call.database();
    account.execute(std::string("UPDATE t_SystemProfile SET FValue='") + (on ? "1" : "0") +
                    "' WHERE FCategory='IC' AND FKey='EnableMtoPlanMode'");
    account.execute(std::string("UPDATE ICClassTableInfo SET FVisible=") + (on ? "1023" : "12") +
                    " WHERE FClassTypeID=1007105 AND FKey in('FMTONo','FPlanMode')");
}

void registerRuleProcedures()
{
    db::ProcedureCatalog::instance().add("p_ICPlan_EnableMtoPlanMode",
                                         {{"@Enable", db::ParameterDirection::Input, {}}},
                                         p_ICPlan_EnableMtoPlanMode);
}

} // namespace orvan::rules
