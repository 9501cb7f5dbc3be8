#pragma once

namespace orvan::db {
class ProcedureCall;
}

namespace orvan::planning {

// The account's stored procedure "AdjustForePlans" (@ByType input; @Succeed and
// @Reason outputs). It re-times the stored forecast plans to the planning parameters
// (category "PL" of t_SystemProfile):
//   @ByType 0, by plan start date: each plan's time zones move by the days between the
//     plan's start date and "PlanStartDate", so that its first zone starts on that date;
//     zone lengths and quantities stay.
//   @ByType 1, by time-zone count: the zones numbered beyond "TimeZoneCount" are dropped
//     and each plan's count becomes "TimeZoneCount"; the other zones stay.
// @Succeed is 1 when the plans were adjusted. It is 0, with the reason in @Reason and
// nothing changed, when the parameter or a plan's period data cannot be used (a date
// that is no date, a zone ending before it starts, a zone number below 1). The
// procedure runs inside its caller's transaction, so it is applied whole or not at all.
void AdjustForePlans(db::ProcedureCall &call);

// Adds the procedure to the account's procedure catalog.
void registerAdjustForePlans();

} // namespace orvan::planning
