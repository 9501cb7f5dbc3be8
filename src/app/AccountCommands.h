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

// Creates an account file with the schema and the demo data; refuses an existing file
// unless overwrite is set. Raises base::Error on failure.
void writeDemoAccount(const std::string &path, bool overwrite);

// Prints a recordset: a header line of field names, then one line per row, fields
// separated by tabs, NULL for null values.
void printRecordset(std::ostream &out, orvan::db::Recordset &rows);

} // namespace orvan::app
