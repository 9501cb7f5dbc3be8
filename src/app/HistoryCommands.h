#pragma once

namespace CLI {
class App;
}

namespace orvan::app {

struct ProgramContext;

// The change history of the account:
//   history [--key K] [--since DATE] [--user ID] [--limit N]
//       the changes, newest first: a heading line, then one tab-separated line a value
//       (tabs, line breaks and backslashes in values written as \t, \n and \\)
//   history prune --before DATE
//       removes the rows from before DATE (the administrator's), and records that it did
void addHistoryCommands(CLI::App &cli, ProgramContext &context);

} // namespace orvan::app
