#include "db/StatementRewriter.h"

#include "db/DbError.h"
#include "db/ExpressionRewriter.h"
#include "db/FromClause.h"
#include "db/ServerNames.h"
#include "db/SqlKeywords.h"

#include <algorithm>

namespace orvan::db {

namespace {

// Index of the first top-level word keyword in [begin, end), or end.
size_t findTopLevel(std::span<const Token> tokens, size_t begin, size_t end,
                    std::string_view keyword)
{
    for (size_t i = begin; i < end; i = skipGroup(tokens, i)) {
        if (tokens[i].is(keyword))
            return i;
    }
    return end;
}

// Reads a possibly dotted name at i; returns the last part and moves i past it.
std::string readName(std::span<const Token> tokens, size_t &i, size_t end)
{
    if (i >= end || !tokens[i].isWord())
        throw sqlError("Incorrect syntax: a table name is expected");
    std::string name = tokens[i++].name();
    while (i + 1 < end && tokens[i].isOperator(".") && tokens[i + 1].isWord()) {
        name = tokens[i + 1].name();
        i += 2;
    }
    return name;
}

struct Assignment
{
    std::string column;
    std::string value;
};

std::vector<Assignment> readAssignments(std::span<const Token> tokens, size_t begin, size_t end,
                                        const std::vector<std::string> &prefixes)
{
    if (begin >= end)
        throw sqlError("Incorrect syntax: SET without assignments");
    std::vector<Assignment> assignments;
    size_t start = begin;
    for (size_t i = begin; i <= end; i = i < end ? skipGroup(tokens, i) : end + 1) {
        if (i < end && !tokens[i].isOperator(","))
            continue;
        size_t pos = start;
        if (pos >= i || !tokens[pos].isWord())
            throw sqlError("Incorrect syntax in SET near '" +
                           std::string(pos < end ? tokens[pos].text : ",") + "'");
        std::string column = tokens[pos].name();
        if (pos + 2 < i && tokens[pos + 1].isOperator(".")) {
            bool known = false;
            for (const std::string &prefix : prefixes)
                known = known || equalsIgnoreCase(prefix, column);
            if (!known)
                throw sqlError("The column prefix '" + column +
                               "' of SET does not name the "
                               "updated table");
            column = tokens[pos + 2].name();
            pos += 2;
        }
        if (pos + 2 > i || !tokens[pos + 1].isOperator("="))
            throw sqlError("Incorrect syntax in SET near '" + std::string(tokens[pos].text) + "'");
        assignments.push_back({column, renderTokens(tokens, pos + 2, i)});
        start = i + 1;
    }
    return assignments;
}

std::string rewriteUpdate(std::span<const Token> tokens, const SqlDialect &dialect)
{
    auto quoteName = [&](const std::string &name) { return dialect.quoteName(name); };
    const std::string rowId = dialect.rowIdColumn();
    const size_t end = tokens.size();
    size_t pos = 1;
    const std::string target = readName(tokens, pos, end);
    if (pos >= end || !tokens[pos].is("SET"))
        throw sqlError("Incorrect syntax: SET is expected after UPDATE " + target);
    const size_t from = findTopLevel(tokens, pos + 1, end, "FROM");
    const size_t where = findTopLevel(tokens, from == end ? pos + 1 : from + 1, end, "WHERE");
    const size_t setEnd = std::min(from, where);
    if (from == end) {
        std::string text = "UPDATE " + quoteName(target) + " SET ";
        const auto assignments = readAssignments(tokens, pos + 1, setEnd, {target});
        for (size_t a = 0; a < assignments.size(); ++a) {
            if (a > 0)
                text += ", ";
            text += quoteName(assignments[a].column);
            text += " = ";
            text += assignments[a].value;
        }
        if (where < end) {
            text += ' ';
            text += renderTokens(tokens, where, end);
        }
        return text;
    }
    const ResolvedTarget resolved = resolveTarget(readFromClause(tokens, from + 1, where), target);
    const auto assignments = readAssignments(tokens, pos + 1, setEnd, {target, resolved.reference});
    std::string set;
    std::string values;
    for (size_t a = 0; a < assignments.size(); ++a) {
        const std::string valueName = "orvan_v" + std::to_string(a);
        set += (a ? ", " : "") + quoteName(assignments[a].column) + " = orvan_src." + valueName;
        values += ", (" + assignments[a].value + ") AS " + valueName;
    }
    return "UPDATE " + quoteName(resolved.table) + " SET " + set + " FROM (SELECT " +
           quoteName(resolved.reference) + "." + rowId + " AS orvan_rowid" + values + " " +
           renderTokens(tokens, from, end) + ") AS orvan_src WHERE " + quoteName(resolved.table) +
           "." + rowId + " = orvan_src.orvan_rowid";
}

std::string rewriteDelete(std::span<const Token> tokens, const SqlDialect &dialect)
{
    auto quoteName = [&](const std::string &name) { return dialect.quoteName(name); };
    const std::string rowId = dialect.rowIdColumn();
    const size_t end = tokens.size();
    size_t pos = 1;
    if (pos < end && tokens[pos].is("FROM"))
        ++pos;
    const std::string target = readName(tokens, pos, end);
    if (pos < end && tokens[pos].is("FROM")) {
        const size_t from = pos;
        const size_t where = findTopLevel(tokens, from + 1, end, "WHERE");
        const ResolvedTarget resolved =
            resolveTarget(readFromClause(tokens, from + 1, where), target);
        return "DELETE FROM " + quoteName(resolved.table) + " WHERE " + rowId + " IN (SELECT " +
               quoteName(resolved.reference) + "." + rowId + " " + renderTokens(tokens, from, end) +
               ")";
    }
    if (pos < end && !tokens[pos].is("WHERE"))
        throw sqlError("Incorrect syntax near '" + std::string(tokens[pos].text) + "' in DELETE");
    return "DELETE FROM " + quoteName(target) +
           (pos < end ? " " + renderTokens(tokens, pos, end) : "");
}

std::string rewriteInsert(std::span<const Token> tokens)
{
    if (tokens.size() > 1 && tokens[1].is("INTO"))
        return renderTokens(tokens);
    return "INSERT INTO " + renderTokens(tokens, 1, tokens.size());
}

} // namespace

std::string rewriteStatement(std::span<const Token> statement, const SqlDialect &dialect)
{
    std::vector<Token> named;
    TokenTexts namedTexts;
    if (dialect.forServer()) {
        named = adaptNamesForServer(statement, *dialect.serverNames, namedTexts);
        statement = named;
    }
    std::vector<Token> rewritten;
    const std::span<const Token> tokens = rewriteExpressions(statement, rewritten, dialect);
    const Token &first = tokens.front();
    if (first.is("SELECT"))
        return renderTokens(tokens);
    if (first.is("INSERT"))
        return rewriteInsert(tokens);
    if (first.is("UPDATE"))
        return rewriteUpdate(tokens, dialect);
    if (first.is("DELETE"))
        return rewriteDelete(tokens, dialect);
    throw sqlError("Incorrect syntax near '" + std::string(first.text) + "'");
}

std::string rewriteCondition(std::span<const Token> condition, const SqlDialect &dialect)
{
    if (condition.empty())
        throw sqlError("Incorrect syntax: IF without a condition");
    std::vector<Token> named;
    TokenTexts namedTexts;
    if (dialect.forServer()) {
        named = adaptNamesForServer(condition, *dialect.serverNames, namedTexts);
        condition = named;
    }
    std::vector<Token> rewritten;
    return "SELECT CASE WHEN " + renderTokens(rewriteExpressions(condition, rewritten, dialect)) +
           " THEN 1 ELSE 0 END";
}

} // namespace orvan::db
