#pragma once

#include "db/Token.h"

#include <span>

namespace orvan::db {

// What a word is as a keyword, for Token::keywordRoles; 0 when it is none. readable: how
// many bytes from the word's start may be read, the word's own and those after it.
uint8_t wordKeywordRoles(std::string_view word, size_t readable);

// Words that end an operand in an expression (clause and operator keywords).
bool isReservedWord(const Token &token);
// Words that start a statement of a batch, supported or refused.
bool startsStatement(const Token &token);
// Statement words the engine refuses (DECLARE, WHILE, BEGIN, ...).
bool isRefusedStatement(const Token &token);

// Index of the parenthesis closing the one at open; raises an error when unbalanced.
size_t matchingParen(std::span<const Token> tokens, size_t open);
// Index of the END closing the CASE at caseIndex; raises an error when missing.
size_t matchingEnd(std::span<const Token> tokens, size_t caseIndex);
// Index just past the parenthesised group or CASE...END starting at index, or index + 1.
size_t skipGroup(std::span<const Token> tokens, size_t index);

} // namespace orvan::db
