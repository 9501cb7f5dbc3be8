#include "db/BatchCompiler.h"

#include "base/Convert.h"

#include "db/BatchSplitter.h"
#include "db/DbError.h"
#include "db/SqlKeywords.h"
#include "db/StatementRewriter.h"
#include "db/Tokenizer.h"

#include <charconv>

namespace orvan::db {

namespace {

base::Variant numberValue(std::string_view text, bool negative)
{
    const std::string signedText = (negative ? "-" : "") + std::string(text);
    if (text.find_first_of(".eE") == std::string_view::npos) {
        long long value = 0;
        const auto [ptr, ec] =
            std::from_chars(signedText.data(), signedText.data() + signedText.size(), value);
        if (ec == std::errc() && ptr == signedText.data() + signedText.size() &&
            value >= INT32_MIN && value <= INT32_MAX)
            return base::Variant(static_cast<int32_t>(value));
    }
    if (const auto number = base::parseDecimal(signedText))
        return base::Variant(*number);
    throw sqlError("The number " + signedText + " is out of range");
}

CallArgument readArgument(Segment tokens, size_t begin, size_t end)
{
    CallArgument argument;
    size_t i = begin;
    if (i + 1 < end && tokens[i].kind == TokenKind::Variable && tokens[i + 1].isOperator("=")) {
        argument.name = tokens[i].text;
        i += 2;
    }
    const bool negative = i < end && tokens[i].isOperator("-");
    if (negative)
        ++i;
    if (i + 1 != end)
        throw sqlError("Incorrect syntax in exec: each argument must be one value; output "
                       "arguments and expressions are not supported");
    const Token &value = tokens[i];
    if (value.kind == TokenKind::Number)
        argument.value = numberValue(value.text, negative);
    else if (value.kind == TokenKind::String && !negative)
        argument.value = base::Variant(value.stringValue());
    else if (value.is("NULL") && !negative)
        argument.value = base::Variant::null();
    else if (value.isWord() && !negative && !isReservedWord(value))
        argument.value = base::Variant(value.name());
    else
        throw sqlError("Incorrect syntax in exec near '" + std::string(value.text) + "'");
    return argument;
}

PlanStep compileCall(Segment tokens)
{
    PlanStep step;
    step.kind = PlanStep::Kind::Call;
    size_t i = 1;
    if (i >= tokens.size() || !tokens[i].isWord())
        throw sqlError("Incorrect syntax: a procedure name is expected after EXEC");
    step.procedure = tokens[i++].name();
    while (i + 1 < tokens.size() && tokens[i].isOperator(".") && tokens[i + 1].isWord()) {
        step.procedure = tokens[i + 1].name();
        i += 2;
    }
    size_t start = i;
    for (; i <= tokens.size(); ++i) {
        if (i < tokens.size() && !tokens[i].isOperator(","))
            continue;
        if (i > start || start < tokens.size())
            step.arguments.push_back(readArgument(tokens, start, i));
        start = i + 1;
    }
    return step;
}

// How deep a batch may nest IF statements; deeper batches are refused before they are
// compiled. The splitter limits parentheses and CASE expressions.
constexpr int MaxConditionDepth = 64;

class Compiler
{
public:
    Compiler(std::vector<Segment> segments, const SqlDialect &dialect)
        : m_segments(std::move(segments))
        , m_dialect(dialect)
    {}

    BatchPlan run()
    {
        BatchPlan plan;
        plan.steps.reserve(m_segments.size()); // at most one step per statement
        while (m_next < m_segments.size())
            plan.steps.push_back(step());
        return plan;
    }

private:
    PlanStep step()
    {
        if (m_next >= m_segments.size())
            throw sqlError("Incorrect syntax: a statement is expected at the end of the batch");
        const Segment segment = m_segments[m_next++];
        const Token &first = segment.front();
        if (first.is("IF"))
            return condition(segment);
        if (first.is("EXEC") || first.is("EXECUTE"))
            return compileCall(segment);
        if (first.is("ELSE"))
            throw sqlError("Incorrect syntax near 'ELSE': ELSE without IF");
        if (isRefusedStatement(first))
            throw sqlError("'" + toUpper(first.text) +
                           "' is not supported by the embedded database");
        if (!(first.is("SELECT") || first.is("INSERT") || first.is("UPDATE") || first.is("DELETE")))
            throw sqlError("Incorrect syntax near '" + std::string(first.text) + "'");
        PlanStep statement;
        statement.sql = rewriteStatement(segment, m_dialect);
        return statement;
    }

    PlanStep condition(Segment segment)
    {
        if (++m_conditionDepth > MaxConditionDepth)
            throw sqlError("The batch nests IF statements more than " +
                           std::to_string(MaxConditionDepth) + " levels deep");
        PlanStep step;
        step.kind = PlanStep::Kind::Condition;
        step.sql = rewriteCondition(segment.subspan(1), m_dialect);
        step.thenSteps.push_back(this->step());
        if (m_next < m_segments.size() && m_segments[m_next].front().is("ELSE")) {
            ++m_next;
            step.elseSteps.push_back(this->step());
        }
        --m_conditionDepth;
        return step;
    }

    std::vector<Segment> m_segments;
    const SqlDialect &m_dialect;
    size_t m_next = 0;
    int m_conditionDepth = 0;
};

// The token vector of one compile. The thread keeps the room of the last one for the next:
// a fresh vector is one large allocation per compile, which costs malloc more than the
// scanning itself. A very large room is not kept.
class TokenBuffer
{
public:
    TokenBuffer()
        : tokens(std::move(spare()))
    {}
    ~TokenBuffer()
    {
        constexpr size_t MaxKeptTokens = 4096;
        if (tokens.capacity() > MaxKeptTokens)
            return;
        tokens.clear();
        spare() = std::move(tokens);
    }
    TokenBuffer(const TokenBuffer &) = delete;
    TokenBuffer &operator=(const TokenBuffer &) = delete;

    std::vector<Token> tokens;

private:
    static std::vector<Token> &spare()
    {
        thread_local std::vector<Token> kept;
        return kept;
    }
};

} // namespace

BatchPlan compileBatch(std::string_view batch, const SqlDialect &dialect)
{
    TokenBuffer buffer;
    const std::vector<Token> &tokens = buffer.tokens;
    tokenize(batch, buffer.tokens);
    std::vector<Segment> segments = splitStatements(tokens);
    return Compiler(std::move(segments), dialect).run();
}

} // namespace orvan::db
