#pragma once

namespace CLI {
class App;
}

namespace orvan::app {

struct ProgramContext;

// "plans clean" and "plans adjust --by start|count": run the forecast panel on the
// account, in its window when there is a display. Without one the panel's progress is
// printed, one line per change: "LABEL <text>", "PROGRESS <value>/<max>",
// "ANIMATION on|off", then "DONE", or "FAILED" when the pass stopped or the adjustment
// failed. Exit code 1 for a failed pass or an account that cannot be read.
void addPlanCommands(CLI::App &cli, ProgramContext &context);

} // namespace orvan::app
