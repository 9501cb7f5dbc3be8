#pragma once

#include "db/SqlDialect.h"

#include <string>
#include <string_view>

namespace orvan::db {

// The account's schema script, written for the embedded engine, in a PostgreSQL server's
// words. The preamble (data/schema-server.sql) comes first; its part after the line
// "--@after-tables" comes after the tables.
//
// Tables, columns and the names of a data script are quoted as the schema writes them;
// TEXT COLLATE NOCASE becomes citext, other TEXT text, REAL and DECIMAL numeric, BIT
// orvan_bit, DATETIME orvan_datetime; a column declared INTEGER PRIMARY KEY gains the
// trigger that numbers rows inserted without it, and every table the trigger that
// announces its changes (NOTIFY orvan_changed). Triggers of the embedded engine are
// left out (the preamble has their equivalents). Raises orvan::base::Error for text it
// cannot read.
struct ServerSchema
{
    std::string script;
    SchemaNames names;
};
ServerSchema translateSchema(std::string_view schema, std::string_view preamble);

// A data script (INSERT and UPDATE statements) with its names quoted as the schema
// writes them.
std::string translateData(std::string_view script, const SchemaNames &names);

} // namespace orvan::db
