#pragma once

#include "db/BatchPlan.h"
#include "db/PreparedStatement.h"
#include "db/Recordset.h"

#include <string_view>
#include <vector>

namespace orvan::db {

class Database;

// A compiled batch with every statement prepared, ready to run again and again.
class PreparedBatch
{
public:
    // Prepares every statement of plan on database before anything runs; raises
    // orvan::base::Error with the engine's message, or for a procedure the database lacks.
    PreparedBatch(Database &database, const BatchPlan &plan);

    // True when some statement may write or a procedure is called.
    bool writes() const { return m_writes; }
    bool running() const { return m_running; }
    // One statement that only reads: it needs no transaction around it.
    bool isLoneRead() const
    {
        return !m_writes && m_steps.size() == 1 &&
               m_steps.front().kind == PlanStep::Kind::Statement;
    }

    // Runs the steps (the caller holds the transaction); returns the rows of the last
    // query that ran, or null when none ran.
    RecordsetPtr run(Database &database);

private:
    struct Step
    {
        PlanStep::Kind kind;
        PreparedStatementPtr statement; // for Statement and Condition
        std::vector<Step> thenSteps;
        std::vector<Step> elseSteps;
        std::string procedure;
        std::vector<CallArgument> arguments;
    };

    std::vector<Step> prepare(Database &database, const std::vector<PlanStep> &plan);
    void runSteps(Database &database, std::vector<Step> &steps, RecordsetPtr &result);

    std::vector<Step> m_steps;
    bool m_writes = false;
    bool m_running = false;
};

} // namespace orvan::db
