#pragma once

#include "db/Token.h"

#include <span>
#include <string>
#include <vector>

namespace orvan::db {

// One table named in a FROM clause, with its alias when it has one.
struct TableReference
{
    std::string table; // empty for a derived table
    std::string alias;
};

// The tables of the FROM clause in tokens [begin, end): the first item and every item
// after JOIN or a comma at the top level.
std::vector<TableReference> readFromClause(std::span<const Token> tokens, size_t begin, size_t end);

// The target of UPDATE x ... FROM / DELETE x FROM: the table x stands for and the name
// (alias or table) by which the FROM clause refers to it.
struct ResolvedTarget
{
    std::string table;
    std::string reference;
};

// Resolves x as an alias of the FROM clause, or as a table it names exactly once.
// Raises an error when x is not named or is ambiguous.
ResolvedTarget resolveTarget(const std::vector<TableReference> &references,
                             const std::string &target);

} // namespace orvan::db
