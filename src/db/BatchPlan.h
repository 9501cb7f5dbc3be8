#pragma once

#include "base/Variant.h"

#include <string>
#include <vector>

namespace orvan::db {

// One argument of an "exec" in batch text: named ("@p = 1") or positional (empty name).
struct CallArgument
{
    std::string name;
    base::Variant value;
};

// One step of a compiled batch, in SQLite terms.
struct PlanStep
{
    enum class Kind {
        Statement, // sql: one SQLite statement; a query when it yields columns
        Condition, // sql: a SELECT yielding 1 or 0; then thenSteps, otherwise elseSteps
        Call,      // a registered procedure with arguments
    };

    Kind kind = Kind::Statement;
    std::string sql;
    std::vector<PlanStep> thenSteps;
    std::vector<PlanStep> elseSteps;
    std::string procedure;
    std::vector<CallArgument> arguments;
};

// A T-SQL batch rewritten for SQLite: its steps in the order they run.
struct BatchPlan
{
    std::vector<PlanStep> steps;
};

} // namespace orvan::db
