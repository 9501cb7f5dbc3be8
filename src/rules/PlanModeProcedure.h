#pragma once

namespace orvan::db {
class ProcedureCall;
}

namespace orvan::rules {

// The account's stored procedure "p_ICPlan_EnableMtoPlanMode" with one argument, @Enable
// (1 switches plan tracking on, 0 off): it stores the plan-mode flag ("IC" /
// "EnableMtoPlanMode") and shows or hides the plan-tracking columns of the planned orders
// (FMTONo, FPlanMode of class 1007105: 1023 shown, 12 hidden). Any other argument is
// refused. It runs inside its caller's batch, so it is applied with it or not at all.
void p_ICPlan_EnableMtoPlanMode(db::ProcedureCall &call);

// Adds the option rules' procedures to the account's procedure catalog.
void registerRuleProcedures();

} // namespace orvan::rules
