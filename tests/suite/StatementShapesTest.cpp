#include "support/AccountFixture.h"

#include "base/Error.h"
#include "base/Text.h"
#include "db/ProcedureCatalog.h"
#include "db/Recordset.h"
#include "suite/AppConnection.h"
#include "support/StatementCorpus.h"

using namespace orvan;

namespace {

// The procedure an "exec" batch calls, or "" for other batches.
std::string calledProcedure(const std::string &text)
{
    const auto trimmed = base::trim(text);
    if (!base::startsWithNoCase(trimmed, "exec "))
        return {};
    return base::splitOnce(base::trim(trimmed.substr(5)), " ").first;
}

} // namespace

using StatementShapes = test::AccountFixture<>;

// Every statement shape the component sends runs on the demo account in file order.
TEST_F(StatementShapes, EveryShapeRunsOnTheDemoAccount)
{
    const auto batches = test::statementCorpus();
    ASSERT_GT(batches.size(), 50u);
    suite::AppConnection connection;
    std::vector<std::string> failures;
    for (const auto &batch : batches) {
        const auto procedure = calledProcedure(batch.text);
        if (!procedure.empty() && !db::ProcedureCatalog::instance().contains(procedure))
            continue; // served once the subsystem that owns it registers it
        try {
            connection.Execute(batch.text);
        } catch (const base::Error &error) {
            failures.push_back(batch.description + ": " + error.description());
        }
    }
    for (const auto &failure : failures)
        ADD_FAILURE() << failure;
}
