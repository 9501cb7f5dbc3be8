#include "db/Tokenizer.h"

#include "db/DbError.h"
#include "db/SqlKeywords.h"

namespace orvan::db {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isWordStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '#' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool isWordChar(char c)
{
    return isWordStart(c) || isDigit(c) || c == '$';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
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
        if ((c == 'N' || c == 'n') && at(m_pos + 1) == '\'') {
            ++m_pos;
            token.nationalText = true;
            token.kind = TokenKind::String;
            token.text = quoted('\'', "Unclosed quotation mark");
        } else if (c == '\'') {
            token.kind = TokenKind::String;
            token.text = quoted('\'', "Unclosed quotation mark");
        } else if (c == '[') {
            token.text = quoted(']', "Unclosed bracketed name");
        } else if (c == '"') {
            token.text = quoted('"', "Unclosed quoted name");
        } else if (isDigit(c) || (c == '.' && isDigit(at(m_pos + 1)) && !afterOperand())) {
            token.kind = TokenKind::Number;
            token.text = number();
        } else if (isWordStart(c)) {
            token.text = word();
            token.keywordRoles = wordKeywordRoles(token.text);
        } else if (c == '@') {
            token.kind = TokenKind::Variable;
            const size_t start = m_pos;
            while (at(m_pos) == '@')
                ++m_pos;
            while (isWordChar(at(m_pos)))
                ++m_pos;
            token.text = m_text.substr(start, m_pos - start);
        } else {
            punctuation(token);
        }
        return token;
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
        ++m_pos; // opening character
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] == close) {
                if (at(m_pos + 1) == close) {
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                return m_text.substr(start, m_pos - start);
            }
            ++m_pos;
        }
        fail(unclosed, start);
    }

    std::string_view number()
    {
        const size_t start = m_pos;
        if (m_text[m_pos] == '0' && (at(m_pos + 1) == 'x' || at(m_pos + 1) == 'X')) {
            m_pos += 2;
            while (std::isxdigit(static_cast<unsigned char>(at(m_pos))))
                ++m_pos;
            return m_text.substr(start, m_pos - start);
        }
        while (isDigit(at(m_pos)))
            ++m_pos;
        if (at(m_pos) == '.') {
            ++m_pos;
            while (isDigit(at(m_pos)))
                ++m_pos;
        }
        // An exponent only when digits follow: "31else" is a number and a keyword.
        if (at(m_pos) == 'e' || at(m_pos) == 'E') {
            size_t digits = m_pos + 1;
            if (at(digits) == '+' || at(digits) == '-')
                ++digits;
            if (isDigit(at(digits))) {
                m_pos = digits;
                while (isDigit(at(m_pos)))
                    ++m_pos;
            }
        }
        return m_text.substr(start, m_pos - start);
    }

    std::string_view word()
    {
        const size_t start = m_pos;
        while (isWordChar(at(m_pos)))
            ++m_pos;
        return m_text.substr(start, m_pos - start);
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
