#include "db/Tokenizer.h"

#include "db/DbError.h"
#include "db/SqlKeywords.h"

#include <array>
#include <cstdint>

namespace orvan::db {

namespace {

// What a byte may be in a token, looked up once per byte.
enum CharClass : uint8_t {
    Digit = 1,
    WordStart = 2, // a letter, _, # or any byte of a multi-byte character
    WordChar = 4,  // a word start, a digit or $
    Blank = 8,
};

constexpr std::array<uint8_t, 256> CharClasses = [] {
    std::array<uint8_t, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const bool digit = c >= '0' && c <= '9';
        const bool wordStart =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '#' || c >= 0x80;
        const bool blank =
            c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
        classes[c] = static_cast<uint8_t>((digit ? Digit : 0) | (wordStart ? WordStart : 0) |
                                          (digit || wordStart || c == '$' ? WordChar : 0) |
                                          (blank ? Blank : 0));
    }
    return classes;
}();

bool hasClass(char c, CharClass charClass)
{
    return (CharClasses[static_cast<unsigned char>(c)] & charClass) != 0;
}

bool isDigit(char c)
{
    return hasClass(c, Digit);
}

bool isWordStart(char c)
{
    return hasClass(c, WordStart);
}

bool isWordChar(char c)
{
    return hasClass(c, WordChar);
}

bool isBlank(char c)
{
    return hasClass(c, Blank);
}

class Scanner
{
public:
    Scanner(std::string_view text, std::vector<Token> &tokens)
        : m_text(text)
        , m_tokens(tokens)
    {
        m_tokens.clear();
        m_tokens.reserve(text.size() / 4 + 8); // about one token per four characters
    }

    void run()
    {
        while (skipBlanksAndComments())
            m_tokens.push_back(next());
    }

private:
    char at(size_t i) const { return i < m_text.size() ? m_text[i] : '\0'; }

    [[noreturn]] void fail(const std::string &what, size_t offset) const
    {
        throw sqlError(what + " at character " + std::to_string(offset + 1) + " of the batch");
    }

    // Returns false at the end of the text.
    bool skipBlanksAndComments()
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (isBlank(c)) {
                ++m_pos;
                while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
                    ++m_pos;
                m_space = true;
            } else if (c == '-' && at(m_pos + 1) == '-') {
                while (m_pos < m_text.size() && m_text[m_pos] != '\n')
                    ++m_pos;
                m_space = true;
            } else if (c == '/' && at(m_pos + 1) == '*') {
                skipBlockComment();
                m_space = true;
            } else {
                return true;
            }
        }
        return false;
    }

    // Block comments nest in T-SQL.
    void skipBlockComment()
    {
        const size_t start = m_pos;
        int depth = 0;
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] == '/' && at(m_pos + 1) == '*') {
                ++depth;
                m_pos += 2;
            } else if (m_text[m_pos] == '*' && at(m_pos + 1) == '/') {
                m_pos += 2;
                if (--depth == 0)
                    return;
            } else {
                ++m_pos;
            }
        }
        fail("Unterminated comment", start);
    }

    Token next()
    {
        Token token;
        token.keywordRoles = 0; // a word's are set below
        token.offset = m_pos;
        token.spaceBefore = m_space;
        m_space = false;
        const char c = m_text[m_pos];
        if (isWordStart(c)) {
            if ((c == 'N' || c == 'n') && at(m_pos + 1) == '\'') {
                ++m_pos;
                token.nationalText = true;
                token.kind = TokenKind::String;
                token.text = quoted('\'', "Unclosed quotation mark");
            } else {
                token.text = word();
                token.keywordRoles = wordKeywordRoles(token.text, m_text.size() - token.offset);
            }
            return token;
        }
        if (isDigit(c) || (c == '.' && isDigit(at(m_pos + 1)) && !afterOperand())) {
            token.kind = TokenKind::Number;
            token.text = number();
            return token;
        }
        switch (c) {
        case '\'':
            token.kind = TokenKind::String;
            token.text = quoted('\'', "Unclosed quotation mark");
            break;
        case '[':
            token.text = quoted(']', "Unclosed bracketed name");
            break;
        case '"':
            token.text = quoted('"', "Unclosed quoted name");
            break;
        case '@':
            token.kind = TokenKind::Variable;
            token.text = variable();
            break;
        default:
            punctuation(token);
        }
        return token;
    }

    std::string_view variable()
    {
        const size_t start = m_pos;
        size_t end = start;
        while (end < m_text.size() && m_text[end] == '@')
            ++end;
        while (end < m_text.size() && isWordChar(m_text[end]))
            ++end;
        m_pos = end;
        return m_text.substr(start, end - start);
    }

    bool afterOperand() const
    {
        if (m_tokens.empty())
            return false;
        const Token &last = m_tokens.back();
        return last.kind == TokenKind::Word || last.kind == TokenKind::CloseParen;
    }

    std::string_view quoted(char close, const char *unclosed)
    {
        const size_t start = m_pos;
        size_t end = start + 1; // the opening character
        while (end < m_text.size()) {
            if (m_text[end] != close) {
                ++end;
                continue;
            }
            if (end + 1 < m_text.size() && m_text[end + 1] == close) {
                end += 2;
                continue;
            }
            m_pos = end + 1;
            return m_text.substr(start, m_pos - start);
        }
        fail(unclosed, start);
    }

    // The index of the first character at or after i that is not a digit.
    size_t skipDigits(size_t i) const
    {
        while (i < m_text.size() && isDigit(m_text[i]))
            ++i;
        return i;
    }

    std::string_view number()
    {
        const size_t start = m_pos;
        size_t end = start;
        if (m_text[end] == '0' && (at(end + 1) == 'x' || at(end + 1) == 'X')) {
            end += 2;
            while (std::isxdigit(static_cast<unsigned char>(at(end))))
                ++end;
        } else {
            end = skipDigits(end);
            if (at(end) == '.')
                end = skipDigits(end + 1);
            // An exponent only when digits follow: "31else" is a number and a keyword.
            if (at(end) == 'e' || at(end) == 'E') {
                size_t digits = end + 1;
                if (at(digits) == '+' || at(digits) == '-')
                    ++digits;
                if (isDigit(at(digits)))
                    end = skipDigits(digits);
            }
        }
        m_pos = end;
        return m_text.substr(start, end - start);
    }

    std::string_view word()
    {
        const size_t start = m_pos;
        size_t end = start + 1; // the caller saw a word start
        while (end < m_text.size() && isWordChar(m_text[end]))
            ++end;
        m_pos = end;
        return m_text.substr(start, end - start);
    }

    void punctuation(Token &token)
    {
        const char c = m_text[m_pos];
        const char d = at(m_pos + 1);
        token.kind = TokenKind::Operator;
        if (c == '(') {
            token.kind = TokenKind::OpenParen;
        } else if (c == ')') {
            token.kind = TokenKind::CloseParen;
        } else if (c == ';') {
            token.kind = TokenKind::Semicolon;
        } else if ((c == '<' && (d == '>' || d == '=')) || (c == '>' && d == '=') ||
                   (c == '!' && (d == '=' || d == '<' || d == '>'))) {
            token.text = m_text.substr(m_pos, 2);
            m_pos += 2;
            return;
        } else if (std::string_view("+-*/%&|^~=<>.,").find(c) == std::string_view::npos) {
            fail(std::string("Incorrect syntax near '") + c + "'", m_pos);
        }
        token.text = m_text.substr(m_pos, 1);
        ++m_pos;
    }

    std::string_view m_text;
    size_t m_pos = 0;
    bool m_space = false;
    std::vector<Token> &m_tokens;
};

} // namespace

std::vector<Token> tokenize(std::string_view text)
{
    std::vector<Token> tokens;
    tokenize(text, tokens);
    return tokens;
}

void tokenize(std::string_view text, std::vector<Token> &tokens)
{
    Scanner(text, tokens).run();
}

} // namespace orvan::db
