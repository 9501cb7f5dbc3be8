#include "db/BatchSplitter.h"

#include "db/SqlKeywords.h"

namespace orvan::db {

namespace {

class Splitter
{
public:
    std::vector<Segment> run(const std::vector<Token> &tokens)
    {
        for (const Token &token : tokens)
            take(token);
        finish();
        return std::move(m_segments);
    }

private:
    void take(const Token &token)
    {
        if (token.kind == TokenKind::Semicolon && atTopLevel()) {
            finish();
            return;
        }
        if (atTopLevel() && startsStatement(token) && !continuesStatement(token))
            finish();
        track(token);
        m_current.push_back(token);
        if (token.is("ELSE") && m_current.size() == 1 && atTopLevel())
            finish(); // ELSE of an IF stands alone
    }

    bool atTopLevel() const { return m_parenDepth == 0 && m_caseDepth == 0; }

    bool continuesStatement(const Token &token) const
    {
        if (m_current.empty() || !token.is("SELECT"))
            return false;
        const Token &previous = m_current.back();
        if (previous.is("UNION") || previous.is("ALL") || previous.is("EXCEPT") ||
            previous.is("INTERSECT"))
            return true;
        return m_current.front().is("INSERT") && !m_insertHasSource;
    }

    void track(const Token &token)
    {
        if (token.kind == TokenKind::OpenParen)
            ++m_parenDepth;
        else if (token.kind == TokenKind::CloseParen && m_parenDepth > 0)
            --m_parenDepth;
        else if (token.is("CASE"))
            ++m_caseDepth;
        else if (token.is("END") && m_caseDepth > 0)
            --m_caseDepth;
        else if (m_parenDepth == 0 && (token.is("VALUES") || token.is("SELECT")) &&
                 !m_current.empty() && m_current.front().is("INSERT"))
            m_insertHasSource = true;
    }

    void finish()
    {
        if (!m_current.empty())
            m_segments.push_back(std::move(m_current));
        m_current.clear();
        m_insertHasSource = false;
    }

    std::vector<Segment> m_segments;
    Segment m_current;
    int m_parenDepth = 0;
    int m_caseDepth = 0;
    bool m_insertHasSource = false;
};

} // namespace

std::vector<Segment> splitStatements(const std::vector<Token> &tokens)
{
    return Splitter().run(tokens);
}

} // namespace orvan::db
