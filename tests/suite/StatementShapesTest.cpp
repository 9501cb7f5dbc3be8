#include "AccountFixture.h"

#include <sstream>

#include "base/DataFiles.h"
#include "base/Error.h"
#include "base/Text.h"
#include "db/ProcedureCatalog.h"
#include "db/Recordset.h"
#include "suite/AppConnection.h"

using namespace orvan;

namespace {

struct Batch
{
    std::string description;
    std::string text;
};

// Batches of a statements file: separated by lines holding only GO; the comment line
// before a batch describes it. Line breaks inside a batch are kept as written.
std::vector<Batch> readBatches(const std::string &content)
{
    std::vector<Batch> batches;
    Batch current;
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
        std::string bare = line;
        if (!bare.empty() && bare.back() == '\r')
            bare.pop_back();
        if (bare == "GO") {
            while (!current.text.empty() &&
                   (current.text.back() == '\n' || current.text.back() == '\r'))
                current.text.pop_back();
            batches.push_back(current);
            current = {};
        } else if (current.text.empty() && base::startsWithNoCase(bare, "-- ")) {
            current.description = bare.substr(3);
        } else if (!(current.text.empty() && bare.empty())) {
            current.text += line + "\n";
        }
    }
    return batches;
}

// The procedure an "exec" batch calls, or "" for other batches.
std::string calledProcedure(const std::string &text)
{
    const auto trimmed = base::trim(text);
    if (!base::startsWithNoCase(trimmed, "exec "))
        return {};
    return base::splitOnce(base::trim(trimmed.substr(5)), " ").first;
}

} // namespace

using StatementShapes = test::AccountFixture;

// Every statement shape the component sends runs on the demo account in file order.
TEST_F(StatementShapes, EveryShapeRunsOnTheDemoAccount)
{
    const auto batches = readBatches(base::readDataFile("../tests/data/statements.tsql"));
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
