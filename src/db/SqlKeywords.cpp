#include "db/SqlKeywords.h"

#include "db/DbError.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace orvan::db {

namespace {

// What a keyword is; a word may be several.
enum KeywordRole : uint8_t {
    Reserved = 1,  // ends an operand
    Supported = 2, // starts a statement the engine runs
    Refused = 4,   // starts a statement the engine refuses
};

struct Keyword
{
    std::string_view word; // upper case
    uint8_t roles;
};

// END closes a CASE inside a statement; at the start of one it is refused.
constexpr Keyword Keywords[] = {
    {"SELECT", Reserved | Supported},
    {"FROM", Reserved},
    {"WHERE", Reserved},
    {"AND", Reserved},
    {"OR", Reserved},
    {"NOT", Reserved},
    {"IN", Reserved},
    {"IS", Reserved},
    {"LIKE", Reserved},
    {"BETWEEN", Reserved},
    {"CASE", Reserved},
    {"WHEN", Reserved},
    {"THEN", Reserved},
    {"ELSE", Reserved | Supported},
    {"END", Reserved | Supported | Refused},
    {"AS", Reserved},
    {"ON", Reserved},
    {"JOIN", Reserved},
    {"LEFT", Reserved},
    {"RIGHT", Reserved},
    {"INNER", Reserved},
    {"OUTER", Reserved},
    {"FULL", Reserved},
    {"CROSS", Reserved},
    {"UNION", Reserved},
    {"ALL", Reserved},
    {"DISTINCT", Reserved},
    {"ORDER", Reserved},
    {"BY", Reserved},
    {"GROUP", Reserved},
    {"HAVING", Reserved},
    {"INSERT", Reserved | Supported},
    {"INTO", Reserved},
    {"VALUES", Reserved},
    {"UPDATE", Reserved | Supported},
    {"SET", Reserved},
    {"DELETE", Reserved | Supported},
    {"EXEC", Reserved | Supported},
    {"EXECUTE", Reserved | Supported},
    {"IF", Reserved | Supported},
    {"EXISTS", Reserved},
    {"ASC", Reserved},
    {"DESC", Reserved},
    {"TOP", Reserved},
    {"DECLARE", Reserved | Refused},
    {"WHILE", Reserved | Refused},
    {"BEGIN", Reserved | Refused},
    {"EXCEPT", Reserved},
    {"INTERSECT", Reserved},
    {"ESCAPE", Reserved},
    {"COLLATE", Reserved},
    {"WITH", Reserved},
    {"PRINT", Refused},
    {"RETURN", Refused},
    {"GOTO", Refused},
    {"TRUNCATE", Refused},
    {"CREATE", Refused},
    {"ALTER", Refused},
    {"DROP", Refused},
    {"GO", Refused},
    {"MERGE", Refused},
    {"USE", Refused},
    {"RAISERROR", Refused},
    {"WAITFOR", Refused},
    {"BREAK", Refused},
    {"CONTINUE", Refused},
    {"GRANT", Refused},
    {"REVOKE", Refused},
    {"DENY", Refused},
};

constexpr size_t MaxKeywordLength = 9;
constexpr size_t KeywordSlots = 256; // a power of two, under half full

// FNV-1a of the upper-case text.
constexpr uint32_t keywordHash(std::string_view upper)
{
    uint32_t hash = 2166136261u;
    for (char c : upper)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

// Open addressing: slot holds an index into Keywords plus one, 0 when empty.
constexpr std::array<uint8_t, KeywordSlots> KeywordIndex = [] {
    std::array<uint8_t, KeywordSlots> slots{};
    for (size_t k = 0; k < std::size(Keywords); ++k) {
        size_t slot = keywordHash(Keywords[k].word) & (KeywordSlots - 1);
        while (slots[slot] != 0)
            slot = (slot + 1) & (KeywordSlots - 1);
        slots[slot] = static_cast<uint8_t>(k + 1);
    }
    return slots;
}();

static_assert(std::size(Keywords) * 2 < KeywordSlots);

// The roles of a word token, 0 for anything that is not a keyword.
uint8_t keywordRoles(const Token &token)
{
    if (token.kind != TokenKind::Word || token.text.size() > MaxKeywordLength)
        return 0;
    char buffer[MaxKeywordLength];
    for (size_t i = 0; i < token.text.size(); ++i)
        buffer[i] = upperAscii(token.text[i]);
    const std::string_view upper(buffer, token.text.size());
    for (size_t slot = keywordHash(upper) & (KeywordSlots - 1); KeywordIndex[slot] != 0;
         slot = (slot + 1) & (KeywordSlots - 1)) {
        const Keyword &keyword = Keywords[KeywordIndex[slot] - 1];
        if (keyword.word == upper)
            return keyword.roles;
    }
    return 0;
}

} // namespace

bool isReservedWord(const Token &token)
{
    return (keywordRoles(token) & Reserved) != 0;
}

bool startsStatement(const Token &token)
{
    return (keywordRoles(token) & (Supported | Refused)) != 0;
}

bool isRefusedStatement(const Token &token)
{
    return (keywordRoles(token) & Refused) != 0;
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
