#pragma once

#include <string>
#include <unordered_map>

namespace orvan::db {

// The account's tables and columns by lower-case name, each as its schema writes it.
using SchemaNames = std::unordered_map<std::string, std::string>;

// The engine a batch is compiled for: the embedded one, or a PostgreSQL server whose
// tables and columns were created under quoted names as the schema writes them (the
// server folds unquoted names to lower case; T-SQL ignores their case).
struct SqlDialect
{
    const SchemaNames *serverNames = nullptr; // null: the embedded engine

    bool forServer() const { return serverNames != nullptr; }
    // The hidden column that tells a row of a table apart.
    const char *rowIdColumn() const { return forServer() ? "ctid" : "rowid"; }
    // A table, alias or column name quoted for the engine: on the server, as the schema
    // writes it, or in lower case when the schema does not name it (an alias).
    std::string quoteName(const std::string &name) const;
};

} // namespace orvan::db
