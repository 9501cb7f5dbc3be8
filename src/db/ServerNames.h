#pragma once

#include "db/SqlDialect.h"
#include "db/Token.h"

#include <span>
#include <vector>

namespace orvan::db {

// Prepares one statement's names for a PostgreSQL server, so that they mean what they
// mean in T-SQL and the rows come back under the headings the embedded engine gives:
// - a word the schema names (table or column, in any case, bracketed or not) becomes
//   the quoted name as the schema writes it;
// - an alias of a select list ("expr AS name", "expr name", "expr AS 'name'") is quoted
//   as written, and so is every other use of that name in the statement;
// - an item of the outermost select list that is neither a column nor aliased (count(*),
//   1, a CASE) gains an alias: its text as the embedded engine is given it, which names
//   the column so there;
// - another bracketed or quoted name is quoted in lower case, as the server folds the
//   same name unquoted.
// Every other token is kept. The texts of the new tokens are kept in texts.
std::vector<Token> adaptNamesForServer(std::span<const Token> statement, const SchemaNames &names,
                                       TokenTexts &texts);

} // namespace orvan::db
