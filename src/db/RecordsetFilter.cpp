#include "db/RecordsetFilter.h"

#include "base/Convert.h"

#include "db/DbError.h"
#include "db/Tokenizer.h"

#include <cctype>
#include <cstdlib>

namespace orvan::db {

struct RecordsetFilter::Node
{
    enum class Kind { And, Or, Term };
    Kind kind = Kind::Term;
    std::vector<std::unique_ptr<Node>> children;
    size_t column = 0;
    std::string op;
    Cell value;
};

namespace {

using Node = RecordsetFilter::Node;

// The host language's number for arguments of the wrong type or out of range.
constexpr long InvalidArgumentsNumber = 3001;

[[noreturn]] void malformed(std::string_view text)
{
    throw base::Error(InvalidArgumentsNumber,
                      "The filter \"" + std::string(text) + "\" is not valid", ErrorSource);
}

std::string foldText(const std::string &text)
{
    std::string folded = text;
    while (!folded.empty() && folded.back() == ' ')
        folded.pop_back();
    for (char &c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

bool numberOf(const Cell &cell, double &number)
{
    if (const auto *integer = std::get_if<long long>(&cell)) {
        number = static_cast<double>(*integer);
        return true;
    }
    if (const auto *real = std::get_if<double>(&cell)) {
        number = *real;
        return true;
    }
    const auto parsed = base::parseDecimal(std::get<std::string>(cell));
    number = parsed.value_or(0);
    return parsed.has_value();
}

// '*' and '%' stand for any run of characters. Each star is tried from where the last
// one matched onwards only, so the time grows with the lengths' product at most.
bool likeMatches(std::string_view text, std::string_view pattern)
{
    const auto isStar = [&pattern](size_t at) {
        return at < pattern.size() && (pattern[at] == '*' || pattern[at] == '%');
    };
    size_t t = 0;
    size_t p = 0;
    size_t lastStar = std::string_view::npos;
    size_t resumeAt = 0;
    while (t < text.size()) {
        if (isStar(p)) {
            lastStar = p++;
            resumeAt = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (lastStar != std::string_view::npos) {
            p = lastStar + 1;
            t = ++resumeAt;
        } else {
            return false;
        }
    }
    while (isStar(p))
        ++p;
    return p == pattern.size();
}

// The text of a cell or a term's literal: a number as the host language writes it.
std::string literalText(const Cell &literal)
{
    if (const auto *text = std::get_if<std::string>(&literal))
        return *text;
    double number = 0;
    return numberOf(literal, number) ? base::numberToText(number) : std::string();
}

// -1, 0 or 1 comparing a stored cell with the literal of a term.
int compareCells(const Cell &stored, const Cell &literal)
{
    double left = 0;
    double right = 0;
    const bool numericLiteral =
        !std::holds_alternative<std::string>(literal) && numberOf(literal, right);
    if (numericLiteral && numberOf(stored, left))
        return left < right ? -1 : (left > right ? 1 : 0);
    // A number compared with text that is not one: compared as the number's text.
    const std::string a = foldText(literalText(stored));
    const std::string b = foldText(literalText(literal));
    return a < b ? -1 : (a > b ? 1 : 0);
}

bool termMatches(const Node &term, const Cell &stored)
{
    const bool storedNull = std::holds_alternative<std::monostate>(stored);
    if (std::holds_alternative<std::monostate>(term.value))
        return term.op == "=" ? storedNull : !storedNull;
    if (storedNull)
        return false;
    if (term.op == "LIKE") {
        std::string text = std::holds_alternative<std::string>(stored)
                               ? std::get<std::string>(stored)
                               : std::string();
        double number = 0;
        const std::string pattern =
            std::holds_alternative<std::string>(term.value)
                ? std::get<std::string>(term.value)
                : (numberOf(term.value, number), base::numberToText(number));
        return likeMatches(foldText(text), foldText(pattern));
    }
    const int order = compareCells(stored, term.value);
    if (term.op == "=")
        return order == 0;
    if (term.op == "<>")
        return order != 0;
    if (term.op == "<")
        return order < 0;
    if (term.op == ">")
        return order > 0;
    if (term.op == "<=")
        return order <= 0;
    return order >= 0;
}

class FilterParser
{
public:
    // Parentheses nest at most this deep: the parser and the evaluation recurse on them.
    static constexpr int MaxFilterDepth = 256;

    FilterParser(std::string_view text, const std::vector<std::string> &names)
        : m_text(text)
        , m_names(names)
        , m_tokens(tokenize(text))
    {}

    std::unique_ptr<Node> run()
    {
        auto root = disjunction();
        if (m_pos != m_tokens.size())
            malformed(m_text);
        return root;
    }

private:
    const Token *peek() const { return m_pos < m_tokens.size() ? &m_tokens[m_pos] : nullptr; }

    const Token &take()
    {
        if (m_pos >= m_tokens.size())
            malformed(m_text);
        return m_tokens[m_pos++];
    }

    std::unique_ptr<Node> joined(Node::Kind kind, std::string_view word,
                                 std::unique_ptr<Node> (FilterParser::*part)())
    {
        auto first = (this->*part)();
        if (!peek() || !peek()->is(word))
            return first;
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->children.push_back(std::move(first));
        while (peek() && peek()->is(word)) {
            ++m_pos;
            node->children.push_back((this->*part)());
        }
        return node;
    }

    std::unique_ptr<Node> disjunction()
    {
        return joined(Node::Kind::Or, "OR", &FilterParser::conjunction);
    }
    std::unique_ptr<Node> conjunction()
    {
        return joined(Node::Kind::And, "AND", &FilterParser::primary);
    }

    std::unique_ptr<Node> primary()
    {
        if (peek() && peek()->kind == TokenKind::OpenParen) {
            ++m_pos;
            if (++m_depth > MaxFilterDepth)
                throw base::Error(InvalidArgumentsNumber,
                                  "The filter nests parentheses more than " +
                                      std::to_string(MaxFilterDepth) + " levels deep",
                                  ErrorSource);
            auto inner = disjunction();
            if (take().kind != TokenKind::CloseParen)
                malformed(m_text);
            --m_depth;
            return inner;
        }
        auto term = std::make_unique<Node>();
        term->column = column(take());
        const Token &op = take();
        if (op.is("LIKE"))
            term->op = "LIKE";
        else if (op.kind == TokenKind::Operator && op.text != "," && op.text != ".")
            term->op = op.text == "!=" ? "<>" : op.text;
        else
            malformed(m_text);
        term->value = literal();
        return term;
    }

    size_t column(const Token &token)
    {
        if (!token.isWord())
            malformed(m_text);
        for (size_t i = 0; i < m_names.size(); ++i) {
            if (equalsIgnoreCase(m_names[i], token.name()))
                return i;
        }
        throw base::Error(ItemNotFoundNumber,
                          "The filter names the field '" + token.name() +
                              "', which the recordset does not have",
                          ErrorSource);
    }

    Cell literal()
    {
        bool negative = false;
        if (peek() && peek()->isOperator("-")) {
            negative = true;
            ++m_pos;
        }
        const Token &token = take();
        if (token.kind == TokenKind::String && !negative)
            return token.stringValue();
        if (token.is("NULL") && !negative)
            return std::monostate{};
        if (token.kind != TokenKind::Number)
            malformed(m_text);
        const auto value = base::parseDecimal(token.text);
        if (!value)
            malformed(m_text);
        return negative ? -*value : *value;
    }

    std::string_view m_text;
    const std::vector<std::string> &m_names;
    std::vector<Token> m_tokens;
    size_t m_pos = 0;
    int m_depth = 0;
};

bool evaluate(const Node &node, std::span<const Cell> row)
{
    switch (node.kind) {
    case Node::Kind::And:
        for (const auto &child : node.children) {
            if (!evaluate(*child, row))
                return false;
        }
        return true;
    case Node::Kind::Or:
        for (const auto &child : node.children) {
            if (evaluate(*child, row))
                return true;
        }
        return false;
    case Node::Kind::Term:
        break;
    }
    return node.column < row.size() && termMatches(node, row[node.column]);
}

} // namespace

RecordsetFilter::RecordsetFilter(std::string_view text, const std::vector<std::string> &fieldNames)
{
    try {
        m_root = FilterParser(text, fieldNames).run();
    } catch (const base::Error &error) {
        if (error.number() == ItemNotFoundNumber)
            throw;
        malformed(text);
    }
}

RecordsetFilter::~RecordsetFilter() = default;
RecordsetFilter::RecordsetFilter(RecordsetFilter &&) noexcept = default;
RecordsetFilter &RecordsetFilter::operator=(RecordsetFilter &&) noexcept = default;

bool RecordsetFilter::matches(std::span<const Cell> row) const
{
    return evaluate(*m_root, row);
}

} // namespace orvan::db
