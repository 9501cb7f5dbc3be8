#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace orvan::db {
class Recordset;
}

namespace orvan::app {

struct ProgramContext;

// "init-demo PATH": writes the demo account. "sql [TEXT]": runs one batch through the
// connection component and prints its rows.
void addAccountCommands(CLI::App &cli, ProgramContext &context);

// Prints a recordset: a header line of field names, then one line per row, fields
// separated by tabs, NULL for null values.
void printRecordset(std::ostream &out, orvan::db::Recordset &rows);

} // namespace orvan::app
