#pragma once

namespace CLI {
class App;
}

namespace orvan::app {

struct ProgramContext;

// Settings carried between accounts:
//   settings export FILE [--scope SCOPE]...
//       writes the account's parameters as JSON (FILE "-": standard output); the scopes
//       (all by default) may be repeated or given as one comma-separated list
void addSettingsCommands(CLI::App &cli, ProgramContext &context);

} // namespace orvan::app
