#include "db/ExpressionRewriter.h"

#include "db/DbError.h"
#include "db/SqlKeywords.h"

#include <algorithm>

namespace orvan::db {

namespace {

[[noreturn]] void refuse(const std::string &what)
{
    throw sqlError(what + " is not supported by the embedded database");
}

bool isWordLike(const Token &token)
{
    return token.kind == TokenKind::Word || token.kind == TokenKind::Number ||
           token.kind == TokenKind::Variable;
}

void checkSupported(const std::vector<Token> &tokens)
{
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens[i];
        if (token.kind == TokenKind::Variable)
            refuse("The variable " + token.text);
        if (token.kind == TokenKind::Word && token.text.front() == '#')
            refuse("The temporary table " + token.text);
        if (token.is("TOP"))
            refuse("TOP");
        if (token.isOperator("^"))
            refuse("The ^ operator");
        if (token.is("INTO") && i > 0 && !tokens[0].is("INSERT"))
            refuse("SELECT ... INTO");
    }
}

std::vector<Token> dropSchemaPrefixes(const std::vector<Token> &tokens)
{
    std::vector<Token> result;
    result.reserve(tokens.size());
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].is("dbo") && i + 2 < tokens.size() && tokens[i + 1].isOperator(".") &&
            tokens[i + 2].isWord()) {
            Token name = tokens[i + 2];
            name.spaceBefore = tokens[i].spaceBefore;
            result.push_back(name);
            i += 2;
            continue;
        }
        result.push_back(tokens[i]);
    }
    return result;
}

void mapFunctionsAndOperators(std::vector<Token> &tokens)
{
    for (Token &token : tokens) {
        if (token.isOperator("!<"))
            token.text = ">=";
        else if (token.isOperator("!>"))
            token.text = "<=";
    }
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].is("ISNULL") && tokens[i + 1].kind == TokenKind::OpenParen)
            tokens[i].text = "IFNULL";
    }
}

// The convert target type: name and optional length.
struct ConvertType
{
    std::string name;
    std::string length;
};

ConvertType readConvertType(const std::vector<Token> &tokens, size_t begin, size_t end)
{
    ConvertType type;
    if (begin >= end || !tokens[begin].isWord())
        throw sqlError("Incorrect syntax in convert: a type name is expected");
    type.name = toUpper(tokens[begin].name());
    if (begin + 1 < end) {
        if (end < begin + 4 || tokens[begin + 1].kind != TokenKind::OpenParen ||
            tokens[end - 1].kind != TokenKind::CloseParen ||
            tokens[begin + 2].kind != TokenKind::Number)
            refuse("convert to " + renderTokens(tokens, begin, end));
        type.length = tokens[begin + 2].text;
    }
    return type;
}

// The call that replaces convert(type, expression) around the expression tokens.
std::vector<Token> convertCall(const ConvertType &type, std::vector<Token> expression,
                               bool spaceBefore)
{
    static const std::vector<std::string> integers = {"INT", "INTEGER", "SMALLINT", "TINYINT",
                                                      "BIGINT"};
    static const std::vector<std::string> reals = {"FLOAT",   "REAL",  "DECIMAL",
                                                   "NUMERIC", "MONEY", "SMALLMONEY"};
    static const std::vector<std::string> texts = {"VARCHAR", "NVARCHAR", "CHAR", "NCHAR"};
    auto contains = [&](const std::vector<std::string> &names) {
        return std::find(names.begin(), names.end(), type.name) != names.end();
    };
    std::vector<Token> result;
    auto add = [&](TokenKind kind, std::string text) {
        result.push_back(makeToken(kind, std::move(text), false));
    };
    auto addExpression = [&] { result.insert(result.end(), expression.begin(), expression.end()); };
    if (contains(integers) || contains(reals)) {
        add(TokenKind::Word, contains(integers) ? "to_int_strict" : "to_real_strict");
        add(TokenKind::OpenParen, "(");
        addExpression();
        add(TokenKind::CloseParen, ")");
    } else if (contains(texts)) {
        add(TokenKind::Word, "SUBSTR");
        add(TokenKind::OpenParen, "(");
        add(TokenKind::Word, "CAST");
        add(TokenKind::OpenParen, "(");
        addExpression();
        result.push_back(makeToken(TokenKind::Word, "AS"));
        result.push_back(makeToken(TokenKind::Word, "TEXT"));
        add(TokenKind::CloseParen, ")");
        add(TokenKind::Operator, ",");
        add(TokenKind::Number, "1");
        add(TokenKind::Operator, ",");
        add(TokenKind::Number, type.length.empty() ? "30" : type.length);
        add(TokenKind::CloseParen, ")");
    } else {
        refuse("convert to " + type.name);
    }
    result.front().spaceBefore = spaceBefore;
    return result;
}

std::vector<Token> rewriteConverts(const std::vector<Token> &tokens)
{
    std::vector<Token> result;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].is("CONVERT") || i + 1 >= tokens.size() ||
            tokens[i + 1].kind != TokenKind::OpenParen) {
            result.push_back(tokens[i]);
            continue;
        }
        const size_t close = matchingParen(tokens, i + 1);
        size_t comma = 0;
        std::vector<size_t> commas;
        for (size_t j = i + 2; j < close; j = skipGroup(tokens, j)) {
            if (tokens[j].isOperator(","))
                commas.push_back(j);
        }
        if (commas.empty())
            throw sqlError("Incorrect syntax in convert: two arguments are expected");
        if (commas.size() > 1)
            refuse("convert with a style argument");
        comma = commas.front();
        const ConvertType type = readConvertType(tokens, i + 2, comma);
        std::vector<Token> inner(tokens.begin() + static_cast<long>(comma) + 1,
                                 tokens.begin() + static_cast<long>(close));
        std::vector<Token> call = convertCall(type, rewriteConverts(inner), tokens[i].spaceBefore);
        result.insert(result.end(), call.begin(), call.end());
        i = close;
    }
    return result;
}

// Groups mixed runs of + - and & | left to right (T-SQL gives them one precedence level).
class BitPrecedence
{
public:
    explicit BitPrecedence(const std::vector<Token> &tokens)
        : m_tokens(tokens)
        , m_opens(tokens.size(), 0)
        , m_closes(tokens.size(), 0)
    {}

    std::vector<Token> run()
    {
        fixLevel(0, m_tokens.size());
        std::vector<Token> result;
        for (size_t i = 0; i < m_tokens.size(); ++i) {
            for (int k = 0; k < m_opens[i]; ++k)
                result.push_back(
                    makeToken(TokenKind::OpenParen, "(", k == 0 && m_tokens[i].spaceBefore));
            Token token = m_tokens[i];
            if (m_opens[i] > 0)
                token.spaceBefore = false;
            result.push_back(token);
            for (int k = 0; k < m_closes[i]; ++k)
                result.push_back(makeToken(TokenKind::CloseParen, ")", false));
        }
        return result;
    }

private:
    struct Term
    {
        size_t first;
        size_t last;
    };

    bool isOperandWord(size_t i) const
    {
        const Token &token = m_tokens[i];
        if (!isReservedWord(token))
            return true;
        const bool call = i + 1 < m_tokens.size() && m_tokens[i + 1].kind == TokenKind::OpenParen;
        return call && (token.is("LEFT") || token.is("RIGHT"));
    }

    void fixLevel(size_t begin, size_t end)
    {
        std::vector<Term> terms;
        bool hasArithmetic = false;
        bool hasBitwise = false;
        bool inTerm = false;
        bool operandEnded = false;
        auto finishRun = [&] {
            if (inTerm)
                terms.back().last = m_lastOperand;
            if (hasArithmetic && hasBitwise && terms.size() > 2)
                group(terms);
            terms.clear();
            hasArithmetic = hasBitwise = inTerm = operandEnded = false;
        };
        for (size_t i = begin; i < end;) {
            const Token &token = m_tokens[i];
            const bool arithmetic = token.isOperator("+") || token.isOperator("-");
            const bool bitwise = token.isOperator("&") || token.isOperator("|");
            if ((arithmetic || bitwise) && operandEnded) {
                terms.back().last = m_lastOperand;
                hasArithmetic |= arithmetic;
                hasBitwise |= bitwise;
                inTerm = operandEnded = false;
                ++i;
                continue;
            }
            if (!isTermToken(i, arithmetic)) {
                finishRun();
                i = descend(i);
                continue;
            }
            if (!inTerm)
                terms.push_back(Term{i, i});
            inTerm = true;
            const size_t next = descend(i);
            m_lastOperand = next - 1;
            operandEnded = endsOperand(i);
            i = next;
        }
        finishRun();
    }

    bool isTermToken(size_t i, bool arithmetic) const
    {
        const Token &token = m_tokens[i];
        switch (token.kind) {
        case TokenKind::Word:
            return token.is("NULL") || token.is("CASE") || isOperandWord(i);
        case TokenKind::Number:
        case TokenKind::String:
        case TokenKind::Variable:
        case TokenKind::OpenParen:
            return true;
        case TokenKind::Operator:
            return arithmetic || token.isOperator("*") || token.isOperator("/") ||
                   token.isOperator("%") || token.isOperator("~") || token.isOperator(".");
        default:
            return false;
        }
    }

    bool endsOperand(size_t i) const { return m_tokens[i].kind != TokenKind::Operator; }

    // Fixes the inside of a group starting at i and returns the index after it.
    size_t descend(size_t i)
    {
        const size_t next = skipGroup(m_tokens, i);
        if (next > i + 1)
            fixLevel(i + 1, next - 1);
        return next;
    }

    void group(const std::vector<Term> &terms)
    {
        m_opens[terms.front().first] += static_cast<int>(terms.size() - 1);
        for (size_t t = 1; t < terms.size(); ++t)
            ++m_closes[terms[t].last];
    }

    const std::vector<Token> &m_tokens;
    std::vector<int> m_opens;
    std::vector<int> m_closes;
    size_t m_lastOperand = 0;
};

} // namespace

Token makeToken(TokenKind kind, std::string text, bool spaceBefore)
{
    Token token;
    token.kind = kind;
    token.text = std::move(text);
    token.spaceBefore = spaceBefore;
    return token;
}

std::vector<Token> rewriteExpressions(std::vector<Token> tokens)
{
    checkSupported(tokens);
    tokens = dropSchemaPrefixes(tokens);
    mapFunctionsAndOperators(tokens);
    tokens = rewriteConverts(tokens);
    return BitPrecedence(tokens).run();
}

std::string renderTokens(const std::vector<Token> &tokens, size_t begin, size_t end)
{
    std::string text;
    for (size_t i = begin; i < end; ++i) {
        const Token &token = tokens[i];
        if (i > begin && (token.spaceBefore || (isWordLike(tokens[i - 1]) && isWordLike(token))))
            text += ' ';
        text += token.text;
    }
    return text;
}

std::string renderTokens(const std::vector<Token> &tokens)
{
    return renderTokens(tokens, 0, tokens.size());
}

} // namespace orvan::db
