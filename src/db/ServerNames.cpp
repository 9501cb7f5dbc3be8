#include "db/ServerNames.h"

#include "db/ExpressionRewriter.h"
#include "db/SqlKeywords.h"

#include <algorithm>

namespace orvan::db {

namespace {

std::string quoted(std::string_view name)
{
    std::string text;
    text.reserve(name.size() + 2);
    text += '"';
    for (char c : name) {
        text += c;
        if (c == '"')
            text += '"';
    }
    text += '"';
    return text;
}

bool isQuotedName(const Token &token)
{
    return token.isWord() && (token.text.front() == '[' || token.text.front() == '"');
}

bool endsSelectList(const Token &token)
{
    static constexpr std::string_view Ends[] = {"FROM",  "WHERE",  "GROUP",     "ORDER", "HAVING",
                                                "UNION", "EXCEPT", "INTERSECT", "INTO"};
    if (token.kind == TokenKind::CloseParen || token.kind == TokenKind::Semicolon)
        return true;
    return std::any_of(std::begin(Ends), std::end(Ends),
                       [&](std::string_view word) { return token.is(word); });
}

// The select lists of a statement: where each alias stands and which items need one.
class SelectLists
{
public:
    explicit SelectLists(std::span<const Token> tokens)
        : m_tokens(tokens)
    {
        int depth = 0;
        for (size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].kind == TokenKind::OpenParen)
                ++depth;
            else if (tokens[i].kind == TokenKind::CloseParen)
                --depth;
            else if (tokens[i].is("SELECT"))
                readList(i + 1, depth == 0);
        }
    }

    bool isAlias(size_t i) const
    {
        return std::binary_search(m_aliases.begin(), m_aliases.end(), i);
    }
    const std::vector<size_t> &aliases() const { return m_aliases; }
    // The heading an item ending at token i gains, or null.
    const std::string *headingAfter(size_t i) const
    {
        for (const auto &heading : m_headings) {
            if (heading.after == i)
                return &heading.text;
        }
        return nullptr;
    }

private:
    struct Heading
    {
        size_t after;
        std::string text;
    };

    void readList(size_t begin, bool outermost)
    {
        if (begin < m_tokens.size() &&
            (m_tokens[begin].is("DISTINCT") || m_tokens[begin].is("ALL")))
            ++begin;
        size_t start = begin;
        size_t i = begin;
        while (i < m_tokens.size() && !endsSelectList(m_tokens[i])) {
            if (m_tokens[i].isOperator(",")) {
                readItem(start, i, outermost);
                start = i + 1;
            }
            i = skipGroup(m_tokens, i);
        }
        readItem(start, std::min(i, m_tokens.size()), outermost);
        std::sort(m_aliases.begin(), m_aliases.end());
    }

    void readItem(size_t begin, size_t end, bool outermost)
    {
        if (begin >= end)
            return;
        if (const size_t alias = aliasOf(begin, end); alias != 0) {
            m_aliases.push_back(alias);
            return;
        }
        if (outermost && !isColumn(begin, end))
            m_headings.push_back({end - 1, textOf(begin, end)});
    }

    // The index of the item's alias, or 0 when it has none.
    size_t aliasOf(size_t begin, size_t end) const
    {
        if (end - begin < 2)
            return 0;
        const Token &last = m_tokens[end - 1];
        const Token &before = m_tokens[end - 2];
        if (before.is("AS") && (last.isWord() || last.kind == TokenKind::String))
            return end - 1;
        const bool valueBefore = before.kind == TokenKind::CloseParen ||
                                 before.kind == TokenKind::Number ||
                                 before.kind == TokenKind::String ||
                                 (before.isWord() && (!isReservedWord(before) || before.is("END")));
        if (last.isWord() && !isReservedWord(last) && valueBefore)
            return end - 1;
        return 0;
    }

    // name, name.name..., *, name.*
    bool isColumn(size_t begin, size_t end) const
    {
        for (size_t i = begin; i < end; ++i) {
            const Token &token = m_tokens[i];
            const bool namePosition = (i - begin) % 2 == 0;
            if (namePosition && !((token.isWord() && !isReservedWord(token)) ||
                                  (token.isOperator("*") && i + 1 == end)))
                return false;
            if (!namePosition && !token.isOperator("."))
                return false;
        }
        return (end - begin) % 2 == 1;
    }

    // The item as the embedded engine is given it, which heads its column with that text.
    std::string textOf(size_t begin, size_t end) const
    {
        std::vector<Token> rewritten;
        return renderTokens(rewriteExpressions(m_tokens.subspan(begin, end - begin), rewritten));
    }

    std::span<const Token> m_tokens;
    std::vector<size_t> m_aliases;
    std::vector<Heading> m_headings;
};

Token nameToken(std::string_view text, bool spaceBefore)
{
    Token token;
    token.kind = TokenKind::Word;
    token.text = text;
    token.spaceBefore = spaceBefore;
    return token;
}

} // namespace

std::vector<Token> adaptNamesForServer(std::span<const Token> statement, const SchemaNames &names,
                                       TokenTexts &texts)
{
    const SelectLists lists(statement);
    SchemaNames aliases; // by lower-case name, as written
    for (const size_t i : lists.aliases()) {
        const Token &alias = statement[i];
        const std::string name =
            alias.kind == TokenKind::String ? alias.stringValue() : alias.name();
        const std::string lower = toLower(name);
        if (!names.count(lower))
            aliases.emplace(lower, name);
    }
    std::vector<Token> result;
    result.reserve(statement.size() + 8);
    for (size_t i = 0; i < statement.size(); ++i) {
        Token token = statement[i];
        if (token.isWord() || (lists.isAlias(i) && token.kind == TokenKind::String)) {
            const std::string name =
                token.kind == TokenKind::String ? token.stringValue() : token.name();
            const std::string lower = toLower(name);
            if (const auto alias = aliases.find(lower); alias != aliases.end())
                token = nameToken(texts.keep(quoted(alias->second)), token.spaceBefore);
            else if (const auto known = names.find(lower); known != names.end())
                token = nameToken(texts.keep(quoted(known->second)), token.spaceBefore);
            else if (isQuotedName(token) || token.kind == TokenKind::String)
                token = nameToken(texts.keep(quoted(lower)), token.spaceBefore);
        }
        result.push_back(std::move(token));
        if (const std::string *heading = lists.headingAfter(i)) {
            result.push_back(nameToken("AS", true));
            result.push_back(nameToken(texts.keep(quoted(*heading)), true));
        }
    }
    return result;
}

std::string SqlDialect::quoteName(const std::string &name) const
{
    if (!serverNames)
        return quoted(name);
    const std::string lower = toLower(name);
    const auto known = serverNames->find(lower);
    return quoted(known != serverNames->end() ? known->second : lower);
}

} // namespace orvan::db
