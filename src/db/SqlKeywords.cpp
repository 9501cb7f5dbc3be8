#include "db/SqlKeywords.h"

#include "db/DbError.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
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

// A keyword is looked up as its first eight bytes packed into one number, the first lowest,
// with the case bit cleared, and its ninth letter, if any. Clearing the bit turns a
// lower-case letter into its capital and leaves every other byte a word may hold outside
// the capitals, so two words match exactly when they are the same word regardless of case.
constexpr size_t PackedLength = 8;
constexpr size_t MaxKeywordLength = PackedLength + 1;
constexpr uint64_t CaseBits = 0x2020202020202020ull;

constexpr uint64_t packedWord(std::string_view word)
{
    uint64_t packed = 0;
    for (size_t i = 0; i < word.size() && i < PackedLength; ++i)
        packed |= static_cast<uint64_t>(static_cast<unsigned char>(word[i])) << (8 * i);
    return packed & ~CaseBits;
}

constexpr char ninthLetter(std::string_view word)
{
    return word.size() > PackedLength ? upperAscii(word[PackedLength]) : '\0';
}

constexpr size_t KeywordSlots = 256; // a power of two, under half full

constexpr size_t keywordSlot(uint64_t packed, char ninth)
{
    return static_cast<size_t>(
        ((packed ^ static_cast<unsigned char>(ninth)) * 0x9E3779B97F4A7C15ull) >> 56);
}

struct KeywordSlot
{
    uint64_t packed = 0; // 0: empty
    char ninth = '\0';
    uint8_t roles = 0;
};

// Open addressing over the keywords.
constexpr std::array<KeywordSlot, KeywordSlots> KeywordTable = [] {
    std::array<KeywordSlot, KeywordSlots> slots{};
    for (const Keyword &keyword : Keywords) {
        const uint64_t packed = packedWord(keyword.word);
        const char ninth = ninthLetter(keyword.word);
        size_t slot = keywordSlot(packed, ninth);
        while (slots[slot].packed != 0)
            slot = (slot + 1) & (KeywordSlots - 1);
        slots[slot] = KeywordSlot{packed, ninth, keyword.roles};
    }
    return slots;
}();

static_assert(std::size(Keywords) * 2 < KeywordSlots);
static_assert(std::all_of(std::begin(Keywords), std::end(Keywords), [](const Keyword &keyword) {
    return keyword.word.size() <= MaxKeywordLength;
}));

// The roles of a token, 0 for anything that is not a keyword.
uint8_t keywordRoles(const Token &token)
{
    if (token.kind != TokenKind::Word)
        return 0;
    if (token.keywordRoles != Token::RolesUnknown)
        return token.keywordRoles;
    return wordKeywordRoles(token.text, token.text.size());
}

} // namespace

uint8_t wordKeywordRoles(std::string_view word, size_t readable)
{
    if (word.empty() || word.size() > MaxKeywordLength)
        return 0;
    uint64_t packed = 0;
    if (std::endian::native == std::endian::little && readable >= PackedLength) {
        // One load, the first byte lowest as packedWord has it; the bytes past the word
        // are masked off.
        std::memcpy(&packed, word.data(), PackedLength);
        if (word.size() < PackedLength)
            packed &= (uint64_t{1} << (8 * word.size())) - 1;
        packed &= ~CaseBits;
    } else {
        packed = packedWord(word);
    }
    const char ninth = ninthLetter(word);
    for (size_t slot = keywordSlot(packed, ninth); KeywordTable[slot].packed != 0;
         slot = (slot + 1) & (KeywordSlots - 1)) {
        if (KeywordTable[slot].packed == packed && KeywordTable[slot].ninth == ninth)
            return KeywordTable[slot].roles;
    }
    return 0;
}

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
