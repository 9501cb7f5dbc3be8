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

// Raises the refusal for the token at i, if it is one the engine does not run.
void checkSupported(std::span<const Token> tokens, size_t i)
{
    const Token &token = tokens[i];
    if (token.kind == TokenKind::Variable)
        refuse("The variable " + std::string(token.text));
    if (token.kind == TokenKind::Word && token.text.front() == '#')
        refuse("The temporary table " + std::string(token.text));
    if (token.is("TOP"))
        refuse("TOP");
    if (token.isOperator("^"))
        refuse("The ^ operator");
    if (token.is("INTO") && i > 0 && !tokens[0].is("INSERT"))
        refuse("SELECT ... INTO");
}

bool isSchemaPrefix(std::span<const Token> tokens, size_t i)
{
    return tokens[i].is("dbo") && i + 2 < tokens.size() && tokens[i + 1].isOperator(".") &&
           tokens[i + 2].isWord();
}

std::vector<Token> withoutSchemaPrefixes(std::span<const Token> tokens)
{
    std::vector<Token> result;
    result.reserve(tokens.size());
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (isSchemaPrefix(tokens, i)) {
            result.push_back(tokens[i + 2]);
            result.back().spaceBefore = tokens[i].spaceBefore;
            i += 2;
            continue;
        }
        result.push_back(tokens[i]);
    }
    return result;
}

void mapFunctionsAndOperators(std::vector<Token> &tokens, const SqlDialect &dialect)
{
    for (size_t i = 0; i < tokens.size(); ++i) {
        Token &token = tokens[i];
        if (token.isOperator("!<"))
            token.setText(">=");
        else if (token.isOperator("!>"))
            token.setText("<=");
        else if (token.is("ISNULL") && i + 1 < tokens.size() &&
                 tokens[i + 1].kind == TokenKind::OpenParen)
            token.setText(dialect.forServer() ? "COALESCE" : "IFNULL");
    }
}

bool isConvertCall(std::span<const Token> tokens, size_t i)
{
    return tokens[i].is("CONVERT") && i + 1 < tokens.size() &&
           tokens[i + 1].kind == TokenKind::OpenParen;
}

// What rewriteExpressions has to do to a statement besides checking it.
struct NeededRewrites
{
    bool changesTokens = false; // a schema prefix, !< or !>, ISNULL( or CONVERT(
    bool dropsSchemaPrefixes = false;
    bool convertsTypes = false; // CONVERT(; dropping prefixes neither makes nor breaks one
    bool groupsBitRuns = false; // & or |
};

// Nesting depth of one kind of group, counted as matchingParen and matchingEnd count it: a
// closing token with nothing open closes nothing.
struct GroupDepth
{
    size_t depth = 0;
    size_t outermost = 0; // the opening token of the outermost group still open

    void open(size_t i)
    {
        if (depth++ == 0)
            outermost = i;
    }
    void close() { depth -= depth > 0 ? 1 : 0; }
};

// The groups a walk over a token list leaves open, and the error skipGroup raises for the
// first of them. Rewriting converts, prefixes, names and operators adds and drops only
// whole groups around and beside the others, so the groups the statement's own tokens leave
// open are those its rewritten tokens leave open, in the same order.
class OpenGroups
{
public:
    void take(const Token &token, size_t i)
    {
        if (token.kind == TokenKind::OpenParen)
            m_parens.open(i);
        else if (token.kind == TokenKind::CloseParen)
            m_parens.close();
        else if (token.is("CASE"))
            m_cases.open(i);
        else if (token.is("END"))
            m_cases.close();
    }

    // tokens: those the walk took.
    void raiseIfAnyOpen(std::span<const Token> tokens) const
    {
        if (m_parens.depth > 0 && (m_cases.depth == 0 || m_parens.outermost < m_cases.outermost))
            skipGroup(tokens, m_parens.outermost);
        if (m_cases.depth > 0)
            skipGroup(tokens, m_cases.outermost);
    }

private:
    GroupDepth m_parens;
    GroupDepth m_cases;
};

// Checks every token as checkSupported does, in order, notes what needs rewriting and
// follows the groups.
NeededRewrites checkedNeededRewrites(std::span<const Token> tokens, OpenGroups &groups)
{
    NeededRewrites needed;
    for (size_t i = 0; i < tokens.size(); ++i) {
        checkSupported(tokens, i);
        const Token &token = tokens[i];
        groups.take(token, i);
        if (token.kind == TokenKind::Operator) {
            needed.changesTokens |= token.text == "!<" || token.text == "!>";
            needed.groupsBitRuns |= token.text == "&" || token.text == "|";
        } else if (token.kind == TokenKind::Word) {
            const bool call = i + 1 < tokens.size() && tokens[i + 1].kind == TokenKind::OpenParen;
            const bool prefix = isSchemaPrefix(tokens, i);
            const bool convert = call && token.is("CONVERT");
            needed.dropsSchemaPrefixes |= prefix;
            needed.convertsTypes |= convert;
            needed.changesTokens |= prefix || convert || (call && token.is("ISNULL"));
        }
    }
    return needed;
}

// The convert target type: name and optional length.
struct ConvertType
{
    std::string name;
    std::string_view length; // the number token's text
};

ConvertType readConvertType(std::span<const Token> tokens, size_t begin, size_t end)
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

enum class ConvertTarget { Integer, Real, Text, Unsupported };

ConvertTarget convertTarget(const std::string &typeName)
{
    static constexpr std::string_view IntegerTypes[] = {"INT", "INTEGER", "SMALLINT", "TINYINT",
                                                        "BIGINT"};
    static constexpr std::string_view RealTypes[] = {"FLOAT",   "REAL",  "DECIMAL",
                                                     "NUMERIC", "MONEY", "SMALLMONEY"};
    static constexpr std::string_view TextTypes[] = {"VARCHAR", "NVARCHAR", "CHAR", "NCHAR"};
    auto contains = [&](const auto &names) {
        return std::find(std::begin(names), std::end(names), typeName) != std::end(names);
    };
    if (contains(IntegerTypes))
        return ConvertTarget::Integer;
    if (contains(RealTypes))
        return ConvertTarget::Real;
    if (contains(TextTypes))
        return ConvertTarget::Text;
    return ConvertTarget::Unsupported;
}

void addToken(std::vector<Token> &out, TokenKind kind, std::string_view text,
              bool spaceBefore = false)
{
    out.push_back(makeToken(kind, text, spaceBefore));
}

// The tokens of the call that replaces convert(type, expression) before the expression.
void openConvertCall(ConvertTarget target, std::vector<Token> &out)
{
    if (target == ConvertTarget::Integer || target == ConvertTarget::Real) {
        addToken(out, TokenKind::Word,
                 target == ConvertTarget::Integer ? "to_int_strict" : "to_real_strict");
        addToken(out, TokenKind::OpenParen, "(");
    } else if (target == ConvertTarget::Text) {
        addToken(out, TokenKind::Word, "SUBSTR");
        addToken(out, TokenKind::OpenParen, "(");
        addToken(out, TokenKind::Word, "CAST");
        addToken(out, TokenKind::OpenParen, "(");
    }
}

// The tokens of the call that replaces convert(type, expression) after the expression.
void closeConvertCall(ConvertTarget target, const ConvertType &type, std::vector<Token> &out)
{
    if (target == ConvertTarget::Text) {
        addToken(out, TokenKind::Word, "AS", true);
        addToken(out, TokenKind::Word, "TEXT", true);
        addToken(out, TokenKind::CloseParen, ")");
        addToken(out, TokenKind::Operator, ",");
        addToken(out, TokenKind::Number, "1");
        addToken(out, TokenKind::Operator, ",");
        addToken(out, TokenKind::Number, type.length.empty() ? "30" : type.length);
    }
    addToken(out, TokenKind::CloseParen, ")");
}

// The index of the one comma between the arguments of the convert call at i.
size_t convertComma(std::span<const Token> tokens, size_t i, size_t close)
{
    size_t comma = 0;
    size_t commas = 0;
    for (size_t j = i + 2; j < close; j = skipGroup(tokens, j)) {
        if (tokens[j].isOperator(",") && commas++ == 0)
            comma = j;
    }
    if (commas == 0)
        throw sqlError("Incorrect syntax in convert: two arguments are expected");
    if (commas > 1)
        refuse("convert with a style argument");
    return comma;
}

// Appends tokens to out with every convert(type, expression) replaced by its call; an
// inner convert sees only the tokens of its expression.
void appendConvertsRewritten(std::span<const Token> tokens, std::vector<Token> &out)
{
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!isConvertCall(tokens, i)) {
            out.push_back(tokens[i]);
            continue;
        }
        const size_t close = matchingParen(tokens, i + 1);
        const size_t comma = convertComma(tokens, i, close);
        const ConvertType type = readConvertType(tokens, i + 2, comma);
        const ConvertTarget target = convertTarget(type.name);
        const size_t first = out.size();
        openConvertCall(target, out);
        appendConvertsRewritten(tokens.subspan(comma + 1, close - comma - 1), out);
        if (target == ConvertTarget::Unsupported)
            refuse("convert to " + type.name);
        closeConvertCall(target, type, out);
        out[first].spaceBefore = tokens[i].spaceBefore;
        i = close;
    }
}

std::vector<Token> rewriteConverts(std::span<const Token> tokens)
{
    std::vector<Token> result;
    result.reserve(tokens.size() + 16);
    appendConvertsRewritten(tokens, result);
    return result;
}

// Where every parenthesised group and CASE...END of a token list closes, found in one pass,
// so that stepping over a group costs nothing.
class GroupEnds
{
public:
    explicit GroupEnds(std::span<const Token> tokens)
        : m_tokens(tokens)
        , m_close(tokens.size(), Open)
    {
        std::vector<size_t> parens;
        std::vector<size_t> cases;
        for (size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].kind == TokenKind::OpenParen)
                parens.push_back(i);
            else if (tokens[i].kind == TokenKind::CloseParen)
                closeInnermost(parens, i);
            else if (tokens[i].is("CASE"))
                cases.push_back(i);
            else if (tokens[i].is("END"))
                closeInnermost(cases, i);
        }
    }

    // As skipGroup: the index after the group starting at i, or i + 1.
    size_t skip(size_t i) const
    {
        if (m_close[i] != Open)
            return m_close[i] + 1;
        if (opensGroup(i))
            return skipGroup(m_tokens, i); // not closed: raises its error
        return i + 1;
    }

private:
    static constexpr size_t Open = static_cast<size_t>(-1);

    bool opensGroup(size_t i) const
    {
        return m_tokens[i].kind == TokenKind::OpenParen || m_tokens[i].is("CASE");
    }

    void closeInnermost(std::vector<size_t> &opened, size_t close)
    {
        if (opened.empty())
            return;
        m_close[opened.back()] = close;
        opened.pop_back();
    }

    std::span<const Token> m_tokens;
    std::vector<size_t> m_close; // per opening token: the index of its closing token
};

// Groups mixed runs of + - and & | left to right (T-SQL gives them one precedence level).
class BitPrecedence
{
public:
    explicit BitPrecedence(std::span<const Token> tokens)
        : m_tokens(tokens)
        , m_groups(tokens)
    {}

    // Fills grouped with the tokens and the parentheses that group them, and returns
    // true; returns false, leaving grouped alone, when no run needs them.
    bool run(std::vector<Token> &grouped)
    {
        fixLevel(0, m_tokens.size());
        if (m_grouped == 0)
            return false;
        std::vector<Token> result;
        result.reserve(m_tokens.size() + 2 * m_grouped);
        for (size_t i = 0; i < m_tokens.size(); ++i) {
            for (int k = 0; k < m_opens[i]; ++k)
                result.push_back(
                    makeToken(TokenKind::OpenParen, "(", k == 0 && m_tokens[i].spaceBefore));
            result.push_back(m_tokens[i]);
            if (m_opens[i] > 0)
                result.back().spaceBefore = false;
            for (int k = 0; k < m_closes[i]; ++k)
                result.push_back(makeToken(TokenKind::CloseParen, ")", false));
        }
        grouped = std::move(result);
        return true;
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

    // One pass over the level [begin, end); each group inside is fixed once, by descend.
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
        const size_t next = m_groups.skip(i);
        if (next > i + 1)
            fixLevel(i + 1, next - 1);
        return next;
    }

    void group(const std::vector<Term> &terms)
    {
        if (m_opens.empty()) { // the first run grouped: most statements have none
            m_opens.assign(m_tokens.size(), 0);
            m_closes.assign(m_tokens.size(), 0);
        }
        m_opens[terms.front().first] += static_cast<int>(terms.size() - 1);
        for (size_t t = 1; t < terms.size(); ++t)
            ++m_closes[terms[t].last];
        m_grouped += terms.size() - 1;
    }

    std::span<const Token> m_tokens;
    GroupEnds m_groups;
    std::vector<int> m_opens;
    std::vector<int> m_closes;
    size_t m_lastOperand = 0;
    size_t m_grouped = 0; // parentheses pairs added
};

} // namespace

Token makeToken(TokenKind kind, std::string_view text, bool spaceBefore)
{
    Token token;
    token.kind = kind;
    token.text = text;
    token.spaceBefore = spaceBefore;
    return token;
}

std::span<const Token> rewriteExpressions(std::span<const Token> tokens,
                                          std::vector<Token> &rewritten, const SqlDialect &dialect)
{
    OpenGroups groups;
    const NeededRewrites needed = checkedNeededRewrites(tokens, groups);
    std::span<const Token> result = tokens;
    if (needed.changesTokens) {
        // One copy where it can: the converts' rewrite copies, and so does dropping the
        // prefixes. Mapping function names and operators touches no convert, so it may
        // come last.
        std::span<const Token> source = tokens;
        if (needed.dropsSchemaPrefixes) {
            rewritten = withoutSchemaPrefixes(tokens);
            source = rewritten;
        }
        if (needed.convertsTypes)
            rewritten = rewriteConverts(source);
        else if (!needed.dropsSchemaPrefixes)
            rewritten.assign(source.begin(), source.end());
        mapFunctionsAndOperators(rewritten, dialect);
        result = rewritten;
    }
    // Without & or | no run needs grouping; the groups are still checked as fixLevel would.
    if (!needed.groupsBitRuns) {
        groups.raiseIfAnyOpen(tokens);
        return result;
    }
    std::vector<Token> grouped;
    if (!BitPrecedence(result).run(grouped))
        return result;
    rewritten = std::move(grouped);
    return rewritten;
}

std::string renderTokens(std::span<const Token> tokens, size_t begin, size_t end)
{
    std::string text;
    text.reserve(8 * (end - begin));
    for (size_t i = begin; i < end; ++i) {
        const Token &token = tokens[i];
        if (i > begin && (token.spaceBefore || (isWordLike(tokens[i - 1]) && isWordLike(token))))
            text += ' ';
        text += token.text;
    }
    return text;
}

std::string renderTokens(std::span<const Token> tokens)
{
    return renderTokens(tokens, 0, tokens.size());
}

} // namespace orvan::db
