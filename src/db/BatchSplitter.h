#pragma once

#include "db/Token.h"

#include <span>
#include <vector>

namespace orvan::db {

// A statement of a batch: a range of the batch's tokens, valid while they are.
using Segment = std::span<const Token>;

// How deep a batch may nest parentheses and CASE expressions.
constexpr int MaxExpressionDepth = 256;

// Splits a tokenized batch into statements at top-level statement words (SELECT,
// INSERT, UPDATE, DELETE, EXEC, IF, ELSE, and the refused ones such as DECLARE) and at
// ";". Words inside parentheses or CASE...END never split; a SELECT after UNION, EXCEPT,
// INTERSECT or ALL, or inside an INSERT that has no VALUES or SELECT yet, continues the
// statement. Line breaks mean nothing: a WHERE on its own line belongs to the statement
// above. An IF segment holds IF and its condition; an ELSE segment holds only ELSE.
// Raises an error for a batch nesting parentheses and CASE expressions deeper than
// MaxExpressionDepth, counted as opening tokens less closing ones so far: the compiler
// descends once per level.
std::vector<Segment> splitStatements(const std::vector<Token> &tokens);

} // namespace orvan::db
