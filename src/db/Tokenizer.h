#pragma once

#include "db/Token.h"

#include <string_view>
#include <vector>

namespace orvan::db {

// Splits T-SQL text into tokens. String literals keep line breaks and doubled quotes;
// N'...' becomes a String with nationalText set; [names] and "names" are Words;
// -- and /* */ comments are dropped; a number glued to a word ("=31where") yields two
// tokens. Raises orvan::base::Error for an unterminated literal, name or comment and
// for a character that belongs to no token.
std::vector<Token> tokenize(std::string_view text);
// The same into tokens, whose earlier content is dropped and whose room is reused.
void tokenize(std::string_view text, std::vector<Token> &tokens);

} // namespace orvan::db
