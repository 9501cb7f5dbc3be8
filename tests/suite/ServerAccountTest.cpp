// An account on the test server: writing it, what goes wrong, and many users at once.
#include "support/ServerAccount.h"
#include "support/AccountFixture.h"

#include "base/Error.h"
#include "db/PostgresDatabase.h"
#include "db/Recordset.h"
#include "suite/AppConnection.h"
#include "suite/ChangeHistory.h"
#include "suite/DemoAccount.h"

#include <set>
#include <thread>

using namespace orvan;
using suite::AppConnection;

namespace {

base::Error errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const base::Error &error) {
        return error;
    }
    return base::Error(0, "no error");
}

std::string value(AppConnection &connection, const std::string &sql)
{
    return connection.Execute(sql)->Fields(0).Value().text();
}

class ServerAccountTest : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        ORVAN_REQUIRE_TEST_SERVER();
        AccountFixture::SetUp();
    }
};

} // namespace

TEST_F(ServerAccountTest, InitDemoRefusesADatabaseWithTablesUnlessForcedAndReplacesItWhole)
{
    test::ServerAccount server(test::ServerAccount::Content::Empty);
    EXPECT_TRUE(suite::writeServerAccount(server.connection(), false));
    {
        AppConnection connection(server.connectString());
        connection.Execute("UPDATE t_User SET FName='Changed' WHERE FUserID=16394");
    }
    const auto refused = errorOf([&] { suite::writeServerAccount(server.connection(), false); });
    EXPECT_NE(refused.description().find("--force"), std::string::npos);
    EXPECT_FALSE(suite::writeServerAccount(server.connection(), false, true)) << "if missing";
    EXPECT_TRUE(suite::writeServerAccount(server.connection(), true));
    AppConnection connection(server.connectString());
    EXPECT_EQ(value(connection, "SELECT FName FROM t_User WHERE FUserID=16394"), "Administrator");
}

TEST_F(ServerAccountTest, AnUnusableServerAccountSaysWhyNamingTheServerButNeverThePassword)
{
    const std::string socket = test::ServerDatabase::entryOf(*test::testServer(), "host");
    struct Case
    {
        std::string connectString;
        std::string reason;
    };
    test::ServerAccount empty(test::ServerAccount::Content::Empty);
    test::ServerAccount older;
    older.runNative(R"(DROP TABLE "ICPrintMaxCount")");
    for (const auto &c : std::vector<Case>{
             {"Provider=PostgreSQL;Host=/nonexistent;Database=acct;Password=sekret",
              "无法连接账套服务器"},
             {"Provider=PostgreSQL;Host=" + socket + ";User ID=nobody_here;Database=x",
              "拒绝了该用户名或密码"},
             {"Provider=PostgreSQL;Host=" + socket + ";User ID=orvan;Database=no_such_db",
              "服务器上没有该数据库"},
             {empty.connectString(), "没有账套"},
             {older.connectString(), "账套版本较旧"},
         }) {
        AppConnection connection(c.connectString);
        const auto error = errorOf([&] { connection.Execute("SELECT 1"); });
        EXPECT_NE(error.description().find("无法打开账套数据库postgresql://"), std::string::npos)
            << error.description();
        EXPECT_NE(error.description().find(c.reason), std::string::npos) << error.description();
        EXPECT_EQ(error.description().find("sekret"), std::string::npos);
    }
}

TEST_F(ServerAccountTest, ALostConnectionFailsOneActionAndTheNextConnectsAgain)
{
    test::ServerAccount server;
    AppConnection connection(server.connectString());
    const std::string pid = value(connection, "SELECT pg_backend_pid()");
    db::PostgresDatabase(server.connection())
        .runControl(("SELECT pg_terminate_backend(" + pid + ")").c_str());
    const auto lost =
        errorOf([&] { connection.Execute("UPDATE t_User SET FName='x' WHERE FUserID=16395"); });
    EXPECT_EQ(lost.accountFailure(), base::AccountFailure::Unreachable) << lost.description();
    EXPECT_NE(value(connection, "SELECT pg_backend_pid()"), pid);
    EXPECT_EQ(value(connection, "SELECT FName FROM t_User WHERE FUserID=16395"), "Guest");
}

// Four workstations at once: every number handed out once, every increment kept.
TEST_F(ServerAccountTest, ConcurrentClientsLoseAndDuplicateNothing)
{
    test::ServerAccount server;
    constexpr int Clients = 4;
    constexpr int Rounds = 250;
    std::vector<std::vector<int32_t>> numbers(Clients);
    std::vector<std::thread> clients;
    for (int c = 0; c < Clients; ++c) {
        clients.emplace_back([&, c] {
            AppConnection connection(server.connectString());
            for (int i = 0; i < Rounds; ++i) {
                numbers[c].push_back(connection.GetICMaxNum("t_VoucherGroup"));
                connection.Execute(
                    "IF EXISTS(select * from t_SystemProfile WHERE FCategory='IC' AND "
                    "FKey='Hits')\r\nUPDATE t_SystemProfile SET FValue=convert(int,FValue)+1 "
                    "WHERE FCategory='IC' AND FKey='Hits'\r\nELSE\r\n INSERT INTO "
                    "t_SystemProfile(FCategory,FKey,FValue) Values('IC','Hits','1')");
            }
        });
    }
    for (auto &client : clients)
        client.join();
    std::set<int32_t> distinct;
    for (const auto &handedOut : numbers)
        distinct.insert(handedOut.begin(), handedOut.end());
    EXPECT_EQ(distinct.size(), size_t(Clients * Rounds)) << "no number twice";
    EXPECT_EQ(*distinct.rbegin() - *distinct.begin(), Clients * Rounds - 1) << "none skipped";
    AppConnection connection(server.connectString());
    EXPECT_EQ(value(connection, "SELECT count(*) FROM t_SystemProfile WHERE FKey='Hits'"), "1");
    EXPECT_EQ(value(connection, "SELECT FValue FROM t_SystemProfile WHERE FKey='Hits'"),
              std::to_string(Clients * Rounds));
    // The history holds every increment once, each from the value before it.
    EXPECT_EQ(value(connection, "SELECT count(DISTINCT FNewValue) FROM t_ChangeHistory WHERE "
                                "FRecord='IC.Hits' AND FField='FValue'"),
              std::to_string(Clients * Rounds));
    EXPECT_EQ(value(connection, "SELECT count(*) FROM t_ChangeHistory WHERE FRecord='IC.Hits' "
                                "AND FField='FValue' AND convert(int,FNewValue) <> "
                                "ISNULL(convert(int,FOldValue),0)+1"),
              "0");
}

TEST_F(ServerAccountTest, HistoryRowsAreKeptAndOnlyThePruneRemovesThem)
{
    test::ServerAccount server;
    AppConnection connection(server.connectString());
    connection.Execute("UPDATE ICBillType SET FNote='Note' WHERE FID=1");
    EXPECT_EQ(value(connection, "SELECT FOldValue FROM t_ChangeHistory WHERE FTable='ICBillType'"),
              "系统预设");
    EXPECT_EQ(value(connection, "SELECT FNewValue FROM t_ChangeHistory WHERE FTable='ICBillType'"),
              "Note");
    EXPECT_THROW(connection.Execute("UPDATE t_ChangeHistory SET FNewValue='x'"), base::Error);
    EXPECT_THROW(connection.Execute("DELETE FROM t_ChangeHistory"), base::Error);
    EXPECT_EQ(suite::pruneHistory(connection.database(), "2999-01-01"), 1);
    EXPECT_EQ(value(connection, "SELECT FNewValue FROM t_ChangeHistory"), "1 rows removed");
}

// What a connection read may be served again until another connection's change is
// announced to it; reading alone moves nothing.
TEST_F(ServerAccountTest, TheChangeStampMovesWhenAnotherConnectionChangesTheAccount)
{
    test::ServerAccount server;
    AppConnection mine(server.connectString());
    const auto before = mine.changeStamp();
    mine.Execute("SELECT count(*) FROM t_User");
    db::PostgresDatabase theirs(server.connection());
    theirs.execute("SELECT count(*) FROM t_User");
    EXPECT_EQ(mine.changeStamp(), before);
    theirs.execute("UPDATE t_User SET FName='x' WHERE FUserID=16395");
    std::string after = mine.changeStamp();
    for (int wait = 0; wait < 100 && after == before; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        after = mine.changeStamp();
    }
    EXPECT_NE(after, before);
}
