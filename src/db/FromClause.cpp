#include "db/FromClause.h"

#include "db/DbError.h"
#include "db/SqlKeywords.h"

namespace orvan::db {

namespace {

bool startsItem(std::span<const Token> tokens, size_t i, size_t begin)
{
    if (i == begin)
        return true;
    const Token &previous = tokens[i - 1];
    return previous.is("JOIN") || previous.isOperator(",");
}

// Reads "name[.name] [AS] [alias]" or "(...) [AS] alias" starting at i.
TableReference readItem(std::span<const Token> tokens, size_t i, size_t end)
{
    TableReference reference;
    if (tokens[i].kind == TokenKind::OpenParen) {
        i = matchingParen(tokens, i) + 1;
    } else {
        reference.table = tokens[i].name();
        ++i;
        while (i + 1 < end && tokens[i].isOperator(".") && tokens[i + 1].isWord()) {
            reference.table = tokens[i + 1].name();
            i += 2;
        }
    }
    if (i < end && tokens[i].is("AS"))
        ++i;
    if (i < end && tokens[i].isWord() && !isReservedWord(tokens[i]))
        reference.alias = tokens[i].name();
    return reference;
}

} // namespace

std::vector<TableReference> readFromClause(std::span<const Token> tokens, size_t begin, size_t end)
{
    std::vector<TableReference> references;
    for (size_t i = begin; i < end; i = skipGroup(tokens, i)) {
        if (startsItem(tokens, i, begin))
            references.push_back(readItem(tokens, i, end));
    }
    return references;
}

ResolvedTarget resolveTarget(const std::vector<TableReference> &references,
                             const std::string &target)
{
    for (const TableReference &reference : references) {
        if (!reference.alias.empty() && equalsIgnoreCase(reference.alias, target)) {
            if (reference.table.empty())
                throw sqlError("The target '" + target +
                               "' is a derived table and cannot be "
                               "updated");
            return {reference.table, reference.alias};
        }
    }
    const TableReference *found = nullptr;
    for (const TableReference &reference : references) {
        if (equalsIgnoreCase(reference.table, target)) {
            if (found)
                throw sqlError("The target table '" + target +
                               "' is ambiguous: the FROM clause names it more than once");
            found = &reference;
        }
    }
    if (!found)
        throw sqlError("The target '" + target + "' is not named in the FROM clause");
    return {found->table, found->alias.empty() ? found->table : found->alias};
}

} // namespace orvan::db
