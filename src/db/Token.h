#pragma once

#include <cstdint>
#include <forward_list>
#include <string>
#include <string_view>

namespace orvan::db {

enum class TokenKind : uint8_t {
    Word,       // identifier or keyword, including bracketed and quoted names
    Number,     // 12, 1.5, .5, 1E3, 0x1F
    String,     // '...' with doubled quotes; text holds the literal as written
    Variable,   // @name, @@name
    Operator,   // + - * / % & | ^ ~ = <> != < > <= >= !< !> . ,
    OpenParen,  // (
    CloseParen, // )
    Semicolon,  // ;
};

constexpr char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Inline: the compiler compares nearly every word it reads with several keywords.
inline bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    }
    return true;
}

// One lexical unit of a T-SQL batch. Comments and blanks are not tokens; a token
// records whether blank space or a comment stood before it. A token views its text: in the
// batch it was read from, in a string literal, or in storage its maker keeps beside the
// tokens (TokenTexts); it is valid while that text is.
struct Token
{
    static constexpr uint8_t RolesUnknown = 0xFF;

    TokenKind kind = TokenKind::Word;
    bool spaceBefore = false;  // blank, line break or comment between this and the previous token
    bool nationalText = false; // String written as N'...'
    // What the word is as a keyword (SqlKeywords), worked out once by the tokenizer. A token
    // made up later, or whose text a rewrite changes, has RolesUnknown: worked out when asked.
    uint8_t keywordRoles = RolesUnknown;
    std::string_view text; // as written, except bracketed names keep their brackets
    size_t offset = 0;     // byte offset in the batch, for messages

    // Gives the token another text; what it is as a keyword is worked out afresh when asked.
    void setText(std::string_view newText)
    {
        text = newText;
        keywordRoles = RolesUnknown;
    }

    bool isWord() const { return kind == TokenKind::Word; }
    // A word equal to keyword, compared without regard to case; quoted names never match.
    // Inline: the compiler asks it of nearly every token, and most differ in length.
    bool is(std::string_view keyword) const
    {
        return kind == TokenKind::Word && text.size() == keyword.size() &&
               equalsIgnoreCase(text, keyword);
    }
    bool isOperator(std::string_view op) const { return kind == TokenKind::Operator && text == op; }
    // The name a word stands for: brackets and double quotes removed.
    std::string name() const;
    // The text of a String token without its quotes, doubled quotes made single.
    std::string stringValue() const;
};

// Storage for the texts of tokens a rewrite makes up; a text keeps its place while
// others are added.
class TokenTexts
{
public:
    std::string_view keep(std::string text) { return m_texts.emplace_front(std::move(text)); }

private:
    std::forward_list<std::string> m_texts; // allocates nothing while empty
};

std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);

} // namespace orvan::db
