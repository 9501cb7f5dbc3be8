#pragma once

namespace CLI {
class App;
}

namespace orvan::app {

struct ProgramContext;

// "plans clean" and "plans adjust --by start|count": run the forecast panel on the
// account. Without a display the panel's progress is printed, one line per change:
// "LABEL <text>", "PROGRESS <value>/<max>", "ANIMATION on|off", then "DONE".
void addPlanCommands(CLI::App &cli, ProgramContext &context);

} // namespace orvan::app
