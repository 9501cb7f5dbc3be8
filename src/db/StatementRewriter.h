#pragma once

#include "db/SqlDialect.h"
#include "db/Token.h"

#include <span>
#include <string>

namespace orvan::db {

// Rewrites one SELECT, INSERT, UPDATE or DELETE statement of a batch to the text of the
// dialect's engine (for a server, with its names adapted as ServerNames.h says).
// Besides the expression rewrites:
// - INSERT without INTO gains INTO;
// - DELETE table [WHERE ...] gains FROM; DELETE x FROM <from> [WHERE ...] deletes the
//   rows of x's table that the join selects;
// - UPDATE x SET ... FROM <from> [WHERE ...], x an alias or a table of <from>, updates
//   exactly the joined rows of x's table: the new values are computed in a derived table
//   keyed by the target's row id (rowid, or ctid on the server);
// - "alias.column" on the left of SET loses its prefix.
// Raises orvan::base::Error for a statement it cannot rewrite.
std::string rewriteStatement(std::span<const Token> statement, const SqlDialect &dialect = {});

// The text of a condition as a query yielding 1 when it holds and 0 otherwise.
std::string rewriteCondition(std::span<const Token> condition, const SqlDialect &dialect = {});

} // namespace orvan::db
