#include "db/BatchSplitter.h"

#include "db/DbError.h"
#include "db/SqlKeywords.h"

#include <string>

namespace orvan::db {

namespace {

// Walks the tokens once; the statement being read is the range [m_start, m_end).
class Splitter
{
public:
    explicit Splitter(const std::vector<Token> &tokens)
        : m_tokens(tokens)
    {}

    std::vector<Segment> run()
    {
        for (; m_end < m_tokens.size(); ++m_end)
            take(m_tokens[m_end]);
        finish(m_end);
        return std::move(m_segments);
    }

private:
    void take(const Token &token)
    {
        if (token.kind == TokenKind::Semicolon && atTopLevel()) {
            finish(m_end);
            m_start = m_end + 1; // the semicolon belongs to no statement
            return;
        }
        if (atTopLevel() && startsStatement(token) && !continuesStatement(token))
            finish(m_end);
        track(token);
        if (token.is("ELSE") && m_start == m_end && atTopLevel())
            finish(m_end + 1); // ELSE of an IF stands alone
    }

    bool atTopLevel() const { return m_nesting == 0; }
    bool inStatement() const { return m_start < m_end; }

    bool continuesStatement(const Token &token) const
    {
        if (!inStatement() || !token.is("SELECT"))
            return false;
        const Token &previous = m_tokens[m_end - 1];
        if (previous.is("UNION") || previous.is("ALL") || previous.is("EXCEPT") ||
            previous.is("INTERSECT"))
            return true;
        return m_tokens[m_start].is("INSERT") && !m_insertHasSource;
    }

    void track(const Token &token)
    {
        if (token.kind == TokenKind::OpenParen) {
            open(m_parenDepth);
        } else if (token.kind == TokenKind::CloseParen) {
            close(m_parenDepth);
        } else if (token.is("CASE")) {
            open(m_caseDepth);
        } else if (token.is("END")) {
            close(m_caseDepth);
        } else if (m_parenDepth == 0 && (token.is("VALUES") || token.is("SELECT")) &&
                   inStatement() && m_tokens[m_start].is("INSERT"))
            m_insertHasSource = true;
    }

    void open(int &depth)
    {
        ++depth;
        ++m_nesting;
        if (++m_expressionDepth > MaxExpressionDepth)
            throw sqlError("The batch nests parentheses and CASE expressions more than " +
                           std::to_string(MaxExpressionDepth) + " levels deep");
    }
    // A closing token with nothing open closes nothing, but counts against the depth limit,
    // which is a plain count of opening tokens less closing ones.
    void close(int &depth)
    {
        --m_expressionDepth;
        if (depth == 0)
            return;
        --depth;
        --m_nesting;
    }

    // Ends the statement being read just before end; the next one starts there.
    void finish(size_t end)
    {
        if (m_start < end)
            m_segments.emplace_back(m_tokens.data() + m_start, end - m_start);
        m_start = end;
        m_insertHasSource = false;
    }

    const std::vector<Token> &m_tokens;
    std::vector<Segment> m_segments;
    size_t m_start = 0;
    size_t m_end = 0;
    int m_parenDepth = 0;
    int m_caseDepth = 0;
    // m_parenDepth + m_caseDepth, asked of every token and so kept on its own: testing both
    // depths at once made the compiler read them as one 8-byte word just after writing one
    // of them, which stalls the processor on every token.
    int m_nesting = 0;
    int m_expressionDepth = 0; // opening tokens less closing ones, for MaxExpressionDepth
    bool m_insertHasSource = false;
};

} // namespace

std::vector<Segment> splitStatements(const std::vector<Token> &tokens)
{
    return Splitter(tokens).run();
}

} // namespace orvan::db
