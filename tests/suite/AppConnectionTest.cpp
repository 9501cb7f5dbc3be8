#include "support/AccountFixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <thread>

#include "base/Error.h"
#include "component/LoginContext.h"
#include "db/Recordset.h"
#include "db/SqliteDatabase.h"
#include "suite/AppConnection.h"
#include "suite/DemoAccount.h"
#include "suite/GLData.h"

using namespace orvan;
using suite::AppConnection;

using AppConnectionTest = test::AccountFixture<>;

namespace {

std::string errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const base::Error &error) {
        return error.description();
    }
    return {};
}

} // namespace

TEST_F(AppConnectionTest, OpensTheLoginsAccountAndReportsErrorsWithoutLosingIt)
{
    AppConnection connection;
    auto rows = connection.Execute("SELECT FName FROM t_User WHERE FUserID=16394");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->Fields("fname").Value().text(), "Administrator");
    EXPECT_EQ(connection.Execute("UPDATE t_User SET FDescription='a''b' WHERE FUserID=16395"),
              nullptr);
    EXPECT_NE(errorOf([&] { connection.Execute("SELECT * FROM NoSuchTable"); }).find("NoSuchTable"),
              std::string::npos);
    rows = connection.Execute("SELECT FDescription FROM t_User WHERE FUserID=16395");
    EXPECT_EQ(rows->Fields(0).Value().text(), "a'b");
}

TEST_F(AppConnectionTest, UnusableConnectStringsGiveAClearReasonOnEveryCall)
{
    AppConnection missing("Provider=SQLite;Data Source=" + scratchPath("absent.db"));
    EXPECT_EQ(errorOf([&] { missing.Execute("SELECT 1"); }),
              "无法打开账套数据库" + scratchPath("absent.db") + "：文件不存在。")
        << "the login's language only";
    std::ofstream(scratchPath("text.db")) << "not an account";
    AppConnection text("Provider=SQLite;Data Source=" + scratchPath("text.db"));
    EXPECT_EQ(errorOf([&] { text.Execute("SELECT 1"); }),
              "无法打开账套数据库" + scratchPath("text.db") + "：该文件不是账套数据库。");
    AppConnection server("Provider=SQLOLEDB;Data Source=srv;Initial Catalog=acct");
    EXPECT_NE(errorOf([&] { server.GetICMaxNum("ICBillType"); }).find("SQLOLEDB"),
              std::string::npos);
    AppConnection empty("");
    EXPECT_NE(errorOf([&] { empty.Execute("SELECT 1"); }).find("Data Source"), std::string::npos);
}

TEST_F(AppConnectionTest, NextNumbersStayAboveExistingKeysAndNeverRepeat)
{
    AppConnection connection;
    const auto highest =
        connection.Execute("SELECT MAX(FID) FROM ICBillType")->Fields(0).Value().toLong();
    const auto first = connection.GetICMaxNum("ICBillType");
    EXPECT_GT(first, highest);
    EXPECT_EQ(connection.GetICMaxNum("icbilltype"), first + 1);
    EXPECT_EQ(connection.GetICMaxNum("NewTable"), 1);
    EXPECT_FALSE(errorOf([&] { connection.GetICMaxNum("x; DROP TABLE t_User"); }).empty());
}

TEST_F(AppConnectionTest, ConcurrentCallersGetDistinctNumbers)
{
    constexpr int perCaller = 40;
    std::vector<int32_t> numbers[2];
    auto take = [this, &numbers](int caller) {
        AppConnection connection("Provider=SQLite;Data Source=" + accountPath);
        for (int i = 0; i < perCaller; ++i)
            numbers[caller].push_back(connection.GetICMaxNum("ICBillType"));
    };
    std::thread first(take, 0);
    std::thread second(take, 1);
    first.join();
    second.join();
    std::set<int32_t> all(numbers[0].begin(), numbers[0].end());
    all.insert(numbers[1].begin(), numbers[1].end());
    EXPECT_EQ(all.size(), 2u * perCaller);
}

TEST_F(AppConnectionTest, RightsComeFromTheAccount)
{
    suite::GLData rights;
    EXPECT_TRUE(rights.AccessCheck(1099, 1, 0x400000));
    EXPECT_TRUE(rights.AccessCheck(1011, 34, 0x100000));
    EXPECT_FALSE(rights.AccessCheck(1099, 2, 0x400000));
    loginAs(16395);
    EXPECT_FALSE(rights.AccessCheck(1099, 1, 0x400000));
    suite::SharedProps::publishForThisProcess("ConnectString=x;");
    EXPECT_FALSE(rights.AccessCheck(1099, 1, 0x400000));
}

TEST_F(AppConnectionTest, AccountFilesAreNotOverwrittenUnlessAsked)
{
    EXPECT_NE(errorOf([&] { suite::writeAccount(accountPath, false); }).find("already exists"),
              std::string::npos);
    AppConnection(accountPath.empty() ? "" : "Data Source=" + accountPath)
        .Execute("DELETE t_User WHERE FUserID=16395");
    suite::writeAccount(accountPath, true);
    AppConnection fresh("Data Source=" + accountPath);
    EXPECT_EQ(fresh.Execute("SELECT COUNT(*) FROM t_User")->Fields(0).Value().toLong(), 2);
}

TEST_F(AppConnectionTest, ATransactionAppliesItsStatementsTogetherOrNotAtAll)
{
    AppConnection connection;
    const auto users = [&] { // as another workstation sees the account
        return db::SqliteDatabase(accountPath)
            .execute("SELECT COUNT(*) FROM t_User")
            ->Fields(0)
            .Value()
            .toLong();
    };
    const auto before = users();
    connection.BeginTrans();
    EXPECT_NE(errorOf([&] { connection.BeginTrans(); }).find("already open"), std::string::npos);
    connection.Execute("DELETE FROM t_User WHERE FUserID=16395");
    EXPECT_NE(errorOf([&] { connection.Execute("DELETE FROM NoSuchTable"); }), "");
    connection.RollbackTrans();
    EXPECT_EQ(users(), before);

    connection.BeginTrans();
    connection.Execute("DELETE FROM t_User WHERE FUserID=16395");
    EXPECT_EQ(users(), before) << "another connection sees nothing before the commit";
    connection.CommitTrans();
    EXPECT_EQ(users(), before - 1);
    EXPECT_NE(errorOf([&] { connection.CommitTrans(); }).find("No transaction"), std::string::npos);
    connection.RollbackTrans(); // nothing open: nothing happens
}

TEST_F(AppConnectionTest, ConnectionsOfTheProcessShareOneAccountConnection)
{
    AppConnection window;
    AppConnection component("Provider=SQLite;Data Source=" + accountPath);
    EXPECT_EQ(&window.database(), &component.database());
    const auto users = [&] {
        return window.Execute("SELECT COUNT(*) FROM t_User")->Fields(0).Value().toLong();
    };
    const auto before = users();
    window.BeginTrans();
    component.Execute("DELETE FROM t_User WHERE FUserID=16395");
    EXPECT_EQ(users(), before - 1) << "a component works inside the change the window began";
    window.RollbackTrans();
    EXPECT_EQ(users(), before) << "and its write goes with that change";

    suite::writeAccount(accountPath, true); // a new file at the same path
    AppConnection reopened("Provider=SQLite;Data Source=" + accountPath);
    EXPECT_NE(&reopened.database(), &window.database());
    reopened.Execute("DELETE FROM t_User WHERE FUserID=16395");
    EXPECT_EQ(reopened.Execute("SELECT COUNT(*) FROM t_User")->Fields(0).Value().toLong(), 1);
}

TEST_F(AppConnectionTest, ReadsThatBelongTogetherSeeOneStateOfTheAccount)
{
    AppConnection window;
    const auto users = [&] {
        return AppConnection().Execute("SELECT COUNT(*) FROM t_User")->Fields(0).Value().toLong();
    };
    const auto before = users();
    {
        const auto reading = window.beginReading();
        ASSERT_NE(reading, nullptr);
        EXPECT_EQ(users(), before);
        db::SqliteDatabase(accountPath)
            .execute("DELETE FROM t_User WHERE FUserID=16395"); // another
        EXPECT_EQ(users(), before) << "the same state until the scope ends";
    }
    EXPECT_EQ(users(), before - 1);
}

TEST_F(AppConnectionTest, TheEditionFollowsEachLoginPublished)
{
    setLogin("UserID=1;OrvanVersion=ZSE;");
    EXPECT_EQ(component::LoginEdition(), "ZSE");
    setLogin("UserID=1;OrvanVersion=ZEE;");
    EXPECT_EQ(component::LoginEdition(), "ZEE");
    setLogin("UserID=1;");
    EXPECT_EQ(component::LoginEdition(), "");
    setLogin("UserID=1;OrvanVersion=ZSE;");
    suite::SharedProps::clearAll();
    EXPECT_EQ(component::LoginEdition(), "") << "no login left to read";
}

// A forked child has a process id of its own, and reads the login published for it.
TEST_F(AppConnectionTest, AForkedChildReadsTheLoginOfItsOwnProcess)
{
    setLogin("UserID=1;");
    const auto parentLogin = component::LoginPropsString();
    ASSERT_TRUE(parentLogin.ends_with("UserID=1;"));
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        suite::SharedProps::publishForThisProcess("UserID=2;");
        ::_exit(component::LoginPropsString() == "UserID=2;" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(component::LoginPropsString(), parentLogin) << "the parent keeps its own";
}
