#include "db/PreparedBatch.h"

#include "db/Database.h"
#include "db/DbError.h"

namespace orvan::db {

PreparedBatch::PreparedBatch(Database &database, const BatchPlan &plan)
{
    m_steps = prepare(database, plan.steps);
}

std::vector<PreparedBatch::Step> PreparedBatch::prepare(Database &database,
                                                        const std::vector<PlanStep> &plan)
{
    std::vector<Step> steps;
    steps.reserve(plan.size());
    for (const PlanStep &planned : plan) {
        Step step{planned.kind, {}, {}, {}, planned.procedure, planned.arguments};
        if (planned.kind == PlanStep::Kind::Call) {
            if (!database.hasProcedure(planned.procedure))
                throw sqlError("Could not find stored procedure '" + planned.procedure + "'.");
            m_writes = true;
        } else {
            step.statement = database.prepare(planned.sql);
            m_writes = m_writes || !step.statement->readOnly();
        }
        step.thenSteps = prepare(database, planned.thenSteps);
        step.elseSteps = prepare(database, planned.elseSteps);
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
            if (step.statement->returnsRows())
                result = step.statement->readAll();
            else
                step.statement->run();
            break;
        case PlanStep::Kind::Condition:
            runSteps(database, step.statement->readInteger() != 0 ? step.thenSteps : step.elseSteps,
                     result);
            break;
        case PlanStep::Kind::Call:
            database.runProcedure(step.procedure, step.arguments);
            break;
        }
    }
}

} // namespace orvan::db
