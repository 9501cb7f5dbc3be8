#pragma once

#include "db/BatchPlan.h"
#include "db/SqlDialect.h"

#include <string_view>

namespace orvan::db {

// Compiles a T-SQL batch into steps for the dialect's engine: statements split by BatchSplitter,
// IF [NOT] EXISTS(...) / IF condition with one statement per branch (nesting allowed),
// exec name args, and every statement through StatementRewriter. Pure text work: whether
// procedures exist and whether SQLite accepts the statements is checked when the plan
// is prepared. A batch of only blanks and comments has no steps. Raises orvan::base::Error for
// anything it refuses.
BatchPlan compileBatch(std::string_view batch, const SqlDialect &dialect = {});

} // namespace orvan::db
