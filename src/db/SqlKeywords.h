#pragma once

#include "db/Token.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace orvan::db {

// What a keyword is; a word may be several.
enum KeywordRole : uint8_t {
    ReservedKeyword = 1,    // ends an operand
    SupportedStatement = 2, // starts a statement the engine runs
    RefusedStatement = 4,   // starts a statement the engine refuses
};

// What a word is as a keyword, for Token::keywordRoles; 0 when it is none. readable: how
// many bytes from the word's start may be read, the word's own and those after it.
uint8_t wordKeywordRoles(std::string_view word, size_t readable);

// The roles of a token, 0 for anything that is not a keyword. Inline: the splitter and the
// rewriters ask it of most tokens, and the tokenizer has usually worked it out already.
inline uint8_t keywordRoles(const Token &token)
{
    if (token.kind != TokenKind::Word)
        return 0;
    if (token.keywordRoles != Token::RolesUnknown)
        return token.keywordRoles;
    return wordKeywordRoles(token.text, token.text.size());
}

// Words that end an operand in an expression (clause and operator keywords).
inline bool isReservedWord(const Token &token)
{
    return (keywordRoles(token) & ReservedKeyword) != 0;
}
// Words that start a statement of a batch, supported or refused.
inline bool startsStatement(const Token &token)
{
    return (keywordRoles(token) & (SupportedStatement | RefusedStatement)) != 0;
}
// Statement words the engine refuses (DECLARE, WHILE, BEGIN, ...).
inline bool isRefusedStatement(const Token &token)
{
    return (keywordRoles(token) & RefusedStatement) != 0;
}

// Index of the parenthesis closing the one at open; raises an error when unbalanced.
size_t matchingParen(std::span<const Token> tokens, size_t open);
// Index of the END closing the CASE at caseIndex; raises an error when missing.
size_t matchingEnd(std::span<const Token> tokens, size_t caseIndex);
// Index just past the parenthesised group or CASE...END starting at index, or index + 1.
size_t skipGroup(std::span<const Token> tokens, size_t index);

} // namespace orvan::db
