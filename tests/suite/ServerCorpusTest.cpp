// The statements the component sends have the same effect on a server account as on an
// account file.
#include "support/AccountFixture.h"
#include "support/ServerAccount.h"
#include "support/StatementCorpus.h"

#include "base/Error.h"
#include "db/Recordset.h"
#include "planning/AdjustForePlans.h"
#include "rules/PlanModeProcedure.h"
#include "suite/AppConnection.h"

#include <algorithm>
#include <regex>

using namespace orvan;

namespace {

// A result as text: headings with their field types, then the rows, in the order the
// engine gave them unless sorted.
std::vector<std::string> resultLines(const db::RecordsetPtr &rows, bool sorted)
{
    if (!rows)
        return {"(no rows)"};
    static const std::regex time(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
    std::string heading;
    for (int i = 0; i < rows->fieldCount(); ++i)
        heading += rows->fieldName(i) + ":" + std::to_string(rows->fieldType(i)) + "\t";
    std::vector<std::string> lines;
    for (; !rows->isEOF(); rows->MoveNext()) {
        std::string line;
        for (int i = 0; i < rows->fieldCount(); ++i) {
            const auto value = rows->Fields(i).Value();
            line += (value.isNull() ? "NULL" : value.text()) + "\t";
        }
        lines.push_back(std::regex_replace(line, time, "<now>"));
    }
    if (sorted)
        std::sort(lines.begin(), lines.end());
    lines.insert(lines.begin(), heading);
    return lines;
}

bool ordered(const std::string &batch)
{
    std::string upper = batch;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    return upper.find("ORDER BY") != std::string::npos;
}

std::vector<std::string> outcome(suite::AppConnection &connection, const std::string &batch)
{
    try {
        return resultLines(connection.Execute(batch), !ordered(batch));
    } catch (const base::Error &error) {
        return {"error"};
    }
}

class ServerCorpus : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        ORVAN_REQUIRE_TEST_SERVER();
        AccountFixture::SetUp();
        rules::registerRuleProcedures();
        planning::registerAdjustForePlans();
        server = std::make_unique<test::ServerAccount>();
    }

    std::unique_ptr<test::ServerAccount> server;
};

} // namespace

TEST_F(ServerCorpus, EveryShapeHasTheSameEffectOnBothEngines)
{
    suite::AppConnection file(account.connectString());
    suite::AppConnection onServer(server->connectString());
    const auto tables = file.Execute("SELECT name FROM sqlite_master WHERE type='table'");
    for (const auto &batch : test::statementCorpus()) {
        const auto expected = outcome(file, batch.text);
        ASSERT_NE(expected, std::vector<std::string>{"error"}) << batch.description;
        EXPECT_EQ(outcome(onServer, batch.text), expected) << batch.description;
    }
    for (tables->MoveFirst(); !tables->isEOF(); tables->MoveNext()) {
        const std::string dump = "SELECT * FROM " + tables->Fields(0).Value().text();
        EXPECT_EQ(outcome(onServer, dump), outcome(file, dump)) << dump;
    }
}

// Text compares without regard to case on both engines, LIKE included. Trailing blanks
// are ignored by equality on the embedded engine only; LIKE counts them on both.
TEST_F(ServerCorpus, TextComparisonsIgnoreCaseAndOnlyTheFileIgnoresTrailingBlanks)
{
    suite::AppConnection file(account.connectString());
    suite::AppConnection onServer(server->connectString());
    const std::string write =
        "UPDATE t_SystemProfile SET FValue='Ab 甲  ' WHERE FKey='CompanyName'";
    file.Execute(write);
    onServer.Execute(write);
    auto matches = [](suite::AppConnection &connection, const std::string &condition) {
        return connection
            .Execute("SELECT count(*) FROM t_SystemProfile WHERE FKey='COMPANYNAME' AND " +
                     condition)
            ->Fields(0)
            .Value()
            .text();
    };
    for (const char *condition : {"FValue='aB 甲  '", "FValue LIKE 'ab%'", "FValue LIKE 'AB 甲  '",
                                  "FValue LIKE '%甲 _'"}) {
        EXPECT_EQ(matches(file, condition), "1") << condition;
        EXPECT_EQ(matches(onServer, condition), "1") << condition;
    }
    EXPECT_EQ(matches(file, "FValue LIKE 'ab 甲'"), "0");
    EXPECT_EQ(matches(onServer, "FValue LIKE 'ab 甲'"), "0");
    EXPECT_EQ(matches(file, "FValue='ab 甲'"), "1");
    EXPECT_EQ(matches(onServer, "FValue='ab 甲'"), "0") << "trailing blanks count on the server";
}
