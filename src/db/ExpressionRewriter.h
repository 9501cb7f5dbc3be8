#pragma once

#include "db/SqlDialect.h"
#include "db/Token.h"

#include <span>
#include <string>
#include <vector>

namespace orvan::db {

// Token-level rewrites of T-SQL expressions to SQLite that apply to every statement:
// - "dbo." prefixes dropped; N'...' becomes '...';
// - ISNULL( becomes IFNULL( (COALESCE( on the server); !< and !> become >= and <=;
// - convert(int|smallint|tinyint|bigint, e) -> to_int_strict(e) (fails like T-SQL on
//   text that is not a whole number); convert(float|real|decimal|numeric|money, e) ->
//   to_real_strict(e); convert(varchar(n)|nvarchar(n)|char(n)|nchar(n), e) -> text of e
//   cut to n; any other target type or a style argument is refused;
// - a run of terms joined by + - at the same level as & | is grouped left to right, as
//   T-SQL evaluates it (SQLite binds + - tighter than & |); ^ is refused;
// - variables, #temporary tables, TOP and SELECT ... INTO are refused.
// Returns tokens themselves when none of this changes them, else the rewritten tokens,
// kept in rewritten, which must not hold tokens. Raises orvan::base::Error naming the refused
// construct.
std::span<const Token> rewriteExpressions(std::span<const Token> tokens,
                                          std::vector<Token> &rewritten,
                                          const SqlDialect &dialect = {});

// SQLite text of tokens [begin, end): tokens joined by single blanks where the batch had
// blanks, comments or line breaks, and where two words or numbers would otherwise merge.
std::string renderTokens(std::span<const Token> tokens, size_t begin, size_t end);
std::string renderTokens(std::span<const Token> tokens);

// A token made by the rewriter.
Token makeToken(TokenKind kind, std::string_view text, bool spaceBefore = true);

} // namespace orvan::db
