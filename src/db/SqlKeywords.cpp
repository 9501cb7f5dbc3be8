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

struct Keyword
{
    std::string_view word; // upper case
    uint8_t roles;
};

// END closes a CASE inside a statement; at the start of one it is refused.
constexpr Keyword Keywords[] = {
    {"SELECT", ReservedKeyword | SupportedStatement},
    {"FROM", ReservedKeyword},
    {"WHERE", ReservedKeyword},
    {"AND", ReservedKeyword},
    {"OR", ReservedKeyword},
    {"NOT", ReservedKeyword},
    {"IN", ReservedKeyword},
    {"IS", ReservedKeyword},
    {"LIKE", ReservedKeyword},
    {"BETWEEN", ReservedKeyword},
    {"CASE", ReservedKeyword},
    {"WHEN", ReservedKeyword},
    {"THEN", ReservedKeyword},
    {"ELSE", ReservedKeyword | SupportedStatement},
    {"END", ReservedKeyword | SupportedStatement | RefusedStatement},
    {"AS", ReservedKeyword},
    {"ON", ReservedKeyword},
    {"JOIN", ReservedKeyword},
    {"LEFT", ReservedKeyword},
    {"RIGHT", ReservedKeyword},
    {"INNER", ReservedKeyword},
    {"OUTER", ReservedKeyword},
    {"FULL", ReservedKeyword},
    {"CROSS", ReservedKeyword},
    {"UNION", ReservedKeyword},
    {"ALL", ReservedKeyword},
    {"DISTINCT", ReservedKeyword},
    {"ORDER", ReservedKeyword},
    {"BY", ReservedKeyword},
    {"GROUP", ReservedKeyword},
    {"HAVING", ReservedKeyword},
    {"INSERT", ReservedKeyword | SupportedStatement},
    {"INTO", ReservedKeyword},
    {"VALUES", ReservedKeyword},
    {"UPDATE", ReservedKeyword | SupportedStatement},
    {"SET", ReservedKeyword},
    {"DELETE", ReservedKeyword | SupportedStatement},
    {"EXEC", ReservedKeyword | SupportedStatement},
    {"EXECUTE", ReservedKeyword | SupportedStatement},
    {"IF", ReservedKeyword | SupportedStatement},
    {"EXISTS", ReservedKeyword},
    {"ASC", ReservedKeyword},
    {"DESC", ReservedKeyword},
    {"TOP", ReservedKeyword},
    {"DECLARE", ReservedKeyword | RefusedStatement},
    {"WHILE", ReservedKeyword | RefusedStatement},
    {"BEGIN", ReservedKeyword | RefusedStatement},
    {"EXCEPT", ReservedKeyword},
    {"INTERSECT", ReservedKeyword},
    {"ESCAPE", ReservedKeyword},
    {"COLLATE", ReservedKeyword},
    {"WITH", ReservedKeyword},
    {"PRINT", RefusedStatement},
    {"RETURN", RefusedStatement},
    {"GOTO", RefusedStatement},
    {"TRUNCATE", RefusedStatement},
    {"CREATE", RefusedStatement},
    {"ALTER", RefusedStatement},
    {"DROP", RefusedStatement},
    {"GO", RefusedStatement},
    {"MERGE", RefusedStatement},
    {"USE", RefusedStatement},
    {"RAISERROR", RefusedStatement},
    {"WAITFOR", RefusedStatement},
    {"BREAK", RefusedStatement},
    {"CONTINUE", RefusedStatement},
    {"GRANT", RefusedStatement},
    {"REVOKE", RefusedStatement},
    {"DENY", RefusedStatement},
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
