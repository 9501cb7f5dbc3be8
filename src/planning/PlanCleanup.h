#pragma once

namespace orvan::component {
class clsDelPlan;
}

namespace orvan::planning {

// One pass of clsDelPlan.CleanTablesOfPlan. With ifAdjust it only announces the
// adjustment (label, adjustment picture, end); otherwise it empties the forecast plan
// tables one statement at a time, raising the progress after each. A failing statement
// ends the pass at once: no further events, and what was deleted stays deleted.
// The user interface gets a chance to repaint after every event.
void cleanTablesOfPlan(component::clsDelPlan &plan);

// Installs the pass into the public class and the forecast procedures into the account.
void installPlanning();

} // namespace orvan::planning
