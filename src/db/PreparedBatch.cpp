#include "db/PreparedBatch.h"

#include "db/Database.h"
#include "db/DbError.h"

namespace orvan::db {

PreparedBatch::PreparedBatch(sqlite3 *db, const BatchPlan &plan,
                             const std::function<bool(std::string_view)> &procedureExists)
{
    m_steps = prepare(db, plan.steps, procedureExists);
}

std::vector<PreparedBatch::Step>
PreparedBatch::prepare(sqlite3 *db, const std::vector<PlanStep> &plan,
                       const std::function<bool(std::string_view)> &procedureExists)
{
    std::vector<Step> steps;
    steps.reserve(plan.size());
    for (const PlanStep &planned : plan) {
        Step step{planned.kind, {}, {}, {}, planned.procedure, planned.arguments};
        if (planned.kind == PlanStep::Kind::Call) {
            if (!procedureExists(planned.procedure))
                throw sqlError("Could not find stored procedure '" + planned.procedure + "'.");
            m_writes = true;
        } else {
            step.statement.emplace_back(db, planned.sql);
            m_writes = m_writes || !step.statement.front().readOnly();
        }
        step.thenSteps = prepare(db, planned.thenSteps, procedureExists);
        step.elseSteps = prepare(db, planned.elseSteps, procedureExists);
        steps.push_back(std::move(step));
    }
    return steps;
}

RecordsetPtr PreparedBatch::run(Database &database)
{
    struct RunningFlag
    {
        bool &flag;
        explicit RunningFlag(bool &f)
            : flag(f)
        {
            flag = true;
        }
        ~RunningFlag() { flag = false; }
    } running(m_running);
    RecordsetPtr result;
    runSteps(database, m_steps, result);
    return result;
}

void PreparedBatch::runSteps(Database &database, std::vector<Step> &steps, RecordsetPtr &result)
{
    for (Step &step : steps) {
        switch (step.kind) {
        case PlanStep::Kind::Statement:
            if (step.statement.front().returnsRows())
                result = step.statement.front().readAll();
            else
                step.statement.front().run();
            break;
        case PlanStep::Kind::Condition:
            runSteps(database,
                     step.statement.front().readInteger() != 0 ? step.thenSteps : step.elseSteps,
                     result);
            break;
        case PlanStep::Kind::Call:
            database.runProcedure(step.procedure, step.arguments);
            break;
        }
    }
}

} // namespace orvan::db
