#include "db/SqlKeywords.h"

#include "db/DbError.h"

#include <array>
#include <string_view>

namespace orvan::db {

namespace {

template <size_t N>
bool isOneOf(const Token &token, const std::array<std::string_view, N> &words)
{
    if (token.kind != TokenKind::Word)
        return false;
    for (std::string_view word : words) {
        if (token.is(word))
            return true;
    }
    return false;
}

constexpr std::array<std::string_view, 52> ReservedWords = {
    "SELECT",  "FROM",  "WHERE",   "AND",       "OR",     "NOT",     "IN",     "IS",     "LIKE",
    "BETWEEN", "CASE",  "WHEN",    "THEN",      "ELSE",   "END",     "AS",     "ON",     "JOIN",
    "LEFT",    "RIGHT", "INNER",   "OUTER",     "FULL",   "CROSS",   "UNION",  "ALL",    "DISTINCT",
    "ORDER",   "BY",    "GROUP",   "HAVING",    "INSERT", "INTO",    "VALUES", "UPDATE", "SET",
    "DELETE",  "EXEC",  "EXECUTE", "IF",        "EXISTS", "ASC",     "DESC",   "TOP",    "DECLARE",
    "WHILE",   "BEGIN", "EXCEPT",  "INTERSECT", "ESCAPE", "COLLATE", "WITH"};

constexpr std::array<std::string_view, 9> SupportedStatements = {
    "SELECT", "INSERT", "UPDATE", "DELETE", "EXEC", "EXECUTE", "IF", "ELSE", "END"};

constexpr std::array<std::string_view, 20> RefusedStatements = {
    "DECLARE", "WHILE", "BEGIN",    "PRINT", "RETURN", "GOTO", "TRUNCATE",
    "CREATE",  "ALTER", "DROP",     "GO",    "MERGE",  "USE",  "RAISERROR",
    "WAITFOR", "BREAK", "CONTINUE", "GRANT", "REVOKE", "DENY"};

} // namespace

bool isReservedWord(const Token &token)
{
    return isOneOf(token, ReservedWords);
}

bool startsStatement(const Token &token)
{
    return isOneOf(token, SupportedStatements) || isOneOf(token, RefusedStatements);
}

bool isRefusedStatement(const Token &token)
{
    return isOneOf(token, RefusedStatements) || token.is("END");
}

size_t matchingParen(std::span<const Token> tokens, size_t open)
{
    int depth = 0;
    for (size_t i = open; i < tokens.size(); ++i) {
        if (tokens[i].kind == TokenKind::OpenParen)
            ++depth;
        else if (tokens[i].kind == TokenKind::CloseParen && --depth == 0)
            return i;
    }
    throw sqlError("Incorrect syntax: a parenthesis is not closed");
}

size_t matchingEnd(std::span<const Token> tokens, size_t caseIndex)
{
    int depth = 0;
    for (size_t i = caseIndex; i < tokens.size(); ++i) {
        if (tokens[i].is("CASE"))
            ++depth;
        else if (tokens[i].is("END") && --depth == 0)
            return i;
    }
    throw sqlError("Incorrect syntax: CASE without END");
}

size_t skipGroup(std::span<const Token> tokens, size_t index)
{
    if (tokens[index].kind == TokenKind::OpenParen)
        return matchingParen(tokens, index) + 1;
    if (tokens[index].is("CASE"))
        return matchingEnd(tokens, index) + 1;
    return index + 1;
}

} // namespace orvan::db
