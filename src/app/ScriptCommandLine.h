#pragma once

namespace CLI {
class App;
}

namespace orvan::app {

struct ProgramContext;

// "script [FILE]": runs a script of user actions (standard input when FILE is absent).
void addScriptCommand(CLI::App &cli, ProgramContext &context);

} // namespace orvan::app
