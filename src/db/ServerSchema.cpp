#include "db/ServerSchema.h"

#include "db/DbError.h"
#include "db/ExpressionRewriter.h"
#include "db/Tokenizer.h"

#include <algorithm>
#include <span>
#include <vector>

namespace orvan::db {

namespace {

constexpr std::string_view AfterTablesMark = "--@after-tables";

std::string quoted(const std::string &name)
{
    return SqlDialect{}.quoteName(name);
}

using Statement = std::span<const Token>;

// The statements of a script, split at semicolons; a trigger runs to its END.
std::vector<Statement> splitScript(const std::vector<Token> &tokens)
{
    std::vector<Statement> statements;
    size_t start = 0;
    bool inTrigger = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (i == start + 1 && tokens[start].is("CREATE") && tokens[i].is("TRIGGER"))
            inTrigger = true;
        if (tokens[i].kind != TokenKind::Semicolon || (inTrigger && !tokens[i - 1].is("END")))
            continue;
        if (i > start)
            statements.push_back(Statement(tokens).subspan(start, i - start));
        start = i + 1;
        inTrigger = false;
    }
    if (start < tokens.size())
        statements.push_back(Statement(tokens).subspan(start));
    return statements;
}

bool isTable(Statement statement)
{
    return statement.size() > 3 && statement[0].is("CREATE") && statement[1].is("TABLE");
}

bool isTrigger(Statement statement)
{
    return statement.size() > 2 && statement[0].is("CREATE") && statement[1].is("TRIGGER");
}

bool startsConstraint(const Token &token)
{
    return token.is("PRIMARY") || token.is("UNIQUE") || token.is("CHECK") || token.is("FOREIGN") ||
           token.is("CONSTRAINT");
}

// A table of the schema: its name and columns, and its INTEGER PRIMARY KEY if any.
struct TableShape
{
    std::string name;
    std::vector<std::string> columns;
    std::string rowKey;
};

TableShape readTable(Statement statement)
{
    TableShape table;
    size_t i = 2;
    if (statement[i].is("IF"))
        i += 3; // IF NOT EXISTS
    table.name = statement[i].name();
    bool startsItem = true;
    int depth = 0;
    for (++i; i < statement.size(); ++i) {
        const Token &token = statement[i];
        if (token.kind == TokenKind::OpenParen) {
            startsItem = ++depth == 1;
            continue;
        }
        if (token.kind == TokenKind::CloseParen) {
            --depth;
            continue;
        }
        if (depth == 1 && token.isOperator(",")) {
            startsItem = true;
            continue;
        }
        if (depth == 1 && startsItem && token.isWord() && !startsConstraint(token)) {
            table.columns.push_back(token.name());
            const bool rowKey = i + 3 < statement.size() && statement[i + 1].is("INTEGER") &&
                                statement[i + 2].is("PRIMARY") && statement[i + 3].is("KEY");
            if (rowKey)
                table.rowKey = token.name();
        }
        startsItem = false;
    }
    return table;
}

// The server's type for a type word of the schema at i, and how many tokens it takes.
std::pair<std::string_view, size_t> serverType(Statement statement, size_t i)
{
    const Token &token = statement[i];
    const bool nocase =
        i + 2 < statement.size() && statement[i + 1].is("COLLATE") && statement[i + 2].is("NOCASE");
    if (token.is("TEXT"))
        return nocase ? std::pair<std::string_view, size_t>{"citext", 3}
                      : std::pair<std::string_view, size_t>{"text", 1};
    if (token.is("REAL") || token.is("DECIMAL"))
        return {"numeric", 1};
    if (token.is("BIT"))
        return {"orvan_bit", 1};
    if (token.is("DATETIME"))
        return {"orvan_datetime", 1};
    if (token.is("INTEGER"))
        return {"integer", 1};
    return {{}, 0};
}

// The statement with names quoted as the schema writes them and types in the server's
// words.
std::string render(Statement statement, const SchemaNames &names, bool withTypes)
{
    std::vector<Token> tokens;
    TokenTexts quotedNames;
    tokens.reserve(statement.size());
    for (size_t i = 0; i < statement.size(); ++i) {
        Token token = statement[i];
        if (token.isWord()) {
            const auto [type, length] =
                withTypes ? serverType(statement, i) : std::pair<std::string_view, size_t>{{}, 0};
            if (const auto known = names.find(toLower(token.name())); known != names.end()) {
                token.setText(quotedNames.keep(quoted(known->second)));
            } else if (length > 0) {
                token.setText(type);
                i += length - 1;
            }
        }
        tokens.push_back(std::move(token));
    }
    return renderTokens(tokens) + ";\n";
}

// Every change of the table's rows is announced to the connections listening.
std::string announceTrigger(const TableShape &table)
{
    return "CREATE TRIGGER " + quoted("orvan_changed_" + table.name) +
           " AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON " + quoted(table.name) +
           " FOR EACH STATEMENT EXECUTE FUNCTION orvan_announce_change();\n";
}

std::string keyTrigger(const TableShape &table)
{
    return "CREATE TRIGGER " + quoted("orvan_key_" + table.name) + " BEFORE INSERT ON " +
           quoted(table.name) + " FOR EACH ROW EXECUTE FUNCTION orvan_next_key('" + table.rowKey +
           "');\n";
}

} // namespace

ServerSchema translateSchema(std::string_view schema, std::string_view preamble)
{
    const std::vector<Token> tokens = tokenize(schema);
    const std::vector<Statement> statements = splitScript(tokens);
    ServerSchema result;
    std::vector<TableShape> tables;
    for (const Statement statement : statements) {
        if (!isTable(statement))
            continue;
        tables.push_back(readTable(statement));
        result.names.emplace(toLower(tables.back().name), tables.back().name);
        for (const std::string &column : tables.back().columns)
            result.names.emplace(toLower(column), column);
    }
    const size_t mark = preamble.find(AfterTablesMark);
    result.script = std::string(preamble.substr(0, mark)) + "\n";
    size_t table = 0;
    for (const Statement statement : statements) {
        if (isTrigger(statement))
            continue;
        result.script += render(statement, result.names, true);
        if (!isTable(statement))
            continue;
        const TableShape &shape = tables[table++];
        if (!shape.rowKey.empty())
            result.script += keyTrigger(shape);
        result.script += announceTrigger(shape);
    }
    if (mark != std::string_view::npos)
        result.script += std::string(preamble.substr(mark));
    return result;
}

std::string translateData(std::string_view script, const SchemaNames &names)
{
    const std::vector<Token> tokens = tokenize(script);
    std::string result;
    for (const Statement statement : splitScript(tokens))
        result += render(statement, names, false);
    return result;
}

} // namespace orvan::db
